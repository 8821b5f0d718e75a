#include "model/stage.h"

#include <algorithm>
#include <functional>
#include <string>
#include <utility>

#include "base/log.h"
#include "base/thread.h"
#include "model/debugbox.h"
#include "model/palette.h"
#include "model/prjoption.h"
#include "model/record_refs.h"

const cString g_StageFolder = "data\\stg4\\";
const cString g_StageWorkFolder = "data\\work\\";
const cString g_PaletteFolder = "data\\plt4\\";

cString StageFileExt() {
    cString ext;
    ext.Format("%s_%s", "stg4", cString(std::to_string(g_DataVersion)).c_str());
    return ext;
}

// ---------------------------------------------------------------------------
// Option tables

const cString g_ScrollKindName[] = {"主人公の位置に合わせてスクロール", "オートスクロール", ""};
const cString g_ResizeXName[] = {"右方向へ拡張（または右を削除）", "左方向へ拡張（または左を削除）", ""};
const cString g_ResizeYName[] = {"下方向へ拡張（または下を削除）", "上方向へ拡張（または上を削除）", ""};
const cString g_HitLevelName[] = {
    "レベル1 (速度制限=60)",  "レベル2 (速度制限=120)", "レベル3 (速度制限=180)", "レベル4 (速度制限=240)",
    "レベル5 (速度制限=300)", "レベル6 (速度制限=360)", "レベル7 (速度制限=420)", "レベル8 (速度制限=480)",
    "レベル9 (速度制限=540)", "レベル10 (速度制限=600)", "レベル1 (速度制限=600)", "レベル2 (速度制限=600)",
    "レベル3 (速度制限=600)", "レベル4 (速度制限=600)", "レベル5 (速度制限=600)", "レベル6 (速度制限=600)",
    "レベル7 (速度制限=600)", "レベル8 (速度制限=600)", "レベル9 (速度制限=600)", "",
};
const cString g_ShotPrecisionName[] = {
    "最大 (当たり判定レベルと同じ)", "1 (対応速度=60)", "2 (対応速度=最大120)", "3 (対応速度=最大180)",
    "4 (対応速度=最大240)", "5 (対応速度=最大300)", "",
};
const cString g_HitPosName[] = {"中央", "下", ""};
const cString g_HitPosShortName[] = {"中", "下", ""};
const cString g_HitShowName[] = {"表示しない", "表示する", "枠のみ表示", ""};
const cString g_HitColourName[] = {"赤", "緑", "青", "黄", "赤紫", "青紫", "黒", "虹", ""};
const cString g_WheelDirName[] = {"水平方向", "垂直方向", ""};

// ---------------------------------------------------------------------------
// Small records

cEdEdgeRule::cEdEdgeRule() {
    Declare(g_DataVersion);
}

void cEdEdgeRule::Declare(uint32_t version) {
    ResetDeclare();
    AddInt(&m_bLeft);
    if (version >= 125) {
        AddInt(&m_bRight);
        AddInt(&m_bTop);
        AddInt(&m_bBottom);
    }
    AddInt(&m_Left);
    AddInt(&m_Right);
    AddInt(&m_Top);
    AddInt(&m_Bottom);
}

void cEdEdgeRule::Set(int flag, int margin) {
    m_bLeft = m_bRight = m_bTop = m_bBottom = flag;
    m_Left = m_Right = m_Top = m_Bottom = margin;
}

cEdBackLayer::cEdBackLayer() {
    Declare(g_DataVersion);
}

void cEdBackLayer::SetDefault() {
    *this = cEdBackLayer();
}

void cEdBackLayer::Declare(uint32_t version) {
    ResetDeclare();
    if (version >= 62) AddInt(&m_bShowFirst);
    AddInt(&m_bUseColour);
    AddInt(&m_Colour);
    AddInt(&m_bFront);
    if (version >= 61) {
        AddDouble(&m_dScrollX);
        AddDouble(&m_dScrollY);
        AddInt(&m_bAutoX);
        AddInt(&m_bAutoY);
    } else {
        AddInt(&g_ScratchInt);
        AddInt(&g_ScratchInt);
    }
    if (version >= 62) {
        AddDouble(&m_dExtra1);
        AddDouble(&m_dExtra2);
    } else if (version == 61) {
        AddInt(&g_ScratchInt);
        AddInt(&g_ScratchInt);
    }
    AddString(&m_Image);
}

cEdValInfo::cEdValInfo() {
    Declare(g_DataVersion);
}

void cEdValInfo::Declare(uint32_t) {
    ResetDeclare();
    AddString(&m_Name);
}

// ---------------------------------------------------------------------------
// Inheritance setter

namespace {

template <class T>
void SetInheritOf(T& rec, int kind, int16_t index, cVector<int8_t>& flags) {
    const cVector<T>* v = (kind == 1 || kind == 2) ? PaletteVector<T>(kind) : nullptr;
    // The index counts as unsigned: -1 is past the end of any palette.
    const bool outside =
        (kind == 1 || kind == 2) && (!v || static_cast<uint16_t>(index) >= static_cast<size_t>(v->size()));
    if (outside) {
        rec.m_InheritKind = 0;
        rec.m_InheritIndex = 0;
        rec.m_bbInherit.Fill(0);
    } else {
        rec.m_InheritKind = static_cast<int8_t>(kind);
        rec.m_InheritIndex = index;
        if (rec.m_bbInherit.size() != flags.size()) {
            DebugBoxF("lpData->m_bbInherit.size() != DefInheritCheck.size()\nデフォルトの継承設定がおかしい？");
        }
        rec.m_bbInherit = flags;
    }
    rec.ApplyInherit();
}

}  // namespace

void SetInherit(cSerialRecord* record, eObjType type, int kind, int16_t index, cVector<int8_t> flags) {
    switch (type) {
    case kObjBlock:
        if (auto* b = dynamic_cast<cEdBlock*>(record)) SetInheritOf(*b, kind, index, flags);
        break;
    case kObjChara:
        if (auto* c = dynamic_cast<cEdChara*>(record)) SetInheritOf(*c, kind, index, flags);
        break;
    case kObjItem:
        if (auto* i = dynamic_cast<cEdItem*>(record)) SetInheritOf(*i, kind, index, flags);
        break;
    }
}

// ---------------------------------------------------------------------------
// cEdStage

namespace {

// Version from which files hold each of the values 36 to 83, and their
// defaults.
const uint8_t kHitSince[kHitBoxValues] = {
    200, 200, 200, 200, 0, 0, 155, 155, 0, 0, 0, 0,          // 36-47
    200, 200, 155, 155, 200, 0, 0, 0, 200, 0, 0, 0,          // 48-59
    200, 200, 200, 200, 0, 0, 155, 155, 0, 0, 200, 200,      // 60-71
    155, 155, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,                  // 72-83
};
const int32_t kHitDefault[kHitBoxValues] = {
    16, 24, 16, 16, 16, 24, 16, 16, 12, 8, 16, 16,  // 36-47
    1, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0,             // 48-59
    16, 24, 16, 16, 12, 24, 12, 16, 30, 30, 1, 0,   // 60-71
    1, 0, 28, 28, 16, 16, 16, 16, 16, 16, 16, 16,   // 72-83
};

// While it lives, links of kind 2 go to this stage's palette; the palette
// that was installed before comes back afterwards.
class cPaletteScope {
public:
    explicit cPaletteScope(cEdStage& stage)
        : m_Blocks(PaletteVector<cEdBlock>(2)), m_Charas(PaletteVector<cEdChara>(2)), m_Items(PaletteVector<cEdItem>(2)) {
        SetStagePalette(&stage.m_PalBlocks, &stage.m_PalCharas, &stage.m_PalItems);
    }
    ~cPaletteScope() { SetStagePalette(m_Blocks, m_Charas, m_Items); }
    cPaletteScope(const cPaletteScope&) = delete;
    cPaletteScope& operator=(const cPaletteScope&) = delete;

private:
    cVector<cEdBlock>* m_Blocks;
    cVector<cEdChara>* m_Charas;
    cVector<cEdItem>* m_Items;
};


template <class T>
void PadPalette(cVector<T>& v, const T& projectDefault, eObjType type) {
    if (v.size() >= 2) return;
    v.resize(2);
    v[1] = projectDefault;
    const int k = DefInheritIndex(kInheritStage, type);
    SetInherit(&v[1], type, g_PrjOption.m_nDefInheritSrc[k], 1, g_PrjOption.m_bbDefInherit[k]);
}

// A record of a palette or a layer as the stage's validation leaves it.
template <class T>
void ValidateCell(T& e) {
    e.Validate();
    e.ValidateRefs();
}

template <class T>
void ValidateEach(cVector<T>& v) {
    for (auto& e : v) ValidateCell(e);
}

// A layer just read: its placed objects validated themselves as they were
// read, and their references were checked then too when refsChecked (the
// palettes were already whole); the empty cells are validated here.
template <class T>
void ValidateReadLayer(cVector<T>& v, bool refsChecked) {
    for (auto& e : v) {
        if (e.m_Graphic == 0) {
            ValidateCell(e);
        } else if (!refsChecked) {
            e.ValidateRefs();
        }
    }
}

// The new layer takes the old cells that the alignment keeps.
template <class T>
void MoveCells(cVector<T>& dst, int dstShift, cVector<T>& src, int srcShift, int rows, int cols, int dxNew,
               int dyNew, int dxOld, int dyOld) {
    for (int i = 0; i < rows; ++i) {
        for (int j = 0; j < cols; ++j) {
            dst[(j + dxNew) + ((i + dyNew) << dstShift)] = std::move(src[(j + dxOld) + ((i + dyOld) << srcShift)]);
        }
    }
}

// Offsets of one axis: where the kept old cells start in the new and the old
// layer.
void AxisOffsets(int align, int newSize, int oldSize, int* dNew, int* dOld) {
    *dNew = 0;
    *dOld = 0;
    if (align != 1) return;
    if (newSize > oldSize) *dNew = newSize - oldSize;
    else *dOld = oldSize - newSize;
}

// A cell survives a resize of one axis when it lies in the part the
// alignment keeps.
bool Survives(int pos, int align, int newSize, int oldSize) {
    if (align == 1) return pos >= oldSize - newSize;
    return pos < newSize;
}

}  // namespace

cEdStage::cEdStage() {
    Declare(g_DataVersion);
    SetDefault();
    if (this == &g_Stage) RegisterPalette();
}

cEdStage::~cEdStage() {
    if (PaletteVector<cEdBlock>(2) == &m_PalBlocks) SetStagePalette(nullptr, nullptr, nullptr);
}

void cEdStage::RegisterPalette() {
    SetStagePalette(&m_PalBlocks, &m_PalCharas, &m_PalItems);
}

void cEdStage::TakeFrom(cEdStage& src) {
    // The big vectors change hands by swapping, so nothing is copied twice
    // and a registered palette stays registered (its vectors keep their
    // identity). The working members of this stage stay; the wheel
    // direction is the one src ends with (a spare that was read starts with
    // the value of the stage it replaces, see LoadStageFile).
    const cThread* stop = m_pReadStop;
    const cString loadPath = m_LoadPath;
    const int32_t loadOk = m_LoadOk;
    cVector<cEdBlock> blocks, palBlocks;
    cVector<cEdChara> charas, palCharas;
    cVector<cEdItem> items, palItems;
    cVector<cEdBackLayer> backLayers;
    cVector<cEdValInfo> vars;
    blocks.swap(src.m_Blocks);
    charas.swap(src.m_Charas);
    items.swap(src.m_Items);
    palBlocks.swap(src.m_PalBlocks);
    palCharas.swap(src.m_PalCharas);
    palItems.swap(src.m_PalItems);
    backLayers.swap(src.m_BackLayers);
    vars.swap(src.m_Vars);
    *this = src;  // the settings; the vectors above are empty in src now
    m_Blocks.swap(blocks);
    m_Charas.swap(charas);
    m_Items.swap(items);
    m_PalBlocks.swap(palBlocks);
    m_PalCharas.swap(palCharas);
    m_PalItems.swap(palItems);
    m_BackLayers.swap(backLayers);
    m_Vars.swap(vars);
    m_pReadStop = stop;
    m_LoadPath = loadPath;
    m_LoadOk = loadOk;
}

void cEdStage::SetHitBoxDefaults() {
    std::copy(kHitDefault, kHitDefault + kHitBoxValues, m_HitBoxes);
    m_UndoCount = 1;
}

void cEdStage::SetDefault() {
    Clear();
    m_Blocks.clear();
    m_Charas.clear();
    m_Items.clear();
    m_PalBlocks.Reset(1);
    m_PalCharas.Reset(1);
    m_PalItems.Reset(1);
    m_bTimeLimit = 0;
    m_TimeLimit = 200;
    m_WarnTime = 20;
    m_Gravity = 0.4;
    m_FrameRate = 60;
    m_HitLevel = 10;
    m_ShotPrecision = 0;
    m_bUseZ = 1;
    m_bNoDamageOffScreen = 1;
    m_bStatusWindow = 1;
    m_bSkipClearKey = 0;
    m_bShowStage = 0;
    m_bShowReady = 1;
    m_bShowClear = 1;
    m_bShowGameOver = 1;
    m_HeroInvTime = 0;
    m_HeroSameInvTime = 30;
    m_EnemyInvTime = 0;
    m_EnemySameInvTime = 30;
    m_BackLayers.Reset(1);
    m_BackLayers[0].m_bUseColour = 1;
    m_RankingItems.assign(kRankingCount, 1);
    m_Vanish[0].Set(0, 0);
    m_Vanish[1].Set(0, 0);
    m_Vanish[2].Set(0, 0);
    m_Vanish[3].Set(1, 0);
    m_Vanish[4].Set(1, 10);
    SetHitBoxDefaults();
    SetSize(20, 15, 0, 0);
    m_Vars.Reset(kStageVarCount);
}

void cEdStage::Declare(uint32_t version) {
    ResetDeclare();
    AddInt(&m_Width);
    AddInt(&m_Pitch);
    AddInt(&m_PitchShift);
    AddInt(&m_Height);
    AddInt(&m_bScrollMinX);
    AddInt(&m_bScrollMaxX);
    AddInt(&m_bScrollMinY);
    AddInt(&m_bScrollMaxY);
    AddInt(&m_ScrollMinX);
    AddInt(&m_ScrollMaxX);
    AddInt(&m_ScrollMinY);
    AddInt(&m_ScrollMaxY);
    AddInt(&m_FrameRate);
    AddInt(&m_bTimeLimit);
    AddInt(&m_TimeLimit);
    AddInt(&m_WarnTime);
    AddInt(&m_ScrollKindX);
    AddInt(&m_ScrollKindY);
    AddInt(&m_AutoSpeedX);
    AddInt(&m_AutoSpeedY);
    AddDouble(&m_Gravity);
    AddInt(&m_HitLevel);
    AddInt(&m_ShotPrecision);
    AddInt(&m_BgmNo);
    if (version >= 166) AddInt(&m_bBgmLoop);
    if (version >= 199) AddInt(&m_bBgmKeep);
    AddInt(&m_bUseZ);
    AddInt(&m_bStatusFromStock);
    AddInt(&m_bStatusToStock);
    if (version >= 183) AddInt(&m_bStatusWindow);
    if (version >= 184) AddInt(&m_bSkipClearKey);
    AddInt(&m_bShowStage);
    if (version >= 225) AddInt(&m_bShowReady);
    AddInt(&m_bShowClear);
    AddInt(&m_bShowGameOver);
    for (int i = 0; i < kHitBoxValues; ++i) {
        if (version >= kHitSince[i]) AddInt(&m_HitBoxes[i]);
    }
    AddInt(&m_UndoCount);
    AddInt(&m_PixelWidth);
    AddInt(&m_PixelHeight);
    AddInt(&m_HitSteps);
    AddDouble(&m_dHitSteps);
    AddDouble(&m_dHitSteps2);
    AddDouble(&m_dSpeedCap);
    AddDouble(&m_dGravityStep);
    AddDouble(&m_dSpeedCapStep);
    AddInt(&m_HitSteps8);
    AddInt(&m_bNoDamageOffScreen);
    AddInt(&m_HeroSameInvTime);
    AddInt(&m_HeroInvTime);
    AddInt(&m_EnemySameInvTime);
    AddInt(&m_EnemyInvTime);
    AddString(&m_Name);
}

void cEdStage::SetHitLevel(int level) {
    m_HitLevel = level;
    const bool high = level >= 11 && level <= 19;
    // wide arithmetic: an unchecked level must not overflow
    const int64_t b = high ? level - 10 : level;
    m_HitSteps = static_cast<int32_t>(b);
    m_dHitSteps = static_cast<double>(b);
    m_dHitSteps2 = static_cast<double>(b) * static_cast<double>(b);
    m_HitSteps6 = static_cast<int32_t>(b * 6);
    m_dSpeedCap = high ? 6.0 * 10.0 : static_cast<double>(b) * 6.0;
    // a level of 0 divides by nothing
    m_dSpeedCapStep = b != 0 ? m_dSpeedCap / m_dHitSteps : 0.0;
    m_dGravityStep = b != 0 ? m_Gravity / m_dHitSteps2 : 0.0;
    m_HitSteps8 = static_cast<int32_t>(b * 8);
}

int cEdStage::SetSize(int w, int h, int alignX, int alignY) {
    ErrorLog("SetSize In");
    if (w <= 0 || h <= 0) {
        DebugBoxF("SetSize()で 0 を指定しました！");
        return 0;
    }
    w = std::min(w, kStageMaxSide);
    h = std::min(h, kStageMaxSide);
    const int oldW = m_Width;
    const int oldH = m_Height;
    const int oldShift = m_PitchShift;
    const bool hadCells = !m_Blocks.empty();
    const size_t oldCells = static_cast<size_t>(1) << std::min(std::max(oldShift, 0), 30);
    const bool oldShapeOk = oldW > 0 && oldH > 0 && oldShift >= 0 && oldShift <= 30 &&
                            static_cast<size_t>(oldW) <= oldCells &&
                            m_Blocks.size() == oldCells * static_cast<size_t>(oldH) &&
                            m_Charas.size() == m_Blocks.size() && m_Items.size() == m_Blocks.size();

    // A player that the resize cuts off is kept at (0, 0).
    cEdChara lostPlayer;
    bool playerLost = false;
    if (!m_Charas.empty() && oldShapeOk) {
        int px, py;
        if (FindPlayer(&px, &py) &&
            !(Survives(px, alignX, w, oldW) && Survives(py, alignY, h, oldH))) {
            lostPlayer = m_Charas[CellIndex(px, py)];
            playerLost = true;
        }
    }

    cVector<cEdBlock> oldBlocks;
    cVector<cEdChara> oldCharas;
    cVector<cEdItem> oldItems;
    oldBlocks.swap(m_Blocks);
    oldCharas.swap(m_Charas);
    oldItems.swap(m_Items);

    m_Width = w;
    m_Height = h;
    m_PixelWidth = w * 32;
    m_PixelHeight = h * 32;
    int shift = 0;
    for (int n = w - 1; n > 0; n /= 2) ++shift;
    m_PitchShift = shift;
    m_Pitch = 1 << shift;
    const size_t cells = static_cast<size_t>(m_Pitch) * static_cast<size_t>(h);
    m_Blocks.Reset(static_cast<int>(cells));
    m_Charas.Reset(static_cast<int>(cells));
    m_Items.Reset(static_cast<int>(cells));

    if (hadCells && oldShapeOk) {
        int dxNew, dxOld, dyNew, dyOld;
        AxisOffsets(alignX, w, oldW, &dxNew, &dxOld);
        AxisOffsets(alignY, h, oldH, &dyNew, &dyOld);
        const int rows = std::min(h, oldH);
        const int cols = std::min(w, oldW);
        MoveCells(m_Blocks, shift, oldBlocks, oldShift, rows, cols, dxNew, dyNew, dxOld, dyOld);
        MoveCells(m_Charas, shift, oldCharas, oldShift, rows, cols, dxNew, dyNew, dxOld, dyOld);
        MoveCells(m_Items, shift, oldItems, oldShift, rows, cols, dxNew, dyNew, dxOld, dyOld);
    }
    if (playerLost) m_Charas[0] = lostPlayer;

    m_ScrollMinX = std::min(m_ScrollMinX, m_Width - 20);
    m_ScrollMaxX = std::min(m_ScrollMaxX, m_Width - 1);
    m_ScrollMinY = std::min(m_ScrollMinY, m_Height - 15);
    m_ScrollMaxY = std::min(m_ScrollMaxY, m_Height - 1);
    return 1;
}

// Write takes the same steps, a cell at a time as it writes the layers.
void cEdStage::Validate() {
    cPaletteScope scope(*this);
    ValidateSettings();
    ValidateEach(m_Blocks);
    ValidateEach(m_Charas);
    ValidateEach(m_Items);
}

void cEdStage::ValidateSettings() {
    m_ScrollMinX = std::min(m_ScrollMinX, m_Width - 20);
    m_ScrollMaxX = std::min(m_ScrollMaxX, m_Width - 1);
    m_ScrollMinY = std::min(m_ScrollMinY, m_Height - 15);
    m_ScrollMaxY = std::min(m_ScrollMaxY, m_Height - 1);
    // the level is an entry of g_HitLevelName (offset 1)
    if (m_HitLevel < 1 || m_HitLevel > 19) m_HitLevel = 1;
    SetHitLevel(m_HitLevel);
    if (OutsideTable(m_BgmNo, kTableBgm)) m_BgmNo = 0;
    PadPalette(m_PalBlocks, g_PrjOption.m_DefBlock, kObjBlock);
    PadPalette(m_PalCharas, g_PrjOption.m_DefChara, kObjChara);
    PadPalette(m_PalItems, g_PrjOption.m_DefItem, kObjItem);
    ValidateEach(m_PalBlocks);
    ValidateEach(m_PalCharas);
    ValidateEach(m_PalItems);
}

namespace {

// One layer section: a count, then (cell index, record) pairs in row order.
// Every index must name a cell of the stage and come after the one before.
// With checkRefs, each object's references are checked as soon as it is
// read, which needs the palettes whole.
template <class T>
void ReadLayer(cEdStage& stage, cVector<T>& layer, cRecFile* f, bool checkRefs) {
    int32_t count;
    if (f->StopAsked() || !f->ReadCount(&count, 4 + kMinRecordBytes)) return;
    if (count > stage.m_Width * stage.m_Height) {
        f->Fail("a layer lists more cells than the stage has");
        return;
    }
    int32_t last = -1;
    for (int32_t n = 0; n < count && !f->StopAsked(); ++n) {
        int32_t index;
        if (!f->ReadInt(&index)) return;
        const int x = index & (stage.m_Pitch - 1);
        if (index <= last || index >= stage.LayerSize() || x >= stage.m_Width) {
            f->Fail("a cell index outside the stage or out of order");
            return;
        }
        last = index;
        layer[index].Read(f);
        if (checkRefs) layer[index].ValidateRefs();
    }
}

// A cell as the stage's validation leaves it, with the inheritance of a
// placed object applied.
template <class T>
void PrepareCell(T& e) {
    ValidateCell(e);
    if (e.m_Graphic != 0) e.ApplyInherit();
}

// One layer section. Each cell is made ready by prepare just before it is
// written, in one visit, while its records are at hand; the count of
// written cells ahead of them is filled in last. Every cell of the layer is
// prepared, also those of the columns beyond the stage's width.
template <class T, class Prepare, class Before>
void WriteLayer(cEdStage& stage, cVector<T>& layer, cRecFile* f, Prepare prepare, Before before) {
    const uint64_t countPos = f->WritePos();
    f->WriteInt(0);
    int32_t count = 0;
    const int size = static_cast<int>(layer.size());
    for (int index = 0; index < size; ++index) {
        T& e = layer.data()[index];
        prepare(e);
        const int x = index & (stage.m_Pitch - 1);
        const int y = index >> stage.m_PitchShift;
        if (e.m_Graphic == 0 || x >= stage.m_Width || y >= stage.m_Height) continue;
        e.m_CellX = static_cast<int16_t>(x);
        e.m_CellY = static_cast<int16_t>(y);
        before(e, index);
        f->WriteInt(index);
        e.Write(f);
        ++count;
    }
    f->PatchInt(countPos, count);
}

}  // namespace

namespace {

bool ThreadStopAsked(const void* thread) {
    return static_cast<const cThread*>(thread)->StopRequested();
}

}  // namespace

void cEdStage::Read(cRecFile* f) {
    cPaletteScope scope(*this);
    // A stop asked of the reading thread is seen between any two records of
    // the file, the settings and palettes as much as the cells.
    if (m_pReadStop) f->SetStopCheck(ThreadStopAsked, m_pReadStop);
    const uint32_t version = g_FileVersion;
    if (version > g_DataVersion) f->Fail("the file comes from a newer version");
    if (!f->StopAsked()) cSerialRecord::Read(f);
    if (!f->Failed() && (m_Width < kStageMinSide || m_Width > kStageMaxSide || m_Height < kStageMinSide ||
                         m_Height > kStageMaxSide)) {
        f->Fail("the stage size is outside the limits");
    }
    if (!f->StopAsked()) m_RankingItems.ReadRaw(f);
    for (auto& rule : m_Vanish) {
        if (!f->StopAsked()) rule.Read(f);
    }
    bool refsChecked = false;
    if (!f->StopAsked()) ReadVector(m_PalBlocks, f);
    if (!f->StopAsked()) ReadVector(m_PalCharas, f);
    if (!f->StopAsked()) ReadVector(m_PalItems, f);
    if (!f->StopAsked()) {
        if (!m_PalBlocks.empty()) m_PalBlocks[0].SetDefault();
        if (!m_PalCharas.empty()) m_PalCharas[0].SetDefault();
        if (!m_PalItems.empty()) m_PalItems[0].SetDefault();
        m_Blocks.clear();
        m_Charas.clear();
        m_Items.clear();
        SetSize(m_Width, m_Height, 0, 0);
        // Validation pads a palette of fewer than two entries; until then
        // the references to the palettes wait for it.
        refsChecked = m_PalBlocks.size() >= 2 && m_PalCharas.size() >= 2 && m_PalItems.size() >= 2;
        ReadLayer(*this, m_Blocks, f, refsChecked);
        ReadLayer(*this, m_Charas, f, refsChecked);
        ReadLayer(*this, m_Items, f, refsChecked);
    }
    if (!f->StopAsked()) ReadVector(m_BackLayers, f);
    if (!f->StopAsked()) ReadVector(m_Vars, f);
    if (!f->StopAsked() && version >= kStageTrailerVersion) f->ReadInt(&g_ScratchInt);
    if (m_pReadStop) f->SetStopCheck(nullptr, nullptr);
    if (f->Failed()) {
        // what was read is not a stage; the caller discards it
        SetDefault();
        return;
    }
    ApplyFixups();
    ValidateSettings();
    ValidateReadLayer(m_Blocks, refsChecked);
    ValidateReadLayer(m_Charas, refsChecked);
    ValidateReadLayer(m_Items, refsChecked);
}

void cEdStage::ApplyFixups() {
    const uint32_t v = g_FileVersion;
    if (v >= g_DataVersion) return;
    int32_t* hb = m_HitBoxes;
    if (v < 155) {
        hb[kHitHeroFlyCharaW] = hb[kHitHeroWalkCharaW];
        hb[kHitHeroFlyCharaH] = hb[kHitHeroWalkCharaH];
        hb[kHitEnemyFlyCharaW] = hb[kHitEnemyWalkCharaW];
        hb[kHitEnemyFlyCharaH] = hb[kHitEnemyWalkCharaH];
        hb[kHitHeroWalkCharaPos] = 0;
        hb[kHitHeroFlyCharaPos] = 0;
        hb[kHitEnemyWalkCharaPos] = 0;
        hb[kHitEnemyFlyCharaPos] = 0;
    }
    if (v < 166) m_bBgmLoop = 1;
    if (v < 181) {
        m_RankingItems.resize(kRankingCount, 0);
        m_RankingItems[3] = 0;
        m_RankingItems[4] = 0;
    }
    if (v < 183) m_bStatusWindow = 1;
    if (v < 184) m_bSkipClearKey = 0;
    if (v < 199) m_bBgmKeep = 0;
    if (v < 200) {
        hb[kHitHeroWalkBlockW] = 16;
        hb[kHitHeroWalkBlockH] = 24;
        hb[kHitHeroFlyBlockW] = 16;
        hb[kHitHeroFlyBlockH] = 16;
        hb[kHitHeroWalkBlockPos] = 1;
        hb[kHitHeroFlyBlockPos] = 0;
        hb[kHitHeroBlockShow] = 0;
        hb[kHitHeroBlockColour] = 5;
        hb[kHitEnemyWalkBlockW] = 16;
        hb[kHitEnemyWalkBlockH] = 30;
        hb[kHitEnemyFlyBlockW] = 16;
        hb[kHitEnemyFlyBlockH] = 30;
        hb[kHitEnemyWalkBlockPos] = 1;
        hb[kHitEnemyFlyBlockPos] = 1;
    }
    if (v < 208) m_WheelDir = 0;
    if (v < 225) m_bShowReady = 0;
}

void cEdStage::Write(cRecFile* f) {
    // The settings and palettes first: every cell is checked against them.
    cPaletteScope scope(*this);
    ValidateSettings();
    cSerialRecord::Write(f);
    m_RankingItems.WriteRaw(f);
    for (auto& rule : m_Vanish) rule.Write(f);
    WriteVector(m_PalBlocks, f);
    WriteVector(m_PalCharas, f);
    WriteVector(m_PalItems, f);
    auto prepare = [](auto& e) { PrepareCell(e); };
    auto none = [](auto&, int) {};
    WriteLayer(*this, m_Blocks, f, prepare, none);
    // The item layer is made ready first so that a held item is counted the
    // way the item section will list it.
    for (auto& e : m_Items) PrepareCell(e);
    // itemsBefore[i]: the written items with a smaller cell index.
    cVector<int32_t> itemsBefore;
    itemsBefore.assign(m_Items.size(), 0);
    {
        int32_t seen = 0;
        for (int y = 0; y < m_Height; ++y) {
            for (int x = 0; x < m_Width; ++x) {
                const int index = CellIndex(x, y);
                itemsBefore[index] = seen;
                if (m_Items[index].m_Graphic != 0) ++seen;
            }
        }
    }
    WriteLayer(*this, m_Charas, f, prepare, [&](cEdChara& c, int index) {
        if (c.m_Control == 1 && c.m_HoldItem != 0 && m_Items[index].m_Graphic != 0) {
            c.m_HeldItemNo = itemsBefore[index];
        } else {
            c.m_HeldItemNo = -1;
        }
    });
    WriteLayer(*this, m_Items, f, [](cEdItem& e) {
        if (e.m_Graphic != 0) e.ApplyInherit();
    }, none);
    WriteVector(m_BackLayers, f);
    WriteVector(m_Vars, f);
    f->WriteInt(kStageTrailer);
}
