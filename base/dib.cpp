#include "base/dib.h"

#include "base/msgbox.h"

#include <cstdarg>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "base/bmpfile.h"
#include "base/platform.h"
#include "base/str.h"

RGBQUAD g_Palette[256];
RGBQUAD g_StdPalette[256];
uint8_t g_TransIndex = 0;
uint8_t g_MaskIndex = 0;
uint8_t g_TransRGB[3] = {};
RGBQUAD g_TransColor = {};
RGBQUAD g_MaskColor = {};

const char kPaletteFile[] = "bmp\\plt\\Palette.bmp";
const char kStdPaletteFile[] = "bmp\\plt\\Palette2.bmp";

namespace {

const char kCannotReadMsg[] = "%s が読み込めません！";
const char kUnsupportedMsg[] = "%s の読み込みに失敗しました！\n256色と24bit色以外の形式には対応していません。";
const char kNoPaletteMsg[] = "パレットの生成に失敗！\n%s が見つかりません！";

// The error box of this module, owned by the active window.
// TODO(merge): route through the framework's shared error box.

}  // namespace

// Character bitmap k (1 to 8) as drawn, then the same file with every
// 32-pixel column mirrored (the character facing the other way).
#define DIB_CHARA(k) {"bmp\\Character" #k ".bmp", 0, 1, 0, 0, 0, 0}, {"bmp\\Character" #k ".bmp", 0, 1, 32, 0, 0, 0}
DibLoadInfo g_BitmapName[kBitmapCount] = {
    {"bmp\\Back.bmp", 0, 0, 0, 0, 0, 0},
    {"bmp\\Block.bmp", 0, 0, 0, 0, 0, 0},
    DIB_CHARA(1), DIB_CHARA(2), DIB_CHARA(3), DIB_CHARA(4),
    DIB_CHARA(5), DIB_CHARA(6), DIB_CHARA(7), DIB_CHARA(8),
    {"bmp\\Item.bmp", 0, 1, 0, 0, 0, 0},
    {"bmp\\Item_Mini.bmp", 0, 1, 0, 0, 0, 0},
    {"bmp\\Shot.bmp", 0, 1, 0, 0, 0, 0},
    {"bmp\\Mark.bmp", 0, 1, 0, 0, 0, 0},
    {"bmp\\WorldBack.bmp", 0, 0, 0, 0, 0, 0},
    {"bmp\\WorldMapChip.bmp", 0, 1, 0, 0, 0, 0},
    {"bmp\\WorldEvent.bmp", 0, 1, 0, 0, 0, 0},
    {"bmp\\Symbol.bmp", 0, 1, 0, 0, 0, 0},
    {"bmp\\Accessory.bmp", 0, 1, 0, 0, 0, 0},
    {"E", 8, 1, 0, 0, 256, 480},
    {"E", 8, 1, 0, 0, 256, 480},
    {"E", 8, 1, 0, 0, 256, 480},
    {"E", 8, 1, 0, 0, 256, 480},
    {"E", 8, 1, 0, 0, 256, 480},
};
#undef DIB_CHARA

// ---- palette ----

bool LoadPaletteFile(RGBQUAD* table, const char* path) {
    FILE* f = OpenFile(path, "rb");
    if (!f) return false;
    uint8_t buf[sizeof(RGBQUAD) * 256];
    size_t got = 0;
    if (fseek(f, BmpColorTableOffset(f), SEEK_SET) == 0) got = fread(buf, 1, sizeof buf, f);
    memcpy(table, buf, got / sizeof(RGBQUAD) * sizeof(RGBQUAD));
    fclose(f);
    return true;
}

bool LoadPalette(const char* path) {
    return LoadPaletteFile(g_Palette, path);
}

static void FindPaletteIndex(const RGBQUAD& color, uint8_t* index) {
    for (int i = 0; i < 256; ++i) {
        const RGBQUAD& p = g_Palette[i];
        if (p.rgbBlue == color.rgbBlue && p.rgbGreen == color.rgbGreen && p.rgbRed == color.rgbRed) {
            *index = static_cast<uint8_t>(i);
            return;
        }
    }
}

void SetTransColor(const RGBQUAD& color) {
    g_TransColor = color;
    FindPaletteIndex(color, &g_TransIndex);
}

void SetMaskColor(const RGBQUAD& color) {
    g_MaskColor = color;
    FindPaletteIndex(color, &g_MaskIndex);
}

void SetTransRGB(const uint8_t* rgb) {
    memcpy(g_TransRGB, rgb, 3);
}

bool LoadPalettes(const uint8_t* transRGB) {
    if (!LoadPalette(kPaletteFile)) {
        ErrorBoxF(kNoPaletteMsg, kPaletteFile);
        return false;
    }
    SetTransColor(g_Palette[0]);
    SetMaskColor(g_Palette[15]);
    if (!LoadPaletteFile(g_StdPalette, kStdPaletteFile)) {
        ErrorBoxF(kNoPaletteMsg, kStdPaletteFile);
        return false;
    }
    SetTransRGB(transRGB);
    return true;
}

// ---- surface ----

namespace {

// One DIB section in a memory DC of its own.
bool MakeSection(const BITMAPINFO* info, HDC* dc, HBITMAP* bmp, HGDIOBJ* old, void** bits) {
    void* p = nullptr;
    HBITMAP section = CreateDIBSection(nullptr, info, DIB_RGB_COLORS, &p, nullptr, 0);
    if (!section) return false;
    HDC mem = CreateCompatibleDC(nullptr);
    if (!mem) {
        DeleteObject(section);
        return false;
    }
    *bmp = section;
    *bits = p;
    *dc = mem;
    *old = SelectObject(mem, section);
    return true;
}

// A DC without a section of ours (a window's DC lent to a surface) belongs to
// whoever lent it and is left alone.
void FreeSection(HDC* dc, HBITMAP* bmp, HGDIOBJ* old, void** bits) {
    if (!*dc || !*bmp) return;
    SelectObject(*dc, *old);
    DeleteObject(*bmp);
    DeleteDC(*dc);
    *dc = nullptr;
    *bmp = nullptr;
    *old = nullptr;
    *bits = nullptr;
}

}  // namespace

cDib::~cDib() {
    DeletePen();
    Delete();
    if (m_hFont) DeleteObject(m_hFont);
}

cDib::cDib(cDib&& src) noexcept {
    TakeFrom(src);
}

cDib& cDib::operator=(cDib&& src) noexcept {
    if (this != &src) {
        DeletePen();
        Delete();
        if (m_hFont) DeleteObject(m_hFont);
        TakeFrom(src);
    }
    return *this;
}

void cDib::TakeFrom(cDib& src) {
    m_hDC = src.m_hDC;
    m_hBitmap = src.m_hBitmap;
    m_hOldBitmap = src.m_hOldBitmap;
    m_BitmapInfo = src.m_BitmapInfo;
    m_pBits = src.m_pBits;
    m_Width = src.m_Width;
    m_Height = src.m_Height;
    m_hFont = src.m_hFont;
    m_hMaskDC = src.m_hMaskDC;
    m_hMaskBitmap = src.m_hMaskBitmap;
    m_hOldMaskBitmap = src.m_hOldMaskBitmap;
    m_pMaskBits = src.m_pMaskBits;
    m_hPen = src.m_hPen;
    m_hOldPen = src.m_hOldPen;
    src.m_hDC = nullptr;
    src.m_hBitmap = nullptr;
    src.m_hOldBitmap = nullptr;
    src.m_BitmapInfo = BITMAP();
    src.m_pBits = nullptr;
    src.m_Width = 0;
    src.m_Height = 0;
    src.m_hFont = nullptr;
    src.m_hMaskDC = nullptr;
    src.m_hMaskBitmap = nullptr;
    src.m_hOldMaskBitmap = nullptr;
    src.m_pMaskBits = nullptr;
    src.m_hPen = nullptr;
    src.m_hOldPen = nullptr;
}

int cDib::Create(int width, int height, int bits, int mask, int, int) {
    // A surface made again releases its old sections instead of leaking them.
    Delete();
    if (width <= 0 || height <= 0) return 0;

    int colors = bits == 8 ? 256 : 0;
    size_t size = sizeof(BITMAPINFOHEADER) + colors * sizeof(RGBQUAD);
    BITMAPINFO* info = static_cast<BITMAPINFO*>(calloc(1, size));
    if (!info) return 0;
    BITMAPINFOHEADER& h = info->bmiHeader;
    h.biSize = sizeof(BITMAPINFOHEADER);
    h.biWidth = width;
    h.biHeight = -height;  // top-down: row 0 is the top row
    h.biPlanes = 1;
    h.biBitCount = static_cast<WORD>(bits);
    h.biCompression = BI_RGB;
    if (colors) {
        h.biClrUsed = colors;
        memcpy(info->bmiColors, g_Palette, sizeof g_Palette);
        info->bmiColors[0].rgbBlue = info->bmiColors[0].rgbGreen = info->bmiColors[0].rgbRed = 0;
        info->bmiColors[255].rgbBlue = info->bmiColors[255].rgbGreen = info->bmiColors[255].rgbRed = 255;
    }

    bool ok = MakeSection(info, &m_hDC, &m_hBitmap, &m_hOldBitmap, &m_pBits);
    if (ok) {
        BitBlt(m_hDC, 0, 0, width, height, nullptr, 0, 0, WHITENESS);
        m_Width = width;
        m_Height = height;
        GetObjectA(m_hBitmap, sizeof m_BitmapInfo, &m_BitmapInfo);
        if (mask) ok = MakeSection(info, &m_hMaskDC, &m_hMaskBitmap, &m_hOldMaskBitmap, &m_pMaskBits);
    }
    free(info);
    return ok ? 1 : 0;
}

void cDib::Delete() {
    FreeSection(&m_hDC, &m_hBitmap, &m_hOldBitmap, &m_pBits);
    FreeSection(&m_hMaskDC, &m_hMaskBitmap, &m_hOldMaskBitmap, &m_pMaskBits);
}

int cDib::Load(const char* path, int bits, int mask, int mirrorW, int mirrorH) {
    DibLoadInfo info = {};
    size_t len = strlen(path);
    if (len >= sizeof info.m_Path) {
        // Cut short, the path would name another file.
        ErrorBoxF(kCannotReadMsg, path);
        return 0;
    }
    memcpy(info.m_Path, path, len + 1);
    info.m_Bits = bits;
    info.m_Mask = mask;
    info.m_MirrorW = mirrorW;
    info.m_MirrorH = mirrorH;
    return Load(info);
}

int cDib::Load(const DibLoadInfo& info) {
    std::string path(info.m_Path, strnlen(info.m_Path, sizeof info.m_Path));
    if (path == "E") {
        if (!Create(info.m_Width, info.m_Height, info.m_Bits, info.m_Mask)) {
            ErrorBoxF(kCannotReadMsg, path.c_str());
            return 0;
        }
        return 1;
    }

    FILE* f = OpenFile(path.c_str(), "rb");
    if (!f) {
        ErrorBoxF(kCannotReadMsg, path.c_str());
        return 0;
    }
    sBmpLayout layout;
    eBmpCheck check = ReadBmpLayout(f, &layout);
    if (check != kBmpOk) {
        fclose(f);
        ErrorBoxF(check == kBmpUnsupported ? kUnsupportedMsg : kCannotReadMsg, path.c_str());
        return 0;
    }
    if (!Create(layout.width, layout.height, layout.bits, info.m_Mask)) {
        fclose(f);
        // A 24-bit surface that cannot be made fails without a message.
        if (layout.bits == 8) ErrorBoxF(kCannotReadMsg, path.c_str());
        return 0;
    }
    GdiFlush();  // the white fill must land before the pixels are written
    bool read = ReadBmpRows(f, layout, static_cast<uint8_t*>(m_pBits), m_BitmapInfo.bmWidthBytes);
    fclose(f);
    if (!read) {
        ErrorBoxF(kCannotReadMsg, path.c_str());
        return 0;
    }

    Mirror(info.m_MirrorW, info.m_MirrorH);
    if (info.m_Mask) BuildMask();
    if (layout.bits == 24) BlackenTransparent();
    return 1;
}

// Mirrors every whole cell in place: with both sizes, each cell is turned by
// half a turn; with the width only, each full-height column strip is mirrored
// left to right; with the height only, each full-width row strip is turned
// upside down. Pixels beyond the last whole cell stay.
void cDib::Mirror(int cellW, int cellH) {
    if (cellW == 0 && cellH == 0) return;
    bool flipX = cellW != 0;
    bool flipY = cellH != 0;
    int w = flipX ? cellW : m_Width;
    int h = flipY ? cellH : m_Height;
    if (w <= 0 || h <= 0) return;
    int cols = m_Width / w;
    int rows = m_Height / h;
    int bpp = m_BitmapInfo.bmBitsPixel / 8;
    size_t rowBytes = static_cast<size_t>(w) * bpp;
    std::vector<uint8_t> cell(rowBytes * h);
    for (int i = 0; i < rows; ++i) {
        for (int j = 0; j < cols; ++j) {
            size_t x0 = static_cast<size_t>(j) * rowBytes;
            for (int r = 0; r < h; ++r) memcpy(&cell[r * rowBytes], Row(i * h + r) + x0, rowBytes);
            for (int r = 0; r < h; ++r) {
                const uint8_t* from = &cell[(flipY ? h - 1 - r : r) * rowBytes];
                uint8_t* to = Row(i * h + r) + x0;
                for (int c = 0; c < w; ++c) memcpy(to + c * bpp, from + (flipX ? w - 1 - c : c) * bpp, bpp);
            }
        }
    }
}

// Mask pixels: white where the image is transparent, the mask colour (8 bits)
// or black (24 bits) elsewhere.
void cDib::BuildMask() {
    if (!m_pMaskBits) return;
    int bpp = m_BitmapInfo.bmBitsPixel / 8;
    for (int y = 0; y < m_Height; ++y) {
        const uint8_t* p = Row(y);
        uint8_t* m = MaskRow(y);
        for (int x = 0; x < m_Width; ++x, p += bpp, m += bpp) {
            if (bpp == 1) {
                *m = *p == g_TransIndex ? 255 : g_MaskIndex;
            } else {
                bool trans = p[0] == g_TransRGB[2] && p[1] == g_TransRGB[1] && p[2] == g_TransRGB[0];
                memset(m, trans ? 255 : 0, 3);
            }
        }
    }
}

// Transparent 24-bit pixels become black, so that a masked blit adds nothing there.
void cDib::BlackenTransparent() {
    for (int y = 0; y < m_Height; ++y) {
        uint8_t* p = Row(y);
        for (int x = 0; x < m_Width; ++x, p += 3) {
            if (p[0] == g_TransRGB[2] && p[1] == g_TransRGB[1] && p[2] == g_TransRGB[0]) memset(p, 0, 3);
        }
    }
}

// ---- drawing ----

void cDib::Blt(int x, int y, int w, int h, const cDib& src, int sx, int sy, int ignoreMask) {
    if (src.m_hMaskDC && !ignoreMask) {
        BitBlt(m_hDC, x, y, w, h, src.m_hMaskDC, sx, sy, SRCAND);
        BitBlt(m_hDC, x, y, w, h, src.m_hDC, sx, sy, SRCPAINT);
    } else {
        BitBlt(m_hDC, x, y, w, h, src.m_hDC, sx, sy, SRCCOPY);
    }
}

void cDib::StretchBlt(int x, int y, int w, int h, const cDib& src, int sx, int sy, int sw, int sh,
                      int ignoreMask) {
    if (src.m_hMaskDC && !ignoreMask) {
        ::StretchBlt(m_hDC, x, y, w, h, src.m_hMaskDC, sx, sy, sw, sh, SRCAND);
        ::StretchBlt(m_hDC, x, y, w, h, src.m_hDC, sx, sy, sw, sh, SRCPAINT);
    } else {
        ::StretchBlt(m_hDC, x, y, w, h, src.m_hDC, sx, sy, sw, sh, SRCCOPY);
    }
}

void cDib::Clear(COLORREF color) {
    SelectPen(PS_SOLID, 1, color);
    for (int y = 0; y < m_Height; ++y) Line(0, y, m_Width, y);
}

void cDib::ClearRGB(const uint8_t* bgr) {
    Clear(RGB(bgr[2], bgr[1], bgr[0]));
}

void cDib::MakeFont(const char* face, int width, int height) {
    // The surface owns one font; a font made earlier is released.
    if (m_hFont) DeleteObject(m_hFont);
    m_hFont = CreateFontA(height, width, 0, 0, 400, 0, 0, 0, SHIFTJIS_CHARSET, 0, 0, 0, 0, face);
}

void cDib::PutText(int x, int y, const char* text, COLORREF color, int bkMode) {
    SetTextColor(m_hDC, color);
    SetBkMode(m_hDC, bkMode);
    HGDIOBJ oldFont = m_hFont ? SelectObject(m_hDC, m_hFont) : nullptr;
    for (const char* p = text;; y += 20) {
        const char* nl = strchr(p, '\n');
        int len = static_cast<int>(nl ? nl - p : strlen(p));
        TextOutA(m_hDC, x, y, p, len);
        if (!nl) break;
        p = nl + 1;
    }
    if (oldFont) SelectObject(m_hDC, oldFont);
}

void cDib::Printf(cDib* dib, int x, int y, const char* fmt, ...) {
    char text[256];
    va_list ap;
    va_start(ap, fmt);
    FormatBounded(text, sizeof text, fmt, ap);
    va_end(ap);
    dib->PutText(x, y, text, 0xFFFFFF, TRANSPARENT);
}

int cDib::SelectPen(int style, int width, COLORREF color) {
    if (m_hPen) DeletePen();
    HPEN pen = CreatePen(style, width, color);
    if (!pen) return 0;
    m_hPen = pen;
    m_hOldPen = SelectObject(m_hDC, pen);
    // dotted lines keep their gaps clear
    if (style == PS_DOT) SetBkMode(m_hDC, TRANSPARENT);
    return 1;
}

void cDib::DeletePen() {
    if (!m_hPen) return;
    SelectObject(m_hDC, m_hOldPen);
    DeleteObject(m_hPen);
    m_hPen = nullptr;
    m_hOldPen = nullptr;
}

void cDib::Line(int x1, int y1, int x2, int y2) {
    MoveToEx(m_hDC, x1, y1, nullptr);
    LineTo(m_hDC, x2, y2);
}

void cDib::Rect(int x, int y, int w, int h) {
    MoveToEx(m_hDC, x, y, nullptr);
    LineTo(m_hDC, x + w, y);
    LineTo(m_hDC, x + w, y + h);
    LineTo(m_hDC, x, y + h);
    LineTo(m_hDC, x, y);
}

void cDib::Grid(int x, int y, int w, int h, int cellW, int cellH, COLORREF color) {
    if (cellW == 0 || cellH == 0) return;
    SelectPen(PS_SOLID, 1, color);
    for (int i = 0; i <= w / cellW; ++i) Line(x + i * cellW, y, x + i * cellW, y + h);
    Line(x + w - 1, y, x + w - 1, y + h);
    for (int i = 0; i <= h / cellH; ++i) Line(x, y + i * cellH, x + w, y + i * cellH);
    Line(x, y + h - 1, x + w, y + h - 1);
    DeletePen();
}
