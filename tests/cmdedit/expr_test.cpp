// The expression check of code commands: what each code reports, writes and
// evaluates to, with a fixed random source.
#include <climits>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "cmdedit/expr.h"

namespace {

const char* const kParen = "\")\"が見つかりません！";
const char* const kRandArgs = "関数 rand の引数が不正です！";

std::string Const(const char* word) {
    return std::string("定数 \"") + word + "\" が認識できません！";
}
std::string Object(const char* word) {
    return std::string("オブジェクト \"") + word + ".\" が認識できません！";
}
std::string Divide(const char* text) {
    return std::string("0除算が行われました！(") + text + ")";
}

std::vector<std::string> Strings(const std::vector<cString>& v) {
    return std::vector<std::string>(v.begin(), v.end());
}

// A random source that gives the values in turn (the last one again when
// they run out) and counts the draws.
struct FixedRandom {
    std::vector<int> values;
    int draws = 0;
    ExprRandom Source() {
        return [this] {
            int v = values.empty() ? 0 : values[std::min<size_t>(draws, values.size() - 1)];
            ++draws;
            return v;
        };
    }
};

struct ExprCase {
    const char* code;
    std::vector<std::string> messages;  // empty: the check passes
    std::vector<int32_t> writes;        // what the assignments wrote, in order
};

// The codes and outcomes of the page's description, with the random source
// always drawing 4 and the variables starting at kExprScratchStart (1).
TEST(ExprCheck, Cases) {
    const ExprCase cases[] = {
        {"hp = hp + 10", {}, {11}},
        {"sys.time = tg.v3", {}, {1}},
        {"C5 = rand(0,5)", {}, {4}},
        {"", {}, {}},
        {"hp = 10 / 0", {Divide("hp = 10 / 0")}, {}},
        {"hp = ( 10 / 0 )", {Divide(" 10 / 0 ")}, {0}},
        {"HP = 1", {Const("HP")}, {}},
        {"score = 100", {}, {100}},
        {"zz.hp = 1", {Object("zz")}, {}},
        {"hp = zz.hp", {Object("zz")}, {}},
        {"C999 = 1", {}, {1}},
        {"Cabc = 1", {}, {1}},
        {"Sx = -3", {}, {-3}},
        {"C5=rand(0,5)", {}, {}},
        {"hp=5", {Const("hp=5")}, {}},
        {"hp = rand(1)", {kRandArgs}, {}},
        {"hp = rand()", {kRandArgs}, {}},
        {"hp = rand(1,2,3)", {kRandArgs}, {}},
        {"hp = rand(1,2", {kParen}, {}},
        {"hp = 2 + 3 * 4", {}, {14}},
        {"hp = 7 - 2 - 1", {}, {4}},
        {"C1 = -7 / 2", {}, {-3}},
        {"C1 = -7 % 2", {}, {-1}},
        {"hp = 0 - 5", {}, {0}},
        {"C1 = 999999 + 1", {}, {999999}},
        {"C1 = -999999 - 1", {}, {-999999}},
        {"hp = (1 + 2) * 3", {}, {9}},
        {"hp = ( ( 1 + 2 ) * ( 3 + 1 ) )", {}, {12}},
        {"hp = 3 5", {}, {3}},
        {"hp = rand(5,1)", {}, {5}},
        {"hp = rand( 2 + 3 , ( 1 ) )", {}, {5}},
        {"my.hp = pl.sp", {}, {1}},
        {"life = +7", {}, {7}},
        {"hp = 12abc", {Const("12abc")}, {}},
        {"hp = 1.5", {Object("1")}, {}},
        // a wrong call ends the whole evaluation; a nested error gives 0, and the check goes on to show more
        {"hp = ( 1 / 0 ) + ( 2 % 0 )", {Divide(" 1 / 0 "), Divide(" 2 % 0 ")}, {0}},
        {"hp = ( HP ) + zz.v1", {Const("HP"), Object("zz")}, {}},
        // a variable divisor reads the scratch value, which is not 0
        {"hp = 10 / hp", {}, {10}},
        // assignments change what later reductions read
        {"C1 = C2 = 0", {}, {1}},
        {"hp = sp + ( C3 = 5 )", {}, {5, 10}},
        {"C1 = 5 C2 = C3", {}, {5, 5}},
        {"C1 = 5 C2 = C3 + 1", {}, {5, 2}},
        // groups that are not at the start of a word stay in the word
        {"hp = 2(3)", {Const("2(3)")}, {}},
        {"hp = ( 1", {kParen}, {}},
        {"hp = 1 )", {Const(")")}, {}},
    };
    for (const ExprCase& c : cases) {
        FixedRandom r{{4}};
        cExprCheck check = CheckExpr(c.code, r.Source());
        EXPECT_EQ(c.messages, Strings(check.m_Messages)) << c.code;
        EXPECT_EQ(c.messages.empty(), check.m_bPassed) << c.code;
        EXPECT_EQ(c.writes, check.m_Writes) << c.code;
    }
}

// What the Part leaves open, decided here, and what must never fault.
TEST(ExprCheck, EdgeCases) {
    struct Case {
        const char* code;
        int32_t scratch;
        std::vector<int> random;
        std::vector<std::string> messages;
        std::vector<int32_t> writes;
        int32_t value;
    };
    const Case cases[] = {
        // the scratch start value decides a variable divisor
        {"hp = 10 / sp", 1, {0}, {}, {10}, 10},
        {"hp = 10 / sp", 0, {0}, {Divide("hp = 10 / sp")}, {}, 0},
        {"hp = 10 % C1", 0, {0}, {Divide("hp = 10 % C1")}, {}, 0},
        {"C1", 77, {0}, {}, {}, 77},
        // empty texts: the whole code and empty groups
        {"", 1, {0}, {}, {}, 0},
        {"   ", 1, {0}, {}, {}, 0},
        {"hp = ( )", 1, {0}, {}, {0}, 0},
        {"()", 1, {0}, {}, {}, 0},
        // an assignment to something that is no variable writes nothing
        {"5 = 3", 1, {0}, {}, {}, 3},
        {"hp = sp = 1", 1, {0}, {}, {1}, 1},
        {"( hp ) = 7", 1, {0}, {}, {}, 7},
        {"rand(1,1) = 2000000", 1, {0}, {}, {}, 999999},
        // operators without an operand
        {"= 5", 1, {0}, {Const("=")}, {}, 0},
        {"hp =", 1, {0}, {Const("=")}, {}, 0},
        {"hp = + 5", 1, {0}, {Const("+")}, {}, 0},
        {"hp = 5 * * 2", 1, {0}, {Const("*")}, {}, 0},
        {"-", 1, {0}, {Const("-")}, {}, 0},
        {"hp = 1 + ( * )", 1, {0}, {Const("*")}, {1}, 1},
        // rand over every 32-bit value (the span wraps to 0)
        {"C1 = rand(-2147483648,2147483647)", 1, {32767}, {}, {-999999}, -999999},
        {"hp = rand(-2147483648,2147483647)", 1, {32767}, {}, {0}, 0},
        {"hp = rand(-2,2147483647)", 1, {32767}, {}, {32765}, 32765},
        {"hp = rand(3,3)", 1, {32767}, {}, {3}, 3},
        // wrapping arithmetic and the one quotient that does not fit
        {"-2147483648 / -1", 1, {0}, {}, {}, INT_MIN},
        {"-2147483648 % -1", 1, {0}, {}, {}, 0},
        {"2147483647 + 1", 1, {0}, {}, {}, INT_MIN},
        {"65536 * 65536", 1, {0}, {}, {}, 0},
        {"-2147483648 - 1", 1, {0}, {}, {}, INT_MAX},
        // numbers past 32 bits stop at the ends of the range
        {"99999999999999999999", 1, {0}, {}, {}, INT_MAX},
        {"-99999999999999999999", 1, {0}, {}, {}, INT_MIN},
        {"hp = 99999999999", 1, {0}, {}, {INT_MAX}, INT_MAX},
    };
    for (const Case& c : cases) {
        FixedRandom r{c.random};
        cExprCheck check = CheckExpr(c.code, r.Source(), c.scratch);
        EXPECT_EQ(c.messages, Strings(check.m_Messages)) << c.code;
        EXPECT_EQ(c.writes, check.m_Writes) << c.code;
        EXPECT_EQ(c.value, check.m_nValue) << c.code;
    }
}

// Only a variable on the left of "=" writes, and it writes the one scratch
// value that every variable reads.
TEST(ExprCheck, AssignmentTargets) {
    struct Case {
        const char* code;
        int32_t scratch;  // after the evaluation, from 1
    };
    const Case cases[] = {
        {"5 = 3", 1},        {"( C1 ) = 3", 1},  {"rand(2,2) = 3", 1}, {"hp = sp = 3", 1},
        {"C1 = 3", 3},       {"S9 = 0 - 4", -4}, {"getsc = 0 - 4", 0}, {"C1 = C1 * 5 + C1", 6},
        {"hp = 1 + ( sp = 7 ) + sp", 15},
    };
    for (const Case& c : cases) {
        cExprEval eval([] { return 0; });
        eval.ExprEval(c.code);
        EXPECT_TRUE(eval.Passed()) << c.code;
        EXPECT_EQ(c.scratch, eval.Scratch()) << c.code;
    }
}

// rand draws once per call, from lo to hi whichever order the arguments
// come in; a failed call draws nothing.
TEST(ExprCheck, RandomDraws) {
    struct Case {
        const char* code;
        std::vector<int> random;
        int draws;
        std::vector<int32_t> writes;
    };
    const Case cases[] = {
        {"C1 = rand(0,5)", {11}, 1, {5}},
        {"C1 = rand(0,5)", {12}, 1, {0}},
        {"C1 = rand(5,0)", {13}, 1, {1}},
        {"C1 = rand(-3,-1)", {32767}, 1, {-2}},
        {"C1 = rand(0,5) + rand(10,10)", {2, 0}, 2, {12}},
        {"C1 = rand(rand(0,1),9)", {1, 7}, 2, {8}},
        {"C1 = rand(1)", {5}, 0, {}},
        {"C5=rand(0,5)", {5}, 0, {}},
    };
    for (const Case& c : cases) {
        FixedRandom r{c.random};
        cExprCheck check = CheckExpr(c.code, r.Source());
        EXPECT_EQ(c.draws, r.draws) << c.code;
        EXPECT_EQ(c.writes, check.m_Writes) << c.code;
    }
    // A divisor from rand fails on one check and passes on the next.
    FixedRandom zero{{0}}, one{{1}};
    EXPECT_FALSE(CheckExpr("hp = 10 / rand(0,1)", zero.Source()).m_bPassed);
    EXPECT_TRUE(CheckExpr("hp = 10 / rand(0,1)", one.Source()).m_bPassed);
}

// The page's check: the error flag and every message, in order.
TEST(ExprCheck, CheckCode) {
    std::vector<std::string> shown;
    auto report = [&shown](const cString& msg) { shown.push_back(msg); };
    g_ExprError = 1;
    EXPECT_TRUE(CheckCode("hp = hp + 10", report));
    EXPECT_EQ(0, g_ExprError);
    EXPECT_TRUE(shown.empty());

    EXPECT_FALSE(CheckCode("hp = ( 1 / 0 ) + HP", report));
    EXPECT_EQ(1, g_ExprError);
    EXPECT_EQ((std::vector<std::string>{Divide(" 1 / 0 "), Const("HP")}), shown);

    shown.clear();
    EXPECT_TRUE(CheckCode("", report));
    EXPECT_EQ(0, g_ExprError);
    EXPECT_TRUE(shown.empty());
}

// Deep nesting, long texts and every byte: the check ends, reports in
// bounds and writes only its own scratch value.
TEST(ExprCheck, HostileTexts) {
    std::string deep = "hp = " + std::string(5000, '(') + "1" + std::string(5000, ')');
    FixedRandom r{{3}};
    cExprCheck check = CheckExpr(deep.c_str(), r.Source());
    EXPECT_FALSE(check.m_bPassed);

    std::string calls = "C1 =";
    for (int i = 0; i < 300; ++i) calls += " rand(0,rand(1,2)) +";
    calls += " 1";
    check = CheckExpr(calls.c_str(), r.Source());
    EXPECT_TRUE(check.m_bPassed);

    std::string bytes;
    for (int c = 1; c < 256; ++c) bytes += static_cast<char>(c);
    check = CheckExpr(bytes.c_str(), r.Source());
    EXPECT_FALSE(check.m_bPassed);

    // text after a NUL is not part of the code
    cString withNul("hp = 1");
    withNul += '\0';
    withNul += "HP";
    check = CheckExpr(withNul, r.Source());
    EXPECT_TRUE(check.m_bPassed);
    EXPECT_EQ(std::vector<int32_t>{1}, check.m_Writes);
}

}  // namespace

namespace {

// Codes put together at random from the language's words and from broken
// pieces of it: every check ends, reports exactly when it fails, and only
// ever writes values that an assignment may hold (clamped to a variable's
// range).
TEST(ExprCheck, RandomCodesNeverFault) {
    const char* const pieces[] = {
        "hp", "C1", "S255", "tg.", "my.v8", "zz.", ".", "sys.time", "score", "=", "+", "-", "*", "/", "%",
        "(", ")", "( ", " )", "rand(", ",", "rand(0,0)", "rand(-2147483648,2147483647)", "0", "-1",
        "2147483647", "-2147483648", "99999999999", "+", "--", "()", "((", "))", "\t", "abc", "HP", "",
    };
    const int count = sizeof pieces / sizeof pieces[0];
    unsigned seed = 12345;
    auto next = [&seed] {
        seed = seed * 1103515245u + 12345u;
        return static_cast<int>((seed >> 16) & 0x7FFF);
    };
    for (int n = 0; n < 4000; ++n) {
        std::string code;
        const int words = 1 + next() % 12;
        for (int w = 0; w < words; ++w) {
            code += pieces[next() % count];
            if (next() % 3) code += ' ';
        }
        FixedRandom r{{next(), next(), next()}};
        cExprCheck check = CheckExpr(code.c_str(), r.Source(), next() % 3 - 1);
        EXPECT_EQ(check.m_Messages.empty(), check.m_bPassed) << code;
        for (int32_t v : check.m_Writes) {
            EXPECT_GE(v, -999999) << code;
        }
    }
}

}  // namespace
