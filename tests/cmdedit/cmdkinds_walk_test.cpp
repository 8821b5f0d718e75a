// Every command kind of the character flows has a page of its own: a new
// command of each kind, chosen by a real click on its button in the
// selection dialog, opens a page captioned with the kind's name that is
// not the plain fallback page, and cancelling it leaves no page open.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "cmdedit/cmd_pages.h"
#include "cmdedit/cmdselect_dlg.h"
#include "cmdedit/cmdselect_dlg_res.h"
#include "model/cmd_tables.h"
#include "model/flow.h"
#include "model/system.h"
#include "tests/cmdedit/cmd_page_driver.h"
#include "tests/support/gui.h"

namespace {

BOOL CALLBACK CountChild(HWND, LPARAM p) {
    ++*reinterpret_cast<int*>(p);
    return TRUE;
}

int CountChildren(HWND wnd) {
    int n = 0;
    EnumChildWindows(wnd, CountChild, reinterpret_cast<LPARAM>(&n));
    return n;
}

TEST(CmdKinds, EveryKindOpensItsOwnPage) {
    g_System.m_ColorMode = 0;
    for (int kind = 1; kind < kCmdKindCount; ++kind) EXPECT_NE(nullptr, FindCmdPage(kind)) << kind;
    for (int kind = 1; kind < kCmdKindCount; ++kind) {
        SCOPED_TRACE(kind);
        cEdCommand cmd;
        cEditReq req;
        req.m_pRecord = &cmd;
        req.m_bNew = 1;
        int controls = 0;
        cDialogScript script;
        script.Then("コマンド", [&](HWND dlg) { ClickWindow(GetDlgItem(dlg, CmdKindButton(kind))); });
        script.Then(g_CmdKind[kind].m_Name.c_str(), [&](HWND page) {
            controls = CountChildren(page);
            ClickWindow(GetDlgItem(page, 1001));
        });
        cCmdSelectDlg dlg(IDD_CMD_SELECT, nullptr, kWndDialog, &req, &g_WndRegistry, nullptr, 0);
        EXPECT_EQ(0, script.Run(&dlg));
        EXPECT_EQ(kind, cmd.m_nKind);
        // the plain page holds a picture, OK and cancel only
        EXPECT_GT(controls, 3) << g_CmdKind[kind].m_Name.c_str();
    }
}

}  // namespace
