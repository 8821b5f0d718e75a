#include "projedit/stagesettings_page.h"

#include <prsht.h>

#include "ui/dlghelpers.h"

cStagePage::cStagePage(int templateId, cDlg* parent, cWndRegistry* registry)
    : cDlg(templateId, parent, kWndPage, registry) {
    SetLayout(0, 0, 100, 100, 640, 480, 0, 0, 0, 0, 0, 0);
}

cStagePage::~cStagePage() {
    DestroyModeless();
}

void cStagePage::AddVal(int id, int32_t* data, int32_t min, int32_t max, int spinId) {
    m_Vals.emplace_back();
    m_Vals.back().m_Param.Set(id, data, min, max, spinId, 1);
}

void cStagePage::AddReal(int id, double* data, double min, double max, int spinId, double step) {
    m_Reals.emplace_back();
    m_Reals.back().m_Param.Set(id, data, min, max, spinId, step);
}

void cStagePage::AddStr(int id, cString* data, int maxLength, int countChars) {
    m_Strs.emplace_back();
    m_Strs.back().m_Param.Set(id, data, maxLength, countChars);
}

void cStagePage::AddCombo(int id, int32_t* data, const cString* table, int offset) {
    m_Combos.emplace_back();
    m_Combos.back().m_Param.Set(id, data, table, offset);
}

void cStagePage::AddComboList(int id, int32_t* data, cVector<cString>* list) {
    m_Combos.emplace_back();
    m_Combos.back().m_Param.SetList(id, data, list, 0);
}

void cStagePage::AddCheck(int id, int32_t* data) {
    m_Checks.emplace_back();
    m_Checks.back().m_Param.Set(id, data);
}

void cStagePage::AddLabel(int id) {
    m_Labels.emplace_back();
    m_Labels.back().m_Param.Set(id);
}

bool cStagePage::IsChecked(int id) const {
    return m_hWnd && IsDlgButtonChecked(m_hWnd, id) == BST_CHECKED;
}

int cStagePage::ComboPos(int id) const {
    if (!m_hWnd) return -1;
    return static_cast<int>(SendDlgItemMessageA(m_hWnd, id, CB_GETCURSEL, 0, 0));
}

int cStagePage::EditInt(int id) {
    auto* item = FindCtrl(m_Vals, id);
    return item ? item->m_Ctrl.GetValue() : 0;
}

void cStagePage::AttachAll() {
    AddCtrls(m_Vals);
    AddCtrls(m_Reals);
    AddCtrls(m_Strs);
    AddCtrls(m_Checks);
    AddCtrls(m_Combos);
    AddCtrls(m_Labels);
}

void cStagePage::OnInitDialog(WPARAM wp, LPARAM lp) {
    cDlg::OnInitDialog(wp, lp);
    AttachAll();
    UpdateCtrls();
    DataToCtrls();
    UpdateCtrls();
    m_bReady = 1;
}

void cStagePage::Apply() {
    if (m_hWnd) CtrlsToData();
}

void cStagePage::MarkChanged() {
    HWND sheet = m_hWnd ? GetParent(m_hWnd) : nullptr;
    if (sheet) SendMessageA(sheet, PSM_CHANGED, reinterpret_cast<WPARAM>(m_hWnd), 0);
}

void cStagePage::OnCommand(WPARAM wp, LPARAM lp) {
    if (!AllowCommand(wp)) return;
    cDlg::OnCommand(wp, lp);
    if (m_bReady && GetChangedCtrlId(wp)) UpdateCtrls();
    MarkChanged();
}

LRESULT cStagePage::MsgProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    LRESULT r = DefMsgProc(hwnd, msg, wp, lp);
    if (msg == WM_NOTIFY) {
        const NMHDR* hdr = reinterpret_cast<const NMHDR*>(lp);
        if (hdr && hdr->code == static_cast<UINT>(PSN_SETACTIVE) && m_bReady) UpdateCtrls();
        r = 1;
    }
    if (r) Draw();
    return r;
}
