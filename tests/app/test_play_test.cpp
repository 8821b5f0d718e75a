// Test play of the whole game with the stand-in game program: how it is
// started, its report, a game that ends without its report, and the refusals.
#include <gtest/gtest.h>

#include <windows.h>

#include <tlhelp32.h>

#include <string>

#include "app/mainframe.h"
#include "app/shell.h"
#include "app/stage_edit.h"
#include "app/stage_editor.h"
#include "app/stage_editor_res.h"
#include "model/prjoption.h"
#include "tests/support/box_catcher.h"
#include "tests/support/gui.h"
#include "tests/support/test_env.h"

extern cPrjOption g_PrjOption;

namespace {

LRESULT CALLBACK ReportWndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_COPYDATA) {
        g_AppWnd.OnCopyData(reinterpret_cast<HWND>(wp), reinterpret_cast<const COPYDATASTRUCT*>(lp));
        return 0;
    }
    return DefWindowProcA(hwnd, msg, wp, lp);
}

bool GameProcessRuns() {
    HANDLE snap = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    PROCESSENTRY32 pe = {};
    pe.dwSize = sizeof pe;
    bool found = false;
    for (BOOL ok = Process32First(snap, &pe); ok; ok = Process32Next(snap, &pe))
        if (lstrcmpiA(pe.szExeFile, "game.exe") == 0) found = true;
    CloseHandle(snap);
    return found;
}

int LogLines() {
    const std::string log = ReadWholeFile("gamestub.log");
    int n = 0;
    for (char c : log) n += c == '\n';
    return n;
}

// The application window as the game finds it (class "Vantor4"), handing the
// report to the shell's handler; the project options and run state restored.
class TestPlayFixture : public ::testing::Test {
protected:
    void SetUp() override {
        WNDCLASSA wc = {};
        wc.lpfnWndProc = ReportWndProc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = "Vantor4";
        RegisterClassA(&wc);
        m_Wnd = CreateWindowExA(0, "Vantor4", "", WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr, wc.hInstance,
                                nullptr);
        ASSERT_NE(m_Wnd, nullptr);
        m_Saved = g_AppWnd.m_hWnd;
        g_AppWnd.m_hWnd = m_Wnd;
        m_AutoGame = g_PrjOption.m_bAutoGame;
        g_PrjOption.m_bAutoGame = 1;
        g_GameRunning = 0;
        g_StageEdit.m_bOpen = 0;
        DeleteFileA("gamestub.log");
        DeleteFileA("gamestub.noreport");
        ASSERT_TRUE(CopyFileA(GAMESTUB_EXE, "game.exe", FALSE));
    }
    void TearDown() override {
        PumpUntil([] { return !GameProcessRuns(); }, 10000);
        DeleteFileA("game.exe");
        DeleteFileA("gamestub.noreport");
        DeleteFileA("gamestub.wait");
        g_PrjOption.m_bAutoGame = m_AutoGame;
        g_AppWnd.m_hWnd = m_Saved;
        g_GameRunning = 0;
        g_AppActive = 1;
        DestroyWindow(m_Wnd);
        UnregisterClassA("Vantor4", GetModuleHandleA(nullptr));
    }
    HWND m_Wnd = nullptr;
    HWND m_Saved = nullptr;
    int32_t m_AutoGame = 0;
};

TEST_F(TestPlayFixture, WholeGameStartsWithoutParametersAndTheReportEndsTheRun) {
    BoxCatcher boxes;
    cStageEditorDlg dlg(IDD_STAGE_EDITOR, nullptr, kWndDialog, nullptr);
    dlg.TestPlay(1);
    EXPECT_TRUE(boxes.Take().empty());
    EXPECT_EQ(0, g_AppActive);
    ASSERT_TRUE(PumpUntil([] { return g_GameRunning == 0; }, 15000)) << "no report arrived";
    const std::string log = ReadWholeFile("gamestub.log");
    EXPECT_EQ(0u, log.find("args=[] dir=[")) << log;
}

TEST_F(TestPlayFixture, GameEndingWithoutReportDoesNotBlockTheNextTestPlay) {
    BoxCatcher boxes;
    cStageEditorDlg dlg(IDD_STAGE_EDITOR, nullptr, kWndDialog, nullptr);
    ASSERT_TRUE(WriteWholeFile("gamestub.noreport", ""));
    dlg.TestPlay(1);
    ASSERT_TRUE(PumpUntil([] { return LogLines() == 1 && !GameProcessRuns(); }, 15000));
    EXPECT_EQ(1, g_GameRunning);  // no report came
    DeleteFileA("gamestub.noreport");
    dlg.TestPlay(1);
    EXPECT_TRUE(boxes.Take().empty());
    ASSERT_TRUE(PumpUntil([] { return g_GameRunning == 0; }, 15000));
    EXPECT_EQ(2, LogLines());
}

TEST_F(TestPlayFixture, NoGameProgramIsRefused) {
    cStageEditorDlg dlg(IDD_STAGE_EDITOR, nullptr, kWndDialog, nullptr);
    DeleteFileA("game.exe");
    BoxCatcher boxes;
    dlg.TestPlay(1);
    const std::vector<CaughtBox> shown = boxes.Take();
    ASSERT_EQ(1u, shown.size());
    EXPECT_EQ("ゲームプログラムが見つかりません！", shown[0].text);
    EXPECT_EQ(0, g_GameRunning);
    EXPECT_FALSE(FileExists("gamestub.log"));
}

TEST_F(TestPlayFixture, SecondStartWhileTheGameRunsIsRefused) {
    cStageEditorDlg dlg(IDD_STAGE_EDITOR, nullptr, kWndDialog, nullptr);
    ASSERT_TRUE(WriteWholeFile("gamestub.wait", ""));
    BoxCatcher boxes;
    dlg.TestPlay(1);
    ASSERT_TRUE(PumpUntil([] { return LogLines() == 1; }, 15000));
    dlg.TestPlay(1);
    const std::vector<CaughtBox> shown = boxes.Take();
    ASSERT_EQ(1u, shown.size());
    EXPECT_EQ("二重起動はできません！", shown[0].text);
    EXPECT_EQ(1, g_GameRunning);
    DeleteFileA("gamestub.wait");
    ASSERT_TRUE(PumpUntil([] { return g_GameRunning == 0; }, 15000));
    EXPECT_EQ(1, LogLines());
}

}  // namespace
