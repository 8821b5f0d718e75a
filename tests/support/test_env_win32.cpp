#include <windows.h>

#include <cstdio>
#include <string>

#include <gtest/gtest.h>

#include "base/appwnd.h"
#include "tests/support/exe_driver.h"
#include "tests/support/test_env.h"

namespace {

const char kClass[] = "TestAppWindow";
bool g_WndDestroyed = false;

LRESULT CALLBACK TestWndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_DESTROY) {
        g_WndDestroyed = true;
        if (g_MainWnd == hwnd) g_MainWnd = nullptr;
    }
    return DefWindowProcA(hwnd, msg, wp, lp);
}

}  // namespace

TestAppWindow::TestAppWindow() {
    static bool registered = false;
    if (!registered) {
        WNDCLASSA wc = {};
        wc.lpfnWndProc = TestWndProc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = kClass;
        RegisterClassA(&wc);
        registered = true;
    }
    g_WndDestroyed = false;
    HWND wnd = CreateWindowA(kClass, "test app", WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr,
                             GetModuleHandleA(nullptr), nullptr);
    m_Wnd = wnd;
    g_MainWnd = wnd;
}

TestAppWindow::~TestAppWindow() {
    HWND wnd = static_cast<HWND>(m_Wnd);
    if (!g_WndDestroyed && IsWindow(wnd)) DestroyWindow(wnd);
    MSG msg;
    while (PeekMessageA(&msg, wnd, 0, 0, PM_REMOVE)) {
    }
    g_MainWnd = nullptr;
}

bool TestAppWindow::TakeClosePosted() {
    MSG msg;
    bool found = false;
    while (PeekMessageA(&msg, static_cast<HWND>(m_Wnd), WM_CLOSE, WM_CLOSE, PM_REMOVE)) found = true;
    return found;
}

bool TestAppWindow::Destroyed() const {
    return g_WndDestroyed;
}

bool TestAppWindow::TakeCloseRequest() {
    return TakeClosePosted() || Destroyed();
}

// Typed keys (SendInput) go to the focus of the desktop's foreground window,
// and the test programs run side by side under one Wine server. Each program
// therefore puts its main thread on a desktop of its own before it makes any
// window, so no other program takes its foreground or its keys. A thread that
// the tests start sees only its own desktop's windows until it calls
// SetThreadDesktop with the main thread's desktop.
//
// Under Wine the desktop is made a virtual one (its size listed under
// Explorer\Desktops before it starts): its windows then live inside one X
// window, where hiding a window waits for no window manager. On a bare X
// server every hidden captioned window (each closed message box or dialog)
// would otherwise wait two seconds for a window manager that is not there.
static void UsePrivateDesktop() {
    char name[64];
    snprintf(name, sizeof name, "test-%lu", GetCurrentProcessId());
    // kTestDesktopWidth x kTestDesktopHeight (gui.h)
    if (!UseOwnDesktop(name, 1280, 1024))
        fprintf(stderr, "test: no desktop of its own (%lu); typed keys may go astray\n", GetLastError());
}

static DWORD s_MainThread;

void JoinTestDesktop() {
    SetThreadDesktop(GetThreadDesktop(s_MainThread));
}

// Every test program runs in a fresh folder, so the files it writes (logs,
// records) never meet another program's.
int main(int argc, char** argv) {
    s_MainThread = GetCurrentThreadId();
    UsePrivateDesktop();
    char tmp[MAX_PATH];
    GetTempPathA(sizeof tmp, tmp);
    char dir[MAX_PATH];
    snprintf(dir, sizeof dir, "%svantor-test-%lu-%lu", tmp, GetCurrentProcessId(), GetTickCount());
    CreateDirectoryA(dir, nullptr);
    SetCurrentDirectoryA(dir);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
