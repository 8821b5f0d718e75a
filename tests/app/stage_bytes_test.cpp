// The bytes of a stage file: what the stage editor's save command writes is
// exactly what the stage serializes to, a stage opened by the open command
// and saved again comes back byte for byte, and the serialized form of fixed
// stages has not changed (its checksum).
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdint>
#include <string>

#include "app/stage_edit.h"
#include "app/stage_editor.h"
#include "app/stage_editor_res.h"
#include "base/record.h"
#include "model/definitions.h"
#include "model/stage.h"
#include "tests/app/keep_globals.h"
#include "tests/support/box_catcher.h"
#include "tests/support/drawn_stage.h"
#include "tests/support/test_env.h"
#include "ui/stage_load.h"

extern cEdStage g_Stage;

namespace {

// 64-bit FNV-1a.
uint64_t Checksum(const std::string& bytes) {
    uint64_t h = 14695981039346656037ull;
    for (unsigned char c : bytes) {
        h ^= c;
        h *= 1099511628211ull;
    }
    return h;
}

// What the stage serializes to, version word first.
std::string Serialized(cEdStage& stage) {
    cRecFile* f = cRecFile::OpenMemoryWrite();
    f->WriteInt(static_cast<int32_t>(g_DataVersion));
    stage.Write(f);
    std::string bytes = f->MemoryData();
    delete f;
    return bytes;
}

// A stage with something in every cell of every layer: blocks with an
// appearance condition, characters with a flow of commands and a key
// condition, items with effects, names in two-byte characters, and
// palette entries linked to each other.
void FillStage(cEdStage& s, int width, int height) {
    s.SetDefault();
    ASSERT_EQ(1, s.SetSize(width, height, 0, 0));
    cEdBlock block;
    block.m_Graphic = 3;
    block.m_Name = "ブロック";
    block.m_AppearConds.resize(1);
    cEdChara chara;
    chara.m_Graphic = 5;
    chara.m_Control = 1;
    chara.m_Name = "キャラ";
    chara.m_Flows.resize(1);
    chara.m_Flows[0].m_Commands.resize(3);
    chara.m_Flows[0].m_KeyConds.resize(1);
    cEdItem item;
    item.m_Graphic = 2;
    item.m_Name = "アイテム";
    item.m_Effects.resize(2);
    for (int y = 0; y < s.m_Height; ++y) {
        for (int x = 0; x < s.m_Width; ++x) {
            const int i = s.CellIndex(x, y);
            s.m_Blocks[i] = block;
            s.m_Blocks[i].m_Graphic = static_cast<int16_t>(1 + (x + y) % 7);
            s.m_Charas[i] = chara;
            s.m_Items[i] = item;
        }
    }
    s.m_Charas[s.CellIndex(1, 1)].m_Control = 0;  // the player
    s.m_PalBlocks.resize(3);
    s.m_PalBlocks[1] = block;
    s.m_PalBlocks[2] = block;
    s.m_PalBlocks[2].m_Name = "二番";
    s.m_Name = "ステージ";
}

struct BytesCase {
    const char* what;
    int width;          // 0: the drawn sample stage
    int height;
    uint64_t checksum;  // of the serialized stage, as the editor has always written it
};

const BytesCase kCases[] = {
    {"the drawn sample stage", 0, 0, 0xbec8e576acb10998ull},
    {"every cell filled, 64 x 48", 64, 48, 0x89360480ec473735ull},
    {"every cell filled, 300 x 20", 300, 20, 0x3690d9bad2bb8d1bull},
};

TEST(StageBytes, SaveWritesTheSerializedBytesAndOpenSaveKeepsThem) {
    KeepProjectGlobals keep;
    const char path[] = "data\\stg4\\bytes.stg4_248";
    CreateDirectoryA("data", nullptr);
    CreateDirectoryA("data\\stg4", nullptr);
    for (const BytesCase& c : kCases) {
        SCOPED_TRACE(c.what);
        BoxCatcher boxes;
        if (c.width == 0) {
            CreateDirectoryA("drawn", nullptr);
            CreateDirectoryA("drawn\\data", nullptr);
            ASSERT_TRUE(WriteDrawnStage("drawn"));
            ASSERT_EQ(1, LoadStageFile(g_Stage, (std::string("drawn\\") + kDrawnStagePath).c_str()));
        } else {
            FillStage(g_Stage, c.width, c.height);
        }
        const std::string serialized = Serialized(g_Stage);
        EXPECT_EQ(serialized, Serialized(g_Stage)) << "serializing twice differs";
        EXPECT_EQ(c.checksum, Checksum(serialized)) << serialized.size() << " bytes";

        // saved by the plain save over an existing file, then opened and
        // saved again
        ASSERT_TRUE(WriteWholeFile(path, "old"));
        g_StageEdit.Reset();
        g_StageEdit.m_bOpen = 1;
        g_StageEdit.m_strPath = path;
        g_StageEdit.m_bModified = 1;
        cStageEditorDlg dlg(IDD_STAGE_EDITOR, nullptr, kWndDialog, nullptr);
        ASSERT_EQ(1, dlg.SaveStage(1));
        const std::string saved = ReadWholeFile(path);
        EXPECT_TRUE(saved == serialized) << "the file differs from the serialized stage";

        g_Stage.SetDefault();
        ASSERT_EQ(1, LoadStageThreaded(path));
        g_StageEdit.m_bModified = 1;
        ASSERT_EQ(1, dlg.SaveStage(1));
        EXPECT_TRUE(ReadWholeFile(path) == saved) << "opened and saved again, the file changed";
        for (const CaughtBox& box : boxes.Take()) ADD_FAILURE() << box.caption << ": " << box.text;
        DeleteFileA(path);
    }
    g_StageEdit.Reset();
    g_Stage.SetDefault();
}

}  // namespace
