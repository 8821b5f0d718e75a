// The stage editor's commands that open the project-wide editors: the system
// settings, the project options, the edit and stage options and the bitmap
// conversion tool.
#pragma once

class cStageEditorDlg;

// Runs the command when it is one of these; true when it was.
bool RunProjectEditorCommand(cStageEditorDlg* editor, int id);

// Lets the project options' general page open the definition sheets of the
// project's default records (run once at start-up).
void InstallDefaultSheetOpener();
