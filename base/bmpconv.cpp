#include "base/bmpconv.h"

#include <cstdio>
#include <cstring>
#include <string>

#include "base/bmpfile.h"
#include "base/paths.h"
#include "base/platform.h"

namespace {

uint32_t Le32(const uint8_t* p) {
    return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 | static_cast<uint32_t>(p[2]) << 16 |
           static_cast<uint32_t>(p[3]) << 24;
}

uint16_t Le16(const uint8_t* p) {
    return static_cast<uint16_t>(p[0] | p[1] << 8);
}

void PutLe32(uint8_t* p, uint32_t v) {
    p[0] = static_cast<uint8_t>(v);
    p[1] = static_cast<uint8_t>(v >> 8);
    p[2] = static_cast<uint8_t>(v >> 16);
    p[3] = static_cast<uint8_t>(v >> 24);
}

void PutLe16(uint8_t* p, uint16_t v) {
    p[0] = static_cast<uint8_t>(v);
    p[1] = static_cast<uint8_t>(v >> 8);
}

const uint32_t kConvPixelOffset = kBmpHeadersSize + kPalBytes;  // 1078

// Closes the file when the scope ends.
struct FileCloser {
    FILE* f;
    ~FileCloser() {
        if (f) fclose(f);
    }
};

}  // namespace

int NearestPaletteEntry(const uint8_t* pal, uint8_t blue, uint8_t green, uint8_t red) {
    int best = 0;
    int bestDist = 0x7FFFFFFF;
    for (int i = 0; i < 256; ++i) {
        const uint8_t* e = pal + i * 4;
        int db = e[0] - blue;
        int dg = e[1] - green;
        int dr = e[2] - red;
        int dist = db * db + dg * dg + dr * dr;
        if (dist < bestDist) {
            bestDist = dist;
            best = i;
            if (dist == 0) break;
        }
    }
    return best;
}

int AllowedEntry(int nearest) {
    if (nearest == 0) return 52;
    if (nearest == 255) return 31;
    if (nearest < 16 || nearest >= 208) return 16;
    return nearest;
}

void BuildConvTable(uint8_t* table, const uint8_t* inPal, const uint8_t* stdPal, const sBmpConvOptions& o) {
    for (int v = 0; v < 256; ++v) {
        if (o.useTransparent && v == o.transparent) {
            table[v] = 0;
        } else if (o.replaceLine && v == o.lineIn) {
            table[v] = static_cast<uint8_t>(o.lineOut);
        } else {
            const uint8_t* c = inPal + v * 4;
            table[v] = static_cast<uint8_t>(AllowedEntry(NearestPaletteEntry(stdPal, c[0], c[1], c[2])));
        }
    }
}

void ConvertPixels(uint8_t* pixels, int width, int rows, size_t stride, const uint8_t* table) {
    for (int y = 0; y < rows; ++y) {
        uint8_t* p = pixels + static_cast<size_t>(y) * stride;
        for (int x = 0; x < width; ++x) p[x] = table[p[x]];
    }
}

void BuildOutputPalette(uint8_t* out, const uint8_t* stdPal, const uint8_t* curPal) {
    memcpy(out, stdPal, kPalBytes);
    memcpy(out + 10 * 4, curPal + 10 * 4, 6 * 4);
    memcpy(out + 208 * 4, curPal + 208 * 4, 32 * 4);
}

eBmpConvResult ReadConvBitmap(const char* path, sConvBitmap* out) {
    FileCloser file{OpenFile(path, "rb")};
    if (!file.f) return kConvCannotOpen;
    if (fseek(file.f, 0, SEEK_END) != 0) return kConvShortFile;
    long size = ftell(file.f);
    if (size < 0 || fseek(file.f, 0, SEEK_SET) != 0) return kConvShortFile;

    if (fread(out->header, 1, sizeof out->header, file.f) != sizeof out->header) return kConvShortFile;
    const uint8_t* h = out->header;
    if (h[0] != 'B' || h[1] != 'M') return kConvUnsupported;
    if (Le16(h + 28) != 8) return kConvNot8Bit;
    uint32_t infoSize = Le32(h + 14);
    uint32_t compression = Le32(h + 30);
    uint32_t colors = Le32(h + 46);
    uint32_t pixelOffset = Le32(h + 10);
    // only a 40-byte header followed by a full, uncompressed colour table
    if (infoSize != static_cast<uint32_t>(kBmpInfoHeaderSize) || compression != 0) return kConvUnsupported;
    if (colors != 0 && colors != 256) return kConvUnsupported;
    if (pixelOffset != kConvPixelOffset) return kConvUnsupported;

    int32_t width = static_cast<int32_t>(Le32(h + 18));
    int32_t height = static_cast<int32_t>(Le32(h + 22));
    if (width <= 0 || width > kBmpMaxSide || height == 0 || height > kBmpMaxSide || height < -kBmpMaxSide)
        return kConvUnsupported;
    int rows = height < 0 ? -height : height;
    uint64_t stride = BmpRowBytes(width, 8);
    uint64_t need = kConvPixelOffset + stride * static_cast<uint64_t>(rows);
    if (static_cast<uint64_t>(size) < need) return kConvShortFile;

    if (fread(out->palette, 1, kPalBytes, file.f) != static_cast<size_t>(kPalBytes)) return kConvShortFile;
    out->width = width;
    out->height = height;
    out->rows = rows;
    out->stride = static_cast<size_t>(stride);
    out->pixels.assign(static_cast<size_t>(stride * static_cast<uint64_t>(rows)), 0);
    if (!out->pixels.empty() && fread(out->pixels.data(), 1, out->pixels.size(), file.f) != out->pixels.size())
        return kConvShortFile;
    return kConvOk;
}

eBmpConvResult WriteConvBitmap(const char* path, const sConvBitmap& bmp) {
    uint8_t head[kBmpHeadersSize] = {};
    uint32_t imageBytes = static_cast<uint32_t>(bmp.pixels.size());
    head[0] = 'B';
    head[1] = 'M';
    PutLe32(head + 2, kConvPixelOffset + imageBytes);
    PutLe32(head + 10, kConvPixelOffset);
    PutLe32(head + 14, kBmpInfoHeaderSize);
    PutLe32(head + 18, static_cast<uint32_t>(bmp.width));
    PutLe32(head + 22, static_cast<uint32_t>(bmp.height));
    PutLe16(head + 26, 1);
    PutLe16(head + 28, 8);
    PutLe32(head + 34, imageBytes);
    memcpy(head + 38, bmp.header + 38, 8);  // the resolution as read
    PutLe32(head + 46, 256);

    std::string tmp = std::string(path) + ".tmp~";
    FILE* f = OpenFile(tmp.c_str(), "wb");
    if (!f) return kConvCannotWrite;
    bool ok = fwrite(head, 1, sizeof head, f) == sizeof head &&
              fwrite(bmp.palette, 1, kPalBytes, f) == static_cast<size_t>(kPalBytes) &&
              (bmp.pixels.empty() || fwrite(bmp.pixels.data(), 1, bmp.pixels.size(), f) == bmp.pixels.size());
    if (fclose(f) != 0) ok = false;
    if (!ok || !ReplaceFileWith(tmp.c_str(), path)) {
        RemoveFile(tmp.c_str());
        return kConvCannotWrite;
    }
    return kConvOk;
}

eBmpConvResult ConvertBitmapFile(const char* outPath, const char* inPath, const uint8_t* stdPal,
                                 const uint8_t* curPal, const sBmpConvOptions& options) {
    sConvBitmap bmp;
    eBmpConvResult r = ReadConvBitmap(inPath, &bmp);
    if (r != kConvOk) return r;
    uint8_t table[256];
    BuildConvTable(table, bmp.palette, stdPal, options);
    ConvertPixels(bmp.pixels.data(), bmp.width, bmp.rows, bmp.stride, table);
    BuildOutputPalette(bmp.palette, stdPal, curPal);
    return WriteConvBitmap(outPath, bmp);
}

void MakeConvOutputName(char* out, size_t size, const char* folder, const char* input) {
    if (!size) return;
    sPathMarks marks = ScanPath(input);
    const char* name = marks.lastSep >= 0 ? input + marks.lastSep : input;
    if (!folder[0])
        snprintf(out, size, "%s", marks.lastSep >= 0 ? name + 1 : name);
    else if (marks.lastSep >= 0)
        snprintf(out, size, "%s%s", folder, name);
    else
        snprintf(out, size, "%s\\%s", folder, name);
}
