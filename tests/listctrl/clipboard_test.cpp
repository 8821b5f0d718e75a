// Copy, cut, paste and delete of the record list: the list's own clipboard
// of record copies, the limits, and where the selection and the edit buffer
// end up.
#include "tests/listctrl/list_owner.h"

namespace listtest {
namespace {

class ClipboardTest : public ListTest {};

// Single-selection list: every operation from one current row, read back
// as the working vector, the rows, the current row and the edit buffer.
TEST_F(ClipboardTest, SingleSelectionOperations) {
    struct Case {
        const char* name;
        std::vector<int> records;
        int min, max, row;
        std::function<int(cCtrlList<sRec>&)> op;
        int result;
        std::vector<int> after;
        int cur, edit;
    } cases[] = {
        {"copy then paste in front of row 2",
         {1, 2, 3, 4}, 0, 999, 1,
         [](cCtrlList<sRec>& l) { l.Copy(); l.SetCurSel(2, 0); return l.Paste(); }, 1, {1, 2, 2, 3, 4}, 2, 2},
        {"paste twice: the second in front of the first",
         {1, 2, 3}, 0, 999, 0,
         [](cCtrlList<sRec>& l) { l.Copy(); l.SetCurSel(2, 0); l.Paste(); return l.Paste(); }, 1, {1, 2, 1, 1, 3}, 2, 1},
        {"paste on the separator row appends",
         {1, 2, 3}, 0, 999, 0,
         [](cCtrlList<sRec>& l) { l.Copy(); l.SetCurSel(3, 0); return l.Paste(); }, 1, {1, 2, 3, 1}, 3, 1},
        {"copy on the separator row beeps",
         {1, 2}, 0, 999, 2, [](cCtrlList<sRec>& l) { return l.Copy(); }, 0, {1, 2}, 2, 9},
        {"paste with an empty clipboard refills only",
         {1, 2}, 0, 999, 1, [](cCtrlList<sRec>& l) { return l.Paste(); }, 1, {1, 2}, 1, 9},
        {"paste into a full list beeps, even with an empty clipboard",
         {1, 2}, 0, 2, 0, [](cCtrlList<sRec>& l) { return l.Paste(); }, 0, {1, 2}, 0, 9},
        {"cut removes the current record and keeps its copy",
         {1, 2, 3}, 0, 999, 1,
         [](cCtrlList<sRec>& l) { int r = l.Cut(); l.SetCurSel(3 - 1, 0); l.Paste(); return r; }, 1, {1, 3, 2}, 2, 2},
        {"delete of the last record makes the record above current",
         {1, 2, 3}, 0, 999, 2, [](cCtrlList<sRec>& l) { return l.Delete(-1, false); }, 1, {1, 2}, 1, 2},
        {"delete of a middle record loads the one that followed",
         {1, 2, 3}, 0, 999, 0, [](cCtrlList<sRec>& l) { return l.Delete(-1, false); }, 1, {2, 3}, 0, 2},
        {"delete at the minimum beeps",
         {1, 2}, 2, 999, 0, [](cCtrlList<sRec>& l) { return l.Delete(-1, false); }, 0, {1, 2}, 0, 9},
        {"delete on the separator row does nothing and succeeds",
         {1, 2}, 2, 999, 2, [](cCtrlList<sRec>& l) { return l.Delete(-1, false); }, 1, {1, 2}, 2, 9},
        {"delete of a given row",
         {1, 2, 3}, 0, 999, 0, [](cCtrlList<sRec>& l) { return l.Delete(1, false); }, 1, {1, 3}, 1, 3},
        {"minimum equal to maximum: cut beeps (and copies)",
         {1, 2}, 2, 2, 0, [](cCtrlList<sRec>& l) { return l.Cut(); }, 0, {1, 2}, 0, 9},
    };
    for (const Case& c : cases) {
        cOwnerDlg dlg;
        for (int v : c.records) dlg.m_Work.push_back(sRec(v));
        dlg.UseSingle(c.min, c.max, 1);
        int result = -1, cur = -2;
        std::vector<std::string> rows;
        RunOwner(&dlg, [&](cOwnerDlg* d) {
            d->S().SetCurSel(c.row, 0);
            d->m_Edit = sRec(9);
            result = c.op(d->S());
            cur = static_cast<int>(SendMessageA(d->SingleBox(), LB_GETCURSEL, 0, 0));
            rows = Rows(d->SingleBox());
        });
        EXPECT_EQ(c.result, result) << c.name;
        EXPECT_EQ(c.after, Values(dlg.m_Work)) << c.name;
        EXPECT_EQ(c.cur, cur) << c.name;
        EXPECT_EQ(c.edit, dlg.m_Edit.m_nValue) << c.name;
        ASSERT_EQ(c.after.size() + 1, rows.size()) << c.name;
        for (size_t i = 0; i < c.after.size(); ++i) EXPECT_EQ(std::to_string(c.after[i]), rows[i]) << c.name;
    }
}

TEST_F(ClipboardTest, DeletingTheOnlyRecordResetsTheEditBuffer) {
    cOwnerDlg dlg;
    dlg.m_Work = Recs({1});
    dlg.UseSingle(0, 999, 0);
    RunOwner(&dlg, [&](cOwnerDlg* d) {
        EXPECT_EQ(1, d->S().Delete(-1, false));
        EXPECT_EQ(-1, d->S().m_nCurSel);
    });
    EXPECT_TRUE(dlg.m_Work.empty());
    EXPECT_EQ(sRec(), dlg.m_Edit);
}

// A database list: one hidden record, minimum 1, one shown record.
TEST_F(ClipboardTest, ADatabaseListKeepsItsLastRecord) {
    cOwnerDlg dlg;
    dlg.m_Src = Recs({100, 1});
    dlg.UseSingle(1, 999, 0, 1, true);
    RunOwner(&dlg, [&](cOwnerDlg* d) {
        EXPECT_EQ(0, d->S().Delete(-1, false));
        EXPECT_EQ(0, d->S().Cut());
        EXPECT_EQ(1u, d->S().m_Clip.size()) << "cut still filled the clipboard";
        EXPECT_EQ(1, d->S().Copy());
        EXPECT_EQ(1, d->S().Paste());
    });
    EXPECT_EQ((std::vector<int>{100, 1, 1}), Values(dlg.m_Work));
}

// Records are copied deeply: later edits never reach the clipboard.
TEST_F(ClipboardTest, TheClipboardHoldsCopies) {
    cOwnerDlg dlg;
    dlg.m_Work = Recs({1, 2});
    dlg.UseSingle(0, 999, 1);
    RunOwner(&dlg, [&](cOwnerDlg* d) {
        d->S().SetCurSel(0, 0);
        d->S().Copy();
        d->m_Work[0].m_Name = "changed";
        d->S().SetCurSel(2, 0);
        d->S().Paste();
        d->m_Work[2].m_Name = "pasted";
        EXPECT_EQ("r1", d->S().m_Clip[0].m_Name);
    });
    EXPECT_EQ("pasted", dlg.m_Work[2].m_Name);
}

// Multi-selection list: the selection flags, in row order.
TEST_F(ClipboardTest, MultiSelectionOperations) {
    struct Case {
        const char* name;
        std::vector<int> records;
        int min;
        std::vector<int> selected;  // rows set, the last one is the caret
        std::function<int(cCtrlList<sRec>&)> op;
        int result;
        std::vector<int> after;
        std::vector<int> boxSel;
        int edit;
    } cases[] = {
        {"copy fills the clipboard in row order", {1, 2, 3, 4, 5, 6}, 0, {5, 1, 3},
         [](cCtrlList<sRec>& l) { l.Copy(); l.ResetSel(6, 0); return l.Paste(); }, 1, {1, 2, 3, 4, 5, 6, 2, 4, 6},
         {6}, 2},
        {"copy with only the separator row selected empties the clipboard", {1, 2}, 0, {2},
         [](cCtrlList<sRec>& l) {
             l.m_Clip.push_back(sRec(7));
             int r = l.Copy();
             return r + 10 * static_cast<int>(l.m_Clip.size());
         },
         1, {1, 2}, {2}, 9},
        {"cut with only the separator row selected beeps after emptying the clipboard", {1, 2}, 0, {2},
         [](cCtrlList<sRec>& l) { l.m_Clip.push_back(sRec(7)); return l.Cut() + 10 * static_cast<int>(l.m_Clip.size()); },
         0, {1, 2}, {2}, 9},
        {"delete of four selected with minimum 2 stops at the minimum", {1, 2, 3, 4, 5}, 2, {0, 1, 2, 3},
         [](cCtrlList<sRec>& l) { return l.Delete(-1, false); }, 1, {4, 5}, {0}, 4},
        {"delete of the last records resets the edit buffer", {1, 2, 3}, 0, {1, 2},
         [](cCtrlList<sRec>& l) { return l.Delete(-1, false); }, 1, {1}, {1}, 0},
        {"delete with current-only and an unselected current row beeps", {1, 2, 3}, 0, {0, 2},
         [](cCtrlList<sRec>& l) { l.m_bbSel[2] = 0; return l.Delete(2, true); }, 0, {1, 2, 3}, {0}, 9},
        {"paste with the caret row unselected beeps; the cut after it resets the edit buffer", {1, 2, 3}, 0, {0, 2},
         [](cCtrlList<sRec>& l) {
             l.m_bbSel[2] = 0;
             l.Fill();
             int p = l.Paste();
             return p + 10 * l.Cut();
         },
         10, {2, 3}, {0}, 0},
    };
    for (const Case& c : cases) {
        cOwnerDlg dlg;
        for (int v : c.records) dlg.m_MWork.push_back(sRec(v));
        dlg.UseMulti(c.min, 999);
        int result = -1;
        std::vector<int> boxSel;
        RunOwner(&dlg, [&](cOwnerDlg* d) {
            d->M().ResetSel(c.selected[0], 0);
            for (size_t i = 1; i < c.selected.size(); ++i) d->M().SetCurSel(c.selected[i], 0);
            d->m_MEdit = sRec(9);
            result = c.op(d->M());
            d->M().Redraw();
            boxSel = SelRows(d->MultiBox());
        });
        EXPECT_EQ(c.result, result) << c.name;
        EXPECT_EQ(c.after, Values(dlg.m_MWork)) << c.name;
        EXPECT_EQ(c.boxSel, boxSel) << c.name;
        EXPECT_EQ(c.edit, dlg.m_MEdit.m_nValue) << c.name;
    }
}

// Every list has its own clipboard, even two lists of one record type.
TEST_F(ClipboardTest, ListsDoNotShareTheirClipboards) {
    cOwnerDlg dlg;
    dlg.m_Work = Recs({1, 2});
    dlg.m_MWork = Recs({5, 6});
    dlg.UseSingle(0, 999, 1);
    dlg.UseMulti(0, 999);
    RunOwner(&dlg, [&](cOwnerDlg* d) {
        d->S().SetCurSel(1, 0);
        d->S().Copy();
        d->M().ResetSel(0, 0);
        EXPECT_EQ(1, d->M().Paste()) << "an empty clipboard: nothing pasted";
    });
    EXPECT_EQ((std::vector<int>{5, 6}), Values(dlg.m_MWork));
}

// Paste never takes a list past its maximum: only the records that fit go in.
TEST_F(ClipboardTest, PasteStopsAtTheMaximum) {
    for (int hidden = 0; hidden <= 1; ++hidden) {
        cOwnerDlg dlg;
        dlg.m_Work = hidden ? Recs({100, 1, 2, 3}) : Recs({1, 2, 3});
        dlg.UseSingle(0, 5, 1, hidden);
        int result = -1;
        RunOwner(&dlg, [&](cOwnerDlg* d) {
            d->S().m_Clip = Recs({7, 8, 9});
            d->S().SetCurSel(1, 0);
            result = d->S().Paste();
            EXPECT_EQ(7, d->m_Edit.m_nValue);
            EXPECT_EQ(0, d->S().Paste()) << "now full";
        });
        EXPECT_EQ(1, result);
        std::vector<int> expected = {1, 7, 8, 2, 3};
        if (hidden) expected.insert(expected.begin(), 100);
        EXPECT_EQ(expected, Values(dlg.m_Work)) << "hidden " << hidden;
    }
}

}  // namespace
}  // namespace listtest
