#include <gtest/gtest.h>

#include "model/palette.h"
#include "model/prjoption.h"
#include "model/stage.h"
#include "tests/support/test_env.h"

namespace {

class StageSize : public testing::Test {
protected:
    void SetUp() override {
        g_PrjOption.SetDefault();
        g_CommonPalette.SetDefault();
    }
    void TearDown() override { EXPECT_FALSE(m_Wnd.TakeCloseRequest()) << "a checked access failed"; }
    TestAppWindow m_Wnd;
};

// Marks every cell of a w x h stage with its position: block graphic
// 1 + x + 100 * y.
void Mark(cEdStage& s) {
    for (int y = 0; y < s.m_Height; ++y) {
        for (int x = 0; x < s.m_Width; ++x) {
            s.m_Blocks[s.CellIndex(x, y)].m_Graphic = static_cast<int16_t>(1 + x + 100 * y);
            s.m_Items[s.CellIndex(x, y)].m_Graphic = static_cast<int16_t>(1 + x + 100 * y);
        }
    }
}

TEST_F(StageSize, PitchIsThePowerOfTwoOfTheWidth) {
    const struct {
        int w, pitch, shift;
    } cases[] = {{1, 1, 0}, {2, 2, 1}, {20, 32, 5}, {32, 32, 5}, {33, 64, 6}, {512, 512, 9}};
    for (const auto& c : cases) {
        cEdStage s;
        ASSERT_EQ(s.SetSize(c.w, 3, 0, 0), 1);
        EXPECT_EQ(s.m_Pitch, c.pitch) << c.w;
        EXPECT_EQ(s.m_PitchShift, c.shift) << c.w;
        EXPECT_EQ(s.m_Blocks.size(), static_cast<size_t>(c.pitch * 3));
        EXPECT_EQ(s.m_PixelWidth, c.w * 32);
        EXPECT_EQ(s.m_PixelHeight, 96);
    }
    cEdStage s;
    EXPECT_EQ(s.SetSize(0, 5, 0, 0), 0);
    EXPECT_EQ(s.SetSize(5, 0, 0, 0), 0);
    EXPECT_EQ(s.m_Width, 20);
}

// Growing and shrinking a 6 x 5 stage in each alignment: where the old cell
// (0, 0) and the old cell (5, 4) end up (-1: cut off).
TEST_F(StageSize, CellsFollowTheAlignment) {
    const struct {
        int w, h, ax, ay;
        int firstX, firstY;  // old (0, 0)
        int lastX, lastY;    // old (5, 4)
    } cases[] = {
        {9, 7, 0, 0, 0, 0, 5, 4},    // grow right and down
        {9, 7, 1, 0, 3, 0, 8, 4},    // grow left
        {9, 7, 0, 1, 0, 2, 5, 6},    // grow up
        {9, 7, 1, 1, 3, 2, 8, 6},    // grow left and up
        {4, 3, 0, 0, 0, 0, -1, -1},  // cut right and bottom
        {4, 3, 1, 0, -1, -1, -1, -1},  // cut left and bottom
        {4, 3, 0, 1, -1, -1, -1, -1},  // cut top and right
        {4, 3, 1, 1, -1, -1, 3, 2},  // cut left and top
        {4, 5, 1, 0, -1, -1, 3, 4},   // cut left only
        {6, 3, 0, 1, -1, -1, 5, 2},   // cut top only
        {40, 5, 1, 0, 34, 0, 39, 4},  // pitch changes too
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.w << "x" << c.h << " align " << c.ax << "," << c.ay);
        cEdStage s;
        s.SetSize(6, 5, 0, 0);
        Mark(s);
        ASSERT_EQ(s.SetSize(c.w, c.h, c.ax, c.ay), 1);
        auto find = [&](int graphic, int* fx, int* fy) {
            *fx = *fy = -1;
            for (int y = 0; y < s.m_Height; ++y)
                for (int x = 0; x < s.m_Width; ++x)
                    if (s.m_Blocks[s.CellIndex(x, y)].m_Graphic == graphic) {
                        EXPECT_EQ(s.m_Items[s.CellIndex(x, y)].m_Graphic, graphic);
                        *fx = x;
                        *fy = y;
                    }
        };
        int x, y;
        find(1, &x, &y);
        EXPECT_EQ(x, c.firstX);
        EXPECT_EQ(y, c.firstY);
        find(1 + 5 + 400, &x, &y);
        EXPECT_EQ(x, c.lastX);
        EXPECT_EQ(y, c.lastY);
        // nothing lands outside the stage's columns
        for (int yy = 0; yy < s.m_Height; ++yy)
            for (int xx = s.m_Width; xx < s.m_Pitch; ++xx) EXPECT_EQ(s.m_Blocks[s.CellIndex(xx, yy)].m_Graphic, 0);
    }
}

// The player survives whenever its cell is kept, and goes to (0, 0) when it
// is cut off, in every alignment.
TEST_F(StageSize, PlayerIsNeverLost) {
    const struct {
        int px, py, w, h, ax, ay;
        int expectX, expectY;
    } cases[] = {
        {5, 4, 4, 3, 0, 0, 0, 0},  // cut off on the right and bottom
        {5, 4, 4, 3, 1, 1, 3, 2},  // kept by the right and bottom alignment
        {0, 0, 4, 3, 1, 1, 0, 0},  // cut off on the left and top
        {0, 0, 4, 3, 0, 0, 0, 0},  // kept
        {1, 3, 4, 3, 0, 1, 1, 1},  // kept when the top goes
        {1, 3, 4, 3, 0, 0, 0, 0},  // cut when the bottom goes
        {5, 0, 4, 5, 1, 0, 3, 0},  // kept when the left goes
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "player " << c.px << "," << c.py << " align " << c.ax << "," << c.ay);
        cEdStage s;
        s.SetSize(6, 5, 0, 0);
        cEdChara& hero = s.m_Charas[s.CellIndex(c.px, c.py)];
        hero.m_Graphic = 4;
        hero.m_Control = 0;
        hero.m_Name = "主人公";
        s.SetSize(c.w, c.h, c.ax, c.ay);
        int x, y;
        ASSERT_TRUE(s.FindPlayer(&x, &y));
        EXPECT_EQ(x, c.expectX);
        EXPECT_EQ(y, c.expectY);
        EXPECT_EQ(s.m_Charas[s.CellIndex(x, y)].m_Name, "主人公");
    }
}

TEST_F(StageSize, ScrollLimitsFollowTheSize) {
    cEdStage s;
    s.SetSize(40, 30, 0, 0);
    s.m_ScrollMinX = 20;
    s.m_ScrollMaxX = 39;
    s.m_ScrollMinY = 15;
    s.m_ScrollMaxY = 29;
    s.SetSize(25, 20, 0, 0);
    s.Validate();
    EXPECT_EQ(s.m_ScrollMinX, 5);
    EXPECT_EQ(s.m_ScrollMaxX, 24);
    EXPECT_EQ(s.m_ScrollMinY, 5);
    EXPECT_EQ(s.m_ScrollMaxY, 19);
    s.SetSize(60, 40, 0, 0);  // nothing is raised
    EXPECT_EQ(s.m_ScrollMaxX, 24);
}

}  // namespace
