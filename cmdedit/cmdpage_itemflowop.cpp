#include "cmdedit/cmdpage_itemflowop.h"

#include "cmdedit/cmdpage_itemflowop_res.h"
#include "model/cmd_tables.h"

const cString g_ItemFlowOpName[] = {"追加", "変更", "削除", ""};
const cString g_ItemFlowIdName[] = {"全て削除", "A", "B", "C", "D", "E", "F", "G", "H", "I", "J", "K", "L", "M",
                                    "N",        "O", "P", "Q", "R", "S", "T", "U", "V", "W", "X", "Y", "Z", ""};
NestedFlowsFn g_RunNestedFlows = nullptr;

namespace {

enum { kOpAdd, kOpChange, kOpDelete };
const int kItemFlowKind = 1;  // row of g_CmdKind2

}  // namespace

cCmdDlgItemFlowOp::cCmdDlgItemFlowOp(int templateId, cDlg* parent, int kind, const cEditReq* req,
                                     cWndRegistry* registry, cCtrl* ownerCtrl, int centre)
    : cCmdDlg(templateId, parent, kind, req, registry, ownerCtrl, centre) {
    cEdCommand* cmd = Cmd();
    if (!cmd) return;
    if (cmd->m_Params.size() < 2) cmd->m_Params.resize(2, 0);
    if (IsNew()) {
        cmd->m_Params[0] = kOpAdd;
        cmd->m_Params[1] = 0;
    }
    m_Combos.resize(2);
    m_Combos[0].m_Param.Set(IDC_IFO_OP, &cmd->m_Params[0], g_ItemFlowOpName, 0);
    m_Combos[1].m_Param.Set(IDC_IFO_ID, &cmd->m_Params[1], g_ItemFlowIdName, 0);
    m_Buttons.resize(1);
    m_Buttons[0].m_Param.Set(IDC_IFO_FLOWS);
}

cCmdDlgItemFlowOp::~cCmdDlgItemFlowOp() {
    DestroyModeless();
    SafeDelete(&m_pFlowPage);
}

void cCmdDlgItemFlowOp::OnInitDialog(WPARAM wp, LPARAM lp) {
    cCmdDlg::OnInitDialog(wp, lp);
    SetWindowTextA(m_hWnd, g_CmdKind2[kItemFlowKind].m_Name.c_str());
    AddCtrls(m_Combos);
    AddCtrls(m_Buttons);
    FinishInit();
}

void cCmdDlgItemFlowOp::UpdateCtrls() {
    if (m_Combos.size() < 2) return;
    const int op = m_Combos[0].m_Ctrl.GetCurData();
    m_Combos[1].m_Ctrl.Enable(op != kOpAdd ? 1 : 0);
    m_Buttons[0].m_Ctrl.Enable(op != kOpDelete ? 1 : 0);
}

void cCmdDlgItemFlowOp::OnCommand(WPARAM wp, LPARAM lp) {
    cCmdDlg::OnCommand(wp, lp);
    if (LOWORD(wp) == IDC_IFO_FLOWS && HIWORD(wp) == BN_CLICKED && m_bLive) OpenFlows();
}

void cCmdDlgItemFlowOp::OpenFlows() {
    cEdCommand* cmd = Cmd();
    if (!cmd || !g_RunNestedFlows || m_Combos.size() < 2) return;
    // the operation and ID as the controls show them, not as stored
    const int op = m_Combos[0].m_Ctrl.GetCurData();
    const int id = m_Combos[1].m_Ctrl.GetCurData();
    g_RunNestedFlows(this, &m_pFlowPage, &cmd->m_Flows, op, id);
}
