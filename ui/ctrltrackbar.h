// A trackbar bound to an int variable, with an optional read-only companion
// edit that shows the position as a number.
#pragma once

#include <cstdint>

#include "ui/ctrl.h"
#include "ui/ctrleditval.h"

struct cCtrlTrackBarParam {
    uint16_t m_nId = 0;
    int* m_lpData = nullptr;
    int m_nMin = 0;
    int m_nMax = 0;
    int m_nPageSize = 0;
    int m_nLineSize = 0;
    uint16_t m_nCompanionId = 0;  // 0: no companion
    void Set(int id, int* data, int min, int max, int pageSize, int lineSize, int companionId) {
        m_nId = static_cast<uint16_t>(id);
        m_lpData = data;
        m_nMin = min;
        m_nMax = max;
        m_nPageSize = pageSize;
        m_nLineSize = lineSize;
        m_nCompanionId = static_cast<uint16_t>(companionId);
    }
};

class cCtrlTrackBar : public cCtrl {
public:
    cCtrlTrackBar() : m_lpData(nullptr), m_nMin(0), m_nMax(0), m_nPageSize(0), m_nLineSize(0) {
        m_nKind = kCtrlTrackBar;
    }

    int Enable(int flag) override;
    void DataToCtrl() override;
    void CtrlToData() override;
    int OnScroll(WPARAM wp, LPARAM lp) override;

    void Attach(cDlg* owner, const cCtrlTrackBarParam& param);
    void SetPos(int value);
    int GetPos();

    int* m_lpData;
    int m_nMin;
    int m_nMax;
    int m_nPageSize;
    int m_nLineSize;
    // the read-only value edit that shows the position; a window only when
    // the record names one
    cCtrlEditVal<int> m_Companion;
};

using cCtrlTrackBarItem = cCtrlItem<cCtrlTrackBar, cCtrlTrackBarParam>;
