// The record layer itself: a record with strings, a vector of records and a
// raw vector inside it, and a whole file of one vector of records.
#include "fuzz/fuzz_kinds.h"

namespace {

class cFuzzItem : public cSerialRecord {
public:
    int32_t m_A = 0;
    int16_t m_B[3] = {};
    double m_C = 0;
    cString m_Name;
    cFuzzItem() { Clear(); }
    void Declare(uint32_t version) override {
        ResetDeclare();
        AddInt(&m_A);
        if (version < 200) AddShort(&g_ScratchShort, 2);
        AddShort(m_B, 3);
        AddDouble(&m_C);
        AddString(&m_Name);
        if (version < 100) AddString(&g_ScratchString);
    }
};

class cFuzzHolder : public cSerialRecord {
public:
    int32_t m_Id = 0;
    cVector<cFuzzItem> m_Items;
    cVector<int32_t> m_Raw;
    cFuzzHolder() {
        Clear();
        m_Items.resize(2);
        m_Raw.assign({1, 2, 3});
    }
    void Declare(uint32_t) override {
        ResetDeclare();
        AddInt(&m_Id);
    }
    void Read(cRecFile* f) override {
        cSerialRecord::Read(f);
        ReadVector(m_Items, f);
        m_Raw.ReadRaw(f);
    }
    void Write(cRecFile* f) override {
        cSerialRecord::Write(f);
        WriteVector(m_Items, f);
        m_Raw.WriteRaw(f);
    }
};

std::string SeedItems() { return FuzzSeedVector<cFuzzItem>(3); }

}  // namespace

FUZZ_KIND("record", FuzzLoadObject<cFuzzHolder>, FuzzSeedObject<cFuzzHolder>);
FUZZ_KIND("record-vector", FuzzLoadVector<cFuzzItem>, SeedItems);
