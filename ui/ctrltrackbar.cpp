#include "ui/ctrltrackbar.h"

#include <commctrl.h>

#include "ui/dlg.h"

void cCtrlTrackBar::Attach(cDlg* owner, const cCtrlTrackBarParam& param) {
    cCtrl::Attach(owner, param.m_nId);
    m_lpData = param.m_lpData;
    m_nMin = param.m_nMin;
    m_nMax = param.m_nMax;
    m_nPageSize = param.m_nPageSize;
    m_nLineSize = param.m_nLineSize;
    int value = m_lpData ? *m_lpData : 0;
    // The trackbar takes each bound as its low 16 bits.
    LPARAM range = static_cast<LPARAM>((static_cast<uint32_t>(m_nMin) & 0xFFFFu) |
                                       ((static_cast<uint32_t>(m_nMax) & 0xFFFFu) << 16));
    SendMessageA(m_hWnd, TBM_SETRANGE, TRUE, range);
    SendMessageA(m_hWnd, TBM_SETPAGESIZE, 0, m_nPageSize);
    SendMessageA(m_hWnd, TBM_SETLINESIZE, 0, m_nLineSize);
    SendMessageA(m_hWnd, TBM_SETPOS, TRUE, value);
    if (param.m_nCompanionId) {
        // integers only, no spin control; the companion is never read back
        cCtrlEditValParam<int> companion;
        companion.Set(param.m_nCompanionId, m_lpData, m_nMin, m_nMax, 0, 1);
        m_Companion.Attach(m_lpOwner, companion);
        m_Companion.SetValue(value);
    }
    SetPos(value);
}

void cCtrlTrackBar::SetPos(int value) {
    SendMessageA(m_hWnd, TBM_SETPOS, TRUE, value);
    if (m_Companion.m_hWnd) m_Companion.SetValue(value);
}

int cCtrlTrackBar::GetPos() {
    return static_cast<int>(SendMessageA(m_hWnd, TBM_GETPOS, 0, 0));
}

void cCtrlTrackBar::DataToCtrl() {
    if (m_lpData) SetPos(*m_lpData);
}

void cCtrlTrackBar::CtrlToData() {
    if (m_lpData) *m_lpData = GetPos();
}

// Only the companion follows the thumb; the variable changes on CtrlToData.
int cCtrlTrackBar::OnScroll(WPARAM, LPARAM lp) {
    if (m_hWnd && reinterpret_cast<HWND>(lp) == m_hWnd && m_Companion.m_hWnd) m_Companion.SetValue(GetPos());
    return 0;
}

int cCtrlTrackBar::Enable(int flag) {
    int r = EnableWindow(m_hWnd, flag);
    if (m_Companion.m_hWnd) m_Companion.Enable(flag);
    return r;
}
