// The page of the warp command ("ワープ"): by direction and distance, from
// the target by direction and distance, or to target coordinates. Its
// settings are fields of the command's move record, with the warp's own
// choice tables.
#pragma once

#include <cstdint>

#include "base/containers.h"
#include "cmdedit/cmd_dlg.h"
#include "ui/ctrlcheck.h"
#include "ui/ctrlcombo.h"
#include "ui/ctrleditval.h"

class cCmdDlgWarp : public cCmdDlg {
public:
    cCmdDlgWarp(int templateId, cDlg* parent, int kind, const cEditReq* req, cWndRegistry* registry,
                cCtrl* ownerCtrl, int centre);
    ~cCmdDlgWarp() override;

    void OnInitDialog(WPARAM wp, LPARAM lp) override;
    void OnCommand(WPARAM wp, LPARAM lp) override;
    // Direction and distance, or the target group, by the setting type; the
    // flip boxes only for relative target coordinates.
    void UpdateCtrls() override;

    cVector<cString> m_Modes;
    cVector<cString> m_Dirs;
    cVector<cString> m_TargetTypes;
    cVector<cCtrlComboItem<int8_t>> m_Combos;  // setting type, direction, target type
    cVector<cCtrlEditValItem<int16_t>> m_Shorts;
    cVector<cCtrlCheckItem<int8_t>> m_Checks;
};
