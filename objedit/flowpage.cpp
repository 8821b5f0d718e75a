#include "objedit/flowpage.h"

#include <prsht.h>

#include "app/services.h"
#include "base/msgbox.h"
#include "cmdedit/cmd_words.h"
#include "cmdedit/cmdselect_dlg.h"
#include "cmdedit/cmdselect_dlg_res.h"
#include "listctrl/listctrl_res.h"
#include "model/cmd_tables.h"
#include "objedit/blockpage.h"
#include "objedit/charapage_basic.h"
#include "objedit/cond_base.h"
#include "objedit/cond_select.h"
#include "objedit/cond_select_res.h"
#include "objedit/defedit.h"
#include "objedit/flowpage_res.h"
#include "objedit/keycond.h"
#include "objedit/keycond_res.h"
#include "objedit/obj_lists.h"
#include "res/command_ids.h"

cFlowPage* g_FlowPage = nullptr;
cVector<cEdFlow>* g_NestedFlows = nullptr;
int g_NestedFlowOp = 0;
int g_NestedFlowId = 0;
CmdDialogFn g_RunCmdDialog = nullptr;

namespace {

const int kFlowInherit = 36;  // the flow group's inheritance flag
enum { kListConds, kListKeys, kListCmds };
enum { kComboId, kComboGroup, kComboJudge, kComboTiming };

// The controls that the inheritance box greys out while it is checked.
const int kInheritCtrls[] = {IDC_FP_FLOW_INSERT, IDC_FP_FLOW_DELETE, IDC_FP_FLOWS,      IDC_FP_TIMING,
                             IDC_FP_GROUP,       IDC_FP_ID,          IDC_FP_TESTONLY,   IDC_FP_COND_INSERT,
                             IDC_FP_COND_EDIT,   IDC_FP_COND_DELETE, IDC_FP_CONDS,      IDC_FP_JUDGE,
                             IDC_FP_LATCH,       IDC_FP_KEY_INSERT,  IDC_FP_KEY_EDIT,   IDC_FP_KEY_DELETE,
                             IDC_FP_KEYS,        IDC_FP_INPUT_EASE,  IDC_FP_REPEAT,     IDC_FP_CMD_INSERT,
                             IDC_FP_CMD_EDIT,    IDC_FP_CMD_DELETE,  IDC_FP_CMDS};

// The controls bound to the selected flow, lists aside.
const int kFlowCtrls[] = {IDC_FP_ID, IDC_FP_GROUP, IDC_FP_JUDGE, IDC_FP_TIMING, IDC_FP_TESTONLY,
                          IDC_FP_LATCH, IDC_FP_REPEAT, IDC_FP_INPUT_EASE};

}  // namespace

void FlowRowText(cString* out, int, const cEdFlow* flow) {
    out->clear();
    if (!flow) return;
    out->Format("×%d %s %s", static_cast<int>(flow->m_Commands.size()), TableWord(g_FlowGroupName, flow->m_nGroup),
                TableWord(g_FlowIdName, flow->m_nId));
}

void CmdRowText(cString* out, int, const cEdCommand* cmd) {
    out->clear();
    if (!cmd) return;
    cFlowPage* page = nullptr;
    if (cCharaDataSheet* sheet = OpenedCharaSheet()) page = dynamic_cast<cFlowPage*>(sheet->m_pPages[3]);
    if (!page) page = g_FlowPage;
    if (!page) return;
    CmdSummaryRow(*out, *cmd, page->m_Summary, kCmdKindCount);
}

cFlowPage::cFlowPage(int templateId, cDlg* parent, int kind, cWndRegistry* registry)
    : cCharaPage(templateId, parent, kind, registry, 3), m_bNested(kind == kWndDialog ? 1 : 0) {
    FillCmdSummary(m_Summary);
    m_Handlers[0].Set(kCtrlButton, IDC_FP_PREV, &cFlowPage::OnPrev);
    m_Handlers[1].Set(kCtrlButton, IDC_FP_NEXT, &cFlowPage::OnNext);
    m_Handlers[2].Set(kCtrlCombo, IDC_FP_TIMING, &cFlowPage::OnTimingChanged);
    TableToList(&m_IdNames, g_FlowIdName);
    TableToList(&m_GroupNames, g_FlowGroupName);
    TableToList(&m_JudgeNames, g_CondJudge);
    TableToList(&m_TimingNames, g_FlowTiming);
    m_FlowList.resize(1);
    m_CondList.resize(1);
    m_KeyList.resize(1);
    m_CmdList.resize(1);
    m_Combos.resize(4);
    m_Checks.resize(3);
    m_Inherit.resize(1);
    m_Vals.resize(1);
    const int buttons[] = {IDC_FP_FLOW_INSERT, IDC_FP_FLOW_DELETE, IDC_FP_COND_INSERT, IDC_FP_COND_EDIT,
                           IDC_FP_COND_DELETE, IDC_FP_KEY_INSERT,  IDC_FP_KEY_EDIT,    IDC_FP_KEY_DELETE,
                           IDC_FP_CMD_INSERT,  IDC_FP_CMD_EDIT,    IDC_FP_CMD_DELETE,  IDC_FP_PREV,
                           IDC_FP_NEXT,        IDC_FP_TEST,        kIdOk,              kIdCancel};
    m_Buttons.resize(sizeof buttons / sizeof buttons[0]);
    for (int i = 0; i < static_cast<int>(m_Buttons.size()); ++i) m_Buttons[i].m_Param.Set(buttons[i]);
    m_Statics.resize(2);
    m_Statics[0].m_Param.Set(IDC_FP_NO);
    m_Statics[1].m_Param.Set(IDC_FP_NOTE);
    m_Pictures.resize(1);
    m_Pictures[0].m_Param.Set(IDC_FP_PICTURE, 32, 32);

    if (m_bNested) {
        Load(nullptr);
    } else {
        if (cCharaDataSheet* sheet = dynamic_cast<cCharaDataSheet*>(g_StageEdit.g_CharaSheet))
            if (sheet->m_pBasic) m_pPalette = &sheet->m_pBasic->m_PalWork;
        Load(g_StageEdit.g_EditOriginal.m_pChara);
    }
}

cFlowPage::~cFlowPage() {
    DestroyModeless();
    SafeDelete(&m_pCondDlg);
    SafeDelete(&m_pKeyDlg);
    SafeDelete(&m_pCmdDlg);
    if (g_FlowPage == this) g_FlowPage = nullptr;
    if (g_CharaFlowCmdList == &CmdList()) g_CharaFlowCmdList = nullptr;
    if (g_NestedFlowCmdList == &CmdList()) g_NestedFlowCmdList = nullptr;
}

void cFlowPage::Load(cEdChara* record) {
    if (record) {
        if (record->m_Flows.empty()) {
            cEdFlow flow;
            record->m_Flows.push_back(flow);
        }
        if (record != &m_Chara) m_Chara = *record;
    } else if (g_NestedFlows) {
        m_Chara.m_Flows = *g_NestedFlows;
    }
    if (static_cast<int>(m_Chara.m_bbInherit.size()) < kCharaInheritCount)
        m_Chara.m_bbInherit.resize(kCharaInheritCount, 0);
    Params();
    if (m_hWnd) AttachLists(false);
}

void cFlowPage::BindRecord(const cEdChara& record) {
    if (&record != &m_Chara) m_Chara = record;
    Load(&m_Chara);
}

void cFlowPage::Params() {
    cEdFlow& f = m_Flow;
    DeclareFlowList(m_FlowList[0].m_Param, &m_Chara.m_Flows, &m_FlowWork, &m_Flow);
    DeclareFlowCondList(m_CondList[0].m_Param, &f.m_Conds, CondRowText);
    DeclareKeyCondList(m_KeyList[0].m_Param, &f.m_KeyConds);
    DeclareFlowCmdList(m_CmdList[0].m_Param, &f.m_Commands, CmdRowText);
    m_Combos[kComboId].m_Param.SetList(IDC_FP_ID, &f.m_nId, &m_IdNames, 0);
    m_Combos[kComboGroup].m_Param.SetList(IDC_FP_GROUP, &f.m_nGroup, &m_GroupNames, 0);
    m_Combos[kComboJudge].m_Param.SetList(IDC_FP_JUDGE, &f.m_nJudge, &m_JudgeNames, 0);
    m_Combos[kComboTiming].m_Param.SetList(IDC_FP_TIMING, &f.m_nTiming, &m_TimingNames, 0);
    m_Checks[0].m_Param.Set(IDC_FP_TESTONLY, &f.m_bTestOnly);
    m_Checks[1].m_Param.Set(IDC_FP_LATCH, &f.m_bLatch);
    m_Checks[2].m_Param.Set(IDC_FP_REPEAT, &f.m_bRepeat);
    m_Inherit[0].m_Param.Set(IDC_FP_INHERIT, &m_Chara.m_bbInherit[kFlowInherit]);
    m_Vals[0].m_Param.Set(IDC_FP_INPUT_EASE, &f.m_nInputEase, 0, 10, IDC_FP_INPUT_EASE_SPIN, 1);
}

void cFlowPage::AttachLists(bool enter) {
    if (enter) {
        AddCtrl(m_FlowList[0]);
        AddCtrl(m_CondList[0]);
        AddCtrl(m_KeyList[0]);
        AddCtrl(m_CmdList[0]);
        AddCtrls(m_Combos);
        AddCtrls(m_Checks);
        AddCtrls(m_Inherit);
        AddCtrls(m_Vals);
    } else {
        AttachCtrl(m_FlowList[0]);
        AttachCtrl(m_CondList[0]);
        AttachCtrl(m_KeyList[0]);
        AttachCtrl(m_CmdList[0]);
        AttachCtrls(m_Inherit);
    }
}

void cFlowPage::OnInitDialog(WPARAM wp, LPARAM lp) {
    cDlg::OnInitDialog(wp, lp);
    g_FlowPage = this;
    (m_bNested ? g_NestedFlowCmdList : g_CharaFlowCmdList) = &CmdList();
    if (m_bNested) SetWindowTextA(m_hWnd, "フローデータ");
    ShowWindow(GetDlgItem(m_hWnd, IDC_FP_CANVAS), SW_HIDE);
    m_bLoading = 1;
    AttachLists(true);
    AddCtrls(m_Buttons);
    AddCtrls(m_Statics);
    AddCtrls(m_Pictures);
    FlowList().SetKeys(IDA_LIST_INS_1, IDM_LIST_INS_1, 1, 1);
    CondList().SetAccelWithIds(IDA_LIST_INS_2, ID_ACC2_CUT, ID_ACC2_COPY, ID_ACC2_PASTE, 0, 0, 0, ID_ACC2_DELETE);
    CondList().SetPopupWithIds(IDM_LIST_INS_2, ID_POP2_CUT, ID_POP2_COPY, ID_POP2_PASTE, 0, 0, 0, ID_POP2_DELETE);
    KeyList().SetAccelWithIds(IDA_LIST_INS_3, ID_ACC3_CUT, ID_ACC3_COPY, ID_ACC3_PASTE, 0, 0, 0, ID_ACC3_DELETE);
    KeyList().SetPopupWithIds(IDM_LIST_INS_3, ID_POP3_CUT, ID_POP3_COPY, ID_POP3_PASTE, 0, 0, 0, ID_POP3_DELETE);
    CmdList().SetAccelWithIds(IDA_LIST_INS_4, ID_ACC4_CUT, ID_ACC4_COPY, ID_ACC4_PASTE, 0, 0, 0, ID_ACC4_DELETE);
    CmdList().SetPopupWithIds(IDM_LIST_INS_4, ID_POP4_CUT, ID_POP4_COPY, ID_POP4_PASTE, 0, 0, 0, ID_POP4_DELETE);
    FlowList().m_Clip = g_StageEdit.m_Flows;
    CondList().m_Clip = g_StageEdit.m_Conds2;
    KeyList().m_Clip = g_StageEdit.m_KeyConds;
    CmdList().m_Clip = g_StageEdit.m_Commands;

    const int places[3] = {IDC_FP_NO, IDC_FP_PREV, IDC_FP_NEXT};
    if (!m_bNested) {
        ShowWindow(GetDlgItem(m_hWnd, kIdOk), SW_HIDE);
        ShowWindow(GetDlgItem(m_hWnd, kIdCancel), SW_HIDE);
        if (DefEditsPaletteEntry())
            ShowNo();
        else
            for (int id : places) ShowWindow(GetDlgItem(m_hWnd, id), SW_HIDE);
    } else {
        for (int id : places) ShowWindow(GetDlgItem(m_hWnd, id), SW_HIDE);
        ShowWindow(GetDlgItem(m_hWnd, IDC_FP_PICTURE), SW_HIDE);
        ShowWindow(GetDlgItem(m_hWnd, IDC_FP_INHERIT), SW_HIDE);
    }
    DataToCtrls();
    FlowList().SetCurSel(0, 1);
    CondList().SetCurSel(0, 1);
    KeyList().SetCurSel(0, 1);
    CmdList().SetCurSel(0, 1);
    m_bLoading = 0;
    ShowFlow();
    EnableByInherit();
    RefreshInheritBox();
    m_bInit = 1;
    m_bReady = 1;
}

void cFlowPage::ShowNo() { ShowEditedNo(&m_Statics[0].m_Ctrl); }

void cFlowPage::ShowFlow() {
    m_bLoading = 1;
    DataToCtrlsExcept(&FlowList());
    m_bLoading = 0;
    FixNestedFlowId();
    OnTimingChanged();
}

void cFlowPage::FixNestedFlowId() {
    if (!m_bNested || g_NestedFlowOp != 1 || !m_hWnd) return;
    const int8_t id = static_cast<int8_t>(g_NestedFlowId);
    m_Combos[kComboId].m_Ctrl.SetCurData(id);
    EnableWindow(GetDlgItem(m_hWnd, IDC_FP_ID), FALSE);
    // what the combo shows is what the flow keeps: the OK stores the flow
    // vector, not the combo
    if (m_Flow.m_nId == id) return;
    m_Flow.m_nId = id;
    FlowList().ApplyEdit();
}

void cFlowPage::StoreFlow() {
    for (auto& c : m_Combos) c.m_Ctrl.CtrlToData();
    for (auto& c : m_Checks) c.m_Ctrl.CtrlToData();
    for (auto& v : m_Vals) v.m_Ctrl.CtrlToData();
    // a flow that runs only when another flow starts it has no group
    if (m_Flow.m_nTiming != 0) m_Flow.m_nGroup = 0;
    FlowList().ApplyEdit();
}

void cFlowPage::OnTimingChanged() {
    if (!m_hWnd) return;
    const int timing = m_Combos[kComboTiming].m_Ctrl.GetCurData();
    const char* note = " ";
    if (timing == 3) note = "※実行時間0の並列実行コマンド（P-0）のみ実行可";
    if (timing == 18) note = "※移動・アクション系以外の並列実行コマンド（P-）のみ実行可";
    SetDlgItemTextA(m_hWnd, IDC_FP_NOTE, note);
    if (IsDlgButtonChecked(m_hWnd, IDC_FP_INHERIT) == BST_CHECKED) return;
    if (timing == 0) {
        EnableWindow(GetDlgItem(m_hWnd, IDC_FP_GROUP), TRUE);
    } else {
        m_Combos[kComboGroup].m_Ctrl.SetCurData(0);
        EnableWindow(GetDlgItem(m_hWnd, IDC_FP_GROUP), FALSE);
    }
}

void cFlowPage::EnableByInherit() {
    const BOOL on = IsDlgButtonChecked(m_hWnd, IDC_FP_INHERIT) == BST_CHECKED ? FALSE : TRUE;
    for (int id : kInheritCtrls) EnableWindow(GetDlgItem(m_hWnd, id), on);
    EnableWindow(GetDlgItem(m_hWnd, IDC_FP_INPUT_EASE_SPIN), on);
    if (on && m_bNested && g_NestedFlowOp == 1) EnableWindow(GetDlgItem(m_hWnd, IDC_FP_ID), FALSE);
}

void cFlowPage::RefreshInheritBox() {
    const int source = m_Chara.m_InheritKind;
    EnableWindow(GetDlgItem(m_hWnd, IDC_FP_INHERIT), source == 1 || source == 2);
    OnTimingChanged();
}

void cFlowPage::OnInheritClicked() {
    const bool on = IsDlgButtonChecked(m_hWnd, IDC_FP_INHERIT) == BST_CHECKED;
    m_Chara.m_bbInherit[kFlowInherit] = on ? 1 : 0;
    if (on) {
        CtrlsToData();
        m_Chara.ApplyInherit();
        Load(&m_Chara);
        m_bLoading = 1;
        DataToCtrls();
        m_bLoading = 0;
        ShowFlow();
        Draw();
    }
    EnableByInherit();
    RefreshInheritBox();
}

void cFlowPage::Step(int step) {
    if (!m_bInit || !DefEditsPaletteEntry() || !m_pPalette || !CanStepPaletteEntry(*m_pPalette)) return;
    CtrlsToData();
    Load(&StepPaletteEntry(*m_pPalette, m_Chara, step, &g_StageEdit.g_EditOriginal.m_pChara));
    m_bLoading = 1;
    DataToCtrls();
    FlowList().ResetSel(0, 1);
    CondList().ResetSel(0, 1);
    KeyList().ResetSel(0, 1);
    CmdList().ResetSel(0, 1);
    m_bLoading = 0;
    ShowNo();
    ShowFlow();
    EnableByInherit();
    RefreshInheritBox();
    Draw();
}

void cFlowPage::InsertAndEdit(int which) {
    cEditReq req;
    req.m_bNew = 1;
    int result = 0;
    switch (which) {
        case kListConds: {
            cCtrlList<cEdCond>& list = CondList();
            req.m_bDistance = 1;
            if (!list.Insert()) return;
            req.m_pRecord = &m_Flow.m_Conds[list.GetSelData()];
            result = list.Edit(&m_pCondDlg, IDD_COND_SELECT, &req, &g_WndRegistry, kEditWndKeep, 1, nullptr);
            if (result)
                list.SelectNext(1);
            else
                list.Delete(list.m_nCurSel, true);
            break;
        }
        case kListKeys: {
            cCtrlList<cEdKeyCond>& list = KeyList();
            if (!list.Insert()) return;
            req.m_pRecord = &m_Flow.m_KeyConds[list.GetSelData()];
            result = list.Edit(&m_pKeyDlg, IDD_KEYCOND, &req, &g_WndRegistry, kEditWndKeep, 1, nullptr);
            if (result)
                list.SelectNext(1);
            else
                list.Delete(list.m_nCurSel, true);
            break;
        }
        case kListCmds: {
            cCtrlList<cEdCommand>& list = CmdList();
            if (list.GetCurSel() == -1) return;
            if (!list.Insert()) return;
            req.m_pRecord = &m_Flow.m_Commands[list.GetSelData()];
            result = RunCmdDialog(&req, 0);
            if (result) {
                list.Fill();
                list.SelectNext(1);
            } else {
                list.Delete(list.m_nCurSel, true);
            }
            break;
        }
    }
    StoreFlow();
}

int cFlowPage::RunCmdDialog(cEditReq* req, int centre) {
    cCtrlList<cEdCommand>& list = CmdList();
    if (g_RunCmdDialog) return g_RunCmdDialog(this, req, &list, centre);
    // a new command's selection is placed over the list, an edited one centred on it
    return list.Edit(&m_pCmdDlg, IDD_CMD_SELECT, req, &g_WndRegistry, kEditWndKeep, centre, centre ? nullptr : &list);
}

void cFlowPage::EditRecord(int which) {
    cEditReq req;
    int result = 0;
    switch (which) {
        case kListConds: {
            cCtrlList<cEdCond>& list = CondList();
            if (list.GetSelData() == -1) return;
            req.m_pRecord = &m_Flow.m_Conds[list.GetSelData()];
            req.m_bDistance = 1;
            result = list.Edit(&m_pCondDlg, IDD_COND_SELECT, &req, &g_WndRegistry, kEditWndKeep, 1, nullptr);
            break;
        }
        case kListKeys: {
            cCtrlList<cEdKeyCond>& list = KeyList();
            if (list.GetSelData() == -1) return;
            req.m_pRecord = &m_Flow.m_KeyConds[list.GetSelData()];
            result = list.Edit(&m_pKeyDlg, IDD_KEYCOND, &req, &g_WndRegistry, kEditWndKeep, 0, nullptr);
            break;
        }
        case kListCmds: {
            cCtrlList<cEdCommand>& list = CmdList();
            if (list.GetSelData() == -1) return;
            req.m_pRecord = &m_Flow.m_Commands[list.GetSelData()];
            result = RunCmdDialog(&req, 1);
            if (result) {
                list.Fill();
                list.Redraw();
            }
            break;
        }
    }
    if (result) StoreFlow();
}

void cFlowPage::DeleteRecords(int which) {
    int done = 0;
    switch (which) {
        case kListConds: done = CondList().Delete(-1, false); break;
        case kListKeys: done = KeyList().Delete(-1, false); break;
        case kListCmds:
            if (CmdList().GetSelData() != -1) done = CmdList().Delete(-1, false);
            break;
    }
    if (done) StoreFlow();
}

bool cFlowPage::ListCommand(WPARAM wp) {
    if (FlowList().OnAccelCommand(wp) || FlowList().OnPopupCommand(wp)) {
        ShowFlow();
        return true;
    }
    cCtrlListBase* inner[3] = {&CondList(), &KeyList(), &CmdList()};
    for (cCtrlListBase* list : inner) {
        if (list->OnAccelCommand(wp) || list->OnPopupCommand(wp)) {
            StoreFlow();
            return true;
        }
    }
    return false;
}

void cFlowPage::OnCommand(WPARAM wp, LPARAM lp) {
    cDlg::OnCommand(wp, lp);
    if (!m_bInit || m_bLoading) {
        // the base holds every list's drawing for the command; the page's
        // own loading refills them, so they draw again at once
        cCtrlListBase* lists[4] = {&FlowList(), &CondList(), &KeyList(), &CmdList()};
        for (cCtrlListBase* list : lists)
            if (list->m_hWnd) SendMessageA(list->m_hWnd, WM_SETREDRAW, TRUE, 0);
        return;
    }
    const int id = LOWORD(wp);
    const int code = HIWORD(wp);
    const bool click = code == BN_CLICKED;
    RunCtrlHandler(this, m_Handlers, wp);
    switch (id) {
        case kIdOk:
            if (!m_bNested || !click) break;
            CtrlsToData();
            if (g_NestedFlows) *g_NestedFlows = m_Chara.m_Flows;
            Close(1);
            return;
        case kIdCancel:
        case IDCANCEL:
            if (!m_bNested || !click) break;
            Close(0);
            return;
        case IDC_FP_INHERIT:
            if (click) OnInheritClicked();
            break;
        case IDC_FP_FLOWS:
            if (code == LBN_SELCHANGE) {
                FlowList().OnSelChange();
                ShowFlow();
            }
            break;
        case IDC_FP_FLOW_INSERT:
            if (click && FlowList().Insert()) ShowFlow();
            break;
        case IDC_FP_FLOW_DELETE:
            if (click && FlowList().Delete(-1, false)) ShowFlow();
            break;
        case IDC_FP_COND_INSERT:
        case ID_POP2_INSERT:
        case ID_ACC2_INSERT:
            if (click || id > 40000) InsertAndEdit(kListConds);
            break;
        case IDC_FP_KEY_INSERT:
        case ID_POP3_INSERT:
        case ID_ACC3_INSERT:
            if (click || id > 40000) InsertAndEdit(kListKeys);
            break;
        case IDC_FP_CMD_INSERT:
        case ID_POP4_INSERT:
        case ID_ACC4_INSERT:
            if (click || id > 40000) InsertAndEdit(kListCmds);
            break;
        case IDC_FP_COND_EDIT:
            if (click) EditRecord(kListConds);
            break;
        case IDC_FP_KEY_EDIT:
            if (click) EditRecord(kListKeys);
            break;
        case IDC_FP_CMD_EDIT:
            if (click) EditRecord(kListCmds);
            break;
        case IDC_FP_COND_DELETE:
            if (click) DeleteRecords(kListConds);
            break;
        case IDC_FP_KEY_DELETE:
            if (click) DeleteRecords(kListKeys);
            break;
        case IDC_FP_CMD_DELETE:
            if (click) DeleteRecords(kListCmds);
            break;
        case IDC_FP_CONDS:
        case IDC_FP_KEYS:
        case IDC_FP_CMDS: {
            const int which = id == IDC_FP_CONDS ? kListConds : id == IDC_FP_KEYS ? kListKeys : kListCmds;
            cCtrlListBase* list = which == kListConds  ? static_cast<cCtrlListBase*>(&CondList())
                                  : which == kListKeys ? static_cast<cCtrlListBase*>(&KeyList())
                                                       : static_cast<cCtrlListBase*>(&CmdList());
            if (code == LBN_SELCHANGE) list->OnSelChange();
            if (code == LBN_DBLCLK) EditRecord(which);
            break;
        }
        case IDC_FP_TEST:
            if (click) DebugErrorBoxF("m_cgKeyCondList.m_Ctrl.GetCurSel() = %d", KeyList().GetCurSel());
            break;
        default:
            ListCommand(wp);
            break;
    }
    // a change of the selected flow's own settings goes into its row at once
    if (GetChangedCtrlId(wp)) {
        for (int ctrl : kFlowCtrls)
            if (ctrl == id) StoreFlow();
    }
    RedrawList();
    Changed();
}

void cFlowPage::Changed() {
    NotifySheetChanged(m_hSheet, m_hWnd);
}

void cFlowPage::Draw() {
    if (!m_bInit) return;
    PaintCharaPreviews(m_Pictures, m_Chara);
}

LRESULT cFlowPage::MsgProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_NOTIFY && m_bInit) {
        const NMHDR* hdr = reinterpret_cast<const NMHDR*>(lp);
        switch (hdr->code) {
            case PSN_KILLACTIVE:
                LeavePage();
                SetWindowLongPtrA(hwnd, DWLP_MSGRESULT, FALSE);
                return 1;
            case PSN_SETACTIVE:
                BindRecord(m_Chara);
                m_bLoading = 1;
                DataToCtrls();
                m_bLoading = 0;
                ShowFlow();
                EnableByInherit();
                RefreshInheritBox();
                if (DefEditsPaletteEntry()) ShowNo();
                Draw();
                SetWindowLongPtrA(hwnd, DWLP_MSGRESULT, 0);
                return 1;
        }
    }
    if (msg == WM_CLOSE && m_bNested) {
        Close(0);
        return 1;
    }
    if (msg == WM_DESTROY && m_bInit) {
        g_StageEdit.m_Flows = FlowList().m_Clip;
        g_StageEdit.m_Conds2 = CondList().m_Clip;
        g_StageEdit.m_KeyConds = KeyList().m_Clip;
        g_StageEdit.m_Commands = CmdList().m_Clip;
        m_bInit = 0;
        if (g_FlowPage == this) g_FlowPage = nullptr;
        if (g_CharaFlowCmdList == &CmdList()) g_CharaFlowCmdList = nullptr;
        if (g_NestedFlowCmdList == &CmdList()) g_NestedFlowCmdList = nullptr;
    }
    const LRESULT r = DefMsgProc(hwnd, msg, wp, lp);
    if (m_bInit && IsActive()) {
        cCtrlListBase* lists[4] = {&FlowList(), &CondList(), &KeyList(), &CmdList()};
        for (cCtrlListBase* list : lists) {
            if (!list->SelectAtPoint(m_ptPopup)) continue;
            if (list == &FlowList()) {
                FlowList().OnSelChange();
                ShowFlow();
            } else {
                list->OnSelChange();
            }
            SetFocus(list->m_hWnd);
            TrackPopup(list->m_hPopupMenu);
            break;
        }
    }
    return r;
}
