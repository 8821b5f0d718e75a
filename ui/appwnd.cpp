#include "ui/appwnd.h"

static const char kAppWndProp[] = "APPWND_CLASS";

int cAppWnd::DefMsgProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    int r = cWnd::DefMsgProc(hwnd, msg, wp, lp);
    if (msg == WM_CREATE) OnCreate(wp, lp);
    return r;
}

void cAppWnd::OnCreate(WPARAM, LPARAM) {}

LRESULT CALLBACK cAppWnd::WndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    cAppWnd* wnd;
    if (msg == WM_NCCREATE) {
        wnd = static_cast<cAppWnd*>(reinterpret_cast<CREATESTRUCTA*>(lp)->lpCreateParams);
        SetPropA(hwnd, kAppWndProp, wnd);
    } else {
        wnd = static_cast<cAppWnd*>(GetPropA(hwnd, kAppWndProp));
    }
    if (msg == WM_NCDESTROY) {
        RemovePropA(hwnd, kAppWndProp);
        wnd = nullptr;
    }
    if (wnd && wnd->MsgProc(hwnd, msg, wp, lp)) return 0;
    return DefWindowProcA(hwnd, msg, wp, lp);
}
