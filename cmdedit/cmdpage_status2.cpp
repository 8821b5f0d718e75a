#include "cmdedit/cmdpage_status2.h"

#include "cmdedit/cmdpage_status2_res.h"
#include "ui/dlghelpers.h"

namespace {

enum { kOwner, kItem, kChoice, kComboCount };

template <class E>
void EntryNames(cVector<cString>* out, const E* table, int count) {
    out->clear();
    for (int i = 0; i < count; ++i) out->push_back(table[i].m_Name);
}

}  // namespace

const cStateEntry* Status2Entry(int owner, int item) {
    if (owner == 0 || owner == 1) return item >= 0 && item < kStateFlagCount ? &g_StateFlag[item] : nullptr;
    if (owner == kWhoSystem) return item >= 0 && item < kScrollStatusCount ? &g_ScrollStatus[item] : nullptr;
    return nullptr;
}

cCmdDlgStatus2::cCmdDlgStatus2(int templateId, cDlg* parent, int kind, const cEditReq* req, cWndRegistry* registry,
                               cCtrl* ownerCtrl, int centre)
    : cCmdDlg(templateId, parent, kind, req, registry, ownerCtrl, centre) {
    TableToList(&m_Owners, g_StatusOwnerName);
    EntryNames(&m_StateNames, g_StateFlag, kStateFlagCount);
    EntryNames(&m_ScrollNames, g_ScrollStatus, kScrollStatusCount);
    cEdCommand* cmd = Cmd();
    if (!cmd) return;
    if (cmd->m_Params.size() < 3) cmd->m_Params.resize(3, 0);
    if (IsNew()) {
        cmd->m_nTime = 0;
        cmd->m_bParallel = 1;
    }
    int32_t* p = &cmd->m_Params[0];
    // the choice list starts as the stored item's, so that the stored choice
    // is shown by its own position
    const cStateEntry* e = Status2Entry(p[0], p[1]);
    if (e) m_Choices = e->m_Choices;
    m_Combos.resize(kComboCount);
    m_Combos[kOwner].m_Param.SetList(IDC_ST2_OWNER, &p[0], &m_Owners, 0);
    m_Combos[kItem].m_Param.SetList(IDC_ST2_ITEM, &p[1], p[0] == kWhoSystem ? &m_ScrollNames : &m_StateNames, 0);
    m_Combos[kChoice].m_Param.SetList(IDC_ST2_CHOICE, &p[2], &m_Choices, e ? e->m_nFirst : 0);
}

cCmdDlgStatus2::~cCmdDlgStatus2() { DestroyModeless(); }

void cCmdDlgStatus2::OnInitDialog(WPARAM wp, LPARAM lp) {
    cCmdDlg::OnInitDialog(wp, lp);
    AddCtrls(m_Combos);
    DataToCtrls();
    RefreshChoices();
    UpdateCtrls();
    m_bLive = 1;
    m_bReady = 1;
}

void cCmdDlgStatus2::RefreshChoices() {
    if (m_Combos.empty()) return;
    const cStateEntry* e = Status2Entry(m_Combos[kOwner].m_Ctrl.GetCurData(), m_Combos[kItem].m_Ctrl.GetCurData());
    if (!e) return;
    cCtrlCombo<int32_t>& choice = m_Combos[kChoice].m_Ctrl;
    choice.SetMin(e->m_nFirst);
    m_Choices = e->m_Choices;
    choice.SetItemList(&m_Choices);
}

void cCmdDlgStatus2::UpdateCtrls() {
    if (m_Combos.empty()) return;
    const int owner = m_Combos[kOwner].m_Ctrl.GetCurData();
    if (owner == 0 || owner == 1) m_Combos[kItem].m_Ctrl.SetItemList(&m_StateNames);
    if (owner == kWhoSystem) m_Combos[kItem].m_Ctrl.SetItemList(&m_ScrollNames);
    RefreshChoices();
}

void cCmdDlgStatus2::OnCommand(WPARAM wp, LPARAM lp) {
    cCmdDlg::OnCommand(wp, lp);
    const int id = LOWORD(wp);
    if (m_bLive && id == IDC_ST2_ITEM) RefreshChoices();
}
