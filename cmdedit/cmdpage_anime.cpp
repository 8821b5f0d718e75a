#include "cmdedit/cmdpage_anime.h"

#include "cmdedit/cmdpage_anime_res.h"
#include "cmdedit/cmdpage_present.h"

cCmdDlgAnimeSet::cCmdDlgAnimeSet(int templateId, cDlg* parent, int kind, const cEditReq* req,
                                 cWndRegistry* registry, cCtrl* ownerCtrl, int centre)
    : cCmdDlg(templateId, parent, kind, req, registry, ownerCtrl, centre) {
    MakeAnimeSetChoices(&m_Sets);
    cEdCommand* cmd = Cmd();
    if (!cmd) return;
    if (cmd->m_Params.size() < 1) cmd->m_Params.resize(1, 0);
    if (IsNew()) {
        cmd->m_nTime = 0;
        cmd->m_bParallel = 1;
    }
    m_Combos.resize(1);
    m_Combos[0].m_Param.SetList(IDC_AS_SET, &cmd->m_Params[0], &m_Sets, 0);
}

cCmdDlgAnimeSet::~cCmdDlgAnimeSet() { DestroyModeless(); }

void cCmdDlgAnimeSet::OnInitDialog(WPARAM wp, LPARAM lp) {
    cCmdDlg::OnInitDialog(wp, lp);
    AddCtrls(m_Combos);
    FinishInit();
}

void cCmdDlgAnimeSet::OnCommand(WPARAM wp, LPARAM lp) {
    if (StoreOnOkKeepingUnlisted(this, wp, lp, m_Combos)) {
        Close(1);
        return;
    }
    cCmdDlg::OnCommand(wp, lp);
}

cCmdDlgAnime::cCmdDlgAnime(int templateId, cDlg* parent, int kind, const cEditReq* req, cWndRegistry* registry,
                           cCtrl* ownerCtrl, int centre)
    : cCmdDlg(templateId, parent, kind, req, registry, ownerCtrl, centre) {
    MakeAnimeChoices(&m_Animes);
    cEdCommand* cmd = Cmd();
    if (!cmd) return;
    if (cmd->m_Params.size() < 1) cmd->m_Params.resize(1, 0);
    if (IsNew()) {
        cmd->m_nTime = 0;
        cmd->m_bParallel = 1;
        cmd->m_Params[0] = 1;
    }
    m_Combos.resize(1);
    m_Combos[0].m_Param.SetList(IDC_AN_ANIME, &cmd->m_Params[0], &m_Animes, kChoiceFromRecord1);
}

cCmdDlgAnime::~cCmdDlgAnime() { DestroyModeless(); }

void cCmdDlgAnime::OnInitDialog(WPARAM wp, LPARAM lp) {
    cCmdDlg::OnInitDialog(wp, lp);
    AddCtrls(m_Combos);
    FinishInit();
}

void cCmdDlgAnime::OnCommand(WPARAM wp, LPARAM lp) {
    if (StoreOnOkKeepingUnlisted(this, wp, lp, m_Combos)) {
        Close(1);
        return;
    }
    cCmdDlg::OnCommand(wp, lp);
}
