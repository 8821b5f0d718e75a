#include "projedit/prjoptionsheet.h"

#include <new>

#include "app/services.h"
#include "base/msgbox.h"
#include "model/prjoption.h"
#include "projedit/prjoption_general.h"
#include "projedit/prjoption_inherit.h"
#include "ui/dlg.h"
#include "ui/dlghelpers.h"
#include "ui/registry.h"

cPrjOptionSheet::cPrjOptionSheet(int mode, cWnd* parent, cWndRegistry* registry) : cPropSheet(mode, parent, registry) {
    m_lpRegKey = this;
    if (registry) registry->AddSheet(this, PrjOptionSheetHolder());
}

cPrjOptionSheet::~cPrjOptionSheet() {
    SafeDelete(&m_pGeneral);
    SafeDelete(&m_pInherit);
}

void cPrjOptionSheet::Open() {
    cDlg* parent = dynamic_cast<cDlg*>(m_lpParent);
    m_pGeneral = new (std::nothrow) cPrjOptionPageGeneral(parent, m_lpRegistry);
    m_pInherit = new (std::nothrow) cPrjOptionPageInherit(parent, m_lpRegistry);
    if (!m_pGeneral || !m_pInherit) {
        OutOfMemory();
        return;
    }
    m_Pages.push_back(m_pGeneral);
    m_Pages.push_back(m_pInherit);
    Create();
    if (m_hWnd) SetWindowTextA(m_hWnd, "プロジェクトオプション");
}

void cPrjOptionSheet::Apply() {
    for (int pass = 0; pass < 2; ++pass) {
        if (m_pGeneral) m_pGeneral->CtrlsToData();
        if (m_pInherit) m_pInherit->CtrlsToData();
    }
    g_PrjOption.Save(g_PrjOptionPath.c_str());
}

void OpenPrjOptionSheet(cDlg* parent, cWndRegistry* registry) {
    if (registry) {
        registry->ShowAll(false);
        registry->EnableAll(false);
    }
    cPropSheet** holder = PrjOptionSheetHolder();
    SafeDelete(holder);
    cPrjOptionSheet* sheet = new (std::nothrow) cPrjOptionSheet(1, parent, registry);
    if (!sheet) {
        OutOfMemory();
        return;
    }
    *holder = sheet;
    sheet->Open();
}
