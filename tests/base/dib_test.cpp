#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "base/appwnd.h"
#include "base/dib.h"
#include "tests/support/bmp_fixture.h"
#include "tests/support/box_catcher.h"
#include "tests/support/test_env.h"

namespace {

const char kCannotRead[] = " が読み込めません！";
const char kUnsupported[] = " の読み込みに失敗しました！\n256色と24bit色以外の形式には対応していません。";

// A palette in which every entry is a different colour, none of them black
// or white, with a reserved byte of its own.
void SetDistinctPalette() {
    for (int i = 0; i < 256; ++i) {
        g_Palette[i].rgbBlue = static_cast<BYTE>(i);
        g_Palette[i].rgbGreen = static_cast<BYTE>(255 - i);
        g_Palette[i].rgbRed = static_cast<BYTE>(i ^ 0x5A);
        g_Palette[i].rgbReserved = static_cast<BYTE>(i / 2);
    }
}

std::string TableBytes(const RGBQUAD* table, int entries) {
    return std::string(reinterpret_cast<const char*>(table), entries * sizeof(RGBQUAD));
}

BmpSpec Spec(int width, int height, int bits, std::vector<uint8_t> pixels) {
    BmpSpec s;
    s.width = width;
    s.height = height;
    s.bits = bits;
    s.pixels = std::move(pixels);
    return s;
}

// The image (or mask) bytes of a surface, top row first, without row padding.
std::vector<uint8_t> Pixels(const cDib& dib, bool mask = false) {
    GdiFlush();
    size_t used = static_cast<size_t>(dib.m_Width) * dib.m_BitmapInfo.bmBitsPixel / 8;
    std::vector<uint8_t> px;
    for (int y = 0; y < dib.m_Height; ++y) {
        const uint8_t* row = mask ? dib.MaskRow(y) : dib.Row(y);
        px.insert(px.end(), row, row + used);
    }
    return px;
}

// The pixel (x, y) of a 24- or 32-bit surface as blue, green, red.
std::vector<uint8_t> PixelAt(const cDib& dib, int x, int y) {
    GdiFlush();
    const uint8_t* p = dib.Row(y) + x * (dib.m_BitmapInfo.bmBitsPixel / 8);
    return {p[0], p[1], p[2]};
}

bool IsBlack(const cDib& dib, int x, int y) {
    return PixelAt(dib, x, y) == std::vector<uint8_t>{0, 0, 0};
}

class DibTest : public testing::Test {
protected:
    void SetUp() override {
        SetDistinctPalette();
        g_TransIndex = 0;
        g_MaskIndex = 15;
        const uint8_t rgb[3] = {200, 0, 100};  // stored red, green, blue
        SetTransRGB(rgb);
    }
    BoxCatcher m_Boxes;
};

}  // namespace

// ---- palettes ----

TEST_F(DibTest, PaletteFileIsReadFromByte54WhateverTheHeaderSays) {
    RGBQUAD want[256];
    for (int i = 0; i < 256; ++i) want[i] = RGBQUAD{BYTE(i), BYTE(i * 3), BYTE(i * 7), BYTE(i + 1)};
    ASSERT_TRUE(WriteWholeFile("pal.bmp", std::string(54, 'h') + TableBytes(want, 256)));
    RGBQUAD table[256] = {};
    ASSERT_TRUE(LoadPaletteFile(table, "pal.bmp"));
    EXPECT_EQ(TableBytes(want, 256), TableBytes(table, 256));
}

// A palette image saved with a larger information header (as current
// painting programs write them) has its colours behind that header.
TEST_F(DibTest, PaletteFileIsReadFromWhereItsHeadersPutTheTable) {
    RGBQUAD want[256];
    for (int i = 0; i < 256; ++i) want[i] = RGBQUAD{BYTE(255 - i), BYTE(i * 5), BYTE(i * 11), 0};
    for (uint32_t infoSize : {40u, 108u, 124u}) {
        SCOPED_TRACE(infoSize);
        BmpSpec s;
        s.width = 4;
        s.height = 2;
        s.bits = 8;
        s.infoSize = infoSize;
        s.colors.assign(reinterpret_cast<const uint8_t*>(want), reinterpret_cast<const uint8_t*>(want) + 1024);
        ASSERT_TRUE(WriteBmp("pal.bmp", s));
        RGBQUAD table[256] = {};
        ASSERT_TRUE(LoadPaletteFile(table, "pal.bmp"));
        EXPECT_EQ(TableBytes(want, 256), TableBytes(table, 256));
    }
}

TEST_F(DibTest, PaletteFileMissingOrShortKeepsWhatItDoesNotHold) {
    RGBQUAD table[256];
    memset(table, 0x11, sizeof table);
    EXPECT_FALSE(LoadPaletteFile(table, "no_such_palette.bmp"));
    EXPECT_EQ(std::string(1024, '\x11'), TableBytes(table, 256));

    // two whole entries and half of a third
    ASSERT_TRUE(WriteWholeFile("short.bmp", std::string(54, '\0') + std::string(10, '\x22')));
    EXPECT_TRUE(LoadPaletteFile(table, "short.bmp"));
    EXPECT_EQ(std::string(8, '\x22') + std::string(1016, '\x11'), TableBytes(table, 256));
}

TEST_F(DibTest, TransAndMaskColoursTakeTheFirstMatchingEntry) {
    g_Palette[40] = g_Palette[7];
    struct Case {
        RGBQUAD color;
        int want;
    } cases[] = {
        {g_Palette[7], 7},
        {g_Palette[40], 7},
        {g_Palette[200], 200},
        {RGBQUAD{g_Palette[9].rgbBlue, g_Palette[9].rgbGreen, g_Palette[9].rgbRed, 99}, 9},  // reserved not compared
        {RGBQUAD{1, 1, 1, 0}, 123},  // not in the palette: unchanged
    };
    for (const Case& c : cases) {
        g_TransIndex = 123;
        g_MaskIndex = 123;
        SetTransColor(c.color);
        SetMaskColor(c.color);
        EXPECT_EQ(c.want, g_TransIndex);
        EXPECT_EQ(c.want, g_MaskIndex);
    }
}

TEST_F(DibTest, ProjectPalettesLoadInOrder) {
    CreateDirectoryA("bmp", nullptr);
    CreateDirectoryA("bmp\\plt", nullptr);
    RGBQUAD pal[256];
    RGBQUAD std2[256];
    for (int i = 0; i < 256; ++i) {
        pal[i] = RGBQUAD{BYTE(i), BYTE(i), BYTE(255 - i), 0};
        std2[i] = RGBQUAD{BYTE(i), 9, 9, 0};
    }
    pal[15] = pal[4];  // the mask colour is found first at entry 4
    DeleteFileA("bmp\\plt\\Palette.bmp");
    DeleteFileA("bmp\\plt\\Palette2.bmp");
    uint8_t rgb[3] = {10, 20, 30};

    EXPECT_FALSE(LoadPalettes(rgb));
    std::vector<CaughtBox> boxes = m_Boxes.Take();
    ASSERT_EQ(1u, boxes.size());
    EXPECT_EQ("エラー", boxes[0].caption);
    EXPECT_EQ("パレットの生成に失敗！\nbmp\\plt\\Palette.bmp が見つかりません！", boxes[0].text);

    ASSERT_TRUE(WriteWholeFile("bmp\\plt\\Palette.bmp", std::string(54, '\0') + TableBytes(pal, 256)));
    EXPECT_FALSE(LoadPalettes(rgb));
    boxes = m_Boxes.Take();
    ASSERT_EQ(1u, boxes.size());
    EXPECT_EQ("パレットの生成に失敗！\nbmp\\plt\\Palette2.bmp が見つかりません！", boxes[0].text);

    ASSERT_TRUE(WriteWholeFile("bmp\\plt\\Palette2.bmp", std::string(54, '\0') + TableBytes(std2, 256)));
    ASSERT_TRUE(LoadPalettes(rgb));
    EXPECT_TRUE(m_Boxes.Take().empty());
    EXPECT_EQ(TableBytes(pal, 256), TableBytes(g_Palette, 256));
    EXPECT_EQ(TableBytes(std2, 256), TableBytes(g_StdPalette, 256));
    EXPECT_EQ(0, g_TransIndex);
    EXPECT_EQ(4, g_MaskIndex);
    EXPECT_EQ(0, memcmp(rgb, g_TransRGB, 3));
}

// ---- creating ----

TEST_F(DibTest, CreateMakesWhiteTopDownSurfacesAtTheRowStride) {
    struct Case {
        int bits, stride;
    } cases[] = {{8, 8}, {24, 16}, {32, 20}};
    for (const Case& c : cases) {
        cDib dib;
        ASSERT_EQ(1, dib.Create(5, 3, c.bits, 1)) << c.bits;
        EXPECT_EQ(5, dib.m_Width);
        EXPECT_EQ(3, dib.m_Height);
        EXPECT_EQ(c.stride, dib.m_BitmapInfo.bmWidthBytes);
        EXPECT_EQ(c.bits, dib.m_BitmapInfo.bmBitsPixel);
        EXPECT_EQ(dib.m_pBits, dib.m_BitmapInfo.bmBits);
        EXPECT_NE(nullptr, dib.m_hMaskDC);
        EXPECT_NE(nullptr, dib.m_pMaskBits);
        std::vector<uint8_t> px = Pixels(dib);
        for (size_t i = 0; i < px.size(); ++i) ASSERT_EQ(255, px[i]) << c.bits << " byte " << i;
        // row 0 is the top row
        SetPixelV(dib.m_hDC, 1, 0, RGB(0, 0, 0));
        EXPECT_EQ(0, Pixels(dib)[c.bits / 8]) << c.bits;
    }
}

TEST_F(DibTest, EightBitSurfacesShareThePaletteWithBlackAndWhiteEnds) {
    cDib dib;
    ASSERT_EQ(1, dib.Create(4, 4, 8, 0));
    EXPECT_EQ(nullptr, dib.m_hMaskDC);
    RGBQUAD table[256];
    ASSERT_EQ(256u, GetDIBColorTable(dib.m_hDC, 0, 256, table));
    RGBQUAD want[256];
    memcpy(want, g_Palette, sizeof want);
    want[0] = RGBQUAD{0, 0, 0, g_Palette[0].rgbReserved};
    want[255] = RGBQUAD{255, 255, 255, g_Palette[255].rgbReserved};
    for (int i = 0; i < 256; ++i) {
        EXPECT_EQ(want[i].rgbBlue, table[i].rgbBlue) << i;
        EXPECT_EQ(want[i].rgbGreen, table[i].rgbGreen) << i;
        EXPECT_EQ(want[i].rgbRed, table[i].rgbRed) << i;
    }
}

TEST_F(DibTest, BlankEntryMakesAWhiteSurfaceWithMask) {
    EXPECT_STREQ("E", g_BitmapName[27].m_Path);
    cDib dib;
    ASSERT_EQ(1, dib.Load(g_BitmapName[27]));
    EXPECT_EQ(256, dib.m_Width);
    EXPECT_EQ(480, dib.m_Height);
    EXPECT_EQ(8, dib.m_BitmapInfo.bmBitsPixel);
    EXPECT_NE(nullptr, dib.m_hMaskDC);
    EXPECT_EQ(std::vector<uint8_t>(256 * 480, 255), Pixels(dib));

    DibLoadInfo bad = g_BitmapName[27];
    bad.m_Width = 0;
    cDib none;
    EXPECT_EQ(0, none.Load(bad));
    std::vector<CaughtBox> boxes = m_Boxes.Take();
    ASSERT_EQ(1u, boxes.size());
    EXPECT_EQ(std::string("E") + kCannotRead, boxes[0].text);
}

TEST_F(DibTest, StandardBitmapTableNamesTheCharacterFilesTwice) {
    for (int k = 0; k < 8; ++k) {
        std::string name = "bmp\\Character" + std::to_string(k + 1) + ".bmp";
        EXPECT_EQ(name, g_BitmapName[2 + 2 * k].m_Path);
        EXPECT_EQ(name, g_BitmapName[3 + 2 * k].m_Path);
        EXPECT_EQ(0, g_BitmapName[2 + 2 * k].m_MirrorW);
        EXPECT_EQ(32, g_BitmapName[3 + 2 * k].m_MirrorW);
        EXPECT_EQ(1, g_BitmapName[3 + 2 * k].m_Mask);
    }
    EXPECT_STREQ("bmp\\Accessory.bmp", g_BitmapName[26].m_Path);
    EXPECT_STREQ("E", g_BitmapName[31].m_Path);
}

// ---- loading ----

TEST_F(DibTest, LoadKeepsEveryPixelOfOddWidthsAndBothRowOrders) {
    struct Case {
        int width, height, bits;
        bool topDown;
    } cases[] = {{5, 3, 8, false}, {7, 2, 8, true}, {3, 4, 24, false}, {6, 3, 24, true}};
    for (const Case& c : cases) {
        // no transparent colour in the picture, so nothing is blackened
        BmpSpec s = Spec(c.width, c.height, c.bits, PatternPixels(c.width, c.height, c.bits / 8, {255}));
        s.topDown = c.topDown;
        ASSERT_TRUE(WriteBmp("odd.bmp", s));
        cDib dib;
        ASSERT_EQ(1, dib.Load("odd.bmp", 0, 0, 0, 0)) << c.width;
        EXPECT_EQ(c.width, dib.m_Width);
        EXPECT_EQ(c.height, dib.m_Height);
        EXPECT_EQ(c.bits, dib.m_BitmapInfo.bmBitsPixel);
        EXPECT_EQ(s.pixels, Pixels(dib)) << c.width << "x" << c.height << "x" << c.bits;
    }
    EXPECT_TRUE(m_Boxes.Take().empty());
}

namespace {

// The picture mirrored cell by cell, as loading with cell sizes must leave it.
std::vector<uint8_t> MirroredCells(const std::vector<uint8_t>& px, int width, int height, int bpp, int cw, int ch) {
    std::vector<uint8_t> out = px;
    int w = cw ? cw : width;
    int h = ch ? ch : height;
    for (int y = 0; y < height / h * h; ++y) {
        for (int x = 0; x < width / w * w; ++x) {
            int sx = cw ? x / w * w + (w - 1 - x % w) : x;
            int sy = ch ? y / h * h + (h - 1 - y % h) : y;
            memcpy(&out[(y * width + x) * bpp], &px[(sy * width + sx) * bpp], bpp);
        }
    }
    return out;
}

}  // namespace

TEST_F(DibTest, MirroringTurnsWholeCellsAndLeavesTheRest) {
    struct Case {
        int bits, width, height, cw, ch;
    } cases[] = {
        {8, 7, 5, 3, 0},  // two column strips; column 6 stays
        {8, 7, 5, 0, 2},  // two row strips; row 4 stays
        {8, 7, 5, 3, 2},  // four cells turned by half a turn
        {24, 8, 3, 4, 0},
        {24, 7, 5, 3, 2},
    };
    for (const Case& c : cases) {
        BmpSpec s = Spec(c.width, c.height, c.bits, PatternPixels(c.width, c.height, c.bits / 8, {255}));
        ASSERT_TRUE(WriteBmp("mirror.bmp", s));
        cDib dib;
        ASSERT_EQ(1, dib.Load("mirror.bmp", 0, 0, c.cw, c.ch));
        EXPECT_EQ(MirroredCells(s.pixels, c.width, c.height, c.bits / 8, c.cw, c.ch), Pixels(dib))
            << c.bits << " bits, cells " << c.cw << "x" << c.ch;
    }
}

TEST_F(DibTest, CharacterStripsOf32PixelsAreMirroredInPlace) {
    std::vector<uint8_t> px(64 * 2, 1);
    px[0] = 2;        // left strip, top left
    px[64 + 33] = 3;  // right strip, second column of the bottom row
    ASSERT_TRUE(WriteBmp("chara.bmp", Spec(64, 2, 8, px)));
    cDib dib;
    ASSERT_EQ(1, dib.Load("chara.bmp", 0, 1, 32, 0));
    std::vector<uint8_t> got = Pixels(dib);
    EXPECT_EQ(2, got[31]);
    EXPECT_EQ(3, got[64 + 62]);
    EXPECT_EQ(1, got[0]);
    EXPECT_EQ(1, got[64 + 33]);
}

TEST_F(DibTest, EightBitMaskIsWhiteWhereTransparent) {
    g_TransIndex = 9;
    g_MaskIndex = 15;
    std::vector<uint8_t> px = {9, 1, 9, 2, 3, 255, 0, 9, 9};
    ASSERT_TRUE(WriteBmp("mask8.bmp", Spec(3, 3, 8, px)));
    cDib dib;
    ASSERT_EQ(1, dib.Load("mask8.bmp", 0, 1, 0, 0));
    EXPECT_EQ(px, Pixels(dib));  // 8-bit images keep their indexes
    EXPECT_EQ((std::vector<uint8_t>{255, 15, 255, 15, 15, 15, 15, 255, 255}), Pixels(dib, true));
}

TEST_F(DibTest, TwentyFourBitTransparentPixelsTurnBlackAndWhiteInTheMask) {
    // pixels are blue, green, red: the transparent colour is 100, 0, 200
    std::vector<uint8_t> px = {100, 0, 200, 10, 20, 30, 200, 0, 100,  // row 0
                               0, 0, 0, 100, 0, 200, 100, 0, 200};   // row 1
    ASSERT_TRUE(WriteBmp("mask24.bmp", Spec(3, 2, 24, px)));
    struct Case {
        int mask, mirrorW;
    } cases[] = {{1, 0}, {0, 0}, {1, 3}};
    for (const Case& c : cases) {
        cDib dib;
        ASSERT_EQ(1, dib.Load("mask24.bmp", 0, c.mask, c.mirrorW, 0));
        std::vector<uint8_t> image = {0, 0, 0, 10, 20, 30, 200, 0, 100, 0, 0, 0, 0, 0, 0, 0, 0, 0};
        std::vector<uint8_t> mask = {255, 255, 255, 0, 0, 0, 0, 0, 0, 0, 0, 0, 255, 255, 255, 255, 255, 255};
        if (c.mirrorW) {
            image = MirroredCells(image, 3, 2, 3, 3, 0);
            mask = MirroredCells(mask, 3, 2, 3, 3, 0);
        }
        EXPECT_EQ(image, Pixels(dib)) << c.mask << " " << c.mirrorW;
        if (c.mask) {
            EXPECT_EQ(mask, Pixels(dib, true)) << c.mirrorW;
        } else {
            EXPECT_EQ(nullptr, dib.m_hMaskDC);
        }
    }
}

TEST_F(DibTest, RefusedFilesAreReportedAndLoadNothing) {
    std::string good = MakeBmp(Spec(5, 3, 8, {}));
    std::string bits16 = good;
    PutLe16(&bits16, kBmpAtBitCount, 16);
    std::string bits32 = MakeBmp(Spec(2, 2, 32, {}));
    std::string rle = good;
    PutLe32(&rle, kBmpAtCompression, 1);
    std::string tall = good;
    PutLe32(&tall, kBmpAtHeight, 30000);
    std::string wide = good;
    PutLe32(&wide, kBmpAtWidth, 0x7FFFFFFF);
    std::string offset = good;
    PutLe32(&offset, kBmpAtPixelOffset, 0xFFFFFF00);
    std::string cut = good.substr(0, good.size() - 3);
    struct Case {
        const char* file;
        std::string bytes;  // empty: no file
        const char* message;
    } cases[] = {
        {"missing.bmp", "", kCannotRead},
        {"bits16.bmp", bits16, kUnsupported},
        {"bits32.bmp", bits32, kUnsupported},
        {"rle.bmp", rle, kUnsupported},
        {"tall.bmp", tall, kCannotRead},
        {"wide.bmp", wide, kCannotRead},
        {"offset.bmp", offset, kCannotRead},
        {"cut.bmp", cut, kCannotRead},
        {"text.bmp", "not a picture", kCannotRead},
    };
    for (const Case& c : cases) {
        DeleteFileA(c.file);
        if (!c.bytes.empty()) {
            ASSERT_TRUE(WriteWholeFile(c.file, c.bytes));
        }
        cDib dib;
        EXPECT_EQ(0, dib.Load(c.file, 0, 1, 0, 0)) << c.file;
        EXPECT_EQ(nullptr, dib.m_hDC) << c.file;
        std::vector<CaughtBox> boxes = m_Boxes.Take();
        ASSERT_EQ(1u, boxes.size()) << c.file;
        EXPECT_EQ("エラー", boxes[0].caption);
        EXPECT_EQ(std::string(c.file) + c.message, boxes[0].text);
    }
}

TEST_F(DibTest, FailedLoadKeepsTheSurfaceItHad) {
    cDib dib;
    ASSERT_EQ(1, dib.Create(4, 4, 24, 0));
    HBITMAP before = dib.m_hBitmap;
    EXPECT_EQ(0, dib.Load("missing.bmp", 0, 0, 0, 0));
    EXPECT_EQ(before, dib.m_hBitmap);
    EXPECT_EQ(4, dib.m_Width);
    m_Boxes.Take();
}

TEST_F(DibTest, OverlongPathIsRefusedNotCut) {
    std::string path(300, 'a');
    cDib dib;
    EXPECT_EQ(0, dib.Load(path.c_str(), 0, 0, 0, 0));
    std::vector<CaughtBox> boxes = m_Boxes.Take();
    ASSERT_EQ(1u, boxes.size());
    EXPECT_EQ(0u, boxes[0].text.find(path));
}

// ---- drawing ----

TEST_F(DibTest, MaskedBltKeepsTheDestinationWhereTransparent) {
    std::vector<uint8_t> px = {100, 0, 200, 10, 20, 30,   // transparent, opaque
                               40, 50, 60, 100, 0, 200};  // opaque, transparent
    ASSERT_TRUE(WriteBmp("sprite.bmp", Spec(2, 2, 24, px)));
    cDib sprite;
    ASSERT_EQ(1, sprite.Load("sprite.bmp", 0, 1, 0, 0));
    const uint8_t back[3] = {7, 8, 9};  // blue, green, red
    const std::vector<uint8_t> backPx = {7, 8, 9};

    cDib dst;
    ASSERT_EQ(1, dst.Create(4, 4, 24, 0));
    dst.ClearRGB(back);
    dst.Blt(1, 1, 2, 2, sprite, 0, 0, 0);
    EXPECT_EQ(backPx, PixelAt(dst, 1, 1));
    EXPECT_EQ((std::vector<uint8_t>{10, 20, 30}), PixelAt(dst, 2, 1));
    EXPECT_EQ((std::vector<uint8_t>{40, 50, 60}), PixelAt(dst, 1, 2));
    EXPECT_EQ(backPx, PixelAt(dst, 2, 2));
    EXPECT_EQ(backPx, PixelAt(dst, 0, 0));
    EXPECT_EQ(backPx, PixelAt(dst, 3, 3));

    // ignoring the mask copies the blackened pixels too
    dst.ClearRGB(back);
    dst.Blt(1, 1, 2, 2, sprite, 0, 0, 1);
    EXPECT_TRUE(IsBlack(dst, 1, 1));
    EXPECT_EQ((std::vector<uint8_t>{10, 20, 30}), PixelAt(dst, 2, 1));
}

TEST_F(DibTest, StretchBltScalesTheSourceRectangle) {
    std::vector<uint8_t> px = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
    ASSERT_TRUE(WriteBmp("small.bmp", Spec(2, 2, 24, px)));
    cDib src;
    ASSERT_EQ(1, src.Load("small.bmp", 0, 0, 0, 0));
    cDib dst;
    ASSERT_EQ(1, dst.Create(4, 4, 24, 0));
    dst.StretchBlt(0, 0, 4, 4, src, 0, 0, 2, 2, 0);
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 4; ++x) {
            const uint8_t* s = &px[((y / 2) * 2 + x / 2) * 3];
            EXPECT_EQ((std::vector<uint8_t>{s[0], s[1], s[2]}), PixelAt(dst, x, y)) << x << "," << y;
        }
    }
}

TEST_F(DibTest, ClearFillsEveryPixelAndKeepsThePen) {
    cDib dib;
    ASSERT_EQ(1, dib.Create(5, 3, 24, 0));
    dib.Clear(RGB(30, 20, 10));
    std::vector<uint8_t> want;
    for (int i = 0; i < 15; ++i) want.insert(want.end(), {10, 20, 30});
    EXPECT_EQ(want, Pixels(dib));
    EXPECT_NE(nullptr, dib.m_hPen);

    const uint8_t bgr[3] = {1, 2, 3};
    dib.ClearRGB(bgr);
    EXPECT_EQ((std::vector<uint8_t>{1, 2, 3}), PixelAt(dib, 4, 2));
}

TEST_F(DibTest, GridDrawsCellLinesAndTheFarBorders) {
    cDib dib;
    ASSERT_EQ(1, dib.Create(640, 480, 24, 0));
    dib.Clear(RGB(0, 0, 0));
    dib.DeletePen();
    dib.Grid(0, 0, 640, 480, 32, 32, RGB(255, 255, 255));
    EXPECT_EQ(nullptr, dib.m_hPen);
    auto lit = [&](int x, int y) { return !IsBlack(dib, x, y); };
    for (int x = 0; x < 640; x += 32) {
        EXPECT_TRUE(lit(x, 1) && lit(x, 240) && lit(x, 478)) << x;
    }
    for (int y = 0; y < 480; y += 32) {
        EXPECT_TRUE(lit(1, y) && lit(320, y) && lit(638, y)) << y;
    }
    EXPECT_TRUE(lit(639, 1) && lit(639, 478));
    EXPECT_TRUE(lit(1, 479) && lit(638, 479));
    // inside the cells nothing is drawn
    EXPECT_FALSE(lit(1, 1) || lit(31, 31) || lit(33, 100) || lit(638, 478) || lit(637, 100) || lit(100, 477));

    cDib blank;
    ASSERT_EQ(1, blank.Create(8, 8, 24, 0));
    blank.Grid(0, 0, 8, 8, 0, 4, RGB(0, 0, 0));
    blank.Grid(0, 0, 8, 8, 4, 0, RGB(0, 0, 0));
    EXPECT_EQ(std::vector<uint8_t>(8 * 8 * 3, 255), Pixels(blank));
}

TEST_F(DibTest, RectOutlinesThroughAllFourCorners) {
    cDib dib;
    ASSERT_EQ(1, dib.Create(8, 8, 24, 0));
    ASSERT_EQ(1, dib.SelectPen(PS_SOLID, 1, RGB(0, 0, 0)));
    dib.Rect(1, 1, 4, 3);
    for (int x = 1; x <= 5; ++x) EXPECT_TRUE(IsBlack(dib, x, 1) && IsBlack(dib, x, 4)) << x;
    for (int y = 1; y <= 4; ++y) EXPECT_TRUE(IsBlack(dib, 1, y) && IsBlack(dib, 5, y)) << y;
    EXPECT_FALSE(IsBlack(dib, 2, 2) || IsBlack(dib, 6, 1) || IsBlack(dib, 1, 5));
}

TEST_F(DibTest, PensAreReplacedAndPutBack) {
    cDib dib;
    ASSERT_EQ(1, dib.Create(8, 8, 24, 0));
    HGDIOBJ original = GetCurrentObject(dib.m_hDC, OBJ_PEN);
    ASSERT_EQ(1, dib.SelectPen(PS_SOLID, 1, RGB(1, 2, 3)));
    EXPECT_EQ(OPAQUE, GetBkMode(dib.m_hDC));
    ASSERT_EQ(1, dib.SelectPen(PS_DOT, 1, RGB(1, 2, 3)));
    EXPECT_EQ(TRANSPARENT, GetBkMode(dib.m_hDC));
    EXPECT_EQ(dib.m_hPen, GetCurrentObject(dib.m_hDC, OBJ_PEN));
    dib.DeletePen();
    EXPECT_EQ(nullptr, dib.m_hPen);
    EXPECT_EQ(original, GetCurrentObject(dib.m_hDC, OBJ_PEN));
}

namespace {

// Rows of a 24-bit surface that hold a pixel other than the background.
std::vector<bool> InkedRows(const cDib& dib, const std::vector<uint8_t>& background) {
    std::vector<bool> rows(dib.m_Height, false);
    for (int y = 0; y < dib.m_Height; ++y) {
        for (int x = 0; x < dib.m_Width; ++x) {
            if (PixelAt(dib, x, y) != background) rows[y] = true;
        }
    }
    return rows;
}

bool AnyInk(const std::vector<bool>& rows, int from, int to) {
    for (int y = from; y < to; ++y) {
        if (rows[y]) return true;
    }
    return false;
}

}  // namespace

TEST_F(DibTest, TextLinesAre20PixelsApart) {
    cDib dib;
    ASSERT_EQ(1, dib.Create(80, 70, 24, 0));
    dib.Clear(RGB(0, 0, 0));
    dib.MakeFont("", 6, 12);
    dib.MakeFont("", 6, 12);  // the first font is released, not leaked
    ASSERT_NE(nullptr, dib.m_hFont);
    dib.PutText(2, 5, "AB\nCD", RGB(255, 255, 255), TRANSPARENT);
    std::vector<bool> rows = InkedRows(dib, {0, 0, 0});
    EXPECT_FALSE(AnyInk(rows, 0, 5));
    EXPECT_TRUE(AnyInk(rows, 5, 17));
    EXPECT_FALSE(AnyInk(rows, 17, 25));
    EXPECT_TRUE(AnyInk(rows, 25, 37));
    EXPECT_FALSE(AnyInk(rows, 37, 70));
    // the surface font is not left selected
    EXPECT_NE(dib.m_hFont, GetCurrentObject(dib.m_hDC, OBJ_FONT));
}

TEST_F(DibTest, PrintfWritesWhiteOnATransparentBackground) {
    cDib dib;
    ASSERT_EQ(1, dib.Create(200, 30, 24, 0));
    dib.Clear(RGB(0, 0, 80));
    std::string longText(400, 'W');
    cDib::Printf(&dib, 0, 0, "%d %s", 42, longText.c_str());  // cut at 255 characters
    // White glyphs; between them the background stays (an opaque background
    // would fill the text cells with the background colour of the DC).
    const std::vector<uint8_t> back = {80, 0, 0};
    int white = 0;
    int kept = 0;
    for (int y = 0; y < 12; ++y) {
        for (int x = 0; x < 200; ++x) {
            std::vector<uint8_t> p = PixelAt(dib, x, y);
            if (p == std::vector<uint8_t>{255, 255, 255}) ++white;
            if (p == back) ++kept;
        }
    }
    EXPECT_GT(white, 50);
    EXPECT_GT(kept, 200 * 12 / 4);
    EXPECT_EQ(back, PixelAt(dib, 199, 29));
}

TEST_F(DibTest, SurfacesMoveAndDeleteCleanly) {
    std::vector<cDib> dibs(1);
    ASSERT_EQ(1, dibs[0].Create(4, 4, 8, 1));
    HDC dc = dibs[0].m_hDC;
    dibs.resize(5);  // moves the first surface
    EXPECT_EQ(dc, dibs[0].m_hDC);
    EXPECT_EQ(4, dibs[0].m_Width);
    cDib other = std::move(dibs[0]);
    EXPECT_EQ(nullptr, dibs[0].m_hDC);
    EXPECT_EQ(dc, other.m_hDC);
    other.Delete();
    EXPECT_EQ(nullptr, other.m_hDC);
    EXPECT_EQ(nullptr, other.m_hMaskDC);
    EXPECT_EQ(nullptr, other.m_pBits);
    EXPECT_EQ(1, other.Create(2, 2, 24, 0));
}

TEST_F(DibTest, ALentWindowDcIsNotDeletedWithTheSurface) {
    TestAppWindow wnd;
    HDC dc = GetDC(g_MainWnd);
    {
        cDib screen;
        screen.m_hDC = dc;
        screen.Delete();
        EXPECT_EQ(dc, screen.m_hDC);
        screen.m_hDC = nullptr;
    }
    EXPECT_NE(0, GetDeviceCaps(dc, BITSPIXEL));
    EXPECT_EQ(1, ReleaseDC(g_MainWnd, dc));
}
