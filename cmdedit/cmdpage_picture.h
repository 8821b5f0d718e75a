// The page that shows a picture ("ピクチャーの表示"): the picture, where it
// shows (with the coordinates and the shift), in front of the characters or
// not, its scale, how long it stays, and whether the flow waits for it
// ("一時停止", which OK turns into the parallel flag). Its settings are the
// command's eleven integer parameters.
#pragma once

#include <cstdint>

#include "base/containers.h"
#include "cmdedit/cmd_dlg.h"
#include "ui/ctrlcheck.h"
#include "ui/ctrlcombo.h"
#include "ui/ctrleditval.h"

class cCmdDlgPicture : public cCmdDlg {
public:
    cCmdDlgPicture(int templateId, cDlg* parent, int kind, const cEditReq* req, cWndRegistry* registry,
                   cCtrl* ownerCtrl, int centre);
    ~cCmdDlgPicture() override;

    void OnInitDialog(WPARAM wp, LPARAM lp) override;
    void OnCommand(WPARAM wp, LPARAM lp) override;
    // "ピクチャーの消去" greys out the rest; the coordinates follow the
    // display position, the time and "一時停止" the display time.
    void UpdateCtrls() override;

    cVector<cString> m_Pictures;
    cVector<cString> m_Positions;
    cVector<cString> m_Durations;
    cVector<cCtrlComboItem<int32_t>> m_Combos;
    cVector<cCtrlEditValItem<int32_t>> m_Values;
    cVector<cCtrlCheckItem<int32_t>> m_Checks;
};
