// The page of the screen colour command ("画面の色を変更"): the colour the
// screen is tinted towards (red, green, blue and how strongly), or back to
// the original colour, the time the change takes and the flash mode with
// its count. Its settings are the command's eight integer parameters; a
// swatch beside the sliders shows the chosen colour.
#pragma once

#include <cstdint>

#include "cmdedit/cmd_dlg.h"
#include "ui/ctrlcheck.h"
#include "ui/ctrleditval.h"
#include "ui/ctrlpicture.h"
#include "ui/ctrltrackbar.h"

class cCmdDlgScreenColor : public cCmdDlg {
public:
    cCmdDlgScreenColor(int templateId, cDlg* parent, int kind, const cEditReq* req, cWndRegistry* registry,
                       cCtrl* ownerCtrl, int centre);
    ~cCmdDlgScreenColor() override;

    void OnInitDialog(WPARAM wp, LPARAM lp) override;
    // Fills the swatch with the red, green and blue of the sliders.
    void Draw() override;
    void UpdateCtrls() override;

    cVector<cCtrlTrackBarItem> m_Sliders;
    cVector<cCtrlCheckItem<int32_t>> m_Checks;
    cVector<cCtrlEditValItem<int32_t>> m_Ints;
    cVector<cCtrlPictureItem> m_Pictures;
};
