#include "objedit/cond_stagevar.h"

#include "objedit/cond_stagevar_res.h"

cCondKindDlgStageVar::cCondKindDlgStageVar(int templateId, cDlg* parent, int kind, const cEditReq* req,
                                           cWndRegistry* registry, cCtrl* ownerCtrl, int centre)
    : cCondVarDlg(templateId, parent, kind, req, registry, ownerCtrl, centre, kVarStage, IDC_COND_STAGEVAR_VAR) {}
