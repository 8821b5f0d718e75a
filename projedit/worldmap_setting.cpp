#include "projedit/worldmap_setting.h"

#include <cstring>

#include "app/services.h"
#include "base/paths_win32.h"
#include "model/worldmap.h"
#include "projedit/worldmap_setting_res.h"

namespace {

const int kWorldBackBitmap = 22;

}  // namespace

cWorldMapSettingDlg* cWorldMapSettingDlg::s_pThis = nullptr;

cWorldMapSettingDlg::cWorldMapSettingDlg(cDlg* parent, cWndRegistry* registry)
    : cDlg(IDD_WORLDMAP_SETTING, parent, kWndDialog, registry),
      m_nWidth(g_WorldMap.m_Width),
      m_nHeight(g_WorldMap.m_Height) {
    s_pThis = this;
    m_Vals.resize(5);
    m_Vals[0].m_Param.Set(IDC_WMSET_WIDTH, &m_nWidth, 20, kWorldMapMaxWidth, IDC_WMSET_WIDTH_SPIN, 1);
    m_Vals[1].m_Param.Set(IDC_WMSET_HEIGHT, &m_nHeight, 15, kWorldMapMaxHeight, IDC_WMSET_HEIGHT_SPIN, 1);
    m_Vals[2].m_Param.Set(IDC_WMSET_START_X, &g_WorldMap.m_Start.x, 0, kWorldMapMaxWidth - 1, IDC_WMSET_START_X_SPIN,
                          1);
    m_Vals[3].m_Param.Set(IDC_WMSET_START_Y, &g_WorldMap.m_Start.y, 0, kWorldMapMaxHeight - 1,
                          IDC_WMSET_START_Y_SPIN, 1);
    m_Vals[4].m_Param.Set(IDC_WMSET_COLOR, &g_WorldMap.m_BackColor, 16, 207, IDC_WMSET_COLOR_SPIN, 1);
    m_Check.m_Param.Set(IDC_WMSET_BACK_IMAGE, &g_WorldMap.m_UseBackImage);
    m_Path.m_Param.Set(IDC_WMSET_BACK_PATH, &g_WorldMap.m_BackImage, 260, 0);
    m_Browse.m_Param.Set(IDC_WMSET_BACK_BROWSE);
    m_Preview.m_Param.Set(IDC_WMSET_COLOR_PREVIEW, 32, 32);
    SetLayout(0, 0, 100, 100, 640, 480, 0, 0, 0, 0, 0, 0);
}

cWorldMapSettingDlg::~cWorldMapSettingDlg() {
    DestroyModeless();
    if (s_pThis == this) s_pThis = nullptr;
}

void cWorldMapSettingDlg::OnInitDialog(WPARAM wp, LPARAM lp) {
    cDlg::OnInitDialog(wp, lp);
    AddCtrls(m_Vals);
    AddCtrl(m_Check);
    AddCtrl(m_Path);
    AddCtrl(m_Browse);
    AttachCtrl(m_Preview);
    DataToCtrls();
    m_bReady = 1;
}

void cWorldMapSettingDlg::OnCommand(WPARAM wp, LPARAM lp) {
    cDlg::OnCommand(wp, lp);
    const int id = LOWORD(wp);
    const int code = HIWORD(wp);
    switch (id) {
        case IDC_WMSET_BACK_BROWSE: {
            if (code != BN_CLICKED) break;
            char path[MAX_PATH] = "";
            if (OpenFileDialog(m_hWnd, path, sizeof path, "bmp\\", "背景画像の選択", "BitmapFile ( *.bmp )\0*.bmp\0",
                               "bmp", 0) &&
                MakeRelativePath(path))
                m_Path.m_Ctrl.SetText(cString(path));
            break;
        }
        case kIdOk:
            CtrlsToData();
            g_WorldMap.SetSize(m_nWidth, m_nHeight);
            if (!g_WorldMap.m_BackImage.empty()) {
                DibLoadInfo& slot = g_BitmapName[kWorldBackBitmap];
                strncpy(slot.m_Path, g_WorldMap.m_BackImage.CStr(), sizeof slot.m_Path - 1);
                slot.m_Path[sizeof slot.m_Path - 1] = '\0';
                g_Bitmaps[kWorldBackBitmap].Load(slot);
            }
            if (m_lpParentClass && m_lpParentClass->m_hWnd) SendMessageA(m_lpParentClass->m_hWnd, WM_SIZE, 0, 0);
            Close(1);
            return;
        case kIdCancel:
            Close(0);
            return;
        case IDC_WMSET_COLOR:
            if (code == EN_CHANGE) Draw();
            break;
    }
}

LRESULT cWorldMapSettingDlg::MsgProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    int handled = DefMsgProc(hwnd, msg, wp, lp);
    if (msg == WM_CLOSE) {
        Close(0);
        return 1;
    }
    if (handled && m_bReady && m_hWnd) Draw();
    return handled;
}

void cWorldMapSettingDlg::Draw() {
    cCtrlPicture& pic = m_Preview.m_Ctrl;
    cDib& dib = pic.m_Offscreen;
    if (!m_hWnd || !dib.m_hDC || !pic.m_Screen.m_hDC) return;
    int index = m_Vals[4].m_Ctrl.GetValue();
    if (index < 0 || index > 255) index = 0;
    const RGBQUAD& q = g_Palette[index];
    dib.Clear(RGB(q.rgbRed, q.rgbGreen, q.rgbBlue));
    pic.m_Screen.Blt(0, 0, 32, 32, dib, 0, 0, 1);
}
