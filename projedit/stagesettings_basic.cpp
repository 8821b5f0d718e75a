#include "projedit/stagesettings_basic.h"

#include <prsht.h>

#include <algorithm>

#include "app/services.h"
#include "base/appwnd.h"
#include "base/bgm.h"
#include "base/msgbox.h"
#include "model/database.h"
#include "model/prjoption.h"
#include "projedit/proj_lists.h"
#include "projedit/stagesettings_layer.h"
#include "projedit/stagesettings_res.h"
#include "projedit/stagesettings_sheet.h"
#include "res/command_ids.h"
#include "ui/dlghelpers.h"
#include "ui/inputdlg.h"

int g_StageResizeDirX = 0;
int g_StageResizeDirY = 0;

cStagePageBasic* cStagePageBasic::s_pThis = nullptr;

namespace {

const int kListId = kBackLayerListId;
// The scroll limit check boxes, their edits and their hidden-width labels.
const int kLimitChecks[4] = {1265, 1266, 1267, 1268};
const int kLimitEdits[4] = {11214, 11216, 11218, 11220};
const int kLimitLabels[4] = {1429, 1430, 1431, 1432};
const int kRankingChecks[kRankingCount] = {1316, 1317, 1318, 1319, 1320};

}  // namespace

sStageMemory CalcStageMemory(int width, int height, int curWidth, int curHeight, uint64_t freeBytes) {
    // 64-bit throughout: one step of a large stage plus the free memory of
    // a large machine is far beyond the int range
    const int64_t step = cStageEdit::StepBytes(width, height);
    const int64_t free = static_cast<int64_t>(std::min<uint64_t>(freeBytes, INT64_MAX / 4));
    sStageMemory m;
    m.consumption = 2 * step;
    m.limit = static_cast<int64_t>(cStageEdit::StepBytes(curWidth, curHeight)) + free;
    m.count = step > 0 ? (m.limit - m.consumption) / step : 0;
    return m;
}

cStagePageBasic::cStagePageBasic(int templateId, cDlg* parent, int /*kind*/, cWndRegistry* registry)
    : cStagePage(templateId, parent, registry), m_nWidth(g_Stage.m_Width), m_nHeight(g_Stage.m_Height) {
    s_pThis = this;
    cEdStage& s = g_Stage;
    // a stage of an old file may hold fewer ranking flags than the page shows
    if (static_cast<int>(s.m_RankingItems.size()) < kRankingCount)
        s.m_RankingItems.resize(kRankingCount, 0);
    DeclareBackLayerList(m_List.m_Param, &s.m_BackLayers, &m_Layers);

    AddVal(11210, &m_nWidth, kStageMinSide, kStageMaxSide, 11212);
    AddVal(11211, &m_nHeight, kStageMinSide, kStageMaxSide, 11166);
    AddVal(11214, &s.m_ScrollMinX, 0, 492, 11215);
    AddVal(11216, &s.m_ScrollMaxX, 19, 511, 11217);
    AddVal(11218, &s.m_ScrollMinY, 0, 497, 11219);
    AddVal(11220, &s.m_ScrollMaxY, 14, 511, 11221);
    AddVal(1256, &s.m_AutoSpeedX, -480, 480, 1257);
    AddVal(1259, &s.m_AutoSpeedY, -480, 480, 1260);
    AddVal(1258, &s.m_TimeLimit, 1, 999, 1261);
    AddVal(1262, &s.m_WarnTime, 0, 999, 1270);
    AddVal(1273, &s.m_HeroInvTime, 0, 9999, 1274);
    AddVal(1275, &s.m_HeroSameInvTime, 1, 9999, 1276);
    AddVal(1277, &s.m_EnemyInvTime, 0, 9999, 1278);
    AddVal(1279, &s.m_EnemySameInvTime, 1, 9999, 1280);
    AddReal(11223, &s.m_Gravity, 0.1, 1.0, 11168, 0.1);
    AddStr(1002, &s.m_Name, 30, 1);

    MakeTableNameList(&m_BgmNames, g_Database.m_Bgm, "なし", 0, 3, 0);
    AddCombo(1286, &g_StageResizeDirX, g_ResizeXName, 0);
    AddCombo(1287, &g_StageResizeDirY, g_ResizeYName, 0);
    AddCombo(1263, &s.m_ScrollKindX, g_ScrollKindName, 0);
    AddCombo(1264, &s.m_ScrollKindY, g_ScrollKindName, 0);
    AddComboList(11222, &s.m_BgmNo, &m_BgmNames);

    AddCheck(1265, &s.m_bScrollMinX);
    AddCheck(1266, &s.m_bScrollMaxX);
    AddCheck(1267, &s.m_bScrollMinY);
    AddCheck(1268, &s.m_bScrollMaxY);
    AddCheck(1269, &s.m_bTimeLimit);
    AddCheck(1448, &s.m_bBgmLoop);
    AddCheck(1449, &s.m_bBgmKeep);
    AddCheck(1284, &s.m_bStatusWindow);
    AddCheck(1285, &s.m_bSkipClearKey);
    AddCheck(1271, &s.m_bStatusFromStock);
    AddCheck(1272, &s.m_bStatusToStock);
    AddCheck(1281, &s.m_bShowStage);
    AddCheck(1288, &s.m_bShowReady);
    AddCheck(1282, &s.m_bShowClear);
    AddCheck(1283, &s.m_bShowGameOver);
    for (int i = 0; i < kRankingCount; ++i) AddCheck(kRankingChecks[i], &s.m_RankingItems[i]);

    AddLabel(1427);
    AddLabel(1428);
    for (int id : kLimitLabels) AddLabel(id);
}

cStagePageBasic::~cStagePageBasic() {
    SafeDelete(&m_pLayerDlg);
    DestroyModeless();
    if (s_pThis == this) s_pThis = nullptr;
}

void cStagePageBasic::OnInitDialog(WPARAM wp, LPARAM lp) {
    cDlg::OnInitDialog(wp, lp);
    AddCtrl(m_List);
    AttachAll();
    m_List.m_Ctrl.SetKeys(IDA_LIST_INSERT, IDM_LIST_INSERT, 1, 1);
    UpdateCtrls();
    m_List.m_Ctrl.SetCurSel(0, 1);
    DataToCtrls();
    ShowMemory();
    ShowHiddenWidth();
    UpdateCtrls();
    m_bReady = 1;
}

void cStagePageBasic::UpdateCtrls() {
    for (int i = 0; i < 4; ++i) {
        const int on = IsChecked(kLimitChecks[i]);
        EnableCtrl(m_Vals, kLimitEdits[i], on);
        EnableCtrl(m_Labels, kLimitLabels[i], on);
    }
    const int timed = IsChecked(1269);
    EnableCtrl(m_Vals, 1258, timed);
    EnableCtrl(m_Vals, 1262, timed);
    const int ranking = !IsChecked(1285);
    for (int id : kRankingChecks) EnableCtrl(m_Checks, id, ranking);
}

void cStagePageBasic::ShowHiddenWidth() {
    const int w = EditInt(11210);
    const int h = EditInt(11211);
    const int minX = std::min(EditInt(11214), w - 20);
    const int maxX = std::min(EditInt(11216), w - 1);
    const int minY = std::min(EditInt(11218), h - 15);
    const int maxY = std::min(EditInt(11220), h - 1);
    const int hidden[4] = {minX, w - maxX - 1, minY, h - maxY - 1};
    for (int i = 0; i < 4; ++i) {
        auto* label = FindCtrl(m_Labels, kLimitLabels[i]);
        if (!label) continue;
        cString text;
        text.Format("隠れる幅 %d(bl)", hidden[i]);
        label->m_Ctrl.SetText(text);
    }
}

void cStagePageBasic::ShowMemory() {
    const int w = EditInt(11210);
    const int h = EditInt(11211);
    // the histories are sized again when the sheet closes
    g_StageEdit.ClearUndo();
    const sStageMemory m = CalcStageMemory(w, h, g_Stage.m_Width, g_Stage.m_Height, FreeMemoryForUndo());
    cString text;
    text.Format("%9lld KB\r\n%9lld KB\r\n", static_cast<long long>(m.consumption / 1024),
                static_cast<long long>(m.limit / 1024));
    if (auto* label = FindCtrl(m_Labels, 1427)) label->m_Ctrl.SetText(text);
    text.clear();
    if (m.count < g_Stage.m_UndoCount)
        text.Format("※元に戻せる回数 %d → %lld", g_Stage.m_UndoCount, static_cast<long long>(m.count));
    if (auto* label = FindCtrl(m_Labels, 1428)) label->m_Ctrl.SetText(text);
}

void cStagePageBasic::PlayBgm() {
    const int pos = ComboPos(11222);
    if (pos <= 0 || pos >= static_cast<int>(g_Database.m_Bgm.size())) return;
    g_BgmManager.SetFile(0, g_Database.m_Bgm[pos].m_File.CStr());
    if (!g_BgmManager.Play(0, 0, 1, 0, 1)) ErrorBoxF("読み込み失敗！");
}

void cStagePageBasic::Apply() {
    EditConfig.Save(g_EditConfigPath.CStr());
    if (!m_hWnd) return;
    CtrlsToData();
    m_nWidth = std::max(m_nWidth, 20);
    m_nHeight = std::max(m_nHeight, 15);
    cEdStage& s = g_Stage;
    if (m_nWidth == s.m_Width && m_nHeight == s.m_Height) return;
    g_StageEdit.ClearUndo();
    const int64_t step = cStageEdit::StepBytes(m_nWidth, m_nHeight);
    const bool grows = m_nWidth > s.m_Width || m_nHeight > s.m_Height;
    if (grows && FreeMemoryForUndo() < static_cast<uint64_t>(2 * step)) {
        ErrorBoxF("メモリ不足により、サイズの変更に失敗しました！");
        return;
    }
    ShowMessageWnd(this, m_lpRegistry, "サイズを変更しています...", "ステージサイズの変更", static_cast<cWnd*>(this), 1,
                   1);
    if (!s.SetSize(m_nWidth, m_nHeight, g_StageResizeDirX, g_StageResizeDirY)) {
        CloseMessageWnd();
        ErrorBoxF("サイズの変更に失敗しました！");
        if (g_MainWnd) DestroyWindow(g_MainWnd);
        return;
    }
    CloseMessageWnd();
}

void cStagePageBasic::OnCommand(WPARAM wp, LPARAM lp) {
    if (!AllowCommand(wp)) return;
    cDlg::OnCommand(wp, lp);
    const int id = LOWORD(wp);
    const int code = HIWORD(wp);
    cCtrlList<cEdBackLayer>& list = m_List.m_Ctrl;
    switch (id) {
        case 1217:
            if (code == BN_CLICKED) PlayBgm();
            break;
        case 1219:
            list.InsertAndEdit(&m_pLayerDlg, IDD_BACK_LAYER, m_lpRegistry, kEditWndKeep, 1);
            break;
        case 1220:
            list.Edit(&m_pLayerDlg, IDD_BACK_LAYER, m_lpRegistry, kEditWndKeep, 1);
            break;
        case 1221:
            list.Delete(-1, false);
            break;
        case kListId:
            if (code == LBN_DBLCLK)
                list.Edit(&m_pLayerDlg, IDD_BACK_LAYER, m_lpRegistry, kEditWndKeep, 1);
            else if (code == LBN_SELCHANGE)
                list.OnSelChange();
            break;
        case 1265:
        case 1266:
        case 1267:
        case 1268:
        case 11214:
        case 11216:
        case 11218:
        case 11220:
            if (m_bReady) ShowHiddenWidth();
            break;
        case 11210:
        case 11211:
            if (m_bReady) ShowMemory();
            break;
        default:
            break;
    }
    if (m_bReady && GetChangedCtrlId(wp)) UpdateCtrls();
    if (!list.OnAccelCommand(wp)) list.OnPopupCommand(wp);
    RedrawList();
    MarkChanged();
}

LRESULT cStagePageBasic::MsgProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    LRESULT r = DefMsgProc(hwnd, msg, wp, lp);
    cCtrlList<cEdBackLayer>& list = m_List.m_Ctrl;
    if (m_bReady && IsActive() && list.SelectAtPoint(m_ptPopup)) TrackPopup(list.m_hPopupMenu);
    switch (msg) {
        case WM_DESTROY:
            m_bReady = 0;
            g_BgmManager.Stop();
            OnStageSheetClosed();
            r = 1;
            break;
        case WM_CLOSE:
            Close(0);
            r = 1;
            break;
        case WM_NOTIFY: {
            const NMHDR* hdr = reinterpret_cast<const NMHDR*>(lp);
            if (hdr && hdr->code == static_cast<UINT>(PSN_APPLY)) {
                if (cStageSettingSheet* sheet = HeldStageSettingSheet()) sheet->Apply();
                g_StageEdit.m_bModified = 1;
            } else if (hdr && hdr->code == static_cast<UINT>(PSN_SETACTIVE)) {
                UpdateCtrls();
            }
            r = 1;
            break;
        }
        default:
            break;
    }
    if (r) Draw();
    return r;
}
