// The pages of the waiting, moving and turning commands: wait, the six
// moves (straight, ground turn-back, circle, rush, homing, off-screen
// avoidance), move disabling and direction change. The moves edit the
// command's move record; the others only the command's own fields.
#pragma once

#include <cstdint>

#include "base/containers.h"
#include "cmdedit/cmd_dlg.h"
#include "model/move_shot.h"
#include "ui/ctrlcheck.h"
#include "ui/ctrlcombo.h"
#include "ui/ctrleditval.h"
#include "ui/ctrlstatic.h"

// Distance over speed, in pixels per speed unit: 0 for speed 0; a distance
// in (hbl) (any unit row but 1) counts 16 pixels.
double DistSpeedRatio(int16_t distance, int16_t speed, int unit);
// A move given by speed and distance needs |distance / speed| >= 0.1 (the
// ratio of DistSpeedRatio), decided in whole numbers so that a ratio of
// exactly 0.1 passes whatever the floating-point unit does.
bool IsValidDistSpeed(int16_t distance, int16_t speed, int unit);

class cCmdDlgMovePage : public cCmdDlg {
public:
    // The control groups of a page.
    enum { kGroupTsd = 1, kGroupInertia = 2, kGroupOther = 4, kGroupMoves = kGroupTsd | kGroupInertia | kGroupOther };

    cCmdDlgMovePage(int templateId, cDlg* parent, int kind, const cEditReq* req, cWndRegistry* registry,
                    cCtrl* ownerCtrl, int centre, int groups);

    void OnInitDialog(WPARAM wp, LPARAM lp) override;
    // OK of a page given by speed and distance is refused while the shown
    // values fail the ratio check.
    void OnCommand(WPARAM wp, LPARAM lp) override;
    void UpdateCtrls() override;

    // The distance, speed and unit row the controls show.
    void ShownDistSpeed(int16_t* distance, int16_t* speed, int* unit);
    // The ratio of what the distance, speed and unit controls show.
    double ShownRatio();

    cVector<cCtrlEditValItem<int16_t>> m_Shorts;
    cVector<cCtrlEditValItem<double>> m_Doubles;
    cVector<cCtrlCheckItem<int8_t>> m_Checks;
    cVector<cCtrlComboItem<int8_t>> m_Combos;
    cVector<cCtrlComboItem<int16_t>> m_Records;  // anime and sound lists
    cVector<cCtrlComboItem<int32_t>> m_ParamCombos;
    cVector<cCtrlStaticItem> m_Statics;
    cVector<cString> m_Lists[8];  // option tables and record lists
    int m_nGroups;

protected:
    cEdMove* Move() const;
    // A fresh move record with the defaults every new move starts with.
    void NewMove();
    cVector<cString>* List(int slot, const char* const* table);
    void Short(int id, int16_t* data, int min, int max, int spin);
    void Check(int id, int8_t* data);
    void Combo(int id, int8_t* data, int slot, const char* const* table);
    void AnimeCombo(int id, int16_t* data);
    void SoundCombo(int id, int16_t* data);
    void EnableId(int id, bool on);
    bool IsChecked(int id) const;
    int ComboRow(int id) const;
    // The time, speed and distance group, the inertia group and the anime rule.
    void UpdateTsd();
    void UpdateInertiaAndAnime();
    // The parallel flag, the time and its clone value; then the groups the
    // page has.
    void AddCommon();
    void AddGroups();
};

class cCmdDlgWait : public cCmdDlgMovePage {
public:
    cCmdDlgWait(int templateId, cDlg* parent, int kind, const cEditReq* req, cWndRegistry* registry, cCtrl* ownerCtrl,
                int centre);
    void UpdateCtrls() override {}
};

class cCmdDlgLineMove : public cCmdDlgMovePage {
public:
    cCmdDlgLineMove(int templateId, cDlg* parent, int kind, const cEditReq* req, cWndRegistry* registry,
                    cCtrl* ownerCtrl, int centre);
    void UpdateCtrls() override;
};

class cCmdDlgGroundTurnMove : public cCmdDlgMovePage {
public:
    cCmdDlgGroundTurnMove(int templateId, cDlg* parent, int kind, const cEditReq* req, cWndRegistry* registry,
                          cCtrl* ownerCtrl, int centre);
};

class cCmdDlgCircleMove : public cCmdDlgMovePage {
public:
    cCmdDlgCircleMove(int templateId, cDlg* parent, int kind, const cEditReq* req, cWndRegistry* registry,
                      cCtrl* ownerCtrl, int centre);
    void UpdateCtrls() override;
};

class cCmdDlgRushMove : public cCmdDlgMovePage {
public:
    cCmdDlgRushMove(int templateId, cDlg* parent, int kind, const cEditReq* req, cWndRegistry* registry,
                    cCtrl* ownerCtrl, int centre);
};

class cCmdDlgHomingMove : public cCmdDlgMovePage {
public:
    cCmdDlgHomingMove(int templateId, cDlg* parent, int kind, const cEditReq* req, cWndRegistry* registry,
                      cCtrl* ownerCtrl, int centre);
};

class cCmdDlgScreenAvoidMove : public cCmdDlgMovePage {
public:
    cCmdDlgScreenAvoidMove(int templateId, cDlg* parent, int kind, const cEditReq* req, cWndRegistry* registry,
                           cCtrl* ownerCtrl, int centre);
};

class cCmdDlgMoveDisable : public cCmdDlgMovePage {
public:
    cCmdDlgMoveDisable(int templateId, cDlg* parent, int kind, const cEditReq* req, cWndRegistry* registry,
                       cCtrl* ownerCtrl, int centre);
    void UpdateCtrls() override {}
};

class cCmdDlgTurn : public cCmdDlgMovePage {
public:
    cCmdDlgTurn(int templateId, cDlg* parent, int kind, const cEditReq* req, cWndRegistry* registry, cCtrl* ownerCtrl,
                int centre);
    void OnCommand(WPARAM wp, LPARAM lp) override;
    void UpdateCtrls() override {}
};
