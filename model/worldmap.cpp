#include "model/worldmap.h"

#include <vector>

#include "model/debugbox.h"

const cString g_WorldMapPath = "data\\WorldMap.dat";
const cString g_WorldMapDefaultPath = "default\\WorldMap.dat";

const char* const g_EventTypeName[] = {"ワールド", "道", "壁", ""};
const char* const g_GameClearAction[] = {"しない", "2周目へ突入", "タイトルへ戻る", ""};

namespace {

const int kDefaultChipCount = 10;
const int32_t kMaxWorldNo = 999;

}  // namespace

// ---------------------------------------------------------------------------
// cEdMapChip

cEdMapChip::cEdMapChip() {
    Declare(248);
    SetDefault();
}

void cEdMapChip::SetDefault() {
    Clear();
}

void cEdMapChip::Declare(uint32_t) {
    ResetDeclare();
    AddInt(&m_Value);
    AddInt(&m_NoPass);
    AddInt(&m_Graphic);
    AddString(&m_Text);
    AddString(&m_Name);
}

// ---------------------------------------------------------------------------
// cEdEventPage

cEdEventPage::cEdEventPage() {
    Declare(248);
    SetDefault();
}

void cEdEventPage::SetDefault() {
    Clear();
}

void cEdEventPage::Declare(uint32_t version) {
    ResetDeclare();
    AddInt(&m_Type);
    AddInt(&m_Graphic);
    AddInt(&m_WorldNo);
    AddInt(&m_PassUncleared);
    AddInt(&m_PlayCleared);
    AddInt(&m_GameClear);
    AddInt(&m_CondWorld);
    AddInt(&m_CondVar);
    AddInt(&m_CondValue);
    AddInt(&m_CondCompare);
    if (version >= 209) AddInt(&m_CondScore);
    AddString(&m_WorldName);
    AddString(&m_StartStage);
}

void cEdEventPage::Read(cRecFile* f) {
    cSerialRecord::Read(f);
    if (g_FileVersion < 209) m_CondScore = 0;
}

// ---------------------------------------------------------------------------
// cEdWorldEvent

cEdWorldEvent::cEdWorldEvent() {
    Declare(248);
    SetDefault();
}

void cEdWorldEvent::SetDefault() {
    Clear();
    m_Pages.resize(1);
}

void cEdWorldEvent::Declare(uint32_t) {
    ResetDeclare();
    AddInt(&m_X);
    AddInt(&m_Y);
    AddString(&m_Name);
}

void cEdWorldEvent::Read(cRecFile* f) {
    cSerialRecord::Read(f);
    ReadVector(m_Pages, f);
    // The editor and the game show an event by its first page.
    if (m_Pages.empty()) m_Pages.resize(1);
}

void cEdWorldEvent::Write(cRecFile* f) {
    cSerialRecord::Write(f);
    WriteVector(m_Pages, f);
}

// ---------------------------------------------------------------------------
// cEdWorldMap

int32_t GridPitchShift(int32_t width) {
    int32_t shift = 0;
    for (int32_t n = width - 1; n > 0; n /= 2) ++shift;
    return shift;
}

cEdWorldMap::cEdWorldMap() {
    Declare(248);
    SetDefault();
}

void cEdWorldMap::SetDefault() {
    Clear();
    m_Label = "ワールド";
    m_Start.x = 9;
    m_Start.y = 7;
    m_BackColor = 16;
    m_UseBackImage = 0;
    m_Chips.Reset(kDefaultChipCount);
    for (int i = 0; i < kDefaultChipCount; ++i) {
        cEdMapChip& chip = m_Chips[i];
        chip.m_Graphic = i;
        chip.m_NoPass = i < 5 ? 1 : 0;
        chip.m_Name = i < 5 ? "通行不可" : "通行可";
    }
    m_Cells.clear();
    SetSize(20, 15);
    m_Events.clear();
    m_Templates.Reset(1);
    m_Templates[0].m_Name = "デフォルト";
}

void cEdWorldMap::Declare(uint32_t) {
    ResetDeclare();
    AddInt(&m_Width);
    AddInt(&m_Height);
    AddInt(&m_Pitch);
    AddInt(&m_PitchShift);
    AddInt(&m_Start.x);
    AddInt(&m_Start.y);
    AddInt(&m_BackColor);
    AddInt(&m_UseBackImage);
    AddString(&m_Label);
    AddString(&m_BackImage);
}

void cEdWorldMap::Read(cRecFile* f) {
    cSerialRecord::Read(f);
    ReadVector(m_Chips, f);
    m_Cells.ReadRaw(f);
    ReadVector(m_Events, f);
    ReadVector(m_Templates, f);

    // The grid must agree with its size: everything that draws or plays the
    // map indexes the cells through the width, pitch and height.
    const char* problem = nullptr;
    if (m_Width < 1 || m_Width > kWorldMapMaxWidth || m_Height < 1 || m_Height > kWorldMapMaxHeight) {
        problem = "the world map's size is outside its limits";
        if (m_Width < 1) m_Width = 1;
        if (m_Width > kWorldMapMaxWidth) m_Width = kWorldMapMaxWidth;
        if (m_Height < 1) m_Height = 1;
        if (m_Height > kWorldMapMaxHeight) m_Height = kWorldMapMaxHeight;
    }
    const int32_t shift = GridPitchShift(m_Width);
    if (!problem && (m_PitchShift != shift || m_Pitch != (1 << shift))) {
        problem = "the world map's row pitch does not match its width";
    }
    m_PitchShift = shift;
    m_Pitch = 1 << shift;
    const size_t cellCount = static_cast<size_t>(m_Pitch) * static_cast<size_t>(m_Height);
    if (!problem && m_Cells.size() != cellCount) {
        problem = "the world map's cell count does not match its size";
    }
    if (problem) {
        f->Fail(problem);
        m_Cells.resize(cellCount, 0);
    }
    // The palettes of the world map editor start on entry 0 of both lists.
    if (m_Chips.empty()) m_Chips.resize(1);
    if (m_Templates.empty()) m_Templates.resize(1);
    // A cell that names no chip becomes the empty chip 0.
    const int32_t chipCount = static_cast<int32_t>(m_Chips.size());
    for (int32_t& cell : m_Cells) {
        if (cell < 0 || cell >= chipCount) cell = 0;
    }
    Validate();
}

void cEdWorldMap::Write(cRecFile* f) {
    Validate();
    cSerialRecord::Write(f);
    WriteVector(m_Chips, f);
    m_Cells.WriteRaw(f);
    WriteVector(m_Events, f);
    WriteVector(m_Templates, f);
}

void cEdWorldMap::Validate() {
    // Only what lies past the right or bottom edge is pulled in or removed;
    // negative values stay.
    if (m_Start.x >= m_Width) m_Start.x = m_Width - 1;
    if (m_Start.y >= m_Height) m_Start.y = m_Height - 1;
    for (int i = static_cast<int>(m_Events.size()) - 1; i >= 0; --i) {
        const cEdWorldEvent& e = m_Events[i];
        if (e.m_X >= m_Width || e.m_Y >= m_Height) m_Events.EraseAt(i);
    }
}

int cEdWorldMap::SetSize(int32_t width, int32_t height) {
    if (width == 0 || height == 0) {
        DebugBoxF("SetSize()で 0 を指定しました！");
        return 0;
    }
    if (width < 0 || width > kWorldMapMaxWidth || height < 0 || height > kWorldMapMaxHeight) {
        DebugBoxF("SetSize()で範囲外の大きさ（%d , %d）を指定しました！", width, height);
        return 0;
    }
    const bool keep = !m_Cells.empty();
    cVector<int32_t> before;
    const int32_t beforeWidth = m_Width;
    const int32_t beforeHeight = m_Height;
    const int32_t beforeShift = m_PitchShift;
    if (keep) {
        before.swap(m_Cells);
        DebugBoxF("nBeforeWidth = %d,nBeforePitch = %d,nBeforePitch_Shift = %d", beforeWidth, m_Pitch,
                  beforeShift);
    }
    m_Width = width;
    m_Height = height;
    m_PitchShift = GridPitchShift(width);
    m_Pitch = 1 << m_PitchShift;
    m_Cells.Reset(m_Pitch * height);
    if (keep && beforeShift >= 0 && beforeShift < 31) {
        const int32_t w = width < beforeWidth ? width : beforeWidth;
        const int32_t h = height < beforeHeight ? height : beforeHeight;
        for (int32_t y = 0; y < h; ++y) {
            for (int32_t x = 0; x < w; ++x) {
                // A grid whose size fields were changed by hand may be short:
                // its missing cells count as 0.
                const size_t from = static_cast<size_t>(x) + (static_cast<size_t>(y) << beforeShift);
                if (from >= before.size()) continue;
                m_Cells[x + (y << m_PitchShift)] = before[static_cast<int>(from)];
            }
        }
    }
    return 1;
}

void cEdWorldMap::ClearCells() {
    for (int32_t& cell : m_Cells) cell = 0;
}

cEdWorldEvent* cEdWorldMap::FindEvent(int32_t x, int32_t y) {
    for (cEdWorldEvent& e : m_Events) {
        if (e.m_X == x && e.m_Y == y) return &e;
    }
    return nullptr;
}

int cEdWorldMap::HasEventAt(int32_t x, int32_t y) {
    return FindEvent(x, y) ? 1 : 0;
}

void cEdWorldMap::PutEvent(cEdWorldEvent* event, int32_t x, int32_t y) {
    RemoveEventsAt(x, y);
    event->m_X = x;
    event->m_Y = y;
    m_Events.push_back(*event);
}

int cEdWorldMap::RemoveEventsAt(int32_t x, int32_t y) {
    int removed = 0;
    for (int i = static_cast<int>(m_Events.size()) - 1; i >= 0; --i) {
        if (m_Events[i].m_X == x && m_Events[i].m_Y == y) {
            m_Events.EraseAt(i);
            removed = 1;
        }
    }
    return removed;
}

int cEdWorldMap::RemoveEvent(const cEdWorldEvent* event) {
    for (int i = 0; i < static_cast<int>(m_Events.size()); ++i) {
        if (&m_Events[i] == event) {
            m_Events.EraseAt(i);
            return 1;
        }
    }
    return 0;
}

int32_t cEdWorldMap::NextFreeWorldNo(const cEdWorldEvent* excluded) {
    std::vector<bool> used(kMaxWorldNo + 1, false);
    for (const cEdWorldEvent& e : m_Events) {
        if (&e == excluded) continue;
        for (const cEdEventPage& page : e.m_Pages) {
            if (page.m_Type == 0 && page.m_WorldNo >= 1 && page.m_WorldNo <= kMaxWorldNo) {
                used[static_cast<size_t>(page.m_WorldNo)] = true;
            }
        }
    }
    for (int32_t n = 1; n <= kMaxWorldNo; ++n) {
        if (!used[static_cast<size_t>(n)]) return n;
    }
    return 0;
}

void cEdWorldMap::AssignWorldNo(cEdWorldEvent* event, const cEdWorldEvent* excluded) {
    const int32_t n = NextFreeWorldNo(excluded);
    for (cEdEventPage& page : event->m_Pages) {
        if (page.m_Type == 0) page.m_WorldNo = n;
    }
}
