// The database sheet in the screenshot tour: each of its ten pages, then the
// three dialogs its pages open: the anime pattern dialog from "パターンの編集"
// on the anime page, the frame dialog from "挿入" on the effect page and the
// sword position dialog from "編集" on the sword type page. Every dialog and
// the sheet are left with cancel, so the sample project keeps its tables.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>
#include <prsht.h>

#include <string>

#include "projedit/database_res.h"
#include "res/command_ids.h"
#include "tests/support/gui.h"
#include "tests/tour/tour.h"

namespace {

const int kPageCount = 10;
const char* const kPageNames[kPageCount] = {"animeset", "anime",  "chara_bmp", "sword", "effect",
                                            "chara_effect", "screen_effect", "picture", "sound", "bgm"};

HWND OpenDatabase() {
    HWND sheet = FindWindowA(nullptr, "データベース");
    if (sheet && IsWindowVisible(sheet)) return sheet;
    HWND stage = TourStageEditor();
    if (!stage) return nullptr;
    PostMessageA(stage, WM_COMMAND, ID_DATABASE, 0);
    return TourWaitWindow("データベース");
}

// Shows a page and waits until the sheet has it as its current page.
HWND ShowPage(HWND sheet, int index) {
    PostMessageA(sheet, PSM_SETCURSEL, static_cast<WPARAM>(index), 0);
    HWND tab = reinterpret_cast<HWND>(SendMessageA(sheet, PSM_GETTABCONTROL, 0, 0));
    PumpUntil([&] { return tab && SendMessageA(tab, TCM_GETCURSEL, 0, 0) == index; }, 20000);
    return reinterpret_cast<HWND>(SendMessageA(sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
}

// Presses a button of a page the way a click would, opens the modal dialog
// it runs, shoots it and cancels it.
void ShootDialog(HWND sheet, int page, int button, const char* title, const char* name) {
    HWND pageWnd = ShowPage(sheet, page);
    ASSERT_TRUE(pageWnd);
    HWND buttonWnd = GetDlgItem(pageWnd, button);
    ASSERT_TRUE(buttonWnd);
    PostMessageA(pageWnd, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), reinterpret_cast<LPARAM>(buttonWnd));
    HWND dlg = TourWaitWindow(title);
    ASSERT_TRUE(dlg) << title;
    TourPicture(dlg, name);
    TourClose(dlg);
}

}  // namespace

TOUR_STEP(700, DatabaseSheet) {
    HWND sheet = OpenDatabase();
    ASSERT_TRUE(sheet);
    for (int i = 0; i < kPageCount; ++i) {
        ASSERT_TRUE(ShowPage(sheet, i)) << i;
        TourPicture(sheet, (std::string("database_") + std::to_string(i + 1) + "_" + kPageNames[i]).c_str());
    }
}

// Each dialog, then the sheet left with a click on its cancel button.
TOUR_STEP(710, DatabaseDialogs) {
    HWND sheet = OpenDatabase();
    ASSERT_TRUE(sheet);
    ShootDialog(sheet, 1, IDC_ANIME_EDIT_PATTERN, "アニメパターン", "database_anime_pattern");
    ShootDialog(sheet, 4, IDC_EFFECT_INSERT, "アニメ", "database_effect_frame");
    ShootDialog(sheet, 3, IDC_SWORD_EDIT, "ソードの位置", "database_sword_position");
    HWND cancel = GetDlgItem(sheet, IDCANCEL);
    ASSERT_TRUE(cancel);
    RECT rc;
    GetClientRect(cancel, &rc);
    BringToFront(sheet);
    TourClick(cancel, rc.right / 2, rc.bottom / 2);
    EXPECT_TRUE(PumpUntil([&] { return !IsWindow(sheet); }, 20000)) << "cancel closes the sheet";
    TourClose(sheet);
}
