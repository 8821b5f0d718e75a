// The event palette (dialog 158): the world map's event templates, edited
// in the event dialog, the one the pen places in the event layer, and the
// three options of how events are placed.
#pragma once

#include "base/containers.h"
#include "model/worldmap.h"
#include "ui/ctrlbutton.h"
#include "ui/ctrlcheck.h"
#include "ui/ctrllist.h"
#include "ui/dlg.h"

class cEventPaletteDlg : public cDlg {
public:
    // Parent: the world map window.
    cEventPaletteDlg(cDlg* parent, cWndRegistry* registry);
    ~cEventPaletteDlg() override;

    void OnCommand(WPARAM wp, LPARAM lp) override;
    LRESULT MsgProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) override;
    void Draw() override;
    void OnInitDialog(WPARAM wp, LPARAM lp) override;

    // The list's row becomes the template the pen places.
    void SelectTemplate();
    // The list shows the templates again.
    void Refresh();
    // The list's clipboard becomes one copy of the event.
    void SetClipboard(const cEdWorldEvent& event);

    int m_bDestroyed = 0;  // the window got WM_DESTROY
    static cEventPaletteDlg* s_pThis;

    cCtrlListItem<cEdWorldEvent> m_List;
    cVector<cCtrlCheckItem<int32_t>> m_Checks;
    cVector<cCtrlButtonItem> m_Buttons;
    HMENU m_hListMenu = nullptr;

private:
    // Inserts a template at the selection and edits it; cancel removes it.
    void InsertAndEdit();
    void EditSelected();
    // Runs the list's cut, copy, paste or delete; true when the id is one.
    bool ListCommand(int id);
};
