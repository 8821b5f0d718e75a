#include "projedit/system_stock.h"

#include "base/bgm.h"
#include "base/mcisound.h"
#include "base/msgbox.h"
#include "base/paths_win32.h"
#include "model/database.h"
#include "model/system.h"
#include "projedit/systemsheet_res.h"
#include "ui/dlghelpers.h"

cSystemPageStock* cSystemPageStock::s_pThis = nullptr;

const int kSoundEditIds[17] = {1355, 1358, 1361, 1364, 1367, 1370, 1373, 1376, 1379,
                               1382, 1385, 1388, 1391, 1394, 1397, 1400, 1405};
const sBgmRow kBgmRows[4] = {{1349, 1350, 1453}, {1352, 1351, 1454}, {1354, 1353, 1455}, {1404, 1403, 1456}};

namespace {

const int kStockIds[kStockCount] = {1327, 1328, 1329, 1330, 1331, 1332, 1333, 1334, 1335, 1336, 1337, 1338, 1339,
                                    1340, 1341, 1342, 1343, 1344, 1345, 1346, 1347, 1348, 1408, 1416, 1417};

cVector<cString>* ColorModeList() {
    static cVector<cString> names;
    if (names.empty())
        for (int i = 0; g_ColorMode[i][0]; ++i) names.push_back(g_ColorMode[i]);
    return &names;
}

}  // namespace

cSystemPageStock::cSystemPageStock(cDlg* parent, cWndRegistry* registry)
    : cSystemPage(IDD_SYSTEM_STOCK, parent, registry, 0) {
    s_pThis = this;
    cEdSystem& s = g_System;
    MakeBgmList();
    for (int i = 0; i < kSoundFileCount; ++i) AddStr(kSoundEditIds[i], &s.m_SoundFiles[i], 260, 0);
    AddVal8(1410, &s.m_TransRed, 1411);
    AddVal8(1412, &s.m_TransGreen, 1413);
    AddVal8(1414, &s.m_TransBlue, 1415);
    AddCombo(1409, &s.m_ColorMode, ColorModeList());
    for (int i = 0; i < kBgmCount; ++i) AddCombo(kBgmRows[i].combo, &s.m_BgmIndex[i], &m_BgmList);
    for (int i = 0; i < kStockCount; ++i) AddCheck8(kStockIds[i], &s.m_Stock[i]);
    for (int i = 0; i < kBgmCount; ++i) AddCheck8(kBgmRows[i].loop, &s.m_BgmLoop[i]);
}

void cSystemPageStock::MakeBgmList() {
    MakeTableNameList(&m_BgmList, g_Database.m_Bgm, "なし", 0, 3, 0);
}

void cSystemPageStock::UpdateCtrls() {
    int truecolour = static_cast<int>(SendDlgItemMessageA(m_hWnd, 1409, CB_GETCURSEL, 0, 0)) == 1;
    for (int id : {1410, 1412, 1414}) EnableCtrl(m_Vals8, id, truecolour);
}

void cSystemPageStock::OnPageCommand(int id, int code) {
    if (code != 0) return;
    for (int i = 0; i < kBgmCount; ++i) {
        if (id == kBgmRows[i].play) {
            PlayBgm(i);
            return;
        }
    }
    for (int i = 0; i < kSoundFileCount; ++i) {
        if (id == kSoundEditIds[i] + 1) {
            BrowseSound(i);
            return;
        }
        if (id == kSoundEditIds[i] + 2) {
            PlaySound(i);
            return;
        }
    }
}

void cSystemPageStock::PlayBgm(int slot) {
    int index = static_cast<int>(SendDlgItemMessageA(m_hWnd, kBgmRows[slot].combo, CB_GETCURSEL, 0, 0));
    if (index <= 0 || index >= static_cast<int>(g_Database.m_Bgm.size())) return;
    g_BgmManager.SetFile(0, g_Database.m_Bgm[index].m_File.c_str());
    if (!g_BgmManager.Play(0, 0, 1, 0, 1)) MsgBoxOwner(m_hWnd, "読み込み失敗！", "エラー", MB_OK);
}

void cSystemPageStock::BrowseSound(int row) {
    char path[kPathBufSize] = "";
    if (!OpenFileDialog(m_hWnd, path, kPathBufSize, "wave\\", "効果音の選択", "WaveFile ( *.wav )\0*.wav\0", "wav", 0))
        return;
    if (!MakeRelativePath(path)) return;
    FindCtrl(m_Strs, kSoundEditIds[row])->m_Ctrl.SetText(path);
}

void cSystemPageStock::PlaySound(int row) {
    cString path;
    FindCtrl(m_Strs, kSoundEditIds[row])->m_Ctrl.GetText(&path);
    if (path.empty()) return;
    char buf[kPathBufSize];
    snprintf(buf, sizeof buf, "%s", path.c_str());
    if (!PlaySoundFile(m_hWnd, &g_MciSound, 0, buf, 0)) MsgBoxOwner(m_hWnd, "読み込み失敗！", "エラー", MB_OK);
}
