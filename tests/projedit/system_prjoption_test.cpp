// The project options sheet (general and default inheritance pages), saved
// to "data\PrjOption.dat"; the edit options and the stage options dialogs.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>
#include <prsht.h>

#include <set>
#include <string>

#include "app/project_editors.h"
#include "app/services.h"
#include "app/stage_edit.h"
#include "base/sysreport.h"
#include "model/prjoption.h"
#include "model/stage.h"
#include "objedit/blockpage_res.h"
#include "objedit/blocksheet.h"
#include "objedit/charapage_basic_res.h"
#include "objedit/charasheet.h"
#include "objedit/itempage_basic_res.h"
#include "objedit/itemsheet.h"
#include "projedit/prjoption_editopt.h"
#include "projedit/prjoption_general.h"
#include "projedit/prjoption_inherit.h"
#include "projedit/prjoption_stageopt.h"
#include "projedit/prjoptionsheet.h"
#include "tests/support/gui.h"
#include "tests/support/test_env.h"
#include "ui/registry.h"

namespace {

const int kApplyButton = 0x3021;

class PrjOptionTest : public ::testing::Test {
protected:
    void SetUp() override {
        CreateDirectoryA("data", nullptr);
        g_PrjOption.SetDefault();
        ASSERT_TRUE(g_PrjOption.Save(g_PrjOptionPath.c_str()));
    }
    void TearDown() override {
        cPropSheet** holder = PrjOptionSheetHolder();
        if (*holder) {
            cPropSheet* sheet = *holder;
            *holder = nullptr;
            delete sheet;
        }
        cPrjOptionPageGeneral::s_OpenDefaultSheet = nullptr;
        PumpMessages(10);
        EXPECT_TRUE(g_WndRegistry.m_Sheets.empty());
        EXPECT_TRUE(g_WndRegistry.m_Wnds.empty());
    }
    cPrjOptionSheet* Sheet() { return static_cast<cPrjOptionSheet*>(*PrjOptionSheetHolder()); }
    void Open() {
        OpenPrjOptionSheet(nullptr, &g_WndRegistry);
        ASSERT_NE(nullptr, Sheet());
        ASSERT_TRUE(PumpUntil([&] { return Sheet()->m_pGeneral->m_bReady != 0; }));
    }
    HWND InheritPage() {
        SendMessageA(Sheet()->m_hWnd, PSM_SETCURSEL, 1, 0);
        EXPECT_TRUE(PumpUntil([&] { return Sheet()->m_pInherit->m_bReady != 0; }));
        return Sheet()->m_pInherit->m_hWnd;
    }
    bool SheetGone() {
        if (!Sheet()) return true;
        PostThreadMessageA(GetCurrentThreadId(), WM_NULL, 0, 0);
        return false;
    }
    void ClickSheet(int id) { ClickWindow(GetDlgItem(Sheet()->m_hWnd, id)); }
    TestAppWindow m_App;
};

TEST_F(PrjOptionTest, AutoGameProgramGreysThePathAndKeepsIt) {
    g_PrjOption.m_strGamePath = "game\\Game.exe";
    g_PrjOption.m_bAutoGame = 0;
    Open();
    char caption[64] = "";
    GetWindowTextA(Sheet()->m_hWnd, caption, sizeof caption);
    EXPECT_STREQ("プロジェクトオプション", caption);
    HWND page = Sheet()->m_pGeneral->m_hWnd;
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(page, 1372)));
    TourShot(Sheet()->m_hWnd, "prjoption_1");
    ClickWindow(GetDlgItem(page, 1373));
    ASSERT_TRUE(PumpUntil([&] { return !IsWindowEnabled(GetDlgItem(page, 1372)); }));
    ClickWindow(GetDlgItem(page, 1373));
    ASSERT_TRUE(PumpUntil([&] { return IsWindowEnabled(GetDlgItem(page, 1372)) != 0; }));
    ClickWindow(GetDlgItem(page, 1373));
    ASSERT_TRUE(PumpUntil([&] { return !IsWindowEnabled(GetDlgItem(page, 1372)); }));
    ClickSheet(IDOK);
    ASSERT_TRUE(PumpUntil([&] { return SheetGone(); }));
    cPrjOption saved;
    ASSERT_TRUE(saved.Load(g_PrjOptionPath.c_str()));
    EXPECT_EQ(1, saved.m_bAutoGame);
    EXPECT_EQ("game\\Game.exe", saved.m_strGamePath);
}

TEST_F(PrjOptionTest, InheritanceIdsAreAllDistinctCheckBoxesOfThePage) {
    Open();
    HWND page = InheritPage();
    std::set<int> seen;
    int n = 0;
    for (; kInheritCheckIds[n] != -1; ++n) {
        EXPECT_TRUE(seen.insert(kInheritCheckIds[n]).second) << kInheritCheckIds[n];
        HWND box = GetDlgItem(page, kInheritCheckIds[n]);
        ASSERT_NE(nullptr, box) << kInheritCheckIds[n];
        EXPECT_EQ(BS_AUTOCHECKBOX, GetWindowLongA(box, GWL_STYLE) & 0x0F) << kInheritCheckIds[n];
    }
    EXPECT_EQ(183, n);
    EXPECT_EQ(183u, Sheet()->m_pInherit->m_Checks.size());
    TourShot(Sheet()->m_hWnd, "prjoption_2");
}

TEST_F(PrjOptionTest, SourcesAndFlagsAreAppliedTwiceTheSame) {
    Open();
    HWND page = InheritPage();
    // "ステージ→配置" offers no common palette: position 1 stores 2
    HWND stagePlace = GetDlgItem(page, 1267);
    ASSERT_EQ(2, SendMessageA(stagePlace, CB_GETCOUNT, 0, 0));
    char text[64] = "";
    SendMessageA(stagePlace, CB_GETLBTEXT, 1, reinterpret_cast<LPARAM>(text));
    EXPECT_STREQ("ステージパレット", text);
    SendMessageA(stagePlace, CB_SETCURSEL, 1, 0);
    SendMessageA(page, WM_COMMAND, MAKEWPARAM(1267, CBN_SELCHANGE), reinterpret_cast<LPARAM>(stagePlace));
    HWND common = GetDlgItem(page, 1304);
    SendMessageA(common, CB_SETCURSEL, 1, 0);
    SendMessageA(page, WM_COMMAND, MAKEWPARAM(1304, CBN_SELCHANGE), reinterpret_cast<LPARAM>(common));
    struct Flag {
        int id;
        eInheritSituation sit;
        eObjType type;
        int index;
    };
    const Flag flags[] = {{1257, kInheritStage, kObjBlock, 0},        {11300, kInheritStagePlace, kObjBlock, 9},
                          {1375, kInheritStage, kObjChara, 36},       {1316, kInheritCommonPlace, kObjChara, 20},
                          {1362, kInheritStagePlace, kObjItem, 12},   {1350, kInheritCommonPlace, kObjItem, 0}};
    for (const Flag& f : flags) {
        int8_t was = g_PrjOption.m_bbDefInherit[DefInheritIndex(f.sit, f.type)][f.index];
        CheckDlgButton(page, f.id, was ? BST_UNCHECKED : BST_CHECKED);
    }
    cPrjOption before = g_PrjOption;
    ClickSheet(kApplyButton);
    ASSERT_TRUE(PumpUntil([&] { return !IsWindowEnabled(GetDlgItem(Sheet()->m_hWnd, kApplyButton)); }));
    std::string first = ReadWholeFile(g_PrjOptionPath.c_str());
    cPrjOption saved;
    ASSERT_TRUE(saved.Load(g_PrjOptionPath.c_str()));
    EXPECT_EQ(2, saved.m_nDefInheritSrc[DefInheritIndex(kInheritStagePlace, kObjChara)]);
    EXPECT_EQ(1, saved.m_nDefInheritSrc[DefInheritIndex(kInheritCommonPlace, kObjBlock)]);
    for (const Flag& f : flags)
        EXPECT_EQ(!before.m_bbDefInherit[DefInheritIndex(f.sit, f.type)][f.index],
                  saved.m_bbDefInherit[DefInheritIndex(f.sit, f.type)][f.index])
            << f.id;
    // a second Apply writes the same file
    SendMessageA(page, WM_COMMAND, MAKEWPARAM(1257, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(page, 1257)));
    ASSERT_TRUE(IsWindowEnabled(GetDlgItem(Sheet()->m_hWnd, kApplyButton)));
    DeleteFileA(g_PrjOptionPath.c_str());
    ClickSheet(kApplyButton);
    ASSERT_TRUE(PumpUntil([&] { return !IsWindowEnabled(GetDlgItem(Sheet()->m_hWnd, kApplyButton)); }));
    EXPECT_TRUE(first == ReadWholeFile(g_PrjOptionPath.c_str()));
    // the shown "ステージ→配置" value 2 comes back as position 1
    ClickSheet(IDCANCEL);
    ASSERT_TRUE(PumpUntil([&] { return SheetGone(); }));
    Open();
    page = InheritPage();
    EXPECT_EQ(1, SendDlgItemMessageA(page, 1267, CB_GETCURSEL, 0, 0));
}

TEST_F(PrjOptionTest, DefaultRecordButtonsSetTheEditContext) {
    int opened = -1;
    static int* s_Opened;
    s_Opened = &opened;
    cPrjOptionPageGeneral::s_OpenDefaultSheet = [](int kind, cDlg*, cWndRegistry*) -> cPropSheet** {
        *s_Opened = kind;
        return nullptr;
    };
    Open();
    HWND page = Sheet()->m_pGeneral->m_hWnd;
    ClickWindow(GetDlgItem(page, 1431));
    ASSERT_TRUE(PumpUntil([&] { return opened == 1; }));
    EXPECT_EQ(3, g_StageEdit.g_EditTarget);
    EXPECT_EQ(&g_PrjOption.m_DefChara, g_StageEdit.g_EditOriginal.m_pChara);
    EXPECT_TRUE(IsWindowEnabled(Sheet()->m_hWnd)) << "without a sheet the windows are enabled again";
}

// The buttons "ブロック", "キャラ" and "アイテム" open the definition sheet on the
// project's default record with every other window disabled; Apply there
// writes the default into the options (cancel afterwards takes nothing
// back), closing it enables the options again, and their OK saves the
// default into "data\PrjOption.dat". The page opens the same kind again
// after its first sheet closed.
TEST_F(PrjOptionTest, DefaultButtonsOpenTheSheetsAndApplyReachesTheFile) {
    struct Kind {
        const char* name;
        int button;
        int nameEdit;
        cPropSheet** holder;
        std::string (*saved)(const cPrjOption&);
    };
    const Kind kinds[] = {
        {"block", 1430, IDC_BP_NAME, &g_PrjOptionBlockSheet,
         [](const cPrjOption& o) { return std::string(o.m_DefBlock.m_Name.c_str()); }},
        {"chara", 1431, IDC_CB_NAME, &g_PrjOptionCharaSheet,
         [](const cPrjOption& o) { return std::string(o.m_DefChara.m_Name.c_str()); }},
        {"item", 1432, IDC_IB_NAME, &g_PrjOptionItemSheet,
         [](const cPrjOption& o) { return std::string(o.m_DefItem.m_Name.c_str()); }},
    };
    InstallDefaultSheetOpener();
    g_LastSheetPage[0] = g_LastSheetPage[1] = g_LastSheetPage[2] = 0;
    for (const Kind& k : kinds) {
        Open();
        HWND general = Sheet()->m_pGeneral->m_hWnd;
        std::string want;
        for (int round = 0; round < 2; ++round) {
            ClickWindow(GetDlgItem(general, k.button));
            ASSERT_TRUE(PumpUntil([&] { return *k.holder && (*k.holder)->m_hWnd && IsWindowVisible((*k.holder)->m_hWnd); }))
                << k.name;
            HWND defSheet = (*k.holder)->m_hWnd;
            EXPECT_EQ(3, g_StageEdit.g_EditTarget);
            EXPECT_FALSE(IsWindowEnabled(Sheet()->m_hWnd)) << k.name;
            HWND defPage = reinterpret_cast<HWND>(SendMessageA(defSheet, PSM_GETCURRENTPAGEHWND, 0, 0));
            HWND edit = GetDlgItem(defPage, k.nameEdit);
            ClickWindow(edit);
            ASSERT_TRUE(PumpUntil([&] { return GetFocus() == edit; }));
            PressKey(VK_END);
            for (int i = 0; i < 24; ++i) PressKey(VK_BACK);
            PressKey(round ? 'W' : 'V');
            PressKey('9');
            ASSERT_TRUE(PumpUntilIdle());
            ClickWindow(GetDlgItem(defSheet, kApplyButton));
            want = round ? "w9" : "v9";
            ASSERT_TRUE(PumpUntil([&] { return k.saved(g_PrjOption) == want; })) << k.name;
            ClickWindow(GetDlgItem(defSheet, IDCANCEL));
            ASSERT_TRUE(PumpUntil([&] {
                if (*k.holder) PostThreadMessageA(GetCurrentThreadId(), WM_NULL, 0, 0);
                return *k.holder == nullptr;
            })) << k.name;
            ASSERT_TRUE(PumpUntil([&] { return IsWindowEnabled(Sheet()->m_hWnd) != 0; })) << k.name;
            EXPECT_EQ(want, k.saved(g_PrjOption)) << "cancel after Apply keeps the default";
        }
        ClickSheet(IDOK);
        ASSERT_TRUE(PumpUntil([&] { return SheetGone(); }));
        cPrjOption saved;
        ASSERT_TRUE(saved.Load(g_PrjOptionPath.c_str()));
        EXPECT_EQ(want, k.saved(saved)) << k.name;
    }
}

TEST_F(PrjOptionTest, StageOptionsUndoCountWithinMemory) {
    struct Case {
        int from;
        const char* to;
        uint64_t freeMemory;
        int want;
        bool told;
    };
    const Case cases[] = {
        {1, "9", 1000, 1, true},                   // too little memory: the old count stays
        {5, "2", 0, 2, false},                     // lowering needs no memory
        {1, "3", uint64_t(1) << 40, 3, false},     // enough memory
    };
    for (const Case& c : cases) {
        static uint64_t s_Free;
        s_Free = c.freeMemory;
        g_StageOptionFreeMemory = [] { return s_Free; };
        g_Stage.m_UndoCount = c.from;
        g_StageEdit.m_bModified = 0;
        MsgBoxCatcher boxes;
        cStageOptionDlg dlg(nullptr, &g_WndRegistry);
        int r = RunModalScripted(&dlg, 0, [&](HWND wnd) {
            char caption[64] = "";
            GetWindowTextA(wnd, caption, sizeof caption);
            EXPECT_STREQ("ステージオプション", caption);
            if (c.from == 1 && c.want == 1) TourShot(wnd, "stage_option");
            SetDlgItemTextA(wnd, 1036, c.to);
            ClickWindow(GetDlgItem(wnd, 1000));
        });
        EXPECT_EQ(1, r);
        EXPECT_EQ(c.want, g_Stage.m_UndoCount) << c.from << " -> " << c.to;
        EXPECT_EQ(1, g_StageEdit.m_bModified);
        EXPECT_EQ(c.told ? 1u : 0u, boxes.boxes.size());
    }
    g_StageOptionFreeMemory = GetFreePhysMemory;
}

TEST_F(PrjOptionTest, StageOptionsWheelAndCancel) {
    g_Stage.m_UndoCount = 1;
    g_Stage.m_WheelDir = 0;
    {
        cStageOptionDlg dlg(nullptr, &g_WndRegistry);
        RunModalScripted(&dlg, 0, [&](HWND wnd) {
            SetDlgItemTextA(wnd, 1036, "4");
            ClickWindow(GetDlgItem(wnd, 1001));
        });
    }
    EXPECT_EQ(1, g_Stage.m_UndoCount) << "cancel stores nothing";
    cStageOptionDlg dlg(nullptr, &g_WndRegistry);
    RunModalScripted(&dlg, 0, [&](HWND wnd) {
        SendDlgItemMessageA(wnd, 1288, CB_SETCURSEL, 1, 0);
        ClickWindow(GetDlgItem(wnd, 1000));
    });
    EXPECT_EQ(1, g_Stage.m_WheelDir);
    g_Stage.m_WheelDir = 0;
}

TEST_F(PrjOptionTest, EditOptionsOkAndCancel) {
    for (int button : {1000, 1001}) {
        cEditOptionDlg dlg(nullptr, &g_WndRegistry);
        int r = RunModalScripted(&dlg, 0, [&](HWND wnd) {
            char caption[64] = "";
            GetWindowTextA(wnd, caption, sizeof caption);
            EXPECT_STREQ("エディットオプション", caption);
            if (button == 1000) TourShot(wnd, "edit_option");
            ClickWindow(GetDlgItem(wnd, button));
        });
        EXPECT_EQ(button == 1000 ? 1 : 0, r);
    }
}

}  // namespace
