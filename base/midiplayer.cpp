#include "base/midiplayer.h"

#include <process.h>

#include <cstring>

#include "base/log.h"

namespace {

// A stream that did not open is never called: winmm may hand out the handle
// of a stream that it already freed when the open fails.
class cWinMidiStream : public cMidiStream {
public:
    MMRESULT Open(DWORD threadId) override {
        UINT device = MIDI_MAPPER;
        MMRESULT r = midiStreamOpen(&m_hStream, &device, 1, threadId, 0, CALLBACK_THREAD);
        if (r != MMSYSERR_NOERROR) m_hStream = nullptr;
        return r;
    }
    MMRESULT SetTimeDiv(DWORD division) override {
        if (!m_hStream) return MMSYSERR_INVALHANDLE;
        MIDIPROPTIMEDIV prop;
        prop.cbStruct = sizeof prop;
        prop.dwTimeDiv = division;
        return midiStreamProperty(m_hStream, reinterpret_cast<LPBYTE>(&prop), MIDIPROP_SET | MIDIPROP_TIMEDIV);
    }
    MMRESULT Restart() override { return m_hStream ? midiStreamRestart(m_hStream) : MMSYSERR_INVALHANDLE; }
    MMRESULT Pause() override { return m_hStream ? midiStreamPause(m_hStream) : MMSYSERR_INVALHANDLE; }
    MMRESULT Stop() override { return m_hStream ? midiStreamStop(m_hStream) : MMSYSERR_INVALHANDLE; }
    MMRESULT Prepare(MIDIHDR* hdr) override {
        return m_hStream ? midiOutPrepareHeader(Out(), hdr, sizeof *hdr) : MMSYSERR_INVALHANDLE;
    }
    MMRESULT Out(MIDIHDR* hdr) override {
        return m_hStream ? midiStreamOut(m_hStream, hdr, sizeof *hdr) : MMSYSERR_INVALHANDLE;
    }
    MMRESULT Reset() override { return m_hStream ? midiOutReset(Out()) : MMSYSERR_INVALHANDLE; }
    MMRESULT Unprepare(MIDIHDR* hdr) override {
        return m_hStream ? midiOutUnprepareHeader(Out(), hdr, sizeof *hdr) : MMSYSERR_INVALHANDLE;
    }
    MMRESULT Close() override {
        if (!m_hStream) return MMSYSERR_INVALHANDLE;
        MMRESULT r = midiStreamClose(m_hStream);
        m_hStream = nullptr;
        return r;
    }

private:
    HMIDIOUT Out() const { return reinterpret_cast<HMIDIOUT>(m_hStream); }
    HMIDISTRM m_hStream = nullptr;
};

void PutLe32(uint8_t* p, DWORD v) { memcpy(p, &v, 4); }
DWORD GetLe32(const uint8_t* p) {
    DWORD v;
    memcpy(&v, p, 4);
    return v;
}

// Holds the player's lock for a scope.
class cLockHold {
public:
    explicit cLockHold(CRITICAL_SECTION* cs) : m_pCs(cs) { EnterCriticalSection(cs); }
    ~cLockHold() { LeaveCriticalSection(m_pCs); }

private:
    CRITICAL_SECTION* m_pCs;
};

const int kEventSize = 12;  // delta time, stream id, event word

}  // namespace

cMidiStream* NewWinMidiStream() { return new cWinMidiStream; }

cMidiStream* (*g_NewMidiStream)() = NewWinMidiStream;

cMidiPlayer::cMidiPlayer(const char* path, cMidiStream* stream) : cMidiFile(path), m_pStream(stream) {
    InitializeCriticalSection(&m_Lock);
    m_szError[0] = '\0';
    if (!m_pStream) m_pStream = g_NewMidiStream();
    if (m_pImage) Open();
}

cMidiPlayer::~cMidiPlayer() {
    if (m_pImage) {
        // The callback thread ends before anything it uses goes.
        if (m_hThread) {
            while (!PostThreadMessageA(m_dwThreadId, WM_QUIT, 0, 0)) {
                if (WaitForSingleObject(m_hThread, 1) != WAIT_TIMEOUT) break;
            }
            WaitForSingleObject(m_hThread, INFINITE);
            CloseHandle(m_hThread);
            m_hThread = nullptr;
        }
        cLockHold hold(&m_Lock);
        Check(m_pStream->Reset(), "Midi %s Reset %s");
        for (int i = 0; i < m_byBufCount; ++i) Check(m_pStream->Unprepare(&m_pHeaders[i]), "Midi %s Unprepare %s");
        Check(m_pStream->Close(), "Midi %s Close %s");
        for (int i = 0; i < m_byBufCount; ++i) delete[] m_pHeaders[i].lpData;
        delete[] m_pHeaders;
        m_pHeaders = nullptr;
    }
    delete m_pStream;
    DeleteCriticalSection(&m_Lock);
}

void cMidiPlayer::Check(MMRESULT r, const char* what) {
    if (r == MMSYSERR_NOERROR) return;
    m_szError[0] = '\0';
    // The multimedia codes that MCI has no text for are told by the MIDI output.
    if (!mciGetErrorStringA(r, m_szError, sizeof m_szError) || !m_szError[0]) {
        midiOutGetErrorTextA(r, m_szError, sizeof m_szError);
    }
    ReportLogE(what, m_Name.CStr(), m_szError);
}

void cMidiPlayer::Open() {
    m_nCurBuf = 0;
    m_byBufCount = kMidiBufferCount;
    m_nBufSize = kMidiBufferSize;
    m_pHeaders = new MIDIHDR[m_byBufCount];
    memset(m_pHeaders, 0, sizeof(MIDIHDR) * m_byBufCount);
    for (int i = 0; i < m_byBufCount; ++i) {
        m_pHeaders[i].lpData = reinterpret_cast<LPSTR>(new uint8_t[m_nBufSize]());
        m_pHeaders[i].dwBufferLength = DWORD(m_nBufSize);
        m_pHeaders[i].dwUser = DWORD_PTR(i);
    }
    unsigned id = 0;
    m_hThread = reinterpret_cast<HANDLE>(_beginthreadex(nullptr, 0, MidiThreadProc, this, 0, &id));
    m_dwThreadId = id;
    if (m_hThread) {
        // The thread's message queue exists once a post succeeds.
        while (!PostThreadMessageA(m_dwThreadId, WM_APP, 0, 0)) Sleep(1);
    } else {
        ReportLogE("Midi %s Thread %s", m_Name.CStr(), "");
    }
    MMRESULT opened = m_pStream->Open(m_dwThreadId);
    m_bOpen = opened == MMSYSERR_NOERROR;
    Check(opened, "Midi %s Open %s");
    Check(m_pStream->SetTimeDiv(DWORD((m_pImage[kMidiImageDivisionOfs] << 8) | m_pImage[kMidiImageDivisionOfs + 1])),
          "Midi %s Property %s");
    cLockHold hold(&m_Lock);
    m_nPos = kMidiImageHeaderSize;
    m_dwCarried = 0;
    m_nState = kMidiStopped;
    QueueBuffer();
}

int cMidiPlayer::State() {
    cLockHold hold(&m_Lock);
    return m_nState;
}

int cMidiPlayer::Position() {
    cLockHold hold(&m_Lock);
    return m_nPos;
}

void cMidiPlayer::Play(int loop) {
    if (!m_pImage) return;
    cLockHold hold(&m_Lock);
    m_nLoop = loop;
    if (m_nState == kMidiPlaying) return;
    Check(m_pStream->Restart(), "Midi %s Restart %s");
    if (m_nState == kMidiPaused) {
        m_nState = kMidiPlaying;
        return;
    }
    m_nState = kMidiPlaying;
    if (m_nPos < EndPosition()) QueueBuffer();
}

void cMidiPlayer::Stop(int pause) {
    if (!m_pImage) return;
    cLockHold hold(&m_Lock);
    if (pause) {
        if (m_nState == kMidiPlaying) {
            Check(m_pStream->Pause(), "Midi %s Pause %s");
            m_nState = kMidiPaused;
        }
        return;
    }
    Check(m_pStream->Stop(), "Midi %s Stop %s");
    m_nState = kMidiStopped;
    m_nPos = kMidiImageHeaderSize;
    m_dwCarried = 0;
    QueueBuffer();
}

void cMidiPlayer::QueueBuffer() {
    cLockHold hold(&m_Lock);
    if (m_nPos >= EndPosition()) return;
    MIDIHDR* hdr = &m_pHeaders[m_nCurBuf];
    if (hdr->dwFlags & MHDR_INQUEUE) return;
    if (hdr->dwFlags & MHDR_PREPARED) Check(m_pStream->Unprepare(hdr), "Midi %s Unprepare %s");
    m_nPos += FillBuffer(m_pImage + m_nPos, EndPosition() - m_nPos, hdr);
    Check(m_pStream->Prepare(hdr), "Midi %s Prepare %s");
    Check(m_pStream->Out(hdr), "Midi %s Out %s");
    m_nCurBuf = (m_nCurBuf + 1) % m_byBufCount;
}

int cMidiPlayer::FillBuffer(const uint8_t* events, int avail, MIDIHDR* hdr) {
    uint8_t* out = reinterpret_cast<uint8_t*>(hdr->lpData);
    memset(out, 0, size_t(m_nBufSize));
    int written = 0;
    int consumed = 0;
    int last = -1;         // offset of the last event written
    DWORD carried = m_dwCarried;  // delta times of events not sent
    int p = 0;
    while (p < avail) {
        uint32_t delta;
        int n = ReadVarLen(events + p, &delta, size_t(avail - p));
        if (n == 0 || p + n >= avail) break;
        const uint8_t* ev = events + p + n;
        const int left = avail - p - n;
        const uint8_t status = ev[0];
        DWORD word = 0;
        int bytes;            // image bytes of the event
        int longLen = -1;     // bytes of a long event
        bool end = false;
        if (status == 0xFF) {
            if (left < 3) break;
            if (ev[1] == 0x2F && ev[2] == 0x00) {
                word = kMidiEndEvent;
                bytes = 3;
                end = true;
            } else {
                uint32_t len;
                int m = ReadVarLen(ev + 2, &len, size_t(left - 2));
                if (m == 0 || len > uint32_t(left - 2 - m)) break;
                bytes = 2 + m + int(len);
                if (ev[1] == 0x51 && len == 3) {
                    // the tempo's three bytes follow its length quantity, however long that is
                    const uint8_t* t = ev + 2 + m;
                    word = (DWORD(MEVT_TEMPO) << 24) | (DWORD(t[0]) << 16) | (DWORD(t[1]) << 8) | t[2];
                } else {
                    carried += delta;  // not sent; its time goes to the next event
                    p += n + bytes;
                    consumed = p;
                    continue;
                }
            }
        } else if (status == 0xF0 || status == 0xF7) {
            uint32_t len;
            int m = ReadVarLen(ev + 1, &len, size_t(left - 1));
            if (m == 0 || len > uint32_t(left - 1 - m)) break;
            bytes = 1 + m + int(len);
            if (len > uint32_t(m_nBufSize) || kEventSize + (len + 4) / 4 * 4 > uint32_t(m_nBufSize)) {
                // Could never fit any buffer: dropped, its time kept.
                ReportLogE("Midi %s Buffer %u バイトのイベントが大きすぎるため飛ばします", m_Name.CStr(), len + 1);
                carried += delta;
                p += n + bytes;
                consumed = p;
                continue;
            }
            longLen = int(len) + 1;
            word = (DWORD(MEVT_LONGMSG) << 24) | DWORD(longLen);
        } else if ((status & 0xF0) == 0xC0 || (status & 0xF0) == 0xD0) {
            if (left < 2) break;
            bytes = 2;
            word = status | (DWORD(ev[1]) << 8);
        } else {
            if (left < 3) break;
            bytes = 3;
            word = status | (DWORD(ev[1]) << 8) | (DWORD(ev[2]) << 16);
        }
        const int need = kEventSize + (longLen >= 0 ? (longLen + 3) / 4 * 4 : 0);
        if (written + need > m_nBufSize) {
            // Full: the last event written calls back; this one opens the next buffer.
            if (last >= 0) PutLe32(out + last + 8, GetLe32(out + last + 8) | MEVT_F_CALLBACK);
            break;
        }
        PutLe32(out + written, delta + carried);
        PutLe32(out + written + 4, 0);
        PutLe32(out + written + 8, word);
        if (longLen >= 0) {
            out[written + kEventSize] = status;
            memcpy(out + written + kEventSize + 1, ev + bytes - (longLen - 1), size_t(longLen - 1));
        }
        carried = 0;
        last = written;
        written += need;
        p += n + bytes;
        consumed = p;
        if (end) break;
    }
    m_dwCarried = carried;
    hdr->dwBytesRecorded = DWORD(written);
    hdr->dwFlags = 0;
    hdr->lpNext = nullptr;
    hdr->dwOffset = 0;
    memset(hdr->dwReserved, 0, sizeof hdr->dwReserved);
    return consumed;
}

void cMidiPlayer::OnCallback(UINT msg, MIDIHDR* hdr) {
    cLockHold hold(&m_Lock);
    // Callbacks that were on their way when the song was stopped are stale.
    if (m_nState != kMidiStopped) {
        if (msg == MM_MOM_DONE) {
            if (m_nState == kMidiPlaying) QueueBuffer();
        } else if (hdr >= m_pHeaders && hdr < m_pHeaders + m_byBufCount &&
                   hdr->dwOffset + kEventSize <= hdr->dwBytesRecorded) {
            DWORD word = GetLe32(reinterpret_cast<const uint8_t*>(hdr->lpData) + hdr->dwOffset + 8);
            if ((word & 0xFFFFFF) == (kMidiEndEvent & 0xFFFFFF)) {
                Stop(0);
                if (m_nLoop) Play(1);
            } else if (m_nPos < EndPosition()) {
                QueueBuffer();
            }
        }
    }
    InterlockedIncrement(&m_nHandled);
}

unsigned __stdcall cMidiPlayer::MidiThreadProc(void* arg) {
    cMidiPlayer* player = static_cast<cMidiPlayer*>(arg);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        if (msg.message == MM_MOM_POSITIONCB || msg.message == MM_MOM_DONE) {
            player->OnCallback(msg.message, reinterpret_cast<MIDIHDR*>(msg.lParam));
        }
    }
    return 0;
}
