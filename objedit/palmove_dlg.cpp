#include "objedit/palmove_dlg.h"

#include "app/services.h"
#include "base/msgbox.h"
#include "model/stage.h"
#include "objedit/palmove_dlg_res.h"

namespace {

const cString kOpNames[] = {"移動", "コピー＆挿入", "削除", ""};

int CountOf(void* palette, int kind) {
    if (!palette) return 0;
    switch (kind) {
        case 0: return static_cast<int>(static_cast<cVector<cEdBlock>*>(palette)->size());
        case 1: return static_cast<int>(static_cast<cVector<cEdChara>*>(palette)->size());
        case 2: return static_cast<int>(static_cast<cVector<cEdItem>*>(palette)->size());
    }
    return 0;
}

}  // namespace

cString PalMoveRefusal(int op, int first, int last, int dest) {
    cString msg;
    if (first > last) {
        msg.Format("範囲の指定が正しくありません！(%d～%d)", first, last);
    } else if (op == kPalMove && dest >= first + 2 && dest <= last) {
        msg.Format("移動先が移動する範囲の中にあります！(%d)", dest);
    }
    return msg;
}

cPalMoveDlg::cPalMoveDlg(cDlg* parent, cWndRegistry* registry, void* palette, int stage, int kind, int x, int y)
    : cDlg(IDD_PAL_MOVE, parent, kWndDialog, registry, x, y), m_lpPal(palette), m_bStage(stage ? 1 : 0), m_nKind(kind) {
    const int count = CountOf(palette, kind);
    const int top = count - 1 < 1 ? 1 : count - 1;
    m_Vals.resize(3);
    m_Vals[0].m_Param.Set(IDC_PALMOVE_FIRST, &m_nFirst, 1, top, IDC_PALMOVE_FIRST_SPIN, 1);
    m_Vals[1].m_Param.Set(IDC_PALMOVE_LAST, &m_nLast, 1, top, IDC_PALMOVE_LAST_SPIN, 1);
    m_Vals[2].m_Param.Set(IDC_PALMOVE_DEST, &m_nDest, 1, count < 1 ? 1 : count, IDC_PALMOVE_DEST_SPIN, 1);
    m_Op.m_Param.Set(IDC_PALMOVE_OP, &m_nOp, kOpNames, 0);
}

cPalMoveDlg::~cPalMoveDlg() {
    DestroyModeless();
}

void cPalMoveDlg::OnInitDialog(WPARAM wp, LPARAM lp) {
    cDlg::OnInitDialog(wp, lp);
    ShowWindow(GetDlgItem(m_hWnd, IDC_PALMOVE_CANVAS), SW_HIDE);
    AddCtrls(m_Vals);
    AddCtrl(m_Op);
    DataToCtrls();
    UpdateCtrls();
    m_bReady = 1;
}

LRESULT cPalMoveDlg::MsgProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    const int handled = DefMsgProc(hwnd, msg, wp, lp);
    if (msg == WM_CLOSE) {
        Close(0);
        return 1;
    }
    return handled;
}

void cPalMoveDlg::UpdateCtrls() {
    if (!m_hWnd) return;
    LRESULT op = SendDlgItemMessageA(m_hWnd, IDC_PALMOVE_OP, CB_GETCURSEL, 0, 0);
    if (op == CB_ERR) op = m_nOp;
    const BOOL on = op != kPalDelete;
    EnableWindow(GetDlgItem(m_hWnd, IDC_PALMOVE_DEST), on);
    EnableWindow(GetDlgItem(m_hWnd, IDC_PALMOVE_DEST_SPIN), on);
}

void cPalMoveDlg::OnCommand(WPARAM wp, LPARAM lp) {
    cDlg::OnCommand(wp, lp);
    switch (LOWORD(wp)) {
        case kIdOk:
            OnOk();
            break;
        case kIdCancel:
            Close(0);
            break;
        default:
            if (GetChangedCtrlId(wp)) UpdateCtrls();
            break;
    }
}

void cPalMoveDlg::ApplyBlocks() {
    if (m_nKind == 0 && m_lpPal)
        ApplyPalMove(*static_cast<cVector<cEdBlock>*>(m_lpPal), m_nOp, m_nFirst, m_nLast, m_nDest);
}

void cPalMoveDlg::ApplyCharas() {
    if (m_nKind == 1 && m_lpPal)
        ApplyPalMove(*static_cast<cVector<cEdChara>*>(m_lpPal), m_nOp, m_nFirst, m_nLast, m_nDest);
}

void cPalMoveDlg::ApplyItems() {
    if (m_nKind == 2 && m_lpPal)
        ApplyPalMove(*static_cast<cVector<cEdItem>*>(m_lpPal), m_nOp, m_nFirst, m_nLast, m_nDest);
}

void cPalMoveDlg::OnOk() {
    CtrlsToData();
    const cString refusal = PalMoveRefusal(m_nOp, m_nFirst, m_nLast, m_nDest);
    if (!refusal.empty()) {
        ErrorBoxF("%s", refusal.CStr());
        return;
    }
    switch (m_nKind) {
        case 0: ApplyBlocks(); break;
        case 1: ApplyCharas(); break;
        case 2: ApplyItems(); break;
    }
    const int count = CountOf(m_lpPal, m_nKind);
    if (g_StageEdit.g_EditSource[1] >= count) g_StageEdit.g_EditSource[1] = count - 1;
    if (m_bStage) {
        switch (m_nKind) {
            case 0: g_Stage.RefreshStageInheritBlock(); break;
            case 1: g_Stage.RefreshStageInheritChara(); break;
            case 2: g_Stage.RefreshStageInheritItem(); break;
        }
        g_StageEdit.m_bModified = 1;
    } else {
        switch (m_nKind) {
            case 0: g_Stage.RefreshInheritBlock(); break;
            case 1: g_Stage.RefreshInheritChara(); break;
            case 2: g_Stage.RefreshInheritItem(); break;
        }
        g_StageEdit.m_bCommonModified = 1;
    }
    g_StageEdit.ClearPalClip();
    Close(1);
}
