// The editor's idle step with a database-like sheet open: on its first two
// pages (the animation previews) the step paces itself on the frame clock
// and never blocks on the queue; without such a sheet it waits for a
// message first. Each step runs the per-frame operations and draws the
// sheet's current page.
#include <windows.h>

#include <atomic>
#include <thread>

#include "app/shell.h"
#include "app/shell_hooks.h"
#include "app/stage_editor.h"
#include "base/timing.h"
#include "tests/ui/test_dialogs.h"

namespace {

uint32_t s_Ticks = 0;
int s_ClockReads = 0;
uint32_t FakeClock() {
    ++s_ClockReads;
    return ++s_Ticks;
}

// Wakes the test thread after a while, in case the step blocked on an empty
// queue; the test then fails instead of hanging.
class Watchdog {
public:
    Watchdog() : m_Thread(GetCurrentThreadId()) {
        m_Worker = std::thread([this] {
            for (int i = 0; i < 300 && !m_Done; ++i) Sleep(10);
            if (!m_Done) {
                m_Fired = true;
                PostThreadMessageA(m_Thread, WM_NULL, 0, 0);
            }
        });
    }
    ~Watchdog() {
        m_Done = true;
        m_Worker.join();
    }
    bool Fired() const { return m_Fired; }

private:
    DWORD m_Thread;
    std::atomic<bool> m_Done{false}, m_Fired{false};
    std::thread m_Worker;
};

void DrainQueue() {
    MSG m;
    while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&m);
        DispatchMessageA(&m);
    }
}

class ShellIdleTest : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        m_Owner.RunModeless(0, 1);
        m_Sheet = new cTestSheet(&m_Owner, &m_SheetVar, 2);
        m_SheetVar = m_Sheet;
        m_Sheet->Open("データベース");
        PumpUntilIdle(30);
        g_StageEditor = &m_Editor;
        g_AppActive = 1;
        SetFrameClock(FakeClock);
    }
    void TearDown() override {
        SetFrameClock(nullptr);
        g_StageEditor = nullptr;
        g_AppActive = 0;
        delete m_SheetVar;
        m_Owner.DestroyModeless();
        GuiTest::TearDown();
    }
    cTestDlg m_Owner{IDD_TEST_PLAIN, nullptr, kWndDialog, &g_WndRegistry};
    cTestSheet* m_Sheet = nullptr;
    cPropSheet* m_SheetVar = nullptr;  // the registry clears it
    cStageEditorDlg m_Editor{104, nullptr, kWndDialog, nullptr};
};

}  // namespace

TEST_F(ShellIdleTest, AnimationPagesArePacedWithoutWaitingForMessages) {
    m_Editor.m_pDatabaseSheet = m_Sheet;
    for (int page : {0, 1}) {
        SCOPED_TRACE(page);
        m_Sheet->SetCurPage(page);
        PumpUntilIdle(20);
        DrainQueue();
        SetFrameClock(FakeClock);
        s_Ticks = 0;
        Watchdog dog;
        g_App.OnIdle();  // the limiter's first frame is due at once
        const uint32_t first = s_Ticks;
        g_App.OnIdle();
        EXPECT_FALSE(dog.Fired()) << "the step waited for a message";
        EXPECT_EQ(1000u / 60u, s_Ticks - first) << "one frame every 16 ms";
    }
    m_Editor.m_pDatabaseSheet = nullptr;
}

// Here the step waits for the next message (the watchdog's at the latest;
// the sheet's own messages may come first) and never paces on the clock.
TEST_F(ShellIdleTest, WithoutAnAnimationPageTheStepWaitsInsteadOfPacing) {
    m_Editor.m_pDatabaseSheet = nullptr;
    DrainQueue();
    s_ClockReads = 0;
    Watchdog dog;
    g_App.OnIdle();
    EXPECT_EQ(0, s_ClockReads);
}

TEST_F(ShellIdleTest, EachStepRunsTheFrameOperationsAndDrawsTheSheet) {
    m_Editor.m_pDatabaseSheet = m_Sheet;
    m_Sheet->SetCurPage(1);
    PumpUntilIdle(20);
    DrainQueue();
    const int framesBefore = m_Owner.m_nFrames;
    const int drawsBefore = m_Sheet->m_lpPageB->m_nDraws;
    g_App.OnIdle();
    g_App.OnIdle();
    EXPECT_EQ(framesBefore + 2, m_Owner.m_nFrames);
    EXPECT_EQ(drawsBefore + 2, m_Sheet->m_lpPageB->m_nDraws);
    m_Editor.m_pDatabaseSheet = nullptr;
}

// A palette window that only counts its drawing.
class cCountingPalette : public cWnd {
public:
    void Draw() override { ++m_nDraws; }
    int m_nDraws = 0;
};

TEST_F(ShellIdleTest, SheetsOpenFromPaletteWindowsAreDrawnEachStep) {
    m_Sheet->SetCurPage(1);
    PumpMessages(20);
    DrainQueue();
    cCountingPalette stageChara;
    // a sheet whose palette window is gone is not drawn
    SetPaletteSheet(4, m_Sheet);
    int draws = m_Sheet->m_lpPageB->m_nDraws;
    g_App.OnIdle();
    EXPECT_EQ(draws, m_Sheet->m_lpPageB->m_nDraws);
    // with its window, each step draws its current page after the frame step
    m_Editor.m_pPalette[4] = &stageChara;
    g_App.OnIdle();
    g_App.OnIdle();
    EXPECT_EQ(draws + 2, m_Sheet->m_lpPageB->m_nDraws);
    EXPECT_EQ(2, stageChara.m_nDraws) << "and the palette window itself";
    // closed: no longer drawn
    SetPaletteSheet(4, nullptr);
    draws = m_Sheet->m_lpPageB->m_nDraws;
    g_App.OnIdle();
    EXPECT_EQ(draws, m_Sheet->m_lpPageB->m_nDraws);
    EXPECT_EQ(nullptr, PaletteSheet(4));
    EXPECT_EQ(nullptr, PaletteSheet(6));
    m_Editor.m_pPalette[4] = nullptr;
}
