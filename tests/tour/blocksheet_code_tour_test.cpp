// The block definition sheet and the code execution page in the screenshot
// tour: the sheet opened on entry 1 of the stage block palette through the
// palette's "編集", and the code page reached from the flows page of a
// character's sheet: a command inserted, the code kind chosen in the
// command selection; everything is cancelled again.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>
#include <prsht.h>

#include "res/command_ids.h"
#include "tests/support/gui.h"
#include "tests/tour/tour.h"

namespace {

const int kCell = 32;
const int kCanvasTop = 28;      // the canvas starts below the toolbar row
const int kFlowCmdInsert = 1068;  // the flows page's command "挿入"
const int kCodeKindButton = 1303;  // the command selection's button of kind 36

HWND ShowPage(HWND sheet, int index) {
    PostMessageA(sheet, PSM_SETCURSEL, static_cast<WPARAM>(index), 0);
    HWND tab = reinterpret_cast<HWND>(SendMessageA(sheet, PSM_GETTABCONTROL, 0, 0));
    PumpUntil([&] { return tab && SendMessageA(tab, TCM_GETCURSEL, 0, 0) == index; }, 20000);
    return reinterpret_cast<HWND>(SendMessageA(sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
}

void ClickCentre(HWND button) {
    RECT rc;
    GetClientRect(button, &rc);
    TourClick(button, rc.right / 2, rc.bottom / 2);
}

}  // namespace

TOUR_STEP(250, BlockSheet) {
    HWND stage = TourStageEditor();
    ASSERT_TRUE(stage);
    TourCommand(stage, ID_LAYER_BLOCK);
    HWND own = TourWaitWindow("[ステージ]ブロックパレット");
    ASSERT_TRUE(own);
    TourClick(own, kCell + kCell / 2, kCanvasTop + kCell / 2);
    TourCommand(own, ID_PAL_EDIT);
    HWND sheet = TourWaitWindow("ブロックデータ");
    ASSERT_TRUE(sheet);
    // beside the palette window the sheet reaches past the screen's right
    // edge: the author drags it fully into view and clicks into it
    SetWindowPos(sheet, nullptr, 40, 40, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    TourClick(sheet, 3, 3);
    TourPicture(sheet, "block_sheet");
    TourClose(sheet);
}

TOUR_STEP(320, CodePage) {
    HWND stage = TourStageEditor();
    ASSERT_TRUE(stage);
    // the character standing on the red platform (view column 8, row 6):
    // a right double click opens its sheet
    POINT pt = {8 * kCell + kCell / 2, kCanvasTop + 6 * kCell + kCell / 2};
    ClientToScreen(stage, &pt);
    MoveMouseTo(pt.x, pt.y);
    for (int i = 0; i < 2; ++i) {
        MouseButton(true, true);
        MouseButton(true, false);
    }
    HWND sheet = TourWaitWindow("キャラデータ");
    ASSERT_TRUE(sheet);
    HWND flows = ShowPage(sheet, 3);
    ASSERT_TRUE(flows);
    HWND insert = GetDlgItem(flows, kFlowCmdInsert);
    ASSERT_TRUE(insert);
    ClickCentre(insert);
    HWND select = TourWaitWindow("コマンド");
    ASSERT_TRUE(select);
    ClickCentre(GetDlgItem(select, kCodeKindButton));
    HWND page = TourWaitWindow("コードの実行");
    ASSERT_TRUE(page);
    TourPicture(page, "cmdpage_code");
    TourClose(page);
    if (IsWindow(select)) TourClose(select);
    TourClose(sheet);
}
