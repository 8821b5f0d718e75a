// Dialogs run modal and modeless, their end results, run flags and the
// default message handling, driven by real input and by messages.
#include <windows.h>

#include "tests/ui/test_dialogs.h"
#include "ui/dlg.h"

namespace {

class DlgTest : public GuiTest {};

// The end result of a modal dialog for each way of ending it.
TEST_F(DlgTest, ModalEndResults) {
    struct Case {
        const char* name;
        std::function<void(HWND)> end;
        int result;
        int stored;  // CtrlsToData calls
    };
    const Case cases[] = {
        {"OK button", [](HWND w) { ClickWindow(GetDlgItem(w, kIdOk)); }, 1, 1},
        {"cancel button", [](HWND w) { ClickWindow(GetDlgItem(w, kIdCancel)); }, 0, 0},
        {"Alt+F4 (WM_CLOSE)", [](HWND) { PressKeyWith(VK_MENU, VK_F4); }, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        cProbeCtrl probe;
        cTestDlg* dlg = new cTestDlg(IDD_TEST_PLAIN, nullptr, kWndDialog, &g_WndRegistry);
        dlg->m_Probes.push_back({&probe, IDC_TEST_EDIT});
        bool listed = true;
        int r = RunModalScripted(dlg, 0, [&](HWND w) {
            listed = CountListed(dlg) != 0;
            BringToFront(w);
            c.end(w);
        });
        EXPECT_EQ(c.result, r);
        EXPECT_EQ(c.stored, probe.m_nStored);
        EXPECT_EQ(1, probe.m_nShown);
        EXPECT_FALSE(listed) << "a modal dialog is not listed";
        EXPECT_EQ(nullptr, dlg->m_hWnd);
        delete dlg;
    }
}

TEST_F(DlgTest, SecondRunModalWhileUpReturnsZeroAndLeavesTheDialog) {
    cTestDlg dlg(IDD_TEST_PLAIN, nullptr, kWndDialog, &g_WndRegistry);
    int inner = -1;
    HWND during = nullptr;
    int r = RunModalScripted(&dlg, 0, [&](HWND w) {
        inner = dlg.RunModal(0);
        during = dlg.m_hWnd;
        EXPECT_TRUE(IsWindowVisible(w));
        ClickWindow(GetDlgItem(w, kIdOk));
    });
    EXPECT_EQ(0, inner);
    EXPECT_NE(nullptr, during);
    EXPECT_EQ(1, r);
    EXPECT_EQ(1, dlg.m_nInits);
}

// Run flags hide (2) and disable (4) every registered window during the run.
TEST_F(DlgTest, RunFlagsHideAndDisableTheRegisteredWindows) {
    struct Case {
        int flags;
        bool hidden, disabled;
    };
    for (const Case& c : {Case{0, false, false}, Case{kRunHideOthers, true, false}, Case{kRunDisableOthers, false, true},
                          Case{kRunHideOthers | kRunDisableOthers, true, true}}) {
        SCOPED_TRACE(c.flags);
        cTestDlg other(IDD_TEST_PLAIN, nullptr, kWndDialog, &g_WndRegistry);
        other.RunModeless(0, 1);
        cTestDlg modal(IDD_TEST_PLAIN, nullptr, kWndDialog, &g_WndRegistry);
        bool visible = true, disabled = false;
        RunModalScripted(&modal, c.flags, [&](HWND w) {
            visible = IsWindowVisible(other.m_hWnd) != 0;
            disabled = HasStyle(other.m_hWnd, WS_DISABLED);
            ClickWindow(GetDlgItem(w, kIdCancel));
        });
        EXPECT_EQ(c.hidden, !visible);
        EXPECT_EQ(c.disabled, disabled);
        EXPECT_TRUE(IsWindowVisible(other.m_hWnd));
        EXPECT_FALSE(HasStyle(other.m_hWnd, WS_DISABLED));
    }
}

TEST_F(DlgTest, RunModelessAgainMakesANewWindowUnderTheSameEntry) {
    cTestDlg dlg(IDD_TEST_PLAIN, nullptr, kWndDialog, &g_WndRegistry);
    dlg.RunModeless(0, 1);
    HWND first = dlg.m_hWnd;
    ASSERT_NE(nullptr, first);
    EXPECT_EQ(&dlg, GetPropA(first, "DLG_CLASS"));
    EXPECT_EQ(reinterpret_cast<LONG_PTR>(DlgSubclassProc), GetWindowLongPtrA(first, GWLP_WNDPROC));
    EXPECT_TRUE(IsWindowVisible(first));
    dlg.RunModeless(0, 1);
    EXPECT_FALSE(IsWindow(first));
    EXPECT_NE(nullptr, dlg.m_hWnd);
    EXPECT_EQ(1, CountListed(&dlg));
    EXPECT_EQ(2, dlg.m_nInits);
    // the subclassed first window worked: typing reached its edit
}

TEST_F(DlgTest, ModelessWindowThatCannotBeCreatedClosesTheApplication) {
    cTestDlg other(IDD_TEST_PLAIN, nullptr, kWndDialog, &g_WndRegistry);
    other.RunModeless(0, 1);
    other.Enable(0);
    cTestDlg broken(IDD_TEST_MISSING, nullptr, kWndDialog, &g_WndRegistry);
    broken.RunModeless(kRunDisableOthers, 1);
    EXPECT_EQ(nullptr, broken.m_hWnd);
    EXPECT_FALSE(HasStyle(other.m_hWnd, WS_DISABLED)) << "every registered window is enabled again";
    EXPECT_TRUE(m_App.TakeClosePosted());
}

TEST_F(DlgTest, AModalDialogThatCannotBeMadeIsReportedAndNeverReadAsOk) {
    cTestDlg other(IDD_TEST_PLAIN, nullptr, kWndDialog, &g_WndRegistry);
    other.RunModeless(0, 1);
    cTestDlg broken(IDD_TEST_MISSING, nullptr, kWndDialog, &g_WndRegistry);
    EXPECT_EQ(0, broken.RunModal(kRunDisableOthers | kRunHideOthers)) << "read as cancelled";
    EXPECT_EQ(nullptr, broken.m_hWnd);
    EXPECT_FALSE(HasStyle(other.m_hWnd, WS_DISABLED));
    EXPECT_TRUE(IsWindowVisible(other.m_hWnd));
    EXPECT_TRUE(m_App.TakeClosePosted()) << "reported as a resource error";
}

// A dialog class whose destructor leaves the window to the base class: the
// window dies with the base's table, and the windows its run hid and
// disabled are given back all the same.
class cBareDlg : public cDlg {
public:
    cBareDlg() : cDlg(IDD_TEST_PLAIN, nullptr, kWndDialog, &g_WndRegistry) {}
    LRESULT MsgProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) override { return DefMsgProc(hwnd, msg, wp, lp); }
};

TEST_F(DlgTest, TheBaseDestructorGivesBackTheWindowsItsRunHidAndDisabled) {
    cTestDlg other(IDD_TEST_PLAIN, nullptr, kWndDialog, &g_WndRegistry);
    other.RunModeless(0, 1);
    cBareDlg* bare = new cBareDlg;
    bare->RunModeless(kRunDisableOthers | kRunHideOthers, 1);
    HWND wnd = bare->m_hWnd;
    ASSERT_NE(nullptr, wnd);
    EXPECT_TRUE(HasStyle(other.m_hWnd, WS_DISABLED));
    EXPECT_FALSE(IsWindowVisible(other.m_hWnd));
    delete bare;
    EXPECT_FALSE(IsWindow(wnd));
    EXPECT_FALSE(HasStyle(other.m_hWnd, WS_DISABLED));
    EXPECT_TRUE(IsWindowVisible(other.m_hWnd));
}

TEST_F(DlgTest, ClosedModelessDialogStaysListedAndGetsFramesUntilDeleted) {
    cTestDlg* dlg = new cTestDlg(IDD_TEST_PLAIN, nullptr, kWndDialog, &g_WndRegistry);
    dlg->RunModeless(0, 1);
    HWND wnd = dlg->m_hWnd;
    ClickWindow(GetDlgItem(wnd, kIdCancel));
    EXPECT_FALSE(IsWindow(wnd));
    EXPECT_EQ(nullptr, dlg->m_hWnd);
    EXPECT_EQ(1, CountListed(dlg));
    int frames = dlg->m_nFrames;
    EXPECT_TRUE(PumpUntil([&] { return dlg->m_nFrames > frames; }));
    delete dlg;
    EXPECT_EQ(0, CountListed(dlg));
}

TEST_F(DlgTest, DeletingAnOpenModelessDialogClosesItsWindow) {
    cTestDlg* dlg = new cTestDlg(IDD_TEST_PLAIN, nullptr, kWndDialog, &g_WndRegistry);
    dlg->RunModeless(0, 1);
    HWND wnd = dlg->m_hWnd;
    MsgBoxCatcher boxes;
    delete dlg;
    PumpUntilIdle(50);
    EXPECT_FALSE(IsWindow(wnd));
    EXPECT_TRUE(boxes.boxes.empty());
}

// A dialog class whose destructor does not leave the registry itself.
class cPlainDlg : public cDlg {
public:
    cPlainDlg() : cDlg(IDD_TEST_PLAIN, nullptr, kWndDialog, &g_WndRegistry) {}
    LRESULT MsgProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) override { return DefMsgProc(hwnd, msg, wp, lp); }
};

TEST_F(DlgTest, TheBaseDestructorLeavesTheRegistryAndClosesTheWindow) {
    cPlainDlg* dlg = new cPlainDlg;
    dlg->RunModeless(0, 1);
    HWND wnd = dlg->m_hWnd;
    EXPECT_EQ(1, CountListed(dlg));
    delete dlg;
    EXPECT_EQ(0, CountListed(dlg));
    EXPECT_FALSE(IsWindow(wnd));
    PumpUntilIdle(20);  // nothing of the deleted object is reached any more
}

TEST_F(DlgTest, CommandSentFromInsideACommandHandlerIsDropped) {
    cTestDlg dlg(IDD_TEST_PLAIN, nullptr, kWndDialog, &g_WndRegistry);
    dlg.m_OnCommandHook = [](cTestDlg* d, WPARAM wp) {
        if (LOWORD(wp) == ID_TEST_SAVE) SendMessageA(d->m_hWnd, WM_COMMAND, ID_TEST_RUN, 0);
    };
    dlg.RunModeless(0, 1);
    dlg.m_Commands.clear();
    SendMessageA(dlg.m_hWnd, WM_COMMAND, ID_TEST_SAVE, 0);
    EXPECT_EQ(std::vector<int>{ID_TEST_SAVE}, dlg.m_Commands);
    SendMessageA(dlg.m_hWnd, WM_COMMAND, ID_TEST_RUN, 0);
    EXPECT_EQ((std::vector<int>{ID_TEST_SAVE, ID_TEST_RUN}), dlg.m_Commands) << "the guard is released";
}

// A dialog with both canvas scroll bars, range 0..100 and page 10 each.
class cScrollDlg : public cTestDlg {
public:
    explicit cScrollDlg(cProbeCtrl* probe = nullptr)
        : cTestDlg(IDD_TEST_CANVAS, nullptr, kWndDialog, &g_WndRegistry, 100, 100) {
        SetLayout(200, 120, 0, 0, 0, 0, 0, 0, 0, 0, 0, kHScrollBar | kVScrollBar);
        m_nCanvasId = IDC_TEST_CANVAS;
        if (probe) m_Probes.push_back({probe, IDC_TEST_EDIT});
        m_OnInit = [](cTestDlg* d) {
            for (cCtrlScroll* bar : {&d->m_HScroll.m_Ctrl, &d->m_VScroll.m_Ctrl}) {
                bar->SetRange(0, 100);
                bar->SetPage(10);
            }
        };
    }
};

TEST_F(DlgTest, ScrollBarsSitBesideTheCanvas) {
    cScrollDlg dlg;
    dlg.RunModeless(0, 1);
    RECT client;
    ::GetClientRect(dlg.m_hWnd, &client);
    int cx = GetSystemMetrics(SM_CXVSCROLL), cy = GetSystemMetrics(SM_CYHSCROLL);
    EXPECT_EQ(200 + cx, client.right);
    EXPECT_EQ(120 + cy, client.bottom);
    EXPECT_EQ(200, dlg.m_rcCanvas.w);
    EXPECT_EQ(120, dlg.m_rcCanvas.h);
    RECT h, v;
    GetWindowRect(dlg.m_HScroll.m_Ctrl.m_hWnd, &h);
    GetWindowRect(dlg.m_VScroll.m_Ctrl.m_hWnd, &v);
    MapWindowPoints(nullptr, dlg.m_hWnd, reinterpret_cast<POINT*>(&h), 2);
    MapWindowPoints(nullptr, dlg.m_hWnd, reinterpret_cast<POINT*>(&v), 2);
    EXPECT_EQ((RECT{0, 120, 200, 120 + cy}), h);
    EXPECT_EQ((RECT{200, 0, 200 + cx, 120}), v);
    EXPECT_EQ(0, dlg.m_VScroll.m_Ctrl.GetPos());
}

// Keys become scroll requests: each key, from the middle and from the edge
// of the range, moves its bar and draws only when the position changed.
TEST_F(DlgTest, KeysScrollTheCanvas) {
    struct Case {
        WPARAM key;
        bool vertical;
        int from, to;
    };
    const Case cases[] = {
        {VK_PRIOR, true, 50, 40}, {VK_PRIOR, true, 0, 0},     {VK_NEXT, true, 50, 60},  {VK_NEXT, true, 91, 91},
        {VK_UP, true, 50, 49},    {VK_DOWN, true, 50, 51},    {VK_HOME, false, 50, 40}, {VK_END, false, 50, 60},
        {VK_LEFT, false, 50, 49}, {VK_LEFT, false, 0, 0},     {VK_RIGHT, false, 50, 51},
    };
    cProbeCtrl probe;
    cScrollDlg dlg(&probe);
    dlg.RunModeless(0, 1);
    PumpUntilIdle(30);
    for (UINT msg : {static_cast<UINT>(WM_KEYDOWN), kMsgScrollKey}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(testing::Message() << "msg " << msg << " key " << c.key << " from " << c.from);
            cCtrlScroll* bar = c.vertical ? &dlg.m_VScroll.m_Ctrl : &dlg.m_HScroll.m_Ctrl;
            bar->SetPos(c.from, TRUE);
            int draws = dlg.m_nDirectDraws;
            // the dialog manager takes arrow keys as navigation; the hook's
            // message 2024 is posted, WM_KEYDOWN is handed over directly
            if (msg == WM_KEYDOWN)
                SendMessageA(dlg.m_hWnd, msg, c.key, 0);
            else
                PostMessageA(dlg.m_hWnd, msg, c.key, 0);
            PumpUntilIdle(20);
            EXPECT_EQ(c.to, bar->GetPos());
            EXPECT_EQ(c.to != c.from ? 1 : 0, dlg.m_nDirectDraws - draws);
        }
    }
    EXPECT_TRUE(probe.m_Keys.empty()) << "a modeless dialog gives no key to its controls";
    EXPECT_FALSE(probe.m_Scrolls.empty()) << "the controls see every scroll message";
}

TEST_F(DlgTest, ModalDialogGivesKeysToItsControlsAfterTheScrollRequest) {
    cProbeCtrl probe;
    cScrollDlg dlg(&probe);
    RunModalScripted(&dlg, 0, [&](HWND w) {
        dlg.m_VScroll.m_Ctrl.SetPos(50, TRUE);
        SendMessageA(w, WM_KEYDOWN, VK_DOWN, 0);
        EXPECT_EQ(std::vector<int>{VK_DOWN}, probe.m_Keys);
        EXPECT_EQ(50, dlg.m_VScroll.m_Ctrl.GetPos()) << "the request is posted";
        PumpUntilIdle(20);
        EXPECT_EQ(51, dlg.m_VScroll.m_Ctrl.GetPos());
        SendMessageA(w, WM_KEYDOWN, 'A', 0);
        EXPECT_EQ((std::vector<int>{VK_DOWN, 'A'}), probe.m_Keys);
        PostMessageA(w, WM_CLOSE, 0, 0);
    });
}

TEST_F(DlgTest, ClickOnTheScrollBarPagesAndRightClickOpensNoMenu) {
    cScrollDlg dlg;
    dlg.RunModeless(0, 1);
    BringToFront(dlg.m_hWnd);
    HWND bar = dlg.m_VScroll.m_Ctrl.m_hWnd;
    RECT rc;
    ::GetClientRect(bar, &rc);
    int draws = dlg.m_nDirectDraws;
    ClickClientPoint(bar, rc.right / 2, rc.bottom - rc.right - 4);
    PumpUntilIdle(50);
    EXPECT_EQ(10, dlg.m_VScroll.m_Ctrl.GetPos());
    EXPECT_EQ(1, dlg.m_nDirectDraws - draws);
    ClickClientPoint(bar, rc.right / 2, rc.bottom / 2, true);
    PumpUntilIdle(100);
    HWND menu = FindWindowA("#32768", nullptr);
    EXPECT_TRUE(!menu || !IsWindowVisible(menu));
}

TEST_F(DlgTest, FocusOnACanvasScrollBarGoesToTheCanvas) {
    cScrollDlg dlg;
    dlg.RunModeless(0, 1);
    BringToFront(dlg.m_hWnd);
    SetFocus(dlg.m_VScroll.m_Ctrl.m_hWnd);
    PumpUntilIdle(20);
    SendMessageA(dlg.m_hWnd, WM_NULL, 0, 0);
    EXPECT_EQ(dlg.m_Canvas.m_Ctrl.m_hWnd, GetFocus());
}

TEST_F(DlgTest, NotificationsGoToTheControlsUntilOneTakesIt) {
    cProbeCtrl a, b, c;
    b.m_nNotifyResult = 1;
    cTestDlg dlg(IDD_TEST_PLAIN, nullptr, kWndDialog, &g_WndRegistry);
    dlg.m_Probes = {{&a, IDC_TEST_EDIT}, {&b, IDC_TEST_LIST}, {&c, IDC_TEST_OK}};
    dlg.RunModeless(0, 1);
    NMHDR hdr = {dlg.m_hWnd, 5, 77};
    LRESULT r = SendMessageA(dlg.m_hWnd, WM_NOTIFY, 5, reinterpret_cast<LPARAM>(&hdr));
    EXPECT_EQ(std::vector<int>{77}, a.m_Notified);
    EXPECT_EQ(std::vector<int>{77}, b.m_Notified);
    EXPECT_TRUE(c.m_Notified.empty());
    EXPECT_EQ(0, r) << "the result stays what the window default gave";
}

// Commands reach the first control whose id, kind and notification code match.
TEST_F(DlgTest, CommandsAreRoutedByKindAndCode) {
    struct Case {
        int kind;
        int code;
        int changes, killFocus;
        uint16_t changedId;
    };
    const Case cases[] = {
        {kCtrlEditStr, EN_UPDATE, 1, 0, IDC_TEST_EDIT},   {kCtrlEditVal, EN_KILLFOCUS, 0, 1, 0},
        {kCtrlCombo, CBN_SELCHANGE, 1, 0, IDC_TEST_EDIT}, {kCtrlList, LBN_SELCHANGE, 1, 0, 0},
        {kCtrlList, LBN_KILLFOCUS, 0, 1, 0},              {kCtrlButton, BN_CLICKED, 0, 0, IDC_TEST_EDIT},
        {kCtrlCheck, 7, 0, 0, IDC_TEST_EDIT},             {kCtrlCombo, CBN_DROPDOWN, 0, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "kind " << c.kind << " code " << c.code);
        cProbeCtrl other(kCtrlStatic), probe(c.kind), twin(c.kind), list(kCtrlList);
        cTestDlg dlg(IDD_TEST_PLAIN, nullptr, kWndDialog, &g_WndRegistry);
        // a control with the same id but another kind comes first and is passed over
        dlg.m_Probes = {{&other, IDC_TEST_EDIT}, {&probe, IDC_TEST_EDIT}, {&twin, IDC_TEST_EDIT}, {&list, IDC_TEST_LIST}};
        dlg.RunModeless(0, 1);
        PumpUntilIdle(20);
        // the commands of the dialog's own start-up are not counted
        int changes = probe.m_nChanges, killFocus = probe.m_nKillFocus, after = list.m_nAfterCommand;
        int twinCalls = twin.m_nChanges + twin.m_nKillFocus;
        WPARAM wp = MAKEWPARAM(IDC_TEST_EDIT, c.code);
        SendMessageA(dlg.m_hWnd, WM_COMMAND, wp, 0);
        EXPECT_EQ(c.changes, probe.m_nChanges - changes);
        EXPECT_EQ(c.killFocus, probe.m_nKillFocus - killFocus);
        EXPECT_EQ(twinCalls, twin.m_nChanges + twin.m_nKillFocus) << "at most one control is called";
        EXPECT_EQ(after + 1, list.m_nAfterCommand) << "every list follows every command";
        EXPECT_EQ(c.changedId, dlg.GetChangedCtrlId(wp));
    }
}

TEST_F(DlgTest, TypingInAnEditReachesItsBoundControl) {
    cProbeCtrl edit(kCtrlEditStr);
    cTestDlg dlg(IDD_TEST_PLAIN, nullptr, kWndDialog, &g_WndRegistry);
    dlg.m_Probes = {{&edit, IDC_TEST_EDIT}};
    dlg.RunModeless(0, 1);
    BringToFront(dlg.m_hWnd);
    ClickWindow(GetDlgItem(dlg.m_hWnd, IDC_TEST_EDIT));
    PressKey('A');
    PressKey('B');
    char text[16] = "";
    GetDlgItemTextA(dlg.m_hWnd, IDC_TEST_EDIT, text, sizeof text);
    EXPECT_STREQ("ab", text);
    EXPECT_EQ(2, edit.m_nChanges);
}

TEST_F(DlgTest, DataToCtrlsExceptSkipsTheControlsWithThatId) {
    cProbeCtrl a, b, c;
    cTestDlg dlg(IDD_TEST_PLAIN, nullptr, kWndDialog, &g_WndRegistry);
    dlg.m_Probes = {{&a, IDC_TEST_EDIT}, {&b, IDC_TEST_LIST}, {&c, IDC_TEST_EDIT}};
    dlg.RunModeless(0, 1);
    dlg.DataToCtrlsExcept(&a);
    EXPECT_EQ(1, a.m_nShown);
    EXPECT_EQ(2, b.m_nShown);
    EXPECT_EQ(1, c.m_nShown);
}

}  // namespace
