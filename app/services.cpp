// The shell's side of services.h.
#include "app/services.h"

#include "app/globals.h"
#include "app/paths_table.h"
#include "app/shell.h"
#include "app/stage_editor.h"
#include "base/record.h"

cWnd* HeldWorldMapWindow() {
    return g_StageEditor ? g_StageEditor->m_pWorldMap : nullptr;
}

void StageEditorOnWorldMapClosed() {
    if (g_StageEditor) g_StageEditor->OnWorldMapClosed();
}

bool StageEditorRect(RECT* rc) {
    *rc = RECT{0, 0, 0, 0};
    if (!g_StageEditor || !g_StageEditor->m_hWnd) return false;
    return GetWindowRect(g_StageEditor->m_hWnd, rc) != 0;
}

bool SaveCommonVarNames() {
    return SaveVector(g_GValInfo, g_PathTable[kPathGValInfo].CStr()) != 0;
}
