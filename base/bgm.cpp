#include "base/bgm.h"

#include <cstring>
#include <new>

#include "base/log.h"
#include "base/midiplayer.h"
#include "base/soundfile.h"

const char* g_VoxLibraryName = "Vox.dll";

namespace {

// Copies a name into a slot; false (slot emptied) when it does not fit.
template <size_t N>
bool CopyName(char (&slot)[N], const char* path) {
    size_t len = strlen(path);
    if (len >= N) {
        slot[0] = '\0';
        return false;
    }
    memcpy(slot, path, len + 1);
    return true;
}

}  // namespace

// ---- cVox ----

int cVox::Init() {
    m_hModule = LoadLibraryA(g_VoxLibraryName);
    m_pCreate = m_hModule ? reinterpret_cast<tCreateVox>(
                                reinterpret_cast<void*>(GetProcAddress(m_hModule, VOX_CREATE_NAME)))
                          : nullptr;
    if (!m_pCreate) {
        g_SoundErrorBox("oggの初期化に失敗！");
        return 0;
    }
    return 1;
}

int cVox::SetChannels(int n) {
    // The players of the old array are released with it.
    Stop();
    for (int i = 0; i < m_nCount; ++i) {
        if (m_ppPlayers && m_ppPlayers[i]) m_ppPlayers[i]->Release();
    }
    delete[] m_ppPlayers;
    m_ppPlayers = nullptr;
    m_nCount = 0;
    if (n <= 0) return 1;
    if (!m_pCreate) return 0;  // no library: no players
    m_ppPlayers = new (std::nothrow) cVoxPlayer*[size_t(n)]();
    if (!m_ppPlayers) {
        SoundOutOfMemory();
        return 0;
    }
    m_nCount = n;
    for (int i = 0; i < n; ++i) {
        m_ppPlayers[i] = m_pCreate();
        if (!m_ppPlayers[i]) {
            SoundOutOfMemory();
            return 0;
        }
    }
    return 1;
}

int cVox::Play(int i, const char* path, int loop) {
    if (!path || !*path) return 0;
    Stop();
    cVoxPlayer* player = Player(i);
    if (!player) {
        m_nCurrent = -1;
        return 0;
    }
    player->Unload();
    if (!player->Load(path)) {
        m_nCurrent = -1;
        return 0;
    }
    player->SetLoop(loop ? kVoxEndless : 0);
    player->Play();
    m_nCurrent = i;
    return 1;
}

void cVox::Stop() {
    if (m_nCurrent == -1) return;
    if (cVoxPlayer* player = Player(m_nCurrent)) player->Stop();
    m_nCurrent = -1;
}

void cVox::Release() {
    for (int i = 0; i < m_nCount; ++i) {
        if (m_ppPlayers && m_ppPlayers[i]) {
            m_ppPlayers[i]->Release();
            m_ppPlayers[i] = nullptr;
        }
    }
    delete[] m_ppPlayers;
    m_ppPlayers = nullptr;
    m_nCount = 0;
    m_nCurrent = -1;
    m_pCreate = nullptr;
    if (m_hModule) FreeLibrary(m_hModule);
    m_hModule = nullptr;
}

// ---- cMidiSet ----

void cMidiSet::StopAll(int pause) {
    for (cMidiPlayer* player : m_Players) {
        if (player) player->Stop(pause);
    }
}

void cMidiSet::DeletePlayers() {
    for (cMidiPlayer*& player : m_Players) {
        delete player;
        player = nullptr;
    }
}

void cMidiSet::Clear() {
    DeletePlayers();
    m_Players.clear();
}

int cMidiSet::Play(int channel, const char* path, int loop) {
    StopAll(1);
    DeletePlayers();
    cString ext;
    if (!path || !SoundFileExt(path, &ext) || ext != "mid") return 0;
    cMidiPlayer*& slot = m_Players.At(channel, kClosePost);
    if (channel < 0 || channel >= int(m_Players.size())) return 0;  // reported above
    slot = new (std::nothrow) cMidiPlayer(path);
    if (!slot) {
        SoundOutOfMemory();
        return 0;
    }
    // Only a player without a song fails: a stream that did not open (no
    // device) has been logged by the player, which plays nothing then.
    if (!slot->HasSong()) return 0;
    slot->Play(loop);
    return 1;
}

// ---- cBgmManager ----

int cBgmManager::Init(int channels, char (*oggNames)[kOggNameSize], char (*midNames)[kMidNameSize], int slots) {
    m_nInit = 1;
    m_Midi.Clear();
    if (!m_Vox.Init()) {
        ErrorLog("m_Vox.Init失敗！");
        // Without the library the manager has no players to touch.
        m_nInit = 0;
        return 0;
    }
    SetChannels(channels);
    m_pOggNames = oggNames;
    m_pMidNames = midNames;
    m_SlotKinds.Reset(slots);
    m_SlotKinds.Fill(kBgmNone);
    return 1;
}

int cBgmManager::SetChannels(int n) {
    if (!m_nInit) return 1;
    m_Midi.DeletePlayers();
    m_Midi.m_Players.resize(size_t(n > 0 ? n : 0), nullptr);
    m_Vox.SetChannels(n);
    m_ChannelStates.Reset(n);
    m_ChannelStates.Fill(kBgmNone);
    return 1;
}

int cBgmManager::SetFile(int slot, const char* path) {
    if (!m_nInit) return 1;
    int& kind = m_SlotKinds.At(slot, kClosePost);
    if (slot < 0 || slot >= int(m_SlotKinds.size()) || !m_pOggNames || !m_pMidNames) return 0;
    char* ogg = m_pOggNames[slot];
    char* mid = m_pMidNames[slot];
    cString ext;
    if (!path || !SoundFileExt(path, &ext)) {
        ogg[0] = mid[0] = '\0';
        kind = kBgmNone;
        return 0;
    }
    if (ext == "mid" || ext == "MID") {
        kind = CopyName(m_pMidNames[slot], path) ? kBgmMidi : kBgmNone;
        LowerMidExt(mid);
        return kind == kBgmMidi;
    }
    if (ext == "ogg" || ext == "OGG") {
        kind = CopyName(m_pOggNames[slot], path) ? kBgmOgg : kBgmNone;
        return kind == kBgmOgg;
    }
    CopyName(m_pOggNames[slot], path);
    CopyName(m_pMidNames[slot], path);
    kind = kBgmNone;
    return 0;
}

int cBgmManager::Play(int channel, int slot, int loop, int pause, int force) {
    if (!m_nInit) return 1;
    if (slot == m_nCurSlot && !force) return 1;
    int& state = m_ChannelStates.At(channel, kClosePost);
    const int kind = m_SlotKinds.At(slot, kClosePost);
    if (channel >= 0 && channel < int(m_ChannelStates.size()) && slot >= 0 && slot < int(m_SlotKinds.size())) {
        m_nCurSlot = slot;
        if (kind == kBgmOgg || kind == kBgmNone) {
            if (m_Vox.Play(channel, m_pOggNames[slot], loop)) {
                state = kBgmOgg;
                m_Midi.StopAll(pause);
                return 1;
            }
        }
        if (kind == kBgmMidi || kind == kBgmNone) {
            if (m_Midi.Play(channel, m_pMidNames[slot], loop)) {
                state = kBgmMidi;
                m_Vox.Stop();
                return 1;
            }
        }
        state = kBgmNone;
    }
    m_nCurSlot = -1;
    m_Vox.Stop();
    m_Midi.StopAll(0);
    return 0;
}

void cBgmManager::Stop() {
    if (!m_nInit) return;
    m_Midi.StopAll(0);
    m_Vox.Stop();
}

void cBgmManager::Release() {
    m_Vox.Release();
    m_Midi.Clear();
    m_nInit = 0;
}
