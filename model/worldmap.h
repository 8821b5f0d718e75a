// The world map: a grid of map chips with the events placed on it (worlds,
// roads, walls), the event templates of the event palette, the start
// position and the background. One record, stored as "data\WorldMap.dat".
#pragma once

#include <cstdint>

#include "base/containers.h"
#include "base/record.h"
#include "base/str.h"

// The largest grid; also the size of the edit state's cell pattern.
const int32_t kWorldMapMaxWidth = 200;
const int32_t kWorldMapMaxHeight = 150;

// The world map file and its copy in a new project's "default\" folder.
extern const cString g_WorldMapPath;
extern const cString g_WorldMapDefaultPath;

// Event types and game-clear actions of an event page; both end with "".
extern const char* const g_EventTypeName[];
extern const char* const g_GameClearAction[];

// One map chip definition; a cell holds an index into the chip list.
class cEdMapChip : public cSerialRecord {
public:
    int32_t m_Value = 0;    // kept and saved
    int32_t m_NoPass = 0;   // 1: the chip cannot be passed
    int32_t m_Graphic = 0;  // cell of "bmp\WorldMapChip.bmp", rows of five
    cString m_Text;         // kept and saved
    cString m_Name;

    cEdMapChip();
    void SetDefault();
    void Declare(uint32_t version) override;
};

// One page of an event.
class cEdEventPage : public cSerialRecord {
public:
    int32_t m_Type = 0;           // 0 world, 1 road, 2 wall (g_EventTypeName)
    int32_t m_Graphic = 0;        // row of "bmp\WorldEvent.bmp"
    int32_t m_WorldNo = 0;        // 0: no number (cleared from the start)
    int32_t m_PassUncleared = 0;
    int32_t m_PlayCleared = 0;
    int32_t m_GameClear = 0;      // g_GameClearAction
    int32_t m_CondWorld = 0;      // world to clear first; 0: always appears
    int32_t m_CondVar = 0;        // common variable; 0: no variable condition
    int32_t m_CondValue = 0;
    int32_t m_CondCompare = 0;    // g_CompareWord
    int32_t m_CondScore = 0;      // minimum total score (files from 209)
    cString m_WorldName;
    cString m_StartStage;

    cEdEventPage();
    void SetDefault();
    void Declare(uint32_t version) override;
    void Read(cRecFile* f) override;
};

// An event placed on the map, or a template of the event palette.
class cEdWorldEvent : public cSerialRecord {
public:
    int32_t m_X = 0;
    int32_t m_Y = 0;
    cString m_Name;
    cVector<cEdEventPage> m_Pages;  // at least one

    cEdWorldEvent();
    void SetDefault();
    void Declare(uint32_t version) override;
    void Read(cRecFile* f) override;
    void Write(cRecFile* f) override;
};

struct cMapPoint {
    int32_t x = 0;
    int32_t y = 0;
};

class cEdWorldMap : public cSerialRecord {
public:
    int32_t m_Width = 0;
    int32_t m_Height = 0;
    int32_t m_Pitch = 0;       // smallest power of two not below m_Width
    int32_t m_PitchShift = 0;  // log2 of m_Pitch
    cVector<cEdMapChip> m_Chips;
    // m_Pitch x m_Height cells; cell (x, y) is x + (y << m_PitchShift).
    cVector<int32_t> m_Cells;
    cVector<cEdWorldEvent> m_Events;
    cVector<cEdWorldEvent> m_Templates;
    cMapPoint m_Start;
    int32_t m_BackColor = 0;     // palette index of the background colour
    int32_t m_UseBackImage = 0;
    cString m_Label;
    cString m_BackImage;

    cEdWorldMap();
    void SetDefault();
    void Declare(uint32_t version) override;
    void Read(cRecFile* f) override;
    void Write(cRecFile* f) override;

    // Start position inside the grid, no placed event outside it.
    void Validate();
    // 1 when the grid was resized (cells of the common area kept), 0 when
    // the size is refused (a zero size or one beyond the largest grid).
    int SetSize(int32_t width, int32_t height);
    void ClearCells();
    cEdWorldEvent* FindEvent(int32_t x, int32_t y);
    int HasEventAt(int32_t x, int32_t y);
    // Replaces every event at (x, y) by a copy of the event, moved there.
    void PutEvent(cEdWorldEvent* event, int32_t x, int32_t y);
    int RemoveEventsAt(int32_t x, int32_t y);
    // Removes the element that is that very object.
    int RemoveEvent(const cEdWorldEvent* event);
    // Lowest world number 1..999 that no world page of another placed event
    // uses; 0 when all are used.
    int32_t NextFreeWorldNo(const cEdWorldEvent* excluded);
    void AssignWorldNo(cEdWorldEvent* event, const cEdWorldEvent* excluded);
};

// The pitch of a grid width: the smallest power of two not below it, and
// its shift.
int32_t GridPitchShift(int32_t width);

extern cEdWorldMap g_WorldMap;
