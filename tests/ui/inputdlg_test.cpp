// The value and string input boxes answered with real typed input, and the
// message window with the other registered windows disabled around it.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstring>
#include <functional>
#include <string>

#include "tests/support/gui.h"
#include "tests/ui/test_dialogs.h"
#include "ui/inputdlg.h"
#include "ui/inputdlg_res.h"

namespace {

std::string TextOfWindow(HWND wnd) {
    char buf[256] = "";
    GetWindowTextA(wnd, buf, sizeof buf);
    return buf;
}

// Types the characters as the keyboard would deliver them (letters come out
// in lower case, digits and '-' as themselves).
void TypeKeys(const char* text) {
    for (const char* p = text; *p; ++p) {
        WORD vk = static_cast<WORD>(toupper(static_cast<unsigned char>(*p)));
        if (*p == '-') vk = VK_OEM_MINUS;
        PressKey(vk);
    }
    PumpUntilIdle(30);
}

// Pastes the text (Shift-JIS) with Ctrl+V, as a user pastes a name.
void PasteText(HWND owner, const char* text) {
    size_t n = strlen(text) + 1;
    HGLOBAL mem = GlobalAlloc(GMEM_MOVEABLE, n);
    memcpy(GlobalLock(mem), text, n);
    GlobalUnlock(mem);
    ASSERT_TRUE(OpenClipboard(owner));
    EmptyClipboard();
    SetClipboardData(CF_TEXT, mem);
    CloseClipboard();
    PressKeyWith(VK_CONTROL, 'V');
    PumpUntilIdle(30);
}

// Runs call (which opens a modal box held by the given global) and answers
// the box with script once it is shown; a box the script left open is
// ended and reported.
template <class D>
struct sBoxScript {
    D** held = nullptr;
    const std::function<void(HWND)>* script = nullptr;
    bool ran = false;
    bool leftOpen = false;
};

template <class D>
sBoxScript<D>* g_BoxScript = nullptr;

template <class D>
void CALLBACK BoxTimer(HWND, UINT, UINT_PTR id, DWORD) {
    sBoxScript<D>* s = g_BoxScript<D>;
    if (!s || !*s->held || !(*s->held)->m_hWnd || !IsWindowVisible((*s->held)->m_hWnd)) return;
    KillTimer(nullptr, id);
    HWND wnd = (*s->held)->m_hWnd;
    s->ran = true;
    (*s->script)(wnd);
    PumpUntil([&] { return !IsWindow(wnd) || !IsWindowVisible(wnd); }, 2000);
    if (IsWindow(wnd) && IsWindowVisible(wnd)) {
        s->leftOpen = true;
        EndDialog(wnd, -7);
    }
}

template <class D>
int AnswerBox(D** held, const std::function<int()>& call, const std::function<void(HWND)>& script) {
    sBoxScript<D> s;
    s.held = held;
    s.script = &script;
    g_BoxScript<D> = &s;
    UINT_PTR timer = SetTimer(nullptr, 0, 20, BoxTimer<D>);
    int r = call();
    KillTimer(nullptr, timer);
    g_BoxScript<D> = nullptr;
    EXPECT_TRUE(s.ran) << "the box never showed";
    EXPECT_FALSE(s.leftOpen) << "the script left the box open";
    EXPECT_EQ(nullptr, *held) << "the box object outlived its call";
    return r;
}

enum eAnswer { kAnswerOk, kAnswerCancel, kAnswerClose };

void Answer(HWND box, eAnswer how) {
    if (how == kAnswerOk) ClickWindow(GetDlgItem(box, kIdOk));
    if (how == kAnswerCancel) ClickWindow(GetDlgItem(box, kIdCancel));
    if (how == kAnswerClose) PressKeyWith(VK_MENU, VK_F4);
}

}  // namespace

TEST(InputValueTest, TypedValuesAreClampedAndStoredOnlyOnOk) {
    struct Case {
        const char* name;
        int min, max, start;
        const char* typed;  // nullptr: nothing typed
        const char* shown;  // the edit's text before the answer
        eAnswer answer;
        int result, stored;
    };
    const Case cases[] = {
        {"value below the range shows the minimum", 1, 999, 0, nullptr, "1", kAnswerOk, 1, 1},
        {"typing replaces the old value", 0, 999, 42, "17", "17", kAnswerOk, 1, 17},
        {"over the maximum", 0, 999, 50, "5000", "999", kAnswerOk, 1, 999},
        {"negative under a positive minimum", 1, 999, 50, "-5", "1", kAnswerOk, 1, 1},
        {"negative value", -100, 100, 20, "-50", "-50", kAnswerOk, 1, -50},
        {"cancel after clamping", 0, 999, 50, "5000", "999", kAnswerCancel, 0, 50},
        {"close button", 0, 999, 50, "7", "7", kAnswerClose, 0, 50},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        int value = c.start;
        std::string caption, shown;
        int r = AnswerBox<cInputValueDlg>(
            &g_InputValueDlg,
            [&] { return InputValue(nullptr, &g_WndRegistry, &value, c.min, c.max, "レコード数", 100, 100); },
            [&](HWND box) {
                caption = TextOfWindow(box);
                if (c.typed) TypeKeys(c.typed);
                shown = TextOfWindow(GetDlgItem(box, IDC_INPUT_EDIT));
                Answer(box, c.answer);
            });
        EXPECT_EQ(c.result, r);
        EXPECT_EQ(c.stored, value);
        EXPECT_EQ(c.shown, shown);
        EXPECT_EQ("レコード数", caption);
    }
}

TEST(InputValueTest, ArrowKeysStepWithinTheRange) {
    int value = 997;
    int r = AnswerBox<cInputValueDlg>(
        &g_InputValueDlg, [&] { return InputValue(nullptr, &g_WndRegistry, &value, 0, 999, "値", 100, 100); },
        [&](HWND box) {
            for (int i = 0; i < 4; ++i) PressKey(VK_UP);
            PumpUntilIdle(30);
            EXPECT_EQ("999", TextOfWindow(GetDlgItem(box, IDC_INPUT_EDIT)));
            PressKey(VK_DOWN);
            PumpUntilIdle(30);
            Answer(box, kAnswerOk);
        });
    EXPECT_EQ(1, r);
    EXPECT_EQ(998, value);
}

TEST(InputStringTest, TypedTextIsLimitedAndStoredOnlyOnOk) {
    struct Case {
        const char* name;
        int maxLength, countChars;
        const char* typed;
        eAnswer answer;
        int result;
        const char* stored;
    };
    const Case cases[] = {
        {"typing replaces the old text", 8, 0, "abc", kAnswerOk, 1, "abc"},
        {"cut at the maximum length", 4, 0, "abcdef", kAnswerOk, 1, "abcd"},
        {"cancel", 8, 0, "xyz", kAnswerCancel, 0, "旧い名前"},
        {"close button", 8, 0, "xyz", kAnswerClose, 0, "旧い名前"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        cString text = "旧い名前";
        std::string caption;
        int r = AnswerBox<cInputStringDlg>(
            &g_InputStringDlg,
            [&] { return InputString(nullptr, &g_WndRegistry, &text, c.maxLength, c.countChars, "名前", 100, 100); },
            [&](HWND box) {
                caption = TextOfWindow(box);
                TypeKeys(c.typed);
                Answer(box, c.answer);
            });
        EXPECT_EQ(c.result, r);
        EXPECT_EQ(std::string(c.stored), text);
        EXPECT_EQ("名前", caption);
    }
}

TEST(InputStringTest, CharacterCountLetsEightDoubleByteCharactersThrough) {
    cString text;
    int r = AnswerBox<cInputStringDlg>(
        &g_InputStringDlg, [&] { return InputString(nullptr, &g_WndRegistry, &text, 8, 1, "名前", 100, 100); },
        [&](HWND box) {
            PasteText(box, "あいうえおかきくけこ");
            Answer(box, kAnswerOk);
        });
    EXPECT_EQ(1, r);
    EXPECT_EQ(std::string("あいうえおかきく"), text);
    EXPECT_EQ(16u, text.size());
}

TEST(MessageWndTest, OtherWindowsAreDisabledWhileItShows) {
    cTestDlg a(IDD_TEST_PLAIN, nullptr, kWndDialog, &g_WndRegistry, 50, 50);
    cTestDlg b(IDD_TEST_PLAIN, nullptr, kWndDialog, &g_WndRegistry, 500, 50);
    a.RunModeless(0, 1);
    b.RunModeless(0, 1);
    ASSERT_TRUE(a.m_hWnd && b.m_hWnd);
    PumpUntilIdle(50);
    const size_t listed = g_WndRegistry.m_Wnds.size();

    ShowMessageWnd(nullptr, &g_WndRegistry, "ステージを読み込んでいます...", "ステージ", 300, 400, 1);
    ASSERT_NE(nullptr, g_MessageWnd);
    HWND msgWnd = g_MessageWnd->m_hWnd;
    ASSERT_TRUE(msgWnd && IsWindowVisible(msgWnd));
    PumpUntilIdle(50);
    EXPECT_EQ("ステージを読み込んでいます...", TextOfWindow(GetDlgItem(msgWnd, IDC_MESSAGE_TEXT)));
    EXPECT_EQ("ステージ", TextOfWindow(msgWnd));
    EXPECT_EQ(LoadCursorA(nullptr, IDC_WAIT), GetCursor());
    EXPECT_FALSE(IsWindowEnabled(a.m_hWnd));
    EXPECT_FALSE(IsWindowEnabled(b.m_hWnd));
    EXPECT_TRUE(IsWindowEnabled(msgWnd));
    // a click on a disabled window's button does nothing
    auto okCount = [&] { return std::count(a.m_Commands.begin(), a.m_Commands.end(), IDC_TEST_OK); };
    ClickWindow(GetDlgItem(a.m_hWnd, IDC_TEST_OK));
    PumpUntilIdle(50);
    EXPECT_EQ(0, okCount());

    // showing it again replaces the open window; the others stay disabled
    ShowMessageWnd(nullptr, &g_WndRegistry, "ステージを保存しています...", "ステージ", 300, 400, 1);
    PumpUntilIdle(30);
    EXPECT_FALSE(IsWindow(msgWnd));
    ASSERT_NE(nullptr, g_MessageWnd);
    msgWnd = g_MessageWnd->m_hWnd;
    EXPECT_EQ("ステージを保存しています...", TextOfWindow(GetDlgItem(msgWnd, IDC_MESSAGE_TEXT)));
    EXPECT_FALSE(IsWindowEnabled(a.m_hWnd));
    EXPECT_FALSE(IsWindowEnabled(b.m_hWnd));

    CloseMessageWnd();
    PumpUntilIdle(30);
    EXPECT_EQ(nullptr, g_MessageWnd);
    EXPECT_FALSE(IsWindow(msgWnd));
    EXPECT_TRUE(IsWindowEnabled(a.m_hWnd));
    EXPECT_TRUE(IsWindowEnabled(b.m_hWnd));
    EXPECT_EQ(LoadCursorA(nullptr, IDC_ARROW), GetCursor());
    EXPECT_EQ(listed, g_WndRegistry.m_Wnds.size());
    // and they take real input again
    ClickWindow(GetDlgItem(a.m_hWnd, IDC_TEST_OK));
    EXPECT_TRUE(PumpUntil([&] { return okCount() == 1; }, 2000));
    CloseMessageWnd();  // nothing open: harmless
}
