// The picture control on which a dialog draws (its canvas): a surface on the
// control's window and an off-screen surface of the control's size; dialogs
// draw into the off-screen one and copy it to the window.
#pragma once

#include "base/dib.h"
#include "ui/ctrl.h"

struct cCtrlPictureParam {
    uint32_t m_nId = 0;
    int m_nWidth = 0;
    int m_nHeight = 0;
    void Set(int id, int width, int height) {
        m_nId = static_cast<uint16_t>(id);
        m_nWidth = width;
        m_nHeight = height;
    }
};

class cCtrlPicture : public cCtrl {
public:
    cCtrlPicture() : m_hScreenWnd(nullptr) { m_nKind = kCtrlPicture; }
    ~cCtrlPicture() override;
    // Items are copied while a dialog builds its item vectors, before their
    // surfaces exist: a copy takes the base fields (assignment only the window
    // and the id, as every control) and the two surfaces as they stand. A
    // surface that already holds drawing objects stays with its own picture,
    // and the copy starts without it: two pictures never release the same
    // objects.
    cCtrlPicture(const cCtrlPicture& src);
    cCtrlPicture& operator=(const cCtrlPicture& src);

    // Binds the control and makes its surfaces; a record with a width and a
    // height sizes the control first. Attaching again replaces both surfaces.
    void Attach(cDlg* owner, const cCtrlPictureParam& param);

    // Its device context is the control window's; it has no bitmap of its own.
    cDib m_Screen;
    // 32 bits, the control's size; empty when it could not be made.
    cDib m_Offscreen;
    // The window whose device context the screen surface holds.
    HWND m_hScreenWnd;

private:
    void ReleaseScreen();
    void CopySurfaces(const cCtrlPicture& src);
};

using cCtrlPictureItem = cCtrlItem<cCtrlPicture, cCtrlPictureParam>;
