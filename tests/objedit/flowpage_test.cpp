// The flows page of the character sheet, driven by real input: a flow is
// built (a condition, a key condition and two commands), its commands are
// reordered, the flow is copied into a second flow that is then changed,
// and the palette file written after Apply holds exactly that. Also the
// modal flows dialog of item commands.
#include <gtest/gtest.h>

#include <windows.h>
#include <prsht.h>

#include <string>

#include "app/services.h"
#include "cmdedit/cmdselect_dlg.h"
#include "base/record.h"
#include "model/palette.h"
#include "model/prjoption.h"
#include "model/stage.h"
#include "objedit/charasheet.h"
#include "objedit/cond_distance_res.h"
#include "objedit/cond_select_res.h"
#include "objedit/flowpage.h"
#include "objedit/flowpage_res.h"
#include "objedit/keycond_res.h"
#include "tests/objedit/dialog_queue.h"
#include "tests/support/gui.h"

namespace {

const int kApplyButton = 0x3021;

// The command selection's stand-in: a wait of the next time in line.
int g_NextTime = 0;
int g_CmdResult = 1;
int StandInCmd(cDlg*, cEditReq* req, cCtrl*, int) {
    if (!g_CmdResult) return 0;
    cEdCommand* cmd = req->Record<cEdCommand>();
    cmd->m_nCmdSet = 0;
    cmd->m_nKind = 1;
    cmd->m_Params.resize(static_cast<size_t>(cmd->ParamCount()));
    cmd->m_nTime = static_cast<int16_t>(g_NextTime++);
    return 1;
}

void ClickRow(HWND list, int row) {
    RECT rc = {};
    SendMessageA(list, LB_GETITEMRECT, row, reinterpret_cast<LPARAM>(&rc));
    ClickClientPoint(list, (rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2);
    PumpUntilIdle();
}

class FlowPage : public testing::Test {
protected:
    void SetUp() override {
        SetDataVersion(248, 0);
        g_Stage.SetDefault();
        g_CommonPalette.SetDefault();
        g_CommonPalette.Validate();
        g_PrjOption.SetDefault();
        g_StageEdit.Reset();
        g_StateStack.Reset();
        g_Stage.m_PalCharas.clear();
        const char* names[3] = {"", "A", "B"};
        for (const char* n : names) {
            cEdChara c;
            c.m_Name = n;
            c.m_Graphic = 1;
            g_Stage.m_PalCharas.push_back(c);
        }
        g_LastSheetPage[1] = 0;
        g_RunCmdDialog = StandInCmd;
        g_CmdResult = 1;
        g_NextTime = 5;
    }
    void TearDown() override {
        SafeDelete(&g_StageCharaPalSheet);
        PumpUntilIdle();
        g_RunCmdDialog = nullptr;
        g_Stage.SetDefault();
        g_StageEdit.Reset();
    }
    HWND Sheet() const { return g_StageCharaPalSheet ? g_StageCharaPalSheet->m_hWnd : nullptr; }
    HWND Page() const { return reinterpret_cast<HWND>(SendMessageA(Sheet(), PSM_GETCURRENTPAGEHWND, 0, 0)); }
    HWND Item(int id) const { return GetDlgItem(Page(), id); }
    void OpenFlows(int entry) {
        ASSERT_TRUE(OpenCharaSheetForEntry(nullptr, 1, entry));
        ASSERT_TRUE(PumpUntil([&] { return Sheet() && Page() && IsWindowVisible(Sheet()); }));
        PostMessageA(Sheet(), PSM_SETCURSEL, 3, 0);
        ASSERT_TRUE(PumpUntil([&] { return Item(IDC_FP_FLOWS) != nullptr; }, 10000));
        ASSERT_TRUE(PumpUntilIdle());
    }
    void Press(int id) {
        ClickWindow(Item(id));
        ASSERT_TRUE(PumpUntilIdle());
    }
    void Keys(int list, int row, WORD key) {
        ClickRow(Item(list), row);
        PressKeyWith(VK_CONTROL, key);
        ASSERT_TRUE(PumpUntilIdle());
    }
    void Close(int id) {
        ClickWindow(GetDlgItem(Sheet(), id));
        ASSERT_TRUE(PumpUntil([&] {
            if (g_StageCharaPalSheet) PostThreadMessageA(GetCurrentThreadId(), WM_NULL, 0, 0);
            return g_StageCharaPalSheet == nullptr;
        }));
    }
};

TEST_F(FlowPage, BuiltFlowIsAppliedSavedAndReadBack) {
    OpenFlows(1);
    // a character without flows has one empty flow
    ASSERT_EQ(2, RowCount(Item(IDC_FP_FLOWS)));
    EXPECT_EQ("1 ×0 - -", RowText(Item(IDC_FP_FLOWS), 0));

    DialogQueue queue;
    queue.Add("条件", [](HWND dlg) { ClickItem(dlg, IDC_COND_SELECT_BTN_DISTANCE); });
    queue.Add("距離条件", [](HWND dlg) {
        TypeInto(dlg, IDC_COND_DISTANCE_VALUE, "12");
        ClickItem(dlg, 1000);
    });
    Press(IDC_FP_COND_INSERT);
    queue.Add("キー条件", [](HWND dlg) {
        ChooseItem(dlg, IDC_KEYCOND_RIGHT, 1);
        ChooseItem(dlg, IDC_KEYCOND_Z, 1);
        TypeInto(dlg, IDC_KEYCOND_MIN, "3");
        ClickItem(dlg, 1000);
    });
    Press(IDC_FP_KEY_INSERT);
    EXPECT_EQ(0, queue.Pending());
    Press(IDC_FP_CMD_INSERT);
    Press(IDC_FP_CMD_INSERT);
    EXPECT_EQ("距離条件 ： 横 12 以内", RowText(Item(IDC_FP_CONDS), 0));
    EXPECT_EQ("3～3 ： → + Z ", RowText(Item(IDC_FP_KEYS), 0));
    ASSERT_EQ(3, RowCount(Item(IDC_FP_CMDS)));
    EXPECT_EQ("1 ×2 - -", RowText(Item(IDC_FP_FLOWS), 0));

    // the second command cut and pasted before the first
    const std::string first = RowText(Item(IDC_FP_CMDS), 0);
    const std::string second = RowText(Item(IDC_FP_CMDS), 1);
    EXPECT_NE(first, second);
    Keys(IDC_FP_CMDS, 1, 'X');
    Keys(IDC_FP_CMDS, 0, 'V');
    EXPECT_EQ(second, RowText(Item(IDC_FP_CMDS), 0));
    EXPECT_EQ(first, RowText(Item(IDC_FP_CMDS), 1));

    // the flow copied after itself, then the copy given another timing
    Keys(IDC_FP_FLOWS, 0, 'C');
    Keys(IDC_FP_FLOWS, 1, 'V');
    ASSERT_EQ(3, RowCount(Item(IDC_FP_FLOWS)));
    ClickRow(Item(IDC_FP_FLOWS), 1);
    EXPECT_EQ(3, RowCount(Item(IDC_FP_CMDS)));
    ChooseItem(Page(), IDC_FP_TIMING, 1);
    EXPECT_FALSE(IsWindowEnabled(Item(IDC_FP_GROUP)));
    TourShot(Sheet(), "flow_page");

    ClickWindow(GetDlgItem(Sheet(), kApplyButton));
    ASSERT_TRUE(PumpUntilIdle());
    Close(IDOK);

    ASSERT_EQ(1, g_Stage.SavePalette("flow_pal.dat"));
    cEdStage back;
    back.SetDefault();
    ASSERT_EQ(1, back.LoadPalette("flow_pal.dat"));
    ASSERT_EQ(3u, back.m_PalCharas.size());
    const cVector<cEdFlow>& flows = back.m_PalCharas[1].m_Flows;
    ASSERT_EQ(2u, flows.size());
    const cEdFlow& f = flows[0];
    ASSERT_EQ(1u, f.m_Conds.size());
    EXPECT_EQ(7, f.m_Conds[0].m_nKind);
    EXPECT_EQ(12, f.m_Conds[0].m_nValue);
    ASSERT_EQ(1u, f.m_KeyConds.size());
    EXPECT_EQ(3, f.m_KeyConds[0].m_nPressMin);
    EXPECT_EQ(3, f.m_KeyConds[0].m_nPressMax);
    ASSERT_EQ(19u, f.m_KeyConds[0].m_bbKeys.size());
    for (int k = 0; k < 19; ++k) EXPECT_EQ(k == 2 || k == 11 ? 1 : 0, f.m_KeyConds[0].m_bbKeys[k]) << k;
    ASSERT_EQ(2u, f.m_Commands.size());
    EXPECT_EQ(6, f.m_Commands[0].m_nTime);
    EXPECT_EQ(5, f.m_Commands[1].m_nTime);
    EXPECT_EQ(0, f.m_nTiming);
    cEdFlow copy = flows[1];
    EXPECT_EQ(1, copy.m_nTiming);
    copy.m_nTiming = 0;
    EXPECT_EQ(f, copy);
    // the other entry is untouched
    EXPECT_TRUE(back.m_PalCharas[2].m_Flows.size() <= 1u);
}

// Without a stand-in the command list runs the command selection: the
// pressed kind's page stores the command; an existing command opens its
// page at once.
TEST_F(FlowPage, CommandThroughTheSelection) {
    g_RunCmdDialog = nullptr;
    OpenFlows(1);
    DialogQueue queue;
    queue.Add("コマンド", [](HWND dlg) { ClickItem(dlg, CmdKindButton(1)); });
    queue.Add("ウエイト", [](HWND dlg) { ClickItem(dlg, 1000); });
    Press(IDC_FP_CMD_INSERT);
    EXPECT_EQ(0, queue.Pending());
    ASSERT_EQ(2, RowCount(Item(IDC_FP_CMDS)));
    EXPECT_NE(std::string::npos, RowText(Item(IDC_FP_CMDS), 0).find("ウエイト"));
    EXPECT_EQ("1 ×1 - -", RowText(Item(IDC_FP_FLOWS), 0));
    bool selectionSeen = false;
    queue.Add("ウエイト", [&](HWND dlg) {
        selectionSeen = FindWindowA("#32770", "コマンド") && IsWindowVisible(FindWindowA("#32770", "コマンド"));
        ClickItem(dlg, 1001);
    });
    ClickRow(Item(IDC_FP_CMDS), 0);
    Press(IDC_FP_CMD_EDIT);
    EXPECT_EQ(0, queue.Pending());
    EXPECT_FALSE(selectionSeen);
    EXPECT_EQ(2, RowCount(Item(IDC_FP_CMDS)));
}

// A sheet that opens on the flows page (the page last shown) still writes
// the character back on OK and enables the other windows when it closes.
TEST_F(FlowPage, SheetOpenedOnTheFlowsPageWritesBack) {
    g_LastSheetPage[1] = 3;
    ASSERT_TRUE(OpenCharaSheetForEntry(nullptr, 1, 2));
    ASSERT_TRUE(PumpUntil([&] { return Sheet() && Item(IDC_FP_FLOWS) != nullptr; }, 10000));
    ASSERT_TRUE(PumpUntilIdle());
    ChooseItem(Page(), IDC_FP_TIMING, 7);
    Close(IDOK);
    ASSERT_FALSE(g_Stage.m_PalCharas[2].m_Flows.empty());
    EXPECT_EQ(7, g_Stage.m_PalCharas[2].m_Flows[0].m_nTiming);
    EXPECT_EQ(3, g_LastSheetPage[1]);
}

// A cancelled insertion leaves no trace; the only flow cannot be deleted.
TEST_F(FlowPage, CancelledInsertAndLastFlowStay) {
    OpenFlows(2);
    g_CmdResult = 0;
    Press(IDC_FP_CMD_INSERT);
    EXPECT_EQ(1, RowCount(Item(IDC_FP_CMDS)));
    DialogQueue queue;
    queue.Add("条件", [](HWND dlg) { PostMessageA(dlg, WM_CLOSE, 0, 0); });
    Press(IDC_FP_COND_INSERT);
    EXPECT_EQ(1, RowCount(Item(IDC_FP_CONDS)));
    queue.Add("キー条件", [](HWND dlg) { ClickItem(dlg, 1001); });
    Press(IDC_FP_KEY_INSERT);
    EXPECT_EQ(1, RowCount(Item(IDC_FP_KEYS)));
    ClickRow(Item(IDC_FP_FLOWS), 0);
    Press(IDC_FP_FLOW_DELETE);
    EXPECT_EQ(2, RowCount(Item(IDC_FP_FLOWS)));
    EXPECT_EQ("1 ×0 - -", RowText(Item(IDC_FP_FLOWS), 0));
}

// The timings' notes, and the group only for flows that run always.
TEST_F(FlowPage, TimingNotesAndGroup) {
    OpenFlows(1);
    struct Case {
        int timing;
        const char* note;
        bool group;
    } cases[] = {
        {3, "※実行時間0の並列実行コマンド（P-0）のみ実行可", false},
        {18, "※移動・アクション系以外の並列実行コマンド（P-）のみ実行可", false},
        {5, " ", false},
        {0, " ", true},
    };
    for (const Case& c : cases) {
        ChooseItem(Page(), IDC_FP_TIMING, c.timing);
        EXPECT_EQ(c.note, ItemText(Page(), IDC_FP_NOTE)) << c.timing;
        EXPECT_EQ(c.group, IsWindowEnabled(Item(IDC_FP_GROUP)) != 0) << c.timing;
        EXPECT_EQ(0, SendMessageA(Item(IDC_FP_GROUP), CB_GETCURSEL, 0, 0)) << c.timing;
    }
}

// The modal flows dialog on an item command's flows: with "変更" the ID is
// fixed; OK writes the flows back, cancel does not.
TEST(NestedFlowPage, OkWritesTheFlowsBack) {
    for (int ok : {1, 0}) {
        cVector<cEdFlow> flows(2);
        flows[0].m_nId = 3;
        g_NestedFlows = &flows;
        g_NestedFlowOp = 1;
        g_NestedFlowId = 3;
        cFlowPage* page = new cFlowPage(IDD_FLOWPAGE, nullptr, kWndDialog, nullptr);
        const int r = RunModalScripted(page, 0, [&](HWND dlg) {
            char caption[64] = "";
            GetWindowTextA(dlg, caption, sizeof caption);
            EXPECT_STREQ("フローデータ", caption);
            EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dlg, IDC_FP_ID)));
            EXPECT_FALSE(IsWindowVisible(GetDlgItem(dlg, IDC_FP_INHERIT)));
            EXPECT_EQ(3, RowCount(GetDlgItem(dlg, IDC_FP_FLOWS)));
            ChooseItem(dlg, IDC_FP_TIMING, 19);
            if (ok) TourShot(dlg, "flow_page_nested");
            ClickItem(dlg, ok ? 1000 : 1001);
        });
        delete page;
        g_NestedFlows = nullptr;
        EXPECT_EQ(ok, r);
        EXPECT_EQ(ok ? 19 : 0, flows[0].m_nTiming);
        EXPECT_EQ(3, flows[0].m_nId);
        EXPECT_EQ(0, flows[1].m_nTiming);
    }
    g_NestedFlowOp = 0;
}

// "変更" of the flows with ID C: every flow the dialog shows shows C in its
// disabled ID combo, and OK stores C for it (the shown flow is not left
// with its old ID behind the combo); a flow never shown keeps its ID, and
// cancel stores nothing.
TEST(NestedFlowPage, ChangedFlowsKeepTheIdShown) {
    struct Case {
        int close;
        bool showSecond;
        int8_t want0, want1;
    } const cases[] = {
        {1000, false, 3, 2},
        {1000, true, 3, 3},
        {1001, true, 1, 2},
    };
    for (const Case& c : cases) {
        cVector<cEdFlow> flows(2);
        flows[0].m_nId = 1;
        flows[1].m_nId = 2;
        flows[1].m_nTiming = 19;
        g_NestedFlows = &flows;
        g_NestedFlowOp = 1;
        g_NestedFlowId = 3;
        cFlowPage* page = new cFlowPage(IDD_FLOWPAGE, nullptr, kWndDialog, nullptr);
        RunModalScripted(page, 0, [&](HWND dlg) {
            EXPECT_EQ("C", ItemText(dlg, IDC_FP_ID));
            EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dlg, IDC_FP_ID)));
            if (c.showSecond) {
                ClickRow(GetDlgItem(dlg, IDC_FP_FLOWS), 1);
                EXPECT_EQ("C", ItemText(dlg, IDC_FP_ID));
                EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dlg, IDC_FP_ID)));
            }
            ClickItem(dlg, c.close);
        });
        delete page;
        g_NestedFlows = nullptr;
        EXPECT_EQ(c.want0, flows[0].m_nId) << c.close << " " << c.showSecond;
        EXPECT_EQ(c.want1, flows[1].m_nId) << c.close << " " << c.showSecond;
        EXPECT_EQ(19, flows[1].m_nTiming);
    }
    g_NestedFlowOp = 0;
}

}  // namespace
