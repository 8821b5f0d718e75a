// Push and radio buttons bound by id: they carry no data, the dialog finds,
// enables, shows, relabels or queries them, and the dialog base tells by
// them which button a command came from.
#pragma once

#include <cstdint>

#include "ui/ctrl.h"

// The record of the controls that bind nothing but their id.
struct cCtrlIdParam {
    uint32_t m_nId = 0;
    void Set(int id) { m_nId = static_cast<uint16_t>(id); }
};

class cCtrlButton : public cCtrl {
public:
    cCtrlButton() { m_nKind = kCtrlButton; }
    // Binds the control to the item; static labels use it too.
    void Attach(cDlg* owner, const cCtrlIdParam& param) { cCtrl::Attach(owner, static_cast<int>(param.m_nId)); }
};

using cCtrlButtonItem = cCtrlItem<cCtrlButton, cCtrlIdParam>;
