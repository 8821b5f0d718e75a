// The status condition (dialog 269 "ステータス条件"): a status of a subject
// or a variable on the left, compared with a constant, a random range, a
// status or a variable on the right, optionally as a percentage.
#pragma once

#include "objedit/cond_base.h"
#include "model/cmd_tables.h"
#include "ui/ctrlcheck.h"

class cCondKindDlgStatus : public cCondKindDlg {
public:
    cCondKindDlgStatus(int templateId, cDlg* parent, int kind, const cEditReq* req, cWndRegistry* registry,
                       cCtrl* ownerCtrl, int centre);

    void OnCommand(WPARAM wp, LPARAM lp) override;
    void OnInitDialog(WPARAM wp, LPARAM lp) override;
    void UpdateCtrls() override;

    // The range and the percent choice of the left item; a new item also
    // clamps the value edits into their ranges again.
    void OnLeftItemChanged();
    // The left (right) variable combo: the character variables, the common
    // or stage variables, or disabled, by the side's type and item.
    void RefreshLeftVar();
    void RefreshRightVar();

    cVector<cString> m_Subjects;
    cVector<cString> m_Items;
    cVector<cString> m_RightItems;
    cVector<cString> m_LeftVars;
    cVector<cString> m_RightVars;
    cVector<cString> m_LeftKinds;
    cVector<cString> m_Sources;
    cVector<cString> m_Scopes;
    cVector<cString> m_CompareNames;
    cVector<cCtrlComboItem<int8_t>> m_Combos;
    cVector<cCtrlComboItem<int16_t>> m_VarCombos;
    cVector<cCtrlEditValItem<int32_t>> m_Vals;
    cVector<cCtrlCheckItem<int8_t>> m_Checks;
    cVector<cCtrlButtonItem> m_Buttons;
    int m_nLastWho = 0;  // the subject UpdateCtrls last saw
};

// The status entry whose range and percent choice the status condition's
// value edits take for an item of a subject: the system's own entry for the
// system, else the character status; null outside the tables.
const cStatusEntry* CondStatusEntry(int who, int item);

// The last left item that any status condition dialog has seen (-1 before
// the first).
extern int g_CondStatusLastItem;
