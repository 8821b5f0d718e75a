#include "objedit/cond_charavar.h"

#include "cmdedit/cmd_words.h"
#include "objedit/cond_charavar_res.h"

cCondKindDlgCharaVar::cCondKindDlgCharaVar(int templateId, cDlg* parent, int kind, const cEditReq* req,
                                           cWndRegistry* registry, cCtrl* ownerCtrl, int centre)
    : cCondKindDlg(templateId, parent, kind, req, registry, ownerCtrl, centre) {
    if (IsNew()) m_Cond.m_nVar = 1;
    MakeCharaVarNameList(&m_VarNames);
    TableToList(&m_CompareNames, g_CompareWord);
    m_Vars.resize(1);
    m_Vars[0].m_Param.SetList(IDC_COND_CHARAVAR_VAR, &m_Cond.m_nVar, &m_VarNames, 1);
    m_Combos.resize(1);
    m_Combos[0].m_Param.SetList(IDC_COND_CHARAVAR_COMPARE, &m_Cond.m_nCompare, &m_CompareNames, 0);
    m_Vals.resize(1);
    m_Vals[0].m_Param.Set(IDC_COND_CHARAVAR_VALUE, &m_Cond.m_nValue, -999999, 999999, IDC_COND_CHARAVAR_VALUE_SPIN,
                          1);
}

void cCondKindDlgCharaVar::OnInitDialog(WPARAM wp, LPARAM lp) {
    cCondKindDlg::OnInitDialog(wp, lp);
    AddCtrls(m_Vars);
    AddCtrls(m_Combos);
    AddCtrls(m_Vals);
    DataToCtrls();
    UpdateCtrls();
    m_bInit = 1;
    m_bReady = 1;
}

// Nothing here depends on another control: OK and cancel only.
void cCondKindDlgCharaVar::OnCommand(WPARAM wp, LPARAM lp) {
    cDlg::OnCommand(wp, lp);
    switch (LOWORD(wp)) {
        case kIdOk:
            CtrlsToData();
            if (Record()) *Record() = m_Cond;
            Close(1);
            break;
        case kIdCancel:
            Close(0);
            break;
    }
}
