// Mouse edges, the popup trigger and popup menus, toolbar buttons with their
// tooltips: real mouse input over real windows.
#include <windows.h>

#include <algorithm>

#include "tests/ui/test_dialogs.h"
#include "ui/appwnd.h"
#include "ui/wnd.h"

namespace {

class MouseTest : public GuiTest {};

// A modeless dialog at a given point that counts the press edges and the
// completed right clicks it sees.
class cMouseDlg : public cTestDlg {
public:
    cMouseDlg(int x, int y) : cTestDlg(IDD_TEST_PLAIN, nullptr, kWndDialog, &g_WndRegistry, x, y) {
        m_OnMessage = [](cTestDlg* d, UINT) {
            cMouseDlg* self = static_cast<cMouseDlg*>(d);
            self->m_nPresses += d->m_Mouse.m_bLPress;
            if (d->IsActive()) {
                ++self->m_nRightClicks;
                if (d->m_hPopupMenu) d->TrackPopup(d->m_hPopupMenu);
            }
        };
    }
    int m_nPresses = 0;
    int m_nRightClicks = 0;
};

// A point of the dialog's client area away from its controls.
POINT EmptyPoint(HWND wnd) {
    RECT rc;
    ::GetClientRect(wnd, &rc);
    POINT pt = {rc.right / 4, rc.bottom - 8};
    ClientToScreen(wnd, &pt);
    return pt;
}

TEST_F(MouseTest, APressIsReportedToOneWindowOnly) {
    cMouseDlg a(200, 200), b(210, 210);
    a.RunModeless(0, 1);
    b.RunModeless(0, 1);
    POINT pt = EmptyPoint(b.m_hWnd);
    for (int round = 0; round < 2; ++round) {
        SCOPED_TRACE(round);
        MoveMouseTo(pt.x, pt.y);
        int before = a.m_nPresses + b.m_nPresses;
        MouseButton(false, true);
        // both windows update their state while the button is down
        a.UpdateMouse(true, 7);
        b.UpdateMouse(true, 7);
        int edges = a.m_nPresses + b.m_nPresses - before + a.m_Mouse.m_bLPress + b.m_Mouse.m_bLPress;
        EXPECT_EQ(1, edges);
        EXPECT_EQ(1, a.m_Mouse.m_bLDown);
        MouseButton(false, false);
        a.UpdateMouse(true, 7);
        EXPECT_EQ(0, a.m_Mouse.m_bLDown);
        EXPECT_EQ(0, a.m_Mouse.m_bLPress);
    }
}

TEST_F(MouseTest, APointOutsideTheCanvasLeavesTheStateUnlessAllowed) {
    cMouseDlg dlg(100, 100);
    dlg.RunModeless(0, 1);
    RECT rc;
    GetWindowRect(dlg.m_hWnd, &rc);
    MoveMouseTo(rc.right + 30, rc.bottom + 40);
    int x = dlg.m_Mouse.m_nX;
    EXPECT_FALSE(dlg.UpdateMouse(false, 7));
    EXPECT_EQ(x, dlg.m_Mouse.m_nX);
    EXPECT_TRUE(dlg.UpdateMouse(true, 7));
    POINT client = {rc.right + 30, rc.bottom + 40};
    ScreenToClient(dlg.m_hWnd, &client);
    EXPECT_EQ(client.x, dlg.m_Mouse.m_nX);
    EXPECT_EQ(client.y, dlg.m_Mouse.m_nY);
    EXPECT_EQ(rc.right + 30, dlg.m_ptPopup.x);
}

// Keys for the popup menu's own modal loop, queued from inside it.
void CALLBACK ChooseFirstItem(HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    INPUT in[4] = {};
    WORD keys[2] = {VK_DOWN, VK_RETURN};
    for (int i = 0; i < 4; ++i) {
        in[i].type = INPUT_KEYBOARD;
        in[i].ki.wVk = keys[i / 2];
        in[i].ki.dwFlags = i % 2 ? KEYEVENTF_KEYUP : 0;
    }
    SendInput(4, in, sizeof(INPUT));
}

TEST_F(MouseTest, RightClickOpensThePopupMenuButNotAPressFromBeforeTheWindow) {
    MoveMouseTo(330, 330);
    MouseButton(true, true);  // pressed before the window opens
    cMouseDlg dlg(300, 300);
    dlg.m_OnInit = [](cTestDlg* d) {
        d->m_hPopupMenu = GetSubMenu(LoadMenuA(d->m_hInst, MAKEINTRESOURCEA(IDM_TEST_POPUP)), 0);
    };
    dlg.RunModeless(0, 1);
    ASSERT_TRUE(BringToFront(dlg.m_hWnd));
    POINT pt = EmptyPoint(dlg.m_hWnd);
    MoveMouseTo(pt.x, pt.y);
    MouseButton(true, false);
    PumpUntilIdle(50);
    EXPECT_EQ(0, dlg.m_nRightClicks);

    // a click as a person makes it: the button stays down for a while
    SetTimer(nullptr, 0, 300, ChooseFirstItem);
    MouseButton(true, true);
    MouseButton(true, false);
    EXPECT_TRUE(PumpUntil([&] { return dlg.m_nRightClicks == 1; }));
    EXPECT_TRUE(PumpUntil([&] {
        return std::count(dlg.m_Commands.begin(), dlg.m_Commands.end(), ID_TEST_CUT) == 1;
    }));
    EXPECT_EQ(pt.x, dlg.m_ptPopup.x);
    EXPECT_EQ(pt.y, dlg.m_ptPopup.y);
    EXPECT_EQ(1, dlg.m_nRightClicks) << "one click, one popup";
}

// A window with a toolbar, made from a registered class.
class cToolWnd : public cAppWnd {
public:
    cToolWnd() {
        static bool registered = false;
        if (!registered) {
            WNDCLASSA wc = {};
            wc.lpfnWndProc = cAppWnd::WndProc;
            wc.hInstance = GetModuleHandleA(nullptr);
            wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
            wc.lpszClassName = "VTestToolWnd";
            RegisterClassA(&wc);
            registered = true;
        }
        m_hInst = GetModuleHandleA(nullptr);
        CreateWindowA("VTestToolWnd", "ツール", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 150, 150, 400, 200, nullptr, nullptr,
                      m_hInst, this);
    }
    ~cToolWnd() override {
        if (m_hWnd) DestroyWindow(m_hWnd);
    }
    LRESULT MsgProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) override { return DefMsgProc(hwnd, msg, wp, lp); }
    void OnCreate(WPARAM, LPARAM) override {
        m_hToolbar = CreateWindowExA(0, TOOLBARCLASSNAMEA, nullptr, WS_CHILD | WS_VISIBLE, 0, 0, 0,
                                     0, m_hWnd, nullptr, m_hInst, nullptr);
    }
    void OnCommand(WPARAM wp, LPARAM) override { m_Commands.push_back(LOWORD(wp)); }
    std::vector<int> m_Commands;
};

TBBUTTON Button(int image, int cmd, BYTE style = TBSTYLE_BUTTON) {
    TBBUTTON b = {};
    b.iBitmap = image;
    b.idCommand = cmd;
    b.fsState = TBSTATE_ENABLED;
    b.fsStyle = style;
    return b;
}

// A 24-bit bitmap file of count 16 x 15 images.
void WriteStrip(const char* path, int count) {
    int w = count * 16, h = 15, stride = (w * 3 + 3) & ~3;
    BITMAPFILEHEADER fh = {};
    BITMAPINFOHEADER ih = {};
    fh.bfType = 0x4D42;
    fh.bfOffBits = sizeof fh + sizeof ih;
    fh.bfSize = fh.bfOffBits + stride * h;
    ih.biSize = sizeof ih;
    ih.biWidth = w;
    ih.biHeight = h;
    ih.biPlanes = 1;
    ih.biBitCount = 24;
    std::string bytes(reinterpret_cast<char*>(&fh), sizeof fh);
    bytes.append(reinterpret_cast<char*>(&ih), sizeof ih);
    bytes.append(static_cast<size_t>(stride * h), '\x40');
    WriteWholeFile(path, bytes);
}

TEST_F(MouseTest, ToolbarButtonsTheirImagesTooltipsAndCommands) {
    static const sToolButton own[] = {
        {Button(0, ID_TEST_SAVE), "上書き保存"},
        {Button(0, 0, TBSTYLE_SEP), ""},
        {Button(1, ID_TEST_RUN), "テストプレイ"},
    };
    static const sToolButton std[] = {
        {Button(STD_CUT, ID_TEST_CUT), "切り取り"},
        {Button(STD_COPY, ID_TEST_COPY), "コピー"},
    };
    cToolWnd wnd;
    ASSERT_NE(nullptr, wnd.m_hToolbar);
    wnd.AddToolButtons(own, 3, "missing.bmp");
    EXPECT_EQ(0, SendMessageA(wnd.m_hToolbar, TB_BUTTONCOUNT, 0, 0)) << "no bitmap, no buttons";
    WriteStrip("strip.bmp", 3);
    wnd.AddToolButtons(own, 3, "strip.bmp");
    wnd.AddStdToolButtons(std, 2);
    ASSERT_EQ(5, SendMessageA(wnd.m_hToolbar, TB_BUTTONCOUNT, 0, 0));
    // the own strip starts at image 0; the standard images follow its 3
    const int images[] = {0, 0, 1, 3 + STD_CUT, 3 + STD_COPY};
    for (int i = 0; i < 5; ++i) {
        TBBUTTON b = {};
        SendMessageA(wnd.m_hToolbar, TB_GETBUTTON, i, reinterpret_cast<LPARAM>(&b));
        EXPECT_EQ(images[i], b.iBitmap) << i;
    }

    // every button has a tooltip window of its own holding its text over its rectangle
    std::vector<std::string> tips;
    HWND tip = nullptr;
    while ((tip = FindWindowExA(nullptr, tip, TOOLTIPS_CLASSA, nullptr)) != nullptr) {
        if (GetWindow(tip, GW_OWNER) != wnd.m_hWnd) continue;
        char text[80] = "";
        TOOLINFOA info = {};
        info.cbSize = TTTOOLINFOA_V1_SIZE;
        info.lpszText = text;
        ASSERT_EQ(1, SendMessageA(tip, TTM_GETTOOLCOUNT, 0, 0));
        SendMessageA(tip, TTM_ENUMTOOLSA, 0, reinterpret_cast<LPARAM>(&info));
        EXPECT_EQ(wnd.m_hToolbar, info.hwnd);
        for (int i = 0; i < 5; ++i) {
            RECT item;
            SendMessageA(wnd.m_hToolbar, TB_GETITEMRECT, i, reinterpret_cast<LPARAM>(&item));
            if (item == info.rect) tips.resize(5), tips[i] = text;
        }
    }
    EXPECT_EQ((std::vector<std::string>{"上書き保存", "", "テストプレイ", "切り取り", "コピー"}), tips);

    // hovering shows the tip; Wine's tooltips share one subclass of the
    // toolbar, so only the last tooltip added follows the mouse there
    ASSERT_TRUE(BringToFront(wnd.m_hWnd));
    RECT item;
    SendMessageA(wnd.m_hToolbar, TB_GETITEMRECT, 4, reinterpret_cast<LPARAM>(&item));
    POINT pt = {(item.left + item.right) / 2, (item.top + item.bottom) / 2};
    ClientToScreen(wnd.m_hToolbar, &pt);
    MoveMouseTo(pt.x - 2, pt.y);
    MoveMouseTo(pt.x, pt.y);
    std::string shown;
    PumpUntil([&] {
        HWND tip = nullptr;
        while ((tip = FindWindowExA(nullptr, tip, TOOLTIPS_CLASSA, nullptr)) != nullptr) {
            if (!IsWindowVisible(tip) || GetWindow(tip, GW_OWNER) != wnd.m_hWnd) continue;
            char text[80] = "";
            TOOLINFOA info = {};
            info.cbSize = TTTOOLINFOA_V1_SIZE;
            info.lpszText = text;
            if (SendMessageA(tip, TTM_GETCURRENTTOOLA, 0, reinterpret_cast<LPARAM>(&info))) shown = text;
        }
        return !shown.empty();
    }, 4000);
    EXPECT_EQ("コピー", shown);
    ClickAt(pt.x, pt.y);
    EXPECT_TRUE(PumpUntil([&] { return !wnd.m_Commands.empty(); }));
    EXPECT_EQ(std::vector<int>{ID_TEST_COPY}, wnd.m_Commands);
}


// The tool record each button's tooltip is given: the record with its lParam
// (44 bytes in the 32-bit program).
std::vector<UINT> g_ToolRecordSizes;
LRESULT CALLBACK RecordAddTool(int code, WPARAM wp, LPARAM lp) {
    const CWPSTRUCT* m = reinterpret_cast<const CWPSTRUCT*>(lp);
    if (code == HC_ACTION && m->message == TTM_ADDTOOLA && m->lParam)
        g_ToolRecordSizes.push_back(reinterpret_cast<const TOOLINFOA*>(m->lParam)->cbSize);
    return CallNextHookEx(nullptr, code, wp, lp);
}

TEST_F(MouseTest, TooltipsAreGivenTheToolRecordWithItsParameter) {
    static const sToolButton std[] = {
        {Button(STD_CUT, ID_TEST_CUT), "切り取り"},
        {Button(STD_COPY, ID_TEST_COPY), "コピー"},
    };
    cToolWnd wnd;
    ASSERT_NE(nullptr, wnd.m_hToolbar);
    g_ToolRecordSizes.clear();
    HHOOK hook = SetWindowsHookExA(WH_CALLWNDPROC, RecordAddTool, nullptr, GetCurrentThreadId());
    ASSERT_NE(nullptr, hook);
    wnd.AddStdToolButtons(std, 2);
    UnhookWindowsHookEx(hook);
    EXPECT_EQ((std::vector<UINT>{TTTOOLINFOA_V2_SIZE, TTTOOLINFOA_V2_SIZE}), g_ToolRecordSizes);
#if !defined(_WIN64)
    EXPECT_EQ(44u, kToolInfoSize);
#endif
}

}  // namespace
