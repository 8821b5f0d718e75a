// What the character sheet's graphics and abilities pages share: the
// "継承→" checks with the field groups they lock, the "←" / "→" steps
// through the basic page's palette working copy, and the sheet messages
// (leaving a page hands its copy to the other pages, entering reloads).
#pragma once

#include <cstdint>

#include "base/containers.h"
#include "objedit/charasheet.h"
#include "ui/ctrlbutton.h"
#include "ui/ctrlcheck.h"
#include "ui/ctrlpicture.h"
#include "ui/ctrlstatic.h"

// One inheritance group: the flag of the record's inheritance flags, its
// check box and the controls it locks (0 ends the row).
struct cInheritGroup {
    int m_nFlag;
    int m_nCheck;
    int m_Ids[5];
};

class cCharaSubPage : public cCharaPage {
public:
    cCharaSubPage(int templateId, cDlg* parent, int kind, cWndRegistry* registry, int pageNo,
                  const cInheritGroup* groups, int groupCount, const int (*spins)[2], int spinCount);
    ~cCharaSubPage() override;

    LRESULT MsgProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) override;
    void OnCommand(WPARAM wp, LPARAM lp) override;
    void OnInitDialog(WPARAM wp, LPARAM lp) override;
    void BindRecord(const cEdChara& record) override;

    // Steps to the previous (-1) or next (+1) entry of the palette working
    // copy, storing this page's copy into it first.
    void Step(int step);
    // Enables or disables a control (a value edit with its up-down control).
    void EnableId(int id, bool flag);
    bool Checked(int id) const;
    bool Enabled(int id) const;
    // Whether the group of the flag is inherited (its check is on).
    bool Inherited(int flag) const;

    cVector<cCtrlCheckItem<int8_t>> m_Inherits;
    cVector<cCtrlButtonItem> m_Buttons;  // "←", "→" and the page's own buttons
    cVector<cCtrlStaticItem> m_Statics;  // "No.%d"
    cVector<cCtrlPictureItem> m_Pictures;
    int m_bInit = 0;

protected:
    // Points the page's parameter records at the working copy.
    virtual void FillParams() = 0;
    // Binds (enter: adds to the control vector) the page's own items.
    virtual void AttachOwn(bool enter) = 0;
    // The page's change handlers and control rules, after the groups.
    virtual void RunHandlers() = 0;
    // The page's own commands; true when handled.
    virtual bool OwnCommand(WPARAM wp) = 0;

    void FillCommon();
    void UpdateGroups();
    void CheckStates();
    void Refresh();
    void ShowNo();
    void Changed();

private:
    void AttachAll(bool enter);
    void OnInheritClicked(int index);

    const cInheritGroup* m_pGroups;
    int m_nGroups;
    const int (*m_pSpins)[2];
    int m_nSpins;
};
