// The stage editor of the real editor program, driven with real input: a
// selection copied into the brush and painted with the pen, undone and redone
// from the keys, and the view scrolled with the arrow keys and the wheel. The
// cells are read back from what the canvas shows on screen.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "tests/support/drawn_stage.h"
#include "tests/support/exe_driver.h"
#include "tests/support/gui.h"

namespace {

const int kStartMs = 60000;
const int kCell = 32;
const int kCanvasId = 1006;

std::string WinPath(std::string path) {
    for (char& c : path)
        if (c == '/') c = '\\';
    return path;
}

class StageEditorRun : public testing::Test {
protected:
    void SetUp() override {
        m_Dir = FullPathOf(testing::UnitTest::GetInstance()->current_test_info()->name());
        RemoveTree(m_Dir);
        ASSERT_TRUE(CopyTree(WinPath(SAMPLE_PROJECT_DIR), m_Dir)) << m_Dir;
        ASSERT_TRUE(WriteDrawnStage(m_Dir));
        StartEditor();
    }

    void StartEditor() {
        std::string why;
        ASSERT_TRUE(m_Editor.Start(WinPath(EDITOR_EXE), m_Dir, &why, true)) << why;
        ShownBox box;
        m_Wnd = m_Editor.WaitStageEditor(kStartMs, &box);
        ASSERT_TRUE(m_Wnd) << "[" << box.caption << "] " << box.text;
        m_Canvas = GetDlgItem(m_Wnd, kCanvasId);
        ASSERT_TRUE(m_Canvas);
        ASSERT_TRUE(BringToFront(m_Wnd));
        Settle();
    }

    void TearDown() override {
        for (const std::string& fault : m_Editor.Faults()) ADD_FAILURE() << "the editor faulted: " << fault;
        if (m_Editor.Running()) m_Editor.Kill();
        RemoveTree(m_Dir);
    }

    void Settle() {
        ExeProcess::Responds(m_Wnd, 10000);
        PumpMessages(50);
        ExeProcess::Responds(m_Wnd, 10000);
    }

    // Screen point of a view cell's corner plus (dx, dy).
    POINT At(int col, int row, int dx = kCell / 2, int dy = kCell / 2) const {
        POINT pt = {col * kCell + dx, row * kCell + dy};
        ClientToScreen(m_Canvas, &pt);
        return pt;
    }

    // What the canvas shows inside a view cell (clear of the grid lines).
    COLORREF Shown(int col, int row) {
        Settle();
        const POINT pt = At(col, row, 8, 8);
        HDC screen = GetDC(nullptr);
        const COLORREF c = GetPixel(screen, pt.x, pt.y);
        ReleaseDC(nullptr, screen);
        return c;
    }

    // What a view cell shows once it shows what is expected (the editor
    // paints on its own time); what it shows at the end of the wait if never.
    COLORREF ShownAs(int col, int row, COLORREF expected, bool equal = true) {
        COLORREF c = Shown(col, row);
        for (int i = 0; i < 200 && (c == expected) != equal; ++i) {
            Sleep(50);
            c = Shown(col, row);
        }
        return c;
    }

    void Drag(int c0, int r0, int c1, int r1, bool right) {
        const POINT a = At(c0, r0), b = At(c1, r1);
        MoveMouseTo(a.x, a.y);
        Settle();
        MouseButton(right, true);
        Settle();
        for (int i = 1; i <= 4; ++i) {
            MoveMouseTo(a.x + (b.x - a.x) * i / 4, a.y + (b.y - a.y) * i / 4);
            Settle();
        }
        MouseButton(right, false);
        Settle();
    }

    void Key(WORD vk, WORD modifier = 0) {
        if (modifier)
            PressKeyWith(modifier, vk);
        else
            PressKey(vk);
        Settle();
    }

    void Wheel(int delta) {
        INPUT in = {};
        in.type = INPUT_MOUSE;
        in.mi.dwFlags = MOUSEEVENTF_WHEEL;
        in.mi.mouseData = static_cast<DWORD>(delta);
        SendInput(1, &in, sizeof in);
        Settle();
    }

    int HPos() { return GetScrollPos(GetDlgItem(m_Wnd, 1008), SB_CTL); }
    int VPos() { return GetScrollPos(GetDlgItem(m_Wnd, 1009), SB_CTL); }

    std::string m_Dir;
    EditorProcess m_Editor;
    HWND m_Wnd = nullptr;
    HWND m_Canvas = nullptr;
};

const COLORREF kBlack = RGB(0, 0, 0);

// The view opens at row 5 (the player at row 16 less 7, within the stage):
// the red platform of stage row 12, columns 5 to 9, is view row 7.
TEST_F(StageEditorRun, SelectionPaintedWithThePenUndoneAndRedone) {
    ASSERT_EQ(0, HPos());
    ASSERT_EQ(5, VPos());
    const COLORREF red = ShownAs(5, 7, kBlack, false);
    ASSERT_NE(kBlack, red);
    ASSERT_EQ(kBlack, ShownAs(2, 2, kBlack));

    Drag(5, 7, 9, 7, true);  // the platform into the brush
    Drag(2, 2, 2, 2, false);  // one press of the pen
    for (int c = 2; c <= 6; ++c) EXPECT_EQ(red, ShownAs(c, 2, red)) << "column " << c;
    EXPECT_EQ(kBlack, ShownAs(7, 2, kBlack));
    EXPECT_EQ(red, ShownAs(5, 7, red)) << "the platform stays";

    Key('Z', VK_CONTROL);
    for (int c = 2; c <= 6; ++c) EXPECT_EQ(kBlack, ShownAs(c, 2, kBlack)) << "undone, column " << c;
    EXPECT_EQ(red, ShownAs(5, 7, red));
    Key('Y', VK_CONTROL);
    for (int c = 2; c <= 6; ++c) EXPECT_EQ(red, ShownAs(c, 2, red)) << "redone, column " << c;
}

TEST_F(StageEditorRun, ArrowKeysAndTheWheelScrollTheView) {
    const COLORREF red = ShownAs(5, 7, kBlack, false);
    ASSERT_NE(kBlack, red);
    const POINT inside = At(12, 3);
    MoveMouseTo(inside.x, inside.y);
    Settle();
    Key(VK_RIGHT);
    EXPECT_EQ(1, HPos());
    EXPECT_EQ(red, ShownAs(4, 7, red)) << "the platform moved one cell left";
    // the view already shows the stage's bottom row
    Key(VK_DOWN);
    EXPECT_EQ(5, VPos());
    Key(VK_UP);
    EXPECT_EQ(4, VPos());
    EXPECT_EQ(red, ShownAs(4, 8, red));
    Key(VK_LEFT);
    Key(VK_LEFT);
    EXPECT_EQ(0, HPos()) << "the view stops at the left edge";
    // the stage scrolls horizontally with the wheel: a notch down goes right
    Wheel(-WHEEL_DELTA);
    EXPECT_EQ(1, HPos());
    Wheel(-2 * WHEEL_DELTA);
    EXPECT_EQ(3, HPos());
    Wheel(WHEEL_DELTA);
    EXPECT_EQ(2, HPos());
    EXPECT_EQ(red, ShownAs(3, 8, red));
}

// The placement: the window comes back where and as large as it was closed,
// not grown by its toolbar, status bar and scroll bars.
TEST_F(StageEditorRun, ComesBackWhereAndAsLargeAsItWasClosed) {
    RECT before = {};
    ASSERT_TRUE(GetWindowRect(m_Wnd, &before));
    PostMessageA(m_Wnd, WM_CLOSE, 0, 0);
    ASSERT_TRUE(m_Editor.WaitExit(20000)) << "closing the stage editor ends the program";
    StartEditor();
    RECT after = {};
    ASSERT_TRUE(GetWindowRect(m_Wnd, &after));
    EXPECT_EQ(before.left, after.left);
    EXPECT_EQ(before.top, after.top);
    EXPECT_EQ(before.right - before.left, after.right - after.left);
    EXPECT_EQ(before.bottom - before.top, after.bottom - after.top);
}

}  // namespace
