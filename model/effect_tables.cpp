#include "model/effect_tables.h"

namespace {

// Labels that many kinds share.
const char* const kTime = "実行時間(1/10s)";
const char* const kStartPos = "開始位置(dot)";
const char* const kEndPos = "終了位置(dot)";
const char* const kStartWidth = "開始幅(dot)";
const char* const kEndWidth = "終了幅(dot)";
const char* const kDivisions = "分割数";
const char* const kWaves = "波の数";
const char* const kBlinkSpan = "点滅間隔(1/60s)";
const char* const kStartAngle = "開始角度";
const char* const kEndAngle = "終了角度";
const char* const kStartRadius = "開始半径(dot)";
const char* const kEndRadius = "終了半径(dot)";
const char* const kStartDistance = "開始距離";
const char* const kEndDistance = "終了距離";
const char* const kShiftX = "ズレX(dot)";
const char* const kShiftY = "ズレY(dot)";
const char* const kStartStrength = "開始強度";
const char* const kEndStrength = "終了強度";

EffectParamInfo Row(const char* label, int16_t min, int16_t max, int32_t def) {
    return EffectParamInfo(label, min, max, def);
}

EffectParamInfo Unused() {
    return EffectParamInfo("", 0, 0, 0);
}

}  // namespace

const cString g_CharaEffectKind[kCharaEffectKindCount + 1] = {
    "破裂",
    "分割（横）",
    "分割（縦）",
    "波（横）",
    "波（縦）",
    "点滅",
    "回転A（キャラ巨大化時は実行速度重視）",
    "回転B（キャラ巨大化時は描画精度重視）",
    "回転（奥）",
    "円",
    "拡大",
    "レンズ",
    "色変化 ※画面が16bit色以上だと遅い",
    "半透明 ※画面が16bit色以上だと遅い",
    "モザイク ※画面が16bit色以上だと遅い",
    "ぼかし ※画面が16bit色以上でのみ有効",
    "",
};

const EffectParamInfo g_CharaEffectParam[(kCharaEffectKindCount + 1) * kEffectParamCount] = {
    // 0: no effect
    Unused(), Unused(), Unused(), Unused(), Unused(),
    // 1 破裂
    Row(kTime, 1, 9999, 5), Row(kStartPos, 0, 999, 0), Row(kEndPos, 0, 999, 32), Unused(), Unused(),
    // 2 分割（横）
    Row(kTime, 1, 9999, 5), Row(kStartPos, 0, 999, 0), Row(kEndPos, 0, 999, 32), Row(kDivisions, 2, 16, 4),
    Unused(),
    // 3 分割（縦）
    Row(kTime, 1, 9999, 5), Row(kStartPos, 0, 999, 0), Row(kEndPos, 0, 999, 32), Row(kDivisions, 2, 16, 4),
    Unused(),
    // 4 波（横）
    Row(kTime, 1, 9999, 5), Row(kStartWidth, 0, 999, 0), Row(kEndWidth, 0, 999, 32), Row(kWaves, 2, 16, 4),
    Unused(),
    // 5 波（縦）
    Row(kTime, 1, 9999, 5), Row(kStartWidth, 0, 999, 0), Row(kEndWidth, 0, 999, 32), Row(kWaves, 2, 16, 4),
    Unused(),
    // 6 点滅
    Row(kTime, 1, 9999, 10), Row(kBlinkSpan, 1, 9999, 2), Unused(), Unused(), Unused(),
    // 7 回転A
    Row(kTime, 1, 9999, 10), Row(kStartAngle, 0, 9999, 0), Row(kEndAngle, 0, 9999, 1440), Unused(), Unused(),
    // 8 回転B
    Row(kTime, 1, 9999, 10), Row(kStartAngle, 0, 9999, 0), Row(kEndAngle, 0, 9999, 1440), Unused(), Unused(),
    // 9 回転（奥）
    Row(kTime, 1, 9999, 10), Row(kStartPos, 0, 9999, 0), Row(kEndPos, 0, 9999, 256), Unused(), Unused(),
    // 10 円
    Row(kTime, 1, 9999, 5), Row(kStartRadius, 0, 32, 32), Row(kEndRadius, 0, 32, 0), Unused(), Unused(),
    // 11 拡大
    Row(kTime, 1, 9999, 10), Row(kStartWidth, 0, 320, 32), Row(kEndWidth, 0, 320, 64), Unused(), Unused(),
    // 12 レンズ
    Row(kTime, 1, 9999, 10), Row(kStartDistance, 0, 100, 100), Row(kEndDistance, 0, 100, 5),
    Row(kShiftX, -16, 16, 0), Row(kShiftY, -16, 16, 0),
    // 13 色変化
    Row(kTime, 1, 9999, 10), Row("開始合成度", 1, 4, 1), Row("終了合成度", 1, 4, 1), Row("色", 16, 207, 16),
    Unused(),
    // 14 半透明
    Row(kTime, 1, 9999, 10), Row(kBlinkSpan, 1, 9999, 9999), Unused(), Unused(), Unused(),
    // 15 モザイク
    Row(kTime, 1, 9999, 10), Row(kStartStrength, 1, 16, 1), Row(kEndStrength, 1, 16, 8), Unused(), Unused(),
    // 16 ぼかし
    Row(kTime, 1, 9999, 10), Row(kStartStrength, 1, 1, 1), Row(kEndStrength, 1, 4, 4), Unused(), Unused(),
};

const cString g_ScrEffectKind[kScrEffectKindCount + 1] = {
    "移動",
    "振動（横）",
    "振動（縦）",
    "分割（横）",
    "分割（縦）",
    "波（横）",
    "波（縦）",
    "点滅",
    "回転",
    "円",
    "拡大",
    "レンズ",
    "モザイク ※画面が16bit色以上だと遅い",
    "",
};

const EffectParamInfo g_ScrEffectParam[(kScrEffectKindCount + 1) * kEffectParamCount] = {
    // 0: no effect
    Unused(), Unused(), Unused(), Unused(), Unused(),
    // 1 移動
    Row(kTime, 1, 9999, 10), Row("開始座標X(dot)", -640, 640, 0), Row("開始座標Y(dot)", -480, 480, 0),
    Row("終了座標X(dot)", -640, 640, 640), Row("終了座標Y(dot)", -480, 480, 0),
    // 2 振動（横）
    Row(kTime, 1, 9999, 10), Row("振動幅(dot)", 1, 640, 4), Row("振動回数", 1, 9999, 4), Unused(), Unused(),
    // 3 振動（縦）
    Row(kTime, 1, 9999, 10), Row("振動幅(dot)", 1, 480, 4), Row("振動回数", 1, 9999, 4), Unused(), Unused(),
    // 4 分割（横）
    Row(kTime, 1, 9999, 10), Row(kStartPos, 0, 640, 0), Row(kEndPos, 0, 640, 640), Row(kDivisions, 2, 240, 15),
    Unused(),
    // 5 分割（縦）
    Row(kTime, 1, 9999, 10), Row(kStartPos, 0, 480, 0), Row(kEndPos, 0, 480, 480), Row(kDivisions, 2, 320, 20),
    Unused(),
    // 6 波（横）
    Row(kTime, 1, 9999, 10), Row(kStartWidth, 0, 640, 0), Row(kEndWidth, 0, 640, 640), Row(kWaves, 2, 240, 15),
    Unused(),
    // 7 波（縦）
    Row(kTime, 1, 9999, 10), Row(kStartPos, 0, 480, 0), Row(kEndPos, 0, 480, 480), Row(kWaves, 2, 320, 20),
    Unused(),
    // 8 点滅
    Row(kTime, 1, 9999, 10), Row(kBlinkSpan, 1, 9999, 10), Unused(), Unused(), Unused(),
    // 9 回転
    Row(kTime, 1, 9999, 10), Row(kStartAngle, 0, 9999, 0), Row(kEndAngle, 0, 9999, 1440), Unused(), Unused(),
    // 10 円
    Row(kTime, 1, 9999, 10), Row(kStartRadius, 0, 640, 640), Row(kEndRadius, 0, 640, 0), Unused(), Unused(),
    // 11 拡大
    Row(kTime, 1, 9999, 10), Row(kStartWidth, 0, 6400, 640), Row(kEndWidth, 0, 6400, 1280), Unused(), Unused(),
    // 12 レンズ
    Row(kTime, 1, 9999, 10), Row(kStartDistance, 0, 1500, 1500), Row(kEndDistance, 0, 1500, 5),
    Row(kShiftX, -320, 320, 0), Row(kShiftY, -240, 240, 0),
    // 13 モザイク
    Row(kTime, 1, 9999, 10), Row(kStartStrength, 1, 240, 1), Row(kEndStrength, 1, 240, 60), Unused(), Unused(),
};

int EffectKindCount(eEffectFamily family) {
    return family == kCharaEffectFamily ? kCharaEffectKindCount : kScrEffectKindCount;
}

const cString& EffectKindName(eEffectFamily family, int kind) {
    static const cString none;
    if (kind < 1 || kind > EffectKindCount(family)) return none;
    return family == kCharaEffectFamily ? g_CharaEffectKind[kind - 1] : g_ScrEffectKind[kind - 1];
}

const EffectParamInfo& EffectParamRow(eEffectFamily family, int kind, int slot) {
    static const EffectParamInfo unused = Unused();
    if (kind < 0 || kind > EffectKindCount(family) || slot < 1 || slot > kEffectParamCount) return unused;
    const int row = kind * kEffectParamCount + slot - 1;
    return family == kCharaEffectFamily ? g_CharaEffectParam[row] : g_ScrEffectParam[row];
}

void SetEffectKindDefaults(eEffectFamily family, int kind, int32_t* params) {
    for (int slot = 1; slot <= kEffectParamCount; ++slot) {
        params[slot - 1] = static_cast<int16_t>(EffectParamRow(family, kind, slot).m_Default);
    }
}
