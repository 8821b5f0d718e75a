#include "projedit/event_palette.h"

#include <windowsx.h>

#include "app/services.h"
#include "model/prjoption.h"
#include "model/worldmap_edit.h"
#include "projedit/event_palette_res.h"
#include "projedit/proj_lists.h"
#include "projedit/worldmap_dlg.h"
#include "res/command_ids.h"
#include "ui/dlghelpers.h"
#include "ui/inputdlg.h"

namespace {

const int kMaxTemplates = 99;

cEdWindowPlace& Placement() {
    return EditConfig.m_Place[kPlaceEvents];
}

int InitX() {
    if (Placement().m_bValid) return Placement().m_nX;
    RECT rc;
    return StageEditorRect(&rc) ? rc.right : kNoInitPos;
}

int InitY() {
    if (Placement().m_bValid) return Placement().m_nY;
    RECT rc;
    return StageEditorRect(&rc) ? rc.top + 10 : kNoInitPos;
}

}  // namespace

cEventPaletteDlg* cEventPaletteDlg::s_pThis = nullptr;

cEventPaletteDlg::cEventPaletteDlg(cDlg* parent, cWndRegistry* registry)
    : cDlg(IDD_EVENT_PALETTE, parent, kWndDialog, registry, InitX(), InitY()) {
    s_pThis = this;
    DeclareEventPaletteList(m_List.m_Param, &g_WorldMap.m_Templates);
    m_Checks.resize(3);
    m_Checks[0].m_Param.Set(IDC_EVPAL_EDIT_PLACED, &EditConfig.m_bEventEditPlaced);
    m_Checks[1].m_Param.Set(IDC_EVPAL_EDIT_BEFORE, &EditConfig.m_bEventEditBefore);
    m_Checks[2].m_Param.Set(IDC_EVPAL_AUTO_NUMBER, &EditConfig.m_bEventAutoWorldNo);
    const int buttons[] = {IDC_EVPAL_INSERT, IDC_EVPAL_EDIT, IDC_EVPAL_DELETE, IDC_EVPAL_COUNT};
    m_Buttons.resize(4);
    for (int i = 0; i < 4; ++i) m_Buttons[i].m_Param.Set(buttons[i]);
    SetLayout(0, 0, 100, 100, 640, 480, 0, 0, 0, 0, 0, 0);
}

cEventPaletteDlg::~cEventPaletteDlg() {
    DestroyModeless();
    if (m_hListMenu) DestroyMenu(m_hListMenu);
    if (s_pThis == this) s_pThis = nullptr;
}

void cEventPaletteDlg::OnInitDialog(WPARAM wp, LPARAM lp) {
    cDlg::OnInitDialog(wp, lp);
    m_List.m_Ctrl.m_strSeparator = cString(64, '-');
    AddCtrl(m_List);
    AddCtrls(m_Checks);
    AddCtrls(m_Buttons);
    AddAccelerators(m_hWnd, IDA_LIST_INSERT);
    m_hListMenu = LoadMenuA(m_hInst, MAKEINTRESOURCEA(IDM_LIST_INSERT));
    DataToCtrls();
    m_List.m_Ctrl.ResetSel(g_WorldMapEdit.m_SelTemplate, 0);
    SelectTemplate();
    m_bReady = 1;
}

void cEventPaletteDlg::SelectTemplate() {
    cWorldMapEdit& ed = g_WorldMapEdit;
    cCtrlList<cEdWorldEvent>& list = m_List.m_Ctrl;
    ed.m_SelTemplate = list.m_nCurSel;
    const int index = list.GetSelData();
    if (index == -1) {
        ed.m_SelEntry = -1;
        ed.m_PatternWidth = 0;
        ed.m_PatternHeight = 0;
    } else {
        ed.m_SelEntry = index;
        ed.m_EventBuf = g_WorldMap.m_Templates[index];
        ed.m_PatternWidth = 1;
        ed.m_PatternHeight = 1;
    }
    g_StageEdit.m_bWorldMapModified = 1;
}

void cEventPaletteDlg::Refresh() {
    m_List.m_Ctrl.Fill();
    m_List.m_Ctrl.Redraw();
}

void cEventPaletteDlg::SetClipboard(const cEdWorldEvent& event) {
    m_List.m_Ctrl.m_Clip.clear();
    m_List.m_Ctrl.m_Clip.push_back(event);
}

void cEventPaletteDlg::EditSelected() {
    const int index = m_List.m_Ctrl.GetSelData();
    if (index == -1 || !cWorldMapDlg::s_pThis) return;
    cWorldMapDlg::s_pThis->RunEventDlg(&g_WorldMap.m_Templates[index]);
    Refresh();
}

void cEventPaletteDlg::InsertAndEdit() {
    cCtrlList<cEdWorldEvent>& list = m_List.m_Ctrl;
    if (!list.Insert()) return;
    const int row = list.m_nCurSel;
    const int result =
        cWorldMapDlg::s_pThis ? cWorldMapDlg::s_pThis->RunEventDlg(&g_WorldMap.m_Templates[row]) : 0;
    if (result == 1) {
        Refresh();
        SelectTemplate();
    } else {
        list.Delete(row, true);
    }
}

bool cEventPaletteDlg::ListCommand(int id) {
    cCtrlList<cEdWorldEvent>& list = m_List.m_Ctrl;
    cWorldMapEdit& ed = g_WorldMapEdit;
    bool copied = false;
    switch (id) {
        case ID_KEY_CUT:
        case ID_POPUP_CUT:
            copied = list.Cut();
            break;
        case ID_KEY_COPY:
        case ID_POPUP_COPY:
            copied = list.Copy();
            break;
        case ID_KEY_PASTE:
        case ID_POPUP_PASTE:
            list.Paste();
            break;
        case ID_KEY_LIST_DELETE:
        case ID_POPUP_DELETE:
            list.Delete(-1, false);
            break;
        default:
            return false;
    }
    // A copied template can be pasted on the map too.
    if (copied && !list.m_Clip.empty()) {
        ed.m_bClipValid = 1;
        ed.m_EventBuf2 = list.m_Clip[0];
    }
    SelectTemplate();
    return true;
}

void cEventPaletteDlg::OnCommand(WPARAM wp, LPARAM lp) {
    cDlg::OnCommand(wp, lp);
    const int id = LOWORD(wp);
    const int code = HIWORD(wp);
    cCtrlList<cEdWorldEvent>& list = m_List.m_Ctrl;
    switch (id) {
        case IDC_EVPAL_COUNT: {
            int n = static_cast<int>(g_WorldMap.m_Templates.size());
            if (InputValue(this, m_lpRegistry, &n, 1, kMaxTemplates, "データ数", &m_Buttons[3].m_Ctrl, 1) == 1) {
                list.SetCount(n);
                SelectTemplate();
            }
            break;
        }
        case IDC_EVPAL_LIST:
            if (code == LBN_SELCHANGE) {
                list.OnSelChange();
                SelectTemplate();
            } else if (code == LBN_DBLCLK) {
                list.OnSelChange();
                EditSelected();
                SelectTemplate();
            }
            break;
        case IDC_EVPAL_EDIT:
            if (code == BN_CLICKED) {
                EditSelected();
                SelectTemplate();
            }
            break;
        case IDC_EVPAL_DELETE:
            if (code == BN_CLICKED) {
                list.Delete(-1, false);
                SelectTemplate();
            }
            break;
        case IDC_EVPAL_INSERT:
            if (code != BN_CLICKED) break;
            InsertAndEdit();
            break;
        case ID_POPUP_INSERT:
        case ID_KEY_LIST_INSERT:
            InsertAndEdit();
            break;
        case IDC_EVPAL_EDIT_PLACED:
            m_Checks[0].m_Ctrl.CtrlToData();
            break;
        case IDC_EVPAL_EDIT_BEFORE:
            m_Checks[1].m_Ctrl.CtrlToData();
            break;
        case IDC_EVPAL_AUTO_NUMBER:
            m_Checks[2].m_Ctrl.CtrlToData();
            break;
        default:
            ListCommand(id);
            break;
    }
    if (list.m_hWnd) SendMessageA(list.m_hWnd, WM_SETREDRAW, TRUE, 0);
    list.Redraw();
}

LRESULT cEventPaletteDlg::MsgProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    // Messages that still arrive while the window goes away must not give
    // the object its handle back.
    if (m_bDestroyed) return 0;
    int handled = DefMsgProc(hwnd, msg, wp, lp);
    switch (msg) {
        case WM_CONTEXTMENU:
            // A right click on the template list opens the list's menu.
            if (reinterpret_cast<HWND>(wp) == m_List.m_Ctrl.m_hWnd && m_hListMenu) {
                POINT pt = {GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
                if (m_List.m_Ctrl.SelectAtPoint(pt)) SelectTemplate();
                TrackPopupMenu(GetSubMenu(m_hListMenu, 0), TPM_RIGHTBUTTON, pt.x, pt.y, 0, hwnd, nullptr);
                return 1;
            }
            break;
        case WM_DESTROY: {
            m_bDestroyed = 1;
            m_hWnd = nullptr;
            StoreWindowPlace(hwnd, &Placement());
            EditConfig.Save(g_EditConfigPath.CStr());
            return 1;
        }
        case WM_CLOSE:
            return 1;
    }
    if (handled && m_bReady && m_hWnd) Draw();
    return handled;
}

void cEventPaletteDlg::Draw() {}
