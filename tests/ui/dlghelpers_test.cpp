// The dialog helpers: number texts, the wrap-around stepper, deleting
// through a cleared pointer, the command-handler entries and the numbered
// name lists of the combo boxes.
#include <windows.h>

#include <gtest/gtest.h>

#include "base/mcisound.h"
#include "app/stage_edit.h"
#include "model/database.h"
#include "model/palette.h"
#include "objedit/blockpage.h"
#include "model/definitions.h"
#include "tests/support/box_catcher.h"
#include "tests/ui/ctrl_dialogs.h"
#include "ui/dlghelpers.h"

namespace {

TEST(DigitCountTest, CountsDigitsOfTheMagnitude) {
    struct Case {
        int32_t value;
        int digits;
    };
    for (const Case& c : {Case{0, 1}, Case{9, 1}, Case{10, 2}, Case{99, 2}, Case{100, 3}, Case{-5, 1},
                          Case{-10, 2}, Case{999999999, 9}, Case{1000000000, 10}, Case{2147483647, 10},
                          Case{INT32_MIN, 10}})
        EXPECT_EQ(c.digits, DigitCount(c.value)) << c.value;
}

TEST(NumToStrTest, PadsWithZerosOrBlanks) {
    struct Case {
        int32_t value;
        int digits, zeroPad;
        const char* text;
    };
    for (const Case& c : {Case{7, 3, 1, "007"}, Case{1234, 3, 1, "1234"}, Case{-5, 0, 0, "-5"}, Case{0, 0, 0, "0"},
                          Case{0, 3, 0, "  0"}, Case{0, 3, 1, "000"}, Case{7, 3, 0, "  7"}, Case{105, 5, 0, "  105"},
                          Case{-7, 3, 1, "-007"}, Case{-7, 3, 0, "-  7"}, Case{12, 0, 1, "12"},
                          Case{2147483647, 2, 1, "2147483647"}, Case{INT32_MIN, 0, 1, "-2147483648"}}) {
        cString s("old");
        NumToStr(&s, c.value, c.digits, c.zeroPad);
        EXPECT_EQ(c.text, s) << c.value << " " << c.digits << " " << c.zeroPad;
    }
    cString s;
    NumToStrZero(&s, static_cast<int16_t>(-32768), 6);
    EXPECT_EQ("-032768", s);
    NumToStrZero(&s, 7, 3);
    EXPECT_EQ("007", s);
}

TEST(StepWrapTest, WrapsAtBothEnds) {
    struct Case {
        int value, step, lo, hi, result;
    };
    for (const Case& c : {Case{1, -1, 1, 5, 5}, Case{5, 1, 1, 5, 1}, Case{3, 1, 1, 5, 4}, Case{3, -1, 1, 5, 2},
                          Case{1, 1, 1, 1, 1}, Case{1, -1, 1, 1, 1}}) {
        int v = c.value;
        EXPECT_EQ(c.result, StepWrap(&v, c.step, c.lo, c.hi));
        EXPECT_EQ(c.result, v);
    }
}

struct Counted {
    static int s_Alive;
    Counted() { ++s_Alive; }
    virtual ~Counted() { --s_Alive; }
};
int Counted::s_Alive = 0;

TEST(SafeDeleteTest, DeletesOnceAndClears) {
    Counted* p = new Counted;
    ASSERT_EQ(1, Counted::s_Alive);
    EXPECT_EQ(&p, SafeDelete(&p));
    EXPECT_EQ(nullptr, p);
    EXPECT_EQ(0, Counted::s_Alive);
    SafeDelete(&p);  // null: nothing happens
    EXPECT_EQ(0, Counted::s_Alive);
}

struct HandlerPage {
    int m_Last = 0;
    void OnA() { m_Last = 1; }
    void OnB() { m_Last = 2; }
    void OnC() { m_Last = 3; }
};

TEST(CtrlHandlerTest, FiresOnTheKindsChangeNotification) {
    struct Case {
        int kind;
        unsigned code;
        bool fires;
    };
    for (const Case& c : {Case{kCtrlButton, BN_CLICKED, true}, Case{kCtrlButton, BN_DOUBLECLICKED, false},
                          Case{kCtrlEditVal, EN_CHANGE, true}, Case{kCtrlEditVal, EN_KILLFOCUS, false},
                          Case{kCtrlEditStr, EN_CHANGE, true}, Case{kCtrlEditStr, EN_UPDATE, false},
                          Case{kCtrlCheck, BN_CLICKED, true}, Case{kCtrlCombo, CBN_SELCHANGE, true},
                          Case{kCtrlCombo, CBN_DROPDOWN, false}, Case{kCtrlList, LBN_SELCHANGE, true},
                          Case{kCtrlList, LBN_DBLCLK, false}, Case{kCtrlPicture, 0, false},
                          Case{kCtrlPicture, 1, false}, Case{kCtrlTrackBar, 0, false}, Case{kCtrlStatic, 0, false},
                          Case{kCtrlSpin, 0, false}}) {
        cCtrlHandler<HandlerPage> h;
        h.Set(c.kind, 1200, &HandlerPage::OnA);
        EXPECT_EQ(c.fires, h.IsChange(MAKEWPARAM(1200, c.code))) << c.kind << " " << c.code;
        EXPECT_FALSE(h.IsChange(MAKEWPARAM(1201, c.code))) << "another control";
    }
}

TEST(CtrlHandlerTest, TableRunsTheFirstMatchingEntryOnly) {
    cCtrlHandler<HandlerPage> table[3];
    table[0].Set(kCtrlCombo, 1010, &HandlerPage::OnA);
    table[1].Set(kCtrlButton, 1011, &HandlerPage::OnB);
    table[2].Set(kCtrlCheck, 1011, &HandlerPage::OnC);  // same id, never reached
    HandlerPage page;
    EXPECT_TRUE(RunCtrlHandler(&page, table, MAKEWPARAM(1011, BN_CLICKED)));
    EXPECT_EQ(2, page.m_Last);
    page.m_Last = 0;
    EXPECT_FALSE(RunCtrlHandler(&page, table, MAKEWPARAM(1010, CBN_DROPDOWN)));
    EXPECT_FALSE(RunCtrlHandler(&page, table, MAKEWPARAM(1012, BN_CLICKED)));
    EXPECT_EQ(0, page.m_Last);
    EXPECT_TRUE(RunCtrlHandler(&page, table, MAKEWPARAM(1010, CBN_SELCHANGE)));
    EXPECT_EQ(1, page.m_Last);
}

template <class R>
cVector<R> Named(std::initializer_list<const char*> names) {
    cVector<R> v;
    for (const char* n : names) {
        R r;
        r.m_Name.Set(n);
        v.push_back(r);
    }
    return v;
}

TEST(NameListTest, TableListsNumberEveryRecordFromTheFirst) {
    cVector<cEdSound> sounds = Named<cEdSound>({"zero", "jump", ""});
    cVector<cString> list;
    MakeTableNameList(&list, sounds, "なし", 0, 2, 0);
    ASSERT_EQ(3u, list.size());
    EXPECT_EQ("なし", list[0]);
    EXPECT_EQ("01 jump", list[1]);
    EXPECT_EQ("02 ", list[2]) << "an empty name keeps its number";

    MakeTableNameList(&list, sounds, nullptr, 1, 3, 0);
    ASSERT_EQ(2u, list.size());
    EXPECT_EQ("001 jump", list[0]);
    EXPECT_EQ("002 ", list[1]);

    // no first text: record 0 has its own line; numbers shifted by the offset
    cVector<cEdAnimeSet> sets = Named<cEdAnimeSet>({"walk", "run"});
    MakeTableNameList(&list, sets, nullptr, 0, 3, 1);
    ASSERT_EQ(2u, list.size());
    EXPECT_EQ("001 walk", list[0]);
    EXPECT_EQ("002 run", list[1]);

    // exactly `first` records, or fewer: an empty list, old texts gone
    MakeTableNameList(&list, Named<cEdSound>({"zero"}), nullptr, 1, 3, 0);
    EXPECT_TRUE(list.empty());
    MakeTableNameList(&list, cVector<cEdSound>(), nullptr, 1, 3, 0);
    EXPECT_TRUE(list.empty());
    MakeTableNameList(&list, cVector<cEdSound>(), "なし", 0, 3, 0);
    EXPECT_TRUE(list.empty());
}

TEST(NameListTest, PaletteListsLeaveOutEntryZero) {
    cVector<cString> list;
    MakePaletteNameList(&list, Named<cEdBlock>({"none", "wall", "", "ladder"}));
    ASSERT_EQ(3u, list.size());
    EXPECT_EQ("001 wall", list[0]);
    EXPECT_EQ("002 ", list[1]);
    EXPECT_EQ("003 ladder", list[2]);
    MakePaletteNameList(&list, Named<cEdItem>({"none", "coin"}));
    ASSERT_EQ(1u, list.size());
    EXPECT_EQ("001 coin", list[0]);
    MakePaletteNameList(&list, Named<cEdChara>({"none"}));
    EXPECT_TRUE(list.empty());
    MakePaletteNameList(&list, cVector<cEdChara>());
    EXPECT_TRUE(list.empty());
}

class ComboHelperTest : public GuiTest {};

TEST_F(ComboHelperTest, PaletteComboShowsTheEntriesAfterZero) {
    sDemoData data;
    cDemoDlg* dlg = new cDemoDlg(&data);
    cVector<cString> names;
    names.push_back("stale");
    int count = -2, items = -2;
    std::string first;
    RunModalScripted(dlg, 0, [&](HWND w) {
        count = SetPaletteCombo(dlg->m_Groups, IDC_TEST_COMBO_LIST, &names, Named<cEdItem>({"none", "coin", "key"}));
        HWND box = GetDlgItem(w, IDC_TEST_COMBO_LIST);
        items = static_cast<int>(SendMessageA(box, CB_GETCOUNT, 0, 0));
        char buf[64] = "";
        SendMessageA(box, CB_GETLBTEXT, 0, reinterpret_cast<LPARAM>(buf));
        first = buf;
        ClickWindow(GetDlgItem(w, kIdCancel));
    });
    EXPECT_EQ(2, count);
    EXPECT_EQ(2, items);
    EXPECT_EQ("001 coin", first);
    ASSERT_EQ(2u, names.size());
    EXPECT_EQ(&names, dlg->m_Groups[0].m_Ctrl.m_lpList) << "the combo keeps the caller's list";
    SafeDelete(&dlg);
    EXPECT_EQ(nullptr, dlg);
}

TEST_F(ComboHelperTest, MoveToKeepsTheSizeAndRecordsThePosition) {
    sDemoData data;
    cDemoDlg* dlg = new cDemoDlg(&data);
    RECT before = {}, after = {};
    POINT owner = {-1, -1};
    RunModalScripted(dlg, 0, [&](HWND w) {
        cCtrl* ctrl = &dlg->m_Ints[0].m_Ctrl;
        GetWindowRect(ctrl->m_hWnd, &before);
        ctrl->MoveTo(5, 7);
        GetWindowRect(ctrl->m_hWnd, &after);
        owner = ctrl->m_ptOwner;
        dlg->Close(0);
    });
    SafeDelete(&dlg);
    EXPECT_EQ(5, owner.x);
    EXPECT_EQ(7, owner.y);
    EXPECT_EQ(before.right - before.left, after.right - after.left);
    EXPECT_EQ(before.bottom - before.top, after.bottom - after.top);
}

TEST_F(ComboHelperTest, ComboSoundPlaysOnlyRealTableEntries) {
    cVector<cEdSound> keep = g_Database.m_Sound;
    uint8_t wasEnabled = g_MciSound.enabled;
    g_Database.m_Sound = Named<cEdSound>({"none", "broken"});
    g_Database.m_Sound[1].m_File.Set("sound\\broken.xyz");  // no player for it
    g_MciSound.enabled = 1;

    sDemoData data;
    cDemoDlg* dlg = new cDemoDlg(&data);
    struct Case {
        int pos, played;
        size_t boxes;
    };
    std::vector<Case> cases = {{0, 0, 0}, {2, 0, 0}, {1, 0, 1}};
    std::vector<int> played;
    std::vector<std::vector<CaughtBox>> boxes;
    RunModalScripted(dlg, 0, [&](HWND w) {
        HWND box = GetDlgItem(w, IDC_TEST_COMBO_LIST);
        for (const Case& c : cases) {
            BoxCatcher catcher;
            SendMessageA(box, CB_SETCURSEL, static_cast<WPARAM>(c.pos), 0);
            played.push_back(PlayComboSound(w, dlg->m_Groups, IDC_TEST_COMBO_LIST));
            boxes.push_back(catcher.Take());
        }
        // the error box took the activation away: close by command
        PostMessageA(w, WM_COMMAND, MAKEWPARAM(kIdCancel, BN_CLICKED), 0);
    });
    g_MciSound.enabled = wasEnabled;
    g_Database.m_Sound = keep;
    SafeDelete(&dlg);

    ASSERT_EQ(cases.size(), played.size());
    for (size_t i = 0; i < cases.size(); ++i) {
        EXPECT_EQ(cases[i].played, played[i]) << "position " << cases[i].pos;
        ASSERT_EQ(cases[i].boxes, boxes[i].size()) << "position " << cases[i].pos;
    }
    EXPECT_EQ("エラー", boxes[2][0].caption);
    EXPECT_EQ("読み込み失敗！", boxes[2][0].text);
}

// The page with two of the block's fields on the test dialog.
class cTestBlockPage : public cBlockPage {
public:
    explicit cTestBlockPage(const cEdBlock* record) : cBlockPage(IDD_TEST_CTRLS, nullptr, kWndDialog, &g_WndRegistry) {
        m_Shorts.resize(1);
        m_Ints.resize(1);
        LoadRecord(record);
    }

protected:
    void BindParams() override {
        m_Shorts[0].m_Param.Set(IDC_TEST_VAL_SHORT, &m_Block.m_Graphic, 0, 9999, 0, 1);
        m_Ints[0].m_Param.Set(IDC_TEST_VAL_INT, &m_Block.m_ActionX, -9999, 9999, IDC_TEST_VAL_INT_SPIN, 1);
    }
};

std::string ItemText(HWND dlg, int id) {
    char buf[64] = "";
    GetDlgItemTextA(dlg, id, buf, sizeof buf);
    return buf;
}

class StepBlockTest : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        m_Keep = g_CommonPalette.m_Blocks;
        m_KeepSource = g_StageEdit.g_EditSource[0];
        g_StageEdit.g_EditSource[0] = 0;
        cVector<cEdBlock>& p = g_CommonPalette.m_Blocks;
        p.clear();
        for (int i = 0; i < 4; ++i) {
            cEdBlock b;
            b.m_Graphic = static_cast<int16_t>(10 * i);
            b.m_ActionX = i;
            p.push_back(b);
        }
    }
    void TearDown() override {
        g_CommonPalette.m_Blocks = m_Keep;
        g_StageEdit.g_EditSource[0] = m_KeepSource;
        GuiTest::TearDown();
    }
    cVector<cEdBlock> m_Keep;
    int32_t m_KeepSource = 0;
};

TEST_F(StepBlockTest, StoresTheEntryAndWrapsWithinTheEditableEntries) {
    cVector<cEdBlock>& palette = g_CommonPalette.m_Blocks;
    int index = 3;
    cEdBlock* current = &palette[3];
    cTestBlockPage* page = new cTestBlockPage(current);
    struct Seen {
        int index;
        cEdBlock* current;
        std::string graphic, label;
    };
    std::vector<Seen> seen;
    size_t ctrlsBefore = 0, ctrlsAfter = 0;
    RunModalScripted(page, 0, [&](HWND w) {
        ctrlsBefore = page->m_Ctrls.size();
        cCtrl label;
        label.Attach(page, IDC_TEST_VAL_DOUBLE);
        SetDlgItemTextA(w, IDC_TEST_VAL_SHORT, "33");  // an edit of entry 3
        for (int step : {+1, -1, -1, -1}) {
            StepBlockRecord(&current, &index, step, page, &label);
            seen.push_back({index, current, ItemText(w, IDC_TEST_VAL_SHORT), ItemText(w, IDC_TEST_VAL_DOUBLE)});
        }
        ctrlsAfter = page->m_Ctrls.size();
        page->Close(0);
    });
    SafeDelete(&page);

    ASSERT_EQ(4u, seen.size());
    EXPECT_EQ(33, palette[3].m_Graphic) << "the edit is written back before the move";
    EXPECT_EQ(3, palette[3].m_ActionX);
    struct Want {
        int index;
        const char *graphic, *label;
    };
    const Want want[] = {{1, "10", "No.1"}, {3, "33", "No.3"}, {2, "20", "No.2"}, {1, "10", "No.1"}};
    for (size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(want[i].index, seen[i].index) << i;
        EXPECT_EQ(&palette[want[i].index], seen[i].current) << i;
        EXPECT_EQ(want[i].graphic, seen[i].graphic) << i;
        EXPECT_EQ(want[i].label, seen[i].label) << i;
    }
    EXPECT_EQ(ctrlsBefore, ctrlsAfter) << "re-binding registers no control again";
    EXPECT_EQ(2u, ctrlsAfter);
    EXPECT_EQ(0, palette[0].m_Graphic) << "entry 0 is never edited";
}

TEST_F(StepBlockTest, APaletteWithoutEditableEntriesStaysPut) {
    cVector<cEdBlock>& palette = g_CommonPalette.m_Blocks;
    palette.resize(1);
    int index = 0;
    cEdBlock* current = &palette[0];
    cTestBlockPage* page = new cTestBlockPage(current);
    RunModalScripted(page, 0, [&](HWND w) {
        SetDlgItemTextA(w, IDC_TEST_VAL_SHORT, "44");
        StepBlockRecord(&current, &index, +1, page, nullptr);
        page->Close(0);
    });
    SafeDelete(&page);
    EXPECT_EQ(0, index);
    EXPECT_EQ(&palette[0], current);
    EXPECT_EQ(0, palette[0].m_Graphic);
    EXPECT_FALSE(m_App.Destroyed());
}

}  // namespace
