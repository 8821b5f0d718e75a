#include "base/soundfile.h"

#include <windows.h>

#include <cstring>

#include "base/platform.h"

namespace {

void ShowErrorBox(const char* text) { MessageBoxA(GetActiveWindow(), text, "エラー", MB_OK); }

}  // namespace

void (*g_SoundErrorBox)(const char* text) = ShowErrorBox;

bool SoundFileExt(const char* path, cString* ext) {
    const char* dot = path ? strrchr(path, '.') : nullptr;
    if (!dot) return false;
    ext->Set(dot + 1);
    return true;
}

void LowerMidExt(char* path) {
    char* dot = strrchr(path, '.');
    if (dot && (strcmp(dot + 1, "MID") == 0 || strcmp(dot + 1, "mid") == 0)) memcpy(dot + 1, "mid", 3);
}

void SoundOutOfMemory() {
    g_SoundErrorBox("メモリが不足しています！");
    CloseAppWindow(kClosePost);
}
