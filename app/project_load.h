// Loading the project at start-up: every project object with the data\ then
// default\ fallbacks, the default stage template, the colour palettes, the
// standard and character bitmaps, and the stage edited last.
#pragma once

#include "base/containers.h"
#include "base/dib.h"
#include "model/database.h"

// True when everything needed was loaded; false after a message was shown.
bool LoadProject();
// True when the stage at path was opened; otherwise a new 32 x 32 stage.
// The undo history is sized in both cases.
bool LoadLastStage(const char* path);
// Two surfaces per Bmp_CharaExc record (record 0 never loaded).
bool LoadCharaBitmaps(cVector<cDib>& surfaces, const cVector<cEdBmpCharaExc>& table);
