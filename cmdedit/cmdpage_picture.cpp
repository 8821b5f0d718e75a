#include "cmdedit/cmdpage_picture.h"

#include "cmdedit/cmdpage_picture_res.h"
#include "cmdedit/cmdpage_present.h"
#include "model/cmd_tables.h"
#include "ui/dlghelpers.h"

namespace {

// Parameters of the picture command.
enum {
    kPiPicture,
    kPiPos,
    kPiX,
    kPiY,
    kPiShiftX,
    kPiShiftY,
    kPiFront,
    kPiScale,
    kPiDuration,
    kPiTime,
    kPiPause,
    kPiParams
};

// g_DispTimeName
enum { kUntilKey, kUntilStageEnd, kForTime };

}  // namespace

cCmdDlgPicture::cCmdDlgPicture(int templateId, cDlg* parent, int kind, const cEditReq* req, cWndRegistry* registry,
                               cCtrl* ownerCtrl, int centre)
    : cCmdDlg(templateId, parent, kind, req, registry, ownerCtrl, centre) {
    MakePictureChoices(&m_Pictures);
    TableToList(&m_Positions, g_DispPosName);
    TableToList(&m_Durations, g_DispTimeName);
    cEdCommand* cmd = Cmd();
    if (!cmd) return;
    if (cmd->m_Params.size() < kPiParams) cmd->m_Params.resize(kPiParams, 0);
    int32_t* p = &cmd->m_Params[0];
    if (IsNew()) {
        cmd->m_nTime = 0;
        cmd->m_bParallel = 1;
        p[kPiPicture] = 1;
        p[kPiFront] = 1;
        p[kPiScale] = 100;
        p[kPiTime] = 10;
    }
    m_Combos.resize(3);
    m_Combos[0].m_Param.SetList(IDC_PI_PICTURE, &p[kPiPicture], &m_Pictures, 0);
    m_Combos[1].m_Param.SetList(IDC_PI_POS, &p[kPiPos], &m_Positions, 0);
    m_Combos[2].m_Param.SetList(IDC_PI_DURATION, &p[kPiDuration], &m_Durations, 0);
    m_Values.resize(6);
    m_Values[0].m_Param.Set(IDC_PI_X, &p[kPiX], 0, 511, IDC_PI_X_SPIN, 1);
    m_Values[1].m_Param.Set(IDC_PI_Y, &p[kPiY], 0, 511, IDC_PI_Y_SPIN, 1);
    m_Values[2].m_Param.Set(IDC_PI_SHIFTX, &p[kPiShiftX], -999, 999, IDC_PI_SHIFTX_SPIN, 1);
    m_Values[3].m_Param.Set(IDC_PI_SHIFTY, &p[kPiShiftY], -999, 999, IDC_PI_SHIFTY_SPIN, 1);
    m_Values[4].m_Param.Set(IDC_PI_SCALE, &p[kPiScale], 1, 1000, IDC_PI_SCALE_SPIN, 1);
    m_Values[5].m_Param.Set(IDC_PI_TIME, &p[kPiTime], 1, 9999, IDC_PI_TIME_SPIN, 1);
    m_Checks.resize(2);
    m_Checks[0].m_Param.Set(IDC_PI_FRONT, &p[kPiFront]);
    m_Checks[1].m_Param.Set(IDC_PI_PAUSE, &p[kPiPause]);
}

cCmdDlgPicture::~cCmdDlgPicture() { DestroyModeless(); }

void cCmdDlgPicture::OnInitDialog(WPARAM wp, LPARAM lp) {
    cCmdDlg::OnInitDialog(wp, lp);
    AddCtrls(m_Combos);
    AddCtrls(m_Values);
    AddCtrls(m_Checks);
    FinishInit();
}

void cCmdDlgPicture::OnCommand(WPARAM wp, LPARAM lp) {
    cEdCommand* cmd = Cmd();
    if (cmd && StoreOnOkKeepingUnlisted(this, wp, lp, m_Combos)) {
        // a paused picture holds the flow until it goes
        cmd->m_bParallel = cmd->m_Params[kPiPause] == 0 ? 1 : 0;
        Close(1);
        return;
    }
    cCmdDlg::OnCommand(wp, lp);
}

void cCmdDlgPicture::UpdateCtrls() {
    if (m_Combos.size() < 3 || m_Checks.size() < 2) return;
    if (m_Combos[0].m_Ctrl.GetCurData() == 0) {
        // "ピクチャーの消去"
        EnableCtrl(m_Combos, IDC_PI_POS, 0);
        EnableCtrl(m_Combos, IDC_PI_DURATION, 0);
        for (int id : {IDC_PI_X, IDC_PI_Y, IDC_PI_SHIFTX, IDC_PI_SHIFTY, IDC_PI_SCALE, IDC_PI_TIME})
            EnableCtrl(m_Values, id, 0);
        EnableCtrl(m_Checks, IDC_PI_FRONT, 0);
        EnableCtrl(m_Checks, IDC_PI_PAUSE, 0);
        return;
    }
    EnableCtrl(m_Combos, IDC_PI_POS, 1);
    EnableCtrl(m_Combos, IDC_PI_DURATION, 1);
    for (int id : {IDC_PI_SHIFTX, IDC_PI_SHIFTY, IDC_PI_SCALE}) EnableCtrl(m_Values, id, 1);
    EnableCtrl(m_Checks, IDC_PI_FRONT, 1);
    const int pos = m_Combos[1].m_Ctrl.GetCurData();
    if (pos >= 0 && pos <= 4) {
        const int coords = pos == 3 || pos == 4 ? 1 : 0;
        EnableCtrl(m_Values, IDC_PI_X, coords);
        EnableCtrl(m_Values, IDC_PI_Y, coords);
    }
    cCtrlCheck<int32_t>& pause = m_Checks[1].m_Ctrl;
    switch (m_Combos[2].m_Ctrl.GetCurData()) {
        case kUntilKey:
            EnableCtrl(m_Values, IDC_PI_TIME, 0);
            pause.Enable(0);
            pause.SetCheck(1);
            break;
        case kUntilStageEnd:
            EnableCtrl(m_Values, IDC_PI_TIME, 0);
            pause.Enable(0);
            pause.SetCheck(0);
            break;
        case kForTime:
            EnableCtrl(m_Values, IDC_PI_TIME, 1);
            pause.Enable(1);
            break;
    }
}
