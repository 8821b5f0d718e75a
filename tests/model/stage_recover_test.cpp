#include <gtest/gtest.h>

#include <string>

#include "base/paths.h"
#include "base/platform.h"
#include "base/thread.h"
#include "model/palette.h"
#include "model/prjoption.h"
#include "model/stage.h"
#include "tests/model/stage_layouts.h"
#include "tests/support/test_env.h"

using namespace recbytes;

namespace {

const char* const kPath = "data\\stg4\\s.stg4_248";
const char* const kBackup = "data\\work\\s.stg4_248";

class StageRecover : public testing::Test {
protected:
    void SetUp() override {
        g_PrjOption.SetDefault();
        g_CommonPalette.SetDefault();
        CreateFoldersOf(kPath);
        CreateFoldersOf(kBackup);
        RemoveFile(kPath);
        RemoveFile(kBackup);
        cEdStage s;
        s.m_Name = "完全";
        s.m_Blocks[s.CellIndex(1, 1)].m_Graphic = 3;
        cRecFile* mem = cRecFile::OpenMemoryWrite();
        mem->WriteInt(248);
        s.Write(mem);
        m_Whole = mem->MemoryData();
        delete mem;
    }
    void TearDown() override { EXPECT_FALSE(m_Wnd.TakeCloseRequest()); }
    std::string m_Whole;
    TestAppWindow m_Wnd;
};

TEST_F(StageRecover, CompleteOldAndMissingFilesAreLeftAlone) {
    EXPECT_EQ(RecoverStageFile(kPath), kRecoverNone);  // no file
    ASSERT_TRUE(PutDataFile(kPath, m_Whole));
    EXPECT_EQ(RecoverStageFile(kPath), kRecoverNone);
    // a version-150 file has no trailer and is not examined
    StageParts p;
    ASSERT_TRUE(PutDataFile(kPath, I32(150) + StageBody(150, p)));
    ASSERT_TRUE(PutDataFile(kBackup, m_Whole));
    EXPECT_EQ(RecoverStageFile(kPath), kRecoverNone);
    EXPECT_EQ(GetDataFile(kPath), I32(150) + StageBody(150, p));
    cEdStage s;
    EXPECT_EQ(LoadStageFile(s, kPath), 1);
}

TEST_F(StageRecover, BrokenFileTakesItsCopy) {
    const std::string cut = m_Whole.substr(0, m_Whole.size() / 2);
    ASSERT_TRUE(PutDataFile(kPath, cut));
    ASSERT_TRUE(PutDataFile(kBackup, m_Whole));
    EXPECT_EQ(RecoverStageFile(kPath), kRecoverRestored);
    EXPECT_EQ(GetDataFile(kPath), m_Whole);
    EXPECT_FALSE(PathExists(kBackup));
    cEdStage s;
    ASSERT_EQ(LoadStageFile(s, kPath), 1);
    EXPECT_EQ(s.m_Name, "完全");
}

TEST_F(StageRecover, BrokenFileWithoutCopyIsKept) {
    for (const std::string& broken : {m_Whole.substr(0, m_Whole.size() - 4), m_Whole.substr(0, 6)}) {
        ASSERT_TRUE(PutDataFile(kPath, broken));
        EXPECT_EQ(RecoverStageFile(kPath), kRecoverNoBackup);
        EXPECT_EQ(GetDataFile(kPath), broken);  // the only copy is never lost
        cEdStage s;
        s.m_Name = "前";
        EXPECT_EQ(LoadStageFile(s, kPath), 0);
        EXPECT_EQ(s.m_Name, "前");
    }
}

unsigned THREAD_CALL Nothing(void*) {
    return 0;
}

TEST_F(StageRecover, AStopAskedForEndsTheRead) {
    ASSERT_TRUE(PutDataFile(kPath, m_Whole));
    cThread t;
    ASSERT_EQ(t.Start(Nothing, nullptr), 1);
    t.Stop();
    ASSERT_TRUE(t.StopRequested());
    cEdStage s;
    s.m_Name = "前";
    cString why;
    EXPECT_EQ(LoadStageFile(s, kPath, &t, &why), 0);
    EXPECT_EQ(why, "the load was stopped");
    EXPECT_EQ(s.m_Name, "前");
}

}  // namespace
