#include "projedit/system_ini.h"

#include "model/system.h"
#include "projedit/systemsheet_res.h"

cSystemPageIni* cSystemPageIni::s_pThis = nullptr;

namespace {

// Per row: the key edit, the number edit and its spin (0: the row has
// none) and the text edit (0: none).
struct sIniRow {
    int key, number, spin, text;
};
const sIniRow kIniRows[kIniItemCount] = {
    {1418, 1423, 1424, 0}, {1419, 1426, 1427, 0}, {1420, 1428, 1429, 0}, {1421, 1430, 1431, 0}, {1422, 0, 0, 1425},
};

}  // namespace

cSystemPageIni::cSystemPageIni(cDlg* parent, cWndRegistry* registry)
    : cSystemPage(IDD_SYSTEM_INI, parent, registry, 0) {
    s_pThis = this;
    for (int i = 0; i < kIniItemCount; ++i) {
        cEdIniItem& item = g_System.m_IniItems[i];
        const sIniRow& row = kIniRows[i];
        AddStr(row.key, &item.m_Key, 64, 0);
        // the value control of the record's kind, where the row has one
        if (item.m_Kind == 0 && row.number)
            AddVal(row.number, &item.m_IntDefault, 0, 99, row.spin);
        else if (item.m_Kind == 1 && row.text)
            AddStr(row.text, &item.m_TextDefault, 260, 0);
    }
}
