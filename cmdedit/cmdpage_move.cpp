#include "cmdedit/cmdpage_move.h"

#include <algorithm>
#include <cstdlib>

#include "base/msgbox.h"
#include "model/cmd_tables.h"
#include "model/database.h"
#include "ui/dlghelpers.h"

namespace {

const int kUnitDot = 1;
const int kSetSpeedDistance = 2;  // "速度と距離を指定"
const int kCircleSetSpeed = 1;    // "速度を指定"
const int kDirInput = 12;         // "入力方向"
const int kTurnLastBlockAway = 5; // "最後にブロックが当たった方の逆を向く"

// Slots of m_Lists.
enum { kListSetType, kListUnit, kListDirMode, kListDir, kListTarget, kListTurn, kListAnime, kListSound };

// The distance in pixels: one in blocks counts 16.
int32_t DistPixels(int16_t distance, int unit) {
    return unit == kUnitDot ? distance : distance * 16;
}

}  // namespace

double DistSpeedRatio(int16_t distance, int16_t speed, int unit) {
    if (speed == 0) return 0.0;
    return static_cast<double>(DistPixels(distance, unit)) / speed;
}

bool IsValidDistSpeed(int16_t distance, int16_t speed, int unit) {
    if (speed == 0) return false;
    const int32_t pixels = DistPixels(distance, unit);
    return 10 * std::abs(pixels) >= std::abs(static_cast<int32_t>(speed));
}

cCmdDlgMovePage::cCmdDlgMovePage(int templateId, cDlg* parent, int kind, const cEditReq* req,
                                 cWndRegistry* registry, cCtrl* ownerCtrl, int centre, int groups)
    : cCmdDlg(templateId, parent, kind, req, registry, ownerCtrl, centre), m_nGroups(groups) {}

cEdMove* cCmdDlgMovePage::Move() const {
    cEdCommand* cmd = Cmd();
    if (!cmd) return nullptr;
    // an existing command of a move kind without its record (a file the
    // editor did not write) is given one to edit
    if (!cmd->m_spMove) NewShared(cmd->m_spMove);
    return cmd->m_spMove.get();
}

void cCmdDlgMovePage::NewMove() {
    cEdCommand* cmd = Cmd();
    NewShared(cmd->m_spMove);
    cmd->m_nTime = 1;
    cmd->m_spMove->m_nMaxSpeed = 200;
}

cVector<cString>* cCmdDlgMovePage::List(int slot, const char* const* table) {
    cVector<cString>& list = m_Lists[slot];
    list.clear();
    for (int i = 0; table[i][0]; ++i) list.push_back(cString(table[i]));
    return &list;
}

void cCmdDlgMovePage::Short(int id, int16_t* data, int min, int max, int spin) {
    m_Shorts.push_back(cCtrlEditValItem<int16_t>());
    m_Shorts.back().m_Param.Set(id, data, static_cast<int16_t>(min), static_cast<int16_t>(max), spin, 1);
}

void cCmdDlgMovePage::Check(int id, int8_t* data) {
    m_Checks.push_back(cCtrlCheckItem<int8_t>());
    m_Checks.back().m_Param.Set(id, data);
}

void cCmdDlgMovePage::Combo(int id, int8_t* data, int slot, const char* const* table) {
    m_Combos.push_back(cCtrlComboItem<int8_t>());
    m_Combos.back().m_Param.SetList(id, data, List(slot, table), 0);
}

void cCmdDlgMovePage::AnimeCombo(int id, int16_t* data) {
    MakeTableNameList(&m_Lists[kListAnime], g_Database.m_Anime, "なし", 0, 2, 0);
    m_Records.push_back(cCtrlComboItem<int16_t>());
    m_Records.back().m_Param.SetList(id, data, &m_Lists[kListAnime], 0);
}

void cCmdDlgMovePage::SoundCombo(int id, int16_t* data) {
    MakeTableNameList(&m_Lists[kListSound], g_Database.m_Sound, "なし", 0, 2, 0);
    m_Records.push_back(cCtrlComboItem<int16_t>());
    m_Records.back().m_Param.SetList(id, data, &m_Lists[kListSound], 0);
}

// The controls of every page: parallel flag, time and its clone value.
void cCmdDlgMovePage::AddCommon() {
    cEdCommand* cmd = Cmd();
    Check(1117, &cmd->m_bParallel);
    Short(1113, &cmd->m_nTime, 1, 9999, 1114);
    Short(1115, &cmd->m_nTimeClone, -500, 500, 1116);
}

void cCmdDlgMovePage::AddGroups() {
    cEdMove* m = (m_nGroups & (kGroupTsd | kGroupInertia)) ? Move() : nullptr;
    if (m_nGroups & kGroupTsd) {
        Combo(1126, &m->m_nSetType, kListSetType, g_MoveTimingMode);
        Short(1118, &m->m_nSpeed, -200, 200, 1119);
        Short(1120, &m->m_nSpeedClone, -200, 200, 1121);
        Short(1122, &m->m_nDistance, 1, 64, 1123);
        Short(11240, &m->m_nDistanceClone, -40, 40, 11270);
        Combo(1131, &m->m_nDistanceUnit, kListUnit, g_DistanceUnit);
        m_Statics.resize(2);
        m_Statics[0].m_Param.Set(1440);
        m_Statics[1].m_Param.Set(1441);
    }
    if (m_nGroups & kGroupInertia) {
        Check(1143, &m->m_bInertia);
        Short(1139, &m->m_nMaxSpeed, 0, 200, 1140);
        m_Doubles.resize(1);
        m_Doubles[0].m_Param.Set(1141, &m->m_dTurnSpeedRate, 0.0, 9.9, 1142, 0.1);
    }
    if (m_nGroups & kGroupOther) {
        Check(1400, &Move()->m_bNoMoveAnime);
        AnimeCombo(1263, &Cmd()->m_nAnime);
    }
}

void cCmdDlgMovePage::OnInitDialog(WPARAM wp, LPARAM lp) {
    cCmdDlg::OnInitDialog(wp, lp);
    AddCtrls(m_Checks);
    AddCtrls(m_Shorts);
    AddCtrls(m_Doubles);
    AddCtrls(m_Combos);
    AddCtrls(m_Records);
    AddCtrls(m_ParamCombos);
    AddCtrls(m_Statics);
    FinishInit();
}

void cCmdDlgMovePage::EnableId(int id, bool on) {
    EnableWindow(GetDlgItem(m_hWnd, id), on ? TRUE : FALSE);
    for (int i = 0; i < static_cast<int>(m_Shorts.size()); ++i)
        if (m_Shorts[i].m_Param.m_nId == id && m_Shorts[i].m_Param.m_nSpinId)
            EnableWindow(GetDlgItem(m_hWnd, m_Shorts[i].m_Param.m_nSpinId), on ? TRUE : FALSE);
    for (int i = 0; i < static_cast<int>(m_Doubles.size()); ++i)
        if (m_Doubles[i].m_Param.m_nId == id && m_Doubles[i].m_Param.m_nSpinId)
            EnableWindow(GetDlgItem(m_hWnd, m_Doubles[i].m_Param.m_nSpinId), on ? TRUE : FALSE);
}

bool cCmdDlgMovePage::IsChecked(int id) const { return IsDlgButtonChecked(m_hWnd, id) == BST_CHECKED; }

int cCmdDlgMovePage::ComboRow(int id) const {
    return static_cast<int>(SendDlgItemMessageA(m_hWnd, id, CB_GETCURSEL, 0, 0));
}

void cCmdDlgMovePage::ShownDistSpeed(int16_t* distance, int16_t* speed, int* unit) {
    auto shown = [this](int id) -> int16_t {
        for (int i = 0; i < static_cast<int>(m_Shorts.size()); ++i) {
            cCtrlEditVal<int16_t>& e = m_Shorts[i].m_Ctrl;
            if (e.m_nId == id) return std::min(std::max(e.GetValue(), e.m_Min), e.m_Max);
        }
        return 0;
    };
    *distance = shown(1122);
    *speed = shown(1118);
    *unit = ComboRow(1131);
}

double cCmdDlgMovePage::ShownRatio() {
    int16_t distance, speed;
    int unit;
    ShownDistSpeed(&distance, &speed, &unit);
    return DistSpeedRatio(distance, speed, unit);
}

void cCmdDlgMovePage::UpdateTsd() {
    const int type = ComboRow(1126);
    const bool byTime = type != kSetSpeedDistance;
    for (int id : {1113, 1115}) EnableId(id, byTime);
    for (int id : {1118, 1120}) EnableId(id, type != 1);
    for (int id : {1122, 11240, 1131}) EnableId(id, type != 0);
    for (int id : {1440, 1441}) ShowWindow(GetDlgItem(m_hWnd, id), type == kSetSpeedDistance ? SW_SHOW : SW_HIDE);
    if (type == kSetSpeedDistance) {
        cString text;
        text.Format("距離(dot)÷速度　＝　%0.2lf (※分身は無視)", ShownRatio());
        SetDlgItemTextA(m_hWnd, 1440, text.c_str());
    }
}

void cCmdDlgMovePage::UpdateInertiaAndAnime() {
    if (m_nGroups & kGroupInertia) {
        const bool inertia = IsChecked(1143);
        EnableId(1139, inertia);
        EnableId(1141, inertia);
    }
    if (m_nGroups & kGroupOther) EnableId(1263, IsChecked(1400));
}

void cCmdDlgMovePage::UpdateCtrls() {
    if (m_nGroups & kGroupTsd) UpdateTsd();
    UpdateInertiaAndAnime();
}

void cCmdDlgMovePage::OnCommand(WPARAM wp, LPARAM lp) {
    if (LOWORD(wp) == kIdOk && (m_nGroups & kGroupTsd) && ComboRow(1126) == kSetSpeedDistance) {
        int16_t distance, speed;
        int unit;
        ShownDistSpeed(&distance, &speed, &unit);
        if (!IsValidDistSpeed(distance, speed, unit)) {
            ErrorBoxF("「距離÷速度」を0.10以上、または-0.10以下にして下さい！");
            return;
        }
    }
    cCmdDlg::OnCommand(wp, lp);
}

// ---------------------------------------------------------------------------

cCmdDlgWait::cCmdDlgWait(int templateId, cDlg* parent, int kind, const cEditReq* req, cWndRegistry* registry,
                         cCtrl* ownerCtrl, int centre)
    : cCmdDlgMovePage(templateId, parent, kind, req, registry, ownerCtrl, centre, 0) {
    if (IsNew()) Cmd()->m_nTime = 1;
    AddCommon();
}

cCmdDlgMoveDisable::cCmdDlgMoveDisable(int templateId, cDlg* parent, int kind, const cEditReq* req,
                                       cWndRegistry* registry, cCtrl* ownerCtrl, int centre)
    : cCmdDlgMovePage(templateId, parent, kind, req, registry, ownerCtrl, centre, 0) {
    if (IsNew()) {
        NewShared(Cmd()->m_spMove);
        Cmd()->m_nTime = 1;
    }
    AddCommon();
}

cCmdDlgLineMove::cCmdDlgLineMove(int templateId, cDlg* parent, int kind, const cEditReq* req, cWndRegistry* registry,
                                 cCtrl* ownerCtrl, int centre)
    : cCmdDlgMovePage(templateId, parent, kind, req, registry, ownerCtrl, centre, kGroupMoves) {
    if (IsNew()) NewMove();
    AddCommon();
    AddGroups();
    cEdMove* m = Move();
    Combo(1127, &m->m_nDirMode, kListDirMode, g_MoveDirMode);
    Combo(1128, &m->m_nDirection, kListDir, g_MoveDir);
    Check(1398, &m->m_bReverseOnTurn);
    Combo(1129, &m->m_nTargetType, kListTarget, g_MoveTargetCoord);
    Check(1397, &m->m_bTargetX);
    Short(1135, &m->m_nTargetX, -640, 640, 1136);
    Short(1137, &m->m_nTargetXDot, -640, 640, 1138);
    Check(1144, &m->m_bFlipX);
    Check(1149, &m->m_bTargetY);
    Short(1388, &m->m_nTargetY, -640, 640, 1389);
    Short(1390, &m->m_nTargetYDot, -640, 640, 1391);
    Check(1145, &m->m_bFlipY);
    Check(1146, &m->m_bStopAtTarget);
    Check(1147, &m->m_bNoJitter);
    Short(1130, &m->m_nAngle, -7200, 7200, 1132);
    Short(1133, &m->m_nAngleClone, -7200, 7200, 1134);
    Check(1150, &m->m_bMirrorSpin);
    Check(1396, &m->m_bLockX);
    Check(1148, &m->m_bLockY);
    Check(1399, &m->m_bKeepFacing);
}

void cCmdDlgLineMove::UpdateCtrls() {
    if (ComboRow(1127) == 0) {
        EnableId(1128, true);
        EnableId(1398, true);
        for (int id : {1129, 1397, 1144, 1149, 1145, 1146, 1147, 1135, 1137, 1388, 1390}) EnableId(id, false);
        EnableId(1150, ComboRow(1128) != kDirInput);
    } else {
        EnableId(1128, false);
        EnableId(1398, false);
        for (int id : {1129, 1397, 1149, 1146, 1147}) EnableId(id, true);
        const int target = ComboRow(1129);
        if (target == 2 || target == 3) {
            for (int id : {1144, 1145}) {
                EnableId(id, false);
                CheckDlgButton(m_hWnd, id, BST_UNCHECKED);
            }
        } else {
            EnableId(1144, true);
            EnableId(1145, true);
        }
        if (IsChecked(1397)) {
            EnableId(1135, true);
            EnableId(1137, true);
        } else {
            for (int id : {1135, 1137, 1144}) EnableId(id, false);
        }
        if (IsChecked(1149)) {
            EnableId(1388, true);
            EnableId(1390, true);
        } else {
            for (int id : {1388, 1390, 1145}) EnableId(id, false);
        }
        EnableId(1150, true);
    }
    cCmdDlgMovePage::UpdateCtrls();
}

cCmdDlgGroundTurnMove::cCmdDlgGroundTurnMove(int templateId, cDlg* parent, int kind, const cEditReq* req,
                                             cWndRegistry* registry, cCtrl* ownerCtrl, int centre)
    : cCmdDlgMovePage(templateId, parent, kind, req, registry, ownerCtrl, centre, kGroupMoves) {
    if (IsNew()) NewMove();
    AddCommon();
    AddGroups();
}

cCmdDlgCircleMove::cCmdDlgCircleMove(int templateId, cDlg* parent, int kind, const cEditReq* req,
                                     cWndRegistry* registry, cCtrl* ownerCtrl, int centre)
    : cCmdDlgMovePage(templateId, parent, kind, req, registry, ownerCtrl, centre, kGroupOther) {
    if (IsNew()) {
        NewShared(Cmd()->m_spMove);
        cEdMove* m = Cmd()->m_spMove.get();
        m->m_nSetType = kCircleSetSpeed;
        Cmd()->m_nTime = 1;
        m->m_nSpeed = 20;
        m->m_nAngle = 0;
        m->m_nDistance = 360;
        m->m_nExtra = 6;
    }
    AddCommon();
    AddGroups();
    cEdMove* m = Move();
    Combo(1126, &m->m_nSetType, kListSetType, g_CircleTimingMode);
    Short(1118, &m->m_nSpeed, -180, 180, 1119);
    Short(1120, &m->m_nSpeedClone, -180, 180, 1121);
    Short(1382, &m->m_nAngle, -7200, 7200, 1383);
    Short(1384, &m->m_nAngleClone, -7200, 7200, 1385);
    Short(1124, &m->m_nDistance, -7200, 7200, 1125);
    Short(11241, &m->m_nDistanceClone, -7200, 7200, 11271);
    Short(1183, &m->m_nExtra, 0, 20, 1184);
    Short(1386, &m->m_nExtraClone, -20, 20, 1387);
    Combo(1264, &m->m_nDirection, kListDir, g_CircleRotation);
    Check(1144, &m->m_bFlipX);
    Check(1145, &m->m_bFlipY);
    Check(1146, &m->m_bLockX);
    Check(1148, &m->m_bLockY);
    Check(1399, &m->m_bKeepFacing);
}

void cCmdDlgCircleMove::UpdateCtrls() {
    const bool bySpeed = ComboRow(1126) == kCircleSetSpeed;
    for (int id : {1113, 1115}) EnableId(id, !bySpeed);
    for (int id : {1118, 1120}) EnableId(id, bySpeed);
    UpdateInertiaAndAnime();
}

cCmdDlgRushMove::cCmdDlgRushMove(int templateId, cDlg* parent, int kind, const cEditReq* req,
                                 cWndRegistry* registry, cCtrl* ownerCtrl, int centre)
    : cCmdDlgMovePage(templateId, parent, kind, req, registry, ownerCtrl, centre, kGroupMoves) {
    if (IsNew()) NewMove();
    AddCommon();
    AddGroups();
    cEdMove* m = Move();
    Short(1135, &m->m_nTargetX, -640, 640, 1136);
    Short(1137, &m->m_nTargetXDot, -640, 640, 1138);
    Check(1144, &m->m_bFlipX);
    Short(1388, &m->m_nTargetY, -640, 640, 1389);
    Short(1390, &m->m_nTargetYDot, -640, 640, 1391);
    Check(1145, &m->m_bFlipY);
    Check(1146, &m->m_bLockX);
    Check(1148, &m->m_bLockY);
    Check(1399, &m->m_bKeepFacing);
}

cCmdDlgHomingMove::cCmdDlgHomingMove(int templateId, cDlg* parent, int kind, const cEditReq* req,
                                     cWndRegistry* registry, cCtrl* ownerCtrl, int centre)
    : cCmdDlgMovePage(templateId, parent, kind, req, registry, ownerCtrl, centre, kGroupMoves) {
    if (IsNew()) {
        NewMove();
        Cmd()->m_spMove->m_nExtra = 0;
    }
    AddCommon();
    AddGroups();
    cEdMove* m = Move();
    Short(1135, &m->m_nTargetX, -640, 640, 1136);
    Short(1137, &m->m_nTargetXDot, -640, 640, 1138);
    Check(1144, &m->m_bFlipX);
    Short(1388, &m->m_nTargetY, -640, 640, 1389);
    Short(1390, &m->m_nTargetYDot, -640, 640, 1391);
    Check(1145, &m->m_bFlipY);
    Check(1146, &m->m_bLockX);
    Check(1148, &m->m_bLockY);
    Check(1399, &m->m_bKeepFacing);
    Short(1169, &m->m_nExtra, 0, 10, 1170);
    Short(1171, &m->m_nExtraClone, 0, 10, 1172);
    Check(1147, &m->m_bNoJitter);
}

cCmdDlgScreenAvoidMove::cCmdDlgScreenAvoidMove(int templateId, cDlg* parent, int kind, const cEditReq* req,
                                               cWndRegistry* registry, cCtrl* ownerCtrl, int centre)
    : cCmdDlgMovePage(templateId, parent, kind, req, registry, ownerCtrl, centre, kGroupMoves) {
    if (IsNew()) NewMove();
    AddCommon();
    AddGroups();
    cEdMove* m = Move();
    Combo(1128, &m->m_nDirection, kListDir, g_MoveDir);
    Check(1399, &m->m_bKeepFacing);
}

cCmdDlgTurn::cCmdDlgTurn(int templateId, cDlg* parent, int kind, const cEditReq* req, cWndRegistry* registry,
                         cCtrl* ownerCtrl, int centre)
    : cCmdDlgMovePage(templateId, parent, kind, req, registry, ownerCtrl, centre, 0) {
    cEdCommand* cmd = Cmd();
    // the parameters are sized for the kind by now; a command of another
    // kind on this page still gets its one parameter
    if (cmd->m_Params.empty()) cmd->m_Params.resize(1, 0);
    if (IsNew()) {
        cmd->m_nTime = 1;
        cmd->m_Params[0] = kTurnLastBlockAway;
    }
    AddCommon();
    m_ParamCombos.resize(1);
    m_ParamCombos[0].m_Param.SetList(1127, &cmd->m_Params[0], List(kListTurn, g_TurnKind), 0);
    AnimeCombo(1263, &cmd->m_nAnime);
    SoundCombo(1131, &cmd->m_nSound);
}

void cCmdDlgTurn::OnCommand(WPARAM wp, LPARAM lp) {
    cCmdDlgMovePage::OnCommand(wp, lp);
    if (LOWORD(wp) == 1131 && HIWORD(wp) == CBN_SELCHANGE && m_hWnd) PlayComboSound(m_hWnd, m_Records, 1131);
}
