#include "cmdedit/cmd_dlg.h"

#include "app/services.h"
#include "model/cmd_tables.h"

cCtrl* g_CharaFlowCmdList = nullptr;
cCtrl* g_NestedFlowCmdList = nullptr;

cCtrl* CmdPageOwnerCtrl() {
    if (g_StageEdit.g_ItemSheet && g_NestedFlowCmdList) return g_NestedFlowCmdList;
    return g_CharaFlowCmdList;
}

cCmdDlg::cCmdDlg(int templateId, cDlg* parent, int kind, const cEditReq* req, cWndRegistry* registry,
                 cCtrl* ownerCtrl, int centre)
    : cDlg(templateId, parent, kind, registry, ownerCtrl, centre) {
    if (req) m_Req = *req;
    // a kind outside its table has no parameters (ParamCount gives 0)
    if (cEdCommand* cmd = Cmd()) cmd->m_Params.resize(static_cast<size_t>(cmd->ParamCount()), 0);
}

cCmdDlg::~cCmdDlg() { DestroyModeless(); }

void cCmdDlg::OnInitDialog(WPARAM wp, LPARAM lp) {
    cDlg::OnInitDialog(wp, lp);
    if (HWND canvas = GetDlgItem(m_hWnd, 1006)) ShowWindow(canvas, SW_HIDE);
}

void cCmdDlg::FinishInit() {
    DataToCtrls();
    UpdateCtrls();
    m_bLive = 1;
    m_bReady = 1;
}

void cCmdDlg::OnCommand(WPARAM wp, LPARAM lp) {
    if (!AllowCommand(wp)) return;
    cDlg::OnCommand(wp, lp);
    switch (LOWORD(wp)) {
        case kIdOk:
            CtrlsToData();
            Close(1);
            return;
        case kIdCancel:
            Close(0);
            return;
    }
    if (m_bLive && GetChangedCtrlId(wp)) UpdateCtrls();
}

LRESULT cCmdDlg::MsgProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    const int handled = DefMsgProc(hwnd, msg, wp, lp);
    if (msg == WM_CLOSE) Close(0);
    if (msg == WM_CLOSE || handled) {
        Draw();
        return 1;
    }
    return 0;
}
