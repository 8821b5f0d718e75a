#include "tests/support/gui.h"

#include <commctrl.h>

#include <cstdlib>
#include <string>

#include <gtest/gtest.h>

#include "ui/dlg.h"
#include "ui/registry.h"

namespace {

// The common controls the framework's windows use, registered before any
// test makes a window. (The test main has put the program on a desktop of its
// own, kTestDesktopWidth by kTestDesktopHeight.)
struct CommonControls {
    CommonControls() {
        INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_WIN95_CLASSES | ICC_BAR_CLASSES | ICC_TAB_CLASSES};
        InitCommonControlsEx(&icc);
    }
} g_CommonControls;

bool PumpOne() {
    MSG msg;
    if (!PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) return false;
    if (msg.message == WM_QUIT) return true;
    if (!g_WndRegistry.PreTranslate(&msg)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return true;
}

void Idle() {
    g_WndRegistry.CallFrame();
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 2, QS_ALLINPUT);
}

// Nothing waits in the thread's queue: no input, no posted or sent message.
bool QueueDrained() {
    return HIWORD(GetQueueStatus(QS_INPUT | QS_POSTMESSAGE | QS_SENDMESSAGE)) == 0;
}

// The input goes to this thread's queue at once; the call returns once the
// queue holds nothing more (the input and what handling it posted have been
// taken), however long a busy machine takes, and after at least 40 ms.
void Send(INPUT* in, int n) {
    SendInput(n, in, sizeof(INPUT));
    PumpUntilIdle(40);
}

}  // namespace

void PumpMessages(int ms) {
    DWORD start = GetTickCount();
    do {
        if (!PumpOne()) Idle();
    } while (static_cast<int>(GetTickCount() - start) < ms);
}

bool PumpUntilIdle(int minMs, int timeoutMs) {
    PumpMessages(minMs);
    return PumpUntil(QueueDrained, timeoutMs);
}

bool PumpUntil(const std::function<bool()>& done, int timeoutMs) {
    DWORD start = GetTickCount();
    while (!done()) {
        if (static_cast<int>(GetTickCount() - start) >= timeoutMs) return false;
        if (!PumpOne()) Idle();
    }
    return true;
}

namespace {
// A mouse event at an absolute screen point. Every event carries its point:
// Wine's X11 driver may still deliver pointer motion of an earlier move, so
// a button event that relied on the current position could land elsewhere.
INPUT MouseAt(int x, int y, DWORD flags) {
    int w = GetSystemMetrics(SM_CXSCREEN);
    int h = GetSystemMetrics(SM_CYSCREEN);
    INPUT in = {};
    in.type = INPUT_MOUSE;
    in.mi.dx = (x * 65536 + w - 1) / w;
    in.mi.dy = (y * 65536 + h - 1) / h;
    in.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | flags;
    return in;
}
POINT g_MousePoint = {0, 0};
}  // namespace

void MoveMouseTo(int x, int y) {
    g_MousePoint = {x, y};
    INPUT in = MouseAt(x, y, 0);
    Send(&in, 1);
    // Wine may still deliver pointer motion of an earlier move, and a busy
    // machine delays it: wait until the cursor stands at the point, sending
    // the move again now and then.
    POINT pt = {0, 0};
    for (int i = 1; i <= 400; ++i) {
        if (GetCursorPos(&pt) && pt.x == x && pt.y == y) return;
        PumpMessages(10);
        if (i % 20 == 0) Send(&in, 1);
    }
    ADD_FAILURE() << "the cursor did not come to " << x << "," << y << ": it stands at " << pt.x << "," << pt.y;
}

void MouseButton(bool right, bool down) {
    INPUT in = MouseAt(g_MousePoint.x, g_MousePoint.y,
                       right ? (down ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_RIGHTUP)
                             : (down ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP));
    Send(&in, 1);
}

void ClickAt(int x, int y, bool right) {
    MoveMouseTo(x, y);
    // down and up in one batch: a control may start a modal tracking loop on
    // the press, which must find the release already queued
    INPUT in[2] = {MouseAt(x, y, right ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN),
                   MouseAt(x, y, right ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP)};
    Send(in, 2);
}

void ClickClientPoint(HWND wnd, int x, int y, bool right) {
    POINT pt = {x, y};
    ClientToScreen(wnd, &pt);
    ClickAt(pt.x, pt.y, right);
}

void ClickWindow(HWND wnd, bool right) {
    // as a person would: the window's top-level window in front, and the
    // window itself the one under the point, before the click
    BringToFront(GetAncestor(wnd, GA_ROOT));
    RECT rc;
    GetWindowRect(wnd, &rc);
    POINT pt = {(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2};
    PumpUntil([&] { return WindowFromPoint(pt) == wnd; }, 1000);
    ClickAt(pt.x, pt.y, right);
}

void KeyDown(WORD vk) {
    INPUT in = {};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = vk;
    in.ki.wScan = static_cast<WORD>(MapVirtualKeyA(vk, MAPVK_VK_TO_VSC));
    Send(&in, 1);
}

void KeyUp(WORD vk) {
    INPUT in = {};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = vk;
    in.ki.wScan = static_cast<WORD>(MapVirtualKeyA(vk, MAPVK_VK_TO_VSC));
    in.ki.dwFlags = KEYEVENTF_KEYUP;
    Send(&in, 1);
}

void PressKey(WORD vk) {
    KeyDown(vk);
    KeyUp(vk);
}

void PressKeyWith(WORD modifier, WORD vk) {
    // one batch, so the modifier is down in the key state that every one of
    // the key messages carries
    INPUT in[4] = {};
    WORD keys[4] = {modifier, vk, vk, modifier};
    for (int i = 0; i < 4; ++i) {
        in[i].type = INPUT_KEYBOARD;
        in[i].ki.wVk = keys[i];
        in[i].ki.wScan = static_cast<WORD>(MapVirtualKeyA(keys[i], MAPVK_VK_TO_VSC));
        in[i].ki.dwFlags = i >= 2 ? KEYEVENTF_KEYUP : 0;
    }
    Send(in, 4);
}

bool BringToFront(HWND wnd) {
    SetForegroundWindow(wnd);
    return PumpUntil([&] { return GetForegroundWindow() == wnd; }, 2000);
}

namespace {
cDlg* g_ScriptDlg = nullptr;
const std::function<void(HWND)>* g_Script = nullptr;
bool g_ScriptLeftOpen = false;

void CALLBACK ScriptTimer(HWND, UINT, UINT_PTR id, DWORD) {
    if (!g_ScriptDlg || !g_ScriptDlg->m_hWnd || !IsWindowVisible(g_ScriptDlg->m_hWnd)) return;
    KillTimer(nullptr, id);
    HWND wnd = g_ScriptDlg->m_hWnd;
    (*g_Script)(wnd);
    PumpUntil([&] { return !IsWindow(wnd) || !IsWindowVisible(wnd); }, 2000);
    if (IsWindow(wnd) && IsWindowVisible(wnd)) {
        g_ScriptLeftOpen = true;
        EndDialog(wnd, -7);
    }
}
}  // namespace

int RunModalScripted(cDlg* dlg, int runFlags, const std::function<void(HWND)>& script) {
    g_ScriptDlg = dlg;
    g_Script = &script;
    g_ScriptLeftOpen = false;
    UINT_PTR timer = SetTimer(nullptr, 0, 20, ScriptTimer);
    int r = dlg->RunModal(runFlags);
    KillTimer(nullptr, timer);
    g_ScriptDlg = nullptr;
    g_Script = nullptr;
    EXPECT_FALSE(g_ScriptLeftOpen) << "the script left the modal dialog open";
    return r;
}

namespace {
MsgBoxCatcher* g_Catcher = nullptr;
UINT_PTR g_CatcherTimer = 0;

BOOL CALLBACK CollectStatic(HWND child, LPARAM lp) {
    char cls[32] = "";
    GetClassNameA(child, cls, sizeof cls);
    if (lstrcmpiA(cls, "Static") == 0) {
        char text[1024] = "";
        GetWindowTextA(child, text, sizeof text);
        std::string* out = reinterpret_cast<std::string*>(lp);
        if (text[0]) *out += text;
    }
    return TRUE;
}

BOOL CALLBACK AnswerBox(HWND wnd, LPARAM) {
    char cls[32] = "";
    GetClassNameA(wnd, cls, sizeof cls);
    if (lstrcmpA(cls, "#32770") != 0 || !IsWindowVisible(wnd)) return TRUE;
    char caption[256] = "";
    GetWindowTextA(wnd, caption, sizeof caption);
    // the framework's boxes are captioned "エラー"; dialogs and sheets are left alone
    if (lstrcmpA(caption, "エラー") != 0) return TRUE;
    MsgBoxCatcher::Box box;
    box.caption = caption;
    EnumChildWindows(wnd, CollectStatic, reinterpret_cast<LPARAM>(&box.text));
    if (g_Catcher) g_Catcher->boxes.push_back(box);
    PostMessageA(wnd, WM_COMMAND, IDOK, 0);
    return TRUE;
}

void CALLBACK CatcherTimer(HWND, UINT, UINT_PTR, DWORD) {
    EnumThreadWindows(GetCurrentThreadId(), AnswerBox, 0);
}
}  // namespace

MsgBoxCatcher::MsgBoxCatcher() {
    g_Catcher = this;
    g_CatcherTimer = SetTimer(nullptr, 0, 30, CatcherTimer);
}

MsgBoxCatcher::~MsgBoxCatcher() {
    KillTimer(nullptr, g_CatcherTimer);
    g_Catcher = nullptr;
}

void HoldForScreenshot() {
    const char* ms = getenv("VTEST_HOLD_MS");
    if (ms && atoi(ms) > 0) PumpMessages(atoi(ms));
}

void TourShot(HWND wnd, const char* name) {
    const char* dir = getenv("VTEST_TOUR_DIR");
    if (!dir || !*dir || !IsWindow(wnd)) return;
    RedrawWindow(wnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_FRAME);
    PumpMessages(150);
    RECT rc;
    GetWindowRect(wnd, &rc);
    int w = rc.right - rc.left, h = rc.bottom - rc.top;
    if (w <= 0 || h <= 0) return;
    HDC screen = GetDC(nullptr);
    HDC mem = CreateCompatibleDC(screen);
    BITMAPINFO bi = {};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = w;
    bi.bmiHeader.biHeight = h;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 24;
    bi.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP dib = CreateDIBSection(screen, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(mem, dib);
    BitBlt(mem, 0, 0, w, h, screen, rc.left, rc.top, SRCCOPY);
    GdiFlush();
    SelectObject(mem, old);
    DWORD stride = (static_cast<DWORD>(w) * 3 + 3) & ~3u;
    DWORD size = stride * static_cast<DWORD>(h);
    BITMAPFILEHEADER fh = {};
    fh.bfType = 0x4d42;
    fh.bfOffBits = sizeof fh + sizeof bi.bmiHeader;
    fh.bfSize = fh.bfOffBits + size;
    std::string path = std::string(dir) + "\\" + name + ".bmp";
    HANDLE f = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (f != INVALID_HANDLE_VALUE) {
        DWORD done = 0;
        WriteFile(f, &fh, sizeof fh, &done, nullptr);
        WriteFile(f, &bi.bmiHeader, sizeof bi.bmiHeader, &done, nullptr);
        WriteFile(f, bits, size, &done, nullptr);
        CloseHandle(f);
    }
    DeleteObject(dib);
    DeleteDC(mem);
    ReleaseDC(nullptr, screen);
}
