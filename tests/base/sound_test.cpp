#include <windows.h>
#include <mmsystem.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "base/bgm.h"
#include "base/log.h"
#include "base/mcisound.h"
#include "base/midiplayer.h"
#include "base/soundfile.h"
#include "tests/base/fake_midi_stream.h"
#include "tests/base/midi_bytes.h"
#include "tests/support/test_env.h"
#include "vox/oggdata.h"
#include "vox/vox.h"

namespace {

// The test data beside the test program.
std::string DataPath(const char* name) {
    char exe[MAX_PATH];
    DWORD n = GetModuleFileNameA(nullptr, exe, MAX_PATH);
    std::string dir(exe, n);
    return dir.substr(0, dir.find_last_of("\\/") + 1) + "data\\" + name;
}

// A short silent 8-bit mono wave file.
std::string WaveFile() {
    std::string pcm(800, '\x80');
    auto le32 = [](uint32_t v) { return std::string(reinterpret_cast<const char*>(&v), 4); };
    auto le16 = [](uint16_t v) { return std::string(reinterpret_cast<const char*>(&v), 2); };
    return "RIFF" + le32(uint32_t(36 + pcm.size())) + "WAVE" + "fmt " + le32(16) + le16(1) + le16(1) + le32(8000) +
           le32(8000) + le16(1) + le16(8) + "data" + le32(uint32_t(pcm.size())) + pcm;
}

std::string SongFile() {
    return SmfFile(0, {Bytes({0x00, 0x90, 0x3C, 0x64, 0x83, 0x60, 0x80, 0x3C, 0x00, 0x00, 0xFF, 0x2F, 0x00})});
}

// Whether a wave device takes the fixture's format here.
bool WaveDeviceTakes(const sOggPcm& pcm) {
    WAVEFORMATEX fmt = {};
    fmt.wFormatTag = WAVE_FORMAT_PCM;
    fmt.nChannels = WORD(pcm.channels);
    fmt.nSamplesPerSec = DWORD(pcm.rate);
    fmt.wBitsPerSample = 16;
    fmt.nBlockAlign = WORD(fmt.nChannels * 2);
    fmt.nAvgBytesPerSec = fmt.nSamplesPerSec * fmt.nBlockAlign;
    return waveOutOpen(nullptr, WAVE_MAPPER, &fmt, 0, 0, WAVE_FORMAT_QUERY) == MMSYSERR_NOERROR;
}

std::vector<std::string> g_Boxes;
void CatchBox(const char* text) { g_Boxes.push_back(text); }

class SoundTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(1, CreateReportLog("Report_Editor.txt"));
        ClearErrorLog();
        SetErrorLog(1, "RI_Zedevu.txt");
        g_Boxes.clear();
        g_SoundErrorBox = CatchBox;
        CreateDirectoryA("bgm", nullptr);
        CreateDirectoryA("wave", nullptr);
        ASSERT_TRUE(WriteWholeFile("bgm\\Song.mid", SongFile()));
        ASSERT_TRUE(WriteWholeFile("wave\\free.wav", WaveFile()));
        ASSERT_TRUE(WriteWholeFile("wave\\se.WAV", WaveFile()));
        ASSERT_TRUE(CopyFileA(DataPath("tone.ogg").c_str(), "bgm\\tone.ogg", FALSE));
    }
    void TearDown() override {
        SetErrorLog(0, "RI_Zedevu.txt");
        g_VoxLibraryName = "Vox.dll";
        g_NewMidiStream = NewWinMidiStream;
    }
    std::string ErrorLogText() { return ReadWholeFile("RI_Zedevu.txt"); }
    void ClearErrorLog() {
        DeleteFileA("RI_Zedevu.txt");
        g_ErrorLog.writtenOnce = 0;
    }
};

}  // namespace

TEST_F(SoundTest, OggFixtureDecodesToItsSamples) {
    sOggPcm pcm;
    ASSERT_TRUE(DecodeOggFile(DataPath("tone.ogg").c_str(), &pcm));
    EXPECT_EQ(2, pcm.channels);
    EXPECT_EQ(22050, pcm.rate);
    EXPECT_EQ(11025, pcm.frames);
    EXPECT_EQ(size_t(22050), pcm.samples.size());
    EXPECT_DOUBLE_EQ(0.5, pcm.Seconds());
    // A sine at half volume: loud, never clipped.
    int peak = 0;
    for (int16_t s : pcm.samples) peak = std::max(peak, std::abs(int(s)));
    EXPECT_GT(peak, 12000);
    EXPECT_LT(peak, 20000);

    EXPECT_FALSE(DecodeOggFile("bgm\\Song.mid", &pcm));
    EXPECT_FALSE(DecodeOggFile("bgm\\none.ogg", &pcm));
    EXPECT_EQ(0, pcm.frames);
    EXPECT_FALSE(DecodeOggFile("", &pcm));
}

TEST_F(SoundTest, VoxLibraryPlayersLoadOnlyWhatTheyCanPlay) {
    HMODULE lib = LoadLibraryA("Vox.dll");
    ASSERT_NE(nullptr, lib);
    tCreateVox create = reinterpret_cast<tCreateVox>(reinterpret_cast<void*>(GetProcAddress(lib, "CreateVox")));
    ASSERT_NE(nullptr, create);
    cVoxPlayer* player = create();
    ASSERT_NE(nullptr, player);
    // Nothing loaded: every operation is harmless.
    player->Play();
    player->Stop();
    player->SetLoop(kVoxEndless);
    player->Unload();
    EXPECT_EQ(0, player->Load("bgm\\none.ogg"));
    EXPECT_EQ(0, player->Load("bgm\\Song.mid"));
    EXPECT_EQ(0, player->Load(nullptr));
    sOggPcm pcm;
    ASSERT_TRUE(DecodeOggFile("bgm\\tone.ogg", &pcm));
    // Ready to play only when a sound device opens (none under the test machine's Wine).
    const uint8_t ready = player->Load("bgm\\tone.ogg");
    EXPECT_EQ(WaveDeviceTakes(pcm) ? 1 : 0, ready);
    player->SetLoop(0);
    player->Play();
    player->Stop();
    player->Release();
    FreeLibrary(lib);
}

TEST_F(SoundTest, ManagerSlotsTakeTheirFilesByExtension) {
    char ogg[1][kOggNameSize] = {"bgm\\Free.ogg"};
    char mid[1][kMidNameSize] = {"bgm\\Free.mid"};
    cBgmManager bgm;
    ASSERT_EQ(1, bgm.Init(1, ogg, mid, 1));
    EXPECT_EQ(1, bgm.m_Vox.Count());
    EXPECT_EQ(-1, bgm.CurrentSlot());
    struct Case {
        const char* path;
        int result, kind;
        const char* ogg;
        const char* mid;
    };
    const Case cases[] = {
        {"bgm\\Song.MID", 1, kBgmMidi, "bgm\\Free.ogg", "bgm\\Song.mid"},
        {"bgm\\tone.ogg", 1, kBgmOgg, "bgm\\tone.ogg", "bgm\\Song.mid"},
        {"bgm\\x.OGG", 1, kBgmOgg, "bgm\\x.OGG", "bgm\\Song.mid"},
        {"bgm\\a.wav", 0, kBgmNone, "bgm\\a.wav", "bgm\\a.wav"},
        {"bgm\\a.b\\noext", 0, kBgmNone, "", ""},  // a '.' in a folder is no extension
        {"noext", 0, kBgmNone, "", ""},
        {"bgm\\Song.mid", 1, kBgmMidi, "", "bgm\\Song.mid"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.result, bgm.SetFile(0, c.path)) << c.path;
        EXPECT_EQ(c.kind, bgm.SlotKind(0)) << c.path;
        EXPECT_STREQ(c.ogg, ogg[0]) << c.path;
        EXPECT_STREQ(c.mid, mid[0]) << c.path;
    }
    // A name longer than its slot is refused, never cut.
    std::string longName = "bgm\\" + std::string(300, 'a') + ".ogg";
    EXPECT_EQ(0, bgm.SetFile(0, longName.c_str()));
    EXPECT_EQ(kBgmNone, bgm.SlotKind(0));
}

// Whether MIDI output has a device here.
bool MidiDeviceOpens() { return midiOutGetNumDevs() > 0; }

TEST_F(SoundTest, ManagerWithTheDeviceAbsentFailsOnlyWhereNothingLoads) {
    char ogg[1][kOggNameSize] = {"bgm\\Free.ogg"};
    char mid[1][kMidNameSize] = {"bgm\\Free.mid"};
    cBgmManager bgm;
    ASSERT_EQ(1, bgm.Init(1, ogg, mid, 1));
    sOggPcm pcm;
    ASSERT_TRUE(DecodeOggFile("bgm\\tone.ogg", &pcm));
    struct Case {
        const char* path;
        int plays, kind;
    };
    const bool midi = MidiDeviceOpens();
    const bool wave = WaveDeviceTakes(pcm);
    const Case cases[] = {
        // a song read is played whether or not a stream opened for it
        {"bgm\\Song.MID", 1, kBgmMidi},
        {"bgm\\tone.ogg", wave, kBgmOgg},
    };
    for (const Case& c : cases) {
        ASSERT_EQ(1, bgm.SetFile(0, c.path));
        EXPECT_EQ(c.plays, bgm.Play(0, 0, 1, 0, 1)) << c.path;
        EXPECT_EQ(c.plays ? 0 : -1, bgm.CurrentSlot()) << c.path;
        EXPECT_EQ(c.plays ? c.kind : kBgmNone, bgm.ChannelState(0)) << c.path;
        bgm.Stop();
    }
    if (!midi) {
        // The stream that did not open is logged with the reason.
        std::string log = ReadWholeFile("Report_Editor.txt");
        size_t at = log.find("Midi bgm\\Song.mid Open ");
        ASSERT_NE(std::string::npos, at);
        EXPECT_NE('\r', log[at + strlen("Midi bgm\\Song.mid Open ")]);
    }
    EXPECT_TRUE(g_Boxes.empty());
}

TEST_F(SoundTest, ManagerSwitchesSlotsAndKinds) {
    TestAppWindow app;
    g_NewMidiStream = NewSharedFakeStream;
    char ogg[1][kOggNameSize] = {"bgm\\Free.ogg"};
    char mid[1][kMidNameSize] = {"bgm\\Free.mid"};
    cBgmManager bgm;
    ASSERT_EQ(1, bgm.Init(1, ogg, mid, 1));
    sOggPcm pcm;
    ASSERT_TRUE(DecodeOggFile("bgm\\tone.ogg", &pcm));
    const int oggPlays = WaveDeviceTakes(pcm) ? 1 : 0;

    // A MIDI slot opens the file by its lower-case name and plays it.
    ASSERT_EQ(1, bgm.SetFile(0, "bgm\\Song.MID"));
    ASSERT_EQ(1, bgm.Play(0, 0, 1, 0, 1));
    EXPECT_EQ(0, bgm.CurrentSlot());
    EXPECT_EQ(kBgmMidi, bgm.ChannelState(0));
    cMidiPlayer* first = bgm.m_Midi.m_Players.At(0, kClosePost);
    ASSERT_NE(nullptr, first);
    EXPECT_EQ(kMidiPlaying, first->State());
    EXPECT_EQ("bgm\\Song.mid", first->Name());

    // The same slot again: nothing without force.
    EXPECT_EQ(1, bgm.Play(0, 0, 1, 0, 0));
    EXPECT_EQ(first, bgm.m_Midi.m_Players.At(0, kClosePost));
    EXPECT_EQ(kMidiPlaying, first->State());

    // Stop keeps the slot, so a play without force does nothing.
    bgm.Stop();
    EXPECT_EQ(kMidiStopped, first->State());
    EXPECT_EQ(0, bgm.CurrentSlot());
    EXPECT_EQ(1, bgm.Play(0, 0, 1, 0, 0));
    EXPECT_EQ(kMidiStopped, first->State());

    // Forced: a new player starts the song again.
    EXPECT_EQ(1, bgm.Play(0, 0, 1, 0, 1));
    cMidiPlayer* second = bgm.m_Midi.m_Players.At(0, kClosePost);
    ASSERT_NE(nullptr, second);
    EXPECT_EQ(kMidiPlaying, second->State());

    // An ogg slot: the MIDI player gives way, stopped and rewound, whether or not the ogg plays.
    ASSERT_EQ(1, bgm.SetFile(0, "bgm\\tone.ogg"));
    EXPECT_EQ(oggPlays, bgm.Play(0, 0, 1, 0, 1));
    EXPECT_EQ(oggPlays ? kBgmOgg : kBgmNone, bgm.ChannelState(0));
    EXPECT_EQ(oggPlays ? 0 : -1, bgm.CurrentSlot());
    EXPECT_EQ(oggPlays ? 0 : -1, bgm.m_Vox.Current());
    EXPECT_EQ(second, bgm.m_Midi.m_Players.At(0, kClosePost));
    EXPECT_EQ(kMidiStopped, second->State());

    // Files that play in neither way leave nothing playing.
    const char* failing[] = {"bgm\\a.wav", "bgm\\none.ogg", "bgm\\none.mid", "noext"};
    for (const char* path : failing) {
        ASSERT_EQ(1, bgm.SetFile(0, "bgm\\Song.mid"));
        ASSERT_EQ(1, bgm.Play(0, 0, 1, 0, 1));
        bgm.SetFile(0, path);
        EXPECT_EQ(0, bgm.Play(0, 0, 1, 0, 1)) << path;
        EXPECT_EQ(-1, bgm.CurrentSlot()) << path;
        EXPECT_EQ(kBgmNone, bgm.ChannelState(0)) << path;
        EXPECT_EQ(-1, bgm.m_Vox.Current()) << path;
        cMidiPlayer* left = bgm.m_Midi.m_Players.At(0, kClosePost);
        EXPECT_TRUE(!left || left->State() == kMidiStopped) << path;
    }
    EXPECT_NE(std::string::npos, ReadWholeFile("Report_Editor.txt").find("Midi bgm\\none.mid Create"));

    // A channel the manager does not have is reported, never used.
    EXPECT_EQ(0, bgm.Play(3, 0, 1, 0, 1));
    EXPECT_TRUE(app.TakeClosePosted());

    bgm.Release();
    EXPECT_FALSE(bgm.IsInitialised());
    EXPECT_EQ(0, bgm.m_Vox.Count());
    EXPECT_TRUE(bgm.m_Midi.m_Players.empty());
    EXPECT_EQ(1, bgm.Play(0, 0, 1, 0, 1));
    bgm.Stop();
    EXPECT_TRUE(g_Boxes.empty());
}

TEST_F(SoundTest, ManagerWithoutTheLibraryPlaysNothing) {
    g_VoxLibraryName = "NoSuchVox.dll";
    char ogg[1][kOggNameSize] = {"bgm\\Free.ogg"};
    char mid[1][kMidNameSize] = {"bgm\\Free.mid"};
    cBgmManager bgm;
    EXPECT_EQ(0, bgm.Init(1, ogg, mid, 1));
    EXPECT_EQ((std::vector<std::string>{"oggの初期化に失敗！"}), g_Boxes);
    EXPECT_NE(std::string::npos, ErrorLogText().find("m_Vox.Init失敗！"));
    EXPECT_FALSE(bgm.IsInitialised());
    EXPECT_EQ(1, bgm.SetFile(0, "bgm\\tone.ogg"));
    EXPECT_EQ(1, bgm.Play(0, 0, 1, 0, 1));
    bgm.Stop();
    EXPECT_EQ(-1, bgm.CurrentSlot());
    EXPECT_STREQ("bgm\\Free.ogg", ogg[0]);

    // The players' own guards: no library, no players, no calls.
    cVox vox;
    EXPECT_EQ(0, vox.Init());
    EXPECT_EQ(0, vox.SetChannels(2));
    EXPECT_EQ(0, vox.Count());
    EXPECT_EQ(0, vox.Play(0, "bgm\\tone.ogg", 1));
    EXPECT_EQ(0, vox.Play(0, "", 1));
    vox.Stop();
    EXPECT_EQ(-1, vox.Current());
}

namespace {

// A stream that does not open: the song is read, so the manager reports it
// playing (the player logged the failed open) and keeps slot and channel.
class cClosedStream : public cFakeStream {
public:
    using cFakeStream::cFakeStream;
    MMRESULT Open(DWORD) override { return MMSYSERR_NODRIVER; }
};
cMidiStream* NewClosedStream() {
    return new cClosedStream(&SharedFakeStreams().log, &SharedFakeStreams().cs);
}

}  // namespace

TEST_F(SoundTest, ASongWhoseStreamDidNotOpenKeepsTheSlotAndChannel) {
    g_NewMidiStream = NewClosedStream;
    char ogg[1][kOggNameSize] = {"bgm\\Free.ogg"};
    char mid[1][kMidNameSize] = {"bgm\\Free.mid"};
    cBgmManager bgm;
    ASSERT_EQ(1, bgm.Init(1, ogg, mid, 1));
    ASSERT_EQ(1, bgm.SetFile(0, "bgm\\Song.mid"));
    EXPECT_EQ(1, bgm.Play(0, 0, 1, 0, 1));
    EXPECT_EQ(0, bgm.CurrentSlot());
    EXPECT_EQ(kBgmMidi, bgm.ChannelState(0));
    EXPECT_NE(std::string::npos, ReadWholeFile("Report_Editor.txt").find("Midi bgm\\Song.mid Open "));
    // a file that holds no song fails as before
    ASSERT_EQ(1, bgm.SetFile(0, "bgm\\none.mid"));
    EXPECT_EQ(0, bgm.Play(0, 0, 1, 0, 1));
    EXPECT_EQ(-1, bgm.CurrentSlot());
    EXPECT_EQ(kBgmNone, bgm.ChannelState(0));
}

namespace {

// A player library built to the table: every slot of a player is a plain
// function taking the player first (this), so the test can tell which slot
// the editor calls. Slots 5 to 8 exist and must never be called.
#if defined(_WIN64)
#define VOX_SLOT
#else
#define VOX_SLOT __attribute__((thiscall))
#endif
struct sTableVox;
struct sTableVoxSlots {
    uint8_t(VOX_SLOT* load)(sTableVox*, const char*);
    void(VOX_SLOT* play)(sTableVox*);
    void(VOX_SLOT* stop)(sTableVox*);
    void(VOX_SLOT* unload)(sTableVox*);
    void(VOX_SLOT* setLoop)(sTableVox*, int32_t);
    void(VOX_SLOT* unused[4])(sTableVox*);
    void(VOX_SLOT* release)(sTableVox*);
};
struct sTableVox {
    const sTableVoxSlots* slots;
};
std::vector<int> g_VoxSlotsCalled;
std::vector<int32_t> g_VoxLoops;
uint8_t VOX_SLOT TableLoad(sTableVox*, const char*) {
    g_VoxSlotsCalled.push_back(0);
    return 1;
}
template <int N>
void VOX_SLOT TableSlot(sTableVox*) {
    g_VoxSlotsCalled.push_back(N);
}
void VOX_SLOT TableSetLoop(sTableVox*, int32_t count) {
    g_VoxSlotsCalled.push_back(4);
    g_VoxLoops.push_back(count);
}
void VOX_SLOT TableRelease(sTableVox* self) {
    g_VoxSlotsCalled.push_back(9);
    delete self;
}
const sTableVoxSlots kTableVoxSlots = {TableLoad,         TableSlot<1>,
                                       TableSlot<2>,      TableSlot<3>,
                                       TableSetLoop,      {TableSlot<5>, TableSlot<6>, TableSlot<7>, TableSlot<8>},
                                       TableRelease};

}  // namespace

// The factory of the table library: exported by this test program, which the
// manager then loads as its player library.
extern "C" __declspec(dllexport) sTableVox* CreateVox() {
    return new sTableVox{&kTableVoxSlots};
}

TEST_F(SoundTest, ThePlayersAreCalledByTheSlotsOfTheirTable) {
    char self[MAX_PATH];
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    g_VoxLibraryName = self;
    g_VoxSlotsCalled.clear();
    g_VoxLoops.clear();
    {
        char ogg[1][kOggNameSize] = {"bgm\\Free.ogg"};
        char mid[1][kMidNameSize] = {"bgm\\Free.mid"};
        cBgmManager bgm;
        ASSERT_EQ(1, bgm.Init(1, ogg, mid, 1));
        ASSERT_EQ(1, bgm.SetFile(0, "bgm\\tone.ogg"));
        EXPECT_EQ(1, bgm.Play(0, 0, 1, 0, 1));
        bgm.Stop();
        bgm.Release();
    }
    // Unload, Load, SetLoop (endless), Play; Stop; Release
    EXPECT_EQ((std::vector<int>{3, 0, 4, 1, 2, 9}), g_VoxSlotsCalled);
    EXPECT_EQ(std::vector<int32_t>{kVoxEndless}, g_VoxLoops);
}

TEST_F(SoundTest, MciSlotsPlayByExtension) {
    MciSound s = {0, nullptr, -1, 0};
    const char* names[] = {"wave\\free.wav", nullptr};
    // Disabled: everything returns at once.
    EXPECT_TRUE(OpenSounds(&s, "waveaudio", names));
    EXPECT_EQ(0, s.count);
    char wav[] = "wave\\se.WAV";
    EXPECT_EQ(1, PlaySoundFile(nullptr, &s, 0, wav, 0));

    InitSound(&s);
    ASSERT_TRUE(OpenSounds(&s, "waveaudio", names));
    ASSERT_EQ(1, s.count);
    EXPECT_EQ(-1, s.current);

    struct Case {
        const char* path;
        const char* after;  // the caller's buffer afterwards
        int result;
        const char* logged;
    };
    const Case cases[] = {
        {"wave\\se.WAV", "wave\\se.WAV", 1, nullptr},
        {"wave\\none.wav", "wave\\none.wav", 0, "ChangeSound失敗！ wave\\none.wav"},
        {"bgm\\Song.MID", "bgm\\Song.mid", 1, nullptr},
        {"bgm\\tone.ogg", "bgm\\tone.ogg", 0, nullptr},
        {"noext", "noext", 0, nullptr},
    };
    for (const Case& c : cases) {
        char path[MAX_PATH];
        strcpy(path, c.path);
        ClearErrorLog();
        int r = PlaySoundFile(nullptr, &s, 0, path, 0);
        EXPECT_EQ(c.result, r) << c.path;
        EXPECT_STREQ(c.after, path);
        if (c.logged) {
            EXPECT_NE(std::string::npos, ErrorLogText().find(c.logged)) << c.path;
        }
        EXPECT_EQ(r ? 0 : -1, r ? s.current : -1) << c.path;
        StopSound(&s, 0);
    }

    // Playing over a playing slot stops it first, with the stop line.
    char se[] = "wave\\se.WAV";
    ASSERT_EQ(1, PlaySoundFile(nullptr, &s, 0, se, 0));
    EXPECT_EQ(0, s.current);
    ClearErrorLog();
    StartSound(nullptr, &s, 0, 0, 0, 0);
    EXPECT_NE(std::string::npos, ErrorLogText().find(" stop =0")) << ErrorLogText();
    // Pausing clears the slot without the stop line.
    ClearErrorLog();
    StopSound(&s, 1);
    EXPECT_EQ(-1, s.current);
    StopSound(&s, 0);
    EXPECT_FALSE(FileExists("RI_Zedevu.txt"));
    StartSound(nullptr, &s, 0, 0, 1, 0);
    EXPECT_EQ(0, s.current);

    // A slot that does not exist is refused.
    EXPECT_FALSE(ChangeSound(&s, 5, "waveaudio", "wave\\free.wav"));
    StartSound(nullptr, &s, -1, 0, 0, 0);
    EXPECT_EQ(0, s.current);

    // The sequencer opens only once: every other slot is closed and emptied,
    // so no stale device id is closed later.
    const char* two[] = {"wave\\free.wav", "wave\\se.WAV", nullptr};
    ASSERT_TRUE(OpenSounds(&s, "waveaudio", two));
    ASSERT_NE(0u, s.slots[1].wDeviceID);
    char song[] = "bgm\\Song.MID";
    ASSERT_EQ(1, PlaySoundFile(nullptr, &s, 0, song, 0));
    EXPECT_EQ(0u, s.slots[1].wDeviceID);
    EXPECT_NE(0u, s.slots[0].wDeviceID);
    EXPECT_STREQ("sequencer", s.slots[0].lpstrDeviceType);

    ReleaseSound(&s);
    EXPECT_EQ(0, s.enabled);
    EXPECT_EQ(nullptr, s.slots);
    EXPECT_EQ(0, s.count);
}
