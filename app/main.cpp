// Entry point of the editor: prepares the process, starts the editor on the
// project folder (the working directory), runs the main loop and shuts down.
#include <windows.h>

#include "app/mainframe.h"
#include "app/shell.h"
#include "base/log.h"
#include "base/paths_win32.h"
#include "base/sysreport.h"
#include "base/timing.h"
#include "res/resource.h"
#include "ui/dlg.h"

namespace {

// Started from the editor's own build folder, the editor works on the game
// folder beside it.
const char kBuildFolder[] = "C:\\vantor4\\editor\\build";

bool RegisterAppClass(HINSTANCE inst) {
    WNDCLASSEXA wc = {};
    wc.cbSize = sizeof wc;
    wc.style = CS_HREDRAW | CS_VREDRAW | CS_OWNDC;
    wc.lpfnWndProc = MainFrameProc;
    wc.hInstance = inst;
    wc.hIcon = LoadIconA(inst, MAKEINTRESOURCEA(IDI_APP));
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(LTGRAY_BRUSH));
    wc.lpszClassName = "Vantor4";
    return RegisterClassExA(&wc) != 0;
}

}  // namespace

int WINAPI WinMain(HINSTANCE inst, HINSTANCE, LPSTR, int) {
    timeBeginPeriod(1);
    MarkStartTime();
    SetScrollBarIds(1008, 1009);
    char dir[MAX_PATH] = "";
    GetCurrentDirectoryA(MAX_PATH, dir);
    if (lstrcmpA(dir, kBuildFolder) == 0 && !SetCurrentDirectoryA("..\\Game")) ErrorLogF("SetCurrentDirectory失敗？");
    SetErrorLog(0, "RI_Zedevu.txt");

    // One editor per machine. The check comes before the report log is
    // created, so that a refused second start leaves the running editor's
    // log as it is.
    HANDLE mutex = CreateMutexA(nullptr, FALSE, "エディター");
    if (GetLastError() == ERROR_ALREADY_EXISTS) {
        MessageBoxA(nullptr, "既に起動しています", "二重起動", MB_OK);
        if (mutex) CloseHandle(mutex);
        return 0;
    }

    char report[MAX_PATH] = "Report_Editor.txt";
    MakeFullPath(report);
    if (!CreateReportLog(report)) {
        if (mutex) CloseHandle(mutex);
        return 0;
    }
    ReportLog("App : ver %s", "248");
    WriteSystemReport();

    g_hInstance = inst;
    if (!RegisterAppClass(inst) || !AppStartup()) {
        if (mutex) CloseHandle(mutex);
        return 0;
    }
    const int code = RunMainLoop();
    AppShutdown();
    if (mutex) CloseHandle(mutex);
    return code;
}
