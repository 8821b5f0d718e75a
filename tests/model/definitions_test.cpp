#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "model/cmd_tables.h"
#include "model/definitions.h"
#include "model/palette.h"
#include "model/record_refs.h"
#include "tests/model/definition_layouts.h"
#include "tests/support/test_env.h"

using namespace recbytes;

namespace {

class FakeRefs : public cRecordRefs {
public:
    int tableSize = 12;
    int TableSize(eDatabaseTable) const override { return tableSize; }
    int16_t SwordTime(int) const override { return 0; }
    int PaletteSize(ePaletteKind, eObjType) const override { return 5; }
};

class Definitions : public testing::Test {
protected:
    void SetUp() override {
        SetRecordRefs(&m_Refs);
        g_CommonPalette.SetDefault();
    }
    void TearDown() override {
        SetStagePalette(nullptr, nullptr, nullptr);
        SetRecordRefs(nullptr);
        g_CommonPalette.SetDefault();
        EXPECT_FALSE(m_Wnd.TakeCloseRequest()) << "a checked access failed";
    }
    FakeRefs m_Refs;
    TestAppWindow m_Wnd;
};

std::vector<int> Zeros(int n) { return std::vector<int>(static_cast<size_t>(n), 0); }

// ---------------------------------------------------------------------------
// Golden bytes and defaults

TEST_F(Definitions, DefaultRecordsWriteTheirLayouts) {
    cEdBlock block;
    cEdChara chara;
    cEdItem item;
    EXPECT_EQ(1, block.m_BlockType);
    EXPECT_EQ(-1, block.m_IgnoreFaction);
    // An empty cell is written without block type.
    EXPECT_EQ(Block(248, {{12, {0}}}, "", Zeros(kBlockInheritCount)), WrittenBytes(block));
    EXPECT_EQ(Chara(248, {}, "", Zeros(kCharaInheritCount)), WrittenBytes(chara));
    EXPECT_EQ(Item(248, {}, "", Zeros(kItemInheritCount)), WrittenBytes(item));
    EXPECT_EQ(1, chara.m_Control);
    EXPECT_EQ(1, chara.m_Faction);
    EXPECT_EQ(10, chara.m_HP);
    EXPECT_EQ(3, chara.m_Z);
    EXPECT_EQ(1, chara.m_GraphicSource);
    EXPECT_EQ(2, item.m_GraphicSource);
    EXPECT_EQ(6, item.m_Z);
    EXPECT_EQ(1, item.m_ShowOverHead);
}

TEST_F(Definitions, RecordsReadBackWhatTheyWrite) {
    cEdBlock block;
    block.m_Graphic = 4;
    block.m_CellX = 7;
    block.m_Name = "壁";
    block.m_ActionX = -999;
    block.m_AppearConds.resize(1);
    cEdBlock blockBack;
    ASSERT_TRUE(ReadBytes(blockBack, WrittenBytes(block), 248));
    EXPECT_EQ(block, blockBack);
    EXPECT_EQ(7, blockBack.m_CellX);

    cEdItem item;
    item.m_Graphic = 3;
    item.m_ShowOverHead = 0;
    item.m_TakeMode = 2;
    // "shown over the head" is stored before the take mode.
    EXPECT_EQ(Item(248, {{7, {3}}, {14, {0}}, {15, {2}}}, "", Zeros(kItemInheritCount)), WrittenBytes(item));
    cEdItem itemBack;
    ASSERT_TRUE(ReadBytes(itemBack, WrittenBytes(item), 248));
    EXPECT_EQ(0, itemBack.m_ShowOverHead);
    EXPECT_EQ(2, itemBack.m_TakeMode);
}

// ---------------------------------------------------------------------------
// Older files

TEST_F(Definitions, ShotGraphicsMovedUpBefore219) {
    struct Case {
        uint32_t version;
        int source;
        int graphic;
        int want;
    } cases[] = {
        {218, 3, 119, 119}, {218, 3, 5, 6}, {219, 3, 5, 5}, {200, 3, 118, 119}, {200, 2, 5, 5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.version << " sheet " << c.source << " graphic " << c.graphic);
        cEdBlock block;
        ASSERT_TRUE(ReadBytes(block, Block(c.version, {{5, {double(c.graphic)}}, {6, {double(c.source)}}}, "",
                                           Zeros(kBlockInheritCount)),
                              c.version));
        EXPECT_EQ(c.want, block.m_Graphic);
        cEdChara chara;
        ASSERT_TRUE(ReadBytes(chara, Chara(c.version, {{13, {double(c.graphic)}}, {14, {double(c.source)}}}, "",
                                           Zeros(kCharaInheritCount)),
                              c.version));
        EXPECT_EQ(c.want, chara.m_Graphic);
        cEdItem item;
        ASSERT_TRUE(ReadBytes(item, Item(c.version, {{7, {double(c.graphic)}}, {8, {double(c.source)}}}, "",
                                         Zeros(kItemInheritCount)),
                              c.version));
        EXPECT_EQ(c.want, item.m_Graphic);
    }
}

TEST_F(Definitions, CharacterFieldsAndFlagsByVersion) {
    // Every later field holds 1 in memory before the read: a file that lacks
    // it must leave 0, and the inserted flags are 1.
    struct Case {
        uint32_t version;
        int contactRange;  // in the file, where it holds the field
        int wantDefence, wantModes, wantRange, wantScroll;
        std::set<int> wantFlags;  // from a file of zero flags
    } cases[] = {
        {167, 1, 0, 0, 0, 0, {21, 25, 29}},
        {168, 1, 1, 0, 0, 0, {21, 25}},
        {195, 1, 1, 0, 0, 0, {21, 25}},
        {196, 1, 1, 1, 0, 0, {21, 25}},
        {200, 1, 1, 1, 0, 0, {21, 25}},
        {201, 1, 1, 1, 1, 0, {21}},
        {205, 2, 1, 1, 3, 0, {21}},
        {206, 2, 1, 1, 2, 0, {21}},
        {209, 1, 1, 1, 1, 0, {21}},
        {210, 1, 1, 1, 1, 1, {}},
    };
    const int flagsInFile[] = {34, 35, 35, 35, 35, 36, 36, 36, 36, 37};
    int n = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.version);
        cEdChara chara;
        chara.m_Defence = 1;
        chara.m_StartEffectMode = 1;
        chara.m_DeathEffectMode = 1;
        chara.m_ContactRange = 1;
        chara.m_ScrollSync = 1;
        const Values fields = {{20, {1}}, {23, {1}}, {35, {1}}, {41, {double(c.contactRange)}}, {45, {1}},
                               {38, {77}}, {47, {-5}}, {52, {2}}};
        ASSERT_TRUE(ReadBytes(chara, Chara(c.version, fields, "名前", Zeros(flagsInFile[n++])), c.version));
        EXPECT_EQ(c.wantDefence, chara.m_Defence);
        EXPECT_EQ(c.wantModes, chara.m_StartEffectMode);
        EXPECT_EQ(c.wantModes, chara.m_DeathEffectMode);
        EXPECT_EQ(c.wantRange, chara.m_ContactRange);
        EXPECT_EQ(c.wantScroll, chara.m_ScrollSync);
        // Fields after the gated ones land in their members.
        EXPECT_EQ(77, chara.m_HP);
        EXPECT_EQ(-5, chara.m_Score);
        EXPECT_EQ(2, chara.m_ActJudge);
        EXPECT_EQ("名前", chara.m_Name);
        ASSERT_EQ(static_cast<size_t>(kCharaInheritCount), chara.m_bbInherit.size());
        std::set<int> set;
        for (int i = 0; i < kCharaInheritCount; ++i) {
            if (chara.m_bbInherit[i]) set.insert(i);
        }
        EXPECT_EQ(c.wantFlags, set);
    }
}

TEST_F(Definitions, CharacterOf167WithEveryFlagSetKeepsThemAll) {
    cEdChara chara;
    ASSERT_TRUE(ReadBytes(chara, Chara(167, {}, "", std::vector<int>(34, 1)), 167));
    EXPECT_EQ(std::vector<int8_t>(kCharaInheritCount, 1), static_cast<const std::vector<int8_t>&>(chara.m_bbInherit));
}

TEST_F(Definitions, FlagVectorsKeepTheFilesLength) {
    // Read raw and written back as read: a short vector is not padded, a
    // long one loses nothing; flags past the handler table have no group.
    for (int count : {0, 3, 20, 40}) {
        SCOPED_TRACE(count);
        std::vector<int> flags(static_cast<size_t>(count), 1);
        const cVector<int8_t> want(static_cast<size_t>(count), 1);
        auto check = [&](auto& rec, const std::string& bytes) {
            ASSERT_TRUE(ReadBytes(rec, bytes, 248));
            EXPECT_EQ(want, rec.m_bbInherit);
            auto back = rec;
            back.m_bbInherit.clear();
            ASSERT_TRUE(ReadBytes(back, WrittenBytes(rec), 248));
            EXPECT_EQ(want, back.m_bbInherit);
        };
        cEdBlock block;
        check(block, Block(248, {}, "", flags));
        cEdChara chara;
        check(chara, Chara(248, {}, "", flags));
        cEdItem item;
        check(item, Item(248, {}, "", flags));
    }
}

// ---------------------------------------------------------------------------
// Inheritance

// Gives every declared field of a record its own value (field i: i + 2) and
// returns the record.
template <class T>
T Distinct() {
    T rec;
    for (int i = 0; i < rec.FieldCount(); ++i) {
        const cFieldEntry e = rec.FieldEntry(i);
        const int64_t value = i + 2;
        memcpy(e.data, &value, static_cast<size_t>(e.width));
    }
    rec.m_Name = "source";
    rec.m_AppearConds.resize(1);
    rec.m_AppearConds[0].m_nValue = 5;
    return rec;
}

// Field numbers (from 1) of the declared fields in which two records differ.
template <class T>
std::set<int> ChangedFields(const T& a, const T& b) {
    std::set<int> out;
    for (int i = 0; i < a.FieldCount(); ++i) {
        const cFieldEntry x = a.FieldEntry(i);
        const cFieldEntry y = b.FieldEntry(i);
        if (memcmp(x.data, y.data, static_cast<size_t>(x.width * x.count)) != 0) out.insert(i + 1);
    }
    return out;
}

struct Group {
    std::set<int> fields;
    bool name;
    bool conds;
    bool list;  // flows or effect commands
};

// Inherits each group alone from entry 1 of a common palette vector, whose
// fields all differ from a new record's, and checks that exactly the group's
// members changed. listSize gives the size of the flows or effect commands.
template <class T, class ListSize>
void CheckGroups(cVector<T>& palette, const T& source, const std::vector<Group>& groups, ListSize listSize) {
    palette.resize(2);
    palette[1] = source;
    const T fresh;
    for (size_t g = 0; g < groups.size(); ++g) {
        SCOPED_TRACE(testing::Message() << "group " << g);
        T rec;
        rec.m_InheritKind = 1;
        rec.m_InheritIndex = 1;
        rec.m_bbInherit[static_cast<int>(g)] = 1;
        rec.ApplyInherit();
        std::set<int> changed = ChangedFields(rec, fresh);
        changed.erase(1);  // the link itself
        changed.erase(2);
        EXPECT_EQ(groups[g].fields, changed);
        EXPECT_EQ(groups[g].name, rec.m_Name == "source");
        EXPECT_EQ(groups[g].conds, rec.m_AppearConds.size() == 1u);
        EXPECT_EQ(groups[g].list, listSize(rec) == 1u);
    }
}

TEST_F(Definitions, EachFlagCopiesExactlyItsGroup) {
    const bool N = false, Y = true;
    {
        SCOPED_TRACE("block");
        std::vector<Group> groups = {
            {{}, Y, N, N},      {{3, 4}, N, Y, N}, {{5, 6, 7}, N, N, N}, {{8}, N, N, N},
            {{9}, N, N, N},     {{10, 11}, N, N, N}, {{12}, N, N, N},     {{13}, N, N, N},
            {{14, 15}, N, N, N}, {{16, 17}, N, N, N}, {{18}, N, N, N},
        };
        ASSERT_EQ(static_cast<size_t>(kBlockInheritCount), groups.size());
        CheckGroups(g_CommonPalette.m_Blocks, Distinct<cEdBlock>(), groups, [](cEdBlock&) { return size_t(0); });
    }
    {
        SCOPED_TRACE("character");
        std::vector<Group> groups = {
            {{}, Y, N, N},           {{26, 27}, N, N, N},     {{28}, N, N, N},     {{29}, N, N, N},
            {{3, 4}, N, Y, N},       {{5}, N, N, N},          {{6}, N, N, N},      {{7, 8, 11}, N, N, N},
            {{9, 10, 12}, N, N, N},  {{13, 14, 15}, N, N, N}, {{16}, N, N, N},     {{17}, N, N, N},
            {{18}, N, N, N},         {{19, 20, 21}, N, N, N}, {{22, 23}, N, N, N}, {{24, 25}, N, N, N},
            {{31}, N, N, N},         {{30}, N, N, N},         {{32}, N, N, N},     {{33}, N, N, N},
            {{34}, N, N, N},         {{35}, N, N, N},         {{36, 37}, N, N, N}, {{38}, N, N, N},
            {{39}, N, N, N},         {{41}, N, N, N},         {{42}, N, N, N},     {{43}, N, N, N},
            {{44}, N, N, N},         {{45}, N, N, N},         {{46}, N, N, N},     {{40}, N, N, N},
            {{51, 52}, N, N, N},     {{49, 50}, N, N, N},     {{47}, N, N, N},     {{48}, N, N, N},
            {{}, N, N, Y},
        };
        ASSERT_EQ(static_cast<size_t>(kCharaInheritCount), groups.size());
        cEdChara source = Distinct<cEdChara>();
        source.m_Flows.resize(1);
        source.m_Flows[0].m_nId = 3;
        // A copied flow list is never empty: look for the source's flow.
        CheckGroups(g_CommonPalette.m_Charas, source, groups,
                    [](cEdChara& c) { return c.m_Flows.size() == 1u && c.m_Flows[0].m_nId == 3 ? size_t(1) : 0; });
    }
    {
        SCOPED_TRACE("item");
        std::vector<Group> groups = {
            {{}, Y, N, N},   {{3, 4}, N, Y, N}, {{5}, N, N, N},  {{6}, N, N, N},  {{7, 8, 9}, N, N, N},
            {{10}, N, N, N}, {{11}, N, N, N},   {{12, 13}, N, N, N}, {{16}, N, N, N}, {{15}, N, N, N},
            {{14}, N, N, N}, {{17}, N, N, N},   {{}, N, N, Y},
        };
        ASSERT_EQ(static_cast<size_t>(kItemInheritCount), groups.size());
        cEdItem source = Distinct<cEdItem>();
        source.m_Effects.resize(1);
        CheckGroups(g_CommonPalette.m_Items, source, groups, [](cEdItem& i) { return i.m_Effects.size(); });
    }
}

TEST_F(Definitions, InheritingFromAStagePaletteEntry) {
    cVector<cEdBlock> blocks(3);
    cVector<cEdChara> charas(2);
    cVector<cEdItem> items(2);
    SetStagePalette(&blocks, &charas, &items);
    blocks[2].m_Graphic = 9;
    blocks[2].m_GraphicFrame = 4;
    blocks[2].m_Action = 3;
    blocks[2].m_ActionX = 50;
    blocks[2].m_Name = "source";
    cEdBlock rec;
    rec.m_InheritKind = 2;
    rec.m_InheritIndex = 2;
    rec.m_bbInherit[2] = 1;
    rec.m_bbInherit[8] = 1;
    rec.ApplyInherit();
    EXPECT_EQ(9, rec.m_Graphic);
    EXPECT_EQ(4, rec.m_GraphicFrame);
    EXPECT_EQ(3, rec.m_Action);
    EXPECT_EQ(50, rec.m_ActionX);
    EXPECT_EQ("", rec.m_Name);
}

TEST_F(Definitions, LinksToMissingEntriesAreDropped) {
    cVector<cEdBlock> blocks(5);
    cVector<cEdChara> charas(5);
    cVector<cEdItem> items(5);
    SetStagePalette(&blocks, &charas, &items);
    for (auto& b : blocks) b.m_Graphic = 8;
    struct Case {
        int kind, index;
        int applyKind, applyIndex;        // after ApplyInherit alone
        int validateKind, validateIndex;  // after Validate alone
    } cases[] = {
        {2, 7, 0, 7, 0, 0}, {2, 5, 0, 5, 0, 0}, {2, -3, 0, -3, 0, 0}, {1, 1, 0, 1, 0, 0}, {1, -1, 0, -1, 0, 0},
        {2, 4, 2, 4, 2, 4}, {3, 9, 3, 9, 3, 9},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.kind << " " << c.index);
        cEdBlock rec;
        rec.m_InheritKind = static_cast<int8_t>(c.kind);
        rec.m_InheritIndex = static_cast<int16_t>(c.index);
        rec.m_bbInherit.Fill(1);
        cEdBlock other = rec;
        rec.ApplyInherit();
        EXPECT_EQ(c.applyKind, rec.m_InheritKind);
        EXPECT_EQ(c.applyIndex, rec.m_InheritIndex);
        other.Validate();
        EXPECT_EQ(c.validateKind, other.m_InheritKind);
        EXPECT_EQ(c.validateIndex, other.m_InheritIndex);
    }
    // An index of 0 names no source, whatever the flags.
    cEdBlock none;
    none.m_InheritKind = 2;
    none.m_bbInherit.Fill(1);
    none.ApplyInherit();
    EXPECT_EQ(0, none.m_Graphic);
    EXPECT_EQ(2, none.m_InheritKind);
}

TEST_F(Definitions, ObtainedItemLinkIsCheckedAgainstItsPalette) {
    cVector<cEdBlock> blocks(2);
    cVector<cEdChara> charas(2);
    cVector<cEdItem> items(4);
    SetStagePalette(&blocks, &charas, &items);
    g_CommonPalette.m_Items.resize(2);
    struct Case {
        int kind, index, wantKind, wantIndex;
    } cases[] = {{1, 1, 1, 1}, {1, 2, 0, 0}, {2, 3, 2, 3}, {2, 4, 0, 0}, {2, -1, 0, 0}, {0, 9, 0, 9}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.kind << " " << c.index);
        cEdBlock block;
        block.m_ItemKind = static_cast<int8_t>(c.kind);
        block.m_ItemIndex = static_cast<int16_t>(c.index);
        block.ValidateRefs();
        EXPECT_EQ(c.wantKind, block.m_ItemKind);
        EXPECT_EQ(c.wantIndex, block.m_ItemIndex);
    }
}

TEST_F(Definitions, InheritedFlowsAreNeverEmptyUntilValidated) {
    g_CommonPalette.m_Charas.resize(2);
    cEdChara rec;
    rec.m_InheritKind = 1;
    rec.m_InheritIndex = 1;
    rec.m_bbInherit[36] = 1;
    rec.ApplyInherit();
    ASSERT_EQ(1u, rec.m_Flows.size());
    EXPECT_EQ(cEdFlow(), rec.m_Flows[0]);
    rec.Validate();
    EXPECT_TRUE(rec.m_Flows.empty());

    // Effect commands are a plain copy.
    g_CommonPalette.m_Items.resize(2);
    cEdItem item;
    item.m_Effects.resize(2);
    item.m_InheritKind = 1;
    item.m_InheritIndex = 1;
    item.m_bbInherit[12] = 1;
    item.ApplyInherit();
    EXPECT_TRUE(item.m_Effects.empty());
}

// ---------------------------------------------------------------------------
// Validation and equality

// A command three records down (character, flow, command, flow, command)
// with a kind outside its table and an animation past the table, as a file
// or an unchecked palette entry may hold it.
TEST_F(Definitions, SubRecordsAreValidatedAtEveryDepth) {
    const std::string badInner = Command(248, {{2, {127}}, {8, {40}}}, "", "", "", {}, {});
    const std::string nested =
        Flow(248, {}, {}, {}, {Command(248, {{2, {double(kCmdStageClear)}}}, "", "", "", {Flow(248, {}, {}, {}, {badInner})},
                                       {})});
    auto inner = [](cEdChara& c) -> cEdCommand& { return c.m_Flows.at(0).m_Commands.at(0).m_Flows.at(0).m_Commands.at(0); };
    auto expectValid = [&](cEdChara& c) {
        ASSERT_EQ(1u, c.m_Flows.size());
        EXPECT_EQ(kCmdStageClear, c.m_Flows[0].m_Commands.at(0).m_nKind);
        EXPECT_EQ(0, inner(c).m_nKind);
        EXPECT_EQ(0, inner(c).m_nAnime);
    };

    // read from a file
    cEdChara read;
    ASSERT_TRUE(ReadBytes(read, Chara(248, {}, "", Zeros(kCharaInheritCount), {nested}), 248));
    expectValid(read);

    // copied in from a palette entry that was never checked, while reading
    cEdChara entry;
    ASSERT_TRUE(ReadBytes(entry, Chara(248, {}, "", Zeros(kCharaInheritCount), {nested}), 248));
    inner(entry).m_nKind = 127;
    inner(entry).m_nAnime = 40;
    g_CommonPalette.m_Charas.resize(2);
    g_CommonPalette.m_Charas[1] = entry;
    std::vector<int> flags = Zeros(kCharaInheritCount);
    flags[36] = 1;  // the flows
    cEdChara inheriting;
    ASSERT_TRUE(ReadBytes(inheriting, Chara(248, {{1, {1}}, {2, {1}}}, "", flags), 248));
    expectValid(inheriting);

    // written: the file holds the checked values, the record keeps them too
    cEdChara written = entry;
    cEdChara checked = entry;
    checked.Validate();
    EXPECT_EQ(WrittenBytes(checked), WrittenBytes(written));
    expectValid(written);
}

TEST_F(Definitions, CharacterValidation) {
    struct Case {
        int tableSize, animeSet, wantAnimeSet;
    } cases[] = {{12, 40, 1}, {12, 12, 1}, {12, 11, 11}, {12, -4, 1}, {1, 3, 0}, {1, 0, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.tableSize << " " << c.animeSet);
        m_Refs.tableSize = c.tableSize;
        cEdChara chara;
        chara.m_AnimeSetNo = static_cast<int16_t>(c.animeSet);
        chara.Validate();
        EXPECT_EQ(c.wantAnimeSet, chara.m_AnimeSetNo);
        EXPECT_FALSE(OutsideTable(chara.m_AnimeSetNo, kTableAnimeSet));
    }
    m_Refs.tableSize = 12;
    cEdChara chara;
    chara.m_StartEffect = 40;
    chara.m_DeathEffect = 12;
    chara.m_Enlarge = 0;
    chara.m_Flows.resize(3);
    chara.m_Flows[1].m_Commands.resize(1);
    chara.m_Flows[1].m_nId = 4;
    chara.Validate();
    EXPECT_EQ(0, chara.m_StartEffect);
    EXPECT_EQ(0, chara.m_DeathEffect);
    EXPECT_EQ(1, chara.m_Enlarge);
    ASSERT_EQ(1u, chara.m_Flows.size());
    EXPECT_EQ(4, chara.m_Flows[0].m_nId);
}

TEST_F(Definitions, WritingRepairsWhatAFileMustNotHold) {
    cEdBlock block;
    block.m_BlockType = 2;
    block.m_NoSummon = 1;
    EXPECT_EQ(Block(248, {{12, {0}}, {18, {0}}}, "", Zeros(kBlockInheritCount)), WrittenBytes(block));

    cEdItem item;
    item.m_Graphic = 1;
    item.m_SoundNo = 12;
    item.m_Enlarge = -2;
    EXPECT_EQ(Item(248, {{7, {1}}, {16, {1}}, {17, {0}}}, "", Zeros(kItemInheritCount)), WrittenBytes(item));
}

TEST_F(Definitions, Equality) {
    cEdBlock a, b;
    a.m_Name = "a";
    b.m_Name = "b";
    EXPECT_EQ(a, b) << "two empty cells";
    a.m_Name = b.m_Name;
    a.m_Graphic = b.m_Graphic = 3;
    a.m_CellX = 4;
    a.m_CellY = 9;
    EXPECT_EQ(a, b) << "the cell is not compared";
    a.m_bbInherit[10] = 1;
    EXPECT_NE(a, b) << "one flag";
    a.m_bbInherit[10] = 0;
    a.m_AppearConds.resize(1);
    EXPECT_NE(a, b) << "a condition";

    cEdChara c, d;
    c.m_Graphic = d.m_Graphic = 1;
    c.m_HeldItemNo = 5;
    EXPECT_EQ(c, d);
    c.m_Flows.resize(1);
    EXPECT_NE(c, d);
    cEdItem e, f;
    e.m_Graphic = f.m_Graphic = 1;
    e.m_Effects.resize(1);
    EXPECT_NE(e, f);
    f.m_Effects.resize(1);
    EXPECT_EQ(e, f);
}

TEST_F(Definitions, OptionTables) {
    auto count = [](const cString* t) {
        int n = 0;
        while (!t[n].IsEmpty()) ++n;
        return n;
    };
    EXPECT_EQ(3, count(g_InheritSourceName));
    EXPECT_EQ(9, count(g_FactionChoiceName));
    EXPECT_EQ(6, count(g_BlockActionName));
    EXPECT_EQ(10, count(g_EnlargeName));
    EXPECT_EQ(9, count(g_EnlargeName2));
    EXPECT_EQ("32×32", g_ContactRangeName[3]);
    EXPECT_EQ(3, count(g_ItemTakeMode));
    EXPECT_EQ(5, count(g_GraphicSourceName));
}

}  // namespace
