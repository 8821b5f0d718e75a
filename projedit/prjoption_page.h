// What the two pages of the project options share: the sheet applies on
// PSN_APPLY, a page shows its data again on activation when asked to, and
// every command enables the sheet's Apply button.
#pragma once

#include "ui/dlg.h"

class cPrjOptionPage : public cDlg {
public:
    cPrjOptionPage(int templateId, cDlg* parent, cWndRegistry* registry);
    ~cPrjOptionPage() override;

    void OnCommand(WPARAM wp, LPARAM lp) override;
    LRESULT MsgProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) override;

    // The page's own commands after the base routing; false ends the
    // command without the change notice.
    virtual bool OnPageCommand(WPARAM /*wp*/) { return true; }
    // Sends the sheet the page's change notice.
    void NotifyChanged();

    // Set when the data changed behind the page: it shows the data again
    // when it is next activated.
    int m_bRefresh = 0;
};
