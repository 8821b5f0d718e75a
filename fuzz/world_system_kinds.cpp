// The world map and the system settings, each a whole file of one object.
#include "fuzz/fuzz_kinds.h"
#include "model/system.h"
#include "model/worldmap.h"

namespace {

// A map with a few chips drawn and an event with two pages, so that
// mutations reach the grid and the nested records.
std::string SeedWorldMap() {
    cEdWorldMap map;
    map.m_Cells[1] = 2;
    map.m_Cells[33] = 3;
    cEdWorldEvent event = map.m_Templates[0];
    event.m_Pages.resize(2);
    map.m_Events.push_back(event);
    return FuzzFileOf(map);
}

}  // namespace

FUZZ_KIND("world-map", FuzzLoadObject<cEdWorldMap>, SeedWorldMap);
FUZZ_KIND("system", FuzzLoadObject<cEdSystem>, FuzzSeedObject<cEdSystem>);
