// The six palette windows of the stage editor driven with real input: a
// left click picks an entry into the brush, the right-click popup cuts,
// copies, pastes, inserts and deletes entries (checked in the palette files
// written afterwards), the entry count, the fixed entry 0 and the toolbar
// buttons that the two windows of a kind share.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <string>
#include <vector>

#include "app/palette_dlg.h"
#include "app/services.h"
#include "app/stage_editor_res.h"
#include "base/record.h"
#include "model/palette.h"
#include "model/prjoption.h"
#include "model/stage.h"
#include "res/command_ids.h"
#include "tests/support/bmp_fixture.h"
#include "tests/support/gui.h"
#include "ui/inputdlg.h"
#include "ui/inputdlg_res.h"
#include "ui/registry.h"

extern cPrjOption g_PrjOption;

namespace {

// Runs script once find() gives a visible window, from a timer of the
// thread (so also inside a modal loop that the code under test runs).
struct sWhenShown {
    std::function<HWND()> find;
    std::function<void(HWND)> script;
    bool ran = false;
};
sWhenShown* g_WhenShown = nullptr;

void CALLBACK WhenShownTick(HWND, UINT, UINT_PTR id, DWORD) {
    sWhenShown* s = g_WhenShown;
    if (!s || s->ran) return;
    HWND wnd = s->find();
    if (!wnd || !IsWindowVisible(wnd)) return;
    KillTimer(nullptr, id);
    s->ran = true;
    s->script(wnd);
}

class cWhenShown {
public:
    cWhenShown(std::function<HWND()> find, std::function<void(HWND)> script) {
        m_State.find = std::move(find);
        m_State.script = std::move(script);
        g_WhenShown = &m_State;
        m_Timer = SetTimer(nullptr, 0, 30, WhenShownTick);
    }
    ~cWhenShown() {
        KillTimer(nullptr, m_Timer);
        if (g_WhenShown == &m_State) g_WhenShown = nullptr;
    }
    bool Ran() const { return m_State.ran; }

private:
    sWhenShown m_State;
    UINT_PTR m_Timer = 0;
};

HWND PopupMenuWindow() {
    return FindWindowA("#32768", nullptr);
}

// Sends a left click at a screen point without waiting (the popup menu's
// own loop takes it).
void RawClick(POINT pt) {
    const int w = GetSystemMetrics(SM_CXSCREEN), h = GetSystemMetrics(SM_CYSCREEN);
    INPUT in[2] = {};
    for (int i = 0; i < 2; ++i) {
        in[i].type = INPUT_MOUSE;
        in[i].mi.dx = (pt.x * 65536 + w - 1) / w;
        in[i].mi.dy = (pt.y * 65536 + h - 1) / h;
        in[i].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | (i ? MOUSEEVENTF_LEFTUP : MOUSEEVENTF_LEFTDOWN);
    }
    SendInput(2, in, sizeof(INPUT));
}

void RawKey(WORD vk) {
    INPUT in[2] = {};
    in[0].type = in[1].type = INPUT_KEYBOARD;
    in[0].ki.wVk = in[1].ki.wVk = vk;
    in[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, in, sizeof(INPUT));
}

void WriteToolbarBitmap(const char* path, int buttons) {
    BmpSpec spec;
    spec.width = 16 * buttons;
    spec.height = 15;
    spec.bits = 24;
    spec.pixels = PatternPixels(spec.width, spec.height, 3);
    ASSERT_TRUE(WriteBmp(path, spec));
}

std::vector<int> Graphics(const cVector<cEdBlock>& v) {
    std::vector<int> out;
    for (const cEdBlock& b : v) out.push_back(b.m_Graphic);
    return out;
}

std::vector<int> Graphics(const cVector<cEdChara>& v) {
    std::vector<int> out;
    for (const cEdChara& c : v) out.push_back(c.m_Graphic);
    return out;
}

const char* const kStagePalFile = "palwin.plt4";

class PaletteWindows : public ::testing::Test {
protected:
    void SetUp() override {
        m_Places.resize(kWindowPlaceCount);
        for (int i = 0; i < kWindowPlaceCount; ++i) m_Places[i] = EditConfig.m_Place[i];
        m_DefBlock = g_PrjOption.m_DefBlock;
        for (int i = 0; i < kDefInheritCount; ++i) {
            m_DefSrc[i] = g_PrjOption.m_nDefInheritSrc[i];
            m_DefFlags[i] = g_PrjOption.m_bbDefInherit[i];
        }
        m_CommonBlocks = g_CommonPalette.m_Blocks;
        m_CommonCharas = g_CommonPalette.m_Charas;
        m_CommonItems = g_CommonPalette.m_Items;
        m_EditTarget = g_StageEdit.g_EditTarget;
        m_EditOriginal = g_StageEdit.g_EditOriginal;
        Prepare();
    }

    void TearDown() override {
        Close();
        for (int i = 0; i < kWindowPlaceCount; ++i) EditConfig.m_Place[i] = m_Places[i];
        g_PrjOption.m_DefBlock = m_DefBlock;
        for (int i = 0; i < kDefInheritCount; ++i) {
            g_PrjOption.m_nDefInheritSrc[i] = m_DefSrc[i];
            g_PrjOption.m_bbDefInherit[i] = m_DefFlags[i];
        }
        g_CommonPalette.m_Blocks = m_CommonBlocks;
        g_CommonPalette.m_Charas = m_CommonCharas;
        g_CommonPalette.m_Items = m_CommonItems;
        g_StageEdit.g_EditTarget = m_EditTarget;
        g_StageEdit.g_EditOriginal = m_EditOriginal;
        g_StageEdit.g_EditSource[0] = 0;
        g_StageEdit.g_EditSource[1] = 0;
        g_Stage.SetDefault();
    }

    // A small project: six common blocks (graphics 11 .. 15 after entry 0),
    // nine stage blocks (21 .. 28), new entries of graphic 77.
    void Prepare() {
        SetDataVersion(248, 0);
        CreateDirectoryA("data", nullptr);
        CreateDirectoryA("e_data", nullptr);
        CreateDirectoryA("e_bmp", nullptr);
        WriteToolbarBitmap("e_bmp\\ToolBar_Pen.bmp", 5);
        WriteToolbarBitmap("e_bmp\\ToolBar_PltEdit.bmp", 2);
        for (int i = 0; i < kWindowPlaceCount; ++i) {
            EditConfig.m_Place[i].m_bValid = 0;
            EditConfig.m_Place[i].m_bShown = 1;
        }
        EditConfig.m_Place[kPlaceStageEditor].Set(20, 20, 400, 300);
        g_PrjOption.m_DefBlock.m_Graphic = 77;
        // Picks and new stage entries link as a project would set them,
        // taking no field: the graphics show where each record came from.
        const eObjType types[3] = {kObjBlock, kObjChara, kObjItem};
        const int flags[3] = {kBlockInheritCount, kCharaInheritCount, kItemInheritCount};
        const eInheritSituation roles[3] = {kInheritStage, kInheritCommonPlace, kInheritStagePlace};
        const int sources[3] = {1, 1, 2};
        for (int t = 0; t < 3; ++t) {
            for (int r = 0; r < 3; ++r) {
                const int k = DefInheritIndex(roles[r], types[t]);
                g_PrjOption.m_nDefInheritSrc[k] = sources[r];
                g_PrjOption.m_bbDefInherit[k] = cVector<int8_t>(flags[t], 0);
            }
        }
        g_Stage.SetDefault();
        g_CommonPalette.m_Blocks = m_CommonBlocks;
        g_CommonPalette.m_Blocks.resize(6);
        for (int i = 1; i < 6; ++i) g_CommonPalette.m_Blocks[i].m_Graphic = 10 + i;
        // the stage's blocks 20 .. 28 inherit nothing
        g_Stage.m_PalBlocks.resize(9);
        for (int i = 1; i < 9; ++i) {
            g_Stage.m_PalBlocks[i].m_Graphic = 20 + i;
            g_Stage.m_PalBlocks[i].m_InheritKind = 0;
        }
        g_StageEdit.Reset();
        g_StageEdit.m_bOpen = 1;
        g_StageEdit.SetTool(0);
        g_StageEdit.SetRightClickMode(1);
        g_StateStack.Reset();
    }

    void Close() {
        delete m_Editor;
        m_Editor = nullptr;
        g_StageEditor = nullptr;
        PumpMessages(30);
        g_StageEdit.Reset();
        g_StageEdit.m_bOpen = 0;
        g_StageEdit.SetRightClickMode(0);
    }

    // The stage editor with its palette windows, the current layer's shown.
    void Open(int layer = 0) {
        g_StageEdit.SetLayer(layer);
        m_Editor = new cStageEditorDlg(IDD_STAGE_EDITOR, nullptr, kWndDialog, &g_WndRegistry);
        m_Editor->RunModeless(0, 1);
        ASSERT_NE(nullptr, m_Editor->m_hWnd);
        g_StageEditor = m_Editor;
        m_Editor->CreatePalettes();
        for (int stage = 0; stage < 2; ++stage) {
            cPaletteDlg* w = cPaletteDlg::Window(stage, layer);
            ASSERT_NE(nullptr, w);
            ASSERT_TRUE(PumpUntil([&] { return w->m_bReady && IsWindowVisible(w->m_hWnd); }));
        }
    }

    static POINT EntryPoint(cPaletteDlg* w, int i) {
        POINT pt = {w->m_rcCanvas.x + i % 8 * 32 + 16, w->m_rcCanvas.y + (i / 8 - w->m_nTopRow) * 32 + 16};
        ClientToScreen(w->m_hWnd, &pt);
        return pt;
    }

    static void ClickEntry(cPaletteDlg* w, int i, bool right = false) {
        ASSERT_TRUE(BringToFront(w->m_hWnd));
        const POINT pt = EntryPoint(w, i);
        if (!right) {
            ClickAt(pt.x, pt.y);
        } else {
            // held a moment, as a hand does: the window sees the button go
            // down and come up again
            MoveMouseTo(pt.x, pt.y);
            MouseButton(true, true);
            PumpMessages(40);
            MouseButton(true, false);
        }
        PumpUntilIdle(30);
    }

    // Right-clicks entry i and chooses the popup item of the command (0:
    // only closes the menu); the popup's item states are kept in m_States.
    void Popup(cPaletteDlg* w, int i, int command) {
        m_States.clear();
        cWhenShown choose(PopupMenuWindow, [&](HWND menuWnd) {
            HMENU menu = reinterpret_cast<HMENU>(SendMessageA(menuWnd, MN_GETHMENU, 0, 0));
            const int n = GetMenuItemCount(menu);
            int pos = -1;
            for (int k = 0; k < n; ++k) {
                const UINT id = GetMenuItemID(menu, k);
                if (id == 0 || id == static_cast<UINT>(-1)) continue;
                m_States.push_back(GetMenuState(menu, id, MF_BYCOMMAND) & MF_GRAYED ? 0 : 1);
                if (static_cast<int>(id) == command) pos = k;
            }
            RECT rc = {};
            if (pos >= 0 && GetMenuItemRect(menuWnd, menu, static_cast<UINT>(pos), &rc))
                RawClick(POINT{(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2});
            else
                RawKey(VK_ESCAPE);
        });
        ClickEntry(w, i, true);
        ASSERT_TRUE(PumpUntil([&] { return choose.Ran(); }, 5000)) << "no popup menu on entry " << i;
        ASSERT_TRUE(PumpUntil([&] { return !IsWindowVisible(PopupMenuWindow()); }, 5000));
        PumpUntilIdle(30);
    }

    // Answers the entry count box with the value typed.
    void DataCount(cPaletteDlg* w, int value) {
        cWhenShown answer(
            [] { return g_InputValueDlg ? g_InputValueDlg->m_hWnd : nullptr; },
            [&](HWND box) {
                SetDlgItemInt(box, IDC_INPUT_EDIT, static_cast<UINT>(value), TRUE);
                ClickWindow(GetDlgItem(box, kIdOk));
            });
        SendMessageA(w->m_hWnd, WM_COMMAND, ID_PAL_DATA_COUNT, 0);
        EXPECT_TRUE(answer.Ran());
        PumpUntilIdle(30);
    }

    cStageEditorDlg* m_Editor = nullptr;
    std::vector<int> m_States;
    std::vector<cEdWindowPlace> m_Places;
    cEdBlock m_DefBlock;
    int32_t m_DefSrc[kDefInheritCount] = {};
    cVector<int8_t> m_DefFlags[kDefInheritCount];
    cVector<cEdBlock> m_CommonBlocks;
    cVector<cEdChara> m_CommonCharas;
    cVector<cEdItem> m_CommonItems;
    int32_t m_EditTarget = 0;
    decltype(g_StageEdit.g_EditOriginal) m_EditOriginal = {nullptr, nullptr, nullptr};
};

// The windows the stage editor makes: captions, the current layer's shown,
// rows of eight with a scroll range over every row.
TEST_F(PaletteWindows, TheStageEditorMakesSixWindowsAndShowsTheLayersTwo) {
    Open(0);
    const char* const captions[2][3] = {
        {"[コモン]ブロックパレット", "[コモン]キャラパレット", "[コモン]アイテムパレット"},
        {"[ステージ]ブロックパレット", "[ステージ]キャラパレット", "[ステージ]アイテムパレット"},
    };
    for (int stage = 0; stage < 2; ++stage) {
        for (int kind = 0; kind < 3; ++kind) {
            cPaletteDlg* w = cPaletteDlg::Window(stage, kind);
            ASSERT_NE(nullptr, w);
            char text[64] = "";
            GetWindowTextA(w->m_hWnd, text, sizeof text);
            EXPECT_STREQ(captions[stage][kind], text);
            EXPECT_EQ(kind == 0, IsWindowVisible(w->m_hWnd) != 0) << stage << "/" << kind;
        }
    }
    // nine stage blocks: two rows, entry 8 at row 1, column 0
    cPaletteDlg* stage = cPaletteDlg::Window(1, 0);
    int lo = -1, hi = -1;
    GetScrollRange(stage->m_VScroll.m_Ctrl.m_hWnd, SB_CTL, &lo, &hi);
    EXPECT_EQ(0, lo);
    EXPECT_EQ(1, hi);
    ClickEntry(stage, 8);
    EXPECT_EQ(8, g_StageEdit.g_EditSource[1]);
    // the window is as high as its rows need
    RECT client = {};
    GetClientRect(stage->m_hWnd, &client);
    EXPECT_EQ(stage->CalcMaxHeight(), client.bottom);
    EXPECT_EQ(kToolbarRowHeight + 2 * 32 + kStatusBarHeight, client.bottom);
}

// A left click selects the entry of its window and puts a linked copy into
// the brush; past the last entry nothing changes.
TEST_F(PaletteWindows, LeftClickPicksTheEntryIntoTheBrush) {
    Open(0);
    const struct {
        const char* what;
        int stage, index;
        int source, selected, graphic, link;  // expected
    } cases[] = {
        {"a stage entry links to the stage palette", 1, 3, 1, 3, 23, 2},
        {"a common entry links to the common palette", 0, 2, 0, 2, 12, 1},
        {"past the end of the common palette: nothing", 0, 7, 0, 2, 12, 1},
        {"the fixed entry 0", 1, 0, 1, 0, 0, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        g_StageEdit.m_nBrushW = 3;
        ClickEntry(cPaletteDlg::Window(c.stage, 0), c.index);
        EXPECT_EQ(c.source, g_StageEdit.g_EditSource[0]);
        EXPECT_EQ(c.selected, g_StageEdit.g_EditSource[1]);
        EXPECT_EQ(c.graphic, g_StageEdit.m_BrushBlock[0].m_Graphic);
        EXPECT_EQ(c.link, g_StageEdit.m_BrushBlock[0].m_InheritKind);
        EXPECT_EQ(c.selected, g_StageEdit.m_BrushBlock[0].m_InheritIndex);
        if (c.index != 7) {
            EXPECT_EQ(1, g_StageEdit.m_nBrushW);
        }
    }
    // the status bar names the selection of its own window only
    g_Stage.m_PalBlocks[2].m_Name = "岩";
    ClickEntry(cPaletteDlg::Window(1, 0), 2);
    m_Editor->DrawAllPalettes();  // as the idle step draws them
    EXPECT_EQ("2 : 岩", cPaletteDlg::Window(1, 0)->m_strStatus);
    EXPECT_EQ("", cPaletteDlg::Window(0, 0)->m_strStatus);
    // the selection frame: white around entry 2 in its own window only
    GdiFlush();
    EXPECT_EQ(RGB(255, 255, 255), GetPixel(cPaletteDlg::Window(1, 0)->m_Canvas.m_Ctrl.m_Offscreen.m_hDC, 64, 10));
    EXPECT_EQ(RGB(0, 0, 0), GetPixel(cPaletteDlg::Window(0, 0)->m_Canvas.m_Ctrl.m_Offscreen.m_hDC, 64, 10));
}

// The popup's commands, each checked in the palette files that a save writes.
TEST_F(PaletteWindows, PopupCommandsEditTheSavedPalettes) {
    struct Step {
        int stage, index, command;
    };
    const struct {
        const char* what;
        std::vector<Step> steps;
        std::vector<int> common, stagePal;  // graphics after the save
        int selected;                        // g_EditSource[1] afterwards
    } cases[] = {
        {"cut 5 and insert it at 2 in one palette: it moves, the size stays",
         {{1, 5, ID_PAL_CUT}, {1, 2, ID_PAL_INSERT_COPIED}},
         {0, 11, 12, 13, 14, 15},
         {0, 21, 25, 22, 23, 24, 26, 27, 28},
         2},
        {"copy 3 and paste it over 6",
         {{1, 3, ID_PAL_COPY}, {1, 6, ID_PAL_PASTE}},
         {0, 11, 12, 13, 14, 15},
         {0, 21, 22, 23, 24, 25, 23, 27, 28},
         6},
        {"cut in the common palette, insert in the stage palette: it moves between them",
         {{0, 2, ID_PAL_CUT}, {1, 4, ID_PAL_INSERT_COPIED}},
         {0, 11, 13, 14, 15},
         {0, 21, 22, 23, 12, 24, 25, 26, 27, 28},
         4},
        {"delete the selected entry: entry 0 is selected",
         {{1, 4, ID_PAL_DELETE}},
         {0, 11, 12, 13, 14, 15},
         {0, 21, 22, 23, 25, 26, 27, 28},
         0},
        {"new entry inserted before 2 and one at the end",
         {{0, 2, ID_PAL_INSERT_NEW}, {0, 1, ID_PAL_APPEND_NEW}},
         {0, 11, 77, 12, 13, 14, 15, 77},
         {0, 21, 22, 23, 24, 25, 26, 27, 28},
         1},
        {"copy at the end",
         {{1, 1, ID_PAL_COPY}, {1, 8, ID_PAL_APPEND_COPIED}},
         {0, 11, 12, 13, 14, 15},
         {0, 21, 22, 23, 24, 25, 26, 27, 28, 21},
         8},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Close();
        Prepare();
        Open(0);
        for (const Step& s : c.steps) Popup(cPaletteDlg::Window(s.stage, 0), s.index, s.command);
        EXPECT_EQ(c.selected, g_StageEdit.g_EditSource[1]);
        ASSERT_EQ(1, m_Editor->SaveCommonPalette());
        ASSERT_EQ(1, g_Stage.SavePalette(kStagePalFile));
        cEdCommonPalette common;
        ASSERT_EQ(1, common.Load(g_CommonPalettePath.CStr()));
        cEdStage stage;
        ASSERT_EQ(1, stage.LoadPalette(kStagePalFile));
        EXPECT_EQ(c.common, Graphics(common.m_Blocks));
        EXPECT_EQ(c.stagePal, Graphics(stage.m_PalBlocks));
        // the brush holds the selected entry of its palette
        const cVector<cEdBlock>& pal = g_StageEdit.g_EditSource[0] ? g_Stage.m_PalBlocks : g_CommonPalette.m_Blocks;
        EXPECT_EQ(pal[g_StageEdit.g_EditSource[1]].m_Graphic, g_StageEdit.m_BrushBlock[0].m_Graphic);
    }
}

// What the popup offers by entry and clipboard.
TEST_F(PaletteWindows, PopupOffersOnlyTheEndCommandsOnEntryZero) {
    Open(0);
    cPaletteDlg* w = cPaletteDlg::Window(1, 0);
    // item order: edit, cut, copy, paste, insert copied, new, delete, copy
    // at the end, new at the end
    const struct {
        const char* what;
        int clip;  // 0 none, 1 copied, 2 cut
        int index;
        std::vector<int> states;
    } cases[] = {
        {"entry 0 without a clipboard", 0, 0, {0, 0, 0, 0, 0, 0, 0, 0, 1}},
        {"entry 0 with a copied entry", 1, 0, {0, 0, 0, 0, 0, 0, 0, 1, 1}},
        {"an entry without a clipboard", 0, 3, {1, 1, 1, 0, 0, 1, 1, 0, 1}},
        {"an entry with a copied entry", 1, 3, {1, 1, 1, 1, 1, 1, 1, 1, 1}},
        {"an entry with a cut entry: no paste", 2, 3, {1, 1, 1, 0, 1, 1, 1, 1, 1}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        g_StageEdit.ClearPalClip();
        if (c.clip) Popup(w, 5, c.clip == 1 ? ID_PAL_COPY : ID_PAL_CUT);
        Popup(w, c.index, 0);
        EXPECT_EQ(c.states, m_States);
    }
    // nothing changed the palette
    EXPECT_EQ(9u, g_Stage.m_PalBlocks.size());
}

// The entry count: the answer plus the fixed entry 0; new stage entries
// link to the common palette as the project's defaults say.
TEST_F(PaletteWindows, EntryCountResizesThePalette) {
    Open(0);
    const struct {
        const char* what;
        int stage, answer;
        size_t size;
        int rows;  // the scroll range's top
        int last;  // the graphic of the last entry
    } cases[] = {
        {"one entry after entry 0", 1, 1, 2, 0, 21},
        {"grown", 1, 12, 13, 1, 77},
        {"the common palette", 0, 9, 10, 1, 77},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        cPaletteDlg* w = cPaletteDlg::Window(c.stage, 0);
        g_StageEdit.m_bModified = 0;
        g_StageEdit.m_bCommonModified = 0;
        DataCount(w, c.answer);
        const cVector<cEdBlock>& pal = c.stage ? g_Stage.m_PalBlocks : g_CommonPalette.m_Blocks;
        ASSERT_EQ(c.size, pal.size());
        EXPECT_EQ(c.last, pal[static_cast<int>(c.size) - 1].m_Graphic);
        EXPECT_EQ(c.stage ? 1 : 0, g_StageEdit.m_bModified);
        EXPECT_EQ(c.stage ? 0 : 1, g_StageEdit.m_bCommonModified);
        int lo = -1, hi = -1;
        GetScrollRange(w->m_VScroll.m_Ctrl.m_hWnd, SB_CTL, &lo, &hi);
        EXPECT_EQ(c.rows, hi);
    }
    // a new stage entry links to the common entry of its own number; past
    // the six common entries there were then, the link is cleared
    EXPECT_EQ(1, g_Stage.m_PalBlocks[5].m_InheritKind);
    EXPECT_EQ(5, g_Stage.m_PalBlocks[5].m_InheritIndex);
    EXPECT_EQ(0, g_Stage.m_PalBlocks[6].m_InheritKind);
    EXPECT_EQ(0, g_Stage.m_PalBlocks[12].m_InheritKind);
}

// The tool and right-click buttons: the one pressed checks itself, the
// twin window of the kind follows.
TEST_F(PaletteWindows, ToolbarButtonsAreMirroredInTheTwinWindow) {
    Open(0);
    const struct {
        int stage, command;
        int tool, mode;
    } cases[] = {
        {0, ID_PEN_LINE, 1, 1}, {1, ID_PEN_FILL, 3, 1}, {0, ID_RCLICK_EDIT, 3, 0},
        {1, ID_PEN_EDIT, 4, 0}, {1, ID_RCLICK_MENU, 4, 1}, {0, ID_PEN_FREE, 0, 1},
    };
    const int pens[5] = {ID_PEN_FREE, ID_PEN_LINE, ID_PEN_RECT, ID_PEN_FILL, ID_PEN_EDIT};
    const int modes[2] = {ID_RCLICK_EDIT, ID_RCLICK_MENU};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.command);
        cPaletteDlg* w = cPaletteDlg::Window(c.stage, 0);
        RECT rc = {};
        ASSERT_TRUE(SendMessageA(w->m_hToolbar, TB_GETRECT, static_cast<WPARAM>(c.command), reinterpret_cast<LPARAM>(&rc)));
        ASSERT_TRUE(BringToFront(w->m_hWnd));
        ClickClientPoint(w->m_hToolbar, (rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2);
        PumpUntilIdle(30);
        EXPECT_EQ(c.tool, g_StageEdit.m_nTool);
        EXPECT_EQ(c.mode, g_StageEdit.m_nRightClickMode);
        for (int stage = 0; stage < 2; ++stage) {
            HWND bar = cPaletteDlg::Window(stage, 0)->m_hToolbar;
            for (int i = 0; i < 5; ++i)
                EXPECT_EQ(i == c.tool, SendMessageA(bar, TB_ISBUTTONCHECKED, pens[i], 0) != 0) << stage << " pen " << i;
            for (int i = 0; i < 2; ++i)
                EXPECT_EQ(i == c.mode, SendMessageA(bar, TB_ISBUTTONCHECKED, modes[i], 0) != 0) << stage << " mode " << i;
        }
    }
}

// In the editing right-click mode a right click sets up the entry's sheet;
// entry 0 is never opened.
TEST_F(PaletteWindows, RightClickInEditModeOpensTheEntryButNotEntryZero) {
    g_StageEdit.SetRightClickMode(0);
    Open(0);
    cPaletteDlg* w = cPaletteDlg::Window(1, 0);
    g_StageEdit.g_EditTarget = 0;
    g_StageEdit.g_EditOriginal.m_pBlock = nullptr;
    ClickEntry(w, 0, true);
    EXPECT_EQ(0, g_StageEdit.g_EditTarget);
    EXPECT_EQ(nullptr, g_StageEdit.g_EditOriginal.m_pBlock);
    ClickEntry(w, 4, true);
    EXPECT_EQ(1, g_StageEdit.g_EditTarget);
    EXPECT_EQ(&g_Stage.m_PalBlocks[4], g_StageEdit.g_EditOriginal.m_pBlock);
    EXPECT_EQ(24, g_StageEdit.m_BrushBlock[0].m_Graphic);
    EXPECT_EQ(4, g_StageEdit.g_EditSource[1]);
    EXPECT_FALSE(IsWindowVisible(PopupMenuWindow())) << "no popup in this mode";
}

// After a deletion in the stage character palette the characters placed
// from it take the entry that now has their index.
TEST_F(PaletteWindows, PlacedObjectsFollowAStageEntryDeletion) {
    g_Stage.m_PalCharas.resize(6);
    for (int i = 1; i < 6; ++i) {
        g_Stage.m_PalCharas[i].m_Graphic = 40 + i;
        g_Stage.m_PalCharas[i].m_InheritKind = 0;
    }
    cEdChara& placed = g_Stage.m_Charas[g_Stage.CellIndex(2, 2)];
    placed = g_Stage.m_PalCharas[3];
    SetInherit(&placed, kObjChara, 2, 3, cVector<int8_t>(kCharaInheritCount, 1));
    ASSERT_EQ(43, placed.m_Graphic);
    Open(1);
    Popup(cPaletteDlg::Window(1, 1), 2, ID_PAL_DELETE);
    EXPECT_EQ((std::vector<int>{0, 41, 43, 44, 45}), Graphics(g_Stage.m_PalCharas));
    EXPECT_EQ(44, g_Stage.m_Charas[g_Stage.CellIndex(2, 2)].m_Graphic);
}

}  // namespace
