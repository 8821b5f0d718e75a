// The item get page ("アイテムの取得"): an item entry of the common or the
// stage palette that the character is given. Its settings are the
// command's two integer parameters.
#pragma once

#include <cstdint>

#include "base/containers.h"
#include "cmdedit/cmd_dlg.h"
#include "ui/ctrlcombo.h"

class cCmdDlgGetItem : public cCmdDlg {
public:
    cCmdDlgGetItem(int templateId, cDlg* parent, int kind, const cEditReq* req, cWndRegistry* registry,
                   cCtrl* ownerCtrl, int centre);
    ~cCmdDlgGetItem() override;

    void OnInitDialog(WPARAM wp, LPARAM lp) override;
    void UpdateCtrls() override;

    cVector<cString> m_Palettes;
    cVector<cString> m_Items;
    cVector<cCtrlComboItem<int32_t>> m_Combos;
};
