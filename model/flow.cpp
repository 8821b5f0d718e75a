#include "model/flow.h"

#include <algorithm>

#include "model/cmd_tables.h"

// ---------------------------------------------------------------------------
// cEdCond

cEdCond::cEdCond() {
    Declare(248);
    SetDefault();
}

cEdCond::cEdCond(const cEdCond& src) : cSerialRecord(src) {
    *this = src;
}

cEdCond& cEdCond::operator=(const cEdCond& src) {
    cSerialRecord::operator=(src);
    CopyData(src);
    return *this;
}

void cEdCond::SetDefault() {
    Clear();
}

void cEdCond::Declare(uint32_t version) {
    ResetDeclare();
    AddByte(&m_nKind);
    AddInt(&m_nValue);
    if (version >= 110) {
        AddInt(&m_nRandMin);
        AddInt(&m_nRandMax);
        AddByte(&m_nWho);
        AddByte(&m_nItem);
        AddByte(&m_nLeftKind);
        AddByte(&m_nLeftScope);
        AddShort(&m_nVar);
        AddByte(&m_nRightSource);
        AddByte(&m_nRightWho);
        AddByte(&m_nRightItem);
        AddByte(&m_nRightScope);
        AddShort(&m_nRightVar);
    } else {
        AddShort(&g_ScratchShort);
        AddShort(&g_ScratchShort);
    }
    AddByte(&m_nCompare);
    if (version >= 43) AddByte(&m_bPercent);
    AddByte(&m_nAxis);
}

namespace {

// A character status index stored before an entry was inserted at pos moves
// past it; system values never moved.
void RaiseStatus(int8_t who, int8_t* item, int pos) {
    if (who != kWhoSystem && *item >= pos) ++*item;
}

}  // namespace

void cEdCond::Read(cRecFile* f) {
    cSerialRecord::Read(f);
    if (g_FileVersion < 248) {
        // The two further status conditions came in before the distance one.
        if (g_FileVersion < 160 && m_nKind >= 5) m_nKind = static_cast<int8_t>(m_nKind + 2);
        if (g_FileVersion <= 160 && m_nKind == kCondStatus3 && m_nItem == 2) {
            if (m_nCompare == 0) {
                m_nCompare = 1;
            } else if (m_nCompare == 1) {
                m_nCompare = 0;
            }
        }
        const int thresholds[2][2] = {{168, kStatusInsertedAt168}, {203, kStatusInsertedAt203}};
        for (const auto& t : thresholds) {
            if (g_FileVersion < static_cast<uint32_t>(t[0]) && m_nKind == kCondStatus) {
                if (m_nLeftKind == kOperandStatus) RaiseStatus(m_nWho, &m_nItem, t[1]);
                if (m_nRightSource == kSourceStatus) RaiseStatus(m_nRightWho, &m_nRightItem, t[1]);
            }
        }
        if (g_FileVersion < 210 && m_nKind == kCondStatus2) RaiseStatus(m_nWho, &m_nItem, kStateInsertedAt210);
    }
    Validate();
}

void cEdCond::Write(cRecFile* f) {
    Validate();
    cSerialRecord::Write(f);
}

void cEdCond::Validate() {
    if (m_nKind < 0 || m_nKind >= kCondKindCount) m_nKind = 0;
}

// ---------------------------------------------------------------------------
// cEdKeyCond

cEdKeyCond::cEdKeyCond() {
    Declare(248);
    SetDefault();
}

cEdKeyCond::cEdKeyCond(const cEdKeyCond& src) : cSerialRecord(src) {
    *this = src;
}

cEdKeyCond& cEdKeyCond::operator=(const cEdKeyCond& src) {
    cSerialRecord::operator=(src);
    CopyData(src);
    m_bbKeys = src.m_bbKeys;
    return *this;
}

void cEdKeyCond::SetDefault() {
    Clear();
    m_bbKeys.Reset(kKeyStateCount);
}

void cEdKeyCond::Declare(uint32_t) {
    ResetDeclare();
    AddByte(&m_bFrontBack);
    AddShort(&m_nPressMin);
    AddShort(&m_nPressMax);
    AddByte(&m_bNoMax);
    AddByte(&m_nRule);
}

void cEdKeyCond::Read(cRecFile* f) {
    cSerialRecord::Read(f);
    m_bbKeys.ReadRaw(f);
    // A short vector is padded so the editors can index every key state; a
    // longer one keeps what the file holds.
    if (m_bbKeys.size() < static_cast<size_t>(kKeyStateCount)) m_bbKeys.resize(static_cast<size_t>(kKeyStateCount), 0);
    Validate();
}

void cEdKeyCond::Write(cRecFile* f) {
    Validate();
    cSerialRecord::Write(f);
    m_bbKeys.WriteRaw(f);
}

bool cEdKeyCond::operator==(const cEdKeyCond& o) const {
    if (!IsSameRecord(*this, o)) return false;
    return static_cast<const std::vector<int8_t>&>(m_bbKeys) == static_cast<const std::vector<int8_t>&>(o.m_bbKeys);
}

// ---------------------------------------------------------------------------
// cEdFlow

namespace {

// Depth of the flow being read, counted through the commands that carry
// flows. Files are read by one thread at a time.
int s_FlowReadDepth = 0;

template <class T>
bool SameVectors(const cVector<T>& a, const cVector<T>& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin());
}

}  // namespace

cEdFlow::cEdFlow() {
    Declare(248);
    SetDefault();
}

cEdFlow::cEdFlow(const cEdFlow& src) : cSerialRecord(src) {
    *this = src;
}

cEdFlow::~cEdFlow() = default;

cEdFlow& cEdFlow::operator=(const cEdFlow& src) {
    cSerialRecord::operator=(src);
    CopyData(src);
    m_Conds = src.m_Conds;
    m_KeyConds = src.m_KeyConds;
    m_Commands = src.m_Commands;
    return *this;
}

void cEdFlow::SetDefault() {
    Clear();
    m_nInputEase = 3;
}

void cEdFlow::Declare(uint32_t) {
    ResetDeclare();
    AddByte(&m_nId);
    AddByte(&m_nGroup);
    AddByte(&m_bTestOnly);
    AddByte(&m_nJudge);
    AddByte(&m_bLatch);
    AddByte(&m_nTiming);
    AddByte(&m_nInputEase);
    AddByte(&m_bRepeat);
}

void cEdFlow::Read(cRecFile* f) {
    if (s_FlowReadDepth >= kMaxFlowNesting) {
        f->Fail("flows are nested too deeply");
        return;
    }
    ++s_FlowReadDepth;
    cSerialRecord::Read(f);
    ReadVector(m_Conds, f);
    ReadVector(m_KeyConds, f);
    ReadVector(m_Commands, f);
    --s_FlowReadDepth;
    if (g_FileVersion < 248) {
        if (g_FileVersion <= 131 && m_nTiming >= 11) ++m_nTiming;
        // Only flows that run always keep a group.
        if (g_FileVersion < 163 && m_nTiming != 0) m_nGroup = 0;
        if (g_FileVersion < 164 && m_nTiming >= 5) m_nTiming = static_cast<int8_t>(m_nTiming + 2);
    }
    // the conditions and commands validated themselves as they were read
}

void cEdFlow::Write(cRecFile* f) {
    // the conditions and commands validate themselves as they are written
    cSerialRecord::Write(f);
    WriteVector(m_Conds, f);
    WriteVector(m_KeyConds, f);
    WriteVector(m_Commands, f);
}

void cEdFlow::Validate() {
    for (auto& c : m_Conds) c.Validate();
    for (auto& k : m_KeyConds) k.Validate();
    for (auto& c : m_Commands) c.Validate();
}

void cEdFlow::ValidateRefs() {
    for (auto& c : m_Commands) c.ValidateRefs();
}

bool cEdFlow::operator==(const cEdFlow& o) const {
    return IsSameRecord(*this, o) && SameVectors(m_Conds, o.m_Conds) && SameVectors(m_KeyConds, o.m_KeyConds) &&
           SameVectors(m_Commands, o.m_Commands);
}
