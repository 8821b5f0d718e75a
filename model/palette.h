// The common palette: the block, character and item definitions that every
// stage of the project can use, stored as "data\CommonPalette.cplt4".
#pragma once

#include "base/containers.h"
#include "base/record.h"
#include "base/str.h"
#include "model/datafile.h"
#include "model/definitions.h"

extern const cString g_CommonPalettePath;         // "data\CommonPalette.cplt4"
extern const cString g_CommonPaletteDefaultPath;  // its copy under "default\"

class cEdCommonPalette : public cSerialRecord {
public:
    cEdCommonPalette();
    ~cEdCommonPalette() override;

    // One default entry of each kind.
    void SetDefault();
    void Declare(uint32_t version) override;
    // Entry 0 of each kind is the empty entry: reading resets it to its
    // defaults, clears every inheritance flag (the common palette inherits
    // from nothing) and validates.
    void Read(cRecFile* f) override;
    void Write(cRecFile* f) override;
    // Completes each kind to two entries, entry 1 then being the project's
    // default record, and validates every entry and its references. Entries
    // hold no cell position.
    void Validate();

    cVector<cEdBlock> m_Blocks;
    cVector<cEdChara> m_Charas;
    cVector<cEdItem> m_Items;
};

extern cEdCommonPalette g_CommonPalette;
// Loads g_CommonPalette from "data\", else from "default\", else sets the
// defaults; the result is then written to "data\" (LoadProjectFile).
eLoadSource LoadCommonPalette();
