#include "objedit/cond_status2.h"

#include "cmdedit/cmd_words.h"
#include "objedit/cond_status2_res.h"

namespace {
enum { kWho = 0, kItem = 1, kCompare = 2 };

// The item names of a subject: six state flags (values 1 .. 6) for a
// character, the two scroll items (0 .. 1) for the system; the value of
// the first name.
int FillItems(cVector<cString>* out, int who) {
    out->clear();
    if (who == kWhoSystem) {
        for (const cStateEntry& e : g_ScrollStatus) out->push_back(e.m_Name);
        return 0;
    }
    for (int i = 1; i < kStateFlagCount; ++i) out->push_back(g_StateFlag[i].m_Name);
    return 1;
}

const cStateEntry* Entry(int who, int item) {
    if (who == kWhoSystem) return item >= 0 && item < kScrollStatusCount ? &g_ScrollStatus[item] : nullptr;
    return item >= 1 && item < kStateFlagCount ? &g_StateFlag[item] : nullptr;
}
}  // namespace

cCondKindDlgStatus2::cCondKindDlgStatus2(int templateId, cDlg* parent, int kind, const cEditReq* req,
                                         cWndRegistry* registry, cCtrl* ownerCtrl, int centre)
    : cCondKindDlg(templateId, parent, kind, req, registry, ownerCtrl, centre) {
    if (IsNew()) m_Cond.m_nItem = 1;
    MakeSubjectList(&m_Subjects, 1);
    TableToList(&m_CompareNames, g_CompareWord);
    m_Combos.resize(3);
    m_Combos[kWho].m_Param.SetList(IDC_COND_STATUS2_WHO, &m_Cond.m_nWho, &m_Subjects, 0);
    m_Combos[kCompare].m_Param.SetList(IDC_COND_STATUS2_COMPARE, &m_Cond.m_nCompare, &m_CompareNames, 0);
    m_ChoiceCombo.resize(1);
    m_ChoiceCombo[0].m_Param.SetList(IDC_COND_STATUS2_CHOICE, &m_Cond.m_nVar, &m_Choices, 0);
    // the lists of the stored subject and item, so that the stored values
    // are found when the controls are first loaded
    m_Combos[kItem].m_Param.SetList(IDC_COND_STATUS2_ITEM, &m_Cond.m_nItem, &m_Items,
                                    FillItems(&m_Items, m_Cond.m_nWho));
    const cStateEntry* e = Entry(m_Cond.m_nWho, m_Cond.m_nItem);
    if (e) m_Choices = e->m_Choices;
    m_ChoiceCombo[0].m_Param.SetList(IDC_COND_STATUS2_CHOICE, &m_Cond.m_nVar, &m_Choices, e ? e->m_nFirst : 0);
}

void cCondKindDlgStatus2::OnInitDialog(WPARAM wp, LPARAM lp) {
    cCondKindDlg::OnInitDialog(wp, lp);
    AddCtrls(m_Combos);
    AddCtrls(m_ChoiceCombo);
    DataToCtrls();
    UpdateCtrls();
    m_bInit = 1;
    m_bReady = 1;
}

const cStateEntry* cCondKindDlgStatus2::Chosen() const {
    return Entry(m_Combos[kWho].m_Ctrl.GetCurData(), m_Combos[kItem].m_Ctrl.GetCurData());
}

void cCondKindDlgStatus2::RefreshChoices() {
    cCtrlCombo<int16_t>& combo = m_ChoiceCombo[0].m_Ctrl;
    const int16_t keep = combo.GetCurData();
    const cStateEntry* e = Chosen();
    m_Choices.clear();
    if (e) m_Choices = e->m_Choices;
    combo.m_nOffset = e ? e->m_nFirst : 0;
    combo.SetItemList(&m_Choices);
    combo.SetCurData(keep);
    combo.Adjust();
}

void cCondKindDlgStatus2::UpdateCtrls() {
    cCtrlCombo<int8_t>& items = m_Combos[kItem].m_Ctrl;
    const int8_t keep = items.GetCurData();
    items.m_nOffset = FillItems(&m_Items, m_Combos[kWho].m_Ctrl.GetCurData());
    items.SetItemList(&m_Items);
    items.SetCurData(keep);
    items.Adjust();
    RefreshChoices();
}

void cCondKindDlgStatus2::OnCommand(WPARAM wp, LPARAM lp) {
    if (m_bInit && LOWORD(wp) == IDC_COND_STATUS2_ITEM && HIWORD(wp) == CBN_SELCHANGE) {
        cDlg::OnCommand(wp, lp);
        RefreshChoices();
        return;
    }
    cCondKindDlg::OnCommand(wp, lp);
}
