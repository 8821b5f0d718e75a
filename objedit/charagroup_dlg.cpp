#include "objedit/charagroup_dlg.h"

#include "app/services.h"
#include "model/prjoption.h"
#include "model/stage.h"
#include "objedit/charagroup_dlg_res.h"
#include "res/command_ids.h"

namespace {

cEdWindowPlace& Placement() { return EditConfig.m_Place[kPlaceCharaGroup]; }

// The stored place, else beside the stage editor window.
int InitX() {
    if (Placement().m_bValid) return Placement().m_nX;
    RECT rc;
    StageEditorRect(&rc);
    return rc.left + 8;
}

int InitY() {
    if (Placement().m_bValid) return Placement().m_nY;
    RECT rc;
    StageEditorRect(&rc);
    return rc.top - 80;
}

// The stage editor commands that the window passes on.
const int kForwarded[] = {40003, 40004, 40005, 40006, 40010, 40011, 40133};

}  // namespace

int CharaGroupCtrlId(int group) {
    if (group == 0) return IDC_CG_GROUP0;
    if (group <= 40) return IDC_CG_GROUP1 + group - 1;
    return IDC_CG_GROUP41 + group - 41;
}

cCharaGroupDlg::cCharaGroupDlg(int templateId, cDlg* parent, int kind, cWndRegistry* registry)
    : cDlg(templateId, parent, kind, registry, InitX(), InitY()) {
    m_Checks.resize(kCharaGroupCount);
    for (int g = 0; g < kCharaGroupCount; ++g) m_Checks[g].m_Param.Set(CharaGroupCtrlId(g));
}

cCharaGroupDlg::~cCharaGroupDlg() { DestroyModeless(); }

void cCharaGroupDlg::OnInitDialog(WPARAM wp, LPARAM lp) {
    cDlg::OnInitDialog(wp, lp);
    AddCtrls(m_Checks);
    AddAccelerators(m_hWnd, IDA_WINDOW);
    for (int g = 0; g < kCharaGroupCount; ++g) m_Checks[g].m_Ctrl.SetCaption(cString().Format("%d", g));
    DataToCtrls();
    m_bInit = 1;
    m_bReady = 1;
    Draw();
}

void cCharaGroupDlg::OnCommand(WPARAM wp, LPARAM lp) {
    cDlg::OnCommand(wp, lp);
    const int id = LOWORD(wp);
    for (int f : kForwarded)
        if (id == f && g_StageEditor && g_StageEditor->m_hWnd) SendMessageA(g_StageEditor->m_hWnd, WM_COMMAND, id, 0);
}

void cCharaGroupDlg::Draw() {
    if (!m_bInit || !m_hWnd) return;
    bool used[kCharaGroupCount] = {};
    for (const cEdChara& c : g_Stage.m_Charas)
        // a group number outside 0 .. 59 (a damaged file) marks nothing
        if (c.m_HasGroup && c.m_Group >= 0 && c.m_Group < kCharaGroupCount) used[c.m_Group] = true;
    for (int g = 0; g < kCharaGroupCount; ++g)
        CheckDlgButton(m_hWnd, CharaGroupCtrlId(g), used[g] ? BST_CHECKED : BST_UNCHECKED);
}

LRESULT cCharaGroupDlg::MsgProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_KEYDOWN && wp == VK_SPACE && g_StageEditor && g_StageEditor->m_hWnd)
        SendMessageA(g_StageEditor->m_hWnd, WM_KEYDOWN, wp, lp);
    if (msg == WM_DESTROY && m_bInit) {
        m_bInit = 0;
        RECT rc = {};
        ::GetWindowRect(hwnd, &rc);
        Placement().Set(rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top);
        EditConfig.Save(g_EditConfigPath.CStr());
    }
    return DefMsgProc(hwnd, msg, wp, lp);
}
