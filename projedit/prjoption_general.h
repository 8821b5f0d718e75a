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

    // HOOK, until the definition sheets are part of the editor: makes and
    // opens the definition sheet of a kind (0 block, 1 character, 2 item)
    // with the page as parent; the sheet is then held by the page. Without
    // it no sheet opens and the other windows are enabled again.
    typedef cPropSheet* (*tOpenDefaultSheet)(int kind, cDlg* parent, cWndRegistry* registry);
    static tOpenDefaultSheet s_OpenDefaultSheet;

    static cPrjOptionPageGeneral* s_pThis;
    cCtrlEditStrItem m_Path;
    cCtrlCheckItem<int32_t> m_Auto;
    cCtrlComboItem<int32_t> m_OldVer;
    // The definition sheets of the default records, while open.
    cPropSheet* m_pSheet[3] = {};
};
