// Layout of the client area, window sizing against the system's frames, and
// placement over a point, a control or another window.
#include <windows.h>

#include <string>

#include "tests/ui/test_dialogs.h"
#include "ui/appwnd.h"
#include "ui/wnd.h"

namespace {

class WndTest : public GuiTest {};

TEST_F(WndTest, LayoutDividesTheClientArea) {
    const int sbx = GetSystemMetrics(SM_CXVSCROLL), sby = GetSystemMetrics(SM_CYHSCROLL);
    struct Case {
        const char* name;
        int rows, status, bars;
        RECT client;        // design client rectangle for a 200 x 100 canvas
        sCanvasRect canvas;
        RECT min, max;      // for a minimum of 50 x 40 and a maximum of 640 x 480
    };
    const Case cases[] = {
        {"plain", 0, 0, 0, {0, 0, 200, 100}, {0, 0, 200, 100}, {0, 0, 50, 40}, {0, 0, 640, 480}},
        {"two rows and a status bar", 2, 1, 0, {0, 0, 200, 176}, {0, 56, 200, 100}, {0, 0, 50, 116}, {0, 0, 640, 556}},
        {"both bars", 0, 0, kHScrollBar | kVScrollBar, {0, 0, 200 + sbx, 100 + sby}, {0, 0, 200, 100},
         {0, 0, 50 + sbx, 40 + sby}, {0, 0, 640 + sbx, 480 + sby}},
        {"status kind 2 is no status bar", 1, 2, kHScrollBar, {0, 0, 200, 128 + sby}, {0, 28, 200, 100},
         {0, 0, 50, 68 + sby}, {0, 0, 640, 508 + sby}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        cWnd wnd;
        wnd.SetLayout(200, 100, 50, 40, 640, 480, WS_POPUP, 0, c.rows, c.status, 0, c.bars);
        EXPECT_EQ(c.client, wnd.m_rcDesign);
        EXPECT_EQ(c.client, wnd.m_rcClient);
        EXPECT_EQ(c.canvas.x, wnd.m_rcCanvas.x);
        EXPECT_EQ(c.canvas.y, wnd.m_rcCanvas.y);
        EXPECT_EQ(c.canvas.w, wnd.m_rcCanvas.w);
        EXPECT_EQ(c.canvas.h, wnd.m_rcCanvas.h);
        EXPECT_EQ(c.min, wnd.m_rcMin);
        EXPECT_EQ(c.max, wnd.m_rcMax);
        MINMAXINFO info = {};
        wnd.OnGetMinMaxInfo(&info);
        EXPECT_EQ(c.min.right, info.ptMinTrackSize.x) << "a popup window has no margins";
        EXPECT_EQ(c.max.bottom, info.ptMaxTrackSize.y);
    }
}

// A window of the application's kind, made from a registered class.
class cTestAppWnd : public cAppWnd {
public:
    LRESULT MsgProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) override { return DefMsgProc(hwnd, msg, wp, lp); }
    void OnCreate(WPARAM, LPARAM) override { ++m_nCreates; }
    void OnCommand(WPARAM wp, LPARAM) override { m_Commands.push_back(LOWORD(wp)); }
    HWND Make(DWORD style, HMENU menu, int x = 100, int y = 100) {
        static bool registered = false;
        if (!registered) {
            WNDCLASSA wc = {};
            wc.lpfnWndProc = cAppWnd::WndProc;
            wc.hInstance = GetModuleHandleA(nullptr);
            wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
            wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(LTGRAY_BRUSH));
            wc.lpszClassName = "VTestAppWnd";
            RegisterClassA(&wc);
            registered = true;
        }
        m_hInst = GetModuleHandleA(nullptr);
        return CreateWindowA("VTestAppWnd", "テスト", style, x, y, 300, 200, nullptr, menu, m_hInst, this);
    }
    ~cTestAppWnd() override {
        if (m_hWnd) DestroyWindow(m_hWnd);
    }
    int m_nCreates = 0;
    std::vector<int> m_Commands;
};

// The margins computed from the style match the system's frames: asking for
// a client size gives exactly that client size.
TEST_F(WndTest, ClientSizeMatchesTheSystemFrames) {
    struct Case {
        const char* name;
        DWORD style;
        bool menu;
    };
    const Case cases[] = {
        {"sizing frame", WS_OVERLAPPEDWINDOW, false},
        {"sizing frame and menu", WS_OVERLAPPEDWINDOW, true},
        {"dialog frame", WS_POPUP | WS_CAPTION | WS_SYSMENU, false},
        {"no frame", WS_POPUP, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        cTestAppWnd wnd;
        HMENU menu = nullptr;
        if (c.menu) {
            menu = CreateMenu();
            AppendMenuA(menu, MF_STRING, 1, "ファイル(&F)");
        }
        HWND hwnd = wnd.Make(c.style, menu);
        ASSERT_NE(nullptr, hwnd);
        EXPECT_EQ(1, wnd.m_nCreates);
        EXPECT_EQ(hwnd, wnd.m_hWnd);
        wnd.SetLayout(0, 0, 0, 0, 0, 0, c.style, c.menu, 0, 0, 0, 0);
        wnd.UpdateLayout();
        wnd.SetClientSize(321, 123);
        RECT client, window;
        ::GetClientRect(hwnd, &client);
        GetWindowRect(hwnd, &window);
        EXPECT_EQ((RECT{0, 0, 321, 123}), client);
        EXPECT_EQ(window.right - window.left, wnd.m_rcWindow.right);
        EXPECT_EQ(window.bottom - window.top, wnd.m_rcWindow.bottom);
        if (c.style & WS_THICKFRAME) {
            // the maximum client size holds for a sizable window
            wnd.SetLayout(0, 0, 0, 0, 300, 100, c.style, c.menu, 0, 0, 0, 0);
            wnd.SetClientSize(321, 123);
            ::GetClientRect(hwnd, &client);
            EXPECT_EQ((RECT{0, 0, 300, 100}), client);
        }
        DestroyWindow(hwnd);
        EXPECT_EQ(nullptr, wnd.m_hWnd);
    }
}

TEST_F(WndTest, StatusBarFollowsTheWindowSize) {
    cTestAppWnd wnd;
    HWND hwnd = wnd.Make(WS_OVERLAPPEDWINDOW, nullptr);
    wnd.SetLayout(300, 200, 100, 100, 800, 600, WS_OVERLAPPEDWINDOW, 0, 1, 1, 0, 0);
    wnd.m_hStatus = CreateWindowExA(0, STATUSCLASSNAMEA, "", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, hwnd, nullptr,
                                    GetModuleHandleA(nullptr), nullptr);
    wnd.SetClientSize(300, 276);
    ShowWindow(hwnd, SW_SHOW);
    SetWindowPos(hwnd, nullptr, 0, 0, wnd.m_rcWindow.right + 40, wnd.m_rcWindow.bottom + 30, SWP_NOMOVE | SWP_NOZORDER);
    PumpUntilIdle(20);
    EXPECT_EQ(340, wnd.m_rcClient.right);
    EXPECT_EQ(306, wnd.m_rcClient.bottom);
    EXPECT_EQ((sCanvasRect{0, 28, 340, 258}.h), wnd.m_rcCanvas.h);
    RECT status;
    GetWindowRect(wnd.m_hStatus, &status);
    MapWindowPoints(nullptr, hwnd, reinterpret_cast<POINT*>(&status), 2);
    EXPECT_EQ(306, status.bottom);
    EXPECT_EQ(286, status.top);
}

// Where a dialog goes: over a requested point, over a window or a control
// (aligned or centred), always inside the work area.
TEST_F(WndTest, PlacementOverAPointAWindowOrAControl) {
    RECT work;
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    cTestDlg owner(IDD_TEST_PLAIN, nullptr, kWndDialog, &g_WndRegistry);
    owner.RunModeless(0, 1);
    RECT ownerRc, ownerClient;

    auto run = [&](cTestDlg* dlg) {
        dlg->RunModeless(0, 1);
        RECT rc;
        GetWindowRect(dlg->m_hWnd, &rc);
        return rc;
    };
    {
        SCOPED_TRACE("owner window at (-50, 10)");
        SetWindowPos(owner.m_hWnd, nullptr, -50, 10, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        cTestDlg dlg(IDD_TEST_PLAIN, nullptr, kWndDialog, &g_WndRegistry, static_cast<cWnd*>(&owner), 0);
        RECT rc = run(&dlg);
        EXPECT_EQ(0, rc.left);
        EXPECT_EQ(10, rc.top);
    }
    {
        SCOPED_TRACE("centred over the owner window");
        SetWindowPos(owner.m_hWnd, nullptr, 300, 200, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        GetWindowRect(owner.m_hWnd, &ownerRc);
        ::GetClientRect(owner.m_hWnd, &ownerClient);
        cTestDlg dlg(IDD_TEST_CANVAS, nullptr, kWndDialog, &g_WndRegistry, static_cast<cWnd*>(&owner), 1);
        RECT rc = run(&dlg);
        RECT client;
        ::GetClientRect(dlg.m_hWnd, &client);
        EXPECT_EQ(300 + ownerClient.right / 2 - client.right / 2, rc.left);
        EXPECT_EQ(200 + ownerClient.bottom / 2 - client.bottom / 2, rc.top);
    }
    {
        SCOPED_TRACE("over a control, aligned");
        cProbeCtrl list;
        list.Attach(&owner, IDC_TEST_LIST);
        RECT ctrl;
        GetWindowRect(list.m_hWnd, &ctrl);
        cTestDlg dlg(IDD_TEST_PLAIN, nullptr, kWndDialog, &g_WndRegistry, static_cast<cCtrl*>(&list), 0);
        RECT rc = run(&dlg);
        EXPECT_EQ(ctrl.left, rc.left);
        EXPECT_EQ(ctrl.top, rc.top);
    }
    {
        SCOPED_TRACE("right edge of the work area reached");
        cTestDlg dlg(IDD_TEST_PLAIN, nullptr, kWndDialog, &g_WndRegistry, static_cast<int>(work.right - 10), 20);
        RECT rc = run(&dlg);
        EXPECT_EQ(work.right, rc.right);
        EXPECT_EQ(work.right - (rc.right - rc.left), dlg.m_nInitX) << "the clamped point is kept";
        EXPECT_EQ(20, rc.top);
    }
    {
        SCOPED_TRACE("a point inside the work area");
        cTestDlg dlg(IDD_TEST_PLAIN, nullptr, kWndDialog, &g_WndRegistry, 123, 45);
        RECT rc = run(&dlg);
        EXPECT_EQ(123, rc.left);
        EXPECT_EQ(45, rc.top);
        EXPECT_EQ((POINT{123, 45}).x, dlg.m_ptPos.x);
    }
    {
        SCOPED_TRACE("no position requested: the dialog manager's place is kept");
        cTestDlg ref(IDD_TEST_PLAIN, nullptr, kWndDialog, &g_WndRegistry);
        RECT where = run(&ref);
        ref.Close(0);
        cTestDlg dlg(IDD_TEST_PLAIN, nullptr, kWndDialog, &g_WndRegistry, kNoInitPos, 100);
        RECT rc = run(&dlg);
        EXPECT_EQ(where.left, rc.left);
        EXPECT_EQ(where.top, rc.top);
    }
}

}  // namespace

TEST_F(WndTest, SetTemplateAndAddTextF) {
    cTestDlg parent(IDD_TEST_PLAIN, nullptr, kWndDialog, &g_WndRegistry);
    parent.RunModeless(0, 1);
    ASSERT_NE(nullptr, parent.m_hWnd);

    // the set-up of a window object before its window exists
    cWnd plain;
    plain.SetTemplate(42, &parent, &g_WndRegistry);
    EXPECT_EQ(42, plain.m_nTemplateId);
    EXPECT_EQ(parent.m_hWnd, plain.m_hParent);
    EXPECT_EQ(&g_WndRegistry, plain.m_lpRegistry);
    EXPECT_EQ(AppInstance(), plain.m_hInst);
    plain.SetTemplate(0, nullptr, nullptr);
    EXPECT_EQ(nullptr, plain.m_hParent);
    EXPECT_EQ(nullptr, plain.m_lpRegistry);
    plain.AddTextF("%d", 1);  // no window: nothing happens
    // the default handlers do nothing
    plain.OnFrame();
    plain.OnCommand(1, 2);
    plain.OnLButtonDown(0, 0);
    plain.Draw();

    // appended to the window's text, at most 1024 bytes at a time
    SetWindowTextA(parent.m_hWnd, "幅");
    parent.AddTextF(" (%d,%d,%s)", 16, 24, "中");
    char text[4096] = "";
    GetWindowTextA(parent.m_hWnd, text, sizeof text);
    EXPECT_STREQ("幅 (16,24,中)", text);
    SetWindowTextA(parent.m_hWnd, "");
    parent.AddTextF("%s", std::string(3000, 'x').c_str());
    EXPECT_EQ(1023, GetWindowTextLengthA(parent.m_hWnd));
    parent.DestroyModeless();
}
