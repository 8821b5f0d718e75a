// The system settings sheet "システムの設定": six pages over g_System, saved
// to "data\System.dat" when applied.
#pragma once

#include "ui/propsheet.h"

class cDlg;
class cSystemPage;

class cSystemSettingSheet : public cPropSheet {
public:
    // Registered with the registry, which deletes the sheet through the
    // stage editor's holder when it closes.
    cSystemSettingSheet(int owner, cWnd* parent, cWndRegistry* registry);
    ~cSystemSettingSheet() override;

    // Makes the six pages in tab order and the modeless sheet.
    void CreatePages();
    // Every page with a window stores its controls, then g_System is saved.
    // A failed save is told (by the first page's apply only) and gives false.
    bool Apply(cSystemPage* caller);

    cSystemPage* m_pPage[6] = {};
};

// The stage editor's command: hides and disables every registered window,
// replaces the held sheet by a new one over the parent and opens it.
void OpenSystemSheet(cDlg* parent, cWndRegistry* registry);
