#include "projedit/mapchip_palette.h"

#include "app/services.h"
#include "model/prjoption.h"
#include "model/worldmap.h"
#include "model/worldmap_edit.h"
#include "projedit/mapchip_palette_res.h"
#include "ui/dlghelpers.h"

namespace {

const int kCell = 32;
const int kPerRow = 5;
const int kWidth = 160;
const int kHeight = 64;
const int kMapChipBitmap = 23;

cEdWindowPlace& Placement() {
    return EditConfig.m_Place[kPlaceMapChips];
}

RECT ParentRect(cDlg* parent) {
    RECT rc = {0, 0, 0, 0};
    if (parent && parent->m_hWnd) GetWindowRect(parent->m_hWnd, &rc);
    return rc;
}

int InitX(cDlg* parent) {
    if (Placement().m_bValid) return Placement().m_nX;
    const RECT rc = ParentRect(parent);
    return rc.right;
}

int InitY(cDlg* parent) {
    if (Placement().m_bValid) return Placement().m_nY;
    return ParentRect(parent).top + 10;
}

}  // namespace

cMapChipPaletteDlg* cMapChipPaletteDlg::s_pThis = nullptr;

cMapChipPaletteDlg::cMapChipPaletteDlg(cDlg* parent, cWndRegistry* registry)
    : cDlg(IDD_MAPCHIP_PALETTE, parent, kWndDialog, registry, InitX(parent), InitY(parent)) {
    s_pThis = this;
    const cEdWindowPlace& place = Placement();
    const int w = place.m_bValid ? place.m_nWidth : kWidth;
    const int h = place.m_bValid ? place.m_nHeight : kHeight;
    SetLayout(w, h, kWidth, kCell, kWidth, kHeight, 0, 0, 0, 1, 0, kVScrollBar);
    m_Canvas.m_Param.Set(IDC_MAPCHIP_CANVAS, kWidth, kHeight);
}

cMapChipPaletteDlg::~cMapChipPaletteDlg() {
    DestroyModeless();
    if (s_pThis == this) s_pThis = nullptr;
}

int cMapChipPaletteDlg::ChipRows() {
    const int chips = static_cast<int>(g_WorldMap.m_Chips.size());
    return (chips + kPerRow - 1) / kPerRow;
}

void cMapChipPaletteDlg::OnInitDialog(WPARAM wp, LPARAM lp) {
    cDlg::OnInitDialog(wp, lp);
    m_hStatus = CreateWindowExA(0, STATUSCLASSNAMEA, "", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, m_hWnd, nullptr, m_hInst,
                                nullptr);
    // One part over the whole width, which is also readable through SB_GETTEXT.
    if (m_hStatus) {
        int right = -1;
        SendMessageA(m_hStatus, SB_SETPARTS, 1, reinterpret_cast<LPARAM>(&right));
    }
    m_Canvas.m_Ctrl.Attach(this, m_Canvas.m_Param);
    OnSize();
    DataToCtrls();
    m_bReady = 1;
}

void cMapChipPaletteDlg::OnSize() {
    if (!m_hWnd) return;
    UpdateLayout();
    if (m_Canvas.m_Ctrl.m_hWnd)
        MoveWindow(m_Canvas.m_Ctrl.m_hWnd, m_rcCanvas.x, m_rcCanvas.y, m_rcCanvas.w, m_rcCanvas.h, TRUE);
    cCtrlScroll& bar = m_VScroll.m_Ctrl;
    if (!bar.m_hWnd) return;
    // The range covers every row of chips, so that each can be shown and
    // picked; with the dialog's own range of 0..0 only the first two rows
    // could be.
    const int rows = ChipRows();
    bar.SetRange(0, rows > 0 ? rows - 1 : 0);
    bar.SetPage(m_rcCanvas.h / kCell);
    m_nFirstRow = bar.GetPos();
}

LRESULT cMapChipPaletteDlg::MsgProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    // Messages that still arrive while the window goes away must not give
    // the object its handle back.
    if (m_bDestroyed) return 0;
    int handled = DefMsgProc(hwnd, msg, wp, lp);
    switch (msg) {
        case WM_DESTROY: {
            m_bDestroyed = 1;
            m_hWnd = nullptr;
            StoreWindowPlace(hwnd, &Placement());
            EditConfig.Save(g_EditConfigPath.CStr());
            return 1;
        }
        case WM_SIZE:
            OnSize();
            handled = 1;
            break;
        case WM_CLOSE:
            return 1;
        case WM_VSCROLL:
            if (m_VScroll.m_Ctrl.m_hWnd) m_nFirstRow = m_VScroll.m_Ctrl.GetPos();
            handled = 1;
            break;
    }
    if (handled && m_bReady && m_hWnd) Draw();
    return handled;
}

void cMapChipPaletteDlg::OnLButtonDown(WPARAM, LPARAM lp) {
    const int x = static_cast<short>(LOWORD(lp)) - m_rcCanvas.x;
    const int y = static_cast<short>(HIWORD(lp)) - m_rcCanvas.y;
    if (x < 0 || y < 0 || x >= m_rcCanvas.w || y >= m_rcCanvas.h) return;
    cWorldMapEdit& ed = g_WorldMapEdit;
    const int chip = (m_nFirstRow + y / kCell) * kPerRow + x / kCell;
    ed.m_SelEntry = chip;
    ed.m_Pattern[0] = chip;
    ed.m_PatternWidth = 1;
    ed.m_PatternHeight = 1;
}

void cMapChipPaletteDlg::Draw() {
    cDib& dib = m_Canvas.m_Ctrl.m_Offscreen;
    if (!m_hWnd || !dib.m_hDC) return;
    const RGBQUAD& back = g_Palette[53];
    dib.Clear(RGB(back.rgbRed, back.rgbGreen, back.rgbBlue));
    const cEdWorldMap& map = g_WorldMap;
    const int chips = static_cast<int>(map.m_Chips.size());
    for (int row = 0; row < 2; ++row) {
        for (int col = 0; col < kPerRow; ++col) {
            const int c = (row + m_nFirstRow) * kPerRow + col;
            if (c >= chips) break;
            const int g = map.m_Chips[c].m_Graphic;
            dib.Blt(col * kCell, row * kCell, kCell, kCell, g_Bitmaps[kMapChipBitmap], g % 5 * kCell, g / 5 * kCell, 0);
        }
    }
    const int sel = g_WorldMapEdit.m_SelEntry;
    if (sel != -1) {
        dib.SelectPen(PS_SOLID, 2, RGB(127, 0, 255));
        dib.Rect(sel % kPerRow * kCell, (sel / kPerRow - m_nFirstRow) * kCell, kCell, kCell);
        dib.DeletePen();
    }
    m_Canvas.m_Ctrl.m_Screen.Blt(0, 0, m_rcCanvas.w, m_rcCanvas.h, dib, 0, 0, 1);
    if (m_hStatus) {
        cString text;
        if (sel >= 0 && sel < chips) text.Format("%d : %s", sel, map.m_Chips[sel].m_Name.CStr());
        SendMessageA(m_hStatus, SB_SETTEXTA, 0, reinterpret_cast<LPARAM>(text.CStr()));
    }
}
