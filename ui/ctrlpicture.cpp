#include "ui/ctrlpicture.h"

cCtrlPicture::~cCtrlPicture() {
    m_Offscreen.Delete();
    ReleaseScreen();
}

namespace {

// A surface holding no drawing object of its own, whose bytes a copy may
// take without sharing anything.
bool IsBare(const cDib& dib) {
    return !dib.m_hDC && !dib.m_hBitmap && !dib.m_hMaskDC && !dib.m_hMaskBitmap && !dib.m_hFont && !dib.m_hPen;
}

void CopyBare(cDib* dst, const cDib& src) {
    if (!IsBare(src)) return;
    dst->m_hOldBitmap = src.m_hOldBitmap;
    dst->m_BitmapInfo = src.m_BitmapInfo;
    dst->m_pBits = src.m_pBits;
    dst->m_Width = src.m_Width;
    dst->m_Height = src.m_Height;
    dst->m_hOldMaskBitmap = src.m_hOldMaskBitmap;
    dst->m_pMaskBits = src.m_pMaskBits;
    dst->m_hOldPen = src.m_hOldPen;
}

}  // namespace

cCtrlPicture::cCtrlPicture(const cCtrlPicture& src) : cCtrl(src), m_hScreenWnd(nullptr) {
    CopySurfaces(src);
}

cCtrlPicture& cCtrlPicture::operator=(const cCtrlPicture& src) {
    if (this == &src) return *this;
    cCtrl::operator=(src);
    m_Offscreen.Delete();
    ReleaseScreen();
    m_Offscreen = cDib();
    m_Screen = cDib();
    CopySurfaces(src);
    return *this;
}

void cCtrlPicture::CopySurfaces(const cCtrlPicture& src) {
    CopyBare(&m_Screen, src.m_Screen);
    CopyBare(&m_Offscreen, src.m_Offscreen);
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
