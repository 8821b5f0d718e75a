#include "cmdedit/cmdpage_shotbase.h"

#include "ui/dlghelpers.h"

namespace {

const int kFormationEdits[3] = {1041, 1042, 1043};
const int kFormationLabels[3] = {1151, 1152, 1153};

}  // namespace

cCmdShotBase::cCmdShotBase(int templateId, cDlg* parent, int kind, const cEditReq* req, cWndRegistry* registry,
                           cCtrl* ownerCtrl, int centre)
    : cCmdDlg(templateId, parent, kind, req, registry, ownerCtrl, centre) {
    MakeAnimeList(&m_Animes);
    MakeSoundList(&m_Sounds);
    MakeEffectList(&m_Effects);
    cEdCommand* cmd = Cmd();
    // a new command gets a fresh record; one read without it gets one too,
    // so the controls always have fields to show
    if (cmd && (IsNew() || !cmd->m_spShot)) NewShared(cmd->m_spShot);
}

cCmdShotBase::~cCmdShotBase() { DestroyModeless(); }

cEdShot* cCmdShotBase::Shot() const {
    cEdCommand* cmd = Cmd();
    return cmd ? cmd->m_spShot.get() : nullptr;
}

void cCmdShotBase::OnInitDialog(WPARAM wp, LPARAM lp) {
    cCmdDlg::OnInitDialog(wp, lp);
    AddCtrls(m_Bytes);
    AddCtrls(m_Lists);
    AddCtrls(m_Edit8);
    AddCtrls(m_Edit16);
    AddCtrls(m_Edit32);
    AddCtrls(m_Checks);
    AddCtrls(m_Statics);
    AddCtrls(m_Buttons);
    AddCtrls(m_Pictures);
    DataToCtrls();
    UpdateCtrls();
    InitRefresh();
    m_bLive = 1;
    m_bReady = 1;
    Draw();
}

void cCmdShotBase::OnCommand(WPARAM wp, LPARAM lp) {
    if (m_bLive) {
        if (LOWORD(wp) == m_nSoundId && HIWORD(wp) == CBN_SELCHANGE) PlayComboSound(m_hWnd, m_Lists, m_nSoundId);
        OwnCommand(wp);
    }
    cCmdDlg::OnCommand(wp, lp);
}

void cCmdShotBase::UpdateItemList(int paletteId, int listId) {
    auto* palette = FindCtrl(m_Bytes, paletteId);
    auto* list = FindCtrl(m_Lists, listId);
    if (!palette || !list) return;
    const int source = palette->m_Ctrl.GetCurData();
    if (source == 0) {
        list->m_Ctrl.Enable(0);
    } else if (source == 1 || source == 2) {
        list->m_Ctrl.Enable(1);
        MakeItemList(&m_Entries, source);
        list->m_Ctrl.SetItemList(&m_Entries);
    }
}

void cCmdShotBase::RefreshFormation(int comboId) {
    auto* combo = FindCtrl(m_Bytes, comboId);
    if (!combo) return;
    RefreshParamRows(this, m_Edit16, kFormationEdits, kFormationLabels, g_ShotPatternParam, kShotPatternParamRows,
                     combo->m_Ctrl.GetCurData(), &m_nPrevFormation);
}
