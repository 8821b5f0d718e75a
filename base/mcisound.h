// Sound effects (and MIDI files chosen as sound effects) played through the
// Media Control Interface, one open device per sound slot.
#pragma once

#include <windows.h>
#include <mmsystem.h>

#include <cstdint>

struct MciSound {
    uint8_t enabled;
    MCI_OPEN_PARMSA* slots;  // device type and element name point to the caller's text
    int current;             // the slot that plays, -1 when none
    int count;
};

extern MciSound g_MciSound;

void InitSound(MciSound* s);
void ReleaseSound(MciSound* s);
// names: file names ended by a null entry. False only when the slots cannot
// be allocated; a file that does not open leaves its slot closed.
bool OpenSounds(MciSound* s, const char* deviceType, const char* const* names);
void CloseSounds(MciSound* s);
bool ChangeSound(MciSound* s, int slot, const char* deviceType, const char* fileName);
void StartSound(HWND notify, MciSound* s, int slot, int notifyFlag, int resume, DWORD from);
void StopSound(MciSound* s, int pause);
// Plays a file by its extension ("mid" rewrites the caller's path to the
// lower-case extension). 1 when it plays, 0 otherwise.
int PlaySoundFile(HWND notify, MciSound* s, int slot, char* path, DWORD from);
