// The event dialog (dialog 161): one world map event's name and pages, each
// page what the event is (a world, a road or a wall), its picture, world
// number and name, the stage it starts, what clearing the game there does
// and when it appears. It works on a copy; OK writes the copy back.
#pragma once

#include "base/containers.h"
#include "model/worldmap.h"
#include "ui/ctrlbutton.h"
#include "ui/ctrlcheck.h"
#include "ui/ctrlcombo.h"
#include "ui/ctrleditstr.h"
#include "ui/ctrleditval.h"
#include "ui/ctrllist.h"
#include "ui/ctrlpicture.h"
#include "ui/dlg.h"

class cEventDlg : public cDlg {
public:
    // event: the placed event, working event or template to edit.
    cEventDlg(cDlg* parent, cEdWorldEvent* event, cWndRegistry* registry, cCtrl* ownerCtrl, int centre);
    ~cEventDlg() override;

    void OnCommand(WPARAM wp, LPARAM lp) override;
    LRESULT MsgProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) override;
    void Draw() override;
    void OnInitDialog(WPARAM wp, LPARAM lp) override;

    void UpdateCtrls();

    static cEventDlg* s_pThis;

    cEdWorldEvent* m_pTarget;
    cEdWorldEvent m_Work;
    cVector<cEdEventPage> m_Pages;  // the page list's working copy
    cEdEventPage m_Page;            // the page shown in the controls
    cVector<cString> m_GraphicNames;
    cVector<cString> m_VarNames;
    cVector<cString> m_TypeNames;
    cVector<cString> m_ClearNames;
    cVector<cString> m_CompareNames;

    cCtrlListItem<cEdEventPage> m_List;
    cVector<cCtrlEditStrItem> m_Strs;
    cVector<cCtrlEditValItem<int32_t>> m_Vals;
    cVector<cCtrlComboItem<int32_t>> m_Combos;
    cVector<cCtrlCheckItem<int32_t>> m_Checks;
    cVector<cCtrlButtonItem> m_Buttons;
    cCtrlPictureItem m_Preview;
    HMENU m_hListMenu = nullptr;

private:
    void BuildVarNames();
    // Shows the current page in every control but the list.
    void ShowPage();
    // Every control but the list into the edit buffer, which goes into the
    // selected pages.
    void StorePage();
    bool ListCommand(int id);
    void BrowseStage();
    void RenameVar();

    int m_bLoading = 0;  // set while the controls are being filled
};
