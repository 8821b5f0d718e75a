#include "cmdedit/cmdpage_stage.h"

#include "cmdedit/cmdpage_stage_res.h"
#include "model/cmd_tables.h"
#include "ui/dlghelpers.h"

namespace {

const int kShiftByNumber = 1;  // "番号で指定"

}  // namespace

// ---------------------------------------------------------------------------
// Stage clear

cCmdDlgStageClear::cCmdDlgStageClear(int templateId, cDlg* parent, int kind, const cEditReq* req,
                                     cWndRegistry* registry, cCtrl* ownerCtrl, int centre)
    : cCmdDlg(templateId, parent, kind, req, registry, ownerCtrl, centre) {
    TableToList(&m_Shifts, g_StageClearMode);
    cEdCommand* cmd = Cmd();
    if (!cmd) return;
    if (cmd->m_Params.size() < 5) cmd->m_Params.resize(5, 0);
    if (IsNew()) {
        cmd->m_nTime = 0;
        cmd->m_bParallel = 0;
        cmd->m_Params[1] = 1;
    }
    m_Combos.resize(1);
    m_Combos[0].m_Param.SetList(IDC_SC_SHIFT, &cmd->m_Params[0], &m_Shifts, 0);
    m_Ints.resize(3);
    m_Ints[0].m_Param.Set(IDC_SC_NUMBER, &cmd->m_Params[1], 1, 99, IDC_SC_NUMBER_SPIN, 1);
    m_Ints[1].m_Param.Set(IDC_SC_X, &cmd->m_Params[3], 0, 999, IDC_SC_X_SPIN, 1);
    m_Ints[2].m_Param.Set(IDC_SC_Y, &cmd->m_Params[4], 0, 999, IDC_SC_Y_SPIN, 1);
    m_Checks.resize(1);
    m_Checks[0].m_Param.Set(IDC_SC_MAP_WARP, &cmd->m_Params[2]);
}

cCmdDlgStageClear::~cCmdDlgStageClear() { DestroyModeless(); }

void cCmdDlgStageClear::OnInitDialog(WPARAM wp, LPARAM lp) {
    cCmdDlg::OnInitDialog(wp, lp);
    AddCtrls(m_Combos);
    AddCtrls(m_Ints);
    AddCtrls(m_Checks);
    FinishInit();
}

void cCmdDlgStageClear::OnCommand(WPARAM wp, LPARAM lp) { cCmdDlg::OnCommand(wp, lp); }

void cCmdDlgStageClear::UpdateCtrls() {
    if (m_Combos.empty()) return;
    EnableCtrl(m_Ints, IDC_SC_NUMBER, m_Combos[0].m_Ctrl.GetCurData() == kShiftByNumber ? 1 : 0);
    const int warp = m_Checks[0].m_Ctrl.GetCheck() == BST_CHECKED ? 1 : 0;
    EnableCtrl(m_Ints, IDC_SC_X, warp);
    EnableCtrl(m_Ints, IDC_SC_Y, warp);
}

// ---------------------------------------------------------------------------
// Game wait

cCmdDlgGameWait::cCmdDlgGameWait(int templateId, cDlg* parent, int kind, const cEditReq* req,
                                 cWndRegistry* registry, cCtrl* ownerCtrl, int centre)
    : cCmdDlg(templateId, parent, kind, req, registry, ownerCtrl, centre) {
    cEdCommand* cmd = Cmd();
    if (!cmd) return;
    if (cmd->m_Params.empty()) cmd->m_Params.resize(1, 0);
    if (IsNew()) {
        cmd->m_nTime = 0;
        cmd->m_bParallel = 0;
        cmd->m_Params[0] = 20;
    }
    // the stop's length is the parameter, not the command's own time
    m_Ints.resize(1);
    m_Ints[0].m_Param.Set(IDC_GW_TIME, &cmd->m_Params[0], 0, 999, IDC_GW_TIME_SPIN, 1);
}

cCmdDlgGameWait::~cCmdDlgGameWait() { DestroyModeless(); }

void cCmdDlgGameWait::OnInitDialog(WPARAM wp, LPARAM lp) {
    cCmdDlg::OnInitDialog(wp, lp);
    AddCtrls(m_Ints);
    FinishInit();
}

void cCmdDlgGameWait::OnCommand(WPARAM wp, LPARAM lp) { cCmdDlg::OnCommand(wp, lp); }
