// The page of the sword command ("ソード"): the sword type, whose positions'
// times make the command's execution time, the faction, size, power,
// impact, effect and the item it gives, how it shows, its animation and
// sound. Its settings are the command's shot record.
#pragma once

#include "cmdedit/cmdpage_shotbase.h"

class cCmdDlgSword : public cCmdShotBase {
public:
    cCmdDlgSword(int templateId, cDlg* parent, int kind, const cEditReq* req, cWndRegistry* registry,
                 cCtrl* ownerCtrl, int centre);
    ~cCmdDlgSword() override;

    void UpdateCtrls() override;
    // Puts the total time of the chosen sword type into the time edit.
    void ShowSwordTime();

    cVector<cString> m_SwordTypes;

protected:
    void InitRefresh() override { ShowSwordTime(); }
    bool OwnCommand(WPARAM wp) override;
};
