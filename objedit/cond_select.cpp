#include "objedit/cond_select.h"

#include <new>

#include "app/services.h"
#include "base/msgbox.h"
#include "model/cmd_tables.h"
#include "objedit/blockpage.h"
#include "objedit/blocksheet.h"
#include "objedit/charapage_basic.h"
#include "objedit/charasheet.h"
#include "objedit/cond_charavar.h"
#include "objedit/cond_charavar_res.h"
#include "objedit/cond_commonvar.h"
#include "objedit/cond_commonvar_res.h"
#include "objedit/cond_distance.h"
#include "objedit/cond_distance_res.h"
#include "objedit/cond_select_res.h"
#include "objedit/cond_stagevar.h"
#include "objedit/cond_stagevar_res.h"
#include "objedit/cond_status.h"
#include "objedit/cond_status2.h"
#include "objedit/cond_status2_res.h"
#include "objedit/cond_status3.h"
#include "objedit/cond_status3_res.h"
#include "objedit/cond_status_res.h"
#include "objedit/flowpage.h"
#include "ui/dlghelpers.h"

namespace {

// Creates, runs and deletes one kind dialog; the holder is cleared after.
template <class D>
int OpenCondKindDlg(cCondKindDlg** holder, int dlgId, cWndRegistry* registry, cCondSelectDlg* owner) {
    if (!g_StageEdit.g_BlockSheet && !g_StageEdit.g_CharaSheet && !g_StageEdit.g_ItemSheet) return 1;
    D* dlg = new (std::nothrow) D(dlgId, owner, kWndDialog, &owner->m_Req, registry, OpenCondListCtrl(), 1);
    if (!dlg) {
        OutOfMemory();
        return 0;
    }
    *holder = dlg;
    const int result = dlg->RunModal(0);
    SafeDelete(holder);
    return result;
}

}  // namespace

cCtrl* OpenCondListCtrl() {
    // a block sheet: its page's appearance conditions
    if (cBlockDataSheet* block = dynamic_cast<cBlockDataSheet*>(g_StageEdit.g_BlockSheet))
        return block->m_pPage && !block->m_pPage->m_Lists.empty() ? &block->m_pPage->m_Lists[0].m_Ctrl : nullptr;
    // a character sheet: the first page's appearance conditions while it is
    // the current page, else the flows page's basic conditions
    if (cCharaDataSheet* sheet = dynamic_cast<cCharaDataSheet*>(g_StageEdit.g_CharaSheet)) {
        if (sheet->m_hWnd && sheet->GetCurPage() != 0) {
            cFlowPage* flows = dynamic_cast<cFlowPage*>(sheet->m_pPages[3]);
            return flows ? &flows->CondList() : nullptr;
        }
        return sheet->m_pBasic && !sheet->m_pBasic->m_Lists.empty() ? &sheet->m_pBasic->m_Lists[0].m_Ctrl : nullptr;
    }
    // an item sheet: its first page's appearance conditions, else the nested
    // flows page's basic conditions (with the item sheet)
    return nullptr;
}

cCondSelectDlg::cCondSelectDlg(int templateId, cDlg* parent, int kind, const cEditReq* req, cWndRegistry* registry,
                               cCtrl* ownerCtrl, int centre)
    : cDlg(templateId, parent, kind, registry, ownerCtrl, centre) {
    if (req) m_Req = *req;
    m_Kinds[0] = {0, 0, nullptr};
    const int buttons[7] = {IDC_COND_SELECT_BTN_COMMONVAR, IDC_COND_SELECT_BTN_STAGEVAR, IDC_COND_SELECT_BTN_CHARAVAR,
                            IDC_COND_SELECT_BTN_STATUS,    IDC_COND_SELECT_BTN_STATUS2,  IDC_COND_SELECT_BTN_STATUS3,
                            IDC_COND_SELECT_BTN_DISTANCE};
    const int dialogs[7] = {IDD_COND_COMMONVAR, IDD_COND_STAGEVAR, IDD_COND_CHARAVAR, IDD_COND_STATUS,
                            IDD_COND_STATUS2,   IDD_COND_STATUS3,  IDD_COND_DISTANCE};
    m_Buttons.resize(7);
    for (int i = 0; i < 7; ++i) {
        m_Kinds[i + 1] = {buttons[i], dialogs[i], nullptr};
        m_Buttons[i].m_Param.Set(buttons[i]);
    }
}

cCondSelectDlg::~cCondSelectDlg() {
    for (cKindEntry& e : m_Kinds) SafeDelete(&e.m_pDlg);
    DestroyModeless();
}

void cCondSelectDlg::OnInitDialog(WPARAM wp, LPARAM lp) {
    cDlg::OnInitDialog(wp, lp);
    ShowWindow(GetDlgItem(m_hWnd, IDC_COND_CANVAS), SW_HIDE);
    AddCtrls(m_Buttons);
    for (int i = 0; i < 7; ++i) m_Buttons[i].m_Ctrl.SetCaption(g_CondKind[i + 1]);
    if (!m_Req.m_bDistance && g_StageEdit.m_nLayer != 1)
        EnableWindow(GetDlgItem(m_hWnd, IDC_COND_SELECT_BTN_DISTANCE), FALSE);
    DataToCtrls();
    cEdCond* cond = m_Req.Record<cEdCond>();
    if (!m_Req.m_bNew && cond && cond->m_nKind >= 1 && cond->m_nKind < kCondKindCount)
        SendMessageA(m_hWnd, WM_COMMAND, static_cast<WPARAM>(m_Kinds[cond->m_nKind].m_nButton), 0);
    m_bInit = 1;
    m_bReady = 1;
}

int cCondSelectDlg::OpenKindDlg(int kind) {
    cCondKindDlg** holder = &m_Kinds[kind].m_pDlg;
    const int id = m_Kinds[kind].m_nDlg;
    switch (kind) {
        case kCondCommonVar: return OpenCondKindDlg<cCondKindDlgCommonVar>(holder, id, &g_WndRegistry, this);
        case kCondStageVar: return OpenCondKindDlg<cCondKindDlgStageVar>(holder, id, &g_WndRegistry, this);
        case kCondCharaVar: return OpenCondKindDlg<cCondKindDlgCharaVar>(holder, id, &g_WndRegistry, this);
        case kCondStatus: return OpenCondKindDlg<cCondKindDlgStatus>(holder, id, &g_WndRegistry, this);
        case kCondStatus2: return OpenCondKindDlg<cCondKindDlgStatus2>(holder, id, &g_WndRegistry, this);
        case kCondStatus3: return OpenCondKindDlg<cCondKindDlgStatus3>(holder, id, &g_WndRegistry, this);
        case kCondDistance: return OpenCondKindDlg<cCondKindDlgDistance>(holder, id, &g_WndRegistry, this);
    }
    return 0;
}

void cCondSelectDlg::OnCommand(WPARAM wp, LPARAM lp) {
    cDlg::OnCommand(wp, lp);
    const int id = LOWORD(wp);
    if (HIWORD(wp) != BN_CLICKED) return;
    for (int kind = 1; kind < kCondKindCount; ++kind) {
        if (m_Kinds[kind].m_nButton != id) continue;
        cEdCond* cond = m_Req.Record<cEdCond>();
        if (cond) cond->m_nKind = static_cast<int8_t>(kind);
        Close(OpenKindDlg(kind));
        return;
    }
    if (id == kIdCancel || id == IDCANCEL) Close(0);
}

LRESULT cCondSelectDlg::MsgProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_CLOSE) {
        Close(0);
        return 1;
    }
    const int handled = DefMsgProc(hwnd, msg, wp, lp);
    if (handled && m_bReady && m_hWnd) Draw();
    return handled;
}

void cCondSelectDlg::Draw() {
    if (m_lpParentClass)
        m_lpParentClass->RedrawList();
    else
        DebugErrorBoxF("m_lpParentClass->RedrawList()できない！ m_lpParentClass->RedrawList() = %u", 0u);
}

int RunCondSelectDlg(cDlg* owner, cEditReq* req) {
    cCondSelectDlg* dlg = new (std::nothrow)
        cCondSelectDlg(IDD_COND_SELECT, owner, kWndDialog, req, &g_WndRegistry, OpenCondListCtrl(), 1);
    if (!dlg) {
        OutOfMemory();
        return 0;
    }
    const int result = dlg->RunModal(0);
    SafeDelete(&dlg);
    return result;
}
