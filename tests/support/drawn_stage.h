// A stage drawn with the sample project's pictures, for the tests and the
// screenshot tour that run the real editor: ground, platforms, a pillar, the
// player, four other characters and a row of items, 40 x 20 cells. Written
// into a copy of the sample project together with the editor configuration
// that makes the editor open it at start.
#pragma once

#include <windows.h>

#include <string>

#include "base/record.h"
#include "model/palette.h"
#include "model/prjoption.h"
#include "model/stage.h"

const char kDrawnStagePath[] = "data\\stg4\\Sample.stg4_248";
const int kDrawnStageWidth = 40;
const int kDrawnStageHeight = 20;

// The cells of the drawn stage, by layer: what DrawnStageBlock and friends
// put where.
inline int DrawnStageBlock(int x, int y) {
    if (y == 17) return 1;                           // grass
    if (y > 17) return 3;                            // bricks
    if (y == 12 && x >= 5 && x <= 9) return 2;       // red platform
    if (y == 9 && x >= 13 && x <= 18) return 7;      // brick platform
    if (y == 13 && x >= 22 && x <= 26) return 5;     // ice
    if (x == 31 && y >= 12 && y <= 16) return 4;     // pillar
    return 0;
}

inline int DrawnStageItem(int x, int y) {
    if (y == 11 && x >= 5 && x <= 9) return 5;    // coins
    if (y == 8 && x >= 14 && x <= 17) return 4;   // stars
    if (y == 16 && x >= 34 && x <= 36) return 2;  // hearts
    return 0;
}

inline bool WriteDrawnStage(const std::string& projectDir) {
    SetDataVersion(248, 0);
    g_PrjOption.SetDefault();
    g_CommonPalette.SetDefault();
    g_CommonPalette.Validate();
    cEdStage stage;
    if (stage.SetSize(kDrawnStageWidth, kDrawnStageHeight, 0, 0) != 1) return false;
    for (int y = 0; y < kDrawnStageHeight; ++y)
        for (int x = 0; x < kDrawnStageWidth; ++x) {
            const int cell = stage.CellIndex(x, y);
            if (int g = DrawnStageBlock(x, y)) {
                stage.m_Blocks[cell].m_Graphic = static_cast<int16_t>(g);
                stage.m_Blocks[cell].m_GraphicSource = 0;
            }
            if (int g = DrawnStageItem(x, y)) {
                stage.m_Items[cell].m_Graphic = static_cast<int16_t>(g);
                stage.m_Items[cell].m_GraphicSource = 2;
            }
        }
    struct Placed {
        int x, y, graphic, control, face;
    };
    const Placed charas[] = {{3, 16, 1, 0, 0}, {8, 11, 2, 1, 1}, {16, 8, 3, 1, 0}, {24, 12, 4, 1, 1}, {28, 16, 5, 1, 1}};
    for (const Placed& p : charas) {
        cEdChara& c = stage.m_Charas[stage.CellIndex(p.x, p.y)];
        c.m_Graphic = static_cast<int16_t>(p.graphic);
        c.m_GraphicSource = 1;
        c.m_Control = static_cast<int8_t>(p.control);
        c.m_FaceRight = static_cast<int8_t>(p.face);
    }
    CreateDirectoryA((projectDir + "\\data\\stg4").c_str(), nullptr);
    if (!stage.Save((projectDir + "\\" + kDrawnStagePath).c_str())) return false;
    CreateDirectoryA((projectDir + "\\e_data").c_str(), nullptr);
    cEditConfig cfg;
    cfg.m_strLastStage = kDrawnStagePath;
    return cfg.Save((projectDir + "\\e_data\\EditConfig.dat").c_str());
}
