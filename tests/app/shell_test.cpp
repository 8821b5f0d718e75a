// The application shell in process: the default data copy, the application
// window's messages (the game's report, activation, closing, system
// commands, the stage editor rebuild) and the idle step without an editor.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "app/mainframe.h"
#include "app/shell.h"
#include "app/shell_hooks.h"
#include "app/stage_edit.h"
#include "app/stage_editor.h"
#include "base/appwnd.h"
#include "tests/support/gui.h"
#include "tests/support/test_env.h"

namespace {

// Answers every message box of this thread with one button, keeping the
// texts it was shown.
class BoxAnswerer {
public:
    explicit BoxAnswerer(int button) {
        s_Button = button;
        s_Seen.clear();
        m_Hook = SetWindowsHookExA(WH_CALLWNDPROCRET, Proc, nullptr, GetCurrentThreadId());
    }
    ~BoxAnswerer() { UnhookWindowsHookEx(m_Hook); }
    static std::vector<std::string> s_Seen;

private:
    static LRESULT CALLBACK Proc(int code, WPARAM wp, LPARAM lp) {
        const CWPRETSTRUCT* m = reinterpret_cast<const CWPRETSTRUCT*>(lp);
        if (code == HC_ACTION && m->message == WM_INITDIALOG && GetDlgItem(m->hwnd, 0xFFFF)) {
            char caption[256] = "", text[1024] = "";
            GetWindowTextA(m->hwnd, caption, sizeof caption);
            GetDlgItemTextA(m->hwnd, 0xFFFF, text, sizeof text);
            s_Seen.push_back(std::string(caption) + "|" + text);
            PostMessageA(m->hwnd, WM_COMMAND, MAKEWPARAM(s_Button, BN_CLICKED), 0);
        }
        return CallNextHookEx(nullptr, code, wp, lp);
    }
    static int s_Button;
    HHOOK m_Hook;
};
std::vector<std::string> BoxAnswerer::s_Seen;
int BoxAnswerer::s_Button = IDOK;

const char kQuestion[] = "デフォルトデータ作成の確認|データが存在しません！デフォルトデータを作成しますか？\n";

void MakeFolder(const char* path) {
    CreateDirectoryA(path, nullptr);
}

void RemoveTree(const char* path) {
    char from[MAX_PATH + 2] = {};
    lstrcpynA(from, path, MAX_PATH);
    SHFILEOPSTRUCTA op = {};
    op.wFunc = FO_DELETE;
    op.pFrom = from;
    op.fFlags = FOF_SILENT | FOF_NOCONFIRMATION | FOF_NOERRORUI;
    SHFileOperationA(&op);
}

}  // namespace

TEST(CopyDefaultData, AsksOnlyWhenDataIsMissingAndDefaultExists) {
    struct Case {
        const char* name;
        bool data, def;
        int answer;
        bool result, asked, copied;
    };
    const Case cases[] = {
        {"data present", true, true, IDYES, true, false, false},
        {"data present, no default", true, false, IDYES, true, false, false},
        {"neither", false, false, IDYES, false, false, false},
        {"declined", false, true, IDNO, false, true, false},
        {"accepted", false, true, IDYES, true, true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        RemoveTree("data");
        RemoveTree("default");
        if (c.data) MakeFolder("data");
        if (c.def) {
            MakeFolder("default");
            MakeFolder("default\\database");
            WriteWholeFile("default\\System.dat", "sys");
            WriteWholeFile("default\\database\\Bgm.dat", "bgm");
        }
        BoxAnswerer answer(c.answer);
        EXPECT_EQ(c.result, CopyDefaultData(nullptr));
        EXPECT_EQ(c.asked ? std::vector<std::string>{kQuestion} : std::vector<std::string>{}, BoxAnswerer::s_Seen);
        EXPECT_EQ(c.copied, FileExists("data\\database\\Bgm.dat"));
        if (c.copied) {
            EXPECT_EQ("sys", ReadWholeFile("data\\System.dat"));
            EXPECT_FALSE(FileExists("data\\default")) << "the folder's contents are copied, not the folder";
        }
        if (!c.data && !c.copied) {
            EXPECT_FALSE(FileExists("data"));
        }
    }
    RemoveTree("data");
    RemoveTree("default");
}

TEST(MainFrame, TakesTheGamesReportOnlyWhenItHoldsANonZeroInt) {
    const int32_t one = 1, zero = 0;
    const char shortData[2] = {1, 0};
    struct Case {
        const char* name;
        ULONG_PTR dwData;
        DWORD cbData;
        const void* lpData;
        bool taken;
    };
    const Case cases[] = {
        {"report", 0, sizeof one, &one, true},
        {"longer report", 0, 16, "\x01\0\0\0abcdefghijkl", true},
        {"zero", 0, sizeof zero, &zero, false},
        {"other kind", 1, sizeof one, &one, false},
        {"too short", 0, sizeof shortData, shortData, false},
        {"empty", 0, 0, &one, false},
        {"no data", 0, sizeof one, nullptr, false},
    };
    g_StageEdit.m_strPath = "";
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        g_GameRunning = 1;
        COPYDATASTRUCT cds = {c.dwData, c.cbData, const_cast<void*>(c.lpData)};
        g_AppWnd.OnCopyData(nullptr, &cds);
        EXPECT_EQ(c.taken ? 0 : 1, g_GameRunning);
    }
    g_GameRunning = 1;
    g_AppWnd.OnCopyData(nullptr, nullptr);
    EXPECT_EQ(1, g_GameRunning);
    g_GameRunning = 0;
}

namespace {

// An application window of the shell's own window procedure, standing in
// for the one start-up makes.
class ShellWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        WNDCLASSEXA wc = {};
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = MainFrameProc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = "ShellTestFrame";
        RegisterClassExA(&wc);
        m_KeepMain = g_MainWnd;
        m_Wnd = CreateWindowExA(0, "ShellTestFrame", "frame", WS_OVERLAPPED, 9999, 9999, 1, 1, nullptr, nullptr,
                                wc.hInstance, nullptr);
        ASSERT_NE(nullptr, m_Wnd);
        g_AppWnd.m_hWnd = m_Wnd;
        g_MainWnd = m_Wnd;
    }
    void TearDown() override {
        SafeDeleteEditor();
        if (IsWindow(m_Wnd)) DestroyWindow(m_Wnd);
        DropQuit();
        g_AppWnd.m_hWnd = nullptr;
        g_MainWnd = m_KeepMain;
        g_StageEditor = nullptr;
    }
    void SafeDeleteEditor() {
        delete g_AppWnd.m_pStageEditor;
        g_AppWnd.m_pStageEditor = nullptr;
    }
    // The frame's destruction posts WM_QUIT; it must not end a later pump.
    static bool DropQuit() {
        MSG m;
        bool quit = false;
        while (PeekMessageA(&m, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) quit = true;
        return quit;
    }
    HWND m_Wnd = nullptr;
    HWND m_KeepMain = nullptr;
};

}  // namespace

TEST_F(ShellWindowTest, MovingTheWindowReenablesTheIdleStep) {
    g_AppActive = 0;
    SetWindowPos(m_Wnd, nullptr, 9990, 9990, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_EQ(1, g_AppActive);
    SendMessageA(m_Wnd, WM_ACTIVATEAPP, 0, 0);
    EXPECT_EQ(0, g_AppActive);
}

TEST_F(ShellWindowTest, SystemCommandsAreSwallowed) {
    SendMessageA(m_Wnd, WM_SYSCOMMAND, SC_CLOSE, 0);
    SendMessageA(m_Wnd, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    EXPECT_TRUE(IsWindow(m_Wnd));
    EXPECT_FALSE(IsIconic(m_Wnd));
}

TEST_F(ShellWindowTest, EscapeAsksBeforeEnding) {
    {
        BoxAnswerer no(IDNO);
        SendMessageA(m_Wnd, WM_KEYDOWN, VK_ESCAPE, 0);
        PumpUntil([] { return !BoxAnswerer::s_Seen.empty(); });
        PumpMessages(50);
        EXPECT_EQ(std::vector<std::string>{"終了確認|終了しますか？\n"}, BoxAnswerer::s_Seen);
        EXPECT_TRUE(IsWindow(m_Wnd));
    }
    {
        BoxAnswerer yes(IDYES);
        PostMessageA(m_Wnd, WM_CLOSE, 0, 0);
        PumpUntil([this] { return !IsWindow(m_Wnd); });
        EXPECT_FALSE(IsWindow(m_Wnd));
        EXPECT_TRUE(DropQuit()) << "destroying the application window ends the main loop";
    }
}

TEST_F(ShellWindowTest, RebuildKeepsTheStageButStartsTheEditingAfresh) {
    g_AppWnd.CreateStageEditor();
    g_StageEditor = g_AppWnd.m_pStageEditor;
    ASSERT_NE(nullptr, g_StageEditor);
    const HWND before = g_StageEditor->m_hWnd;
    ASSERT_TRUE(IsWindow(before));

    g_StageEdit.m_strPath = "data\\stg4\\a.stg4_248";
    g_StageEdit.m_bOpen = 1;
    g_StageEdit.m_bModified = 1;
    g_StageEdit.m_nLayer = 2;
    g_StateStack.m_Entries.resize(3);
    g_StateStack.m_Depth = 2;

    SendMessageA(m_Wnd, WM_USER, 1, 0);

    EXPECT_FALSE(IsWindow(before));
    ASSERT_NE(nullptr, g_StageEditor);
    EXPECT_EQ(g_AppWnd.m_pStageEditor, g_StageEditor);
    ASSERT_TRUE(IsWindow(g_StageEditor->m_hWnd));
    EXPECT_EQ(m_Wnd, GetWindow(g_StageEditor->m_hWnd, GW_OWNER));
    char title[256] = "";
    GetWindowTextA(g_StageEditor->m_hWnd, title, sizeof title);
    EXPECT_STREQ("ヴァントール4  data\\stg4\\a.stg4_248", title);
    EXPECT_EQ("data\\stg4\\a.stg4_248", g_StageEdit.m_strPath);
    EXPECT_EQ(1, g_StageEdit.m_bOpen);
    EXPECT_EQ(0, g_StageEdit.m_bModified);
    EXPECT_EQ(0, g_StageEdit.m_nLayer);
    EXPECT_EQ(1u, g_StateStack.m_Entries.size());
    EXPECT_EQ(0, g_StateStack.m_Depth);
    g_StageEdit.Reset();
}

TEST_F(ShellWindowTest, MinimisingHidesTheEditorAndRestoringShowsIt) {
    g_AppWnd.CreateStageEditor();
    g_StageEditor = g_AppWnd.m_pStageEditor;
    const HWND editor = g_StageEditor->m_hWnd;
    SendMessageA(editor, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    EXPECT_FALSE(IsWindowVisible(editor));
    EXPECT_EQ(1, g_StageEditor->m_bMinimized);
    g_FocusRestore = 0;
    SendMessageA(m_Wnd, WM_SYSCOMMAND, SC_RESTORE, 0);
    EXPECT_TRUE(IsWindowVisible(editor));
    EXPECT_EQ(0, g_StageEditor->m_bMinimized);
    EXPECT_EQ(1, g_FocusRestore);
    g_FocusRestore = 0;
}

TEST(Idle, DoesNothingWithoutAStageEditor) {
    g_StageEditor = nullptr;
    g_AppActive = 1;
    const DWORD start = GetTickCount();
    g_App.OnIdle();  // must not wait for a message
    EXPECT_LT(GetTickCount() - start, 1000u);
    EXPECT_EQ(1, g_AppActive);
    g_AppActive = 0;
}
