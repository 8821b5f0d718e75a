// The data files the fuzzer reads. Each kind loads arbitrary bytes as one
// whole file (version word included) and makes a valid seed file.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "base/record.h"

struct sFuzzKind {
    const char* name;
    void (*load)(const uint8_t* data, size_t size);
    std::string (*seed)();
};

bool RegisterFuzzKind(const sFuzzKind& kind);

#define FUZZ_CONCAT2(a, b) a##b
#define FUZZ_CONCAT(a, b) FUZZ_CONCAT2(a, b)
#define FUZZ_KIND(name, load, seed) \
    static const bool FUZZ_CONCAT(s_FuzzKind, __LINE__) = RegisterFuzzKind(sFuzzKind{name, load, seed})

// Reads the bytes as a whole file of one object, then writes the object back
// (what was read must always be writable).
template <class T>
void FuzzLoadObject(const uint8_t* data, size_t size) {
    T obj;
    cRecFile* f = OpenReadBuffer(data, size);
    if (!f) return;
    obj.Read(f);
    CloseFile(f);
    cRecFile* out = cRecFile::OpenMemoryWrite();
    obj.Write(out);
    delete out;
}

// A whole file holding one vector of records.
template <class T>
void FuzzLoadVector(const uint8_t* data, size_t size) {
    FuzzLoadObject<cVector<T>>(data, size);
}

// Writes obj as a whole file.
template <class T>
std::string FuzzFileOf(T& obj) {
    cRecFile* out = cRecFile::OpenMemoryWrite();
    out->WriteInt(static_cast<int32_t>(g_DataVersion));
    obj.Write(out);
    std::string bytes = out->MemoryData();
    delete out;
    return bytes;
}

template <class T>
std::string FuzzSeedObject() {
    T obj;
    return FuzzFileOf(obj);
}

template <class T>
std::string FuzzSeedVector(int count) {
    cVector<T> v(static_cast<size_t>(count));
    return FuzzFileOf(v);
}
