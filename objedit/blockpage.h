// The block definition page: edits a working copy of one block record at a
// time, and steps through the palette being edited.
#pragma once

#include <cstdint>

#include "base/containers.h"
#include "model/definitions.h"
#include "ui/ctrleditval.h"
#include "ui/dlg.h"

class cBlockPage : public cDlg {
public:
    cBlockPage(int templateId, cDlg* parent, int kind, cWndRegistry* registry);
    ~cBlockPage() override;

    LRESULT MsgProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) override;
    void OnInitDialog(WPARAM wp, LPARAM lp) override;
    // Takes a copy of the record into the working copy, points the
    // parameter records at its fields and re-binds the controls; nothing
    // for null.
    void LoadRecord(const cEdBlock* record);

    cEdBlock m_Block;  // the working copy
    cVector<cCtrlEditValItem<int16_t>> m_Shorts;
    cVector<cCtrlEditValItem<int32_t>> m_Ints;

protected:
    // Points the parameter records of every item at the working copy.
    virtual void BindParams() {}
};

// Sets the control's text to "No.<number>".
void SetNoLabel(cCtrl* label, int number);

// The block palette that the definition pages edit: the stage's or the
// common palette, by the stage edit state's edit source.
cVector<cEdBlock>& EditedBlockPalette();

// Stores the page into the palette entry at *index, steps *index by step
// within 1..size-1 (wrapping), and shows the new entry (*current points at
// it). The label, when given, shows the new number. A palette without an
// entry after 0, or an index outside it, changes nothing.
void StepBlockRecord(cEdBlock** current, int* index, int step, cBlockPage* page, cCtrl* label);
