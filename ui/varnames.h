// The variable name lists of the variable combos and the renaming of a
// common or stage variable through the string input box.
#pragma once

#include "base/containers.h"
#include "base/str.h"
#include "model/stage.h"
#include "ui/ctrl.h"
#include "ui/dlg.h"

// One text per variable 1 .. count-1 of the table: "NNN name" with the
// number zero-padded to three digits. Variable 0 is never listed.
void MakeVarNameList(cVector<cString>* out, const cVector<cEdValInfo>& vars);

// Asks for a new name of variable var (at most 12 bytes) in the box
// "変数名の入力" placed over the control. A variable outside 1 .. count-1
// (nothing selected) only beeps. True when a new name was stored.
bool InputVariableName(cDlg* owner, cVector<cEdValInfo>* vars, int var, cCtrl* over);

// The same for a common variable, whose names are then written at once by
// save; a failed write is reported and the new name stays.
bool RenameCommonVariable(cDlg* owner, cVector<cEdValInfo>* vars, int var, cCtrl* over, bool (*save)());
