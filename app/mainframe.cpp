#include "app/mainframe.h"

#include <cstdint>

#include "app/shell.h"
#include "app/shell_hooks.h"
#include "app/stage_edit.h"
#include "app/stage_editor.h"
#include "app/stage_editor_res.h"
#include "base/appwnd.h"
#include "base/paths_win32.h"
#include "base/thread.h"
#include "model/stage.h"
#include "projedit/worldmap_dlg.h"
#include "ui/dlghelpers.h"
#include "ui/registry.h"

extern cEdStage g_Stage;
extern cThread g_WorkerThread;

cMainFrame::~cMainFrame() {
    SafeDelete(&m_pStageEditor);
}

void cMainFrame::OnCreate(WPARAM, LPARAM) {
    m_bReady = 1;
}

void cMainFrame::Init(int templateId, cWnd* parent, cWndRegistry* registry) {
    SetTemplate(templateId, parent, registry);
    m_hInst = g_hInstance;
}

LRESULT CALLBACK MainFrameProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    return g_AppWnd.MsgProc(hwnd, msg, wp, lp);
}

LRESULT cMainFrame::MsgProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    const int handled = DefMsgProc(hwnd, msg, wp, lp);
    const bool editorShown = m_pStageEditor && m_pStageEditor->m_hWnd;
    switch (msg) {
        case WM_DESTROY:
            g_WorkerThread.Stop();
            PostQuitMessage(0);
            return 0;
        case WM_CLOSE:
            // Unsaved changes of the stage editor are offered for saving
            // before the program ends.
            if (ConfirmExit(hwnd) && (!editorShown || m_pStageEditor->ConfirmSave())) DestroyWindow(hwnd);
            return 0;
        case WM_ACTIVATEAPP:
            g_AppActive = static_cast<int>(wp);
            if (editorShown && lp != 0) {
                if (wp) {
                    RestoreEditors();
                } else if (m_nEditorMode == 0) {
                    if (m_pStageEditor->m_bReady && m_pStageEditor->m_bMinimized) {
                        m_pStageEditor->HideAll();
                        m_pStageEditor->m_bMinimized = 1;
                        ShowWindow(hwnd, SW_MINIMIZE);
                    }
                } else if (m_nEditorMode == 1) {
                    cWorldMapDlg* world = dynamic_cast<cWorldMapDlg*>(m_pStageEditor->m_pWorldMap);
                    if (world && world->m_hWnd && world->m_bReady && world->m_bMinimized) {
                        world->HideAll();
                        world->m_bMinimized = 1;
                        ShowWindow(hwnd, SW_MINIMIZE);
                    }
                }
            }
            return 0;
        case WM_WINDOWPOSCHANGING:
            SendMessageA(hwnd, WM_ACTIVATEAPP, 1, 0);
            return 0;
        case WM_COPYDATA:
            OnCopyData(reinterpret_cast<HWND>(wp), reinterpret_cast<const COPYDATASTRUCT*>(lp));
            return 0;
        case WM_KEYDOWN:
            if (wp == VK_ESCAPE) PostMessageA(hwnd, WM_CLOSE, 0, 0);
            return 0;
        case WM_SYSCOMMAND:
            if (editorShown && (wp & 0xFFF0) == SC_RESTORE) RestoreEditors();
            return 0;
        case WM_USER:
            RebuildStageEditor(static_cast<int>(wp));
            return 0;
        case WM_MOVE:
        case WM_MOUSEMOVE:
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
            return 0;
    }
    if (handled) return 0;
    return DefWindowProcA(hwnd, msg, wp, lp);
}

void cMainFrame::RestoreEditors() {
    ShowWindow(m_hWnd, SW_RESTORE);
    g_FocusRestore = 1;
    if (m_nEditorMode == 0) {
        cStageEditorDlg* editor = m_pStageEditor;
        if (editor && editor->m_hWnd && editor->m_bReady && editor->m_bMinimized) {
            editor->ShowPalettes();
            editor->m_bMinimized = 0;
        }
    } else if (m_nEditorMode == 1) {
        cWorldMapDlg* world = m_pStageEditor ? dynamic_cast<cWorldMapDlg*>(m_pStageEditor->m_pWorldMap) : nullptr;
        if (world && world->m_hWnd && world->m_bReady && world->m_bMinimized) {
            world->ShowAll();
            world->m_bMinimized = 0;
        }
    }
}

void cMainFrame::OnCopyData(HWND, const COPYDATASTRUCT* data) {
    // The game program's report: dwData 0 and a non-zero first int. A
    // message too short to hold that int is not read.
    if (!data || data->dwData != 0) return;
    if (!data->lpData || data->cbData < sizeof(int32_t)) return;
    int32_t first;
    memcpy(&first, data->lpData, sizeof first);
    if (first == 0) return;
    if (g_StageEdit.m_strPath.NotEmpty()) g_StageEdit.AllocUndo(g_Stage.m_UndoCount, g_Stage.m_Pitch, g_Stage.m_Height);
    if (m_pStageEditor && m_pStageEditor->m_hWnd) SetActiveWindow(m_pStageEditor->m_hWnd);
    g_GameRunning = 0;
}

void cMainFrame::CreateStageEditor() {
    SafeDelete(&m_pStageEditor);
    m_pStageEditor = new cStageEditorDlg(IDD_STAGE_EDITOR, this, kWndDialog, &g_WndRegistry);
    m_pStageEditor->RunModeless(0, 1);
}

void cMainFrame::RebuildStageEditor(int keep) {
    Sleep(100);
    SafeDelete(&m_pStageEditor);
    if (keep == 1) {
        const cString path = g_StageEdit.m_strPath;
        const int32_t open = g_StageEdit.m_bOpen;
        g_StageEdit.Reset();
        g_StageEdit.m_strPath = path;
        g_StageEdit.m_bOpen = open;
    }
    g_StateStack.Reset();
    CreateStageEditor();
    g_StageEditor = m_pStageEditor;
    m_pStageEditor->CreatePalettes();
    if (m_pStageEditor->m_hWnd) SetFocus(m_pStageEditor->m_hWnd);
}
