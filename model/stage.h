// The stage: one level of the game. A grid of cells in three layers (blocks,
// characters, items), the stage palette the objects are placed from, the
// background layers, the names of the stage variables and the settings, all
// in one record so that one stage is one file ("data\stg4\*.stg4_248").
//
// Cell (x, y) of a layer is at index x + (y << m_PitchShift); a row holds
// m_Pitch cells of which the first m_Width belong to the stage.
#pragma once

#include <cstdint>

#include "base/containers.h"
#include "base/record.h"
#include "base/str.h"
#include "model/definitions.h"

class cThread;

// The sides a stage may have, in blocks.
const int kStageMinSide = 1;
const int kStageMaxSide = 512;
// The last value of a stage file (files of version 173 and later).
const int32_t kStageTrailer = 123456789;
// The first version whose files end with the trailer, and the first whose
// files are examined for it before a load.
const uint32_t kStageTrailerVersion = 173;
const uint32_t kStageCheckedVersion = 174;

extern const cString g_StageFolder;      // "data\stg4\"
extern const cString g_StageWorkFolder;  // "data\work\"
extern const cString g_PaletteFolder;    // "data\plt4\"
// "stg4_" followed by the data version ("stg4_248").
cString StageFileExt();

// One "自動消滅" rule: an object further out than the screen edge plus the
// margin (in blocks) disappears, for each edge whose flag is on.
class cEdEdgeRule : public cSerialRecord {
public:
    cEdEdgeRule();
    void Declare(uint32_t version) override;
    void Set(int flag, int margin);

    int32_t m_bLeft = 0;
    int32_t m_bRight = 0;
    int32_t m_bTop = 0;
    int32_t m_bBottom = 0;
    int32_t m_Left = 0;
    int32_t m_Right = 0;
    int32_t m_Top = 0;
    int32_t m_Bottom = 0;
};

// One background layer ("背景").
class cEdBackLayer : public cSerialRecord {
public:
    cEdBackLayer();
    void SetDefault();
    void Declare(uint32_t version) override;

    int32_t m_bShowFirst = 1;
    int32_t m_bUseColour = 0;
    int32_t m_Colour = 16;  // 16 .. 207
    int32_t m_bFront = 0;
    double m_dScrollX = 0.1;
    double m_dScrollY = 0.1;
    int32_t m_bAutoX = 0;
    int32_t m_bAutoY = 0;
    double m_dExtra1 = 0.0;  // kept for the game program
    double m_dExtra2 = 0.0;
    cString m_Image;
};

// The name of one variable.
class cEdValInfo : public cSerialRecord {
public:
    cEdValInfo();
    void Declare(uint32_t version) override;

    cString m_Name;
};

// The names of the common variables ("data\GValInfo.dat"); the program
// defines it with its other global objects.
extern cVector<cEdValInfo> g_GValInfo;

const int kStageVarCount = 255;
const int kRankingCount = 5;
const int kVanishCount = 5;
// Hit boxes and their positions, displays and colours (file fields 36 to 83).
const int kHitBoxValues = 48;

// Index into m_HitBoxes of the values the conversions touch.
enum eHitBoxValue {
    kHitHeroWalkBlockW = 0,
    kHitHeroWalkBlockH,
    kHitHeroFlyBlockW,
    kHitHeroFlyBlockH,
    kHitHeroWalkCharaW,
    kHitHeroWalkCharaH,
    kHitHeroFlyCharaW,
    kHitHeroFlyCharaH,
    kHitHeroWalkBlockPos = 12,
    kHitHeroFlyBlockPos,
    kHitHeroWalkCharaPos,
    kHitHeroFlyCharaPos,
    kHitHeroBlockShow,
    kHitHeroBlockColour = 20,
    kHitEnemyWalkBlockW = 24,
    kHitEnemyWalkBlockH,
    kHitEnemyFlyBlockW,
    kHitEnemyFlyBlockH,
    kHitEnemyWalkCharaW,
    kHitEnemyWalkCharaH,
    kHitEnemyFlyCharaW,
    kHitEnemyFlyCharaH,
    kHitEnemyWalkBlockPos = 34,
    kHitEnemyFlyBlockPos,
    kHitEnemyWalkCharaPos,
    kHitEnemyFlyCharaPos,
};

class cEdStage : public cSerialRecord {
public:
    cEdStage();
    ~cEdStage() override;
    // A copy is a separate stage (undo snapshots, loads into a spare object).
    cEdStage(const cEdStage&) = default;
    cEdStage& operator=(const cEdStage&) = default;

    // A new, empty stage of 20 x 15 blocks.
    void SetDefault();
    void Declare(uint32_t version) override;
    // Reading fails the file (and leaves a default stage) for a file of a
    // newer version, a side outside the stage limits, a cell outside the
    // stage or out of row order, and when the stop flag is raised.
    void Read(cRecFile* f) override;
    void Write(cRecFile* f) override;
    void Validate();
    // The settings and the palettes: Validate without the layers. Needs the
    // stage's palette scope.
    void ValidateSettings();
    void SetHitLevel(int level);
    // 1 done, 0 refused (a side of 0). alignX 0 keeps the left edge, 1 the
    // right; alignY 0 keeps the top, 1 the bottom. A player character that
    // the resize would cut off is put at (0, 0).
    int SetSize(int w, int h, int alignX, int alignY);
    // Makes this stage's palette the one that definitions link to as kind 2.
    void RegisterPalette();
    // Takes the contents of src (which is left as something valid).
    void TakeFrom(cEdStage& src);

    // Stage palette file ("*.plt4"): after the version word, the three
    // vectors. Reading refreshes the objects linked to the stage palette.
    // A file that does not open or is damaged changes nothing (0). With
    // removeCR, carriage returns are taken out of the strings read. Each kind
    // keeps at least its entry 0.
    int LoadPalette(const char* path, bool removeCR = false);
    int SavePalette(const char* path);
    void ReadPalette(cRecFile* f);
    void WritePalette(cRecFile* f);
    void ValidatePalettes();
    // Unlinks (kind 0, index 0) every stage palette entry whose link points
    // past the end of the palette it names.
    void CheckPaletteLinks();
    void RefreshInheritBlock();
    void RefreshInheritChara();
    void RefreshInheritItem();
    void RefreshStageInheritBlock();
    void RefreshStageInheritChara();
    void RefreshStageInheritItem();

    // Player characters.
    bool FindPlayer(int* x, int* y) const;
    bool HasPlayer() const;
    void PlaceChara(int index, cEdChara& chara);
    void KeepOnePlayer();

    int CellIndex(int x, int y) const { return x + (y << m_PitchShift); }
    int LayerSize() const { return m_Pitch * m_Height; }

    cString m_Name;
    cVector<cEdBlock> m_Blocks;
    cVector<cEdChara> m_Charas;
    cVector<cEdItem> m_Items;
    cVector<cEdBlock> m_PalBlocks;
    cVector<cEdChara> m_PalCharas;
    cVector<cEdItem> m_PalItems;
    cVector<cEdBackLayer> m_BackLayers;
    cVector<cEdValInfo> m_Vars;

    int32_t m_Width = 20;
    int32_t m_Pitch = 32;
    int32_t m_PitchShift = 5;
    int32_t m_Height = 15;
    int32_t m_bScrollMinX = 0;
    int32_t m_bScrollMaxX = 0;
    int32_t m_bScrollMinY = 0;
    int32_t m_bScrollMaxY = 0;
    int32_t m_ScrollMinX = 0;
    int32_t m_ScrollMaxX = 0;
    int32_t m_ScrollMinY = 0;
    int32_t m_ScrollMaxY = 0;
    int32_t m_FrameRate = 60;
    int32_t m_bTimeLimit = 0;
    int32_t m_TimeLimit = 200;
    int32_t m_WarnTime = 20;
    int32_t m_ScrollKindX = 0;  // g_ScrollKindName
    int32_t m_ScrollKindY = 0;
    int32_t m_AutoSpeedX = 0;
    int32_t m_AutoSpeedY = 0;
    double m_Gravity = 0.4;
    int32_t m_HitLevel = 10;  // 1 .. 19
    int32_t m_ShotPrecision = 0;
    int32_t m_BgmNo = 0;  // Bgm record
    int32_t m_bBgmLoop = 0;
    int32_t m_bBgmKeep = 0;
    int32_t m_bUseZ = 1;
    int32_t m_bStatusFromStock = 0;
    int32_t m_bStatusToStock = 0;
    int32_t m_bSkipClearKey = 0;
    int32_t m_bStatusWindow = 1;
    int32_t m_bShowStage = 0;
    int32_t m_bShowReady = 1;
    int32_t m_bShowClear = 1;
    int32_t m_bShowGameOver = 1;

    cVector<int32_t> m_RankingItems;
    cEdEdgeRule m_Vanish[kVanishCount];

    int32_t m_HitBoxes[kHitBoxValues] = {};  // eHitBoxValue
    int32_t m_UndoCount = 1;

    int32_t m_WheelDir = 0;  // g_WheelDirName; not stored
    cString m_LoadPath;      // threaded load
    int32_t m_LoadOk = 0;

    int32_t m_PixelWidth = 640;
    int32_t m_PixelHeight = 480;
    int32_t m_HitSteps = 0;
    double m_dHitSteps = 0;
    double m_dHitSteps2 = 0;
    double m_dSpeedCap = 0;
    double m_dGravityStep = 0;
    double m_dSpeedCapStep = 0;
    int32_t m_HitSteps8 = 0;
    int32_t m_HitSteps6 = 0;  // not stored
    int32_t m_bNoDamageOffScreen = 1;
    int32_t m_HeroSameInvTime = 30;
    int32_t m_HeroInvTime = 0;
    int32_t m_EnemySameInvTime = 30;
    int32_t m_EnemyInvTime = 0;

    // Read checks this between records and gives up when a stop is asked.
    const cThread* m_pReadStop = nullptr;

private:
    int NextMapCell(int index) const;
    void ReadPaletteVectors(cRecFile* f);
    void ApplyFixups();
    void SetHitBoxDefaults();
};

extern cEdStage g_Stage;

// Links a record of the given type (0 block, 1 character, 2 item) to a
// palette entry and applies the inheritance at once. A link to an entry that
// the palette of kind 1 or 2 does not hold is cleared with every flag.
void SetInherit(cSerialRecord* record, eObjType type, int kind, int16_t index, cVector<int8_t> flags);

// Loads a stage file into dst through a spare stage: dst changes only when
// the whole file was read. 1 loaded; 0 when the file does not open, is
// damaged, comes from a newer version or the stop was asked (why says which,
// for the report).
int LoadStageFile(cEdStage& dst, const char* path, const cThread* stop = nullptr, cString* why = nullptr);
// Reads a stage file into a stage of its own (a spare, not one in use): the
// same checks, without the hand-over. On 0 the stage is a default stage.
int ReadStageFile(cEdStage& spare, const char* path, const cThread* stop = nullptr, cString* why = nullptr);
// Gives a spare stage, before a file is read into it, what the stage it will
// replace carries over (the values that files do not store).
void PrepareSpareStage(cEdStage& spare, const cEdStage& dst);
// Writes the stage; the old file is kept in "data\work\" until the new one is
// complete. 1 written.
int SaveStageFile(cEdStage& stage, const char* path);

// What examining a stage file before loading found and did.
enum eStageRecovery {
    kRecoverNone,         // nothing to do: no file, an old version or complete
    kRecoverRestored,     // broken; replaced by its copy from "data\work\"
    kRecoverNoBackup,     // broken and no complete copy: the file is left as it is
    kRecoverFailed,       // broken; the copy could not take its place
};
// The copy of a stage file that a save keeps: "data\work\" + its file name.
cString StageBackupPath(const char* path);
eStageRecovery RecoverStageFile(const char* path);

// Option tables, each ended by "".
extern const cString g_ScrollKindName[];
extern const cString g_ResizeXName[];
extern const cString g_ResizeYName[];
extern const cString g_HitLevelName[];
extern const cString g_ShotPrecisionName[];
extern const cString g_HitPosName[];
extern const cString g_HitPosShortName[];
extern const cString g_HitShowName[];
extern const cString g_HitColourName[];
extern const cString g_WheelDirName[];
