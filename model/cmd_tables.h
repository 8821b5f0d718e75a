// Option tables of flows, conditions, commands, moves and shots.
//
// A stored value is an index into its table. String tables end with an empty
// string; the kind tables and the condition kind table begin with an empty
// entry 0 instead and are read by their counts. Every table is built before
// the application starts and never changes.
#pragma once

#include <cstdint>

#include "base/containers.h"
#include "base/str.h"

// {name, number of integer parameters} of a command kind.
struct cCmdKindEntry {
    cString m_Name;
    int32_t m_nParams;
};

// A character (or system) status: the range of the status itself, the range
// that the constant and random-range edits take for it, and whether "％で指定"
// is offered in conditions and in operations.
struct cStatusEntry {
    cString m_Name;
    int32_t m_nMin;
    int32_t m_nMax;
    int32_t m_nOperandMin;
    int32_t m_nOperandMax;
    int32_t m_nReserved;
    int32_t m_bPercentCond;
    int32_t m_bPercentOp;
};

// A state flag: the value stored for choice i is m_nFirst + i.
struct cStateEntry {
    cStateEntry(const char* name, int32_t first, int32_t last, const char* const* choices, int32_t extra);
    cString m_Name;
    int32_t m_nFirst;
    int32_t m_nLast;
    cVector<cString> m_Choices;
    int32_t m_nExtra;  // 1 for the enlargement, else 0
};

// {label, minimum, maximum, default} of one parameter of a shot pattern or
// flight kind; an empty label means the parameter is not used.
struct cParamRow {
    const char* m_Label;
    int16_t m_nMin;
    int16_t m_nMax;
    int16_t m_nDefault;
};

// Number of entries of a string table, the end marker not counted.
int TableCount(const char* const* table);

// ---------------------------------------------------------------------------
// Command kinds

const int kCmdKindCount = 37;
const int kCmdKind2Count = 22;
extern const cCmdKindEntry g_CmdKind[kCmdKindCount];
extern const cCmdKindEntry g_CmdKind2[kCmdKind2Count];

// Kinds of character flows (g_CmdKind) that the records treat specially.
enum eCmdKind {
    kCmdNone = 0,
    kCmdMoveFirst = 2,      // "直線移動" .. "移動の無効化"
    kCmdMoveLast = 8,
    kCmdShot = 11,
    kCmdSword = 12,
    kCmdSummonBlock = 13,
    kCmdSummonChara = 14,
    kCmdSummonItem = 15,
    kCmdFlowOp = 16,
    kCmdStageClear = 17,
    kCmdWarp = 20,
    kCmdTarget = 21,
    kCmdStatusOp = 22,
    kCmdStatusOp2 = 23,
    kCmdGetItem = 24,
    kCmdGraphic = 25,
    kCmdAnimeSet = 26,
    kCmdAnime = 27,
    kCmdEffect = 28,
    kCmdCharaEffect = 29,
    kCmdScrEffect = 30,
    kCmdPicture = 31,
    kCmdSound = 34,
    kCmdBgm = 35,
};

// Item effect kind 1 "フローの変更" has no counterpart; kinds 2 .. 21 are the
// character-flow kinds 17 .. 36.
const int kCmd2FlowChange = 1;
const int kCmd2Offset = 15;

// ---------------------------------------------------------------------------
// Conditions, key conditions and flows

const int kCondKindCount = 8;
extern const char* const g_CondKind[kCondKindCount];
enum eCondKind {
    kCondCommonVar = 1,
    kCondStageVar = 2,
    kCondCharaVar = 3,
    kCondStatus = 4,
    kCondStatus2 = 5,
    kCondStatus3 = 6,
    kCondDistance = 7,
};
extern const char* const g_CondJudge[];
extern const char* const g_DistAxis[];
extern const char* const g_DistRange[];
extern const char* const g_StateCondKind[];
extern const char* const g_KeyRule[];
extern const char* const g_KeyState[];
extern const char* const g_FlowIdName[];
extern const char* const g_FlowGroupName[];
extern const char* const g_FlowTiming[];

const int kKeyStateCount = 19;  // key states of a key condition

// ---------------------------------------------------------------------------
// Status and state tables, and the choices of the command pages

extern const char* const g_WhoSelf2[];
extern const char* const g_WhoSelf3[];
extern const char* const g_WhoPlayer2[];
extern const char* const g_WhoPlayer3[];
extern const char* const g_OperandKind[];
extern const char* const g_ValueSource[];
extern const char* const g_VarScope[];
extern const char* const g_CalcMode[];
extern const char* const g_OnOnly[];
extern const char* const g_FlowOp[];
extern const char* const g_FlowOpTarget[];
extern const char* const g_StageClearMode[];
extern const char* const g_MessagePos[];
extern const char* const g_MessageDuration[];
extern const char* const g_TargetSelect[];
extern const char* const g_TargetRange[];
extern const char* const g_ItemPalette[];
extern const char* const g_ItemPaletteCommon[];
extern const char* const g_PicturePos[];
extern const char* const g_PictureDuration[];
extern const char* const g_ExecMode[];
extern const char* const g_ShowMode[];

// "whose" value: the owner, the target, or the system (whose tables replace
// the character ones).
const int kWhoSystem = 2;
const int kOperandStatus = 0;
const int kSourceStatus = 2;

const int kCharaStatusCount = 15;
const int kSystemValueCount = 5;
const int kStateFlagCount = 7;
const int kScrollStatusCount = 2;
extern const cStatusEntry g_CharaStatus[kCharaStatusCount];
extern const cStatusEntry g_SystemValue[kSystemValueCount];
extern const cStateEntry g_StateFlag[kStateFlagCount];
// Built at start-up by InitScrollStatusTable (and already when the program is
// loaded, so that it is never empty).
extern cStateEntry g_ScrollStatus[kScrollStatusCount];
void InitScrollStatusTable();

// The status entry of an item of an owner: the system's own entry
// ("時間" -999..999, the scroll speeds -480..480, ...) for the system, else
// the character status at that index; null outside the tables. Status
// conditions and status operations take their operand ranges and percent
// choices from it.
const cStatusEntry* StatusEntryOf(int who, int item);

// The choice tables of the status, item get and graphic change command
// pages under their page names (the same tables as above).
const char* const* const g_StatusSideName = g_OperandKind;      // "ステータス", "変数"
const char* const* const g_StatusOwnerName = g_WhoSelf3;        // "自分", "ターゲット", "システム"
const char* const* const g_VarScopeName = g_VarScope;           // "コモン変数", "ステージ変数"
const char* const* const g_ValueSourceName = g_ValueSource;     // "定数", "乱数", "ステータス", "変数"
const char* const* const g_PercentModeName = g_CalcMode;        // "通常の計算", ...
const char* const* const g_ItemGetPaletteAll = g_ItemPalette;   // "コモンパレット", "ステージパレット"
const char* const* const g_ItemGetPaletteCommon = g_ItemPaletteCommon;  // "コモンパレット"

// Entries that later versions inserted: older files store the indexes of the
// entries behind them one lower. In today's numbering, version 168 inserted
// the character status now at 11 (at 10 of its own table), version 203 the
// one at 5, and version 210 the state flag at 6.
const int kStatusInsertedAt168 = 10;
const int kStatusInsertedAt203 = 5;
const int kStateInsertedAt210 = 6;

// ---------------------------------------------------------------------------
// Moves and shots

extern const char* const g_MoveDirMode[];
extern const char* const g_WarpMode[];
extern const char* const g_MoveDir[];
extern const char* const g_MoveTargetCoord[];
extern const char* const g_WarpTargetCoord[];
extern const char* const g_CircleRotation[];
extern const char* const g_MoveTimingMode[];
extern const char* const g_CircleTimingMode[];
extern const char* const g_DistanceUnit[];
extern const char* const g_TurnKind[];
extern const char* const g_JumpHeightMode[];
extern const char* const g_ShotPattern[];
extern const char* const g_ShotAim[];
extern const char* const g_BlockSummonMode[];
extern const char* const g_SummonPalette[];
extern const char* const g_SummonPaletteCommon[];
extern const char* const g_SummonFaction[];

const int kShotPatternParamRows = 18;
const int kShotAimParamRows = 30;
extern const cParamRow g_ShotPatternParam[kShotPatternParamRows];
extern const cParamRow g_ShotAimParam[kShotAimParamRows];

// The highest shot graphic number.
const int kMaxShotGraphic = 119;

// ---------------------------------------------------------------------------
// Presentation pages: their option tables, the same rows as g_PicturePos,
// g_ExecMode, g_PictureDuration and g_ShowMode.

extern const char* const* const g_DispPosName;
extern const char* const* const g_ExecTypeName;
extern const char* const* const g_DispTimeName;
extern const char* const* const g_BackShowName;
