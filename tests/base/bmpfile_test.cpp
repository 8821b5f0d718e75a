#include <gtest/gtest.h>

#include <climits>
#include <cstdio>
#include <string>
#include <vector>

#include "base/bmpfile.h"
#include "tests/support/bmp_fixture.h"
#include "tests/support/test_env.h"

namespace {

// Checks the headers of the bytes written to a file.
eBmpCheck CheckBytes(const std::string& bytes, sBmpLayout* layout) {
    EXPECT_TRUE(WriteWholeFile("check.bmp", bytes));
    FILE* f = fopen("check.bmp", "rb");
    if (!f) return kBmpUnreadable;
    eBmpCheck r = ReadBmpLayout(f, layout);
    fclose(f);
    return r;
}

BmpSpec Spec(int width, int height, int bits) {
    BmpSpec s;
    s.width = width;
    s.height = height;
    s.bits = bits;
    s.pixels = PatternPixels(width, height, bits / 8);
    return s;
}

}  // namespace

TEST(BmpLayout, ValidFilesGiveTheirRowsAndPixelOffset) {
    struct Case {
        int width, height, bits;
        bool topDown;
        uint32_t infoSize;
        uint32_t rowBytes, offset;
    } cases[] = {
        {5, 3, 8, false, 40, 8, 54 + 1024},
        {4, 1, 8, false, 40, 4, 54 + 1024},
        {3, 2, 24, false, 40, 12, 54},
        {1, 4, 24, true, 40, 4, 54},
        // a longer information header moves the pixels back
        {6, 2, 24, false, 124, 20, 14 + 124},
    };
    for (const Case& c : cases) {
        BmpSpec s = Spec(c.width, c.height, c.bits);
        s.topDown = c.topDown;
        s.infoSize = c.infoSize;
        sBmpLayout l;
        ASSERT_EQ(kBmpOk, CheckBytes(MakeBmp(s), &l)) << c.width << "x" << c.height;
        EXPECT_EQ(c.width, l.width);
        EXPECT_EQ(c.height, l.height);
        EXPECT_EQ(c.bits, l.bits);
        EXPECT_EQ(c.topDown, l.topDown);
        EXPECT_EQ(c.rowBytes, l.rowBytes);
        EXPECT_EQ(c.offset, l.pixelOffset);
    }
}

// Every header value is checked against the file before it is used.
TEST(BmpLayout, BrokenAndForeignHeadersAreRefused) {
    const std::string good = MakeBmp(Spec(5, 3, 8));  // 1078 + 3 rows of 8 bytes
    struct Case {
        const char* what;
        size_t at;       // field to change, or 0 for none
        int size;        // 2 or 4 bytes
        uint32_t value;
        size_t keep;     // bytes of the file kept
        eBmpCheck want;
    } cases[] = {
        {"not a BMP", 0, 2, 0x4D42 + 1, good.size(), kBmpUnreadable},
        {"old short header", kBmpAtInfoSize, 4, 12, good.size(), kBmpUnsupported},
        {"16 bits", kBmpAtBitCount, 2, 16, good.size(), kBmpUnsupported},
        {"32 bits", kBmpAtBitCount, 2, 32, good.size(), kBmpUnsupported},
        {"4 bits", kBmpAtBitCount, 2, 4, good.size(), kBmpUnsupported},
        {"run-length compressed", kBmpAtCompression, 4, 1, good.size(), kBmpUnsupported},
        {"zero width", kBmpAtWidth, 4, 0, good.size(), kBmpUnreadable},
        {"negative width", kBmpAtWidth, 4, static_cast<uint32_t>(-5), good.size(), kBmpUnreadable},
        {"zero height", kBmpAtHeight, 4, 0, good.size(), kBmpUnreadable},
        {"absurd width", kBmpAtWidth, 4, 0x7FFFFFFF, good.size(), kBmpUnreadable},
        {"absurd height", kBmpAtHeight, 4, 100000, good.size(), kBmpUnreadable},
        {"most negative height", kBmpAtHeight, 4, static_cast<uint32_t>(INT_MIN), good.size(), kBmpUnreadable},
        {"more rows than the file holds", kBmpAtHeight, 4, 4, good.size(), kBmpUnreadable},
        {"wider than the file holds", kBmpAtWidth, 4, 9, good.size(), kBmpUnreadable},
        {"pixels beyond the end", kBmpAtPixelOffset, 4, 0xFFFFFFF0, good.size(), kBmpUnreadable},
        {"information header beyond the end", kBmpAtInfoSize, 4, 0xFFFFFFFF, good.size(), kBmpUnreadable},
        {"last row cut short", 0, 0, 0, good.size() - 1, kBmpUnreadable},
        {"headers cut short", 0, 0, 0, 40, kBmpUnreadable},
        {"empty file", 0, 0, 0, 0, kBmpUnreadable},
    };
    for (const Case& c : cases) {
        std::string bytes = good;
        if (c.size == 4) PutLe32(&bytes, c.at, c.value);
        if (c.size == 2) PutLe16(&bytes, c.at, static_cast<uint16_t>(c.value));
        bytes.resize(c.keep);
        sBmpLayout l;
        EXPECT_EQ(c.want, CheckBytes(bytes, &l)) << c.what;
    }
}

// Rows come out top row first, at the caller's stride, without the file's
// padding and without touching the bytes between rows.
TEST(BmpRows, OddWidthsBottomUpAndTopDown) {
    struct Case {
        int width, height, bits;
        bool topDown;
    } cases[] = {
        {5, 3, 8, false}, {7, 2, 8, true}, {3, 4, 24, false}, {5, 3, 24, true}, {1, 1, 24, false},
    };
    for (const Case& c : cases) {
        BmpSpec s = Spec(c.width, c.height, c.bits);
        s.topDown = c.topDown;
        ASSERT_TRUE(WriteBmp("rows.bmp", s));
        FILE* f = fopen("rows.bmp", "rb");
        ASSERT_NE(nullptr, f);
        sBmpLayout l;
        ASSERT_EQ(kBmpOk, ReadBmpLayout(f, &l));
        size_t used = static_cast<size_t>(c.width) * c.bits / 8;
        size_t stride = used + 5;
        std::vector<uint8_t> dst(stride * c.height, 0xCC);
        ASSERT_TRUE(ReadBmpRows(f, l, dst.data(), stride));
        fclose(f);
        for (int y = 0; y < c.height; ++y) {
            std::vector<uint8_t> got(dst.begin() + y * stride, dst.begin() + y * stride + used);
            std::vector<uint8_t> want(s.pixels.begin() + y * used, s.pixels.begin() + (y + 1) * used);
            EXPECT_EQ(want, got) << c.width << "x" << c.height << "x" << c.bits << " row " << y;
            for (size_t k = used; k < stride; ++k) EXPECT_EQ(0xCC, dst[y * stride + k]);
        }
    }
}

TEST(BmpRows, PixelsAreTakenFromTheirOffsetBehindAShortColourTable) {
    BmpSpec s = Spec(3, 2, 8);
    s.colors.assign(16 * 4, 7);  // 16 entries only
    s.infoSize = 108;
    ASSERT_TRUE(WriteBmp("short_table.bmp", s));
    FILE* f = fopen("short_table.bmp", "rb");
    ASSERT_NE(nullptr, f);
    sBmpLayout l;
    ASSERT_EQ(kBmpOk, ReadBmpLayout(f, &l));
    EXPECT_EQ(14u + 108 + 64, l.pixelOffset);
    std::vector<uint8_t> dst(6);
    ASSERT_TRUE(ReadBmpRows(f, l, dst.data(), 3));
    fclose(f);
    EXPECT_EQ(s.pixels, dst);
}

// A pixel offset that lies inside the headers is no place for pixels: they
// are read right behind the headers (and the colour table of 256 colours).
TEST(BmpRows, AnOffsetInsideTheHeadersReadsThePixelsBehindThem) {
    struct Case {
        const char* what;
        int bits;
        uint32_t infoSize;
        uint32_t offset;
        uint32_t read;
    } cases[] = {
        {"8 bits, offset 20", 8, 40, 20, 54 + 1024},
        {"8 bits, offset 0", 8, 40, 0, 54 + 1024},
        {"24 bits, offset 53", 24, 40, 53, 54},
        {"24 bits, larger header, offset 54", 24, 108, 54, 14 + 108},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        BmpSpec s = Spec(3, 2, c.bits);
        s.infoSize = c.infoSize;
        std::string bytes = MakeBmp(s);
        PutLe32(&bytes, kBmpAtPixelOffset, c.offset);
        ASSERT_TRUE(WriteWholeFile("inside.bmp", bytes));
        FILE* f = fopen("inside.bmp", "rb");
        ASSERT_NE(nullptr, f);
        sBmpLayout l;
        ASSERT_EQ(kBmpOk, ReadBmpLayout(f, &l));
        EXPECT_EQ(c.read, l.pixelOffset);
        std::vector<uint8_t> dst(s.pixels.size());
        ASSERT_TRUE(ReadBmpRows(f, l, dst.data(), static_cast<size_t>(3 * c.bits / 8)));
        fclose(f);
        EXPECT_EQ(s.pixels, dst);
    }
    // behind the headers there must still be room for every row
    std::string cut = MakeBmp(Spec(3, 2, 24));
    PutLe32(&cut, kBmpAtPixelOffset, 20);
    cut.resize(cut.size() - 1);
    sBmpLayout l;
    EXPECT_EQ(kBmpUnreadable, CheckBytes(cut, &l));
}

// The colour table of a palette file is where its headers put it.
TEST(BmpLayout, ColourTableOffsetFollowsTheInformationHeader) {
    struct Case {
        const char* what;
        std::string bytes;
        long offset;
    };
    BmpSpec v5 = Spec(2, 2, 8);
    v5.infoSize = 124;
    std::string absurd = MakeBmp(Spec(2, 2, 8));
    PutLe32(&absurd, kBmpAtInfoSize, 0x7FFFFFFF);
    std::string core = MakeBmp(Spec(2, 2, 8));
    PutLe32(&core, kBmpAtInfoSize, 12);
    const Case cases[] = {
        {"40-byte header", MakeBmp(Spec(2, 2, 8)), 54},
        {"124-byte header", MakeBmp(v5), 14 + 124},
        {"absurd header size", absurd, 54},
        {"old 12-byte header", core, 54},
        {"not a BMP", std::string(60, 'h'), 54},
        {"shorter than the headers", std::string("BM") + std::string(20, '\0'), 54},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(WriteWholeFile("table.bmp", c.bytes));
        FILE* f = fopen("table.bmp", "rb");
        ASSERT_NE(nullptr, f);
        EXPECT_EQ(c.offset, BmpColorTableOffset(f)) << c.what;
        fclose(f);
    }
}
