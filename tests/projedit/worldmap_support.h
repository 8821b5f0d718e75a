// The world map window on a small map, driven with real input: cell
// positions on the screen, dialogs that the window opens itself answered by
// a script, and the map reset between tests.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <memory>

#include "app/services.h"
#include "model/prjoption.h"
#include "model/worldmap.h"
#include "model/worldmap_edit.h"
#include "projedit/worldmap_dlg.h"
#include "tests/support/gui.h"
#include "ui/registry.h"

// Runs a script once the window that find() returns is shown: for dialogs
// that the window under test opens modal itself (their modal loop runs
// the script's timer). Left unrun scripts are dropped by the destructor.
class cWhenShown {
public:
    cWhenShown(std::function<HWND()> find, std::function<void(HWND)> script);
    ~cWhenShown();
    bool Ran() const { return m_bRan; }

private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR id, DWORD);
    std::function<HWND()> m_Find;
    std::function<void(HWND)> m_Script;
    UINT_PTR m_Timer = 0;
    bool m_bRan = false;
};

class WorldMapWindowTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    // Opens the window on the map as it is now.
    void Open();
    // The screen point at the centre of a cell of the view.
    POINT CellPoint(int cx, int cy) const;
    // Real clicks and drags over cells of the view.
    void ClickCell(int cx, int cy, bool right = false);
    void RightDrag(int fromX, int fromY, int toX, int toY);
    int32_t& Cell(int x, int y) { return g_WorldMap.m_Cells[x + (y << g_WorldMap.m_PitchShift)]; }
    // Fills every cell of the grid with a value.
    void Fill(int32_t value);
    // Clicks a toolbar button by its command.
    void ClickToolButton(int command);

    std::unique_ptr<cWorldMapDlg> m_Dlg;
};
