// Synthetic picture sheets for the preview and picker tests: every pixel of
// a sheet is coded with the sheet's number and the 16-pixel tile it lies in,
// so a pixel of a drawing tells which sheet and which tile it came from.
#pragma once

#include <windows.h>

#include <cstdint>

#include "base/dib.h"

inline COLORREF SheetCode(int sheet, int px, int py) {
    return RGB(sheet, px / 16 + 1, py / 16 + 1);
}

inline bool MakeCodedSheet(cDib& dib, int sheet, int width, int height) {
    dib.Delete();
    if (!dib.Create(width, height, 32, 0)) return false;
    for (int y = 0; y < height; ++y) {
        uint8_t* row = dib.Row(y);
        for (int x = 0; x < width; ++x) {
            const COLORREF c = SheetCode(sheet, x, y);
            row[x * 4 + 0] = GetBValue(c);
            row[x * 4 + 1] = GetGValue(c);
            row[x * 4 + 2] = GetRValue(c);
        }
    }
    GdiFlush();
    return true;
}

inline COLORREF SurfacePixel(const cDib& dib, int x, int y) {
    GdiFlush();
    const uint8_t* p = dib.Row(y) + x * 4;
    return RGB(p[2], p[1], p[0]);
}
