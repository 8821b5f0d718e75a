// The sword type page "ソードタイプ" of the database sheet and its position
// dialog "ソードの位置".
#pragma once

#include "model/database.h"
#include "projedit/dbpage.h"

class cSwordPosDlg;

class cDbPageSwordType : public cDbPage<cEdSwordType> {
public:
    cDbPageSwordType(cDlg* parent, cWndRegistry* registry);

    cCtrlListItem<cEdSwordPos> m_Positions;
    cSwordPosDlg* m_lpPosDlg = nullptr;
    // Set while a position inserted just now is being edited.
    int m_bNewPos = 0;

protected:
    void AttachOwn() override;
    bool OwnCommand(int id, int code) override;
    void OwnListCommand(WPARAM wp) override;
};

class cSwordPosDlg : public cDlg {
public:
    cSwordPosDlg(int dlgId, cDlg* parent, int kind, cWndRegistry* registry, cCtrl* owner, int centre);
    ~cSwordPosDlg() override;
    LRESULT MsgProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) override;
    void OnInitDialog(WPARAM wp, LPARAM lp) override;
    void OnCommand(WPARAM wp, LPARAM lp) override;

    cEdSwordPos m_Spare;  // bound when there is no position to edit
    cEdSwordPos* m_lpPos;
    cCtrlComboItem<int32_t> m_Dir;
    cVector<cCtrlEditValItem<int32_t>> m_Vals;
    cCtrlCheckItem<int32_t> m_FlipX;
    cCtrlCheckItem<int32_t> m_FlipY;
};
