// How long the largest stage takes to save, load and copy one layer of (the
// cost of an undo snapshot), each against writing and reading the same
// number of bytes raw in the same run; and the peak memory. Save and load go
// through what the stage editor's save and open commands call: the save over
// an existing file (with its copy in "data\work\"), and on Windows the load
// on the worker thread.
//
// Saves, loads and raw transfers are each timed as the best of a few runs;
// before each write the written data of the runs before it goes to the disk
// first (where the system lets a program ask for that), so that no write is
// held up by the one before. The load is also set against taking and
// touching as much fresh memory as the loaded stage holds, which no load
// that builds the records can undercut.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "base/platform.h"
#include "base/record.h"
#include "bench/stage_fill.h"
#include "model/palette.h"
#include "model/prjoption.h"
#include "model/stage.h"

#ifdef _WIN32
#include <windows.h>
#include <psapi.h>

#include "ui/stage_load.h"
#else
#include <sys/resource.h>
#include <unistd.h>
#endif

namespace {

double Now() {
    using namespace std::chrono;
    return duration<double>(steady_clock::now().time_since_epoch()).count();
}

double PeakMiB() {
#ifdef _WIN32
    PROCESS_MEMORY_COUNTERS pmc = {};
    pmc.cb = sizeof pmc;
    GetProcessMemoryInfo(GetCurrentProcess(), &pmc, sizeof pmc);
    return pmc.PeakWorkingSetSize / (1024.0 * 1024.0);
#else
    rusage ru = {};
    getrusage(RUSAGE_SELF, &ru);
    return ru.ru_maxrss / 1024.0;  // kilobytes on Linux
#endif
}

const int kRuns = 3;

// The bytes the process holds in memory now.
size_t ResidentBytes() {
#ifdef _WIN32
    PROCESS_MEMORY_COUNTERS pmc = {};
    pmc.cb = sizeof pmc;
    GetProcessMemoryInfo(GetCurrentProcess(), &pmc, sizeof pmc);
    return pmc.WorkingSetSize;
#else
    long pages = 0, resident = 0;
    FILE* f = std::fopen("/proc/self/statm", "r");
    if (f) {
        if (std::fscanf(f, "%ld %ld", &pages, &resident) != 2) resident = 0;
        std::fclose(f);
    }
    return static_cast<size_t>(resident) * static_cast<size_t>(sysconf(_SC_PAGESIZE));
#endif
}

// Sends what earlier runs wrote to the disk, so that the next write starts
// from the same state.
void SettleWrites() {
#ifndef _WIN32
    sync();
#endif
}

// Seconds to write n bytes to a file and to read them back, raw: the best
// of kRuns each.
void RawFile(size_t n, double* write, double* read) {
    std::string bytes(n, '\x5a');
    std::string back(n, '\0');
    const char* path = "bench_raw.bin";
    *write = *read = 1e9;
    for (int run = 0; run < kRuns; ++run) {
        SettleWrites();
        double t = Now();
        FILE* f = OpenFile(path, "wb");
        fwrite(bytes.data(), 1, n, f);
        fclose(f);
        *write = std::min(*write, Now() - t);
        t = Now();
        f = OpenFile(path, "rb");
        const size_t got = fread(&back[0], 1, n, f);
        fclose(f);
        *read = std::min(*read, Now() - t);
        if (got != n) std::printf("raw read short: %zu of %zu\n", got, n);
        RemoveFile(path);
    }
}

// Seconds to take n bytes of fresh memory and write to all of them: the
// best of kRuns.
double FreshMemory(size_t n) {
    if (n == 0) return 0;
    double best = 1e9;
    for (int run = 0; run < kRuns; ++run) {
        const double t = Now();
        char* p = static_cast<char*>(std::malloc(n));
        if (!p) return 0;
        std::memset(p, 1, n);
        const double took = Now() - t;
        // read back, so that the writes are not left out
        if (p[n / 2] != 1) std::printf("fresh memory lost its bytes\n");
        std::free(p);
        best = std::min(best, took);
    }
    return best;
}

// The best of kRuns saves of the stage to path, each removed again when
// removeAfter; *saved becomes 0 when a save fails (none runs after it).
double TimeSaves(cEdStage& stage, const char* path, bool removeAfter, int* saved) {
    double best = 1e9;
    for (int run = 0; run < kRuns && *saved; ++run) {
        SettleWrites();
        const double t = Now();
        *saved = SaveStageFile(stage, path);
        best = std::min(best, Now() - t);
        if (removeAfter) RemoveFile(path);
    }
    return best;
}

size_t FileSize(const char* path) {
    FILE* f = OpenFile(path, "rb");
    if (!f) return 0;
    fseek(f, 0, SEEK_END);
    const long n = ftell(f);
    fclose(f);
    return n > 0 ? static_cast<size_t>(n) : 0;
}

void Line(const char* what, double seconds, double rawWrite, double rawRead) {
    std::printf("%-28s %8.3f s   x%7.2f of raw write   x%7.2f of raw read\n", what, seconds, seconds / rawWrite,
                seconds / rawRead);
}

}  // namespace

int main() {
    SetDataVersion(248, 0);
    g_PrjOption.SetDefault();
    g_CommonPalette.SetDefault();
    g_CommonPalette.Validate();

    cEdStage* stage = new cEdStage;
    double t = Now();
    FillLargestStage(*stage);
    std::printf("stage %d x %d, three full layers, built in %.3f s\n", stage->m_Width, stage->m_Height, Now() - t);

    CreateFolder("data");
    CreateFolder("data\\stg4");
    const char* path = "data\\stg4\\bench_stage.stg4_248";
    // The first save makes the file; the ones measured replace it, as a
    // plain save of a modified stage does.
    int saved = SaveStageFile(*stage, path);
    const double save = TimeSaves(*stage, path, false, &saved);
    // The same save into a file that is not there yet: what the replacing
    // of the old file (its copy in "data\work\", the new file taking its
    // name, the old bytes given back) adds shows as the difference.
    const double saveNew = TimeSaves(*stage, "data\\stg4\\bench_new.stg4_248", true, &saved);
    const size_t bytes = FileSize(path);
    std::printf("file: %zu bytes (%.1f MiB)%s\n", bytes, bytes / (1024.0 * 1024.0), saved ? "" : "  SAVE FAILED");

    double rawWrite, rawRead;
    RawFile(bytes, &rawWrite, &rawRead);
    std::printf("raw (best of %d): write %.3f s, read %.3f s\n", kRuns, rawWrite, rawRead);
    Line("save", save, rawWrite, rawRead);
    Line("save as a new file", saveNew, rawWrite, rawRead);

    double load = 1e9;
    size_t loadedBytes = 0;
    int ok = 1;
    for (int run = 0; run < kRuns && ok; ++run) {
        const size_t before = ResidentBytes();
#ifdef _WIN32
        // Into the editor's own stage, which then holds a second copy: the
        // bench stage is set aside meanwhile so that the peak stays that of
        // the editor.
        g_Stage.SetDefault();
        t = Now();
        ok = LoadStageThreaded(path);
        load = std::min(load, Now() - t);
        loadedBytes = std::max(loadedBytes, ResidentBytes() - std::min(before, ResidentBytes()));
        g_Stage.SetDefault();
#else
        cEdStage* loaded = new cEdStage;
        t = Now();
        ok = LoadStageFile(*loaded, path);
        load = std::min(load, Now() - t);
        loadedBytes = std::max(loadedBytes, ResidentBytes() - std::min(before, ResidentBytes()));
        delete loaded;
#endif
    }
    Line(ok ? "load" : "load FAILED", load, rawWrite, rawRead);

    // one layer as an undo snapshot: a copy of the character layer, against
    // the raw bytes of that layer's section of the file
    cRecFile* mem = cRecFile::OpenMemoryWrite();
    for (auto& c : stage->m_Charas) c.Write(mem);
    const size_t layerBytes = mem->MemoryData().size();
    delete mem;
    double layerWrite, layerRead;
    RawFile(layerBytes, &layerWrite, &layerRead);
    t = Now();
    cVector<cEdChara>* copy = new cVector<cEdChara>(stage->m_Charas);
    const double layerCopy = Now() - t;
    std::printf("character layer: %zu bytes in the file; raw write %.3f s, read %.3f s\n", layerBytes, layerWrite,
                layerRead);
    Line("copy of the character layer", layerCopy, layerWrite, layerRead);
    delete copy;

    std::printf("peak memory: %.1f MiB\n", PeakMiB());
    delete stage;
    // last, as it takes memory of its own
    const double fresh = FreshMemory(loadedBytes);
    std::printf("the loaded stage holds %.1f MiB of memory\n", loadedBytes / (1024.0 * 1024.0));
    Line("fresh memory of that size", fresh, rawWrite, rawRead);
    RemoveFile(path);
    RemoveFile("data\\work\\bench_stage.stg4_248");
    return ok && saved ? 0 : 1;
}
