#include "base/log.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>

#include "base/platform.h"
#include "base/str.h"

char g_ReportLogPath[260];
char g_ErrorLogPath[260];
sErrorLogState g_ErrorLog = {nullptr, 0, 0};

namespace {

// Holds the log lock for one line.
class cLogLock {
public:
    cLogLock() { LockLogs(); }
    ~cLogLock() { UnlockLogs(); }
    cLogLock(const cLogLock&) = delete;
    cLogLock& operator=(const cLogLock&) = delete;
};

}  // namespace

static void CopyPath(char (&dst)[260], const char* src) {
    if (!src) src = "";
    size_t n = strlen(src);
    if (n >= sizeof dst) n = sizeof dst - 1;
    memcpy(dst, src, n);
    dst[n] = '\0';
}

int CreateReportLog(const char* path) {
    cLogLock lock;
    FILE* f = OpenFile(path, "wt");
    if (!f) return 0;
    CopyPath(g_ReportLogPath, path);
    fclose(f);
    return 1;
}

static FILE* OpenReportLog() {
    FILE* f = OpenFile(g_ReportLogPath, "rt+");
    if (f) fseek(f, 0, SEEK_END);
    return f;
}

int ReportLog(const char* fmt, ...) {
    cLogLock lock;
    FILE* f = OpenReportLog();
    if (!f) return 0;
    char buf[kFormatBufSize];
    va_list ap;
    va_start(ap, fmt);
    FormatBounded(buf, sizeof buf, fmt, ap);
    va_end(ap);
    fputs(buf, f);
    fputs("\n", f);
    fclose(f);
    return 1;
}

int ReportLogE(const char* fmt, ...) {
    cLogLock lock;
    FILE* f = OpenReportLog();
    if (!f) return 0;
    char buf[kLogLineBufSize];
    va_list ap;
    va_start(ap, fmt);
    FormatBounded(buf, sizeof buf, fmt, ap);
    va_end(ap);
    fputs(buf, f);
    fputs("\n", f);
    ErrorLog(buf);
    fclose(f);
    return 1;
}

void SetErrorLog(int enabled, const char* path) {
    cLogLock lock;
    g_ErrorLog.enabled = enabled;
    CopyPath(g_ErrorLogPath, path);
}

bool IsErrorLogOn() {
    return g_ErrorLog.enabled != 0;
}

static void WriteErrorLine(const char* text) {
    cLogLock lock;
    FILE* f;
    if (g_ErrorLog.writtenOnce) {
        f = OpenFile(g_ErrorLogPath, "rt+");
        if (f) fseek(f, 0, SEEK_END);
    } else {
        f = OpenFile(g_ErrorLogPath, "wt");
        g_ErrorLog.writtenOnce = 1;
    }
    if (!f) return;
    g_ErrorLog.file = f;
    fputs(text, f);
    fputs("\n", f);
    fclose(f);
    g_ErrorLog.file = nullptr;
}

void ErrorLog(const char* text) {
    if (!g_ErrorLog.enabled) return;
    WriteErrorLine(text ? text : "");
}

int ErrorLogF(const char* fmt, ...) {
    if (!g_ErrorLog.enabled) return 0;
    char buf[kLogLineBufSize];
    va_list ap;
    va_start(ap, fmt);
    FormatBounded(buf, sizeof buf, fmt, ap);
    va_end(ap);
    WriteErrorLine(buf);
    return 1;
}
