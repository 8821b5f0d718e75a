#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "base/paths.h"
#include "base/platform.h"
#include "model/palette.h"
#include "model/prjoption.h"
#include "model/stage.h"
#include "tests/model/stage_layouts.h"
#include "tests/support/box_catcher.h"
#include "tests/support/test_env.h"
#include "ui/stage_load.h"

using namespace recbytes;

namespace {

const char* const kPath = "data\\stg4\\t.stg4_248";
const char* const kBackup = "data\\work\\t.stg4_248";

std::string StageFileBytes(cEdStage& s) {
    cRecFile* mem = cRecFile::OpenMemoryWrite();
    mem->WriteInt(248);
    s.Write(mem);
    std::string bytes = mem->MemoryData();
    delete mem;
    return bytes;
}

class StageLoad : public testing::Test {
protected:
    void SetUp() override {
        g_PrjOption.SetDefault();
        g_CommonPalette.SetDefault();
        g_Stage.SetDefault();
        g_Stage.m_Name = "いまの";
        CreateFoldersOf(kPath);
        CreateFoldersOf(kBackup);
        RemoveFile(kPath);
        RemoveFile(kBackup);
        cEdStage s;
        s.m_Name = "ファイル";
        s.SetSize(40, 30, 0, 0);
        s.m_Charas[s.CellIndex(39, 29)].m_Graphic = 2;
        m_Whole = StageFileBytes(s);
    }
    void TearDown() override {
        g_Stage.SetDefault();
        EXPECT_FALSE(m_Wnd.TakeCloseRequest());
    }
    std::string m_Whole;
    TestAppWindow m_Wnd;
};

TEST_F(StageLoad, CompleteFileLoadsWithoutABox) {
    ASSERT_TRUE(PutDataFile(kPath, m_Whole));
    BoxCatcher boxes;
    EXPECT_EQ(LoadStageThreaded(kPath), 1);
    EXPECT_TRUE(boxes.Take().empty());
    EXPECT_EQ(g_Stage.m_Name, "ファイル");
    EXPECT_EQ(g_Stage.m_Width, 40);
    EXPECT_EQ(g_Stage.m_Charas[g_Stage.CellIndex(39, 29)].m_Graphic, 2);
    EXPECT_EQ(g_Stage.m_LoadPath, kPath);
    EXPECT_EQ(g_WorkerThread.m_hThread, nullptr);
}

TEST_F(StageLoad, MissingOrDamagedFileFailsWithTheMessage) {
    BoxCatcher boxes;
    EXPECT_EQ(LoadStageThreaded("data\\stg4\\none.stg4_248"), 0);
    auto caught = boxes.Take();
    ASSERT_EQ(caught.size(), 1u);
    EXPECT_EQ(caught[0].text, "ステージファイル data\\stg4\\none.stg4_248 の読み込みに失敗しました！");
    EXPECT_EQ(g_Stage.m_Name, "いまの");

    // cut short and nothing in "data\work\": kept, and the box says so
    const std::string cut = m_Whole.substr(0, m_Whole.size() / 2);
    ASSERT_TRUE(PutDataFile(kPath, cut));
    EXPECT_EQ(LoadStageThreaded(kPath), 0);
    caught = boxes.Take();
    ASSERT_EQ(caught.size(), 2u);
    EXPECT_EQ(caught[0].caption, "ファイルの復旧");
    EXPECT_NE(caught[0].text.find("復旧できませんでした"), std::string::npos);
    EXPECT_EQ(caught[1].text, std::string("ステージファイル ") + kPath + " の読み込みに失敗しました！");
    EXPECT_EQ(GetDataFile(kPath), cut);
    EXPECT_EQ(g_Stage.m_Name, "いまの");
}

TEST_F(StageLoad, BrokenFileIsRestoredFromItsCopyAndLoaded) {
    ASSERT_TRUE(PutDataFile(kPath, m_Whole.substr(0, m_Whole.size() - 100)));
    ASSERT_TRUE(PutDataFile(kBackup, m_Whole));
    BoxCatcher boxes;
    EXPECT_EQ(LoadStageThreaded(kPath), 1);
    auto caught = boxes.Take();
    ASSERT_EQ(caught.size(), 1u);
    EXPECT_EQ(caught[0].caption, "ファイルの復旧");
    EXPECT_EQ(caught[0].text, std::string("破損ファイル ") + kPath +
                                  " を復旧しました！\n※ただし、前回の更新内容が保存されていない可能性があります…");
    EXPECT_EQ(g_Stage.m_Name, "ファイル");
    EXPECT_EQ(GetDataFile(kPath), m_Whole);
}

TEST_F(StageLoad, QuitDuringTheLoadAbandonsItAndStopsTheWorker) {
    ASSERT_TRUE(PutDataFile(kPath, m_Whole));
    BoxCatcher boxes;
    PostQuitMessage(0);
    EXPECT_EQ(LoadStageThreaded(kPath), 0);
    EXPECT_TRUE(boxes.Take().empty());
    EXPECT_EQ(g_WorkerThread.m_hThread, nullptr);  // stopped and waited for
    EXPECT_EQ(g_Stage.m_Name, "いまの");           // nothing half-read was taken
    // posted again, so the program still ends once the load is over
    MSG msg;
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(0u, msg.wParam);
    EXPECT_FALSE(PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    // the next load works
    EXPECT_EQ(LoadStageThreaded(kPath), 1);
    EXPECT_EQ(g_Stage.m_Name, "ファイル");
}

}  // namespace

namespace {

struct sSeen {
    int keys = 0;
    int clicks = 0;
    int other = 0;
};
sSeen g_Seen;

LRESULT CALLBACK CountingProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_KEYDOWN || msg == WM_CHAR) ++g_Seen.keys;
    if (msg == WM_LBUTTONDOWN || msg == WM_LBUTTONUP) ++g_Seen.clicks;
    if (msg == WM_APP) ++g_Seen.other;
    return DefWindowProcA(wnd, msg, wp, lp);
}

}  // namespace

TEST_F(StageLoad, KeysAndClicksMadeDuringTheLoadNeverReachAWindow) {
    ASSERT_TRUE(PutDataFile(kPath, m_Whole));
    WNDCLASSA wc = {};
    wc.lpfnWndProc = CountingProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "StageLoadCounting";
    RegisterClassA(&wc);
    HWND wnd = CreateWindowA("StageLoadCounting", "", WS_OVERLAPPED, 0, 0, 50, 50, nullptr, nullptr,
                             wc.hInstance, nullptr);
    ASSERT_NE(nullptr, wnd);
    g_Seen = sSeen();
    PostMessageA(wnd, WM_KEYDOWN, VK_SPACE, 0);
    PostMessageA(wnd, WM_CHAR, ' ', 0);
    PostMessageA(wnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    PostMessageA(wnd, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(LoadStageThreaded(kPath), 1);
    // whatever is queued after the load is delivered as usual
    PostMessageA(wnd, WM_APP, 0, 0);
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
    EXPECT_EQ(0, g_Seen.keys);
    EXPECT_EQ(0, g_Seen.clicks);
    EXPECT_EQ(1, g_Seen.other);
    DestroyWindow(wnd);
}

TEST_F(StageLoad, BrokenFileThatCannotBeReplacedIsKeptAndSaid) {
    // The broken file is held open by another program: its copy cannot take
    // its place. Both stay as they are, and the user is told.
    const std::string cut = m_Whole.substr(0, m_Whole.size() - 100);
    ASSERT_TRUE(PutDataFile(kPath, cut));
    ASSERT_TRUE(PutDataFile(kBackup, m_Whole));
    FILE* held = fopen(kPath, "rb");
    ASSERT_NE(nullptr, held);
    BoxCatcher boxes;
    EXPECT_EQ(RecoverStage(kPath), 1);
    fclose(held);
    auto caught = boxes.Take();
    ASSERT_EQ(caught.size(), 1u);
    EXPECT_EQ(caught[0].caption, "エラー");
    EXPECT_NE(caught[0].text.find("復旧できませんでした"), std::string::npos);
    EXPECT_EQ(GetDataFile(kPath), cut);
    EXPECT_EQ(GetDataFile(kBackup), m_Whole);
}

TEST_F(StageLoad, FailedSaveKeepsItsCopyInTheWorkFolder) {
    ASSERT_TRUE(PutDataFile(kPath, m_Whole));
    // the file cannot be replaced while it is held open
    FILE* held = fopen(kPath, "rb");
    ASSERT_NE(nullptr, held);
    g_Stage.m_Name = "新しい";
    EXPECT_EQ(SaveStageFile(g_Stage, kPath), 0);
    fclose(held);
    EXPECT_EQ(GetDataFile(kPath), m_Whole);
    EXPECT_EQ(GetDataFile(kBackup), m_Whole) << "the copy of the old file stays in data\\work\\";
    // the next save that succeeds removes it
    EXPECT_EQ(SaveStageFile(g_Stage, kPath), 1);
    EXPECT_FALSE(PathExists(kBackup));
}

TEST_F(StageLoad, LatestCopyAndCopyTarget) {
    // the newest numbered copy is the one read
    const char* base = "data\\stg4\\tmpl.stg4_248";
    cEdStage older;
    older.m_Name = "古い";
    ASSERT_TRUE(PutDataFile("data\\stg4\\tmpl.stg4_007", StageFileBytes(older)));
    ASSERT_TRUE(PutDataFile("data\\stg4\\tmpl.stg4_012", m_Whole));
    BoxCatcher boxes;
    cEdStage target;
    EXPECT_EQ(LoadStageThreaded(base, true, &target), 1);
    EXPECT_EQ(g_Stage.m_Name, "ファイル");
    EXPECT_EQ(g_Stage.m_LoadPath, "data\\stg4\\tmpl.stg4_012");
    EXPECT_EQ(target.m_Name, "ファイル");
    EXPECT_EQ(target.m_Width, 40);
    EXPECT_EQ(target.m_Charas[target.CellIndex(39, 29)].m_Graphic, 2);
    EXPECT_TRUE(boxes.Take().empty());

    // no numbered copy: nothing is loaded, nothing is said
    g_Stage.m_Name = "いまの";
    EXPECT_EQ(LoadStageThreaded("data\\stg4\\none.stg4_248", true), 0);
    EXPECT_TRUE(boxes.Take().empty());
    EXPECT_EQ(g_Stage.m_Name, "いまの");
    RemoveFile("data\\stg4\\tmpl.stg4_007");
    RemoveFile("data\\stg4\\tmpl.stg4_012");
}
