// The stage settings sheet: every binding of its three pages applied,
// written to a stage file and read back; resizing in both directions with
// the cells shifted; the memory figures (64-bit), the hidden widths and the
// enable rules driven with real input; the background layer list and its
// dialog; the undo history emptied while the sheet is open and sized again
// when it closes.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>
#include <prsht.h>

#include <functional>
#include <string>

#include "app/services.h"
#include "app/stage_editor_res.h"
#include "res/command_ids.h"
#include "base/bgm.h"
#include "base/dib.h"
#include "model/database.h"
#include "model/stage.h"
#include "projedit/proj_lists.h"
#include "projedit/stagesettings_advanced.h"
#include "projedit/stagesettings_advanced2.h"
#include "projedit/stagesettings_basic.h"
#include "projedit/stagesettings_layer.h"
#include "projedit/stagesettings_sheet.h"
#include "tests/projedit/database_fixture.h"
#include "tests/support/gui.h"
#include "tests/support/test_env.h"
#include "ui/mouse.h"
#include "ui/registry.h"

namespace {

using dbtest::ChooseItem;
using dbtest::cOnDialog;
using dbtest::Rows;
using dbtest::TypeInto;

const int kApplyButton = 0x3021;
const uint64_t kGiB = 1024ull * 1024 * 1024;

uint64_t s_FreeBytes = 6 * kGiB;
uint64_t FakeFreeMemory() {
    return s_FreeBytes;
}

class StageSettingsTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetMouseLatches();
        for (const char* dir : {"data", "data\\stg4", "data\\work", "e_data"}) CreateDirectoryA(dir, nullptr);
        s_FreeBytes = 6 * kGiB;
        SetFreeMemorySource(FakeFreeMemory);
        g_Database.m_Bgm.resize(3);
        g_Database.m_Bgm[1].m_Name = "はじまり";
        g_Database.m_Bgm[2].m_Name = "たたかい";
        g_StageResizeDirX = 0;
        g_StageResizeDirY = 0;
        g_Stage.SetDefault();
        ASSERT_EQ(1, g_Stage.SetSize(100, 60, 0, 0));
        g_Stage.m_UndoCount = 3;
        g_StageEdit.AllocUndo(g_Stage.m_UndoCount, g_Stage.m_Pitch, g_Stage.m_Height);
    }
    void TearDown() override {
        cPropSheet** holder = StageSheetHolder();
        if (*holder) SafeDelete(holder);
        PumpMessages(10);
        EXPECT_TRUE(g_WndRegistry.m_Sheets.empty());
        EXPECT_TRUE(g_WndRegistry.m_Wnds.empty());
        SetFreeMemorySource(nullptr);
        g_Database.m_Bgm.resize(1);
        g_Stage.SetDefault();
    }
    cStageSettingSheet* Sheet() { return HeldStageSettingSheet(); }
    void Open() {
        OpenStageSettingSheet(nullptr, &g_WndRegistry);
        ASSERT_NE(nullptr, Sheet());
        ASSERT_TRUE(PumpUntil([&] { return Sheet()->m_pBasic->m_bReady != 0; }));
    }
    cDlg* PageObj(int i) {
        cDlg* pages[3] = {Sheet()->m_pBasic, Sheet()->m_pAdvanced, Sheet()->m_pAdvanced2};
        return pages[i];
    }
    // Shows the page (0 basic, 1 advanced, 2 advanced 2) and gives its window.
    HWND Page(int i) {
        SendMessageA(Sheet()->m_hWnd, PSM_SETCURSEL, i, 0);
        EXPECT_TRUE(PumpUntil([&] { return PageObj(i)->m_bReady != 0; }));
        return PageObj(i)->m_hWnd;
    }
    void Click(int id) {
        HWND button = GetDlgItem(Sheet()->m_hWnd, id);
        ASSERT_NE(nullptr, button);
        ClickWindow(button);
    }
    bool SheetGone() {
        if (!Sheet()) return true;
        PostThreadMessageA(GetCurrentThreadId(), WM_NULL, 0, 0);
        return false;
    }
    void Close(int button) {
        Click(button);
        ASSERT_TRUE(PumpUntil([&] { return SheetGone(); }, 10000));
    }
    bool ApplyEnabled() { return IsWindowEnabled(GetDlgItem(Sheet()->m_hWnd, kApplyButton)) != 0; }
    void ClickApply() {
        Click(kApplyButton);
        ASSERT_TRUE(PumpUntil([&] { return !ApplyEnabled(); }, 10000));
    }
    static std::string Text(HWND page, int id) {
        char buf[256] = "";
        GetDlgItemTextA(page, id, buf, sizeof buf);
        return buf;
    }
    static bool Enabled(HWND page, int id) { return IsWindowEnabled(GetDlgItem(page, id)) != 0; }
    static void Choose(HWND page, int id, int pos) {
        SendDlgItemMessageA(page, id, CB_SETCURSEL, pos, 0);
        SendMessageA(page, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(GetDlgItem(page, id)));
    }
    static void Flip(HWND page, int id) {
        HWND box = GetDlgItem(page, id);
        bool on = SendMessageA(box, BM_GETCHECK, 0, 0) == BST_CHECKED;
        SendMessageA(box, BM_SETCHECK, on ? BST_UNCHECKED : BST_CHECKED, 0);
        SendMessageA(page, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(box));
    }
    static bool UndoSized() {
        const cStageEdit& e = g_StageEdit;
        const size_t cells = static_cast<size_t>(g_Stage.m_Pitch) * g_Stage.m_Height;
        return e.m_UndoBlock.size() == static_cast<size_t>(g_Stage.m_UndoCount) && !e.m_UndoBlock.empty() &&
               e.m_UndoBlock[0].size() == cells && e.m_RedoItem[0].size() == cells;
    }
    static bool UndoEmpty() {
        for (const auto& step : g_StageEdit.m_UndoBlock)
            if (!step.empty()) return false;
        return true;
    }
    TestAppWindow m_App;
};

// One change of a bound control and where it must arrive in the stage.
struct Binding {
    int page;
    char kind;  // 't' text, 'c' check flipped, 'x' combo position
    int id;
    const char* text;
    int pos;
    std::function<bool(const cEdStage& was, const cEdStage& now)> stored;
};

const Binding kBindings[] = {
    {0, 't', 1002, "草原のステージ", 0, [](auto&, auto& s) { return s.m_Name == "草原のステージ"; }},
    {0, 'c', 1265, nullptr, 0, [](auto& w, auto& s) { return s.m_bScrollMinX == !w.m_bScrollMinX; }},
    {0, 't', 11214, "30", 0, [](auto&, auto& s) { return s.m_ScrollMinX == 30; }},
    {0, 'c', 1266, nullptr, 0, [](auto& w, auto& s) { return s.m_bScrollMaxX == !w.m_bScrollMaxX; }},
    {0, 't', 11216, "90", 0, [](auto&, auto& s) { return s.m_ScrollMaxX == 90; }},
    {0, 'c', 1267, nullptr, 0, [](auto& w, auto& s) { return s.m_bScrollMinY == !w.m_bScrollMinY; }},
    {0, 't', 11218, "20", 0, [](auto&, auto& s) { return s.m_ScrollMinY == 20; }},
    {0, 'c', 1268, nullptr, 0, [](auto& w, auto& s) { return s.m_bScrollMaxY == !w.m_bScrollMaxY; }},
    {0, 't', 11220, "50", 0, [](auto&, auto& s) { return s.m_ScrollMaxY == 50; }},
    {0, 't', 1256, "-12", 0, [](auto&, auto& s) { return s.m_AutoSpeedX == -12; }},
    {0, 't', 1259, "7", 0, [](auto&, auto& s) { return s.m_AutoSpeedY == 7; }},
    {0, 'c', 1269, nullptr, 0, [](auto& w, auto& s) { return s.m_bTimeLimit == !w.m_bTimeLimit; }},
    {0, 't', 1258, "300", 0, [](auto&, auto& s) { return s.m_TimeLimit == 300; }},
    {0, 't', 1262, "30", 0, [](auto&, auto& s) { return s.m_WarnTime == 30; }},
    {0, 't', 1273, "5", 0, [](auto&, auto& s) { return s.m_HeroInvTime == 5; }},
    {0, 't', 1275, "45", 0, [](auto&, auto& s) { return s.m_HeroSameInvTime == 45; }},
    {0, 't', 1277, "6", 0, [](auto&, auto& s) { return s.m_EnemyInvTime == 6; }},
    {0, 't', 1279, "50", 0, [](auto&, auto& s) { return s.m_EnemySameInvTime == 50; }},
    {0, 't', 11223, "0.7", 0, [](auto&, auto& s) { return s.m_Gravity > 0.699 && s.m_Gravity < 0.701; }},
    {0, 'x', 1263, nullptr, 1, [](auto&, auto& s) { return s.m_ScrollKindX == 1; }},
    {0, 'x', 1264, nullptr, 1, [](auto&, auto& s) { return s.m_ScrollKindY == 1; }},
    {0, 'x', 11222, nullptr, 2, [](auto&, auto& s) { return s.m_BgmNo == 2; }},
    {0, 'c', 1448, nullptr, 0, [](auto& w, auto& s) { return s.m_bBgmLoop == !w.m_bBgmLoop; }},
    {0, 'c', 1449, nullptr, 0, [](auto& w, auto& s) { return s.m_bBgmKeep == !w.m_bBgmKeep; }},
    {0, 'c', 1284, nullptr, 0, [](auto& w, auto& s) { return s.m_bStatusWindow == !w.m_bStatusWindow; }},
    {0, 'c', 1285, nullptr, 0, [](auto& w, auto& s) { return s.m_bSkipClearKey == !w.m_bSkipClearKey; }},
    {0, 'c', 1271, nullptr, 0, [](auto& w, auto& s) { return s.m_bStatusFromStock == !w.m_bStatusFromStock; }},
    {0, 'c', 1272, nullptr, 0, [](auto& w, auto& s) { return s.m_bStatusToStock == !w.m_bStatusToStock; }},
    {0, 'c', 1281, nullptr, 0, [](auto& w, auto& s) { return s.m_bShowStage == !w.m_bShowStage; }},
    {0, 'c', 1288, nullptr, 0, [](auto& w, auto& s) { return s.m_bShowReady == !w.m_bShowReady; }},
    {0, 'c', 1282, nullptr, 0, [](auto& w, auto& s) { return s.m_bShowClear == !w.m_bShowClear; }},
    {0, 'c', 1283, nullptr, 0, [](auto& w, auto& s) { return s.m_bShowGameOver == !w.m_bShowGameOver; }},
    {0, 'c', 1316, nullptr, 0, [](auto& w, auto& s) { return s.m_RankingItems[0] == !w.m_RankingItems[0]; }},
    {0, 'c', 1320, nullptr, 0, [](auto& w, auto& s) { return s.m_RankingItems[4] == !w.m_RankingItems[4]; }},
    {1, 't', 11222, "90", 0, [](auto&, auto& s) { return s.m_FrameRate == 90; }},
    {1, 'x', 1271, nullptr, 10, [](auto&, auto& s) { return s.m_HitLevel == 11; }},
    {1, 'x', 1279, nullptr, 3, [](auto&, auto& s) { return s.m_ShotPrecision == 3; }},
    {1, 'c', 1272, nullptr, 0, [](auto& w, auto& s) { return s.m_bUseZ == !w.m_bUseZ; }},
    {1, 'c', 1273, nullptr, 0, [](auto& w, auto& s) { return s.m_bNoDamageOffScreen == !w.m_bNoDamageOffScreen; }},
    {1, 'c', 1434, nullptr, 0, [](auto& w, auto& s) { return s.m_Vanish[0].m_bLeft == !w.m_Vanish[0].m_bLeft; }},
    {1, 't', 11223, "7", 0, [](auto&, auto& s) { return s.m_Vanish[0].m_Left == 7; }},
    {1, 't', 11232, "12", 0, [](auto&, auto& s) { return s.m_Vanish[2].m_Right == 12; }},
    {1, 'c', 1453, nullptr, 0,
     [](auto& w, auto& s) { return s.m_Vanish[4].m_bBottom == !w.m_Vanish[4].m_bBottom; }},
    {1, 't', 11242, "55", 0, [](auto&, auto& s) { return s.m_Vanish[4].m_Bottom == 55; }},
    {2, 't', 1312, "18", 0, [](auto&, auto& s) { return s.m_HitBoxes[kHitHeroWalkBlockW] == 18; }},
    {2, 't', 11232, "26", 0, [](auto&, auto& s) { return s.m_HitBoxes[kHitHeroWalkBlockH] == 26; }},
    {2, 'x', 1314, nullptr, 0, [](auto&, auto& s) { return s.m_HitBoxes[kHitHeroWalkBlockPos] == 0; }},
    {2, 't', 1276, "14", 0, [](auto&, auto& s) { return s.m_HitBoxes[8] == 14; }},
    {2, 't', 1307, "14", 0, [](auto&, auto& s) { return s.m_HitBoxes[kHitEnemyFlyCharaW] == 14; }},
    {2, 't', 11231, "18", 0, [](auto&, auto& s) { return s.m_HitBoxes[kHitEnemyFlyCharaH] == 18; }},
    {2, 'x', 1311, nullptr, 1, [](auto&, auto& s) { return s.m_HitBoxes[kHitEnemyFlyCharaPos] == 1; }},
    {2, 't', 1282, "20", 0, [](auto&, auto& s) { return s.m_HitBoxes[38] == 20; }},
    {2, 't', 11236, "12", 0, [](auto&, auto& s) { return s.m_HitBoxes[47] == 12; }},
    {2, 'x', 1318, nullptr, 2, [](auto&, auto& s) { return s.m_HitBoxes[kHitHeroBlockShow] == 2; }},
    {2, 'x', 1319, nullptr, 5, [](auto&, auto& s) { return s.m_HitBoxes[kHitHeroBlockColour] == 5; }},
    {2, 'x', 1274, nullptr, 1, [](auto&, auto& s) { return s.m_HitBoxes[19] == 1; }},
    {2, 'x', 1275, nullptr, 7, [](auto&, auto& s) { return s.m_HitBoxes[23] == 7; }},
    {2, 'x', 1278, nullptr, 1, [](auto&, auto& s) { return s.m_HitBoxes[18] == 1; }},
    {2, 'x', 1279, nullptr, 3, [](auto&, auto& s) { return s.m_HitBoxes[22] == 3; }},
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

TEST_F(StageSettingsTest, OpensWithThreePagesInOrder) {
    Open();
    char caption[64] = "";
    GetWindowTextA(Sheet()->m_hWnd, caption, sizeof caption);
    EXPECT_STREQ("ステージの設定", caption);
    HWND tab = reinterpret_cast<HWND>(SendMessageA(Sheet()->m_hWnd, PSM_GETTABCONTROL, 0, 0));
    ASSERT_EQ(3, TabCtrl_GetItemCount(tab));
    const char* const names[] = {"基本設定", "高度な設定", "高度な設定2"};
    for (int i = 0; i < 3; ++i) {
        char text[32] = "";
        TCITEMA item = {};
        item.mask = TCIF_TEXT;
        item.pszText = text;
        item.cchTextMax = sizeof text;
        SendMessageA(tab, TCM_GETITEMA, i, reinterpret_cast<LPARAM>(&item));
        EXPECT_STREQ(names[i], text);
    }
    HWND basic = Page(0);
    EXPECT_EQ("100", Text(basic, 11210));
    EXPECT_EQ("60", Text(basic, 11211));
    EXPECT_EQ(3, SendDlgItemMessageA(basic, 11222, CB_GETCOUNT, 0, 0));
    char bgm[64] = "";
    SendDlgItemMessageA(basic, 11222, CB_GETLBTEXT, 2, reinterpret_cast<LPARAM>(bgm));
    EXPECT_STREQ("002 たたかい", bgm);
    SendDlgItemMessageA(basic, 11222, CB_GETLBTEXT, 0, reinterpret_cast<LPARAM>(bgm));
    EXPECT_STREQ("なし", bgm);
}

TEST_F(StageSettingsTest, EveryPagesBindingsAreAppliedSavedAndReadBack) {
    const cEdStage was = g_Stage;
    Open();
    for (const Binding& b : kBindings) ApplyBinding(Page(b.page), b);
    EXPECT_TRUE(ApplyEnabled());
    Close(IDOK);
    EXPECT_EQ(1, g_StageEdit.m_bModified);
    const char* path = "data\\stg4\\settings.stg4_248";
    ASSERT_EQ(1, SaveStageFile(g_Stage, path));
    cEdStage back;
    ASSERT_EQ(1, LoadStageFile(back, path));
    for (const Binding& b : kBindings) {
        EXPECT_TRUE(b.stored(was, g_Stage)) << "page " << b.page << " control " << b.id << " in memory";
        EXPECT_TRUE(b.stored(was, back)) << "page " << b.page << " control " << b.id << " in the file";
    }
    EXPECT_EQ(100, back.m_Width);
    EXPECT_EQ(60, back.m_Height);
}

TEST_F(StageSettingsTest, PagesNeverShownStoreNothingAndCancelStoresNothing) {
    g_Stage.m_FrameRate = 45;
    g_Stage.m_HitBoxes[0] = 10;
    Open();
    HWND basic = Page(0);
    SetDlgItemTextA(basic, 1002, "なまえ");
    // the advanced pages were never shown: their fields keep what the stage holds
    g_Stage.m_FrameRate = 50;
    g_Stage.m_HitBoxes[0] = 12;
    ClickApply();
    EXPECT_EQ("なまえ", g_Stage.m_Name);
    EXPECT_EQ(50, g_Stage.m_FrameRate);
    EXPECT_EQ(12, g_Stage.m_HitBoxes[0]);

    SetDlgItemTextA(Page(1), 11222, "100");
    SetDlgItemTextA(Page(0), 1002, "べつ");
    Close(IDCANCEL);
    EXPECT_EQ("なまえ", g_Stage.m_Name);
    EXPECT_EQ(50, g_Stage.m_FrameRate);
}

// A resize through the page: the block at (from) is found at (to) after it,
// or is gone when to is (-1, -1).
struct ResizeCase {
    const char* name;
    int dirX, dirY;
    const char* width;
    const char* height;
    int newW, newH;
    int fromX, fromY, toX, toY;
};

const ResizeCase kResizes[] = {
    {"wider at the left", 1, 0, "110", "60", 110, 60, 5, 5, 15, 5},
    {"wider at the right", 0, 0, "110", "60", 110, 60, 5, 5, 5, 5},
    {"narrower at the right drops the right columns", 0, 0, "50", "60", 50, 60, 70, 5, -1, -1},
    {"narrower at the right keeps the left", 0, 0, "50", "60", 50, 60, 49, 5, 49, 5},
    {"narrower at the left", 1, 0, "50", "60", 50, 60, 70, 5, 20, 5},
    {"narrower at the left drops the left columns", 1, 0, "50", "60", 50, 60, 49, 5, -1, -1},
    {"taller at the top", 0, 1, "100", "70", 100, 70, 5, 5, 5, 15},
    {"shorter at the top", 0, 1, "100", "40", 100, 40, 5, 25, 5, 5},
    {"shorter at the bottom drops the bottom rows", 0, 0, "100", "40", 100, 40, 5, 45, -1, -1},
    {"too narrow is raised to 20 and 15", 0, 0, "5", "3", 20, 15, 19, 14, 19, 14},
};

TEST_F(StageSettingsTest, ApplyResizesWithTheCellsShifted) {
    for (const ResizeCase& c : kResizes) {
        SCOPED_TRACE(c.name);
        g_Stage.SetDefault();
        ASSERT_EQ(1, g_Stage.SetSize(100, 60, 0, 0));
        g_Stage.m_Blocks[g_Stage.CellIndex(c.fromX, c.fromY)].m_Graphic = 7;
        Open();
        HWND basic = Page(0);
        ChooseItem(GetDlgItem(basic, 1286), c.dirX);
        ChooseItem(GetDlgItem(basic, 1287), c.dirY);
        TypeInto(GetDlgItem(basic, 11210), c.width);
        TypeInto(GetDlgItem(basic, 11211), c.height);
        SetDlgItemTextA(basic, 1002, "広さ");
        ClickApply();
        EXPECT_EQ(c.newW, g_Stage.m_Width);
        EXPECT_EQ(c.newH, g_Stage.m_Height);
        EXPECT_EQ("広さ", g_Stage.m_Name);
        int found = 0;
        for (int y = 0; y < g_Stage.m_Height; ++y)
            for (int x = 0; x < g_Stage.m_Width; ++x)
                if (g_Stage.m_Blocks[g_Stage.CellIndex(x, y)].m_Graphic == 7) {
                    ++found;
                    EXPECT_EQ(c.toX, x);
                    EXPECT_EQ(c.toY, y);
                }
        EXPECT_EQ(c.toX < 0 ? 0 : 1, found);
        // the directions are kept for the next time
        EXPECT_EQ(c.dirX, g_StageResizeDirX);
        EXPECT_EQ(c.dirY, g_StageResizeDirY);
        Close(IDCANCEL);
    }
}

TEST_F(StageSettingsTest, GrowingWithoutMemoryKeepsTheSizeAndStoresTheRest) {
    s_FreeBytes = 0;
    Open();
    HWND basic = Page(0);
    MsgBoxCatcher boxes;
    TypeInto(GetDlgItem(basic, 11210), "120");
    SetDlgItemTextA(basic, 1002, "せまい");
    Click(kApplyButton);
    PumpUntil([&] { return boxes.boxes.size() >= 2; }, 10000);
    PumpMessages(50);
    ASSERT_EQ(2u, boxes.boxes.size()) << "once per round of the apply";
    EXPECT_EQ("メモリ不足により、サイズの変更に失敗しました！", boxes.boxes[0].text);
    EXPECT_EQ(100, g_Stage.m_Width);
    EXPECT_EQ("せまい", g_Stage.m_Name);
    // shrinking needs no memory
    TypeInto(GetDlgItem(basic, 11210), "80");
    ClickApply();
    EXPECT_EQ(80, g_Stage.m_Width);
    EXPECT_EQ(2u, boxes.boxes.size());
}

// The memory figures of a typed size: two steps of the new size, and one
// step of the present size plus the free memory, in KB; the note when fewer
// undo steps fit than the stage keeps.
struct MemoryCase {
    const char* name;
    uint64_t freeBytes;
    int undoCount;
    const char* width;
    const char* height;
};

const MemoryCase kMemory[] = {
    {"beyond the int range", 6 * kGiB, 3, "512", "512"},
    {"fewer steps than kept", 3 * 1024 * 1024, 200, "300", "200"},
    {"a width below 20 as typed", 1 * kGiB, 3, "5", "60"},
};

TEST_F(StageSettingsTest, MemoryFiguresUse64BitArithmetic) {
    for (const MemoryCase& c : kMemory) {
        SCOPED_TRACE(c.name);
        s_FreeBytes = c.freeBytes;
        g_Stage.m_UndoCount = c.undoCount;
        Open();
        HWND basic = Page(0);
        TypeInto(GetDlgItem(basic, 11210), c.width);
        TypeInto(GetDlgItem(basic, 11211), c.height);
        const int w = atoi(c.width);
        const int h = atoi(c.height);
        const long long step = cStageEdit::StepBytes(w, h);
        const long long limit = cStageEdit::StepBytes(100, 60) + static_cast<long long>(c.freeBytes);
        char want[128];
        snprintf(want, sizeof want, "%9lld KB\r\n%9lld KB\r\n", 2 * step / 1024, limit / 1024);
        EXPECT_EQ(want, Text(basic, 1427));
        const long long count = (limit - 2 * step) / step;
        if (count < c.undoCount) {
            snprintf(want, sizeof want, "※元に戻せる回数 %d → %lld", c.undoCount, count);
            EXPECT_EQ(want, Text(basic, 1428));
        } else {
            EXPECT_EQ("", Text(basic, 1428));
        }
        const sStageMemory m = CalcStageMemory(w, h, 100, 60, c.freeBytes);
        EXPECT_EQ(limit, m.limit);
        EXPECT_EQ(count, m.count);
        Close(IDCANCEL);
    }
}

TEST_F(StageSettingsTest, UndoHistoryIsEmptiedWhileOpenAndSizedAgainAfter) {
    ASSERT_TRUE(UndoSized());
    for (int button : {IDCANCEL, IDOK}) {
        Open();
        EXPECT_TRUE(UndoEmpty()) << "opening the page empties the history";
        if (button == IDOK) TypeInto(GetDlgItem(Page(0), 11210), "120");
        Close(button);
        EXPECT_TRUE(UndoSized()) << "closing with " << button << " sizes it for the stage again";
        EXPECT_EQ(0, g_StageEdit.m_nUndo);
    }
    EXPECT_EQ(120, g_Stage.m_Width);
}

TEST_F(StageSettingsTest, HiddenWidthsAndEnableRulesFollowTheControls) {
    g_Stage.m_bScrollMinX = 0;
    g_Stage.m_bTimeLimit = 0;
    g_Stage.m_bSkipClearKey = 0;
    Open();
    HWND basic = Page(0);
    EXPECT_FALSE(Enabled(basic, 11214));
    EXPECT_FALSE(Enabled(basic, 1429));
    ClickWindow(GetDlgItem(basic, 1265));
    ASSERT_TRUE(PumpUntil([&] { return Enabled(basic, 11214); }));
    EXPECT_TRUE(Enabled(basic, 1429));
    TypeInto(GetDlgItem(basic, 11214), "492");
    EXPECT_EQ("隠れる幅 80(bl)", Text(basic, 1429)) << "100 wide: at most 80 blocks lie left of the limit";
    SetDlgItemTextA(basic, 11216, "89");
    EXPECT_EQ("隠れる幅 10(bl)", Text(basic, 1430));

    EXPECT_FALSE(Enabled(basic, 1258));
    ClickWindow(GetDlgItem(basic, 1269));
    ASSERT_TRUE(PumpUntil([&] { return Enabled(basic, 1258) && Enabled(basic, 1262); }));

    for (int id = 1316; id <= 1320; ++id) EXPECT_TRUE(Enabled(basic, id));
    ClickWindow(GetDlgItem(basic, 1285));
    ASSERT_TRUE(PumpUntil([&] { return !Enabled(basic, 1316); }));
    for (int id = 1316; id <= 1320; ++id) EXPECT_FALSE(Enabled(basic, id)) << id;

    HWND advanced = Page(1);
    g_Stage.m_Vanish[1].m_Top = 9;
    EXPECT_FALSE(Enabled(advanced, EdgeEditId(1, 2)));
    ClickWindow(GetDlgItem(advanced, EdgeCheckId(1, 2)));
    ASSERT_TRUE(PumpUntil([&] { return Enabled(advanced, EdgeEditId(1, 2)); }));
    TypeInto(GetDlgItem(advanced, EdgeEditId(1, 2)), "33");
    ClickWindow(GetDlgItem(advanced, EdgeCheckId(1, 2)));
    ASSERT_TRUE(PumpUntil([&] { return !Enabled(advanced, EdgeEditId(1, 2)); }));
    EXPECT_EQ("33", Text(advanced, EdgeEditId(1, 2))) << "the margin keeps its value";
    EXPECT_EQ("レベル10 (速度制限=600)", [&] {
        char t[64] = "";
        GetDlgItemTextA(advanced, 1271, t, sizeof t);
        return std::string(t);
    }());

    HWND advanced2 = Page(2);
    EXPECT_FALSE(Enabled(advanced2, 1319)) << "a box not shown has no colour";
    ChooseItem(GetDlgItem(advanced2, 1318), 1);
    ASSERT_TRUE(PumpUntil([&] { return Enabled(advanced2, 1319); }));
    ChooseItem(GetDlgItem(advanced2, 1319), 4);
    ChooseItem(GetDlgItem(advanced2, 1318), 0);
    ASSERT_TRUE(PumpUntil([&] { return !Enabled(advanced2, 1319); }));

    Close(IDOK);
    EXPECT_EQ(80, g_Stage.m_ScrollMinX) << "lowered when the sheet closes";
    EXPECT_EQ(0, g_Stage.m_Vanish[1].m_bTop);
    EXPECT_EQ(33, g_Stage.m_Vanish[1].m_Top);
    EXPECT_EQ(0, g_Stage.m_HitBoxes[kHitHeroBlockShow]);
    EXPECT_EQ(4, g_Stage.m_HitBoxes[kHitHeroBlockColour]);
}

TEST_F(StageSettingsTest, HitBoxLabelsShowTheDefaultsWhateverTheStageHolds) {
    for (int& v : g_Stage.m_HitBoxes) v = 2;
    Open();
    HWND page = Page(2);
    struct {
        int id;
        const char* text;
    } const labels[] = {
        {12862, "歩行時：対ブロック (16,24,下)"}, {12863, "飛行時：対ブロック (16,16,中)"},
        {1291, "歩行時：対キャラ (12,24,下)"},    {1308, "飛行時：対キャラ (12,16,中)"},
        {1290, "対ショット (12,8)"},              {1287, "対アイテム (16,16)"},
        {1292, "対ショット (30,30)"},             {1293, "対キャラ (28,28)"},
        {1303, "対ショット (16,16)"},
    };
    for (const auto& l : labels) EXPECT_EQ(l.text, Text(page, l.id));
    EXPECT_EQ("2", Text(page, 1312));
    EXPECT_EQ("2", Text(page, 11236));
    // showing the page again does not append the values twice
    Page(0);
    Page(2);
    EXPECT_EQ("対キャラ (28,28)", Text(page, 1293));
}

TEST_F(StageSettingsTest, BackgroundLayersAreEditedInTheListAndItsDialog) {
    Open();
    HWND basic = Page(0);
    HWND list = GetDlgItem(basic, 1222);
    std::vector<std::string> rows = Rows(list);
    ASSERT_GE(rows.size(), 2u);
    EXPECT_EQ("1 ○ 色番号16", rows[0]);

    // insert, then cancel: the list is as before
    {
        cOnDialog dlg("背景", [&](HWND d) { ClickWindow(GetDlgItem(d, 1001)); });
        ClickWindow(GetDlgItem(basic, 1219));
        ASSERT_TRUE(PumpUntil([&] { return dlg.Ran() && !cBackLayerDlg::s_pThis; }, 10000));
    }
    EXPECT_EQ(rows, Rows(list));

    // insert an image layer
    bool colourOffDisables = false;
    {
        cOnDialog dlg("背景", [&](HWND d) {
            colourOffDisables = IsWindowEnabled(GetDlgItem(d, 1253)) && !IsWindowEnabled(GetDlgItem(d, 1251));
            ClickWindow(GetDlgItem(d, 1182));  // not shown at the start
            SetDlgItemTextA(d, 1253, "bmp\\back\\sky.bmp");
            ClickWindow(GetDlgItem(d, 1000));
        });
        ClickWindow(GetDlgItem(basic, 1219));
        ASSERT_TRUE(PumpUntil([&] { return dlg.Ran() && !cBackLayerDlg::s_pThis; }, 10000));
    }
    EXPECT_TRUE(colourOffDisables);
    rows = Rows(list);
    ASSERT_GE(rows.size(), 3u);
    EXPECT_EQ("1 ‐ bmp\\back\\sky.bmp", rows[0]);
    EXPECT_EQ("2 ○ 色番号16", rows[1]);
    EXPECT_EQ(1u, g_Stage.m_BackLayers.size()) << "the stage gets the layers at the apply";

    // edit the second layer: a colour shown in the preview as typed
    int shownColour = -1;
    bool colourOnDisables = false;
    {
        cOnDialog dlg("背景", [&](HWND d) {
            colourOnDisables = IsWindowEnabled(GetDlgItem(d, 1251)) && !IsWindowEnabled(GetDlgItem(d, 1253)) &&
                               !IsWindowEnabled(GetDlgItem(d, 1254)) && !IsWindowEnabled(GetDlgItem(d, 1256)) &&
                               !IsWindowEnabled(GetDlgItem(d, 1261)) && IsWindowEnabled(GetDlgItem(d, 1181));
            // typed digit by digit the value would pass below the range
            SetDlgItemTextA(d, 1251, "40");
            PumpMessages(20);
            cCtrlPicture& pic = cBackLayerDlg::s_pThis->m_Colour.m_Ctrl;
            const uint8_t* px = pic.m_Offscreen.Row(16) + 16 * 4;
            const RGBQUAD& c = g_Palette[40];
            if (px[0] == c.rgbBlue && px[1] == c.rgbGreen && px[2] == c.rgbRed) shownColour = 40;
            EXPECT_EQ(32, pic.m_Offscreen.m_Width);
            ClickWindow(GetDlgItem(d, 1000));
        });
        dbtest::ClickRow(list, 1);
        ClickWindow(GetDlgItem(basic, 1220));
        ASSERT_TRUE(PumpUntil([&] { return dlg.Ran() && !cBackLayerDlg::s_pThis; }, 10000));
    }
    EXPECT_TRUE(colourOnDisables);
    EXPECT_EQ(40, shownColour);
    EXPECT_EQ("2 ○ 色番号40", Rows(list)[1]);

    ClickApply();
    ASSERT_EQ(2u, g_Stage.m_BackLayers.size());
    EXPECT_EQ("bmp\\back\\sky.bmp", g_Stage.m_BackLayers[0].m_Image);
    EXPECT_EQ(0, g_Stage.m_BackLayers[0].m_bShowFirst);
    EXPECT_EQ(40, g_Stage.m_BackLayers[1].m_Colour);

    // deleting can take every layer
    for (int i = 0; i < 2; ++i) {
        dbtest::ClickRow(list, 0);
        ClickWindow(GetDlgItem(basic, 1221));
    }
    ASSERT_TRUE(PumpUntil([&] { return Rows(list).size() == 1u; }));
    Close(IDOK);
    EXPECT_TRUE(g_Stage.m_BackLayers.empty());
}

struct RowCase {
    int shown, colour, number;
    const char* image;
    const char* text;
};

const RowCase kRows[] = {
    {1, 1, 16, "", "○ 色番号16"},
    {0, 1, 207, "bmp\\back\\a.bmp", "‐ 色番号207"},
    {1, 0, 16, "bmp\\back\\空.bmp", "○ bmp\\back\\空.bmp"},
    {0, 0, 40, "", "‐ "},
};

TEST(StageSettingsRows, BackgroundLayerRowTexts) {
    for (const RowCase& c : kRows) {
        cEdBackLayer layer;
        layer.m_bShowFirst = c.shown;
        layer.m_bUseColour = c.colour;
        layer.m_Colour = c.number;
        layer.m_Image = c.image;
        cString text;
        BackLayerRowText(&text, 0, &layer);
        EXPECT_EQ(c.text, text);
    }
}

TEST_F(StageSettingsTest, LayerListKeysCopyPasteAndDelete) {
    Open();
    HWND basic = Page(0);
    HWND list = GetDlgItem(basic, 1222);
    dbtest::ClickRow(list, 0);
    ASSERT_TRUE(PumpUntil([&] { return GetFocus() == list; }));
    PressKeyWith(VK_CONTROL, 'C');
    PressKeyWith(VK_CONTROL, 'V');
    ASSERT_TRUE(PumpUntil([&] { return Rows(list).size() == 3u; })) << "the copy is pasted in front";
    EXPECT_EQ("2 ○ 色番号16", Rows(list)[1]);
    // a second click on the row soon after the first would open the layer
    PumpMessages(static_cast<int>(GetDoubleClickTime()) + 100);
    dbtest::ClickRow(list, 0);
    PressKey(VK_DELETE);
    ASSERT_TRUE(PumpUntil([&] { return Rows(list).size() == 2u; }));
    ClickApply();
    EXPECT_EQ(1u, g_Stage.m_BackLayers.size());
}

TEST_F(StageSettingsTest, AStageWithFewerRankingFlagsGetsTheMissingOnesUnset) {
    g_Stage.m_RankingItems.assign(3, 1);
    Open();
    HWND basic = Page(0);
    EXPECT_EQ(BST_CHECKED, IsDlgButtonChecked(basic, 1318));
    EXPECT_EQ(BST_UNCHECKED, IsDlgButtonChecked(basic, 1319));
    ClickWindow(GetDlgItem(basic, 1320));
    ASSERT_TRUE(PumpUntil([&] { return IsDlgButtonChecked(basic, 1320) == BST_CHECKED; }));
    Close(IDOK);
    ASSERT_EQ(5u, g_Stage.m_RankingItems.size());
    EXPECT_EQ(1, g_Stage.m_RankingItems[2]);
    EXPECT_EQ(0, g_Stage.m_RankingItems[3]);
    EXPECT_EQ(1, g_Stage.m_RankingItems[4]);
}

TEST_F(StageSettingsTest, LayerListHoldsAtMostEight) {
    g_Stage.m_BackLayers.Reset(8);
    Open();
    HWND basic = Page(0);
    HWND list = GetDlgItem(basic, 1222);
    ASSERT_EQ(9u, Rows(list).size());
    // the insert is refused (a beep), no dialog opens
    ClickWindow(GetDlgItem(basic, 1219));
    PumpMessages(100);
    EXPECT_EQ(nullptr, cBackLayerDlg::s_pThis);
    EXPECT_EQ(9u, Rows(list).size());
}

TEST_F(StageSettingsTest, BgmPreviewPlaysTheChosenRecordOnly) {
    static char ogg[1][kOggNameSize];
    static char mid[1][kMidNameSize];
    g_BgmManager.Init(1, ogg, mid, 1);
    ASSERT_TRUE(g_BgmManager.IsInitialised());
    g_Database.m_Bgm[1].m_File = "bgm\\none.mid";
    Open();
    HWND basic = Page(0);
    {
        MsgBoxCatcher boxes;
        Choose(basic, 11222, 0);  // "なし"
        ClickWindow(GetDlgItem(basic, 1217));
        PumpMessages(100);
        EXPECT_TRUE(boxes.boxes.empty());
        // a record whose file does not play is told
        Choose(basic, 11222, 1);
        ClickWindow(GetDlgItem(basic, 1217));
        PumpUntil([&] { return !boxes.boxes.empty(); });
        ASSERT_EQ(1u, boxes.boxes.size());
        EXPECT_EQ("読み込み失敗！", boxes.boxes[0].text);
    }
    Close(IDCANCEL);
    g_BgmManager.Release();
}

TEST_F(StageSettingsTest, TheStageEditorOpensItOverItsHiddenWindowsAndGetsThemBack) {
    cStageEditorDlg* editor = new cStageEditorDlg(IDD_STAGE_EDITOR, nullptr, kWndDialog, &g_WndRegistry);
    editor->RunModeless(0, 1);
    ASSERT_TRUE(PumpUntil([&] { return editor->m_bReady != 0; }));
    g_StageEditor = editor;
    // without a stage the command does nothing
    g_StageEdit.m_bOpen = 0;
    SendMessageA(editor->m_hWnd, WM_COMMAND, ID_STAGE_SETTINGS, 0);
    EXPECT_EQ(nullptr, editor->m_pStageSheet);

    g_StageEdit.m_bOpen = 1;
    SendMessageA(editor->m_hWnd, WM_COMMAND, ID_STAGE_SETTINGS, 0);
    ASSERT_NE(nullptr, editor->m_pStageSheet);
    ASSERT_EQ(editor->m_pStageSheet, Sheet());
    ASSERT_TRUE(PumpUntil([&] { return Sheet()->m_pBasic->m_bReady != 0; }));
    EXPECT_FALSE(IsWindowVisible(editor->m_hWnd));
    EXPECT_FALSE(IsWindowEnabled(editor->m_hWnd));
    EXPECT_TRUE(UndoEmpty());
    TypeInto(GetDlgItem(Page(0), 11210), "130");
    Close(IDOK);
    EXPECT_EQ(nullptr, editor->m_pStageSheet) << "the registry clears the editor's member";
    EXPECT_TRUE(IsWindowVisible(editor->m_hWnd));
    EXPECT_TRUE(IsWindowEnabled(editor->m_hWnd));
    EXPECT_EQ(130, g_Stage.m_Width);
    EXPECT_EQ(256, g_Stage.m_Pitch);
    EXPECT_TRUE(UndoSized()) << "sized again for the new size";

    g_StageEdit.m_bOpen = 0;
    g_StageEditor = nullptr;
    delete editor;
}

}  // namespace
