#include <algorithm>
#include <cstdint>

#include "model/cmd_tables.h"
#include "model/flow.h"
#include "model/record_refs.h"

namespace {

// A sub-record is stored as a 4-byte flag (1 present, 0 absent), followed by
// the record when present.
template <class T>
void ReadShared(boost::shared_ptr<T>& p, cRecFile* f) {
    int32_t present;
    if (!f->ReadInt(&present)) return;
    if (present != 0) {
        NewShared(p);
        p->Read(f);
    } else {
        p.reset();
    }
}

template <class T>
void WriteShared(const boost::shared_ptr<T>& p, cRecFile* f) {
    f->WriteInt(p ? 1 : 0);
    if (p) p->Write(f);
}

// The copy never shares the source's object.
template <class T>
void CopyShared(boost::shared_ptr<T>& dst, const boost::shared_ptr<T>& src) {
    dst.reset();
    if (src) {
        NewShared(dst);
        *dst = *src;
    }
}

template <class T>
bool SameShared(const boost::shared_ptr<T>& a, const boost::shared_ptr<T>& b) {
    if (!a || !b) return !a && !b;
    return *a == *b;
}

// Moves parameters i .. n-2 one place up (the last is dropped) and stores v
// at i.
void InsertParam(cVector<int32_t>& p, int i, int32_t v) {
    const int n = static_cast<int>(p.size());
    if (i >= n) return;
    for (int j = n - 1; j > i; --j) p[j] = p[j - 1];
    p[i] = v;
}

// A character status index in parameter item, whose owner is in parameter
// who, moves past an entry inserted at pos (system values never moved).
void RaiseStatusParam(cVector<int32_t>& p, int who, int item, int pos) {
    if (p[who] != kWhoSystem && p[item] >= pos && p[item] < INT32_MAX) ++p[item];
}

// Parameter 0 of the database kinds, the table it names, and the index that
// replaces one outside the table.
struct cDbParamKind {
    int kind;
    eDatabaseTable table;
    int32_t reset;
};

const cDbParamKind kDbParamKinds[] = {
    {kCmdAnimeSet, kTableAnimeSet, 0}, {kCmdAnime, kTableAnime, 1},         {kCmdEffect, kTableEffect, 1},
    {kCmdCharaEffect, kTableCharaEffect, 1}, {kCmdScrEffect, kTableScrEffect, 1}, {kCmdPicture, kTablePicture, 1},
    {kCmdSound, kTableSound, 1},       {kCmdBgm, kTableBgm, 1},
};

// The palette named by a stored palette value, or false for none.
bool PaletteOf(int value, int common, int stage, ePaletteKind* out) {
    if (value == common) {
        *out = kPaletteCommon;
        return true;
    }
    if (value == stage) {
        *out = kPaletteStage;
        return true;
    }
    return false;
}

}  // namespace

cEdCommand::cEdCommand() {
    Declare(248);
    SetDefault();
}

cEdCommand::cEdCommand(const cEdCommand& src) : cSerialRecord(src) {
    *this = src;
}

cEdCommand& cEdCommand::operator=(const cEdCommand& src) {
    if (this == &src) return *this;
    cSerialRecord::operator=(src);
    m_nCmdSet = src.m_nCmdSet;
    m_nKind = src.m_nKind;
    m_Params = src.m_Params;
    m_Text = src.m_Text;
    CopyShared(m_spMove, src.m_spMove);
    CopyShared(m_spShot, src.m_spShot);
    m_nTime = src.m_nTime;
    m_nTimeClone = src.m_nTimeClone;
    m_bParallel = src.m_bParallel;
    m_nSound = src.m_nSound;
    m_bMuteOffScreen = src.m_bMuteOffScreen;
    m_nAnime = src.m_nAnime;
    m_Flows = src.m_Flows;
    return *this;
}

void cEdCommand::SetDefault() {
    Clear();
    m_spMove.reset();
    m_spShot.reset();
    m_bMuteOffScreen = 1;
}

void cEdCommand::Declare(uint32_t) {
    ResetDeclare();
    AddByte(&m_nCmdSet);
    AddByte(&m_nKind);
    AddShort(&m_nTime);
    AddShort(&m_nTimeClone);
    AddByte(&m_bParallel);
    AddShort(&m_nSound);
    AddByte(&m_bMuteOffScreen);
    AddShort(&m_nAnime);
    AddString(&m_Text);
}

int cEdCommand::FlowKind() const {
    const int kind = m_nKind;
    if (m_nCmdSet == 0) return (kind >= 0 && kind < kCmdKindCount) ? kind : -1;
    if (kind == 0) return kCmdNone;
    if (kind > kCmd2FlowChange && kind < kCmdKind2Count) return kind + kCmd2Offset;
    return -1;
}

int cEdCommand::ParamCount() const {
    const int kind = m_nKind;
    if (m_nCmdSet == 0) return (kind >= 0 && kind < kCmdKindCount) ? g_CmdKind[kind].m_nParams : 0;
    return (kind >= 0 && kind < kCmdKind2Count) ? g_CmdKind2[kind].m_nParams : 0;
}

void cEdCommand::Read(cRecFile* f) {
    cSerialRecord::Read(f);
    ReadShared(m_spMove, f);
    ReadShared(m_spShot, f);
    ReadVector(m_Flows, f);
    m_Params.ReadRaw(f);
    if (g_FileVersion < 248) Convert();
    // the flows validated themselves as they were read
    ValidateOwn();
}

void cEdCommand::Write(cRecFile* f) {
    // the flows validate themselves as they are written
    ValidateOwn();
    cSerialRecord::Write(f);
    WriteShared(m_spMove, f);
    WriteShared(m_spShot, f);
    WriteVector(m_Flows, f);
    m_Params.WriteRaw(f);
}

// Brings the parameters of an older file to today's meaning. A conversion
// that reads parameters first sizes them for the kind, as a file may hold
// fewer than the kind has.
void cEdCommand::Convert() {
    const uint32_t v = g_FileVersion;
    const int kind = FlowKind();
    const bool charaSet = (m_nCmdSet == 0);
    cVector<int32_t>& p = m_Params;
    auto resize = [&p](int n) { p.resize(static_cast<size_t>(n), 0); };

    if (v <= 144 && kind == kCmdStageClear) resize(5);
    if (v < 166 && kind == kCmdBgm) {
        resize(2);
        p[1] = 1;
    }
    if (v < 168 && kind == kCmdStatusOp) {
        resize(ParamCount());
        if (p[0] == kOperandStatus) RaiseStatusParam(p, 3, 4, kStatusInsertedAt168);
        if (p[6] == kSourceStatus) RaiseStatusParam(p, 12, 13, kStatusInsertedAt168);
    }
    if (v < 189 && kind == kCmdTarget) {
        resize(10);
        InsertParam(p, 2, 0);
    }
    if (v < 194 && kind == kCmdPicture) {
        resize(11);
        InsertParam(p, 6, 1);
    }
    if (v < 195 && (kind == kCmdCharaEffect || kind == kCmdScrEffect)) {
        resize(3);
        InsertParam(p, 1, 0);
    }
    // The summon data moved into the shot record.
    if (v < 203 && charaSet && (kind == kCmdSummonChara || kind == kCmdSummonItem)) resize(0);
    if (v < 203 && charaSet && kind == kCmdFlowOp) resize(3);
    if (v < 203 && kind == kCmdStatusOp) {
        resize(ParamCount());
        if (p[0] == kOperandStatus) RaiseStatusParam(p, 3, 4, kStatusInsertedAt203);
        if (p[6] == kSourceStatus) RaiseStatusParam(p, 12, 13, kStatusInsertedAt203);
    }
    if (v < 210 && kind == kCmdStatusOp2) {
        resize(ParamCount());
        RaiseStatusParam(p, 0, 1, kStateInsertedAt210);
    }
    // Shot graphics were renumbered by one.
    if (v < 219 && kind == kCmdGraphic) {
        resize(ParamCount());
        if (p[0] == 3) p[1] = (p[1] >= kMaxShotGraphic) ? kMaxShotGraphic : p[1] + 1;
    }
    if (v < 220 && charaSet && kind == kCmdShot && m_spShot) {
        m_spShot->m_nGraphic = static_cast<int16_t>(std::min(m_spShot->m_nGraphic + 1, kMaxShotGraphic));
    }
}

void cEdCommand::Validate() {
    ValidateOwn();
    for (auto& flow : m_Flows) flow.Validate();
}

void cEdCommand::ValidateOwn() {
    if (OutsideTable(m_nAnime, kTableAnime)) m_nAnime = 0;
    if (OutsideTable(m_nSound, kTableSound)) m_nSound = 0;

    // A kind outside the table of its set is no command at all.
    const int count = (m_nCmdSet == 0) ? kCmdKindCount : kCmdKind2Count;
    if (m_nKind < 0 || m_nKind >= count) m_nKind = kCmdNone;
    m_Params.resize(static_cast<size_t>(ParamCount()), 0);

    const int kind = FlowKind();
    for (const cDbParamKind& d : kDbParamKinds) {
        if (kind == d.kind && OutsideTable(m_Params[0], d.table)) m_Params[0] = d.reset;
    }

    if (m_nCmdSet == 0 && kind >= kCmdShot && kind <= kCmdSummonItem && !m_spShot) NewShared(m_spShot);
    // The move kinds and the warp keep their arguments in the move record,
    // which their pages and summaries read.
    const bool moveKind = (m_nCmdSet == 0 && kind >= kCmdMoveFirst && kind <= kCmdMoveLast) || kind == kCmdWarp;
    if (moveKind && !m_spMove) NewShared(m_spMove);

    if (m_nCmdSet == 0 && kind == kCmdSword) {
        if (OutsideTable(m_spShot->m_nMoveType, kTableSwordType)) m_spShot->m_nMoveType = 0;
        const cRecordRefs* refs = GetRecordRefs();
        // An empty SwordType table leaves the time as it is.
        if (refs && !OutsideTable(m_spShot->m_nMoveType, kTableSwordType)) {
            m_nTime = refs->SwordTime(m_spShot->m_nMoveType);
        }
    }
}

void cEdCommand::ValidateRefs() {
    const int kind = (m_nCmdSet == 0) ? FlowKind() : -1;
    ePaletteKind palette;
    if ((kind == kCmdShot || kind == kCmdSword) && m_spShot) {
        cEdShot& s = *m_spShot;
        if (PaletteOf(s.m_nItemPalette, 1, 2, &palette) && OutsidePalette(s.m_nItem, palette, kObjItem)) {
            s.m_nItemPalette = 0;
            s.m_nItem = 0;
        }
    }
    if (kind >= kCmdSummonBlock && kind <= kCmdSummonItem && m_spShot) {
        cEdShot& s = *m_spShot;
        const eObjType type = static_cast<eObjType>(kObjBlock + (kind - kCmdSummonBlock));
        if (PaletteOf(s.m_nSummonPalette, 0, 1, &palette) && OutsidePalette(s.m_nSummonIndex, palette, type)) {
            s.m_nSummonIndex = 1;
        }
    }
    if (FlowKind() == kCmdGetItem && m_Params.size() >= 2) {
        if (PaletteOf(m_Params[0], 0, 1, &palette) && OutsidePalette(m_Params[1], palette, kObjItem)) {
            m_Params[1] = 1;
        }
    }
    for (auto& flow : m_Flows) flow.ValidateRefs();
}

bool cEdCommand::operator==(const cEdCommand& o) const {
    if (!IsSameRecord(*this, o)) return false;
    if (!SameShared(m_spMove, o.m_spMove) || !SameShared(m_spShot, o.m_spShot)) return false;
    if (static_cast<const std::vector<int32_t>&>(m_Params) != static_cast<const std::vector<int32_t>&>(o.m_Params)) {
        return false;
    }
    return m_Flows.size() == o.m_Flows.size() && std::equal(m_Flows.begin(), m_Flows.end(), o.m_Flows.begin());
}
