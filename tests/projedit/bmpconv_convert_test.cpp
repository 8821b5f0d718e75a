// Conversion of 256-colour bitmaps to the standard palette: the nearest-colour
// rule against a brute-force reference and against the system's own palette
// matching, the value rules, the written files read back by the project's
// reader and by ImageMagick, refusals of what cannot be converted, and
// writing over the input.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "base/bmpconv.h"
#include "base/bmpfile.h"
#include "tests/support/bmp_fixture.h"
#include "tests/support/test_env.h"

namespace {

// A palette of random colours with some repeated entries, so that ties occur.
std::vector<uint8_t> RandomPalette(unsigned seed) {
    std::mt19937 rng(seed);
    std::vector<uint8_t> pal(kPalBytes);
    for (int i = 0; i < 256; ++i) {
        for (int c = 0; c < 3; ++c) pal[i * 4 + c] = static_cast<uint8_t>(rng() & 0xF8);
        pal[i * 4 + 3] = 0;
    }
    for (int i = 0; i < 32; ++i) memcpy(&pal[(200 + i) * 4], &pal[(20 + i) * 4], 4);
    return pal;
}

// Brute force: every distance, then the smallest, the lowest index first.
int ReferenceNearest(const std::vector<uint8_t>& pal, int b, int g, int r) {
    std::vector<std::pair<int, int>> all;
    for (int i = 0; i < 256; ++i) {
        int db = pal[i * 4] - b, dg = pal[i * 4 + 1] - g, dr = pal[i * 4 + 2] - r;
        all.push_back({db * db + dg * dg + dr * dr, i});
    }
    return std::min_element(all.begin(), all.end())->second;
}

int ReferenceAllowed(int e) {
    if (e == 0) return 52;
    if (e == 255) return 31;
    if (e >= 1 && e <= 15) return 16;
    if (e >= 208 && e <= 254) return 16;
    return e;
}

uint32_t Le32At(const std::string& s, size_t at) {
    return static_cast<uint8_t>(s[at]) | static_cast<uint8_t>(s[at + 1]) << 8 | static_cast<uint8_t>(s[at + 2]) << 16 |
           static_cast<uint32_t>(static_cast<uint8_t>(s[at + 3])) << 24;
}

TEST(BmpConvNearest, MatchesBruteForceAndTheSystemsPaletteMatching) {
    std::vector<uint8_t> std = RandomPalette(7);
    // the system's matching over the logical palette built from the same bytes
    std::vector<uint8_t> buf(sizeof(LOGPALETTE) + 256 * sizeof(PALETTEENTRY));
    LOGPALETTE* lp = reinterpret_cast<LOGPALETTE*>(buf.data());
    lp->palVersion = 0x300;
    lp->palNumEntries = 256;
    memcpy(lp->palPalEntry, std.data(), kPalBytes);
    HPALETTE hpal = CreatePalette(lp);
    ASSERT_NE(nullptr, hpal);
    std::mt19937 rng(11);
    int systemDiffers = 0;
    for (int n = 0; n < 4000; ++n) {
        int b = rng() & 255, g = rng() & 255, r = rng() & 255;
        if (n < 256) {  // the palette's own colours: exact hits and ties
            b = std[n * 4];
            g = std[n * 4 + 1];
            r = std[n * 4 + 2];
        }
        int got = NearestPaletteEntry(std.data(), static_cast<uint8_t>(b), static_cast<uint8_t>(g),
                                      static_cast<uint8_t>(r));
        ASSERT_EQ(ReferenceNearest(std, b, g, r), got) << b << "," << g << "," << r;
        UINT sys = GetNearestPaletteIndex(hpal, static_cast<COLORREF>(b | g << 8 | r << 16));
        if (static_cast<int>(sys) != got) ++systemDiffers;
    }
    DeleteObject(hpal);
    EXPECT_EQ(0, systemDiffers);
}

TEST(BmpConvTable, TransparentThenLineThenNearestAllowed) {
    std::vector<uint8_t> std = RandomPalette(3);
    // the input's colour v is the standard entry v: the nearest is v itself
    // unless an earlier entry has the same colour
    std::vector<uint8_t> in = std;
    struct Case {
        const char* name;
        sBmpConvOptions o;
    };
    sBmpConvOptions plain;
    plain.useTransparent = 0;
    sBmpConvOptions trans;  // defaults: transparent 0 on, line off
    sBmpConvOptions both;
    both.replaceLine = 1;
    both.lineIn = 1;
    both.lineOut = 15;
    sBmpConvOptions same;  // the transparent test comes first
    same.transparent = 5;
    same.replaceLine = 1;
    same.lineIn = 5;
    same.lineOut = 12;
    const Case cases[] = {{"no rules", plain}, {"transparent", trans}, {"line", both}, {"same index", same}};
    for (const Case& c : cases) {
        uint8_t table[256];
        BuildConvTable(table, in.data(), std.data(), c.o);
        for (int v = 0; v < 256; ++v) {
            int want;
            if (c.o.useTransparent && v == c.o.transparent)
                want = 0;
            else if (c.o.replaceLine && v == c.o.lineIn)
                want = c.o.lineOut;
            else
                want = ReferenceAllowed(ReferenceNearest(std, in[v * 4], in[v * 4 + 1], in[v * 4 + 2]));
            ASSERT_EQ(want, table[v]) << c.name << " value " << v;
            if (!(c.o.useTransparent && v == c.o.transparent)) {
                ASSERT_NE(0, table[v]) << c.name;
            }
        }
    }
    EXPECT_EQ(52, AllowedEntry(0));
    EXPECT_EQ(31, AllowedEntry(255));
    for (int e : {1, 10, 15, 208, 230, 254}) EXPECT_EQ(16, AllowedEntry(e)) << e;
    for (int e : {16, 100, 207}) EXPECT_EQ(e, AllowedEntry(e)) << e;
}

class BmpConvFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_Std = RandomPalette(21);
        m_Cur = RandomPalette(22);
        CreateDirectoryA("conv", nullptr);
    }
    // A synthetic image: random pixels over a random input palette.
    BmpSpec Spec(int w, int h, bool topDown = false) {
        std::mt19937 rng(static_cast<unsigned>(w * 131 + h));
        BmpSpec s;
        s.width = w;
        s.height = h;
        s.topDown = topDown;
        s.colors.resize(kPalBytes);
        for (auto& c : s.colors) c = static_cast<uint8_t>(rng());
        s.pixels.resize(static_cast<size_t>(w * h));
        for (auto& p : s.pixels) p = static_cast<uint8_t>(rng());
        return s;
    }
    // Checks the converted file pixel by pixel against the reference.
    void CheckConverted(const char* path, const BmpSpec& s, const sBmpConvOptions& o) {
        std::string bytes = ReadWholeFile(path);
        uint64_t stride = BmpRowBytes(s.width, 8);
        ASSERT_EQ(1078 + stride * s.height, bytes.size());
        EXPECT_EQ(bytes.size(), Le32At(bytes, 2)) << "file size of the fresh header";
        EXPECT_EQ(1078u, Le32At(bytes, 10));
        EXPECT_EQ(40u, Le32At(bytes, 14));
        // colour table: the standard palette with the editor's line colours and 208..239
        for (int i = 0; i < 256; ++i) {
            const std::vector<uint8_t>& from = (i >= 10 && i <= 15) || (i >= 208 && i <= 239) ? m_Cur : m_Std;
            for (int c = 0; c < 3; ++c)
                ASSERT_EQ(from[i * 4 + c], static_cast<uint8_t>(bytes[54 + i * 4 + c])) << "entry " << i;
        }
        FILE* f = fopen(path, "rb");
        ASSERT_NE(nullptr, f);
        sBmpLayout layout;
        ASSERT_EQ(kBmpOk, ReadBmpLayout(f, &layout));
        std::vector<uint8_t> px(static_cast<size_t>(s.width * s.height));
        ASSERT_TRUE(ReadBmpRows(f, layout, px.data(), static_cast<size_t>(s.width)));
        fclose(f);
        EXPECT_EQ(s.topDown, layout.topDown);
        for (size_t i = 0; i < px.size(); ++i) {
            int v = s.pixels[i];
            int want;
            if (o.useTransparent && v == o.transparent)
                want = 0;
            else if (o.replaceLine && v == o.lineIn)
                want = o.lineOut;
            else
                want = ReferenceAllowed(
                    ReferenceNearest(m_Std, s.colors[v * 4], s.colors[v * 4 + 1], s.colors[v * 4 + 2]));
            ASSERT_EQ(want, px[i]) << "pixel " << i;
        }
        // the row padding stays as read
        size_t firstPad = 1078 + static_cast<size_t>(s.width);
        if (stride > static_cast<uint64_t>(s.width)) {
            EXPECT_EQ(static_cast<char>(s.padByte), bytes[firstPad]);
        }
    }
    std::vector<uint8_t> m_Std, m_Cur;
};

TEST_F(BmpConvFileTest, ConvertsEveryPixelAndWritesFreshHeaders) {
    struct Case {
        int w, h;
        bool topDown;
    };
    for (const Case& c : {Case{1, 1, false}, Case{13, 7, false}, Case{64, 32, false}, Case{5, 9, true}}) {
        BmpSpec s = Spec(c.w, c.h, c.topDown);
        std::string in = MakeBmp(s);
        PutLe32(&in, 34, 0xDEAD);  // a wrong image size in the input header
        ASSERT_TRUE(WriteWholeFile("conv\\in.bmp", in));
        sBmpConvOptions o;
        o.replaceLine = 1;
        ASSERT_EQ(kConvOk, ConvertBitmapFile("conv\\out.bmp", "conv\\in.bmp", m_Std.data(), m_Cur.data(), o));
        CheckConverted("conv\\out.bmp", s, o);
        EXPECT_EQ(BmpRowBytes(c.w, 8) * c.h, Le32At(ReadWholeFile("conv\\out.bmp"), 34));
        EXPECT_EQ(in, ReadWholeFile("conv\\in.bmp")) << "the input stays";
    }
}

TEST_F(BmpConvFileTest, WritesOverTheInputAndWithoutAFolder) {
    BmpSpec s = Spec(10, 4);
    ASSERT_TRUE(WriteBmp("self.bmp", s));
    sBmpConvOptions o;
    ASSERT_EQ(kConvOk, ConvertBitmapFile("self.bmp", "self.bmp", m_Std.data(), m_Cur.data(), o));
    CheckConverted("self.bmp", s, o);
    EXPECT_FALSE(FileExists("self.bmp.tmp~"));
}

TEST_F(BmpConvFileTest, AFailedWriteLeavesTheOriginal) {
    BmpSpec s = Spec(6, 6);
    ASSERT_TRUE(WriteBmp("conv\\keep.bmp", s));
    std::string before = ReadWholeFile("conv\\keep.bmp");
    sBmpConvOptions o;
    {
        // another program holds the file: it cannot be replaced
        HANDLE held = CreateFileA("conv\\keep.bmp", GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        ASSERT_NE(INVALID_HANDLE_VALUE, held);
        EXPECT_EQ(kConvCannotWrite, WriteConvBitmap("conv\\keep.bmp", sConvBitmap()));
        CloseHandle(held);
    }
    EXPECT_TRUE(before == ReadWholeFile("conv\\keep.bmp"));
    EXPECT_FALSE(FileExists("conv\\keep.bmp.tmp~"));
    // a folder that does not exist
    EXPECT_EQ(kConvCannotWrite,
              ConvertBitmapFile("nofolder\\x.bmp", "conv\\keep.bmp", m_Std.data(), m_Cur.data(), o));
    EXPECT_TRUE(before == ReadWholeFile("conv\\keep.bmp"));
}

TEST_F(BmpConvFileTest, RefusesWhatItCannotConvertAndWritesNothing) {
    struct Case {
        const char* name;
        size_t at;
        uint32_t value;
        int width16;  // 16-bit field
        eBmpConvResult want;
    };
    const Case cases[] = {
        {"not BM", 0, 0x4141, 1, kConvUnsupported},
        {"4-bit", kBmpAtBitCount, 4, 1, kConvNot8Bit},
        {"RLE8", kBmpAtCompression, 1, 0, kConvUnsupported},
        {"16 colours", 46, 16, 0, kConvUnsupported},
        {"pixel offset", kBmpAtPixelOffset, 2000, 0, kConvUnsupported},
        {"zero width", kBmpAtWidth, 0, 0, kConvUnsupported},
        {"huge height", kBmpAtHeight, 0x7FFFFFFF, 0, kConvUnsupported},
        {"tall for the file", kBmpAtHeight, 5000, 0, kConvShortFile},
    };
    BmpSpec s = Spec(8, 8);
    sBmpConvOptions o;
    for (const Case& c : cases) {
        std::string bytes = MakeBmp(s);
        if (c.width16)
            PutLe16(&bytes, c.at, static_cast<uint16_t>(c.value));
        else
            PutLe32(&bytes, c.at, c.value);
        ASSERT_TRUE(WriteWholeFile("conv\\bad.bmp", bytes));
        DeleteFileA("conv\\bad_out.bmp");
        EXPECT_EQ(c.want, ConvertBitmapFile("conv\\bad_out.bmp", "conv\\bad.bmp", m_Std.data(), m_Cur.data(), o))
            << c.name;
        EXPECT_FALSE(FileExists("conv\\bad_out.bmp")) << c.name;
    }
    // 24-bit, an older header, a cut file, a missing file
    BmpSpec rgb = Spec(4, 4);
    rgb.bits = 24;
    rgb.colors.clear();
    rgb.pixels.assign(4 * 4 * 3, 7);
    ASSERT_TRUE(WriteBmp("conv\\rgb.bmp", rgb));
    EXPECT_EQ(kConvNot8Bit, ConvertBitmapFile("conv\\o.bmp", "conv\\rgb.bmp", m_Std.data(), m_Cur.data(), o));
    BmpSpec v4 = Spec(4, 4);
    v4.infoSize = 108;
    ASSERT_TRUE(WriteBmp("conv\\v4.bmp", v4));
    EXPECT_EQ(kConvUnsupported, ConvertBitmapFile("conv\\o.bmp", "conv\\v4.bmp", m_Std.data(), m_Cur.data(), o));
    std::string cut = MakeBmp(s);
    for (size_t len : {size_t(20), size_t(60), size_t(1078), cut.size() - 1}) {
        ASSERT_TRUE(WriteWholeFile("conv\\cut.bmp", cut.substr(0, len)));
        EXPECT_EQ(kConvShortFile, ConvertBitmapFile("conv\\o.bmp", "conv\\cut.bmp", m_Std.data(), m_Cur.data(), o))
            << len;
    }
    EXPECT_EQ(kConvCannotOpen, ConvertBitmapFile("conv\\o.bmp", "conv\\none.bmp", m_Std.data(), m_Cur.data(), o));
    EXPECT_FALSE(FileExists("conv\\o.bmp"));
}

TEST(BmpConvNames, OutputFolderAndFileName) {
    struct Case {
        const char* folder;
        const char* input;
        const char* want;
    };
    const Case cases[] = {
        {"bmp\\convert", "bmp\\chara\\a.bmp", "bmp\\convert\\a.bmp"},
        {"bmp\\convert", "a.bmp", "bmp\\convert\\a.bmp"},
        {"", "bmp\\a.bmp", "a.bmp"},
        {"", "a.bmp", "a.bmp"},
        {"out", "表\\ソ.bmp", "out\\ソ.bmp"},  // trail bytes 0x5C are no separators
    };
    for (const Case& c : cases) {
        char out[520];
        MakeConvOutputName(out, sizeof out, c.folder, c.input);
        EXPECT_STREQ(c.want, out) << c.folder << " + " << c.input;
    }
}

// ImageMagick reads the written file as an 8-bit palette image of its size.
TEST_F(BmpConvFileTest, ImageMagickReadsTheOutput) {
    BmpSpec s = Spec(17, 5);
    ASSERT_TRUE(WriteBmp("conv\\im.bmp", s));
    sBmpConvOptions o;
    ASSERT_EQ(kConvOk, ConvertBitmapFile("conv\\im_out.bmp", "conv\\im.bmp", m_Std.data(), m_Cur.data(), o));
    char full[MAX_PATH];
    GetFullPathNameA("conv\\im_out.bmp", MAX_PATH, full, nullptr);
    char unixPath[MAX_PATH * 2] = "";
    // Wine maps drive Z: to the host's root
    typedef char*(CDECL * ToUnix)(LPCWSTR);
    HMODULE k32 = GetModuleHandleA("kernel32.dll");
    ToUnix toUnix = reinterpret_cast<ToUnix>(reinterpret_cast<void*>(GetProcAddress(k32, "wine_get_unix_file_name")));
    if (!toUnix) GTEST_SKIP() << "not running under Wine";
    WCHAR wide[MAX_PATH];
    MultiByteToWideChar(CP_ACP, 0, full, -1, wide, MAX_PATH);
    char* u = toUnix(wide);
    ASSERT_NE(nullptr, u);
    snprintf(unixPath, sizeof unixPath, "%s", u);
    HeapFree(GetProcessHeap(), 0, u);
    // a host shell script run through Wine's start of Unix programs
    std::string script = std::string("/usr/bin/identify -format '%w %h %[type]' '") + unixPath + "' > '" + unixPath +
                         ".txt'\n";
    ASSERT_TRUE(WriteWholeFile("conv\\im.sh", script));
    GetFullPathNameA("conv\\im.sh", MAX_PATH, full, nullptr);
    MultiByteToWideChar(CP_ACP, 0, full, -1, wide, MAX_PATH);
    u = toUnix(wide);
    ASSERT_NE(nullptr, u);
    std::string line = std::string("/bin/sh ") + u;
    HeapFree(GetProcessHeap(), 0, u);
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi = {};
    std::vector<char> cl(line.begin(), line.end());
    cl.push_back(0);
    if (!CreateProcessA(nullptr, cl.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi))
        GTEST_SKIP() << "host programs cannot be started here";
    WaitForSingleObject(pi.hProcess, 20000);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    // Wine does not wait for a host program: wait for its output
    std::string got;
    for (int i = 0; i < 200 && got.empty(); ++i) {
        got = ReadWholeFile("conv\\im_out.bmp.txt");
        if (got.empty()) Sleep(50);
    }
    if (got.empty()) GTEST_SKIP() << "ImageMagick's identify gave nothing";
    EXPECT_EQ(0u, got.find("17 5 Palette")) << got;
    EXPECT_EQ(kBmpHeadersSize + kPalBytes + 20 * 5, static_cast<int>(ReadWholeFile("conv\\im_out.bmp").size()));
}

}  // namespace
