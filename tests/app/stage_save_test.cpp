// The stage editor's plain save checked on disk, and test play of the open
// stage: the stage saved first and its path handed to the game.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "app/stage_edit.h"
#include "app/stage_editor.h"
#include "app/stage_editor_res.h"
#include "model/stage.h"
#include "tests/support/box_catcher.h"
#include "tests/support/test_env.h"

extern cEdStage g_Stage;

namespace {

const char kPath[] = "data\\stg4\\s.stg4_248";

struct SaveCase {
    const char* what;
    bool modified;
    bool blocked;        // a folder stands where the file goes: the write cannot complete
    int result;
    bool written;        // the file holds a stage afterwards (not the old bytes)
    int modifiedAfter;
    const char* box;     // the one box expected, or null
};

const SaveCase kSaves[] = {
    {"modified stage is written", true, false, 1, true, 0, nullptr},
    {"unmodified stage writes nothing", false, false, 1, false, 0, nullptr},
    {"write fails: failure told, stage stays modified", true, true, 0, false, 1,
     "ステージファイル data\\stg4\\s.stg4_248 の保存に失敗しました！"},
};

TEST(StageSave, PlainSaveOnDisk) {
    CreateDirectoryA("data", nullptr);
    CreateDirectoryA("data\\stg4", nullptr);
    for (const SaveCase& c : kSaves) {
        SCOPED_TRACE(c.what);
        g_Stage.SetDefault();
        g_Stage.m_Charas[0].m_Graphic = 1;  // a player, so no warning
        g_Stage.m_Charas[0].m_Control = 0;
        g_StageEdit.Reset();
        g_StageEdit.m_bOpen = 1;
        g_StageEdit.m_strPath = kPath;
        g_StageEdit.m_bModified = c.modified;
        RemoveDirectoryA(kPath);
        if (c.blocked) {
            DeleteFileA(kPath);
            ASSERT_TRUE(CreateDirectoryA(kPath, nullptr));
        } else {
            ASSERT_TRUE(WriteWholeFile(kPath, "old bytes"));
        }
        cStageEditorDlg dlg(IDD_STAGE_EDITOR, nullptr, kWndDialog, nullptr);
        BoxCatcher boxes;
        EXPECT_EQ(c.result, dlg.SaveStage(1));
        const std::vector<CaughtBox> shown = boxes.Take();
        if (c.box) {
            ASSERT_EQ(1u, shown.size());
            EXPECT_EQ(c.box, shown[0].text);
        } else {
            EXPECT_TRUE(shown.empty());
        }
        const std::string bytes = ReadWholeFile(kPath);
        if (c.written) {
            cEdStage back;
            EXPECT_EQ(1, ReadStageFile(back, kPath));
            EXPECT_EQ(1, back.m_Charas[0].m_Graphic);
            EXPECT_FALSE(FileExists(StageBackupPath(kPath).c_str())) << "backup left after a good write";
        } else if (c.blocked) {
            EXPECT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(kPath));
            EXPECT_TRUE(GetFileAttributesA(kPath) & FILE_ATTRIBUTE_DIRECTORY);
        } else {
            EXPECT_EQ("old bytes", bytes);
        }
        EXPECT_EQ(c.modifiedAfter, g_StageEdit.m_bModified);
    }
    RemoveDirectoryA(kPath);
    DeleteFileA(kPath);
    g_StageEdit.Reset();
    g_Stage.SetDefault();
}

}  // namespace
