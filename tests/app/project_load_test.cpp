// Loading a project at start-up: the data\ then default\ fallbacks, the
// default stage template, the palettes, the standard bitmaps with the five
// composed picture sheets, the character bitmaps and the last stage. Each
// test builds a small project of its own in a folder of its own.
#include <windows.h>

#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "app/globals.h"
#include "app/paths_table.h"
#include "app/project_load.h"
#include "app/stage_edit.h"
#include "base/dib.h"
#include "base/paths.h"
#include "base/platform.h"
#include "base/record.h"
#include "model/database.h"
#include "model/palette.h"
#include "model/prjoption.h"
#include "model/stage.h"
#include "model/system.h"
#include "model/worldmap.h"
#include "tests/support/bmp_fixture.h"
#include "tests/support/box_catcher.h"
#include "tests/support/test_env.h"

namespace {

const char kStageBack[] = "bmp\\back\\Stage.bmp";
const char kWorldBack[] = "bmp\\back\\World.bmp";

// A palette index of a test sheet: never 0 (transparent), 15 (the second
// black) or 255 (white), and different for neighbouring pixels.
uint8_t Px(int seed, int x, int y) {
    return static_cast<uint8_t>(16 + (seed * 31 + x * 7 + y * 13) % 239);
}

// An 8-bit sheet of Px pixels; with holes, every fifth pixel is transparent.
BmpSpec Sheet(int width, int height, int seed, bool holes) {
    BmpSpec s;
    s.width = width;
    s.height = height;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) s.pixels.push_back(holes && (x + y) % 5 == 0 ? 0 : Px(seed, x, y));
    return s;
}

uint8_t SheetPixel(int seed, bool holes, int x, int y) {
    return holes && (x + y) % 5 == 0 ? 0 : Px(seed, x, y);
}

void PutBmp(const char* path, const BmpSpec& spec) {
    CreateFoldersOf(path);
    ASSERT_TRUE(WriteBmp(path, spec)) << path;
}

template <class T>
std::string SavedBytes(T& obj) {
    const char* scratch = "scratch.dat";
    EXPECT_TRUE(obj.Save(scratch));
    std::string bytes = ReadWholeFile(scratch);
    RemoveFile(scratch);
    return bytes;
}

// The project palette: entries 0 and 15 black, 255 white, every other entry
// a colour of its own.
std::vector<uint8_t> ProjectColors() {
    std::vector<uint8_t> c;
    for (int i = 0; i < 256; ++i) c.insert(c.end(), {uint8_t(i), uint8_t(255 - i), uint8_t(i ^ 0x5A), 0});
    for (int i : {0, 15}) std::fill(c.begin() + 4 * i, c.begin() + 4 * i + 3, 0);
    std::fill(c.begin() + 4 * 255, c.begin() + 4 * 255 + 3, 255);
    return c;
}

// The sheets of the standard slots: size, pattern seed, transparent holes.
struct SheetFile {
    const char* path;
    int width;
    int height;
    int seed;
    bool holes;
};
const SheetFile kSheets[] = {
    {"bmp\\Block.bmp", 64, 64, 1, false},       {"bmp\\Character1.bmp", 64, 32, 11, true},
    {"bmp\\Character2.bmp", 64, 32, 12, true},  {"bmp\\Character3.bmp", 64, 32, 13, true},
    {"bmp\\Character4.bmp", 64, 32, 14, true},  {"bmp\\Character5.bmp", 64, 32, 15, true},
    {"bmp\\Character6.bmp", 64, 32, 16, true},  {"bmp\\Character7.bmp", 64, 32, 17, true},
    {"bmp\\Character8.bmp", 64, 32, 18, true},  {"bmp\\Item.bmp", 512, 32, 2, true},
    {"bmp\\Item_Mini.bmp", 8, 8, 3, true},      {"bmp\\Shot.bmp", 128, 480, 4, true},
    {"bmp\\Mark.bmp", 64, 64, 5, true},         {"bmp\\WorldMapChip.bmp", 8, 8, 6, true},
    {"bmp\\WorldEvent.bmp", 8, 8, 7, true},     {"bmp\\Symbol.bmp", 8, 8, 8, true},
    {"bmp\\Accessory.bmp", 8, 8, 9, true},      {kStageBack, 16, 8, 20, false},
    {kWorldBack, 8, 16, 21, false},
};
const SheetFile& SheetOf(const char* path) {
    for (const SheetFile& s : kSheets)
        if (strcmp(s.path, path) == 0) return s;
    ADD_FAILURE() << path;
    return kSheets[0];
}

uint8_t Index(const cDib& dib, int x, int y) {
    GdiFlush();
    return dib.Row(y)[x];
}

bool IsBlack(uint8_t index) {
    return index == 0 || index == 15;
}

// Pixel (x, y) of a composed sheet shows pixel (sx, sy) of a test sheet with
// holes, or the black of the cleared sheet where that pixel is transparent.
testing::AssertionResult Shows(const cDib& dib, int x, int y, int seed, int sx, int sy) {
    const uint8_t want = SheetPixel(seed, true, sx, sy);
    const uint8_t got = Index(dib, x, y);
    if (want ? got == want : IsBlack(got)) return testing::AssertionSuccess();
    return testing::AssertionFailure() << "(" << x << "," << y << ") holds " << int(got) << " for (" << sx << ","
                                       << sy << ") = " << int(want);
}

// Every global that a project load fills, kept and put back.
struct GlobalsKeeper {
    cVector<cEdValInfo> vars = g_GValInfo;
    cEdDatabase database = g_Database;
    cEdSystem system = g_System;
    cEdCommonPalette common = g_CommonPalette;
    cPrjOption option = g_PrjOption;
    cEdWorldMap world = g_WorldMap;
    cEdStage stage = g_Stage;
    std::vector<DibLoadInfo> names{g_BitmapName, g_BitmapName + kBitmapCount};
    std::vector<RGBQUAD> palette{g_Palette, g_Palette + 256};
    std::vector<RGBQUAD> stdPalette{g_StdPalette, g_StdPalette + 256};
    uint8_t trans = g_TransIndex;
    uint8_t mask = g_MaskIndex;
    std::vector<uint8_t> transRGB{g_TransRGB, g_TransRGB + 3};
    RGBQUAD transColor = g_TransColor;
    RGBQUAD maskColor = g_MaskColor;
    int32_t open = g_StageEdit.m_bOpen;
    cString path = g_StageEdit.m_strPath;

    ~GlobalsKeeper() {
        g_GValInfo = vars;
        g_Database = database;
        g_System = system;
        g_CommonPalette = common;
        g_PrjOption = option;
        g_WorldMap = world;
        g_Stage = stage;
        std::copy(names.begin(), names.end(), g_BitmapName);
        std::copy(palette.begin(), palette.end(), g_Palette);
        std::copy(stdPalette.begin(), stdPalette.end(), g_StdPalette);
        g_TransIndex = trans;
        g_MaskIndex = mask;
        std::copy(transRGB.begin(), transRGB.end(), g_TransRGB);
        g_TransColor = transColor;
        g_MaskColor = maskColor;
        g_StageEdit.m_bOpen = open;
        g_StageEdit.m_strPath = path;
        for (cDib& dib : g_Bitmaps) dib.Delete();
        g_CharaBitmaps.clear();
    }
};

// Each test in a project folder of its own, made below the program's
// working folder.
class ProjectLoad : public testing::Test {
protected:
    void SetUp() override {
        GetCurrentDirectoryA(sizeof m_OldDir, m_OldDir);
        const std::string dir = std::string("prj_") + testing::UnitTest::GetInstance()->current_test_info()->name();
        CreateDirectoryA(dir.c_str(), nullptr);
        ASSERT_TRUE(SetCurrentDirectoryA(dir.c_str()));
        g_Stage.SetDefault();
        g_Stage.m_BackLayers[0].m_Image = kStageBack;
        g_PrjOption.SetDefault();
        g_WorldMap.SetDefault();
    }
    void TearDown() override {
        SetCurrentDirectoryA(m_OldDir);
        EXPECT_FALSE(m_Wnd.TakeCloseRequest());
    }

    // The palettes, every standard sheet, both backgrounds, and a world map
    // that names its background.
    void WriteProject() {
        BmpSpec pal;
        pal.width = pal.height = 1;
        pal.pixels = {0};
        pal.colors = ProjectColors();
        PutBmp("bmp\\plt\\Palette.bmp", pal);
        pal.colors.clear();  // greys
        PutBmp("bmp\\plt\\Palette2.bmp", pal);
        for (const SheetFile& s : kSheets) PutBmp(s.path, Sheet(s.width, s.height, s.seed, s.holes));
        cEdWorldMap world;
        world.m_BackImage = kWorldBack;
        CreateFoldersOf(g_PathTable[kPathWorldMap].c_str());
        ASSERT_TRUE(world.Save(g_PathTable[kPathWorldMap].c_str()));
        cEdSystem system;
        system.m_TransRed = 1;
        system.m_TransGreen = 2;
        system.m_TransBlue = 3;
        CreateFoldersOf(g_PathTable[kPathSystem].c_str());
        ASSERT_TRUE(system.Save(g_PathTable[kPathSystem].c_str()));
    }

    GlobalsKeeper m_Keep;
    char m_OldDir[MAX_PATH] = {};
    TestAppWindow m_Wnd;
};

}  // namespace

TEST_F(ProjectLoad, LoadsTheProjectAndComposesThePictureSheets) {
    WriteProject();
    g_StageEdit.m_bOpen = 1;
    g_StageEdit.m_strPath = "data\\stg4\\a.stg4_248";
    BoxCatcher boxes;
    ASSERT_TRUE(LoadProject());
    EXPECT_TRUE(boxes.Take().empty());

    EXPECT_EQ(0, g_StageEdit.m_bOpen);
    EXPECT_TRUE(g_StageEdit.m_strPath.empty());
    // palettes: the project's with its transparent and mask colours, the
    // standard one from the second file, the 24-bit colour from the system
    EXPECT_EQ(0, memcmp(g_Palette, ProjectColors().data(), sizeof g_Palette));
    EXPECT_EQ(0, g_TransIndex);
    EXPECT_TRUE(IsBlack(g_MaskIndex));
    EXPECT_EQ(200, g_StdPalette[200].rgbRed);
    EXPECT_EQ(1, g_TransRGB[0]);
    EXPECT_EQ(2, g_TransRGB[1]);
    EXPECT_EQ(3, g_TransRGB[2]);

    // every slot loaded from its file, the backgrounds from the stage and the world map
    EXPECT_STREQ(kStageBack, g_BitmapName[0].m_Path);
    EXPECT_STREQ(kWorldBack, g_BitmapName[22].m_Path);
    for (int i = 0; i < 27; ++i) {
        const SheetFile& s = SheetOf(g_BitmapName[i].m_Path);
        ASSERT_EQ(s.width, g_Bitmaps[i].m_Width) << i;
        EXPECT_EQ(s.height, g_Bitmaps[i].m_Height) << i;
        if (!g_BitmapName[i].m_MirrorW) {
            EXPECT_EQ(SheetPixel(s.seed, s.holes, 1, 0), Index(g_Bitmaps[i], 1, 0)) << i;
        }
    }
    // the mirrored character sheets face the other way
    EXPECT_EQ(Px(11, 31, 1), Index(g_Bitmaps[3], 0, 1));
    EXPECT_EQ(Px(18, 32, 1), Index(g_Bitmaps[17], 63, 1));

    for (int i = 27; i < 32; ++i) {
        EXPECT_EQ(256, g_Bitmaps[i].m_Width) << i;
        EXPECT_EQ(480, g_Bitmaps[i].m_Height) << i;
    }
    // 27: the blocks on the blank (white) sheet
    const cDib& blocks = g_Bitmaps[27];
    EXPECT_EQ(Px(1, 0, 0), Index(blocks, 0, 0));
    EXPECT_EQ(Px(1, 63, 63), Index(blocks, 63, 63));
    EXPECT_EQ(255, Index(blocks, 64, 10));
    EXPECT_EQ(255, Index(blocks, 10, 64));

    // 28: the first column of each character sheet; black where it is transparent
    const cDib& charas = g_Bitmaps[28];
    for (int j : {0, 3, 7}) {
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x) ASSERT_TRUE(Shows(charas, 32 * j + x, y, 11 + j, x, y)) << j;
        EXPECT_TRUE(IsBlack(Index(charas, 32 * j + 5, 40))) << "below the sheet";
    }

    // 29: every other 32-pixel column of the items
    const cDib& items = g_Bitmaps[29];
    for (int j = 0; j < 8; ++j) {
        for (int x : {0, 1, 17, 31}) EXPECT_TRUE(Shows(items, 32 * j + x, 30, 2, 64 * j + x, 30)) << j;
        EXPECT_TRUE(IsBlack(Index(items, 32 * j + 2, 40))) << j << ": below the sheet";
    }

    // 30: the shots' 16 x 16 tiles, 15 a column, two columns per shot
    // column, each centred in a 32 x 32 cell
    const cDib& shots = g_Bitmaps[30];
    const struct {
        int j, k, x, y;
    } kTiles[] = {{0, 0, 8, 8}, {0, 14, 8, 456}, {1, 15, 104, 8}, {2, 7, 136, 232}, {3, 29, 232, 456}};
    for (const auto& t : kTiles) {
        for (int dy = 0; dy < 16; ++dy)
            for (int dx = 0; dx < 16; ++dx)
                ASSERT_TRUE(Shows(shots, t.x + dx, t.y + dy, 4, 32 * t.j + dx, 16 * t.k + dy)) << t.j << "," << t.k;
        for (int d = 0; d < 16; ++d) {
            EXPECT_TRUE(IsBlack(Index(shots, t.x - 1, t.y + d))) << t.j << "," << t.k;
            EXPECT_TRUE(IsBlack(Index(shots, t.x + 16, t.y + d))) << t.j << "," << t.k;
            EXPECT_TRUE(IsBlack(Index(shots, t.x + d, t.y - 1))) << t.j << "," << t.k;
            EXPECT_TRUE(IsBlack(Index(shots, t.x + d, t.y + 16))) << t.j << "," << t.k;
        }
    }

    // 31: the marks on black
    const cDib& marks = g_Bitmaps[31];
    EXPECT_EQ(Px(5, 1, 0), Index(marks, 1, 0));
    EXPECT_EQ(Px(5, 63, 63), Index(marks, 63, 63));
    EXPECT_TRUE(IsBlack(Index(marks, 0, 0)));
    EXPECT_TRUE(IsBlack(Index(marks, 64, 10)));
    EXPECT_TRUE(IsBlack(Index(marks, 200, 400)));

    // the default character table has no bitmap: two empty surfaces per record
    ASSERT_EQ(2 * g_Database.m_BmpCharaExc.size(), g_CharaBitmaps.size());
    for (const cDib& dib : g_CharaBitmaps) EXPECT_EQ(nullptr, dib.m_hBitmap);
}

namespace {

struct FailureCase {
    const char* what;
    std::function<void()> change;
    bool result;
    std::vector<std::string> texts;  // the boxes, all captioned "エラー"
    int emptySlot;                   // a slot left without a surface, or -1
};

}  // namespace

TEST_F(ProjectLoad, FailuresShowTheirMessagesAndOnlyAMissingBackgroundIsNotFatal) {
    const FailureCase kCases[] = {
        {"no palette", [] { RemoveFile("bmp\\plt\\Palette.bmp"); }, false,
         {"パレットの生成に失敗！\nbmp\\plt\\Palette.bmp が見つかりません！"}, -1},
        {"no standard palette", [] { RemoveFile("bmp\\plt\\Palette2.bmp"); }, false,
         {"パレットの生成に失敗！\nbmp\\plt\\Palette2.bmp が見つかりません！"}, -1},
        {"no shot sheet", [] { RemoveFile("bmp\\Shot.bmp"); }, false,
         {"bmp\\Shot.bmp が読み込めません！", "bmp\\Shot.bmp が読み込めません！"}, -1},
        {"a 4-bit mark sheet",
         [] {
             BmpSpec s;
             s.width = s.height = 8;
             s.bits = 4;
             s.colors.assign(64, 0);
             PutBmp("bmp\\Mark.bmp", s);
         },
         false,
         {"bmp\\Mark.bmp の読み込みに失敗しました！\n256色と24bit色以外の形式には対応していません。",
          "bmp\\Mark.bmp が読み込めません！"},
         -1},
        {"no stage background", [] { RemoveFile(kStageBack); }, true, {"bmp\\back\\Stage.bmp が読み込めません！"}, 0},
        {"no world background", [] { RemoveFile(kWorldBack); }, true, {"bmp\\back\\World.bmp が読み込めません！"}, 22},
        {"no background named",
         [] {
             g_Stage.m_BackLayers[0].m_Image.clear();
             cEdWorldMap world;
             ASSERT_TRUE(world.Save(g_PathTable[kPathWorldMap].c_str()));
         },
         true, {}, 0},
        {"a stage without layers", [] { g_Stage.m_BackLayers.clear(); }, true, {}, 0},
        {"a character bitmap missing",
         [] {
             cVector<cEdBmpCharaExc> table(2);
             table[1].m_File = "bmp\\chara_sp\\Gone.bmp";
             CreateFoldersOf(g_DatabasePath[kTableBmpCharaExc].c_str());
             ASSERT_TRUE(SaveVector(table, g_DatabasePath[kTableBmpCharaExc].c_str()));
         },
         false, {"bmp\\chara_sp\\Gone.bmp が読み込めません！", "bmp\\chara_sp\\Gone.bmp の読み込みに失敗！"}, -1},
    };
    for (const FailureCase& c : kCases) {
        SCOPED_TRACE(c.what);
        WriteProject();
        g_Stage.SetDefault();
        g_Stage.m_BackLayers[0].m_Image = kStageBack;
        CreateFoldersOf(g_DatabasePath[kTableBmpCharaExc].c_str());
        RemoveFile(g_DatabasePath[kTableBmpCharaExc].c_str());
        // a surface left from an earlier load must not survive a background that fails
        for (int slot : {0, 22}) ASSERT_TRUE(g_Bitmaps[slot].Create(4, 4, 8, 0));
        c.change();
        BoxCatcher boxes;
        EXPECT_EQ(c.result, LoadProject());
        std::vector<CaughtBox> caught = boxes.Take();
        ASSERT_EQ(c.texts.size(), caught.size());
        for (size_t i = 0; i < caught.size(); ++i) {
            EXPECT_EQ(c.texts[i], caught[i].text);
            EXPECT_EQ("エラー", caught[i].caption);
        }
        if (c.emptySlot >= 0) {
            EXPECT_EQ(nullptr, g_Bitmaps[c.emptySlot].m_hBitmap);
        }
        if (c.result) {
            // the rest loaded and composed as ever
            EXPECT_NE(nullptr, g_Bitmaps[1].m_hBitmap);
            EXPECT_NE(nullptr, g_Bitmaps[31].m_hBitmap);
            EXPECT_EQ(2 * g_Database.m_BmpCharaExc.size(), g_CharaBitmaps.size());
        }
    }
}
