// Page "6" of the system settings: the keys that the game looks up in its
// "System.ini" and their defaults.
#pragma once

#include "projedit/systempage.h"

class cSystemPageIni : public cSystemPage {
public:
    cSystemPageIni(cDlg* parent, cWndRegistry* registry);

    static cSystemPageIni* s_pThis;
};
