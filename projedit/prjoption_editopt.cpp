#include "projedit/prjoption_editopt.h"

#include "projedit/prjoption_res.h"

cEditOptionDlg* cEditOptionDlg::s_pThis = nullptr;

cEditOptionDlg::cEditOptionDlg(cDlg* parent, cWndRegistry* registry)
    : cDlg(IDD_EDIT_OPTION, parent, kWndDialog, registry) {
    s_pThis = this;
}

cEditOptionDlg::~cEditOptionDlg() {
    DestroyModeless();
    if (s_pThis == this) s_pThis = nullptr;
}

void cEditOptionDlg::OnCommand(WPARAM wp, LPARAM lp) {
    if (!AllowCommand(wp)) return;
    cDlg::OnCommand(wp, lp);
    if (LOWORD(wp) == kIdOk) Close(1);
    if (LOWORD(wp) == kIdCancel) Close(0);
}

LRESULT cEditOptionDlg::MsgProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    int r = DefMsgProc(hwnd, msg, wp, lp);
    if (msg == WM_CLOSE) {
        Close(0);
        return 1;
    }
    return r;
}
