// The page of the message command ("メッセージ"): the text (29 lines of 39
// characters), where and how long it shows and whether the game pauses,
// beside reference lists of the common and stage variables in which a
// variable can be renamed.
#pragma once

#include <cstdint>

#include "base/containers.h"
#include "cmdedit/cmd_dlg.h"
#include "ui/ctrlbutton.h"
#include "ui/ctrlcheck.h"
#include "ui/ctrlcombo.h"
#include "ui/ctrleditstr.h"
#include "ui/ctrleditval.h"

// The limits of a message text.
const int kMessageLines = 29;
const int kMessageLineChars = 39;

class cCmdDlgMessage : public cCmdDlg {
public:
    cCmdDlgMessage(int templateId, cDlg* parent, int kind, const cEditReq* req, cWndRegistry* registry,
                   cCtrl* ownerCtrl, int centre);
    ~cCmdDlgMessage() override;

    void OnInitDialog(WPARAM wp, LPARAM lp) override;
    // OK also runs the command in parallel exactly when the game is not
    // paused; the two "_" buttons rename the variable chosen beside them.
    void OnCommand(WPARAM wp, LPARAM lp) override;
    // The coordinates by the display position; the time and the pause box
    // by the display time.
    void UpdateCtrls() override;

    // The chosen variables (the lists start at variable 1).
    int16_t m_nCommonVar = 1;
    int16_t m_nStageVar = 1;
    cVector<cString> m_Positions;
    cVector<cString> m_Durations;
    cVector<cString> m_CommonNames;
    cVector<cString> m_StageNames;
    cVector<cCtrlEditStrItem> m_Edits;
    cVector<cCtrlComboItem<int32_t>> m_Combos;     // position, display time
    cVector<cCtrlEditValItem<int32_t>> m_Ints;
    cVector<cCtrlCheckItem<int32_t>> m_Checks;
    cVector<cCtrlComboItem<int16_t>> m_VarCombos;  // common, stage
    cVector<cCtrlButtonItem> m_Buttons;            // common "_", stage "_"
};
