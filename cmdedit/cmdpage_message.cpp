#include "cmdedit/cmdpage_message.h"

#include "app/services.h"
#include "cmdedit/cmdpage_message_res.h"
#include "model/cmd_tables.h"
#include "model/stage.h"
#include "ui/dlghelpers.h"
#include "ui/varnames.h"

namespace {

// Display positions given by the coordinate edits.
const int kPosScreen = 7;  // "画面座標で指定"
const int kPosStage = 8;   // "ステージ座標で指定"
const int kPosLast = 8;
// Display times.
const int kUntilKey = 0;    // "進行キーが押されるまで表示"
const int kUntilEnd = 1;    // "ステージ終了まで表示"
const int kTimed = 2;       // "時間で指定"
const int kPauseParam = 8;  // "一時停止"

}  // namespace

cCmdDlgMessage::cCmdDlgMessage(int templateId, cDlg* parent, int kind, const cEditReq* req, cWndRegistry* registry,
                               cCtrl* ownerCtrl, int centre)
    : cCmdDlg(templateId, parent, kind, req, registry, ownerCtrl, centre) {
    TableToList(&m_Positions, g_MessagePos);
    TableToList(&m_Durations, g_MessageDuration);
    MakeVarNameList(&m_CommonNames, g_GValInfo);
    MakeVarNameList(&m_StageNames, g_Stage.m_Vars);
    m_VarCombos.resize(2);
    m_VarCombos[0].m_Param.SetList(IDC_MSG_COMMON, &m_nCommonVar, &m_CommonNames, 1);
    m_VarCombos[1].m_Param.SetList(IDC_MSG_STAGE, &m_nStageVar, &m_StageNames, 1);
    m_Buttons.resize(2);
    m_Buttons[0].m_Param.Set(IDC_MSG_COMMON_RENAME);
    m_Buttons[1].m_Param.Set(IDC_MSG_STAGE_RENAME);
    cEdCommand* cmd = Cmd();
    if (!cmd) return;
    if (cmd->m_Params.size() < 10) cmd->m_Params.resize(10, 0);
    if (IsNew()) {
        cmd->m_nTime = 0;
        cmd->m_bParallel = 0;
        cmd->m_Text.clear();
        cmd->m_Params[0] = 0;
        cmd->m_Params[5] = 1;
        cmd->m_Params[6] = 0;
        cmd->m_Params[7] = 30;
        cmd->m_Params[kPauseParam] = 1;
    }
    int32_t* p = &cmd->m_Params[0];
    m_Edits.resize(1);
    m_Edits[0].m_Param.SetLines(IDC_MSG_TEXT, &cmd->m_Text, kMessageLineChars, kMessageLines, 1);
    m_Combos.resize(2);
    m_Combos[0].m_Param.SetList(IDC_MSG_POS, &p[0], &m_Positions, 0);
    m_Combos[1].m_Param.SetList(IDC_MSG_DURATION, &p[6], &m_Durations, 0);
    m_Ints.resize(5);
    m_Ints[0].m_Param.Set(IDC_MSG_X, &p[1], 0, 20, IDC_MSG_X_SPIN, 1);
    m_Ints[1].m_Param.Set(IDC_MSG_Y, &p[2], 0, 15, IDC_MSG_Y_SPIN, 1);
    m_Ints[2].m_Param.Set(IDC_MSG_SHIFT_X, &p[3], -999, 999, IDC_MSG_SHIFT_X_SPIN, 1);
    m_Ints[3].m_Param.Set(IDC_MSG_SHIFT_Y, &p[4], -999, 999, IDC_MSG_SHIFT_Y_SPIN, 1);
    m_Ints[4].m_Param.Set(IDC_MSG_TIME, &p[7], 1, 9999, IDC_MSG_TIME_SPIN, 1);
    m_Checks.resize(3);
    m_Checks[0].m_Param.Set(IDC_MSG_KEEP_IN, &p[5]);
    m_Checks[1].m_Param.Set(IDC_MSG_PAUSE, &p[kPauseParam]);
    m_Checks[2].m_Param.Set(IDC_MSG_SHOW_VARS, &p[9]);
}

cCmdDlgMessage::~cCmdDlgMessage() { DestroyModeless(); }

void cCmdDlgMessage::OnInitDialog(WPARAM wp, LPARAM lp) {
    cCmdDlg::OnInitDialog(wp, lp);
    AddCtrls(m_Edits);
    AddCtrls(m_Combos);
    AddCtrls(m_Ints);
    AddCtrls(m_Checks);
    AddCtrls(m_VarCombos);
    AddCtrls(m_Buttons);
    FinishInit();
}

void cCmdDlgMessage::OnCommand(WPARAM wp, LPARAM lp) {
    const int id = LOWORD(wp);
    if (id == kIdOk && !m_Combos.empty()) {
        if (!AllowCommand(wp)) return;
        cDlg::OnCommand(wp, lp);
        CtrlsToData();
        // a message that does not pause the game runs beside the flow
        cEdCommand* cmd = Cmd();
        cmd->m_bParallel = cmd->m_Params[kPauseParam] == 0 ? 1 : 0;
        Close(1);
        return;
    }
    if ((id == IDC_MSG_COMMON_RENAME || id == IDC_MSG_STAGE_RENAME) && HIWORD(wp) == BN_CLICKED && m_bLive) {
        const bool common = id == IDC_MSG_COMMON_RENAME;
        cCtrlCombo<int16_t>& combo = m_VarCombos[common ? 0 : 1].m_Ctrl;
        cCtrlButton* over = &m_Buttons[common ? 0 : 1].m_Ctrl;
        const int var = combo.GetCurData();
        // the common names are written at once, the stage's with the stage
        const bool renamed = common ? RenameCommonVariable(this, &g_GValInfo, var, over, SaveCommonVarNames)
                                    : InputVariableName(this, &g_Stage.m_Vars, var, over);
        if (renamed) {
            cVector<cString>* names = common ? &m_CommonNames : &m_StageNames;
            MakeVarNameList(names, common ? g_GValInfo : g_Stage.m_Vars);
            combo.SetItemList(names);
        }
        return;
    }
    cCmdDlg::OnCommand(wp, lp);
}

void cCmdDlgMessage::UpdateCtrls() {
    if (m_Combos.empty()) return;
    const int pos = m_Combos[0].m_Ctrl.GetCurData();
    if (pos >= 0 && pos <= kPosLast) {
        const int byCoords = pos == kPosScreen || pos == kPosStage ? 1 : 0;
        EnableCtrl(m_Ints, IDC_MSG_X, byCoords);
        EnableCtrl(m_Ints, IDC_MSG_Y, byCoords);
    }
    const int duration = m_Combos[1].m_Ctrl.GetCurData();
    cCtrlCheck<int32_t>& pause = FindCtrl(m_Checks, IDC_MSG_PAUSE)->m_Ctrl;
    if (duration == kUntilKey || duration == kUntilEnd) {
        EnableCtrl(m_Ints, IDC_MSG_TIME, 0);
        pause.Enable(0);
        // what the box shows here is what OK stores
        pause.SetCheck(duration == kUntilKey ? 1 : 0);
    } else if (duration == kTimed) {
        EnableCtrl(m_Ints, IDC_MSG_TIME, 1);
        pause.Enable(1);
    }
}
