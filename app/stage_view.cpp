// The icon drawing of block, character and item definitions from the
// picture sheets.
#include <cstdlib>

#include "app/services.h"
#include "model/database.h"
#include "model/stage.h"

extern cEdDatabase g_Database;

namespace {

const int kCell = 32;

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
