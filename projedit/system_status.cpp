#include "projedit/system_status.h"

#include "model/system.h"
#include "projedit/systemsheet_res.h"

cSystemPageStatus* cSystemPageStatus::s_pThis = nullptr;

namespace {

// Per status item: "表示", "シンボルを表示", "文字", the digits edit with its
// spin and range (0: none) and "数値を表示" (0: none).
struct sStatusIds {
    int show, symbol, text, digits, spin, maxDigits, number;
};
const sStatusIds kStatusIds[kStatusItemCount] = {
    {1358, 1359, 1002, 1360, 1373, 9, 0}, {1361, 1362, 1003, 1363, 1323, 9, 0}, {1364, 1365, 1004, 0, 0, 0, 1369},
    {1367, 1368, 1005, 0, 0, 0, 1391},    {1370, 1371, 1006, 1372, 1326, 2, 0},
};

// Per menu item: its check box and its text edit.
struct sMenuIds {
    int check, edit;
};
const sMenuIds kTitleMenuIds[kTitleMenuCount] = {{1374, 1007}, {1375, 1008}, {1376, 1009}, {1377, 1010},
                                                 {1378, 1011}, {1379, 1012}, {1383, 1016}};
const sMenuIds kMapMenuIds[kMapMenuCount] = {{1380, 1013}, {1381, 1014}, {1382, 1015}, {1390, 1023}};
const sMenuIds kOptionMenuIds[kOptionMenuCount] = {{1384, 1017}, {1385, 1018}, {1386, 1019},
                                                   {1387, 1020}, {1388, 1021}, {1389, 1022}};

struct sMenuTable {
    const sMenuIds* ids;
    int count;
    cVector<cEdMenuItem> cEdSystem::*items;
};
const sMenuTable kMenus[3] = {{kTitleMenuIds, kTitleMenuCount, &cEdSystem::m_TitleMenu},
                              {kMapMenuIds, kMapMenuCount, &cEdSystem::m_MapMenu},
                              {kOptionMenuIds, kOptionMenuCount, &cEdSystem::m_OptionMenu}};

}  // namespace

cSystemPageStatus::cSystemPageStatus(cDlg* parent, cWndRegistry* registry)
    : cSystemPage(IDD_SYSTEM_STATUS, parent, registry, 0) {
    s_pThis = this;
    cEdSystem& s = g_System;
    for (int i = 0; i < kStatusItemCount; ++i) {
        const sStatusIds& ids = kStatusIds[i];
        cEdStatusItem& item = s.m_StatusItems[i];
        AddCheck(ids.show, &item.m_Show);
        AddCheck(ids.symbol, &item.m_Symbol);
        AddStr(ids.text, &item.m_Label, 5, 1);
        if (ids.digits) AddVal(ids.digits, &item.m_Digits, 1, ids.maxDigits, ids.spin);
        if (ids.number) AddCheck(ids.number, &item.m_ShowNumber);
    }
    for (const sMenuTable& menu : kMenus) {
        cVector<cEdMenuItem>& items = s.*menu.items;
        for (int i = 0; i < menu.count; ++i) {
            AddCheck(menu.ids[i].check, &items[i].m_Enabled);
            AddStr(menu.ids[i].edit, &items[i].m_Text, 8, 1);
        }
    }
    AddCheck(1366, &s.m_TitleImage);
}

void cSystemPageStatus::UpdateCtrls() {
    for (const sStatusIds& ids : kStatusIds) {
        int shown = IsChecked(ids.show);
        EnableCtrl(m_Checks, ids.symbol, shown);
        EnableCtrl(m_Strs, ids.text, shown && !IsChecked(ids.symbol));
        if (ids.digits) EnableCtrl(m_Vals, ids.digits, shown);
    }
    for (const sMenuTable& menu : kMenus)
        for (int i = 0; i < menu.count; ++i) EnableCtrl(m_Strs, menu.ids[i].edit, IsChecked(menu.ids[i].check));
}
