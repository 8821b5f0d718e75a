// The character abilities page: a record with every field distinct shown,
// edited with real input, stored on OK and untouched on cancel; the limits
// of its values, the rules of "操作", the activity range and the group, the
// inheritance checks and the preview.
#include <gtest/gtest.h>

#include "objedit/charapage_status.h"
#include "objedit/charapage_status_res.h"
#include "tests/objedit/chara_fixture.h"
#include "tests/objedit/picture_sheets.h"

namespace {

const int kPage = 2;

cEdChara Distinct() {
    cEdChara c;
    c.m_Name = "s";
    c.m_Control = 1;
    c.m_HP = 1234;
    c.m_SP = 56;
    c.m_ContactRange = 2;
    c.m_ContactPower = -300;
    c.m_ContactImpact = -7;
    c.m_ContactEffect = 3;
    c.m_Defence = 88;
    c.m_ImpactResist = 9;
    c.m_StopEase = 150;
    c.m_ActRange = 1;
    c.m_ActJudge = 2;
    c.m_HasGroup = 1;
    c.m_Group = 42;
    c.m_Score = -500;
    c.m_HoldItem = 0;
    return c;
}

class CharaStatusPage : public CharaPages {};

TEST_F(CharaStatusPage, ShowsEditsAndStoresOnOkOnly) {
    struct Case {
        int closeId;
        bool stored;
    } cases[] = {{IDOK, true}, {IDCANCEL, false}};
    for (const Case& c : cases) {
        SetUp();
        g_Stage.m_PalCharas[3] = Distinct();
        OpenOn(3, kPage, IDC_CS_HP);
        const struct {
            int id;
            const char* text;
        } texts[] = {{IDC_CS_HP, "1234"},     {IDC_CS_SP, "56"},          {IDC_CS_CONTACT_POWER, "-300"},
                     {IDC_CS_CONTACT_IMPACT, "-7"}, {IDC_CS_DEFENCE, "88"}, {IDC_CS_RESIST, "9"},
                     {IDC_CS_STOP, "150"},    {IDC_CS_GROUP_NO, "42"},    {IDC_CS_SCORE, "-500"},
                     {IDC_CS_CONTACT_EFFECT, "03 ef3"}, {IDC_CS_CONTACT_RANGE, "ショット対キャラの当たり判定範囲"}};
        for (const auto& t : texts) EXPECT_EQ(t.text, Text(t.id)) << t.id;
        const struct {
            int id, sel;
        } combos[] = {{IDC_CS_CONTACT_RANGE, 2}, {IDC_CS_CONTACT_EFFECT, 3}, {IDC_CS_ACT_RANGE, 1},
                      {IDC_CS_ACT_JUDGE, 2}};
        for (const auto& k : combos) EXPECT_EQ(k.sel, Sel(k.id)) << k.id;
        EXPECT_TRUE(Checked(IDC_CS_HAS_GROUP));
        EXPECT_FALSE(Checked(IDC_CS_ITEM));

        Type(IDC_CS_HP, "99");
        Type(IDC_CS_SP, "7");
        Type(IDC_CS_CONTACT_POWER, "400");
        Type(IDC_CS_CONTACT_IMPACT, "3");
        Type(IDC_CS_DEFENCE, "5");
        Type(IDC_CS_RESIST, "11");
        Type(IDC_CS_STOP, "20");
        Type(IDC_CS_GROUP_NO, "3");
        Type(IDC_CS_SCORE, "700");
        Choose(IDC_CS_CONTACT_RANGE, -1);
        Choose(IDC_CS_CONTACT_EFFECT, 2);
        Choose(IDC_CS_ACT_JUDGE, -1);
        Choose(IDC_CS_ACT_RANGE, 1);
        Press(Item(IDC_CS_ITEM));
        Close(c.closeId);

        cEdChara want = Distinct();
        if (c.stored) {
            want.m_HP = 99;
            want.m_SP = 7;
            want.m_ContactPower = 400;
            want.m_ContactImpact = 3;
            want.m_Defence = 5;
            want.m_ImpactResist = 11;
            want.m_StopEase = 20;
            want.m_Group = 3;
            want.m_Score = 700;
            want.m_ContactRange = 1;
            want.m_ContactEffect = 5;
            want.m_ActJudge = 1;
            want.m_ActRange = 2;
            want.m_HoldItem = 1;
        }
        const cEdChara& got = g_Stage.m_PalCharas[3];
        const struct {
            const char* name;
            int got, want;
        } fields[] = {
            {"hp", got.m_HP, want.m_HP},
            {"sp", got.m_SP, want.m_SP},
            {"contact range", got.m_ContactRange, want.m_ContactRange},
            {"contact power", got.m_ContactPower, want.m_ContactPower},
            {"contact impact", got.m_ContactImpact, want.m_ContactImpact},
            {"contact effect", got.m_ContactEffect, want.m_ContactEffect},
            {"defence", got.m_Defence, want.m_Defence},
            {"resist", got.m_ImpactResist, want.m_ImpactResist},
            {"stop", got.m_StopEase, want.m_StopEase},
            {"act range", got.m_ActRange, want.m_ActRange},
            {"act judge", got.m_ActJudge, want.m_ActJudge},
            {"has group", got.m_HasGroup, want.m_HasGroup},
            {"group", got.m_Group, want.m_Group},
            {"score", got.m_Score, want.m_Score},
            {"item", got.m_HoldItem, want.m_HoldItem},
        };
        for (const auto& f : fields) EXPECT_EQ(f.want, f.got) << f.name << (c.stored ? " (OK)" : " (cancel)");
        if (c.stored) {
            ASSERT_EQ(1, g_Stage.SavePalette("status_pal.dat"));
            cEdStage back;
            back.SetDefault();
            ASSERT_EQ(1, back.LoadPalette("status_pal.dat"));
            ASSERT_GT(back.m_PalCharas.size(), 3u);
            EXPECT_EQ(99, back.m_PalCharas[3].m_HP);
            EXPECT_EQ(700, back.m_PalCharas[3].m_Score);
            EXPECT_EQ(5, back.m_PalCharas[3].m_ContactEffect);
        }
        TearDown();
    }
}

// Typed values are held to each field's range: HP cannot be 0; SP,
// defence and impact resistance cannot be negative.
TEST_F(CharaStatusPage, ValuesHeldToTheirRanges) {
    OpenOn(1, kPage, IDC_CS_HP);
    const struct {
        int id;
        const char* typed;
        const char* shown;
    } cases[] = {
        {IDC_CS_HP, "0", "1"},           {IDC_CS_HP, "1234567", "999999"}, {IDC_CS_SP, "-5", "0"},
        {IDC_CS_DEFENCE, "-1", "0"},     {IDC_CS_RESIST, "-3", "0"},       {IDC_CS_RESIST, "25", "20"},
        {IDC_CS_CONTACT_IMPACT, "-30", "-20"}, {IDC_CS_STOP, "300", "200"}, {IDC_CS_SCORE, "-2000000", "-999999"},
    };
    for (const auto& c : cases) {
        Type(c.id, c.typed);
        EXPECT_EQ(c.shown, Text(c.id)) << c.id << " " << c.typed;
    }
    Close(IDOK);
    const cEdChara& got = g_Stage.m_PalCharas[1];
    EXPECT_EQ(999999, got.m_HP);
    EXPECT_EQ(0, got.m_SP);
    EXPECT_EQ(20, got.m_ImpactResist);
    EXPECT_EQ(-20, got.m_ContactImpact);
    EXPECT_EQ(-999999, got.m_Score);
}

// Only a computer character has the action condition, group, score and
// item controls; "全範囲" clears and locks the group.
TEST_F(CharaStatusPage, ControlAndRangeRules) {
    const int computerOnly[6] = {IDC_CS_ACT_RANGE, IDC_CS_ACT_JUDGE, IDC_CS_HAS_GROUP,
                                 IDC_CS_GROUP_NO,  IDC_CS_SCORE,     IDC_CS_ITEM};
    for (int control : {0, 1}) {
        SetUp();
        g_Stage.m_PalCharas[1].m_Control = static_cast<int8_t>(control);
        g_Stage.m_PalCharas[1].m_HasGroup = 1;
        OpenOn(1, kPage, IDC_CS_HP);
        for (int id : computerOnly) EXPECT_EQ(control == 1, Enabled(id)) << id << " control " << control;
        EXPECT_TRUE(Enabled(IDC_CS_HP));
        Close(IDCANCEL);
        TearDown();
    }

    SetUp();
    g_Stage.m_PalCharas[1].m_Control = 1;
    g_Stage.m_PalCharas[1].m_HasGroup = 1;
    g_Stage.m_PalCharas[1].m_Group = 4;
    OpenOn(1, kPage, IDC_CS_HP);
    Press(Item(IDC_CS_HAS_GROUP));
    EXPECT_FALSE(Enabled(IDC_CS_GROUP_NO));
    Press(Item(IDC_CS_HAS_GROUP));
    EXPECT_TRUE(Enabled(IDC_CS_GROUP_NO));
    Choose(IDC_CS_ACT_RANGE, 3);  // "全範囲"
    EXPECT_FALSE(Checked(IDC_CS_HAS_GROUP));
    EXPECT_FALSE(Enabled(IDC_CS_HAS_GROUP));
    EXPECT_FALSE(Enabled(IDC_CS_GROUP_NO));
    Choose(IDC_CS_ACT_RANGE, -1);
    EXPECT_TRUE(Enabled(IDC_CS_HAS_GROUP));
    EXPECT_FALSE(Enabled(IDC_CS_GROUP_NO));
    Choose(IDC_CS_ACT_RANGE, 1);
    Close(IDOK);
    EXPECT_EQ(3, g_Stage.m_PalCharas[1].m_ActRange);
    EXPECT_EQ(0, g_Stage.m_PalCharas[1].m_HasGroup);
    EXPECT_EQ(4, g_Stage.m_PalCharas[1].m_Group);
}

// The thirteen checks follow the inheritance source; a check takes the
// entry's values and locks its group, and the flag is stored.
TEST_F(CharaStatusPage, InheritanceChecks) {
    const int checks[13] = {1024, 1025, 1026, 1027, 1028, 1029, 1030, 1031, 1032, 1033, 1034, 1035, 11036};
    g_Stage.m_PalCharas[1].m_Control = 1;
    OpenOn(1, kPage, IDC_CS_HP);
    for (int id : checks) EXPECT_FALSE(Enabled(id)) << id;
    Close(IDCANCEL);

    g_Stage.m_PalCharas[1].m_InheritKind = 1;
    g_Stage.m_PalCharas[1].m_InheritIndex = 1;
    g_Stage.m_PalCharas[1].m_HP = 500;
    ASSERT_GE(g_CommonPalette.m_Charas.size(), 2u);
    g_CommonPalette.m_Charas[1].m_HP = 77;
    g_CommonPalette.m_Charas[1].m_ActRange = 3;
    OpenOn(1, kPage, IDC_CS_HP);
    for (int id : checks) EXPECT_TRUE(Enabled(id)) << id;
    const struct {
        int check;
        int ids[2];
    } groups[] = {{IDC_CS_INH_HP, {IDC_CS_HP}},
                  {IDC_CS_INH_ACT, {IDC_CS_ACT_RANGE, IDC_CS_ACT_JUDGE}},
                  {IDC_CS_INH_GROUP, {IDC_CS_HAS_GROUP, IDC_CS_GROUP_NO}}};
    for (const auto& g : groups) {
        Press(Item(g.check));
        for (int id : g.ids) {
            if (id) {
                EXPECT_FALSE(Enabled(id)) << g.check << " " << id;
            }
        }
    }
    EXPECT_EQ("77", Text(IDC_CS_HP));
    Close(IDOK);
    const cEdChara& got = g_Stage.m_PalCharas[1];
    EXPECT_EQ(77, got.m_HP);
    EXPECT_EQ(3, got.m_ActRange);
    EXPECT_EQ(1, got.m_bbInherit[23]);
    EXPECT_EQ(1, got.m_bbInherit[32]);
    EXPECT_EQ(1, got.m_bbInherit[33]);
    EXPECT_EQ(0, got.m_bbInherit[24]);
}

// "←" / "→" on this page step through the palette working copy; the
// edits of every visited entry are written together on OK.
TEST_F(CharaStatusPage, StepsKeepEachEntrysEdits) {
    OpenOn(2, kPage, IDC_CS_HP);
    EXPECT_EQ("No.2", Text(IDC_CS_NO));
    Type(IDC_CS_HP, "21");
    Press(Item(IDC_CS_NEXT));
    EXPECT_EQ("No.3", Text(IDC_CS_NO));
    Type(IDC_CS_HP, "31");
    Press(Item(IDC_CS_NEXT));
    EXPECT_EQ("No.1", Text(IDC_CS_NO));
    Press(Item(IDC_CS_PREV));
    Press(Item(IDC_CS_PREV));
    EXPECT_EQ("No.2", Text(IDC_CS_NO));
    EXPECT_EQ("21", Text(IDC_CS_HP));
    Close(IDOK);
    EXPECT_EQ(21, g_Stage.m_PalCharas[2].m_HP);
    EXPECT_EQ(31, g_Stage.m_PalCharas[3].m_HP);
    EXPECT_EQ(10, g_Stage.m_PalCharas[1].m_HP);
}

// An edit on this page reaches the record through the sheet's first page:
// leaving the page hands the copy over, Apply writes it.
TEST_F(CharaStatusPage, ApplyFromThisPageWrites) {
    OpenOn(1, kPage, IDC_CS_HP);
    Type(IDC_CS_SP, "66");
    Press(GetDlgItem(Sheet(), kSheetApplyButton));
    EXPECT_EQ(66, g_Stage.m_PalCharas[1].m_SP);
    Close(IDCANCEL);
    EXPECT_EQ(66, g_Stage.m_PalCharas[1].m_SP);
}

// The preview shows the character's icon from its sheet.
TEST_F(CharaStatusPage, PreviewShowsTheCharacter) {
    for (int s = 1; s <= 21; ++s) ASSERT_TRUE(MakeCodedSheet(g_Bitmaps[s], s, 640, 480));
    const struct {
        int graphic, faceRight, surface, row;
    } cases[] = {{20, 0, 4, 5}, {20, 1, 5, 5}};
    for (const auto& c : cases) {
        SetUp();
        cEdChara& ch = g_Stage.m_PalCharas[1];
        ch.m_GraphicSource = 1;
        ch.m_Graphic = static_cast<int16_t>(c.graphic);
        ch.m_FaceRight = static_cast<int8_t>(c.faceRight);
        ch.m_MarkMode = 0;
        OpenOn(1, kPage, IDC_CS_HP);
        cCharaPageStatus* page = PageObject<cCharaPageStatus>(kPage);
        ASSERT_TRUE(page);
        page->Draw();
        EXPECT_EQ(SheetCode(c.surface, 10, c.row * 32 + 10), SurfacePixel(page->m_Pictures[0].m_Ctrl.m_Offscreen, 10, 10))
            << c.faceRight;
        Close(IDCANCEL);
        TearDown();
    }
    for (int s = 1; s <= 21; ++s) g_Bitmaps[s].Delete();
}

}  // namespace
