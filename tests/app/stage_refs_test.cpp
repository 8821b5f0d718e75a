// A stage's references into its own palette survive every way the editor
// opens a stage file, with the project's lookup installed: the plain load,
// the threaded load of the open command and the start-up reopening of the
// last stage. The stage in use beforehand is a default stage with one entry
// per palette, as at start-up.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "app/globals.h"
#include "app/project_load.h"
#include "app/stage_edit.h"
#include "base/paths.h"
#include "base/platform.h"
#include "base/record.h"
#include "model/cmd_tables.h"
#include "model/palette.h"
#include "model/prjoption.h"
#include "model/record_refs.h"
#include "model/stage.h"
#include "tests/support/box_catcher.h"
#include "tests/support/test_env.h"
#include "ui/stage_load.h"

namespace {

const char kPath[] = "data\\stg4\\refs.stg4_248";
const int kEntries = 8;

cEdCommand Command(int kind) {
    cEdCommand c;
    c.m_nCmdSet = 0;
    c.m_nKind = static_cast<int8_t>(kind);
    c.Validate();  // parameters and shot record of the kind
    return c;
}

// A character whose flow shoots stage palette item 6, summons stage palette
// item 7 and gets stage palette item 5.
cEdChara Shooter() {
    cEdChara chara;
    chara.m_Graphic = 3;
    chara.m_Control = 1;
    cEdFlow flow;
    cEdCommand shot = Command(kCmdShot);
    shot.m_spShot->m_nItemPalette = 2;
    shot.m_spShot->m_nItem = 6;
    cEdCommand summon = Command(kCmdSummonItem);
    summon.m_spShot->m_nSummonPalette = 1;
    summon.m_spShot->m_nSummonIndex = 7;
    cEdCommand get = Command(kCmdGetItem);
    get.m_Params[0] = 1;
    get.m_Params[1] = 5;
    flow.m_Commands.push_back(shot);
    flow.m_Commands.push_back(summon);
    flow.m_Commands.push_back(get);
    chara.m_Flows.push_back(flow);
    return chara;
}

void ExpectRefs(const cEdChara& chara, const char* where) {
    SCOPED_TRACE(where);
    ASSERT_EQ(1u, chara.m_Flows.size());
    const cVector<cEdCommand>& cmds = chara.m_Flows[0].m_Commands;
    ASSERT_EQ(3u, cmds.size());
    ASSERT_TRUE(cmds[0].m_spShot && cmds[1].m_spShot);
    EXPECT_EQ(2, cmds[0].m_spShot->m_nItemPalette);
    EXPECT_EQ(6, cmds[0].m_spShot->m_nItem);
    EXPECT_EQ(7, cmds[1].m_spShot->m_nSummonIndex);
    EXPECT_EQ(5, cmds[2].m_Params[1]);
}

// The whole file of a stage with eight entries in each palette; the shooter
// is palette character 2 and placed at (4, 3).
std::string StageFile() {
    cEdStage s;
    s.m_Name = "参照";
    s.m_PalBlocks.Reset(kEntries);
    s.m_PalCharas.Reset(kEntries);
    s.m_PalItems.Reset(kEntries);
    s.m_PalCharas[2] = Shooter();
    s.m_Charas[s.CellIndex(4, 3)] = Shooter();
    cRecFile* mem = cRecFile::OpenMemoryWrite();
    mem->WriteInt(248);
    s.Write(mem);
    std::string bytes = mem->MemoryData();
    delete mem;
    return bytes;
}

class StageRefs : public testing::Test {
protected:
    void SetUp() override {
        SetRecordRefs(nullptr);
        g_PrjOption.SetDefault();
        g_CommonPalette.SetDefault();
        g_Stage.SetDefault();
        CreateFoldersOf(kPath);
        ASSERT_TRUE(WriteWholeFile(kPath, StageFile()));
        InstallModelHooks();
    }
    void TearDown() override {
        SetRecordRefs(nullptr);
        g_Stage.SetDefault();
        RemoveFile(kPath);
        EXPECT_FALSE(m_Wnd.TakeCloseRequest());
    }
    TestAppWindow m_Wnd;
};

TEST_F(StageRefs, OpeningAStageChecksItAgainstItsOwnPalette) {
    struct Path {
        const char* what;
        std::function<bool()> load;
    } paths[] = {
        {"plain load", [] { return LoadStageFile(g_Stage, kPath) == 1; }},
        {"threaded load", [] { return LoadStageThreaded(kPath) == 1; }},
        {"last stage at start-up",
         [] {
             SetFreeMemorySource([]() -> uint64_t { return uint64_t(1) << 32; });
             const bool ok = LoadLastStage(kPath);
             SetFreeMemorySource(nullptr);
             g_StageEdit.ClearUndo();
             return ok;
         }},
    };
    for (const Path& p : paths) {
        SCOPED_TRACE(p.what);
        g_Stage.SetDefault();  // one entry per palette
        ASSERT_EQ(1u, g_Stage.m_PalItems.size());
        BoxCatcher boxes;
        ASSERT_TRUE(p.load());
        EXPECT_TRUE(boxes.Take().empty());
        EXPECT_EQ("参照", g_Stage.m_Name);
        ASSERT_EQ(static_cast<size_t>(kEntries), g_Stage.m_PalItems.size());
        ExpectRefs(g_Stage.m_PalCharas[2], "palette entry");
        ExpectRefs(g_Stage.m_Charas[g_Stage.CellIndex(4, 3)], "placed character");
        // and a save keeps them too
        cRecFile* mem = cRecFile::OpenMemoryWrite();
        g_Stage.Write(mem);
        delete mem;
        ExpectRefs(g_Stage.m_PalCharas[2], "after a write");
    }
    // An index past the stage's own palette still goes.
    g_Stage.m_PalCharas[2].m_Flows[0].m_Commands[2].m_Params[1] = kEntries;
    g_Stage.Validate();
    EXPECT_EQ(1, g_Stage.m_PalCharas[2].m_Flows[0].m_Commands[2].m_Params[1]);
}

}  // namespace
