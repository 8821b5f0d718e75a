// The stage editing tools of the stage editor window: pen, line, rectangle,
// fill and edit, and the right-button selection. They paint with the brush of
// g_StageEdit into the layers of g_Stage at the cursor cell of g_StateStack.
#include <cstdlib>
#include <new>
#include <vector>

#include "app/stage_edit.h"
#include "app/stage_editor.h"
#include "base/msgbox.h"
#include "model/stage.h"
#include "objedit/blocksheet.h"
#include "objedit/charasheet.h"
#include "objedit/itemsheet.h"

namespace {

ShiftSourceFn s_ShiftSource = nullptr;

const int kMaxLineCells = 200;
const int kMaxFillDepth = 5000;

bool Inside(int x, int y) {
    return x >= 0 && y >= 0 && x < g_Stage.m_Width && y < g_Stage.m_Height;
}

int Cell(int x, int y) {
    return g_Stage.CellIndex(x, y);
}

// A default record with no graphic: an empty cell.
template <class T>
T EmptyRecord() {
    T record;
    record.ClearCell();
    return record;
}

// Wrap-around step of a brush column or row within 0 .. size - 1.
int Wrap(int v, int size) {
    if (size <= 0) return 0;
    if (v < 0) return size - 1;
    if (v >= size) return 0;
    return v;
}

class cWaitCursor {
public:
    cWaitCursor() { SetCursor(LoadCursor(nullptr, IDC_WAIT)); }
    ~cWaitCursor() { SetCursor(LoadCursor(nullptr, IDC_ARROW)); }
};

// The region between the selection anchor and the cursor cell.
void SelectionRegion(int* x, int* y) {
    const int cx = CursorX(), cy = CursorY();
    *x = cx < g_StageEdit.m_nSelAnchorX ? cx : g_StageEdit.m_nSelAnchorX;
    *y = cy < g_StageEdit.m_nSelAnchorY ? cy : g_StageEdit.m_nSelAnchorY;
}

template <class T>
void CopyRegion(cVector<T>& brush, const cVector<T>& layer, int x0, int y0) {
    const int w = g_StageEdit.m_nBrushW, h = g_StageEdit.m_nBrushH;
    brush.clear();
    for (int i = 0; i < w * h; ++i) brush.push_back(EmptyRecord<T>());
    for (int r = 0; r < h; ++r)
        for (int c = 0; c < w; ++c)
            if (Inside(x0 + c, y0 + r)) brush[r * w + c] = layer[Cell(x0 + c, y0 + r)];
}

template <class T>
void ClearRegion(cVector<T>& layer, int x0, int y0) {
    const T empty = EmptyRecord<T>();
    for (int r = 0; r < g_StageEdit.m_nBrushH; ++r)
        for (int c = 0; c < g_StageEdit.m_nBrushW; ++c)
            if (Inside(x0 + c, y0 + r)) layer[Cell(x0 + c, y0 + r)] = empty;
}

// The flood fill: the visiting order of a recursion (left, right, up, down)
// bounded to kMaxFillDepth nested steps, run on a stack of its own so a
// large stage never exhausts the thread's stack.
template <class T>
void Flood(cVector<T>& layer, const cVector<T>& brush, const T& seed, std::vector<int>& visited, int x0, int y0) {
    struct Frame {
        int x, y, c, r, next;
    };
    const int bw = g_StageEdit.m_nBrushW, bh = g_StageEdit.m_nBrushH;
    std::vector<Frame> stack;
    stack.reserve(kMaxFillDepth + 1);
    auto enter = [&](int x, int y, int c, int r) {
        const int depth = static_cast<int>(stack.size());
        const int cell = Cell(x, y);
        if (visited[cell] || depth > kMaxFillDepth) return;
        if (!(layer[cell] == seed)) return;
        const int entry = c + r * bw;
        if (entry < static_cast<int>(brush.size())) layer[cell] = brush[entry];
        visited[cell] = 1;
        stack.push_back(Frame{x, y, c, r, 0});
    };
    // The first call runs at depth 0; each neighbour one deeper.
    stack.clear();
    {
        const int cell = Cell(x0, y0);
        if (visited[cell] || !(layer[cell] == seed)) return;
        if (0 < static_cast<int>(brush.size())) layer[cell] = brush[0];
        visited[cell] = 1;
        stack.push_back(Frame{x0, y0, 0, 0, 0});
    }
    while (!stack.empty()) {
        Frame& f = stack.back();
        if (f.next >= 4) {
            stack.pop_back();
            continue;
        }
        const int n = f.next++;
        int x = f.x, y = f.y, c = f.c, r = f.r;
        switch (n) {
            case 0: x -= 1; c = Wrap(c - 1, bw); break;
            case 1: x += 1; c = Wrap(c + 1, bw); break;
            case 2: y -= 1; r = Wrap(r - 1, bh); break;
            case 3: y += 1; r = Wrap(r + 1, bh); break;
        }
        if (!Inside(x, y)) continue;
        // the depth counter stands at the caller's depth + 1 during the call
        if (static_cast<int>(stack.size()) >= kMaxFillDepth) continue;
        enter(x, y, c, r);
    }
}

}  // namespace

bool IsShiftDown() {
    if (s_ShiftSource) return s_ShiftSource();
    return (GetAsyncKeyState(VK_SHIFT) & 0x8000) != 0;
}

void SetShiftSource(ShiftSourceFn fn) {
    s_ShiftSource = fn;
}

bool LineStep(double& x, double& y, int endX, int endY, double length) {
    const int dx = endX - static_cast<int>(x);
    const int dy = endY - static_cast<int>(y);
    const double stepX = dx >= 0 ? 0.1 * length : -0.1 * length;
    const double stepY = dy >= 0 ? 0.1 * length : -0.1 * length;
    const int a = std::abs(dx), b = std::abs(dy);
    if (a > b) {
        int e = a / 2;
        for (int i = 0; i < 10; ++i) {
            e += b;
            if (e >= a) {
                y += stepY;
                e -= a;
            }
            x += stepX;
            if (static_cast<int>(x) == endX && static_cast<int>(y) == endY) return true;
        }
    } else {
        int e = b / 2;
        for (int i = 0; i < 10; ++i) {
            e += a;
            if (e >= b) {
                x += stepX;
                e -= b;
            }
            y += stepY;
            if (static_cast<int>(x) == endX && static_cast<int>(y) == endY) return true;
        }
    }
    return false;
}

void cStageEditorDlg::PaintCell(int cell, int i) {
    if (cell < 0 || i < 0) return;
    const bool all = IsShiftDown();
    const int layer = g_StageEdit.m_nLayer;
    if ((all || layer == 0) && i < static_cast<int>(g_StageEdit.m_BrushBlock.size()) && cell < static_cast<int>(g_Stage.m_Blocks.size()))
        g_Stage.m_Blocks[cell] = g_StageEdit.m_BrushBlock[i];
    if ((all || layer == 1) && i < static_cast<int>(g_StageEdit.m_BrushChara.size()) && cell < static_cast<int>(g_Stage.m_Charas.size()))
        g_Stage.PlaceChara(cell, g_StageEdit.m_BrushChara[i]);
    if ((all || layer == 2) && i < static_cast<int>(g_StageEdit.m_BrushItem.size()) && cell < static_cast<int>(g_Stage.m_Items.size()))
        g_Stage.m_Items[cell] = g_StageEdit.m_BrushItem[i];
}

void cStageEditorDlg::RunTool(UINT msg) {
    switch (g_StageEdit.m_nTool) {
        case 0: ToolPen(msg); break;
        case 1: ToolLine(msg); break;
        case 2: ToolRect(msg); break;
        case 3: ToolFill(msg); break;
        case 4: ToolEdit(msg); break;
    }
}

void cStageEditorDlg::ToolPen(UINT msg) {
    if (msg == WM_LBUTTONDOWN)
        PushUndo(kLayerMaskAll);
    else if (msg != WM_MOUSEMOVE || !(m_nMsgKeys & MK_LBUTTON))
        return;
    const int cx = CursorX(), cy = CursorY();
    for (int r = 0; r < g_StageEdit.m_nBrushH && cy + r < g_Stage.m_Height; ++r)
        for (int c = 0; c < g_StageEdit.m_nBrushW && cx + c < g_Stage.m_Width; ++c)
            if (Inside(cx + c, cy + r)) PaintCell(Cell(cx + c, cy + r), r * g_StageEdit.m_nBrushW + c);
    DrawPalettes();
}

void cStageEditorDlg::ToolLine(UINT msg) {
    if (msg == WM_LBUTTONDOWN) {
        g_StageEdit.m_nLineX = CursorX();
        g_StageEdit.m_nLineY = CursorY();
        g_StageEdit.m_bDrag = 1;
        return;
    }
    if (msg != WM_LBUTTONUP || !g_StageEdit.m_bDrag) return;
    cWaitCursor wait;
    PushUndoForTool();
    double px = g_StageEdit.m_nLineX + 0.5, py = g_StageEdit.m_nLineY + 0.5;
    const int ex = CursorX(), ey = CursorY();
    int c = 0;
    bool done = false;
    for (int n = 0; n < kMaxLineCells; ++n) {
        const int x = static_cast<int>(px), y = static_cast<int>(py);
        if (Inside(x, y)) PaintCell(Cell(x, y), c);
        if (done) break;
        done = LineStep(px, py, ex, ey, 1.0);
        c = c + 1 >= g_StageEdit.m_nBrushW ? 0 : c + 1;
    }
    DrawPalettes();
    g_StageEdit.m_bDrag = 0;
}

void cStageEditorDlg::ToolRect(UINT msg) {
    const int cx = CursorX(), cy = CursorY();
    if (msg == WM_LBUTTONDOWN) {
        g_StageEdit.m_nRectX = cx;
        g_StageEdit.m_nRectY = cy;
        g_StageEdit.m_bDrag = 1;
        g_StageEdit.m_nRectW = 1;
        g_StageEdit.m_nRectH = 1;
        return;
    }
    if (!g_StageEdit.m_bDrag) return;
    if (msg == WM_MOUSEMOVE) {
        if (!(m_nMsgKeys & MK_LBUTTON)) return;
        g_StageEdit.m_nRectW = std::abs(cx - g_StageEdit.m_nRectX) + 1;
        g_StageEdit.m_nRectH = std::abs(cy - g_StageEdit.m_nRectY) + 1;
        return;
    }
    if (msg != WM_LBUTTONUP) return;
    cWaitCursor wait;
    PushUndoForTool();
    const int x0 = cx < g_StageEdit.m_nRectX ? cx : g_StageEdit.m_nRectX;
    const int y0 = cy < g_StageEdit.m_nRectY ? cy : g_StageEdit.m_nRectY;
    g_StageEdit.m_nRectW = std::abs(cx - g_StageEdit.m_nRectX) + 1;
    g_StageEdit.m_nRectH = std::abs(cy - g_StageEdit.m_nRectY) + 1;
    g_StageEdit.m_nRectX = x0;
    g_StageEdit.m_nRectY = y0;
    const int bw = g_StageEdit.m_nBrushW, bh = g_StageEdit.m_nBrushH;
    int r = 0;
    for (int y = y0; y < y0 + g_StageEdit.m_nRectH && y < g_Stage.m_Height; ++y) {
        int c = 0;
        for (int x = x0; x < x0 + g_StageEdit.m_nRectW && x < g_Stage.m_Width; ++x) {
            if (Inside(x, y)) PaintCell(Cell(x, y), r * bw + c);
            c = c + 1 >= bw ? 0 : c + 1;
        }
        r = r + 1 >= bh ? 0 : r + 1;
    }
    DrawPalettes();
    g_StageEdit.m_bDrag = 0;
}

void cStageEditorDlg::ToolFill(UINT msg) {
    if (msg != WM_LBUTTONDOWN) return;
    const int x = CursorX(), y = CursorY();
    if (!Inside(x, y)) return;
    cWaitCursor wait;
    PushUndoLayer(g_StageEdit.m_nLayer);
    FloodFill(x, y);
    DrawPalettes();
}

void cStageEditorDlg::FloodFill(int x, int y) {
    std::vector<int> visited;
    try {
        visited.assign(static_cast<size_t>(g_Stage.LayerSize()), 0);
    } catch (const std::bad_alloc&) {
        OutOfMemory();
        return;
    }
    const int cell = Cell(x, y);
    switch (g_StageEdit.m_nLayer) {
        case 0:
            if (cell >= static_cast<int>(g_Stage.m_Blocks.size())) return;
            m_FillBlock = g_Stage.m_Blocks[cell];
            Flood(g_Stage.m_Blocks, g_StageEdit.m_BrushBlock, m_FillBlock, visited, x, y);
            break;
        case 1:
            if (cell >= static_cast<int>(g_Stage.m_Charas.size())) return;
            m_FillChara = g_Stage.m_Charas[cell];
            Flood(g_Stage.m_Charas, g_StageEdit.m_BrushChara, m_FillChara, visited, x, y);
            g_Stage.KeepOnePlayer();
            break;
        case 2:
            if (cell >= static_cast<int>(g_Stage.m_Items.size())) return;
            m_FillItem = g_Stage.m_Items[cell];
            Flood(g_Stage.m_Items, g_StageEdit.m_BrushItem, m_FillItem, visited, x, y);
            break;
    }
}

void cStageEditorDlg::ToolEdit(UINT msg) {
    if (msg == WM_LBUTTONDOWN) EditObjectAtCursor();
}

void cStageEditorDlg::EditObjectAtCursor() {
    const int x = CursorX(), y = CursorY();
    if (!Inside(x, y)) return;
    const int cell = Cell(x, y);
    if (cell >= static_cast<int>(g_Stage.m_Blocks.size()) || cell >= static_cast<int>(g_Stage.m_Charas.size()) || cell >= static_cast<int>(g_Stage.m_Items.size())) return;
    const bool used[3] = {g_Stage.m_Blocks[cell].m_Graphic != 0, g_Stage.m_Charas[cell].m_Graphic != 0,
                          g_Stage.m_Items[cell].m_Graphic != 0};
    int layer = g_StageEdit.m_nLayer;
    if (layer < 0 || layer > 2) return;
    if (!used[layer]) {
        static const int kOrder[3][2] = {{1, 2}, {2, 0}, {1, 0}};
        int found = -1;
        for (int other : kOrder[layer])
            if (used[other]) {
                found = other;
                break;
            }
        if (found < 0) return;
        g_StageEdit.SwitchLayer(found);
        layer = found;
    }
    g_StageEdit.g_EditTarget = 0;
    switch (layer) {
        case 0: g_StageEdit.g_EditOriginal.m_pBlock = &g_Stage.m_Blocks[cell]; break;
        case 1: g_StageEdit.g_EditOriginal.m_pChara = &g_Stage.m_Charas[cell]; break;
        case 2: g_StageEdit.g_EditOriginal.m_pItem = &g_Stage.m_Items[cell]; break;
    }
    // The sheet of the layer's kind opens on the cell's record.
    switch (layer) {
        case 0: OpenBlockSheetForCell(this, g_StageEdit.g_EditOriginal.m_pBlock); break;
        case 1: OpenCharaSheetForCell(this, g_StageEdit.g_EditOriginal.m_pChara); break;
        case 2: OpenItemSheetForCell(this, g_StageEdit.g_EditOriginal.m_pItem); break;
        default: break;
    }
}

void cStageEditorDlg::OnSelectMouse(UINT msg) {
    if (msg == WM_RBUTTONDOWN) {
        g_StageEdit.m_nSelAnchorX = CursorX();
        g_StageEdit.m_nSelAnchorY = CursorY();
        g_StageEdit.m_nCursorMode = 5;
        g_StageEdit.g_EditSource[1] = -1;
        g_StageEdit.m_bDrag = 1;
        msg = WM_MOUSEMOVE;
    }
    if (msg == WM_MOUSEMOVE) {
        if (g_StageEdit.m_nCursorMode == 5 && g_StageEdit.m_bDrag) {
            g_StageEdit.m_nBrushW = std::abs(CursorX() - g_StageEdit.m_nSelAnchorX) + 1;
            g_StageEdit.m_nBrushH = std::abs(CursorY() - g_StageEdit.m_nSelAnchorY) + 1;
        }
        return;
    }
    if (msg == WM_RBUTTONUP && g_StageEdit.m_bDrag && g_StageEdit.m_nCursorMode == 5) {
        CopySelection();
        g_StageEdit.SetTool(g_StageEdit.m_nTool);
        DrawPalettes();
        g_StageEdit.m_bDrag = 0;
    }
}

void cStageEditorDlg::CopySelection() {
    if (g_StageEdit.m_nCursorMode != 5) return;
    cWaitCursor wait;
    g_StageEdit.m_nBrushW = std::abs(CursorX() - g_StageEdit.m_nSelAnchorX) + 1;
    g_StageEdit.m_nBrushH = std::abs(CursorY() - g_StageEdit.m_nSelAnchorY) + 1;
    int x0, y0;
    SelectionRegion(&x0, &y0);
    const bool all = IsShiftDown();
    const int layer = g_StageEdit.m_nLayer;
    if (all || layer == 0) CopyRegion(g_StageEdit.m_BrushBlock, g_Stage.m_Blocks, x0, y0);
    if (all || layer == 1) CopyRegion(g_StageEdit.m_BrushChara, g_Stage.m_Charas, x0, y0);
    if (all || layer == 2) CopyRegion(g_StageEdit.m_BrushItem, g_Stage.m_Items, x0, y0);
}

void cStageEditorDlg::ClearSelection() {
    if (g_StageEdit.m_nCursorMode != 5) return;
    cWaitCursor wait;
    int x0, y0;
    SelectionRegion(&x0, &y0);
    const bool all = IsShiftDown();
    const int layer = g_StageEdit.m_nLayer;
    if (all || layer == 0) ClearRegion(g_Stage.m_Blocks, x0, y0);
    if (all || layer == 1) ClearRegion(g_Stage.m_Charas, x0, y0);
    if (all || layer == 2) ClearRegion(g_Stage.m_Items, x0, y0);
}

void cStageEditorDlg::TurnSelection() {
    if (g_StageEdit.m_nCursorMode != 5) return;
    if (!IsShiftDown() && g_StageEdit.m_nLayer != 1) return;
    cWaitCursor wait;
    int x0, y0;
    SelectionRegion(&x0, &y0);
    for (int r = 0; r < g_StageEdit.m_nBrushH; ++r)
        for (int c = 0; c < g_StageEdit.m_nBrushW; ++c) {
            if (!Inside(x0 + c, y0 + r)) continue;
            cEdChara& chara = g_Stage.m_Charas[Cell(x0 + c, y0 + r)];
            const bool inherited = chara.m_bbInherit.size() > 5 && chara.m_bbInherit[5];
            if (!inherited) chara.m_FaceRight = chara.m_FaceRight ? 0 : 1;
        }
}
