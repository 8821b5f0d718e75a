#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "model/palette.h"
#include "model/prjoption.h"
#include "model/stage.h"
#include "tests/model/stage_layouts.h"
#include "tests/support/test_env.h"

using namespace recbytes;

namespace {

class StagePalette : public testing::Test {
protected:
    void SetUp() override {
        g_PrjOption.SetDefault();
        g_CommonPalette.SetDefault();
        g_Stage.SetDefault();
        g_Stage.RegisterPalette();
    }
    void TearDown() override {
        g_CommonPalette.SetDefault();
        g_Stage.SetDefault();
        EXPECT_FALSE(m_Wnd.TakeCloseRequest()) << "a checked access failed";
    }
    TestAppWindow m_Wnd;
};

cEdChara Placed(int graphic, int control) {
    cEdChara c;
    c.m_Graphic = static_cast<int16_t>(graphic);
    c.m_Control = static_cast<int8_t>(control);
    return c;
}

std::vector<std::pair<int, int>> Players(const cEdStage& s) {
    std::vector<std::pair<int, int>> out;
    for (int y = 0; y < s.m_Height; ++y)
        for (int x = 0; x < s.m_Width; ++x) {
            const cEdChara& c = s.m_Charas[s.CellIndex(x, y)];
            if (c.m_Graphic != 0 && c.m_Control == 0) out.emplace_back(x, y);
        }
    return out;
}

TEST_F(StagePalette, PaletteFileRoundTripAndLinksPastTheCommonPalette) {
    cEdStage& s = g_Stage;
    s.Validate();
    s.m_PalCharas.resize(3);
    s.m_PalCharas[2].m_Graphic = 7;
    s.m_PalCharas[2].m_Name = "敵";
    s.m_PalCharas[2].m_Flows.resize(1);
    s.m_PalCharas[2].m_Flows[0].m_Commands.resize(1);
    ASSERT_EQ(s.SavePalette("pal.plt4"), 1);
    const std::string bytes = GetDataFile("pal.plt4");
    // version word, three vectors, no trailer
    EXPECT_EQ(bytes, I32(248) + WrittenBytes(s.m_PalBlocks) + WrittenBytes(s.m_PalCharas) +
                         WrittenBytes(s.m_PalItems));

    // a placed character linked to stage entry 2 takes the loaded entry
    cEdChara& placed = s.m_Charas[s.CellIndex(3, 3)];
    placed.m_Graphic = 1;
    placed.m_InheritKind = 2;
    placed.m_InheritIndex = 2;
    placed.m_bbInherit.Fill(1);
    s.m_PalCharas.resize(1);
    ASSERT_EQ(s.LoadPalette("pal.plt4"), 1);
    ASSERT_EQ(s.m_PalCharas.size(), 3u);
    EXPECT_EQ(s.m_PalCharas[2].m_Name, "敵");
    EXPECT_EQ(placed.m_Name, "敵");
    EXPECT_EQ(placed.m_Graphic, 7);

    EXPECT_EQ(s.LoadPalette("missing.plt4"), 0);
    EXPECT_EQ(s.m_PalCharas.size(), 3u);

    // an entry linked to common index 40 while the common palette holds 10
    g_CommonPalette.m_Charas.resize(10);
    const std::vector<int> flags(kCharaInheritCount, 1);
    const std::string file = I32(248) + Vec({}) +
                             Vec({Chara(248, {}, "", flags), Chara(248, {{1, {1}}, {2, {40}}, {15, {3}}}, "", flags)}) +
                             Vec({});
    ASSERT_TRUE(PutDataFile("link.plt4", file));
    ASSERT_EQ(s.LoadPalette("link.plt4"), 1);
    ASSERT_EQ(s.m_PalCharas.size(), 2u);
    EXPECT_EQ(s.m_PalCharas[1].m_InheritKind, 0);
    EXPECT_EQ(s.m_PalCharas[1].m_InheritIndex, 40);
    // a kind without entries keeps its empty entry 0; it is padded to two
    // only by the next validation
    EXPECT_EQ(s.m_PalBlocks.size(), 1u);
    EXPECT_EQ(s.m_PalItems.size(), 1u);
}

TEST_F(StagePalette, DamagedPaletteFileFailsAndKeepsThePalette) {
    cEdStage& s = g_Stage;
    s.Validate();
    s.m_PalCharas.resize(3);
    s.m_PalCharas[2].m_Name = "いまの";
    s.m_PalCharas[2].m_Graphic = 5;
    cEdChara& placed = s.m_Charas[s.CellIndex(1, 1)];
    placed.m_Graphic = 1;
    placed.m_InheritKind = 2;
    placed.m_InheritIndex = 2;
    placed.m_bbInherit.Fill(1);
    s.RefreshStageInheritChara();
    ASSERT_EQ(placed.m_Name, "いまの");
    const std::string before = WrittenBytes(s.m_PalCharas) + WrittenBytes(s.m_PalBlocks);

    const std::vector<int> flags(kCharaInheritCount, 0);
    const std::string whole = I32(248) + Vec({}) +
                              Vec({Chara(248, {}, "", flags), Chara(248, {}, "", flags),
                                   Chara(248, {{15, {3}}}, "ファイル", flags)}) +
                              Vec({});
    struct Case {
        const char* what;
        std::string bytes;
    } cases[] = {
        {"cut in the characters", whole.substr(0, whole.size() - 30)},
        {"cut before the items", whole.substr(0, whole.size() - 4)},
        {"a count past the end", I32(248) + I32(1000000)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_TRUE(PutDataFile("bad.plt4", c.bytes));
        EXPECT_EQ(s.LoadPalette("bad.plt4"), 0);
        EXPECT_EQ(WrittenBytes(s.m_PalCharas) + WrittenBytes(s.m_PalBlocks), before);
        EXPECT_EQ(placed.m_Name, "いまの");
    }
    // the whole file loads, and its strings keep their carriage returns
    // unless asked
    ASSERT_TRUE(PutDataFile("good.plt4", whole));
    ASSERT_EQ(s.LoadPalette("good.plt4"), 1);
    EXPECT_EQ(s.m_PalCharas[2].m_Name, "ファイル");
    EXPECT_EQ(placed.m_InheritKind, 2);
    EXPECT_EQ(placed.m_Name, "ファイル");
    EXPECT_EQ(s.m_PalBlocks.size(), 1u);
    const std::string cr = I32(248) + Vec({}) + Vec({Chara(248, {}, "", flags), Chara(248, {}, "敵\r\n", flags)}) +
                           Vec({});
    ASSERT_TRUE(PutDataFile("cr.plt4", cr));
    ASSERT_EQ(s.LoadPalette("cr.plt4"), 1);
    EXPECT_EQ(s.m_PalCharas[1].m_Name, "敵\r\n");
    ASSERT_EQ(s.LoadPalette("cr.plt4", true), 1);
    EXPECT_EQ(s.m_PalCharas[1].m_Name, "敵\n");
}

TEST_F(StagePalette, RefreshCarriesACommonChangeThroughTheStagePalette) {
    cEdStage& s = g_Stage;
    s.Validate();
    g_CommonPalette.m_Blocks.resize(3);
    g_CommonPalette.m_Blocks[2].m_Graphic = 5;
    g_CommonPalette.m_Blocks[2].m_Name = "古い";
    s.m_PalBlocks.resize(3);
    cEdBlock& entry = s.m_PalBlocks[2];
    SetInherit(&entry, kObjBlock, 1, 2, cVector<int8_t>(kBlockInheritCount, 1));
    EXPECT_EQ(entry.m_Name, "古い");
    cEdBlock& placed = s.m_Blocks[s.CellIndex(1, 1)];
    placed.m_Graphic = 1;
    SetInherit(&placed, kObjBlock, 2, 2, cVector<int8_t>(kBlockInheritCount, 1));
    EXPECT_EQ(placed.m_Name, "古い");

    g_CommonPalette.m_Blocks[2].m_Name = "新しい";
    s.RefreshInheritBlock();
    EXPECT_EQ(entry.m_Name, "新しい");
    EXPECT_EQ(placed.m_Name, "新しい");

    s.m_PalBlocks[2].m_Name = "ステージ";
    s.RefreshStageInheritBlock();
    EXPECT_EQ(placed.m_Name, "ステージ");
}

TEST_F(StagePalette, SetInheritClearsALinkPastThePalette) {
    cEdItem item;
    item.m_Graphic = 2;
    SetInherit(&item, kObjItem, 1, 5, cVector<int8_t>(kItemInheritCount, 1));
    EXPECT_EQ(item.m_InheritKind, 0);
    EXPECT_EQ(item.m_InheritIndex, 0);
    for (int8_t f : item.m_bbInherit) EXPECT_EQ(f, 0);

    // a negative index is past the end of any palette
    item.m_InheritKind = 1;
    item.m_InheritIndex = 1;
    item.m_bbInherit.Reset(kItemInheritCount);
    item.m_bbInherit[0] = 1;
    SetInherit(&item, kObjItem, 1, -1, cVector<int8_t>(kItemInheritCount, 1));
    EXPECT_EQ(item.m_InheritKind, 0);
    EXPECT_EQ(item.m_InheritIndex, 0);
    EXPECT_EQ(item.m_bbInherit.size(), static_cast<size_t>(kItemInheritCount));
    for (int8_t f : item.m_bbInherit) EXPECT_EQ(f, 0);

    // a flag vector of another length is taken all the same
    SetInherit(&item, kObjItem, 1, 0, cVector<int8_t>(3, 1));
    EXPECT_EQ(item.m_InheritKind, 1);
    EXPECT_EQ(item.m_bbInherit.size(), 3u);
    // the object type must match the record
    cEdBlock block;
    SetInherit(&block, kObjItem, 1, 0, cVector<int8_t>(kItemInheritCount, 1));
    EXPECT_EQ(block.m_InheritKind, 0);
}

TEST_F(StagePalette, ValidationPadsEachPaletteFromTheProjectDefaults) {
    g_PrjOption.m_DefChara.m_Name = "既定";
    const int k = DefInheritIndex(kInheritStage, kObjChara);
    g_PrjOption.m_nDefInheritSrc[k] = 1;
    g_PrjOption.m_bbDefInherit[k].Reset(kCharaInheritCount);
    g_PrjOption.m_bbDefInherit[k][0] = 1;
    g_CommonPalette.Validate();
    g_CommonPalette.m_Charas[1].m_Name = "共通";
    cEdStage s;
    s.Validate();
    ASSERT_EQ(s.m_PalCharas.size(), 2u);
    EXPECT_EQ(s.m_PalCharas[1].m_InheritKind, 1);
    EXPECT_EQ(s.m_PalCharas[1].m_InheritIndex, 1);
    EXPECT_EQ(s.m_PalCharas[1].m_Name, "共通");  // the name group is inherited at once
    EXPECT_EQ(s.m_PalBlocks.size(), 2u);
    EXPECT_EQ(s.m_PalItems.size(), 2u);
}

TEST_F(StagePalette, PlacingCharactersKeepsOnePlayer) {
    cEdStage& s = g_Stage;
    s.SetSize(8, 6, 0, 0);
    // a computer character on the only player's cell moves the player to the
    // first empty cell
    s.m_Charas[s.CellIndex(0, 0)] = Placed(9, 1);
    s.m_Charas[s.CellIndex(2, 2)] = Placed(4, 0);
    cEdChara enemy = Placed(5, 1);
    s.PlaceChara(s.CellIndex(2, 2), enemy);
    EXPECT_EQ(Players(s), (std::vector<std::pair<int, int>>{{1, 0}}));
    EXPECT_EQ(s.m_Charas[s.CellIndex(2, 2)].m_Graphic, 5);

    // a new player removes the one at (1, 0)
    cEdChara hero = Placed(6, 0);
    hero.m_bbInherit.Fill(1);
    s.PlaceChara(s.CellIndex(5, 3), hero);
    EXPECT_EQ(hero.m_bbInherit[1], 0);  // the caller's record keeps the cleared flag
    EXPECT_EQ(Players(s), (std::vector<std::pair<int, int>>{{5, 3}}));
    EXPECT_EQ(s.m_Charas[s.CellIndex(1, 0)], s.m_PalCharas[0]);

    // a player placed on the player's own cell: the moved copy lies before
    // the target, so it is the one removed
    s.PlaceChara(s.CellIndex(5, 3), hero);
    EXPECT_EQ(Players(s), (std::vector<std::pair<int, int>>{{5, 3}}));
}

TEST_F(StagePalette, PlayerOnItsOwnCellWithTheEmptyCellAfterItLeavesTwo) {
    cEdStage& s = g_Stage;
    s.SetSize(6, 2, 0, 0);
    s.m_Charas[s.CellIndex(0, 0)] = Placed(9, 1);
    s.m_Charas[s.CellIndex(1, 0)] = Placed(4, 0);
    s.m_Charas[s.CellIndex(2, 0)] = Placed(9, 1);
    cEdChara hero = Placed(6, 0);
    s.PlaceChara(s.CellIndex(1, 0), hero);
    EXPECT_EQ(Players(s), (std::vector<std::pair<int, int>>{{1, 0}, {3, 0}}));
    EXPECT_EQ(s.m_Charas[s.CellIndex(1, 0)].m_Graphic, 6);
    EXPECT_EQ(s.m_Charas[s.CellIndex(3, 0)].m_Graphic, 4);
    s.KeepOnePlayer();
    EXPECT_EQ(Players(s), (std::vector<std::pair<int, int>>{{3, 0}}));
}

TEST_F(StagePalette, FullMapPutsTheOverwrittenPlayerInCellZero) {
    cEdStage& s = g_Stage;
    s.SetSize(3, 2, 0, 0);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x) s.m_Charas[s.CellIndex(x, y)] = Placed(9, 1);
    s.m_Charas[s.CellIndex(2, 1)] = Placed(4, 0);
    cEdChara enemy = Placed(5, 1);
    s.PlaceChara(s.CellIndex(2, 1), enemy);
    EXPECT_EQ(Players(s), (std::vector<std::pair<int, int>>{{0, 0}}));

    // the player in cell 0 itself: it cannot go to cell 0, so it takes the
    // next cell of the map and survives the placement
    cEdChara other = Placed(7, 1);
    s.PlaceChara(s.CellIndex(0, 0), other);
    EXPECT_EQ(s.m_Charas[s.CellIndex(0, 0)].m_Graphic, 7);
    EXPECT_EQ(Players(s), (std::vector<std::pair<int, int>>{{1, 0}}));
    // at the end of a row the next cell is the first of the next row
    s.SetSize(1, 2, 0, 0);
    s.m_Charas[s.CellIndex(0, 0)] = Placed(4, 0);
    s.m_Charas[s.CellIndex(0, 1)] = Placed(9, 1);
    s.PlaceChara(s.CellIndex(0, 0), other);
    EXPECT_EQ(Players(s), (std::vector<std::pair<int, int>>{{0, 1}}));
}

TEST_F(StagePalette, CheckPaletteLinksUnlinksEntriesPastTheirPalette) {
    cEdStage& s = g_Stage;
    g_CommonPalette.m_Blocks.resize(4);
    s.m_PalBlocks.resize(5);
    s.m_PalCharas.resize(3);
    struct Case {
        int kind, index;
        bool kept;
    } cases[] = {{1, 3, true}, {1, 4, false}, {2, 4, true}, {2, 5, false}, {0, 9, true}};
    for (size_t i = 0; i < 5; ++i) {
        s.m_PalBlocks[i].m_InheritKind = static_cast<int8_t>(cases[i].kind);
        s.m_PalBlocks[i].m_InheritIndex = static_cast<int16_t>(cases[i].index);
        s.m_PalBlocks[i].m_bbInherit.Fill(1);
    }
    s.m_PalCharas[2].m_InheritKind = 2;
    s.m_PalCharas[2].m_InheritIndex = 3;
    s.m_PalCharas[1].m_InheritKind = 1;
    s.m_PalCharas[1].m_InheritIndex = -1;
    s.CheckPaletteLinks();
    for (size_t i = 0; i < 5; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(cases[i].kept ? cases[i].kind : 0, s.m_PalBlocks[i].m_InheritKind);
        EXPECT_EQ(cases[i].kept ? cases[i].index : 0, s.m_PalBlocks[i].m_InheritIndex);
        EXPECT_EQ(1, s.m_PalBlocks[i].m_bbInherit[0]) << "the flags stay";
    }
    EXPECT_EQ(0, s.m_PalCharas[2].m_InheritKind) << "a character palette of three has no entry 3";
    EXPECT_EQ(0, s.m_PalCharas[1].m_InheritKind) << "a negative index names no entry";
    EXPECT_EQ(0, s.m_PalCharas[1].m_InheritIndex);
}

TEST_F(StagePalette, ClearCellAndTurn) {
    cEdBlock block;
    block.m_Graphic = 9;
    block.m_Name = "床";
    block.ClearCell();
    EXPECT_EQ(0, block.m_Graphic);
    EXPECT_EQ("", block.m_Name);
    cEdItem item;
    item.m_Graphic = 4;
    item.m_Name = "薬";
    item.ClearCell();
    EXPECT_EQ(0, item.m_Graphic);
    EXPECT_EQ("", item.m_Name);
    cEdChara chara;
    ASSERT_EQ(0, chara.m_FaceRight);
    chara.Turn();
    EXPECT_EQ(1, chara.m_FaceRight);
    chara.Turn();
    EXPECT_EQ(0, chara.m_FaceRight);
}

TEST_F(StagePalette, KeepOnePlayerLeavesTheLastInRowOrder) {
    cEdStage& s = g_Stage;
    s.SetSize(10, 8, 0, 0);
    int x, y;
    EXPECT_FALSE(s.FindPlayer(&x, &y));
    EXPECT_EQ(x, -1);
    s.m_Charas[s.CellIndex(7, 5)] = Placed(4, 0);
    s.KeepOnePlayer();
    EXPECT_EQ(Players(s), (std::vector<std::pair<int, int>>{{7, 5}}));
    s.m_Charas[s.CellIndex(3, 0)] = Placed(4, 0);
    s.m_Charas[s.CellIndex(1, 2)] = Placed(4, 0);
    ASSERT_TRUE(s.FindPlayer(&x, &y));
    EXPECT_EQ(std::make_pair(x, y), std::make_pair(3, 0));
    s.KeepOnePlayer();
    EXPECT_EQ(Players(s), (std::vector<std::pair<int, int>>{{7, 5}}));
    EXPECT_TRUE(s.HasPlayer());
}

}  // namespace
