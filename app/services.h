// What the editors (objedit/, cmdedit/, projedit/) use of the application
// shell and the stage editor. This is the one header of app/ that they
// include.
#pragma once

#include <windows.h>

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
