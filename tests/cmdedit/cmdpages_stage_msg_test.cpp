// The stage clear, game wait, message, warp and target pages: new-command
// defaults written by the constructor, a command with distinct values shown,
// edited with real input, stored on OK and untouched on cancel, the enable
// rules, the message text limits and the variable renames of the message
// page.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "app/services.h"
#include "base/record.h"
#include "cmdedit/cmd_pages.h"
#include "cmdedit/cmdpage_message.h"
#include "cmdedit/cmdpage_message_res.h"
#include "cmdedit/cmdpage_stage_res.h"
#include "cmdedit/cmdpage_target_res.h"
#include "cmdedit/cmdpage_warp_res.h"
#include "cmdedit/cmdselect_dlg.h"
#include "model/cmd_tables.h"
#include "model/move_shot.h"
#include "model/stage.h"
#include "tests/cmdedit/cmd_page_driver.h"
#include "tests/cmdedit/page_input.h"
#include "tests/support/gui.h"

using namespace page_input;

namespace {

const int kStageClear = 17;
const int kGameWait = 18;
const int kMessage = 19;
const char kMessageCaption[] = "メッセージ";
const char kGValPath[] = "data\\GValInfo.dat";

class StagePages : public testing::Test {
protected:
    void SetUp() override {
        g_GValInfo.clear();
        g_GValInfo.resize(6);
        g_GValInfo[2].m_Name = "old";
        g_Stage.SetDefault();
        g_Stage.m_Vars.clear();
        g_Stage.m_Vars.resize(4);
        g_Stage.m_Vars[3].m_Name = "door";
        CreateDirectoryA("data", nullptr);
        DeleteFileA(kGValPath);
    }
    void TearDown() override {
        PumpUntilIdle();
        g_Stage.SetDefault();
        g_GValInfo.clear();
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
    static int RunScript(cEdCommand* cmd, int isNew, cDialogScript& script) {
        std::unique_ptr<cCmdDlg> page = Page(cmd, isNew);
        if (!page) return -1;
        return script.Run(page.get());
    }
    static cEdCommand Command(int kind) {
        cEdCommand cmd;
        cmd.m_nKind = static_cast<int8_t>(kind);
        cmd.m_Params.resize(static_cast<size_t>(cmd.ParamCount()), 0);
        return cmd;
    }
    // Types characters as characters, whatever the keyboard layout.
    static void TypeText(const char* text) {
        for (const char* c = text; *c; ++c) {
            INPUT in[2] = {};
            for (int i = 0; i < 2; ++i) {
                in[i].type = INPUT_KEYBOARD;
                in[i].ki.wScan = static_cast<WORD>(static_cast<unsigned char>(*c));
                in[i].ki.dwFlags = KEYEVENTF_UNICODE | (i ? KEYEVENTF_KEYUP : 0);
            }
            SendInput(2, in, sizeof(INPUT));
            PumpUntilIdle(5);
        }
        PumpUntilIdle();
    }
    // Puts the caret at the end of the multi-line edit.
    static void FocusEnd(HWND dlg, int id) {
        HWND edit = GetDlgItem(dlg, id);
        ClickWindow(edit);
        ASSERT_TRUE(PumpUntil([&] { return GetFocus() == edit; }));
        PressKeyWith(VK_CONTROL, VK_END);
        PumpUntilIdle();
    }
    static std::string LongText(HWND dlg, int id) {
        char buf[4096] = "";
        GetWindowTextA(GetDlgItem(dlg, id), buf, sizeof buf);
        return buf;
    }
    static void SetSel(HWND dlg, int id, int row) {
        HWND combo = GetDlgItem(dlg, id);
        SendMessageA(combo, CB_SETCURSEL, static_cast<WPARAM>(row), 0);
        SendMessageA(dlg, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
        PumpUntilIdle();
    }
    // Answers the name box with the typed name and OK.
    static void AnswerName(cDialogScript& script, const char* name) {
        script.Then("変数名の入力", [name](HWND box) {
            HWND edit = GetNextDlgTabItem(box, nullptr, FALSE);
            ClickWindow(edit);
            PressKey(VK_END);
            PressKeyWith(VK_SHIFT, VK_HOME);
            PressKey(VK_DELETE);
            TypeText(name);
            ClickWindow(GetDlgItem(box, 1000));
        });
    }
};

// Each page writes its defaults into a new command in its constructor;
// they stay when the page is cancelled. An edited command keeps its own.
TEST_F(StagePages, NewCommandDefaults) {
    struct Case {
        int kind;
        int time, parallel;
        std::vector<int32_t> params;
        std::function<void(const cEdCommand&)> more;
    } cases[] = {
        {kStageClear, 0, 0, {0, 1, 0, 0, 0}, nullptr},
        {kGameWait, 0, 0, {20}, nullptr},
        {kMessage, 0, 0, {0, 0, 0, 0, 0, 1, 0, 30, 1, 0},
         [](const cEdCommand& c) { EXPECT_STREQ("", c.m_Text.CStr()); }},
        {kCmdWarp, 0, 1, {},
         [](const cEdCommand& c) {
             ASSERT_TRUE(c.m_spMove);
             cEdMove fresh;
             fresh.m_nDistance = 2;
             fresh.m_bFlipX = 0;
             EXPECT_TRUE(fresh == *c.m_spMove);
             EXPECT_EQ(0, c.m_spMove->m_nDirMode);
         }},
        {kCmdTarget, 0, 1, {0, 0, 0, 0, 1, 0, 1, 0, 0, 0}, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.kind);
        const auto check = [&](const cEdCommand& cmd) {
            EXPECT_EQ(c.time, cmd.m_nTime);
            EXPECT_EQ(c.parallel, cmd.m_bParallel);
            ASSERT_EQ(c.params.size(), cmd.m_Params.size());
            for (size_t i = 0; i < c.params.size(); ++i) EXPECT_EQ(c.params[i], cmd.m_Params[i]) << i;
            if (c.more) c.more(cmd);
        };
        cEdCommand cmd = Command(c.kind);
        cmd.m_nTime = 77;
        cmd.m_bParallel = static_cast<int8_t>(!c.parallel);
        cmd.m_Text = "old";
        {
            std::unique_ptr<cCmdDlg> page = Page(&cmd, 1);
            ASSERT_TRUE(page);
            check(cmd);  // before the page shows
        }
        cEdCommand cancelled = Command(c.kind);
        cancelled.m_nTime = 77;
        EXPECT_EQ(0, Run(&cancelled, 1, [](HWND dlg) { End(dlg, 1001); }));
        check(cancelled);

        cEdCommand kept = Command(c.kind);
        kept.m_nTime = 77;
        kept.m_bParallel = 1;
        Page(&kept, 0);
        EXPECT_EQ(77, kept.m_nTime);
        EXPECT_EQ(1, kept.m_bParallel);
    }
}

// Stage clear: every parameter shown and edited; OK stores, cancel does not.
TEST_F(StagePages, StageClearBindings) {
    for (int endId : {1000, 1001}) {
        SCOPED_TRACE(endId);
        cEdCommand cmd = Command(kStageClear);
        cmd.m_Params = {1, 42, 1, 300, 450};
        const int result = Run(&cmd, 0, [&](HWND dlg) {
            EXPECT_EQ(1, Sel(dlg, IDC_SC_SHIFT));
            EXPECT_EQ(3, Count(dlg, IDC_SC_SHIFT));
            EXPECT_EQ("42", Text(dlg, IDC_SC_NUMBER));
            EXPECT_TRUE(Checked(dlg, IDC_SC_MAP_WARP));
            EXPECT_EQ("300", Text(dlg, IDC_SC_X));
            EXPECT_EQ("450", Text(dlg, IDC_SC_Y));
            for (int id : {IDC_SC_NUMBER, IDC_SC_X, IDC_SC_Y}) EXPECT_TRUE(Enabled(dlg, id)) << id;
            Type(dlg, IDC_SC_NUMBER, "150");  // held to 99
            EXPECT_EQ("99", Text(dlg, IDC_SC_NUMBER));
            Type(dlg, IDC_SC_X, "7");
            Type(dlg, IDC_SC_Y, "1500");  // held to 999
            Choose(dlg, IDC_SC_SHIFT, 1);
            EXPECT_FALSE(Enabled(dlg, IDC_SC_NUMBER));
            TourShot(dlg, "cmd_stage_clear");
            End(dlg, endId);
        });
        const bool ok = endId == 1000;
        EXPECT_EQ(ok ? 1 : 0, result);
        const std::vector<int32_t> want = ok ? std::vector<int32_t>{2, 99, 1, 7, 999}
                                             : std::vector<int32_t>{1, 42, 1, 300, 450};
        EXPECT_EQ(want, std::vector<int32_t>(cmd.m_Params.begin(), cmd.m_Params.end()));
    }
}

// The number follows "番号で指定", X and Y follow the map warp box.
TEST_F(StagePages, StageClearEnableRules) {
    cEdCommand cmd = Command(kStageClear);
    cmd.m_Params = {0, 5, 0, 10, 20};
    Run(&cmd, 0, [&](HWND dlg) {
        struct Step {
            std::function<void()> act;
            bool number, coords;
        } steps[] = {
            {[] {}, false, false},
            {[&] { Click(dlg, IDC_SC_MAP_WARP); }, false, true},
            {[&] { Choose(dlg, IDC_SC_SHIFT, 1); }, true, true},
            {[&] { Choose(dlg, IDC_SC_SHIFT, 1); }, false, true},  // "ワールドクリア"
            {[&] { Click(dlg, IDC_SC_MAP_WARP); }, false, false},
        };
        int i = 0;
        for (const Step& s : steps) {
            SCOPED_TRACE(i++);
            s.act();
            EXPECT_EQ(s.number, Enabled(dlg, IDC_SC_NUMBER));
            EXPECT_EQ(s.number, Enabled(dlg, IDC_SC_NUMBER_SPIN));
            for (int id : {IDC_SC_X, IDC_SC_Y, IDC_SC_X_SPIN}) EXPECT_EQ(s.coords, Enabled(dlg, id)) << id;
        }
        End(dlg, 1001);
    });
}

// Game wait: the stop's length is parameter 0 (0..999); the command's time
// is not touched.
TEST_F(StagePages, GameWaitBindings) {
    for (int endId : {1000, 1001}) {
        SCOPED_TRACE(endId);
        cEdCommand cmd = Command(kGameWait);
        cmd.m_Params = {55};
        cmd.m_nTime = 12;
        const int result = Run(&cmd, 0, [&](HWND dlg) {
            EXPECT_EQ("55", Text(dlg, IDC_GW_TIME));
            Type(dlg, IDC_GW_TIME, "1234");
            EXPECT_EQ("999", Text(dlg, IDC_GW_TIME));
            TourShot(dlg, "cmd_game_wait");
            End(dlg, endId);
        });
        EXPECT_EQ(endId == 1000 ? 1 : 0, result);
        EXPECT_EQ(endId == 1000 ? 999 : 55, cmd.m_Params[0]);
        EXPECT_EQ(12, cmd.m_nTime);
    }
}

// A new message: empty text, centred, coordinates disabled, shown until the
// key with the time disabled and the pause checked and disabled; OK runs it
// in series.
TEST_F(StagePages, NewMessageShowsItsDefaults) {
    cEdCommand cmd = Command(kMessage);
    cmd.m_bParallel = 1;
    const int result = Run(&cmd, 1, [&](HWND dlg) {
        EXPECT_EQ("", LongText(dlg, IDC_MSG_TEXT));
        EXPECT_EQ(0, Sel(dlg, IDC_MSG_POS));
        EXPECT_EQ(9, Count(dlg, IDC_MSG_POS));
        EXPECT_FALSE(Enabled(dlg, IDC_MSG_X));
        EXPECT_FALSE(Enabled(dlg, IDC_MSG_Y));
        EXPECT_EQ(0, Sel(dlg, IDC_MSG_DURATION));
        EXPECT_FALSE(Enabled(dlg, IDC_MSG_TIME));
        EXPECT_EQ("30", Text(dlg, IDC_MSG_TIME));
        EXPECT_TRUE(Checked(dlg, IDC_MSG_PAUSE));
        EXPECT_FALSE(Enabled(dlg, IDC_MSG_PAUSE));
        EXPECT_TRUE(Checked(dlg, IDC_MSG_KEEP_IN));
        EXPECT_FALSE(Checked(dlg, IDC_MSG_SHOW_VARS));
        End(dlg, 1000);
    });
    EXPECT_EQ(1, result);
    EXPECT_EQ(0, cmd.m_bParallel);
    EXPECT_EQ(1, cmd.m_Params[8]);
}

// A message with distinct values: all shown; the edits stored on OK only.
TEST_F(StagePages, MessageBindings) {
    for (int endId : {1000, 1001}) {
        SCOPED_TRACE(endId);
        cEdCommand cmd = Command(kMessage);
        cmd.m_Text = "abc";
        cmd.m_Params = {7, 12, 9, -300, 450, 0, 2, 123, 0, 1};
        cmd.m_bParallel = 1;
        const int result = Run(&cmd, 0, [&](HWND dlg) {
            EXPECT_EQ("abc", LongText(dlg, IDC_MSG_TEXT));
            EXPECT_EQ(7, Sel(dlg, IDC_MSG_POS));
            const struct {
                int id;
                const char* text;
            } texts[] = {{IDC_MSG_X, "12"}, {IDC_MSG_Y, "9"}, {IDC_MSG_SHIFT_X, "-300"},
                         {IDC_MSG_SHIFT_Y, "450"}, {IDC_MSG_TIME, "123"}};
            for (const auto& t : texts) {
                EXPECT_EQ(t.text, Text(dlg, t.id)) << t.id;
                EXPECT_TRUE(Enabled(dlg, t.id)) << t.id;
            }
            EXPECT_FALSE(Checked(dlg, IDC_MSG_KEEP_IN));
            EXPECT_EQ(2, Sel(dlg, IDC_MSG_DURATION));
            EXPECT_FALSE(Checked(dlg, IDC_MSG_PAUSE));
            EXPECT_TRUE(Enabled(dlg, IDC_MSG_PAUSE));
            EXPECT_TRUE(Checked(dlg, IDC_MSG_SHOW_VARS));
            FocusEnd(dlg, IDC_MSG_TEXT);
            PressKey(VK_RETURN);  // a new line, not OK
            TypeText("de");
            EXPECT_TRUE(IsWindowVisible(dlg));
            EXPECT_EQ("abc\r\nde", LongText(dlg, IDC_MSG_TEXT));
            Choose(dlg, IDC_MSG_POS, 1);  // "ステージ座標で指定"
            Type(dlg, IDC_MSG_X, "25");   // held to 20
            Type(dlg, IDC_MSG_Y, "3");
            Type(dlg, IDC_MSG_SHIFT_X, "-1200");  // held to -999
            Type(dlg, IDC_MSG_SHIFT_Y, "5");
            Type(dlg, IDC_MSG_TIME, "0");  // held to 1
            Click(dlg, IDC_MSG_KEEP_IN);
            Click(dlg, IDC_MSG_PAUSE);
            Click(dlg, IDC_MSG_SHOW_VARS);
            End(dlg, endId);
        });
        const bool ok = endId == 1000;
        EXPECT_EQ(ok ? 1 : 0, result);
        EXPECT_EQ(ok ? "abc\r\nde" : "abc", std::string(cmd.m_Text.CStr()));
        const std::vector<int32_t> want = ok ? std::vector<int32_t>{8, 20, 3, -999, 5, 1, 2, 1, 1, 0}
                                             : std::vector<int32_t>{7, 12, 9, -300, 450, 0, 2, 123, 0, 1};
        EXPECT_EQ(want, std::vector<int32_t>(cmd.m_Params.begin(), cmd.m_Params.end()));
        // paused now: the message no longer runs beside the flow
        EXPECT_EQ(ok ? 0 : 1, cmd.m_bParallel);
    }
}

// The display position enables the coordinates for 7 and 8 only; the
// display time sets the pause box, and what it shows is what OK stores,
// with the parallel flag its opposite.
TEST_F(StagePages, MessagePositionAndDurationRules) {
    for (int pos = 0; pos < 9; ++pos) {
        cEdCommand cmd = Command(kMessage);
        cmd.m_Params[0] = pos;
        Run(&cmd, 0, [&](HWND dlg) {
            EXPECT_EQ(pos >= 7, Enabled(dlg, IDC_MSG_X)) << pos;
            EXPECT_EQ(pos >= 7, Enabled(dlg, IDC_MSG_Y_SPIN)) << pos;
            End(dlg, 1001);
        });
    }
    struct Case {
        int from, steps;       // display time shown, then moved by steps
        bool clickPause;       // then the pause box clicked (when enabled)
        bool timeOn, pauseOn;  // what is enabled at the end
        int pause, parallel;   // what OK stores
    } cases[] = {
        {2, 0, true, true, true, 0, 1},    // "時間で指定", pause unchecked
        {2, 0, false, true, true, 1, 0},   // "時間で指定", pause kept checked
        {2, -1, false, false, false, 0, 1},  // "ステージ終了まで表示" clears it
        {1, -1, false, false, false, 1, 0},  // "進行キーが押されるまで表示" sets it
        {1, 1, true, true, true, 1, 0},    // the box keeps its mark from 1, then checked
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.from << " " << c.steps << " " << c.clickPause);
        cEdCommand cmd = Command(kMessage);
        cmd.m_Params[6] = c.from;
        cmd.m_Params[7] = 40;
        cmd.m_Params[8] = 1;
        cmd.m_bParallel = static_cast<int8_t>(1 - c.parallel);
        EXPECT_EQ(1, Run(&cmd, 0, [&](HWND dlg) {
            if (c.steps) Choose(dlg, IDC_MSG_DURATION, c.steps);
            if (c.clickPause) Click(dlg, IDC_MSG_PAUSE);
            EXPECT_EQ(c.timeOn, Enabled(dlg, IDC_MSG_TIME));
            EXPECT_EQ(c.pauseOn, Enabled(dlg, IDC_MSG_PAUSE));
            EXPECT_EQ(c.pause == 1, Checked(dlg, IDC_MSG_PAUSE));
            End(dlg, 1000);
        }));
        EXPECT_EQ(c.pause, cmd.m_Params[8]);
        EXPECT_EQ(c.parallel, cmd.m_bParallel);
    }
}

// The text keeps within 29 lines of 39 characters, a double-byte character
// counting as one: a longer line wraps, a thirtieth line is refused.
TEST_F(StagePages, MessageTextLimits) {
    cString full;
    for (int i = 0; i < kMessageLines; ++i) full += i ? "\r\nx" : "x";
    // 38 double-byte characters and one more fit a line; the 40th wraps
    const std::string wide38 = [] {
        std::string s;
        for (int i = 0; i < 38; ++i) s += "あ";
        return s;
    }();
    struct Case {
        std::string start;
        std::function<void()> keys;
        std::string want;
    } cases[] = {
        {wide38, [] { TypeText("bc"); }, wide38 + "b\r\nc"},
        {std::string(39, 'a'), [] { TypeText("z"); }, std::string(39, 'a') + "\r\nz"},
        {full.CStr(), [] { PressKey(VK_RETURN); }, full.CStr()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.want.size());
        cEdCommand cmd = Command(kMessage);
        cmd.m_Text = c.start.c_str();
        EXPECT_EQ(1, Run(&cmd, 0, [&](HWND dlg) {
            FocusEnd(dlg, IDC_MSG_TEXT);
            c.keys();
            EXPECT_EQ(c.want, LongText(dlg, IDC_MSG_TEXT));
            End(dlg, 1000);
        }));
        EXPECT_EQ(c.want, std::string(cmd.m_Text.CStr()));
    }
}

// A common variable's new name is shown and written to the names file at
// once, a stage variable's only kept in the stage; both survive cancel.
TEST_F(StagePages, MessageVariableRenames) {
    struct Case {
        int combo, button, row;
        const char* name;
        const char* shown;
        bool common;
    } cases[] = {
        {IDC_MSG_COMMON, IDC_MSG_COMMON_RENAME, 1, "gate", "002 gate", true},
        {IDC_MSG_STAGE, IDC_MSG_STAGE_RENAME, 2, "lift", "003 lift", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DeleteFileA(kGValPath);
        cEdCommand cmd = Command(kMessage);
        cmd.m_Text = "hello";
        std::string first, shown;
        cDialogScript script;
        script.Then(kMessageCaption, [&](HWND dlg) {
            first = Text(dlg, c.combo);
            SetSel(dlg, c.combo, c.row);
            ClickWindow(GetDlgItem(dlg, c.button));
            PumpUntilIdle();
            shown = Text(dlg, c.combo);
            ClickWindow(GetDlgItem(dlg, 1001));
        });
        AnswerName(script, c.name);
        EXPECT_EQ(0, RunScript(&cmd, 0, script));
        EXPECT_EQ("001 ", first);
        EXPECT_EQ(c.shown, shown);
        EXPECT_EQ("hello", std::string(cmd.m_Text.CStr()));
        const cVector<cEdValInfo>& table = c.common ? g_GValInfo : g_Stage.m_Vars;
        EXPECT_EQ(std::string(c.name), std::string(table[c.row + 1].m_Name.CStr()));
        if (c.common) {
            cVector<cEdValInfo> back;
            ASSERT_EQ(1, LoadVector(back, kGValPath));
            ASSERT_EQ(6u, back.size());
            EXPECT_EQ("gate", std::string(back[2].m_Name.CStr()));
        } else {
            EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(kGValPath)) << "a stage rename wrote the file";
        }
    }
}

// Without a chosen variable a rename button asks nothing and changes
// nothing; a names file that cannot be written is reported and the new
// name is kept.
TEST_F(StagePages, MessageRenameWithoutVariableAndFailedWrite) {
    {
        cEdCommand cmd = Command(kMessage);
        bool asked = false;
        Run(&cmd, 0, [&](HWND dlg) {
            SetSel(dlg, IDC_MSG_COMMON, -1);
            Click(dlg, IDC_MSG_COMMON_RENAME);
            PumpUntilIdle(100);
            asked = FindWindowA("#32770", "変数名の入力") != nullptr;
            End(dlg, 1001);
        });
        EXPECT_FALSE(asked);
        EXPECT_EQ("old", std::string(g_GValInfo[2].m_Name.CStr()));
        EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(kGValPath));
    }
    ASSERT_EQ(1, SaveVector(g_GValInfo, kGValPath));
    HANDLE held = CreateFileA(kGValPath, GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, held);
    MsgBoxCatcher boxes;
    cEdCommand cmd = Command(kMessage);
    std::string shown;
    cDialogScript script;
    script.Then(kMessageCaption, [&](HWND dlg) {
        SetSel(dlg, IDC_MSG_COMMON, 2);
        ClickWindow(GetDlgItem(dlg, IDC_MSG_COMMON_RENAME));
        PumpUntil([&] { return !boxes.boxes.empty(); });
        PumpUntilIdle();
        shown = Text(dlg, IDC_MSG_COMMON);
        ClickWindow(GetDlgItem(dlg, 1000));
    });
    AnswerName(script, "pit");
    EXPECT_EQ(1, RunScript(&cmd, 0, script));
    CloseHandle(held);
    EXPECT_EQ("003 pit", shown);
    EXPECT_EQ("pit", std::string(g_GValInfo[3].m_Name.CStr()));
    ASSERT_EQ(1u, boxes.boxes.size());
    EXPECT_EQ("エラー", boxes.boxes[0].caption);
    EXPECT_EQ("data\\GValInfo.dat の保存に失敗！", boxes.boxes[0].text);
}

cEdCommand DistinctWarp() {
    cEdCommand cmd;
    cmd.m_nKind = kCmdWarp;
    NewShared(cmd.m_spMove);
    cEdMove& m = *cmd.m_spMove;
    m.m_nDirMode = 1;
    m.m_nDirection = 9;
    m.m_nDistance = 17;
    m.m_nDistanceClone = -6;
    m.m_nTargetType = 0;
    m.m_nTargetX = -123;
    m.m_nTargetXDot = 45;
    m.m_nTargetY = 321;
    m.m_nTargetYDot = -54;
    m.m_bFlipX = 1;
    m.m_bFlipY = 0;
    return cmd;
}

// Warp: every field shown, edited and stored on OK only.
TEST_F(StagePages, WarpBindings) {
    for (int endId : {1000, 1001}) {
        SCOPED_TRACE(endId);
        cEdCommand cmd = DistinctWarp();
        const cEdMove before = *cmd.m_spMove;
        const int result = Run(&cmd, 0, [&](HWND dlg) {
            EXPECT_EQ(1, Sel(dlg, IDC_WP_MODE));
            EXPECT_EQ(3, Count(dlg, IDC_WP_MODE));
            EXPECT_EQ(9, Sel(dlg, IDC_WP_DIR));
            EXPECT_EQ(13, Count(dlg, IDC_WP_DIR));
            EXPECT_EQ(0, Sel(dlg, IDC_WP_TARGET_TYPE));
            EXPECT_EQ(3, Count(dlg, IDC_WP_TARGET_TYPE));
            const struct {
                int id;
                const char* text;
            } texts[] = {{IDC_WP_DIST, "17"},      {IDC_WP_DIST_CLONE, "-6"}, {IDC_WP_TARGET_X, "-123"},
                         {IDC_WP_TARGET_XDOT, "45"}, {IDC_WP_TARGET_Y, "321"},  {IDC_WP_TARGET_YDOT, "-54"}};
            for (const auto& t : texts) EXPECT_EQ(t.text, Text(dlg, t.id)) << t.id;
            EXPECT_TRUE(Checked(dlg, IDC_WP_FLIP_X));
            EXPECT_FALSE(Checked(dlg, IDC_WP_FLIP_Y));
            Choose(dlg, IDC_WP_DIR, -2);
            Type(dlg, IDC_WP_DIST, "99");       // held to 64
            Type(dlg, IDC_WP_DIST_CLONE, "-50");  // held to -40
            Choose(dlg, IDC_WP_MODE, 1);
            Type(dlg, IDC_WP_TARGET_X, "700");  // held to 640
            Type(dlg, IDC_WP_TARGET_XDOT, "-3");
            Type(dlg, IDC_WP_TARGET_Y, "-999");  // held to -640
            Type(dlg, IDC_WP_TARGET_YDOT, "8");
            Click(dlg, IDC_WP_FLIP_X);
            Click(dlg, IDC_WP_FLIP_Y);
            TourShot(dlg, "cmd_warp");
            End(dlg, endId);
        });
        if (endId == 1001) {
            EXPECT_EQ(0, result);
            EXPECT_TRUE(before == *cmd.m_spMove);
            continue;
        }
        EXPECT_EQ(1, result);
        const cEdMove& m = *cmd.m_spMove;
        EXPECT_EQ(2, m.m_nDirMode);
        EXPECT_EQ(7, m.m_nDirection);
        EXPECT_EQ(64, m.m_nDistance);
        EXPECT_EQ(-40, m.m_nDistanceClone);
        EXPECT_EQ(0, m.m_nTargetType);
        EXPECT_EQ(640, m.m_nTargetX);
        EXPECT_EQ(-3, m.m_nTargetXDot);
        EXPECT_EQ(-640, m.m_nTargetY);
        EXPECT_EQ(8, m.m_nTargetYDot);
        EXPECT_EQ(0, m.m_bFlipX);
        EXPECT_EQ(1, m.m_bFlipY);
    }
}

// A new warp starts by direction and distance 2; target coordinates by
// absolute or screen coordinates disable and clear both flip boxes, so OK
// stores 0 in both. The setting type switches the groups.
TEST_F(StagePages, WarpEnableRules) {
    const int dirIds[] = {IDC_WP_DIR, IDC_WP_DIST, IDC_WP_DIST_CLONE, IDC_WP_DIST_SPIN};
    const int targetIds[] = {IDC_WP_TARGET_TYPE, IDC_WP_TARGET_X,    IDC_WP_TARGET_XDOT,
                             IDC_WP_TARGET_Y,    IDC_WP_TARGET_YDOT, IDC_WP_TARGET_YDOT_SPIN};
    const auto expectGroups = [&](HWND dlg, bool byTarget) {
        for (int id : dirIds) EXPECT_EQ(!byTarget, Enabled(dlg, id)) << id;
        for (int id : targetIds) EXPECT_EQ(byTarget, Enabled(dlg, id)) << id;
    };
    for (int coordSteps : {1, 2}) {
        SCOPED_TRACE(coordSteps);
        cEdCommand cmd;
        cmd.m_nKind = kCmdWarp;
        EXPECT_EQ(1, Run(&cmd, 1, [&](HWND dlg) {
            EXPECT_EQ(0, Sel(dlg, IDC_WP_MODE));
            EXPECT_EQ("2", Text(dlg, IDC_WP_DIST));
            expectGroups(dlg, false);
            for (int id : {IDC_WP_FLIP_X, IDC_WP_FLIP_Y}) EXPECT_FALSE(Enabled(dlg, id)) << id;
            Choose(dlg, IDC_WP_MODE, 2);
            expectGroups(dlg, true);
            for (int id : {IDC_WP_FLIP_X, IDC_WP_FLIP_Y}) EXPECT_TRUE(Enabled(dlg, id)) << id;
            Click(dlg, IDC_WP_FLIP_X);
            Click(dlg, IDC_WP_FLIP_Y);
            EXPECT_TRUE(Checked(dlg, IDC_WP_FLIP_X));
            Choose(dlg, IDC_WP_TARGET_TYPE, coordSteps);
            for (int id : {IDC_WP_FLIP_X, IDC_WP_FLIP_Y}) {
                EXPECT_FALSE(Enabled(dlg, id)) << id;
                EXPECT_FALSE(Checked(dlg, id)) << id;
            }
            Choose(dlg, IDC_WP_MODE, -1);  // "ターゲットからの方向と距離で指定"
            expectGroups(dlg, false);
            Choose(dlg, IDC_WP_MODE, 1);
            End(dlg, 1000);
        }));
        ASSERT_TRUE(cmd.m_spMove);
        EXPECT_EQ(2, cmd.m_spMove->m_nDirMode);
        EXPECT_EQ(coordSteps, cmd.m_spMove->m_nTargetType);
        EXPECT_EQ(0, cmd.m_spMove->m_bFlipX);
        EXPECT_EQ(0, cmd.m_spMove->m_bFlipY);
        EXPECT_EQ(1, cmd.m_bParallel);
    }
}

// A warp read without its move record opens on a fresh one instead of
// failing.
TEST_F(StagePages, WarpWithoutMoveRecordGetsOne) {
    cEdCommand cmd;
    cmd.m_nKind = kCmdWarp;
    cmd.m_nTime = 5;
    ASSERT_FALSE(cmd.m_spMove);
    EXPECT_EQ(1, Run(&cmd, 0, [&](HWND dlg) {
        EXPECT_EQ(0, Sel(dlg, IDC_WP_MODE));
        Type(dlg, IDC_WP_DIST, "9");
        End(dlg, 1000);
    }));
    ASSERT_TRUE(cmd.m_spMove);
    EXPECT_EQ(9, cmd.m_spMove->m_nDistance);
    EXPECT_EQ(5, cmd.m_nTime);
}

// Target: every parameter shown, edited and stored on OK only.
TEST_F(StagePages, TargetBindings) {
    for (int endId : {1000, 1001}) {
        SCOPED_TRACE(endId);
        cEdCommand cmd = Command(kCmdTarget);
        const std::vector<int32_t> before = {2, 5, 0, 1, 0, 1, 0, 1, 1, 42};
        cmd.m_Params.assign(before.begin(), before.end());
        const int result = Run(&cmd, 0, [&](HWND dlg) {
            EXPECT_EQ(2, Sel(dlg, IDC_TG_KIND));
            EXPECT_EQ(4, Count(dlg, IDC_TG_KIND));
            EXPECT_EQ(1, Sel(dlg, IDC_TG_RANGE));
            EXPECT_EQ(3, Count(dlg, IDC_TG_RANGE));
            EXPECT_EQ("5", Text(dlg, IDC_TG_FACTION));
            EXPECT_EQ("42", Text(dlg, IDC_TG_ID));
            const struct {
                int id;
                bool on;
            } checks[] = {{IDC_TG_ALL_FACTIONS, false}, {IDC_TG_NOT_SELF, false}, {IDC_TG_NOT_HITTABLE, true},
                          {IDC_TG_NOT_PASSING, false},  {IDC_TG_NOT_BLOCK, true}, {IDC_TG_BY_ID, true}};
            for (const auto& c : checks) EXPECT_EQ(c.on, Checked(dlg, c.id)) << c.id;
            Type(dlg, IDC_TG_FACTION, "9");  // held to 7
            Type(dlg, IDC_TG_ID, "120");     // held to 98
            Choose(dlg, IDC_TG_RANGE, 1);
            for (int id : {IDC_TG_ALL_FACTIONS, IDC_TG_NOT_SELF, IDC_TG_NOT_HITTABLE, IDC_TG_NOT_PASSING,
                           IDC_TG_NOT_BLOCK})
                Click(dlg, id);
            TourShot(dlg, "cmd_target");
            End(dlg, endId);
        });
        EXPECT_EQ(endId == 1000 ? 1 : 0, result);
        const std::vector<int32_t> want =
            endId == 1000 ? std::vector<int32_t>{2, 7, 1, 2, 1, 0, 1, 0, 1, 98} : before;
        EXPECT_EQ(want, std::vector<int32_t>(cmd.m_Params.begin(), cmd.m_Params.end()));
    }
}

// The player or the character itself leaves only the target combo enabled;
// the nearest character enables the range; a character by ID disables the
// range but enables the ID edit while "対象キャラID" is checked; the faction
// follows "全勢力".
TEST_F(StagePages, TargetEnableRules) {
    const int all[] = {IDC_TG_RANGE,    IDC_TG_FACTION,      IDC_TG_ALL_FACTIONS, IDC_TG_NOT_SELF,
                       IDC_TG_NOT_HITTABLE, IDC_TG_NOT_PASSING, IDC_TG_NOT_BLOCK,  IDC_TG_BY_ID,
                       IDC_TG_ID};
    struct Case {
        int kind, allFactions, byId;
        bool range, faction, id;
    } cases[] = {
        {0, 0, 1, false, false, false}, {1, 0, 1, false, false, false}, {2, 0, 0, true, true, false},
        {2, 1, 1, true, false, true},   {3, 0, 1, false, true, true},   {3, 1, 0, false, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.kind << " " << c.allFactions << " " << c.byId);
        cEdCommand cmd = Command(kCmdTarget);
        cmd.m_Params[0] = c.kind;
        cmd.m_Params[2] = c.allFactions;
        cmd.m_Params[8] = c.byId;
        Run(&cmd, 0, [&](HWND dlg) {
            EXPECT_TRUE(Enabled(dlg, IDC_TG_KIND));
            if (c.kind < 2) {
                for (int id : all) EXPECT_FALSE(Enabled(dlg, id)) << id;
            } else {
                for (int id : {IDC_TG_ALL_FACTIONS, IDC_TG_NOT_SELF, IDC_TG_NOT_HITTABLE, IDC_TG_NOT_PASSING,
                               IDC_TG_NOT_BLOCK, IDC_TG_BY_ID})
                    EXPECT_TRUE(Enabled(dlg, id)) << id;
            }
            EXPECT_EQ(c.range, Enabled(dlg, IDC_TG_RANGE));
            EXPECT_EQ(c.faction, Enabled(dlg, IDC_TG_FACTION));
            EXPECT_EQ(c.faction, Enabled(dlg, IDC_TG_FACTION_SPIN));
            EXPECT_EQ(c.id, Enabled(dlg, IDC_TG_ID));
            if (c.kind >= 2) {
                // the two boxes switch their edits at once
                Click(dlg, IDC_TG_ALL_FACTIONS);
                Click(dlg, IDC_TG_BY_ID);
                EXPECT_EQ(!c.faction, Enabled(dlg, IDC_TG_FACTION));
                EXPECT_EQ(!c.id, Enabled(dlg, IDC_TG_ID));
            }
            End(dlg, 1001);
        });
    }
}

// The message page for the tour.
TEST_F(StagePages, MessagePicture) {
    g_GValInfo[1].m_Name = "所持金";
    g_Stage.m_Vars[1].m_Name = "スイッチ";
    cEdCommand cmd = Command(kMessage);
    cmd.m_Text = "ようこそ！\r\n所持金は #C1_3z. ゴールドです。";
    cmd.m_Params = {7, 5, 3, 0, -8, 1, 2, 50, 1, 1};
    Run(&cmd, 0, [&](HWND dlg) {
        TourShot(dlg, "cmd_message");
        End(dlg, 1001);
    });
}

}  // namespace
