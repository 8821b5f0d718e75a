// Events on the world map: placed from the event palette through the event
// dialog with real input, saved and read back; the dialog's page controls.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <string>

#include "base/record.h"
#include "projedit/event_dlg.h"
#include "projedit/event_dlg_res.h"
#include "projedit/event_palette.h"
#include "projedit/event_palette_res.h"
#include "res/command_ids.h"
#include "tests/projedit/worldmap_support.h"

namespace {

void TypeText(const char* text) {
    for (const char* p = text; *p; ++p) {
        const char c = *p;
        PressKey(static_cast<WORD>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c));
    }
}

void ClickListRow(HWND list, int row) {
    RECT rc = {};
    SendMessageA(list, LB_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&rc));
    ClickClientPoint(list, rc.left + 10, (rc.top + rc.bottom) / 2);
    PumpMessages(30);
}

// Replaces an edit's text by typing.
void TypeInto(HWND edit, const char* text) {
    ClickWindow(edit);
    PumpMessages(20);
    SendMessageA(edit, EM_SETSEL, 0, -1);
    PressKey(VK_DELETE);
    TypeText(text);
    PumpMessages(30);
}

HWND OpenEventDialog() {
    return cEventDlg::s_pThis ? cEventDlg::s_pThis->m_hWnd : nullptr;
}

TEST_F(WorldMapWindowTest, AnEventWithTwoPagesIsPlacedEditedAndSaved) {
    Open();
    ClickToolButton(ID_WORLD_EVENT_PALETTE);
    ASSERT_TRUE(PumpUntil([&] { return m_Dlg->m_pEventPalette && m_Dlg->m_pEventPalette->m_bReady; }));
    EXPECT_EQ(1, g_WorldMapEdit.m_Mode);
    EXPECT_EQ(nullptr, m_Dlg->m_pChipPalette);
    HWND list = m_Dlg->m_pEventPalette->m_List.m_Ctrl.m_hWnd;
    ClickListRow(list, 0);
    ASSERT_TRUE(PumpUntil([] { return g_WorldMapEdit.m_SelEntry == 0; }));
    EXPECT_EQ(1, g_WorldMapEdit.m_PatternWidth);

    // "配置直前に編集" is on: the click opens the dialog on a copy of the template.
    cWhenShown edit(OpenEventDialog, [](HWND dlg) {
        TypeInto(GetDlgItem(dlg, IDC_EVENT_NAME), "castle");
        // The copy got world number 1; a second page goes in front as a road.
        ClickWindow(GetDlgItem(dlg, IDC_EVENT_INSERT));
        PumpMessages(30);
        HWND type = GetDlgItem(dlg, IDC_EVENT_TYPE);
        SetFocus(type);
        PressKey(VK_DOWN);
        PumpMessages(30);
        EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dlg, IDC_EVENT_WORLD_NO)));
        ClickListRow(GetDlgItem(dlg, IDC_EVENT_PAGES), 1);
        EXPECT_TRUE(IsWindowEnabled(GetDlgItem(dlg, IDC_EVENT_WORLD_NO)));
        TypeInto(GetDlgItem(dlg, IDC_EVENT_WORLD_NAME), "w1");
        TourShot(dlg, "worldmap_event");
        ClickWindow(GetDlgItem(dlg, 1000));
    });
    ClickCell(4, 3);
    ASSERT_TRUE(PumpUntil([&] { return edit.Ran() && !OpenEventDialog(); }, 8000));
    ASSERT_EQ(1u, g_WorldMap.m_Events.size());
    // The dialog's OK pushed the only undo step.
    EXPECT_EQ(1u, g_WorldMapEdit.m_UndoCells.size());
    EXPECT_EQ(1, g_StageEdit.m_bWorldMapModified);

    TourShot(m_Dlg->m_pEventPalette->m_hWnd, "worldmap_event_palette");
    ASSERT_TRUE(BringToFront(m_Dlg->m_hWnd));
    TourShot(m_Dlg->m_hWnd, "worldmap_events");
    PressKeyWith(VK_CONTROL, 'S');
    ASSERT_TRUE(PumpUntil([] { return g_StageEdit.m_bWorldMapModified == 0; }));
    cEdWorldMap saved;
    ASSERT_EQ(1, saved.Load("data\\WorldMap.dat"));
    ASSERT_EQ(1u, saved.m_Events.size());
    const cEdWorldEvent& e = saved.m_Events[0];
    EXPECT_EQ(4, e.m_X);
    EXPECT_EQ(3, e.m_Y);
    EXPECT_EQ(cString("castle"), e.m_Name);
    ASSERT_EQ(2u, e.m_Pages.size());
    EXPECT_EQ(1, e.m_Pages[0].m_Type);
    EXPECT_EQ(0, e.m_Pages[0].m_WorldNo);
    EXPECT_EQ(0, e.m_Pages[1].m_Type);
    EXPECT_EQ(1, e.m_Pages[1].m_WorldNo);
    EXPECT_EQ(cString("w1"), e.m_Pages[1].m_WorldName);
    // The template itself is unchanged.
    EXPECT_EQ(1u, saved.m_Templates[0].m_Pages.size());
}

// "_" renames the chosen common variable and writes the names file at
// once; a names file that cannot be written is reported, the new name
// stays and the list shows it.
TEST_F(WorldMapWindowTest, VariableRenameWritesTheNamesOrSaysItFailed) {
    const char* const kNames = "data\\GValInfo.dat";
    for (bool held : {false, true}) {
        g_GValInfo.clear();
        g_GValInfo.resize(6);
        ASSERT_EQ(1, SaveVector(g_GValInfo, kNames));
        HANDLE lock = held ? CreateFileA(kNames, GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)
                           : INVALID_HANDLE_VALUE;
        ASSERT_EQ(held, lock != INVALID_HANDLE_VALUE);
        cEdWorldEvent event;
        event.m_Pages.resize(1);
        MsgBoxCatcher boxes;
        cWhenShown input(
            [] {
                HWND w = FindWindowA(nullptr, "変数名の入力");
                return w && IsWindowVisible(w) ? w : nullptr;
            },
            [](HWND box) {
                HWND edit = GetNextDlgTabItem(box, nullptr, FALSE);
                ClickWindow(edit);
                PumpMessages(20);
                TypeText("pit");
                ClickWindow(GetDlgItem(box, 1000));
            });
        cEventDlg dlg(nullptr, &event, &g_WndRegistry, nullptr, 0);
        std::string shown;
        RunModalScripted(&dlg, 0, [&](HWND wnd) {
            HWND combo = GetDlgItem(wnd, IDC_EVENT_VAR);
            SendMessageA(combo, CB_SETCURSEL, 3, 0);
            SendMessageA(wnd, WM_COMMAND, MAKEWPARAM(IDC_EVENT_VAR, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
            ClickWindow(GetDlgItem(wnd, IDC_EVENT_VAR_RENAME));
            EXPECT_TRUE(PumpUntil([&] { return input.Ran() && !FindWindowA(nullptr, "変数名の入力"); }));
            char text[64] = "";
            GetWindowTextA(combo, text, sizeof text);
            shown = text;
            ClickWindow(GetDlgItem(wnd, 1001));
        });
        if (held) CloseHandle(lock);
        EXPECT_EQ("pit", std::string(g_GValInfo[3].m_Name.c_str())) << held;
        EXPECT_EQ("003 pit", shown) << held;
        cVector<cEdValInfo> back;
        ASSERT_EQ(1, LoadVector(back, kNames));
        ASSERT_EQ(6u, back.size());
        EXPECT_EQ(held ? "" : "pit", std::string(back[3].m_Name.c_str())) << held;
        ASSERT_EQ(held ? 1u : 0u, boxes.boxes.size());
        if (held) {
            EXPECT_EQ("data\\GValInfo.dat の保存に失敗！", boxes.boxes[0].text);
        }
    }
}

TEST_F(WorldMapWindowTest, WithNoTemplateSelectedEventClicksPlaceNothing) {
    EditConfig.m_bEventEditBefore = 0;
    Open();
    g_WorldMapEdit.SetLayer(1);
    ASSERT_TRUE(PumpUntil([&] { return m_Dlg->m_pEventPalette && m_Dlg->m_pEventPalette->m_bReady; }));
    HWND list = m_Dlg->m_pEventPalette->m_List.m_Ctrl.m_hWnd;
    ClickListRow(list, 1);  // the trailing row
    ASSERT_TRUE(PumpUntil([] { return g_WorldMapEdit.m_SelEntry == -1; }));
    EXPECT_EQ(0, g_WorldMapEdit.m_PatternWidth);
    ClickCell(2, 2);
    EXPECT_TRUE(g_WorldMap.m_Events.empty());
    EXPECT_EQ(1u, g_WorldMapEdit.m_UndoCells.size());
    // With the template selected the click places a copy at once, replacing
    // what stands there.
    ClickListRow(list, 0);
    ASSERT_TRUE(PumpUntil([] { return g_WorldMapEdit.m_SelEntry == 0; }));
    ClickCell(2, 2);
    ClickCell(2, 2);
    ASSERT_EQ(1u, g_WorldMap.m_Events.size());
    EXPECT_EQ(2, g_WorldMap.m_Events[0].m_X);
    EXPECT_EQ(1, g_WorldMap.m_Events[0].m_Pages[0].m_WorldNo);
}

TEST_F(WorldMapWindowTest, RoadAndWallPagesLoseTheirWorldFieldsAndCancelKeepsTheEvent) {
    Open();
    cEdWorldEvent ev;
    ev.m_Name = "town";
    ev.m_Pages[0].m_WorldNo = 5;
    g_WorldMap.PutEvent(&ev, 1, 1);
    cEdWorldEvent* placed = g_WorldMap.FindEvent(1, 1);
    const int worldCtrls[] = {IDC_EVENT_WORLD_NAME, IDC_EVENT_STAGE, IDC_EVENT_PASS, IDC_EVENT_REPLAY, IDC_EVENT_CLEAR,
                              IDC_EVENT_WORLD_NO};
    struct Case {
        int downs;  // 1 road, 2 wall
    } cases[] = {{1}, {2}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.downs == 1 ? "road" : "wall");
        cWhenShown script(OpenEventDialog, [&](HWND dlg) {
            HWND type = GetDlgItem(dlg, IDC_EVENT_TYPE);
            SetFocus(type);
            for (int i = 0; i < c.downs; ++i) PressKey(VK_DOWN);
            PumpMessages(30);
            for (int id : worldCtrls) EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dlg, id))) << id;
            EXPECT_EQ(0u, GetDlgItemInt(dlg, IDC_EVENT_WORLD_NO, nullptr, FALSE));
            // Back to a world: enabled again, the number stays 0.
            SetFocus(type);
            for (int i = 0; i < c.downs; ++i) PressKey(VK_UP);
            PumpMessages(30);
            for (int id : worldCtrls) EXPECT_TRUE(IsWindowEnabled(GetDlgItem(dlg, id))) << id;
            EXPECT_EQ(0u, GetDlgItemInt(dlg, IDC_EVENT_WORLD_NO, nullptr, FALSE));
            ClickWindow(GetDlgItem(dlg, 1001));
        });
        EXPECT_EQ(0, m_Dlg->RunEventDlg(placed));
        EXPECT_TRUE(script.Ran());
        EXPECT_EQ(5, placed->m_Pages[0].m_WorldNo);
        EXPECT_EQ(cString("town"), placed->m_Name);
        EXPECT_TRUE(g_WorldMapEdit.m_UndoCells.empty());
    }
}

}  // namespace

namespace {

// The popup menu's commands on the cell where it opened (the entry under the
// live cursor on the state stack), as the menu sends them.
void PopupCommand(HWND wnd, int x, int y, int command) {
    g_StateStack.m_pCurrent->m_Values[0] = x;
    g_StateStack.m_pCurrent->m_Values[1] = y;
    g_StateStack.Push(1);
    g_WorldMapEdit.m_pPopupEvent = g_WorldMap.FindEvent(x, y);
    SendMessageA(wnd, WM_COMMAND, static_cast<WPARAM>(command), 0);
}

TEST_F(WorldMapWindowTest, ACopiedTemplateIsPastedOnTheMapAndACutEventBecomesATemplate) {
    Open();
    g_WorldMap.m_Templates[0].m_Name = "tower";
    g_WorldMapEdit.SetLayer(1);
    ASSERT_TRUE(PumpUntil([&] { return m_Dlg->m_pEventPalette && m_Dlg->m_pEventPalette->m_bReady; }));
    cEventPaletteDlg* pal = m_Dlg->m_pEventPalette;
    HWND list = pal->m_List.m_Ctrl.m_hWnd;
    ClickListRow(list, 0);
    ASSERT_TRUE(PumpUntil([] { return g_WorldMapEdit.m_SelEntry == 0; }));
    PressKeyWith(VK_CONTROL, 'C');
    ASSERT_TRUE(PumpUntil([] { return g_WorldMapEdit.m_bClipValid == 1; }));

    PopupCommand(m_Dlg->m_hWnd, 6, 4, ID_POPUP_PASTE);
    ASSERT_EQ(1u, g_WorldMap.m_Events.size());
    EXPECT_EQ(cString("tower"), g_WorldMap.m_Events[0].m_Name);
    EXPECT_EQ(6, g_WorldMap.m_Events[0].m_X);
    EXPECT_EQ(1, g_WorldMap.m_Events[0].m_Pages[0].m_WorldNo);
    EXPECT_EQ(1u, g_StateStack.m_Entries.size());
    EXPECT_EQ(1u, g_WorldMapEdit.m_UndoCells.size());

    g_WorldMap.m_Events[0].m_Name = "keep";
    PopupCommand(m_Dlg->m_hWnd, 6, 4, ID_POPUP_CUT);
    EXPECT_TRUE(g_WorldMap.m_Events.empty());
    ASSERT_EQ(1u, pal->m_List.m_Ctrl.m_Clip.size());
    // Pasting in the list adds the cut event as a template (the click is
    // far enough from the last one on the row to be no double click).
    PumpMessages(static_cast<int>(GetDoubleClickTime()) + 50);
    ClickListRow(list, 0);
    PressKeyWith(VK_CONTROL, 'V');
    ASSERT_TRUE(PumpUntil([] { return g_WorldMap.m_Templates.size() == 2; }));
    EXPECT_EQ(cString("keep"), g_WorldMap.m_Templates[0].m_Name);
    // Undo brings the cut event back.
    SendMessageA(m_Dlg->m_hWnd, WM_COMMAND, ID_WORLD_UNDO, 0);
    ASSERT_EQ(1u, g_WorldMap.m_Events.size());
    EXPECT_EQ(cString("keep"), g_WorldMap.m_Events[0].m_Name);
}

}  // namespace
