// The ten database table files, each a whole file of one vector of records.
#include "fuzz/fuzz_kinds.h"
#include "model/database.h"

namespace {

template <class T>
std::string SeedTable() {
    return FuzzSeedVector<T>(3);
}

}  // namespace

FUZZ_KIND("db-animeset", FuzzLoadVector<cEdAnimeSet>, SeedTable<cEdAnimeSet>);
FUZZ_KIND("db-anime", FuzzLoadVector<cEdAnime>, SeedTable<cEdAnime>);
FUZZ_KIND("db-bmpcharaexc", FuzzLoadVector<cEdBmpCharaExc>, SeedTable<cEdBmpCharaExc>);
FUZZ_KIND("db-swordtype", FuzzLoadVector<cEdSwordType>, SeedTable<cEdSwordType>);
FUZZ_KIND("db-effect", FuzzLoadVector<cEdEffect>, SeedTable<cEdEffect>);
FUZZ_KIND("db-charaeffect", FuzzLoadVector<cEdCharaEffect>, SeedTable<cEdCharaEffect>);
FUZZ_KIND("db-screffect", FuzzLoadVector<cEdScrEffect>, SeedTable<cEdScrEffect>);
FUZZ_KIND("db-fileentry", FuzzLoadVector<cEdPicture>, SeedTable<cEdPicture>);
