// What the six pages of the system settings sheet share: their controls are
// bound straight to the fields of g_System and store into them only when the
// sheet applies; every handled command enables the sheet's Apply button, a
// changed control and the page's activation run its update operation, and
// the drawing operation follows every handled message.
#pragma once

#include <cstdint>

#include "base/containers.h"
#include "ui/ctrlcheck.h"
#include "ui/ctrlcombo.h"
#include "ui/ctrleditstr.h"
#include "ui/ctrleditval.h"
#include "ui/dlg.h"

class cSystemPage : public cDlg {
public:
    // applyPage: the page runs the sheet's apply and the closing handler
    // (pages 1 and 2).
    cSystemPage(int templateId, cDlg* parent, cWndRegistry* registry, int applyPage);
    ~cSystemPage() override;

    void OnCommand(WPARAM wp, LPARAM lp) override;
    LRESULT MsgProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) override;
    void OnInitDialog(WPARAM wp, LPARAM lp) override;

    virtual void UpdateCtrls() {}
    // Commands of the page's own buttons, after the common routing.
    virtual void OnPageCommand(int /*id*/, int /*code*/) {}
    // Every bound control stores its value into g_System.
    void Commit() { CtrlsToData(); }
    bool IsChecked(int id) const;

    int m_bApplyPage;
    // The bound controls, attached in this order when the page is made.
    cVector<cCtrlEditStrItem> m_Strs;
    cVector<cCtrlEditValItem<int32_t>> m_Vals;
    cVector<cCtrlEditValItem<uint8_t>> m_Vals8;
    cVector<cCtrlComboItem<int32_t>> m_Combos;
    cVector<cCtrlCheckItem<int32_t>> m_Checks;
    cVector<cCtrlCheckItem<uint8_t>> m_Checks8;

protected:
    void AddStr(int id, cString* data, int maxLength, int countChars);
    void AddVal(int id, int32_t* data, int32_t min, int32_t max, int spinId);
    void AddVal8(int id, uint8_t* data, int spinId);
    void AddCombo(int id, int32_t* data, cVector<cString>* list);
    void AddCheck(int id, int32_t* data);
    void AddCheck8(int id, uint8_t* data);
};
