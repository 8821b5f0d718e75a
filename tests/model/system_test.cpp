#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "base/log.h"
#include "base/record.h"
#include "model/system.h"
#include "tests/support/file_bytes.h"
#include "tests/support/test_env.h"

namespace {

// The record's raw fields in file order, with the version that added each,
// the value the fixtures write and the value an older file converts to.
struct cFieldSpec {
    const char* name;
    uint32_t from;
    int32_t cEdSystem::*member;
    uint8_t cEdSystem::*byteMember;
    int32_t fileValue;
    int32_t converted;
};

const cFieldSpec kFields[] = {
    {"ExtendOnClear", 185, &cEdSystem::m_ExtendOnClear, nullptr, 100, 1},
    {"ExtendScore", 0, &cEdSystem::m_ExtendScore, nullptr, 101, 0},
    {"HideOnPause", 0, &cEdSystem::m_HideOnPause, nullptr, 102, 0},
    {"SymbolText", 0, &cEdSystem::m_SymbolText, nullptr, 103, 0},
    {"Font", 205, &cEdSystem::m_Font, nullptr, 104, 60},
    {"EvenSpacing", 170, &cEdSystem::m_EvenSpacing, nullptr, 105, 0},
    {"TestFlowsAlways", 113, &cEdSystem::m_TestFlowsAlways, nullptr, 106, 0},
    {"ReplayKeys", 184, &cEdSystem::m_ReplayKeys, nullptr, 107, 1},
    {"TitleImage", 157, &cEdSystem::m_TitleImage, nullptr, 108, 0},
    {"StoryShareLives", 0, &cEdSystem::m_StoryShareLives, nullptr, 109, 0},
    {"StoryMapAfterDeath", 191, &cEdSystem::m_StoryMapAfterDeath, nullptr, 110, 0},
    {"StoryLivesOnMap", 191, &cEdSystem::m_StoryLivesOnMap, nullptr, 111, 0},
    {"ChallengeWorlds", 0, &cEdSystem::m_ChallengeWorlds, nullptr, 112, 0},
    {"ChallengeAllWorlds", 0, &cEdSystem::m_ChallengeAllWorlds, nullptr, 113, 0},
    {"StoryShowHiScore", 167, &cEdSystem::m_StoryShowHiScore, nullptr, 114, 1},
    {"StoryShowTotal", 167, &cEdSystem::m_StoryShowTotal, nullptr, 115, 1},
    {"StoryResetVars", 188, &cEdSystem::m_StoryResetVars, nullptr, 116, 1},
    {"StoryRetry", 224, &cEdSystem::m_StoryRetry, nullptr, 117, 0},
    {"ChallengeShowHiScore", 167, &cEdSystem::m_ChallengeShowHiScore, nullptr, 118, 1},
    {"ChallengeShowTotal", 167, &cEdSystem::m_ChallengeShowTotal, nullptr, 119, 1},
    {"ChallengeResetVars", 188, &cEdSystem::m_ChallengeResetVars, nullptr, 120, 1},
    {"ChallengeRetry", 224, &cEdSystem::m_ChallengeRetry, nullptr, 121, 0},
    {"FreeResetVars", 188, &cEdSystem::m_FreeResetVars, nullptr, 122, 1},
    {"TestResetVars", 192, &cEdSystem::m_TestResetVars, nullptr, 123, 1},
    {"ColorMode", 187, &cEdSystem::m_ColorMode, nullptr, 1, 0},
    {"TransRed", 187, nullptr, &cEdSystem::m_TransRed, 201, 0},
    {"TransGreen", 187, nullptr, &cEdSystem::m_TransGreen, 202, 177},
    {"TransBlue", 187, nullptr, &cEdSystem::m_TransBlue, 203, 0},
    {"OldAutoScroll", 214, &cEdSystem::m_OldAutoScroll, nullptr, 126, 1},
    {"OldShotImages", 221, &cEdSystem::m_OldShotImages, nullptr, 127, 0},
};

// Every version at which the file layout or a conversion changes.
const uint32_t kThresholds[] = {113, 157, 167, 168, 169, 170, 181, 184, 185, 186, 187, 188,
                                191, 192, 193, 201, 202, 204, 205, 210, 214, 221, 224};

// Vector lengths of a hand-made file; -1 takes the length of its version.
struct cSysSpec {
    uint32_t version = 248;
    int stock = -1, status = 5, lives = 4, infinite = 4, ranking = 4, rankItems = 5, texts = -1,
        sounds = 17, bgm = 4, bgmLoop = 4, titleMenu = 7, mapMenu = -1, optionMenu = 6, ini = 5;
    int32_t font = 104;
    int32_t bgmIndex = 2;
};

// A System.dat of the given version, laid out as that version wrote it:
// stock entries are 100 + i, texts "T<i>", menu items disabled "M<i>".
std::string SystemFile(const cSysSpec& s) {
    const uint32_t v = s.version;
    cFileBytes b;
    b.Int(static_cast<int32_t>(v));
    int fields = 0;
    for (const cFieldSpec& f : kFields) fields += f.from <= v;
    b.Int(fields);
    for (const cFieldSpec& f : kFields) {
        if (f.from > v) continue;
        if (f.byteMember) {
            b.Byte(static_cast<uint8_t>(f.fileValue));
        } else {
            b.Int(f.member == &cEdSystem::m_Font ? s.font : f.fileValue);
        }
    }
    b.Int(1).Str("Old title");
    const int stock = s.stock >= 0 ? s.stock : 22 + (v >= 168) + (v >= 201) + (v >= 210);
    b.Int(stock);
    for (int i = 0; i < stock; ++i) b.Byte(static_cast<uint8_t>(100 + i));
    b.Int(s.status);
    for (int i = 0; i < s.status; ++i) {
        b.Int(v >= 204 ? 4 : 3).Int(0).Int(0).Int(7);
        if (v >= 204) b.Int(6);
        b.Int(1).Str("S" + std::to_string(i));
    }
    b.Int(s.lives);
    for (int i = 0; i < s.lives; ++i) b.Int(11 + i);
    if (v >= 191) {
        b.Int(s.infinite);
        for (int i = 0; i < s.infinite; ++i) b.Int(i % 2);
    }
    if (v >= 186) {
        b.Int(s.ranking);
        for (int i = 0; i < s.ranking; ++i) {
            b.Int(1).Int(1).Int(0).Int(s.rankItems);
            for (int k = 0; k < s.rankItems; ++k) b.Byte(2);
        }
    }
    const int texts = s.texts >= 0 ? s.texts : 21 + 3 * (v >= 169) + 2 * (v >= 181) + 2 * (v >= 193);
    b.Int(texts);
    for (int i = 0; i < texts; ++i) b.Str("T" + std::to_string(i));
    b.Int(s.sounds);
    for (int i = 0; i < s.sounds; ++i) b.Str("wave\\" + std::to_string(i) + ".wav");
    b.Int(s.bgm);
    for (int i = 0; i < s.bgm; ++i) b.Int(s.bgmIndex);
    if (v >= 202) {
        b.Int(s.bgmLoop);
        for (int i = 0; i < s.bgmLoop; ++i) b.Byte(0);
    }
    const int mapMenu = s.mapMenu >= 0 ? s.mapMenu : 3 + (v >= 169);
    for (int n : {s.titleMenu, mapMenu, s.optionMenu}) {
        b.Int(n);
        for (int i = 0; i < n; ++i) b.Int(1).Int(0).Int(1).Str("M" + std::to_string(i));
    }
    b.Int(s.ini);
    for (int i = 0; i < s.ini; ++i) b.Int(2).Int(1).Int(40 + i).Int(2).Str("K" + std::to_string(i)).Str("D");
    return b.Bytes();
}

// Values no file and no conversion gives, so that whatever a load leaves
// untouched shows.
void Poison(cEdSystem& sys) {
    for (const cFieldSpec& f : kFields) {
        if (f.byteMember) {
            sys.*f.byteMember = 77;
        } else {
            sys.*f.member = 77;
        }
    }
    for (cEdGameMode& m : sys.m_Ranking) {
        m.m_RankingOn = 9;
        m.m_RankItems.assign(5, 7);
    }
    sys.m_InfiniteLives.assign(4, 55);
    sys.m_BgmLoop.assign(4, 0);
    for (cEdStatusItem& item : sys.m_StatusItems) item.m_ShowNumber = 88;
}

std::unique_ptr<cEdSystem> LoadVersion(const cSysSpec& spec) {
    std::unique_ptr<cEdSystem> sys(new cEdSystem);
    Poison(*sys);
    EXPECT_TRUE(WriteWholeFile("System.dat", SystemFile(spec)));
    EXPECT_EQ(1, sys->Load("System.dat"));
    return sys;
}

std::unique_ptr<cEdSystem> LoadVersion(uint32_t version) {
    cSysSpec spec;
    spec.version = version;
    return LoadVersion(spec);
}

std::vector<std::string> Texts(const cEdSystem& sys) {
    return std::vector<std::string>(sys.m_Texts.begin(), sys.m_Texts.end());
}

// "T<from>" .. "T<to - 1>"
std::vector<std::string> FileTexts(int from, int to) {
    std::vector<std::string> v;
    for (int i = from; i < to; ++i) v.push_back("T" + std::to_string(i));
    return v;
}

std::vector<std::string> Join(std::initializer_list<std::vector<std::string>> parts) {
    std::vector<std::string> v;
    for (const auto& p : parts) v.insert(v.end(), p.begin(), p.end());
    return v;
}

class SystemSettings : public ::testing::Test {
protected:
    void SetUp() override { SetBgmCountSource(nullptr); }
    void TearDown() override { SetBgmCountSource(nullptr); }
    TestAppWindow app;
};

}  // namespace

TEST_F(SystemSettings, DefaultFileHasItsExactBytes) {
    cEdSystem sys;
    ASSERT_TRUE(sys.Save("System.dat"));
    cFileBytes b;
    b.Int(248).Int(30);
    for (int v : {0, 100, 1, 0, 60, 0, 0, 1, 1, 1, 1, 1, 40, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0, 0}) b.Int(v);
    b.Byte(0).Byte(0).Byte(0).Int(0).Int(0);
    b.Int(1).Str("");
    b.Int(25);
    for (int v : {1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 0, 1, 1, 0, 1, 1, 1, 0, 0, 0}) b.Byte(v);
    b.Int(5);
    const struct {
        const char* label;
        int digits;
    } status[] = {{"スコア", 4}, {"スコア", 3}, {"HP", 0}, {"SP", 0}, {"人", 2}};
    for (const auto& s : status) b.Int(4).Int(1).Int(1).Int(s.digits).Int(0).Int(1).Str(s.label);
    b.Int(4).Int(5).Int(5).Int(5).Int(99);
    b.Int(4).Int(1).Int(1).Int(1).Int(1);
    b.Int(4);
    for (int mode = 0; mode < 4; ++mode) {
        const int on = mode < 3;
        b.Int(1).Int(on).Int(0).Int(5).Byte(on).Byte(on).Byte(on).Byte(on).Byte(on);
    }
    b.Int(28);
    for (const char* t : {"ワールド", "ステージ", "スコア", "ハイスコア", "トータルスコア", "スコア", "残り時間",
                          "クリア時間", "残りHP", "残りSP", "ステージに挑む", "やっぱりやめる", "セーブする",
                          "やっぱりやめる", "オートセーブＯＮ", "オートセーブＯＦＦ",
                          "保存先が不明です！一度は「セーブ」して下さい！", "タイトルへ戻る", "やっぱりやめる",
                          "しゅうりょう", "つづける", "リトライ", "リトライ", "マップへ戻る",
                          "Vキーでジャンルの切り替え", "スペースキーでタイトルへ戻る", "スペースキーで終了",
                          "F3キーでランキングへ登録"}) {
        b.Str(t);
    }
    b.Int(17);
    for (int i = 0; i < 17; ++i) b.Str("");
    b.Int(4).Int(0).Int(0).Int(0).Int(0);
    b.Int(4).Byte(1).Byte(1).Byte(1).Byte(1);
    const std::vector<std::vector<const char*>> menus = {
        {"はじめから", "つづきから", "チャレンジ", "フリー", "リプレイ", "オプション", "しゅうりょう"},
        {"セーブ", "オートセーブ", "もどる", "タイトルへ"},
        {"カラー", "BGM", "SE", "ランキング登録", "ランキング登録名", "もどる"},
    };
    for (const auto& menu : menus) {
        b.Int(static_cast<int32_t>(menu.size()));
        for (const char* text : menu) b.Int(1).Int(1).Int(1).Str(text);
    }
    b.Int(5);
    const struct {
        int kind;
        const char* key;
        int value;
    } ini[] = {{0, "WindowMode", 0}, {0, "Bpp", 0}, {0, "VSync", 0}, {0, "ShowFps", 1}, {1, "FreeStage", 0}};
    for (const auto& e : ini) b.Int(2).Int(e.kind).Int(e.value).Int(2).Str(e.key).Str("");
    const std::string file = ReadWholeFile("System.dat");
    EXPECT_EQ(b.Bytes(), file);

    // Read back, it writes the same bytes; the colour is stored red, green, blue.
    cEdSystem back;
    back.m_Title = "x";
    back.m_Stock.clear();
    ASSERT_EQ(1, back.Load("System.dat"));
    ASSERT_TRUE(back.Save("System2.dat"));
    EXPECT_EQ(file, ReadWholeFile("System2.dat"));
    back.m_TransRed = 255;
    back.m_TransGreen = 0;
    back.m_TransBlue = 128;
    ASSERT_TRUE(back.Save("System2.dat"));
    EXPECT_EQ(std::string("\xFF\x00\x80", 3), ReadWholeFile("System2.dat").substr(8 + 25 * 4, 3));
}

TEST_F(SystemSettings, FieldsOfEveryVersionLoadOrConvert) {
    std::vector<uint32_t> versions = {100, 248};
    for (uint32_t t : kThresholds) {
        versions.push_back(t - 1);
        versions.push_back(t);
    }
    for (uint32_t v : versions) {
        SCOPED_TRACE(v);
        std::unique_ptr<cEdSystem> sys = LoadVersion(v);
        for (const cFieldSpec& f : kFields) {
            const int32_t want = f.from <= v ? f.fileValue : f.converted;
            const int32_t got = f.byteMember ? (*sys).*f.byteMember : (*sys).*f.member;
            EXPECT_EQ(want, got) << f.name;
        }
        EXPECT_EQ("Old title", sys->m_Title);
        // Whatever the version, every vector has its fixed length.
        EXPECT_EQ(25u, sys->m_Stock.size());
        EXPECT_EQ(28u, sys->m_Texts.size());
        EXPECT_EQ(4u, sys->m_MapMenu.size());
        EXPECT_EQ(4u, sys->m_InfiniteLives.size());
        EXPECT_EQ(4u, sys->m_BgmLoop.size());
        EXPECT_EQ("wave\\16.wav", sys->m_SoundFiles[16]);
        EXPECT_EQ("K4", sys->m_IniItems[4].m_Key);
        EXPECT_EQ(44, sys->m_IniItems[4].m_IntDefault);
    }
    EXPECT_FALSE(app.TakeCloseRequest());
}

TEST_F(SystemSettings, StockFlagsOfOlderFilesMoveToTheirPlaces) {
    auto range = [](int from, int to) {
        std::vector<int> v;
        for (int i = from; i < to; ++i) v.push_back(100 + i);
        return v;
    };
    auto join = [](std::initializer_list<std::vector<int>> parts) {
        std::vector<int> v;
        for (const auto& p : parts) v.insert(v.end(), p.begin(), p.end());
        return v;
    };
    const struct {
        uint32_t version;
        std::vector<int> stock;
    } cases[] = {
        {248, range(0, 25)},
        {210, range(0, 25)},
        {209, join({range(0, 9), {0}, range(9, 24)})},
        {201, join({range(0, 9), {0}, range(9, 24)})},
        {200, join({range(0, 9), {0}, range(9, 14), {0}, range(14, 23)})},
        {168, join({range(0, 9), {0}, range(9, 14), {0}, range(14, 23)})},
        // The flag that 168 added ends at 18 after the later insertions.
        {167, join({range(0, 9), {0}, range(9, 14), {0}, range(14, 16), {1}, range(16, 22)})},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.version);
        std::unique_ptr<cEdSystem> sys = LoadVersion(c.version);
        std::vector<int> got(sys->m_Stock.begin(), sys->m_Stock.end());
        EXPECT_EQ(c.stock, got);
    }
}

TEST_F(SystemSettings, TextsAndMenusOfOlderFilesGainTheirNewEntries) {
    const std::vector<std::string> hpsp = {"残りHP", "残りSP"};
    const std::vector<std::string> death = {"リトライ", "マップへ戻る"};
    const std::vector<std::string> autoSave = {"オートセーブＯＮ", "オートセーブＯＦＦ",
                                               "保存先が不明です！一度は「セーブ」して下さい！"};
    const struct {
        uint32_t version;
        std::vector<std::string> texts;
    } cases[] = {
        {248, FileTexts(0, 28)},
        {193, FileTexts(0, 28)},
        {192, Join({FileTexts(0, 22), death, FileTexts(22, 26)})},
        {181, Join({FileTexts(0, 22), death, FileTexts(22, 26)})},
        {180, Join({FileTexts(0, 8), hpsp, FileTexts(8, 20), death, FileTexts(20, 24)})},
        {169, Join({FileTexts(0, 8), hpsp, FileTexts(8, 20), death, FileTexts(20, 24)})},
        {168, Join({FileTexts(0, 8), hpsp, FileTexts(8, 12), autoSave, FileTexts(12, 17), death,
                    FileTexts(17, 21)})},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.version);
        std::unique_ptr<cEdSystem> sys = LoadVersion(c.version);
        EXPECT_EQ(c.texts, Texts(*sys));
        // The world map menu: files before 169 lack the auto-save item 1.
        const std::vector<std::string> menu = c.version >= 169
                                                  ? std::vector<std::string>{"M0", "M1", "M2", "M3"}
                                                  : std::vector<std::string>{"M0", "オートセーブ", "M1", "M2"};
        for (int i = 0; i < 4; ++i) {
            EXPECT_EQ(menu[i], sys->m_MapMenu[i].m_Text);
            EXPECT_EQ(menu[i] == "オートセーブ" ? 1 : 0, sys->m_MapMenu[i].m_Enabled);
        }
    }
}

TEST_F(SystemSettings, RankingLivesLoopsAndStatusOfOlderFiles) {
    for (uint32_t v : {180u, 181u, 185u, 186u, 190u, 191u, 201u, 202u, 203u, 204u}) {
        SCOPED_TRACE(v);
        std::unique_ptr<cEdSystem> sys = LoadVersion(v);
        // Rankings are in files from 186; before, the ones held stay, and
        // files before 181 clear the two items that version added.
        for (const cEdGameMode& m : sys->m_Ranking) {
            const std::vector<int> items(m.m_RankItems.begin(), m.m_RankItems.end());
            if (v >= 186) {
                EXPECT_EQ(1, m.m_RankingOn);
                EXPECT_EQ(std::vector<int>(5, 2), items);
            } else {
                EXPECT_EQ(9, m.m_RankingOn);
                EXPECT_EQ((v >= 181 ? std::vector<int>{7, 7, 7, 7, 7} : std::vector<int>{7, 7, 7, 0, 0}), items);
            }
        }
        const std::vector<int> infinite(sys->m_InfiniteLives.begin(), sys->m_InfiniteLives.end());
        EXPECT_EQ((v >= 191 ? std::vector<int>{0, 1, 0, 1} : std::vector<int>{0, 0, 0, 1}), infinite);
        const std::vector<int> loops(sys->m_BgmLoop.begin(), sys->m_BgmLoop.end());
        EXPECT_EQ(std::vector<int>(4, v >= 202 ? 0 : 1), loops);
        for (const cEdStatusItem& item : sys->m_StatusItems) {
            EXPECT_EQ(v >= 204 ? 6 : 1, item.m_ShowNumber);
            EXPECT_EQ(7, item.m_Digits);
        }
        EXPECT_EQ(14, sys->m_InitialLives[3]);
    }
}

TEST_F(SystemSettings, VectorsOfTheWrongLengthArePaddedOrCut) {
    cSysSpec longer;
    longer.stock = 30;
    longer.status = 7;
    longer.lives = 6;
    longer.infinite = 9;
    longer.ranking = 5;
    longer.rankItems = 8;
    longer.texts = 31;
    longer.sounds = 20;
    longer.bgm = 6;
    longer.bgmLoop = 5;
    longer.titleMenu = 8;
    longer.mapMenu = 5;
    longer.optionMenu = 7;
    longer.ini = 6;
    cSysSpec shorter;
    shorter.stock = 3;
    shorter.status = 1;
    shorter.lives = 1;
    shorter.infinite = 0;
    shorter.ranking = 1;
    shorter.rankItems = 2;
    shorter.texts = 2;
    shorter.sounds = 0;
    shorter.bgm = 1;
    shorter.bgmLoop = 0;
    shorter.titleMenu = 0;
    shorter.mapMenu = 1;
    shorter.optionMenu = 0;
    shorter.ini = 1;
    for (const cSysSpec* spec : {&longer, &shorter}) {
        SCOPED_TRACE(spec == &longer ? "longer" : "shorter");
        std::unique_ptr<cEdSystem> sys = LoadVersion(*spec);
        const cEdSystem& s = *sys;
        EXPECT_EQ(25u, s.m_Stock.size());
        EXPECT_EQ(5u, s.m_StatusItems.size());
        EXPECT_EQ(4u, s.m_InitialLives.size());
        EXPECT_EQ(4u, s.m_InfiniteLives.size());
        ASSERT_EQ(4u, s.m_Ranking.size());
        for (const cEdGameMode& m : s.m_Ranking) EXPECT_EQ(5u, m.m_RankItems.size());
        EXPECT_EQ(28u, s.m_Texts.size());
        EXPECT_EQ(17u, s.m_SoundFiles.size());
        EXPECT_EQ(4u, s.m_BgmIndex.size());
        EXPECT_EQ(4u, s.m_BgmLoop.size());
        EXPECT_EQ(7u, s.m_TitleMenu.size());
        EXPECT_EQ(4u, s.m_MapMenu.size());
        EXPECT_EQ(6u, s.m_OptionMenu.size());
        EXPECT_EQ(5u, s.m_IniItems.size());
    }
    // Missing entries are the defaults of their places.
    std::unique_ptr<cEdSystem> sys = LoadVersion(shorter);
    EXPECT_EQ(102, sys->m_Stock[2]);
    EXPECT_EQ(1, sys->m_Stock[13]);
    EXPECT_EQ("S0", sys->m_StatusItems[0].m_Label);
    EXPECT_EQ("人", sys->m_StatusItems[4].m_Label);
    EXPECT_EQ(99, sys->m_InitialLives[3]);
    EXPECT_EQ(0, sys->m_Ranking[3].m_RankingOn);
    EXPECT_EQ(2, sys->m_Ranking[0].m_RankItems[1]);
    EXPECT_EQ(0, sys->m_Ranking[0].m_RankItems[4]);
    EXPECT_EQ("T1", sys->m_Texts[1]);
    EXPECT_EQ("ハイスコア", sys->m_Texts[3]);
    EXPECT_EQ("しゅうりょう", sys->m_TitleMenu[6].m_Text);
    EXPECT_EQ("ShowFps", sys->m_IniItems[3].m_Key);
    EXPECT_EQ(1, sys->m_BgmLoop[3]);
}

TEST_F(SystemSettings, IndexesThatNameNothingBecomeZero) {
    // A Bgm index past the table is saved as 0.
    SetBgmCountSource([] { return 3; });
    cEdSystem sys;
    sys.m_BgmIndex = cVector<int32_t>{5, 2, 3, -1};
    ASSERT_TRUE(sys.Save("System.dat"));
    const std::vector<int> saved(sys.m_BgmIndex.begin(), sys.m_BgmIndex.end());
    EXPECT_EQ((std::vector<int>{0, 2, 0, 0}), saved);
    cEdSystem back;
    back.m_BgmIndex.assign(4, 1);
    ASSERT_EQ(1, back.Load("System.dat"));
    EXPECT_EQ(2, back.m_BgmIndex[1]);
    EXPECT_EQ(0, back.m_BgmIndex[0]);

    // Read from a file, too; without the table's size only negatives go.
    cSysSpec spec;
    spec.bgmIndex = 5;
    EXPECT_EQ(0, LoadVersion(spec)->m_BgmIndex[2]);
    SetBgmCountSource(nullptr);
    EXPECT_EQ(5, LoadVersion(spec)->m_BgmIndex[2]);
    spec.bgmIndex = -2;
    EXPECT_EQ(0, LoadVersion(spec)->m_BgmIndex[2]);

    // The font index names a row of the font table.
    for (int32_t font : {121, 122, -1}) {
        spec.font = font;
        EXPECT_EQ(font == 121 ? 121 : 0, LoadVersion(spec)->m_Font) << font;
    }
}

TEST(SystemTables, FontNamesAndColourModes) {
    int n = 0;
    while (g_FontName[n][0]) ++n;
    EXPECT_EQ(kFontNameCount, n);
    EXPECT_STREQ("System", g_FontName[0]);
    EXPECT_STREQ("FixedSys", g_FontName[2]);
    EXPECT_STREQ("ＭＳ Ｐゴシック", g_FontName[60]);
    EXPECT_STREQ("Sydnie", g_FontName[121]);
    EXPECT_EQ(60, cEdSystem().m_Font);
    EXPECT_STREQ("1677万色(24bit) カラーパレットなし", g_ColorMode[1]);
    EXPECT_STREQ("", g_ColorMode[2]);
}
