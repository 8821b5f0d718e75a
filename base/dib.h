// Off-screen drawing surfaces: a top-down DIB section selected into its own
// memory device context, optionally paired with a mask surface of the same
// size for transparent drawing. 8-bit surfaces all share the project palette
// g_Palette. Surfaces load from BMP files of 256 colours or 24 bits.
#pragma once

#include <windows.h>

#include <cstdint>

// The project palette ("bmp\plt\Palette.bmp") and the standard palette
// ("bmp\plt\Palette2.bmp"), entries blue, green, red, reserved.
extern RGBQUAD g_Palette[256];
extern RGBQUAD g_StdPalette[256];
// Palette index that is transparent in 8-bit surfaces.
extern uint8_t g_TransIndex;
// Palette index written into an 8-bit mask for opaque pixels.
extern uint8_t g_MaskIndex;
// Colour that is transparent in 24-bit surfaces: red, green, blue.
extern uint8_t g_TransRGB[3];
// The colours last given to SetTransColor and SetMaskColor.
extern RGBQUAD g_TransColor;
extern RGBQUAD g_MaskColor;

extern const char kPaletteFile[];     // "bmp\plt\Palette.bmp"
extern const char kStdPaletteFile[];  // "bmp\plt\Palette2.bmp"

// Reads the 256-entry colour table of a BMP file into table, from where its
// headers put it (byte 54 for the usual 40-byte information header, and for
// a file whose header tells nothing usable). False only when the file does not open; a short
// file leaves the entries it does not hold as they were.
bool LoadPaletteFile(RGBQUAD* table, const char* path);
bool LoadPalette(const char* path);
// Take the index of the first g_Palette entry of the colour (blue, green,
// red); when no entry has it, the index keeps its value.
void SetTransColor(const RGBQUAD& color);
void SetMaskColor(const RGBQUAD& color);
void SetTransRGB(const uint8_t* rgb);

// The palette set-up of a project load: the project palette, its transparent
// (entry 0) and mask (entry 15) colours, the standard palette and the 24-bit
// transparent colour (red, green, blue). A missing palette image is reported
// in an error box; false then.
bool LoadPalettes(const uint8_t* transRGB);

// One surface to load: a BMP path, or "E" for a blank surface of the given
// size and depth.
struct DibLoadInfo {
    char m_Path[260];
    int m_Bits;     // depth of a blank surface
    int m_Mask;     // nonzero: build the mask surface
    int m_MirrorW;  // 0, or the width of the cells mirrored after loading
    int m_MirrorH;  // 0, or the height of the cells turned upside down
    int m_Width;    // size of a blank surface
    int m_Height;
};

// The standard bitmaps of a project. The loader of the standard surfaces puts
// the stage's and the world map's background files into entries 0 and 22.
const int kBitmapCount = 32;
extern DibLoadInfo g_BitmapName[kBitmapCount];

class cDib {
public:
    cDib() = default;
    ~cDib();
    cDib(const cDib&) = delete;
    cDib& operator=(const cDib&) = delete;
    // A moved-from surface is empty.
    cDib(cDib&& src) noexcept;
    cDib& operator=(cDib&& src) noexcept;

    // Makes a white surface (and a mask surface when mask is nonzero). The two
    // trailing arguments are accepted and ignored. 1, or 0 when a section
    // cannot be made.
    int Create(int width, int height, int bits, int mask, int unused1 = 0, int unused2 = 0);
    int Load(const char* path, int bits, int mask, int mirrorW, int mirrorH);
    int Load(const DibLoadInfo& info);
    void Delete();

    void Blt(int x, int y, int w, int h, const cDib& src, int sx, int sy, int ignoreMask);
    void StretchBlt(int x, int y, int w, int h, const cDib& src, int sx, int sy, int sw, int sh, int ignoreMask);

    void Clear(COLORREF color);
    void ClearRGB(const uint8_t* bgr);
    void MakeFont(const char* face, int width, int height);
    void PutText(int x, int y, const char* text, COLORREF color, int bkMode);
    static void Printf(cDib* dib, int x, int y, const char* fmt, ...)
#if defined(__GNUC__)
        __attribute__((format(printf, 4, 5)))
#endif
        ;
    int SelectPen(int style, int width, COLORREF color);
    void DeletePen();
    void Line(int x1, int y1, int x2, int y2);
    void Rect(int x, int y, int w, int h);
    void Grid(int x, int y, int w, int h, int cellW, int cellH, COLORREF color);

    // Row y of the image or of the mask.
    uint8_t* Row(int y) const { return static_cast<uint8_t*>(m_pBits) + static_cast<size_t>(y) * m_BitmapInfo.bmWidthBytes; }
    uint8_t* MaskRow(int y) const {
        return static_cast<uint8_t*>(m_pMaskBits) + static_cast<size_t>(y) * m_BitmapInfo.bmWidthBytes;
    }

    HDC m_hDC = nullptr;
    HBITMAP m_hBitmap = nullptr;
    HGDIOBJ m_hOldBitmap = nullptr;
    BITMAP m_BitmapInfo = {};
    void* m_pBits = nullptr;  // top row of the image
    int m_Width = 0;
    int m_Height = 0;
    HFONT m_hFont = nullptr;
    HDC m_hMaskDC = nullptr;
    HBITMAP m_hMaskBitmap = nullptr;
    HGDIOBJ m_hOldMaskBitmap = nullptr;
    void* m_pMaskBits = nullptr;
    HPEN m_hPen = nullptr;
    HGDIOBJ m_hOldPen = nullptr;

private:
    void TakeFrom(cDib& src);
    void Mirror(int cellW, int cellH);
    void BuildMask();
    void BlackenTransparent();
};
