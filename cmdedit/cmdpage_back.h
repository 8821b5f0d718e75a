// The page of the background command ("背景の変更"): which background
// layer (1 to 8) is shown, hidden or toggled. Its settings are the
// command's two integer parameters; the controls read as one sentence.
#pragma once

#include <cstdint>

#include "base/containers.h"
#include "cmdedit/cmd_dlg.h"
#include "ui/ctrlcombo.h"
#include "ui/ctrleditval.h"

class cCmdDlgBack : public cCmdDlg {
public:
    cCmdDlgBack(int templateId, cDlg* parent, int kind, const cEditReq* req, cWndRegistry* registry,
                cCtrl* ownerCtrl, int centre);
    ~cCmdDlgBack() override;

    void OnInitDialog(WPARAM wp, LPARAM lp) override;
    void UpdateCtrls() override {}

    cVector<cString> m_Modes;
    cVector<cCtrlEditValItem<int32_t>> m_Ints;
    cVector<cCtrlComboItem<int32_t>> m_Combos;
};
