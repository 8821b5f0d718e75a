// The screenshot tour's driver: the one editor that the steps share, the
// table of steps and the helpers the steps use.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "tests/support/drawn_stage.h"
#include "tests/support/gui.h"
#include "tests/tour/tour.h"

namespace {

const int kStartMs = 90000;
const int kWaitMs = 20000;

struct TourEntry {
    int order;
    std::string name;
    TourStepFn fn;
};

std::vector<TourEntry>& Entries() {
    static std::vector<TourEntry> entries;
    return entries;
}

std::vector<TourEntry> SortedEntries() {
    std::vector<TourEntry> entries = Entries();
    std::stable_sort(entries.begin(), entries.end(),
                     [](const TourEntry& a, const TourEntry& b) { return a.order < b.order; });
    return entries;
}

std::string WinPath(std::string path) {
    for (char& c : path)
        if (c == '/') c = '\\';
    return path;
}

std::unique_ptr<EditorProcess> s_Editor;
std::string s_Dir;

void EndEditor() {
    if (!s_Editor) return;
    if (s_Editor->Running()) {
        ShownBox box;
        while (s_Editor->FindBox(&box)) AnswerBox(box, IDOK, 2000);
        if (s_Editor->AppWindow()) PostMessageA(s_Editor->AppWindow(), WM_CLOSE, 0, 0);
        if (!s_Editor->CloseWithYes(10000)) s_Editor->Kill();
    }
    s_Editor.reset();
    RemoveTree(s_Dir);
}

class TourEnvironment : public testing::Environment {
public:
    void TearDown() override { EndEditor(); }
};

const testing::Environment* const s_Env = testing::AddGlobalTestEnvironment(new TourEnvironment);

bool EditorHealthy() {
    if (!s_Editor || !s_Editor->Running()) return false;
    ShownBox box;
    return !s_Editor->FindBox(&box);
}

}  // namespace

int RegisterTourStep(int order, const char* name, TourStepFn fn) {
    Entries().push_back(TourEntry{order, name, fn});
    return order;
}

EditorProcess& TourEditor() {
    if (!EditorHealthy()) {
        if (s_Editor) {
            s_Editor->Kill();
            s_Editor.reset();
        }
        s_Dir = FullPathOf("tour-project");
        RemoveTree(s_Dir);
        EXPECT_TRUE(CopyTree(WinPath(SAMPLE_PROJECT_DIR), s_Dir)) << s_Dir;
        // the editor opens on a stage drawn with the sample's pictures
        EXPECT_TRUE(WriteDrawnStage(s_Dir)) << s_Dir;
        s_Editor.reset(new EditorProcess);
        std::string why;
        EXPECT_TRUE(s_Editor->Start(WinPath(EDITOR_EXE), s_Dir, &why)) << why;
    }
    return *s_Editor;
}

HWND TourStageEditor() {
    EditorProcess& editor = TourEditor();
    ShownBox box;
    HWND wnd = editor.WaitStageEditor(kStartMs, &box);
    EXPECT_TRUE(wnd) << (box.wnd ? "a box came first: [" + box.caption + "] " + box.text
                                 : std::string("no stage editor window"));
    if (wnd) BringToFront(wnd);
    return wnd;
}

void TourCommand(HWND wnd, int id) {
    DWORD_PTR result = 0;
    SendMessageTimeoutA(wnd, WM_COMMAND, static_cast<WPARAM>(id), 0, SMTO_NORMAL, kWaitMs, &result);
}

HWND TourWaitWindow(const char* title, int timeoutMs) {
    EditorProcess& editor = TourEditor();
    HWND stage = editor.StageEditor();
    return editor.WaitWindow(
        [&](HWND w) { return w != stage && IsWindowVisible(w) && WindowText(w) == title; }, timeoutMs);
}

void TourClose(HWND wnd) {
    if (!wnd || !IsWindow(wnd)) return;
    PostMessageA(wnd, WM_CLOSE, 0, 0);
    PumpUntil([&] { return !IsWindow(wnd) || !IsWindowVisible(wnd); }, kWaitMs);
}

static POINT ScreenPoint(HWND wnd, int x, int y) {
    POINT pt = {x, y};
    ClientToScreen(wnd, &pt);
    return pt;
}

// Lets the editor take the input just sent before the next one.
static void Settle(HWND wnd) {
    ExeProcess::Responds(wnd, kWaitMs);
    PumpMessages(30);
}

void TourClick(HWND wnd, int x, int y, bool right) {
    POINT pt = ScreenPoint(wnd, x, y);
    ClickAt(pt.x, pt.y, right);
    Settle(wnd);
}

void TourDrag(HWND wnd, int x0, int y0, int x1, int y1, bool right, bool release) {
    POINT a = ScreenPoint(wnd, x0, y0);
    POINT b = ScreenPoint(wnd, x1, y1);
    MoveMouseTo(a.x, a.y);
    Settle(wnd);
    MouseButton(right, true);
    Settle(wnd);
    const int steps = 8;
    for (int i = 1; i <= steps; ++i) {
        MoveMouseTo(a.x + (b.x - a.x) * i / steps, a.y + (b.y - a.y) * i / steps);
        Settle(wnd);
    }
    if (release) {
        MouseButton(right, false);
        Settle(wnd);
    }
}

void TourKey(HWND wnd, WORD vk, WORD modifier) {
    if (modifier)
        PressKeyWith(modifier, vk);
    else
        PressKey(vk);
    Settle(wnd);
}

void TourPicture(HWND wnd, const char* name) {
    Settle(wnd);
    TourShot(wnd, name);
}

class Tour : public testing::TestWithParam<TourEntry> {};

TEST_P(Tour, Step) {
    GetParam().fn();
}

INSTANTIATE_TEST_SUITE_P(Windows, Tour, testing::ValuesIn(SortedEntries()),
                         [](const testing::TestParamInfo<TourEntry>& info) { return info.param.name; });
