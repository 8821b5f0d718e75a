// The stage editor window: the editor's main window, a modeless dialog owned
// by the application window. For now it shows what stage is open and carries
// the window-level behaviour the application shell relies on: its title,
// placement, closing, minimising and the hiding and showing of its tool
// windows. Its menu, toolbar, canvas and tool windows come with the stage
// editing itself.
#pragma once

#include "ui/dlg.h"

class cPropSheet;

class cStageEditorDlg : public cDlg {
public:
    cStageEditorDlg(int templateId, cWnd* parent, int kind, cWndRegistry* registry);
    ~cStageEditorDlg() override;

    LRESULT MsgProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) override;
    void OnInitDialog(WPARAM wp, LPARAM lp) override;
    // The menu commands (so far the database sheet, 40063).
    void OnCommand(WPARAM wp, LPARAM lp) override;

    void UpdateTitle();
    // The tool windows: the six palette windows (common blocks, characters,
    // items, then stage blocks, characters, items) and the character group
    // window. None exists yet; the operations keep their order of work.
    void CreatePalettes();
    void ShowPalettes();
    void DrawPalettes();
    // The idle step's drawing of every palette window: stage blocks, common
    // blocks, stage characters, common characters, stage items, common items.
    void DrawAllPalettes();
    void HideAll();
    void MinimizeAll();

    int m_bMinimized = 0;
    cWnd* m_pPalette[6] = {};
    cWnd* m_pCharaGroup = nullptr;
    cWnd* m_pWorldMap = nullptr;
    // The database sheet, while open; the idle step paces its animation pages.
    cPropSheet* m_pDatabaseSheet = nullptr;

private:
    void ShowSummary();
};
