// The character graphics page: a record with every field distinct shown,
// edited with real input, stored on OK and untouched on cancel; the control
// rules and the inheritance checks; the pickers of its "一覧" buttons; the
// previews drawn from synthetic picture sheets.
#include <gtest/gtest.h>

#include "objedit/charapage_graphic.h"
#include "objedit/charapage_graphic_res.h"
#include "cmdedit/graphic_picker.h"
#include "tests/objedit/chara_fixture.h"
#include "tests/objedit/picture_sheets.h"

namespace {

const int kPage = 1;

cEdChara Distinct() {
    cEdChara c;
    c.m_Name = "g";
    c.m_Control = 0;
    c.m_GraphicSource = 1;
    c.m_Graphic = 33;
    c.m_GraphicShift = -4;
    c.m_AnimeSetNo = 2;
    c.m_Z = 5;
    c.m_Transparent = 1;
    c.m_StartEffect = 3;
    c.m_StartEffectMode = 2;
    c.m_StartEffectLoop = 0;
    c.m_DeathEffect = 4;
    c.m_DeathEffectMode = 1;
    c.m_MarkMode = 2;
    c.m_MarkGraphic = 77;
    c.m_FixedDir = 0;
    c.m_Flight = 3;
    c.m_Invincible = 2;
    c.m_BlockLike = 1;
    c.m_Enlarge = 10;
    c.m_ScrollSync = 1;
    c.m_SightShape = 4;
    c.m_SightRange = 12;
    return c;
}

class CharaGraphicPage : public CharaPages {};

TEST_F(CharaGraphicPage, ShowsEditsAndStoresOnOkOnly) {
    struct Case {
        int closeId;
        bool stored;
    } cases[] = {{IDOK, true}, {IDCANCEL, false}};
    for (const Case& c : cases) {
        SetUp();
        g_Stage.m_PalCharas[2] = Distinct();
        OpenOn(2, kPage, IDC_CG_SHEET);
        // every field as the record holds it
        const struct {
            int id, sel;
        } combos[] = {{IDC_CG_SHEET, 1},      {IDC_CG_ANIMESET, 2}, {IDC_CG_TRANSPARENT, 1}, {IDC_CG_START, 3},
                      {IDC_CG_START_MODE, 2}, {IDC_CG_DEATH, 4},    {IDC_CG_DEATH_MODE, 1},  {IDC_CG_MARK, 2},
                      {IDC_CG_FLIGHT, 3},     {IDC_CG_INVINCIBLE, 2}, {IDC_CG_BLOCK, 1},     {IDC_CG_SIZE, 9},
                      {IDC_CG_SIGHT, 4}};
        for (const auto& k : combos) EXPECT_EQ(k.sel, Sel(k.id)) << k.id;
        const struct {
            int id;
            const char* text;
        } texts[] = {{IDC_CG_NUMBER, "33"}, {IDC_CG_SHIFT, "-4"}, {IDC_CG_Z, "5"}, {IDC_CG_MARK_NO, "77"},
                     {IDC_CG_SIGHT_RANGE, "12"}, {IDC_CG_SIZE, "×100"}, {IDC_CG_ANIMESET, "03 set2"},
                     {IDC_CG_START, "003 ce3"}};
        for (const auto& t : texts) EXPECT_EQ(t.text, Text(t.id)) << t.id;
        EXPECT_FALSE(Checked(IDC_CG_START_LOOP));
        EXPECT_FALSE(Checked(IDC_CG_FIXED));
        EXPECT_TRUE(Checked(IDC_CG_SCROLL));

        Type(IDC_CG_NUMBER, "45");
        Type(IDC_CG_Z, "2");
        Type(IDC_CG_MARK_NO, "9");
        Type(IDC_CG_SIGHT_RANGE, "30");
        Type(IDC_CG_SHIFT, "7");
        Press(Item(IDC_CG_START_LOOP));
        Press(Item(IDC_CG_FIXED));
        Press(Item(IDC_CG_SCROLL));
        Choose(IDC_CG_FLIGHT, -1);
        Choose(IDC_CG_SIZE, -1);
        Choose(IDC_CG_SIGHT, -1);
        Choose(IDC_CG_DEATH_MODE, -1);
        Choose(IDC_CG_ANIMESET, 1);
        Choose(IDC_CG_START, -2);
        Close(c.closeId);

        cEdChara want = Distinct();
        if (c.stored) {
            want.m_Graphic = 45;
            want.m_Z = 2;
            want.m_MarkGraphic = 9;
            want.m_SightRange = 30;
            want.m_GraphicShift = 7;
            want.m_StartEffectLoop = 1;
            want.m_FixedDir = 1;
            want.m_ScrollSync = 0;
            want.m_Flight = 2;
            want.m_Enlarge = 9;
            want.m_SightShape = 3;
            want.m_DeathEffectMode = 0;
            want.m_AnimeSetNo = 3;
            want.m_StartEffect = 1;
        }
        const cEdChara& got = g_Stage.m_PalCharas[2];
        const struct {
            const char* name;
            int got, want;
        } fields[] = {
            {"graphic", got.m_Graphic, want.m_Graphic},
            {"sheet", got.m_GraphicSource, want.m_GraphicSource},
            {"shift", got.m_GraphicShift, want.m_GraphicShift},
            {"anime set", got.m_AnimeSetNo, want.m_AnimeSetNo},
            {"z", got.m_Z, want.m_Z},
            {"transparent", got.m_Transparent, want.m_Transparent},
            {"start", got.m_StartEffect, want.m_StartEffect},
            {"start mode", got.m_StartEffectMode, want.m_StartEffectMode},
            {"start loop", got.m_StartEffectLoop, want.m_StartEffectLoop},
            {"death", got.m_DeathEffect, want.m_DeathEffect},
            {"death mode", got.m_DeathEffectMode, want.m_DeathEffectMode},
            {"mark", got.m_MarkMode, want.m_MarkMode},
            {"mark no", got.m_MarkGraphic, want.m_MarkGraphic},
            {"fixed", got.m_FixedDir, want.m_FixedDir},
            {"flight", got.m_Flight, want.m_Flight},
            {"invincible", got.m_Invincible, want.m_Invincible},
            {"block", got.m_BlockLike, want.m_BlockLike},
            {"size", got.m_Enlarge, want.m_Enlarge},
            {"scroll", got.m_ScrollSync, want.m_ScrollSync},
            {"sight", got.m_SightShape, want.m_SightShape},
            {"sight range", got.m_SightRange, want.m_SightRange},
        };
        for (const auto& f : fields) EXPECT_EQ(f.want, f.got) << f.name << (c.stored ? " (OK)" : " (cancel)");

        if (c.stored) {
            // the palette file written afterwards holds the edit
            ASSERT_EQ(1, g_Stage.SavePalette("graphic_pal.dat"));
            cEdStage back;
            back.SetDefault();
            ASSERT_EQ(1, back.LoadPalette("graphic_pal.dat"));
            ASSERT_GT(back.m_PalCharas.size(), 2u);
            EXPECT_EQ(45, back.m_PalCharas[2].m_Graphic);
            EXPECT_EQ(9, back.m_PalCharas[2].m_Enlarge);
            EXPECT_EQ(3, back.m_PalCharas[2].m_AnimeSetNo);
        }
        TearDown();
    }
}

// Who controls the character decides "ブロック" and the sight controls.
TEST_F(CharaGraphicPage, ControlRules) {
    struct Case {
        int control, sight;
        bool block, sightShape, sightRange;
    } cases[] = {
        {1, 2, true, false, false},  // the computer: a block, no sight
        {0, 2, false, true, true},   // a player: sight, no block
        {0, 0, false, true, false},  // "画面内全て" has no range
    };
    for (const Case& c : cases) {
        SetUp();
        g_Stage.m_PalCharas[1].m_Control = static_cast<int8_t>(c.control);
        g_Stage.m_PalCharas[1].m_SightShape = static_cast<int8_t>(c.sight);
        OpenOn(1, kPage, IDC_CG_SHEET);
        EXPECT_EQ(c.block, Enabled(IDC_CG_BLOCK)) << c.control << "/" << c.sight;
        EXPECT_EQ(c.sightShape, Enabled(IDC_CG_SIGHT)) << c.control << "/" << c.sight;
        EXPECT_EQ(c.sightRange, Enabled(IDC_CG_SIGHT_RANGE)) << c.control << "/" << c.sight;
        Close(IDCANCEL);
        TearDown();
    }
}

// The graphic sheet sets the number's and the shift's ranges and the
// picker button; "専用bmp" lowers a number above its bitmaps' count.
TEST_F(CharaGraphicPage, SheetSetsRangesAndPicker) {
    g_Stage.m_PalCharas[1].m_GraphicSource = 1;
    g_Stage.m_PalCharas[1].m_Graphic = 60;
    g_Stage.m_PalCharas[1].m_MarkMode = 0;
    OpenOn(1, kPage, IDC_CG_SHEET);
    EXPECT_TRUE(Enabled(IDC_CG_SHIFT));
    EXPECT_TRUE(Enabled(IDC_CG_PICK));
    EXPECT_FALSE(Enabled(IDC_CG_MARK_NO));
    EXPECT_FALSE(Enabled(IDC_CG_MARK_PICK));
    Type(IDC_CG_SHIFT, "30");
    EXPECT_EQ("19", Text(IDC_CG_SHIFT));
    Choose(IDC_CG_SHEET, 3);  // "専用bmp": four bitmaps after record 0
    EXPECT_EQ("4", Text(IDC_CG_NUMBER));
    EXPECT_FALSE(Enabled(IDC_CG_PICK));
    EXPECT_TRUE(Enabled(IDC_CG_SHIFT));
    Type(IDC_CG_SHIFT, "300");
    EXPECT_EQ("239", Text(IDC_CG_SHIFT));
    Choose(IDC_CG_SHEET, -2);  // "アイテム"
    EXPECT_FALSE(Enabled(IDC_CG_SHIFT));
    EXPECT_TRUE(Enabled(IDC_CG_PICK));
    Choose(IDC_CG_MARK, 1);
    EXPECT_TRUE(Enabled(IDC_CG_MARK_NO));
    EXPECT_TRUE(Enabled(IDC_CG_MARK_PICK));
    Close(IDOK);
    EXPECT_EQ(2, g_Stage.m_PalCharas[1].m_GraphicSource);
    EXPECT_EQ(4, g_Stage.m_PalCharas[1].m_Graphic);
    EXPECT_EQ(1, g_Stage.m_PalCharas[1].m_MarkMode);
}

// Without an inheritance source the fourteen checks are disabled; with one,
// a check locks its group and takes the entry's values.
TEST_F(CharaGraphicPage, InheritanceChecks) {
    const int checks[14] = {1024, 1025, 1026, 1027, 1028, 1029, 1030, 1031, 1032, 1033, 1034, 1035, 11036, 1041};
    OpenOn(1, kPage, IDC_CG_SHEET);
    for (int id : checks) EXPECT_FALSE(Enabled(id)) << id;
    Close(IDCANCEL);

    g_Stage.m_PalCharas[1].m_InheritKind = 1;
    g_Stage.m_PalCharas[1].m_InheritIndex = 1;
    g_Stage.m_PalCharas[1].m_Z = 6;
    ASSERT_GE(g_CommonPalette.m_Charas.size(), 2u);
    g_CommonPalette.m_Charas[1].m_Z = 2;
    OpenOn(1, kPage, IDC_CG_SHEET);
    for (int id : checks) EXPECT_TRUE(Enabled(id)) << id;
    EXPECT_EQ("6", Text(IDC_CG_Z));
    Press(Item(IDC_CG_INH_Z));
    EXPECT_FALSE(Enabled(IDC_CG_Z));
    EXPECT_EQ("2", Text(IDC_CG_Z));
    Press(Item(IDC_CG_INH_GRAPHIC));
    for (int id : {IDC_CG_SHEET, IDC_CG_NUMBER, IDC_CG_PICK, IDC_CG_SHIFT}) EXPECT_FALSE(Enabled(id)) << id;
    Press(Item(IDC_CG_INH_GRAPHIC));
    EXPECT_TRUE(Enabled(IDC_CG_SHEET));
    Close(IDOK);
    EXPECT_EQ(1, g_Stage.m_PalCharas[1].m_bbInherit[11]);
    EXPECT_EQ(0, g_Stage.m_PalCharas[1].m_bbInherit[9]);
    EXPECT_EQ(2, g_Stage.m_PalCharas[1].m_Z);
}

// The "一覧" buttons: the graphic's opens the picker on the sheet of the
// chosen kind, the mark's on the mark sheet; a pick goes into the edit,
// closing the picker leaves it.
struct PickerScript {
    int sheet = -1;
    int clickX = -1, clickY = -1;  // -1: close instead
    bool seen = false;
};
PickerScript g_PickerScript;

void CALLBACK PickerTimer(HWND, UINT, UINT_PTR id, DWORD) {
    HWND wnd = FindWindowA(nullptr, "グラフィック");
    if (!wnd || !IsWindowVisible(wnd) || g_PickerScript.seen) return;
    cGraphicPickDlg* dlg = dynamic_cast<cGraphicPickDlg*>(static_cast<cDlg*>(GetPropA(wnd, "DLG_CLASS")));
    if (!dlg || !dlg->m_bInit) return;
    g_PickerScript.seen = true;
    g_PickerScript.sheet = dlg->m_nSheet;
    KillTimer(nullptr, id);
    if (g_PickerScript.clickX >= 0)
        ClickClientPoint(wnd, g_PickerScript.clickX, g_PickerScript.clickY);
    else
        PostMessageA(wnd, WM_CLOSE, 0, 0);
}

TEST_F(CharaGraphicPage, PickerButtons) {
    for (int s = 0; s < kPickSheetCount; ++s) ASSERT_TRUE(MakeCodedSheet(g_Bitmaps[27 + s], s, 256, 480));
    g_Stage.m_PalCharas[1].m_GraphicSource = 2;
    g_Stage.m_PalCharas[1].m_Graphic = 3;
    g_Stage.m_PalCharas[1].m_MarkMode = 1;
    g_Stage.m_PalCharas[1].m_MarkGraphic = 8;
    OpenOn(1, kPage, IDC_CG_SHEET);
    struct Case {
        int button, x, y, sheet, edit;
        const char* text;
    } cases[] = {
        {IDC_CG_PICK, 40, 8, 2, IDC_CG_NUMBER, "15"},     // column 1, row 0
        {IDC_CG_PICK, -1, -1, 2, IDC_CG_NUMBER, "15"},    // closed: as it was
        {IDC_CG_MARK_PICK, 8, 72, 4, IDC_CG_MARK_NO, "2"},  // column 0, row 2
        {IDC_CG_MARK_PICK, -1, -1, 4, IDC_CG_MARK_NO, "2"},
    };
    for (const Case& c : cases) {
        g_PickerScript = PickerScript();
        g_PickerScript.clickX = c.x;
        g_PickerScript.clickY = c.y;
        SetTimer(nullptr, 0, 50, PickerTimer);
        Press(Item(c.button));
        ASSERT_TRUE(PumpUntil([&] { return g_PickerScript.seen && !FindWindowA(nullptr, "グラフィック"); }, 10000));
        PumpUntilIdle();
        EXPECT_EQ(c.sheet, g_PickerScript.sheet) << c.button;
        EXPECT_EQ(c.text, Text(c.edit)) << c.button << " " << c.x;
    }
    Close(IDOK);
    EXPECT_EQ(15, g_Stage.m_PalCharas[1].m_Graphic);
    EXPECT_EQ(2, g_Stage.m_PalCharas[1].m_MarkGraphic);
    for (int s = 0; s < kPickSheetCount; ++s) g_Bitmaps[27 + s].Delete();
}

// The previews draw the shown values from the character sheets: the sheet
// pair of the graphic number (plain, or mirrored when facing right), its
// row, and the column of the shift. Values from a damaged file that point
// past the loaded sheets draw nothing.
class CharaPreview : public CharaPages {
protected:
    void SetUp() override {
        CharaPages::SetUp();
        for (int s = 1; s <= 21; ++s) ASSERT_TRUE(MakeCodedSheet(g_Bitmaps[s], s, 640, 480));
    }
    void TearDown() override {
        CharaPages::TearDown();
        for (int s = 1; s <= 21; ++s) g_Bitmaps[s].Delete();
    }
    COLORREF PreviewPixel(int picture, int x, int y) {
        cCharaPageGraphic* page = PageObject<cCharaPageGraphic>(kPage);
        if (!page) return CLR_INVALID;
        page->Draw();
        return SurfacePixel(page->m_Pictures[picture].m_Ctrl.m_Offscreen, x, y);
    }
};

TEST_F(CharaPreview, ShowsGraphicAndFacing) {
    struct Case {
        int graphic, shift, faceRight;
        int surface, column, row;
    } cases[] = {
        {1, 0, 0, 2, 0, 1},    // first sheet pair, plain
        {17, 3, 0, 4, 3, 2},   // second pair, column 3
        {17, 3, 1, 5, 3, 2},   // facing right: the mirrored sheet
        {119, 19, 1, 17, 19, 14},
    };
    for (const Case& c : cases) {
        SetUp();
        cEdChara& ch = g_Stage.m_PalCharas[1];
        ch.m_GraphicSource = 1;
        ch.m_Graphic = static_cast<int16_t>(c.graphic);
        ch.m_GraphicShift = static_cast<int16_t>(c.shift);
        ch.m_FaceRight = static_cast<int8_t>(c.faceRight);
        ch.m_MarkMode = 0;
        OpenOn(1, kPage, IDC_CG_SHEET);
        for (int picture : {0, 1}) {
            EXPECT_EQ(SheetCode(c.surface, c.column * 32 + 4, c.row * 32 + 4), PreviewPixel(picture, 4, 4))
                << c.graphic << " " << picture;
            EXPECT_EQ(SheetCode(c.surface, c.column * 32 + 20, c.row * 32 + 20), PreviewPixel(picture, 20, 20))
                << c.graphic << " " << picture;
        }
        Close(IDCANCEL);
        TearDown();
    }
}

// The preview follows the controls before anything is stored.
TEST_F(CharaPreview, FollowsTheControls) {
    cEdChara& ch = g_Stage.m_PalCharas[1];
    ch.m_GraphicSource = 1;
    ch.m_Graphic = 1;
    ch.m_MarkMode = 0;
    OpenOn(1, kPage, IDC_CG_SHEET);
    EXPECT_EQ(SheetCode(2, 4, 32 + 4), PreviewPixel(0, 4, 4));
    Type(IDC_CG_NUMBER, "16");
    EXPECT_EQ(SheetCode(4, 4, 32 + 4), PreviewPixel(0, 4, 4));
    Type(IDC_CG_SHIFT, "2");
    EXPECT_EQ(SheetCode(4, 2 * 32 + 4, 32 + 4), PreviewPixel(0, 4, 4));
    EXPECT_EQ(1, g_Stage.m_PalCharas[1].m_Graphic);
    Close(IDCANCEL);
}

// Values from a damaged file: a kind without sheets or a bitmap that is not
// loaded draws nothing; a number the edit holds to its range draws the cell
// it shows; an animation set past the table adds no shift.
TEST_F(CharaPreview, IndexesPastTheSheetsReadNoSurface) {
    struct Case {
        int kind, graphic, animeSet;
        int surface, column, row;  // surface 0: nothing drawn
    } cases[] = {
        {9, 5, 0, 0, 0, 0},       // no such graphic kind: none chosen
        {1, 999, 0, 16, 3, 14},   // shown as 119, the last cell (set 0's flight shift)
        {4, 30, 0, 0, 0, 0},      // shown as 4: no bitmap loaded for it
        {1, 5, 300, 2, 0, 5},     // no such animation set: no shift
    };
    for (const Case& c : cases) {
        SetUp();
        g_Database.m_AnimeSet[0].m_FlyShift = 3;
        cEdChara& ch = g_Stage.m_PalCharas[1];
        ch.m_GraphicSource = static_cast<int8_t>(c.kind);
        ch.m_Graphic = static_cast<int16_t>(c.graphic);
        ch.m_AnimeSetNo = static_cast<int16_t>(c.animeSet);
        ch.m_Flight = 1;
        ch.m_MarkMode = 0;
        OpenOn(1, kPage, IDC_CG_SHEET);
        const COLORREF want = c.surface ? SheetCode(c.surface, c.column * 32 + 6, c.row * 32 + 6) : RGB(0, 0, 0);
        EXPECT_EQ(want, PreviewPixel(0, 6, 6)) << c.kind << "/" << c.graphic << "/" << c.animeSet;
        Close(IDCANCEL);
        TearDown();
    }
}

}  // namespace
