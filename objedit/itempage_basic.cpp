#include "objedit/itempage_basic.h"

#include <prsht.h>

#include "app/services.h"
#include "base/msgbox.h"
#include "listctrl/listctrl_res.h"
#include "model/database.h"
#include "model/palette.h"
#include "model/stage.h"
#include "objedit/blockpage.h"
#include "objedit/charapage_basic.h"
#include "objedit/defedit.h"
#include "cmdedit/graphic_picker.h"
#include "objedit/itempage_basic_res.h"
#include "objedit/obj_lists.h"
#include "res/command_ids.h"
#include "ui/dlghelpers.h"

namespace {

const cString kJudge[] = {"全ての条件が真なら成立", "1つ以上の条件が真なら成立", ""};

const int kGroupCount = 8;  // flags 0 .. 7; flags 8 .. 12 are the effect page's
// The controls of each inheritance group (0 ends a row).
const int kGroups[kGroupCount][6] = {
    {IDC_IB_NAME},
    {IDC_IB_CONDS, IDC_IB_COND_INSERT, IDC_IB_COND_EDIT, IDC_IB_COND_DELETE, IDC_IB_JUDGE, IDC_IB_LATCH},
    {IDC_IB_OFFSET_X},
    {IDC_IB_OFFSET_Y},
    {IDC_IB_KIND, IDC_IB_GRAPHIC, IDC_IB_PICK, IDC_IB_FRAME},
    {IDC_IB_Z},
    {IDC_IB_TRANSPARENT},
    {IDC_IB_MARK_MODE, IDC_IB_MARK, IDC_IB_MARK_PICK},
};
const int kSpins[][2] = {{IDC_IB_OFFSET_X, IDC_IB_OFFSET_X_SPIN}, {IDC_IB_OFFSET_Y, IDC_IB_OFFSET_Y_SPIN},
                         {IDC_IB_GRAPHIC, IDC_IB_GRAPHIC_SPIN},   {IDC_IB_FRAME, IDC_IB_FRAME_SPIN},
                         {IDC_IB_Z, IDC_IB_Z_SPIN},               {IDC_IB_MARK, IDC_IB_MARK_SPIN}};

const cDefPageIds kIds = {IDC_IB_SOURCE,      IDC_IB_SOURCE_INDEX, IDC_IB_INHERIT0,    kGroupCount,
                          IDC_IB_NO,          IDC_IB_PREV,         IDC_IB_NEXT,
                          IDC_IB_COND_INSERT, IDC_IB_COND_EDIT,    IDC_IB_COND_DELETE, IDC_IB_CONDS};
const cDefEditPlace<cEdItem> kPlace = {&cEdStage::m_PalItems, &cEdCommonPalette::m_Items, kLayerMaskItem,
                                       &cEdStage::RefreshStageInheritItem, &cEdStage::RefreshInheritItem};

const int kKindChara = 1;
const int kKindOwnBmp = 4;
const int kMarkSheet = 4;  // the picker's sheet of marks

enum { kComboSource, kComboJudge, kComboKind, kComboTransparent, kComboMark, kComboCount };
enum { kShortOffsetX, kShortOffsetY, kShortGraphic, kShortFrame, kShortMark, kShortCount };

const cString* SourceNames() {
    switch (DefEditTarget()) {
        case 0: return g_InheritSourceName;
        case 1: return g_InheritSourceCommonName;
        case 2:
        case 3: return g_InheritSourceNoneName;
    }
    return nullptr;
}

}  // namespace

cItemPageBasic::cItemPageBasic(int templateId, cDlg* parent, int kind, cWndRegistry* registry)
    : cItemPage(templateId, parent, kind, registry, 0) {
    TakePaletteWork(kPlace, &m_PalWork);
    m_Combos.resize(kComboCount);
    m_IndexCombos.resize(1);
    m_Shorts.resize(kShortCount);
    m_Bytes.resize(1);
    m_Strs.resize(1);
    m_Checks.resize(1);
    m_Inherits.resize(kGroupCount);
    m_Lists.resize(1);
    m_Pictures.resize(2);
    m_Buttons.resize(7);
    m_Statics.resize(1);
    Load(g_StageEdit.g_EditOriginal.m_pItem);
}

cItemPageBasic::~cItemPageBasic() { DestroyModeless(); }

void cItemPageBasic::Bind() {
    cEdItem& it = m_Item;
    if (static_cast<int>(it.m_bbInherit.size()) < kItemInheritCount) it.m_bbInherit.resize(kItemInheritCount, 0);
    if (const cString* sources = SourceNames()) m_Combos[kComboSource].m_Param.Set(IDC_IB_SOURCE, &it.m_InheritKind, sources, 0);
    m_Combos[kComboJudge].m_Param.Set(IDC_IB_JUDGE, &it.m_AppearJudge, kJudge, 0);
    m_Combos[kComboKind].m_Param.Set(IDC_IB_KIND, &it.m_GraphicSource, g_GraphicSourceName2, 0);
    m_Combos[kComboTransparent].m_Param.Set(IDC_IB_TRANSPARENT, &it.m_Transparent, g_OnOffName, 0);
    m_Combos[kComboMark].m_Param.Set(IDC_IB_MARK_MODE, &it.m_MarkMode, g_MarkModeName, 0);
    m_IndexCombos[0].m_Param.SetList(IDC_IB_SOURCE_INDEX, &it.m_InheritIndex, &m_IndexList, 1);
    m_Shorts[kShortOffsetX].m_Param.Set(IDC_IB_OFFSET_X, &it.m_OffsetX, -640, 640, IDC_IB_OFFSET_X_SPIN, 1);
    m_Shorts[kShortOffsetY].m_Param.Set(IDC_IB_OFFSET_Y, &it.m_OffsetY, -640, 640, IDC_IB_OFFSET_Y_SPIN, 1);
    m_Shorts[kShortGraphic].m_Param.Set(IDC_IB_GRAPHIC, &it.m_Graphic, 1, 119, IDC_IB_GRAPHIC_SPIN, 1);
    m_Shorts[kShortFrame].m_Param.Set(IDC_IB_FRAME, &it.m_GraphicFrame, 0, 999, IDC_IB_FRAME_SPIN, 1);
    m_Shorts[kShortMark].m_Param.Set(IDC_IB_MARK, &it.m_MarkGraphic, 0, 119, IDC_IB_MARK_SPIN, 1);
    m_Bytes[0].m_Param.Set(IDC_IB_Z, &it.m_Z, 0, 7, IDC_IB_Z_SPIN, 1);
    m_Strs[0].m_Param.Set(IDC_IB_NAME, &it.m_Name, 20, 0);
    m_Checks[0].m_Param.Set(IDC_IB_LATCH, &it.m_AppearLatch);
    for (int i = 0; i < kGroupCount; ++i) m_Inherits[i].m_Param.Set(IDC_IB_INHERIT0 + i, &it.m_bbInherit[i]);
    m_Lists[0].m_Param.Set(IDC_IB_CONDS, nullptr, &it.m_AppearConds, nullptr, 1, AppearCondText, 0, 0, 99, 0, 1, 1);
    m_Pictures[0].m_Param.Set(IDC_IB_PREVIEW, 32, 32);
    m_Pictures[1].m_Param.Set(IDC_IB_PREVIEW2, 32, 32);
    const int buttons[7] = {IDC_IB_COND_INSERT, IDC_IB_COND_EDIT, IDC_IB_COND_DELETE, IDC_IB_PICK,
                            IDC_IB_MARK_PICK,   IDC_IB_PREV,      IDC_IB_NEXT};
    for (int i = 0; i < 7; ++i) m_Buttons[i].m_Param.Set(buttons[i]);
    m_Statics[0].m_Param.Set(IDC_IB_NO);
}

void cItemPageBasic::Attach(bool first) {
    if (SourceNames()) {
        BindCtrlVectors(*this, first, m_Combos);
    } else {
        for (int i = kComboJudge; i < kComboCount; ++i) first ? AddCtrl(m_Combos[i]) : AttachCtrl(m_Combos[i]);
    }
    BindCtrlVectors(*this, first, m_IndexCombos, m_Shorts, m_Bytes, m_Strs, m_Checks, m_Inherits, m_Lists);
    if (first) BindCtrlVectors(*this, true, m_Pictures, m_Buttons, m_Statics);
}

void cItemPageBasic::OnInitDialog(WPARAM wp, LPARAM lp) {
    cDlg::OnInitDialog(wp, lp);
    ShowWindow(GetDlgItem(m_hWnd, IDC_IB_CANVAS), SW_HIDE);
    Attach(true);
    SetExplicitKeys(CondList(), kAppearCondKeys);
    CondList().m_Clip = g_StageEdit.m_Conds;
    CondList().SetCurSel(0, 1);
    StartDefPage(m_hWnd, kIds, &m_Statics[0].m_Ctrl);
    DataToCtrls();
    UpdateGroups();
    m_bInit = 1;
    RunChangeHandlers(true);
    m_bReady = 1;
}

void cItemPageBasic::ShowNo() { ShowEditedNo(&m_Statics[0].m_Ctrl); }

void cItemPageBasic::Changed() {
    NotifySheetChanged(m_hSheet, m_hWnd);
}

void cItemPageBasic::EnableId(int id, bool flag) {
    EnableWithSpin(m_hWnd, id, flag, kSpins);
}

static bool GroupChecked(HWND page, int flag) { return BoxChecked(page, IDC_IB_INHERIT0 + flag); }

void cItemPageBasic::UpdateGroup(int flag) {
    if (flag < 0 || flag >= kGroupCount) return;
    EnableInheritGroup(m_hWnd, IDC_IB_INHERIT0 + flag, kGroups[flag], kSpins);
}

void cItemPageBasic::UpdateGroups() {
    for (int i = 0; i < kGroupCount; ++i) UpdateGroup(i);
}

void cItemPageBasic::ApplyInherit() {
    CtrlsToData();
    m_Item.ApplyInherit();
    DataToCtrls();
    CondList().Redraw();
    UpdateGroups();
}

void cItemPageBasic::OnInheritSourceChanged() {
    if (!SourceNames()) return;
    m_Combos[kComboSource].m_Ctrl.CtrlToData();
    // without a source the effect page's groups go with this page's
    if (!FollowInheritSource(m_hWnd, kIds, kPlace, m_Item, m_IndexCombos[0].m_Ctrl, &m_IndexList, true))
        UpdateGroups();
    ApplyInherit();
}

void cItemPageBasic::OnGraphicKindChanged() {
    if (!IsWindowEnabled(GetDlgItem(m_hWnd, IDC_IB_KIND)) || GroupChecked(m_hWnd, 4)) {
        Draw();
        return;
    }
    auto& number = m_Shorts[kShortGraphic].m_Ctrl;
    auto& frame = m_Shorts[kShortFrame].m_Ctrl;
    const int kind = m_Combos[kComboKind].m_Ctrl.GetCurData();
    int numberMax = 119;
    if (kind == kKindChara) {
        EnableId(IDC_IB_FRAME, true);
        frame.SetRange(0, 39);
        EnableId(IDC_IB_PICK, true);
    } else if (kind == kKindOwnBmp) {
        EnableId(IDC_IB_FRAME, true);
        frame.SetRange(0, 239);
        numberMax = static_cast<int>(g_Database.m_BmpCharaExc.size()) - 1;
        if (numberMax < 1) numberMax = 1;
        EnableId(IDC_IB_PICK, false);
    } else {
        EnableId(IDC_IB_FRAME, false);
        EnableId(IDC_IB_PICK, true);
    }
    number.SetRange(1, static_cast<int16_t>(numberMax));
    number.OnChange();
    frame.OnChange();
    Draw();
}

void cItemPageBasic::OnMarkChanged() {
    if (IsWindowEnabled(GetDlgItem(m_hWnd, IDC_IB_MARK_MODE))) {
        const bool shown = m_Combos[kComboMark].m_Ctrl.GetCurData() != 0;
        EnableId(IDC_IB_MARK, shown);
        EnableId(IDC_IB_MARK_PICK, shown);
    }
    Draw();
}

void cItemPageBasic::RunChangeHandlers(bool withSource) {
    if (withSource) OnInheritSourceChanged();
    OnGraphicKindChanged();
    OnMarkChanged();
    Draw();
}

void cItemPageBasic::OnPickGraphic() {
    auto& number = m_Shorts[kShortGraphic].m_Ctrl;
    int16_t picked = number.GetValue();
    cCtrl* button = &m_Buttons[3].m_Ctrl;
    if (PickGraphic(&picked, m_Combos[kComboKind].m_Ctrl.GetCurData(), this, button)) number.SetValue(picked);
    Draw();
}

void cItemPageBasic::OnPickMark() {
    auto& mark = m_Shorts[kShortMark].m_Ctrl;
    int16_t picked = mark.GetValue();
    cCtrl* button = &m_Buttons[4].m_Ctrl;
    if (RunGraphicPick(&picked, kMarkSheet, this, button)) mark.SetValue(picked);
    Draw();
}

void cItemPageBasic::OnCommand(WPARAM wp, LPARAM lp) {
    if (!AllowCommand(wp)) return;
    cDlg::OnCommand(wp, lp);
    if (!m_bInit) return;
    const int id = LOWORD(wp);
    const int code = HIWORD(wp);
    if (RefuseDistancePaste(CondList(), id)) return;
    switch (id) {
        case IDC_IB_PREV:
        case IDC_IB_NEXT:
            if (const int step = StepClicked(wp, IDC_IB_PREV, IDC_IB_NEXT)) Step(step);
            break;
        case IDC_IB_SOURCE:
            if (code == CBN_SELCHANGE) {
                OnInheritSourceChanged();
                RunChangeHandlers(false);
            }
            break;
        case IDC_IB_SOURCE_INDEX:
            if (code == CBN_SELCHANGE) {
                ApplyInherit();
                RunChangeHandlers(false);
            }
            break;
        case IDC_IB_KIND:
            if (code == CBN_SELCHANGE) OnGraphicKindChanged();
            break;
        case IDC_IB_GRAPHIC:
        case IDC_IB_FRAME:
        case IDC_IB_MARK:
            if (code == EN_CHANGE) Draw();
            break;
        case IDC_IB_MARK_MODE:
            if (code == CBN_SELCHANGE) OnMarkChanged();
            break;
        case IDC_IB_PICK:
            if (code == BN_CLICKED) OnPickGraphic();
            break;
        case IDC_IB_MARK_PICK:
            if (code == BN_CLICKED) OnPickMark();
            break;
        default:
            RunFirstPageCommand(this, kIds, m_Item, CondList(), wp, [this](int flag) { OnInheritClicked(flag); });
            break;
    }
    RedrawList();
    Changed();
}

void cItemPageBasic::OnInheritClicked(int flag) {
    if (m_Item.m_bbInherit[flag]) ApplyInherit();
    UpdateGroup(flag);
    RunChangeHandlers(false);
}

void cItemPageBasic::Step(int step) {
    if (!m_bInit || !StepDefPage(*this, &m_PalWork, m_Item, step, &g_StageEdit.g_EditOriginal.m_pItem,
                                 [this](const cEdItem& r) { Load(&r); }))
        return;
    DataToCtrls();
    ShowNo();
    CondList().SetCurSel(0, 1);
    UpdateGroups();
    RunChangeHandlers(true);
}

void cItemPageBasic::WriteBack() {
    WriteBackDefinition(kPlace, m_Item, m_PalWork, &g_StageEdit.g_EditOriginal.m_pItem);
}

void cItemPageBasic::Draw() {
    if (!m_bInit) return;
    // the pictures show what the controls show, not the working copy
    cEdItem shown;
    shown.SetDefault();
    shown.m_GraphicSource = static_cast<int8_t>(m_Combos[kComboKind].m_Ctrl.GetCurData());
    shown.m_Graphic = m_Shorts[kShortGraphic].m_Ctrl.GetValue();
    shown.m_GraphicFrame = m_Shorts[kShortFrame].m_Ctrl.GetValue();
    shown.m_MarkMode = static_cast<int8_t>(m_Combos[kComboMark].m_Ctrl.GetCurData());
    shown.m_MarkGraphic = m_Shorts[kShortMark].m_Ctrl.GetValue();
    for (int i = 0; i < 2; ++i)
        PaintIconPreview(m_Pictures[i].m_Ctrl, [&](cDib* dib) { DrawItemIcon(dib, 0, 0, shown, 0); });
}

LRESULT cItemPageBasic::MsgProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_NOTIFY && m_bInit) {
        const NMHDR* hdr = reinterpret_cast<const NMHDR*>(lp);
        cPropSheet* sheet = m_lpSheet;
        switch (hdr->code) {
            case PSN_KILLACTIVE:
                LeavePage();
                SetWindowLongPtrA(hwnd, DWLP_MSGRESULT, FALSE);
                return 1;
            case PSN_SETACTIVE:
                Load(&m_Item);
                DataToCtrls();
                CondList().Fill();
                CondList().Redraw();
                UpdateGroups();
                RunChangeHandlers(true);
                if (DefEditsPaletteEntry()) ShowNo();
                SetWindowLongPtrA(hwnd, DWLP_MSGRESULT, 0);
                return 1;
            case PSN_APPLY:
                TakeAppliedPage(*this, sheet, 2);
                WriteBack();
                SetWindowLongPtrA(hwnd, DWLP_MSGRESULT, PSNRET_NOERROR);
                return 1;
            case PSN_RESET:
                KeepSheetPage(sheet, 2);
                return 1;
        }
    }
    if (msg == WM_CLOSE) {
        Close(0);
        return 1;
    }
    return EndFirstPageMsg(*this, &m_bInit, CondList(), &cStageEditorDlg::OnItemSheetClosed, hwnd, msg, wp, lp);
}
