#include "ui/ctrlpicture.h"

void cCtrlPicture::Attach(cDlg* owner, const cCtrlPictureParam& param) {
    cCtrl::Attach(owner, param.m_nId);
    if (param.m_nWidth && param.m_nHeight) Resize(param.m_nWidth, param.m_nHeight);
}
