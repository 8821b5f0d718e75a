#include "objedit/cond_base.h"

#include "app/services.h"
#include "base/msgbox.h"
#include "cmdedit/cmd_words.h"
#include "model/cmd_tables.h"
#include "ui/dlghelpers.h"
#include "ui/inputdlg.h"

namespace {

const char* const kSubjectsChara[] = {"自分", "ターゲット", "システム", ""};
const char* const kSubjectsPlayer[] = {"主人公", "ターゲット", "システム", ""};

template <class T>
const char* NameOf(const cVector<T>& v, int index) {
    if (index < 0 || index >= static_cast<int>(v.size())) return "";
    return v[index].m_Name.CStr();
}

const char* VarName(int scope, int var) {
    const cVector<cEdValInfo>* vars = VarTable(scope);
    return vars ? NameOf(*vars, var) : "";
}

cString Num3(int value) {
    cString s;
    NumToStrZero(&s, value, 3);
    return s;
}

const char* StatusName(int who, int item) {
    if (who == kWhoSystem) return item >= 0 && item < kSystemValueCount ? g_SystemValue[item].m_Name.CStr() : "";
    return item >= 0 && item < kCharaStatusCount ? g_CharaStatus[item].m_Name.CStr() : "";
}

const char* ChaVar(int var) { return TableWord(g_ChaVarNames, var - 1); }

const char* Word(const cVector<cString>& list, int index) {
    return index >= 0 && index < static_cast<int>(list.size()) ? list[index].CStr() : "";
}

// " 自分 の 「1 キャラ変数-1」", " 自分 の HP" or " 時間": a status of a
// subject, as the left side (followed by "が" there) and the right side.
void AppendStatus(cString* out, const cVector<cString>& subjects, int who, int item, int var) {
    if (who == kWhoSystem)
        StrPrintf(out, " %s", StatusName(who, item));
    else if (item == 0)
        StrPrintf(out, " %s の 「%s」", Word(subjects, who), ChaVar(var));
    else
        StrPrintf(out, " %s の %s", Word(subjects, who), StatusName(who, item));
}

const cStateEntry* StateItem(int who, int item) {
    if (who == kWhoSystem) return item >= 0 && item < kScrollStatusCount ? &g_ScrollStatus[item] : nullptr;
    return item >= 0 && item < kStateFlagCount ? &g_StateFlag[item] : nullptr;
}

const char* Choice(const cStateEntry* e, int value) {
    if (!e) return "";
    const int pos = value - e->m_nFirst;
    return pos >= 0 && pos < static_cast<int>(e->m_Choices.size()) ? e->m_Choices[pos].CStr() : "";
}

}  // namespace

// ---------------------------------------------------------------------------
// The kind dialogs' base

cCondKindDlg::cCondKindDlg(int templateId, cDlg* parent, int kind, const cEditReq* req, cWndRegistry* registry,
                           cCtrl* ownerCtrl, int centre)
    : cDlg(templateId, parent, kind, registry, ownerCtrl, centre) {
    if (req) m_Req = *req;
    if (Record()) m_Cond = *Record();
}

cCondKindDlg::~cCondKindDlg() { DestroyModeless(); }

void cCondKindDlg::OnInitDialog(WPARAM wp, LPARAM lp) {
    cDlg::OnInitDialog(wp, lp);
    ShowWindow(GetDlgItem(m_hWnd, IDC_COND_CANVAS), SW_HIDE);
}

void cCondKindDlg::OnCommand(WPARAM wp, LPARAM lp) {
    cDlg::OnCommand(wp, lp);
    switch (LOWORD(wp)) {
        case kIdOk:
            CtrlsToData();
            if (Record()) *Record() = m_Cond;
            Close(1);
            return;
        case kIdCancel:
            Close(0);
            return;
    }
    if (m_bInit && GetChangedCtrlId(wp)) UpdateCtrls();
}

LRESULT cCondKindDlg::MsgProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_CLOSE) {
        Close(0);
        return 1;
    }
    return DefMsgProc(hwnd, msg, wp, lp);
}

// ---------------------------------------------------------------------------
// The variable conditions

cCondVarDlg::cCondVarDlg(int templateId, cDlg* parent, int kind, const cEditReq* req, cWndRegistry* registry,
                         cCtrl* ownerCtrl, int centre, int scope, int varId)
    : cCondKindDlg(templateId, parent, kind, req, registry, ownerCtrl, centre), m_nScope(scope) {
    if (IsNew()) m_Cond.m_nVar = 1;
    MakeVarNameList(&m_VarNames, *VarTable(scope));
    TableToList(&m_CompareNames, g_CompareWord);
    m_Vars.resize(1);
    m_Vars[0].m_Param.SetList(varId, &m_Cond.m_nVar, &m_VarNames, 1);
    m_Combos.resize(1);
    m_Combos[0].m_Param.SetList(IDC_COND_COMPARE, &m_Cond.m_nCompare, &m_CompareNames, 0);
    m_Vals.resize(1);
    m_Vals[0].m_Param.Set(IDC_COND_VALUE, &m_Cond.m_nValue, -999999, 999999, IDC_COND_VALUE_SPIN, 1);
    m_Buttons.resize(1);
    m_Buttons[0].m_Param.Set(IDC_COND_RENAME);
}

void cCondVarDlg::OnInitDialog(WPARAM wp, LPARAM lp) {
    cCondKindDlg::OnInitDialog(wp, lp);
    AddCtrls(m_Vars);
    AddCtrls(m_Combos);
    AddCtrls(m_Vals);
    AddCtrls(m_Buttons);
    DataToCtrls();
    UpdateCtrls();
    m_bInit = 1;
    m_bReady = 1;
}

void cCondVarDlg::OnCommand(WPARAM wp, LPARAM lp) {
    if (LOWORD(wp) == IDC_COND_RENAME && HIWORD(wp) == BN_CLICKED && m_bInit) {
        cCtrlCombo<int16_t>& combo = m_Vars[0].m_Ctrl;
        if (RenameVariable(this, m_nScope, combo.GetCurData(), &m_Buttons[0].m_Ctrl, m_nScope == kVarCommon)) {
            MakeVarNameList(&m_VarNames, *VarTable(m_nScope));
            combo.SetItemList(&m_VarNames);
        }
        return;
    }
    cCondKindDlg::OnCommand(wp, lp);
}

// ---------------------------------------------------------------------------
// Name lists


void MakeCharaVarNameList(cVector<cString>* out) { TableToList(out, g_ChaVarNames); }

void MakeSubjectList(cVector<cString>* out, int withSystem) {
    out->clear();
    const char* const* table = nullptr;
    if (g_StageEdit.g_BlockSheet)
        table = kSubjectsPlayer;
    else if (g_StageEdit.g_CharaSheet)
        table = kSubjectsChara;
    else if (g_StageEdit.g_ItemSheet)
        table = g_StageEdit.m_bItemCommands ? kSubjectsChara : kSubjectsPlayer;
    if (!table) return;
    const int n = withSystem ? 3 : 2;
    for (int i = 0; i < n; ++i) out->push_back(cString(table[i]));
}

cVector<cEdValInfo>* VarTable(int scope) {
    if (scope == kVarCommon) return &g_GValInfo;
    if (scope == kVarStage) return &g_Stage.m_Vars;
    return nullptr;
}

bool RenameVariable(cDlg* owner, int scope, int var, cCtrl* over, bool saveCommon) {
    cVector<cEdValInfo>* vars = VarTable(scope);
    // the new name is kept even when it cannot be written; the author is told
    if (saveCommon && scope == kVarCommon) return RenameCommonVariable(owner, vars, var, over, SaveCommonVarNames);
    return InputVariableName(owner, vars, var, over);
}

// ---------------------------------------------------------------------------
// Row text

void CondRowText(cString* out, int, const cEdCond* cond) {
    out->clear();
    if (!cond) return;
    const int kind = cond->m_nKind;
    StrPrintf(out, "%s", kind >= 0 && kind < kCondKindCount ? g_CondKind[kind] : "");
    cVector<cString> subjects;
    MakeSubjectList(&subjects, 1);
    switch (kind) {
        case kCondCommonVar:
        case kCondStageVar:
            StrPrintf(out, " ： 「%s %s」 が %d %s", Num3(cond->m_nVar).CStr(),
                      VarName(kind == kCondCommonVar ? kVarCommon : kVarStage, cond->m_nVar), cond->m_nValue,
                      TableWord(g_CompareWord, cond->m_nCompare));
            break;
        case kCondCharaVar:
            StrPrintf(out, " ： キャラ変数 「%s」が %d %s", ChaVar(cond->m_nVar), cond->m_nValue,
                      TableWord(g_CompareWord, cond->m_nCompare));
            break;
        case kCondStatus:
            StrPrintf(out, " ：");
            if (cond->m_nLeftKind == 1) {
                StrPrintf(out, " 「%s %s」が", Num3(cond->m_nVar).CStr(), VarName(cond->m_nLeftScope, cond->m_nVar));
            } else {
                AppendStatus(out, subjects, cond->m_nWho, cond->m_nItem, cond->m_nVar);
                StrPrintf(out, " が");
            }
            switch (cond->m_nRightSource) {
                case 1: StrPrintf(out, " %d～%d", cond->m_nRandMin, cond->m_nRandMax); break;
                case 2: AppendStatus(out, subjects, cond->m_nRightWho, cond->m_nRightItem, cond->m_nRightVar); break;
                case 3:
                    StrPrintf(out, " 「%s %s」", Num3(cond->m_nRightVar).CStr(),
                              VarName(cond->m_nRightScope, cond->m_nRightVar));
                    break;
                default: StrPrintf(out, " %d", cond->m_nValue); break;
            }
            if (cond->m_bPercent) StrPrintf(out, "%%");
            StrPrintf(out, " %s", TableWord(g_CompareWord, cond->m_nCompare));
            break;
        case kCondStatus2: {
            StrPrintf(out, " ：");
            const cStateEntry* e = StateItem(cond->m_nWho, cond->m_nItem);
            if (cond->m_nWho == kWhoSystem)
                StrPrintf(out, " %s が %s", e ? e->m_Name.CStr() : "", Choice(e, cond->m_nVar));
            else
                StrPrintf(out, " %s の %s が %s", Word(subjects, cond->m_nWho), e ? e->m_Name.CStr() : "",
                          Choice(e, cond->m_nVar));
            StrPrintf(out, " %s", TableWord(g_CompareWord, cond->m_nCompare));
            break;
        }
        case kCondStatus3:
            StrPrintf(out, " ： %s が %s %s", Word(subjects, cond->m_nWho), TableWord(g_StateCondKind, cond->m_nItem),
                      TableWord(g_CondThenWord, cond->m_nCompare));
            break;
        case kCondDistance:
            StrPrintf(out, " ： %s %d %s", TableWord(g_DistAxis, cond->m_nAxis), cond->m_nValue,
                      TableWord(g_DistRange, cond->m_nCompare));
            break;
    }
}
