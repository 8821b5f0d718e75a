#include "bench/stage_fill.h"

#include "model/definitions.h"

void FillLargestStage(cEdStage& s) {
    s.SetSize(kStageMaxSide, kStageMaxSide, 0, 0);
    cEdBlock block;
    block.m_Graphic = 3;
    block.m_Name = "ブロック";
    block.m_AppearConds.resize(1);
    cEdChara chara;
    chara.m_Graphic = 5;
    chara.m_Name = "キャラ";
    chara.m_Flows.resize(1);
    chara.m_Flows[0].m_Commands.resize(3);
    chara.m_Flows[0].m_KeyConds.resize(1);
    cEdItem item;
    item.m_Graphic = 2;
    item.m_Effects.resize(2);
    for (int y = 0; y < s.m_Height; ++y) {
        for (int x = 0; x < s.m_Width; ++x) {
            const int i = s.CellIndex(x, y);
            s.m_Blocks[i] = block;
            s.m_Charas[i] = chara;
            s.m_Items[i] = item;
        }
    }
}
