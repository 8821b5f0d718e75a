// The common variable condition (dialog 196 "コモン変数条件"): a common
// variable compared with a value. Renaming the variable writes the common
// variable names to their file at once.
#pragma once

#include "objedit/cond_base.h"

class cCondKindDlgCommonVar : public cCondVarDlg {
public:
    cCondKindDlgCommonVar(int templateId, cDlg* parent, int kind, const cEditReq* req, cWndRegistry* registry,
                          cCtrl* ownerCtrl, int centre);
};
