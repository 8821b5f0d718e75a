// The bitmap conversion's speed in megapixels per second: whole files
// converted (read, one nearest-colour table per file, every pixel through it,
// written), against a bare table-lookup pass over the same pixels in the
// same run; a search of the palette per pixel gives the same bytes, and its
// speed is shown beside them.
#include <chrono>
#include <cstdio>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "base/bmpconv.h"
#include "base/bmpfile.h"
#include "base/platform.h"

namespace {

double Now() {
    using namespace std::chrono;
    return duration<double>(steady_clock::now().time_since_epoch()).count();
}

void Le32(uint8_t* p, uint32_t v) {
    for (int i = 0; i < 4; ++i) p[i] = static_cast<uint8_t>(v >> (8 * i));
}

// An 8-bit BMP of random pixels over a random colour table.
std::vector<uint8_t> MakeFile(int w, int h, std::mt19937* rng) {
    size_t stride = static_cast<size_t>(BmpRowBytes(w, 8));
    std::vector<uint8_t> f(54 + kPalBytes + stride * static_cast<size_t>(h));
    f[0] = 'B';
    f[1] = 'M';
    Le32(&f[2], static_cast<uint32_t>(f.size()));
    Le32(&f[10], 54 + kPalBytes);
    Le32(&f[14], 40);
    Le32(&f[18], static_cast<uint32_t>(w));
    Le32(&f[22], static_cast<uint32_t>(h));
    f[26] = 1;
    f[28] = 8;
    for (size_t i = 54; i < f.size(); ++i) f[i] = static_cast<uint8_t>((*rng)());
    return f;
}

}  // namespace

int main(int argc, char** argv) {
    const int w = 1024, h = 1024, files = argc > 1 ? atoi(argv[1]) : 8;
    std::mt19937 rng(5);
    std::vector<uint8_t> stdPal(kPalBytes), curPal(kPalBytes);
    for (auto& b : stdPal) b = static_cast<uint8_t>(rng());
    for (auto& b : curPal) b = static_cast<uint8_t>(rng());
    sBmpConvOptions o;
    o.replaceLine = 1;
    const double mp = static_cast<double>(w) * h * files / 1e6;

    // the files on disk
    std::vector<std::vector<uint8_t>> inputs;
    for (int i = 0; i < files; ++i) {
        inputs.push_back(MakeFile(w, h, &rng));
        char name[64];
        snprintf(name, sizeof name, "bench_in%d.bmp", i);
        FILE* f = OpenFile(name, "wb");
        fwrite(inputs.back().data(), 1, inputs.back().size(), f);
        fclose(f);
    }

    // whole files converted
    double t = Now();
    for (int i = 0; i < files; ++i) {
        char in[64], out[64];
        snprintf(in, sizeof in, "bench_in%d.bmp", i);
        snprintf(out, sizeof out, "bench_out%d.bmp", i);
        if (ConvertBitmapFile(out, in, stdPal.data(), curPal.data(), o) != kConvOk) {
            fprintf(stderr, "conversion failed\n");
            return 1;
        }
    }
    double tConv = Now() - t;

    // the baseline: one table per file and a bare lookup pass in memory
    size_t stride = static_cast<size_t>(BmpRowBytes(w, 8));
    std::vector<std::vector<uint8_t>> lookedUp(inputs);
    t = Now();
    for (int i = 0; i < files; ++i) {
        uint8_t table[256];
        BuildConvTable(table, &inputs[i][54], stdPal.data(), o);
        ConvertPixels(&lookedUp[i][54 + kPalBytes], w, h, stride, table);
    }
    double tTable = Now() - t;

    // a palette search per pixel (one file), for the same bytes
    std::vector<uint8_t> searched(inputs[0]);
    t = Now();
    uint8_t* px = &searched[54 + kPalBytes];
    const uint8_t* pal = &inputs[0][54];
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            uint8_t& v = px[static_cast<size_t>(y) * stride + x];
            if (o.useTransparent && v == o.transparent)
                v = 0;
            else if (o.replaceLine && v == o.lineIn)
                v = static_cast<uint8_t>(o.lineOut);
            else
                v = static_cast<uint8_t>(
                    AllowedEntry(NearestPaletteEntry(stdPal.data(), pal[v * 4], pal[v * 4 + 1], pal[v * 4 + 2])));
        }
    }
    double tSearch = Now() - t;

    // the same pixel bytes every way
    bool same = memcmp(searched.data() + 54 + kPalBytes, lookedUp[0].data() + 54 + kPalBytes, stride * h) == 0;
    for (int i = 0; i < files && same; ++i) {
        char out[64];
        snprintf(out, sizeof out, "bench_out%d.bmp", i);
        FILE* f = OpenFile(out, "rb");
        std::vector<uint8_t> got(lookedUp[i].size());
        same = f && fread(got.data(), 1, got.size(), f) == got.size() &&
               memcmp(got.data() + 54 + kPalBytes, lookedUp[i].data() + 54 + kPalBytes, stride * h) == 0;
        if (f) fclose(f);
    }
    for (int i = 0; i < files; ++i) {
        char name[64];
        snprintf(name, sizeof name, "bench_in%d.bmp", i);
        RemoveFile(name);
        snprintf(name, sizeof name, "bench_out%d.bmp", i);
        RemoveFile(name);
    }

    printf("bitmap conversion, %d files of %dx%d pixels (%.1f megapixels)\n", files, w, h, mp);
    printf("  files converted (read, table, write): %8.1f MP/s\n", mp / tConv);
    printf("  table-lookup pass in memory:         %8.1f MP/s\n", mp / tTable);
    printf("  palette search per pixel (1 file):   %8.1f MP/s\n", (static_cast<double>(w) * h / 1e6) / tSearch);
    printf("  conversion / lookup pass: %.2f\n", tTable / tConv);
    printf("  output byte-identical: %s\n", same ? "yes" : "NO");
    return same ? 0 : 1;
}
