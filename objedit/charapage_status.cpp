#include "objedit/charapage_status.h"

#include "app/services.h"
#include "model/database.h"
#include "objedit/charapage_status_res.h"
#include "objedit/defedit.h"

namespace {

const cInheritGroup kGroups[] = {
    {23, IDC_CS_INH_HP, {IDC_CS_HP}},
    {24, IDC_CS_INH_SP, {IDC_CS_SP}},
    {25, IDC_CS_INH_CONTACT_RANGE, {IDC_CS_CONTACT_RANGE}},
    {26, IDC_CS_INH_CONTACT_POWER, {IDC_CS_CONTACT_POWER}},
    {27, IDC_CS_INH_CONTACT_IMPACT, {IDC_CS_CONTACT_IMPACT}},
    {28, IDC_CS_INH_CONTACT_EFFECT, {IDC_CS_CONTACT_EFFECT}},
    {29, IDC_CS_INH_DEFENCE, {IDC_CS_DEFENCE}},
    {30, IDC_CS_INH_RESIST, {IDC_CS_RESIST}},
    {31, IDC_CS_INH_STOP, {IDC_CS_STOP}},
    {32, IDC_CS_INH_ACT, {IDC_CS_ACT_RANGE, IDC_CS_ACT_JUDGE}},
    {33, IDC_CS_INH_GROUP, {IDC_CS_HAS_GROUP, IDC_CS_GROUP_NO}},
    {34, IDC_CS_INH_SCORE, {IDC_CS_SCORE}},
    {35, IDC_CS_INH_ITEM, {IDC_CS_ITEM}},
};
const int kGroupCount = sizeof kGroups / sizeof kGroups[0];

const int kSpins[][2] = {{IDC_CS_HP, IDC_CS_HP_SPIN},
                         {IDC_CS_SP, IDC_CS_SP_SPIN},
                         {IDC_CS_CONTACT_POWER, IDC_CS_CONTACT_POWER_SPIN},
                         {IDC_CS_CONTACT_IMPACT, IDC_CS_CONTACT_IMPACT_SPIN},
                         {IDC_CS_DEFENCE, IDC_CS_DEFENCE_SPIN},
                         {IDC_CS_RESIST, IDC_CS_RESIST_SPIN},
                         {IDC_CS_STOP, IDC_CS_STOP_SPIN},
                         {IDC_CS_GROUP_NO, IDC_CS_GROUP_NO_SPIN},
                         {IDC_CS_SCORE, IDC_CS_SCORE_SPIN}};
const int kSpinCount = sizeof kSpins / sizeof kSpins[0];

const int kRangeAll = 3;  // "全範囲"

}  // namespace

cCharaPageStatus::cCharaPageStatus(int templateId, cDlg* parent, int kind, cWndRegistry* registry)
    : cCharaSubPage(templateId, parent, kind, registry, 2, kGroups, kGroupCount, kSpins, kSpinCount) {
    m_Handlers[0].Set(kCtrlCombo, IDC_CS_ACT_RANGE, &cCharaPageStatus::OnRangeChanged);
    m_Handlers[1].Set(kCtrlCheck, IDC_CS_HAS_GROUP, &cCharaPageStatus::OnGroupChanged);
    m_Handlers[2].Set(kCtrlCheck, IDC_CS_ITEM, &cCharaPageStatus::OnNothing);
    MakeTableNameList(&m_Effects, g_Database.m_Effect, "なし", 0, 2, 0);
    m_Combos.resize(3);
    m_Lists.resize(1);
    m_Ints.resize(5);
    m_Shorts.resize(2);
    m_Bytes.resize(2);
    m_Checks.resize(2);
    m_Pictures.resize(1);
    m_Buttons.resize(2);
    if (const cEdChara* original = g_StageEdit.g_EditOriginal.m_pChara) BindRecord(*original);
}

cCharaPageStatus::~cCharaPageStatus() { DestroyModeless(); }

void cCharaPageStatus::FillParams() {
    cEdChara& c = m_Chara;
    m_Combos[0].m_Param.Set(IDC_CS_CONTACT_RANGE, &c.m_ContactRange, g_ContactRangeName, 0);
    m_Combos[1].m_Param.Set(IDC_CS_ACT_RANGE, &c.m_ActRange, g_ActRangeName, 0);
    m_Combos[2].m_Param.Set(IDC_CS_ACT_JUDGE, &c.m_ActJudge, g_ActJudgeName, 0);
    m_Lists[0].m_Param.SetList(IDC_CS_CONTACT_EFFECT, &c.m_ContactEffect, &m_Effects, 0);
    m_Ints[0].m_Param.Set(IDC_CS_HP, &c.m_HP, 1, 999999, IDC_CS_HP_SPIN, 1);
    m_Ints[1].m_Param.Set(IDC_CS_SP, &c.m_SP, 0, 999999, IDC_CS_SP_SPIN, 1);
    m_Ints[2].m_Param.Set(IDC_CS_CONTACT_POWER, &c.m_ContactPower, -999999, 999999, IDC_CS_CONTACT_POWER_SPIN, 1);
    m_Ints[3].m_Param.Set(IDC_CS_DEFENCE, &c.m_Defence, 0, 999999, IDC_CS_DEFENCE_SPIN, 1);
    m_Ints[4].m_Param.Set(IDC_CS_SCORE, &c.m_Score, -999999, 999999, IDC_CS_SCORE_SPIN, 1);
    m_Shorts[0].m_Param.Set(IDC_CS_STOP, &c.m_StopEase, 0, 200, IDC_CS_STOP_SPIN, 1);
    m_Shorts[1].m_Param.Set(IDC_CS_GROUP_NO, &c.m_Group, 0, 59, IDC_CS_GROUP_NO_SPIN, 1);
    m_Bytes[0].m_Param.Set(IDC_CS_CONTACT_IMPACT, &c.m_ContactImpact, -20, 20, IDC_CS_CONTACT_IMPACT_SPIN, 1);
    m_Bytes[1].m_Param.Set(IDC_CS_RESIST, &c.m_ImpactResist, 0, 20, IDC_CS_RESIST_SPIN, 1);
    m_Checks[0].m_Param.Set(IDC_CS_HAS_GROUP, &c.m_HasGroup);
    m_Checks[1].m_Param.Set(IDC_CS_ITEM, &c.m_HoldItem);
    m_Pictures[0].m_Param.Set(IDC_CS_PREVIEW, 32, 32);
    m_Buttons[0].m_Param.Set(IDC_CS_PREV);
    m_Buttons[1].m_Param.Set(IDC_CS_NEXT);
}

void cCharaPageStatus::AttachOwn(bool enter) {
    BindCtrlVectors(*this, enter, m_Combos, m_Lists, m_Ints, m_Shorts, m_Bytes, m_Checks);
}

void cCharaPageStatus::RunHandlers() {
    ControlRule();
    OnRangeChanged();
    OnGroupChanged();
}

bool cCharaPageStatus::OwnCommand(WPARAM wp) { return RunCtrlHandler(this, m_Handlers, wp); }

// Only a character the computer controls has an action condition, a group,
// a score and an item to give.
void cCharaPageStatus::ControlRule() {
    if (!m_bInit) return;
    const bool computer = m_Chara.m_Control == 1;
    EnableId(IDC_CS_ACT_RANGE, computer && !Inherited(32));
    EnableId(IDC_CS_ACT_JUDGE, computer && !Inherited(32));
    EnableId(IDC_CS_HAS_GROUP, computer && !Inherited(33));
    EnableId(IDC_CS_GROUP_NO, computer && !Inherited(33));
    EnableId(IDC_CS_SCORE, computer && !Inherited(34));
    EnableId(IDC_CS_ITEM, computer && !Inherited(35));
}

void cCharaPageStatus::OnRangeChanged() {
    if (!m_bInit || !Enabled(IDC_CS_ACT_RANGE) || Inherited(32)) return;
    if (m_Combos[1].m_Ctrl.GetCurData() == kRangeAll) {
        CheckDlgButton(m_hWnd, IDC_CS_HAS_GROUP, BST_UNCHECKED);
        EnableId(IDC_CS_HAS_GROUP, false);
        EnableId(IDC_CS_GROUP_NO, false);
    } else if (!Inherited(33)) {
        EnableId(IDC_CS_HAS_GROUP, true);
        EnableId(IDC_CS_GROUP_NO, Checked(IDC_CS_HAS_GROUP));
    }
}

void cCharaPageStatus::OnGroupChanged() {
    if (!m_bInit || !Enabled(IDC_CS_HAS_GROUP) || Inherited(33)) return;
    EnableId(IDC_CS_GROUP_NO, Checked(IDC_CS_HAS_GROUP));
}

void cCharaPageStatus::Draw() {
    if (!m_bInit) return;
    PaintCharaPreviews(m_Pictures, m_Chara);
}
