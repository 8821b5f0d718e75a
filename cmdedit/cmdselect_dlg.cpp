#include "cmdedit/cmdselect_dlg.h"

#include "base/msgbox.h"
#include "cmdedit/cmd_pages.h"
#include "cmdedit/cmdselect_dlg_res.h"
#include "model/system.h"
#include "ui/dlghelpers.h"

namespace {

// {button, page dialog} of the character-flow kinds 0 .. 36.
const uint16_t kKindUi[kCmdKindCount][2] = {
    {0, 0},       {1267, 207}, {1268, 208}, {1269, 259}, {1270, 260}, {1271, 261}, {1272, 214}, {1273, 262},
    {1274, 273},  {1275, 263}, {1276, 243}, {1277, 209}, {1278, 224}, {1279, 258}, {1280, 256}, {1281, 257},
    {1282, 225},  {1283, 245}, {1284, 244}, {1285, 239}, {1286, 264}, {1287, 265}, {1288, 215}, {1289, 266},
    {1290, 268},  {1291, 232}, {1292, 230}, {1293, 227}, {1294, 234}, {1295, 213}, {1296, 231}, {1297, 233},
    {1298, 238},  {1300, 240}, {1301, 228}, {1302, 229}, {1303, 252},
};

// The buttons of the rows after the kinds (no page, never shown).
const uint16_t kSpareButtons[kCmdSelectRows - kCmdKindCount] = {1304, 1305, 1306, 1307, 1308,
                                                                 1309, 1310, 1311, 1312};

const int kScreenColorKind = 32;  // "画面の色を変更": needs the colour palette
const int kColorMode24 = 1;

bool IsKindRow(int kind) { return kind >= 1 && kind < kCmdKindCount; }

}  // namespace

void cCmdEntry::Set(int button, int page, cCmdDlg** holder, int enabled) {
    m_nButton = static_cast<uint16_t>(button);
    m_nPage = static_cast<uint16_t>(page);
    m_lpHolder = holder;
    m_bEnabled = enabled;
    if (holder) *holder = nullptr;
}

int CmdKindButton(int kind) { return IsKindRow(kind) ? kKindUi[kind][0] : 0; }
int CmdKindPageId(int kind) { return IsKindRow(kind) ? kKindUi[kind][1] : 0; }

cCmdSelectBase::cCmdSelectBase(int templateId, cDlg* parent, int kind, const cEditReq* req,
                               cWndRegistry* registry, cCtrl* ownerCtrl, int centre, const cCmdKindEntry* kinds,
                               int kindCount, int8_t cmdSet, int screenColorKind)
    : cDlg(templateId, parent, kind, registry, ownerCtrl, centre),
      m_lpKinds(kinds),
      m_nKindCount(kindCount),
      m_nCmdSet(cmdSet),
      m_nScreenColorKind(screenColorKind) {
    if (req) m_Req = *req;
}

void cCmdSelectBase::InitTable(const uint16_t (*kindUi)[2], cCmdDlg** pages, const uint16_t* spareButtons) {
    m_Table.resize(kCmdSelectRows);
    m_Table[0].Set(0, 0, nullptr, 0);
    for (int k = 1; k < m_nKindCount; ++k) m_Table[k].Set(kindUi[k][0], kindUi[k][1], &pages[k], 1);
    for (int r = m_nKindCount; r < kCmdSelectRows; ++r) m_Table[r].Set(spareButtons[r - m_nKindCount], 0, nullptr, 0);
    m_Buttons.resize(kCmdSelectRows - 1);
    for (int r = 1; r < kCmdSelectRows; ++r) m_Buttons[r - 1].m_Param.Set(m_Table[r].m_nButton);
}

void cCmdSelectBase::OnInitDialog(WPARAM wp, LPARAM lp) {
    cDlg::OnInitDialog(wp, lp);
    if (HWND canvas = GetDlgItem(m_hWnd, IDC_CS_CANVAS)) ShowWindow(canvas, SW_HIDE);
    AddCtrls(m_Buttons);
    for (int r = 1; r < kCmdSelectRows; ++r) {
        cCtrlButton& button = m_Buttons[r - 1].m_Ctrl;
        if (m_Table[r].m_bEnabled && r < m_nKindCount)
            button.SetCaption(m_lpKinds[r].m_Name.c_str());
        else
            button.Show(SW_HIDE);
    }
    if (g_System.m_ColorMode == kColorMode24) m_Buttons[m_nScreenColorKind - 1].m_Ctrl.Enable(0);
    DataToCtrls();
    // an existing command goes straight to its page; a kind without a row
    // (none yet, or a damaged one) leaves the choice to the author instead of
    // reading past the table
    const cEdCommand* cmd = m_Req.Record<cEdCommand>();
    if (!m_Req.m_bNew && cmd && IsKindRow(cmd->m_nKind))
        SendMessageA(m_hWnd, WM_COMMAND, m_Table[cmd->m_nKind].m_nButton, 0);
    m_bLive = 1;
    m_bReady = 1;
}

void cCmdSelectBase::OnCommand(WPARAM wp, LPARAM lp) {
    if (!AllowCommand(wp)) return;
    cDlg::OnCommand(wp, lp);
    const uint16_t id = LOWORD(wp);
    for (int r = 1; r < kCmdSelectRows; ++r) {
        const cCmdEntry& row = m_Table[r];
        if (!row.m_nButton || !row.m_nPage || row.m_nButton != id) continue;
        cEdCommand* cmd = m_Req.Record<cEdCommand>();
        if (!cmd) return;
        cmd->m_nCmdSet = m_nCmdSet;
        cmd->m_nKind = static_cast<int8_t>(r);
        Close(OpenCmdDlg(row.m_lpHolder, r, row.m_nPage));
        return;
    }
}

LRESULT cCmdSelectBase::MsgProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    const int handled = DefMsgProc(hwnd, msg, wp, lp);
    if (msg == WM_CLOSE) Close(0);
    if (msg == WM_CLOSE || handled) {
        Draw();
        return 1;
    }
    return 0;
}

cCmdSelectDlg::cCmdSelectDlg(int templateId, cDlg* parent, int kind, const cEditReq* req, cWndRegistry* registry,
                             cCtrl* ownerCtrl, int centre)
    : cCmdSelectBase(templateId, parent, kind, req, registry, ownerCtrl, centre, g_CmdKind, kCmdKindCount, 0,
                     kScreenColorKind) {
    InitTable(kKindUi, m_pPages, kSpareButtons);
}

cCmdSelectDlg::~cCmdSelectDlg() {
    DestroyModeless();
    for (cCmdDlg*& page : m_pPages) SafeDelete(&page);
}

int cCmdSelectDlg::OpenCmdDlg(cCmdDlg** holder, int kind, int pageId) {
    SafeDelete(holder);
    *holder = MakeCmdPageForKind(kind, pageId, this, &m_Req, CmdPageOwnerCtrl());
    if (!*holder) {
        OutOfMemory();
        return 0;
    }
    const int result = (*holder)->RunModal(0);
    SafeDelete(holder);
    return result;
}

void cCmdSelectDlg::Draw() {
    if (m_lpParentClass)
        m_lpParentClass->RedrawList();
    else
        DebugErrorBoxF("m_lpParentClass->RedrawList()できない！ m_lpParentClass->RedrawList() = %u", 0u);
}
