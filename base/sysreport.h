// The system report written under the version line of the report log, and the
// system queries behind it.
#pragma once

#include <windows.h>

#include <cstdint>

struct sCpuInfo {
    char brand[256];
    char vendor[256];
    double clock;  // cycles per second
};

int WriteSystemReport();
void GetOsName(char* buf256);
// Chooses the operating-system name from the version record; "" when unknown.
const char* OsNameFor(DWORD platformId, DWORD major, DWORD minor);
uint16_t GetDirectXVersion();
// The DirectX version number of a registry text "a.b.c.d": b * 256 + c.
uint16_t ParseDirectXVersion(const char* text);
void GetCpuName(sCpuInfo* info);
double GetCpuClock();
void GetMemoryStatus(MEMORYSTATUS* status);
uint64_t GetFreePhysMemory();
DWORD GetDiskFree(const char* root);

// The clock measurement busy-waits for a second; tests put a stand-in here.
typedef double (*CpuClockFn)();
void SetCpuClockMeasure(CpuClockFn fn);  // null restores the measurement
