// The stage editor's opening of the database sheet (menu command 40063).
#pragma once

class cPropSheet;
class cStageEditorDlg;

// Hides and disables every registered window, replaces the sheet the editor
// holds with a new one and opens it.
void OpenDatabaseSheet(cStageEditorDlg* editor);
// Deletes the sheet (its window goes with it) and clears the variable.
void SafeDeleteSheet(cPropSheet** sheet);
