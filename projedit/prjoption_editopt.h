// The edit options "エディットオプション": a modal dialog of the stage
// editor's option menu with OK and cancel only.
#pragma once

#include "ui/dlg.h"

class cEditOptionDlg : public cDlg {
public:
    cEditOptionDlg(cDlg* parent, cWndRegistry* registry);
    ~cEditOptionDlg() override;

    void OnCommand(WPARAM wp, LPARAM lp) override;
    LRESULT MsgProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) override;

    static cEditOptionDlg* s_pThis;
};
