// How long the editor takes from its start to a visible stage editor window:
// on the sample project, and on a project whose last stage is the largest
// the model allows; each against the time Wine (or Windows) takes to start an
// empty program in the same run. Prints the median of a few runs of each.
//
// startup_bench [runs]   (default 5; each case also has one run first that
// is not counted, which writes the project's missing files and fills the
// file cache)
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "base/record.h"
#include "bench/stage_fill.h"
#include "model/palette.h"
#include "model/prjoption.h"
#include "model/stage.h"
#include "tests/support/exe_driver.h"

namespace {

const int kStartTimeoutMs = 600000;  // the largest stage loads slowly
const int kCloseTimeoutMs = 120000;
const char kLargestStage[] = "data\\stg4\\Largest.stg4_248";

std::string WinPath(std::string path) {
    for (char& c : path)
        if (c == '/') c = '\\';
    return path;
}

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

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

// Milliseconds from CreateProcess to the end of the empty program; < 0 on
// failure.
double TimeEmptyProgram(const std::string& dir) {
    ExeProcess p;
    const double t = NowMs();
    if (!p.Start(WinPath(EMPTY_EXE), dir) || !p.WaitExit(60000)) return -1;
    return NowMs() - t;
}

// Milliseconds from CreateProcess to the visible stage editor window, then
// closes the editor; < 0 on failure (told on stderr). title gets the stage
// editor's title.
double TimeEditorStart(const std::string& dir, std::string* title) {
    EditorProcess editor;
    std::string why;
    const double t = NowMs();
    if (!editor.Start(WinPath(EDITOR_EXE), dir, &why)) {
        std::fprintf(stderr, "the editor did not start: %s\n", why.c_str());
        return -1;
    }
    ShownBox box;
    HWND shown = editor.WaitStageEditor(kStartTimeoutMs, &box);
    const double ms = NowMs() - t;
    if (!shown) {
        std::fprintf(stderr, "no stage editor window in %s%s%s\n", dir.c_str(), box.wnd ? "; a box: " : "",
                     box.text.c_str());
        return -1;
    }
    *title = WindowText(shown);
    if (!editor.CloseWithYes(kCloseTimeoutMs)) {
        std::fprintf(stderr, "the editor did not end after Yes\n");
        return -1;
    }
    return ms;
}

// The sample project with the largest stage as its last stage.
bool AddLargestStage(const std::string& dir) {
    cEdStage* stage = new cEdStage;
    FillLargestStage(*stage);
    CreateDirectoryA((dir + "\\data\\stg4").c_str(), nullptr);
    CreateDirectoryA((dir + "\\e_data").c_str(), nullptr);
    const int saved = stage->Save((dir + "\\" + kLargestStage).c_str());
    delete stage;
    cEditConfig cfg;
    cfg.m_strLastStage = kLargestStage;
    return saved && cfg.Save((dir + "\\e_data\\EditConfig.dat").c_str());
}

struct Case {
    const char* name;
    std::string dir;
    bool editor;
    std::vector<double> ms;
    std::string title;  // of the stage editor window
};

}  // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 5;
    char name[64];
    snprintf(name, sizeof name, "startup-bench-%lu", GetCurrentProcessId());
    if (!UseOwnDesktop(name, 1280, 1024)) std::fprintf(stderr, "no desktop of its own; timing on the default one\n");

    SetDataVersion(248, 0);
    g_PrjOption.SetDefault();
    g_CommonPalette.SetDefault();
    g_CommonPalette.Validate();

    char tmp[MAX_PATH];
    GetTempPathA(sizeof tmp, tmp);
    char root[MAX_PATH];
    snprintf(root, sizeof root, "%sstartup-bench-%lu", tmp, GetCurrentProcessId());
    CreateDirectoryA(root, nullptr);
    const std::string sample = WinPath(SAMPLE_PROJECT_DIR);

    std::vector<Case> cases = {
        {"sample project", std::string(root) + "\\sample", true, {}, {}},
        {"largest stage (512 x 512)", std::string(root) + "\\largest", true, {}, {}},
        {"empty program (to its end)", root, false, {}, {}},
    };
    bool ok = CopyTree(sample, cases[0].dir) && CopyTree(sample, cases[1].dir);
    if (ok) {
        const double t = NowMs();
        ok = AddLargestStage(cases[1].dir);
        std::printf("largest stage written in %.0f ms\n", NowMs() - t);
    }
    if (!ok) std::fprintf(stderr, "could not prepare the projects under %s\n", root);

    // the runs of the cases take turns, so a slow spell of the machine
    // touches every case alike
    for (int r = 0; ok && r <= runs; ++r) {
        for (Case& c : cases) {
            const double ms = c.editor ? TimeEditorStart(c.dir, &c.title) : TimeEmptyProgram(c.dir);
            if (ms < 0) {
                ok = false;
                break;
            }
            if (r > 0) c.ms.push_back(ms);  // run 0 warms up
        }
    }
    RemoveTree(root);
    if (!ok) return 1;

    const double empty = Median(cases[2].ms);
    std::printf("start to a visible stage editor window, median of %d runs (polled every 10 ms):\n", runs);
    for (const Case& c : cases)
        std::printf("  %-28s %9.0f ms   x%6.1f of an empty program\n", c.name, Median(c.ms), Median(c.ms) / empty);
    if (cases[1].title.find(kLargestStage) == std::string::npos)
        std::printf("note: the largest stage was not opened (its path is not in the stage editor's title)\n");
    return 0;
}
