#include "ui/hook.h"

#include <imm.h>

#include "base/msgbox.h"

const char kHookProp[] = "cHook";
HHOOK g_hKeyHook = nullptr;
int g_CtrlDown = 0;

cHook::cHook() : m_hWnd(nullptr), m_bModeless(0) {}

cHook::~cHook() {
    if (m_hWnd && IsWindow(m_hWnd) && GetPropA(m_hWnd, kHookProp) == this) {
        RemovePropA(m_hWnd, kHookProp);
    }
}

bool cHook::Install(HWND wnd, int modeless) {
    m_hWnd = wnd;
    m_bModeless = modeless;
    SetPropA(wnd, kHookProp, this);
    if (!g_hKeyHook) {
        g_hKeyHook = SetWindowsHookExA(WH_KEYBOARD, HookProc, nullptr, GetCurrentThreadId());
    }
    return g_hKeyHook != nullptr;
}

bool cHook::IsScrollKey(WPARAM key) {
    switch (key) {
        case VK_SPACE:
        case VK_LEFT:
        case VK_UP:
        case VK_RIGHT:
        case VK_DOWN:
        case VK_DELETE:
            return true;
        default:
            return key >= VK_F1 && key <= VK_F8;
    }
}

namespace {

// Copies a key to the dialog; a modeless dialog gets no copies while Ctrl is
// down, so its Ctrl shortcuts reach only the focused control.
void CopyKey(HWND wnd, const cHook* hook, UINT msg, WPARAM key, LPARAM lParam) {
    if (hook->m_bModeless && g_CtrlDown == 1) return;
    PostMessageA(wnd, msg, key, lParam);
}

void ForwardKey(WPARAM key, LPARAM lParam) {
    HWND wnd = GetActiveWindow();
    if (!wnd) return;
    const cHook* hook = static_cast<const cHook*>(GetPropA(wnd, kHookProp));
    // Not a dialog of ours (a property sheet frame, a message box...).
    if (!hook || hook->m_hWnd != wnd) return;
    const bool released = (lParam & 0x80000000) != 0;
    // Ctrl is followed whatever happens to the key after: a release missed
    // here would leave g_CtrlDown set, and modeless dialogs without copies.
    if (released && key == VK_CONTROL) g_CtrlDown = 0;
    // While a menu is open its own loop takes the keys from the queue: a
    // copy would reach the menu as a second key press.
    GUITHREADINFO gui = {};
    gui.cbSize = sizeof gui;
    if (GetGUIThreadInfo(GetCurrentThreadId(), &gui) && (gui.flags & (GUI_INMENUMODE | GUI_POPUPMENUMODE))) {
        if (!released && key == VK_CONTROL) g_CtrlDown = 1;
        return;
    }

    if (released) {
        CopyKey(wnd, hook, WM_KEYUP, key, lParam);
        return;
    }
    if (key == VK_TAB) return;  // the dialog manager moves the focus

    bool composing = false;
    HIMC imc = ImmGetContext(wnd);
    if (imc) {
        composing = ImmGetCompositionStringA(imc, GCS_COMPSTR, nullptr, 0) > 0;
        ImmReleaseContext(wnd, imc);
    } else {
        // Handled as if nothing were being composed.
        DebugErrorBoxF("Err ImmGetContext");
    }
    if (key == VK_RETURN) {
        if (composing) return;  // Enter completes the composition
    } else if (!composing && cHook::IsScrollKey(key)) {
        PostMessageA(wnd, kMsgScrollKey, key, lParam);
        return;
    }
    if (key == VK_CONTROL) g_CtrlDown = 1;
    CopyKey(wnd, hook, WM_KEYDOWN, key, lParam);
}

}  // namespace

LRESULT CALLBACK cHook::HookProc(int code, WPARAM key, LPARAM lParam) {
    // HC_NOREMOVE: the key is only looked at and comes again when taken.
    if (code >= 0 && code != HC_NOREMOVE) ForwardKey(key, lParam);
    return CallNextHookEx(g_hKeyHook, code, key, lParam);
}

void UnhookKeyboard() {
    if (!g_hKeyHook) return;
    UnhookWindowsHookEx(g_hKeyHook);
    g_hKeyHook = nullptr;
}
