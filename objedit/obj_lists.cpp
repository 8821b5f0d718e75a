#include "objedit/obj_lists.h"

#include "base/msgbox.h"
#include "cmdedit/cmd_summary.h"
#include "model/cmd_tables.h"

namespace {

const int kCondMax = 99;
const int kFlowMax = 999;
const int kCmdMax = 999;

}  // namespace

void FlowCmdRowText(cString* out, int, const cEdCommand* cmd) {
    static CmdSummaryFunc table[kCmdKindCount];
    static bool filled = false;
    if (!filled) {
        FillCmdSummary(table);
        filled = true;
    }
    CmdSummaryRow(*out, *cmd, table, kCmdKindCount);
}

void ItemCmdRowText(cString* out, int, const cEdCommand* cmd) {
    static CmdSummaryFunc table[kCmdKind2Count];
    static bool filled = false;
    if (!filled) {
        FillCmdSummary2(table);
        filled = true;
    }
    CmdSummaryRow(*out, *cmd, table, kCmdKind2Count);
}

void DeclareAppearCondList(cCtrlListParam<cEdCond>& p, cVector<cEdCond>* conds, CondTextFunc text) {
    p.Set(kAppearCondListId, nullptr, conds, nullptr, 1, text, 0, 0, kCondMax, 0, 1, 0);
}

void DeclareFlowList(cCtrlListParam<cEdFlow>& p, cVector<cEdFlow>* flows, cVector<cEdFlow>* work, cEdFlow* edit) {
    p.Set(kFlowListId, flows, work, edit, 1, FlowRowText, 1, 1, kFlowMax, 0, 1, 0);
}

void DeclareFlowCondList(cCtrlListParam<cEdCond>& p, cVector<cEdCond>* conds, CondTextFunc text) {
    p.Set(kFlowCondListId, nullptr, conds, nullptr, 1, text, 0, 0, kCondMax, 0, 1, 0);
}

void DeclareKeyCondList(cCtrlListParam<cEdKeyCond>& p, cVector<cEdKeyCond>* conds) {
    p.Set(kKeyCondListId, nullptr, conds, nullptr, 1, KeyCondRowText, 0, 0, kCondMax, 0, 1, 0);
}

void DeclareFlowCmdList(cCtrlListParam<cEdCommand>& p, cVector<cEdCommand>* cmds,
                        cCtrlListParam<cEdCommand>::TextFunc text) {
    p.Set(kCmdListId, nullptr, cmds, nullptr, 1, text, 0, 0, kCmdMax, 0, 1, 0);
}

void DeclareItemCmdList(cCtrlListParam<cEdCommand>& p, cVector<cEdCommand>* cmds) {
    p.Set(kCmdListId, nullptr, cmds, nullptr, 1, ItemCmdRowText, 0, 0, kCmdMax, 0, 1, 0);
}

bool RefuseDistancePaste(const cCtrlList<cEdCond>& list, int id) {
    if (id != kAppearCondKeys.m_Accel[2] && id != kAppearCondKeys.m_Popup[2]) return false;
    for (int i = 0; i < static_cast<int>(list.m_Clip.size()); ++i) {
        if (list.m_Clip[i].m_nKind == kCondDistance) {
            ErrorBoxF("「距離条件」の貼り付けはできません！");
            return true;
        }
    }
    return false;
}
