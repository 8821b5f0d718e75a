// A dialog that binds a value edit of every value type, two combo boxes and a
// record list to one structure, as the editors' dialogs bind theirs.
#pragma once

#include <string>

#include "tests/ui/test_dialogs.h"
#include "ui/ctrlcombo.h"
#include "ui/ctrleditval.h"

struct sDemoData {
    int hp = 100;
    char dir = -1;
    unsigned char color = 200;
    short speed = 30;
    double scale = 1.5;
    int kind = 2;    // combo from a table, offset 1
    char group = 0;  // combo from a vector, offset 0
};

inline bool operator==(const sDemoData& a, const sDemoData& b) {
    return a.hp == b.hp && a.dir == b.dir && a.color == b.color && a.speed == b.speed && a.scale == b.scale &&
           a.kind == b.kind && a.group == b.group;
}
inline std::ostream& operator<<(std::ostream& os, const sDemoData& d) {
    return os << "{" << d.hp << "," << int(d.dir) << "," << int(d.color) << "," << d.speed << "," << d.scale << ","
              << d.kind << "," << int(d.group) << "}";
}

// Names of the kinds, ended by an empty string.
inline const cString* DemoKinds() {
    static const cString kinds[] = {"歩く", "飛ぶ", "泳ぐ", "止まる", ""};
    return kinds;
}

class cDemoDlg : public cTestDlg {
public:
    explicit cDemoDlg(sDemoData* d) : cTestDlg(IDD_TEST_CTRLS, nullptr, kWndDialog, &g_WndRegistry) {
        m_Ints.resize(1);
        m_Ints[0].m_Param.Set(IDC_TEST_VAL_INT, &d->hp, 0, 9999, IDC_TEST_VAL_INT_SPIN, 10);
        cCtrlEditValItem<char> c;
        c.m_Param.Set(IDC_TEST_VAL_CHAR, &d->dir, -128, 127, IDC_TEST_VAL_CHAR_SPIN, 1);
        m_Chars.push_back(c);
        m_Bytes.resize(1);
        m_Bytes[0].m_Param.Set(IDC_TEST_VAL_BYTE, &d->color, 0, 255, 0, 1);
        m_Shorts.resize(1);
        m_Shorts[0].m_Param.Set(IDC_TEST_VAL_SHORT, &d->speed, -100, 100, 0, 1);
        m_Doubles.resize(1);
        m_Doubles[0].m_Param.Set(IDC_TEST_VAL_DOUBLE, &d->scale, 0.0, 10.0, IDC_TEST_VAL_DOUBLE_SPIN, 0.05);
        m_Kinds.resize(1);
        m_Kinds[0].m_Param.Set(IDC_TEST_COMBO, &d->kind, DemoKinds(), 1);
        m_GroupNames.push_back("グループ０");
        m_GroupNames.push_back("グループ１");
        m_GroupNames.push_back("グループ２");
        m_Groups.resize(1);
        m_Groups[0].m_Param.SetList(IDC_TEST_COMBO_LIST, &d->group, &m_GroupNames, 0);
    }
    void OnInitDialog(WPARAM wp, LPARAM lp) override {
        cDlg::OnInitDialog(wp, lp);
        AddCtrls(m_Ints);
        AddCtrls(m_Chars);
        AddCtrls(m_Bytes);
        AddCtrls(m_Shorts);
        AddCtrls(m_Doubles);
        AddCtrls(m_Kinds);
        AddCtrls(m_Groups);
        DataToCtrls();
        if (m_OnInit) m_OnInit(this);
        m_bReady = 1;
    }

    cVector<cCtrlEditValItem<int>> m_Ints;
    cVector<cCtrlEditValItem<char>> m_Chars;
    cVector<cCtrlEditValItem<unsigned char>> m_Bytes;
    cVector<cCtrlEditValItem<short>> m_Shorts;
    cVector<cCtrlEditValItem<double>> m_Doubles;
    cVector<cCtrlComboItem<int>> m_Kinds;
    cVector<cString> m_GroupNames;
    cVector<cCtrlComboItem<char>> m_Groups;
};

// Types the text with real key presses into the focused window (digits,
// '-', '.', and capital letters typed unshifted).
inline void TypeText(const char* text) {
    for (const char* p = text; *p; ++p) {
        WORD vk = static_cast<WORD>(*p);
        if (*p == '-') vk = VK_OEM_MINUS;
        if (*p == '.') vk = VK_OEM_PERIOD;
        PressKey(vk);
    }
    PumpUntilIdle(30);
}

// Focuses the edit with its whole text selected, as a person clicking into
// it and selecting all.
inline void FocusAll(HWND edit) {
    SetFocus(edit);
    SendMessageA(edit, EM_SETSEL, 0, -1);
    PumpUntilIdle(10);
}

inline std::string TextOf(HWND wnd) {
    char buf[256] = "";
    GetWindowTextA(wnd, buf, sizeof buf);
    return buf;
}
