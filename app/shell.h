// The application shell: start-up, the main loop with its idle step, and
// shutdown, with the flags the rest of the editor reads.
#pragma once

#include <windows.h>

#include <cstdint>

class cStageEditorDlg;

// The application object; its only operation is the idle step.
class cApp {
public:
    void OnIdle();
};

extern cApp g_App;
extern uint8_t g_AppReady;    // set as the last step of a successful start-up
extern int g_AppActive;       // wParam of the last WM_ACTIVATEAPP; idle runs while set
extern int g_GameRunning;     // a test play's game program runs
extern int g_FocusRestore;    // give the focus back to the current editor next idle step
extern cStageEditorDlg* g_StageEditor;
extern HINSTANCE g_hInstance;

bool AppStartup();
void AppShutdown();
// True when data\ exists or was made from default\.
bool CopyDefaultData(HWND owner);
// Runs until WM_QUIT and returns its wParam.
int RunMainLoop();
