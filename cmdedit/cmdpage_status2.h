// The second status operation page ("ステータスの操作2"): a state flag of
// the owner or the target, or a scroll mode of the system, set to one of
// its choices. Its settings are the command's three integer parameters.
#pragma once

#include <cstdint>

#include "base/containers.h"
#include "cmdedit/cmd_dlg.h"
#include "model/cmd_tables.h"
#include "ui/ctrlcombo.h"

class cCmdDlgStatus2 : public cCmdDlg {
public:
    cCmdDlgStatus2(int templateId, cDlg* parent, int kind, const cEditReq* req, cWndRegistry* registry,
                   cCtrl* ownerCtrl, int centre);
    ~cCmdDlgStatus2() override;

    void OnInitDialog(WPARAM wp, LPARAM lp) override;
    void OnCommand(WPARAM wp, LPARAM lp) override;
    void UpdateCtrls() override;

    // The choices of the chosen item, their stored values starting at the
    // item's minimum.
    void RefreshChoices();

    cVector<cString> m_Owners;
    cVector<cString> m_StateNames;   // g_StateFlag names
    cVector<cString> m_ScrollNames;  // g_ScrollStatus names
    cVector<cString> m_Choices;      // of the current item
    cVector<cCtrlComboItem<int32_t>> m_Combos;
};

// The state flag (owner 0 or 1) or scroll item (owner 2) of a choice of
// the page; null for an owner or item outside the tables.
const cStateEntry* Status2Entry(int owner, int item);
