#include "model/database.h"

#include "base/paths.h"
#include "model/datafile.h"

#include <cstdio>

#include "base/platform.h"

namespace {

// The flag that names an entry after its file: files before version 153
// hold no meaningful value for it.
void FixSameAsFile(int32_t* sameAsFile) {
    if (g_FileVersion < 153) *sameAsFile = 0;
}

}  // namespace

// ---------------------------------------------------------------------------
// Animations

void cEdAnimeFrame::SetDefault() {
    Clear();
    m_Time = 1;
}

void cEdAnimeFrame::Declare(uint32_t) {
    ResetDeclare();
    AddInt(&m_Cell);
    AddInt(&m_Time);
    AddInt(&m_RunCommand);
}

void cEdAnime::SetDefault() {
    Clear();
    m_Frames.Reset(1);
    m_SampleKind = 1;
}

void cEdAnime::Declare(uint32_t version) {
    ResetDeclare();
    if (version >= 55) {
        AddShort(&m_SampleNo);
        AddByte(&m_SampleKind);
        AddShort(&m_SampleCell);
    }
    AddString(&m_Name);
}

void cEdAnime::Read(cRecFile* f) {
    cSerialRecord::Read(f);
    ReadVector(m_Frames, f);
}

void cEdAnime::Write(cRecFile* f) {
    cSerialRecord::Write(f);
    WriteVector(m_Frames, f);
}

namespace {

const char* const kAnimeSlotName[cEdAnimeSet::kSlotCount] = {"立ち", "立ち移動", "飛行", "飛行移動"};

}  // namespace

void cEdAnimeSet::SetDefault() {
    Clear();
    m_InvincibleShift = 4;
    m_BlockShift = 8;
    m_FlyShift = 0;
    m_Animes.resize(kSlotCount);
    for (int i = 0; i < kSlotCount; ++i) m_Animes[i].m_Name = kAnimeSlotName[i];
}

void cEdAnimeSet::Declare(uint32_t version) {
    ResetDeclare();
    AddInt(&m_InvincibleShift);
    AddInt(&m_BlockShift);
    if (version >= 119) AddInt(&m_FlyShift);
    AddString(&m_Name);
}

void cEdAnimeSet::Read(cRecFile* f) {
    cSerialRecord::Read(f);
    ReadVector(m_Animes, f);
    if (g_FileVersion < 128) {
        // The flying slots came with version 128: older sets get them, and
        // exactly the four slots, before the slots are named.
        m_Animes.resize(kSlotCount);
        m_Animes[2].m_Name = kAnimeSlotName[2];
        m_Animes[3].m_Name = kAnimeSlotName[3];
    }
}

void cEdAnimeSet::Write(cRecFile* f) {
    cSerialRecord::Write(f);
    WriteVector(m_Animes, f);
}

// ---------------------------------------------------------------------------
// Character bitmaps

void cEdBmpCharaExc::SetDefault() {
    Clear();
    m_GiantSize = 2;
}

void cEdBmpCharaExc::Declare(uint32_t version) {
    ResetDeclare();
    if (version >= 152) AddInt(&m_SameAsFile);
    if (version >= 172) {
        AddInt(&m_Giant);
        AddInt(&m_GiantSize);
    }
    AddString(&m_Name);
    AddString(&m_File);
}

void cEdBmpCharaExc::Read(cRecFile* f) {
    cSerialRecord::Read(f);
    FixSameAsFile(&m_SameAsFile);
}

// ---------------------------------------------------------------------------
// Sword types

const cString g_SwordDirectionName[5] = {"前", "後", "上", "下", ""};

const cString& SwordDirectionName(int direction) {
    if (direction < 0 || direction > 3) return g_SwordDirectionName[4];
    return g_SwordDirectionName[direction];
}

void cEdSwordPos::SetDefault() {
    Clear();
    m_FlipX = 1;
}

void cEdSwordPos::Declare(uint32_t version) {
    ResetDeclare();
    AddInt(&m_OffsetX);
    AddInt(&m_OffsetY);
    if (version >= 138) {
        AddInt(&m_FlipX);
        AddInt(&m_FlipY);
    }
    AddInt(&m_Direction);
    AddInt(&m_SrcX);
    AddInt(&m_SrcY);
    AddInt(&m_Width);
    AddInt(&m_Height);
    AddInt(&m_Time);
}

void cEdSwordType::SetDefault() {
    Clear();
    m_Positions.clear();
    m_Positions.emplace_back();
    m_Positions.back().m_Time = 1;
}

void cEdSwordType::Declare(uint32_t version) {
    ResetDeclare();
    if (version >= 151) AddInt(&m_SameAsFile);
    AddString(&m_Name);
    AddString(&m_FileLeft);
    AddString(&m_FileRight);
}

void cEdSwordType::Read(cRecFile* f) {
    cSerialRecord::Read(f);
    ReadVector(m_Positions, f);
    FixSameAsFile(&m_SameAsFile);
}

void cEdSwordType::Write(cRecFile* f) {
    cSerialRecord::Write(f);
    WriteVector(m_Positions, f);
}

// ---------------------------------------------------------------------------
// Effects

void cEdEffectFrame::SetDefault() {
    Clear();
    m_Time = 1;
}

void cEdEffectFrame::Declare(uint32_t) {
    ResetDeclare();
    AddInt(&m_Cell);
    AddInt(&m_Time);
}

void cEdEffect::SetDefault() {
    Clear();
    m_Width = 32;
    m_Height = 32;
    m_Frames.clear();
}

void cEdEffect::Declare(uint32_t version) {
    ResetDeclare();
    if (version >= 151) AddInt(&m_SameAsFile);
    AddInt(&m_Width);
    AddInt(&m_Height);
    AddInt(&m_AllowEnlarge);
    AddString(&m_Name);
    AddString(&m_File);
}

void cEdEffect::Read(cRecFile* f) {
    cSerialRecord::Read(f);
    ReadVector(m_Frames, f);
    FixSameAsFile(&m_SameAsFile);
}

void cEdEffect::Write(cRecFile* f) {
    cSerialRecord::Write(f);
    WriteVector(m_Frames, f);
}

void cEdKindEffect::SetDefault() {
    Clear();
    m_Kind = 1;
}

void cEdKindEffect::Declare(uint32_t) {
    ResetDeclare();
    AddInt(&m_Kind);
    AddInt(m_Param, kEffectParamCount);
    AddString(&m_Name);
}

// ---------------------------------------------------------------------------
// Pictures, sounds and music

void cEdFileEntry::SetDefault() {
    Clear();
}

void cEdFileEntry::Declare(uint32_t version) {
    ResetDeclare();
    if (version >= 151) AddInt(&m_SameAsFile);
    AddString(&m_Name);
    AddString(&m_File);
}

void cEdFileEntry::Read(cRecFile* f) {
    cSerialRecord::Read(f);
    FixSameAsFile(&m_SameAsFile);
}

// ---------------------------------------------------------------------------
// The database

namespace {

const char* const kTableName[kDatabaseTableCount] = {
    "AnimeSet", "Anime", "Bmp_CharaExc", "SwordType", "Effect",
    "CharaEffect", "ScrEffect", "Picture", "Sound", "Bgm",
};

cString TablePath(const char* folder, int table) {
    cString path;
    path.Format("%s\\database\\%s.dat", folder, kTableName[table]);
    return path;
}

// Creates every missing folder on the way to a file.
}  // namespace

const cString g_DatabasePath[kDatabaseTableCount] = {
    TablePath("data", 0), TablePath("data", 1), TablePath("data", 2), TablePath("data", 3),
    TablePath("data", 4), TablePath("data", 5), TablePath("data", 6), TablePath("data", 7),
    TablePath("data", 8), TablePath("data", 9),
};

const cString g_DatabaseDefaultPath[kDatabaseTableCount] = {
    TablePath("default", 0), TablePath("default", 1), TablePath("default", 2), TablePath("default", 3),
    TablePath("default", 4), TablePath("default", 5), TablePath("default", 6), TablePath("default", 7),
    TablePath("default", 8), TablePath("default", 9),
};

int DatabaseDefaultCount(int table) {
    return (table == kTableAnimeSet || table == kTableSwordType) ? 1 : 2;
}

void cEdDatabase::Declare(uint32_t) {
    ResetDeclare();
}

void cEdDatabase::SetDefault() {
    Clear();
    ForEachTable([](auto& table, int index) { table.Reset(DatabaseDefaultCount(index)); });
    m_Anime[0].m_Name = "なし";
    m_Anime[1].m_Name = "アクションA";
}

void cEdDatabase::PadTables() {
    ForEachTable([](auto& table, int index) {
        const size_t count = static_cast<size_t>(DatabaseDefaultCount(index));
        if (table.size() < count) table.resize(count);
    });
}

int cEdDatabase::Load() {
    ForEachTable([](auto& table, int index) {
        const char* dataPath = g_DatabasePath[index].c_str();
        if (LoadVector(table, dataPath)) return;
        if (!LoadVector(table, g_DatabaseDefaultPath[index].c_str())) {
            table.resize(static_cast<size_t>(DatabaseDefaultCount(index)));
        }
        // A damaged file is kept beside it before the fallback is written.
        KeepBrokenFile(dataPath);
        CreateFoldersOf(dataPath);
        SaveVector(table, dataPath);
    });
    // A file may hold fewer entries than a table needs (even none): the
    // reserved entry 0 must exist.
    PadTables();
    FixFirstEntries();
    return 1;
}

bool cEdDatabase::Save(cVector<int>* failed) {
    PadTables();
    FixFirstEntries();
    CreateFoldersOf(g_DatabasePath[0].c_str());
    bool all = true;
    ForEachTable([&](auto& table, int index) {
        if (SaveVector(table, g_DatabasePath[index].c_str())) return;
        all = false;
        if (failed) failed->push_back(index);
    });
    return all;
}

void cEdDatabase::FixFirstEntries() {
    m_CharaEffect[0].m_Kind = 0;
    m_ScrEffect[0].m_Kind = 0;
}

int16_t cEdDatabase::GetSwordTime(int16_t index) {
    // Summed wide and capped after every addition, so no stored time can
    // wrap the sum.
    int64_t sum = 0;
    for (const cEdSwordPos& pos : m_SwordType[index].m_Positions) {
        sum += pos.m_Time;
        if (sum >= 9999) sum = 9999;
    }
    if (sum < 0) sum = 0;
    return static_cast<int16_t>(sum);
}
