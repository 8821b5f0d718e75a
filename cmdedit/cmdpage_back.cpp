#include "cmdedit/cmdpage_back.h"

#include "cmdedit/cmdpage_back_res.h"
#include "model/cmd_tables.h"
#include "ui/dlghelpers.h"

cCmdDlgBack::cCmdDlgBack(int templateId, cDlg* parent, int kind, const cEditReq* req, cWndRegistry* registry,
                         cCtrl* ownerCtrl, int centre)
    : cCmdDlg(templateId, parent, kind, req, registry, ownerCtrl, centre) {
    TableToList(&m_Modes, g_BackShowName);
    cEdCommand* cmd = Cmd();
    if (!cmd) return;
    if (cmd->m_Params.size() < 2) cmd->m_Params.resize(2, 0);
    if (IsNew()) {
        cmd->m_nTime = 0;
        cmd->m_bParallel = 1;
        cmd->m_Params[0] = 1;
    }
    m_Ints.resize(1);
    m_Ints[0].m_Param.Set(IDC_BK_LAYER, &cmd->m_Params[0], 1, 8, IDC_BK_LAYER_SPIN, 1);
    m_Combos.resize(1);
    m_Combos[0].m_Param.SetList(IDC_BK_MODE, &cmd->m_Params[1], &m_Modes, 0);
}

cCmdDlgBack::~cCmdDlgBack() { DestroyModeless(); }

void cCmdDlgBack::OnInitDialog(WPARAM wp, LPARAM lp) {
    cCmdDlg::OnInitDialog(wp, lp);
    AddCtrls(m_Ints);
    AddCtrls(m_Combos);
    FinishInit();
}
