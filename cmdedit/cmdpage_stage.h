// The pages of the stage clear command ("ステージクリア": how the stage is
// left and where the world map warps to) and of the game wait command
// ("ゲームウエイト": how long the whole game stops). Their settings are the
// command's integer parameters.
#pragma once

#include <cstdint>

#include "base/containers.h"
#include "cmdedit/cmd_dlg.h"
#include "ui/ctrlcheck.h"
#include "ui/ctrlcombo.h"
#include "ui/ctrleditval.h"

class cCmdDlgStageClear : public cCmdDlg {
public:
    cCmdDlgStageClear(int templateId, cDlg* parent, int kind, const cEditReq* req, cWndRegistry* registry,
                      cCtrl* ownerCtrl, int centre);
    ~cCmdDlgStageClear() override;

    void OnInitDialog(WPARAM wp, LPARAM lp) override;
    void OnCommand(WPARAM wp, LPARAM lp) override;
    // The number only for "番号で指定", X and Y only with the map warp.
    void UpdateCtrls() override;

    cVector<cString> m_Shifts;
    cVector<cCtrlComboItem<int32_t>> m_Combos;
    cVector<cCtrlEditValItem<int32_t>> m_Ints;
    cVector<cCtrlCheckItem<int32_t>> m_Checks;
};

class cCmdDlgGameWait : public cCmdDlg {
public:
    cCmdDlgGameWait(int templateId, cDlg* parent, int kind, const cEditReq* req, cWndRegistry* registry,
                    cCtrl* ownerCtrl, int centre);
    ~cCmdDlgGameWait() override;

    void OnInitDialog(WPARAM wp, LPARAM lp) override;
    void OnCommand(WPARAM wp, LPARAM lp) override;
    void UpdateCtrls() override {}

    cVector<cCtrlEditValItem<int32_t>> m_Ints;
};
