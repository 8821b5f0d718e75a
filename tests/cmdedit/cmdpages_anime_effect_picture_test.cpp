// The animation set, animation, effect, character effect, screen effect
// and picture pages: new-command defaults written by the constructor, the
// database choice lists, a command with distinct values shown, edited with
// real input, stored on OK and untouched on cancel, the enable rules and
// the parallel flag that OK derives from "一時停止".
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "cmdedit/cmd_pages.h"
#include "cmdedit/cmdpage_anime_res.h"
#include "cmdedit/cmdpage_effect_res.h"
#include "cmdedit/cmdpage_picture_res.h"
#include "cmdedit/cmdselect_dlg.h"
#include "model/database.h"
#include "tests/cmdedit/page_input.h"
#include "tests/support/gui.h"

using namespace page_input;

namespace {

const int kKindAnimeSet = 26;
const int kKindAnime = 27;
const int kKindEffect = 28;
const int kKindCharaEffect = 29;
const int kKindScrEffect = 30;
const int kKindPicture = 31;

template <class R>
void Fill(cVector<R>* table, int n, const char* prefix) {
    table->resize(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i) (*table)[i].m_Name.Format("%s%d", prefix, i);
}

class PresentPages : public testing::Test {
protected:
    void SetUp() override {
        Fill(&g_Database.m_AnimeSet, 3, "as");
        Fill(&g_Database.m_Anime, 4, "an");
        Fill(&g_Database.m_Effect, 5, "ef");
        Fill(&g_Database.m_CharaEffect, 3, "ce");
        Fill(&g_Database.m_ScrEffect, 4, "se");
        Fill(&g_Database.m_Picture, 4, "pi");
    }
    void TearDown() override {
        g_Database.m_AnimeSet.clear();
        g_Database.m_Anime.clear();
        g_Database.m_Effect.clear();
        g_Database.m_CharaEffect.clear();
        g_Database.m_ScrEffect.clear();
        g_Database.m_Picture.clear();
    }

    // The page of the command's kind, built as the selection dialog builds it.
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
    static cEdCommand Command(int kind) {
        cEdCommand cmd;
        cmd.m_nKind = static_cast<int8_t>(kind);
        return cmd;
    }
    static std::string Caption(HWND dlg) {
        char buf[128] = "";
        GetWindowTextA(dlg, buf, sizeof buf);
        return buf;
    }
    static std::string Item(HWND dlg, int id, int pos) {
        char buf[256] = "";
        SendDlgItemMessageA(dlg, id, CB_GETLBTEXT, static_cast<WPARAM>(pos), reinterpret_cast<LPARAM>(buf));
        return buf;
    }
};

// A new command gets execution time 0, the parallel flag and the page's
// creation values in the constructor, before the page shows; cancel keeps
// them.
TEST_F(PresentPages, NewCommandDefaults) {
    const struct Case {
        int kind;
        std::vector<int32_t> params;
    } cases[] = {
        {kKindAnimeSet, {0}},
        {kKindAnime, {1}},
        {kKindEffect, {1, 0, 0, 0, 0, 0, 100, 0}},
        {kKindCharaEffect, {1, 0, 0}},
        {kKindScrEffect, {1, 0, 0}},
        {kKindPicture, {1, 0, 0, 0, 0, 0, 1, 100, 0, 10, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.kind);
        cEdCommand cmd = Command(c.kind);
        cmd.m_nTime = 77;
        cmd.m_bParallel = 0;
        {
            std::unique_ptr<cCmdDlg> page = Page(&cmd, 1);
            ASSERT_TRUE(page);
        }
        EXPECT_EQ(0, cmd.m_nTime);
        EXPECT_EQ(1, cmd.m_bParallel);
        EXPECT_EQ(c.params, std::vector<int32_t>(cmd.m_Params.begin(), cmd.m_Params.end()));

        cEdCommand cancelled = Command(c.kind);
        cancelled.m_nTime = 77;
        EXPECT_EQ(0, Run(&cancelled, 1, [](HWND dlg) { End(dlg, 1001); }));
        EXPECT_EQ(0, cancelled.m_nTime);
        EXPECT_EQ(1, cancelled.m_bParallel);
        EXPECT_EQ(c.params, std::vector<int32_t>(cancelled.m_Params.begin(), cancelled.m_Params.end()));
    }
}

// An existing command keeps its time and parallel flag when its page opens
// (only the effect and picture pages recompute the flag, on OK).
TEST_F(PresentPages, ExistingCommandKeepsTimeAndFlag) {
    for (int kind : {kKindAnimeSet, kKindAnime, kKindCharaEffect, kKindScrEffect, kKindEffect, kKindPicture}) {
        SCOPED_TRACE(kind);
        cEdCommand cmd = Command(kind);
        cmd.m_nTime = 33;
        cmd.m_bParallel = 0;
        cmd.m_Params.resize(11, 2);
        std::unique_ptr<cCmdDlg> page = Page(&cmd, 0);
        ASSERT_TRUE(page);
        EXPECT_EQ(33, cmd.m_nTime);
        EXPECT_EQ(0, cmd.m_bParallel);
        EXPECT_EQ(static_cast<size_t>(cmd.ParamCount()), cmd.m_Params.size());
        for (int32_t v : cmd.m_Params) EXPECT_EQ(2, v);
    }
}

// The caption and the database list of every page: its first texts, its
// length, and the text a new command shows.
TEST_F(PresentPages, CaptionsAndChoiceLists) {
    const struct Case {
        int kind;
        const char* caption;
        int comboId;
        int count;
        const char* first;
        const char* second;
        const char* shownNew;
        const char* shot;
    } cases[] = {
        {kKindAnimeSet, "基本アニメセットの変更", IDC_AS_SET, 3, "001 as0", "002 as1", "001 as0", "cmd_anime_set"},
        {kKindAnime, "アニメの実行", IDC_AN_ANIME, 3, "001 an1", "002 an2", "001 an1", "cmd_anime"},
        {kKindEffect, "エフェクトの実行", IDC_EF_EFFECT, 5, "エフェクトの消去", "001 ef1", "001 ef1", nullptr},
        {kKindCharaEffect, "キャラエフェクトの実行", IDC_CE_EFFECT, 3, "なし", "001 ce1", "001 ce1", nullptr},
        {kKindScrEffect, "画面エフェクトの実行", IDC_SE_EFFECT, 4, "なし", "001 se1", "001 se1", nullptr},
        {kKindPicture, "ピクチャーの表示", IDC_PI_PICTURE, 4, "ピクチャーの消去", "001 pi1", "001 pi1", nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.kind);
        cEdCommand cmd = Command(c.kind);
        EXPECT_EQ(0, Run(&cmd, 1, [&](HWND dlg) {
            EXPECT_EQ(c.caption, Caption(dlg));
            EXPECT_EQ(c.count, Count(dlg, c.comboId));
            EXPECT_EQ(c.first, Item(dlg, c.comboId, 0));
            EXPECT_EQ(c.second, Item(dlg, c.comboId, 1));
            EXPECT_EQ(c.shownNew, Text(dlg, c.comboId));
            EXPECT_EQ("OK", Text(dlg, 1000));
            EXPECT_EQ("ｷｬﾝｾﾙ", Text(dlg, 1001));
            if (c.shot) TourShot(dlg, c.shot);
            End(dlg, 1001);
        }));
    }
}

// The one-choice pages and the character / screen effect pages: the stored
// record shown, another chosen with the keys; OK stores, cancel does not.
TEST_F(PresentPages, RecordChoiceBindings) {
    const struct Case {
        int kind;
        int comboId;
        int stored;
        const char* shown;
        int steps;
        int chosen;
        const char* shot;
    } cases[] = {
        {kKindAnimeSet, IDC_AS_SET, 2, "003 as2", -2, 0, nullptr},
        {kKindAnime, IDC_AN_ANIME, 3, "003 an3", -1, 2, nullptr},
        {kKindCharaEffect, IDC_CE_EFFECT, 2, "002 ce2", -2, 0, "cmd_chara_effect"},
        {kKindScrEffect, IDC_SE_EFFECT, 1, "001 se1", 2, 3, "cmd_scr_effect"},
    };
    for (const Case& c : cases) {
        for (int endId : {1000, 1001}) {
            SCOPED_TRACE(testing::Message() << c.kind << " " << endId);
            cEdCommand cmd = Command(c.kind);
            cmd.m_nTime = 5;
            cmd.m_bParallel = 0;
            const bool effect = c.kind == kKindCharaEffect || c.kind == kKindScrEffect;
            cmd.m_Params = effect ? cVector<int32_t>{c.stored, 2, 1} : cVector<int32_t>{c.stored};
            const int result = Run(&cmd, 0, [&](HWND dlg) {
                EXPECT_EQ(c.shown, Text(dlg, c.comboId));
                if (effect) {
                    EXPECT_EQ("往復実行", Text(dlg, IDC_XE_EXEC));
                    EXPECT_TRUE(Checked(dlg, IDC_XE_LOOP));
                    EXPECT_EQ(3, Count(dlg, IDC_XE_EXEC));
                    Choose(dlg, IDC_XE_EXEC, -1);
                    Click(dlg, IDC_XE_LOOP);
                    EXPECT_FALSE(Checked(dlg, IDC_XE_LOOP));
                }
                Choose(dlg, c.comboId, c.steps);
                if (c.shot && endId == 1000) TourShot(dlg, c.shot);
                End(dlg, endId);
            });
            const bool ok = endId == 1000;
            EXPECT_EQ(ok ? 1 : 0, result);
            EXPECT_EQ(ok ? c.chosen : c.stored, cmd.m_Params[0]);
            if (effect) {
                EXPECT_EQ(ok ? 1 : 2, cmd.m_Params[1]);
                EXPECT_EQ(ok ? 0 : 1, cmd.m_Params[2]);
            }
            EXPECT_EQ(5, cmd.m_nTime);
            EXPECT_EQ(0, cmd.m_bParallel);
        }
    }
}

// The effect page: every parameter shown and edited; the coordinates follow
// the display position; OK stores and makes the command parallel unless
// "一時停止" is checked; cancel stores nothing.
TEST_F(PresentPages, EffectBindings) {
    for (int endId : {1000, 1001}) {
        SCOPED_TRACE(endId);
        cEdCommand cmd = Command(kKindEffect);
        cmd.m_Params = {3, 3, 100, 200, -50, 60, 250, 1};
        cmd.m_bParallel = 0;
        const int result = Run(&cmd, 0, [&](HWND dlg) {
            const struct {
                int id;
                const char* text;
            } texts[] = {
                {IDC_EF_EFFECT, "003 ef3"}, {IDC_EF_POS, "画面座標で指定"}, {IDC_EF_X, "100"},
                {IDC_EF_Y, "200"},          {IDC_EF_SHIFTX, "-50"},         {IDC_EF_SHIFTY, "60"},
                {IDC_EF_SCALE, "250"},
            };
            for (const auto& t : texts) EXPECT_EQ(t.text, Text(dlg, t.id)) << t.id;
            EXPECT_TRUE(Checked(dlg, IDC_EF_PAUSE));
            EXPECT_EQ(5, Count(dlg, IDC_EF_POS));
            for (int id : {IDC_EF_X, IDC_EF_Y}) EXPECT_TRUE(Enabled(dlg, id)) << id;
            Choose(dlg, IDC_EF_POS, -1);  // "主人公の中心に表示"
            for (int id : {IDC_EF_X, IDC_EF_Y}) EXPECT_FALSE(Enabled(dlg, id)) << id;
            for (int id : {IDC_EF_SHIFTX, IDC_EF_SHIFTY, IDC_EF_SCALE, IDC_EF_PAUSE}) EXPECT_TRUE(Enabled(dlg, id)) << id;
            Type(dlg, IDC_EF_SHIFTX, "-1500");  // held to -999
            EXPECT_EQ("-999", Text(dlg, IDC_EF_SHIFTX));
            Type(dlg, IDC_EF_SHIFTY, "7");
            Type(dlg, IDC_EF_SCALE, "2000");  // held to 1000
            EXPECT_EQ("1000", Text(dlg, IDC_EF_SCALE));
            Click(dlg, IDC_EF_PAUSE);
            if (endId == 1000) TourShot(dlg, "cmd_effect");
            End(dlg, endId);
        });
        const bool ok = endId == 1000;
        EXPECT_EQ(ok ? 1 : 0, result);
        const std::vector<int32_t> want =
            ok ? std::vector<int32_t>{3, 2, 100, 200, -999, 7, 1000, 0} : std::vector<int32_t>{3, 3, 100, 200, -50, 60, 250, 1};
        EXPECT_EQ(want, std::vector<int32_t>(cmd.m_Params.begin(), cmd.m_Params.end()));
        EXPECT_EQ(ok ? 1 : 0, cmd.m_bParallel);
    }
}

// "エフェクトの消去" greys out every other control; what they hold is still
// stored on OK, and the parallel flag follows the (disabled) pause box.
TEST_F(PresentPages, EffectEraseGreysOut) {
    const struct Case {
        int pause;
        int wantParallel;
    } cases[] = {{0, 1}, {1, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pause);
        cEdCommand cmd = Command(kKindEffect);
        cmd.m_Params = {2, 4, 11, 12, 13, 14, 150, c.pause};
        cmd.m_bParallel = static_cast<int8_t>(1 - c.wantParallel);
        const int ids[] = {IDC_EF_POS, IDC_EF_X, IDC_EF_Y, IDC_EF_SHIFTX, IDC_EF_SHIFTY, IDC_EF_SCALE, IDC_EF_PAUSE};
        EXPECT_EQ(1, Run(&cmd, 0, [&](HWND dlg) {
            for (int id : ids) EXPECT_TRUE(Enabled(dlg, id)) << id;
            Choose(dlg, IDC_EF_EFFECT, -2);
            EXPECT_EQ("エフェクトの消去", Text(dlg, IDC_EF_EFFECT));
            for (int id : ids) EXPECT_FALSE(Enabled(dlg, id)) << id;
            Choose(dlg, IDC_EF_EFFECT, 1);  // back to a record: enabled again
            for (int id : ids) EXPECT_TRUE(Enabled(dlg, id)) << id;
            Choose(dlg, IDC_EF_EFFECT, -1);
            End(dlg, 1000);
        }));
        const std::vector<int32_t> want = {0, 4, 11, 12, 13, 14, 150, c.pause};
        EXPECT_EQ(want, std::vector<int32_t>(cmd.m_Params.begin(), cmd.m_Params.end()));
        EXPECT_EQ(c.wantParallel, cmd.m_bParallel);
    }
}

// The picture page: every parameter shown and edited; OK stores, cancel
// does not.
TEST_F(PresentPages, PictureBindings) {
    for (int endId : {1000, 1001}) {
        SCOPED_TRACE(endId);
        cEdCommand cmd = Command(kKindPicture);
        const std::vector<int32_t> before = {2, 4, 10, 20, 30, -40, 0, 300, 2, 55, 0};
        cmd.m_Params = cVector<int32_t>(before.begin(), before.end());
        cmd.m_bParallel = 1;
        const int result = Run(&cmd, 0, [&](HWND dlg) {
            const struct {
                int id;
                const char* text;
            } texts[] = {
                {IDC_PI_PICTURE, "002 pi2"}, {IDC_PI_POS, "ステージ座標で指定"}, {IDC_PI_X, "10"},
                {IDC_PI_Y, "20"},            {IDC_PI_SHIFTX, "30"},               {IDC_PI_SHIFTY, "-40"},
                {IDC_PI_SCALE, "300"},       {IDC_PI_DURATION, "時間で指定"},     {IDC_PI_TIME, "55"},
            };
            for (const auto& t : texts) EXPECT_EQ(t.text, Text(dlg, t.id)) << t.id;
            EXPECT_FALSE(Checked(dlg, IDC_PI_FRONT));
            EXPECT_FALSE(Checked(dlg, IDC_PI_PAUSE));
            EXPECT_EQ(3, Count(dlg, IDC_PI_DURATION));
            for (int id : {IDC_PI_X, IDC_PI_Y, IDC_PI_TIME, IDC_PI_PAUSE}) EXPECT_TRUE(Enabled(dlg, id)) << id;
            Choose(dlg, IDC_PI_POS, -4);  // "画面中央に表示"
            for (int id : {IDC_PI_X, IDC_PI_Y}) EXPECT_FALSE(Enabled(dlg, id)) << id;
            Choose(dlg, IDC_PI_PICTURE, 1);
            Type(dlg, IDC_PI_SHIFTX, "999");
            Click(dlg, IDC_PI_FRONT);
            Type(dlg, IDC_PI_SCALE, "0");  // held to 1
            EXPECT_EQ("1", Text(dlg, IDC_PI_SCALE));
            Type(dlg, IDC_PI_TIME, "12345");  // held to 9999
            EXPECT_EQ("9999", Text(dlg, IDC_PI_TIME));
            Click(dlg, IDC_PI_PAUSE);
            if (endId == 1000) TourShot(dlg, "cmd_picture");
            End(dlg, endId);
        });
        const bool ok = endId == 1000;
        EXPECT_EQ(ok ? 1 : 0, result);
        const std::vector<int32_t> want = ok ? std::vector<int32_t>{3, 0, 10, 20, 999, -40, 1, 1, 2, 9999, 1} : before;
        EXPECT_EQ(want, std::vector<int32_t>(cmd.m_Params.begin(), cmd.m_Params.end()));
        EXPECT_EQ(ok ? 0 : 1, cmd.m_bParallel);
    }
}

// The display time drives the time edit and "一時停止": until a key checks
// it, until the stage ends unchecks it (both disabled), a time leaves it
// free; OK stores the box and derives the parallel flag from it.
TEST_F(PresentPages, PictureDisplayTimeRules) {
    const struct Case {
        const char* name;
        int duration;  // stored display time
        int pause;     // stored "一時停止"
        int steps;     // display time choice moved by
        bool clickPause;
        bool timeEnabled;
        bool pauseChecked;
        int wantDuration;
        int wantParallel;
    } cases[] = {
        {"opens until key", 0, 0, 0, false, false, true, 0, 0},
        {"opens until stage end", 1, 1, 0, false, false, false, 1, 1},
        {"time to until key", 2, 0, -2, false, false, true, 0, 0},
        {"time to stage end", 2, 1, -1, false, false, false, 1, 1},
        {"until key to stage end", 0, 1, 1, false, false, false, 1, 1},
        {"stage end to time, then checked", 1, 0, 1, true, true, true, 2, 0},
        {"time, unchecked", 2, 1, 0, true, true, false, 2, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        cEdCommand cmd = Command(kKindPicture);
        cmd.m_Params = {1, 0, 0, 0, 0, 0, 1, 100, c.duration, 30, c.pause};
        cmd.m_bParallel = 7;
        EXPECT_EQ(1, Run(&cmd, 0, [&](HWND dlg) {
            if (c.steps) Choose(dlg, IDC_PI_DURATION, c.steps);
            if (c.clickPause) Click(dlg, IDC_PI_PAUSE);
            EXPECT_EQ(c.timeEnabled, Enabled(dlg, IDC_PI_TIME));
            EXPECT_EQ(c.timeEnabled, Enabled(dlg, IDC_PI_PAUSE));
            EXPECT_EQ(c.pauseChecked, Checked(dlg, IDC_PI_PAUSE));
            End(dlg, 1000);
        }));
        EXPECT_EQ(c.wantDuration, cmd.m_Params[8]);
        EXPECT_EQ(c.pauseChecked ? 1 : 0, cmd.m_Params[10]);
        EXPECT_EQ(c.wantParallel, cmd.m_bParallel);
    }
}

// "ピクチャーの消去" greys out every other control; their values are stored.
TEST_F(PresentPages, PictureEraseGreysOut) {
    cEdCommand cmd = Command(kKindPicture);
    cmd.m_Params = {1, 3, 5, 6, 7, 8, 1, 120, 2, 40, 0};
    const int ids[] = {IDC_PI_POS,   IDC_PI_X,        IDC_PI_Y,    IDC_PI_SHIFTX, IDC_PI_SHIFTY,
                       IDC_PI_FRONT, IDC_PI_SCALE,    IDC_PI_DURATION, IDC_PI_TIME, IDC_PI_PAUSE};
    EXPECT_EQ(1, Run(&cmd, 0, [&](HWND dlg) {
        for (int id : ids) EXPECT_TRUE(Enabled(dlg, id)) << id;
        Choose(dlg, IDC_PI_PICTURE, -1);
        EXPECT_EQ("ピクチャーの消去", Text(dlg, IDC_PI_PICTURE));
        for (int id : ids) EXPECT_FALSE(Enabled(dlg, id)) << id;
        End(dlg, 1000);
    }));
    const std::vector<int32_t> want = {0, 3, 5, 6, 7, 8, 1, 120, 2, 40, 0};
    EXPECT_EQ(want, std::vector<int32_t>(cmd.m_Params.begin(), cmd.m_Params.end()));
    EXPECT_EQ(1, cmd.m_bParallel);
}

// A record number beyond its list (the database table is shorter than when
// the command was made, or empty) shows no selection; OK keeps the stored
// number instead of writing -1 plus the list's offset, and still stores the
// controls that were changed.
TEST_F(PresentPages, UnlistedRecordKeptOnOk) {
    const struct Case {
        int kind;
        int comboId;
        int stored;
        int changeId;  // a check box clicked before OK (0: none)
        int changedParam;
    } cases[] = {
        {kKindAnimeSet, IDC_AS_SET, 9, 0, 0},
        {kKindAnime, IDC_AN_ANIME, 9, 0, 0},
        {kKindAnime, IDC_AN_ANIME, 0, 0, 0},
        {kKindEffect, IDC_EF_EFFECT, 9, IDC_EF_PAUSE, 7},
        {kKindCharaEffect, IDC_CE_EFFECT, 9, IDC_XE_LOOP, 2},
        {kKindScrEffect, IDC_SE_EFFECT, 4, IDC_XE_LOOP, 2},
        {kKindPicture, IDC_PI_PICTURE, 9, IDC_PI_FRONT, 6},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.kind << " " << c.stored);
        cEdCommand cmd = Command(c.kind);
        cmd.m_Params.resize(static_cast<size_t>(cmd.ParamCount()), 0);
        cmd.m_Params[0] = c.stored;
        if (c.kind == kKindPicture) cmd.m_Params[8] = 2;  // the pause box stays free
        EXPECT_EQ(1, Run(&cmd, 0, [&](HWND dlg) {
            EXPECT_EQ(-1, Sel(dlg, c.comboId));
            if (c.changeId) Click(dlg, c.changeId);
            End(dlg, 1000);
        }));
        EXPECT_EQ(c.stored, cmd.m_Params[0]);
        if (c.changeId) {
            EXPECT_EQ(1, cmd.m_Params[c.changedParam]);
        }
    }
    // an empty table: a new animation command keeps record 1
    g_Database.m_Anime.resize(1);
    cEdCommand cmd = Command(kKindAnime);
    EXPECT_EQ(1, Run(&cmd, 1, [](HWND dlg) {
        EXPECT_EQ(0, Count(dlg, IDC_AN_ANIME));
        End(dlg, 1000);
    }));
    EXPECT_EQ(1, cmd.m_Params[0]);
}

// A command of the item set opens the same page under its character-flow
// kind: the parameters are sized by the item set's table and the new-command
// values are written the same way.
TEST_F(PresentPages, ItemSetCommandsUseTheSamePages) {
    const struct Case {
        int itemKind;
        int flowKind;
        size_t params;
        int32_t first;
    } cases[] = {
        {11, kKindAnimeSet, 1, 0}, {12, kKindAnime, 1, 1},       {13, kKindEffect, 8, 1},
        {14, kKindCharaEffect, 3, 1}, {15, kKindScrEffect, 3, 1}, {16, kKindPicture, 11, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.flowKind);
        cEdCommand cmd;
        cmd.m_nCmdSet = 1;
        cmd.m_nKind = static_cast<int8_t>(c.itemKind);
        cEditReq req;
        req.m_pRecord = &cmd;
        req.m_bNew = 1;
        std::unique_ptr<cCmdDlg> page(MakeCmdPageForKind(c.flowKind, CmdKindPageId(c.flowKind), nullptr, &req, nullptr));
        ASSERT_TRUE(page);
        EXPECT_EQ(c.params, cmd.m_Params.size());
        EXPECT_EQ(c.first, cmd.m_Params[0]);
        EXPECT_EQ(1, cmd.m_bParallel);
        EXPECT_EQ(1, cmd.m_nCmdSet);
        EXPECT_EQ(c.itemKind, cmd.m_nKind);
    }
}

}  // namespace
