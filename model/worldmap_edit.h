// The editing state of the world map editor: cursor, tool, cell pattern,
// event buffers, the saved tool state of each editing mode and the undo and
// redo histories (at most three steps each). The editor's windows read and
// change it; the layer switch tells the world map window through a handler.
#pragma once

#include <cstdint>

#include "base/containers.h"
#include "base/str.h"
#include "model/worldmap.h"

// The tool state kept for each editing mode (0 chips, 1 events).
struct cWorldToolState {
    int32_t m_Tool = 0;
    int32_t m_ToolFlag = 0;
    int32_t m_SelEntry = 0;
    int32_t m_SelTemplate = 0;
    int32_t m_PatternWidth = 1;
    int32_t m_PatternHeight = 1;
};

class cWorldMapEdit {
public:
    cString m_Text;
    int32_t m_Mode = 0;      // 0 or 1: index of m_Saved
    int32_t m_Tool = 0;
    int32_t m_ToolFlag = 0;  // cleared by choosing tool 0
    // Cell (x, y) of the picked-up pattern is m_Pattern[y * kWorldMapMaxWidth + x].
    int32_t m_Pattern[kWorldMapMaxHeight * kWorldMapMaxWidth] = {};
    cEdWorldEvent m_EventBuf;     // the template that the event mode places
    cEdWorldEvent* m_pPopupEvent = nullptr;  // placed event under the popup menu's cell
    int32_t m_bClipValid = 0;     // m_EventBuf2 holds a copied event
    cEdWorldEvent m_EventBuf2;    // the event clipboard
    int32_t m_SelEntry = 0;     // a chip, or in the event mode a template; -1 none
    int32_t m_SelTemplate = 0;  // row of the event palette's list
    int32_t m_RangeX = -1;      // start cell of a range being picked up
    int32_t m_RangeY = -1;
    int32_t m_PatternWidth = 1;
    int32_t m_PatternHeight = 1;
    int32_t m_Ranging = 0;      // set while a range is being picked up
    cWorldToolState m_Saved[2];
    cList<cVector<int32_t>> m_UndoCells;
    cList<cVector<cEdWorldEvent>> m_UndoEvents;
    cList<cVector<int32_t>> m_RedoCells;
    cList<cVector<cEdWorldEvent>> m_RedoEvents;

    cWorldMapEdit();
    // The start state for the given map; null for a map that is not built
    // yet, which holds nothing (the global edit state is built before
    // g_WorldMap).
    explicit cWorldMapEdit(const cEdWorldMap* map);
    // Back to the start state for g_WorldMap.
    void Reset();

    // Makes mode 0 or 1 current (other values do nothing): the tool state of
    // the mode left is kept and that of the new mode restored; then the
    // layer handler runs, also when the mode stays.
    void SetLayer(int mode);
    void ToggleLayer();
    // Tool 0 also ends a range being picked up.
    void SetTool(int tool);

    // Bytes one snapshot of the grid and events takes: 4 per cell, 76 per
    // event and 16 per page.
    static uint64_t MemoryEstimate(const cVector<int32_t>& cells, const cVector<cEdWorldEvent>& events);
    // Appends copies of the cells and events to a history, dropping its
    // oldest step beyond three. When the free memory is not above the
    // estimate, every history is emptied instead and the result is false.
    bool PushUndo(cList<cVector<int32_t>>& cellList, cList<cVector<cEdWorldEvent>>& eventList,
                  const cVector<int32_t>& cells, const cVector<cEdWorldEvent>& events);
    // Steps back (forward): the present state goes onto the other history,
    // the newest step of this one is restored and removed. Nothing without
    // a step, or when the present state did not fit.
    void Undo(cVector<int32_t>& cells, cVector<cEdWorldEvent>& events);
    void Redo(cVector<int32_t>& cells, cVector<cEdWorldEvent>& events);
    void ClearHistory();

private:
    void ResetFrom(const cEdWorldMap* map);
};

// The most steps a history keeps.
const int kWorldUndoSteps = 3;

// Where the histories take the free physical memory from (the editor
// installs the system's figure; tests a stand-in). Null: no limit.
typedef uint64_t (*WorldFreeMemoryFn)();
void SetWorldFreeMemorySource(WorldFreeMemoryFn fn);

// Run by SetLayer once the mode is current, so that the world map window
// refreshes its marks and opens the palette of the mode. Null: nothing.
typedef void (*WorldLayerFn)(int mode);
void SetWorldLayerHandler(WorldLayerFn fn);

extern cWorldMapEdit g_WorldMapEdit;
