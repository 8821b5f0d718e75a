// Opening and closing the database sheet from the stage editor.
#include "app/db_open.h"

#include <new>

#include "app/project_load.h"
#include "app/services.h"
#include "app/shell.h"
#include "base/msgbox.h"
#include "model/database.h"
#include "model/palette.h"
#include "model/stage.h"
#include "projedit/database.h"
#include "ui/registry.h"

extern cEdDatabase g_Database;
extern cEdCommonPalette g_CommonPalette;
extern cEdStage g_Stage;

void OpenDatabaseSheet(cStageEditorDlg* editor) {
    g_WndRegistry.ShowAll(false);
    g_WndRegistry.EnableAll(false);
    SafeDeleteSheet(&editor->m_pDatabaseSheet);
    cDatabaseSheet* sheet = new (std::nothrow) cDatabaseSheet(editor, &g_WndRegistry, &editor->m_pDatabaseSheet);
    if (!sheet) {
        OutOfMemory();
        return;
    }
    editor->m_pDatabaseSheet = sheet;
    sheet->CreatePages();
}

void SafeDeleteSheet(cPropSheet** sheet) {
    cPropSheet* p = *sheet;
    *sheet = nullptr;
    delete p;
}

void OnDatabaseClosed() {
    g_CommonPalette.Validate();
    g_Stage.Validate();
    if (g_StageEditor) g_StageEditor->ShowPalettes();
    g_WndRegistry.EnableAll(true);
    if (g_StageEditor) g_StageEditor->DrawPalettes();
}

bool BuildCharaBitmaps() {
    return LoadCharaBitmaps(g_CharaBitmaps, g_Database.m_BmpCharaExc);
}
