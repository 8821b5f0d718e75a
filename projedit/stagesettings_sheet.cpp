#include "projedit/stagesettings_sheet.h"

#include <new>

#include "app/services.h"
#include "base/msgbox.h"
#include "projedit/stagesettings_advanced.h"
#include "projedit/stagesettings_advanced2.h"
#include "projedit/stagesettings_basic.h"
#include "projedit/stagesettings_res.h"
#include "ui/dlg.h"
#include "ui/dlghelpers.h"
#include "ui/registry.h"

cStageSettingSheet::cStageSettingSheet(cWnd* parent, cWndRegistry* registry) : cPropSheet(1, parent, registry) {
    m_lpRegKey = this;
    if (registry) registry->AddSheet(this, StageSheetHolder());
}

cStageSettingSheet::~cStageSettingSheet() {
    SafeDelete(&m_pBasic);
    SafeDelete(&m_pAdvanced);
    SafeDelete(&m_pAdvanced2);
}

void cStageSettingSheet::CreatePages() {
    cDlg* parent = dynamic_cast<cDlg*>(m_lpParent);
    m_pBasic = new (std::nothrow) cStagePageBasic(IDD_STAGE_BASIC, parent, kWndPage, &g_WndRegistry);
    m_pAdvanced = new (std::nothrow) cStagePageAdvanced(IDD_STAGE_ADVANCED, parent, kWndPage, &g_WndRegistry);
    m_pAdvanced2 = new (std::nothrow) cStagePageAdvanced2(IDD_STAGE_ADVANCED2, parent, kWndPage, &g_WndRegistry);
    if (!m_pBasic || !m_pAdvanced || !m_pAdvanced2) {
        OutOfMemory();
        return;
    }
    m_Pages.push_back(m_pBasic);
    m_Pages.push_back(m_pAdvanced);
    m_Pages.push_back(m_pAdvanced2);
    Create();
    if (m_hWnd) SetWindowTextA(m_hWnd, "ステージの設定");
}

void cStageSettingSheet::Apply() {
    for (int round = 0; round < 2; ++round) {
        if (m_pBasic) m_pBasic->Apply();
        if (m_pAdvanced) m_pAdvanced->Apply();
        if (m_pAdvanced2) m_pAdvanced2->Apply();
    }
}

cStageSettingSheet* HeldStageSettingSheet() {
    return static_cast<cStageSettingSheet*>(*StageSheetHolder());
}

void OpenStageSettingSheet(cDlg* parent, cWndRegistry* registry) {
    if (registry) {
        registry->ShowAll(false);
        registry->EnableAll(false);
    }
    cPropSheet** holder = StageSheetHolder();
    SafeDelete(holder);
    cStageSettingSheet* sheet = new (std::nothrow) cStageSettingSheet(parent, registry);
    if (!sheet) {
        OutOfMemory();
        return;
    }
    *holder = sheet;
    sheet->CreatePages();
}
