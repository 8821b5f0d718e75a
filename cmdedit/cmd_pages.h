// The edit page of each command kind of character flows. A page class is
// entered into the one table in cmd_pages.cpp with its kind; a kind without
// an entry is edited on the plain page (cmdpage_plain.h).
#pragma once

#include "cmdedit/cmd_dlg.h"

// The page class of a character-flow kind, or null when none is entered.
CmdPageFactory FindCmdPage(int kind);
// Builds the page of the kind on its page dialog (the plain page for a kind
// without one); null when it could not be allocated.
cCmdDlg* MakeCmdPageForKind(int kind, int templateId, cDlg* parent, const cEditReq* req, cCtrl* ownerCtrl);
