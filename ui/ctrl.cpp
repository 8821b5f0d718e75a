#include "ui/ctrl.h"

#include <cstdarg>
#include <cstdio>

#include "ui/dlg.h"

cCtrl::cCtrl()
    : m_hWnd(nullptr), m_lpfnOrgProc(nullptr), m_lpOwner(nullptr), m_hOwner(nullptr), m_nKind(0), m_nId(0),
      m_ptScreen{0, 0}, m_ptOwner{0, 0}, m_bBusy(0) {}

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

void cCtrl::Show(int flag) {
    ShowWindow(m_hWnd, flag ? SW_SHOW : SW_HIDE);
}

void cCtrl::SetCaption(const char* text) {
    SetWindowTextA(m_hWnd, text);
}

void cCtrl::GetCaption(cString* out) {
    char buf[1024] = "";
    GetWindowTextA(m_hWnd, buf, sizeof buf);
    out->assign(buf);
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
