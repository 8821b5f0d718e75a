// The small dialogs every editor uses: a modal box asking for one integer
// within a range, a modal box asking for one line of text, and a modeless
// message window shown while the editor works, with every other registered
// window disabled. Callers reach them only through the free functions.
#pragma once

#include "ui/ctrleditstr.h"
#include "ui/ctrleditval.h"
#include "ui/ctrlstatic.h"
#include "ui/dlg.h"

class cInputValueDlg : public cDlg {
public:
    cInputValueDlg(cDlg* parent, cWndRegistry* registry, int* data, int min, int max, const char* title, int x, int y);
    cInputValueDlg(cDlg* parent, cWndRegistry* registry, int* data, int min, int max, const char* title,
                   cCtrl* ownerCtrl, int centre);
    ~cInputValueDlg() override;

    LRESULT MsgProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) override;
    void OnCommand(WPARAM wp, LPARAM lp) override;
    void OnInitDialog(WPARAM wp, LPARAM lp) override;
    void Draw() override {}

    int* m_lpData;
    cString m_strTitle;
    cVector<cCtrlEditValItem<int>> m_Items;

private:
    void Init(int* data, int min, int max, const char* title);
};

class cInputStringDlg : public cDlg {
public:
    cInputStringDlg(cDlg* parent, cWndRegistry* registry, cString* data, int maxLength, int countChars,
                    const char* title, int x, int y);
    cInputStringDlg(cDlg* parent, cWndRegistry* registry, cString* data, int maxLength, int countChars,
                    const char* title, cCtrl* ownerCtrl, int centre);
    ~cInputStringDlg() override;

    LRESULT MsgProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) override;
    void OnCommand(WPARAM wp, LPARAM lp) override;
    void OnInitDialog(WPARAM wp, LPARAM lp) override;
    void Draw() override {}

    cString* m_lpData;
    cString m_strTitle;
    cVector<cCtrlEditStrItem> m_Items;

private:
    void Init(cString* data, int maxLength, int countChars, const char* title);
};

class cMessageWnd : public cDlg {
public:
    cMessageWnd(cDlg* parent, cWndRegistry* registry, const char* text, const char* title, int x, int y, int wait);
    cMessageWnd(cDlg* parent, cWndRegistry* registry, const char* text, const char* title, cWnd* ownerWnd, int centre,
                int wait);
    cMessageWnd(cDlg* parent, cWndRegistry* registry, const char* text, const char* title, cCtrl* ownerCtrl,
                int centre, int wait);
    ~cMessageWnd() override;

    LRESULT MsgProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) override;
    void OnCommand(WPARAM wp, LPARAM lp) override;
    void OnInitDialog(WPARAM wp, LPARAM lp) override;
    void Draw() override {}

    cString m_strText;
    cString m_strTitle;
    cVector<cCtrlStaticItem> m_Items;

private:
    void Init(const char* text, const char* title, int wait);
};

extern cInputValueDlg* g_InputValueDlg;
extern cInputStringDlg* g_InputStringDlg;
extern cMessageWnd* g_MessageWnd;

// 1 when OK stored the value (held in min..max), 0 when cancelled.
int InputValue(cDlg* parent, cWndRegistry* registry, int* data, int min, int max, const char* title, int x, int y);
// The box placed over the control (centred on it when centre is set).
int InputValue(cDlg* parent, cWndRegistry* registry, int* data, int min, int max, const char* title,
               cCtrl* ownerCtrl, int centre);
// 1 when OK stored the text (at most maxLength bytes, or characters when
// countChars is set), 0 when cancelled.
int InputString(cDlg* parent, cWndRegistry* registry, cString* data, int maxLength, int countChars,
                const char* title, int x, int y);
int InputString(cDlg* parent, cWndRegistry* registry, cString* data, int maxLength, int countChars,
                const char* title, cCtrl* ownerCtrl, int centre);

// Opens the message window (replacing an open one); every registered window
// is disabled until CloseMessageWnd. wait: show the wait cursor.
void ShowMessageWnd(cDlg* parent, cWndRegistry* registry, const char* text, const char* title, int x, int y,
                    int wait);
void ShowMessageWnd(cDlg* parent, cWndRegistry* registry, const char* text, const char* title, cWnd* ownerWnd,
                    int centre, int wait);
void ShowMessageWnd(cDlg* parent, cWndRegistry* registry, const char* text, const char* title, cCtrl* ownerCtrl,
                    int centre, int wait);
// Closes the message window (if any) and sets the arrow cursor.
void CloseMessageWnd();
