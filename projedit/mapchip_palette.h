// The map chip palette (dialog 154): the world map's chips five to a row;
// a click makes the chip the pen's one-cell brush in the map chip layer.
#pragma once

#include "ui/dlg.h"

class cMapChipPaletteDlg : public cDlg {
public:
    // Parent: the world map window.
    cMapChipPaletteDlg(cDlg* parent, cWndRegistry* registry);
    ~cMapChipPaletteDlg() override;

    void OnLButtonDown(WPARAM wp, LPARAM lp) override;
    LRESULT MsgProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) override;
    void Draw() override;
    void OnInitDialog(WPARAM wp, LPARAM lp) override;

    // Rows of chips there are (five chips a row).
    int m_bDestroyed = 0;  // the window got WM_DESTROY
    static int ChipRows();

    static cMapChipPaletteDlg* s_pThis;
    int m_nFirstRow = 0;

private:
    void OnSize();
};
