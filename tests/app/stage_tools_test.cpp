// The stage editing tools as operations on a stage: pen, line, rectangle,
// fill and the right-button selection, on each layer and on all three with
// SHIFT, each change recorded in the undo history first.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "app/stage_edit.h"
#include "app/stage_editor.h"
#include "app/stage_editor_res.h"
#include "base/record.h"
#include "model/stage.h"
#include "ui/dlg.h"

namespace {

bool s_Shift = false;
bool FakeShift() {
    return s_Shift;
}

typedef std::vector<std::pair<int, int>> Cells;

class StageTools : public testing::TestWithParam<int> {
protected:
    // GetParam(): layer 0, 1 or 2, or 3 for all three layers with SHIFT.
    void SetUp() override {
        SetDataVersion(248, 0);
        SetShiftSource(&FakeShift);
        s_Shift = GetParam() == 3;
        g_Stage.SetDefault();
        g_StageEdit.Reset();
        g_StateStack.Reset();
        g_StageEdit.m_bOpen = 1;
        g_StageEdit.m_nLayer = GetParam() == 3 ? 0 : GetParam();
        g_Stage.m_UndoCount = 4;
        g_StageEdit.AllocUndo(4, g_Stage.m_Pitch, g_Stage.m_Height);
        m_Dlg = new cStageEditorDlg(IDD_STAGE_EDITOR, nullptr, kWndDialog, nullptr);
    }
    void TearDown() override {
        delete m_Dlg;
        SetShiftSource(nullptr);
        s_Shift = false;
        // the stage and edit state as the other tests find them
        g_Stage.SetDefault();
        g_StageEdit.Reset();
        g_StageEdit.g_EditSource[1] = 0;
        cStageEdit& e = g_StageEdit;
        e.m_UndoBlock.clear();
        e.m_UndoChara.clear();
        e.m_UndoItem.clear();
        e.m_RedoBlock.clear();
        e.m_RedoChara.clear();
        e.m_RedoItem.clear();
        e.m_UndoFlags.clear();
        e.m_RedoFlags.clear();
        e.m_nUndo = e.m_nRedo = 0;
    }

    // A w x h brush on every layer; entry i has graphic base + i.
    void Brush(int w, int h, int base = 1) {
        g_StageEdit.m_nBrushW = w;
        g_StageEdit.m_nBrushH = h;
        g_StageEdit.m_BrushBlock.clear();
        g_StageEdit.m_BrushChara.clear();
        g_StageEdit.m_BrushItem.clear();
        for (int i = 0; i < w * h; ++i) {
            cEdBlock b;
            b.m_Graphic = static_cast<int16_t>(base + i);
            cEdChara c;
            c.ClearCell();
            c.m_Graphic = static_cast<int16_t>(base + i);
            cEdItem it;
            it.m_Graphic = static_cast<int16_t>(base + i);
            g_StageEdit.m_BrushBlock.push_back(b);
            g_StageEdit.m_BrushChara.push_back(c);
            g_StageEdit.m_BrushItem.push_back(it);
        }
    }

    static void Cursor(int x, int y) {
        g_StateStack.m_pCurrent->m_Values[0] = x;
        g_StateStack.m_pCurrent->m_Values[1] = y;
    }

    // The graphic of a cell in a layer.
    static int At(int layer, int x, int y) {
        const int cell = g_Stage.CellIndex(x, y);
        switch (layer) {
            case 0: return g_Stage.m_Blocks[cell].m_Graphic;
            case 1: return g_Stage.m_Charas[cell].m_Graphic;
            default: return g_Stage.m_Items[cell].m_Graphic;
        }
    }

    // The layers the tool must write, and those it must leave alone.
    std::vector<int> Written() const {
        if (GetParam() == 3) return {0, 1, 2};
        return {GetParam()};
    }
    std::vector<int> Untouched() const {
        std::vector<int> out;
        for (int l = 0; l < 3; ++l)
            if (GetParam() != 3 && l != GetParam()) out.push_back(l);
        return out;
    }

    // Every occupied cell of a layer, row by row.
    static Cells Occupied(int layer) {
        Cells out;
        for (int y = 0; y < g_Stage.m_Height; ++y)
            for (int x = 0; x < g_Stage.m_Width; ++x)
                if (At(layer, x, y)) out.push_back({x, y});
        return out;
    }

    void Line(int x0, int y0, int x1, int y1) {
        Cursor(x0, y0);
        m_Dlg->ToolLine(WM_LBUTTONDOWN);
        Cursor(x1, y1);
        m_Dlg->ToolLine(WM_LBUTTONUP);
    }

    void Rect(int x0, int y0, int x1, int y1) {
        Cursor(x0, y0);
        m_Dlg->ToolRect(WM_LBUTTONDOWN);
        Cursor(x1, y1);
        m_Dlg->ToolRect(WM_LBUTTONUP);
    }

    cStageEditorDlg* m_Dlg = nullptr;
};

struct LineCase {
    int x0, y0, x1, y1;
    Cells cells;  // in the order the line paints them
};

const LineCase kLines[] = {
    {0, 0, 5, 2, {{0, 0}, {1, 0}, {2, 1}, {3, 1}, {4, 2}, {5, 2}}},
    {5, 2, 0, 0, {{5, 2}, {4, 2}, {3, 1}, {2, 1}, {1, 0}, {0, 0}}},
    // the start is the end: painted, then painted again after the first step
    {4, 4, 4, 4, {{4, 4}, {4, 4}}},
    {2, 1, 2, 5, {{2, 1}, {2, 2}, {2, 3}, {2, 4}, {2, 5}}},
};

TEST_P(StageTools, LinePaintsItsCellsInOrderWithTheBrushColumnsCycling) {
    for (const LineCase& lc : kLines) {
        SCOPED_TRACE(testing::Message() << "line " << lc.x0 << "," << lc.y0 << " - " << lc.x1 << "," << lc.y1);
        g_Stage.SetDefault();
        Brush(4, 1, 1);
        Line(lc.x0, lc.y0, lc.x1, lc.y1);
        Cells sorted = lc.cells;
        std::sort(sorted.begin(), sorted.end(), [](const std::pair<int, int>& a, const std::pair<int, int>& b) {
            return a.second != b.second ? a.second < b.second : a.first < b.first;
        });
        sorted.erase(std::unique(sorted.begin(), sorted.end()), sorted.end());
        for (int layer : Written()) {
            EXPECT_EQ(sorted, Occupied(layer)) << "layer " << layer;
            // the last painting of a cell is what it shows
            for (size_t k = 0; k < lc.cells.size(); ++k) {
                bool last = true;
                for (size_t later = k + 1; later < lc.cells.size(); ++later)
                    if (lc.cells[later] == lc.cells[k]) last = false;
                if (last) {
                    EXPECT_EQ(static_cast<int>(k % 4) + 1, At(layer, lc.cells[k].first, lc.cells[k].second))
                        << "cell " << k << " of layer " << layer;
                }
            }
        }
        for (int layer : Untouched()) EXPECT_TRUE(Occupied(layer).empty()) << "layer " << layer;
        EXPECT_EQ(0, g_StageEdit.m_bDrag);
    }
}

TEST_P(StageTools, LineStopsAfterTwoHundredCells) {
    ASSERT_EQ(1, g_Stage.SetSize(260, 15, 0, 0));
    g_StageEdit.AllocUndo(4, g_Stage.m_Pitch, g_Stage.m_Height);
    Brush(1, 1);
    Line(0, 0, 250, 0);
    for (int layer : Written()) {
        const Cells cells = Occupied(layer);
        ASSERT_EQ(200u, cells.size());
        EXPECT_EQ(std::make_pair(199, 0), cells.back());
    }
}

TEST_P(StageTools, RectangleTilesTheBrushFromItsTopLeftCorner) {
    Brush(2, 2, 10);
    // dragged from the bottom right to the top left
    Rect(3, 3, 1, 1);
    const int pattern[3][3] = {{10, 11, 10}, {12, 13, 12}, {10, 11, 10}};
    for (int layer : Written()) {
        EXPECT_EQ(9u, Occupied(layer).size());
        for (int r = 0; r < 3; ++r)
            for (int c = 0; c < 3; ++c) EXPECT_EQ(pattern[r][c], At(layer, 1 + c, 1 + r)) << layer << ":" << c << "," << r;
    }
    for (int layer : Untouched()) EXPECT_TRUE(Occupied(layer).empty());
}

TEST_P(StageTools, RectangleAndPenStopAtTheStageEdges) {
    Brush(3, 2);
    Rect(17, 12, 30, 30);
    for (int layer : Written()) EXPECT_EQ(3u * 3u, Occupied(layer).size());
    g_Stage.SetDefault();
    g_StageEdit.AllocUndo(4, g_Stage.m_Pitch, g_Stage.m_Height);
    Cursor(19, 14);
    m_Dlg->ToolPen(WM_LBUTTONDOWN);
    for (int layer : Written()) EXPECT_EQ((Cells{{19, 14}}), Occupied(layer));
}

TEST_P(StageTools, FillStopsAtOccupiedCellsWithTheBrushAlignedToTheClick) {
    // a wall in column 5 of the filled layer(s)
    Brush(1, 1, 50);
    Line(5, 0, 5, 14);
    Brush(2, 1, 1);
    Cursor(2, 3);
    m_Dlg->ToolFill(WM_LBUTTONDOWN);
    const int layer = GetParam() == 3 ? 0 : GetParam();  // the fill ignores SHIFT
    for (int y = 0; y < 15; ++y) {
        for (int x = 0; x < 5; ++x) EXPECT_EQ((x - 2 + 2) % 2 + 1, At(layer, x, y)) << x << "," << y;
        EXPECT_EQ(50, At(layer, 5, y));
        for (int x = 6; x < 20; ++x) EXPECT_EQ(0, At(layer, x, y)) << x << "," << y;
    }
    for (int other = 0; other < 3; ++other)
        if (other != layer && GetParam() != 3) {
            EXPECT_TRUE(Occupied(other).empty());
        }
}

TEST_P(StageTools, FillWithTheClickedRecordEnds) {
    Brush(1, 1, 0);
    Cursor(0, 0);
    m_Dlg->ToolFill(WM_LBUTTONDOWN);
    for (int layer = 0; layer < 3; ++layer) EXPECT_TRUE(Occupied(layer).empty());
}

TEST_P(StageTools, FillOfTheLargestStageStaysWithinItsDepth) {
    ASSERT_EQ(1, g_Stage.SetSize(512, 512, 0, 0));
    g_StageEdit.AllocUndo(1, g_Stage.m_Pitch, g_Stage.m_Height);
    Brush(1, 1, 7);
    Cursor(256, 256);
    m_Dlg->ToolFill(WM_LBUTTONDOWN);
    const int layer = GetParam() == 3 ? 0 : GetParam();
    EXPECT_EQ(7, At(layer, 256, 256));
    const size_t filled = Occupied(layer).size();
    EXPECT_GE(filled, 5000u);
    EXPECT_LE(filled, 512u * 512u);
}

TEST_P(StageTools, EachChangeCanBeUndone) {
    Brush(1, 1, 3);
    Cursor(4, 4);
    m_Dlg->ToolPen(WM_LBUTTONDOWN);
    Line(0, 0, 3, 0);
    Rect(0, 2, 1, 3);
    EXPECT_EQ(3, g_StageEdit.m_nUndo);
    for (int i = 0; i < 3; ++i) g_StageEdit.Undo(g_Stage.m_Blocks, g_Stage.m_Charas, g_Stage.m_Items);
    for (int layer = 0; layer < 3; ++layer) EXPECT_TRUE(Occupied(layer).empty()) << layer;
    g_StageEdit.Redo(g_Stage.m_Blocks, g_Stage.m_Charas, g_Stage.m_Items);
    for (int layer : Written()) EXPECT_EQ((Cells{{4, 4}}), Occupied(layer));
}

TEST_P(StageTools, SelectionCopiesCutsClearsAndTurns) {
    Brush(1, 1, 9);
    Rect(2, 2, 3, 4);
    // right-drag a 2 x 3 region and release: a 2 x 3 brush of its cells
    Cursor(2, 2);
    m_Dlg->OnSelectMouse(WM_RBUTTONDOWN);
    EXPECT_EQ(5, g_StageEdit.m_nCursorMode);
    Cursor(3, 4);
    m_Dlg->OnSelectMouse(WM_MOUSEMOVE);
    m_Dlg->OnSelectMouse(WM_RBUTTONUP);
    EXPECT_EQ(2, g_StageEdit.m_nBrushW);
    EXPECT_EQ(3, g_StageEdit.m_nBrushH);
    EXPECT_EQ(-1, g_StageEdit.g_EditSource[1]);
    EXPECT_NE(5, g_StageEdit.m_nCursorMode);
    for (int layer : Written()) {
        const int size = layer == 0   ? static_cast<int>(g_StageEdit.m_BrushBlock.size())
                         : layer == 1 ? static_cast<int>(g_StageEdit.m_BrushChara.size())
                                      : static_cast<int>(g_StageEdit.m_BrushItem.size());
        EXPECT_EQ(6, size) << layer;
    }
    // D cuts the region into the brush
    Cursor(2, 2);
    m_Dlg->OnSelectMouse(WM_RBUTTONDOWN);
    Cursor(3, 4);
    m_Dlg->OnSelectMouse(WM_MOUSEMOVE);
    ASSERT_EQ(5, g_StageEdit.m_nCursorMode);
    m_Dlg->PushUndoForTool();
    m_Dlg->CopySelection();
    m_Dlg->ClearSelection();
    for (int layer : Written()) EXPECT_TRUE(Occupied(layer).empty()) << layer;
    for (int layer : Written()) {
        const int first = layer == 0 ? g_StageEdit.m_BrushBlock[5].m_Graphic
                          : layer == 1 ? g_StageEdit.m_BrushChara[5].m_Graphic
                                       : g_StageEdit.m_BrushItem[5].m_Graphic;
        EXPECT_EQ(9, first) << layer;
    }
}

// The letter keys as the stage editor window receives them: they act only
// while a right-button selection is dragged.
TEST_P(StageTools, SelectionKeysActOnlyWhileRightDragging) {
    auto key = [this](WPARAM vk) { m_Dlg->MsgProc(m_Dlg->m_hWnd, WM_KEYDOWN, vk, 0); };
    auto drag = [this]() {
        Cursor(2, 2);
        m_Dlg->OnSelectMouse(WM_RBUTTONDOWN);
        Cursor(3, 4);
        m_Dlg->OnSelectMouse(WM_MOUSEMOVE);
    };
    Brush(1, 1, 9);
    Rect(2, 2, 3, 4);
    const int undo = g_StageEdit.m_nUndo;
    g_StageEdit.m_bModified = 0;
    for (WPARAM vk : {WPARAM('Q'), WPARAM('D'), WPARAM('R')}) key(vk);
    for (int layer : Written()) EXPECT_EQ(6u, Occupied(layer).size()) << layer;
    EXPECT_EQ(undo, g_StageEdit.m_nUndo);
    EXPECT_EQ(0, g_StageEdit.m_bModified);

    // Q empties the region; the drag goes on and the release takes the
    // emptied cells into the brush
    drag();
    key('Q');
    EXPECT_EQ(undo + 1, g_StageEdit.m_nUndo);
    EXPECT_EQ(1, g_StageEdit.m_bModified);
    EXPECT_EQ(5, g_StageEdit.m_nCursorMode);
    for (int layer : Written()) EXPECT_TRUE(Occupied(layer).empty()) << layer;
    m_Dlg->OnSelectMouse(WM_RBUTTONUP);
    for (int layer : Written()) {
        std::vector<int> graphics;
        if (layer == 0)
            for (const cEdBlock& b : g_StageEdit.m_BrushBlock) graphics.push_back(b.m_Graphic);
        if (layer == 1)
            for (const cEdChara& c : g_StageEdit.m_BrushChara) graphics.push_back(c.m_Graphic);
        if (layer == 2)
            for (const cEdItem& it : g_StageEdit.m_BrushItem) graphics.push_back(it.m_Graphic);
        EXPECT_EQ(std::vector<int>(6, 0), graphics) << layer;
    }

    // D cuts the region into the brush and ends the selection: the release
    // then does nothing more
    Brush(1, 1, 9);
    Rect(2, 2, 3, 4);
    drag();
    key('D');
    EXPECT_NE(5, g_StageEdit.m_nCursorMode);
    for (int layer : Written()) EXPECT_TRUE(Occupied(layer).empty()) << layer;
    m_Dlg->OnSelectMouse(WM_RBUTTONUP);
    Rect(5, 5, 5, 5);  // the cut brush's first record painted elsewhere
    for (int layer : Written()) EXPECT_EQ(9, At(layer, 5, 5)) << layer;
}

std::string LayerName(const testing::TestParamInfo<int>& info) {
    static const char* const kNames[] = {"Blocks", "Charas", "Items", "AllWithShift"};
    return kNames[info.param];
}

INSTANTIATE_TEST_SUITE_P(Layers, StageTools, testing::Values(0, 1, 2, 3), LayerName);

TEST(StageToolsTurn, TurnsCharactersWhoseFacingIsNotInherited) {
    SetDataVersion(248, 0);
    g_Stage.SetDefault();
    g_StageEdit.Reset();
    g_StateStack.Reset();
    g_StageEdit.m_nLayer = 1;
    cStageEditorDlg dlg(IDD_STAGE_EDITOR, nullptr, kWndDialog, nullptr);
    cEdChara free;
    free.ClearCell();
    free.m_Graphic = 3;
    cEdChara inheriting = free;
    ASSERT_GT(inheriting.m_bbInherit.size(), 5u);
    inheriting.m_bbInherit[5] = 1;
    g_Stage.m_Charas[g_Stage.CellIndex(0, 0)] = free;
    g_Stage.m_Charas[g_Stage.CellIndex(1, 0)] = inheriting;
    g_StageEdit.m_nSelAnchorX = 0;
    g_StageEdit.m_nSelAnchorY = 0;
    g_StateStack.m_pCurrent->m_Values[0] = 1;
    g_StateStack.m_pCurrent->m_Values[1] = 0;
    g_StageEdit.m_nBrushW = 2;
    g_StageEdit.m_nBrushH = 1;
    g_StageEdit.m_nCursorMode = 5;
    dlg.TurnSelection();
    EXPECT_EQ(free.m_FaceRight ? 0 : 1, g_Stage.m_Charas[g_Stage.CellIndex(0, 0)].m_FaceRight);
    EXPECT_EQ(inheriting.m_FaceRight, g_Stage.m_Charas[g_Stage.CellIndex(1, 0)].m_FaceRight);
}

}  // namespace
