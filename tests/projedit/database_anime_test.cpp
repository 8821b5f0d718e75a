// The animation pages: an animation made with the pattern dialog, applied,
// read back and shown again; the preview stepped by the idle step on a fake
// clock only while an animation page is shown; the anime set's slots.
#include "tests/projedit/database_fixture.h"

#include "base/timing.h"

using namespace dbtest;

namespace {

uint32_t s_Ticks = 0;
uint32_t FakeClock() {
    return s_Ticks += 20;  // every read finds the next frame due
}

void SetVal(HWND dlg, int id, const char* text) {
    TypeInto(GetDlgItem(dlg, id), text);
}

// Run lengths of a sequence of values.
std::vector<std::pair<int, int>> Runs(const std::vector<int>& values) {
    std::vector<std::pair<int, int>> runs;
    for (int v : values) {
        if (runs.empty() || runs.back().first != v)
            runs.push_back({v, 1});
        else
            ++runs.back().second;
    }
    return runs;
}

class AnimeTest : public DatabaseTest {
protected:
    void TearDown() override {
        SetFrameClock(nullptr);
        g_StageEditor = nullptr;
        g_AppActive = 0;
        DatabaseTest::TearDown();
    }
    // One idle step of the application, which never waits for a message here.
    void IdleStep() {
        PostThreadMessageA(GetCurrentThreadId(), WM_NULL, 0, 0);
        g_App.OnIdle();
        MSG m;
        while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&m);
            DispatchMessageA(&m);
        }
    }
    void UseIdleStep() {
        m_Editor.m_pDatabaseSheet = m_lpSheetVar;
        g_StageEditor = &m_Editor;
        g_AppActive = 1;
        SetFrameClock(FakeClock);
    }
    cStageEditorDlg m_Editor{104, nullptr, kWndDialog, nullptr};
};

}  // namespace

// As a new user would: a new animation with three frames, previewed, applied
// and there again when the sheet is opened anew.
TEST_F(AnimeTest, NewAnimationWithThreeFramesIsSavedAndPlays) {
    Open();
    ShowPage(kDbPageAnime);
    Click(kDbPageAnime, IDC_DB_NEW);
    TypeInto(Item(kDbPageAnime, IDC_DB_NAME), "run");
    std::vector<std::string> rows;
    bool runDisabled = true;
    cOnDialog pattern("アニメパターン", [&](HWND dlg) {
        HWND list = GetDlgItem(dlg, IDC_PATTERN_FRAMES);
        runDisabled = !IsWindowEnabled(GetDlgItem(dlg, IDC_PATTERN_RUN));
        ClickRow(list, 0);
        SetVal(dlg, IDC_PATTERN_CELL, "6");
        SetVal(dlg, IDC_PATTERN_TIME, "2");
        ClickWindow(GetDlgItem(dlg, IDC_PATTERN_INSERT));
        SetVal(dlg, IDC_PATTERN_CELL, "4");
        SetVal(dlg, IDC_PATTERN_TIME, "3");
        ClickWindow(GetDlgItem(dlg, IDC_PATTERN_RUN));
        ClickWindow(GetDlgItem(dlg, IDC_PATTERN_INSERT));
        SetVal(dlg, IDC_PATTERN_CELL, "2");
        SetVal(dlg, IDC_PATTERN_TIME, "1");
        rows = Rows(list);
        ClickWindow(GetDlgItem(dlg, kIdOk));
    });
    Click(kDbPageAnime, IDC_ANIME_EDIT_PATTERN);
    ASSERT_TRUE(PumpUntil([&] { return pattern.Ran(); }));
    PumpMessages(30);
    EXPECT_FALSE(runDisabled) << "opened from the anime page the box is enabled";
    const std::vector<std::string> wantRows = {"2-1", "実行 4-3", "6-2", std::string(64, '-')};
    EXPECT_EQ(wantRows, rows);

    // the preview now runs the three frames: 6 ticks per tenth of a second
    ASSERT_EQ(1u, g_AnimePreview.m_Animes.size());
    UseIdleStep();
    std::vector<int> values;
    for (int i = 0; i < 80; ++i) {
        IdleStep();
        values.push_back(g_AnimePreview.GetValue());
    }
    std::vector<std::pair<int, int>> runs = Runs(values);
    ASSERT_GE(runs.size(), 5u);
    EXPECT_EQ(std::make_pair(4, 18), runs[1]);
    EXPECT_EQ(std::make_pair(6, 12), runs[2]);
    EXPECT_EQ(std::make_pair(2, 6), runs[3]) << "and from the first frame again";
    EXPECT_EQ(4, runs[4].first);

    // on another page the preview stands still
    ShowPage(kDbPagePicture);
    const int at = g_AnimePreview.m_CurStep, tick = g_AnimePreview.m_Tick;
    for (int i = 0; i < 10; ++i) IdleStep();
    EXPECT_EQ(at, g_AnimePreview.m_CurStep);
    EXPECT_EQ(tick, g_AnimePreview.m_Tick);
    m_Editor.m_pDatabaseSheet = nullptr;

    Apply();
    cVector<cEdAnime> animes = ReadTable<cEdAnime>(kTableAnime);
    ASSERT_EQ(3u, animes.size());
    EXPECT_STREQ("run", animes[2].m_Name.c_str());
    ASSERT_EQ(3u, animes[2].m_Frames.size());
    const int want[3][3] = {{2, 1, 0}, {4, 3, 1}, {6, 2, 0}};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(want[i][0], animes[2].m_Frames[i].m_Cell) << i;
        EXPECT_EQ(want[i][1], animes[2].m_Frames[i].m_Time) << i;
        EXPECT_EQ(want[i][2], animes[2].m_Frames[i].m_RunCommand) << i;
    }
    Cancel();
    g_Database.Load();
    Open();
    ShowPage(kDbPageAnime);
    EXPECT_EQ("2 run", Rows(Item(kDbPageAnime, IDC_DB_LIST_ANIME))[1]);
}

// Cancelling the pattern dialog keeps the frames.
TEST_F(AnimeTest, CancelledPatternDialogKeepsTheFrames) {
    Open();
    ShowPage(kDbPageAnime);
    cOnDialog pattern("アニメパターン", [&](HWND dlg) {
        SetVal(dlg, IDC_PATTERN_CELL, "9");
        ClickWindow(GetDlgItem(dlg, IDC_PATTERN_INSERT));
        ClickWindow(GetDlgItem(dlg, kIdCancel));
    });
    Click(kDbPageAnime, IDC_ANIME_EDIT_PATTERN);
    ASSERT_TRUE(PumpUntil([&] { return pattern.Ran(); }));
    PumpMessages(30);
    Apply();
    cVector<cEdAnime> animes = ReadTable<cEdAnime>(kTableAnime);
    ASSERT_EQ(1u, animes[1].m_Frames.size());
    EXPECT_EQ(0, animes[1].m_Frames[0].m_Cell);
}

// Editing slot "飛行" copies slot 0's sample into it; from the anime set page
// the command box is disabled; the slot rows show name and frame count.
TEST_F(AnimeTest, EditingASlotTakesTheFirstSlotsSample) {
    Open();
    HWND slots = Item(kDbPageAnimeSet, IDC_ANIMESET_SLOTS);
    EXPECT_EQ("立ち ×1", Rows(slots)[0]);
    TypeInto(Item(kDbPageAnimeSet, IDC_ANIME_SAMPLE_NO), "7");
    ClickRow(slots, 2);
    bool runDisabled = false;
    cOnDialog pattern("アニメパターン", [&](HWND dlg) {
        runDisabled = !IsWindowEnabled(GetDlgItem(dlg, IDC_PATTERN_RUN));
        ClickWindow(GetDlgItem(dlg, IDC_PATTERN_INSERT));
        SetVal(dlg, IDC_PATTERN_CELL, "3");
        ClickWindow(GetDlgItem(dlg, kIdOk));
    });
    Click(kDbPageAnimeSet, IDC_ANIMESET_EDIT);
    ASSERT_TRUE(PumpUntil([&] { return pattern.Ran(); }));
    PumpMessages(30);
    EXPECT_TRUE(runDisabled);
    EXPECT_EQ("飛行 ×2", Rows(slots)[2]);
    Apply();
    cVector<cEdAnimeSet> sets = ReadTable<cEdAnimeSet>(kTableAnimeSet);
    ASSERT_EQ(4u, sets[0].m_Animes.size());
    EXPECT_EQ(7, sets[0].m_Animes[0].m_SampleNo);
    EXPECT_EQ(7, sets[0].m_Animes[2].m_SampleNo);
    EXPECT_EQ(3, sets[0].m_Animes[2].m_Frames[0].m_Cell);
}

// The sample kind decides the ranges: "専用bmp" limits the number to the
// character bitmaps and the start frame to 0..239 and disables "一覧";
// "ブロック" disables the start frame.
TEST_F(AnimeTest, SampleKindSetsTheRanges) {
    g_Database.m_BmpCharaExc.resize(4);
    Open();
    ShowPage(kDbPageAnime);
    ChooseItem(Item(kDbPageAnime, IDC_ANIME_SAMPLE_KIND), 4);
    TypeInto(Item(kDbPageAnime, IDC_ANIME_SAMPLE_NO), "50");
    TypeInto(Item(kDbPageAnime, IDC_ANIME_SAMPLE_CELL), "200");
    EXPECT_FALSE(IsWindowEnabled(Item(kDbPageAnime, IDC_ANIME_PICK)));
    EXPECT_TRUE(IsWindowEnabled(Item(kDbPageAnime, IDC_ANIME_SAMPLE_CELL)));
    ChooseItem(Item(kDbPageAnime, IDC_ANIME_SAMPLE_KIND), 0);
    EXPECT_FALSE(IsWindowEnabled(Item(kDbPageAnime, IDC_ANIME_SAMPLE_CELL)));
    EXPECT_TRUE(IsWindowEnabled(Item(kDbPageAnime, IDC_ANIME_PICK)));
    ChooseItem(Item(kDbPageAnime, IDC_ANIME_SAMPLE_KIND), 4);
    Apply();
    cVector<cEdAnime> animes = ReadTable<cEdAnime>(kTableAnime);
    EXPECT_EQ(4, animes[1].m_SampleKind);
    EXPECT_EQ(3, animes[1].m_SampleNo) << "at most the visible character bitmaps";
    EXPECT_EQ(200, animes[1].m_SampleCell);
}
