// The page of the target command ("ターゲットの設定"): whom the character
// takes as its target, and for the nearest character or one given by its
// ID, the range, faction and the characters left out. Its settings are the
// command's integer parameters.
#pragma once

#include <cstdint>

#include "base/containers.h"
#include "cmdedit/cmd_dlg.h"
#include "ui/ctrlcheck.h"
#include "ui/ctrlcombo.h"
#include "ui/ctrleditval.h"

class cCmdDlgTarget : public cCmdDlg {
public:
    cCmdDlgTarget(int templateId, cDlg* parent, int kind, const cEditReq* req, cWndRegistry* registry,
                  cCtrl* ownerCtrl, int centre);
    ~cCmdDlgTarget() override;

    void OnInitDialog(WPARAM wp, LPARAM lp) override;
    void OnCommand(WPARAM wp, LPARAM lp) override;
    // The player and the character itself need nothing more; the range
    // only for the nearest character, the faction unless all factions, the
    // ID only while it is asked for.
    void UpdateCtrls() override;

    cVector<cString> m_Kinds;
    cVector<cString> m_Ranges;
    cVector<cCtrlComboItem<int32_t>> m_Combos;  // target, range
    cVector<cCtrlEditValItem<int32_t>> m_Ints;
    cVector<cCtrlCheckItem<int32_t>> m_Checks;
};
