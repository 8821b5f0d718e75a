// Operations on an empty list, on a selection that points past the records
// (the owner changed the vector behind the list's back), and string lists:
// nothing reads a record that is not there (a bad index of a checked vector
// would close the stand-in application window, which every test checks).
#include "tests/listctrl/list_owner.h"

namespace listtest {
namespace {

class RobustnessTest : public ListTest {};

// Every operation, run one after the other.
void RunEverything(cOwnerDlg* d, cCtrlList<sRec>& l, std::vector<int>* results) {
    cRecEditDlg* slot = nullptr;
    results->push_back(l.Copy());
    results->push_back(l.Paste());
    results->push_back(l.Cut());
    results->push_back(l.Delete(-1, false));
    results->push_back(l.Delete(7, false));
    results->push_back(l.Delete(7, true));
    results->push_back(l.ClearData());
    results->push_back(l.ApplyEdit());
    l.LoadEdit();
    results->push_back(l.OnSelChange());
    results->push_back(l.GetSelData());
    l.SelectNext(1);
    results->push_back(l.Edit(&slot, IDD_LIST_EDIT, &g_WndRegistry, kEditWndKeep, 1));
    l.SetCurSel(9, 1);
    l.ResetSel(9, 1);
    l.DataToCtrl();
    l.Redraw();
    (void)d;
}

TEST_F(RobustnessTest, EveryOperationOnAnEmptyList) {
    for (int multi = 0; multi <= 1; ++multi) {
        for (int separator = 0; separator <= 1; ++separator) {
            if (multi && !separator) continue;  // every multi-selection list has one
            cRecEditDlg::Reset(1, 5);
            cOwnerDlg dlg;
            if (multi)
                dlg.UseMulti(0, 999);
            else
                dlg.UseSingle(0, 999, separator);
            std::vector<int> results;
            RunOwner(&dlg, [&](cOwnerDlg* d) { RunEverything(d, multi ? d->M() : d->S(), &results); });
            EXPECT_EQ(0, cRecEditDlg::s_nMade) << "no record: no edit dialog";
            EXPECT_EQ(-1, results[9]) << "GetSelData";
            EXPECT_EQ(0, results[10]) << "Edit";
            // then the record operations that make records work
            cOwnerDlg again;
            if (multi)
                again.UseMulti(0, 999);
            else
                again.UseSingle(0, 999, separator);
            RunOwner(&again, [&](cOwnerDlg* d) {
                cCtrlList<sRec>& l = multi ? d->M() : d->S();
                EXPECT_EQ(1, l.Insert());
                EXPECT_EQ(1, l.Append());
                EXPECT_EQ(1, l.SetCount(0));
                EXPECT_EQ(1, l.SetCount(3));
            });
            EXPECT_EQ(3u, (multi ? again.m_MWork : again.m_Work).size());
        }
    }
}

// The owner shrinks the working vector without refilling: the list box and
// the selection still name rows that have no record any more.
TEST_F(RobustnessTest, ASelectionPastTheRecordsTouchesNothing) {
    for (int multi = 0; multi <= 1; ++multi) {
        cRecEditDlg::Reset(1, 5);
        cOwnerDlg dlg;
        cVector<sRec>& work = multi ? dlg.m_MWork : dlg.m_Work;
        work = Recs({1, 2, 3, 4, 5});
        if (multi)
            dlg.UseMulti(0, 999);
        else
            dlg.UseSingle(0, 999, 1);
        std::vector<int> results;
        RunOwner(&dlg, [&](cOwnerDlg* d) {
            cCtrlList<sRec>& l = multi ? d->M() : d->S();
            l.ResetSel(3, 0);
            l.SetCurSel(4, 0);
            l.Redraw();
            work.resize(2);
            RunEverything(d, l, &results);
        });
        EXPECT_EQ(0, cRecEditDlg::s_nMade) << "multi " << multi;
        EXPECT_LE(work.size(), 3u) << "multi " << multi;
    }
}

// The working vector shorter than its hidden records shows nothing.
TEST_F(RobustnessTest, FewerRecordsThanHidden) {
    cOwnerDlg dlg;
    dlg.m_Work = Recs({1});
    dlg.UseSingle(0, 999, 1, 2);
    RunOwner(&dlg, [&](cOwnerDlg* d) {
        EXPECT_EQ((std::vector<std::string>{kSeparator}), Rows(d->SingleBox()));
        std::vector<int> results;
        RunEverything(d, d->S(), &results);
    });
}

// The file-name list: names added once (case matters), hidden entries
// count, no maximum; clearing keeps the separator row current.
void NameText(cString* out, int, const cString* name) {
    out->Format("%s", name->c_str());
}

TEST_F(RobustnessTest, StringListsAddNamesOnce) {
    cVector<cString> names;
    cCtrlListItem<cString> files;
    files.m_Param.Set(IDC_LIST_SINGLE, nullptr, &names, nullptr, 0, NameText, 0, 0, 2, 0, 1, 0);
    cOwnerDlg dlg;
    dlg.m_OnInit = [&](cOwnerDlg* d) { d->AddCtrl(files); };
    std::vector<std::string> rows, cleared;
    int sel = -2;
    RunOwner(&dlg, [&](cOwnerDlg* d) {
        files.m_Ctrl.AddItem(cString("bmp\\a.bmp"), 1);
        files.m_Ctrl.AddItem(cString("bmp\\a.bmp"), 1);
        files.m_Ctrl.AddItem(cString("bmp\\A.bmp"), 1);
        cVector<cString> more;
        more.push_back(cString("b.bmp"));
        more.push_back(cString("b.bmp"));
        more.push_back(cString("bmp\\a.bmp"));
        files.m_Ctrl.AddItems(more, 1);
        files.m_Ctrl.AddItem(cString("b.bmp"), 0);
        rows = Rows(d->SingleBox());
        files.m_Ctrl.ClearItems();
        cleared = Rows(d->SingleBox());
        sel = static_cast<int>(SendMessageA(d->SingleBox(), LB_GETCURSEL, 0, 0));
        // its clipboard is its own, of its own record type
        EXPECT_TRUE(files.m_Ctrl.m_Clip.empty());
    });
    EXPECT_EQ((std::vector<std::string>{"bmp\\a.bmp", "bmp\\A.bmp", "b.bmp", "b.bmp", kSeparator}), rows);
    EXPECT_EQ((std::vector<std::string>{kSeparator}), cleared);
    EXPECT_EQ(0, sel);
    EXPECT_TRUE(names.empty());
}

}  // namespace
}  // namespace listtest
