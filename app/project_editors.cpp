#include "app/project_editors.h"

#include <new>

#include "app/services.h"
#include "app/shell.h"
#include "app/stage_editor.h"
#include "base/msgbox.h"
#include "model/palette.h"
#include "model/stage.h"
#include "projedit/bmpconv.h"
#include "res/command_ids.h"
#include "ui/dlghelpers.h"
#include "ui/registry.h"

namespace {

// Runs a modal tool of the stage editor with the other windows disabled and
// deletes it afterwards.
template <class D>
void RunModalTool(D* dlg) {
    if (!dlg) {
        OutOfMemory();
        return;
    }
    dlg->RunModal(kRunDisableOthers);
    SafeDelete(&dlg);
}

}  // namespace

bool RunProjectEditorCommand(cStageEditorDlg* editor, int id) {
    switch (id) {
        case ID_BMP_CONVERT:
            RunModalTool(new (std::nothrow) cBmpConvDlg(editor, &g_WndRegistry));
            return true;
        default:
            return false;
    }
}
