#include <windows.h>

#include <cstdio>
#include <string>

#include <gtest/gtest.h>

#include "base/appwnd.h"
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

// Every test program runs in a fresh folder, so the files it writes (logs,
// records) never meet another program's.
int main(int argc, char** argv) {
    char tmp[MAX_PATH];
    GetTempPathA(sizeof tmp, tmp);
    char dir[MAX_PATH];
    snprintf(dir, sizeof dir, "%svantor-test-%lu-%lu", tmp, GetCurrentProcessId(), GetTickCount());
    CreateDirectoryA(dir, nullptr);
    SetCurrentDirectoryA(dir);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
