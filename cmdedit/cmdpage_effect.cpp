#include "cmdedit/cmdpage_effect.h"

#include "cmdedit/cmdpage_effect_res.h"
#include "cmdedit/cmdpage_present.h"
#include "model/cmd_tables.h"
#include "ui/dlghelpers.h"

namespace {

// Parameters of the effect command.
enum { kEfEffect, kEfPos, kEfX, kEfY, kEfShiftX, kEfShiftY, kEfScale, kEfPause, kEfParams };

// "画面座標で指定" and "ステージ座標で指定" take the coordinates.
bool PosTakesCoords(int pos) { return pos == 3 || pos == 4; }

}  // namespace

cCmdDlgEffect::cCmdDlgEffect(int templateId, cDlg* parent, int kind, const cEditReq* req, cWndRegistry* registry,
                             cCtrl* ownerCtrl, int centre)
    : cCmdDlg(templateId, parent, kind, req, registry, ownerCtrl, centre) {
    MakeEffectChoices(&m_Effects);
    TableToList(&m_Positions, g_DispPosName);
    cEdCommand* cmd = Cmd();
    if (!cmd) return;
    if (cmd->m_Params.size() < kEfParams) cmd->m_Params.resize(kEfParams, 0);
    int32_t* p = &cmd->m_Params[0];
    if (IsNew()) {
        cmd->m_nTime = 0;
        cmd->m_bParallel = 1;
        p[kEfEffect] = 1;
        p[kEfScale] = 100;
    }
    m_Combos.resize(2);
    m_Combos[0].m_Param.SetList(IDC_EF_EFFECT, &p[kEfEffect], &m_Effects, 0);
    m_Combos[1].m_Param.SetList(IDC_EF_POS, &p[kEfPos], &m_Positions, 0);
    m_Values.resize(5);
    m_Values[0].m_Param.Set(IDC_EF_X, &p[kEfX], 0, 511, IDC_EF_X_SPIN, 1);
    m_Values[1].m_Param.Set(IDC_EF_Y, &p[kEfY], 0, 511, IDC_EF_Y_SPIN, 1);
    m_Values[2].m_Param.Set(IDC_EF_SHIFTX, &p[kEfShiftX], -999, 999, IDC_EF_SHIFTX_SPIN, 1);
    m_Values[3].m_Param.Set(IDC_EF_SHIFTY, &p[kEfShiftY], -999, 999, IDC_EF_SHIFTY_SPIN, 1);
    m_Values[4].m_Param.Set(IDC_EF_SCALE, &p[kEfScale], 1, 1000, IDC_EF_SCALE_SPIN, 1);
    m_Checks.resize(1);
    m_Checks[0].m_Param.Set(IDC_EF_PAUSE, &p[kEfPause]);
}

cCmdDlgEffect::~cCmdDlgEffect() { DestroyModeless(); }

void cCmdDlgEffect::OnInitDialog(WPARAM wp, LPARAM lp) {
    cCmdDlg::OnInitDialog(wp, lp);
    AddCtrls(m_Combos);
    AddCtrls(m_Values);
    AddCtrls(m_Checks);
    FinishInit();
}

void cCmdDlgEffect::OnCommand(WPARAM wp, LPARAM lp) {
    cEdCommand* cmd = Cmd();
    if (cmd && StoreOnOkKeepingUnlisted(this, wp, lp, m_Combos)) {
        // a paused effect holds the flow until it ends
        cmd->m_bParallel = cmd->m_Params[kEfPause] == 0 ? 1 : 0;
        Close(1);
        return;
    }
    cCmdDlg::OnCommand(wp, lp);
}

void cCmdDlgEffect::UpdateCtrls() {
    if (m_Combos.size() < 2) return;
    if (m_Combos[0].m_Ctrl.GetCurData() == 0) {
        // "エフェクトの消去"
        EnableCtrl(m_Combos, IDC_EF_POS, 0);
        for (int id : {IDC_EF_X, IDC_EF_Y, IDC_EF_SHIFTX, IDC_EF_SHIFTY, IDC_EF_SCALE}) EnableCtrl(m_Values, id, 0);
        EnableCtrl(m_Checks, IDC_EF_PAUSE, 0);
        return;
    }
    EnableCtrl(m_Combos, IDC_EF_POS, 1);
    for (int id : {IDC_EF_SHIFTX, IDC_EF_SHIFTY, IDC_EF_SCALE}) EnableCtrl(m_Values, id, 1);
    EnableCtrl(m_Checks, IDC_EF_PAUSE, 1);
    const int pos = m_Combos[1].m_Ctrl.GetCurData();
    if (pos < 0 || pos > 4) return;
    const int coords = PosTakesCoords(pos) ? 1 : 0;
    EnableCtrl(m_Values, IDC_EF_X, coords);
    EnableCtrl(m_Values, IDC_EF_Y, coords);
}

cCmdDlgEffectRun::cCmdDlgEffectRun(int templateId, cDlg* parent, int kind, const cEditReq* req,
                                   cWndRegistry* registry, cCtrl* ownerCtrl, int centre, int effectId,
                                   ChoiceMaker makeChoices)
    : cCmdDlg(templateId, parent, kind, req, registry, ownerCtrl, centre) {
    makeChoices(&m_Effects);
    TableToList(&m_ExecTypes, g_ExecTypeName);
    cEdCommand* cmd = Cmd();
    if (!cmd) return;
    if (cmd->m_Params.size() < 3) cmd->m_Params.resize(3, 0);
    if (IsNew()) {
        cmd->m_nTime = 0;
        cmd->m_bParallel = 1;
        cmd->m_Params[0] = 1;
    }
    m_Combos.resize(2);
    m_Combos[0].m_Param.SetList(effectId, &cmd->m_Params[0], &m_Effects, 0);
    m_Combos[1].m_Param.SetList(IDC_XE_EXEC, &cmd->m_Params[1], &m_ExecTypes, 0);
    m_Checks.resize(1);
    m_Checks[0].m_Param.Set(IDC_XE_LOOP, &cmd->m_Params[2]);
}

cCmdDlgEffectRun::~cCmdDlgEffectRun() { DestroyModeless(); }

void cCmdDlgEffectRun::OnInitDialog(WPARAM wp, LPARAM lp) {
    cCmdDlg::OnInitDialog(wp, lp);
    AddCtrls(m_Combos);
    AddCtrls(m_Checks);
    FinishInit();
}

void cCmdDlgEffectRun::OnCommand(WPARAM wp, LPARAM lp) {
    if (StoreOnOkKeepingUnlisted(this, wp, lp, m_Combos)) {
        Close(1);
        return;
    }
    cCmdDlg::OnCommand(wp, lp);
}

cCmdDlgCharaEffect::cCmdDlgCharaEffect(int templateId, cDlg* parent, int kind, const cEditReq* req,
                                       cWndRegistry* registry, cCtrl* ownerCtrl, int centre)
    : cCmdDlgEffectRun(templateId, parent, kind, req, registry, ownerCtrl, centre, IDC_CE_EFFECT,
                       MakeCharaEffectChoices) {}

cCmdDlgCharaEffect::~cCmdDlgCharaEffect() { DestroyModeless(); }

cCmdDlgScrEffect::cCmdDlgScrEffect(int templateId, cDlg* parent, int kind, const cEditReq* req,
                                   cWndRegistry* registry, cCtrl* ownerCtrl, int centre)
    : cCmdDlgEffectRun(templateId, parent, kind, req, registry, ownerCtrl, centre, IDC_SE_EFFECT,
                       MakeScrEffectChoices) {}

cCmdDlgScrEffect::~cCmdDlgScrEffect() { DestroyModeless(); }
