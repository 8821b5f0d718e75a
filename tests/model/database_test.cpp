#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "base/log.h"
#include "model/database.h"
#include "tests/support/record_bytes.h"
#include "tests/support/test_env.h"

using namespace recbytes;

namespace {

std::string Zeros32(int n) {
    std::string s;
    for (int i = 0; i < n; ++i) s += I32(0);
    return s;
}

// Records as files of version 248 hold them.
std::string FrameBytes(int cell, int time, int run) {
    return Rec(3, I32(cell) + I32(time) + I32(run), {});
}
std::string AnimeBytes(const std::string& name, int no, int kind, int cell, std::initializer_list<std::string> frames) {
    return Rec(3, I16(static_cast<int16_t>(no)) + U8(kind) + I16(static_cast<int16_t>(cell)), {name}) + Vec(frames);
}
std::string DefaultAnimeBytes(const std::string& name) {
    return AnimeBytes(name, 0, 1, 0, {FrameBytes(0, 1, 0)});
}
std::string SwordPosBytes(int ox, int oy, int fx, int fy, int dir, int sx, int sy, int w, int h, int t) {
    return Rec(10, I32(ox) + I32(oy) + I32(fx) + I32(fy) + I32(dir) + I32(sx) + I32(sy) + I32(w) + I32(h) + I32(t),
               {});
}

// A path of the tables in the form the test's own file functions take.
std::string Slashed(const cString& path) {
    std::string p = path;
    for (char& ch : p) {
        if (ch == '\\') ch = '/';
    }
    return p;
}

void RemoveProjectFolders() {
    std::filesystem::remove_all("data");
    std::filesystem::remove_all("default");
}

class Database : public ::testing::Test {
protected:
    void SetUp() override {
        SetDataVersion(248, 0);
        CreateReportLog("Report_Editor.txt");
        RemoveProjectFolders();
    }
    void TearDown() override {
        RemoveProjectFolders();
        g_FileVersion = g_DataVersion;
    }
    // A table file of the given version, written by hand.
    static void WriteTableFile(const char* path, uint32_t version, const std::string& vec) {
        std::filesystem::path p(path);
        if (p.has_parent_path()) std::filesystem::create_directories(p.parent_path());
        ASSERT_TRUE(WriteWholeFile(path, I32(static_cast<int32_t>(version)) + vec));
    }
    template <class T>
    static cVector<T> LoadFile(uint32_t version, const std::string& vec) {
        WriteTableFile("table.dat", version, vec);
        cVector<T> v;
        EXPECT_EQ(1, LoadVector(v, "table.dat"));
        return v;
    }
    TestAppWindow app;
};

// Fills a database with values that differ from every default.
void Populate(cEdDatabase& db) {
    db.m_AnimeSet[0].m_Name = "勇者";
    db.m_AnimeSet[0].m_FlyShift = 12;
    db.m_AnimeSet[0].m_Animes[0].m_Frames[0].m_Cell = 9;
    db.m_Anime[1].m_Name = "歩き";
    db.m_Anime[1].m_Frames.emplace_back();
    db.m_BmpCharaExc[1].m_File = "bmp\\big.bmp";
    db.m_BmpCharaExc[1].m_Giant = 1;
    db.m_SwordType[0].m_Positions[0].m_OffsetX = -5;
    db.m_Effect[1].m_Frames.emplace_back();
    db.m_CharaEffect[1].m_Kind = 12;
    db.m_ScrEffect[1].m_Param[4] = -240;
    db.m_Picture[1].m_Name = "絵";
    db.m_Sound[1].m_File = "wave\\a.wav";
    db.m_Bgm[1].m_SameAsFile = 1;
}

}  // namespace

TEST_F(Database, RecordsWriteTheirExactBytes) {
    cEdAnime anime;
    anime.m_Name = "歩き";
    anime.m_SampleNo = 7;
    anime.m_SampleKind = 4;
    anime.m_SampleCell = 3;
    anime.m_Frames[0].m_Cell = 5;
    anime.m_Frames[0].m_Time = 10;
    anime.m_Frames[0].m_RunCommand = 1;
    anime.m_Frames.emplace_back();
    anime.m_Frames[1].m_Cell = 6;

    cEdAnimeSet set;
    set.m_Name = "勇者";
    set.m_InvincibleShift = 1;
    set.m_BlockShift = 2;
    set.m_FlyShift = 3;
    set.m_Animes.resize(1);
    set.m_Animes[0] = anime;

    cEdBmpCharaExc bmp;
    bmp.m_Name = "巨人";
    bmp.m_SameAsFile = 1;
    bmp.m_File = "bmp\\giant.bmp";
    bmp.m_Giant = 1;
    bmp.m_GiantSize = 10;

    cEdSwordType sword;
    sword.m_Name = "剣";
    sword.m_SameAsFile = 1;
    sword.m_FileLeft = "l.bmp";
    sword.m_FileRight = "r.bmp";
    cEdSwordPos& pos = sword.m_Positions[0];
    pos.m_OffsetX = -320;
    pos.m_OffsetY = 240;
    pos.m_FlipX = 0;
    pos.m_FlipY = 1;
    pos.m_Direction = 3;
    pos.m_SrcX = 639;
    pos.m_SrcY = 479;
    pos.m_Width = 640;
    pos.m_Height = 480;
    pos.m_Time = 999;

    cEdEffect effect;
    effect.m_Name = "爆発";
    effect.m_SameAsFile = 1;
    effect.m_File = "e.bmp";
    effect.m_Width = 640;
    effect.m_Height = 480;
    effect.m_AllowEnlarge = 1;
    effect.m_Frames.resize(2);
    effect.m_Frames[1].m_Cell = 640;
    effect.m_Frames[1].m_Time = 999;

    cEdCharaEffect chara;
    chara.m_Name = "レンズ";
    chara.m_Kind = 12;
    const int32_t lens[5] = {10, 100, 5, -16, 16};
    std::copy(lens, lens + 5, chara.m_Param);
    cEdScrEffect scr;
    scr.m_Name = "揺れ";
    scr.m_Kind = 13;
    scr.m_Param[0] = 9999;

    cEdPicture picture;
    picture.m_Name = "p";
    picture.m_File = "bmp\\p.bmp";
    picture.m_SameAsFile = 1;
    cEdSound sound;
    sound.m_Name = "s";
    sound.m_File = "wave\\s.wav";
    cEdBgm bgm;
    bgm.m_Name = "b";
    bgm.m_File = "bgm\\b.ogg";
    bgm.m_SameAsFile = 1;

    cEdAnimeSet defSet;
    cEdAnime defAnime;
    cEdBmpCharaExc defBmp;
    cEdSwordType defSword;
    cEdEffect defEffect;
    cEdCharaEffect defChara;
    cEdScrEffect defScr;
    cEdPicture defPicture;
    cEdSound defSound;
    cEdBgm defBgm;

    const std::string animeBytes = AnimeBytes("歩き", 7, 4, 3, {FrameBytes(5, 10, 1), FrameBytes(6, 1, 0)});
    const std::string defaultEffect = Rec(2, I32(1) + Zeros32(5), {""});
    struct Case {
        const char* name;
        cSerialRecord& record;
        std::string expected;
    } cases[] = {
        {"AnimeSet default", defSet,
         Rec(3, I32(4) + I32(8) + I32(0), {""}) + Vec({DefaultAnimeBytes("立ち"), DefaultAnimeBytes("立ち移動"),
                                                        DefaultAnimeBytes("飛行"), DefaultAnimeBytes("飛行移動")})},
        {"AnimeSet", set, Rec(3, I32(1) + I32(2) + I32(3), {"勇者"}) + Vec({animeBytes})},
        {"Anime default", defAnime, DefaultAnimeBytes("")},
        {"Anime", anime, animeBytes},
        {"Bmp_CharaExc default", defBmp, Rec(3, I32(0) + I32(0) + I32(2), {"", ""})},
        {"Bmp_CharaExc", bmp, Rec(3, I32(1) + I32(1) + I32(10), {"巨人", "bmp\\giant.bmp"})},
        {"SwordType default", defSword,
         Rec(1, I32(0), {"", "", ""}) + Vec({SwordPosBytes(0, 0, 1, 0, 0, 0, 0, 0, 0, 1)})},
        {"SwordType", sword,
         Rec(1, I32(1), {"剣", "l.bmp", "r.bmp"}) +
             Vec({SwordPosBytes(-320, 240, 0, 1, 3, 639, 479, 640, 480, 999)})},
        {"Effect default", defEffect, Rec(4, I32(0) + I32(32) + I32(32) + I32(0), {"", ""}) + Vec({})},
        {"Effect", effect,
         Rec(4, I32(1) + I32(640) + I32(480) + I32(1), {"爆発", "e.bmp"}) +
             Vec({Rec(2, I32(0) + I32(1), {}), Rec(2, I32(640) + I32(999), {})})},
        {"CharaEffect default", defChara, defaultEffect},
        {"CharaEffect", chara,
         Rec(2, I32(12) + I32(10) + I32(100) + I32(5) + I32(-16) + I32(16), {"レンズ"})},
        {"ScrEffect default", defScr, defaultEffect},
        {"ScrEffect", scr, Rec(2, I32(13) + I32(9999) + Zeros32(4), {"揺れ"})},
        {"Picture default", defPicture, Rec(1, I32(0), {"", ""})},
        {"Picture", picture, Rec(1, I32(1), {"p", "bmp\\p.bmp"})},
        {"Sound default", defSound, Rec(1, I32(0), {"", ""})},
        {"Sound", sound, Rec(1, I32(0), {"s", "wave\\s.wav"})},
        {"Bgm default", defBgm, Rec(1, I32(0), {"", ""})},
        {"Bgm", bgm, Rec(1, I32(1), {"b", "bgm\\b.ogg"})},
    };
    for (Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.expected, WrittenBytes(c.record));
    }
}

TEST_F(Database, SoundAndPictureRecordsHaveOneShape) {
    cEdSound sound;
    cEdPicture picture;
    sound.m_Name = picture.m_Name = "同じ";
    sound.m_File = picture.m_File = "x\\y.z";
    sound.m_SameAsFile = picture.m_SameAsFile = 1;
    EXPECT_EQ(WrittenBytes(sound), WrittenBytes(picture));
}

TEST_F(Database, DefaultTables) {
    cEdDatabase db;
    int sizes[kDatabaseTableCount] = {};
    db.ForEachTable([&](auto& table, int index) { sizes[index] = static_cast<int>(table.size()); });
    const int expected[kDatabaseTableCount] = {1, 2, 2, 1, 2, 2, 2, 2, 2, 2};
    for (int i = 0; i < kDatabaseTableCount; ++i) {
        EXPECT_EQ(expected[i], sizes[i]) << i;
        EXPECT_EQ(expected[i], DatabaseDefaultCount(i)) << i;
    }
    EXPECT_EQ("なし", db.m_Anime[0].m_Name);
    EXPECT_EQ("アクションA", db.m_Anime[1].m_Name);
    EXPECT_EQ(1u, db.m_Anime[1].m_Frames.size());
    EXPECT_EQ(1, db.m_CharaEffect[0].m_Kind);  // until the first load or save
    EXPECT_EQ("data\\database\\Bmp_CharaExc.dat", g_DatabasePath[kTableBmpCharaExc]);
    EXPECT_EQ("default\\database\\ScrEffect.dat", g_DatabaseDefaultPath[kTableScrEffect]);
}

// ---------------------------------------------------------------------------
// Older files, one fixture per version at which a layout or a meaning changed.

TEST_F(Database, AnimeSampleFieldsCameWithVersion55) {
    // version 54: no raw fields at all
    cVector<cEdAnime> v = LoadFile<cEdAnime>(54, Vec({Rec(0, "", {"古い"}) + Vec({FrameBytes(3, 4, 0)})}));
    ASSERT_EQ(1u, v.size());
    EXPECT_EQ("古い", v[0].m_Name);
    EXPECT_EQ(1, v[0].m_SampleKind);  // keeps its default
    ASSERT_EQ(1u, v[0].m_Frames.size());
    EXPECT_EQ(3, v[0].m_Frames[0].m_Cell);

    // a record already in the table keeps what the file does not hold
    WriteTableFile("table.dat", 54, Vec({Rec(0, "", {"古い"}) + Vec({})}));
    v[0].m_SampleKind = 3;
    ASSERT_EQ(1, LoadVector(v, "table.dat"));
    EXPECT_EQ(3, v[0].m_SampleKind);
    EXPECT_TRUE(v[0].m_Frames.empty());

    v = LoadFile<cEdAnime>(55, Vec({AnimeBytes("新", 7, 2, 5, {})}));
    EXPECT_EQ(7, v[0].m_SampleNo);
    EXPECT_EQ(2, v[0].m_SampleKind);
    EXPECT_EQ(5, v[0].m_SampleCell);
}

TEST_F(Database, AnimeSetFlyShiftCameWithVersion119) {
    const std::string v118 = Vec({Rec(2, I32(6) + I32(7), {"a"}) + Vec({})});
    cVector<cEdAnimeSet> v = LoadFile<cEdAnimeSet>(118, v118);
    EXPECT_EQ(6, v[0].m_InvincibleShift);
    EXPECT_EQ(7, v[0].m_BlockShift);
    EXPECT_EQ(0, v[0].m_FlyShift);
    v[0].m_FlyShift = 5;
    WriteTableFile("table.dat", 118, v118);
    ASSERT_EQ(1, LoadVector(v, "table.dat"));
    EXPECT_EQ(5, v[0].m_FlyShift);  // not in the file: keeps its value

    v = LoadFile<cEdAnimeSet>(119, Vec({Rec(3, I32(6) + I32(7) + I32(9), {"a"}) + Vec({})}));
    EXPECT_EQ(9, v[0].m_FlyShift);
}

TEST_F(Database, AnimeSetsBefore128GetExactlyFourSlots) {
    struct Case {
        uint32_t version;
        int slotsInFile;
        size_t slotsAfter;
    } cases[] = {{125, 2, 4}, {125, 0, 4}, {127, 5, 4}, {128, 2, 2}, {130, 2, 2}};
    const char* const names[] = {"歩く", "走る", "跳ぶ", "泳ぐ", "潜る"};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.version) + "/" + std::to_string(c.slotsInFile));
        std::string slots = I32(c.slotsInFile);
        for (int i = 0; i < c.slotsInFile; ++i) slots += DefaultAnimeBytes(names[i]);
        cVector<cEdAnimeSet> v = LoadFile<cEdAnimeSet>(c.version, Vec({Rec(3, Zeros32(3), {"set"}) + slots}));
        ASSERT_EQ(c.slotsAfter, v[0].m_Animes.size());
        for (size_t i = 0; i < std::min<size_t>(2, c.slotsInFile); ++i) {
            EXPECT_EQ(names[i], v[0].m_Animes[static_cast<int>(i)].m_Name);  // slots 0 and 1 kept
        }
        if (c.slotsAfter == 4) {
            EXPECT_EQ("飛行", v[0].m_Animes[2].m_Name);
            EXPECT_EQ("飛行移動", v[0].m_Animes[3].m_Name);
            EXPECT_EQ(1u, v[0].m_Animes[3].m_Frames.size());
        }
    }
}

TEST_F(Database, BmpCharaExcFieldsAndSameAsFileByVersion) {
    struct Case {
        uint32_t version;
        std::string raw;
        int fields;
        int sameAsFile, giant, giantSize;
    } cases[] = {
        {150, "", 0, 0, 0, 2},                                        // none of the three fields
        {152, I32(1), 1, 0, 0, 2},                                    // the flag is there but means nothing yet
        {153, I32(1), 1, 1, 0, 2},                                    // from 153 it counts
        {171, I32(1), 1, 1, 0, 2},
        {172, I32(1) + I32(1) + I32(7), 3, 1, 1, 7},                  // giant characters
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.version);
        cVector<cEdBmpCharaExc> v =
            LoadFile<cEdBmpCharaExc>(c.version, Vec({Rec(c.fields, c.raw, {"名前", "bmp\\a.bmp"})}));
        ASSERT_EQ(1u, v.size());
        EXPECT_EQ("名前", v[0].m_Name);
        EXPECT_EQ("bmp\\a.bmp", v[0].m_File);
        EXPECT_EQ(c.sameAsFile, v[0].m_SameAsFile);
        EXPECT_EQ(c.giant, v[0].m_Giant);
        EXPECT_EQ(c.giantSize, v[0].m_GiantSize);
    }
}

TEST_F(Database, SwordPositionFlipsCameWithVersion138) {
    const std::string pos137 = Rec(8, I32(-3) + I32(4) + I32(2) + I32(5) + I32(6) + I32(7) + I32(8) + I32(9), {});
    cVector<cEdSwordType> v = LoadFile<cEdSwordType>(137, Vec({Rec(0, "", {"剣", "", ""}) + Vec({pos137})}));
    ASSERT_EQ(1u, v[0].m_Positions.size());
    const cEdSwordPos& p = v[0].m_Positions[0];
    EXPECT_EQ(-3, p.m_OffsetX);
    EXPECT_EQ(4, p.m_OffsetY);
    EXPECT_EQ(1, p.m_FlipX);
    EXPECT_EQ(0, p.m_FlipY);
    EXPECT_EQ(2, p.m_Direction);
    EXPECT_EQ(9, p.m_Time);

    v = LoadFile<cEdSwordType>(138, Vec({Rec(0, "", {"剣", "", ""}) + Vec({SwordPosBytes(0, 0, 0, 1, 3, 0, 0, 0, 0, 8)})}));
    EXPECT_EQ(0, v[0].m_Positions[0].m_FlipX);
    EXPECT_EQ(1, v[0].m_Positions[0].m_FlipY);
    EXPECT_EQ(3, v[0].m_Positions[0].m_Direction);
}

// The Sword type, Effect, Picture, Sound and Bgm entries got their "same as
// file" flag in version 151; it counts from version 153 on.
template <class T>
void ExpectSameAsFileByVersion(const char* name, const std::string& rawAfterFlag, int fieldsAfterFlag,
                               std::initializer_list<std::string> strings, const std::string& nested,
                               cVector<T> (*Load)(uint32_t, const std::string&)) {
    struct Case {
        uint32_t version;
        bool hasFlag;
        int expected;
    } cases[] = {{150, false, 0}, {151, true, 0}, {152, true, 0}, {153, true, 1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(name) + " " + std::to_string(c.version));
        const std::string rec = c.hasFlag ? Rec(1 + fieldsAfterFlag, I32(1) + rawAfterFlag, strings)
                                          : Rec(fieldsAfterFlag, rawAfterFlag, strings);
        cVector<T> v = Load(c.version, Vec({rec + nested}));
        ASSERT_EQ(1u, v.size());
        EXPECT_EQ(c.expected, v[0].m_SameAsFile);
        EXPECT_EQ(*strings.begin(), v[0].m_Name);
    }
}

TEST_F(Database, SameAsFileFlagByVersion) {
    ExpectSameAsFileByVersion<cEdSwordType>("SwordType", "", 0, {"剣", "l", "r"}, Vec({}),
                                            &LoadFile<cEdSwordType>);
    ExpectSameAsFileByVersion<cEdEffect>("Effect", I32(64) + I32(48) + I32(1), 3, {"炎", "f"},
                                         Vec({Rec(2, I32(2) + I32(3), {})}), &LoadFile<cEdEffect>);
    ExpectSameAsFileByVersion<cEdPicture>("Picture", "", 0, {"絵", "p"}, "", &LoadFile<cEdPicture>);
    ExpectSameAsFileByVersion<cEdSound>("Sound", "", 0, {"音", "s"}, "", &LoadFile<cEdSound>);
    ExpectSameAsFileByVersion<cEdBgm>("Bgm", "", 0, {"曲", "b"}, "", &LoadFile<cEdBgm>);

    // the effect's other fields stay in place whether or not the flag is there
    cVector<cEdEffect> v = LoadFile<cEdEffect>(150, Vec({Rec(3, I32(64) + I32(48) + I32(1), {"炎", "f"}) +
                                                          Vec({Rec(2, I32(2) + I32(3), {})})}));
    EXPECT_EQ(64, v[0].m_Width);
    EXPECT_EQ(48, v[0].m_Height);
    EXPECT_EQ(1, v[0].m_AllowEnlarge);
    ASSERT_EQ(1u, v[0].m_Frames.size());
    EXPECT_EQ(3, v[0].m_Frames[0].m_Time);
}

// ---------------------------------------------------------------------------
// Loading and saving the whole database

TEST_F(Database, WithoutAnyFileTheDefaultsAreLoadedAndWritten) {
    cEdDatabase db;
    EXPECT_EQ(1, db.Load());
    EXPECT_FALSE(app.TakeCloseRequest());
    ASSERT_EQ(2u, db.m_Anime.size());
    EXPECT_EQ("なし", db.m_Anime[0].m_Name);
    EXPECT_EQ("アクションA", db.m_Anime[1].m_Name);
    EXPECT_EQ(0, db.m_CharaEffect[0].m_Kind);
    EXPECT_EQ(0, db.m_ScrEffect[0].m_Kind);
    EXPECT_EQ(1, db.m_ScrEffect[1].m_Kind);

    EXPECT_EQ(I32(248) + Vec({DefaultAnimeBytes("なし"), DefaultAnimeBytes("アクションA")}),
              ReadWholeFile("data/database/Anime.dat"));
    for (int i = 0; i < kDatabaseTableCount; ++i) {
        const std::string bytes = ReadWholeFile(Slashed(g_DatabasePath[i]).c_str());
        ASSERT_GE(bytes.size(), 8u) << i;
        EXPECT_EQ(I32(248) + I32(DatabaseDefaultCount(i)), bytes.substr(0, 8)) << i;
    }
}

TEST_F(Database, MissingDataFilesComeFromDefaultAndAreCopied) {
    cEdDatabase src;
    Populate(src);
    src.m_CharaEffect[0].m_Kind = 5;  // loads as no effect
    src.m_CharaEffect[1].m_Kind = 5;
    std::filesystem::create_directories("default/database");
    src.ForEachTable([](auto& table, int index) {
        ASSERT_EQ(1, SaveVector(table, g_DatabaseDefaultPath[index].c_str()));
    });

    cEdDatabase db;
    EXPECT_EQ(1, db.Load());
    for (int i = 0; i < kDatabaseTableCount; ++i) {
        SCOPED_TRACE(i);
        const std::string def = ReadWholeFile(Slashed(g_DatabaseDefaultPath[i]).c_str());
        ASSERT_FALSE(def.empty());
        EXPECT_EQ(def, ReadWholeFile(Slashed(g_DatabasePath[i]).c_str()));
    }
    EXPECT_EQ("勇者", db.m_AnimeSet[0].m_Name);
    EXPECT_EQ(12, db.m_AnimeSet[0].m_FlyShift);
    EXPECT_EQ(9, db.m_AnimeSet[0].m_Animes[0].m_Frames[0].m_Cell);
    EXPECT_EQ(2u, db.m_Anime[1].m_Frames.size());
    EXPECT_EQ("bmp\\big.bmp", db.m_BmpCharaExc[1].m_File);
    EXPECT_EQ(-5, db.m_SwordType[0].m_Positions[0].m_OffsetX);
    EXPECT_EQ(1u, db.m_Effect[1].m_Frames.size());
    EXPECT_EQ(0, db.m_CharaEffect[0].m_Kind);
    EXPECT_EQ(5, db.m_CharaEffect[1].m_Kind);
    EXPECT_EQ(-240, db.m_ScrEffect[1].m_Param[4]);
    EXPECT_EQ("絵", db.m_Picture[1].m_Name);
    EXPECT_EQ("wave\\a.wav", db.m_Sound[1].m_File);
    EXPECT_EQ(1, db.m_Bgm[1].m_SameAsFile);
}

// A file in the data folder is loaded when it reads; a damaged one is kept
// beside it as ".bad" before the fallback takes its place.
TEST_F(Database, DataFilesWinAndDamagedOnesAreKept) {
    struct Case {
        const char* name;
        std::string dataFile;
        size_t size;
        const char* name1;
    } cases[] = {
        {"older version", I32(150) + Vec({Rec(0, "", {"", ""}), Rec(0, "", {"データ", "d.bmp"})}), 2, "データ"},
        // the count promises three records, the file holds one: the default
        // folder's table is taken instead
        {"damaged", I32(248) + I32(3) + Rec(1, I32(0), {"壊れ", ""}), 3, "既定"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::filesystem::create_directories("data/database");
        ASSERT_TRUE(WriteWholeFile("data/database/Picture.dat", c.dataFile));
        WriteTableFile("default/database/Picture.dat", 248,
                       Vec({Rec(1, I32(0), {"", ""}), Rec(1, I32(0), {"既定", "x.bmp"}), Rec(1, I32(0), {"", ""})}));
        cEdDatabase db;
        db.Load();
        ASSERT_EQ(c.size, db.m_Picture.size());
        EXPECT_EQ(c.name1, db.m_Picture[1].m_Name);
        if (c.size == 2) {
            EXPECT_EQ(c.dataFile, ReadWholeFile("data/database/Picture.dat"));
        } else {
            EXPECT_EQ(c.dataFile, ReadWholeFile("data/database/Picture.dat.bad"));
            EXPECT_EQ(ReadWholeFile("default/database/Picture.dat"), ReadWholeFile("data/database/Picture.dat"));
        }
    }
}

TEST_F(Database, TablesTooShortArePaddedAndEntryZeroIsNoEffect) {
    // count 0 in both effect tables, a single entry in the Sound table, and a
    // CharaEffect entry 0 that claims a kind
    WriteTableFile("data/database/CharaEffect.dat", 248, Vec({}));
    WriteTableFile("data/database/ScrEffect.dat", 248, Vec({}));
    WriteTableFile("data/database/Sound.dat", 248, Vec({Rec(1, I32(0), {"only", ""})}));
    WriteTableFile("data/database/Effect.dat", 248, Vec({}));
    cEdDatabase db;
    db.Load();
    EXPECT_FALSE(app.TakeCloseRequest());
    ASSERT_EQ(2u, db.m_CharaEffect.size());
    ASSERT_EQ(2u, db.m_ScrEffect.size());
    EXPECT_EQ(0, db.m_CharaEffect[0].m_Kind);
    EXPECT_EQ(1, db.m_CharaEffect[1].m_Kind);
    EXPECT_EQ(0, db.m_ScrEffect[0].m_Kind);
    ASSERT_EQ(2u, db.m_Sound.size());
    EXPECT_EQ("only", db.m_Sound[0].m_Name);
    EXPECT_EQ(2u, db.m_Effect.size());

    WriteTableFile("data/database/CharaEffect.dat", 248,
                   Vec({Rec(2, I32(5) + Zeros32(5), {""}), Rec(2, I32(5) + Zeros32(5), {""})}));
    db.Load();
    EXPECT_EQ(0, db.m_CharaEffect[0].m_Kind);
    EXPECT_EQ(5, db.m_CharaEffect[1].m_Kind);
}

TEST_F(Database, SaveWritesEveryTableWithEntryZeroFixed) {
    cEdDatabase db;
    Populate(db);
    db.m_ScrEffect.clear();  // not even entry 0
    db.Save();
    EXPECT_FALSE(app.TakeCloseRequest());
    EXPECT_EQ(I32(248) + Vec({Rec(2, Zeros32(6), {""}), Rec(2, I32(1) + Zeros32(5), {""})}),
              ReadWholeFile("data/database/ScrEffect.dat"));
    const std::string chara = ReadWholeFile("data/database/CharaEffect.dat");
    ASSERT_GE(chara.size(), 16u);
    EXPECT_EQ(I32(0), chara.substr(12, 4));  // entry 0: kind 0

    cEdDatabase back;
    back.Load();
    back.ForEachTable([&](auto& table, int index) {
        SCOPED_TRACE(index);
        std::string a, b;
        for (auto& r : table) b += WrittenBytes(r);
        db.ForEachTable([&](auto& other, int j) {
            if (j == index) {
                for (auto& r : other) a += WrittenBytes(r);
            }
        });
        EXPECT_EQ(a, b);
    });
}

TEST_F(Database, CopiesAreIndependent) {
    cEdDatabase a;
    Populate(a);
    cEdDatabase b(a);
    cEdDatabase c;
    c = a;
    for (cEdDatabase* copy : {&b, &c}) {
        copy->m_AnimeSet[0].m_Animes[0].m_Frames[0].m_Cell = 77;
        copy->m_AnimeSet[0].m_Name = "別";
        copy->m_SwordType[0].m_Positions.clear();
        copy->m_CharaEffect[1].m_Param[0] = 1;
        copy->m_Anime[1].Clear();
        // a copy's layout describes its own members
        EXPECT_EQ(&copy->m_Bgm[1].m_SameAsFile, copy->m_Bgm[1].FieldEntry(0).data);
        EXPECT_EQ(&copy->m_Anime[1].m_Name, copy->m_Anime[1].StringEntry(0).text);
    }
    EXPECT_EQ(9, a.m_AnimeSet[0].m_Animes[0].m_Frames[0].m_Cell);
    EXPECT_EQ("勇者", a.m_AnimeSet[0].m_Name);
    EXPECT_EQ(1u, a.m_SwordType[0].m_Positions.size());
    EXPECT_EQ(0, a.m_CharaEffect[1].m_Param[0]);
    EXPECT_EQ("歩き", a.m_Anime[1].m_Name);
}

TEST_F(Database, SwordTime) {
    cEdDatabase db;
    cEdSwordType& sword = db.m_SwordType[0];
    sword.m_Positions.clear();
    EXPECT_EQ(0, db.GetSwordTime(0));
    sword.m_Positions.resize(11);
    for (auto& p : sword.m_Positions) p.m_Time = 999;
    EXPECT_EQ(9999, db.GetSwordTime(0));
    sword.m_Positions.resize(2);
    sword.m_Positions[0].m_Time = 3;
    sword.m_Positions[1].m_Time = 4;
    EXPECT_EQ(7, db.GetSwordTime(0));
    // times from a file beyond the page's range do not wrap the sum
    sword.m_Positions[0].m_Time = 30000;
    sword.m_Positions[1].m_Time = 30000;
    EXPECT_EQ(9999, db.GetSwordTime(0));
    EXPECT_FALSE(app.TakeCloseRequest());
}

TEST_F(Database, IndexesFromFilesAreChecked) {
    cEdDatabase db;
    db.m_SwordType[0].m_Positions[0].m_Time = 5;
    for (int16_t bad : {int16_t(-1), int16_t(1), int16_t(-32768)}) {
        SCOPED_TRACE(bad);
        EXPECT_EQ(5, db.GetSwordTime(bad));  // the first entry stands in
        EXPECT_TRUE(app.TakeCloseRequest());
    }
    EXPECT_EQ("前", SwordDirectionName(0));
    EXPECT_EQ("下", SwordDirectionName(3));
    EXPECT_TRUE(SwordDirectionName(-1).empty());
    EXPECT_TRUE(SwordDirectionName(4).empty());
    EXPECT_TRUE(g_SwordDirectionName[4].empty());
}
