// Finding the game program: the string resource mark, the automatic search
// over the project folder's executables and the configured path.
#include <gtest/gtest.h>

#include <windows.h>

#include "app/game_program.h"
#include "model/prjoption.h"
#include "tests/support/test_env.h"

extern cPrjOption g_PrjOption;

namespace {

// The project folder is the test's working folder; each case fills it anew.
void ClearExes() {
    WIN32_FIND_DATAA fd;
    HANDLE find = FindFirstFileA("*.exe", &fd);
    if (find == INVALID_HANDLE_VALUE) return;
    do {
        DeleteFileA(fd.cFileName);
    } while (FindNextFileA(find, &fd));
    FindClose(find);
}

struct OptionGuard {
    int32_t autoGame = g_PrjOption.m_bAutoGame;
    cString path = g_PrjOption.m_strGamePath;
    ~OptionGuard() {
        g_PrjOption.m_bAutoGame = autoGame;
        g_PrjOption.m_strGamePath = path;
        ClearExes();
    }
};

TEST(GameProgram, StringResourceOneIsTheMark) {
    HMODULE module = LoadLibraryA(GAMESTUB_EXE);
    ASSERT_NE(module, nullptr);
    wchar_t* mark = LoadResString(module, 1);
    ASSERT_NE(mark, nullptr);
    EXPECT_STREQ(mark, L"GAME");
    delete[] mark;
    // Entries the table does not hold, in its block and in a missing block.
    EXPECT_EQ(LoadResString(module, 2), nullptr);
    EXPECT_EQ(LoadResString(module, 0), nullptr);
    EXPECT_EQ(LoadResString(module, 100), nullptr);
    FreeLibrary(module);
}

struct ScanCase {
    const char* what;
    const char* files[3];  // copies of the stand-in (name starting "g"), or junk
    bool found;
    const char* expected;
};

const ScanCase kScan[] = {
    {"no executable", {}, false, ""},
    {"only a file that does not load", {"junk.exe"}, false, ""},
    {"the stand-in among files that do not load", {"junk.exe", "gstub.exe"}, true, "gstub.exe"},
};

TEST(GameProgram, AutomaticSearchTakesTheFirstMarkedExecutable) {
    OptionGuard guard;
    for (const ScanCase& c : kScan) {
        SCOPED_TRACE(c.what);
        ClearExes();
        for (const char* name : c.files) {
            if (!name) break;
            if (name[0] == 'g')
                ASSERT_TRUE(CopyFileA(GAMESTUB_EXE, name, FALSE));
            else
                ASSERT_TRUE(WriteWholeFile(name, "MZ not a program"));
        }
        char buf[MAX_PATH] = "stale";
        g_PrjOption.m_bAutoGame = 1;
        EXPECT_EQ(FindGameProgram(buf), c.found);
        EXPECT_STREQ(buf, c.expected);
    }
}

TEST(GameProgram, ConfiguredPathMustNameAFile) {
    OptionGuard guard;
    ClearExes();
    ASSERT_TRUE(CopyFileA(GAMESTUB_EXE, "mygame.exe", FALSE));
    g_PrjOption.m_bAutoGame = 0;
    char buf[MAX_PATH] = "stale";
    g_PrjOption.m_strGamePath = "nothere.exe";
    EXPECT_FALSE(FindGameProgram(buf));
    EXPECT_STREQ(buf, "");
    g_PrjOption.m_strGamePath = "";
    EXPECT_FALSE(FindGameProgram(buf));
    g_PrjOption.m_strGamePath = "mygame.exe";
    EXPECT_TRUE(FindGameProgram(buf));
    EXPECT_STREQ(buf, "mygame.exe");
}

}  // namespace
