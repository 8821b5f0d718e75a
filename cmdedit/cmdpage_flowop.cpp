#include "cmdedit/cmdpage_flowop.h"

#include "cmdedit/cmdpage_flowop_res.h"
#include "cmdedit/cmdpage_parts.h"

namespace {

const int kTargetById = 2;  // "IDで指定"

}  // namespace

cCmdDlgFlowOp::cCmdDlgFlowOp(int templateId, cDlg* parent, int kind, const cEditReq* req, cWndRegistry* registry,
                             cCtrl* ownerCtrl, int centre)
    : cCmdDlg(templateId, parent, kind, req, registry, ownerCtrl, centre) {
    TableToList(&m_Ops, g_FlowOp);
    TableToList(&m_Targets, g_FlowOpTarget);
    TableToList(&m_Ids, g_FlowIdName);
    cEdCommand* cmd = Cmd();
    if (!cmd) return;
    if (cmd->m_Params.size() < 3) cmd->m_Params.resize(3, 0);
    if (IsNew()) {
        cmd->m_nTime = 0;
        cmd->m_bParallel = 1;
    }
    m_Combos.resize(3);
    m_Combos[0].m_Param.SetList(IDC_FO_OP, &cmd->m_Params[0], &m_Ops, 0);
    m_Combos[1].m_Param.SetList(IDC_FO_TARGET, &cmd->m_Params[1], &m_Targets, 0);
    m_Combos[2].m_Param.SetList(IDC_FO_ID, &cmd->m_Params[2], &m_Ids, 0);
}

cCmdDlgFlowOp::~cCmdDlgFlowOp() { DestroyModeless(); }

void cCmdDlgFlowOp::OnInitDialog(WPARAM wp, LPARAM lp) {
    cCmdDlg::OnInitDialog(wp, lp);
    AddCtrls(m_Combos);
    FinishInit();
}

void cCmdDlgFlowOp::UpdateCtrls() {
    if (m_Combos.size() < 3) return;
    const int target = m_Combos[1].m_Ctrl.GetCurData();
    if (target < 0 || target > 2) return;
    m_Combos[2].m_Ctrl.Enable(target == kTargetById ? 1 : 0);
}
