#include "model/worldmap_edit.h"

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
    m_EventBufValues[0] = 0;
    m_EventBufValues[1] = 0;
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
    m_UndoCells.clear();
    m_UndoEvents.clear();
    m_RedoCells.clear();
    m_RedoEvents.clear();
}
