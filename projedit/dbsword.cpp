#include "projedit/dbsword.h"

#include "projedit/proj_lists.h"

namespace {

const sDbFileDialog kSwordFile = {"bmp\\sword\\", "ビットマップの選択", "BitmapFile ( *.bmp )\0*.bmp\0", "bmp"};

}  // namespace

cDbPageSwordType::cDbPageSwordType(cDlg* parent, cWndRegistry* registry)
    : cDbPage(IDD_DB_SWORDTYPE, parent, registry, &g_Database.m_SwordType, IDC_DB_LIST_SWORDTYPE, 99, 0,
              &kSwordFile) {
    AddStr(IDC_SWORD_LEFT, &m_Edit.m_FileLeft, 260, 0);
    AddStr(IDC_SWORD_RIGHT, &m_Edit.m_FileRight, 260, 0);
    AddCheck(IDC_DB_SAME_AS_FILE, &m_Edit.m_SameAsFile);
    AddButton(IDC_SWORD_LEFT_BROWSE);
    AddButton(IDC_SWORD_RIGHT_BROWSE);
    AddButton(IDC_SWORD_INSERT);
    AddButton(IDC_SWORD_EDIT);
    AddButton(IDC_SWORD_DELETE);
    DeclareSwordPosList(m_Positions.m_Param, &m_Edit.m_Positions);
}

void cDbPageSwordType::AttachOwn() {
    AddCtrl(m_Positions);
    m_PopupLists.push_back(&m_Positions.m_Ctrl);
    SetInsertListKeys(m_Positions.m_Ctrl);
    // the name follows the left-facing bitmap
    FindFileCtrls(IDC_SWORD_LEFT);
}

bool cDbPageSwordType::OwnCommand(int id, int code) {
    cCtrlList<cEdSwordPos>& positions = m_Positions.m_Ctrl;
    if ((id == IDC_SWORD_LEFT_BROWSE || id == IDC_SWORD_RIGHT_BROWSE) && code == BN_CLICKED) {
        int editId = id == IDC_SWORD_LEFT_BROWSE ? IDC_SWORD_LEFT : IDC_SWORD_RIGHT;
        if (!BrowseDbFile(this, kSwordFile, &FindCtrl(m_Strs, editId)->m_Ctrl)) return false;
    } else if (id == IDC_SWORD_POSITIONS && code == LBN_SELCHANGE) {
        positions.OnSelChange();
    } else if ((id == IDC_SWORD_POSITIONS && code == LBN_DBLCLK) || (id == IDC_SWORD_EDIT && code == BN_CLICKED)) {
        m_bNewPos = 0;
        if (positions.Edit(&m_lpPosDlg, IDD_SWORD_POS, m_lpRegistry, kEditWndKeep, 1)) m_List.m_Ctrl.ApplyEdit();
    } else if (id == IDC_SWORD_INSERT && code == BN_CLICKED) {
        m_bNewPos = 1;
        int ok = positions.InsertAndEdit(&m_lpPosDlg, IDD_SWORD_POS, m_lpRegistry, kEditWndKeep, 1);
        m_bNewPos = 0;
        if (ok) m_List.m_Ctrl.ApplyEdit();
    } else if (id == IDC_SWORD_DELETE && code == BN_CLICKED) {
        if (positions.Delete(-1, false)) m_List.m_Ctrl.ApplyEdit();
    }
    return true;
}

void cDbPageSwordType::OwnListCommand(WPARAM wp) {
    if (m_Positions.m_Ctrl.OnAccelCommand(wp) || m_Positions.m_Ctrl.OnPopupCommand(wp)) m_List.m_Ctrl.ApplyEdit();
}

cSwordPosDlg::cSwordPosDlg(int dlgId, cDlg* parent, int kind, cWndRegistry* registry, cCtrl* owner, int centre)
    : cDlg(dlgId, parent, kind, registry, owner, centre), m_lpPos(&m_Spare) {
    cDbPageSwordType* page = dynamic_cast<cDbPageSwordType*>(parent);
    if (page) {
        int row = page->m_Positions.m_Ctrl.GetSelData();
        if (row >= 0 && row < static_cast<int>(page->m_Edit.m_Positions.size())) {
            m_lpPos = &page->m_Edit.m_Positions[row];
            // "右向きなら反転" starts checked for a new position only: an
            // existing one keeps its flag, whether the dialog ends with OK or not
            if (page->m_bNewPos) m_lpPos->m_FlipX = 1;
        }
    }
    m_Dir.m_Param.Set(IDC_POS_DIR, &m_lpPos->m_Direction, g_SwordDirectionName, 0);
    m_FlipX.m_Param.Set(IDC_POS_FLIP_X, &m_lpPos->m_FlipX);
    m_FlipY.m_Param.Set(IDC_POS_FLIP_Y, &m_lpPos->m_FlipY);
    struct {
        int id, spin;
        int32_t* data;
        int min, max;
    } const vals[] = {
        {IDC_POS_X, IDC_POS_X_SPIN, &m_lpPos->m_OffsetX, -320, 320},
        {IDC_POS_Y, IDC_POS_Y_SPIN, &m_lpPos->m_OffsetY, -240, 240},
        {IDC_POS_WIDTH, IDC_POS_WIDTH_SPIN, &m_lpPos->m_Width, 0, 640},
        {IDC_POS_HEIGHT, IDC_POS_HEIGHT_SPIN, &m_lpPos->m_Height, 0, 480},
        {IDC_POS_SRC_X, IDC_POS_SRC_X_SPIN, &m_lpPos->m_SrcX, 0, 639},
        {IDC_POS_SRC_Y, IDC_POS_SRC_Y_SPIN, &m_lpPos->m_SrcY, 0, 479},
        {IDC_POS_TIME, IDC_POS_TIME_SPIN, &m_lpPos->m_Time, 0, 999},
    };
    m_Vals.resize(sizeof vals / sizeof vals[0]);
    for (size_t i = 0; i < m_Vals.size(); ++i)
        m_Vals[i].m_Param.Set(vals[i].id, vals[i].data, vals[i].min, vals[i].max, vals[i].spin, 1);
}

cSwordPosDlg::~cSwordPosDlg() {
    DestroyModeless();
}

void cSwordPosDlg::OnInitDialog(WPARAM wp, LPARAM lp) {
    cDlg::OnInitDialog(wp, lp);
    AddCtrl(m_Dir);
    AddCtrl(m_FlipX);
    AddCtrl(m_FlipY);
    AddCtrls(m_Vals);
    DataToCtrls();
    m_bReady = 1;
}

LRESULT cSwordPosDlg::MsgProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    int r = DefMsgProc(hwnd, msg, wp, lp);
    if (msg == WM_CLOSE) {
        Close(0);
        return 1;
    }
    return r;
}

void cSwordPosDlg::OnCommand(WPARAM wp, LPARAM lp) {
    if (!AllowCommand(wp)) return;
    cDlg::OnCommand(wp, lp);
    if (LOWORD(wp) == kIdOk) {
        CtrlsToData();
        Close(1);
    } else if (LOWORD(wp) == kIdCancel) {
        Close(0);
    }
}
