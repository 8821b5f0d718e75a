#include "projedit/system_text.h"

#include "model/system.h"
#include "projedit/systemsheet_res.h"

cSystemPageText* cSystemPageText::s_pThis = nullptr;

const sTermEdit kTermEdits[28] = {
    {1375, 8},  {1376, 8},  {1377, 8},  {1378, 8},  {1379, 8},  {1380, 8},  {1381, 8},
    {1382, 8},  {1383, 8},  {1384, 8},  {1385, 12}, {1386, 12}, {1387, 12}, {1388, 12},
    {1389, 12}, {1390, 12}, {1391, 24}, {1392, 12}, {1393, 12}, {1394, 12}, {1395, 12},
    {1396, 12}, {1397, 12}, {1398, 12}, {1399, 16}, {1400, 16}, {1401, 16}, {1402, 16},
};

cSystemPageText::cSystemPageText(cDlg* parent, cWndRegistry* registry)
    : cSystemPage(IDD_SYSTEM_TEXT, parent, registry, 0) {
    s_pThis = this;
    for (int i = 0; i < kTextCount; ++i)
        AddStr(kTermEdits[i].id, &g_System.m_Texts[i], kTermEdits[i].maxLength, 1);
}
