// What every condition dialog shares: the base class of the seven kind
// dialogs, the lists of variable and subject names their combos show, the
// renaming of a variable from a dialog, and the one-line text of a
// condition in the condition lists.
#pragma once

#include <cstdint>

#include "base/containers.h"
#include "base/str.h"
#include "model/flow.h"
#include "objedit/cond_base_res.h"
#include "model/stage.h"
#include "ui/ctrl.h"
#include "ui/ctrlbutton.h"
#include "ui/ctrlcombo.h"
#include "ui/ctrleditval.h"
#include "ui/ctrllist.h"
#include "ui/dlg.h"
#include "ui/dlghelpers.h"
#include "ui/varnames.h"

// The base of the kind dialogs: a modal dialog on the request's condition.
// OK stores the controls into the record and ends with 1; cancel and close
// end with 0; a change of a bound control runs UpdateCtrls.
class cCondKindDlg : public cDlg {
public:
    cCondKindDlg(int templateId, cDlg* parent, int kind, const cEditReq* req, cWndRegistry* registry,
                 cCtrl* ownerCtrl, int centre);
    ~cCondKindDlg() override;

    void OnCommand(WPARAM wp, LPARAM lp) override;
    LRESULT MsgProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) override;
    void OnInitDialog(WPARAM wp, LPARAM lp) override;
    void Draw() override {}
    virtual void UpdateCtrls() {}

    cEdCond* Record() const { return m_Req.Record<cEdCond>(); }
    bool IsNew() const { return m_Req.m_bNew != 0; }

    cEditReq m_Req;
    // The controls edit this copy; OK writes it into the record, so that a
    // cancelled dialog leaves the record as it was.
    cEdCond m_Cond;
    int m_bInit = 0;
};

// The common and the stage variable condition: a variable, a value and a
// comparison, with "_" renaming the chosen variable.
class cCondVarDlg : public cCondKindDlg {
public:
    cCondVarDlg(int templateId, cDlg* parent, int kind, const cEditReq* req, cWndRegistry* registry,
                cCtrl* ownerCtrl, int centre, int scope, int varId);

    void OnCommand(WPARAM wp, LPARAM lp) override;
    void OnInitDialog(WPARAM wp, LPARAM lp) override;

    int m_nScope;
    cVector<cString> m_VarNames;
    cVector<cString> m_CompareNames;
    cVector<cCtrlComboItem<int16_t>> m_Vars;
    cVector<cCtrlComboItem<int8_t>> m_Combos;
    cVector<cCtrlEditValItem<int32_t>> m_Vals;
    cVector<cCtrlButtonItem> m_Buttons;
};

// The character variables "1 キャラ変数-1" .. "8 キャラ変数-8".
void MakeCharaVarNameList(cVector<cString>* out);

// The subjects that conditions offer, by the open definition sheet: a block
// sheet the player's ("主人公", "ターゲット"), a character sheet the
// character's ("自分", "ターゲット"), an item sheet the character's while
// item commands are edited, else the player's; "システム" follows when
// withSystem is set. Empty while no sheet is open.
void MakeSubjectList(cVector<cString>* out, int withSystem);

// Scopes of variables.
enum { kVarCommon = 0, kVarStage = 1 };
// The names of the common (scope 0) or stage (1) variables.
cVector<cEdValInfo>* VarTable(int scope);

// Asks for a new name of variable var of the scope over the control
// ("変数名の入力", at most 12 bytes). A variable outside the table beeps.
// Common variables are written to their file at once when saveCommon is set;
// a failed write is reported. True when a name was entered.
bool RenameVariable(cDlg* owner, int scope, int var, cCtrl* over, bool saveCommon);

// The row text of a condition in every condition list.
void CondRowText(cString* out, int index, const cEdCond* cond);
