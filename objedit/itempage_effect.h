// The item sheet's second page (dialog 203): enlargement, taking, the sound
// and the list of effect commands that run when the item is taken. The
// commands are edited through the item command selection (dialog 216).
#pragma once

#include <cstdint>

#include "base/containers.h"
#include "model/definitions.h"
#include "objedit/itemsheet.h"
#include "ui/ctrlbutton.h"
#include "ui/ctrlcheck.h"
#include "ui/ctrlcombo.h"
#include "ui/ctrllist.h"
#include "ui/ctrlpicture.h"
#include "ui/ctrlstatic.h"

class cItemCmdSelectDlg;

class cItemPageEffect : public cItemPage {
public:
    cItemPageEffect(int templateId, cDlg* parent, int kind, cWndRegistry* registry);
    ~cItemPageEffect() override;

    LRESULT MsgProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) override;
    void OnInitDialog(WPARAM wp, LPARAM lp) override;
    void OnCommand(WPARAM wp, LPARAM lp) override;
    void Draw() override;

    // Steps to the previous (-1) or next (+1) entry of the basic page's
    // palette working copy.
    void Step(int step);

    cCtrlList<cEdCommand>& CmdList() { return m_Lists[0].m_Ctrl; }

    cItemCmdSelectDlg* m_pCmdDlg = nullptr;  // the selection while it runs
    cVector<cString> m_SoundList;
    cVector<cCtrlComboItem<int8_t>> m_Combos;
    cVector<cCtrlComboItem<int16_t>> m_SoundCombo;
    cVector<cCtrlCheckItem<int8_t>> m_Checks;
    cVector<cCtrlCheckItem<int8_t>> m_Inherits;  // flags 8 .. 12
    cVector<cCtrlListItem<cEdCommand>> m_Lists;
    cVector<cCtrlPictureItem> m_Pictures;
    cVector<cCtrlButtonItem> m_Buttons;
    cVector<cCtrlStaticItem> m_Statics;

protected:
    void Bind() override;
    void Attach(bool first) override;

private:
    void UpdateGroups();
    void EnableInheritBoxes();
    void ApplyInherit();
    void InsertCmd();
    void EditCmd();
    int RunSelect(cEditReq* req, int centre, cCtrl* over);
    void ShowNo();
    void Changed();
};

// Runs the flows page (dialog 201) modal in its nested mode over the flows
// of an item command, with the nested flow context set while it runs: the
// flows, the operation and the ID letter chosen in the flow change dialog.
// A command without flows gains one default flow first. The page's OK
// writes the flows into *flows. 1 after OK, 0 after cancel.
int RunNestedFlowsPage(cDlg* owner, cDlg** holder, cVector<cEdFlow>* flows, int op, int id);
