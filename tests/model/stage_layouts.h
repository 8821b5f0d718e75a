// Hand-written layout of a stage file, to build the bytes that a stage file of
// a given version holds without going through the stage itself.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "base/platform.h"

#include "tests/model/definition_layouts.h"

namespace recbytes {

// The stage record: 98 fields at version 248 (the values are those of a new
// stage after validation), then the name.
inline const std::vector<Field>& StageLayout() {
    static const std::vector<Field> l = {
        F(4, 20), F(4, 32), F(4, 5), F(4, 15),                    // 1-4 size
        F(4), F(4), F(4), F(4), F(4), F(4), F(4), F(4),           // 5-12 scroll limits
        F(4, 60), F(4), F(4, 200), F(4, 20),                      // 13-16
        F(4), F(4), F(4), F(4),                                   // 17-20
        F(8, 0.4), F(4, 10), F(4), F(4),                          // 21-24
        F(4, 0, 166), F(4, 0, 199), F(4, 1), F(4), F(4),          // 25-29
        F(4, 1, 183), F(4, 0, 184), F(4), F(4, 1, 225), F(4, 1), F(4, 1),  // 30-35
        // 36-47: hero boxes
        F(4, 16, 200), F(4, 24, 200), F(4, 16, 200), F(4, 16, 200), F(4, 16), F(4, 24), F(4, 16, 155),
        F(4, 16, 155), F(4, 12), F(4, 8), F(4, 16), F(4, 16),
        // 48-59: hero positions, displays, colours
        F(4, 1, 200), F(4, 0, 200), F(4, 1, 155), F(4, 0, 155), F(4, 0, 200), F(4), F(4), F(4), F(4, 0, 200),
        F(4), F(4), F(4),
        // 60-73: enemy boxes and positions
        F(4, 16, 200), F(4, 24, 200), F(4, 16, 200), F(4, 16, 200), F(4, 12), F(4, 24), F(4, 12, 155),
        F(4, 16, 155), F(4, 30), F(4, 30), F(4, 1, 200), F(4, 0, 200), F(4, 1, 155), F(4, 0, 155),
        // 74-83: items and shots
        F(4, 28), F(4, 28), F(4, 16), F(4, 16), F(4, 16), F(4, 16), F(4, 16), F(4, 16), F(4, 16), F(4, 16),
        F(4, 1),                                                  // 84 undo count
        F(4, 640), F(4, 480),                                     // 85-86
        F(4, 10), F(8, 10), F(8, 100), F(8, 60), F(8, 0.4 / 100.0), F(8, 6), F(4, 80),  // 87-93
        F(4, 1), F(4, 30), F(4), F(4, 30), F(4),                  // 94-98
    };
    return l;
}

// One "自動消滅" rule: left flag, three more flags from 125, four margins.
inline std::string EdgeRule(uint32_t version, int flag, int margin) {
    std::string s = I32(flag);
    int n = 5;
    if (version >= 125) {
        s += I32(flag) + I32(flag) + I32(flag);
        n = 8;
    }
    for (int i = 0; i < 4; ++i) s += I32(margin);
    return Rec(n, s, {});
}

// A background layer of a file of the given version.
inline std::string BackLayer(uint32_t version, int useColour, double scroll, const std::string& image) {
    std::string s;
    int n = 0;
    if (version >= 62) {
        s += I32(1);
        ++n;
    }
    s += I32(useColour) + I32(16) + I32(0);
    n += 3;
    if (version >= 61) {
        s += F64(scroll) + F64(scroll) + I32(0) + I32(0);
        n += 4;
    } else {
        s += I32(77) + I32(77);
        n += 2;
    }
    if (version >= 62) {
        s += F64(0) + F64(0);
        n += 2;
    } else if (version == 61) {
        s += I32(77) + I32(77);
        n += 2;
    }
    return Rec(n, s, {image});
}

struct StageParts {
    Values fields;
    std::string name;
    std::vector<int> ranking = {1, 1, 1, 1, 1};
    std::string palettes = I32(0) + I32(0) + I32(0);
    std::string layers = I32(0) + I32(0) + I32(0);
    std::vector<std::string> backLayers;
    int vars = 0;
};

// The body of a stage file (after the version word); the trailer from 173.
inline std::string StageBody(uint32_t version, const StageParts& p) {
    std::string s = Record(StageLayout(), version, p.fields, {p.name});
    s += I32(static_cast<int32_t>(p.ranking.size()));
    for (int r : p.ranking) s += I32(r);
    s += EdgeRule(version, 0, 0) + EdgeRule(version, 0, 0) + EdgeRule(version, 0, 0) + EdgeRule(version, 1, 0) +
         EdgeRule(version, 1, 10);
    s += p.palettes + p.layers;
    s += I32(static_cast<int32_t>(p.backLayers.size()));
    for (const std::string& b : p.backLayers) s += b;
    s += I32(p.vars);
    for (int i = 0; i < p.vars; ++i) s += Rec(0, "", {""});
    if (version >= 173) s += I32(123456789);
    return s;
}

// Files under the project's folders, with the paths the program uses.
inline bool PutDataFile(const char* path, const std::string& bytes) {
    FILE* f = OpenFile(path, "wb");
    if (!f) return false;
    const bool ok = fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    return fclose(f) == 0 && ok;
}

inline std::string GetDataFile(const char* path) {
    FILE* f = OpenFile(path, "rb");
    if (!f) return std::string();
    std::string s;
    char buf[4096];
    size_t n;
    while ((n = fread(buf, 1, sizeof buf, f)) > 0) s.append(buf, n);
    fclose(f);
    return s;
}

}  // namespace recbytes
