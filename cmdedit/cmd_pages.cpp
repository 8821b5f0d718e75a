#include "cmdedit/cmd_pages.h"

#include "cmdedit/cmdpage_code.h"
#include "cmdedit/cmdpage_move.h"
#include "cmdedit/cmdpage_plain.h"
#include "cmdedit/cmdpage_plain_res.h"

// Pages of the individual kinds: one include and one table row each.

namespace {

struct cCmdPageEntry {
    int m_nKind;
    CmdPageFactory m_lpMake;
};

// kind -> page class
const cCmdPageEntry kPages[] = {
    {1, MakeCmdPage<cCmdDlgWait>},
    {2, MakeCmdPage<cCmdDlgLineMove>},
    {3, MakeCmdPage<cCmdDlgGroundTurnMove>},
    {4, MakeCmdPage<cCmdDlgCircleMove>},
    {5, MakeCmdPage<cCmdDlgRushMove>},
    {6, MakeCmdPage<cCmdDlgHomingMove>},
    {7, MakeCmdPage<cCmdDlgScreenAvoidMove>},
    {8, MakeCmdPage<cCmdDlgMoveDisable>},
    {9, MakeCmdPage<cCmdDlgTurn>},
    {36, MakeCmdPage<cCmdDlgCode>},
};

}  // namespace

CmdPageFactory FindCmdPage(int kind) {
    for (const cCmdPageEntry& e : kPages)
        if (e.m_nKind == kind && e.m_lpMake) return e.m_lpMake;
    return nullptr;
}

cCmdDlg* MakeCmdPageForKind(int kind, int templateId, cDlg* parent, const cEditReq* req, cCtrl* ownerCtrl) {
    if (CmdPageFactory make = FindCmdPage(kind)) return make(templateId, parent, req, ownerCtrl);
    return MakeCmdPage<cCmdDlgPlain>(IDD_CMD_PLAIN, parent, req, ownerCtrl);
}
