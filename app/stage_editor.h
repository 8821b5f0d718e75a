// The stage editor window: the editor's main window, a modeless dialog owned
// by the application window, with its menu, toolbar, status bar, scroll bars
// and the stage canvas. It dispatches the editor's commands, hands the
// canvas's mouse input to the drawing tools, draws the stage view and keeps
// the undo history's menu and buttons up to date.
#pragma once

#include <cstdint>
#include <vector>

#include "model/definitions.h"
#include "ui/dlg.h"

class cPropSheet;

// True while a SHIFT key is held (GetAsyncKeyState); tests put a stand-in
// here with SetShiftSource (null restores the keyboard).
bool IsShiftDown();
typedef bool (*ShiftSourceFn)();
void SetShiftSource(ShiftSourceFn fn);

// Moves the point (x, y) about one cell toward the end cell along the
// leading axis, in ten sub-steps of length / 10; true once both truncated
// coordinates are the end cell.
bool LineStep(double& x, double& y, int endX, int endY, double length);

class cStageEditorDlg : public cDlg {
public:
    cStageEditorDlg(int templateId, cWnd* parent, int kind, cWndRegistry* registry);
    ~cStageEditorDlg() override;

    void OnFrame() override;
    void OnCommand(WPARAM wp, LPARAM lp) override;
    LRESULT MsgProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) override;
    void Draw() override;
    void OnInitDialog(WPARAM wp, LPARAM lp) override;
    // The menu commands (so far the database sheet, 40063).

    // Undo history of the stage layers (bits: 1 blocks, 2 characters, 4 items).
    void PushUndo(int bits);
    void PushUndoLayer(int layer);
    // All three layers while SHIFT is held, else the current one.
    void PushUndoForTool();
    void ClearUndo();

    // Stage files. SaveStage: overwrite 1 the plain save (a file of another
    // version, or none yet, asks for a name), 0 under a new name; true when
    // the stage counts as saved. SaveCommonPalette writes the common palette.
    int SaveStage(int overwrite);
    int SaveCommonPalette();
    // Test play: whole 1 the whole game, 0 the current stage.
    void TestPlay(int whole);

    // Tool windows: the six palette windows (common blocks, characters,
    // items, then stage blocks, characters, items) and the character group
    // window.
    void CreatePalettes();
    // Every palette window takes the size of its palette again.
    void RelayoutPalettes();
    void ShowPalettes();
    void ShowBlockPalettes();
    void ShowCharaPalettes();
    void ShowItemPalettes();
    void DrawPalettes();
    // The idle step's drawing of every palette window: stage blocks, common
    // blocks, stage characters, common characters, stage items, common items.
    void DrawAllPalettes();
    void HideAll();
    void MinimizeAll();
    // The world map editor (menu 40064): a fresh window over a reset edit
    // state, the other windows hidden and disabled, editor mode 1.
    void OpenWorldMap();

    // What the stage editor does when a window opened from it closes: the
    // definition sheets (their page's WM_DESTROY), the stage settings, the
    // world map, the database, the system settings and the project options.
    void OnBlockSheetClosed();
    void OnCharaSheetClosed();
    void OnItemSheetClosed();
    void OnStageSheetClosed();
    void OnWorldMapClosed();
    void OnDatabaseSheetClosed();
    void OnSystemSheetClosed();
    void OnPrjOptionSheetClosed();
    // The names the project-wide editors call them by.
    void OnDatabaseClosed() { OnDatabaseSheetClosed(); }
    void OnPrjOptionClosed() { OnPrjOptionSheetClosed(); }

    // Menu and toolbar state.
    void UpdateMenus();
    void UpdateToolbar();
    void UpdateViewChecks();
    void UpdateLayerMenu();
    void UpdateLayerButtons();
    void UpdateUndoMenu();
    void UpdateUndoButtons();

    // The cursor cell of a canvas point (see the view): stored into the
    // current entry of g_StateStack.
    void CursorCell(POINT pt);

    // Drawing tools: each takes WM_MOUSEMOVE, WM_LBUTTONDOWN or WM_LBUTTONUP
    // at the cursor cell and ignores other messages.
    void PaintCell(int cell, int i);
    void ToolPen(UINT msg);
    void ToolLine(UINT msg);
    void ToolRect(UINT msg);
    void ToolFill(UINT msg);
    void ToolEdit(UINT msg);
    void RunTool(UINT msg);
    // The right-button selection (WM_MOUSEMOVE, WM_RBUTTONDOWN, WM_RBUTTONUP)
    // and what the keys do to it.
    void OnSelectMouse(UINT msg);
    void CopySelection();
    void ClearSelection();
    void TurnSelection();
    void EditObjectAtCursor();

    // The view.
    void DrawView(cDib* dst, int width, int height);
    void DrawCursor(cDib* dst);
    void DrawBrushCell(cDib* dst, int x, int y, int i);
    void DrawLinePreview(cDib* dst);
    void DrawRectPreview(cDib* dst);
    void DrawSelectFrame(cDib* dst);
    void UpdateTitle();

    // The view origin in cells.
    int m_nViewX = 0;
    int m_nViewY = 0;
    int m_bMinimized = 0;
    cWnd* m_pPalette[6] = {};
    cWnd* m_pCharaGroup = nullptr;
    cWnd* m_pWorldMap = nullptr;
    // The database sheet, while open; the idle step paces its animation pages.
    cPropSheet* m_pDatabaseSheet = nullptr;
    // The mouse keys (MK_LBUTTON, MK_RBUTTON) of the mouse message that the
    // tools are handling: the button state when the message was sent.
    WPARAM m_nMsgKeys = 0;
    // Scratch records of the fill.
    cEdBlock m_FillBlock;
    cEdChara m_FillChara;
    cEdItem m_FillItem;
    // The system settings and project options sheets, while open; the
    // registry clears them when they close.
    cPropSheet* m_pSystemSheet = nullptr;
    cPropSheet* m_pPrjOptionSheet = nullptr;
    // The stage settings sheet, while open; the registry clears it.
    cPropSheet* m_pStageSheet = nullptr;

private:
    // What one view cell shows: per layer the icon's resolved drawing
    // values; the state 0 (not drawn), 1 (past the stage) or 2 (a stage cell).
    struct cViewCellKey {
        int32_t m_State;
        int32_t m_Icon[3][8];
    };
    // The layers as last drawn into m_LayerCache[0], cell by cell, at view
    // origin (m_nCacheX, m_nCacheY): a repaint draws only the cells whose
    // contents changed, and a scroll moves the picture and draws the cells
    // that came into view.
    void UpdateLayerCache(int width, int height);
    cDib m_LayerCache[2];
    std::vector<cViewCellKey> m_CellKeys;
    int m_nCacheX = 0;
    int m_nCacheY = 0;
    int m_nCacheCols = 0;
    int m_nCacheRows = 0;
    uintptr_t m_nSheetSig = 0;

    void OnCanvasMouse(UINT msg, WPARAM wp, LPARAM lp);
    void OnWheel(WPARAM wp);
    void OnKey(WPARAM wp);
    void OnSize();
    void ReadScrollPos();
    void Rebuild();
    void ClearLayers(int bits, const char* question);
    void ToggleView(int first, int command);
    void FloodFill(int x, int y);
    void AddToolbar();
    void SetStatusText();
    template <class T>
    void OnDefinitionSheetClosed(int kind, cVector<T>& brush, const cVector<T>& stagePalette,
                                 const cVector<T>& commonPalette);
};

// The cursor cell and view position of g_StateStack's current entry.
int CursorX();
int CursorY();
