#include "base/soundfile.h"

#include <cstring>

#include "base/msgbox.h"
#include "base/paths.h"
#include "base/platform.h"

namespace {

void ShowErrorBox(const char* text) { ErrorBox(text); }

}  // namespace

void (*g_SoundErrorBox)(const char* text) = ShowErrorBox;

bool SoundFileExt(const char* path, cString* ext) {
    char buf[kPathBufSize];
    if (!path || !GetExt(buf, path)) return false;
    ext->Set(buf);
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
