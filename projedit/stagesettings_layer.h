// Dialog "背景": one background layer of the stage settings' layer list, an
// image (with its scroll speeds and auto scroll) or a plain colour of the
// palette, shown from the start or not, in front of the characters or not.
#pragma once

#include "base/containers.h"
#include "model/stage.h"
#include "ui/ctrlbutton.h"
#include "ui/ctrlcheck.h"
#include "ui/ctrleditstr.h"
#include "ui/ctrleditval.h"
#include "ui/ctrlpicture.h"
#include "ui/dlg.h"

class cBackLayerDlg : public cDlg {
public:
    // Edits the layer at the current row of the basic page's layer list
    // (the page is the parent dialog).
    cBackLayerDlg(int templateId, cDlg* parent, int kind, cWndRegistry* registry, cCtrl* ownerCtrl, int centre);
    ~cBackLayerDlg() override;

    void OnCommand(WPARAM wp, LPARAM lp) override;
    LRESULT MsgProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) override;
    // The preview of the colour number being typed.
    void Draw() override;
    void OnInitDialog(WPARAM wp, LPARAM lp) override;

    void UpdateCtrls();
    void Browse();

    cEdBackLayer* m_lpLayer;
    cVector<cCtrlEditValItem<int32_t>> m_Vals;
    cVector<cCtrlEditValItem<double>> m_Reals;
    cVector<cCtrlEditStrItem> m_Strs;
    cVector<cCtrlCheckItem<int32_t>> m_Checks;
    cCtrlPictureItem m_Colour;
    cVector<cCtrlButtonItem> m_Buttons;

    static cBackLayerDlg* s_pThis;

private:
    bool IsChecked(int id) const;
    // Stands in when no layer is current (the dialog then changes nothing).
    cEdBackLayer m_Spare;
};
