// The stage settings sheet in the screenshot tour: its three pages and the
// background layer dialog opened on the first layer.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>
#include <prsht.h>

#include <string>

#include "res/command_ids.h"
#include "tests/support/gui.h"
#include "tests/tour/tour.h"

namespace {

HWND ShowPage(HWND sheet, int i) {
    PostMessageA(sheet, PSM_SETCURSEL, static_cast<WPARAM>(i), 0);
    HWND tab = reinterpret_cast<HWND>(SendMessageA(sheet, PSM_GETTABCONTROL, 0, 0));
    PumpUntil([&] { return tab && SendMessageA(tab, TCM_GETCURSEL, 0, 0) == i; }, 20000);
    return reinterpret_cast<HWND>(SendMessageA(sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
}

}  // namespace

TOUR_STEP(300, StageSettingSheet) {
    HWND stage = TourStageEditor();
    ASSERT_TRUE(stage);
    PostMessageA(stage, WM_COMMAND, static_cast<WPARAM>(ID_STAGE_SETTINGS), 0);
    HWND sheet = TourWaitWindow("ステージの設定");
    ASSERT_TRUE(sheet);
    for (int i = 0; i < 3; ++i) {
        ShowPage(sheet, i);
        TourPicture(sheet, ("stage_settings_" + std::to_string(i + 1)).c_str());
    }
    // the layer dialog on the first background layer
    HWND basic = ShowPage(sheet, 0);
    ASSERT_TRUE(basic);
    PostMessageA(GetDlgItem(basic, 1220), BM_CLICK, 0, 0);
    HWND layer = TourWaitWindow("背景");
    ASSERT_TRUE(layer);
    TourPicture(layer, "stage_settings_back_layer");
    TourClose(layer);
    PumpUntil([&] { return !IsWindow(layer); }, 20000);
    TourClose(sheet);
}
