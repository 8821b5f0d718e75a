// The database tables by number.
#pragma once

// The ten tables, in the fixed order of loading and saving.
enum eDatabaseTable {
    kTableAnimeSet,
    kTableAnime,
    kTableBmpCharaExc,
    kTableSwordType,
    kTableEffect,
    kTableCharaEffect,
    kTableScrEffect,
    kTablePicture,
    kTableSound,
    kTableBgm,
    kDatabaseTableCount
};
