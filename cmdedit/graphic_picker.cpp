#include "cmdedit/graphic_picker.h"

#include <new>

#include "app/services.h"
#include "base/msgbox.h"
#include "cmdedit/graphic_picker_res.h"

namespace {

// The sheets in g_Bitmaps, composed when the project is loaded.
const int kFirstSheetSurface = 27;

int Clip(int v, int lo, int hi) {
    return v < lo ? lo : v > hi ? hi : v;
}

}  // namespace

int PickCellAt(int x, int y) {
    const int column = Clip(x < 0 ? 0 : x / kPickCell, 0, kPickWidth / kPickCell - 1);
    const int row = Clip(y < 0 ? 0 : y / kPickCell, 0, kPickRows - 1);
    return column * kPickRows + row;
}

cGraphicPickDlg::cGraphicPickDlg(int16_t* target, int sheet, cDlg* parent, cCtrl* owner)
    : cDlg(IDD_GRAPHIC_PICK, parent, kWndDialog, &g_WndRegistry, owner, 0), m_pTarget(target), m_nSheet(sheet) {
    SetLayout(kPickWidth, kPickHeight, kPickWidth, kPickHeight, kPickWidth, kPickHeight, 0, 0, 0, 0, 0, 0);
    m_Sheet.m_Param.Set(IDC_GP_SHEET, kPickWidth, kPickHeight);
}

cGraphicPickDlg::~cGraphicPickDlg() { DestroyModeless(); }

void cGraphicPickDlg::OnInitDialog(WPARAM wp, LPARAM lp) {
    cDlg::OnInitDialog(wp, lp);
    AddCtrl(m_Sheet);
    SetWindowPos(GetDlgItem(m_hWnd, IDC_GP_SHEET), nullptr, 0, 0, kPickWidth, kPickHeight,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    DataToCtrls();
    m_bInit = 1;
    m_bReady = 1;
}

void cGraphicPickDlg::Draw() {
    if (!m_bInit || m_bDrawing) return;
    cCtrlPicture& pic = m_Sheet.m_Ctrl;
    cDib& dib = pic.m_Offscreen;
    if (!dib.m_hDC) return;
    m_bDrawing = 1;
    dib.Clear(RGB(0, 0, 0));
    if (m_nSheet >= 0 && m_nSheet < kPickSheetCount) {
        const cDib& sheet = g_Bitmaps[kFirstSheetSurface + m_nSheet];
        if (sheet.m_hDC) dib.Blt(0, 0, sheet.m_Width, sheet.m_Height, sheet, 0, 0, 1);
    }
    POINT pt;
    GetCursorPos(&pt);
    ScreenToClient(pic.m_hWnd ? pic.m_hWnd : m_hWnd, &pt);
    m_nCell = PickCellAt(pt.x, pt.y);
    const int x = m_nCell / kPickRows * kPickCell, y = m_nCell % kPickRows * kPickCell;
    dib.SelectPen(PS_SOLID, 2, RGB(255, 255, 255));
    dib.Rect(x + 1, y + 1, kPickCell - 2, kPickCell - 2);
    dib.DeletePen();
    if (pic.m_Screen.m_hDC) pic.m_Screen.Blt(0, 0, kPickWidth, kPickHeight, dib, 0, 0, 1);
    m_bDrawing = 0;
}

LRESULT cGraphicPickDlg::MsgProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    const int r = DefMsgProc(hwnd, msg, wp, lp);
    if (msg == WM_LBUTTONDOWN && m_bInit) {
        const int cell = PickCellAt(static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp)));
        if (m_pTarget) *m_pTarget = static_cast<int16_t>(cell);
        m_bInit = 0;
        Close(1);
        return 1;
    }
    if (msg == WM_CLOSE) {
        m_bInit = 0;
        Close(0);
        return 1;
    }
    if (m_bInit && msg != WM_DESTROY && msg != WM_NCDESTROY) Draw();
    // the sheet's control asks its owner to paint it
    if (msg == WM_DRAWITEM && wp == IDC_GP_SHEET) return TRUE;
    return r;
}

int RunGraphicPick(int16_t* target, int sheet, cDlg* parent, cCtrl* owner) {
    if (sheet < 0 || sheet >= kPickSheetCount) return 0;
    cGraphicPickDlg* dlg = new (std::nothrow) cGraphicPickDlg(target, sheet, parent, owner);
    if (!dlg) {
        OutOfMemory();
        return 0;
    }
    const int result = dlg->RunModal(0);
    delete dlg;
    return result == 1 ? 1 : 0;
}

int PickGraphic(int16_t* target, int kind, cDlg* parent, cCtrl* owner) {
    if (kind == 4) return 0;
    const int sheet = kind >= 1 && kind <= 3 ? kind : 0;
    return RunGraphicPick(target, sheet, parent, owner);
}
