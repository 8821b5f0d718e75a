#include "objedit/keycond.h"

#include <cstring>

#include "model/cmd_tables.h"
#include "objedit/cond_base.h"
#include "objedit/keycond_res.h"

const int g_KeyCondCombo[19] = {
    IDC_KEYCOND_NEUTRAL,   IDC_KEYCOND_LEFT, IDC_KEYCOND_RIGHT,  IDC_KEYCOND_UP,        IDC_KEYCOND_DOWN,
    IDC_KEYCOND_LEFTUP,    IDC_KEYCOND_LEFTDOWN, IDC_KEYCOND_RIGHTUP, IDC_KEYCOND_RIGHTDOWN, IDC_KEYCOND_ANYDIR,
    IDC_KEYCOND_ACTION_NEUTRAL, IDC_KEYCOND_Z, IDC_KEYCOND_X, IDC_KEYCOND_C, IDC_KEYCOND_V,
    IDC_KEYCOND_A,         IDC_KEYCOND_S,    IDC_KEYCOND_D,      IDC_KEYCOND_F,
};

namespace {
const char* const kShortNames[19] = {"方n", "←",  "→",  "↑", "↓", "←↑", "←↓", "→↑", "→↓", "方向",
                                     "アn", "Z", "X", "C", "V", "A", "S", "D", "F"};
const char* const kRuleMarks[3] = {"+", "･", "/"};
}  // namespace

void KeyCondRowText(cString* out, int, const cEdKeyCond* key) {
    out->clear();
    if (!key) return;
    if (key->m_bNoMax)
        StrPrintf(out, "1～∞ ： ");
    else
        StrPrintf(out, "%s%d～%d ： ", "", key->m_nPressMin, key->m_nPressMax);
    const char* mark = key->m_nRule >= 0 && key->m_nRule < 3 ? kRuleMarks[key->m_nRule] : "";
    bool any = false;
    for (int i = 0; i < kKeyStateCount && i < static_cast<int>(key->m_bbKeys.size()); ++i) {
        if (key->m_bbKeys[i] != 1) continue;
        StrPrintf(out, "%s %s ", kShortNames[i], mark);
        any = true;
    }
    // the last mark and its blank go again
    const size_t drop = strlen(mark) + 1;
    if (any && out->size() >= drop) out->resize(out->size() - drop);
}

cKeyCondDlg::cKeyCondDlg(int templateId, cDlg* parent, int kind, const cEditReq* req, cWndRegistry* registry,
                         cCtrl* ownerCtrl, int centre)
    : cDlg(templateId, parent, kind, registry, ownerCtrl, centre) {
    if (req) m_Req = *req;
    if (cEdKeyCond* rec = m_Req.Record<cEdKeyCond>()) m_Key = *rec;
    if (static_cast<int>(m_Key.m_bbKeys.size()) < kKeyStateCount) m_Key.m_bbKeys.resize(kKeyStateCount, 0);
    TableToList(&m_States, g_KeyState);
    TableToList(&m_Rules, g_KeyRule);
    m_Combos.resize(kKeyStateCount + 1);
    for (int i = 0; i < kKeyStateCount; ++i)
        m_Combos[i].m_Param.SetList(g_KeyCondCombo[i], &m_Key.m_bbKeys[i], &m_States, 0);
    m_Combos[kKeyStateCount].m_Param.SetList(IDC_KEYCOND_RULE, &m_Key.m_nRule, &m_Rules, 0);
    m_Vals.resize(2);
    m_Vals[0].m_Param.Set(IDC_KEYCOND_MIN, &m_Key.m_nPressMin, 1, 999, IDC_KEYCOND_MIN_SPIN, 1);
    m_Vals[1].m_Param.Set(IDC_KEYCOND_MAX, &m_Key.m_nPressMax, 1, 999, IDC_KEYCOND_MAX_SPIN, 1);
    m_Checks.resize(2);
    m_Checks[0].m_Param.Set(IDC_KEYCOND_FRONTBACK, &m_Key.m_bFrontBack);
    m_Checks[1].m_Param.Set(IDC_KEYCOND_NOMAX, &m_Key.m_bNoMax);
}

cKeyCondDlg::~cKeyCondDlg() { DestroyModeless(); }

void cKeyCondDlg::OnInitDialog(WPARAM wp, LPARAM lp) {
    cDlg::OnInitDialog(wp, lp);
    ShowWindow(GetDlgItem(m_hWnd, IDC_KEYCOND_CANVAS), SW_HIDE);
    AddCtrls(m_Vals);
    AddCtrls(m_Checks);
    AddCtrls(m_Combos);
    DataToCtrls();
    UpdateCtrls();
    m_bInit = 1;
    m_bReady = 1;
}

void cKeyCondDlg::UpdateCtrls() {
    cCtrlEditVal<int16_t>& lo = m_Vals[0].m_Ctrl;
    cCtrlEditVal<int16_t>& hi = m_Vals[1].m_Ctrl;
    const int16_t min = lo.GetValue();
    hi.SetRange(min, 999);
    hi.SetValue(hi.GetValue());
    const int on = m_Checks[1].m_Ctrl.GetCheck() ? 0 : 1;
    lo.Enable(on);
    hi.Enable(on);
}

void cKeyCondDlg::OnCommand(WPARAM wp, LPARAM lp) {
    cDlg::OnCommand(wp, lp);
    switch (LOWORD(wp)) {
        case kIdOk:
            CtrlsToData();
            if (cEdKeyCond* rec = m_Req.Record<cEdKeyCond>()) *rec = m_Key;
            Close(1);
            return;
        case kIdCancel:
            Close(0);
            return;
    }
    if (m_bInit && GetChangedCtrlId(wp)) UpdateCtrls();
}

LRESULT cKeyCondDlg::MsgProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_CLOSE) {
        Close(0);
        return 1;
    }
    const int handled = DefMsgProc(hwnd, msg, wp, lp);
    if (handled && m_bReady && m_hWnd) Draw();
    return handled;
}
