// A check box bound to a variable holding its state as the box reports it
// (0 unchecked, 1 checked, 2 indeterminate).
#pragma once

#include <cstdint>

#include "ui/ctrl.h"

template <class T>
struct cCtrlCheckParam {
    uint32_t m_nId = 0;
    T* m_lpData = nullptr;
    void Set(int id, T* data) {
        m_nId = static_cast<uint16_t>(id);
        m_lpData = data;
    }
};

template <class T>
class cCtrlCheck : public cCtrl {
public:
    cCtrlCheck() : m_lpData(nullptr) { m_nKind = kCtrlCheck; }

    void Attach(cDlg* owner, const cCtrlCheckParam<T>& param);
    void DataToCtrl() override;
    void CtrlToData() override;
    // Sets the box without writing the variable.
    void SetCheck(T value);

    T* m_lpData;
};

template <class T>
using cCtrlCheckItem = cCtrlItem<cCtrlCheck<T>, cCtrlCheckParam<T>>;

extern template class cCtrlCheck<char>;
// the byte flags of the records (int8_t)
extern template class cCtrlCheck<signed char>;
extern template class cCtrlCheck<unsigned char>;
extern template class cCtrlCheck<int>;
