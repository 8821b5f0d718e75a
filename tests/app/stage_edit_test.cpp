// The stage edit state: layer and tool switching, and the undo and redo
// histories of the three stage layers.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "app/shell.h"
#include "app/stage_edit.h"
#include "base/log.h"
#include "model/palette.h"
#include "model/stage.h"
#include "tests/support/box_catcher.h"
#include "tests/support/test_env.h"

namespace {

uint64_t s_FreeBytes = 0;

uint64_t InjectedFreeMemory() {
    return s_FreeBytes;
}

std::vector<int> s_LayerCalls;

void OnLayerChanged(int layer) {
    s_LayerCalls.push_back(layer);
}

// The program's tests share g_Stage, g_StageEdit and the common palette;
// each test here starts from a small stage and leaves them as it found them.
// The stage is 3 x 2 cells on a pitch of 4, so column 3 lies beyond the
// width.
class StageEditTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_SavedStage = g_Stage;
        m_SavedBlocks = g_CommonPalette.m_Blocks;
        m_SavedCharas = g_CommonPalette.m_Charas;
        m_SavedItems = g_CommonPalette.m_Items;
        ASSERT_EQ(1, g_Stage.SetSize(3, 2, 0, 0));
        ASSERT_EQ(4, g_Stage.m_Pitch);
        g_Stage.m_UndoCount = 3;
        s_FreeBytes = UINT64_MAX / 4;
        SetFreeMemorySource(InjectedFreeMemory);
        s_LayerCalls.clear();
    }

    void TearDown() override {
        cStageEdit& s = g_StageEdit;
        s.Reset();
        s.ClearUndo();
        s.m_UndoFlags.clear();
        s.m_RedoFlags.clear();
        for (cLayerBrush& v : s.m_View) v = cLayerBrush();
        SetFreeMemorySource(nullptr);
        SetLayerChangedHandler(nullptr);
        g_GameRunning = 0;
        SetErrorLog(0, "log.txt");
        g_Stage = m_SavedStage;
        g_CommonPalette.m_Blocks = m_SavedBlocks;
        g_CommonPalette.m_Charas = m_SavedCharas;
        g_CommonPalette.m_Items = m_SavedItems;
    }

    static cEdBlock& Block(int x, int y) { return g_Stage.m_Blocks[g_Stage.CellIndex(x, y)]; }
    static cEdChara& Chara(int x, int y) { return g_Stage.m_Charas[g_Stage.CellIndex(x, y)]; }
    static cEdItem& Item(int x, int y) { return g_Stage.m_Items[g_Stage.CellIndex(x, y)]; }

    // Sizes the histories for the stage as the stage editor does.
    static void Alloc() { g_StageEdit.AllocUndo(g_Stage.m_UndoCount, g_Stage.m_Pitch, g_Stage.m_Height); }

    // The stage editor's push: the stage layers onto the undo history.
    static int Push(int mask) {
        cStageEdit& s = g_StageEdit;
        return s.PushUndo(mask, s.m_UndoBlock, s.m_UndoChara, s.m_UndoItem, g_Stage.m_Blocks, g_Stage.m_Charas,
                          g_Stage.m_Items, s.m_nUndo, s.m_UndoFlags);
    }
    static void Undo() { g_StageEdit.Undo(g_Stage.m_Blocks, g_Stage.m_Charas, g_Stage.m_Items); }
    static void Redo() { g_StageEdit.Redo(g_Stage.m_Blocks, g_Stage.m_Charas, g_Stage.m_Items); }

    cEdStage m_SavedStage;
    cVector<cEdBlock> m_SavedBlocks;
    cVector<cEdChara> m_SavedCharas;
    cVector<cEdItem> m_SavedItems;
};

// ---------------------------------------------------------------------------
// Layers and tools

TEST_F(StageEditTest, LayerCommandsSetTheLayerAndTheLayerToGoBackTo) {
    const struct {
        const char* name;
        int from;
        int command;  // 0 SetLayer, 1 SwitchLayer, 2 NextLayer
        int arg;
        int layer;
        int returnLayer;
    } cases[] = {
        {"SetLayer", 0, 0, 2, 2, 2},
        {"SwitchLayer keeps the layer left", 1, 1, 2, 2, 1},
        {"NextLayer 0 -> 1", 0, 2, 0, 1, 1},
        {"NextLayer wraps from 2 to 0", 2, 2, 0, 0, 0},
    };
    cStageEdit& s = g_StageEdit;
    SetLayerChangedHandler(OnLayerChanged);
    for (const auto& c : cases) {
        s.m_nLayer = c.from;
        s.m_nReturnLayer = 7;
        s_LayerCalls.clear();
        if (c.command == 0) s.SetLayer(c.arg);
        if (c.command == 1) s.SwitchLayer(c.arg);
        if (c.command == 2) s.NextLayer();
        EXPECT_EQ(c.layer, s.m_nLayer) << c.name;
        EXPECT_EQ(c.returnLayer, s.m_nReturnLayer) << c.name;
        EXPECT_EQ(std::vector<int>{c.layer}, s_LayerCalls) << c.name;
    }
}

TEST_F(StageEditTest, SelectLayerKeepsEachLayersPaletteSelection) {
    cStageEdit& s = g_StageEdit;
    SetLayerChangedHandler(OnLayerChanged);
    s.m_nLayer = 0;
    s.g_EditSource[0] = 1;
    s.g_EditSource[1] = 5;
    s.m_nBrushW = 2;
    s.m_nBrushH = 3;
    s.m_View[2] = {7, 4, 1};
    s.m_nTool = 1;
    s.m_nCursorMode = 5;  // a selection drag
    s.m_PalClipBlock.reset(new cEdBlock);
    s.m_bPalClip = s.m_bPalClipCut = 1;

    s.SelectLayer(2);

    EXPECT_EQ(2, s.m_nLayer);
    EXPECT_EQ(5, s.m_View[0].m_nIndex);
    EXPECT_EQ(2, s.m_View[0].m_nBrushW);
    EXPECT_EQ(3, s.m_View[0].m_nBrushH);
    EXPECT_EQ(7, s.g_EditSource[1]);
    EXPECT_EQ(1, s.g_EditSource[0]) << "the palette of the selection is not kept per layer";
    EXPECT_EQ(4, s.m_nBrushW);
    EXPECT_EQ(1, s.m_nBrushH);
    EXPECT_EQ(1, s.m_nCursorMode) << "the tool's cursor mode ends the selection";
    EXPECT_EQ(0, s.m_bPalClip);
    EXPECT_EQ(0, s.m_bPalClipCut);
    EXPECT_FALSE(s.m_PalClipBlock);
    EXPECT_EQ(std::vector<int>{2}, s_LayerCalls);

    // The layer that is already current: m_View is not touched.
    s.g_EditSource[1] = 9;
    s.m_nBrushW = 6;
    s.SelectLayer(2);
    EXPECT_EQ(7, s.m_View[2].m_nIndex);
    EXPECT_EQ(4, s.m_View[2].m_nBrushW);
    EXPECT_EQ(9, s.g_EditSource[1]);
    EXPECT_EQ(6, s.m_nBrushW);

    // No layer: only the palette clipboard is emptied.
    for (int bad : {3, -1}) {
        s_LayerCalls.clear();
        s.m_PalClipItem.reset(new cEdItem);
        s.m_bPalClip = 1;
        s.m_nCursorMode = 5;
        s.SelectLayer(bad);
        EXPECT_EQ(2, s.m_nLayer) << bad;
        EXPECT_EQ(0, s.m_bPalClip) << bad;
        EXPECT_FALSE(s.m_PalClipItem) << bad;
        EXPECT_EQ(5, s.m_nCursorMode) << bad;
        EXPECT_TRUE(s_LayerCalls.empty()) << bad;
        EXPECT_EQ(7, s.m_View[2].m_nIndex) << bad;
    }
}

TEST_F(StageEditTest, EachToolHasItsCursorMode) {
    const struct {
        int tool;
        int cursor;
    } cases[] = {{0, 0}, {1, 1}, {2, 2}, {3, 3}, {4, 3}, {5, 5}, {-1, 5}};
    cStageEdit& s = g_StageEdit;
    for (const auto& c : cases) {
        s.m_nCursorMode = 5;
        s.SetTool(c.tool);
        EXPECT_EQ(c.tool, s.m_nTool) << c.tool;
        EXPECT_EQ(c.cursor, s.m_nCursorMode) << c.tool;
    }
}

TEST_F(StageEditTest, RightClickModeEmptiesThePaletteClipboard) {
    cStageEdit& s = g_StageEdit;
    s.m_PalClipChara.reset(new cEdChara);
    s.m_bPalClip = s.m_bPalClipCut = 1;
    s.SetRightClickMode(1);
    EXPECT_EQ(1, s.m_nRightClickMode);
    EXPECT_EQ(0, s.m_bPalClip);
    EXPECT_EQ(0, s.m_bPalClipCut);
    EXPECT_FALSE(s.m_PalClipChara);
}

// ---------------------------------------------------------------------------
// Sizing the histories

TEST_F(StageEditTest, StepBytesRoundsThePitchUpAndStaysWithinInt) {
    const struct {
        int pitch, height, bytes;
    } cases[] = {
        {32, 15, 32 * 15 * 2257}, {20, 15, 32 * 15 * 2257}, {1, 1, 2257},
        {0, 5, 5 * 2257},         {64, 0, 0},               {1024, 1024, INT32_MAX},  // 2366636032 bytes
    };
    for (const auto& c : cases) EXPECT_EQ(c.bytes, cStageEdit::StepBytes(c.pitch, c.height)) << c.pitch << "x" << c.height;
}

TEST_F(StageEditTest, AllocUndoFitsTheStepCountToTheFreeMemory) {
    const uint64_t step = 4 * 2 * 2257;  // the 3 x 2 stage on a pitch of 4
    const uint64_t bigStep = 1024ull * 1024 * 2257;
    const struct {
        const char* name;
        uint64_t free;
        int count, pitch, height;
        int steps;  // snapshots per history; the stored count when lowered
        bool lowered;
    } cases[] = {
        {"plenty", UINT64_MAX / 4, 5, 4, 2, 5, false},
        {"exactly the stage and two histories", step * 11, 5, 4, 2, 5, false},
        {"one byte short", step * 11 - 1, 5, 4, 2, 4, true},
        {"room for two of five", step * 5 + 100, 5, 4, 2, 2, true},
        {"room for the stage only", step * 2, 5, 4, 2, 0, true},
        {"below one step", step - 1, 5, 4, 2, 0, true},
        // 11 steps of a 1024 x 1024 stage wrap to 263192576 bytes in 32 bits.
        {"huge stage", bigStep - 1, 5, 1024, 1024, 0, true},
        {"huge stage, 2 GB", 2147483648ull, 5, 1024, 1024, 0, true},
        // 3967 steps of 32 x 15 cells wrap to 2721824 bytes in 32 bits.
        {"many steps", 10 * 1083360ull, 1983, 32, 15, 4, true},
        {"a layer beyond the int range", UINT64_MAX, 2, 65536, 65536, 0, true},
        {"no steps", UINT64_MAX / 4, 0, 4, 2, 0, false},
        {"negative count", UINT64_MAX / 4, -3, 4, 2, 0, false},
    };
    cStageEdit& s = g_StageEdit;
    TestAppWindow app;
    BoxCatcher boxes;
    SetErrorLog(1, "log.txt");
    for (const auto& c : cases) {
        // A used history of another size goes first.
        s_FreeBytes = UINT64_MAX / 4;
        g_Stage.m_UndoCount = 3;
        s.AllocUndo(3, 4, 2);
        s.m_nUndo = 2;
        s.m_nRedo = 1;

        s_FreeBytes = c.free;
        g_Stage.m_UndoCount = c.count;
        s.AllocUndo(c.count, c.pitch, c.height);

        EXPECT_EQ(c.lowered ? c.steps : c.count, g_Stage.m_UndoCount) << c.name;
        EXPECT_LE(g_Stage.m_UndoCount, c.count > 0 ? c.count : 0) << c.name;
        EXPECT_EQ(0, s.m_nUndo) << c.name;
        EXPECT_EQ(0, s.m_nRedo) << c.name;
        const size_t n = static_cast<size_t>(c.steps);
        EXPECT_EQ(n, s.m_UndoBlock.size()) << c.name;
        EXPECT_EQ(n, s.m_UndoChara.size()) << c.name;
        EXPECT_EQ(n, s.m_UndoItem.size()) << c.name;
        EXPECT_EQ(n, s.m_RedoBlock.size()) << c.name;
        EXPECT_EQ(n, s.m_RedoChara.size()) << c.name;
        EXPECT_EQ(n, s.m_RedoItem.size()) << c.name;
        if (n > 0) {
            EXPECT_EQ(n, s.m_UndoFlags.size()) << c.name;
            EXPECT_EQ(n, s.m_RedoFlags.size()) << c.name;
            const size_t cells = static_cast<size_t>(c.pitch) * c.height;
            for (size_t i : {size_t(0), n - 1}) {
                EXPECT_EQ(cells, s.m_UndoBlock[i].size()) << c.name;
                EXPECT_EQ(cells, s.m_RedoChara[i].size()) << c.name;
                EXPECT_EQ(cells, s.m_RedoItem[i].size()) << c.name;
                EXPECT_EQ(0, s.m_UndoChara[i].back().m_Graphic) << c.name;
            }
        }
        const std::vector<CaughtBox> got = boxes.Take();
        if (c.lowered) {
            ASSERT_EQ(1u, got.size()) << c.name;
            EXPECT_EQ("元に戻せる回数を " + std::to_string(c.steps) + "回 に強制変更！", got[0].text) << c.name;
        } else {
            EXPECT_TRUE(got.empty()) << c.name;
        }
    }
    EXPECT_FALSE(app.TakeCloseRequest());

    // With the error log off the count is lowered all the same, silently.
    SetErrorLog(0, "log.txt");
    s_FreeBytes = step * 5 + 100;
    g_Stage.m_UndoCount = 5;
    s.AllocUndo(5, 4, 2);
    EXPECT_EQ(2, g_Stage.m_UndoCount);
    EXPECT_EQ(2u, s.m_UndoBlock.size());
    EXPECT_TRUE(boxes.Take().empty());
}

TEST_F(StageEditTest, ClearUndoReleasesTheStepsButKeepsTheFlags) {
    cStageEdit& s = g_StageEdit;
    Alloc();
    Block(0, 0).m_Graphic = 3;
    Push(kLayerMaskAll);
    Undo();
    ASSERT_EQ(0, s.m_nUndo);
    ASSERT_EQ(1, s.m_nRedo);
    Push(kLayerMaskAll);

    s.ClearUndo();

    EXPECT_EQ(0, s.m_nUndo);
    EXPECT_EQ(0, s.m_nRedo);
    EXPECT_TRUE(s.m_UndoBlock.empty());
    EXPECT_TRUE(s.m_UndoChara.empty());
    EXPECT_TRUE(s.m_UndoItem.empty());
    EXPECT_TRUE(s.m_RedoBlock.empty());
    EXPECT_TRUE(s.m_RedoChara.empty());
    EXPECT_TRUE(s.m_RedoItem.empty());
    EXPECT_EQ(0u, s.m_UndoBlock.capacity());
    EXPECT_EQ(3u, s.m_UndoFlags.size());
    EXPECT_EQ(3u, s.m_RedoFlags.size());
}

// ---------------------------------------------------------------------------
// Push, undo and redo

TEST_F(StageEditTest, AFullHistoryKeepsTheNewestStepsAndUndoRedoWalkThem) {
    cStageEdit& s = g_StageEdit;
    Alloc();
    // Before each drawing the stage editor records the layers; five states
    // of cell (1, 1), four of them recorded, the last three kept.
    for (int g = 1; g <= 4; ++g) {
        Block(1, 1).m_Graphic = static_cast<int16_t>(g);
        EXPECT_EQ(1, Push(kLayerMaskBlock));
    }
    Block(1, 1).m_Graphic = 5;
    EXPECT_EQ(3, s.m_nUndo);
    EXPECT_EQ(4, s.m_UndoBlock[0][g_Stage.CellIndex(1, 1)].m_Graphic);
    EXPECT_EQ(2, s.m_UndoBlock[2][g_Stage.CellIndex(1, 1)].m_Graphic);

    for (int g : {4, 3, 2, 2}) {
        Undo();
        EXPECT_EQ(g, Block(1, 1).m_Graphic);
    }
    EXPECT_EQ(0, s.m_nUndo);
    EXPECT_EQ(3, s.m_nRedo);

    for (int g : {3, 4, 5, 5}) {
        Redo();
        EXPECT_EQ(g, Block(1, 1).m_Graphic);
    }
    EXPECT_EQ(3, s.m_nUndo);
    EXPECT_EQ(0, s.m_nRedo);
    Undo();
    EXPECT_EQ(4, Block(1, 1).m_Graphic);
}

TEST_F(StageEditTest, UndoWithoutStepsChangesNothingAndPushLeavesRedoToTheEditor) {
    cStageEdit& s = g_StageEdit;
    Alloc();
    Block(0, 1).m_Graphic = 8;
    Undo();
    Redo();
    EXPECT_EQ(8, Block(0, 1).m_Graphic);
    EXPECT_EQ(0, s.m_nUndo);
    EXPECT_EQ(0, s.m_nRedo);

    Push(kLayerMaskBlock);
    Block(0, 1).m_Graphic = 9;
    Undo();
    EXPECT_EQ(8, Block(0, 1).m_Graphic);
    EXPECT_EQ(1, s.m_nRedo);
    EXPECT_EQ(kLayerMaskBlock, s.m_RedoFlags[0]);
    // Emptying the redo history is the stage editor's part of a new step.
    Push(kLayerMaskBlock);
    EXPECT_EQ(1, s.m_nUndo);
    EXPECT_EQ(1, s.m_nRedo);
}

TEST_F(StageEditTest, UndoRestoresOnlyTheLayersOfTheStep) {
    cStageEdit& s = g_StageEdit;
    Alloc();
    Block(2, 0).m_Graphic = 1;
    Chara(2, 0).m_Graphic = 1;
    Item(2, 0).m_Graphic = 1;
    Push(kLayerMaskChara);
    Block(2, 0).m_Graphic = 2;
    Chara(2, 0).m_Graphic = 2;
    Item(2, 0).m_Graphic = 2;

    Undo();
    EXPECT_EQ(2, Block(2, 0).m_Graphic);
    EXPECT_EQ(1, Chara(2, 0).m_Graphic);
    EXPECT_EQ(2, Item(2, 0).m_Graphic);
    EXPECT_EQ(kLayerMaskChara, s.m_RedoFlags[0]);

    // Redo brings back only the characters as well.
    Block(2, 0).m_Graphic = 3;
    Redo();
    EXPECT_EQ(3, Block(2, 0).m_Graphic);
    EXPECT_EQ(2, Chara(2, 0).m_Graphic);
    EXPECT_EQ(2, Item(2, 0).m_Graphic);
}

TEST_F(StageEditTest, AnEmptyCellComesBackAsAGraphicIndexOfZeroOnly) {
    Alloc();
    Chara(1, 0).m_Name = "before";
    Push(kLayerMaskChara);
    Chara(1, 0).m_Graphic = 7;
    Chara(1, 0).m_Name = "drawn";
    Chara(1, 0).m_Faction = 3;
    Chara(0, 0).m_Graphic = 4;  // occupied after the push too
    Chara(0, 0).m_Name = "placed";

    Undo();
    EXPECT_EQ(0, Chara(1, 0).m_Graphic);
    EXPECT_EQ("drawn", Chara(1, 0).m_Name);
    EXPECT_EQ(3, Chara(1, 0).m_Faction);
    EXPECT_EQ(0, Chara(0, 0).m_Graphic);
    EXPECT_EQ("placed", Chara(0, 0).m_Name);
}

TEST_F(StageEditTest, CellsBeyondTheWidthAreNeverTouched) {
    cStageEdit& s = g_StageEdit;
    Alloc();
    const int beyond = g_Stage.CellIndex(3, 1);  // x 3 of a width of 3
    g_Stage.m_Blocks[beyond].m_Graphic = 9;
    Block(2, 1).m_Graphic = 9;
    Push(kLayerMaskBlock);
    EXPECT_EQ(0, s.m_UndoBlock[0][beyond].m_Graphic);
    EXPECT_EQ(9, s.m_UndoBlock[0][g_Stage.CellIndex(2, 1)].m_Graphic);

    g_Stage.m_Blocks[beyond].m_Graphic = 11;
    s.m_UndoBlock[0][beyond].m_Graphic = 5;
    Block(2, 1).m_Graphic = 0;
    Undo();
    EXPECT_EQ(11, g_Stage.m_Blocks[beyond].m_Graphic);
    EXPECT_EQ(9, Block(2, 1).m_Graphic);
    EXPECT_EQ(0, s.m_RedoBlock[0][beyond].m_Graphic);
}

TEST_F(StageEditTest, RestoredObjectsTakeInheritedFieldsFromThePaletteAsItIsNow) {
    g_CommonPalette.m_Blocks.Reset(2);
    g_CommonPalette.m_Blocks[1].m_Graphic = 5;
    g_CommonPalette.m_Blocks[1].m_Name = "before";
    Alloc();
    cEdBlock linked;
    linked.m_Graphic = 5;
    linked.m_Name = "before";
    linked.m_InheritKind = 1;
    linked.m_InheritIndex = 1;
    linked.m_bbInherit[0] = 1;  // the name
    Block(0, 0) = linked;
    Block(1, 0) = linked;
    Block(1, 0).m_bbInherit[0] = 0;
    Block(2, 0) = linked;
    Block(2, 0).m_Graphic = 0;  // empty: left as it is
    Push(kLayerMaskBlock);
    Block(0, 0).m_Graphic = 0;
    Block(1, 0).m_Graphic = 0;
    g_CommonPalette.m_Blocks[1].m_Name = "after";

    Undo();
    EXPECT_EQ(5, Block(0, 0).m_Graphic);
    EXPECT_EQ("after", Block(0, 0).m_Name);
    EXPECT_EQ("before", Block(1, 0).m_Name);
    EXPECT_EQ("before", Block(2, 0).m_Name);

    // ReapplyInherit alone, on the layers of its mask only.
    g_CommonPalette.m_Blocks[1].m_Name = "again";
    Chara(0, 0).m_Graphic = 2;
    g_StageEdit.ReapplyInherit(g_Stage.m_Blocks, g_Stage.m_Charas, g_Stage.m_Items, kLayerMaskChara);
    EXPECT_EQ("after", Block(0, 0).m_Name);
    g_StageEdit.ReapplyInherit(g_Stage.m_Blocks, g_Stage.m_Charas, g_Stage.m_Items, kLayerMaskBlock);
    EXPECT_EQ("again", Block(0, 0).m_Name);
}

TEST_F(StageEditTest, NothingIsRecordedWithoutStepsOrWhileTheGameRuns) {
    cStageEdit& s = g_StageEdit;
    TestAppWindow app;
    Alloc();
    Block(0, 0).m_Graphic = 1;
    g_GameRunning = 1;
    EXPECT_EQ(1, Push(kLayerMaskBlock));
    EXPECT_EQ(0, s.m_nUndo);
    EXPECT_EQ(0, s.m_UndoBlock[0][0].m_Graphic);
    g_GameRunning = 0;

    // A count of 0: the histories stay empty and every operation is a no-op.
    g_Stage.m_UndoCount = 0;
    Alloc();
    EXPECT_TRUE(s.m_UndoBlock.empty());
    EXPECT_EQ(1, Push(kLayerMaskAll));
    s.m_nUndo = 1;
    s.m_nRedo = 1;
    Undo();
    Redo();
    EXPECT_TRUE(s.m_UndoBlock.empty());
    EXPECT_TRUE(s.m_RedoBlock.empty());
    EXPECT_EQ(1, Block(0, 0).m_Graphic);
    EXPECT_FALSE(app.TakeCloseRequest());
}

// Histories that do not fit the stage: nothing is read or written outside
// the vectors (a bad index would close the application window); a push onto
// the editor's own history sizes both histories again for the stage first.
TEST_F(StageEditTest, HistoriesThatDoNotFitTheStageAreSizedAgainOrLeftAlone) {
    enum eBreak { kCleared, kStaleCount, kShorter, kOtherSize, kNoMemory };
    const struct {
        const char* name;
        eBreak how;
        int stepsAfterPush;  // 0: the push records nothing
    } cases[] = {
        {"emptied by ClearUndo", kCleared, 1},
        {"emptied with stale counts", kStaleCount, 1},
        {"shorter than the step count", kShorter, 1},
        {"snapshots of another stage size", kOtherSize, 1},
        {"emptied, no memory to size again", kNoMemory, 0},
    };
    cStageEdit& s = g_StageEdit;
    TestAppWindow app;
    BoxCatcher boxes;
    for (const auto& c : cases) {
        ASSERT_EQ(1, g_Stage.SetSize(3, 2, 0, 0));
        g_Stage.m_UndoCount = 3;
        s_FreeBytes = UINT64_MAX / 4;
        Alloc();
        Block(0, 0).m_Graphic = 1;
        Push(kLayerMaskBlock);
        Push(kLayerMaskBlock);
        Undo();
        switch (c.how) {
            case kCleared:
                s.ClearUndo();
                break;
            case kStaleCount:
                s.ClearUndo();
                s.m_UndoFlags.clear();
                s.m_nUndo = 2;
                s.m_nRedo = 2;
                break;
            case kShorter:
                g_Stage.m_UndoCount = 4;
                break;
            case kOtherSize:
                ASSERT_EQ(1, g_Stage.SetSize(5, 4, 0, 0));  // a pitch of 8
                break;
            case kNoMemory:
                s.ClearUndo();
                s_FreeBytes = 100;
                break;
        }
        Block(0, 0).m_Graphic = 6;
        Undo();
        Redo();
        EXPECT_EQ(6, Block(0, 0).m_Graphic) << c.name;
        EXPECT_FALSE(app.TakeCloseRequest()) << c.name;

        EXPECT_EQ(1, Push(kLayerMaskBlock)) << c.name;
        EXPECT_FALSE(app.TakeCloseRequest()) << c.name;
        EXPECT_EQ(c.stepsAfterPush, s.m_nUndo) << c.name;
        if (c.stepsAfterPush == 0) {
            EXPECT_EQ(0, g_Stage.m_UndoCount) << c.name;
            EXPECT_TRUE(s.m_UndoBlock.empty()) << c.name;
            continue;
        }
        EXPECT_EQ(0, s.m_nRedo) << c.name;
        ASSERT_EQ(static_cast<size_t>(g_Stage.m_UndoCount), s.m_UndoBlock.size()) << c.name;
        EXPECT_EQ(static_cast<size_t>(g_Stage.LayerSize()), s.m_RedoItem[0].size()) << c.name;
        Block(0, 0).m_Graphic = 7;
        Undo();
        EXPECT_EQ(6, Block(0, 0).m_Graphic) << c.name;
        EXPECT_FALSE(app.TakeCloseRequest()) << c.name;
    }
}

TEST_F(StageEditTest, PushesOntoForeignOrMisfitVectorsRecordNothing) {
    cStageEdit& s = g_StageEdit;
    TestAppWindow app;
    Alloc();
    cVector<cVector<cEdBlock>> block;
    cVector<cVector<cEdChara>> chara;
    cVector<cVector<cEdItem>> item;
    cVector<int32_t> flags;
    int32_t count = 2;
    EXPECT_EQ(1, s.PushUndo(kLayerMaskAll, block, chara, item, g_Stage.m_Blocks, g_Stage.m_Charas, g_Stage.m_Items,
                            count, flags));
    EXPECT_TRUE(block.empty());
    EXPECT_TRUE(flags.empty());
    EXPECT_EQ(2, count);
    EXPECT_EQ(3u, s.m_UndoBlock.size()) << "the editor's own histories stay";

    // Layers shorter than the stage's.
    cVector<cEdBlock> shortBlocks(2);
    shortBlocks[0].m_Graphic = 4;
    EXPECT_EQ(1, s.PushUndo(kLayerMaskAll, s.m_UndoBlock, s.m_UndoChara, s.m_UndoItem, shortBlocks, g_Stage.m_Charas,
                            g_Stage.m_Items, s.m_nUndo, s.m_UndoFlags));
    EXPECT_EQ(0, s.m_nUndo);
    // CopyLayers leaves a layer alone when either side is too short.
    s.CopyLayers(shortBlocks, g_Stage.m_Charas, g_Stage.m_Items, g_Stage.m_Blocks, g_Stage.m_Charas, g_Stage.m_Items,
                 kLayerMaskAll);
    s.CopyLayers(g_Stage.m_Blocks, g_Stage.m_Charas, g_Stage.m_Items, shortBlocks, g_Stage.m_Charas, g_Stage.m_Items,
                 kLayerMaskBlock);
    EXPECT_EQ(4, shortBlocks[0].m_Graphic);
    EXPECT_EQ(0, Block(0, 0).m_Graphic);
    EXPECT_FALSE(app.TakeCloseRequest());
}

}  // namespace
