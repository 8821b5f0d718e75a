// The command selection dialog and the page base: a new command takes the
// kind of the pressed button and is edited on that kind's page, an existing
// command goes straight to its page, and the command's parameters are sized
// for its kind before the page shows.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "app/services.h"
#include "cmdedit/cmd_pages.h"
#include "cmdedit/cmdselect_dlg.h"
#include "cmdedit/cmdselect_dlg_res.h"
#include "model/cmd_tables.h"
#include "model/flow.h"
#include "model/system.h"
#include "tests/cmdedit/cmd_page_driver.h"
#include "tests/support/gui.h"

namespace {

class CmdSelect : public testing::Test {
protected:
    void SetUp() override { g_System.m_ColorMode = 0; }
    void TearDown() override { g_System.m_ColorMode = 0; }

    // Runs dialog 205 on the command with the script; its result.
    int Run(cEdCommand* cmd, int isNew, cDialogScript& script) {
        cEditReq req;
        req.m_pRecord = cmd;
        req.m_bNew = isNew;
        cCmdSelectDlg dlg(IDD_CMD_SELECT, nullptr, kWndDialog, &req, &g_WndRegistry, nullptr, 0);
        return script.Run(&dlg);
    }
    static void Click(HWND dlg, int id) { ClickWindow(GetDlgItem(dlg, id)); }
    static std::string Caption(HWND wnd) {
        char buf[128] = "";
        GetWindowTextA(wnd, buf, sizeof buf);
        return buf;
    }
};

// Every kind has its button, captioned with its name; the unused buttons
// never show and 1299 does not exist. Closing the dialog without a choice
// ends it with 0 and leaves the command as it was.
TEST_F(CmdSelect, ButtonsNameTheKinds) {
    cEdCommand cmd;
    cDialogScript script;
    std::string names[kCmdKindCount];
    bool shown[kCmdSelectRows] = {};
    bool missing1299 = false;
    script.Then("コマンド", [&](HWND dlg) {
        for (int k = 1; k < kCmdKindCount; ++k) names[k] = Caption(GetDlgItem(dlg, CmdKindButton(k)));
        for (int id = 1304; id <= 1312; ++id) shown[id - 1304] = IsWindowVisible(GetDlgItem(dlg, id)) != 0;
        missing1299 = GetDlgItem(dlg, 1299) == nullptr;
        TourShot(dlg, "cmd_select");
        PostMessageA(dlg, WM_CLOSE, 0, 0);
    });
    EXPECT_EQ(0, Run(&cmd, 1, script));
    for (int k = 1; k < kCmdKindCount; ++k) EXPECT_EQ(std::string(g_CmdKind[k].m_Name.c_str()), names[k]) << k;
    for (int i = 0; i < 9; ++i) EXPECT_FALSE(shown[i]) << 1304 + i;
    EXPECT_TRUE(missing1299);
    EXPECT_EQ(0, cmd.m_nKind);
    EXPECT_TRUE(cmd.m_Params.empty());
    EXPECT_EQ(CmdKindButton(32), 1298);
    EXPECT_EQ(CmdKindButton(33), 1300);
    EXPECT_EQ(CmdKindPageId(36), 252);
    EXPECT_EQ(0, CmdKindButton(37));
}

// A new command through a real click on its kind's button: the page shows
// with the kind's name; OK keeps the kind and the parameters sized for it,
// cancel ends with 0 (the flows page then removes the command) but the
// parameters stay sized; closing the page counts as cancel.
TEST_F(CmdSelect, NewCommandTakesThePressedKind) {
    struct Case {
        const char* what;
        int kind;
        int endId;  // 1000 OK, 1001 cancel, 0 the close box
        int result;
    } cases[] = {
        {"game wait, OK", 18, 1000, 1},
        {"game wait, cancel", 18, 1001, 0},
        {"status operation, OK", 22, 1000, 1},
        {"stage clear, closed", 17, 0, 0},
        {"code, OK", 36, 1000, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        cEdCommand cmd;
        cmd.m_Params.assign(30, 9);
        cDialogScript script;
        script.Then("コマンド", [&](HWND dlg) { Click(dlg, CmdKindButton(c.kind)); });
        script.Then(g_CmdKind[c.kind].m_Name.c_str(), [&](HWND page) {
            if (c.endId)
                Click(page, c.endId);
            else
                PostMessageA(page, WM_CLOSE, 0, 0);
        });
        EXPECT_EQ(c.result, Run(&cmd, 1, script));
        EXPECT_EQ(0, cmd.m_nCmdSet);
        EXPECT_EQ(c.kind, cmd.m_nKind);
        EXPECT_EQ(static_cast<size_t>(g_CmdKind[c.kind].m_nParams), cmd.m_Params.size());
    }
}

// An existing command opens its page at once: the selection dialog is
// never seen, and its parameters are cut or padded to the kind's count
// even when the page is cancelled.
TEST_F(CmdSelect, ExistingCommandOpensItsPageDirectly) {
    struct Case {
        int kind;
        int params;
        int endId;
        int result;
    } cases[] = {{16, 5, 1001, 0}, {18, 3, 1000, 1}, {26, 0, 1001, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.kind);
        cEdCommand cmd;
        cmd.m_nKind = static_cast<int8_t>(c.kind);
        cmd.m_Params.assign(static_cast<size_t>(c.params), 4);
        cDialogScript script;
        script.Then(g_CmdKind[c.kind].m_Name.c_str(), [&](HWND page) { Click(page, c.endId); });
        EXPECT_EQ(c.result, Run(&cmd, 0, script));
        EXPECT_EQ("" + std::string(g_CmdKind[c.kind].m_Name.c_str()) + ";", script.m_Seen) << "dialog 205 showed";
        EXPECT_EQ(c.kind, cmd.m_nKind);
        ASSERT_EQ(static_cast<size_t>(g_CmdKind[c.kind].m_nParams), cmd.m_Params.size());
        for (int i = 0; i < static_cast<int>(cmd.m_Params.size()); ++i)
            EXPECT_EQ(i < c.params ? 4 : 0, cmd.m_Params[i]) << i;
    }
}

// In 24-bit colour mode the screen colour button is disabled for a new
// command, but an existing screen colour command still opens its page.
TEST_F(CmdSelect, ScreenColourNeedsThePaletteMode) {
    g_System.m_ColorMode = 1;
    cEdCommand fresh;
    bool enabled = true;
    cDialogScript choose;
    choose.Then("コマンド", [&](HWND dlg) {
        enabled = IsWindowEnabled(GetDlgItem(dlg, 1298)) != 0;
        PostMessageA(dlg, WM_CLOSE, 0, 0);
    });
    EXPECT_EQ(0, Run(&fresh, 1, choose));
    EXPECT_FALSE(enabled);

    cEdCommand existing;
    existing.m_nKind = 32;
    cDialogScript open;
    open.Then("画面の色を変更", [&](HWND page) { Click(page, 1000); });
    EXPECT_EQ(1, Run(&existing, 0, open));
    EXPECT_EQ(8u, existing.m_Params.size());
}

// A kind that names no page (a fresh kind-0 command edited again, or a
// damaged byte) never closes the editor: the selection is offered instead.
TEST_F(CmdSelect, KindWithoutAPageOffersTheSelection) {
    for (int kind : {0, 37, 45, 100, -3}) {
        SCOPED_TRACE(kind);
        cEdCommand cmd;
        cmd.m_nKind = static_cast<int8_t>(kind);
        cDialogScript script;
        script.Then("コマンド", [&](HWND dlg) { PostMessageA(dlg, WM_CLOSE, 0, 0); });
        EXPECT_EQ(0, Run(&cmd, 0, script));
        EXPECT_EQ(kind, cmd.m_nKind);
    }
    // and a page built for such a command sizes its parameters to nothing
    cEdCommand damaged;
    damaged.m_nKind = 90;
    damaged.m_Params.assign(4, 1);
    cEditReq req;
    req.m_pRecord = &damaged;
    cCmdDlg* page = MakeCmdPageForKind(90, 0, nullptr, &req, nullptr);
    ASSERT_TRUE(page);
    EXPECT_TRUE(damaged.m_Params.empty());
    delete page;
}

// A new command of a kind that keeps its arguments in a move or shot record
// owns a fresh one once its page is confirmed.
TEST_F(CmdSelect, NewMoveOrShotCommandOwnsItsRecord) {
    struct Case {
        int kind;
        bool move;
    } cases[] = {{20, true}, {13, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.kind);
        cEdCommand cmd;
        cDialogScript script;
        script.Then("コマンド", [&](HWND dlg) { Click(dlg, CmdKindButton(c.kind)); });
        script.Then(g_CmdKind[c.kind].m_Name.c_str(), [&](HWND page) { Click(page, 1000); });
        EXPECT_EQ(1, Run(&cmd, 1, script));
        EXPECT_EQ(c.move, cmd.m_spMove != nullptr);
        EXPECT_EQ(!c.move, cmd.m_spShot != nullptr);
    }
}

// The list a page opens over: the nested flows page's only while an item
// sheet is open and that list exists, else the character sheet's.
TEST(CmdPageOwner, NestedListOnlyWithAnItemSheet) {
    cCtrl chara, nested;
    cPropSheet* const someSheet = reinterpret_cast<cPropSheet*>(&chara);  // compared, never used
    struct Case {
        bool itemSheet;
        cCtrl* charaList;
        cCtrl* nestedList;
        cCtrl* expected;
    } cases[] = {
        {false, &chara, nullptr, &chara}, {false, &chara, &nested, &chara}, {true, &chara, &nested, &nested},
        {true, &chara, nullptr, &chara},  {true, nullptr, nullptr, nullptr},
    };
    for (const Case& c : cases) {
        g_StageEdit.g_ItemSheet = c.itemSheet ? someSheet : nullptr;
        g_CharaFlowCmdList = c.charaList;
        g_NestedFlowCmdList = c.nestedList;
        EXPECT_EQ(c.expected, CmdPageOwnerCtrl()) << c.itemSheet << " " << (c.nestedList != nullptr);
    }
    g_StageEdit.g_ItemSheet = nullptr;
    g_CharaFlowCmdList = nullptr;
    g_NestedFlowCmdList = nullptr;
}

}  // namespace
