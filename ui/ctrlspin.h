// The up-down control beside a value edit. The value edit attaches it and
// handles its notifications; the control keeps the edit's step and range.
#pragma once

#include <cstdint>

#include "ui/ctrl.h"

#include <commctrl.h>

template <class T>
struct cCtrlSpinParam {
    uint32_t m_nId = 0;
    HWND m_hBuddy = nullptr;
    T* m_lpData = nullptr;
    T m_Step = T();
    T m_Min = T();
    T m_Max = T();
    int m_bSigned = 0;
    void Set(int id, HWND buddy, T* data, T step, T min, T max, int isSigned) {
        m_nId = static_cast<uint16_t>(id);
        m_hBuddy = buddy;
        m_lpData = data;
        m_Step = step;
        m_Min = min;
        m_Max = max;
        m_bSigned = isSigned;
    }
};

template <class T>
class cCtrlSpin : public cCtrl {
public:
    cCtrlSpin() : m_lpData(nullptr), m_hBuddy(nullptr), m_Step(), m_Min(), m_Max(), m_bSigned(0) {
        m_nKind = kCtrlSpin;
    }

    void Attach(cDlg* owner, const cCtrlSpinParam<T>& param);
    void SetRange(T min, T max);
    // The value after delta steps of the up-down control: computed in a wider
    // type and held inside min..max, so a step past a bound stops at the
    // bound instead of wrapping round T's limits.
    T StepValue(T value, int delta) const;

    T* m_lpData;
    HWND m_hBuddy;
    T m_Step;
    T m_Min;
    T m_Max;
    int m_bSigned;

private:
    void SendRange();
};

// Every integer width the records hold (int8_t is signed char, distinct
// from char), and double.
extern template class cCtrlSpin<char>;
extern template class cCtrlSpin<signed char>;
extern template class cCtrlSpin<unsigned char>;
extern template class cCtrlSpin<short>;
extern template class cCtrlSpin<unsigned short>;
extern template class cCtrlSpin<int>;
extern template class cCtrlSpin<unsigned int>;
extern template class cCtrlSpin<double>;
