#include "cmdedit/cmdpage_color.h"

#include "cmdedit/cmdpage_color_res.h"

namespace {

const int kSwatchSize = 32;

}  // namespace

cCmdDlgScreenColor::cCmdDlgScreenColor(int templateId, cDlg* parent, int kind, const cEditReq* req,
                                       cWndRegistry* registry, cCtrl* ownerCtrl, int centre)
    : cCmdDlg(templateId, parent, kind, req, registry, ownerCtrl, centre) {
    cEdCommand* cmd = Cmd();
    if (!cmd) return;
    if (cmd->m_Params.size() < 8) cmd->m_Params.resize(8, 0);
    if (IsNew()) {
        // every setting of a new command starts at 0
        cmd->m_nTime = 0;
        cmd->m_bParallel = 1;
    }
    int32_t* p = &cmd->m_Params[0];
    m_Sliders.resize(4);
    m_Sliders[0].m_Param.Set(IDC_SC_R, &p[0], 0, 255, 30, 1, IDC_SC_R_VALUE);
    m_Sliders[1].m_Param.Set(IDC_SC_G, &p[1], 0, 255, 30, 1, IDC_SC_G_VALUE);
    m_Sliders[2].m_Param.Set(IDC_SC_B, &p[2], 0, 255, 30, 1, IDC_SC_B_VALUE);
    m_Sliders[3].m_Param.Set(IDC_SC_RATE, &p[3], 0, 100, 10, 1, IDC_SC_RATE_VALUE);
    m_Checks.resize(2);
    m_Checks[0].m_Param.Set(IDC_SC_RESTORE, &p[4]);
    m_Checks[1].m_Param.Set(IDC_SC_FLASH, &p[6]);
    m_Ints.resize(2);
    m_Ints[0].m_Param.Set(IDC_SC_TIME, &p[5], 0, 999, IDC_SC_TIME_SPIN, 1);
    m_Ints[1].m_Param.Set(IDC_SC_COUNT, &p[7], 1, 99, IDC_SC_COUNT_SPIN, 1);
    m_Pictures.resize(1);
    m_Pictures[0].m_Param.Set(IDC_SC_SWATCH, kSwatchSize, kSwatchSize);
}

cCmdDlgScreenColor::~cCmdDlgScreenColor() { DestroyModeless(); }

void cCmdDlgScreenColor::OnInitDialog(WPARAM wp, LPARAM lp) {
    cCmdDlg::OnInitDialog(wp, lp);
    AddCtrls(m_Sliders);
    AddCtrls(m_Checks);
    AddCtrls(m_Ints);
    AddCtrls(m_Pictures);
    FinishInit();
}

void cCmdDlgScreenColor::UpdateCtrls() {
    if (m_Sliders.empty() || m_Checks.empty() || m_Ints.empty()) return;
    const bool restore = IsDlgButtonChecked(m_hWnd, IDC_SC_RESTORE) == BST_CHECKED;
    for (cCtrlTrackBarItem& slider : m_Sliders) slider.m_Ctrl.Enable(restore ? 0 : 1);
    EnableCtrl(m_Checks, IDC_SC_FLASH, restore ? 0 : 1);
    if (restore) CheckDlgButton(m_hWnd, IDC_SC_FLASH, BST_UNCHECKED);
    const bool flash = IsDlgButtonChecked(m_hWnd, IDC_SC_FLASH) == BST_CHECKED;
    EnableCtrl(m_Ints, IDC_SC_COUNT, flash ? 1 : 0);
}

void cCmdDlgScreenColor::Draw() {
    if (!m_bLive || m_Pictures.empty() || m_Sliders.size() < 3) return;
    cCtrlPicture& pic = m_Pictures[0].m_Ctrl;
    if (!pic.m_Offscreen.m_hDC) return;
    const int r = m_Sliders[0].m_Ctrl.GetPos();
    const int g = m_Sliders[1].m_Ctrl.GetPos();
    const int b = m_Sliders[2].m_Ctrl.GetPos();
    pic.m_Offscreen.Clear(RGB(r, g, b));
    if (pic.m_Screen.m_hDC) pic.m_Screen.Blt(0, 0, kSwatchSize, kSwatchSize, pic.m_Offscreen, 0, 0, 1);
}
