// The item command selection dialog "コマンド" (dialog 216): one button per
// kind of item effect command (the second command set, g_CmdKind2). For a
// new command the pressed button fixes the command's kind and runs that
// kind's page; an existing command opens its page at once and the dialog is
// never seen. Kind 1 "フローの変更" opens the flow change dialog 217; the
// other kinds open the page of the character-flow kind 15 above them.
#pragma once

#include "base/containers.h"
#include "cmdedit/cmd_dlg.h"
#include "cmdedit/cmdselect_dlg.h"
#include "model/cmd_tables.h"
#include "ui/ctrlbutton.h"
#include "ui/dlg.h"

// The button and the page dialog of an item command kind (0 and 0 for a
// kind outside 1 .. 21).
int ItemCmdKindButton(int kind);
int ItemCmdKindPageId(int kind);
// The character-flow kind whose page an item command kind opens (kind + 15
// for 2 .. 21); 0 for kind 1 and for a kind outside the table.
int ItemCmdSharedKind(int kind);

class cItemCmdSelectDlg : public cCmdSelectBase {
public:
    cItemCmdSelectDlg(int templateId, cDlg* parent, int kind, const cEditReq* req, cWndRegistry* registry,
                      cCtrl* ownerCtrl, int centre);
    ~cItemCmdSelectDlg() override;

    void Draw() override {}

    // Builds the kind's page into the holder, runs it modal over the item
    // sheet's command list and destroys it; the page's result (1 without an
    // item sheet, 0 when the page could not be made).
    int OpenCmdDlg(cCmdDlg** holder, int kind, int pageId) override;

    cCmdDlg* m_pPages[kCmdKind2Count] = {};
};
