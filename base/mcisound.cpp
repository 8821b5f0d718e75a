#include "base/mcisound.h"

#include <cstring>
#include <new>

#include "base/log.h"
#include "base/soundfile.h"
#include "base/str.h"

MciSound g_MciSound = {0, nullptr, -1, 0};

namespace {

bool IsSlot(const MciSound* s, int slot) { return s->slots && slot >= 0 && slot < s->count; }

MCIERROR OpenSlot(MCI_OPEN_PARMSA* p) {
    return mciSendCommandA(0, MCI_OPEN, MCI_OPEN_TYPE | MCI_OPEN_ELEMENT, reinterpret_cast<DWORD_PTR>(p));
}

// A command that takes no parameters of its own.
MCIERROR SendPlain(MCIDEVICEID id, UINT msg, DWORD flags) {
    MCI_SEEK_PARMS parms;  // the largest of the plain ones
    memset(&parms, 0, sizeof parms);
    return mciSendCommandA(id, msg, flags, reinterpret_cast<DWORD_PTR>(&parms));
}

MCIERROR CloseDevice(MCIDEVICEID id) { return SendPlain(id, MCI_CLOSE, 0); }

}  // namespace

void InitSound(MciSound* s) {
    s->enabled = 1;
    s->current = -1;
}

void ReleaseSound(MciSound* s) {
    if (!s->enabled) return;
    CloseSounds(s);
    s->enabled = 0;
}

bool OpenSounds(MciSound* s, const char* deviceType, const char* const* names) {
    if (!s->enabled) return true;
    CloseSounds(s);
    int n = 0;
    while (names && names[n]) ++n;
    if (n > 0) {
        s->slots = new (std::nothrow) MCI_OPEN_PARMSA[size_t(n)]();
        if (!s->slots) return false;
    }
    for (int i = 0; i < n; ++i) {
        MCI_OPEN_PARMSA* p = &s->slots[i];
        p->lpstrDeviceType = deviceType;
        p->lpstrElementName = names[i];
        if (OpenSlot(p) != 0) memset(p, 0, sizeof *p);
    }
    s->current = -1;
    s->count = n;
    return true;
}

void CloseSounds(MciSound* s) {
    if (!s->enabled) return;
    for (int i = 0; s->slots && i < s->count; ++i) {
        if (s->slots[i].wDeviceID) CloseDevice(s->slots[i].wDeviceID);
    }
    delete[] s->slots;
    s->slots = nullptr;
    s->count = 0;
    s->current = -1;
}

bool ChangeSound(MciSound* s, int slot, const char* deviceType, const char* fileName) {
    if (!s->enabled) return true;
    if (!IsSlot(s, slot)) return false;
    StopSound(s, 0);
    if (strcmp(deviceType, "sequencer") == 0) {
        // The sequencer opens only once: every slot is closed first.
        for (int i = 0; i < s->count; ++i) {
            if (s->slots[i].wDeviceID) {
                CloseDevice(s->slots[i].wDeviceID);
                s->slots[i].wDeviceID = 0;
            }
        }
    } else if (s->slots[slot].wDeviceID) {
        if (CloseDevice(s->slots[slot].wDeviceID) != 0) ErrorLogF("MCI_CLOSE失敗！ %d", slot);
        memset(&s->slots[slot], 0, sizeof s->slots[slot]);
    }
    MCI_OPEN_PARMSA* p = &s->slots[slot];
    p->lpstrDeviceType = deviceType;
    p->lpstrElementName = fileName;
    if (OpenSlot(p) != 0) {
        p->wDeviceID = 0;
        ErrorLogF("ChangeSound失敗！ %s", fileName);
        return false;
    }
    return true;
}

void StartSound(HWND notify, MciSound* s, int slot, int notifyFlag, int resume, DWORD from) {
    if (!s->enabled || !IsSlot(s, slot)) return;
    if (s->current != -1) StopSound(s, 0);
    MCI_PLAY_PARMS play;
    memset(&play, 0, sizeof play);
    DWORD flags = 0;
    if (!resume) {
        flags |= MCI_FROM;
        play.dwFrom = from;
    }
    if (notifyFlag) {
        flags |= MCI_NOTIFY;
        play.dwCallback = reinterpret_cast<DWORD_PTR>(notify);
    }
    mciSendCommandA(s->slots[slot].wDeviceID, MCI_PLAY, flags, reinterpret_cast<DWORD_PTR>(&play));
    s->current = slot;
}

void StopSound(MciSound* s, int pause) {
    if (!s->enabled || s->current == -1) return;
    const int slot = s->current;
    s->current = -1;
    if (!IsSlot(s, slot)) return;
    MCIDEVICEID id = s->slots[slot].wDeviceID;
    if (pause) {
        SendPlain(id, MCI_PAUSE, 0);
        return;
    }
    MCIERROR mr = SendPlain(id, MCI_STOP, 0);
    if (mr == 0) ErrorLogF("Stop成功！ mr = %8x stop =%d", unsigned(mr), slot);
    else ErrorLogF("Stop失敗！ mr = %8x stop =%d", unsigned(mr), slot);
    SendPlain(id, MCI_SEEK, MCI_SEEK_TO_START);
}

int PlaySoundFile(HWND notify, MciSound* s, int slot, char* path, DWORD from) {
    if (!s->enabled) return 1;
    cString ext;
    if (!path || !SoundFileExt(path, &ext)) return 0;
    if (ext == "mid" || ext == "MID") {
        LowerMidExt(path);
        if (!ChangeSound(s, slot, "sequencer", path)) return 0;
        StartSound(notify, s, slot, 1, 0, from);
        return 1;
    }
    if (ext == "wav" || ext == "WAV") {
        if (!ChangeSound(s, slot, "waveaudio", path)) return 0;
        StartSound(notify, s, slot, 0, 0, from);
        return 1;
    }
    return 0;
}
