#include "cmdedit/cmdpage_warp.h"

#include "cmdedit/cmdpage_warp_res.h"
#include "model/cmd_tables.h"
#include "model/move_shot.h"
#include "ui/dlghelpers.h"

namespace {

const int kModeTarget = 2;  // "目標座標で指定"
const int kCoordRelative = 0;  // "相対座標"
const int kCoordLast = 2;

}  // namespace

cCmdDlgWarp::cCmdDlgWarp(int templateId, cDlg* parent, int kind, const cEditReq* req, cWndRegistry* registry,
                         cCtrl* ownerCtrl, int centre)
    : cCmdDlg(templateId, parent, kind, req, registry, ownerCtrl, centre) {
    TableToList(&m_Modes, g_WarpMode);
    TableToList(&m_Dirs, g_MoveDir);
    TableToList(&m_TargetTypes, g_WarpTargetCoord);
    cEdCommand* cmd = Cmd();
    if (!cmd) return;
    if (IsNew()) {
        cmd->m_nTime = 0;
        cmd->m_bParallel = 1;
        NewShared(cmd->m_spMove);
        cmd->m_spMove->m_nDistance = 2;
        cmd->m_spMove->m_bFlipX = 0;
    }
    // a warp read without its move record (a file the editor did not write)
    // is given one to edit
    if (!cmd->m_spMove) NewShared(cmd->m_spMove);
    cEdMove* m = cmd->m_spMove.get();
    m_Combos.resize(3);
    m_Combos[0].m_Param.SetList(IDC_WP_MODE, &m->m_nDirMode, &m_Modes, 0);
    m_Combos[1].m_Param.SetList(IDC_WP_DIR, &m->m_nDirection, &m_Dirs, 0);
    m_Combos[2].m_Param.SetList(IDC_WP_TARGET_TYPE, &m->m_nTargetType, &m_TargetTypes, 0);
    const struct {
        int id;
        int16_t* data;
        int16_t min, max;
        int spin;
    } shorts[] = {
        {IDC_WP_DIST, &m->m_nDistance, 0, 64, IDC_WP_DIST_SPIN},
        {IDC_WP_DIST_CLONE, &m->m_nDistanceClone, -40, 40, IDC_WP_DIST_CLONE_SPIN},
        {IDC_WP_TARGET_X, &m->m_nTargetX, -640, 640, IDC_WP_TARGET_X_SPIN},
        {IDC_WP_TARGET_XDOT, &m->m_nTargetXDot, -640, 640, IDC_WP_TARGET_XDOT_SPIN},
        {IDC_WP_TARGET_Y, &m->m_nTargetY, -640, 640, IDC_WP_TARGET_Y_SPIN},
        {IDC_WP_TARGET_YDOT, &m->m_nTargetYDot, -640, 640, IDC_WP_TARGET_YDOT_SPIN},
    };
    m_Shorts.resize(sizeof shorts / sizeof shorts[0]);
    for (size_t i = 0; i < m_Shorts.size(); ++i)
        m_Shorts[i].m_Param.Set(shorts[i].id, shorts[i].data, shorts[i].min, shorts[i].max, shorts[i].spin, 1);
    m_Checks.resize(2);
    m_Checks[0].m_Param.Set(IDC_WP_FLIP_X, &m->m_bFlipX);
    m_Checks[1].m_Param.Set(IDC_WP_FLIP_Y, &m->m_bFlipY);
}

cCmdDlgWarp::~cCmdDlgWarp() { DestroyModeless(); }

void cCmdDlgWarp::OnInitDialog(WPARAM wp, LPARAM lp) {
    cCmdDlg::OnInitDialog(wp, lp);
    AddCtrls(m_Combos);
    AddCtrls(m_Shorts);
    AddCtrls(m_Checks);
    FinishInit();
}

void cCmdDlgWarp::OnCommand(WPARAM wp, LPARAM lp) { cCmdDlg::OnCommand(wp, lp); }

void cCmdDlgWarp::UpdateCtrls() {
    if (m_Combos.empty()) return;
    const int mode = m_Combos[0].m_Ctrl.GetCurData();
    if (mode < 0 || mode > kModeTarget) return;
    const int byTarget = mode == kModeTarget ? 1 : 0;
    EnableCtrl(m_Combos, IDC_WP_DIR, !byTarget);
    for (int id : {IDC_WP_DIST, IDC_WP_DIST_CLONE}) EnableCtrl(m_Shorts, id, !byTarget);
    for (int id : {IDC_WP_TARGET_X, IDC_WP_TARGET_XDOT, IDC_WP_TARGET_Y, IDC_WP_TARGET_YDOT})
        EnableCtrl(m_Shorts, id, byTarget);
    for (int id : {IDC_WP_FLIP_X, IDC_WP_FLIP_Y}) EnableCtrl(m_Checks, id, byTarget);
    EnableCtrl(m_Combos, IDC_WP_TARGET_TYPE, byTarget);
    if (!byTarget) return;
    const int coord = m_Combos[2].m_Ctrl.GetCurData();
    if (coord < 0 || coord > kCoordLast) return;
    // the flip applies to relative coordinates only; elsewhere it is cleared
    const int relative = coord == kCoordRelative ? 1 : 0;
    for (cCtrlCheckItem<int8_t>& flip : m_Checks) {
        flip.m_Ctrl.Enable(relative);
        if (!relative) flip.m_Ctrl.SetCheck(0);
    }
}
