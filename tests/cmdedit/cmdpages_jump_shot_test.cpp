// The jump, shot and sword pages and the summon and flow operation pages:
// new-command defaults written by the constructor, a command with distinct
// values shown, edited with real input, stored on OK and untouched on
// cancel, and the enable rules, parameter rows, lists and previews.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>

#include "app/services.h"
#include "cmdedit/cmd_pages.h"
#include "cmdedit/cmdpage_flowop_res.h"
#include "cmdedit/cmdpage_jump_res.h"
#include "cmdedit/cmdpage_shot.h"
#include "cmdedit/cmdpage_shot_res.h"
#include "cmdedit/cmdpage_summon_res.h"
#include "cmdedit/cmdpage_sword_res.h"
#include "cmdedit/cmdselect_dlg.h"
#include "model/cmd_tables.h"
#include "model/database.h"
#include "model/palette.h"
#include "model/stage.h"
#include "model/system.h"
#include "cmdedit/graphic_picker.h"
#include "tests/cmdedit/page_input.h"
#include "tests/objedit/picture_sheets.h"
#include "tests/support/gui.h"

using namespace page_input;

namespace {

class CmdPages : public testing::Test {
protected:
    void SetUp() override {
        g_System.m_OldShotImages = 0;
        g_StageEdit.g_EditTarget = 1;
        g_Database.m_Anime.resize(4);
        g_Database.m_Sound.resize(3);
        g_Database.m_Effect.resize(5);
        g_Database.m_SwordType.resize(3);
        for (int i = 0; i < 4; ++i) g_Database.m_Anime[i].m_Name.Format("an%d", i);
        for (int i = 0; i < 3; ++i) g_Database.m_Sound[i].m_Name.Format("so%d", i);
        for (int i = 0; i < 5; ++i) g_Database.m_Effect[i].m_Name.Format("ef%d", i);
        for (int i = 0; i < 3; ++i) g_Database.m_SwordType[i].m_Name.Format("sw%d", i);
        g_CommonPalette.SetDefault();
        g_CommonPalette.Validate();
        g_Stage.SetDefault();
        g_Stage.m_PalItems.resize(4);
        g_Stage.m_PalCharas.resize(3);
        g_Stage.m_PalBlocks.resize(5);
        for (int i = 0; i < 4; ++i) g_Stage.m_PalItems[i].m_Name.Format("si%d", i);
        for (int i = 0; i < 3; ++i) g_Stage.m_PalCharas[i].m_Name.Format("sc%d", i);
        for (int i = 0; i < 5; ++i) g_Stage.m_PalBlocks[i].m_Name.Format("sb%d", i);
    }
    void TearDown() override {
        g_System.m_OldShotImages = 0;
        g_StageEdit.g_EditTarget = 0;
        g_Database.m_Anime.clear();
        g_Database.m_Sound.clear();
        g_Database.m_Effect.clear();
        g_Database.m_SwordType.clear();
        g_Stage.SetDefault();
    }

    // The page of the command's kind, built as the selection dialog builds it.
    static std::unique_ptr<cCmdDlg> Page(cEdCommand* cmd, int isNew) {
        cEditReq req;
        req.m_pRecord = cmd;
        req.m_bNew = isNew;
        return std::unique_ptr<cCmdDlg>(
            MakeCmdPageForKind(cmd->m_nKind, CmdKindPageId(cmd->m_nKind), nullptr, &req, nullptr));
    }
    // Runs the page of the command modal with the script.
    static int Run(cEdCommand* cmd, int isNew, const std::function<void(HWND)>& script) {
        std::unique_ptr<cCmdDlg> page = Page(cmd, isNew);
        if (!page) return -1;
        return RunModalScripted(page.get(), 0, script);
    }
    static cEdCommand Command(int kind) {
        cEdCommand cmd;
        cmd.m_nKind = static_cast<int8_t>(kind);
        return cmd;
    }
};

// The constructor of each page writes its defaults into a new command (and
// makes its shot record); they stay when the page is cancelled.
TEST_F(CmdPages, NewCommandDefaults) {
    struct Case {
        int kind;
        std::function<void(const cEdCommand&)> check;
    } cases[] = {
        {10,  // jump
         [](const cEdCommand& c) {
             EXPECT_EQ(1, c.m_nTime);
             EXPECT_EQ(1, c.m_bParallel);
             ASSERT_EQ(5u, c.m_Params.size());
             const int want[5] = {0, 100, 7, 0, 4};
             for (int i = 0; i < 5; ++i) EXPECT_EQ(want[i], c.m_Params[i]) << i;
         }},
        {kCmdShot,
         [](const cEdCommand& c) {
             ASSERT_TRUE(c.m_spShot);
             const cEdShot& s = *c.m_spShot;
             EXPECT_EQ(1, s.m_nGraphic);
             EXPECT_EQ(1, c.m_nTime);
             EXPECT_EQ(20, s.m_nSpeed);
             EXPECT_EQ(1, s.m_nPower);
             EXPECT_EQ(1, s.m_bPierceBlock);
             EXPECT_EQ(3, s.m_nZ);
             EXPECT_EQ(1, c.m_nAnime);
             EXPECT_EQ(1, c.m_nSound);
             EXPECT_EQ(1, s.m_nEffect);
             EXPECT_EQ(1, s.m_bUserFaction);
             EXPECT_EQ(1, s.m_bMirrorSpin);
             EXPECT_EQ(1, s.m_bFlipX);
             EXPECT_EQ(1, s.m_nScale);
         }},
        {kCmdSword,
         [](const cEdCommand& c) {
             ASSERT_TRUE(c.m_spShot);
             const cEdShot& s = *c.m_spShot;
             EXPECT_EQ(1, s.m_bPierceBlock);
             EXPECT_EQ(1, s.m_bPierceChara);
             EXPECT_EQ(0, s.m_bVanishByShot);
             EXPECT_EQ(10, s.m_nPower);
             EXPECT_EQ(3, s.m_nZ);
             EXPECT_EQ(1, c.m_nAnime);
             EXPECT_EQ(1, c.m_nSound);
             EXPECT_EQ(1, s.m_nEffect);
         }},
        {kCmdSummonBlock,
         [](const cEdCommand& c) {
             ASSERT_TRUE(c.m_spShot);
             const cEdShot& s = *c.m_spShot;
             EXPECT_EQ(1, c.m_nTime);
             EXPECT_EQ(1, c.m_nAnime);
             EXPECT_EQ(1, c.m_nSound);
             EXPECT_EQ(1, s.m_nSummonIndex);
             EXPECT_EQ(0, s.m_bFailOnPlayer);
             EXPECT_EQ(1, s.m_bFailOnEnemy);
             EXPECT_EQ(1, s.m_bFlipX);
         }},
        {kCmdSummonChara,
         [](const cEdCommand& c) {
             ASSERT_TRUE(c.m_spShot);
             const cEdShot& s = *c.m_spShot;
             EXPECT_EQ(1, c.m_nTime);
             EXPECT_EQ(1, s.m_nSummonIndex);
             EXPECT_EQ(1, s.m_bNoScore);
             EXPECT_EQ(1, s.m_bRange);
             EXPECT_EQ(100, s.m_nRange);
         }},
        {kCmdSummonItem,
         [](const cEdCommand& c) {
             ASSERT_TRUE(c.m_spShot);
             const cEdShot& s = *c.m_spShot;
             EXPECT_EQ(1, c.m_nTime);
             EXPECT_EQ(1, s.m_nSummonIndex);
             EXPECT_EQ(1, s.m_bNoScore);
             EXPECT_EQ(1, s.m_bFlipX);
             EXPECT_EQ(1, s.m_bRange);
             EXPECT_EQ(100, s.m_nRange);
         }},
        {kCmdFlowOp,
         [](const cEdCommand& c) {
             EXPECT_EQ(0, c.m_nTime);
             EXPECT_EQ(1, c.m_bParallel);
             EXPECT_EQ(3u, c.m_Params.size());
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.kind);
        cEdCommand cmd = Command(c.kind);
        cmd.m_nTime = 77;
        {
            std::unique_ptr<cCmdDlg> page = Page(&cmd, 1);
            ASSERT_TRUE(page);
            c.check(cmd);  // before the page shows
        }
        cEdCommand cancelled = Command(c.kind);
        EXPECT_EQ(0, Run(&cancelled, 1, [](HWND dlg) { End(dlg, 1001); }));
        c.check(cancelled);
    }
    // with the old shot images a new shot starts at graphic 0
    g_System.m_OldShotImages = 1;
    cEdCommand shot = Command(kCmdShot);
    Page(&shot, 1);
    ASSERT_TRUE(shot.m_spShot);
    EXPECT_EQ(0, shot.m_spShot->m_nGraphic);
}

// The jump page: parameters shown, edited, stored on OK only; the speeds
// and the smaller height follow the jump type.
TEST_F(CmdPages, JumpBindingsAndType) {
    for (int endId : {1000, 1001}) {
        SCOPED_TRACE(endId);
        cEdCommand cmd = Command(10);
        cmd.m_Params = {1, 150, 12, 30, 3};
        cmd.m_nAnime = 2;
        cmd.m_nSound = 1;
        cmd.m_bMuteOffScreen = 0;
        const int result = Run(&cmd, 0, [&](HWND dlg) {
            EXPECT_EQ(1, Sel(dlg, IDC_JP_TYPE));
            EXPECT_EQ("150", Text(dlg, IDC_JP_MAX_SPEED));
            EXPECT_EQ("12", Text(dlg, IDC_JP_MAX_HEIGHT));
            EXPECT_EQ("30", Text(dlg, IDC_JP_MIN_SPEED));
            EXPECT_EQ("3", Text(dlg, IDC_JP_MIN_HEIGHT));
            EXPECT_EQ("02 an2", Text(dlg, IDC_JP_ANIME));
            EXPECT_FALSE(Checked(dlg, IDC_JP_MUTE));
            for (int id : {IDC_JP_MAX_SPEED, IDC_JP_MIN_SPEED, IDC_JP_MIN_HEIGHT}) EXPECT_FALSE(Enabled(dlg, id)) << id;
            EXPECT_TRUE(Enabled(dlg, IDC_JP_MAX_HEIGHT));
            Choose(dlg, IDC_JP_TYPE, 1);
            for (int id : {IDC_JP_MAX_SPEED, IDC_JP_MIN_SPEED, IDC_JP_MIN_HEIGHT}) EXPECT_TRUE(Enabled(dlg, id)) << id;
            Type(dlg, IDC_JP_MAX_SPEED, "250");  // held to 200
            EXPECT_EQ("200", Text(dlg, IDC_JP_MAX_SPEED));
            Type(dlg, IDC_JP_MAX_HEIGHT, "9");
            Type(dlg, IDC_JP_MIN_HEIGHT, "2");
            Choose(dlg, IDC_JP_ANIME, 1);
            Click(dlg, IDC_JP_MUTE);
            TourShot(dlg, "cmd_jump");
            End(dlg, endId);
        });
        const bool ok = endId == 1000;
        EXPECT_EQ(ok ? 1 : 0, result);
        const int want[5] = {ok ? 2 : 1, ok ? 200 : 150, ok ? 9 : 12, 30, ok ? 2 : 3};
        for (int i = 0; i < 5; ++i) EXPECT_EQ(want[i], cmd.m_Params[i]) << i;
        EXPECT_EQ(ok ? 3 : 2, cmd.m_nAnime);
        EXPECT_EQ(ok ? 1 : 0, cmd.m_bMuteOffScreen);
    }
}

cEdCommand DistinctShot() {
    cEdCommand cmd;
    cmd.m_nKind = kCmdShot;
    cmd.m_nTime = 40;
    cmd.m_nTimeClone = -3;
    cmd.m_bParallel = 1;
    cmd.m_nAnime = 2;
    cmd.m_nSound = 2;
    NewShared(cmd.m_spShot);
    cEdShot& s = *cmd.m_spShot;
    s.m_nGraphic = 45;
    s.m_nZ = 6;
    s.m_nFormation = 3;  // "落雷"
    s.m_nFormationParam[0] = 5;
    s.m_nFormationParam[1] = 7;
    s.m_nFormationParam[2] = 9;
    s.m_nCount = 12;
    s.m_nClones = 4;
    s.m_nDirection = 7;
    s.m_nAngle = -900;
    s.m_nAngleClone = 15;
    s.m_nSpread = 45;
    s.m_nOffsetX = -32;
    s.m_nOffsetXClone = 8;
    s.m_nOffsetY = 16;
    s.m_nOffsetYClone = -4;
    s.m_bFlipX = 0;
    s.m_bFlipY = 1;
    s.m_bUserFaction = 0;
    s.m_nFaction = 5;
    s.m_nScale = 3;
    s.m_nMoveType = 8;  // "ウェーブ"
    s.m_nMoveParam[0] = 10;
    s.m_nMoveParam[1] = 20;
    s.m_nMoveParam[2] = 90;
    s.m_nSpeed = -60;
    s.m_nSpeedClone = 2;
    s.m_bAccel = 1;
    s.m_nAccel = 5;
    s.m_nAccelClone = -1;
    s.m_bRange = 1;
    s.m_nRange = 30;
    s.m_nRangeClone = -6;
    s.m_bLife = 0;
    s.m_nLife = 50;
    s.m_bVanishByShot = 1;
    s.m_nVanishValue = 4;
    s.m_nPower = -1234;
    s.m_nImpact = -9;
    s.m_nEffect = 3;
    s.m_nItemPalette = 2;
    s.m_nItem = 2;
    return cmd;
}

// The shot page: every bound value shown; edits stored on OK only.
TEST_F(CmdPages, ShotBindings) {
    for (int endId : {1000, 1001}) {
        SCOPED_TRACE(endId);
        cEdCommand cmd = DistinctShot();
        const cEdShot before = *cmd.m_spShot;
        const int result = Run(&cmd, 0, [&](HWND dlg) {
            const struct {
                int id;
                const char* text;
            } texts[] = {
                {IDC_SH_TIME, "40"},        {IDC_SH_TIME_CLONE, "-3"},   {IDC_SH_GRAPHIC, "45"},
                {IDC_SH_Z, "6"},            {IDC_SH_FPARAM1, "5"},       {IDC_SH_FPARAM2, "7"},
                {IDC_SH_FPARAM3, "9"},      {IDC_SH_COUNT, "12"},        {IDC_SH_CLONES, "4"},
                {IDC_SH_ANGLE, "-900"},     {IDC_SH_ANGLE_CLONE, "15"},  {IDC_SH_SPREAD, "45"},
                {IDC_SH_OFFSETX, "-32"},    {IDC_SH_OFFSETX_CLONE, "8"}, {IDC_SH_OFFSETY, "16"},
                {IDC_SH_OFFSETY_CLONE, "-4"}, {IDC_SH_FACTION, "5"},     {IDC_SH_MPARAM1, "10"},
                {IDC_SH_MPARAM2, "20"},     {IDC_SH_MPARAM3, "90"},      {IDC_SH_SPEED, "-60"},
                {IDC_SH_SPEED_CLONE, "2"},  {IDC_SH_ACCEL, "5"},         {IDC_SH_ACCEL_CLONE, "-1"},
                {IDC_SH_RANGE, "30"},       {IDC_SH_RANGE_CLONE, "-6"},  {IDC_SH_LIFE, "50"},
                {IDC_SH_VANISH_VALUE, "4"}, {IDC_SH_POWER, "-1234"},     {IDC_SH_IMPACT, "-9"},
                {IDC_SH_FORMATION, "落雷"}, {IDC_SH_DIRECTION, "下"},    {IDC_SH_SCALE, "×9"},
                {IDC_SH_MOVE, "ウェーブ"},  {IDC_SH_EFFECT, "03 ef3"},   {IDC_SH_ITEM_PALETTE, "ステージパレット"},
                {IDC_SH_ITEM, "002 si2"},   {IDC_SH_ANIME, "02 an2"},    {IDC_SH_SOUND, "02 so2"},
                {IDC_SH_FLABEL1, "間隔(hbl)"}, {IDC_SH_FLABEL2, "列の数"}, {IDC_SH_FLABEL3, "列の間隔(hbl)"},
                {IDC_SH_MLABEL1, "波の最大(hbl)"}, {IDC_SH_MLABEL2, "波の速度"}, {IDC_SH_MLABEL3, "開始角度"},
            };
            for (const auto& t : texts) EXPECT_EQ(t.text, Text(dlg, t.id)) << t.id;
            EXPECT_TRUE(Checked(dlg, IDC_SH_PARALLEL));
            EXPECT_FALSE(Checked(dlg, IDC_SH_FLIPX));
            EXPECT_TRUE(Checked(dlg, IDC_SH_FLIPY));
            EXPECT_FALSE(Checked(dlg, IDC_SH_USER_FACTION));
            EXPECT_TRUE(Enabled(dlg, IDC_SH_FACTION));
            EXPECT_FALSE(Enabled(dlg, IDC_SH_LIFE));
            EXPECT_TRUE(Enabled(dlg, IDC_SH_VANISH_VALUE));
            EXPECT_TRUE(Enabled(dlg, IDC_SH_KEEP_AT_END));

            Type(dlg, IDC_SH_TIME, "25");
            Type(dlg, IDC_SH_POWER, "500");
            Type(dlg, IDC_SH_SPEED, "300");  // held to 200
            Type(dlg, IDC_SH_ANGLE_CLONE, "20");
            Type(dlg, IDC_SH_FPARAM2, "3");
            Click(dlg, IDC_SH_USER_FACTION);
            EXPECT_FALSE(Enabled(dlg, IDC_SH_FACTION));
            Click(dlg, IDC_SH_LIFE_ON);
            EXPECT_TRUE(Enabled(dlg, IDC_SH_LIFE));
            Click(dlg, IDC_SH_RANGE_ON);
            EXPECT_FALSE(Enabled(dlg, IDC_SH_RANGE));
            EXPECT_FALSE(Enabled(dlg, IDC_SH_KEEP_AT_END));
            Choose(dlg, IDC_SH_SCALE, 2);
            Choose(dlg, IDC_SH_DIRECTION, -2);
            Choose(dlg, IDC_SH_ITEM, 1);
            TourShot(dlg, "cmd_shot");
            End(dlg, endId);
        });
        const bool ok = endId == 1000;
        EXPECT_EQ(ok ? 1 : 0, result);
        const cEdShot& s = *cmd.m_spShot;
        if (!ok) {
            EXPECT_TRUE(s == before);
            EXPECT_EQ(40, cmd.m_nTime);
            continue;
        }
        EXPECT_EQ(25, cmd.m_nTime);
        EXPECT_EQ(500, s.m_nPower);
        EXPECT_EQ(200, s.m_nSpeed);
        EXPECT_EQ(20, s.m_nAngleClone);
        EXPECT_EQ(3, s.m_nFormationParam[1]);
        EXPECT_EQ(1, s.m_bUserFaction);
        EXPECT_EQ(1, s.m_bLife);
        EXPECT_EQ(0, s.m_bRange);
        EXPECT_EQ(5, s.m_nScale);
        EXPECT_EQ(5, s.m_nDirection);
        EXPECT_EQ(3, s.m_nItem);
        // untouched fields keep their values
        EXPECT_EQ(45, s.m_nGraphic);
        EXPECT_EQ(-900, s.m_nAngle);
        EXPECT_EQ(90, s.m_nMoveParam[2]);
        EXPECT_EQ(-6, s.m_nRangeClone);
    }
}

// Changing the formation sets its rows' labels, ranges and defaults and the
// aim and position check boxes; a stored value outside its row is shown and
// stored clamped.
TEST_F(CmdPages, ShotFormationRows) {
    cEdCommand cmd = DistinctShot();
    cmd.m_spShot->m_nFormation = 0;
    cmd.m_spShot->m_nFormationParam[0] = 70;  // "間隔(hbl)" is 0 .. 40
    cmd.m_spShot->m_nFormationParam[1] = 5;   // unused: 0 .. 0
    cmd.m_spShot->m_bAimAtTarget = 1;
    Run(&cmd, 0, [&](HWND dlg) {
        EXPECT_EQ("40", Text(dlg, IDC_SH_FPARAM1));
        EXPECT_EQ("0", Text(dlg, IDC_SH_FPARAM2));
        EXPECT_FALSE(Enabled(dlg, IDC_SH_FPARAM2));
        EXPECT_TRUE(Enabled(dlg, IDC_SH_AIM));
        EXPECT_TRUE(Enabled(dlg, IDC_SH_POS_BY_ANGLE));
        Choose(dlg, IDC_SH_FORMATION, 3);  // "落雷"
        EXPECT_EQ("0", Text(dlg, IDC_SH_FPARAM1));
        EXPECT_EQ("1", Text(dlg, IDC_SH_FPARAM2));
        EXPECT_EQ("0", Text(dlg, IDC_SH_FPARAM3));
        EXPECT_EQ("列の数", Text(dlg, IDC_SH_FLABEL2));
        for (int id : {IDC_SH_FPARAM1, IDC_SH_FPARAM2, IDC_SH_FPARAM3}) EXPECT_TRUE(Enabled(dlg, id)) << id;
        EXPECT_FALSE(Enabled(dlg, IDC_SH_AIM));
        EXPECT_TRUE(Checked(dlg, IDC_SH_AIM));
        EXPECT_FALSE(Enabled(dlg, IDC_SH_POS_BY_ANGLE));
        Choose(dlg, IDC_SH_FORMATION, 1);  // "爆発"
        for (int id : {IDC_SH_FPARAM1, IDC_SH_FPARAM2, IDC_SH_FPARAM3}) {
            EXPECT_FALSE(Enabled(dlg, id)) << id;
            EXPECT_EQ("0", Text(dlg, id)) << id;
        }
        EXPECT_FALSE(Checked(dlg, IDC_SH_AIM));
        Choose(dlg, IDC_SH_FORMATION, 1);  // "包囲": distance 6 by default
        EXPECT_EQ("6", Text(dlg, IDC_SH_FPARAM1));
        // the move type's rows the same way
        Choose(dlg, IDC_SH_MOVE, -4);  // "主人公へ誘導"
        EXPECT_EQ("誘導終了(hbl)", Text(dlg, IDC_SH_MLABEL2));
        EXPECT_EQ("999", Text(dlg, IDC_SH_MPARAM2));
        EXPECT_FALSE(Enabled(dlg, IDC_SH_MPARAM3));
        End(dlg, 1000);
    });
    const cEdShot& s = *cmd.m_spShot;
    EXPECT_EQ(5, s.m_nFormation);
    EXPECT_EQ(6, s.m_nFormationParam[0]);
    EXPECT_EQ(0, s.m_nFormationParam[1]);
    EXPECT_EQ(1, s.m_bAimAtTarget);
    EXPECT_EQ(4, s.m_nMoveType);
    EXPECT_EQ(999, s.m_nMoveParam[1]);
    EXPECT_EQ(0, s.m_nMoveParam[2]);

    // opened and confirmed as it is: the stored value comes back clamped
    cEdCommand clamped = DistinctShot();
    clamped.m_spShot->m_nFormation = 0;
    clamped.m_spShot->m_nFormationParam[0] = 70;
    Run(&clamped, 0, [](HWND dlg) { End(dlg, 1000); });
    EXPECT_EQ(40, clamped.m_spShot->m_nFormationParam[0]);
}

// The graphic: its range by the old-images setting, the preview cell of
// the shot bitmap, and the picker on the shot sheet.
struct PickScript {
    int sheet = -1;
    bool seen = false;
};
PickScript g_Pick;

void CALLBACK PickTimer(HWND, UINT, UINT_PTR id, DWORD) {
    HWND wnd = FindWindowA(nullptr, "グラフィック");
    if (!wnd || !IsWindowVisible(wnd) || g_Pick.seen) return;
    cGraphicPickDlg* dlg = dynamic_cast<cGraphicPickDlg*>(static_cast<cDlg*>(GetPropA(wnd, "DLG_CLASS")));
    if (!dlg || !dlg->m_bInit) return;
    g_Pick.seen = true;
    g_Pick.sheet = dlg->m_nSheet;
    KillTimer(nullptr, id);
    ClickClientPoint(wnd, 2 * 32 + 5, 3 * 32 + 5);  // cell 33
}

TEST_F(CmdPages, ShotGraphicPreviewAndPicker) {
    ASSERT_TRUE(MakeCodedSheet(g_Bitmaps[20], 20, 128, 480));
    for (int s = 0; s < kPickSheetCount; ++s) ASSERT_TRUE(MakeCodedSheet(g_Bitmaps[27 + s], s, 256, 480));
    struct Case {
        int old;
        const char* typed;
        const char* shown;
    } cases[] = {{0, "0", "1"}, {1, "0", "0"}, {0, "130", "120"}};
    for (const Case& c : cases) {
        g_System.m_OldShotImages = c.old;
        cEdCommand cmd = DistinctShot();
        Run(&cmd, 0, [&](HWND dlg) {
            Type(dlg, IDC_SH_GRAPHIC, c.typed);
            EXPECT_EQ(c.shown, Text(dlg, IDC_SH_GRAPHIC)) << c.old << " " << c.typed;
            End(dlg, 1001);
        });
    }
    g_System.m_OldShotImages = 0;
    cEdCommand cmd = DistinctShot();  // graphic 45: column 1, row 15
    std::unique_ptr<cCmdDlg> page = Page(&cmd, 0);
    cCmdDlgShot* shot = dynamic_cast<cCmdDlgShot*>(page.get());
    ASSERT_TRUE(shot);
    RunModalScripted(page.get(), 0, [&](HWND dlg) {
        shot->Draw();
        const cDib& preview = shot->m_Pictures[0].m_Ctrl.m_Offscreen;
        EXPECT_EQ(SheetCode(20, 32 + 3, 240 + 3), SurfacePixel(preview, 3, 3));
        EXPECT_EQ(SheetCode(20, 32 + 12, 240 + 12), SurfacePixel(preview, 12, 12));
        g_Pick = PickScript();
        SetTimer(nullptr, 0, 50, PickTimer);
        Click(dlg, IDC_SH_PICK);
        PumpUntil([&] { return g_Pick.seen && !FindWindowA(nullptr, "グラフィック"); }, 10000);
        EXPECT_EQ(3, g_Pick.sheet);
        EXPECT_EQ("33", Text(dlg, IDC_SH_GRAPHIC));
        shot->Draw();
        EXPECT_EQ(SheetCode(20, 32 + 3, 3 * 16 + 3), SurfacePixel(preview, 3, 3));
        End(dlg, 1000);
    });
    EXPECT_EQ(33, cmd.m_spShot->m_nGraphic);
    g_Bitmaps[20].Delete();
    for (int s = 0; s < kPickSheetCount; ++s) g_Bitmaps[27 + s].Delete();
}

// The item of a shot or sword: the palette choices by the edit target,
// "なし" locks the item list, a palette fills it with its items.
TEST_F(CmdPages, ItemPaletteChoices) {
    struct Case {
        int kind, target, paletteId, itemId, choices;
    } cases[] = {
        {kCmdShot, 1, IDC_SH_ITEM_PALETTE, IDC_SH_ITEM, 3},
        {kCmdShot, 2, IDC_SH_ITEM_PALETTE, IDC_SH_ITEM, 2},
        {kCmdSword, 1, IDC_SW_ITEM_PALETTE, IDC_SW_ITEM, 3},
        {kCmdSword, 2, IDC_SW_ITEM_PALETTE, IDC_SW_ITEM, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.kind * 10 + c.target);
        g_StageEdit.g_EditTarget = c.target;
        cEdCommand cmd = Command(c.kind);
        Run(&cmd, 1, [&](HWND dlg) {
            EXPECT_EQ(c.choices, Count(dlg, c.paletteId));
            EXPECT_EQ(0, Sel(dlg, c.paletteId));
            EXPECT_FALSE(Enabled(dlg, c.itemId));
            Choose(dlg, c.paletteId, c.choices - 1);
            EXPECT_TRUE(Enabled(dlg, c.itemId));
            const int items = c.choices == 3 ? 3 : static_cast<int>(g_CommonPalette.m_Items.size()) - 1;
            EXPECT_EQ(items, Count(dlg, c.itemId));
            if (c.choices == 3) {
                EXPECT_EQ("001 si1", Text(dlg, c.itemId));
            }
            End(dlg, 1000);
        });
        EXPECT_EQ(c.choices - 1, cmd.m_spShot->m_nItemPalette);
        EXPECT_EQ(1, cmd.m_spShot->m_nItem);
    }
}

// The sword page: the execution time is the sword type's total, capped at
// 9999, and cannot be typed.
TEST_F(CmdPages, SwordTimeFollowsItsType) {
    g_Database.m_SwordType[1].m_Positions.resize(2);
    g_Database.m_SwordType[1].m_Positions[0].m_Time = 12;
    g_Database.m_SwordType[1].m_Positions[1].m_Time = 30;
    g_Database.m_SwordType[2].m_Positions.resize(2);
    g_Database.m_SwordType[2].m_Positions[0].m_Time = 9000;
    g_Database.m_SwordType[2].m_Positions[1].m_Time = 5000;
    cEdCommand cmd = Command(kCmdSword);
    const int result = Run(&cmd, 1, [&](HWND dlg) {
        EXPECT_FALSE(Enabled(dlg, IDC_SW_TIME));
        EXPECT_EQ("00 sw0", Text(dlg, IDC_SW_TYPE));
        Choose(dlg, IDC_SW_TYPE, 1);
        EXPECT_EQ("42", Text(dlg, IDC_SW_TIME));
        Choose(dlg, IDC_SW_TYPE, 1);
        EXPECT_EQ("9999", Text(dlg, IDC_SW_TIME));
        Type(dlg, IDC_SW_POWER, "77");
        Click(dlg, IDC_SW_USER_FACTION);
        EXPECT_TRUE(Enabled(dlg, IDC_SW_FACTION));
        TourShot(dlg, "cmd_sword");
        End(dlg, 1000);
    });
    EXPECT_EQ(1, result);
    EXPECT_EQ(9999, cmd.m_nTime);
    EXPECT_EQ(2, cmd.m_spShot->m_nMoveType);
    EXPECT_EQ(77, cmd.m_spShot->m_nPower);
    EXPECT_EQ(0, cmd.m_spShot->m_bUserFaction);
}

// A sword type or a shot record that a damaged file left out: the page
// reads no record past the table and makes the missing record, so the
// controls have fields to show and OK has somewhere to store.
TEST_F(CmdPages, DamagedSwordAndShotCommands) {
    cEdCommand sword = Command(kCmdSword);
    NewShared(sword.m_spShot);
    sword.m_spShot->m_nMoveType = 9;  // three sword types
    sword.m_nTime = 33;
    EXPECT_EQ(1, Run(&sword, 0, [](HWND dlg) {
        EXPECT_EQ("33", Text(dlg, IDC_SW_TIME));
        End(dlg, 1000);
    }));
    EXPECT_EQ(33, sword.m_nTime);

    for (int kind : {kCmdShot, kCmdSword, kCmdSummonBlock, kCmdSummonChara, kCmdSummonItem}) {
        cEdCommand cmd = Command(kind);
        ASSERT_FALSE(cmd.m_spShot);
        EXPECT_EQ(1, Run(&cmd, 0, [](HWND dlg) { End(dlg, 1000); })) << kind;
        EXPECT_TRUE(cmd.m_spShot) << kind;
    }
}

// Block summon: the defaults shown; "ブロックを消す" locks the palette, the
// block and both fail boxes; the stage palette fills the entry list.
TEST_F(CmdPages, BlockSummon) {
    cEdCommand cmd = Command(kCmdSummonBlock);
    Run(&cmd, 1, [&](HWND dlg) {
        EXPECT_EQ("ブロックを召喚", Text(dlg, IDC_SU_TYPE));
        EXPECT_EQ(0, Sel(dlg, IDC_SU_ENTRY));
        EXPECT_EQ("1", Text(dlg, IDC_SU_COUNT));
        EXPECT_EQ("直進A", Text(dlg, IDC_SU_FORMATION));
        EXPECT_EQ("間隔(hbl)", Text(dlg, IDC_SU_FLABEL1));
        EXPECT_EQ("0", Text(dlg, IDC_SU_FPARAM1));
        EXPECT_TRUE(Checked(dlg, IDC_SU_FAIL_ENEMY));
        EXPECT_FALSE(Checked(dlg, IDC_SU_FAIL_PLAYER));
        Choose(dlg, IDC_SU_TYPE, 1);
        for (int id : {IDC_SU_PALETTE, IDC_SU_ENTRY, IDC_SU_FAIL_PLAYER, IDC_SU_FAIL_ENEMY})
            EXPECT_FALSE(Enabled(dlg, id)) << id;
        Choose(dlg, IDC_SU_TYPE, 1);
        for (int id : {IDC_SU_PALETTE, IDC_SU_ENTRY, IDC_SU_FAIL_PLAYER, IDC_SU_FAIL_ENEMY})
            EXPECT_TRUE(Enabled(dlg, id)) << id;
        Choose(dlg, IDC_SU_PALETTE, 1);
        EXPECT_EQ(4, Count(dlg, IDC_SU_ENTRY));
        Choose(dlg, IDC_SU_ENTRY, 2);
        EXPECT_EQ("003 sb3", Text(dlg, IDC_SU_ENTRY));
        TourShot(dlg, "cmd_summon_block");
        End(dlg, 1000);
    });
    const cEdShot& s = *cmd.m_spShot;
    EXPECT_EQ(2, s.m_nSummonType);
    EXPECT_EQ(1, s.m_nSummonPalette);
    EXPECT_EQ(3, s.m_nSummonIndex);
    EXPECT_EQ(1, s.m_nCount);
}

// Chara summon: the faction number only for "番号で指定" (0 .. 8); the
// existence time follows its check. While a common palette entry is edited
// only the common palette is offered.
TEST_F(CmdPages, CharaAndItemSummon) {
    cEdCommand cmd = Command(kCmdSummonChara);
    Run(&cmd, 1, [&](HWND dlg) {
        EXPECT_EQ(2, Count(dlg, IDC_SU_PALETTE));
        EXPECT_TRUE(Checked(dlg, IDC_SU_LIFE_ON));
        EXPECT_EQ("100", Text(dlg, IDC_SU_LIFE));
        EXPECT_FALSE(Enabled(dlg, IDC_SU_FACTION));
        Choose(dlg, IDC_SU_FACTION_MODE, 1);
        EXPECT_FALSE(Enabled(dlg, IDC_SU_FACTION));
        Choose(dlg, IDC_SU_FACTION_MODE, 1);
        EXPECT_TRUE(Enabled(dlg, IDC_SU_FACTION));
        Type(dlg, IDC_SU_FACTION, "9");
        EXPECT_EQ("8", Text(dlg, IDC_SU_FACTION));
        Click(dlg, IDC_SU_LIFE_ON);
        EXPECT_FALSE(Enabled(dlg, IDC_SU_LIFE));
        Click(dlg, IDC_SU_REVERSE);
        TourShot(dlg, "cmd_summon_chara");
        End(dlg, 1000);
    });
    EXPECT_EQ(2, cmd.m_spShot->m_nSummonFaction);
    EXPECT_EQ(8, cmd.m_spShot->m_nFaction);
    EXPECT_EQ(0, cmd.m_spShot->m_bRange);
    EXPECT_EQ(1, cmd.m_spShot->m_bReverseDir);

    g_StageEdit.g_EditTarget = 2;
    cEdCommand item = Command(kCmdSummonItem);
    Run(&item, 1, [&](HWND dlg) {
        EXPECT_EQ(1, Count(dlg, IDC_SU_PALETTE));
        EXPECT_EQ("コモンパレット", Text(dlg, IDC_SU_PALETTE));
        EXPECT_EQ(static_cast<int>(g_CommonPalette.m_Items.size()) - 1, Count(dlg, IDC_SU_ENTRY));
        Type(dlg, IDC_SU_LIFE, "0");
        EXPECT_EQ("1", Text(dlg, IDC_SU_LIFE));
        End(dlg, 1000);
    });
    EXPECT_EQ(1, item.m_spShot->m_nRange);
    EXPECT_EQ(0, item.m_spShot->m_nSummonPalette);
}

// Flow operation: the ID is chosen only with "IDで指定"; "-" and A to Z.
TEST_F(CmdPages, FlowOperation) {
    cEdCommand cmd = Command(kCmdFlowOp);
    cmd.m_Params = {2, 0, 0};
    Run(&cmd, 0, [&](HWND dlg) {
        EXPECT_EQ("一時停止", Text(dlg, IDC_FO_OP));
        EXPECT_EQ(27, Count(dlg, IDC_FO_ID));
        EXPECT_FALSE(Enabled(dlg, IDC_FO_ID));
        Choose(dlg, IDC_FO_TARGET, 1);
        EXPECT_FALSE(Enabled(dlg, IDC_FO_ID));
        Choose(dlg, IDC_FO_TARGET, 1);
        EXPECT_TRUE(Enabled(dlg, IDC_FO_ID));
        Choose(dlg, IDC_FO_ID, 3);
        EXPECT_EQ("C", Text(dlg, IDC_FO_ID));
        Choose(dlg, IDC_FO_OP, 2);
        TourShot(dlg, "cmd_flow_op");
        End(dlg, 1000);
    });
    const int want[3] = {4, 2, 3};
    for (int i = 0; i < 3; ++i) EXPECT_EQ(want[i], cmd.m_Params[i]) << i;
}

}  // namespace
