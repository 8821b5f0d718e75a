// Hand-written file layouts of the flow records, to build the bytes a file of
// a given version holds without going through the records themselves.
#pragma once

#include <cstdint>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "base/recfile.h"
#include "base/record.h"
#include "tests/support/record_bytes.h"

namespace recbytes {

// One field of a layout: element width (8 is a double), element count, the
// first version that holds it and the first that no longer does, and its
// value in a new record.
struct Field {
    int width;
    int count;
    uint32_t since;
    uint32_t until;
    double value;
};
const uint32_t kAlways = 0xFFFFFFFFu;
inline Field F(int width, double value = 0, uint32_t since = 0) { return Field{width, 1, since, kAlways, value}; }
inline Field Arr(int width, int count) { return Field{width, count, 0, kAlways, 0}; }
inline Field Gone(int width, uint32_t until) { return Field{width, 1, 0, until, 0}; }

// Field numbers (from 1) to values; for an array field, the same value in
// every element unless a vector of values is given.
using Values = std::map<int, std::vector<double>>;

// A record as the file of the given version stores it: field count, fields,
// string count, strings.
inline std::string Record(const std::vector<Field>& layout, uint32_t version, const Values& values = {},
                          const std::vector<std::string>& strings = {}) {
    std::string body;
    int32_t n = 0;
    for (size_t i = 0; i < layout.size(); ++i) {
        const Field& f = layout[i];
        if (version < f.since || version >= f.until) continue;
        ++n;
        auto it = values.find(static_cast<int>(i + 1));
        for (int e = 0; e < f.count; ++e) {
            double v = f.value;
            if (it != values.end()) v = it->second.size() > static_cast<size_t>(e) ? it->second[e] : it->second[0];
            switch (f.width) {
                case 1: body += I8(static_cast<int>(v)); break;
                case 2: body += I16(static_cast<int>(v)); break;
                case 4: body += I32(static_cast<int32_t>(v)); break;
                default: body += F64(v); break;
            }
        }
    }
    std::string out = I32(n) + body + I32(static_cast<int32_t>(strings.size()));
    for (const std::string& s : strings) out += Str(s);
    return out;
}

// cEdMove, 32 fields at version 248.
inline const std::vector<Field>& MoveLayout() {
    static const std::vector<Field> l = {
        F(1), F(1), F(2), F(2), F(1, 1, 158), F(1, 1), F(1, 1), F(2), F(2), F(2), F(2), F(1), F(1, 1), F(1),
        F(1), F(1, 1), F(1), F(1, 1), F(1), F(1, 0, 162), F(1), F(2, 10), F(2), F(2), F(2), F(1, 0, 159),
        F(2), F(2), F(1), F(2), F(8, 1.0), F(1, 0, 162),
    };
    return l;
}

// cEdShot, 58 fields at version 248.
inline const std::vector<Field>& ShotLayout() {
    static const std::vector<Field> l = {
        F(1), F(1), Arr(2, 3), F(1), F(1), F(2), F(2), F(1, 1, 158), F(2), F(1),             // 1-10
        F(1), F(2), F(2), F(2), F(2), F(1, 1), F(1), F(2), F(1), F(1),                      // 11-20
        F(1, 1), F(1), F(1), F(1, 1), F(1), F(1), Arr(2, 3), F(1, 0, 211), F(2), F(2),      // 21-30
        F(1, 0, 213), F(2, 0, 213), F(2, 0, 213), F(2), F(1), F(2), F(1), F(1), F(2), F(2),  // 31-40
        F(1), F(1), F(1), F(1), F(4), F(2), F(1), F(2), F(1), F(2),                         // 41-50
        F(1), F(1), F(1, 0, 197), F(1), F(2), F(1), F(1), F(1),                             // 51-58
    };
    return l;
}

// cEdCond: 17 fields at version 248; files before 110 hold two 16-bit values
// in the place of fields 5 and 6 and lack fields 3 to 14 (numbered here
// after field 2, as 3 and 4 of this list).
inline const std::vector<Field>& CondLayout() {
    static const std::vector<Field> l = {
        F(1), F(4), Gone(2, 110), Gone(2, 110),
        F(4, 0, 110), F(4, 0, 110), F(1, 0, 110), F(1, 0, 110), F(1, 0, 110), F(1, 0, 110), F(2, 0, 110),
        F(1, 0, 110), F(1, 0, 110), F(1, 0, 110), F(1, 0, 110), F(2, 0, 110),
        F(1), F(1, 0, 43), F(1),
    };
    return l;
}
// Positions in CondLayout() of the fields of the record (field n of the
// record is entry CondField(n) of the list).
inline int CondField(int n) { return n <= 2 ? n : n + 2; }

inline const std::vector<Field>& FlowLayout() {
    static const std::vector<Field> l = {F(1), F(1), F(1), F(1), F(1), F(1), F(1, 3), F(1)};
    return l;
}

inline const std::vector<Field>& KeyCondLayout() {
    static const std::vector<Field> l = {F(1), F(2), F(2), F(1), F(1)};
    return l;
}

// cEdCommand: set, kind, time, time clone, parallel, sound, sound on screen
// only, animation; one string.
inline const std::vector<Field>& CommandLayout() {
    static const std::vector<Field> l = {F(1), F(1), F(2), F(2), F(1), F(2), F(1, 1), F(2)};
    return l;
}

inline std::string KeyStates(const std::vector<int>& states) {
    std::string s = I32(static_cast<int32_t>(states.size()));
    for (int v : states) s += I8(v);
    return s;
}

inline std::string Ints(const std::vector<int32_t>& values) {
    std::string s = I32(static_cast<int32_t>(values.size()));
    for (int32_t v : values) s += I32(v);
    return s;
}

// A command as stored: its record, the move and the shot (each a flag, then
// the record when present), the flows, the parameters.
inline std::string Command(uint32_t version, const Values& fields, const std::string& text, const std::string& move,
                           const std::string& shot, const std::vector<std::string>& flows,
                           const std::vector<int32_t>& params) {
    std::string s = Record(CommandLayout(), version, fields, {text});
    s += move.empty() ? I32(0) : I32(1) + move;
    s += shot.empty() ? I32(0) : I32(1) + shot;
    s += I32(static_cast<int32_t>(flows.size()));
    for (const std::string& f : flows) s += f;
    return s + Ints(params);
}

// A flow as stored: its record, then conditions, key conditions and commands
// (each already in file form).
inline std::string Flow(uint32_t version, const Values& fields, const std::vector<std::string>& conds,
                        const std::vector<std::string>& keyConds, const std::vector<std::string>& commands) {
    std::string s = Record(FlowLayout(), version, fields);
    for (const auto* list : {&conds, &keyConds, &commands}) {
        s += I32(static_cast<int32_t>(list->size()));
        for (const std::string& e : *list) s += e;
    }
    return s;
}

}  // namespace recbytes
