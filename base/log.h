// The report log ("Report_Editor.txt", created at every start) and the error
// log ("RI_Zedevu.txt", behind a switch that is off). Every line opens the
// file, appends and closes it, so a log survives a crash up to its last line.
#pragma once

#include <cstdint>

extern char g_ReportLogPath[260];
extern char g_ErrorLogPath[260];

struct sErrorLogState {
    void* file;         // the open file, held only during one write
    uint8_t writtenOnce;
    int32_t enabled;
};
extern sErrorLogState g_ErrorLog;

// Buffer of ReportLogE and ErrorLogF: at most 1023 bytes of text.
const int kLogLineBufSize = 1024;

int CreateReportLog(const char* path);
int ReportLog(const char* fmt, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 1, 2)))
#endif
    ;
int ReportLogE(const char* fmt, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 1, 2)))
#endif
    ;
void SetErrorLog(int enabled, const char* path);
void ErrorLog(const char* text);
int ErrorLogF(const char* fmt, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 1, 2)))
#endif
    ;
bool IsErrorLogOn();
