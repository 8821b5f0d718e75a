#include "base/timing.h"

#include "base/platform.h"

namespace {

FrameClock g_FrameClock = nullptr;

struct sFpsCounter {
    bool started;
    uint32_t windowStart;
    int frames;
    int result;
    uint32_t lastCall;
};
sFpsCounter g_Fps = {};

struct sFrameLimiter {
    bool started;
    uint32_t nextFrame;
    uint32_t lastCall;
};
sFrameLimiter g_Limiter = {};

uint32_t Now() {
    return g_FrameClock ? g_FrameClock() : MilliClock();
}

uint32_t g_StartTime = 0;

}  // namespace

uint32_t MarkStartTime() {
    g_StartTime = Now();
    return g_StartTime;
}

uint32_t StartTime() {
    return g_StartTime;
}

void SetFrameClock(FrameClock clock) {
    g_FrameClock = clock;
    g_Fps = sFpsCounter();
    g_Limiter = sFrameLimiter();
}

int CountFps() {
    const uint32_t now = Now();
    if (!g_Fps.started) {
        g_Fps.started = true;
        g_Fps.windowStart = now;
    }
    g_Fps.lastCall = now;
    if (now - g_Fps.windowStart < 1000) {
        ++g_Fps.frames;
        return g_Fps.result;
    }
    g_Fps.windowStart = now;
    g_Fps.result = g_Fps.frames;
    g_Fps.frames = 0;
    return g_Fps.result;
}

bool WaitFrame(uint32_t fps) {
    const uint32_t now = Now();
    if (!g_Limiter.started) {
        g_Limiter.started = true;
        g_Limiter.nextFrame = now;
    }
    g_Limiter.lastCall = now;
    if (fps == 0) return true;
    // The difference, not the plain values, tells which comes first, so the
    // clock's wrap-around does not stall the loop for 49 days.
    if (static_cast<int32_t>(now - g_Limiter.nextFrame) < 0) return false;
    g_Limiter.nextFrame = now + 1000 / fps;
    return true;
}

void ReleaseSoundObjects() {}
