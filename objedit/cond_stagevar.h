// The stage variable condition (dialog 197 "ステージ変数条件"): a variable of
// the current stage compared with a value. A rename is kept with the stage.
#pragma once

#include "objedit/cond_base.h"

class cCondKindDlgStageVar : public cCondVarDlg {
public:
    cCondKindDlgStageVar(int templateId, cDlg* parent, int kind, const cEditReq* req, cWndRegistry* registry,
                         cCtrl* ownerCtrl, int centre);
};
