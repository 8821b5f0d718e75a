// The screenshot tour: the real editor, started once on a copy of the sample
// project, shows its windows one after another; each step opens one window
// through its menu or keys, waits for it, saves its picture (TourShot) and
// closes it again. Each window's file adds its steps with TOUR_STEP; the
// steps run in the order of their numbers (gtest filter: Tour.<name>).
#pragma once

#include <windows.h>

#include <string>

#include "tests/support/exe_driver.h"

// The editor of the tour, started on first use and ended when the program
// ends. A step that left it broken (ended, or showing a message box) makes
// the next step start it afresh.
EditorProcess& TourEditor();
// The stage editor window, waiting for it; null (with a test failure) when
// it does not come up.
HWND TourStageEditor();
// Sends a menu or accelerator command to a window of the editor and waits
// until the window has handled it.
void TourCommand(HWND wnd, int id);
// Waits for a top-level window of the editor other than the stage editor
// whose title is title (Shift-JIS); null after timeoutMs.
HWND TourWaitWindow(const char* title, int timeoutMs = 20000);
// Closes a window of the editor (WM_CLOSE) and waits until it has gone.
void TourClose(HWND wnd);
// Real input into the editor's windows (the tour shares its desktop).
void TourClick(HWND wnd, int x, int y, bool right = false);
void TourDrag(HWND wnd, int x0, int y0, int x1, int y1, bool right = false, bool release = true);
void TourKey(HWND wnd, WORD vk, WORD modifier = 0);
// Saves the picture of the window as <name>.png in the tour folder.
void TourPicture(HWND wnd, const char* name);

typedef void (*TourStepFn)();
int RegisterTourStep(int order, const char* name, TourStepFn fn);

// TOUR_STEP(order, Name) { ...body... }
#define TOUR_STEP(order, name)                                                      \
    static void TourStep_##name();                                                  \
    static const int s_TourStep_##name = RegisterTourStep(order, #name, TourStep_##name); \
    static void TourStep_##name()
