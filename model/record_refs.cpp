#include "model/record_refs.h"

namespace {
const cRecordRefs* s_Refs = nullptr;
}

void SetRecordRefs(const cRecordRefs* refs) {
    s_Refs = refs;
}

const cRecordRefs* GetRecordRefs() {
    return s_Refs;
}

bool OutsideTable(int index, eDatabaseTable table) {
    if (index < 0) return true;
    return s_Refs && index >= s_Refs->TableSize(table);
}

bool OutsidePalette(int index, ePaletteKind palette, eObjType type) {
    if (index < 0) return true;
    return s_Refs && index >= s_Refs->PaletteSize(palette, type);
}
