#include "cmdedit/cmdpage_shot.h"

#include "app/services.h"
#include "cmdedit/cmdpage_shot_res.h"
#include "model/definitions.h"
#include "model/system.h"
#include "cmdedit/graphic_picker.h"

namespace {

const int kMoveEdits[3] = {IDC_SH_MPARAM1, IDC_SH_MPARAM2, IDC_SH_MPARAM3};
const int kMoveLabels[3] = {IDC_SH_MLABEL1, IDC_SH_MLABEL2, IDC_SH_MLABEL3};
const int kShotSurface = 20;  // "bmp\Shot.bmp" in g_Bitmaps
const int kShotSheet = 3;     // the picker's "ショット" sheet

}  // namespace

cCmdDlgShot::cCmdDlgShot(int templateId, cDlg* parent, int kind, const cEditReq* req, cWndRegistry* registry,
                         cCtrl* ownerCtrl, int centre)
    : cCmdShotBase(templateId, parent, kind, req, registry, ownerCtrl, centre) {
    m_nSoundId = IDC_SH_SOUND;
    TableToList(&m_Formations, g_ShotPattern);
    TableToList(&m_Directions, g_MoveDir);
    TableToList(&m_Aims, g_ShotAim);
    cEdCommand* cmd = Cmd();
    cEdShot* s = Shot();
    if (!cmd || !s) return;
    const bool oldImages = g_System.m_OldShotImages != 0;
    if (IsNew()) {
        s->m_nGraphic = oldImages ? 0 : 1;
        cmd->m_nTime = 1;
        s->m_nSpeed = 20;
        s->m_nPower = 1;
        s->m_bPierceBlock = 1;
        s->m_nZ = 3;
        cmd->m_nAnime = 1;
        cmd->m_nSound = 1;
        s->m_nEffect = 1;
    }
    MakeItemList(&m_Entries, s->m_nItemPalette);
    const cString* sources = g_StageEdit.g_EditTarget == 2 ? g_ItemSourceCommonName : g_ItemSourceName;

    m_Bytes.resize(5);
    m_Bytes[0].m_Param.SetList(IDC_SH_FORMATION, &s->m_nFormation, &m_Formations, 0);
    m_Bytes[1].m_Param.SetList(IDC_SH_DIRECTION, &s->m_nDirection, &m_Directions, 0);
    m_Bytes[2].m_Param.Set(IDC_SH_SCALE, &s->m_nScale, g_EnlargeName, 1);
    m_Bytes[3].m_Param.SetList(IDC_SH_MOVE, &s->m_nMoveType, &m_Aims, 0);
    m_Bytes[4].m_Param.Set(IDC_SH_ITEM_PALETTE, &s->m_nItemPalette, sources, 0);
    m_Lists.resize(4);
    m_Lists[0].m_Param.SetList(IDC_SH_EFFECT, &s->m_nEffect, &m_Effects, 0);
    m_Lists[1].m_Param.SetList(IDC_SH_ITEM, &s->m_nItem, &m_Entries, 1);
    m_Lists[2].m_Param.SetList(IDC_SH_ANIME, &cmd->m_nAnime, &m_Animes, 0);
    m_Lists[3].m_Param.SetList(IDC_SH_SOUND, &cmd->m_nSound, &m_Sounds, 0);

    const struct {
        int id, spin;
        int8_t* data;
        int8_t min, max;
    } bytes[] = {
        {IDC_SH_Z, IDC_SH_Z_SPIN, &s->m_nZ, 0, 7},
        {IDC_SH_COUNT, IDC_SH_COUNT_SPIN, &s->m_nCount, 1, 127},
        {IDC_SH_CLONES, IDC_SH_CLONES_SPIN, &s->m_nClones, 0, 20},
        {IDC_SH_FACTION, IDC_SH_FACTION_SPIN, &s->m_nFaction, 0, 7},
        {IDC_SH_VANISH_VALUE, IDC_SH_VANISH_VALUE_SPIN, &s->m_nVanishValue, 1, 9},
        {IDC_SH_IMPACT, IDC_SH_IMPACT_SPIN, &s->m_nImpact, -20, 20},
    };
    m_Edit8.resize(sizeof bytes / sizeof bytes[0]);
    for (size_t i = 0; i < m_Edit8.size(); ++i)
        m_Edit8[i].m_Param.Set(bytes[i].id, bytes[i].data, bytes[i].min, bytes[i].max, bytes[i].spin, 1);

    const struct {
        int id, spin;
        int16_t* data;
        int16_t min, max;
    } shorts[] = {
        {IDC_SH_TIME, IDC_SH_TIME_SPIN, &cmd->m_nTime, 1, 9999},
        {IDC_SH_TIME_CLONE, IDC_SH_TIME_CLONE_SPIN, &cmd->m_nTimeClone, -500, 500},
        {IDC_SH_GRAPHIC, IDC_SH_GRAPHIC_SPIN, &s->m_nGraphic, static_cast<int16_t>(oldImages ? 0 : 1), 120},
        {IDC_SH_FPARAM1, IDC_SH_FPARAM1_SPIN, &s->m_nFormationParam[0], 0, 999},
        {IDC_SH_FPARAM2, IDC_SH_FPARAM2_SPIN, &s->m_nFormationParam[1], 0, 999},
        {IDC_SH_FPARAM3, IDC_SH_FPARAM3_SPIN, &s->m_nFormationParam[2], 0, 999},
        {IDC_SH_ANGLE, IDC_SH_ANGLE_SPIN, &s->m_nAngle, -7200, 7200},
        {IDC_SH_ANGLE_CLONE, IDC_SH_ANGLE_CLONE_SPIN, &s->m_nAngleClone, -7200, 7200},
        {IDC_SH_SPREAD, IDC_SH_SPREAD_SPIN, &s->m_nSpread, 0, 180},
        {IDC_SH_OFFSETX, IDC_SH_OFFSETX_SPIN, &s->m_nOffsetX, -640, 640},
        {IDC_SH_OFFSETX_CLONE, IDC_SH_OFFSETX_CLONE_SPIN, &s->m_nOffsetXClone, -640, 640},
        {IDC_SH_OFFSETY, IDC_SH_OFFSETY_SPIN, &s->m_nOffsetY, -640, 640},
        {IDC_SH_OFFSETY_CLONE, IDC_SH_OFFSETY_CLONE_SPIN, &s->m_nOffsetYClone, -640, 640},
        {IDC_SH_MPARAM1, IDC_SH_MPARAM1_SPIN, &s->m_nMoveParam[0], 0, 999},
        {IDC_SH_MPARAM2, IDC_SH_MPARAM2_SPIN, &s->m_nMoveParam[1], 0, 999},
        {IDC_SH_MPARAM3, IDC_SH_MPARAM3_SPIN, &s->m_nMoveParam[2], 0, 999},
        {IDC_SH_SPEED, IDC_SH_SPEED_SPIN, &s->m_nSpeed, -200, 200},
        {IDC_SH_SPEED_CLONE, IDC_SH_SPEED_CLONE_SPIN, &s->m_nSpeedClone, -200, 200},
        {IDC_SH_ACCEL, IDC_SH_ACCEL_SPIN, &s->m_nAccel, -200, 200},
        {IDC_SH_ACCEL_CLONE, IDC_SH_ACCEL_CLONE_SPIN, &s->m_nAccelClone, -200, 200},
        {IDC_SH_RANGE, IDC_SH_RANGE_SPIN, &s->m_nRange, 0, 64},
        {IDC_SH_RANGE_CLONE, IDC_SH_RANGE_CLONE_SPIN, &s->m_nRangeClone, -40, 40},
        {IDC_SH_LIFE, IDC_SH_LIFE_SPIN, &s->m_nLife, 1, 999},
        {IDC_SH_LIFE_CLONE, IDC_SH_LIFE_CLONE_SPIN, &s->m_nLifeClone, -99, 99},
    };
    m_Edit16.resize(sizeof shorts / sizeof shorts[0]);
    for (size_t i = 0; i < m_Edit16.size(); ++i)
        m_Edit16[i].m_Param.Set(shorts[i].id, shorts[i].data, shorts[i].min, shorts[i].max, shorts[i].spin, 1);
    m_Edit32.resize(1);
    m_Edit32[0].m_Param.Set(IDC_SH_POWER, &s->m_nPower, -999999, 999999, IDC_SH_POWER_SPIN, 1);

    const struct {
        int id;
        int8_t* data;
    } checks[] = {
        {IDC_SH_PARALLEL, &cmd->m_bParallel},       {IDC_SH_MUTE, &cmd->m_bMuteOffScreen},
        {IDC_SH_TRANSPARENT, &s->m_bTransparent},   {IDC_SH_AIM, &s->m_bAimAtTarget},
        {IDC_SH_MIRROR, &s->m_bMirrorSpin},         {IDC_SH_POS_BY_ANGLE, &s->m_bPosByAngle},
        {IDC_SH_FLIPX, &s->m_bFlipX},               {IDC_SH_FLIPY, &s->m_bFlipY},
        {IDC_SH_USER_FACTION, &s->m_bUserFaction}, {IDC_SH_SCROLL, &s->m_bScrollSync},
        {IDC_SH_ACCEL_ON, &s->m_bAccel},            {IDC_SH_RANGE_ON, &s->m_bRange},
        {IDC_SH_KEEP_AT_END, &s->m_bKeepAtEnd},     {IDC_SH_LIFE_ON, &s->m_bLife},
        {IDC_SH_VANISH, &s->m_bVanishByShot},       {IDC_SH_PIERCE_BLOCK, &s->m_bPierceBlock},
        {IDC_SH_PIERCE_CHARA, &s->m_bPierceChara},
    };
    m_Checks.resize(sizeof checks / sizeof checks[0]);
    for (size_t i = 0; i < m_Checks.size(); ++i) m_Checks[i].m_Param.Set(checks[i].id, checks[i].data);

    const int labels[6] = {IDC_SH_FLABEL1, IDC_SH_FLABEL2, IDC_SH_FLABEL3,
                           IDC_SH_MLABEL1, IDC_SH_MLABEL2, IDC_SH_MLABEL3};
    m_Statics.resize(6);
    for (int i = 0; i < 6; ++i) m_Statics[i].m_Param.Set(labels[i]);
    m_Buttons.resize(1);
    m_Buttons[0].m_Param.Set(IDC_SH_PICK);
    m_Pictures.resize(1);
    m_Pictures[0].m_Param.Set(IDC_SH_PREVIEW, 16, 16);
}

cCmdDlgShot::~cCmdDlgShot() { DestroyModeless(); }

LRESULT cCmdDlgShot::MsgProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    const LRESULT r = cCmdShotBase::MsgProc(hwnd, msg, wp, lp);
    // the preview's control asks its owner to paint it
    if (msg == WM_DRAWITEM && wp == IDC_SH_PREVIEW) {
        Draw();
        return TRUE;
    }
    return r;
}

void cCmdDlgShot::InitRefresh() {
    RefreshShotFormation();
    RefreshMoveType();
}

bool cCmdDlgShot::OwnCommand(WPARAM wp) {
    switch (LOWORD(wp)) {
        case IDC_SH_FORMATION: RefreshShotFormation(); return true;
        case IDC_SH_MOVE: RefreshMoveType(); return true;
        case IDC_SH_PICK:
            if (HIWORD(wp) == BN_CLICKED) Pick();
            return true;
    }
    return false;
}

void cCmdDlgShot::Follow(int checkId, const int* ids, int count) {
    const int on = IsDlgButtonChecked(m_hWnd, checkId) == BST_CHECKED ? 1 : 0;
    for (int i = 0; i < count; ++i) {
        if (auto* edit = FindCtrl(m_Edit16, ids[i]))
            edit->m_Ctrl.Enable(on);
    }
}

void cCmdDlgShot::UpdateCtrls() {
    EnableCtrl(m_Edit8, IDC_SH_FACTION, IsDlgButtonChecked(m_hWnd, IDC_SH_USER_FACTION) == BST_CHECKED ? 0 : 1);
    const int accel[2] = {IDC_SH_ACCEL, IDC_SH_ACCEL_CLONE};
    Follow(IDC_SH_ACCEL_ON, accel, 2);
    const int range[2] = {IDC_SH_RANGE, IDC_SH_RANGE_CLONE};
    Follow(IDC_SH_RANGE_ON, range, 2);
    EnableWindow(GetDlgItem(m_hWnd, IDC_SH_KEEP_AT_END), IsDlgButtonChecked(m_hWnd, IDC_SH_RANGE_ON) == BST_CHECKED);
    const int life[2] = {IDC_SH_LIFE, IDC_SH_LIFE_CLONE};
    Follow(IDC_SH_LIFE_ON, life, 2);
    EnableCtrl(m_Edit8, IDC_SH_VANISH_VALUE, IsDlgButtonChecked(m_hWnd, IDC_SH_VANISH) == BST_CHECKED ? 1 : 0);
    UpdateItemList(IDC_SH_ITEM_PALETTE, IDC_SH_ITEM);
}

void cCmdDlgShot::RefreshShotFormation() {
    auto* combo = FindCtrl(m_Bytes, IDC_SH_FORMATION);
    if (!combo) return;
    const int f = combo->m_Ctrl.GetCurData();
    HWND aim = GetDlgItem(m_hWnd, IDC_SH_AIM);
    if (f >= 0 && f <= 2) {
        EnableWindow(aim, TRUE);
    } else if (f == 3 || f == 5) {
        EnableWindow(aim, FALSE);
        CheckDlgButton(m_hWnd, IDC_SH_AIM, BST_CHECKED);
    } else if (f == 4) {
        EnableWindow(aim, FALSE);
        CheckDlgButton(m_hWnd, IDC_SH_AIM, BST_UNCHECKED);
    }
    if (f >= 0) EnableWindow(GetDlgItem(m_hWnd, IDC_SH_POS_BY_ANGLE), f == 0 || f == 2);
    RefreshFormation(IDC_SH_FORMATION);
}

void cCmdDlgShot::RefreshMoveType() {
    auto* combo = FindCtrl(m_Bytes, IDC_SH_MOVE);
    if (!combo) return;
    RefreshParamRows(this, m_Edit16, kMoveEdits, kMoveLabels, g_ShotAimParam, kShotAimParamRows,
                     combo->m_Ctrl.GetCurData(), &m_nPrevMove);
}

void cCmdDlgShot::Pick() {
    auto* edit = FindCtrl(m_Edit16, IDC_SH_GRAPHIC);
    if (!edit) return;
    int16_t picked = edit->m_Ctrl.GetValue();
    if (RunGraphicPick(&picked, kShotSheet, this, &m_Buttons[0].m_Ctrl)) edit->m_Ctrl.SetValue(picked);
    Draw();
}

void cCmdDlgShot::Draw() {
    if (!m_bLive || m_Pictures.empty()) return;
    cCtrlPicture& pic = m_Pictures[0].m_Ctrl;
    if (!pic.m_Screen.m_hDC || !pic.m_Offscreen.m_hDC) return;
    pic.m_Offscreen.Clear(RGB(0, 0, 0));
    auto* edit = FindCtrl(m_Edit16, IDC_SH_GRAPHIC);
    const int g = edit ? edit->m_Ctrl.GetValue() : 0;
    const cDib& shots = g_Bitmaps[kShotSurface];
    // the number the edit shows is held to 0 .. 120; a sheet not loaded
    // draws nothing
    if (shots.m_hDC && g >= 0) pic.m_Offscreen.Blt(0, 0, 16, 16, shots, g / 30 * 32, g % 30 * 16, 1);
    pic.m_Screen.Blt(0, 0, 16, 16, pic.m_Offscreen, 0, 0, 1);
}
