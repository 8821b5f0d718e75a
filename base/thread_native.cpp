// Host build of the worker thread: a thread cannot be suspended here, so
// resuming always succeeds, and there is no message queue to post WM_QUIT to.
#include <thread>

#include "base/log.h"
#include "base/thread.h"

namespace {

uint32_t g_NextThreadId = 1;

}  // namespace

cThread::cThread() : m_ThreadId(0), m_hThread(nullptr), m_StopFlag(0) {}

cThread::~cThread() {
    Stop();
}

int cThread::Start(ThreadRoutine routine, void* arg) {
    m_StopFlag = 0;
    try {
        m_hThread = new std::thread(routine, arg);
    } catch (...) {
        m_hThread = nullptr;
        m_ThreadId = 0;
        return 0;
    }
    m_ThreadId = g_NextThreadId++;
    return 1;
}

int cThread::ResumeStep() {
    return 0;
}

bool cThread::Resume() {
    return true;
}

void cThread::Stop() {
    if (!m_hThread) return;
    std::thread* thread = static_cast<std::thread*>(m_hThread);
    m_StopFlag = 1;
    ErrorLogF("Exit A");
    ErrorLogF("Exit B");
    ErrorLogF("Exit C");
    thread->join();
    ErrorLogF("Exit D");
    delete thread;
    m_hThread = nullptr;
    m_ThreadId = 0;
    ErrorLogF("Exit E");
}
