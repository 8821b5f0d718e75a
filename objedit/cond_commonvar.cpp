#include "objedit/cond_commonvar.h"

#include "objedit/cond_commonvar_res.h"

cCondKindDlgCommonVar::cCondKindDlgCommonVar(int templateId, cDlg* parent, int kind, const cEditReq* req,
                                             cWndRegistry* registry, cCtrl* ownerCtrl, int centre)
    : cCondVarDlg(templateId, parent, kind, req, registry, ownerCtrl, centre, kVarCommon, IDC_COND_COMMONVAR_VAR) {}
