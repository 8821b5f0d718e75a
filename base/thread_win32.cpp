#include <windows.h>

#include <process.h>

#include "base/log.h"
#include "base/thread.h"

namespace {

// Polls (of about 1 ms) before a thread that has not ended is ended by
// force, and before the wait for that to take effect is given up.
const int kForcePolls = 200;
const int kGiveUpPolls = 2000;

}  // namespace

cThread::cThread() : m_ThreadId(0), m_hThread(nullptr), m_StopFlag(0) {}

cThread::~cThread() {
    Stop();
}

int cThread::Start(ThreadRoutine routine, void* arg) {
    m_StopFlag = 0;
    unsigned id = 0;
    m_hThread = reinterpret_cast<void*>(_beginthreadex(nullptr, 0, routine, arg, 0, &id));
    if (!m_hThread) {
        m_ThreadId = 0;
        return 0;
    }
    m_ThreadId = id;
    return 1;
}

int cThread::ResumeStep() {
    const DWORD previous = ResumeThread(static_cast<HANDLE>(m_hThread));
    if (previous == static_cast<DWORD>(-1)) return -1;
    return previous > 1 ? 2 : static_cast<int>(previous);
}

bool cThread::Resume() {
    if (!m_hThread) return true;
    const int previous = ResumeStep();
    return previous == 0 || previous == 1;
}

void cThread::Stop() {
    if (!m_hThread) return;
    HANDLE thread = static_cast<HANDLE>(m_hThread);
    m_StopFlag = 1;
    // Every resume takes one suspension away; a thread that cannot be resumed
    // at all is not tried forever.
    for (int i = 0; i <= MAXIMUM_SUSPEND_COUNT; ++i) {
        const int previous = ResumeStep();
        if (previous < 0 || previous <= 1) break;
    }
    ErrorLogF("Exit A");
    PostThreadMessageA(m_ThreadId, WM_QUIT, 0, 0);
    ErrorLogF("Exit B");
    ErrorLogF("Exit C");
    // A routine that makes its message queue late still gets WM_QUIT; one
    // that neither reads its queue nor looks at the stop flag is given about
    // 200 ms and then ended by force, so the caller never waits longer.
    for (int polls = 0; WaitForSingleObject(thread, 0) == WAIT_TIMEOUT; ++polls) {
        Sleep(1);
        PostThreadMessageA(m_ThreadId, WM_QUIT, 0, 0);
        if (polls >= kForcePolls) {
            TerminateThread(thread, 0);
            if (polls >= kGiveUpPolls) {
                ErrorLogF("Exit : thread does not end");
                break;
            }
        }
    }
    ErrorLogF("Exit D");
    CloseHandle(thread);
    m_hThread = nullptr;
    m_ThreadId = 0;
    ErrorLogF("Exit E");
}
