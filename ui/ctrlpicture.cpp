#include "ui/ctrlpicture.h"

cCtrlPicture::~cCtrlPicture() {
    m_Offscreen.Delete();
    ReleaseScreen();
}

// The screen surface only borrows the window's device context: give it back.
void cCtrlPicture::ReleaseScreen() {
    m_Screen.Delete();
    if (m_Screen.m_hDC) ReleaseDC(m_hScreenWnd, m_Screen.m_hDC);
    m_Screen.m_hDC = nullptr;
    m_hScreenWnd = nullptr;
}

void cCtrlPicture::Attach(cDlg* owner, const cCtrlPictureParam& param) {
    cCtrl::Attach(owner, static_cast<int>(param.m_nId));
    ReleaseScreen();
    if (m_hWnd) {
        m_Screen.m_hDC = GetDC(m_hWnd);
        if (m_Screen.m_hDC) m_hScreenWnd = m_hWnd;
    }
    RECT rc = {0, 0, 0, 0};
    if (param.m_nWidth && param.m_nHeight) {
        Resize(param.m_nWidth, param.m_nHeight);
        rc.right = param.m_nWidth;
        rc.bottom = param.m_nHeight;
    } else if (m_hWnd) {
        ::GetClientRect(m_hWnd, &rc);
    }
    m_Offscreen.Delete();
    // Without the surface the picture stays without it; drawing into it does nothing.
    if (rc.right > 0 && rc.bottom > 0) m_Offscreen.Create(rc.right, rc.bottom, 32, 0);
}
