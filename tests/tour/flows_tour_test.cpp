// The character sheet's flows page and the dialogs it opens in the
// screenshot tour: the condition dialog with each of its seven kind
// dialogs, the key condition dialog, the command selection and a movement
// page from it; then the block sheet opened from the stage block palette.
// Every dialog is cancelled, so nothing is inserted.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>
#include <prsht.h>

#include <string>

#include "res/command_ids.h"
#include "tests/support/gui.h"
#include "tests/tour/tour.h"

namespace {

const int kCell = 32;
const int kCanvasTop = 28;  // below the toolbar row
const int kViewTop = 5;     // the view opens at stage row 5

// The flows page's insert buttons of its condition, key condition and
// command lists.
const int kCondInsert = 1083;
const int kKeyInsert = 1091;
const int kCmdInsert = 1068;

struct CondKind {
    int button;  // in the condition dialog "条件"
    const char* title;
    const char* picture;
};
const CondKind kCondKinds[7] = {
    {1267, "コモン変数条件", "cond_commonvar"}, {1268, "ステージ変数条件", "cond_stagevar"},
    {1269, "キャラ変数条件", "cond_charavar"},  {1270, "ステータス条件", "cond_status"},
    {1271, "ステータス条件2", "cond_status2"},  {1272, "ステータス条件3", "cond_status3"},
    {1273, "距離条件", "cond_distance"},
};
const int kWaitButton = 1267;  // the first kind of the command selection

// The sheet of the computer-controlled character at stage column 8, row 11
// (a right double-click on it).
HWND OpenCharaSheet() {
    HWND stage = TourStageEditor();
    if (!stage) return nullptr;
    POINT pt = {8 * kCell + kCell / 2, kCanvasTop + (11 - kViewTop) * kCell + kCell / 2};
    ClientToScreen(stage, &pt);
    MoveMouseTo(pt.x, pt.y);
    for (int i = 0; i < 2; ++i) {
        MouseButton(true, true);
        MouseButton(true, false);
    }
    return TourWaitWindow("キャラデータ");
}

HWND ShowPage(HWND sheet, int index) {
    PostMessageA(sheet, PSM_SETCURSEL, static_cast<WPARAM>(index), 0);
    HWND tab = reinterpret_cast<HWND>(SendMessageA(sheet, PSM_GETTABCONTROL, 0, 0));
    PumpUntil([&] { return tab && SendMessageA(tab, TCM_GETCURSEL, 0, 0) == index; }, 20000);
    return reinterpret_cast<HWND>(SendMessageA(sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
}

// A real click on the centre of a dialog's control.
void Press(HWND dlg, int id) {
    HWND button = GetDlgItem(dlg, id);
    ASSERT_TRUE(button) << id;
    RECT rc;
    GetClientRect(button, &rc);
    TourClick(button, rc.right / 2, rc.bottom / 2);
}

}  // namespace

TOUR_STEP(320, FlowsPage) {
    HWND sheet = OpenCharaSheet();
    ASSERT_TRUE(sheet);
    HWND flows = ShowPage(sheet, 3);
    ASSERT_TRUE(flows);
    // the flows list (1082) is filled once the page is up
    HWND list = GetDlgItem(flows, 1082);
    PumpUntil([&] { return SendMessageA(list, LB_GETCOUNT, 0, 0) > 0; }, 5000);
    TourPicture(sheet, "chara_sheet_flows");

    for (int k = 0; k < 7; ++k) {
        Press(flows, kCondInsert);
        HWND select = TourWaitWindow("条件");
        ASSERT_TRUE(select);
        if (k == 0) TourPicture(select, "cond_select");
        Press(select, kCondKinds[k].button);
        HWND kind = TourWaitWindow(kCondKinds[k].title);
        ASSERT_TRUE(kind) << kCondKinds[k].title;
        TourPicture(kind, kCondKinds[k].picture);
        // cancelling the kind dialog ends the condition dialog too
        TourClose(kind);
        TourClose(select);
    }

    Press(flows, kKeyInsert);
    HWND key = TourWaitWindow("キー条件");
    ASSERT_TRUE(key);
    TourPicture(key, "key_cond");
    TourClose(key);
    TourClose(sheet);
}

TOUR_STEP(325, FlowsCommandSelection) {
    HWND sheet = OpenCharaSheet();
    ASSERT_TRUE(sheet);
    HWND flows = ShowPage(sheet, 3);
    ASSERT_TRUE(flows);
    Press(flows, kCmdInsert);
    HWND select = TourWaitWindow("コマンド");
    ASSERT_TRUE(select);
    TourPicture(select, "cmd_select");
    Press(select, kWaitButton);
    HWND wait = TourWaitWindow("ウエイト");
    ASSERT_TRUE(wait);
    TourPicture(wait, "cmd_wait");
    TourClose(wait);
    TourClose(select);
    TourClose(sheet);
}

// Entry 1 of the stage block palette picked, then "編集" of its popup menu.
TOUR_STEP(330, BlockSheetFromPalette) {
    HWND stage = TourStageEditor();
    ASSERT_TRUE(stage);
    TourCommand(stage, ID_LAYER_BLOCK);
    HWND palette = TourWaitWindow("[ステージ]ブロックパレット");
    ASSERT_TRUE(palette);
    TourClick(palette, kCell + kCell / 2, kCanvasTop + kCell / 2);
    PostMessageA(palette, WM_COMMAND, ID_PAL_EDIT, 0);
    HWND sheet = TourWaitWindow("ブロックデータ");
    ASSERT_TRUE(sheet);
    // the sheet opens by the palette window at the screen's right edge:
    // brought fully onto the screen for its picture
    RECT rc;
    GetWindowRect(sheet, &rc);
    if (rc.right > GetSystemMetrics(SM_CXSCREEN))
        SetWindowPos(sheet, nullptr, GetSystemMetrics(SM_CXSCREEN) - (rc.right - rc.left), rc.top, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    TourPicture(sheet, "block_sheet_palette");
    TourClose(sheet);
}
