#include "app/project_editors.h"

#include <new>

#include "app/services.h"
#include "app/shell.h"
#include "app/stage_editor.h"
#include "base/msgbox.h"
#include "model/palette.h"
#include "model/prjoption.h"
#include "model/stage.h"
#include "objedit/blocksheet.h"
#include "objedit/charasheet.h"
#include "objedit/itemsheet.h"
#include "projedit/bmpconv.h"
#include "projedit/prjoption_editopt.h"
#include "projedit/prjoption_general.h"
#include "projedit/prjoption_stageopt.h"
#include "projedit/prjoptionsheet.h"
#include "projedit/systemsheet.h"
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

// Where a sheet is kept while no stage editor exists (window tests).
cPropSheet* s_pSystemSheetNoEditor = nullptr;
cPropSheet* s_pPrjOptionSheetNoEditor = nullptr;

// After a project-wide sheet: the stage editor and the palette windows of
// the current layer shown, every registered window enabled, the palettes
// redrawn.
void BackToStageEditor() {
    g_Stage.Validate();
    if (g_StageEditor) g_StageEditor->ShowPalettes();
    g_WndRegistry.EnableAll(true);
    if (g_StageEditor) g_StageEditor->DrawPalettes();
}

// The general page's buttons "ブロック", "キャラ", "アイテム": the sheet of
// that kind on the project's default record (edit target 3), held in the
// variable the registry clears when the sheet closes.
cPropSheet** OpenDefaultSheet(int kind, cDlg* parent, cWndRegistry*) {
    switch (kind) {
        case 0: return OpenBlockSheetForDefault(parent, &g_PrjOption.m_DefBlock) ? BlockSheetHolder(3) : nullptr;
        case 1: return OpenCharaSheetForDefault(parent, &g_PrjOption.m_DefChara) ? CharaSheetHolder(3) : nullptr;
        case 2: return OpenItemSheetForDefault(parent, &g_PrjOption.m_DefItem) ? ItemSheetHolder(3) : nullptr;
        default: return nullptr;
    }
}

}  // namespace

void InstallDefaultSheetOpener() {
    cPrjOptionPageGeneral::s_OpenDefaultSheet = OpenDefaultSheet;
}

void OnSystemSheetClosed() {
    // each kind keeps at least two entries
    g_CommonPalette.Validate();
    BackToStageEditor();
}

void OnPrjOptionClosed() {
    BackToStageEditor();
}

cPropSheet** SystemSheetHolder() {
    return g_StageEditor ? &g_StageEditor->m_pSystemSheet : &s_pSystemSheetNoEditor;
}

cPropSheet** PrjOptionSheetHolder() {
    return g_StageEditor ? &g_StageEditor->m_pPrjOptionSheet : &s_pPrjOptionSheetNoEditor;
}

cPropSheet* HeldPrjOptionSheet() {
    return *PrjOptionSheetHolder();
}

bool RunProjectEditorCommand(cStageEditorDlg* editor, int id) {
    switch (id) {
        case ID_BMP_CONVERT:
            RunModalTool(new (std::nothrow) cBmpConvDlg(editor, &g_WndRegistry));
            return true;
        case ID_PROJECT_OPTION:
            OpenPrjOptionSheet(editor, &g_WndRegistry);
            return true;
        case ID_EDIT_OPTION:
            RunModalTool(new (std::nothrow) cEditOptionDlg(editor, &g_WndRegistry));
            return true;
        case ID_STAGE_OPTION:
            RunModalTool(new (std::nothrow) cStageOptionDlg(editor, &g_WndRegistry));
            return true;
        case ID_SYSTEM_SETTING:
            OpenSystemSheet(editor, &g_WndRegistry);
            return true;
        default:
            return false;
    }
}
