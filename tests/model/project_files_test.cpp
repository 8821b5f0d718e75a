#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "base/platform.h"
#include "model/palette.h"
#include "model/prjoption.h"
#include "model/record_refs.h"
#include "tests/model/definition_layouts.h"
#include "tests/support/test_env.h"

using namespace recbytes;

namespace {

class ProjectFiles : public testing::Test {
protected:
    void SetUp() override {
        g_PrjOption.SetDefault();
        g_CommonPalette.SetDefault();
    }
    void TearDown() override {
        g_PrjOption.SetDefault();
        g_CommonPalette.SetDefault();
        EXPECT_FALSE(m_Wnd.TakeCloseRequest()) << "a checked access failed";
    }
    TestAppWindow m_Wnd;
};

std::vector<int> Zeros(int n) { return std::vector<int>(static_cast<size_t>(n), 0); }

std::set<int> SetFlags(const cVector<int8_t>& v) {
    std::set<int> out;
    for (size_t i = 0; i < v.size(); ++i) {
        if (v[static_cast<int>(i)]) out.insert(static_cast<int>(i));
    }
    return out;
}

// ---------------------------------------------------------------------------
// Common palette

// The palette file's body: an empty record, then the three vectors.
std::string Palette(const std::vector<std::string>& blocks, const std::vector<std::string>& charas,
                    const std::vector<std::string>& items) {
    std::string s = I32(0) + I32(0);
    for (const auto* list : {&blocks, &charas, &items}) {
        s += I32(static_cast<int32_t>(list->size()));
        for (const std::string& e : *list) s += e;
    }
    return s;
}

TEST_F(ProjectFiles, PaletteIsCompletedToTwoEntriesOfEachKind) {
    g_PrjOption.m_DefBlock.m_Name = "既定";
    const std::string bytes = Palette(
        {Block(248, {{5, {7}}}, "stored entry 0", std::vector<int>(11, 1))},
        {Chara(248, {}, "", Zeros(37)), Chara(248, {{1, {1}}, {2, {9}}, {13, {4}}}, "linked", std::vector<int>(37, 1)),
         Chara(248, {{13, {5}}}, "", Zeros(37))},
        {});
    cEdCommonPalette palette;
    ASSERT_TRUE(ReadBytes(palette, bytes, 248));
    ASSERT_EQ(2u, palette.m_Blocks.size());
    ASSERT_EQ(3u, palette.m_Charas.size());
    ASSERT_EQ(2u, palette.m_Items.size());
    // Entry 0 holds the class defaults whatever was stored there.
    EXPECT_EQ("", palette.m_Blocks[0].m_Name);
    EXPECT_EQ(0, palette.m_Blocks[0].m_Graphic);
    // The added entries 1 are the project's defaults.
    EXPECT_EQ("既定", palette.m_Blocks[1].m_Name);
    EXPECT_EQ(1, palette.m_Blocks[1].m_Graphic);
    EXPECT_EQ(g_PrjOption.m_DefItem, palette.m_Items[1]);
    EXPECT_EQ(6, palette.m_Items[0].m_Z);
    EXPECT_EQ(0, palette.m_Items[0].m_Graphic);
    // No entry inherits, and a link to an entry that is not there is gone.
    EXPECT_EQ(std::set<int>(), SetFlags(palette.m_Charas[1].m_bbInherit));
    EXPECT_EQ(0, palette.m_Charas[1].m_InheritKind);
    EXPECT_EQ("linked", palette.m_Charas[1].m_Name);
}

TEST_F(ProjectFiles, PaletteEntriesLinkingToMissingItemsAreRepaired) {
    // Links are checked against the global palette, completed to two items
    // before its blocks are checked: item 1 exists, item 2 does not.
    ASSERT_TRUE(ReadBytes(g_CommonPalette,
                          Palette({Block(248, {}, "", Zeros(11)),
                                   Block(248, {{5, {3}}, {16, {1}}, {17, {2}}}, "", Zeros(11)),
                                   Block(248, {{5, {3}}, {16, {1}}, {17, {1}}}, "", Zeros(11))},
                                  {}, {}),
                          248));
    EXPECT_EQ(0, g_CommonPalette.m_Blocks[1].m_ItemKind);
    EXPECT_EQ(0, g_CommonPalette.m_Blocks[1].m_ItemIndex);
    EXPECT_EQ(1, g_CommonPalette.m_Blocks[2].m_ItemKind);
    EXPECT_EQ(1, g_CommonPalette.m_Blocks[2].m_ItemIndex);
}

TEST_F(ProjectFiles, PaletteReadsBackWhatItWrote) {
    cEdCommonPalette palette;
    palette.Validate();
    palette.m_Blocks.resize(4);
    palette.m_Blocks[3].m_Graphic = 12;
    palette.m_Blocks[3].m_Name = "床";
    palette.m_Charas[1].m_Flows.resize(1);
    palette.m_Charas[1].m_Flows[0].m_Commands.resize(1);
    palette.m_Items[1].m_Effects.resize(2);
    // Entries keep the cell values they hold, through a write and a read.
    palette.m_Charas[1].m_CellX = 17;
    palette.m_Items[1].m_CellY = 3;
    const std::string bytes = WrittenBytes(palette);
    EXPECT_EQ(17, palette.m_Charas[1].m_CellX);
    cEdCommonPalette back;
    ASSERT_TRUE(ReadBytes(back, bytes, 248));
    ASSERT_EQ(palette.m_Blocks.size(), back.m_Blocks.size());
    for (size_t i = 0; i < back.m_Blocks.size(); ++i) EXPECT_EQ(palette.m_Blocks[i], back.m_Blocks[i]) << i;
    ASSERT_EQ(2u, back.m_Charas.size());
    EXPECT_EQ(palette.m_Charas[1], back.m_Charas[1]);
    EXPECT_EQ(2u, back.m_Items[1].m_Effects.size());
    EXPECT_EQ(17, back.m_Charas[1].m_CellX);
    EXPECT_EQ(3, back.m_Items[1].m_CellY);
    EXPECT_EQ(bytes, WrittenBytes(back));
}

// ---------------------------------------------------------------------------
// Project options

// cPrjOption: before 130 a dropped int (and three dropped strings); the
// sources of situations 0 and 2 from 51, of situation 1 from 70; the game
// flag; from 142 the old-version choice.
const std::vector<Field>& PrjLayout() {
    static const std::vector<Field> l = {
        Gone(4, 130), F(4, 0, 51), F(4, 0, 51), F(4, 0, 51), F(4, 1, 70), F(4, 1, 70), F(4, 1, 70),
        F(4, 2, 51),  F(4, 2, 51), F(4, 2, 51), F(4, 1),     F(4, 0, 142),
    };
    return l;
}

// cEdWindowPlace: the valid flag from 72, the shown flag from 122.
const std::vector<Field>& PlaceLayout() {
    static const std::vector<Field> l = {F(4, 0, 72), F(4), F(4), F(4), F(4), F(4, 1, 122)};
    return l;
}

// A project options file body of version v: the record, the default records
// (from 120), eleven placements (71 to 129), the flag vectors that the
// version holds (vectors[i] empty: not written).
std::string PrjOption(uint32_t v, const Values& fields, const std::string& gamePath,
                      const std::vector<std::vector<int>>& vectors, const std::string& defs = "") {
    std::vector<std::string> strings;
    if (v < 130) strings = {"dropped", "dropped", "dropped"};
    strings.push_back(gamePath);
    std::string s = Record(PrjLayout(), v, fields, strings);
    if (v >= 120) s += defs;
    if (v >= 71 && v < 130) {
        for (int i = 0; i < kWindowPlaceCount; ++i) s += Record(PlaceLayout(), v, {{2, {-50}}});
    }
    for (const auto& flags : vectors) {
        if (!flags.empty()) s += Flags(flags);
    }
    return s;
}

std::vector<int> DefaultPlaced(int count, std::initializer_list<int> off) {
    std::vector<int> v(static_cast<size_t>(count), 1);
    for (int i : off) v[static_cast<size_t>(i)] = 0;
    return v;
}

// The default records as a file of version v holds them.
std::string DefaultDefs(uint32_t v = 248) {
    return Block(v, {{5, {1}}}, "", Zeros(11)) + Chara(v, {{13, {1}}}, "", Zeros(37)) +
           Item(v, {{7, {1}}}, "", Zeros(13));
}

std::vector<std::vector<int>> DefaultVectors() {
    const std::vector<int> block = DefaultPlaced(11, {1}), chara = DefaultPlaced(37, {4, 5, 33, 35}),
                           item = DefaultPlaced(13, {1});
    return {Zeros(11), Zeros(37), Zeros(13), block, chara, item, block, chara, item};
}

TEST_F(ProjectFiles, DefaultProjectOptionsWriteTheirLayout) {
    cPrjOption option;
    option.m_DefBlock.m_CellX = 4;  // never placed: no cell is written
    EXPECT_EQ(PrjOption(248, {}, "", DefaultVectors(), DefaultDefs()), WrittenBytes(option));
    cPrjOption back;
    back.m_bAutoGame = 0;
    back.m_nDefInheritSrc[4] = 0;
    ASSERT_TRUE(ReadBytes(back, WrittenBytes(option), 248));
    EXPECT_EQ(WrittenBytes(option), WrittenBytes(back));
}

TEST_F(ProjectFiles, ProjectOptionsOf85GetTheFlagsOfLaterFields) {
    // Blocks had 10 flags, items 12; characters were read as 37.
    std::vector<int> block(10), item(12);
    for (int i = 0; i < 10; ++i) block[static_cast<size_t>(i)] = i % 2;
    for (int i = 0; i < 12; ++i) item[static_cast<size_t>(i)] = (i + 1) % 2;
    const std::vector<std::vector<int>> vectors = {block, Zeros(37), item, block, Zeros(37), item,
                                                   block, Zeros(37), item};
    cPrjOption option;
    ASSERT_TRUE(ReadBytes(option, PrjOption(85, {{5, {0}}}, "game.exe", vectors), 85));
    EXPECT_EQ("game.exe", option.m_strGamePath);
    EXPECT_EQ(0, option.m_nDefInheritSrc[3]);
    for (int s = 0; s < 3; ++s) {
        SCOPED_TRACE(s);
        const int inserted = s == 0 ? 0 : 1;
        std::vector<int8_t> wantBlock = {0, 1, 0, 1, 0, static_cast<int8_t>(inserted), 1, 0, 1, 0, 1};
        EXPECT_EQ(wantBlock, static_cast<const std::vector<int8_t>&>(option.m_bbDefInherit[s * 3]));
        std::vector<int8_t> wantItem = {1, 0, 1, 0, 1, 0, 1, static_cast<int8_t>(inserted), 0, 1, 0, 1, 0};
        EXPECT_EQ(wantItem, static_cast<const std::vector<int8_t>&>(option.m_bbDefInherit[s * 3 + 2]));
        EXPECT_EQ(s == 0 ? std::set<int>() : std::set<int>({3, 15, 21, 25, 29}),
                  SetFlags(option.m_bbDefInherit[s * 3 + 1]));
    }
}

TEST_F(ProjectFiles, ProjectOptionsOf60KeepTheDefaultsOfThePlacedCommonEntries) {
    const std::vector<std::vector<int>> vectors = {Zeros(10), Zeros(30), Zeros(12), {}, {}, {},
                                                   Zeros(10), Zeros(30), Zeros(12)};
    cPrjOption option;
    ASSERT_TRUE(ReadBytes(option, PrjOption(60, {{2, {2}}, {8, {0}}}, "", vectors), 60));
    const cPrjOption defaults;
    EXPECT_EQ(2, option.m_nDefInheritSrc[0]);
    EXPECT_EQ(0, option.m_nDefInheritSrc[6]);
    for (int t = 0; t < 3; ++t) {
        SCOPED_TRACE(t);
        EXPECT_EQ(1, option.m_nDefInheritSrc[3 + t]);
        EXPECT_EQ(static_cast<const std::vector<int8_t>&>(defaults.m_bbDefInherit[3 + t]),
                  static_cast<const std::vector<int8_t>&>(option.m_bbDefInherit[3 + t]));
    }
    EXPECT_EQ(std::set<int>({5}), SetFlags(option.m_bbDefInherit[6]));
    EXPECT_EQ(std::set<int>({3, 15, 21, 25, 29}), SetFlags(option.m_bbDefInherit[7]));
    EXPECT_EQ(std::set<int>({7}), SetFlags(option.m_bbDefInherit[8]));
}

TEST_F(ProjectFiles, ProjectOptionFlagInsertionsByVersion) {
    // Zero flags in the file: what is set afterwards in the situation-2
    // vectors was inserted for a later field. Situation 1 is read from 70.
    struct Case {
        uint32_t version;
        bool vectors;  // the file holds flag vectors
        std::set<int> block, chara, item;
    } cases[] = {
        {49, false, {}, {}, {}},
        {50, true, {5}, {3, 15, 21, 25, 29}, {7}},
        {69, true, {5}, {3, 15, 21, 25, 29}, {7}},
        {70, true, {5}, {3, 15, 21, 25, 29}, {7}},
        {71, true, {5}, {3, 15, 21, 25, 29}, {7}},
        {87, true, {5}, {3, 15, 21, 25, 29}, {7}},
        {88, true, {}, {3, 21, 25, 29}, {}},
        {104, true, {}, {3, 21, 25, 29}, {}},
        {105, true, {}, {21, 25, 29}, {}},
        {167, true, {}, {21, 25, 29}, {}},
        {168, true, {}, {21, 25}, {}},
        {200, true, {}, {21, 25}, {}},
        {201, true, {}, {21}, {}},
        {209, true, {}, {21}, {}},
        {210, true, {}, {}, {}},
    };
    const cPrjOption defaults;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.version);
        std::vector<std::vector<int>> vectors(9);
        for (int i = 0; i < 9 && c.vectors; ++i) {
            if (i >= 3 && i < 6 && c.version < 70) continue;
            vectors[static_cast<size_t>(i)] = Zeros(i % 3 == 0 ? 11 : i % 3 == 1 ? 37 : 13);
        }
        cPrjOption option;
        option.m_nDefInheritSrc[0] = 2;
        ASSERT_TRUE(ReadBytes(option, PrjOption(c.version, {}, "", vectors, DefaultDefs(c.version)), c.version));
        // The sources came with version 51.
        EXPECT_EQ(c.version >= 51 ? 0 : 2, option.m_nDefInheritSrc[0]);
        if (!c.vectors) {
            for (int i = 0; i < 9; ++i) {
                EXPECT_EQ(static_cast<const std::vector<int8_t>&>(defaults.m_bbDefInherit[i]),
                          static_cast<const std::vector<int8_t>&>(option.m_bbDefInherit[i]));
            }
            continue;
        }
        EXPECT_EQ(c.block, SetFlags(option.m_bbDefInherit[6]));
        EXPECT_EQ(c.chara, SetFlags(option.m_bbDefInherit[7]));
        EXPECT_EQ(c.item, SetFlags(option.m_bbDefInherit[8]));
        EXPECT_EQ(std::set<int>(), SetFlags(option.m_bbDefInherit[1])) << "situation 0 inserts 0";
        if (c.version >= 70) {
            EXPECT_EQ(c.chara, SetFlags(option.m_bbDefInherit[4]));
        } else {
            EXPECT_EQ(static_cast<const std::vector<int8_t>&>(defaults.m_bbDefInherit[4]),
                      static_cast<const std::vector<int8_t>&>(option.m_bbDefInherit[4]));
        }
    }
}

TEST_F(ProjectFiles, ProjectOptionsByVersion) {
    // Each file carries a default block named "file" with its flags set; the
    // old-version choice is 2 where the file holds it.
    auto defs = [](uint32_t v) {
        return Block(v, {{5, {3}}}, "file", std::vector<int>(11, 1)) + Chara(v, {{13, {1}}}, "", Zeros(37)) +
               Item(v, {{7, {1}}}, "", Zeros(13));
    };
    struct Case {
        uint32_t version;
        bool defsRead;
        int oldVer;
    } cases[] = {{100, false, 0}, {119, false, 0}, {120, true, 0}, {129, true, 0},
                 {130, true, 0},  {141, true, 0},  {142, true, 2}, {248, true, 2}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.version);
        cPrjOption option;
        option.m_nOldVerStage = 1;
        std::vector<std::vector<int>> vectors = DefaultVectors();
        ASSERT_TRUE(ReadBytes(option, PrjOption(c.version, {{12, {2}}}, "x", vectors, defs(c.version)), c.version));
        EXPECT_EQ(c.oldVer, option.m_nOldVerStage);
        EXPECT_EQ(c.defsRead ? "file" : "", option.m_DefBlock.m_Name);
        EXPECT_EQ(c.defsRead ? 3 : 1, option.m_DefBlock.m_Graphic);
        EXPECT_EQ(std::set<int>(), SetFlags(option.m_DefBlock.m_bbInherit));
        EXPECT_EQ("x", option.m_strGamePath);
    }
}

TEST_F(ProjectFiles, ProjectOptionFlagVectorsTakeTheirTypesLength) {
    std::vector<std::vector<int>> vectors(9, std::vector<int>(50, 1));
    vectors[0] = {1};
    cPrjOption option;
    ASSERT_TRUE(ReadBytes(option, PrjOption(248, {}, "", vectors, DefaultDefs()), 248));
    const size_t want[3] = {11, 37, 13};
    for (int i = 0; i < 9; ++i) EXPECT_EQ(want[i % 3], option.m_bbDefInherit[i].size()) << i;
    EXPECT_EQ(std::set<int>({0}), SetFlags(option.m_bbDefInherit[0]));
}

// ---------------------------------------------------------------------------
// Editor configuration

// cEditConfig's raw fields: the new-stage palette from 130, the three last
// pages from 95, the resize directions from 198, five fields always, four
// from 87.
const std::vector<Field>& ConfigLayout() {
    static const std::vector<Field> l = {
        F(4, 1, 130), F(4, 0, 95), F(4, 0, 95), F(4, 0, 95), F(4, 0, 198), F(4, 0, 198), F(4),
        F(4, 1),      F(4, 1),     F(4, 1),     F(4),        F(4, 0, 87),  F(4, 1, 87),  F(4, 15, 87),
        F(4, 0, 87),
    };
    return l;
}

std::string Config(uint32_t v, const Values& fields, const std::vector<std::string>& places = {}) {
    std::vector<std::string> strings;
    if (v < 129) strings.push_back("dropped");
    if (v >= 73) strings.push_back("last.stg");
    if (v >= 130) {
        strings.push_back("template");
        strings.push_back("palette");
    }
    if (v == 130) strings.push_back("dropped");
    strings.push_back("folder");
    std::string s = Record(ConfigLayout(), v, fields, strings);
    if (v >= 130) {
        for (int i = 0; i < kWindowPlaceCount; ++i) {
            s += i < static_cast<int>(places.size()) ? places[static_cast<size_t>(i)] : Record(PlaceLayout(), v);
        }
    }
    return s;
}

TEST_F(ProjectFiles, DefaultConfigurationWritesItsLayout) {
    cEditConfig config;
    config.m_strLastStage = "last.stg";
    config.m_strNewStageTemplate = "template";
    config.m_strNewStagePalette = "palette";
    config.m_strConvFolder = "folder";
    EXPECT_EQ(Config(248, {}), WrittenBytes(config));
    const cEditConfig defaults;
    EXPECT_EQ("data\\stg4\\Default.stg4_***", defaults.m_strNewStageTemplate);
    EXPECT_EQ("bmp\\convert", defaults.m_strConvFolder);
}

TEST_F(ProjectFiles, ConfigurationByVersion) {
    struct Case {
        uint32_t version;
        bool lastStage, newStage, pages, resize, lines;
    } cases[] = {
        {72, false, false, false, false, false}, {73, true, false, false, false, false},
        {86, true, false, false, false, false},  {87, true, false, false, false, true},
        {95, true, false, true, false, true},    {129, true, false, true, false, true},
        {130, true, true, true, false, true},    {197, true, true, true, false, true},
        {198, true, true, true, true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.version);
        cEditConfig config;
        config.m_nResizeX = config.m_nResizeY = 1;
        config.m_nNewStagePalette = 0;
        const Values values = {{1, {3}}, {2, {2}}, {4, {1}}, {5, {1}}, {6, {1}}, {11, {200}}, {14, {12}}};
        ASSERT_TRUE(ReadBytes(config, Config(c.version, values), c.version));
        EXPECT_EQ(c.lastStage ? "last.stg" : "", config.m_strLastStage);
        EXPECT_EQ(c.newStage ? "template" : "data\\stg4\\Default.stg4_***", config.m_strNewStageTemplate);
        EXPECT_EQ(c.newStage ? 3 : 0, config.m_nNewStagePalette);
        EXPECT_EQ(c.pages ? 2 : 0, config.m_nLastPage[0]);
        EXPECT_EQ(c.pages ? 1 : 0, config.m_nLastPage[2]);
        EXPECT_EQ(c.resize ? 1 : 0, config.m_nResizeX);
        EXPECT_EQ(c.resize ? 1 : 0, config.m_nResizeY);
        EXPECT_EQ(200, config.m_nConvTransparent);
        EXPECT_EQ(c.lines ? 12 : 15, config.m_nConvLineOut);
        EXPECT_EQ("folder", config.m_strConvFolder);
    }
}

TEST_F(ProjectFiles, PlacementsStayOnTheScreenAndPaletteWindowsShowAsGroups) {
    int32_t width, height;
    GetScreenSize(&width, &height);
    std::vector<std::string> places;
    places.push_back(Record(PlaceLayout(), 248, {{1, {1}}, {2, {-200}}, {3, {-1}}, {4, {300}}}));
    places.push_back(Record(PlaceLayout(), 248, {{6, {0}}}));  // common blocks hidden
    places.push_back(Record(PlaceLayout(), 248, {{6, {1}}}));  // stage blocks shown
    places.push_back(Record(PlaceLayout(), 248, {{6, {1}}}));
    places.push_back(Record(PlaceLayout(), 248, {{6, {0}}}));
    places.push_back(Record(PlaceLayout(), 248, {{6, {1}}}));
    places.push_back(Record(PlaceLayout(), 248, {{6, {0}}}));
    places.push_back(Record(PlaceLayout(), 248, {{2, {2000000000}}, {3, {2000000000}}}));
    cEditConfig config;
    ASSERT_TRUE(ReadBytes(config, Config(248, {}, places), 248));
    EXPECT_EQ(1, config.m_Place[0].m_bValid);
    EXPECT_EQ(0, config.m_Place[0].m_nX);
    EXPECT_EQ(0, config.m_Place[0].m_nY);
    EXPECT_EQ(300, config.m_Place[0].m_nWidth);
    EXPECT_EQ(std::min(width, 2000000000), config.m_Place[kPlaceCharaGroup].m_nX);
    EXPECT_EQ(std::min(height, 2000000000), config.m_Place[kPlaceCharaGroup].m_nY);
    const int want[kWindowPlaceCount] = {1, 0, 1, 0, 1, 0, 1, 1, 1, 1, 1};
    for (int i = 0; i < kWindowPlaceCount; ++i) EXPECT_EQ(want[i], config.m_Place[i].m_bShown) << i;

    // Placements written before 122 have no shown flag: the window is shown.
    cEdWindowPlace place;
    place.m_bShown = 1;
    ASSERT_TRUE(ReadBytes(place, Record(PlaceLayout(), 121, {{1, {1}}, {2, {5}}}), 121));
    EXPECT_EQ(1, place.m_bShown);
    EXPECT_EQ(5, place.m_nX);
}

// ---------------------------------------------------------------------------
// Loading a project

TEST_F(ProjectFiles, AnEmptyProjectFolderGetsEveryFile) {
    RemoveFile("data\\CommonPalette.cplt4");
    RemoveFile("data\\PrjOption.dat");
    RemoveFile("default\\CommonPalette.cplt4");
    RemoveFile("default\\PrjOption.dat");
    EXPECT_EQ(kLoadedNone, LoadPrjOption());
    EXPECT_EQ(kLoadedNone, LoadCommonPalette());
    EXPECT_EQ(I32(248) + PrjOption(248, {}, "", DefaultVectors(), DefaultDefs()),
              ReadWholeFile("data/PrjOption.dat"));
    const std::string palette = ReadWholeFile("data/CommonPalette.cplt4");
    cEdCommonPalette back;
    ASSERT_GE(palette.size(), 4u);
    ASSERT_TRUE(ReadBytes(back, palette.substr(4), 248));
    EXPECT_EQ(2u, back.m_Blocks.size());
    EXPECT_EQ(2u, back.m_Charas.size());
    EXPECT_EQ(2u, back.m_Items.size());
    EXPECT_EQ(1, back.m_Charas[1].m_Graphic);

    // From then on the data\ copies load.
    g_CommonPalette.m_Blocks.resize(5);
    EXPECT_EQ(kLoadedData, LoadCommonPalette());
    EXPECT_EQ(2u, g_CommonPalette.m_Blocks.size());
    EXPECT_EQ(kLoadedData, LoadPrjOption());
}

TEST_F(ProjectFiles, AMissingDataPaletteComesFromDefault) {
    CreateFolder("default");
    RemoveFile("data\\CommonPalette.cplt4");
    cEdCommonPalette src;
    src.Validate();
    src.m_Blocks.resize(3);
    src.m_Blocks[2].m_Graphic = 44;
    ASSERT_EQ(1, src.Save("default\\CommonPalette.cplt4"));
    EXPECT_EQ(kLoadedDefault, LoadCommonPalette());
    ASSERT_EQ(3u, g_CommonPalette.m_Blocks.size());
    EXPECT_EQ(44, g_CommonPalette.m_Blocks[2].m_Graphic);
    EXPECT_EQ(ReadWholeFile("default/CommonPalette.cplt4"), ReadWholeFile("data/CommonPalette.cplt4"));
    RemoveFile("default\\CommonPalette.cplt4");
}

}  // namespace
