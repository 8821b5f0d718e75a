// The character definition sheet and the character group window in the
// screenshot tour: the sheet opened on the computer-controlled character
// placed at stage column 8, row 11 (a right double-click on it), and the
// group window that the character layer shows.
#include <gtest/gtest.h>

#include "res/command_ids.h"
#include "tests/support/gui.h"
#include "tests/tour/tour.h"

namespace {

const int kCell = 32;
const int kCanvasTop = 28;  // below the toolbar row
const int kViewTop = 5;     // the view opens at stage row 5

}  // namespace

TOUR_STEP(300, CharaSheet) {
    HWND stage = TourStageEditor();
    ASSERT_TRUE(stage);
    const int x = 8 * kCell + kCell / 2;
    const int y = kCanvasTop + (11 - kViewTop) * kCell + kCell / 2;
    POINT pt = {x, y};
    ClientToScreen(stage, &pt);
    // a right double-click edits the object under the cursor
    MoveMouseTo(pt.x, pt.y);
    for (int i = 0; i < 2; ++i) {
        MouseButton(true, true);
        MouseButton(true, false);
    }
    HWND sheet = TourWaitWindow("キャラデータ");
    ASSERT_TRUE(sheet);
    TourPicture(sheet, "chara_sheet_basic");
    TourClose(sheet);
}

TOUR_STEP(310, CharaGroup) {
    HWND stage = TourStageEditor();
    ASSERT_TRUE(stage);
    TourCommand(stage, ID_LAYER_CHARA);
    HWND group = TourWaitWindow("キャラのグループ情報");
    ASSERT_TRUE(group);
    // the window comes forward as the author clicks into it
    TourClick(group, 3, 3);
    TourPicture(group, "chara_group");
    TourCommand(stage, ID_LAYER_BLOCK);
}
