#include "ui/ctrleditval.h"

#include <imm.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>

const char kEditValProp[] = "CTRL_EDITVAL_CLASS";

ImeResultReader g_ReadImeResult = ReadImeResultFromContext;

long long TypeCodeMin(int code) {
    switch (code) {
        case 0: return -128;
        case 1: return 0;
        case 2: return -32768;
        case 3: return 0;
        case 4: return -2147483648LL;
        case 5: return 0;
        default: return -1;
    }
}

long long TypeCodeMax(int code) {
    switch (code) {
        case 0: return 127;
        case 1: return 255;
        case 2: return 32767;
        case 3: return 65535;
        case 4: return 2147483647LL;
        case 5: return 4294967295LL;
        default: return -1;
    }
}

int GetDecimals(double step) {
    step = std::fabs(step);
    char text[512];
    snprintf(text, sizeof text, "%.10f", step);
    int len = static_cast<int>(strlen(text));
    int zeros = 0;
    while (zeros < 10 && zeros < len && text[len - 1 - zeros] == '0') ++zeros;
    int digits = 0;
    double whole = std::floor(step);
    do {
        ++digits;
        whole = std::floor(whole / 10);
    } while (whole >= 1);
    int decimals = len - zeros - (digits + 1);
    return decimals > 0 ? decimals : 0;
}

bool EditValCharPasses(WPARAM ch, int isFloat) {
    if (ch == '-' || (ch >= '0' && ch <= '9') || (ch >= 1 && ch <= 39)) return true;
    return ch == '.' && isFloat;
}

cString CleanNumberText(const cString& text) {
    cString s = text;
    size_t i = 0;
    while (i < s.size()) {
        unsigned char c = static_cast<unsigned char>(s[i]);
        // a double-byte character goes whole; a lead byte without its
        // trail byte goes alone, and the byte after it is judged by itself
        if (IsSjisLead(c) && i + 1 < s.size() && IsSjisTrail(static_cast<unsigned char>(s[i + 1])))
            s.erase(i, 2);
        else if ((c == '-' && i == 0) || c == '.' || (c >= '0' && c <= '9'))
            ++i;
        else
            s.erase(i, 1);
    }
    return s;
}

long long ParseIntSaturated(const char* text) {
    char* end = nullptr;
    long long n = strtoll(text, &end, 10);
    if (end == text) return 0;
    return n;  // strtoll itself holds the value at LLONG_MIN and LLONG_MAX
}

namespace {
struct sWideChar {
    const char* wide;
    char ch;
};
const sWideChar kWideChars[] = {
    {"１", '1'}, {"２", '2'}, {"３", '3'}, {"４", '4'}, {"５", '5'}, {"６", '6'},
    {"７", '7'}, {"８", '8'}, {"９", '9'}, {"０", '0'}, {"－", '-'}, {"．", '.'},
};
}  // namespace

void SendFullWidthDigits(HWND wnd, const cString& text) {
    for (size_t i = 0; i < text.size();) {
        unsigned char c = static_cast<unsigned char>(text[i]);
        if (!IsSjisLead(c) || i + 1 >= text.size()) {
            ++i;
            continue;
        }
        for (const sWideChar& w : kWideChars) {
            if (text[i] == w.wide[0] && text[i + 1] == w.wide[1]) {
                SendMessageA(wnd, WM_CHAR, static_cast<unsigned char>(w.ch), 0);
                break;
            }
        }
        i += 2;
    }
}

bool ReadImeResultFromContext(HWND wnd, LPARAM lp, cString* out) {
    HIMC imc = ImmGetContext(wnd);
    bool has = (lp & GCS_RESULTSTR) != 0;
    if (has && imc) {
        LONG bytes = ImmGetCompositionStringA(imc, GCS_RESULTSTR, nullptr, 0);
        if (bytes > 0) {
            std::string buf(static_cast<size_t>(bytes), '\0');
            LONG got = ImmGetCompositionStringA(imc, GCS_RESULTSTR, &buf[0], static_cast<DWORD>(bytes));
            if (got > 0) out->assign(buf.data(), static_cast<size_t>(got < bytes ? got : bytes));
        }
    }
    if (imc) ImmReleaseContext(wnd, imc);
    return has;
}
