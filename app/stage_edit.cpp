#include "app/stage_edit.h"

#include <cstdint>

#include "app/shell.h"
#include "base/msgbox.h"
#include "base/sysreport.h"
#include "model/stage.h"

cStageEdit::cStageEdit() {
    Reset();
}

void cStageEdit::Reset() {
    m_bOpen = 0;
    m_bModified = 0;
    m_bCommonModified = 0;
    m_bWorldMapModified = 0;
    m_nLayer = 0;
    m_nReturnLayer = 0;
    m_nTool = 0;
    m_nCursorMode = 0;
    m_nRightClickMode = 0;
    g_EditSource[0] = 0;
    g_EditSource[1] = 0;
    m_nBrushW = 1;
    m_nBrushH = 1;
    m_nSelAnchorX = -1;
    m_nSelAnchorY = -1;
    m_bDrag = 0;
    g_EditOriginal = {nullptr, nullptr, nullptr};
    g_BlockSheet = nullptr;
    g_CharaSheet = nullptr;
    g_ItemSheet = nullptr;
    ClearPalClip();
    m_BrushBlock.Reset(1);
    m_BrushChara.Reset(1);
    m_BrushItem.Reset(1);
    m_strPath = "";
}

void cStageEdit::ClearPalClip() {
    m_bPalClip = 0;
    m_bPalClipCut = 0;
    m_PalClipBlock.reset();
    m_PalClipChara.reset();
    m_PalClipItem.reset();
}

// ---------------------------------------------------------------------------
// Layers and tools

namespace {

FreeMemoryFn s_FreeMemory = nullptr;
LayerChangedFn s_LayerChanged = nullptr;

bool IsLayer(int layer) {
    return layer >= 0 && layer < 3;
}

}  // namespace

void SetFreeMemorySource(FreeMemoryFn fn) {
    s_FreeMemory = fn;
}

void SetLayerChangedHandler(LayerChangedFn fn) {
    s_LayerChanged = fn;
}

void cStageEdit::SwitchLayer(int layer) {
    m_nReturnLayer = m_nLayer;
    SelectLayer(layer);
}

void cStageEdit::SetLayer(int layer) {
    m_nReturnLayer = layer;
    SelectLayer(layer);
}

void cStageEdit::NextLayer() {
    int layer = m_nLayer + 1;
    if (layer >= 3) layer = 0;
    SetLayer(layer);
}

void cStageEdit::SelectLayer(int layer) {
    if (IsLayer(layer)) {
        if (m_nLayer != layer) {
            SaveView(m_nLayer);
            RestoreView(layer);
        }
        m_nLayer = layer;
        // Ends the cursor mode of a selection drag before the stage editor
        // shows the tool's pen button in the palette windows.
        SetTool(m_nTool);
        if (s_LayerChanged) s_LayerChanged(layer);
    }
    ClearPalClip();
}

void cStageEdit::SetTool(int tool) {
    static const int32_t cursorOfTool[] = {0, 1, 2, 3, 3};
    m_nTool = tool;
    if (tool >= 0 && tool < 5) m_nCursorMode = cursorOfTool[tool];
}

void cStageEdit::SetRightClickMode(int mode) {
    m_nRightClickMode = mode;
    ClearPalClip();
}

void cStageEdit::SaveView(int layer) {
    if (!IsLayer(layer)) return;
    m_View[layer].m_nIndex = g_EditSource[1];
    m_View[layer].m_nBrushW = m_nBrushW;
    m_View[layer].m_nBrushH = m_nBrushH;
}

void cStageEdit::RestoreView(int layer) {
    if (!IsLayer(layer)) return;
    g_EditSource[1] = m_View[layer].m_nIndex;
    m_nBrushW = m_View[layer].m_nBrushW;
    m_nBrushH = m_View[layer].m_nBrushH;
}

// ---------------------------------------------------------------------------
// Undo and redo

namespace {

// Estimated bytes of one cell in one step: block 459, character 224 + 1121,
// item 453.
const uint64_t kStepBytesPerCell = 459 + 224 + 1121 + 453;

// The memory one step of a stage of the given pitch and height is counted to
// take; the pitch is rounded up to a power of two. The figure stays below
// half the 64-bit range, so twice it is still exact.
uint64_t StepBytes64(int pitch, int height) {
    if (height <= 0) return 0;
    uint64_t p = 1;
    while (p < static_cast<uint64_t>(pitch < 0 ? 0 : pitch)) p <<= 1;
    const uint64_t cells = p * static_cast<uint64_t>(height);  // below 2^63
    const uint64_t most = (UINT64_MAX / 2) / kStepBytesPerCell;
    return cells > most ? UINT64_MAX / 2 : cells * kStepBytesPerCell;
}

uint64_t FreeMemory() {
    return s_FreeMemory ? s_FreeMemory() : GetFreePhysMemory();
}

// The highest layer index that a pass over the stage's cells visits, plus 1;
// 0 when the stage has no cell.
int64_t CellExtent() {
    const cEdStage& s = g_Stage;
    if (s.m_Width <= 0 || s.m_Height <= 0 || s.m_PitchShift < 0 || s.m_PitchShift > 31) return 0;
    return (static_cast<int64_t>(s.m_Height - 1) << s.m_PitchShift) + s.m_Width;
}

// Calls fn (index) for every cell of the stage in row order.
template <class Fn>
void ForEachCell(Fn fn) {
    const cEdStage& s = g_Stage;
    for (int y = 0; y < s.m_Height; ++y)
        for (int x = 0; x < s.m_Width; ++x) fn(s.CellIndex(x, y));
}

// Copies the stage's cells of one layer: an occupied cell as a whole record,
// an empty one by its graphic index alone. A vector too short for the stage
// is left alone.
template <class T>
void CopyLayer(cVector<T>& dst, const cVector<T>& src) {
    const int64_t extent = CellExtent();
    if (extent <= 0 || static_cast<int64_t>(dst.size()) < extent || static_cast<int64_t>(src.size()) < extent) return;
    if (&dst == &src) return;
    ForEachCell([&](int i) {
        const T& from = src[i];
        if (from.m_Graphic != 0)
            dst[i] = from;
        else
            dst[i].m_Graphic = 0;
    });
}

template <class T>
void ReapplyLayer(cVector<T>& layer) {
    const int64_t extent = CellExtent();
    if (extent <= 0 || static_cast<int64_t>(layer.size()) < extent) return;
    ForEachCell([&](int i) {
        if (layer[i].m_Graphic != 0) layer[i].ApplyInherit();
    });
}

template <class T>
bool SnapshotsFit(const cVector<cVector<T>>& hist, int steps, size_t cells) {
    if (static_cast<int64_t>(hist.size()) < steps) return false;
    for (int i = 0; i < steps; ++i)
        if (hist[i].size() != cells) return false;
    return true;
}

// A history can take steps steps of the current stage: that many snapshots
// of a whole layer each, and a flag per step.
bool HistoryFits(const cVector<cVector<cEdBlock>>& block, const cVector<cVector<cEdChara>>& chara,
                 const cVector<cVector<cEdItem>>& item, const cVector<int32_t>& flags, int steps) {
    const size_t cells = static_cast<size_t>(g_Stage.LayerSize() < 0 ? 0 : g_Stage.LayerSize());
    if (CellExtent() > static_cast<int64_t>(cells)) return false;
    return static_cast<int64_t>(flags.size()) >= steps && SnapshotsFit(block, steps, cells) &&
           SnapshotsFit(chara, steps, cells) && SnapshotsFit(item, steps, cells);
}

bool LayersFit(const cVector<cEdBlock>& block, const cVector<cEdChara>& chara, const cVector<cEdItem>& item) {
    const int64_t cells = g_Stage.LayerSize();
    return cells >= CellExtent() && static_cast<int64_t>(block.size()) == cells &&
           static_cast<int64_t>(chara.size()) == cells && static_cast<int64_t>(item.size()) == cells;
}

template <class T>
void ReleaseAll(cVector<T>& v) {
    cVector<T>().swap(v);
}

}  // namespace

uint64_t FreeMemoryForUndo() {
    return FreeMemory();
}

int cStageEdit::StepBytes(int pitch, int height) {
    const uint64_t bytes = StepBytes64(pitch, height);
    return bytes > static_cast<uint64_t>(INT32_MAX) ? INT32_MAX : static_cast<int>(bytes);
}

void cStageEdit::AllocUndo(int count, int pitch, int height) {
    ClearUndo();
    if (count <= 0) return;
    // The snapshots are sized pitch x height; a layer beyond the int range
    // could not be indexed, so it counts as having no room.
    const uint64_t cells = static_cast<uint64_t>(pitch < 0 ? 0 : pitch) * static_cast<uint64_t>(height < 0 ? 0 : height);
    const uint64_t step = StepBytes64(pitch, height);
    const uint64_t avail = FreeMemory();
    // Room for two histories of count steps each and one step besides:
    // avail >= step + 2 * step * count, worked out without a product that
    // could overflow.
    int fit = count;
    if (cells > static_cast<uint64_t>(INT32_MAX) || avail < step) {
        fit = 0;
    } else if (step > 0) {
        const uint64_t steps = (avail - step) / (2 * step);
        if (steps < static_cast<uint64_t>(count)) fit = static_cast<int>(steps);
    }
    if (fit < count) {
        g_Stage.m_UndoCount = fit;
        DebugErrorBoxF("元に戻せる回数を %d回 に強制変更！", fit);
        count = fit;
        if (count == 0) return;
    }
    m_UndoBlock.resize(count);
    m_UndoChara.resize(count);
    m_UndoItem.resize(count);
    m_RedoBlock.resize(count);
    m_RedoChara.resize(count);
    m_RedoItem.resize(count);
    m_UndoFlags.resize(count, 0);
    m_RedoFlags.resize(count, 0);
    for (int i = 0; i < count; ++i) {
        m_UndoBlock[i].resize(cells);
        m_UndoChara[i].resize(cells);
        m_UndoItem[i].resize(cells);
        m_RedoBlock[i].resize(cells);
        m_RedoChara[i].resize(cells);
        m_RedoItem[i].resize(cells);
    }
}

void cStageEdit::ClearUndo() {
    ReleaseAll(m_UndoBlock);
    ReleaseAll(m_UndoChara);
    ReleaseAll(m_UndoItem);
    ReleaseAll(m_RedoBlock);
    ReleaseAll(m_RedoChara);
    ReleaseAll(m_RedoItem);
    m_nUndo = 0;
    m_nRedo = 0;
}

// The histories are meant to be sized for the current stage after every
// ClearUndo. When one of this object's histories does not fit the stage
// (emptied and not sized again, sized for another size or a smaller count),
// a push sizes both histories again for the stage first, dropping their
// steps, which could not be restored onto this stage anyway. A history that
// still does not fit (no memory, or vectors that are not this object's)
// records nothing, and nothing outside the vectors is touched.
int cStageEdit::PushUndo(int mask, cVector<cVector<cEdBlock>>& histBlock, cVector<cVector<cEdChara>>& histChara,
                         cVector<cVector<cEdItem>>& histItem, const cVector<cEdBlock>& curBlock,
                         const cVector<cEdChara>& curChara, const cVector<cEdItem>& curItem, int32_t& count,
                         cVector<int32_t>& flags) {
    if (g_Stage.m_UndoCount <= 0 || g_GameRunning) return 1;
    if (!HistoryFits(histBlock, histChara, histItem, flags, g_Stage.m_UndoCount)) {
        const bool own = (&histBlock == &m_UndoBlock && &histChara == &m_UndoChara && &histItem == &m_UndoItem &&
                          &flags == &m_UndoFlags) ||
                         (&histBlock == &m_RedoBlock && &histChara == &m_RedoChara && &histItem == &m_RedoItem &&
                          &flags == &m_RedoFlags);
        if (!own) return 1;
        AllocUndo(g_Stage.m_UndoCount, g_Stage.m_Pitch, g_Stage.m_Height);
        if (g_Stage.m_UndoCount <= 0 || !HistoryFits(histBlock, histChara, histItem, flags, g_Stage.m_UndoCount))
            return 1;
        count = 0;
    }
    if (!LayersFit(curBlock, curChara, curItem)) return 1;
    const int limit = g_Stage.m_UndoCount;
    if (count < 0) count = 0;
    if (count > limit) count = limit;
    for (int n = count - 1; n >= 0; --n) {
        if (n + 1 < limit) {
            flags[n + 1] = flags[n];
            CopyLayers(histBlock[n + 1], histChara[n + 1], histItem[n + 1], histBlock[n], histChara[n], histItem[n],
                       flags[n]);
        }
    }
    flags[0] = mask;
    CopyLayers(histBlock[0], histChara[0], histItem[0], curBlock, curChara, curItem, mask);
    if (count < limit) ++count;
    return 1;
}

namespace {

// One history of g_StageEdit: its snapshots per layer, step flags and count.
struct cHistory {
    cVector<cVector<cEdBlock>>& block;
    cVector<cVector<cEdChara>>& chara;
    cVector<cVector<cEdItem>>& item;
    cVector<int32_t>& flags;
    int32_t& count;
};

// Moves step 0 of one history back onto the stage layers, after the layers'
// present state has gone onto the other history as its step 0; the rest of
// the history moves up one step. Both histories must fit the stage, or
// nothing happens.
void StepBack(cStageEdit& edit, cHistory from, cHistory to, cVector<cEdBlock>& curBlock, cVector<cEdChara>& curChara,
              cVector<cEdItem>& curItem) {
    const int limit = g_Stage.m_UndoCount;
    if (limit <= 0 || from.count <= 0) return;
    if (!HistoryFits(from.block, from.chara, from.item, from.flags, limit) ||
        !HistoryFits(to.block, to.chara, to.item, to.flags, limit) || !LayersFit(curBlock, curChara, curItem))
        return;
    if (from.count > limit) from.count = limit;
    const int mask = from.flags[0];
    edit.PushUndo(mask, to.block, to.chara, to.item, curBlock, curChara, curItem, to.count, to.flags);
    edit.CopyLayers(curBlock, curChara, curItem, from.block[0], from.chara[0], from.item[0], mask);
    edit.ReapplyInherit(curBlock, curChara, curItem, mask);
    for (int i = 1; i < from.count; ++i) {
        from.flags[i - 1] = from.flags[i];
        edit.CopyLayers(from.block[i - 1], from.chara[i - 1], from.item[i - 1], from.block[i], from.chara[i],
                        from.item[i], from.flags[i]);
    }
    --from.count;
}

}  // namespace

void cStageEdit::Undo(cVector<cEdBlock>& curBlock, cVector<cEdChara>& curChara, cVector<cEdItem>& curItem) {
    StepBack(*this, {m_UndoBlock, m_UndoChara, m_UndoItem, m_UndoFlags, m_nUndo},
             {m_RedoBlock, m_RedoChara, m_RedoItem, m_RedoFlags, m_nRedo}, curBlock, curChara, curItem);
}

void cStageEdit::Redo(cVector<cEdBlock>& curBlock, cVector<cEdChara>& curChara, cVector<cEdItem>& curItem) {
    StepBack(*this, {m_RedoBlock, m_RedoChara, m_RedoItem, m_RedoFlags, m_nRedo},
             {m_UndoBlock, m_UndoChara, m_UndoItem, m_UndoFlags, m_nUndo}, curBlock, curChara, curItem);
}

void cStageEdit::CopyLayers(cVector<cEdBlock>& dstBlock, cVector<cEdChara>& dstChara, cVector<cEdItem>& dstItem,
                            const cVector<cEdBlock>& srcBlock, const cVector<cEdChara>& srcChara,
                            const cVector<cEdItem>& srcItem, int mask) {
    if (mask & kLayerMaskBlock) CopyLayer(dstBlock, srcBlock);
    if (mask & kLayerMaskChara) CopyLayer(dstChara, srcChara);
    if (mask & kLayerMaskItem) CopyLayer(dstItem, srcItem);
}

void cStageEdit::ReapplyInherit(cVector<cEdBlock>& block, cVector<cEdChara>& chara, cVector<cEdItem>& item, int mask) {
    if (mask & kLayerMaskBlock) ReapplyLayer(block);
    if (mask & kLayerMaskChara) ReapplyLayer(chara);
    if (mask & kLayerMaskItem) ReapplyLayer(item);
}

cStateStack::cStateStack() {
    Reset();
}

void cStateStack::Reset() {
    m_Entries.resize(1);
    m_Entries[0] = cViewState();
    m_pCurrent = &m_Entries[0];
    m_Depth = 0;
}

void cStateStack::Push(int mode) {
    m_Entries.push_back(cViewState());
    const int n = static_cast<int>(m_Entries.size());
    if (mode == 1 && n >= 2) m_Entries[n - 1] = m_Entries[n - 2];
    m_pCurrent = &m_Entries[n - 1];
    m_Depth = n - 1;
}

void cStateStack::Pop(int mode) {
    const int n = static_cast<int>(m_Entries.size());
    if (n < 2) return;
    const cViewState top = m_Entries[n - 1];
    m_Entries.pop_back();
    m_pCurrent = &m_Entries[n - 2];
    if (mode == 0) *m_pCurrent = cViewState();
    if (mode == 2) *m_pCurrent = top;
    m_Depth = n - 2;
}

cViewState* cStateStack::Below() {
    const int n = static_cast<int>(m_Entries.size());
    return n >= 2 ? &m_Entries[n - 2] : nullptr;
}
