#include "projedit/dbeffect.h"

#include "projedit/proj_lists.h"

namespace {

const sDbFileDialog kEffectFile = {"bmp\\effect\\", "ビットマップの選択", "BitmapFile ( *.bmp )\0*.bmp\0", "bmp"};

}  // namespace

cDbPageEffect::cDbPageEffect(cDlg* parent, cWndRegistry* registry)
    : cDbPage(IDD_DB_EFFECT, parent, registry, &g_Database.m_Effect, IDC_DB_LIST_EFFECT, 999, 1, &kEffectFile) {
    AddFileCtrls(&m_Edit.m_File, &m_Edit.m_SameAsFile);
    AddInt(IDC_EFFECT_WIDTH, &m_Edit.m_Width, 1, 640, IDC_EFFECT_WIDTH_SPIN);
    AddInt(IDC_EFFECT_HEIGHT, &m_Edit.m_Height, 1, 480, IDC_EFFECT_HEIGHT_SPIN);
    AddCheck(IDC_EFFECT_ENLARGE, &m_Edit.m_AllowEnlarge);
    AddButton(IDC_EFFECT_INSERT);
    AddButton(IDC_EFFECT_EDIT);
    AddButton(IDC_EFFECT_DELETE);
    DeclareEffectFrameList(m_Frames.m_Param, &m_Edit.m_Frames);
}

void cDbPageEffect::AttachOwn() {
    AddCtrl(m_Frames);
    m_PopupLists.push_back(&m_Frames.m_Ctrl);
    SetInsertListKeys(m_Frames.m_Ctrl);
    FindFileCtrls(IDC_DB_PATH);
}

bool cDbPageEffect::OwnCommand(int id, int code) {
    cCtrlList<cEdEffectFrame>& frames = m_Frames.m_Ctrl;
    if (id == IDC_EFFECT_FRAMES && code == LBN_SELCHANGE) {
        frames.OnSelChange();
    } else if ((id == IDC_EFFECT_FRAMES && code == LBN_DBLCLK) || (id == IDC_EFFECT_EDIT && code == BN_CLICKED)) {
        if (frames.Edit(&m_lpFrameDlg, IDD_EFFECT_FRAME, m_lpRegistry, kEditWndKeep, 1)) m_List.m_Ctrl.ApplyEdit();
    } else if (id == IDC_EFFECT_INSERT && code == BN_CLICKED) {
        if (frames.InsertAndEdit(&m_lpFrameDlg, IDD_EFFECT_FRAME, m_lpRegistry, kEditWndKeep, 1))
            m_List.m_Ctrl.ApplyEdit();
    } else if (id == IDC_EFFECT_DELETE && code == BN_CLICKED) {
        if (frames.Delete(-1, false)) m_List.m_Ctrl.ApplyEdit();
    }
    return true;
}

void cDbPageEffect::OwnListCommand(WPARAM wp) {
    if (m_Frames.m_Ctrl.OnAccelCommand(wp) || m_Frames.m_Ctrl.OnPopupCommand(wp)) m_List.m_Ctrl.ApplyEdit();
}

cEffectFrameDlg::cEffectFrameDlg(int dlgId, cDlg* parent, int kind, cWndRegistry* registry, cCtrl* owner, int centre)
    : cDlg(dlgId, parent, kind, registry, owner, centre), m_lpFrame(&m_Spare) {
    cDbPageEffect* page = dynamic_cast<cDbPageEffect*>(parent);
    if (page) {
        int row = page->m_Frames.m_Ctrl.GetSelData();
        if (row >= 0 && row < static_cast<int>(page->m_Edit.m_Frames.size())) m_lpFrame = &page->m_Edit.m_Frames[row];
    }
    m_Cell.m_Param.Set(IDC_FRAME_CELL, &m_lpFrame->m_Cell, 0, 640, IDC_FRAME_CELL_SPIN, 1);
    m_Time.m_Param.Set(IDC_FRAME_TIME, &m_lpFrame->m_Time, 0, 999, IDC_FRAME_TIME_SPIN, 1);
}

cEffectFrameDlg::~cEffectFrameDlg() {
    DestroyModeless();
}

void cEffectFrameDlg::OnInitDialog(WPARAM wp, LPARAM lp) {
    cDlg::OnInitDialog(wp, lp);
    AddCtrl(m_Cell);
    AddCtrl(m_Time);
    DataToCtrls();
    m_bReady = 1;
}

LRESULT cEffectFrameDlg::MsgProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    int r = DefMsgProc(hwnd, msg, wp, lp);
    if (msg == WM_CLOSE) {
        Close(0);
        return 1;
    }
    return r;
}

void cEffectFrameDlg::OnCommand(WPARAM wp, LPARAM lp) {
    if (!AllowCommand(wp)) return;
    cDlg::OnCommand(wp, lp);
    if (LOWORD(wp) == kIdOk) {
        CtrlsToData();
        Close(1);
    } else if (LOWORD(wp) == kIdCancel) {
        Close(0);
    }
}
