// The keyboard hook: copies the keys typed into a dialog's controls to the
// dialog window itself, so that a dialog can scroll its canvas and hand keys
// to its list controls while the focused control still gets every key.
#pragma once

#include <windows.h>

// Posted by the hook to a dialog for a scroll key, with the key's wParam and
// lParam; the dialog handles it as WM_KEYDOWN. The dialog manager would take
// these keys for its own navigation if they came as WM_KEYDOWN.
const UINT kMsgScrollKey = 2024;

// Window property of a dialog window: the dialog's cHook.
extern const char kHookProp[];

// One per dialog window.
class cHook {
public:
    cHook();
    // Takes the window's property away when it still names this holder, so a
    // window that outlives its holder never leads the hook to freed memory.
    virtual ~cHook();

    // Binds the holder to the dialog window and installs the thread's hook
    // when there is none yet. True when a hook is in place.
    bool Install(HWND wnd, int modeless);

    static LRESULT CALLBACK HookProc(int code, WPARAM key, LPARAM lParam);
    // Space, the arrows, Delete and F1 to F8.
    static bool IsScrollKey(WPARAM key);

    HWND m_hWnd;       // the dialog window; null until Install
    int m_bModeless;   // the dialog runs modeless

private:
    cHook(const cHook&) = delete;
    cHook& operator=(const cHook&) = delete;
};

// The thread's keyboard hook; null when none is installed.
extern HHOOK g_hKeyHook;
// 1 while Ctrl is held down, as the hook has seen it.
extern int g_CtrlDown;

// Removes the hook (at shutdown).
void UnhookKeyboard();
