// The registry's pre-translation of the main loop's messages (accelerators,
// dialog navigation), its showing, enabling and idle step, driven by real keys.
#include <windows.h>

#include <algorithm>

#include "tests/ui/test_dialogs.h"
#include "ui/registry.h"

namespace {

class RegistryTest : public GuiTest {};

// A modeless dialog with the main table on itself and the list table on its list box.
class cAccelDlg : public cTestDlg {
public:
    cAccelDlg() : cTestDlg(IDD_TEST_PLAIN, nullptr, kWndDialog, &g_WndRegistry) {
        m_OnInit = [](cTestDlg* d) {
            d->m_Accels.clear();
            d->AddAccelerators(d->m_hWnd, IDA_TEST_MISSING);  // does not load: a null entry
            d->AddAccelerators(d->m_hWnd, IDA_TEST_MAIN);
            d->AddAccelerators(GetDlgItem(d->m_hWnd, IDC_TEST_LIST), IDA_TEST_LIST);
        };
    }
    int Count(int id) const { return static_cast<int>(std::count(m_Commands.begin(), m_Commands.end(), id)); }
};

TEST_F(RegistryTest, AcceleratorsApplyOnlyInTheActiveWindow) {
    cAccelDlg a, b;
    a.RunModeless(0, 1);
    b.RunModeless(0, 1);
    ASSERT_EQ(3u, a.m_Accels.size());
    EXPECT_EQ(nullptr, a.m_Accels[0].m_hTable);
    ASSERT_TRUE(BringToFront(a.m_hWnd));
    PressKeyWith(VK_CONTROL, 'S');
    PressKey(VK_F5);
    EXPECT_EQ(1, a.Count(ID_TEST_SAVE));
    EXPECT_EQ(1, a.Count(ID_TEST_RUN));
    EXPECT_EQ(0, b.Count(ID_TEST_SAVE));
    ASSERT_TRUE(BringToFront(b.m_hWnd));
    PressKeyWith(VK_CONTROL, 'S');
    EXPECT_EQ(1, a.Count(ID_TEST_SAVE));
    EXPECT_EQ(1, b.Count(ID_TEST_SAVE));
}

TEST_F(RegistryTest, ATableBoundToAListAppliesOnlyWhileTheListHasTheFocus) {
    cAccelDlg dlg;
    dlg.RunModeless(0, 1);
    ASSERT_TRUE(BringToFront(dlg.m_hWnd));
    ClickWindow(GetDlgItem(dlg.m_hWnd, IDC_TEST_EDIT));
    PressKey(VK_DELETE);
    EXPECT_EQ(0, dlg.Count(ID_TEST_DELETE));
    ClickWindow(GetDlgItem(dlg.m_hWnd, IDC_TEST_LIST));
    ASSERT_EQ(GetDlgItem(dlg.m_hWnd, IDC_TEST_LIST), GetFocus()) << Describe(GetFocus()) << " / dialog " << dlg.m_hWnd;
    PressKey(VK_DELETE);
    EXPECT_EQ(1, dlg.Count(ID_TEST_DELETE)) << "the command arrives at the window that registered the table";
}

TEST_F(RegistryTest, TabMovesTheFocusInAModelessDialog) {
    cTestDlg dlg(IDD_TEST_PLAIN, nullptr, kWndDialog, &g_WndRegistry);
    dlg.RunModeless(0, 1);
    ASSERT_TRUE(BringToFront(dlg.m_hWnd));
    ClickWindow(GetDlgItem(dlg.m_hWnd, IDC_TEST_EDIT));
    PressKey(VK_TAB);
    EXPECT_EQ(GetDlgItem(dlg.m_hWnd, IDC_TEST_LIST), GetFocus());
}

TEST_F(RegistryTest, ClosedDialogGetsNoKeysButKeepsItsFrames) {
    cAccelDlg dlg;
    dlg.RunModeless(0, 1);
    dlg.Close(0);
    int frames = dlg.m_nFrames;
    MSG msg = MakeMsg(nullptr, WM_KEYDOWN, VK_F5);
    EXPECT_FALSE(g_WndRegistry.PreTranslate(&msg));
    g_WndRegistry.CallFrame();
    EXPECT_EQ(frames + 1, dlg.m_nFrames);
    EXPECT_EQ(0, dlg.Count(ID_TEST_RUN));
}

TEST_F(RegistryTest, FramesGoToEveryListedWindowInOrder) {
    cTestDlg a(IDD_TEST_PLAIN, nullptr, kWndDialog, &g_WndRegistry);
    cTestDlg* b = new cTestDlg(IDD_TEST_PLAIN, nullptr, kWndDialog, &g_WndRegistry);
    cTestDlg c(IDD_TEST_PLAIN, nullptr, kWndDialog, &g_WndRegistry);
    for (cTestDlg* d : {&a, b, &c}) d->RunModeless(0, 0);
    b->Close(0);  // closed, still listed
    std::vector<cTestDlg*> log;
    cTestDlg::s_FrameLog = &log;
    g_WndRegistry.CallFrame();
    EXPECT_EQ((std::vector<cTestDlg*>{&a, b, &c}), log);
    delete b;
    log.clear();
    g_WndRegistry.CallFrame();
    EXPECT_EQ((std::vector<cTestDlg*>{&a, &c}), log);
    cTestDlg::s_FrameLog = nullptr;
}

// A window that leaves the list from its own OnFrame (as a tool window that
// ends itself does): the window behind it still gets its frame.
class cLeavingDlg : public cTestDlg {
public:
    cLeavingDlg() : cTestDlg(IDD_TEST_PLAIN, nullptr, kWndDialog, &g_WndRegistry) {}
    void OnFrame() override {
        cTestDlg::OnFrame();
        g_WndRegistry.RemoveWindow(this);
    }
};

TEST_F(RegistryTest, AWindowLeavingInItsOwnFrameSkipsNoOther) {
    cTestDlg a(IDD_TEST_PLAIN, nullptr, kWndDialog, &g_WndRegistry);
    cLeavingDlg b;
    cTestDlg c(IDD_TEST_PLAIN, nullptr, kWndDialog, &g_WndRegistry);
    for (cTestDlg* d : {&a, static_cast<cTestDlg*>(&b), &c}) {
        d->RunModeless(0, 0);
        d->Close(0);
    }
    std::vector<cTestDlg*> log;
    cTestDlg::s_FrameLog = &log;
    g_WndRegistry.CallFrame();
    EXPECT_EQ((std::vector<cTestDlg*>{&a, &b, &c}), log);
    log.clear();
    g_WndRegistry.CallFrame();
    EXPECT_EQ((std::vector<cTestDlg*>{&a, &c}), log);
    cTestDlg::s_FrameLog = nullptr;
}

// Showing everything again shows each sheet's current page only: the other
// pages stay hidden under it.
TEST_F(RegistryTest, ShowAllShowsOnlyTheCurrentPageOfASheet) {
    cTestDlg owner(IDD_TEST_PLAIN, nullptr, kWndDialog, &g_WndRegistry);
    owner.RunModeless(0, 1);
    cPropSheet* sheet = nullptr;
    cTestSheet* made = new cTestSheet(&owner, &sheet);
    sheet = made;
    made->Open(nullptr);
    made->SetCurPage(1);
    made->SetCurPage(0);  // both pages have windows now; A is current
    HWND pageA = made->m_lpPageA->m_hWnd;
    HWND pageB = made->m_lpPageB->m_hWnd;
    ASSERT_NE(nullptr, pageA);
    ASSERT_NE(nullptr, pageB);
    ASSERT_FALSE(IsWindowVisible(pageB));
    g_WndRegistry.ShowAll(false);
    EXPECT_FALSE(IsWindowVisible(made->m_hWnd));
    g_WndRegistry.ShowAll(true);
    EXPECT_TRUE(IsWindowVisible(made->m_hWnd));
    EXPECT_TRUE(IsWindowVisible(pageA));
    EXPECT_FALSE(IsWindowVisible(pageB)) << "a hidden page does not come up over the current one";
    EXPECT_TRUE(IsWindowVisible(owner.m_hWnd));
    delete sheet;
}

TEST_F(RegistryTest, ShowAllAndEnableAllReachWindowsAndSheets) {
    cTestDlg a(IDD_TEST_PLAIN, nullptr, kWndDialog, &g_WndRegistry);
    cTestDlg b(IDD_TEST_PLAIN, nullptr, kWndDialog, &g_WndRegistry);
    cTestDlg closed(IDD_TEST_PLAIN, nullptr, kWndDialog, &g_WndRegistry);
    a.RunModeless(0, 1);
    b.RunModeless(0, 1);
    closed.RunModeless(0, 1);
    closed.Close(0);
    cPropSheet* sheet = nullptr;
    cTestSheet* made = new cTestSheet(&a, &sheet);
    sheet = made;
    made->Open(nullptr);
    b.Enable(0);  // disabled before: enabled at the end all the same
    g_WndRegistry.EnableAll(false);
    for (HWND w : {a.m_hWnd, b.m_hWnd, made->m_hWnd}) EXPECT_TRUE(HasStyle(w, WS_DISABLED));
    g_WndRegistry.EnableAll(true);
    for (HWND w : {a.m_hWnd, b.m_hWnd, made->m_hWnd}) EXPECT_FALSE(HasStyle(w, WS_DISABLED));
    g_WndRegistry.ShowAll(false);
    for (HWND w : {a.m_hWnd, b.m_hWnd, made->m_hWnd}) EXPECT_FALSE(IsWindowVisible(w));
    g_WndRegistry.ShowAll(true);
    for (HWND w : {a.m_hWnd, b.m_hWnd, made->m_hWnd}) EXPECT_TRUE(IsWindowVisible(w));
    delete sheet;
}

}  // namespace
