#include "ui/ctrlcheck.h"

template <class T>
void cCtrlCheck<T>::Attach(cDlg* owner, const cCtrlCheckParam<T>& param) {
    cCtrl::Attach(owner, static_cast<int>(param.m_nId));
    m_lpData = param.m_lpData;
}

// A char state is sign-extended, an unsigned char one zero-extended.
template <class T>
void cCtrlCheck<T>::SetCheck(T value) {
    SendMessageA(m_hWnd, BM_SETCHECK, static_cast<WPARAM>(static_cast<int>(value)), 0);
}

template <class T>
void cCtrlCheck<T>::DataToCtrl() {
    if (m_lpData) SetCheck(*m_lpData);
}

template <class T>
void cCtrlCheck<T>::CtrlToData() {
    if (m_lpData) *m_lpData = static_cast<T>(SendMessageA(m_hWnd, BM_GETCHECK, 0, 0));
}

template class cCtrlCheck<char>;
template class cCtrlCheck<signed char>;
template class cCtrlCheck<unsigned char>;
template class cCtrlCheck<int>;
