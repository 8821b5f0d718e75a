// The bitmap conversion tool: a list of 256-colour bitmaps converted to the
// project's standard palette, into an output folder or over themselves. Its
// options live in the editor configuration.
#pragma once

#include <cstdint>

#include "base/containers.h"
#include "base/str.h"
#include "ui/ctrlcheck.h"
#include "ui/ctrleditstr.h"
#include "ui/ctrleditval.h"
#include "ui/ctrllist.h"
#include "ui/dlg.h"

class cBmpConvDlg : public cDlg {
public:
    cBmpConvDlg(cDlg* parent, cWndRegistry* registry);
    ~cBmpConvDlg() override;

    void OnCommand(WPARAM wp, LPARAM lp) override;
    LRESULT MsgProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) override;
    void OnInitDialog(WPARAM wp, LPARAM lp) override;

    void UpdateCtrls();
    // Converts one file; each failure is told in its own box. True when the
    // output was written.
    bool ConvertBitmap(const char* output, const char* input);
    // Converts every listed file and ends with "変換完了！".
    void RunConversion();
    // Adds a name unless it is listed already; true when added.
    bool AddName(const cString& name);
    void AddNames(const cVector<cString>& names);
    void ClearNames();
    // The names of a drop, in order: folders give their "*.bmp" files,
    // "bmp" files themselves, anything else nothing.
    void AddDropped(const cVector<cString>& names);

    static cBmpConvDlg* s_pThis;

    cVector<cString> m_Files;
    cCtrlListItem<cString> m_List;
    cVector<cCtrlCheckItem<int32_t>> m_Checks;
    cVector<cCtrlEditValItem<int32_t>> m_Vals;
    cVector<cCtrlEditStrItem> m_Strs;
    int m_bBusy = 0;
};
