#include "tests/support/box_catcher.h"

#include <windows.h>

namespace {

std::vector<CaughtBox> g_Caught;
HHOOK g_Hook = nullptr;

// The static control that holds a message box's text.
const int kBoxTextId = 0xFFFF;

std::string TextOf(HWND wnd) {
    char buf[2048] = {};
    GetWindowTextA(wnd, buf, sizeof buf);
    return buf;
}

// Takes each message box as soon as its dialog is initialised and destroys it
// there, before it is ever shown (a box that was shown takes seconds to go
// away on a display without a window manager). The box then returns -1.
LRESULT CALLBACK CatchProc(int code, WPARAM wp, LPARAM lp) {
    const CWPRETSTRUCT* msg = reinterpret_cast<const CWPRETSTRUCT*>(lp);
    if (code == HC_ACTION && msg->message == WM_INITDIALOG) {
        char cls[64] = {};
        GetClassNameA(msg->hwnd, cls, sizeof cls);
        HWND text = GetDlgItem(msg->hwnd, kBoxTextId);
        if (lstrcmpA(cls, "#32770") == 0 && text) {
            CaughtBox caught;
            caught.caption = TextOf(msg->hwnd);
            caught.text = TextOf(text);
            g_Caught.push_back(caught);
            DestroyWindow(msg->hwnd);
        }
    }
    return CallNextHookEx(g_Hook, code, wp, lp);
}

}  // namespace

BoxCatcher::BoxCatcher() {
    g_Caught.clear();
    g_Hook = SetWindowsHookExA(WH_CALLWNDPROCRET, CatchProc, nullptr, GetCurrentThreadId());
    m_Hook = g_Hook;
}

BoxCatcher::~BoxCatcher() {
    UnhookWindowsHookEx(static_cast<HHOOK>(m_Hook));
    g_Hook = nullptr;
}

std::vector<CaughtBox> BoxCatcher::Take() {
    std::vector<CaughtBox> out;
    out.swap(g_Caught);
    return out;
}
