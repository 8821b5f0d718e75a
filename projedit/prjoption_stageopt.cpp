#include "projedit/prjoption_stageopt.h"

#include "app/services.h"
#include "base/msgbox.h"
#include "base/sysreport.h"
#include "model/stage.h"
#include "projedit/prjoption_res.h"

cStageOptionDlg* cStageOptionDlg::s_pThis = nullptr;
tFreeMemorySource g_StageOptionFreeMemory = GetFreePhysMemory;

cStageOptionDlg::cStageOptionDlg(cDlg* parent, cWndRegistry* registry)
    : cDlg(IDD_STAGE_OPTION, parent, kWndDialog, registry) {
    s_pThis = this;
    SetLayout(0, 0, 100, 100, 640, 480, 0, 0, 0, 0, 0, 0);
    m_Undo.m_Param.Set(1036, &g_Stage.m_UndoCount, 0, 9, 1037, 1);
    m_Wheel.m_Param.Set(1288, &g_Stage.m_WheelDir, g_WheelDirName, 0);
}

cStageOptionDlg::~cStageOptionDlg() {
    DestroyModeless();
    if (s_pThis == this) s_pThis = nullptr;
}

void cStageOptionDlg::OnInitDialog(WPARAM wp, LPARAM lp) {
    cDlg::OnInitDialog(wp, lp);
    AddCtrl(m_Undo);
    AddCtrl(m_Wheel);
    DataToCtrls();
    m_bReady = 1;
}

void cStageOptionDlg::OnOk() {
    int old = g_Stage.m_UndoCount;
    CtrlsToData();
    g_StageEdit.m_bModified = 1;
    int count = g_Stage.m_UndoCount;
    if (count > old) {
        uint64_t step = static_cast<uint64_t>(cStageEdit::StepBytes(g_Stage.m_Pitch, g_Stage.m_Height));
        if (g_StageOptionFreeMemory() < step * static_cast<uint64_t>(count - old) * 2) {
            g_Stage.m_UndoCount = old;
            MsgBoxOwner(m_hWnd, "メモリ不足により、「元に戻せる回数」が変更できませんでした！", "エラー", MB_OK);
        } else {
            g_StageEdit.AllocUndo(count, g_Stage.m_Pitch, g_Stage.m_Height);
        }
    } else if (count < old) {
        g_StageEdit.AllocUndo(count, g_Stage.m_Pitch, g_Stage.m_Height);
    }
    Close(1);
}

void cStageOptionDlg::OnCommand(WPARAM wp, LPARAM lp) {
    if (!AllowCommand(wp)) return;
    cDlg::OnCommand(wp, lp);
    if (LOWORD(wp) == kIdOk) OnOk();
    if (LOWORD(wp) == kIdCancel) Close(0);
}

LRESULT cStageOptionDlg::MsgProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    int r = DefMsgProc(hwnd, msg, wp, lp);
    if (msg == WM_CLOSE) {
        Close(0);
        return 1;
    }
    return r;
}
