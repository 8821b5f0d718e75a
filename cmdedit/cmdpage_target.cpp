#include "cmdedit/cmdpage_target.h"

#include "cmdedit/cmdpage_target_res.h"
#include "model/cmd_tables.h"
#include "ui/dlghelpers.h"

namespace {

const int kNearest = 2;   // "最も近いキャラ"
const int kKindLast = 3;  // "キャラ(キャラIDで指定)"

const int kCheckIds[] = {IDC_TG_ALL_FACTIONS, IDC_TG_BY_ID,     IDC_TG_NOT_SELF,
                         IDC_TG_NOT_HITTABLE, IDC_TG_NOT_PASSING, IDC_TG_NOT_BLOCK};

}  // namespace

cCmdDlgTarget::cCmdDlgTarget(int templateId, cDlg* parent, int kind, const cEditReq* req, cWndRegistry* registry,
                             cCtrl* ownerCtrl, int centre)
    : cCmdDlg(templateId, parent, kind, req, registry, ownerCtrl, centre) {
    TableToList(&m_Kinds, g_TargetSelect);
    TableToList(&m_Ranges, g_TargetRange);
    cEdCommand* cmd = Cmd();
    if (!cmd) return;
    if (cmd->m_Params.size() < 10) cmd->m_Params.resize(10, 0);
    if (IsNew()) {
        cmd->m_nTime = 0;
        cmd->m_bParallel = 1;
        cmd->m_Params[4] = 1;
        cmd->m_Params[6] = 1;
    }
    int32_t* p = &cmd->m_Params[0];
    m_Combos.resize(2);
    m_Combos[0].m_Param.SetList(IDC_TG_KIND, &p[0], &m_Kinds, 0);
    m_Combos[1].m_Param.SetList(IDC_TG_RANGE, &p[3], &m_Ranges, 0);
    m_Ints.resize(2);
    m_Ints[0].m_Param.Set(IDC_TG_FACTION, &p[1], 0, 7, IDC_TG_FACTION_SPIN, 1);
    m_Ints[1].m_Param.Set(IDC_TG_ID, &p[9], 0, 98, IDC_TG_ID_SPIN, 1);
    const struct {
        int id;
        int param;
    } checks[] = {
        {IDC_TG_ALL_FACTIONS, 2}, {IDC_TG_NOT_SELF, 4}, {IDC_TG_NOT_HITTABLE, 5},
        {IDC_TG_NOT_PASSING, 6},  {IDC_TG_NOT_BLOCK, 7}, {IDC_TG_BY_ID, 8},
    };
    m_Checks.resize(sizeof checks / sizeof checks[0]);
    for (size_t i = 0; i < m_Checks.size(); ++i) m_Checks[i].m_Param.Set(checks[i].id, &p[checks[i].param]);
}

cCmdDlgTarget::~cCmdDlgTarget() { DestroyModeless(); }

void cCmdDlgTarget::OnInitDialog(WPARAM wp, LPARAM lp) {
    cCmdDlg::OnInitDialog(wp, lp);
    AddCtrls(m_Combos);
    AddCtrls(m_Ints);
    AddCtrls(m_Checks);
    FinishInit();
}

void cCmdDlgTarget::OnCommand(WPARAM wp, LPARAM lp) { cCmdDlg::OnCommand(wp, lp); }

void cCmdDlgTarget::UpdateCtrls() {
    if (m_Combos.empty()) return;
    const int kind = m_Combos[0].m_Ctrl.GetCurData();
    if (kind < 0 || kind > kKindLast) return;
    const int chara = kind >= kNearest ? 1 : 0;
    EnableCtrl(m_Combos, IDC_TG_RANGE, kind == kNearest ? 1 : 0);
    for (int id : kCheckIds) EnableCtrl(m_Checks, id, chara);
    const auto checked = [this](int id) { return FindCtrl(m_Checks, id)->m_Ctrl.GetCheck() == BST_CHECKED; };
    EnableCtrl(m_Ints, IDC_TG_FACTION, chara && !checked(IDC_TG_ALL_FACTIONS) ? 1 : 0);
    EnableCtrl(m_Ints, IDC_TG_ID, chara && checked(IDC_TG_BY_ID) ? 1 : 0);
}
