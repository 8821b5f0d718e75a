#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "base/paths.h"
#include "model/palette.h"
#include "model/prjoption.h"
#include "model/stage.h"
#include "tests/model/stage_layouts.h"
#include "tests/support/test_env.h"

using namespace recbytes;

namespace {

class StageFile : public testing::Test {
protected:
    void SetUp() override {
        g_PrjOption.SetDefault();
        g_CommonPalette.SetDefault();
        g_Stage.SetDefault();
    }
    void TearDown() override {
        g_Stage.SetDefault();
        EXPECT_FALSE(m_Wnd.TakeCloseRequest()) << "a checked access failed";
    }
    TestAppWindow m_Wnd;
};

TEST_F(StageFile, DefaultStageWritesItsLayoutByteForByte) {
    cEdStage stage;
    const std::string bytes = WrittenBytes(stage);

    // the validation before the write gave each palette its entry 1
    ASSERT_EQ(stage.m_PalBlocks.size(), 2u);
    ASSERT_EQ(stage.m_PalCharas.size(), 2u);
    ASSERT_EQ(stage.m_PalItems.size(), 2u);
    StageParts p;
    p.palettes = WrittenBytes(stage.m_PalBlocks) + WrittenBytes(stage.m_PalCharas) + WrittenBytes(stage.m_PalItems);
    p.backLayers = {BackLayer(248, 1, 0.1, "")};
    p.vars = 255;
    const std::string expected = StageBody(248, p);
    ASSERT_EQ(bytes.size(), expected.size());
    EXPECT_TRUE(bytes == expected);
    // the record announces 98 fields and one string
    EXPECT_EQ(bytes.substr(0, 4), I32(98));
    EXPECT_EQ(bytes.substr(bytes.size() - 4), I32(123456789));

    cEdStage back;
    back.m_Width = 99;
    ASSERT_TRUE(ReadBytes(back, bytes, 248));
    EXPECT_EQ(back.m_Width, 20);
    EXPECT_EQ(back.m_Height, 15);
    EXPECT_EQ(back.m_Pitch, 32);
    EXPECT_EQ(back.m_Blocks.size(), 32u * 15u);
    ASSERT_EQ(back.m_BackLayers.size(), 1u);
    EXPECT_EQ(back.m_BackLayers[0].m_bUseColour, 1);
    EXPECT_EQ(back.m_RankingItems, (cVector<int32_t>{1, 1, 1, 1, 1}));
    EXPECT_EQ(back.m_Vars.size(), 255u);
}

TEST_F(StageFile, HitLevelDerivesTheStepFields) {
    struct Case {
        int level;
        double gravity;
        int steps;
        double cap;
        double capStep;
        double gravityStep;
    } cases[] = {
        {13, 0.4, 3, 60.0, 20.0, 0.4 / 9.0},
        {10, 0.4, 10, 60.0, 6.0, 0.004},
        {2, 0.4, 2, 12.0, 6.0, 0.1},
        {19, 0.4, 9, 60.0, 60.0 / 9.0, 0.4 / 81.0},
    };
    for (const Case& c : cases) {
        cEdStage s;
        s.m_Gravity = c.gravity;
        s.SetHitLevel(c.level);
        EXPECT_EQ(s.m_HitLevel, c.level);
        EXPECT_EQ(s.m_HitSteps, c.steps) << c.level;
        EXPECT_DOUBLE_EQ(s.m_dHitSteps2, double(c.steps) * c.steps);
        EXPECT_DOUBLE_EQ(s.m_dSpeedCap, c.cap) << c.level;
        EXPECT_DOUBLE_EQ(s.m_dSpeedCapStep, c.capStep) << c.level;
        EXPECT_DOUBLE_EQ(s.m_dGravityStep, c.gravityStep) << c.level;
        EXPECT_EQ(s.m_HitSteps8, c.steps * 8);
    }
    // a level outside the table (a damaged file) becomes level 1
    for (int level : {0, -3, 20, 2000000000}) {
        cEdStage s;
        s.m_HitLevel = level;
        s.Validate();
        EXPECT_EQ(s.m_HitLevel, 1) << level;
        EXPECT_EQ(s.m_HitSteps, 1);
    }
}

// A stage with objects on all three layers, a palette with links and
// flows, settings changed from the defaults.
void Populate(cEdStage& s) {
    s.SetSize(33, 20, 0, 0);
    s.m_Name = "ステージ";
    s.m_TimeLimit = 321;
    s.m_HitLevel = 13;
    s.m_HitBoxes[kHitEnemyFlyCharaW] = 6;
    s.m_Vanish[2].m_Bottom = 7;
    s.m_Vars[3].m_Name = "変数";
    s.m_BackLayers[0].m_Image = "bmp\\back.bmp";
    s.m_PalCharas.resize(3);
    s.m_PalCharas[2].m_Graphic = 9;
    s.m_PalCharas[2].m_Flows.resize(1);
    s.m_PalCharas[2].m_Flows[0].m_Commands.resize(2);
    for (int i = 0; i < 3; ++i) {
        cEdBlock& b = s.m_Blocks[s.CellIndex(i + 1, 2)];
        b.m_Graphic = static_cast<int16_t>(i + 1);
        b.m_Name = "ブロック";
    }
    cEdChara& hero = s.m_Charas[s.CellIndex(2, 1)];
    hero.m_Graphic = 4;
    hero.m_Control = 0;
    cEdChara& enemy = s.m_Charas[s.CellIndex(32, 19)];
    enemy.m_Graphic = 5;
    enemy.m_Flows.resize(2);
    enemy.m_Flows[0].m_Commands.resize(1);
    enemy.m_Flows[1].m_KeyConds.resize(1);
    cEdChara& holder = s.m_Charas[s.CellIndex(5, 6)];
    holder.m_Graphic = 6;
    holder.m_Control = 1;
    holder.m_HoldItem = 1;
    for (int x : {0, 7, 12}) s.m_Items[s.CellIndex(x, 3)].m_Graphic = 3;
    s.m_Items[s.CellIndex(5, 6)].m_Graphic = 8;  // the third item in row order
    s.m_Items[s.CellIndex(5, 6)].m_Effects.resize(1);
}

TEST_F(StageFile, PopulatedStageComesBackTheSame) {
    cEdStage s;
    Populate(s);
    EXPECT_EQ(s.CellIndex(2, 1), 66);  // width 33: pitch 64
    const std::string bytes = WrittenBytes(s);
    EXPECT_EQ(s.m_Charas[s.CellIndex(5, 6)].m_HeldItemNo, 3);  // 0, 7, 12 on row 3 come first
    EXPECT_EQ(s.m_Charas[s.CellIndex(2, 1)].m_HeldItemNo, -1);
    EXPECT_EQ(s.m_Charas[s.CellIndex(32, 19)].m_HeldItemNo, -1);

    cEdStage back;
    ASSERT_TRUE(ReadBytes(back, bytes, 248));
    EXPECT_EQ(back.m_Width, 33);
    EXPECT_EQ(back.m_Height, 20);
    EXPECT_EQ(back.m_Pitch, 64);
    EXPECT_EQ(back.m_PitchShift, 6);
    EXPECT_EQ(back.m_Name, s.m_Name);
    EXPECT_EQ(back.m_TimeLimit, 321);
    EXPECT_EQ(back.m_HitSteps, 3);
    EXPECT_EQ(back.m_HitBoxes[kHitEnemyFlyCharaW], 6);
    EXPECT_EQ(back.m_Vanish[2].m_Bottom, 7);
    EXPECT_EQ(back.m_Vars[3].m_Name, "変数");
    EXPECT_EQ(back.m_BackLayers[0].m_Image, "bmp\\back.bmp");
    ASSERT_EQ(back.m_PalCharas.size(), 3u);
    EXPECT_EQ(back.m_PalCharas[2], s.m_PalCharas[2]);
    ASSERT_EQ(back.m_Blocks.size(), s.m_Blocks.size());
    for (size_t i = 0; i < s.m_Blocks.size(); ++i) {
        const int k = static_cast<int>(i);
        ASSERT_EQ(back.m_Blocks[k], s.m_Blocks[k]) << i;
        ASSERT_EQ(back.m_Charas[k], s.m_Charas[k]) << i;
        ASSERT_EQ(back.m_Items[k], s.m_Items[k]) << i;
    }
    EXPECT_EQ(back.m_Charas[s.CellIndex(32, 19)].m_Flows.size(), 2u);
    EXPECT_EQ(back.m_Blocks[s.CellIndex(3, 2)].m_CellX, 3);
    EXPECT_EQ(back.m_Blocks[s.CellIndex(3, 2)].m_CellY, 2);
    // written again, the same bytes
    EXPECT_TRUE(WrittenBytes(back) == bytes);
}

TEST_F(StageFile, LayerCountIsTheCellsWritten) {
    cEdStage s;
    // a cell beyond the width (inside the pitch) is not part of the stage
    s.m_Blocks[s.CellIndex(25, 0)].m_Graphic = 2;
    s.m_Blocks[s.CellIndex(1, 0)].m_Graphic = 2;
    const std::string bytes = WrittenBytes(s);
    cEdStage back;
    EXPECT_TRUE(ReadBytes(back, bytes, 248));
    EXPECT_EQ(back.m_Blocks[1].m_Graphic, 2);
    EXPECT_EQ(back.m_Blocks[25].m_Graphic, 0);
}

// Layer sections larger than the file's write buffer: each count, filled in
// after its cells went out to the file, matches the cells that follow it.
TEST_F(StageFile, LayersLargerThanTheWriteBufferCountTheirCells) {
    cEdStage s;
    s.SetSize(128, 128, 0, 0);
    int filled = 0;
    for (int y = 0; y < s.m_Height; ++y) {
        for (int x = 0; x < s.m_Width; ++x) {
            // every layer a few cells short of full, so that no count is
            // the whole layer
            if ((x + y) % 61 == 0) continue;
            const int i = s.CellIndex(x, y);
            s.m_Blocks[i].m_Graphic = 3;
            s.m_Blocks[i].m_Name = "ブロック";
            s.m_Charas[i].m_Graphic = 2;
            s.m_Charas[i].m_Name = "キャラ";
            s.m_Items[i].m_Graphic = 1;
            ++filled;
        }
    }
    const char* path = "data\\stg4\\large.stg4_248";
    ASSERT_EQ(SaveStageFile(s, path), 1);
    ASSERT_GT(GetDataFile(path).size(), 3 * cRecFile::kBufferSize);
    cEdStage back;
    ASSERT_EQ(LoadStageFile(back, path), 1);
    int blocks = 0, charas = 0, items = 0;
    for (int i = 0; i < back.LayerSize(); ++i) {
        blocks += back.m_Blocks[i].m_Graphic == 3;
        charas += back.m_Charas[i].m_Graphic == 2;
        items += back.m_Items[i].m_Graphic == 1;
    }
    EXPECT_EQ(blocks, filled);
    EXPECT_EQ(charas, filled);
    EXPECT_EQ(items, filled);
}

// Files of older versions: each threshold, just below and at it.
struct Conversion {
    const char* what;
    uint32_t version;
    std::function<void(StageParts&)> file;
    std::function<void(cEdStage&)> before;
    std::function<void(const cEdStage&)> check;
};

// A placed object whose inheritance link points past the end of its palette
// (a brush copied before the palette shrank) is unlinked, kind and index,
// before its inheritance is applied and it is written.
TEST_F(StageFile, PlacedLinksPastTheirPaletteAreCutWhenWritten) {
    struct Case {
        int kind, index;
    } cases[] = {{2, 7}, {1, 9}, {1, -3}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.kind << "/" << c.index);
        cEdStage stage;
        stage.SetSize(4, 4, 0, 0);
        stage.Validate();
        const int cell = stage.CellIndex(1, 1);
        cEdBlock& block = stage.m_Blocks[cell];
        block.m_Graphic = 3;
        block.m_InheritKind = static_cast<int8_t>(c.kind);
        block.m_InheritIndex = static_cast<int16_t>(c.index);
        cEdChara& chara = stage.m_Charas[cell];
        chara.m_Graphic = 2;
        chara.m_InheritKind = static_cast<int8_t>(c.kind);
        chara.m_InheritIndex = static_cast<int16_t>(c.index);
        for (auto& flag : chara.m_bbInherit) flag = 1;
        const std::string bytes = WrittenBytes(stage);
        EXPECT_EQ(0, block.m_InheritKind);
        EXPECT_EQ(0, block.m_InheritIndex);
        EXPECT_EQ(0, chara.m_InheritIndex);
        cEdStage back;
        ASSERT_TRUE(ReadBytes(back, bytes, 248));
        EXPECT_EQ(0, back.m_Blocks[cell].m_InheritKind);
        EXPECT_EQ(0, back.m_Blocks[cell].m_InheritIndex);
        EXPECT_EQ(0, back.m_Charas[cell].m_InheritIndex);
        EXPECT_EQ(2, back.m_Charas[cell].m_Graphic);
    }
}

TEST_F(StageFile, OlderFilesPassThroughEveryConversion) {
    const std::vector<Conversion> cases = {
        {"124 has one flag per rule", 124, nullptr, nullptr,
         [](const cEdStage& s) {
             EXPECT_EQ(s.m_Vanish[4].m_bLeft, 1);
             EXPECT_EQ(s.m_Vanish[4].m_Left, 10);
             EXPECT_EQ(s.m_Vanish[4].m_Bottom, 10);
         }},
        {"154 flying boxes take the walking ones", 154,
         [](StageParts& p) { p.fields = {{40, {20}}, {41, {22}}, {64, {14}}, {65, {18}}}; }, nullptr,
         [](const cEdStage& s) {
             EXPECT_EQ(s.m_HitBoxes[kHitHeroFlyCharaW], 20);
             EXPECT_EQ(s.m_HitBoxes[kHitHeroFlyCharaH], 22);
             EXPECT_EQ(s.m_HitBoxes[kHitEnemyFlyCharaW], 14);
             EXPECT_EQ(s.m_HitBoxes[kHitEnemyFlyCharaH], 18);
             EXPECT_EQ(s.m_HitBoxes[kHitHeroWalkCharaPos], 0);
             EXPECT_EQ(s.m_HitBoxes[kHitEnemyWalkCharaPos], 0);
         }},
        {"155 keeps its own flying boxes", 155,
         [](StageParts& p) { p.fields = {{40, {20}}, {42, {8}}, {50, {1}}}; }, nullptr,
         [](const cEdStage& s) {
             EXPECT_EQ(s.m_HitBoxes[kHitHeroFlyCharaW], 8);
             EXPECT_EQ(s.m_HitBoxes[kHitHeroWalkCharaPos], 1);
         }},
        {"165 loops", 165, nullptr, [](cEdStage& s) { s.m_bBgmLoop = 0; },
         [](const cEdStage& s) { EXPECT_EQ(s.m_bBgmLoop, 1); }},
        {"166 keeps its loop flag", 166, nullptr, nullptr, [](const cEdStage& s) { EXPECT_EQ(s.m_bBgmLoop, 0); }},
        {"172 has no trailer", 172, nullptr, nullptr, nullptr},
        {"180 gets five ranking flags", 180, [](StageParts& p) { p.ranking = {1, 1, 1}; }, nullptr,
         [](const cEdStage& s) { EXPECT_EQ(s.m_RankingItems, (cVector<int32_t>{1, 1, 1, 0, 0})); }},
        {"181 keeps its ranking flags", 181, nullptr, nullptr,
         [](const cEdStage& s) { EXPECT_EQ(s.m_RankingItems, (cVector<int32_t>{1, 1, 1, 1, 1})); }},
        {"182 shows the status window", 182, nullptr, [](cEdStage& s) { s.m_bStatusWindow = 0; },
         [](const cEdStage& s) { EXPECT_EQ(s.m_bStatusWindow, 1); }},
        {"183 reads the status window", 183, [](StageParts& p) { p.fields = {{30, {0}}}; }, nullptr,
         [](const cEdStage& s) { EXPECT_EQ(s.m_bStatusWindow, 0); }},
        {"183 waits for the key", 183, nullptr, [](cEdStage& s) { s.m_bSkipClearKey = 1; },
         [](const cEdStage& s) { EXPECT_EQ(s.m_bSkipClearKey, 0); }},
        {"184 reads the key flag", 184, [](StageParts& p) { p.fields = {{31, {1}}}; }, nullptr,
         [](const cEdStage& s) { EXPECT_EQ(s.m_bSkipClearKey, 1); }},
        {"198 replays the BGM", 198, nullptr, [](cEdStage& s) { s.m_bBgmKeep = 1; },
         [](const cEdStage& s) { EXPECT_EQ(s.m_bBgmKeep, 0); }},
        {"199 sets the boxes against blocks", 199, nullptr,
         [](cEdStage& s) {
             for (int& v : s.m_HitBoxes) v = 2;
         },
         [](const cEdStage& s) {
             EXPECT_EQ(s.m_bBgmKeep, 0);
             EXPECT_EQ(s.m_HitBoxes[kHitHeroWalkBlockW], 16);
             EXPECT_EQ(s.m_HitBoxes[kHitHeroWalkBlockH], 24);
             EXPECT_EQ(s.m_HitBoxes[kHitHeroFlyBlockH], 16);
             EXPECT_EQ(s.m_HitBoxes[kHitHeroBlockColour], 5);
             EXPECT_EQ(s.m_HitBoxes[kHitHeroBlockShow], 0);
             EXPECT_EQ(s.m_HitBoxes[kHitEnemyWalkBlockH], 30);
             EXPECT_EQ(s.m_HitBoxes[kHitEnemyFlyBlockW], 16);
             EXPECT_EQ(s.m_HitBoxes[kHitEnemyFlyBlockH], 30);
             EXPECT_EQ(s.m_HitBoxes[kHitEnemyFlyBlockPos], 1);
         }},
        {"200 reads the boxes against blocks", 200, [](StageParts& p) { p.fields = {{61, {8}}, {56, {3}}}; },
         nullptr,
         [](const cEdStage& s) {
             EXPECT_EQ(s.m_HitBoxes[kHitEnemyWalkBlockH], 8);
             EXPECT_EQ(s.m_HitBoxes[kHitHeroBlockColour], 3);
         }},
        {"207 resets the wheel", 207, nullptr, [](cEdStage& s) { s.m_WheelDir = 1; },
         [](const cEdStage& s) { EXPECT_EQ(s.m_WheelDir, 0); }},
        {"208 keeps the wheel", 208, nullptr, [](cEdStage& s) { s.m_WheelDir = 1; },
         [](const cEdStage& s) { EXPECT_EQ(s.m_WheelDir, 1); }},
        {"224 hides READY", 224, nullptr, nullptr, [](const cEdStage& s) { EXPECT_EQ(s.m_bShowReady, 0); }},
        {"225 reads READY", 225, nullptr, nullptr, [](const cEdStage& s) { EXPECT_EQ(s.m_bShowReady, 1); }},
        {"60 background layer", 60, [](StageParts& p) { p.backLayers = {BackLayer(60, 1, 0, "a.bmp")}; }, nullptr,
         [](const cEdStage& s) {
             ASSERT_EQ(s.m_BackLayers.size(), 1u);
             EXPECT_EQ(s.m_BackLayers[0].m_Image, "a.bmp");
             EXPECT_EQ(s.m_BackLayers[0].m_Colour, 16);
             EXPECT_DOUBLE_EQ(s.m_BackLayers[0].m_dScrollX, 0.1);
         }},
        {"61 background layer", 61, [](StageParts& p) { p.backLayers = {BackLayer(61, 1, 2.5, "b.bmp")}; },
         nullptr,
         [](const cEdStage& s) {
             ASSERT_EQ(s.m_BackLayers.size(), 1u);
             EXPECT_EQ(s.m_BackLayers[0].m_Image, "b.bmp");
             EXPECT_DOUBLE_EQ(s.m_BackLayers[0].m_dScrollY, 2.5);
             EXPECT_DOUBLE_EQ(s.m_BackLayers[0].m_dExtra1, 0.0);
         }},
    };
    // Through the load the editor uses: the file is read into a spare stage
    // that then replaces the one in use, which must keep the conversions.
    CreateFoldersOf("data\\stg4\\x");
    const char* path = "data\\stg4\\conv.stg4_248";
    for (const Conversion& c : cases) {
        SCOPED_TRACE(c.what);
        StageParts p;
        if (c.file) c.file(p);
        cEdStage s;
        if (c.before) c.before(s);
        ASSERT_TRUE(PutDataFile(path, I32(static_cast<int32_t>(c.version)) + StageBody(c.version, p)));
        EXPECT_EQ(LoadStageFile(s, path), 1);
        EXPECT_EQ(s.m_Width, 20);
        if (c.check) c.check(s);
    }
}

// A damaged file is read into a spare stage and never touches the one in
// use.
TEST_F(StageFile, DamagedFilesFailTheLoadAndLeaveTheStage) {
    CreateFoldersOf("data\\stg4\\x");
    auto layers = [&](int32_t count, std::vector<int32_t> indexes) {
        std::string s = I32(count);
        for (int32_t i : indexes) s += I32(i) + Block(248, {{5, {3}}}, "", std::vector<int>(kBlockInheritCount, 0));
        return s + I32(0) + I32(0);
    };
    struct Case {
        const char* what;
        uint32_t version;
        std::function<void(StageParts&)> file;
    } cases[] = {
        {"cell index past the layer", 248, [&](StageParts& p) { p.layers = layers(1, {32 * 15}); }},
        {"negative cell index", 248, [&](StageParts& p) { p.layers = layers(1, {-1}); }},
        {"cell beyond the width", 248, [&](StageParts& p) { p.layers = layers(1, {25}); }},
        {"cells out of order", 248, [&](StageParts& p) { p.layers = layers(2, {5, 3}); }},
        {"same cell twice", 248, [&](StageParts& p) { p.layers = layers(2, {5, 5}); }},
        {"count larger than the cells", 248, [&](StageParts& p) { p.layers = layers(2, {5}); }},
        {"width 0", 248, [](StageParts& p) { p.fields = {{1, {0}}}; }},
        {"width 513", 248, [](StageParts& p) { p.fields = {{1, {513}}, {2, {1024}}, {3, {10}}}; }},
        {"height 100000", 248, [](StageParts& p) { p.fields = {{4, {100000}}}; }},
        {"newer version", 249, nullptr},
    };
    g_Stage.m_Name = "いまの";
    g_Stage.m_Blocks[3].m_Graphic = 7;
    const std::string before = WrittenBytes(g_Stage);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        StageParts p;
        p.vars = 2;
        if (c.file) c.file(p);
        const char* path = "data\\stg4\\bad.stg4_248";
        ASSERT_TRUE(PutDataFile(path, I32(static_cast<int32_t>(c.version)) + StageBody(c.version, p)));
        cString why;
        EXPECT_EQ(LoadStageFile(g_Stage, path, nullptr, &why), 0);
        EXPECT_FALSE(why.empty());
        EXPECT_TRUE(WrittenBytes(g_Stage) == before);
        EXPECT_FALSE(m_Wnd.TakeCloseRequest());
    }
    // the same file without the damage loads
    StageParts p;
    p.layers = layers(2, {3, 5});
    ASSERT_TRUE(PutDataFile("data\\stg4\\good.stg4_248", I32(248) + StageBody(248, p)));
    EXPECT_EQ(LoadStageFile(g_Stage, "data\\stg4\\good.stg4_248"), 1);
    EXPECT_EQ(g_Stage.m_Name, "");
    EXPECT_EQ(g_Stage.m_Blocks[5].m_Graphic, 3);
    EXPECT_EQ(g_Stage.m_Blocks[3].m_Graphic, 3);
}

TEST_F(StageFile, SavedFileCarriesTheVersionInItsName) {
    EXPECT_EQ(StageFileExt(), "stg4_248");
    Populate(g_Stage);
    const char* path = "data\\stg4\\one.stg4_248";
    ASSERT_EQ(SaveStageFile(g_Stage, path), 1);
    // a second save keeps no copy once it is complete
    ASSERT_EQ(SaveStageFile(g_Stage, path), 1);
    EXPECT_FALSE(PathExists("data\\work\\one.stg4_248"));
    const std::string bytes = GetDataFile(path);
    EXPECT_EQ(bytes.substr(0, 4), I32(248));
    cEdStage other;
    ASSERT_EQ(LoadStageFile(other, path), 1);
    EXPECT_EQ(other.m_Name, "ステージ");
    EXPECT_EQ(other.m_Charas[other.CellIndex(2, 1)].m_Graphic, 4);
}

}  // namespace
