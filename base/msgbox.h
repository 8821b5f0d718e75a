// Message boxes: the one way every part of the editor tells the user about an
// error. Each returns the result of the box (0 when none is shown).
#pragma once

#include <windows.h>

// Buffer of the formatting variants: a formatted text holds at most 1023
// bytes; longer text is cut at a whole Shift-JIS character.
const int kMsgBoxBufSize = 1024;

// A box owned by the given window.
int MsgBoxOwner(HWND owner, const char* text, const char* caption, UINT type = MB_OK);
// A box owned by the active window.
int MsgBox(const char* text, const char* caption, UINT type = MB_OK);
// MsgBox (text, "エラー", MB_OK).
int ErrorBox(const char* text);
int ErrorBoxF(const char* fmt, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 1, 2)))
#endif
    ;
// MsgBoxOwner (owner, formatted text, "エラー", MB_OK).
int ErrorBoxOwnerF(HWND owner, const char* fmt, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 2, 3)))
#endif
    ;
// For internal inconsistencies: shown like ErrorBoxF, but only while the
// error log is on.
int DebugErrorBoxF(const char* fmt, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 1, 2)))
#endif
    ;

// Fatal conditions. Each tells the user and posts WM_CLOSE to the application
// window; the caller is not stopped and goes on until WM_CLOSE is handled, so
// a caller that cannot go on without the failed resource stops its own work.
int OutOfMemory();
// The message shows only while the error log is on; the beep and the close
// happen always.
int ResourceError();
