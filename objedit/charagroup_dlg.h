// The character group window "キャラのグループ情報" (dialog 271): a
// modeless tool window that shows which of the sixty group numbers the
// characters placed on the current stage use. Its boxes are a display only;
// every redraw sets them from the stage. The stage editor's file and undo
// keys work in it as in the stage editor.
#pragma once

#include "base/containers.h"
#include "ui/ctrlbutton.h"
#include "ui/dlg.h"

const int kCharaGroupCount = 60;

// The check box of a group number (0 .. 59).
int CharaGroupCtrlId(int group);

class cCharaGroupDlg : public cDlg {
public:
    cCharaGroupDlg(int templateId, cDlg* parent, int kind, cWndRegistry* registry);
    ~cCharaGroupDlg() override;

    LRESULT MsgProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) override;
    void OnInitDialog(WPARAM wp, LPARAM lp) override;
    void OnCommand(WPARAM wp, LPARAM lp) override;
    // Checks exactly the groups that the stage's grouped characters use.
    void Draw() override;

    cVector<cCtrlButtonItem> m_Checks;
    int m_bInit = 0;
};
