// Support of the window tests: the main loop as the application runs it,
// real keyboard and mouse input, modal dialogs driven from inside their
// modal loop, and message boxes answered and recorded.
//
// Every test program that links gui_win32.cpp runs in a virtual desktop of
// its own (1280 by 1024), made before main: there the system manages
// activation and focus itself, as on Windows, without an X window manager.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

class cDlg;

const int kTestDesktopWidth = 1280;
const int kTestDesktopHeight = 1024;

// Runs the main loop for ms milliseconds: every message goes through
// g_WndRegistry.PreTranslate and is dispatched unless taken; an empty queue
// runs the idle step (cWnd::OnFrame of every listed window).
void PumpMessages(int ms);
// Runs the main loop until done() is true (checked between messages); false
// when timeoutMs passed first.
bool PumpUntil(const std::function<bool()>& done, int timeoutMs = 3000);

// Runs the main loop for at least minMs milliseconds, then until nothing
// waits in the thread's queue (no input, no posted or sent message): what
// the messages so far set off has been handled, however busy the machine.
// False when the queue was still not empty after timeoutMs more.
bool PumpUntilIdle(int minMs = 20, int timeoutMs = 3000);

// Real input through SendInput; each call waits until the input is taken
// (PumpUntilIdle).
void MoveMouseTo(int x, int y);
void MouseButton(bool right, bool down);
void ClickAt(int x, int y, bool right = false);
// Clicks the centre of a window (or the given point of its client area).
void ClickWindow(HWND wnd, bool right = false);
void ClickClientPoint(HWND wnd, int x, int y, bool right = false);
void KeyDown(WORD vk);
void KeyUp(WORD vk);
void PressKey(WORD vk);
void PressKeyWith(WORD modifier, WORD vk);
// Makes the window the foreground window; true when it is.
bool BringToFront(HWND wnd);

// Runs the dialog modal; script runs inside its modal loop once the window
// is up. A dialog still open after the script is ended and reported as a
// test failure, so a test never hangs. Returns RunModal's result.
int RunModalScripted(cDlg* dlg, int runFlags, const std::function<void(HWND)>& script);

// Answers every error box ("エラー") of this thread with OK while it lives, keeping
// their captions and texts (as the program wrote them: Shift-JIS).
class MsgBoxCatcher {
public:
    MsgBoxCatcher();
    ~MsgBoxCatcher();
    struct Box {
        std::string caption;
        std::string text;
    };
    std::vector<Box> boxes;
};

// Keeps the windows on screen for VTEST_HOLD_MS milliseconds when that
// variable is set (for a screenshot); nothing otherwise.
void HoldForScreenshot();

// The screenshot tour: when VTEST_TOUR_DIR names a folder, saves what the
// window shows on screen (its whole rectangle, frame included) as
// "<folder>\<name>.bmp" once the window has painted; nothing otherwise.
// scripts/tour.sh runs the tour and turns the pictures into PNG files.
void TourShot(HWND wnd, const char* name);
