// Small BMP files written by the tests themselves: every byte of a fixture is
// known, so loaded pixels can be compared exactly.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct BmpSpec {
    int width = 0;
    int height = 0;           // rows; the file holds -height when topDown
    int bits = 8;             // 8 and 24 are the kinds read; others for refusals
    bool topDown = false;
    std::vector<uint8_t> pixels;  // top row first, width * bits / 8 bytes a row; empty: zeros
    std::vector<uint8_t> colors;  // colour table, 4 bytes an entry; empty: 256 grey entries (8 bits)
    uint32_t infoSize = 40;   // information header written, extra bytes zero
    uint8_t padByte = 0xA5;   // value of the row padding bytes
};

// Byte offsets of header fields, for tests that break them.
enum {
    kBmpAtFileSize = 2,
    kBmpAtPixelOffset = 10,
    kBmpAtInfoSize = 14,
    kBmpAtWidth = 18,
    kBmpAtHeight = 22,
    kBmpAtBitCount = 28,
    kBmpAtCompression = 30,
};

// The bytes of a BMP file: headers, colour table, then the rows bottom-up
// (top-down with topDown), each padded to 4 bytes.
std::string MakeBmp(const BmpSpec& spec);
bool WriteBmp(const char* path, const BmpSpec& spec);
void PutLe32(std::string* bytes, size_t at, uint32_t value);
void PutLe16(std::string* bytes, size_t at, uint16_t value);

// A pixel pattern in which neighbouring bytes differ: top row first,
// width * bytesPerPixel bytes a row, no byte 0 and none of the values skip.
std::vector<uint8_t> PatternPixels(int width, int height, int bytesPerPixel, std::vector<uint8_t> skip = {});
