#include "objedit/blockpage.h"

#include <prsht.h>

#include <cstdint>

#include "app/services.h"
#include "base/msgbox.h"
#include "listctrl/listctrl_res.h"
#include "model/database.h"
#include "model/graphic_kinds.h"
#include "model/palette.h"
#include "model/prjoption.h"
#include "model/stage.h"
#include "objedit/blockpage_res.h"
#include "objedit/blocksheet.h"
#include "objedit/charapage_basic.h"
#include "objedit/defedit.h"
#include "cmdedit/graphic_picker.h"
#include "objedit/obj_lists.h"
#include "ui/dlghelpers.h"

namespace {

const cString kJudge[] = {"全ての条件が真なら成立", "1つ以上の条件が真なら成立", ""};

const int kGroupCount = kBlockInheritCount;
// The controls of each inheritance group (0 ends a row).
const int kGroups[kGroupCount][6] = {
    {IDC_BP_NAME},
    {IDC_BP_CONDS, IDC_BP_COND_INSERT, IDC_BP_COND_EDIT, IDC_BP_COND_DELETE, IDC_BP_JUDGE, IDC_BP_LATCH},
    {IDC_BP_SHEET, IDC_BP_GRAPHIC, IDC_BP_PICK, IDC_BP_FRAME},
    {IDC_BP_FRONT},
    {IDC_BP_TRANSPARENT},
    {IDC_BP_MARK_MODE, IDC_BP_MARK, IDC_BP_MARK_PICK},
    {IDC_BP_BLOCK_TYPE},
    {IDC_BP_FACTION},
    {IDC_BP_ACTION, IDC_BP_ACTION_X},
    {IDC_BP_ITEM_SOURCE, IDC_BP_ITEM_INDEX},
    {IDC_BP_NO_SUMMON},
};
const int kSpins[][2] = {{IDC_BP_GRAPHIC, IDC_BP_GRAPHIC_SPIN},
                         {IDC_BP_FRAME, IDC_BP_FRAME_SPIN},
                         {IDC_BP_MARK, IDC_BP_MARK_SPIN},
                         {IDC_BP_ACTION_X, IDC_BP_ACTION_SPIN}};

// "X = " of each action: range and default; both bounds 0 = no value.
struct sActionRange {
    int min, max, def;
};
const sActionRange kActions[] = {{0, 0, 0}, {1, 20, 7}, {0, 0, 0}, {0, 500, 200}, {1, 200, 30}, {1, 200, 30}};
const int kActionCount = sizeof kActions / sizeof kActions[0];

const cDefPageIds kIds = {IDC_BP_SOURCE,      IDC_BP_SOURCE_INDEX, IDC_BP_INHERIT0,    kGroupCount,
                          IDC_BP_NO,          IDC_BP_PREV,         IDC_BP_NEXT,
                          IDC_BP_COND_INSERT, IDC_BP_COND_EDIT,    IDC_BP_COND_DELETE, IDC_BP_CONDS};
const cDefEditPlace<cEdBlock> kPlace = {&cEdStage::m_PalBlocks, &cEdCommonPalette::m_Blocks, kLayerMaskBlock,
                                        &cEdStage::RefreshStageInheritBlock, &cEdStage::RefreshInheritBlock};

const int kDistanceCond = 7;  // a distance condition cannot be pasted here

// Positions of the combo vectors.
enum { kComboSource, kComboJudge, kComboSheet, kComboTransparent, kComboMark, kComboType, kComboFaction,
       kComboAction, kComboItemSource, kComboCount };
enum { kShortGraphic, kShortFrame, kShortMark, kShortCount };
enum { kButtonInsert, kButtonEdit, kButtonDelete, kButtonPick, kButtonMarkPick, kButtonPrev, kButtonNext, kButtonCount };

// The highest graphic number of a graphic sheet: the records of the
// character-exclusive bitmaps for "専用bmp", else the last cell.
int16_t GraphicNumberMax(int sheet) {
    if (sheet != 4) return 119;
    const int last = static_cast<int>(g_Database.m_BmpCharaExc.size()) - 1;
    return static_cast<int16_t>(last < 1 ? 1 : (last > INT16_MAX ? INT16_MAX : last));
}

}  // namespace

cBlockPage::cBlockPage(int templateId, cDlg* parent, int kind, cWndRegistry* registry)
    : cDlg(templateId, parent, kind, registry) {}

cBlockPage::cBlockPage(cDlg* parent, cWndRegistry* registry) : cDlg(IDD_BLOCK_PAGE, parent, kWndPage, registry) {
    m_bSheetPage = 1;
    m_nPrevAction = -1;
    TakePaletteWork(kPlace, &m_PalWork);
    m_Combos.resize(kComboCount);
    m_IndexCombos.resize(2);
    m_Shorts.resize(kShortCount);
    m_Ints.resize(1);
    m_Strs.resize(1);
    m_Checks.resize(3);
    m_Inherits.resize(kGroupCount);
    m_Lists.resize(1);
    m_Pictures.resize(2);
    m_Buttons.resize(kButtonCount);
    m_Statics.resize(1);
    LoadRecord(g_StageEdit.g_EditOriginal.m_pBlock);
}

cBlockPage::~cBlockPage() { DestroyModeless(); }

void cBlockPage::BindParams() {
    if (m_bSheetPage) FillSheetParams();
}

void cBlockPage::FillSheetParams() {
    cEdBlock& b = m_Block;
    if (static_cast<int>(b.m_bbInherit.size()) < kGroupCount) b.m_bbInherit.resize(kGroupCount, 0);
    const cString* sources = DefEditTarget() == 0   ? g_InheritSourceName
                             : DefEditTarget() == 1 ? g_InheritSourceCommonName
                                                  : g_InheritSourceNoneName;
    const cString* items = DefEditTarget() == 0 || DefEditTarget() == 1 ? g_ItemSourceName : g_ItemSourceCommonName;
    m_Combos[kComboSource].m_Param.Set(IDC_BP_SOURCE, &b.m_InheritKind, sources, 0);
    m_Combos[kComboJudge].m_Param.Set(IDC_BP_JUDGE, &b.m_AppearJudge, kJudge, 0);
    m_Combos[kComboSheet].m_Param.Set(IDC_BP_SHEET, &b.m_GraphicSource, g_GraphicKindNames, 0);
    m_Combos[kComboTransparent].m_Param.Set(IDC_BP_TRANSPARENT, &b.m_Transparent, g_OnOffName, 0);
    m_Combos[kComboMark].m_Param.Set(IDC_BP_MARK_MODE, &b.m_MarkMode, g_MarkModeName, 0);
    m_Combos[kComboType].m_Param.Set(IDC_BP_BLOCK_TYPE, &b.m_BlockType, g_BlockTypeName, 0);
    m_Combos[kComboFaction].m_Param.Set(IDC_BP_FACTION, &b.m_IgnoreFaction, g_FactionChoiceName, -1);
    m_Combos[kComboAction].m_Param.Set(IDC_BP_ACTION, &b.m_Action, g_BlockActionName, 0);
    m_Combos[kComboItemSource].m_Param.Set(IDC_BP_ITEM_SOURCE, &b.m_ItemKind, items, 0);
    m_IndexCombos[0].m_Param.SetList(IDC_BP_SOURCE_INDEX, &b.m_InheritIndex, &m_IndexList, 1);
    m_IndexCombos[1].m_Param.SetList(IDC_BP_ITEM_INDEX, &b.m_ItemIndex, &m_ItemList, 1);
    // the number's range follows the record's sheet, so that the number is
    // shown (and stored again) as it is
    m_Shorts[kShortGraphic].m_Param.Set(IDC_BP_GRAPHIC, &b.m_Graphic, 1, GraphicNumberMax(b.m_GraphicSource),
                                        IDC_BP_GRAPHIC_SPIN, 1);
    m_Shorts[kShortFrame].m_Param.Set(IDC_BP_FRAME, &b.m_GraphicFrame, 0, 999, IDC_BP_FRAME_SPIN, 1);
    m_Shorts[kShortMark].m_Param.Set(IDC_BP_MARK, &b.m_MarkGraphic, 0, 119, IDC_BP_MARK_SPIN, 1);
    m_Ints[0].m_Param.Set(IDC_BP_ACTION_X, &b.m_ActionX, -9999, 9999, IDC_BP_ACTION_SPIN, 1);
    m_Strs[0].m_Param.Set(IDC_BP_NAME, &b.m_Name, 20, 0);
    m_Checks[0].m_Param.Set(IDC_BP_LATCH, &b.m_AppearLatch);
    m_Checks[1].m_Param.Set(IDC_BP_FRONT, &b.m_DrawInFront);
    m_Checks[2].m_Param.Set(IDC_BP_NO_SUMMON, &b.m_NoSummon);
    for (int i = 0; i < kGroupCount; ++i) m_Inherits[i].m_Param.Set(IDC_BP_INHERIT0 + i, &b.m_bbInherit[i]);
    DeclareAppearCondList(m_Lists[0].m_Param, &b.m_AppearConds, AppearCondText);
    m_Pictures[0].m_Param.Set(IDC_BP_PREVIEW, 32, 32);
    m_Pictures[1].m_Param.Set(IDC_BP_PREVIEW2, 32, 32);
    const int buttons[kButtonCount] = {IDC_BP_COND_INSERT, IDC_BP_COND_EDIT, IDC_BP_COND_DELETE, IDC_BP_PICK,
                                       IDC_BP_MARK_PICK,   IDC_BP_PREV,      IDC_BP_NEXT};
    for (int i = 0; i < kButtonCount; ++i) m_Buttons[i].m_Param.Set(buttons[i]);
    m_Statics[0].m_Param.Set(IDC_BP_NO);
}

void cBlockPage::AttachSheetCtrls(bool enter) {
    BindCtrlVectors(*this, enter, m_Combos, m_IndexCombos, m_Shorts, m_Ints, m_Strs, m_Checks, m_Inherits, m_Lists);
    if (enter) BindCtrlVectors(*this, true, m_Pictures, m_Buttons, m_Statics);
}

void cBlockPage::OnInitDialog(WPARAM wp, LPARAM lp) {
    cDlg::OnInitDialog(wp, lp);
    if (!m_bSheetPage) {
        AddCtrls(m_Shorts);
        AddCtrls(m_Ints);
        DataToCtrls();
        m_bReady = 1;
        return;
    }
    AttachSheetCtrls(true);
    SetExplicitKeys(CondList(), kAppearCondKeys);
    CondList().m_Clip = g_StageEdit.m_Conds;
    StartDefPage(m_hWnd, kIds, &m_Statics[0].m_Ctrl);
    DataToCtrls();
    UpdateGroups();
    RunHandlers(true);
    m_bInit = 1;
    m_bReady = 1;
}

void cBlockPage::LoadRecord(const cEdBlock* record) {
    if (!record) return;
    if (record != &m_Block) m_Block = *record;
    BindParams();
    if (!m_hWnd) return;
    if (m_bSheetPage) {
        AttachSheetCtrls(false);
    } else {
        AttachCtrls(m_Shorts);
        AttachCtrls(m_Ints);
    }
}

void cBlockPage::ShowNo() {
    ShowEditedNo(&m_Statics[0].m_Ctrl);
}

void cBlockPage::Changed() {
    NotifySheetChanged(m_hSheet, m_hWnd);
}

void cBlockPage::EnableId(int id, bool flag) {
    EnableWithSpin(m_hWnd, id, flag, kSpins);
}

static bool GroupChecked(HWND page, int flag) { return BoxChecked(page, IDC_BP_INHERIT0 + flag); }

void cBlockPage::UpdateGroup(int flag) {
    if (flag < 0 || flag >= kGroupCount) return;
    EnableInheritGroup(m_hWnd, IDC_BP_INHERIT0 + flag, kGroups[flag], kSpins);
}

void cBlockPage::UpdateGroups() {
    for (int i = 0; i < kGroupCount; ++i) UpdateGroup(i);
}

void cBlockPage::ApplyInheritNow() {
    CtrlsToData();
    m_Block.ApplyInherit();
    // an inherited sheet brings its own number range
    m_Shorts[kShortGraphic].m_Ctrl.SetRange(1, GraphicNumberMax(m_Block.m_GraphicSource));
    DataToCtrls();
    UpdateGroups();
    RunHandlers(false);
}

void cBlockPage::OnSourceChanged() {
    m_Combos[kComboSource].m_Ctrl.CtrlToData();
    if (!FollowInheritSource(m_hWnd, kIds, kPlace, m_Block, m_IndexCombos[0].m_Ctrl, &m_IndexList, false))
        UpdateGroups();
    ApplyInheritNow();
}

void cBlockPage::OnSheetChanged() {
    auto& number = m_Shorts[kShortGraphic].m_Ctrl;
    auto& frame = m_Shorts[kShortFrame].m_Ctrl;
    if (!IsWindowEnabled(GetDlgItem(m_hWnd, IDC_BP_SHEET))) {
        Draw();
        return;
    }
    const int sheet = m_Combos[kComboSheet].m_Ctrl.GetCurData();
    const bool inherited = GroupChecked(m_hWnd, 2);
    int numberMax = 119;
    if (sheet == 1) {
        EnableId(IDC_BP_FRAME, !inherited);
        frame.SetRange(0, 39);
        EnableId(IDC_BP_PICK, !inherited);
    } else if (sheet == 4) {
        EnableId(IDC_BP_FRAME, !inherited);
        frame.SetRange(0, 239);
        numberMax = GraphicNumberMax(sheet);
        EnableId(IDC_BP_PICK, false);
    } else {
        EnableId(IDC_BP_FRAME, false);
        EnableId(IDC_BP_PICK, !inherited);
    }
    number.SetRange(1, static_cast<int16_t>(numberMax));
    number.OnChange();
    frame.OnChange();
    Draw();
}

void cBlockPage::OnMarkChanged() {
    if (GroupChecked(m_hWnd, 5)) return;
    const bool shown = m_Combos[kComboMark].m_Ctrl.GetCurData() != 0;
    EnableId(IDC_BP_MARK, shown);
    EnableId(IDC_BP_MARK_PICK, shown);
    Draw();
}

void cBlockPage::OnActionChanged() {
    if (!IsWindowEnabled(GetDlgItem(m_hWnd, IDC_BP_ACTION))) return;
    int action = m_Combos[kComboAction].m_Ctrl.GetCurData();
    if (action < 0 || action >= kActionCount) action = 0;
    const sActionRange& r = kActions[action];
    auto& x = m_Ints[0].m_Ctrl;
    EnableId(IDC_BP_ACTION_X, !(r.min == 0 && r.max == 0));
    x.SetRange(r.min, r.max);
    if (m_nPrevAction != -1 && m_nPrevAction != action)
        x.SetValue(r.def);
    else
        x.OnChange();
    m_nPrevAction = action;
}

void cBlockPage::OnItemSourceChanged() {
    const bool enabled = IsWindowEnabled(GetDlgItem(m_hWnd, IDC_BP_ITEM_SOURCE)) != FALSE;
    const int source = m_Combos[kComboItemSource].m_Ctrl.GetCurData();
    if (source != 0) {
        // the entries are listed also while the inherited group is disabled:
        // an empty list would show no entry and store entry 0
        MakePaletteNameList(&m_ItemList, source == 1 ? g_CommonPalette.m_Items : g_Stage.m_PalItems);
        auto& combo = m_IndexCombos[1].m_Ctrl;
        const int16_t keep = m_Block.m_ItemIndex;
        combo.SetItemList(&m_ItemList);
        combo.SetCurData(keep);
    }
    if (enabled) EnableId(IDC_BP_ITEM_INDEX, source != 0);
}

void cBlockPage::OnPick(bool mark) {
    cCtrlEditVal<int16_t>& edit = m_Shorts[mark ? kShortMark : kShortGraphic].m_Ctrl;
    cCtrl* button = &m_Buttons[mark ? kButtonMarkPick : kButtonPick].m_Ctrl;
    int16_t picked = edit.GetValue();
    const int r = mark ? RunGraphicPick(&picked, kPickSheetMarks, this, button)
                       : PickGraphic(&picked, m_Combos[kComboSheet].m_Ctrl.GetCurData(), this, button);
    if (r) edit.SetValue(picked);
    Draw();
}

void cBlockPage::RunHandlers(bool withSource) {
    if (withSource) {
        OnSourceChanged();  // runs the others after inheriting
        return;
    }
    OnSheetChanged();
    OnMarkChanged();
    OnActionChanged();
    OnItemSourceChanged();
    Draw();
}

void cBlockPage::OnCommand(WPARAM wp, LPARAM lp) {
    cDlg::OnCommand(wp, lp);
    if (!m_bSheetPage || !m_bInit) return;
    const int id = LOWORD(wp);
    const int code = HIWORD(wp);
    if (RefuseDistancePaste(CondList(), LOWORD(wp))) return;
    switch (id) {
        case IDC_BP_PREV:
        case IDC_BP_NEXT:
            if (const int step = StepClicked(wp, IDC_BP_PREV, IDC_BP_NEXT)) Step(step);
            break;
        case IDC_BP_SOURCE:
        case IDC_BP_SOURCE_INDEX:
            if (code == CBN_SELCHANGE) id == IDC_BP_SOURCE ? OnSourceChanged() : ApplyInheritNow();
            break;
        case IDC_BP_SHEET:
        case IDC_BP_GRAPHIC:
        case IDC_BP_FRAME:
        case IDC_BP_MARK:
            Draw();
            if (id == IDC_BP_SHEET && code == CBN_SELCHANGE) OnSheetChanged();
            break;
        case IDC_BP_MARK_MODE:
            if (code == CBN_SELCHANGE) OnMarkChanged();
            break;
        case IDC_BP_PICK:
        case IDC_BP_MARK_PICK:
            if (code == BN_CLICKED) OnPick(id == IDC_BP_MARK_PICK);
            break;
        case IDC_BP_ACTION:
            if (code == CBN_SELCHANGE) OnActionChanged();
            break;
        case IDC_BP_ITEM_SOURCE:
            if (code == CBN_SELCHANGE) OnItemSourceChanged();
            break;
        default:
            RunFirstPageCommand(this, kIds, m_Block, CondList(), wp, [this](int flag) { OnInheritClicked(flag); });
            break;
    }
    RedrawList();
    Changed();
}

void cBlockPage::OnInheritClicked(int flag) {
    if (m_Block.m_bbInherit[flag]) ApplyInheritNow();
    UpdateGroup(flag);
    RunHandlers(false);
}

void cBlockPage::Step(int step) {
    if (!m_bInit || !StepDefPage(*this, &m_PalWork, m_Block, step, &g_StageEdit.g_EditOriginal.m_pBlock,
                                 [this](const cEdBlock& r) { LoadRecord(&r); }))
        return;
    DataToCtrls();
    ShowNo();
    m_nPrevAction = -1;
    CondList().SetCurSel(0, 1);
    UpdateGroups();
    RunHandlers(true);
}

void cBlockPage::WriteBack() {
    WriteBackDefinition(kPlace, m_Block, m_PalWork, &g_StageEdit.g_EditOriginal.m_pBlock);
}

void cBlockPage::Draw() {
    if (!m_bSheetPage || !m_bInit) return;
    const int sheet = m_Combos[kComboSheet].m_Ctrl.GetCurData();
    const int number = m_Shorts[kShortGraphic].m_Ctrl.GetValue();
    const int frame = m_Shorts[kShortFrame].m_Ctrl.GetValue();
    const int mark = m_Combos[kComboMark].m_Ctrl.GetCurData();
    const int markNo = m_Shorts[kShortMark].m_Ctrl.GetValue();
    for (int i = 0; i < 2; ++i)
        PaintIconPreview(m_Pictures[i].m_Ctrl, [&](cDib* dib) {
            DrawObjectIcon(dib, 0, 0, 0, sheet, number, frame, nullptr, mark, markNo, 0);
        });
}

LRESULT cBlockPage::MsgProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (!m_bSheetPage) return DefMsgProc(hwnd, msg, wp, lp);
    if (msg == WM_NOTIFY && m_bInit) {
        const NMHDR* hdr = reinterpret_cast<const NMHDR*>(lp);
        cPropSheet* sheet = m_lpSheet;
        switch (hdr->code) {
            case PSN_KILLACTIVE:
                // the only page: nothing to hand on
                CtrlsToData();
                SetWindowLongPtrA(hwnd, DWLP_MSGRESULT, FALSE);
                return 1;
            case PSN_SETACTIVE:
                LoadRecord(&m_Block);
                DataToCtrls();
                UpdateGroups();
                RunHandlers(true);
                CondList().Redraw();
                if (DefEditsPaletteEntry()) ShowNo();
                SetWindowLongPtrA(hwnd, DWLP_MSGRESULT, 0);
                return 1;
            case PSN_APPLY:
                KeepSheetPage(sheet, 0);
                CtrlsToData();
                WriteBack();
                SetWindowLongPtrA(hwnd, DWLP_MSGRESULT, PSNRET_NOERROR);
                return 1;
            case PSN_RESET:
                KeepSheetPage(sheet, 0);
                return 1;
        }
    }
    return EndFirstPageMsg(*this, &m_bInit, CondList(), &cStageEditorDlg::OnBlockSheetClosed, hwnd, msg, wp, lp);
}

cVector<cEdBlock>& EditedBlockPalette() {
    return g_StageEdit.g_EditSource[0] == 1 ? g_Stage.m_PalBlocks : g_CommonPalette.m_Blocks;
}

void StepBlockRecord(cEdBlock** current, int* index, int step, cBlockPage* page, cCtrl* label) {
    cVector<cEdBlock>& palette = EditedBlockPalette();
    int last = static_cast<int>(palette.size()) - 1;
    if (last < 1 || *index < 1 || *index > last) return;
    page->CtrlsToData();
    palette[*index] = page->m_Block;
    StepWrap(index, step, 1, last);
    *current = &palette[*index];
    page->LoadRecord(*current);
    page->DataToCtrls();
    if (label) SetNoLabel(label, *index);
    page->Draw();
}
