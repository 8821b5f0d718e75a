#include "objedit/blocksheet.h"

#include <new>

#include "app/services.h"
#include "base/msgbox.h"
#include "model/palette.h"
#include "model/stage.h"
#include "objedit/blockpage.h"
#include "objedit/charasheet.h"
#include "ui/registry.h"

cPropSheet* g_StageBlockPalSheet = nullptr;
cPropSheet* g_CommonBlockPalSheet = nullptr;
cPropSheet* g_PrjOptionBlockSheet = nullptr;

cPropSheet** BlockSheetHolder(int target) {
    switch (target) {
        case 2: return &g_CommonBlockPalSheet;
        case 3: return &g_PrjOptionBlockSheet;
        default: return &g_StageBlockPalSheet;
    }
}

cBlockDataSheet::cBlockDataSheet(int mode, cWnd* parent, cWndRegistry* registry) : cPropSheet(mode, parent, registry) {
    m_lpRegKey = this;
    if (m_lpRegistry) m_lpRegistry->AddSheet(this, BlockSheetHolder(g_StageEdit.g_EditTarget));
    g_StageEdit.g_BlockSheet = this;
    g_StageEdit.g_CharaSheet = nullptr;
    g_StageEdit.g_ItemSheet = nullptr;
}

cBlockDataSheet::~cBlockDataSheet() {
    // the page's window goes before its object
    if (m_hWnd && IsWindow(m_hWnd)) DestroyWindow(m_hWnd);
    m_hWnd = nullptr;
    delete m_pPage;
    m_pPage = nullptr;
    if (g_StageEdit.g_BlockSheet == this) g_StageEdit.g_BlockSheet = nullptr;
}

void cBlockDataSheet::Open() {
    cDlg* parent = dynamic_cast<cDlg*>(m_lpParent);
    m_pPage = new (std::nothrow) cBlockPage(parent, m_lpRegistry);
    if (!m_pPage) {
        OutOfMemory();
        return;
    }
    m_Pages.clear();
    m_Pages.push_back(m_pPage);
    Create();
    if (!m_hWnd) return;
    SetWindowTextA(m_hWnd, "ブロックデータ");
    int last = g_LastSheetPage[0];
    if (last < 0 || last >= static_cast<int>(m_Pages.size())) last = 0;
    SetCurPage(last);
}

// What every opener does once the edit context is set.
static bool OpenSheet(cWnd* parent) {
    g_WndRegistry.EnableAll(false);
    cPropSheet** holder = BlockSheetHolder(g_StageEdit.g_EditTarget);
    SafeDelete(holder);
    cBlockDataSheet* sheet = new (std::nothrow) cBlockDataSheet(1, parent, &g_WndRegistry);
    if (!sheet) {
        OutOfMemory();
        return false;
    }
    *holder = sheet;
    sheet->Open();
    return true;
}

bool OpenBlockSheetForEntry(cWnd* parent, int palette, int index) {
    cVector<cEdBlock>& entries = palette == 1 ? g_Stage.m_PalBlocks : g_CommonPalette.m_Blocks;
    if (index < 0 || index >= static_cast<int>(entries.size())) return false;
    g_StageEdit.g_EditSource[0] = palette == 1 ? 1 : 0;
    g_StageEdit.g_EditSource[1] = index;
    g_StageEdit.g_EditTarget = palette == 1 ? 1 : 2;
    if (g_StageEdit.m_BrushBlock.empty()) g_StageEdit.m_BrushBlock.push_back(entries[index]);
    g_StageEdit.m_BrushBlock[0] = entries[index];
    g_StageEdit.g_EditOriginal.m_pBlock = &entries[index];
    return OpenSheet(parent);
}

bool OpenBlockSheetForCell(cWnd* parent, cEdBlock* record) {
    if (!record) return false;
    g_StageEdit.g_EditTarget = 0;
    g_StageEdit.g_EditOriginal.m_pBlock = record;
    return OpenSheet(parent);
}

bool OpenBlockSheetForDefault(cWnd* parent, cEdBlock* record) {
    if (!record) return false;
    g_StageEdit.g_EditTarget = 3;
    g_StageEdit.g_EditOriginal.m_pBlock = record;
    return OpenSheet(parent);
}
