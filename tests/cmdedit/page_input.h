// Real input into a command page's controls and what they show.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "tests/support/gui.h"

namespace page_input {

inline std::string Text(HWND dlg, int id) {
    char buf[256] = "";
    GetWindowTextA(GetDlgItem(dlg, id), buf, sizeof buf);
    return buf;
}
inline int Sel(HWND dlg, int id) { return static_cast<int>(SendDlgItemMessageA(dlg, id, CB_GETCURSEL, 0, 0)); }
inline int Count(HWND dlg, int id) { return static_cast<int>(SendDlgItemMessageA(dlg, id, CB_GETCOUNT, 0, 0)); }
inline bool Enabled(HWND dlg, int id) { return IsWindowEnabled(GetDlgItem(dlg, id)) != FALSE; }
inline bool Checked(HWND dlg, int id) { return IsDlgButtonChecked(dlg, id) == BST_CHECKED; }

// Replaces an edit's text by typing: click, clear, then the keys.
inline void Type(HWND dlg, int id, const char* keys) {
    HWND edit = GetDlgItem(dlg, id);
    ASSERT_TRUE(edit) << id;
    ClickWindow(edit);
    ASSERT_TRUE(PumpUntil([&] { return GetFocus() == edit; })) << id;
    PressKey(VK_END);
    for (int i = 0; i < 12; ++i) PressKey(VK_BACK);
    for (const char* k = keys; *k; ++k) PressKey(*k == '-' ? VK_OEM_MINUS : static_cast<WORD>(*k));
    PumpUntilIdle();
}

// Moves a drop-down list's choice by steps (negative: up) with the keys.
inline void Choose(HWND dlg, int id, int steps) {
    HWND combo = GetDlgItem(dlg, id);
    ASSERT_TRUE(combo) << id;
    bool dropped = false;
    for (int i = 0; i < 3 && !dropped; ++i) {
        ClickWindow(combo);
        dropped = PumpUntil([&] { return SendMessageA(combo, CB_GETDROPPEDSTATE, 0, 0) != 0; }, 1500);
    }
    ASSERT_TRUE(dropped) << id;
    for (int i = 0; i < (steps < 0 ? -steps : steps); ++i) PressKey(steps < 0 ? VK_UP : VK_DOWN);
    PressKey(VK_RETURN);
    ASSERT_TRUE(PumpUntil([&] { return SendMessageA(combo, CB_GETDROPPEDSTATE, 0, 0) == 0; })) << id;
    PumpUntilIdle();
}

inline void Click(HWND dlg, int id) {
    HWND button = GetDlgItem(dlg, id);
    ASSERT_TRUE(button) << id;
    ClickWindow(button);
    PumpUntilIdle();
}

// Ends the page with its OK (1000) or cancel (1001) button.
inline void End(HWND dlg, int id) {
    ClickWindow(GetDlgItem(dlg, id));
    PumpUntil([&] { return !IsWindow(dlg) || !IsWindowVisible(dlg); });
}

}  // namespace page_input
