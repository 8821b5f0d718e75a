#include "app/palette_dlg.h"


#include <new>

#include "app/palette_dlg_res.h"
#include "app/stage_edit.h"
#include "app/stage_editor.h"
#include "app/services.h"
#include "model/palette.h"
#include "model/prjoption.h"
#include "model/stage.h"
#include "objedit/blocksheet.h"
#include "objedit/charasheet.h"
#include "objedit/itemsheet.h"
#include "objedit/palmove_dlg.h"
#include "res/command_ids.h"
#include "ui/dlghelpers.h"
#include "ui/inputdlg.h"
#include "ui/propsheet.h"

extern cEditConfig EditConfig;
extern cPrjOption g_PrjOption;

namespace {

const int kCell = 32;
const int kColumns = 8;
const int kVisibleRows = 20;
const int kCanvasWidth = kColumns * kCell;       // 256
const int kCanvasHeight = kVisibleRows * kCell;  // 640
const int kMinCount = 1;
const int kMaxCount = 999;

const char* const kCaptions[2][3] = {
    {"[コモン]ブロックパレット", "[コモン]キャラパレット", "[コモン]アイテムパレット"},
    {"[ステージ]ブロックパレット", "[ステージ]キャラパレット", "[ステージ]アイテムパレット"},
};

const int kPenIds[5] = {ID_PEN_FREE, ID_PEN_LINE, ID_PEN_RECT, ID_PEN_FILL, ID_PEN_EDIT};
const int kRightClickIds[2] = {ID_RCLICK_EDIT, ID_RCLICK_MENU};

const sToolButton kPenButtons[] = {
    {{0, ID_PEN_FREE, TBSTATE_ENABLED, TBSTYLE_CHECKGROUP, {0}, 0, 0}, "普通"},
    {{1, ID_PEN_LINE, TBSTATE_ENABLED, TBSTYLE_CHECKGROUP, {0}, 0, 0}, "直線"},
    {{2, ID_PEN_RECT, TBSTATE_ENABLED, TBSTYLE_CHECKGROUP, {0}, 0, 0}, "矩形"},
    {{3, ID_PEN_FILL, TBSTATE_ENABLED, TBSTYLE_CHECKGROUP, {0}, 0, 0}, "塗り潰し"},
    {{4, ID_PEN_EDIT, TBSTATE_ENABLED, TBSTYLE_CHECKGROUP, {0}, 0, 0}, "パラメーターの編集"},
};

const sToolButton kSeparator[] = {
    {{0, 0, TBSTATE_ENABLED, TBSTYLE_SEP, {0}, 0, 0}, ""},
};

const sToolButton kRightClickButtons[] = {
    {{0, ID_RCLICK_EDIT, TBSTATE_ENABLED, TBSTYLE_CHECKGROUP, {0}, 0, 0}, "右クリックでパレットデータの編集"},
    {{1, ID_RCLICK_MENU, TBSTATE_ENABLED, TBSTYLE_CHECKGROUP, {0}, 0, 0}, "右クリックでメニュー"},
};

// The commands a palette window hands on to the stage editor.
const int kForwarded[] = {ID_ACC_NEW, ID_ACC_OPEN, ID_ACC_SAVE, ID_ACC_TESTPLAY, ID_ACC_REDO, ID_ACC_UNDO,
                          ID_ACC_GAMEPLAY};

int PlaceIndex(int stage, int palKind) {
    return 1 + palKind * 2 + (stage ? 1 : 0);
}

cEdWindowPlace& PlaceOf(int stage, int palKind) {
    return EditConfig.m_Place[PlaceIndex(stage, palKind)];
}

// What each kind of record brings along: its brush, its clipboard slot, the
// project's default record, its object type and its inheritance refreshes.
cVector<cEdBlock>& Brush(cEdBlock*) { return g_StageEdit.m_BrushBlock; }
cVector<cEdChara>& Brush(cEdChara*) { return g_StageEdit.m_BrushChara; }
cVector<cEdItem>& Brush(cEdItem*) { return g_StageEdit.m_BrushItem; }
boost::shared_ptr<cEdBlock>& Clip(cEdBlock*) { return g_StageEdit.m_PalClipBlock; }
boost::shared_ptr<cEdChara>& Clip(cEdChara*) { return g_StageEdit.m_PalClipChara; }
boost::shared_ptr<cEdItem>& Clip(cEdItem*) { return g_StageEdit.m_PalClipItem; }
const cEdBlock& Default(cEdBlock*) { return g_PrjOption.m_DefBlock; }
const cEdChara& Default(cEdChara*) { return g_PrjOption.m_DefChara; }
const cEdItem& Default(cEdItem*) { return g_PrjOption.m_DefItem; }
eObjType TypeOf(cEdBlock*) { return kObjBlock; }
eObjType TypeOf(cEdChara*) { return kObjChara; }
eObjType TypeOf(cEdItem*) { return kObjItem; }

void RefreshFromCommon(int palKind) {
    switch (palKind) {
        case 0: g_Stage.RefreshInheritBlock(); break;
        case 1: g_Stage.RefreshInheritChara(); break;
        case 2: g_Stage.RefreshInheritItem(); break;
    }
}

void RefreshFromStage(int palKind) {
    switch (palKind) {
        case 0: g_Stage.RefreshStageInheritBlock(); break;
        case 1: g_Stage.RefreshStageInheritChara(); break;
        case 2: g_Stage.RefreshStageInheritItem(); break;
    }
}

// Links a record to a palette entry with the project's defaults of a role.
template <class T>
void LinkByRole(T& record, eInheritSituation role, int index) {
    const int k = DefInheritIndex(role, TypeOf(static_cast<T*>(nullptr)));
    SetInherit(&record, TypeOf(static_cast<T*>(nullptr)), g_PrjOption.m_nDefInheritSrc[k],
               static_cast<int16_t>(index), g_PrjOption.m_bbDefInherit[k]);
}

int InitX(cDlg* owner, int stage, int palKind) {
    const cEdWindowPlace& place = PlaceOf(stage, palKind);
    if (place.m_bValid) return place.m_nX;
    if (!owner || !owner->m_hWnd) return kNoInitPos;
    RECT rc = {}, client = {};
    GetWindowRect(owner->m_hWnd, &rc);
    GetClientRect(owner->m_hWnd, &client);
    return rc.left + client.right + 8;
}

int InitY(cDlg* owner, int stage, int palKind) {
    const cEdWindowPlace& place = PlaceOf(stage, palKind);
    if (place.m_bValid) return place.m_nY;
    if (!owner || !owner->m_hWnd) return kNoInitPos;
    RECT rc = {};
    GetWindowRect(owner->m_hWnd, &rc);
    if (!stage) return rc.top + 8;
    int commonHeight = 0;
    cPaletteDlg* common = cPaletteDlg::Window(0, palKind);
    if (common && common->m_hWnd) {
        RECT crc = {};
        GetWindowRect(common->m_hWnd, &crc);
        commonHeight = crc.bottom - crc.top;
    }
    return rc.top + commonHeight + 8;
}

void SetButtons(HWND toolbar, const int* ids, int count, int chosen) {
    if (!toolbar) return;
    for (int i = 0; i < count; ++i) {
        const LPARAM state = TBSTATE_ENABLED | (i == chosen ? TBSTATE_CHECKED : 0);
        SendMessageA(toolbar, TB_SETSTATE, static_cast<WPARAM>(ids[i]), MAKELPARAM(state, 0));
    }
}

}  // namespace

cPaletteDlg* cPaletteDlg::s_pWindows[2][3] = {};

cPaletteDlg* cPaletteDlg::Window(int stage, int palKind) {
    if (palKind < 0 || palKind > 2) return nullptr;
    return s_pWindows[stage ? 1 : 0][palKind];
}

cPaletteDlg::cPaletteDlg(int templateId, cDlg* owner, int kind, cWndRegistry* registry, void* palette, int stage,
                         int palKind)
    : cDlg(templateId, owner, kind, registry, InitX(owner, stage, palKind), InitY(owner, stage, palKind)),
      m_bStage(stage ? 1 : 0),
      m_nKind(palKind),
      m_lpPal(palette),
      m_lpPlace(&PlaceOf(stage, palKind)) {
    if (palKind >= 0 && palKind <= 2) s_pWindows[m_bStage][palKind] = this;
    // The stored placement holds the client size; the canvas is what the
    // toolbar row and the status bar leave of it.
    int height = kCanvasHeight;
    if (m_lpPlace->m_bValid) height = m_lpPlace->m_nHeight - kToolbarRowHeight - kStatusBarHeight;
    if (height < kCell) height = kCell;
    if (height > kCanvasHeight) height = kCanvasHeight;
    SetLayout(kCanvasWidth, height, kCanvasWidth, kCell, kCanvasWidth, kCanvasHeight, 0, 1, 1, 1, 0, kVScrollBar);
    m_Canvas.m_Param.Set(IDC_PALETTE_CANVAS, kCanvasWidth, kCanvasHeight);
    m_strStatus.Set("DLG_PLT");
}

cPaletteDlg::~cPaletteDlg() {
    SafeDelete(&m_lpMoveDlg);
    // The character sheet this window holds (for the stage window also the
    // one opened from the stage).
    if (m_nKind == 1) SafeDelete(CharaSheetHolder(m_bStage ? 1 : 2));
    DestroyModeless();
    if (m_nKind >= 0 && m_nKind <= 2 && s_pWindows[m_bStage][m_nKind] == this) s_pWindows[m_bStage][m_nKind] = nullptr;
    if (m_hPopupBar) DestroyMenu(m_hPopupBar);
}

template <class F>
void cPaletteDlg::ByKind(F f) {
    if (!m_lpPal) return;
    switch (m_nKind) {
        case 0: f(*static_cast<cVector<cEdBlock>*>(m_lpPal)); break;
        case 1: f(*static_cast<cVector<cEdChara>*>(m_lpPal)); break;
        case 2: f(*static_cast<cVector<cEdItem>*>(m_lpPal)); break;
    }
}

template <class F>
void cPaletteDlg::ByKindConst(F f) const {
    if (!m_lpPal) return;
    switch (m_nKind) {
        case 0: f(*static_cast<const cVector<cEdBlock>*>(m_lpPal)); break;
        case 1: f(*static_cast<const cVector<cEdChara>*>(m_lpPal)); break;
        case 2: f(*static_cast<const cVector<cEdItem>*>(m_lpPal)); break;
    }
}

int cPaletteDlg::GetCount() const {
    int n = 0;
    ByKindConst([&](const auto& pal) { n = static_cast<int>(pal.size()); });
    return n;
}

int cPaletteDlg::IndexAtMouse() const {
    const int x = m_Mouse.m_nX, y = m_Mouse.m_nY;
    // A point off the canvas names no entry.
    if (x < 0 || y < 0 || x >= kCanvasWidth || y >= m_rcCanvas.h) return -1;
    return x / kCell + (y / kCell + m_nTopRow) * kColumns;
}

cPaletteDlg* cPaletteDlg::Other() const {
    return Window(m_bStage ? 0 : 1, m_nKind);
}

cPropSheet* cPaletteDlg::HeldSheet() const {
    if (m_nKind == 1) return *CharaSheetHolder(m_bStage ? 1 : 2);
    return nullptr;
}

// Initialisation ------------------------------------------------------------

void cPaletteDlg::AddToolbar() {
    m_hToolbar = CreateToolbarEx(m_hWnd, WS_CHILD | WS_VISIBLE | TBSTYLE_TOOLTIPS | TBSTYLE_FLAT, IDC_PALETTE_TOOLBAR,
                                 0, nullptr, 0, nullptr, 0, 16, 15, 16, 15, sizeof(TBBUTTON));
    if (!m_hToolbar) return;
    AddToolButtons(kPenButtons, 5, "e_bmp\\ToolBar_Pen.bmp");
    AddStdToolButtons(kSeparator, 1);
    AddToolButtons(kRightClickButtons, 2, "e_bmp\\ToolBar_PltEdit.bmp");
}

void cPaletteDlg::OnInitDialog(WPARAM wp, LPARAM lp) {
    cDlg::OnInitDialog(wp, lp);
    SetWindowTextA(m_hWnd, kCaptions[m_bStage][m_nKind < 0 || m_nKind > 2 ? 0 : m_nKind]);
    m_hStatus = CreateStatusWindowA(WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP | CCS_BOTTOM, "DLG_PLT", m_hWnd,
                                    IDC_PALETTE_STATUS);
    if (m_hStatus) SendMessageA(m_hStatus, SB_SIMPLE, TRUE, 0);
    HMENU menu = LoadMenuA(m_hInst, MAKEINTRESOURCEA(IDR_PALETTE_MENU));
    if (menu) SetMenu(m_hWnd, menu);
    AddToolbar();
    if (m_hToolbar) {
        const int tool = g_StageEdit.m_nTool;
        if (tool >= 0 && tool < 5) SendMessageA(m_hToolbar, TB_CHECKBUTTON, kPenIds[tool], MAKELPARAM(TRUE, 0));
        const int mode = g_StageEdit.m_nRightClickMode;
        if (mode >= 0 && mode < 2)
            SendMessageA(m_hToolbar, TB_CHECKBUTTON, kRightClickIds[mode], MAKELPARAM(TRUE, 0));
    }
    AddCtrl(m_Canvas);
    Relayout();
    AddAccelerators(m_hWnd, IDA_WINDOW);
    DataToCtrls();
    m_hPopupBar = LoadMenuA(m_hInst, MAKEINTRESOURCEA(IDR_PALETTE_POPUP));
    m_hPopupMenu = m_hPopupBar ? GetSubMenu(m_hPopupBar, 0) : nullptr;
    m_bReady = 1;
}

int cPaletteDlg::CalcMaxHeight() const {
    const int count = GetCount();
    const int rows = count > 0 ? (count - 1) / kColumns + 1 : 1;
    return kToolbarRowHeight + rows * kCell + kStatusBarHeight;
}

void cPaletteDlg::Relayout() {
    if (!m_hWnd) return;
    // At most every row, and never beyond the canvas's largest height.
    int maxHeight = CalcMaxHeight();
    const int largest = kToolbarRowHeight + kCanvasHeight + kStatusBarHeight;
    if (maxHeight > largest) maxHeight = largest;
    m_rcMax.bottom = maxHeight;
    UpdateLayout();
    int height = m_rcClient.bottom - m_rcClient.top;
    if (height > maxHeight) height = maxHeight;
    if (height < m_rcMin.bottom) height = m_rcMin.bottom;
    const int width = m_rcMax.right;
    SetClientSize(width, height);
    // The menu bar may take another height than the system metric says:
    // the window is corrected by what the client area came out at.
    RECT client = {}, rc = {};
    ::GetClientRect(m_hWnd, &client);
    if (client.bottom != height || client.right != width) {
        ::GetWindowRect(m_hWnd, &rc);
        SetWindowPos(m_hWnd, nullptr, 0, 0, rc.right - rc.left + width - client.right,
                     rc.bottom - rc.top + height - client.bottom, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    OnSize();
}

void cPaletteDlg::OnSize() {
    if (!m_hWnd) return;
    UpdateLayout();
    if (m_Canvas.m_Ctrl.m_hWnd)
        MoveWindow(m_Canvas.m_Ctrl.m_hWnd, m_rcCanvas.x, m_rcCanvas.y, m_rcCanvas.w, m_rcCanvas.h, TRUE);
    const int count = GetCount();
    const int rows = count > 0 ? (count - 1) / kColumns + 1 : 1;
    const int visible = m_rcCanvas.h / kCell;
    // The last rows stay in view: no empty rows below the end.
    if ((m_nTopRow + visible) > rows) {
        m_nTopRow = (rows * kCell - m_rcCanvas.h) / kCell;
        if (m_nTopRow < 0) m_nTopRow = 0;
    }
    cCtrlScroll& bar = m_VScroll.m_Ctrl;
    if (bar.m_hWnd) {
        bar.SetRange(0, count > 0 ? (count - 1) / kColumns : 0);
        bar.SetPage(visible);
        bar.SetPos(m_nTopRow, TRUE);
        m_nTopRow = bar.GetPos();
    }
}

// Messages ------------------------------------------------------------------

LRESULT cPaletteDlg::MsgProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (m_bDestroyed) return 0;
    int handled = DefMsgProc(hwnd, msg, wp, lp);
    switch (msg) {
        case WM_DESTROY: {
            m_bDestroyed = 1;
            m_hWnd = nullptr;
            RECT rc = {}, client = {};
            ::GetWindowRect(hwnd, &rc);
            ::GetClientRect(hwnd, &client);
            m_lpPlace->Set(rc.left, rc.top, client.right, client.bottom);
            EditConfig.Save(g_EditConfigPath.CStr());
            return 1;
        }
        case WM_SIZE:
            OnSize();
            handled = 1;
            break;
        case WM_VSCROLL:
            if (m_VScroll.m_Ctrl.m_hWnd) m_nTopRow = m_VScroll.m_Ctrl.GetPos();
            handled = 1;
            break;
        case WM_GETMINMAXINFO: {
            // The limits of the client height by the frame the window really
            // has (its menu bar may differ from the system metric).
            RECT rc = {}, client = {};
            if (::GetWindowRect(hwnd, &rc) && ::GetClientRect(hwnd, &client) && client.bottom > 0) {
                MINMAXINFO* info = reinterpret_cast<MINMAXINFO*>(lp);
                const int frameW = (rc.right - rc.left) - client.right;
                const int frameH = (rc.bottom - rc.top) - client.bottom;
                info->ptMinTrackSize.x = m_rcMin.right + frameW;
                info->ptMinTrackSize.y = m_rcMin.bottom + frameH;
                info->ptMaxTrackSize.x = m_rcMax.right + frameW;
                info->ptMaxTrackSize.y = m_rcMax.bottom + frameH;
            }
            return 0;
        }
        case WM_CLOSE:
            // The stage editor shows and hides the palette windows.
            return 1;
        case WM_KEYDOWN: {
            HWND editor = g_StageEditor ? g_StageEditor->m_hWnd : nullptr;
            if (!editor) break;
            if (wp == VK_SPACE) SendMessageA(editor, WM_KEYDOWN, wp, lp);
            if (wp == VK_F5) SendMessageA(editor, WM_COMMAND, ID_ACC_TESTPLAY, 0);
            if (wp == VK_F7) SendMessageA(editor, WM_COMMAND, ID_ACC_GAMEPLAY, 0);
            handled = 1;
            break;
        }
    }
    OnPopup();
    if (handled && m_bReady && m_hWnd) Draw();
    return handled;
}

void cPaletteDlg::OnPopup() {
    if (!m_bReady || !m_hWnd || !m_hPopupMenu) return;
    if (g_StageEdit.m_nRightClickMode != 1 || !IsActive()) return;
    SelectAtMouse();
    Draw();
    const int i = IndexAtMouse();
    if (i < 0 || i >= GetCount()) return;
    const UINT on = MF_BYCOMMAND | MF_ENABLED;
    const UINT off = MF_BYCOMMAND | MF_GRAYED;
    const bool clip = g_StageEdit.m_bPalClip != 0;
    EnableMenuItem(m_hPopupMenu, ID_PAL_PASTE, clip ? on : off);
    EnableMenuItem(m_hPopupMenu, ID_PAL_INSERT_COPIED, clip ? on : off);
    EnableMenuItem(m_hPopupMenu, ID_PAL_APPEND_COPIED, clip ? on : off);
    static const int kOnEntry[] = {ID_PAL_EDIT, ID_PAL_CUT, ID_PAL_COPY, ID_PAL_INSERT_NEW, ID_PAL_DELETE};
    if (i == 0) {
        for (int id : kOnEntry) EnableMenuItem(m_hPopupMenu, static_cast<UINT>(id), off);
        EnableMenuItem(m_hPopupMenu, ID_PAL_PASTE, off);
        EnableMenuItem(m_hPopupMenu, ID_PAL_INSERT_COPIED, off);
    } else {
        for (int id : kOnEntry) EnableMenuItem(m_hPopupMenu, static_cast<UINT>(id), on);
        EnableMenuItem(m_hPopupMenu, ID_PAL_PASTE, clip && !g_StageEdit.m_bPalClipCut ? on : off);
    }
    EnableMenuItem(m_hPopupMenu, ID_PAL_APPEND_NEW, on);
    TrackPopup(m_hPopupMenu);
}

void cPaletteDlg::OnLButtonDown(WPARAM, LPARAM lp) {
    m_Mouse.m_nX = static_cast<short>(LOWORD(lp)) - m_rcCanvas.x;
    m_Mouse.m_nY = static_cast<short>(HIWORD(lp)) - m_rcCanvas.y;
    SelectAtMouse();
    Draw();
}

void cPaletteDlg::OnRButtonDown(WPARAM, LPARAM lp) {
    m_Mouse.m_nX = static_cast<short>(LOWORD(lp)) - m_rcCanvas.x;
    m_Mouse.m_nY = static_cast<short>(HIWORD(lp)) - m_rcCanvas.y;
    if (g_StageEdit.m_nRightClickMode == 0) {
        const int i = IndexAtMouse();
        if (i != 0) OpenDataSheet(i);
    } else if (g_StageEdit.m_nRightClickMode == 1) {
        if (m_bStage)
            g_StageEdit.m_bModified = 1;
        else
            g_StageEdit.m_bCommonModified = 1;
    }
    Draw();
}

// Drawing -------------------------------------------------------------------

void cPaletteDlg::Draw() {
    if (!m_bReady || !m_hWnd) return;
    cDib& dib = m_Canvas.m_Ctrl.m_Offscreen;
    if (!dib.m_hDC) return;
    dib.Clear(RGB(0, 0, 0));
    const int count = GetCount();
    const int first = m_nTopRow * kColumns;
    ByKind([&](auto& pal) {
        for (int n = 0; n < kColumns * kVisibleRows; ++n) {
            const int i = first + n;
            if (i >= count) break;
            const int x = n % kColumns * kCell, y = n / kColumns * kCell;
            const auto& entry = pal[i];
            if constexpr (std::is_same_v<std::decay_t<decltype(entry)>, cEdBlock>)
                DrawBlockIcon(&dib, x, y, entry, 0);
            else if constexpr (std::is_same_v<std::decay_t<decltype(entry)>, cEdChara>)
                DrawCharaIcon(&dib, x, y, entry, 0);
            else
                DrawItemIcon(&dib, x, y, entry, 0);
        }
    });
    const int sel = g_StageEdit.g_EditSource[1];
    const bool mine = g_StageEdit.g_EditSource[0] == m_bStage;
    if (mine && sel != -1) {
        dib.SelectPen(PS_SOLID, 2, RGB(255, 255, 255));
        dib.Rect(sel % kColumns * kCell, (sel / kColumns - m_nTopRow) * kCell, kCell, kCell);
        dib.DeletePen();
    }
    if (g_StageEdit.m_bPalClip && g_StageEdit.m_nPalClipSource == m_bStage) {
        const int c = g_StageEdit.m_nPalClipIndex;
        dib.SelectPen(PS_DOT, 1, RGB(255, 255, 255));
        dib.Rect(c % kColumns * kCell, (c / kColumns - m_nTopRow) * kCell, kCell, kCell);
        dib.DeletePen();
    }
    m_Canvas.m_Ctrl.m_Screen.Blt(0, 0, m_rcCanvas.w, m_rcCanvas.h, dib, 0, 0, 1);
    if (m_hStatus) {
        cString text;
        if (mine && sel >= 0 && sel < count)
            ByKind([&](auto& pal) { text.Format("%d : %s", sel, pal[sel].m_Name.CStr()); });
        // Only a changed text is sent: the window is drawn every idle step.
        if (text != m_strStatus) {
            m_strStatus = text;
            SendMessageA(m_hStatus, SB_SETTEXTA, 255, reinterpret_cast<LPARAM>(text.CStr()));
        }
    }
}

void cPaletteDlg::DrawStageEditor() {
    if (g_StageEditor) g_StageEditor->Draw();
}

// Entry operations ----------------------------------------------------------

void cPaletteDlg::SelectAtMouse() {
    const int i = IndexAtMouse();
    if (i < 0 || i >= GetCount()) return;
    g_StageEdit.g_EditSource[0] = m_bStage;
    g_StageEdit.g_EditSource[1] = i;
    PickEntry();
}

void cPaletteDlg::PickEntry() {
    const int index = g_StageEdit.g_EditSource[1];
    if (index == -1) return;
    // The selection of the other palette window is that window's to pick:
    // this palette's entry of the same number is another record.
    if (g_StageEdit.g_EditSource[0] != m_bStage) return;
    ByKind([&](auto& pal) {
        using T = std::decay_t<decltype(pal[0])>;
        if (pal.empty()) return;
        auto& brush = Brush(static_cast<T*>(nullptr));
        if (brush.empty()) brush.resize(1);
        if (index >= 0 && index < static_cast<int>(pal.size())) {
            brush[0] = pal[index];
            LinkByRole(brush[0], g_StageEdit.g_EditSource[0] == 1 ? kInheritStagePlace : kInheritCommonPlace, index);
        } else {
            g_StageEdit.g_EditSource[1] = 0;
            brush[0] = pal[0];
        }
    });
    g_StageEdit.m_nBrushW = 1;
    g_StageEdit.m_nBrushH = 1;
}

void cPaletteDlg::OpenDataSheet(int i) {
    if (i < 0 || i >= GetCount()) return;
    g_StageEdit.g_EditSource[0] = m_bStage;
    g_StageEdit.g_EditSource[1] = i;
    g_StageEdit.m_nBrushW = 1;
    g_StageEdit.m_nBrushH = 1;
    g_StageEdit.g_EditTarget = m_bStage ? 1 : 2;
    // The openers put the entry into the brush's element 0 and point the
    // edited record at the entry, then open the sheet of the kind.
    switch (m_nKind) {
        case 0: OpenBlockSheetForEntry(this, m_bStage, i); break;
        case 1: OpenCharaSheetForEntry(this, m_bStage, i); break;
        case 2: OpenItemSheetForEntry(this, m_bStage, i); break;
    }
}

void cPaletteDlg::CopyToClip(int i) {
    ByKind([&](auto& pal) {
        using T = std::decay_t<decltype(pal[0])>;
        if (i < 0 || i >= static_cast<int>(pal.size())) return;
        T* copy = new (std::nothrow) T;
        if (!copy) {
            OutOfMemory();
            return;
        }
        Clip(static_cast<T*>(nullptr)).reset(copy);
        *copy = pal[i];
    });
}

void cPaletteDlg::PasteEntry(int i) {
    ByKind([&](auto& pal) {
        using T = std::decay_t<decltype(pal[0])>;
        const auto& clip = Clip(static_cast<T*>(nullptr));
        if (!clip || pal.empty()) return;
        const int count = static_cast<int>(pal.size());
        if (i > count - 1) i = count - 1;
        if (i < 0) return;
        pal[i] = *clip;
        // Common entries inherit from nothing; a stage entry keeps a link
        // to the common palette but not one into its own palette.
        if (!m_bStage || pal[i].m_InheritKind == 2) pal[i].m_InheritKind = 0;
    });
}

void cPaletteDlg::InsertNew(int i) {
    ByKind([&](auto& pal) {
        using T = std::decay_t<decltype(pal[0])>;
        pal.InsertAt(i, Default(static_cast<T*>(nullptr)));
        if (m_bStage) {
            const int count = static_cast<int>(pal.size());
            if (i > count - 1) i = count - 1;
            LinkByRole(pal[i], kInheritStage, i);
        }
    });
    if (g_StageEdit.m_bPalClip && g_StageEdit.m_nPalClipSource == m_bStage && g_StageEdit.m_nPalClipIndex >= i)
        ++g_StageEdit.m_nPalClipIndex;
}

void cPaletteDlg::InsertCopied(int i) {
    InsertNew(i);
    PasteEntry(i);
    if (g_StageEdit.m_bPalClipCut) {
        // The cut entry moves: it leaves the palette it was cut from.
        if (g_StageEdit.m_nPalClipSource == m_bStage) {
            DeleteEntry(g_StageEdit.m_nPalClipIndex);
        } else if (cPaletteDlg* other = Other()) {
            other->DeleteEntry(g_StageEdit.m_nPalClipIndex);
        }
        g_StageEdit.m_bPalClipCut = 0;
        g_StageEdit.m_bPalClip = 0;
    }
}

void cPaletteDlg::DeleteEntry(int i) {
    // Entry 0 is the fixed empty entry that painting with clears cells.
    if (i <= 0) return;
    bool removed = false;
    ByKind([&](auto& pal) { removed = pal.EraseAt(i); });
    if (!removed) return;
    cStageEdit& ed = g_StageEdit;
    if (ed.m_bPalClip && ed.m_nPalClipSource == m_bStage) {
        if (ed.m_nPalClipIndex == i) {
            ed.m_bPalClip = 0;
            ed.m_bPalClipCut = 0;
        } else if (ed.m_nPalClipIndex > i) {
            --ed.m_nPalClipIndex;
        }
    }
    if (ed.g_EditSource[0] == m_bStage && ed.g_EditSource[1] >= 1) {
        if (ed.g_EditSource[1] == i) {
            ed.g_EditSource[1] = 0;
            PickEntry();
        } else if (ed.g_EditSource[1] > i) {
            --ed.g_EditSource[1];
            PickEntry();
        }
    }
}

// What follows a paste, an insertion or a deletion: the stage takes the
// palettes as they are now.
void cPaletteDlg::AfterEntryCommand(bool pick) {
    g_Stage.RefreshInheritBlock();
    // The entries of this palette's own kind moved or changed too (a cut
    // entry may have left the other palette of the kind): the stage palette
    // entries and the placed objects linked to either palette take them
    // again.
    if (m_nKind != 0) RefreshFromCommon(m_nKind);
    g_Stage.CheckPaletteLinks();
    Relayout();
    DrawStageEditor();
    if (pick) PickEntry();
}

// Commands ------------------------------------------------------------------

void cPaletteDlg::OnCommand(WPARAM wp, LPARAM lp) {
    cDlg::OnCommand(wp, lp);
    const int id = LOWORD(wp);
    for (int forwarded : kForwarded) {
        if (id != forwarded) continue;
        if (g_StageEditor && g_StageEditor->m_hWnd) SendMessageA(g_StageEditor->m_hWnd, WM_COMMAND, id, 0);
        return;
    }
    for (int n = 0; n < 5; ++n) {
        if (id != kPenIds[n]) continue;
        g_StageEdit.SetTool(n);
        SetPenButtons(n);
        return;
    }
    for (int n = 0; n < 2; ++n) {
        if (id != kRightClickIds[n]) continue;
        g_StageEdit.SetRightClickMode(n);
        SetRightClickButtons(n);
        return;
    }
    cStageEdit& ed = g_StageEdit;
    const int sel = ed.g_EditSource[1];
    // The commands on the selected entry: it must be one of this palette's
    // entries after the fixed entry 0.
    const bool onEntry = ed.g_EditSource[0] == m_bStage && sel >= 1 && sel < GetCount();
    switch (id) {
        case ID_PAL_EDIT:
            if (!onEntry) break;
            OpenDataSheet(sel);
            g_Stage.CheckPaletteLinks();
            ed.ClearPalClip();
            DrawStageEditor();
            break;
        case ID_PAL_CUT:
        case ID_PAL_COPY:
            if (!onEntry) break;
            CopyToClip(sel);
            ed.m_bPalClip = 1;
            ed.m_nPalClipIndex = sel;
            ed.m_nPalClipSource = ed.g_EditSource[0];
            ed.m_bPalClipCut = id == ID_PAL_CUT ? 1 : 0;
            break;
        case ID_PAL_PASTE:
            if (!onEntry || !ed.m_bPalClip || ed.m_bPalClipCut) break;
            PasteEntry(sel);
            AfterEntryCommand(true);
            break;
        case ID_PAL_INSERT_COPIED:
            if (!onEntry || !ed.m_bPalClip) break;
            InsertCopied(sel);
            AfterEntryCommand(true);
            break;
        case ID_PAL_APPEND_COPIED:
            if (!ed.m_bPalClip) break;
            InsertCopied(kPaletteAtEnd);
            AfterEntryCommand(false);
            break;
        case ID_PAL_INSERT_NEW:
            if (!onEntry) break;
            InsertNew(sel);
            AfterEntryCommand(true);
            break;
        case ID_PAL_APPEND_NEW:
            InsertNew(kPaletteAtEnd);
            AfterEntryCommand(false);
            break;
        case ID_PAL_DELETE:
            if (!onEntry) break;
            DeleteEntry(sel);
            AfterEntryCommand(true);
            break;
        case ID_PAL_DATA_COUNT:
            OnDataCount();
            break;
        case ID_PAL_MOVE:
            OnMove();
            break;
    }
}

void cPaletteDlg::OnDataCount() {
    POINT pt = {0, 0};
    GetWindowPos(&pt);
    int value = GetCount() - 1;
    if (!InputValue(this, m_lpRegistry, &value, kMinCount, kMaxCount, "データ数", pt.x, pt.y)) return;
    if (value < kMinCount || value > kMaxCount) return;
    const int count = value + 1;
    ByKind([&](auto& pal) {
        using T = std::decay_t<decltype(pal[0])>;
        const int old = static_cast<int>(pal.size());
        const T& def = Default(static_cast<T*>(nullptr));
        if (count < old) pal.resize(static_cast<size_t>(count));
        for (int i = old; i < count; ++i) {
            pal.push_back(def);
            if (m_bStage) LinkByRole(pal[i], kInheritStage, i);
        }
    });
    if (m_bStage) {
        RefreshFromStage(m_nKind);
        g_StageEdit.m_bModified = 1;
    } else {
        RefreshFromCommon(m_nKind);
        g_StageEdit.m_bCommonModified = 1;
    }
    g_StageEdit.ClearPalClip();
    g_Stage.CheckPaletteLinks();
    Relayout();
    DrawStageEditor();
    PickEntry();
}

void cPaletteDlg::OnMove() {
    POINT pt = {0, 0};
    GetWindowPos(&pt);
    SafeDelete(&m_lpMoveDlg);
    cPalMoveDlg* dlg = new (std::nothrow) cPalMoveDlg(this, m_lpRegistry, m_lpPal, m_bStage, m_nKind, pt.x, pt.y);
    m_lpMoveDlg = dlg;
    // The common palette's links of this kind are brought up to date first.
    RefreshFromCommon(m_nKind);
    if (!dlg) {
        OutOfMemory();
        return;
    }
    dlg->RunModal(kRunDisableOthers);
    SafeDelete(&m_lpMoveDlg);
    g_Stage.CheckPaletteLinks();
    Relayout();
    DrawStageEditor();
    PickEntry();
}

// Toolbar state of the twin window ------------------------------------------

void cPaletteDlg::SetPenButtons(int tool) {
    cPaletteDlg* other = Other();
    if (other) SetButtons(other->m_hToolbar, kPenIds, 5, tool);
}

void cPaletteDlg::SetRightClickButtons(int mode) {
    cPaletteDlg* other = Other();
    if (other) SetButtons(other->m_hToolbar, kRightClickIds, 2, mode);
}
