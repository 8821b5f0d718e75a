// The row texts of every record list, one record at a time, against the
// exact text the list shows (before any row number), and the declarations
// the owners take: ids, counts and options of each list.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "cmdedit/cmd_summary.h"
#include "model/cmd_tables.h"
#include "objedit/obj_lists.h"
#include "projedit/proj_lists.h"

namespace {

template <class T, class F>
std::string Row(F fn, const T& record) {
    cString out = "stale";
    fn(&out, 0, &record);
    return out;
}

cEdKeyCond KeyCond(int min, int max, int noMax, int rule, std::vector<int> pressed) {
    cEdKeyCond k;
    k.m_nPressMin = static_cast<int16_t>(min);
    k.m_nPressMax = static_cast<int16_t>(max);
    k.m_bNoMax = static_cast<int8_t>(noMax);
    k.m_nRule = static_cast<int8_t>(rule);
    k.m_bbKeys.assign(kKeyStateCount, 0);
    for (int i : pressed) k.m_bbKeys[i] = 1;
    return k;
}

cEdCommand Command(int set, int kind) {
    cEdCommand c;
    c.m_nCmdSet = static_cast<int8_t>(set);
    c.m_nKind = static_cast<int8_t>(kind);
    return c;
}

struct RowCase {
    const char* what;
    std::function<std::string()> row;
    std::string expected;
};

TEST(ListRows, EveryListShowsItsRecordsExactly) {
    cEdAnimeSet set;
    set.m_Name = "歩き";
    cEdAnime anime;
    anime.m_Name = "立ち";
    anime.m_Frames.resize(3);
    cEdAnimeFrame run;
    run.m_Cell = 2;
    run.m_Time = 10;
    run.m_RunCommand = 1;
    cEdAnimeFrame plain = run;
    plain.m_RunCommand = 0;
    cEdEffectFrame effect;
    effect.m_Cell = 4;
    effect.m_Time = 6;
    cEdSwordPos pos;
    pos.m_Direction = 2;
    pos.m_OffsetX = -3;
    pos.m_OffsetY = 5;
    pos.m_Width = 16;
    pos.m_Height = 8;
    pos.m_Time = 12;
    cEdSwordPos odd = pos;
    odd.m_Direction = 9;  // outside the table: no name
    cEdFlow flow;
    flow.m_Commands.resize(2);
    flow.m_nGroup = 1;
    flow.m_nId = 26;
    cEdWorldEvent event;
    event.m_Name = "村";
    cEdEventPage page;
    page.m_WorldNo = 3;
    cEdBackLayer colour;
    colour.m_bShowFirst = 1;
    colour.m_bUseColour = 1;
    colour.m_Colour = 20;
    cEdBackLayer picture;
    picture.m_bShowFirst = 0;
    picture.m_bUseColour = 0;
    picture.m_Image = "bmp\\back\\sky.bmp";
    cString file = "bmp\\a.bmp";
    // key states: 0 方n, 1 ←, 11 Z, 12 X, 18 F
    const cEdKeyCond zx = KeyCond(1, 10, 0, 0, {11, 12});
    const cEdKeyCond leftF = KeyCond(0, 5, 0, 1, {1, 18});
    const cEdKeyCond neutral = KeyCond(3, 4, 0, 2, {0});
    const cEdKeyCond endless = KeyCond(1, 10, 1, 0, {});
    cEdKeyCond shortKeys = KeyCond(2, 2, 0, 0, {});
    shortKeys.m_bbKeys.assign(12, 1);  // a file with fewer states: the ones it has
    const cEdCommand chara1 = Command(0, 2);
    const cEdCommand item1 = Command(1, 2);

    const RowCase cases[] = {
        {"database table: the name", [&] { return Row(DbNameRowText<cEdAnimeSet>, set); }, "歩き"},
        {"anime slot: name and frame count", [&] { return Row(AnimeSlotRowText, anime); }, "立ち ×3"},
        {"anime frame running the command", [&] { return Row(AnimeFrameRowText, run); }, "実行 2-10"},
        {"anime frame", [&] { return Row(AnimeFrameRowText, plain); }, "2-10"},
        {"effect frame", [&] { return Row(EffectFrameRowText, effect); }, "4-6"},
        {"sword position", [&] { return Row(SwordPosRowText, pos); }, "上(-3,5) 横16 縦8 時間12"},
        {"sword position of no known order", [&] { return Row(SwordPosRowText, odd); }, "(-3,5) 横16 縦8 時間12"},
        {"flow: commands, group, ID", [&] { return Row(FlowRowText, flow); }, "×2 a Z"},
        {"default flow", [&] { return Row(FlowRowText, cEdFlow()); }, "×0 - -"},
        {"key condition: range and keys joined by +", [&] { return Row(KeyCondRowText, zx); },
         "1～10 ： Z + X "},
        {"key condition joined by ･", [&] { return Row(KeyCondRowText, leftF); }, "0～5 ： ← ･ F "},
        {"key condition with one key", [&] { return Row(KeyCondRowText, neutral); }, "3～4 ： 方n "},
        {"key condition 1～∞ without keys", [&] { return Row(KeyCondRowText, endless); }, "1～∞ ： "},
        {"key condition with fewer states", [&] { return Row(KeyCondRowText, shortKeys); },
         "2～2 ： 方n + ← + → + ↑ + ↓ + ←↑ + ←↓ + →↑ + →↓ + 方向 + アn + Z "},
        {"character command: the character table", [&] { return Row(FlowCmdRowText, chara1); },
         std::string(CmdSummaryText(chara1))},
        {"item effect command: the item table", [&] { return Row(ItemCmdRowText, item1); },
         std::string(CmdSummaryText(item1))},
        {"command kind without a summary", [&] { return Row(FlowCmdRowText, Command(0, 0)); }, ""},
        {"command kind outside the table", [&] { return Row(ItemCmdRowText, Command(1, 60)); }, ""},
        {"event palette: the name", [&] { return Row(WorldEventRowText, event); }, "村"},
        {"event page: the world number", [&] { return Row(EventPageRowText, page); }, "ワールド番号 3"},
        {"background layer of a colour, shown", [&] { return Row(BackLayerRowText, colour); }, "○ 色番号20"},
        {"background layer of a picture, hidden", [&] { return Row(BackLayerRowText, picture); },
         "‐ bmp\\back\\sky.bmp"},
        {"file name", [&] { return Row(FileNameRowText, file); }, "bmp\\a.bmp"},
    };
    for (const RowCase& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(c.expected, c.row());
    }
    EXPECT_NE("", Row(ItemCmdRowText, item1));
}

struct DeclCase {
    const char* what;
    std::function<void(int*)> declare;  // fills: id, multi, numbered, min, max, hidden, separator, empty
    std::vector<int> expected;
};

template <class T>
void Fields(const cCtrlListParam<T>& p, int* out) {
    const int v[] = {p.m_nId, p.m_bMulti, p.m_bNumbered, p.m_nMinCount, p.m_nMaxCount, p.m_nHidden, p.m_bSeparator,
                     p.m_bAllowEmpty};
    for (int i = 0; i < 8; ++i) out[i] = v[i];
}

TEST(ListRows, DeclarationsOfEachList) {
    cVector<cEdAnimeSet> sets, setWork;
    cEdAnimeSet setEdit;
    cVector<cEdAnime> slots;
    cVector<cEdAnimeFrame> frames, frameWork;
    cEdAnimeFrame frameEdit;
    cVector<cEdEffectFrame> effectFrames;
    cVector<cEdSwordPos> positions;
    cVector<cEdCond> conds;
    cVector<cEdFlow> flows, flowWork;
    cEdFlow flowEdit;
    cVector<cEdKeyCond> keys;
    cVector<cEdCommand> cmds;
    cVector<cEdWorldEvent> events;
    cVector<cEdEventPage> pages, pageWork;
    cEdEventPage pageEdit;
    cVector<cEdBackLayer> layers, layerWork;
    cVector<cString> names;
    auto condText = [](cString* out, int, const cEdCond*) { *out = "c"; };
    const DeclCase cases[] = {
        {"anime set table (nothing hidden)",
         [&](int* f) {
             cCtrlListParam<cEdAnimeSet> p;
             DeclareDbTableList(p, 1159, &sets, &setWork, &setEdit, 999, 0);
             EXPECT_EQ(&sets, p.m_lpSource);
             EXPECT_EQ(&setEdit, p.m_lpEditBuf);
             Fields(p, f);
         },
         {1159, 1, 1, 1, 999, 0, 1, 0}},
        {"anime slots",
         [&](int* f) {
             cCtrlListParam<cEdAnime> p;
             DeclareAnimeSlotList(p, &slots);
             EXPECT_EQ(nullptr, p.m_lpSource);
             Fields(p, f);
         },
         {1160, 0, 0, 4, 4, 0, 0, 0}},
        {"anime frames",
         [&](int* f) {
             cCtrlListParam<cEdAnimeFrame> p;
             DeclareAnimeFrameList(p, &frames, &frameWork, &frameEdit);
             Fields(p, f);
         },
         {1206, 1, 0, 1, 99, 0, 1, 0}},
        {"effect frames",
         [&](int* f) {
             cCtrlListParam<cEdEffectFrame> p;
             DeclareEffectFrameList(p, &effectFrames);
             Fields(p, f);
         },
         {1206, 1, 0, 1, 99, 0, 1, 0}},
        {"sword positions",
         [&](int* f) {
             cCtrlListParam<cEdSwordPos> p;
             DeclareSwordPosList(p, &positions);
             Fields(p, f);
         },
         {1215, 1, 0, 1, 99, 0, 1, 0}},
        {"appearance conditions",
         [&](int* f) {
             cCtrlListParam<cEdCond> p;
             DeclareAppearCondList(p, &conds, condText);
             EXPECT_EQ(&conds, p.m_lpWork);
             Fields(p, f);
         },
         {1044, 1, 0, 0, 99, 0, 1, 0}},
        {"flows",
         [&](int* f) {
             cCtrlListParam<cEdFlow> p;
             DeclareFlowList(p, &flows, &flowWork, &flowEdit);
             Fields(p, f);
         },
         {1082, 1, 1, 1, 999, 0, 1, 0}},
        {"basic conditions",
         [&](int* f) {
             cCtrlListParam<cEdCond> p;
             DeclareFlowCondList(p, &conds, condText);
             Fields(p, f);
         },
         {1086, 1, 0, 0, 99, 0, 1, 0}},
        {"key conditions",
         [&](int* f) {
             cCtrlListParam<cEdKeyCond> p;
             DeclareKeyCondList(p, &keys);
             Fields(p, f);
         },
         {1094, 1, 0, 0, 99, 0, 1, 0}},
        {"commands",
         [&](int* f) {
             cCtrlListParam<cEdCommand> p;
             DeclareFlowCmdList(p, &cmds);
             Fields(p, f);
         },
         {1095, 1, 0, 0, 999, 0, 1, 0}},
        {"item effect commands",
         [&](int* f) {
             cCtrlListParam<cEdCommand> p;
             DeclareItemCmdList(p, &cmds);
             Fields(p, f);
         },
         {1095, 1, 0, 0, 999, 0, 1, 0}},
        {"event palette",
         [&](int* f) {
             cCtrlListParam<cEdWorldEvent> p;
             DeclareEventPaletteList(p, &events);
             EXPECT_EQ(nullptr, p.m_lpSource) << "the world map is edited in place";
             Fields(p, f);
         },
         {1241, 1, 1, 1, 99, 0, 1, 0}},
        {"event pages",
         [&](int* f) {
             cCtrlListParam<cEdEventPage> p;
             DeclareEventPageList(p, &pages, &pageWork, &pageEdit);
             Fields(p, f);
         },
         {1254, 1, 1, 1, 99, 0, 1, 0}},
        {"background layers",
         [&](int* f) {
             cCtrlListParam<cEdBackLayer> p;
             DeclareBackLayerList(p, &layers, &layerWork);
             EXPECT_EQ(nullptr, p.m_lpEditBuf);
             Fields(p, f);
         },
         {1222, 1, 1, 0, 8, 0, 1, 0}},
        {"file names",
         [&](int* f) {
             cCtrlListParam<cString> p;
             DeclareFileNameList(p, &names);
             Fields(p, f);
         },
         {1328, 0, 0, 0, 1000, 0, 1, 0}},
    };
    for (const DeclCase& c : cases) {
        SCOPED_TRACE(c.what);
        int f[8] = {};
        c.declare(f);
        EXPECT_EQ(c.expected, std::vector<int>(f, f + 8));
    }
}

}  // namespace
