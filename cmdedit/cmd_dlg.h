// The base of every command edit page: a modal dialog over one command of a
// flow (an element of the flows page's working copy), reached through the
// edit request that the selection dialog hands on. Its controls are bound
// straight to the command's fields and to its move or shot record; OK
// stores them and closes with 1, cancel stores nothing and closes with 0.
#pragma once

#include <new>

#include "model/flow.h"
#include "ui/ctrllist.h"
#include "ui/dlg.h"
#include "ui/registry.h"

// The command lists that a page opens over: the flows page of the open
// character sheet and the flows page nested in the item sheet's flow
// operation set these while their lists exist (null otherwise).
extern cCtrl* g_CharaFlowCmdList;
extern cCtrl* g_NestedFlowCmdList;
// The list a command page is centred over: the nested flows page's while
// an item sheet is open and it exists, else the character sheet's.
cCtrl* CmdPageOwnerCtrl();

class cCmdDlg : public cDlg {
public:
    // Sizes the command's integer parameters to its kind's count (added
    // ones are 0, surplus ones dropped) before the page is shown; cancel does
    // not undo it.
    cCmdDlg(int templateId, cDlg* parent, int kind, const cEditReq* req, cWndRegistry* registry, cCtrl* ownerCtrl,
            int centre);
    ~cCmdDlg() override;

    LRESULT MsgProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) override;
    void OnInitDialog(WPARAM wp, LPARAM lp) override;
    // 1000 stores every bound control and closes with 1, 1001 closes with 0;
    // a change of a bound control of a live page runs UpdateCtrls.
    void OnCommand(WPARAM wp, LPARAM lp) override;
    void Draw() override {}
    // Enables, disables and checks the page's controls by what they show.
    virtual void UpdateCtrls() {}

    cEdCommand* Cmd() const { return m_Req.Record<cEdCommand>(); }
    bool IsNew() const { return m_Req.m_bNew != 0; }

    cEditReq m_Req;
    int m_bLive = 0;  // set at the end of the derived initialisation

protected:
    // The end of a page's initialisation, once its controls are added: fills
    // them from the command, sets what they enable and opens the page for
    // changes.
    void FinishInit();
};

// Makes a page object of class P (the page registry's entries).
typedef cCmdDlg* (*CmdPageFactory)(int templateId, cDlg* parent, const cEditReq* req, cCtrl* ownerCtrl);
// Pages are centred over the owner control.
template <class P>
cCmdDlg* MakeCmdPage(int templateId, cDlg* parent, const cEditReq* req, cCtrl* ownerCtrl) {
    return new (std::nothrow) P(templateId, parent, kWndDialog, req, &g_WndRegistry, ownerCtrl, 1);
}
