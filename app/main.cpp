// Entry point of the editor. Until the application shell is in place it opens
// the application window and shows that the program is built.
#include <windows.h>

#include "app/globals.h"
#include "base/appwnd.h"
#include "base/log.h"
#include "base/record.h"
#include "res/resource.h"

static LRESULT CALLBACK AppWndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_PAINT: {
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(hwnd, &ps);
            RECT rc;
            GetClientRect(hwnd, &rc);
            DrawTextA(dc, "エディターは組み立てられました。", -1, &rc, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
            EndPaint(hwnd, &ps);
            return 0;
        }
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
    }
    return DefWindowProcA(hwnd, msg, wp, lp);
}

int WINAPI WinMain(HINSTANCE inst, HINSTANCE, LPSTR, int show) {
    SetDataVersion(248, 0);
    SetErrorLog(0, "RI_Zedevu.txt");
    InstallModelHooks();

    WNDCLASSA wc = {};
    wc.style = CS_OWNDC | CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = AppWndProc;
    wc.hInstance = inst;
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(LTGRAY_BRUSH));
    wc.lpszClassName = "Vantor4";
    RegisterClassA(&wc);

    char title[64];
    LoadStringA(inst, IDS_APP_TITLE, title, sizeof title);
    g_MainWnd = CreateWindowA("Vantor4", title, WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT, 480, 160,
                              nullptr, nullptr, inst, nullptr);
    ShowWindow(g_MainWnd, show);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return 0;
}
