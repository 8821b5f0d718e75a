// The block definition sheet from its openers: a stage or common palette
// entry, the block placed on the stage and the project's default block.
// Edits go in through real input; Apply, OK and cancel are checked in the
// files written afterwards. Then the page's own rules: the action's value,
// the excluded faction, the item source by target, stepping through the
// palette and the refused paste of a distance condition.
#include <gtest/gtest.h>

#include <windows.h>
#include <prsht.h>

#include <functional>
#include <string>

#include "app/services.h"
#include "app/stage_editor_res.h"
#include "base/record.h"
#include "model/database.h"
#include "model/palette.h"
#include "model/prjoption.h"
#include "model/stage.h"
#include "objedit/blockpage.h"
#include "objedit/blockpage_res.h"
#include "objedit/blocksheet.h"
#include "objedit/charasheet.h"
#include "objedit/cond_select.h"
#include "tests/objedit/dialog_queue.h"
#include "tests/support/gui.h"
#include "tests/support/test_env.h"

namespace {

const int kApplyButton = 0x3021;  // the property sheet's own Apply button

cEdBlock Named(const char* name) {
    cEdBlock b;
    b.m_Name = name;
    b.m_Graphic = 1;
    return b;
}

class BlockSheet : public testing::Test {
protected:
    void SetUp() override {
        SetDataVersion(248, 0);
        g_Stage.SetDefault();
        g_CommonPalette.SetDefault();
        g_CommonPalette.Validate();
        g_PrjOption.SetDefault();
        g_StageEdit.Reset();
        g_StateStack.Reset();
        g_Stage.m_PalBlocks.clear();
        g_CommonPalette.m_Blocks.clear();
        const char* names[5] = {"", "A", "B", "C", "D"};
        for (const char* n : names) {
            g_Stage.m_PalBlocks.push_back(Named(n));
            g_CommonPalette.m_Blocks.push_back(Named(n));
        }
        g_LastSheetPage[0] = 0;
    }
    void TearDown() override {
        SafeDelete(&g_StageBlockPalSheet);
        SafeDelete(&g_CommonBlockPalSheet);
        SafeDelete(&g_PrjOptionBlockSheet);
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
        cPropSheet* holders[3] = {g_StageBlockPalSheet, g_CommonBlockPalSheet, g_PrjOptionBlockSheet};
        for (cPropSheet* s : holders)
            if (s) return s;
        return nullptr;
    }
    HWND Sheet() const { return Held() ? Held()->m_hWnd : nullptr; }
    HWND Page() const { return reinterpret_cast<HWND>(SendMessageA(Sheet(), PSM_GETCURRENTPAGEHWND, 0, 0)); }
    HWND Item(int id) const { return GetDlgItem(Page(), id); }
    std::string Text(int id) const {
        char buf[256] = "";
        GetWindowTextA(Item(id), buf, sizeof buf);
        return buf;
    }
    void WaitOpen() {
        ASSERT_TRUE(PumpUntil([&] { return Sheet() && Page() && IsWindowVisible(Sheet()); }));
        ASSERT_TRUE(PumpUntilIdle());
    }
    void Type(int id, const char* keys) {
        HWND edit = Item(id);
        ClickWindow(edit);
        ASSERT_TRUE(PumpUntil([&] { return GetFocus() == edit; }));
        PressKey(VK_END);
        for (int i = 0; i < 24; ++i) PressKey(VK_BACK);
        for (const char* k = keys; *k; ++k) PressKey(static_cast<WORD>(*k));
        ASSERT_TRUE(PumpUntilIdle());
    }
    void Press(HWND button) {
        ASSERT_TRUE(button);
        ClickWindow(button);
        ASSERT_TRUE(PumpUntilIdle());
    }
    void Choose(int id, int pos) {
        SendMessageA(Item(id), CB_SETCURSEL, pos, 0);
        SendMessageA(Page(), WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(Item(id)));
        PumpUntilIdle();
    }
    void Close(int id) {
        Press(GetDlgItem(Sheet(), id));
        ASSERT_TRUE(PumpUntil([&] {
            if (Held()) PostThreadMessageA(GetCurrentThreadId(), WM_NULL, 0, 0);
            return Held() == nullptr;
        }));
    }
    // A stage editor whose undo history takes the block layer's steps.
    void UseEditor() {
        g_StageEdit.m_bOpen = 1;
        g_Stage.m_UndoCount = 4;
        g_StageEdit.AllocUndo(4, g_Stage.m_Pitch, g_Stage.m_Height);
        m_lpEditor = new cStageEditorDlg(IDD_STAGE_EDITOR, nullptr, kWndDialog, nullptr);
        g_StageEditor = m_lpEditor;
    }

    cStageEditorDlg* m_lpEditor = nullptr;
};

// The name of the edited block as a file written after the sheet closed
// holds it.
std::string StagePaletteName(int i) {
    EXPECT_EQ(1, g_Stage.SavePalette("block_pal.dat"));
    cEdStage back;
    back.SetDefault();
    EXPECT_EQ(1, back.LoadPalette("block_pal.dat"));
    return i < static_cast<int>(back.m_PalBlocks.size()) ? back.m_PalBlocks[i].m_Name.c_str() : "?";
}
std::string CommonPaletteName(int i) {
    EXPECT_EQ(1, g_CommonPalette.Save("common.dat"));
    cEdCommonPalette back;
    EXPECT_EQ(1, back.Load("common.dat"));
    return i < static_cast<int>(back.m_Blocks.size()) ? back.m_Blocks[i].m_Name.c_str() : "?";
}
const int kCell = 3 * 0 + 2;
std::string CellName(int) {
    EXPECT_EQ(1, SaveStageFile(g_Stage, "placed.dat"));
    cEdStage back;
    EXPECT_EQ(1, LoadStageFile(back, "placed.dat"));
    return back.m_Blocks[kCell].m_Name.c_str();
}
std::string DefaultName(int) {
    EXPECT_EQ(1, g_PrjOption.Save("prjoption.dat"));
    cPrjOption back;
    EXPECT_EQ(1, back.Load("prjoption.dat"));
    return back.m_DefBlock.m_Name.c_str();
}

// Every opener with Apply (then cancel), OK and cancel: the edited name
// reaches the file written afterwards after Apply and OK, never after
// cancel; entries other than the edited one keep theirs.
TEST_F(BlockSheet, EachOpenerAppliesOkAndCancels) {
    struct Opener {
        const char* name;
        std::function<bool()> open;
        std::function<std::string(int)> read;
        int index;
        const char* before;
    };
    const Opener openers[] = {
        {"stage palette entry", [] { return OpenBlockSheetForEntry(nullptr, 1, 2); }, StagePaletteName, 2, "B"},
        {"common palette entry", [] { return OpenBlockSheetForEntry(nullptr, 0, 3); }, CommonPaletteName, 3, "C"},
        {"placed block", [] { return OpenBlockSheetForCell(nullptr, &g_Stage.m_Blocks[kCell]); }, CellName, 0, "S"},
        {"project default", [] { return OpenBlockSheetForDefault(nullptr, &g_PrjOption.m_DefBlock); }, DefaultName,
         0, "P"},
    };
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
    for (const Opener& o : openers) {
        for (const Ending& e : endings) {
            SetUp();
            g_Stage.m_Blocks[kCell] = Named("S");
            g_PrjOption.m_DefBlock = Named("P");
            if (std::string(o.name) == "placed block") UseEditor();
            ASSERT_TRUE(o.open()) << o.name;
            WaitOpen();
            char title[64] = "";
            GetWindowTextA(Sheet(), title, sizeof title);
            EXPECT_STREQ("ブロックデータ", title);
            EXPECT_EQ(o.before, Text(IDC_BP_NAME)) << o.name;
            Type(IDC_BP_NAME, "XY");
            if (e.apply) Press(GetDlgItem(Sheet(), kApplyButton));
            Close(e.closeId);
            EXPECT_EQ(e.written ? "xy" : o.before, o.read(o.index)) << o.name << ", " << e.name;
            if (o.index > 1) {
                EXPECT_EQ("A", o.read(1)) << o.name << ", " << e.name;
            }
            if (m_lpEditor) {
                EXPECT_EQ(e.written ? 1 : 0, g_StageEdit.m_nUndo) << e.name;
            }
            TearDown();
        }
    }
}

// The stage editor's "edit the object at the cursor" on a block: the block
// layer's sheet opens on the cell's record (the current layer first, else
// the block layer when the others are empty there); cancel writes nothing,
// OK pushes one undo step of the block layer holding the old block, then
// replaces the cell's record.
TEST_F(BlockSheet, BlockAtTheCursorOpensItsSheet) {
    struct Case {
        int layer;
        int closeId;
        bool written;
    } const cases[] = {{0, IDCANCEL, false}, {0, IDOK, true}, {1, IDOK, true}};
    for (const Case& c : cases) {
        SetUp();
        UseEditor();
        g_Stage.m_Blocks[kCell] = Named("S");
        g_StageEdit.m_nLayer = c.layer;
        g_StateStack.m_pCurrent->m_Values[0] = kCell % g_Stage.m_Pitch;
        g_StateStack.m_pCurrent->m_Values[1] = kCell / g_Stage.m_Pitch;
        m_lpEditor->EditObjectAtCursor();
        WaitOpen();
        EXPECT_EQ(g_StageBlockPalSheet, Held()) << "held by the stage block palette window";
        EXPECT_EQ(0, g_StageEdit.g_EditTarget);
        EXPECT_EQ(0, g_StageEdit.m_nLayer);
        EXPECT_FALSE(IsWindowVisible(Item(IDC_BP_NO)));
        EXPECT_EQ("S", Text(IDC_BP_NAME));
        Type(IDC_BP_NAME, "T");
        Close(c.closeId);
        EXPECT_EQ(c.written ? "t" : "S", CellName(0)) << c.layer << " " << c.closeId;
        ASSERT_EQ(c.written ? 1 : 0, g_StageEdit.m_nUndo);
        if (c.written) {
            EXPECT_EQ(1, g_StageEdit.m_UndoFlags[0] & 1);
            EXPECT_EQ("S", std::string(g_StageEdit.m_UndoBlock[0][kCell].m_Name.c_str()));
            EXPECT_EQ(1, g_StageEdit.m_bModified);
        }
        TearDown();
    }
}

// The condition kind dialogs opened from the block page are placed by the
// page's appearance condition list, as those of a character sheet are by
// its lists.
TEST_F(BlockSheet, ConditionDialogsArePlacedByTheBlockList) {
    EXPECT_EQ(nullptr, OpenCondListCtrl());
    ASSERT_TRUE(OpenBlockSheetForEntry(nullptr, 1, 1));
    WaitOpen();
    cBlockDataSheet* sheet = dynamic_cast<cBlockDataSheet*>(Held());
    ASSERT_TRUE(sheet && sheet->m_pPage);
    ASSERT_FALSE(sheet->m_pPage->m_Lists.empty());
    EXPECT_EQ(&sheet->m_pPage->m_Lists[0].m_Ctrl, OpenCondListCtrl());
    EXPECT_EQ(GetDlgItem(Page(), IDC_BP_CONDS), OpenCondListCtrl()->m_hWnd);
    Close(IDCANCEL);
    EXPECT_EQ(nullptr, OpenCondListCtrl());
}

// "←" / "→" wrap over 1 .. count-1 of the palette working copy; OK writes
// every visited entry together.
TEST_F(BlockSheet, StepsWriteVisitedEntriesTogether) {
    ASSERT_TRUE(OpenBlockSheetForEntry(nullptr, 1, 3));
    WaitOpen();
    RECT opened;
    GetWindowRect(Item(IDC_BP_GRAPHIC), &opened);
    Type(IDC_BP_NAME, "P");
    Press(Item(IDC_BP_NEXT));
    EXPECT_EQ("No.4", Text(IDC_BP_NO));
    EXPECT_EQ("D", Text(IDC_BP_NAME));
    Type(IDC_BP_NAME, "Q");
    Press(Item(IDC_BP_NEXT));
    EXPECT_EQ("No.1", Text(IDC_BP_NO));
    Press(Item(IDC_BP_PREV));
    EXPECT_EQ("No.4", Text(IDC_BP_NO));
    EXPECT_EQ("D", std::string(g_Stage.m_PalBlocks[4].m_Name.c_str())) << "nothing before OK";
    TourShot(Sheet(), "block_sheet");
    // binding the controls to each entry leaves the value edits as wide as
    // they opened (their up-down controls take no more width from them)
    RECT now;
    GetWindowRect(Item(IDC_BP_GRAPHIC), &now);
    EXPECT_EQ(opened.right - opened.left, now.right - now.left);
    Close(IDOK);
    EXPECT_EQ("p", StagePaletteName(3));
    EXPECT_EQ("q", StagePaletteName(4));
}

// The action's value: a stored value survives opening; changing the action
// gives the new action's default; an action without a value disables it.
// The excluded faction shows "なし" for -1.
TEST_F(BlockSheet, ActionValueAndFaction) {
    g_Stage.m_PalBlocks[1].m_Action = 4;
    g_Stage.m_PalBlocks[1].m_ActionX = 120;
    g_Stage.m_PalBlocks[1].m_IgnoreFaction = -1;
    ASSERT_TRUE(OpenBlockSheetForEntry(nullptr, 1, 1));
    WaitOpen();
    EXPECT_EQ("120", Text(IDC_BP_ACTION_X));
    EXPECT_EQ("なし", Text(IDC_BP_FACTION));
    Choose(IDC_BP_ACTION, 1);
    EXPECT_EQ("7", Text(IDC_BP_ACTION_X));
    Choose(IDC_BP_ACTION, 4);
    EXPECT_EQ("30", Text(IDC_BP_ACTION_X));
    Choose(IDC_BP_ACTION, 2);
    EXPECT_FALSE(IsWindowEnabled(Item(IDC_BP_ACTION_X)));
    Choose(IDC_BP_ACTION, 3);
    EXPECT_EQ("200", Text(IDC_BP_ACTION_X));
    Choose(IDC_BP_FACTION, 3);  // "2"
    Close(IDOK);
    EXPECT_EQ(3, g_Stage.m_PalBlocks[1].m_Action);
    EXPECT_EQ(200, g_Stage.m_PalBlocks[1].m_ActionX);
    EXPECT_EQ(2, g_Stage.m_PalBlocks[1].m_IgnoreFaction);
}

// The item source offers the stage palette only where the stage palette can
// be referred to; the navigation is hidden for a placed block.
TEST_F(BlockSheet, ItemSourceAndNavigationByTarget) {
    struct Case {
        const char* name;
        std::function<bool()> open;
        int sources;
        bool navigation;
    } const cases[] = {
        {"stage entry", [] { return OpenBlockSheetForEntry(nullptr, 1, 1); }, 3, true},
        {"common entry", [] { return OpenBlockSheetForEntry(nullptr, 0, 1); }, 2, true},
        {"placed block", [] { return OpenBlockSheetForCell(nullptr, &g_Stage.m_Blocks[0]); }, 3, false},
        {"project default", [] { return OpenBlockSheetForDefault(nullptr, &g_PrjOption.m_DefBlock); }, 2, false},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(c.open()) << c.name;
        WaitOpen();
        EXPECT_EQ(c.sources, SendMessageA(Item(IDC_BP_ITEM_SOURCE), CB_GETCOUNT, 0, 0)) << c.name;
        EXPECT_EQ(c.navigation, IsWindowVisible(Item(IDC_BP_NEXT)) != FALSE) << c.name;
        Close(IDCANCEL);
    }
}

// A clipboard holding a distance condition pastes none of its conditions.
TEST_F(BlockSheet, DistanceConditionIsNotPasted) {
    g_StageEdit.m_Conds.resize(2);
    g_StageEdit.m_Conds[0].m_nKind = 1;
    g_StageEdit.m_Conds[1].m_nKind = 7;
    ASSERT_TRUE(OpenBlockSheetForEntry(nullptr, 1, 1));
    WaitOpen();
    // Apply leaves the sheet unchanged; the refused paste keeps it so
    Press(GetDlgItem(Sheet(), kApplyButton));
    ASSERT_FALSE(IsWindowEnabled(GetDlgItem(Sheet(), kApplyButton)));
    MsgBoxCatcher boxes;
    SendMessageA(Page(), WM_COMMAND, MAKEWPARAM(40040, 0), 0);
    PumpUntilIdle();
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(Sheet(), kApplyButton))) << "a refused paste marked the sheet changed";
    ASSERT_EQ(1u, boxes.boxes.size());
    EXPECT_EQ("エラー", boxes.boxes[0].caption);
    EXPECT_EQ("「距離条件」の貼り付けはできません！", boxes.boxes[0].text);
    Close(IDOK);
    EXPECT_TRUE(g_Stage.m_PalBlocks[1].m_AppearConds.empty());
}

// The inheritance groups: an inherited group's controls are disabled and
// show the source entry's fields, which are stored as they are (a
// "専用bmp" number above 119, an item entry); a check that becomes checked
// takes its group from the source; "継承しない" unchecks and disables every
// check and enables every group, and the flags are 0 when stored.
TEST_F(BlockSheet, InheritanceGroups) {
    g_Database.m_BmpCharaExc.resize(300);
    g_CommonPalette.m_Items.resize(4);
    g_CommonPalette.m_Items[2].m_Name = "coin";
    cEdBlock& src = g_CommonPalette.m_Blocks[1];
    src.m_Name = "CN";
    src.m_GraphicSource = 4;
    src.m_Graphic = 150;
    src.m_GraphicFrame = 200;
    src.m_ItemKind = 1;
    src.m_ItemIndex = 2;
    cEdBlock& e = g_Stage.m_PalBlocks[1];
    e.m_InheritKind = 1;
    e.m_InheritIndex = 1;
    e.m_bbInherit.assign(kBlockInheritCount, 0);
    e.m_bbInherit[2] = 1;
    e.m_bbInherit[9] = 1;
    g_Stage.m_PalBlocks[2].m_GraphicSource = 4;
    g_Stage.m_PalBlocks[2].m_Graphic = 160;
    ASSERT_TRUE(OpenBlockSheetForEntry(nullptr, 1, 1));
    WaitOpen();
    const int graphicGroup[] = {IDC_BP_SHEET, IDC_BP_GRAPHIC, IDC_BP_PICK, IDC_BP_FRAME};
    for (int id : graphicGroup) EXPECT_FALSE(IsWindowEnabled(Item(id))) << id;
    EXPECT_FALSE(IsWindowEnabled(Item(IDC_BP_ITEM_SOURCE)));
    EXPECT_FALSE(IsWindowEnabled(Item(IDC_BP_ITEM_INDEX)));
    EXPECT_TRUE(IsWindowEnabled(Item(IDC_BP_NAME)));
    EXPECT_EQ("150", Text(IDC_BP_GRAPHIC));
    EXPECT_EQ("200", Text(IDC_BP_FRAME));
    EXPECT_EQ("002 coin", Text(IDC_BP_ITEM_INDEX));
    EXPECT_EQ("A", Text(IDC_BP_NAME));
    // the name group checked: the source's name, the edit disabled
    Press(Item(IDC_BP_INHERIT0));
    EXPECT_EQ("CN", Text(IDC_BP_NAME));
    EXPECT_FALSE(IsWindowEnabled(Item(IDC_BP_NAME)));
    Press(GetDlgItem(Sheet(), kApplyButton));
    {
        const cEdBlock& stored = g_Stage.m_PalBlocks[1];
        EXPECT_EQ("CN", std::string(stored.m_Name.c_str()));
        EXPECT_EQ(4, stored.m_GraphicSource);
        EXPECT_EQ(150, stored.m_Graphic) << "a 専用bmp number above 119 was cut";
        EXPECT_EQ(200, stored.m_GraphicFrame);
        EXPECT_EQ(1, stored.m_ItemKind);
        EXPECT_EQ(2, stored.m_ItemIndex) << "the inherited item entry was lost";
        EXPECT_EQ(1, stored.m_bbInherit[0]);
    }
    // no inheritance: every check off and disabled, every group enabled
    Choose(IDC_BP_SOURCE, 0);
    EXPECT_FALSE(IsWindowEnabled(Item(IDC_BP_SOURCE_INDEX)));
    for (int i = 0; i < kBlockInheritCount; ++i) {
        EXPECT_FALSE(IsWindowEnabled(Item(IDC_BP_INHERIT0 + i))) << i;
        EXPECT_EQ(BST_UNCHECKED, IsDlgButtonChecked(Page(), IDC_BP_INHERIT0 + i)) << i;
    }
    const int groups[] = {IDC_BP_NAME, IDC_BP_SHEET, IDC_BP_GRAPHIC, IDC_BP_FRAME, IDC_BP_ITEM_SOURCE,
                          IDC_BP_ITEM_INDEX};
    for (int id : groups) EXPECT_TRUE(IsWindowEnabled(Item(id))) << id;
    // an entry of its own on "専用bmp" shows its number as it is
    Press(Item(IDC_BP_NEXT));
    EXPECT_EQ("160", Text(IDC_BP_GRAPHIC));
    Close(IDOK);
    EXPECT_EQ(160, g_Stage.m_PalBlocks[2].m_Graphic);
    const cEdBlock& stored = g_Stage.m_PalBlocks[1];
    EXPECT_EQ(0, stored.m_InheritKind);
    for (int i = 0; i < kBlockInheritCount; ++i) EXPECT_EQ(0, stored.m_bbInherit[i]) << i;
    EXPECT_EQ(150, stored.m_Graphic);
    EXPECT_EQ(2, stored.m_ItemIndex);
    g_Database.m_BmpCharaExc.clear();
}

// The graphic sheet decides the frame edit and the picker; the mark
// display decides the mark number and its picker; each "一覧" writes the
// picked cell into its number.
TEST_F(BlockSheet, GraphicSheetMarkAndPickers) {
    ASSERT_TRUE(OpenBlockSheetForEntry(nullptr, 1, 1));
    WaitOpen();
    const struct {
        int sheet;
        bool frame, picker;
    } sheets[] = {{1, true, true}, {4, true, false}, {0, false, true}, {2, false, true}, {3, false, true}};
    for (const auto& c : sheets) {
        Choose(IDC_BP_SHEET, c.sheet);
        EXPECT_EQ(c.frame, IsWindowEnabled(Item(IDC_BP_FRAME)) != FALSE) << c.sheet;
        EXPECT_EQ(c.picker, IsWindowEnabled(Item(IDC_BP_PICK)) != FALSE) << c.sheet;
    }
    Choose(IDC_BP_SHEET, 1);
    Choose(IDC_BP_MARK_MODE, 0);
    EXPECT_FALSE(IsWindowEnabled(Item(IDC_BP_MARK)));
    EXPECT_FALSE(IsWindowEnabled(Item(IDC_BP_MARK_PICK)));
    Choose(IDC_BP_MARK_MODE, 2);
    EXPECT_TRUE(IsWindowEnabled(Item(IDC_BP_MARK)));
    EXPECT_TRUE(IsWindowEnabled(Item(IDC_BP_MARK_PICK)));
    const struct {
        int button, edit, x, y;
        const char* picked;
    } picks[] = {{IDC_BP_PICK, IDC_BP_GRAPHIC, 40, 5, "15"}, {IDC_BP_MARK_PICK, IDC_BP_MARK, 5, 40, "1"}};
    for (const auto& p : picks) {
        DialogQueue queue;
        queue.Add("グラフィック", [&](HWND picker) {
            PumpUntilIdle();
            ClickClientPoint(picker, p.x, p.y);
        });
        Press(Item(p.button));
        EXPECT_TRUE(PumpUntil([&] { return Text(p.edit) == p.picked; })) << p.button << ": " << Text(p.edit);
        EXPECT_EQ(0, queue.Pending());
    }
    Close(IDOK);
    const cEdBlock& stored = g_Stage.m_PalBlocks[1];
    EXPECT_EQ(1, stored.m_GraphicSource);
    EXPECT_EQ(15, stored.m_Graphic);
    EXPECT_EQ(2, stored.m_MarkMode);
    EXPECT_EQ(1, stored.m_MarkGraphic);
}

// Apply on a palette entry refreshes what inherits from that palette and
// marks the palette's owner modified.
TEST_F(BlockSheet, ApplyRefreshesTheInheritingObjects) {
    struct Case {
        const char* name;
        int palette;  // 0 common, 1 stage
    } const cases[] = {{"stage entry", 1}, {"common entry", 0}};
    for (const Case& c : cases) {
        SetUp();
        const cVector<int8_t> nameOnly = [] {
            cVector<int8_t> f(kBlockInheritCount, 0);
            f[0] = 1;
            return f;
        }();
        // a placed block that takes its name from entry 2 of the palette,
        // and (for the common palette) a stage entry that does too
        cEdBlock& placed = g_Stage.m_Blocks[kCell];
        placed = Named("S");
        SetInherit(&placed, kObjBlock, c.palette == 1 ? 2 : 1, 2, nameOnly);
        if (c.palette == 0) SetInherit(&g_Stage.m_PalBlocks[3], kObjBlock, 1, 2, nameOnly);
        ASSERT_EQ("B", std::string(placed.m_Name.c_str())) << c.name;
        ASSERT_TRUE(OpenBlockSheetForEntry(nullptr, c.palette, 2)) << c.name;
        WaitOpen();
        Type(IDC_BP_NAME, "N");
        Press(GetDlgItem(Sheet(), kApplyButton));
        EXPECT_EQ("n", std::string(g_Stage.m_Blocks[kCell].m_Name.c_str())) << c.name;
        if (c.palette == 0) {
            EXPECT_EQ("n", std::string(g_Stage.m_PalBlocks[3].m_Name.c_str()));
        }
        EXPECT_EQ(c.palette == 1 ? 1 : 0, g_StageEdit.m_bModified) << c.name;
        EXPECT_EQ(c.palette == 0 ? 1 : 0, g_StageEdit.m_bCommonModified) << c.name;
        Close(IDCANCEL);
        TearDown();
    }
}

}  // namespace
