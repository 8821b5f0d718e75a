#include "projedit/system_mode.h"

#include "model/system.h"
#include "projedit/systemsheet_res.h"

cSystemPageMode* cSystemPageMode::s_pThis = nullptr;

namespace {

// Per game mode: initial lives edit and spin, "∞", "ランキングON" and the
// five ranking item boxes.
struct sModeIds {
    int lives, spin, infinite, ranking;
    int items[kRankItemCount];
};
const sModeIds kModeIds[3] = {
    {1321, 1322, 1327, 1325, {1326, 1323, 1324, 1350, 1351}},
    {1330, 1331, 1328, 1335, {1332, 1333, 1334, 1352, 1353}},
    {1337, 1338, 1344, 1342, {1339, 1340, 1341, 1354, 1355}},
};

}  // namespace

cSystemPageMode::cSystemPageMode(cDlg* parent, cWndRegistry* registry)
    : cSystemPage(IDD_SYSTEM_MODE, parent, registry, 1) {
    s_pThis = this;
    cEdSystem& s = g_System;
    for (int m = 0; m < 3; ++m) {
        const sModeIds& ids = kModeIds[m];
        AddVal(ids.lives, &s.m_InitialLives[m], 1, 99, ids.spin);
        AddCheck(ids.infinite, &s.m_InfiniteLives[m]);
        AddCheck(ids.ranking, &s.m_Ranking[m].m_RankingOn);
        for (int i = 0; i < kRankItemCount; ++i) AddCheck8(ids.items[i], &s.m_Ranking[m].m_RankItems[i]);
    }
    AddVal(1336, &s.m_ChallengeWorlds, 1, 99, 1343);
    AddCheck(1320, &s.m_StoryShareLives);
    AddCheck(1356, &s.m_StoryMapAfterDeath);
    AddCheck(1358, &s.m_StoryLivesOnMap);
    AddCheck(1345, &s.m_StoryShowHiScore);
    AddCheck(1346, &s.m_StoryShowTotal);
    AddCheck(1349, &s.m_StoryResetVars);
    AddCheck(1361, &s.m_StoryRetry);
    AddCheck(1329, &s.m_ChallengeAllWorlds);
    AddCheck(1347, &s.m_ChallengeShowHiScore);
    AddCheck(1348, &s.m_ChallengeShowTotal);
    AddCheck(1357, &s.m_ChallengeResetVars);
    AddCheck(1362, &s.m_ChallengeRetry);
    AddCheck(1359, &s.m_FreeResetVars);
    AddCheck(1360, &s.m_TestResetVars);
}

void cSystemPageMode::UpdateCtrls() {
    for (const sModeIds& ids : kModeIds) {
        EnableCtrl(m_Vals, ids.lives, !IsChecked(ids.infinite));
        int ranking = IsChecked(ids.ranking);
        for (int id : ids.items) EnableCtrl(m_Checks8, id, ranking);
    }
    int shared = IsChecked(1320);
    for (int id : {1356, 1358}) {
        if (!shared) FindCtrl(m_Checks, id)->m_Ctrl.SetCheck(0);
        EnableCtrl(m_Checks, id, shared);
    }
}
