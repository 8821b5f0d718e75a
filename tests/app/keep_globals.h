// Puts the project objects that a test of the stage files changes back as
// they were: the common palette, the project options and the stage edit
// state (its undo history freed), so that later tests see them unchanged.
#pragma once

#include "app/stage_edit.h"
#include "model/palette.h"
#include "model/prjoption.h"
#include "model/stage.h"

extern cEdCommonPalette g_CommonPalette;
extern cPrjOption g_PrjOption;
extern cEdStage g_Stage;

class KeepProjectGlobals {
public:
    KeepProjectGlobals()
        : m_Blocks(g_CommonPalette.m_Blocks),
          m_Charas(g_CommonPalette.m_Charas),
          m_Items(g_CommonPalette.m_Items),
          m_Option(g_PrjOption) {}
    ~KeepProjectGlobals() {
        g_CommonPalette.m_Blocks = m_Blocks;
        g_CommonPalette.m_Charas = m_Charas;
        g_CommonPalette.m_Items = m_Items;
        g_PrjOption = m_Option;
        g_StageEdit.ClearUndo();
        g_StageEdit.m_UndoFlags.clear();
        g_StageEdit.Reset();
        g_Stage.SetDefault();
    }
    KeepProjectGlobals(const KeepProjectGlobals&) = delete;
    KeepProjectGlobals& operator=(const KeepProjectGlobals&) = delete;

private:
    cVector<cEdBlock> m_Blocks;
    cVector<cEdChara> m_Charas;
    cVector<cEdItem> m_Items;
    cPrjOption m_Option;
};
