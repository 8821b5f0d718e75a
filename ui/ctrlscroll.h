// A scroll bar control, or the scroll bar of a target window, kept in range
// and page.
#pragma once

#include "ui/ctrl.h"

struct cCtrlScrollParam {
    int m_nId = 0;
    HWND* m_lpTarget = nullptr;  // null: the control itself (SB_CTL)
    int m_nBar = SB_CTL;
    int m_nUnused = 0;
    int m_nMin = 0;
    int m_nMax = 0;
    int m_nPage = 0;
    int m_bRedraw = 0;
};

class cCtrlScroll : public cCtrl {
public:
    cCtrlScroll();

    void Attach(cDlg* owner, const cCtrlScrollParam& param);
    // Moves the position by delta (clamped by the system); the new position.
    int Scroll(int delta);
    // The same; true when the position changed (not at an end already).
    bool ScrollBy(int delta);
    int GetPos();
    void SetPos(int pos, int redraw);
    void SetRange(int min, int max);
    void SetPage(int page);
    // The window and bar kind that the control stands for.
    HWND Bar(int* bar) const;

    HWND* m_lpTarget;
    int m_nBar;
    int m_nUnused;
    int m_nMin;
    int m_nMax;
    int m_nPage;
    int m_bRedraw;
};

using cCtrlScrollItem = cCtrlItem<cCtrlScroll, cCtrlScrollParam>;

// The step counters of the canvas drag scrolling, one per canvas edge:
// left, right, top, bottom (cDlg::AutoScroll).
extern int g_AutoScrollCount[4];
