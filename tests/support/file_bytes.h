// Builds the bytes of a record file by hand, for fixtures and golden files
// that must not come from the code under test.
#pragma once

#include <cstdint>
#include <cstring>
#include <string>

class cFileBytes {
public:
    cFileBytes& Int(int32_t v) {
        char b[4];
        memcpy(b, &v, 4);
        m_Bytes.append(b, 4);
        return *this;
    }
    cFileBytes& Byte(uint8_t v) {
        m_Bytes += static_cast<char>(v);
        return *this;
    }
    // A string: its length + 1, then (unless empty) its bytes and a NUL.
    cFileBytes& Str(const std::string& s) {
        Int(static_cast<int32_t>(s.size() + 1));
        if (!s.empty()) m_Bytes.append(s.c_str(), s.size() + 1);
        return *this;
    }
    cFileBytes& Raw(const std::string& bytes) {
        m_Bytes += bytes;
        return *this;
    }
    const std::string& Bytes() const { return m_Bytes; }
    size_t Size() const { return m_Bytes.size(); }

private:
    std::string m_Bytes;
};
