// The editor's global objects: their state right after construction and the
// wiring of the data model to them.
#include <gtest/gtest.h>

#include <windows.h>

#include <type_traits>

#include "app/globals.h"
#include "app/mainframe.h"
#include "app/stage_editor.h"
#include "app/stage_editor_res.h"
#include "app/stage_edit.h"
#include "base/bgm.h"
#include "base/log.h"
#include "base/thread.h"
#include "model/database.h"
#include "model/debugbox.h"
#include "model/palette.h"
#include "model/prjoption.h"
#include "model/record_refs.h"
#include "model/system.h"
#include "model/worldmap_edit.h"
#include "tests/support/box_catcher.h"
#include "tests/support/test_env.h"
#include "ui/registry.h"
#include "ui/stage_load.h"

namespace {

template <class T>
bool SameRecords(const cVector<T>& a, const cVector<T>& b) {
    if (a.size() != b.size()) return false;
    for (int i = 0; i < static_cast<int>(a.size()); ++i)
        if (!cSerialRecord::IsSameRecord(a[i], b[i])) return false;
    return true;
}

}  // namespace

// Runs before any other test of this file touches the globals (gtest runs the
// tests of a file in the order of definition; the tests of the other files of
// this program put back every global they change).
TEST(Globals, ProjectObjectsStartAtTheirDefaults) {
    EXPECT_TRUE(g_StartDir.IsEmpty());
    EXPECT_TRUE(g_GValInfo.empty());
    EXPECT_TRUE(g_CharaBitmaps.empty());
    EXPECT_EQ(0, g_AnimePreview.m_CurAnime);
    EXPECT_EQ(0, g_AnimePreview.m_CurStep);
    EXPECT_EQ(0, g_AnimePreview.m_Tick);
    EXPECT_TRUE(g_AnimePreview.m_Animes.empty());
    EXPECT_FALSE(g_BgmManager.IsInitialised());
    EXPECT_EQ(-1, g_BgmManager.CurrentSlot());
    EXPECT_EQ(0u, g_WorkerThread.m_ThreadId);
    EXPECT_EQ(nullptr, g_WorkerThread.m_hThread);
    EXPECT_EQ(nullptr, g_AppWnd.m_pStageEditor);
    EXPECT_EQ(nullptr, g_AppWnd.m_hWnd);

    // Each project object holds what a freshly built one holds: a global
    // built before the tables its constructor reads would differ here.
    cEdDatabase db;
    g_Database.ForEachTable([&](auto& table, eDatabaseTable t) {
        bool same = false;
        db.ForEachTable([&](auto& fresh, eDatabaseTable u) {
            if constexpr (std::is_same_v<decltype(table), decltype(fresh)>)
                if (u == t) same = SameRecords(table, fresh);
        });
        EXPECT_TRUE(same) << "table " << t;
    });
    cEdCommonPalette palette;
    EXPECT_TRUE(SameRecords(palette.m_Blocks, g_CommonPalette.m_Blocks));
    EXPECT_TRUE(SameRecords(palette.m_Charas, g_CommonPalette.m_Charas));
    EXPECT_TRUE(SameRecords(palette.m_Items, g_CommonPalette.m_Items));
    cEdSystem system;
    EXPECT_TRUE(cSerialRecord::IsSameRecord(system, g_System));
    cPrjOption option;
    EXPECT_TRUE(cSerialRecord::IsSameRecord(option, g_PrjOption));
    cEditConfig config;
    EXPECT_TRUE(cSerialRecord::IsSameRecord(config, EditConfig));
    cEdStage stage;
    EXPECT_TRUE(cSerialRecord::IsSameRecord(stage, g_Stage));
    EXPECT_EQ(stage.m_Width, g_Stage.m_Width);
    EXPECT_EQ(stage.m_Height, g_Stage.m_Height);
    EXPECT_TRUE(SameRecords(stage.m_Blocks, g_Stage.m_Blocks));
    EXPECT_TRUE(SameRecords(stage.m_PalBlocks, g_Stage.m_PalBlocks));
}

TEST(Globals, WorldMapEditIsBuiltBeforeTheMap) {
    // The map holds no event when the edit state is built, so the event
    // mode starts without a selection.
    const cWorldToolState& events = g_WorldMapEdit.m_Saved[1];
    EXPECT_EQ(-1, events.m_SelEntry);
    EXPECT_EQ(-1, events.m_SelTemplate);
    EXPECT_EQ(0, events.m_PatternWidth);
    EXPECT_EQ(0, events.m_PatternHeight);
    EXPECT_EQ(-1, g_WorldMapEdit.m_RangeX);
    EXPECT_EQ(1, g_WorldMapEdit.m_PatternWidth);
    EXPECT_TRUE(g_WorldMapEdit.m_UndoCells.empty());
}

TEST(Globals, StateStackStartsWithOneZeroedCurrentEntry) {
    for (int round = 0; round < 2; ++round) {
        ASSERT_EQ(1u, g_StateStack.m_Entries.size()) << round;
        EXPECT_EQ(&g_StateStack.m_Entries[0], g_StateStack.m_pCurrent);
        EXPECT_EQ(0, g_StateStack.m_Depth);
        for (int v : g_StateStack.m_Entries[0].m_Values) EXPECT_EQ(0, v);
        // A used stack goes back to the same state.
        g_StateStack.m_Entries.resize(5);
        g_StateStack.m_Entries[0].m_Values[2] = 7;
        g_StateStack.m_pCurrent = &g_StateStack.m_Entries[4];
        g_StateStack.m_Depth = 4;
        g_StateStack.Reset();
    }
}

namespace {

void ExpectStartState(const cStageEdit& s) {
    EXPECT_EQ("", s.m_strPath);
    const int32_t zeros[] = {s.m_bOpen, s.m_bModified, s.m_bCommonModified,
                             s.m_bWorldMapModified, s.m_nLayer, s.m_nReturnLayer, s.m_nTool, s.m_nCursorMode,
                             s.m_nRightClickMode, s.m_bPalClip, s.m_bPalClipCut, s.g_EditSource[0],
                             s.g_EditSource[1], s.m_bDrag};
    for (size_t i = 0; i < sizeof zeros / sizeof zeros[0]; ++i) EXPECT_EQ(0, zeros[i]) << "value " << i;
    EXPECT_EQ(-1, s.m_nSelAnchorX);
    EXPECT_EQ(-1, s.m_nSelAnchorY);
    EXPECT_EQ(1, s.m_nBrushW);
    EXPECT_EQ(1, s.m_nBrushH);
    EXPECT_TRUE(SameRecords(cVector<cEdBlock>(1), s.m_BrushBlock));
    EXPECT_TRUE(SameRecords(cVector<cEdChara>(1), s.m_BrushChara));
    EXPECT_TRUE(SameRecords(cVector<cEdItem>(1), s.m_BrushItem));
    EXPECT_EQ(nullptr, s.g_EditOriginal.m_pBlock);
    EXPECT_EQ(nullptr, s.g_EditOriginal.m_pChara);
    EXPECT_EQ(nullptr, s.g_EditOriginal.m_pItem);
    EXPECT_EQ(nullptr, s.g_BlockSheet);
    EXPECT_EQ(nullptr, s.g_CharaSheet);
    EXPECT_EQ(nullptr, s.g_ItemSheet);
    EXPECT_FALSE(s.m_PalClipBlock);
    EXPECT_FALSE(s.m_PalClipChara);
    EXPECT_FALSE(s.m_PalClipItem);
}

}  // namespace

TEST(Globals, StageEditStartsWithNoStageAndNoSteps) {
    const cStageEdit& s = g_StageEdit;
    ExpectStartState(s);
    EXPECT_EQ(0, s.g_EditTarget);
    EXPECT_EQ(0, s.m_nUndo);
    EXPECT_EQ(0, s.m_nRedo);
    EXPECT_TRUE(s.m_UndoBlock.empty());
    EXPECT_TRUE(s.m_RedoItem.empty());
    EXPECT_TRUE(s.m_UndoFlags.empty());
    EXPECT_TRUE(s.m_Conds.empty());
    EXPECT_TRUE(s.m_Commands2.empty());
    for (const cLayerBrush& v : s.m_View) {
        EXPECT_EQ(0, v.m_nIndex);
        EXPECT_EQ(1, v.m_nBrushW);
        EXPECT_EQ(1, v.m_nBrushH);
    }
}

TEST(StageEdit, ResetStartsAfreshButKeepsTargetAndHistory) {
    cStageEdit s;
    cEdBlock block;
    s.m_strPath = "data\\stg4\\a.stg4_248";
    s.m_bOpen = s.m_bModified = s.m_bCommonModified = s.m_bWorldMapModified = 1;
    s.m_nLayer = 2;
    s.m_nReturnLayer = 1;
    s.m_nTool = s.m_nCursorMode = s.m_nRightClickMode = 3;
    s.m_BrushBlock.Reset(6);
    s.m_BrushBlock[0].m_Name = "changed";
    s.m_BrushChara.clear();
    s.m_BrushItem.Reset(4);
    s.g_EditOriginal.m_pBlock = &block;
    s.m_PalClipBlock.reset(new cEdBlock);
    s.m_PalClipItem.reset(new cEdItem);
    s.m_bPalClip = s.m_bPalClipCut = 9;
    s.g_EditSource[0] = 1;
    s.g_EditSource[1] = 5;
    s.m_nSelAnchorX = 3;
    s.m_nSelAnchorY = 4;
    s.m_nBrushW = s.m_nBrushH = 2;
    s.m_bDrag = 1;
    s.g_EditTarget = 2;
    s.m_UndoBlock.resize(2);
    s.m_UndoFlags.assign(2, 1);
    s.m_nUndo = 2;
    s.m_nRedo = 1;

    s.Reset();

    ExpectStartState(s);
    EXPECT_EQ(2, s.g_EditTarget);
    EXPECT_EQ(2u, s.m_UndoBlock.size());
    EXPECT_EQ(2u, s.m_UndoFlags.size());
    EXPECT_EQ(2, s.m_nUndo);
    EXPECT_EQ(1, s.m_nRedo);
}

TEST(Globals, RecordRefsAnswerFromTheProjectObjects) {
    InstallModelHooks();
    ASSERT_EQ(&ProjectRecordRefs(), GetRecordRefs());
    const cRecordRefs& refs = *GetRecordRefs();

    g_Database.m_Bgm.Reset(5);
    g_Database.m_Picture.Reset(3);
    g_Database.m_SwordType.Reset(2);
    g_Database.m_SwordType[1].m_Positions.Reset(3);
    for (cEdSwordPos& pos : g_Database.m_SwordType[1].m_Positions) pos.m_Time = 4000;
    g_Database.ForEachTable([&](auto& table, eDatabaseTable t) {
        EXPECT_EQ(static_cast<int>(table.size()), refs.TableSize(t)) << "table " << t;
    });
    EXPECT_FALSE(OutsideTable(4, kTableBgm));
    EXPECT_TRUE(OutsideTable(5, kTableBgm));
    EXPECT_TRUE(OutsideTable(3, kTablePicture));

    EXPECT_EQ(9999, refs.SwordTime(1));
    // A sword type outside the table has no time and closes nothing.
    TestAppWindow app;
    for (int index : {-1, 2, 40000}) EXPECT_EQ(0, refs.SwordTime(index)) << index;
    EXPECT_FALSE(app.Destroyed());
    EXPECT_FALSE(app.TakeClosePosted());

    g_CommonPalette.m_Blocks.Reset(4);
    g_CommonPalette.m_Charas.Reset(6);
    g_CommonPalette.m_Items.Reset(7);
    g_Stage.m_PalBlocks.Reset(8);
    g_Stage.m_PalCharas.Reset(9);
    g_Stage.m_PalItems.Reset(10);
    const struct {
        ePaletteKind palette;
        eObjType type;
        int size;
    } cases[] = {
        {kPaletteCommon, kObjBlock, 4}, {kPaletteCommon, kObjChara, 6}, {kPaletteCommon, kObjItem, 7},
        {kPaletteStage, kObjBlock, 8},  {kPaletteStage, kObjChara, 9},  {kPaletteStage, kObjItem, 10},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.size, refs.PaletteSize(c.palette, c.type)) << c.palette << " " << c.type;
        EXPECT_FALSE(OutsidePalette(c.size - 1, c.palette, c.type));
        EXPECT_TRUE(OutsidePalette(c.size, c.palette, c.type));
    }

    // Background music indexes are checked against the database's table.
    g_System.m_BgmIndex.assign(kBgmCount, 4);
    g_System.m_BgmIndex[1] = 5;
    g_System.ValidateBgm();
    EXPECT_EQ(4, g_System.m_BgmIndex[0]);
    EXPECT_EQ(0, g_System.m_BgmIndex[1]);
}

TEST(Globals, DebugMessagesOfTheModelShowOnlyWhileTheErrorLogIsOn) {
    InstallModelHooks();
    BoxCatcher boxes;
    SetErrorLog(0, "log.txt");
    DebugBoxF("value %d", 1);
    EXPECT_TRUE(boxes.Take().empty());
    SetErrorLog(1, "log.txt");
    DebugBoxF("value %d%%", 2);
    SetErrorLog(0, "log.txt");
    const std::vector<CaughtBox> got = boxes.Take();
    ASSERT_EQ(1u, got.size());
    EXPECT_EQ("value 2%", got[0].text);
}

TEST(MainFrame, DeletesTheStageEditorItOwns) {
    struct cProbe : cStageEditorDlg {
        explicit cProbe(bool* gone) : cStageEditorDlg(IDD_STAGE_EDITOR, nullptr, kWndDialog, nullptr), m_pGone(gone) {}
        ~cProbe() override { *m_pGone = true; }
        bool* m_pGone;
    };
    bool gone = false;
    {
        cMainFrame frame;
        EXPECT_EQ(nullptr, frame.m_pStageEditor);
        frame.m_pStageEditor = new cProbe(&gone);
    }
    EXPECT_TRUE(gone);
}
