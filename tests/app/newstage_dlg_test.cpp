// The new stage dialog driven by input: where the new stage and its three
// stage palettes come from, the confirmation and error boxes with their
// texts, what stays when a creation fails, the remembered choices and the
// palette file controls that follow the palette source.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "app/newstage_dlg.h"
#include "app/newstage_dlg_res.h"
#include "app/stage_edit.h"
#include "base/record.h"
#include "model/palette.h"
#include "model/prjoption.h"
#include "model/stage.h"
#include "tests/support/gui.h"
#include "tests/support/test_env.h"
#include "ui/registry.h"

namespace {

const char kConfirm[] = "新規作成の確認|現在のステージは破棄されます。\n新規作成しますか？\n";

// Answers every message box of this thread as soon as it is initialised: the
// confirmation with the button given, any other box with OK. Keeps
// "caption|text" of each.
class BoxAnswers {
public:
    explicit BoxAnswers(int confirm) {
        s_Confirm = confirm;
        s_Seen.clear();
        m_Hook = SetWindowsHookExA(WH_CALLWNDPROCRET, Proc, nullptr, GetCurrentThreadId());
    }
    ~BoxAnswers() { UnhookWindowsHookEx(m_Hook); }
    static std::vector<std::string> s_Seen;

private:
    static LRESULT CALLBACK Proc(int code, WPARAM wp, LPARAM lp) {
        const CWPRETSTRUCT* m = reinterpret_cast<const CWPRETSTRUCT*>(lp);
        if (code == HC_ACTION && m->message == WM_INITDIALOG && GetDlgItem(m->hwnd, 0xFFFF)) {
            char caption[256] = "", text[1024] = "";
            GetWindowTextA(m->hwnd, caption, sizeof caption);
            GetDlgItemTextA(m->hwnd, 0xFFFF, text, sizeof text);
            s_Seen.push_back(std::string(caption) + "|" + text);
            const int button = lstrcmpA(caption, "新規作成の確認") == 0 ? s_Confirm : IDOK;
            PostMessageA(m->hwnd, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0);
        }
        return CallNextHookEx(nullptr, code, wp, lp);
    }
    static int s_Confirm;
    HHOOK m_Hook;
};
std::vector<std::string> BoxAnswers::s_Seen;
int BoxAnswers::s_Confirm = IDYES;

// A stage file of the given width whose first stage palette block shows graphic.
void WriteStage(const char* path, int width, int paletteEntries, int graphic) {
    cEdStage s;
    s.SetDefault();
    s.SetSize(width, 15, 0, 0);
    s.m_PalBlocks.resize(static_cast<size_t>(paletteEntries));
    s.m_PalBlocks[1].m_Graphic = static_cast<int16_t>(graphic);
    ASSERT_EQ(1, SaveStageFile(s, path));
}

// A stage palette file with n entries of each kind; entry 1 shows graphic.
void WritePalette(const char* path, int n, int graphic) {
    cEdStage s;
    s.SetDefault();
    s.m_PalBlocks.resize(static_cast<size_t>(n));
    s.m_PalCharas.resize(static_cast<size_t>(n));
    s.m_PalItems.resize(static_cast<size_t>(n));
    s.m_PalBlocks[1].m_Graphic = static_cast<int16_t>(graphic);
    ASSERT_EQ(1, s.SavePalette(path));
}

// Chooses a palette source as the user does: the combo box takes the focus
// and the arrow keys walk to the position.
void ChooseSource(HWND dlg, int position) {
    HWND combo = GetDlgItem(dlg, IDC_NEWSTAGE_PALETTE_SOURCE);
    ASSERT_TRUE(BringToFront(dlg));
    SetFocus(combo);
    PressKey(VK_HOME);
    for (int i = 0; i < position; ++i) PressKey(VK_DOWN);
    ASSERT_TRUE(PumpUntil([&] { return SendMessageA(combo, CB_GETCURSEL, 0, 0) == position; }));
}

struct NewCase {
    const char* what;
    int open;              // a stage is open
    int confirm;           // the answer to the confirmation
    const char* templ;     // typed into the template edit
    int source;            // palette source chosen
    const char* palette;   // typed into the palette file edit
    int result;
    std::vector<std::string> boxes;
    int width;             // of g_Stage afterwards (the old stage is 40 wide)
    int blocks;            // stage palette blocks afterwards
    int graphic;           // graphic of stage palette block 1 afterwards
};

const char kMissingTemplate[] = "エラー|ステージファイル data\\stg4\\none.stg4_248 が見つかりません！";
const char kMissingPalette[] = "エラー|ステージパレットファイル data\\plt4\\none.plt4 が見つかりません！";
const char kBadPalette[] = "エラー|ステージパレットファイル data\\plt4\\bad.plt4 が読み込めません！";

// The old stage: 40 wide, 3 block entries, block 1 showing 77. The common
// palette: 4 entries, block 1 showing 55. Template t: copies 100 (30 wide)
// and 248 (36 wide, 5 entries, block 1 showing 66). Palette p.plt4: 6
// entries, block 1 showing 88. The project's default block shows 12.
const NewCase kCases[] = {
    {"nothing open: default stage without a question", 0, IDYES, "", 0, "", 1, {}, 20, 2, 12},
    {"open stage kept on No", 1, IDNO, "", 0, "", 0, {kConfirm}, 40, 3, 77},
    {"template named by an older copy loads the newest", 1, IDYES, "data\\stg4\\t.stg4_100", 0, "", 1,
     {kConfirm}, 36, 5, 66},
    {"template named by a copy that is gone loads the newest", 1, IDYES, "data\\stg4\\t.stg4_200", 0, "", 1,
     {kConfirm}, 36, 5, 66},
    {"missing template keeps the stage", 1, IDYES, "data\\stg4\\none.stg4_248", 0, "", 0,
     {kConfirm, kMissingTemplate}, 40, 3, 77},
    {"no palette data: a default and the project's record", 1, IDYES, "data\\stg4\\t.stg4_248", 1, "", 1,
     {kConfirm}, 36, 2, 12},
    {"common palette copied", 0, IDYES, "", 2, "", 1, {}, 20, 4, 55},
    {"palette file loaded over the template", 0, IDYES, "data\\stg4\\t.stg4_248", 3, "data\\plt4\\p.plt4", 1, {},
     36, 6, 88},
    {"missing palette file keeps the stage", 1, IDYES, "", 3, "data\\plt4\\none.plt4", 0,
     {kConfirm, kMissingPalette}, 40, 3, 77},
    {"palette file that does not read keeps the stage and the editor", 1, IDYES, "data\\stg4\\t.stg4_248", 3,
     "data\\plt4\\bad.plt4", 0, {kConfirm, kBadPalette}, 40, 3, 77},
};

class NewStageDlgTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetDataVersion(248, 0);
        CreateDirectoryA("data", nullptr);
        CreateDirectoryA("data\\stg4", nullptr);
        CreateDirectoryA("data\\plt4", nullptr);
        CreateDirectoryA("data\\work", nullptr);
        CreateDirectoryA("e_data", nullptr);
        g_PrjOption.SetDefault();
        g_PrjOption.m_DefBlock.m_Graphic = 12;
        g_CommonPalette.SetDefault();
        g_CommonPalette.Validate();
        g_NewStageTemplatePath = "";
        g_NewStagePaletteSource = 0;
        g_NewStagePalettePath = "";
    }
    void TearDown() override {
        PumpMessages(10);
        EXPECT_TRUE(g_WndRegistry.m_Wnds.empty());
        g_StageEdit.Reset();
        g_Stage.SetDefault();
    }
    // The stage being edited before the dialog runs.
    static void OldStage(int open) {
        g_Stage.SetDefault();
        g_Stage.SetSize(40, 15, 0, 0);
        g_Stage.m_PalBlocks.resize(3);
        g_Stage.m_PalBlocks[1].m_Graphic = 77;
        g_Stage.m_UndoCount = 3;
        g_StageEdit.Reset();
        g_StageEdit.m_bOpen = open;
        g_StageEdit.m_strPath = "data\\stg4\\old.stg4_248";
        g_StageEdit.AllocUndo(g_Stage.m_UndoCount, g_Stage.m_Pitch, g_Stage.m_Height);
    }
    TestAppWindow m_App;
};

TEST_F(NewStageDlgTest, MakesTheStageFromTheTemplateAndPaletteSource) {
    WriteStage("data\\stg4\\t.stg4_100", 30, 2, 11);
    WriteStage("data\\stg4\\t.stg4_248", 36, 5, 66);
    WritePalette("data\\plt4\\p.plt4", 6, 88);
    ASSERT_TRUE(WriteWholeFile("data\\plt4\\bad.plt4", "not a palette"));
    for (const NewCase& c : kCases) {
        SCOPED_TRACE(c.what);
        g_CommonPalette.m_Blocks.resize(4);
        g_CommonPalette.m_Charas.resize(4);
        g_CommonPalette.m_Items.resize(4);
        g_CommonPalette.m_Blocks[0].m_Graphic = 9;
        g_CommonPalette.m_Blocks[1].m_Graphic = 55;
        OldStage(c.open);
        DeleteFileA("e_data\\EditConfig.dat");
        BoxAnswers answers(c.confirm);
        cNewStageDlg dlg(IDD_NEW_STAGE, nullptr, kWndDialog, &g_WndRegistry);
        const int result = RunModalScripted(&dlg, kRunDisableOthers, [&](HWND wnd) {
            SetDlgItemTextA(wnd, IDC_NEWSTAGE_TEMPLATE, c.templ);
            ChooseSource(wnd, c.source);
            SetDlgItemTextA(wnd, IDC_NEWSTAGE_PALETTE_PATH, c.palette);
            ClickWindow(GetDlgItem(wnd, kIdOk));
            PumpUntil([&] { return !IsWindow(wnd); });
        });
        EXPECT_EQ(c.result, result);
        EXPECT_EQ(c.boxes, BoxAnswers::s_Seen);
        EXPECT_EQ(c.width, g_Stage.m_Width);
        ASSERT_EQ(c.blocks, static_cast<int>(g_Stage.m_PalBlocks.size()));
        EXPECT_EQ(c.graphic, g_Stage.m_PalBlocks[1].m_Graphic);
        EXPECT_FALSE(m_App.Destroyed()) << "the editor goes on";
        if (c.result) {
            EXPECT_EQ(1, g_StageEdit.m_bOpen);
            EXPECT_EQ("", g_StageEdit.m_strPath) << "saving goes through the save dialog";
            EXPECT_TRUE(FileExists("e_data\\EditConfig.dat"));
            if (c.source == 2) {
                EXPECT_EQ(0, g_Stage.m_PalBlocks[0].m_Graphic) << "entry 0 at its defaults";
                EXPECT_EQ(4, static_cast<int>(g_Stage.m_PalCharas.size()));
                EXPECT_EQ(0, g_Stage.m_PalBlocks[1].m_InheritKind) << "the shipped defaults link nothing";
            }
            // what a save of the new stage holds
            ASSERT_EQ(1, SaveStageFile(g_Stage, "data\\stg4\\new.stg4_248"));
            cEdStage back;
            ASSERT_EQ(1, LoadStageFile(back, "data\\stg4\\new.stg4_248"));
            EXPECT_EQ(c.width, back.m_Width);
            ASSERT_EQ(c.blocks, static_cast<int>(back.m_PalBlocks.size()));
            EXPECT_EQ(c.graphic, back.m_PalBlocks[1].m_Graphic);
        } else {
            EXPECT_EQ(c.open, g_StageEdit.m_bOpen);
            EXPECT_EQ("data\\stg4\\old.stg4_248", g_StageEdit.m_strPath);
            EXPECT_FALSE(FileExists("e_data\\EditConfig.dat"));
            // the histories fit the stage that stays, emptied or not
            ASSERT_EQ(3, static_cast<int>(g_StageEdit.m_UndoBlock.size()));
            EXPECT_EQ(g_Stage.m_Pitch * g_Stage.m_Height, static_cast<int>(g_StageEdit.m_UndoBlock[0].size()));
        }
    }
}

TEST_F(NewStageDlgTest, CommonPaletteEntriesLinkAsTheProjectSays) {
    const int k = DefInheritIndex(kInheritStage, kObjChara);
    g_PrjOption.m_nDefInheritSrc[k] = 1;
    for (auto& flag : g_PrjOption.m_bbDefInherit[k]) flag = 1;
    g_CommonPalette.m_Charas.resize(3);
    g_CommonPalette.m_Charas[2].m_Graphic = 42;
    OldStage(0);
    g_NewStagePaletteSource = 2;
    cNewStageDlg dlg(IDD_NEW_STAGE, nullptr, kWndDialog, &g_WndRegistry);
    EXPECT_EQ(1, RunModalScripted(&dlg, 0, [&](HWND wnd) {
        ClickWindow(GetDlgItem(wnd, kIdOk));
        PumpUntil([&] { return !IsWindow(wnd); });
    }));
    ASSERT_EQ(3, static_cast<int>(g_Stage.m_PalCharas.size()));
    EXPECT_EQ(0, g_Stage.m_PalCharas[0].m_InheritKind);
    for (int i = 1; i < 3; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(1, g_Stage.m_PalCharas[i].m_InheritKind);
        EXPECT_EQ(i, g_Stage.m_PalCharas[i].m_InheritIndex);
    }
    EXPECT_EQ(42, g_Stage.m_PalCharas[2].m_Graphic);
    g_PrjOption.SetDefault();
}

TEST_F(NewStageDlgTest, ChoicesComeBackAfterOkAndStayOnCancel) {
    OldStage(1);
    struct Run {
        const char* what;
        int confirm;
        int button;          // kIdOk, kIdCancel, or 0 for the close box
        const char* templ;   // typed
        const char* shownAfter;  // the template edit at the next opening
    };
    const Run runs[] = {
        {"an OK that fails still stores the choices", IDYES, kIdOk, "data\\stg4\\gone.stg4_248",
         "data\\stg4\\gone.stg4_248"},
        {"cancel stores nothing", IDYES, kIdCancel, "data\\stg4\\other.stg4_248", "data\\stg4\\gone.stg4_248"},
        {"the close box stores nothing", IDYES, 0, "data\\stg4\\other.stg4_248", "data\\stg4\\gone.stg4_248"},
        {"No at the question stores nothing", IDNO, kIdOk, "data\\stg4\\other.stg4_248",
         "data\\stg4\\gone.stg4_248"},
    };
    for (const Run& r : runs) {
        SCOPED_TRACE(r.what);
        BoxAnswers answers(r.confirm);
        cNewStageDlg dlg(IDD_NEW_STAGE, nullptr, kWndDialog, &g_WndRegistry);
        EXPECT_EQ(0, RunModalScripted(&dlg, 0, [&](HWND wnd) {
            SetDlgItemTextA(wnd, IDC_NEWSTAGE_TEMPLATE, r.templ);
            if (r.button)
                ClickWindow(GetDlgItem(wnd, r.button));
            else
                PostMessageA(wnd, WM_SYSCOMMAND, SC_CLOSE, 0);
            PumpUntil([&] { return !IsWindow(wnd); });
        }));
        cNewStageDlg next(IDD_NEW_STAGE, nullptr, kWndDialog, &g_WndRegistry);
        RunModalScripted(&next, 0, [&](HWND wnd) {
            char text[300] = "";
            GetDlgItemTextA(wnd, IDC_NEWSTAGE_TEMPLATE, text, sizeof text);
            EXPECT_STREQ(r.shownAfter, text);
            SendMessageA(wnd, WM_CLOSE, 0, 0);
        });
        EXPECT_EQ(40, g_Stage.m_Width);
    }
}

TEST_F(NewStageDlgTest, PaletteFileControlsFollowTheSource) {
    g_NewStagePaletteSource = 3;
    cNewStageDlg dlg(IDD_NEW_STAGE, nullptr, kWndDialog, &g_WndRegistry);
    RunModalScripted(&dlg, 0, [&](HWND wnd) {
        char caption[64] = "";
        GetWindowTextA(wnd, caption, sizeof caption);
        EXPECT_STREQ("ステージの新規作成", caption);
        HWND edit = GetDlgItem(wnd, IDC_NEWSTAGE_PALETTE_PATH);
        HWND browse = GetDlgItem(wnd, IDC_NEWSTAGE_PALETTE_BROWSE);
        EXPECT_TRUE(IsWindowEnabled(edit)) << "the remembered source 3 enables them";
        const int positions[] = {0, 3, 1, 3, 2};
        for (int pos : positions) {
            SCOPED_TRACE(pos);
            ChooseSource(wnd, pos);
            const bool on = pos == 3;
            EXPECT_TRUE(PumpUntil([&] { return (IsWindowEnabled(edit) != 0) == on; }));
            EXPECT_EQ(on, IsWindowEnabled(browse) != 0);
        }
        char item[128] = "";
        SendDlgItemMessageA(wnd, IDC_NEWSTAGE_PALETTE_SOURCE, CB_GETLBTEXT, 3, reinterpret_cast<LPARAM>(item));
        EXPECT_STREQ("ステージパレットファイルからコピー", item);
        EXPECT_EQ(4, SendDlgItemMessageA(wnd, IDC_NEWSTAGE_PALETTE_SOURCE, CB_GETCOUNT, 0, 0));
        ClickWindow(GetDlgItem(wnd, kIdCancel));
        PumpUntil([&] { return !IsWindow(wnd); });
    });
    EXPECT_EQ(3, g_NewStagePaletteSource) << "cancel keeps the last stored source";
}

}  // namespace
