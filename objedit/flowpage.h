// The flows page (dialog 201): the flows of a character, each its timing,
// basic conditions, key conditions and commands. It is the fourth page of
// the character sheet, or a modal dialog "フローデータ" on the flows an item
// command carries.
#pragma once

#include <cstdint>

#include "base/containers.h"
#include "cmdedit/cmd_summary.h"
#include "model/flow.h"
#include "objedit/charasheet.h"
#include "ui/ctrlbutton.h"
#include "ui/ctrlcheck.h"
#include "ui/ctrlcombo.h"
#include "ui/ctrleditval.h"
#include "ui/ctrllist.h"
#include "ui/ctrlpicture.h"
#include "ui/ctrlstatic.h"
#include "ui/dlghelpers.h"

class cCondSelectDlg;
class cKeyCondDlg;
class cCmdSelectDlg;

// Stands in for the command selection (dialog 205) when set: runs on the
// request's command (the page as parent, placed over the control, centred
// when centre is set); 1 when the command was stored, 0 when cancelled.
typedef int (*CmdDialogFn)(cDlg* owner, cEditReq* req, cCtrl* over, int centre);
extern CmdDialogFn g_RunCmdDialog;

class cFlowPage : public cCharaPage {
public:
    // kind 2: the character sheet's page on the edited character; kind 1:
    // the modal dialog on the flows g_NestedFlows points to.
    cFlowPage(int templateId, cDlg* parent, int kind, cWndRegistry* registry);
    ~cFlowPage() override;

    LRESULT MsgProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) override;
    void OnInitDialog(WPARAM wp, LPARAM lp) override;
    void OnCommand(WPARAM wp, LPARAM lp) override;
    void Draw() override;
    void BindRecord(const cEdChara& record) override;

    // A record gives the page its copy (a record without flows gains one
    // first); without one, the page takes the flows g_NestedFlows points to.
    void Load(cEdChara* record);
    // Steps to the previous (-1) or next (+1) palette entry.
    void Step(int step);
    // The timing's note, and the group only for flows that run always.
    void OnTimingChanged();
    void EnableByInherit();
    void RefreshInheritBox();

    cCtrlList<cEdFlow>& FlowList() { return m_FlowList[0].m_Ctrl; }
    cCtrlList<cEdCond>& CondList() { return m_CondList[0].m_Ctrl; }
    cCtrlList<cEdKeyCond>& KeyList() { return m_KeyList[0].m_Ctrl; }
    cCtrlList<cEdCommand>& CmdList() { return m_CmdList[0].m_Ctrl; }

    int m_bNested;
    cVector<cEdFlow> m_FlowWork;  // the flow list's working copy
    cEdFlow m_Flow;               // the selected flow (the edit buffer)
    cVector<cEdChara>* m_pPalette = nullptr;  // what ← / → step through
    CmdSummaryFunc m_Summary[kCmdKindCount];
    cCondSelectDlg* m_pCondDlg = nullptr;
    cKeyCondDlg* m_pKeyDlg = nullptr;
    cCmdSelectDlg* m_pCmdDlg = nullptr;

    cVector<cString> m_IdNames, m_GroupNames, m_JudgeNames, m_TimingNames;
    cVector<cCtrlListItem<cEdFlow>> m_FlowList;
    cVector<cCtrlListItem<cEdCond>> m_CondList;
    cVector<cCtrlListItem<cEdKeyCond>> m_KeyList;
    cVector<cCtrlListItem<cEdCommand>> m_CmdList;
    cVector<cCtrlComboItem<int8_t>> m_Combos;
    cVector<cCtrlCheckItem<int8_t>> m_Checks;
    cVector<cCtrlCheckItem<int8_t>> m_Inherit;
    cVector<cCtrlEditValItem<int8_t>> m_Vals;
    cVector<cCtrlButtonItem> m_Buttons;
    cVector<cCtrlStaticItem> m_Statics;
    cVector<cCtrlPictureItem> m_Pictures;
    cCtrlHandler<cFlowPage> m_Handlers[3];
    int m_bInit = 0;
    int m_bLoading = 0;  // set while the controls are being filled

private:
    void Params();
    void AttachLists(bool enter);
    void OnPrev() { Step(-1); }
    void OnNext() { Step(1); }
    // Every control but the flow list shows the edit buffer.
    void ShowFlow();
    // The edit buffer into the selected flow row.
    void StoreFlow();
    // The flows of the item operation "変更" carry the ID chosen for it:
    // the flow shown takes that ID, shown in the ID combo, disabled.
    void FixNestedFlowId();
    void InsertAndEdit(int list);
    void EditRecord(int list);
    void DeleteRecords(int list);
    void OnInheritClicked();
    void ShowNo();
    bool ListCommand(WPARAM wp);
    void Changed();
    // Runs the command selection on the request (see g_RunCmdDialog).
    int RunCmdDialog(cEditReq* req, int centre);
};

// The live flows page (null when none).
extern cFlowPage* g_FlowPage;
// The flows edited in the modal flows dialog, and the operation (0 "追加",
// 1 "変更", 2 "削除") and ID letter chosen where it was opened.
extern cVector<cEdFlow>* g_NestedFlows;
extern int g_NestedFlowOp;
extern int g_NestedFlowId;

// Row texts of the flows page's lists.
void FlowRowText(cString* out, int index, const cEdFlow* flow);
void CmdRowText(cString* out, int index, const cEdCommand* cmd);
