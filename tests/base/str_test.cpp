#include <gtest/gtest.h>

#include <string>

#include "base/str.h"

TEST(String, SetAndCStr) {
    cString s("x");
    EXPECT_EQ(nullptr, s.Set(nullptr));
    EXPECT_TRUE(s.IsEmpty());
    ASSERT_NE(nullptr, s.CStr());
    EXPECT_STREQ("", s.CStr());
    EXPECT_STREQ("abc", s.Set("abc"));
    EXPECT_TRUE(s.NotEmpty());
}

TEST(String, StrPrintfAppends) {
    cString s;
    StrPrintf(&s, "%d", 1);
    StrPrintf(&s, "%d", 2);
    EXPECT_EQ("12", s);
}

TEST(String, FormatIsBoundedAndCutsAtWholeCharacters) {
    // 5119 bytes fit; longer texts are cut, never overflow.
    std::string ascii(6000, 'a');
    cString s;
    s.Format("%s", ascii.c_str());
    EXPECT_EQ(5119u, s.size());

    // A two-byte character straddling the limit is dropped whole.
    std::string sjis = std::string(5118, 'a') + "表";
    s.Format("%s", sjis.c_str());
    EXPECT_EQ(5118u, s.size());

    cString appended("x");
    StrPrintf(&appended, "%s", ascii.c_str());
    EXPECT_EQ(5120u, appended.size());
}

TEST(String, AssignAndEqual) {
    cString a("abc"), b;
    AssignStr(&b, a);
    EXPECT_TRUE(StrEqual(a, b));
    AssignStr(&b, cString());
    EXPECT_EQ("", b);
    EXPECT_FALSE(StrEqual(a, b));
    EXPECT_TRUE(StrEqual(cString(), cString("")));
}

TEST(String, MidStr) {
    struct Case {
        int start, length;
        const char* expected;
    };
    const Case cases[] = {
        {-2, 4, "ab"}, {7, 2, ""}, {4, 10, "ef"}, {6, 1, ""}, {0, 0, ""},
        {1, 3, "bcd"}, {2, -1, "cdef"}, {0, 6, "abcdef"},
    };
    const cString s("abcdef");
    for (const Case& c : cases) {
        EXPECT_EQ(c.expected, MidStr(s, c.start, c.length)) << c.start << "," << c.length;
    }
}

TEST(String, SjisSafeLength) {
    const char* t = "a表";  // 61 95 5C
    EXPECT_EQ(3, SjisSafeLength(t, 3));
    EXPECT_EQ(1, SjisSafeLength(t, 2));
    EXPECT_EQ(1, SjisSafeLength(t, 1));
}
