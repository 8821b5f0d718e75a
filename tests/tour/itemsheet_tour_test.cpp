// The item definition sheet in the screenshot tour: opened from the stage
// item palette (a right click on entry 1), its two pages, then on the
// effect page a new command: the item command selection, the flow change
// dialog and the flows page nested in it. Everything is cancelled again.
#include <gtest/gtest.h>

#include <windows.h>
#include <prsht.h>

#include "res/command_ids.h"
#include "tests/support/gui.h"
#include "tests/tour/tour.h"

namespace {

const int kCanvasTop = 28;  // below the palette's toolbar row

HWND CurrentPage(HWND sheet) {
    return reinterpret_cast<HWND>(SendMessageA(sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
}

// A click in the middle of a dialog's control.
void ClickControl(HWND dlg, int id) {
    HWND ctrl = GetDlgItem(dlg, id);
    ASSERT_TRUE(ctrl) << id;
    RECT r;
    GetClientRect(ctrl, &r);
    TourClick(ctrl, r.right / 2, r.bottom / 2);
}

}  // namespace

TOUR_STEP(330, ItemSheet) {
    HWND stage = TourStageEditor();
    ASSERT_TRUE(stage);
    TourCommand(stage, ID_LAYER_ITEM);
    HWND palette = TourWaitWindow("[ステージ]アイテムパレット");
    ASSERT_TRUE(palette);
    TourClick(palette, 32 + 16, kCanvasTop + 16, true);
    HWND sheet = TourWaitWindow("アイテムデータ");
    ASSERT_TRUE(sheet);
    SendMessageA(sheet, PSM_SETCURSEL, 0, 0);
    TourPicture(sheet, "item_sheet_basic");
    SendMessageA(sheet, PSM_SETCURSEL, 1, 0);
    TourPicture(sheet, "item_sheet_effect");

    // "挿入" on the effect page: the selection, then "フローの変更"
    ClickControl(CurrentPage(sheet), 1068);
    HWND select = TourWaitWindow("コマンド");
    ASSERT_TRUE(select);
    TourPicture(select, "item_cmd_select");
    ClickControl(select, 1267);
    HWND change = TourWaitWindow("フローの変更");
    ASSERT_TRUE(change);
    TourPicture(change, "item_flow_change");
    ClickControl(change, 1179);
    HWND flows = TourWaitWindow("フローデータ");
    ASSERT_TRUE(flows);
    TourPicture(flows, "item_nested_flows");
    TourClose(flows);
    TourClose(change);
    TourClose(sheet);
    TourCommand(stage, ID_LAYER_BLOCK);
}
