#include "projedit/systempage.h"

#include <prsht.h>

#include "app/services.h"
#include "base/bgm.h"
#include "projedit/systemsheet.h"

cSystemPage::cSystemPage(int templateId, cDlg* parent, cWndRegistry* registry, int applyPage)
    : cDlg(templateId, parent, kWndPage, registry), m_bApplyPage(applyPage) {
    SetLayout(0, 0, 100, 100, 640, 480, 0, 0, 0, 0, 0, 0);
}

cSystemPage::~cSystemPage() {
    DestroyModeless();
}

void cSystemPage::AddStr(int id, cString* data, int maxLength, int countChars) {
    m_Strs.emplace_back();
    m_Strs.back().m_Param.Set(id, data, maxLength, countChars);
}

void cSystemPage::AddVal(int id, int32_t* data, int32_t min, int32_t max, int spinId) {
    m_Vals.emplace_back();
    m_Vals.back().m_Param.Set(id, data, min, max, spinId, 1);
}

void cSystemPage::AddVal8(int id, uint8_t* data, int spinId) {
    m_Vals8.emplace_back();
    m_Vals8.back().m_Param.Set(id, data, 0, 255, spinId, 1);
}

void cSystemPage::AddCombo(int id, int32_t* data, cVector<cString>* list) {
    m_Combos.emplace_back();
    m_Combos.back().m_Param.SetList(id, data, list, 0);
}

void cSystemPage::AddCheck(int id, int32_t* data) {
    m_Checks.emplace_back();
    m_Checks.back().m_Param.Set(id, data);
}

void cSystemPage::AddCheck8(int id, uint8_t* data) {
    m_Checks8.emplace_back();
    m_Checks8.back().m_Param.Set(id, data);
}

bool cSystemPage::IsChecked(int id) const {
    return m_hWnd && IsDlgButtonChecked(m_hWnd, id) == BST_CHECKED;
}

void cSystemPage::OnInitDialog(WPARAM wp, LPARAM lp) {
    cDlg::OnInitDialog(wp, lp);
    AddCtrls(m_Strs);
    AddCtrls(m_Vals);
    AddCtrls(m_Vals8);
    AddCtrls(m_Combos);
    AddCtrls(m_Checks);
    AddCtrls(m_Checks8);
    DataToCtrls();
    UpdateCtrls();
    m_bReady = 1;
}

void cSystemPage::OnCommand(WPARAM wp, LPARAM lp) {
    if (!AllowCommand(wp)) return;
    cDlg::OnCommand(wp, lp);
    OnPageCommand(LOWORD(wp), HIWORD(wp));
    if (!m_bReady) return;
    bool changed = GetChangedCtrlId(wp) != 0;
    if (changed) UpdateCtrls();
    // a change or a button; the focus notes of the controls change nothing
    if (!changed && HIWORD(wp) != BN_CLICKED) return;
    HWND sheet = GetParent(m_hWnd);
    if (sheet) SendMessageA(sheet, PSM_CHANGED, reinterpret_cast<WPARAM>(m_hWnd), 0);
}

LRESULT cSystemPage::MsgProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    LRESULT r = DefMsgProc(hwnd, msg, wp, lp);
    switch (msg) {
        case WM_CLOSE:
            Close(0);
            r = 1;
            break;
        case WM_NOTIFY: {
            const NMHDR* hdr = reinterpret_cast<const NMHDR*>(lp);
            if (!hdr) break;
            if (hdr->code == static_cast<UINT>(PSN_SETACTIVE)) {
                if (m_bReady) UpdateCtrls();
            } else if (hdr->code == static_cast<UINT>(PSN_APPLY) && m_bApplyPage && m_lpSheet) {
                // a failed save keeps the sheet open with Apply enabled
                if (!static_cast<cSystemSettingSheet*>(m_lpSheet)->Apply(this)) {
                    SetWindowLongPtrA(hwnd, DWLP_MSGRESULT, PSNRET_INVALID_NOCHANGEPAGE);
                    r = 1;
                }
            }
            break;
        }
        case WM_DESTROY:
            m_bReady = 0;
            if (m_bApplyPage) {
                g_BgmManager.Stop();
                OnSystemSheetClosed();
            }
            break;
        default:
            break;
    }
    Draw();
    return r;
}
