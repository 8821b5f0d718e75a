#include "model/move_shot.h"

#include "model/record_refs.h"

// ---------------------------------------------------------------------------
// cEdMove

cEdMove::cEdMove() {
    Declare(248);
    SetDefault();
}

cEdMove::cEdMove(const cEdMove& src) : cSerialRecord(src) {
    *this = src;
}

cEdMove& cEdMove::operator=(const cEdMove& src) {
    cSerialRecord::operator=(src);
    CopyData(src);
    return *this;
}

void cEdMove::SetDefault() {
    Clear();
    m_bMirrorSpin = 1;
    m_bTargetX = 1;
    m_bTargetY = 1;
    m_bStopAtTarget = 1;
    m_bFlipX = 1;
    m_bReverseOnTurn = 1;
    m_nSpeed = 10;
    m_dTurnSpeedRate = 1.0;
}

void cEdMove::Declare(uint32_t version) {
    ResetDeclare();
    AddByte(&m_nDirMode);
    AddByte(&m_nDirection);
    AddShort(&m_nAngle);
    AddShort(&m_nAngleClone);
    if (version >= 158) AddByte(&m_bMirrorSpin);
    AddByte(&m_bTargetX);
    AddByte(&m_bTargetY);
    AddShort(&m_nTargetX);
    AddShort(&m_nTargetY);
    AddShort(&m_nTargetXDot);
    AddShort(&m_nTargetYDot);
    AddByte(&m_nTargetType);
    AddByte(&m_bStopAtTarget);
    AddByte(&m_bLockX);
    AddByte(&m_bLockY);
    AddByte(&m_bFlipX);
    AddByte(&m_bFlipY);
    AddByte(&m_bReverseOnTurn);
    AddByte(&m_bNoJitter);
    if (version >= 162) AddByte(&m_bKeepFacing);
    AddByte(&m_nSetType);
    AddShort(&m_nSpeed);
    AddShort(&m_nSpeedClone);
    AddShort(&m_nDistance);
    AddShort(&m_nDistanceClone);
    if (version >= 159) AddByte(&m_nDistanceUnit);
    AddShort(&m_nExtra);
    AddShort(&m_nExtraClone);
    AddByte(&m_bInertia);
    AddShort(&m_nMaxSpeed);
    AddDouble(&m_dTurnSpeedRate);
    if (version >= 162) AddByte(&m_bNoMoveAnime);
}

void cEdMove::Read(cRecFile* f) {
    cSerialRecord::Read(f);
    if (g_FileVersion < 248) {
        // Fields that older files lack would otherwise keep the defaults.
        if (g_FileVersion < 158) m_bMirrorSpin = 0;
        if (g_FileVersion < 159) m_nDistanceUnit = 0;
        if (g_FileVersion < 162) {
            m_bKeepFacing = 0;
            m_bNoMoveAnime = 0;
        }
    }
    Validate();
}

void cEdMove::Write(cRecFile* f) {
    Validate();
    cSerialRecord::Write(f);
}

// ---------------------------------------------------------------------------
// cEdShot

cEdShot::cEdShot() {
    Declare(248);
    SetDefault();
}

cEdShot::cEdShot(const cEdShot& src) : cSerialRecord(src) {
    *this = src;
}

cEdShot& cEdShot::operator=(const cEdShot& src) {
    cSerialRecord::operator=(src);
    CopyData(src);
    return *this;
}

void cEdShot::SetDefault() {
    Clear();
    m_bMirrorSpin = 1;
    m_bFlipX = 1;
    m_bUserFaction = 1;
    m_nScale = 1;
}

void cEdShot::Declare(uint32_t version) {
    ResetDeclare();
    AddByte(&m_nCount);
    AddByte(&m_nFormation);
    AddShort(m_nFormationParam, 3);
    AddByte(&m_nDirection);
    AddByte(&m_bAimAtTarget);
    AddShort(&m_nAngle);
    AddShort(&m_nAngleClone);
    if (version >= 158) AddByte(&m_bMirrorSpin);
    AddShort(&m_nSpread);
    AddByte(&m_bPosByAngle);
    AddByte(&m_nClones);
    AddShort(&m_nOffsetX);
    AddShort(&m_nOffsetXClone);
    AddShort(&m_nOffsetY);
    AddShort(&m_nOffsetYClone);
    AddByte(&m_bFlipX);
    AddByte(&m_bFlipY);
    AddShort(&m_nGraphic);
    AddByte(&m_nZ);
    AddByte(&m_bTransparent);
    AddByte(&m_bUserFaction);
    AddByte(&m_nFaction);
    AddByte(&m_nSpare1);
    AddByte(&m_nScale);
    AddByte(&m_nSpare2);
    AddByte(&m_nMoveType);
    AddShort(m_nMoveParam, 3);
    if (version >= 211) AddByte(&m_bScrollSync);
    AddShort(&m_nSpeed);
    AddShort(&m_nSpeedClone);
    if (version >= 213) {
        AddByte(&m_bAccel);
        AddShort(&m_nAccel);
        AddShort(&m_nAccelClone);
    }
    AddShort(&m_nRange);
    AddByte(&m_bRange);
    AddShort(&m_nRangeClone);
    AddByte(&m_bKeepAtEnd);
    AddByte(&m_bLife);
    AddShort(&m_nLife);
    AddShort(&m_nLifeClone);
    AddByte(&m_bPierceBlock);
    AddByte(&m_bPierceChara);
    AddByte(&m_bVanishByShot);
    AddByte(&m_nVanishValue);
    AddInt(&m_nPower);
    AddShort(&m_nSpare3);
    AddByte(&m_nImpact);
    AddShort(&m_nEffect);
    AddByte(&m_nItemPalette);
    AddShort(&m_nItem);
    AddByte(&m_nSummonType);
    AddByte(&m_bFailOnPlayer);
    if (version >= 197) AddByte(&m_bFailOnEnemy);
    AddByte(&m_nSummonPalette);
    AddShort(&m_nSummonIndex);
    AddByte(&m_nSummonFaction);
    AddByte(&m_bNoScore);
    AddByte(&m_bReverseDir);
}

void cEdShot::Read(cRecFile* f) {
    cSerialRecord::Read(f);
    if (g_FileVersion < 248) {
        if (g_FileVersion < 158) m_bMirrorSpin = 0;
        if (g_FileVersion < 197) m_bFailOnEnemy = m_bFailOnPlayer;
        // Files of version 211 already hold the flag; it is set from the
        // flight kind all the same (the homing kinds 4 to 7).
        if (g_FileVersion < 212) m_bScrollSync = (m_nMoveType >= 4 && m_nMoveType <= 7) ? 1 : 0;
        if (g_FileVersion < 213) {
            m_bAccel = 0;
            m_nAccel = 0;
            m_nAccelClone = 0;
        }
    }
    Validate();
}

void cEdShot::Write(cRecFile* f) {
    Validate();
    cSerialRecord::Write(f);
}

void cEdShot::Validate() {
    if (m_nScale <= 0) m_nScale = 1;
    if (OutsideTable(m_nEffect, kTableEffect)) m_nEffect = 0;
}
