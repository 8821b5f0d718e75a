// The stage options "ステージオプション": the number of undo steps of the
// stage editor and the direction in which the mouse wheel scrolls.
#pragma once

#include <cstdint>

#include "ui/ctrlcombo.h"
#include "ui/ctrleditval.h"
#include "ui/dlg.h"

class cStageOptionDlg : public cDlg {
public:
    cStageOptionDlg(cDlg* parent, cWndRegistry* registry);
    ~cStageOptionDlg() override;

    void OnCommand(WPARAM wp, LPARAM lp) override;
    LRESULT MsgProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) override;
    void OnInitDialog(WPARAM wp, LPARAM lp) override;
    // OK: stores the controls and sizes the undo history for the new count.
    void OnOk();

    static cStageOptionDlg* s_pThis;
    cCtrlEditValItem<int32_t> m_Undo;
    cCtrlComboItem<int32_t> m_Wheel;
};

// The free physical memory as the stage options ask it (replaceable by tests).
typedef uint64_t (*tFreeMemorySource)();
extern tFreeMemorySource g_StageOptionFreeMemory;
