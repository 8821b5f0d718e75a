#include "model/prjoption.h"

#include "base/paths.h"
#include "base/platform.h"
#include "model/clamp.h"

const cString g_PrjOptionPath = "data\\PrjOption.dat";
const cString g_PrjOptionDefaultPath = "default\\PrjOption.dat";
const cString g_EditConfigPath = "e_data\\EditConfig.dat";

const cString g_OldVerOption[] = {
    "旧バージョンのステージファイルを「old_ver」フォルダへ移動(推奨)",
    "旧バージョンのステージファイルをそのまま残す",
    "旧バージョンのステージファイルを削除",
    "",
};

// ---------------------------------------------------------------------------
// cPrjOption

namespace {

const int kFlagCount[3] = {kBlockInheritCount, kCharaInheritCount, kItemInheritCount};

// Inserts flag k of an object type into those of its three vectors that the
// file held, with the value of each situation: a field that came in later is
// not inherited by a new stage palette entry and is inherited by placed
// objects. Vectors that the file did not hold keep their defaults.
void InsertDefFlag(cVector<int8_t>* vectors, const bool* fromFile, eObjType type, int k) {
    const int8_t values[kInheritSituationCount] = {0, 1, 1};
    const int count = kFlagCount[type];
    for (int s = 0; s < kInheritSituationCount; ++s) {
        const int index = DefInheritIndex(static_cast<eInheritSituation>(s), type);
        if (!fromFile[index]) continue;
        cVector<int8_t>& v = vectors[index];
        v.resize(static_cast<size_t>(count), 0);
        for (int i = count - 1; i > k; --i) v[i] = v[i - 1];
        v[k] = values[s];
    }
}

void ResizeDefFlags(cVector<int8_t>* vectors, eObjType type) {
    for (int s = 0; s < kInheritSituationCount; ++s) {
        vectors[DefInheritIndex(static_cast<eInheritSituation>(s), type)].resize(static_cast<size_t>(kFlagCount[type]),
                                                                                  0);
    }
}

}  // namespace

cPrjOption::cPrjOption() {
    Declare(248);
    SetDefault();
}

void cPrjOption::SetDefault() {
    Clear();
    m_bAutoGame = 1;
    m_strGamePath = "";
    m_DefBlock.SetDefault();
    m_DefChara.SetDefault();
    m_DefItem.SetDefault();
    m_DefBlock.m_Graphic = 1;
    m_DefChara.m_Graphic = 1;
    m_DefItem.m_Graphic = 1;
    for (int i = 0; i < kDefInheritCount; ++i) m_nDefInheritSrc[i] = i / 3;
    for (int t = 0; t < 3; ++t) {
        const eObjType type = static_cast<eObjType>(t);
        cVector<int8_t>& stage = m_bbDefInherit[DefInheritIndex(kInheritStage, type)];
        cVector<int8_t>& common = m_bbDefInherit[DefInheritIndex(kInheritCommonPlace, type)];
        stage.Reset(kFlagCount[t]);
        common.Reset(kFlagCount[t]);
        common.Fill(1);
    }
    // Appearance conditions, facing, group and held item stay with the object.
    m_bbDefInherit[DefInheritIndex(kInheritCommonPlace, kObjBlock)][1] = 0;
    cVector<int8_t>& chara = m_bbDefInherit[DefInheritIndex(kInheritCommonPlace, kObjChara)];
    chara[4] = 0;
    chara[5] = 0;
    chara[33] = 0;
    chara[35] = 0;
    m_bbDefInherit[DefInheritIndex(kInheritCommonPlace, kObjItem)][1] = 0;
    for (int t = 0; t < 3; ++t) {
        const eObjType type = static_cast<eObjType>(t);
        m_bbDefInherit[DefInheritIndex(kInheritStagePlace, type)] =
            m_bbDefInherit[DefInheritIndex(kInheritCommonPlace, type)];
    }
}

void cPrjOption::Declare(uint32_t version) {
    ResetDeclare();
    if (version < 130) {
        AddString(&g_ScratchString);
        AddInt(&g_ScratchInt);
        AddString(&g_ScratchString);
        AddString(&g_ScratchString);
    }
    // One field per source: situation 1 came in after the other two.
    for (int i = 0; i < kDefInheritCount; ++i) {
        if (version >= 70 || (version >= 51 && (i < 3 || i >= 6))) AddInt(&m_nDefInheritSrc[i]);
    }
    AddInt(&m_bAutoGame);
    AddString(&m_strGamePath);
    if (version >= 142) AddInt(&m_nOldVerStage);
}

void cPrjOption::Read(cRecFile* f) {
    cSerialRecord::Read(f);
    const uint32_t v = g_FileVersion;
    if (v >= 120) {
        m_DefBlock.Read(f);
        m_DefChara.Read(f);
        m_DefItem.Read(f);
    }
    if (v >= 71 && v < 130) {
        for (int i = 0; i < kWindowPlaceCount && !f->Failed(); ++i) {
            cEdWindowPlace dropped;
            dropped.Read(f);
        }
    }
    bool fromFile[kDefInheritCount] = {};
    if (v >= 50) {
        for (int i = 0; i < kDefInheritCount; ++i) {
            // Situation 1 came in with version 70.
            if (i >= 3 && i < 6 && v < 70) continue;
            m_bbDefInherit[i].ReadRaw(f);
            fromFile[i] = true;
        }
    }
    if (v < 248) {
        if (v < 81) ResizeDefFlags(m_bbDefInherit, kObjChara);
        if (v < 88) {
            InsertDefFlag(m_bbDefInherit, fromFile, kObjBlock, 5);
            InsertDefFlag(m_bbDefInherit, fromFile, kObjChara, 14);
            InsertDefFlag(m_bbDefInherit, fromFile, kObjItem, 7);
        }
        if (v < 92) ResizeDefFlags(m_bbDefInherit, kObjBlock);
        if (v < 105) InsertDefFlag(m_bbDefInherit, fromFile, kObjChara, 3);
        if (v < 142) m_nOldVerStage = 0;
        if (v < 168) InsertDefFlag(m_bbDefInherit, fromFile, kObjChara, 27);
        if (v < 201) InsertDefFlag(m_bbDefInherit, fromFile, kObjChara, 24);
        if (v < 210) InsertDefFlag(m_bbDefInherit, fromFile, kObjChara, 21);
    }
    // Whatever the file held, each vector has its type's number of flags.
    for (int t = 0; t < 3; ++t) ResizeDefFlags(m_bbDefInherit, static_cast<eObjType>(t));
    m_DefBlock.m_bbInherit.Fill(0);
    m_DefChara.m_bbInherit.Fill(0);
    m_DefItem.m_bbInherit.Fill(0);
}

eLoadSource LoadPrjOption() {
    CreateFoldersOf(g_PrjOptionPath.c_str());
    return LoadProjectFile(g_PrjOption, g_PrjOptionPath.c_str(), g_PrjOptionDefaultPath.c_str());
}

void cPrjOption::Write(cRecFile* f) {
    // The default records are never placed: they hold no cell.
    m_DefBlock.m_CellX = m_DefBlock.m_CellY = 0;
    m_DefChara.m_CellX = m_DefChara.m_CellY = 0;
    m_DefItem.m_CellX = m_DefItem.m_CellY = 0;
    cSerialRecord::Write(f);
    m_DefBlock.Write(f);
    m_DefChara.Write(f);
    m_DefItem.Write(f);
    for (auto& v : m_bbDefInherit) v.WriteRaw(f);
}

// ---------------------------------------------------------------------------
// cEdWindowPlace

cEdWindowPlace::cEdWindowPlace() {
    Declare(248);
    SetDefault();
}

void cEdWindowPlace::SetDefault() {
    Clear();
    m_bShown = 1;
}

void cEdWindowPlace::Set(int x, int y, int width, int height) {
    m_bValid = 1;
    m_nX = x;
    m_nY = y;
    m_nWidth = width;
    m_nHeight = height;
}

void cEdWindowPlace::Declare(uint32_t version) {
    ResetDeclare();
    if (version >= 72) AddInt(&m_bValid);
    AddInt(&m_nX);
    AddInt(&m_nY);
    AddInt(&m_nWidth);
    AddInt(&m_nHeight);
    if (version >= 122) AddInt(&m_bShown);
}

void cEdWindowPlace::Read(cRecFile* f) {
    cSerialRecord::Read(f);
    int32_t width;
    int32_t height;
    GetScreenSize(&width, &height);
    Clamp(&m_nX, 0, width);
    Clamp(&m_nY, 0, height);
}

// ---------------------------------------------------------------------------
// cEditConfig

cEditConfig::cEditConfig() {
    Declare(248);
    SetDefault();
}

void cEditConfig::SetDefault() {
    Clear();
    m_strNewStageTemplate = "data\\stg4\\Default.stg4_***";
    m_nNewStagePalette = 1;
    m_bEventEditBefore = 1;
    m_bEventAutoWorldNo = 1;
    m_bConvUseTransparent = 1;
    m_nConvLineIn = 1;
    m_nConvLineOut = 15;
    m_strConvFolder = "bmp\\convert";
}

void cEditConfig::Declare(uint32_t version) {
    ResetDeclare();
    if (version < 129) AddString(&g_ScratchString);
    if (version >= 73) AddString(&m_strLastStage);
    if (version >= 130) {
        AddString(&m_strNewStageTemplate);
        AddInt(&m_nNewStagePalette);
        AddString(&m_strNewStagePalette);
    }
    if (version >= 95) {
        for (auto& page : m_nLastPage) AddInt(&page);
    }
    if (version >= 198) {
        AddInt(&m_nResizeX);
        AddInt(&m_nResizeY);
    }
    if (version == 130) AddString(&g_ScratchString);
    AddInt(&m_bEventEditPlaced);
    AddInt(&m_bEventEditBefore);
    AddInt(&m_bEventAutoWorldNo);
    AddInt(&m_bConvUseTransparent);
    AddInt(&m_nConvTransparent);
    if (version >= 87) {
        AddInt(&m_bConvReplaceLine);
        AddInt(&m_nConvLineIn);
        AddInt(&m_nConvLineOut);
        AddInt(&m_bConvSameFolder);
    }
    AddString(&m_strConvFolder);
}

void cEditConfig::AlignShown() {
    m_Place[kPlaceCommonCharas].m_bShown = m_Place[kPlaceCommonBlocks].m_bShown;
    m_Place[kPlaceCommonItems].m_bShown = m_Place[kPlaceCommonBlocks].m_bShown;
    m_Place[kPlaceStageCharas].m_bShown = m_Place[kPlaceStageBlocks].m_bShown;
    m_Place[kPlaceStageItems].m_bShown = m_Place[kPlaceStageBlocks].m_bShown;
}

void cEditConfig::Read(cRecFile* f) {
    cSerialRecord::Read(f);
    if (g_FileVersion >= 130) {
        for (auto& place : m_Place) place.Read(f);
    }
    if (g_FileVersion < 198) {
        m_nResizeX = 0;
        m_nResizeY = 0;
    }
    AlignShown();
}

void cEditConfig::Write(cRecFile* f) {
    AlignShown();
    cSerialRecord::Write(f);
    for (auto& place : m_Place) place.Write(f);
}
