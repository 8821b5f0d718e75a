// The stage editor's commands that open the system settings and the project
// options: the other registered windows are disabled while a sheet is open
// and enabled again when it closes; other commands are left to the editor.
#include <gtest/gtest.h>

#include <windows.h>

#include "app/project_editors.h"
#include "app/services.h"
#include "model/prjoption.h"
#include "model/system.h"
#include "projedit/prjoption_editopt.h"
#include "res/command_ids.h"
#include "tests/support/gui.h"
#include "tests/support/test_env.h"
#include "ui/propsheet.h"
#include "ui/registry.h"

namespace {

bool SheetGone(cPropSheet** holder) {
    if (!*holder) return true;
    PostThreadMessageA(GetCurrentThreadId(), WM_NULL, 0, 0);
    return false;
}

TEST(ProjectEditorCommands, SheetsDisableTheOtherWindowsUntilTheyClose) {
    TestAppWindow app;
    CreateDirectoryA("data", nullptr);
    g_System.SetDefault();
    g_PrjOption.SetDefault();
    struct Case {
        int id;
        cPropSheet** (*holder)();
        const char* caption;
    };
    const Case cases[] = {{ID_SYSTEM_SETTING, SystemSheetHolder, "システムの設定"},
                          {ID_PROJECT_OPTION, PrjOptionSheetHolder, "プロジェクトオプション"}};
    for (const Case& c : cases) {
        cEditOptionDlg other(nullptr, &g_WndRegistry);  // a registered tool window
        other.RunModeless(0, 1);
        ASSERT_TRUE(IsWindowEnabled(other.m_hWnd));
        EXPECT_TRUE(RunProjectEditorCommand(nullptr, c.id));
        cPropSheet** holder = c.holder();
        ASSERT_NE(nullptr, *holder);
        char caption[64] = "";
        GetWindowTextA((*holder)->m_hWnd, caption, sizeof caption);
        EXPECT_STREQ(c.caption, caption);
        EXPECT_FALSE(IsWindowEnabled(other.m_hWnd)) << c.caption;
        ClickWindow(GetDlgItem((*holder)->m_hWnd, IDCANCEL));
        ASSERT_TRUE(PumpUntil([&] { return SheetGone(holder); }));
        EXPECT_TRUE(IsWindowEnabled(other.m_hWnd)) << c.caption;
        other.DestroyModeless();
    }
    EXPECT_FALSE(RunProjectEditorCommand(nullptr, 40063)) << "not one of these";
    PumpMessages(10);
    EXPECT_TRUE(g_WndRegistry.m_Sheets.empty());
    EXPECT_TRUE(g_WndRegistry.m_Wnds.empty());
}

}  // namespace
