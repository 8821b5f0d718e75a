#include "projedit/systemsheet.h"

#include <new>

#include "app/services.h"
#include "base/msgbox.h"
#include "model/system.h"
#include "projedit/system_general.h"
#include "projedit/system_ini.h"
#include "projedit/system_mode.h"
#include "projedit/system_status.h"
#include "projedit/system_stock.h"
#include "projedit/system_text.h"
#include "ui/dlg.h"
#include "ui/dlghelpers.h"
#include "ui/registry.h"

cSystemSettingSheet::cSystemSettingSheet(int owner, cWnd* parent, cWndRegistry* registry)
    : cPropSheet(owner, parent, registry) {
    m_lpRegKey = this;
    if (registry) registry->AddSheet(this, SystemSheetHolder());
}

cSystemSettingSheet::~cSystemSettingSheet() {
    for (cSystemPage*& page : m_pPage) SafeDelete(&page);
}

void cSystemSettingSheet::CreatePages() {
    cDlg* parent = dynamic_cast<cDlg*>(m_lpParent);
    m_pPage[0] = new (std::nothrow) cSystemPageGeneral(parent, m_lpRegistry);
    m_pPage[1] = new (std::nothrow) cSystemPageMode(parent, m_lpRegistry);
    m_pPage[2] = new (std::nothrow) cSystemPageStock(parent, m_lpRegistry);
    m_pPage[3] = new (std::nothrow) cSystemPageStatus(parent, m_lpRegistry);
    m_pPage[4] = new (std::nothrow) cSystemPageText(parent, m_lpRegistry);
    m_pPage[5] = new (std::nothrow) cSystemPageIni(parent, m_lpRegistry);
    for (cSystemPage* page : m_pPage) {
        if (!page) {
            OutOfMemory();
            return;
        }
        m_Pages.push_back(page);
    }
    Create();
    if (m_hWnd) SetWindowTextA(m_hWnd, "システムの設定");
}

bool cSystemSettingSheet::Apply(cSystemPage* caller) {
    for (cSystemPage* page : m_pPage)
        if (page && page->m_hWnd) page->Commit();
    if (g_System.Save(g_SystemPath.c_str())) return true;
    cSystemPage* teller = nullptr;
    for (cSystemPage* page : m_pPage) {
        if (page && page->m_hWnd && page->m_bApplyPage) {
            teller = page;
            break;
        }
    }
    if (caller == teller) ErrorBoxF("%s の保存に失敗！", g_SystemPath.c_str());
    return false;
}

void OpenSystemSheet(cDlg* parent, cWndRegistry* registry) {
    if (registry) {
        registry->ShowAll(false);
        registry->EnableAll(false);
    }
    cPropSheet** holder = SystemSheetHolder();
    SafeDelete(holder);
    cSystemSettingSheet* sheet = new (std::nothrow) cSystemSettingSheet(1, parent, registry);
    if (!sheet) {
        OutOfMemory();
        return;
    }
    *holder = sheet;
    sheet->CreatePages();
}
