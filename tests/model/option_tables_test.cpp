// Every option table that the command and condition pages, the summaries
// and the effect pages show, entry by entry: the names users read, the
// ranges and defaults the pages take.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/cmd_tables.h"
#include "model/effect_tables.h"

namespace {

struct cChoiceTable {
    const char* name;
    const char* const* table;
    std::vector<std::string> entries;
};

const cChoiceTable kChoiceTables[] = {
    {"g_WhoSelf2", g_WhoSelf2, {"自分", "ターゲット"}},
    {"g_WhoSelf3", g_WhoSelf3, {"自分", "ターゲット", "システム"}},
    {"g_WhoPlayer2", g_WhoPlayer2, {"主人公", "ターゲット"}},
    {"g_WhoPlayer3", g_WhoPlayer3, {"主人公", "ターゲット", "システム"}},
    {"g_OperandKind", g_OperandKind, {"ステータス", "変数"}},
    {"g_ValueSource", g_ValueSource, {"定数", "乱数", "ステータス", "変数"}},
    {"g_VarScope", g_VarScope, {"コモン変数", "ステージ変数"}},
    {"g_CalcMode", g_CalcMode, {"通常の計算", "最大値に対する％で指定", "現在値に対する％で指定"}},
    {"g_OnOnly", g_OnOnly, {"ON"}},
    {"g_FlowOp", g_FlowOp, {"開始", "終了", "一時停止", "再開", "削除", "永久停止"}},
    {"g_FlowOpTarget", g_FlowOpTarget, {"このフロー", "このフロー以外全て", "IDで指定"}},
    {"g_StageClearMode", g_StageClearMode, {"次のステージへ", "番号で指定", "ワールドクリア"}},
    {"g_MessagePos", g_MessagePos, {"画面中央に表示", "自分の上に表示", "自分の下に表示", "自分の中心に表示", "主人公の上に表示", "主人公の下に表示", "主人公の中心に表示", "画面座標で指定", "ステージ座標で指定"}},
    {"g_MessageDuration", g_MessageDuration, {"進行キーが押されるまで表示", "ステージ終了まで表示", "時間で指定"}},
    {"g_TargetSelect", g_TargetSelect, {"主人公", "自分", "最も近いキャラ", "キャラ(キャラIDで指定)"}},
    {"g_TargetRange", g_TargetRange, {"全範囲（画面内のキャラ優先）", "全範囲", "画面内のみ"}},
    {"g_ItemPalette", g_ItemPalette, {"コモンパレット", "ステージパレット"}},
    {"g_ItemPaletteCommon", g_ItemPaletteCommon, {"コモンパレット"}},
    {"g_PicturePos", g_PicturePos, {"画面中央に表示", "キャラの中心に表示", "主人公の中心に表示", "画面座標で指定", "ステージ座標で指定"}},
    {"g_PictureDuration", g_PictureDuration, {"進行キーが押されるまで表示", "ステージ終了まで表示", "時間で指定"}},
    {"g_ExecMode", g_ExecMode, {"通常実行", "反転実行", "往復実行"}},
    {"g_ShowMode", g_ShowMode, {"表示", "非表示", "反転(表示⇔非表示)"}},
};

struct cStatusRow {
    const char* name;
    int32_t min, max, operandMin, operandMax, reserved, percentCond, percentOp;
};
const cStatusRow kCharaStatusRows[] = {
    {"キャラ変数", -999999, 999999, -999999, 999999, 0, 0, 1},
    {"HP", 0, 999999, -999999, 999999, 0, 1, 1},
    {"SP", 0, 999999, -999999, 999999, 0, 1, 1},
    {"最大HP", 0, 999999, -999999, 999999, 0, 0, 1},
    {"最大SP", 0, 999999, -999999, 999999, 0, 0, 1},
    {"キャラID", 0, 99, -99, 99, 0, 0, 0},
    {"Z座標", 0, 8, -8, 8, 0, 0, 0},
    {"マーク番号", 0, 119, -121, 119, 0, 0, 0},
    {"視界範囲(hbl)", 0, 40, -40, 40, 0, 0, 1},
    {"体当たりの威力", -999999, 999999, -999999, 999999, 0, 0, 1},
    {"体当たりの衝撃", -20, 20, -20, 20, 0, 0, 1},
    {"防御力", 0, 999999, -999999, 999999, 0, 0, 1},
    {"衝撃耐性", 0, 20, -20, 20, 0, 0, 1},
    {"止まりやすさ", 0, 200, -200, 200, 0, 0, 1},
    {"獲得スコア", -999999, 999999, -999999, 999999, 0, 0, 1},
};
const cStatusRow kSystemValueRows[] = {
    {"時間", 0, 999, -999, 999, 0, 0, 1},
    {"横スクロール速度", -480, 480, -480, 480, 0, 0, 1},
    {"縦スクロール速度", -480, 480, -480, 480, 0, 0, 1},
    {"スコア", 0, 999999, -999999, 999999, 0, 0, 1},
    {"残り人数", 0, 99, -99, 99, 0, 0, 1},
};

struct cStateRow {
    const char* name;
    int32_t first, last;
    std::vector<std::string> choices;
    int32_t extra;
};
const cStateRow kStateFlagRows[] = {
    {"消滅", 0, 0, {"ON"}, 0},
    {"透明", 0, 1, {"OFF", "ON"}, 0},
    {"向き固定", 0, 1, {"OFF", "ON"}, 0},
    {"飛行", 0, 3, {"OFF", "ON (ブロックをすり抜ける)", "ON (ブロックに当たる)", "ON (ブロックに当たると即死)"}, 0},
    {"無敵", 0, 2, {"OFF", "ON (ショットが当たる)", "ON (ショットがすり抜ける)"}, 0},
    {"巨大化", 1, 10, {"しない", "×4", "×9", "×16", "×25", "×36", "×49", "×64", "×81", "×100"}, 1},
    {"オートスクロールとシンクロ", 0, 1, {"OFF", "ON"}, 0},
};
const cStateRow kScrollStatusRows[] = {
    {"横スクロール", 0, 1, {"主人公の位置に合わせてスクロール", "オートスクロール"}, 0},
    {"縦スクロール", 0, 1, {"主人公の位置に合わせてスクロール", "オートスクロール"}, 0},
};

struct cKindRow {
    const char* name;
    int32_t params;
};
const cKindRow kCmdKindRows[] = {
    {"", 0},
    {"ウエイト", 0},
    {"直線移動", 0},
    {"地上折り返し移動", 0},
    {"円移動", 0},
    {"突撃移動", 0},
    {"誘導移動", 0},
    {"画面外回避移動", 0},
    {"移動の無効化", 0},
    {"向き変更", 1},
    {"ジャンプ", 5},
    {"ショット", 0},
    {"ソード", 0},
    {"ブロック召喚", 0},
    {"キャラ召喚", 0},
    {"アイテム召喚", 0},
    {"フローの操作", 3},
    {"ステージクリア", 5},
    {"ゲームウエイト", 1},
    {"メッセージ", 10},
    {"ワープ", 0},
    {"ターゲットの設定", 10},
    {"ステータスの操作", 18},
    {"ステータスの操作2", 3},
    {"アイテムの取得", 2},
    {"グラフィックの変更", 3},
    {"基本アニメセットの変更", 1},
    {"アニメの実行", 1},
    {"エフェクトの実行", 8},
    {"キャラエフェクトの実行", 3},
    {"画面エフェクトの実行", 3},
    {"ピクチャーの表示", 11},
    {"画面の色を変更", 8},
    {"背景の変更", 2},
    {"効果音の再生", 1},
    {"BGMの再生", 2},
    {"コードの実行", 0},
};
const cKindRow kCmdKind2Rows[] = {
    {"", 0},
    {"フローの変更", 2},
    {"ステージクリア", 5},
    {"ゲームウエイト", 1},
    {"メッセージ", 10},
    {"ワープ", 0},
    {"ターゲットの設定", 10},
    {"ステータスの操作", 18},
    {"ステータスの操作2", 3},
    {"アイテムの取得", 2},
    {"グラフィックの変更", 3},
    {"基本アニメセットの変更", 1},
    {"アニメの実行", 1},
    {"エフェクトの実行", 8},
    {"キャラエフェクトの実行", 3},
    {"画面エフェクトの実行", 3},
    {"ピクチャーの表示", 11},
    {"画面の色を変更", 8},
    {"背景の変更", 2},
    {"効果音の再生", 1},
    {"BGMの再生", 2},
    {"コードの実行", 0},
};

struct cEffectSlot {
    const char* label;
    int min, max, def;
};
struct cEffectKind {
    const char* name;
    cEffectSlot slots[5];
};
const cEffectKind kCharaEffectRows[] = {
    {"破裂",
     {{"実行時間(1/10s)", 1, 9999, 5}, {"開始位置(dot)", 0, 999, 0}, {"終了位置(dot)", 0, 999, 32}, {"", 0, 0, 0}, {"", 0, 0, 0}}},
    {"分割（横）",
     {{"実行時間(1/10s)", 1, 9999, 5}, {"開始位置(dot)", 0, 999, 0}, {"終了位置(dot)", 0, 999, 32}, {"分割数", 2, 16, 4}, {"", 0, 0, 0}}},
    {"分割（縦）",
     {{"実行時間(1/10s)", 1, 9999, 5}, {"開始位置(dot)", 0, 999, 0}, {"終了位置(dot)", 0, 999, 32}, {"分割数", 2, 16, 4}, {"", 0, 0, 0}}},
    {"波（横）",
     {{"実行時間(1/10s)", 1, 9999, 5}, {"開始幅(dot)", 0, 999, 0}, {"終了幅(dot)", 0, 999, 32}, {"波の数", 2, 16, 4}, {"", 0, 0, 0}}},
    {"波（縦）",
     {{"実行時間(1/10s)", 1, 9999, 5}, {"開始幅(dot)", 0, 999, 0}, {"終了幅(dot)", 0, 999, 32}, {"波の数", 2, 16, 4}, {"", 0, 0, 0}}},
    {"点滅",
     {{"実行時間(1/10s)", 1, 9999, 10}, {"点滅間隔(1/60s)", 1, 9999, 2}, {"", 0, 0, 0}, {"", 0, 0, 0}, {"", 0, 0, 0}}},
    {"回転A（キャラ巨大化時は実行速度重視）",
     {{"実行時間(1/10s)", 1, 9999, 10}, {"開始角度", 0, 9999, 0}, {"終了角度", 0, 9999, 1440}, {"", 0, 0, 0}, {"", 0, 0, 0}}},
    {"回転B（キャラ巨大化時は描画精度重視）",
     {{"実行時間(1/10s)", 1, 9999, 10}, {"開始角度", 0, 9999, 0}, {"終了角度", 0, 9999, 1440}, {"", 0, 0, 0}, {"", 0, 0, 0}}},
    {"回転（奥）",
     {{"実行時間(1/10s)", 1, 9999, 10}, {"開始位置(dot)", 0, 9999, 0}, {"終了位置(dot)", 0, 9999, 256}, {"", 0, 0, 0}, {"", 0, 0, 0}}},
    {"円",
     {{"実行時間(1/10s)", 1, 9999, 5}, {"開始半径(dot)", 0, 32, 32}, {"終了半径(dot)", 0, 32, 0}, {"", 0, 0, 0}, {"", 0, 0, 0}}},
    {"拡大",
     {{"実行時間(1/10s)", 1, 9999, 10}, {"開始幅(dot)", 0, 320, 32}, {"終了幅(dot)", 0, 320, 64}, {"", 0, 0, 0}, {"", 0, 0, 0}}},
    {"レンズ",
     {{"実行時間(1/10s)", 1, 9999, 10}, {"開始距離", 0, 100, 100}, {"終了距離", 0, 100, 5}, {"ズレX(dot)", -16, 16, 0}, {"ズレY(dot)", -16, 16, 0}}},
    {"色変化 ※画面が16bit色以上だと遅い",
     {{"実行時間(1/10s)", 1, 9999, 10}, {"開始合成度", 1, 4, 1}, {"終了合成度", 1, 4, 1}, {"色", 16, 207, 16}, {"", 0, 0, 0}}},
    {"半透明 ※画面が16bit色以上だと遅い",
     {{"実行時間(1/10s)", 1, 9999, 10}, {"点滅間隔(1/60s)", 1, 9999, 9999}, {"", 0, 0, 0}, {"", 0, 0, 0}, {"", 0, 0, 0}}},
    {"モザイク ※画面が16bit色以上だと遅い",
     {{"実行時間(1/10s)", 1, 9999, 10}, {"開始強度", 1, 16, 1}, {"終了強度", 1, 16, 8}, {"", 0, 0, 0}, {"", 0, 0, 0}}},
    {"ぼかし ※画面が16bit色以上でのみ有効",
     {{"実行時間(1/10s)", 1, 9999, 10}, {"開始強度", 1, 1, 1}, {"終了強度", 1, 4, 4}, {"", 0, 0, 0}, {"", 0, 0, 0}}},
};
const cEffectKind kScrEffectRows[] = {
    {"移動",
     {{"実行時間(1/10s)", 1, 9999, 10}, {"開始座標X(dot)", -640, 640, 0}, {"開始座標Y(dot)", -480, 480, 0}, {"終了座標X(dot)", -640, 640, 640}, {"終了座標Y(dot)", -480, 480, 0}}},
    {"振動（横）",
     {{"実行時間(1/10s)", 1, 9999, 10}, {"振動幅(dot)", 1, 640, 4}, {"振動回数", 1, 9999, 4}, {"", 0, 0, 0}, {"", 0, 0, 0}}},
    {"振動（縦）",
     {{"実行時間(1/10s)", 1, 9999, 10}, {"振動幅(dot)", 1, 480, 4}, {"振動回数", 1, 9999, 4}, {"", 0, 0, 0}, {"", 0, 0, 0}}},
    {"分割（横）",
     {{"実行時間(1/10s)", 1, 9999, 10}, {"開始位置(dot)", 0, 640, 0}, {"終了位置(dot)", 0, 640, 640}, {"分割数", 2, 240, 15}, {"", 0, 0, 0}}},
    {"分割（縦）",
     {{"実行時間(1/10s)", 1, 9999, 10}, {"開始位置(dot)", 0, 480, 0}, {"終了位置(dot)", 0, 480, 480}, {"分割数", 2, 320, 20}, {"", 0, 0, 0}}},
    {"波（横）",
     {{"実行時間(1/10s)", 1, 9999, 10}, {"開始幅(dot)", 0, 640, 0}, {"終了幅(dot)", 0, 640, 640}, {"波の数", 2, 240, 15}, {"", 0, 0, 0}}},
    {"波（縦）",
     {{"実行時間(1/10s)", 1, 9999, 10}, {"開始位置(dot)", 0, 480, 0}, {"終了位置(dot)", 0, 480, 480}, {"波の数", 2, 320, 20}, {"", 0, 0, 0}}},
    {"点滅",
     {{"実行時間(1/10s)", 1, 9999, 10}, {"点滅間隔(1/60s)", 1, 9999, 10}, {"", 0, 0, 0}, {"", 0, 0, 0}, {"", 0, 0, 0}}},
    {"回転",
     {{"実行時間(1/10s)", 1, 9999, 10}, {"開始角度", 0, 9999, 0}, {"終了角度", 0, 9999, 1440}, {"", 0, 0, 0}, {"", 0, 0, 0}}},
    {"円",
     {{"実行時間(1/10s)", 1, 9999, 10}, {"開始半径(dot)", 0, 640, 640}, {"終了半径(dot)", 0, 640, 0}, {"", 0, 0, 0}, {"", 0, 0, 0}}},
    {"拡大",
     {{"実行時間(1/10s)", 1, 9999, 10}, {"開始幅(dot)", 0, 6400, 640}, {"終了幅(dot)", 0, 6400, 1280}, {"", 0, 0, 0}, {"", 0, 0, 0}}},
    {"レンズ",
     {{"実行時間(1/10s)", 1, 9999, 10}, {"開始距離", 0, 1500, 1500}, {"終了距離", 0, 1500, 5}, {"ズレX(dot)", -320, 320, 0}, {"ズレY(dot)", -240, 240, 0}}},
    {"モザイク ※画面が16bit色以上だと遅い",
     {{"実行時間(1/10s)", 1, 9999, 10}, {"開始強度", 1, 240, 1}, {"終了強度", 1, 240, 60}, {"", 0, 0, 0}, {"", 0, 0, 0}}},
};

}  // namespace

TEST(OptionTables, ChoiceTablesNameEveryEntry) {
    for (const cChoiceTable& t : kChoiceTables) {
        SCOPED_TRACE(t.name);
        const int n = static_cast<int>(t.entries.size());
        ASSERT_EQ(n, TableCount(t.table));
        for (int i = 0; i < n; ++i) EXPECT_EQ(t.entries[static_cast<size_t>(i)], t.table[i]) << i;
        EXPECT_STREQ("", t.table[n]) << "ended by an empty string";
    }
}

TEST(OptionTables, StatusTablesGiveRangesAndPercentOptions) {
    struct Family {
        const char* name;
        const cStatusEntry* table;
        int count;
        const cStatusRow* want;
        size_t wantCount;
    } families[] = {
        {"g_CharaStatus", g_CharaStatus, kCharaStatusCount, kCharaStatusRows, sizeof kCharaStatusRows / sizeof kCharaStatusRows[0]},
        {"g_SystemValue", g_SystemValue, kSystemValueCount, kSystemValueRows, sizeof kSystemValueRows / sizeof kSystemValueRows[0]},
    };
    for (const Family& f : families) {
        SCOPED_TRACE(f.name);
        ASSERT_EQ(f.wantCount, static_cast<size_t>(f.count));
        for (int i = 0; i < f.count; ++i) {
            SCOPED_TRACE(i);
            const cStatusEntry& e = f.table[i];
            const cStatusRow& w = f.want[i];
            EXPECT_EQ(std::string(w.name), e.m_Name);
            EXPECT_EQ(w.min, e.m_nMin);
            EXPECT_EQ(w.max, e.m_nMax);
            EXPECT_EQ(w.operandMin, e.m_nOperandMin);
            EXPECT_EQ(w.operandMax, e.m_nOperandMax);
            EXPECT_EQ(w.reserved, e.m_nReserved);
            EXPECT_EQ(w.percentCond, e.m_bPercentCond);
            EXPECT_EQ(w.percentOp, e.m_bPercentOp);
        }
    }
}

TEST(OptionTables, StateTablesGiveValuesAndChoices) {
    InitScrollStatusTable();
    struct Family {
        const char* name;
        const cStateEntry* table;
        int count;
        const cStateRow* want;
        size_t wantCount;
    } families[] = {
        {"g_StateFlag", g_StateFlag, kStateFlagCount, kStateFlagRows, sizeof kStateFlagRows / sizeof kStateFlagRows[0]},
        {"g_ScrollStatus", g_ScrollStatus, kScrollStatusCount, kScrollStatusRows, sizeof kScrollStatusRows / sizeof kScrollStatusRows[0]},
    };
    for (const Family& f : families) {
        SCOPED_TRACE(f.name);
        ASSERT_EQ(f.wantCount, static_cast<size_t>(f.count));
        for (int i = 0; i < f.count; ++i) {
            SCOPED_TRACE(i);
            const cStateEntry& e = f.table[i];
            const cStateRow& w = f.want[i];
            EXPECT_EQ(std::string(w.name), e.m_Name);
            EXPECT_EQ(w.first, e.m_nFirst);
            EXPECT_EQ(w.last, e.m_nLast);
            ASSERT_EQ(w.choices.size(), e.m_Choices.size());
            for (size_t c = 0; c < w.choices.size(); ++c) EXPECT_EQ(w.choices[c], e.m_Choices[c]) << c;
            EXPECT_EQ(w.extra, e.m_nExtra);
        }
    }
}

TEST(OptionTables, CommandKindsNameEveryKindWithItsParameterCount) {
    struct Family {
        const char* name;
        const cCmdKindEntry* table;
        int count;
        const cKindRow* want;
        size_t wantCount;
    } families[] = {
        {"g_CmdKind", g_CmdKind, kCmdKindCount, kCmdKindRows, sizeof kCmdKindRows / sizeof kCmdKindRows[0]},
        {"g_CmdKind2", g_CmdKind2, kCmdKind2Count, kCmdKind2Rows, sizeof kCmdKind2Rows / sizeof kCmdKind2Rows[0]},
    };
    for (const Family& f : families) {
        SCOPED_TRACE(f.name);
        ASSERT_EQ(f.wantCount, static_cast<size_t>(f.count));
        for (int i = 0; i < f.count; ++i) {
            SCOPED_TRACE(i);
            EXPECT_EQ(std::string(f.want[i].name), f.table[i].m_Name);
            EXPECT_EQ(f.want[i].params, f.table[i].m_nParams);
        }
    }
}

TEST(OptionTables, EffectTablesNameEveryKindAndSlot) {
    struct Family {
        const char* name;
        eEffectFamily family;
        const cEffectKind* want;
        int kinds;
    } families[] = {
        {"chara", kCharaEffectFamily, kCharaEffectRows, static_cast<int>(sizeof kCharaEffectRows / sizeof kCharaEffectRows[0])},
        {"screen", kScrEffectFamily, kScrEffectRows, static_cast<int>(sizeof kScrEffectRows / sizeof kScrEffectRows[0])},
    };
    for (const Family& f : families) {
        SCOPED_TRACE(f.name);
        ASSERT_EQ(f.kinds, EffectKindCount(f.family));
        for (int k = 1; k <= f.kinds; ++k) {
            SCOPED_TRACE(k);
            const cEffectKind& w = f.want[k - 1];
            EXPECT_EQ(std::string(w.name), EffectKindName(f.family, k));
            for (int slot = 1; slot <= 5; ++slot) {
                SCOPED_TRACE(slot);
                const EffectParamInfo& row = EffectParamRow(f.family, k, slot);
                const cEffectSlot& ws = w.slots[slot - 1];
                EXPECT_EQ(std::string(ws.label), row.m_Label);
                EXPECT_EQ(ws.min, row.m_Min);
                EXPECT_EQ(ws.max, row.m_Max);
                EXPECT_EQ(ws.def, row.m_Default);
            }
        }
    }
}
