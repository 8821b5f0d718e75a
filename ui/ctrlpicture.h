// The picture control on which a dialog draws (its canvas).
#pragma once

#include "ui/ctrl.h"

struct cCtrlPictureParam {
    int m_nId = 0;
    int m_nWidth = 0;
    int m_nHeight = 0;
    void Set(int id, int width, int height) {
        m_nId = id;
        m_nWidth = width;
        m_nHeight = height;
    }
};

class cCtrlPicture : public cCtrl {
public:
    cCtrlPicture() { m_nKind = kCtrlPicture; }
    // Binds the control; a record with a width and a height sizes it.
    void Attach(cDlg* owner, const cCtrlPictureParam& param);
};

struct cCtrlPictureItem {
    cCtrlPicture m_Ctrl;
    cCtrlPictureParam m_Param;
};
