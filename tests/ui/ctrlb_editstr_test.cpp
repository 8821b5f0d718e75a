// The string edit: the text helpers, the line and length limits applied to
// edits and to texts the program sets, and typing under real input.
#include <windows.h>

#include <gtest/gtest.h>

#include "tests/ui/ctrlb_dialog.h"

namespace {

TEST(CtrlbText, CountTextCharsCountsDoubleByteCharactersOnceAndLfNever) {
    struct Case {
        const char* text;
        int count;
    } cases[] = {
        {"", 0},
        {"abc", 3},
        {"あいう", 3},
        {"aあb", 3},
        {"ab\r\ncd", 5},
        {"\n\n", 0},
        {"\x82", 1},       // a lead byte at the end
        {"\x82\x0a" "a", 2},  // a lead byte without a valid trail byte
        {"ｱｲ", 2},         // half-width katakana are single bytes
    };
    for (const Case& c : cases) EXPECT_EQ(c.count, CountTextChars(c.text)) << c.text;
}

TEST(CtrlbText, FindInTextSearchesUpToTheFirstZeroByte) {
    struct Case {
        std::string text;
        const char* pattern;
        int start;
        int found;
    } cases[] = {
        {"abcabc", "c", 0, 2},
        {"abcabc", "c", 3, 5},
        {"abcabc", "bc", 5, -1},
        {"abcabc", "c", -1, -1},
        {"abcabc", "c", 7, -1},
        {std::string("ab\0cd", 5), "c", 0, -1},
        {std::string(6000, 'a') + "b", "b", 10, 6000},
    };
    for (const Case& c : cases) EXPECT_EQ(c.found, FindInText(c.text, c.pattern, c.start)) << c.pattern << c.start;
}

class CtrlbEditTest : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        m_Dlg.reset(new cCtrlbDlg(&m_Data));
        m_Dlg->RunModeless(0, 1);
        m_hDlg = m_Dlg->m_hWnd;
        m_hMemo = GetDlgItem(m_hDlg, IDC_CB_MEMO);
        SendMessageA(m_hMemo, EM_LIMITTEXT, 0, 0);
        // Whether the edit counts positions in characters or in bytes.
        SetDlgItemTextA(m_hDlg, IDC_CB_MEMO, "あ");
        m_bChars = CountsCharacters();
    }
    void TearDown() override {
        m_Dlg.reset();
        GuiTest::TearDown();
    }
    // Re-binds the memo edit with these limits and this text.
    cCtrlEditStr& Bind(int lines, int lineChars, int countChars, const char* text) {
        m_Text = text;
        cCtrlEditStrItem& item = m_Dlg->m_Memo;
        item.m_Param.m_lpData = &m_Text;
        item.m_Param.m_nBufSize = 256;
        item.m_Param.m_nLines = lines;
        item.m_Param.m_nLineChars = lineChars;
        item.m_Param.m_bCountChars = countChars;
        item.m_Ctrl.Attach(m_Dlg.get(), item.m_Param);
        return item.m_Ctrl;
    }
    // The selection in bytes of the text, whatever the edit counts in.
    std::pair<int, int> Sel() {
        DWORD s = 0, e = 0;
        SendMessageA(m_hMemo, EM_GETSEL, reinterpret_cast<WPARAM>(&s), reinterpret_cast<LPARAM>(&e));
        return {ToBytes(s), ToBytes(e)};
    }
    void SetSel(int s, int e) { SendMessageA(m_hMemo, EM_SETSEL, ToUnits(s), ToUnits(e)); }
    bool CountsCharacters() {
        std::string text = ItemText(m_hDlg, IDC_CB_MEMO);
        SendMessageA(m_hMemo, EM_SETSEL, 0, -1);
        DWORD s = 0, e = 0;
        SendMessageA(m_hMemo, EM_GETSEL, reinterpret_cast<WPARAM>(&s), reinterpret_cast<LPARAM>(&e));
        return static_cast<size_t>(e) < text.size();
    }
    int ToBytes(DWORD units) {
        std::string text = ItemText(m_hDlg, IDC_CB_MEMO);
        if (!m_bChars) return static_cast<int>(units);
        size_t i = 0;
        for (DWORD n = 0; n < units && i < text.size(); ++n) i += IsSjisLead(static_cast<unsigned char>(text[i])) ? 2 : 1;
        return static_cast<int>(i);
    }
    int ToUnits(int bytes) {
        std::string text = ItemText(m_hDlg, IDC_CB_MEMO);
        if (!m_bChars) return bytes;
        int n = 0;
        for (size_t i = 0; i < static_cast<size_t>(bytes) && i < text.size(); ++n)
            i += IsSjisLead(static_cast<unsigned char>(text[i])) ? 2 : 1;
        return n;
    }

    sCtrlbData m_Data;
    cString m_Text;
    std::unique_ptr<cCtrlbDlg> m_Dlg;
    HWND m_hDlg = nullptr;
    HWND m_hMemo = nullptr;
    bool m_bChars = false;
};

// An edit as the user makes it: the selection replaced, the edit's update
// notification reaching the dialog and so the limiter.
TEST_F(CtrlbEditTest, EditsAreWrappedOrRefusedByTheLineLimits) {
    struct Case {
        const char* name;
        int lines, lineChars, countChars;
        const char* before;
        int at;
        const char* typed;
        const char* after;
        int caret;
    } cases[] = {
        {"an 11th character on a full single line is refused", 1, 10, 0, "abcdefghij", 10, "k", "abcdefghij", 10},
        {"a full line wraps onto the next", 3, 10, 0, "abcdefghij\r\nxyz", 10, "k", "abcdefghij\r\nkxyz", 13},
        {"a wrap in the middle moves the caret past the break", 3, 10, 0, "abcdefghij\r\nxyz", 3, "Q",
         "abcQdefghi\r\njxyz", 4},
        {"a new line beyond the count is refused", 2, 10, 0, "abc\r\ndef", 8, "\r\n", "abc\r\ndef", 8},
        {"five double-byte characters fill a line of five", 2, 5, 1, "あいうえ", 8, "お", "あいうえお", 10},
        {"a sixth one wraps", 2, 5, 1, "あいうえお", 10, "か", "あいうえお\r\nか", 14},
        {"in bytes a double-byte character is never split", 2, 5, 0, "あい", 4, "う", "あい\r\nう", 8},
        {"text longer than both lines is refused", 2, 3, 0, "abc\r\ndef", 3, "x", "abc\r\ndef", 5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Bind(c.lines, c.lineChars, c.countChars, c.before);
        EXPECT_EQ(c.before, ItemText(m_hDlg, IDC_CB_MEMO));
        SetSel(c.at, c.at);
        SendMessageA(m_hMemo, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(c.typed));
        EXPECT_EQ(c.after, ItemText(m_hDlg, IDC_CB_MEMO));
        EXPECT_EQ(std::make_pair(c.caret, c.caret), Sel());
        EXPECT_EQ(c.before, m_Text) << "the bound text waits for CtrlToData";
    }
}

TEST_F(CtrlbEditTest, TextsTheProgramSetsAreShortenedNotRefused) {
    struct Case {
        const char* name;
        int lines, lineChars, countChars;
        const char* text;
        const char* shown;
    } cases[] = {
        {"fits", 3, 10, 0, "abc\r\ndef", "abc\r\ndef"},
        {"a long line wraps", 3, 5, 0, "abcdefgh", "abcde\r\nfgh"},
        {"too many lines: cut from the end", 2, 5, 0, "abcdefghijklmno", "abcde"},
        {"too many lines in characters", 1, 3, 1, "あいうえ", "あいう"},
        {"no cut through a double-byte character", 1, 3, 0, "aあい\r\nb", "aあ"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        cCtrlEditStr& edit = Bind(c.lines, c.lineChars, c.countChars, c.text);
        EXPECT_EQ(c.shown, ItemText(m_hDlg, IDC_CB_MEMO)) << "at attach";
        EXPECT_EQ(c.shown, edit.m_strKept);
        Bind(3, 10, 0, "");
        edit.m_nLines = c.lines;
        edit.m_nLineChars = c.lineChars;
        edit.m_bCountChars = c.countChars;
        edit.SetText(c.text);
        EXPECT_EQ(c.shown, ItemText(m_hDlg, IDC_CB_MEMO)) << "through SetText";
        EXPECT_EQ("", m_Text) << "SetText leaves the bound text alone";
    }
}

TEST_F(CtrlbEditTest, CaretBetweenCrAndLfMovesAfterTheLf) {
    cCtrlEditStr& edit = Bind(3, 10, 0, "ab\r\ncd");
    SendMessageA(m_hMemo, EM_SETSEL, 3, 3);
    if (Sel().first != 3) GTEST_SKIP() << "the edit control puts no caret between CR and LF";
    edit.OnChange();
    EXPECT_EQ(std::make_pair(4, 4), Sel());
}

TEST_F(CtrlbEditTest, TextIsReadWhole) {
    std::string longText(6000, 'a');
    longText += "あ";
    SetDlgItemTextA(m_hDlg, IDC_CB_PLAINEDIT, longText.c_str());
    struct Case {
        int max;
        std::string expected;
    } cases[] = {
        {10000, longText},
        {6002, longText.substr(0, 6000)},  // no half of the last character
        {11, std::string(10, 'a')},
        {1, ""},
        {0, ""},
    };
    for (const Case& c : cases) {
        cString out = "old";
        GetItemText(m_hDlg, IDC_CB_PLAINEDIT, &out, c.max);
        EXPECT_EQ(c.expected, out) << c.max;
    }

    // The string edit reads its whole buffer, beyond any fixed size.
    cCtrlEditStrItem& item = m_Dlg->m_Memo;
    item.m_Param.m_nBufSize = 8001;
    item.m_Param.m_nLines = 1;
    item.m_Param.m_nLineChars = 8000;
    item.m_Param.m_bCountChars = 0;
    item.m_Ctrl.Attach(m_Dlg.get(), item.m_Param);
    cString big(7000, 'z');
    item.m_Ctrl.SetText(big);
    item.m_Ctrl.CtrlToData();
    EXPECT_EQ(big, m_Data.m_strMemo);
}

TEST_F(CtrlbEditTest, TypingKeepsTheLimits) {
    Bind(3, 10, 0, "abcdefghij\r\nxyz");
    ASSERT_TRUE(BringToFront(m_hDlg));
    ClickWindow(m_hMemo);
    SendMessageA(m_hMemo, EM_SETSEL, 10, 10);
    PressKey('K');
    EXPECT_EQ("abcdefghij\r\nkxyz", ItemText(m_hDlg, IDC_CB_MEMO));
    EXPECT_EQ(std::make_pair(13, 13), Sel());

    // Backspace at the start of a line after a full line is refused.
    SendMessageA(m_hMemo, EM_SETSEL, 12, 12);
    PressKey(VK_BACK);
    EXPECT_EQ("abcdefghij\r\nkxyz", ItemText(m_hDlg, IDC_CB_MEMO));

    // After a short line it joins them.
    Bind(3, 10, 0, "abc\r\nxyz");
    ClickWindow(m_hMemo);
    SendMessageA(m_hMemo, EM_SETSEL, 5, 5);
    PressKey(VK_BACK);
    EXPECT_EQ("abcxyz", ItemText(m_hDlg, IDC_CB_MEMO));

    // A one-line name edit of 10 bytes takes no 11th character.
    HWND name = GetDlgItem(m_hDlg, IDC_CB_NAME);
    ClickWindow(name);
    SendMessageA(name, EM_SETSEL, 0, -1);
    for (char c : std::string("ABCDEFGHIJKL")) PressKey(static_cast<WORD>(c));
    EXPECT_EQ("abcdefghij", ItemText(m_hDlg, IDC_CB_NAME));
    m_Dlg->CtrlsToData();
    EXPECT_EQ("abcdefghij", m_Data.m_strName);
    EXPECT_EQ("abcxyz", m_Text);
}

}  // namespace
