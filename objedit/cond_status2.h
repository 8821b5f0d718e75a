// The second status condition (dialog 274 "ステータス条件2"): a state flag of
// a character ("透明", "飛行", "巨大化", ...) or a scroll mode of the system
// compared with one of its choices.
#pragma once

#include "objedit/cond_base.h"
#include "model/cmd_tables.h"

class cCondKindDlgStatus2 : public cCondKindDlg {
public:
    cCondKindDlgStatus2(int templateId, cDlg* parent, int kind, const cEditReq* req, cWndRegistry* registry,
                        cCtrl* ownerCtrl, int centre);

    void OnCommand(WPARAM wp, LPARAM lp) override;
    void OnInitDialog(WPARAM wp, LPARAM lp) override;
    void UpdateCtrls() override;

    // The choices of the chosen flag or scroll item into the choice combo,
    // numbered from the item's first value; the stored value stays chosen
    // where the item has it.
    void RefreshChoices();
    // The entry of the chosen item (a state flag, or a scroll item for the
    // system); null for none.
    const cStateEntry* Chosen() const;

    cVector<cString> m_Subjects;
    cVector<cString> m_Items;
    cVector<cString> m_Choices;
    cVector<cString> m_CompareNames;
    cVector<cCtrlComboItem<int8_t>> m_Combos;
    cVector<cCtrlComboItem<int16_t>> m_ChoiceCombo;
};
