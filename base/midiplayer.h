// Plays the single-track image of a MIDI file through a MIDI stream on the
// MIDI mapper: two buffers of stream events in flight, refilled by a callback
// thread of the player's own, with looping at the end of the song.
#pragma once

#include <windows.h>
#include <mmsystem.h>

#include <cstdint>

#include "base/midifile.h"

// The stream calls of a player. The default goes to winmm's midiStream*
// functions; a stand-in takes its place where no device is wanted.
class cMidiStream {
public:
    virtual ~cMidiStream() {}
    // Opens the stream on the MIDI mapper; its callbacks go to the thread.
    virtual MMRESULT Open(DWORD threadId) = 0;
    virtual MMRESULT SetTimeDiv(DWORD division) = 0;
    virtual MMRESULT Restart() = 0;
    virtual MMRESULT Pause() = 0;
    virtual MMRESULT Stop() = 0;
    virtual MMRESULT Prepare(MIDIHDR* hdr) = 0;
    virtual MMRESULT Out(MIDIHDR* hdr) = 0;
    virtual MMRESULT Reset() = 0;
    virtual MMRESULT Unprepare(MIDIHDR* hdr) = 0;
    virtual MMRESULT Close() = 0;
};

// The stream of winmm.
cMidiStream* NewWinMidiStream();
// Makes the stream of a player built without one (NewWinMidiStream unless a
// stand-in is put here).
extern cMidiStream* (*g_NewMidiStream)();

const int kMidiBufferCount = 2;
const int kMidiBufferSize = 24000;
// Event word of the end of the song: the callback flag with FF 2F 00.
const DWORD kMidiEndEvent = 0x40002FFF;

enum eMidiState { kMidiStopped = 0, kMidiPlaying = 1, kMidiPaused = 2 };

class cMidiPlayer : public cMidiFile {
public:
    // Reads the file; with a song, opens the stream (winmm's when none is
    // given; the player owns it) and queues the first buffer.
    explicit cMidiPlayer(const char* path, cMidiStream* stream = nullptr);
    ~cMidiPlayer() override;

    void Play(int loop);
    // Pause nonzero pauses a playing song; 0 stops it and rewinds.
    void Stop(int pause);
    bool HasSong() const { return m_pImage != nullptr; }
    // Whether the stream opened: a song without it plays nothing.
    bool IsOpen() const { return m_bOpen; }

    int State();
    int Position();
    int EndPosition() const { return kMidiImageHeaderSize + int(ImageEventLength()); }
    // Callback messages the thread has handled so far.
    long HandledCallbacks() const { return m_nHandled; }
    DWORD ThreadId() const { return m_dwThreadId; }

    // Fills a header's data block with stream events from the image bytes
    // (at most avail of them); the image bytes consumed.
    int FillBuffer(const uint8_t* events, int avail, MIDIHDR* hdr);

private:
    void Open();
    void QueueBuffer();
    void OnCallback(UINT msg, MIDIHDR* hdr);
    void Check(MMRESULT r, const char* what);
    static unsigned __stdcall MidiThreadProc(void* arg);

    cMidiStream* m_pStream = nullptr;
    int m_nCurBuf = 0;
    MIDIHDR* m_pHeaders = nullptr;
    uint8_t m_byBufCount = kMidiBufferCount;
    int m_nBufSize = kMidiBufferSize;
    int m_nPos = kMidiImageHeaderSize;
    int m_nState = kMidiStopped;
    HANDLE m_hThread = nullptr;
    DWORD m_dwThreadId = 0;
    int m_nLoop = 0;
    bool m_bOpen = false;
    DWORD m_dwCarried = 0;  // delta times of events consumed but not sent
    volatile long m_nHandled = 0;
    CRITICAL_SECTION m_Lock;
    char m_szError[512];
};
