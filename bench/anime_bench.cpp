// The animation preview of the database sheet as the editor's idle step runs
// it: for ten seconds on the anime page (the preview running) the interval
// between two preview ticks, against the 60 frames a second it aims at, and
// its p99 jitter (how far an interval strays from 1000/60 ms); then the CPU
// time the editor process takes in ten seconds with the anime page shown
// and with the picture page shown (where the idle step waits for messages).
//
// anime_bench [seconds]   (default 10 for each case)
#include <windows.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <thread>
#include <vector>

#include "app/services.h"
#include "app/shell.h"
#include "app/stage_editor.h"
#include "model/database.h"
#include "projedit/database.h"
#include "projedit/dbanime.h"
#include "ui/registry.h"

namespace {

const double kTargetMs = 1000.0 / 60.0;

double NowMs() {
    static LARGE_INTEGER freq = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return t.QuadPart * 1000.0 / freq.QuadPart;
}

// User and kernel time of this process so far, in milliseconds.
double CpuMs() {
    FILETIME created, ended, kernel, user;
    GetProcessTimes(GetCurrentProcess(), &created, &ended, &kernel, &user);
    auto ms = [](const FILETIME& f) {
        ULARGE_INTEGER v;
        v.LowPart = f.dwLowDateTime;
        v.HighPart = f.dwHighDateTime;
        return v.QuadPart / 10000.0;
    };
    return ms(kernel) + ms(user);
}

struct sRun {
    std::vector<double> ticks;  // the end of every idle step, in ms
    double wallMs = 0;
    double cpuMs = 0;
};

// The application's main loop for the given time: messages first, the idle
// step when none is waiting. A helper thread wakes the loop at the end, as
// the idle step may be waiting for a message.
sRun RunLoop(double seconds) {
    sRun run;
    const DWORD thread = GetCurrentThreadId();
    volatile bool done = false;
    std::thread waker([&] {
        Sleep(static_cast<DWORD>(seconds * 1000));
        done = true;
        PostThreadMessageA(thread, WM_NULL, 0, 0);
    });
    const double cpu0 = CpuMs(), t0 = NowMs();
    MSG msg;
    while (!done) {
        if (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (!g_WndRegistry.PreTranslate(&msg)) {
                TranslateMessage(&msg);
                DispatchMessageA(&msg);
            }
        } else {
            g_App.OnIdle();
            run.ticks.push_back(NowMs());
        }
    }
    run.wallMs = NowMs() - t0;
    run.cpuMs = CpuMs() - cpu0;
    waker.join();
    return run;
}

double Percentile(std::vector<double> v, double p) {
    if (v.empty()) return 0;
    std::sort(v.begin(), v.end());
    size_t i = static_cast<size_t>(std::ceil(p * v.size())) - 1;
    return v[std::min(i, v.size() - 1)];
}

void ShowPage(cDatabaseSheet* sheet, int page) {
    sheet->SetCurPage(page);
    MSG msg;
    for (int i = 0; i < 200 && sheet->GetCurPage() != page; ++i) {
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
        Sleep(5);
    }
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
}

}  // namespace

int main(int argc, char** argv) {
    const double seconds = argc > 1 ? atof(argv[1]) : 10.0;
    timeBeginPeriod(1);  // as the editor does at start
    // an animation of three frames, each shown a tenth of a second
    g_Database.SetDefault();
    g_Database.m_Anime.resize(2);
    g_Database.m_Anime[1].m_Frames.resize(3);
    for (int i = 0; i < 3; ++i) {
        g_Database.m_Anime[1].m_Frames[i].m_Cell = i;
        g_Database.m_Anime[1].m_Frames[i].m_Time = 1;
    }
    g_Database.m_Anime[1].m_SampleNo = 1;

    cStageEditorDlg editor(104, nullptr, kWndDialog, nullptr);
    cPropSheet* held = nullptr;
    cDatabaseSheet* sheet = new cDatabaseSheet(&editor, &g_WndRegistry, &held);
    held = sheet;
    sheet->CreatePages();
    if (!sheet->m_hWnd) {
        fprintf(stderr, "anime_bench: the database sheet did not open\n");
        return 1;
    }
    editor.m_pDatabaseSheet = sheet;
    g_StageEditor = &editor;
    g_AppActive = 1;
    ShowPage(sheet, kDbPageAnime);
    SetPreviewAnime(g_Database.m_Anime[1]);

    const sRun anime = RunLoop(seconds);
    std::vector<double> intervals, jitter;
    for (size_t i = 1; i < anime.ticks.size(); ++i) {
        intervals.push_back(anime.ticks[i] - anime.ticks[i - 1]);
        jitter.push_back(std::fabs(intervals.back() - kTargetMs));
    }
    double mean = 0;
    for (double v : intervals) mean += v;
    if (!intervals.empty()) mean /= static_cast<double>(intervals.size());
    const double fps = anime.ticks.size() / (anime.wallMs / 1000.0);

    ShowPage(sheet, kDbPagePicture);
    const sRun other = RunLoop(seconds);

    printf("anime preview over %.1f s: %zu ticks, %.2f per second (target 60, ratio %.3f)\n", anime.wallMs / 1000,
           anime.ticks.size(), fps, fps / 60.0);
    printf("  tick interval: mean %.3f ms (target %.3f, ratio %.3f), median %.3f ms, max %.3f ms\n", mean,
           kTargetMs, mean / kTargetMs, Percentile(intervals, 0.5), Percentile(intervals, 1.0));
    printf("  jitter |interval - %.3f ms|: p99 %.3f ms (%.1f%% of a frame)\n", kTargetMs, Percentile(jitter, 0.99),
           100.0 * Percentile(jitter, 0.99) / kTargetMs);
    printf("CPU of the editor process: anime page %.1f%% of %.1f s, picture page %.1f%% of %.1f s (%zu idle steps)\n",
           100.0 * anime.cpuMs / anime.wallMs, anime.wallMs / 1000, 100.0 * other.cpuMs / other.wallMs,
           other.wallMs / 1000, other.ticks.size());

    editor.m_pDatabaseSheet = nullptr;
    g_StageEditor = nullptr;
    g_AppActive = 0;
    delete sheet;
    return 0;
}
