#include "projedit/event_dlg.h"

#include <windowsx.h>

#include "app/services.h"
#include "base/paths_win32.h"
#include "cmdedit/cmd_words.h"
#include "model/worldmap_edit.h"
#include "projedit/event_dlg_res.h"
#include "projedit/proj_lists.h"
#include "projedit/worldmap_dlg.h"
#include "res/command_ids.h"
#include "ui/dlghelpers.h"
#include "ui/varnames.h"

namespace {

const int kWorldEventBitmap = 24;

cWorldMapDlg* WorldMapWindow() {
    cWorldMapDlg* held = dynamic_cast<cWorldMapDlg*>(HeldWorldMapWindow());
    return held ? held : cWorldMapDlg::s_pThis;
}

}  // namespace

cEventDlg* cEventDlg::s_pThis = nullptr;

cEventDlg::cEventDlg(cDlg* parent, cEdWorldEvent* event, cWndRegistry* registry, cCtrl* ownerCtrl, int centre)
    : cDlg(IDD_EVENT, parent, kWndDialog, registry, ownerCtrl, centre), m_pTarget(event) {
    s_pThis = this;
    m_Work = *event;
    m_Pages = m_Work.m_Pages;
    if (m_Pages.empty()) {
        cEdEventPage page;
        page.SetDefault();
        m_Pages.push_back(page);
    }
    m_Page = m_Pages[0];
    const int rows = g_Bitmaps[kWorldEventBitmap].m_Height / 32;
    for (int i = 1; i <= rows; ++i) {
        cString name;
        name.Format("%d", i);
        m_GraphicNames.push_back(name);
    }
    BuildVarNames();
    TableToList(&m_TypeNames, g_EventTypeName);
    TableToList(&m_ClearNames, g_GameClearAction);
    TableToList(&m_CompareNames, g_CompareWord);

    // m_Pages is the dialog's copy of the event's pages, made above
    DeclareEventPageList(m_List.m_Param, nullptr, &m_Pages, &m_Page);

    m_Strs.resize(3);
    m_Strs[0].m_Param.Set(IDC_EVENT_NAME, &m_Work.m_Name, 20, 1);
    m_Strs[1].m_Param.Set(IDC_EVENT_WORLD_NAME, &m_Page.m_WorldName, 20, 1);
    m_Strs[2].m_Param.Set(IDC_EVENT_STAGE, &m_Page.m_StartStage, 260, 0);
    m_Vals.resize(4);
    m_Vals[0].m_Param.Set(IDC_EVENT_WORLD_NO, &m_Page.m_WorldNo, 0, 999, IDC_EVENT_WORLD_NO_SPIN, 1);
    m_Vals[1].m_Param.Set(IDC_EVENT_COND_WORLD, &m_Page.m_CondWorld, 0, 999, IDC_EVENT_COND_WORLD_SPIN, 1);
    m_Vals[2].m_Param.Set(IDC_EVENT_VAR_VALUE, &m_Page.m_CondValue, -999999, 999999, IDC_EVENT_VAR_VALUE_SPIN, 1);
    m_Vals[3].m_Param.Set(IDC_EVENT_SCORE, &m_Page.m_CondScore, -999999, 999999, IDC_EVENT_SCORE_SPIN, 1);
    m_Combos.resize(5);
    m_Combos[0].m_Param.SetList(IDC_EVENT_TYPE, &m_Page.m_Type, &m_TypeNames, 0);
    m_Combos[1].m_Param.SetList(IDC_EVENT_GRAPHIC, &m_Page.m_Graphic, &m_GraphicNames, 0);
    m_Combos[2].m_Param.SetList(IDC_EVENT_CLEAR, &m_Page.m_GameClear, &m_ClearNames, 0);
    m_Combos[3].m_Param.SetList(IDC_EVENT_VAR, &m_Page.m_CondVar, &m_VarNames, 0);
    m_Combos[4].m_Param.SetList(IDC_EVENT_VAR_COMPARE, &m_Page.m_CondCompare, &m_CompareNames, 0);
    m_Checks.resize(2);
    m_Checks[0].m_Param.Set(IDC_EVENT_PASS, &m_Page.m_PassUncleared);
    m_Checks[1].m_Param.Set(IDC_EVENT_REPLAY, &m_Page.m_PlayCleared);
    const int buttons[] = {IDC_EVENT_INSERT, IDC_EVENT_DELETE, IDC_EVENT_STAGE_BROWSE, IDC_EVENT_VAR_RENAME};
    m_Buttons.resize(4);
    for (int i = 0; i < 4; ++i) m_Buttons[i].m_Param.Set(buttons[i]);
    m_Preview.m_Param.Set(IDC_EVENT_PREVIEW, 32, 32);
    SetLayout(0, 0, 100, 100, 640, 480, 0, 0, 0, 0, 0, 0);
}

cEventDlg::~cEventDlg() {
    DestroyModeless();
    if (m_hListMenu) DestroyMenu(m_hListMenu);
    if (s_pThis == this) s_pThis = nullptr;
}

void cEventDlg::BuildVarNames() {
    m_VarNames.clear();
    m_VarNames.push_back(cString("変数条件なし"));
    for (int i = 1; i < static_cast<int>(g_GValInfo.size()); ++i) {
        cString num, text;
        NumToStrZero(&num, i, 3);
        text.Format("%s %s", num.CStr(), g_GValInfo[i].m_Name.CStr());
        m_VarNames.push_back(text);
    }
}

void cEventDlg::OnInitDialog(WPARAM wp, LPARAM lp) {
    cDlg::OnInitDialog(wp, lp);
    m_bLoading = 1;
    m_List.m_Ctrl.m_strSeparator = cString(64, '-');
    AttachCtrl(m_List);
    AddCtrls(m_Strs);
    AddCtrls(m_Vals);
    AddCtrls(m_Combos);
    AddCtrls(m_Checks);
    AddCtrls(m_Buttons);
    AttachCtrl(m_Preview);
    AddAccelerators(m_hWnd, IDA_LIST_INSERT);
    m_hListMenu = LoadMenuA(m_hInst, MAKEINTRESOURCEA(IDM_LIST_INSERT));
    m_List.m_Ctrl.ResetSel(0, 0);
    DataToCtrls();
    m_bLoading = 0;
    UpdateCtrls();
    m_bReady = 1;
}

void cEventDlg::ShowPage() {
    cCtrlList<cEdEventPage>& list = m_List.m_Ctrl;
    const int index = list.GetSelData();
    if (index >= 0) {
        m_Page = m_Pages[index];
    } else {
        m_Page = cEdEventPage();
        m_Page.SetDefault();
    }
    m_bLoading = 1;
    DataToCtrls();
    m_bLoading = 0;
}

void cEventDlg::StorePage() {
    CtrlsToData();
    cCtrlList<cEdEventPage>& list = m_List.m_Ctrl;
    bool stored = false;
    for (int r = 0; r < static_cast<int>(list.m_bbSel.size()); ++r) {
        if (!list.m_bbSel[r] || !list.IsRecordRow(r)) continue;
        m_Pages[r] = m_Page;
        stored = true;
    }
    if (stored) {
        list.Fill();
        list.Redraw();
    }
}

void cEventDlg::UpdateCtrls() {
    const int var = m_Combos[3].m_Ctrl.GetCurData();
    EnableCtrl(m_Vals, IDC_EVENT_VAR_VALUE, var > 0);
    EnableCtrl(m_Combos, IDC_EVENT_VAR_COMPARE, var > 0);
    const int type = m_Combos[0].m_Ctrl.GetCurData();
    if (type == 0) {
        EnableCtrl(m_Vals, IDC_EVENT_WORLD_NO, 1);
    } else if (type == 1 || type == 2) {
        EnableCtrl(m_Vals, IDC_EVENT_WORLD_NO, 0);
        m_Vals[0].m_Ctrl.SetValue(0);
    } else {
        return;
    }
    const int on = type == 0;
    EnableCtrl(m_Strs, IDC_EVENT_WORLD_NAME, on);
    EnableCtrl(m_Strs, IDC_EVENT_STAGE, on);
    EnableCtrl(m_Checks, IDC_EVENT_PASS, on);
    EnableCtrl(m_Checks, IDC_EVENT_REPLAY, on);
    EnableCtrl(m_Combos, IDC_EVENT_CLEAR, on);
}

void cEventDlg::BrowseStage() {
    char path[MAX_PATH] = "";
    if (!OpenFileDialog(m_hWnd, path, sizeof path, "data\\stg4", "ステージファイルの選択",
                        "StageFile ( *.stg4_* )\0*.stg4_*\0", "stg4_*", 0))
        return;
    if (!MakeRelativePath(path)) return;
    m_Strs[2].m_Ctrl.SetText(cString(path));
}

void cEventDlg::RenameVar() {
    // the names are written at once; a failed write is reported
    const int var = m_Combos[3].m_Ctrl.GetCurData();
    if (!RenameCommonVariable(this, &g_GValInfo, var, &m_Buttons[3].m_Ctrl, SaveCommonVarNames)) return;
    BuildVarNames();
    m_Combos[3].m_Ctrl.SetItemList(&m_VarNames);
}

bool cEventDlg::ListCommand(int id) {
    cCtrlList<cEdEventPage>& list = m_List.m_Ctrl;
    switch (id) {
        case ID_KEY_CUT:
        case ID_POPUP_CUT:
            list.Cut();
            break;
        case ID_KEY_COPY:
        case ID_POPUP_COPY:
            list.Copy();
            break;
        case ID_KEY_PASTE:
        case ID_POPUP_PASTE:
            list.Paste();
            break;
        case ID_KEY_LIST_DELETE:
        case ID_POPUP_DELETE:
            list.Delete(-1, false);
            break;
        case ID_KEY_LIST_INSERT:
        case ID_POPUP_INSERT:
            list.Insert();
            break;
        default:
            return false;
    }
    ShowPage();
    return true;
}

void cEventDlg::OnCommand(WPARAM wp, LPARAM lp) {
    cDlg::OnCommand(wp, lp);
    const int id = LOWORD(wp);
    const int code = HIWORD(wp);
    cCtrlList<cEdEventPage>& list = m_List.m_Ctrl;
    if (m_bLoading) return;
    switch (id) {
        case kIdOk: {
            StorePage();
            m_Work.m_Pages = m_Pages;
            if (cWorldMapDlg* map = WorldMapWindow()) map->PushUndo();
            *m_pTarget = m_Work;
            g_StageEdit.m_bWorldMapModified = 1;
            Close(1);
            return;
        }
        case kIdCancel:
            Close(0);
            return;
        case IDC_EVENT_INSERT:
            if (code == BN_CLICKED && list.Insert()) ShowPage();
            break;
        case IDC_EVENT_DELETE:
            if (code == BN_CLICKED) {
                list.Delete(-1, false);
                ShowPage();
            }
            break;
        case IDC_EVENT_STAGE_BROWSE:
            if (code == BN_CLICKED) BrowseStage();
            break;
        case IDC_EVENT_VAR_RENAME:
            if (code == BN_CLICKED) RenameVar();
            break;
        case IDC_EVENT_PAGES:
            if (code == LBN_SELCHANGE) {
                list.OnSelChange();
                ShowPage();
            }
            break;
        default:
            ListCommand(id);
            break;
    }
    if (id != IDC_EVENT_WORLD_NO) UpdateCtrls();
    const uint16_t changed = GetChangedCtrlId(wp);
    const bool listButton = id == IDC_EVENT_INSERT || id == IDC_EVENT_DELETE || id == IDC_EVENT_STAGE_BROWSE ||
                            id == IDC_EVENT_VAR_RENAME;
    if (changed && !listButton) StorePage();
    if (list.m_hWnd) SendMessageA(list.m_hWnd, WM_SETREDRAW, TRUE, 0);
    list.Redraw();
    Draw();
}

LRESULT cEventDlg::MsgProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    int handled = DefMsgProc(hwnd, msg, wp, lp);
    switch (msg) {
        case WM_CONTEXTMENU:
            if (reinterpret_cast<HWND>(wp) == m_List.m_Ctrl.m_hWnd && m_hListMenu) {
                POINT pt = {GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
                if (m_List.m_Ctrl.SelectAtPoint(pt)) ShowPage();
                TrackPopupMenu(GetSubMenu(m_hListMenu, 0), TPM_RIGHTBUTTON, pt.x, pt.y, 0, hwnd, nullptr);
                return 1;
            }
            break;
        case WM_CLOSE:
            Close(0);
            return 1;
    }
    if (handled && m_bReady && m_hWnd) Draw();
    return handled;
}

void cEventDlg::Draw() {
    cCtrlPicture& pic = m_Preview.m_Ctrl;
    cDib& dib = pic.m_Offscreen;
    if (!m_hWnd || !dib.m_hDC || !pic.m_Screen.m_hDC) return;
    dib.Clear(RGB(0, 0, 0));
    const int worldNo = m_Vals[0].m_Ctrl.GetValue();
    const int row = m_Combos[1].m_Ctrl.GetCurData();
    if (row >= 0) dib.Blt(0, 0, 32, 32, g_Bitmaps[kWorldEventBitmap], worldNo != 0 ? 0 : 32, row * 32, 0);
    pic.m_Screen.Blt(0, 0, 32, 32, dib, 0, 0, 1);
}
