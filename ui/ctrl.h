// The base of the controls bound to a dialog item: the item's window, its
// owner dialog, and the virtual operations through which the dialog base
// shows and stores data and routes notifications, scrolling and keys.
#pragma once

#include <windows.h>

#include <climits>
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
    // A copy refers to the same window and takes every field.
    cCtrl(const cCtrl&) = default;
    // Assignment takes only the window and the control id; owner, owner
    // window, kind, positions, saved procedure and busy flag stay.
    cCtrl& operator=(const cCtrl& other);
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
    // Moves the window to x, y of its parent (top of the z-order, size kept)
    // and records the new position.
    void MoveTo(int x, int y);
    // True when the screen point lies in the window rectangle, every border included.
    bool HitTest(POINT screen) const;
    // ShowWindow's result.
    int Show(int flag);
    void RemoveStyle(LONG_PTR bits);
    bool HasStyle(LONG_PTR bits) const;
    bool IsEnabled() const;
    // The owner's dialog item with the control id takes the text.
    void SetText(const cString& text);
    int GetCheck() const;
    void SetCheck(uint8_t state);
    void SetCaption(const char* text);
    // The window's whole text (at most 1023 bytes) replaces the string.
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

// The window's text, read into a buffer sized from its length; at most
// maxBytes - 1 bytes, and a cut never splits a double-byte character.
cString WindowTextOf(HWND wnd, int maxBytes = INT_MAX);

// The common base of the value edit and the string edit. Derived classes
// keep the implicit copy and assignment: the base part follows cCtrl's rules,
// every field of their own is copied.
class cCtrlEdit : public cCtrl {
public:
    enum { kEditNone = 0, kEditVal = 1, kEditStr = 2 };
    cCtrlEdit() : m_nEditKind(kEditNone) {}

    int m_nEditKind;
};

// An item: a control immediately followed by its parameter record. Copying
// or assigning an item does so for the control and copies the record.
template <class C, class P>
struct cCtrlItem {
    C m_Ctrl;
    P m_Param;
};

// The first item of the vector whose control id equals the low 16 bits of
// id. None is an internal error: reported while the error log is on, and the
// application window is closed; null.
void CtrlNotFound(int id);
template <class V>
auto FindCtrl(V& items, int id) -> decltype(&items[0]) {
    uint16_t want = static_cast<uint16_t>(id);
    for (int i = 0; i < static_cast<int>(items.size()); ++i)
        if (items[i].m_Ctrl.m_nId == want) return &items[i];
    CtrlNotFound(id);
    return nullptr;
}
// The found control's Enable with the flag, else 0.
template <class V>
int EnableCtrl(V& items, int id, int flag) {
    auto* item = FindCtrl(items, id);
    return item ? item->m_Ctrl.Enable(flag) : 0;
}
// The found control's Show with the flag, else 0.
template <class V>
int ShowCtrl(V& items, int id, int flag) {
    auto* item = FindCtrl(items, id);
    return item ? item->m_Ctrl.Show(flag) : 0;
}
