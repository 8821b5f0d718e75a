// The database sheet: its pages and tables at opening, Cancel that writes
// nothing, Apply that writes all ten tables, a table that cannot be written,
// the record count and the record operations every page shares.
#include "tests/projedit/database_fixture.h"

#include <sys/stat.h>

#include "base/paths.h"

using namespace dbtest;

namespace {

std::string TabText(cPropSheet* sheet, int i) {
    HWND tab = reinterpret_cast<HWND>(SendMessageA(sheet->m_hWnd, PSM_GETTABCONTROL, 0, 0));
    char text[128] = "";
    TCITEMA item = {};
    item.mask = TCIF_TEXT;
    item.pszText = text;
    item.cchTextMax = sizeof text;
    SendMessageA(tab, TCM_GETITEMA, i, reinterpret_cast<LPARAM>(&item));
    return text;
}

}  // namespace

TEST_F(DatabaseTest, OpensWithItsTenPagesAndGrowsShortTables) {
    g_Database.m_Bgm.resize(1);
    g_Database.m_AnimeSet.clear();
    Open();
    char caption[64] = "";
    GetWindowTextA(m_lpSheet->m_hWnd, caption, sizeof caption);
    EXPECT_STREQ("データベース", caption);
    const char* tabs[kDbPageCount] = {"基本アニメセット", "アニメ",         "キャラの専用bmp", "ソードタイプ", "エフェクト",
                                      "キャラエフェクト", "画面エフェクト", "ピクチャー",      "効果音",       "BGM"};
    for (int i = 0; i < kDbPageCount; ++i) EXPECT_EQ(tabs[i], TabText(m_lpSheet, i)) << i;
    EXPECT_EQ(2u, g_Database.m_Bgm.size()) << "record 0 and one row to show";
    EXPECT_EQ(1u, g_Database.m_AnimeSet.size());
    ShowPage(kDbPageBgm);
    EXPECT_EQ(2u, Rows(Item(kDbPageBgm, IDC_DB_LIST_BGM)).size()) << "one record row and the separator row";
    EXPECT_EQ(0, m_lpSheet->GetCurPage() == kDbPageBgm ? 0 : 1);
}

TEST_F(DatabaseTest, CancelWritesNoFileAndLeavesTheTables) {
    const std::vector<std::string> before = TableFiles();
    Open();
    TypeInto(Item(kDbPageAnimeSet, IDC_DB_NAME), "walk");
    Click(kDbPageAnimeSet, IDC_DB_NEW);
    ShowPage(kDbPageSound);
    Click(kDbPageSound, IDC_DB_NEW);
    TypeInto(Item(kDbPageSound, IDC_DB_PATH), "wave-a.wav");
    EXPECT_TRUE(ApplyEnabled());
    Cancel();
    EXPECT_EQ(before, TableFiles());
    EXPECT_EQ(1u, g_Database.m_AnimeSet.size());
    EXPECT_EQ(2u, g_Database.m_Sound.size());
    EXPECT_EQ("", std::string(g_Database.m_AnimeSet[0].m_Name.c_str()));
}

TEST_F(DatabaseTest, ApplyAfterOnlyTheFirstPageWritesAllTenTables) {
    for (int i = 0; i < kDatabaseTableCount; ++i) DeleteFileA(g_DatabasePath[i].c_str());
    Open();
    TypeInto(Item(kDbPageAnimeSet, IDC_DB_NAME), "hero");
    Apply();
    for (int i = 0; i < kDatabaseTableCount; ++i) EXPECT_TRUE(FileExists(g_DatabasePath[i].c_str())) << i;
    cVector<cEdAnimeSet> sets = ReadTable<cEdAnimeSet>(kTableAnimeSet);
    ASSERT_EQ(1u, sets.size());
    EXPECT_STREQ("hero", sets[0].m_Name.c_str());
    EXPECT_EQ(2u, ReadTable<cEdBgm>(kTableBgm).size());
    EXPECT_NE(nullptr, m_lpSheetVar) << "Apply keeps the sheet open";
    // the working copies stay: later edits go on from them
    TypeInto(Item(kDbPageAnimeSet, IDC_DB_NAME), "heroine");
    Apply();
    EXPECT_STREQ("heroine", ReadTable<cEdAnimeSet>(kTableAnimeSet)[0].m_Name.c_str());
}

// A table whose file cannot be replaced: the user is told which, the old file
// stays whole, the other tables are written and Apply stays enabled (OK
// keeps the sheet open too).
TEST_F(DatabaseTest, AFileThatCannotBeWrittenIsReportedAndKeepsApplyEnabled) {
    const std::string oldBgm = ReadWholeFile(g_DatabasePath[kTableBgm].c_str());
    // the file held open without delete sharing: it cannot be replaced
    HANDLE held = CreateFileA(g_DatabasePath[kTableBgm].c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, held);
    Open();
    ShowPage(kDbPageBgm);
    TypeInto(Item(kDbPageBgm, IDC_DB_NAME), "title");
    ShowPage(kDbPagePicture);
    TypeInto(Item(kDbPagePicture, IDC_DB_NAME), "logo");
    {
        MsgBoxCatcher boxes;
        Apply();
        PumpUntil([&] { return !boxes.boxes.empty(); }, 2000);
        ASSERT_EQ(1u, boxes.boxes.size());
        EXPECT_NE(std::string::npos, boxes.boxes[0].text.find("Bgm.dat")) << boxes.boxes[0].text;
    }
    EXPECT_TRUE(ApplyEnabled());
    EXPECT_EQ(oldBgm, ReadWholeFile(g_DatabasePath[kTableBgm].c_str()));
    EXPECT_STREQ("logo", ReadTable<cEdPicture>(kTablePicture)[1].m_Name.c_str());
    {
        MsgBoxCatcher boxes;
        ClickWindow(GetDlgItem(m_lpSheet->m_hWnd, IDOK));
        PumpUntil([&] { return !boxes.boxes.empty(); }, 2000);
        PumpMessages(50);
        EXPECT_EQ(1u, boxes.boxes.size());
    }
    EXPECT_NE(nullptr, m_lpSheetVar) << "OK with a table unwritten leaves the sheet open";
    // once the file can be written, Apply succeeds
    CloseHandle(held);
    Apply();
    EXPECT_STREQ("title", ReadTable<cEdBgm>(kTableBgm)[1].m_Name.c_str());
    EXPECT_FALSE(ApplyEnabled());
}

// "データ数" shows the visible rows; 5 leaves 6 records where record 0 is
// hidden and 5 in the anime set table.
TEST_F(DatabaseTest, RecordCountCountsVisibleRows) {
    struct Case {
        int page, list;
        size_t records;
    } const cases[] = {{kDbPageAnime, IDC_DB_LIST_ANIME, 6}, {kDbPageAnimeSet, IDC_DB_LIST_ANIMESET, 5}};
    Open();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.page);
        ShowPage(c.page);
        std::string shown;
        cOnDialog input("データ数", [&](HWND dlg) {
            char text[32] = "";
            HWND edit = FindWindowExA(dlg, nullptr, "Edit", nullptr);
            GetWindowTextA(edit, text, sizeof text);
            shown = text;
            TypeInto(edit, "5");
            ClickWindow(GetDlgItem(dlg, 1000));
        });
        Click(c.page, IDC_DB_COUNT);
        PumpUntil([&] { return input.Ran(); });
        PumpMessages(30);
        EXPECT_EQ("1", shown);
        Apply();
        if (c.page == kDbPageAnime)
            EXPECT_EQ(c.records, ReadTable<cEdAnime>(kTableAnime).size());
        else
            EXPECT_EQ(c.records, ReadTable<cEdAnimeSet>(kTableAnimeSet).size());
    }
}

// "クリア" resets every selected row; typing a name changes the current row
// only; the rows are numbered from 1.
TEST_F(DatabaseTest, ClearResetsTheSelectedRowsAndNamesGoToTheCurrentOne) {
    g_Database.m_Picture.resize(4);
    g_Database.m_Picture[1].m_Name = "a";
    g_Database.m_Picture[2].m_Name = "b";
    g_Database.m_Picture[3].m_Name = "c";
    Open();
    ShowPage(kDbPagePicture);
    HWND list = Item(kDbPagePicture, IDC_DB_LIST_PICTURE);
    EXPECT_EQ("1 a", Rows(list)[0]);
    ClickRow(list, 0);
    PressKeyWith(VK_SHIFT, VK_DOWN);
    PumpMessages(20);
    ASSERT_EQ(2, SendMessageA(list, LB_GETSELCOUNT, 0, 0));
    TypeInto(Item(kDbPagePicture, IDC_DB_NAME), "x");
    Apply();
    cVector<cEdPicture> pics = ReadTable<cEdPicture>(kTablePicture);
    ASSERT_EQ(4u, pics.size());
    EXPECT_STREQ("a", pics[1].m_Name.c_str());
    EXPECT_STREQ("x", pics[2].m_Name.c_str());
    ClickRow(list, 0);
    PressKeyWith(VK_SHIFT, VK_DOWN);
    PumpMessages(20);
    Click(kDbPagePicture, IDC_DB_CLEAR);
    Apply();
    pics = ReadTable<cEdPicture>(kTablePicture);
    EXPECT_STREQ("", pics[1].m_Name.c_str());
    EXPECT_STREQ("", pics[2].m_Name.c_str());
    EXPECT_STREQ("c", pics[3].m_Name.c_str());
}

// "ファイル名と同じ": the name follows the file name without its extension;
// a file name without an extension leaves the name; clearing the box frees
// the name edit and keeps the last name.
TEST_F(DatabaseTest, SameAsFileNameMakesTheNameFollowThePath) {
    Open();
    ShowPage(kDbPageBgm);
    HWND name = Item(kDbPageBgm, IDC_DB_NAME);
    Click(kDbPageBgm, IDC_DB_SAME_AS_FILE);
    TypeInto(Item(kDbPageBgm, IDC_DB_PATH), "bgm\\title.mid");
    char text[64] = "";
    GetWindowTextA(name, text, sizeof text);
    EXPECT_STREQ("title", text);
    EXPECT_FALSE(IsWindowEnabled(name));
    TypeInto(Item(kDbPageBgm, IDC_DB_PATH), "bgm\\noext");
    GetWindowTextA(name, text, sizeof text);
    EXPECT_STREQ("title", text);
    Click(kDbPageBgm, IDC_DB_SAME_AS_FILE);
    EXPECT_TRUE(IsWindowEnabled(name));
    Apply();
    cVector<cEdBgm> bgm = ReadTable<cEdBgm>(kTableBgm);
    EXPECT_STREQ("title", bgm[1].m_Name.c_str());
    EXPECT_STREQ("bgm\\noext", bgm[1].m_File.c_str());
    EXPECT_EQ(0, bgm[1].m_SameAsFile);
}

// Switching tabs keeps what a page edited until the sheet is applied.
TEST_F(DatabaseTest, EditsSurviveSwitchingPages) {
    Open();
    ShowPage(kDbPageEffect);
    TypeInto(Item(kDbPageEffect, IDC_DB_NAME), "boom");
    ShowPage(kDbPageAnimeSet);
    ShowPage(kDbPageEffect);
    char text[64] = "";
    GetWindowTextA(Item(kDbPageEffect, IDC_DB_NAME), text, sizeof text);
    EXPECT_STREQ("boom", text);
    Apply();
    EXPECT_STREQ("boom", ReadTable<cEdEffect>(kTableEffect)[1].m_Name.c_str());
}

// A page chosen by clicking its tab, then "キャンセル": the sheet closes, no
// file is written and the registry lets the other windows go again; the
// close box after a tab click does the same.
TEST_F(DatabaseTest, ATabClickThenCancelClosesTheSheet) {
    struct Case {
        const char* name;
        int page;
        bool closeBox;
    } const cases[] = {
        {"the anime page", kDbPageAnime, false},
        {"the effect page", kDbPageEffect, false},
        {"the music page", kDbPageBgm, false},
        {"the sword page, closed with the close box", kDbPageSwordType, true},
    };
    const std::vector<std::string> before = TableFiles();
    for (const Case& c : cases) {
        Open();
        HWND tab = reinterpret_cast<HWND>(SendMessageA(m_lpSheet->m_hWnd, PSM_GETTABCONTROL, 0, 0));
        RECT rc = {};
        SendMessageA(tab, TCM_GETITEMRECT, c.page, reinterpret_cast<LPARAM>(&rc));
        BringToFront(m_lpSheet->m_hWnd);
        ClickClientPoint(tab, (rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2);
        ASSERT_TRUE(PumpUntil([&] { return m_lpSheet->GetCurPage() == c.page; })) << c.name;
        ASSERT_TRUE(PumpUntil([&] { return Page(c.page) && m_lpSheet->DbPage(c.page)->m_bReady; })) << c.name;
        if (c.closeBox) {
            PostMessageA(m_lpSheet->m_hWnd, WM_SYSCOMMAND, SC_CLOSE, 0);
            ASSERT_TRUE(PumpUntil([&] {
                PostThreadMessageA(GetCurrentThreadId(), WM_NULL, 0, 0);
                return m_lpSheetVar == nullptr;
            })) << c.name;
            m_lpSheet = nullptr;
        } else {
            Cancel();
        }
        EXPECT_EQ(nullptr, m_lpSheetVar) << c.name;
        EXPECT_TRUE(g_WndRegistry.m_Sheets.empty()) << c.name;
        EXPECT_TRUE(IsWindowEnabled(m_Owner.m_hWnd)) << c.name;
    }
    EXPECT_EQ(before, TableFiles());
}
