// The stage editor's side of the stage settings sheet.
#include <windows.h>

#include "app/services.h"
#include "app/stage_editor.h"
#include "model/stage.h"
#include "ui/registry.h"

namespace {

// Where the sheet is kept while no stage editor exists (window tests).
cPropSheet* s_pStageSheetNoEditor = nullptr;

}  // namespace

cPropSheet** StageSheetHolder() {
    return g_StageEditor ? &g_StageEditor->m_pStageSheet : &s_pStageSheetNoEditor;
}

void OnStageSheetClosed() {
    if (g_StageEditor) {
        g_StageEditor->OnStageSheetClosed();
        return;
    }
    // without an editor window the same state is restored: the undo
    // history, emptied while the sheet was open, is sized again
    g_Stage.Validate();
    g_StageEdit.AllocUndo(g_Stage.m_UndoCount, g_Stage.m_Pitch, g_Stage.m_Height);
    g_WndRegistry.EnableAll(true);
}
