#include "base/bmpfile.h"

#include <cstring>
#include <vector>

namespace {

uint32_t Le32(const uint8_t* p) {
    return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 | static_cast<uint32_t>(p[2]) << 16 |
           static_cast<uint32_t>(p[3]) << 24;
}

uint16_t Le16(const uint8_t* p) {
    return static_cast<uint16_t>(p[0] | p[1] << 8);
}

// Size of the open file; -1 when it cannot be told.
long long FileSize(FILE* f) {
    if (fseek(f, 0, SEEK_END) != 0) return -1;
    long size = ftell(f);
    if (fseek(f, 0, SEEK_SET) != 0) return -1;
    return size;
}

}  // namespace

long BmpColorTableOffset(FILE* f) {
    uint8_t head[kBmpHeadersSize] = {};
    if (fseek(f, 0, SEEK_SET) != 0) return kBmpHeadersSize;
    size_t got = fread(head, 1, sizeof head, f);
    if (got < sizeof head || head[0] != 'B' || head[1] != 'M') return kBmpHeadersSize;
    uint32_t infoSize = Le32(head + 14);
    // an older or absurd header tells nothing usable
    if (infoSize < static_cast<uint32_t>(kBmpInfoHeaderSize) || infoSize > kBmpMaxInfoSize) return kBmpHeadersSize;
    return static_cast<long>(kBmpFileHeaderSize + infoSize);
}

uint64_t BmpRowBytes(int width, int bits) {
    return (static_cast<uint64_t>(width) * static_cast<uint64_t>(bits) + 31) / 32 * 4;
}

eBmpCheck ReadBmpLayout(FILE* f, sBmpLayout* out) {
    long long fileSize = FileSize(f);
    if (fileSize < 0) return kBmpUnreadable;

    uint8_t head[kBmpHeadersSize] = {};
    size_t got = fread(head, 1, sizeof head, f);
    if (got < kBmpFileHeaderSize + 4 || head[0] != 'B' || head[1] != 'M') return kBmpUnreadable;
    // An older, shorter information header is another kind of BMP.
    uint32_t infoSize = Le32(head + 14);
    if (infoSize < static_cast<uint32_t>(kBmpInfoHeaderSize)) return kBmpUnsupported;
    if (got < sizeof head) return kBmpUnreadable;

    int32_t width = static_cast<int32_t>(Le32(head + 18));
    int32_t height = static_cast<int32_t>(Le32(head + 22));
    int bits = Le16(head + 28);
    uint32_t compression = Le32(head + 30);
    uint32_t pixelOffset = Le32(head + 10);

    if ((bits != 8 && bits != 24) || compression != 0) return kBmpUnsupported;
    if (width <= 0 || width > kBmpMaxSide) return kBmpUnreadable;
    if (height == 0 || height > kBmpMaxSide || height < -kBmpMaxSide) return kBmpUnreadable;

    bool topDown = height < 0;
    int rows = topDown ? -height : height;
    uint64_t rowBytes = BmpRowBytes(width, bits);
    uint64_t headersEnd = static_cast<uint64_t>(kBmpFileHeaderSize) + infoSize;
    uint64_t size = static_cast<uint64_t>(fileSize);
    uint64_t offset = pixelOffset;
    // An offset inside the headers cannot be where the pixels are: they are
    // read right behind the headers (and the colour table of 256 colours),
    // where a reader that does not use the offset finds them.
    if (offset < headersEnd) offset = headersEnd + (bits == 8 ? kBmpColorTableSize : 0);
    if (offset > size || rowBytes * static_cast<uint64_t>(rows) > size - offset) return kBmpUnreadable;

    out->width = width;
    out->height = rows;
    out->bits = bits;
    out->topDown = topDown;
    out->pixelOffset = static_cast<uint32_t>(offset);
    out->rowBytes = static_cast<uint32_t>(rowBytes);
    return kBmpOk;
}

bool ReadBmpRows(FILE* f, const sBmpLayout& layout, uint8_t* dst, size_t stride) {
    if (fseek(f, static_cast<long>(layout.pixelOffset), SEEK_SET) != 0) return false;
    size_t used = static_cast<size_t>(layout.width) * static_cast<size_t>(layout.bits / 8);
    std::vector<uint8_t> row(layout.rowBytes);
    for (int i = 0; i < layout.height; ++i) {
        if (fread(row.data(), 1, row.size(), f) != row.size()) return false;
        int y = layout.topDown ? i : layout.height - 1 - i;
        memcpy(dst + static_cast<size_t>(y) * stride, row.data(), used);
    }
    return true;
}
