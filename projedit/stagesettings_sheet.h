// The stage settings sheet "ステージの設定": the basic page and the two
// advanced pages over the fields of g_Stage, stored when the sheet applies.
#pragma once

#include "ui/propsheet.h"

class cDlg;
class cStagePageBasic;
class cStagePageAdvanced;
class cStagePageAdvanced2;

class cStageSettingSheet : public cPropSheet {
public:
    // Registered with the registry, which deletes the sheet through the
    // stage editor's holder when it closes.
    cStageSettingSheet(cWnd* parent, cWndRegistry* registry);
    ~cStageSettingSheet() override;

    // Makes the three pages in tab order and the modeless sheet.
    void CreatePages();
    // Each page stores its controls (the basic page resizing the stage);
    // the whole round runs twice.
    void Apply();

    cStagePageBasic* m_pBasic = nullptr;
    cStagePageAdvanced* m_pAdvanced = nullptr;
    cStagePageAdvanced2* m_pAdvanced2 = nullptr;
};

// The sheet the stage editor holds, or null.
cStageSettingSheet* HeldStageSettingSheet();

// The stage editor's command: hides and disables every registered window,
// replaces the held sheet by a new one over the parent and opens it.
void OpenStageSettingSheet(cDlg* parent, cWndRegistry* registry);
