// The world map editor window (dialog 152): the map's chips and placed
// events drawn on a canvas of 32-pixel cells, edited with the pen and the
// right-button rectangle in two layers (0 map chips, 1 events), each with
// its palette window; undo and redo, the settings and the event dialog.
#pragma once

#include "model/worldmap.h"
#include "ui/dlg.h"

class cMapChipPaletteDlg;
class cEventPaletteDlg;
class cWorldMapSettingDlg;
class cEventDlg;

class cWorldMapDlg : public cDlg {
public:
    // Parent: the stage editor window.
    cWorldMapDlg(cDlg* parent, cWndRegistry* registry);
    ~cWorldMapDlg() override;

    void OnFrame() override;
    void OnCommand(WPARAM wp, LPARAM lp) override;
    LRESULT MsgProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) override;
    void Draw() override;
    void OnInitDialog(WPARAM wp, LPARAM lp) override;

    // Saves the map to "data\WorldMap.dat"; true when it was written.
    bool Save();
    // 1 when the window may close (saved, or the author declined), 0 to keep it.
    int ConfirmSave();
    void PushUndo();
    void UpdateUndoButtons();
    void UpdateUndoMenu();
    void UpdateLayerMenu();
    void UpdateLayerButtons();
    void OpenChipPalette();
    void OpenEventPalette();
    void RefreshPalette();
    void ShowAll();
    void HideAll();
    void EnableWindows(int flag);
    // Runs the event dialog modal on the event; its result (1 OK).
    int RunEventDlg(cEdWorldEvent* event);

    int m_bDestroyed = 0;  // the window got WM_DESTROY
    static cWorldMapDlg* s_pThis;

    cMapChipPaletteDlg* m_pChipPalette = nullptr;
    cEventPaletteDlg* m_pEventPalette = nullptr;
    cWorldMapSettingDlg* m_pSettingDlg = nullptr;
    cEventDlg* m_pEventDlg = nullptr;
    int m_nViewX = 0;
    int m_nViewY = 0;
    cEdWorldEvent m_WorkEvent;
    HMENU m_hPopupMenuBar = nullptr;
    int m_bMinimized = 0;

private:
    typedef void (cWorldMapDlg::*ToolFn)(UINT msg);
    void UpdateCursor();
    void OnMouse(UINT msg);
    void Pen(UINT msg);
    void SelectRect(UINT msg);
    void FinishRect();
    void OnSize();
    void ReadViewOrigin();
    void OnSettings();
    void OnPopupCommand(int id);
    void CreateBars();
    // Places the working event at the cell, renumbered when the option says so.
    void PlaceWorkEvent(int x, int y);
    void MarkModified();

    ToolFn m_Tools[1];
    int m_bPenDown = 0;  // the pen's press was seen and the button is held
    HMENU m_hMenu = nullptr;
};
