#include "model/cmd_tables.h"

cStateEntry::cStateEntry(const char* name, int32_t first, int32_t last, const char* const* choices, int32_t extra)
    : m_Name(name), m_nFirst(first), m_nLast(last), m_nExtra(extra) {
    for (int i = 0; choices[i][0] != '\0'; ++i) m_Choices.push_back(cString(choices[i]));
}

int TableCount(const char* const* table) {
    int n = 0;
    while (table[n][0] != '\0') ++n;
    return n;
}

// ---------------------------------------------------------------------------
// Command kinds

const cCmdKindEntry g_CmdKind[kCmdKindCount] = {
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

const cCmdKindEntry g_CmdKind2[kCmdKind2Count] = {
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

// ---------------------------------------------------------------------------
// Conditions, key conditions and flows

const char* const g_CondKind[kCondKindCount] = {
    "", "コモン変数条件", "ステージ変数条件", "キャラ変数条件", "ステータス条件", "ステータス条件2", "ステータス条件3", "距離条件",
};
const char* const g_CondJudge[] = {"全ての条件が真なら成立", "1つ以上の条件が真なら成立", ""};
const char* const g_DistAxis[] = {"横", "前", "後", "縦", "前Y", "後Y", "円", ""};
const char* const g_DistRange[] = {"以内", "外", ""};
const char* const g_StateCondKind[] = {
    "左向き", "右向き", "ブロックに乗っている(ブロックキャラも含む)", "画面内にいる", "",
};
const char* const g_KeyRule[] = {
    "全てのキーが真なら成立", "1つ以上のキーが真なら成立", "1つだけキーが真なら成立", "",
};
const char* const g_KeyState[] = {"--", "押", "離", ""};
const char* const g_FlowIdName[] = {
    "-", "A", "B", "C", "D", "E", "F", "G", "H", "I", "J", "K", "L", "M",
    "N", "O", "P", "Q", "R", "S", "T", "U", "V", "W", "X", "Y", "Z", "",
};
const char* const g_FlowGroupName[] = {
    "-", "a", "b", "c", "d", "e", "f", "g", "h", "i", "j", "k", "l", "m",
    "n", "o", "p", "q", "r", "s", "t", "u", "v", "w", "x", "y", "z", "",
};
const char* const g_FlowTiming[] = {
    "常時",
    "ダメージを受けた時",
    "衝撃を受けた時",
    "死亡した時",
    "キャラに当たった時",
    "ブロックキャラに当たった時",
    "ブロックキャラに乗っている時",
    "ショットに当たった時",
    "アイテムに当たった時",
    "ブロックに当たった時",
    "自分の左右にブロックが当たった時",
    "自分の左にブロックが当たった時",
    "自分の右にブロックが当たった時",
    "自分の上下にブロックが当たった時",
    "自分の上にブロックが当たった時",
    "自分の下にブロックが当たった時",
    "主人公に乗られている時",
    "キャラに乗られている時",
    "ステージ開始前",
    "なし（フローの操作コマンドで実行）",
    "",
};

// ---------------------------------------------------------------------------
// Status and state tables, and the choices of the command pages

const char* const g_WhoSelf2[] = {"自分", "ターゲット", ""};
const char* const g_WhoSelf3[] = {"自分", "ターゲット", "システム", ""};
const char* const g_WhoPlayer2[] = {"主人公", "ターゲット", ""};
const char* const g_WhoPlayer3[] = {"主人公", "ターゲット", "システム", ""};
const char* const g_OperandKind[] = {"ステータス", "変数", ""};
const char* const g_ValueSource[] = {"定数", "乱数", "ステータス", "変数", ""};
const char* const g_VarScope[] = {"コモン変数", "ステージ変数", ""};
const char* const g_CalcMode[] = {"通常の計算", "最大値に対する％で指定", "現在値に対する％で指定", ""};
const char* const g_OnOnly[] = {"ON", ""};
const char* const g_FlowOp[] = {"開始", "終了", "一時停止", "再開", "削除", "永久停止", ""};
const char* const g_FlowOpTarget[] = {"このフロー", "このフロー以外全て", "IDで指定", ""};
const char* const g_StageClearMode[] = {"次のステージへ", "番号で指定", "ワールドクリア", ""};
const char* const g_MessagePos[] = {
    "画面中央に表示", "自分の上に表示", "自分の下に表示", "自分の中心に表示", "主人公の上に表示",
    "主人公の下に表示", "主人公の中心に表示", "画面座標で指定", "ステージ座標で指定", "",
};
const char* const g_MessageDuration[] = {"進行キーが押されるまで表示", "ステージ終了まで表示", "時間で指定", ""};
const char* const g_TargetSelect[] = {"主人公", "自分", "最も近いキャラ", "キャラ(キャラIDで指定)", ""};
const char* const g_TargetRange[] = {"全範囲（画面内のキャラ優先）", "全範囲", "画面内のみ", ""};
const char* const g_ItemPalette[] = {"コモンパレット", "ステージパレット", ""};
const char* const g_ItemPaletteCommon[] = {"コモンパレット", ""};
const char* const g_PicturePos[] = {
    "画面中央に表示", "キャラの中心に表示", "主人公の中心に表示", "画面座標で指定", "ステージ座標で指定", "",
};
const char* const g_PictureDuration[] = {"進行キーが押されるまで表示", "ステージ終了まで表示", "時間で指定", ""};
const char* const g_ExecMode[] = {"通常実行", "反転実行", "往復実行", ""};
const char* const g_ShowMode[] = {"表示", "非表示", "反転(表示⇔非表示)", ""};

const cStatusEntry g_CharaStatus[kCharaStatusCount] = {
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

const cStatusEntry g_SystemValue[kSystemValueCount] = {
    {"時間", 0, 999, -999, 999, 0, 0, 1},
    {"横スクロール速度", -480, 480, -480, 480, 0, 0, 1},
    {"縦スクロール速度", -480, 480, -480, 480, 0, 0, 1},
    {"スコア", 0, 999999, -999999, 999999, 0, 0, 1},
    {"残り人数", 0, 99, -99, 99, 0, 0, 1},
};

const cStatusEntry* StatusEntryOf(int who, int item) {
    if (who == kWhoSystem) return item >= 0 && item < kSystemValueCount ? &g_SystemValue[item] : nullptr;
    return item >= 0 && item < kCharaStatusCount ? &g_CharaStatus[item] : nullptr;
}

namespace {

const char* const kOffOn[] = {"OFF", "ON", ""};
const char* const kFlying[] = {
    "OFF", "ON (ブロックをすり抜ける)", "ON (ブロックに当たる)", "ON (ブロックに当たると即死)", "",
};
const char* const kInvincible[] = {"OFF", "ON (ショットが当たる)", "ON (ショットがすり抜ける)", ""};
const char* const kEnlarge[] = {"しない", "×4", "×9", "×16", "×25", "×36", "×49", "×64", "×81", "×100", ""};
const char* const kScrollMode[] = {"主人公の位置に合わせてスクロール", "オートスクロール", ""};

}  // namespace

const cStateEntry g_StateFlag[kStateFlagCount] = {
    {"消滅", 0, 0, g_OnOnly, 0},
    {"透明", 0, 1, kOffOn, 0},
    {"向き固定", 0, 1, kOffOn, 0},
    {"飛行", 0, 3, kFlying, 0},
    {"無敵", 0, 2, kInvincible, 0},
    {"巨大化", 1, 10, kEnlarge, 1},
    {"オートスクロールとシンクロ", 0, 1, kOffOn, 0},
};

cStateEntry g_ScrollStatus[kScrollStatusCount] = {
    {"横スクロール", 0, 1, kScrollMode, 0},
    {"縦スクロール", 0, 1, kScrollMode, 0},
};

void InitScrollStatusTable() {
    g_ScrollStatus[0] = cStateEntry("横スクロール", 0, 1, kScrollMode, 0);
    g_ScrollStatus[1] = cStateEntry("縦スクロール", 0, 1, kScrollMode, 0);
}

// ---------------------------------------------------------------------------
// Moves and shots

const char* const g_MoveDirMode[] = {"方向で指定", "目標座標で指定", ""};
const char* const g_WarpMode[] = {"方向と距離で指定", "ターゲットからの方向と距離で指定", "目標座標で指定", ""};
const char* const g_MoveDir[] = {
    "前", "後", "左", "右", "前Y", "後Y", "上", "下", "左上", "左下", "右上", "右下", "入力方向", "",
};
const char* const g_MoveTargetCoord[] = {"配置位置からの相対座標", "相対座標", "絶対座標", "画面座標", ""};
const char* const g_WarpTargetCoord[] = {"相対座標", "絶対座標", "画面座標", ""};
const char* const g_CircleRotation[] = {
    "右回り", "左回り", "左向きなら右回り、右向きなら左回り", "左向きなら左回り、右向きなら右回り", "",
};
const char* const g_MoveTimingMode[] = {"時間と速度を指定", "時間と距離を指定", "速度と距離を指定", ""};
const char* const g_CircleTimingMode[] = {"時間を指定", "速度を指定", ""};
const char* const g_DistanceUnit[] = {"(hbl)で指定", "(dot)で指定", ""};
const char* const g_TurnKind[] = {
    "左を向く", "右を向く", "ターゲットがいる方を向く", "ターゲットがいる方の逆を向く",
    "最後にブロックが当たった方を向く", "最後にブロックが当たった方の逆を向く", "",
};
const char* const g_JumpHeightMode[] = {
    "高さがキーで調節できない", "高さがキーで調節できる(主人公のみ有効)",
    "慣性移動速度に応じて高さを決定(主人公のみ有効)", "",
};
const char* const g_ShotPattern[] = {"直進A", "直進B", "拡散", "落雷", "爆発", "包囲", ""};
const char* const g_ShotAim[] = {
    "直進",
    "主人公を狙う",
    "近いキャラを狙う",
    "ターゲットを狙う",
    "主人公へ誘導",
    "近いキャラへ誘導（対象死亡時、誘導を無効化）",
    "ターゲットへ誘導",
    "近いキャラへ誘導（対象死亡時、対象を変更）",
    "ウェーブ",
    "落下",
    "",
};
const char* const g_BlockSummonMode[] = {
    "ブロックを召喚", "ブロックを消す", "ブロックがなければ召喚、ブロックがあれば消す", "",
};
const char* const g_SummonPalette[] = {"コモンパレット", "ステージパレット", ""};
const char* const g_SummonPaletteCommon[] = {"コモンパレット", ""};
const char* const g_SummonFaction[] = {"パレットの設定に準ずる", "使用者と同じ", "番号で指定", ""};

const cParamRow g_ShotPatternParam[kShotPatternParamRows] = {
    {"間隔(hbl)", 0, 40, 0}, {"", 0, 0, 0}, {"", 0, 0, 0},                                  // 直進A
    {"間隔(hbl)", 0, 40, 0}, {"", 0, 0, 0}, {"", 0, 0, 0},                                  // 直進B
    {"角度", 0, 180, 30}, {"", 0, 0, 0}, {"", 0, 0, 0},                                     // 拡散
    {"間隔(hbl)", 0, 40, 0}, {"列の数", 1, 50, 1}, {"列の間隔(hbl)", 0, 40, 0},             // 落雷
    {"", 0, 0, 0}, {"", 0, 0, 0}, {"", 0, 0, 0},                                            // 爆発
    {"距離(hbl)", 0, 40, 6}, {"", 0, 0, 0}, {"", 0, 0, 0},                                  // 包囲
};

const cParamRow g_ShotAimParam[kShotAimParamRows] = {
    {"", 0, 0, 0}, {"", 0, 0, 0}, {"", 0, 0, 0},                                            // 直進
    {"軌道変更(hbl)", 0, 40, 0}, {"", 0, 0, 0}, {"", 0, 0, 0},                              // 主人公を狙う
    {"軌道変更(hbl)", 0, 40, 0}, {"対象勢力", 0, 7, 0}, {"", 0, 0, 0},                      // 近いキャラを狙う
    {"軌道変更(hbl)", 0, 40, 0}, {"", 0, 0, 0}, {"", 0, 0, 0},                              // ターゲットを狙う
    {"誘導開始(hbl)", 0, 40, 0}, {"誘導終了(hbl)", 0, 999, 999}, {"", 0, 0, 0},             // 主人公へ誘導
    {"誘導開始(hbl)", 0, 40, 0}, {"誘導終了(hbl)", 0, 999, 999}, {"対象勢力", 0, 7, 0},     // 近いキャラへ誘導 (無効化)
    {"誘導開始(hbl)", 0, 40, 0}, {"誘導終了(hbl)", 0, 999, 999}, {"", 0, 0, 0},             // ターゲットへ誘導
    {"誘導開始(hbl)", 0, 40, 0}, {"誘導終了(hbl)", 0, 999, 999}, {"対象勢力", 0, 7, 0},     // 近いキャラへ誘導 (変更)
    {"波の最大(hbl)", 0, 100, 4}, {"波の速度", 0, 100, 4}, {"開始角度", 0, 359, 0},         // ウェーブ
    {"軌道変更(hbl)", 0, 40, 0}, {"", 0, 0, 0}, {"", 0, 0, 0},                              // 落下
};

// ---------------------------------------------------------------------------
// Presentation pages

const char* const* const g_DispPosName = g_PicturePos;
const char* const* const g_ExecTypeName = g_ExecMode;
const char* const* const g_DispTimeName = g_PictureDuration;
const char* const* const g_BackShowName = g_ShowMode;
