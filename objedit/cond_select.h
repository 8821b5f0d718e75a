// The condition dialog (dialog 170 "条件"), through which every condition
// list edits a condition: a new condition chooses its kind by one of seven
// buttons, an existing one goes straight to the dialog of its kind.
#pragma once

#include "objedit/cond_base.h"
#include "ui/ctrlbutton.h"

class cCondSelectDlg : public cDlg {
public:
    cCondSelectDlg(int templateId, cDlg* parent, int kind, const cEditReq* req, cWndRegistry* registry,
                   cCtrl* ownerCtrl, int centre);
    ~cCondSelectDlg() override;

    void OnCommand(WPARAM wp, LPARAM lp) override;
    LRESULT MsgProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) override;
    void Draw() override;
    void OnInitDialog(WPARAM wp, LPARAM lp) override;

    // Runs the kind dialog of kind 1 .. 7 on the request's record; 1 when
    // no definition sheet is open (nothing is opened then).
    int OpenKindDlg(int kind);

    struct cKindEntry {
        int m_nButton;
        int m_nDlg;
        cCondKindDlg* m_pDlg;
    };
    cKindEntry m_Kinds[8];
    cEditReq m_Req;
    cVector<cCtrlButtonItem> m_Buttons;
    int m_bInit = 0;
};

// The condition list of the open definition sheet that the kind dialogs are
// placed by (null when none is known).
cCtrl* OpenCondListCtrl();

// Runs dialog 170 for an owner page on the request's condition: the result
// of the dialog (1 stored, 0 cancelled).
int RunCondSelectDlg(cDlg* owner, cEditReq* req);
