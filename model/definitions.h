// Block, character and item definitions: the records of the common and stage
// palettes, of the objects placed on a stage and of the project's defaults.
//
// A record whose graphic number is 0 is an empty cell. Entry 0 of every
// palette is the empty entry; an inheritance index of 0 names no source. A
// record may name an entry of the common (kind 1) or the stage (kind 2)
// palette and take the groups of fields whose inheritance flag is set from
// it (ApplyInherit); the copy is one level deep.
#pragma once

#include <cstdint>

#include "base/containers.h"
#include "base/record.h"
#include "base/str.h"
#include "model/flow.h"
#include "model/record_refs.h"

// Number of inheritance flags (field groups) of each record.
const int kBlockInheritCount = 11;
const int kCharaInheritCount = 37;
const int kItemInheritCount = 13;

// Highest graphic number of a sheet.
const int kMaxGraphicNo = 119;

class cEdBlock : public cSerialRecord {
public:
    cEdBlock();

    void SetDefault();
    // An empty cell: the defaults with graphic 0.
    void ClearCell();
    void Declare(uint32_t version) override;
    void Read(cRecFile* f) override;
    void Write(cRecFile* f) override;
    // Repairs the inheritance link, validates the appearance conditions and
    // clears what an empty cell must not carry.
    void Validate();
    // The same for the block's own fields, without the conditions.
    void ValidateOwn();
    // Repairs the link to the obtained item.
    void ValidateRefs();
    void ApplyInherit();

    // Two empty cells are equal; the cell position is not compared.
    bool operator==(const cEdBlock& o) const;
    bool operator!=(const cEdBlock& o) const { return !(*this == o); }

    int16_t m_CellX = 0;  // set when the stage is written
    int16_t m_CellY = 0;
    int8_t m_InheritKind = 0;  // g_InheritSourceName
    int16_t m_InheritIndex = 0;
    cVector<int8_t> m_bbInherit;  // kBlockInheritCount flags
    cString m_Name;
    cVector<cEdCond> m_AppearConds;
    int8_t m_AppearJudge = 0;  // g_CondJudge
    int8_t m_AppearLatch = 0;
    int16_t m_Graphic = 0;       // 0 = empty cell
    int8_t m_GraphicSource = 0;  // g_GraphicSourceName
    int16_t m_GraphicFrame = 0;
    int8_t m_DrawInFront = 0;
    int8_t m_Transparent = 0;  // g_OnOffName
    int8_t m_MarkMode = 0;     // g_MarkModeName
    int16_t m_MarkGraphic = 0;
    int8_t m_BlockType = 0;      // g_BlockTypeName
    int8_t m_IgnoreFaction = 0;  // -1 none, else 0 .. 7 (g_FactionChoiceName, offset -1)
    int8_t m_Action = 0;         // g_BlockActionName
    int32_t m_ActionX = 0;
    int8_t m_ItemKind = 0;  // g_ItemSourceName
    int16_t m_ItemIndex = 0;
    int8_t m_NoSummon = 0;
};

class cEdChara : public cSerialRecord {
public:
    cEdChara();

    void SetDefault();
    void Declare(uint32_t version) override;
    void Read(cRecFile* f) override;
    void Write(cRecFile* f) override;
    // Repairs the inheritance link and the table indexes, validates the
    // conditions and flows and removes the flows that hold nothing.
    void Validate();
    // The same without validating the conditions and flows themselves.
    void ValidateOwn();
    void ValidateRefs();
    void ApplyInherit();
    // An empty cell: the defaults with graphic 0.
    void ClearCell();
    // Turns the character the other way ("右向き" toggled).
    void Turn();

    bool operator==(const cEdChara& o) const;
    bool operator!=(const cEdChara& o) const { return !(*this == o); }

    int16_t m_CellX = 0;
    int16_t m_CellY = 0;
    int32_t m_HeldItemNo = 0;  // set when the stage is written
    int8_t m_InheritKind = 0;
    int16_t m_InheritIndex = 0;
    cVector<int8_t> m_bbInherit;  // kCharaInheritCount flags
    cString m_Name;
    cVector<cEdCond> m_AppearConds;
    int8_t m_AppearJudge = 0;
    int8_t m_AppearLatch = 0;
    int8_t m_FaceRight = 0;
    int8_t m_Clones = 0;
    int16_t m_OffsetX = 0;
    int16_t m_OffsetXClone = 0;
    int16_t m_OffsetY = 0;
    int16_t m_OffsetYClone = 0;
    int8_t m_OffsetXFlip = 0;
    int8_t m_OffsetYFlip = 0;
    int16_t m_Graphic = 0;
    int8_t m_GraphicSource = 0;
    int16_t m_GraphicShift = 0;
    int16_t m_AnimeSetNo = 0;  // AnimeSet record
    int8_t m_Z = 0;
    int8_t m_Transparent = 0;
    int16_t m_StartEffect = 0;     // CharaEffect record
    int8_t m_StartEffectMode = 0;  // files from 196
    int8_t m_StartEffectLoop = 0;
    int16_t m_DeathEffect = 0;     // CharaEffect record
    int8_t m_DeathEffectMode = 0;  // files from 196
    int8_t m_MarkMode = 0;
    int16_t m_MarkGraphic = 0;
    int8_t m_Control = 0;  // g_ControlName
    int8_t m_PlayerNo = 0;
    int8_t m_Faction = 0;
    int8_t m_CharaId = 0;
    int8_t m_Flight = 0;  // g_FlightName
    int8_t m_FixedDir = 0;
    int8_t m_Invincible = 0;  // g_InvincibleName
    int8_t m_BlockLike = 0;   // g_CharaBlockName
    int8_t m_Enlarge = 0;     // 1 .. 10 (g_EnlargeName, offset 1)
    int8_t m_ScrollSync = 0;  // files from 210
    int8_t m_SightShape = 0;  // g_SightShapeName
    int8_t m_SightRange = 0;
    int32_t m_HP = 0;
    int32_t m_SP = 0;
    int16_t m_StopEase = 0;
    int8_t m_ContactRange = 0;  // files from 201; g_ContactRangeName
    int32_t m_ContactPower = 0;
    int8_t m_ContactImpact = 0;
    int16_t m_ContactEffect = 0;
    int32_t m_Defence = 0;  // files from 168
    int8_t m_ImpactResist = 0;
    int32_t m_Score = 0;
    int8_t m_HoldItem = 0;
    int8_t m_HasGroup = 0;
    int16_t m_Group = 0;
    int8_t m_ActRange = 0;  // g_ActRangeName
    int8_t m_ActJudge = 0;  // g_ActJudgeName
    cVector<cEdFlow> m_Flows;
};

class cEdItem : public cSerialRecord {
public:
    cEdItem();

    void SetDefault();
    // An empty cell: the defaults with graphic 0.
    void ClearCell();
    void Declare(uint32_t version) override;
    void Read(cRecFile* f) override;
    void Write(cRecFile* f) override;
    void Validate();
    // The item's own fields, without its conditions and effect commands.
    void ValidateOwn();
    void ValidateRefs();
    void ApplyInherit();

    bool operator==(const cEdItem& o) const;
    bool operator!=(const cEdItem& o) const { return !(*this == o); }

    int16_t m_CellX = 0;
    int16_t m_CellY = 0;
    int8_t m_InheritKind = 0;
    int16_t m_InheritIndex = 0;
    cVector<int8_t> m_bbInherit;  // kItemInheritCount flags
    cString m_Name;
    cVector<cEdCond> m_AppearConds;
    int8_t m_AppearJudge = 0;
    int8_t m_AppearLatch = 0;
    int16_t m_OffsetX = 0;
    int16_t m_OffsetY = 0;
    int16_t m_Graphic = 0;
    int8_t m_GraphicSource = 0;
    int16_t m_GraphicFrame = 0;
    int8_t m_Z = 0;
    int8_t m_Transparent = 0;
    int8_t m_MarkMode = 0;
    int16_t m_MarkGraphic = 0;
    int8_t m_TakeMode = 0;  // g_ItemTakeMode; stored after m_ShowOverHead
    int8_t m_ShowOverHead = 0;
    int8_t m_Enlarge = 0;
    int16_t m_SoundNo = 0;  // Sound record
    cVector<cEdCommand> m_Effects;
};

// The inheritance copy handlers, indexed by flag.
typedef void (*tBlockInheritCopy)(cEdBlock& dst, const cEdBlock& src);
typedef void (*tCharaInheritCopy)(cEdChara& dst, const cEdChara& src);
typedef void (*tItemInheritCopy)(cEdItem& dst, const cEdItem& src);
extern const tBlockInheritCopy g_BlockInheritCopy[kBlockInheritCount];
extern const tCharaInheritCopy g_CharaInheritCopy[kCharaInheritCount];
extern const tItemInheritCopy g_ItemInheritCopy[kItemInheritCount];

// The palettes that definitions inherit from and link to. The common palette
// is always there; the stage installs its palette's three vectors (null
// pointers remove them). Without a stage palette, links to it are checked
// with the sizes of record_refs.h and nothing is inherited from it.
void SetStagePalette(cVector<cEdBlock>* blocks, cVector<cEdChara>* charas, cVector<cEdItem>* items);
// The vector of the palette of that kind (1 common, 2 stage); null for any
// other kind and for a stage palette that is not installed.
template <class T>
cVector<T>* PaletteVector(int kind);
template <>
cVector<cEdBlock>* PaletteVector<cEdBlock>(int kind);
template <>
cVector<cEdChara>* PaletteVector<cEdChara>(int kind);
template <>
cVector<cEdItem>* PaletteVector<cEdItem>(int kind);

// Option tables of the definitions, each ended by "".
extern const cString g_OnOffName[];
extern const cString g_OnOffName2[];
extern const cString g_InheritSourceName[];
extern const cString g_InheritSourceCommonName[];
extern const cString g_InheritSourceStageName[];
extern const cString g_InheritSourceNoneName[];
extern const cString g_GraphicSourceName[];   // the block page
extern const cString g_GraphicSourceName2[];  // every other user
extern const cString g_MarkModeName[];
extern const cString g_BlockTypeName[];
extern const cString g_FactionChoiceName[];  // offset -1
extern const cString g_BlockActionName[];
extern const cString g_ItemSourceName[];
extern const cString g_ItemSourceCommonName[];
extern const cString g_ControlName[];
extern const cString g_PlayerNoName[];
extern const cString g_FlightName[];
extern const cString g_InvincibleName[];
extern const cString g_CharaBlockName[];
extern const cString g_EnlargeName[];  // offset 1
extern const cString g_EnlargeName2[];
extern const cString g_SightShapeName[];
extern const cString g_ContactRangeName[];
extern const cString g_ActRangeName[];
extern const cString g_ActJudgeName[];
extern const cString g_ItemTakeMode[];
