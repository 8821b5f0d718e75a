#include "cmdedit/cmdpage_getitem.h"

#include "app/services.h"
#include "cmdedit/cmdpage_getitem_res.h"
#include "cmdedit/cmdpage_parts.h"
#include "model/cmd_tables.h"

namespace {

const int kItemEntries = 2;  // the item vectors of MakeSummonList

}  // namespace

cCmdDlgGetItem::cCmdDlgGetItem(int templateId, cDlg* parent, int kind, const cEditReq* req, cWndRegistry* registry,
                               cCtrl* ownerCtrl, int centre)
    : cCmdDlg(templateId, parent, kind, req, registry, ownerCtrl, centre) {
    // a common palette entry can only give items of the common palette
    TableToList(&m_Palettes, g_StageEdit.g_EditTarget == 2 ? g_ItemGetPaletteCommon : g_ItemGetPaletteAll);
    cEdCommand* cmd = Cmd();
    if (!cmd) return;
    if (cmd->m_Params.size() < 2) cmd->m_Params.resize(2, 0);
    if (IsNew()) {
        cmd->m_nTime = 0;
        cmd->m_bParallel = 1;
        cmd->m_Params[1] = 1;
    }
    MakeSummonList(&m_Items, kItemEntries, cmd->m_Params[0]);
    m_Combos.resize(2);
    m_Combos[0].m_Param.SetList(IDC_GI_PALETTE, &cmd->m_Params[0], &m_Palettes, 0);
    m_Combos[1].m_Param.SetList(IDC_GI_ITEM, &cmd->m_Params[1], &m_Items, 1);
}

cCmdDlgGetItem::~cCmdDlgGetItem() { DestroyModeless(); }

void cCmdDlgGetItem::OnInitDialog(WPARAM wp, LPARAM lp) {
    cCmdDlg::OnInitDialog(wp, lp);
    AddCtrls(m_Combos);
    DataToCtrls();
    UpdateCtrls();
    // the note concerns commands of a character flow or of an item
    // command's nested flow
    const bool flow = g_StageEdit.g_CharaSheet || (g_StageEdit.g_ItemSheet && g_NestedFlowCmdList);
    ShowWindow(GetDlgItem(m_hWnd, IDC_GI_NOTE), flow ? SW_SHOW : SW_HIDE);
    m_bLive = 1;
    m_bReady = 1;
}

void cCmdDlgGetItem::UpdateCtrls() {
    if (m_Combos.size() < 2) return;
    const int palette = m_Combos[0].m_Ctrl.GetCurData();
    if (palette != 0 && palette != 1) return;
    MakeSummonList(&m_Items, kItemEntries, palette);
    m_Combos[1].m_Ctrl.SetItemList(&m_Items);
}
