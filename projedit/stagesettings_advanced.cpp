#include "projedit/stagesettings_advanced.h"

#include "model/stage.h"
#include "ui/dlghelpers.h"

cStagePageAdvanced* cStagePageAdvanced::s_pThis = nullptr;

cStagePageAdvanced::cStagePageAdvanced(int templateId, cDlg* parent, int /*kind*/, cWndRegistry* registry)
    : cStagePage(templateId, parent, registry) {
    s_pThis = this;
    cEdStage& s = g_Stage;
    AddVal(11222, &s.m_FrameRate, 30, 120, 11167);
    for (int k = 0; k < kVanishCount; ++k) {
        cEdEdgeRule& rule = s.m_Vanish[k];
        int32_t* flags[4] = {&rule.m_bLeft, &rule.m_bRight, &rule.m_bTop, &rule.m_bBottom};
        int32_t* margins[4] = {&rule.m_Left, &rule.m_Right, &rule.m_Top, &rule.m_Bottom};
        for (int e = 0; e < 4; ++e) {
            AddVal(EdgeEditId(k, e), margins[e], 0, 99, EdgeSpinId(k, e));
            AddCheck(EdgeCheckId(k, e), flags[e]);
        }
    }
    AddCheck(1272, &s.m_bUseZ);
    AddCheck(1273, &s.m_bNoDamageOffScreen);
    // text p of the level names stands for the level p + 1
    AddCombo(1271, &s.m_HitLevel, g_HitLevelName, 1);
    AddCombo(1279, &s.m_ShotPrecision, g_ShotPrecisionName, 0);
}

void cStagePageAdvanced::UpdateCtrls() {
    for (int k = 0; k < kVanishCount; ++k)
        for (int e = 0; e < 4; ++e) EnableCtrl(m_Vals, EdgeEditId(k, e), IsChecked(EdgeCheckId(k, e)));
}
