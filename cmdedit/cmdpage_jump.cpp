#include "cmdedit/cmdpage_jump.h"

#include "cmdedit/cmdpage_jump_res.h"
#include "cmdedit/cmdpage_parts.h"
#include "ui/dlghelpers.h"

namespace {

const int kTypeBySpeed = 2;  // "慣性移動速度に応じて高さを決定(主人公のみ有効)"

}  // namespace

cCmdDlgJump::cCmdDlgJump(int templateId, cDlg* parent, int kind, const cEditReq* req, cWndRegistry* registry,
                         cCtrl* ownerCtrl, int centre)
    : cCmdDlg(templateId, parent, kind, req, registry, ownerCtrl, centre) {
    cEdCommand* cmd = Cmd();
    TableToList(&m_Types, g_JumpHeightMode);
    MakeAnimeList(&m_Animes);
    MakeSoundList(&m_Sounds);
    if (!cmd) return;
    if (cmd->m_Params.size() < 5) cmd->m_Params.resize(5, 0);
    if (IsNew()) {
        cmd->m_nTime = 1;
        cmd->m_bParallel = 1;
        cmd->m_Params[1] = 100;
        cmd->m_Params[2] = 7;
        cmd->m_Params[3] = 0;
        cmd->m_Params[4] = 4;
    }
    m_Type.resize(1);
    m_Type[0].m_Param.SetList(IDC_JP_TYPE, &cmd->m_Params[0], &m_Types, 0);
    m_Lists.resize(2);
    m_Lists[0].m_Param.SetList(IDC_JP_ANIME, &cmd->m_nAnime, &m_Animes, 0);
    m_Lists[1].m_Param.SetList(IDC_JP_SOUND, &cmd->m_nSound, &m_Sounds, 0);
    m_Ints.resize(4);
    m_Ints[0].m_Param.Set(IDC_JP_MAX_SPEED, &cmd->m_Params[1], 0, 200, IDC_JP_MAX_SPEED_SPIN, 1);
    m_Ints[1].m_Param.Set(IDC_JP_MAX_HEIGHT, &cmd->m_Params[2], 1, 20, IDC_JP_MAX_HEIGHT_SPIN, 1);
    m_Ints[2].m_Param.Set(IDC_JP_MIN_SPEED, &cmd->m_Params[3], 0, 200, IDC_JP_MIN_SPEED_SPIN, 1);
    m_Ints[3].m_Param.Set(IDC_JP_MIN_HEIGHT, &cmd->m_Params[4], 1, 20, IDC_JP_MIN_HEIGHT_SPIN, 1);
    m_Checks.resize(1);
    m_Checks[0].m_Param.Set(IDC_JP_MUTE, &cmd->m_bMuteOffScreen);
}

cCmdDlgJump::~cCmdDlgJump() { DestroyModeless(); }

void cCmdDlgJump::OnInitDialog(WPARAM wp, LPARAM lp) {
    cCmdDlg::OnInitDialog(wp, lp);
    AddCtrls(m_Type);
    AddCtrls(m_Lists);
    AddCtrls(m_Ints);
    AddCtrls(m_Checks);
    FinishInit();
}

void cCmdDlgJump::OnCommand(WPARAM wp, LPARAM lp) {
    if (LOWORD(wp) == IDC_JP_SOUND && HIWORD(wp) == CBN_SELCHANGE && m_bLive) PlayComboSound(m_hWnd, m_Lists, IDC_JP_SOUND);
    cCmdDlg::OnCommand(wp, lp);
}

void cCmdDlgJump::UpdateCtrls() {
    if (m_Type.empty()) return;
    const int type = m_Type[0].m_Ctrl.GetCurData();
    if (type < 0 || type > 2) return;
    const int bySpeed = type == kTypeBySpeed ? 1 : 0;
    for (int id : {IDC_JP_MAX_SPEED, IDC_JP_MIN_SPEED, IDC_JP_MIN_HEIGHT}) EnableCtrl(m_Ints, id, bySpeed);
}
