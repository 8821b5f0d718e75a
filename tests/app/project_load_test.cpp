// Loading a project at start-up: the data\ then default\ fallbacks, the
// default stage template, the palettes, the standard bitmaps with the five
// composed picture sheets, the character bitmaps and the last stage. Each
// test builds a small project of its own in a folder of its own.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
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
        char here[MAX_PATH] = {};
        GetCurrentDirectoryA(sizeof here, here);
        m_TestDir = here;
        g_Stage.SetDefault();
        g_Stage.m_BackLayers[0].m_Image = kStageBack;
        g_PrjOption.SetDefault();
        g_WorldMap.SetDefault();
    }
    void TearDown() override {
        SetCurrentDirectoryA(m_OldDir);
        EXPECT_FALSE(m_Wnd.TakeCloseRequest());
    }

    // The palettes, every standard sheet and both backgrounds.
    void WriteBitmaps() {
        BmpSpec pal;
        pal.width = pal.height = 1;
        pal.pixels = {0};
        pal.colors = ProjectColors();
        PutBmp("bmp\\plt\\Palette.bmp", pal);
        pal.colors.clear();  // greys
        PutBmp("bmp\\plt\\Palette2.bmp", pal);
        for (const SheetFile& s : kSheets) PutBmp(s.path, Sheet(s.width, s.height, s.seed, s.holes));
    }
    // The bitmaps, a world map that names its background and the system
    // settings with a 24-bit transparent colour.
    void WriteProject() {
        WriteBitmaps();
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
    // Goes on in a folder of its own below the test's folder.
    void EnterFolder(const std::string& name) {
        CreateDirectoryA(name.c_str(), nullptr);
        ASSERT_TRUE(SetCurrentDirectoryA(name.c_str()));
    }

    GlobalsKeeper m_Keep;
    std::string m_TestDir;
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

namespace {

enum eWhere {
    kInData,     // in "data\" (and another one in "default\")
    kInDefault,  // only in "default\"
    kInNeither,
    kBroken,     // "data\" holds a damaged file, "default\" a good one
};

// A project file: its bytes holding a marker (null: an object at its
// defaults), and the marker that the loaded global holds.
struct ProjectFile {
    const char* name;
    int dataIndex;
    std::function<std::string(const char*)> bytes;
    std::function<std::string()> loaded;
};

template <class T>
std::string MarkedBytes(const char* marker, cString T::*field) {
    T obj;
    if (marker) obj.*field = marker;
    return SavedBytes(obj);
}

struct cGValFileBytes {
    cVector<cEdValInfo> vars;
    int Save(const char* path) { return SaveVector(vars, path); }
};

const ProjectFile kProjectFiles[] = {
    {"common variables", kPathGValInfo,
     [](const char* marker) {
         cGValFileBytes f;
         f.vars.Reset(256);
         if (marker) f.vars[0].m_Name = marker;
         return SavedBytes(f);
     },
     [] { return g_GValInfo.size() == 256 ? std::string(g_GValInfo[0].m_Name) : std::string("wrong count"); }},
    {"system", kPathSystem, [](const char* m) { return MarkedBytes(m, &cEdSystem::m_Title); },
     [] { return std::string(g_System.m_Title); }},
    {"common palette", kPathCommonPalette,
     [](const char* marker) {
         cEdCommonPalette p;
         p.Validate();  // entry 1 is the project's default block
         if (marker) p.m_Blocks[1].m_Name = marker;
         return SavedBytes(p);
     },
     [] { return g_CommonPalette.m_Blocks.size() == 2 ? std::string(g_CommonPalette.m_Blocks[1].m_Name) : "wrong count"; }},
    {"project options", kPathPrjOption, [](const char* m) { return MarkedBytes(m, &cPrjOption::m_strGamePath); },
     [] { return std::string(g_PrjOption.m_strGamePath); }},
    {"world map", kPathWorldMap, [](const char* m) { return MarkedBytes(m, &cEdWorldMap::m_Label); },
     [] { return std::string(g_WorldMap.m_Label); }},
};

FILETIME WriteTime(const char* path) {
    WIN32_FILE_ATTRIBUTE_DATA data = {};
    GetFileAttributesExA(path, GetFileExInfoStandard, &data);
    return data.ftLastWriteTime;
}

// Dates a file back to 2001, so that a rewrite shows in its time.
void MakeOld(const char* path) {
    HANDLE h = CreateFileA(path, FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, h) << path;
    SYSTEMTIME st = {2001, 1, 0, 1, 0, 0, 0, 0};
    FILETIME ft;
    SystemTimeToFileTime(&st, &ft);
    SetFileTime(h, nullptr, nullptr, &ft);
    CloseHandle(h);
}

}  // namespace

// Every project file in every situation, a row per combination: a file that
// "data\" holds is read and left alone; otherwise the copy in "default\" or
// the defaults are taken and written to "data\", a damaged one kept aside.
TEST_F(ProjectLoad, ProjectFilesFallBackToDefaultThenDefaultsAndOnlyMissingOnesAreWritten) {
    const int kFiles = sizeof kProjectFiles / sizeof kProjectFiles[0];
    const eWhere kRows[][kFiles] = {
        {kInData, kInDefault, kInNeither, kBroken, kInData},
        {kInDefault, kInNeither, kBroken, kInData, kInDefault},
        {kInNeither, kBroken, kInData, kInDefault, kInNeither},
        {kBroken, kInData, kInDefault, kInNeither, kBroken},
    };
    const std::string garbage = "not a project file";
    for (int row = 0; row < 4; ++row) {
        SCOPED_TRACE(row);
        ASSERT_TRUE(SetCurrentDirectoryA(m_TestDir.c_str()));
        EnterFolder("row" + std::to_string(row));
        WriteBitmaps();
        for (int i = 0; i < kFiles; ++i) {
            const ProjectFile& f = kProjectFiles[i];
            const char* dataPath = g_PathTable[f.dataIndex].c_str();
            const char* defaultPath = g_PathTable[f.dataIndex + 1].c_str();
            CreateFoldersOf(dataPath);
            CreateFoldersOf(defaultPath);
            if (kRows[row][i] != kInNeither) {
                ASSERT_TRUE(WriteWholeFile(defaultPath, f.bytes("既定")));
            }
            if (kRows[row][i] == kInData) {
                ASSERT_TRUE(WriteWholeFile(dataPath, f.bytes("データ")));
                MakeOld(dataPath);
            }
            if (kRows[row][i] == kBroken) {
                ASSERT_TRUE(WriteWholeFile(dataPath, garbage));
            }
        }
        std::vector<FILETIME> before;
        for (const ProjectFile& f : kProjectFiles) before.push_back(WriteTime(g_PathTable[f.dataIndex].c_str()));

        BoxCatcher boxes;
        ASSERT_TRUE(LoadProject());
        EXPECT_TRUE(boxes.Take().empty());

        for (int i = 0; i < kFiles; ++i) {
            const ProjectFile& f = kProjectFiles[i];
            SCOPED_TRACE(f.name);
            const char* dataPath = g_PathTable[f.dataIndex].c_str();
            const std::string data = ReadWholeFile(dataPath);
            const std::string bad = std::string(dataPath) + ".bad";
            switch (kRows[row][i]) {
            case kInData: {
                EXPECT_EQ("データ", f.loaded());
                const FILETIME now = WriteTime(dataPath);
                EXPECT_EQ(0, CompareFileTime(&before[i], &now)) << "rewritten";
                EXPECT_EQ(f.bytes("データ"), data);
                break;
            }
            case kInDefault:
                EXPECT_EQ("既定", f.loaded());
                EXPECT_EQ(f.bytes("既定"), data);
                break;
            case kInNeither:
                EXPECT_EQ(f.bytes(nullptr), data);
                break;
            case kBroken:
                EXPECT_EQ("既定", f.loaded());
                EXPECT_EQ(f.bytes("既定"), data);
                EXPECT_EQ(garbage, ReadWholeFile(bad.c_str()));
                break;
            }
            if (kRows[row][i] != kBroken) {
                EXPECT_FALSE(FileExists(bad.c_str()));
            }
        }
    }
}

namespace {

struct TemplateCase {
    std::vector<const char*> inData;     // the digits of the templates there
    std::vector<const char*> inDefault;
    std::vector<const char*> afterData;  // what "data\stg4\" holds after the load
    const char* copied;                  // the template copied, if any
};

std::string TemplatePath(bool data, const char* digits) {
    return std::string(data ? "data" : "default") + "\\stg4\\Default.stg4_" + digits;
}

}  // namespace

// "data\stg4\" gets the newest template of "default\stg4\" only when it has
// none of its own; the copy keeps the number of its source.
TEST_F(ProjectLoad, DefaultStageTemplateIsCopiedOnlyWhenDataHasNone) {
    const TemplateCase kCases[] = {
        {{"247"}, {"248"}, {"247"}, nullptr},
        {{}, {"205"}, {"205"}, "205"},
        {{}, {"003", "120", "007"}, {"120"}, "120"},
        {{"000"}, {"999"}, {"000"}, nullptr},
        {{}, {}, {}, nullptr},
    };
    const char* const kAllDigits[] = {"000", "003", "007", "120", "205", "247", "248", "999"};
    int row = 0;
    for (const TemplateCase& c : kCases) {
        SCOPED_TRACE(row);
        ASSERT_TRUE(SetCurrentDirectoryA(m_TestDir.c_str()));
        EnterFolder("row" + std::to_string(row++));
        WriteBitmaps();
        CreateFoldersOf("data\\stg4\\");
        CreateFoldersOf("default\\stg4\\");
        for (const char* d : c.inData) ASSERT_TRUE(WriteWholeFile(TemplatePath(true, d).c_str(), d));
        for (const char* d : c.inDefault)
            ASSERT_TRUE(WriteWholeFile(TemplatePath(false, d).c_str(), std::string("default ") + d));

        BoxCatcher boxes;
        ASSERT_TRUE(LoadProject());
        EXPECT_TRUE(boxes.Take().empty());

        for (const char* d : kAllDigits) {
            const bool want = std::find_if(c.afterData.begin(), c.afterData.end(),
                                           [&](const char* a) { return strcmp(a, d) == 0; }) != c.afterData.end();
            EXPECT_EQ(want, FileExists(TemplatePath(true, d).c_str())) << d;
        }
        if (c.copied) {
            EXPECT_EQ(std::string("default ") + c.copied, ReadWholeFile(TemplatePath(true, c.copied).c_str()));
        }
    }
}

namespace {

// Surface 2i + 1 holds surface 2i with every whole cell of the width
// mirrored; pixels beyond the last whole cell as they are.
testing::AssertionResult MirroredBy(const cDib& plain, const cDib& mirrored, int cellW) {
    if (plain.m_Width != mirrored.m_Width || plain.m_Height != mirrored.m_Height)
        return testing::AssertionFailure() << "sizes differ";
    const int whole = plain.m_Width / cellW * cellW;
    for (int y = 0; y < plain.m_Height; ++y) {
        for (int x = 0; x < plain.m_Width; ++x) {
            const int from = x < whole ? x / cellW * cellW + cellW - 1 - x % cellW : x;
            if (Index(mirrored, x, y) != Index(plain, from, y))
                return testing::AssertionFailure() << "(" << x << "," << y << ") is not (" << from << "," << y << ")";
        }
    }
    return testing::AssertionSuccess();
}

const char kCharaFile[] = "bmp\\chara_sp\\Giant.bmp";

}  // namespace

TEST_F(ProjectLoad, CharaBitmapsTwoSurfacesPerRecordAndNeverRecordZeroOrAnEmptyName) {
    WriteBitmaps();
    const uint8_t rgb[3] = {255, 0, 255};
    ASSERT_TRUE(LoadPalettes(rgb));
    PutBmp(kCharaFile, Sheet(96, 8, 30, true));

    cVector<cDib> surfaces(5);
    for (cDib& dib : surfaces) ASSERT_TRUE(dib.Create(4, 4, 8, 1));
    cVector<cEdBmpCharaExc> table(1);
    table[0].m_File = kCharaFile;  // record 0 is never loaded
    BoxCatcher boxes;
    EXPECT_TRUE(LoadCharaBitmaps(surfaces, table));
    ASSERT_EQ(2u, surfaces.size());
    for (const cDib& dib : surfaces) EXPECT_EQ(nullptr, dib.m_hBitmap);

    surfaces.resize(1);
    ASSERT_TRUE(surfaces[0].Create(4, 4, 8, 1));
    table.resize(3);
    table[2].m_File = kCharaFile;  // record 1 has no file
    EXPECT_TRUE(LoadCharaBitmaps(surfaces, table));
    EXPECT_TRUE(boxes.Take().empty());
    ASSERT_EQ(6u, surfaces.size());
    for (int i : {0, 1, 2, 3}) EXPECT_EQ(nullptr, surfaces[i].m_hBitmap) << i;
    ASSERT_EQ(96, surfaces[4].m_Width);
    EXPECT_NE(nullptr, surfaces[4].m_pMaskBits);
    EXPECT_NE(nullptr, surfaces[5].m_pMaskBits);
    EXPECT_EQ(Px(30, 1, 0), Index(surfaces[4], 1, 0));
    EXPECT_TRUE(MirroredBy(surfaces[4], surfaces[5], 32));
}

// The mirrored cells of a giant character are its size in blocks wide; a
// size below 1 counts as 1, one wider than the sheet mirrors the whole sheet.
TEST_F(ProjectLoad, GiantCharaMirrorWidthFollowsItsSizeWithinSaneBounds) {
    WriteBitmaps();
    const uint8_t rgb[3] = {255, 0, 255};
    ASSERT_TRUE(LoadPalettes(rgb));
    PutBmp(kCharaFile, Sheet(160, 4, 31, true));
    const struct {
        int giant;
        int size;
        int cellW;
    } kCases[] = {
        {0, 3, 32}, {1, 1, 32}, {1, 2, 64}, {1, 3, 96}, {1, 5, 160}, {1, 0, 32}, {1, -4, 32}, {1, INT_MIN, 32},
        {1, 6, 160}, {1, 1 << 27, 160}, {1, INT_MAX, 160},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(testing::Message() << c.giant << " " << c.size);
        cVector<cEdBmpCharaExc> table(2);
        table[1].m_File = kCharaFile;
        table[1].m_Giant = c.giant;
        table[1].m_GiantSize = c.size;
        cVector<cDib> surfaces;
        BoxCatcher boxes;
        ASSERT_TRUE(LoadCharaBitmaps(surfaces, table));
        EXPECT_TRUE(boxes.Take().empty());
        ASSERT_EQ(4u, surfaces.size());
        EXPECT_TRUE(MirroredBy(surfaces[2], surfaces[3], c.cellW));
    }
}

TEST_F(ProjectLoad, CharaBitmapThatDoesNotLoadStopsTheLoadWithItsMessage) {
    WriteBitmaps();
    const uint8_t rgb[3] = {255, 0, 255};
    ASSERT_TRUE(LoadPalettes(rgb));
    PutBmp("bmp\\chara_sp\\Good.bmp", Sheet(32, 4, 32, true));
    cVector<cEdBmpCharaExc> table(4);
    table[1].m_File = "bmp\\chara_sp\\Good.bmp";
    table[2].m_File = "bmp\\chara_sp\\Gone.bmp";
    table[3].m_File = "bmp\\chara_sp\\Good.bmp";
    cVector<cDib> surfaces;
    BoxCatcher boxes;
    EXPECT_FALSE(LoadCharaBitmaps(surfaces, table));
    std::vector<CaughtBox> caught = boxes.Take();
    ASSERT_EQ(2u, caught.size());
    EXPECT_EQ("bmp\\chara_sp\\Gone.bmp が読み込めません！", caught[0].text);
    EXPECT_EQ("bmp\\chara_sp\\Gone.bmp の読み込みに失敗！", caught[1].text);
    EXPECT_EQ("エラー", caught[1].caption);
    ASSERT_EQ(8u, surfaces.size());
    EXPECT_NE(nullptr, surfaces[2].m_hBitmap);
    EXPECT_EQ(nullptr, surfaces[6].m_hBitmap) << "stopped at the first failure";
}

namespace {

const char kStagePath[] = "data\\stg4\\t.stg4_248";
const char kStageBackup[] = "data\\work\\t.stg4_248";

// A whole stage file of a 40 x 30 stage named "ファイル".
std::string StageBytes() {
    cEdStage s;
    s.m_Name = "ファイル";
    s.SetSize(40, 30, 0, 0);
    s.m_UndoCount = 7;
    cRecFile* mem = cRecFile::OpenMemoryWrite();
    mem->WriteInt(248);
    s.Write(mem);
    std::string bytes = mem->MemoryData();
    delete mem;
    return bytes;
}

struct LastStageCase {
    const char* what;
    const char* path;
    std::string file;    // what the path holds ("" none)
    std::string backup;  // what its copy in "data\work\" holds
    bool opened;
    const char* name;    // the stage's name afterwards
    int width;
    int height;
    const char* box;     // the caption of the one box shown, if any
};

}  // namespace

TEST_F(ProjectLoad, LastStageOpensOrLeavesANewStage) {
    const std::string whole = StageBytes();
    const std::string cut = whole.substr(0, whole.size() - 100);
    const LastStageCase kCases[] = {
        {"no path", "", "", "", false, "いまの", 20, 15, nullptr},
        {"null path", nullptr, "", "", false, "いまの", 20, 15, nullptr},
        {"missing file", kStagePath, "", "", false, "", 32, 32, nullptr},
        {"good file", kStagePath, whole, "", true, "ファイル", 40, 30, nullptr},
        {"broken file with its copy", kStagePath, cut, whole, true, "ファイル", 40, 30, "ファイルの復旧"},
        {"broken file without a copy", kStagePath, cut, "", false, "", 32, 32, "ファイルの復旧"},
    };
    SetFreeMemorySource([]() -> uint64_t { return uint64_t(1) << 32; });
    for (const LastStageCase& c : kCases) {
        SCOPED_TRACE(c.what);
        CreateFoldersOf(kStagePath);
        CreateFoldersOf(kStageBackup);
        RemoveFile(kStagePath);
        RemoveFile(kStageBackup);
        if (!c.file.empty()) {
            ASSERT_TRUE(WriteWholeFile(kStagePath, c.file));
        }
        if (!c.backup.empty()) {
            ASSERT_TRUE(WriteWholeFile(kStageBackup, c.backup));
        }
        g_Stage.SetDefault();
        g_Stage.m_Name = "いまの";
        g_StageEdit.m_bOpen = !c.opened;
        g_StageEdit.m_strPath = "data\\stg4\\before.stg4_248";

        BoxCatcher boxes;
        EXPECT_EQ(c.opened, LoadLastStage(c.path));
        std::vector<CaughtBox> caught = boxes.Take();
        ASSERT_EQ(c.box ? 1u : 0u, caught.size());
        if (c.box) {
            EXPECT_EQ(c.box, caught[0].caption);
        }

        EXPECT_EQ(c.opened ? 1 : 0, g_StageEdit.m_bOpen);
        EXPECT_EQ(c.opened ? c.path : "", g_StageEdit.m_strPath);
        EXPECT_EQ(c.name, g_Stage.m_Name);
        EXPECT_EQ(c.width, g_Stage.m_Width);
        EXPECT_EQ(c.height, g_Stage.m_Height);
        // the histories sized for the stage now held, opened or not
        const int steps = c.opened ? 7 : 1;
        EXPECT_EQ(steps, g_Stage.m_UndoCount);
        ASSERT_EQ(static_cast<size_t>(steps), g_StageEdit.m_UndoFlags.size());
        ASSERT_EQ(static_cast<size_t>(steps), g_StageEdit.m_RedoItem.size());
        EXPECT_EQ(static_cast<size_t>(g_Stage.m_Pitch * g_Stage.m_Height), g_StageEdit.m_UndoBlock[steps - 1].size());
        EXPECT_EQ(static_cast<size_t>(g_Stage.m_Pitch * g_Stage.m_Height), g_StageEdit.m_RedoChara[0].size());
    }
    SetFreeMemorySource(nullptr);
    g_StageEdit.ClearUndo();
    g_StageEdit.m_UndoFlags.clear();
    g_StageEdit.m_RedoFlags.clear();
}
