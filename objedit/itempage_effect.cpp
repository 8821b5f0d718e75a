#include "objedit/itempage_effect.h"

#include <new>
#include <prsht.h>

#include "app/services.h"
#include "base/msgbox.h"
#include "cmdedit/cmdpage_itemflowop.h"
#include "cmdedit/itemcmdselect_dlg.h"
#include "cmdedit/itemcmdselect_dlg_res.h"
#include "listctrl/listctrl_res.h"
#include "model/database.h"
#include "objedit/blockpage.h"
#include "objedit/defedit.h"
#include "objedit/flowpage.h"
#include "objedit/flowpage_res.h"
#include "objedit/itempage_basic.h"
#include "objedit/itempage_effect_res.h"
#include "objedit/obj_lists.h"
#include "res/command_ids.h"
#include "ui/dlghelpers.h"

namespace {

const int kFirstFlag = 8;  // the page's boxes are flags 8 .. 12
const int kGroupCount = 5;
const int kGroups[kGroupCount][4] = {
    {IDC_IE_ENLARGE},
    {IDC_IE_TAKE_MODE},
    {IDC_IE_SHOW_ABOVE},
    {IDC_IE_SOUND},
    {IDC_IE_CMD_INSERT, IDC_IE_CMD_EDIT, IDC_IE_CMD_DELETE, IDC_IE_CMDS},
};

enum { kComboEnlarge, kComboTakeMode, kComboCount };

// The basic page's palette working copy, found through the open sheet.
cVector<cEdItem>* PaletteWork() {
    cItemDataSheet* sheet = OpenedItemSheet();
    return sheet && sheet->m_pBasic ? &sheet->m_pBasic->m_PalWork : nullptr;
}

}  // namespace

cItemPageEffect::cItemPageEffect(int templateId, cDlg* parent, int kind, cWndRegistry* registry)
    : cItemPage(templateId, parent, kind, registry, 1) {
    // the flow change dialog of an item command opens the flows page here
    g_RunNestedFlows = RunNestedFlowsPage;
    MakeTableNameList(&m_SoundList, g_Database.m_Sound, "なし", 0, 2, 0);
    m_Combos.resize(kComboCount);
    m_SoundCombo.resize(1);
    m_Checks.resize(1);
    m_Inherits.resize(kGroupCount);
    m_Lists.resize(1);
    m_Pictures.resize(1);
    m_Buttons.resize(5);
    m_Statics.resize(1);
    Load(g_StageEdit.g_EditOriginal.m_pItem);
}

cItemPageEffect::~cItemPageEffect() {
    DestroyModeless();
    SafeDelete(&m_pCmdDlg);
}

void cItemPageEffect::Bind() {
    cEdItem& it = m_Item;
    if (static_cast<int>(it.m_bbInherit.size()) < kItemInheritCount) it.m_bbInherit.resize(kItemInheritCount, 0);
    m_Combos[kComboEnlarge].m_Param.Set(IDC_IE_ENLARGE, &it.m_Enlarge, g_EnlargeName, 1);
    m_Combos[kComboTakeMode].m_Param.Set(IDC_IE_TAKE_MODE, &it.m_TakeMode, g_ItemTakeMode, 0);
    m_SoundCombo[0].m_Param.SetList(IDC_IE_SOUND, &it.m_SoundNo, &m_SoundList, 0);
    m_Checks[0].m_Param.Set(IDC_IE_SHOW_ABOVE, &it.m_ShowOverHead);
    for (int i = 0; i < kGroupCount; ++i)
        m_Inherits[i].m_Param.Set(IDC_IE_INHERIT0 + i, &it.m_bbInherit[kFirstFlag + i]);
    DeclareItemCmdList(m_Lists[0].m_Param, &it.m_Effects);
    m_Pictures[0].m_Param.Set(IDC_IE_PREVIEW, 32, 32);
    const int buttons[5] = {IDC_IE_CMD_INSERT, IDC_IE_CMD_EDIT, IDC_IE_CMD_DELETE, IDC_IE_PREV, IDC_IE_NEXT};
    for (int i = 0; i < 5; ++i) m_Buttons[i].m_Param.Set(buttons[i]);
    m_Statics[0].m_Param.Set(IDC_IE_NO);
}

void cItemPageEffect::Attach(bool first) {
    BindCtrlVectors(*this, first, m_Combos, m_SoundCombo, m_Checks, m_Inherits, m_Lists);
    if (first) BindCtrlVectors(*this, true, m_Pictures, m_Buttons, m_Statics);
}

void cItemPageEffect::OnInitDialog(WPARAM wp, LPARAM lp) {
    cDlg::OnInitDialog(wp, lp);
    ShowWindow(GetDlgItem(m_hWnd, IDC_IE_CANVAS), SW_HIDE);
    Attach(true);
    SetExplicitKeys(CmdList(), kAppearCondKeys);
    CmdList().m_Clip = g_StageEdit.m_Commands2;
    ShowStepCtrls(m_hWnd, &m_Statics[0].m_Ctrl, IDC_IE_NO, IDC_IE_PREV, IDC_IE_NEXT);
    DataToCtrls();
    CmdList().SetCurSel(0, 1);
    UpdateGroups();
    EnableInheritBoxes();
    m_bInit = 1;
    m_bReady = 1;
}

void cItemPageEffect::ShowNo() { ShowEditedNo(&m_Statics[0].m_Ctrl); }

void cItemPageEffect::Changed() {
    NotifySheetChanged(m_hSheet, m_hWnd);
}

void cItemPageEffect::UpdateGroups() {
    // no spin boxes on this page
    for (int i = 0; i < kGroupCount; ++i) EnableInheritGroup(m_hWnd, IDC_IE_INHERIT0 + i, kGroups[i], nullptr, 0);
}

void cItemPageEffect::EnableInheritBoxes() {
    const bool source = m_Item.m_InheritKind != 0;
    for (int i = 0; i < kGroupCount; ++i) EnableWindow(GetDlgItem(m_hWnd, IDC_IE_INHERIT0 + i), source);
}

void cItemPageEffect::ApplyInherit() {
    CtrlsToData();
    m_Item.ApplyInherit();
    DataToCtrls();
    CmdList().Fill();
    CmdList().Redraw();
}

int cItemPageEffect::RunSelect(cEditReq* req, int centre, cCtrl* over) {
    return CmdList().Edit(&m_pCmdDlg, IDD_ITEM_CMD_SELECT, req, &g_WndRegistry, kEditWndKeep, centre, over);
}

void cItemPageEffect::InsertCmd() {
    cCtrlList<cEdCommand>& list = CmdList();
    if (list.GetCurSel() == -1) return;
    if (!list.Insert()) return;
    cEditReq req;
    req.m_pRecord = &m_Item.m_Effects[list.m_nHidden + list.m_nCurSel];
    req.m_bNew = 1;
    if (RunSelect(&req, 0, &list)) {
        list.Fill();
        list.SelectNext(1);
    } else {
        list.TakeBackInserted();
    }
    list.Redraw();
}

void cItemPageEffect::EditCmd() {
    cCtrlList<cEdCommand>& list = CmdList();
    const int row = list.GetCurSel();
    if (!list.IsRecordRow(row)) return;
    cEditReq req;
    req.m_pRecord = &m_Item.m_Effects[list.m_nHidden + row];
    req.m_bNew = 0;
    RunSelect(&req, 1, nullptr);
}

void cItemPageEffect::OnCommand(WPARAM wp, LPARAM lp) {
    if (!AllowCommand(wp)) return;
    cDlg::OnCommand(wp, lp);
    if (!m_bInit) return;
    const int id = LOWORD(wp);
    const int code = HIWORD(wp);
    switch (id) {
        case IDC_IE_PREV:
        case IDC_IE_NEXT:
            if (const int step = StepClicked(wp, IDC_IE_PREV, IDC_IE_NEXT)) Step(step);
            break;
        case IDC_IE_CMDS:
            if (code == LBN_SELCHANGE) CmdList().OnSelChange();
            if (code == LBN_DBLCLK) EditCmd();
            break;
        case IDC_IE_CMD_EDIT:
            if (code == BN_CLICKED) EditCmd();
            break;
        case IDC_IE_CMD_INSERT:
        case ID_POP_INSERT:
        case ID_ACC_INSERT:
            InsertCmd();
            break;
        case IDC_IE_CMD_DELETE:
            if (CmdList().GetCurSel() != -1) CmdList().Delete(-1, false);
            break;
        case IDC_IE_SOUND:
            if (code == CBN_SELCHANGE) PlayComboSound(m_hWnd, m_SoundCombo, IDC_IE_SOUND);
            break;
        default:
            if (const int box =
                    TakeInheritClick(m_hWnd, wp, IDC_IE_INHERIT0, kGroupCount, m_Item.m_bbInherit, kFirstFlag);
                box >= 0) {
                if (m_Item.m_bbInherit[kFirstFlag + box]) ApplyInherit();
                UpdateGroups();
                EnableInheritBoxes();
            } else if (CmdList().OnAccelCommand(wp) || CmdList().OnPopupCommand(wp)) {
                CmdList().Redraw();
            }
            break;
    }
    RedrawList();
    Changed();
}

void cItemPageEffect::Step(int step) {
    if (!m_bInit || !StepDefPage(*this, PaletteWork(), m_Item, step, &g_StageEdit.g_EditOriginal.m_pItem,
                                 [this](const cEdItem& r) { Load(&r); }))
        return;
    ShowNo();
    CmdList().SetCurSel(0, 1);
    DataToCtrls();
    CmdList().Fill();
    CmdList().Redraw();
    UpdateGroups();
    EnableInheritBoxes();
    Draw();
}

void cItemPageEffect::Draw() {
    if (!m_bInit) return;
    PaintIconPreview(m_Pictures[0].m_Ctrl, [&](cDib* dib) { DrawItemIcon(dib, 0, 0, m_Item, 0); });
}

LRESULT cItemPageEffect::MsgProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_NOTIFY && m_bInit) {
        const NMHDR* hdr = reinterpret_cast<const NMHDR*>(lp);
        switch (hdr->code) {
            case PSN_KILLACTIVE:
                LeavePage();
                SetWindowLongPtrA(hwnd, DWLP_MSGRESULT, FALSE);
                return 1;
            case PSN_SETACTIVE:
                Load(&m_Item);
                DataToCtrls();
                CmdList().Fill();
                CmdList().Redraw();
                UpdateGroups();
                EnableInheritBoxes();
                if (DefEditsPaletteEntry()) ShowNo();
                Draw();
                SetWindowLongPtrA(hwnd, DWLP_MSGRESULT, 0);
                return 1;
            case PSN_APPLY:
                // the basic page writes the record back
                if (m_lpSheet && m_lpSheet->Page(m_lpSheet->GetCurPage()) == this) CtrlsToData();
                SetWindowLongPtrA(hwnd, DWLP_MSGRESULT, PSNRET_NOERROR);
                return 1;
        }
    }
    if (msg == WM_CLOSE) {
        Close(0);
        return 1;
    }
    if (msg == WM_DESTROY && m_bInit) {
        g_StageEdit.m_Commands2 = CmdList().m_Clip;
        m_bInit = 0;
    }
    const LRESULT r = DefMsgProc(hwnd, msg, wp, lp);
    if (m_bInit && IsActive() && CmdList().SelectAtPoint(m_ptPopup)) TrackPopup(CmdList().m_hPopupMenu);
    if (m_bInit) Draw();
    return r;
}

int RunNestedFlowsPage(cDlg* owner, cDlg** holder, cVector<cEdFlow>* flows, int op, int id) {
    if (!flows || !holder) return 0;
    g_NestedFlows = flows;
    g_NestedFlowOp = op;
    g_NestedFlowId = id;
    if (flows->empty()) flows->push_back(cEdFlow());
    SafeDelete(holder);
    cFlowPage* page = new (std::nothrow) cFlowPage(IDD_FLOWPAGE, owner, kWndDialog, &g_WndRegistry);
    if (!page) {
        g_NestedFlows = nullptr;
        OutOfMemory();
        return 0;
    }
    *holder = page;
    HWND ownerWnd = owner ? owner->m_hWnd : nullptr;
    if (ownerWnd) EnableWindow(ownerWnd, FALSE);
    const int result = page->RunModal(0);
    SafeDelete(holder);
    g_NestedFlows = nullptr;
    if (ownerWnd) EnableWindow(ownerWnd, TRUE);
    return result;
}
