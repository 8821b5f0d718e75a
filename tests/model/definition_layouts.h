// Hand-written file layouts of the block, character and item definitions, to
// build the bytes a file of a given version holds without the records.
#pragma once

#include <string>
#include <vector>

#include "tests/model/flow_layouts.h"

namespace recbytes {

// cEdBlock: 18 fields in every version; one string (the name).
inline const std::vector<Field>& BlockLayout() {
    static const std::vector<Field> l = {
        F(1), F(2), F(1), F(1), F(2), F(1), F(2), F(1), F(1),           // 1-9
        F(1), F(2), F(1, 1), F(1, -1), F(1), F(4), F(1), F(2), F(1),  // 10-18
    };
    return l;
}

// cEdChara: 52 fields at version 248, 47 before 168.
inline const std::vector<Field>& CharaLayout() {
    static const std::vector<Field> l = {
        F(1), F(2), F(1), F(1), F(1), F(1), F(2), F(2), F(2), F(2),                              // 1-10
        F(1), F(1), F(2), F(1, 1), F(2), F(2), F(1, 3), F(1), F(2), F(1, 0, 196),               // 11-20
        F(1, 1), F(2), F(1, 0, 196), F(1), F(2), F(1, 1), F(1), F(1, 1), F(1), F(1),            // 21-30
        F(1, 1), F(1), F(1), F(1, 1), F(1, 0, 210), F(1), F(1), F(4, 10), F(4), F(2, 10),       // 31-40
        F(1, 0, 201), F(4), F(1), F(2), F(4, 0, 168), F(1), F(4), F(1, 1), F(1), F(2), F(1), F(1),  // 41-52
    };
    return l;
}

// cEdItem: 17 fields in every version; field 14 is "shown over the head",
// field 15 the take mode.
inline const std::vector<Field>& ItemLayout() {
    static const std::vector<Field> l = {
        F(1), F(2), F(1), F(1), F(2), F(2), F(2), F(1, 2), F(2),  // 1-9
        F(1, 6), F(1), F(1), F(2), F(1, 1), F(1), F(1, 1), F(2),  // 10-17
    };
    return l;
}

// A raw vector of bytes (inheritance flags).
inline std::string Flags(const std::vector<int>& flags) {
    return KeyStates(flags);
}

inline std::string Block(uint32_t version, const Values& fields, const std::string& name,
                         const std::vector<int>& flags, const std::vector<std::string>& conds = {}, int cellX = 0,
                         int cellY = 0) {
    std::string s = Record(BlockLayout(), version, fields, {name}) + I16(cellX) + I16(cellY) + Flags(flags);
    s += I32(static_cast<int32_t>(conds.size()));
    for (const std::string& c : conds) s += c;
    return s;
}

inline std::string Chara(uint32_t version, const Values& fields, const std::string& name,
                         const std::vector<int>& flags, const std::vector<std::string>& flows = {},
                         int32_t heldItem = 0) {
    std::string s = Record(CharaLayout(), version, fields, {name}) + I16(0) + I16(0) + I32(heldItem) + Flags(flags);
    s += I32(0);  // appearance conditions
    s += I32(static_cast<int32_t>(flows.size()));
    for (const std::string& f : flows) s += f;
    return s;
}

inline std::string Item(uint32_t version, const Values& fields, const std::string& name,
                        const std::vector<int>& flags, const std::vector<std::string>& commands = {}) {
    std::string s = Record(ItemLayout(), version, fields, {name}) + I16(0) + I16(0) + Flags(flags);
    s += I32(0);  // appearance conditions
    s += I32(static_cast<int32_t>(commands.size()));
    for (const std::string& c : commands) s += c;
    return s;
}

}  // namespace recbytes
