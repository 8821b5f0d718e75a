// The project options "プロジェクトオプション": the general page and the
// default inheritance page over g_PrjOption, saved to "data\PrjOption.dat"
// when applied.
#pragma once

#include "ui/propsheet.h"

class cDlg;
class cPrjOptionPageGeneral;
class cPrjOptionPageInherit;

class cPrjOptionSheet : public cPropSheet {
public:
    cPrjOptionSheet(int mode, cWnd* parent, cWndRegistry* registry);
    ~cPrjOptionSheet() override;

    void Open();
    // Both pages store their controls (twice), then g_PrjOption is saved.
    void Apply();

    cPrjOptionPageGeneral* m_pGeneral = nullptr;
    cPrjOptionPageInherit* m_pInherit = nullptr;
};

// The stage editor's command: hides and disables every registered window,
// replaces the held sheet by a new one over the parent and opens it.
void OpenPrjOptionSheet(cDlg* parent, cWndRegistry* registry);
