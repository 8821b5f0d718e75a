#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>

#include "base/thread.h"

namespace {

struct sQueueReader {
    std::atomic<bool> ready{false};
    std::atomic<bool> gotQuit{false};
};

// Reads its message queue until WM_QUIT and never looks at the stop flag.
unsigned __stdcall QueueRoutine(void* arg) {
    sQueueReader* reader = static_cast<sQueueReader*>(arg);
    MSG msg;
    PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE);  // makes the queue
    reader->ready = true;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    }
    reader->gotQuit = msg.message == WM_QUIT;
    return 0;
}

unsigned __stdcall SpinUntilStopped(void* arg) {
    cThread* thread = static_cast<cThread*>(arg);
    while (!thread->StopRequested()) Sleep(1);
    return 0;
}

// Neither reads its queue nor looks at the stop flag.
unsigned __stdcall Deaf(void* arg) {
    std::atomic<int>* ticks = static_cast<std::atomic<int>*>(arg);
    for (;;) {
        ++*ticks;
        Sleep(1);
    }
}

}  // namespace

TEST(WorkerThreadQueue, AThreadThatIgnoresTheStopIsEndedAfterTheBound) {
    std::atomic<int> ticks{0};
    cThread thread;
    ASSERT_EQ(1, thread.Start(Deaf, &ticks));
    while (ticks == 0) Sleep(1);
    HANDLE copy = nullptr;
    ASSERT_TRUE(DuplicateHandle(GetCurrentProcess(), static_cast<HANDLE>(thread.m_hThread), GetCurrentProcess(), &copy,
                                0, FALSE, DUPLICATE_SAME_ACCESS));
    const auto before = std::chrono::steady_clock::now();
    thread.Stop();
    const auto took = std::chrono::steady_clock::now() - before;
    EXPECT_EQ(nullptr, thread.m_hThread);
    // about 200 polls of a millisecond; generous for a busy machine
    EXPECT_GE(took, std::chrono::milliseconds(150));
    EXPECT_LT(took, std::chrono::seconds(5));
    EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(copy, 5000)) << "the thread was ended";
    CloseHandle(copy);
}

TEST(WorkerThreadQueue, AThreadReadingItsQueueEndsOnQuit) {
    sQueueReader reader;
    cThread thread;
    ASSERT_EQ(1, thread.Start(QueueRoutine, &reader));
    while (!reader.ready) Sleep(1);
    thread.Stop();
    EXPECT_TRUE(reader.gotQuit);
}

TEST(WorkerThreadQueue, ASuspendedThreadIsResumedToRunToItsEnd) {
    cThread thread;
    ASSERT_EQ(1, thread.Start(SpinUntilStopped, &thread));
    HANDLE handle = static_cast<HANDLE>(thread.m_hThread);
    SuspendThread(handle);
    SuspendThread(handle);
    EXPECT_FALSE(thread.Resume());  // still suspended once
    SuspendThread(handle);
    thread.Stop();
    EXPECT_EQ(nullptr, thread.m_hThread);
}
