#include "cmdedit/cmdpage_plain.h"

#include "model/cmd_tables.h"

cCmdDlgPlain::cCmdDlgPlain(int templateId, cDlg* parent, int kind, const cEditReq* req, cWndRegistry* registry,
                           cCtrl* ownerCtrl, int centre)
    : cCmdDlg(templateId, parent, kind, req, registry, ownerCtrl, centre) {
    cEdCommand* cmd = Cmd();
    if (!cmd || !IsNew() || cmd->m_nCmdSet != 0) return;
    const int k = cmd->m_nKind;
    if ((k >= kCmdMoveFirst && k <= kCmdMoveLast) || k == kCmdWarp) NewShared(cmd->m_spMove);
    if (k >= kCmdShot && k <= kCmdSummonItem) NewShared(cmd->m_spShot);
}

void cCmdDlgPlain::OnInitDialog(WPARAM wp, LPARAM lp) {
    cCmdDlg::OnInitDialog(wp, lp);
    const cEdCommand* cmd = Cmd();
    const int k = cmd ? cmd->m_nKind : -1;
    const bool inTable = cmd && k >= 0 && k < (cmd->m_nCmdSet == 0 ? kCmdKindCount : kCmdKind2Count);
    if (inTable) SetWindowTextA(m_hWnd, (cmd->m_nCmdSet == 0 ? g_CmdKind[k] : g_CmdKind2[k]).m_Name.c_str());
    FinishInit();
}
