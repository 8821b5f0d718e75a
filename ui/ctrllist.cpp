#include "ui/ctrllist.h"

const char kCtrlListProp[] = "CTRL_LIST_CLASS";

LRESULT CALLBACK CtrlListProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) {
    cCtrl* ctrl = static_cast<cCtrl*>(GetPropA(wnd, kCtrlListProp));
    if (!ctrl || !ctrl->m_lpfnOrgProc) return DefWindowProcA(wnd, msg, wp, lp);
    WNDPROC org = ctrl->m_lpfnOrgProc;
    if (msg == WM_DESTROY) {
        SetWindowLongPtrA(wnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(org));
        RemovePropA(wnd, kCtrlListProp);
    }
    return CallWindowProcA(org, wnd, msg, wp, lp);
}
