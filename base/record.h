// Versioned record files.
//
// A record declares its fields for a data version: its Declare(version)
// registers its members, in file order, with AddByte/AddShort/AddInt/
// AddDouble/AddString. The registered layout then drives reading, writing,
// clearing, copying and comparing. A reader lays the record out for the
// file's version, reads it, and lays it out for the current version again,
// so older files load into the current layout without per-version code.
//
// A layout depends only on the record's class and the version: it is built
// once per class and version, as offsets into the record, and shared by every
// record of the class. A record itself carries one pointer to its layout, and
// its layout always describes its own members, also after copy construction
// and assignment. Declare must therefore register members of the record
// itself (or the substitute targets below) and must not depend on the
// record's values.
//
// File layout of a record (little-endian): 4-byte field count N, the raw bytes
// of the first N fields, 4-byte string count S, then per string a 4-byte
// length L = bytes + 1 followed, when L is not 1, by the bytes and a NUL.
#pragma once

#include <cstdint>
#include <typeinfo>
#include <vector>

#include "base/containers.h"
#include "base/recfile.h"
#include "base/str.h"

extern uint32_t g_DataVersion;  // written at the head of every file
extern uint32_t g_FileVersion;  // version word of the file being read
extern int32_t g_RemoveCR;

// Substitute targets for values that only older file versions carry: they are
// read and discarded.
extern int32_t g_ScratchInt;
extern int16_t g_ScratchShort;
extern double g_ScratchDouble;
extern uint8_t g_ScratchByte;
extern cString g_ScratchString;

// The longest string a record stores: longer ones are cut when written.
const int kMaxRecordString = kFormatBufSize - 1;

void SetDataVersion(uint32_t version, int removeCR);

class cSerialRecord;

struct cFieldEntry {
    cSerialRecord* owner;
    void* data;
    int32_t count;
    int8_t width;
};

struct cStringEntry {
    cSerialRecord* owner;
    cString* text;
};

struct cDeclTable;

class cSerialRecord {
public:
    cSerialRecord() = default;
    cSerialRecord(const cSerialRecord& src) : m_Decl(src.m_Decl) {}
    cSerialRecord& operator=(const cSerialRecord&) {
        SelectVersion(g_DataVersion);
        return *this;
    }
    virtual ~cSerialRecord() = default;

    virtual void DeclareConst(uint32_t) const {}
    // Registers the fields that files of this version hold, in file order.
    virtual void Declare(uint32_t) {}
    virtual void Read(cRecFile* f);
    virtual void Write(cRecFile* f);

    void ReadStrings(cRecFile* f);
    void WriteStrings(cRecFile* f);
    void Clear();
    void CopyData(const cSerialRecord& src);
    static int IsSameRecord(const cSerialRecord& a, const cSerialRecord& b);
    // Whole file of one record. Load leaves the record as it was and returns
    // 0 when the file does not open or does not read completely; Save returns
    // 0 when the file could not be written completely (the old file stays).
    int Load(const char* path);
    int Save(const char* path);
    // Loads the newest numbered copy of the file (FindLatestCopy, paths.h);
    // 0 when there is none or it does not load.
    int LoadLatestCopy(const char* path, const char* ext);
    void RemoveCR();

    // Lays the record out for a version (the layout is built on first use).
    void SelectVersion(uint32_t version) const;
    uint32_t DeclaredVersion() const;
    int FieldCount() const;
    cFieldEntry FieldEntry(int i) const;
    int StringCount() const;
    cStringEntry StringEntry(int i) const;

    // A vector of records inside a record's Read / Write.
    template <class T>
    static void ReadVector(cVector<T>& v, cRecFile* f);
    template <class T>
    static void WriteVector(cVector<T>& v, cRecFile* f);

protected:
    void ResetDeclare();
    // These register only while the record's layout is being built; every
    // other call (a constructor's Declare) returns at once.
    void AddByte(void* p, int count = 1) {
        if (s_DeclOwner == this) AddField(p, count, 1);
    }
    void AddShort(void* p, int count = 1) {
        if (s_DeclOwner == this) AddField(p, count, 2);
    }
    void AddInt(void* p, int count = 1) {
        if (s_DeclOwner == this) AddField(p, count, 4);
    }
    void AddDouble(void* p, int count = 1) {
        if (s_DeclOwner == this) AddField(p, count, 8);
    }
    void AddString(cString* p, int count = 1) {
        if (s_DeclOwner == this) AddStrings(p, count);
    }

private:
    // The record whose Declare builds a layout.
    static const cSerialRecord* s_DeclOwner;
    void AddField(void* p, int count, int width);
    void AddStrings(cString* p, int count);
    // The first n fields of the layout, need bytes in the file.
    void ReadFields(cRecFile* f, size_t n, size_t need);
    mutable const cDeclTable* m_Decl = nullptr;
};

// Whole-file functions. OpenRead reads the version word into g_FileVersion; a
// file too short to hold it does not open. OpenWrite writes g_DataVersion.
// CloseFile ends and deletes the file; for a written file it reports whether
// the target was completely replaced.
cRecFile* OpenRead(const char* path);
// The same for a file image in memory (the bytes must outlive the file).
cRecFile* OpenReadBuffer(const void* data, size_t size);
cRecFile* OpenWrite(const char* path);
bool CloseFile(cRecFile* f);

template <class T>
int LoadVector(cVector<T>& v, const char* path);
template <class T>
int SaveVector(cVector<T>& v, const char* path);

// ---------------------------------------------------------------------------
// Templates

// Smallest number of bytes one record takes in a file: its two counts.
const size_t kMinRecordBytes = 8;

template <class T>
void cSerialRecord::ReadVector(cVector<T>& v, cRecFile* f) {
    int32_t count;
    if (!f->ReadCount(&count, kMinRecordBytes)) return;
    v.clear();
    // Grown as elements are read, so a count that the file does not back up
    // never allocates more than the elements really present; the usual
    // short vectors take their room at once.
    const int32_t kReserveAtOnce = 64;
    v.reserve(static_cast<size_t>(count < kReserveAtOnce ? count : kReserveAtOnce));
    for (int32_t i = 0; i < count && !f->StopAsked(); ++i) {
        v.emplace_back();
        v.back().Read(f);
    }
}

template <class T>
void cSerialRecord::WriteVector(cVector<T>& v, cRecFile* f) {
    f->WriteInt(static_cast<int32_t>(v.size()));
    for (auto& e : v) e.Write(f);
}

template <class T>
void cVector<T>::Read(cRecFile* f) {
    int32_t count;
    if (!f->ReadCount(&count, kMinRecordBytes)) return;
    const size_t n = static_cast<size_t>(count);
    if (this->size() > n) this->resize(n);
    const size_t kept = this->size();
    for (size_t i = 0; i < kept && !f->StopAsked(); ++i) this->data()[i].Read(f);
    for (size_t i = kept; i < n && !f->StopAsked(); ++i) {
        this->emplace_back();
        this->back().Read(f);
    }
}

template <class T>
void cVector<T>::Write(cRecFile* f) {
    f->WriteInt(static_cast<int32_t>(this->size()));
    for (auto& e : *this) e.Write(f);
}

template <class T>
void cVector<T>::ReadRaw(cRecFile* f) {
    int32_t count;
    if (!f->ReadCount(&count, sizeof(T))) return;
    this->assign(static_cast<size_t>(count), T());
    if (count > 0) f->ReadBytes(this->data(), sizeof(T) * static_cast<size_t>(count));
}

template <class T>
void cVector<T>::WriteRaw(cRecFile* f) const {
    f->WriteInt(static_cast<int32_t>(this->size()));
    if (!this->empty()) f->WriteBytes(this->data(), sizeof(T) * this->size());
}

// Keeps the current contents of a whole-file object so that a load that fails
// half-way can put them back.
class cRecSnapshot {
public:
    template <class Obj>
    void Take(Obj& obj) {
        cRecFile* mem = cRecFile::OpenMemoryWrite();
        obj.Write(mem);
        m_Bytes = mem->MemoryData();
        delete mem;
    }
    template <class Obj>
    void Restore(Obj& obj) {
        const uint32_t fileVersion = g_FileVersion;
        g_FileVersion = g_DataVersion;
        cRecFile* mem = cRecFile::OpenMemoryRead(m_Bytes.data(), m_Bytes.size());
        obj.Read(mem);
        delete mem;
        g_FileVersion = fileVersion;
    }

private:
    std::string m_Bytes;
};

template <class T>
int LoadVector(cVector<T>& v, const char* path) {
    cRecFile* f = OpenRead(path);
    if (!f) return 0;
    cRecSnapshot snapshot;
    snapshot.Take(v);
    v.Read(f);
    const bool ok = CloseFile(f);
    if (!ok) {
        snapshot.Restore(v);
        return 0;
    }
    if (g_RemoveCR) {
        for (auto& e : v) e.RemoveCR();
    }
    return 1;
}

template <class T>
int SaveVector(cVector<T>& v, const char* path) {
    cRecFile* f = OpenWrite(path);
    if (!f) return 0;
    v.Write(f);
    return CloseFile(f) ? 1 : 0;
}
