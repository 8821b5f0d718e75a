// What the stage editor does when a definition sheet that it or a palette
// window opened closes: the brush takes the edited palette entry, and the
// layer that was current before the sheet opened comes back.
#include <gtest/gtest.h>

#include <windows.h>

#include "app/stage_edit.h"
#include "app/stage_editor.h"
#include "app/stage_editor_res.h"
#include "base/record.h"
#include "model/palette.h"
#include "model/prjoption.h"
#include "model/stage.h"

namespace {

struct ClosedCase {
    const char* what;
    int target;       // g_EditTarget
    int expected;     // graphic of the brush's first record afterwards
};

const ClosedCase kClosed[] = {
    {"stage palette entry", 1, 21},
    {"common palette entry", 2, 31},
    {"placed object: the brush stays", 0, 5},
    {"project default: the brush stays", 3, 5},
};

TEST(StageEditorSheetClosed, BrushTakesTheEditedEntryAndTheLayerComesBack) {
    SetDataVersion(248, 0);
    // the project's objects as the other tests find them
    const cVector<cEdBlock> blocks = g_CommonPalette.m_Blocks;
    const cVector<cEdChara> charas = g_CommonPalette.m_Charas;
    const cVector<cEdItem> items = g_CommonPalette.m_Items;
    const int32_t target = g_StageEdit.g_EditTarget;
    const int32_t source[2] = {g_StageEdit.g_EditSource[0], g_StageEdit.g_EditSource[1]};
    for (const ClosedCase& c : kClosed) {
        SCOPED_TRACE(c.what);
        g_Stage.SetDefault();
        g_CommonPalette.SetDefault();
        g_CommonPalette.Validate();
        g_StageEdit.Reset();
        cStageEditorDlg dlg(IDD_STAGE_EDITOR, nullptr, kWndDialog, nullptr);
        g_Stage.m_PalCharas.resize(3);
        g_CommonPalette.m_Charas.resize(3);
        g_Stage.m_PalCharas[2].m_Graphic = 21;
        g_CommonPalette.m_Charas[2].m_Graphic = 31;
        g_StageEdit.m_BrushChara.resize(1);
        g_StageEdit.m_BrushChara[0].m_Graphic = 5;
        g_StageEdit.SetLayer(0);
        g_StageEdit.SwitchLayer(1);  // the opener went to the character layer
        ASSERT_EQ(1, g_StageEdit.m_nLayer);
        g_StageEdit.g_EditTarget = c.target;
        g_StageEdit.g_EditSource[0] = c.target == 1 ? 1 : 0;
        g_StageEdit.g_EditSource[1] = 2;
        // the project's links for a character picked from each palette
        const int stageLink = DefInheritIndex(kInheritStagePlace, kObjChara);
        const int commonLink = DefInheritIndex(kInheritCommonPlace, kObjChara);
        const int32_t sources[2] = {g_PrjOption.m_nDefInheritSrc[stageLink], g_PrjOption.m_nDefInheritSrc[commonLink]};
        g_PrjOption.m_nDefInheritSrc[stageLink] = 2;
        g_PrjOption.m_nDefInheritSrc[commonLink] = 1;
        dlg.OnCharaSheetClosed();
        g_PrjOption.m_nDefInheritSrc[stageLink] = sources[0];
        g_PrjOption.m_nDefInheritSrc[commonLink] = sources[1];
        EXPECT_EQ(c.expected, g_StageEdit.m_BrushChara[0].m_Graphic);
        if (c.target == 1 || c.target == 2) {
            EXPECT_EQ(c.target == 1 ? 2 : 1, g_StageEdit.m_BrushChara[0].m_InheritKind);
            EXPECT_EQ(2, g_StageEdit.m_BrushChara[0].m_InheritIndex);
        }
        EXPECT_EQ(c.target == 3 ? 1 : 0, g_StageEdit.m_nLayer);
    }
    g_CommonPalette.m_Blocks = blocks;
    g_CommonPalette.m_Charas = charas;
    g_CommonPalette.m_Items = items;
    g_StageEdit.g_EditTarget = target;
    g_StageEdit.g_EditSource[0] = source[0];
    g_StageEdit.g_EditSource[1] = source[1];
    g_StageEdit.Reset();
    g_Stage.SetDefault();
}

}  // namespace

namespace {

struct CentreCase {
    const char* what;
    int playerX, playerY;
    int viewX, viewY;  // the view origin the window opens with
};

const CentreCase kCentre[] = {
    {"player near the left edge: the view stays at the stage's start", 3, 2, 0, 0},
    {"player inside: ten columns and seven rows before it", 30, 20, 20, 13},
};

TEST(StageEditorOpen, ViewOpensCentredOnThePlayer) {
    SetDataVersion(248, 0);
    const cEdWindowPlace place = EditConfig.m_Place[kPlaceStageEditor];
    for (const CentreCase& c : kCentre) {
        SCOPED_TRACE(c.what);
        g_Stage.SetDefault();
        g_Stage.SetSize(60, 40, 0, 0);
        g_StageEdit.Reset();
        cEdChara player;
        player.ClearCell();
        player.m_Graphic = 1;
        player.m_Control = 0;
        g_Stage.m_Charas[g_Stage.CellIndex(c.playerX, c.playerY)] = player;
        cStageEditorDlg dlg(IDD_STAGE_EDITOR, nullptr, kWndDialog, nullptr);
        dlg.RunModeless(0, SW_SHOWNOACTIVATE);
        ASSERT_NE(nullptr, dlg.m_hWnd);
        EXPECT_EQ(c.viewX, dlg.m_nViewX);
        EXPECT_EQ(c.viewY, dlg.m_nViewY);
        dlg.DestroyModeless();
    }
    EditConfig.m_Place[kPlaceStageEditor] = place;
    g_StageEdit.Reset();
    g_Stage.SetDefault();
}

}  // namespace
