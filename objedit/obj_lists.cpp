#include "objedit/obj_lists.h"

#include <cstring>

#include "cmdedit/cmd_summary.h"
#include "model/cmd_tables.h"

namespace {

const int kCondMax = 99;
const int kFlowMax = 999;
const int kCmdMax = 999;
const int kLetterCount = 27;  // "-" and the 26 letters

// The key states of a key condition in the order the row names them.
const char* const kKeyNames[kKeyStateCount] = {"方n", "←",  "→",   "↑", "↓", "←↑", "←↓", "→↑", "→↓", "方向",
                                               "アn", "Z", "X", "C", "V",  "A",   "S",   "D",   "F"};
const char* const kKeyJoiners[] = {"+", "･", "/"};

const char* Letter(const char* const* table, int index) {
    return index >= 0 && index < kLetterCount ? table[index] : "";
}

}  // namespace

void FlowRowText(cString* out, int, const cEdFlow* flow) {
    out->Format("×%d %s %s", static_cast<int>(flow->m_Commands.size()), Letter(g_FlowGroupName, flow->m_nGroup),
                Letter(g_FlowIdName, flow->m_nId));
}

void KeyCondRowText(cString* out, int, const cEdKeyCond* cond) {
    if (cond->m_bNoMax)
        *out = "1～∞ ： ";
    else
        out->Format("%s%d～%d ： ", "", cond->m_nPressMin, cond->m_nPressMax);
    const int rule = cond->m_nRule;
    const char* joiner = rule >= 0 && rule < 3 ? kKeyJoiners[rule] : "";
    bool any = false;
    const int count = static_cast<int>(cond->m_bbKeys.size());
    for (int i = 0; i < kKeyStateCount && i < count; ++i) {
        if (cond->m_bbKeys[i] != 1) continue;
        StrPrintf(out, "%s %s ", kKeyNames[i], joiner);
        any = true;
    }
    // the last joiner and the blank after it
    if (any) out->erase(out->size() - (std::strlen(joiner) + 1));
}

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

void DeclareFlowCmdList(cCtrlListParam<cEdCommand>& p, cVector<cEdCommand>* cmds) {
    p.Set(kCmdListId, nullptr, cmds, nullptr, 1, FlowCmdRowText, 0, 0, kCmdMax, 0, 1, 0);
}

void DeclareItemCmdList(cCtrlListParam<cEdCommand>& p, cVector<cEdCommand>* cmds) {
    p.Set(kCmdListId, nullptr, cmds, nullptr, 1, ItemCmdRowText, 0, 0, kCmdMax, 0, 1, 0);
}
