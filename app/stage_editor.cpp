#include "app/stage_editor.h"

#include <windowsx.h>

#include <new>

#include "app/db_open.h"
#include "app/mainframe.h"
#include "app/palette_dlg.h"
#include "app/palette_dlg_res.h"
#include "app/newstage_dlg.h"
#include "app/paths_table.h"
#include "app/project_editors.h"
#include "app/shell.h"
#include "app/stage_edit.h"
#include "app/stage_editor_res.h"
#include "base/appwnd.h"
#include "base/log.h"
#include "base/msgbox.h"
#include "model/palette.h"
#include "model/prjoption.h"
#include "model/stage.h"
#include "model/worldmap_edit.h"
#include "objedit/charagroup_dlg.h"
#include "objedit/charagroup_dlg_res.h"
#include "projedit/stagesettings_sheet.h"
#include "projedit/worldmap_dlg.h"
#include "res/command_ids.h"
#include "res/resource.h"
#include "ui/dlghelpers.h"
#include "ui/registry.h"
#include "ui/propsheet.h"
#include "ui/registry.h"

extern cEditConfig EditConfig;
extern cPrjOption g_PrjOption;
extern cEdStage g_Stage;

namespace {

const int kDefaultX = 50;
const int kDefaultY = 50;
const int kDefaultWidth = 640;
const int kDefaultHeight = 480;
const int kCell = 32;

const cEdWindowPlace& Placement() {
    return EditConfig.m_Place[kPlaceStageEditor];
}

const sToolButton kStdButtons[] = {
    {{6, ID_FILE_NEW, TBSTATE_ENABLED, TBSTYLE_BUTTON, {0}, 0, 0}, "新規作成"},
    {{7, ID_FILE_OPEN, TBSTATE_ENABLED, TBSTYLE_BUTTON, {0}, 0, 0}, "開く"},
    {{8, ID_FILE_SAVE, TBSTATE_ENABLED, TBSTYLE_BUTTON, {0}, 0, 0}, "上書き保存"},
    {{0, 0, TBSTATE_ENABLED, TBSTYLE_SEP, {0}, 0, 0}, ""},
    {{3, ID_EDIT_UNDO, TBSTATE_ENABLED, TBSTYLE_BUTTON, {0}, 0, 0}, "元に戻す"},
    {{4, ID_EDIT_REDO, TBSTATE_ENABLED, TBSTYLE_BUTTON, {0}, 0, 0}, "やり直し"},
    {{0, 0, TBSTATE_ENABLED, TBSTYLE_SEP, {0}, 0, 0}, ""},
};

const sToolButton kPaletteButtons[] = {
    {{0, ID_TB_BLOCK_PALETTE, TBSTATE_ENABLED, TBSTYLE_CHECKGROUP, {0}, 0, 0}, "ブロックパレット"},
    {{1, ID_TB_CHARA_PALETTE, TBSTATE_ENABLED, TBSTYLE_CHECKGROUP, {0}, 0, 0}, "キャラパレット"},
    {{2, ID_TB_ITEM_PALETTE, TBSTATE_ENABLED, TBSTYLE_CHECKGROUP, {0}, 0, 0}, "アイテムパレット"},
};

const sToolButton kSeparator[] = {
    {{0, 0, TBSTATE_ENABLED, TBSTYLE_SEP, {0}, 0, 0}, ""},
};

const sToolButton kTestPlayButtons[] = {
    {{0, ID_TB_TESTPLAY, TBSTATE_ENABLED, TBSTYLE_BUTTON, {0}, 0, 0}, "テストプレイ"},
    {{1, ID_TB_TESTPLAY_ALL, TBSTATE_ENABLED, TBSTYLE_BUTTON, {0}, 0, 0}, "ゲーム全体のテストプレイ"},
};

// The layer changes that cStageEdit::SelectLayer reports.
void OnLayerChanged(int layer) {
    cStageEditorDlg* dlg = g_StageEditor;
    if (!dlg) return;
    switch (layer) {
        case 0: dlg->ShowBlockPalettes(); break;
        case 1: dlg->ShowCharaPalettes(); break;
        case 2: dlg->ShowItemPalettes(); break;
    }
    dlg->UpdateLayerMenu();
    dlg->UpdateLayerButtons();
}

int Clamp(int v, int lo, int hi) {
    if (v > hi) v = hi;
    if (v < lo) v = lo;
    return v;
}

}  // namespace

cStageEditorDlg::cStageEditorDlg(int templateId, cWnd* parent, int kind, cWndRegistry* registry)
    : cDlg(templateId, nullptr, kind, registry, Placement().m_bValid ? Placement().m_nX : kDefaultX,
           Placement().m_bValid ? Placement().m_nY : kDefaultY) {
    m_hParent = parent ? parent->m_hWnd : nullptr;
    g_AppWnd.m_nEditorMode = 0;
    const cEdWindowPlace& place = Placement();
    const int w = place.m_bValid ? place.m_nWidth : kDefaultWidth;
    const int h = place.m_bValid ? place.m_nHeight : kDefaultHeight;
    SetLayout(w, h, 384, 160, 640, 480, 0, 1, 1, 1, 0, kHScrollBar | kVScrollBar);
    m_Canvas.m_Param.Set(IDC_STAGE_CANVAS, 0, 0);
}

cStageEditorDlg::~cStageEditorDlg() {
    // The palette windows: common blocks, characters, items, then the stage's.
    for (cWnd*& palette : m_pPalette) SafeDelete(&palette);
    SafeDelete(&m_pWorldMap);
    SafeDelete(&m_pCharaGroup);
    DestroyModeless();
    if (g_StageEditor == this) g_StageEditor = nullptr;
}

void cStageEditorDlg::AddToolbar() {
    m_hToolbar = CreateToolbarEx(m_hWnd, WS_CHILD | WS_VISIBLE | TBSTYLE_TOOLTIPS, IDC_STAGE_TOOLBAR, 0, nullptr, 0,
                                 nullptr, 0, 16, 15, 16, 15, sizeof(TBBUTTON));
    if (!m_hToolbar) return;
    AddStdToolButtons(kStdButtons, 7);
    AddToolButtons(kPaletteButtons, 3, "e_bmp\\ToolBar_Palette.bmp");
    AddStdToolButtons(kSeparator, 1);
    AddToolButtons(kTestPlayButtons, 2, "e_bmp\\ToolBar_TestPlay.bmp");
}

void cStageEditorDlg::OpenWorldMap() {
    g_WorldMapEdit.Reset();
    SafeDelete(&m_pWorldMap);
    cWorldMapDlg* dlg = new cWorldMapDlg(this, &g_WndRegistry);
    m_pWorldMap = dlg;
    dlg->RunModeless(kRunHideOthers | kRunDisableOthers, 1);
    if (dlg->m_hWnd) SetFocus(dlg->m_hWnd);
    g_AppWnd.m_nEditorMode = 1;
}

void cStageEditorDlg::OnInitDialog(WPARAM wp, LPARAM lp) {
    cDlg::OnInitDialog(wp, lp);
    HICON icon = LoadIconA(m_hInst, MAKEINTRESOURCEA(IDI_APP));
    if (icon) SendMessageA(m_hWnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
    UpdateTitle();
    m_hStatus = CreateStatusWindowA(WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP | CCS_BOTTOM, "", m_hWnd, IDC_STAGE_STATUS);
    // The cursor text is the status bar's simple-mode text.
    if (m_hStatus) SendMessageA(m_hStatus, SB_SIMPLE, TRUE, 0);
    HMENU menu = LoadMenuA(m_hInst, MAKEINTRESOURCEA(IDR_STAGE_MENU));
    if (menu) SetMenu(m_hWnd, menu);
    AddToolbar();
    UpdateMenus();
    UpdateToolbar();
    UpdateViewChecks();
    UpdateLayerMenu();
    UpdateLayerButtons();
    UpdateUndoMenu();
    UpdateUndoButtons();
    SetLayerChangedHandler(&OnLayerChanged);

    AddCtrl(m_Canvas);
    UpdateLayout();
    OnSize();

    int px = 0, py = 0;
    if (g_Stage.LayerSize() > 0 && g_Stage.FindPlayer(&px, &py)) {
        m_nViewX = Clamp(px - 10, 0, g_Stage.m_Width - 20);
        m_nViewX = m_nViewX < 0 ? 0 : m_nViewX;
        m_nViewY = Clamp(py - 7, 0, g_Stage.m_Height - 15);
        m_nViewY = m_nViewY < 0 ? 0 : m_nViewY;
        if (m_HScroll.m_Ctrl.m_hWnd) m_HScroll.m_Ctrl.SetPos(m_nViewX, TRUE);
        if (m_VScroll.m_Ctrl.m_hWnd) m_VScroll.m_Ctrl.SetPos(m_nViewY, TRUE);
        ReadScrollPos();
    }
    AddAccelerators(m_hWnd, IDR_WINDOW_ACCEL);
    DataToCtrls();
    m_bReady = 1;
}

// Places the canvas and the scroll bars in the area the toolbar and status
// bar leave, and sizes the scroll ranges to the stage.
void cStageEditorDlg::OnSize() {
    if (m_Canvas.m_Ctrl.m_hWnd) {
        MoveWindow(m_Canvas.m_Ctrl.m_hWnd, m_rcCanvas.x, m_rcCanvas.y, m_rcCanvas.w, m_rcCanvas.h, TRUE);
        cDib& surface = m_Canvas.m_Ctrl.m_Offscreen;
        if ((surface.m_Width != m_rcCanvas.w || surface.m_Height != m_rcCanvas.h) && m_rcCanvas.w > 0 &&
            m_rcCanvas.h > 0) {
            surface.Delete();
            surface.Create(m_rcCanvas.w, m_rcCanvas.h, 32, 0);
        }
    }
    if (m_HScroll.m_Ctrl.m_hWnd) {
        m_HScroll.m_Ctrl.SetRange(0, g_Stage.m_Width - 1);
        m_HScroll.m_Ctrl.SetPage(m_rcCanvas.w / kCell);
    }
    if (m_VScroll.m_Ctrl.m_hWnd) {
        m_VScroll.m_Ctrl.SetRange(0, g_Stage.m_Height - 1);
        m_VScroll.m_Ctrl.SetPage(m_rcCanvas.h / kCell);
    }
    ReadScrollPos();
}

void cStageEditorDlg::ReadScrollPos() {
    if (m_HScroll.m_Ctrl.m_hWnd) m_nViewX = m_HScroll.m_Ctrl.GetPos();
    if (m_VScroll.m_Ctrl.m_hWnd) m_nViewY = m_VScroll.m_Ctrl.GetPos();
}

LRESULT cStageEditorDlg::MsgProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    const int handled = DefMsgProc(hwnd, msg, wp, lp);
    bool redraw = true;
    int result = 1;
    switch (msg) {
        case WM_DESTROY: {
            RECT rc = {};
            ::GetWindowRect(hwnd, &rc);
            RECT client = {};
            ::GetClientRect(hwnd, &client);
            EditConfig.m_Place[kPlaceStageEditor].Set(rc.left, rc.top, client.right, client.bottom);
            g_PrjOption.Save(g_PathTable[kPathPrjOption].CStr());
            SetLayerChangedHandler(nullptr);
            if (g_StageEditor == this) g_StageEditor = nullptr;
            return 1;
        }
        case WM_SIZE:
            OnSize();
            break;
        case WM_CLOSE:
            // Saving the stage asks first once the file commands are in;
            // until then closing the stage editor ends the program.
            Close(0);
            if (g_MainWnd) DestroyWindow(g_MainWnd);
            return 1;
        case WM_KEYDOWN:
            OnKey(wp);
            break;
        case WM_INITDIALOG:
            break;
        case WM_SYSCOMMAND:
            if ((wp & 0xFFF0) == SC_MINIMIZE) {
                MinimizeAll();
                return 1;
            }
            return 0;
        case WM_HSCROLL:
            if (m_HScroll.m_Ctrl.m_hWnd) m_nViewX = m_HScroll.m_Ctrl.GetPos();
            break;
        case WM_VSCROLL:
            if (m_VScroll.m_Ctrl.m_hWnd) m_nViewY = m_VScroll.m_Ctrl.GetPos();
            break;
        case WM_DRAWITEM:
            if (wp == IDC_STAGE_CANVAS) {
                Draw();
                return TRUE;
            }
            redraw = handled != 0;
            result = handled;
            break;
        case WM_MOUSEMOVE:
        case WM_LBUTTONDOWN:
        case WM_LBUTTONUP:
        case WM_LBUTTONDBLCLK:
        case WM_RBUTTONDOWN:
        case WM_RBUTTONUP:
        case WM_RBUTTONDBLCLK:
            OnCanvasMouse(msg, wp, lp);
            break;
        case WM_MOUSEWHEEL:
            OnWheel(wp);
            break;
        default:
            redraw = handled != 0;
            result = handled ? 1 : 0;
            break;
    }
    if (redraw && hwnd == m_hWnd) Draw();
    return result;
}

void cStageEditorDlg::OnKey(WPARAM wp) {
    const bool selecting = g_StageEdit.m_nCursorMode == 5;
    switch (wp) {
        case VK_SPACE:
            g_StageEdit.NextLayer();
            SetFocus(m_hWnd);
            break;
        case 'Q':
            if (!selecting) break;
            PushUndoForTool();
            ClearSelection();
            g_StageEdit.m_bModified = 1;
            break;
        case 'R':
            if (!selecting) break;
            PushUndoForTool();
            TurnSelection();
            g_StageEdit.m_bModified = 1;
            break;
        case 'D':
            if (!selecting) break;
            PushUndoForTool();
            CopySelection();
            ClearSelection();
            g_StageEdit.SetTool(g_StageEdit.m_nTool);
            g_StageEdit.m_bModified = 1;
            break;
        case VK_F5:
            SendMessageA(m_hWnd, WM_COMMAND, ID_ACC_TESTPLAY, 0);
            break;
        case VK_F7:
            SendMessageA(m_hWnd, WM_COMMAND, ID_ACC_TESTPLAY_ALL, 0);
            break;
    }
}

void cStageEditorDlg::OnCanvasMouse(UINT msg, WPARAM wp, LPARAM lp) {
    if (!g_StageEdit.m_bOpen) return;
    m_nMsgKeys = wp;
    POINT pt = {GET_X_LPARAM(lp) - m_rcCanvas.x, GET_Y_LPARAM(lp) - m_rcCanvas.y};
    CursorCell(pt);
    if (msg == WM_LBUTTONDOWN) g_StageEdit.m_bModified = 1;
    if (g_StageEdit.m_nCursorMode != 5) RunTool(msg);
    if (msg == WM_RBUTTONDBLCLK)
        EditObjectAtCursor();
    else
        OnSelectMouse(msg);
    if (msg == WM_LBUTTONDOWN || msg == WM_RBUTTONDOWN) SetFocus(m_hWnd);
}

void cStageEditorDlg::OnWheel(WPARAM wp) {
    const int delta = GET_WHEEL_DELTA_WPARAM(wp);
    int notches = delta / WHEEL_DELTA;
    if (delta < 0 && notches == 0) notches = -1;
    cCtrlScroll& bar = g_Stage.m_WheelDir == 0 ? m_HScroll.m_Ctrl : m_VScroll.m_Ctrl;
    if (!bar.m_hWnd) return;
    bar.Scroll(-notches);
    if (g_Stage.m_WheelDir == 0)
        m_nViewX = bar.GetPos();
    else
        m_nViewY = bar.GetPos();
}

void cStageEditorDlg::CursorCell(POINT pt) {
    cViewState* state = g_StateStack.m_pCurrent;
    if (!state) return;
    const int w = m_rcCanvas.w, h = m_rcCanvas.h;
    if (w <= 0 || h <= 0) return;
    pt.x = Clamp(pt.x, 0, w - 1);
    pt.y = Clamp(pt.y, 0, h - 1);
    const int cx = m_nViewX + pt.x / kCell;
    const int cy = m_nViewY + pt.y / kCell;
    if (cx >= g_Stage.m_Width || cy >= g_Stage.m_Height) return;
    state->m_Values[0] = cx;
    state->m_Values[1] = cy;
    state->m_Values[2] = pt.x / kCell * kCell;
    state->m_Values[3] = pt.y / kCell * kCell;
}

int CursorX() {
    return g_StateStack.m_pCurrent ? g_StateStack.m_pCurrent->m_Values[0] : 0;
}

int CursorY() {
    return g_StateStack.m_pCurrent ? g_StateStack.m_pCurrent->m_Values[1] : 0;
}

void cStageEditorDlg::OnFrame() {
    if (!m_hWnd || !m_bReady) return;
    UpdateMouse(true, cMouseState::kButtons | cMouseState::kPresses | cMouseState::kReleases);
    const cMouseState& m = m_Mouse;
    const bool inside = m.m_nX >= 0 && m.m_nX < m_rcCanvas.w && m.m_nY >= 0 && m.m_nY < m_rcCanvas.h;
    if (inside || !g_StageEdit.m_bDrag) return;
    CursorCell(POINT{m.m_nX, m.m_nY});
    if (g_StageEdit.m_nCursorMode == 5) {
        if (m.m_bRPress) {
            g_StageEdit.m_bDrag = 0;
            return;
        }
        if (m.m_bRDown)
            OnSelectMouse(WM_MOUSEMOVE);
        else if (m.m_bRRelease)
            OnSelectMouse(WM_RBUTTONUP);
    } else if (g_StageEdit.m_nTool == 1 || g_StageEdit.m_nTool == 2) {
        if (m.m_bLPress) {
            g_StageEdit.m_bDrag = 0;
            return;
        }
        m_nMsgKeys = m.m_bLDown ? MK_LBUTTON : 0;
        if (m.m_bLDown)
            RunTool(WM_MOUSEMOVE);
        else if (m.m_bLRelease)
            RunTool(WM_LBUTTONUP);
    }
    if (m.m_bLDown || m.m_bRDown) {
        int x = m_nViewX, y = m_nViewY;
        AutoScroll(&x, &y);
        m_nViewX = x;
        m_nViewY = y;
    }
    Draw();
}

void cStageEditorDlg::Rebuild() {
    g_StageEdit.AllocUndo(g_Stage.m_UndoCount, g_Stage.m_Pitch, g_Stage.m_Height);
    UpdateUndoButtons();
    UpdateUndoMenu();
    if (g_MainWnd) PostMessageA(g_MainWnd, WM_USER, 1, 0);
}

void cStageEditorDlg::ClearLayers(int bits, const char* question) {
    if (MessageBoxA(m_hWnd, question, "データクリアの確認", MB_YESNO) != IDYES) return;
    PushUndo(bits);
    const int cells = g_Stage.LayerSize();
    if (bits & kLayerMaskBlock) g_Stage.m_Blocks.Reset(cells);
    if (bits & kLayerMaskChara) g_Stage.m_Charas.Reset(cells);
    if (bits & kLayerMaskItem) g_Stage.m_Items.Reset(cells);
    g_StageEdit.m_bModified = 1;
}

// Turns the shown flags of one group of palette placements (common or stage:
// blocks, characters, items) and shows or hides the window of the current
// layer.
void cStageEditorDlg::ToggleView(int first, int command) {
    if (!g_StageEdit.m_bOpen) return;
    for (int i = 0; i < 3; ++i) {
        cEdWindowPlace& place = EditConfig.m_Place[first + 2 * i];
        place.m_bShown = place.m_bShown ? 0 : 1;
    }
    EditConfig.Save(g_PathTable[kPathEditConfig].CStr());
    const int shown = EditConfig.m_Place[first].m_bShown;
    CheckMenuItem(GetMenu(m_hWnd), static_cast<UINT>(command), MF_BYCOMMAND | (shown ? MF_CHECKED : MF_UNCHECKED));
    const int stage = first == kPlaceStageBlocks ? 3 : 0;
    cWnd* wnd = m_pPalette[stage + g_StageEdit.m_nLayer];
    if (wnd && wnd->m_hWnd) ShowWindow(wnd->m_hWnd, shown ? SW_SHOW : SW_HIDE);
}

void cStageEditorDlg::OnCommand(WPARAM wp, LPARAM lp) {
    cDlg::OnCommand(wp, lp);
    if (RunProjectEditorCommand(this, LOWORD(wp))) return;
    if (LOWORD(wp) == ID_WORLDMAP) {
        OpenWorldMap();
        return;
    }
    if (LOWORD(wp) == ID_DATABASE) {
        OpenDatabaseSheet(this);
        return;
    }
    const bool open = g_StageEdit.m_bOpen != 0;
    switch (LOWORD(wp)) {
        case ID_FILE_NEW:
        case ID_ACC_NEW:
            if (RunNewStageDlg(this)) {
                Rebuild();
                g_StageEdit.m_bModified = 0;
            }
            break;
        case ID_STAGE_SETTINGS:
            if (open) OpenStageSettingSheet(this, &g_WndRegistry);
            break;
        case ID_FILE_CLOSE: {
            HCURSOR old = SetCursor(LoadCursor(nullptr, IDC_WAIT));
            g_StageEdit.m_bOpen = 0;
            g_StageEdit.m_strPath = "";
            g_Stage.SetDefault();
            Rebuild();
            g_StageEdit.m_bModified = 0;
            SetCursor(old ? old : LoadCursor(nullptr, IDC_ARROW));
            break;
        }
        case ID_FILE_SAVE:
        case ID_ACC_SAVE:
        case ID_FILE_SAVE_AS:
            if (!open) break;
            SaveCommonPalette();
            if (SaveStage(LOWORD(wp) == ID_FILE_SAVE_AS ? 0 : 1)) g_StageEdit.m_bModified = 0;
            UpdateTitle();
            break;
        case ID_COMMON_SAVE:
            SaveCommonPalette();
            break;
        case ID_TESTPLAY:
        case ID_TB_TESTPLAY:
        case ID_ACC_TESTPLAY:
            if (open) TestPlay(0);
            break;
        case ID_TESTPLAY_ALL:
        case ID_TB_TESTPLAY_ALL:
        case ID_ACC_TESTPLAY_ALL:
            TestPlay(1);
            break;
        case ID_EDIT_UNDO:
        case ID_ACC_UNDO:
            ErrorLogF("Undo !!! LOWORD(wParam) = %d", LOWORD(wp));
            if (!open) break;
            g_StageEdit.Undo(g_Stage.m_Blocks, g_Stage.m_Charas, g_Stage.m_Items);
            UpdateUndoButtons();
            UpdateUndoMenu();
            DrawPalettes();
            g_StageEdit.m_bModified = 1;
            break;
        case ID_EDIT_REDO:
        case ID_ACC_REDO:
            if (!open) break;
            g_StageEdit.Redo(g_Stage.m_Blocks, g_Stage.m_Charas, g_Stage.m_Items);
            UpdateUndoButtons();
            UpdateUndoMenu();
            DrawPalettes();
            g_StageEdit.m_bModified = 1;
            break;
        case ID_LAYER_BLOCK:
        case ID_TB_BLOCK_PALETTE:
        case ID_LAYER_CHARA:
        case ID_TB_CHARA_PALETTE:
        case ID_LAYER_ITEM:
        case ID_TB_ITEM_PALETTE: {
            if (!open) break;
            const int id = LOWORD(wp);
            const int layer = (id == ID_LAYER_BLOCK || id == ID_TB_BLOCK_PALETTE)   ? 0
                              : (id == ID_LAYER_CHARA || id == ID_TB_CHARA_PALETTE) ? 1
                                                                                    : 2;
            g_StageEdit.SetLayer(layer);
            SetFocus(m_hWnd);
            break;
        }
        case ID_CLEAR_ALL:
            ClearLayers(kLayerMaskAll, "全ての配置データ（ブロック・キャラ・アイテム）をクリアしますか？");
            break;
        case ID_CLEAR_BLOCKS:
            ClearLayers(kLayerMaskBlock, "全てのブロックをクリアしますか？");
            break;
        case ID_CLEAR_CHARAS:
            ClearLayers(kLayerMaskChara, "全てのキャラをクリアしますか？");
            break;
        case ID_CLEAR_ITEMS:
            ClearLayers(kLayerMaskItem, "全てのアイテムをクリアしますか？");
            break;
        case ID_VIEW_COMMON_PALETTE:
            ToggleView(kPlaceCommonBlocks, ID_VIEW_COMMON_PALETTE);
            break;
        case ID_VIEW_STAGE_PALETTE:
            ToggleView(kPlaceStageBlocks, ID_VIEW_STAGE_PALETTE);
            break;
        case ID_VIEW_GROUP: {
            if (!open) break;
            cEdWindowPlace& place = EditConfig.m_Place[kPlaceCharaGroup];
            place.m_bShown = place.m_bShown ? 0 : 1;
            EditConfig.Save(g_PathTable[kPathEditConfig].CStr());
            CheckMenuItem(GetMenu(m_hWnd), ID_VIEW_GROUP,
                          MF_BYCOMMAND | (place.m_bShown ? MF_CHECKED : MF_UNCHECKED));
            if (g_StageEdit.m_nLayer == 1 && m_pCharaGroup && m_pCharaGroup->m_hWnd)
                ShowWindow(m_pCharaGroup->m_hWnd, place.m_bShown ? SW_SHOW : SW_HIDE);
            break;
        }
    }
}

void cStageEditorDlg::PushUndo(int bits) {
    g_StageEdit.PushUndo(bits, g_StageEdit.m_UndoBlock, g_StageEdit.m_UndoChara, g_StageEdit.m_UndoItem,
                         g_Stage.m_Blocks, g_Stage.m_Charas, g_Stage.m_Items, g_StageEdit.m_nUndo,
                         g_StageEdit.m_UndoFlags);
    g_StageEdit.m_nRedo = 0;
    UpdateUndoButtons();
    UpdateUndoMenu();
}

void cStageEditorDlg::PushUndoLayer(int layer) {
    if (layer >= 0 && layer <= 2) PushUndo(1 << layer);
}

void cStageEditorDlg::PushUndoForTool() {
    if (IsShiftDown())
        PushUndo(kLayerMaskAll);
    else
        PushUndoLayer(g_StageEdit.m_nLayer);
}

void cStageEditorDlg::ClearUndo() {
    g_StageEdit.ClearUndo();
    UpdateUndoButtons();
    UpdateUndoMenu();
}

// Closing of the windows opened from here ------------------------------------

// A definition sheet of kind 0 (blocks), 1 (characters) or 2 (items) closed.
// An edited palette entry becomes the brush's record, as a pick in its
// palette window makes it.
template <class T>
void cStageEditorDlg::OnDefinitionSheetClosed(int kind, cVector<T>& brush, const cVector<T>& stagePalette,
                                              const cVector<T>& commonPalette) {
    g_WndRegistry.EnableAll(true);
    const int target = g_StageEdit.g_EditTarget;
    if (target != 3) {
        ShowPalettes();
        DrawPalettes();
    }
    const int index = g_StageEdit.g_EditSource[1];
    switch (target) {
        case 0:
            if (m_hWnd) SetActiveWindow(m_hWnd);
            break;
        case 1:
        case 2: {
            cWnd* palette = m_pPalette[(target == 1 ? 3 : 0) + kind];
            if (palette && palette->m_hWnd) SetActiveWindow(palette->m_hWnd);
            const cVector<T>& entries = target == 1 ? stagePalette : commonPalette;
            if (index >= 0 && index < static_cast<int>(entries.size())) {
                if (brush.empty()) brush.push_back(entries[index]);
                brush[0] = entries[index];
                // linked to its entry as a pick from that palette links it
                const eObjType type = static_cast<eObjType>(kind);
                const int k = DefInheritIndex(target == 1 ? kInheritStagePlace : kInheritCommonPlace, type);
                SetInherit(&brush[0], type, g_PrjOption.m_nDefInheritSrc[k], static_cast<int16_t>(index),
                           g_PrjOption.m_bbDefInherit[k]);
            }
            break;
        }
    }
    if (target != 3 && g_StageEdit.m_nReturnLayer != g_StageEdit.m_nLayer) g_StageEdit.SetLayer(g_StageEdit.m_nReturnLayer);
}

void cStageEditorDlg::OnBlockSheetClosed() {
    if (g_StageEdit.m_nReturnLayer != g_StageEdit.m_nLayer) g_StageEdit.SetLayer(g_StageEdit.m_nReturnLayer);
    OnDefinitionSheetClosed(0, g_StageEdit.m_BrushBlock, g_Stage.m_PalBlocks, g_CommonPalette.m_Blocks);
}

void cStageEditorDlg::OnCharaSheetClosed() {
    OnDefinitionSheetClosed(1, g_StageEdit.m_BrushChara, g_Stage.m_PalCharas, g_CommonPalette.m_Charas);
}

void cStageEditorDlg::OnItemSheetClosed() {
    OnDefinitionSheetClosed(2, g_StageEdit.m_BrushItem, g_Stage.m_PalItems, g_CommonPalette.m_Items);
}

void cStageEditorDlg::OnStageSheetClosed() {
    g_Stage.Validate();
    if (m_hWnd) {
        RECT rc = {};
        ::GetClientRect(m_hWnd, &rc);
        SendMessageA(m_hWnd, WM_SIZE, SIZE_RESTORED, MAKELPARAM(rc.right, rc.bottom));
    }
    RelayoutPalettes();
    DrawPalettes();
    g_StageEdit.AllocUndo(g_Stage.m_UndoCount, g_Stage.m_Pitch, g_Stage.m_Height);
    UpdateUndoButtons();
    UpdateUndoMenu();
    g_AppWnd.m_nEditorMode = 0;
    ShowPalettes();
    g_WndRegistry.EnableAll(true);
}

void cStageEditorDlg::OnWorldMapClosed() {
    g_AppWnd.m_nEditorMode = 0;
    ShowPalettes();
    g_WndRegistry.EnableAll(true);
}

void cStageEditorDlg::OnDatabaseSheetClosed() {
    g_CommonPalette.Validate();
    g_Stage.Validate();
    ShowPalettes();
    g_WndRegistry.EnableAll(true);
    DrawPalettes();
}

void cStageEditorDlg::OnSystemSheetClosed() {
    OnDatabaseSheetClosed();
}

void cStageEditorDlg::OnPrjOptionSheetClosed() {
    g_Stage.Validate();
    ShowPalettes();
    g_WndRegistry.EnableAll(true);
    DrawPalettes();
}

// Menu and toolbar state ----------------------------------------------------

void cStageEditorDlg::UpdateMenus() {
    HMENU menu = m_hWnd ? GetMenu(m_hWnd) : nullptr;
    if (!menu) return;
    static const int kAlways[] = {ID_FILE_NEW, ID_FILE_OPEN, ID_COMMON_SAVE,  ID_DATABASE,   ID_WORLDMAP,
                                  ID_SYSTEM,   ID_PRJ_OPTION, ID_TESTPLAY_ALL, ID_BMP_CONVERT};
    static const int kWhenOpen[] = {ID_FILE_CLOSE,     ID_FILE_SAVE_AS,   ID_FILE_SAVE,    ID_EDIT_UNDO,
                                    ID_EDIT_REDO,      ID_LAYER_BLOCK,    ID_LAYER_CHARA,  ID_LAYER_ITEM,
                                    ID_CLEAR_BLOCKS,   ID_CLEAR_CHARAS,   ID_CLEAR_ITEMS,  ID_STAGE_SETTINGS,
                                    ID_STAGE_PAL_LOAD, ID_STAGE_PAL_SAVE, ID_STAGE_OPTION, ID_TESTPLAY};
    for (int id : kAlways) EnableMenuItem(menu, static_cast<UINT>(id), MF_BYCOMMAND | MF_GRAYED);
    for (int id : kWhenOpen) EnableMenuItem(menu, static_cast<UINT>(id), MF_BYCOMMAND | MF_GRAYED);
    for (int id : kAlways) EnableMenuItem(menu, static_cast<UINT>(id), MF_BYCOMMAND | MF_ENABLED);
    if (g_StageEdit.m_bOpen)
        for (int id : kWhenOpen) EnableMenuItem(menu, static_cast<UINT>(id), MF_BYCOMMAND | MF_ENABLED);
    DrawMenuBar(m_hWnd);
}

static void EnableButton(HWND toolbar, int id, bool enable) {
    if (toolbar) SendMessageA(toolbar, TB_ENABLEBUTTON, static_cast<WPARAM>(id), MAKELPARAM(enable ? TRUE : FALSE, 0));
}

void cStageEditorDlg::UpdateToolbar() {
    const bool open = g_StageEdit.m_bOpen != 0;
    EnableButton(m_hToolbar, ID_FILE_NEW, true);
    EnableButton(m_hToolbar, ID_FILE_OPEN, true);
    EnableButton(m_hToolbar, ID_TB_TESTPLAY_ALL, true);
    static const int kWhenOpen[] = {ID_FILE_SAVE,        ID_EDIT_UNDO,       ID_EDIT_REDO,      ID_TB_BLOCK_PALETTE,
                                    ID_TB_CHARA_PALETTE, ID_TB_ITEM_PALETTE, ID_TB_TESTPLAY};
    for (int id : kWhenOpen) EnableButton(m_hToolbar, id, open);
}

void cStageEditorDlg::UpdateViewChecks() {
    HMENU menu = m_hWnd ? GetMenu(m_hWnd) : nullptr;
    if (!menu) return;
    const int flags[3] = {EditConfig.m_Place[kPlaceCommonBlocks].m_bShown,
                          EditConfig.m_Place[kPlaceStageBlocks].m_bShown,
                          EditConfig.m_Place[kPlaceCharaGroup].m_bShown};
    static const int kIds[3] = {ID_VIEW_COMMON_PALETTE, ID_VIEW_STAGE_PALETTE, ID_VIEW_GROUP};
    for (int i = 0; i < 3; ++i)
        CheckMenuItem(menu, static_cast<UINT>(kIds[i]), MF_BYCOMMAND | (flags[i] ? MF_CHECKED : MF_UNCHECKED));
}

void cStageEditorDlg::UpdateLayerMenu() {
    HMENU menu = m_hWnd ? GetMenu(m_hWnd) : nullptr;
    if (!menu) return;
    static const int kIds[3] = {ID_LAYER_BLOCK, ID_LAYER_CHARA, ID_LAYER_ITEM};
    for (int i = 0; i < 3; ++i)
        CheckMenuItem(menu, static_cast<UINT>(kIds[i]),
                      MF_BYCOMMAND | (g_StageEdit.m_nLayer == i ? MF_CHECKED : MF_UNCHECKED));
}

void cStageEditorDlg::UpdateLayerButtons() {
    if (!m_hToolbar) return;
    static const int kIds[3] = {ID_TB_BLOCK_PALETTE, ID_TB_CHARA_PALETTE, ID_TB_ITEM_PALETTE};
    const bool open = g_StageEdit.m_bOpen != 0;
    for (int i = 0; i < 3; ++i) {
        EnableButton(m_hToolbar, kIds[i], open);
        if (open)
            SendMessageA(m_hToolbar, TB_CHECKBUTTON, static_cast<WPARAM>(kIds[i]),
                         MAKELPARAM(g_StageEdit.m_nLayer == i ? TRUE : FALSE, 0));
    }
}

void cStageEditorDlg::UpdateUndoMenu() {
    HMENU menu = m_hWnd ? GetMenu(m_hWnd) : nullptr;
    if (!menu) return;
    EnableMenuItem(menu, ID_EDIT_UNDO, MF_BYCOMMAND | (g_StageEdit.m_nUndo > 0 ? MF_ENABLED : MF_GRAYED));
    EnableMenuItem(menu, ID_EDIT_REDO, MF_BYCOMMAND | (g_StageEdit.m_nRedo > 0 ? MF_ENABLED : MF_GRAYED));
}

void cStageEditorDlg::UpdateUndoButtons() {
    EnableButton(m_hToolbar, ID_EDIT_UNDO, g_StageEdit.m_nUndo > 0);
    EnableButton(m_hToolbar, ID_EDIT_REDO, g_StageEdit.m_nRedo > 0);
}

// Tool windows --------------------------------------------------------------

void cStageEditorDlg::CreatePalettes() {
    const bool open = g_StageEdit.m_bOpen != 0;
    const int layer = g_StageEdit.m_nLayer;
    // Common and stage windows of each kind in turn (the common one first:
    // the stage one is placed below it).
    static const int kOrder[6] = {0, 3, 1, 4, 2, 5};
    void* const vectors[6] = {&g_CommonPalette.m_Blocks, &g_CommonPalette.m_Charas, &g_CommonPalette.m_Items,
                              &g_Stage.m_PalBlocks,      &g_Stage.m_PalCharas,      &g_Stage.m_PalItems};
    for (int i : kOrder) {
        const int kind = i % 3;
        const int stage = i >= 3 ? 1 : 0;
        const int place = 1 + kind * 2 + stage;
        const bool shown = open && kind == layer && EditConfig.m_Place[place].m_bShown;
        SafeDelete(&m_pPalette[i]);
        cPaletteDlg* dlg = new cPaletteDlg(IDD_PALETTE, this, kWndDialog, &g_WndRegistry, vectors[i], stage, kind);
        m_pPalette[i] = dlg;
        dlg->RunModeless(0, shown ? 1 : 0);
    }
    // the character group window, shown with the character layer
    SafeDelete(&m_pCharaGroup);
    cCharaGroupDlg* group = new (std::nothrow) cCharaGroupDlg(IDD_CHARA_GROUP, this, kWndDialog, &g_WndRegistry);
    if (!group) return;
    m_pCharaGroup = group;
    const bool shown = open && layer == 1 && EditConfig.m_Place[kPlaceCharaGroup].m_bShown;
    group->RunModeless(0, shown ? 1 : 0);
}

void cStageEditorDlg::RelayoutPalettes() {
    for (cWnd* p : m_pPalette)
        if (cPaletteDlg* dlg = dynamic_cast<cPaletteDlg*>(p)) dlg->Relayout();
}

void cStageEditorDlg::ShowPalettes() {
    if (m_hWnd) ShowWindow(m_hWnd, SW_SHOW);
    for (int i = 0; i < 6; ++i) {
        cWnd* p = m_pPalette[i];
        if (!p || !p->m_hWnd) continue;
        const bool mine = g_StageEdit.m_bOpen && i % 3 == g_StageEdit.m_nLayer;
        const int place = 1 + (i % 3) * 2 + (i >= 3 ? 1 : 0);
        ShowWindow(p->m_hWnd, mine && EditConfig.m_Place[place].m_bShown ? SW_SHOW : SW_HIDE);
    }
    if (m_pCharaGroup && m_pCharaGroup->m_hWnd) {
        const bool mine = g_StageEdit.m_bOpen && g_StageEdit.m_nLayer == 1;
        ShowWindow(m_pCharaGroup->m_hWnd,
                   mine && EditConfig.m_Place[kPlaceCharaGroup].m_bShown ? SW_SHOW : SW_HIDE);
    }
}

void cStageEditorDlg::ShowBlockPalettes() {
    if (g_StageEdit.m_bOpen) ShowPalettes();
}

void cStageEditorDlg::ShowCharaPalettes() {
    if (g_StageEdit.m_bOpen) ShowPalettes();
}

void cStageEditorDlg::ShowItemPalettes() {
    if (g_StageEdit.m_bOpen) ShowPalettes();
}

void cStageEditorDlg::DrawPalettes() {
    const int layer = g_StageEdit.m_nLayer;
    if (layer < 0 || layer > 2) return;
    if (m_pPalette[layer]) m_pPalette[layer]->Draw();
    if (m_pPalette[layer + 3]) m_pPalette[layer + 3]->Draw();
    if (layer == 1 && m_pCharaGroup) m_pCharaGroup->Draw();
}

void cStageEditorDlg::DrawAllPalettes() {
    static const int kOrder[6] = {3, 0, 4, 1, 5, 2};
    for (int i : kOrder)
        if (m_pPalette[i]) m_pPalette[i]->Draw();
}

void cStageEditorDlg::HideAll() {
    if (m_hWnd) ShowWindow(m_hWnd, SW_HIDE);
    for (cWnd* p : m_pPalette)
        if (p && p->m_hWnd) ShowWindow(p->m_hWnd, SW_HIDE);
    if (m_pCharaGroup && m_pCharaGroup->m_hWnd) ShowWindow(m_pCharaGroup->m_hWnd, SW_HIDE);
}

void cStageEditorDlg::MinimizeAll() {
    m_bMinimized = 1;
    HideAll();
    if (g_MainWnd) ShowWindow(g_MainWnd, SW_MINIMIZE);
}
