// Page "5" of the system settings: the 28 terms of the game's texts.
#pragma once

#include "projedit/systempage.h"

class cSystemPageText : public cSystemPage {
public:
    cSystemPageText(cDlg* parent, cWndRegistry* registry);

    static cSystemPageText* s_pThis;
};

// {edit id, maximum length in characters} of each term, in index order.
struct sTermEdit {
    int id;
    int maxLength;
};
extern const sTermEdit kTermEdits[28];
