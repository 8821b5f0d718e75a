// The stage view of the stage editor window (the three layers, grid, guide
// lines, scroll limits, cursor and tool previews, status text and title) and
// the icon drawing of block, character and item definitions.
#include <cstdlib>
#include <cstring>
#include <utility>
#include <vector>

#include "app/services.h"
#include "app/stage_edit.h"
#include "app/stage_editor.h"
#include "model/database.h"
#include "model/stage.h"

extern cEdDatabase g_Database;

namespace {

const int kCell = 32;
const COLORREF kCursorColour = RGB(128, 0, 255);
const COLORREF kSelectColour = RGB(255, 0, 128);
const COLORREF kGridColour = RGB(255, 255, 255);
const COLORREF kGuideColour = RGB(255, 64, 32);
const COLORREF kLimitColour = RGB(32, 255, 64);

// Sheets of g_Bitmaps.
const int kSheetBlocks = 1;
const int kSheetCharaFirst = 2;
const int kSheetCharaLast = 17;
const int kSheetItems = 18;
const int kSheetItemsMini = 19;
const int kSheetShots = 20;
const int kSheetMarks = 21;

bool Usable(const cDib& dib) {
    return dib.m_hDC != nullptr;
}

void Copy(cDib* dst, int x, int y, int w, int h, const cDib& src, int sx, int sy) {
    if (Usable(src)) dst->Blt(x, y, w, h, src, sx, sy, 0);
}

void Stretch(cDib* dst, int x, int y, int w, int h, const cDib& src, int sx, int sy, int sw, int sh) {
    if (Usable(src)) dst->StretchBlt(x, y, w, h, src, sx, sy, sw, sh, 0);
}

// A full-size icon is copied, a half-size one stretched into the cell's top
// right quarter.
void Put(cDib* dst, int x, int y, const cDib& src, int sx, int sy, int half) {
    if (half)
        Stretch(dst, x + 16, y, 16, 16, src, sx, sy, kCell, kCell);
    else
        Copy(dst, x, y, kCell, kCell, src, sx, sy);
}

// The column of a character's frame: its shift plus the anime set's offsets
// of the states it is in.
int CharaColumn(int offset, const cEdChara& chara) {
    int column = offset;
    const int set = chara.m_AnimeSetNo;
    if (set >= 0 && set < static_cast<int>(g_Database.m_AnimeSet.size())) {
        const cEdAnimeSet& anime = g_Database.m_AnimeSet[set];
        if (chara.m_Flight) column += anime.m_FlyShift;
        if (chara.m_Invincible) column += anime.m_InvincibleShift;
        if (chara.m_BlockLike) column += anime.m_BlockShift;
    }
    return column;
}

void FramePen(cDib* dst, int x, int y, int w, int h) {
    dst->Rect(x, y, w, h);
}

// The values an icon is drawn from, once resolved (DrawObjectIcon): equal
// keys draw equal pictures from the same sheets.
void IconKey(int32_t* k, int type, int kind, int index, int offset, const cEdChara* chara, int markShown, int mark) {
    std::memset(k, 0, 8 * sizeof(int32_t));
    if (index == 0) return;
    int column = offset, m = 0, size = 0;
    if (type == 1 && chara) {
        column = CharaColumn(offset, *chara);
        m = chara->m_FaceRight ? 1 : 0;
    } else if (kind == 1 && offset >= 20) {
        m = 1;
        column = offset - 20;
    }
    if (kind == 4 && index > 0 && index < static_cast<int>(g_Database.m_BmpCharaExc.size())) {
        const cEdBmpCharaExc& bmp = g_Database.m_BmpCharaExc[index];
        size = bmp.m_Giant ? bmp.m_GiantSize : 1;
    }
    const int32_t values[8] = {index, kind, offset, column, m, size, markShown ? 1 : 0, mark};
    std::memcpy(k, values, sizeof values);
}

// Changes whenever a picture sheet is made again (a project load).
uintptr_t SheetSignature() {
    uintptr_t sig = 0;
    for (int s = kSheetBlocks; s <= kSheetMarks; ++s) sig = sig * 31 + reinterpret_cast<uintptr_t>(g_Bitmaps[s].m_hBitmap);
    for (const cDib& dib : g_CharaBitmaps) sig = sig * 31 + reinterpret_cast<uintptr_t>(dib.m_hBitmap);
    return sig * 31 + g_CharaBitmaps.size();
}

void FillBlack(cDib* dst, int x, int y, int w, int h) {
    RECT rc = {x, y, x + w, y + h};
    FillRect(dst->m_hDC, &rc, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
}

// Solid one-pixel lines as a pen of width 1 draws them (the end point left
// out), filled as rectangles.
void FillColour(cDib* dst, int x0, int y0, int x1, int y1, COLORREF colour) {
    RECT rc = {x0, y0, x1, y1};
    SetDCBrushColor(dst->m_hDC, colour);
    FillRect(dst->m_hDC, &rc, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
}

void VLine(cDib* dst, int x, int y0, int y1, COLORREF colour) {
    FillColour(dst, x, y0, x + 1, y1, colour);
}

void HLine(cDib* dst, int y, int x0, int x1, COLORREF colour) {
    FillColour(dst, x0, y, x1, y + 1, colour);
}

}  // namespace

void DrawMark(cDib* dst, int x, int y, int mark, int half) {
    if (mark < 0) return;
    Put(dst, x, y, g_Bitmaps[kSheetMarks], mark / 15 * kCell, mark % 15 * kCell, half);
}

void DrawObjectIcon(cDib* dst, int x, int y, int type, int kind, int index, int offset, const cEdChara* chara,
                    int markShown, int mark, int half) {
    if (!dst || index == 0) return;
    if (index > 0) {
        switch (kind) {
            case 0:
                Put(dst, x, y, g_Bitmaps[kSheetBlocks], index / 15 * kCell, index % 15 * kCell, half);
                break;
            case 1: {
                int column = offset, m = 0;
                bool draw = true;
                if (type == 1) {
                    if (chara) {
                        column = CharaColumn(offset, *chara);
                        m = chara->m_FaceRight ? 1 : 0;
                    } else {
                        draw = false;
                    }
                } else if (offset >= 20) {
                    m = 1;
                    column = offset - 20;
                }
                const int sheet = kSheetCharaFirst + index / 15 * 2 + m;
                // a graphic number past the last sheet draws nothing
                if (draw && sheet <= kSheetCharaLast)
                    Put(dst, x, y, g_Bitmaps[sheet], column * kCell, index % 15 * kCell, half);
                break;
            }
            case 2:
                if (half)
                    Copy(dst, x + 16, y, 16, 16, g_Bitmaps[kSheetItemsMini], index / 15 * 32, index % 15 * 16);
                else
                    Copy(dst, x, y, kCell, kCell, g_Bitmaps[kSheetItems], index / 15 * 64, index % 15 * kCell);
                break;
            case 3: {
                const int sx = index / 30 * 32, sy = index % 30 * 16;
                if (half)
                    Stretch(dst, x + 20, y + 4, 8, 8, g_Bitmaps[kSheetShots], sx, sy, 16, 16);
                else
                    Copy(dst, x + 8, y + 8, 16, 16, g_Bitmaps[kSheetShots], sx, sy);
                break;
            }
            case 4: {
                if (index >= static_cast<int>(g_Database.m_BmpCharaExc.size())) break;
                int column = offset, m = 0;
                if (type == 1) {
                    if (!chara) break;
                    column = CharaColumn(offset, *chara);
                    m = chara->m_FaceRight ? 1 : 0;
                }
                const int surface = index * 2 + m;
                if (surface >= static_cast<int>(g_CharaBitmaps.size())) break;
                const cEdBmpCharaExc& bmp = g_Database.m_BmpCharaExc[index];
                const int s = bmp.m_Giant ? bmp.m_GiantSize : 1;
                // a size outside 1 .. 16 has no cells to take
                if (s < 1 || s > 16) break;
                const int n = 16 / s;
                const int side = kCell * s;
                const int sx = column % n * side, sy = column / n * side;
                const cDib& src = g_CharaBitmaps[surface];
                if (half)
                    Stretch(dst, x + 16, y, 16, 16, src, sx, sy, side, side);
                else if (s >= 2)
                    Stretch(dst, x, y, kCell, kCell, src, sx, sy, side, side);
                else
                    Copy(dst, x, y, kCell, kCell, src, sx, sy);
                break;
            }
        }
    }
    if (markShown) DrawMark(dst, x, y, mark, half);
}

void DrawBlockIcon(cDib* dst, int x, int y, const cEdBlock& block, int half) {
    DrawObjectIcon(dst, x, y, 0, block.m_GraphicSource, block.m_Graphic, block.m_GraphicFrame, nullptr,
                   block.m_MarkMode, block.m_MarkGraphic, half);
}

void DrawCharaIcon(cDib* dst, int x, int y, const cEdChara& chara, int half) {
    DrawObjectIcon(dst, x, y, 1, chara.m_GraphicSource, chara.m_Graphic, chara.m_GraphicShift, &chara,
                   chara.m_MarkMode, chara.m_MarkGraphic, half);
}

void DrawItemIcon(cDib* dst, int x, int y, const cEdItem& item, int half) {
    DrawObjectIcon(dst, x, y, 2, item.m_GraphicSource, item.m_Graphic, item.m_GraphicFrame, nullptr, item.m_MarkMode,
                   item.m_MarkGraphic, half);
}

// The view ------------------------------------------------------------------

void cStageEditorDlg::Draw() {
    if (!m_hWnd || !m_bReady) return;
    cCtrlPicture& canvas = m_Canvas.m_Ctrl;
    cDib& surface = canvas.m_Offscreen;
    if (!surface.m_hDC || !canvas.m_Screen.m_hDC) return;
    DrawView(&surface, surface.m_Width, surface.m_Height);
    BitBlt(canvas.m_Screen.m_hDC, 0, 0, surface.m_Width, surface.m_Height, surface.m_hDC, 0, 0, SRCCOPY);
    if (g_StageEdit.m_bOpen) SetStatusText();
}

void cStageEditorDlg::SetStatusText() {
    if (!m_hStatus) return;
    char text[64];
    wsprintfA(text, "座標 (%d,%d)", CursorX(), CursorY());
    SendMessageA(m_hStatus, SB_SETTEXTA, SB_SIMPLEID, reinterpret_cast<LPARAM>(text));
}

void cStageEditorDlg::UpdateLayerCache(int width, int height) {
    const int cols = width / kCell + 1, rows = height / kCell + 1;
    const int sx = m_nViewX, sy = m_nViewY;
    const uintptr_t sig = SheetSignature();
    const bool fresh = m_LayerCache[0].m_Width != width || m_LayerCache[0].m_Height != height ||
                       m_nCacheCols != cols || m_nCacheRows != rows || sig != m_nSheetSig;
    if (fresh) {
        for (cDib& cache : m_LayerCache) {
            cache.Delete();
            cache.Create(width, height, 32, 0);
        }
        m_CellKeys.assign(static_cast<size_t>(cols) * rows, cViewCellKey());
        m_nCacheCols = cols;
        m_nCacheRows = rows;
        m_nSheetSig = sig;
        m_nCacheX = sx;
        m_nCacheY = sy;
    } else if (sx != m_nCacheX || sy != m_nCacheY) {
        // Move what stays in view; the cells that come into view are drawn below.
        const int dx = sx - m_nCacheX, dy = sy - m_nCacheY;
        cDib& from = m_LayerCache[0];
        cDib& to = m_LayerCache[1];
        BitBlt(to.m_hDC, -dx * kCell, -dy * kCell, width, height, from.m_hDC, 0, 0, SRCCOPY);
        std::swap(m_LayerCache[0], m_LayerCache[1]);
        std::vector<cViewCellKey> keys(m_CellKeys.size(), cViewCellKey());
        for (int i = 0; i < rows; ++i)
            for (int j = 0; j < cols; ++j) {
                const int oi = i + dy, oj = j + dx;
                if (oi >= 0 && oi < rows && oj >= 0 && oj < cols) keys[i * cols + j] = m_CellKeys[oi * cols + oj];
            }
        m_CellKeys.swap(keys);
        m_nCacheX = sx;
        m_nCacheY = sy;
    }
    cDib* dst = &m_LayerCache[0];
    if (!dst->m_hDC) return;
    const cEdStage& st = g_Stage;
    for (int i = 0; i < rows; ++i)
        for (int j = 0; j < cols; ++j) {
            const int x = sx + j, y = sy + i;
            cViewCellKey key;
            std::memset(&key, 0, sizeof key);
            const int cell = st.CellIndex(x, y);
            const bool inside = x >= 0 && y >= 0 && x < st.m_Width && y < st.m_Height &&
                                cell < static_cast<int>(st.m_Blocks.size()) &&
                                cell < static_cast<int>(st.m_Charas.size()) && cell < static_cast<int>(st.m_Items.size());
            key.m_State = inside ? 2 : 1;
            if (inside) {
                const cEdBlock& b = st.m_Blocks[cell];
                const cEdChara& c = st.m_Charas[cell];
                const cEdItem& it = st.m_Items[cell];
                if (b.m_Graphic)
                    IconKey(key.m_Icon[0], 0, b.m_GraphicSource, b.m_Graphic, b.m_GraphicFrame, nullptr, b.m_MarkMode,
                            b.m_MarkGraphic);
                if (c.m_Graphic)
                    IconKey(key.m_Icon[1], 1, c.m_GraphicSource, c.m_Graphic, c.m_GraphicShift, &c, c.m_MarkMode,
                            c.m_MarkGraphic);
                if (it.m_Graphic)
                    IconKey(key.m_Icon[2], 2, it.m_GraphicSource, it.m_Graphic, it.m_GraphicFrame, nullptr,
                            it.m_MarkMode, it.m_MarkGraphic);
            }
            cViewCellKey& old = m_CellKeys[i * cols + j];
            if (std::memcmp(&old, &key, sizeof key) == 0) continue;
            old = key;
            const int px = j * kCell, py = i * kCell;
            FillBlack(dst, px, py, kCell, kCell);
            if (inside) {
                if (st.m_Blocks[cell].m_Graphic) DrawBlockIcon(dst, px, py, st.m_Blocks[cell], 0);
                if (st.m_Charas[cell].m_Graphic) DrawCharaIcon(dst, px, py, st.m_Charas[cell], 0);
                if (st.m_Items[cell].m_Graphic) DrawItemIcon(dst, px, py, st.m_Items[cell], 1);
            }
            // The grid over the layers: each cell carries its left and top
            // lines, so the grid moves with the cells and stays in place.
            VLine(dst, px, py, py + kCell, kGridColour);
            HLine(dst, py, px, px + kCell, kGridColour);
        }
}

// Only the cells in view are visited; a repaint draws again only the cells
// that changed since the last one (UpdateLayerCache).
void cStageEditorDlg::DrawView(cDib* dst, int width, int height) {
    if (!g_StageEdit.m_bOpen) {
        FillBlack(dst, 0, 0, width, height);
        return;
    }
    const int sx = m_nViewX, sy = m_nViewY;
    const cEdStage& st = g_Stage;
    UpdateLayerCache(width, height);
    if (m_LayerCache[0].m_hDC)
        BitBlt(dst->m_hDC, 0, 0, width, height, m_LayerCache[0].m_hDC, 0, 0, SRCCOPY);
    else
        FillBlack(dst, 0, 0, width, height);
    // the grid's closing right and bottom lines
    VLine(dst, width - 1, 0, height, kGridColour);
    HLine(dst, height - 1, 0, width, kGridColour);
    VLine(dst, 304, 0, 479, kGuideColour);
    VLine(dst, 336, 0, 479, kGuideColour);
    HLine(dst, 224, 0, 639, kGuideColour);
    HLine(dst, 256, 0, 639, kGuideColour);
    if (st.m_bScrollMinX) VLine(dst, (st.m_ScrollMinX - sx) * kCell - 1, 0, 479, kLimitColour);
    if (st.m_bScrollMaxX) VLine(dst, (st.m_ScrollMaxX - sx + 1) * kCell + 1, 0, 479, kLimitColour);
    if (st.m_bScrollMinY) HLine(dst, (st.m_ScrollMinY - sy) * kCell - 1, 0, 639, kLimitColour);
    if (st.m_bScrollMaxY) HLine(dst, (st.m_ScrollMaxY - sy + 1) * kCell + 1, 0, 639, kLimitColour);
    DrawCursor(dst);
}

void cStageEditorDlg::DrawCursor(cDib* dst) {
    const int mode = g_StageEdit.m_nCursorMode;
    dst->SelectPen(PS_SOLID, 2, mode == 5 ? kSelectColour : kCursorColour);
    // rectangles are drawn without a fill
    HGDIOBJ oldBrush = SelectObject(dst->m_hDC, GetStockObject(NULL_BRUSH));
    const int px = (CursorX() - m_nViewX) * kCell, py = (CursorY() - m_nViewY) * kCell;
    const bool dragging = (GetAsyncKeyState(VK_LBUTTON) & 0x8000) && g_StageEdit.m_bDrag;
    switch (mode) {
        case 0:
            FramePen(dst, px, py, g_StageEdit.m_nBrushW * kCell, g_StageEdit.m_nBrushH * kCell);
            break;
        case 1:
            if (dragging)
                DrawLinePreview(dst);
            else
                FramePen(dst, px, py, kCell, kCell);
            break;
        case 2:
            if (dragging)
                DrawRectPreview(dst);
            else
                FramePen(dst, px, py, kCell, kCell);
            break;
        case 3:
            FramePen(dst, px, py, kCell, kCell);
            break;
        case 5:
            if (g_StageEdit.m_bDrag) DrawSelectFrame(dst);
            break;
    }
    SelectObject(dst->m_hDC, oldBrush);
    dst->DeletePen();
}

void cStageEditorDlg::DrawBrushCell(cDib* dst, int x, int y, int i) {
    if (i < 0) return;
    const bool all = IsShiftDown();
    const int layer = g_StageEdit.m_nLayer;
    if ((all || layer == 0) && i < static_cast<int>(g_StageEdit.m_BrushBlock.size()))
        DrawBlockIcon(dst, x, y, g_StageEdit.m_BrushBlock[i], 0);
    if ((all || layer == 1) && i < static_cast<int>(g_StageEdit.m_BrushChara.size()))
        DrawCharaIcon(dst, x, y, g_StageEdit.m_BrushChara[i], 0);
    if ((all || layer == 2) && i < static_cast<int>(g_StageEdit.m_BrushItem.size()))
        DrawItemIcon(dst, x, y, g_StageEdit.m_BrushItem[i], 1);
}

void cStageEditorDlg::DrawLinePreview(cDib* dst) {
    double px = g_StageEdit.m_nLineX + 0.5, py = g_StageEdit.m_nLineY + 0.5;
    const int ex = CursorX(), ey = CursorY();
    int c = 0;
    bool done = false;
    for (int n = 0; n < 200; ++n) {
        const int x = static_cast<int>(px), y = static_cast<int>(py);
        if (x >= 0 && y >= 0 && x < g_Stage.m_Width && y < g_Stage.m_Height) {
            const int vx = (x - m_nViewX) * kCell, vy = (y - m_nViewY) * kCell;
            DrawBrushCell(dst, vx, vy, c);
            FramePen(dst, vx, vy, kCell, kCell);
        }
        if (done) break;
        done = LineStep(px, py, ex, ey, 1.0);
        c = c + 1 >= g_StageEdit.m_nBrushW ? 0 : c + 1;
    }
}

void cStageEditorDlg::DrawRectPreview(cDib* dst) {
    const int cx = CursorX(), cy = CursorY();
    const int x0 = cx < g_StageEdit.m_nRectX ? cx : g_StageEdit.m_nRectX;
    const int y0 = cy < g_StageEdit.m_nRectY ? cy : g_StageEdit.m_nRectY;
    const int bw = g_StageEdit.m_nBrushW, bh = g_StageEdit.m_nBrushH;
    int r = 0;
    for (int y = y0; y < y0 + g_StageEdit.m_nRectH && y < g_Stage.m_Height; ++y) {
        int c = 0;
        for (int x = x0; x < x0 + g_StageEdit.m_nRectW && x < g_Stage.m_Width; ++x) {
            DrawBrushCell(dst, (x - m_nViewX) * kCell, (y - m_nViewY) * kCell, r * bw + c);
            c = c + 1 >= bw ? 0 : c + 1;
        }
        r = r + 1 >= bh ? 0 : r + 1;
    }
    FramePen(dst, (x0 - m_nViewX) * kCell, (y0 - m_nViewY) * kCell, g_StageEdit.m_nRectW * kCell,
             g_StageEdit.m_nRectH * kCell);
}

void cStageEditorDlg::DrawSelectFrame(cDib* dst) {
    const int cx = CursorX(), cy = CursorY();
    const int ax = g_StageEdit.m_nSelAnchorX, ay = g_StageEdit.m_nSelAnchorY;
    const int x0 = cx < ax ? cx : ax, y0 = cy < ay ? cy : ay;
    FramePen(dst, (x0 - m_nViewX) * kCell, (y0 - m_nViewY) * kCell, (std::abs(cx - ax) + 1) * kCell,
             (std::abs(cy - ay) + 1) * kCell);
}

void cStageEditorDlg::UpdateTitle() {
    if (!m_hWnd) return;
    cString title;
    if (g_StageEdit.m_strPath.NotEmpty())
        title.Format("%s  %s", "ヴァントール4", g_StageEdit.m_strPath.CStr());
    else
        title.Format("%s", "ヴァントール4");
    SetWindowTextA(m_hWnd, title.CStr());
}
