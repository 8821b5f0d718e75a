// The page of the jump command ("ジャンプ"): the jump type and the largest
// and smallest jump with the inertia speeds they apply from, the animation
// and the sound. Its settings are the command's five integer parameters.
#pragma once

#include <cstdint>

#include "base/containers.h"
#include "cmdedit/cmd_dlg.h"
#include "ui/ctrlcheck.h"
#include "ui/ctrlcombo.h"
#include "ui/ctrleditval.h"

class cCmdDlgJump : public cCmdDlg {
public:
    cCmdDlgJump(int templateId, cDlg* parent, int kind, const cEditReq* req, cWndRegistry* registry, cCtrl* ownerCtrl,
                int centre);
    ~cCmdDlgJump() override;

    void OnInitDialog(WPARAM wp, LPARAM lp) override;
    void OnCommand(WPARAM wp, LPARAM lp) override;
    void UpdateCtrls() override;

    cVector<cString> m_Types;
    cVector<cString> m_Animes;
    cVector<cString> m_Sounds;
    cVector<cCtrlComboItem<int32_t>> m_Type;
    cVector<cCtrlComboItem<int16_t>> m_Lists;
    cVector<cCtrlEditValItem<int32_t>> m_Ints;
    cVector<cCtrlCheckItem<int8_t>> m_Checks;
};
