#include <gtest/gtest.h>

#include <string>

#include "model/cmd_tables.h"

namespace {

TEST(CmdKindTables, EntryZeroIsEmptyAndItemKindsMirrorCharacterKinds) {
    EXPECT_EQ("", g_CmdKind[0].m_Name);
    EXPECT_EQ(0, g_CmdKind[0].m_nParams);
    EXPECT_EQ("", g_CmdKind2[0].m_Name);
    EXPECT_EQ(0, g_CmdKind2[0].m_nParams);
    // The conversions and checks treat item kind k as character kind k + 15.
    for (int k = 2; k < kCmdKind2Count; ++k) {
        SCOPED_TRACE(k);
        EXPECT_EQ(g_CmdKind[k + kCmd2Offset].m_Name, g_CmdKind2[k].m_Name);
        EXPECT_EQ(g_CmdKind[k + kCmd2Offset].m_nParams, g_CmdKind2[k].m_nParams);
    }
    EXPECT_EQ(kCmdKindCount - 1, kCmdKind2Count - 1 + kCmd2Offset);
    EXPECT_EQ(std::string("フローの変更"), g_CmdKind2[kCmd2FlowChange].m_Name);
    EXPECT_EQ(2, g_CmdKind2[kCmd2FlowChange].m_nParams);
    for (int k = 1; k < kCmdKindCount; ++k) EXPECT_FALSE(g_CmdKind[k].m_Name.empty()) << k;
}

TEST(CmdKindTables, NamedKindsAreWhereTheRecordsLookForThem) {
    struct Case {
        int kind;
        const char* name;
        int params;
    } cases[] = {
        {kCmdMoveFirst, "直線移動", 0}, {kCmdMoveLast, "移動の無効化", 0}, {kCmdShot, "ショット", 0},
        {kCmdSword, "ソード", 0}, {kCmdSummonBlock, "ブロック召喚", 0}, {kCmdSummonItem, "アイテム召喚", 0},
        {kCmdFlowOp, "フローの操作", 3}, {kCmdStageClear, "ステージクリア", 5}, {kCmdWarp, "ワープ", 0},
        {kCmdTarget, "ターゲットの設定", 10}, {kCmdStatusOp, "ステータスの操作", 18},
        {kCmdStatusOp2, "ステータスの操作2", 3}, {kCmdGetItem, "アイテムの取得", 2},
        {kCmdGraphic, "グラフィックの変更", 3}, {kCmdAnimeSet, "基本アニメセットの変更", 1},
        {kCmdAnime, "アニメの実行", 1}, {kCmdEffect, "エフェクトの実行", 8},
        {kCmdCharaEffect, "キャラエフェクトの実行", 3}, {kCmdScrEffect, "画面エフェクトの実行", 3},
        {kCmdPicture, "ピクチャーの表示", 11}, {kCmdSound, "効果音の再生", 1}, {kCmdBgm, "BGMの再生", 2},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(std::string(c.name), g_CmdKind[c.kind].m_Name) << c.kind;
        EXPECT_EQ(c.params, g_CmdKind[c.kind].m_nParams) << c.kind;
    }
    EXPECT_EQ(std::string("距離条件"), g_CondKind[kCondDistance]);
    EXPECT_EQ(std::string("ステータス条件"), g_CondKind[kCondStatus]);
    EXPECT_EQ(std::string("ステータス条件2"), g_CondKind[kCondStatus2]);
    EXPECT_EQ(std::string("ステータス条件3"), g_CondKind[kCondStatus3]);
    EXPECT_EQ(std::string("ブロックに乗っている(ブロックキャラも含む)"), g_StateCondKind[2]);
    EXPECT_EQ(std::string("システム"), g_WhoSelf3[kWhoSystem]);
    EXPECT_EQ(std::string("ステータス"), g_OperandKind[kOperandStatus]);
    EXPECT_EQ(std::string("ステータス"), g_ValueSource[kSourceStatus]);
}

TEST(OptionTables, StringTablesEndWhereTheirUsersStop) {
    struct Case {
        const char* const* table;
        int count;
    } cases[] = {
        {g_FlowIdName, 27}, {g_FlowGroupName, 27}, {g_FlowTiming, 20}, {g_KeyState, 3}, {g_KeyRule, 3},
        {g_DistAxis, 7}, {g_MoveDir, 13}, {g_ShotPattern, 6}, {g_ShotAim, 10}, {g_MessagePos, 9},
        {g_WhoSelf3, 3}, {g_WhoPlayer3, 3}, {g_ItemPaletteCommon, 1}, {g_SummonPaletteCommon, 1},
    };
    for (const Case& c : cases) EXPECT_EQ(c.count, TableCount(c.table));
    EXPECT_EQ(std::string("Z"), g_FlowIdName[26]);
    EXPECT_EQ(std::string("z"), g_FlowGroupName[26]);
}

TEST(OptionTables, ScrollStatusTableIsBuiltAtStart) {
    g_ScrollStatus[1].m_Name = "壊れた";
    g_ScrollStatus[0].m_Choices.clear();
    InitScrollStatusTable();
    EXPECT_EQ(std::string("横スクロール"), g_ScrollStatus[0].m_Name);
    EXPECT_EQ(std::string("縦スクロール"), g_ScrollStatus[1].m_Name);
    ASSERT_EQ(2u, g_ScrollStatus[0].m_Choices.size());
    EXPECT_EQ(std::string("オートスクロール"), g_ScrollStatus[0].m_Choices[1]);
}

TEST(OptionTables, StateChoicesCoverTheirValues) {
    for (const cStateEntry* t : {&g_StateFlag[0], static_cast<const cStateEntry*>(&g_ScrollStatus[0])}) {
        const int n = (t == &g_StateFlag[0]) ? kStateFlagCount : kScrollStatusCount;
        for (int i = 0; i < n; ++i) {
            SCOPED_TRACE(t[i].m_Name);
            EXPECT_EQ(t[i].m_nLast - t[i].m_nFirst + 1, static_cast<int>(t[i].m_Choices.size()));
            for (const cString& c : t[i].m_Choices) EXPECT_FALSE(c.empty());
        }
    }
    const cStateEntry& enlarge = g_StateFlag[5];
    EXPECT_EQ(std::string("巨大化"), enlarge.m_Name);
    EXPECT_EQ(1, enlarge.m_nFirst);
    EXPECT_EQ(std::string("しない"), enlarge.m_Choices[0]);
    EXPECT_EQ(std::string("×100"), enlarge.m_Choices[9]);
    EXPECT_EQ(1, enlarge.m_nExtra);
    EXPECT_EQ(std::string("ON"), g_StateFlag[0].m_Choices[0]);
    EXPECT_EQ(0, g_StateFlag[0].m_nFirst);
}

TEST(OptionTables, StatusOperandRangesHoldTheirValueRanges) {
    for (const auto* t : {&g_CharaStatus[0], &g_SystemValue[0]}) {
        const int n = (t == &g_CharaStatus[0]) ? kCharaStatusCount : kSystemValueCount;
        for (int i = 0; i < n; ++i) {
            SCOPED_TRACE(t[i].m_Name);
            EXPECT_LE(t[i].m_nOperandMin, t[i].m_nMin);
            EXPECT_GE(t[i].m_nOperandMax, t[i].m_nMax);
            EXPECT_EQ(0, t[i].m_nReserved);
        }
    }
    EXPECT_EQ(0, g_CharaStatus[1].m_nMin);
    EXPECT_EQ(-999999, g_CharaStatus[1].m_nOperandMin);
    EXPECT_EQ(-121, g_CharaStatus[7].m_nOperandMin);
}

TEST(OptionTables, ParameterRowsFollowTheirChoices) {
    struct Case {
        const cParamRow* rows;
        int rowCount;
        const char* const* choices;
    } cases[] = {
        {g_ShotPatternParam, kShotPatternParamRows, g_ShotPattern},
        {g_ShotAimParam, kShotAimParamRows, g_ShotAim},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(3 * TableCount(c.choices), c.rowCount);
        for (int i = 0; i < c.rowCount; ++i) {
            const cParamRow& r = c.rows[i];
            SCOPED_TRACE(i);
            if (r.m_Label[0] == '\0') {
                EXPECT_EQ(0, r.m_nMin);
                EXPECT_EQ(0, r.m_nMax);
                EXPECT_EQ(0, r.m_nDefault);
            } else {
                EXPECT_LE(r.m_nMin, r.m_nDefault);
                EXPECT_GE(r.m_nMax, r.m_nDefault);
            }
        }
    }
    EXPECT_EQ(999, g_ShotAimParam[3 * 5 + 1].m_nDefault);
    EXPECT_EQ(30, g_ShotPatternParam[3 * 2].m_nDefault);
}

}  // namespace
