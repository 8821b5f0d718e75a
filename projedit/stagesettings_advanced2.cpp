#include "projedit/stagesettings_advanced2.h"

#include "model/stage.h"
#include "ui/dlghelpers.h"

cStagePageAdvanced2* cStagePageAdvanced2::s_pThis = nullptr;

// m_HitBoxes holds, in order: the hero's 12 sizes (0), its 4 positions (12),
// display modes (16) and colours (20) in the order block, character, shot,
// item; the enemies' 10 sizes (24) and 4 positions (34); the items' 2 sizes
// (38); the shots' 8 sizes (40).
const sHitBoxRow kHitBoxRows[16] = {
    {12862, 1312, 1313, 11232, 11177, 1314, 0, 12, 16, 24, 1, 32},
    {12863, 1315, 1316, 11237, 11182, 1317, 2, 13, 16, 16, 0, 32},
    {12860, 1270, 1271, 11224, 11169, 1286, 4, 14, 16, 24, 1, 32},
    {12861, 1304, 1305, 11230, 11175, 1306, 6, 15, 16, 16, 0, 32},
    {1290, 1276, 1277, 11226, 11171, 0, 8, -1, 12, 8, -1, 32},
    {1287, 1272, 1273, 11225, 11170, 0, 10, -1, 16, 16, -1, 32},
    {1326, 1320, 1321, 11238, 11183, 1322, 24, 34, 16, 24, 1, 32},
    {1327, 1323, 1324, 11239, 11184, 1325, 26, 35, 16, 16, 0, 32},
    {1291, 1280, 1281, 11227, 11172, 1310, 28, 36, 12, 24, 1, 32},
    {1308, 1307, 1309, 11231, 11176, 1311, 30, 37, 12, 16, 0, 32},
    {1292, 1288, 1289, 11229, 11174, 0, 32, -1, 30, 30, -1, 32},
    {1293, 1282, 1283, 11228, 11173, 0, 38, -1, 28, 28, -1, 32},
    {1300, 1284, 1285, 11233, 11178, 0, 40, -1, 16, 16, -1, 16},
    {1301, 1294, 1295, 11234, 11179, 0, 42, -1, 16, 16, -1, 16},
    {1302, 1296, 1297, 11235, 11180, 0, 44, -1, 16, 16, -1, 16},
    {1303, 1298, 1299, 11236, 11181, 0, 46, -1, 16, 16, -1, 16},
};

const sHitShowRow kHitShowRows[4] = {
    {1318, 1319, 16, 20},  // blocks
    {1268, 1269, 17, 21},  // characters
    {1274, 1275, 19, 23},  // items
    {1278, 1279, 18, 22},  // shots
};

cStagePageAdvanced2::cStagePageAdvanced2(int templateId, cDlg* parent, int /*kind*/, cWndRegistry* registry)
    : cStagePage(templateId, parent, registry) {
    s_pThis = this;
    int32_t* hit = g_Stage.m_HitBoxes;
    for (const sHitBoxRow& row : kHitBoxRows) {
        AddVal(row.width, &hit[row.valueIndex], 1, row.max, row.widthSpin);
        AddVal(row.height, &hit[row.valueIndex + 1], 1, row.max, row.heightSpin);
    }
    for (const sHitBoxRow& row : kHitBoxRows)
        if (row.pos) AddCombo(row.pos, &hit[row.posIndex], g_HitPosName, 0);
    for (const sHitShowRow& row : kHitShowRows) {
        AddCombo(row.show, &hit[row.showIndex], g_HitShowName, 0);
        AddCombo(row.colour, &hit[row.colourIndex], g_HitColourName, 0);
    }
    for (const sHitBoxRow& row : kHitBoxRows) AddLabel(row.label);
}

void cStagePageAdvanced2::OnInitDialog(WPARAM wp, LPARAM lp) {
    cDlg::OnInitDialog(wp, lp);
    AttachAll();
    UpdateCtrls();
    DataToCtrls();
    UpdateCtrls();
    // the defaults of a new stage, written as fixed numbers
    for (const sHitBoxRow& row : kHitBoxRows) {
        auto* label = FindCtrl(m_Labels, row.label);
        if (!label) continue;
        if (row.defPos >= 0)
            label->m_Ctrl.AddCaptionF(" (%d,%d,%s)", row.defWidth, row.defHeight, g_HitPosShortName[row.defPos].c_str());
        else
            label->m_Ctrl.AddCaptionF(" (%d,%d)", row.defWidth, row.defHeight);
    }
    m_bReady = 1;
}

void cStagePageAdvanced2::UpdateCtrls() {
    for (const sHitShowRow& row : kHitShowRows) EnableCtrl(m_Combos, row.colour, ComboPos(row.show) != 0);
}
