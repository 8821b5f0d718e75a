// What the editors (objedit/, cmdedit/, projedit/) use of the application
// shell and the stage editor. This is the one header of app/ that they
// include: the stage editor window and its operations, the stage edit state
// with the edit context of the definition sheets (g_StageEdit), the view
// state stack, the window registry, the picture sheets and the icon drawing.
#pragma once

#include <windows.h>

#include "app/stage_edit.h"
#include "app/stage_editor.h"
#include "base/containers.h"
#include "base/dib.h"
#include "base/sequencer.h"
#include "model/definitions.h"
#include "model/stage.h"
#include "ui/registry.h"

// The stage editor window; null while there is none.
extern cStageEditorDlg* g_StageEditor;
// The picture sheets of the project (see model/stage.h for the slots) and
// the two surfaces (as drawn, mirrored) of each character-dedicated bitmap.
extern cDib g_Bitmaps[kBitmapCount];
extern cVector<cDib> g_CharaBitmaps;

// Icon drawing. DrawObjectIcon draws the 32 x 32 icon of a definition onto
// dst at (x, y) from the picture sheets: object type 0 block, 1 character,
// 2 item; kind 0 block chips, 1 character sheets, 2 item sheets, 3 shots,
// 4 character-dedicated bitmaps; chara is the character record (type 1),
// else null. half draws it at 16 x 16 into the cell's top right quarter.
void DrawObjectIcon(cDib* dst, int x, int y, int type, int kind, int index, int offset, const cEdChara* chara,
                    int markShown, int mark, int half);
void DrawBlockIcon(cDib* dst, int x, int y, const cEdBlock& block, int half);
void DrawCharaIcon(cDib* dst, int x, int y, const cEdChara& chara, int half);
void DrawItemIcon(cDib* dst, int x, int y, const cEdItem& item, int half);
void DrawMark(cDib* dst, int x, int y, int mark, int half);


class cPropSheet;

// ---- Project-wide editors: system settings and project options ----

// The system settings pages are being destroyed: the common palette is
// made to hold at least two entries of each kind, the stage is validated,
// the stage editor and the palette windows of the current layer are shown,
// every registered window is enabled and the palettes are redrawn.
void OnSystemSheetClosed();
// The project options' general page is being destroyed: the stage is
// validated, the palette windows of the current layer are shown, every
// registered window is enabled and the palettes are redrawn.
void OnPrjOptionClosed();
// The project options sheet that the stage editor holds (null when none).
cPropSheet* HeldPrjOptionSheet();
// Where the stage editor keeps the project options and the system settings
// sheet; the window registry clears it when the sheet closes.
cPropSheet** PrjOptionSheetHolder();
cPropSheet** SystemSheetHolder();

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

// --- The database sheet ------------------------------------------------------
// The sheet itself is held in g_StageEditor->m_pDatabaseSheet (the registry
// clears it when the sheet closes); the idle step paces the two animation
// pages on the frame clock and draws the sheet's current page every step.

// The one sequencer of the animation previews.
extern cAnimeSequencer g_AnimePreview;
// Run when the database sheet closes: the common palette and the stage are
// made consistent with the tables again, the palette windows of the current
// layer are shown, every registered window is enabled and the palettes are
// redrawn.
void OnDatabaseClosed();
// Rebuilds g_CharaBitmaps from the Bmp_CharaExc table; a bitmap that does
// not load is reported with its path and ends the rebuild with false.
bool BuildCharaBitmaps();

// ---- Palette inheritance links -------------------------------------------
// SetInherit (model/stage.h): links a block, character or item record to an
// entry of the common palette (source 1) or the stage palette (source 2),
// takes the flags given and applies the inheritance at once; a link to an
// entry the palette does not hold (a negative index included) is cleared
// with every flag. Source 0 (no inheritance) is taken as it is.
void SetInherit(cSerialRecord* record, eObjType type, int kind, int16_t index, cVector<int8_t> flags);
// --- The stage settings sheet ------------------------------------------------
// Where the stage editor keeps the stage settings sheet; the registry clears
// it when the sheet closes.
cPropSheet** StageSheetHolder();
// The sheet's basic page is being destroyed: the stage is validated, the
// editor laid out for its size, the undo history sized again, the editor and
// its palette windows shown and every registered window enabled.
void OnStageSheetClosed();
