#include "objedit/entry_sheets.h"

#include "app/services.h"
#include "model/palette.h"
#include "model/stage.h"

namespace {

// The edit context of a palette entry: what a sheet edits and writes back.
template <class T>
bool SetEntryContext(cVector<T>& entries, cVector<T>& brush, T*& original, int palette, int index) {
    if (index < 0 || index >= static_cast<int>(entries.size())) return false;
    g_StageEdit.g_EditSource[0] = palette == 1 ? 1 : 0;
    g_StageEdit.g_EditSource[1] = index;
    g_StageEdit.g_EditTarget = palette == 1 ? 1 : 2;
    if (brush.empty()) brush.push_back(entries[index]);
    brush[0] = entries[index];
    original = &entries[index];
    return true;
}

}  // namespace

bool OpenItemSheetForEntry(cWnd*, int palette, int index) {
    cVector<cEdItem>& entries = palette == 1 ? g_Stage.m_PalItems : g_CommonPalette.m_Items;
    SetEntryContext(entries, g_StageEdit.m_BrushItem, g_StageEdit.g_EditOriginal.m_pItem, palette, index);
    return false;
}
