// The page of the shot command ("ショット"): the shot's picture, formation,
// direction and angles, clones and launch position ("表示", "発射"), and
// what it is and does ("性能": faction, size, move type, speed, range,
// lifetime, vanishing, piercing, power, effect, the item it gives), with
// the animation and sound of the command. Its settings are the command's
// shot record.
#pragma once

#include "cmdedit/cmdpage_shotbase.h"

class cCmdDlgShot : public cCmdShotBase {
public:
    cCmdDlgShot(int templateId, cDlg* parent, int kind, const cEditReq* req, cWndRegistry* registry,
                cCtrl* ownerCtrl, int centre);
    ~cCmdDlgShot() override;

    LRESULT MsgProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) override;
    void UpdateCtrls() override;
    void Draw() override;
    // The formation's check boxes and parameter rows; the move type's rows.
    void RefreshShotFormation();
    void RefreshMoveType();

    cVector<cString> m_Formations;
    cVector<cString> m_Directions;
    cVector<cString> m_Aims;
    int m_nPrevMove = kNoParamRow;

protected:
    void InitRefresh() override;
    bool OwnCommand(WPARAM wp) override;

private:
    void Pick();
    void Follow(int checkId, const int* ids, int count);
};
