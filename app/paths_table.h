// The fixed paths, extensions and folders of a project folder. The working
// directory is the project folder, shared with the game program.
#pragma once

#include "base/str.h"

// Indexes of g_PathTable that the editor uses.
enum ePathIndex {
    kPathData = 0,               // "data\"
    kPathDefault = 1,            // "default\"
    kPathOldVer = 2,             // "data\stg4\old_ver\"
    kPathWork = 3,               // "data\work\"
    kPathEditConfig = 4,         // "e_data\EditConfig.dat"
    kPathPrjOption = 5,          // "data\PrjOption.dat", default 6
    kPathCommonPalette = 7,      // default 8
    kPathGValInfo = 9,           // default 10
    kPathStageTemplate = 11,     // "data\stg4\Default.stg4_***", default 12
    kPathWorldMap = 13,          // default 14
    kPathDbAnimeSet = 15,        // the ten database tables, data then default
    kPathSystem = 35,            // default 36
    kPathCount = 46,
};

extern cString g_PathTable[kPathCount];

const int kExtCount = 4;
extern cString g_ExtTable[kExtCount];  // 1: "stg4", the stage file extension

// Null-ended lists of the folders that start-up creates.
extern const char* const g_EditorDirs[];
extern const char* const g_ProjectDirs[];
