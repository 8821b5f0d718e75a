// The flow change dialog of item effect commands ("フローの変更", dialog
// 217): whether the command adds, changes or deletes flows, the ID of the
// flows it deletes, and the button "フローの設定" that edits the flows the
// command carries in the flows page. The flows page belongs to the object
// editors, which hand its opener in through g_RunNestedFlows.
#pragma once

#include <cstdint>

#include "base/containers.h"
#include "cmdedit/cmd_dlg.h"
#include "ui/ctrlbutton.h"
#include "ui/ctrlcombo.h"

// "追加", "変更", "削除"; "全て削除", "A" .. "Z"; each ended by "".
extern const cString g_ItemFlowOpName[];
extern const cString g_ItemFlowIdName[];

// Runs the flows page modal over the flows, with the operation and ID
// chosen in the dialog, built into *holder; 1 after its OK.
typedef int (*NestedFlowsFn)(cDlg* owner, cDlg** holder, cVector<cEdFlow>* flows, int op, int id);
extern NestedFlowsFn g_RunNestedFlows;

class cCmdDlgItemFlowOp : public cCmdDlg {
public:
    cCmdDlgItemFlowOp(int templateId, cDlg* parent, int kind, const cEditReq* req, cWndRegistry* registry,
                      cCtrl* ownerCtrl, int centre);
    ~cCmdDlgItemFlowOp() override;

    void OnInitDialog(WPARAM wp, LPARAM lp) override;
    void OnCommand(WPARAM wp, LPARAM lp) override;
    // "追加" disables the ID, "削除" the flows button, "変更" neither.
    void UpdateCtrls() override;
    // Edits the command's flows in the nested flows page.
    void OpenFlows();

    cVector<cCtrlComboItem<int32_t>> m_Combos;
    cVector<cCtrlButtonItem> m_Buttons;
    cDlg* m_pFlowPage = nullptr;  // the nested flows page while it runs
};
