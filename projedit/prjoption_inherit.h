// The project options' page "継承のデフォルト": which palette new and placed
// objects inherit from by default, and which of their fields.
#pragma once

#include <cstdint>

#include "base/containers.h"
#include "projedit/prjoption_page.h"
#include "ui/ctrlcheck.h"
#include "ui/ctrlcombo.h"

// A source combo whose positions stand for values through a table
// (position 1 of the "ステージ→配置" column is the stage palette, 2).
class cInheritSourceCombo : public cCtrlCombo<int32_t> {
public:
    void DataToCtrl() override;
    void CtrlToData() override;
    const int* m_lpValues = nullptr;  // value of each position; null: the position itself
};
using cInheritSourceComboItem = cCtrlItem<cInheritSourceCombo, cCtrlComboParam<int32_t>>;

class cPrjOptionPageInherit : public cPrjOptionPage {
public:
    cPrjOptionPageInherit(cDlg* parent, cWndRegistry* registry);

    void OnInitDialog(WPARAM wp, LPARAM lp) override;

    static cPrjOptionPageInherit* s_pThis;
    cVector<cCtrlCheckItem<char>> m_Checks;
    cVector<cInheritSourceComboItem> m_Sources;
};

// The 183 check box ids in binding order, ended by -1.
extern const int kInheritCheckIds[184];
