// The wait, move and direction change pages: what a new command starts
// with, the rules that enable their controls, the distance / speed check
// on OK, and what OK and cancel leave in the command.
#include <windows.h>

#include <gtest/gtest.h>

#include <cfenv>
#include <memory>
#include <string>

#include "cmdedit/cmd_pages.h"
#include "cmdedit/cmdpage_move.h"
#include "cmdedit/cmdselect_dlg.h"
#include "model/cmd_tables.h"
#include "model/flow.h"
#include "tests/cmdedit/cmd_page_driver.h"
#include "tests/support/gui.h"

namespace {

TEST(DistSpeed, RatioAndItsBoundary) {
    struct Case {
        int distance, speed, unit;
        double ratio;
        bool valid;
    } cases[] = {
        {1, 10, 0, 1.6, true},     {1, 0, 0, 0.0, false},     {1, 160, 0, 0.1, true},
        {1, -160, 0, -0.1, true},  {1, 161, 0, 16.0 / 161, false}, {1, -161, 0, -16.0 / 161, false},
        {1, 20, 1, 0.05, false},   {2, 20, 1, 0.1, true},     {-2, 20, 1, -0.1, true},
        {64, 1, 0, 1024.0, true},  {3, 10, 5, 4.8, true},
        // the extremes of the edits
        {-32768, 32767, 0, -32768.0 * 16 / 32767, true}, {1, -32768, 1, 1.0 / -32768, false},
        {3277, 32767, 1, 3277.0 / 32767, true}, {3276, 32767, 1, 3276.0 / 32767, false},
    };
    for (const Case& c : cases) {
        const double r = DistSpeedRatio(static_cast<int16_t>(c.distance), static_cast<int16_t>(c.speed), c.unit);
        EXPECT_DOUBLE_EQ(c.ratio, r) << c.distance << "/" << c.speed << " unit " << c.unit;
        EXPECT_EQ(c.valid, IsValidDistSpeed(static_cast<int16_t>(c.distance), static_cast<int16_t>(c.speed), c.unit))
            << c.distance << "/" << c.speed << " unit " << c.unit;
    }
}

// The check on OK decides in whole numbers: a ratio of exactly 0.1 passes
// in any rounding mode (16.0 / 160 rounded toward zero is just under 0.1).
TEST(DistSpeed, BoundaryHoldsInEveryRoundingMode) {
    const int saved = fegetround();
    for (int mode : {FE_TONEAREST, FE_TOWARDZERO, FE_DOWNWARD, FE_UPWARD}) {
        fesetround(mode);
        EXPECT_TRUE(IsValidDistSpeed(1, 160, 0)) << mode;
        EXPECT_TRUE(IsValidDistSpeed(1, -160, 0)) << mode;
        EXPECT_TRUE(IsValidDistSpeed(2, 20, 1)) << mode;
        EXPECT_FALSE(IsValidDistSpeed(1, 161, 0)) << mode;
    }
    fesetround(saved);
}

class MovePage : public testing::Test {
protected:
    // Runs the kind's page on the command (as the selection dialog does).
    int Run(cEdCommand* cmd, int isNew, cDialogScript& script) {
        cEditReq req;
        req.m_pRecord = cmd;
        req.m_bNew = isNew;
        cmd->m_nCmdSet = 0;
        std::unique_ptr<cCmdDlg> page(
            MakeCmdPageForKind(cmd->m_nKind, CmdKindPageId(cmd->m_nKind), nullptr, &req, nullptr));
        return script.Run(page.get());
    }
    static HWND Item(HWND page, int id) { return GetDlgItem(page, id); }
    static std::string Text(HWND page, int id) {
        char buf[256] = "";
        GetWindowTextA(Item(page, id), buf, sizeof buf);
        return buf;
    }
    static void Type(HWND page, int id, const char* keys) {
        HWND edit = Item(page, id);
        ClickWindow(edit);
        PumpUntil([&] { return GetFocus() == edit; });
        PressKey(VK_END);
        for (int i = 0; i < 8; ++i) PressKey(VK_BACK);
        for (const char* k = keys; *k; ++k) PressKey(*k == '-' ? VK_SUBTRACT : static_cast<WORD>(*k));
        PumpUntilIdle();
    }
    static void Select(HWND page, int id, int row) {
        SendMessageA(Item(page, id), CB_SETCURSEL, static_cast<WPARAM>(row), 0);
        SendMessageA(page, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(Item(page, id)));
        PumpUntilIdle();
    }
    static int Row(HWND page, int id) { return static_cast<int>(SendMessageA(Item(page, id), CB_GETCURSEL, 0, 0)); }
    static bool Enabled(HWND page, int id) { return IsWindowEnabled(Item(page, id)) != 0; }
};

cEdCommand SpeedDistanceMove(int unit) {
    cEdCommand cmd;
    cmd.m_nKind = 2;
    NewShared(cmd.m_spMove);
    cmd.m_spMove->m_nSetType = 2;
    cmd.m_spMove->m_nDistanceUnit = static_cast<int8_t>(unit);
    cmd.m_spMove->m_nDistance = 5;
    cmd.m_spMove->m_nSpeed = 50;
    cmd.m_nTime = 7;
    return cmd;
}

// Typed distance and speed against the check on OK: a refused OK keeps the
// page open with its message and stores nothing; the ratio text follows
// the typing.
TEST_F(MovePage, DistanceSpeedCheckOnOk) {
    struct Case {
        const char* distance;
        const char* speed;
        int unit;
        const char* ratioText;
        bool accepted;
    } cases[] = {
        {"1", "10", 0, "距離(dot)÷速度　＝　1.60 (※分身は無視)", true},
        {"1", "0", 0, "距離(dot)÷速度　＝　0.00 (※分身は無視)", false},
        {"1", "160", 0, "距離(dot)÷速度　＝　0.10 (※分身は無視)", true},
        {"1", "-160", 0, "距離(dot)÷速度　＝　-0.10 (※分身は無視)", true},
        {"1", "161", 0, "距離(dot)÷速度　＝　0.10 (※分身は無視)", false},
        {"1", "20", 1, "距離(dot)÷速度　＝　0.05 (※分身は無視)", false},
        {"2", "20", 1, "距離(dot)÷速度　＝　0.10 (※分身は無視)", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.distance) + "/" + c.speed);
        cEdCommand cmd = SpeedDistanceMove(c.unit);
        const cEdMove before = *cmd.m_spMove;
        MsgBoxCatcher boxes;
        std::string ratio;
        bool openAfterOk = false;
        std::string shownAtOk;  // the two edits when OK was refused
        cDialogScript script;
        script.Then("直線移動", [&](HWND page) {
            Type(page, 1122, c.distance);
            Type(page, 1118, c.speed);
            ratio = Text(page, 1440);
            ClickWindow(Item(page, 1000));
            PumpUntilIdle();
            openAfterOk = IsWindow(page) && IsWindowVisible(page);
            if (openAfterOk) {
                shownAtOk = Text(page, 1122) + "/" + Text(page, 1118) + " " + Text(page, 1440);
                ClickWindow(Item(page, 1001));
            }
        });
        const int result = Run(&cmd, 0, script);
        EXPECT_EQ(c.ratioText, ratio);
        EXPECT_EQ(c.accepted ? 1 : 0, result) << shownAtOk;
        EXPECT_EQ(!c.accepted, openAfterOk);
        if (c.accepted) {
            EXPECT_TRUE(boxes.boxes.empty());
            EXPECT_EQ(atoi(c.distance), cmd.m_spMove->m_nDistance);
            EXPECT_EQ(atoi(c.speed), cmd.m_spMove->m_nSpeed);
        } else {
            ASSERT_EQ(1u, boxes.boxes.size());
            EXPECT_EQ("「距離÷速度」を0.10以上、または-0.10以下にして下さい！", boxes.boxes[0].text);
            EXPECT_TRUE(before == *cmd.m_spMove) << "a refused OK stored something";
        }
    }
}

// With the other setting types any distance and speed are stored, and the
// ratio texts are hidden.
TEST_F(MovePage, CheckOnlyWithSpeedAndDistance) {
    for (int type : {0, 1}) {
        cEdCommand cmd = SpeedDistanceMove(1);
        cmd.m_spMove->m_nSetType = static_cast<int8_t>(type);
        cmd.m_spMove->m_nDistance = 1;
        cmd.m_spMove->m_nSpeed = 0;
        bool ratioShown = true, timeOn = false, speedOn = true, distanceOn = true;
        cDialogScript script;
        script.Then("直線移動", [&](HWND page) {
            ratioShown = IsWindowVisible(Item(page, 1440)) != 0;
            timeOn = Enabled(page, 1113);
            speedOn = Enabled(page, 1118);
            distanceOn = Enabled(page, 1122);
            ClickWindow(Item(page, 1000));
        });
        EXPECT_EQ(1, Run(&cmd, 0, script)) << type;
        EXPECT_FALSE(ratioShown);
        EXPECT_TRUE(timeOn);
        EXPECT_EQ(type == 0, speedOn) << type;
        EXPECT_EQ(type == 1, distanceOn) << type;
    }
}

// A new straight move: its defaults, stored as shown; the direction rules
// for "入力方向" and for absolute targets.
TEST_F(MovePage, NewStraightMove) {
    cEdCommand cmd;
    cmd.m_nKind = 2;
    bool mirrorOn = true, flipXOn = true, flipYOn = true, targetEditOn = false;
    std::string maxSpeed, rate;
    cDialogScript script;
    script.Then("直線移動", [&](HWND page) {
        TourShot(page, "cmd_line_move");
        maxSpeed = Text(page, 1139);
        rate = Text(page, 1141);
        Select(page, 1128, 12);
        mirrorOn = Enabled(page, 1150);
        Select(page, 1127, 1);
        Select(page, 1129, 2);
        flipXOn = Enabled(page, 1144);
        flipYOn = Enabled(page, 1145);
        targetEditOn = Enabled(page, 1135);
        ClickWindow(Item(page, 1000));
    });
    EXPECT_EQ(1, Run(&cmd, 1, script));
    EXPECT_EQ("200", maxSpeed);
    EXPECT_EQ("1.0", rate);
    EXPECT_FALSE(mirrorOn);
    EXPECT_FALSE(flipXOn);
    EXPECT_FALSE(flipYOn);
    EXPECT_TRUE(targetEditOn);
    ASSERT_TRUE(cmd.m_spMove);
    const cEdMove& m = *cmd.m_spMove;
    EXPECT_EQ(1, cmd.m_nTime);
    EXPECT_EQ(200, m.m_nMaxSpeed);
    EXPECT_DOUBLE_EQ(1.0, m.m_dTurnSpeedRate);
    EXPECT_EQ(1, m.m_nDistance) << "shown and stored at the lowest of its range";
    EXPECT_EQ(1, m.m_nDirMode);
    EXPECT_EQ(12, m.m_nDirection);
    EXPECT_EQ(2, m.m_nTargetType);
    EXPECT_EQ(0, m.m_bFlipX);
    EXPECT_EQ(0, m.m_bFlipY);
}

// What the other new pages show before anything is touched, and what OK
// stores from them.
TEST_F(MovePage, NewPagesStartWithTheirDefaults) {
    {
        cEdCommand cmd;
        cmd.m_nKind = 4;
        int type = -1;
        std::string speed, start, end, radius;
        bool timeOn = true, speedOn = false;
        cDialogScript script;
        script.Then("円移動", [&](HWND page) {
            type = Row(page, 1126);
            speed = Text(page, 1118);
            start = Text(page, 1382);
            end = Text(page, 1124);
            radius = Text(page, 1183);
            timeOn = Enabled(page, 1113);
            speedOn = Enabled(page, 1118);
            TourShot(page, "cmd_circle_move");
            ClickWindow(Item(page, 1000));
        });
        EXPECT_EQ(1, Run(&cmd, 1, script));
        EXPECT_EQ(1, type);
        EXPECT_EQ("20", speed);
        EXPECT_EQ("0", start);
        EXPECT_EQ("360", end);
        EXPECT_EQ("6", radius);
        EXPECT_FALSE(timeOn);
        EXPECT_TRUE(speedOn);
        ASSERT_TRUE(cmd.m_spMove);
        EXPECT_EQ(360, cmd.m_spMove->m_nDistance);
    }
    {
        cEdCommand cmd;
        cmd.m_nKind = 9;
        int turn = -1;
        cDialogScript script;
        script.Then("向き変更", [&](HWND page) {
            TourShot(page, "cmd_turn");
            turn = Row(page, 1127);
            ClickWindow(Item(page, 1000));
        });
        EXPECT_EQ(1, Run(&cmd, 1, script));
        EXPECT_EQ(5, turn);
        ASSERT_EQ(1u, cmd.m_Params.size());
        EXPECT_EQ(5, cmd.m_Params[0]);
        EXPECT_EQ(1, cmd.m_nTime);
        EXPECT_FALSE(cmd.m_spMove) << "the direction change keeps no move record";
    }
    for (int kind : {1, 8}) {
        cEdCommand cmd;
        cmd.m_nKind = static_cast<int8_t>(kind);
        cmd.m_nTime = 0;
        cDialogScript script;
        script.Then(g_CmdKind[kind].m_Name.c_str(), [&](HWND page) {
            TourShot(page, kind == 1 ? "cmd_wait" : "cmd_move_disable");
            Type(page, 1113, "30");
            ClickWindow(Item(page, 1117));
            ClickWindow(Item(page, 1000));
        });
        EXPECT_EQ(1, Run(&cmd, 1, script)) << kind;
        EXPECT_EQ(30, cmd.m_nTime) << kind;
        EXPECT_EQ(1, cmd.m_bParallel) << kind;
        EXPECT_EQ(kind == 8, cmd.m_spMove != nullptr) << kind;
    }
}

// Cancel on an existing move leaves it as it was, whatever was typed; the
// inertia and anime checks enable their controls.
TEST_F(MovePage, CancelLeavesTheMoveAndChecksEnableTheirControls) {
    for (int kind : {3, 5, 6, 7}) {
        SCOPED_TRACE(kind);
        cEdCommand cmd = SpeedDistanceMove(0);
        cmd.m_nKind = static_cast<int8_t>(kind);
        cmd.m_spMove->m_nMaxSpeed = 33;
        const cEdCommand before = cmd;
        bool maxOff = false, maxOn = false, animeOff = false, animeOn = false;
        cDialogScript script;
        script.Then(g_CmdKind[kind].m_Name.c_str(), [&](HWND page) {
            TourShot(page, ("cmd_move_" + std::to_string(kind)).c_str());
            maxOff = !Enabled(page, 1139);
            animeOff = !Enabled(page, 1263);
            ClickWindow(Item(page, 1143));
            ClickWindow(Item(page, 1400));
            maxOn = Enabled(page, 1139) && Enabled(page, 1141);
            animeOn = Enabled(page, 1263);
            Type(page, 1139, "99");
            ClickWindow(Item(page, 1001));
        });
        EXPECT_EQ(0, Run(&cmd, 0, script));
        EXPECT_TRUE(maxOff && maxOn && animeOff && animeOn);
        EXPECT_TRUE(before == cmd);
    }
}

}  // namespace
