#include "objedit/cond_status.h"

#include "cmdedit/cmd_words.h"
#include "objedit/cond_status_res.h"

int g_CondStatusLastItem = -1;

namespace {

// m_Combos
enum { kLeftKind, kWho, kItem, kLeftScope, kCompare, kSource, kRightWho, kRightItem, kRightScope, kComboCount };
// m_VarCombos
enum { kLeftVar, kRightVar };
// m_Vals
enum { kValue, kRandMin, kRandMax };

const int kRightSide[] = {IDC_COND_STATUS_VALUE,      IDC_COND_STATUS_RAND_MIN,    IDC_COND_STATUS_RAND_MAX,
                          IDC_COND_STATUS_RIGHT_WHO,  IDC_COND_STATUS_RIGHT_ITEM,  IDC_COND_STATUS_RIGHT_SCOPE,
                          IDC_COND_STATUS_RIGHT_VAR,  IDC_COND_STATUS_RIGHT_RENAME};

void FillItems(cVector<cString>* out, int who) {
    out->clear();
    if (who == kWhoSystem)
        for (const cStatusEntry& e : g_SystemValue) out->push_back(e.m_Name);
    else
        for (const cStatusEntry& e : g_CharaStatus) out->push_back(e.m_Name);
}

// The names a variable combo lists: 0 none, 1 the character variables, 2
// the common or stage variables of the scope.
int VarListKind(int isStatus, int who, int item) {
    if (isStatus) return who != kWhoSystem && item == 0 ? 1 : 0;
    return 2;
}

void FillVars(cVector<cString>* out, int listKind, int scope) {
    out->clear();
    if (listKind == 1)
        MakeCharaVarNameList(out);
    else if (listKind == 2 && VarTable(scope))
        MakeVarNameList(out, *VarTable(scope));
}

}  // namespace

const cStatusEntry* CondStatusEntry(int who, int item) {
    // the system's items have ranges of their own ("時間" -999..999, the
    // scroll speeds -480..480, ...), not those of the character status at
    // the same index
    return StatusEntryOf(who, item);
}

cCondKindDlgStatus::cCondKindDlgStatus(int templateId, cDlg* parent, int kind, const cEditReq* req,
                                       cWndRegistry* registry, cCtrl* ownerCtrl, int centre)
    : cCondKindDlg(templateId, parent, kind, req, registry, ownerCtrl, centre) {
    cEdCond& c = m_Cond;
    if (IsNew()) {
        c.m_nVar = 1;
        c.m_nRightVar = 1;
    }
    MakeSubjectList(&m_Subjects, 1);
    TableToList(&m_LeftKinds, g_OperandKind);
    TableToList(&m_Sources, g_ValueSource);
    TableToList(&m_Scopes, g_VarScope);
    TableToList(&m_CompareNames, g_CompareWord);
    FillItems(&m_Items, c.m_nWho);
    FillItems(&m_RightItems, c.m_nRightWho);
    FillVars(&m_LeftVars, VarListKind(c.m_nLeftKind == 0, c.m_nWho, c.m_nItem), c.m_nLeftScope);
    FillVars(&m_RightVars, c.m_nRightSource == 2 ? VarListKind(1, c.m_nRightWho, c.m_nRightItem)
                           : c.m_nRightSource == 3 ? 2 : 0,
             c.m_nRightScope);

    m_Combos.resize(kComboCount);
    m_Combos[kLeftKind].m_Param.SetList(IDC_COND_STATUS_LEFT_KIND, &c.m_nLeftKind, &m_LeftKinds, 0);
    m_Combos[kWho].m_Param.SetList(IDC_COND_STATUS_WHO, &c.m_nWho, &m_Subjects, 0);
    m_Combos[kItem].m_Param.SetList(IDC_COND_STATUS_ITEM, &c.m_nItem, &m_Items, 0);
    m_Combos[kLeftScope].m_Param.SetList(IDC_COND_STATUS_LEFT_SCOPE, &c.m_nLeftScope, &m_Scopes, 0);
    m_Combos[kCompare].m_Param.SetList(IDC_COND_STATUS_COMPARE, &c.m_nCompare, &m_CompareNames, 0);
    m_Combos[kSource].m_Param.SetList(IDC_COND_STATUS_RIGHT_SOURCE, &c.m_nRightSource, &m_Sources, 0);
    m_Combos[kRightWho].m_Param.SetList(IDC_COND_STATUS_RIGHT_WHO, &c.m_nRightWho, &m_Subjects, 0);
    m_Combos[kRightItem].m_Param.SetList(IDC_COND_STATUS_RIGHT_ITEM, &c.m_nRightItem, &m_RightItems, 0);
    m_Combos[kRightScope].m_Param.SetList(IDC_COND_STATUS_RIGHT_SCOPE, &c.m_nRightScope, &m_Scopes, 0);
    m_VarCombos.resize(2);
    m_VarCombos[kLeftVar].m_Param.SetList(IDC_COND_STATUS_VAR, &c.m_nVar, &m_LeftVars, 1);
    m_VarCombos[kRightVar].m_Param.SetList(IDC_COND_STATUS_RIGHT_VAR, &c.m_nRightVar, &m_RightVars, 1);
    m_Vals.resize(3);
    m_Vals[kValue].m_Param.Set(IDC_COND_STATUS_VALUE, &c.m_nValue, -999999, 999999, IDC_COND_STATUS_VALUE_SPIN, 1);
    m_Vals[kRandMin].m_Param.Set(IDC_COND_STATUS_RAND_MIN, &c.m_nRandMin, -999999, 999999,
                                 IDC_COND_STATUS_RAND_MIN_SPIN, 1);
    m_Vals[kRandMax].m_Param.Set(IDC_COND_STATUS_RAND_MAX, &c.m_nRandMax, -999999, 999999,
                                 IDC_COND_STATUS_RAND_MAX_SPIN, 1);
    m_Checks.resize(1);
    m_Checks[0].m_Param.Set(IDC_COND_STATUS_PERCENT, &c.m_bPercent);
    m_Buttons.resize(2);
    m_Buttons[0].m_Param.Set(IDC_COND_STATUS_RENAME);
    m_Buttons[1].m_Param.Set(IDC_COND_STATUS_RIGHT_RENAME);
}

void cCondKindDlgStatus::OnInitDialog(WPARAM wp, LPARAM lp) {
    cCondKindDlg::OnInitDialog(wp, lp);
    AddCtrls(m_Combos);
    AddCtrls(m_VarCombos);
    AddCtrls(m_Vals);
    AddCtrls(m_Checks);
    AddCtrls(m_Buttons);
    DataToCtrls();
    m_nLastWho = m_Cond.m_nWho;
    UpdateCtrls();
    OnLeftItemChanged();
    RefreshRightVar();
    m_bInit = 1;
    m_bReady = 1;
}

void cCondKindDlgStatus::RefreshLeftVar() {
    const int status = m_Combos[kLeftKind].m_Ctrl.GetCurData() == 0;
    const int kind = VarListKind(status, m_Combos[kWho].m_Ctrl.GetCurData(), m_Combos[kItem].m_Ctrl.GetCurData());
    cCtrlCombo<int16_t>& combo = m_VarCombos[kLeftVar].m_Ctrl;
    const int16_t keep = combo.GetCurData();
    FillVars(&m_LeftVars, kind, m_Combos[kLeftScope].m_Ctrl.GetCurData());
    combo.SetItemList(&m_LeftVars);
    combo.SetCurData(keep);
    combo.Adjust();
    EnableCtrl(m_VarCombos, IDC_COND_STATUS_VAR, kind != 0);
    EnableCtrl(m_Buttons, IDC_COND_STATUS_RENAME, kind == 2);
}

void cCondKindDlgStatus::RefreshRightVar() {
    const int source = m_Combos[kSource].m_Ctrl.GetCurData();
    const int kind = source == 2   ? VarListKind(1, m_Combos[kRightWho].m_Ctrl.GetCurData(),
                                                 m_Combos[kRightItem].m_Ctrl.GetCurData())
                     : source == 3 ? 2
                                   : 0;
    cCtrlCombo<int16_t>& combo = m_VarCombos[kRightVar].m_Ctrl;
    const int16_t keep = combo.GetCurData();
    FillVars(&m_RightVars, kind, m_Combos[kRightScope].m_Ctrl.GetCurData());
    combo.SetItemList(&m_RightVars);
    combo.SetCurData(keep);
    combo.Adjust();
    EnableCtrl(m_VarCombos, IDC_COND_STATUS_RIGHT_VAR, kind != 0);
    EnableCtrl(m_Buttons, IDC_COND_STATUS_RIGHT_RENAME, kind == 2);
}

void cCondKindDlgStatus::OnLeftItemChanged() {
    if (m_Combos[kLeftKind].m_Ctrl.GetCurData() != 0) return;
    RefreshLeftVar();
    const int item = m_Combos[kItem].m_Ctrl.GetCurData();
    const cStatusEntry* e = CondStatusEntry(m_Combos[kWho].m_Ctrl.GetCurData(), item);
    if (!e) return;
    const int source = m_Combos[kSource].m_Ctrl.GetCurData();
    if (source == 0) m_Vals[kValue].m_Ctrl.SetRange(e->m_nOperandMin, e->m_nOperandMax);
    if (source == 1) {
        m_Vals[kRandMin].m_Ctrl.SetRange(e->m_nOperandMin, e->m_nOperandMax);
        m_Vals[kRandMax].m_Ctrl.SetRange(e->m_nOperandMin, e->m_nOperandMax);
    }
    cCtrlCheck<int8_t>& percent = m_Checks[0].m_Ctrl;
    if (e->m_bPercentCond) {
        percent.Enable(1);
    } else {
        percent.SetCheck(0);
        percent.Enable(0);
    }
    if (item != g_CondStatusLastItem) {
        for (auto& v : m_Vals) v.m_Ctrl.SetValue(v.m_Ctrl.GetValue());
        g_CondStatusLastItem = item;
    }
}

void cCondKindDlgStatus::UpdateCtrls() {
    const int left = m_Combos[kLeftKind].m_Ctrl.GetCurData();
    EnableCtrl(m_Combos, IDC_COND_STATUS_WHO, left == 0);
    EnableCtrl(m_Combos, IDC_COND_STATUS_ITEM, left == 0);
    EnableCtrl(m_Combos, IDC_COND_STATUS_LEFT_SCOPE, left != 0);

    // the items of each side by its subject
    const int8_t item = m_Combos[kItem].m_Ctrl.GetCurData();
    const int8_t who = m_Combos[kWho].m_Ctrl.GetCurData();
    FillItems(&m_Items, who);
    m_Combos[kItem].m_Ctrl.SetItemList(&m_Items);
    FillItems(&m_RightItems, m_Combos[kRightWho].m_Ctrl.GetCurData());
    m_Combos[kRightItem].m_Ctrl.SetItemList(&m_RightItems);
    RefreshLeftVar();
    // another subject has items of its own: their ranges apply at once
    if (m_Combos[kItem].m_Ctrl.GetCurData() != item || who != m_nLastWho) OnLeftItemChanged();
    m_nLastWho = who;

    const int source = m_Combos[kSource].m_Ctrl.GetCurData();
    for (int id : kRightSide) {
        bool on = false;
        switch (source) {
            case 0: on = id == IDC_COND_STATUS_VALUE; break;
            case 1: on = id == IDC_COND_STATUS_RAND_MIN || id == IDC_COND_STATUS_RAND_MAX; break;
            case 2: on = id == IDC_COND_STATUS_RIGHT_WHO || id == IDC_COND_STATUS_RIGHT_ITEM; break;
            case 3: on = id == IDC_COND_STATUS_RIGHT_SCOPE; break;
        }
        EnableWindow(GetDlgItem(m_hWnd, id), on);
        if (id == IDC_COND_STATUS_VALUE) EnableWindow(GetDlgItem(m_hWnd, IDC_COND_STATUS_VALUE_SPIN), on);
        if (id == IDC_COND_STATUS_RAND_MIN) EnableWindow(GetDlgItem(m_hWnd, IDC_COND_STATUS_RAND_MIN_SPIN), on);
        if (id == IDC_COND_STATUS_RAND_MAX) EnableWindow(GetDlgItem(m_hWnd, IDC_COND_STATUS_RAND_MAX_SPIN), on);
    }
    RefreshRightVar();
}

void cCondKindDlgStatus::OnCommand(WPARAM wp, LPARAM lp) {
    const int id = LOWORD(wp);
    const int code = HIWORD(wp);
    if (m_bInit && code == BN_CLICKED && (id == IDC_COND_STATUS_RENAME || id == IDC_COND_STATUS_RIGHT_RENAME)) {
        const bool left = id == IDC_COND_STATUS_RENAME;
        const int scope = m_Combos[left ? kLeftScope : kRightScope].m_Ctrl.GetCurData();
        cCtrlCombo<int16_t>& combo = m_VarCombos[left ? kLeftVar : kRightVar].m_Ctrl;
        if (RenameVariable(this, scope, combo.GetCurData(), &m_Buttons[left ? 0 : 1].m_Ctrl, false)) {
            if (left)
                RefreshLeftVar();
            else
                RefreshRightVar();
        }
        return;
    }
    cDlg::OnCommand(wp, lp);
    if (m_bInit && code == CBN_SELCHANGE && id == IDC_COND_STATUS_ITEM) OnLeftItemChanged();
    if (m_bInit && code == CBN_SELCHANGE && id == IDC_COND_STATUS_RIGHT_ITEM &&
        m_Combos[kSource].m_Ctrl.GetCurData() == 2)
        RefreshRightVar();
    switch (id) {
        case kIdOk:
            CtrlsToData();
            if (Record()) *Record() = m_Cond;
            Close(1);
            return;
        case kIdCancel:
            Close(0);
            return;
    }
    if (m_bInit && GetChangedCtrlId(wp)) UpdateCtrls();
}
