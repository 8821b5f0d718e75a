// A stand-in for the MIDI stream device: it records the calls and keeps
// the buffers sent out queued until a test plays them.
#pragma once

#include <windows.h>
#include <mmsystem.h>

#include <deque>
#include <string>
#include <vector>

#include "base/midiplayer.h"

// What the stand-in stream saw, shared with the test after the player goes.
struct sStreamLog {
    std::vector<std::string> calls;
    std::vector<std::string> outs;  // the events of every buffer sent out
    std::deque<MIDIHDR*> queue;     // buffers the "device" holds, oldest first
    DWORD thread = 0;
};

// Stands in for the device: keeps the buffers queued until the test plays one.
class cFakeStream : public cMidiStream {
public:
    cFakeStream(sStreamLog* log, CRITICAL_SECTION* cs) : m_pLog(log), m_pCs(cs) {}
    MMRESULT Open(DWORD threadId) override {
        Note("Open");
        m_pLog->thread = threadId;
        return 0;
    }
    MMRESULT SetTimeDiv(DWORD division) override { return Note("TimeDiv " + std::to_string(division)); }
    MMRESULT Restart() override { return Note("Restart"); }
    MMRESULT Pause() override { return Note("Pause"); }
    MMRESULT Stop() override {
        ReturnAll();
        return Note("Stop");
    }
    MMRESULT Prepare(MIDIHDR* h) override {
        h->dwFlags |= MHDR_PREPARED;
        return Note("Prepare " + std::to_string(h->dwUser));
    }
    MMRESULT Out(MIDIHDR* h) override {
        EnterCriticalSection(m_pCs);
        h->dwFlags |= MHDR_INQUEUE;
        h->dwFlags &= ~DWORD(MHDR_DONE);
        m_pLog->queue.push_back(h);
        m_pLog->outs.push_back(std::string(h->lpData, h->dwBytesRecorded));
        LeaveCriticalSection(m_pCs);
        return Note("Out " + std::to_string(h->dwUser));
    }
    MMRESULT Reset() override {
        ReturnAll();
        return Note("Reset");
    }
    MMRESULT Unprepare(MIDIHDR* h) override {
        h->dwFlags &= ~DWORD(MHDR_PREPARED);
        return Note("Unprepare " + std::to_string(h->dwUser));
    }
    MMRESULT Close() override { return Note("Close"); }

private:
    MMRESULT Note(const std::string& call) {
        EnterCriticalSection(m_pCs);
        m_pLog->calls.push_back(call);
        LeaveCriticalSection(m_pCs);
        return 0;
    }
    void ReturnAll() {
        EnterCriticalSection(m_pCs);
        for (MIDIHDR* h : m_pLog->queue) h->dwFlags = (h->dwFlags & ~DWORD(MHDR_INQUEUE)) | MHDR_DONE;
        m_pLog->queue.clear();
        LeaveCriticalSection(m_pCs);
    }
    sStreamLog* m_pLog;
    CRITICAL_SECTION* m_pCs;
};

// The log and lock that players made through g_NewMidiStream share.
struct sSharedFakeStreams {
    sSharedFakeStreams() { InitializeCriticalSection(&cs); }
    ~sSharedFakeStreams() { DeleteCriticalSection(&cs); }
    CRITICAL_SECTION cs;
    sStreamLog log;
};
inline sSharedFakeStreams& SharedFakeStreams() {
    static sSharedFakeStreams shared;
    return shared;
}
inline cMidiStream* NewSharedFakeStream() {
    return new cFakeStream(&SharedFakeStreams().log, &SharedFakeStreams().cs);
}
