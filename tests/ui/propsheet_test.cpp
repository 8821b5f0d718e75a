// Modeless property sheets: creation, their Japanese captions, closing by OK
// or Cancel and their deletion through the owner's variable, page
// accelerators and the current page's drawing.
#include <windows.h>

#include <algorithm>

#include "base/appwnd.h"
#include "tests/ui/test_dialogs.h"
#include "ui/propsheet.h"

namespace {

class PropSheetTest : public GuiTest {
protected:
    // The owner: a modeless dialog that keeps its sheet in a member variable.
    void SetUp() override {
        GuiTest::SetUp();
        m_Owner.RunModeless(0, 1);
    }
    void TearDown() override {
        delete m_lpSheet;
        m_lpSheet = nullptr;
        m_Owner.DestroyModeless();
        GuiTest::TearDown();
        EXPECT_EQ(0, cTestSheet::s_nLiving);
    }
    cTestSheet* Open(int pages = 2, const char* caption = "ブロック設定") {
        cTestSheet* sheet = new cTestSheet(&m_Owner, &m_lpSheet, pages);
        m_lpSheet = sheet;
        sheet->Open(caption);
        return sheet;
    }
    static std::string TabText(cPropSheet* sheet, int i) {
        HWND tab = reinterpret_cast<HWND>(SendMessageA(sheet->m_hWnd, PSM_GETTABCONTROL, 0, 0));
        char text[128] = "";
        TCITEMA item = {};
        item.mask = TCIF_TEXT;
        item.pszText = text;
        item.cchTextMax = sizeof text;
        SendMessageA(tab, TCM_GETITEMA, i, reinterpret_cast<LPARAM>(&item));
        return text;
    }
    cTestDlg m_Owner{IDD_TEST_PLAIN, nullptr, kWndDialog, &g_WndRegistry};
    cPropSheet* m_lpSheet = nullptr;
};

TEST_F(PropSheetTest, OnePageSheetStartsOnItsPageWithoutHelpButton) {
    cTestSheet* sheet = Open(1, nullptr);
    ASSERT_NE(nullptr, sheet->m_hWnd);
    PumpUntilIdle(20);
    EXPECT_EQ(0, GetWindowLongPtrA(sheet->m_hWnd, GWL_EXSTYLE) & WS_EX_CONTEXTHELP);
    EXPECT_EQ(0, sheet->GetCurPage());
    EXPECT_EQ(sheet->m_hWnd, sheet->m_lpPageA->m_hSheet);
    EXPECT_EQ(sheet, sheet->m_lpPageA->m_lpSheet);
    EXPECT_EQ(&m_Owner, sheet->m_lpPageA->m_lpParentClass);
    EXPECT_EQ(1, CountListed(sheet->m_lpPageA)) << "a page lists itself when its window is made";
}

TEST_F(PropSheetTest, JapaneseCaptionsOfTheSheetAndItsPages) {
    cTestSheet* sheet = Open();
    PumpUntilIdle(50);
    char caption[64] = "";
    GetWindowTextA(sheet->m_hWnd, caption, sizeof caption);
    EXPECT_STREQ("ブロック設定", caption);
    EXPECT_EQ("基本設定", TabText(sheet, 0));
    EXPECT_EQ("詳細設定", TabText(sheet, 1));
    char label[64] = "";
    GetDlgItemTextA(sheet->m_lpPageA->m_hWnd, IDC_TEST_NAME, label, sizeof label);
    SetDlgItemTextA(sheet->m_lpPageA->m_hWnd, IDC_TEST_NAME, "ファイアボール");
    HoldForScreenshot();
}

// OK and Cancel, each by a real click: the next message (here a mouse move) ends the sheet: window destroyed, object deleted,
// the owner's variable cleared, no page left in the registry.
TEST_F(PropSheetTest, ClosingByOkOrCancelEndsTheSheet) {
    struct Case {
        const char* name;
        int button;
    };
    for (const Case& c : {Case{"OK", IDOK}, Case{"Cancel", IDCANCEL}}) {
        SCOPED_TRACE(c.name);
        cTestSheet* sheet = Open();
        sheet->SetCurPage(1);
        PumpUntilIdle(30);
        ASSERT_TRUE(BringToFront(sheet->m_hWnd));
        ClickWindow(GetDlgItem(sheet->m_hWnd, c.button));
        MoveMouseTo(5, 5);
        EXPECT_TRUE(PumpUntil([&] { return m_lpSheet == nullptr; }));
        EXPECT_EQ(0, cTestSheet::s_nLiving);
        EXPECT_TRUE(g_WndRegistry.m_Sheets.empty());
        EXPECT_EQ(1u, g_WndRegistry.m_Wnds.size()) << "only the owner is listed";
    }
}

TEST_F(PropSheetTest, PagesSeeApplyOrResetBeforeTheSheetEnds) {
    for (int button : {PSBTN_OK, PSBTN_CANCEL}) {
        cTestSheet* sheet = Open();
        PumpUntilIdle(20);
        SendMessageA(sheet->m_hWnd, PSM_PRESSBUTTON, button, 0);
        const std::vector<int>& notes = sheet->m_lpPageA->m_Notes;
        int want = button == PSBTN_OK ? static_cast<int>(PSN_APPLY) : static_cast<int>(PSN_RESET);
        EXPECT_NE(notes.end(), std::find(notes.begin(), notes.end(), want));
        EXPECT_EQ(nullptr, reinterpret_cast<HWND>(SendMessageA(sheet->m_hWnd, PSM_GETCURRENTPAGEHWND, 0, 0)));
        MSG msg = MakeMsg(nullptr, WM_NULL, 0);
        g_WndRegistry.PreTranslate(&msg);
        EXPECT_EQ(nullptr, m_lpSheet);
    }
}

// Ending a closed sheet does not swallow the message in hand: it goes on
// through the navigation tests and to the dispatch as usual.
TEST_F(PropSheetTest, EndingAClosedSheetLeavesTheMessageInHandToTheLoop) {
    struct Case {
        const char* name;
        bool toOwner;  // a listed dialog: its navigation test dispatches it
    };
    for (const Case& c : {Case{"to the owner", true}, Case{"to an unlisted window", false}}) {
        SCOPED_TRACE(c.name);
        cTestSheet* sheet = Open();
        PumpUntilIdle(20);
        SendMessageA(sheet->m_hWnd, PSM_PRESSBUTTON, PSBTN_OK, 0);
        m_Owner.m_Commands.clear();
        MSG msg = MakeMsg(c.toOwner ? m_Owner.m_hWnd : g_MainWnd, WM_COMMAND, ID_TEST_SAVE);
        bool taken = g_WndRegistry.PreTranslate(&msg);
        EXPECT_EQ(nullptr, m_lpSheet);
        EXPECT_EQ(0, cTestSheet::s_nLiving);
        EXPECT_EQ(c.toOwner, taken);
        EXPECT_EQ(c.toOwner ? 1 : 0, std::count(m_Owner.m_Commands.begin(), m_Owner.m_Commands.end(), ID_TEST_SAVE));
    }
    // through the loop: a posted command reaches its window
    cTestSheet* sheet = Open();
    PumpUntilIdle(20);
    SendMessageA(sheet->m_hWnd, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
    m_Owner.m_Commands.clear();
    PostMessageA(m_Owner.m_hWnd, WM_COMMAND, ID_TEST_RUN, 0);
    PumpUntilIdle(30);
    EXPECT_EQ(nullptr, m_lpSheet);
    EXPECT_EQ(1, std::count(m_Owner.m_Commands.begin(), m_Owner.m_Commands.end(), ID_TEST_RUN));
}

TEST_F(PropSheetTest, OwnerDeletingAnOpenSheetTakesItsWindowAlong) {
    cTestSheet* sheet = Open();
    PumpUntilIdle(20);
    HWND wnd = sheet->m_hWnd;
    MsgBoxCatcher boxes;
    delete m_lpSheet;
    m_lpSheet = nullptr;
    PumpUntilIdle(20);
    EXPECT_FALSE(IsWindow(wnd));
    EXPECT_TRUE(boxes.boxes.empty());
    EXPECT_TRUE(g_WndRegistry.m_Sheets.empty());
}

TEST_F(PropSheetTest, DestroyTwiceAndTheUnlistedSheet) {
    cTestSheet* sheet = Open();
    sheet->Destroy(0);
    EXPECT_EQ(nullptr, sheet->m_hWnd);
    sheet->Destroy(0);
    EXPECT_EQ(nullptr, sheet->m_hWnd);

    MsgBoxCatcher boxes;
    cTestSheet* unlisted = new cTestSheet(&m_Owner, nullptr);
    delete unlisted;
    PumpUntilIdle(10);
    ASSERT_EQ(1u, boxes.boxes.size());
    EXPECT_EQ("ウインドウの破棄に失敗！", boxes.boxes[0].text);
}

TEST_F(PropSheetTest, DrawCurPageDrawsTheSelectedPage) {
    cTestSheet* sheet = Open();
    PumpUntilIdle(20);
    int a = sheet->m_lpPageA->m_nDirectDraws;
    sheet->DrawCurPage();
    EXPECT_EQ(a + 1, sheet->m_lpPageA->m_nDirectDraws);
    sheet->SetCurPage(1);
    EXPECT_EQ(1, sheet->GetCurPage());
    int b = sheet->m_lpPageB->m_nDirectDraws;
    sheet->DrawCurPage();
    EXPECT_EQ(b + 1, sheet->m_lpPageB->m_nDirectDraws);
    EXPECT_EQ(a + 1, sheet->m_lpPageA->m_nDirectDraws);
}

TEST_F(PropSheetTest, PageAcceleratorsApplyOnTheCurrentPageOfTheActiveSheet) {
    cTestSheet* sheet = new cTestSheet(&m_Owner, &m_lpSheet);
    m_lpSheet = sheet;
    sheet->Open("キャラ設定");
    sheet->m_lpPageA->AddAccelerators(sheet->m_lpPageA->m_hWnd, IDA_TEST_MAIN);
    PumpUntilIdle(20);
    ASSERT_TRUE(BringToFront(sheet->m_hWnd));
    PressKey(VK_F5);
    EXPECT_EQ(1, std::count(sheet->m_lpPageA->m_Commands.begin(), sheet->m_lpPageA->m_Commands.end(), ID_TEST_RUN));
    sheet->SetCurPage(1);
    PumpUntilIdle(20);
    PressKey(VK_F5);
    EXPECT_EQ(1, std::count(sheet->m_lpPageA->m_Commands.begin(), sheet->m_lpPageA->m_Commands.end(), ID_TEST_RUN));
}

}  // namespace
