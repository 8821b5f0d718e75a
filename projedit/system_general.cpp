#include "projedit/system_general.h"

#include "model/system.h"
#include "projedit/systemsheet_res.h"

cSystemPageGeneral* cSystemPageGeneral::s_pThis = nullptr;

cVector<cString>* FontNameList() {
    static cVector<cString> names;
    if (names.empty())
        for (int i = 0; g_FontName[i][0]; ++i) names.push_back(g_FontName[i]);
    return &names;
}

cSystemPageGeneral::cSystemPageGeneral(cDlg* parent, cWndRegistry* registry)
    : cSystemPage(IDD_SYSTEM_GENERAL, parent, registry, 1) {
    s_pThis = this;
    cEdSystem& s = g_System;
    AddStr(1317, &s.m_Title, 30, 1);
    AddVal(1327, &s.m_ExtendScore, 1, 999999, 1328);
    AddCombo(1454, &s.m_Font, FontNameList());
    AddCheck(1318, &s.m_HideOnPause);
    AddCheck(1319, &s.m_SymbolText);
    AddCheck(1349, &s.m_EvenSpacing);
    AddCheck(1357, &s.m_ExtendOnClear);
    AddCheck(1344, &s.m_TestFlowsAlways);
    AddCheck(1356, &s.m_ReplayKeys);
    AddCheck(1358, &s.m_OldAutoScroll);
    AddCheck(1359, &s.m_OldShotImages);
    m_Preview.m_Param.Set(IDC_SYSTEM_FONT_PREVIEW, 430, 19);
}

void cSystemPageGeneral::OnInitDialog(WPARAM wp, LPARAM lp) {
    AttachCtrl(m_Preview);
    cSystemPage::OnInitDialog(wp, lp);
}

void cSystemPageGeneral::UpdateCtrls() {
    EnableCtrl(m_Vals, 1327, IsChecked(1357));
}

void cSystemPageGeneral::Draw() {
    cCtrlPicture& pic = m_Preview.m_Ctrl;
    if (!m_bReady || !pic.m_Offscreen.m_hDC || !pic.m_Screen.m_hDC) return;
    cDib& dib = pic.m_Offscreen;
    const uint8_t black[3] = {0, 0, 0};
    dib.ClearRGB(black);
    int font = static_cast<int>(SendDlgItemMessageA(m_hWnd, 1454, CB_GETCURSEL, 0, 0));
    cVector<cString>& names = *FontNameList();
    if (font < 0 || font >= static_cast<int>(names.size())) font = 0;
    dib.MakeFont(names[font].c_str(), 0, 16);
    cDib::Printf(&dib, 0, 1, "%s", "abc ABC あいう 剣弾魔龍");
    pic.m_Screen.Blt(0, 0, dib.m_Width, dib.m_Height, dib, 0, 0, 1);
}
