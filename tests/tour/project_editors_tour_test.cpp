// The project-wide windows the stage editor opens from its menu, in the
// screenshot tour: the system settings sheet with each of its six pages,
// the project options with both pages, and the bitmap conversion tool.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>
#include <prsht.h>

#include <string>

#include "res/command_ids.h"
#include "tests/support/gui.h"
#include "tests/tour/tour.h"

namespace {

// The command is posted: the bitmap tool runs modal, so a sent command would
// not return before the tool is closed.
HWND OpenFromStageEditor(int id, const char* title) {
    HWND stage = TourStageEditor();
    if (!stage) return nullptr;
    PostMessageA(stage, WM_COMMAND, static_cast<WPARAM>(id), 0);
    return TourWaitWindow(title);
}

// Shows each page of a property sheet in turn and saves its picture.
void ShootPages(HWND sheet, int pages, const char* name) {
    for (int i = 0; i < pages; ++i) {
        PostMessageA(sheet, PSM_SETCURSEL, static_cast<WPARAM>(i), 0);
        HWND tab = reinterpret_cast<HWND>(SendMessageA(sheet, PSM_GETTABCONTROL, 0, 0));
        PumpUntil([&] { return tab && SendMessageA(tab, TCM_GETCURSEL, 0, 0) == i; }, 20000);
        TourPicture(sheet, (std::string(name) + "_" + std::to_string(i + 1)).c_str());
    }
}

}  // namespace

TOUR_STEP(800, SystemSettingSheet) {
    HWND sheet = OpenFromStageEditor(ID_SYSTEM_SETTING, "システムの設定");
    ASSERT_TRUE(sheet);
    ShootPages(sheet, 6, "system_setting");
    TourClose(sheet);
}

TOUR_STEP(810, ProjectOptionSheet) {
    HWND sheet = OpenFromStageEditor(ID_PROJECT_OPTION, "プロジェクトオプション");
    ASSERT_TRUE(sheet);
    ShootPages(sheet, 2, "project_option");
    TourClose(sheet);
}

TOUR_STEP(820, BitmapConvertTool) {
    HWND dlg = OpenFromStageEditor(ID_BMP_CONVERT, "ビットマップ変換ツール");
    ASSERT_TRUE(dlg);
    TourPicture(dlg, "bmp_convert");
    TourClose(dlg);
}
