// What the command and shot checks look up elsewhere in the project: the
// number of records of the database tables, the running time of a sword
// type, and the number of entries of the palettes.
//
// The project installs its lookup with SetRecordRefs. Without one nothing is
// known about those sizes: an index is then only checked for being negative.
#pragma once

#include <cstdint>

#include "model/db_table.h"

enum ePaletteKind {
    kPaletteCommon,
    kPaletteStage,
};

enum eObjType {
    kObjBlock,
    kObjChara,
    kObjItem,
};

class cRecordRefs {
public:
    virtual ~cRecordRefs() = default;
    virtual int TableSize(eDatabaseTable table) const = 0;
    // Sum of the times of the positions of a sword type (index inside the
    // table), capped at 9999.
    virtual int16_t SwordTime(int index) const = 0;
    virtual int PaletteSize(ePaletteKind palette, eObjType type) const = 0;
};

// Null removes the lookup. The caller keeps the object alive while installed.
void SetRecordRefs(const cRecordRefs* refs);
const cRecordRefs* GetRecordRefs();

// True when index does not name an entry of a table or palette: negative, or
// not below the known size.
bool OutsideTable(int index, eDatabaseTable table);
bool OutsidePalette(int index, ePaletteKind palette, eObjType type);
