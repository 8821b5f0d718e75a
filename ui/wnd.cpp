#include "ui/wnd.h"

#include <cstdarg>
#include <cstring>
#include <string>

#include "base/appwnd.h"
#include "base/str.h"

HINSTANCE AppInstance() {
    if (g_MainWnd) {
        HINSTANCE inst = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(g_MainWnd, GWLP_HINSTANCE));
        if (inst) return inst;
    }
    return GetModuleHandleA(nullptr);
}

void cWnd::Init() {
    m_nKind = 0;
    m_hWnd = nullptr;
    m_hInst = nullptr;
    m_nTemplateId = 0;
    m_hParent = nullptr;
    m_hSheet = nullptr;
    m_lpDlgProc = nullptr;
    m_lpRegKey = nullptr;
    m_lpRegistry = nullptr;
    m_ptPos = {0, 0};
    m_rcCanvas = {0, 0, 0, 0};
    m_ptPopup = {0, 0};
    m_bRightArmed = 0;
    m_rcDesign = m_rcClient = m_rcMin = m_rcMax = m_rcWindow = RECT{0, 0, 0, 0};
    m_dwStyle = 0;
    m_bMenu = 0;
    m_nToolbarRows = 0;
    m_nStatusKind = 0;
    m_nScrollBars = 0;
    m_hToolbar = nullptr;
    m_hStatus = nullptr;
    m_nMarginL = m_nMarginR = m_nMarginT = m_nMarginB = 0;
    m_hPopupMenu = nullptr;
    m_bReady = 0;
    m_bInCommand = 0;
    m_nInitX = m_nInitY = kNoInitPos;
    m_lpOwnerCtrl = nullptr;
    m_lpOwnerWnd = nullptr;
    m_bCentre = 0;
}

cWnd::cWnd() {
    Init();
}

cWnd::cWnd(int x, int y) {
    Init();
    m_nInitX = x;
    m_nInitY = y;
}

cWnd::cWnd(cCtrl* ownerCtrl, int centre) {
    Init();
    m_lpOwnerCtrl = ownerCtrl;
    m_bCentre = centre;
}

cWnd::cWnd(cWnd* ownerWnd, int centre) {
    Init();
    m_lpOwnerWnd = ownerWnd;
    m_bCentre = centre;
}

cWnd::~cWnd() {}

void cWnd::OnFrame() { DoNothing(); }
void cWnd::OnCommand(WPARAM wp, LPARAM lp) { DoNothing2(wp, lp); }
void cWnd::OnMouseMove(WPARAM wp, LPARAM lp) { DoNothing2(wp, lp); }
void cWnd::OnLButtonDown(WPARAM wp, LPARAM lp) { DoNothing2(wp, lp); }
void cWnd::OnRButtonDown(WPARAM wp, LPARAM lp) { DoNothing2(wp, lp); }
void cWnd::OnLButtonDblClk(WPARAM wp, LPARAM lp) { DoNothing2(wp, lp); }
void cWnd::OnRButtonDblClk(WPARAM wp, LPARAM lp) { DoNothing2(wp, lp); }
void cWnd::OnLButtonUp(WPARAM wp, LPARAM lp) { DoNothing2(wp, lp); }
void cWnd::OnRButtonUp(WPARAM wp, LPARAM lp) { DoNothing2(wp, lp); }
void cWnd::RedrawList() { DoNothing(); }
void cWnd::Draw() { DoNothing(); }

void cWnd::SetTemplate(int templateId, cWnd* parent, cWndRegistry* registry) {
    m_nTemplateId = static_cast<uint16_t>(templateId);
    m_hParent = parent ? parent->m_hWnd : nullptr;
    m_lpRegistry = registry;
    m_hInst = AppInstance();
}

void cWnd::AddTextF(const char* fmt, ...) {
    if (!m_hWnd) return;
    char add[1024];
    va_list ap;
    va_start(ap, fmt);
    FormatBounded(add, sizeof add, fmt, ap);
    va_end(ap);
    const int len = GetWindowTextLengthA(m_hWnd);
    std::string text(static_cast<size_t>(len) + 1, '\0');
    GetWindowTextA(m_hWnd, &text[0], len + 1);
    text.resize(strlen(text.c_str()));
    text += add;
    SetWindowTextA(m_hWnd, text.c_str());
}

LRESULT cWnd::MsgProc(HWND, UINT, WPARAM, LPARAM) {
    return 0;
}

int cWnd::DefMsgProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    m_hWnd = hwnd;
    if (msg == WM_COMMAND) {
        // a command sent from inside a command handler is dropped
        if (m_bInCommand) return 0;
        m_bInCommand = 1;
    }
    UpdateMouse(false, cMouseState::kButtons | cMouseState::kPresses | cMouseState::kReleases);
    switch (msg) {
        case WM_MOUSEMOVE: OnMouseMove(wp, lp); return 1;
        case WM_LBUTTONDOWN: OnLButtonDown(wp, lp); return 1;
        case WM_RBUTTONDOWN: OnRButtonDown(wp, lp); return 1;
        case WM_LBUTTONDBLCLK: OnLButtonDblClk(wp, lp); return 1;
        case WM_RBUTTONDBLCLK: OnRButtonDblClk(wp, lp); return 1;
        case WM_LBUTTONUP: OnLButtonUp(wp, lp); return 1;
        case WM_RBUTTONUP: OnRButtonUp(wp, lp); return 1;
        case WM_PAINT: {
            PAINTSTRUCT ps;
            BeginPaint(hwnd, &ps);
            Draw();
            EndPaint(hwnd, &ps);
            return 1;
        }
        case WM_DESTROY:
            m_hWnd = nullptr;
            return 1;
        case WM_MOVE: {
            RECT rc;
            if (GetWindowRect(hwnd, &rc)) m_ptPos = {rc.left, rc.top};
            return 1;
        }
        case WM_SIZE:
            UpdateLayout();
            if (m_hToolbar) SendMessageA(m_hToolbar, WM_SIZE, wp, lp);
            if (m_hStatus) {
                MoveWindow(m_hStatus, 0, m_rcClient.bottom - kStatusBarHeight, m_rcCanvas.w, kStatusBarHeight, TRUE);
                SendMessageA(m_hStatus, WM_SIZE, wp, lp);
            }
            return 1;
        case WM_ACTIVATEAPP:
            return 1;
        case WM_GETMINMAXINFO:
            OnGetMinMaxInfo(reinterpret_cast<MINMAXINFO*>(lp));
            return 1;
        case WM_COMMAND:
            OnCommand(wp, lp);
            m_bInCommand = 0;
            return 1;
    }
    return 0;
}
