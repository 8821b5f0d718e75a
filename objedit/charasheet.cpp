#include "objedit/charasheet.h"

#include <new>

#include "app/services.h"
#include "base/msgbox.h"
#include "model/palette.h"
#include "model/stage.h"
#include "objedit/charapage_basic.h"
#include "objedit/charapage_basic_res.h"
#include "objedit/charapage_graphic.h"
#include "objedit/charapage_graphic_res.h"
#include "objedit/charapage_status.h"
#include "objedit/charapage_status_res.h"
#include "objedit/flowpage.h"
#include "objedit/flowpage_res.h"
#include "ui/registry.h"

int g_LastSheetPage[3] = {0, 0, 0};
cPropSheet* g_StageCharaPalSheet = nullptr;
cPropSheet* g_CommonCharaPalSheet = nullptr;
cPropSheet* g_PrjOptionCharaSheet = nullptr;

cPropSheet** CharaSheetHolder(int target) {
    switch (target) {
        case 2: return &g_CommonCharaPalSheet;
        case 3: return &g_PrjOptionCharaSheet;
        default: return &g_StageCharaPalSheet;
    }
}

void cCharaPage::LeavePage() {
    CtrlsToData();
    if (cCharaDataSheet* open = OpenedCharaSheet()) open->CopyToOtherPages(m_Chara, m_nPageNo);
}

cCharaDataSheet* OpenedCharaSheet() {
    cPropSheet* holders[3] = {g_StageCharaPalSheet, g_CommonCharaPalSheet, g_PrjOptionCharaSheet};
    for (cPropSheet* sheet : holders)
        if (sheet) return dynamic_cast<cCharaDataSheet*>(sheet);
    return nullptr;
}

cCharaDataSheet::cCharaDataSheet(int mode, cWnd* parent, cWndRegistry* registry)
    : cPropSheet(mode, parent, registry) {
    m_lpRegKey = this;
    if (m_lpRegistry) m_lpRegistry->AddSheet(this, CharaSheetHolder(g_StageEdit.g_EditTarget));
    g_StageEdit.g_CharaSheet = this;
    g_StageEdit.g_BlockSheet = nullptr;
    g_StageEdit.g_ItemSheet = nullptr;
}

cCharaDataSheet::~cCharaDataSheet() {
    // the pages' windows go before their objects
    if (m_hWnd && IsWindow(m_hWnd)) DestroyWindow(m_hWnd);
    m_hWnd = nullptr;
    for (cCharaPage*& page : m_pPages) {
        delete page;
        page = nullptr;
    }
    m_pBasic = nullptr;
    if (g_StageEdit.g_CharaSheet == this) g_StageEdit.g_CharaSheet = nullptr;
}

void cCharaDataSheet::Open() {
    cDlg* parent = dynamic_cast<cDlg*>(m_lpParent);
    m_pBasic = new (std::nothrow) cCharaPageBasic(IDD_CHARA_BASIC, parent, kWndPage, m_lpRegistry);
    if (!m_pBasic) {
        OutOfMemory();
        return;
    }
    m_pPages[0] = m_pBasic;
    m_pPages[1] = new (std::nothrow) cCharaPageGraphic(IDD_CHARA_GRAPHIC, parent, kWndPage, m_lpRegistry);
    if (!m_pPages[1]) {
        OutOfMemory();
        return;
    }
    m_pPages[2] = new (std::nothrow) cCharaPageStatus(IDD_CHARA_STATUS, parent, kWndPage, m_lpRegistry);
    if (!m_pPages[2]) {
        OutOfMemory();
        return;
    }
    m_pPages[3] = new (std::nothrow) cFlowPage(IDD_FLOWPAGE, parent, kWndPage, m_lpRegistry);
    if (!m_pPages[3]) {
        OutOfMemory();
        return;
    }
    m_Pages.clear();
    for (cCharaPage* page : m_pPages)
        if (page) m_Pages.push_back(page);
    Create();
    if (!m_hWnd) return;
    SetWindowTextA(m_hWnd, "キャラデータ");
    int last = g_LastSheetPage[1];
    if (last < 0 || last >= static_cast<int>(m_Pages.size())) last = 0;
    // the first page writes the record back on Apply and runs the closing
    // handler, so its window must exist whichever page the sheet opens on
    SetCurPage(0);
    SetCurPage(last);
}

void cCharaDataSheet::CopyToOtherPages(const cEdChara& record, int pageNo) {
    if (pageNo < 0 || pageNo > 3) return;
    for (int i = 0; i < 4; ++i)
        if (i != pageNo && m_pPages[i]) m_pPages[i]->m_Chara = record;
}

// What every opener does once the edit context is set.
static bool OpenSheet(cWnd* parent) {
    g_WndRegistry.EnableAll(false);
    cPropSheet** holder = CharaSheetHolder(g_StageEdit.g_EditTarget);
    SafeDelete(holder);
    cCharaDataSheet* sheet = new (std::nothrow) cCharaDataSheet(1, parent, &g_WndRegistry);
    if (!sheet) {
        OutOfMemory();
        return false;
    }
    *holder = sheet;
    sheet->Open();
    return true;
}

bool OpenCharaSheetForEntry(cWnd* parent, int palette, int index) {
    cVector<cEdChara>& entries = palette == 1 ? g_Stage.m_PalCharas : g_CommonPalette.m_Charas;
    if (index < 0 || index >= static_cast<int>(entries.size())) return false;
    g_StageEdit.g_EditSource[0] = palette == 1 ? 1 : 0;
    g_StageEdit.g_EditSource[1] = index;
    g_StageEdit.g_EditTarget = palette == 1 ? 1 : 2;
    if (g_StageEdit.m_BrushChara.empty()) g_StageEdit.m_BrushChara.push_back(entries[index]);
    g_StageEdit.m_BrushChara[0] = entries[index];
    g_StageEdit.g_EditOriginal.m_pChara = &entries[index];
    return OpenSheet(parent);
}

bool OpenCharaSheetForCell(cWnd* parent, cEdChara* record) {
    if (!record) return false;
    g_StageEdit.g_EditTarget = 0;
    g_StageEdit.g_EditOriginal.m_pChara = record;
    return OpenSheet(parent);
}

bool OpenCharaSheetForDefault(cWnd* parent, cEdChara* record) {
    if (!record) return false;
    g_StageEdit.g_EditTarget = 3;
    g_StageEdit.g_EditOriginal.m_pChara = record;
    return OpenSheet(parent);
}
