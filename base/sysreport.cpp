#include "base/sysreport.h"

#include <intrin.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "base/log.h"
#include "base/str.h"

static CpuClockFn s_CpuClock = nullptr;

void SetCpuClockMeasure(CpuClockFn fn) {
    s_CpuClock = fn;
}

const char* OsNameFor(DWORD platformId, DWORD major, DWORD minor) {
    switch (platformId) {
        case 0:
            return "Windows 3.1";
        case 1:
            if (minor == 0) return "Windows 95";
            if (minor == 10) return "Windows 98";
            if (minor == 90) return "Windows Me";
            return "";
        case 2:
            if (major == 3) return "Windows NT 3.51";
            if (major == 4) return "Windows NT 4.0";
            if (major == 5 && minor == 0) return "Windows 2000";
            if (major == 5 && minor == 1) return "Windows XP";
            if (major == 5 && minor == 2) return "Windows XP Professional x64 Edition ?";
            if (major == 6 && minor == 0) return "Windows Vista";
            return "";
        default:
            return "";
    }
}

void GetOsName(char* buf) {
    OSVERSIONINFOA vi;
    memset(&vi, 0, sizeof vi);
    vi.dwOSVersionInfoSize = sizeof vi;
    if (!GetVersionExA(&vi)) memset(&vi, 0, sizeof vi);
    const char* name = OsNameFor(vi.dwPlatformId, vi.dwMajorVersion, vi.dwMinorVersion);
    snprintf(buf, 256, "%s %s PID %d Build %d", name, vi.szCSDVersion, static_cast<int>(vi.dwPlatformId),
             static_cast<int>(vi.dwBuildNumber));
}

static int ReadDigits(const char*& p) {
    int v = 0;
    while (*p >= '0' && *p <= '9') {
        v = v * 10 + (*p - '0');
        ++p;
    }
    return v;
}

uint16_t ParseDirectXVersion(const char* text) {
    const char* p = strchr(text, '.');
    if (!p) return 0;
    ++p;
    int b = ReadDigits(p);
    if (*p != '.') return 0;
    ++p;
    int c = ReadDigits(p);
    return static_cast<uint16_t>(b * 256 + c);
}

uint16_t GetDirectXVersion() {
    HKEY key;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, "Software\\Microsoft\\DirectX", 0, KEY_READ, &key) != ERROR_SUCCESS) {
        return 0;
    }
    char text[257] = {};
    DWORD size = 256;
    DWORD type = 0;
    LONG r = RegQueryValueExA(key, "Version", nullptr, &type, reinterpret_cast<BYTE*>(text), &size);
    RegCloseKey(key);
    if (r != ERROR_SUCCESS || type != REG_SZ) return 0;
    text[256] = '\0';
    return ParseDirectXVersion(text);
}

static double MeasureCpuClock() {
    LARGE_INTEGER q0, q1, q2, freq;
    QueryPerformanceCounter(&q0);
    QueryPerformanceCounter(&q1);
    unsigned long long t0 = __rdtsc();
    DWORD start = GetTickCount();
    while (GetTickCount() - start < 1000) {
    }
    QueryPerformanceCounter(&q2);
    unsigned long long t1 = __rdtsc();
    QueryPerformanceFrequency(&freq);
    double seconds = static_cast<double>(q2.QuadPart - 2 * q1.QuadPart + q0.QuadPart) / static_cast<double>(freq.QuadPart);
    if (seconds <= 0) return 0;
    return static_cast<double>(t1 - t0) / seconds;
}

double GetCpuClock() {
    return s_CpuClock ? s_CpuClock() : MeasureCpuClock();
}

void GetCpuName(sCpuInfo* info) {
    memset(info->brand, 0, sizeof info->brand);
    memset(info->vendor, 0, sizeof info->vendor);
    int regs[4];
    __cpuid(regs, 0);
    if (regs[0] != 0) {
        memcpy(info->vendor + 0, &regs[1], 4);  // EBX, EDX, ECX
        memcpy(info->vendor + 4, &regs[3], 4);
        memcpy(info->vendor + 8, &regs[2], 4);
    }
    __cpuid(regs, static_cast<int>(0x80000000u));
    if (static_cast<unsigned>(regs[0]) >= 0x80000004u) {
        for (int leaf = 0; leaf < 3; ++leaf) {
            __cpuid(regs, static_cast<int>(0x80000002u) + leaf);
            memcpy(info->brand + leaf * 16, regs, 16);
        }
    }
    info->clock = GetCpuClock();
}

void GetMemoryStatus(MEMORYSTATUS* status) {
    memset(status, 0, sizeof *status);
    status->dwLength = sizeof *status;
    GlobalMemoryStatus(status);
}

uint64_t GetFreePhysMemory() {
    MEMORYSTATUSEX ms;
    memset(&ms, 0, sizeof ms);
    ms.dwLength = sizeof ms;
    if (!GlobalMemoryStatusEx(&ms)) return 0;
    return ms.ullAvailPhys;
}

DWORD GetDiskFree(const char* root) {
    typedef BOOL(WINAPI * Fn)(LPCSTR, PULARGE_INTEGER, PULARGE_INTEGER, PULARGE_INTEGER);
    HMODULE k = GetModuleHandleA("kernel32.dll");
    Fn fn = k ? reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(k, "GetDiskFreeSpaceExA"))) : nullptr;
    if (!fn) return 0;
    ULARGE_INTEGER avail, total, freeAll;
    if (!fn(root, &avail, &total, &freeAll)) return 0;
    if (avail.QuadPart > 2147483647ull) return 2147483647u;
    return static_cast<DWORD>(avail.QuadPart);
}

int WriteSystemReport() {
    FILE* f = fopen(g_ReportLogPath, "rt+");
    if (!f) return 0;
    fseek(f, 0, SEEK_END);
    char os[256];
    GetOsName(os);
    sCpuInfo cpu;
    GetCpuName(&cpu);
    MEMORYSTATUS ms;
    GetMemoryStatus(&ms);
    const double mb = 1048576.0;
    fprintf(f, "OS : %s\n", os);
    fprintf(f, "DirectX : %x\n", GetDirectXVersion());
    fprintf(f, "CPU : %s %s %d\n", cpu.vendor, cpu.brand, static_cast<int>(cpu.clock / 1000000.0));
    fprintf(f, "Mem Total : %.3fMB\n", static_cast<uint32_t>(ms.dwTotalPhys) / mb);
    fprintf(f, "Mem Free : %3.fMB\n", static_cast<uint32_t>(ms.dwAvailPhys) / mb);
    fprintf(f, "Vir Total : %.3fMB\n", static_cast<uint32_t>(ms.dwTotalVirtual) / mb);
    fprintf(f, "Vir Free : %3.fMB\n", static_cast<uint32_t>(ms.dwAvailVirtual) / mb);
    fprintf(f, "HD Free : %3.fMB\n", GetDiskFree(nullptr) / mb);
    fclose(f);
    return 1;
}
