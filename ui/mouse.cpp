#include "ui/mouse.h"

#include <windows.h>

namespace {
int g_LeftLatch = 0;
int g_RightLatch = 0;

int PressEdge(int down, int* latch) {
    if (!down) {
        *latch = 0;
        return 0;
    }
    if (*latch) return 0;
    *latch = 1;
    return 1;
}
}  // namespace

void ResetMouseLatches() {
    g_LeftLatch = 0;
    g_RightLatch = 0;
}

int cMouseState::Update(int flags) {
    int prevL = m_bLDown;
    int prevR = m_bRDown;
    if (flags & kButtons) {
        m_bLDown = (GetAsyncKeyState(VK_LBUTTON) & 0x8000) ? 1 : 0;
        m_bRDown = (GetAsyncKeyState(VK_RBUTTON) & 0x8000) ? 1 : 0;
    }
    if (flags & kPresses) {
        m_bLPress = PressEdge(m_bLDown, &g_LeftLatch);
        m_bRPress = PressEdge(m_bRDown, &g_RightLatch);
    }
    if (flags & kReleases) {
        m_bLRelease = (prevL == 1 && m_bLDown == 0) ? 1 : 0;
        m_bRRelease = (prevR == 1 && m_bRDown == 0) ? 1 : 0;
    }
    return 1;
}
