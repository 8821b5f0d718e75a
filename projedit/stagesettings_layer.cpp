#include "projedit/stagesettings_layer.h"

#include "base/dib.h"
#include "base/paths_win32.h"
#include "projedit/stagesettings_basic.h"
#include "ui/dlghelpers.h"

cBackLayerDlg* cBackLayerDlg::s_pThis = nullptr;

namespace {

const int kColourEdit = 1251;
const int kImageEdit = 1253;
const int kBrowse = 1254;
const int kUseColour = 1250;

}  // namespace

cBackLayerDlg::cBackLayerDlg(int templateId, cDlg* parent, int kind, cWndRegistry* registry, cCtrl* ownerCtrl,
                             int centre)
    : cDlg(templateId, parent, kind, registry, ownerCtrl, centre), m_lpLayer(&m_Spare) {
    s_pThis = this;
    cStagePageBasic* page = dynamic_cast<cStagePageBasic*>(parent);
    if (page) {
        const int row = page->m_List.m_Ctrl.GetSelData();
        if (row >= 0 && row < static_cast<int>(page->m_Layers.size())) m_lpLayer = &page->m_Layers[row];
    }
    cEdBackLayer& l = *m_lpLayer;
    m_Vals.resize(1);
    m_Vals[0].m_Param.Set(kColourEdit, &l.m_Colour, 16, 207, 1252, 1);
    m_Reals.resize(2);
    m_Reals[0].m_Param.Set(1256, &l.m_dScrollX, -640.0, 640.0, 1257, 0.01);
    m_Reals[1].m_Param.Set(1259, &l.m_dScrollY, -480.0, 480.0, 1260, 0.01);
    m_Strs.resize(1);
    m_Strs[0].m_Param.Set(kImageEdit, &l.m_Image, 260, 0);
    struct {
        int id;
        int32_t* data;
    } const checks[] = {
        {1182, &l.m_bShowFirst}, {kUseColour, &l.m_bUseColour}, {1181, &l.m_bFront},
        {1258, &l.m_bAutoX},     {1261, &l.m_bAutoY},
    };
    m_Checks.resize(5);
    for (int i = 0; i < 5; ++i) m_Checks[i].m_Param.Set(checks[i].id, checks[i].data);
    m_Colour.m_Param.Set(1255, 32, 32);
    m_Buttons.resize(1);
    m_Buttons[0].m_Param.Set(kBrowse);
}

cBackLayerDlg::~cBackLayerDlg() {
    DestroyModeless();
    if (s_pThis == this) s_pThis = nullptr;
}

bool cBackLayerDlg::IsChecked(int id) const {
    return m_hWnd && IsDlgButtonChecked(m_hWnd, id) == BST_CHECKED;
}

void cBackLayerDlg::OnInitDialog(WPARAM wp, LPARAM lp) {
    cDlg::OnInitDialog(wp, lp);
    AddCtrls(m_Vals);
    AddCtrls(m_Reals);
    AddCtrls(m_Strs);
    AddCtrls(m_Checks);
    AddCtrl(m_Colour);
    AddCtrls(m_Buttons);
    DataToCtrls();
    UpdateCtrls();
    m_bReady = 1;
}

void cBackLayerDlg::UpdateCtrls() {
    const int colour = IsChecked(kUseColour);
    EnableCtrl(m_Vals, kColourEdit, colour);
    EnableCtrl(m_Strs, kImageEdit, !colour);
    EnableCtrl(m_Buttons, kBrowse, !colour);
    EnableCtrl(m_Reals, 1256, !colour);
    EnableCtrl(m_Reals, 1259, !colour);
    EnableCtrl(m_Checks, 1258, !colour);
    EnableCtrl(m_Checks, 1261, !colour);
}

void cBackLayerDlg::Browse() {
    char path[260] = "";
    if (!OpenFileDialog(m_hWnd, path, sizeof path, "bmp\\back\\", "ビットマップの選択",
                        "BitmapFile ( *.bmp )\0*.bmp\0", "bmp", 0))
        return;
    if (!MakeRelativePath(path)) return;
    m_Strs[0].m_Ctrl.SetText(path);
}

void cBackLayerDlg::OnCommand(WPARAM wp, LPARAM lp) {
    if (!AllowCommand(wp)) return;
    cDlg::OnCommand(wp, lp);
    switch (LOWORD(wp)) {
        case kIdOk:
            CtrlsToData();
            Close(1);
            return;
        case kIdCancel:
            Close(0);
            return;
        case kBrowse:
            if (HIWORD(wp) == BN_CLICKED) Browse();
            break;
        default:
            break;
    }
    if (m_bReady && GetChangedCtrlId(wp)) UpdateCtrls();
}

LRESULT cBackLayerDlg::MsgProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    LRESULT r = DefMsgProc(hwnd, msg, wp, lp);
    if (msg == WM_CLOSE) {
        Close(0);
        r = 1;
    }
    if (r && m_bReady) Draw();
    return r;
}

void cBackLayerDlg::Draw() {
    cCtrlPicture& pic = m_Colour.m_Ctrl;
    if (!pic.m_Screen.m_hDC || !pic.m_Offscreen.m_hDC) return;
    int n = m_Vals[0].m_Ctrl.m_hWnd ? m_Vals[0].m_Ctrl.GetValue() : m_lpLayer->m_Colour;
    if (n < 0 || n > 255) n = 0;
    const RGBQUAD& c = g_Palette[n];
    pic.m_Offscreen.Clear(RGB(c.rgbRed, c.rgbGreen, c.rgbBlue));
    pic.m_Screen.Blt(0, 0, pic.m_Offscreen.m_Width, pic.m_Offscreen.m_Height, pic.m_Offscreen, 0, 0, 1);
}
