// The two status operation pages: new-command defaults, a command with
// distinct values shown, edited with real input, stored on OK and untouched
// on cancel; the left and right sides of the first page with their ranges,
// percent choices and variable lists, its variable renames; the second
// page's item choices with their minimums.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/services.h"
#include "cmdedit/cmd_pages.h"
#include "cmdedit/cmdpage_status.h"
#include "cmdedit/cmdpage_status2_res.h"
#include "cmdedit/cmdpage_status_res.h"
#include "cmdedit/cmdselect_dlg.h"
#include "model/cmd_tables.h"
#include "model/stage.h"
#include "tests/cmdedit/cmd_page_driver.h"
#include "tests/cmdedit/page_input.h"
#include "tests/support/gui.h"

using namespace page_input;

namespace {

const int kStatusKind = 22;
const int kStatus2Kind = 23;
const char kStatusCaption[] = "ステータスの操作";
const char kStatus2Caption[] = "ステータスの操作2";

class StatusPages : public testing::Test {
protected:
    void SetUp() override {
        g_GValInfo.clear();
        g_GValInfo.resize(6);
        g_GValInfo[3].m_Name = "coins";
        g_Stage.SetDefault();
        g_Stage.m_Vars.clear();
        g_Stage.m_Vars.resize(4);
        g_Stage.m_Vars[2].m_Name = "door";
        g_StatusOpLastItem = -1;
        DeleteFileA("data\\GValInfo.dat");
    }
    void TearDown() override {
        g_Stage.SetDefault();
        g_GValInfo.clear();
        PumpUntilIdle();
    }

    static cEdCommand Command(int kind, std::initializer_list<int32_t> params = {}) {
        cEdCommand cmd;
        cmd.m_nKind = static_cast<int8_t>(kind);
        for (int32_t p : params) cmd.m_Params.push_back(p);
        return cmd;
    }
    static std::unique_ptr<cCmdDlg> Page(cEdCommand* cmd, int isNew) {
        cEditReq req;
        req.m_pRecord = cmd;
        req.m_bNew = isNew;
        return std::unique_ptr<cCmdDlg>(
            MakeCmdPageForKind(cmd->m_nKind, CmdKindPageId(cmd->m_nKind), nullptr, &req, nullptr));
    }
    static int Run(cEdCommand* cmd, int isNew, const std::function<void(HWND)>& script) {
        std::unique_ptr<cCmdDlg> page = Page(cmd, isNew);
        if (!page) return -1;
        return RunModalScripted(page.get(), 0, script);
    }
    // The typed value shown after the edit held it into its range.
    static std::string Held(HWND dlg, int id, const char* keys) {
        Type(dlg, id, keys);
        return Text(dlg, id);
    }
};

// Both pages write the common command defaults (and the first its own) into
// a new command before they show; a cancel keeps them.
TEST_F(StatusPages, NewCommandDefaults) {
    struct Case {
        int kind;
        size_t count;
        std::vector<int32_t> params;
    } cases[] = {
        {kStatusKind, 18, {0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0}},
        {kStatus2Kind, 3, {0, 0, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.kind);
        cEdCommand cmd = Command(c.kind);
        cmd.m_nTime = 40;
        cmd.m_bParallel = 0;
        EXPECT_EQ(0, Run(&cmd, 1, [](HWND dlg) { End(dlg, 1001); }));
        EXPECT_EQ(0, cmd.m_nTime);
        EXPECT_EQ(1, cmd.m_bParallel);
        ASSERT_EQ(c.count, cmd.m_Params.size());
        for (size_t i = 0; i < c.count; ++i) EXPECT_EQ(c.params[i], cmd.m_Params[i]) << i;
    }
    // the item command set opens the same pages with its own kinds
    for (int kind2 : {7, 8}) {
        cEdCommand cmd;
        cmd.m_nCmdSet = 1;
        cmd.m_nKind = static_cast<int8_t>(kind2);
        cEditReq req;
        req.m_pRecord = &cmd;
        req.m_bNew = 1;
        const int kind = kind2 == 7 ? kStatusKind : kStatus2Kind;
        std::unique_ptr<cCmdDlg> page(MakeCmdPageForKind(kind, CmdKindPageId(kind), nullptr, &req, nullptr));
        EXPECT_EQ(0, RunModalScripted(page.get(), 0, [](HWND dlg) { End(dlg, 1001); }));
        EXPECT_EQ(kind2 == 7 ? 18u : 3u, cmd.m_Params.size());
        EXPECT_EQ(1, cmd.m_nCmdSet);
        EXPECT_EQ(kind2, cmd.m_nKind);
    }
}

// A new status operation reads "ステータス / 自分 の キャラ変数 を ... ＝ 定数"
// with character variable 1 and the bar box checked; "HP" hands the percent
// over to the percent mode combo and the bar box.
TEST_F(StatusPages, NewStatusOperationAndHp) {
    cEdCommand cmd = Command(kStatusKind);
    Run(&cmd, 1, [](HWND dlg) {
        EXPECT_EQ("ステータス", Text(dlg, IDC_ST_SIDE));
        EXPECT_EQ("自分", Text(dlg, IDC_ST_OWNER));
        EXPECT_EQ("キャラ変数", Text(dlg, IDC_ST_ITEM));
        EXPECT_EQ(15, Count(dlg, IDC_ST_ITEM));
        EXPECT_EQ("1 キャラ変数-1", Text(dlg, IDC_ST_VAR));
        EXPECT_EQ(8, Count(dlg, IDC_ST_VAR));
        EXPECT_TRUE(Enabled(dlg, IDC_ST_VAR));
        EXPECT_FALSE(Enabled(dlg, IDC_ST_RENAME));
        EXPECT_FALSE(Enabled(dlg, IDC_ST_SCOPE));
        EXPECT_EQ("＝", Text(dlg, IDC_ST_CALC));
        EXPECT_EQ(7, Count(dlg, IDC_ST_CALC));
        EXPECT_EQ("定数", Text(dlg, IDC_ST_SOURCE));
        EXPECT_TRUE(Enabled(dlg, IDC_ST_VALUE));
        for (int id : {IDC_ST_RAND_MIN, IDC_ST_RAND_MAX, IDC_ST_RIGHT_OWNER, IDC_ST_RIGHT_ITEM, IDC_ST_RIGHT_SCOPE,
                       IDC_ST_RIGHT_VAR, IDC_ST_RIGHT_RENAME})
            EXPECT_FALSE(Enabled(dlg, id)) << id;
        EXPECT_TRUE(Checked(dlg, IDC_ST_BAR));
        EXPECT_TRUE(Enabled(dlg, IDC_ST_PERCENT));
        EXPECT_FALSE(Enabled(dlg, IDC_ST_PERCENT_MODE));
        EXPECT_FALSE(Enabled(dlg, IDC_ST_BAR));
        EXPECT_TRUE(Enabled(dlg, IDC_ST_INVINCIBLE));
        Choose(dlg, IDC_ST_ITEM, 1);
        EXPECT_EQ("HP", Text(dlg, IDC_ST_ITEM));
        EXPECT_FALSE(Enabled(dlg, IDC_ST_VAR));
        EXPECT_FALSE(Enabled(dlg, IDC_ST_PERCENT));
        EXPECT_TRUE(Enabled(dlg, IDC_ST_PERCENT_MODE));
        EXPECT_TRUE(Enabled(dlg, IDC_ST_BAR));
        EXPECT_EQ("通常の計算", Text(dlg, IDC_ST_PERCENT_MODE));
        TourShot(dlg, "cmd_status");
        End(dlg, 1000);
    });
    EXPECT_EQ(1, cmd.m_Params[4]);
}

// The constant and the random range take the operand range of the left
// item; "％で指定" is offered by the item. The system's values have ranges
// of their own.
TEST_F(StatusPages, OperandRangesByItem) {
    struct Case {
        int owner, item, source;
        const char* name;
        const char* low;
        const char* high;
        bool percent;
    } cases[] = {
        {0, 6, 0, "Z座標", "-8", "8", false},
        {0, 8, 0, "視界範囲(hbl)", "-40", "40", true},
        {1, 5, 0, "キャラID", "-99", "99", false},
        {0, 7, 1, "マーク番号", "-121", "119", false},
        {1, 10, 1, "体当たりの衝撃", "-20", "20", true},
        {0, 13, 0, "止まりやすさ", "-200", "200", true},
        {0, 14, 1, "獲得スコア", "-999999", "999999", true},
        {2, 0, 0, "時間", "-999", "999", true},
        {2, 1, 1, "横スクロール速度", "-480", "480", true},
        {2, 2, 0, "縦スクロール速度", "-480", "480", true},
        {2, 4, 1, "残り人数", "-99", "99", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        cEdCommand cmd = Command(kStatusKind);
        cmd.m_Params.assign(18, 0);
        cmd.m_Params[3] = c.owner;
        cmd.m_Params[6] = c.source;
        // the item is chosen on the page: from the one above it
        cmd.m_Params[4] = c.item > 0 ? c.item - 1 : 1;
        Run(&cmd, 0, [&](HWND dlg) {
            Choose(dlg, IDC_ST_ITEM, c.item > 0 ? 1 : -1);
            EXPECT_EQ(c.name, Text(dlg, IDC_ST_ITEM));
            if (c.source == 0) {
                EXPECT_EQ(c.high, Held(dlg, IDC_ST_VALUE, "9999999"));
                EXPECT_EQ(c.low, Held(dlg, IDC_ST_VALUE, "-9999999"));
            } else {
                EXPECT_EQ(c.low, Held(dlg, IDC_ST_RAND_MIN, "-9999999"));
                EXPECT_EQ(c.high, Held(dlg, IDC_ST_RAND_MAX, "9999999"));
            }
            EXPECT_EQ(c.percent, Enabled(dlg, IDC_ST_PERCENT));
            End(dlg, 1000);
        });
        EXPECT_EQ(c.item, cmd.m_Params[4]);
        EXPECT_EQ(std::stoi(c.source == 0 ? c.low : c.high), cmd.m_Params[c.source == 0 ? 7 : 9]);
    }
}

// A new left item (after another one was shown) shows the values clamped
// into its range; so does a new owner whose items mean other values.
TEST_F(StatusPages, ValuesClampedIntoNewRanges) {
    cEdCommand cmd = Command(kStatusKind, {0, 0, 1, 0, 0, 0, 0, 5000, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0});
    Run(&cmd, 0, [](HWND dlg) {
        EXPECT_EQ("5000", Text(dlg, IDC_ST_VALUE));
        Choose(dlg, IDC_ST_ITEM, 6);  // "Z座標"
        EXPECT_EQ("8", Text(dlg, IDC_ST_VALUE));
        End(dlg, 1001);
    });
    EXPECT_EQ(5000, cmd.m_Params[7]);
    Run(&cmd, 0, [](HWND dlg) {
        Choose(dlg, IDC_ST_OWNER, 2);  // "システム": "時間"
        EXPECT_EQ("時間", Text(dlg, IDC_ST_ITEM));
        EXPECT_EQ("999", Text(dlg, IDC_ST_VALUE));
        End(dlg, 1000);
    });
    EXPECT_EQ(2, cmd.m_Params[3]);
    EXPECT_EQ(999, cmd.m_Params[7]);
}

// The left side kind "変数" swaps the owner and status for the variable kind,
// the variable list and its rename button; the bar box and the percent mode
// go off. The owner "システム" lists the five system values and leaves the
// invincible box off.
TEST_F(StatusPages, SideKindAndSystemOwner) {
    cEdCommand cmd = Command(kStatusKind);
    Run(&cmd, 1, [](HWND dlg) {
        Choose(dlg, IDC_ST_ITEM, 1);  // "HP": the bar box and the percent mode on
        Choose(dlg, IDC_ST_SIDE, 1);
        EXPECT_EQ("変数", Text(dlg, IDC_ST_SIDE));
        EXPECT_FALSE(Enabled(dlg, IDC_ST_OWNER));
        EXPECT_FALSE(Enabled(dlg, IDC_ST_ITEM));
        EXPECT_TRUE(Enabled(dlg, IDC_ST_SCOPE));
        EXPECT_TRUE(Enabled(dlg, IDC_ST_VAR));
        EXPECT_TRUE(Enabled(dlg, IDC_ST_RENAME));
        EXPECT_FALSE(Enabled(dlg, IDC_ST_BAR));
        EXPECT_FALSE(Enabled(dlg, IDC_ST_PERCENT_MODE));
        EXPECT_FALSE(Enabled(dlg, IDC_ST_INVINCIBLE));
        EXPECT_EQ(5, Count(dlg, IDC_ST_VAR));
        EXPECT_EQ("001 ", Text(dlg, IDC_ST_VAR));
        Choose(dlg, IDC_ST_SCOPE, 1);
        EXPECT_EQ(3, Count(dlg, IDC_ST_VAR));
        Choose(dlg, IDC_ST_VAR, 1);
        EXPECT_EQ("002 door", Text(dlg, IDC_ST_VAR));
        Choose(dlg, IDC_ST_SIDE, -1);
        Choose(dlg, IDC_ST_OWNER, 2);
        EXPECT_EQ(5, Count(dlg, IDC_ST_ITEM));
        EXPECT_EQ("スコア", [&] {
            SendDlgItemMessageA(dlg, IDC_ST_ITEM, CB_SETCURSEL, 3, 0);
            return Text(dlg, IDC_ST_ITEM);
        }());
        EXPECT_FALSE(Enabled(dlg, IDC_ST_INVINCIBLE));
        EXPECT_FALSE(Enabled(dlg, IDC_ST_VAR));
        End(dlg, 1000);
    });
    EXPECT_EQ(0, cmd.m_Params[0]);
    EXPECT_EQ(1, cmd.m_Params[1]);
    EXPECT_EQ(2, cmd.m_Params[2]);
    EXPECT_EQ(2, cmd.m_Params[3]);
    EXPECT_EQ(3, cmd.m_Params[4]);
}

// The value source enables its own controls; a status source lists the
// right owner's items and, for "キャラ変数", the character variables.
TEST_F(StatusPages, RightSideBySource) {
    struct Case {
        int source;
        std::vector<int> on;
    } cases[] = {
        {0, {IDC_ST_VALUE}},
        {1, {IDC_ST_RAND_MIN, IDC_ST_RAND_MAX}},
        {2, {IDC_ST_RIGHT_OWNER, IDC_ST_RIGHT_ITEM, IDC_ST_RIGHT_VAR}},
        {3, {IDC_ST_RIGHT_SCOPE, IDC_ST_RIGHT_VAR, IDC_ST_RIGHT_RENAME}},
    };
    const int all[] = {IDC_ST_VALUE,      IDC_ST_RAND_MIN,    IDC_ST_RAND_MAX,  IDC_ST_RIGHT_OWNER,
                       IDC_ST_RIGHT_ITEM, IDC_ST_RIGHT_SCOPE, IDC_ST_RIGHT_VAR, IDC_ST_RIGHT_RENAME};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.source);
        cEdCommand cmd = Command(kStatusKind);
        Run(&cmd, 1, [&](HWND dlg) {
            if (c.source) Choose(dlg, IDC_ST_SOURCE, c.source);
            for (int id : all) {
                const bool want = std::find(c.on.begin(), c.on.end(), id) != c.on.end();
                EXPECT_EQ(want, Enabled(dlg, id)) << id;
            }
            if (c.source == 2) {
                EXPECT_EQ("1 キャラ変数-1", Text(dlg, IDC_ST_RIGHT_VAR));
                Choose(dlg, IDC_ST_RIGHT_OWNER, 2);
                EXPECT_EQ(5, Count(dlg, IDC_ST_RIGHT_ITEM));
                EXPECT_EQ("時間", Text(dlg, IDC_ST_RIGHT_ITEM));
                EXPECT_FALSE(Enabled(dlg, IDC_ST_RIGHT_VAR));
            }
            if (c.source == 3) {
                EXPECT_EQ("001 ", Text(dlg, IDC_ST_RIGHT_VAR));
                Choose(dlg, IDC_ST_RIGHT_SCOPE, 1);
                EXPECT_EQ("001 ", Text(dlg, IDC_ST_RIGHT_VAR));
                EXPECT_EQ(3, Count(dlg, IDC_ST_RIGHT_VAR));
            }
            End(dlg, 1000);
        });
        EXPECT_EQ(c.source, cmd.m_Params[6]);
    }
}

// Every parameter shown from a record with distinct values, edited with real
// input, stored on OK and untouched on cancel.
TEST_F(StatusPages, StatusBindings) {
    const std::vector<int32_t> before = {1, 1, 2, 1, 3, 2, 3, 77, -5, 9, 0, 3, 0, 4, 1, 2, 0, 1};
    for (int endId : {1000, 1001}) {
        SCOPED_TRACE(endId);
        cEdCommand cmd = Command(kStatusKind);
        cmd.m_Params.assign(before.begin(), before.end());
        const int result = Run(&cmd, 0, [&](HWND dlg) {
            EXPECT_EQ("変数", Text(dlg, IDC_ST_SIDE));
            EXPECT_EQ("ステージ変数", Text(dlg, IDC_ST_SCOPE));
            EXPECT_EQ("002 door", Text(dlg, IDC_ST_VAR));
            EXPECT_EQ("ターゲット", Text(dlg, IDC_ST_OWNER));
            EXPECT_EQ("最大HP", Text(dlg, IDC_ST_ITEM));
            EXPECT_EQ("－", Text(dlg, IDC_ST_CALC));
            EXPECT_EQ("変数", Text(dlg, IDC_ST_SOURCE));
            EXPECT_EQ("77", Text(dlg, IDC_ST_VALUE));
            EXPECT_EQ("-5", Text(dlg, IDC_ST_RAND_MIN));
            EXPECT_EQ("9", Text(dlg, IDC_ST_RAND_MAX));
            EXPECT_EQ("コモン変数", Text(dlg, IDC_ST_RIGHT_SCOPE));
            EXPECT_EQ("003 coins", Text(dlg, IDC_ST_RIGHT_VAR));
            EXPECT_EQ("自分", Text(dlg, IDC_ST_RIGHT_OWNER));
            EXPECT_EQ("最大SP", Text(dlg, IDC_ST_RIGHT_ITEM));
            EXPECT_TRUE(Checked(dlg, IDC_ST_PERCENT));
            EXPECT_EQ("現在値に対する％で指定", Text(dlg, IDC_ST_PERCENT_MODE));
            EXPECT_FALSE(Checked(dlg, IDC_ST_BAR));
            EXPECT_TRUE(Checked(dlg, IDC_ST_INVINCIBLE));
            Choose(dlg, IDC_ST_SCOPE, -1);
            Choose(dlg, IDC_ST_VAR, 2);  // "004 "
            Choose(dlg, IDC_ST_CALC, 3);  // "÷ X の余り"
            Choose(dlg, IDC_ST_RIGHT_VAR, 1);
            Choose(dlg, IDC_ST_SOURCE, -2);  // "乱数"
            Type(dlg, IDC_ST_RAND_MIN, "-12");
            Type(dlg, IDC_ST_RAND_MAX, "34");
            Click(dlg, IDC_ST_PERCENT);
            End(dlg, endId);
        });
        const bool ok = endId == 1000;
        EXPECT_EQ(ok ? 1 : 0, result);
        std::vector<int32_t> want = before;
        if (ok) {
            want[1] = 0;
            want[2] = 4;
            want[5] = 5;
            want[6] = 1;
            want[8] = -12;
            want[9] = 34;
            want[11] = 4;
            want[14] = 0;
        }
        for (size_t i = 0; i < want.size(); ++i) EXPECT_EQ(want[i], cmd.m_Params[i]) << i;
    }
}

// "_" renames the selected common or stage variable through "変数名の入力";
// the list shows the new name, the rename survives a cancel and nothing is
// written to a file.
TEST_F(StatusPages, RenameVariables) {
    struct Case {
        std::vector<int32_t> params;
        int combo, button;
        const char* keys;
        const char* shown;
        bool common;
        int var;
    } cases[] = {
        {{1, 0, 3, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0}, IDC_ST_VAR, IDC_ST_RENAME, "gems", "003 gems", true, 3},
        {{0, 0, 1, 0, 0, 0, 3, 0, 0, 0, 1, 2, 0, 0, 0, 0, 1, 0},
         IDC_ST_RIGHT_VAR,
         IDC_ST_RIGHT_RENAME,
         "gate",
         "002 gate",
         false,
         2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.keys);
        cEdCommand cmd = Command(kStatusKind);
        cmd.m_Params.assign(c.params.begin(), c.params.end());
        std::string shown;
        cDialogScript script;
        script.Then(kStatusCaption, [&](HWND page) {
            ClickWindow(GetDlgItem(page, c.button));
            PumpUntilIdle();
            shown = Text(page, c.combo);
            ClickWindow(GetDlgItem(page, 1001));
        });
        script.Then("変数名の入力", [&](HWND box) {
            HWND edit = GetNextDlgTabItem(box, nullptr, FALSE);
            ClickWindow(edit);
            PressKey(VK_END);
            PressKeyWith(VK_SHIFT, VK_HOME);
            PressKey(VK_DELETE);
            for (const char* k = c.keys; *k; ++k) PressKey(static_cast<WORD>(toupper(*k)));
            PumpUntilIdle();
            ClickWindow(GetDlgItem(box, 1000));
        });
        cEditReq req;
        req.m_pRecord = &cmd;
        std::unique_ptr<cCmdDlg> page(MakeCmdPageForKind(kStatusKind, 215, nullptr, &req, nullptr));
        EXPECT_EQ(0, script.Run(page.get()));
        std::string want = c.shown;
        for (char& ch : want) ch = static_cast<char>(tolower(ch));
        EXPECT_EQ(want, [&] {
            std::string s = shown;
            for (char& ch : s) ch = static_cast<char>(tolower(ch));
            return s;
        }());
        const cVector<cEdValInfo>& table = c.common ? g_GValInfo : g_Stage.m_Vars;
        std::string name = table[c.var].m_Name.CStr();
        for (char& ch : name) ch = static_cast<char>(tolower(ch));
        EXPECT_EQ(c.keys, name);
        EXPECT_EQ(c.params, std::vector<int32_t>(cmd.m_Params.begin(), cmd.m_Params.end()));
        EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA("data\\GValInfo.dat"));
    }
}

// A rename button serves only while its side names a variable, and a
// variable list without a selection only beeps: no name box opens.
TEST_F(StatusPages, RenameWithoutVariableOpensNothing) {
    cEdCommand cmd = Command(kStatusKind, {1, 0, 0, 0, 0, 0, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0});
    cVector<cEdValInfo> before = g_GValInfo;
    Run(&cmd, 0, [](HWND dlg) {
        SendDlgItemMessageA(dlg, IDC_ST_VAR, CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
        SendDlgItemMessageA(dlg, IDC_ST_RIGHT_VAR, CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
        for (int id : {IDC_ST_RENAME, IDC_ST_RIGHT_RENAME}) {
            Click(dlg, id);
            EXPECT_FALSE(FindWindowA(nullptr, "変数名の入力")) << id;
        }
        End(dlg, 1001);
    });
    for (size_t i = 0; i < before.size(); ++i)
        EXPECT_EQ(std::string(before[i].m_Name.CStr()), std::string(g_GValInfo[i].m_Name.CStr()));
}

// Stored items outside their tables (a damaged file) open the pages on the
// first item instead of reading past the tables; cancel leaves them.
TEST_F(StatusPages, ItemsOutsideTheTables) {
    struct Case {
        int kind;
        std::vector<int32_t> params;
        int itemId;
        const char* shown;
        size_t index;
    } cases[] = {
        {kStatusKind, {0, 0, 1, 0, 40, 0, 0, 7, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0}, IDC_ST_ITEM, "キャラ変数", 4},
        {kStatusKind, {0, 0, 1, 2, -3, 0, 0, 7, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0}, IDC_ST_ITEM, "時間", 4},
        {kStatus2Kind, {2, 5, 0}, IDC_ST2_ITEM, "横スクロール", 1},
        {kStatus2Kind, {0, 9, 3}, IDC_ST2_ITEM, "消滅", 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.shown);
        for (int endId : {1001, 1000}) {
            cEdCommand cmd = Command(c.kind);
            cmd.m_Params.assign(c.params.begin(), c.params.end());
            EXPECT_EQ(endId == 1000 ? 1 : 0, Run(&cmd, 0, [&](HWND dlg) {
                EXPECT_EQ(c.shown, Text(dlg, c.itemId));
                End(dlg, endId);
            }));
            EXPECT_EQ(endId == 1000 ? 0 : c.params[c.index], cmd.m_Params[c.index]);
        }
    }
}

// The second page: the choices follow the item, stored from the item's
// minimum; "巨大化" stores 1 .. 10; the system offers its two scroll items.
TEST_F(StatusPages, Status2ChoicesFollowTheItem) {
    cEdCommand cmd = Command(kStatus2Kind);
    Run(&cmd, 1, [](HWND dlg) {
        EXPECT_EQ("自分", Text(dlg, IDC_ST2_OWNER));
        EXPECT_EQ(7, Count(dlg, IDC_ST2_ITEM));
        EXPECT_EQ("消滅", Text(dlg, IDC_ST2_ITEM));
        EXPECT_EQ(1, Count(dlg, IDC_ST2_CHOICE));
        EXPECT_EQ("ON", Text(dlg, IDC_ST2_CHOICE));
        Choose(dlg, IDC_ST2_ITEM, 5);
        EXPECT_EQ("巨大化", Text(dlg, IDC_ST2_ITEM));
        EXPECT_EQ(10, Count(dlg, IDC_ST2_CHOICE));
        EXPECT_EQ("しない", Text(dlg, IDC_ST2_CHOICE));
        Choose(dlg, IDC_ST2_CHOICE, 9);
        EXPECT_EQ("×100", Text(dlg, IDC_ST2_CHOICE));
        TourShot(dlg, "cmd_status2");
        End(dlg, 1000);
    });
    EXPECT_EQ(5, cmd.m_Params[1]);
    EXPECT_EQ(10, cmd.m_Params[2]);
    Run(&cmd, 0, [](HWND dlg) {
        EXPECT_EQ("×100", Text(dlg, IDC_ST2_CHOICE));
        Choose(dlg, IDC_ST2_OWNER, 2);
        EXPECT_EQ(2, Count(dlg, IDC_ST2_ITEM));
        EXPECT_EQ("横スクロール", Text(dlg, IDC_ST2_ITEM));
        EXPECT_EQ(2, Count(dlg, IDC_ST2_CHOICE));
        Choose(dlg, IDC_ST2_CHOICE, -5);
        EXPECT_EQ("主人公の位置に合わせてスクロール", Text(dlg, IDC_ST2_CHOICE));
        Choose(dlg, IDC_ST2_CHOICE, 1);
        EXPECT_EQ("オートスクロール", Text(dlg, IDC_ST2_CHOICE));
        End(dlg, 1000);
    });
    EXPECT_EQ(2, cmd.m_Params[0]);
    EXPECT_EQ(0, cmd.m_Params[1]);
    EXPECT_EQ(1, cmd.m_Params[2]);
}

// Each state shown with its stored choice; OK stores the edit, cancel does
// not, except that a choice below the item's minimum is raised at once.
TEST_F(StatusPages, Status2Bindings) {
    struct Case {
        std::vector<int32_t> params;
        const char* item;
        const char* choice;
        int steps;  // choice steps taken on the page
        std::vector<int32_t> ok, cancelled;
    } cases[] = {
        {{1, 3, 2}, "飛行", "ON (ブロックに当たる)", 1, {1, 3, 3}, {1, 3, 2}},
        {{0, 4, 1}, "無敵", "ON (ショットが当たる)", -1, {0, 4, 0}, {0, 4, 1}},
        {{1, 5, 4}, "巨大化", "×16", 2, {1, 5, 6}, {1, 5, 4}},
        {{0, 5, 0}, "巨大化", "しない", 1, {0, 5, 2}, {0, 5, 1}},
        {{2, 1, 1}, "縦スクロール", "オートスクロール", -1, {2, 1, 0}, {2, 1, 1}},
    };
    for (const Case& c : cases) {
        for (int endId : {1000, 1001}) {
            SCOPED_TRACE(std::string(c.item) + (endId == 1000 ? " ok" : " cancel"));
            cEdCommand cmd = Command(kStatus2Kind);
            cmd.m_Params.assign(c.params.begin(), c.params.end());
            Run(&cmd, 0, [&](HWND dlg) {
                EXPECT_EQ(c.item, Text(dlg, IDC_ST2_ITEM));
                EXPECT_EQ(c.choice, Text(dlg, IDC_ST2_CHOICE));
                Choose(dlg, IDC_ST2_CHOICE, c.steps);
                End(dlg, endId);
            });
            const std::vector<int32_t>& want = endId == 1000 ? c.ok : c.cancelled;
            EXPECT_EQ(want, std::vector<int32_t>(cmd.m_Params.begin(), cmd.m_Params.end()));
        }
    }
}

}  // namespace
