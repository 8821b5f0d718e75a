#include "ui/ctrl.h"

#include <cstdarg>
#include <cstdio>

#include "base/appwnd.h"
#include "base/msgbox.h"
#include "ui/dlg.h"

cCtrl::cCtrl()
    : m_hWnd(nullptr), m_lpfnOrgProc(nullptr), m_lpOwner(nullptr), m_hOwner(nullptr), m_nKind(0), m_nId(0),
      m_ptScreen{0, 0}, m_ptOwner{0, 0}, m_bBusy(0) {}

cCtrl& cCtrl::operator=(const cCtrl& other) {
    m_hWnd = other.m_hWnd;
    m_nId = other.m_nId;
    return *this;
}

cCtrl::~cCtrl() {}

int cCtrl::Enable(int flag) {
    return EnableWindow(m_hWnd, flag);
}

void cCtrl::DataToCtrl() {}
void cCtrl::CtrlToData() {}
void cCtrl::OnChange() {}
int cCtrl::OnNotify(int, NMHDR*) {
    return 0;
}
int cCtrl::OnScroll(WPARAM, LPARAM) {
    return 0;
}
void cCtrl::Reserved() {}
void cCtrl::Redraw() {}
void cCtrl::OnKillFocus() {}
void cCtrl::AfterCommand() {}
void cCtrl::OnKeyDown(WPARAM, LPARAM, int) {}

void cCtrl::Attach(cDlg* owner, int id) {
    m_lpOwner = owner;
    m_hOwner = owner ? owner->m_hWnd : nullptr;
    m_nId = static_cast<uint16_t>(id);
    m_hWnd = GetDlgItem(m_hOwner, id);
    StorePos();
}

void cCtrl::StorePos() {
    RECT rc = {};
    GetWindowRect(m_hWnd, &rc);
    m_ptScreen = {rc.left, rc.top};
    if (m_hOwner) {
        RECT orc = {};
        GetWindowRect(m_hOwner, &orc);
        int ml = m_lpOwner ? m_lpOwner->m_nMarginL : 0;
        int mt = m_lpOwner ? m_lpOwner->m_nMarginT : 0;
        m_ptOwner = {rc.left - ml - orc.left, rc.top - mt - orc.top};
    }
}

void cCtrl::Resize(int width, int height) {
    if (!m_hWnd) return;
    StorePos();
    SetWindowPos(m_hWnd, nullptr, m_ptOwner.x, m_ptOwner.y, width, height, 0);
}

void cCtrl::MoveTo(int x, int y) {
    if (!m_hWnd) return;
    RECT rc = {};
    GetWindowRect(m_hWnd, &rc);
    SetWindowPos(m_hWnd, HWND_TOP, x, y, rc.right - rc.left, rc.bottom - rc.top, 0);
    StorePos();
}

bool cCtrl::HitTest(POINT pt) const {
    RECT rc = {};
    if (!GetWindowRect(m_hWnd, &rc)) return false;
    return pt.x >= rc.left && pt.x <= rc.right && pt.y >= rc.top && pt.y <= rc.bottom;
}

int cCtrl::Show(int flag) {
    return ShowWindow(m_hWnd, flag ? SW_SHOW : SW_HIDE);
}

void cCtrl::RemoveStyle(LONG_PTR bits) {
    LONG_PTR style = GetWindowLongPtrA(m_hWnd, GWL_STYLE);
    SetWindowLongPtrA(m_hWnd, GWL_STYLE, style & ~bits);
}

bool cCtrl::HasStyle(LONG_PTR bits) const {
    return (GetWindowLongPtrA(m_hWnd, GWL_STYLE) & bits) == bits;
}

bool cCtrl::IsEnabled() const {
    return !HasStyle(WS_DISABLED);
}

void cCtrl::SetText(const cString& text) {
    SetDlgItemTextA(m_hOwner, m_nId, text.c_str());
}

int cCtrl::GetCheck() const {
    return static_cast<int>(SendMessageA(m_hWnd, BM_GETCHECK, 0, 0));
}

void cCtrl::SetCheck(uint8_t state) {
    SendMessageA(m_hWnd, BM_SETCHECK, state, 0);
}

cString WindowTextOf(HWND wnd, int maxBytes) {
    cString text;
    int len = wnd ? GetWindowTextLengthA(wnd) : 0;
    if (len <= 0 || maxBytes <= 1) return text;
    std::string buf(static_cast<size_t>(len) + 1, '\0');
    int got = GetWindowTextA(wnd, &buf[0], len + 1);
    got = got < 0 ? 0 : got > len ? len : got;
    if (got > maxBytes - 1) got = SjisSafeLength(buf.data(), maxBytes - 1);
    text.assign(buf.data(), static_cast<size_t>(got));
    return text;
}

void CtrlNotFound(int id) {
    DebugErrorBoxF("コントロールID 【%u】 が見つかりません！", static_cast<unsigned>(id));
    DestroyWindow(g_MainWnd);
}

void cCtrl::SetCaption(const char* text) {
    SetWindowTextA(m_hWnd, text);
}

void cCtrl::GetCaption(cString* out) {
    *out = WindowTextOf(m_hWnd, 1024);
}

void cCtrl::AddCaption(const char* text) {
    cString s;
    GetCaption(&s);
    s += text;
    SetCaption(s.c_str());
}

void cCtrl::AddCaptionF(const char* fmt, ...) {
    char buf[1024];
    va_list ap;
    va_start(ap, fmt);
    vsnprintf(buf, sizeof buf, fmt, ap);
    va_end(ap);
    AddCaption(buf);
}
