// How long the stage editor takes to paint its view of the largest stage
// (every cell of every layer occupied), in full and after one scroll step,
// against a plain blit of the same canvas size in the same run; and how long
// a flood fill of a whole empty 512 x 512 layer takes.
#include <windows.h>

#include <chrono>
#include <cstdio>

#include "app/services.h"
#include "app/stage_edit.h"
#include "app/stage_editor.h"
#include "app/stage_editor_res.h"
#include "base/record.h"
#include "bench/stage_fill.h"
#include "model/palette.h"
#include "model/stage.h"

namespace {

const int kViewW = 640;
const int kViewH = 480;

double Now() {
    using namespace std::chrono;
    return duration<double>(steady_clock::now().time_since_epoch()).count();
}

// Picture sheets of the project's sizes with masks, as the loader makes them.
void MakeSheets() {
    for (int s = 1; s <= 21; ++s) g_Bitmaps[s].Create(kViewW, kViewH, 8, 1);
    g_CharaBitmaps.clear();
    for (int i = 0; i < 4; ++i) {
        g_CharaBitmaps.push_back(cDib());
        g_CharaBitmaps.back().Create(512, 512, 8, 1);
    }
}

// The best of five rounds of n calls: the machine may be busy.
template <class F>
double PerCall(int n, F f) {
    double best = 1e9;
    int i = 0;
    for (int round = 0; round < 5; ++round) {
        const double t = Now();
        for (int k = 0; k < n; ++k) f(i++);
        const double per = (Now() - t) / n;
        if (per < best) best = per;
    }
    return best;
}

}  // namespace

int main() {
    SetDataVersion(248, 0);
    g_CommonPalette.SetDefault();
    g_CommonPalette.Validate();
    FillLargestStage(g_Stage);
    MakeSheets();
    g_StageEdit.Reset();
    g_StateStack.Reset();
    g_StageEdit.m_bOpen = 1;
    cStageEditorDlg dlg(IDD_STAGE_EDITOR, nullptr, 1, nullptr);
    cDib view;
    view.Create(kViewW, kViewH, 32, 0);
    // The canvas: a window on the screen, as the stage editor's.
    HWND wnd = CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, kViewW, kViewH, nullptr, nullptr,
                               GetModuleHandleA(nullptr), nullptr);
    HDC canvas = GetDC(wnd);
    struct {
        HDC m_hDC;
    } screen = {canvas};
    const int n = 40;

    const double blit = PerCall(n, [&](int) {
        BitBlt(screen.m_hDC, 0, 0, kViewW, kViewH, view.m_hDC, 0, 0, SRCCOPY);
        GdiFlush();
    });
    // in full: every cell drawn, the view jumping further than its width
    const double full = PerCall(n, [&](int i) {
        dlg.m_nViewX = i % 2 ? 0 : 200;
        dlg.DrawView(&view, kViewW, kViewH);
        BitBlt(screen.m_hDC, 0, 0, kViewW, kViewH, view.m_hDC, 0, 0, SRCCOPY);
        GdiFlush();
    });
    const double scroll = PerCall(n, [&](int i) {
        dlg.m_nViewX = 100 + i % 300;  // one cell further each time
        dlg.m_nViewY = 100;
        dlg.DrawView(&view, kViewW, kViewH);
        BitBlt(screen.m_hDC, 0, 0, kViewW, kViewH, view.m_hDC, 0, 0, SRCCOPY);
        GdiFlush();
    });
    const double same = PerCall(n, [&](int) {
        dlg.DrawView(&view, kViewW, kViewH);
        BitBlt(screen.m_hDC, 0, 0, kViewW, kViewH, view.m_hDC, 0, 0, SRCCOPY);
        GdiFlush();
    });
    std::printf("view of the %d x %d stage, %d x %d pixels:\n", g_Stage.m_Width, g_Stage.m_Height, kViewW, kViewH);
    std::printf("  plain blit to the canvas window %8.3f ms\n", blit * 1e3);
    std::printf("  repaint in full                 %8.3f ms  (%.1f x the blit)\n", full * 1e3, full / blit);
    std::printf("  repaint after a scroll step     %8.3f ms  (%.1f x the blit)\n", scroll * 1e3, scroll / blit);
    std::printf("  repaint with nothing changed    %8.3f ms  (%.1f x the blit)\n", same * 1e3, same / blit);
    ReleaseDC(wnd, canvas);
    DestroyWindow(wnd);

    // A flood fill of an empty layer with a 1 x 1 brush: a whole layer that
    // needs far more than the depth bound of nested steps.
    g_Stage.m_Blocks.Reset(g_Stage.LayerSize());
    g_Stage.m_UndoCount = 0;
    g_StageEdit.m_nLayer = 0;
    g_StageEdit.m_nBrushW = g_StageEdit.m_nBrushH = 1;
    g_StageEdit.m_BrushBlock.clear();
    cEdBlock brick;
    brick.m_Graphic = 3;
    g_StageEdit.m_BrushBlock.push_back(brick);
    g_StateStack.m_pCurrent->m_Values[0] = 256;
    g_StateStack.m_pCurrent->m_Values[1] = 256;
    const double t = Now();
    dlg.ToolFill(WM_LBUTTONDOWN);
    const double fill = Now() - t;
    int filled = 0;
    for (const cEdBlock& b : g_Stage.m_Blocks) filled += b.m_Graphic != 0;
    std::printf("flood fill of an empty 512 x 512 layer: %.3f ms, %d cells filled\n", fill * 1e3, filled);
    return 0;
}
