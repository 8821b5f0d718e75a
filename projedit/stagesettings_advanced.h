// Page "高度な設定" of the stage settings: frame rate, hit detection level
// and precision, Z coordinates, damage outside the screen and the margins
// beyond which enemies, items and shots disappear at the screen edges.
#pragma once

#include "projedit/stagesettings_page.h"

class cStagePageAdvanced : public cStagePage {
public:
    cStagePageAdvanced(int templateId, cDlg* parent, int kind, cWndRegistry* registry);

    // Each edge check box enables its margin edit.
    void UpdateCtrls() override;

    static cStagePageAdvanced* s_pThis;
};

// Control ids of the edge rules: rule k (0 enemies not blocks, 1 enemies
// that are blocks, 2 items, 3 the hero's shots, 4 the enemies' shots), edge
// e (left, right, top, bottom).
inline int EdgeCheckId(int k, int e) {
    return 1434 + 4 * k + e;
}
inline int EdgeEditId(int k, int e) {
    return 11223 + 4 * k + e;
}
inline int EdgeSpinId(int k, int e) {
    return 11168 + 4 * k + e;
}
