// The key condition dialog (dialog 204 "キー条件"): which of the 19 keys must
// be pressed or released, for how long, and how the keys combine.
#pragma once

#include <cstdint>

#include "base/containers.h"
#include "model/flow.h"
#include "ui/ctrlcheck.h"
#include "ui/ctrlcombo.h"
#include "ui/ctrleditval.h"
#include "ui/ctrllist.h"
#include "ui/dlg.h"

class cKeyCondDlg : public cDlg {
public:
    cKeyCondDlg(int templateId, cDlg* parent, int kind, const cEditReq* req, cWndRegistry* registry,
                cCtrl* ownerCtrl, int centre);
    ~cKeyCondDlg() override;

    void OnCommand(WPARAM wp, LPARAM lp) override;
    LRESULT MsgProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) override;
    void Draw() override {}
    void OnInitDialog(WPARAM wp, LPARAM lp) override;

    // The longest press time starts at the shortest; "1～∞" greys out both.
    void UpdateCtrls();

    cEditReq m_Req;
    // The controls edit this copy; OK writes it into the record.
    cEdKeyCond m_Key;
    cVector<cString> m_States;
    cVector<cString> m_Rules;
    cVector<cCtrlComboItem<int8_t>> m_Combos;  // the 19 keys, then the rule
    cVector<cCtrlEditValItem<int16_t>> m_Vals;
    cVector<cCtrlCheckItem<int8_t>> m_Checks;
    int m_bInit = 0;
};

// The control of each key, in key order.
extern const int g_KeyCondCombo[19];

// The row text of a key condition in the flows page: the press times (or
// "1～∞"), then the pressed keys joined by the rule's mark.
void KeyCondRowText(cString* out, int index, const cEdKeyCond* key);
