#include <gtest/gtest.h>

#include <string>

#include "base/containers.h"
#include "base/log.h"
#include "base/str.h"
#include "tests/support/test_env.h"

namespace {

class CheckedAccess : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(1, CreateReportLog("Report_Editor.txt"));
        SetErrorLog(1, "RI_Zedevu.txt");
        g_ErrorLog.writtenOnce = 0;
    }
    void TearDown() override { SetErrorLog(0, "RI_Zedevu.txt"); }
    static std::string Lines(const char* path) {
        std::string s = ReadWholeFile(path);
        std::string out;
        for (char c : s) {
            if (c != '\r') out += c;
        }
        return out;
    }
    TestAppWindow app;
};

}  // namespace

TEST_F(CheckedAccess, BadVectorIndexIsLoggedClosesAndGivesFirstElement) {
    for (int index : {-1, 3, 4}) {
        SetUp();
        cVector<int32_t> v;
        v.push_back(10);
        v.push_back(20);
        v.push_back(30);
        EXPECT_EQ(10, v[index]);
        cString expected;
        expected.Format("err V[%d] ( 3 , 4 )\n", index);
        EXPECT_EQ(expected, Lines("Report_Editor.txt")) << index;
        EXPECT_EQ(expected, Lines("RI_Zedevu.txt")) << index;
        EXPECT_TRUE(app.TakeCloseRequest()) << index;
    }
}

#ifdef _WIN32
TEST_F(CheckedAccess, TheCloseVariantIsChosenByTheCaller) {
    cVector<int16_t> v(2);
    v.At(5, kClosePost);
    EXPECT_TRUE(app.TakeClosePosted());
    EXPECT_FALSE(app.Destroyed());
    v[5];
    EXPECT_TRUE(app.Destroyed());
}
#endif

TEST_F(CheckedAccess, EmptyVectorGivesAFreshDefaultElement) {
    cVector<std::string> v;
    v[0] = "garbage";
    EXPECT_EQ("", v[2]);
    EXPECT_TRUE(app.TakeCloseRequest());
    EXPECT_NE(std::string::npos, Lines("Report_Editor.txt").find("err V[2] ( 0 , "));
}

TEST_F(CheckedAccess, BadListIndexGivesTheSameDefaultElement) {
    cList<int32_t> l;
    l.push_back(1);
    l.push_back(2);
    EXPECT_EQ(2, l[1]);
    int32_t& a = l[2];
    int32_t& b = l[-1];
    EXPECT_EQ(&a, &b);
    EXPECT_EQ(0, a);
    EXPECT_EQ("err L[2] ( 2 , 4 )\nerr L[-1] ( 2 , 4 )\n", Lines("Report_Editor.txt"));
    EXPECT_EQ(Lines("Report_Editor.txt"), Lines("RI_Zedevu.txt"));
    EXPECT_TRUE(app.TakeCloseRequest());
}

TEST(Vector, InsertAt) {
    struct Case {
        std::vector<int> start;
        int index;
        std::vector<int> expected;
    };
    const Case cases[] = {
        {{}, 0, {9}},
        {{1, 2}, 2, {1, 2, 9}},
        {{1, 2}, 1, {1, 9, 2}},
        {{1, 2}, 0, {9, 1, 2}},
        {{1, 2}, 7, {1, 2, 9}},
    };
    for (const Case& c : cases) {
        cVector<int> v;
        v.assign(c.start.begin(), c.start.end());
        v.InsertAt(c.index, 9);
        EXPECT_EQ(c.expected, std::vector<int>(v.begin(), v.end())) << c.index;
    }
}

TEST(Vector, EraseAt) {
    cVector<int> v;
    v.assign({0, 1, 2, 3});
    EXPECT_FALSE(v.EraseAt(-1));
    EXPECT_EQ(4u, v.size());
    EXPECT_FALSE(v.EraseAt(2, 3));  // erases 2 and 3, then runs out
    EXPECT_EQ((std::vector<int>{0, 1}), std::vector<int>(v.begin(), v.end()));
    EXPECT_TRUE(v.EraseAt(0, 0));
    EXPECT_TRUE(v.EraseAt(0, 2));
    EXPECT_TRUE(v.empty());
}

TEST(Vector, AssignFillReset) {
    cVector<int> a, b;
    a.assign({1, 2, 3});
    b.assign({7});
    b = a;
    EXPECT_EQ(a, b);
    b.Fill(5);
    EXPECT_EQ((std::vector<int>{5, 5, 5}), std::vector<int>(b.begin(), b.end()));
    b.Reset(2);
    EXPECT_EQ((std::vector<int>{0, 0}), std::vector<int>(b.begin(), b.end()));
}
