// The one top-level window of a registered window class (the application window).
#pragma once

#include "ui/wnd.h"

class cAppWnd : public cWnd {
public:
    using cWnd::cWnd;

    int DefMsgProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) override;
    // Slot 14.
    virtual void OnCreate(WPARAM wp, LPARAM lp);

    // Window procedure for the window class: the object comes as the
    // creation parameter and receives every message from WM_NCCREATE to
    // WM_DESTROY through cWnd::MsgProc; other messages go to DefWindowProcA
    // unless MsgProc reports them handled.
    static LRESULT CALLBACK WndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
};
