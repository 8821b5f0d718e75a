#include "cmdedit/cmdpage_sword.h"

#include "app/services.h"
#include "cmdedit/cmdpage_sword_res.h"
#include "model/database.h"
#include "model/definitions.h"

cCmdDlgSword::cCmdDlgSword(int templateId, cDlg* parent, int kind, const cEditReq* req, cWndRegistry* registry,
                           cCtrl* ownerCtrl, int centre)
    : cCmdShotBase(templateId, parent, kind, req, registry, ownerCtrl, centre) {
    m_nSoundId = IDC_SW_SOUND;
    MakeSwordTypeList(&m_SwordTypes);
    cEdCommand* cmd = Cmd();
    cEdShot* s = Shot();
    if (!cmd || !s) return;
    if (IsNew()) {
        s->m_bPierceBlock = 1;
        s->m_bPierceChara = 1;
        s->m_bVanishByShot = 0;
        s->m_nPower = 10;
        s->m_nZ = 3;
        cmd->m_nAnime = 1;
        cmd->m_nSound = 1;
        s->m_nEffect = 1;
    }
    MakeItemList(&m_Entries, s->m_nItemPalette);
    const cString* sources = g_StageEdit.g_EditTarget == 2 ? g_ItemSourceCommonName : g_ItemSourceName;
    m_Bytes.resize(3);
    m_Bytes[0].m_Param.Set(IDC_SW_SCALE, &s->m_nScale, g_EnlargeName, 1);
    m_Bytes[1].m_Param.Set(IDC_SW_ITEM_PALETTE, &s->m_nItemPalette, sources, 0);
    m_Bytes[2].m_Param.SetList(IDC_SW_TYPE, &s->m_nMoveType, &m_SwordTypes, 0);
    m_Lists.resize(4);
    m_Lists[0].m_Param.SetList(IDC_SW_EFFECT, &s->m_nEffect, &m_Effects, 0);
    m_Lists[1].m_Param.SetList(IDC_SW_ITEM, &s->m_nItem, &m_Entries, 1);
    m_Lists[2].m_Param.SetList(IDC_SW_ANIME, &cmd->m_nAnime, &m_Animes, 0);
    m_Lists[3].m_Param.SetList(IDC_SW_SOUND, &cmd->m_nSound, &m_Sounds, 0);
    m_Edit8.resize(3);
    m_Edit8[0].m_Param.Set(IDC_SW_FACTION, &s->m_nFaction, 0, 7, IDC_SW_FACTION_SPIN, 1);
    m_Edit8[1].m_Param.Set(IDC_SW_IMPACT, &s->m_nImpact, -20, 20, IDC_SW_IMPACT_SPIN, 1);
    m_Edit8[2].m_Param.Set(IDC_SW_Z, &s->m_nZ, 0, 7, IDC_SW_Z_SPIN, 1);
    m_Edit16.resize(1);
    m_Edit16[0].m_Param.Set(IDC_SW_TIME, &cmd->m_nTime, 1, 9999, IDC_SW_TIME_SPIN, 1);
    m_Edit32.resize(1);
    m_Edit32[0].m_Param.Set(IDC_SW_POWER, &s->m_nPower, -999999, 999999, IDC_SW_POWER_SPIN, 1);
    m_Checks.resize(4);
    m_Checks[0].m_Param.Set(IDC_SW_PARALLEL, &cmd->m_bParallel);
    m_Checks[1].m_Param.Set(IDC_SW_USER_FACTION, &s->m_bUserFaction);
    m_Checks[2].m_Param.Set(IDC_SW_TRANSPARENT, &s->m_bTransparent);
    m_Checks[3].m_Param.Set(IDC_SW_MUTE, &cmd->m_bMuteOffScreen);
}

cCmdDlgSword::~cCmdDlgSword() { DestroyModeless(); }

void cCmdDlgSword::ShowSwordTime() {
    auto* type = FindCtrl(m_Bytes, IDC_SW_TYPE);
    auto* time = FindCtrl(m_Edit16, IDC_SW_TIME);
    if (!type || !time) return;
    const int index = type->m_Ctrl.GetCurData();
    // a sword type that names no record leaves the time as it is
    if (index < 0 || index >= static_cast<int>(g_Database.m_SwordType.size())) return;
    time->m_Ctrl.SetValue(g_Database.GetSwordTime(static_cast<int16_t>(index)));
}

bool cCmdDlgSword::OwnCommand(WPARAM wp) {
    if (LOWORD(wp) != IDC_SW_TYPE) return false;
    ShowSwordTime();
    return true;
}

void cCmdDlgSword::UpdateCtrls() {
    EnableCtrl(m_Edit8, IDC_SW_FACTION, IsDlgButtonChecked(m_hWnd, IDC_SW_USER_FACTION) == BST_CHECKED ? 0 : 1);
    UpdateItemList(IDC_SW_ITEM_PALETTE, IDC_SW_ITEM);
}
