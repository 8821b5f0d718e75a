#include "cmdedit/cmdpage_code.h"

#include "app/services.h"
#include "base/msgbox.h"
#include "cmdedit/cmdpage_code_res.h"
#include "cmdedit/expr.h"
#include "model/stage.h"
#include "ui/varnames.h"

namespace {

const int kCodeMaxLength = 100;

}  // namespace

cCmdDlgCode::cCmdDlgCode(int templateId, cDlg* parent, int kind, const cEditReq* req, cWndRegistry* registry,
                         cCtrl* ownerCtrl, int centre)
    : cCmdDlg(templateId, parent, kind, req, registry, ownerCtrl, centre) {
    cEdCommand* cmd = Cmd();
    if (cmd && IsNew()) {
        cmd->m_nTime = 0;
        cmd->m_bParallel = 1;
    }
    MakeVarNameList(&m_CommonNames, g_GValInfo);
    MakeVarNameList(&m_StageNames, g_Stage.m_Vars);
    if (cmd) {
        m_Edits.resize(1);
        m_Edits[0].m_Param.Set(IDC_CODE_TEXT, &cmd->m_Text, kCodeMaxLength, 0);
    }
    m_Combos.resize(2);
    m_Combos[0].m_Param.SetList(IDC_CODE_COMMON, &m_nCommonVar, &m_CommonNames, 1);
    m_Combos[1].m_Param.SetList(IDC_CODE_STAGE, &m_nStageVar, &m_StageNames, 1);
    m_Buttons.resize(2);
    m_Buttons[0].m_Param.Set(IDC_CODE_COMMON_RENAME);
    m_Buttons[1].m_Param.Set(IDC_CODE_STAGE_RENAME);
}

void cCmdDlgCode::OnInitDialog(WPARAM wp, LPARAM lp) {
    cCmdDlg::OnInitDialog(wp, lp);
    AddCtrls(m_Combos);
    AddCtrls(m_Edits);
    AddCtrls(m_Buttons);
    FinishInit();
}

void cCmdDlgCode::OnCommand(WPARAM wp, LPARAM lp) {
    const int id = LOWORD(wp);
    if (id == kIdOk && !m_Edits.empty()) {
        cString code;
        m_Edits[0].m_Ctrl.GetText(&code);
        // every problem is shown; the page stays open until none is found
        if (!CheckCode(code, [](const cString& msg) { ErrorBoxF("%s", msg.CStr()); })) return;
    }
    if ((id == IDC_CODE_COMMON_RENAME || id == IDC_CODE_STAGE_RENAME) && HIWORD(wp) == BN_CLICKED && m_bLive) {
        const bool common = id == IDC_CODE_COMMON_RENAME;
        cCtrlCombo<int16_t>& combo = m_Combos[common ? 0 : 1].m_Ctrl;
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
