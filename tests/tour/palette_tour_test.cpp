// The palette windows in the screenshot tour: the common and the stage
// palette of each layer as the stage editor shows them after a layer
// switch, and the stage block palette with an entry picked.
#include <gtest/gtest.h>

#include "tests/support/gui.h"
#include "tests/tour/tour.h"

namespace {

const int kLayerCommands[3] = {40054, 40055, 40056};  // blocks, characters, items
const char* const kCommonTitles[3] = {"[コモン]ブロックパレット", "[コモン]キャラパレット", "[コモン]アイテムパレット"};
const char* const kStageTitles[3] = {"[ステージ]ブロックパレット", "[ステージ]キャラパレット",
                                     "[ステージ]アイテムパレット"};
const char* const kNames[3] = {"block", "chara", "item"};
// The canvas starts below the toolbar row.
const int kCanvasTop = 28;

void ShootLayer(int layer) {
    HWND stage = TourStageEditor();
    ASSERT_TRUE(stage);
    TourCommand(stage, kLayerCommands[layer]);
    HWND common = TourWaitWindow(kCommonTitles[layer]);
    ASSERT_TRUE(common);
    HWND own = TourWaitWindow(kStageTitles[layer]);
    ASSERT_TRUE(own);
    TourPicture(common, (std::string("palette_common_") + kNames[layer]).c_str());
    TourPicture(own, (std::string("palette_stage_") + kNames[layer]).c_str());
}

}  // namespace

TOUR_STEP(200, PaletteBlocks) {
    ShootLayer(0);
}

TOUR_STEP(210, PaletteCharas) {
    ShootLayer(1);
}

TOUR_STEP(220, PaletteItems) {
    ShootLayer(2);
}

// Entry 1 of the stage block palette picked: the selection frame and the
// status text.
TOUR_STEP(230, PalettePick) {
    HWND stage = TourStageEditor();
    ASSERT_TRUE(stage);
    TourCommand(stage, kLayerCommands[0]);
    HWND own = TourWaitWindow(kStageTitles[0]);
    ASSERT_TRUE(own);
    TourClick(own, 32 + 16, kCanvasTop + 16);
    TourPicture(own, "palette_stage_block_pick");
}
