// Stand-ins for the message boxes and the keyboard hook holder that the
// window and dialog classes use. They give the same calls in their simplest
// form (plain MessageBoxA, a hook holder that installs no hook) and are
// replaced by the full message box and keyboard hook modules.
#pragma once

#include <windows.h>

// The hook's private message for scroll keys: (virtual key, key lParam).
const UINT kMsgScrollKey = 2024;

int ErrorBox(const char* text);
int ErrorBoxF(const char* fmt, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 1, 2)))
#endif
    ;
// Shown only while the error log is on.
int DebugErrorBoxF(const char* fmt, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 1, 2)))
#endif
    ;
// "メモリが不足しています！", then WM_CLOSE to the application window.
void OutOfMemory();
// "システムリソース不足です！" (debugging box), a beep, WM_CLOSE to the application window.
void ResourceError();

// 1 while Ctrl is held down, as the keyboard hook sees it.
extern int g_CtrlDown;

// Keyboard hook holder of one dialog.
class cHook {
public:
    cHook();
    virtual ~cHook();
    // Binds the holder to the window (window property "cHook"). True when a
    // hook is in place.
    bool Install(HWND wnd, int modeless);

    HWND m_hWnd;
    int m_bModeless;
};
