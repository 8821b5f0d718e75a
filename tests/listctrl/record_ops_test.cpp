// Append, insert, clear, record count and the edit sub-dialog of the record
// list.
#include "tests/listctrl/list_owner.h"

namespace listtest {
namespace {

class RecordOpsTest : public ListTest {};

TEST_F(RecordOpsTest, SingleSelectionOperations) {
    struct Case {
        const char* name;
        std::vector<int> records;
        int max, row, allowEmpty;
        std::function<int(cCtrlList<sRec>&)> op;
        int result;
        std::vector<int> after;
        int cur, edit;
    } cases[] = {
        {"append at 998 of 999 appends the 999th", {}, 999, 0, 0, nullptr, 1, {}, 998, 0},
        {"append at the maximum beeps", {1, 2}, 2, 0, 0, [](cCtrlList<sRec>& l) { return l.Append(); }, 0, {1, 2}, 0, 9},
        {"insert in front of the current row", {1, 2, 3}, 999, 1, 0, [](cCtrlList<sRec>& l) { return l.Insert(); }, 1,
         {1, 0, 2, 3}, 1, 0},
        {"insert with no current row goes in front of the first", {1, 2}, 999, -1, 1,
         [](cCtrlList<sRec>& l) { return l.Insert(); }, 1, {0, 1, 2}, 0, 0},
        {"insert on the separator row appends", {1, 2}, 999, 2, 0, [](cCtrlList<sRec>& l) { return l.Insert(); }, 1,
         {1, 2, 0}, 2, 0},
        {"insert at the maximum beeps, the current row set all the same", {1, 2}, 2, 1, 0,
         [](cCtrlList<sRec>& l) { return l.Insert() * 10 + l.m_nCurSel; }, 1, {1, 2}, 1, 9},
        {"clear resets the current record in place", {1, 2, 3}, 999, 1, 0,
         [](cCtrlList<sRec>& l) { return l.ClearData(); }, 1, {1, 0, 3}, 1, 0},
        {"clear on the separator row resets nothing", {1, 2}, 999, 2, 0,
         [](cCtrlList<sRec>& l) { return l.ClearData(); }, 1, {1, 2}, 2, 9},
        {"record count unchanged keeps every record; the separator row moves to the last record", {1, 2, 3}, 999, 3,
         0, [](cCtrlList<sRec>& l) { return l.SetCount(3); }, 1, {1, 2, 3}, 2, 3},
        {"smaller count than the current row's: the last remaining record", {1, 2, 3, 4}, 999, 3, 0,
         [](cCtrlList<sRec>& l) { return l.SetCount(2); }, 1, {1, 2}, 1, 2},
        {"larger count adds defaults and keeps the current row", {1, 2}, 999, 1, 0,
         [](cCtrlList<sRec>& l) { return l.SetCount(4); }, 1, {1, 2, 0, 0}, 1, 2},
        {"count outside min..max beeps", {1, 2}, 3, 0, 0,
         [](cCtrlList<sRec>& l) { return l.SetCount(4) + l.SetCount(0); }, 0, {1, 2}, 0, 9},
    };
    for (const Case& c : cases) {
        cOwnerDlg dlg;
        for (int v : c.records) dlg.m_Work.push_back(sRec(v));
        if (!c.op) dlg.m_Work = Range(1, 998);
        dlg.UseSingle(1, c.max, 1, 0, false, true, 0, c.allowEmpty);
        int result = -1, cur = -2;
        RunOwner(&dlg, [&](cOwnerDlg* d) {
            d->S().SetCurSel(c.row, 0);
            d->m_Edit = sRec(9);
            result = c.op ? c.op(d->S()) : d->S().Append();
            cur = static_cast<int>(SendMessageA(d->SingleBox(), LB_GETCURSEL, 0, 0));
        });
        EXPECT_EQ(c.result, result) << c.name;
        if (c.op) {
            EXPECT_EQ(c.after, Values(dlg.m_Work)) << c.name;
        } else {
            EXPECT_EQ(999u, dlg.m_Work.size());
        }
        EXPECT_EQ(c.cur, cur) << c.name;
        EXPECT_EQ(c.edit, dlg.m_Edit.m_nValue) << c.name;
    }
}

TEST_F(RecordOpsTest, SetCountToZeroResetsTheEditBuffer) {
    cOwnerDlg dlg;
    dlg.m_Work = Recs({1, 2});
    dlg.UseSingle(0, 999, 1);
    RunOwner(&dlg, [&](cOwnerDlg* d) {
        d->m_Edit = sRec(9);
        EXPECT_EQ(1, d->S().SetCount(0));
        EXPECT_EQ((std::vector<std::string>{kSeparator}), Rows(d->SingleBox()));
    });
    EXPECT_EQ(sRec(), dlg.m_Edit);
}

TEST_F(RecordOpsTest, MultiSelectionOperations) {
    struct Case {
        const char* name;
        std::vector<int> selected;  // the last is the caret
        std::function<int(cCtrlList<sRec>&)> op;
        std::vector<int> after, boxSel;
        int edit;
    } cases[] = {
        {"append: the caret moves to the new row, which stays unselected", {1},
         [](cCtrlList<sRec>& l) { return l.Append(); }, {1, 2, 3, 4, 0}, {1}, 0},
        {"insert at row 2 with rows 2 and 3 selected", {3, 2}, [](cCtrlList<sRec>& l) { return l.Insert(); },
         {1, 2, 0, 3, 4}, {2, 3}, 0},
        {"clear resets every selected record and loads the current one", {0, 2},
         [](cCtrlList<sRec>& l) { return l.ClearData(); }, {0, 2, 0, 4}, {0, 2}, 0},
    };
    for (const Case& c : cases) {
        cOwnerDlg dlg;
        dlg.m_MWork = Recs({1, 2, 3, 4});
        dlg.UseMulti(0, 999);
        int result = -1, caret = -1;
        std::vector<int> boxSel;
        RunOwner(&dlg, [&](cOwnerDlg* d) {
            d->M().ResetSel(c.selected[0], 0);
            for (size_t i = 1; i < c.selected.size(); ++i) d->M().SetCurSel(c.selected[i], 0);
            d->M().Redraw();
            d->m_MEdit = sRec(9);
            result = c.op(d->M());
            boxSel = SelRows(d->MultiBox());
            caret = static_cast<int>(SendMessageA(d->MultiBox(), LB_GETCARETINDEX, 0, 0));
        });
        EXPECT_EQ(1, result) << c.name;
        EXPECT_EQ(c.after, Values(dlg.m_MWork)) << c.name;
        EXPECT_EQ(c.boxSel, boxSel) << c.name;
        EXPECT_EQ(c.edit, dlg.m_MEdit.m_nValue) << c.name;
        if (c.name[0] == 'a') {
            EXPECT_EQ(4, caret) << c.name;
        }
    }
}

// The edit sub-dialog, plain form: OK refills the row; cancel neither fills
// nor redraws; no current record opens nothing.
TEST_F(RecordOpsTest, EditInThePlainForm) {
    struct {
        int row, answer, result, made;
        std::vector<int> after;
    } cases[] = {
        {1, 1, 1, 1, {1, 77, 3}},
        {1, 0, 0, 1, {1, 2, 3}},
        {3, 1, 0, 0, {1, 2, 3}},  // the separator row
    };
    for (const auto& c : cases) {
        cRecEditDlg::Reset(c.answer, 77);
        cOwnerDlg dlg;
        dlg.m_Work = Recs({1, 2, 3});
        dlg.UseSingle(0, 999, 1);
        int result = -1, cur = -1;
        std::vector<std::string> rows;
        cRecEditDlg* slot = nullptr;
        RunOwner(&dlg, [&](cOwnerDlg* d) {
            d->S().SetCurSel(c.row, 0);
            result = d->S().Edit(&slot, IDD_LIST_EDIT, &g_WndRegistry, kEditWndKeep, 1);
            rows = Rows(d->SingleBox());
            cur = static_cast<int>(SendMessageA(d->SingleBox(), LB_GETCURSEL, 0, 0));
        });
        EXPECT_EQ(c.result, result) << "row " << c.row;
        EXPECT_EQ(c.made, cRecEditDlg::s_nMade) << "row " << c.row;
        EXPECT_EQ(nullptr, slot) << "the slot is cleared";
        EXPECT_EQ(c.after, Values(dlg.m_Work)) << "row " << c.row;
        EXPECT_EQ(std::to_string(c.after[1]), rows[1]);
        EXPECT_EQ(c.row, cur);
        if (c.made) {
            EXPECT_EQ(static_cast<cCtrl*>(&dlg.S()), cRecEditDlg::s_OwnerCtrl) << "opened over the list";
            EXPECT_EQ(1, cRecEditDlg::s_nCentre);
        }
    }
}

// Request form: the owner control, else the list when centred, else none.
TEST_F(RecordOpsTest, EditInTheRequestForm) {
    struct {
        int centre;
        bool ownCtrl;
        int expectList;  // 1 the list, 2 the given control, 0 none
    } cases[] = {{1, false, 1}, {0, false, 0}, {0, true, 2}, {1, true, 2}};
    for (const auto& c : cases) {
        cRecEditDlg::Reset(1, 55);
        cOwnerDlg dlg;
        dlg.m_Work = Recs({1, 2});
        dlg.UseSingle(0, 999, 1);
        cRecEditDlg* slot = nullptr;
        int result = -1;
        cCtrl other;
        RunOwner(&dlg, [&](cOwnerDlg* d) {
            d->S().SetCurSel(0, 0);
            cEditReq req;
            req.m_pRecord = &d->m_Work[d->S().GetSelData()];
            req.m_bNew = 0;
            result = d->S().Edit(&slot, IDD_LIST_EDIT, &req, &g_WndRegistry, kEditWndKeep, c.centre,
                                 c.ownCtrl ? &other : nullptr);
        });
        EXPECT_EQ(1, result);
        EXPECT_EQ(55, dlg.m_Work[0].m_nValue);
        ASSERT_EQ(1u, cRecEditDlg::s_Reqs.size());
        EXPECT_EQ(0, cRecEditDlg::s_Reqs[0].m_bNew);
        cCtrl* expected = c.expectList == 1 ? static_cast<cCtrl*>(&dlg.S()) : c.expectList == 2 ? &other : nullptr;
        EXPECT_EQ(expected, cRecEditDlg::s_OwnerCtrl) << "centre " << c.centre << " own " << c.ownCtrl;
        EXPECT_EQ(c.centre, cRecEditDlg::s_nCentre);
    }
}

struct {
    HWND other;
    bool visible, enabled;
    int answer;
} s_Answer;

// Notes how the other window stands while the edit dialog is up, then
// answers the dialog.
void CALLBACK AnswerEditDlg(HWND, UINT, UINT_PTR id, DWORD) {
    if (!cRecEditDlg::s_hLast) return;
    KillTimer(nullptr, id);
    s_Answer.visible = IsWindowVisible(s_Answer.other) != 0;
    s_Answer.enabled = IsWindowEnabled(s_Answer.other) != 0;
    PostMessageA(cRecEditDlg::s_hLast, WM_COMMAND, s_Answer.answer ? kIdOk : kIdCancel, 0);
}

// Window modes: every registered window hidden or disabled while the edit
// dialog runs, and back afterwards, after a cancel too.
TEST_F(RecordOpsTest, EditHidesOrDisablesTheRegisteredWindows) {
    for (int mode = 1; mode <= 2; ++mode) {
        for (int answer = 0; answer <= 1; ++answer) {
            cRecEditDlg::Reset(-1, 5);
            cOwnerDlg other;
            other.RunModeless(0, 1);
            ASSERT_TRUE(other.m_hWnd);
            cOwnerDlg dlg;
            dlg.m_Work = Recs({1, 2});
            dlg.UseSingle(0, 999, 1);
            cRecEditDlg* slot = nullptr;
            s_Answer = {other.m_hWnd, true, true, answer};
            RunOwner(&dlg, [&](cOwnerDlg* d) {
                // the edit dialog waits; a timer in its modal loop answers it
                SetTimer(nullptr, 0, 50, AnswerEditDlg);
                d->S().SetCurSel(0, 0);
                d->S().Edit(&slot, IDD_LIST_EDIT, &g_WndRegistry, mode, 1);
            });
            bool visibleDuring = s_Answer.visible, enabledDuring = s_Answer.enabled;
            if (mode == 1) {
                EXPECT_FALSE(visibleDuring) << "answer " << answer;
            } else {
                EXPECT_FALSE(enabledDuring) << "answer " << answer;
            }
            EXPECT_TRUE(IsWindowVisible(other.m_hWnd));
            EXPECT_TRUE(IsWindowEnabled(other.m_hWnd));
            other.Close(0);
            other.DestroyModeless();
        }
    }
}

// InsertAndEdit: confirmed, the row after the new record becomes current;
// cancelled, the new record goes again.
TEST_F(RecordOpsTest, InsertAndEdit) {
    struct Case {
        const char* name;
        bool multi;
        std::vector<int> records;
        int min, max;
        std::vector<int> selected;
        int answer, result;
        std::vector<int> after;
        int cur;
        std::vector<int> boxSel;  // multi only
    } cases[] = {
        {"confirmed on the separator row appends and keeps the separator current", false, {1, 2}, 0, 999, {2}, 1, 1,
         {1, 2, 77}, 3, {}},
        {"confirmed in the middle", false, {1, 2}, 0, 999, {1}, 1, 1, {1, 77, 2}, 2, {}},
        {"cancelled in the middle", false, {1, 2}, 0, 999, {1}, 0, 0, {1, 2}, 1, {}},
        {"cancelled as the last record: the record above", false, {1, 2}, 0, 999, {2}, 0, 0, {1, 2}, 1, {}},
        {"refused at the maximum: 1 and no dialog", false, {1, 2}, 0, 2, {0}, 1, 1, {1, 2}, 0, {}},
        {"cancelled on a list below its minimum takes the new record back", false, {}, 1, 999, {0}, 0, 0, {}, 0, {}},
        {"cancelled at the minimum takes the new record back", false, {1}, 1, 999, {0}, 0, 0, {1}, 0, {}},
        {"multi: cancelled on a list below its minimum takes the new record back", true, {}, 1, 999, {0}, 0, 0, {},
         -1, {0}},
        {"multi: cancelled with several rows selected removes only the new record", true, {1, 2, 3}, 0, 999, {2, 1},
         0, 0, {1, 2, 3}, 1, {1}},
        {"multi: confirmed selects the next row alone", true, {1, 2, 3}, 0, 999, {2, 1}, 1, 1, {1, 77, 2, 3}, 2, {2}},
    };
    for (const Case& c : cases) {
        cRecEditDlg::Reset(c.answer, 77);
        cOwnerDlg dlg;
        cRecEditDlg* slot = nullptr;
        int result = -1, cur = -2;
        std::vector<int> boxSel;
        if (!c.multi) {
            for (int v : c.records) dlg.m_Work.push_back(sRec(v));
            dlg.UseSingle(c.min, c.max, 1);
            RunOwner(&dlg, [&](cOwnerDlg* d) {
                d->S().SetCurSel(c.selected[0], 0);
                result = d->S().InsertAndEdit(&slot, IDD_LIST_EDIT, &g_WndRegistry, kEditWndKeep, 1);
                cur = static_cast<int>(SendMessageA(d->SingleBox(), LB_GETCURSEL, 0, 0));
            });
            EXPECT_EQ(c.after, Values(dlg.m_Work)) << c.name;
        } else {
            // the multi-selection list edits through a request: the owner's
            // own insert-and-edit steps
            for (int v : c.records) dlg.m_MWork.push_back(sRec(v));
            dlg.UseMulti(c.min, c.max);
            RunOwner(&dlg, [&](cOwnerDlg* d) {
                d->M().ResetSel(c.selected[0], 0);
                for (size_t i = 1; i < c.selected.size(); ++i) d->M().SetCurSel(c.selected[i], 0);
                d->M().Redraw();
                if (!d->M().Insert()) return;
                cEditReq req;
                int data = d->M().GetSelData();
                req.m_pRecord = data == -1 ? nullptr : &d->m_MWork[data];
                req.m_bNew = 1;
                result = data == -1 ? 0 : d->M().Edit(&slot, IDD_LIST_EDIT, &req, &g_WndRegistry, kEditWndKeep, 0,
                                                      &d->M());
                if (!result)
                    d->M().TakeBackInserted();
                else
                    d->M().SelectNext(1);
                d->M().Redraw();
                cur = d->M().m_nCurSel;
                boxSel = SelRows(d->MultiBox());
            });
            EXPECT_EQ(c.after, Values(dlg.m_MWork)) << c.name;
            EXPECT_EQ(c.boxSel, boxSel) << c.name;
            if (cRecEditDlg::s_nMade) {
                ASSERT_EQ(1u, cRecEditDlg::s_Reqs.size()) << c.name;
                EXPECT_EQ(1, cRecEditDlg::s_Reqs[0].m_bNew);
            }
        }
        EXPECT_EQ(c.result, result) << c.name;
        EXPECT_EQ(c.cur, cur) << c.name;
        EXPECT_EQ(nullptr, slot);
    }
}

}  // namespace
}  // namespace listtest
