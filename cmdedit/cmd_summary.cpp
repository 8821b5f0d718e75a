#include "cmdedit/cmd_summary.h"

#include <cstdint>
#include <cstdarg>

#include "cmdedit/cmd_words.h"
#include "model/database.h"
#include "model/palette.h"
#include "model/stage.h"

namespace {

// ---------------------------------------------------------------------------
// Reading the command and the tables it names

// Parameter n of the command; 0 when the command holds fewer.
int32_t Param(const cEdCommand& cmd, int n) {
    return (n >= 0 && static_cast<size_t>(n) < cmd.m_Params.size()) ? cmd.m_Params.data()[n] : 0;
}

template <class T>
const T* EntryAt(const cVector<T>& v, int64_t index) {
    if (index < 0 || static_cast<uint64_t>(index) >= v.size()) return nullptr;
    return &v.data()[index];
}

// The name of record index of a vector; "" when there is none.
template <class T>
const char* NameAt(const cVector<T>& v, int64_t index) {
    const T* e = EntryAt(v, index);
    return e ? e->m_Name.CStr() : "";
}

const char* StatusName(const cStatusEntry* table, int count, int index) {
    return (index >= 0 && index < count) ? table[index].m_Name.CStr() : "";
}

const cStateEntry* StateAt(const cStateEntry* table, int count, int index) {
    return (index >= 0 && index < count) ? &table[index] : nullptr;
}

const char* ChoiceAt(const cStateEntry* e, int64_t index) {
    if (!e || index < 0 || static_cast<uint64_t>(index) >= e->m_Choices.size()) return "";
    return e->m_Choices.data()[index].CStr();
}

// A character variable number 1 .. 8 names entry v - 1.
const char* ChaVarName(int32_t v) {
    return TableWord(g_ChaVarNames, v > 0 ? v - 1 : -1);
}

// A number in decimal with at least digits digits, zero-padded ("005",
// "-005").
cString DecimalText(int64_t value, int digits) {
    uint64_t mag = value < 0 ? 0u - static_cast<uint64_t>(value) : static_cast<uint64_t>(value);
    char buf[32];
    int n = 0;
    do {
        buf[n++] = static_cast<char>('0' + mag % 10);
        mag /= 10;
    } while (mag != 0);
    while (n < digits) buf[n++] = '0';
    if (value < 0) buf[n++] = '-';
    cString text;
    while (n > 0) text += buf[--n];
    return text;
}

cString Num3(int64_t value) {
    return DecimalText(value, 3);
}

// Palette 0 the common palette, 1 the stage palette, anything else none.
enum eSummaryObj { kSumBlock, kSumChara, kSumItem };

const char* PaletteName(int32_t palette, eSummaryObj obj, int32_t index) {
    if (palette == 0) {
        if (obj == kSumBlock) return NameAt(g_CommonPalette.m_Blocks, index);
        if (obj == kSumChara) return NameAt(g_CommonPalette.m_Charas, index);
        return NameAt(g_CommonPalette.m_Items, index);
    }
    if (palette == 1) {
        if (obj == kSumBlock) return NameAt(g_Stage.m_PalBlocks, index);
        if (obj == kSumChara) return NameAt(g_Stage.m_PalCharas, index);
        return NameAt(g_Stage.m_PalItems, index);
    }
    return "";
}

// " 「NNN name」" of a palette entry.
void AppendEntry(cString& text, int32_t palette, eSummaryObj obj, int32_t index) {
    StrPrintf(&text, " 「%s %s」", Num3(index).CStr(), PaletteName(palette, obj, index));
}

// " 「NNN name」" of a common (scope 0) or stage (scope 1) variable; nothing
// for another scope.
void AppendVariable(cString& text, int32_t scope, int32_t index, const char* tail) {
    if (scope == 0) {
        StrPrintf(&text, " 「%s %s」%s", Num3(index).CStr(), NameAt(g_GValInfo, index), tail);
    } else if (scope == 1) {
        StrPrintf(&text, " 「%s %s」%s", Num3(index).CStr(), NameAt(g_Stage.m_Vars, index), tail);
    }
}

// ---------------------------------------------------------------------------
// The parts of a line

// Times are computed in 64 bits and written whole: sums of frame times and
// products of parameters can pass what 16 bits hold.
void AppendTimePrefix(cString& text, const cEdCommand& cmd, int64_t value) {
    StrPrintf(&text, cmd.m_bParallel == 1 ? "P-%s" : "%s", DecimalText(value, 1).CStr());
}

void AppendTimeText(cString& text, const cEdCommand& cmd, const char* fmt, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 3, 4)))
#endif
    ;

void AppendTimeText(cString& text, const cEdCommand& cmd, const char* fmt, ...) {
    char buf[256];
    va_list ap;
    va_start(ap, fmt);
    FormatBounded(buf, sizeof buf, fmt, ap);
    va_end(ap);
    StrPrintf(&text, cmd.m_bParallel == 1 ? "P-%s" : "%s", buf);
}

void AppendKindName(cString& text, const cEdCommand& cmd) {
    const int kind = cmd.m_nKind;
    const char* name = "";
    if (cmd.m_nCmdSet == 0) {
        if (kind >= 0 && kind < kCmdKindCount) name = g_CmdKind[kind].m_Name.CStr();
    } else if (kind >= 0 && kind < kCmdKind2Count) {
        name = g_CmdKind2[kind].m_Name.CStr();
    }
    StrPrintf(&text, " ◆ %s", name);
}

void AppendSeparator(cString& text) {
    text += " ◆";
}

// The prefix, the kind name and the separator before the parameter text.
void AppendHead(cString& text, const cEdCommand& cmd, int64_t time) {
    AppendTimePrefix(text, cmd, time);
    AppendKindName(text, cmd);
    AppendSeparator(text);
}

// Head of a kind whose prefix is a fixed text or a formatted time: prefix
// already appended.
void AppendNameAndSeparator(cString& text, const cEdCommand& cmd) {
    AppendKindName(text, cmd);
    AppendSeparator(text);
}

// ---------------------------------------------------------------------------
// Moves

// Estimated time of a move given by speed and distance.
double EstimateMoveTime(const cEdMove& m) {
    const int16_t speed = m.m_nSpeed;
    if (speed == 0) return 0.0;
    const int32_t d = m.m_nDistanceUnit == 1 ? m.m_nDistance : m.m_nDistance * 16;
    return d / (speed / 10.0) / 6.0;
}

double EstimateCircleTime(const cEdMove& m) {
    const int16_t speed = m.m_nSpeed;
    if (speed == 0) return 0.0;
    const int32_t arc = static_cast<int32_t>(m.m_nDistance) - m.m_nAngle;
    return arc / static_cast<double>(speed) * 10.0 / 6.0;
}

// Time prefix of the moves 2, 3, 5, 6 and 7.
void AppendMoveHead(cString& text, const cEdCommand& cmd) {
    if (cmd.m_spMove && cmd.m_spMove->m_nSetType == 2) {
        AppendTimeText(text, cmd, "%0.1lf?", EstimateMoveTime(*cmd.m_spMove));
        AppendNameAndSeparator(text, cmd);
    } else {
        AppendHead(text, cmd, cmd.m_nTime);
    }
}

// Time, speed and distance of a move, by its set type.
void AppendTsd(cString& text, const cEdCommand& cmd, const cEdMove& m) {
    switch (m.m_nSetType) {
    case 0:
        StrPrintf(&text, " 時%d 速%d", cmd.m_nTime, m.m_nSpeed);
        break;
    case 1:
        StrPrintf(&text, " 時%d 距%d", cmd.m_nTime, m.m_nDistance);
        if (m.m_nDistanceUnit == 1) text += "dot";
        break;
    case 2:
        StrPrintf(&text, " 速%d 距%d", m.m_nSpeed, m.m_nDistance);
        if (m.m_nDistanceUnit == 1) text += "dot";
        break;
    default:
        break;
    }
}

// Direction or target of a straight move; the screen-out avoidance shows its
// target whatever the two flags say.
void AppendDirection(cString& text, const cEdMove& m, bool bothTargets) {
    if (m.m_nDirMode == 0) {
        StrPrintf(&text, " %s", TableWord(g_MoveDir, m.m_nDirection));
        if (m.m_nAngle != 0) StrPrintf(&text, "%d", m.m_nAngle);
    } else if (m.m_nDirMode == 1) {
        if (bothTargets || (m.m_bTargetX && m.m_bTargetY)) {
            StrPrintf(&text, " 目標(%d,%d)", m.m_nTargetX, m.m_nTargetY);
        } else if (m.m_bTargetX) {
            StrPrintf(&text, " 目標(%d,-)", m.m_nTargetX);
        } else if (m.m_bTargetY) {
            StrPrintf(&text, " 目標(-,%d)", m.m_nTargetY);
        } else {
            text += " 目標(-,-)";
        }
    }
}

// ---------------------------------------------------------------------------
// The operations by kind

void SumWait(cString& text, const cEdCommand& cmd) {
    AppendHead(text, cmd, cmd.m_nTime);
}

void SumStraight(cString& text, const cEdCommand& cmd) {
    AppendMoveHead(text, cmd);
    if (!cmd.m_spMove) return;
    AppendDirection(text, *cmd.m_spMove, false);
    AppendTsd(text, cmd, *cmd.m_spMove);
}

void SumMoveTsd(cString& text, const cEdCommand& cmd) {
    AppendMoveHead(text, cmd);
    if (cmd.m_spMove) AppendTsd(text, cmd, *cmd.m_spMove);
}

void SumCircle(cString& text, const cEdCommand& cmd) {
    const cEdMove* m = cmd.m_spMove.get();
    if (m && m->m_nSetType == 1) {
        AppendTimeText(text, cmd, "%0.1lf?", EstimateCircleTime(*m));
        AppendNameAndSeparator(text, cmd);
    } else {
        AppendHead(text, cmd, cmd.m_nTime);
    }
    if (!m) return;
    if (m->m_nSetType == 0) {
        StrPrintf(&text, " 時%d", cmd.m_nTime);
    } else if (m->m_nSetType == 1) {
        StrPrintf(&text, " 速%d", m->m_nSpeed);
    }
    StrPrintf(&text, " 角%d～%d", m->m_nAngle, m->m_nDistance);
}

void SumAvoid(cString& text, const cEdCommand& cmd) {
    AppendMoveHead(text, cmd);
    if (!cmd.m_spMove) return;
    AppendDirection(text, *cmd.m_spMove, true);
    AppendTsd(text, cmd, *cmd.m_spMove);
}

void SumTurn(cString& text, const cEdCommand& cmd) {
    AppendHead(text, cmd, cmd.m_nTime);
    StrPrintf(&text, " %s", TableWord(g_TurnKind, Param(cmd, 0)));
}

void SumJump(cString& text, const cEdCommand& cmd) {
    AppendTimeText(text, cmd, "?");
    AppendNameAndSeparator(text, cmd);
    const int32_t mode = Param(cmd, 0);
    if (mode == 0 || mode == 1) {
        StrPrintf(&text, " 高さ%d", Param(cmd, 2));
    } else if (mode == 2) {
        StrPrintf(&text, " 高さ%d～%d", Param(cmd, 4), Param(cmd, 2));
    }
}

void SumShot(cString& text, const cEdCommand& cmd) {
    AppendHead(text, cmd, cmd.m_nTime);
    if (!cmd.m_spShot) return;
    const cEdShot& s = *cmd.m_spShot;
    StrPrintf(&text, " %s 数%d(%d)", TableWord(g_ShotPattern, s.m_nFormation), s.m_nCount, s.m_nClones);
    StrPrintf(&text, " %s", TableWord(g_MoveDir, s.m_nDirection));
    if (s.m_nAngle != 0) StrPrintf(&text, "%d", s.m_nAngle);
    StrPrintf(&text, " 速%d 威%d %s", s.m_nSpeed, s.m_nPower, TableWord(g_ShotAim, s.m_nMoveType));
}

void SumSword(cString& text, const cEdCommand& cmd) {
    AppendHead(text, cmd, cmd.m_nTime);
    if (!cmd.m_spShot) return;
    const cEdShot& s = *cmd.m_spShot;
    StrPrintf(&text, " %s 威%d", NameAt(g_Database.m_SwordType, s.m_nMoveType), s.m_nPower);
}

void SumSummonBlock(cString& text, const cEdCommand& cmd) {
    AppendHead(text, cmd, cmd.m_nTime);
    if (!cmd.m_spShot) return;
    const cEdShot& s = *cmd.m_spShot;
    if (s.m_nSummonType == 0 || s.m_nSummonType == 2) {
        AppendEntry(text, s.m_nSummonPalette, kSumBlock, s.m_nSummonIndex);
    } else if (s.m_nSummonType == 1) {
        text += " ブロックを消す";
    }
}

void SumSummonChara(cString& text, const cEdCommand& cmd) {
    AppendHead(text, cmd, cmd.m_nTime);
    if (cmd.m_spShot) AppendEntry(text, cmd.m_spShot->m_nSummonPalette, kSumChara, cmd.m_spShot->m_nSummonIndex);
}

void SumSummonItem(cString& text, const cEdCommand& cmd) {
    AppendHead(text, cmd, cmd.m_nTime);
    if (cmd.m_spShot) AppendEntry(text, cmd.m_spShot->m_nSummonPalette, kSumItem, cmd.m_spShot->m_nSummonIndex);
}

void SumFlowOp(cString& text, const cEdCommand& cmd) {
    AppendHead(text, cmd, 0);
    StrPrintf(&text, " %s %s", TableWord(g_FlowOp, Param(cmd, 0)), TableWord(g_FlowOpTarget, Param(cmd, 1)));
    if (Param(cmd, 1) == 2) StrPrintf(&text, "(%s)", TableWord(g_FlowIdName, Param(cmd, 2)));
}

// Kinds whose line is the head with time 0 and nothing after it:
// "フローの変更", "ステージクリア", "グラフィックの変更".
void SumZero(cString& text, const cEdCommand& cmd) {
    AppendHead(text, cmd, 0);
}

void SumGameWait(cString& text, const cEdCommand& cmd) {
    AppendHead(text, cmd, Param(cmd, 0));
}

// The prefix of a display mode: until a key ("?"), until the stage ends
// ("P-∞"), for a time, or none.
void AppendDisplayHead(cString& text, const cEdCommand& cmd, int32_t mode, int32_t time) {
    if (mode == 0) {
        text += "?";
    } else if (mode == 1) {
        text += "P-∞";
    } else if (mode == 2) {
        AppendTimePrefix(text, cmd, time);
    }
    AppendNameAndSeparator(text, cmd);
}

void SumMessage(cString& text, const cEdCommand& cmd) {
    AppendDisplayHead(text, cmd, Param(cmd, 6), Param(cmd, 7));
    StrPrintf(&text, " %s", cmd.m_Text.CStr());
}

void SumWarp(cString& text, const cEdCommand& cmd) {
    AppendHead(text, cmd, 0);
    if (!cmd.m_spMove) return;
    const cEdMove& m = *cmd.m_spMove;
    StrPrintf(&text, " %s", TableWord(g_WarpMode, m.m_nDirMode));
    if (m.m_nDirMode == 0 || m.m_nDirMode == 1) {
        StrPrintf(&text, " %s 距%d", TableWord(g_MoveDir, m.m_nDirection), m.m_nDistance);
    } else if (m.m_nDirMode == 2) {
        StrPrintf(&text, " %s (%d,%d)", TableWord(g_WarpTargetCoord, m.m_nTargetType), m.m_nTargetX, m.m_nTargetY);
    }
}

void SumTarget(cString& text, const cEdCommand& cmd) {
    AppendHead(text, cmd, 0);
    StrPrintf(&text, " %s", TableWord(g_TargetSelect, Param(cmd, 0)));
}

// A character variable or status of the owner who (0 or 1; owners is the
// owner table of that place), or a system value (who 2). The changed side
// (object) is followed by "を".
void AppendStatusRef(cString& text, int32_t who, int32_t var, int32_t item, const char* const* owners, bool object) {
    if (who == 0 || who == 1) {
        if (item == 0) {
            StrPrintf(&text, " %s の 「%s」%s", TableWord(owners, who), ChaVarName(var), object ? "を" : "");
        } else {
            StrPrintf(&text, " %s の %s%s", TableWord(owners, who),
                      StatusName(g_CharaStatus, kCharaStatusCount, item), object ? " を" : "");
        }
    } else if (who == 2) {
        StrPrintf(&text, " %s%s", StatusName(g_SystemValue, kSystemValueCount, item), object ? " を" : "");
    }
}

void SumStatus(cString& text, const cEdCommand& cmd) {
    AppendHead(text, cmd, 0);
    auto p = [&cmd](int n) { return Param(cmd, n); };
    // What is changed.
    if (p(0) == 0) {
        AppendStatusRef(text, p(3), p(2), p(4), g_WhoSelf2, true);
    } else if (p(0) == 1) {
        AppendVariable(text, p(1), p(2), "を");
    }
    // The calculation.
    StrPrintf(&text, " %s", TableWord(g_CalcWord, p(5)));
    // The value.
    switch (p(6)) {
    case 0:
        StrPrintf(&text, " %d", p(7));
        break;
    case 1:
        StrPrintf(&text, " %d～%d", p(8), p(9));
        break;
    case 2:
        // a character variable's owner from the two-owner table, a status's
        // from the three-owner one
        AppendStatusRef(text, p(12), p(11), p(13), p(13) == 0 ? g_WhoSelf2 : g_WhoSelf3, false);
        break;
    case 3:
        AppendVariable(text, p(10), p(11), "");
        break;
    default:
        break;
    }
    if (p(14) != 0) text += "%";
}

void SumStatus2(cString& text, const cEdCommand& cmd) {
    AppendHead(text, cmd, 0);
    const int32_t who = Param(cmd, 0);
    const int32_t item = Param(cmd, 1);
    const int32_t value = Param(cmd, 2);
    if (who == 0 || who == 1) {
        const cStateEntry* e = StateAt(g_StateFlag, kStateFlagCount, item);
        StrPrintf(&text, " %s の %s を", TableWord(g_WhoSelf3, who), e ? e->m_Name.CStr() : "");
        // the enlargement's values start at 1
        StrPrintf(&text, " %s にする", ChoiceAt(e, item == 5 ? static_cast<int64_t>(value) - 1 : value));
    } else if (who == 2) {
        const cStateEntry* e = StateAt(g_ScrollStatus, kScrollStatusCount, item);
        StrPrintf(&text, " %s を %s にする", e ? e->m_Name.CStr() : "", ChoiceAt(e, value));
    }
}

void SumGetItem(cString& text, const cEdCommand& cmd) {
    AppendHead(text, cmd, cmd.m_nTime);
    AppendEntry(text, Param(cmd, 0), kSumItem, Param(cmd, 1));
}

void SumAnimeSet(cString& text, const cEdCommand& cmd) {
    AppendHead(text, cmd, 0);
    StrPrintf(&text, " %s", NameAt(g_Database.m_AnimeSet, Param(cmd, 0)));
}

void SumAnime(cString& text, const cEdCommand& cmd) {
    int64_t sum = 0;
    if (const cEdAnime* a = EntryAt(g_Database.m_Anime, Param(cmd, 0))) {
        for (const cEdAnimeFrame& f : a->m_Frames) {
            sum += f.m_Time;
            if (sum > 9999) sum = 9999;
        }
    }
    AppendHead(text, cmd, sum);
    StrPrintf(&text, " %s", NameAt(g_Database.m_Anime, Param(cmd, 0)));
}

void SumEffect(cString& text, const cEdCommand& cmd) {
    if (Param(cmd, 0) == 0) {
        text += "P-0 ◆";
        AppendNameAndSeparator(text, cmd);
        text += " エフェクトの消去";
        return;
    }
    int64_t sum = 0;
    if (const cEdEffect* e = EntryAt(g_Database.m_Effect, Param(cmd, 0))) {
        for (const cEdEffectFrame& f : e->m_Frames) sum += f.m_Time;
    }
    AppendHead(text, cmd, sum);
    StrPrintf(&text, " %s", NameAt(g_Database.m_Effect, Param(cmd, 0)));
}

template <class T>
void SumKindEffect(cString& text, const cEdCommand& cmd, const cVector<T>& table) {
    const T* e = EntryAt(table, Param(cmd, 0));
    int64_t time = e ? e->m_Param[0] : 0;
    if (Param(cmd, 1) == 2) time *= 2;  // there and back
    AppendHead(text, cmd, time);
    if (Param(cmd, 0) == 0) {
        text += " なし";
        return;
    }
    StrPrintf(&text, " %s", e ? e->m_Name.CStr() : "");
    if (Param(cmd, 1) != 0) StrPrintf(&text, " %s", TableWord(g_ExecMode, Param(cmd, 1)));
    if (Param(cmd, 2) != 0) text += " ループ実行";
}

void SumCharaEffect(cString& text, const cEdCommand& cmd) {
    SumKindEffect(text, cmd, g_Database.m_CharaEffect);
}

void SumScrEffect(cString& text, const cEdCommand& cmd) {
    SumKindEffect(text, cmd, g_Database.m_ScrEffect);
}

void SumPicture(cString& text, const cEdCommand& cmd) {
    if (Param(cmd, 0) == 0) {
        text += "P-0 ◆";
        AppendNameAndSeparator(text, cmd);
        text += " ピクチャーの消去";
        return;
    }
    AppendDisplayHead(text, cmd, Param(cmd, 8), Param(cmd, 9));
    StrPrintf(&text, " %s", NameAt(g_Database.m_Picture, Param(cmd, 0)));
}

void SumScreenColour(cString& text, const cEdCommand& cmd) {
    auto p = [&cmd](int n) { return Param(cmd, n); };
    const int64_t time = p(6) != 0 ? static_cast<int64_t>(p(5)) * p(7) : p(5);
    AppendHead(text, cmd, time);
    if (p(4) != 0) {
        text += " 元に戻す";
        return;
    }
    StrPrintf(&text, " R%d G%d B%d %d%%", p(0), p(1), p(2), p(3));
    if (p(6) != 0) StrPrintf(&text, " 瞬間表示 × %d", p(7));
}

void SumBackground(cString& text, const cEdCommand& cmd) {
    AppendHead(text, cmd, 0);
    StrPrintf(&text, " %d番 を %s", Param(cmd, 0), TableWord(g_ShowMode, Param(cmd, 1)));
}

void SumSound(cString& text, const cEdCommand& cmd) {
    AppendHead(text, cmd, 0);
    StrPrintf(&text, " %s", NameAt(g_Database.m_Sound, Param(cmd, 0)));
}

void SumBgm(cString& text, const cEdCommand& cmd) {
    AppendHead(text, cmd, 0);
    StrPrintf(&text, " %s", NameAt(g_Database.m_Bgm, Param(cmd, 0)));
}

void SumCode(cString& text, const cEdCommand& cmd) {
    AppendHead(text, cmd, 0);
    StrPrintf(&text, " %s", cmd.m_Text.CStr());
}

// The operations of the character-flow kinds 0 .. 36.
const CmdSummaryFunc kFlowSummary[kCmdKindCount] = {
    nullptr,        SumWait,         SumStraight,    SumMoveTsd,    SumCircle,      SumMoveTsd,
    SumMoveTsd,     SumAvoid,        SumWait,        SumTurn,       SumJump,        SumShot,
    SumSword,       SumSummonBlock,  SumSummonChara, SumSummonItem, SumFlowOp,      SumZero,
    SumGameWait,    SumMessage,      SumWarp,        SumTarget,     SumStatus,      SumStatus2,
    SumGetItem,     SumZero,         SumAnimeSet,    SumAnime,      SumEffect,      SumCharaEffect,
    SumScrEffect,   SumPicture,      SumScreenColour, SumBackground, SumSound,      SumBgm,
    SumCode,
};

}  // namespace

void FillCmdSummary(CmdSummaryFunc (&table)[kCmdKindCount]) {
    for (int k = 0; k < kCmdKindCount; ++k) table[k] = kFlowSummary[k];
}

void FillCmdSummary2(CmdSummaryFunc (&table)[kCmdKind2Count]) {
    table[0] = nullptr;
    table[kCmd2FlowChange] = SumZero;
    for (int k = kCmd2FlowChange + 1; k < kCmdKind2Count; ++k) table[k] = kFlowSummary[k + kCmd2Offset];
}

void CmdSummaryRow(cString& text, const cEdCommand& cmd, const CmdSummaryFunc* table, int count) {
    text.clear();
    const int kind = cmd.m_nKind;
    if (kind < 0 || kind >= count || !table[kind]) return;
    table[kind](text, cmd);
}

cString CmdSummaryText(const cEdCommand& cmd) {
    cString text;
    if (cmd.m_nCmdSet == 0) {
        CmdSummaryFunc table[kCmdKindCount];
        FillCmdSummary(table);
        CmdSummaryRow(text, cmd, table, kCmdKindCount);
    } else {
        CmdSummaryFunc table[kCmdKind2Count];
        FillCmdSummary2(table);
        CmdSummaryRow(text, cmd, table, kCmdKind2Count);
    }
    return text;
}
