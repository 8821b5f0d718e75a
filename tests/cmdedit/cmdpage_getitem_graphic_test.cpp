// The item get and graphic change pages: new-command defaults, a command
// with distinct values shown, edited with real input, stored on OK and
// untouched on cancel; the item get page's palettes and note, the graphic
// page's ranges by graphic kind, its picker and its preview.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/services.h"
#include "cmdedit/cmd_dlg.h"
#include "cmdedit/cmd_pages.h"
#include "cmdedit/cmdpage_getitem_res.h"
#include "cmdedit/cmdpage_graphic.h"
#include "cmdedit/cmdpage_graphic_res.h"
#include "cmdedit/cmdselect_dlg.h"
#include "model/database.h"
#include "model/palette.h"
#include "model/stage.h"
#include "cmdedit/graphic_picker.h"
#include "tests/cmdedit/page_input.h"
#include "tests/objedit/picture_sheets.h"
#include "tests/support/gui.h"
#include "ui/ctrlbutton.h"

using namespace page_input;

namespace {

const int kGetItemKind = 24;
const int kGraphicKind = 25;
cPropSheet* const kSomeSheet = reinterpret_cast<cPropSheet*>(16);

class ItemGraphicPages : public testing::Test {
protected:
    void SetUp() override {
        g_StageEdit.g_EditTarget = 1;
        g_CommonPalette.SetDefault();
        g_CommonPalette.Validate();
        g_CommonPalette.m_Items.resize(3);
        for (int i = 0; i < 3; ++i) g_CommonPalette.m_Items[i].m_Name.Format("ci%d", i);
        g_Stage.SetDefault();
        g_Stage.m_PalItems.resize(5);
        for (int i = 0; i < 5; ++i) g_Stage.m_PalItems[i].m_Name.Format("si%d", i);
        g_Database.m_BmpCharaExc.resize(5);
    }
    void TearDown() override {
        g_StageEdit.g_EditTarget = 0;
        g_StageEdit.g_CharaSheet = nullptr;
        g_StageEdit.g_ItemSheet = nullptr;
        g_NestedFlowCmdList = nullptr;
        g_Database.m_BmpCharaExc.clear();
        g_Stage.SetDefault();
        PumpUntilIdle();
    }

    static cEdCommand Command(int kind, std::vector<int32_t> params = {}) {
        cEdCommand cmd;
        cmd.m_nKind = static_cast<int8_t>(kind);
        for (int32_t p : params) cmd.m_Params.push_back(p);
        return cmd;
    }
    static std::unique_ptr<cCmdDlg> Page(cEdCommand* cmd, int isNew) {
        cEditReq req;
        req.m_pRecord = cmd;
        req.m_bNew = isNew;
        return std::unique_ptr<cCmdDlg>(
            MakeCmdPageForKind(cmd->m_nKind, CmdKindPageId(cmd->m_nKind), nullptr, &req, nullptr));
    }
    static int Run(cEdCommand* cmd, int isNew, const std::function<void(HWND)>& script) {
        std::unique_ptr<cCmdDlg> page = Page(cmd, isNew);
        if (!page) return -1;
        return RunModalScripted(page.get(), 0, script);
    }
    static std::vector<int32_t> Params(const cEdCommand& cmd) {
        return std::vector<int32_t>(cmd.m_Params.begin(), cmd.m_Params.end());
    }
    static std::string Held(HWND dlg, int id, const char* keys) {
        Type(dlg, id, keys);
        return Text(dlg, id);
    }
};

// Both pages write the common command defaults and their own into a new
// command before they show; a cancel keeps them.
TEST_F(ItemGraphicPages, NewCommandDefaults) {
    struct Case {
        int kind;
        std::vector<int32_t> params;
    } cases[] = {
        {kGetItemKind, {0, 1}},
        {kGraphicKind, {1, 1, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.kind);
        cEdCommand cmd = Command(c.kind);
        cmd.m_nTime = 25;
        cmd.m_bParallel = 0;
        EXPECT_EQ(0, Run(&cmd, 1, [](HWND dlg) { End(dlg, 1001); }));
        EXPECT_EQ(0, cmd.m_nTime);
        EXPECT_EQ(1, cmd.m_bParallel);
        EXPECT_EQ(c.params, Params(cmd));
    }
}

// The palettes offered by the edit target; the item list follows the
// palette; OK stores, cancel does not.
TEST_F(ItemGraphicPages, GetItemPalettesAndBindings) {
    struct Case {
        int target;
        std::vector<int32_t> params;
        int palettes;
        const char* shown;
        int paletteSteps, itemSteps;
        std::vector<int32_t> stored;
    } cases[] = {
        {1, {1, 3}, 2, "003 si3", -1, 1, {0, 2}},
        {0, {0, 2}, 2, "002 ci2", 1, 2, {1, 4}},
        {2, {0, 1}, 1, "001 ci1", 0, 1, {0, 2}},
    };
    for (const Case& c : cases) {
        for (int endId : {1000, 1001}) {
            SCOPED_TRACE(std::string(c.shown) + (endId == 1000 ? " ok" : " cancel"));
            g_StageEdit.g_EditTarget = c.target;
            cEdCommand cmd = Command(kGetItemKind, c.params);
            const int result = Run(&cmd, 0, [&](HWND dlg) {
                EXPECT_EQ(c.palettes, Count(dlg, IDC_GI_PALETTE));
                EXPECT_EQ(c.shown, Text(dlg, IDC_GI_ITEM));
                EXPECT_EQ(c.params[0] == 0 ? 2 : 4, Count(dlg, IDC_GI_ITEM));
                if (c.paletteSteps) Choose(dlg, IDC_GI_PALETTE, c.paletteSteps);
                EXPECT_EQ(c.stored[0] == 0 ? 2 : 4, Count(dlg, IDC_GI_ITEM));
                Choose(dlg, IDC_GI_ITEM, c.itemSteps);
                if (c.target == 0 && endId == 1000) TourShot(dlg, "cmd_get_item");
                End(dlg, endId);
            });
            EXPECT_EQ(endId == 1000 ? 1 : 0, result);
            EXPECT_EQ(endId == 1000 ? c.stored : c.params, Params(cmd));
        }
    }
}

// The note on items with flows shows for a character flow's command and for
// a command of an item command's nested flow, not for an item's own command.
TEST_F(ItemGraphicPages, GetItemNote) {
    static cCtrlButton nestedList;
    struct Case {
        bool chara, item, nested, shown;
    } cases[] = {
        {true, false, false, true},
        {false, true, true, true},
        {false, true, false, false},
        {false, false, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.chara * 100 + c.item * 10 + c.nested);
        g_StageEdit.g_CharaSheet = c.chara ? kSomeSheet : nullptr;
        g_StageEdit.g_ItemSheet = c.item ? kSomeSheet : nullptr;
        g_NestedFlowCmdList = c.nested ? &nestedList : nullptr;
        cEdCommand cmd = Command(kGetItemKind);
        Run(&cmd, 1, [&](HWND dlg) {
            EXPECT_EQ(c.shown, IsWindowVisible(GetDlgItem(dlg, IDC_GI_NOTE)) != FALSE);
            if (c.shown && c.chara) TourShot(dlg, "cmd_get_item_note");
            End(dlg, 1001);
        });
    }
}

// The ranges of the number and the shift by the graphic kind, and the
// picker's button; values are shown clamped into a new range.
TEST_F(ItemGraphicPages, GraphicRangesByKind) {
    struct Case {
        int records;  // Bmp_CharaExc records
        int kind;
        const char* maxNumber;
        const char* minShift;  // "" while the shift is off
        bool pick;
    } cases[] = {
        {5, 1, "119", "-19", true},
        {5, 4, "4", "-239", false},
        {5, 0, "119", "", true},
        {5, 2, "119", "", true},
        {5, 3, "119", "", true},
        // without a second record the number stays at 1
        {1, 4, "1", "-239", false},
        {0, 4, "1", "-239", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.kind * 10 + c.records);
        g_Database.m_BmpCharaExc.resize(static_cast<size_t>(c.records));
        cEdCommand cmd = Command(kGraphicKind, {1, 50, 10});
        Run(&cmd, 0, [&](HWND dlg) {
            if (c.kind != 1) Choose(dlg, IDC_GR_KIND, c.kind - 1);
            EXPECT_EQ(c.kind == 4 && c.records < 50 ? c.maxNumber : "50", Text(dlg, IDC_GR_NUMBER));
            EXPECT_EQ(c.maxNumber, Held(dlg, IDC_GR_NUMBER, "999"));
            EXPECT_EQ("1", Held(dlg, IDC_GR_NUMBER, "0"));
            EXPECT_EQ(c.pick, Enabled(dlg, IDC_GR_PICK));
            EXPECT_EQ(c.minShift[0] != 0, Enabled(dlg, IDC_GR_SHIFT));
            if (c.minShift[0]) {
                EXPECT_EQ(c.minShift, Held(dlg, IDC_GR_SHIFT, "-9999"));
            }
            End(dlg, 1000);
        });
        EXPECT_EQ(c.kind, cmd.m_Params[0]);
        EXPECT_EQ(1, cmd.m_Params[1]);
        EXPECT_EQ(c.minShift[0] ? std::stoi(c.minShift) : 10, cmd.m_Params[2]);
    }
}

// Every parameter shown, edited with real input, stored on OK only.
TEST_F(ItemGraphicPages, GraphicBindings) {
    for (int endId : {1000, 1001}) {
        SCOPED_TRACE(endId);
        cEdCommand cmd = Command(kGraphicKind, {1, 33, -7});
        const int result = Run(&cmd, 0, [&](HWND dlg) {
            EXPECT_EQ("キャラ", Text(dlg, IDC_GR_KIND));
            EXPECT_EQ(5, Count(dlg, IDC_GR_KIND));
            EXPECT_EQ("33", Text(dlg, IDC_GR_NUMBER));
            EXPECT_EQ("-7", Text(dlg, IDC_GR_SHIFT));
            Type(dlg, IDC_GR_NUMBER, "12");
            Type(dlg, IDC_GR_SHIFT, "5");
            Choose(dlg, IDC_GR_KIND, 1);  // "アイテム": the shift goes off
            EXPECT_FALSE(Enabled(dlg, IDC_GR_SHIFT));
            End(dlg, endId);
        });
        EXPECT_EQ(endId == 1000 ? 1 : 0, result);
        const std::vector<int32_t> want = endId == 1000 ? std::vector<int32_t>{2, 12, 5} : std::vector<int32_t>{1, 33, -7};
        EXPECT_EQ(want, Params(cmd));
    }
}

// "一覧" opens the picker on the sheet of the graphic kind and puts the
// picked cell into the number; the preview draws the character's icon from
// the graphic the controls show.
struct PickSeen {
    int sheet = -1;
    bool seen = false;
};
PickSeen g_PickSeen;

void CALLBACK PickCellTimer(HWND, UINT, UINT_PTR id, DWORD) {
    HWND wnd = FindWindowA(nullptr, "グラフィック");
    if (!wnd || !IsWindowVisible(wnd) || g_PickSeen.seen) return;
    cGraphicPickDlg* dlg = dynamic_cast<cGraphicPickDlg*>(static_cast<cDlg*>(GetPropA(wnd, "DLG_CLASS")));
    if (!dlg || !dlg->m_bInit) return;
    g_PickSeen.seen = true;
    g_PickSeen.sheet = dlg->m_nSheet;
    KillTimer(nullptr, id);
    ClickClientPoint(wnd, 2 * 32 + 5, 3 * 32 + 5);  // cell 33
}

TEST_F(ItemGraphicPages, GraphicPickerAndPreview) {
    const int kShotSheet = 20;  // "bmp\Shot.bmp" in g_Bitmaps
    ASSERT_TRUE(MakeCodedSheet(g_Bitmaps[kShotSheet], kShotSheet, 128, 480));
    for (int s = 0; s < kPickSheetCount; ++s) ASSERT_TRUE(MakeCodedSheet(g_Bitmaps[27 + s], s, 256, 480));
    cEdCommand cmd = Command(kGraphicKind, {3, 45, 0});  // shot 45: column 1, row 15
    std::unique_ptr<cCmdDlg> page = Page(&cmd, 0);
    cCmdDlgGraphic* graphic = dynamic_cast<cCmdDlgGraphic*>(page.get());
    ASSERT_TRUE(graphic);
    RunModalScripted(page.get(), 0, [&](HWND dlg) {
        graphic->Draw();
        const cDib& preview = graphic->m_Pictures[0].m_Ctrl.m_Offscreen;
        ASSERT_EQ(32, preview.m_Width);
        // a shot is drawn 16 x 16 in the middle of the cell
        EXPECT_EQ(SheetCode(kShotSheet, 32 + 3, 240 + 3), SurfacePixel(preview, 8 + 3, 8 + 3));
        EXPECT_EQ(RGB(0, 0, 0), SurfacePixel(preview, 2, 2));
        g_PickSeen = PickSeen();
        SetTimer(nullptr, 0, 50, PickCellTimer);
        Click(dlg, IDC_GR_PICK);
        PumpUntil([&] { return g_PickSeen.seen && !FindWindowA(nullptr, "グラフィック"); }, 10000);
        EXPECT_EQ(3, g_PickSeen.sheet);
        EXPECT_EQ("33", Text(dlg, IDC_GR_NUMBER));
        graphic->Draw();
        EXPECT_EQ(SheetCode(kShotSheet, 32 + 3, 3 * 16 + 3), SurfacePixel(preview, 8 + 3, 8 + 3));
        TourShot(dlg, "cmd_graphic");
        End(dlg, 1000);
    });
    EXPECT_EQ(33, cmd.m_Params[1]);
    g_Bitmaps[kShotSheet].Delete();
    for (int s = 0; s < kPickSheetCount; ++s) g_Bitmaps[27 + s].Delete();
}

}  // namespace
