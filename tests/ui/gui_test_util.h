// Helpers for tests of windows and dialogs: a plain dialog made from an
// in-memory template, real typed keys, message pumping, and a watcher that
// reads and answers message boxes.
//
// Typed keys go to the focused window of the foreground window; every test
// program runs on a desktop of its own (see the test main), where a dialog
// that is shown becomes the foreground window, so no further activation is
// needed.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace gui_test {

// Marks the dialogs that the tests make, so the watcher never takes them for
// message boxes.
const char kTestDialogProp[] = "TestDialog";
const int kEditId = 100;

// A dialog template: a captioned popup holding one edit control (kEditId).
inline std::vector<WORD> EditDialogTemplate() {
    std::vector<WORD> t;
    auto add = [&t](const void* p, size_t bytes) {
        const WORD* w = static_cast<const WORD*>(p);
        t.insert(t.end(), w, w + bytes / 2);
    };
    auto addText = [&t](const wchar_t* s) {
        for (; *s; ++s) t.push_back(static_cast<WORD>(*s));
        t.push_back(0);
    };
    DLGTEMPLATE dlg = {};
    dlg.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_SETFONT | DS_MODALFRAME;
    dlg.cdit = 1;
    dlg.cx = 200;
    dlg.cy = 80;
    add(&dlg, sizeof dlg);
    t.push_back(0);  // no menu
    t.push_back(0);  // standard class
    addText(L"Test dialog");
    t.push_back(9);
    addText(L"MS Shell Dlg");
    if (t.size() % 2) t.push_back(0);  // items start on a DWORD boundary
    DLGITEMTEMPLATE item = {};
    item.style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL;
    item.x = 10;
    item.y = 10;
    item.cx = 120;
    item.cy = 14;
    item.id = kEditId;
    add(&item, sizeof item);
    t.push_back(0xFFFF);
    t.push_back(0x0081);  // edit
    t.push_back(0);       // no text
    t.push_back(0);       // no creation data
    return t;
}

// A message that reached a dialog procedure.
struct sDlgMsg {
    HWND wnd;
    UINT msg;
    WPARAM key;
};

// The keyboard messages (WM_KEYDOWN, WM_KEYUP and the given private message)
// that reach RecordingDlgProc.
inline std::vector<sDlgMsg> g_DlgMsgs;
inline UINT g_RecordedPrivateMsg = 0;

inline INT_PTR CALLBACK RecordingDlgProc(HWND wnd, UINT msg, WPARAM wp, LPARAM) {
    if (msg == WM_INITDIALOG) {
        SetPropA(wnd, kTestDialogProp, reinterpret_cast<HANDLE>(1));
        return TRUE;
    }
    if (msg == WM_KEYDOWN || msg == WM_KEYUP || (g_RecordedPrivateMsg && msg == g_RecordedPrivateMsg)) {
        g_DlgMsgs.push_back({wnd, msg, wp});
        return TRUE;
    }
    if (msg == WM_DESTROY) RemovePropA(wnd, kTestDialogProp);
    return FALSE;
}

// A shown modeless dialog (EditDialogTemplate) with the focus in its edit.
inline HWND CreateEditDialog(DLGPROC proc = RecordingDlgProc, LPARAM param = 0) {
    std::vector<WORD> t = EditDialogTemplate();
    HWND dlg = CreateDialogIndirectParamA(GetModuleHandleA(nullptr), reinterpret_cast<DLGTEMPLATE*>(t.data()),
                                          nullptr, proc, param);
    if (!dlg) return nullptr;
    ShowWindow(dlg, SW_SHOW);
    SetForegroundWindow(dlg);
    SetFocus(GetDlgItem(dlg, kEditId));
    return dlg;
}

// Runs the thread's messages (TranslateMessage and DispatchMessage, no dialog
// manager) for the given time.
inline void PumpFor(DWORD ms) {
    DWORD start = GetTickCount();
    MSG msg;
    for (;;) {
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        if (GetTickCount() - start >= ms) return;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
}

// Runs the thread's messages until done() holds or the time is up.
inline bool PumpUntil(const std::function<bool()>& done, DWORD ms = 3000) {
    DWORD start = GetTickCount();
    MSG msg;
    for (;;) {
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        if (done()) return true;
        if (GetTickCount() - start >= ms) return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
}

// A real key event (as from the keyboard), not a posted message.
struct sKey {
    WORD vk;
    bool up;
};

inline void SendKeys(const std::vector<sKey>& keys) {
    std::vector<INPUT> in(keys.size());
    for (size_t i = 0; i < keys.size(); ++i) {
        in[i].type = INPUT_KEYBOARD;
        in[i].ki.wVk = keys[i].vk;
        in[i].ki.wScan = static_cast<WORD>(MapVirtualKeyA(keys[i].vk, 0));
        in[i].ki.dwFlags = keys[i].up ? KEYEVENTF_KEYUP : 0;
    }
    SendInput(static_cast<UINT>(in.size()), in.data(), sizeof(INPUT));
}

// Presses and releases each key in turn.
inline void TapKeys(const std::vector<WORD>& vks) {
    std::vector<sKey> keys;
    for (WORD vk : vks) {
        keys.push_back({vk, false});
        keys.push_back({vk, true});
    }
    SendKeys(keys);
}

inline std::string WindowText(HWND wnd) {
    char buf[2048];
    int n = GetWindowTextA(wnd, buf, sizeof buf);
    return std::string(buf, n > 0 ? n : 0);
}

// What a message box showed.
struct sBoxSeen {
    std::string caption;
    std::string text;
    HWND owner;
    std::vector<int> buttons;  // the ids of its buttons
};

// While it lives, a timer of the thread looks for message boxes (which run
// their own modal loop on this thread), records each one and presses the
// answer button in it. onShown, when set, runs once when a box is first seen;
// the answer follows answerAfterMs later.
class BoxWatcher {
public:
    explicit BoxWatcher(int answer = IDOK, DWORD answerAfterMs = 0) : m_Answer(answer), m_AnswerAfter(answerAfterMs) {
        Current() = this;
        m_Timer = SetTimer(nullptr, 0, 20, TimerProc);
    }
    ~BoxWatcher() {
        KillTimer(nullptr, m_Timer);
        Current() = nullptr;
    }
    BoxWatcher(const BoxWatcher&) = delete;
    BoxWatcher& operator=(const BoxWatcher&) = delete;

    std::vector<sBoxSeen> boxes;
    std::function<void(HWND box)> onShown;

private:
    static BoxWatcher*& Current() {
        static BoxWatcher* current = nullptr;
        return current;
    }

    static BOOL CALLBACK FindBox(HWND wnd, LPARAM lp) {
        char cls[16];
        if (!IsWindowVisible(wnd) || !GetClassNameA(wnd, cls, sizeof cls) || lstrcmpA(cls, "#32770") != 0 ||
            GetPropA(wnd, kTestDialogProp)) {
            return TRUE;
        }
        *reinterpret_cast<HWND*>(lp) = wnd;
        return FALSE;
    }

    static BOOL CALLBACK ReadChild(HWND child, LPARAM lp) {
        sBoxSeen* seen = reinterpret_cast<sBoxSeen*>(lp);
        char cls[16];
        GetClassNameA(child, cls, sizeof cls);
        if (lstrcmpiA(cls, "Button") == 0) {
            seen->buttons.push_back(GetDlgCtrlID(child));
        } else if (lstrcmpiA(cls, "Static") == 0) {
            std::string text = WindowText(child);
            if (!text.empty()) seen->text = text;
        }
        return TRUE;
    }

    static void CALLBACK TimerProc(HWND, UINT, UINT_PTR, DWORD) {
        BoxWatcher* self = Current();
        if (!self) return;
        HWND box = nullptr;
        EnumThreadWindows(GetCurrentThreadId(), FindBox, reinterpret_cast<LPARAM>(&box));
        if (!box) {
            self->m_Box = nullptr;
            return;
        }
        if (box != self->m_Box) {
            self->m_Box = box;
            self->m_SeenAt = GetTickCount();
            sBoxSeen seen;
            seen.caption = WindowText(box);
            seen.owner = GetWindow(box, GW_OWNER);
            EnumChildWindows(box, ReadChild, reinterpret_cast<LPARAM>(&seen));
            self->boxes.push_back(seen);
            if (self->onShown) self->onShown(box);
        }
        if (GetTickCount() - self->m_SeenAt >= self->m_AnswerAfter) {
            HWND button = GetDlgItem(box, self->m_Answer);
            PostMessageA(box, WM_COMMAND, MAKEWPARAM(self->m_Answer, BN_CLICKED), reinterpret_cast<LPARAM>(button));
        }
    }

    int m_Answer;
    DWORD m_AnswerAfter;
    UINT_PTR m_Timer = 0;
    HWND m_Box = nullptr;
    DWORD m_SeenAt = 0;
};

}  // namespace gui_test
