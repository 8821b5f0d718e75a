#include <windows.h>

#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <utility>
#include <vector>

#include "base/log.h"
#include "base/midiplayer.h"
#include "tests/base/fake_midi_stream.h"
#include "tests/base/midi_bytes.h"
#include "tests/support/test_env.h"

namespace {

std::string Le32(DWORD v) { return std::string(reinterpret_cast<const char*>(&v), 4); }
std::string Ev(DWORD delta, DWORD word) { return Le32(delta) + Le32(0) + Le32(word); }
std::string LongEv(DWORD delta, const std::string& bytes) {
    std::string data = bytes;
    data.resize((bytes.size() + 3) / 4 * 4, '\0');
    return Ev(delta, 0x80000000u | DWORD(bytes.size())) + data;
}

// The events of a buffer as (delta, word) pairs.
std::vector<std::pair<DWORD, DWORD>> EventsOf(const std::string& buf) {
    std::vector<std::pair<DWORD, DWORD>> list;
    size_t off = 0;
    while (off + 12 <= buf.size()) {
        DWORD delta, word;
        memcpy(&delta, buf.data() + off, 4);
        memcpy(&word, buf.data() + off + 8, 4);
        list.push_back(std::make_pair(delta, word));
        off += 12 + ((word & 0x80000000u) ? ((word & 0xFFFFFF) + 3) / 4 * 4 : 0);
    }
    return list;
}

class MidiPlayerTest : public ::testing::Test {
protected:
    void SetUp() override {
        InitializeCriticalSection(&m_Cs);
        ASSERT_EQ(1, CreateReportLog("Report_Editor.txt"));
    }
    void TearDown() override {
        delete m_pPlayer;
        DeleteCriticalSection(&m_Cs);
    }
    void Make(const std::string& file) {
        ASSERT_TRUE(WriteWholeFile("song.mid", file));
        m_pPlayer = new cMidiPlayer("song.mid", new cFakeStream(&m_Log, &m_Cs));
    }
    // The calls since the last look.
    std::vector<std::string> TakeCalls() {
        EnterCriticalSection(&m_Cs);
        std::vector<std::string> calls(m_Log.calls.begin() + long(m_Seen), m_Log.calls.end());
        m_Seen = m_Log.calls.size();
        LeaveCriticalSection(&m_Cs);
        return calls;
    }
    // The device plays the oldest buffer to its last event, which calls back;
    // returns once the player's thread has handled the callbacks.
    void PlayNextBuffer() {
        EnterCriticalSection(&m_Cs);
        ASSERT_FALSE(m_Log.queue.empty());
        MIDIHDR* h = m_Log.queue.front();
        m_Log.queue.pop_front();
        std::vector<std::pair<DWORD, DWORD>> events = EventsOf(std::string(h->lpData, h->dwBytesRecorded));
        DWORD off = 0;
        for (size_t i = 0; i + 1 < events.size(); ++i) {
            DWORD w = events[i].second;
            off += 12 + ((w & 0x80000000u) ? ((w & 0xFFFFFF) + 3) / 4 * 4 : 0);
        }
        h->dwOffset = off;
        h->dwFlags = (h->dwFlags & ~DWORD(MHDR_INQUEUE)) | MHDR_DONE;
        LeaveCriticalSection(&m_Cs);
        Post(MM_MOM_POSITIONCB, h);
        Post(MM_MOM_DONE, h);
    }
    void Post(UINT msg, MIDIHDR* h) {
        long before = m_pPlayer->HandledCallbacks();
        ASSERT_TRUE(PostThreadMessageA(m_Log.thread, msg, 0, reinterpret_cast<LPARAM>(h)));
        for (int i = 0; i < 5000 && m_pPlayer->HandledCallbacks() == before; ++i) Sleep(1);
        ASSERT_EQ(before + 1, m_pPlayer->HandledCallbacks());
    }

    CRITICAL_SECTION m_Cs;
    sStreamLog m_Log;
    size_t m_Seen = 0;
    cMidiPlayer* m_pPlayer = nullptr;
};

typedef std::vector<std::string> tCalls;
const std::string kEot = Bytes({0xFF, 0x2F, 0x00});

}  // namespace

TEST_F(MidiPlayerTest, ShortSongIsQueuedWholeThenStopsOrLoopsAtItsEnd) {
    Make(SmfFile(0, {Bytes({0x00, 0xFF, 0x51, 0x03, 0x07, 0xA1, 0x20,          // tempo
                            0x00, 0xFF, 0x03, 0x04, 'n', 'a', 'm', 'e',        // track name: not sent
                            0x00, 0xF0, 0x05, 0x43, 0x10, 0x4C, 0x00, 0xF7,    // system exclusive
                            0x00, 0xC0, 0x05,
                            0x60, 0xFF, 0x01, 0x01, 'x',                       // text 96 ticks on
                            0x00, 0x90, 0x3C, 0x64,                            // note at the text's time
                            0x81, 0x40, 0x3C, 0x00,                            // running status
                            0x00}) + kEot},
                 96));
    ASSERT_TRUE(m_pPlayer->HasSong());
    EXPECT_EQ((tCalls{"Open", "TimeDiv 96", "Prepare 0", "Out 0"}), TakeCalls());
    ASSERT_EQ(1u, m_Log.outs.size());
    EXPECT_EQ(Ev(0, 0x0107A120) + LongEv(0, Bytes({0xF0, 0x43, 0x10, 0x4C, 0x00, 0xF7})) + Ev(0, 0x05C0) +
                  Ev(96, 0x643C90) + Ev(192, 0x003C90) + Ev(0, 0x40002FFF),
              m_Log.outs[0]);
    EXPECT_EQ(m_pPlayer->EndPosition(), m_pPlayer->Position());

    // Pausing a stopped song does nothing; the whole song is already queued.
    m_pPlayer->Stop(1);
    m_pPlayer->Play(0);
    EXPECT_EQ((tCalls{"Restart"}), TakeCalls());
    EXPECT_EQ(kMidiPlaying, m_pPlayer->State());

    // Paused and resumed without another buffer.
    m_pPlayer->Stop(1);
    EXPECT_EQ(kMidiPaused, m_pPlayer->State());
    m_pPlayer->Play(0);
    EXPECT_EQ((tCalls{"Pause", "Restart"}), TakeCalls());

    // The end stops the song and has it ready from its start.
    PlayNextBuffer();
    EXPECT_EQ((tCalls{"Stop", "Prepare 1", "Out 1"}), TakeCalls());
    EXPECT_EQ(kMidiStopped, m_pPlayer->State());
    EXPECT_EQ(m_Log.outs[0], m_Log.outs[1]);

    // Looping: the end starts it again.
    m_pPlayer->Play(1);
    EXPECT_EQ((tCalls{"Restart"}), TakeCalls());
    PlayNextBuffer();
    EXPECT_EQ((tCalls{"Stop", "Unprepare 0", "Prepare 0", "Out 0", "Restart"}), TakeCalls());
    EXPECT_EQ(kMidiPlaying, m_pPlayer->State());

    // A callback still on its way when the user stops does not restart the song.
    m_pPlayer->Stop(0);
    EXPECT_EQ((tCalls{"Stop", "Unprepare 1", "Prepare 1", "Out 1"}), TakeCalls());
    PlayNextBuffer();
    EXPECT_EQ(tCalls{}, TakeCalls());
    EXPECT_EQ(kMidiStopped, m_pPlayer->State());
}

// A tempo's length is a variable-length quantity like every meta event's:
// its three bytes follow the quantity however many bytes that takes.
TEST_F(MidiPlayerTest, TempoLengthIsReadAsAVariableLengthQuantity) {
    Make(SmfFile(0, {Bytes({0x00, 0xFF, 0x51, 0x80, 0x03, 0x07, 0xA1, 0x20,   // tempo, length in two bytes
                            0x10, 0xFF, 0x51, 0x03, 0x06, 0x1A, 0x80,         // tempo, length in one byte
                            0x00, 0x90, 0x3C, 0x64,
                            0x00}) + kEot},
                 96));
    ASSERT_TRUE(m_pPlayer->HasSong());
    ASSERT_EQ(1u, m_Log.outs.size());
    EXPECT_EQ(Ev(0, 0x0107A120) + Ev(16, 0x01061A80) + Ev(0, 0x643C90) + Ev(0, 0x40002FFF), m_Log.outs[0]);
}

TEST_F(MidiPlayerTest, ManyBuffersAreRefilledAsEachOneEnds) {
    const int notes = 4500;  // 2,000 events fill a buffer
    std::string events;
    std::vector<std::pair<DWORD, DWORD>> expected;
    for (int i = 0; i < notes; ++i) {
        events += Bytes({i ? 0x01 : 0x00, (i & 1) ? 0x80 : 0x90, 0x3C, (i & 1) ? 0x00 : 0x64});
        expected.push_back(std::make_pair(DWORD(i ? 1 : 0), DWORD((i & 1) ? 0x003C80 : 0x643C90)));
    }
    expected.push_back(std::make_pair(DWORD(0), DWORD(0x40002FFF)));
    Make(SmfFile(0, {events + Bytes({0x00}) + kEot}));
    m_pPlayer->Play(1);
    EXPECT_EQ((tCalls{"Open", "TimeDiv 480", "Prepare 0", "Out 0", "Restart", "Prepare 1", "Out 1"}), TakeCalls());
    PlayNextBuffer();
    EXPECT_EQ((tCalls{"Unprepare 0", "Prepare 0", "Out 0"}), TakeCalls());
    PlayNextBuffer();  // the song is all queued: nothing more
    EXPECT_EQ(tCalls{}, TakeCalls());
    ASSERT_EQ(3u, m_Log.outs.size());

    std::vector<std::pair<DWORD, DWORD>> all;
    for (const std::string& buf : m_Log.outs) {
        std::vector<std::pair<DWORD, DWORD>> part = EventsOf(buf);
        ASSERT_FALSE(part.empty());
        for (size_t i = 0; i < part.size(); ++i) {
            EXPECT_EQ(i + 1 == part.size(), (part[i].second & MEVT_F_CALLBACK) != 0) << i;
            all.push_back(std::make_pair(part[i].first, part[i].second & ~DWORD(MEVT_F_CALLBACK)));
        }
    }
    EXPECT_EQ(2000u, EventsOf(m_Log.outs[0]).size());
    expected.back().second &= ~DWORD(MEVT_F_CALLBACK);
    EXPECT_EQ(expected, all);

    // The third buffer ends the song, which loops from the first buffer again.
    PlayNextBuffer();
    EXPECT_EQ((tCalls{"Stop", "Unprepare 1", "Prepare 1", "Out 1", "Restart", "Unprepare 0", "Prepare 0", "Out 0"}),
              TakeCalls());
    EXPECT_EQ(m_Log.outs[0], m_Log.outs[3]);
    EXPECT_EQ(m_Log.outs[1], m_Log.outs[4]);
}

TEST_F(MidiPlayerTest, EventTooLargeForAnyBufferIsSkippedAndLogged) {
    std::string fits = Bytes({0xF0, 0x81, 0xBB, 0x33}) + std::string(23987, '\x11');  // 1 + 23987 bytes: exactly full
    std::string huge = Bytes({0xF0, 0x81, 0xEA, 0x30}) + std::string(30000, '\x22');
    Make(SmfFile(0, {Bytes({0x00, 0x90, 0x3C, 0x64, 0x05}) + fits + Bytes({0x10}) + huge +
                     Bytes({0x20, 0x80, 0x3C, 0x00, 0x00}) + kEot}));
    m_pPlayer->Play(0);
    PlayNextBuffer();
    ASSERT_EQ(3u, m_Log.outs.size());
    EXPECT_EQ(Ev(0, 0x643C90 | MEVT_F_CALLBACK), m_Log.outs[0]);
    EXPECT_EQ(24000u, m_Log.outs[1].size());
    EXPECT_EQ((std::vector<std::pair<DWORD, DWORD>>{{5, 0x80000000u | MEVT_F_CALLBACK | 23988}}),
              EventsOf(m_Log.outs[1]));
    EXPECT_EQ(Ev(0x30, 0x003C80) + Ev(0, 0x40002FFF), m_Log.outs[2]);
    std::string log = ReadWholeFile("Report_Editor.txt");
    EXPECT_NE(std::string::npos, log.find("Midi song.mid Buffer 30001 バイトのイベントが大きすぎるため飛ばします"));
}

TEST_F(MidiPlayerTest, DestructionEndsTheCallbackThreadThenClosesTheStream) {
    Make(SmfFile(0, {Bytes({0x00, 0x90, 0x3C, 0x64, 0x00}) + kEot}));
    m_pPlayer->Play(1);
    DWORD thread = m_pPlayer->ThreadId();
    ASSERT_NE(0u, thread);
    EXPECT_EQ(thread, m_Log.thread);
    TakeCalls();
    delete m_pPlayer;
    m_pPlayer = nullptr;
    EXPECT_EQ((tCalls{"Reset", "Unprepare 0", "Unprepare 1", "Close"}), TakeCalls());
    EXPECT_FALSE(PostThreadMessageA(thread, WM_APP, 0, 0));
}

TEST_F(MidiPlayerTest, PlayerWithoutSongTouchesNoStream) {
    m_pPlayer = new cMidiPlayer("missing.mid", new cFakeStream(&m_Log, &m_Cs));
    EXPECT_FALSE(m_pPlayer->HasSong());
    m_pPlayer->Play(1);
    m_pPlayer->Stop(0);
    m_pPlayer->Stop(1);
    delete m_pPlayer;
    m_pPlayer = nullptr;
    EXPECT_EQ(tCalls{}, TakeCalls());
    EXPECT_NE(std::string::npos, ReadWholeFile("Report_Editor.txt").find("Midi missing.mid Create"));
}
