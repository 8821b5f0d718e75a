// The code execution page: the check that OK runs on the typed code, what
// OK and cancel leave in the command, a new command's defaults, and the
// renaming of common and stage variables from its reference lists.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "app/services.h"
#include "base/record.h"
#include "cmdedit/cmd_pages.h"
#include "cmdedit/cmdpage_code.h"
#include "cmdedit/cmdpage_code_res.h"
#include "cmdedit/cmdselect_dlg.h"
#include "model/flow.h"
#include "model/stage.h"
#include "tests/cmdedit/cmd_page_driver.h"
#include "tests/support/gui.h"

namespace {

const char kGValPath[] = "data\\GValInfo.dat";
const int kCodeKind = 36;
const char kCaption[] = "コードの実行";

class CodePage : public testing::Test {
protected:
    void SetUp() override {
        g_GValInfo.clear();
        g_GValInfo.resize(6);
        g_GValInfo[2].m_Name = "old";
        g_Stage.m_Vars.clear();
        g_Stage.m_Vars.resize(4);
        g_Stage.m_Vars[3].m_Name = "door";
        CreateDirectoryA("data", nullptr);
        DeleteFileA(kGValPath);
    }
    void TearDown() override { PumpUntilIdle(); }

    // Runs the page on the command as the selection dialog does.
    int Run(cEdCommand* cmd, int isNew, cDialogScript& script) {
        cEditReq req;
        req.m_pRecord = cmd;
        req.m_bNew = isNew;
        cmd->m_nCmdSet = 0;
        cmd->m_nKind = kCodeKind;
        std::unique_ptr<cCmdDlg> page(
            MakeCmdPageForKind(kCodeKind, CmdKindPageId(kCodeKind), nullptr, &req, nullptr));
        return script.Run(page.get());
    }
    static std::string Text(HWND dlg, int id) {
        char buf[256] = "";
        GetWindowTextA(GetDlgItem(dlg, id), buf, sizeof buf);
        return buf;
    }
    // Types the text through the keyboard input, one character at a time
    // (as typed characters, whatever the keyboard layout).
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
    // Empties the focused edit: selects from the end to the start, deletes.
    static void ClearEdit() {
        PressKey(VK_END);
        PressKeyWith(VK_SHIFT, VK_HOME);
        PressKey(VK_DELETE);
        PumpUntilIdle();
    }
    // Replaces the code in edit 1377 by typing.
    static void TypeCode(HWND page, const char* code) {
        HWND edit = GetDlgItem(page, IDC_CODE_TEXT);
        ClickWindow(edit);
        PumpUntil([&] { return GetFocus() == edit; });
        ClearEdit();
        TypeText(code);
    }
    static void Choose(HWND page, int id, int row) {
        HWND combo = GetDlgItem(page, id);
        SendMessageA(combo, CB_SETCURSEL, static_cast<WPARAM>(row), 0);
        SendMessageA(page, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
        PumpUntilIdle();
    }
    // Answers the name box with the typed name and OK.
    static void AnswerName(cDialogScript& script, const char* keys) {
        script.Then("変数名の入力", [keys](HWND box) {
            HWND edit = GetNextDlgTabItem(box, nullptr, FALSE);
            ClickWindow(edit);
            ClearEdit();
            TypeText(keys);
            ClickWindow(GetDlgItem(box, 1000));
        });
    }
};

// OK stores a code only when the check finds nothing; each problem is shown
// under "エラー" and the page stays open, and the cancel that follows keeps
// the old code.
TEST_F(CodePage, OkStoresPassingCodeAndKeepsFailingOneOpen) {
    struct Case {
        const char* code;
        const char* message;  // null: passes
    } cases[] = {
        {"hp = hp + 10", nullptr},
        {"sys.time = tg.v3", nullptr},
        {"C5 = rand(0,5)", nullptr},
        {"score = 100", nullptr},
        {"", nullptr},
        {"hp = 10 / 0", "0除算が行われました！(hp = 10 / 0)"},
        {"hp = ( 10 / 0 )", "0除算が行われました！( 10 / 0 )"},
        {"HP = 1", "定数 \"HP\" が認識できません！"},
        {"hp=5", "定数 \"hp=5\" が認識できません！"},
        {"zz.hp = 1", "オブジェクト \"zz.\" が認識できません！"},
        {"hp = rand(1)", "関数 rand の引数が不正です！"},
        {"hp = rand(1,2", "\")\"が見つかりません！"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.code);
        cEdCommand cmd;
        cmd.m_Text = "C1 = 1";
        cmd.m_nTime = 7;
        cmd.m_bParallel = 0;
        MsgBoxCatcher boxes;
        bool openAfterOk = false;
        cDialogScript script;
        script.Then(kCaption, [&](HWND page) {
            EXPECT_EQ("C1 = 1", Text(page, IDC_CODE_TEXT));
            TypeCode(page, c.code);
            ClickWindow(GetDlgItem(page, 1000));
            PumpUntil([&] { return !IsWindow(page) || !boxes.boxes.empty(); });
            PumpUntilIdle();
            openAfterOk = IsWindow(page) && IsWindowVisible(page);
            if (openAfterOk) {
                EXPECT_EQ(c.code, Text(page, IDC_CODE_TEXT)) << "a refused OK changed the code";
                ClickWindow(GetDlgItem(page, 1001));
            }
        });
        const int result = Run(&cmd, 0, script);
        EXPECT_EQ(7, cmd.m_nTime) << "an existing command's time changed";
        EXPECT_EQ(0, cmd.m_bParallel);
        if (!c.message) {
            EXPECT_EQ(1, result);
            EXPECT_FALSE(openAfterOk);
            EXPECT_TRUE(boxes.boxes.empty());
            EXPECT_EQ(c.code, std::string(cmd.m_Text.CStr()));
        } else {
            EXPECT_EQ(0, result);
            EXPECT_TRUE(openAfterOk);
            ASSERT_EQ(1u, boxes.boxes.size());
            EXPECT_EQ("エラー", boxes.boxes[0].caption);
            EXPECT_EQ(c.message, boxes.boxes[0].text);
            EXPECT_EQ("C1 = 1", std::string(cmd.m_Text.CStr()));
        }
    }
}

// Cancel after typing a valid code leaves the old one; a code that meets
// several problems shows each of them.
TEST_F(CodePage, CancelKeepsTheOldCodeAndEveryProblemIsShown) {
    cEdCommand cmd;
    cmd.m_Text = "hp = 1";
    cDialogScript script;
    script.Then(kCaption, [&](HWND page) {
        TypeCode(page, "hp = 2");
        ClickWindow(GetDlgItem(page, 1001));
    });
    EXPECT_EQ(0, Run(&cmd, 0, script));
    EXPECT_EQ("hp = 1", std::string(cmd.m_Text.CStr()));

    MsgBoxCatcher boxes;
    cDialogScript twice;
    twice.Then(kCaption, [&](HWND page) {
        TypeCode(page, "hp = ( 1 / 0 ) + ( 2 % 0 )");
        ClickWindow(GetDlgItem(page, 1000));
        PumpUntil([&] { return boxes.boxes.size() >= 2; });
        PumpUntilIdle();
        EXPECT_TRUE(IsWindow(page));
        ClickWindow(GetDlgItem(page, 1001));
    });
    EXPECT_EQ(0, Run(&cmd, 0, twice));
    ASSERT_EQ(2u, boxes.boxes.size());
    EXPECT_EQ("0除算が行われました！( 1 / 0 )", boxes.boxes[0].text);
    EXPECT_EQ("0除算が行われました！( 2 % 0 )", boxes.boxes[1].text);
    EXPECT_EQ("hp = 1", std::string(cmd.m_Text.CStr()));
}

// A new command runs at once and in parallel; an edited one keeps its
// time. Both lists start at variable 1 and show "NNN name".
TEST_F(CodePage, NewCommandDefaultsAndTheVariableLists) {
    for (int isNew : {1, 0}) {
        SCOPED_TRACE(isNew);
        cEdCommand cmd;
        cmd.m_nTime = 30;
        cmd.m_bParallel = 0;
        std::string common, stage;
        int commonCount = 0, stageCount = 0;
        cDialogScript script;
        script.Then(kCaption, [&](HWND page) {
            common = Text(page, IDC_CODE_COMMON);
            stage = Text(page, IDC_CODE_STAGE);
            commonCount = static_cast<int>(SendDlgItemMessageA(page, IDC_CODE_COMMON, CB_GETCOUNT, 0, 0));
            stageCount = static_cast<int>(SendDlgItemMessageA(page, IDC_CODE_STAGE, CB_GETCOUNT, 0, 0));
            ClickWindow(GetDlgItem(page, 1000));
        });
        EXPECT_EQ(1, Run(&cmd, isNew, script));
        EXPECT_EQ(isNew ? 0 : 30, cmd.m_nTime);
        EXPECT_EQ(isNew ? 1 : 0, cmd.m_bParallel);
        EXPECT_EQ("001 ", common);
        EXPECT_EQ("001 ", stage);
        EXPECT_EQ(5, commonCount);
        EXPECT_EQ(3, stageCount);
    }
}

// A common variable's new name is written to the names file at once and
// stays when the page is cancelled; a stage variable's new name stays in
// the stage and writes no file.
TEST_F(CodePage, RenamesAreKeptAndOnlyCommonOnesWritten) {
    struct Case {
        int combo, button, row;
        const char* keys;
        const char* shown;
        bool common;
    } cases[] = {
        {IDC_CODE_COMMON, IDC_CODE_COMMON_RENAME, 1, "gate", "002 gate", true},
        {IDC_CODE_STAGE, IDC_CODE_STAGE_RENAME, 2, "lift", "003 lift", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.keys);
        DeleteFileA(kGValPath);
        cEdCommand cmd;
        cmd.m_Text = "hp = 1";
        std::string shown;
        cDialogScript script;
        script.Then(kCaption, [&](HWND page) {
            Choose(page, c.combo, c.row);
            ClickWindow(GetDlgItem(page, c.button));
            PumpUntilIdle();
            shown = Text(page, c.combo);
            ClickWindow(GetDlgItem(page, 1001));
        });
        AnswerName(script, c.keys);
        EXPECT_EQ(0, Run(&cmd, 0, script));
        EXPECT_EQ(c.shown, shown);
        EXPECT_EQ("hp = 1", std::string(cmd.m_Text.CStr()));
        const int var = c.row + 1;
        const cVector<cEdValInfo>& table = c.common ? g_GValInfo : g_Stage.m_Vars;
        EXPECT_EQ(std::string(c.shown + 4), std::string(table[var].m_Name.CStr()));
        cVector<cEdValInfo> back;
        if (c.common) {
            ASSERT_EQ(1, LoadVector(back, kGValPath));
            ASSERT_EQ(6u, back.size());
            EXPECT_EQ("gate", std::string(back[2].m_Name.CStr()));
        } else {
            EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(kGValPath)) << "a stage rename wrote the file";
        }
    }
}

// A rename cancelled in the name box changes no name and writes no file;
// with no variable to choose (a table of variable 0 only) the button opens
// no box at all.
TEST_F(CodePage, CancelledOrImpossibleRenameChangesNothing) {
    cEdCommand cmd;
    cDialogScript script;
    bool boxSeen = false;
    script.Then(kCaption, [&](HWND page) {
        Choose(page, IDC_CODE_COMMON, 1);
        ClickWindow(GetDlgItem(page, IDC_CODE_COMMON_RENAME));
        PumpUntilIdle();
        EXPECT_EQ("002 old", Text(page, IDC_CODE_COMMON));
        // the stage table is emptied behind the page: nothing to rename
        g_Stage.m_Vars.resize(1);
        SendDlgItemMessageA(page, IDC_CODE_STAGE, CB_RESETCONTENT, 0, 0);
        ClickWindow(GetDlgItem(page, IDC_CODE_STAGE_RENAME));
        PumpUntilIdle();
        boxSeen = FindWindowA(nullptr, "変数名の入力") != nullptr;
        ClickWindow(GetDlgItem(page, 1001));
    });
    script.Then("変数名の入力", [](HWND box) {
        HWND edit = GetNextDlgTabItem(box, nullptr, FALSE);
        ClickWindow(edit);
        ClearEdit();
        TypeText("new");
        ClickWindow(GetDlgItem(box, 1001));
    });
    EXPECT_EQ(0, Run(&cmd, 0, script));
    EXPECT_FALSE(boxSeen) << "a box opened with no variable chosen";
    EXPECT_EQ("old", std::string(g_GValInfo[2].m_Name.CStr()));
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(kGValPath)) << "a cancelled rename wrote the file";
}

// A names file that cannot be written is reported; the new name is kept.
TEST_F(CodePage, FailedNamesWriteIsReported) {
    cVector<cEdValInfo> before = g_GValInfo;
    ASSERT_EQ(1, SaveVector(before, kGValPath));
    HANDLE held = CreateFileA(kGValPath, GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, held);
    MsgBoxCatcher boxes;
    cEdCommand cmd;
    cDialogScript script;
    script.Then(kCaption, [&](HWND page) {
        Choose(page, IDC_CODE_COMMON, 2);
        ClickWindow(GetDlgItem(page, IDC_CODE_COMMON_RENAME));
        PumpUntil([&] { return !boxes.boxes.empty(); });
        PumpUntilIdle();
        EXPECT_EQ("003 pit", Text(page, IDC_CODE_COMMON));
        ClickWindow(GetDlgItem(page, 1000));
    });
    AnswerName(script, "pit");
    EXPECT_EQ(1, Run(&cmd, 0, script));
    CloseHandle(held);
    EXPECT_EQ("pit", std::string(g_GValInfo[3].m_Name.CStr()));
    ASSERT_EQ(1u, boxes.boxes.size());
    EXPECT_EQ("エラー", boxes.boxes[0].caption);
    EXPECT_EQ("data\\GValInfo.dat の保存に失敗！", boxes.boxes[0].text);
}

// The page shown for the tour.
TEST_F(CodePage, Picture) {
    g_GValInfo[1].m_Name = "所持金";
    g_Stage.m_Vars[1].m_Name = "スイッチ";
    cEdCommand cmd;
    cmd.m_Text = "C1 = C1 + rand(1,10)";
    cDialogScript script;
    script.Then(kCaption, [&](HWND page) {
        TourShot(page, "cmdpage_code");
        ClickWindow(GetDlgItem(page, 1001));
    });
    EXPECT_EQ(0, Run(&cmd, 0, script));
}

}  // namespace
