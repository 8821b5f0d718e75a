#include "app/stage_editor.h"

#include "app/db_open.h"
#include "app/mainframe.h"
#include "app/paths_table.h"
#include "app/shell.h"
#include "app/stage_edit.h"
#include "app/stage_editor_res.h"
#include "base/appwnd.h"
#include "model/prjoption.h"
#include "model/stage.h"
#include "res/command_ids.h"
#include "res/resource.h"
#include "ui/propsheet.h"

extern cEditConfig EditConfig;
extern cPrjOption g_PrjOption;
extern cEdStage g_Stage;

namespace {

const int kDefaultX = 50;
const int kDefaultY = 50;
const int kDefaultWidth = 640;
const int kDefaultHeight = 480;

const cEdWindowPlace& Placement() {
    return EditConfig.m_Place[kPlaceStageEditor];
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
    SetLayout(w, h, 384, 160, 640, 480, 0, 0, 0, 0, 0, 0);
}

cStageEditorDlg::~cStageEditorDlg() {
    DestroyModeless();
}

void cStageEditorDlg::OnInitDialog(WPARAM wp, LPARAM lp) {
    cDlg::OnInitDialog(wp, lp);
    HICON icon = LoadIconA(m_hInst, MAKEINTRESOURCEA(IDI_APP));
    if (icon) SendMessageA(m_hWnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
    UpdateTitle();
    ShowSummary();
    m_bReady = 1;
}

void cStageEditorDlg::OnCommand(WPARAM wp, LPARAM lp) {
    cDlg::OnCommand(wp, lp);
    if (LOWORD(wp) == ID_DATABASE) OpenDatabaseSheet(this);
}

void cStageEditorDlg::UpdateTitle() {
    if (!m_hWnd) return;
    cString title;
    if (g_StageEdit.m_strPath.NotEmpty())
        title.Format("%s  %s", "ヴァントール4", g_StageEdit.m_strPath.CStr());
    else
        title.Format("%s", "ヴァントール4");
    SetWindowTextA(m_hWnd, title.CStr());
}

void cStageEditorDlg::ShowSummary() {
    cString text;
    if (g_StageEdit.m_bOpen)
        text.Format("ステージ：%s\n%d x %d ブロック", g_Stage.m_Name.CStr(), g_Stage.m_Width, g_Stage.m_Height);
    else
        text.Format("ステージは開かれていません。\n%d x %d ブロック", g_Stage.m_Width, g_Stage.m_Height);
    SetDlgItemTextA(m_hWnd, IDC_STAGE_SUMMARY, text.CStr());
}

LRESULT cStageEditorDlg::MsgProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    const int handled = DefMsgProc(hwnd, msg, wp, lp);
    switch (msg) {
        case WM_DESTROY: {
            RECT rc = {};
            ::GetWindowRect(hwnd, &rc);
            RECT client = {};
            ::GetClientRect(hwnd, &client);
            EditConfig.m_Place[kPlaceStageEditor].Set(rc.left, rc.top, client.right, client.bottom);
            g_PrjOption.Save(g_PathTable[kPathPrjOption].CStr());
            if (g_StageEditor == this) g_StageEditor = nullptr;
            return 1;
        }
        case WM_CLOSE:
            // Nothing here can be changed yet, so there is nothing to ask
            // about: closing the stage editor ends the program.
            Close(0);
            if (g_MainWnd) DestroyWindow(g_MainWnd);
            return 1;
        case WM_SYSCOMMAND:
            if ((wp & 0xFFF0) == SC_MINIMIZE) {
                MinimizeAll();
                return 1;
            }
            return 0;
    }
    return handled;
}

void cStageEditorDlg::CreatePalettes() {}

void cStageEditorDlg::ShowPalettes() {
    if (m_hWnd) ShowWindow(m_hWnd, SW_SHOW);
}

void cStageEditorDlg::DrawPalettes() {
    for (cWnd* p : m_pPalette)
        if (p) p->Draw();
    if (m_pCharaGroup) m_pCharaGroup->Draw();
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
