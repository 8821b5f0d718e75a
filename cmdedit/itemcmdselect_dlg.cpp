#include "cmdedit/itemcmdselect_dlg.h"

#include "app/services.h"
#include "base/msgbox.h"
#include "cmdedit/cmd_pages.h"
#include "cmdedit/cmdpage_itemflowop.h"
#include "cmdedit/itemcmdselect_dlg_res.h"
#include "model/system.h"

namespace {

// {button, page dialog} of the item command kinds 0 .. 21.
const uint16_t kKindUi[kCmdKind2Count][2] = {
    {0, 0},      {1267, 217}, {1268, 245}, {1269, 244}, {1270, 239}, {1271, 264}, {1272, 265}, {1273, 215},
    {1274, 266}, {1275, 268}, {1276, 232}, {1277, 230}, {1278, 227}, {1279, 234}, {1280, 213}, {1281, 231},
    {1282, 233}, {1283, 238}, {1284, 240}, {1285, 228}, {1286, 229}, {1287, 252},
};
// The buttons of the rows after the kinds (no page, never shown).
const uint16_t kSpareButtons[] = {1288, 1289, 1290, 1291, 1292, 1293, 1294, 1295, 1296, 1297, 1298, 1300,
                                  1301, 1302, 1303, 1304, 1305, 1306, 1307, 1308, 1309, 1310, 1311, 1312};

const int kFlowChangeKind = 1;
const int kSharedKindOffset = 15;  // item kind k (2 .. 21) = character-flow kind k + 15
const int kScreenColorKind = 17;   // "画面の色を変更": needs the colour palette
const int kColorMode24 = 1;

bool IsKindRow(int kind) { return kind >= 1 && kind < kCmdKind2Count; }

}  // namespace

int ItemCmdKindButton(int kind) { return IsKindRow(kind) ? kKindUi[kind][0] : 0; }
int ItemCmdKindPageId(int kind) { return IsKindRow(kind) ? kKindUi[kind][1] : 0; }
int ItemCmdSharedKind(int kind) {
    return IsKindRow(kind) && kind != kFlowChangeKind ? kind + kSharedKindOffset : 0;
}

cItemCmdSelectDlg::cItemCmdSelectDlg(int templateId, cDlg* parent, int kind, const cEditReq* req,
                                     cWndRegistry* registry, cCtrl* ownerCtrl, int centre)
    : cDlg(templateId, parent, kind, registry, ownerCtrl, centre) {
    if (req) m_Req = *req;
    m_Table.resize(kCmdSelectRows);
    m_Table[0].Set(0, 0, nullptr, 0);
    for (int k = 1; k < kCmdKind2Count; ++k) m_Table[k].Set(kKindUi[k][0], kKindUi[k][1], &m_pPages[k], 1);
    for (int r = kCmdKind2Count; r < kCmdSelectRows; ++r)
        m_Table[r].Set(kSpareButtons[r - kCmdKind2Count], 0, nullptr, 0);
    m_Buttons.resize(kCmdSelectRows - 1);
    for (int r = 1; r < kCmdSelectRows; ++r) m_Buttons[r - 1].m_Param.Set(m_Table[r].m_nButton);
}

cItemCmdSelectDlg::~cItemCmdSelectDlg() {
    DestroyModeless();
    for (cCmdDlg*& page : m_pPages) SafeDelete(&page);
}

void cItemCmdSelectDlg::OnInitDialog(WPARAM wp, LPARAM lp) {
    cDlg::OnInitDialog(wp, lp);
    if (HWND canvas = GetDlgItem(m_hWnd, IDC_ICS_CANVAS)) ShowWindow(canvas, SW_HIDE);
    AddCtrls(m_Buttons);
    for (int r = 1; r < kCmdSelectRows; ++r) {
        cCtrlButton& button = m_Buttons[r - 1].m_Ctrl;
        if (m_Table[r].m_bEnabled && r < kCmdKind2Count)
            button.SetCaption(g_CmdKind2[r].m_Name.c_str());
        else
            button.Show(SW_HIDE);
    }
    if (g_System.m_ColorMode == kColorMode24) m_Buttons[kScreenColorKind - 1].m_Ctrl.Enable(0);
    DataToCtrls();
    // an existing command goes straight to its page; a kind the table does
    // not know (damaged data) leaves the choice to the author instead of
    // reading past the table
    const cEdCommand* cmd = m_Req.Record<cEdCommand>();
    if (!m_Req.m_bNew && cmd && IsKindRow(cmd->m_nKind))
        SendMessageA(m_hWnd, WM_COMMAND, m_Table[cmd->m_nKind].m_nButton, 0);
    m_bLive = 1;
    m_bReady = 1;
}

void cItemCmdSelectDlg::OnCommand(WPARAM wp, LPARAM lp) {
    if (!AllowCommand(wp)) return;
    cDlg::OnCommand(wp, lp);
    const uint16_t id = LOWORD(wp);
    for (int r = 1; r < kCmdSelectRows; ++r) {
        const cCmdEntry& row = m_Table[r];
        if (!row.m_nButton || !row.m_nPage || row.m_nButton != id) continue;
        cEdCommand* cmd = m_Req.Record<cEdCommand>();
        if (!cmd) return;
        cmd->m_nCmdSet = 1;
        cmd->m_nKind = static_cast<int8_t>(r);
        Close(OpenCmdDlg(row.m_lpHolder, r, row.m_nPage));
        return;
    }
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

LRESULT cItemCmdSelectDlg::MsgProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    const int handled = DefMsgProc(hwnd, msg, wp, lp);
    if (msg == WM_CLOSE) Close(0);
    if (msg == WM_CLOSE || handled) {
        Draw();
        return 1;
    }
    return 0;
}
