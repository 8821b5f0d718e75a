// The up-down control of a value edit: its range and its steps at the bounds.
#include <windows.h>

#include <gtest/gtest.h>

#include <climits>

#include "tests/ui/ctrlb_dialog.h"

namespace {

template <class T>
struct StepCase {
    const char* name;
    T min, max, step;
    T value;
    int delta;
    T expected;
};

template <class T>
void CheckSteps(const std::vector<StepCase<T>>& cases) {
    for (const StepCase<T>& c : cases) {
        SCOPED_TRACE(c.name);
        cCtrlSpinParam<T> p;
        p.Set(0, nullptr, nullptr, c.step, c.min, c.max, c.min < 0);
        cCtrlSpin<T> spin;
        spin.Attach(nullptr, p);
        EXPECT_EQ(c.expected, spin.StepValue(c.value, c.delta));
    }
}

TEST(CtrlbSpin, StepsPastABoundStopAtTheBoundInsteadOfWrapping) {
    CheckSteps<char>({
        {"127 + 1", -128, 127, 1, 127, 1, 127},
        {"-128 - 1", -128, 127, 1, -128, -1, -128},
        {"inside", -10, 10, 3, 2, 2, 8},
        {"past a narrow max", -10, 10, 3, 8, 1, 10},
    });
    CheckSteps<unsigned char>({
        {"255 + 1", 0, 255, 1, 255, 1, 255},
        {"0 - 1", 0, 255, 1, 0, -1, 0},
        {"step of 10 from 250", 0, 255, 10, 250, 1, 255},
    });
    CheckSteps<short>({
        {"32767 + 1", -32768, 32767, 1, 32767, 1, 32767},
        {"-32768 - 100", -32768, 32767, 100, -32768, -1, -32768},
    });
    CheckSteps<int>({
        {"INT_MAX + 1", INT_MIN, INT_MAX, 1, INT_MAX, 1, INT_MAX},
        {"INT_MIN - step", INT_MIN, INT_MAX, 1000, INT_MIN + 5, -1, INT_MIN},
        {"many steps at once", 0, 100, 7, 50, 3, 71},
    });
    CheckSteps<double>({
        {"past max", -0.5, 2.7, 0.5, 2.5, 1, 2.7},
        {"below min", -0.5, 2.7, 0.5, 0.0, -2, -0.5},
        {"inside", -0.5, 2.7, 0.5, 1.0, 1, 1.5},
    });
}

class CtrlbSpinTest : public GuiTest {};

TEST_F(CtrlbSpinTest, UpDownRangeIsTheValueRangeCutTo32BitIntegers) {
    sCtrlbData data;
    cCtrlbDlg dlg(&data);
    dlg.RunModeless(0, 1);
    HWND buddy = GetDlgItem(dlg.m_hWnd, IDC_CB_SPINEDIT);
    double value = 1.0;
    cCtrlSpinParam<double> p;
    p.Set(IDC_CB_SPIN, buddy, &value, 0.5, -0.5, 2.7, 1);
    cCtrlSpin<double> spin;
    spin.Attach(&dlg, p);
    EXPECT_EQ(kCtrlSpin, spin.m_nKind);
    EXPECT_EQ(buddy, spin.m_hBuddy);
    EXPECT_EQ(&value, spin.m_lpData);
    int lo = -1, hi = -1;
    SendMessageA(spin.m_hWnd, UDM_GETRANGE32, reinterpret_cast<WPARAM>(&lo), reinterpret_cast<LPARAM>(&hi));
    EXPECT_EQ(0, lo) << "truncated toward zero";
    EXPECT_EQ(2, hi);

    cCtrlSpin<char> small;
    cCtrlSpinParam<char> cp;
    cp.Set(IDC_CB_SPIN, buddy, nullptr, 1, 0, 10, 0);
    small.Attach(&dlg, cp);
    small.SetRange(-20, 100);
    EXPECT_EQ(1, small.m_bSigned);
    SendMessageA(small.m_hWnd, UDM_GETRANGE32, reinterpret_cast<WPARAM>(&lo), reinterpret_cast<LPARAM>(&hi));
    EXPECT_EQ(-20, lo);
    EXPECT_EQ(100, hi);
    small.SetRange(0, 5);
    EXPECT_EQ(0, small.m_bSigned);
    EXPECT_EQ(5, small.StepValue(4, 3));
}

}  // namespace
