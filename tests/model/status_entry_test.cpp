// The status entry an owner's item takes its operand range and percent
// choice from: the system's values have entries of their own.
#include <gtest/gtest.h>

#include "model/cmd_tables.h"

namespace {

TEST(StatusEntryOf, SystemValuesHaveTheirOwnEntries) {
    struct Case {
        int who, item;
        const cStatusEntry* entry;
        int operandMin, operandMax;
    } cases[] = {
        {0, 0, &g_CharaStatus[0], -999999, 999999},
        {1, 6, &g_CharaStatus[6], -8, 8},
        {0, 14, &g_CharaStatus[14], -999999, 999999},
        {kWhoSystem, 0, &g_SystemValue[0], -999, 999},
        {kWhoSystem, 1, &g_SystemValue[1], -480, 480},
        {kWhoSystem, 2, &g_SystemValue[2], -480, 480},
        {kWhoSystem, 4, &g_SystemValue[4], -99, 99},
        // outside the tables
        {0, -1, nullptr, 0, 0},
        {1, kCharaStatusCount, nullptr, 0, 0},
        {kWhoSystem, kSystemValueCount, nullptr, 0, 0},
        {kWhoSystem, 6, nullptr, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.who * 100 + c.item);
        const cStatusEntry* e = StatusEntryOf(c.who, c.item);
        EXPECT_EQ(c.entry, e);
        if (!e) continue;
        EXPECT_EQ(c.operandMin, e->m_nOperandMin);
        EXPECT_EQ(c.operandMax, e->m_nOperandMax);
    }
}

// The page names of the option tables are the tables themselves.
TEST(StatusEntryOf, PageTableNames) {
    EXPECT_STREQ("変数", g_StatusSideName[1]);
    EXPECT_STREQ("システム", g_StatusOwnerName[2]);
    EXPECT_STREQ("ステージ変数", g_VarScopeName[1]);
    EXPECT_STREQ("変数", g_ValueSourceName[3]);
    EXPECT_STREQ("現在値に対する％で指定", g_PercentModeName[2]);
    EXPECT_STREQ("ステージパレット", g_ItemGetPaletteAll[1]);
    EXPECT_STREQ("", g_ItemGetPaletteCommon[1]);
}

}  // namespace
