// Bound controls: a dialog that binds one control of each value kind to a
// structure, attaching and lookup by id, and the window helpers of the base.
#include <windows.h>

#include "base/log.h"
#include "tests/ui/ctrl_dialogs.h"
#include "ui/ctrllist.h"

namespace {

class CtrlBaseTest : public GuiTest {
protected:
    void TearDown() override {
        SetErrorLog(0, "RI_Zedevu.txt");
        GuiTest::TearDown();
    }
};

// The dialog shows the structure; OK stores exactly what was edited, cancel
// and closing store nothing.
TEST_F(CtrlBaseTest, DemoDialogStoresTheEditsOnOkOnly) {
    struct Case {
        const char* name;
        int endId;
        bool stores;
    };
    for (const Case& c : {Case{"OK", kIdOk, true}, Case{"cancel", kIdCancel, false}}) {
        SCOPED_TRACE(c.name);
        sDemoData data;
        sDemoData before = data;
        cDemoDlg* dlg = new cDemoDlg(&data);
        std::string shown[5];
        int kindSel = -2, groupSel = -2;
        int r = RunModalScripted(dlg, 0, [&](HWND w) {
            BringToFront(w);
            const int ids[] = {IDC_TEST_VAL_INT, IDC_TEST_VAL_CHAR, IDC_TEST_VAL_BYTE, IDC_TEST_VAL_SHORT,
                               IDC_TEST_VAL_DOUBLE};
            for (int i = 0; i < 5; ++i) shown[i] = TextOf(GetDlgItem(w, ids[i]));
            kindSel = static_cast<int>(SendDlgItemMessageA(w, IDC_TEST_COMBO, CB_GETCURSEL, 0, 0));
            groupSel = static_cast<int>(SendDlgItemMessageA(w, IDC_TEST_COMBO_LIST, CB_GETCURSEL, 0, 0));
            FocusAll(GetDlgItem(w, IDC_TEST_VAL_INT));
            TypeText("250");
            FocusAll(GetDlgItem(w, IDC_TEST_VAL_DOUBLE));
            TypeText("2.25");
            SendDlgItemMessageA(w, IDC_TEST_COMBO, CB_SETCURSEL, 3, 0);
            ClickWindow(GetDlgItem(w, c.endId));
        });
        EXPECT_EQ(c.stores ? 1 : 0, r);
        EXPECT_EQ("100", shown[0]);
        EXPECT_EQ("-1", shown[1]);
        EXPECT_EQ("200", shown[2]);
        EXPECT_EQ("30", shown[3]);
        EXPECT_EQ("1.50", shown[4]);
        EXPECT_EQ(1, kindSel) << "kind 2 at position 1 (offset 1)";
        EXPECT_EQ(0, groupSel);
        sDemoData expected = before;
        if (c.stores) {
            expected.hp = 250;
            expected.scale = 2.25;
            expected.kind = 4;
        }
        EXPECT_EQ(expected, data);
        delete dlg;
    }
}

// Lookup by id: the first item with the low 16 bits of the id; enabling and
// showing through it.
TEST_F(CtrlBaseTest, FindEnableAndShowByLowSixteenBitsFirstMatch) {
    sDemoData data;
    cDemoDlg* dlg = new cDemoDlg(&data);
    // a second item with the int edit's id: both attached, the first found
    cCtrlEditValItem<int> twin;
    twin.m_Param.Set(IDC_TEST_VAL_INT, &data.hp, 0, 50, 0, 1);
    dlg->m_Ints.push_back(twin);
    size_t ctrls = 0;
    RunModalScripted(dlg, 0, [&](HWND w) {
        ctrls = dlg->m_Ctrls.size();
        auto& ints = dlg->m_Ints;
        EXPECT_EQ(&ints[0], FindCtrl(ints, IDC_TEST_VAL_INT));
        EXPECT_EQ(&ints[0], FindCtrl(ints, IDC_TEST_VAL_INT + 0x10000));
        EXPECT_EQ(ints[0].m_Ctrl.m_hWnd, ints[1].m_Ctrl.m_hWnd);
        HWND edit = GetDlgItem(w, IDC_TEST_VAL_INT);
        HWND spin = GetDlgItem(w, IDC_TEST_VAL_INT_SPIN);
        EnableCtrl(ints, IDC_TEST_VAL_INT, 0);
        EXPECT_FALSE(IsWindowEnabled(edit));
        EXPECT_FALSE(IsWindowEnabled(spin)) << "the value edit disables its spin control too";
        EXPECT_FALSE(ints[0].m_Ctrl.IsEnabled());
        EnableCtrl(ints, IDC_TEST_VAL_INT, 1);
        EXPECT_TRUE(IsWindowEnabled(edit) && IsWindowEnabled(spin));
        EXPECT_NE(0, ShowCtrl(dlg->m_Kinds, IDC_TEST_COMBO, 0)) << "was visible";
        EXPECT_FALSE(IsWindowVisible(GetDlgItem(w, IDC_TEST_COMBO)));
        EXPECT_EQ(0, ShowCtrl(dlg->m_Kinds, IDC_TEST_COMBO, 1)) << "was hidden";
        EXPECT_TRUE(IsWindowVisible(GetDlgItem(w, IDC_TEST_COMBO)));
        ClickWindow(GetDlgItem(w, kIdCancel));
    });
    EXPECT_EQ(8u, ctrls) << "every item in the control vector, the twin too";
    delete dlg;
}

// A missing id is an internal error: the box only while the error log is on,
// the application window closed in every case, null and 0 returned.
TEST_F(CtrlBaseTest, MissingIdClosesTheApplication) {
    for (int log : {0, 1}) {
        SCOPED_TRACE(log);
        TestAppWindow app;
        SetErrorLog(log, "RI_Zedevu.txt");
        MsgBoxCatcher boxes;
        cVector<cCtrlEditValItem<int>> empty;
        EXPECT_EQ(nullptr, FindCtrl(empty, 7));
        EXPECT_TRUE(app.Destroyed());
        cVector<cCtrlComboItem<int>> one(1);
        one[0].m_Ctrl.m_nId = 5;
        EXPECT_EQ(0, EnableCtrl(one, 6, 1));
        EXPECT_EQ(0, ShowCtrl(one, 6, 1));
        ASSERT_EQ(log ? 3u : 0u, boxes.boxes.size());
        if (log) {
            EXPECT_EQ("コントロールID 【7】 が見つかりません！", boxes.boxes[0].text);
        }
    }
}

// Window helpers: hit test with every border, assignment of attached controls,
// captions of any length, the check state as a byte.
TEST_F(CtrlBaseTest, WindowHelpers) {
    sDemoData data;
    cDemoDlg* dlg = new cDemoDlg(&data);
    RunModalScripted(dlg, 0, [&](HWND w) {
        cCtrl& edit = dlg->m_Ints[0].m_Ctrl;
        RECT rc;
        GetWindowRect(edit.m_hWnd, &rc);
        EXPECT_TRUE(edit.HitTest({rc.left, rc.top}));
        EXPECT_TRUE(edit.HitTest({rc.right, rc.bottom}));
        EXPECT_FALSE(edit.HitTest({rc.right + 1, rc.bottom}));
        EXPECT_FALSE(edit.HitTest({rc.left, rc.top - 1}));
        RECT orc;
        GetWindowRect(w, &orc);
        EXPECT_EQ(rc.left, edit.m_ptScreen.x);
        EXPECT_EQ(rc.left - orc.left - dlg->m_nMarginL, edit.m_ptOwner.x);

        // assignment takes window and id only
        cCtrlCombo<int> target = dlg->m_Kinds[0].m_Ctrl;
        cCtrl& source = dlg->m_Ints[0].m_Ctrl;
        target.m_lpOwner = nullptr;
        static_cast<cCtrl&>(target) = source;
        EXPECT_EQ(source.m_hWnd, target.m_hWnd);
        EXPECT_EQ(source.m_nId, target.m_nId);
        EXPECT_EQ(nullptr, target.m_lpOwner);
        EXPECT_EQ(kCtrlCombo, target.m_nKind);

        // a caption longer than any fixed buffer is read whole up to 1023 bytes,
        // cut at a whole double-byte character
        cCtrl label;
        label.Attach(dlg, IDC_TEST_VAL_CHECK);
        std::string longText;
        for (int i = 0; i < 750; ++i) longText += "表";
        label.SetCaption(longText.c_str());
        cString got;
        label.GetCaption(&got);
        EXPECT_EQ(1022u, got.size()) << "1023 bytes would split a character";
        EXPECT_EQ(longText.substr(0, 1022), got);
        label.SetCaption("表示");
        label.AddCaptionF(" (%d,%d,%s)", 1, 2, "右");
        label.GetCaption(&got);
        EXPECT_EQ("表示 (1,2,右)", got);

        label.SetCheck(static_cast<uint8_t>(257));
        EXPECT_EQ(BST_CHECKED, label.GetCheck());
        label.SetCheck(0);
        EXPECT_EQ(BST_UNCHECKED, label.GetCheck());

        cCtrl missing;
        missing.Attach(dlg, 4321);
        EXPECT_EQ(nullptr, missing.m_hWnd);
        ClickWindow(GetDlgItem(w, kIdCancel));
    });
    delete dlg;
}

struct sNamed {
    int num;
    const char* name;
};
void NamedText(cString* out, int index, const sNamed* r) {
    out->Format("%d:%s/%d", index, r->name, r->num);
}

// The record list as the framework sees it: attached through AddCtrl, the
// working vector a copy of the source, unsorted rows from the callback after
// the hidden records, subclassed under its property, stored back by OK.
TEST_F(CtrlBaseTest, RecordListAttachesAndStores) {
    cVector<sNamed> source, work;
    source.push_back({0, "なし"});
    source.push_back({7, "ｂ"});
    source.push_back({3, "ａ"});
    cCtrlListItem<sNamed> list;
    list.m_Param.m_nId = IDC_TEST_RECORDS;
    list.m_Param.m_lpSource = &source;
    list.m_Param.m_lpWork = &work;
    list.m_Param.m_nHidden = 1;
    list.m_Param.m_lpfnText = NamedText;
    sDemoData data;
    cDemoDlg* dlg = new cDemoDlg(&data);
    dlg->m_OnInit = [&](cTestDlg* d) { d->AddCtrl(list); };
    std::vector<std::string> rows;
    int sel = -2;
    bool sorted = true, prop = false;
    RunModalScripted(dlg, 0, [&](HWND w) {
        HWND box = GetDlgItem(w, IDC_TEST_RECORDS);
        for (int i = 0; i < static_cast<int>(SendMessageA(box, LB_GETCOUNT, 0, 0)); ++i) {
            char buf[64] = "";
            SendMessageA(box, LB_GETTEXT, i, reinterpret_cast<LPARAM>(buf));
            rows.push_back(buf);
        }
        sel = static_cast<int>(SendMessageA(box, LB_GETCURSEL, 0, 0));
        sorted = HasStyle(box, LBS_SORT);
        prop = GetPropA(box, "CTRL_LIST_CLASS") == static_cast<cCtrl*>(&list.m_Ctrl);
        work[1].num = 9;
        ClickWindow(GetDlgItem(w, kIdOk));
    });
    EXPECT_EQ((std::vector<std::string>{"1:ｂ/7", "2:ａ/3"}), rows);
    EXPECT_EQ(0, sel);
    EXPECT_FALSE(sorted);
    EXPECT_TRUE(prop);
    EXPECT_EQ(9, source[1].num);
    EXPECT_EQ(kCtrlList, list.m_Ctrl.m_nKind);
    delete dlg;
}

}  // namespace
