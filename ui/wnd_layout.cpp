// Layout, placement and mouse state of cWnd.
#include "base/log.h"
#include "ui/ctrl.h"
#include "ui/wnd.h"

void cWnd::SetLayout(int canvasW, int canvasH, int minW, int minH, int maxW, int maxH, DWORD style, int menu,
                     int toolbarRows, int statusKind, int, int scrollBars) {
    m_dwStyle = style;
    m_bMenu = menu;
    m_nToolbarRows = toolbarRows;
    m_nStatusKind = statusKind;
    m_nScrollBars = scrollBars;
    m_rcCanvas.x = 0;
    m_rcCanvas.y = toolbarRows * kToolbarRowHeight;
    int extraW = (scrollBars & kVScrollBar) ? GetSystemMetrics(SM_CXVSCROLL) : 0;
    int extraH = (statusKind == 1 ? kStatusBarHeight : 0) + ((scrollBars & kHScrollBar) ? GetSystemMetrics(SM_CYHSCROLL) : 0) +
                 toolbarRows * kToolbarRowHeight;
    int w = canvasW + extraW;
    int h = canvasH + extraH;
    m_rcMin = {0, 0, minW + extraW, minH + extraH};
    m_rcMax = {0, 0, maxW + extraW, maxH + extraH};
    m_rcDesign = {0, 0, w, h};
    m_rcClient = m_rcDesign;
    CalcLayout();
}

void cWnd::CalcLayout() {
    m_nMarginL = m_nMarginR = m_nMarginT = m_nMarginB = 0;
    if ((m_dwStyle & WS_CAPTION) == WS_CAPTION) m_nMarginT += GetSystemMetrics(SM_CYCAPTION);
    if (m_dwStyle & WS_THICKFRAME) {
        m_nMarginL = m_nMarginR = GetSystemMetrics(SM_CXFRAME);
        m_nMarginT += GetSystemMetrics(SM_CYFRAME);
        m_nMarginB = GetSystemMetrics(SM_CYFRAME);
    } else if (m_dwStyle & WS_DLGFRAME) {
        m_nMarginL = m_nMarginR = GetSystemMetrics(SM_CXDLGFRAME);
        m_nMarginT += GetSystemMetrics(SM_CYDLGFRAME);
        m_nMarginB = GetSystemMetrics(SM_CYDLGFRAME);
    }
    if (m_bMenu) m_nMarginT += GetSystemMetrics(SM_CYMENU);
    int cw = m_rcClient.right - m_rcClient.left;
    int ch = m_rcClient.bottom - m_rcClient.top;
    m_rcWindow = {0, 0, cw + m_nMarginL + m_nMarginR, ch + m_nMarginT + m_nMarginB};
    int top = m_nToolbarRows * kToolbarRowHeight;
    m_rcCanvas = {0, top, cw, ch - top};
    if (m_nScrollBars & kHScrollBar) m_rcCanvas.h -= GetSystemMetrics(SM_CYHSCROLL);
    if (m_nScrollBars & kVScrollBar) m_rcCanvas.w -= GetSystemMetrics(SM_CXVSCROLL);
    if (m_nStatusKind == 1) m_rcCanvas.h -= kStatusBarHeight;
}

void cWnd::UpdateLayout() {
    m_dwStyle = static_cast<DWORD>(GetWindowLongPtrA(m_hWnd, GWL_STYLE));
    ::GetClientRect(m_hWnd, &m_rcClient);
    CalcLayout();
}

void cWnd::SetClientSize(int width, int height) {
    SetWindowPos(m_hWnd, nullptr, 0, 0, width + m_nMarginL + m_nMarginR, height + m_nMarginT + m_nMarginB,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    m_rcClient = {0, 0, width, height};
    CalcLayout();
}

void cWnd::OnGetMinMaxInfo(MINMAXINFO* info) {
    info->ptMinTrackSize.x = m_rcMin.right + m_nMarginL + m_nMarginR;
    info->ptMinTrackSize.y = m_rcMin.bottom + m_nMarginT + m_nMarginB;
    // A window laid out with zeros has no maximum of its own: a maximum of
    // zero would squeeze a sizable window down to its frame.
    if (m_rcMax.right > 0) info->ptMaxTrackSize.x = m_rcMax.right + m_nMarginL + m_nMarginR;
    if (m_rcMax.bottom > 0) info->ptMaxTrackSize.y = m_rcMax.bottom + m_nMarginT + m_nMarginB;
}

void cWnd::AddStyle(DWORD bits) {
    LONG_PTR style = GetWindowLongPtrA(m_hWnd, GWL_STYLE) | bits;
    SetWindowLongPtrA(m_hWnd, GWL_STYLE, style);
    m_dwStyle = static_cast<DWORD>(style);
    UpdateLayout();
}

void cWnd::RemoveStyle(DWORD bits) {
    LONG_PTR style = GetWindowLongPtrA(m_hWnd, GWL_STYLE) & ~static_cast<LONG_PTR>(bits);
    SetWindowLongPtrA(m_hWnd, GWL_STYLE, style);
    m_dwStyle = static_cast<DWORD>(style);
    UpdateLayout();
}

void cWnd::Show(int flag) {
    ShowWindow(m_hWnd, flag ? SW_SHOW : SW_HIDE);
}

void cWnd::Enable(int flag) {
    if (flag)
        RemoveStyle(WS_DISABLED);
    else
        AddStyle(WS_DISABLED);
}

void cWnd::GetClientRect(RECT* rc) {
    if (m_hWnd) ::GetClientRect(m_hWnd, rc);
}

void cWnd::GetWindowPos(POINT* pt) {
    RECT rc = {};
    GetWindowRect(m_hWnd, &rc);
    *pt = {rc.left, rc.top};
}

void cWnd::Move(int x, int y) {
    SetWindowPos(m_hWnd, nullptr, x, y, m_rcWindow.right, m_rcWindow.bottom, SWP_NOZORDER | SWP_NOACTIVATE);
    m_ptPos = {x, y};
    CalcLayout();
}

void cWnd::Place() {
    int x, y;
    int ownW = m_rcClient.right - m_rcClient.left;
    int ownH = m_rcClient.bottom - m_rcClient.top;
    bool requested = false;
    if (m_lpOwnerWnd) {
        RECT rc = {}, crc = {};
        GetWindowRect(m_lpOwnerWnd->m_hWnd, &rc);
        ::GetClientRect(m_lpOwnerWnd->m_hWnd, &crc);
        x = rc.left;
        y = rc.top;
        if (m_bCentre) {
            x += crc.right / 2 - ownW / 2;
            y += crc.bottom / 2 - ownH / 2;
        }
    } else if (m_lpOwnerCtrl) {
        RECT rc = {}, crc = {};
        GetWindowRect(m_lpOwnerCtrl->m_hWnd, &rc);
        ::GetClientRect(m_lpOwnerCtrl->m_hWnd, &crc);
        x = rc.left;
        y = rc.top;
        if (m_bCentre) {
            x += crc.right / 2 - ownW / 2;
            y += crc.bottom / 2 - ownH / 2;
        }
    } else {
        if (m_nInitX == kNoInitPos || m_nInitY == kNoInitPos) return;
        x = m_nInitX;
        y = m_nInitY;
        requested = true;
    }
    RECT work = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    int winW = m_rcWindow.right;
    int winH = m_rcWindow.bottom;
    if (x < 0)
        x = 0;
    else if (x + winW >= work.right)
        x = work.right - winW;
    if (y < 0)
        y = 0;
    else if (y + winH >= work.bottom)
        y = work.bottom - winH;
    if (requested) {
        m_nInitX = x;
        m_nInitY = y;
    }
    Move(x, y);
}

bool cWnd::UpdateMouse(bool outsideAllowed, int flags) {
    static POINT s_Cursor = {0, 0};
    if (!GetCursorPos(&s_Cursor)) ErrorLog("GetCursorPos失敗！");
    if (!m_hWnd) return false;
    POINT pt = s_Cursor;
    ScreenToClient(m_hWnd, &pt);
    int mx = pt.x - m_rcCanvas.x;
    int my = pt.y - m_rcCanvas.y;
    if (!outsideAllowed && (mx < 0 || mx >= m_rcCanvas.w || my < 0 || my >= m_rcCanvas.h)) return false;
    m_Mouse.m_nX = mx;
    m_Mouse.m_nY = my;
    m_ptPopup = s_Cursor;
    m_Mouse.Update(flags);
    return true;
}

bool cWnd::IsActive() {
    if (!m_bReady) return false;
    if (!m_bRightArmed) {
        if (!m_Mouse.m_bRDown) m_bRightArmed = 1;
        return false;
    }
    if (m_Mouse.m_bLDown || !m_Mouse.m_bRRelease) return false;
    if (m_nKind == 2) {
        return m_hSheet && reinterpret_cast<HWND>(SendMessageA(m_hSheet, PSM_GETCURRENTPAGEHWND, 0, 0)) == m_hWnd;
    }
    return m_hWnd && GetActiveWindow() == m_hWnd;
}
