// How long the largest stage takes to save, load and copy one layer of (the
// cost of an undo snapshot), each against writing and reading the same
// number of bytes raw in the same run; and the peak memory. Save and load go
// through what the stage editor's save and open commands call: the save over
// an existing file (with its copy in "data\work\"), and on Windows the load
// on the worker thread.
#include <chrono>
#include <cstdio>
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

// Seconds to write n bytes to a file and to read them back, raw.
void RawFile(size_t n, double* write, double* read) {
    std::string bytes(n, '\x5a');
    const char* path = "bench_raw.bin";
    double t = Now();
    FILE* f = OpenFile(path, "wb");
    fwrite(bytes.data(), 1, n, f);
    fclose(f);
    *write = Now() - t;
    std::string back(n, '\0');
    t = Now();
    f = OpenFile(path, "rb");
    const size_t got = fread(&back[0], 1, n, f);
    fclose(f);
    *read = Now() - t;
    if (got != n) std::printf("raw read short: %zu of %zu\n", got, n);
    RemoveFile(path);
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
    // The first save makes the file; the one measured replaces it, as a
    // plain save of a modified stage does.
    int saved = SaveStageFile(*stage, path);
    t = Now();
    saved = saved && SaveStageFile(*stage, path);
    const double save = Now() - t;
    const size_t bytes = FileSize(path);
    std::printf("file: %zu bytes (%.1f MiB)%s\n", bytes, bytes / (1024.0 * 1024.0), saved ? "" : "  SAVE FAILED");

    double rawWrite, rawRead;
    RawFile(bytes, &rawWrite, &rawRead);
    std::printf("raw: write %.3f s, read %.3f s\n", rawWrite, rawRead);
    Line("save", save, rawWrite, rawRead);

#ifdef _WIN32
    // Into the editor's own stage, which then holds a second copy: the bench
    // stage is set aside meanwhile so that the peak stays that of the editor.
    g_Stage.SetDefault();
    t = Now();
    const int ok = LoadStageThreaded(path);
    const double load = Now() - t;
    g_Stage.SetDefault();
#else
    cEdStage* loaded = new cEdStage;
    t = Now();
    const int ok = LoadStageFile(*loaded, path);
    const double load = Now() - t;
    delete loaded;
#endif
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
    RemoveFile(path);
    RemoveFile("data\\work\\bench_stage.stg4_248");
    return ok && saved ? 0 : 1;
}
