#include "projedit/prjoption_general.h"

#include "app/services.h"
#include "base/paths_win32.h"
#include "model/prjoption.h"
#include "projedit/prjoption_res.h"
#include "ui/dlghelpers.h"
#include "ui/propsheet.h"
#include "ui/registry.h"

cPrjOptionPageGeneral* cPrjOptionPageGeneral::s_pThis = nullptr;
cPrjOptionPageGeneral::tOpenDefaultSheet cPrjOptionPageGeneral::s_OpenDefaultSheet = nullptr;

cPrjOptionPageGeneral::cPrjOptionPageGeneral(cDlg* parent, cWndRegistry* registry)
    : cPrjOptionPage(IDD_PRJOPTION_GENERAL, parent, registry) {
    s_pThis = this;
    m_Path.m_Param.Set(1372, &g_PrjOption.m_strGamePath, 260, 0);
    m_Auto.m_Param.Set(1373, &g_PrjOption.m_bAutoGame);
    m_OldVer.m_Param.Set(1436, &g_PrjOption.m_nOldVerStage, g_OldVerOption, 0);
}

cPrjOptionPageGeneral::~cPrjOptionPageGeneral() {
    for (cPropSheet** held : m_pSheet)
        if (held) SafeDelete(held);
    if (s_pThis == this) s_pThis = nullptr;
}

void cPrjOptionPageGeneral::OnInitDialog(WPARAM wp, LPARAM lp) {
    cDlg::OnInitDialog(wp, lp);
    AddCtrl(m_Path);
    AddCtrl(m_Auto);
    AddCtrl(m_OldVer);
    m_bRefresh = 0;
    DataToCtrls();
    UpdateCtrls();
    m_bReady = 1;
}

void cPrjOptionPageGeneral::UpdateCtrls() {
    m_Path.m_Ctrl.Enable(IsDlgButtonChecked(m_hWnd, 1373) != BST_CHECKED);
}

void cPrjOptionPageGeneral::EditDefault(int kind) {
    g_StageEdit.g_EditTarget = 3;
    if (kind == 0) g_StageEdit.g_EditOriginal.m_pBlock = &g_PrjOption.m_DefBlock;
    if (kind == 1) g_StageEdit.g_EditOriginal.m_pChara = &g_PrjOption.m_DefChara;
    if (kind == 2) g_StageEdit.g_EditOriginal.m_pItem = &g_PrjOption.m_DefItem;
    if (m_lpRegistry) m_lpRegistry->EnableAll(false);
    if (m_pSheet[kind]) SafeDelete(m_pSheet[kind]);
    m_pSheet[kind] = s_OpenDefaultSheet ? s_OpenDefaultSheet(kind, this, m_lpRegistry) : nullptr;
    if (!(m_pSheet[kind] && *m_pSheet[kind]) && m_lpRegistry) m_lpRegistry->EnableAll(true);
}

bool cPrjOptionPageGeneral::OnPageCommand(WPARAM wp) {
    int id = LOWORD(wp);
    int code = HIWORD(wp);
    switch (id) {
        case 1371: {
            if (code != BN_CLICKED) break;
            char path[kPathBufSize] = "";
            if (!OpenFileDialog(m_hWnd, path, kPathBufSize, ".\\", "ゲームプログラムの選択", "ExeFile ( *.exe )\0*.exe\0",
                                "exe", 0))
                break;
            if (!MakeRelativePath(path)) return false;
            m_Path.m_Ctrl.SetText(path);
            break;
        }
        case 1430: EditDefault(0); break;
        case 1431: EditDefault(1); break;
        case 1432: EditDefault(2); break;
        default: break;
    }
    if (m_bReady && GetChangedCtrlId(wp)) UpdateCtrls();
    return true;
}

LRESULT cPrjOptionPageGeneral::MsgProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    LRESULT r = cPrjOptionPage::MsgProc(hwnd, msg, wp, lp);
    if (msg == WM_DESTROY) {
        m_bReady = 0;
        OnPrjOptionClosed();
    }
    return r;
}
