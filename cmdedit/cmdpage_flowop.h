// The page of the flow operation command ("フローの操作"): what is done
// (start, end, pause, resume, delete, stop for good), to which flows, and
// the flow id when the flows are chosen by id. Its settings are the
// command's three integer parameters.
#pragma once

#include <cstdint>

#include "base/containers.h"
#include "cmdedit/cmd_dlg.h"
#include "ui/ctrlcombo.h"

class cCmdDlgFlowOp : public cCmdDlg {
public:
    cCmdDlgFlowOp(int templateId, cDlg* parent, int kind, const cEditReq* req, cWndRegistry* registry,
                  cCtrl* ownerCtrl, int centre);
    ~cCmdDlgFlowOp() override;

    void OnInitDialog(WPARAM wp, LPARAM lp) override;
    void UpdateCtrls() override;

    cVector<cString> m_Ops;
    cVector<cString> m_Targets;
    cVector<cString> m_Ids;
    cVector<cCtrlComboItem<int32_t>> m_Combos;
};
