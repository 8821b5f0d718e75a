#include "cmdedit/cmdpage_status.h"

#include "app/services.h"
#include "cmdedit/cmd_words.h"
#include "cmdedit/cmdpage_status_res.h"
#include "model/cmd_tables.h"
#include "model/stage.h"
#include "ui/dlghelpers.h"
#include "ui/varnames.h"

int g_StatusOpLastItem = -1;

namespace {

// m_Combos
enum {
    kSide, kOwner, kItem, kScope, kVar, kCalc, kSource, kRightOwner, kRightItem, kRightScope, kRightVar, kPercentMode,
    kComboCount
};
// m_Values
enum { kValue, kRandMin, kRandMax };
// m_Buttons
enum { kRename, kRightRename };

const int kSideStatus = 0;
const int kSideVar = 1;
const int kCharaVarItem = 0;  // "キャラ変数"
const int kItemHP = 1;
const int kItemSP = 2;
const int kSourceConst = 0;
const int kSourceRandom = 1;
const int kSourceVar = 3;

bool IsCharaOwner(int owner) { return owner == 0 || owner == 1; }

void StatusNames(cVector<cString>* out, const cStatusEntry* table, int count) {
    out->clear();
    for (int i = 0; i < count; ++i) out->push_back(table[i].m_Name);
}

cVector<cEdValInfo>* VarNames(int scope) {
    if (scope == 0) return &g_GValInfo;
    if (scope == 1) return &g_Stage.m_Vars;
    return nullptr;
}

}  // namespace

cCmdDlgStatus::cCmdDlgStatus(int templateId, cDlg* parent, int kind, const cEditReq* req, cWndRegistry* registry,
                             cCtrl* ownerCtrl, int centre)
    : cCmdDlg(templateId, parent, kind, req, registry, ownerCtrl, centre) {
    TableToList(&m_Sides, g_StatusSideName);
    TableToList(&m_Owners, g_StatusOwnerName);
    TableToList(&m_Scopes, g_VarScopeName);
    TableToList(&m_Calcs, g_CalcWord);
    TableToList(&m_Sources, g_ValueSourceName);
    TableToList(&m_PercentModes, g_PercentModeName);
    TableToList(&m_CharaVars, g_ChaVarNames);
    StatusNames(&m_CharaStatus, g_CharaStatus, kCharaStatusCount);
    StatusNames(&m_SystemValues, g_SystemValue, kSystemValueCount);
    MakeVarNameList(&m_CommonVars, g_GValInfo);
    MakeVarNameList(&m_StageVars, g_Stage.m_Vars);
    cEdCommand* cmd = Cmd();
    if (!cmd) return;
    if (cmd->m_Params.size() < 18) cmd->m_Params.resize(18, 0);
    if (IsNew()) {
        cmd->m_nTime = 0;
        cmd->m_bParallel = 1;
        cmd->m_Params[2] = 1;
        cmd->m_Params[11] = 1;
        cmd->m_Params[16] = 1;
    }
    int32_t* p = &cmd->m_Params[0];
    // an owner outside the table has no status names
    cVector<cString>* items = StatusList(p[3]);
    cVector<cString>* rightItems = StatusList(p[12]);
    m_Combos.resize(kComboCount);
    m_Combos[kSide].m_Param.SetList(IDC_ST_SIDE, &p[0], &m_Sides, 0);
    m_Combos[kOwner].m_Param.SetList(IDC_ST_OWNER, &p[3], &m_Owners, 0);
    m_Combos[kItem].m_Param.SetList(IDC_ST_ITEM, &p[4], items ? items : &m_NoItems, 0);
    m_Combos[kScope].m_Param.SetList(IDC_ST_SCOPE, &p[1], &m_Scopes, 0);
    m_Combos[kVar].m_Param.SetList(IDC_ST_VAR, &p[2], p[0] == 0 && p[4] == 0 ? &m_CharaVars : VarList(p[1]), 1);
    m_Combos[kCalc].m_Param.SetList(IDC_ST_CALC, &p[5], &m_Calcs, 0);
    m_Combos[kSource].m_Param.SetList(IDC_ST_SOURCE, &p[6], &m_Sources, 0);
    m_Combos[kRightOwner].m_Param.SetList(IDC_ST_RIGHT_OWNER, &p[12], &m_Owners, 0);
    m_Combos[kRightItem].m_Param.SetList(IDC_ST_RIGHT_ITEM, &p[13], rightItems ? rightItems : &m_NoItems, 0);
    m_Combos[kRightScope].m_Param.SetList(IDC_ST_RIGHT_SCOPE, &p[10], &m_Scopes, 0);
    m_Combos[kRightVar].m_Param.SetList(IDC_ST_RIGHT_VAR, &p[11],
                                        p[6] == 2 && p[13] == 0 ? &m_CharaVars : VarList(p[10]), 1);
    m_Combos[kPercentMode].m_Param.SetList(IDC_ST_PERCENT_MODE, &p[15], &m_PercentModes, 0);
    m_Values.resize(3);
    m_Values[kValue].m_Param.Set(IDC_ST_VALUE, &p[7], -999999, 999999, IDC_ST_VALUE_SPIN, 1);
    m_Values[kRandMin].m_Param.Set(IDC_ST_RAND_MIN, &p[8], -999999, 999999, IDC_ST_RAND_MIN_SPIN, 1);
    m_Values[kRandMax].m_Param.Set(IDC_ST_RAND_MAX, &p[9], -999999, 999999, IDC_ST_RAND_MAX_SPIN, 1);
    m_Checks.resize(3);
    m_Checks[0].m_Param.Set(IDC_ST_PERCENT, &p[14]);
    m_Checks[1].m_Param.Set(IDC_ST_BAR, &p[16]);
    m_Checks[2].m_Param.Set(IDC_ST_INVINCIBLE, &p[17]);
    m_Buttons.resize(2);
    m_Buttons[kRename].m_Param.Set(IDC_ST_RENAME);
    m_Buttons[kRightRename].m_Param.Set(IDC_ST_RIGHT_RENAME);
}

cCmdDlgStatus::~cCmdDlgStatus() { DestroyModeless(); }

cVector<cString>* cCmdDlgStatus::StatusList(int owner) {
    if (owner == kWhoSystem) return &m_SystemValues;
    if (IsCharaOwner(owner)) return &m_CharaStatus;
    return nullptr;
}

cVector<cString>* cCmdDlgStatus::VarList(int scope) {
    if (scope == 0) return &m_CommonVars;
    if (scope == 1) return &m_StageVars;
    return &m_NoItems;
}

void cCmdDlgStatus::OnInitDialog(WPARAM wp, LPARAM lp) {
    cCmdDlg::OnInitDialog(wp, lp);
    AddCtrls(m_Combos);
    AddCtrls(m_Values);
    AddCtrls(m_Checks);
    AddCtrls(m_Buttons);
    DataToCtrls();
    if (!m_Combos.empty()) {
        RefreshLeftStatus();
        RefreshRightStatus();
        m_nLastOwner = Combo(kOwner);
    }
    UpdateCtrls();
    m_bLive = 1;
    m_bReady = 1;
}

int cCmdDlgStatus::Combo(int i) { return m_Combos[i].m_Ctrl.GetCurData(); }

void cCmdDlgStatus::RefreshLeftVar() {
    cCtrlCombo<int32_t>& var = m_Combos[kVar].m_Ctrl;
    const int side = Combo(kSide);
    if (side == kSideStatus && Combo(kOwner) != kWhoSystem && Combo(kItem) == kCharaVarItem) {
        var.SetItemList(&m_CharaVars);
        var.Enable(1);
        m_Buttons[kRename].m_Ctrl.Enable(0);
    } else if (side == kSideVar) {
        var.SetItemList(VarList(Combo(kScope)));
        var.Enable(1);
        m_Buttons[kRename].m_Ctrl.Enable(1);
    } else {
        var.Enable(0);
        m_Buttons[kRename].m_Ctrl.Enable(0);
    }
}

void cCmdDlgStatus::RefreshRightVar() {
    cCtrlCombo<int32_t>& var = m_Combos[kRightVar].m_Ctrl;
    const int source = Combo(kSource);
    if (source == kSourceStatus && Combo(kRightOwner) != kWhoSystem && Combo(kRightItem) == kCharaVarItem) {
        var.SetItemList(&m_CharaVars);
        var.Enable(1);
        m_Buttons[kRightRename].m_Ctrl.Enable(0);
    } else if (source != kSourceVar) {
        var.Enable(0);
        m_Buttons[kRightRename].m_Ctrl.Enable(0);
    } else {
        var.SetItemList(VarList(Combo(kRightScope)));
        var.Enable(1);
        m_Buttons[kRightRename].m_Ctrl.Enable(1);
    }
}

void cCmdDlgStatus::RefreshLeftStatus() {
    if (Combo(kSide) != kSideStatus) {
        m_Checks[1].m_Ctrl.Enable(0);
        m_Combos[kPercentMode].m_Ctrl.Enable(0);
        return;
    }
    RefreshLeftVar();
    const int owner = Combo(kOwner);
    const int item = Combo(kItem);
    // the system's values have ranges of their own, not those of the
    // character status at the same index
    if (const cStatusEntry* e = StatusEntryOf(owner, item)) {
        const int source = Combo(kSource);
        if (source == kSourceConst) m_Values[kValue].m_Ctrl.SetRange(e->m_nOperandMin, e->m_nOperandMax);
        if (source == kSourceRandom) {
            m_Values[kRandMin].m_Ctrl.SetRange(e->m_nOperandMin, e->m_nOperandMax);
            m_Values[kRandMax].m_Ctrl.SetRange(e->m_nOperandMin, e->m_nOperandMax);
        }
        const bool gauge = IsCharaOwner(owner) && (item == kItemHP || item == kItemSP);
        m_Checks[0].m_Ctrl.Enable(gauge ? 0 : e->m_bPercentOp ? 1 : 0);
        m_Combos[kPercentMode].m_Ctrl.Enable(gauge ? 1 : 0);
        m_Checks[1].m_Ctrl.Enable(gauge ? 1 : 0);
    }
    if (!m_bLive) return;
    if (g_StatusOpLastItem != -1 && g_StatusOpLastItem != item)
        for (auto& v : m_Values) v.m_Ctrl.SetValue(v.m_Ctrl.GetValue());
    g_StatusOpLastItem = item;
}

void cCmdDlgStatus::RefreshRightStatus() {
    if (Combo(kSource) == kSourceStatus) RefreshRightVar();
}

void cCmdDlgStatus::UpdateCtrls() {
    if (m_Combos.empty()) return;
    const int side = Combo(kSide);
    if (side == kSideStatus || side == kSideVar) {
        m_Combos[kOwner].m_Ctrl.Enable(side == kSideStatus ? 1 : 0);
        m_Combos[kItem].m_Ctrl.Enable(side == kSideStatus ? 1 : 0);
        m_Combos[kScope].m_Ctrl.Enable(side == kSideVar ? 1 : 0);
    }
    RefreshLeftVar();
    const int owner = Combo(kOwner);
    if (side == kSideStatus)
        if (cVector<cString>* names = StatusList(owner)) m_Combos[kItem].m_Ctrl.SetItemList(names);
    const int source = Combo(kSource);
    if (source == kSourceStatus)
        if (cVector<cString>* names = StatusList(Combo(kRightOwner))) m_Combos[kRightItem].m_Ctrl.SetItemList(names);
    m_Checks[2].m_Ctrl.Enable(side == kSideStatus && IsCharaOwner(owner) ? 1 : 0);
    if (source >= kSourceConst && source <= kSourceVar) {
        m_Values[kValue].m_Ctrl.Enable(source == kSourceConst ? 1 : 0);
        m_Values[kRandMin].m_Ctrl.Enable(source == kSourceRandom ? 1 : 0);
        m_Values[kRandMax].m_Ctrl.Enable(source == kSourceRandom ? 1 : 0);
        m_Combos[kRightOwner].m_Ctrl.Enable(source == kSourceStatus ? 1 : 0);
        m_Combos[kRightItem].m_Ctrl.Enable(source == kSourceStatus ? 1 : 0);
        m_Combos[kRightScope].m_Ctrl.Enable(source == kSourceVar ? 1 : 0);
    }
    RefreshRightVar();
}

void cCmdDlgStatus::OnCommand(WPARAM wp, LPARAM lp) {
    const int id = LOWORD(wp);
    const int code = HIWORD(wp);
    if ((id == IDC_ST_RENAME || id == IDC_ST_RIGHT_RENAME) && code == BN_CLICKED && m_bLive) {
        const bool left = id == IDC_ST_RENAME;
        // each button serves only while its side names a variable
        if (left ? Combo(kSide) != kSideVar : Combo(kSource) != kSourceVar) return;
        const int scope = Combo(left ? kScope : kRightScope);
        cCtrlCombo<int32_t>& combo = m_Combos[left ? kVar : kRightVar].m_Ctrl;
        if (InputVariableName(this, VarNames(scope), combo.GetCurData(), &m_Buttons[left ? kRename : kRightRename].m_Ctrl)) {
            cVector<cString>* names = VarList(scope);
            MakeVarNameList(names, *VarNames(scope));
            combo.SetItemList(names);
        }
        return;
    }
    cCmdDlg::OnCommand(wp, lp);
    if (!m_bLive || id == kIdOk || id == kIdCancel || m_Combos.empty()) return;
    if (id == IDC_ST_ITEM) RefreshLeftStatus();
    if (id == IDC_ST_RIGHT_ITEM) RefreshRightStatus();
    // a new side kind or owner gives the left side other items: their ranges
    // and percent choices apply at once, and the values are shown clamped
    // into the new ranges
    if ((id == IDC_ST_SIDE || id == IDC_ST_OWNER) && code == CBN_SELCHANGE) {
        RefreshLeftStatus();
        const int owner = Combo(kOwner);
        if (owner != m_nLastOwner)
            for (auto& v : m_Values) v.m_Ctrl.SetValue(v.m_Ctrl.GetValue());
        m_nLastOwner = owner;
    }
}
