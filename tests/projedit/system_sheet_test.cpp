// The system settings sheet: its six pages bound to g_System, applied and
// saved to "data\System.dat" and read back; cancel leaves the settings and
// the file alone; the enable rules of the pages; a failed save is told and
// keeps the sheet open with Apply enabled.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>
#include <prsht.h>

#include <functional>
#include <string>

#include "app/services.h"
#include "base/mcisound.h"
#include "model/database.h"
#include "model/system.h"
#include "projedit/system_general.h"
#include "projedit/systempage.h"
#include "projedit/systemsheet.h"
#include "tests/support/gui.h"
#include "tests/support/test_env.h"
#include "ui/registry.h"

namespace {

const int kApplyButton = 0x3021;

class SystemSheetTest : public ::testing::Test {
protected:
    void SetUp() override {
        CreateDirectoryA("data", nullptr);
        g_System.SetDefault();
        ASSERT_TRUE(g_System.Save(g_SystemPath.c_str()));
        m_Before = ReadWholeFile(g_SystemPath.c_str());
    }
    void TearDown() override {
        cPropSheet** holder = SystemSheetHolder();
        if (*holder) {
            cPropSheet* sheet = *holder;
            *holder = nullptr;
            delete sheet;
        }
        PumpMessages(10);
        EXPECT_TRUE(g_WndRegistry.m_Sheets.empty());
        EXPECT_TRUE(g_WndRegistry.m_Wnds.empty());
    }
    cSystemSettingSheet* Sheet() { return static_cast<cSystemSettingSheet*>(*SystemSheetHolder()); }
    void Open() {
        OpenSystemSheet(nullptr, &g_WndRegistry);
        ASSERT_NE(nullptr, Sheet());
        ASSERT_TRUE(PumpUntil([&] { return Sheet()->m_pPage[0]->m_bReady != 0; }));
    }
    // Shows the page (index 0..5) and gives its window.
    HWND Page(int i) {
        SendMessageA(Sheet()->m_hWnd, PSM_SETCURSEL, i, 0);
        EXPECT_TRUE(PumpUntil([&] { return Sheet()->m_pPage[i]->m_bReady != 0; }));
        return Sheet()->m_pPage[i]->m_hWnd;
    }
    bool ApplyEnabled() { return IsWindowEnabled(GetDlgItem(Sheet()->m_hWnd, kApplyButton)) != 0; }
    void Click(int id) {
        HWND button = GetDlgItem(Sheet()->m_hWnd, id);
        ASSERT_NE(nullptr, button);
        ClickWindow(button);
    }
    // The registry ends a closed sheet when the next message arrives.
    bool SheetGone() {
        if (!Sheet()) return true;
        PostThreadMessageA(GetCurrentThreadId(), WM_NULL, 0, 0);
        return false;
    }
    void ClickOk() {
        Click(IDOK);
        ASSERT_TRUE(PumpUntil([&] { return SheetGone(); }));
    }
    static void SetText(HWND page, int id, const char* text) { SetDlgItemTextA(page, id, text); }
    static void Flip(HWND page, int id) {
        HWND box = GetDlgItem(page, id);
        bool on = SendMessageA(box, BM_GETCHECK, 0, 0) == BST_CHECKED;
        SendMessageA(box, BM_SETCHECK, on ? BST_UNCHECKED : BST_CHECKED, 0);
        SendMessageA(page, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(box));
    }
    static void Choose(HWND page, int id, int pos) {
        SendDlgItemMessageA(page, id, CB_SETCURSEL, pos, 0);
        SendMessageA(page, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(GetDlgItem(page, id)));
    }
    static bool Enabled(HWND page, int id) { return IsWindowEnabled(GetDlgItem(page, id)) != 0; }
    static bool Checked(HWND page, int id) { return IsDlgButtonChecked(page, id) == BST_CHECKED; }
    cEdSystem Saved() {
        cEdSystem s;
        EXPECT_TRUE(s.Load(g_SystemPath.c_str()));
        return s;
    }
    std::string m_Before;
    TestAppWindow m_App;
};

// One change of a bound control and where it must arrive.
struct Binding {
    int page;
    char kind;  // 't' text, 'c' check flipped, 'x' combo position
    int id;
    const char* text;
    int pos;
    std::function<bool(const cEdSystem& was, const cEdSystem& now)> stored;
};

const Binding kBindings[] = {
    {0, 't', 1317, "テストのゲーム", 0, [](auto&, auto& s) { return s.m_Title == "テストのゲーム"; }},
    {0, 'c', 1318, nullptr, 0, [](auto& w, auto& s) { return s.m_HideOnPause == !w.m_HideOnPause; }},
    {0, 'x', 1454, nullptr, 60, [](auto&, auto& s) { return s.m_Font == 60; }},
    {0, 't', 1327, "5000", 0, [](auto&, auto& s) { return s.m_ExtendScore == 5000; }},
    {0, 'c', 1359, nullptr, 0, [](auto& w, auto& s) { return s.m_OldShotImages == !w.m_OldShotImages; }},
    {1, 't', 1321, "7", 0, [](auto&, auto& s) { return s.m_InitialLives[0] == 7; }},
    {1, 't', 1337, "99", 0, [](auto&, auto& s) { return s.m_InitialLives[2] == 99; }},
    {1, 't', 1336, "12", 0, [](auto&, auto& s) { return s.m_ChallengeWorlds == 12; }},
    {1, 'c', 1328, nullptr, 0, [](auto& w, auto& s) { return s.m_InfiniteLives[1] == !w.m_InfiniteLives[1]; }},
    {1, 'c', 1335, nullptr, 0,
     [](auto& w, auto& s) { return s.m_Ranking[1].m_RankingOn == !w.m_Ranking[1].m_RankingOn; }},
    {1, 'c', 1355, nullptr, 0,
     [](auto& w, auto& s) { return s.m_Ranking[2].m_RankItems[4] == !w.m_Ranking[2].m_RankItems[4]; }},
    {1, 'c', 1362, nullptr, 0, [](auto& w, auto& s) { return s.m_ChallengeRetry == !w.m_ChallengeRetry; }},
    {1, 'c', 1360, nullptr, 0, [](auto& w, auto& s) { return s.m_TestResetVars == !w.m_TestResetVars; }},
    {2, 'c', 1348, nullptr, 0, [](auto& w, auto& s) { return s.m_Stock[21] == !w.m_Stock[21]; }},
    {2, 'c', 1417, nullptr, 0, [](auto& w, auto& s) { return s.m_Stock[24] == !w.m_Stock[24]; }},
    {2, 't', 1358, "wave\\決定.wav", 0, [](auto&, auto& s) { return s.m_SoundFiles[1] == "wave\\決定.wav"; }},
    {2, 't', 1405, "wave\\rank.wav", 0, [](auto&, auto& s) { return s.m_SoundFiles[16] == "wave\\rank.wav"; }},
    {2, 'x', 1409, nullptr, 1, [](auto&, auto& s) { return s.m_ColorMode == 1; }},
    {2, 't', 1412, "200", 0, [](auto&, auto& s) { return s.m_TransGreen == 200; }},
    {2, 'c', 1455, nullptr, 0, [](auto& w, auto& s) { return s.m_BgmLoop[2] == !w.m_BgmLoop[2]; }},
    {3, 'c', 1361, nullptr, 0,
     [](auto& w, auto& s) { return s.m_StatusItems[1].m_Show == !w.m_StatusItems[1].m_Show; }},
    {3, 't', 1004, "ＨＰ", 0, [](auto&, auto& s) { return s.m_StatusItems[2].m_Label == "ＨＰ"; }},
    {3, 't', 1372, "2", 0, [](auto&, auto& s) { return s.m_StatusItems[4].m_Digits == 2; }},
    {3, 'c', 1391, nullptr, 0,
     [](auto& w, auto& s) { return s.m_StatusItems[3].m_ShowNumber == !w.m_StatusItems[3].m_ShowNumber; }},
    {3, 'c', 1381, nullptr, 0, [](auto& w, auto& s) { return s.m_MapMenu[1].m_Enabled == !w.m_MapMenu[1].m_Enabled; }},
    {3, 't', 1021, "なまえ", 0, [](auto&, auto& s) { return s.m_OptionMenu[4].m_Text == "なまえ"; }},
    {3, 't', 1016, "おわる", 0, [](auto&, auto& s) { return s.m_TitleMenu[6].m_Text == "おわる"; }},
    {3, 'c', 1366, nullptr, 0, [](auto& w, auto& s) { return s.m_TitleImage == !w.m_TitleImage; }},
    {4, 't', 1375, "せかい", 0, [](auto&, auto& s) { return s.m_Texts[0] == "せかい"; }},
    {4, 't', 1391, "保存先が不明", 0, [](auto&, auto& s) { return s.m_Texts[16] == "保存先が不明"; }},
    {4, 't', 1402, "F3で登録", 0, [](auto&, auto& s) { return s.m_Texts[27] == "F3で登録"; }},
    {5, 't', 1419, "ColorBits", 0, [](auto&, auto& s) { return s.m_IniItems[1].m_Key == "ColorBits"; }},
    {5, 't', 1430, "3", 0, [](auto&, auto& s) { return s.m_IniItems[3].m_IntDefault == 3; }},
    {5, 't', 1425, "stage\\a.stg", 0, [](auto&, auto& s) { return s.m_IniItems[4].m_TextDefault == "stage\\a.stg"; }},
};

void ApplyBinding(HWND page, const Binding& b) {
    switch (b.kind) {
        case 't': SetDlgItemTextA(page, b.id, b.text); break;
        case 'c': {
            HWND box = GetDlgItem(page, b.id);
            bool on = SendMessageA(box, BM_GETCHECK, 0, 0) == BST_CHECKED;
            SendMessageA(box, BM_SETCHECK, on ? BST_UNCHECKED : BST_CHECKED, 0);
            SendMessageA(page, WM_COMMAND, MAKEWPARAM(b.id, BN_CLICKED), reinterpret_cast<LPARAM>(box));
            break;
        }
        case 'x':
            SendDlgItemMessageA(page, b.id, CB_SETCURSEL, b.pos, 0);
            SendMessageA(page, WM_COMMAND, MAKEWPARAM(b.id, CBN_SELCHANGE),
                         reinterpret_cast<LPARAM>(GetDlgItem(page, b.id)));
            break;
    }
}

TEST_F(SystemSheetTest, OpensWithSixPagesAndApplyDisabled) {
    Open();
    char caption[64] = "";
    GetWindowTextA(Sheet()->m_hWnd, caption, sizeof caption);
    EXPECT_STREQ("システムの設定", caption);
    HWND tab = reinterpret_cast<HWND>(SendMessageA(Sheet()->m_hWnd, PSM_GETTABCONTROL, 0, 0));
    ASSERT_EQ(6, TabCtrl_GetItemCount(tab));
    for (int i = 0; i < 6; ++i) {
        char text[16] = "";
        TCITEMA item = {};
        item.mask = TCIF_TEXT;
        item.pszText = text;
        item.cchTextMax = sizeof text;
        SendMessageA(tab, TCM_GETITEMA, i, reinterpret_cast<LPARAM>(&item));
        EXPECT_EQ(std::to_string(i + 1), text);
    }
    EXPECT_FALSE(ApplyEnabled());
}

TEST_F(SystemSheetTest, EveryPagesBindingsAreAppliedSavedAndReadBack) {
    cEdSystem was = g_System;
    Open();
    for (const Binding& b : kBindings) ApplyBinding(Page(b.page), b);
    EXPECT_TRUE(ApplyEnabled());
    Click(kApplyButton);
    ASSERT_TRUE(PumpUntil([&] { return !ApplyEnabled(); }));
    ASSERT_NE(nullptr, Sheet()) << "Apply leaves the sheet open";
    cEdSystem saved = Saved();
    for (const Binding& b : kBindings) {
        EXPECT_TRUE(b.stored(was, g_System)) << "page " << b.page + 1 << " control " << b.id << " in memory";
        EXPECT_TRUE(b.stored(was, saved)) << "page " << b.page + 1 << " control " << b.id << " in the file";
    }
    // OK writes the same file again and closes the sheet
    std::string afterApply = ReadWholeFile(g_SystemPath.c_str());
    ClickOk();
    EXPECT_TRUE(afterApply == ReadWholeFile(g_SystemPath.c_str()));
}

TEST_F(SystemSheetTest, CancelLeavesSettingsAndFileAlone) {
    cEdSystem was = g_System;
    Open();
    for (const Binding& b : kBindings) ApplyBinding(Page(b.page), b);
    Click(IDCANCEL);
    ASSERT_TRUE(PumpUntil([&] { return SheetGone(); }));
    EXPECT_TRUE(m_Before == ReadWholeFile(g_SystemPath.c_str()));
    EXPECT_TRUE(cSerialRecord::IsSameRecord(was, g_System));
}

TEST_F(SystemSheetTest, TermsAndTextsKeepTheirLengths) {
    Open();
    HWND text = Page(4);
    struct Case {
        int id;
        int index;
        size_t chars;
    };
    for (const Case& c : {Case{1375, 0, 8}, Case{1385, 10, 12}, Case{1399, 24, 16}, Case{1391, 16, 24}})
        SetDlgItemTextA(text, c.id, "あいうえおかきくけこさしすせそたちつてとなにぬねのはひふへほ");
    ClickOk();
    for (const Case& c : {Case{1375, 0, 8}, Case{1385, 10, 12}, Case{1399, 24, 16}, Case{1391, 16, 24}})
        EXPECT_EQ(c.chars * 2, g_System.m_Texts[c.index].size()) << c.id;
}

TEST_F(SystemSheetTest, EnableRulesOfThePages) {
    g_System.m_ExtendOnClear = 0;
    g_System.m_StoryShareLives = 1;
    g_System.m_StoryMapAfterDeath = 1;
    g_System.m_InfiniteLives[0] = 0;
    g_System.m_ColorMode = 0;
    Open();
    HWND general = Page(0);
    EXPECT_FALSE(Enabled(general, 1327)) << "score per extra life while 1UP is off";
    ClickWindow(GetDlgItem(general, 1357));
    ASSERT_TRUE(PumpUntil([&] { return Enabled(general, 1327); }));

    HWND mode = Page(1);
    EXPECT_TRUE(Enabled(mode, 1321));
    ClickWindow(GetDlgItem(mode, 1327));
    ASSERT_TRUE(PumpUntil([&] { return !Enabled(mode, 1321); }));
    EXPECT_TRUE(Checked(mode, 1356));
    ClickWindow(GetDlgItem(mode, 1320));
    ASSERT_TRUE(PumpUntil([&] { return !Enabled(mode, 1356); }));
    EXPECT_FALSE(Checked(mode, 1356));
    EXPECT_FALSE(Enabled(mode, 1358));
    ClickWindow(GetDlgItem(mode, 1320));
    ASSERT_TRUE(PumpUntil([&] { return Enabled(mode, 1356); }));
    EXPECT_FALSE(Checked(mode, 1356)) << "enabled again unchecked";
    bool rankingOn = Checked(mode, 1342);
    EXPECT_EQ(rankingOn, Enabled(mode, 1339));
    ClickWindow(GetDlgItem(mode, 1342));
    ASSERT_TRUE(PumpUntil([&] { return Enabled(mode, 1339) != rankingOn; }));

    HWND stock = Page(2);
    SetDlgItemTextA(stock, 1410, "12");
    EXPECT_FALSE(Enabled(stock, 1410));
    Choose(stock, 1409, 1);
    EXPECT_TRUE(Enabled(stock, 1410) && Enabled(stock, 1412) && Enabled(stock, 1414));
    Choose(stock, 1409, 0);
    EXPECT_FALSE(Enabled(stock, 1414));
    EXPECT_EQ(12u, GetDlgItemInt(stock, 1410, nullptr, FALSE)) << "the value is kept";

    HWND status = Page(3);
    CheckDlgButton(status, 1358, BST_CHECKED);
    CheckDlgButton(status, 1359, BST_UNCHECKED);
    Flip(status, 1359);
    EXPECT_FALSE(Enabled(status, 1002)) << "the text of an item shown by its symbol";
    EXPECT_TRUE(Enabled(status, 1360));
    Flip(status, 1358);
    EXPECT_FALSE(Enabled(status, 1359));
    EXPECT_FALSE(Enabled(status, 1360));
    EXPECT_TRUE(Enabled(status, 1369)) << "数値を表示 stays";
    CheckDlgButton(status, 1374, BST_CHECKED);
    Flip(status, 1374);
    EXPECT_FALSE(Enabled(status, 1007));
    SetDlgItemTextA(status, 1007, "はじめ");
    ClickOk();
    EXPECT_EQ(0, g_System.m_TitleMenu[0].m_Enabled);
    EXPECT_EQ("はじめ", g_System.m_TitleMenu[0].m_Text) << "a greyed text is stored too";
    EXPECT_EQ(12, g_System.m_TransRed);
}

TEST_F(SystemSheetTest, AFailedSaveIsToldAndKeepsApplyEnabled) {
    Open();
    SetDlgItemTextA(Page(0), 1317, "のこる");
    HANDLE held = CreateFileA(g_SystemPath.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, held);
    {
        MsgBoxCatcher boxes;
        Click(kApplyButton);
        PumpUntil([&] { return !boxes.boxes.empty(); });
        ASSERT_EQ(1u, boxes.boxes.size());
        EXPECT_NE(std::string::npos, boxes.boxes[0].text.find("System.dat"));
        PumpMessages(50);
        EXPECT_TRUE(ApplyEnabled());
        Click(IDOK);
        PumpUntil([&] { return boxes.boxes.size() >= 2; });
        PumpMessages(50);
        EXPECT_NE(nullptr, Sheet()) << "OK does not close over a failed save";
    }
    CloseHandle(held);
    ClickOk();
    EXPECT_EQ("のこる", Saved().m_Title);
}

TEST_F(SystemSheetTest, PreviewsPlayNothingForNoneOrNoPathAndTellWhatDoesNotPlay) {
    g_Database.m_Bgm.resize(2);
    g_Database.m_Bgm[1].m_File = "bgm\\none.ogg";
    Open();
    HWND stock = Page(2);
    MsgBoxCatcher boxes;
    Choose(stock, 1349, 0);
    ClickWindow(GetDlgItem(stock, 1350));  // "なし"
    SetDlgItemTextA(stock, 1355, "");
    ClickWindow(GetDlgItem(stock, 1357));  // an empty sound path
    PumpMessages(100);
    EXPECT_TRUE(boxes.boxes.empty());
    EXPECT_EQ(2, SendDlgItemMessageA(stock, 1352, CB_GETCOUNT, 0, 0)) << "なし and the one record";
    SetDlgItemTextA(stock, 1358, "wave\\none.mp3");  // a kind no device plays
    uint8_t wasEnabled = g_MciSound.enabled;
    g_MciSound.enabled = 1;
    ClickWindow(GetDlgItem(stock, 1360));
    PumpUntil([&] { return boxes.boxes.size() == 1; });
    g_MciSound.enabled = wasEnabled;
    ASSERT_EQ(1u, boxes.boxes.size());
    EXPECT_EQ("読み込み失敗！", boxes.boxes[0].text);
    g_Database.m_Bgm.resize(1);
}

TEST_F(SystemSheetTest, FontPreviewDrawsTheLine) {
    Open();
    HWND general = Page(0);
    Choose(general, 1454, 60);
    cSystemPageGeneral* page = static_cast<cSystemPageGeneral*>(Sheet()->m_pPage[0]);
    cDib& dib = page->m_Preview.m_Ctrl.m_Offscreen;
    ASSERT_EQ(430, dib.m_Width);
    ASSERT_EQ(19, dib.m_Height);
    int lit = 0;
    for (int y = 0; y < dib.m_Height; ++y)
        for (int x = 0; x < dib.m_Width * 4; ++x) lit += dib.Row(y)[x] != 0;
    EXPECT_GT(lit, 50) << "white text on black";
    for (int i = 0; i < 6; ++i) {
        Page(i);
        static const char* const kShots[] = {"system_1", "system_2", "system_3", "system_4", "system_5", "system_6"};
        TourShot(Sheet()->m_hWnd, kShots[i]);
    }
}

}  // namespace
