#include "cmdedit/cmdpage_sound.h"

#include "base/bgm.h"
#include "cmdedit/cmdpage_present.h"
#include "cmdedit/cmdpage_sound_res.h"
#include "ui/dlghelpers.h"

// ---- cCmdDlgSound ----------------------------------------------------------

cCmdDlgSound::cCmdDlgSound(int templateId, cDlg* parent, int kind, const cEditReq* req, cWndRegistry* registry,
                           cCtrl* ownerCtrl, int centre)
    : cCmdDlg(templateId, parent, kind, req, registry, ownerCtrl, centre) {
    MakeSoundChoices(&m_Sounds);
    cEdCommand* cmd = Cmd();
    if (!cmd) return;
    if (cmd->m_Params.empty()) cmd->m_Params.resize(1, 0);
    if (IsNew()) {
        cmd->m_nTime = 0;
        cmd->m_bParallel = 1;
        cmd->m_Params[0] = 1;
    }
    m_Combos.resize(1);
    m_Combos[0].m_Param.SetList(IDC_SE_SOUND, &cmd->m_Params[0], &m_Sounds, kChoiceFromRecord1);
    m_Checks.resize(1);
    m_Checks[0].m_Param.Set(IDC_SE_MUTE, &cmd->m_bMuteOffScreen);
}

cCmdDlgSound::~cCmdDlgSound() { DestroyModeless(); }

void cCmdDlgSound::OnInitDialog(WPARAM wp, LPARAM lp) {
    cCmdDlg::OnInitDialog(wp, lp);
    AddCtrls(m_Combos);
    AddCtrls(m_Checks);
    FinishInit();
}

void cCmdDlgSound::OnCommand(WPARAM wp, LPARAM lp) {
    // the chosen effect plays at once; one that does not play is reported
    if (LOWORD(wp) == IDC_SE_SOUND && HIWORD(wp) == CBN_SELCHANGE && m_bLive)
        PlayComboSound(m_hWnd, m_Combos, IDC_SE_SOUND);
    cCmdDlg::OnCommand(wp, lp);
}

// ---- cCmdDlgBgm ------------------------------------------------------------

cCmdDlgBgm::cCmdDlgBgm(int templateId, cDlg* parent, int kind, const cEditReq* req, cWndRegistry* registry,
                       cCtrl* ownerCtrl, int centre)
    : cCmdDlg(templateId, parent, kind, req, registry, ownerCtrl, centre) {
    MakeBgmChoices(&m_Musics);
    cEdCommand* cmd = Cmd();
    if (!cmd) return;
    if (cmd->m_Params.size() < 2) cmd->m_Params.resize(2, 0);
    if (IsNew()) {
        cmd->m_nTime = 0;
        cmd->m_bParallel = 1;
        cmd->m_Params[0] = 1;
    }
    m_Combos.resize(1);
    m_Combos[0].m_Param.SetList(IDC_BGM_MUSIC, &cmd->m_Params[0], &m_Musics, 0);
    m_Checks.resize(1);
    m_Checks[0].m_Param.Set(IDC_BGM_LOOP, &cmd->m_Params[1]);
    m_Buttons.resize(1);
    m_Buttons[0].m_Param.Set(IDC_BGM_PLAY);
}

cCmdDlgBgm::~cCmdDlgBgm() {
    // however the page ended, its preview does not outlive it
    if (m_bPlaying) StopPreview();
    DestroyModeless();
}

void cCmdDlgBgm::OnInitDialog(WPARAM wp, LPARAM lp) {
    cCmdDlg::OnInitDialog(wp, lp);
    AddCtrls(m_Combos);
    AddCtrls(m_Checks);
    AddCtrls(m_Buttons);
    FinishInit();
}

void cCmdDlgBgm::StopPreview() {
    g_BgmManager.Stop();
    m_bPlaying = 0;
}

void cCmdDlgBgm::OnCommand(WPARAM wp, LPARAM lp) {
    const int id = LOWORD(wp);
    if (id == kIdOk || id == kIdCancel) StopPreview();
    if (id == IDC_BGM_PLAY && HIWORD(wp) == BN_CLICKED && !m_Combos.empty()) {
        // the preview always loops, whatever "ループ再生" says
        const int index = static_cast<int>(m_Combos[0].m_Ctrl.GetCurData());
        if (PlayTableBgm(m_hWnd, index)) m_bPlaying = 1;
    }
    cCmdDlg::OnCommand(wp, lp);
}
