// The editing state of the world map editor: cursor, tool, cell pattern,
// event buffers, the saved tool state of each editing mode and the undo and
// redo histories. Only its construction and reset live here; the editor
// itself works on it.
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
    cEdWorldEvent m_EventBuf;
    int32_t m_EventBufValues[2] = {0, 0};
    cEdWorldEvent m_EventBuf2;
    int32_t m_SelEntry = 0;     // a chip, or in the event mode a template
    int32_t m_SelTemplate = 0;
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

private:
    void ResetFrom(const cEdWorldMap* map);
};

extern cWorldMapEdit g_WorldMapEdit;
