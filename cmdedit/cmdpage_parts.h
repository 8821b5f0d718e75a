// Pieces shared by the jump, shot, sword, summon and flow operation pages:
// option lists from the string tables, the database record lists, the
// three-parameter rows of a formation or move type, and the item list that
// follows its palette combo.
#pragma once

#include <windows.h>

#include <cstdint>

#include "base/containers.h"
#include "base/str.h"
#include "model/cmd_tables.h"
#include "ui/ctrlcombo.h"
#include "ui/ctrleditval.h"
#include "ui/ctrlstatic.h"
#include "ui/dlg.h"
#include "ui/dlghelpers.h"

// The Anime, Sound and Effect lists of the pages: "なし", then every record
// from 1 as "01 name"; the stored value is the position.
void MakeAnimeList(cVector<cString>* out);
void MakeSoundList(cVector<cString>* out);
void MakeEffectList(cVector<cString>* out);
// Every SwordType record from 0, "00 name".
void MakeSwordTypeList(cVector<cString>* out);

// No formation or move type remembered yet.
const int kNoParamRow = 255;

// Shows the three parameter rows of choice `sel` (rows 3 sel .. 3 sel + 2)
// on the edits and labels: the label's text, the edit enabled with the
// row's range (its value shown clamped into it) or disabled at 0 .. 0 for a
// row without a label. When another choice was remembered the edits take
// the rows' defaults. A choice without rows changes nothing. The choice is
// remembered in *prev.
void RefreshParamRows(cDlg* dlg, cVector<cCtrlEditValItem<int16_t>>& edits, const int editIds[3],
                      const int labelIds[3], const cParamRow* rows, int rowCount, int sel, int* prev);

// The item list of a palette choice (1 the common palette, 2 the stage
// palette; "001 name" from entry 1); another choice empties it.
void MakeItemList(cVector<cString>* out, int palette);
// The entries of a block, chara or item palette vector (0 the common
// palette, 1 the stage palette) for the summon pages.
void MakeSummonList(cVector<cString>* out, int kind, int palette);
