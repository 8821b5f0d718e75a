#include "ui/dlghelpers.h"

#include <vector>

#include "base/bgm.h"
#include "base/mcisound.h"
#include "base/msgbox.h"
#include "model/database.h"
#include "model/prjoption.h"

namespace {

uint32_t Magnitude(int32_t value) {
    return value < 0 ? 0u - static_cast<uint32_t>(value) : static_cast<uint32_t>(value);
}

}  // namespace

int DigitCount(int32_t value) {
    uint32_t v = Magnitude(value);
    int n = 1;
    while (n < 10 && (v /= 10) != 0) ++n;
    return n;
}

void NumToStr(cString* out, int32_t value, int digits, int zeroPad) {
    int n = DigitCount(value);
    if (digits != 0 && digits >= n) n = digits;
    bool negative = value < 0;
    uint32_t v = Magnitude(value);
    std::string text(static_cast<size_t>(n), '0');
    for (int i = n - 1; i >= 0; --i) {
        text[static_cast<size_t>(i)] = static_cast<char>('0' + v % 10);
        v /= 10;
    }
    if (!zeroPad)
        for (size_t i = 0; i + 1 < text.size() && text[i] == '0'; ++i) text[i] = ' ';
    out->assign(negative ? "-" + text : text);
}

void NumToStrZero(cString* out, int32_t value, int digits) { NumToStr(out, value, digits, 1); }

int StepWrap(int* value, int step, int lo, int hi) {
    int v = *value + step;
    if (v < lo)
        v = hi;
    else if (v > hi)
        v = lo;
    *value = v;
    return v;
}

bool IsCtrlChange(int kind, uint16_t id, WPARAM wp) {
    if (LOWORD(wp) != id) return false;
    unsigned code = HIWORD(wp);
    switch (kind) {
    case kCtrlButton:
    case kCtrlCheck:
        return code == BN_CLICKED;
    case kCtrlEditVal:
    case kCtrlEditStr:
        return code == EN_CHANGE;
    case kCtrlCombo:
        return code == CBN_SELCHANGE;
    case kCtrlList:
        return code == LBN_SELCHANGE;
    default:
        return false;
    }
}

int PlayTableSound(HWND owner, int index) {
    if (index <= 0 || index >= static_cast<int>(g_Database.m_Sound.size())) return 0;
    const cString& file = g_Database.m_Sound[index].m_File;
    // The player may rewrite the path it is given.
    std::vector<char> path(file.begin(), file.end());
    path.push_back('\0');
    if (!PlaySoundFile(owner, &g_MciSound, 0, path.data(), 0)) {
        ErrorBoxF("読み込み失敗！");
        return 0;
    }
    return 1;
}

int PlayTableBgm(HWND owner, int index) {
    if (index <= 0 || index >= static_cast<int>(g_Database.m_Bgm.size())) return 0;
    g_BgmManager.SetFile(0, g_Database.m_Bgm[index].m_File.c_str());
    if (!g_BgmManager.Play(0, 0, 1, 0, 1)) {
        MsgBoxOwner(owner, "読み込み失敗！", "エラー", MB_OK);
        return 0;
    }
    return 1;
}

void StoreWindowPlace(HWND hwnd, cEdWindowPlace* place) {
    RECT rc = {};
    ::GetWindowRect(hwnd, &rc);
    RECT client = {};
    ::GetClientRect(hwnd, &client);
    place->Set(rc.left, rc.top, client.right, client.bottom);
}

void TableToList(cVector<cString>* out, const char* const* table) {
    out->clear();
    for (int i = 0; table[i][0]; ++i) out->push_back(cString(table[i]));
}
