// The stage palette file, the refreshing of inherited fields and the rules
// that keep at most one player character on the stage.
#include "model/stage.h"

namespace {

// Placed objects of one kind that take their fields from the given palette.
template <class T>
void ApplyLinked(cVector<T>& v, int kind) {
    for (auto& e : v) {
        if (e.m_Graphic != 0 && e.m_InheritKind == kind) e.ApplyInherit();
    }
}

// Common palette entry changed: stage palette first, then the map, so that a
// chain common -> stage -> map comes out right in one call.
template <class T>
void RefreshFromCommon(cVector<T>& palette, cVector<T>& layer) {
    ApplyLinked(palette, 1);
    ApplyLinked(layer, 1);
    ApplyLinked(layer, 2);
}

bool IsPlayerCell(const cEdChara& c) {
    return c.m_Graphic != 0 && c.m_Control == 0;
}

}  // namespace

// The first cell of the map in row order after index (then from the start),
// other than index; -1 on a map of one cell.
int cEdStage::NextMapCell(int index) const {
    const int cells = m_Width * m_Height;
    const int x = index & (m_Pitch - 1);
    const int y = index >> m_PitchShift;
    if (cells < 2) return -1;
    const int k = (x + y * m_Width + 1) % cells;
    return CellIndex(k % m_Width, k / m_Width);
}

namespace {

}  // namespace

void cEdStage::ReadPaletteVectors(cRecFile* f) {
    // entries linked to the stage palette take what has been read so far
    cVector<cEdBlock>* blocks = PaletteVector<cEdBlock>(2);
    cVector<cEdChara>* charas = PaletteVector<cEdChara>(2);
    cVector<cEdItem>* items = PaletteVector<cEdItem>(2);
    RegisterPalette();
    ReadVector(m_PalBlocks, f);
    ReadVector(m_PalCharas, f);
    ReadVector(m_PalItems, f);
    SetStagePalette(blocks, charas, items);
}

void cEdStage::ReadPalette(cRecFile* f) {
    ReadPaletteVectors(f);
    RefreshStageInheritBlock();
    RefreshStageInheritChara();
    RefreshStageInheritItem();
}

void cEdStage::WritePalette(cRecFile* f) {
    WriteVector(m_PalBlocks, f);
    WriteVector(m_PalCharas, f);
    WriteVector(m_PalItems, f);
}

int cEdStage::LoadPalette(const char* path, bool removeCR) {
    cRecFile* f = OpenRead(path);
    if (!f) return 0;
    // A damaged file leaves the palette that was there.
    cVector<cEdBlock> blocks = m_PalBlocks;
    cVector<cEdChara> charas = m_PalCharas;
    cVector<cEdItem> items = m_PalItems;
    // The placed objects take the new entries only once the whole file was
    // read.
    ReadPaletteVectors(f);
    if (!CloseFile(f)) {
        m_PalBlocks.swap(blocks);
        m_PalCharas.swap(charas);
        m_PalItems.swap(items);
        return 0;
    }
    if (removeCR) {
        for (auto& e : m_PalBlocks) e.RemoveCR();
        for (auto& e : m_PalCharas) e.RemoveCR();
        for (auto& e : m_PalItems) e.RemoveCR();
    }
    // Entry 0 is the empty entry that placing and clearing take; a file
    // without entries of a kind still leaves it.
    if (m_PalBlocks.empty()) m_PalBlocks.resize(1);
    if (m_PalCharas.empty()) m_PalCharas.resize(1);
    if (m_PalItems.empty()) m_PalItems.resize(1);
    RefreshStageInheritBlock();
    RefreshStageInheritChara();
    RefreshStageInheritItem();
    return 1;
}

int cEdStage::SavePalette(const char* path) {
    cRecFile* f = OpenWrite(path);
    if (!f) return 0;
    WritePalette(f);
    return CloseFile(f) ? 1 : 0;
}

void cEdStage::ValidatePalettes() {
    for (auto& e : m_PalBlocks) e.Validate();
    for (auto& e : m_PalCharas) e.Validate();
    for (auto& e : m_PalItems) e.Validate();
}

namespace {

template <class T>
void CheckLinks(cVector<T>& palette) {
    for (auto& e : palette) {
        const bool linked = e.m_InheritKind == 1 || e.m_InheritKind == 2;
        // kind 2 names this very palette
        const cVector<T>* source = !linked ? nullptr : e.m_InheritKind == 2 ? &palette : PaletteVector<T>(1);
        if (linked && (!source || e.m_InheritIndex < 0 || e.m_InheritIndex >= static_cast<int>(source->size()))) {
            e.m_InheritKind = 0;
            e.m_InheritIndex = 0;
        }
    }
}

}  // namespace

void cEdStage::CheckPaletteLinks() {
    CheckLinks(m_PalBlocks);
    CheckLinks(m_PalCharas);
    CheckLinks(m_PalItems);
}

void cEdStage::RefreshInheritBlock() {
    RefreshFromCommon(m_PalBlocks, m_Blocks);
}
void cEdStage::RefreshInheritChara() {
    RefreshFromCommon(m_PalCharas, m_Charas);
}
void cEdStage::RefreshInheritItem() {
    RefreshFromCommon(m_PalItems, m_Items);
}
void cEdStage::RefreshStageInheritBlock() {
    ApplyLinked(m_Blocks, 2);
}
void cEdStage::RefreshStageInheritChara() {
    ApplyLinked(m_Charas, 2);
}
void cEdStage::RefreshStageInheritItem() {
    ApplyLinked(m_Items, 2);
}

bool cEdStage::FindPlayer(int* x, int* y) const {
    for (int row = 0; row < m_Height; ++row) {
        for (int col = 0; col < m_Width; ++col) {
            if (IsPlayerCell(m_Charas[CellIndex(col, row)])) {
                *x = col;
                *y = row;
                return true;
            }
        }
    }
    *x = -1;
    *y = -1;
    return false;
}

bool cEdStage::HasPlayer() const {
    int x, y;
    return FindPlayer(&x, &y);
}

void cEdStage::PlaceChara(int index, cEdChara& chara) {
    if (chara.m_bbInherit.size() > 1) chara.m_bbInherit[1] = 0;
    cEdChara& target = m_Charas[index];
    if (IsPlayerCell(target)) {
        // the player standing there moves to the first empty cell
        int empty = -1;
        for (int row = 0; row < m_Height && empty < 0; ++row) {
            for (int col = 0; col < m_Width; ++col) {
                const int i = CellIndex(col, row);
                if (i != index && m_Charas[i].m_Graphic == 0) {
                    empty = i;
                    break;
                }
            }
        }
        // A full map puts it in cell 0; when the new character goes to cell
        // 0 itself, the player takes the next cell of the map instead, so
        // that it is not overwritten below.
        if (empty < 0) empty = index != 0 ? 0 : NextMapCell(index);
        if (empty >= 0) {
            const cEdChara old = target;
            m_Charas[empty] = old;
        }
    }
    if (IsPlayerCell(chara)) {
        bool done = false;
        for (int row = 0; row < m_Height && !done; ++row) {
            for (int col = 0; col < m_Width; ++col) {
                const int i = CellIndex(col, row);
                if (IsPlayerCell(m_Charas[i])) {
                    m_Charas[i] = m_PalCharas[0];
                    done = true;
                    break;
                }
            }
        }
    }
    m_Charas[index] = chara;
}

void cEdStage::KeepOnePlayer() {
    int players = 0;
    for (int row = 0; row < m_Height; ++row) {
        for (int col = 0; col < m_Width; ++col) {
            if (IsPlayerCell(m_Charas[CellIndex(col, row)])) ++players;
        }
    }
    for (int row = 0; row < m_Height && players > 1; ++row) {
        for (int col = 0; col < m_Width && players > 1; ++col) {
            cEdChara& c = m_Charas[CellIndex(col, row)];
            if (IsPlayerCell(c)) {
                c.ClearCell();
                --players;
            }
        }
    }
}
