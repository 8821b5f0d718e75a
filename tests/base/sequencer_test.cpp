#include <gtest/gtest.h>

#include <initializer_list>
#include <vector>

#include "base/sequencer.h"
#include "tests/support/test_env.h"

namespace {

typedef std::initializer_list<cAnimeStep> Steps;

cVector<cVector<cAnimeStep>> Animes(std::initializer_list<Steps> lists) {
    cVector<cVector<cAnimeStep>> animes;
    for (const Steps& steps : lists) animes.push_back(cVector<cAnimeStep>(steps));
    return animes;
}

std::vector<int> Ticks(cAnimeSequencer& seq, int calls) {
    std::vector<int> values;
    for (int i = 0; i < calls; ++i) values.push_back(seq.Step());
    return values;
}

struct SequenceCase {
    const char* name;
    cVector<cVector<cAnimeStep>> animes;
    std::vector<int> values;  // what successive Step calls return
};

}  // namespace

TEST(AnimeSequencer, StepsThroughLoopsHoldsAndJumps) {
    const SequenceCase cases[] = {
        {"loop", Animes({{{5, 2}, {6, 1}, {kAnimeLoop, 0}}}), {5, 6, 5, 5, 6, 5, 5, 6}},
        {"stay on the last step", Animes({{{5, 3}, {kAnimeStay, 0}}}), {5, 5, 5, 5, 5, 5, 5}},
        {"stay after several steps", Animes({{{1, 1}, {2, 2}, {3, 1}, {kAnimeStay, 0}}}), {2, 2, 3, 3, 3}},
        {"jump at once", Animes({{{5, 1}, {kAnimeJump, 1}}, {{9, 1}, {kAnimeStay, 0}}}), {9, 9, 9}},
        {"jump and loop there",
         Animes({{{1, 2}, {kAnimeJump, 2}}, {{7, 1}, {kAnimeStay, 0}}, {{3, 1}, {4, 1}, {kAnimeLoop, 0}}}),
         {1, 3, 4, 3, 4}},
        {"zero duration lasts one tick", Animes({{{5, 0}, {6, 0}, {kAnimeLoop, 0}}}), {6, 5, 6, 5}},
        // as the database previews fill it: frame time in tenths of a second x 6
        {"preview frames", Animes({{{0, 6}, {1, 12}, {kAnimeLoop, 0}}}),
         {0, 0, 0, 0, 0, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0, 0}},
    };
    for (const SequenceCase& c : cases) {
        cAnimeSequencer seq;
        seq.SetAnimes(c.animes);
        EXPECT_EQ(c.animes.front().front().m_Value, seq.GetValue()) << c.name;
        EXPECT_EQ(c.values, Ticks(seq, static_cast<int>(c.values.size()))) << c.name;
    }
}

TEST(AnimeSequencer, HoldRefusesAnUnforcedSwitch) {
    cAnimeSequencer seq;
    seq.SetAnimes(Animes({{{5, 2, 1}, {6, 2}, {kAnimeLoop, 0}}, {{1, 1}, {kAnimeStay, 0}}, {{2, 1}, {kAnimeStay, 0}}}));
    EXPECT_EQ(5, seq.Step());
    EXPECT_EQ(0, seq.SetAnime(2, 0));
    EXPECT_EQ(6, seq.Step());  // the animation went on
    EXPECT_EQ(1, seq.SetAnime(1, 0));  // step (6, 2) does not hold
    EXPECT_EQ(1, seq.GetValue());
    seq.SetAnime(0, 1);
    EXPECT_EQ(1, seq.SetAnime(2, 1));
    EXPECT_EQ(2, seq.GetValue());
    EXPECT_EQ(2, seq.Step());
}

TEST(AnimeSequencer, SetAnimesStartsAfreshWithCopies) {
    cVector<cVector<cAnimeStep>> animes = Animes({{{4, 1}, {8, 1}, {kAnimeLoop, 0}}, {{7, 1}, {kAnimeStay, 0}}});
    cAnimeSequencer seq;
    seq.SetAnimes(animes);
    seq.SetAnime(1, 1);
    seq.Step();
    seq.SetAnimes(animes);
    animes.At(0, kClosePost).At(0, kClosePost).m_Value = 99;
    EXPECT_EQ(0, seq.m_CurAnime);
    EXPECT_EQ(0, seq.m_CurStep);
    EXPECT_EQ(0, seq.m_Tick);
    EXPECT_EQ(4, seq.GetValue());
    EXPECT_EQ(8, seq.Step());
}

TEST(AnimeSequencer, EmptySequencerGivesZero) {
    cAnimeSequencer seq;
    EXPECT_EQ(0, seq.Step());
    EXPECT_EQ(0, seq.GetValue());
    EXPECT_EQ(1, seq.SetAnime(3, 0));
    EXPECT_EQ(0, seq.Step());
}

TEST(AnimeSequencer, JumpToAMissingAnimationIsReportedNotOverrun) {
    TestAppWindow app;
    cAnimeSequencer seq;
    seq.SetAnimes(Animes({{{5, 1}, {kAnimeJump, 4}}}));
    EXPECT_EQ(5, seq.Step());  // the checked access gives the first list's first step
    EXPECT_TRUE(app.TakeCloseRequest());
}
