// The character sheet opened on a stage palette entry, with named records
// in the tables its pages list, and real input into the current page.
#pragma once

#include <gtest/gtest.h>

#include <windows.h>
#include <prsht.h>

#include <string>

#include "app/services.h"
#include "base/record.h"
#include "model/database.h"
#include "model/palette.h"
#include "model/prjoption.h"
#include "model/stage.h"
#include "objedit/charasheet.h"
#include "tests/support/gui.h"

const int kSheetApplyButton = 0x3021;  // the property sheet's own Apply button

class CharaPages : public testing::Test {
protected:
    void SetUp() override {
        SetDataVersion(248, 0);
        g_Stage.SetDefault();
        g_CommonPalette.SetDefault();
        g_CommonPalette.Validate();
        g_PrjOption.SetDefault();
        g_StageEdit.Reset();
        g_StateStack.Reset();
        g_Database.m_AnimeSet.resize(4);
        g_Database.m_CharaEffect.resize(6);
        g_Database.m_Effect.resize(6);
        g_Database.m_BmpCharaExc.resize(5);
        for (int i = 0; i < 4; ++i) g_Database.m_AnimeSet[i].m_Name.Format("set%d", i);
        for (int i = 0; i < 6; ++i) g_Database.m_CharaEffect[i].m_Name.Format("ce%d", i);
        for (int i = 0; i < 6; ++i) g_Database.m_Effect[i].m_Name.Format("ef%d", i);
        g_Stage.m_PalCharas.clear();
        for (int i = 0; i < 4; ++i) {
            cEdChara c;
            c.m_Graphic = static_cast<int16_t>(i + 1);
            c.m_Name.Format("c%d", i);
            g_Stage.m_PalCharas.push_back(c);
        }
        g_LastSheetPage[1] = 0;
    }
    void TearDown() override {
        SafeDelete(&g_StageCharaPalSheet);
        SafeDelete(&g_CommonCharaPalSheet);
        SafeDelete(&g_PrjOptionCharaSheet);
        PumpUntilIdle();
        g_Stage.SetDefault();
        g_StageEdit.Reset();
        g_StageEdit.g_EditSource[1] = 0;
        g_Database.m_AnimeSet.clear();
        g_Database.m_CharaEffect.clear();
        g_Database.m_Effect.clear();
        g_Database.m_BmpCharaExc.clear();
    }

    cPropSheet* Held() const {
        cPropSheet* holders[3] = {g_StageCharaPalSheet, g_CommonCharaPalSheet, g_PrjOptionCharaSheet};
        for (cPropSheet* s : holders)
            if (s) return s;
        return nullptr;
    }
    HWND Sheet() const { return Held() ? Held()->m_hWnd : nullptr; }
    HWND Page() const { return reinterpret_cast<HWND>(SendMessageA(Sheet(), PSM_GETCURRENTPAGEHWND, 0, 0)); }
    HWND Item(int id) const { return GetDlgItem(Page(), id); }
    template <class T>
    T* PageObject(int index) const {
        cCharaDataSheet* sheet = OpenedCharaSheet();
        return sheet ? dynamic_cast<T*>(sheet->m_pPages[index]) : nullptr;
    }
    std::string Text(int id) const {
        char buf[256] = "";
        GetWindowTextA(Item(id), buf, sizeof buf);
        return buf;
    }
    int Sel(int id) const { return static_cast<int>(SendMessageA(Item(id), CB_GETCURSEL, 0, 0)); }
    bool Checked(int id) const { return IsDlgButtonChecked(Page(), id) == BST_CHECKED; }
    bool Enabled(int id) const { return IsWindowEnabled(Item(id)) != FALSE; }

    // Opens the sheet on the stage palette entry and shows the page with the
    // index; pageItem is a control of that page.
    void OpenOn(int entry, int page, int pageItem) {
        ASSERT_TRUE(OpenCharaSheetForEntry(nullptr, 1, entry));
        ASSERT_TRUE(PumpUntil([&] { return Sheet() && Page() && IsWindowVisible(Sheet()); }));
        PostMessageA(Sheet(), PSM_SETCURSEL, static_cast<WPARAM>(page), 0);
        ASSERT_TRUE(PumpUntil([&] { return Item(pageItem) != nullptr; }));
        ASSERT_TRUE(PumpUntilIdle());
    }
    // Replaces an edit's text by typing: click, clear, then the keys.
    void Type(int id, const char* keys) {
        HWND edit = Item(id);
        ASSERT_TRUE(edit);
        ClickWindow(edit);
        ASSERT_TRUE(PumpUntil([&] { return GetFocus() == edit; }));
        PressKey(VK_END);
        for (int i = 0; i < 12; ++i) PressKey(VK_BACK);
        for (const char* k = keys; *k; ++k) PressKey(*k == '-' ? VK_OEM_MINUS : static_cast<WORD>(*k));
        ASSERT_TRUE(PumpUntilIdle());
    }
    // Moves a drop-down list's choice by steps (negative: up) with the keys.
    void Choose(int id, int steps) {
        HWND combo = Item(id);
        ASSERT_TRUE(combo);
        // a click right after the list closed may only end the closing
        bool dropped = false;
        for (int i = 0; i < 3 && !dropped; ++i) {
            ClickWindow(combo);
            dropped = PumpUntil([&] { return SendMessageA(combo, CB_GETDROPPEDSTATE, 0, 0) != 0; }, 1500);
        }
        ASSERT_TRUE(dropped);
        for (int i = 0; i < (steps < 0 ? -steps : steps); ++i) PressKey(steps < 0 ? VK_UP : VK_DOWN);
        PressKey(VK_RETURN);
        ASSERT_TRUE(PumpUntil([&] { return SendMessageA(combo, CB_GETDROPPEDSTATE, 0, 0) == 0; }));
        ASSERT_TRUE(PumpUntilIdle());
    }
    void Press(HWND button) {
        ASSERT_TRUE(button);
        ClickWindow(button);
        ASSERT_TRUE(PumpUntilIdle());
    }
    void Close(int id) {
        Press(GetDlgItem(Sheet(), id));
        ASSERT_TRUE(PumpUntil([&] {
            if (Held()) PostThreadMessageA(GetCurrentThreadId(), WM_NULL, 0, 0);
            return Held() == nullptr;
        }));
    }
};
