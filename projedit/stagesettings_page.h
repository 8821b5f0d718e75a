// What the pages of the stage settings sheet share: their controls are bound
// straight to the fields of g_Stage and store into them only when the sheet
// applies; a page that was never shown attached nothing and stores nothing.
// Every command enables the sheet's Apply button, a changed control and the
// page's activation run its update operation.
#pragma once

#include <cstdint>

#include "base/containers.h"
#include "ui/ctrlcheck.h"
#include "ui/ctrlcombo.h"
#include "ui/ctrleditstr.h"
#include "ui/ctrleditval.h"
#include "ui/ctrlstatic.h"
#include "ui/dlg.h"

class cStagePage : public cDlg {
public:
    cStagePage(int templateId, cDlg* parent, cWndRegistry* registry);
    ~cStagePage() override;

    void OnCommand(WPARAM wp, LPARAM lp) override;
    LRESULT MsgProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) override;
    void Draw() override {}
    void OnInitDialog(WPARAM wp, LPARAM lp) override;

    // Enables and disables controls from the states shown in the controls.
    virtual void UpdateCtrls() {}
    // Every bound control stores its value (nothing before the page was shown).
    virtual void Apply();

    // The state shown in a control of the page.
    bool IsChecked(int id) const;
    int ComboPos(int id) const;
    int EditInt(int id);

    // The bound controls, attached in this order when the page is made.
    cVector<cCtrlEditValItem<int32_t>> m_Vals;
    cVector<cCtrlEditValItem<double>> m_Reals;
    cVector<cCtrlEditStrItem> m_Strs;
    cVector<cCtrlComboItem<int32_t>> m_Combos;
    cVector<cCtrlCheckItem<int32_t>> m_Checks;
    cVector<cCtrlStaticItem> m_Labels;

protected:
    // Sends PSM_CHANGED to the sheet for this page.
    void MarkChanged();
    void AttachAll();
    void AddVal(int id, int32_t* data, int32_t min, int32_t max, int spinId);
    void AddReal(int id, double* data, double min, double max, int spinId, double step);
    void AddStr(int id, cString* data, int maxLength, int countChars);
    void AddCombo(int id, int32_t* data, const cString* table, int offset);
    void AddComboList(int id, int32_t* data, cVector<cString>* list);
    void AddCheck(int id, int32_t* data);
    void AddLabel(int id);
};
