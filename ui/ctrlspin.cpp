#include "ui/ctrlspin.h"

#include <climits>
#include <type_traits>

namespace {

// The 32-bit bound of the up-down control: a double is truncated toward zero
// (held inside the int range first).
template <class T>
int RangeBound(T v) {
    if (std::is_floating_point<T>::value) {
        double d = static_cast<double>(v);
        if (d <= static_cast<double>(INT_MIN)) return INT_MIN;
        if (d >= static_cast<double>(INT_MAX)) return INT_MAX;
        return static_cast<int>(d);
    }
    return static_cast<int>(v);
}

template <class W, class T>
T ClampStep(W value, W step, int delta, T min, T max) {
    W v = value + step * static_cast<W>(delta);
    if (v < static_cast<W>(min)) v = static_cast<W>(min);
    if (v > static_cast<W>(max)) v = static_cast<W>(max);
    return static_cast<T>(v);
}

}  // namespace

template <class T>
void cCtrlSpin<T>::SendRange() {
    SendMessageA(m_hWnd, UDM_SETRANGE32, static_cast<WPARAM>(RangeBound(m_Min)),
                 static_cast<LPARAM>(RangeBound(m_Max)));
}

template <class T>
void cCtrlSpin<T>::Attach(cDlg* owner, const cCtrlSpinParam<T>& param) {
    cCtrl::Attach(owner, static_cast<int>(param.m_nId));
    m_lpData = param.m_lpData;
    m_hBuddy = param.m_hBuddy;
    m_Step = param.m_Step;
    m_Min = param.m_Min;
    m_Max = param.m_Max;
    m_bSigned = param.m_bSigned;
    SendRange();
}

template <class T>
void cCtrlSpin<T>::SetRange(T min, T max) {
    m_Min = min;
    m_Max = max;
    m_bSigned = static_cast<double>(min) < 0;
    SendRange();
}

template <class T>
T cCtrlSpin<T>::StepValue(T value, int delta) const {
    if (std::is_floating_point<T>::value)
        return ClampStep<double, T>(static_cast<double>(value), static_cast<double>(m_Step), delta, m_Min, m_Max);
    return ClampStep<long long, T>(static_cast<long long>(value), static_cast<long long>(m_Step), delta, m_Min,
                                   m_Max);
}

template class cCtrlSpin<char>;
template class cCtrlSpin<signed char>;
template class cCtrlSpin<unsigned char>;
template class cCtrlSpin<short>;
template class cCtrlSpin<unsigned short>;
template class cCtrlSpin<int>;
template class cCtrlSpin<unsigned int>;
template class cCtrlSpin<double>;
