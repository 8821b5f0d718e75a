// Flows of character definitions and the records they are made of:
// conditions, key conditions and commands. A command can carry flows in turn
// (the item effect "フローの変更").
#pragma once

#include <cstdint>

#include "base/containers.h"
#include "base/record.h"
#include "base/str.h"
#include "model/move_shot.h"

// One basic condition of a flow (also an appearance condition of a block or
// item definition). Kinds are those of g_CondKind.
class cEdCond : public cSerialRecord {
public:
    cEdCond();
    cEdCond(const cEdCond& src);
    cEdCond& operator=(const cEdCond& src);

    void SetDefault();
    void Declare(uint32_t version) override;
    void Read(cRecFile* f) override;
    void Write(cRecFile* f) override;
    // A kind outside g_CondKind becomes 0.
    void Validate();

    bool operator==(const cEdCond& o) const { return IsSameRecord(*this, o) != 0; }
    bool operator!=(const cEdCond& o) const { return !(*this == o); }

    int8_t m_nKind;         // g_CondKind
    int32_t m_nValue;       // compared value; status: right-hand constant; distance: half blocks
    int32_t m_nRandMin;     // since 110: status, random right-hand range
    int32_t m_nRandMax;
    int8_t m_nWho;          // owner, target or system (g_WhoSelf3 / g_WhoPlayer3)
    int8_t m_nItem;         // g_CharaStatus / g_SystemValue, g_StateFlag / g_ScrollStatus, g_StateCondKind
    int8_t m_nLeftKind;     // g_OperandKind
    int8_t m_nLeftScope;    // g_VarScope
    int16_t m_nVar;         // variable index; status 2: the state value
    int8_t m_nRightSource;  // g_ValueSource
    int8_t m_nRightWho;
    int8_t m_nRightItem;
    int8_t m_nRightScope;
    int16_t m_nRightVar;
    int8_t m_nCompare;      // comparison word; status 3: is / is not; distance: g_DistRange
    int8_t m_bPercent;      // since 43
    int8_t m_nAxis;         // g_DistAxis
};

// One key condition of a flow: 19 key states (g_KeyState) and how they are
// judged.
class cEdKeyCond : public cSerialRecord {
public:
    cEdKeyCond();
    cEdKeyCond(const cEdKeyCond& src);
    cEdKeyCond& operator=(const cEdKeyCond& src);

    void SetDefault();
    void Declare(uint32_t version) override;
    void Read(cRecFile* f) override;
    void Write(cRecFile* f) override;
    void Validate() {}

    bool operator==(const cEdKeyCond& o) const;
    bool operator!=(const cEdKeyCond& o) const { return !(*this == o); }

    int8_t m_bFrontBack;   // right and left read as forward and backward
    int16_t m_nPressMin;   // frames
    int16_t m_nPressMax;
    int8_t m_bNoMax;       // "1～∞"
    int8_t m_nRule;        // g_KeyRule
    cVector<int8_t> m_bbKeys;  // kKeyStateCount states, whatever count a file gives
};

class cEdCommand;

// One flow: when it is tried, its conditions, key conditions and commands.
class cEdFlow : public cSerialRecord {
public:
    cEdFlow();
    cEdFlow(const cEdFlow& src);
    cEdFlow& operator=(const cEdFlow& src);
    ~cEdFlow() override;

    void SetDefault();
    void Declare(uint32_t version) override;
    void Read(cRecFile* f) override;
    void Write(cRecFile* f) override;
    void Validate();
    void ValidateRefs();

    bool operator==(const cEdFlow& o) const;
    bool operator!=(const cEdFlow& o) const { return !(*this == o); }

    int8_t m_nId;          // g_FlowIdName
    int8_t m_nGroup;       // g_FlowGroupName
    int8_t m_bTestOnly;
    int8_t m_nJudge;       // g_CondJudge
    int8_t m_bLatch;       // once true, true from then on
    int8_t m_nTiming;      // g_FlowTiming
    int8_t m_nInputEase;   // 0 .. 10
    int8_t m_bRepeat;      // repeat while the keys are held
    cVector<cEdCond> m_Conds;
    cVector<cEdKeyCond> m_KeyConds;
    cVector<cEdCommand> m_Commands;
};

// Flows inside commands inside flows: a file that nests them deeper than
// this fails to read.
const int kMaxFlowNesting = 8;

// One command of a flow or of an item's effect.
class cEdCommand : public cSerialRecord {
public:
    cEdCommand();
    cEdCommand(const cEdCommand& src);
    cEdCommand& operator=(const cEdCommand& src);

    void SetDefault();
    void Declare(uint32_t version) override;
    void Read(cRecFile* f) override;
    void Write(cRecFile* f) override;
    void Validate();
    // The command's own fields, without its flows.
    void ValidateOwn();
    void ValidateRefs();

    bool operator==(const cEdCommand& o) const;
    bool operator!=(const cEdCommand& o) const { return !(*this == o); }

    // The kind as a kind of g_CmdKind: item effect kinds 2 .. 21 give their
    // character-flow counterparts; -1 for "フローの変更" and for a kind
    // outside its table.
    int FlowKind() const;
    // The number of integer parameters of the kind; 0 outside the table.
    int ParamCount() const;

    int8_t m_nCmdSet;      // 0 g_CmdKind, else g_CmdKind2
    int8_t m_nKind;
    cVector<int32_t> m_Params;
    cString m_Text;
    cMovePtr m_spMove;
    cShotPtr m_spShot;
    int16_t m_nTime;       // tenths of a second
    int16_t m_nTimeClone;
    int8_t m_bParallel;
    int16_t m_nSound;      // Sound record
    int8_t m_bMuteOffScreen;
    int16_t m_nAnime;      // Anime record
    cVector<cEdFlow> m_Flows;

private:
    void Convert();
};
