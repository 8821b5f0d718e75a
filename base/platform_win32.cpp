#include <windows.h>

#include "base/appwnd.h"
#include "base/platform.h"

HWND g_MainWnd = nullptr;

void CloseAppWindow(eCloseMode mode) {
    if (!g_MainWnd) return;
    if (mode == kClosePost) {
        PostMessageA(g_MainWnd, WM_CLOSE, 0, 0);
    } else {
        DestroyWindow(g_MainWnd);
    }
}

int LocaleCompare(const char* a, const char* b) {
    return lstrcmpA(a, b);
}

bool ReplaceFileWith(const char* tmp, const char* target) {
    // The two may lie on different drives (a folder of the project mapped
    // elsewhere): the move then copies.
    return MoveFileExA(tmp, target, MOVEFILE_REPLACE_EXISTING | MOVEFILE_COPY_ALLOWED | MOVEFILE_WRITE_THROUGH) != 0;
}

bool LinkFile(const char* existing, const char* link) {
    return CreateHardLinkA(link, existing, nullptr) != 0;
}

namespace {

// A kernel mutex rather than a critical section: when its owner is ended by
// force, the next waiter gets it (abandoned) instead of waiting forever.
HANDLE LogMutex() {
    static const HANDLE mutex = CreateMutexA(nullptr, FALSE, nullptr);
    return mutex;
}

}  // namespace

void LockLogs() {
    if (HANDLE m = LogMutex()) WaitForSingleObject(m, INFINITE);
}

void UnlockLogs() {
    if (HANDLE m = LogMutex()) ReleaseMutex(m);
}

FILE* OpenFile(const char* path, const char* mode) {
    return fopen(path, mode);
}

bool SeekFileTo(FILE* f, uint64_t pos) {
    return pos <= static_cast<uint64_t>(INT64_MAX) && _fseeki64(f, static_cast<__int64>(pos), SEEK_SET) == 0;
}

int RemoveFile(const char* path) {
    return DeleteFileA(path) ? 0 : -1;
}

bool CreateFolder(const char* path) {
    if (CreateDirectoryA(path, nullptr)) return true;
    const DWORD attr = GetFileAttributesA(path);
    return attr != INVALID_FILE_ATTRIBUTES && (attr & FILE_ATTRIBUTE_DIRECTORY);
}

bool PathExists(const char* path) {
    return GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES;
}

uint32_t MilliClock() {
    return timeGetTime();
}

void GetScreenSize(int32_t* width, int32_t* height) {
    *width = GetSystemMetrics(SM_CXSCREEN);
    *height = GetSystemMetrics(SM_CYSCREEN);
}
