// The one-line texts of the flows page's lists and of every condition list:
// each condition kind, key conditions and flows, as tables against the exact
// texts, including indexes that name nothing.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "app/services.h"
#include "model/stage.h"
#include "objedit/cond_base.h"
#include "objedit/flowpage.h"
#include "objedit/keycond.h"

namespace {

// A definition sheet only has to be there for the subject names; the texts
// never look into it.
cPropSheet* const kSomeSheet = reinterpret_cast<cPropSheet*>(16);

cEdCond Cond(int kind) {
    cEdCond c;
    c.m_nKind = static_cast<int8_t>(kind);
    return c;
}

class CondText : public testing::Test {
protected:
    void SetUp() override {
        g_GValInfo.clear();
        g_GValInfo.resize(5);
        g_GValInfo[3].m_Name = "Key";
        g_Stage.m_Vars.clear();
        g_Stage.m_Vars.resize(5);
        g_Stage.m_Vars[2].m_Name = "Door";
        g_StageEdit.g_CharaSheet = kSomeSheet;
        g_StageEdit.g_BlockSheet = nullptr;
        g_StageEdit.g_ItemSheet = nullptr;
    }
    void TearDown() override {
        g_StageEdit.g_CharaSheet = nullptr;
        g_StageEdit.g_BlockSheet = nullptr;
    }
    static std::string Text(const cEdCond& c) {
        cString out = "stale";
        CondRowText(&out, 0, &c);
        return out.c_str();
    }
};

TEST_F(CondText, EveryKind) {
    struct Case {
        const char* what;
        cEdCond cond;
        const char* text;
    };
    auto make = [](int kind, auto fill) {
        cEdCond c = Cond(kind);
        fill(c);
        return c;
    };
    const Case cases[] = {
        {"none", Cond(0), ""},
        {"common variable",
         make(1, [](cEdCond& c) { c.m_nVar = 3; c.m_nValue = 1; }),
         "コモン変数条件 ： 「003 Key」 が 1 である"},
        {"stage variable",
         make(2, [](cEdCond& c) { c.m_nVar = 2; c.m_nValue = -5; c.m_nCompare = 2; }),
         "ステージ変数条件 ： 「002 Door」 が -5 以上"},
        {"character variable",
         make(3, [](cEdCond& c) { c.m_nVar = 4; c.m_nValue = 7; c.m_nCompare = 1; }),
         "キャラ変数条件 ： キャラ変数 「4 キャラ変数-4」が 7 でない"},
        {"status against a percentage",
         make(4, [](cEdCond& c) { c.m_nItem = 1; c.m_nValue = 50; c.m_bPercent = 1; c.m_nCompare = 3; }),
         "ステータス条件 ： 自分 の HP が 50% 以下"},
        {"character variable of the target against a random range",
         make(4, [](cEdCond& c) {
             c.m_nWho = 1; c.m_nVar = 2; c.m_nRightSource = 1; c.m_nRandMin = 1; c.m_nRandMax = 6;
         }),
         "ステータス条件 ： ターゲット の 「2 キャラ変数-2」 が 1～6 である"},
        {"system value against a status",
         make(4, [](cEdCond& c) {
             c.m_nWho = 2; c.m_nItem = 3; c.m_nRightSource = 2; c.m_nRightItem = 14; c.m_nCompare = 4;
         }),
         "ステータス条件 ： スコア が 自分 の 獲得スコア より上"},
        {"status against a character variable and the system",
         make(4, [](cEdCond& c) {
             c.m_nItem = 6; c.m_nRightSource = 2; c.m_nRightWho = 1; c.m_nRightVar = 8;
         }),
         "ステータス条件 ： 自分 の Z座標 が ターゲット の 「8 キャラ変数-8」 である"},
        {"status against the system",
         make(4, [](cEdCond& c) { c.m_nItem = 9; c.m_nRightSource = 2; c.m_nRightWho = 2; c.m_nRightItem = 0; }),
         "ステータス条件 ： 自分 の 体当たりの威力 が 時間 である"},
        {"common variable against a stage variable",
         make(4, [](cEdCond& c) {
             c.m_nLeftKind = 1; c.m_nVar = 3; c.m_nRightSource = 3; c.m_nRightScope = 1; c.m_nRightVar = 2;
             c.m_nCompare = 5;
         }),
         "ステータス条件 ： 「003 Key」が 「002 Door」 より下"},
        {"state flag, first choice above 0",
         make(5, [](cEdCond& c) { c.m_nItem = 5; c.m_nVar = 10; }),
         "ステータス条件2 ： 自分 の 巨大化 が ×100 である"},
        {"state flag, its first choice",
         make(5, [](cEdCond& c) { c.m_nWho = 1; c.m_nItem = 5; c.m_nVar = 1; }),
         "ステータス条件2 ： ターゲット の 巨大化 が しない である"},
        {"scroll of the system",
         make(5, [](cEdCond& c) { c.m_nWho = 2; c.m_nItem = 1; c.m_nVar = 1; c.m_nCompare = 1; }),
         "ステータス条件2 ： 縦スクロール が オートスクロール でない"},
        {"character state",
         make(6, [](cEdCond& c) { c.m_nWho = 1; c.m_nItem = 2; c.m_nCompare = 1; }),
         "ステータス条件3 ： ターゲット が ブロックに乗っている(ブロックキャラも含む) でないなら"},
        {"distance",
         make(7, [](cEdCond& c) { c.m_nAxis = 6; c.m_nValue = 10; }),
         "距離条件 ： 円 10 以内"},
        {"distance outside",
         make(7, [](cEdCond& c) { c.m_nAxis = 4; c.m_nValue = 3; c.m_nCompare = 1; }),
         "距離条件 ： 前Y 3 外"},
        // indexes that name nothing leave their names empty
        {"common variable past the table",
         make(1, [](cEdCond& c) { c.m_nVar = 300; c.m_nCompare = 9; }),
         "コモン変数条件 ： 「300 」 が 0 "},
        {"status item past the table",
         make(4, [](cEdCond& c) { c.m_nWho = 2; c.m_nItem = 9; }),
         "ステータス条件 ：  が 0 である"},
        {"state choice below the first",
         make(5, [](cEdCond& c) { c.m_nItem = 5; c.m_nVar = 0; }),
         "ステータス条件2 ： 自分 の 巨大化 が  である"},
        {"kind past the table", Cond(9), ""},
    };
    for (const Case& c : cases) EXPECT_EQ(c.text, Text(c.cond)) << c.what;
}

// The subjects follow the open sheet: the player for a block sheet, the
// character for a character sheet, none without a sheet.
TEST_F(CondText, SubjectsFollowTheOpenSheet) {
    cEdCond c = Cond(6);
    c.m_nItem = 0;
    struct Case {
        cPropSheet* block;
        cPropSheet* chara;
        const char* text;
    } cases[] = {
        {nullptr, kSomeSheet, "ステータス条件3 ： 自分 が 左向き なら"},
        {kSomeSheet, nullptr, "ステータス条件3 ： 主人公 が 左向き なら"},
        {nullptr, nullptr, "ステータス条件3 ：  が 左向き なら"},
    };
    for (const Case& k : cases) {
        g_StageEdit.g_BlockSheet = k.block;
        g_StageEdit.g_CharaSheet = k.chara;
        EXPECT_EQ(k.text, Text(c));
    }
}

TEST(KeyCondText, PressTimesKeysAndRules) {
    struct Case {
        int min, max, noMax, rule;
        std::vector<int> pressed;
        std::vector<int> released;
        const char* text;
    } cases[] = {
        {1, 10, 0, 0, {2, 11}, {}, "1～10 ： → + Z "},
        {1, 1, 0, 1, {0, 10}, {}, "1～1 ： 方n ･ アn "},
        {5, 30, 0, 2, {5, 9, 18}, {1}, "5～30 ： ←↑ / 方向 / F "},
        {3, 5, 0, 0, {}, {1, 2, 12}, "3～5 ： "},
        {3, 5, 1, 0, {}, {}, "1～∞ ： "},
        {3, 5, 1, 0, {17}, {}, "1～∞ ： D "},
    };
    for (const Case& c : cases) {
        cEdKeyCond k;
        k.m_nPressMin = static_cast<int16_t>(c.min);
        k.m_nPressMax = static_cast<int16_t>(c.max);
        k.m_bNoMax = static_cast<int8_t>(c.noMax);
        k.m_nRule = static_cast<int8_t>(c.rule);
        k.m_bbKeys.resize(19, 0);
        for (int i : c.pressed) k.m_bbKeys[i] = 1;
        for (int i : c.released) k.m_bbKeys[i] = 2;
        cString out = "stale";
        KeyCondRowText(&out, 0, &k);
        EXPECT_EQ(c.text, std::string(out.c_str())) << c.text;
    }
    // a record read with fewer key states than there are keys
    cEdKeyCond shortKeys;
    shortKeys.m_nPressMin = 1;
    shortKeys.m_nPressMax = 2;
    shortKeys.m_bbKeys.assign(3, 1);
    cString out;
    KeyCondRowText(&out, 0, &shortKeys);
    EXPECT_EQ("1～2 ： 方n + ← + → ", std::string(out.c_str()));
}

TEST(FlowText, CommandCountGroupAndId) {
    struct Case {
        int commands, group, id;
        const char* text;
    } cases[] = {
        {0, 0, 0, "×0 - -"},
        {3, 0, 1, "×3 - A"},
        {12, 26, 26, "×12 z Z"},
        {1, 40, -1, "×1  "},
    };
    for (const Case& c : cases) {
        cEdFlow f;
        f.m_Commands.resize(c.commands);
        f.m_nGroup = static_cast<int8_t>(c.group);
        f.m_nId = static_cast<int8_t>(c.id);
        cString out;
        FlowRowText(&out, 0, &f);
        EXPECT_EQ(c.text, std::string(out.c_str())) << c.text;
    }
}

}  // namespace
