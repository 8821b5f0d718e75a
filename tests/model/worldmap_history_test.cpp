// The world map edit state's layers, tools and undo and redo histories.
#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <vector>

#include "model/worldmap.h"
#include "model/worldmap_edit.h"

namespace {

uint64_t s_Free = UINT64_MAX;
uint64_t InjectedFree() {
    return s_Free;
}

std::vector<int> s_LayerCalls;
void RecordLayer(int mode) {
    s_LayerCalls.push_back(mode);
}

class WorldHistory : public ::testing::Test {
protected:
    void SetUp() override {
        s_Free = UINT64_MAX;
        SetWorldFreeMemorySource(InjectedFree);
        s_LayerCalls.clear();
        SetWorldLayerHandler(RecordLayer);
        ed.reset(new cWorldMapEdit(nullptr));
        cells.assign(16, 0);
    }
    void TearDown() override {
        SetWorldFreeMemorySource(nullptr);
        SetWorldLayerHandler(nullptr);
    }
    // One change as the window makes it: a step is pushed, the redo
    // history emptied, then the map changes.
    void Change(int value) {
        ed->PushUndo(ed->m_UndoCells, ed->m_UndoEvents, cells, events);
        ed->m_RedoCells.clear();
        ed->m_RedoEvents.clear();
        cells[0] = value;
        cEdWorldEvent e;
        e.m_X = value;
        events.push_back(e);
    }
    std::unique_ptr<cWorldMapEdit> ed;
    cVector<int32_t> cells;
    cVector<cEdWorldEvent> events;
};

TEST_F(WorldHistory, KeepsThreeStepsEachWayAndUndoesGridAndEventsTogether) {
    for (int v = 1; v <= 4; ++v) Change(v);
    ASSERT_EQ(3u, ed->m_UndoCells.size());
    ASSERT_EQ(3u, ed->m_UndoEvents.size());
    // Undo walks back to the state before change 2; the fourth undo does nothing.
    const int wantCell[] = {3, 2, 1, 1};
    const size_t wantEvents[] = {3, 2, 1, 1};
    for (int i = 0; i < 4; ++i) {
        ed->Undo(cells, events);
        EXPECT_EQ(wantCell[i], cells[0]) << "undo " << i + 1;
        EXPECT_EQ(wantEvents[i], events.size()) << "undo " << i + 1;
    }
    EXPECT_TRUE(ed->m_UndoCells.empty());
    EXPECT_EQ(3u, ed->m_RedoCells.size());
    // Redo comes back to the newest state, and not beyond.
    for (int i = 0; i < 4; ++i) ed->Redo(cells, events);
    EXPECT_EQ(4, cells[0]);
    EXPECT_EQ(4u, events.size());
    EXPECT_EQ(4, events[3].m_X);
    EXPECT_EQ(3u, ed->m_UndoCells.size());
    EXPECT_TRUE(ed->m_RedoCells.empty());
}

TEST_F(WorldHistory, ANewChangeAfterUndoEmptiesRedo) {
    Change(1);
    Change(2);
    ed->Undo(cells, events);
    EXPECT_EQ(1u, ed->m_RedoCells.size());
    Change(5);
    EXPECT_TRUE(ed->m_RedoCells.empty());
    ed->Redo(cells, events);
    EXPECT_EQ(5, cells[0]);
}

TEST_F(WorldHistory, MemoryEstimateCountsCellsEventsAndPages) {
    struct Case {
        int cells;
        std::vector<int> pages;  // pages of each event
        uint64_t bytes;
    } cases[] = {
        {480, {}, 1920},                     // a 20 by 15 map, pitch 32
        {480, {1}, 1920 + 76 + 16},
        {480, {1, 3}, 1920 + 2 * 76 + 4 * 16},
        {256 * 150, {}, 4u * 256 * 150},     // the largest grid
    };
    for (const Case& c : cases) {
        cVector<int32_t> grid;
        grid.assign(static_cast<size_t>(c.cells), 0);
        cVector<cEdWorldEvent> evs;
        for (int n : c.pages) {
            cEdWorldEvent e;
            e.m_Pages.resize(static_cast<size_t>(n));
            evs.push_back(e);
        }
        EXPECT_EQ(c.bytes, cWorldMapEdit::MemoryEstimate(grid, evs)) << c.cells << " cells";
    }
}

TEST_F(WorldHistory, PushComparesFreeMemoryInSixtyFourBits) {
    // 64 bytes of cells. Free memory just above 4 GiB would look like 32
    // bytes in 32 bits and refuse the step.
    struct Case {
        uint64_t free;
        bool pushed;
    } cases[] = {
        {64, false},  // not above the estimate
        {65, true},
        {(1ull << 32) + 32, true},
        {(1ull << 33), true},
    };
    for (const Case& c : cases) {
        ed->ClearHistory();
        ed->m_RedoCells.push_back(cells);
        ed->m_RedoEvents.push_back(events);
        s_Free = c.free;
        EXPECT_EQ(c.pushed, ed->PushUndo(ed->m_UndoCells, ed->m_UndoEvents, cells, events)) << c.free;
        EXPECT_EQ(c.pushed ? 1u : 0u, ed->m_UndoCells.size()) << c.free;
        // A refused step empties every history.
        EXPECT_EQ(c.pushed ? 1u : 0u, ed->m_RedoCells.size()) << c.free;
        EXPECT_EQ(ed->m_UndoCells.size(), ed->m_UndoEvents.size());
    }
}

TEST_F(WorldHistory, UndoThatCannotKeepThePresentLeavesTheMap) {
    Change(1);
    Change(2);
    s_Free = 10;  // below one snapshot
    ed->Undo(cells, events);
    EXPECT_EQ(2, cells[0]);
    EXPECT_EQ(2u, events.size());
    EXPECT_TRUE(ed->m_UndoCells.empty());
    EXPECT_TRUE(ed->m_RedoCells.empty());
}

TEST_F(WorldHistory, LayersKeepTheirToolStateAndCallTheHandler) {
    ed->m_Saved[1].m_SelEntry = 2;
    ed->m_Saved[1].m_SelTemplate = 2;
    ed->m_Saved[1].m_PatternWidth = 1;
    ed->m_Saved[1].m_PatternHeight = 1;
    ed->m_SelEntry = -1;
    ed->m_PatternWidth = 3;
    ed->m_PatternHeight = 2;
    ed->m_ToolFlag = 1;
    ed->SetLayer(1);
    EXPECT_EQ(1, ed->m_Mode);
    EXPECT_EQ(2, ed->m_SelEntry);
    EXPECT_EQ(1, ed->m_PatternWidth);
    EXPECT_EQ(0, ed->m_ToolFlag);
    ed->SetLayer(2);  // refused: no call, nothing changes
    EXPECT_EQ(1, ed->m_Mode);
    ed->SetLayer(1);  // the same layer: only the handler runs
    EXPECT_EQ(2, ed->m_SelEntry);
    ed->ToggleLayer();  // 1 goes to 0
    EXPECT_EQ(0, ed->m_Mode);
    EXPECT_EQ(-1, ed->m_SelEntry);
    EXPECT_EQ(3, ed->m_PatternWidth);
    EXPECT_EQ(2, ed->m_PatternHeight);
    EXPECT_EQ(1, ed->m_ToolFlag);
    ed->ToggleLayer();
    EXPECT_EQ(1, ed->m_Mode);
    EXPECT_EQ((std::vector<int>{1, 1, 0, 1}), s_LayerCalls);
    ed->m_ToolFlag = 1;
    ed->SetTool(0);
    EXPECT_EQ(0, ed->m_ToolFlag);
}

TEST_F(WorldHistory, ResetEmptiesTheHistoriesAndClipboard) {
    Change(1);
    ed->m_bClipValid = 1;
    ed->m_pPopupEvent = &events[0];
    ed->Reset();
    EXPECT_TRUE(ed->m_UndoCells.empty());
    EXPECT_EQ(0, ed->m_bClipValid);
    EXPECT_EQ(nullptr, ed->m_pPopupEvent);
}

}  // namespace
