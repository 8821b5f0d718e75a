// The stage editor in the screenshot tour, on the stage drawn with the
// sample's pictures: the stage as it opens, a right-button selection of the
// red platform being dragged, the platform painted elsewhere with the pen,
// and the state after an undo.
#include <gtest/gtest.h>

#include "tests/support/gui.h"
#include "tests/tour/tour.h"

namespace {

const int kCell = 32;
// The canvas starts below the toolbar row.
const int kCanvasTop = 28;

int CellX(int column) {
    return column * kCell + kCell / 2;
}

int CellY(int row) {
    return kCanvasTop + row * kCell + kCell / 2;
}

}  // namespace

TOUR_STEP(100, StageEditor) {
    HWND wnd = TourStageEditor();
    ASSERT_TRUE(wnd);
    TourPicture(wnd, "stage_editor");
}

// The view opens at row 5: the red platform (stage row 12, columns 5 to 9)
// is view row 7.
TOUR_STEP(110, StageEditorSelection) {
    HWND wnd = TourStageEditor();
    ASSERT_TRUE(wnd);
    TourDrag(wnd, CellX(5), CellY(7), CellX(9), CellY(7), true, false);
    TourPicture(wnd, "stage_editor_selection");
    MouseButton(true, false);
    TourPicture(wnd, "stage_editor_selection_done");
}

TOUR_STEP(120, StageEditorPen) {
    HWND wnd = TourStageEditor();
    ASSERT_TRUE(wnd);
    TourClick(wnd, CellX(2), CellY(2));
    TourDrag(wnd, CellX(2), CellY(4), CellX(4), CellY(4), false, true);
    TourPicture(wnd, "stage_editor_pen");
}

TOUR_STEP(130, StageEditorUndo) {
    HWND wnd = TourStageEditor();
    ASSERT_TRUE(wnd);
    TourKey(wnd, 'Z', VK_CONTROL);
    TourPicture(wnd, "stage_editor_undo");
}
