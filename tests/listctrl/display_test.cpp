// Binding, attach and display of the record list: the rows read back from the
// list box, the three stores (source, working vector, edit buffer), refills.
#include "tests/listctrl/list_owner.h"

namespace listtest {
namespace {

class DisplayTest : public ListTest {};

std::string NumberedRow(int shown, int row) {
    cVector<sRec> v = Range(1, shown);
    cOwnerDlg dlg;
    dlg.m_Work = v;
    dlg.UseSingle(0, 999, 0, 0, false, true, 1);
    std::string text;
    RunOwner(&dlg, [&](cOwnerDlg* d) { text = Rows(d->SingleBox())[row]; });
    return text;
}

// The number's width follows the shown count.
TEST_F(DisplayTest, NumberedRowsArePaddedToTheDigitsOfTheShownCount) {
    struct {
        int shown, row;
        const char* text;
    } cases[] = {
        {9, 0, "1 1"}, {9, 8, "9 9"}, {10, 0, "01 1"}, {10, 9, "10 10"}, {100, 0, "001 1"}, {100, 99, "100 100"},
    };
    for (const auto& c : cases) EXPECT_EQ(c.text, NumberedRow(c.shown, c.row)) << c.shown << " row " << c.row;
}

TEST_F(DisplayTest, AppendingTheTenthRecordRenumbersTheFirstNine) {
    cOwnerDlg dlg;
    dlg.m_Work = Range(1, 9);
    dlg.UseSingle(0, 999, 1, 0, false, true, 1);
    std::vector<std::string> before, after;
    RunOwner(&dlg, [&](cOwnerDlg* d) {
        before = Rows(d->SingleBox());
        d->S().Append();
        after = Rows(d->SingleBox());
    });
    EXPECT_EQ("1 1", before[0]);
    EXPECT_EQ(kSeparator, before[9]);
    EXPECT_EQ("01 1", after[0]);
    EXPECT_EQ("10 0", after[9]);
    EXPECT_EQ(kSeparator, after[10]);
}

// Hidden records take no row and no number; the callback gets data indexes.
TEST_F(DisplayTest, HiddenRecordsAreNeitherShownNorLoaded) {
    cOwnerDlg dlg;
    dlg.m_Src = Recs({100, 1, 2});
    dlg.UseSingle(1, 999, 1, 1, true, true, 1);
    std::vector<std::string> rows;
    int edit = -1;
    std::vector<int> indexes;
    dlg.m_Single.m_Param.m_lpfnText = [](cString* out, int index, const sRec* r) {
        out->Format("%d@%d", r->m_nValue, index);
    };
    RunOwner(&dlg, [&](cOwnerDlg* d) {
        rows = Rows(d->SingleBox());
        edit = d->m_Edit.m_nValue;
    });
    EXPECT_EQ((std::vector<std::string>{"1 1@1", "2 2@2", kSeparator}), rows);
    EXPECT_EQ(1, edit) << "row 0 (data index 1) loaded at attach";
}

TEST_F(DisplayTest, AnEmptyListWithASeparatorShowsOnlyTheSeparatorRowSelected) {
    cOwnerDlg dlg;
    dlg.m_Edit = sRec(5);
    dlg.UseSingle(0, 999, 1);
    std::vector<std::string> rows;
    int sel = -2;
    RunOwner(&dlg, [&](cOwnerDlg* d) {
        rows = Rows(d->SingleBox());
        sel = static_cast<int>(SendMessageA(d->SingleBox(), LB_GETCURSEL, 0, 0));
    });
    EXPECT_EQ((std::vector<std::string>{kSeparator}), rows);
    EXPECT_EQ(0, sel) << "no empty selection: Redraw selects row 0";
    EXPECT_EQ(5, dlg.m_Edit.m_nValue) << "nothing loaded into the edit buffer";
}

// Minimum 0 without a separator row forces an empty selection to be allowed.
TEST_F(DisplayTest, EmptySelectionIsForcedWithMinimumZeroAndNoSeparator) {
    struct {
        int min, separator, asked, expected;
    } cases[] = {{0, 0, 0, 1}, {-1, 0, 0, 1}, {1, 0, 0, 0}, {0, 1, 0, 0}, {1, 0, 1, 1}};
    for (const auto& c : cases) {
        cOwnerDlg dlg;
        dlg.UseSingle(c.min, 999, c.separator, 0, false, true, 0, c.asked);
        int got = -1, sel = -2;
        RunOwner(&dlg, [&](cOwnerDlg* d) {
            got = d->S().m_bEmptySel;
            sel = static_cast<int>(SendMessageA(d->SingleBox(), LB_GETCURSEL, 0, 0));
        });
        EXPECT_EQ(c.expected, got) << "min " << c.min << " separator " << c.separator;
        if (c.separator) {
            EXPECT_EQ(0, sel);
        }
    }
}

// The working vector is a copy of the source; CtrlToData writes it back,
// DataToCtrl takes the source again.
TEST_F(DisplayTest, SourceWorkingVectorAndEditBuffer) {
    cOwnerDlg dlg;
    dlg.m_Src = Recs({1, 2, 3});
    dlg.UseSingle(1, 999, 1, 0, true);
    std::vector<int> afterStore, afterLoad;
    std::vector<std::string> rows;
    RunOwner(&dlg, [&](cOwnerDlg* d) {
        d->m_Work[0].m_nValue = 10;
        EXPECT_EQ(1, d->m_Src[0].m_nValue) << "the source is untouched until CtrlToData";
        d->S().CtrlToData();
        afterStore = Values(d->m_Src);
        d->m_Src.push_back(sRec(4));
        d->S().DataToCtrl();
        afterLoad = Values(d->m_Work);
        rows = Rows(d->SingleBox());
    });
    EXPECT_EQ((std::vector<int>{10, 2, 3}), afterStore);
    EXPECT_EQ((std::vector<int>{10, 2, 3, 4}), afterLoad);
    EXPECT_EQ((std::vector<std::string>{"10", "2", "3", "4", kSeparator}), rows);
}

// A list given a source but no working vector shows the source and edits it
// in place; storing and loading leave it as it is.
TEST_F(DisplayTest, WithoutAWorkingVectorTheSourceIsShown) {
    cOwnerDlg dlg;
    dlg.m_Src = Recs({1, 2});
    dlg.m_Single.m_Param.Set(IDC_LIST_SINGLE, &dlg.m_Src, nullptr, &dlg.m_Edit, 0, RecText, 0, 1, 999, 0, 1, 0);
    std::vector<std::string> before, after;
    int appended = 0;
    RunOwner(&dlg, [&](cOwnerDlg* d) {
        before = Rows(d->SingleBox());
        appended = d->S().Append();
        d->S().CtrlToData();
        d->S().DataToCtrl();
        after = Rows(d->SingleBox());
    });
    EXPECT_EQ((std::vector<std::string>{"1", "2", kSeparator}), before);
    EXPECT_EQ(1, appended);
    EXPECT_EQ((std::vector<int>{1, 2, 0}), Values(dlg.m_Src));
    EXPECT_EQ((std::vector<std::string>{"1", "2", "0", kSeparator}), after);
    EXPECT_EQ(0u, dlg.m_Work.size()) << "the owner's other vector is not used";
}

TEST_F(DisplayTest, CtrlToDataWithoutASourceChangesNothing) {
    cOwnerDlg dlg;
    dlg.m_Work = Recs({1, 2});
    dlg.m_Src = Recs({9});
    dlg.UseSingle(0, 999);
    RunOwner(&dlg, [&](cOwnerDlg* d) { d->S().CtrlToData(); });
    EXPECT_EQ((std::vector<int>{9}), Values(dlg.m_Src));
    EXPECT_EQ((std::vector<int>{1, 2}), Values(dlg.m_Work));
}

// DataToCtrl with the separator row current, or after the source shrank
// below the current record, selects and loads the last record.
TEST_F(DisplayTest, DataToCtrlMovesALostSelectionToTheLastRecord) {
    for (int hidden = 0; hidden <= 1; ++hidden) {
        for (int shrink = 0; shrink <= 1; ++shrink) {
            cOwnerDlg dlg;
            dlg.m_Src = hidden ? Recs({100, 1, 2, 3, 4}) : Recs({1, 2, 3, 4});
            dlg.UseSingle(1, 999, 1, hidden, true);
            int sel = -2, edit = -1;
            RunOwner(&dlg, [&](cOwnerDlg* d) {
                if (shrink) {
                    d->S().SetCurSel(3, 1);
                    d->m_Src.resize(d->m_Src.size() - 2);
                } else {
                    d->S().SetCurSel(4, 1);  // the separator row
                }
                d->S().DataToCtrl();
                d->S().Redraw();
                sel = static_cast<int>(SendMessageA(d->SingleBox(), LB_GETCURSEL, 0, 0));
                edit = d->m_Edit.m_nValue;
            });
            int lastRow = shrink ? 1 : 3;
            EXPECT_EQ(lastRow, sel) << "hidden " << hidden << " shrink " << shrink;
            EXPECT_EQ(lastRow + 1, edit) << "hidden " << hidden << " shrink " << shrink;
        }
    }
}

TEST_F(DisplayTest, LoadEditAndApplyEdit) {
    cOwnerDlg dlg;
    dlg.m_Work = Recs({1, 2, 3});
    dlg.UseSingle(0, 999, 1);
    int applied = -1, onSeparator = -1;
    std::vector<std::string> rows;
    RunOwner(&dlg, [&](cOwnerDlg* d) {
        d->S().SetCurSel(1, 1);
        EXPECT_EQ(2, d->m_Edit.m_nValue);
        d->m_Edit.m_nValue = 20;
        applied = d->S().ApplyEdit();
        rows = Rows(d->SingleBox());
        d->S().SetCurSel(3, 0);
        d->m_Edit.m_nValue = 30;
        onSeparator = d->S().ApplyEdit();
        d->S().LoadEdit();
    });
    EXPECT_EQ(1, applied);
    EXPECT_EQ((std::vector<std::string>{"1", "20", "3", kSeparator}), rows);
    EXPECT_EQ(0, onSeparator);
    EXPECT_EQ(30, dlg.m_Edit.m_nValue) << "LoadEdit on the separator row loads nothing";
    EXPECT_EQ((std::vector<int>{1, 20, 3}), Values(dlg.m_Work));
}

// The list box procedure: the property names the list, WM_VSCROLL keeps the
// top row, WM_DESTROY unhooks; a second Attach does not subclass again.
TEST_F(DisplayTest, SubclassKeepsTheTopRowAcrossRefills) {
    cOwnerDlg dlg;
    dlg.m_Work = Range(1, 60);
    dlg.UseSingle(0, 999, 1);
    int top = -1;
    bool prop = false, sorted = true;
    WNDPROC before = nullptr, after = nullptr;
    HWND box = nullptr;
    RunOwner(&dlg, [&](cOwnerDlg* d) {
        box = d->SingleBox();
        prop = GetPropA(box, "CTRL_LIST_CLASS") == static_cast<cCtrlListBase*>(&d->S());
        sorted = (GetWindowLongPtrA(box, GWL_STYLE) & LBS_SORT) != 0;
        // a real scroll bar action: page down on the list's scroll bar
        RECT rc;
        GetWindowRect(box, &rc);
        int barX = rc.right - GetSystemMetrics(SM_CXVSCROLL) / 2 - 2;
        ClickAt(barX, rc.bottom - GetSystemMetrics(SM_CYVSCROLL) - 6);
        PumpUntil([&] { return SendMessageA(box, LB_GETTOPINDEX, 0, 0) > 0; });
        PumpMessages(50);
        int shown = static_cast<int>(SendMessageA(box, LB_GETTOPINDEX, 0, 0));
        EXPECT_GT(shown, 0);
        EXPECT_EQ(shown, d->S().m_nTopIndex);
        d->S().Append();
        top = static_cast<int>(SendMessageA(box, LB_GETTOPINDEX, 0, 0));
        EXPECT_EQ(shown, top) << "the refill keeps the top row";
        before = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(box, GWLP_WNDPROC));
        d->AttachCtrl(d->m_Single);
        after = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(box, GWLP_WNDPROC));
    });
    EXPECT_TRUE(prop);
    EXPECT_FALSE(sorted);
    EXPECT_GT(top, 0);
    EXPECT_EQ(before, after);
    EXPECT_EQ(CtrlListProc, before);
}

// DigitCount and the "%s %s" row format with hidden records: the first shown
// record is number 1.
TEST_F(DisplayTest, FirstShownRecordIsNumberOne) {
    cOwnerDlg dlg;
    dlg.m_Work = Recs({100, 101, 7});
    dlg.UseSingle(0, 999, 0, 2, false, true, 1);
    std::vector<std::string> rows;
    RunOwner(&dlg, [&](cOwnerDlg* d) { rows = Rows(d->SingleBox()); });
    EXPECT_EQ((std::vector<std::string>{"1 7"}), rows);
}

}  // namespace
}  // namespace listtest
