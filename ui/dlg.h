// The dialog base class: a dialog template of the resources run modal or
// modeless, or a property page, with its bound controls, its two canvas
// scroll bars and its keyboard hook holder.
#pragma once

#include "base/containers.h"
#include "ui/ctrlpicture.h"
#include "ui/ctrlscroll.h"
#include "base/msgbox.h"
#include "ui/hook.h"
#include "ui/wnd.h"

class cPropSheet;

// Kinds of cWnd::m_nKind.
enum { kWndPlain = 0, kWndDialog = 1, kWndPage = 2 };

// Run flags of cDlg::RunModal / cDlg::RunModeless.
enum {
    kRunHideOthers = 2,     // hide every registered window during the run
    kRunDisableOthers = 4,  // disable them
};

// Standard command ids of the dialogs.
const int kIdOk = 1000;
const int kIdCancel = 1001;

// The ids of the canvas scroll bars in the dialog templates.
void SetScrollBarIds(int horizontal, int vertical);
extern int g_HScrollId;
extern int g_VScrollId;

class cDlg : public cWnd {
public:
    cDlg(int templateId, cDlg* parent, int kind, cWndRegistry* registry);
    cDlg(int templateId, cDlg* parent, int kind, cWndRegistry* registry, int x, int y);
    cDlg(int templateId, cDlg* parent, int kind, cWndRegistry* registry, cCtrl* ownerCtrl, int centre);
    cDlg(int templateId, cDlg* parent, int kind, cWndRegistry* registry, cWnd* ownerWnd, int centre);
    ~cDlg() override;

    void OnCommand(WPARAM wp, LPARAM lp) override;
    int DefMsgProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) override;
    void RedrawList() override;
    // Slot 14: the base initialisation; a derived one calls it first.
    virtual void OnInitDialog(WPARAM wp, LPARAM lp);

    void Create(int templateId, cDlg* parent, int kind, cWndRegistry* registry);
    // The end result, or 0 when the window already exists.
    int RunModal(int runFlags);
    void RunModeless(int runFlags, int show);
    void Close(int result);
    void RestoreWindows();
    // Closes the window and leaves the registry; every derived destructor calls it first.
    void DestroyModeless();

    void DataToCtrls();
    void DataToCtrlsExcept(cCtrl* except);
    void DataToCtrlsLocked(int unused);
    void DataToCtrlsExceptLocked(int unused, cCtrl* except);
    void CtrlsToData();
    uint16_t GetChangedCtrlId(WPARAM wp);

    // Attaches every item of the vector in index order with its record and
    // enters its control into m_Ctrls; the vector must not be resized after.
    template <class V>
    void AddCtrls(V& items) {
        for (int i = 0; i < static_cast<int>(items.size()); ++i) AddCtrl(items[i]);
    }
    // The same for a single item.
    template <class I>
    void AddCtrl(I& item) {
        item.m_Ctrl.Attach(this, item.m_Param);
        m_Ctrls.push_back(&item.m_Ctrl);
    }
    // Attaches every item of the vector in index order with its record
    // without entering the controls into m_Ctrls (a page that shows one
    // record at a time re-binds its controls this way); the vector's size.
    template <class V>
    int AttachCtrls(V& items) {
        for (int i = 0; i < static_cast<int>(items.size()); ++i) AttachCtrl(items[i]);
        return static_cast<int>(items.size());
    }
    // The same for a single item (the list of a page).
    template <class I>
    void AttachCtrl(I& item) {
        item.m_Ctrl.Attach(this, item.m_Param);
    }
    bool AllowCommand(WPARAM wp);
    // Steps the canvas scroll bars while the mouse (m_Mouse) is beyond a canvas
    // edge; the new positions go to x and y for the bars that stepped.
    void AutoScroll(int* x, int* y);

    // The dialog procedure of every dialog and of every property page.
    static INT_PTR CALLBACK DlgProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    static INT_PTR CALLBACK PageProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);

    int m_bModeless;
    int m_nRunFlags;
    WNDPROC m_lpfnOrgProc;
    int m_nResult;
    cHook m_Hook;
    cDlg* m_lpParentClass;
    cPropSheet* m_lpSheet;
    cCtrlPictureItem m_Canvas;
    cCtrlScrollItem m_HScroll;
    cCtrlScrollItem m_VScroll;
    cVector<cCtrl*> m_Ctrls;

private:
    void ShowOthers(int flag);
    void PlaceScrollBars();
    void AttachScrollBar(cCtrlScrollItem* item, int id);
    void OnOwnScroll(cCtrlScroll* bar, WPARAM wp);
};

// The pass-through subclass of dialog windows (window property "DLG_CLASS").
LRESULT CALLBACK DlgSubclassProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
