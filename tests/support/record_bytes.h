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

inline std::string I16(int16_t v) {
    std::string s(2, '\0');
    memcpy(&s[0], &v, 2);
    return s;
}

inline std::string U8(int v) {
    return std::string(1, static_cast<char>(v));
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

// What a record writes at the current data version.
inline std::string WrittenBytes(cSerialRecord& r) {
    cRecFile* mem = cRecFile::OpenMemoryWrite();
    r.Write(mem);
    std::string bytes = mem->MemoryData();
    delete mem;
    return bytes;
}

}  // namespace recbytes
