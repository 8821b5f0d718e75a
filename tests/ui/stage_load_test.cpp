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
    MSG msg;
    EXPECT_FALSE(PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));  // not posted again
    // the next load works
    EXPECT_EQ(LoadStageThreaded(kPath), 1);
    EXPECT_EQ(g_Stage.m_Name, "ファイル");
}

}  // namespace
