// The generated sample project: its palette images and standard bitmaps load
// as the project loader loads them, with the sizes and cells that the stage
// view and the picture sheets read.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "base/dib.h"
#include "tests/support/box_catcher.h"

#ifndef SAMPLE_PROJECT_DIR
#error "SAMPLE_PROJECT_DIR names the generated sample project"
#endif

namespace {

// Runs a test inside the sample project, as the editor runs in its project.
class SampleProjectTest : public testing::Test {
protected:
    void SetUp() override {
        GetCurrentDirectoryA(sizeof m_OldDir, m_OldDir);
        ASSERT_TRUE(SetCurrentDirectoryA(SAMPLE_PROJECT_DIR)) << SAMPLE_PROJECT_DIR;
        const uint8_t rgb[3] = {255, 0, 255};
        ASSERT_TRUE(LoadPalettes(rgb));
    }
    void TearDown() override {
        SetCurrentDirectoryA(m_OldDir);
        for (const CaughtBox& box : m_Boxes.Take()) ADD_FAILURE() << box.caption << ": " << box.text;
    }
    char m_OldDir[MAX_PATH] = {};
    BoxCatcher m_Boxes;
};

// Whether the pixel (x, y) of a loaded sheet is drawn: opaque in the mask of
// a masked sheet, not palette entry 0 in a sheet without a mask.
bool Drawn(const cDib& dib, int x, int y) {
    if (dib.m_pMaskBits) return dib.MaskRow(y)[x] != 255;
    return dib.Row(y)[x] != 0;
}

bool CellDrawn(const cDib& dib, int x0, int y0, int w, int h) {
    for (int y = y0; y < y0 + h; ++y)
        for (int x = x0; x < x0 + w; ++x)
            if (Drawn(dib, x, y)) return true;
    return false;
}

struct SheetSize {
    int slot;
    int width;
    int height;
    const char* why;
};

// The sizes the drawing code relies on.
const SheetSize kSheetSizes[] = {
    {0, 640, 480, "stage background: one screen"},
    {1, 256, 480, "blocks: 15 chips a column, the whole sheet fits the 256 by 480 picture sheet"},
    {2, 512, 480, "characters: 15 a sheet, 16 columns of poses"},
    {3, 512, 480, "the same sheet mirrored"},
    {16, 512, 480, "last character sheet"},
    {17, 512, 480, "last character sheet mirrored"},
    {18, 512, 480, "items: 8 columns of two 32-pixel pictures, 15 rows"},
    {19, 256, 240, "small items: the same columns at 16 pixels"},
    {20, 128, 480, "shots: 4 columns of 30, 16 by 16 at a 32-pixel column pitch"},
    {21, 256, 480, "marks: fit the 256 by 480 picture sheet"},
    {22, 640, 480, "world map background"},
    {23, 160, 320, "world map chips: five a row"},
    {24, 64, 320, "world events: picture with and without a world number"},
};

}  // namespace

TEST_F(SampleProjectTest, PalettesGiveBlackTransparentAndMaskColours) {
    EXPECT_EQ(0, g_TransIndex);
    const RGBQUAD& mask = g_Palette[g_MaskIndex];
    EXPECT_EQ(0, mask.rgbRed + mask.rgbGreen + mask.rgbBlue) << "a masked blit needs a black mask colour";
    EXPECT_EQ(0, g_Palette[15].rgbRed + g_Palette[15].rgbGreen + g_Palette[15].rgbBlue);
    EXPECT_EQ(0, memcmp(g_Palette, g_StdPalette, sizeof g_Palette));
    // every entry but the two blacks and white is another colour
    int distinct = 0;
    for (int i = 0; i < 256; ++i) {
        bool seen = false;
        for (int j = 0; j < i && !seen; ++j) seen = memcmp(&g_Palette[i], &g_Palette[j], 3) == 0;
        distinct += !seen;
    }
    EXPECT_GE(distinct, 240);
}

TEST_F(SampleProjectTest, EveryStandardBitmapLoadsAsStartUpLoadsIt) {
    for (int i = 0; i < kBitmapCount; ++i) {
        const DibLoadInfo& info = g_BitmapName[i];
        if (strcmp(info.m_Path, "E") == 0) continue;
        cDib dib;
        ASSERT_EQ(1, dib.Load(info)) << info.m_Path;
        EXPECT_EQ(8, dib.m_BitmapInfo.bmBitsPixel) << info.m_Path;
        EXPECT_EQ(info.m_Mask != 0, dib.m_pMaskBits != nullptr) << info.m_Path;
        if (info.m_MirrorW) {
            EXPECT_EQ(0, dib.m_Width % info.m_MirrorW) << info.m_Path << ": a cell cut in two";
        }
    }
    for (const SheetSize& s : kSheetSizes) {
        cDib dib;
        ASSERT_EQ(1, dib.Load(g_BitmapName[s.slot])) << s.why;
        EXPECT_EQ(s.width, dib.m_Width) << s.why;
        EXPECT_EQ(s.height, dib.m_Height) << s.why;
    }
}

// Every graphic a definition can pick draws something: blocks and marks at
// (i / 15 x 32, i mod 15 x 32), characters in every row of every sheet in
// both facings, items at full and half size, shots; graphic 0 of blocks and
// items is the empty one.
TEST_F(SampleProjectTest, EveryCellThatDrawingReadsHoldsAPicture) {
    cDib sheets[kBitmapCount];
    for (int i = 1; i <= 24; ++i) ASSERT_EQ(1, sheets[i].Load(g_BitmapName[i])) << i;
    for (int i = 1; i < 120; ++i) {
        EXPECT_TRUE(CellDrawn(sheets[1], i / 15 * 32, i % 15 * 32, 32, 32)) << "block " << i;
        EXPECT_TRUE(CellDrawn(sheets[18], i / 15 * 64, i % 15 * 32, 32, 32)) << "item " << i;
        EXPECT_TRUE(CellDrawn(sheets[18], i / 15 * 64 + 32, i % 15 * 32, 32, 32)) << "item frame 2 " << i;
        EXPECT_TRUE(CellDrawn(sheets[19], i / 15 * 32, i % 15 * 16, 16, 16)) << "small item " << i;
        EXPECT_TRUE(CellDrawn(sheets[21], i / 15 * 32, i % 15 * 32, 32, 32)) << "mark " << i;
    }
    EXPECT_FALSE(CellDrawn(sheets[1], 0, 0, 32, 32));
    EXPECT_FALSE(CellDrawn(sheets[18], 0, 0, 64, 32));
    for (int slot = 2; slot <= 17; ++slot)
        for (int row = 0; row < 15; ++row)
            for (int col = 0; col < 16; ++col)
                EXPECT_TRUE(CellDrawn(sheets[slot], col * 32, row * 32, 32, 32)) << slot << " " << col << "," << row;
    for (int i = 0; i < 120; ++i)
        EXPECT_TRUE(CellDrawn(sheets[20], i / 30 * 32, i % 30 * 16, 16, 16)) << "shot " << i;
    for (int g = 0; g < 50; ++g)
        EXPECT_TRUE(CellDrawn(sheets[23], g % 5 * 32, g / 5 * 32, 32, 32)) << "map chip " << g;
    for (int row = 0; row < 10; ++row)
        for (int col = 0; col < 2; ++col)
            EXPECT_TRUE(CellDrawn(sheets[24], col * 32, row * 32, 32, 32)) << "world event " << row;
}

// A character drawn with its mask onto a white surface: the white stays
// where the sheet is transparent, the sheet's own colours land elsewhere.
TEST_F(SampleProjectTest, MaskedCharacterKeepsTheBackgroundAroundIt) {
    cDib chara;
    ASSERT_EQ(1, chara.Load(g_BitmapName[2]));
    cDib dst;
    ASSERT_EQ(1, dst.Create(32, 32, 24, 0));
    dst.Clear(RGB(255, 255, 255));
    dst.Blt(0, 0, 32, 32, chara, 0, 0, 0);
    GdiFlush();
    int drawn = 0;
    int kept = 0;
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            const uint8_t* p = dst.Row(y) + x * 3;
            uint8_t index = chara.Row(y)[x];
            if (index == g_TransIndex) {
                EXPECT_TRUE(p[0] == 255 && p[1] == 255 && p[2] == 255) << x << "," << y;
                ++kept;
            } else {
                const RGBQUAD& c = g_Palette[index];
                EXPECT_TRUE(p[0] == c.rgbBlue && p[1] == c.rgbGreen && p[2] == c.rgbRed) << x << "," << y;
                ++drawn;
            }
        }
    }
    EXPECT_GT(drawn, 100);
    EXPECT_GT(kept, 100);
}

// The toolbar images, read as the toolbars read them: 16 by 15 pixels a button.
TEST_F(SampleProjectTest, ToolbarImagesHoldTheirButtons) {
    const struct {
        const char* file;
        int buttons;
    } kToolbars[] = {
        {"e_bmp\\ToolBar_Palette.bmp", 3}, {"e_bmp\\ToolBar_TestPlay.bmp", 2}, {"e_bmp\\ToolBar_Pen.bmp", 5},
        {"e_bmp\\ToolBar_PltEdit.bmp", 2}, {"e_bmp\\ToolBar_WorldPalette.bmp", 2},
    };
    for (const auto& t : kToolbars) {
        HANDLE image = LoadImageA(nullptr, t.file, IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION);
        ASSERT_NE(nullptr, image) << t.file;
        BITMAP bm = {};
        GetObjectA(image, sizeof bm, &bm);
        EXPECT_EQ(t.buttons * 16, bm.bmWidth) << t.file;
        EXPECT_EQ(15, bm.bmHeight) << t.file;
        DeleteObject(image);
    }
}
