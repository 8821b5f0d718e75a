#include <windows.h>

#include <gtest/gtest.h>

#include <dlgs.h>

#include <algorithm>
#include <functional>
#include <string>

#include "base/paths_win32.h"
#include "tests/support/test_env.h"

namespace {

std::string CurrentFolder() {
    char cur[MAX_PATH];
    GetCurrentDirectoryA(sizeof cur, cur);
    return cur;
}

// Works a modal dialog of this thread from a second thread, as a user would:
// waits for the dialog window, hands it to the action, and cancels the dialog
// when the action did not close it.
class DialogDriver {
public:
    explicit DialogDriver(std::function<void(HWND)> action)
        : m_Action(std::move(action)), m_UiThread(GetCurrentThreadId()) {
        m_Thread = CreateThread(nullptr, 0, Run, this, 0, nullptr);
    }
    ~DialogDriver() {
        WaitForSingleObject(m_Thread, INFINITE);
        CloseHandle(m_Thread);
    }
    bool Found() const { return m_Dialog != nullptr; }

private:
    static DWORD WINAPI Run(void* arg) {
        DialogDriver* self = static_cast<DialogDriver*>(arg);
        JoinTestDesktop();
        for (int i = 0; i < 1000 && !self->m_Dialog; ++i) {
            Sleep(10);
            EnumWindows(FindDialog, reinterpret_cast<LPARAM>(self));
        }
        if (!self->m_Dialog) return 0;
        Sleep(200);  // let the dialog finish its start-up
        self->m_Action(self->m_Dialog);
        for (int i = 0; i < 500 && IsWindow(self->m_Dialog); ++i) Sleep(10);
        if (IsWindow(self->m_Dialog)) PostMessageA(self->m_Dialog, WM_COMMAND, IDCANCEL, 0);
        return 0;
    }
    static BOOL CALLBACK FindDialog(HWND wnd, LPARAM lp) {
        DialogDriver* self = reinterpret_cast<DialogDriver*>(lp);
        char cls[32] = "";
        GetClassNameA(wnd, cls, sizeof cls);
        if (GetWindowThreadProcessId(wnd, nullptr) == self->m_UiThread && IsWindowVisible(wnd) &&
            strcmp(cls, "#32770") == 0) {
            self->m_Dialog = wnd;
            return FALSE;
        }
        return TRUE;
    }

    std::function<void(HWND)> m_Action;
    DWORD m_UiThread;
    HANDLE m_Thread;
    HWND m_Dialog = nullptr;
};

void Click(HWND dlg, int id) {
    HWND button = GetDlgItem(dlg, id);
    ASSERT_NE(nullptr, button) << id;
    SendMessageA(button, BM_CLICK, 0, 0);
}

BOOL CALLBACK FindEdit(HWND wnd, LPARAM lp) {
    char cls[16] = "";
    GetClassNameA(wnd, cls, sizeof cls);
    if (strcmp(cls, "Edit") != 0) return TRUE;
    *reinterpret_cast<HWND*>(lp) = wnd;
    return FALSE;
}

// The file name box of a file dialog: an edit, or the edit inside a combo box.
HWND FileNameEdit(HWND dlg) {
    HWND ctrl = GetDlgItem(dlg, edt1);
    if (ctrl) return ctrl;
    ctrl = GetDlgItem(dlg, cmb13);
    HWND edit = nullptr;
    if (ctrl) EnumChildWindows(ctrl, FindEdit, reinterpret_cast<LPARAM>(&edit));
    return edit;
}

// Types name into the file name box, presses OK and keeps the text the box
// showed at first.
std::function<void(HWND)> ChooseFile(const std::string& name, std::string* shown = nullptr) {
    return [name, shown](HWND dlg) {
        HWND edit = FileNameEdit(dlg);
        ASSERT_NE(nullptr, edit);
        if (shown) {
            char text[MAX_PATH] = "";
            SendMessageA(edit, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
            *shown = text;
        }
        SendMessageA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(name.c_str()));
        Click(dlg, IDOK);
    };
}

class FileDialogs : public ::testing::Test {
protected:
    void SetUp() override {
        CreateDirectoryA("pick", nullptr);
        for (const char* name : {"pick\\one.txt", "pick\\two.txt", "pick\\表.txt"}) {
            ASSERT_TRUE(WriteWholeFile(name, "x"));
        }
        m_Cwd = CurrentFolder();
        m_Pick = m_Cwd + "\\pick";
    }
    std::string m_Cwd;
    std::string m_Pick;
};

const char kFilter[] = "text (*.txt)\0*.txt\0all\0*.*\0";

}  // namespace

TEST_F(FileDialogs, OpenOneFile) {
    for (int multi : {0, 1}) {
        char buf[1024];
        strcpy(buf, "stale");
        cVector<cString> results;
        int result;
        {
            DialogDriver driver(ChooseFile("表.txt"));
            result = OpenFileDialog(nullptr, buf, sizeof buf, m_Pick.c_str(), "open", kFilter, "txt", multi, &results);
        }
        ASSERT_EQ(1, result) << multi;
        EXPECT_EQ(m_Pick + "\\表.txt", std::string(buf)) << multi;
        ASSERT_EQ(1u, results.size()) << multi;
        EXPECT_EQ(m_Pick + "\\表.txt", results.front()) << multi;
        EXPECT_EQ(m_Cwd, CurrentFolder()) << multi;  // the current folder is kept
    }
}

TEST_F(FileDialogs, OpenSeveralFilesGivesTheirFullPaths) {
    char buf[1024];
    cVector<cString> results;
    results.push_back("kept");  // what the vector held stays as it was
    int result;
    {
        DialogDriver driver(ChooseFile("\"one.txt\" \"two.txt\""));
        result = OpenFileDialog(nullptr, buf, sizeof buf, m_Pick.c_str(), "open", kFilter, "txt", 1, &results);
    }
    ASSERT_EQ(1, result);
    EXPECT_EQ(m_Pick, std::string(buf));  // the folder comes first, then the names
    EXPECT_EQ((cVector<cString>{"kept", m_Pick + "\\one.txt", m_Pick + "\\two.txt"}), results);
}

TEST_F(FileDialogs, CancelGivesZero) {
    char buf[MAX_PATH];
    cVector<cString> results;
    int result;
    {
        DialogDriver driver([](HWND dlg) { Click(dlg, IDCANCEL); });
        result = OpenFileDialog(nullptr, buf, sizeof buf, m_Pick.c_str(), "open", kFilter, "txt", 0, &results);
    }
    EXPECT_EQ(0, result);
    EXPECT_TRUE(results.empty());
    {
        DialogDriver driver([](HWND dlg) { Click(dlg, IDCANCEL); });
        result = SaveFileDialog(nullptr, buf, m_Pick.c_str(), "save", kFilter, "txt", 0);
    }
    EXPECT_EQ(0, result);
}

TEST_F(FileDialogs, SaveProposesTheKeptNameOnly) {
    for (int keep : {0, 1}) {
        char buf[MAX_PATH];
        strcpy(buf, "new.txt");
        std::string shown;
        int result;
        {
            DialogDriver driver(ChooseFile("new.txt", &shown));
            result = SaveFileDialog(nullptr, buf, m_Pick.c_str(), "save", kFilter, "txt", keep);
        }
        ASSERT_EQ(1, result) << keep;
        EXPECT_EQ(keep ? "new.txt" : "", shown);
        EXPECT_EQ(m_Pick + "\\new.txt", std::string(buf)) << keep;
        EXPECT_EQ(m_Cwd, CurrentFolder()) << keep;
    }
}

TEST_F(FileDialogs, BrowseFolderStartsAtTheInitialFolder) {
    char result[MAX_PATH];
    int chosen;
    {
        DialogDriver driver([](HWND dlg) { Click(dlg, IDOK); });
        chosen = BrowseFolder(nullptr, result, "pick", "folder");
    }
    ASSERT_EQ(1, chosen);
    EXPECT_STRCASEEQ(m_Pick.c_str(), result);
    strcpy(result, "stale");
    {
        DialogDriver driver([](HWND dlg) { Click(dlg, IDCANCEL); });
        chosen = BrowseFolder(nullptr, result, "pick", "folder");
    }
    EXPECT_EQ(0, chosen);
    EXPECT_STREQ("", result);
}

TEST(ExitConfirmation, YesOnly) {
    for (int id : {IDYES, IDNO}) {
        bool answer;
        std::string caption;
        {
            DialogDriver driver([id, &caption](HWND dlg) {
                char text[64] = "";
                GetWindowTextA(dlg, text, sizeof text);
                caption = text;
                Click(dlg, id);
            });
            answer = ConfirmExit(nullptr);
        }
        EXPECT_EQ(id == IDYES, answer);
        EXPECT_EQ("終了確認", caption);
    }
}

TEST(ShellPaths, RelativeAndFullPaths) {
    const std::string cwd = CurrentFolder();
    const struct {
        std::string path;
        std::string relative;
    } cases[] = {
        {cwd + "\\data\\a.dat", ".\\data\\a.dat"},
        {cwd + "\\表\\ソ.dat", ".\\表\\ソ.dat"},
        {"data\\b.dat", "data\\b.dat"},
        {"Q:\\elsewhere\\c.dat", "Q:\\elsewhere\\c.dat"},
    };
    for (const auto& c : cases) {
        char buf[MAX_PATH];
        strcpy(buf, c.path.c_str());
        EXPECT_EQ(1, MakeRelativePath(buf)) << c.path;
        EXPECT_EQ(c.relative, std::string(buf)) << c.path;
        cString s(c.path);
        EXPECT_EQ(1, MakeRelativePath(&s)) << c.path;
        EXPECT_EQ(c.relative, s) << c.path;
    }
    char buf[MAX_PATH] = "data\\表.dat";
    EXPECT_EQ(1, MakeFullPath(buf));
    EXPECT_EQ(cwd + "\\data\\表.dat", std::string(buf));
    EXPECT_EQ(1, MakeFullPath(buf));
    EXPECT_EQ(cwd + "\\data\\表.dat", std::string(buf));
}

TEST(ShellPaths, FindFilesListsMatchesAfterWhatTheListHeld) {
    CreateDirectoryA("list", nullptr);
    CreateDirectoryA("list\\folder.wav", nullptr);
    for (const char* name : {"list\\a.wav", "list\\b.wav", "list\\c.mid"}) ASSERT_TRUE(WriteWholeFile(name, "x"));
    cVector<cString> found;
    found.push_back("kept");
    EXPECT_EQ(1, FindFiles(&found, "list", "wav"));
    std::sort(found.begin(), found.end());
    EXPECT_EQ((cVector<cString>{"kept", "list\\a.wav", "list\\b.wav", "list\\folder.wav"}), found);
    EXPECT_EQ(0, FindFiles(&found, "list", "ogg"));
    EXPECT_EQ(4u, found.size());
}
