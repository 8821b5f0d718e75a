// Static labels bound by id, so that a dialog can find, show and relabel them.
#pragma once

#include "ui/ctrlbutton.h"

class cCtrlStatic : public cCtrlButton {
public:
    cCtrlStatic() { m_nKind = kCtrlStatic; }
};

using cCtrlStaticItem = cCtrlItem<cCtrlStatic, cCtrlIdParam>;
