#include "cmdedit/cmdpage_summon.h"

#include "app/services.h"
#include "cmdedit/cmdpage_summon_res.h"

namespace {

const int kSummonDelete = 1;  // "ブロックを消す"
const int kFactionByNumber = 2;  // "番号で指定"

bool IsChecked(HWND dlg, int id) { return IsDlgButtonChecked(dlg, id) == BST_CHECKED; }

}  // namespace

cCmdSummonBase::cCmdSummonBase(int templateId, cDlg* parent, int kind, const cEditReq* req, cWndRegistry* registry,
                               cCtrl* ownerCtrl, int centre, int entryKind)
    : cCmdShotBase(templateId, parent, kind, req, registry, ownerCtrl, centre), m_nEntryKind(entryKind) {
    m_nSoundId = IDC_SU_SOUND;
    TableToList(&m_Palettes, g_StageEdit.g_EditTarget == 2 ? g_SummonPaletteCommon : g_SummonPalette);
    TableToList(&m_Formations, g_ShotPattern);
    TableToList(&m_Directions, g_MoveDir);
    cEdCommand* cmd = Cmd();
    cEdShot* s = Shot();
    if (!cmd || !s) return;
    MakeSummonList(&m_Entries, entryKind, s->m_nSummonPalette);
    m_Bytes.resize(3);
    m_Bytes[0].m_Param.SetList(IDC_SU_PALETTE, &s->m_nSummonPalette, &m_Palettes, 0);
    m_Bytes[1].m_Param.SetList(IDC_SU_FORMATION, &s->m_nFormation, &m_Formations, 0);
    m_Bytes[2].m_Param.SetList(IDC_SU_DIRECTION, &s->m_nDirection, &m_Directions, 0);
    m_Lists.resize(3);
    m_Lists[0].m_Param.SetList(IDC_SU_ENTRY, &s->m_nSummonIndex, &m_Entries, 1);
    m_Lists[1].m_Param.SetList(IDC_SU_ANIME, &cmd->m_nAnime, &m_Animes, 0);
    m_Lists[2].m_Param.SetList(IDC_SU_SOUND, &cmd->m_nSound, &m_Sounds, 0);
    m_Edit8.resize(1);
    m_Edit8[0].m_Param.Set(IDC_SU_COUNT, &s->m_nCount, 1, 127, IDC_SU_COUNT_SPIN, 1);
    const struct {
        int id, spin;
        int16_t* data;
        int16_t min, max;
    } shorts[] = {
        {IDC_SU_TIME, IDC_SU_TIME_SPIN, &cmd->m_nTime, 1, 9999},
        {IDC_SU_TIME_CLONE, IDC_SU_TIME_CLONE_SPIN, &cmd->m_nTimeClone, -500, 500},
        {IDC_SU_FPARAM1, IDC_SU_FPARAM1_SPIN, &s->m_nFormationParam[0], 0, 999},
        {IDC_SU_FPARAM2, IDC_SU_FPARAM2_SPIN, &s->m_nFormationParam[1], 0, 999},
        {IDC_SU_FPARAM3, IDC_SU_FPARAM3_SPIN, &s->m_nFormationParam[2], 0, 999},
        {IDC_SU_OFFSETX, IDC_SU_OFFSETX_SPIN, &s->m_nOffsetX, -640, 640},
        {IDC_SU_OFFSETY, IDC_SU_OFFSETY_SPIN, &s->m_nOffsetY, -640, 640},
    };
    m_Edit16.resize(sizeof shorts / sizeof shorts[0]);
    for (size_t i = 0; i < m_Edit16.size(); ++i)
        m_Edit16[i].m_Param.Set(shorts[i].id, shorts[i].data, shorts[i].min, shorts[i].max, shorts[i].spin, 1);
    m_Checks.resize(4);
    m_Checks[0].m_Param.Set(IDC_SU_PARALLEL, &cmd->m_bParallel);
    m_Checks[1].m_Param.Set(IDC_SU_FLIPX, &s->m_bFlipX);
    m_Checks[2].m_Param.Set(IDC_SU_FLIPY, &s->m_bFlipY);
    m_Checks[3].m_Param.Set(IDC_SU_MUTE, &cmd->m_bMuteOffScreen);
    const int labels[3] = {IDC_SU_FLABEL1, IDC_SU_FLABEL2, IDC_SU_FLABEL3};
    m_Statics.resize(3);
    for (int i = 0; i < 3; ++i) m_Statics[i].m_Param.Set(labels[i]);
}

cCmdSummonBase::~cCmdSummonBase() { DestroyModeless(); }

void cCmdSummonBase::CommonDefaults() {
    cEdCommand* cmd = Cmd();
    cEdShot* s = Shot();
    if (!cmd || !s || !IsNew()) return;
    cmd->m_nTime = 1;
    cmd->m_nAnime = 1;
    cmd->m_nSound = 1;
    s->m_nSummonIndex = 1;
}

void cCmdSummonBase::InitRefresh() { RefreshFormation(IDC_SU_FORMATION); }

bool cCmdSummonBase::OwnCommand(WPARAM wp) {
    if (LOWORD(wp) != IDC_SU_FORMATION) return false;
    RefreshFormation(IDC_SU_FORMATION);
    return true;
}

void cCmdSummonBase::RefillEntries() {
    auto* palette = FindCtrl(m_Bytes, IDC_SU_PALETTE);
    auto* list = FindCtrl(m_Lists, IDC_SU_ENTRY);
    if (!palette || !list) return;
    const int source = palette->m_Ctrl.GetCurData();
    if (source != 0 && source != 1) return;
    MakeSummonList(&m_Entries, m_nEntryKind, source);
    list->m_Ctrl.SetItemList(&m_Entries);
}

void cCmdSummonBase::UpdateCtrls() { RefillEntries(); }

// ---- block -------------------------------------------------------------------

cCmdDlgSummonBlock::cCmdDlgSummonBlock(int templateId, cDlg* parent, int kind, const cEditReq* req,
                                       cWndRegistry* registry, cCtrl* ownerCtrl, int centre)
    : cCmdSummonBase(templateId, parent, kind, req, registry, ownerCtrl, centre, 0) {
    TableToList(&m_Types, g_BlockSummonMode);
    cEdShot* s = Shot();
    if (!s) return;
    if (IsNew()) {
        CommonDefaults();
        s->m_bFailOnPlayer = 0;
        s->m_bFailOnEnemy = 1;
        s->m_bFlipX = 1;
    }
    const size_t n = m_Bytes.size();
    m_Bytes.resize(n + 1);
    m_Bytes[n].m_Param.SetList(IDC_SU_TYPE, &s->m_nSummonType, &m_Types, 0);
    const size_t c = m_Checks.size();
    m_Checks.resize(c + 2);
    m_Checks[c].m_Param.Set(IDC_SU_FAIL_PLAYER, &s->m_bFailOnPlayer);
    m_Checks[c + 1].m_Param.Set(IDC_SU_FAIL_ENEMY, &s->m_bFailOnEnemy);
}

cCmdDlgSummonBlock::~cCmdDlgSummonBlock() { DestroyModeless(); }

void cCmdDlgSummonBlock::UpdateCtrls() {
    auto* type = FindCtrl(m_Bytes, IDC_SU_TYPE);
    const int t = type ? type->m_Ctrl.GetCurData() : -1;
    if (t == 0 || t == 2 || t == kSummonDelete) {
        const BOOL on = t != kSummonDelete;
        for (int id : {IDC_SU_PALETTE, IDC_SU_ENTRY, IDC_SU_FAIL_PLAYER, IDC_SU_FAIL_ENEMY})
            EnableWindow(GetDlgItem(m_hWnd, id), on);
    }
    RefillEntries();
}

// ---- chara -------------------------------------------------------------------

cCmdDlgSummonChara::cCmdDlgSummonChara(int templateId, cDlg* parent, int kind, const cEditReq* req,
                                       cWndRegistry* registry, cCtrl* ownerCtrl, int centre)
    : cCmdSummonBase(templateId, parent, kind, req, registry, ownerCtrl, centre, 1) {
    TableToList(&m_FactionModes, g_SummonFaction);
    cEdShot* s = Shot();
    if (!s) return;
    if (IsNew()) {
        CommonDefaults();
        s->m_bNoScore = 1;
        s->m_bRange = 1;
        s->m_nRange = 100;
    }
    const size_t n = m_Bytes.size();
    m_Bytes.resize(n + 1);
    m_Bytes[n].m_Param.SetList(IDC_SU_FACTION_MODE, &s->m_nSummonFaction, &m_FactionModes, 0);
    const size_t e8 = m_Edit8.size();
    m_Edit8.resize(e8 + 1);
    m_Edit8[e8].m_Param.Set(IDC_SU_FACTION, &s->m_nFaction, 0, 8, IDC_SU_FACTION_SPIN, 1);
    const size_t e16 = m_Edit16.size();
    m_Edit16.resize(e16 + 1);
    m_Edit16[e16].m_Param.Set(IDC_SU_LIFE, &s->m_nRange, 1, 9999, IDC_SU_LIFE_SPIN, 1);
    const size_t c = m_Checks.size();
    m_Checks.resize(c + 3);
    m_Checks[c].m_Param.Set(IDC_SU_LIFE_ON, &s->m_bRange);
    m_Checks[c + 1].m_Param.Set(IDC_SU_REVERSE, &s->m_bReverseDir);
    m_Checks[c + 2].m_Param.Set(IDC_SU_NO_SCORE, &s->m_bNoScore);
}

cCmdDlgSummonChara::~cCmdDlgSummonChara() { DestroyModeless(); }

void cCmdDlgSummonChara::UpdateCtrls() {
    RefillEntries();
    EnableCtrl(m_Edit16, IDC_SU_LIFE, IsChecked(m_hWnd, IDC_SU_LIFE_ON) ? 1 : 0);
    auto* mode = FindCtrl(m_Bytes, IDC_SU_FACTION_MODE);
    const int m = mode ? mode->m_Ctrl.GetCurData() : -1;
    if (m >= 0 && m <= 2) EnableCtrl(m_Edit8, IDC_SU_FACTION, m == kFactionByNumber ? 1 : 0);
}

// ---- item --------------------------------------------------------------------

cCmdDlgSummonItem::cCmdDlgSummonItem(int templateId, cDlg* parent, int kind, const cEditReq* req,
                                     cWndRegistry* registry, cCtrl* ownerCtrl, int centre)
    : cCmdSummonBase(templateId, parent, kind, req, registry, ownerCtrl, centre, 2) {
    cEdShot* s = Shot();
    if (!s) return;
    if (IsNew()) {
        CommonDefaults();
        s->m_bNoScore = 1;
        s->m_bFlipX = 1;
        s->m_bRange = 1;
        s->m_nRange = 100;
    }
    const size_t e16 = m_Edit16.size();
    m_Edit16.resize(e16 + 1);
    m_Edit16[e16].m_Param.Set(IDC_SU_LIFE, &s->m_nRange, 1, 9999, IDC_SU_LIFE_SPIN, 1);
    const size_t c = m_Checks.size();
    m_Checks.resize(c + 1);
    m_Checks[c].m_Param.Set(IDC_SU_LIFE_ON, &s->m_bRange);
}

cCmdDlgSummonItem::~cCmdDlgSummonItem() { DestroyModeless(); }

void cCmdDlgSummonItem::UpdateCtrls() {
    RefillEntries();
    EnableCtrl(m_Edit16, IDC_SU_LIFE, IsChecked(m_hWnd, IDC_SU_LIFE_ON) ? 1 : 0);
}
