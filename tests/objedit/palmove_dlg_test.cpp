// The palette data move dialog's operations on a palette vector: move,
// copy and insert, delete, with the fixed entry 0 kept out of every range;
// then the dialog itself, run with real input on the common and the stage
// block palette: the entries afterwards, the references by index that take
// the entry now at their index, the edited entry's index, and the ranges it
// refuses.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "app/services.h"
#include "model/palette.h"
#include "model/stage.h"
#include "objedit/palmove_dlg.h"
#include "objedit/palmove_dlg_res.h"
#include "tests/objedit/dialog_queue.h"
#include "tests/support/gui.h"

namespace {

cVector<cEdBlock> Numbered(int count) {
    cVector<cEdBlock> v;
    v.resize(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) v[i].m_Graphic = static_cast<int16_t>(i);
    return v;
}

std::vector<int> Order(const cVector<cEdBlock>& v) {
    std::vector<int> out;
    for (const cEdBlock& b : v) out.push_back(b.m_Graphic);
    return out;
}

TEST(PalMove, OperationsOnTheEntries) {
    const struct {
        const char* what;
        int op, first, last, dest;
        std::vector<int> after;
    } cases[] = {
        {"move 3..4 to 1: the range arrives turned round", kPalMove, 3, 4, 1, {0, 4, 3, 1, 2, 5}},
        {"move 1..2 to the end keeps their order", kPalMove, 1, 2, 6, {0, 3, 4, 5, 1, 2}},
        {"move 2..3 before 5", kPalMove, 2, 3, 5, {0, 1, 4, 2, 3, 5}},
        {"move one entry to itself", kPalMove, 3, 3, 3, {0, 1, 2, 3, 4, 5}},
        {"move one entry before the next", kPalMove, 3, 3, 4, {0, 1, 2, 3, 4, 5}},
        {"move just past the range", kPalMove, 2, 3, 4, {0, 1, 2, 3, 4, 5}},
        {"move into the range itself", kPalMove, 1, 4, 3, {0, 1, 2, 3, 4, 5}},
        {"copy 2..3 before 2", kPalCopyInsert, 2, 3, 2, {0, 1, 2, 3, 2, 3, 4, 5}},
        {"copy 1..1 to the end", kPalCopyInsert, 1, 1, 6, {0, 1, 2, 3, 4, 5, 1}},
        {"delete 2..3", kPalDelete, 2, 3, 1, {0, 1, 4, 5}},
        {"delete the last entries leaves entry 0", kPalDelete, 1, 5, 1, {0}},
        {"a range past the end changes nothing", kPalDelete, 4, 9, 1, {0, 1, 2, 3, 4, 5}},
        {"entry 0 is never in a range", kPalDelete, 0, 2, 1, {0, 1, 2, 3, 4, 5}},
        {"a range turned round changes nothing", kPalMove, 4, 2, 1, {0, 1, 2, 3, 4, 5}},
        {"a destination before entry 1 changes nothing", kPalCopyInsert, 2, 2, 0, {0, 1, 2, 3, 4, 5}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        cVector<cEdBlock> v = Numbered(6);
        ApplyPalMove(v, c.op, c.first, c.last, c.dest);
        EXPECT_EQ(c.after, Order(v));
    }
}

TEST(PalMove, Refusals) {
    const struct {
        int op, first, last, dest;
        const char* message;  // empty: goes ahead
    } cases[] = {
        {kPalMove, 4, 2, 1, "範囲の指定が正しくありません！(4～2)"},
        {kPalCopyInsert, 3, 1, 1, "範囲の指定が正しくありません！(3～1)"},
        {kPalDelete, 5, 4, 1, "範囲の指定が正しくありません！(5～4)"},
        {kPalMove, 1, 4, 3, "移動先が移動する範囲の中にあります！(3)"},
        {kPalMove, 1, 4, 4, "移動先が移動する範囲の中にあります！(4)"},
        {kPalMove, 1, 4, 2, ""},  // just after the first entry: nothing moves
        {kPalMove, 1, 4, 5, ""},  // just past the range: nothing moves
        {kPalCopyInsert, 1, 4, 3, ""},
        {kPalDelete, 1, 4, 3, ""},
        {kPalMove, 3, 3, 3, ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(std::string(c.message), std::string(PalMoveRefusal(c.op, c.first, c.last, c.dest).CStr()))
            << c.op << " " << c.first << ".." << c.last << " to " << c.dest;
    }
}

// The dialog on the block palettes. Common entries 1..5 are named c1..c5
// (graphic 11..15); the stage palette's entries 1, 2 and 3 inherit from
// common entries 1, 3 and 5 (start, middle, end); placed block A inherits
// from common entry 2, placed block B from stage entry 2.
class PalMoveDialog : public testing::Test {
protected:
    static const int kCellA = 1;
    static const int kCellB = 2;
    static const int kCommonRefs[3];

    void SetUp() override {
        g_Stage.SetDefault();
        g_CommonPalette.SetDefault();
        g_StageEdit.Reset();
        g_CommonPalette.m_Blocks.clear();
        g_CommonPalette.m_Blocks.resize(6);
        for (int i = 1; i < 6; ++i) {
            cEdBlock& b = g_CommonPalette.m_Blocks[i];
            b.m_Name.Format("c%d", i);
            b.m_Graphic = static_cast<int16_t>(10 + i);
        }
        const cVector<int8_t> all(kBlockInheritCount, 1);
        g_Stage.m_PalBlocks.clear();
        g_Stage.m_PalBlocks.resize(4);
        for (int i = 1; i < 4; ++i) {
            g_Stage.m_PalBlocks[i].m_Graphic = 1;
            SetInherit(&g_Stage.m_PalBlocks[i], kObjBlock, 1, static_cast<int16_t>(kCommonRefs[i - 1]), all);
        }
        cEdBlock& a = g_Stage.m_Blocks[g_Stage.CellIndex(kCellA, 0)];
        a.m_Graphic = 1;
        SetInherit(&a, kObjBlock, 1, 2, all);
        cEdBlock& b = g_Stage.m_Blocks[g_Stage.CellIndex(kCellB, 0)];
        b.m_Graphic = 1;
        SetInherit(&b, kObjBlock, 2, 2, all);
        ASSERT_EQ("c3", Name(b));
        g_StageEdit.m_PalClipBlock.reset(new cEdBlock);
    }
    void TearDown() override {
        PumpUntilIdle();
        g_Stage.SetDefault();
        g_CommonPalette.SetDefault();
        g_StageEdit.Reset();
    }
    static std::string Name(const cEdBlock& b) { return b.m_Name.CStr(); }
    static std::vector<std::string> Names(const cVector<cEdBlock>& v) {
        std::vector<std::string> out;
        for (const cEdBlock& b : v) out.push_back(Name(b));
        return out;
    }
    static const cEdBlock& Placed(int cell) { return g_Stage.m_Blocks[g_Stage.CellIndex(cell, 0)]; }
    // Types a number over the whole text of a value edit.
    static void TypeNumber(HWND dlg, int id, int value) {
        HWND edit = GetDlgItem(dlg, id);
        ClickWindow(edit);
        PumpUntil([&] { return GetFocus() == edit; });
        PressKey(VK_END);
        PressKeyWith(VK_SHIFT, VK_HOME);
        for (char k : std::to_string(value)) PressKey(static_cast<WORD>(k));
        PumpUntilIdle();
    }

    // Runs the dialog on a palette with the values typed in and the
    // operation chosen, then the script's end: OK, or a refused OK followed
    // by cancel. The dialog's result.
    int Run(bool stage, int op, int first, int last, int dest, MsgBoxCatcher* boxes, bool* destEnabled) {
        cVector<cEdBlock>* pal = stage ? &g_Stage.m_PalBlocks : &g_CommonPalette.m_Blocks;
        std::unique_ptr<cPalMoveDlg> dlg(new cPalMoveDlg(nullptr, nullptr, pal, stage ? 1 : 0, 0, 40, 40));
        return RunModalScripted(dlg.get(), 0, [&](HWND wnd) {
            TypeNumber(wnd, IDC_PALMOVE_FIRST, first);
            TypeNumber(wnd, IDC_PALMOVE_LAST, last);
            TypeNumber(wnd, IDC_PALMOVE_DEST, dest);
            if (op != kPalMove) ChooseItem(wnd, IDC_PALMOVE_OP, op);
            *destEnabled = IsWindowEnabled(GetDlgItem(wnd, IDC_PALMOVE_DEST)) != FALSE;
            ClickItem(wnd, 1000);
            PumpUntil([&] { return !IsWindow(wnd) || !boxes->boxes.empty(); });
            PumpUntilIdle();
            if (IsWindow(wnd)) ClickItem(wnd, 1001);
        });
    }
};
const int PalMoveDialog::kCommonRefs[3] = {1, 3, 5};

// Move, copy and delete of ranges at the start, the middle and the end of
// either palette: the entries in their new order, and every reference by
// index taking the entry now at its index (a reference past the end loses
// its link and keeps what it had).
TEST_F(PalMoveDialog, OperationsAndTheReferencesAfterwards) {
    const struct {
        const char* what;
        bool stage;
        int op, first, last, dest;
        std::vector<std::string> after;  // names of the palette's entries
    } cases[] = {
        {"common: move the start to the end", false, kPalMove, 1, 2, 6, {"", "c3", "c4", "c5", "c1", "c2"}},
        {"common: move the end to the start", false, kPalMove, 4, 5, 1, {"", "c5", "c4", "c1", "c2", "c3"}},
        {"common: move the middle", false, kPalMove, 2, 3, 5, {"", "c1", "c4", "c2", "c3", "c5"}},
        {"common: copy the start before itself", false, kPalCopyInsert, 1, 2, 1,
         {"", "c1", "c2", "c1", "c2", "c3", "c4", "c5"}},
        {"common: copy the middle into itself", false, kPalCopyInsert, 2, 4, 3,
         {"", "c1", "c2", "c2", "c3", "c4", "c3", "c4", "c5"}},
        {"common: copy the end to the end", false, kPalCopyInsert, 4, 5, 6,
         {"", "c1", "c2", "c3", "c4", "c5", "c4", "c5"}},
        {"common: delete the start", false, kPalDelete, 1, 1, 1, {"", "c2", "c3", "c4", "c5"}},
        {"common: delete the middle", false, kPalDelete, 3, 3, 1, {"", "c1", "c2", "c4", "c5"}},
        {"common: delete the end", false, kPalDelete, 4, 5, 1, {"", "c1", "c2", "c3"}},
        {"common: a single entry to itself", false, kPalMove, 3, 3, 4, {"", "c1", "c2", "c3", "c4", "c5"}},
        {"stage: move the end to the start", true, kPalMove, 3, 3, 1, {"", "c5", "c1", "c3"}},
        {"stage: copy the start to the end", true, kPalCopyInsert, 1, 1, 4, {"", "c1", "c3", "c5", "c1"}},
        {"stage: delete the middle", true, kPalDelete, 2, 2, 1, {"", "c1", "c5"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        SetUp();
        g_StageEdit.g_EditSource[0] = c.stage ? 1 : 0;
        g_StageEdit.g_EditSource[1] = c.stage ? 3 : 5;
        const std::vector<std::string> stageBefore = Names(g_Stage.m_PalBlocks);
        const std::string bBefore = Name(Placed(kCellB));
        MsgBoxCatcher boxes;
        bool destEnabled = false;
        EXPECT_EQ(1, Run(c.stage, c.op, c.first, c.last, c.dest, &boxes, &destEnabled));
        EXPECT_TRUE(boxes.boxes.empty());
        EXPECT_EQ(c.op != kPalDelete, destEnabled);
        const cVector<cEdBlock>& pal = c.stage ? g_Stage.m_PalBlocks : g_CommonPalette.m_Blocks;
        EXPECT_EQ(c.after, Names(pal));
        const int count = static_cast<int>(pal.size());
        // the edited entry's index stays inside the palette
        EXPECT_EQ(std::min(c.stage ? 3 : 5, count - 1), g_StageEdit.g_EditSource[1]);
        EXPECT_EQ(c.stage ? 1 : 0, g_StageEdit.m_bModified);
        EXPECT_EQ(c.stage ? 0 : 1, g_StageEdit.m_bCommonModified);
        EXPECT_FALSE(g_StageEdit.m_PalClipBlock) << "the pending palette copy was not cancelled";
        if (!c.stage) {
            // stage entries and placed block A refer to common entries
            for (int i = 1; i < 4; ++i) {
                const int ref = kCommonRefs[i - 1];
                const cEdBlock& e = g_Stage.m_PalBlocks[i];
                if (ref < count) {
                    EXPECT_EQ(c.after[ref], Name(e)) << "stage entry " << i;
                    EXPECT_EQ(1, e.m_InheritKind);
                } else {
                    EXPECT_EQ(stageBefore[i], Name(e)) << "stage entry " << i;
                    EXPECT_EQ(0, e.m_InheritKind) << "a reference past the end keeps its link";
                }
            }
            EXPECT_EQ(c.after[2], Name(Placed(kCellA)));
            // B follows stage entry 2, which follows common entry 3
            EXPECT_EQ(3 < count ? c.after[3] : bBefore, Name(Placed(kCellB)));
        } else {
            EXPECT_EQ("c2", Name(Placed(kCellA)));
            EXPECT_EQ(c.after[2], Name(Placed(kCellB)));
        }
    }
}

// A range turned round, and a move into the moved range, are refused with
// a message; the dialog stays open and the cancel that follows leaves
// everything as it was.
TEST_F(PalMoveDialog, RefusedRangesChangeNothing) {
    const struct {
        int op, first, last, dest;
        const char* message;
    } cases[] = {
        {kPalMove, 4, 2, 1, "範囲の指定が正しくありません！(4～2)"},
        {kPalDelete, 5, 1, 1, "範囲の指定が正しくありません！(5～1)"},
        {kPalMove, 1, 4, 3, "移動先が移動する範囲の中にあります！(3)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        SetUp();
        MsgBoxCatcher boxes;
        bool destEnabled = false;
        EXPECT_EQ(0, Run(false, c.op, c.first, c.last, c.dest, &boxes, &destEnabled));
        ASSERT_EQ(1u, boxes.boxes.size());
        EXPECT_EQ("エラー", boxes.boxes[0].caption);
        EXPECT_EQ(c.message, boxes.boxes[0].text);
        EXPECT_EQ((std::vector<std::string>{"", "c1", "c2", "c3", "c4", "c5"}), Names(g_CommonPalette.m_Blocks));
        EXPECT_EQ(0, g_StageEdit.m_bModified + g_StageEdit.m_bCommonModified);
        EXPECT_TRUE(g_StageEdit.m_PalClipBlock);
    }
}

}  // namespace
