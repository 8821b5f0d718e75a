// The one-line texts of commands: every kind of both command sets against
// its exact line, over a small project whose palettes, variables and
// database records have names of their own.
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "cmdedit/cmd_summary.h"
#include "cmdedit/cmd_words.h"
#include "model/database.h"
#include "model/palette.h"
#include "model/stage.h"

namespace {

template <class T>
void Named(cVector<T>& v, std::initializer_list<const char*> names) {
    v.clear();
    v.resize(names.size());
    int i = 0;
    for (const char* n : names) v[i++].m_Name = n;
}

template <class T>
void FrameTimes(T& record, std::initializer_list<int32_t> times) {
    record.m_Frames.clear();
    for (int32_t t : times) {
        record.m_Frames.resize(record.m_Frames.size() + 1);
        record.m_Frames.back().m_Time = t;
    }
}

class CmdSummaryTest : public ::testing::Test {
protected:
    void SetUp() override {
        Named(g_CommonPalette.m_Blocks, {"", "土", "岩"});
        Named(g_CommonPalette.m_Charas, {"", "主人公", "敵"});
        Named(g_CommonPalette.m_Items, {"", "剣", "盾", "薬"});
        Named(g_Stage.m_PalBlocks, {"", "石"});
        Named(g_Stage.m_PalCharas, {"", "スライム"});
        Named(g_Stage.m_PalItems, {"", "鍵束"});
        Named(g_GValInfo, {"", "a", "b", "c", "d", "所持金"});
        Named(g_Stage.m_Vars, {"", "a", "b", "c", "d", "e", "f", "鍵"});
        cEdDatabase& db = g_Database;
        Named(db.m_AnimeSet, {"", "歩き"});
        Named(db.m_Anime, {"", "", "踊り", "長い", "重い"});
        FrameTimes(db.m_Anime[2], {3, 4, 5});
        FrameTimes(db.m_Anime[3], {5000, 6000, 7000});
        FrameTimes(db.m_Anime[4], {30000, 30000});
        Named(db.m_SwordType, {"", "剣"});
        Named(db.m_Effect, {"", "", "爆発", "長爆発"});
        FrameTimes(db.m_Effect[2], {10, 20});
        FrameTimes(db.m_Effect[3], {30000, 30000, 30000});
        Named(db.m_CharaEffect, {"", "破裂", "長い破裂"});
        db.m_CharaEffect[0].m_Param[0] = 0;
        db.m_CharaEffect[1].m_Param[0] = 5;
        db.m_CharaEffect[2].m_Param[0] = 40000;
        Named(db.m_ScrEffect, {"", "揺れ"});
        db.m_ScrEffect[0].m_Param[0] = 0;
        db.m_ScrEffect[1].m_Param[0] = 7;
        Named(db.m_Picture, {"", "絵"});
        Named(db.m_Sound, {"", "音"});
        Named(db.m_Bgm, {"", "曲"});
    }
};

// What a row builds on top of a command of its kind.
typedef std::function<void(cEdCommand&)> CmdSetup;

cEdMove& Move(cEdCommand& c) {
    if (!c.m_spMove) NewShared(c.m_spMove);
    return *c.m_spMove;
}

cEdShot& Shot(cEdCommand& c) {
    if (!c.m_spShot) NewShared(c.m_spShot);
    return *c.m_spShot;
}

void Params(cEdCommand& c, std::initializer_list<int32_t> p) {
    c.m_Params.assign(p.begin(), p.end());
}

// Which sets a row covers: set 0 only, set 1 only, or both (kinds 17 .. 36
// of set 0, and the same command as kind k - 15 of set 1, with one text).
enum eSets { kSet0, kSet1, kBoth };

struct SummaryCase {
    const char* what;
    eSets sets;
    int kind;  // the set 0 kind (for kSet1 rows the set 1 kind)
    CmdSetup setup;
    const char* text;
};

// A move of set type s, time t, speed v, distance d (unit u).
CmdSetup MoveTsd(int s, int16_t t, int16_t v, int16_t d, int u = 0, CmdSetup more = nullptr) {
    return [=](cEdCommand& c) {
        c.m_nTime = t;
        cEdMove& m = Move(c);
        m.m_nSetType = static_cast<int8_t>(s);
        m.m_nSpeed = v;
        m.m_nDistance = d;
        m.m_nDistanceUnit = static_cast<int8_t>(u);
        if (more) more(c);
    };
}

CmdSetup Parallel(CmdSetup s) {
    return [=](cEdCommand& c) {
        s(c);
        c.m_bParallel = 1;
    };
}

CmdSetup P(std::initializer_list<int32_t> p, int16_t time = 0) {
    std::vector<int32_t> v(p);
    return [=](cEdCommand& c) {
        c.m_Params.assign(v.begin(), v.end());
        c.m_nTime = time;
    };
}

CmdSetup Text(std::initializer_list<int32_t> p, const char* text) {
    std::vector<int32_t> v(p);
    return [=](cEdCommand& c) {
        c.m_Params.assign(v.begin(), v.end());
        c.m_Text = text;
    };
}

CmdSetup Target(int8_t mode, int8_t bx, int8_t by) {
    return MoveTsd(1, 7, 0, 2, 0, [=](cEdCommand& c) {
        cEdMove& m = Move(c);
        m.m_nDirMode = mode;
        m.m_bTargetX = bx;
        m.m_bTargetY = by;
        m.m_nTargetX = 3;
        m.m_nTargetY = 4;
    });
}

CmdSetup ShotOf(int8_t formation, int8_t dir, int16_t angle) {
    return [=](cEdCommand& c) {
        c.m_nTime = 5;
        cEdShot& s = Shot(c);
        s.m_nFormation = formation;
        s.m_nCount = 3;
        s.m_nClones = 1;
        s.m_nDirection = dir;
        s.m_nAngle = angle;
        s.m_nSpeed = 8;
        s.m_nPower = 10;
        s.m_nMoveType = 1;
    };
}

CmdSetup Summon(int8_t type, int8_t palette, int16_t index) {
    return [=](cEdCommand& c) {
        Shot(c).m_nSummonType = type;
        c.m_spShot->m_nSummonPalette = palette;
        c.m_spShot->m_nSummonIndex = index;
    };
}

CmdSetup Warp(int8_t mode, int8_t dir, int8_t coord) {
    return [=](cEdCommand& c) {
        cEdMove& m = Move(c);
        m.m_nDirMode = mode;
        m.m_nDirection = dir;
        m.m_nDistance = 5;
        m.m_nTargetType = coord;
        m.m_nTargetX = 10;
        m.m_nTargetY = 3;
    };
}

// Parameters of a status operation: p[n] = v for each pair.
CmdSetup Status(std::initializer_list<std::pair<int, int32_t>> set) {
    std::vector<std::pair<int, int32_t>> v(set);
    return [=](cEdCommand& c) {
        c.m_Params.assign(18, 0);
        for (auto& kv : v) c.m_Params[kv.first] = kv.second;
    };
}

const SummaryCase kCases[] = {
    {"empty kind", kSet0, 0, P({}), ""},
    {"wait", kSet0, 1, P({}, 30), "30 ◆ ウエイト ◆"},
    {"wait, parallel", kSet0, 1, Parallel(P({}, 30)), "P-30 ◆ ウエイト ◆"},
    {"straight by time and speed", kSet0, 2, MoveTsd(0, 20, 5, 0), "20 ◆ 直線移動 ◆ 前 時20 速5"},
    {"straight with an angle", kSet0, 2,
     MoveTsd(0, 20, 5, 0, 0, [](cEdCommand& c) { Move(c).m_nAngle = 45; }), "20 ◆ 直線移動 ◆ 前45 時20 速5"},
    {"straight to the right", kSet0, 2,
     MoveTsd(1, 20, 5, 3, 0, [](cEdCommand& c) { Move(c).m_nDirection = 3; }), "20 ◆ 直線移動 ◆ 右 時20 距3"},
    {"straight by speed and distance (hbl)", kSet0, 2, MoveTsd(2, 99, 10, 3), "8.0? ◆ 直線移動 ◆ 前 速10 距3"},
    {"estimate, parallel", kSet0, 2, Parallel(MoveTsd(2, 99, 10, 3)), "P-8.0? ◆ 直線移動 ◆ 前 速10 距3"},
    {"estimate at speed 0", kSet0, 2, MoveTsd(2, 99, 0, 3), "0.0? ◆ 直線移動 ◆ 前 速0 距3"},
    {"estimate in dots", kSet0, 2, MoveTsd(2, 99, 10, 48, 1), "8.0? ◆ 直線移動 ◆ 前 速10 距48dot"},
    {"time and distance in dots", kSet0, 2, MoveTsd(1, 9, 1, 3, 1), "9 ◆ 直線移動 ◆ 前 時9 距3dot"},
    {"set type outside its table", kSet0, 2, MoveTsd(3, 9, 1, 3), "9 ◆ 直線移動 ◆ 前"},
    {"target x and y", kSet0, 2, Target(1, 1, 1), "7 ◆ 直線移動 ◆ 目標(3,4) 時7 距2"},
    {"target x only", kSet0, 2, Target(1, 1, 0), "7 ◆ 直線移動 ◆ 目標(3,-) 時7 距2"},
    {"target y only", kSet0, 2, Target(1, 0, 1), "7 ◆ 直線移動 ◆ 目標(-,4) 時7 距2"},
    {"no target", kSet0, 2, Target(1, 0, 0), "7 ◆ 直線移動 ◆ 目標(-,-) 時7 距2"},
    {"direction mode outside its table", kSet0, 2, Target(2, 1, 1), "7 ◆ 直線移動 ◆ 時7 距2"},
    {"ground turn", kSet0, 3, MoveTsd(1, 15, 0, 4, 1), "15 ◆ 地上折り返し移動 ◆ 時15 距4dot"},
    {"circle by speed", kSet0, 4,
     MoveTsd(1, 99, 6, 360, 0, [](cEdCommand& c) { Move(c).m_nAngle = 0; }), "100.0? ◆ 円移動 ◆ 速6 角0～360"},
    {"circle by time", kSet0, 4,
     MoveTsd(0, 40, 6, 180, 0, [](cEdCommand& c) { Move(c).m_nAngle = 90; }), "40 ◆ 円移動 ◆ 時40 角90～180"},
    {"circle, speed 0", kSet0, 4, Parallel(MoveTsd(1, 99, 0, 180)), "P-0.0? ◆ 円移動 ◆ 速0 角0～180"},
    {"charge", kSet0, 5, MoveTsd(0, 10, 3, 0), "10 ◆ 突撃移動 ◆ 時10 速3"},
    {"homing", kSet0, 6, MoveTsd(2, 99, 20, 6), "8.0? ◆ 誘導移動 ◆ 速20 距6"},
    {"screen-out avoidance shows its target always", kSet0, 7, Target(1, 0, 0),
     "7 ◆ 画面外回避移動 ◆ 目標(3,4) 時7 距2"},
    {"screen-out avoidance by direction", kSet0, 7,
     MoveTsd(0, 12, 4, 0, 0, [](cEdCommand& c) { Move(c).m_nDirection = 6; }), "12 ◆ 画面外回避移動 ◆ 上 時12 速4"},
    {"move cancel", kSet0, 8, P({}, 25), "25 ◆ 移動の無効化 ◆"},
    {"turn", kSet0, 9, P({2}), "0 ◆ 向き変更 ◆ ターゲットがいる方を向く"},
    {"jump", kSet0, 10, P({0, 0, 5, 0, 0}, 30), "? ◆ ジャンプ ◆ 高さ5"},
    {"jump by key", kSet0, 10, P({1, 0, 6, 0, 2}), "? ◆ ジャンプ ◆ 高さ6"},
    {"jump by inertia, parallel", kSet0, 10, Parallel(P({2, 0, 8, 0, 3})), "P-? ◆ ジャンプ ◆ 高さ3～8"},
    {"jump of another mode", kSet0, 10, P({3, 0, 8, 0, 3}), "? ◆ ジャンプ ◆"},
    {"shot", kSet0, 11, ShotOf(2, 0, 0), "5 ◆ ショット ◆ 拡散 数3(1) 前 速8 威10 主人公を狙う"},
    {"shot with an angle", kSet0, 11, ShotOf(0, 3, 30), "5 ◆ ショット ◆ 直進A 数3(1) 右30 速8 威10 主人公を狙う"},
    {"sword", kSet0, 12,
     [](cEdCommand& c) {
         c.m_nTime = 12;
         Shot(c).m_nMoveType = 1;
         c.m_spShot->m_nPower = 20;
     },
     "12 ◆ ソード ◆ 剣 威20"},
    {"block summon, common palette", kSet0, 13, Summon(0, 0, 2), "0 ◆ ブロック召喚 ◆ 「002 岩」"},
    {"block summon or erase, stage palette", kSet0, 13, Summon(2, 1, 1), "0 ◆ ブロック召喚 ◆ 「001 石」"},
    {"block summon, no palette", kSet0, 13, Summon(0, 2, 1), "0 ◆ ブロック召喚 ◆ 「001 」"},
    {"block erase", kSet0, 13, Summon(1, 0, 2), "0 ◆ ブロック召喚 ◆ ブロックを消す"},
    {"block summon of another type", kSet0, 13, Summon(3, 0, 2), "0 ◆ ブロック召喚 ◆"},
    {"character summon", kSet0, 14, Summon(0, 1, 1), "0 ◆ キャラ召喚 ◆ 「001 スライム」"},
    {"item summon", kSet0, 15, Summon(0, 0, 3), "0 ◆ アイテム召喚 ◆ 「003 薬」"},
    {"flow operation", kSet0, 16, P({0, 0, 0}), "0 ◆ フローの操作 ◆ 開始 このフロー"},
    {"flow operation by id", kSet0, 16, P({1, 2, 3}), "0 ◆ フローの操作 ◆ 終了 IDで指定(C)"},
    {"flow change (item set)", kSet1, 1, P({0, 0}, 40), "0 ◆ フローの変更 ◆"},
    {"stage clear", kBoth, 17, P({0, 0, 0, 0, 0}, 40), "0 ◆ ステージクリア ◆"},
    {"game wait", kBoth, 18, P({50}, 40), "50 ◆ ゲームウエイト ◆"},
    {"message until a key", kBoth, 19, Parallel(Text({0, 0, 0, 0, 0, 0, 0, 40, 0, 0}, "こんにちは")),
     "? ◆ メッセージ ◆ こんにちは"},
    {"message until the stage ends", kBoth, 19, Text({0, 0, 0, 0, 0, 0, 1, 40, 0, 0}, "やあ"),
     "P-∞ ◆ メッセージ ◆ やあ"},
    {"message for a time", kBoth, 19, Parallel(Text({0, 0, 0, 0, 0, 0, 2, 40, 0, 0}, "やあ")),
     "P-40 ◆ メッセージ ◆ やあ"},
    {"message of another mode", kBoth, 19, Text({0, 0, 0, 0, 0, 0, 3, 40, 0, 0}, "やあ"), " ◆ メッセージ ◆ やあ"},
    {"warp by direction", kBoth, 20, Warp(0, 1, 0), "0 ◆ ワープ ◆ 方向と距離で指定 後 距5"},
    {"warp from the target", kBoth, 20, Warp(1, 12, 0), "0 ◆ ワープ ◆ ターゲットからの方向と距離で指定 入力方向 距5"},
    {"warp to a point", kBoth, 20, Warp(2, 0, 1), "0 ◆ ワープ ◆ 目標座標で指定 絶対座標 (10,3)"},
    {"target", kBoth, 21, P({3, 0, 0, 0, 0, 0, 0, 0, 0, 0}), "0 ◆ ターゲットの設定 ◆ キャラ(キャラIDで指定)"},
    {"status: own character variable plus a constant", kBoth, 22, Status({{2, 3}, {5, 1}, {7, 10}}),
     "0 ◆ ステータスの操作 ◆ 自分 の 「3 キャラ変数-3」を ＋ 10"},
    {"status: target's HP set to a random range, percent", kBoth, 22,
     Status({{3, 1}, {4, 1}, {6, 1}, {8, 1}, {9, 5}, {14, 1}}),
     "0 ◆ ステータスの操作 ◆ ターゲット の HP を ＝ 1～5%"},
    {"status: system score minus the target's SP", kBoth, 22,
     Status({{3, 2}, {4, 3}, {5, 2}, {6, 2}, {12, 1}, {13, 2}}),
     "0 ◆ ステータスの操作 ◆ スコア を － ターゲット の SP"},
    {"status: common variable times a stage variable", kBoth, 22,
     Status({{0, 1}, {2, 5}, {5, 3}, {6, 3}, {10, 1}, {11, 7}}),
     "0 ◆ ステータスの操作 ◆ 「005 所持金」を × 「007 鍵」"},
    {"status: stage variable by a character variable", kBoth, 22,
     Status({{0, 1}, {1, 1}, {2, 7}, {5, 4}, {6, 2}, {11, 8}}),
     "0 ◆ ステータスの操作 ◆ 「007 鍵」を ÷ 自分 の 「8 キャラ変数-8」"},
    {"status: by a system value, remainder", kBoth, 22, Status({{2, 1}, {5, 5}, {6, 2}, {12, 2}, {13, 4}}),
     "0 ◆ ステータスの操作 ◆ 自分 の 「1 キャラ変数-1」を ÷ X の余り 残り人数"},
    {"status: common variable value, percent of", kBoth, 22,
     Status({{2, 2}, {5, 6}, {6, 3}, {10, 0}, {11, 5}}),
     "0 ◆ ステータスの操作 ◆ 自分 の 「2 キャラ変数-2」を X ％ 「005 所持金」"},
    {"status: owners, scopes and sources outside their tables", kBoth, 22,
     Status({{0, 2}, {5, 0}, {6, 4}}), "0 ◆ ステータスの操作 ◆ ＝"},
    {"status: others outside", kBoth, 22, Status({{0, 0}, {3, 3}, {6, 2}, {12, 3}}), "0 ◆ ステータスの操作 ◆ ＝"},
    {"status: scopes outside", kBoth, 22, Status({{0, 1}, {1, 2}, {6, 3}, {10, 2}}), "0 ◆ ステータスの操作 ◆ ＝"},
    {"status 2: flying", kBoth, 23, P({0, 3, 2}), "0 ◆ ステータスの操作2 ◆ 自分 の 飛行 を ON (ブロックに当たる) にする"},
    {"status 2: enlargement counts from 1", kBoth, 23, P({1, 5, 3}), "0 ◆ ステータスの操作2 ◆ ターゲット の 巨大化 を ×9 にする"},
    {"status 2: scroll", kBoth, 23, P({2, 1, 1}), "0 ◆ ステータスの操作2 ◆ 縦スクロール を オートスクロール にする"},
    {"status 2: another owner", kBoth, 23, P({3, 1, 1}), "0 ◆ ステータスの操作2 ◆"},
    {"item get, stage palette", kBoth, 24, P({1, 1}, 6), "6 ◆ アイテムの取得 ◆ 「001 鍵束」"},
    {"item get, common palette", kBoth, 24, P({0, 2}), "0 ◆ アイテムの取得 ◆ 「002 盾」"},
    {"item get, no palette", kBoth, 24, P({2, 1}), "0 ◆ アイテムの取得 ◆ 「001 」"},
    {"graphic change", kBoth, 25, P({0, 1, 2}, 9), "0 ◆ グラフィックの変更 ◆"},
    {"anime set", kBoth, 26, P({1}), "0 ◆ 基本アニメセットの変更 ◆ 歩き"},
    {"anime", kBoth, 27, P({2}), "12 ◆ アニメの実行 ◆ 踊り"},
    {"anime time stops at 9999", kBoth, 27, P({3}), "9999 ◆ アニメの実行 ◆ 長い"},
    {"effect erase", kBoth, 28, Parallel(P({0, 0, 0, 0, 0, 0, 0, 0})), "P-0 ◆ ◆ エフェクトの実行 ◆ エフェクトの消去"},
    {"effect", kBoth, 28, P({2, 0, 0, 0, 0, 0, 0, 0}), "30 ◆ エフェクトの実行 ◆ 爆発"},
    {"effect time has no bound", kBoth, 28, P({3, 0, 0, 0, 0, 0, 0, 0}), "90000 ◆ エフェクトの実行 ◆ 長爆発"},
    {"character effect", kBoth, 29, P({1, 0, 0}), "5 ◆ キャラエフェクトの実行 ◆ 破裂"},
    {"character effect there and back, looped", kBoth, 29, P({1, 2, 1}),
     "10 ◆ キャラエフェクトの実行 ◆ 破裂 往復実行 ループ実行"},
    {"character effect none", kBoth, 29, P({0, 2, 1}), "0 ◆ キャラエフェクトの実行 ◆ なし"},
    {"character effect doubled past 16 bits", kBoth, 29, P({2, 2, 0}),
     "80000 ◆ キャラエフェクトの実行 ◆ 長い破裂 往復実行"},
    {"screen effect", kBoth, 30, P({1, 1, 0}), "7 ◆ 画面エフェクトの実行 ◆ 揺れ 反転実行"},
    {"picture erase", kBoth, 31, P({0, 0, 0, 0, 0, 0, 0, 0, 1, 30, 0}), "P-0 ◆ ◆ ピクチャーの表示 ◆ ピクチャーの消去"},
    {"picture until a key", kBoth, 31, Parallel(P({1, 0, 0, 0, 0, 0, 0, 0, 0, 30, 0})), "? ◆ ピクチャーの表示 ◆ 絵"},
    {"picture until the stage ends", kBoth, 31, P({1, 0, 0, 0, 0, 0, 0, 0, 1, 30, 0}), "P-∞ ◆ ピクチャーの表示 ◆ 絵"},
    {"picture for a time", kBoth, 31, P({1, 0, 0, 0, 0, 0, 0, 0, 2, 30, 0}), "30 ◆ ピクチャーの表示 ◆ 絵"},
    {"picture of another mode", kBoth, 31, P({1, 0, 0, 0, 0, 0, 0, 0, 3, 30, 0}), " ◆ ピクチャーの表示 ◆ 絵"},
    {"screen colour", kBoth, 32, P({255, 0, 128, 50, 0, 20, 0, 3}), "20 ◆ 画面の色を変更 ◆ R255 G0 B128 50%"},
    {"screen colour flashed", kBoth, 32, P({255, 0, 128, 50, 0, 20, 1, 3}),
     "60 ◆ 画面の色を変更 ◆ R255 G0 B128 50% 瞬間表示 × 3"},
    {"screen colour product past 16 bits", kBoth, 32, P({0, 0, 0, 100, 0, 999, 1, 99}),
     "98901 ◆ 画面の色を変更 ◆ R0 G0 B0 100% 瞬間表示 × 99"},
    {"screen colour restored", kBoth, 32, P({255, 0, 128, 50, 1, 20, 1, 3}), "60 ◆ 画面の色を変更 ◆ 元に戻す"},
    {"background", kBoth, 33, P({2, 2}), "0 ◆ 背景の変更 ◆ 2番 を 反転(表示⇔非表示)"},
    {"sound", kBoth, 34, P({1}), "0 ◆ 効果音の再生 ◆ 音"},
    {"music", kBoth, 35, P({1, 1}), "0 ◆ BGMの再生 ◆ 曲"},
    {"code", kBoth, 36, Parallel(Text({}, "hp = hp + 10")), "P-0 ◆ コードの実行 ◆ hp = hp + 10"},
};

TEST_F(CmdSummaryTest, EveryKindOfBothSets) {
    for (const SummaryCase& c : kCases) {
        for (int set = 0; set <= 1; ++set) {
            if ((c.sets == kSet0 && set == 1) || (c.sets == kSet1 && set == 0)) continue;
            cEdCommand cmd;
            cmd.m_nCmdSet = static_cast<int8_t>(set);
            cmd.m_nKind = static_cast<int8_t>(c.sets == kBoth && set == 1 ? c.kind - kCmd2Offset : c.kind);
            c.setup(cmd);
            EXPECT_EQ(std::string(c.text), std::string(CmdSummaryText(cmd))) << c.what << " (set " << set << ")";
        }
    }
}

// Every kind of both sets has its operation, and the tables the pages fill
// name the same operations as the set of the command does.
TEST_F(CmdSummaryTest, TablesCoverEveryKind) {
    CmdSummaryFunc flow[kCmdKindCount];
    CmdSummaryFunc item[kCmdKind2Count];
    FillCmdSummary(flow);
    FillCmdSummary2(item);
    EXPECT_EQ(nullptr, flow[0]);
    EXPECT_EQ(nullptr, item[0]);
    for (int k = 1; k < kCmdKindCount; ++k) EXPECT_NE(nullptr, flow[k]) << k;
    for (int k = 2; k < kCmdKind2Count; ++k) EXPECT_EQ(flow[k + kCmd2Offset], item[k]) << k;
    EXPECT_NE(nullptr, item[kCmd2FlowChange]);

    // An operation appends; the row text starts afresh.
    cEdCommand cmd;
    cmd.m_nKind = 1;
    cmd.m_nTime = 3;
    cString text = "前";
    flow[1](text, cmd);
    EXPECT_EQ("前3 ◆ ウエイト ◆", std::string(text));
    CmdSummaryRow(text, cmd, flow, kCmdKindCount);
    EXPECT_EQ("3 ◆ ウエイト ◆", std::string(text));
}

// Numbers from a damaged file or a table that shrank: the row is produced,
// with an empty name where the number names nothing.
TEST_F(CmdSummaryTest, NumbersOutsideTheirTables) {
    struct Case {
        const char* what;
        int set;
        int kind;
        CmdSetup setup;
        const char* text;
    };
    const Case cases[] = {
        {"kind past the flow kinds", 0, kCmdKindCount, P({}), ""},
        {"negative kind", 0, -1, P({}), ""},
        {"kind past the item kinds", 1, kCmdKind2Count, P({}), ""},
        {"negative item kind", 1, -5, P({}), ""},
        {"move without its record", 0, 2, P({}, 5), "5 ◆ 直線移動 ◆"},
        {"circle without its record", 0, 4, P({}, 5), "5 ◆ 円移動 ◆"},
        {"shot without its record", 0, 11, P({}, 5), "5 ◆ ショット ◆"},
        {"summon without its record", 0, 13, P({}, 5), "5 ◆ ブロック召喚 ◆"},
        {"warp without its record", 0, 20, P({}), "0 ◆ ワープ ◆"},
        {"direction and turn past their tables", 0, 2,
         MoveTsd(0, 1, 2, 0, 0, [](cEdCommand& c) { Move(c).m_nDirection = 13; }), "1 ◆ 直線移動 ◆  時1 速2"},
        {"turn past its table", 0, 9, P({6}), "0 ◆ 向き変更 ◆ "},
        {"negative turn", 0, 9, P({-1}), "0 ◆ 向き変更 ◆ "},
        {"shot tables", 0, 11,
         [](cEdCommand& c) {
             ShotOf(6, -1, 0)(c);
             c.m_spShot->m_nMoveType = 10;
         },
         "5 ◆ ショット ◆  数3(1)  速8 威10 "},
        {"sword type past its table", 0, 12, [](cEdCommand& c) { Shot(c).m_nMoveType = 2; }, "0 ◆ ソード ◆  威0"},
        {"palette entry past the palette", 0, 14, Summon(0, 0, 3), "0 ◆ キャラ召喚 ◆ 「003 」"},
        {"negative palette entry", 0, 15, Summon(0, 1, -5), "0 ◆ アイテム召喚 ◆ 「-005 」"},
        {"flow tables", 0, 16, P({6, 2, 27}), "0 ◆ フローの操作 ◆  IDで指定()"},
        {"warp tables", 0, 20, Warp(2, 0, 3), "0 ◆ ワープ ◆ 目標座標で指定  (10,3)"},
        {"warp mode past its table", 0, 20, Warp(3, 0, 0), "0 ◆ ワープ ◆ "},
        {"target past its table", 0, 21, P({4}), "0 ◆ ターゲットの設定 ◆ "},
        {"character variable 0", 0, 22, Status({{2, 0}, {7, 1}}), "0 ◆ ステータスの操作 ◆ 自分 の 「」を ＝ 1"},
        {"character variable 9", 0, 22, Status({{2, 9}, {7, 1}}), "0 ◆ ステータスの操作 ◆ 自分 の 「」を ＝ 1"},
        {"status, calculation and system value past their tables", 0, 22,
         Status({{3, 0}, {4, 15}, {5, 7}, {6, 2}, {12, 2}, {13, 5}}), "0 ◆ ステータスの操作 ◆ 自分 の  を  "},
        {"variables past their tables", 0, 22, Status({{0, 1}, {2, 6}, {6, 3}, {10, 1}, {11, 300}}),
         "0 ◆ ステータスの操作 ◆ 「006 」を ＝ 「300 」"},
        {"a command with fewer parameters than its kind", 0, 22, P({}), "0 ◆ ステータスの操作 ◆ 自分 の 「」を ＝ 0"},
        {"state flag past its table", 0, 23, P({0, 7, 0}), "0 ◆ ステータスの操作2 ◆ 自分 の  を  にする"},
        {"choice past the state's choices", 0, 23, P({0, 0, 1}), "0 ◆ ステータスの操作2 ◆ 自分 の 消滅 を  にする"},
        {"enlargement value 0", 0, 23, P({0, 5, 0}), "0 ◆ ステータスの操作2 ◆ 自分 の 巨大化 を  にする"},
        {"scroll entry past its table", 1, 8, P({2, 2, 0}), "0 ◆ ステータスの操作2 ◆  を  にする"},
        {"item entry past the palette", 0, 24, P({1, 2}), "0 ◆ アイテムの取得 ◆ 「002 」"},
        {"database records past their tables", 0, 26, P({2}), "0 ◆ 基本アニメセットの変更 ◆ "},
        {"anime past its table", 0, 27, P({5}), "0 ◆ アニメの実行 ◆ "},
        {"anime time of 16-bit overflow", 0, 27, P({4}), "9999 ◆ アニメの実行 ◆ 重い"},
        {"effect past its table", 0, 28, P({-1}), "0 ◆ エフェクトの実行 ◆ "},
        {"character effect past its table", 0, 29, P({3, 3, 0}), "0 ◆ キャラエフェクトの実行 ◆  "},
        {"screen effect past its table", 1, 15, P({-2, 0, 0}), "0 ◆ 画面エフェクトの実行 ◆ "},
        {"picture past its table", 0, 31, P({2, 0, 0, 0, 0, 0, 0, 0, 2, 1, 0}), "1 ◆ ピクチャーの表示 ◆ "},
        {"background past its table", 0, 33, P({1, 3}), "0 ◆ 背景の変更 ◆ 1番 を "},
        {"sound and music past their tables", 0, 34, P({9}), "0 ◆ 効果音の再生 ◆ "},
        {"music past its table", 0, 35, P({9, 0}), "0 ◆ BGMの再生 ◆ "},
    };
    for (const Case& c : cases) {
        cEdCommand cmd;
        cmd.m_nCmdSet = static_cast<int8_t>(c.set);
        cmd.m_nKind = static_cast<int8_t>(c.kind);
        c.setup(cmd);
        EXPECT_EQ(std::string(c.text), std::string(CmdSummaryText(cmd))) << c.what;
    }
}

// Empty tables: the database records and palette entries of a project not
// yet loaded.
TEST_F(CmdSummaryTest, EmptyProject) {
    g_Database = cEdDatabase();
    g_Database.m_CharaEffect.clear();
    g_Database.m_Anime.clear();
    g_GValInfo.clear();
    g_Stage.m_Vars.clear();
    g_CommonPalette.m_Items.clear();
    cEdCommand cmd;
    cmd.m_nKind = kCmdCharaEffect;
    Params(cmd, {0, 2, 0});
    EXPECT_EQ("0 ◆ キャラエフェクトの実行 ◆ なし", std::string(CmdSummaryText(cmd)));
    cmd.m_nKind = kCmdAnime;
    Params(cmd, {0});
    EXPECT_EQ("0 ◆ アニメの実行 ◆ ", std::string(CmdSummaryText(cmd)));
    cmd.m_nKind = kCmdStatusOp;
    cmd.m_Params.assign(18, 0);
    cmd.m_Params[0] = 1;
    cmd.m_Params[2] = 1;
    EXPECT_EQ("0 ◆ ステータスの操作 ◆ 「001 」を ＝ 0", std::string(CmdSummaryText(cmd)));
    cmd.m_nKind = kCmdGetItem;
    Params(cmd, {0, 0});
    EXPECT_EQ("0 ◆ アイテムの取得 ◆ 「000 」", std::string(CmdSummaryText(cmd)));
}

TEST(CmdWords, Tables) {
    struct Case {
        const char* const* table;
        int count;
        int index;
        const char* word;
    };
    const Case cases[] = {
        {g_ChaVarNames, 8, 0, "1 キャラ変数-1"}, {g_ChaVarNames, 8, 7, "8 キャラ変数-8"},
        {g_CalcWord, 7, 0, "＝"},                {g_CalcWord, 7, 5, "÷ X の余り"},
        {g_CalcWord, 7, 6, "X ％"},              {g_CompareWord, 6, 0, "である"},
        {g_CompareWord, 6, 5, "より下"},          {g_CondThenWord, 2, 1, "でないなら"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.count, TableCount(c.table));
        EXPECT_STREQ(c.word, TableWord(c.table, c.index));
        EXPECT_STREQ("", TableWord(c.table, c.count));
        EXPECT_STREQ("", TableWord(c.table, -1));
    }
}

}  // namespace
