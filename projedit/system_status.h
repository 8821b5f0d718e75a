// Page "4" of the system settings: the status window's five items and the
// texts of the title, world map and option menus.
#pragma once

#include "projedit/systempage.h"

class cSystemPageStatus : public cSystemPage {
public:
    cSystemPageStatus(cDlg* parent, cWndRegistry* registry);

    void UpdateCtrls() override;

    static cSystemPageStatus* s_pThis;
};
