// The graphic change page ("グラフィックの変更"): the graphic kind, the
// graphic number and its shift that the character takes, with a preview of
// the character's icon and the graphic picker. Its settings are the
// command's three integer parameters.
#pragma once

#include <cstdint>

#include "base/containers.h"
#include "cmdedit/cmd_dlg.h"
#include "ui/ctrlbutton.h"
#include "ui/ctrlcombo.h"
#include "ui/ctrleditval.h"
#include "ui/ctrlpicture.h"

class cCmdDlgGraphic : public cCmdDlg {
public:
    cCmdDlgGraphic(int templateId, cDlg* parent, int kind, const cEditReq* req, cWndRegistry* registry,
                   cCtrl* ownerCtrl, int centre);
    ~cCmdDlgGraphic() override;

    LRESULT MsgProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) override;
    void OnInitDialog(WPARAM wp, LPARAM lp) override;
    void OnCommand(WPARAM wp, LPARAM lp) override;
    void UpdateCtrls() override;
    // The icon of a character drawn with the graphic the controls show.
    void Draw() override;

    cVector<cCtrlComboItem<int32_t>> m_Combos;
    cVector<cCtrlEditValItem<int32_t>> m_Values;  // number, shift
    cVector<cCtrlButtonItem> m_Buttons;
    cVector<cCtrlPictureItem> m_Pictures;
    int m_nShownKind = -1;  // the kind whose ranges the edits have
};
