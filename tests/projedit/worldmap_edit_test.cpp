// The world map window's pen, rectangle pick-up, undo and redo, saving and
// the map chip palette, with real mouse and keyboard input.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <vector>

#include "projedit/event_dlg.h"
#include "projedit/mapchip_palette.h"
#include "projedit/worldmap_setting.h"
#include "projedit/worldmap_setting_res.h"
#include "res/command_ids.h"
#include "tests/projedit/worldmap_support.h"
#include "tests/support/test_env.h"

namespace {

struct cStamp {
    int x, y, value;
};

TEST_F(WorldMapWindowTest, PenStampsTheBrushClippedAtTheMapEdge) {
    struct Case {
        const char* name;
        int w, h;
        std::vector<int> brush;  // row by row
        int mapW, mapH;          // a map larger than the view is scrolled to its bottom-right corner
        int cx, cy;              // clicked cell of the view
        std::vector<cStamp> want;
    } cases[] = {
        {"one chip", 1, 1, {3}, 20, 15, 2, 2, {{2, 2, 3}, {3, 2, 5}}},
        // 12 and -1 are no chips: those cells keep what they hold
        {"values beyond the chips", 2, 2, {1, 12, -1, 11}, 20, 15, 5, 1, {{5, 1, 1}, {6, 1, 5}, {5, 2, 5}, {6, 2, 11}}},
        // the 20 by 15 view starts at (5, 5): its cell (18, 13) is map cell (23, 18)
        {"clipped right and bottom", 3, 3, {1, 2, 3, 4, 6, 7, 8, 9, 10}, 25, 20, 18, 13,
         {{23, 18, 1}, {24, 18, 2}, {23, 19, 4}, {24, 19, 6}, {22, 18, 5}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SetUp();
        ASSERT_EQ(1, g_WorldMap.SetSize(c.mapW, c.mapH));
        Fill(5);
        Open();
        if (c.mapW > 20) {
            SendMessageA(m_Dlg->m_hWnd, WM_HSCROLL, SB_RIGHT, reinterpret_cast<LPARAM>(m_Dlg->m_HScroll.m_Ctrl.m_hWnd));
            SendMessageA(m_Dlg->m_hWnd, WM_VSCROLL, SB_BOTTOM, reinterpret_cast<LPARAM>(m_Dlg->m_VScroll.m_Ctrl.m_hWnd));
            ASSERT_EQ(c.mapW - 20, m_Dlg->m_nViewX);
            ASSERT_EQ(c.mapH - 15, m_Dlg->m_nViewY);
        }
        cWorldMapEdit& ed = g_WorldMapEdit;
        ed.m_PatternWidth = c.w;
        ed.m_PatternHeight = c.h;
        for (int i = 0; i < c.h; ++i)
            for (int j = 0; j < c.w; ++j) ed.m_Pattern[i * kWorldMapMaxWidth + j] = c.brush[i * c.w + j];
        ClickCell(c.cx, c.cy);
        for (const cStamp& s : c.want) EXPECT_EQ(s.value, Cell(s.x, s.y)) << s.x << "," << s.y;
        EXPECT_EQ(1u, ed.m_UndoCells.size());
        EXPECT_EQ(1, g_StageEdit.m_bWorldMapModified);
        TearDown();
    }
}

TEST_F(WorldMapWindowTest, RightDragPicksUpARectangleThatThePenStamps) {
    struct Case {
        int fromX, fromY, toX, toY;
    } cases[] = {{1, 1, 3, 2}, {3, 2, 1, 1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.fromX << "," << c.fromY << " to " << c.toX << "," << c.toY);
        SetUp();
        for (int y = 0; y < g_WorldMap.m_Height; ++y)
            for (int x = 0; x < g_WorldMap.m_Width; ++x) Cell(x, y) = (x + 3 * y) % 12;
        Open();
        RightDrag(c.fromX, c.fromY, c.toX, c.toY);
        cWorldMapEdit& ed = g_WorldMapEdit;
        ASSERT_TRUE(PumpUntil([&] { return ed.m_PatternWidth == 3 && ed.m_PatternHeight == 2; }));
        EXPECT_EQ(-1, ed.m_SelEntry);
        EXPECT_EQ(0, ed.m_ToolFlag);
        EXPECT_EQ(0, ed.m_Ranging);
        ClickCell(10, 5);
        TourShot(m_Dlg->m_hWnd, "worldmap");
        for (int i = 0; i < 2; ++i)
            for (int j = 0; j < 3; ++j) EXPECT_EQ((1 + j + 3 * (1 + i)) % 12, Cell(10 + j, 5 + i)) << i << "," << j;
        EXPECT_EQ((13 + 3 * 5) % 12, Cell(13, 5));
        TearDown();
    }
}

TEST_F(WorldMapWindowTest, UndoAndRedoByKeysReachTheirLimitOfThreeSteps) {
    Fill(0);
    Open();
    cWorldMapEdit& ed = g_WorldMapEdit;
    for (int i = 0; i < 4; ++i) {
        ed.m_Pattern[0] = i + 1;
        ClickCell(i, 0);
        ASSERT_EQ(i + 1, Cell(i, 0));
    }
    HMENU menu = GetMenu(m_Dlg->m_hWnd);
    auto undoOn = [&] { return SendMessageA(m_Dlg->m_hToolbar, TB_ISBUTTONENABLED, ID_WORLD_UNDO, 0) != 0; };
    auto redoOn = [&] { return SendMessageA(m_Dlg->m_hToolbar, TB_ISBUTTONENABLED, ID_WORLD_REDO, 0) != 0; };
    EXPECT_TRUE(undoOn());
    EXPECT_FALSE(redoOn());
    EXPECT_TRUE(GetMenuState(menu, ID_WORLD_REDO, MF_BYCOMMAND) & MF_GRAYED);
    // Three undos take back clicks 4, 3 and 2; a fourth finds nothing.
    EXPECT_EQ(3u, ed.m_UndoCells.size());
    for (int i = 3; i >= 1; --i) {
        PressKeyWith(VK_CONTROL, 'Z');

        ASSERT_TRUE(PumpUntil([&] { return Cell(i, 0) == 0; })) << "undo of click " << i + 1 << " sizes " << ed.m_UndoCells.size() << " " << ed.m_RedoCells.size() << " active " << (GetActiveWindow() == m_Dlg->m_hWnd) << " focus " << (GetFocus() == m_Dlg->m_hWnd) << " cells " << Cell(0,0) << Cell(1,0) << Cell(2,0) << Cell(3,0);
    }
    EXPECT_FALSE(undoOn());
    EXPECT_TRUE(GetMenuState(menu, ID_WORLD_UNDO, MF_BYCOMMAND) & MF_GRAYED);
    PressKeyWith(VK_CONTROL, 'Z');
    PumpMessages(100);
    EXPECT_EQ(1, Cell(0, 0));
    EXPECT_TRUE(redoOn());
    for (int i = 1; i <= 3; ++i) {
        PressKeyWith(VK_CONTROL, 'Y');
        ASSERT_TRUE(PumpUntil([&] { return Cell(i, 0) == i + 1; })) << "redo of click " << i + 1;
    }
    EXPECT_FALSE(redoOn());
    EXPECT_TRUE(undoOn());
    // A new change after an undo empties the redo history.
    PressKeyWith(VK_CONTROL, 'Z');
    ASSERT_TRUE(PumpUntil([&] { return Cell(3, 0) == 0; }));
    ed.m_Pattern[0] = 7;
    ClickCell(8, 0);
    EXPECT_TRUE(ed.m_RedoCells.empty());
    EXPECT_FALSE(redoOn());
}

TEST_F(WorldMapWindowTest, ClearingAllChipsAsksAndCanBeUndone) {
    Fill(4);
    Open();
    MsgBoxCatcher unused;
    cWhenShown yes([] { return FindWindowA("#32770", "データクリアの確認"); },
                   [](HWND box) { PostMessageA(box, WM_COMMAND, IDYES, 0); });
    SendMessageA(m_Dlg->m_hWnd, WM_COMMAND, ID_WORLD_CLEAR_CHIPS, 0);
    EXPECT_TRUE(yes.Ran());
    EXPECT_EQ(0, Cell(7, 7));
    SendMessageA(m_Dlg->m_hWnd, WM_COMMAND, ID_WORLD_UNDO, 0);
    EXPECT_EQ(4, Cell(7, 7));
}

TEST_F(WorldMapWindowTest, SaveWritesTheMapAndAFailedSaveIsReportedAndKeepsItModified) {
    Open();
    g_WorldMap.m_Label = "保存テスト";
    // A folder in the file's place makes the write fail.
    RemoveDirectoryA("data\\WorldMap.dat");
    DeleteFileA("data\\WorldMap.dat");
    CreateDirectoryA("data\\WorldMap.dat", nullptr);
    {
        MsgBoxCatcher boxes;
        g_StageEdit.m_bWorldMapModified = 1;
        SendMessageA(m_Dlg->m_hWnd, WM_COMMAND, ID_WORLD_SAVE, 0);
        EXPECT_EQ(1, g_StageEdit.m_bWorldMapModified);
        ASSERT_EQ(1u, boxes.boxes.size());
    }
    RemoveDirectoryA("data\\WorldMap.dat");
    SetForegroundWindow(m_Dlg->m_hWnd);
    ASSERT_TRUE(BringToFront(m_Dlg->m_hWnd));
    PressKeyWith(VK_CONTROL, 'S');
    ASSERT_TRUE(PumpUntil([] { return g_StageEdit.m_bWorldMapModified == 0; }));
    cEdWorldMap saved;
    ASSERT_EQ(1, saved.Load("data\\WorldMap.dat"));
    EXPECT_EQ(g_WorldMap.m_Label, saved.m_Label);
}

TEST_F(WorldMapWindowTest, ChipPaletteClickPicksTheChipOfEveryShownRow) {
    // 20 chips in four rows; the palette shows two.
    g_WorldMap.m_Chips.Reset(20);
    for (int i = 0; i < 20; ++i) {
        g_WorldMap.m_Chips[i].m_Graphic = i;
        g_WorldMap.m_Chips[i].m_Name.Format("chip%d", i);
    }
    Open();
    cMapChipPaletteDlg* pal = m_Dlg->m_pChipPalette;
    ASSERT_TRUE(pal && pal->m_hWnd);
    ASSERT_TRUE(PumpUntil([&] { return pal->m_bReady != 0; }));
    struct Case {
        int scroll;  // SB_TOP or SB_BOTTOM
        int chip;    // fourth chip of the second shown row
    } cases[] = {{SB_TOP, 8}, {SB_BOTTOM, 18}};
    for (const Case& c : cases) {
        SendMessageA(pal->m_hWnd, WM_VSCROLL, static_cast<WPARAM>(c.scroll),
                     reinterpret_cast<LPARAM>(pal->m_VScroll.m_Ctrl.m_hWnd));
        // Far enough apart that the two clicks are no double click.
        PumpMessages(static_cast<int>(GetDoubleClickTime()) + 50);
        POINT pt = {pal->m_rcCanvas.x + 3 * 32 + 16, pal->m_rcCanvas.y + 32 + 16};
        ClickClientPoint(pal->m_hWnd, pt.x, pt.y);
        ASSERT_TRUE(PumpUntil([&] { return g_WorldMapEdit.m_SelEntry == c.chip; })) << c.chip;
        EXPECT_EQ(c.chip, g_WorldMapEdit.m_Pattern[0]);
        EXPECT_EQ(1, g_WorldMapEdit.m_PatternWidth);
        EXPECT_EQ(1, g_WorldMapEdit.m_PatternHeight);
        EXPECT_EQ(c.chip == 8 ? 0 : 2, pal->m_nFirstRow);
        char text[64] = "";
        SendMessageA(pal->m_hStatus, SB_GETTEXTA, 0, reinterpret_cast<LPARAM>(text));
        cString want;
        want.Format("%d : chip%d", c.chip, c.chip);
        EXPECT_EQ(want, cString(text));
        TourShot(pal->m_hWnd, c.chip == 8 ? "worldmap_chips" : "worldmap_chips_scrolled");
    }
}

TEST_F(WorldMapWindowTest, SettingsResizeBothWaysKeepingCellsAndDroppingOutsideEvents) {
    struct Case {
        int fromW, fromH, toW, toH;
        int eventX, eventY;  // a second event; kept when it still lies inside
        int startX, startY, wantStartX, wantStartY;
    } cases[] = {
        {40, 30, 20, 15, 25, 3, 25, 3, 19, 3},
        {20, 15, 30, 20, 19, 14, 5, 5, 5, 5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.fromW << "x" << c.fromH << " to " << c.toW << "x" << c.toH);
        SetUp();
        ASSERT_EQ(1, g_WorldMap.SetSize(c.fromW, c.fromH));
        for (int y = 0; y < c.fromH; ++y)
            for (int x = 0; x < c.fromW; ++x) Cell(x, y) = (x + y) % 12;
        cEdWorldEvent e;
        g_WorldMap.PutEvent(&e, 5, 5);
        g_WorldMap.PutEvent(&e, c.eventX, c.eventY);
        g_WorldMap.m_Start.x = c.startX;
        g_WorldMap.m_Start.y = c.startY;
        Open();
        ClickCell(0, 0);
        ASSERT_EQ(1u, g_WorldMapEdit.m_UndoCells.size());
        cWhenShown script([] { return cWorldMapSettingDlg::s_pThis ? cWorldMapSettingDlg::s_pThis->m_hWnd : nullptr; },
                          [&](HWND dlg) {
                              SetDlgItemInt(dlg, IDC_WMSET_WIDTH, static_cast<UINT>(c.toW), FALSE);
                              SetDlgItemInt(dlg, IDC_WMSET_HEIGHT, static_cast<UINT>(c.toH), FALSE);
                              TourShot(dlg, "worldmap_settings");
                              ClickWindow(GetDlgItem(dlg, 1000));
                          });
        SendMessageA(m_Dlg->m_hWnd, WM_COMMAND, ID_WORLD_SETTINGS, 0);
        ASSERT_TRUE(script.Ran());
        EXPECT_EQ(c.toW, g_WorldMap.m_Width);
        EXPECT_EQ(c.toH, g_WorldMap.m_Height);
        for (int y = 0; y < c.toH; ++y)
            for (int x = 0; x < c.toW; ++x) {
                const int want = x < c.fromW && y < c.fromH ? (x + y) % 12 : 0;
                ASSERT_EQ(want, Cell(x, y)) << x << "," << y;
            }
        const bool keptSecond = c.eventX < c.toW && c.eventY < c.toH;
        EXPECT_EQ(keptSecond ? 2u : 1u, g_WorldMap.m_Events.size());
        EXPECT_EQ(c.wantStartX, g_WorldMap.m_Start.x);
        EXPECT_EQ(c.wantStartY, g_WorldMap.m_Start.y);
        EXPECT_TRUE(g_WorldMapEdit.m_UndoCells.empty());
        EXPECT_EQ(1, g_StageEdit.m_bWorldMapModified);
        EXPECT_TRUE(IsWindowVisible(m_Dlg->m_hWnd));
        EXPECT_TRUE(IsWindowEnabled(m_Dlg->m_hWnd));
        SCROLLINFO si = {sizeof si, SIF_RANGE, 0, 0, 0, 0, 0};
        GetScrollInfo(m_Dlg->m_HScroll.m_Ctrl.m_hWnd, SB_CTL, &si);
        EXPECT_EQ(c.toW - 1, si.nMax);
        TearDown();
    }
}

TEST_F(WorldMapWindowTest, MinimiseIsRefused) {
    Open();
    SendMessageA(m_Dlg->m_hWnd, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    PumpMessages(50);
    EXPECT_FALSE(IsIconic(m_Dlg->m_hWnd));
}

}  // namespace
