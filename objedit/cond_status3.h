// The third status condition (dialog 275 "ステータス条件3"): whether a
// subject is in a state (facing left or right, standing on a block, on the
// screen).
#pragma once

#include "objedit/cond_base.h"

class cCondKindDlgStatus3 : public cCondKindDlg {
public:
    cCondKindDlgStatus3(int templateId, cDlg* parent, int kind, const cEditReq* req, cWndRegistry* registry,
                        cCtrl* ownerCtrl, int centre);

    void OnInitDialog(WPARAM wp, LPARAM lp) override;

    cVector<cString> m_Subjects;
    cVector<cString> m_States;
    cVector<cString> m_ThenWords;
    cVector<cCtrlComboItem<int8_t>> m_Combos;
};
