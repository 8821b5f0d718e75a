// The new stage dialog in the screenshot tour: opened with Ctrl+N from the
// stage editor and closed again without making a stage.
#include <gtest/gtest.h>

#include "tests/support/gui.h"
#include "tests/tour/tour.h"

TOUR_STEP(150, NewStageDialog) {
    HWND stage = TourStageEditor();
    ASSERT_TRUE(stage);
    TourKey(stage, 'N', VK_CONTROL);
    HWND dlg = TourWaitWindow("ステージの新規作成");
    ASSERT_TRUE(dlg);
    TourPicture(dlg, "newstage_dialog");
    TourClose(dlg);
}
