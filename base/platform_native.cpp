// Host build of the portable core: paths take '/' for '\', the application
// window is a counter the tests can read.
#include <sys/stat.h>

#include <cerrno>
#include <chrono>
#include <filesystem>
#include <mutex>
#include <cstdio>
#include <cstring>
#include <string>

#include <unistd.h>

#include <sys/stat.h>

#include "base/platform.h"

int g_NativeCloseCount = 0;

void CloseAppWindow(eCloseMode) {
    ++g_NativeCloseCount;
}

int LocaleCompare(const char* a, const char* b) {
    return strcmp(a, b);
}

static std::string HostPath(const char* path) {
    std::string p(path);
    for (char& c : p) {
        if (c == '\\') c = '/';
    }
    return p;
}

bool ReplaceFileWith(const char* tmp, const char* target) {
    const std::string from = HostPath(tmp);
    const std::string to = HostPath(target);
    if (rename(from.c_str(), to.c_str()) == 0) return true;
    if (errno != EXDEV) return false;
    // Another file system: the move copies, and the source goes only once the
    // copy is complete.
    std::error_code ec;
    std::filesystem::copy_file(from, to, std::filesystem::copy_options::overwrite_existing, ec);
    if (ec) return false;
    remove(from.c_str());
    return true;
}

bool LinkFile(const char* existing, const char* link) {
    return ::link(HostPath(existing).c_str(), HostPath(link).c_str()) == 0;
}

FILE* OpenFile(const char* path, const char* mode) {
    return fopen(HostPath(path).c_str(), mode);
}

bool SeekFileTo(FILE* f, uint64_t pos) {
    return pos <= static_cast<uint64_t>(INT64_MAX) && fseeko(f, static_cast<off_t>(pos), SEEK_SET) == 0;
}

int RemoveFile(const char* path) {
    return remove(HostPath(path).c_str());
}

bool CreateFolder(const char* path) {
    const std::string p = HostPath(path);
    if (mkdir(p.c_str(), 0777) == 0) return true;
    struct stat st;
    return stat(p.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool PathExists(const char* path) {
    struct stat st;
    return stat(HostPath(path).c_str(), &st) == 0;
}

static std::recursive_mutex& LogMutex() {
    static std::recursive_mutex m;
    return m;
}

void LockLogs() {
    LogMutex().lock();
}

void UnlockLogs() {
    LogMutex().unlock();
}

uint32_t MilliClock() {
    using namespace std::chrono;
    return static_cast<uint32_t>(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

void GetScreenSize(int32_t* width, int32_t* height) {
    *width = INT32_MAX;
    *height = INT32_MAX;
}
