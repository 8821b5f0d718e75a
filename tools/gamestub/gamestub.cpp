// A small stand-in for the game program, used by the editor's tests of test
// play. It writes how it was started (its command line after the program
// name, and its current folder) to "gamestub.log" in its current folder,
// then sends the editor the report a game sends when it ends: WM_COPYDATA
// with dwData 0 and a non-zero int to the window of class "Vantor4". When
// a file "gamestub.noreport" is in the current folder it ends without the
// report, as a game that crashed would; while "gamestub.wait" is there it
// keeps running.
#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <cstring>

namespace {

const char* Arguments(const char* cmd) {
    // Skips the program name, quoted or not, and the blanks after it.
    if (*cmd == '"') {
        ++cmd;
        while (*cmd && *cmd != '"') ++cmd;
        if (*cmd) ++cmd;
    } else {
        while (*cmd && *cmd != ' ' && *cmd != '\t') ++cmd;
    }
    while (*cmd == ' ' || *cmd == '\t') ++cmd;
    return cmd;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    char dir[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, dir);
    FILE* log = fopen("gamestub.log", "ab");
    if (log) {
        fprintf(log, "args=[%s] dir=[%s]\n", Arguments(GetCommandLineA()), dir);
        fclose(log);
    }
    // While a file "gamestub.wait" is there (at most half a minute) the game
    // keeps running.
    for (int i = 0; i < 1500 && GetFileAttributesA("gamestub.wait") != INVALID_FILE_ATTRIBUTES; i++) Sleep(20);
    if (GetFileAttributesA("gamestub.noreport") != INVALID_FILE_ATTRIBUTES) return 1;
    HWND app = FindWindowA("Vantor4", nullptr);
    if (!app) return 2;
    int32_t report = 1;
    COPYDATASTRUCT cds;
    cds.dwData = 0;
    cds.cbData = sizeof report;
    cds.lpData = &report;
    SendMessageA(app, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&cds));
    return 0;
}
