// The distance condition (dialog 219 "距離条件"): whether the target is within
// or outside a distance in half blocks along an axis or around a circle.
#pragma once

#include "objedit/cond_base.h"

class cCondKindDlgDistance : public cCondKindDlg {
public:
    cCondKindDlgDistance(int templateId, cDlg* parent, int kind, const cEditReq* req, cWndRegistry* registry,
                         cCtrl* ownerCtrl, int centre);

    void OnInitDialog(WPARAM wp, LPARAM lp) override;

    cVector<cString> m_Axes;
    cVector<cString> m_Ranges;
    cVector<cCtrlComboItem<int8_t>> m_Combos;
    cVector<cCtrlEditValItem<int32_t>> m_Vals;
};
