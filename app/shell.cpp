// Start-up, the main loop with its idle step, and shutdown.
#include "app/shell.h"

#include <shellapi.h>
#include <shlwapi.h>

#include <cstring>
#include <vector>

#include "app/globals.h"
#include "app/mainframe.h"
#include "app/palette_dlg.h"
#include "app/paths_table.h"
#include "app/project_editors.h"
#include "app/project_load.h"
#include "app/shell_hooks.h"
#include "app/stage_edit.h"
#include "app/stage_editor.h"
#include "base/appwnd.h"
#include "base/bgm.h"
#include "base/log.h"
#include "base/mcisound.h"
#include "base/msgbox.h"
#include "base/paths_win32.h"
#include "base/record.h"
#include "base/timing.h"
#include "model/cmd_tables.h"
#include "model/prjoption.h"
#include "ui/hook.h"
#include "ui/propsheet.h"
#include "ui/registry.h"

extern cEditConfig EditConfig;
extern cBgmManager g_BgmManager;

cApp g_App;
uint8_t g_AppReady = 0;
int g_AppActive = 0;
int g_GameRunning = 0;
int g_FocusRestore = 0;
cStageEditorDlg* g_StageEditor = nullptr;
HINSTANCE g_hInstance = nullptr;

namespace {

cPropSheet* s_PaletteSheets[kPaletteWindowCount] = {};

}  // namespace

void SetPaletteSheet(int palette, cPropSheet* sheet) {
    if (palette >= 0 && palette < kPaletteWindowCount) s_PaletteSheets[palette] = sheet;
}

cPropSheet* PaletteSheet(int palette) {
    return palette >= 0 && palette < kPaletteWindowCount ? s_PaletteSheets[palette] : nullptr;
}

namespace {

// The music and sound names stay referenced by the players while they run.
char s_OggNames[1][kOggNameSize] = {"bgm\\Free.ogg"};
char s_MidNames[1][kMidNameSize] = {"bgm\\Free.mid"};
const char* const s_SoundNames[] = {"wave\\free.wav", nullptr};

// A path list for the shell's file operations: the text and two nulls.
std::vector<char> DoubleNulled(const char* path) {
    std::vector<char> v(path, path + strlen(path));
    v.push_back('\0');
    v.push_back('\0');
    return v;
}

}  // namespace

bool CopyDefaultData(HWND owner) {
    if (PathIsDirectoryA(g_PathTable[kPathData].CStr())) return true;
    if (!PathIsDirectoryA(g_PathTable[kPathDefault].CStr())) return false;
    if (MessageBoxA(owner, "データが存在しません！デフォルトデータを作成しますか？\n", "デフォルトデータ作成の確認",
                    MB_YESNO) == IDNO)
        return false;
    char from[MAX_PATH], to[MAX_PATH];
    lstrcpynA(from, g_PathTable[kPathDefault].CStr(), MAX_PATH);
    lstrcpynA(to, g_PathTable[kPathData].CStr(), MAX_PATH);
    MakeFullPath(from);
    MakeFullPath(to);
    // Both name the folders themselves: with a trailing backslash on the
    // target some shells copy the source folder into it (data\default\).
    for (char* p : {from, to}) {
        const size_t n = strlen(p);
        if (n > 0 && p[n - 1] == '\\') p[n - 1] = '\0';
    }
    std::vector<char> src = DoubleNulled(from);
    std::vector<char> dst = DoubleNulled(to);
    SHFILEOPSTRUCTA op = {};
    op.hwnd = owner;
    op.wFunc = FO_COPY;
    op.pFrom = src.data();
    op.pTo = dst.data();
    op.fFlags = FOF_MULTIDESTFILES | FOF_SILENT | FOF_NOCONFIRMATION;
    if (SHFileOperationA(&op) == 0 && !op.fAnyOperationsAborted) return true;
    SHFILEOPSTRUCTA del = {};
    del.hwnd = owner;
    del.wFunc = FO_DELETE;
    del.pFrom = dst.data();
    del.fFlags = FOF_MULTIDESTFILES | FOF_SILENT | FOF_NOCONFIRMATION;
    SHFileOperationA(&del);
    return false;
}

bool AppStartup() {
    SetDataVersion(248, 0);
    InitScrollStatusTable();
    InstallModelHooks();
    InstallDefaultSheetOpener();
    if (!CopyDefaultData(g_MainWnd)) return false;
    for (const char* const* d = g_EditorDirs; *d; ++d) CreateDirectoryA(*d, nullptr);
    for (const char* const* d = g_ProjectDirs; *d; ++d) CreateDirectoryA(*d, nullptr);
    g_BgmManager.Init(1, s_OggNames, s_MidNames, 1);
    InitSound(&g_MciSound);
    if (!OpenSounds(&g_MciSound, "waveaudio", s_SoundNames)) return false;
    if (!EditConfig.Load(g_PathTable[kPathEditConfig].CStr())) ErrorLogF("EditConfig.Load 失敗");
    if (!LoadProject()) {
        ErrorBoxF("プロジェクトのロードに失敗しました！フォルダやファイルの位置や名称が変更された可能性があります！");
        EditConfig.m_strLastStage = "";
        EditConfig.Save(g_PathTable[kPathEditConfig].CStr());
        return false;
    }
    LoadLastStage(EditConfig.m_strLastStage.CStr());
    InitCommonControls();

    g_AppWnd.SetLayout(1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0, 0);
    const int w = g_AppWnd.m_rcWindow.right - g_AppWnd.m_rcWindow.left;
    const int h = g_AppWnd.m_rcWindow.bottom - g_AppWnd.m_rcWindow.top;
    HWND wnd = CreateWindowExA(0, "Vantor4", "ヴァントール4", WS_OVERLAPPED, 9999, 9999, w, h, nullptr, nullptr,
                               g_hInstance, nullptr);
    if (!wnd) {
        OutOfMemory();
        return false;
    }
    g_AppWnd.m_hWnd = wnd;
    g_MainWnd = wnd;
    ShowWindow(wnd, SW_SHOW);
    UpdateWindow(wnd);

    g_AppWnd.Init(0, nullptr, &g_WndRegistry);
    g_AppWnd.CreateStageEditor();
    g_StageEditor = g_AppWnd.m_pStageEditor;
    g_StageEditor->CreatePalettes();
    if (g_StageEditor->m_hWnd) SetFocus(g_StageEditor->m_hWnd);
    g_AppReady = 1;
    return true;
}

void AppShutdown() {
    timeEndPeriod(1);
    if (g_AppReady) {
        EditConfig.m_strLastStage = g_StageEdit.m_strPath;
        EditConfig.Save(g_PathTable[kPathEditConfig].CStr());
    }
    SaveVector(g_GValInfo, g_PathTable[kPathGValInfo].CStr());
    ReleaseSound(&g_MciSound);
    g_BgmManager.Release();
    ReleaseSoundObjects();
    UnhookKeyboard();
}

int RunMainLoop() {
    MSG msg;
    for (;;) {
        if (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) return static_cast<int>(msg.wParam);
            if (!g_WndRegistry.PreTranslate(&msg)) {
                TranslateMessage(&msg);
                DispatchMessageA(&msg);
            }
        } else if (!g_AppActive) {
            WaitMessage();
        } else {
            g_App.OnIdle();
        }
    }
}

void cApp::OnIdle() {
    cStageEditorDlg* editor = g_StageEditor;
    if (!editor) return;
    cPropSheet* database = editor->m_pDatabaseSheet;
    if (database && (database->GetCurPage() == 0 || database->GetCurPage() == 1)) {
        // The animation previews run at one frame per 16 ms: spin, the
        // timer runs at 1 ms resolution.
        while (!WaitFrame(60)) {
        }
    } else {
        WaitMessage();
    }
    if (g_AppActive) {
        RECT desk;
        ::GetClientRect(GetDesktopWindow(), &desk);
        if (desk.right - desk.left == 640 && desk.bottom - desk.top == 480) {
            // The game runs full-screen: no idle work until activated again.
            g_AppActive = 0;
            return;
        }
    }
    if (g_FocusRestore) {
        g_FocusRestore = 0;
        if (g_AppWnd.m_nEditorMode == 0) {
            if (editor->m_hWnd) SetFocus(editor->m_hWnd);
        } else if (g_AppWnd.m_nEditorMode == 1) {
            if (editor->m_pWorldMap && editor->m_pWorldMap->m_hWnd) SetFocus(editor->m_pWorldMap->m_hWnd);
        }
    }
    g_WndRegistry.CallFrame();
    // g_StageEditor may have gone with a window the frame step closed.
    editor = g_StageEditor;
    if (!editor) return;
    // The definition sheets open from the palette windows: stage blocks,
    // characters, items, then the common ones.
    static const int kSheetOrder[kPaletteWindowCount] = {3, 4, 5, 0, 1, 2};
    for (int i : kSheetOrder) {
        cPropSheet* sheet = s_PaletteSheets[i];
        if (!sheet)
            if (cPaletteDlg* palette = dynamic_cast<cPaletteDlg*>(editor->m_pPalette[i])) sheet = palette->HeldSheet();
        if (editor->m_pPalette[i] && sheet) sheet->DrawCurPage();
    }
    if (editor->m_pDatabaseSheet) editor->m_pDatabaseSheet->DrawCurPage();
    editor->DrawAllPalettes();
}
