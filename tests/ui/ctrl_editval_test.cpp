// The value edit: type codes, the parse and its helpers as tables, then
// typing into the edits of a dialog with real keys, spin steps, the input
// method's full-width digits and the canonical form when the focus leaves.
#include <windows.h>

#include <limits>
#include <string>

#include "tests/ui/ctrl_dialogs.h"

namespace {

TEST(EditValTypeTest, TypeCodesAndLimitsComeFromTheType) {
    EXPECT_EQ(0, cCtrlEditVal<char>::GetTypeCode());
    EXPECT_EQ(1, cCtrlEditVal<unsigned char>::GetTypeCode());
    EXPECT_EQ(2, cCtrlEditVal<short>::GetTypeCode());
    EXPECT_EQ(3, cCtrlEditVal<unsigned short>::GetTypeCode());
    EXPECT_EQ(4, cCtrlEditVal<int>::GetTypeCode());
    EXPECT_EQ(5, cCtrlEditVal<unsigned int>::GetTypeCode());
    EXPECT_EQ(6, cCtrlEditVal<float>::GetTypeCode());
    EXPECT_EQ(7, cCtrlEditVal<double>::GetTypeCode());
    EXPECT_EQ(0, cCtrlEditVal<signed char>::GetTypeCode()) << "int8_t holds what char holds";
    EXPECT_EQ(-1, cCtrlEditVal<long long>::GetTypeCode());
    EXPECT_EQ(-128, cCtrlEditVal<char>::TypeMin(0));
    EXPECT_EQ(127, cCtrlEditVal<char>::TypeMax(0));
    EXPECT_EQ(255, cCtrlEditVal<unsigned char>::TypeMax(1));
    EXPECT_EQ(-32768, cCtrlEditVal<short>::TypeMin(2));
    EXPECT_EQ(65535u, cCtrlEditVal<unsigned int>::TypeMax(3));
    EXPECT_EQ(-2147483647 - 1, cCtrlEditVal<int>::TypeMin(4));
    EXPECT_EQ(4294967295u, cCtrlEditVal<unsigned int>::TypeMax(5));
    EXPECT_EQ(-1, cCtrlEditVal<int>::TypeMax(7));
    EXPECT_TRUE(cCtrlEditVal<double>().m_nKind == kCtrlEditVal);
}

TEST(EditValTypeTest, DecimalsOfTheStep) {
    struct Case {
        double step;
        int decimals;
    };
    for (const Case& c : {Case{0.5, 1}, Case{0.25, 2}, Case{0.05, 2}, Case{1, 0}, Case{0, 0}, Case{2.5, 1},
                          Case{12.125, 3}, Case{0.0001, 4}, Case{100, 0}}) {
        EXPECT_EQ(c.decimals, GetDecimals(c.step)) << c.step;
    }
}

TEST(EditValTypeTest, CharacterFilterAndTextCleaning) {
    struct Pass {
        WPARAM ch;
        int isFloat;
        bool passes;
    };
    for (const Pass& c : {Pass{'5', 0, true}, Pass{'-', 0, true}, Pass{VK_BACK, 0, true}, Pass{' ', 0, true},
                          Pass{'\'', 0, true}, Pass{'(', 0, false}, Pass{'.', 0, false}, Pass{'.', 1, true},
                          Pass{'a', 1, false}, Pass{'+', 0, false}, Pass{0, 0, false}}) {
        EXPECT_EQ(c.passes, EditValCharPasses(c.ch, c.isFloat)) << c.ch << " float " << c.isFloat;
    }
    struct Clean {
        const char* text;
        const char* clean;
    };
    for (const Clean& c : {Clean{"1a2", "12"}, Clean{"5-3", "53"}, Clean{"-12", "-12"}, Clean{"a-5", "-5"},
                           Clean{"１2", "2"}, Clean{"1.2.3", "1.2.3"}, Clean{" 4 ", "4"}, Clean{"--1", "-1"},
                           Clean{"abc", ""}, Clean{"7\x81", "7"}, Clean{"\x81" "5", "5"},
                           Clean{"\x81\x40" "5", "5"}, Clean{"3\xE0" "-1", "31"}, Clean{"\x88\x9F" "-2", "-2"}}) {
        EXPECT_EQ(c.clean, CleanNumberText(c.text)) << c.text;
    }
}

class EditValTest : public GuiTest {};

// Every integer width the records hold, bound over its whole range with a
// spin: the type's code and limits, spin steps that stop at the limit, and
// typed text beyond the type held at its limits.
template <class T>
class cWidthDlg : public cTestDlg {
public:
    explicit cWidthDlg(T* value) : cTestDlg(IDD_TEST_CTRLS, nullptr, kWndDialog, &g_WndRegistry) {
        m_Vals.resize(1);
        m_Vals[0].m_Param.Set(IDC_TEST_VAL_CHAR, value, std::numeric_limits<T>::min(), std::numeric_limits<T>::max(),
                              IDC_TEST_VAL_CHAR_SPIN, 1);
    }
    void OnInitDialog(WPARAM wp, LPARAM lp) override {
        cDlg::OnInitDialog(wp, lp);
        AddCtrls(m_Vals);
        DataToCtrls();
        m_bReady = 1;
    }
    cVector<cCtrlEditValItem<T>> m_Vals;
};

template <class T>
class EditValWidthTest : public GuiTest {};
using RecordWidths = ::testing::Types<char, signed char, unsigned char, short, unsigned short, int, unsigned int>;
TYPED_TEST_SUITE(EditValWidthTest, RecordWidths);

TYPED_TEST(EditValWidthTest, HoldsTheWholeRangeOfItsType) {
    using T = TypeParam;
    const long long lo = std::numeric_limits<T>::min();
    const long long hi = std::numeric_limits<T>::max();
    const int code = cCtrlEditVal<T>::GetTypeCode();
    EXPECT_LE(0, code);
    EXPECT_EQ(lo, TypeCodeMin(code));
    EXPECT_EQ(hi, TypeCodeMax(code));

    T value = static_cast<T>(hi - 1);
    cWidthDlg<T> dlg(&value);
    dlg.RunModeless(0, 1);
    ASSERT_NE(nullptr, dlg.m_hWnd);
    HWND edit = GetDlgItem(dlg.m_hWnd, IDC_TEST_VAL_CHAR);
    EXPECT_EQ(std::to_string(hi - 1), TextOf(edit));
    for (int step = 0; step < 2; ++step) {
        NMUPDOWN nm = {};
        nm.hdr.hwndFrom = GetDlgItem(dlg.m_hWnd, IDC_TEST_VAL_CHAR_SPIN);
        nm.hdr.idFrom = IDC_TEST_VAL_CHAR_SPIN;
        nm.hdr.code = UDN_DELTAPOS;
        nm.iDelta = 1;
        SendMessageA(dlg.m_hWnd, WM_NOTIFY, IDC_TEST_VAL_CHAR_SPIN, reinterpret_cast<LPARAM>(&nm));
        EXPECT_EQ(std::to_string(hi), TextOf(edit)) << "step " << step;
    }
    SetWindowTextA(edit, (std::to_string(hi) + "0").c_str());
    EXPECT_EQ(std::to_string(hi), TextOf(edit));
    dlg.m_Vals[0].m_Ctrl.CtrlToData();
    EXPECT_EQ(hi, static_cast<long long>(value));
    SetWindowTextA(edit, std::to_string(lo - 1).c_str());
    EXPECT_EQ(std::to_string(lo), TextOf(edit));
    dlg.m_Vals[0].m_Ctrl.CtrlToData();
    EXPECT_EQ(lo, static_cast<long long>(value));
    dlg.Close(0);
}

// Typing into the edits: what the edit shows while typing, the value it
// yields, and what it shows once the focus leaves.
TEST_F(EditValTest, TypingRewritesAndLeavingShowsTheCanonicalForm) {
    struct Case {
        const char* name;
        int id;
        std::function<void(cDemoDlg*)> range;
        const char* typed;  // real keys; "" empties the edit
        bool set;           // set as text instead of typing (as a paste would)
        std::string shown;
        double value;
        std::string left;
    };
    auto intRange = [](int lo, int hi) { return [=](cDemoDlg* d) { d->m_Ints[0].m_Ctrl.SetRange(lo, hi); }; };
    auto shortRange = [](short lo, short hi) {
        return [=](cDemoDlg* d) { d->m_Shorts[0].m_Ctrl.SetRange(lo, hi); };
    };
    auto noRange = [](cDemoDlg*) {};
    static const std::string manyDigits(3000, '7');  // longer than any fixed buffer
    const Case cases[] = {
        {"lone minus", IDC_TEST_VAL_INT, intRange(-10, 10), "-", false, "-", 0, "-"},
        {"negative", IDC_TEST_VAL_INT, intRange(-10, 10), "-5", false, "-5", -5, "-5"},
        {"negative under min 0", IDC_TEST_VAL_INT, intRange(0, 10), "-5", false, "0", 0, "0"},
        {"negative zero", IDC_TEST_VAL_INT, intRange(-10, 10), "-00", false, "-0", 0, "-0"},
        {"point dropped", IDC_TEST_VAL_INT, intRange(0, 100), "1.5", false, "15", 15, "15"},
        {"letter dropped", IDC_TEST_VAL_INT, intRange(0, 100), "7A", false, "7", 7, "7"},
        {"over max", IDC_TEST_VAL_INT, intRange(0, 100), "250", false, "100", 100, "100"},
        {"emptied, min 5", IDC_TEST_VAL_INT, intRange(5, 10), "", false, "", 5, "5"},
        {"emptied, min -3", IDC_TEST_VAL_INT, intRange(-3, 10), "", false, "", 0, "0"},
        {"beyond int", IDC_TEST_VAL_INT, intRange(-2147483647 - 1, 2147483647), "99999999999", true, "2147483647",
         2147483647, "2147483647"},
        {"thousands of digits", IDC_TEST_VAL_INT, intRange(0, 1000), manyDigits.c_str(), true, "1000", 1000,
         "1000"},
        {"beyond short, max 100", IDC_TEST_VAL_SHORT, shortRange(-100, 100), "40000", false, "100", 100, "100"},
        {"beyond short, whole range", IDC_TEST_VAL_SHORT, shortRange(-32768, 32767), "40000", false, "32767", 32767,
         "32767"},
        {"pasted text without digits", IDC_TEST_VAL_SHORT, shortRange(-100, 100), "abc", true, "abc", 0, "0"},
        {"byte", IDC_TEST_VAL_BYTE, noRange, "300", false, "255", 255, "255"},
        {"double two points", IDC_TEST_VAL_DOUBLE, noRange, "1.2.3", false, "1.2.3", 1.2, "1.20"},
        {"double over max", IDC_TEST_VAL_DOUBLE, noRange, "12", false, "10.00", 10, "10.00"},
        {"double decimals cut", IDC_TEST_VAL_DOUBLE, noRange, "2.345", false, "2.345", 2.35, "2.35"},
    };
    sDemoData data;
    cDemoDlg* dlg = new cDemoDlg(&data);
    RunModalScripted(dlg, 0, [&](HWND w) {
        BringToFront(w);
        for (const Case& c : cases) {
            SCOPED_TRACE(c.name);
            HWND edit = GetDlgItem(w, c.id);
            c.range(dlg);
            FocusAll(edit);
            if (c.set)
                SetWindowTextA(edit, c.typed);
            else if (!*c.typed)
                PressKey(VK_BACK);
            else
                TypeText(c.typed);
            PumpUntilIdle(20);
            EXPECT_EQ(c.shown, TextOf(edit));
            double value = 0;
            if (c.id == IDC_TEST_VAL_INT) value = dlg->m_Ints[0].m_Ctrl.GetValue();
            if (c.id == IDC_TEST_VAL_SHORT) value = dlg->m_Shorts[0].m_Ctrl.GetValue();
            if (c.id == IDC_TEST_VAL_BYTE) value = dlg->m_Bytes[0].m_Ctrl.GetValue();
            if (c.id == IDC_TEST_VAL_DOUBLE) value = dlg->m_Doubles[0].m_Ctrl.GetValue();
            EXPECT_DOUBLE_EQ(c.value, value);
            SetFocus(GetDlgItem(w, kIdOk));
            PumpUntilIdle(20);
            EXPECT_EQ(c.left, TextOf(edit));
        }
        ClickWindow(GetDlgItem(w, kIdCancel));
    });
    delete dlg;
}

// A rewrite caused by typing keeps the caret where it was.
TEST_F(EditValTest, RewriteKeepsTheCaret) {
    sDemoData data;
    data.hp = 45;
    cDemoDlg* dlg = new cDemoDlg(&data);
    DWORD start = 0, end = 0;
    std::string text;
    RunModalScripted(dlg, 0, [&](HWND w) {
        BringToFront(w);
        HWND edit = GetDlgItem(w, IDC_TEST_VAL_INT);
        dlg->m_Ints[0].m_Ctrl.SetRange(0, 100);
        SetFocus(edit);
        SendMessageA(edit, EM_SETSEL, 1, 1);
        TypeText("9");
        text = TextOf(edit);
        SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
        ClickWindow(GetDlgItem(w, kIdCancel));
    });
    EXPECT_EQ("100", text);
    EXPECT_EQ(2u, start);
    EXPECT_EQ(2u, end);
    delete dlg;
}

// Spin steps go through the up-down control, which holds the sum in the
// control's range: it never wraps round the type (127 + 1 stays 127 in a char).
TEST_F(EditValTest, SpinStepsHoldAtTheLimits) {
    struct Case {
        const char* name;
        int editId, spinId;
        const char* start;
        int delta;
        const char* shown;
    };
    const Case cases[] = {
        {"char at 127 up", IDC_TEST_VAL_CHAR, IDC_TEST_VAL_CHAR_SPIN, "127", 1, "127"},
        {"char at -128 down", IDC_TEST_VAL_CHAR, IDC_TEST_VAL_CHAR_SPIN, "-128", -1, "-128"},
        {"char far up", IDC_TEST_VAL_CHAR, IDC_TEST_VAL_CHAR_SPIN, "100", 100, "127"},
        {"char step", IDC_TEST_VAL_CHAR, IDC_TEST_VAL_CHAR_SPIN, "-3", 1, "-2"},
        {"int step of 10", IDC_TEST_VAL_INT, IDC_TEST_VAL_INT_SPIN, "100", -1, "90"},
        {"int past max", IDC_TEST_VAL_INT, IDC_TEST_VAL_INT_SPIN, "9995", 1, "9999"},
        {"int from empty", IDC_TEST_VAL_INT, IDC_TEST_VAL_INT_SPIN, "", 1, "10"},
        {"double step 0.05", IDC_TEST_VAL_DOUBLE, IDC_TEST_VAL_DOUBLE_SPIN, "1.5", 1, "1.55"},
        {"double from a lone minus", IDC_TEST_VAL_DOUBLE, IDC_TEST_VAL_DOUBLE_SPIN, "-", -1, "0.00"},
    };
    sDemoData data;
    cDemoDlg* dlg = new cDemoDlg(&data);
    RunModalScripted(dlg, 0, [&](HWND w) {
        for (const Case& c : cases) {
            SCOPED_TRACE(c.name);
            HWND edit = GetDlgItem(w, c.editId);
            SetWindowTextA(edit, c.start);
            NMUPDOWN nm = {};
            nm.hdr.hwndFrom = GetDlgItem(w, c.spinId);
            nm.hdr.idFrom = static_cast<UINT_PTR>(c.spinId);
            nm.hdr.code = UDN_DELTAPOS;
            nm.iDelta = c.delta;
            SendMessageA(w, WM_NOTIFY, static_cast<WPARAM>(c.spinId), reinterpret_cast<LPARAM>(&nm));
            EXPECT_EQ(c.shown, TextOf(edit));
        }
        // another control's notification is not the edit's
        NMUPDOWN nm = {};
        nm.hdr.code = UDN_DELTAPOS;
        nm.iDelta = 1;
        EXPECT_EQ(0, dlg->m_Chars[0].m_Ctrl.OnNotify(IDC_TEST_VAL_INT_SPIN, &nm.hdr));
        // a real click on the upper arrow of the char edit's spin (the int
        // edit's spin is made with UDS_SETBUDDYINT, which the edit removes;
        // Wine's up-down keeps the style it was made with and would write its
        // own number after the edit's)
        HWND edit = GetDlgItem(w, IDC_TEST_VAL_CHAR);
        SetWindowTextA(edit, "10");
        HWND spin = GetDlgItem(w, IDC_TEST_VAL_CHAR_SPIN);
        RECT rc;
        GetClientRect(spin, &rc);
        BringToFront(w);
        ClickClientPoint(spin, rc.right / 2, rc.bottom / 4);
        PumpUntil([&] { return TextOf(edit) != "10"; }, 1000);
        EXPECT_EQ("11", TextOf(edit));
        HWND intSpin = GetDlgItem(w, IDC_TEST_VAL_INT_SPIN);
        EXPECT_FALSE(HasStyle(intSpin, UDS_SETBUDDYINT));
        EXPECT_EQ(GetDlgItem(w, IDC_TEST_VAL_INT), reinterpret_cast<HWND>(SendMessageA(intSpin, UDM_GETBUDDY, 0, 0)));
        ClickWindow(GetDlgItem(w, kIdCancel));
    });
    delete dlg;
}

// The input method's result string: full-width digits, minus and point arrive
// as ordinary characters, everything else is dropped; without a result string
// the message goes on to the edit.
std::string g_ImeText;
std::vector<LPARAM> g_ImeAsked;
bool FakeImeResult(HWND, LPARAM lp, cString* out) {
    g_ImeAsked.push_back(lp);
    if (!(lp & GCS_RESULTSTR)) return false;
    out->assign(g_ImeText);
    return true;
}

TEST_F(EditValTest, FullWidthDigitsFromTheInputMethod) {
    struct Case {
        int id;
        const char* result;
        const char* shown;
    };
    const Case cases[] = {
        {IDC_TEST_VAL_INT, "１２", "12"},
        {IDC_TEST_VAL_INT, "３Ａ４ａ5", "34"},
        {IDC_TEST_VAL_SHORT, "－７", "-7"},
        {IDC_TEST_VAL_INT, "９．５", "95"},
        {IDC_TEST_VAL_DOUBLE, "２．２５", "2.25"},
        {IDC_TEST_VAL_INT, "漢字", "100"},
    };
    sDemoData data;
    cDemoDlg* dlg = new cDemoDlg(&data);
    ImeResultReader saved = g_ReadImeResult;
    g_ReadImeResult = FakeImeResult;
    RunModalScripted(dlg, 0, [&](HWND w) {
        BringToFront(w);
        for (const Case& c : cases) {
            SCOPED_TRACE(c.result);
            HWND edit = GetDlgItem(w, c.id);
            FocusAll(edit);
            if (c.id == IDC_TEST_VAL_INT) SetWindowTextA(edit, "100");
            SendMessageA(edit, EM_SETSEL, 0, -1);
            g_ImeText = c.result;
            EXPECT_EQ(0, SendMessageA(edit, WM_IME_COMPOSITION, 0, GCS_RESULTSTR));
            EXPECT_EQ(c.shown, TextOf(edit));
        }
        g_ImeAsked.clear();
        SendMessageA(GetDlgItem(w, IDC_TEST_VAL_INT), WM_IME_COMPOSITION, 0, GCS_COMPSTR);
        EXPECT_EQ(std::vector<LPARAM>{GCS_COMPSTR}, g_ImeAsked);
        // the real reader with no input method composing: nothing arrives
        g_ReadImeResult = saved;
        HWND edit = GetDlgItem(w, IDC_TEST_VAL_INT);
        SetWindowTextA(edit, "5");
        SendMessageA(edit, WM_IME_COMPOSITION, 0, GCS_RESULTSTR);
        EXPECT_EQ("5", TextOf(edit));
        ClickWindow(GetDlgItem(w, kIdCancel));
    });
    g_ReadImeResult = saved;
    delete dlg;
}

// A modeless dialog run again has new edit windows: each is subclassed
// again, so the character filter and the input method's full-width digits
// work on every run.
TEST_F(EditValTest, ADialogRunAgainFiltersAndConvertsOnEveryRun) {
    sDemoData data;
    cDemoDlg dlg(&data);
    ImeResultReader saved = g_ReadImeResult;
    g_ReadImeResult = FakeImeResult;
    for (int run = 0; run < 3; ++run) {
        SCOPED_TRACE(run);
        dlg.RunModeless(0, 1);
        ASSERT_NE(nullptr, dlg.m_hWnd);
        dlg.m_Ints[0].m_Ctrl.SetRange(0, 9999);
        HWND edit = GetDlgItem(dlg.m_hWnd, IDC_TEST_VAL_INT);
        EXPECT_EQ(&dlg.m_Ints[0].m_Ctrl, GetPropA(edit, "CTRL_EDITVAL_CLASS"));
        ASSERT_TRUE(BringToFront(dlg.m_hWnd));
        FocusAll(edit);
        TypeText("7A8");
        EXPECT_TRUE(PumpUntil([&] { return TextOf(edit) == "78"; }, 2000)) << TextOf(edit);
        SendMessageA(edit, EM_SETSEL, 0, -1);
        g_ImeText = "１２";
        SendMessageA(edit, WM_IME_COMPOSITION, 0, GCS_RESULTSTR);
        EXPECT_EQ("12", TextOf(edit));
        dlg.Close(0);
    }
    g_ReadImeResult = saved;
}

// Destroying the dialog puts the edit's own procedure back.
TEST_F(EditValTest, SubclassedUnderItsPropertyUntilDestroyed) {
    sDemoData data;
    cDemoDlg* dlg = new cDemoDlg(&data);
    bool prop = false;
    HWND edit = nullptr;
    RunModalScripted(dlg, 0, [&](HWND w) {
        edit = GetDlgItem(w, IDC_TEST_VAL_BYTE);
        prop = GetPropA(edit, "CTRL_EDITVAL_CLASS") == &dlg->m_Bytes[0].m_Ctrl;
        EXPECT_FALSE(HasStyle(GetDlgItem(w, IDC_TEST_VAL_INT), ES_NUMBER));
        ClickWindow(GetDlgItem(w, kIdCancel));
    });
    EXPECT_TRUE(prop);
    EXPECT_NE(nullptr, dlg->m_Bytes[0].m_Ctrl.m_lpfnOrgProc) << "the saved procedure keeps its value";
    delete dlg;
}

}  // namespace
