// The stage editor's command 40064 opens the world map editor over its own
// windows and closing it hands back to the stage editor.
#include <gtest/gtest.h>

#include <windows.h>

#include "app/mainframe.h"
#include "app/shell.h"
#include "app/stage_editor.h"
#include "app/stage_editor_res.h"
#include "projedit/mapchip_palette.h"
#include "res/command_ids.h"
#include "tests/projedit/worldmap_support.h"

namespace {

TEST_F(WorldMapWindowTest, TheStageEditorOpensItInWorldMapModeAndGetsControlBack) {
    cStageEditorDlg* editor = new cStageEditorDlg(IDD_STAGE_EDITOR, nullptr, kWndDialog, &g_WndRegistry);
    editor->RunModeless(0, 1);
    ASSERT_TRUE(PumpUntil([&] { return editor->m_bReady != 0; }));
    g_StageEditor = editor;
    g_WorldMapEdit.m_Mode = 1;
    g_WorldMapEdit.m_UndoCells.push_back(g_WorldMap.m_Cells);
    g_WorldMapEdit.m_UndoEvents.push_back(g_WorldMap.m_Events);

    SendMessageA(editor->m_hWnd, WM_COMMAND, ID_WORLD_OPEN, 0);
    cWorldMapDlg* world = dynamic_cast<cWorldMapDlg*>(editor->m_pWorldMap);
    ASSERT_TRUE(world && world->m_hWnd);
    EXPECT_EQ(1, g_AppWnd.m_nEditorMode);
    // A reset edit state: layer 0 with the chip palette, no history.
    EXPECT_EQ(0, g_WorldMapEdit.m_Mode);
    EXPECT_TRUE(g_WorldMapEdit.m_UndoCells.empty());
    EXPECT_TRUE(world->m_pChipPalette && world->m_pChipPalette->m_hWnd);
    EXPECT_FALSE(IsWindowVisible(editor->m_hWnd));
    EXPECT_FALSE(IsWindowEnabled(editor->m_hWnd));
    // The idle step reaches the window through the registry.
    bool listed = false;
    for (int i = 0; i < static_cast<int>(g_WndRegistry.m_Wnds.size()); ++i) listed |= g_WndRegistry.m_Wnds[i] == world;
    EXPECT_TRUE(listed);

    // Unmodified, it closes without asking.
    g_StageEdit.m_bWorldMapModified = 0;
    SendMessageA(world->m_hWnd, WM_CLOSE, 0, 0);
    ASSERT_TRUE(PumpUntil([&] { return !world->m_hWnd; })) << IsWindow(world->m_hWnd) << " modified " << g_StageEdit.m_bWorldMapModified;
    EXPECT_EQ(0, g_AppWnd.m_nEditorMode);
    EXPECT_TRUE(IsWindowVisible(editor->m_hWnd));
    EXPECT_TRUE(IsWindowEnabled(editor->m_hWnd));
    EXPECT_TRUE(EditConfig.m_Place[kPlaceWorldMap].m_bValid);

    g_StageEditor = nullptr;
    delete editor;
}

}  // namespace
