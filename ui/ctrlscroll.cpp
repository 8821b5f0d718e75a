#include "ui/ctrlscroll.h"

static const char kScrollProp[] = "CTRL_SCROLL_CLASS";

// No context menu on the bar; the saved procedure goes back on WM_DESTROY.
static LRESULT CALLBACK ScrollBarProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) {
    cCtrlScroll* ctrl = static_cast<cCtrlScroll*>(GetPropA(wnd, kScrollProp));
    if (!ctrl || !ctrl->m_lpfnOrgProc) return DefWindowProcA(wnd, msg, wp, lp);
    WNDPROC org = ctrl->m_lpfnOrgProc;
    if (msg == WM_RBUTTONUP) return 0;
    if (msg == WM_DESTROY) {
        SetWindowLongPtrA(wnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(org));
        RemovePropA(wnd, kScrollProp);
    }
    return CallWindowProcA(org, wnd, msg, wp, lp);
}

cCtrlScroll::cCtrlScroll()
    : m_lpTarget(nullptr), m_nBar(SB_CTL), m_nUnused(0), m_nMin(0), m_nMax(0), m_nPage(0), m_bRedraw(0) {
    m_nKind = kCtrlScroll;
}

HWND cCtrlScroll::Bar(int* bar) const {
    if (m_lpTarget) {
        *bar = m_nBar;
        return *m_lpTarget;
    }
    *bar = SB_CTL;
    return m_hWnd;
}

void cCtrlScroll::Attach(cDlg* owner, const cCtrlScrollParam& param) {
    cCtrl::Attach(owner, param.m_nId);
    m_lpTarget = param.m_lpTarget;
    m_nBar = param.m_nBar;
    m_nUnused = param.m_nUnused;
    m_nMin = param.m_nMin;
    m_nMax = param.m_nMax;
    m_nPage = param.m_nPage;
    m_bRedraw = param.m_bRedraw;
    int bar;
    HWND wnd = Bar(&bar);
    SCROLLINFO si = {sizeof si, SIF_RANGE | SIF_PAGE, m_nMin, m_nMax, static_cast<UINT>(m_nPage), 0, 0};
    if (wnd) SetScrollInfo(wnd, bar, &si, m_bRedraw);
    // every new window is subclassed again; one already subclassed keeps it
    if (m_hWnd && !GetPropA(m_hWnd, kScrollProp)) {
        SetPropA(m_hWnd, kScrollProp, this);
        m_lpfnOrgProc = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ScrollBarProc)));
    }
}

int cCtrlScroll::GetPos() {
    int bar;
    HWND wnd = Bar(&bar);
    SCROLLINFO si = {sizeof si, SIF_POS, 0, 0, 0, 0, 0};
    if (!wnd || !GetScrollInfo(wnd, bar, &si)) return 0;
    return si.nPos;
}

void cCtrlScroll::SetPos(int pos, int redraw) {
    int bar;
    HWND wnd = Bar(&bar);
    SCROLLINFO si = {sizeof si, SIF_POS, 0, 0, 0, pos, 0};
    if (wnd) SetScrollInfo(wnd, bar, &si, redraw);
}

int cCtrlScroll::Scroll(int delta) {
    SetPos(GetPos() + delta, TRUE);
    return GetPos();
}

bool cCtrlScroll::ScrollBy(int delta) {
    const int before = GetPos();
    return Scroll(delta) != before;
}

void cCtrlScroll::SetRange(int min, int max) {
    m_nMin = min;
    m_nMax = max;
    int bar;
    HWND wnd = Bar(&bar);
    SCROLLINFO si = {sizeof si, SIF_RANGE, min, max, 0, 0, 0};
    if (wnd) SetScrollInfo(wnd, bar, &si, TRUE);
}

void cCtrlScroll::SetPage(int page) {
    m_nPage = page;
    int bar;
    HWND wnd = Bar(&bar);
    SCROLLINFO si = {sizeof si, SIF_PAGE, 0, 0, static_cast<UINT>(page), 0, 0};
    if (wnd) SetScrollInfo(wnd, bar, &si, TRUE);
}

// cDlg::AutoScroll, the drag scrolling of a dialog's canvas bars.

#include "ui/dlg.h"

int g_AutoScrollCount[4] = {0, 0, 0, 0};

namespace {

// Within 32 pixels beyond the edge the bar steps every 8 calls, farther out
// on every call; out takes the new position when the bar steps.
bool EdgeStep(int* count, int distance, cCtrlScroll* bar, int delta, int* out) {
    *count += 1;
    if (distance <= 32 && *count < 8) return false;
    if (!bar->m_hWnd) return false;
    *out = bar->Scroll(delta);
    *count = 0;
    return true;
}

}  // namespace

void cDlg::AutoScroll(int* x, int* y) {
    int mx = m_Mouse.m_nX;
    int my = m_Mouse.m_nY;
    cCtrlScroll* h = &m_HScroll.m_Ctrl;
    cCtrlScroll* v = &m_VScroll.m_Ctrl;
    if (mx < 0) EdgeStep(&g_AutoScrollCount[0], -mx, h, -1, x);
    if (mx >= m_rcCanvas.w) EdgeStep(&g_AutoScrollCount[1], mx - m_rcCanvas.w, h, 1, x);
    if (my < 0) EdgeStep(&g_AutoScrollCount[2], -my, v, -1, y);
    if (my >= m_rcCanvas.h) EdgeStep(&g_AutoScrollCount[3], my - m_rcCanvas.h, v, 1, y);
}
