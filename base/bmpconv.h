// Converting 256-colour bitmaps to the project's standard palette: every
// pixel takes the nearest colour among the entries that game graphics may
// use (0 and 16..207), and the file gets the standard palette as its colour
// table. Portable: palettes are 256 entries of four bytes (blue, green, red,
// reserved), files are read and written with the platform's file calls.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

const int kPalBytes = 256 * 4;

struct sBmpConvOptions {
    int useTransparent = 1;  // pixels of the transparent index become 0
    int transparent = 0;
    int replaceLine = 0;     // pixels of lineIn become lineOut
    int lineIn = 1;
    int lineOut = 15;
};

// The index of the palette entry nearest to the colour (sum of the squared
// differences of the three components); the first of equally near entries.
int NearestPaletteEntry(const uint8_t* pal, uint8_t blue, uint8_t green, uint8_t red);
// The allowed entry that stands for a nearest entry: 0 gives 52, 255 gives
// 31, 1..15 and 208..254 give 16, 16..207 stay.
int AllowedEntry(int nearest);
// The output value of every input value v (0..255) of a file whose colour
// table is inPal: the transparent rule first, then the line colour rule,
// then the nearest allowed colour of stdPal.
void BuildConvTable(uint8_t* table, const uint8_t* inPal, const uint8_t* stdPal, const sBmpConvOptions& options);
// Replaces the first width bytes of each of the rows through the table; the
// padding after them stays.
void ConvertPixels(uint8_t* pixels, int width, int rows, size_t stride, const uint8_t* table);
// The colour table of a converted file: stdPal with entries 10..15 and
// 208..239 taken from curPal.
void BuildOutputPalette(uint8_t* out, const uint8_t* stdPal, const uint8_t* curPal);

enum eBmpConvResult {
    kConvOk,
    kConvCannotOpen,     // the input does not open
    kConvNot8Bit,        // not a 256-colour bitmap
    kConvUnsupported,    // a layout the converter does not handle
    kConvShortFile,      // the file ends before its pixels do
    kConvCannotWrite,    // the output cannot be written
};

// An 8-bit bitmap of the one layout converted: the 54 header bytes, a full
// colour table right after them and the pixel rows right after that.
struct sConvBitmap {
    uint8_t header[54] = {};
    uint8_t palette[kPalBytes] = {};
    int width = 0;
    int height = 0;  // as stored: negative for a top-down file
    int rows = 0;
    size_t stride = 0;
    std::vector<uint8_t> pixels;  // rows * stride bytes as stored
};

// Reads and checks a file: the bit count, the information header's size,
// the compression, the colour count, the pixel offset and the file's length
// are checked before anything is read into memory.
eBmpConvResult ReadConvBitmap(const char* path, sConvBitmap* out);
// Writes the bitmap with fresh headers (the same size and resolution) to a
// temporary file beside the path and then puts it in the path's place, so
// that an existing file is replaced only by a complete one.
eBmpConvResult WriteConvBitmap(const char* path, const sConvBitmap& bmp);
// Reads, converts and writes one file (the output may be the input).
eBmpConvResult ConvertBitmapFile(const char* outPath, const char* inPath, const uint8_t* stdPal,
                                 const uint8_t* curPal, const sBmpConvOptions& options);

// The output name of an input: the folder followed by the input's file name
// (the part after its last "\"; the whole name when it has none, with a "\"
// put between). An empty folder gives the bare file name.
void MakeConvOutputName(char* out, size_t size, const char* folder, const char* input);
