// The project options' page "全般": the game program of the test play, the
// project's default block, character and item, and what saving a stage
// over a file of an older version does with the old file.
#pragma once

#include "projedit/prjoption_page.h"
#include "ui/ctrlcheck.h"
#include "ui/ctrlcombo.h"
#include "ui/ctrleditstr.h"

class cPropSheet;

class cPrjOptionPageGeneral : public cPrjOptionPage {
public:
    cPrjOptionPageGeneral(cDlg* parent, cWndRegistry* registry);
    ~cPrjOptionPageGeneral() override;

    bool OnPageCommand(WPARAM wp) override;
    LRESULT MsgProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) override;
    void OnInitDialog(WPARAM wp, LPARAM lp) override;

    void UpdateCtrls();
    // Buttons "ブロック", "キャラ", "アイテム" (kind 0, 1, 2): the default
    // record of that kind opens in its definition sheet (edit target 3).
    void EditDefault(int kind);

    // Set by the shell at start-up: makes and opens the definition sheet of
    // a kind (0 block, 1 character, 2 item) with the page as parent, and
    // returns the variable that holds it for the page (the registry deletes
    // the sheet through it and clears it when the sheet closes). Null when
    // no sheet opened: the other windows are then enabled again.
    typedef cPropSheet** (*tOpenDefaultSheet)(int kind, cDlg* parent, cWndRegistry* registry);
    static tOpenDefaultSheet s_OpenDefaultSheet;

    static cPrjOptionPageGeneral* s_pThis;
    cCtrlEditStrItem m_Path;
    cCtrlCheckItem<int32_t> m_Auto;
    cCtrlComboItem<int32_t> m_OldVer;
    // Where the definition sheets of the default records are held (null
    // until the kind's sheet was opened; the variable is null again once
    // that sheet closed).
    cPropSheet** m_pSheet[3] = {};
};
