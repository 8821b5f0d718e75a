// The stage editor in the screenshot tour: the sample stage as it opens, a
// pen stroke, a right-button selection being dragged and the state after an
// undo.
#include <gtest/gtest.h>

#include "tests/support/gui.h"
#include "tests/tour/tour.h"

namespace {

const int kCell = 32;

int CellCentre(int cell) {
    return cell * kCell + kCell / 2;
}

}  // namespace

TOUR_STEP(100, StageEditor) {
    HWND wnd = TourStageEditor();
    ASSERT_TRUE(wnd);
    TourPicture(wnd, "stage_editor");
}

TOUR_STEP(110, StageEditorPen) {
    HWND wnd = TourStageEditor();
    ASSERT_TRUE(wnd);
    TourDrag(wnd, CellCentre(2), CellCentre(2), CellCentre(6), CellCentre(2));
    TourPicture(wnd, "stage_editor_pen");
}

TOUR_STEP(120, StageEditorSelection) {
    HWND wnd = TourStageEditor();
    ASSERT_TRUE(wnd);
    TourDrag(wnd, CellCentre(1), CellCentre(1), CellCentre(4), CellCentre(3), true, false);
    TourPicture(wnd, "stage_editor_selection");
    MouseButton(true, false);
}

TOUR_STEP(130, StageEditorUndo) {
    HWND wnd = TourStageEditor();
    ASSERT_TRUE(wnd);
    TourKey(wnd, 'Z', VK_CONTROL);
    TourPicture(wnd, "stage_editor_undo");
}
