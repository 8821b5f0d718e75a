#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "base/paths.h"
#include "base/record.h"
#include "tests/support/test_env.h"

// "表" and "ソ" end in the byte 0x5C, the code of '\'.
static_assert(sizeof("表") == 3 && "表"[1] == '\x5C' && "ソ"[1] == '\x5C', "Shift-JIS literals");

TEST(PathNames, FileNameIsTheLastComponent) {
    const struct {
        const char* path;
        const char* name;
    } cases[] = {
        {"a\\b\\c.dat", "c.dat"},
        {"name.txt", "name.txt"},
        {"bmp\\", ""},
        {"data\\表", "表"},
        {"表ソ", "表ソ"},
        {"ソフト\\表\\ソ.txt", "ソ.txt"},
    };
    for (const auto& c : cases) {
        char buf[kPathBufSize];
        strcpy(buf, c.path);
        GetFileName(buf);
        EXPECT_STREQ(c.name, buf) << c.path;
        cString s(c.path);
        GetFileName(&s);
        EXPECT_EQ(c.name, s) << c.path;
    }
}

TEST(PathNames, ChangeExtReplacesOrRemovesTheExtension) {
    const struct {
        const char* src;
        const char* ext;
        int result;
        const char* dst;
    } cases[] = {
        {"stage.txt", "dat", 1, "stage.dat"},
        {"a.b.txt", "dat", 1, "a.b.dat"},
        {"bgm\\song.ogg", "mid", 1, "bgm\\song.mid"},
        {"noext", "dat", 0, "noext"},
        {"stage.txt", nullptr, 1, "stage"},
        {"stage.", "dat", 1, "stage.dat"},
        {"stage.txt", "", 1, "stage."},
        {"data.v2\\stage", "dat", 0, "data.v2\\stage"},  // a folder's '.' is no extension
        {"表.ソ", "dat", 1, "表.dat"},
        {"d.x\\表", "dat", 0, "d.x\\表"},
    };
    for (const auto& c : cases) {
        char dst[kPathBufSize];
        memset(dst, 'X', sizeof dst);
        EXPECT_EQ(c.result, ChangeExt(dst, c.src, c.ext)) << c.src;
        EXPECT_STREQ(c.dst, dst) << c.src;
    }
}

TEST(PathNames, ChangeExtStaysInItsBufferAndKeepsWholeCharacters) {
    std::string longName;
    for (int i = 0; i < 150; ++i) longName += "表";
    longName += ".txt";
    char dst[kPathBufSize + 8];
    memset(dst, '#', sizeof dst);
    ChangeExt(dst, longName.c_str(), "dat");
    EXPECT_EQ(258u, strlen(dst));
    EXPECT_EQ(std::string(8, '#'), std::string(dst + kPathBufSize, 8));
    // in place
    char same[kPathBufSize] = "a\\b.txt";
    EXPECT_EQ(1, ChangeExt(same, same, "dat"));
    EXPECT_STREQ("a\\b.dat", same);
}

TEST(PathNames, ExtensionsAreReadAndComparedExactly) {
    const struct {
        const char* path;
        const char* ext;  // null: none
    } cases[] = {
        {"a.b.txt", "txt"}, {"song.MID", "MID"}, {"x", nullptr},
        {"d.v\\n", nullptr}, {"表.ソ", "ソ"},    {"ソ\\表", nullptr},
    };
    for (const auto& c : cases) {
        char dst[kPathBufSize] = "untouched";
        EXPECT_EQ(c.ext ? 1 : 0, GetExt(dst, c.path)) << c.path;
        EXPECT_STREQ(c.ext ? c.ext : "untouched", dst) << c.path;
        if (c.ext) {
            EXPECT_TRUE(IsExt(c.path, c.ext)) << c.path;
        }
        EXPECT_FALSE(IsExt(c.path, "")) << c.path;
    }
    EXPECT_FALSE(IsExt("song.MID", "mid"));
    EXPECT_FALSE(IsExt("song.mid", "MID"));
    EXPECT_FALSE(IsExt("song.mid", "mi"));
}

TEST(PathNames, RemoveExtCutsAtTheExtensionDot) {
    const struct {
        const char* path;
        int result;
        const char* rest;
    } cases[] = {
        {"a.b.txt", 1, "a.b"}, {"noext", 0, "noext"}, {"d.v\\n", 0, "d.v\\n"}, {"ソ.表", 1, "ソ"},
    };
    for (const auto& c : cases) {
        char buf[kPathBufSize];
        strcpy(buf, c.path);
        EXPECT_EQ(c.result, RemoveExt(buf)) << c.path;
        EXPECT_STREQ(c.rest, buf) << c.path;
        cString s(c.path);
        EXPECT_EQ(c.result, RemoveExt(&s)) << c.path;
        EXPECT_EQ(c.rest, s) << c.path;
    }
}

namespace {

class cCopyRecord : public cSerialRecord {
public:
    int32_t m_Value = 0;
    cCopyRecord() { Clear(); }
    void Declare(uint32_t) override {
        ResetDeclare();
        AddInt(&m_Value);
    }
};

void SaveCopy(const char* path, int32_t value) {
    cCopyRecord r;
    r.m_Value = value;
    ASSERT_EQ(1, r.Save(path));
}

}  // namespace

TEST(LatestCopy, TheHighestNumberWins) {
    for (const char* name : {"copy.dat_000", "copy.dat_001", "copy.dat_010", "copy.bak_999", "copy.dat"}) {
        ASSERT_TRUE(WriteWholeFile(name, "x"));
    }
    char found[kPathBufSize] = "";
    EXPECT_EQ(1, FindLatestCopy(found, "copy.txt", "dat"));
    EXPECT_STREQ("copy.dat_010", found);
    cString s;
    EXPECT_EQ(0, FindLatestCopy(&s, cString("copy"), "dat"));  // no extension: copies of the name itself
    EXPECT_EQ("", s);
    ASSERT_TRUE(WriteWholeFile("copy_005", "x"));
    EXPECT_EQ(1, FindLatestCopy(&s, cString("copy"), "dat"));
    EXPECT_EQ("copy_005", s);

    strcpy(found, "unchanged");
    EXPECT_EQ(0, FindLatestCopy(found, "none.txt", "dat"));
    EXPECT_STREQ("unchanged", found);
}

TEST(LatestCopy, RecordLoadsFromTheNewestCopyOnly) {
    SaveCopy("rec.dat_009", 9);
    SaveCopy("rec.dat_010", 10);
    SaveCopy("only.dat", 1);
    cCopyRecord r;
    EXPECT_EQ(1, r.LoadLatestCopy("rec.dat", "dat"));
    EXPECT_EQ(10, r.m_Value);
    EXPECT_EQ(0, r.LoadLatestCopy("only.dat", "dat"));  // the unnumbered file is no copy
    EXPECT_EQ(10, r.m_Value);
    ASSERT_TRUE(WriteWholeFile("bad.dat_000", "ab"));  // too short for a record file
    EXPECT_EQ(0, r.LoadLatestCopy("bad.dat", "dat"));
    EXPECT_EQ(10, r.m_Value);
}
