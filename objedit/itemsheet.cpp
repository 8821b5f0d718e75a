#include "objedit/itemsheet.h"

#include <new>

#include "app/services.h"
#include "base/msgbox.h"
#include "model/palette.h"
#include "model/stage.h"
#include "objedit/charasheet.h"
#include "objedit/itempage_basic.h"
#include "objedit/itempage_basic_res.h"
#include "objedit/itempage_effect.h"
#include "objedit/itempage_effect_res.h"
#include "ui/registry.h"

cPropSheet* g_StageItemPalSheet = nullptr;
cPropSheet* g_CommonItemPalSheet = nullptr;
cPropSheet* g_PrjOptionItemSheet = nullptr;

namespace {

const int kItemEntry = 2;  // the item sheet's entry of g_LastSheetPage

// A sheet opened beside a palette window at the screen's edge is moved
// back inside the work area.
void KeepInWorkArea(HWND wnd) {
    RECT rc, work;
    if (!GetWindowRect(wnd, &rc) || !SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0)) return;
    int x = rc.left, y = rc.top;
    if (rc.right > work.right) x -= rc.right - work.right;
    if (rc.bottom > work.bottom) y -= rc.bottom - work.bottom;
    if (x < work.left) x = work.left;
    if (y < work.top) y = work.top;
    if (x != rc.left || y != rc.top) SetWindowPos(wnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

cPropSheet** ItemSheetHolder(int target) {
    switch (target) {
        case 2: return &g_CommonItemPalSheet;
        case 3: return &g_PrjOptionItemSheet;
        default: return &g_StageItemPalSheet;
    }
}

void cItemPage::Load(const cEdItem* record) {
    if (!record) return;
    if (record != &m_Item) m_Item = *record;
    Bind();
    if (m_hWnd && m_bInit) Attach(false);
}

void cItemPage::LeavePage() {
    CtrlsToData();
    if (cItemDataSheet* open = OpenedItemSheet()) open->CopyToOtherPage(m_Item, m_nPageNo);
}

cItemDataSheet* OpenedItemSheet() {
    cPropSheet* holders[3] = {g_StageItemPalSheet, g_CommonItemPalSheet, g_PrjOptionItemSheet};
    for (cPropSheet* sheet : holders)
        if (sheet) return dynamic_cast<cItemDataSheet*>(sheet);
    return nullptr;
}

cItemDataSheet::cItemDataSheet(int mode, cWnd* parent, cWndRegistry* registry) : cPropSheet(mode, parent, registry) {
    m_lpRegKey = this;
    if (m_lpRegistry) m_lpRegistry->AddSheet(this, ItemSheetHolder(g_StageEdit.g_EditTarget));
    g_StageEdit.g_ItemSheet = this;
    g_StageEdit.g_BlockSheet = nullptr;
    g_StageEdit.g_CharaSheet = nullptr;
}

cItemDataSheet::~cItemDataSheet() {
    // the pages' windows go before their objects
    if (m_hWnd && IsWindow(m_hWnd)) DestroyWindow(m_hWnd);
    m_hWnd = nullptr;
    delete m_pEffect;
    m_pEffect = nullptr;
    delete m_pBasic;
    m_pBasic = nullptr;
    if (g_StageEdit.g_ItemSheet == this) g_StageEdit.g_ItemSheet = nullptr;
}

void cItemDataSheet::Open() {
    cDlg* parent = dynamic_cast<cDlg*>(m_lpParent);
    m_pBasic = new (std::nothrow) cItemPageBasic(IDD_ITEM_BASIC, parent, kWndPage, m_lpRegistry);
    if (!m_pBasic) {
        OutOfMemory();
        return;
    }
    m_pEffect = new (std::nothrow) cItemPageEffect(IDD_ITEM_EFFECT, parent, kWndPage, m_lpRegistry);
    if (!m_pEffect) {
        OutOfMemory();
        return;
    }
    m_Pages.clear();
    m_Pages.push_back(m_pBasic);
    m_Pages.push_back(m_pEffect);
    Create();
    if (!m_hWnd) return;
    SetWindowTextA(m_hWnd, "アイテムデータ");
    KeepInWorkArea(m_hWnd);
    int last = g_LastSheetPage[kItemEntry];
    if (last < 0 || last >= static_cast<int>(m_Pages.size())) last = 0;
    // the first page writes the record back on Apply and runs the closing
    // handler, so its window must exist whichever page the sheet opens on
    SetCurPage(0);
    SetCurPage(last);
}

void cItemDataSheet::CopyToOtherPage(const cEdItem& record, int pageNo) {
    if (pageNo == 0 && m_pEffect) m_pEffect->m_Item = record;
    if (pageNo == 1 && m_pBasic) m_pBasic->m_Item = record;
}

// What every opener does once the edit context is set.
static bool OpenSheet(cWnd* parent) {
    g_WndRegistry.EnableAll(false);
    cPropSheet** holder = ItemSheetHolder(g_StageEdit.g_EditTarget);
    SafeDelete(holder);
    cItemDataSheet* sheet = new (std::nothrow) cItemDataSheet(1, parent, &g_WndRegistry);
    if (!sheet) {
        OutOfMemory();
        return false;
    }
    *holder = sheet;
    sheet->Open();
    return true;
}

bool OpenItemSheetForEntry(cWnd* parent, int palette, int index) {
    cVector<cEdItem>& entries = palette == 1 ? g_Stage.m_PalItems : g_CommonPalette.m_Items;
    if (index < 0 || index >= static_cast<int>(entries.size())) return false;
    g_StageEdit.g_EditSource[0] = palette == 1 ? 1 : 0;
    g_StageEdit.g_EditSource[1] = index;
    g_StageEdit.g_EditTarget = palette == 1 ? 1 : 2;
    if (g_StageEdit.m_BrushItem.empty()) g_StageEdit.m_BrushItem.push_back(entries[index]);
    g_StageEdit.m_BrushItem[0] = entries[index];
    g_StageEdit.g_EditOriginal.m_pItem = &entries[index];
    return OpenSheet(parent);
}

bool OpenItemSheetForCell(cWnd* parent, cEdItem* record) {
    if (!record) return false;
    g_StageEdit.g_EditTarget = 0;
    g_StageEdit.g_EditOriginal.m_pItem = record;
    return OpenSheet(parent);
}

bool OpenItemSheetForDefault(cWnd* parent, cEdItem* record) {
    if (!record) return false;
    g_StageEdit.g_EditTarget = 3;
    g_StageEdit.g_EditOriginal.m_pItem = record;
    return OpenSheet(parent);
}
