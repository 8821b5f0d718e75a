#include "ui/framework_deps.h"

#include <cstdarg>
#include <cstdio>

#include "base/appwnd.h"
#include "base/log.h"

int g_CtrlDown = 0;

int ErrorBox(const char* text) {
    return MessageBoxA(GetActiveWindow(), text, "エラー", MB_OK);
}

int ErrorBoxF(const char* fmt, ...) {
    char buf[1024];
    va_list ap;
    va_start(ap, fmt);
    vsnprintf(buf, sizeof buf, fmt, ap);
    va_end(ap);
    return ErrorBox(buf);
}

int DebugErrorBoxF(const char* fmt, ...) {
    if (!IsErrorLogOn()) return 0;
    char buf[1024];
    va_list ap;
    va_start(ap, fmt);
    vsnprintf(buf, sizeof buf, fmt, ap);
    va_end(ap);
    return ErrorBox(buf);
}

void OutOfMemory() {
    ErrorBox("メモリが不足しています！");
    if (g_MainWnd) PostMessageA(g_MainWnd, WM_CLOSE, 0, 0);
}

void ResourceError() {
    DebugErrorBoxF("システムリソース不足です！");
    MessageBeep(0);
    if (g_MainWnd) PostMessageA(g_MainWnd, WM_CLOSE, 0, 0);
}

cHook::cHook() : m_hWnd(nullptr), m_bModeless(0) {}

cHook::~cHook() {}

bool cHook::Install(HWND wnd, int modeless) {
    m_hWnd = wnd;
    m_bModeless = modeless;
    SetPropA(wnd, "cHook", this);
    return true;
}
