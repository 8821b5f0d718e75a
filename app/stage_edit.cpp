#include "app/stage_edit.h"

cStageEdit::cStageEdit() {
    Reset();
}

void cStageEdit::Reset() {
    m_bOpen = 0;
    m_bModified = 0;
    m_bCommonModified = 0;
    m_bWorldMapModified = 0;
    m_nLayer = 0;
    m_nReturnLayer = 0;
    m_nTool = 0;
    m_nCursorMode = 0;
    m_nRightClickMode = 0;
    g_EditSource[0] = 0;
    g_EditSource[1] = 0;
    m_nBrushW = 1;
    m_nBrushH = 1;
    m_nSelAnchorX = -1;
    m_nSelAnchorY = -1;
    m_bDrag = 0;
    g_EditOriginal = {nullptr, nullptr, nullptr};
    g_BlockSheet = nullptr;
    g_CharaSheet = nullptr;
    g_ItemSheet = nullptr;
    ClearPalClip();
    m_BrushBlock.Reset(1);
    m_BrushChara.Reset(1);
    m_BrushItem.Reset(1);
    m_strPath = "";
}

void cStageEdit::ClearPalClip() {
    m_bPalClip = 0;
    m_bPalClipCut = 0;
    m_PalClipBlock.reset();
    m_PalClipChara.reset();
    m_PalClipItem.reset();
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

// TODO(merge): stands in until the undo history lands; delete it then (a
// weak definition does not link with this toolchain's archives).
void cStageEdit::AllocUndo(int, int, int) {}
