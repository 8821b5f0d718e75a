// The page of a command kind that has no page of its own yet: captioned
// with the kind name, it only confirms or cancels the choice. A new command
// gets the move or shot record that its kind keeps its arguments in, so a
// command of such a kind always owns one.
#pragma once

#include "cmdedit/cmd_dlg.h"

class cCmdDlgPlain : public cCmdDlg {
public:
    cCmdDlgPlain(int templateId, cDlg* parent, int kind, const cEditReq* req, cWndRegistry* registry,
                 cCtrl* ownerCtrl, int centre);
    void OnInitDialog(WPARAM wp, LPARAM lp) override;
};
