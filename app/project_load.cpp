#include "app/project_load.h"

#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "app/globals.h"
#include "app/paths_table.h"
#include "app/stage_edit.h"
#include "base/msgbox.h"
#include "base/paths.h"
#include "base/record.h"
#include "model/datafile.h"
#include "model/palette.h"
#include "model/prjoption.h"
#include "model/stage.h"
#include "model/system.h"
#include "model/worldmap.h"
#include "ui/stage_load.h"

namespace {

const int kCell = 32;            // a block, and a character cell, in pixels
const int kGValDefaultCount = 256;
const int kSlotBack = 0;         // the stage's background
const int kSlotBlock = 1;
const int kSlotChara = 2;        // 2, 4, ... 16: the character sheets; odd: mirrored
const int kSlotItem = 18;
const int kSlotShot = 20;
const int kSlotMark = 21;
const int kSlotWorldBack = 22;   // the world map's background
const int kSheetBlock = 27;      // the picture sheets composed at load
const int kSheetChara = 28;
const int kSheetItem = 29;
const int kSheetShot = 30;
const int kSheetMark = 31;
const int kNewStageSide = 32;

// The common variables as one project file, for LoadProjectFile.
struct cGValFile {
    cVector<cEdValInfo>& m_Vars;
    int Load(const char* path) { return LoadVector(m_Vars, path); }
    int Save(const char* path) { return SaveVector(m_Vars, path); }
    void SetDefault() { m_Vars.Reset(kGValDefaultCount); }
};

// obj from the "data\" path given, else from the "default\" path that follows
// it in g_PathTable, else its defaults; written to "data\" unless it loaded
// from there.
template <class T>
void LoadFromProject(T& obj, int dataIndex) {
    const char* dataPath = g_PathTable[dataIndex].c_str();
    CreateFoldersOf(dataPath);
    LoadProjectFile(obj, dataPath, g_PathTable[dataIndex + 1].c_str());
}

// Makes sure "data\stg4\" holds a default stage template: when none is
// there, the newest one of "default\stg4\" is copied with its number kept.
void CopyStageTemplate() {
    const char* ext = g_ExtTable[1].c_str();
    const cString& dataTemplate = g_PathTable[kPathStageTemplate];
    cString found;
    if (FindLatestCopy(&found, dataTemplate, ext)) return;
    if (!FindLatestCopy(&found, g_PathTable[kPathStageTemplate + 1], ext)) return;
    const size_t kDigits = 3;  // the "***" of the table's path
    cString target = dataTemplate.substr(0, dataTemplate.size() - kDigits);
    target += found.substr(found.size() - kDigits);
    CreateFoldersOf(target.c_str());
    CopyFileA(found.c_str(), target.c_str(), TRUE);
}

// The file of a background slot; "" when there is none.
const cString& BackgroundName(int slot) {
    static const cString kNone;
    if (slot == kSlotWorldBack) return g_WorldMap.m_BackImage;
    if (g_Stage.m_BackLayers.empty()) return kNone;
    return g_Stage.m_BackLayers[0].m_Image;
}

// Loads the 32 standard surfaces. A missing background leaves its surface
// empty; any other surface that does not load ends the load.
bool LoadStandardBitmaps() {
    for (int i = 0; i < kBitmapCount; ++i) {
        DibLoadInfo& slot = g_BitmapName[i];
        const bool background = i == kSlotBack || i == kSlotWorldBack;
        if (background) {
            const cString& name = BackgroundName(i);
            if (name.empty()) {
                g_Bitmaps[i].Delete();
                continue;
            }
            // A name the slot cannot hold whole would name another file.
            if (name.size() >= sizeof slot.m_Path) {
                ErrorBoxF("%s が読み込めません！", name.c_str());
                g_Bitmaps[i].Delete();
                continue;
            }
            memcpy(slot.m_Path, name.c_str(), name.size() + 1);
        }
        if (g_Bitmaps[i].Load(slot)) continue;
        if (background) {
            // What a failed load left behind is no picture of the file.
            g_Bitmaps[i].Delete();
            continue;
        }
        ErrorBoxF("%s が読み込めません！", slot.m_Path);
        return false;
    }
    return true;
}

// The five picture sheets of the graphic picker, composed from the loaded
// sheets with their masks.
void ComposePictureSheets() {
    const cDib* src = g_Bitmaps;
    cDib& blocks = g_Bitmaps[kSheetBlock];
    blocks.Blt(0, 0, src[kSlotBlock].m_Width, src[kSlotBlock].m_Height, src[kSlotBlock], 0, 0, 0);

    cDib& charas = g_Bitmaps[kSheetChara];
    charas.Clear(0);
    for (int j = 0; j < 8; ++j) {
        const cDib& sheet = src[kSlotChara + 2 * j];
        charas.Blt(kCell * j, 0, kCell, sheet.m_Height, sheet, 0, 0, 0);
    }

    cDib& items = g_Bitmaps[kSheetItem];
    items.Clear(0);
    const cDib& itemSheet = src[kSlotItem];
    for (int j = 0; j < 8; ++j) items.Blt(kCell * j, 0, kCell, itemSheet.m_Height, itemSheet, 2 * kCell * j, 0, 0);

    // Shots: four columns of 30 tiles of 16 x 16, each column laid out as
    // two columns of 15, every tile centred in a 32 x 32 cell.
    cDib& shots = g_Bitmaps[kSheetShot];
    shots.Clear(0);
    const int kTile = 16;
    const int kTilesPerColumn = 30;
    const int kRows = 15;
    const int kInset = (kCell - kTile) / 2;
    for (int j = 0; j < 4; ++j) {
        for (int k = 0; k < kTilesPerColumn; ++k) {
            shots.Blt(2 * kCell * j + kCell * (k / kRows) + kInset, kCell * (k % kRows) + kInset, kTile, kTile,
                      src[kSlotShot], kCell * j, kTile * k, 0);
        }
    }

    cDib& marks = g_Bitmaps[kSheetMark];
    marks.Clear(0);
    marks.Blt(0, 0, src[kSlotMark].m_Width, src[kSlotMark].m_Height, src[kSlotMark], 0, 0, 0);
}

// The width of the mirrored cells of a character bitmap: one block, or for a
// giant character its cell of m_GiantSize blocks. A size below 1 counts as 1,
// and a cell is never wider than the sheet (nor than a block, for a sheet
// narrower than that).
int CharaMirrorWidth(const cEdBmpCharaExc& record, int sheetWidth) {
    if (!record.m_Giant) return kCell;
    const int64_t blocks = std::max<int32_t>(record.m_GiantSize, 1);
    return static_cast<int>(std::min<int64_t>(kCell * blocks, std::max(sheetWidth, kCell)));
}

}  // namespace

bool LoadCharaBitmaps(cVector<cDib>& surfaces, const cVector<cEdBmpCharaExc>& table) {
    for (cDib& dib : surfaces) dib.Delete();
    surfaces.resize(2 * table.size());
    for (int i = 1; i < static_cast<int>(table.size()); ++i) {
        const cEdBmpCharaExc& record = table[i];
        if (record.m_File.empty()) continue;
        const char* name = record.m_File.c_str();
        cDib& plain = surfaces[2 * i];
        cDib& mirrored = surfaces[2 * i + 1];
        if (!plain.Load(name, 8, 1, 0, 0) || !mirrored.Load(name, 8, 1, CharaMirrorWidth(record, plain.m_Width), 0)) {
            ErrorBoxF("%s の読み込みに失敗！", name);
            return false;
        }
    }
    return true;
}

bool LoadProject() {
    cGValFile vars = {g_GValInfo};
    LoadFromProject(vars, kPathGValInfo);
    g_Database.Load();
    LoadFromProject(g_System, kPathSystem);
    LoadFromProject(g_CommonPalette, kPathCommonPalette);
    LoadFromProject(g_PrjOption, kPathPrjOption);
    LoadFromProject(g_WorldMap, kPathWorldMap);
    CopyStageTemplate();

    const uint8_t transRGB[3] = {g_System.m_TransRed, g_System.m_TransGreen, g_System.m_TransBlue};
    if (!LoadPalettes(transRGB)) return false;
    if (!LoadStandardBitmaps()) return false;
    ComposePictureSheets();
    if (!LoadCharaBitmaps(g_CharaBitmaps, g_Database.m_BmpCharaExc)) return false;

    g_StageEdit.m_bOpen = 0;
    g_StageEdit.m_strPath.clear();
    return true;
}

bool LoadLastStage(const char* path) {
    bool opened = false;
    if (path && *path) {
        RecoverStage(path);
        opened = LoadStageFile(g_Stage, path) != 0;
        if (!opened) {
            g_Stage.SetDefault();
            g_Stage.SetSize(kNewStageSide, kNewStageSide, 0, 0);
        }
    }
    g_StageEdit.m_bOpen = opened ? 1 : 0;
    g_StageEdit.m_strPath.Set(opened ? path : "");
    g_StageEdit.AllocUndo(g_Stage.m_UndoCount, g_Stage.m_Pitch, g_Stage.m_Height);
    return opened;
}
