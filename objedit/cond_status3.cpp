#include "objedit/cond_status3.h"

#include "cmdedit/cmd_words.h"
#include "model/cmd_tables.h"
#include "objedit/cond_status3_res.h"

cCondKindDlgStatus3::cCondKindDlgStatus3(int templateId, cDlg* parent, int kind, const cEditReq* req,
                                         cWndRegistry* registry, cCtrl* ownerCtrl, int centre)
    : cCondKindDlg(templateId, parent, kind, req, registry, ownerCtrl, centre) {
    MakeSubjectList(&m_Subjects, 0);
    TableToList(&m_States, g_StateCondKind);
    TableToList(&m_ThenWords, g_CondThenWord);
    m_Combos.resize(3);
    m_Combos[0].m_Param.SetList(IDC_COND_STATUS3_WHO, &m_Cond.m_nWho, &m_Subjects, 0);
    m_Combos[1].m_Param.SetList(IDC_COND_STATUS3_ITEM, &m_Cond.m_nItem, &m_States, 0);
    m_Combos[2].m_Param.SetList(IDC_COND_STATUS3_COMPARE, &m_Cond.m_nCompare, &m_ThenWords, 0);
}

void cCondKindDlgStatus3::OnInitDialog(WPARAM wp, LPARAM lp) {
    cCondKindDlg::OnInitDialog(wp, lp);
    AddCtrls(m_Combos);
    DataToCtrls();
    UpdateCtrls();
    m_bInit = 1;
    m_bReady = 1;
}
