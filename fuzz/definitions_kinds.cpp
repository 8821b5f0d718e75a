// The common palette, the project options and the editor configuration, each
// a whole file of one object.
#include "fuzz/fuzz_kinds.h"
#include "model/palette.h"
#include "model/prjoption.h"

namespace {

// A palette with a few entries of each kind, some with flows, effects and
// links, so that mutations reach the nested records.
std::string SeedPalette() {
    cEdCommonPalette palette;
    palette.Validate();
    palette.m_Blocks.resize(3);
    palette.m_Blocks[2].m_Graphic = 5;
    palette.m_Blocks[2].m_ItemKind = 1;
    palette.m_Blocks[2].m_ItemIndex = 1;
    palette.m_Blocks[2].m_AppearConds.resize(1);
    palette.m_Charas[1].m_Flows.resize(1);
    palette.m_Charas[1].m_Flows[0].m_Commands.resize(1);
    palette.m_Charas[1].m_Flows[0].m_KeyConds.resize(1);
    palette.m_Items[1].m_Effects.resize(1);
    return FuzzFileOf(palette);
}

}  // namespace

FUZZ_KIND("common-palette", FuzzLoadObject<cEdCommonPalette>, SeedPalette);
FUZZ_KIND("prj-option", FuzzLoadObject<cPrjOption>, FuzzSeedObject<cPrjOption>);
FUZZ_KIND("edit-config", FuzzLoadObject<cEditConfig>, FuzzSeedObject<cEditConfig>);
