#include "objedit/cond_distance.h"

#include "model/cmd_tables.h"
#include "objedit/cond_distance_res.h"

cCondKindDlgDistance::cCondKindDlgDistance(int templateId, cDlg* parent, int kind, const cEditReq* req,
                                           cWndRegistry* registry, cCtrl* ownerCtrl, int centre)
    : cCondKindDlg(templateId, parent, kind, req, registry, ownerCtrl, centre) {
    if (IsNew()) m_Cond.m_nValue = 10;
    TableToList(&m_Axes, g_DistAxis);
    TableToList(&m_Ranges, g_DistRange);
    m_Combos.resize(2);
    m_Combos[0].m_Param.SetList(IDC_COND_DISTANCE_AXIS, &m_Cond.m_nAxis, &m_Axes, 0);
    m_Combos[1].m_Param.SetList(IDC_COND_DISTANCE_COMPARE, &m_Cond.m_nCompare, &m_Ranges, 0);
    m_Vals.resize(1);
    m_Vals[0].m_Param.Set(IDC_COND_DISTANCE_VALUE, &m_Cond.m_nValue, 0, 40, IDC_COND_DISTANCE_VALUE_SPIN, 1);
}

void cCondKindDlgDistance::OnInitDialog(WPARAM wp, LPARAM lp) {
    cCondKindDlg::OnInitDialog(wp, lp);
    AddCtrls(m_Combos);
    AddCtrls(m_Vals);
    DataToCtrls();
    UpdateCtrls();
    m_bInit = 1;
    m_bReady = 1;
}
