#include "base/record.h"

#include <algorithm>
#include <atomic>
#include <cstring>
#include <map>
#include <memory>
#include <mutex>
#include <typeindex>

#include "base/log.h"

uint32_t g_DataVersion = 248;
uint32_t g_FileVersion = 248;
int32_t g_RemoveCR = 0;
int32_t g_ScratchInt;
int16_t g_ScratchShort;
double g_ScratchDouble;
uint8_t g_ScratchByte;
cString g_ScratchString;
const cSerialRecord* cSerialRecord::s_DeclOwner = nullptr;

void SetDataVersion(uint32_t version, int removeCR) {
    g_DataVersion = version;
    g_RemoveCR = removeCR;
}

// ---------------------------------------------------------------------------
// Layouts

namespace {

struct cDeclField {
    ptrdiff_t offset;  // from the record; unused for a substitute target
    int32_t count;
    int8_t width;
    bool scratch;      // read and discarded, written as zeros
};

struct cDeclString {
    ptrdiff_t offset;
    bool scratch;
};

// Fields that follow each other both in the file and in the record, as one
// piece; fields read and discarded belong to none.
struct cDeclRun {
    ptrdiff_t offset;
    size_t fileOffset;  // from the first field
    size_t bytes;
};

}  // namespace

struct cDeclTable {
    const std::type_info* type;
    uint32_t version;
    std::vector<cDeclField> fields;
    std::vector<cDeclString> strings;
    // fieldBytes[i]: the bytes of the first i fields in a file
    std::vector<size_t> fieldBytes;
    std::vector<cDeclRun> runs;
    // some bytes of the fields belong to no run (fields read and discarded)
    bool gaps = false;
};

namespace {

std::recursive_mutex& DeclMutex() {
    static std::recursive_mutex* m = new std::recursive_mutex;
    return *m;
}

// Layouts live as long as the program; records reach them from static
// objects whose destruction order is not known.
std::map<std::pair<std::type_index, uint32_t>, cDeclTable*>& DeclCache() {
    static auto* cache = new std::map<std::pair<std::type_index, uint32_t>, cDeclTable*>;
    return *cache;
}

// The layout being built.
cDeclTable* s_Building = nullptr;

bool IsScratch(const void* p) {
    return p == &g_ScratchInt || p == &g_ScratchShort || p == &g_ScratchDouble || p == &g_ScratchByte;
}

// The layouts found last, by a hash of class and version, for records that
// do not carry theirs yet (every new record): found here without the lock.
// A slot only ever holds a finished layout, and layouts are never freed.
const size_t kDeclSlots = 256;
std::atomic<const cDeclTable*> s_DeclSlots[kDeclSlots];

size_t DeclSlot(const std::type_info* type, uint32_t version) {
    const uintptr_t h = reinterpret_cast<uintptr_t>(type) ^ (static_cast<uintptr_t>(version) * 0x9E3779B1u);
    return static_cast<size_t>((h >> 4) ^ (h >> 12)) & (kDeclSlots - 1);
}

}  // namespace

void cSerialRecord::SelectVersion(uint32_t version) const {
    const std::type_info* type = &typeid(*this);
    if (m_Decl && m_Decl->version == version && m_Decl->type == type) return;
    std::atomic<const cDeclTable*>& slot = s_DeclSlots[DeclSlot(type, version)];
    const cDeclTable* hit = slot.load(std::memory_order_acquire);
    if (hit && hit->version == version && hit->type == type) {
        m_Decl = hit;
        return;
    }

    std::lock_guard<std::recursive_mutex> lock(DeclMutex());
    auto key = std::make_pair(std::type_index(*type), version);
    auto it = DeclCache().find(key);
    if (it != DeclCache().end()) {
        m_Decl = it->second;
        if (m_Decl->type == type) slot.store(m_Decl, std::memory_order_release);
        return;
    }
    std::unique_ptr<cDeclTable> table(new cDeclTable);
    table->type = type;
    table->version = version;
    cDeclTable* prevTable = s_Building;
    const cSerialRecord* prevOwner = s_DeclOwner;
    s_Building = table.get();
    s_DeclOwner = this;
    const_cast<cSerialRecord*>(this)->Declare(version);
    s_Building = prevTable;
    s_DeclOwner = prevOwner;
    table->fieldBytes.reserve(table->fields.size() + 1);
    size_t bytes = 0;
    table->fieldBytes.push_back(0);
    for (const cDeclField& d : table->fields) {
        const size_t n = static_cast<size_t>(d.width) * static_cast<size_t>(d.count);
        if (!d.scratch) {
            cDeclRun* last = table->runs.empty() ? nullptr : &table->runs.back();
            if (last && last->fileOffset + last->bytes == bytes &&
                last->offset + static_cast<ptrdiff_t>(last->bytes) == d.offset) {
                last->bytes += n;
            } else {
                table->runs.push_back(cDeclRun{d.offset, bytes, n});
            }
        }
        bytes += n;
        table->fieldBytes.push_back(bytes);
    }
    size_t covered = 0;
    for (const cDeclRun& run : table->runs) covered += run.bytes;
    table->gaps = covered != bytes;
    m_Decl = table.get();
    DeclCache()[key] = table.release();
    slot.store(m_Decl, std::memory_order_release);
}

uint32_t cSerialRecord::DeclaredVersion() const {
    return m_Decl ? m_Decl->version : 0;
}

void cSerialRecord::ResetDeclare() {
    if (s_DeclOwner != this) return;
    s_Building->fields.clear();
    s_Building->strings.clear();
}

void cSerialRecord::AddField(void* p, int count, int width) {
    if (count <= 0) return;
    cDeclField e;
    e.scratch = IsScratch(p);
    e.offset = e.scratch ? 0 : static_cast<char*>(p) - reinterpret_cast<char*>(this);
    e.count = count;
    e.width = static_cast<int8_t>(width);
    s_Building->fields.push_back(e);
}

void cSerialRecord::AddStrings(cString* p, int count) {
    cDeclString e;
    e.scratch = (p == &g_ScratchString);
    e.offset = e.scratch ? 0 : reinterpret_cast<char*>(p) - reinterpret_cast<char*>(this);
    for (int i = 0; i < count; ++i) s_Building->strings.push_back(e);
}

int cSerialRecord::FieldCount() const {
    SelectVersion(m_Decl ? m_Decl->version : g_DataVersion);
    return static_cast<int>(m_Decl->fields.size());
}

cFieldEntry cSerialRecord::FieldEntry(int i) const {
    SelectVersion(m_Decl ? m_Decl->version : g_DataVersion);
    const cDeclField& d = m_Decl->fields.at(static_cast<size_t>(i));
    cSerialRecord* self = const_cast<cSerialRecord*>(this);
    void* data = d.scratch ? nullptr : reinterpret_cast<char*>(self) + d.offset;
    return cFieldEntry{self, data, d.count, d.width};
}

int cSerialRecord::StringCount() const {
    SelectVersion(m_Decl ? m_Decl->version : g_DataVersion);
    return static_cast<int>(m_Decl->strings.size());
}

cStringEntry cSerialRecord::StringEntry(int i) const {
    SelectVersion(m_Decl ? m_Decl->version : g_DataVersion);
    const cDeclString& d = m_Decl->strings.at(static_cast<size_t>(i));
    cSerialRecord* self = const_cast<cSerialRecord*>(this);
    cString* text = d.scratch ? &g_ScratchString
                              : reinterpret_cast<cString*>(reinterpret_cast<char*>(self) + d.offset);
    return cStringEntry{self, text};
}

// ---------------------------------------------------------------------------
// Operations

namespace {

inline char* FieldPtr(const cSerialRecord* r, const cDeclField& d) {
    return const_cast<char*>(reinterpret_cast<const char*>(r)) + d.offset;
}

inline cString* StringPtr(const cSerialRecord* r, const cDeclString& d) {
    return reinterpret_cast<cString*>(const_cast<char*>(reinterpret_cast<const char*>(r)) + d.offset);
}

inline size_t FieldBytes(const cDeclField& d) {
    return static_cast<size_t>(d.width) * static_cast<size_t>(d.count);
}

// The bytes of one run; the usual single fields without a call.
inline void CopyRun(void* dst, const void* src, size_t n) {
    switch (n) {
        case 1: memcpy(dst, src, 1); break;
        case 2: memcpy(dst, src, 2); break;
        case 4: memcpy(dst, src, 4); break;
        case 8: memcpy(dst, src, 8); break;
        default: memcpy(dst, src, n); break;
    }
}

void StripCR(cString* s) {
    s->erase(std::remove(s->begin(), s->end(), '\r'), s->end());
}

}  // namespace

void cSerialRecord::Read(cRecFile* f) {
    SelectVersion(g_FileVersion);
    const cDeclTable* decl = m_Decl;
    int32_t n;
    if (f->ReadInt(&n)) {
        if (n < 0 || static_cast<size_t>(n) > decl->fields.size()) {
            f->Fail("a record holds more fields than its version declares");
        } else {
            const size_t need = decl->fieldBytes[static_cast<size_t>(n)];
            if (need > f->Remaining()) {
                f->Fail("the file ends inside a record");
            } else {
                ReadFields(f, static_cast<size_t>(n), need);
                ReadStrings(f);
            }
        }
    }
    if (g_DataVersion != g_FileVersion) SelectVersion(g_DataVersion);
}

void cSerialRecord::ReadFields(cRecFile* f, size_t n, size_t need) {
    const cDeclTable* decl = m_Decl;
    const unsigned char* src = f->TakeBytes(need);
    if (!src) {
        // not at hand in one piece: field by field
        for (size_t i = 0; i < n; ++i) {
            const cDeclField& d = decl->fields[i];
            if (d.scratch) {
                f->Skip(FieldBytes(d));
            } else {
                f->ReadBytes(FieldPtr(this, d), FieldBytes(d));
            }
        }
        return;
    }
    // the fields' own bytes, piece by piece, up to the end of field n
    const size_t limit = decl->fieldBytes[n];
    char* base = reinterpret_cast<char*>(this);
    for (const cDeclRun& r : decl->runs) {
        if (r.fileOffset >= limit) break;
        const size_t bytes = r.fileOffset + r.bytes <= limit ? r.bytes : limit - r.fileOffset;
        CopyRun(base + r.offset, src + r.fileOffset, bytes);
    }
}

void cSerialRecord::ReadStrings(cRecFile* f) {
    const cDeclTable* decl = m_Decl;
    int32_t s;
    if (!f->ReadCount(&s, 4)) return;
    if (static_cast<size_t>(s) > decl->strings.size()) {
        f->Fail("a record holds more strings than its version declares");
        return;
    }
    std::string buf;
    for (int32_t i = 0; i < s; ++i) {
        int32_t len;
        if (!f->ReadInt(&len)) return;
        const cDeclString& d = decl->strings[i];
        if (len == 1) {
            if (!d.scratch) StringPtr(this, d)->clear();
            continue;
        }
        if (len <= 0 || static_cast<uint64_t>(len) > f->Remaining()) {
            f->Fail("a string is longer than the file");
            return;
        }
        // The text ends at its first NUL, or with the bytes stored.
        const size_t size = static_cast<size_t>(len);
        const char* text = reinterpret_cast<const char*>(f->TakeBytes(size));
        if (!text) {
            buf.resize(size);
            if (!f->ReadBytes(&buf[0], size)) return;
            text = buf.data();
        }
        if (!d.scratch) {
            const void* nul = memchr(text, 0, size);
            StringPtr(this, d)->assign(text, nul ? static_cast<size_t>(static_cast<const char*>(nul) - text) : size);
        }
    }
    if (g_RemoveCR) {
        for (const cDeclString& d : decl->strings) {
            if (!d.scratch) StripCR(StringPtr(this, d));
        }
    }
}

void cSerialRecord::Write(cRecFile* f) {
    SelectVersion(g_DataVersion);
    const cDeclTable* decl = m_Decl;
    const int32_t count = static_cast<int32_t>(decl->fields.size());
    const size_t bytes = decl->fieldBytes.back();
    // the fields' own bytes piece by piece, zeros for the fields that only
    // older versions used
    const char* base = reinterpret_cast<const char*>(this);
    if (char* out = f->TakeRoom(sizeof count + bytes)) {
        memcpy(out, &count, sizeof count);
        out += sizeof count;
        if (decl->gaps) memset(out, 0, bytes);
        for (const cDeclRun& r : decl->runs) CopyRun(out + r.fileOffset, base + r.offset, r.bytes);
    } else {
        f->WriteInt(count);
        size_t written = 0;
        for (const cDeclRun& r : decl->runs) {
            if (r.fileOffset > written) f->WriteZeros(r.fileOffset - written);
            f->WriteBytes(base + r.offset, r.bytes);
            written = r.fileOffset + r.bytes;
        }
        if (bytes > written) f->WriteZeros(bytes - written);
    }
    WriteStrings(f);
}

void cSerialRecord::WriteStrings(cRecFile* f) {
    const cDeclTable* decl = m_Decl;
    f->WriteInt(static_cast<int32_t>(decl->strings.size()));
    for (const cDeclString& d : decl->strings) {
        cString* s = d.scratch ? &g_ScratchString : StringPtr(this, d);
        // A string ends at its first NUL and holds at most kMaxRecordString
        // bytes (cut at a whole character); the record keeps what is written.
        size_t len = strlen(s->c_str());
        if (len > static_cast<size_t>(kMaxRecordString)) {
            len = static_cast<size_t>(SjisSafeLength(s->c_str(), kMaxRecordString));
        }
        if (len != s->size() && !d.scratch) s->resize(len);
        const int32_t stored = static_cast<int32_t>(len + 1);
        const size_t text = len > 0 ? len + 1 : 0;
        if (char* out = f->TakeRoom(sizeof stored + text)) {
            memcpy(out, &stored, sizeof stored);
            if (text) memcpy(out + sizeof stored, s->c_str(), text);
        } else {
            f->WriteInt(stored);
            if (text) f->WriteBytes(s->c_str(), text);
        }
    }
}

void cSerialRecord::Clear() {
    SelectVersion(g_DataVersion);
    char* base = reinterpret_cast<char*>(this);
    for (const cDeclRun& r : m_Decl->runs) memset(base + r.offset, 0, r.bytes);
    for (const cDeclString& d : m_Decl->strings) {
        if (!d.scratch) StringPtr(this, d)->clear();
    }
}

void cSerialRecord::CopyData(const cSerialRecord& src) {
    SelectVersion(g_DataVersion);
    src.SelectVersion(g_DataVersion);
    const cDeclTable* dst = m_Decl;
    const cDeclTable* from = src.m_Decl;
    if (dst == from) {
        // one layout: its runs in one piece each
        char* base = reinterpret_cast<char*>(this);
        const char* srcBase = reinterpret_cast<const char*>(&src);
        for (const cDeclRun& r : dst->runs) memmove(base + r.offset, srcBase + r.offset, r.bytes);
        for (const cDeclString& d : dst->strings) {
            if (!d.scratch) *StringPtr(this, d) = *StringPtr(&src, d);
        }
        return;
    }
    const size_t nf = std::min(dst->fields.size(), from->fields.size());
    for (size_t i = 0; i < nf; ++i) {
        const cDeclField& d = dst->fields[i];
        const cDeclField& s = from->fields[i];
        if (d.scratch || s.scratch) continue;
        memmove(FieldPtr(this, d), FieldPtr(&src, s), std::min(FieldBytes(d), FieldBytes(s)));
    }
    const size_t ns = std::min(dst->strings.size(), from->strings.size());
    for (size_t i = 0; i < ns; ++i) {
        const cDeclString& d = dst->strings[i];
        const cDeclString& s = from->strings[i];
        if (d.scratch || s.scratch) continue;
        *StringPtr(this, d) = *StringPtr(&src, s);
    }
}

namespace {

template <class T>
bool SameElements(const char* a, const char* b, int count) {
    for (int i = 0; i < count; ++i) {
        T x, y;
        memcpy(&x, a + i * sizeof(T), sizeof(T));
        memcpy(&y, b + i * sizeof(T), sizeof(T));
        if (!(x == y)) return false;
    }
    return true;
}

}  // namespace

int cSerialRecord::IsSameRecord(const cSerialRecord& a, const cSerialRecord& b) {
    a.DeclareConst(g_DataVersion);
    b.DeclareConst(g_DataVersion);
    if (!a.m_Decl) a.SelectVersion(g_DataVersion);
    if (!b.m_Decl) b.SelectVersion(g_DataVersion);
    const cDeclTable* da = a.m_Decl;
    const cDeclTable* db = b.m_Decl;
    if (da->fields.size() != db->fields.size() || da->strings.size() != db->strings.size()) return 0;
    for (size_t i = 0; i < da->fields.size(); ++i) {
        const cDeclField& fa = da->fields[i];
        const cDeclField& fb = db->fields[i];
        if (fa.scratch || fb.scratch) continue;
        const char* pa = FieldPtr(&a, fa);
        const char* pb = FieldPtr(&b, fb);
        const int count = std::min(fa.count, fb.count);
        bool same = true;
        switch (fa.width) {
            case 1: same = SameElements<uint8_t>(pa, pb, count); break;
            case 2: same = SameElements<int16_t>(pa, pb, count); break;
            case 4: same = SameElements<int32_t>(pa, pb, count); break;
            case 8: same = SameElements<double>(pa, pb, count); break;
            default: break;
        }
        if (!same) return 0;
    }
    for (size_t i = 0; i < da->strings.size(); ++i) {
        const cDeclString& sa = da->strings[i];
        const cDeclString& sb = db->strings[i];
        if (sa.scratch || sb.scratch) continue;
        if (!StrEqual(*StringPtr(&a, sa), *StringPtr(&b, sb))) return 0;
    }
    return 1;
}

int cSerialRecord::Load(const char* path) {
    cRecFile* f = OpenRead(path);
    if (!f) return 0;
    cRecSnapshot snapshot;
    snapshot.Take(*this);
    Read(f);
    if (!CloseFile(f)) {
        snapshot.Restore(*this);
        return 0;
    }
    return 1;
}

int cSerialRecord::Save(const char* path) {
    cRecFile* f = OpenWrite(path);
    if (!f) return 0;
    Write(f);
    return CloseFile(f) ? 1 : 0;
}

void cSerialRecord::RemoveCR() {
    if (!m_Decl) SelectVersion(g_DataVersion);
    for (const cDeclString& d : m_Decl->strings) {
        if (!d.scratch) StripCR(StringPtr(this, d));
    }
}

// ---------------------------------------------------------------------------
// Files

static cRecFile* TakeVersionWord(cRecFile* f) {
    int32_t version;
    if (!f->ReadInt(&version)) {
        delete f;  // too short to hold its version word
        return nullptr;
    }
    g_FileVersion = static_cast<uint32_t>(version);
    return f;
}

cRecFile* OpenRead(const char* path) {
    if (!path || !*path) path = "err";
    char buf[260];
    size_t n = strlen(path);
    if (n >= sizeof buf) n = sizeof buf - 1;
    memcpy(buf, path, n);
    buf[n] = '\0';
    cRecFile* f = cRecFile::OpenFileRead(buf);
    if (!f) return nullptr;
    return TakeVersionWord(f);
}

cRecFile* OpenReadBuffer(const void* data, size_t size) {
    return TakeVersionWord(cRecFile::OpenMemoryRead(data, size));
}

cRecFile* OpenWrite(const char* path) {
    if (!path || !*path) return nullptr;
    cRecFile* f = cRecFile::OpenFileWrite(path);
    if (!f) return nullptr;
    f->WriteInt(static_cast<int32_t>(g_DataVersion));
    return f;
}

bool CloseFile(cRecFile* f) {
    if (!f) return false;
    const bool ok = f->Close();
    delete f;
    return ok;
}
