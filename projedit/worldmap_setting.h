// The world map settings (dialog 153): the map's size, start position and
// background colour and picture.
#pragma once

#include "base/containers.h"
#include "ui/ctrlbutton.h"
#include "ui/ctrlcheck.h"
#include "ui/ctrleditstr.h"
#include "ui/ctrleditval.h"
#include "ui/ctrlpicture.h"
#include "ui/dlg.h"

class cWorldMapSettingDlg : public cDlg {
public:
    // Parent: the world map window.
    cWorldMapSettingDlg(cDlg* parent, cWndRegistry* registry);
    ~cWorldMapSettingDlg() override;

    void OnCommand(WPARAM wp, LPARAM lp) override;
    LRESULT MsgProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) override;
    void Draw() override;
    void OnInitDialog(WPARAM wp, LPARAM lp) override;

    static cWorldMapSettingDlg* s_pThis;

    int32_t m_nWidth;
    int32_t m_nHeight;
    cVector<cCtrlEditValItem<int32_t>> m_Vals;
    cCtrlCheckItem<int32_t> m_Check;
    cCtrlEditStrItem m_Path;
    cCtrlButtonItem m_Browse;
    cCtrlPictureItem m_Preview;
};
