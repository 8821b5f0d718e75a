// The record lists of the object definition editors: the appearance
// conditions of the block, character and item pages, the four lists of the
// flow page (flows, basic conditions, key conditions, commands) and the
// item effect commands. For each its declaration and row text; the keys are
// the sets of listctrl/list_instances.h (kAppearCondKeys for appearance
// conditions and item effect commands, kFlowCondKeys, kKeyCondKeys,
// kFlowCmdKeys, and SetInsertListKeys for the flow list).
#pragma once

#include "base/containers.h"
#include "base/str.h"
#include "listctrl/list_instances.h"
#include "model/flow.h"
#include "ui/ctrllist.h"

const int kAppearCondListId = 1044;
const int kFlowListId = 1082;
const int kFlowCondListId = 1086;
const int kKeyCondListId = 1094;
const int kCmdListId = 1095;

// --- row texts

// A flow: its number of commands, group letter and ID letter.
void FlowRowText(cString* out, int index, const cEdFlow* flow);
// A key condition: the press-time range (or "1～∞"), then the keys to be
// pressed joined by the judgement's joiner.
void KeyCondRowText(cString* out, int index, const cEdKeyCond* cond);
// A command of a character flow, and an item effect command: the one-line
// summary of its kind (empty for a kind without one).
void FlowCmdRowText(cString* out, int index, const cEdCommand* cmd);
void ItemCmdRowText(cString* out, int index, const cEdCommand* cmd);

// --- declarations (the condition lists take the condition summary as text)

typedef cCtrlListParam<cEdCond>::TextFunc CondTextFunc;

// In place: the appearance conditions of the page's block, character or
// item copy.
void DeclareAppearCondList(cCtrlListParam<cEdCond>& p, cVector<cEdCond>* conds, CondTextFunc text);
// The flows of the page's character copy (or of the nested flow vector):
// the page edits a copy (work), the current flow in its flow record (edit).
void DeclareFlowList(cCtrlListParam<cEdFlow>& p, cVector<cEdFlow>* flows, cVector<cEdFlow>* work, cEdFlow* edit);
// In place, inside the page's flow record.
void DeclareFlowCondList(cCtrlListParam<cEdCond>& p, cVector<cEdCond>* conds, CondTextFunc text);
void DeclareKeyCondList(cCtrlListParam<cEdKeyCond>& p, cVector<cEdKeyCond>* conds);
// The command list shows FlowCmdRowText unless the page gives its own
// summary text.
void DeclareFlowCmdList(cCtrlListParam<cEdCommand>& p, cVector<cEdCommand>* cmds,
                        cCtrlListParam<cEdCommand>::TextFunc text = FlowCmdRowText);
// In place: the effect commands of the item effect page's item copy.
void DeclareItemCmdList(cCtrlListParam<cEdCommand>& p, cVector<cEdCommand>* cmds);

// The block and item pages take no distance condition: on a paste command
// (Ctrl+V 40007, popup 40040) whose clipboard holds one, shows
// "「距離条件」の貼り付けはできません！" and returns true, before the list
// sees the command; false for every other case (the paste goes ahead).
bool RefuseDistancePaste(const cCtrlList<cEdCond>& list, int id);
