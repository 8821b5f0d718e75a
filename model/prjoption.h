// The project options ("data\PrjOption.dat"): the project's default block,
// character and item, the default inheritance of new and placed objects, how
// the test play finds the game and what a save does with a stage file of an
// older version. The editor configuration ("e_data\EditConfig.dat"): the
// stage edited last, the placements of the editor's windows and remembered
// choices of its dialogs.
#pragma once

#include <cstdint>

#include "base/containers.h"
#include "base/record.h"
#include "base/str.h"
#include "model/datafile.h"
#include "model/definitions.h"

extern const cString g_PrjOptionPath;         // "data\PrjOption.dat"
extern const cString g_PrjOptionDefaultPath;  // its copy under "default\"
extern const cString g_EditConfigPath;        // "e_data\EditConfig.dat"

// What overwriting a stage file of an older version does with the old file,
// ended by "".
extern const cString g_OldVerOption[];

// Situations that decide how a new object's inheritance starts.
enum eInheritSituation {
    kInheritStage,        // a new entry of the stage palette
    kInheritCommonPlace,  // a common palette entry placed on the stage
    kInheritStagePlace,   // a stage palette entry placed on the stage
};
const int kInheritSituationCount = 3;
const int kDefInheritCount = kInheritSituationCount * 3;  // situations x (block, character, item)

// Index of the default source and flags of an object type in a situation.
inline int DefInheritIndex(eInheritSituation situation, eObjType type) {
    return static_cast<int>(situation) * 3 + static_cast<int>(type);
}

class cPrjOption : public cSerialRecord {
public:
    cPrjOption();

    void SetDefault();
    void Declare(uint32_t version) override;
    void Read(cRecFile* f) override;
    void Write(cRecFile* f) override;

    cEdBlock m_DefBlock;
    cEdChara m_DefChara;
    cEdItem m_DefItem;
    int32_t m_nDefInheritSrc[kDefInheritCount] = {};  // 0 none, 1 common, 2 stage
    cVector<int8_t> m_bbDefInherit[kDefInheritCount];  // 11, 37 or 13 flags by type
    int32_t m_bAutoGame = 0;
    cString m_strGamePath;
    int32_t m_nOldVerStage = 0;  // g_OldVerOption
};

// Where a window stands and whether it is shown.
class cEdWindowPlace : public cSerialRecord {
public:
    cEdWindowPlace();

    void SetDefault();
    void Declare(uint32_t version) override;
    // Pulls the position back onto the screen.
    void Read(cRecFile* f) override;
    // Stores a placement and marks it valid.
    void Set(int x, int y, int width, int height);

    int32_t m_bValid = 0;  // without it the window takes its own place
    int32_t m_nX = 0;
    int32_t m_nY = 0;
    int32_t m_nWidth = 0;
    int32_t m_nHeight = 0;
    int32_t m_bShown = 0;
};

// The windows with a stored placement.
enum eWindowPlace {
    kPlaceStageEditor,
    kPlaceCommonBlocks,
    kPlaceStageBlocks,
    kPlaceCommonCharas,
    kPlaceStageCharas,
    kPlaceCommonItems,
    kPlaceStageItems,
    kPlaceCharaGroup,
    kPlaceWorldMap,
    kPlaceMapChips,
    kPlaceEvents,
    kWindowPlaceCount
};

class cEditConfig : public cSerialRecord {
public:
    cEditConfig();

    void SetDefault();
    void Declare(uint32_t version) override;
    void Read(cRecFile* f) override;
    void Write(cRecFile* f) override;

    cString m_strLastStage;
    cEdWindowPlace m_Place[kWindowPlaceCount];
    cString m_strNewStageTemplate;
    int32_t m_nNewStagePalette = 0;  // 0 the template's, 1 none, 2 the common palette, 3 a palette file
    cString m_strNewStagePalette;
    int32_t m_nLastPage[3] = {};  // block, character and item sheets
    int32_t m_nResizeX = 0;       // 0 right, 1 left
    int32_t m_nResizeY = 0;       // 0 down, 1 up
    int32_t m_bEventEditPlaced = 0;
    int32_t m_bEventEditBefore = 0;
    int32_t m_bEventAutoWorldNo = 0;
    int32_t m_bConvUseTransparent = 0;
    int32_t m_nConvTransparent = 0;
    int32_t m_bConvReplaceLine = 0;
    int32_t m_nConvLineIn = 0;
    int32_t m_nConvLineOut = 0;
    int32_t m_bConvSameFolder = 0;
    cString m_strConvFolder;

private:
    // The common-palette windows are shown or hidden as one group, and so
    // are the stage-palette windows.
    void AlignShown();
};

// The module instance handle of the program; never loaded or saved.
class cAppInfo : public cSerialRecord {
public:
    void Read(cRecFile*) override {}
    void Write(cRecFile*) override {}

    void* m_hInstance = nullptr;
};

extern cPrjOption g_PrjOption;
// Loads g_PrjOption from "data\", else from "default\", else sets the
// defaults; the result is then written to "data\" (LoadProjectFile).
eLoadSource LoadPrjOption();
extern cEditConfig EditConfig;
extern cAppInfo g_AppInfo;
