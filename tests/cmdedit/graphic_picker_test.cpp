// The graphic picker: cell numbers column by column, a click picks the cell
// under the mouse, closing picks nothing, and the sheet drawn is the one
// asked for with the cell under the mouse outlined in white.
#include <gtest/gtest.h>

#include <windows.h>

#include "app/services.h"
#include "cmdedit/graphic_picker.h"
#include "tests/objedit/picture_sheets.h"
#include "tests/support/gui.h"

namespace {

const int kFirstSheet = 27;  // the picker's sheets in g_Bitmaps

TEST(PickCell, NumbersRunDownEachColumn) {
    struct Case {
        int x, y, cell;
    } cases[] = {
        {0, 0, 0},      {31, 31, 0},    {32, 0, 15},   {0, 32, 1},    {40, 70, 17},
        {255, 479, 119}, {224, 0, 105}, {-8, -8, 0},   {300, 600, 119}, {0, 479, 14},
    };
    for (const Case& c : cases) EXPECT_EQ(c.cell, PickCellAt(c.x, c.y)) << c.x << "," << c.y;
}

class Picker : public testing::Test {
protected:
    void SetUp() override {
        for (int s = 0; s < kPickSheetCount; ++s)
            ASSERT_TRUE(MakeCodedSheet(g_Bitmaps[kFirstSheet + s], 10 + s, kPickWidth, kPickHeight));
    }
    void TearDown() override {
        for (int s = 0; s < kPickSheetCount; ++s) g_Bitmaps[kFirstSheet + s].Delete();
    }
    HWND Sheet(HWND dlg) { return GetDlgItem(dlg, 1006); }
};

// A click on a cell ends the picker with 1 and the cell's number.
TEST_F(Picker, ClickPicksTheCellUnderTheMouse) {
    struct Case {
        int x, y;
        int16_t cell;
    } cases[] = {{5, 5, 0}, {40, 5, 15}, {5, 40, 1}, {250, 470, 119}, {100, 200, 51}};
    for (const Case& c : cases) {
        int16_t value = -1;
        cGraphicPickDlg* dlg = new cGraphicPickDlg(&value, 1, nullptr, nullptr);
        const int result = RunModalScripted(dlg, 0, [&](HWND wnd) {
            RECT rc;
            GetClientRect(wnd, &rc);
            EXPECT_EQ(kPickWidth, rc.right);
            EXPECT_EQ(kPickHeight, rc.bottom);
            ClickClientPoint(wnd, c.x, c.y);
            PumpUntil([&] { return !IsWindow(wnd); });
        });
        delete dlg;
        EXPECT_EQ(1, result) << c.x << "," << c.y;
        EXPECT_EQ(c.cell, value) << c.x << "," << c.y;
    }
}

// Closing the picker picks nothing and leaves the number as it was.
TEST_F(Picker, CloseLeavesTheNumber) {
    int16_t value = 42;
    cGraphicPickDlg* dlg = new cGraphicPickDlg(&value, 0, nullptr, nullptr);
    const int result = RunModalScripted(dlg, 0, [&](HWND wnd) {
        PostMessageA(wnd, WM_CLOSE, 0, 0);
        PumpUntil([&] { return !IsWindow(wnd); });
    });
    delete dlg;
    EXPECT_EQ(0, result);
    EXPECT_EQ(42, value);
}

// The drawing shows the sheet asked for, at its own size, with the cell
// under the mouse outlined in white and the others untouched.
TEST_F(Picker, DrawsTheSheetWithTheHoveredCellOutlined) {
    for (int sheet = 0; sheet < kPickSheetCount; ++sheet) {
        int16_t value = 0;
        cGraphicPickDlg* dlg = new cGraphicPickDlg(&value, sheet, nullptr, nullptr);
        RunModalScripted(dlg, 0, [&](HWND wnd) {
            // cell 49, pointed at again until the picker has drawn it (the
            // window may still be settling into its place)
            PumpUntil([&] {
                POINT pt = {3 * 32 + 16, 4 * 32 + 16};
                ClientToScreen(wnd, &pt);
                MoveMouseTo(pt.x, pt.y);
                return dlg->m_nCell == 49;
            }, 10000);
            const cDib& dib = dlg->m_Sheet.m_Ctrl.m_Offscreen;
            EXPECT_EQ(49, dlg->m_nCell);
            // inside the outlined cell and in another cell: the sheet's pixels
            EXPECT_EQ(SheetCode(10 + sheet, 3 * 32 + 16, 4 * 32 + 16), SurfacePixel(dib, 3 * 32 + 16, 4 * 32 + 16));
            EXPECT_EQ(SheetCode(10 + sheet, 200, 400), SurfacePixel(dib, 200, 400));
            // the outline, two pixels wide, inside the cell's edge
            EXPECT_EQ(RGB(255, 255, 255), SurfacePixel(dib, 3 * 32 + 1, 4 * 32 + 16));
            EXPECT_EQ(RGB(255, 255, 255), SurfacePixel(dib, 3 * 32 + 16, 4 * 32 + 1));
            EXPECT_EQ(RGB(255, 255, 255), SurfacePixel(dib, 3 * 32 + 30, 4 * 32 + 16));
            // the cell beside it keeps its own pixels
            EXPECT_EQ(SheetCode(10 + sheet, 2 * 32 + 30, 4 * 32 + 16), SurfacePixel(dib, 2 * 32 + 30, 4 * 32 + 16));
            // what the window shows, also after it has been painted anew
            RedrawWindow(wnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
            PumpUntilIdle();
            POINT at = {200, 400};
            ClientToScreen(Sheet(wnd), &at);
            HDC screen = GetDC(nullptr);
            EXPECT_EQ(SheetCode(10 + sheet, 200, 400), GetPixel(screen, at.x, at.y)) << sheet;
            ReleaseDC(nullptr, screen);
            if (sheet == 1) TourShot(wnd, "graphic_picker");
            PostMessageA(wnd, WM_CLOSE, 0, 0);
            PumpUntil([&] { return !IsWindow(wnd); });
        });
        delete dlg;
    }
}

// The "専用bmp" kind has no sheet: nothing opens. A sheet number outside the
// five (a damaged record's) opens nothing and reads no surface.
TEST_F(Picker, KindsAndSheetsWithoutAPicture) {
    int16_t value = 7;
    EXPECT_EQ(0, PickGraphic(&value, 4, nullptr, nullptr));
    for (int sheet : {-1, 5, 99}) EXPECT_EQ(0, RunGraphicPick(&value, sheet, nullptr, nullptr)) << sheet;
    EXPECT_EQ(7, value);
}

}  // namespace
