#include <windows.h>

#include <imm.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "base/log.h"
#include "tests/ui/gui_test_util.h"
#include "ui/hook.h"

using namespace gui_test;

namespace {

std::string KeyName(WPARAM vk) {
    if ((vk >= 'A' && vk <= 'Z') || (vk >= '0' && vk <= '9')) return std::string(1, static_cast<char>(vk));
    if (vk >= VK_F1 && vk <= VK_F24) return "F" + std::to_string(vk - VK_F1 + 1);
    switch (vk) {
        case VK_LEFT: return "Left";
        case VK_UP: return "Up";
        case VK_RIGHT: return "Right";
        case VK_DOWN: return "Down";
        case VK_SPACE: return "Space";
        case VK_DELETE: return "Del";
        case VK_RETURN: return "Enter";
        case VK_TAB: return "Tab";
        case VK_CONTROL: return "Ctrl";
        case VK_PRIOR: return "PgUp";
        case VK_NEXT: return "PgDn";
        case VK_HOME: return "Home";
        default: return "vk" + std::to_string(vk);
    }
}

// The keys that reached the dialog procedure of wnd, as "down A", "up A" or
// "scroll Left" (the private scroll-key message); the end mark Q is left out.
std::vector<std::string> ReceivedBy(HWND wnd) {
    std::vector<std::string> out;
    for (const sDlgMsg& m : g_DlgMsgs) {
        if (m.wnd != wnd || m.key == 'Q') continue;
        const char* kind = m.msg == WM_KEYDOWN ? "down " : m.msg == WM_KEYUP ? "up " : "scroll ";
        out.push_back(kind + KeyName(m.key));
    }
    return out;
}

std::vector<sKey> Taps(const std::vector<WORD>& vks) {
    std::vector<sKey> keys;
    for (WORD vk : vks) {
        keys.push_back({vk, false});
        keys.push_back({vk, true});
    }
    return keys;
}

class KeyboardHook : public ::testing::Test {
protected:
    void SetUp() override {
        SetErrorLog(0, "RI_Zedevu.txt");
        g_DlgMsgs.clear();
        g_RecordedPrivateMsg = kMsgScrollKey;
        g_CtrlDown = 0;
    }
    void TearDown() override {
        for (HWND wnd : m_Dlgs) {
            if (IsWindow(wnd)) DestroyWindow(wnd);
        }
        UnhookKeyboard();
        PumpFor(20);
        g_DlgMsgs.clear();
        SetErrorLog(0, "RI_Zedevu.txt");
    }

    // A shown dialog, active, with the focus in its edit control.
    HWND NewDialog() {
        HWND wnd = CreateEditDialog();
        m_Dlgs.push_back(wnd);
        EXPECT_TRUE(PumpUntil([wnd] { return GetActiveWindow() == wnd; }));
        return wnd;
    }
    static std::string EditText(HWND dlg) { return WindowText(GetDlgItem(dlg, kEditId)); }

    // Types the keys into the active dialog dlg, then the end mark Q, and
    // runs the messages until the mark has reached the edit control: by then
    // every copy posted for the earlier keys has been handled. Gives the edit
    // control's text without the mark.
    std::string Type(HWND dlg, const std::vector<sKey>& keys) {
        SetDlgItemTextA(dlg, kEditId, "");
        std::vector<sKey> all = keys;
        all.push_back({'Q', false});
        all.push_back({'Q', true});
        SendKeys(all);
        bool marked = PumpUntil([dlg] { return EditText(dlg).find('q') != std::string::npos; });
        EXPECT_TRUE(marked) << "the typed keys did not reach the edit control";
        PumpFor(30);
        std::string text = EditText(dlg);
        size_t mark = text.find('q');
        if (mark != std::string::npos) text.erase(mark, 1);
        return text;
    }

    std::vector<HWND> m_Dlgs;
};

}  // namespace

TEST(HookKeys, ScrollKeysAreSpaceArrowsDeleteAndF1ToF8) {
    const WORD scroll[] = {VK_SPACE, VK_LEFT, VK_UP, VK_RIGHT, VK_DOWN, VK_DELETE, VK_F1, VK_F4, VK_F8};
    const WORD other[] = {VK_F9, VK_F12, VK_PRIOR, VK_NEXT, VK_HOME, VK_END, VK_INSERT, VK_RETURN,
                          VK_TAB, VK_BACK, VK_ESCAPE, VK_CONTROL, 'A', VK_DIVIDE /* just below F1 */};
    for (WORD vk : scroll) EXPECT_TRUE(cHook::IsScrollKey(vk)) << KeyName(vk);
    for (WORD vk : other) EXPECT_FALSE(cHook::IsScrollKey(vk)) << KeyName(vk);
}

TEST_F(KeyboardHook, TypedKeysReachBothTheFocusedControlAndTheDialog) {
    HWND dlg = NewDialog();
    cHook hook;
    ASSERT_TRUE(hook.Install(dlg, 1));
    EXPECT_EQ("ab", Type(dlg, Taps({'A', 'B'})));
    EXPECT_EQ((std::vector<std::string>{"down A", "up A", "down B", "up B"}), ReceivedBy(dlg));
}

TEST_F(KeyboardHook, ArrowsMoveTheCaretAndReachTheDialogAsScrollKeys) {
    HWND dlg = NewDialog();
    cHook hook;
    ASSERT_TRUE(hook.Install(dlg, 1));
    // The caret moves back two characters before X goes in.
    EXPECT_EQ("axbc", Type(dlg, Taps({'A', 'B', 'C', VK_LEFT, VK_LEFT, 'X'})));
    EXPECT_EQ((std::vector<std::string>{"down A", "up A", "down B", "up B", "down C", "up C", "scroll Left", "up Left",
                                        "scroll Left", "up Left", "down X", "up X"}),
              ReceivedBy(dlg));
}

TEST_F(KeyboardHook, EachKeyReachesTheDialogByItsKind) {
    HWND dlg = NewDialog();
    cHook hook;
    ASSERT_TRUE(hook.Install(dlg, 0));
    struct Case {
        WORD vk;
        std::vector<std::string> received;
    };
    const Case cases[] = {
        {VK_SPACE, {"scroll Space", "up Space"}}, {VK_UP, {"scroll Up", "up Up"}},
        {VK_RIGHT, {"scroll Right", "up Right"}}, {VK_DOWN, {"scroll Down", "up Down"}},
        {VK_DELETE, {"scroll Del", "up Del"}},    {VK_F1, {"scroll F1", "up F1"}},
        {VK_F8, {"scroll F8", "up F8"}},          {VK_F9, {"down F9", "up F9"}},
        {VK_PRIOR, {"down PgUp", "up PgUp"}},     {VK_HOME, {"down Home", "up Home"}},
        {VK_RETURN, {"down Enter", "up Enter"}},
        // Tab is left to the dialog manager; only its release is copied.
        {VK_TAB, {"up Tab"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(KeyName(c.vk));
        g_DlgMsgs.clear();
        Type(dlg, Taps({c.vk}));
        EXPECT_EQ(c.received, ReceivedBy(dlg));
    }
}

TEST_F(KeyboardHook, CtrlShortcutsOfAModelessDialogReachOnlyTheFocusedControl) {
    struct Case {
        int modeless;
        std::vector<std::string> received;
    };
    const Case cases[] = {
        {1, {"up Ctrl"}},
        {0, {"down Ctrl", "down C", "up C", "up Ctrl"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.modeless ? "modeless" : "modal");
        HWND dlg = NewDialog();
        cHook hook;
        ASSERT_TRUE(hook.Install(dlg, c.modeless));
        Type(dlg, {{VK_CONTROL, false}, {'C', false}, {'C', true}, {VK_CONTROL, true}});
        EXPECT_EQ(c.received, ReceivedBy(dlg));
        EXPECT_EQ(0, g_CtrlDown);
        DestroyWindow(dlg);
    }
}

TEST_F(KeyboardHook, CtrlDownIsFollowedWhileHeld) {
    HWND dlg = NewDialog();
    cHook hook;
    ASSERT_TRUE(hook.Install(dlg, 1));
    SendKeys({{VK_CONTROL, false}});
    EXPECT_TRUE(PumpUntil([] { return g_CtrlDown == 1; }));
    SendKeys({{VK_CONTROL, true}});
    EXPECT_TRUE(PumpUntil([] { return g_CtrlDown == 0; }));
}

TEST_F(KeyboardHook, EnterThatCompletesACompositionIsNotCopied) {
    HWND dlg = NewDialog();
    cHook hook;
    ASSERT_TRUE(hook.Install(dlg, 1));
    HIMC imc = ImmGetContext(dlg);
    ASSERT_TRUE(imc);
    ImmSetOpenStatus(imc, TRUE);
    char comp[] = "abc";
    ImmSetCompositionStringA(imc, SCS_SETSTR, comp, 3, nullptr, 0);
    LONG composing = ImmGetCompositionStringA(imc, GCS_COMPSTR, nullptr, 0);
    if (composing > 0) {
        SendKeys(Taps({VK_RETURN}));
        // The release shows that the hook saw the key.
        EXPECT_TRUE(PumpUntil([dlg] {
            std::vector<std::string> got = ReceivedBy(dlg);
            return !got.empty() && got.back() == "up Enter";
        }));
        EXPECT_EQ(std::vector<std::string>{"up Enter"}, ReceivedBy(dlg));
    }
    // The thread's windows share the input context: leave nothing behind.
    ImmNotifyIME(imc, NI_COMPOSITIONSTR, CPS_CANCEL, 0);
    ImmSetOpenStatus(imc, FALSE);
    ImmReleaseContext(dlg, imc);
    if (composing <= 0) GTEST_SKIP() << "the input method here takes no composition string";
}

TEST_F(KeyboardHook, KeysOfOtherWindowsAreNotCopied) {
    HWND first = NewDialog();
    cHook hook;
    ASSERT_TRUE(hook.Install(first, 1));
    struct Case {
        const char* name;
        void* prop;
    };
    const Case cases[] = {
        {"no holder", nullptr},
        {"holder of another window", &hook},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        g_DlgMsgs.clear();
        HWND other = NewDialog();
        if (c.prop) SetPropA(other, kHookProp, c.prop);
        EXPECT_EQ("a", Type(other, Taps({'A', VK_LEFT})));
        EXPECT_TRUE(ReceivedBy(other).empty());
        EXPECT_TRUE(ReceivedBy(first).empty());
        DestroyWindow(other);
    }
}

TEST_F(KeyboardHook, KeysTypedInAMessageBoxAreNotCopied) {
    HWND dlg = NewDialog();
    cHook hook;
    ASSERT_TRUE(hook.Install(dlg, 0));
    BoxWatcher watch(IDOK, 300);
    watch.onShown = [](HWND) { TapKeys({'A', VK_LEFT, VK_F9}); };
    MessageBoxA(dlg, "text", "caption", MB_OK);
    ASSERT_EQ(1u, watch.boxes.size());
    ASSERT_TRUE(PumpUntil([dlg] { return GetActiveWindow() == dlg; }));
    Type(dlg, {});
    EXPECT_TRUE(ReceivedBy(dlg).empty());
}

TEST_F(KeyboardHook, KeysLookedAtWithoutTakingThemAreCopiedOnce) {
    HWND dlg = NewDialog();
    cHook hook;
    ASSERT_TRUE(hook.Install(dlg, 1));
    SendKeys(Taps({'A'}));
    // Look at the key three times before anything takes it.
    MSG msg;
    int looked = 0;
    for (DWORD start = GetTickCount(); looked < 3 && GetTickCount() - start < 3000;) {
        if (PeekMessageA(&msg, nullptr, WM_KEYDOWN, WM_KEYDOWN, PM_NOREMOVE)) {
            ++looked;
        } else {
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
        }
    }
    ASSERT_EQ(3, looked);
    EXPECT_EQ("a", Type(dlg, {}));
    EXPECT_EQ((std::vector<std::string>{"down A", "up A"}), ReceivedBy(dlg));
}

TEST_F(KeyboardHook, WithoutAnInputContextKeysAreCopiedAsWithoutComposition) {
    struct Case {
        int errorLog;
        size_t boxes;
    };
    for (const Case& c : {Case{0, 0}, Case{1, 1}}) {
        SCOPED_TRACE(c.errorLog ? "error log on" : "error log off");
        SetErrorLog(c.errorLog, "RI_Zedevu.txt");
        g_DlgMsgs.clear();
        HWND dlg = NewDialog();
        cHook hook;
        ASSERT_TRUE(hook.Install(dlg, 1));
        ImmAssociateContext(dlg, nullptr);
        ASSERT_EQ(nullptr, ImmGetContext(dlg));
        BoxWatcher watch(IDOK);
        SendKeys(Taps({VK_LEFT}));
        EXPECT_TRUE(PumpUntil([dlg, &watch, &c] {
            std::vector<std::string> got = ReceivedBy(dlg);
            return watch.boxes.size() == c.boxes && !got.empty() && got[0] == "scroll Left";
        }));
        ASSERT_EQ(c.boxes, watch.boxes.size());
        if (c.boxes) {
            EXPECT_EQ("Err ImmGetContext", watch.boxes[0].text);
            EXPECT_EQ("エラー", watch.boxes[0].caption);
        }
        DestroyWindow(dlg);
    }
}

TEST_F(KeyboardHook, AHolderDeletedBeforeItsWindowIsNoLongerReached) {
    HWND dlg = NewDialog();
    auto first = std::make_unique<cHook>();
    ASSERT_TRUE(first->Install(dlg, 1));
    // A later holder on the same window keeps its place.
    cHook second;
    ASSERT_TRUE(second.Install(dlg, 1));
    first.reset();
    EXPECT_EQ(&second, GetPropA(dlg, kHookProp));
    Type(dlg, Taps({'A'}));
    EXPECT_EQ((std::vector<std::string>{"down A", "up A"}), ReceivedBy(dlg));

    auto only = std::make_unique<cHook>();
    ASSERT_TRUE(only->Install(dlg, 1));
    only.reset();
    EXPECT_EQ(nullptr, GetPropA(dlg, kHookProp));
    g_DlgMsgs.clear();
    EXPECT_EQ("a", Type(dlg, Taps({'A'})));
    EXPECT_TRUE(ReceivedBy(dlg).empty());
}

TEST_F(KeyboardHook, OneHookServesTheThreadUntilUnhooked) {
    HWND first = NewDialog();
    cHook firstHook;
    ASSERT_TRUE(firstHook.Install(first, 1));
    HHOOK installed = g_hKeyHook;
    ASSERT_NE(nullptr, installed);
    HWND second = NewDialog();
    cHook secondHook;
    ASSERT_TRUE(secondHook.Install(second, 1));
    EXPECT_EQ(installed, g_hKeyHook);

    UnhookKeyboard();
    EXPECT_EQ(nullptr, g_hKeyHook);
    UnhookKeyboard();  // nothing left to remove
    EXPECT_EQ("a", Type(second, Taps({'A'})));
    EXPECT_TRUE(ReceivedBy(second).empty());

    // A dialog that initialises again puts the hook back.
    ASSERT_TRUE(secondHook.Install(second, 1));
    EXPECT_NE(nullptr, g_hKeyHook);
    EXPECT_EQ("a", Type(second, Taps({'A'})));
    EXPECT_EQ((std::vector<std::string>{"down A", "up A"}), ReceivedBy(second));
}

namespace {

// A modal dialog that installs its hook, types keys into its edit control
// from a timer and ends when the end mark Q has arrived.
struct sModalRun {
    cHook hook;
    bool installed = false;
    int ticks = 0;
    std::string text;
};

INT_PTR CALLBACK ModalProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) {
    sModalRun* run = static_cast<sModalRun*>(GetPropA(wnd, "TestRun"));
    switch (msg) {
        case WM_INITDIALOG:
            run = reinterpret_cast<sModalRun*>(lp);
            SetPropA(wnd, "TestRun", run);
            run->installed = run->hook.Install(wnd, 0);
            SetTimer(wnd, 1, 50, nullptr);
            return RecordingDlgProc(wnd, msg, wp, lp);
        case WM_TIMER:
            if (++run->ticks == 1) {
                SetFocus(GetDlgItem(wnd, kEditId));
                SendKeys({{'A', false}, {'A', true}, {VK_LEFT, false}, {VK_LEFT, true}, {VK_CONTROL, false},
                          {'C', false}, {'C', true}, {VK_CONTROL, true}, {'Q', false}, {'Q', true}});
                return TRUE;
            }
            run->text = WindowText(GetDlgItem(wnd, kEditId));
            if (run->text.find('q') != std::string::npos || run->ticks > 100) {
                KillTimer(wnd, 1);
                EndDialog(wnd, 1);
            }
            return TRUE;
        case WM_DESTROY:
            RemovePropA(wnd, "TestRun");
            break;
    }
    return RecordingDlgProc(wnd, msg, wp, lp);
}

}  // namespace

TEST_F(KeyboardHook, AModalDialogGetsItsCopiesThroughTheDialogManager) {
    std::vector<WORD> t = EditDialogTemplate();
    sModalRun run;
    INT_PTR result = DialogBoxIndirectParamA(GetModuleHandleA(nullptr), reinterpret_cast<DLGTEMPLATE*>(t.data()),
                                             nullptr, ModalProc, reinterpret_cast<LPARAM>(&run));
    ASSERT_EQ(1, result);
    EXPECT_TRUE(run.installed);
    // Left reached the edit control: Q went in before A.
    EXPECT_EQ("qa", run.text);
    ASSERT_FALSE(g_DlgMsgs.empty());
    EXPECT_EQ((std::vector<std::string>{"down A", "up A", "scroll Left", "up Left", "down Ctrl", "down C", "up C",
                                        "up Ctrl"}),
              ReceivedBy(g_DlgMsgs[0].wnd));
}

namespace {

bool g_SawMenuMode = false;

// Runs inside the popup menu's own loop: Ctrl is released there, then the
// menu is closed with Esc.
void CALLBACK ReleaseCtrlInMenu(HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    GUITHREADINFO gui = {};
    gui.cbSize = sizeof gui;
    g_SawMenuMode = GetGUIThreadInfo(GetCurrentThreadId(), &gui) &&
                    (gui.flags & (GUI_INMENUMODE | GUI_POPUPMENUMODE)) != 0;
    SendKeys({{VK_CONTROL, true}, {VK_ESCAPE, false}, {VK_ESCAPE, true}});
}

}  // namespace

// Ctrl released while a menu is open is seen all the same: a modeless dialog
// gets its key copies again afterwards.
TEST_F(KeyboardHook, CtrlReleasedWhileAMenuIsOpenIsFollowed) {
    HWND dlg = NewDialog();
    cHook hook;
    ASSERT_TRUE(hook.Install(dlg, 1));
    SendKeys({{VK_CONTROL, false}});
    ASSERT_TRUE(PumpUntil([] { return g_CtrlDown == 1; }));

    HMENU menu = CreatePopupMenu();
    AppendMenuA(menu, MF_STRING, 1, "item");
    RECT rc;
    GetWindowRect(dlg, &rc);
    g_SawMenuMode = false;
    UINT_PTR timer = SetTimer(nullptr, 0, 50, ReleaseCtrlInMenu);
    TrackPopupMenu(menu, 0, rc.left + 20, rc.top + 20, 0, dlg, nullptr);
    KillTimer(nullptr, timer);
    DestroyMenu(menu);
    EXPECT_TRUE(g_SawMenuMode) << "the keys came while the menu was open";
    EXPECT_TRUE(PumpUntil([] { return g_CtrlDown == 0; }));

    g_DlgMsgs.clear();
    Type(dlg, Taps({VK_PRIOR}));
    EXPECT_EQ((std::vector<std::string>{"down PgUp", "up PgUp"}), ReceivedBy(dlg));
}
