#include "model/worldmap_edit.h"

namespace {

WorldFreeMemoryFn s_FreeMemory = nullptr;
WorldLayerFn s_LayerHandler = nullptr;

uint64_t FreeMemory() {
    return s_FreeMemory ? s_FreeMemory() : UINT64_MAX;
}

}  // namespace

void SetWorldFreeMemorySource(WorldFreeMemoryFn fn) {
    s_FreeMemory = fn;
}

void SetWorldLayerHandler(WorldLayerFn fn) {
    s_LayerHandler = fn;
}

cWorldMapEdit::cWorldMapEdit() {
    ResetFrom(&g_WorldMap);
}

cWorldMapEdit::cWorldMapEdit(const cEdWorldMap* map) {
    ResetFrom(map);
}

void cWorldMapEdit::Reset() {
    ResetFrom(&g_WorldMap);
}

void cWorldMapEdit::ResetFrom(const cEdWorldMap* map) {
    m_Mode = 0;
    m_Tool = 0;
    m_ToolFlag = 0;
    m_pPopupEvent = nullptr;
    m_bClipValid = 0;
    m_SelEntry = 0;
    m_SelTemplate = 0;
    m_RangeX = -1;
    m_RangeY = -1;
    m_PatternWidth = 1;
    m_PatternHeight = 1;
    m_Ranging = 0;
    cWorldToolState& events = m_Saved[1];
    if (map && !map->m_Events.empty()) {
        events.m_SelEntry = 0;
        events.m_SelTemplate = 0;
        events.m_PatternWidth = 1;
        events.m_PatternHeight = 1;
        m_EventBuf = map->m_Templates[0];
    } else {
        events.m_SelEntry = -1;
        events.m_SelTemplate = -1;
        events.m_PatternWidth = 0;
        events.m_PatternHeight = 0;
    }
    ClearHistory();
}

void cWorldMapEdit::SetLayer(int mode) {
    if (mode != 0 && mode != 1) return;
    if (mode != m_Mode) {
        cWorldToolState& left = m_Saved[m_Mode];
        left.m_Tool = m_Tool;
        left.m_ToolFlag = m_ToolFlag;
        left.m_SelEntry = m_SelEntry;
        left.m_SelTemplate = m_SelTemplate;
        left.m_PatternWidth = m_PatternWidth;
        left.m_PatternHeight = m_PatternHeight;
        const cWorldToolState& next = m_Saved[mode];
        m_Tool = next.m_Tool;
        m_ToolFlag = next.m_ToolFlag;
        m_SelEntry = next.m_SelEntry;
        m_SelTemplate = next.m_SelTemplate;
        m_PatternWidth = next.m_PatternWidth;
        m_PatternHeight = next.m_PatternHeight;
    }
    m_Mode = mode;
    if (s_LayerHandler) s_LayerHandler(mode);
}

void cWorldMapEdit::ToggleLayer() {
    int next = m_Mode + 1;
    if (next > 1) next = 0;
    SetLayer(next);
}

void cWorldMapEdit::SetTool(int tool) {
    m_Tool = tool;
    if (tool == 0) m_ToolFlag = 0;
}

uint64_t cWorldMapEdit::MemoryEstimate(const cVector<int32_t>& cells, const cVector<cEdWorldEvent>& events) {
    // Counted in 64 bits: a sum in 32 bits would wrap and let a snapshot
    // through that does not fit.
    uint64_t bytes = 4ull * cells.size();
    for (size_t i = 0; i < events.size(); ++i) bytes += 76ull + 16ull * events[i].m_Pages.size();
    return bytes;
}

bool cWorldMapEdit::PushUndo(cList<cVector<int32_t>>& cellList, cList<cVector<cEdWorldEvent>>& eventList,
                             const cVector<int32_t>& cells, const cVector<cEdWorldEvent>& events) {
    if (FreeMemory() <= MemoryEstimate(cells, events)) {
        ClearHistory();
        return false;
    }
    while (static_cast<int>(cellList.size()) >= kWorldUndoSteps) {
        cellList.pop_front();
        if (!eventList.empty()) eventList.pop_front();
    }
    cellList.push_back(cells);
    eventList.push_back(events);
    return true;
}

namespace {

// Restores the newest step of one history after the present state went
// onto the other.
void StepHistory(cWorldMapEdit& ed, cList<cVector<int32_t>>& fromCells, cList<cVector<cEdWorldEvent>>& fromEvents,
                 cList<cVector<int32_t>>& toCells, cList<cVector<cEdWorldEvent>>& toEvents, cVector<int32_t>& cells,
                 cVector<cEdWorldEvent>& events) {
    if (fromCells.empty()) return;
    if (!ed.PushUndo(toCells, toEvents, cells, events)) return;
    const int last = static_cast<int>(fromCells.size()) - 1;
    cells = fromCells[last];
    fromCells.pop_back();
    const int lastEvents = static_cast<int>(fromEvents.size()) - 1;
    events = fromEvents[lastEvents];
    if (!fromEvents.empty()) fromEvents.pop_back();
}

}  // namespace

void cWorldMapEdit::Undo(cVector<int32_t>& cells, cVector<cEdWorldEvent>& events) {
    StepHistory(*this, m_UndoCells, m_UndoEvents, m_RedoCells, m_RedoEvents, cells, events);
}

void cWorldMapEdit::Redo(cVector<int32_t>& cells, cVector<cEdWorldEvent>& events) {
    StepHistory(*this, m_RedoCells, m_RedoEvents, m_UndoCells, m_UndoEvents, cells, events);
}

void cWorldMapEdit::ClearHistory() {
    m_UndoCells.clear();
    m_UndoEvents.clear();
    m_RedoCells.clear();
    m_RedoEvents.clear();
}
