#include "app/stage_edit.h"

cStageEdit::cStageEdit() {
    Reset();
}

void cStageEdit::Reset() {
    m_bStageOpen = 0;
    m_bStageModified = 0;
    m_bCommonPaletteModified = 0;
    m_bWorldMapModified = 0;
    m_Layer = 0;
    m_PrevLayer = 0;
    m_Tool = 0;
    m_ToolState = 0;
    m_PaletteWndState = 0;
    m_pEditBlock = nullptr;
    m_pEditChara = nullptr;
    m_pEditItem = nullptr;
    m_pBlockDataWnd = nullptr;
    m_pCharaDataWnd = nullptr;
    m_pItemDataWnd = nullptr;
    m_PaletteBlock.reset();
    m_PaletteChara.reset();
    m_PaletteItem.reset();
    m_PaletteDrag[0] = 0;
    m_PaletteDrag[3] = 0;
    m_EditSource = 0;
    m_EditSourceIndex = 0;
    m_AnchorX = -1;
    m_AnchorY = -1;
    m_PatternWidth = 1;
    m_PatternHeight = 1;
    m_bSelection = 0;
    m_BlockPattern.Reset(1);
    m_CharaPattern.Reset(1);
    m_ItemPattern.Reset(1);
    m_StagePath = "";
}

cStateStack::cStateStack() {
    Reset();
}

void cStateStack::Reset() {
    m_Entries.resize(1);
    m_Entries[0] = cViewState();
    m_pCurrent = &m_Entries[0];
    m_Depth = 0;
}
