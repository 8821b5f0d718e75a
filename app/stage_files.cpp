// The stage editor's stage files: opening, saving and closing the stage,
// the common palette and the stage palette files, the save questions, and
// test play, which saves what the game reads and starts the game program.
#include <windows.h>

#include "app/game_program.h"
#include "app/mainframe.h"
#include "app/paths_table.h"
#include "app/shell.h"
#include "app/stage_edit.h"
#include "app/stage_editor.h"
#include "base/msgbox.h"
#include "base/paths.h"
#include "base/paths_win32.h"
#include "model/palette.h"
#include "model/prjoption.h"
#include "model/stage.h"
#include "ui/inputdlg.h"
#include "ui/registry.h"
#include "ui/stage_load.h"

extern cPrjOption g_PrjOption;
extern cEdStage g_Stage;
extern cEdCommonPalette g_CommonPalette;

int cStageEditorDlg::SaveCommonPalette() {
    const int ok = g_CommonPalette.Save(g_PathTable[kPathCommonPalette].CStr());
    if (ok) {
        g_StageEdit.m_bCommonModified = 0;
    } else {
        // The palette stays marked as changed so that closing asks again.
        MessageBoxA(m_hWnd, "コモンパレットの保存に失敗しました！", "エラー", MB_OK | MB_ICONERROR);
    }
    return ok;
}

namespace {

// Writes the stage; on a failed write the editor says so. The copy of the
// old file kept in "data\work\" then stays for the recovery on the next open.
// A file dialog's filter: "name|pattern|" with every '|' made a NUL.
cString DialogFilter(const char* name, const char* pattern) {
    cString filter;
    filter.Format("%s|%s|", name, pattern);
    for (char& c : filter)
        if (c == '|') c = 0;
    return filter;
}

int WriteStage(HWND owner, const char* path) {
    if (SaveStageFile(g_Stage, path)) return 1;
    char text[MAX_PATH + 64];
    wsprintfA(text, "ステージファイル %s の保存に失敗しました！", path);
    MessageBoxA(owner, text, "エラー", MB_OK | MB_ICONERROR);
    return 0;
}

// The running game's process: a game that ends without its report (it
// crashed) no longer counts as running once its process has ended.
HANDLE s_GameProcess = nullptr;

void WatchGameProcess(HANDLE process) {
    if (s_GameProcess) CloseHandle(s_GameProcess);
    s_GameProcess = process;
}

void ForgetEndedGame() {
    if (!s_GameProcess || WaitForSingleObject(s_GameProcess, 0) != WAIT_OBJECT_0) return;
    CloseHandle(s_GameProcess);
    s_GameProcess = nullptr;
    g_GameRunning = 0;
}

}  // namespace

int cStageEditorDlg::SaveStage(int overwrite) {
    if (!g_Stage.HasPlayer())
        MessageBoxA(m_hWnd, "まだプレイヤーが配置されていないので遊ぶことはできません！", "警告", MB_OK);
    g_Stage.KeepOnePlayer();
    const cString ext = StageFileExt();
    char oldExt[MAX_PATH] = {};
    GetExt(oldExt, g_StageEdit.m_strPath.CStr());
    if (overwrite == 1 && g_StageEdit.m_strPath.NotEmpty() && ext == oldExt) {
        if (!g_StageEdit.m_bModified) return 1;
        ShowMessageWnd(this, &g_WndRegistry, "ステージを保存しています...", "ステージの保存", this, 1, 1);
        const int ok = WriteStage(m_hWnd, g_StageEdit.m_strPath.CStr());
        CloseMessageWnd();
        if (!ok) return 0;
        g_StageEdit.m_bModified = 0;
        return 1;
    }
    const cString oldPath = g_StageEdit.m_strPath;
    char buf[kPathBufSize] = {};
    if (overwrite == 1 && oldPath.NotEmpty()) ChangeExt(buf, oldPath.CStr(), ext.CStr());
    cString name;
    cString pattern;
    name.Format("StageFile ( *.%s )", ext.CStr());
    pattern.Format("*.%s", ext.CStr());
    const cString filter = DialogFilter(name.CStr(), pattern.CStr());
    if (!SaveFileDialog(m_hWnd, buf, "data\\stg4\\", "保存先のファイルの選択", filter.c_str(), ext.CStr(), 1))
        return 0;
    ShowMessageWnd(this, &g_WndRegistry, "ステージを保存しています...", "ステージの保存", this, 1, 1);
    const int ok = WriteStage(m_hWnd, buf);
    if (!ok) {
        CloseMessageWnd();
        return 0;
    }
    cString newPath = buf;
    MakeRelativePath(&newPath);
    g_StageEdit.m_strPath = newPath;
    if (overwrite == 1 && oldPath.NotEmpty() && newPath != oldPath) {
        cString a = oldPath;
        cString b = newPath;
        RemoveExt(&a);
        RemoveExt(&b);
        if (a == b) {
            switch (g_PrjOption.m_nOldVerStage) {
                case 0: {
                    const char* name = strrchr(oldPath.CStr(), '\\');
                    cString dst = g_PathTable[kPathOldVer];
                    dst += name ? name + 1 : oldPath.CStr();
                    CreateDirectoryA(g_PathTable[kPathOldVer].CStr(), nullptr);
                    MoveFileExA(oldPath.CStr(), dst.CStr(), MOVEFILE_COPY_ALLOWED);
                    break;
                }
                case 2:
                    DeleteFileA(oldPath.CStr());
                    break;
                default:
                    break;
            }
        }
    }
    g_StageEdit.m_bModified = 0;
    CloseMessageWnd();
    return 1;
}

int cStageEditorDlg::OpenStage() {
    char buf[MAX_PATH] = {};
    const cString filter = DialogFilter("StageFile ( *.stg4_* )", "*.stg4_*");
    if (!OpenFileDialog(m_hWnd, buf, MAX_PATH, "data\\stg4", "読み込むファイルの選択", filter.CStr(), "stg4_*", 0))
        return 0;
    ClearUndo();
    ShowMessageWnd(this, &g_WndRegistry, "ステージを読み込んでいます...", "ステージの読み込み", this, 1, 1);
    cString path = buf;
    MakeRelativePath(&path);
    if (!LoadStageThreaded(path.CStr())) {
        // The load has said why (or a quit is on its way). The stage that
        // was open stays, with its undo history sized again.
        CloseMessageWnd();
        g_StageEdit.AllocUndo(g_Stage.m_UndoCount, g_Stage.m_Pitch, g_Stage.m_Height);
        UpdateUndoButtons();
        UpdateUndoMenu();
        return 0;
    }
    g_StageEdit.m_bOpen = 1;
    g_StageEdit.m_strPath = path;
    CloseMessageWnd();
    return 1;
}

int cStageEditorDlg::LoadStagePalette() {
    char buf[MAX_PATH] = {};
    const cString filter = DialogFilter("StagePaletteFile ( *.plt4 )", "*.plt4");
    if (!OpenFileDialog(m_hWnd, buf, MAX_PATH, "data\\plt4", "読み込むファイルの選択", filter.CStr(), "plt4", 0))
        return 0;
    if (!g_Stage.LoadPalette(buf, false)) {
        // The stage keeps the palettes it had.
        char text[MAX_PATH + 64];
        wsprintfA(text, "ステージパレットファイル %s の読み込みに失敗しました！", buf);
        MessageBoxA(m_hWnd, text, "エラー", MB_OK | MB_ICONERROR);
        return 0;
    }
    g_StageEdit.m_bModified = 0;
    return 1;
}

int cStageEditorDlg::SaveStagePalette() {
    char buf[kPathBufSize] = {};
    const cString filter = DialogFilter("StagePaletteFile ( *.plt4 )", "*.plt4");
    if (!SaveFileDialog(m_hWnd, buf, "data\\plt4\\", "保存先のファイルの選択", filter.CStr(), "plt4", 0)) return 0;
    if (!g_Stage.SavePalette(buf)) {
        char text[kPathBufSize + 64];
        wsprintfA(text, "ステージパレットファイル %s の保存に失敗しました！", buf);
        MessageBoxA(m_hWnd, text, "エラー", MB_OK | MB_ICONERROR);
    }
    return 1;
}

int cStageEditorDlg::AskSaveStage() {
    if (!g_StageEdit.m_bOpen || !g_StageEdit.m_bModified) return 1;
    const int answer =
        MessageBoxA(m_hWnd, "ステージが変更された可能性があります。\n保存しますか？", "保存確認", MB_YESNOCANCEL);
    if (answer == IDNO) return 1;
    if (answer != IDYES) return 0;
    // A save that did not happen (its dialog cancelled, or the write failed)
    // keeps the stage where it is.
    const int saved = SaveStage(1);
    if (saved) g_StageEdit.m_bModified = 0;
    UpdateTitle();
    return saved;
}

int cStageEditorDlg::ConfirmSave() {
    if (!AskSaveStage()) return 0;
    if (g_StageEdit.m_bCommonModified) {
        const int answer = MessageBoxA(m_hWnd, "コモンパレットが変更された可能性があります。\n保存しますか？",
                                       "保存確認", MB_YESNOCANCEL);
        if (answer == IDYES) {
            if (!SaveCommonPalette()) return 0;
        } else if (answer != IDNO) {
            return 0;
        }
    }
    return 1;
}

void cStageEditorDlg::CloseStage() {
    if (!AskSaveStage()) return;
    HCURSOR old = SetCursor(LoadCursor(nullptr, IDC_WAIT));
    g_StageEdit.m_bOpen = 0;
    g_StageEdit.m_strPath = "";
    g_Stage.SetDefault();
    Rebuild();
    g_StageEdit.m_bModified = 0;
    SetCursor(old ? old : LoadCursor(nullptr, IDC_ARROW));
}

void cStageEditorDlg::TestPlay(int whole) {
    char program[MAX_PATH] = {};
    if (!FindGameProgram(program)) {
        ErrorBoxF("ゲームプログラムが見つかりません！");
        return;
    }
    ForgetEndedGame();
    if (g_GameRunning) {
        ErrorBoxF("二重起動はできません！");
        return;
    }
    g_GameRunning = 1;
    if (g_StageEdit.m_bOpen) {
        if (g_StageEdit.m_strPath.empty()) {
            ErrorBoxF("ステージファイルのパスが無効です！\n1度はステージを保存しないと、テストプレイは実行できません！");
            g_GameRunning = 0;
            return;
        }
        if (!g_Stage.HasPlayer()) {
            MessageBoxA(m_hWnd, "プレイヤーが配置されていません！", "エラー", MB_OK);
            g_GameRunning = 0;
            return;
        }
        if (!SaveStage(1)) {
            ErrorBoxF("ステージファイルのパスが無効です！\n1度ステージを保存する必要があります！");
            g_GameRunning = 0;
            return;
        }
        SaveCommonPalette();
        g_StageEdit.m_bCommonModified = 0;
        g_StageEdit.m_bModified = 0;
        ClearUndo();
    }
    const HWND app = g_AppWnd.m_hWnd;
    SHELLEXECUTEINFOA info = {};
    info.cbSize = sizeof info;
    info.fMask = SEE_MASK_NOCLOSEPROCESS;
    info.hwnd = app;
    info.lpVerb = "open";
    info.lpFile = program;
    info.lpParameters = whole ? nullptr : g_StageEdit.m_strPath.CStr();
    info.nShow = SW_SHOW;
    if (!ShellExecuteExA(&info) || reinterpret_cast<INT_PTR>(info.hInstApp) <= 32) {
        g_GameRunning = 0;
        ErrorBoxOwnerF(app, "ゲームプログラムが呼び出せません！");
    } else {
        WatchGameProcess(info.hProcess);
    }
    g_AppActive = 0;
}
