#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "base/log.h"
#include "base/record.h"
#include "model/clamp.h"
#include "model/datafile.h"
#include "model/debugbox.h"
#include "model/worldmap.h"
#include "model/worldmap_edit.h"
#include "tests/support/file_bytes.h"
#include "tests/support/record_bytes.h"
#include "tests/support/test_env.h"

namespace {

struct cPos {
    int32_t x, y;
};

// A world map file written by hand.
struct cMapSpec {
    uint32_t version = 248;
    int32_t width = 20, height = 15, pitch = 32, shift = 5;
    int32_t cellCount = -1;  // -1: pitch x height
    int32_t cellValue = 0;
    std::vector<cPos> events;
    int32_t pagesPerEvent = 1;
    int32_t condScore = 0;  // written from version 209
    std::string label = "ワールド";
    int32_t chipCount = 10;
    int32_t templateCount = 1;
};

void WritePage(cFileBytes& b, uint32_t version, int32_t worldNo, int32_t condScore) {
    b.Int(version >= 209 ? 11 : 10);
    b.Int(0).Int(3).Int(worldNo).Int(1).Int(0).Int(2).Int(7).Int(4).Int(-5).Int(5);
    if (version >= 209) b.Int(condScore);
    b.Int(2).Str("W1").Str("data\\stg4\\a.stg4_248");
}

std::string MapFile(const cMapSpec& s) {
    cFileBytes b;
    b.Int(static_cast<int32_t>(s.version));
    b.Int(8).Int(s.width).Int(s.height).Int(s.pitch).Int(s.shift).Int(2).Int(3).Int(20).Int(1);
    b.Int(2).Str(s.label).Str("bmp\\back.bmp");
    b.Int(s.chipCount);
    for (int i = 0; i < s.chipCount; ++i) b.Int(3).Int(0).Int(0).Int(i).Int(2).Str("").Str("chip");
    const int32_t cells = s.cellCount < 0 ? s.pitch * s.height : s.cellCount;
    b.Int(cells);
    for (int32_t i = 0; i < cells; ++i) b.Int(s.cellValue);
    b.Int(static_cast<int32_t>(s.events.size()));
    for (const cPos& p : s.events) {
        b.Int(2).Int(p.x).Int(p.y).Int(1).Str("ev");
        b.Int(s.pagesPerEvent);
        for (int i = 0; i < s.pagesPerEvent; ++i) WritePage(b, s.version, 1, s.condScore);
    }
    b.Int(s.templateCount);
    for (int i = 0; i < s.templateCount; ++i) {
        b.Int(2).Int(0).Int(0).Int(1).Str("tmpl");
        b.Int(1);
        WritePage(b, s.version, 0, s.condScore);
    }
    return b.Bytes();
}

std::string ReportText() {
    return ReadWholeFile("Report_Editor.txt");
}

class WorldMap : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(1, CreateReportLog("Report_Editor.txt"));
        SetDebugBoxHandler(nullptr);
    }
    std::unique_ptr<cEdWorldMap> map{new cEdWorldMap};
    TestAppWindow app;
};

}  // namespace

TEST_F(WorldMap, DefaultFileHasItsExactBytes) {
    ASSERT_TRUE(map->Save("WorldMap.dat"));
    cFileBytes b;
    b.Int(248);
    b.Int(8).Int(20).Int(15).Int(32).Int(5).Int(9).Int(7).Int(16).Int(0);
    b.Int(2).Str("ワールド").Str("");
    b.Int(10);
    for (int i = 0; i < 10; ++i) {
        b.Int(3).Int(0).Int(i < 5 ? 1 : 0).Int(i);
        b.Int(2).Str("").Str(i < 5 ? "通行不可" : "通行可");
    }
    b.Int(480);
    for (int i = 0; i < 480; ++i) b.Int(0);
    b.Int(0);  // no placed events
    b.Int(1).Int(2).Int(0).Int(0).Int(1).Str("デフォルト");
    b.Int(1).Int(11);
    for (int i = 0; i < 11; ++i) b.Int(0);
    b.Int(2).Str("").Str("");
    const std::string file = ReadWholeFile("WorldMap.dat");
    EXPECT_EQ(b.Bytes(), file);
    // The label is Shift-JIS in the file.
    EXPECT_EQ(std::string("\x02\x00\x00\x00\x09\x00\x00\x00\x83\x8F\x81\x5B\x83\x8B\x83\x68\x00", 17),
              file.substr(40, 17));

    // Read back, it writes the same bytes.
    map->m_Label = "changed";
    ASSERT_EQ(1, map->Load("WorldMap.dat"));
    ASSERT_TRUE(map->Save("WorldMap2.dat"));
    EXPECT_EQ(file, ReadWholeFile("WorldMap2.dat"));
}

TEST_F(WorldMap, ResizeKeepsTheCommonAreaOrRefuses) {
    struct Case {
        int32_t fromW, fromH, toW, toH;
        int result;
        int32_t pitch, shift;
        size_t cells;
    } cases[] = {
        {20, 15, 20, 15, 1, 32, 5, 480},
        {20, 15, 33, 15, 1, 64, 6, 960},
        {20, 15, 1, 1, 1, 1, 0, 1},
        {20, 15, 2, 2, 1, 2, 1, 4},
        {20, 15, 200, 150, 1, 256, 8, 256 * 150},
        {40, 30, 20, 15, 1, 32, 5, 480},
        {20, 15, 0, 15, 0, 32, 5, 480},
        {20, 15, 20, 0, 0, 32, 5, 480},
        {20, 15, 201, 15, 0, 32, 5, 480},
        {20, 15, 20, 151, 0, 32, 5, 480},
        {20, 15, -3, 15, 0, 32, 5, 480},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.fromW << "x" << c.fromH << " -> " << c.toW << "x" << c.toH);
        map->m_Cells.clear();
        ASSERT_EQ(1, map->SetSize(c.fromW, c.fromH));
        // Mark every cell of the old grid with its position.
        for (int32_t y = 0; y < c.fromH; ++y) {
            for (int32_t x = 0; x < c.fromW; ++x) map->m_Cells[x + (y << map->m_PitchShift)] = 1 + x + 1000 * y;
        }
        EXPECT_EQ(c.result, map->SetSize(c.toW, c.toH));
        const int32_t w = c.result ? c.toW : c.fromW;
        const int32_t h = c.result ? c.toH : c.fromH;
        EXPECT_EQ(w, map->m_Width);
        EXPECT_EQ(h, map->m_Height);
        EXPECT_EQ(c.pitch, map->m_Pitch);
        EXPECT_EQ(c.shift, map->m_PitchShift);
        ASSERT_EQ(c.cells, map->m_Cells.size());
        for (int32_t y = 0; y < h; ++y) {
            for (int32_t x = 0; x < c.pitch; ++x) {
                const bool kept = x < w && x < c.fromW && y < c.fromH;
                ASSERT_EQ(kept ? 1 + x + 1000 * y : 0, map->m_Cells[x + (y << map->m_PitchShift)])
                    << "cell " << x << "," << y;
            }
        }
    }
    EXPECT_FALSE(app.TakeCloseRequest());
}

TEST_F(WorldMap, RefusedSizeIsReportedThroughTheDebugHandler) {
    static std::vector<std::string> shown;
    shown.clear();
    SetDebugBoxHandler([](const char* text) { shown.push_back(text); });
    EXPECT_EQ(0, map->SetSize(0, 15));
    ASSERT_EQ(1u, shown.size());
    EXPECT_EQ("SetSize()で 0 を指定しました！", shown[0]);
    EXPECT_EQ(1, map->SetSize(33, 15));
    ASSERT_EQ(2u, shown.size());
    EXPECT_EQ("nBeforeWidth = 20,nBeforePitch = 32,nBeforePitch_Shift = 5", shown[1]);

    // Without a handler the text goes to the report log.
    SetDebugBoxHandler(nullptr);
    EXPECT_EQ(0, map->SetSize(20, 0));
    EXPECT_NE(std::string::npos, ReportText().find("SetSize()で 0 を指定しました！"));
}

TEST_F(WorldMap, ValidateKeepsStartAndEventsOnTheGrid) {
    map->SetSize(40, 30);
    map->m_Start = {199, 149};
    cEdWorldEvent e;
    const cPos positions[] = {{25, 3}, {3, 4}, {19, 14}, {20, 0}, {0, 15}, {-1, 2}, {2, -1}, {5, 5}};
    for (const cPos& p : positions) map->PutEvent(&e, p.x, p.y);
    ASSERT_EQ(1, map->SetSize(20, 15));
    // Resizing alone leaves the events; the next Validate removes them.
    EXPECT_EQ(8u, map->m_Events.size());
    map->Validate();
    EXPECT_EQ(19, map->m_Start.x);
    EXPECT_EQ(14, map->m_Start.y);
    // Past the right or bottom edge goes; negative coordinates stay, in order.
    const cPos kept[] = {{3, 4}, {19, 14}, {-1, 2}, {2, -1}, {5, 5}};
    ASSERT_EQ(5u, map->m_Events.size());
    for (size_t i = 0; i < 5; ++i) {
        EXPECT_EQ(kept[i].x, map->m_Events[i].m_X) << i;
        EXPECT_EQ(kept[i].y, map->m_Events[i].m_Y) << i;
    }

    // A negative start stays too, also through a save and a load.
    map->m_Start = {-4, -1};
    map->Validate();
    EXPECT_EQ(-4, map->m_Start.x);
    EXPECT_EQ(-1, map->m_Start.y);
    cEdWorldMap back;
    ASSERT_TRUE(recbytes::ReadBytes(back, recbytes::WrittenBytes(*map), 248));
    EXPECT_EQ(-4, back.m_Start.x);
    EXPECT_EQ(-1, back.m_Start.y);
    ASSERT_EQ(5u, back.m_Events.size());
    EXPECT_EQ(-1, back.m_Events[2].m_X);
    EXPECT_EQ(-1, back.m_Events[3].m_Y);
}

TEST_F(WorldMap, PutEventLeavesOnlyTheNewEventAtItsCell) {
    cEdWorldEvent e;
    e.m_Name = "old";
    map->m_Events.push_back(e);
    map->m_Events.back().m_X = 4;
    map->m_Events.back().m_Y = 2;
    map->m_Events.push_back(map->m_Events.back());
    map->PutEvent(&e, 1, 1);
    e.m_Name = "new";
    map->PutEvent(&e, 4, 2);
    ASSERT_EQ(2u, map->m_Events.size());
    EXPECT_EQ("new", map->m_Events[1].m_Name);
    EXPECT_EQ(4, e.m_X);
    EXPECT_EQ(&map->m_Events[1], map->FindEvent(4, 2));
    EXPECT_EQ(1, map->HasEventAt(1, 1));

    // RemoveEvent takes the very object, not an equal one.
    cEdWorldEvent copy = map->m_Events[1];
    copy.m_X = 1;
    copy.m_Y = 1;
    EXPECT_EQ(0, map->RemoveEvent(&copy));
    EXPECT_EQ(1, map->RemoveEvent(&map->m_Events[0]));
    ASSERT_EQ(1u, map->m_Events.size());
    EXPECT_EQ(0, map->RemoveEventsAt(1, 1));
    EXPECT_EQ(1, map->RemoveEventsAt(4, 2));
    EXPECT_EQ(nullptr, map->FindEvent(4, 2));
}

TEST_F(WorldMap, NextFreeWorldNoSkipsNumbersOfOtherWorlds) {
    // Events with one page each: type, world number.
    const struct {
        int32_t type, worldNo;
    } pages[] = {{0, 1}, {0, 2}, {0, 4}, {1, 3}};
    for (size_t i = 0; i < 4; ++i) {
        cEdWorldEvent e;
        e.m_Pages[0].m_Type = pages[i].type;
        e.m_Pages[0].m_WorldNo = pages[i].worldNo;
        map->PutEvent(&e, static_cast<int32_t>(i), 0);
    }
    EXPECT_EQ(3, map->NextFreeWorldNo(nullptr));
    EXPECT_EQ(2, map->NextFreeWorldNo(&map->m_Events[1]));

    // A new world event with a world page and a road page: only the world
    // page takes the number, and every world page the same one.
    cEdWorldEvent e;
    e.m_Pages.resize(3);
    e.m_Pages[1].m_Type = 1;
    e.m_Pages[1].m_WorldNo = 77;
    map->AssignWorldNo(&e, nullptr);
    EXPECT_EQ(3, e.m_Pages[0].m_WorldNo);
    EXPECT_EQ(77, e.m_Pages[1].m_WorldNo);
    EXPECT_EQ(3, e.m_Pages[2].m_WorldNo);

    // All 999 numbers taken.
    map->m_Events.clear();
    cEdWorldEvent full;
    full.m_Pages.resize(999);
    for (int i = 0; i < 999; ++i) full.m_Pages[i].m_WorldNo = i + 1;
    map->PutEvent(&full, 0, 0);
    EXPECT_EQ(0, map->NextFreeWorldNo(nullptr));
    EXPECT_EQ(1, map->NextFreeWorldNo(&map->m_Events[0]));
}

TEST_F(WorldMap, EventPagesOfOlderFilesHaveNoScoreCondition) {
    for (uint32_t version : {208u, 209u}) {
        SCOPED_TRACE(version);
        cMapSpec s;
        s.version = version;
        s.events = {{2, 3}};
        s.condScore = 1234;
        ASSERT_TRUE(WriteWholeFile("Old.dat", MapFile(s)));
        ASSERT_EQ(1, map->Load("Old.dat"));
        ASSERT_EQ(1u, map->m_Events.size());
        const cEdEventPage& page = map->m_Events[0].m_Pages[0];
        EXPECT_EQ(version >= 209 ? 1234 : 0, page.m_CondScore);
        EXPECT_EQ(5, page.m_CondCompare);
        EXPECT_EQ(-5, page.m_CondValue);
        EXPECT_EQ("W1", page.m_WorldName);
        EXPECT_EQ("tmpl", map->m_Templates[0].m_Name);
    }
    // A page that held a score before reading a 208 file loses it.
    cFileBytes b;
    WritePage(b, 208, 1, 0);
    cRecFile* f = cRecFile::OpenMemoryRead(b.Bytes().data(), b.Size());
    g_FileVersion = 208;
    cEdEventPage page;
    page.m_CondScore = 55;
    page.Read(f);
    EXPECT_TRUE(f->Close());
    delete f;
    EXPECT_EQ(0, page.m_CondScore);
    g_FileVersion = 248;
}

TEST_F(WorldMap, LoadDropsEventsOutsideTheStoredSize) {
    cMapSpec s;
    s.events = {{3, 4}, {20, 0}, {0, 15}, {19, 14}, {-1, 2}};
    ASSERT_TRUE(WriteWholeFile("Events.dat", MapFile(s)));
    ASSERT_EQ(1, map->Load("Events.dat"));
    ASSERT_EQ(3u, map->m_Events.size());
    EXPECT_EQ(3, map->m_Events[0].m_X);
    EXPECT_EQ(19, map->m_Events[1].m_X);
    EXPECT_EQ(-1, map->m_Events[2].m_X) << "a negative coordinate is no reason to go";
    EXPECT_EQ(2, map->m_Start.x);
    EXPECT_EQ("bmp\\back.bmp", map->m_BackImage);
}

TEST_F(WorldMap, LoadGivesAMapWithoutTemplatesOrChipsOneOfEach) {
    // The event palette and the chip palette start on entry 0; a file that
    // holds none must not leave them an empty vector to index.
    struct Case {
        int32_t chips, templates;
        size_t wantChips, wantTemplates;
    } cases[] = {{0, 0, 1, 1}, {10, 0, 10, 1}, {0, 3, 1, 3}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.chips * 100 + c.templates);
        cMapSpec s;
        s.chipCount = c.chips;
        s.templateCount = c.templates;
        s.events = {{1, 1}};
        ASSERT_TRUE(WriteWholeFile("Empty.dat", MapFile(s)));
        ASSERT_EQ(1, map->Load("Empty.dat"));
        ASSERT_EQ(c.wantChips, map->m_Chips.size());
        ASSERT_EQ(c.wantTemplates, map->m_Templates.size());
        EXPECT_EQ(1u, map->m_Templates[0].m_Pages.size());
        EXPECT_EQ(0, map->m_Cells[0]);
        EXPECT_EQ(1u, map->m_Events.size());
    }
}

TEST_F(WorldMap, LoadRepairsCellsAndPagesThatNameNothing) {
    struct Case {
        int32_t cellValue, pages;
        int32_t expectCell;
    } cases[] = {{9, 1, 9}, {10, 0, 0}, {-1, 2, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.cellValue);
        cMapSpec s;
        s.cellValue = c.cellValue;
        s.events = {{1, 1}};
        s.pagesPerEvent = c.pages;
        ASSERT_TRUE(WriteWholeFile("Cells.dat", MapFile(s)));
        ASSERT_EQ(1, map->Load("Cells.dat"));
        EXPECT_EQ(c.expectCell, map->m_Cells[0]);
        EXPECT_EQ(c.expectCell, map->m_Cells[479]);
        EXPECT_EQ(static_cast<size_t>(c.pages ? c.pages : 1), map->m_Events[0].m_Pages.size());
    }
}

TEST_F(WorldMap, LoadFailsWhenTheGridDisagreesWithItsSize) {
    struct Case {
        const char* what;
        int32_t width, height, pitch, shift, cellCount;
        const char* message;
    } cases[] = {
        {"pitch of another width", 20, 15, 64, 6, 960, "pitch does not match"},
        {"shift of another pitch", 20, 15, 32, 4, 480, "pitch does not match"},
        {"one cell short", 20, 15, 32, 5, 479, "cell count does not match"},
        {"no cells", 20, 15, 32, 5, 0, "cell count does not match"},
        {"too wide", 201, 15, 256, 8, 256 * 15, "outside its limits"},
        {"too high", 20, 151, 32, 5, 32 * 151, "outside its limits"},
        {"zero width", 0, 15, 1, 0, 15, "outside its limits"},
        {"negative height", 20, -2, 32, 5, 0, "outside its limits"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_EQ(1, CreateReportLog("Report_Editor.txt"));
        map->SetDefault();
        map->m_Label = "before";
        cMapSpec s;
        s.width = c.width;
        s.height = c.height;
        s.pitch = c.pitch;
        s.shift = c.shift;
        s.cellCount = c.cellCount;
        ASSERT_TRUE(WriteWholeFile("Bad.dat", MapFile(s)));
        EXPECT_EQ(0, map->Load("Bad.dat"));
        EXPECT_EQ("before", map->m_Label);
        EXPECT_EQ(20, map->m_Width);
        EXPECT_EQ(480u, map->m_Cells.size());
        EXPECT_NE(std::string::npos, ReportText().find(c.message)) << ReportText();
    }
    EXPECT_FALSE(app.TakeCloseRequest());
}

TEST_F(WorldMap, ProjectLoadFallsBackToTheDefaultFolder) {
    namespace fs = std::filesystem;
    fs::create_directory("data");
    fs::create_directory("default");
    cMapSpec own;
    own.label = "own";
    cMapSpec shipped;
    shipped.label = "shipped";
    cMapSpec broken;
    broken.cellCount = 3;
    struct Case {
        const char* what;
        const cMapSpec* data;
        const cMapSpec* def;
        eLoadSource source;
        const char* label;
        bool keptBad;
    } cases[] = {
        {"own file", &own, &shipped, kLoadedData, "own", false},
        {"no own file", nullptr, &shipped, kLoadedDefault, "shipped", false},
        {"neither", nullptr, nullptr, kLoadedNone, "ワールド", false},
        {"broken own file", &broken, &shipped, kLoadedDefault, "shipped", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        fs::remove("data/WorldMap.dat");
        fs::remove("data/WorldMap.dat.bad");
        fs::remove("default/WorldMap.dat");
        if (c.data) {
            ASSERT_TRUE(WriteWholeFile("data/WorldMap.dat", MapFile(*c.data)));
        }
        if (c.def) {
            ASSERT_TRUE(WriteWholeFile("default/WorldMap.dat", MapFile(*c.def)));
        }
        cEdWorldMap m;
        m.m_Label = "stale";
        EXPECT_EQ(c.source, LoadProjectFile(m, g_WorldMapPath.c_str(), g_WorldMapDefaultPath.c_str()));
        EXPECT_EQ(c.label, m.m_Label);
        // The project now holds the map it uses.
        cEdWorldMap again;
        ASSERT_EQ(1, again.Load("data/WorldMap.dat"));
        EXPECT_EQ(c.label, again.m_Label);
        EXPECT_EQ(c.keptBad, FileExists("data/WorldMap.dat.bad"));
        if (c.keptBad) {
            EXPECT_EQ(MapFile(broken), ReadWholeFile("data/WorldMap.dat.bad"));
        }
    }
}

TEST(WorldMapEdit, StartsWithNothingPlacedAndResetsFromTheMap) {
    const cWorldMapEdit& ed = g_WorldMapEdit;
    EXPECT_EQ(-1, ed.m_RangeX);
    EXPECT_EQ(-1, ed.m_RangeY);
    EXPECT_EQ(1, ed.m_PatternWidth);
    EXPECT_EQ(1, ed.m_PatternHeight);
    const int32_t first[] = {0, 0, 0, 0, 1, 1};
    const int32_t second[] = {0, 0, -1, -1, 0, 0};
    for (int i = 0; i < 2; ++i) {
        const cWorldToolState& s = ed.m_Saved[i];
        const int32_t* want = i == 0 ? first : second;
        const int32_t got[] = {s.m_Tool, s.m_ToolFlag, s.m_SelEntry, s.m_SelTemplate, s.m_PatternWidth,
                               s.m_PatternHeight};
        for (int k = 0; k < 6; ++k) EXPECT_EQ(want[k], got[k]) << "state " << i << " value " << k;
    }
    EXPECT_EQ(1u, ed.m_EventBuf.m_Pages.size());
    EXPECT_EQ(0, ed.m_Pattern[kWorldMapMaxWidth * kWorldMapMaxHeight - 1]);

    // With placed events the event mode starts on template 0.
    std::unique_ptr<cWorldMapEdit> edit(new cWorldMapEdit);
    cEdWorldEvent e;
    g_WorldMap.PutEvent(&e, 1, 1);
    g_WorldMap.m_Templates[0].m_Name = "tmpl";
    edit->m_Tool = 3;
    edit->m_SelEntry = 7;
    edit->m_RangeX = 5;
    edit->m_UndoCells.push_back(g_WorldMap.m_Cells);
    edit->m_RedoEvents.push_back(g_WorldMap.m_Events);
    edit->Reset();
    EXPECT_EQ(0, edit->m_Tool);
    EXPECT_EQ(0, edit->m_SelEntry);
    EXPECT_EQ(-1, edit->m_RangeX);
    EXPECT_EQ(0, edit->m_Saved[1].m_SelEntry);
    EXPECT_EQ(1, edit->m_Saved[1].m_PatternWidth);
    EXPECT_EQ("tmpl", edit->m_EventBuf.m_Name);
    EXPECT_TRUE(edit->m_UndoCells.empty());
    EXPECT_TRUE(edit->m_RedoEvents.empty());
    g_WorldMap.SetDefault();
}

TEST(Clamp, KeepsTheValueInsideBothBounds) {
    const struct {
        int32_t value, lo, hi, result;
    } cases[] = {{-5, 0, 10, 0}, {0, 0, 10, 0}, {7, 0, 10, 7}, {10, 0, 10, 10}, {11, 0, 10, 10},
                 {INT32_MIN, -3, 3, -3}, {INT32_MAX, -3, 3, 3}};
    for (const auto& c : cases) {
        int32_t v = c.value;
        EXPECT_EQ(c.result, Clamp(&v, c.lo, c.hi));
        EXPECT_EQ(c.result, v);
    }
}
