// The character sheet's first page (dialog 140, "1"): the inheritance link,
// name, who controls the character, faction and id, the appearance
// conditions, the facing and the clone layout. It also keeps the palette
// working copy through which "←" / "→" step, and writes the record back on
// Apply.
#pragma once

#include <cstdint>

#include "base/containers.h"
#include "objedit/charasheet.h"
#include "ui/ctrlbutton.h"
#include "ui/ctrlcheck.h"
#include "ui/ctrlcombo.h"
#include "ui/ctrleditstr.h"
#include "ui/ctrleditval.h"
#include "ui/ctrllist.h"
#include "ui/ctrlpicture.h"
#include "ui/ctrlstatic.h"
#include "ui/dlghelpers.h"

// Runs the condition dialog on the request's record: 1 confirmed, 0
// cancelled; dialog 170 unless a caller puts another in its place.
typedef int (*CondDialogFn)(cDlg* owner, cEditReq* req);
extern CondDialogFn g_RunCondDialog;

// Insert (the new condition at the current row, taken back when its dialog
// is cancelled) and edit (the current row) of an appearance condition list
// over conds, with g_RunCondDialog.
void InsertAppearCond(cDlg* owner, cCtrlList<cEdCond>& list, cVector<cEdCond>& conds);
void EditAppearCond(cDlg* owner, cCtrlList<cEdCond>& list, cVector<cEdCond>& conds);

// The row text of a condition in the appearance list.
void AppearCondText(cString* out, int index, const cEdCond* cond);

class cCharaPageBasic : public cCharaPage {
public:
    cCharaPageBasic(int templateId, cDlg* parent, int kind, cWndRegistry* registry);
    ~cCharaPageBasic() override;

    LRESULT MsgProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) override;
    void OnInitDialog(WPARAM wp, LPARAM lp) override;
    void OnCommand(WPARAM wp, LPARAM lp) override;
    void Draw() override;
    void BindRecord(const cEdChara& record) override;

    // Steps to the previous (-1) or next (+1) palette entry.
    void Step(int step);
    // Writes the working copy back by the edit target.
    void WriteBack();

    cVector<cEdChara> m_PalWork;  // the palette working copy (targets 1 and 2)
    cVector<cString> m_IndexList;
    cVector<cCtrlComboItem<int8_t>> m_Combos;
    cVector<cCtrlComboItem<int16_t>> m_IndexCombo;
    cVector<cCtrlEditValItem<int8_t>> m_Bytes;
    cVector<cCtrlEditValItem<int16_t>> m_Shorts;
    cVector<cCtrlEditStrItem> m_Strs;
    cVector<cCtrlCheckItem<int8_t>> m_Checks;    // the option checks
    cVector<cCtrlCheckItem<int8_t>> m_Inherits;  // the nine "継承→" checks
    cVector<cCtrlListItem<cEdCond>> m_Lists;
    cVector<cCtrlPictureItem> m_Pictures;
    cVector<cCtrlButtonItem> m_Buttons;
    cVector<cCtrlStaticItem> m_Statics;
    cCtrlHandler<cCharaPageBasic> m_Handlers[7];
    int m_bInit = 0;

private:
    void FillParams();
    void AttachAll(bool enter);
    void OnPrev() { Step(-1); }
    void OnNext() { Step(1); }
    void OnSourceChanged();
    void OnIndexChanged();
    void OnControlChanged();
    void OnFaceChanged();
    void OnNothing() {}
    void OnInheritClicked(int flag);
    void ApplyInheritNow();
    void UpdateGroup(int flag);
    void UpdateGroups();
    void ControlRule();
    void RunHandlers(bool withSource);
    void ShowNo();
    void Changed();
    void EnableId(int id, bool flag);
    cCtrlList<cEdCond>& CondList() { return m_Lists[0].m_Ctrl; }
};
