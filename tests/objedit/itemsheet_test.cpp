// The item definition sheet from its openers (a stage or common palette
// entry, the item placed on the stage, the project's default item) with
// Apply, OK and cancel checked in the files written afterwards; the effect
// page's commands through the item command selection (dialog 216), the
// flow change dialog (217) and the flows page nested in it; and a command
// kind that the table does not know.
#include <gtest/gtest.h>

#include <windows.h>
#include <prsht.h>

#include <functional>
#include <string>

#include "app/services.h"
#include "app/stage_editor_res.h"
#include "base/record.h"
#include "cmdedit/cmdpage_itemflowop.h"
#include "cmdedit/cmdpage_itemflowop_res.h"
#include "cmdedit/itemcmdselect_dlg.h"
#include "model/palette.h"
#include "model/prjoption.h"
#include "model/stage.h"
#include "model/system.h"
#include "objedit/charasheet.h"
#include "objedit/flowpage.h"
#include "objedit/flowpage_res.h"
#include "objedit/itempage_basic_res.h"
#include "objedit/itempage_effect.h"
#include "objedit/itempage_effect_res.h"
#include "objedit/itemsheet.h"
#include "tests/objedit/dialog_queue.h"
#include "tests/support/gui.h"
#include "tests/support/test_env.h"

namespace {

const int kApplyButton = 0x3021;  // the property sheet's own Apply button

cEdItem Named(const char* name) {
    cEdItem it;
    it.SetDefault();
    it.m_Name = name;
    it.m_Graphic = 1;
    return it;
}

std::string WindowTitle(HWND wnd) {
    char buf[128] = "";
    GetWindowTextA(wnd, buf, sizeof buf);
    return buf;
}

class ItemSheet : public testing::Test {
protected:
    void SetUp() override {
        SetDataVersion(248, 0);
        g_Stage.SetDefault();
        g_CommonPalette.SetDefault();
        g_CommonPalette.Validate();
        g_PrjOption.SetDefault();
        g_StageEdit.Reset();
        g_StateStack.Reset();
        g_Stage.m_PalItems.clear();
        g_CommonPalette.m_Items.clear();
        const char* names[5] = {"", "A", "B", "C", "D"};
        for (const char* n : names) {
            g_Stage.m_PalItems.push_back(Named(n));
            g_CommonPalette.m_Items.push_back(Named(n));
        }
        g_LastSheetPage[2] = 0;
    }
    void TearDown() override {
        SafeDelete(&g_StageItemPalSheet);
        SafeDelete(&g_CommonItemPalSheet);
        SafeDelete(&g_PrjOptionItemSheet);
        PumpUntilIdle();
        if (m_lpEditor) {
            g_StageEditor = nullptr;
            delete m_lpEditor;
            m_lpEditor = nullptr;
        }
        g_Stage.SetDefault();
        g_StageEdit.Reset();
        g_StageEdit.g_EditSource[1] = 0;
    }

    cPropSheet* Held() const {
        cPropSheet* holders[3] = {g_StageItemPalSheet, g_CommonItemPalSheet, g_PrjOptionItemSheet};
        for (cPropSheet* s : holders)
            if (s) return s;
        return nullptr;
    }
    HWND Sheet() const { return Held() ? Held()->m_hWnd : nullptr; }
    HWND Page() const { return reinterpret_cast<HWND>(SendMessageA(Sheet(), PSM_GETCURRENTPAGEHWND, 0, 0)); }
    HWND Item(int id) const { return GetDlgItem(Page(), id); }
    std::string Text(int id) const { return ItemText(Page(), id); }
    void WaitOpen() {
        ASSERT_TRUE(PumpUntil([&] { return Sheet() && Page() && IsWindowVisible(Sheet()); }));
        ASSERT_TRUE(PumpUntilIdle());
    }
    void Press(HWND button) {
        ASSERT_TRUE(button);
        ClickWindow(button);
        ASSERT_TRUE(PumpUntilIdle());
    }
    // The second tab, as a click on it.
    void ShowEffectPage() {
        HWND tab = reinterpret_cast<HWND>(SendMessageA(Sheet(), PSM_GETTABCONTROL, 0, 0));
        ASSERT_TRUE(tab);
        RECT r;
        TabCtrl_GetItemRect(tab, 1, &r);
        ClickClientPoint(tab, (r.left + r.right) / 2, (r.top + r.bottom) / 2);
        ASSERT_TRUE(PumpUntil([&] { return Item(IDC_IE_CMDS) != nullptr; }));
        ASSERT_TRUE(PumpUntilIdle());
    }
    void Close(int id) {
        Press(GetDlgItem(Sheet(), id));
        ASSERT_TRUE(PumpUntil([&] {
            if (Held()) PostThreadMessageA(GetCurrentThreadId(), WM_NULL, 0, 0);
            return Held() == nullptr;
        }));
    }
    // A stage editor whose undo history takes the item layer's steps.
    void UseEditor() {
        g_StageEdit.m_bOpen = 1;
        g_Stage.m_UndoCount = 4;
        g_StageEdit.AllocUndo(4, g_Stage.m_Pitch, g_Stage.m_Height);
        m_lpEditor = new cStageEditorDlg(IDD_STAGE_EDITOR, nullptr, kWndDialog, nullptr);
        g_StageEditor = m_lpEditor;
    }

    cStageEditorDlg* m_lpEditor = nullptr;
};

// The item as files written after the sheet closed hold it.
cEdItem StagePaletteItem(int i) {
    EXPECT_EQ(1, g_Stage.SavePalette("item_pal.dat"));
    cEdStage back;
    back.SetDefault();
    EXPECT_EQ(1, back.LoadPalette("item_pal.dat"));
    return i < static_cast<int>(back.m_PalItems.size()) ? back.m_PalItems[i] : cEdItem();
}
cEdItem CommonPaletteItem(int i) {
    EXPECT_EQ(1, g_CommonPalette.Save("common.dat"));
    cEdCommonPalette back;
    EXPECT_EQ(1, back.Load("common.dat"));
    return i < static_cast<int>(back.m_Items.size()) ? back.m_Items[i] : cEdItem();
}
const int kCell = 2;
cEdItem CellItem(int) {
    EXPECT_EQ(1, SaveStageFile(g_Stage, "placed.dat"));
    cEdStage back;
    EXPECT_EQ(1, LoadStageFile(back, "placed.dat"));
    return back.m_Items[kCell];
}
cEdItem DefaultItem(int) {
    EXPECT_EQ(1, g_PrjOption.Save("prjoption.dat"));
    cPrjOption back;
    EXPECT_EQ(1, back.Load("prjoption.dat"));
    return back.m_DefItem;
}

struct Opener {
    const char* name;
    std::function<bool()> open;
    std::function<cEdItem(int)> read;
    int index;
    const char* before;
    int sources;  // entries of the inheritance source combo
};
const Opener kOpeners[] = {
    {"stage palette entry", [] { return OpenItemSheetForEntry(nullptr, 1, 2); }, StagePaletteItem, 2, "B", 2},
    {"common palette entry", [] { return OpenItemSheetForEntry(nullptr, 0, 3); }, CommonPaletteItem, 3, "C", 1},
    {"placed item", [] { return OpenItemSheetForCell(nullptr, &g_Stage.m_Items[kCell]); }, CellItem, 0, "S", 3},
    {"project default", [] { return OpenItemSheetForDefault(nullptr, &g_PrjOption.m_DefItem); }, DefaultItem, 0, "P",
     1},
};

// The stage editor's edit of the object at the cursor: an item there (the
// block and character cells empty) opens the item sheet on the cell, even
// from the block layer, which it switches to the item layer until the
// sheet closes; OK pushes one undo step of the item layer before the cell
// takes the edit.
TEST_F(ItemSheet, ItemAtTheCursorOpensTheSheet) {
    UseEditor();
    g_StageEdit.m_nLayer = 0;
    const int cell = 3 * g_Stage.m_Pitch + 2;
    g_Stage.m_Items[cell] = Named("S");
    g_StateStack.m_pCurrent->m_Values[0] = 2;
    g_StateStack.m_pCurrent->m_Values[1] = 3;
    m_lpEditor->EditObjectAtCursor();
    WaitOpen();
    EXPECT_EQ(2, g_StageEdit.m_nLayer);
    EXPECT_EQ(0, g_StageEdit.g_EditTarget);
    EXPECT_EQ("S", Text(IDC_IB_NAME));
    EXPECT_FALSE(IsWindowVisible(Item(IDC_IB_PREV)));
    TypeInto(Page(), IDC_IB_NAME, "T");
    Close(IDOK);
    EXPECT_EQ("t", std::string(g_Stage.m_Items[cell].m_Name.c_str()));
    EXPECT_EQ(0, g_StageEdit.m_nLayer) << "the layer from before the switch";
    ASSERT_EQ(1, g_StageEdit.m_nUndo);
    EXPECT_EQ("S", std::string(g_StageEdit.m_UndoItem[0][cell].m_Name.c_str()));
}

// Every opener with Apply (then cancel), OK and cancel: the name edited on
// the first page and the take mode chosen on the second (where the sheet
// was left) reach the file written afterwards after Apply and OK, never
// after cancel; the other entries keep theirs.
TEST_F(ItemSheet, EachOpenerAppliesOkAndCancels) {
    struct Ending {
        const char* name;
        bool apply;
        int closeId;
        bool written;
    } const endings[] = {
        {"Apply then cancel", true, IDCANCEL, true},
        {"OK", false, IDOK, true},
        {"cancel", false, IDCANCEL, false},
    };
    for (const Opener& o : kOpeners) {
        for (const Ending& e : endings) {
            SetUp();
            g_Stage.m_Items[kCell] = Named("S");
            g_PrjOption.m_DefItem = Named("P");
            if (std::string(o.name) == "placed item") UseEditor();
            ASSERT_TRUE(o.open()) << o.name;
            WaitOpen();
            EXPECT_EQ("アイテムデータ", WindowTitle(Sheet()));
            EXPECT_EQ(o.before, Text(IDC_IB_NAME)) << o.name;
            EXPECT_EQ(o.sources, SendMessageA(Item(IDC_IB_SOURCE), CB_GETCOUNT, 0, 0)) << o.name;
            EXPECT_EQ(o.sources > 1, IsWindowEnabled(Item(IDC_IB_SOURCE)) != 0) << o.name;
            EXPECT_EQ(o.index > 0, IsWindowVisible(Item(IDC_IB_NO)) != 0) << o.name;
            TypeInto(Page(), IDC_IB_NAME, "XY");
            ShowEffectPage();
            ChooseItem(Page(), IDC_IE_TAKE_MODE, 2);
            if (e.apply) Press(GetDlgItem(Sheet(), kApplyButton));
            Close(e.closeId);
            const cEdItem back = o.read(o.index);
            EXPECT_EQ(e.written ? "xy" : o.before, std::string(back.m_Name.c_str())) << o.name << ", " << e.name;
            EXPECT_EQ(e.written ? 2 : 0, back.m_TakeMode) << o.name << ", " << e.name;
            if (o.index > 1) {
                EXPECT_EQ("A", std::string(o.read(1).m_Name.c_str())) << o.name << ", " << e.name;
            }
            if (m_lpEditor) {
                EXPECT_EQ(e.written ? 1 : 0, g_StageEdit.m_nUndo) << e.name;
            }
            EXPECT_EQ(nullptr, g_StageEdit.g_ItemSheet);
            EXPECT_EQ(1, g_LastSheetPage[2]) << "the sheet was left on its second page";
            TearDown();
        }
    }
}

// "←" / "→" on the effect page step through the basic page's palette
// working copy; OK writes every visited entry together.
TEST_F(ItemSheet, StepsOnTheEffectPageWriteVisitedEntries) {
    g_LastSheetPage[2] = 1;
    ASSERT_TRUE(OpenItemSheetForEntry(nullptr, 1, 4));
    WaitOpen();
    ASSERT_TRUE(Item(IDC_IE_CMDS)) << "opens on the page it was left on";
    ChooseItem(Page(), IDC_IE_TAKE_MODE, 1);
    Press(Item(IDC_IE_NEXT));
    EXPECT_EQ("No.1", Text(IDC_IE_NO));
    ChooseItem(Page(), IDC_IE_TAKE_MODE, 2);
    EXPECT_EQ(0, g_Stage.m_PalItems[4].m_TakeMode) << "nothing before OK";
    Close(IDOK);
    EXPECT_EQ(1, StagePaletteItem(4).m_TakeMode);
    EXPECT_EQ(2, StagePaletteItem(1).m_TakeMode);
    EXPECT_EQ(0, StagePaletteItem(2).m_TakeMode);
}

// Inheritance: choosing "継承しない" clears the effect page's flags too;
// the effect page's boxes are disabled without a source.
TEST_F(ItemSheet, NoSourceClearsEveryFlag) {
    g_Stage.m_Items[kCell] = Named("S");
    g_Stage.m_Items[kCell].m_InheritKind = 1;
    g_Stage.m_Items[kCell].m_InheritIndex = 1;
    g_Stage.m_Items[kCell].m_bbInherit.Reset(kItemInheritCount);
    g_Stage.m_Items[kCell].m_bbInherit[9] = 1;
    g_CommonPalette.m_Items[1].m_TakeMode = 2;
    ASSERT_TRUE(OpenItemSheetForCell(nullptr, &g_Stage.m_Items[kCell]));
    WaitOpen();
    ShowEffectPage();
    EXPECT_TRUE(IsWindowEnabled(Item(IDC_IE_INHERIT0 + 1)));
    EXPECT_FALSE(IsWindowEnabled(Item(IDC_IE_TAKE_MODE)));
    EXPECT_EQ(2, SendMessageA(Item(IDC_IE_TAKE_MODE), CB_GETCURSEL, 0, 0)) << "inherited when the sheet opened";
    SendMessageA(Sheet(), PSM_SETCURSEL, 0, 0);
    PumpUntilIdle();
    ChooseItem(Page(), IDC_IB_SOURCE, 0);
    ShowEffectPage();
    EXPECT_FALSE(IsWindowEnabled(Item(IDC_IE_INHERIT0 + 1)));
    EXPECT_NE(BST_CHECKED, IsDlgButtonChecked(Page(), IDC_IE_INHERIT0 + 1));
    EXPECT_TRUE(IsWindowEnabled(Item(IDC_IE_TAKE_MODE)));
    Close(IDOK);
    for (int f = 0; f < kItemInheritCount; ++f) EXPECT_EQ(0, g_Stage.m_Items[kCell].m_bbInherit[f]) << f;
    EXPECT_EQ(2, g_Stage.m_Items[kCell].m_TakeMode) << "unchecking keeps the copied value";
}

// Dialog 216 for a new command: 21 captioned buttons; "フローの変更" opens
// dialog 217 titled by the kind; "フローの設定" opens the flows page nested
// on the command's flows with the context set; a change there, OK on all
// three and OK on the sheet reach the palette file. Cancel of the flows page
// leaves the default flow that opening it gave; the context is cleared
// either way.
TEST_F(ItemSheet, NestedFlowEditedInsideAnItemCommand) {
    for (int ok : {1, 0}) {
        SetUp();
        ASSERT_TRUE(OpenItemSheetForEntry(nullptr, 1, 1));
        WaitOpen();
        ShowEffectPage();
        DialogQueue queue;
        bool contextSeen = false;
        queue.Add("コマンド", [&](HWND dlg) {
            int shown = 0;
            for (int id = 1267; id <= 1312; ++id)
                if (GetDlgItem(dlg, id) && IsWindowVisible(GetDlgItem(dlg, id))) ++shown;
            EXPECT_EQ(21, shown);
            EXPECT_EQ("フローの変更", ItemText(dlg, 1267));
            EXPECT_EQ("コードの実行", ItemText(dlg, 1287));
            if (ok) TourShot(dlg, "item_cmd_select");
            ClickItem(dlg, 1267);
        });
        queue.Add("フローの変更", [&](HWND dlg) {
            EXPECT_EQ(0, SendMessageA(GetDlgItem(dlg, IDC_IFO_OP), CB_GETCURSEL, 0, 0));
            EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dlg, IDC_IFO_ID)));
            EXPECT_TRUE(IsWindowEnabled(GetDlgItem(dlg, IDC_IFO_FLOWS)));
            ChooseItem(dlg, IDC_IFO_OP, 1);
            ChooseItem(dlg, IDC_IFO_ID, 3);
            EXPECT_TRUE(IsWindowEnabled(GetDlgItem(dlg, IDC_IFO_ID)));
            if (ok) TourShot(dlg, "item_flow_change");
            ClickItem(dlg, IDC_IFO_FLOWS);
            EXPECT_EQ(nullptr, g_NestedFlows) << "cleared when the flows page closed";
            EXPECT_TRUE(IsWindowEnabled(dlg));
            ClickItem(dlg, 1000);
        });
        queue.Add("フローデータ", [&](HWND dlg) {
            contextSeen = g_NestedFlows != nullptr && g_NestedFlowOp == 1 && g_NestedFlowId == 3;
            EXPECT_EQ(1, RowCount(GetDlgItem(dlg, IDC_FP_FLOWS)) - 1) << "one default flow";
            EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dlg, IDC_FP_ID))) << "\"変更\" fixes the ID";
            ChooseItem(dlg, IDC_FP_TIMING, 19);
            if (ok) TourShot(dlg, "item_nested_flows");
            ClickItem(dlg, ok ? 1000 : 1001);
        });
        Press(Item(IDC_IE_CMD_INSERT));
        ASSERT_TRUE(PumpUntil([&] { return queue.Pending() == 0; }, 10000));
        PumpUntilIdle();
        EXPECT_TRUE(contextSeen);
        EXPECT_EQ(nullptr, g_NestedFlows);
        EXPECT_EQ(1, RowCount(Item(IDC_IE_CMDS)) - 1);
        Close(IDOK);
        const cEdItem back = StagePaletteItem(1);
        ASSERT_EQ(1u, back.m_Effects.size()) << ok;
        const cEdCommand& cmd = back.m_Effects[0];
        EXPECT_EQ(1, cmd.m_nCmdSet);
        EXPECT_EQ(1, cmd.m_nKind);
        ASSERT_EQ(2u, cmd.m_Params.size());
        EXPECT_EQ(1, cmd.m_Params[0]);
        EXPECT_EQ(3, cmd.m_Params[1]);
        ASSERT_EQ(1u, cmd.m_Flows.size()) << ok;
        EXPECT_EQ(ok ? 19 : 0, cmd.m_Flows[0].m_nTiming);
        TearDown();
    }
}

// Dialog 217's operation: "追加" disables the ID, "削除" the flows button,
// "変更" neither.
TEST_F(ItemSheet, FlowChangeOperationEnablesItsControls) {
    cEdItem& item = g_Stage.m_PalItems[1];
    cEdCommand cmd;
    cmd.m_nCmdSet = 1;
    cmd.m_nKind = 1;
    cmd.m_Params.resize(2, 0);
    item.m_Effects.push_back(cmd);
    ASSERT_TRUE(OpenItemSheetForEntry(nullptr, 1, 1));
    WaitOpen();
    ShowEffectPage();
    DialogQueue queue;
    queue.Add("フローの変更", [&](HWND dlg) {
        const struct {
            int op;
            bool id, flows;
        } cases[] = {{2, true, false}, {1, true, true}, {0, false, true}};
        for (const auto& c : cases) {
            ChooseItem(dlg, IDC_IFO_OP, c.op);
            EXPECT_EQ(c.id, IsWindowEnabled(GetDlgItem(dlg, IDC_IFO_ID)) != 0) << c.op;
            EXPECT_EQ(c.flows, IsWindowEnabled(GetDlgItem(dlg, IDC_IFO_FLOWS)) != 0) << c.op;
        }
        ClickItem(dlg, 1001);
    });
    SendMessageA(Item(IDC_IE_CMDS), LB_SETSEL, TRUE, 0);
    SendMessageA(Item(IDC_IE_CMDS), LB_SETCARETINDEX, 0, 0);
    SendMessageA(Page(), WM_COMMAND, MAKEWPARAM(IDC_IE_CMDS, LBN_SELCHANGE), reinterpret_cast<LPARAM>(Item(IDC_IE_CMDS)));
    Press(Item(IDC_IE_CMD_EDIT));
    ASSERT_TRUE(PumpUntil([&] { return queue.Pending() == 0; }, 10000));
    Close(IDCANCEL);
}

// An effect command whose kind the table does not know (damaged data): its
// edit shows the selection instead of reading past the table, the editor
// stays open, and closing the selection keeps the command as it was.
TEST_F(ItemSheet, UnknownCommandKindLeavesTheChoice) {
    for (int kind : {0, 22, 60, -5}) {
        SetUp();
        cEdCommand cmd;
        cmd.m_nCmdSet = 1;
        cmd.m_nKind = static_cast<int8_t>(kind);
        g_Stage.m_PalItems[1].m_Effects.push_back(cmd);
        ASSERT_TRUE(OpenItemSheetForEntry(nullptr, 1, 1));
        WaitOpen();
        ShowEffectPage();
        DialogQueue queue;
        queue.Add("コマンド", [&](HWND dlg) { PostMessageA(dlg, WM_CLOSE, 0, 0); });
        SendMessageA(Item(IDC_IE_CMDS), LB_SETSEL, TRUE, 0);
        SendMessageA(Page(), WM_COMMAND, MAKEWPARAM(IDC_IE_CMDS, LBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(Item(IDC_IE_CMDS)));
        Press(Item(IDC_IE_CMD_EDIT));
        ASSERT_TRUE(PumpUntil([&] { return queue.Pending() == 0; }, 10000)) << kind;
        PumpUntilIdle();
        EXPECT_TRUE(Sheet() && IsWindow(Sheet())) << kind;
        Close(IDOK);
        ASSERT_EQ(1u, g_Stage.m_PalItems[1].m_Effects.size()) << kind;
        EXPECT_EQ(kind, g_Stage.m_PalItems[1].m_Effects[0].m_nKind);
        TearDown();
    }
}

// An existing command of kind 4 opens the "メッセージ" page at once; with
// the colour mode at 24 bit the "画面の色を変更" button is disabled for a
// new command.
TEST_F(ItemSheet, ExistingCommandOpensItsPageAndColourModeDisablesScreenColour) {
    cEdCommand cmd;
    cmd.m_nCmdSet = 1;
    cmd.m_nKind = 4;
    g_Stage.m_PalItems[1].m_Effects.push_back(cmd);
    const int mode = g_System.m_ColorMode;
    g_System.m_ColorMode = 1;
    ASSERT_TRUE(OpenItemSheetForEntry(nullptr, 1, 1));
    WaitOpen();
    ShowEffectPage();
    DialogQueue queue;
    queue.Add("メッセージ", [&](HWND dlg) { ClickItem(dlg, 1001); });
    SendMessageA(Item(IDC_IE_CMDS), LB_SETSEL, TRUE, 0);
    SendMessageA(Page(), WM_COMMAND, MAKEWPARAM(IDC_IE_CMDS, LBN_SELCHANGE), reinterpret_cast<LPARAM>(Item(IDC_IE_CMDS)));
    Press(Item(IDC_IE_CMD_EDIT));
    ASSERT_TRUE(PumpUntil([&] { return queue.Pending() == 0; }, 10000));
    queue.Add("コマンド", [&](HWND dlg) {
        EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dlg, 1283)));
        EXPECT_TRUE(IsWindowEnabled(GetDlgItem(dlg, 1282)));
        PostMessageA(dlg, WM_CLOSE, 0, 0);
    });
    Press(Item(IDC_IE_CMD_INSERT));
    ASSERT_TRUE(PumpUntil([&] { return queue.Pending() == 0; }, 10000));
    PumpUntilIdle();
    EXPECT_EQ(2, RowCount(Item(IDC_IE_CMDS))) << "the closed selection took its command back";
    g_System.m_ColorMode = mode;
    Close(IDCANCEL);
}

// The two clipboards outlive the sheet: commands copied in one item sheet
// are pasted into the next; a condition clipboard holding a distance
// condition is refused on the basic page with its message.
TEST_F(ItemSheet, ClipboardsOutliveTheSheetButNoDistancePaste) {
    cEdCommand cmd;
    cmd.m_nCmdSet = 1;
    cmd.m_nKind = 3;
    cmd.m_Params.resize(1, 0);
    cmd.m_Params[0] = 42;
    g_Stage.m_PalItems[1].m_Effects.push_back(cmd);
    ASSERT_TRUE(OpenItemSheetForEntry(nullptr, 1, 1));
    WaitOpen();
    ShowEffectPage();
    ClickClientPoint(Item(IDC_IE_CMDS), 20, 4);  // the first row, focused
    ASSERT_TRUE(PumpUntil([&] { return GetFocus() == Item(IDC_IE_CMDS); }));
    SendMessageA(Page(), WM_COMMAND, MAKEWPARAM(40039, 0), 0);  // popup "コピー"
    Close(IDCANCEL);
    ASSERT_EQ(1u, g_StageEdit.m_Commands2.size());

    g_StageEdit.m_Conds.resize(1);
    g_StageEdit.m_Conds[0].m_nKind = 7;
    ASSERT_TRUE(OpenItemSheetForEntry(nullptr, 1, 2));
    WaitOpen();
    ASSERT_TRUE(Item(IDC_IE_CMDS)) << "reopens on the page it was left on";
    SendMessageA(Sheet(), PSM_SETCURSEL, 0, 0);
    ASSERT_TRUE(PumpUntil([&] { return Item(IDC_IB_CONDS) != nullptr; }));
    {
        MsgBoxCatcher boxes;
        SendMessageA(Page(), WM_COMMAND, MAKEWPARAM(40040, 0), 0);
        PumpUntilIdle();
        ASSERT_EQ(1u, boxes.boxes.size());
        EXPECT_EQ("エラー", boxes.boxes[0].caption);
        EXPECT_EQ("「距離条件」の貼り付けはできません！", boxes.boxes[0].text);
    }
    ShowEffectPage();
    ClickClientPoint(Item(IDC_IE_CMDS), 20, 4);
    ASSERT_TRUE(PumpUntil([&] { return GetFocus() == Item(IDC_IE_CMDS); }));
    SendMessageA(Page(), WM_COMMAND, MAKEWPARAM(40040, 0), 0);  // popup "貼り付け"
    PumpUntilIdle();
    EXPECT_EQ(2, RowCount(Item(IDC_IE_CMDS)));
    Close(IDOK);
    EXPECT_TRUE(g_Stage.m_PalItems[2].m_AppearConds.empty());
    ASSERT_EQ(1u, g_Stage.m_PalItems[2].m_Effects.size());
    EXPECT_EQ(42, g_Stage.m_PalItems[2].m_Effects[0].m_Params[0]);
}

}  // namespace
