// The combo box: data value = list position + offset, the fill from a table
// or a vector keeping the selected value, the first item when nothing is
// selected, and a new offset raising the bound variable.
#include <windows.h>

#include "tests/ui/ctrl_dialogs.h"

namespace {

class ComboTest : public GuiTest {};

int CurSel(HWND combo) {
    return static_cast<int>(SendMessageA(combo, CB_GETCURSEL, 0, 0));
}
int Count(HWND combo) {
    return static_cast<int>(SendMessageA(combo, CB_GETCOUNT, 0, 0));
}

TEST_F(ComboTest, PositionsOffsetsAndRefills) {
    static cString longTable[61];
    for (int i = 0; i < 60; ++i) longTable[i].Format("項目%d", i);
    static const cString emptyTable[] = {"", "後"};
    static const cString shortTable[] = {"一", "二", ""};
    sDemoData data;
    cDemoDlg* dlg = new cDemoDlg(&data);
    RunModalScripted(dlg, 0, [&](HWND w) {
        HWND box = GetDlgItem(w, IDC_TEST_COMBO);
        int value = 0;
        cCtrlComboParam<int> param;
        param.Set(IDC_TEST_COMBO, &value, DemoKinds(), 1);
        cCtrlCombo<int> combo;
        combo.Attach(dlg, param);
        EXPECT_EQ(kCtrlCombo, combo.m_nKind);
        EXPECT_EQ(4, Count(box));

        // offset 1, four items: data values 1 to 4
        struct Shown {
            int value, pos;
        };
        for (const Shown& s : {Shown{0, -1}, Shown{1, 0}, Shown{4, 3}, Shown{-3, -1}, Shown{4, 3}, Shown{5, -1}}) {
            value = s.value;
            combo.DataToCtrl();
            EXPECT_EQ(s.pos, CurSel(box)) << s.value;
        }
        value = 99;
        combo.CtrlToData();
        EXPECT_EQ(0, value) << "no selection stores offset - 1";
        combo.SetCurData(3);
        EXPECT_EQ(3, combo.GetCurData());
        combo.CtrlToData();
        EXPECT_EQ(3, value);

        // a refill keeps the selected value, far down a long table too
        combo.SetItems(longTable);
        combo.SetCurData(51);
        combo.SetItems(longTable);
        EXPECT_EQ(50, CurSel(box));
        // a shorter table without the value: the first item
        combo.SetItems(shortTable);
        EXPECT_EQ(2, Count(box));
        EXPECT_EQ(0, CurSel(box));
        // a table whose first string is empty: no items, no selection
        combo.SetItems(emptyTable);
        EXPECT_EQ(0, Count(box));
        EXPECT_EQ(-1, CurSel(box));
        EXPECT_EQ(0, combo.GetCurData());

        // a vector as the source
        cVector<cString> names;
        for (const char* n : {"あ", "い", "う", "え", "お"}) names.push_back(n);
        combo.SetItemList(&names);
        EXPECT_EQ(5, Count(box));
        EXPECT_EQ(nullptr, combo.m_lpTable);
        combo.SetCurData(3);
        // a new offset raises the variable and keeps the position
        value = 1;
        combo.SetMin(3);
        EXPECT_EQ(3, value);
        EXPECT_EQ(2, CurSel(box));
        EXPECT_EQ(5, combo.GetCurData());
        value = 7;
        combo.SetMin(4);
        EXPECT_EQ(7, value) << "a variable above the new offset stays";
        ClickWindow(GetDlgItem(w, kIdCancel));
    });
    delete dlg;
}

// The offset is taken before the fill: a control attached again from a record
// with another offset adjusts its selection by the new one (by the old one,
// -128 in a char combo, the first item would stay unselected).
TEST_F(ComboTest, AttachTakesTheOffsetBeforeTheFill) {
    sDemoData data;
    cDemoDlg* dlg = new cDemoDlg(&data);
    int sel = -2;
    char stored = 0;
    RunModalScripted(dlg, 0, [&](HWND w) {
        HWND box = GetDlgItem(w, IDC_TEST_COMBO);
        char value = 0;
        cCtrlComboParam<char> param;
        param.Set(IDC_TEST_COMBO, &value, DemoKinds(), -128);
        cCtrlCombo<char> combo;
        combo.Attach(dlg, param);
        SendMessageA(box, CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
        param.Set(IDC_TEST_COMBO, &value, DemoKinds(), 0);
        combo.Attach(dlg, param);
        sel = CurSel(box);
        combo.CtrlToData();
        stored = value;
        ClickWindow(GetDlgItem(w, kIdCancel));
    });
    EXPECT_EQ(0, sel);
    EXPECT_EQ(0, stored);
    delete dlg;
}

// A real selection with the keyboard reaches the variable on OK.
TEST_F(ComboTest, KeyboardSelectionIsStoredOnOk) {
    sDemoData data;
    cDemoDlg* dlg = new cDemoDlg(&data);
    int r = RunModalScripted(dlg, 0, [&](HWND w) {
        BringToFront(w);
        SetFocus(GetDlgItem(w, IDC_TEST_COMBO_LIST));
        PumpUntilIdle(20);
        PressKey(VK_DOWN);
        PressKey(VK_DOWN);
        PumpUntilIdle(50);
        ClickWindow(GetDlgItem(w, kIdOk));
    });
    EXPECT_EQ(1, r);
    EXPECT_EQ(2, data.group);
    EXPECT_EQ(2, data.kind);
    delete dlg;
}

}  // namespace
