#include <windows.h>

#include <gtest/gtest.h>

// Texts, file names and stored strings are Shift-JIS: the ANSI code page of
// the test environment must be the Japanese one, or every ...A call and every
// literal in the program means something else.
TEST(Environment, AnsiCodePageIsJapanese) {
    EXPECT_EQ(932u, GetACP());
}

TEST(Environment, ShiftJisLiteralsRoundTripThroughTheAnsiApis) {
    const char* text = "表ソ";  // both end in the byte 0x5C
    ASSERT_EQ(4u, strlen(text));
    EXPECT_EQ('\x5C', text[1]);
    wchar_t wide[8] = {};
    ASSERT_EQ(3, MultiByteToWideChar(CP_ACP, 0, text, -1, wide, 8));
    EXPECT_EQ(0x8868, wide[0]);
    EXPECT_EQ(0x30BD, wide[1]);
}
