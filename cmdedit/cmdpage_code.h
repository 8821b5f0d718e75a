// The page of the code execution command: a one-line program in the
// expression language, checked when the page is confirmed, beside reference
// lists of the common and stage variables in which a variable can be
// renamed.
#pragma once

#include <cstdint>

#include "base/containers.h"
#include "cmdedit/cmd_dlg.h"
#include "ui/ctrlbutton.h"
#include "ui/ctrlcombo.h"
#include "ui/ctrleditstr.h"

class cCmdDlgCode : public cCmdDlg {
public:
    cCmdDlgCode(int templateId, cDlg* parent, int kind, const cEditReq* req, cWndRegistry* registry,
                cCtrl* ownerCtrl, int centre);

    void OnInitDialog(WPARAM wp, LPARAM lp) override;
    // OK stores the page only when the shown code passes the check; the
    // two "_" buttons rename the variable chosen beside them.
    void OnCommand(WPARAM wp, LPARAM lp) override;

    // The chosen variables (the lists start at variable 1).
    int16_t m_nCommonVar = 1;
    int16_t m_nStageVar = 1;
    cVector<cString> m_CommonNames;
    cVector<cString> m_StageNames;
    cVector<cCtrlEditStrItem> m_Edits;
    cVector<cCtrlComboItem<int16_t>> m_Combos;  // common, stage
    cVector<cCtrlButtonItem> m_Buttons;         // common "_", stage "_"
};
