#include <gtest/gtest.h>

#include <string>

#include "model/effect_tables.h"

namespace {

struct cFamilyCase {
    const char* name;
    eEffectFamily family;
    const cString* kinds;
    const EffectParamInfo* params;
    int kindCount;
    int paramRows;
};

const cFamilyCase kFamilies[] = {
    {"chara", kCharaEffectFamily, g_CharaEffectKind, g_CharaEffectParam, 16,
     static_cast<int>(sizeof g_CharaEffectParam / sizeof g_CharaEffectParam[0])},
    {"screen", kScrEffectFamily, g_ScrEffectKind, g_ScrEffectParam, 13,
     static_cast<int>(sizeof g_ScrEffectParam / sizeof g_ScrEffectParam[0])},
};

void ExpectUnused(const EffectParamInfo& row) {
    EXPECT_TRUE(row.m_Label.empty());
    EXPECT_EQ(0, row.m_Min);
    EXPECT_EQ(0, row.m_Max);
    EXPECT_EQ(0, row.m_Default);
}

}  // namespace

// The shape every page and every stored kind relies on: one name per kind
// ended by "", one group of five rows per kind with kind 0 unused, and rows
// whose defaults lie in their ranges.
TEST(EffectTables, ShapeOfBothFamilies) {
    for (const cFamilyCase& c : kFamilies) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.kindCount, EffectKindCount(c.family));
        EXPECT_EQ((c.kindCount + 1) * 5, c.paramRows);
        for (int k = 0; k < c.kindCount; ++k) EXPECT_FALSE(c.kinds[k].empty()) << k;
        EXPECT_TRUE(c.kinds[c.kindCount].empty());

        for (int slot = 1; slot <= 5; ++slot) ExpectUnused(EffectParamRow(c.family, 0, slot));
        for (int kind = 1; kind <= c.kindCount; ++kind) {
            SCOPED_TRACE(kind);
            EXPECT_EQ(&c.kinds[kind - 1], &EffectKindName(c.family, kind));
            // every kind runs for a time in slot 1
            const EffectParamInfo& time = EffectParamRow(c.family, kind, 1);
            EXPECT_EQ("実行時間(1/10s)", time.m_Label);
            EXPECT_EQ(1, time.m_Min);
            EXPECT_EQ(9999, time.m_Max);
            for (int slot = 1; slot <= 5; ++slot) {
                const EffectParamInfo& row = EffectParamRow(c.family, kind, slot);
                EXPECT_EQ(&c.params[5 * kind + slot - 1], &row);
                if (row.m_Label.empty()) {
                    ExpectUnused(row);
                } else {
                    EXPECT_LE(row.m_Min, row.m_Max);
                    EXPECT_GE(row.m_Default, row.m_Min) << slot;
                    EXPECT_LE(row.m_Default, row.m_Max) << slot;
                }
            }
        }
    }
}

TEST(EffectTables, KindsOutsideTheTableHaveNoNameAndNoParameters) {
    const int badKinds[] = {-1, -100000, 17, 14, 1 << 30};
    for (const cFamilyCase& c : kFamilies) {
        for (int kind : badKinds) {
            if (kind > 0 && kind <= c.kindCount) continue;
            SCOPED_TRACE(std::string(c.name) + " " + std::to_string(kind));
            EXPECT_TRUE(EffectKindName(c.family, kind).empty());
            for (int slot = 1; slot <= 5; ++slot) ExpectUnused(EffectParamRow(c.family, kind, slot));
        }
        EXPECT_TRUE(EffectKindName(c.family, 0).empty());
        ExpectUnused(EffectParamRow(c.family, 1, 0));
        ExpectUnused(EffectParamRow(c.family, 1, 6));
    }
}

TEST(EffectTables, FamiliesShareNamesNotNumbers) {
    EXPECT_EQ("分割（横）", EffectKindName(kCharaEffectFamily, 2));
    EXPECT_EQ("分割（横）", EffectKindName(kScrEffectFamily, 4));
    EXPECT_EQ(16, EffectParamRow(kCharaEffectFamily, 2, 4).m_Max);
    EXPECT_EQ(240, EffectParamRow(kScrEffectFamily, 4, 4).m_Max);
    // the screen wave across the height names its slots by position
    EXPECT_EQ("開始幅(dot)", EffectParamRow(kScrEffectFamily, 6, 2).m_Label);
    EXPECT_EQ("開始位置(dot)", EffectParamRow(kScrEffectFamily, 7, 2).m_Label);
    EXPECT_EQ("終了位置(dot)", EffectParamRow(kScrEffectFamily, 7, 3).m_Label);
    // the colour change takes a palette index in slot 4
    const EffectParamInfo& colour = EffectParamRow(kCharaEffectFamily, 13, 4);
    EXPECT_EQ("色", colour.m_Label);
    EXPECT_EQ(16, colour.m_Min);
    EXPECT_EQ(207, colour.m_Max);
    // blur: start strength only 1, end strength 1..4
    EXPECT_EQ(1, EffectParamRow(kCharaEffectFamily, 16, 2).m_Min);
    EXPECT_EQ(1, EffectParamRow(kCharaEffectFamily, 16, 2).m_Max);
    EXPECT_EQ(4, EffectParamRow(kCharaEffectFamily, 16, 3).m_Max);
}

TEST(EffectTables, ChoosingAKindSetsEveryParameterToItsDefaults) {
    struct Case {
        eEffectFamily family;
        int kind;
        int32_t expected[5];
    } cases[] = {
        {kCharaEffectFamily, 12, {10, 100, 5, 0, 0}},
        {kCharaEffectFamily, 1, {5, 0, 32, 0, 0}},   // unused slots 4 and 5 are set too
        {kCharaEffectFamily, 14, {10, 9999, 0, 0, 0}},
        {kScrEffectFamily, 1, {10, 0, 0, 640, 0}},
        {kScrEffectFamily, 12, {10, 1500, 5, 0, 0}},
        {kScrEffectFamily, 99, {0, 0, 0, 0, 0}},     // no such kind: nothing to default to
        {kCharaEffectFamily, -3, {0, 0, 0, 0, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.kind);
        int32_t params[5] = {7, 7, 7, 7, 7};
        SetEffectKindDefaults(c.family, c.kind, params);
        for (int i = 0; i < 5; ++i) EXPECT_EQ(c.expected[i], params[i]) << i;
    }
}
