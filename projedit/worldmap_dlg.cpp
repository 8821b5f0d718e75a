#include "projedit/worldmap_dlg.h"

#include <cstdlib>

#include "app/services.h"
#include "base/msgbox.h"
#include "model/clamp.h"
#include "model/prjoption.h"
#include "model/worldmap_edit.h"
#include "projedit/event_dlg.h"
#include "projedit/event_dlg_res.h"
#include "projedit/event_palette.h"
#include "projedit/mapchip_palette.h"
#include "projedit/worldmap_dlg_res.h"
#include "projedit/worldmap_setting.h"
#include "projedit/worldmap_setting_res.h"
#include "res/command_ids.h"
#include "ui/dlghelpers.h"
#include "ui/registry.h"

namespace {

const int kCell = 32;
const int kDefaultWidth = 640;
const int kDefaultHeight = 480;
const int kMinWidth = 192;
const int kMinHeight = 160;
const int kWorldBackBitmap = 22;
const int kMapChipBitmap = 23;
const int kWorldEventBitmap = 24;

cEdWindowPlace& Placement() {
    return EditConfig.m_Place[kPlaceWorldMap];
}

COLORREF PaletteColor(int index) {
    if (index < 0 || index > 255) index = 0;
    const RGBQUAD& q = g_Palette[index];
    return RGB(q.rgbRed, q.rgbGreen, q.rgbBlue);
}

int InitX() {
    if (Placement().m_bValid) return Placement().m_nX;
    RECT rc;
    return StageEditorRect(&rc) ? rc.left : kNoInitPos;
}

int InitY() {
    if (Placement().m_bValid) return Placement().m_nY;
    RECT rc;
    return StageEditorRect(&rc) ? rc.top : kNoInitPos;
}

void LayerChanged(int) {
    cWorldMapDlg* dlg = cWorldMapDlg::s_pThis;
    if (!dlg) return;
    dlg->UpdateLayerMenu();
    dlg->UpdateLayerButtons();
    if (g_WorldMapEdit.m_Mode == 0)
        dlg->OpenChipPalette();
    else
        dlg->OpenEventPalette();
}

TBBUTTON Button(int bitmap, int command, BYTE style) {
    TBBUTTON b = {};
    b.iBitmap = bitmap;
    b.idCommand = command;
    b.fsState = TBSTATE_ENABLED;
    b.fsStyle = style;
    return b;
}

}  // namespace

cWorldMapDlg* cWorldMapDlg::s_pThis = nullptr;

cWorldMapDlg::cWorldMapDlg(cDlg* parent, cWndRegistry* registry)
    : cDlg(IDD_WORLDMAP, parent, kWndDialog, registry, InitX(), InitY()) {
    s_pThis = this;
    m_WorkEvent.SetDefault();
    m_Tools[0] = &cWorldMapDlg::Pen;
    const cEdWindowPlace& place = Placement();
    const int w = place.m_bValid ? place.m_nWidth : kDefaultWidth;
    const int h = place.m_bValid ? place.m_nHeight : kDefaultHeight;
    SetLayout(w, h, kMinWidth, kMinHeight, kDefaultWidth, kDefaultHeight, 0, 1, 1, 1, 0, kHScrollBar | kVScrollBar);
    m_Canvas.m_Param.Set(IDC_WORLDMAP_CANVAS, kDefaultWidth, kDefaultHeight);
    g_StageEdit.m_bWorldMapModified = 0;
    SetWorldLayerHandler(LayerChanged);
}

cWorldMapDlg::~cWorldMapDlg() {
    DestroyModeless();
    SafeDelete(&m_pChipPalette);
    SafeDelete(&m_pEventPalette);
    SafeDelete(&m_pSettingDlg);
    SafeDelete(&m_pEventDlg);
    if (m_hPopupMenuBar) DestroyMenu(m_hPopupMenuBar);
    if (s_pThis == this) {
        s_pThis = nullptr;
        SetWorldLayerHandler(nullptr);
    }
}

void cWorldMapDlg::CreateBars() {
    m_hStatus = CreateWindowExA(0, STATUSCLASSNAMEA, "", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, m_hWnd, nullptr, m_hInst,
                                nullptr);
    // One part over the whole width, which is also readable through SB_GETTEXT.
    if (m_hStatus) {
        int right = -1;
        SendMessageA(m_hStatus, SB_SETPARTS, 1, reinterpret_cast<LPARAM>(&right));
    }
    m_hToolbar = CreateWindowExA(0, TOOLBARCLASSNAMEA, nullptr,
                                 WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT | TBSTYLE_TOOLTIPS | CCS_NODIVIDER, 0, 0, 0, 0,
                                 m_hWnd, nullptr, m_hInst, nullptr);
    if (!m_hToolbar) return;
    static const sToolButton kStd[] = {
        {Button(STD_FILESAVE, ID_WORLD_SAVE, TBSTYLE_BUTTON), "上書き保存"},
        {Button(0, 0, TBSTYLE_SEP), ""},
        {Button(STD_UNDO, ID_WORLD_UNDO, TBSTYLE_BUTTON), "元に戻す"},
        {Button(STD_REDOW, ID_WORLD_REDO, TBSTYLE_BUTTON), "やり直し"},
        {Button(0, 0, TBSTYLE_SEP), ""},
    };
    static const sToolButton kPalettes[] = {
        {Button(0, ID_WORLD_CHIP_PALETTE, TBSTYLE_CHECKGROUP), "マップチップパレット"},
        {Button(1, ID_WORLD_EVENT_PALETTE, TBSTYLE_CHECKGROUP), "イベントパレット"},
    };
    AddStdToolButtons(kStd, 5);
    AddToolButtons(kPalettes, 2, "e_bmp\\ToolBar_WorldPalette.bmp");
    SendMessageA(m_hToolbar, TB_AUTOSIZE, 0, 0);
}

void cWorldMapDlg::OnInitDialog(WPARAM wp, LPARAM lp) {
    cDlg::OnInitDialog(wp, lp);
    CreateBars();
    m_hMenu = LoadMenuA(m_hInst, MAKEINTRESOURCEA(IDM_WORLDMAP));
    if (m_hMenu) SetMenu(m_hWnd, m_hMenu);
    UpdateLayout();
    m_Canvas.m_Ctrl.Attach(this, m_Canvas.m_Param);
    UpdateLayerMenu();
    UpdateLayerButtons();
    UpdateUndoMenu();
    UpdateUndoButtons();
    OnSize();
    OpenChipPalette();
    AddAccelerators(m_hWnd, IDA_WINDOW);
    m_hPopupMenuBar = LoadMenuA(m_hInst, MAKEINTRESOURCEA(IDM_WORLDMAP_POPUP));
    m_hPopupMenu = m_hPopupMenuBar ? GetSubMenu(m_hPopupMenuBar, 0) : nullptr;
    DataToCtrls();
    m_bReady = 1;
}

void cWorldMapDlg::MarkModified() {
    g_StageEdit.m_bWorldMapModified = 1;
}

bool cWorldMapDlg::Save() {
    if (!g_WorldMap.Save(g_WorldMapPath.CStr())) {
        ErrorBoxF("%s の保存に失敗しました！", g_WorldMapPath.CStr());
        return false;
    }
    g_StageEdit.m_bWorldMapModified = 0;
    return true;
}

int cWorldMapDlg::ConfirmSave() {
    if (!g_StageEdit.m_bWorldMapModified) return 1;
    const int answer = MsgBoxOwner(m_hWnd, "ワールドマップが変更された可能性があります。\n保存しますか？", "保存確認",
                                   MB_YESNOCANCEL);
    if (answer == IDCANCEL) return 0;
    // A failed save keeps the window open, so the map is not lost.
    if (answer == IDYES) return Save() ? 1 : 0;
    return 1;
}

void cWorldMapDlg::PushUndo() {
    g_WorldMapEdit.PushUndo(g_WorldMapEdit.m_UndoCells, g_WorldMapEdit.m_UndoEvents, g_WorldMap.m_Cells,
                            g_WorldMap.m_Events);
    g_WorldMapEdit.m_RedoCells.clear();
    g_WorldMapEdit.m_RedoEvents.clear();
    UpdateUndoButtons();
    UpdateUndoMenu();
}

void cWorldMapDlg::UpdateUndoButtons() {
    if (!m_hToolbar) return;
    SendMessageA(m_hToolbar, TB_ENABLEBUTTON, ID_WORLD_UNDO, MAKELONG(!g_WorldMapEdit.m_UndoCells.empty(), 0));
    SendMessageA(m_hToolbar, TB_ENABLEBUTTON, ID_WORLD_REDO, MAKELONG(!g_WorldMapEdit.m_RedoCells.empty(), 0));
}

void cWorldMapDlg::UpdateUndoMenu() {
    if (!m_hMenu) return;
    EnableMenuItem(m_hMenu, ID_WORLD_UNDO, g_WorldMapEdit.m_UndoCells.empty() ? MF_GRAYED : MF_ENABLED);
    EnableMenuItem(m_hMenu, ID_WORLD_REDO, g_WorldMapEdit.m_RedoCells.empty() ? MF_GRAYED : MF_ENABLED);
}

void cWorldMapDlg::UpdateLayerMenu() {
    if (!m_hMenu) return;
    const int layer = g_WorldMapEdit.m_Mode;
    CheckMenuItem(m_hMenu, ID_WORLD_LAYER_CHIPS, layer == 0 ? MF_CHECKED : MF_UNCHECKED);
    CheckMenuItem(m_hMenu, ID_WORLD_LAYER_EVENTS, layer == 1 ? MF_CHECKED : MF_UNCHECKED);
}

void cWorldMapDlg::UpdateLayerButtons() {
    if (!m_hToolbar) return;
    const int layer = g_WorldMapEdit.m_Mode;
    SendMessageA(m_hToolbar, TB_SETSTATE, ID_WORLD_CHIP_PALETTE,
                 MAKELONG(TBSTATE_ENABLED | (layer == 0 ? TBSTATE_CHECKED : 0), 0));
    SendMessageA(m_hToolbar, TB_SETSTATE, ID_WORLD_EVENT_PALETTE,
                 MAKELONG(TBSTATE_ENABLED | (layer == 1 ? TBSTATE_CHECKED : 0), 0));
}

void cWorldMapDlg::OpenChipPalette() {
    if (m_pChipPalette && m_pChipPalette->m_hWnd) return;
    SafeDelete(&m_pEventPalette);
    SafeDelete(&m_pChipPalette);
    m_pChipPalette = new cMapChipPaletteDlg(this, m_lpRegistry);
    m_pChipPalette->RunModeless(0, 1);
}

void cWorldMapDlg::OpenEventPalette() {
    if (m_pEventPalette && m_pEventPalette->m_hWnd) return;
    SafeDelete(&m_pChipPalette);
    SafeDelete(&m_pEventPalette);
    m_pEventPalette = new cEventPaletteDlg(this, m_lpRegistry);
    m_pEventPalette->RunModeless(0, 1);
}

void cWorldMapDlg::RefreshPalette() {
    if (g_WorldMapEdit.m_Mode == 0) {
        if (m_pChipPalette && m_pChipPalette->m_hWnd) m_pChipPalette->Draw();
    } else if (m_pEventPalette && m_pEventPalette->m_hWnd) {
        m_pEventPalette->Refresh();
    }
}

void cWorldMapDlg::ShowAll() {
    if (m_hWnd) Show(1);
    if (m_pChipPalette && m_pChipPalette->m_hWnd) m_pChipPalette->Show(1);
    if (m_pEventPalette && m_pEventPalette->m_hWnd) m_pEventPalette->Show(1);
}

void cWorldMapDlg::HideAll() {
    if (m_hWnd) Show(0);
    if (m_pChipPalette && m_pChipPalette->m_hWnd) m_pChipPalette->Show(0);
    if (m_pEventPalette && m_pEventPalette->m_hWnd) m_pEventPalette->Show(0);
}

void cWorldMapDlg::EnableWindows(int flag) {
    if (m_hWnd) EnableWindow(m_hWnd, flag ? TRUE : FALSE);
    if (m_pChipPalette && m_pChipPalette->m_hWnd) EnableWindow(m_pChipPalette->m_hWnd, flag ? TRUE : FALSE);
    if (m_pEventPalette && m_pEventPalette->m_hWnd) EnableWindow(m_pEventPalette->m_hWnd, flag ? TRUE : FALSE);
}

int cWorldMapDlg::RunEventDlg(cEdWorldEvent* event) {
    SafeDelete(&m_pEventDlg);
    m_pEventDlg = new cEventDlg(this, event, m_lpRegistry, nullptr, 0);
    const int result = m_pEventDlg->RunModal(kRunDisableOthers);
    SafeDelete(&m_pEventDlg);
    return result;
}

void cWorldMapDlg::PlaceWorkEvent(int x, int y) {
    g_WorldMap.PutEvent(&m_WorkEvent, x, y);
}

void cWorldMapDlg::OnSize() {
    if (!m_hWnd) return;
    UpdateLayout();
    if (m_Canvas.m_Ctrl.m_hWnd)
        MoveWindow(m_Canvas.m_Ctrl.m_hWnd, m_rcCanvas.x, m_rcCanvas.y, m_rcCanvas.w, m_rcCanvas.h, TRUE);
    cCtrlScroll& h = m_HScroll.m_Ctrl;
    cCtrlScroll& v = m_VScroll.m_Ctrl;
    if (h.m_hWnd) {
        h.SetRange(0, g_WorldMap.m_Width - 1);
        h.SetPage(m_rcCanvas.w / kCell);
    }
    if (v.m_hWnd) {
        v.SetRange(0, g_WorldMap.m_Height - 1);
        v.SetPage(m_rcCanvas.h / kCell);
    }
    ReadViewOrigin();
}

void cWorldMapDlg::ReadViewOrigin() {
    if (m_HScroll.m_Ctrl.m_hWnd) m_nViewX = m_HScroll.m_Ctrl.GetPos();
    if (m_VScroll.m_Ctrl.m_hWnd) m_nViewY = m_VScroll.m_Ctrl.GetPos();
}

LRESULT cWorldMapDlg::MsgProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
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
            g_WorldMapEdit.ClearHistory();
            StageEditorOnWorldMapClosed();
            return 1;
        }
        case WM_SIZE:
            OnSize();
            handled = 1;
            break;
        case WM_HSCROLL:
        case WM_VSCROLL:
            ReadViewOrigin();
            handled = 1;
            break;
        case WM_CLOSE:
            if (ConfirmSave()) Close(0);
            return 1;
        case WM_KEYDOWN:
            if (wp == VK_SPACE) {
                g_WorldMapEdit.ToggleLayer();
                if (m_hWnd) SetFocus(m_hWnd);
                handled = 1;
            }
            break;
        case WM_SYSCOMMAND:
            if ((wp & 0xFFF0) == SC_MINIMIZE) return 1;
            return 0;
        case WM_MOUSEMOVE:
        case WM_LBUTTONDOWN:
        case WM_LBUTTONUP:
        case WM_RBUTTONDOWN:
        case WM_RBUTTONUP:
            OnMouse(msg);
            handled = 1;
            break;
    }
    if (handled && m_bReady && m_hWnd) Draw();
    return handled;
}

void cWorldMapDlg::UpdateCursor() {
    UpdateMouse(true, cMouseState::kButtons);
    int x = m_Mouse.m_nX;
    int y = m_Mouse.m_nY;
    if (x < 0 || x >= m_rcCanvas.w || y < 0 || y >= m_rcCanvas.h) {
        Clamp(&x, 0, m_rcCanvas.w - 1);
        Clamp(&y, 0, m_rcCanvas.h - 1);
    }
    const int cx = x / kCell;
    const int cy = y / kCell;
    cViewState* cur = g_StateStack.m_pCurrent;
    cur->m_Values[0] = m_nViewX + cx;
    cur->m_Values[1] = m_nViewY + cy;
    cur->m_Values[2] = cx * kCell;
    cur->m_Values[3] = cy * kCell;
}

void cWorldMapDlg::OnMouse(UINT msg) {
    UpdateCursor();
    const bool press = msg == WM_LBUTTONDOWN || msg == WM_RBUTTONDOWN;
    if (press) MarkModified();
    int tool = g_WorldMapEdit.m_Tool;
    if (tool < 0 || tool >= static_cast<int>(sizeof m_Tools / sizeof m_Tools[0])) tool = 0;
    (this->*m_Tools[tool])(msg);
    if (g_WorldMapEdit.m_Mode == 0) SelectRect(msg);
    if (press && m_hWnd) SetFocus(m_hWnd);
}

void cWorldMapDlg::Pen(UINT msg) {
    if (msg != WM_MOUSEMOVE && msg != WM_LBUTTONDOWN) return;
    cWorldMapEdit& ed = g_WorldMapEdit;
    const int cx = g_StateStack.m_pCurrent->m_Values[0];
    const int cy = g_StateStack.m_pCurrent->m_Values[1];
    if (msg == WM_LBUTTONDOWN) {
        if (ed.m_Mode == 0) {
            PushUndo();
        } else {
            const bool editPlaced = EditConfig.m_bEventEditPlaced && g_WorldMap.HasEventAt(cx, cy);
            if (!(editPlaced || EditConfig.m_bEventEditBefore)) PushUndo();
        }
    }
    // A move reported before this window saw the press (the system may
    // report one with the press itself) does not paint: the press pushes
    // the undo step first, so that undo brings back the map as it was.
    if (msg == WM_LBUTTONDOWN) m_bPenDown = 1;
    if (!m_Mouse.m_bLDown) m_bPenDown = 0;
    if (!m_Mouse.m_bLDown || !m_bPenDown) return;
    cEdWorldMap& map = g_WorldMap;
    const int bw = ed.m_PatternWidth < kWorldMapMaxWidth ? ed.m_PatternWidth : kWorldMapMaxWidth;
    const int bh = ed.m_PatternHeight < kWorldMapMaxHeight ? ed.m_PatternHeight : kWorldMapMaxHeight;
    for (int i = 0; i < bh && cy + i < map.m_Height; ++i) {
        for (int j = 0; j < bw && cx + j < map.m_Width; ++j) {
            const int x = cx + j;
            const int y = cy + i;
            if (x < 0 || y < 0) continue;
            if (ed.m_Mode == 0) {
                const int32_t b = ed.m_Pattern[i * kWorldMapMaxWidth + j];
                if (static_cast<uint32_t>(b) < static_cast<uint32_t>(map.m_Chips.size()))
                    map.m_Cells[x + (y << map.m_PitchShift)] = b;
                continue;
            }
            if (ed.m_SelEntry == -1) continue;
            cEdWorldEvent* placed = map.FindEvent(x, y);
            if (EditConfig.m_bEventEditPlaced && placed) {
                RunEventDlg(placed);
            } else {
                m_WorkEvent = ed.m_EventBuf;
                if (EditConfig.m_bEventAutoWorldNo) map.AssignWorldNo(&m_WorkEvent, map.FindEvent(x, y));
                if (!EditConfig.m_bEventEditBefore || RunEventDlg(&m_WorkEvent) == 1) PlaceWorkEvent(x, y);
            }
        }
    }
    RefreshPalette();
}

void cWorldMapDlg::SelectRect(UINT msg) {
    cWorldMapEdit& ed = g_WorldMapEdit;
    if (msg == WM_RBUTTONDOWN) {
        ed.m_RangeX = g_StateStack.m_pCurrent->m_Values[0];
        ed.m_RangeY = g_StateStack.m_pCurrent->m_Values[1];
        ed.m_ToolFlag = 1;
        ed.m_SelEntry = -1;
        ed.m_Ranging = 1;
    } else if (msg == WM_RBUTTONUP && ed.m_Ranging) {
        FinishRect();
    }
}

void cWorldMapDlg::FinishRect() {
    cWorldMapEdit& ed = g_WorldMapEdit;
    const cEdWorldMap& map = g_WorldMap;
    const int cx = g_StateStack.m_pCurrent->m_Values[0];
    const int cy = g_StateStack.m_pCurrent->m_Values[1];
    int w = std::abs(cx - ed.m_RangeX) + 1;
    int h = std::abs(cy - ed.m_RangeY) + 1;
    // The brush holds the largest map; a bigger rectangle could only come
    // from a map beyond the largest size.
    Clamp(&w, 1, kWorldMapMaxWidth);
    Clamp(&h, 1, kWorldMapMaxHeight);
    const int left = cx < ed.m_RangeX ? cx : ed.m_RangeX;
    const int top = cy < ed.m_RangeY ? cy : ed.m_RangeY;
    ed.m_PatternWidth = w;
    ed.m_PatternHeight = h;
    for (int i = 0; i < h && top + i < map.m_Height; ++i)
        for (int j = 0; j < w && left + j < map.m_Width; ++j)
            if (left + j >= 0 && top + i >= 0)
                ed.m_Pattern[i * kWorldMapMaxWidth + j] =
                    g_WorldMap.m_Cells[(left + j) + ((top + i) << map.m_PitchShift)];
    ed.SetTool(ed.m_Tool);
    ed.m_Ranging = 0;
}

void cWorldMapDlg::OnFrame() {
    if (!m_hWnd || !m_bReady) return;
    UpdateMouse(true, cMouseState::kButtons | cMouseState::kPresses | cMouseState::kReleases);
    cWorldMapEdit& ed = g_WorldMapEdit;
    if (IsActive() && ed.m_Mode == 1 && m_hPopupMenu) {
        const cViewState* cur = g_StateStack.m_pCurrent;
        ed.m_pPopupEvent = g_WorldMap.FindEvent(cur->m_Values[0], cur->m_Values[1]);
        const UINT onEvent = ed.m_pPopupEvent ? MF_ENABLED : MF_GRAYED;
        EnableMenuItem(m_hPopupMenu, ID_WORLD_EDIT_EVENT, onEvent);
        EnableMenuItem(m_hPopupMenu, ID_POPUP_CUT, onEvent);
        EnableMenuItem(m_hPopupMenu, ID_POPUP_COPY, onEvent);
        EnableMenuItem(m_hPopupMenu, ID_POPUP_DELETE, onEvent);
        EnableMenuItem(m_hPopupMenu, ID_POPUP_PASTE, ed.m_bClipValid ? MF_ENABLED : MF_GRAYED);
        g_StateStack.Push(1);
        TrackPopup(m_hPopupMenu);
    }
    const bool inside =
        m_Mouse.m_nX >= 0 && m_Mouse.m_nX < m_rcCanvas.w && m_Mouse.m_nY >= 0 && m_Mouse.m_nY < m_rcCanvas.h;
    if (inside || !ed.m_Ranging) return;
    UpdateCursor();
    if (ed.m_ToolFlag) {
        if (m_Mouse.m_bRPress) {
            ed.m_Ranging = 0;
            return;
        }
        if (m_Mouse.m_bRRelease) FinishRect();
    }
    if (m_Mouse.m_bRDown) AutoScroll(&m_nViewX, &m_nViewY);
    Draw();
}

void cWorldMapDlg::OnPopupCommand(int id) {
    cWorldMapEdit& ed = g_WorldMapEdit;
    cEdWorldMap& map = g_WorldMap;
    const cViewState* below = g_StateStack.Below();
    const int px = below ? below->m_Values[0] : g_StateStack.m_pCurrent->m_Values[0];
    const int py = below ? below->m_Values[1] : g_StateStack.m_pCurrent->m_Values[1];
    // The event found when the menu opened, if it is still placed there.
    cEdWorldEvent* target = ed.m_pPopupEvent;
    if (target && map.FindEvent(px, py) != target) target = map.FindEvent(px, py);
    switch (id) {
        case ID_WORLD_EDIT_EVENT:
            if (target) RunEventDlg(target);
            break;
        case ID_POPUP_CUT:
            ed.m_bClipValid = 1;
            if (target) {
                PushUndo();
                ed.m_EventBuf2 = *target;
                if (m_pEventPalette) m_pEventPalette->SetClipboard(*target);
                map.RemoveEvent(target);
                MarkModified();
            }
            break;
        case ID_POPUP_COPY:
            ed.m_bClipValid = 1;
            if (target) {
                ed.m_EventBuf2 = *target;
                if (m_pEventPalette) m_pEventPalette->SetClipboard(*target);
            }
            break;
        case ID_POPUP_PASTE:
            if (ed.m_bClipValid) {
                PushUndo();
                m_WorkEvent = ed.m_EventBuf2;
                if (EditConfig.m_bEventAutoWorldNo) map.AssignWorldNo(&m_WorkEvent, map.FindEvent(px, py));
                PlaceWorkEvent(px, py);
                MarkModified();
            }
            break;
        case ID_WORLD_NEW_EVENT:
            m_WorkEvent.SetDefault();
            m_WorkEvent.m_X = px;
            m_WorkEvent.m_Y = py;
            if (EditConfig.m_bEventAutoWorldNo) map.AssignWorldNo(&m_WorkEvent, map.FindEvent(px, py));
            if (RunEventDlg(&m_WorkEvent) == 1) PlaceWorkEvent(px, py);
            MarkModified();
            break;
        case ID_POPUP_DELETE:
            if (target) {
                PushUndo();
                map.RemoveEventsAt(px, py);
                MarkModified();
            }
            break;
    }
    ed.m_pPopupEvent = nullptr;
    g_StateStack.Pop(2);
}

void cWorldMapDlg::OnSettings() {
    HideAll();
    EnableWindows(0);
    SafeDelete(&m_pSettingDlg);
    m_pSettingDlg = new cWorldMapSettingDlg(this, m_lpRegistry);
    if (m_pSettingDlg->RunModal(0) == 1) {
        g_WorldMap.Validate();
        if (m_hWnd) SendMessageA(m_hWnd, WM_SIZE, 0, 0);
        RefreshPalette();
        g_WorldMapEdit.ClearHistory();
        UpdateUndoButtons();
        UpdateUndoMenu();
        MarkModified();
    }
    SafeDelete(&m_pSettingDlg);
    ShowAll();
    EnableWindows(1);
}

void cWorldMapDlg::OnCommand(WPARAM wp, LPARAM lp) {
    cDlg::OnCommand(wp, lp);
    cWorldMapEdit& ed = g_WorldMapEdit;
    const int id = LOWORD(wp);
    switch (id) {
        case ID_KEY_SAVE:
        case ID_WORLD_SAVE:
            Save();
            break;
        case ID_WORLD_UNDO:
        case ID_KEY_UNDO:
            ed.Undo(g_WorldMap.m_Cells, g_WorldMap.m_Events);
            UpdateUndoButtons();
            UpdateUndoMenu();
            MarkModified();
            break;
        case ID_WORLD_REDO:
        case ID_KEY_REDO:
            ed.Redo(g_WorldMap.m_Cells, g_WorldMap.m_Events);
            UpdateUndoButtons();
            UpdateUndoMenu();
            MarkModified();
            break;
        case ID_WORLD_EXIT:
            if (m_hWnd) PostMessageA(m_hWnd, WM_CLOSE, 0, 0);
            break;
        case ID_WORLD_SETTINGS:
            OnSettings();
            break;
        case ID_WORLD_CLEAR_CHIPS:
            if (MsgBoxOwner(m_hWnd, "全てのマップチップをクリアしますか？", "データクリアの確認", MB_YESNO) == IDYES) {
                PushUndo();
                g_WorldMap.ClearCells();
                MarkModified();
            }
            break;
        case ID_WORLD_CLEAR_EVENTS:
            if (MsgBoxOwner(m_hWnd, "全てのイベントをクリアしますか？", "データクリアの確認", MB_YESNO) == IDYES) {
                PushUndo();
                g_WorldMap.m_Events.clear();
                MarkModified();
            }
            break;
        case ID_WORLD_CHIP_PALETTE:
        case ID_WORLD_LAYER_CHIPS:
            ed.SetLayer(0);
            if (m_hWnd) SetFocus(m_hWnd);
            break;
        case ID_WORLD_EVENT_PALETTE:
        case ID_WORLD_LAYER_EVENTS:
            ed.SetLayer(1);
            if (m_hWnd) SetFocus(m_hWnd);
            break;
        case ID_WORLD_EDIT_EVENT:
        case ID_POPUP_CUT:
        case ID_POPUP_COPY:
        case ID_POPUP_PASTE:
        case ID_WORLD_NEW_EVENT:
        case ID_POPUP_DELETE:
            OnPopupCommand(id);
            break;
        default:
            return;
    }
    if (m_hWnd) Draw();
}

void cWorldMapDlg::Draw() {
    cDib& dib = m_Canvas.m_Ctrl.m_Offscreen;
    if (!m_hWnd || !dib.m_hDC) return;
    const cEdWorldMap& map = g_WorldMap;
    const cWorldMapEdit& ed = g_WorldMapEdit;
    const int w = m_rcCanvas.w;
    const int h = m_rcCanvas.h;
    if (w <= 0 || h <= 0) return;
    // Background colour, then the background picture scrolling with the map.
    dib.Clear(PaletteColor(map.m_BackColor));
    if (map.m_UseBackImage) dib.Blt(0, 0, w, h, g_Bitmaps[kWorldBackBitmap], m_nViewX * kCell, m_nViewY * kCell, 0);
    // Chips of the cells in view.
    const int cols = w / kCell + 1;
    const int rows = h / kCell + 1;
    const int chipCount = static_cast<int>(map.m_Chips.size());
    for (int row = 0; row < rows; ++row) {
        const int y = m_nViewY + row;
        if (y < 0 || y >= map.m_Height) continue;
        for (int col = 0; col < cols; ++col) {
            const int x = m_nViewX + col;
            if (x < 0 || x >= map.m_Width) continue;
            const int index = x + (y << map.m_PitchShift);
            if (index < 0 || index >= static_cast<int>(map.m_Cells.size())) continue;
            const int chip = map.m_Cells[index];
            if (chip < 0 || chip >= chipCount) continue;
            const int g = map.m_Chips[chip].m_Graphic;
            dib.Blt(col * kCell, row * kCell, kCell, kCell, g_Bitmaps[kMapChipBitmap], g % 5 * kCell, g / 5 * kCell, 0);
        }
    }
    // Events: their first page's picture at half size with a yellow frame
    // and, for a numbered world, the number.
    dib.SelectPen(PS_SOLID, 1, RGB(255, 255, 0));
    for (int i = 0; i < static_cast<int>(map.m_Events.size()); ++i) {
        const cEdWorldEvent& e = map.m_Events[i];
        if (e.m_Pages.empty()) continue;
        const cEdEventPage& page = e.m_Pages[0];
        const int px = (e.m_X - m_nViewX) * kCell + 15;
        const int py = (e.m_Y - m_nViewY) * kCell + 1;
        dib.StretchBlt(px, py, 16, 16, g_Bitmaps[kWorldEventBitmap], page.m_WorldNo != 0 ? 0 : kCell,
                       page.m_Graphic * kCell, kCell, kCell, 1);
        dib.Rect(px, py, 16, 16);
        if (page.m_Type == 0 && page.m_WorldNo != 0) {
            const int n = page.m_WorldNo;
            const int tx = n < 10 ? px + 4 : (n < 100 ? px : px - 8);
            cDib::Printf(&dib, tx, py, "%d", n);
        }
    }
    dib.DeletePen();
    dib.Grid(0, 0, w, h, kCell, kCell, RGB(255, 255, 255));
    // The cursor: the brush, or the rectangle being picked up.
    const cViewState* cur = g_StateStack.m_pCurrent;
    const int cx = cur->m_Values[0];
    const int cy = cur->m_Values[1];
    dib.SelectPen(PS_SOLID, 2, ed.m_ToolFlag ? RGB(255, 0, 128) : RGB(128, 0, 255));
    if (!ed.m_ToolFlag) {
        dib.Rect((cx - m_nViewX) * kCell, (cy - m_nViewY) * kCell, ed.m_PatternWidth * kCell,
                 ed.m_PatternHeight * kCell);
    } else if (ed.m_Ranging) {
        const int left = cx < ed.m_RangeX ? cx : ed.m_RangeX;
        const int top = cy < ed.m_RangeY ? cy : ed.m_RangeY;
        dib.Rect((left - m_nViewX) * kCell, (top - m_nViewY) * kCell, (std::abs(cx - ed.m_RangeX) + 1) * kCell,
                 (std::abs(cy - ed.m_RangeY) + 1) * kCell);
    }
    dib.DeletePen();
    if (m_hStatus) {
        cString text;
        text.Format("座標 (%d,%d)", cx, cy);
        SendMessageA(m_hStatus, SB_SETTEXTA, 0, reinterpret_cast<LPARAM>(text.CStr()));
    }
    m_Canvas.m_Ctrl.m_Screen.Blt(0, 0, w, h, dib, 0, 0, 1);
}
