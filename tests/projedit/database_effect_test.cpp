// The effect pages: frames inserted through the frame dialog, and the kind of
// a character effect setting the parameters' labels, ranges and defaults.
#include "tests/projedit/database_fixture.h"

#include <utility>

#include "projedit/dbeffect.h"

using namespace dbtest;

// A cancelled frame dialog takes the inserted frame back: on a new effect
// (no frames, below the list's minimum of one) and on one that has frames,
// with the frame selected or the separator row current.
TEST_F(DatabaseTest, CancelledFrameInsertLeavesTheFramesAsTheyWere) {
    struct Case {
        const char* name;
        std::vector<std::pair<int, int>> frames;  // frame number, display time
        int row;                                  // the row clicked before "挿入"
        std::vector<std::string> rows;
    } const cases[] = {
        {"no frames yet", {}, 0, {std::string(64, '-')}},
        {"before the first frame", {{4, 2}}, 0, {"4-2", std::string(64, '-')}},
        {"on the separator row", {{4, 2}, {5, 3}}, 2, {"4-2", "5-3", std::string(64, '-')}},
    };
    for (const Case& c : cases) {
        g_Database.SetDefault();
        g_Database.m_Effect.resize(2);
        for (const auto& f : c.frames) {
            cEdEffectFrame frame;
            frame.m_Cell = f.first;
            frame.m_Time = f.second;
            g_Database.m_Effect[1].m_Frames.push_back(frame);
        }
        Open();
        ShowPage(kDbPageEffect);
        HWND frames = Item(kDbPageEffect, IDC_EFFECT_FRAMES);
        ClickRow(frames, c.row);
        cOnDialog dlg("アニメ", [&](HWND d) {
            TypeInto(GetDlgItem(d, IDC_FRAME_CELL), "12");
            ClickWindow(GetDlgItem(d, kIdCancel));
        });
        Click(kDbPageEffect, IDC_EFFECT_INSERT);
        ASSERT_TRUE(PumpUntil([&] { return dlg.Ran(); })) << c.name;
        ASSERT_TRUE(PumpUntil([&] { return Rows(frames) == c.rows; }, 2000)) << c.name;
        EXPECT_EQ(c.rows, Rows(frames)) << c.name;
        EXPECT_EQ(c.frames.size(), m_lpSheet->m_lpEffect->m_Edit.m_Frames.size()) << c.name;
        Cancel();
    }
}

TEST_F(DatabaseTest, EffectFramesAreInsertedThroughTheFrameDialog) {
    Open();
    ShowPage(kDbPageEffect);
    HWND frames = Item(kDbPageEffect, IDC_EFFECT_FRAMES);
    for (int button : {kIdOk}) {
        cOnDialog dlg("アニメ", [&](HWND d) {
            TypeInto(GetDlgItem(d, IDC_FRAME_CELL), "12");
            TypeInto(GetDlgItem(d, IDC_FRAME_TIME), "3");
            ClickWindow(GetDlgItem(d, button));
        });
        Click(kDbPageEffect, IDC_EFFECT_INSERT);
        ASSERT_TRUE(PumpUntil([&] { return dlg.Ran(); }));
        PumpMessages(30);
    }
    const std::vector<std::string> want = {"12-3", std::string(64, '-')};
    EXPECT_EQ(want, Rows(frames));
    Apply();
    cVector<cEdEffect> effects = ReadTable<cEdEffect>(kTableEffect);
    ASSERT_EQ(1u, effects[1].m_Frames.size());
    EXPECT_EQ(12, effects[1].m_Frames[0].m_Cell);
    EXPECT_EQ(3, effects[1].m_Frames[0].m_Time);
}

// "波（横）" chosen for a "破裂" record: 5, 0, 32, 4, 0 with the fifth edit
// disabled.
TEST_F(DatabaseTest, ChoosingAKindGivesItsDefaults) {
    Open();
    ShowPage(kDbPageCharaEffect);
    EXPECT_FALSE(IsWindowEnabled(Item(kDbPageCharaEffect, IDC_KIND_P4)));
    ChooseItem(Item(kDbPageCharaEffect, IDC_KIND_COMBO), 3);
    EXPECT_FALSE(IsWindowEnabled(Item(kDbPageCharaEffect, IDC_KIND_P5)));
    EXPECT_TRUE(IsWindowEnabled(Item(kDbPageCharaEffect, IDC_KIND_P4)));
    char label[64] = "";
    GetDlgItemTextA(Page(kDbPageCharaEffect), IDC_KIND_P4_LABEL, label, sizeof label);
    EXPECT_STREQ("波の数", label);
    Apply();
    cVector<cEdCharaEffect> effects = ReadTable<cEdCharaEffect>(kTableCharaEffect);
    EXPECT_EQ(4, effects[1].m_Kind);
    const int want[5] = {5, 0, 32, 4, 0};
    for (int i = 0; i < 5; ++i) EXPECT_EQ(want[i], effects[1].m_Param[i]) << i;
}
