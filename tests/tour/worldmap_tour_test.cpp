// The world map editor in the screenshot tour: the window opened from the
// stage editor's menu with its map chip palette, the event palette after the
// layer switch, the event dialog of a new event from the map's popup menu,
// and the world map settings.
#include <gtest/gtest.h>

#include "tests/support/gui.h"
#include "tests/tour/tour.h"

namespace {

const int kWorldMapCommand = 40064;
const int kLayerChips = 40073;
const int kLayerEvents = 40050;
const int kNewEvent = 40028;
const int kSettings = 40056;

// Opens the world map window (or finds it open) through the stage editor.
HWND OpenWorldMap() {
    HWND wnd = FindWindowA(nullptr, "ワールドマップ");
    if (wnd && IsWindowVisible(wnd)) return wnd;
    HWND stage = TourStageEditor();
    if (!stage) return nullptr;
    PostMessageA(stage, WM_COMMAND, kWorldMapCommand, 0);
    return TourWaitWindow("ワールドマップ");
}

}  // namespace

TOUR_STEP(500, WorldMap) {
    HWND wnd = OpenWorldMap();
    ASSERT_TRUE(wnd);
    TourPicture(wnd, "worldmap");
    HWND chips = TourWaitWindow("マップチップパレット");
    ASSERT_TRUE(chips);
    TourPicture(chips, "worldmap_chip_palette");
}

TOUR_STEP(510, WorldMapEventPalette) {
    HWND wnd = OpenWorldMap();
    ASSERT_TRUE(wnd);
    TourCommand(wnd, kLayerEvents);
    HWND events = TourWaitWindow("イベントパレット");
    ASSERT_TRUE(events);
    TourPicture(events, "worldmap_event_palette");
    TourPicture(wnd, "worldmap_event_layer");
}

// The popup menu's "新規作成" on the event layer opens the event dialog.
TOUR_STEP(520, WorldMapEventDialog) {
    HWND wnd = OpenWorldMap();
    ASSERT_TRUE(wnd);
    PostMessageA(wnd, WM_COMMAND, kNewEvent, 0);
    HWND dlg = TourWaitWindow("イベント");
    ASSERT_TRUE(dlg);
    TourPicture(dlg, "worldmap_event_dialog");
    TourClose(dlg);
}

TOUR_STEP(530, WorldMapSettings) {
    HWND wnd = OpenWorldMap();
    ASSERT_TRUE(wnd);
    PostMessageA(wnd, WM_COMMAND, kSettings, 0);
    HWND dlg = TourWaitWindow("ワールドマップの設定");
    ASSERT_TRUE(dlg);
    TourPicture(dlg, "worldmap_settings");
    TourClose(dlg);
    PumpUntil([&] { return IsWindowVisible(wnd) != FALSE; }, 10000);
    TourCommand(wnd, kLayerChips);
    // The new event marked the map modified: leave without saving.
    PostMessageA(wnd, WM_CLOSE, 0, 0);
    HWND ask = TourWaitWindow("保存確認");
    ASSERT_TRUE(ask);
    PostMessageA(ask, WM_COMMAND, IDNO, 0);
    EXPECT_TRUE(PumpUntil([&] { return !IsWindow(wnd); }, 20000));
}
