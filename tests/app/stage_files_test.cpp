// The stage editor's file commands run as the menu runs them, with the real
// file dialogs and message boxes answered from a script, and what they leave
// on disk read back: stage files, their copies in "data\work\" and
// "data\stg4\old_ver\", the common palette and stage palette files.
#include <gtest/gtest.h>

#include <windows.h>

#include <dlgs.h>

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "app/paths_table.h"
#include "app/stage_edit.h"
#include "app/stage_editor.h"
#include "app/stage_editor_res.h"
#include "base/record.h"
#include "model/palette.h"
#include "model/prjoption.h"
#include "model/stage.h"
#include "res/command_ids.h"
#include "tests/app/keep_globals.h"
#include "tests/support/test_env.h"

extern cEdStage g_Stage;
extern cEdCommonPalette g_CommonPalette;
extern cPrjOption g_PrjOption;

namespace {

// Answers the message boxes and file dialogs of this thread from a script.
// A box is answered before it is shown (its text kept); a file dialog gets
// its file name typed and OK pressed from inside its own loop once it runs,
// or is cancelled when the script gives "".
class DialogScript {
public:
    DialogScript(std::vector<int> answers, std::vector<std::string> files)
        : m_Answers(answers.begin(), answers.end()), m_Files(files.begin(), files.end()) {
        s_Self = this;
        m_Hook = SetWindowsHookExA(WH_CALLWNDPROCRET, Hook, nullptr, GetCurrentThreadId());
    }
    ~DialogScript() {
        UnhookWindowsHookEx(m_Hook);
        s_Self = nullptr;
    }
    std::vector<std::string> boxes;     // texts of the boxes, in order
    std::vector<std::string> proposed;  // the name each file dialog showed at first
    int unexpected = 0;                 // boxes or dialogs the script had no answer for
    bool Done() const { return m_Answers.empty() && m_Files.empty(); }

private:
    static LRESULT CALLBACK Hook(int code, WPARAM wp, LPARAM lp) {
        const CWPRETSTRUCT* msg = reinterpret_cast<const CWPRETSTRUCT*>(lp);
        if (code == HC_ACTION && msg->message == WM_INITDIALOG && s_Self) s_Self->Take(msg->hwnd);
        return CallNextHookEx(nullptr, code, wp, lp);
    }

    static BOOL CALLBACK FindEdit(HWND wnd, LPARAM lp) {
        char cls[16] = {};
        GetClassNameA(wnd, cls, sizeof cls);
        if (lstrcmpiA(cls, "Edit") != 0) return TRUE;
        *reinterpret_cast<HWND*>(lp) = wnd;
        return FALSE;
    }
    // The file name box: an edit, or the edit somewhere inside a combo box.
    static HWND NameBox(HWND dlg) {
        HWND edit = GetDlgItem(dlg, edt1);
        if (edit) return edit;
        HWND combo = GetDlgItem(dlg, cmb13);
        if (combo) EnumChildWindows(combo, FindEdit, reinterpret_cast<LPARAM>(&edit));
        return edit;
    }

    void Take(HWND dlg) {
        char cls[32] = {};
        GetClassNameA(dlg, cls, sizeof cls);
        if (lstrcmpA(cls, "#32770") != 0) return;
        if (HWND text = GetDlgItem(dlg, 0xFFFF)) {
            char buf[1024] = {};
            GetWindowTextA(text, buf, sizeof buf);
            boxes.push_back(buf);
            int answer = IDCANCEL;
            if (m_Answers.empty()) {
                ++unexpected;
            } else {
                answer = m_Answers.front();
                m_Answers.pop_front();
            }
            EndDialog(dlg, answer);
            return;
        }
        if (!GetDlgItem(dlg, edt1) && !GetDlgItem(dlg, cmb13)) return;  // not a file dialog
        m_FileDlg = dlg;
        SetTimer(nullptr, 0, 1, FileTimer);
    }

    static void CALLBACK FileTimer(HWND, UINT, UINT_PTR id, DWORD) {
        KillTimer(nullptr, id);
        DialogScript* self = s_Self;
        if (!self || !IsWindow(self->m_FileDlg)) return;
        HWND dlg = self->m_FileDlg;
        HWND edit = NameBox(dlg);
        char shown[MAX_PATH] = {};
        if (edit) GetWindowTextA(edit, shown, sizeof shown);
        self->proposed.push_back(shown);
        std::string name;
        if (self->m_Files.empty()) {
            ++self->unexpected;
        } else {
            name = self->m_Files.front();
            self->m_Files.pop_front();
        }
        if (name.empty() || !edit) {
            PostMessageA(dlg, WM_COMMAND, IDCANCEL, 0);
            return;
        }
        SetWindowTextA(edit, name.c_str());
        PostMessageA(dlg, WM_COMMAND, IDOK, 0);
    }

    static DialogScript* s_Self;
    HHOOK m_Hook;
    std::deque<int> m_Answers;
    std::deque<std::string> m_Files;
    HWND m_FileDlg = nullptr;
};

DialogScript* DialogScript::s_Self = nullptr;

// A file kept open without sharing, as another program may hold it.
HANDLE s_Held = INVALID_HANDLE_VALUE;

std::string Cwd() {
    char buf[MAX_PATH] = {};
    GetCurrentDirectoryA(sizeof buf, buf);
    return buf;
}

// A full path in the project folder, as a user picks it in a dialog.
std::string Full(const char* relative) {
    if (relative[0] == '.' && relative[1] == '\\') relative += 2;
    return Cwd() + "\\" + relative;
}

// The paths as the editor keeps them once a file dialog chose them: relative
// to the project folder, starting with ".\".
const char kStage[] = ".\\data\\stg4\\a.stg4_248";
const char kOther[] = ".\\data\\stg4\\b.stg4_248";
const char kOld[] = ".\\data\\stg4\\c.stg4_247";
const char kOldNew[] = ".\\data\\stg4\\c.stg4_248";
const char kOldMoved[] = ".\\data\\stg4\\old_ver\\c.stg4_247";
const char kWorkCopy[] = ".\\data\\work\\a.stg4_248";
const char kPal[] = ".\\data\\plt4\\p.plt4";
const char kCommon[] = ".\\data\\CommonPalette.cplt4";

const char kAskStage[] = "ステージが変更された可能性があります。\n保存しますか？";
const char kAskCommon[] = "コモンパレットが変更された可能性があります。\n保存しますか？";

// A stage told apart by one block: its graphic at cell 3, and a player.
void MakeStage(cEdStage& stage, int mark) {
    stage.SetDefault();
    stage.m_Blocks[3].m_Graphic = static_cast<int16_t>(mark);
    stage.m_Charas[0].m_Graphic = 1;
    stage.m_Charas[0].m_Control = 0;
}

void WriteStage(const char* path, int mark) {
    cEdStage stage;
    MakeStage(stage, mark);
    ASSERT_EQ(1, SaveStageFile(stage, path));
}

// The mark of the stage in a file, -1 when it does not load.
int MarkOnDisk(const char* path) {
    cEdStage stage;
    if (!ReadStageFile(stage, path)) return -1;
    return stage.m_Blocks[3].m_Graphic;
}

// The graphic of stage palette block entry 1 in a palette file, -1 when it
// does not load.
int PaletteMarkOnDisk(const char* path) {
    cEdStage stage;
    stage.SetDefault();
    if (!stage.LoadPalette(path)) return -1;
    return stage.m_PalBlocks.size() > 1 ? stage.m_PalBlocks[1].m_Graphic : 0;
}

// The editor holds stage mark 5 from kStage, modified or not.
void OpenMarked(int modified) {
    MakeStage(g_Stage, 5);
    g_StageEdit.Reset();
    g_StageEdit.m_bOpen = 1;
    g_StageEdit.m_strPath = kStage;
    g_StageEdit.m_bModified = modified;
    g_StageEdit.ClearUndo();
}

void PaletteWithMark(cEdStage& stage, int mark) {
    stage.m_PalBlocks.resize(2);
    stage.m_PalBlocks[1].m_Graphic = static_cast<int16_t>(mark);
}

struct FileCase {
    const char* what;
    std::function<void()> setup;
    int command;
    std::vector<int> answers;          // message boxes, in order
    std::vector<std::string> files;    // file dialogs, in order ("" cancels)
    std::vector<std::string> boxes;    // the texts of the boxes expected
    std::function<void()> check;
};

class StageFiles : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* dir : {"data", "data\\stg4", "data\\work", "data\\plt4", "e_data"}) CreateDirectoryA(dir, nullptr);
        Clean();
        g_CommonPalette.SetDefault();
        g_PrjOption.SetDefault();
    }
    void TearDown() override {
        Clean();
        g_StageEdit.Reset();
        g_Stage.SetDefault();
    }
    static void Clean() {
        for (const char* f : {kStage, kOther, kOld, kOldNew, kOldMoved, kWorkCopy, kPal, kCommon,
                              "data\\work\\c.stg4_247", "data\\plt4\\q.plt4"}) {
            SetFileAttributesA(f, FILE_ATTRIBUTE_NORMAL);
            DeleteFileA(f);
        }
        RemoveDirectoryA("data\\stg4\\old_ver");
    }

    KeepProjectGlobals m_Keep;

    void Run(const FileCase& c) {
        SCOPED_TRACE(c.what);
        SetUp();
        c.setup();
        TestAppWindow app;
        cStageEditorDlg dlg(IDD_STAGE_EDITOR, nullptr, kWndDialog, nullptr);
        {
            DialogScript script(c.answers, c.files);
            dlg.OnCommand(MAKEWPARAM(c.command, 0), 0);
            EXPECT_EQ(c.boxes, script.boxes);
            EXPECT_EQ(0, script.unexpected);
            EXPECT_TRUE(script.Done()) << "a box or dialog the script expected did not come";
        }
        EXPECT_FALSE(app.Destroyed()) << "the editor ended";
        c.check();
        TearDown();
    }
};

TEST_F(StageFiles, CommandsOnDisk) {
    const std::string stage = Full(kStage);
    const std::string other = Full(kOther);
    const std::string old = Full(kOld);
    const std::string failed = std::string("ステージファイル ") + kStage + " の読み込みに失敗しました！";
    auto expectOpen = [](int mark, const char* path) {
        EXPECT_EQ(1, g_StageEdit.m_bOpen);
        EXPECT_EQ(std::string(path), g_StageEdit.m_strPath.c_str());
        EXPECT_EQ(mark, g_Stage.m_Blocks[3].m_Graphic);
    };
    const FileCase cases[] = {
        {"open a stage", [] { WriteStage(kStage, 7); g_StageEdit.Reset(); g_Stage.SetDefault(); },
         ID_FILE_OPEN, {}, {stage}, {},
         [&] {
             expectOpen(7, kStage);
             EXPECT_EQ(0, g_StageEdit.m_bModified);
         }},
        {"open cancelled: nothing changes", [] { WriteStage(kOther, 7); OpenMarked(0); },
         ID_ACC_OPEN, {}, {""}, {},
         [&] { expectOpen(5, kStage); }},
        {"open over unsaved changes: the question cancelled keeps the stage", [] { OpenMarked(1); },
         ID_FILE_OPEN, {IDCANCEL}, {}, {kAskStage},
         [&] {
             expectOpen(5, kStage);
             EXPECT_EQ(1, g_StageEdit.m_bModified);
         }},
        {"open over unsaved changes: saved first, then the other stage", [] { WriteStage(kOther, 8); OpenMarked(1); },
         ID_FILE_OPEN, {IDYES}, {other}, {kAskStage},
         [&] {
             EXPECT_EQ(5, MarkOnDisk(kStage));
             expectOpen(8, kOther);
         }},
        {"open a broken file: its copy in data\\work\\ put back",
         [] {
             WriteStage(kStage, 7);
             ASSERT_TRUE(CopyFileA(kStage, kWorkCopy, FALSE));
             WriteWholeFile(kStage, ReadWholeFile(kStage).substr(0, 100));
             g_StageEdit.Reset();
             g_Stage.SetDefault();
         },
         ID_FILE_OPEN, {IDOK}, {stage},
         {std::string("破損ファイル ") + kStage +
          " を復旧しました！\n※ただし、前回の更新内容が保存されていない可能性があります…"},
         [&] {
             expectOpen(7, kStage);
             EXPECT_EQ(7, MarkOnDisk(kStage));
             EXPECT_FALSE(FileExists(kWorkCopy));
         }},
        {"open a broken file without a copy: told, and the open stage stays",
         [] {
             WriteWholeFile(kStage, std::string("\xf8\0\0\0garbage", 11));
             OpenMarked(1);
             g_StageEdit.m_strPath = kOther;
         },
         ID_FILE_OPEN, {IDNO, IDOK, IDOK}, {stage},
         {kAskStage,
          std::string("破損ファイル ") + kStage +
              " を復旧できませんでした！\n※バックアップがないため、ファイルはそのまま残してあります。",
          failed},
         [&] {
             expectOpen(5, kOther);
             EXPECT_EQ(1, g_StageEdit.m_bModified);
         }},
        {"plain save of a modified stage: stage and common palette written, no copy left", [] { OpenMarked(1); },
         ID_ACC_SAVE, {}, {}, {},
         [&] {
             EXPECT_EQ(5, MarkOnDisk(kStage));
             EXPECT_TRUE(FileExists(kCommon));
             EXPECT_FALSE(FileExists(kWorkCopy));
             EXPECT_EQ(0, g_StageEdit.m_bModified);
         }},
        {"plain save of an unmodified stage writes only the common palette",
         [] { WriteStage(kStage, 9); OpenMarked(0); },
         ID_FILE_SAVE, {}, {}, {},
         [&] {
             EXPECT_EQ(9, MarkOnDisk(kStage));
             EXPECT_TRUE(FileExists(kCommon));
         }},
        {"plain save of a never saved stage asks for a name",
         [] { OpenMarked(1); g_StageEdit.m_strPath = ""; },
         ID_FILE_SAVE, {}, {other}, {},
         [&] {
             EXPECT_EQ(5, MarkOnDisk(kOther));
             EXPECT_EQ(std::string(kOther), g_StageEdit.m_strPath.c_str());
         }},
        {"plain save to a file held open by another program: told, the file kept, still modified",
         [] {
             WriteStage(kStage, 9);
             s_Held = CreateFileA(kStage, GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
             ASSERT_NE(INVALID_HANDLE_VALUE, s_Held);
             OpenMarked(1);
         },
         ID_FILE_SAVE, {IDOK}, {}, {std::string("ステージファイル ") + kStage + " の保存に失敗しました！"},
         [&] {
             CloseHandle(s_Held);
             EXPECT_EQ(9, MarkOnDisk(kStage));
             EXPECT_EQ(1, g_StageEdit.m_bModified);
         }},
        {"save under a new name: the old file untouched",
         [] { WriteStage(kStage, 9); OpenMarked(0); },
         ID_FILE_SAVE_AS, {}, {other}, {},
         [&] {
             EXPECT_EQ(9, MarkOnDisk(kStage));
             EXPECT_EQ(5, MarkOnDisk(kOther));
             EXPECT_EQ(std::string(kOther), g_StageEdit.m_strPath.c_str());
         }},
        {"save under a new name cancelled: the common palette is still written",
         [] { OpenMarked(1); },
         ID_FILE_SAVE_AS, {}, {""}, {},
         [&] {
             EXPECT_TRUE(FileExists(kCommon));
             EXPECT_FALSE(FileExists(kStage));
             EXPECT_EQ(1, g_StageEdit.m_bModified);
             EXPECT_EQ(std::string(kStage), g_StageEdit.m_strPath.c_str());
         }},
        {"close asks; No drops the changes", [] { WriteStage(kStage, 9); OpenMarked(1); },
         ID_FILE_CLOSE, {IDNO}, {}, {kAskStage},
         [&] {
             EXPECT_EQ(9, MarkOnDisk(kStage));
             EXPECT_EQ(0, g_StageEdit.m_bOpen);
             EXPECT_TRUE(g_StageEdit.m_strPath.empty());
             EXPECT_EQ(0, g_Stage.m_Blocks[3].m_Graphic);
             EXPECT_EQ(20, g_Stage.m_Width);
         }},
        {"close asks; Yes saves, then closes", [] { WriteStage(kStage, 9); OpenMarked(1); },
         ID_FILE_CLOSE, {IDYES}, {}, {kAskStage},
         [&] {
             EXPECT_EQ(5, MarkOnDisk(kStage));
             EXPECT_EQ(0, g_StageEdit.m_bOpen);
         }},
        {"close asks; Cancel keeps the stage", [] { OpenMarked(1); },
         ID_FILE_CLOSE, {IDCANCEL}, {}, {kAskStage},
         [&] {
             expectOpen(5, kStage);
             EXPECT_EQ(1, g_StageEdit.m_bModified);
         }},
        {"close asks; Yes with the save dialog cancelled keeps the stage",
         [] { OpenMarked(1); g_StageEdit.m_strPath = ""; },
         ID_FILE_CLOSE, {IDYES}, {""}, {kAskStage},
         [&] {
             EXPECT_EQ(1, g_StageEdit.m_bOpen);
             EXPECT_EQ(5, g_Stage.m_Blocks[3].m_Graphic);
         }},
        {"close of an unmodified stage asks nothing", [] { OpenMarked(0); },
         ID_FILE_CLOSE, {}, {}, {},
         [&] { EXPECT_EQ(0, g_StageEdit.m_bOpen); }},
        {"clear blocks, then saved: the file holds no blocks",
         [] { OpenMarked(0); g_Stage.m_Items[4].m_Graphic = 2; },
         ID_CLEAR_BLOCKS, {IDYES}, {}, {"全てのブロックをクリアしますか？"},
         [&] {
             EXPECT_EQ(1, g_StageEdit.m_bModified);
             cStageEditorDlg dlg(IDD_STAGE_EDITOR, nullptr, kWndDialog, nullptr);
             ASSERT_EQ(1, dlg.SaveStage(1));
             cEdStage back;
             ASSERT_EQ(1, ReadStageFile(back, kStage));
             EXPECT_EQ(0, back.m_Blocks[3].m_Graphic);
             EXPECT_EQ(2, back.m_Items[4].m_Graphic);
             EXPECT_EQ(1, back.m_Charas[0].m_Graphic);
         }},
        {"clear all", [] { OpenMarked(0); g_Stage.m_Items[4].m_Graphic = 2; },
         ID_CLEAR_ALL, {IDYES}, {}, {"全ての配置データ（ブロック・キャラ・アイテム）をクリアしますか？"},
         [&] {
             EXPECT_EQ(0, g_Stage.m_Blocks[3].m_Graphic);
             EXPECT_EQ(0, g_Stage.m_Charas[0].m_Graphic);
             EXPECT_EQ(0, g_Stage.m_Items[4].m_Graphic);
             EXPECT_EQ(g_Stage.LayerSize(), static_cast<int>(g_Stage.m_Items.size()));
         }},
        {"clear characters", [] { OpenMarked(0); },
         ID_CLEAR_CHARAS, {IDYES}, {}, {"全てのキャラをクリアしますか？"},
         [&] {
             EXPECT_EQ(0, g_Stage.m_Charas[0].m_Graphic);
             EXPECT_EQ(5, g_Stage.m_Blocks[3].m_Graphic);
         }},
        {"clear items declined changes nothing", [] { OpenMarked(0); g_Stage.m_Items[4].m_Graphic = 2; },
         ID_CLEAR_ITEMS, {IDNO}, {}, {"全てのアイテムをクリアしますか？"},
         [&] {
             EXPECT_EQ(2, g_Stage.m_Items[4].m_Graphic);
             EXPECT_EQ(0, g_StageEdit.m_bModified);
             EXPECT_EQ(0, g_StageEdit.m_nUndo);
         }},
        {"stage palette saved to a file", [] { OpenMarked(0); PaletteWithMark(g_Stage, 44); },
         ID_STAGE_PAL_SAVE, {}, {Full(kPal)}, {},
         [&] { EXPECT_EQ(44, PaletteMarkOnDisk(kPal)); }},
        {"stage palette loaded from a file",
         [] {
             cEdStage from;
             from.SetDefault();
             PaletteWithMark(from, 45);
             ASSERT_EQ(1, from.SavePalette(kPal));
             OpenMarked(0);
         },
         ID_STAGE_PAL_LOAD, {}, {Full(kPal)}, {},
         [&] {
             ASSERT_EQ(2u, g_Stage.m_PalBlocks.size());
             EXPECT_EQ(45, g_Stage.m_PalBlocks[1].m_Graphic);
             EXPECT_EQ(1, g_StageEdit.m_bModified);
             EXPECT_EQ(1, g_StageEdit.m_bOpen);
         }},
        {"a stage palette file that fails to load: told, the palette and the stage stay",
         [] {
             WriteWholeFile(kPal, std::string("\xf8\0\0\0\x05\0\0\0", 8));
             OpenMarked(0);
             PaletteWithMark(g_Stage, 46);
         },
         ID_STAGE_PAL_LOAD, {IDOK}, {Full(kPal)},
         {std::string("ステージパレットファイル ") + Full(kPal) + " の読み込みに失敗しました！"},
         [&] {
             ASSERT_EQ(2u, g_Stage.m_PalBlocks.size());
             EXPECT_EQ(46, g_Stage.m_PalBlocks[1].m_Graphic);
             expectOpen(5, kStage);
             EXPECT_EQ(0, g_StageEdit.m_bModified);
         }},
    };
    for (const FileCase& c : cases) Run(c);
}

// A stage read from a file of the previous version: the plain save proposes
// the same name with the current extension, and the old file is then moved,
// kept or deleted as the project option says; another name leaves it alone.
TEST_F(StageFiles, OlderVersionFileOnPlainSave) {
    struct Case {
        const char* what;
        int option;
        bool sameName;
        bool oldStays;     // at its own place
        bool oldMoved;     // in old_ver
    };
    const Case cases[] = {
        {"moved to old_ver", 0, true, false, true},
        {"kept", 1, true, true, false},
        {"deleted", 2, true, false, false},
        {"another name: left alone", 0, false, true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        SetUp();
        WriteStage(kOld, 9);
        OpenMarked(1);
        g_StageEdit.m_strPath = kOld;
        g_PrjOption.m_nOldVerStage = c.option;
        TestAppWindow app;
        cStageEditorDlg dlg(IDD_STAGE_EDITOR, nullptr, kWndDialog, nullptr);
        const std::string target = Full(c.sameName ? kOldNew : kOther);
        DialogScript script({}, {target});
        dlg.OnCommand(MAKEWPARAM(ID_ACC_SAVE, 0), 0);
        ASSERT_EQ(1u, script.proposed.size());
        EXPECT_NE(std::string::npos, script.proposed[0].find("c.stg4_248")) << script.proposed[0];
        EXPECT_EQ(5, MarkOnDisk(c.sameName ? kOldNew : kOther));
        EXPECT_EQ(c.sameName ? kOldNew : kOther, std::string(g_StageEdit.m_strPath.c_str()));
        EXPECT_EQ(c.oldStays, FileExists(kOld));
        EXPECT_EQ(c.oldMoved, FileExists(kOldMoved));
        if (c.oldMoved) {
            EXPECT_EQ(9, MarkOnDisk(kOldMoved));
        }
        EXPECT_EQ(0, g_StageEdit.m_bModified);
        DeleteFileA(kOther);
        TearDown();
    }
}

// The questions when the stage editor closes: false keeps the editor.
TEST_F(StageFiles, ConfirmSaveBeforeTheEditorEnds) {
    struct Case {
        const char* what;
        int modified;
        int commonModified;
        const char* path;
        std::vector<int> answers;
        std::vector<std::string> files;
        int result;
        int stageMark;      // on disk afterwards, -1 none
        bool commonWritten;
    };
    const Case cases[] = {
        {"nothing changed asks nothing", 0, 0, kStage, {}, {}, 1, -1, false},
        {"stage: No", 1, 0, kStage, {IDNO}, {}, 1, -1, false},
        {"stage: Cancel", 1, 0, kStage, {IDCANCEL}, {}, 0, -1, false},
        {"stage: Yes saves", 1, 0, kStage, {IDYES}, {}, 1, 5, false},
        {"stage: Yes, save dialog cancelled", 1, 0, "", {IDYES}, {""}, 0, -1, false},
        {"common palette: Yes saves it", 0, 1, kStage, {IDYES}, {}, 1, -1, true},
        {"common palette: Cancel", 0, 1, kStage, {IDCANCEL}, {}, 0, -1, false},
        {"both: stage No, common palette Yes", 1, 1, kStage, {IDNO, IDYES}, {}, 1, -1, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        SetUp();
        OpenMarked(c.modified);
        g_StageEdit.m_strPath = c.path;
        g_StageEdit.m_bCommonModified = c.commonModified;
        TestAppWindow app;
        cStageEditorDlg dlg(IDD_STAGE_EDITOR, nullptr, kWndDialog, nullptr);
        DialogScript script(c.answers, c.files);
        EXPECT_EQ(c.result, dlg.ConfirmSave());
        EXPECT_TRUE(script.Done());
        EXPECT_EQ(0, script.unexpected);
        std::vector<std::string> asked;
        if (c.modified) asked.push_back(kAskStage);
        if (c.commonModified && !(c.modified && c.answers[0] == IDCANCEL)) asked.push_back(kAskCommon);
        EXPECT_EQ(asked, script.boxes);
        EXPECT_EQ(c.stageMark, MarkOnDisk(kStage));
        EXPECT_EQ(c.commonWritten, FileExists(kCommon));
        TearDown();
    }
}

}  // namespace
