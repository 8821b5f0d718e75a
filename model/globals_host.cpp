// The project's data objects for the host build of the data model (tests,
// sanitizers, fuzzing). The editor defines them, with the rest of its global
// objects, in app/globals.cpp; this list keeps the same order.
#include "model/database.h"
#include "model/palette.h"
#include "model/prjoption.h"
#include "model/stage.h"
#include "model/system.h"
#include "model/worldmap.h"
#include "model/worldmap_edit.h"

cEditConfig EditConfig;
cPrjOption g_PrjOption;
// Built before the world map, which therefore holds nothing yet.
cWorldMapEdit g_WorldMapEdit(nullptr);
cAppInfo g_AppInfo;
cEdStage g_Stage;
cEdWorldMap g_WorldMap;
cEdCommonPalette g_CommonPalette;
cEdSystem g_System;
cEdDatabase g_Database;
cVector<cEdValInfo> g_GValInfo;
