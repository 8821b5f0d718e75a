#include "projedit/prjoption_page.h"

#include <prsht.h>

#include "app/services.h"
#include "projedit/prjoptionsheet.h"

cPrjOptionPage::cPrjOptionPage(int templateId, cDlg* parent, cWndRegistry* registry)
    : cDlg(templateId, parent, kWndPage, registry) {
    SetLayout(0, 0, 100, 100, 640, 480, 0, 0, 0, 0, 0, 0);
}

cPrjOptionPage::~cPrjOptionPage() {
    DestroyModeless();
}

void cPrjOptionPage::NotifyChanged() {
    HWND sheet = m_hWnd ? GetParent(m_hWnd) : nullptr;
    if (sheet) SendMessageA(sheet, PSM_CHANGED, reinterpret_cast<WPARAM>(m_hWnd), 0);
}

void cPrjOptionPage::OnCommand(WPARAM wp, LPARAM lp) {
    if (!AllowCommand(wp)) return;
    cDlg::OnCommand(wp, lp);
    if (!OnPageCommand(wp)) return;
    // a change or a button; the focus notes of the controls change nothing
    if (m_bReady && (GetChangedCtrlId(wp) || HIWORD(wp) == BN_CLICKED)) NotifyChanged();
}

LRESULT cPrjOptionPage::MsgProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    LRESULT r = DefMsgProc(hwnd, msg, wp, lp);
    if (msg == WM_NOTIFY && lp) {
        const NMHDR* hdr = reinterpret_cast<const NMHDR*>(lp);
        if (hdr->code == static_cast<UINT>(PSN_APPLY)) {
            cPropSheet* held = HeldPrjOptionSheet();
            cPrjOptionSheet* sheet = static_cast<cPrjOptionSheet*>(held ? held : m_lpSheet);
            if (sheet) sheet->Apply();
        } else if (hdr->code == static_cast<UINT>(PSN_SETACTIVE) && m_bRefresh) {
            DataToCtrlsLocked(0);
            m_bRefresh = 0;
        }
    }
    return r;
}
