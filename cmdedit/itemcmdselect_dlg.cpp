#include "cmdedit/itemcmdselect_dlg.h"

#include "app/services.h"
#include "base/msgbox.h"
#include "cmdedit/cmd_pages.h"
#include "cmdedit/cmdpage_itemflowop.h"

namespace {

// {button, page dialog} of the item command kinds 0 .. 21.
const uint16_t kKindUi[kCmdKind2Count][2] = {
    {0, 0},      {1267, 217}, {1268, 245}, {1269, 244}, {1270, 239}, {1271, 264}, {1272, 265}, {1273, 215},
    {1274, 266}, {1275, 268}, {1276, 232}, {1277, 230}, {1278, 227}, {1279, 234}, {1280, 213}, {1281, 231},
    {1282, 233}, {1283, 238}, {1284, 240}, {1285, 228}, {1286, 229}, {1287, 252},
};
// The buttons of the rows after the kinds (no page, never shown).
const uint16_t kSpareButtons[kCmdSelectRows - kCmdKind2Count] = {
    1288, 1289, 1290, 1291, 1292, 1293, 1294, 1295, 1296, 1297, 1298, 1300,
    1301, 1302, 1303, 1304, 1305, 1306, 1307, 1308, 1309, 1310, 1311, 1312,
};

const int kFlowChangeKind = 1;
const int kSharedKindOffset = 15;  // item kind k (2 .. 21) = character-flow kind k + 15
const int kScreenColorKind = 17;   // "画面の色を変更": needs the colour palette

bool IsKindRow(int kind) { return kind >= 1 && kind < kCmdKind2Count; }

}  // namespace

int ItemCmdKindButton(int kind) { return IsKindRow(kind) ? kKindUi[kind][0] : 0; }
int ItemCmdKindPageId(int kind) { return IsKindRow(kind) ? kKindUi[kind][1] : 0; }
int ItemCmdSharedKind(int kind) {
    return IsKindRow(kind) && kind != kFlowChangeKind ? kind + kSharedKindOffset : 0;
}

cItemCmdSelectDlg::cItemCmdSelectDlg(int templateId, cDlg* parent, int kind, const cEditReq* req,
                                     cWndRegistry* registry, cCtrl* ownerCtrl, int centre)
    : cCmdSelectBase(templateId, parent, kind, req, registry, ownerCtrl, centre, g_CmdKind2, kCmdKind2Count, 1,
                     kScreenColorKind) {
    InitTable(kKindUi, m_pPages, kSpareButtons);
}

cItemCmdSelectDlg::~cItemCmdSelectDlg() {
    DestroyModeless();
    for (cCmdDlg*& page : m_pPages) SafeDelete(&page);
}

int cItemCmdSelectDlg::OpenCmdDlg(cCmdDlg** holder, int kind, int pageId) {
    if (!g_StageEdit.g_ItemSheet) return 1;
    SafeDelete(holder);
    if (kind == kFlowChangeKind)
        *holder = MakeCmdPage<cCmdDlgItemFlowOp>(pageId, this, &m_Req, m_lpOwnerCtrl);
    else
        *holder = MakeCmdPageForKind(ItemCmdSharedKind(kind), pageId, this, &m_Req, m_lpOwnerCtrl);
    if (!*holder) {
        OutOfMemory();
        return 0;
    }
    const int result = (*holder)->RunModal(0);
    SafeDelete(holder);
    return result;
}
