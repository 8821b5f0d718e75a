// The character variable condition (dialog 218 "キャラ変数条件"): one of the
// eight character variables compared with a value.
#pragma once

#include "objedit/cond_base.h"

class cCondKindDlgCharaVar : public cCondKindDlg {
public:
    cCondKindDlgCharaVar(int templateId, cDlg* parent, int kind, const cEditReq* req, cWndRegistry* registry,
                         cCtrl* ownerCtrl, int centre);

    void OnCommand(WPARAM wp, LPARAM lp) override;
    void OnInitDialog(WPARAM wp, LPARAM lp) override;

    cVector<cString> m_VarNames;
    cVector<cString> m_CompareNames;
    cVector<cCtrlComboItem<int16_t>> m_Vars;
    cVector<cCtrlComboItem<int8_t>> m_Combos;
    cVector<cCtrlEditValItem<int32_t>> m_Vals;
};
