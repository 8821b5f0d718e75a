// Page "2" of the system settings: the story, challenge and free modes
// (initial lives, rankings, rules) and the single-stage test play.
#pragma once

#include "projedit/systempage.h"

class cSystemPageMode : public cSystemPage {
public:
    cSystemPageMode(cDlg* parent, cWndRegistry* registry);

    void UpdateCtrls() override;

    static cSystemPageMode* s_pThis;
};
