// Reading BMP files of the two kinds the editor draws with: 256 colours and
// 24 bits, uncompressed. Every value of the headers is checked against the
// size of the file before it is used, so a broken or hostile file is refused
// and never read beyond its end or into more memory than it describes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>

const int kBmpFileHeaderSize = 14;
const int kBmpInfoHeaderSize = 40;
const int kBmpHeadersSize = kBmpFileHeaderSize + kBmpInfoHeaderSize;  // 54
const int kBmpColorTableSize = 256 * 4;
// Largest width or height accepted (the pixels must also fit in the file).
const int kBmpMaxSide = 65535;

enum eBmpCheck {
    kBmpOk,
    kBmpUnreadable,   // not a BMP, or its headers do not fit the file
    kBmpUnsupported,  // a BMP of another kind (depth, compression, old header)
};

// Where the pixels of a checked file lie.
struct sBmpLayout {
    int width = 0;
    int height = 0;          // number of rows, always positive
    int bits = 0;            // 8 or 24
    bool topDown = false;    // the file holds the top row first
    uint32_t pixelOffset = 0;
    uint32_t rowBytes = 0;   // bytes of one file row, padding included
};

// Largest information header whose size is taken as it stands.
const uint32_t kBmpMaxInfoSize = 4096;

// Where the colour table of an open file starts: behind the information
// header, whose size the header gives; byte 54 when the file has no usable
// header. Reads from the file's start.
long BmpColorTableOffset(FILE* f);

// Bytes of one row of the given width and depth, rounded up to 4.
uint64_t BmpRowBytes(int width, int bits);

// Reads and checks the headers of an open file (from its start).
eBmpCheck ReadBmpLayout(FILE* f, sBmpLayout* out);

// Reads the pixel rows of a checked file into dst, top row first, rows
// stride bytes apart; each row receives width * bits / 8 bytes and the bytes
// between rows are left alone. False when the file could not be read.
bool ReadBmpRows(FILE* f, const sBmpLayout& layout, uint8_t* dst, size_t stride);
