#include "ui/inputdlg.h"

#include <new>

#include "base/msgbox.h"
#include "base/paths_win32.h"
#include "ui/dlghelpers.h"
#include "ui/inputdlg_res.h"

cInputValueDlg* g_InputValueDlg = nullptr;
cInputStringDlg* g_InputStringDlg = nullptr;
cMessageWnd* g_MessageWnd = nullptr;

namespace {

// The message procedure of the three windows: the default handling first;
// the close button ends the window with 0.
LRESULT SmallDlgMsgProc(cDlg* dlg, HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    int r = dlg->DefMsgProc(hwnd, msg, wp, lp);
    if (msg == WM_CLOSE) {
        dlg->Close(0);
        return 1;
    }
    return r;
}

// OK stores the controls and ends with 1; cancel ends with 0 and stores nothing.
void SmallDlgCommand(cDlg* dlg, WPARAM wp, LPARAM lp) {
    if (!dlg->AllowCommand(wp)) return;
    dlg->cDlg::OnCommand(wp, lp);
    if (LOWORD(wp) == kIdOk) {
        dlg->CtrlsToData();
        dlg->Close(1);
    } else if (LOWORD(wp) == kIdCancel) {
        dlg->Close(0);
    }
}

// The caption and the bound items of an input box; the edit's text is
// selected so that typing replaces it.
template <class V>
void InitInputBox(cDlg* dlg, const cString& title, V& items) {
    SetWindowTextA(dlg->m_hWnd, title.c_str());
    dlg->AddCtrls(items);
    dlg->DataToCtrls();
    SendDlgItemMessageA(dlg->m_hWnd, IDC_INPUT_EDIT, EM_SETSEL, 0, 99);
    dlg->m_bReady = 1;
}

// Replaces the held box with a new one, runs it modal and deletes it.
template <class D, class... A>
int RunInputBox(D*& held, A... args) {
    SafeDelete(&held);
    held = new (std::nothrow) D(args...);
    if (!held) {
        OutOfMemory();
        return 0;
    }
    int r = held->RunModal(0);
    SafeDelete(&held);
    // a box that could not be made (-1) stored nothing: the caller sees a cancel
    return r == 1 ? 1 : 0;
}

}  // namespace

// ---- value input ----

cInputValueDlg::cInputValueDlg(cDlg* parent, cWndRegistry* registry, int* data, int min, int max, const char* title,
                               int x, int y)
    : cDlg(IDD_INPUT_VALUE, parent, kWndDialog, registry, x, y) {
    Init(data, min, max, title);
}

cInputValueDlg::cInputValueDlg(cDlg* parent, cWndRegistry* registry, int* data, int min, int max, const char* title,
                               cCtrl* ownerCtrl, int centre)
    : cDlg(IDD_INPUT_VALUE, parent, kWndDialog, registry, ownerCtrl, centre) {
    Init(data, min, max, title);
}

void cInputValueDlg::Init(int* data, int min, int max, const char* title) {
    m_lpData = data;
    m_strTitle = title ? title : "";
    m_Items.resize(1);
    m_Items[0].m_Param.Set(IDC_INPUT_EDIT, data, min, max, IDC_INPUT_SPIN, 1);
}

cInputValueDlg::~cInputValueDlg() {
    DestroyModeless();
}

LRESULT cInputValueDlg::MsgProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    return SmallDlgMsgProc(this, hwnd, msg, wp, lp);
}

void cInputValueDlg::OnCommand(WPARAM wp, LPARAM lp) {
    SmallDlgCommand(this, wp, lp);
}

void cInputValueDlg::OnInitDialog(WPARAM wp, LPARAM lp) {
    cDlg::OnInitDialog(wp, lp);
    InitInputBox(this, m_strTitle, m_Items);
}

int InputValue(cDlg* parent, cWndRegistry* registry, int* data, int min, int max, const char* title, int x, int y) {
    return RunInputBox(g_InputValueDlg, parent, registry, data, min, max, title, x, y);
}

int InputValue(cDlg* parent, cWndRegistry* registry, int* data, int min, int max, const char* title,
               cCtrl* ownerCtrl, int centre) {
    return RunInputBox(g_InputValueDlg, parent, registry, data, min, max, title, ownerCtrl, centre);
}

// ---- string input ----

cInputStringDlg::cInputStringDlg(cDlg* parent, cWndRegistry* registry, cString* data, int maxLength, int countChars,
                                 const char* title, int x, int y)
    : cDlg(IDD_INPUT_STRING, parent, kWndDialog, registry, x, y) {
    Init(data, maxLength, countChars, title);
}

cInputStringDlg::cInputStringDlg(cDlg* parent, cWndRegistry* registry, cString* data, int maxLength, int countChars,
                                 const char* title, cCtrl* ownerCtrl, int centre)
    : cDlg(IDD_INPUT_STRING, parent, kWndDialog, registry, ownerCtrl, centre) {
    Init(data, maxLength, countChars, title);
}

void cInputStringDlg::Init(cString* data, int maxLength, int countChars, const char* title) {
    m_lpData = data;
    m_strTitle = title ? title : "";
    m_Items.resize(1);
    m_Items[0].m_Param.Set(IDC_INPUT_EDIT, data, maxLength, countChars);
}

cInputStringDlg::~cInputStringDlg() {
    DestroyModeless();
}

LRESULT cInputStringDlg::MsgProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    return SmallDlgMsgProc(this, hwnd, msg, wp, lp);
}

void cInputStringDlg::OnCommand(WPARAM wp, LPARAM lp) {
    SmallDlgCommand(this, wp, lp);
}

void cInputStringDlg::OnInitDialog(WPARAM wp, LPARAM lp) {
    cDlg::OnInitDialog(wp, lp);
    InitInputBox(this, m_strTitle, m_Items);
}

int InputString(cDlg* parent, cWndRegistry* registry, cString* data, int maxLength, int countChars,
                const char* title, int x, int y) {
    return RunInputBox(g_InputStringDlg, parent, registry, data, maxLength, countChars, title, x, y);
}

int InputString(cDlg* parent, cWndRegistry* registry, cString* data, int maxLength, int countChars,
                const char* title, cCtrl* ownerCtrl, int centre) {
    return RunInputBox(g_InputStringDlg, parent, registry, data, maxLength, countChars, title, ownerCtrl, centre);
}

// ---- message window ----

cMessageWnd::cMessageWnd(cDlg* parent, cWndRegistry* registry, const char* text, const char* title, int x, int y,
                         int wait)
    : cDlg(IDD_MESSAGE_WND, parent, kWndDialog, registry, x, y) {
    Init(text, title, wait);
}

cMessageWnd::cMessageWnd(cDlg* parent, cWndRegistry* registry, const char* text, const char* title, cWnd* ownerWnd,
                         int centre, int wait)
    : cDlg(IDD_MESSAGE_WND, parent, kWndDialog, registry, ownerWnd, centre) {
    Init(text, title, wait);
}

cMessageWnd::cMessageWnd(cDlg* parent, cWndRegistry* registry, const char* text, const char* title,
                         cCtrl* ownerCtrl, int centre, int wait)
    : cDlg(IDD_MESSAGE_WND, parent, kWndDialog, registry, ownerCtrl, centre) {
    Init(text, title, wait);
}

void cMessageWnd::Init(const char* text, const char* title, int wait) {
    m_strText = text ? text : "";
    m_strTitle = title ? title : "";
    m_Items.resize(1);
    m_Items[0].m_Param.Set(IDC_MESSAGE_TEXT);
    if (wait) SetWaitCursor();
}

cMessageWnd::~cMessageWnd() {
    DestroyModeless();
}

LRESULT cMessageWnd::MsgProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    return SmallDlgMsgProc(this, hwnd, msg, wp, lp);
}

void cMessageWnd::OnCommand(WPARAM wp, LPARAM lp) {
    SmallDlgCommand(this, wp, lp);
}

void cMessageWnd::OnInitDialog(WPARAM wp, LPARAM lp) {
    cDlg::OnInitDialog(wp, lp);
    SetWindowTextA(m_hWnd, m_strTitle.c_str());
    AddCtrls(m_Items);
    DataToCtrls();
    m_Items[0].m_Ctrl.SetCaption(m_strText.c_str());
    m_bReady = 1;
}

namespace {

// Replaces the message window with a new one, shown modeless with every
// registered window disabled.
template <class... A>
void OpenMessageWnd(A... args) {
    SafeDelete(&g_MessageWnd);
    g_MessageWnd = new (std::nothrow) cMessageWnd(args...);
    if (!g_MessageWnd) {
        OutOfMemory();
        return;
    }
    g_MessageWnd->RunModeless(kRunDisableOthers, 1);
    g_MessageWnd->m_Items[0].m_Ctrl.SetCaption(g_MessageWnd->m_strText.c_str());
}

}  // namespace

void ShowMessageWnd(cDlg* parent, cWndRegistry* registry, const char* text, const char* title, int x, int y,
                    int wait) {
    OpenMessageWnd(parent, registry, text, title, x, y, wait);
}

void ShowMessageWnd(cDlg* parent, cWndRegistry* registry, const char* text, const char* title, cWnd* ownerWnd,
                    int centre, int wait) {
    OpenMessageWnd(parent, registry, text, title, ownerWnd, centre, wait);
}

void ShowMessageWnd(cDlg* parent, cWndRegistry* registry, const char* text, const char* title, cCtrl* ownerCtrl,
                    int centre, int wait) {
    OpenMessageWnd(parent, registry, text, title, ownerCtrl, centre, wait);
}

void CloseMessageWnd() {
    SafeDelete(&g_MessageWnd);
    SetArrowCursor();
}
