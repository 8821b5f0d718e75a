// The application window: an off-screen top-level window that carries the
// taskbar button and owns the stage editor window. It turns the
// application's activation into hiding and showing the editor windows,
// takes the game program's report at the end of a test play, rebuilds the
// stage editor on request and ends the program when it is destroyed.
#pragma once

#include "ui/appwnd.h"

class cStageEditorDlg;
class cWndRegistry;

class cMainFrame : public cAppWnd {
public:
    cMainFrame() = default;
    // Deletes the stage editor window object it still owns.
    ~cMainFrame() override;
    cMainFrame(const cMainFrame&) = delete;
    cMainFrame& operator=(const cMainFrame&) = delete;

    void OnCreate(WPARAM wp, LPARAM lp) override;
    LRESULT MsgProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) override;

    // The framework's set-up with no template and no parent.
    void Init(int templateId, cWnd* parent, cWndRegistry* registry);
    void RestoreEditors();
    void OnCopyData(HWND sender, const COPYDATASTRUCT* data);
    void CreateStageEditor();
    // WM_USER with wParam 1: a fresh stage editor; keep 1 carries the stage
    // path and open flag over the reset of the edit state.
    void RebuildStageEditor(int keep);

    cStageEditorDlg* m_pStageEditor = nullptr;  // owned; null when there is none
    int m_nEditorMode = 0;  // 0 the stage editor is the main editor, 1 the world map editor
};

// The window procedure of the application window class.
LRESULT CALLBACK MainFrameProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);

extern cMainFrame g_AppWnd;
