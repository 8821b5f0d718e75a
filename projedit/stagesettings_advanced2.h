// Page "高度な設定2" of the stage settings: the default hit boxes of the
// hero, enemies, items and shots, where a box sits on a character, and
// whether and in which colour the hero's boxes are shown.
#pragma once

#include "projedit/stagesettings_page.h"

class cStagePageAdvanced2 : public cStagePage {
public:
    cStagePageAdvanced2(int templateId, cDlg* parent, int kind, cWndRegistry* registry);

    void OnInitDialog(WPARAM wp, LPARAM lp) override;
    // Each colour combo box is enabled while its display mode shows the box.
    void UpdateCtrls() override;

    static cStagePageAdvanced2* s_pThis;
};

// One hit box of the page: its label, the width and height edits with their
// spins, the position combo box (0 none) and where the values sit in
// cEdStage::m_HitBoxes (position -1 none); the default values that the label
// shows and the greatest size.
struct sHitBoxRow {
    int label, width, widthSpin, height, heightSpin, pos;
    int valueIndex, posIndex;
    int defWidth, defHeight, defPos;
    int max;
};
extern const sHitBoxRow kHitBoxRows[16];
// The display-mode and colour combo boxes of the hero's boxes (blocks,
// characters, items, shots) and where they sit in m_HitBoxes.
struct sHitShowRow {
    int show, colour;
    int showIndex, colourIndex;
};
extern const sHitShowRow kHitShowRows[4];
