// The character sheet's graphics and abilities pages and the graphic picker
// in the screenshot tour: the sheet of a character of the sample stage is
// opened with a right double click, each page shot, then the picker of the
// graphics page's "一覧" button; the sheet is cancelled.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>
#include <prsht.h>

#include "tests/support/gui.h"
#include "tests/tour/tour.h"

namespace {

const int kCell = 32;
const int kCanvasTop = 28;  // the canvas starts below the toolbar row
const int kPickButton = 1446;

HWND ShowPage(HWND sheet, int index) {
    PostMessageA(sheet, PSM_SETCURSEL, static_cast<WPARAM>(index), 0);
    HWND tab = reinterpret_cast<HWND>(SendMessageA(sheet, PSM_GETTABCONTROL, 0, 0));
    PumpUntil([&] { return tab && SendMessageA(tab, TCM_GETCURSEL, 0, 0) == index; }, 20000);
    return reinterpret_cast<HWND>(SendMessageA(sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
}

}  // namespace

TOUR_STEP(300, CharaSheetPages) {
    HWND stage = TourStageEditor();
    ASSERT_TRUE(stage);
    // the character standing on the red platform (view column 8, row 6)
    const int x = 8 * kCell + kCell / 2, y = kCanvasTop + 6 * kCell + kCell / 2;
    // a right double click opens the sheet of the object under the cursor
    POINT pt = {x, y};
    ClientToScreen(stage, &pt);
    MoveMouseTo(pt.x, pt.y);
    for (int i = 0; i < 2; ++i) {
        MouseButton(true, true);
        MouseButton(true, false);
    }
    HWND sheet = TourWaitWindow("キャラデータ");
    ASSERT_TRUE(sheet);

    HWND graphics = ShowPage(sheet, 1);
    TourPicture(sheet, "chara_sheet_graphics");
    ShowPage(sheet, 2);
    TourPicture(sheet, "chara_sheet_abilities");

    graphics = ShowPage(sheet, 1);
    HWND button = GetDlgItem(graphics, kPickButton);
    ASSERT_TRUE(button);
    RECT rc;
    GetClientRect(button, &rc);
    TourClick(button, rc.right / 2, rc.bottom / 2);
    HWND picker = TourWaitWindow("グラフィック");
    ASSERT_TRUE(picker);
    TourPicture(picker, "graphic_picker");
    TourClose(picker);
    TourClose(sheet);
}
