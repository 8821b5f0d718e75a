// Move and shot parameters of a flow command. A command holds each through a
// boost::shared_ptr and copies them deeply.
#pragma once

#include <cstdint>

#include <boost/shared_ptr.hpp>

#include "base/record.h"

class cEdMove : public cSerialRecord {
public:
    cEdMove();
    cEdMove(const cEdMove& src);
    cEdMove& operator=(const cEdMove& src);

    void SetDefault();
    void Declare(uint32_t version) override;
    void Read(cRecFile* f) override;
    void Write(cRecFile* f) override;
    void Validate() {}

    bool operator==(const cEdMove& o) const { return IsSameRecord(*this, o) != 0; }
    bool operator!=(const cEdMove& o) const { return !(*this == o); }

    int8_t m_nDirMode;        // straight move: g_MoveDirMode; warp: g_WarpMode
    int8_t m_nDirection;      // g_MoveDir; circle: g_CircleRotation
    int16_t m_nAngle;         // angle; circle: start angle
    int16_t m_nAngleClone;
    int8_t m_bMirrorSpin;     // since 158
    int8_t m_bTargetX;
    int8_t m_bTargetY;
    int16_t m_nTargetX;       // blocks
    int16_t m_nTargetY;
    int16_t m_nTargetXDot;
    int16_t m_nTargetYDot;
    int8_t m_nTargetType;     // g_MoveTargetCoord; warp: g_WarpTargetCoord
    int8_t m_bStopAtTarget;
    int8_t m_bLockX;
    int8_t m_bLockY;
    int8_t m_bFlipX;
    int8_t m_bFlipY;
    int8_t m_bReverseOnTurn;
    int8_t m_bNoJitter;
    int8_t m_bKeepFacing;     // since 162
    int8_t m_nSetType;        // g_MoveTimingMode; circle: g_CircleTimingMode
    int16_t m_nSpeed;
    int16_t m_nSpeedClone;
    int16_t m_nDistance;      // circle: end angle
    int16_t m_nDistanceClone;
    int8_t m_nDistanceUnit;   // since 159, g_DistanceUnit
    int16_t m_nExtra;         // circle: radius; homing: imprecision
    int16_t m_nExtraClone;
    int8_t m_bInertia;
    int16_t m_nMaxSpeed;
    double m_dTurnSpeedRate;
    int8_t m_bNoMoveAnime;    // since 162
};

class cEdShot : public cSerialRecord {
public:
    cEdShot();
    cEdShot(const cEdShot& src);
    cEdShot& operator=(const cEdShot& src);

    void SetDefault();
    void Declare(uint32_t version) override;
    void Read(cRecFile* f) override;
    void Write(cRecFile* f) override;
    void Validate();

    bool operator==(const cEdShot& o) const { return IsSameRecord(*this, o) != 0; }
    bool operator!=(const cEdShot& o) const { return !(*this == o); }

    int8_t m_nCount;
    int8_t m_nFormation;          // g_ShotPattern
    int16_t m_nFormationParam[3]; // rows of g_ShotPatternParam
    int8_t m_nDirection;          // g_MoveDir
    int8_t m_bAimAtTarget;
    int16_t m_nAngle;
    int16_t m_nAngleClone;
    int8_t m_bMirrorSpin;         // since 158
    int16_t m_nSpread;
    int8_t m_bPosByAngle;
    int8_t m_nClones;
    int16_t m_nOffsetX;
    int16_t m_nOffsetXClone;
    int16_t m_nOffsetY;
    int16_t m_nOffsetYClone;
    int8_t m_bFlipX;
    int8_t m_bFlipY;
    int16_t m_nGraphic;
    int8_t m_nZ;
    int8_t m_bTransparent;
    int8_t m_bUserFaction;
    int8_t m_nFaction;
    int8_t m_nSpare1;             // stored, not edited
    int8_t m_nScale;              // 1 .. 10
    int8_t m_nSpare2;             // stored, not edited
    int8_t m_nMoveType;           // g_ShotAim; sword: SwordType record
    int16_t m_nMoveParam[3];      // rows of g_ShotAimParam
    int8_t m_bScrollSync;         // since 211
    int16_t m_nSpeed;
    int16_t m_nSpeedClone;
    int8_t m_bAccel;              // since 213
    int16_t m_nAccel;             // since 213
    int16_t m_nAccelClone;        // since 213
    int16_t m_nRange;             // shot: range; summons: lifetime
    int8_t m_bRange;
    int16_t m_nRangeClone;
    int8_t m_bKeepAtEnd;
    int8_t m_bLife;
    int16_t m_nLife;
    int16_t m_nLifeClone;
    int8_t m_bPierceBlock;
    int8_t m_bPierceChara;
    int8_t m_bVanishByShot;
    int8_t m_nVanishValue;
    int32_t m_nPower;
    int16_t m_nSpare3;            // stored, not edited
    int8_t m_nImpact;
    int16_t m_nEffect;            // Effect record
    int8_t m_nItemPalette;        // 0 none, 1 common, 2 stage palette
    int16_t m_nItem;
    int8_t m_nSummonType;         // g_BlockSummonMode
    int8_t m_bFailOnPlayer;
    int8_t m_bFailOnEnemy;        // since 197
    int8_t m_nSummonPalette;      // 0 common, 1 stage palette
    int16_t m_nSummonIndex;
    int8_t m_nSummonFaction;      // g_SummonFaction
    int8_t m_bNoScore;
    int8_t m_bReverseDir;
};

typedef boost::shared_ptr<cEdMove> cMovePtr;
typedef boost::shared_ptr<cEdShot> cShotPtr;

// Makes p own a newly constructed record, releasing what it held.
template <class T>
void NewShared(boost::shared_ptr<T>& p) {
    p.reset(new T);
}
