#include "projedit/prjoption_inherit.h"

#include "base/log.h"
#include "base/msgbox.h"
#include "base/platform.h"
#include "model/definitions.h"
#include "model/prjoption.h"
#include "projedit/prjoption_res.h"

cPrjOptionPageInherit* cPrjOptionPageInherit::s_pThis = nullptr;

// Block flags of the columns "ステージ", "コモン→配置", "ステージ→配置", then
// the character flags and the item flags in the same way.
const int kInheritCheckIds[184] = {
    1257, 1258, 1259, 1260, 1261, 1262, 1263, 1264, 1265, 11301, 1366, 1307, 1308, 1309, 1310, 1311, 1312, 1313, 1314, 1315, 1328, 1367, 1188, 1189, 1190, 1191, 1192, 1193, 1194, 1195, 1196, 11300, 1365, 1268, 1269, 1270, 1271, 1272, 1273, 1274, 1275, 1276, 1277, 1278, 1279, 1280, 1281, 1282, 1283, 1284, 1285, 1286, 1287, 1288, 1289, 1290, 1291, 1292, 1293, 1294, 1295, 1296, 1297, 1298, 1299, 1301, 1303, 1369, 1371, 1375, 1330, 1331, 1332, 1333, 1334, 1335, 1336, 1337, 1338, 1339, 1340, 1341, 1342, 1343, 1344, 1345, 1346, 1347, 1348, 1349, 1316, 1317, 1318, 1319, 1320, 1321, 1322, 1323, 1324, 1325, 1326, 1327, 1329, 1370, 1373, 1374, 1376, 1197, 1198, 1199, 1200, 1201, 1202, 1203, 1204, 1205, 1206, 1207, 1208, 1209, 1210, 1211, 1212, 1213, 1214, 1215, 1216, 1217, 1218, 1219, 1220, 1221, 1222, 1223, 1224, 1225, 1226, 1227, 1228, 1300, 1302, 1368, 1372, 1377, 1229, 1243, 1244, 1245, 1246, 1247, 1248, 1249, 1250, 1251, 1252, 1253, 1363, 1350, 1351, 1352, 1353, 1354, 1355, 1356, 1357, 1358, 1359, 1360, 1361, 1364, 1242, 1231, 1232, 1233, 1234, 1235, 1236, 1237, 1238, 1239, 1240, 1241, 1362, -1};

namespace {

// Position 1 of the "ステージ→配置" combos is the stage palette.
const int kStagePlaceValues[2] = {0, 2};

// The source combos by column and kind (block, character, item).
const int kSourceIds[kInheritSituationCount][3] = {{1255, 1266, 1230}, {1304, 1305, 1306}, {1256, 1267, 1254}};

}  // namespace

void cInheritSourceCombo::DataToCtrl() {
    int pos = *m_lpData;
    if (m_lpValues) {
        pos = 0;
        for (int i = 0; i < 2; ++i)
            if (m_lpValues[i] == *m_lpData) pos = i;
    }
    SetCurData(pos);
}

void cInheritSourceCombo::CtrlToData() {
    int pos = static_cast<int>(GetCurData());
    if (pos < 0) pos = 0;
    *m_lpData = m_lpValues ? m_lpValues[pos > 1 ? 1 : pos] : pos;
}

cPrjOptionPageInherit::cPrjOptionPageInherit(cDlg* parent, cWndRegistry* registry)
    : cPrjOptionPage(IDD_PRJOPTION_INHERIT, parent, registry) {
    s_pThis = this;
    int at = 0;
    for (int type = 0; type < 3; ++type) {
        for (int sit = 0; sit < kInheritSituationCount; ++sit) {
            cVector<int8_t>& flags =
                g_PrjOption.m_bbDefInherit[DefInheritIndex(static_cast<eInheritSituation>(sit), static_cast<eObjType>(type))];
            for (int i = 0; i < static_cast<int>(flags.size()) && kInheritCheckIds[at] != -1; ++i) {
                m_Checks.emplace_back();
                m_Checks.back().m_Param.Set(kInheritCheckIds[at++], reinterpret_cast<char*>(&flags[i]));
            }
        }
    }
    if (kInheritCheckIds[at] != -1 || at != 183) {
        MsgBox("継承データの数が一致しません！(バグかデータファイルが破損しているかどちらか)", "エラー", MB_OK);
        ReportLog("継承データの数が一致しません！");
        CloseAppWindow(kCloseDestroy);
    }
    for (int sit = 0; sit < kInheritSituationCount; ++sit) {
        for (int type = 0; type < 3; ++type) {
            m_Sources.emplace_back();
            cCtrlComboParam<int32_t>& p = m_Sources.back().m_Param;
            int32_t* data =
                &g_PrjOption.m_nDefInheritSrc[DefInheritIndex(static_cast<eInheritSituation>(sit), static_cast<eObjType>(type))];
            p.Set(kSourceIds[sit][type], data,
                  sit == kInheritStagePlace ? g_InheritSourceStageName : g_InheritSourceCommonName, 0);
        }
    }
}

void cPrjOptionPageInherit::OnInitDialog(WPARAM wp, LPARAM lp) {
    cDlg::OnInitDialog(wp, lp);
    AddCtrls(m_Checks);
    for (int i = 0; i < static_cast<int>(m_Sources.size()); ++i) {
        AddCtrl(m_Sources[i]);
        // the "ステージ→配置" column (the last three) stores through the table
        if (i >= 6) m_Sources[i].m_Ctrl.m_lpValues = kStagePlaceValues;
    }
    m_bRefresh = 0;
    DataToCtrls();
    m_bReady = 1;
}
