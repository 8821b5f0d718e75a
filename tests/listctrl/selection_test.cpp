// Selection of the record list: the list's own copy of the selection kept in
// step with the list box, rows turned into data indexes, the right-click
// selection and the selection taken in after real clicks.
#include "tests/listctrl/list_owner.h"

namespace listtest {
namespace {

class SelectionTest : public ListTest {};

POINT RowPoint(HWND box, int y) {
    RECT rc;
    GetWindowRect(box, &rc);
    return POINT{rc.left + 20, rc.top + y};
}

// Clicks a row of a list box (row heights as the list box has them).
void ClickRow(HWND box, int row) {
    int h = static_cast<int>(SendMessageA(box, LB_GETITEMHEIGHT, 0, 0));
    RECT rc;
    SendMessageA(box, LB_GETITEMRECT, row, reinterpret_cast<LPARAM>(&rc));
    ClickClientPoint(box, 20, rc.top + h / 2);
}

TEST_F(SelectionTest, SetCurSelInASingleSelectionList) {
    struct {
        int allowEmpty, row, cur, boxSel;
    } cases[] = {
        {0, -1, 0, 0},    // no empty selection: row 0
        {1, -1, -1, -1},  // empty allowed
        {0, 2, 2, 2},
        {0, 3, 3, 3},     // the separator row
        {0, 4, -1, -1},   // past the last row: nothing current, nothing selected
    };
    for (const auto& c : cases) {
        cOwnerDlg dlg;
        dlg.m_Work = Recs({1, 2, 3});
        dlg.UseSingle(1, 999, 1, 0, false, true, 0, c.allowEmpty);
        int cur = -2, boxSel = -2;
        RunOwner(&dlg, [&](cOwnerDlg* d) {
            d->S().SetCurSel(c.row, 1);
            cur = d->S().m_nCurSel;
            boxSel = static_cast<int>(SendMessageA(d->SingleBox(), LB_GETCURSEL, 0, 0));
        });
        EXPECT_EQ(c.cur, cur) << "row " << c.row;
        EXPECT_EQ(c.boxSel, boxSel) << "row " << c.row;
    }
}

TEST_F(SelectionTest, DataIndexesWithAHiddenRecord) {
    cOwnerDlg dlg;
    dlg.m_Work = Recs({100, 1, 2});
    dlg.UseSingle(1, 999, 1, 1);
    std::vector<int> data, separator;
    RunOwner(&dlg, [&](cOwnerDlg* d) {
        for (int row = 0; row < 3; ++row) {
            d->S().SetCurSel(row, 1);
            data.push_back(d->S().GetSelData());
            separator.push_back(d->S().IsSeparatorRow(row));
        }
    });
    EXPECT_EQ((std::vector<int>{1, 2, -1}), data);
    EXPECT_EQ((std::vector<int>{0, 0, 1}), separator);
    EXPECT_EQ(2, dlg.m_Edit.m_nValue) << "SetCurSel on the separator row loads nothing";
}

// A point 0 to 13 pixels below the window's top edge hits the first visible
// row; every further 12 pixels one row further; nothing below the last row.
TEST_F(SelectionTest, SelectAtPointUsesTwelvePixelRows) {
    struct {
        int y, result, row;
    } cases[] = {{0, 1, 0}, {13, 1, 0}, {14, 1, 1}, {25, 1, 1}, {26, 1, 2}, {38, 1, 3}, {50, 0, -1}};
    for (const auto& c : cases) {
        cOwnerDlg dlg;
        dlg.m_Work = Recs({1, 2, 3});
        dlg.UseSingle(1, 999, 1);
        int result = -1, cur = -2, edit = -1;
        bool focus = false;
        RunOwner(&dlg, [&](cOwnerDlg* d) {
            SetFocus(GetDlgItem(d->m_hWnd, IDC_LIST_NAME));
            d->m_Edit = sRec(55);
            result = d->S().SelectAtPoint(RowPoint(d->SingleBox(), c.y));
            cur = static_cast<int>(SendMessageA(d->SingleBox(), LB_GETCURSEL, 0, 0));
            focus = GetFocus() == d->SingleBox();
            edit = d->m_Edit.m_nValue;
        });
        EXPECT_EQ(c.result, result) << "y " << c.y;
        if (c.result) {
            EXPECT_EQ(c.row, cur) << "y " << c.y;
            EXPECT_TRUE(focus);
            EXPECT_EQ(c.row < 3 ? c.row + 1 : 55, edit) << "y " << c.y;
        } else {
            EXPECT_EQ(0, cur) << "nothing changes";
            EXPECT_FALSE(focus);
        }
    }
}

TEST_F(SelectionTest, SelectAtPointOutsideTheListHitsNothing) {
    cOwnerDlg dlg;
    dlg.m_Work = Recs({1, 2, 3});
    dlg.UseSingle(1, 999, 1);
    int result = -1;
    RunOwner(&dlg, [&](cOwnerDlg* d) {
        RECT rc;
        GetWindowRect(d->SingleBox(), &rc);
        result = d->S().SelectAtPoint(POINT{rc.right + 5, rc.top + 5});
    });
    EXPECT_EQ(0, result);
}

// In a multi-selection list a right-click on a selected row keeps the whole
// selection; on an unselected row it selects that row alone.
TEST_F(SelectionTest, SelectAtPointInAMultiSelectionList) {
    for (int onSelected = 0; onSelected <= 1; ++onSelected) {
        cOwnerDlg dlg;
        dlg.m_MWork = Recs({1, 2, 3, 4});
        dlg.UseMulti(1, 999);
        std::vector<int> sel, flags;
        int cur = -2, edit = -1;
        RunOwner(&dlg, [&](cOwnerDlg* d) {
            d->M().ResetSel(0, 0);
            d->M().SetCurSel(2, 0);
            d->M().SelectAtPoint(RowPoint(d->MultiBox(), onSelected ? 2 + 12 * 2 + 3 : 2 + 12 * 1 + 3));
            sel = SelRows(d->MultiBox());
            flags = Flags(d->M().m_bbSel);
            cur = d->M().m_nCurSel;
            edit = d->m_MEdit.m_nValue;
        });
        if (onSelected) {
            EXPECT_EQ((std::vector<int>{0, 2}), sel);
            EXPECT_EQ((std::vector<int>{1, 0, 1, 0, 0}), flags);
            EXPECT_EQ(2, cur);
            EXPECT_EQ(3, edit);
        } else {
            EXPECT_EQ((std::vector<int>{1}), sel);
            EXPECT_EQ((std::vector<int>{0, 1, 0, 0, 0}), flags);
            EXPECT_EQ(1, cur);
            EXPECT_EQ(2, edit);
        }
    }
}

// Real clicks: the owner hands LBN_SELCHANGE to the list, which takes the
// selection in and loads the record.
TEST_F(SelectionTest, ClickingARowLoadsItsRecord) {
    cOwnerDlg dlg;
    dlg.m_Work = Recs({1, 2, 3});
    dlg.UseSingle(1, 999, 1);
    RunOwner(&dlg, [&](cOwnerDlg* d) {
        ClickRow(d->SingleBox(), 2);
        EXPECT_TRUE(PumpUntil([&] { return d->m_Edit.m_nValue == 3; }));
        EXPECT_EQ(1, d->m_nSelResult);
        EXPECT_EQ(2, d->S().m_nCurSel);
        EXPECT_EQ(2, d->S().GetSelData());
        // the separator row: the default record, no data index
        ClickRow(d->SingleBox(), 3);
        EXPECT_TRUE(PumpUntil([&] { return d->m_nSelResult == 0; }));
        EXPECT_EQ(sRec(), d->m_Edit);
        EXPECT_EQ(-1, d->S().GetSelData());
    });
}

// Ctrl+clicking the caret row off makes the first remaining selected row the
// current row and loads it. (Wine's X11 driver takes the modifier state from
// the X server when a window gets the focus, so Ctrl cannot be held down with
// SendInput across a click: the list box's state after the Ctrl+click is set
// with messages and the list box's notification sent as it would send it.)
TEST_F(SelectionTest, CtrlClickingTheCaretRowOffLoadsTheFirstSelectedRow) {
    cOwnerDlg dlg;
    dlg.m_MWork = Recs({1, 2, 3, 4, 5});
    dlg.UseMulti(1, 999);
    RunOwner(&dlg, [&](cOwnerDlg* d) {
        ClickRow(d->MultiBox(), 3);
        EXPECT_TRUE(PumpUntil([&] { return d->m_MEdit.m_nValue == 4; }));
        HWND box = d->MultiBox();
        SendMessageA(box, LB_SETSEL, TRUE, 1);
        SendMessageA(box, LB_SETSEL, TRUE, 2);
        SendMessageA(box, LB_SETSEL, FALSE, 3);
        SendMessageA(box, LB_SETCARETINDEX, 3, 0);
        SendMessageA(d->m_hWnd, WM_COMMAND, MAKEWPARAM(IDC_LIST_MULTI, LBN_SELCHANGE), reinterpret_cast<LPARAM>(box));
        EXPECT_EQ(1, d->m_nSelResult);
        EXPECT_EQ(1, d->M().m_nCurSel);
        EXPECT_EQ(2, d->m_MEdit.m_nValue);
        EXPECT_EQ((std::vector<int>{0, 1, 1, 0, 0, 0}), Flags(d->M().m_bbSel));
        EXPECT_EQ(1, d->M().GetCurSel());
        EXPECT_EQ(1, d->M().GetSelData());
        EXPECT_EQ((std::vector<int>{1, 2}), SelRows(box));
    });
}

TEST_F(SelectionTest, OnSelChangeWithoutAnEditBufferOnlyTakesTheSelection) {
    cOwnerDlg dlg;
    dlg.m_MWork = Recs({1, 2});
    dlg.UseMulti(0, 999, false);
    int result = -1;
    RunOwner(&dlg, [&](cOwnerDlg* d) {
        SendMessageA(d->MultiBox(), LB_SETSEL, FALSE, -1);
        SendMessageA(d->MultiBox(), LB_SETSEL, TRUE, 2);
        SendMessageA(d->MultiBox(), LB_SETCARETINDEX, 2, 0);
        result = d->M().OnSelChange();
        EXPECT_EQ((std::vector<int>{0, 0, 1}), Flags(d->M().m_bbSel));
        EXPECT_EQ(2, d->M().m_nCurSel);
    });
    EXPECT_EQ(0, result);
}

// Redraw falls back on the kept selection when the list box lost it.
TEST_F(SelectionTest, RedrawRestoresTheKeptSelection) {
    cOwnerDlg dlg;
    dlg.m_Work = Recs({1, 2, 3});
    dlg.m_MWork = Recs({1, 2, 3});
    dlg.UseSingle(1, 999, 1);
    dlg.UseMulti(1, 999);
    RunOwner(&dlg, [&](cOwnerDlg* d) {
        d->S().SetCurSel(2, 0);
        d->S().Redraw();
        d->S().m_nCurSel = -1;
        d->S().Redraw();
        EXPECT_EQ(2, SendMessageA(d->SingleBox(), LB_GETCURSEL, 0, 0));

        d->M().ResetSel(1, 0);
        d->M().Redraw();
        for (size_t i = 0; i < d->M().m_bbSel.size(); ++i) d->M().m_bbSel[static_cast<int>(i)] = 0;
        d->M().Redraw();
        EXPECT_EQ((std::vector<int>{1}), SelRows(d->MultiBox()));
        EXPECT_EQ(1, d->M().m_nCurSel);
    });
}

TEST_F(SelectionTest, SelectNextSelectsTheFollowingRowAlone) {
    cOwnerDlg dlg;
    dlg.m_MWork = Recs({1, 2, 3});
    dlg.UseMulti(1, 999);
    RunOwner(&dlg, [&](cOwnerDlg* d) {
        d->M().ResetSel(0, 0);
        d->M().SetCurSel(1, 0);
        d->M().SelectNext(1);
        d->M().Redraw();
        EXPECT_EQ((std::vector<int>{2}), SelRows(d->MultiBox()));
        EXPECT_EQ(3, d->m_MEdit.m_nValue);
        d->M().SelectNext(1);  // to the separator row
        d->M().SelectNext(1);  // no row follows: nothing happens
        d->M().Redraw();
        EXPECT_EQ((std::vector<int>{3}), SelRows(d->MultiBox()));
    });
}

TEST_F(SelectionTest, SelectNextInASingleSelectionList) {
    // from: the current row before; then the current row and the edit
    // buffer's value after SelectNext and the owner's Redraw. A list with
    // minimum 0 and no separator allows an empty selection, so a step past
    // the last row leaves no current row.
    const struct {
        const char* name;
        int from;
        int cur;
        int edit;
    } cases[] = {
        {"to the following record", 0, 1, 2},
        {"past the last row: none", 1, -1, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        cOwnerDlg dlg;
        dlg.m_Work = Recs({1, 2});
        dlg.UseSingle(0, 999);
        RunOwner(&dlg, [&](cOwnerDlg* d) {
            d->S().SetCurSel(c.from, 1);
            d->S().SelectNext(1);
            d->S().Redraw();
            EXPECT_EQ(c.cur, d->S().m_nCurSel);
            EXPECT_EQ(c.cur, d->S().GetCurSel());
            EXPECT_EQ(c.edit, d->m_Edit.m_nValue);
        });
    }
}

}  // namespace
}  // namespace listtest
