// The block definition page: edits a working copy of one block record at a
// time, and steps through the palette being edited. Built by the block
// definition sheet (dialog 137) it is the sheet's only page: the
// inheritance link, the name, the appearance conditions, the picture, the
// hit type and the action, the obtained item; it keeps the palette working
// copy through which "←" / "→" step, and writes the record back on Apply.
#pragma once

#include <cstdint>

#include "base/containers.h"
#include "model/definitions.h"
#include "ui/ctrlbutton.h"
#include "ui/ctrlcheck.h"
#include "ui/ctrlcombo.h"
#include "ui/ctrleditstr.h"
#include "ui/ctrleditval.h"
#include "ui/ctrllist.h"
#include "ui/ctrlpicture.h"
#include "ui/ctrlstatic.h"
#include "ui/dlg.h"

class cBlockPage : public cDlg {
public:
    // A page on any template that binds its own controls (BindParams).
    cBlockPage(int templateId, cDlg* parent, int kind, cWndRegistry* registry);
    // The block sheet's page (dialog 137) on the record that the edit
    // context points to.
    cBlockPage(cDlg* parent, cWndRegistry* registry);
    ~cBlockPage() override;

    LRESULT MsgProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) override;
    void OnInitDialog(WPARAM wp, LPARAM lp) override;
    void OnCommand(WPARAM wp, LPARAM lp) override;
    void Draw() override;
    // Takes a copy of the record into the working copy, points the
    // parameter records at its fields and re-binds the controls; nothing
    // for null.
    void LoadRecord(const cEdBlock* record);

    // The sheet's page: steps to the previous (-1) or next (+1) entry of the
    // palette working copy; writes the working copy back by the edit target.
    void Step(int step);
    void WriteBack();

    cEdBlock m_Block;  // the working copy
    cVector<cCtrlEditValItem<int16_t>> m_Shorts;
    cVector<cCtrlEditValItem<int32_t>> m_Ints;

    // The sheet's page only.
    int m_bSheetPage = 0;
    cVector<cEdBlock> m_PalWork;  // the palette working copy (targets 1 and 2)
    cVector<cString> m_IndexList;
    cVector<cString> m_ItemList;
    cVector<cCtrlComboItem<int8_t>> m_Combos;
    cVector<cCtrlComboItem<int16_t>> m_IndexCombos;
    cVector<cCtrlEditStrItem> m_Strs;
    cVector<cCtrlCheckItem<int8_t>> m_Checks;
    cVector<cCtrlCheckItem<int8_t>> m_Inherits;  // the eleven "継承→" checks
    cVector<cCtrlListItem<cEdCond>> m_Lists;
    cVector<cCtrlPictureItem> m_Pictures;
    cVector<cCtrlButtonItem> m_Buttons;
    cVector<cCtrlStaticItem> m_Statics;
    int m_nPrevAction = -1;  // the action last seen (-1 none yet)
    int m_bInit = 0;

protected:
    // Points the parameter records of every item at the working copy.
    virtual void BindParams();

private:
    void FillSheetParams();
    void AttachSheetCtrls(bool enter);
    void EnableId(int id, bool flag);
    void UpdateGroup(int flag);
    void UpdateGroups();
    void ApplyInheritNow();
    // A "継承→" box clicked (its flag already stored).
    void OnInheritClicked(int flag);
    void OnSourceChanged();
    void OnSheetChanged();
    void OnMarkChanged();
    void OnActionChanged();
    void OnItemSourceChanged();
    // "一覧": the graphic picker for the graphic number (on the current
    // sheet) or for the mark number (on the mark sheet).
    void OnPick(bool mark);
    void RunHandlers(bool withSource);
    void ShowNo();
    void Changed();
    cCtrlList<cEdCond>& CondList() { return m_Lists[0].m_Ctrl; }
};

// The block palette that the definition pages edit: the stage's or the
// common palette, by the stage edit state's edit source.
cVector<cEdBlock>& EditedBlockPalette();

// Stores the page into the palette entry at *index, steps *index by step
// within 1..size-1 (wrapping), and shows the new entry (*current points at
// it). The label, when given, shows the new number. A palette without an
// entry after 0, or an index outside it, changes nothing.
void StepBlockRecord(cEdBlock** current, int* index, int step, cBlockPage* page, cCtrl* label);
