// The status operation page ("ステータスの操作"): a sentence of left side,
// calculation and right side. The left side is a status of the owner, the
// target or the system, or a common or stage variable; the right side a
// constant, a random range, a status or a variable. Its settings are the
// command's eighteen integer parameters.
#pragma once

#include <cstdint>

#include "base/containers.h"
#include "cmdedit/cmd_dlg.h"
#include "ui/ctrlbutton.h"
#include "ui/ctrlcheck.h"
#include "ui/ctrlcombo.h"
#include "ui/ctrleditval.h"

class cCmdDlgStatus : public cCmdDlg {
public:
    cCmdDlgStatus(int templateId, cDlg* parent, int kind, const cEditReq* req, cWndRegistry* registry,
                  cCtrl* ownerCtrl, int centre);
    ~cCmdDlgStatus() override;

    void OnInitDialog(WPARAM wp, LPARAM lp) override;
    void OnCommand(WPARAM wp, LPARAM lp) override;
    void UpdateCtrls() override;

    // The left variable combo and its rename button by the side kind, the
    // owner and the status item.
    void RefreshLeftVar();
    // The right variable combo and its rename button by the value source.
    void RefreshRightVar();
    // The ranges of the value edits and the percent choices by the left
    // status item.
    void RefreshLeftStatus();
    void RefreshRightStatus();

    // The status names of an owner (null for an owner outside the table)
    // and the variable names of a scope (empty outside the table).
    cVector<cString>* StatusList(int owner);
    cVector<cString>* VarList(int scope);
    int Combo(int index);

    cVector<cString> m_Sides;
    cVector<cString> m_Owners;
    cVector<cString> m_Scopes;
    cVector<cString> m_Calcs;
    cVector<cString> m_Sources;
    cVector<cString> m_PercentModes;
    cVector<cString> m_CharaStatus;  // g_CharaStatus names
    cVector<cString> m_SystemValues;  // g_SystemValue names
    cVector<cString> m_CommonVars;
    cVector<cString> m_StageVars;
    cVector<cString> m_CharaVars;
    cVector<cString> m_NoItems;  // the list of a value outside its choices
    cVector<cCtrlComboItem<int32_t>> m_Combos;
    cVector<cCtrlEditValItem<int32_t>> m_Values;
    cVector<cCtrlCheckItem<int32_t>> m_Checks;
    cVector<cCtrlButtonItem> m_Buttons;
    int m_nLastOwner = -1;  // the left owner the status refresh last saw
};

// The left status item that a status operation page last showed (-1 before
// the first); shared by every such page for the whole run.
extern int g_StatusOpLastItem;
