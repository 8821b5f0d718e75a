// Running the new stage dialog from the stage editor's new stage command.
// Until the dialog exists the command leaves the stage as it is.
#include "app/stage_editor.h"

bool RunNewStageDialog(cStageEditorDlg* owner) {
    (void)owner;
    return false;
}
