// The stage view and the object icons, drawn off-screen from synthetic
// picture sheets whose every 16 x 16 block has a colour of its own (sheet,
// column, row), and checked pixel by pixel.
#include <gtest/gtest.h>

#include <windows.h>

#include "app/services.h"
#include "app/stage_edit.h"
#include "app/stage_editor.h"
#include "app/stage_editor_res.h"
#include "base/record.h"
#include "model/database.h"
#include "model/stage.h"

extern cEdDatabase g_Database;

namespace {

const int kSheetW = 640;
const int kSheetH = 480;

COLORREF Code(int sheet, int px, int py) {
    return RGB(sheet, px / 16, py / 16);
}

void MakeSheet(cDib& dib, int sheet) {
    ASSERT_TRUE(dib.Create(kSheetW, kSheetH, 32, 0));
    for (int y = 0; y < kSheetH; ++y) {
        uint8_t* row = dib.Row(y);
        for (int x = 0; x < kSheetW; ++x) {
            const COLORREF c = Code(sheet, x, y);
            row[x * 4 + 0] = GetBValue(c);
            row[x * 4 + 1] = GetGValue(c);
            row[x * 4 + 2] = GetRValue(c);
        }
    }
}

COLORREF Pixel(const cDib& dib, int x, int y) {
    GdiFlush();
    const uint8_t* p = dib.Row(y) + x * 4;
    return RGB(p[2], p[1], p[0]);
}

bool AllBlack(const cDib& dib) {
    GdiFlush();
    for (int y = 0; y < dib.m_Height; ++y)
        for (int x = 0; x < dib.m_Width; ++x)
            if (Pixel(dib, x, y) != RGB(0, 0, 0)) return false;
    return true;
}

void Black(cDib& dib) {
    RECT rc = {0, 0, dib.m_Width, dib.m_Height};
    FillRect(dib.m_hDC, &rc, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    GdiFlush();
}

// Chara bitmap surfaces are coded as sheets 100 + surface.
const int kCharaSurfaceCode = 100;

class StageView : public testing::Test {
protected:
    static void SetUpTestSuite() {
        SetDataVersion(248, 0);
        s_AnimeSet = g_Database.m_AnimeSet;
        s_BmpCharaExc = g_Database.m_BmpCharaExc;
        for (int s = 1; s <= 21; ++s) MakeSheet(g_Bitmaps[s], s);
        g_CharaBitmaps.clear();
        for (int i = 0; i < 6; ++i) {
            g_CharaBitmaps.push_back(cDib());
            MakeSheet(g_CharaBitmaps.back(), kCharaSurfaceCode + i);
        }
        g_Database.m_AnimeSet.resize(2);
        g_Database.m_AnimeSet[1].m_FlyShift = 2;
        g_Database.m_AnimeSet[1].m_InvincibleShift = 3;
        g_Database.m_AnimeSet[1].m_BlockShift = 5;
        g_Database.m_BmpCharaExc.resize(3);
        g_Database.m_BmpCharaExc[1].m_Giant = 0;
        g_Database.m_BmpCharaExc[2].m_Giant = 1;
        g_Database.m_BmpCharaExc[2].m_GiantSize = 2;
    }
    static void TearDownTestSuite() {
        for (int s = 1; s <= 21; ++s) g_Bitmaps[s].Delete();
        g_CharaBitmaps.clear();
        g_Database.m_AnimeSet = s_AnimeSet;
        g_Database.m_BmpCharaExc = s_BmpCharaExc;
    }
    // The project's tables as the other tests find them.
    static cVector<cEdAnimeSet> s_AnimeSet;
    static cVector<cEdBmpCharaExc> s_BmpCharaExc;
    void SetUp() override { ASSERT_TRUE(m_Dst.Create(64, 64, 32, 0)); }

    cDib m_Dst;
};

cVector<cEdAnimeSet> StageView::s_AnimeSet;
cVector<cEdBmpCharaExc> StageView::s_BmpCharaExc;

struct IconCase {
    const char* what;
    int type, kind, index, offset;
    int face, fly, invincible, blockLike, animeSet;
    int markShown, mark, half;
    int sheet, sx, sy;  // the source block expected; sheet 0: nothing drawn
    int dx, dy;         // where in the destination to look
};

const IconCase kIcons[] = {
    {"block chip", 0, 0, 17, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 32, 64, 2, 2},
    {"block chip half", 0, 0, 17, 0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 32, 64, 18, 2},
    {"character facing the other way, graphic 16", 1, 1, 16, 2, 1, 0, 0, 0, 0, 0, 0, 0, 5, 64, 32, 2, 2},
    {"character as drawn", 1, 1, 16, 2, 0, 0, 0, 0, 0, 0, 0, 0, 4, 64, 32, 2, 2},
    {"flying character takes the anime set's offset", 1, 1, 1, 1, 0, 1, 0, 0, 1, 0, 0, 0, 2, 96, 32, 2, 2},
    {"flying, invincible and blocking add up", 1, 1, 1, 1, 0, 1, 1, 1, 1, 0, 0, 0, 2, 11 * 32, 32, 2, 2},
    {"block with a character graphic, offset 23", 0, 1, 3, 23, 0, 0, 0, 0, 0, 0, 0, 0, 3, 96, 96, 2, 2},
    {"item with a character graphic, offset 4", 2, 1, 3, 4, 0, 0, 0, 0, 0, 0, 0, 0, 2, 128, 96, 2, 2},
    {"item", 2, 2, 20, 0, 0, 0, 0, 0, 0, 0, 0, 0, 18, 64, 160, 2, 2},
    {"item half from the small sheet", 2, 2, 20, 0, 0, 0, 0, 0, 0, 0, 0, 1, 19, 32, 80, 18, 2},
    {"shot centred", 2, 3, 31, 0, 0, 0, 0, 0, 0, 0, 0, 0, 20, 32, 16, 10, 10},
    {"shot half", 2, 3, 31, 0, 0, 0, 0, 0, 0, 0, 0, 1, 20, 32, 16, 21, 5},
    {"character bitmap", 1, 4, 1, 3, 0, 0, 0, 0, 0, 0, 0, 0, kCharaSurfaceCode + 2, 96, 0, 2, 2},
    {"character bitmap mirrored", 1, 4, 1, 3, 1, 0, 0, 0, 0, 0, 0, 0, kCharaSurfaceCode + 3, 96, 0, 2, 2},
    {"giant character bitmap", 0, 4, 2, 9, 0, 0, 0, 0, 0, 0, 0, 0, kCharaSurfaceCode + 4, 64, 64, 2, 2},
    {"mark over the block", 0, 0, 1, 0, 0, 0, 0, 0, 0, 1, 16, 0, 21, 32, 32, 2, 2},
    {"mark half", 0, 0, 1, 0, 0, 0, 0, 0, 0, 1, 16, 1, 21, 32, 32, 18, 2},
};

TEST_F(StageView, IconsComeFromTheirSheetCells) {
    for (const IconCase& c : kIcons) {
        SCOPED_TRACE(c.what);
        Black(m_Dst);
        cEdChara chara;
        chara.m_FaceRight = static_cast<int8_t>(c.face);
        chara.m_Flight = static_cast<int8_t>(c.fly);
        chara.m_Invincible = static_cast<int8_t>(c.invincible);
        chara.m_BlockLike = static_cast<int8_t>(c.blockLike);
        chara.m_AnimeSetNo = static_cast<int16_t>(c.animeSet);
        DrawObjectIcon(&m_Dst, 0, 0, c.type, c.kind, c.index, c.offset, c.type == 1 ? &chara : nullptr, c.markShown,
                       c.mark, c.half);
        EXPECT_EQ(Code(c.sheet, c.sx, c.sy), Pixel(m_Dst, c.dx, c.dy));
        // the icon stays in its cell (or quarter)
        EXPECT_EQ(RGB(0, 0, 0), Pixel(m_Dst, 40, 40));
        if (c.half) {
            EXPECT_EQ(RGB(0, 0, 0), Pixel(m_Dst, 2, 20));
        }
    }
}

struct EmptyCase {
    const char* what;
    int type, kind, index, offset, withChara, markShown;
};

const EmptyCase kNothing[] = {
    {"graphic 0, even with its mark", 0, 0, 0, 0, 0, 1},
    {"a character graphic of a character without its record", 1, 1, 3, 0, 0, 0},
    {"a graphic number past the last character sheet", 0, 1, 250, 0, 0, 0},
    {"a character bitmap past the table", 1, 4, 9, 0, 1, 0},
    {"a giant bitmap of size 0", 0, 4, 2, 3, 0, 0},
    {"an unknown kind", 0, 7, 3, 0, 0, 0},
};

TEST_F(StageView, DrawsNothingForWhatHasNoPicture) {
    cEdChara chara;
    for (const EmptyCase& c : kNothing) {
        SCOPED_TRACE(c.what);
        const int32_t oldSize = g_Database.m_BmpCharaExc[2].m_GiantSize;
        if (c.kind == 4 && c.index == 2) g_Database.m_BmpCharaExc[2].m_GiantSize = 0;
        Black(m_Dst);
        DrawObjectIcon(&m_Dst, 0, 0, c.type, c.kind, c.index, c.offset, c.withChara ? &chara : nullptr, c.markShown,
                       0, 0);
        g_Database.m_BmpCharaExc[2].m_GiantSize = oldSize;
        EXPECT_TRUE(AllBlack(m_Dst));
    }
}

class StageViewWindow : public StageView {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_View.Create(640, 480, 32, 0));
        g_Stage.SetDefault();
        g_StageEdit.Reset();
        g_StateStack.Reset();
        g_StageEdit.m_bOpen = 1;
        m_Dlg = new cStageEditorDlg(IDD_STAGE_EDITOR, nullptr, kWndDialog, nullptr);
    }
    void TearDown() override { delete m_Dlg; }
    void Render() {
        m_Dlg->DrawView(&m_View, 640, 480);
        GdiFlush();
    }
    static void Cursor(int x, int y) {
        g_StateStack.m_pCurrent->m_Values[0] = x;
        g_StateStack.m_pCurrent->m_Values[1] = y;
    }

    cDib m_View;
    cStageEditorDlg* m_Dlg = nullptr;
};

TEST_F(StageViewWindow, LayersGridGuideLinesAndLimits) {
    g_Stage.m_Blocks[g_Stage.CellIndex(1, 1)].m_Graphic = 17;
    cEdItem item;
    item.m_Graphic = 20;
    item.m_GraphicSource = 2;
    g_Stage.m_Items[g_Stage.CellIndex(2, 1)] = item;
    g_Stage.m_bScrollMinX = 1;
    g_Stage.m_ScrollMinX = 3;
    Cursor(10, 10);
    m_Dlg->m_nViewX = 1;
    Render();
    // the block of cell (1, 1) at view column 0; the item at half size
    EXPECT_EQ(Code(1, 32, 64), Pixel(m_View, 5, 37));
    EXPECT_EQ(Code(19, 32, 80), Pixel(m_View, 32 + 20, 37));
    EXPECT_EQ(RGB(0, 0, 0), Pixel(m_View, 32 + 5, 32 + 25));
    // grid, with the closing lines
    EXPECT_EQ(RGB(255, 255, 255), Pixel(m_View, 0, 100));
    EXPECT_EQ(RGB(255, 255, 255), Pixel(m_View, 639, 100));
    EXPECT_EQ(RGB(255, 255, 255), Pixel(m_View, 100, 479));
    EXPECT_EQ(RGB(0, 0, 0), Pixel(m_View, 100, 100));
    // guide lines and the left scroll limit (one pixel left of column 3)
    EXPECT_EQ(RGB(255, 64, 32), Pixel(m_View, 304, 100));
    EXPECT_EQ(RGB(255, 64, 32), Pixel(m_View, 100, 256));
    EXPECT_EQ(RGB(32, 255, 64), Pixel(m_View, (3 - 1) * 32 - 1, 100));
}

TEST_F(StageViewWindow, ViewWiderThanTheStageDrawsNoCellsPastIt) {
    for (int y = 0; y < g_Stage.m_Height; ++y) g_Stage.m_Blocks[g_Stage.CellIndex(19, y)].m_Graphic = 17;
    m_Dlg->m_nViewX = 10;
    Cursor(0, 0);
    Render();
    EXPECT_EQ(Code(1, 32, 64), Pixel(m_View, 9 * 32 + 5, 5 + 32));
    EXPECT_EQ(RGB(0, 0, 0), Pixel(m_View, 10 * 32 + 5, 5 + 32));
    EXPECT_EQ(RGB(255, 255, 255), Pixel(m_View, 12 * 32, 100));
}

TEST_F(StageViewWindow, CursorFramesByMode) {
    Cursor(5, 5);
    g_StageEdit.m_nBrushW = 2;
    g_StageEdit.m_nBrushH = 1;
    Render();
    // pen: a frame the brush's size
    EXPECT_EQ(RGB(128, 0, 255), Pixel(m_View, 160, 170));
    EXPECT_EQ(RGB(128, 0, 255), Pixel(m_View, 224, 170));
    // selection: the selection frame only, in its own colour
    g_StageEdit.m_nCursorMode = 5;
    g_StageEdit.m_bDrag = 1;
    g_StageEdit.m_nSelAnchorX = 7;
    g_StageEdit.m_nSelAnchorY = 6;
    Render();
    EXPECT_EQ(RGB(255, 0, 128), Pixel(m_View, 160, 170));
    EXPECT_EQ(RGB(255, 0, 128), Pixel(m_View, 256, 170));
    g_StageEdit.m_bDrag = 0;
    Render();
    EXPECT_EQ(RGB(255, 255, 255), Pixel(m_View, 160, 170));
}

TEST_F(StageViewWindow, WithoutAnOpenStageTheViewIsBlack) {
    g_Stage.m_Blocks[0].m_Graphic = 17;
    g_StageEdit.m_bOpen = 0;
    Render();
    EXPECT_TRUE(AllBlack(m_View));
}

}  // namespace
