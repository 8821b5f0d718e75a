// The background-music manager: ogg files play through the players of the
// run-time library Vox.dll, standard MIDI files through MIDI stream players,
// one kind at a time. Music is addressed by slot (a remembered file name)
// and played on a channel (one player of each kind per channel).
#pragma once

#include <windows.h>

#include "base/containers.h"
#include "vox/vox.h"

class cMidiPlayer;

const int kOggNameSize = 260;
const int kMidNameSize = 264;

// The library the ogg players come from ("Vox.dll").
extern const char* g_VoxLibraryName;

class cVox {
public:
    cVox() = default;
    ~cVox() { Release(); }
    cVox(const cVox&) = delete;
    cVox& operator=(const cVox&) = delete;

    int Init();
    int SetChannels(int n);
    int Play(int i, const char* path, int loop);
    void Stop();
    void Release();

    int Count() const { return m_nCount; }
    int Current() const { return m_nCurrent; }
    cVoxPlayer* Player(int i) const { return m_ppPlayers && i >= 0 && i < m_nCount ? m_ppPlayers[i] : nullptr; }

private:
    cVoxPlayer** m_ppPlayers = nullptr;
    int m_nCount = 0;
    int m_nCurrent = -1;
    HMODULE m_hModule = nullptr;
    tCreateVox m_pCreate = nullptr;
};

class cMidiSet {
public:
    cMidiSet() = default;
    ~cMidiSet() { Clear(); }
    cMidiSet(const cMidiSet&) = delete;
    cMidiSet& operator=(const cMidiSet&) = delete;

    void StopAll(int pause);
    int Play(int channel, const char* path, int loop);
    // Deletes every player and nulls its entry.
    void DeletePlayers();
    // Deletes the players and empties the vector.
    void Clear();

    cVector<cMidiPlayer*> m_Players;
};

// File kinds of the slots and what plays on a channel.
enum eBgmKind { kBgmNone = 0, kBgmOgg = 1, kBgmMidi = 2 };

class cBgmManager {
public:
    cBgmManager() = default;
    ~cBgmManager() { Release(); }
    cBgmManager(const cBgmManager&) = delete;
    cBgmManager& operator=(const cBgmManager&) = delete;

    // The name tables belong to the caller and outlive the manager's use.
    int Init(int channels, char (*oggNames)[kOggNameSize], char (*midNames)[kMidNameSize], int slots);
    int SetChannels(int n);
    int SetFile(int slot, const char* path);
    int Play(int channel, int slot, int loop, int pause, int force);
    void Stop();
    void Release();

    bool IsInitialised() const { return m_nInit != 0; }
    int CurrentSlot() const { return m_nCurSlot; }
    int SlotKind(int slot) { return m_SlotKinds.At(slot, kClosePost); }
    int ChannelState(int channel) { return m_ChannelStates.At(channel, kClosePost); }

    cVox m_Vox;
    cMidiSet m_Midi;

private:
    int m_nInit = 0;
    char (*m_pOggNames)[kOggNameSize] = nullptr;
    char (*m_pMidNames)[kMidNameSize] = nullptr;
    int m_nCurSlot = -1;
    cVector<int> m_SlotKinds;
    cVector<int> m_ChannelStates;
};

extern cBgmManager g_BgmManager;
