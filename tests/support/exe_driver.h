// Drives a program of this build from outside, as a user would: starts it in
// a folder of its own on the caller's desktop, finds its windows, answers its
// message boxes and waits for it to end. Used by the tests of the editor
// program and by the start-up benchmark (so it needs no test framework).
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

// Files and folders ---------------------------------------------------------

bool DirExists(const std::string& path);
// Copies the folder tree from into to (made where missing); false on the
// first file or folder that could not be copied.
bool CopyTree(const std::string& from, const std::string& to);
// Removes a folder tree; true when it is gone.
bool RemoveTree(const std::string& path);
// The current directory joined with name ("C:\...\name").
std::string FullPathOf(const std::string& name);

// Desktops -------------------------------------------------------------------

// Puts the calling thread on a new desktop called name before it makes any
// window. Under Wine the desktop is a virtual one of w by h pixels: its
// windows live inside one X window, where hiding a window waits for no window
// manager. False when the thread stays where it was.
bool UseOwnDesktop(const char* name, int w, int h);
// "station\desktop" of the calling thread: where a started program must go to
// be seen by EnumWindows of this thread.
std::string ThreadDesktopName();

// Windows of another process --------------------------------------------------

std::string WindowText(HWND wnd);
std::string ClassOf(HWND wnd);
// A message box: a dialog whose children are only buttons and statics, one of
// them the text static 0xFFFF.
bool IsMessageBox(HWND wnd);

struct ShownBox {
    HWND wnd = nullptr;
    std::string caption;  // as the program wrote it (Shift-JIS)
    std::string text;
};

// A started program. The destructor ends it if it still runs.
class ExeProcess {
public:
    ExeProcess() = default;
    ~ExeProcess();
    ExeProcess(const ExeProcess&) = delete;
    ExeProcess& operator=(const ExeProcess&) = delete;

    // Starts exe with dir as working directory, on the caller's desktop.
    // false (with why) when it did not start. With watchFaults the process
    // runs under a debugger of ours that notes every fault (an access
    // violation, a division by zero...) raised in the program's own code,
    // even one that something in the process then catches: Wine, like
    // 64-bit Windows, swallows a fault in a window procedure that another
    // process's message called.
    bool Start(const std::string& exe, const std::string& dir, std::string* why = nullptr,
               bool watchFaults = false);
    DWORD Pid() const { return m_Info.dwProcessId; }
    HANDLE Handle() const { return m_Info.hProcess; }
    bool Running() const;
    // True when the process ended within timeoutMs.
    bool WaitExit(int timeoutMs) const;
    // The exit code; STILL_ACTIVE while it runs.
    DWORD ExitCode() const;
    // Ends the process at once and waits for it.
    void Kill();

    // Top-level windows of the process (owned popups included), in z order;
    // only those of class cls when it is given.
    std::vector<HWND> Windows(const char* cls = nullptr) const;
    // Polls until match accepts a window of the process; null when timeoutMs
    // passed or the process ended first.
    HWND WaitWindow(const std::function<bool(HWND)>& match, int timeoutMs) const;
    // The first visible message box of the process, if any.
    bool FindBox(ShownBox* box) const;
    // Waits for a message box; false when timeoutMs passed or the process
    // ended first.
    bool WaitBox(ShownBox* box, int timeoutMs) const;
    // Answers every box with the button that answer picks (IDOK, IDYES...)
    // until the process ends; seen gets the boxes in order. False when the
    // process still runs after timeoutMs, or as soon as giveUp (when given)
    // returns true.
    bool AnswerUntilExit(const std::function<int(const ShownBox&)>& answer, int timeoutMs,
                         std::vector<ShownBox>* seen, const std::function<bool()>& giveUp = nullptr) const;
    // True when the thread of wnd handles a message within timeoutMs.
    static bool Responds(HWND wnd, int timeoutMs);
    // The faults noted so far when started with watchFaults, one line each
    // ("access violation at Editor.exe+0x1a2b").
    std::vector<std::string> Faults() const;

    struct FaultWatch;

private:
    PROCESS_INFORMATION m_Info = {};
    FaultWatch* m_Watch = nullptr;
};

// Presses button (IDOK, IDYES, IDNO...) of a box and waits until the box has
// gone; false when it stays.
bool AnswerBox(const ShownBox& box, int button, int timeoutMs = 5000);

// The editor program -----------------------------------------------------------

extern const char kEditorClass[];  // "Vantor4"
extern const char kEditorTitle[];  // "ヴァントール4"

class EditorProcess : public ExeProcess {
public:
    // The application window: class "Vantor4", titled "ヴァントール4".
    HWND AppWindow() const;
    // The visible stage editor window: a dialog owned by the application
    // window whose title starts with "ヴァントール4"; null when there is none.
    HWND StageEditor() const;
    // Waits until the stage editor is visible; null when timeoutMs passed, the
    // process ended or a message box came first (box then has it).
    HWND WaitStageEditor(int timeoutMs, ShownBox* box = nullptr) const;
    // Asks the editor to end (WM_CLOSE to the application window), answers
    // "終了しますか？" with Yes and waits for the end. False when no question
    // came or the process still runs after timeoutMs.
    bool CloseWithYes(int timeoutMs);
};
