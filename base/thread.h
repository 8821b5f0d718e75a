// The worker thread. It is driven from the UI thread only; the routine runs on
// the new thread and shares its data with the program without locks.
//
// Stopping asks the routine to end (StopRequested, and WM_QUIT for a routine
// that reads its message queue) and waits about 200 ms for it; a routine that
// is still running then is ended by force. Routines that work for long check
// StopRequested often (the stage reader does between any two records), so
// they end on their own well within the bound. The host build has no forced
// end: it waits for the routine.
#pragma once

#include <atomic>
#include <cstdint>

#ifdef _WIN32
#define THREAD_CALL __stdcall
#else
#define THREAD_CALL
#endif

// The routine a thread runs: one pointer-sized argument, an exit code.
typedef unsigned(THREAD_CALL* ThreadRoutine)(void*);

class cThread {
public:
    cThread();
    ~cThread();
    cThread(const cThread&) = delete;
    cThread& operator=(const cThread&) = delete;

    // Starts routine(arg) at once; 0 when the thread cannot be created.
    int Start(ThreadRoutine routine, void* arg);
    // True when there is no thread or it runs now (it was not suspended, or
    // resuming it let it run).
    bool Resume();
    // Asks the thread to end, waits until it has (ending it by force after
    // about 200 ms), and forgets it. Nothing when there is no thread. Logs
    // "Exit A" to "Exit E" to the error log.
    void Stop();
    // Set from Stop on: a routine that works for long checks it between its
    // steps and returns.
    bool StopRequested() const { return m_StopFlag.load() != 0; }

    uint32_t m_ThreadId;  // 0 when no thread was started
    void* m_hThread;      // the thread's handle; null when there is none

private:
    // Resumes once: the suspension count it had before (2 for any above 1),
    // or -1 when resuming fails.
    int ResumeStep();

    std::atomic<int> m_StopFlag;
};
