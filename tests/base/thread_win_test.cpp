#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>

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

}  // namespace

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
