// Helpers shared by the sound players: file extensions and the error boxes
// that the players show.
#pragma once

#include "base/str.h"

// The text after the last '.' of the path; false (ext untouched) without one.
bool SoundFileExt(const char* path, cString* ext);
// The extension of a path in place becomes the lower-case "mid" when it is
// "MID" or "mid" (same length, so the caller's buffer stays as long).
void LowerMidExt(char* path);

// Shows an error box ("エラー"). Tests put a stand-in here.
extern void (*g_SoundErrorBox)(const char* text);
// The out-of-memory box, then the application window is asked to close.
void SoundOutOfMemory();
