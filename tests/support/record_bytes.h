// Builds the bytes of data files by hand, for tests that compare what a record
// writes or feed it files of older versions.
#pragma once

#include <cstdint>
#include <cstring>
#include <initializer_list>
#include <string>

#include "base/record.h"

namespace recbytes {

inline std::string I32(int32_t v) {
    std::string s(4, '\0');
    memcpy(&s[0], &v, 4);
    return s;
}

inline std::string I16(int v) {
    int16_t x = static_cast<int16_t>(v);
    std::string s(2, '\0');
    memcpy(&s[0], &x, 2);
    return s;
}

inline std::string U8(int v) {
    return std::string(1, static_cast<char>(v));
}
inline std::string I8(int v) { return U8(v); }

inline std::string F64(double v) {
    std::string s(8, '\0');
    memcpy(&s[0], &v, 8);
    return s;
}

// A stored string: length + 1, then the bytes and a NUL (an empty string is
// the length 1 alone).
inline std::string Str(const std::string& text) {
    if (text.empty()) return I32(1);
    return I32(static_cast<int32_t>(text.size() + 1)) + text + std::string(1, '\0');
}

// A record: field count, raw fields, string count, strings.
inline std::string Rec(int fields, const std::string& raw, std::initializer_list<std::string> strings) {
    std::string s = I32(fields) + raw + I32(static_cast<int32_t>(strings.size()));
    for (const std::string& t : strings) s += Str(t);
    return s;
}

// A vector of records: count, then the records.
inline std::string Vec(std::initializer_list<std::string> records) {
    std::string s = I32(static_cast<int32_t>(records.size()));
    for (const std::string& r : records) s += r;
    return s;
}

// What a record (or anything with Write) writes at the current data version.
template <class T>
std::string WrittenBytes(T& obj) {
    cRecFile* mem = cRecFile::OpenMemoryWrite();
    obj.Write(mem);
    std::string bytes = mem->MemoryData();
    delete mem;
    return bytes;
}

// Reads bytes written by a file of the given version into obj; true when the
// whole input was taken without a failure.
template <class T>
bool ReadBytes(T& obj, const std::string& bytes, uint32_t version) {
    const uint32_t saved = g_FileVersion;
    g_FileVersion = version;
    cRecFile* f = cRecFile::OpenMemoryRead(bytes.data(), bytes.size());
    obj.Read(f);
    const bool ok = !f->Failed() && f->Remaining() == 0;
    delete f;
    g_FileVersion = saved;
    return ok;
}

}  // namespace recbytes
