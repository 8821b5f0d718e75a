#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <string>
#include <thread>

#include "base/log.h"
#include "base/thread.h"
#include "tests/support/test_env.h"

namespace {

class WorkerThread : public ::testing::Test {
protected:
    void SetUp() override {
        RemoveErrorLog();
        SetErrorLog(1, "RI_Zedevu.txt");
        g_ErrorLog.writtenOnce = 0;
    }
    void TearDown() override {
        SetErrorLog(0, "RI_Zedevu.txt");
        RemoveErrorLog();
        g_ErrorLog.writtenOnce = 0;  // the next line starts a fresh log
    }
    static void RemoveErrorLog() { std::remove("RI_Zedevu.txt"); }
    static std::string ErrorLines() {
        std::string out;
        for (char c : ReadWholeFile("RI_Zedevu.txt")) {
            if (c != '\r') out += c;
        }
        return out;
    }
};

const char kExitLines[] = "Exit A\nExit B\nExit C\nExit D\nExit E\n";

void SleepMs(int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }

// A loader that reads for a while without looking at anything, then works on
// in steps until it is asked to stop.
struct sLoader {
    cThread* thread;
    std::atomic<bool> started{false};
    std::atomic<bool> readDone{false};
    std::atomic<bool> returned{false};
};

unsigned THREAD_CALL LoaderRoutine(void* arg) {
    sLoader* loader = static_cast<sLoader*>(arg);
    loader->started = true;
    SleepMs(60);  // one read, shorter than the stop's bound
    loader->readDone = true;
    while (!loader->thread->StopRequested()) SleepMs(1);
    loader->returned = true;
    return 0;
}

unsigned THREAD_CALL QuickRoutine(void* arg) {
    ++*static_cast<std::atomic<int>*>(arg);
    return 3;
}

}  // namespace

TEST_F(WorkerThread, StopOfAnUnstartedThreadDoesNothing) {
    cThread thread;
    EXPECT_EQ(0u, thread.m_ThreadId);
    EXPECT_EQ(nullptr, thread.m_hThread);
    EXPECT_TRUE(thread.Resume());
    thread.Stop();
    thread.Stop();
    EXPECT_FALSE(FileExists("RI_Zedevu.txt"));
}

TEST_F(WorkerThread, StopWaitsForTheRoutineToFinishItsRead) {
    cThread thread;
    sLoader loader;
    loader.thread = &thread;
    ASSERT_EQ(1, thread.Start(LoaderRoutine, &loader));
    EXPECT_NE(nullptr, thread.m_hThread);
    while (!loader.started) SleepMs(1);
    EXPECT_FALSE(thread.StopRequested());
    thread.Stop();
    // Not ended by force half-way: the read completed within the bound and
    // the routine returned.
    EXPECT_TRUE(loader.readDone);
    EXPECT_TRUE(loader.returned);
    EXPECT_EQ(0u, thread.m_ThreadId);
    EXPECT_EQ(nullptr, thread.m_hThread);
    EXPECT_EQ(kExitLines, ErrorLines());
}

TEST_F(WorkerThread, FinishedThreadIsForgottenAndCanStartAgain) {
    std::atomic<int> runs{0};
    cThread thread;
    for (int round = 1; round <= 2; ++round) {
        ASSERT_EQ(1, thread.Start(QuickRoutine, &runs));
        while (runs < round) SleepMs(1);
        SleepMs(20);
        const auto before = std::chrono::steady_clock::now();
        thread.Stop();
        EXPECT_LT(std::chrono::steady_clock::now() - before, std::chrono::milliseconds(150));
        EXPECT_EQ(nullptr, thread.m_hThread);
        thread.Stop();  // a second stop is harmless
    }
    EXPECT_EQ(2, runs);
    EXPECT_EQ(std::string(kExitLines) + kExitLines, ErrorLines());
}

TEST_F(WorkerThread, DestructorStopsTheThread) {
    sLoader loader;
    {
        cThread thread;
        loader.thread = &thread;
        ASSERT_EQ(1, thread.Start(LoaderRoutine, &loader));
    }
    EXPECT_TRUE(loader.returned);
}
