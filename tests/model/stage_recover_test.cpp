#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#ifndef _WIN32
#include <unistd.h>
#endif

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

TEST_F(StageRecover, AnIncompleteCopyIsNoCopy) {
    const std::string cut = m_Whole.substr(0, m_Whole.size() - 100);
    const std::string cutCopy = m_Whole.substr(0, m_Whole.size() - 4);
    ASSERT_TRUE(PutDataFile(kPath, cut));
    ASSERT_TRUE(PutDataFile(kBackup, cutCopy));
    EXPECT_EQ(RecoverStageFile(kPath), kRecoverNoBackup);
    EXPECT_EQ(GetDataFile(kPath), cut);
    EXPECT_EQ(GetDataFile(kBackup), cutCopy);
    // a copy of an old version has no trailer to look for and is taken
    StageParts p;
    const std::string old = I32(170) + StageBody(170, p);
    ASSERT_TRUE(PutDataFile(kBackup, old));
    EXPECT_EQ(RecoverStageFile(kPath), kRecoverRestored);
    EXPECT_EQ(GetDataFile(kPath), old);
}

#ifndef _WIN32
// "data\work\" on another file system than the stage folder: the copy is
// moved by copying.
TEST_F(StageRecover, CopyOnAnotherFileSystemIsMovedAcross) {
    const std::string other = "/dev/shm/stage_recover_" + std::to_string(getpid());
    if (!std::filesystem::is_directory("/dev/shm")) GTEST_SKIP() << "no second file system";
    std::filesystem::remove_all("data/work");
    std::filesystem::create_directory(other);
    std::filesystem::create_directory_symlink(other, "data/work");
    const std::string cut = m_Whole.substr(0, m_Whole.size() / 2);
    ASSERT_TRUE(PutDataFile(kPath, cut));
    ASSERT_TRUE(PutDataFile(kBackup, m_Whole));
    EXPECT_EQ(RecoverStageFile(kPath), kRecoverRestored);
    EXPECT_EQ(GetDataFile(kPath), m_Whole);
    EXPECT_FALSE(PathExists(kBackup));
    std::filesystem::remove("data/work");
    std::filesystem::remove_all(other);
}
#endif

// Reads a stage from memory while counting the stop checks of the file.
int g_StopChecks = 0;
int g_StopAfter = -1;
bool CountingStop(const void*) {
    ++g_StopChecks;
    return g_StopAfter >= 0 && g_StopChecks > g_StopAfter;
}

TEST_F(StageRecover, TheStopIsCheckedBetweenAnyTwoRecords) {
    // A stage of many palette entries and variable names but no cells: all
    // of it settings, palettes and vectors.
    cEdStage big;
    big.m_PalCharas.Reset(300);
    big.m_PalItems.Reset(300);
    cRecFile* mem = cRecFile::OpenMemoryWrite();
    big.Write(mem);
    const std::string bytes = mem->MemoryData();
    delete mem;

    auto read = [&](int after) {
        g_StopChecks = 0;
        g_StopAfter = after;
        cRecFile* f = cRecFile::OpenMemoryRead(bytes.data(), bytes.size());
        f->SetStopCheck(CountingStop, nullptr);
        cEdStage s;
        s.Read(f);
        const bool failed = f->Failed();
        delete f;
        return failed;
    };
    EXPECT_FALSE(read(-1));
    // one check per palette entry and variable name at least
    EXPECT_GE(g_StopChecks, 600 + 255);
    const int all = g_StopChecks;
    // a stop asked in the middle of the palettes ends the read at once
    EXPECT_TRUE(read(100));
    EXPECT_EQ(g_StopChecks, 101);
    EXPECT_LT(g_StopChecks, all);
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
