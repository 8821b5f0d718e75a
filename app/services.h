// What the editors (objedit/, cmdedit/, projedit/) use of the application
// shell and the stage editor. This is the only header of app/ that they
// include; the shell implements it.
#pragma once

#include <windows.h>

#include "app/stage_edit.h"  // g_StageEdit (modified flags), g_StateStack (cursor)

class cWnd;

// ---- World map editor ----------------------------------------------------
// The world map window that the stage editor holds, or null.
cWnd* HeldWorldMapWindow();
// The stage editor's handler, run when the world map window is destroyed:
// back to the stage editor mode, its palette windows shown, every registered
// window enabled.
void StageEditorOnWorldMapClosed();
// The stage editor window's rectangle on the screen; false (and an empty
// rectangle) when there is no such window.
bool StageEditorRect(RECT* rc);
// The project's standard bitmaps (surfaces 22 the world map background, 23
// the map chips, 24 the world events).
#include "base/dib.h"
extern cDib g_Bitmaps[kBitmapCount];
// The common variables and the saving of their names ("data\GValInfo.dat");
// false when the file could not be written.
#include "base/containers.h"
#include "model/stage.h"
extern cVector<cEdValInfo> g_GValInfo;
bool SaveCommonVarNames();
