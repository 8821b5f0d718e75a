// The stage editor's long-lived state (g_StageEdit) and the stack of view
// states that the stage canvas and the world map window push and pop
// (g_StateStack). Only their construction and reset live here; the editors
// work on them.
#pragma once

#include <cstdint>

#include <boost/shared_ptr.hpp>

#include "base/containers.h"
#include "base/str.h"
#include "model/definitions.h"
#include "model/flow.h"

class cWnd;

// Four values of a rectangle or a range, as the stage editor uses them.
struct cStageRect {
    int32_t m_Values[4] = {0, 0, 1, 1};
};

class cStageEdit {
public:
    cStageEdit();
    ~cStageEdit() = default;
    cStageEdit(const cStageEdit&) = delete;
    cStageEdit& operator=(const cStageEdit&) = delete;

    // Back to the start of an editing session: no stage open, nothing
    // modified, one default record in each pattern of 1 x 1 cells, no
    // selection. The edit target and the histories stay.
    void Reset();

    cString m_StagePath;
    int32_t m_bStageOpen = 0;
    int32_t m_bStageModified = 0;
    int32_t m_bCommonPaletteModified = 0;
    int32_t m_bWorldMapModified = 0;
    int32_t m_Layer = 0;  // 0 blocks, 1 characters, 2 items
    int32_t m_PrevLayer = 0;
    int32_t m_Tool = 0;
    int32_t m_ToolState = 0;
    int32_t m_PaletteWndState = 0;
    cVector<cEdBlock> m_BlockPattern;
    cVector<cEdChara> m_CharaPattern;
    cVector<cEdItem> m_ItemPattern;
    // The records being edited: a palette entry, a stage cell or the
    // project default itself.
    cEdBlock* m_pEditBlock = nullptr;
    cEdChara* m_pEditChara = nullptr;
    cEdItem* m_pEditItem = nullptr;
    // 0 an object placed on the stage, 1 a stage palette entry, 2 a common
    // palette entry, 3 the project defaults.
    int32_t m_EditTarget = 0;
    cWnd* m_pBlockDataWnd = nullptr;
    cWnd* m_pCharaDataWnd = nullptr;
    cWnd* m_pItemDataWnd = nullptr;
    int32_t m_GraphicPick[2] = {0, 0};
    // The command pages edit the commands of an item (read together with
    // the open item data window).
    int32_t m_bItemCommands = 0;
    int32_t m_FlowPage[3] = {0, 0, 0};
    cVector<cEdCond> m_Conds;
    cVector<cEdFlow> m_Flows;
    cVector<cEdCond> m_Conds2;
    cVector<cEdKeyCond> m_KeyConds;
    cVector<cEdCommand> m_Commands;
    cVector<cEdCommand> m_Commands2;
    void* m_pAnimePage = nullptr;
    boost::shared_ptr<cEdBlock> m_PaletteBlock;
    boost::shared_ptr<cEdChara> m_PaletteChara;
    boost::shared_ptr<cEdItem> m_PaletteItem;
    int32_t m_PaletteDrag[4] = {0, 0, 0, 0};
    int32_t m_EditSource = 0;  // 0 the common palette, 1 the stage palette
    int32_t m_EditSourceIndex = 0;
    int32_t m_AnchorX = -1;
    int32_t m_AnchorY = -1;
    int32_t m_PatternWidth = 1;
    int32_t m_PatternHeight = 1;
    int32_t m_bSelection = 0;
    int32_t m_Selection2[6] = {0, 0, 0, 0, 0, 0};
    cStageRect m_Rects[3];
    cVector<cVector<cEdBlock>> m_UndoBlocks;
    cVector<cVector<cEdChara>> m_UndoCharas;
    cVector<cVector<cEdItem>> m_UndoItems;
    cVector<cVector<cEdBlock>> m_RedoBlocks;
    cVector<cVector<cEdChara>> m_RedoCharas;
    cVector<cVector<cEdItem>> m_RedoItems;
    // Layer bits of each step: 1 blocks, 2 characters, 4 items.
    cVector<int32_t> m_UndoLayers;
    cVector<int32_t> m_RedoLayers;
    int32_t m_UndoCount = 0;
    int32_t m_RedoCount = 0;
};

// One saved view state: four values whose meaning belongs to the window
// that pushes it.
struct cViewState {
    int32_t m_Values[4] = {0, 0, 0, 0};
};

class cStateStack {
public:
    cStateStack();
    cStateStack(const cStateStack&) = delete;
    cStateStack& operator=(const cStateStack&) = delete;

    // One zeroed entry, which is current; depth 0.
    void Reset();

    cViewState* m_pCurrent = nullptr;
    int32_t m_Depth = 0;
    cVector<cViewState> m_Entries;
};

extern cStateStack g_StateStack;
extern cStageEdit g_StageEdit;
