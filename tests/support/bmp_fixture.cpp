#include "tests/support/bmp_fixture.h"

#include <algorithm>

#include "tests/support/test_env.h"

void PutLe32(std::string* bytes, size_t at, uint32_t value) {
    for (int i = 0; i < 4; ++i) (*bytes)[at + i] = static_cast<char>(value >> (8 * i));
}

void PutLe16(std::string* bytes, size_t at, uint16_t value) {
    (*bytes)[at] = static_cast<char>(value);
    (*bytes)[at + 1] = static_cast<char>(value >> 8);
}

std::string MakeBmp(const BmpSpec& spec) {
    std::vector<uint8_t> colors = spec.colors;
    if (colors.empty() && spec.bits == 8) {
        for (int i = 0; i < 256; ++i) colors.insert(colors.end(), {uint8_t(i), uint8_t(i), uint8_t(i), 0});
    }
    size_t used = static_cast<size_t>(spec.width) * spec.bits / 8;
    size_t rowBytes = (static_cast<size_t>(spec.width) * spec.bits + 31) / 32 * 4;
    size_t offset = 14 + spec.infoSize + colors.size();

    std::string b(offset, '\0');
    b[0] = 'B';
    b[1] = 'M';
    PutLe32(&b, kBmpAtPixelOffset, static_cast<uint32_t>(offset));
    PutLe32(&b, kBmpAtInfoSize, spec.infoSize);
    PutLe32(&b, kBmpAtWidth, static_cast<uint32_t>(spec.width));
    PutLe32(&b, kBmpAtHeight, static_cast<uint32_t>(spec.topDown ? -spec.height : spec.height));
    PutLe16(&b, 26, 1);
    PutLe16(&b, kBmpAtBitCount, static_cast<uint16_t>(spec.bits));
    PutLe32(&b, 34, static_cast<uint32_t>(rowBytes * spec.height));
    if (!spec.colors.empty()) PutLe32(&b, 46, static_cast<uint32_t>(colors.size() / 4));
    std::copy(colors.begin(), colors.end(), b.begin() + 14 + spec.infoSize);

    for (int i = 0; i < spec.height; ++i) {
        int y = spec.topDown ? i : spec.height - 1 - i;
        std::string row(rowBytes, static_cast<char>(spec.padByte));
        for (size_t k = 0; k < used; ++k) {
            size_t at = y * used + k;
            row[k] = at < spec.pixels.size() ? static_cast<char>(spec.pixels[at]) : '\0';
        }
        b += row;
    }
    PutLe32(&b, kBmpAtFileSize, static_cast<uint32_t>(b.size()));
    return b;
}

bool WriteBmp(const char* path, const BmpSpec& spec) {
    return WriteWholeFile(path, MakeBmp(spec));
}

std::vector<uint8_t> PatternPixels(int width, int height, int bytesPerPixel, std::vector<uint8_t> skip) {
    std::vector<uint8_t> px;
    unsigned v = 1;
    for (int i = 0; i < width * height * bytesPerPixel; ++i) {
        do {
            v = (v * 37 + 11) % 251 + 1;
        } while (std::find(skip.begin(), skip.end(), v) != skip.end());
        px.push_back(static_cast<uint8_t>(v));
    }
    return px;
}
