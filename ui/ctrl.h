// The base of the controls bound to a dialog item: the item's window, its
// owner dialog, and the virtual operations through which the dialog base
// shows and stores data and routes notifications, scrolling and keys.
#pragma once

#include <windows.h>

#include <cstdint>

#include "base/str.h"

class cDlg;

// Kind codes of the bound controls.
enum {
    kCtrlStatic = 0,
    kCtrlButton = 1,
    kCtrlEditVal = 2,
    kCtrlEditStr = 3,
    kCtrlPicture = 4,
    kCtrlCheck = 5,
    kCtrlCombo = 7,
    kCtrlList = 8,
    kCtrlSpin = 9,
    kCtrlTrackBar = 10,
    kCtrlScroll = 11,
};

class cCtrl {
public:
    cCtrl();
    virtual ~cCtrl();
    // Virtual operations, in this order.
    virtual int Enable(int flag);
    virtual void DataToCtrl();
    virtual void CtrlToData();
    virtual void OnChange();
    virtual int OnNotify(int id, NMHDR* hdr);
    virtual int OnScroll(WPARAM wp, LPARAM lp);
    virtual void Reserved();
    virtual void Redraw();
    virtual void OnKillFocus();
    virtual void AfterCommand();
    virtual void OnKeyDown(WPARAM key, LPARAM lp, int ctrlDown);

    // Binds the control to the owner's dialog item with the id.
    void Attach(cDlg* owner, int id);
    // Records the window's screen position and its place in the owner's client area.
    void StorePos();
    void Resize(int width, int height);
    void Show(int flag);
    void SetCaption(const char* text);
    void GetCaption(cString* out);
    void AddCaption(const char* text);
    void AddCaptionF(const char* fmt, ...)
#if defined(__GNUC__)
        __attribute__((format(printf, 2, 3)))
#endif
        ;

    HWND m_hWnd;
    WNDPROC m_lpfnOrgProc;
    cDlg* m_lpOwner;
    HWND m_hOwner;
    int m_nKind;
    uint16_t m_nId;
    POINT m_ptScreen;
    POINT m_ptOwner;
    int m_bBusy;
};
