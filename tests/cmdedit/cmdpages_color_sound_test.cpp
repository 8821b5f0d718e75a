// The screen colour, background, sound effect and music pages: new-command
// defaults written by the constructor, a command with distinct values shown,
// edited with real input, stored on OK and untouched on cancel, the enable
// rules and the swatch of the colour page, and the sound and music previews.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "app/services.h"
#include "base/bgm.h"
#include "base/mcisound.h"
#include "base/midiplayer.h"
#include "cmdedit/cmd_pages.h"
#include "cmdedit/cmdpage_back_res.h"
#include "cmdedit/cmdpage_color.h"
#include "cmdedit/cmdpage_color_res.h"
#include "cmdedit/cmdpage_sound_res.h"
#include "cmdedit/cmdselect_dlg.h"
#include "model/cmd_tables.h"
#include "model/database.h"
#include "tests/base/fake_midi_stream.h"
#include "tests/base/midi_bytes.h"
#include "tests/cmdedit/page_input.h"
#include "tests/support/gui.h"
#include "tests/support/test_env.h"

using namespace page_input;

namespace {

const int kScreenColor = 32;
const int kBack = 33;
const int kSound = 34;
const int kBgm = 35;

class ColorSoundPages : public testing::Test {
protected:
    void SetUp() override {
        g_Database.m_Sound.resize(4);
        g_Database.m_Bgm.resize(3);
        for (int i = 0; i < 4; ++i) g_Database.m_Sound[i].m_Name.Format("se%d", i);
        for (int i = 0; i < 3; ++i) g_Database.m_Bgm[i].m_Name.Format("bg%d", i);
    }
    void TearDown() override {
        g_Database.m_Sound.clear();
        g_Database.m_Bgm.clear();
    }

    // The page of the command's kind, built as the selection dialog builds it.
    static std::unique_ptr<cCmdDlg> Page(cEdCommand* cmd, int isNew) {
        cEditReq req;
        req.m_pRecord = cmd;
        req.m_bNew = isNew;
        return std::unique_ptr<cCmdDlg>(
            MakeCmdPageForKind(cmd->m_nKind, CmdKindPageId(cmd->m_nKind), nullptr, &req, nullptr));
    }
    static int Run(cEdCommand* cmd, int isNew, const std::function<void(HWND, cCmdDlg*)>& script) {
        std::unique_ptr<cCmdDlg> page = Page(cmd, isNew);
        if (!page) return -1;
        cCmdDlg* p = page.get();
        return RunModalScripted(p, 0, [&](HWND dlg) { script(dlg, p); });
    }
    static cEdCommand Command(int kind) {
        cEdCommand cmd;
        cmd.m_nKind = static_cast<int8_t>(kind);
        return cmd;
    }
    static std::string Caption(HWND wnd) {
        char buf[128] = "";
        GetWindowTextA(wnd, buf, sizeof buf);
        return buf;
    }
    static std::string Item(HWND dlg, int id, int pos) {
        char buf[128] = "";
        SendDlgItemMessageA(dlg, id, CB_GETLBTEXT, static_cast<WPARAM>(pos), reinterpret_cast<LPARAM>(buf));
        return buf;
    }
    static int SliderPos(HWND dlg, int id) { return static_cast<int>(SendDlgItemMessageA(dlg, id, TBM_GETPOS, 0, 0)); }
    // The swatch's colour as the page drew it.
    static COLORREF Swatch(cCmdDlg* page) {
        auto* color = static_cast<cCmdDlgScreenColor*>(page);
        return GetPixel(color->m_Pictures[0].m_Ctrl.m_Offscreen.m_hDC, 16, 16) & 0xFFFFFF;
    }
};

// Each page writes its defaults into a new command before it shows: time 0,
// parallel, and its own creation values; they stay when it is cancelled.
// A command that is not new keeps what it has.
TEST_F(ColorSoundPages, NewCommandDefaults) {
    struct Case {
        int kind;
        const char* caption;
        std::vector<int32_t> params;
    } cases[] = {
        {kScreenColor, "画面の色を変更", {0, 0, 0, 0, 0, 0, 0, 0}},
        {kBack, "背景の変更", {1, 0}},
        {kSound, "効果音の再生", {1}},
        {kBgm, "BGMの再生", {1, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.kind);
        for (int endId : {0, 1001}) {
            cEdCommand cmd = Command(c.kind);
            cmd.m_nTime = 77;
            cmd.m_bParallel = 0;
            cmd.m_bMuteOffScreen = 1;
            if (endId == 0) {
                Page(&cmd, 1);  // constructed only
            } else {
                std::string caption;
                EXPECT_EQ(0, Run(&cmd, 1, [&](HWND dlg, cCmdDlg*) {
                              caption = Caption(dlg);
                              End(dlg, 1001);
                          }));
                EXPECT_EQ(c.caption, caption);
            }
            EXPECT_EQ(0, cmd.m_nTime);
            EXPECT_EQ(1, cmd.m_bParallel);
            EXPECT_EQ(1, cmd.m_bMuteOffScreen);
            ASSERT_EQ(c.params.size(), cmd.m_Params.size());
            for (size_t i = 0; i < c.params.size(); ++i) EXPECT_EQ(c.params[i], cmd.m_Params[i]) << i;
        }
        cEdCommand old = Command(c.kind);
        old.m_nTime = 77;
        old.m_bParallel = 0;
        Page(&old, 0);
        EXPECT_EQ(77, old.m_nTime);
        EXPECT_EQ(0, old.m_bParallel);
    }
}

// The colour page shows the command's eight parameters, takes input on the
// sliders, the checks and the edits, stores it on OK only; the swatch shows
// red, green and blue of the sliders.
TEST_F(ColorSoundPages, ScreenColorBindings) {
    for (int endId : {1000, 1001}) {
        SCOPED_TRACE(endId);
        cEdCommand cmd = Command(kScreenColor);
        cmd.m_Params = {10, 20, 30, 40, 0, 55, 1, 7};
        const int result = Run(&cmd, 0, [&](HWND dlg, cCmdDlg* page) {
            const int sliders[4] = {IDC_SC_R, IDC_SC_G, IDC_SC_B, IDC_SC_RATE};
            const int boxes[4] = {IDC_SC_R_VALUE, IDC_SC_G_VALUE, IDC_SC_B_VALUE, IDC_SC_RATE_VALUE};
            for (int i = 0; i < 4; ++i) {
                EXPECT_EQ(10 * (i + 1), SliderPos(dlg, sliders[i])) << i;
                EXPECT_EQ(std::to_string(10 * (i + 1)), Text(dlg, boxes[i])) << i;
                EXPECT_TRUE(Enabled(dlg, sliders[i])) << i;
            }
            EXPECT_FALSE(Checked(dlg, IDC_SC_RESTORE));
            EXPECT_EQ("55", Text(dlg, IDC_SC_TIME));
            EXPECT_TRUE(Checked(dlg, IDC_SC_FLASH));
            EXPECT_EQ("7", Text(dlg, IDC_SC_COUNT));
            EXPECT_TRUE(Enabled(dlg, IDC_SC_COUNT));
            EXPECT_EQ(RGB(10, 20, 30), Swatch(page));
            // the sliders by keys: a line, a page (30 for colours, 10 for %)
            ClickWindow(GetDlgItem(dlg, IDC_SC_R));
            PumpUntil([&] { return GetFocus() == GetDlgItem(dlg, IDC_SC_R); });
            PressKey(VK_HOME);
            PressKey(VK_RIGHT);
            PumpUntilIdle();
            EXPECT_EQ(1, SliderPos(dlg, IDC_SC_R));
            EXPECT_EQ("1", Text(dlg, IDC_SC_R_VALUE));
            EXPECT_EQ(RGB(1, 20, 30), Swatch(page));
            ClickWindow(GetDlgItem(dlg, IDC_SC_B));
            PumpUntil([&] { return GetFocus() == GetDlgItem(dlg, IDC_SC_B); });
            PressKey(VK_END);
            PumpUntilIdle();
            EXPECT_EQ("255", Text(dlg, IDC_SC_B_VALUE));
            EXPECT_EQ(RGB(1, 20, 255), Swatch(page));
            ClickWindow(GetDlgItem(dlg, IDC_SC_RATE));
            PumpUntil([&] { return GetFocus() == GetDlgItem(dlg, IDC_SC_RATE); });
            PressKey(VK_HOME);
            PressKey(VK_NEXT);
            PumpUntilIdle();
            EXPECT_EQ("10", Text(dlg, IDC_SC_RATE_VALUE));
            Type(dlg, IDC_SC_TIME, "1200");  // held to 999
            EXPECT_EQ("999", Text(dlg, IDC_SC_TIME));
            Type(dlg, IDC_SC_COUNT, "150");  // held to 99
            EXPECT_EQ("99", Text(dlg, IDC_SC_COUNT));
            TourShot(dlg, "cmd_screen_color");
            Click(dlg, IDC_SC_FLASH);
            EXPECT_FALSE(Enabled(dlg, IDC_SC_COUNT));
            End(dlg, endId);
        });
        const bool ok = endId == 1000;
        EXPECT_EQ(ok ? 1 : 0, result);
        const std::vector<int32_t> want =
            ok ? std::vector<int32_t>{1, 20, 255, 10, 0, 999, 0, 99} : std::vector<int32_t>{10, 20, 30, 40, 0, 55, 1, 7};
        ASSERT_EQ(8u, cmd.m_Params.size());
        for (int i = 0; i < 8; ++i) EXPECT_EQ(want[i], cmd.m_Params[i]) << i;
    }
}

// "元の色に戻す" greys out the sliders, "瞬間表示" (unchecking it) and the
// count; unchecking it again enables them but leaves "瞬間表示" off. The
// swatch still follows the sliders while they are disabled.
TEST_F(ColorSoundPages, ScreenColorRestoreRules) {
    cEdCommand cmd = Command(kScreenColor);
    cmd.m_Params = {200, 100, 50, 100, 0, 5, 1, 3};
    const int sliders[4] = {IDC_SC_R, IDC_SC_G, IDC_SC_B, IDC_SC_RATE};
    EXPECT_EQ(1, Run(&cmd, 0, [&](HWND dlg, cCmdDlg* page) {
                  Click(dlg, IDC_SC_RESTORE);
                  for (int id : sliders) EXPECT_FALSE(Enabled(dlg, id)) << id;
                  EXPECT_FALSE(Enabled(dlg, IDC_SC_FLASH));
                  EXPECT_FALSE(Checked(dlg, IDC_SC_FLASH));
                  EXPECT_FALSE(Enabled(dlg, IDC_SC_COUNT));
                  EXPECT_TRUE(Enabled(dlg, IDC_SC_TIME));
                  // moved by its owner while disabled: the next handled
                  // message draws the new colour
                  SendDlgItemMessageA(dlg, IDC_SC_G, TBM_SETPOS, TRUE, 7);
                  SendMessageA(dlg, WM_COMMAND, MAKEWPARAM(IDC_SC_TIME, EN_CHANGE),
                               reinterpret_cast<LPARAM>(GetDlgItem(dlg, IDC_SC_TIME)));
                  EXPECT_EQ(RGB(200, 7, 50), Swatch(page));
                  Click(dlg, IDC_SC_RESTORE);
                  for (int id : sliders) EXPECT_TRUE(Enabled(dlg, id)) << id;
                  EXPECT_TRUE(Enabled(dlg, IDC_SC_FLASH));
                  EXPECT_FALSE(Checked(dlg, IDC_SC_FLASH));
                  EXPECT_FALSE(Enabled(dlg, IDC_SC_COUNT));
                  Click(dlg, IDC_SC_FLASH);
                  EXPECT_TRUE(Enabled(dlg, IDC_SC_COUNT));
                  Click(dlg, IDC_SC_RESTORE);
                  End(dlg, 1000);
              }));
    const int32_t want[8] = {200, 7, 50, 100, 1, 5, 0, 3};
    for (int i = 0; i < 8; ++i) EXPECT_EQ(want[i], cmd.m_Params[i]) << i;
}

// A new colour command's count 0 lies below the count's range: it shows as 1
// and OK stores 1.
TEST_F(ColorSoundPages, ScreenColorNewCountIsHeldToOne) {
    cEdCommand cmd = Command(kScreenColor);
    EXPECT_EQ(1, Run(&cmd, 1, [&](HWND dlg, cCmdDlg* page) {
                  EXPECT_EQ("1", Text(dlg, IDC_SC_COUNT));
                  EXPECT_FALSE(Enabled(dlg, IDC_SC_COUNT));
                  EXPECT_EQ(RGB(0, 0, 0), Swatch(page));
                  End(dlg, 1000);
              }));
    EXPECT_EQ(1, cmd.m_Params[7]);
}

// The background page: the layer number (1..8) and the mode, one sentence.
TEST_F(ColorSoundPages, BackBindings) {
    struct Case {
        int endId;
        const char* typed;
        int steps;
        int32_t layer, mode;
    } cases[] = {
        {1000, "9", -2, 8, 0},  // held to 8
        {1000, "0", -1, 1, 1},  // held to 1
        {1001, "4", -2, 5, 2},  // cancel: as it was
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        cEdCommand cmd = Command(kBack);
        cmd.m_Params = {5, 2};
        EXPECT_EQ(c.endId == 1000 ? 1 : 0, Run(&cmd, 0, [&](HWND dlg, cCmdDlg*) {
                      EXPECT_EQ("5", Text(dlg, IDC_BK_LAYER));
                      ASSERT_EQ(3, Count(dlg, IDC_BK_MODE));
                      EXPECT_EQ("表示", Item(dlg, IDC_BK_MODE, 0));
                      EXPECT_EQ("非表示", Item(dlg, IDC_BK_MODE, 1));
                      EXPECT_EQ("反転(表示⇔非表示)", Item(dlg, IDC_BK_MODE, 2));
                      EXPECT_EQ(2, Sel(dlg, IDC_BK_MODE));
                      Type(dlg, IDC_BK_LAYER, c.typed);
                      Choose(dlg, IDC_BK_MODE, c.steps);
                      if (c.endId == 1000 && c.layer == 8) TourShot(dlg, "cmd_back");
                      End(dlg, c.endId);
                  }));
        EXPECT_EQ(c.layer, cmd.m_Params[0]);
        EXPECT_EQ(c.mode, cmd.m_Params[1]);
    }
}

// The sound page lists the effects from record 1 ("001 se1") and binds the
// command's off-screen flag; choosing an effect plays it at once, and one
// whose file does not play is told while the page and the choice stay.
TEST_F(ColorSoundPages, SoundBindingsAndPreview) {
    uint8_t wasEnabled = g_MciSound.enabled;
    g_MciSound.enabled = 1;
    g_Database.m_Sound[3].m_File.Set("sound\\broken.xyz");  // no player for it
    for (int endId : {1000, 1001}) {
        SCOPED_TRACE(endId);
        cEdCommand cmd = Command(kSound);
        cmd.m_Params = {2};
        cmd.m_bMuteOffScreen = 0;
        std::vector<MsgBoxCatcher::Box> boxes;
        bool stillOpen = false;
        int selAfter = -1;
        const int result = Run(&cmd, 0, [&](HWND dlg, cCmdDlg*) {
            ASSERT_EQ(3, Count(dlg, IDC_SE_SOUND));
            EXPECT_EQ("001 se1", Item(dlg, IDC_SE_SOUND, 0));
            EXPECT_EQ("003 se3", Item(dlg, IDC_SE_SOUND, 2));
            EXPECT_EQ("002 se2", Text(dlg, IDC_SE_SOUND));
            EXPECT_FALSE(Checked(dlg, IDC_SE_MUTE));
            {
                MsgBoxCatcher catcher;
                Choose(dlg, IDC_SE_SOUND, 1);  // se3: its file does not play
                PumpUntil([&] { return !catcher.boxes.empty(); });
                boxes = catcher.boxes;
            }
            stillOpen = IsWindowVisible(dlg) != 0;
            selAfter = Sel(dlg, IDC_SE_SOUND);
            Click(dlg, IDC_SE_MUTE);
            if (endId == 1000) TourShot(dlg, "cmd_sound");
            End(dlg, endId);
        });
        ASSERT_EQ(1u, boxes.size());
        EXPECT_EQ("エラー", boxes[0].caption);
        EXPECT_EQ("読み込み失敗！", boxes[0].text);
        EXPECT_TRUE(stillOpen);
        EXPECT_EQ(2, selAfter);
        const bool ok = endId == 1000;
        EXPECT_EQ(ok ? 1 : 0, result);
        EXPECT_EQ(ok ? 3 : 2, cmd.m_Params[0]);
        EXPECT_EQ(ok ? 1 : 0, cmd.m_bMuteOffScreen);
    }
    g_MciSound.enabled = wasEnabled;
}

// A new sound command shows the off-screen check on (the record default).
TEST_F(ColorSoundPages, NewSoundShowsOffScreenChecked) {
    cEdCommand cmd = Command(kSound);
    EXPECT_EQ(1, Run(&cmd, 1, [&](HWND dlg, cCmdDlg*) {
                  EXPECT_TRUE(Checked(dlg, IDC_SE_MUTE));
                  EXPECT_EQ("001 se1", Text(dlg, IDC_SE_SOUND));
                  End(dlg, 1000);
              }));
    EXPECT_EQ(1, cmd.m_Params[0]);
    EXPECT_EQ(1, cmd.m_bMuteOffScreen);
}

// The music page lists "BGMの停止" for record 0, then the records; the loop
// check is parameter 1; OK stores, cancel does not.
TEST_F(ColorSoundPages, BgmBindings) {
    for (int endId : {1000, 1001}) {
        SCOPED_TRACE(endId);
        cEdCommand cmd = Command(kBgm);
        cmd.m_Params = {2, 1};
        const int result = Run(&cmd, 0, [&](HWND dlg, cCmdDlg*) {
            ASSERT_EQ(3, Count(dlg, IDC_BGM_MUSIC));
            EXPECT_EQ("BGMの停止", Item(dlg, IDC_BGM_MUSIC, 0));
            EXPECT_EQ("001 bg1", Item(dlg, IDC_BGM_MUSIC, 1));
            EXPECT_EQ("002 bg2", Text(dlg, IDC_BGM_MUSIC));
            EXPECT_TRUE(Checked(dlg, IDC_BGM_LOOP));
            Choose(dlg, IDC_BGM_MUSIC, -2);
            Click(dlg, IDC_BGM_LOOP);
            if (endId == 1000) TourShot(dlg, "cmd_bgm");
            End(dlg, endId);
        });
        const bool ok = endId == 1000;
        EXPECT_EQ(ok ? 1 : 0, result);
        EXPECT_EQ(ok ? 0 : 2, cmd.m_Params[0]);
        EXPECT_EQ(ok ? 0 : 1, cmd.m_Params[1]);
    }
}

// "再生" plays the chosen music on slot 0, looped; "BGMの停止" plays nothing
// and tells nothing; a file that does not play is told. The preview stops
// when the page ends, by OK, by cancel and by its close box.
class BgmPreview : public ColorSoundPages {
protected:
    void SetUp() override {
        ColorSoundPages::SetUp();
        CreateDirectoryA("bgm", nullptr);
        ASSERT_TRUE(WriteWholeFile(
            "bgm\\Song.mid",
            SmfFile(0, {Bytes({0x00, 0x90, 0x3C, 0x64, 0x83, 0x60, 0x80, 0x3C, 0x00, 0x00, 0xFF, 0x2F, 0x00})})));
        g_NewMidiStream = NewSharedFakeStream;
        g_BgmManager.Init(1, m_Ogg, m_Mid, 1);
        ASSERT_TRUE(g_BgmManager.IsInitialised());
        g_Database.m_Bgm[1].m_File = "bgm\\Song.mid";
        g_Database.m_Bgm[2].m_File = "bgm\\none.mid";
    }
    void TearDown() override {
        g_BgmManager.Release();
        g_NewMidiStream = NewWinMidiStream;
        ColorSoundPages::TearDown();
    }
    static bool Playing() {
        cMidiPlayer* player = g_BgmManager.m_Midi.m_Players.empty() ? nullptr : g_BgmManager.m_Midi.m_Players[0];
        return player && player->State() == kMidiPlaying;
    }
    char m_Ogg[1][kOggNameSize] = {};
    char m_Mid[1][kMidNameSize] = {};
};

TEST_F(BgmPreview, PlaysTheChosenRecordUntilThePageEnds) {
    cEdCommand cmd = Command(kBgm);
    cmd.m_Params = {0, 0};
    std::vector<MsgBoxCatcher::Box> stopBoxes, failBoxes;
    bool playedStop = true, played = false, stillOpen = false;
    EXPECT_EQ(1, Run(&cmd, 0, [&](HWND dlg, cCmdDlg*) {
                  {
                      MsgBoxCatcher catcher;
                      Click(dlg, IDC_BGM_PLAY);  // "BGMの停止"
                      PumpMessages(100);
                      playedStop = Playing();
                      stopBoxes = catcher.boxes;
                      Choose(dlg, IDC_BGM_MUSIC, 2);  // a file that does not play
                      Click(dlg, IDC_BGM_PLAY);
                      PumpUntil([&] { return !catcher.boxes.empty(); });
                      failBoxes = catcher.boxes;
                  }
                  stillOpen = IsWindowVisible(dlg) != 0;
                  Choose(dlg, IDC_BGM_MUSIC, -1);
                  Click(dlg, IDC_BGM_PLAY);
                  played = Playing();
                  End(dlg, 1000);
              }));
    EXPECT_FALSE(playedStop);
    EXPECT_TRUE(stopBoxes.empty());
    ASSERT_EQ(1u, failBoxes.size());
    EXPECT_EQ("エラー", failBoxes[0].caption);
    EXPECT_EQ("読み込み失敗！", failBoxes[0].text);
    EXPECT_TRUE(stillOpen);
    EXPECT_TRUE(played);
    EXPECT_EQ(0, g_BgmManager.CurrentSlot());
    EXPECT_FALSE(Playing());
    EXPECT_EQ(1, cmd.m_Params[0]);
    EXPECT_EQ(0, cmd.m_Params[1]);  // the preview looped; the setting is the author's
}

TEST_F(BgmPreview, EveryWayOutStopsIt) {
    struct Case {
        const char* what;
        std::function<void(HWND)> end;
        int result;
    } cases[] = {
        {"OK", [](HWND dlg) { End(dlg, 1000); }, 1},
        {"cancel", [](HWND dlg) { End(dlg, 1001); }, 0},
        {"close box", [](HWND dlg) { PostMessageA(dlg, WM_CLOSE, 0, 0); }, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        cEdCommand cmd = Command(kBgm);
        cmd.m_Params = {1, 0};
        bool played = false;
        const int result = Run(&cmd, 0, [&](HWND dlg, cCmdDlg*) {
            Click(dlg, IDC_BGM_PLAY);
            played = Playing();
            c.end(dlg);
        });
        EXPECT_TRUE(played);
        EXPECT_EQ(c.result, result);
        EXPECT_FALSE(Playing());
    }
}

}  // namespace
