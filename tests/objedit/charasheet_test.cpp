// The character definition sheet from its three openers: a palette entry,
// the character placed at the stage editor's cursor and the project's
// default character. Edits go in through real input on the first page;
// Apply, OK and cancel are checked in the files written afterwards.
#include <gtest/gtest.h>

#include <windows.h>
#include <prsht.h>

#include <string>

#include "app/services.h"
#include "app/stage_editor_res.h"
#include "base/record.h"
#include "model/palette.h"
#include "model/prjoption.h"
#include "model/stage.h"
#include "objedit/charapage_basic.h"
#include "objedit/charapage_basic_res.h"
#include "objedit/charasheet.h"
#include "tests/support/gui.h"
#include "tests/support/test_env.h"

namespace {

const int kApplyButton = 0x3021;  // the property sheet's own Apply button

cEdChara Named(const char* name) {
    cEdChara c;
    c.m_Name = name;
    c.m_Graphic = 1;
    return c;
}

class CharaSheet : public testing::Test {
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
        const char* names[5] = {"", "A", "B", "C", "D"};
        for (const char* n : names) g_Stage.m_PalCharas.push_back(Named(n));
        g_LastSheetPage[1] = 0;
    }
    void TearDown() override {
        SafeDelete(&g_StageCharaPalSheet);
        SafeDelete(&g_CommonCharaPalSheet);
        SafeDelete(&g_PrjOptionCharaSheet);
        PumpUntilIdle();
        g_Stage.SetDefault();
        g_StageEdit.Reset();
        g_StageEdit.g_EditSource[1] = 0;
    }

    cPropSheet* Held() const {
        cPropSheet* holders[3] = {g_StageCharaPalSheet, g_CommonCharaPalSheet, g_PrjOptionCharaSheet};
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
    // Replaces an edit's text by typing: click, clear, then the keys.
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
    void Close(int id) {
        Press(GetDlgItem(Sheet(), id));
        // the main loop ends a closed sheet when the next message comes
        ASSERT_TRUE(PumpUntil([&] {
            if (Held()) PostThreadMessageA(GetCurrentThreadId(), WM_NULL, 0, 0);
            return Held() == nullptr;
        }));
    }
};

// A stage palette entry: the edit reaches the palette on Apply only, the
// palette file written after it holds the edited entry and the others as
// they were, and OK closes the sheet and enables the other windows again.
TEST_F(CharaSheet, PaletteEntryApplyWritesOnlyThatEntry) {
    ASSERT_TRUE(OpenCharaSheetForEntry(nullptr, 1, 2));
    WaitOpen();
    EXPECT_EQ("No.2", Text(IDC_CB_NO));
    EXPECT_EQ("B", Text(IDC_CB_NAME));
    Type(IDC_CB_NAME, "XY");
    Type(IDC_CB_FACTION, "5");
    EXPECT_EQ("B", std::string(g_Stage.m_PalCharas[2].m_Name.c_str()));
    Press(GetDlgItem(Sheet(), kApplyButton));
    EXPECT_EQ("xy", std::string(g_Stage.m_PalCharas[2].m_Name.c_str()));
    EXPECT_EQ(5, g_Stage.m_PalCharas[2].m_Faction);
    EXPECT_EQ(1, g_StageEdit.m_bModified);
    // every edited character has at least one flow while it is edited
    EXPECT_FALSE(g_Stage.m_PalCharas[2].m_Flows.empty());
    Close(IDOK);

    ASSERT_EQ(1, g_Stage.SavePalette("chara_pal.dat"));
    cEdStage back;
    back.SetDefault();
    ASSERT_EQ(1, back.LoadPalette("chara_pal.dat"));
    ASSERT_EQ(5u, back.m_PalCharas.size());
    EXPECT_EQ("xy", std::string(back.m_PalCharas[2].m_Name.c_str()));
    EXPECT_EQ(5, back.m_PalCharas[2].m_Faction);
    const char* others[5] = {"", "A", "", "C", "D"};
    for (int i : {1, 3, 4}) EXPECT_EQ(others[i], std::string(back.m_PalCharas[i].m_Name.c_str())) << i;
}

// "←" / "→" step through the palette working copy with wrap-around over
// 1 .. count-1; OK writes every visited entry together, cancel none.
TEST_F(CharaSheet, StepsWriteVisitedEntriesTogether) {
    struct Case {
        int closeId;
        bool written;
    } cases[] = {{IDOK, true}, {IDCANCEL, false}};
    for (const Case& c : cases) {
        SetUp();
        ASSERT_TRUE(OpenCharaSheetForEntry(nullptr, 1, 3));
        WaitOpen();
        Type(IDC_CB_NAME, "P");
        Press(Item(IDC_CB_NEXT));
        EXPECT_EQ("No.4", Text(IDC_CB_NO));
        EXPECT_EQ("D", Text(IDC_CB_NAME));
        Type(IDC_CB_NAME, "Q");
        Press(Item(IDC_CB_NEXT));  // past the last entry: back to 1
        EXPECT_EQ("No.1", Text(IDC_CB_NO));
        Press(Item(IDC_CB_PREV));  // before entry 1: the last one
        EXPECT_EQ("No.4", Text(IDC_CB_NO));
        EXPECT_EQ("q", Text(IDC_CB_NAME));
        Close(c.closeId);
        EXPECT_EQ(c.written ? "p" : "C", std::string(g_Stage.m_PalCharas[3].m_Name.c_str())) << c.closeId;
        EXPECT_EQ(c.written ? "q" : "D", std::string(g_Stage.m_PalCharas[4].m_Name.c_str())) << c.closeId;
        EXPECT_EQ("A", std::string(g_Stage.m_PalCharas[1].m_Name.c_str()));
        TearDown();
    }
}

// The common palette opener: the source combo offers "継承しない" only and
// is disabled; Apply writes the common palette and marks it modified.
TEST_F(CharaSheet, CommonEntryGoesToTheCommonPalette) {
    ASSERT_GE(g_CommonPalette.m_Charas.size(), 2u);
    ASSERT_TRUE(OpenCharaSheetForEntry(nullptr, 0, 1));
    WaitOpen();
    EXPECT_FALSE(IsWindowEnabled(Item(IDC_CB_SOURCE)));
    EXPECT_EQ(1, SendMessageA(Item(IDC_CB_SOURCE), CB_GETCOUNT, 0, 0));
    Type(IDC_CB_NAME, "K");
    Close(IDOK);
    EXPECT_EQ("k", std::string(g_CommonPalette.m_Charas[1].m_Name.c_str()));
    EXPECT_EQ(1, g_StageEdit.m_bCommonModified);
    ASSERT_EQ(1, g_CommonPalette.Save("common.dat"));
    cEdCommonPalette back;
    ASSERT_EQ(1, back.Load("common.dat"));
    EXPECT_EQ("k", std::string(back.m_Charas[1].m_Name.c_str()));
}

// An index that names no entry opens nothing.
TEST_F(CharaSheet, EntryOutsideThePaletteOpensNothing) {
    for (int index : {-1, 5, 99}) {
        EXPECT_FALSE(OpenCharaSheetForEntry(nullptr, 1, index)) << index;
        EXPECT_EQ(nullptr, Held());
    }
}

// The character at the stage editor's cursor: Apply pushes one undo step of
// the character layer first, then replaces the cell's record; the saved
// stage holds the change. Cancel writes nothing.
TEST_F(CharaSheet, PlacedCharacterPushesUndoThenWrites) {
    g_StageEdit.m_bOpen = 1;
    g_StageEdit.m_nLayer = 1;
    g_Stage.m_UndoCount = 4;
    g_StageEdit.AllocUndo(4, g_Stage.m_Pitch, g_Stage.m_Height);
    const int cell = 3 * g_Stage.m_Pitch + 2;
    g_Stage.m_Charas[cell] = Named("S");
    g_StateStack.m_pCurrent->m_Values[0] = 2;
    g_StateStack.m_pCurrent->m_Values[1] = 3;
    cStageEditorDlg* editor = new cStageEditorDlg(IDD_STAGE_EDITOR, nullptr, kWndDialog, nullptr);
    g_StageEditor = editor;

    editor->EditObjectAtCursor();
    WaitOpen();
    EXPECT_EQ(0, g_StageEdit.g_EditTarget);
    EXPECT_FALSE(IsWindowVisible(Item(IDC_CB_NO)));
    EXPECT_FALSE(IsWindowEnabled(Item(IDC_CB_INHERIT0 + 1)));
    Type(IDC_CB_NAME, "T");
    Close(IDCANCEL);
    EXPECT_EQ("S", std::string(g_Stage.m_Charas[cell].m_Name.c_str()));
    EXPECT_EQ(0, g_StageEdit.m_nUndo);

    editor->EditObjectAtCursor();
    WaitOpen();
    Type(IDC_CB_NAME, "T");
    Close(IDOK);
    EXPECT_EQ("t", std::string(g_Stage.m_Charas[cell].m_Name.c_str()));
    ASSERT_EQ(1, g_StageEdit.m_nUndo);
    EXPECT_EQ("S", std::string(g_StageEdit.m_UndoChara[0][cell].m_Name.c_str()));
    EXPECT_EQ(1, g_StageEdit.m_bModified);

    ASSERT_EQ(1, SaveStageFile(g_Stage, "placed.dat"));
    cEdStage back;
    ASSERT_EQ(1, LoadStageFile(back, "placed.dat"));
    EXPECT_EQ("t", std::string(back.m_Charas[cell].m_Name.c_str()));

    g_StageEditor = nullptr;
    delete editor;
}

// The project default: OK writes it into the project options; cancel leaves
// it, although the default flow is added as soon as the sheet opens.
TEST_F(CharaSheet, ProjectDefaultGoesToTheOptions) {
    g_PrjOption.m_DefChara.m_Flows.clear();
    const std::string before = g_PrjOption.m_DefChara.m_Name.c_str();
    ASSERT_TRUE(OpenCharaSheetForDefault(nullptr, &g_PrjOption.m_DefChara));
    WaitOpen();
    EXPECT_EQ(1u, g_PrjOption.m_DefChara.m_Flows.size());
    EXPECT_FALSE(IsWindowEnabled(Item(IDC_CB_SOURCE)));
    EXPECT_FALSE(IsWindowVisible(Item(IDC_CB_PREV)));
    Type(IDC_CB_NAME, "Z");
    Close(IDCANCEL);
    EXPECT_EQ(before, g_PrjOption.m_DefChara.m_Name.c_str());

    ASSERT_TRUE(OpenCharaSheetForDefault(nullptr, &g_PrjOption.m_DefChara));
    WaitOpen();
    Type(IDC_CB_NAME, "Z");
    Close(IDOK);
    EXPECT_EQ("z", std::string(g_PrjOption.m_DefChara.m_Name.c_str()));
    ASSERT_EQ(1, g_PrjOption.Save("prjoption.dat"));
    cPrjOption back;
    ASSERT_EQ(1, back.Load("prjoption.dat"));
    EXPECT_EQ("z", std::string(back.m_DefChara.m_Name.c_str()));
}

// "操作" set to "プレイヤー" disables the appearance conditions and the
// clone count; an inheritance check disables its group.
TEST_F(CharaSheet, ControlRuleAndInheritChecks) {
    g_Stage.m_PalCharas[2].m_Control = 1;
    ASSERT_TRUE(OpenCharaSheetForEntry(nullptr, 1, 2));
    WaitOpen();
    EXPECT_TRUE(IsWindowEnabled(Item(IDC_CB_CONDS)));
    EXPECT_TRUE(IsWindowEnabled(Item(IDC_CB_CLONES)));
    SendMessageA(Item(IDC_CB_CONTROL), CB_SETCURSEL, 0, 0);
    SendMessageA(Page(), WM_COMMAND, MAKEWPARAM(IDC_CB_CONTROL, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(Item(IDC_CB_CONTROL)));
    EXPECT_FALSE(IsWindowEnabled(Item(IDC_CB_CONDS)));
    EXPECT_FALSE(IsWindowEnabled(Item(IDC_CB_COND_INSERT)));
    EXPECT_FALSE(IsWindowEnabled(Item(IDC_CB_JUDGE)));
    EXPECT_FALSE(IsWindowEnabled(Item(IDC_CB_CLONES)));
    // inheriting from the common palette: the name group follows its check
    SendMessageA(Item(IDC_CB_SOURCE), CB_SETCURSEL, 1, 0);
    SendMessageA(Page(), WM_COMMAND, MAKEWPARAM(IDC_CB_SOURCE, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(Item(IDC_CB_SOURCE)));
    ASSERT_TRUE(IsWindowEnabled(Item(IDC_CB_INHERIT0)));
    Press(Item(IDC_CB_INHERIT0));
    EXPECT_FALSE(IsWindowEnabled(Item(IDC_CB_NAME)));
    Press(Item(IDC_CB_INHERIT0));
    EXPECT_TRUE(IsWindowEnabled(Item(IDC_CB_NAME)));
    TourShot(Sheet(), "chara_sheet_basic");
    Close(IDCANCEL);
}

// The number boxes keep their edit beside the arrows however often the
// page binds its controls again (each step to another entry, each return
// to the page), and typing into one still reaches the record.
TEST_F(CharaSheet, NumberBoxesKeepTheirWidthWhenRebound) {
    ASSERT_TRUE(OpenCharaSheetForEntry(nullptr, 1, 1));
    WaitOpen();
    const int edits[][2] = {{IDC_CB_FACTION, IDC_CB_FACTION_SPIN}, {IDC_CB_CHARAID, IDC_CB_CHARAID_SPIN},
                            {IDC_CB_CLONES, IDC_CB_CLONES_SPIN},   {IDC_CB_OFFSETX, IDC_CB_OFFSETX_SPIN},
                            {IDC_CB_STEPX, IDC_CB_STEPX_SPIN},     {IDC_CB_OFFSETY, IDC_CB_OFFSETY_SPIN},
                            {IDC_CB_STEPY, IDC_CB_STEPY_SPIN}};
    auto width = [&](int id) {
        RECT rc = {};
        GetWindowRect(Item(id), &rc);
        return static_cast<int>(rc.right - rc.left);
    };
    int first[7];
    for (int i = 0; i < 7; ++i) {
        first[i] = width(edits[i][0]);
        // wide enough for a few digits: more than the arrows beside it
        EXPECT_GT(first[i], width(edits[i][1])) << edits[i][0];
    }
    for (int step = 0; step < 4; ++step) Press(Item(IDC_CB_NEXT));
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(first[i], width(edits[i][0])) << edits[i][0];
    }
    Type(IDC_CB_FACTION, "6");
    EXPECT_EQ("6", Text(IDC_CB_FACTION));
    Press(GetDlgItem(Sheet(), kApplyButton));
    EXPECT_EQ(6, g_Stage.m_PalCharas[1].m_Faction);
    Close(IDCANCEL);
}

}  // namespace
