// The window base class: the window handle, the layout of the client area
// (toolbar rows, canvas, scroll bars, status bar), the mouse state, the
// accelerator tables and the fixed table of virtual message handlers.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <cstddef>
#include <cstdint>

#include "base/containers.h"
#include "base/dib.h"
#include "ui/mouse.h"

class cCtrl;
class cWndRegistry;

// Layout constants.
const int kToolbarRowHeight = 28;
const int kStatusBarHeight = 20;
// m_nInitX / m_nInitY: no position requested.
const int kNoInitPos = -1000;

// Scroll bar flags of the layout.
enum { kHScrollBar = 1, kVScrollBar = 2 };

// A toolbar button with its tooltip text (static tables of the windows).
struct sToolButton {
    TBBUTTON m_Button;
    const char* m_lpTip;
};

// Bytes of the tool record given to a tooltip: up to its lParam.
const UINT kToolInfoSize = static_cast<UINT>(offsetof(TOOLINFOA, lParam) + sizeof(LPARAM));
#if !defined(_WIN64)
static_assert(offsetof(TOOLINFOA, lParam) + sizeof(LPARAM) == 44, "the tool record of the 32-bit program");
#endif

struct sAccelEntry {
    HACCEL m_hTable;
    HWND m_hTarget;
};

struct sCanvasRect {
    int x, y, w, h;
};

class cWnd {
public:
    cWnd();
    cWnd(int x, int y);
    cWnd(cCtrl* ownerCtrl, int centre);
    cWnd(cWnd* ownerWnd, int centre);

    // Virtual handlers, in the order of their slots.
    virtual ~cWnd();
    virtual void OnFrame();
    virtual void OnCommand(WPARAM wp, LPARAM lp);
    virtual void OnMouseMove(WPARAM wp, LPARAM lp);
    virtual void OnLButtonDown(WPARAM wp, LPARAM lp);
    virtual void OnRButtonDown(WPARAM wp, LPARAM lp);
    virtual void OnLButtonDblClk(WPARAM wp, LPARAM lp);
    virtual void OnRButtonDblClk(WPARAM wp, LPARAM lp);
    virtual void OnLButtonUp(WPARAM wp, LPARAM lp);
    virtual void OnRButtonUp(WPARAM wp, LPARAM lp);
    // Entry point of the window's messages.
    virtual LRESULT MsgProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    // Default handling: 1 when the message was handled.
    virtual int DefMsgProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    virtual void RedrawList();
    virtual void Draw();

    // The shared empty bodies of the handlers above that a window leaves as
    // they are: without arguments, and with the two of a message.
    void DoNothing() {}
    void DoNothing2(WPARAM, LPARAM) {}

    // The set-up of a window object before its window is made: the resource
    // template, the parent window (none: null) and the registry it joins.
    void SetTemplate(int templateId, cWnd* parent, cWndRegistry* registry);
    // Appends printf-formatted text (at most 1024 bytes) to the window's
    // text; nothing when there is no window.
    void AddTextF(const char* fmt, ...)
#if defined(__GNUC__)
        __attribute__((format(printf, 2, 3)))
#endif
        ;

    // Layout.
    void SetLayout(int canvasW, int canvasH, int minW, int minH, int maxW, int maxH, DWORD style, int menu,
                   int toolbarRows, int statusKind, int unused, int scrollBars);
    void CalcLayout();
    void UpdateLayout();
    void SetClientSize(int width, int height);
    void OnGetMinMaxInfo(MINMAXINFO* info);
    void AddStyle(DWORD bits);
    void RemoveStyle(DWORD bits);
    void Show(int flag);
    void Enable(int flag);
    void GetClientRect(RECT* rc);
    void GetWindowPos(POINT* pt);
    void Move(int x, int y);
    void Place();

    // Mouse and popup menus.
    bool UpdateMouse(bool outsideAllowed, int flags);
    bool IsActive();
    void TrackPopup(HMENU menu);

    // Toolbars, tooltips and accelerators.
    void AddStdToolButtons(const sToolButton* entries, int count);
    void AddToolButtons(const sToolButton* entries, int count, const char* bitmapFile);
    void AddToolTip(const sToolButton* entry, int index);
    void AddAccelerators(HWND target, int tableId);

    int m_nKind;
    HWND m_hWnd;
    HINSTANCE m_hInst;
    uint16_t m_nTemplateId;
    HWND m_hParent;
    HWND m_hSheet;
    DLGPROC m_lpDlgProc;
    void* m_lpRegKey;
    cWndRegistry* m_lpRegistry;
    // Drawing surfaces of the derived windows' own drawing; empty at first.
    cDib m_Surface[2];
    POINT m_ptPos;
    sCanvasRect m_rcCanvas;
    cMouseState m_Mouse;
    POINT m_ptPopup;
    cMouseState m_MouseInit;
    int m_bRightArmed;
    RECT m_rcDesign;
    RECT m_rcClient;
    RECT m_rcMin;
    RECT m_rcMax;
    RECT m_rcWindow;
    DWORD m_dwStyle;
    int m_bMenu;
    int m_nToolbarRows;
    int m_nStatusKind;
    int m_nScrollBars;
    HWND m_hToolbar;
    HWND m_hStatus;
    int m_nMarginL, m_nMarginR, m_nMarginT, m_nMarginB;
    HMENU m_hPopupMenu;
    cVector<sAccelEntry> m_Accels;
    int m_bReady;
    int m_bInCommand;
    int m_nInitX, m_nInitY;
    cCtrl* m_lpOwnerCtrl;
    cWnd* m_lpOwnerWnd;
    int m_bCentre;

private:
    void Init();
    void AddButtonsWithTips(const sToolButton* entries, int count, int base, bool offsetSeparators);
};

// The module whose resources the windows use: the application window's.
HINSTANCE AppInstance();
