#include <gtest/gtest.h>

#include <vector>

#include "base/platform.h"
#include "base/timing.h"

namespace {

uint32_t g_FakeNow = 0;
uint32_t FakeClock() { return g_FakeNow; }

class FramePacing : public ::testing::Test {
protected:
    void SetUp() override { SetFrameClock(FakeClock); }
    void TearDown() override { SetFrameClock(nullptr); }
};

// The times at which a tight loop of WaitFrame(fps) over [from, to) ms is
// granted a frame.
std::vector<uint32_t> Grants(uint32_t fps, uint32_t from, uint32_t to) {
    std::vector<uint32_t> times;
    for (g_FakeNow = from; g_FakeNow != to; ++g_FakeNow) {
        if (WaitFrame(fps)) times.push_back(g_FakeNow);
    }
    return times;
}

}  // namespace

TEST_F(FramePacing, SixtyFramesGrantOneEverySixteenMilliseconds) {
    EXPECT_EQ((std::vector<uint32_t>{1000, 1016, 1032, 1048, 1064, 1080, 1096}), Grants(60, 1000, 1100));
}

TEST_F(FramePacing, LatenessIsNotMadeUp) {
    g_FakeNow = 0;
    EXPECT_TRUE(WaitFrame(60));
    g_FakeNow = 40;  // a slow frame
    EXPECT_TRUE(WaitFrame(60));
    g_FakeNow = 41;
    EXPECT_FALSE(WaitFrame(60));
    g_FakeNow = 55;
    EXPECT_FALSE(WaitFrame(60));
    g_FakeNow = 56;
    EXPECT_TRUE(WaitFrame(60));
}

TEST_F(FramePacing, ZeroFramesPerSecondIsNeverPaced) {
    g_FakeNow = 5;
    for (int i = 0; i < 5; ++i) EXPECT_TRUE(WaitFrame(0));
}

TEST_F(FramePacing, ClockWrapAroundDoesNotStallTheLoop) {
    EXPECT_EQ((std::vector<uint32_t>{0xFFFFFFF0u, 0u, 16u}), Grants(60, 0xFFFFFFF0u, 20u));
}

TEST_F(FramePacing, CountFpsGivesTheLastCompletedSecond) {
    std::vector<int> results;
    // 10 ms frames from 0 to 990: 100 frames; 25 ms frames in the next second.
    for (g_FakeNow = 0; g_FakeNow < 1000; g_FakeNow += 10) {
        EXPECT_EQ(0, CountFps()) << g_FakeNow;
    }
    g_FakeNow = 1000;
    EXPECT_EQ(100, CountFps());  // closes the window, counted in neither
    for (g_FakeNow = 1025; g_FakeNow < 2000; g_FakeNow += 25) {
        EXPECT_EQ(100, CountFps()) << g_FakeNow;
    }
    g_FakeNow = 2000;
    EXPECT_EQ(39, CountFps());
}

TEST(FrameClock, TheSystemClockPacesForReal) {
    SetFrameClock(nullptr);
    const uint32_t start = MilliClock();
    EXPECT_TRUE(WaitFrame(60));
    for (int frame = 0; frame < 3; ++frame) {
        while (!WaitFrame(60)) {
        }
    }
    EXPECT_GE(MilliClock() - start, 48u);
}

TEST(Shutdown, ReleasingSoundObjectsIsHarmlessAtAnyTime) {
    // No sound-effect buffer objects exist: the call returns, also twice.
    ReleaseSoundObjects();
    ReleaseSoundObjects();
    SUCCEED();
}
