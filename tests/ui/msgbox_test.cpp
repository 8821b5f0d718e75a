#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "base/appwnd.h"
#include "base/log.h"
#include "tests/support/test_env.h"
#include "tests/ui/gui_test_util.h"
#include "base/msgbox.h"

using namespace gui_test;

namespace {

class MessageBoxes : public ::testing::Test {
protected:
    void SetUp() override { SetErrorLog(0, "RI_Zedevu.txt"); }
    void TearDown() override {
        SetErrorLog(0, "RI_Zedevu.txt");
        if (m_Dlg) DestroyWindow(m_Dlg);
    }
    HWND Dialog() {
        if (!m_Dlg) m_Dlg = CreateEditDialog();
        return m_Dlg;
    }
    TestAppWindow app;
    HWND m_Dlg = nullptr;
};

}  // namespace

TEST_F(MessageBoxes, ErrorBoxesShowTheirTextUnderTheErrorCaption) {
    struct Case {
        const char* name;
        std::function<int()> show;
        std::string text;
        bool debugLog;
        bool closesApp;
    };
    const Case cases[] = {
        {"ErrorBox", [] { return ErrorBox("ファイルを保存できません"); }, "ファイルを保存できません", false, false},
        {"ErrorBoxF", [] { return ErrorBoxF("%s の %d 行目: %5.2f", "マップ", 12, 1.5); },
         "マップ の 12 行目:  1.50", false, false},
        {"DebugErrorBoxF", [] { return DebugErrorBoxF("err %s[%d]", "list", -1); }, "err list[-1]", true, false},
        {"OutOfMemory", [] { return OutOfMemory(); }, "メモリが不足しています！", false, true},
        {"ResourceError", [] { return ResourceError(); }, "システムリソース不足です！", true, true},
        // A text is shown as it is, never taken for a format.
        {"ErrorBox %", [] { return ErrorBox("100%s"); }, "100%s", false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SetErrorLog(c.debugLog ? 1 : 0, "RI_Zedevu.txt");
        BoxWatcher watch(IDOK);
        EXPECT_EQ(IDOK, c.show());
        ASSERT_EQ(1u, watch.boxes.size());
        EXPECT_EQ("エラー", watch.boxes[0].caption);
        EXPECT_EQ(c.text, watch.boxes[0].text);
        EXPECT_EQ(std::vector<int>{IDOK}, watch.boxes[0].buttons);
        EXPECT_EQ(c.closesApp, app.TakeClosePosted());
        EXPECT_FALSE(app.Destroyed());
    }
}

TEST_F(MessageBoxes, DebuggingMessagesShowNothingWhileTheErrorLogIsOff) {
    BoxWatcher watch(IDOK);
    EXPECT_EQ(0, DebugErrorBoxF("Err %s", "ImmGetContext"));
    EXPECT_FALSE(app.TakeClosePosted());
    // The fatal resource message still closes the application.
    EXPECT_EQ(0, ResourceError());
    EXPECT_TRUE(app.TakeClosePosted());
    PumpFor(100);
    EXPECT_TRUE(watch.boxes.empty());
}

TEST_F(MessageBoxes, BoxIsOwnedByTheActiveOrTheGivenWindowAndReturnsTheAnswer) {
    HWND dlg = Dialog();
    ASSERT_TRUE(dlg);
    ASSERT_TRUE(PumpUntil([dlg] { return GetActiveWindow() == dlg; }));
    HWND other = g_MainWnd;
    struct Case {
        const char* name;
        std::function<int()> show;
        HWND owner;
        const char* caption;
        std::vector<int> buttons;
        int answer;
    };
    const Case cases[] = {
        {"MsgBox", [] { return MsgBox("続けますか？", "確認", MB_YESNO); }, dlg, "確認", {IDYES, IDNO}, IDNO},
        {"MsgBox default type", [] { return MsgBox("完了しました", "情報"); }, dlg, "情報", {IDOK}, IDOK},
        {"MsgBoxOwner", [other] { return MsgBoxOwner(other, "上書きしますか？", "確認", MB_OKCANCEL); }, other,
         "確認", {IDOK, IDCANCEL}, IDCANCEL},
        {"ErrorBoxOwnerF", [other] { return ErrorBoxOwnerF(other, "No.%03d", 7); }, other, "エラー", {IDOK}, IDOK},
        {"ErrorBox", [] { return ErrorBox("x"); }, dlg, "エラー", {IDOK}, IDOK},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        // A box owned by another window hands the activation back to that one.
        SetForegroundWindow(dlg);
        ASSERT_TRUE(PumpUntil([dlg] { return GetActiveWindow() == dlg; }));
        BoxWatcher watch(c.answer);
        EXPECT_EQ(c.answer, c.show());
        ASSERT_EQ(1u, watch.boxes.size());
        EXPECT_EQ(c.owner, watch.boxes[0].owner);
        EXPECT_EQ(c.caption, watch.boxes[0].caption);
        EXPECT_EQ(c.buttons, watch.boxes[0].buttons);
    }
}

TEST_F(MessageBoxes, FormattedTextIsCutAtAWholeCharacterWithinTheBuffer) {
    SetErrorLog(1, "RI_Zedevu.txt");
    const std::string ascii(3000, 'x');
    // Two-byte characters after one single byte: the last character that
    // would fit the buffer is split by its end.
    std::string sjis = "ab";
    while (sjis.size() < 3000) sjis += "字";
    struct Case {
        const char* name;
        std::function<int(const std::string&)> show;
    };
    const Case variants[] = {
        {"ErrorBoxF", [](const std::string& s) { return ErrorBoxF("%s", s.c_str()); }},
        {"ErrorBoxOwnerF", [](const std::string& s) { return ErrorBoxOwnerF(nullptr, "%s", s.c_str()); }},
        {"DebugErrorBoxF", [](const std::string& s) { return DebugErrorBoxF("%s", s.c_str()); }},
    };
    for (const Case& v : variants) {
        SCOPED_TRACE(v.name);
        BoxWatcher watch(IDOK);
        v.show(ascii);
        v.show(sjis);
        ASSERT_EQ(2u, watch.boxes.size());
        EXPECT_EQ(kMsgBoxBufSize - 1, static_cast<int>(watch.boxes[0].text.size()));
        EXPECT_TRUE(ascii.compare(0, kMsgBoxBufSize - 1, watch.boxes[0].text) == 0);
        EXPECT_EQ(kMsgBoxBufSize - 2, static_cast<int>(watch.boxes[1].text.size()));
        EXPECT_TRUE(sjis.compare(0, kMsgBoxBufSize - 2, watch.boxes[1].text) == 0);
    }
}
