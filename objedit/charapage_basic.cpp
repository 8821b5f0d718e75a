#include "objedit/charapage_basic.h"

#include <prsht.h>

#include "app/services.h"
#include "listctrl/listctrl_res.h"
#include "model/cmd_tables.h"
#include "model/palette.h"
#include "model/stage.h"
#include "objedit/blockpage.h"
#include "objedit/charapage_basic_res.h"
#include "objedit/cond_base.h"
#include "objedit/cond_select.h"
#include "objedit/defedit.h"
#include "objedit/obj_lists.h"
#include "res/command_ids.h"

CondDialogFn g_RunCondDialog = RunCondSelectDlg;

namespace {

const cString kSourcePlaced[] = {"継承しない", "コモンパレット", "ステージパレット", ""};
const cString kSourceStage[] = {"継承しない", "コモンパレット", ""};
const cString kSourceNone[] = {"継承しない", ""};
const cString kPlayerNo[] = {"1", ""};
const cString kJudge[] = {"全ての条件が真なら成立", "1つ以上の条件が真なら成立", ""};

const int kInheritFirst = IDC_CB_INHERIT0;
const int kGroupCount = 9;
// The controls of each inheritance group (0 ends a row).
const int kGroups[kGroupCount][7] = {
    {IDC_CB_NAME},
    {IDC_CB_CONTROL},
    {IDC_CB_FACTION},
    {IDC_CB_CHARAID},
    {IDC_CB_CONDS, IDC_CB_COND_INSERT, IDC_CB_COND_EDIT, IDC_CB_COND_DELETE, IDC_CB_JUDGE, IDC_CB_LATCH},
    {IDC_CB_FACERIGHT},
    {IDC_CB_CLONES},
    {IDC_CB_OFFSETX, IDC_CB_STEPX, IDC_CB_FLIPX},
    {IDC_CB_OFFSETY, IDC_CB_STEPY, IDC_CB_FLIPY},
};
// The up-down control beside a value edit.
const int kSpins[][2] = {{IDC_CB_FACTION, IDC_CB_FACTION_SPIN}, {IDC_CB_CHARAID, IDC_CB_CHARAID_SPIN},
                         {IDC_CB_CLONES, IDC_CB_CLONES_SPIN},   {IDC_CB_OFFSETX, IDC_CB_OFFSETX_SPIN},
                         {IDC_CB_STEPX, IDC_CB_STEPX_SPIN},     {IDC_CB_OFFSETY, IDC_CB_OFFSETY_SPIN},
                         {IDC_CB_STEPY, IDC_CB_STEPY_SPIN}};

const cDefPageIds kIds = {IDC_CB_SOURCE,      IDC_CB_SOURCE_INDEX, kInheritFirst,      kGroupCount,
                          IDC_CB_NO,          IDC_CB_PREV,         IDC_CB_NEXT,
                          IDC_CB_COND_INSERT, IDC_CB_COND_EDIT,    IDC_CB_COND_DELETE, IDC_CB_CONDS};
const cDefEditPlace<cEdChara> kPlace = {&cEdStage::m_PalCharas, &cEdCommonPalette::m_Charas, kLayerMaskChara,
                                        &cEdStage::RefreshStageInheritChara, &cEdStage::RefreshInheritChara};

}  // namespace

void AppearCondText(cString* out, int index, const cEdCond* cond) { CondRowText(out, index, cond); }

cCharaPageBasic::cCharaPageBasic(int templateId, cDlg* parent, int kind, cWndRegistry* registry)
    : cCharaPage(templateId, parent, kind, registry, 0) {
    m_Handlers[0].Set(kCtrlButton, IDC_CB_PREV, &cCharaPageBasic::OnPrev);
    m_Handlers[1].Set(kCtrlButton, IDC_CB_NEXT, &cCharaPageBasic::OnNext);
    m_Handlers[2].Set(kCtrlCombo, IDC_CB_SOURCE, &cCharaPageBasic::OnSourceChanged);
    m_Handlers[3].Set(kCtrlCombo, IDC_CB_SOURCE_INDEX, &cCharaPageBasic::OnIndexChanged);
    m_Handlers[4].Set(kCtrlCombo, IDC_CB_CONTROL, &cCharaPageBasic::OnControlChanged);
    m_Handlers[5].Set(kCtrlCheck, IDC_CB_FACERIGHT, &cCharaPageBasic::OnFaceChanged);
    m_Handlers[6].Set(kCtrlEditVal, IDC_CB_CLONES, &cCharaPageBasic::OnNothing);
    m_Canvas.m_Param.Set(IDC_CB_CANVAS, 200, 20);

    cEdChara* original = g_StageEdit.g_EditOriginal.m_pChara;
    // every edited character has at least one flow, from the moment it opens
    if (original && original->m_Flows.empty()) {
        cEdFlow flow;
        original->m_Flows.push_back(flow);
    }
    TakePaletteWork(kPlace, &m_PalWork);
    m_Combos.resize(4);
    m_IndexCombo.resize(1);
    m_Bytes.resize(3);
    m_Shorts.resize(4);
    m_Strs.resize(1);
    m_Checks.resize(4);
    m_Inherits.resize(kGroupCount);
    m_Lists.resize(1);
    m_Pictures.resize(1);
    m_Buttons.resize(5);
    m_Statics.resize(1);
    if (original) BindRecord(*original);
}

cCharaPageBasic::~cCharaPageBasic() { DestroyModeless(); }

void cCharaPageBasic::FillParams() {
    cEdChara& c = m_Chara;
    if (static_cast<int>(c.m_bbInherit.size()) < kCharaInheritCount)
        c.m_bbInherit.resize(kCharaInheritCount, 0);
    const cString* sources = DefEditTarget() == 0 ? kSourcePlaced : DefEditTarget() == 1 ? kSourceStage : kSourceNone;
    m_Combos[0].m_Param.Set(IDC_CB_SOURCE, &c.m_InheritKind, sources, 0);
    m_Combos[1].m_Param.Set(IDC_CB_CONTROL, &c.m_Control, g_ControlName, 0);
    m_Combos[2].m_Param.Set(IDC_CB_PLAYER, &c.m_PlayerNo, kPlayerNo, 0);
    m_Combos[3].m_Param.Set(IDC_CB_JUDGE, &c.m_AppearJudge, kJudge, 0);
    m_IndexCombo[0].m_Param.SetList(IDC_CB_SOURCE_INDEX, &c.m_InheritIndex, &m_IndexList, 1);
    m_Bytes[0].m_Param.Set(IDC_CB_FACTION, &c.m_Faction, 0, 7, IDC_CB_FACTION_SPIN, 1);
    m_Bytes[1].m_Param.Set(IDC_CB_CHARAID, &c.m_CharaId, 0, 99, IDC_CB_CHARAID_SPIN, 1);
    m_Bytes[2].m_Param.Set(IDC_CB_CLONES, &c.m_Clones, 0, 32, IDC_CB_CLONES_SPIN, 1);
    m_Shorts[0].m_Param.Set(IDC_CB_OFFSETX, &c.m_OffsetX, -640, 640, IDC_CB_OFFSETX_SPIN, 1);
    m_Shorts[1].m_Param.Set(IDC_CB_STEPX, &c.m_OffsetXClone, -640, 640, IDC_CB_STEPX_SPIN, 1);
    m_Shorts[2].m_Param.Set(IDC_CB_OFFSETY, &c.m_OffsetY, -640, 640, IDC_CB_OFFSETY_SPIN, 1);
    m_Shorts[3].m_Param.Set(IDC_CB_STEPY, &c.m_OffsetYClone, -640, 640, IDC_CB_STEPY_SPIN, 1);
    m_Strs[0].m_Param.Set(IDC_CB_NAME, &c.m_Name, 20, 0);
    m_Checks[0].m_Param.Set(IDC_CB_LATCH, &c.m_AppearLatch);
    m_Checks[1].m_Param.Set(IDC_CB_FACERIGHT, &c.m_FaceRight);
    m_Checks[2].m_Param.Set(IDC_CB_FLIPX, &c.m_OffsetXFlip);
    m_Checks[3].m_Param.Set(IDC_CB_FLIPY, &c.m_OffsetYFlip);
    for (int i = 0; i < kGroupCount; ++i) m_Inherits[i].m_Param.Set(kInheritFirst + i, &c.m_bbInherit[i]);
    DeclareAppearCondList(m_Lists[0].m_Param, &c.m_AppearConds, AppearCondText);
    m_Pictures[0].m_Param.Set(IDC_CB_PREVIEW, 32, 32);
    const int buttons[5] = {IDC_CB_COND_INSERT, IDC_CB_COND_EDIT, IDC_CB_COND_DELETE, IDC_CB_PREV, IDC_CB_NEXT};
    for (int i = 0; i < 5; ++i) m_Buttons[i].m_Param.Set(buttons[i]);
    m_Statics[0].m_Param.Set(IDC_CB_NO);
}

void cCharaPageBasic::AttachAll(bool enter) {
    BindCtrlVectors(*this, enter, m_Combos, m_IndexCombo, m_Bytes, m_Shorts, m_Strs, m_Checks, m_Inherits, m_Lists);
    if (enter) BindCtrlVectors(*this, true, m_Pictures, m_Buttons, m_Statics);
}

void cCharaPageBasic::BindRecord(const cEdChara& record) {
    if (&record != &m_Chara) m_Chara = record;
    FillParams();
    if (m_hWnd) AttachAll(false);
}

void cCharaPageBasic::OnInitDialog(WPARAM wp, LPARAM lp) {
    cDlg::OnInitDialog(wp, lp);
    AttachAll(true);
    SetExplicitKeys(CondList(), kAppearCondKeys);
    CondList().m_Clip = g_StageEdit.m_Conds;
    StartDefPage(m_hWnd, kIds, &m_Statics[0].m_Ctrl);
    EnableId(IDC_CB_PLAYER, false);
    DataToCtrls();
    UpdateGroups();
    RunHandlers(true);
    m_bInit = 1;
    m_bReady = 1;
}

void cCharaPageBasic::ShowNo() {
    ShowEditedNo(&m_Statics[0].m_Ctrl);
}

void cCharaPageBasic::EnableId(int id, bool flag) {
    EnableWithSpin(m_hWnd, id, flag, kSpins);
}

void cCharaPageBasic::UpdateGroup(int flag) {
    if (flag < 0 || flag >= kGroupCount) return;
    EnableInheritGroup(m_hWnd, kInheritFirst + flag, kGroups[flag], kSpins);
}

void cCharaPageBasic::UpdateGroups() {
    for (int i = 0; i < kGroupCount; ++i) UpdateGroup(i);
    // "操作" is never inherited by a placed object or the project default
    if (DefEditTarget() == 0 || DefEditTarget() == 3) EnableId(kInheritFirst + 1, false);
    ControlRule();
}

void cCharaPageBasic::ControlRule() {
    const bool computer = m_Combos[1].m_Ctrl.GetCurData() == 1;
    const bool conds = computer && IsDlgButtonChecked(m_hWnd, kInheritFirst + 4) != BST_CHECKED;
    for (int id : kGroups[4])
        if (id) EnableId(id, conds);
    EnableId(IDC_CB_CLONES, computer && IsDlgButtonChecked(m_hWnd, kInheritFirst + 6) != BST_CHECKED);
}

void cCharaPageBasic::ApplyInheritNow() {
    CtrlsToData();
    m_Chara.ApplyInherit();
    DataToCtrls();
    UpdateGroups();
    Draw();
}

void cCharaPageBasic::OnSourceChanged() {
    m_Combos[0].m_Ctrl.CtrlToData();
    // leaving every group to the record clears the other pages' flags too
    if (!FollowInheritSource(m_hWnd, kIds, kPlace, m_Chara, m_IndexCombo[0].m_Ctrl, &m_IndexList, true)) {
        for (int i = 0; i < kGroupCount; ++i) UpdateGroup(i);
        RunHandlers(false);
    }
    if (DefEditTarget() == 0 || DefEditTarget() == 3) EnableId(kInheritFirst + 1, false);
    ApplyInheritNow();
}

void cCharaPageBasic::OnIndexChanged() { ApplyInheritNow(); }

void cCharaPageBasic::OnControlChanged() {
    if (IsWindowEnabled(GetDlgItem(m_hWnd, IDC_CB_CONTROL))) ControlRule();
}

void cCharaPageBasic::OnFaceChanged() { Draw(); }

void cCharaPageBasic::OnInheritClicked(int flag) {
    if (m_Chara.m_bbInherit[flag]) ApplyInheritNow();
    UpdateGroup(flag);
    if ((DefEditTarget() == 0 || DefEditTarget() == 3)) EnableId(kInheritFirst + 1, false);
    RunHandlers(false);
}

void cCharaPageBasic::RunHandlers(bool withSource) {
    if (withSource) OnSourceChanged();
    OnControlChanged();
    OnFaceChanged();
}

void InsertAppearCond(cDlg* owner, cCtrlList<cEdCond>& list, cVector<cEdCond>& conds) {
    if (!list.Insert()) return;
    const int at = list.m_nHidden + list.m_nCurSel;
    cEditReq req;
    req.m_pRecord = &conds[at];
    req.m_bNew = 1;
    req.m_bDistance = 0;
    const int result = g_RunCondDialog ? g_RunCondDialog(owner, &req) : 0;
    if (!result)
        list.TakeBackInserted();
    else
        list.Fill();
    list.Redraw();
}

void EditAppearCond(cDlg* owner, cCtrlList<cEdCond>& list, cVector<cEdCond>& conds) {
    const int row = list.GetCurSel();
    if (!list.IsRecordRow(row)) return;
    cEditReq req;
    req.m_pRecord = &conds[list.m_nHidden + row];
    if (g_RunCondDialog && g_RunCondDialog(owner, &req)) {
        list.Fill();
        list.Redraw();
    }
}

void cCharaPageBasic::OnCommand(WPARAM wp, LPARAM lp) {
    cDlg::OnCommand(wp, lp);
    if (!m_bInit) return;
    if (!RunCtrlHandler(this, m_Handlers, wp))
        RunFirstPageCommand(this, kIds, m_Chara, CondList(), wp, [this](int flag) { OnInheritClicked(flag); });
    RedrawList();
    Changed();
}

void cCharaPageBasic::Changed() {
    NotifySheetChanged(m_hSheet, m_hWnd);
}

void cCharaPageBasic::Step(int step) {
    if (!m_bInit || !StepDefPage(*this, &m_PalWork, m_Chara, step, &g_StageEdit.g_EditOriginal.m_pChara,
                                 [this](const cEdChara& r) { BindRecord(r); }))
        return;
    DataToCtrls();
    ShowNo();
    CondList().SetCurSel(0, 1);
    RunHandlers(true);
    Draw();
}

void cCharaPageBasic::WriteBack() {
    WriteBackDefinition(kPlace, m_Chara, m_PalWork, &g_StageEdit.g_EditOriginal.m_pChara);
}

void cCharaPageBasic::Draw() {
    if (!m_bInit) return;
    cEdChara shown = m_Chara;
    shown.m_FaceRight = BoxChecked(m_hWnd, IDC_CB_FACERIGHT) ? 1 : 0;
    PaintCharaPreviews(m_Pictures, shown);
}

LRESULT cCharaPageBasic::MsgProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_NOTIFY && m_bInit) {
        const NMHDR* hdr = reinterpret_cast<const NMHDR*>(lp);
        cCharaDataSheet* sheet = dynamic_cast<cCharaDataSheet*>(m_lpSheet);
        switch (hdr->code) {
            case PSN_KILLACTIVE:
                LeavePage();
                SetWindowLongPtrA(hwnd, DWLP_MSGRESULT, FALSE);
                return 1;
            case PSN_SETACTIVE:
                BindRecord(m_Chara);
                DataToCtrls();
                RunHandlers(true);
                CondList().Redraw();
                if (DefEditsPaletteEntry()) ShowNo();
                SetWindowLongPtrA(hwnd, DWLP_MSGRESULT, 0);
                return 1;
            case PSN_APPLY:
                TakeAppliedPage(*this, sheet, 1);
                WriteBack();
                SetWindowLongPtrA(hwnd, DWLP_MSGRESULT, PSNRET_NOERROR);
                return 1;
            case PSN_RESET:
                KeepSheetPage(sheet, 1);
                return 1;
        }
    }
    return EndFirstPageMsg(*this, &m_bInit, CondList(), &cStageEditorDlg::OnCharaSheetClosed, hwnd, msg, wp, lp);
}
