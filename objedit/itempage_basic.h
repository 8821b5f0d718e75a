// The item sheet's first page (dialog 202): the inheritance link, the name,
// the appearance conditions, the initial offset and the display. It keeps
// the palette working copy through which "←" / "→" step, writes the record
// back on Apply and runs the closing handler when the sheet goes.
#pragma once

#include <cstdint>

#include "base/containers.h"
#include "model/definitions.h"
#include "objedit/itemsheet.h"
#include "ui/ctrlbutton.h"
#include "ui/ctrlcheck.h"
#include "ui/ctrlcombo.h"
#include "ui/ctrleditstr.h"
#include "ui/ctrleditval.h"
#include "ui/ctrllist.h"
#include "ui/ctrlpicture.h"
#include "ui/ctrlstatic.h"

class cItemPageBasic : public cItemPage {
public:
    // Takes the palette working copy (targets 1 and 2) and the record that
    // the edit context points to.
    cItemPageBasic(int templateId, cDlg* parent, int kind, cWndRegistry* registry);
    ~cItemPageBasic() override;

    LRESULT MsgProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) override;
    void OnInitDialog(WPARAM wp, LPARAM lp) override;
    void OnCommand(WPARAM wp, LPARAM lp) override;
    void Draw() override;

    // Steps to the previous (-1) or next (+1) palette entry.
    void Step(int step);
    // Writes the working copy back by the edit target.
    void WriteBack();

    cVector<cEdItem> m_PalWork;  // the palette working copy (targets 1 and 2)
    cVector<cString> m_IndexList;
    cVector<cCtrlComboItem<int8_t>> m_Combos;
    cVector<cCtrlComboItem<int16_t>> m_IndexCombos;
    cVector<cCtrlEditValItem<int16_t>> m_Shorts;
    cVector<cCtrlEditValItem<int8_t>> m_Bytes;
    cVector<cCtrlEditStrItem> m_Strs;
    cVector<cCtrlCheckItem<int8_t>> m_Checks;
    cVector<cCtrlCheckItem<int8_t>> m_Inherits;  // the eight "継承→" boxes
    cVector<cCtrlListItem<cEdCond>> m_Lists;
    cVector<cCtrlPictureItem> m_Pictures;
    cVector<cCtrlButtonItem> m_Buttons;
    cVector<cCtrlStaticItem> m_Statics;

    cCtrlList<cEdCond>& CondList() { return m_Lists[0].m_Ctrl; }

protected:
    void Bind() override;
    void Attach(bool first) override;

private:
    void EnableId(int id, bool flag);
    void UpdateGroup(int flag);
    void UpdateGroups();
    void ApplyInherit();
    // A "継承→" box clicked (its flag already stored).
    void OnInheritClicked(int flag);
    void OnInheritSourceChanged();
    void OnGraphicKindChanged();
    void OnMarkChanged();
    void RunChangeHandlers(bool withSource);
    void OnPickGraphic();
    void OnPickMark();
    void ShowNo();
    void Changed();
};
