#include "ui/stage_load.h"

#include <windows.h>

#include <memory>

#include "base/log.h"
#include "base/msgbox.h"
#include "base/paths.h"
#include "base/paths_win32.h"
#include "model/stage.h"

int RecoverStage(const char* path) {
    cString text;
    switch (RecoverStageFile(path)) {
    case kRecoverNone:
        break;
    case kRecoverRestored:
        text.Format("破損ファイル %s を復旧しました！\n※ただし、前回の更新内容が保存されていない可能性があります…", path);
        MsgBox(text.c_str(), "ファイルの復旧", MB_OK);
        break;
    case kRecoverNoBackup:
        text.Format("破損ファイル %s を復旧できませんでした！\n※バックアップがないため、ファイルはそのまま残してあります。",
                    path);
        MsgBox(text.c_str(), "ファイルの復旧", MB_OK);
        break;
    case kRecoverFailed:
        ErrorBoxF("破損ファイル %s を復旧できませんでした！\n※バックアップと置き換えられなかったため、ファイルはそのまま残してあります。",
                  path);
        break;
    }
    return 1;
}

unsigned THREAD_CALL LoadStageWorker(void* arg) {
    cEdStage* spare = static_cast<cEdStage*>(arg);
    const int ok = ReadStageFile(*spare, g_Stage.m_LoadPath.c_str(), &g_WorkerThread);
    if (ok) g_Stage.m_LoadOk = 1;
    return static_cast<unsigned>(ok);
}

int LoadStageThreaded(const char* path, bool latest, cEdStage* copyTo) {
    cString found;
    if (latest) {
        if (!FindLatestCopy(&found, cString(path), "stg4")) return 0;
        path = found.c_str();
    }
    g_Stage.m_LoadPath.Format("%s", path);
    MakeRelativePath(&g_Stage.m_LoadPath);
    RecoverStage(g_Stage.m_LoadPath.c_str());
    g_Stage.m_LoadOk = 0;
    // The worker reads into a stage of its own; g_Stage changes only when the
    // whole file was read.
    std::unique_ptr<cEdStage> spare(new cEdStage);
    PrepareSpareStage(*spare, g_Stage);
    g_WorkerThread.Start(LoadStageWorker, spare.get());
    HANDLE worker = static_cast<HANDLE>(g_WorkerThread.m_hThread);
    // No message reaches a window while the worker reads: input is dropped
    // and painting waits until the load is over. A quit asked for meanwhile
    // (or already pending) abandons the load.
    while (worker) {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) {
                ErrorLog("msg.message == WM_QUIT");
                g_WorkerThread.Stop();
                // The load is abandoned, but the program still has to end.
                PostQuitMessage(static_cast<int>(msg.wParam));
                return 0;
            }
            if (msg.message == WM_PAINT && msg.hwnd) ValidateRect(msg.hwnd, nullptr);
        }
        const DWORD wait = MsgWaitForMultipleObjects(1, &worker, FALSE, INFINITE, QS_ALLINPUT);
        if (wait != WAIT_OBJECT_0 + 1) break;  // the worker ended (or the wait failed)
    }
    g_WorkerThread.Stop();
    if (!g_Stage.m_LoadOk) {
        ErrorBoxF("ステージファイル %s の読み込みに失敗しました！", g_Stage.m_LoadPath.c_str());
        return 0;
    }
    g_Stage.TakeFrom(*spare);
    if (copyTo && copyTo != &g_Stage) *copyTo = g_Stage;
    return 1;
}
