#include "ui/dlg.h"

#include "ui/registry.h"

int g_HScrollId = 1008;
int g_VScrollId = 1009;

void SetScrollBarIds(int horizontal, int vertical) {
    g_HScrollId = horizontal;
    g_VScrollId = vertical;
}

static const char kDlgClassProp[] = "DLG_CLASS";

LRESULT CALLBACK DlgSubclassProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    cDlg* dlg = static_cast<cDlg*>(GetPropA(hwnd, kDlgClassProp));
    if (!dlg || !dlg->m_lpfnOrgProc) return DefDlgProcA(hwnd, msg, wp, lp);
    return CallWindowProcA(dlg->m_lpfnOrgProc, hwnd, msg, wp, lp);
}

// Messages reach the object stored in the window's user slot at
// WM_INITDIALOG; nothing reaches it after the window's WM_DESTROY, so a
// destroyed window never hands its handle back to the object.
static INT_PTR Forward(cDlg* dlg, HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_INITDIALOG) SetWindowLongPtrA(hwnd, DWLP_USER, reinterpret_cast<LONG_PTR>(dlg));
    if (!dlg) return FALSE;
    if (msg == WM_NCDESTROY) {
        SetWindowLongPtrA(hwnd, DWLP_USER, 0);
        return FALSE;
    }
    return static_cast<INT_PTR>(dlg->MsgProc(hwnd, msg, wp, lp));
}

INT_PTR CALLBACK cDlg::DlgProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    cDlg* dlg = msg == WM_INITDIALOG ? reinterpret_cast<cDlg*>(lp)
                                     : reinterpret_cast<cDlg*>(GetWindowLongPtrA(hwnd, DWLP_USER));
    return Forward(dlg, hwnd, msg, wp, lp);
}

INT_PTR CALLBACK cDlg::PageProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    cDlg* dlg;
    if (msg == WM_INITDIALOG)
        dlg = lp ? reinterpret_cast<cDlg*>(reinterpret_cast<PROPSHEETPAGEA*>(lp)->lParam) : nullptr;
    else
        dlg = reinterpret_cast<cDlg*>(GetWindowLongPtrA(hwnd, DWLP_USER));
    return Forward(dlg, hwnd, msg, wp, lp);
}

cDlg::cDlg(int templateId, cDlg* parent, int kind, cWndRegistry* registry) : cWnd() {
    Create(templateId, parent, kind, registry);
}

cDlg::cDlg(int templateId, cDlg* parent, int kind, cWndRegistry* registry, int x, int y) : cWnd(x, y) {
    Create(templateId, parent, kind, registry);
}

cDlg::cDlg(int templateId, cDlg* parent, int kind, cWndRegistry* registry, cCtrl* ownerCtrl, int centre)
    : cWnd(ownerCtrl, centre) {
    Create(templateId, parent, kind, registry);
}

cDlg::cDlg(int templateId, cDlg* parent, int kind, cWndRegistry* registry, cWnd* ownerWnd, int centre)
    : cWnd(ownerWnd, centre) {
    Create(templateId, parent, kind, registry);
}

void cDlg::Create(int templateId, cDlg* parent, int kind, cWndRegistry* registry) {
    m_nKind = kind;
    m_bReady = 0;
    m_bModeless = 0;
    m_nRunFlags = 0;
    m_nResult = 0;
    m_hParent = parent ? parent->m_hWnd : nullptr;
    m_lpParentClass = parent;
    m_lpSheet = nullptr;
    m_lpfnOrgProc = nullptr;
    m_nTemplateId = static_cast<uint16_t>(templateId);
    m_lpRegistry = registry;
    m_hInst = AppInstance();
    m_lpDlgProc = kind == kWndPage ? PageProc : DlgProc;
}

cDlg::~cDlg() {
    // A window still open here (a derived destructor that did not close it)
    // is destroyed with this class's table: its WM_DESTROY no longer reaches
    // cDlg::DefMsgProc, so the windows the run hid or disabled are given
    // back here.
    const bool open = m_hWnd && IsWindow(m_hWnd);
    DestroyModeless();
    if (open) RestoreWindows();
    if (m_hWnd && IsWindow(m_hWnd)) {
        // a window that outlives its object (a modal loop still unwinding)
        // must not reach it any more
        SetWindowLongPtrA(m_hWnd, DWLP_USER, 0);
        RemovePropA(m_hWnd, kDlgClassProp);
    }
}

void cDlg::ShowOthers(int flag) {
    if (!m_lpRegistry) return;
    if (m_nRunFlags & kRunHideOthers) m_lpRegistry->ShowAll(flag != 0);
    if (m_nRunFlags & kRunDisableOthers) m_lpRegistry->EnableAll(flag != 0);
}

int cDlg::RunModal(int runFlags) {
    if (m_hWnd) return 0;
    Close(0);
    m_bModeless = 0;
    m_nRunFlags = runFlags;
    ShowOthers(0);
    INT_PTR r = DialogBoxParamA(m_hInst, MAKEINTRESOURCEA(m_nTemplateId), m_hParent, m_lpDlgProc,
                                reinterpret_cast<LPARAM>(this));
    m_hWnd = nullptr;
    ShowOthers(1);
    if (r == -1) {
        // no dialog was shown: reported as a modeless one that cannot be
        // made, and the caller reads it as cancelled, never as OK
        ResourceError();
        return 0;
    }
    return static_cast<int>(r);
}

void cDlg::RunModeless(int runFlags, int show) {
    Close(0);
    if (m_hWnd) return;
    m_bModeless = 1;
    m_nRunFlags = runFlags;
    ShowOthers(0);
    HWND wnd = CreateDialogParamA(m_hInst, MAKEINTRESOURCEA(m_nTemplateId), m_hParent, m_lpDlgProc,
                                  reinterpret_cast<LPARAM>(this));
    if (!wnd) {
        if (m_lpRegistry) m_lpRegistry->EnableAll(true);
        ResourceError();
    }
    Show(show);
}

void cDlg::Close(int result) {
    m_nResult = result;
    m_Ctrls.clear();
    if (!m_hWnd) return;
    if (m_bModeless)
        DestroyWindow(m_hWnd);
    else
        EndDialog(m_hWnd, result);
}

void cDlg::RestoreWindows() {
    ShowOthers(1);
}

void cDlg::DestroyModeless() {
    if (m_hWnd) Close(0);
    if (m_lpRegistry && !m_lpRegistry->RemoveWindow(this) && m_hWnd) ErrorBoxF("ウインドウの破棄に失敗！");
    m_lpRegKey = nullptr;
}

void cDlg::DataToCtrls() {
    for (int i = 0; i < static_cast<int>(m_Ctrls.size()); ++i) m_Ctrls[i]->DataToCtrl();
}

void cDlg::DataToCtrlsExcept(cCtrl* except) {
    for (int i = 0; i < static_cast<int>(m_Ctrls.size()); ++i)
        if (m_Ctrls[i]->m_nId != except->m_nId) m_Ctrls[i]->DataToCtrl();
}

void cDlg::DataToCtrlsLocked(int) {
    DataToCtrls();
}

void cDlg::DataToCtrlsExceptLocked(int, cCtrl* except) {
    DataToCtrlsExcept(except);
}

void cDlg::CtrlsToData() {
    for (int i = 0; i < static_cast<int>(m_Ctrls.size()); ++i) m_Ctrls[i]->CtrlToData();
}

void cDlg::RedrawList() {
    for (int i = 0; i < static_cast<int>(m_Ctrls.size()); ++i)
        if (m_Ctrls[i]->m_nKind == kCtrlList) m_Ctrls[i]->Redraw();
}

uint16_t cDlg::GetChangedCtrlId(WPARAM wp) {
    int id = LOWORD(wp);
    int code = HIWORD(wp);
    for (int i = 0; i < static_cast<int>(m_Ctrls.size()); ++i) {
        cCtrl* c = m_Ctrls[i];
        if (c->m_nId != id) continue;
        bool match = (c->m_nKind == kCtrlButton && code == BN_CLICKED) ||
                     ((c->m_nKind == kCtrlEditVal || c->m_nKind == kCtrlEditStr) && code == EN_UPDATE) ||
                     c->m_nKind == kCtrlCheck || (c->m_nKind == kCtrlCombo && code == CBN_SELCHANGE);
        if (match) return c->m_nId;
    }
    return 0;
}

bool cDlg::AllowCommand(WPARAM) {
    return true;
}

void cDlg::OnCommand(WPARAM wp, LPARAM) {
    int id = LOWORD(wp);
    int code = HIWORD(wp);
    for (int i = 0; i < static_cast<int>(m_Ctrls.size()); ++i) {
        cCtrl* c = m_Ctrls[i];
        if (c->m_nId != id) continue;
        bool edit = c->m_nKind == kCtrlEditVal || c->m_nKind == kCtrlEditStr;
        if ((edit && code == EN_UPDATE) || (c->m_nKind == kCtrlCombo && code == CBN_SELCHANGE) ||
            (c->m_nKind == kCtrlList && code == LBN_SELCHANGE)) {
            c->OnChange();
            break;
        }
        if ((edit && code == EN_KILLFOCUS) || (c->m_nKind == kCtrlList && code == LBN_KILLFOCUS)) {
            c->OnKillFocus();
            break;
        }
    }
    for (int i = 0; i < static_cast<int>(m_Ctrls.size()); ++i) {
        cCtrl* c = m_Ctrls[i];
        if (c->m_nKind != kCtrlList) continue;
        SendMessageA(c->m_hWnd, WM_SETREDRAW, FALSE, 0);
        c->AfterCommand();
    }
}

void cDlg::PlaceScrollBars() {
    if (m_HScroll.m_Ctrl.m_hWnd) {
        MoveWindow(m_HScroll.m_Ctrl.m_hWnd, m_rcCanvas.x, m_rcCanvas.y + m_rcCanvas.h, m_rcCanvas.w,
                   GetSystemMetrics(SM_CYHSCROLL), TRUE);
        m_HScroll.m_Ctrl.StorePos();
    }
    if (m_VScroll.m_Ctrl.m_hWnd) {
        MoveWindow(m_VScroll.m_Ctrl.m_hWnd, m_rcCanvas.x + m_rcCanvas.w, m_rcCanvas.y, GetSystemMetrics(SM_CXVSCROLL),
                   m_rcCanvas.h, TRUE);
        m_VScroll.m_Ctrl.StorePos();
    }
}

void cDlg::AttachScrollBar(cCtrlScrollItem* item, int id) {
    item->m_Param = cCtrlScrollParam();
    item->m_Param.m_nId = id;
    item->m_Ctrl.Attach(this, item->m_Param);
    m_Ctrls.push_back(&item->m_Ctrl);
    PlaceScrollBars();
    item->m_Ctrl.SetPos(0, TRUE);
}

void cDlg::OnInitDialog(WPARAM, LPARAM) {
    m_Ctrls.clear();
    if (m_bModeless) {
        m_lpRegKey = this;
        if (m_lpRegistry) m_lpRegistry->AddWindow(this);
    }
    // every new window of the object is subclassed (a dialog run again has
    // a new window); the procedure saved is that window's own
    if (!GetPropA(m_hWnd, kDlgClassProp)) {
        SetPropA(m_hWnd, kDlgClassProp, this);
        m_lpfnOrgProc = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(DlgSubclassProc)));
    }
    UpdateLayout();
    if (m_rcDesign.right) SetClientSize(m_rcDesign.right, m_rcDesign.bottom);
    if (m_nScrollBars & kHScrollBar) AttachScrollBar(&m_HScroll, g_HScrollId);
    if (m_nScrollBars & kVScrollBar) AttachScrollBar(&m_VScroll, g_VScrollId);
    Place();
    if (!m_Hook.Install(m_hWnd, m_bModeless)) ErrorBoxF("KeyboardHookに失敗!");
    UpdateMouse(false, cMouseState::kButtons | cMouseState::kPresses | cMouseState::kReleases);
    m_MouseInit = m_Mouse;
    m_bRightArmed = (GetAsyncKeyState(VK_RBUTTON) & 0x8000) ? 0 : 1;
}

void cDlg::OnOwnScroll(cCtrlScroll* ctrl, WPARAM wp) {
    int bar;
    HWND wnd = ctrl->Bar(&bar);
    SCROLLINFO si = {sizeof si, SIF_ALL, 0, 0, 0, 0, 0};
    if (!GetScrollInfo(wnd, bar, &si)) return;
    int old = si.nPos;
    int pos = old;
    switch (LOWORD(wp)) {
        case SB_LINELEFT: pos -= 1; break;
        case SB_LINERIGHT: pos += 1; break;
        case SB_PAGELEFT: pos -= static_cast<int>(si.nPage); break;
        case SB_PAGERIGHT: pos += static_cast<int>(si.nPage); break;
        case SB_THUMBTRACK: pos = si.nTrackPos; break;
        case SB_LEFT: pos = si.nMin; break;
        case SB_RIGHT: pos = si.nMax; break;
        default: break;
    }
    SCROLLINFO set = {sizeof set, SIF_POS, 0, 0, 0, pos, 0};
    SetScrollInfo(wnd, bar, &set, TRUE);
    if (ctrl->GetPos() != old) Draw();
}

int cDlg::DefMsgProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    int r = cWnd::DefMsgProc(hwnd, msg, wp, lp);
    if (m_bReady && m_Canvas.m_Ctrl.m_hWnd) {
        HWND focus = GetFocus();
        if (focus && (focus == m_HScroll.m_Ctrl.m_hWnd || focus == m_VScroll.m_Ctrl.m_hWnd))
            SetFocus(m_Canvas.m_Ctrl.m_hWnd);
    }
    switch (msg) {
        case WM_INITDIALOG:
            OnInitDialog(wp, lp);
            break;
        case WM_DESTROY:
            RestoreWindows();
            break;
        case WM_SIZE:
            PlaceScrollBars();
            break;
        case WM_NOTIFY:
            for (int i = 0; i < static_cast<int>(m_Ctrls.size()); ++i)
                if (m_Ctrls[i]->OnNotify(static_cast<int>(wp), reinterpret_cast<NMHDR*>(lp))) break;
            break;
        case WM_KEYDOWN: {
            HWND hbar = m_HScroll.m_Ctrl.m_hWnd;
            HWND vbar = m_VScroll.m_Ctrl.m_hWnd;
            UINT scrollMsg = 0;
            int code = 0;
            switch (wp) {
                case VK_PRIOR: scrollMsg = WM_VSCROLL; code = SB_PAGEUP; break;
                case VK_NEXT: scrollMsg = WM_VSCROLL; code = SB_PAGEDOWN; break;
                case VK_HOME: scrollMsg = WM_HSCROLL; code = SB_PAGELEFT; break;
                case VK_END: scrollMsg = WM_HSCROLL; code = SB_PAGERIGHT; break;
                case VK_LEFT: scrollMsg = WM_HSCROLL; code = SB_LINELEFT; break;
                case VK_RIGHT: scrollMsg = WM_HSCROLL; code = SB_LINERIGHT; break;
                case VK_UP: scrollMsg = WM_VSCROLL; code = SB_LINEUP; break;
                case VK_DOWN: scrollMsg = WM_VSCROLL; code = SB_LINEDOWN; break;
            }
            if (scrollMsg)
                PostMessageA(hwnd, scrollMsg, code, reinterpret_cast<LPARAM>(scrollMsg == WM_VSCROLL ? vbar : hbar));
            if (!m_bModeless)
                for (int i = 0; i < static_cast<int>(m_Ctrls.size()); ++i) m_Ctrls[i]->OnKeyDown(wp, lp, g_CtrlDown);
            break;
        }
        case WM_HSCROLL:
        case WM_VSCROLL: {
            cCtrlScroll* own = msg == WM_HSCROLL ? &m_HScroll.m_Ctrl : &m_VScroll.m_Ctrl;
            if (own->m_hWnd && reinterpret_cast<HWND>(lp) == own->m_hWnd) OnOwnScroll(own, wp);
            for (int i = 0; i < static_cast<int>(m_Ctrls.size()); ++i)
                if (m_Ctrls[i]->OnScroll(wp, lp)) break;
            break;
        }
        case kMsgScrollKey:
            if (m_hWnd) SendMessageA(m_hWnd, WM_KEYDOWN, wp, lp);
            break;
    }
    return r;
}
