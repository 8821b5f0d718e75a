#include "projedit/dbkindeffect.h"

#include "base/dib.h"

namespace {

const int kParamIds[kEffectParamCount] = {IDC_KIND_P1, IDC_KIND_P2, IDC_KIND_P3, IDC_KIND_P4, IDC_KIND_P5};
const int kSpinIds[kEffectParamCount] = {IDC_KIND_P1_SPIN, IDC_KIND_P2_SPIN, IDC_KIND_P3_SPIN, IDC_KIND_P4_SPIN,
                                         IDC_KIND_P5_SPIN};
const int kLabelIds[kEffectParamCount] = {IDC_KIND_P1_LABEL, IDC_KIND_P2_LABEL, IDC_KIND_P3_LABEL,
                                          IDC_KIND_P4_LABEL, IDC_KIND_P5_LABEL};
const int kColourKind = 13;  // the character effect whose fourth parameter is a colour

}  // namespace

template <class T>
cDbPageKindEffect<T>::cDbPageKindEffect(int dlgId, cDlg* parent, cWndRegistry* registry, cVector<T>* table,
                                        int listId, eEffectFamily family, const cString* kindNames, int swatch)
    : Base(dlgId, parent, registry, table, listId, 999, 1, nullptr), m_nFamily(family), m_bSwatch(swatch) {
    this->AddCombo(IDC_KIND_COMBO, &this->m_Edit.m_Kind, kindNames, 1);
    for (int i = 0; i < kEffectParamCount; ++i)
        this->AddInt(kParamIds[i], &this->m_Edit.m_Param[i], -9999, 9999, kSpinIds[i]);
    m_Swatch.m_Param.Set(IDC_KIND_SWATCH, 32, 32);
}

template <class T>
void cDbPageKindEffect<T>::AttachOwn() {
    if (m_bSwatch) m_Swatch.m_Ctrl.Attach(this, m_Swatch.m_Param);
}

template <class T>
void cDbPageKindEffect<T>::UpdateParams(bool ranges, bool defaults) {
    auto* combo = FindCtrl(this->m_Combos, IDC_KIND_COMBO);
    if (!combo) return;
    const int kind = combo->m_Ctrl.GetCurData();
    for (int i = 0; i < kEffectParamCount; ++i) {
        const EffectParamInfo& row = EffectParamRow(m_nFamily, kind, i + 1);
        SetDlgItemTextA(this->m_hWnd, kLabelIds[i], row.m_Label.c_str());
        auto* edit = FindCtrl(this->m_Ints, kParamIds[i]);
        if (!edit) continue;
        edit->m_Ctrl.Enable(row.m_Label.empty() ? 0 : 1);
        if (ranges) {
            edit->m_Ctrl.SetRange(row.m_Min, row.m_Max);
            edit->m_Ctrl.OnChange();
        }
    }
    if (m_bSwatch) {
        ShowWindow(GetDlgItem(this->m_hWnd, IDC_KIND_SWATCH), kind == kColourKind ? SW_SHOW : SW_HIDE);
        if (kind == kColourKind) Draw();
    }
    if (defaults && m_nLastKind != 255 && m_nLastKind != kind) {
        for (int i = 0; i < kEffectParamCount; ++i) {
            auto* edit = FindCtrl(this->m_Ints, kParamIds[i]);
            if (edit) edit->m_Ctrl.SetValue(EffectParamRow(m_nFamily, kind, i + 1).m_Default);
        }
    }
    m_nLastKind = static_cast<uint8_t>(kind);
}

template <class T>
void cDbPageKindEffect<T>::Draw() {
    if (!m_bSwatch || !this->m_bReady) return;
    cCtrlPicture& pic = m_Swatch.m_Ctrl;
    if (!pic.m_Screen.m_hDC || !pic.m_Offscreen.m_hDC) return;
    auto* edit = FindCtrl(this->m_Ints, IDC_KIND_P4);
    int v = edit ? edit->m_Ctrl.GetValue() : 0;
    if (v < 0 || v > 255) v = 0;
    const RGBQUAD& c = g_Palette[v];
    pic.m_Offscreen.Clear(RGB(c.rgbRed, c.rgbGreen, c.rgbBlue));
    pic.m_Screen.Blt(0, 0, pic.m_Offscreen.m_Width, pic.m_Offscreen.m_Height, pic.m_Offscreen, 0, 0, 1);
}

template <class T>
bool cDbPageKindEffect<T>::OwnCommand(int id, int code) {
    if (id == IDC_KIND_COMBO && code == CBN_SELCHANGE && this->m_bReady) UpdateParams(true, true);
    return true;
}

template <class T>
void cDbPageKindEffect<T>::UpdateCtrls(bool init) {
    if (init) UpdateParams(true, true);
}

template <class T>
void cDbPageKindEffect<T>::BeforeSelChange() {
    for (int i = 0; i < kEffectParamCount; ++i) {
        auto* edit = FindCtrl(this->m_Ints, kParamIds[i]);
        if (edit) edit->m_Ctrl.SetRange(-9999, 9999);
    }
}

template <class T>
void cDbPageKindEffect<T>::AfterSelChange() {
    if (this->m_bReady) UpdateParams(true, false);
}

template class cDbPageKindEffect<cEdCharaEffect>;
template class cDbPageKindEffect<cEdScrEffect>;

cDbPageCharaEffect::cDbPageCharaEffect(cDlg* parent, cWndRegistry* registry)
    : cDbPageKindEffect(IDD_DB_CHARAEFFECT, parent, registry, &g_Database.m_CharaEffect, IDC_DB_LIST_CHARAEFFECT,
                        kCharaEffectFamily, g_CharaEffectKind, 1) {}

cDbPageScrEffect::cDbPageScrEffect(cDlg* parent, cWndRegistry* registry)
    : cDbPageKindEffect(IDD_DB_SCREFFECT, parent, registry, &g_Database.m_ScrEffect, IDC_DB_LIST_SCREFFECT,
                        kScrEffectFamily, g_ScrEffectKind, 0) {}
