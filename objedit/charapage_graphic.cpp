#include "objedit/charapage_graphic.h"

#include "app/services.h"
#include "model/database.h"
#include "model/graphic_kinds.h"
#include "objedit/charapage_graphic_res.h"
#include "objedit/defedit.h"
#include "cmdedit/graphic_picker.h"

namespace {

const cString kRunType[] = {"通常実行", "反転実行", "往復実行", ""};

const cInheritGroup kGroups[] = {
    {9, IDC_CG_INH_GRAPHIC, {IDC_CG_SHEET, IDC_CG_NUMBER, IDC_CG_PICK, IDC_CG_SHIFT}},
    {10, IDC_CG_INH_ANIMESET, {IDC_CG_ANIMESET}},
    {11, IDC_CG_INH_Z, {IDC_CG_Z}},
    {12, IDC_CG_INH_TRANSPARENT, {IDC_CG_TRANSPARENT}},
    {13, IDC_CG_INH_START, {IDC_CG_START, IDC_CG_START_MODE, IDC_CG_START_LOOP}},
    {14, IDC_CG_INH_DEATH, {IDC_CG_DEATH, IDC_CG_DEATH_MODE}},
    {15, IDC_CG_INH_MARK, {IDC_CG_MARK, IDC_CG_MARK_NO, IDC_CG_MARK_PICK}},
    {16, IDC_CG_INH_FIXED, {IDC_CG_FIXED}},
    {17, IDC_CG_INH_FLIGHT, {IDC_CG_FLIGHT}},
    {18, IDC_CG_INH_INVINCIBLE, {IDC_CG_INVINCIBLE}},
    {19, IDC_CG_INH_BLOCK, {IDC_CG_BLOCK}},
    {20, IDC_CG_INH_SIZE, {IDC_CG_SIZE}},
    {21, IDC_CG_INH_SCROLL, {IDC_CG_SCROLL}},
    {22, IDC_CG_INH_SIGHT, {IDC_CG_SIGHT, IDC_CG_SIGHT_RANGE}},
};
const int kGroupCount = sizeof kGroups / sizeof kGroups[0];

const int kSpins[][2] = {{IDC_CG_NUMBER, IDC_CG_NUMBER_SPIN},
                         {IDC_CG_SHIFT, IDC_CG_SHIFT_SPIN},
                         {IDC_CG_MARK_NO, IDC_CG_MARK_NO_SPIN},
                         {IDC_CG_Z, IDC_CG_Z_SPIN},
                         {IDC_CG_SIGHT_RANGE, IDC_CG_SIGHT_RANGE_SPIN}};
const int kSpinCount = sizeof kSpins / sizeof kSpins[0];

const int kSheetChara = 1;
const int kSheetCharaBmp = 4;

}  // namespace

cCharaPageGraphic::cCharaPageGraphic(int templateId, cDlg* parent, int kind, cWndRegistry* registry)
    : cCharaSubPage(templateId, parent, kind, registry, 1, kGroups, kGroupCount, kSpins, kSpinCount) {
    m_Handlers[0].Set(kCtrlCombo, IDC_CG_SHEET, &cCharaPageGraphic::OnSheetChanged);
    m_Handlers[1].Set(kCtrlEditVal, IDC_CG_NUMBER, &cCharaPageGraphic::OnRedraw);
    m_Handlers[2].Set(kCtrlButton, IDC_CG_PICK, &cCharaPageGraphic::OnPick);
    m_Handlers[3].Set(kCtrlEditVal, IDC_CG_SHIFT, &cCharaPageGraphic::OnRedraw);
    m_Handlers[4].Set(kCtrlCombo, IDC_CG_MARK, &cCharaPageGraphic::OnMarkChanged);
    m_Handlers[5].Set(kCtrlEditVal, IDC_CG_MARK_NO, &cCharaPageGraphic::OnRedraw);
    m_Handlers[6].Set(kCtrlButton, IDC_CG_MARK_PICK, &cCharaPageGraphic::OnMarkPick);
    m_Handlers[7].Set(kCtrlCombo, IDC_CG_FLIGHT, &cCharaPageGraphic::OnStateChanged);
    m_Handlers[8].Set(kCtrlCombo, IDC_CG_INVINCIBLE, &cCharaPageGraphic::OnStateChanged);
    m_Handlers[9].Set(kCtrlCombo, IDC_CG_BLOCK, &cCharaPageGraphic::OnStateChanged);
    m_Handlers[10].Set(kCtrlCombo, IDC_CG_SIGHT, &cCharaPageGraphic::OnSightChanged);

    MakeTableNameList(&m_AnimeSets, g_Database.m_AnimeSet, nullptr, 0, 2, 1);
    MakeTableNameList(&m_CharaEffects, g_Database.m_CharaEffect, "なし", 0, 3, 0);
    m_Combos.resize(10);
    m_Lists.resize(3);
    m_Shorts.resize(3);
    m_Bytes.resize(2);
    m_Checks.resize(3);
    m_Pictures.resize(2);
    m_Buttons.resize(4);
    if (const cEdChara* original = g_StageEdit.g_EditOriginal.m_pChara) BindRecord(*original);
}

cCharaPageGraphic::~cCharaPageGraphic() { DestroyModeless(); }

void cCharaPageGraphic::FillParams() {
    cEdChara& c = m_Chara;
    m_Combos[0].m_Param.Set(IDC_CG_SHEET, &c.m_GraphicSource, g_GraphicKindNames, 0);
    m_Combos[1].m_Param.Set(IDC_CG_TRANSPARENT, &c.m_Transparent, g_CharaBlockName, 0);
    m_Combos[2].m_Param.Set(IDC_CG_START_MODE, &c.m_StartEffectMode, kRunType, 0);
    m_Combos[3].m_Param.Set(IDC_CG_DEATH_MODE, &c.m_DeathEffectMode, kRunType, 0);
    m_Combos[4].m_Param.Set(IDC_CG_MARK, &c.m_MarkMode, g_MarkModeName, 0);
    m_Combos[5].m_Param.Set(IDC_CG_FLIGHT, &c.m_Flight, g_FlightName, 0);
    m_Combos[6].m_Param.Set(IDC_CG_INVINCIBLE, &c.m_Invincible, g_InvincibleName, 0);
    m_Combos[7].m_Param.Set(IDC_CG_BLOCK, &c.m_BlockLike, g_CharaBlockName, 0);
    m_Combos[8].m_Param.Set(IDC_CG_SIZE, &c.m_Enlarge, g_EnlargeName, 1);
    m_Combos[9].m_Param.Set(IDC_CG_SIGHT, &c.m_SightShape, g_SightShapeName, 0);
    m_Lists[0].m_Param.SetList(IDC_CG_ANIMESET, &c.m_AnimeSetNo, &m_AnimeSets, 0);
    m_Lists[1].m_Param.SetList(IDC_CG_START, &c.m_StartEffect, &m_CharaEffects, 0);
    m_Lists[2].m_Param.SetList(IDC_CG_DEATH, &c.m_DeathEffect, &m_CharaEffects, 0);
    m_Shorts[0].m_Param.Set(IDC_CG_NUMBER, &c.m_Graphic, 1, 119, IDC_CG_NUMBER_SPIN, 1);
    m_Shorts[1].m_Param.Set(IDC_CG_SHIFT, &c.m_GraphicShift, -999, 999, IDC_CG_SHIFT_SPIN, 1);
    m_Shorts[2].m_Param.Set(IDC_CG_MARK_NO, &c.m_MarkGraphic, 0, 119, IDC_CG_MARK_NO_SPIN, 1);
    m_Bytes[0].m_Param.Set(IDC_CG_Z, &c.m_Z, 0, 7, IDC_CG_Z_SPIN, 1);
    m_Bytes[1].m_Param.Set(IDC_CG_SIGHT_RANGE, &c.m_SightRange, 0, 40, IDC_CG_SIGHT_RANGE_SPIN, 1);
    m_Checks[0].m_Param.Set(IDC_CG_START_LOOP, &c.m_StartEffectLoop);
    m_Checks[1].m_Param.Set(IDC_CG_FIXED, &c.m_FixedDir);
    m_Checks[2].m_Param.Set(IDC_CG_SCROLL, &c.m_ScrollSync);
    m_Pictures[0].m_Param.Set(IDC_CG_PREVIEW, 32, 32);
    m_Pictures[1].m_Param.Set(IDC_CG_PREVIEW2, 32, 32);
    const int buttons[4] = {IDC_CG_PICK, IDC_CG_MARK_PICK, IDC_CG_PREV, IDC_CG_NEXT};
    for (int i = 0; i < 4; ++i) m_Buttons[i].m_Param.Set(buttons[i]);
}

void cCharaPageGraphic::AttachOwn(bool enter) {
    BindCtrlVectors(*this, enter, m_Combos, m_Lists, m_Shorts, m_Bytes, m_Checks);
}

void cCharaPageGraphic::RunHandlers() {
    OnSheetChanged();
    OnMarkChanged();
    ControlRule();
}

bool cCharaPageGraphic::OwnCommand(WPARAM wp) { return RunCtrlHandler(this, m_Handlers, wp); }

void cCharaPageGraphic::OnSheetChanged() {
    if (!m_bInit) return;
    if (Enabled(IDC_CG_SHEET) && !Inherited(9)) {
        const int sheet = m_Combos[0].m_Ctrl.GetCurData();
        cCtrlEditVal<int16_t>& number = m_Shorts[0].m_Ctrl;
        cCtrlEditVal<int16_t>& shift = m_Shorts[1].m_Ctrl;
        int16_t numberMax = 119;
        if (sheet == kSheetCharaBmp) {
            const int bitmaps = static_cast<int>(g_Database.m_BmpCharaExc.size()) - 1;
            numberMax = static_cast<int16_t>(bitmaps < 1 ? 1 : bitmaps > 32767 ? 32767 : bitmaps);
        }
        // the new range takes the shown value into it
        number.SetRange(1, numberMax);
        number.SetValue(number.GetValue());
        if (sheet == kSheetChara || sheet == kSheetCharaBmp) {
            const int16_t limit = sheet == kSheetChara ? 19 : 239;
            shift.SetRange(static_cast<int16_t>(-limit), limit);
            shift.SetValue(shift.GetValue());
            EnableId(IDC_CG_SHIFT, true);
        } else {
            EnableId(IDC_CG_SHIFT, false);
        }
        EnableId(IDC_CG_PICK, sheet != kSheetCharaBmp);
    }
    Draw();
}

void cCharaPageGraphic::OnMarkChanged() {
    if (!m_bInit) return;
    if (Enabled(IDC_CG_MARK)) {
        const bool shown = m_Combos[4].m_Ctrl.GetCurData() != 0;
        EnableId(IDC_CG_MARK_NO, shown);
        EnableId(IDC_CG_MARK_PICK, shown);
    }
    Draw();
}

void cCharaPageGraphic::ControlRule() {
    if (!m_bInit) return;
    const bool computer = m_Chara.m_Control == 1;
    EnableId(IDC_CG_BLOCK, computer && !Inherited(19));
    if (!Inherited(22)) {
        if (computer) {
            EnableId(IDC_CG_SIGHT, false);
            EnableId(IDC_CG_SIGHT_RANGE, false);
        } else {
            EnableId(IDC_CG_SIGHT, true);
            EnableId(IDC_CG_SIGHT_RANGE, m_Combos[9].m_Ctrl.GetCurData() != 0);
        }
    }
}

void cCharaPageGraphic::OnStateChanged() {
    ControlRule();
    Draw();
}

void cCharaPageGraphic::OnRedraw() { Draw(); }

void cCharaPageGraphic::OnPick() {
    cCtrlEditVal<int16_t>& number = m_Shorts[0].m_Ctrl;
    int16_t picked = number.GetValue();
    cCtrl* button = &FindCtrl(m_Buttons, IDC_CG_PICK)->m_Ctrl;
    if (PickGraphic(&picked, m_Combos[0].m_Ctrl.GetCurData(), this, button)) number.SetValue(picked);
    Draw();
}

void cCharaPageGraphic::OnMarkPick() {
    cCtrlEditVal<int16_t>& mark = m_Shorts[2].m_Ctrl;
    int16_t picked = mark.GetValue();
    cCtrl* button = &FindCtrl(m_Buttons, IDC_CG_MARK_PICK)->m_Ctrl;
    if (RunGraphicPick(&picked, kPickSheetMarks, this, button)) mark.SetValue(picked);
    Draw();
}

cEdChara cCharaPageGraphic::Shown() {
    cEdChara shown = m_Chara;
    if (!m_bInit) return shown;
    shown.m_GraphicSource = m_Combos[0].m_Ctrl.GetCurData();
    shown.m_Graphic = m_Shorts[0].m_Ctrl.GetValue();
    shown.m_GraphicShift = m_Shorts[1].m_Ctrl.GetValue();
    shown.m_AnimeSetNo = m_Lists[0].m_Ctrl.GetCurData();
    shown.m_Flight = m_Combos[5].m_Ctrl.GetCurData();
    shown.m_Invincible = m_Combos[6].m_Ctrl.GetCurData();
    shown.m_BlockLike = m_Combos[7].m_Ctrl.GetCurData();
    shown.m_MarkMode = m_Combos[4].m_Ctrl.GetCurData();
    shown.m_MarkGraphic = m_Shorts[2].m_Ctrl.GetValue();
    return shown;
}

void cCharaPageGraphic::Draw() {
    if (!m_bInit) return;
    PaintCharaPreviews(m_Pictures, Shown());
}
