// The stage editor's long-lived state (g_StageEdit): which stage is open, the
// current layer, tool and brush, the palette selection and clipboard, what an
// open definition sheet edits, and the undo and redo histories of the three
// stage layers. The editors read and write its members directly.
//
// Also the stack of view states that the stage canvas and the world map
// window push and pop (g_StateStack).
#pragma once

#include <cstdint>

#include <boost/shared_ptr.hpp>

#include "base/containers.h"
#include "base/str.h"
#include "model/definitions.h"
#include "model/flow.h"

class cWnd;
class cPropSheet;

// What the palette selection of a layer was while another layer is current.
struct cLayerBrush {
    int32_t m_nIndex = 0;
    int32_t m_nBrushW = 1;
    int32_t m_nBrushH = 1;
};

// Layer masks of an undo step.
enum : int32_t { kLayerMaskBlock = 1, kLayerMaskChara = 2, kLayerMaskItem = 4, kLayerMaskAll = 7 };

class cStageEdit {
public:
    cStageEdit();
    ~cStageEdit() = default;
    cStageEdit(const cStageEdit&) = delete;
    cStageEdit& operator=(const cStageEdit&) = delete;

    // Back to the start of an editing session: no stage open, nothing
    // modified, a 1 x 1 brush of one empty record per layer, no selection,
    // no palette clipboard. The edit target, the sheet contexts, the layer
    // views and the histories stay.
    void Reset();

    // Layers and tools. SwitchLayer remembers the current layer to go back
    // to, SetLayer makes the new one that layer; NextLayer goes 0, 1, 2, 0.
    void SwitchLayer(int layer);
    void SetLayer(int layer);
    void NextLayer();
    // Keeps the palette selection of the layer left in m_View and takes the
    // one of the new layer (only when the layer changes), makes it current,
    // sets the tool again (ending a selection's cursor mode), tells the
    // layer-changed handler and empties the palette clipboard. A value
    // other than 0, 1 or 2 only empties the clipboard.
    void SelectLayer(int layer);
    // Tools 0 to 4 take cursor modes 0, 1, 2, 3, 3; another tool leaves the
    // cursor mode.
    void SetTool(int tool);
    void SetRightClickMode(int mode);
    void ClearPalClip();
    // The selected entry index (g_EditSource[1]) and brush size to or from
    // m_View[layer]; other layers are ignored.
    void SaveView(int layer);
    void RestoreView(int layer);

    // Undo and redo. Each history holds up to g_Stage.m_UndoCount steps,
    // step 0 the newest; a step is a snapshot of the three layers of which
    // only those of its layer mask hold data. Passes over a layer visit the
    // stage's cells (x < m_Width) only.
    //
    // The bytes one step is counted to take for a stage of this pitch
    // (rounded up to a power of two) and height; INT32_MAX when larger.
    static int StepBytes(int pitch, int height);
    // Empties both histories and sizes them for count steps of pitch x
    // height empty cells each. When the free physical memory cannot hold the
    // stage and two histories of count steps, the count is lowered to what
    // fits (0 when not even one step fits, or a layer is beyond the int
    // range), stored into g_Stage.m_UndoCount and shown as a debug box.
    void AllocUndo(int count, int pitch, int height);
    // Releases the snapshots of both histories; no step is held after it.
    // The flag vectors keep their size.
    void ClearUndo();
    // Records the layers of mask of cur as step 0 of the history, the older
    // steps moving one up (the oldest falls off a full history); always 1.
    // Nothing is recorded while g_Stage.m_UndoCount is 0 or a test play
    // runs. When this object's own history does not fit the stage (emptied
    // by ClearUndo and not sized again, or sized for another stage), both
    // histories are sized again for g_Stage first; a history that still does
    // not fit, or layers of another size than the stage's, record nothing.
    // m_nRedo is left to the caller.
    int PushUndo(int mask, cVector<cVector<cEdBlock>>& histBlock, cVector<cVector<cEdChara>>& histChara,
                 cVector<cVector<cEdItem>>& histItem, const cVector<cEdBlock>& curBlock,
                 const cVector<cEdChara>& curChara, const cVector<cEdItem>& curItem, int32_t& count,
                 cVector<int32_t>& flags);
    // Puts the layers of undo step 0 back (the present ones becoming redo
    // step 0) and re-applies their inheritance; Redo the mirror image. Both
    // do nothing when there is no step or a history does not fit the stage.
    void Undo(cVector<cEdBlock>& curBlock, cVector<cEdChara>& curChara, cVector<cEdItem>& curItem);
    void Redo(cVector<cEdBlock>& curBlock, cVector<cEdChara>& curChara, cVector<cEdItem>& curItem);
    // Per layer of mask (1 blocks, 2 characters, 4 items): an occupied
    // source cell is copied whole, an empty one only empties the destination
    // cell's graphic index. A layer too short for the stage is skipped.
    void CopyLayers(cVector<cEdBlock>& dstBlock, cVector<cEdChara>& dstChara, cVector<cEdItem>& dstItem,
                    const cVector<cEdBlock>& srcBlock, const cVector<cEdChara>& srcChara,
                    const cVector<cEdItem>& srcItem, int mask);
    // Every occupied cell of the layers of mask takes its inherited fields
    // from the palettes as they are now.
    void ReapplyInherit(cVector<cEdBlock>& block, cVector<cEdChara>& chara, cVector<cEdItem>& item, int mask);

    cString m_strPath;  // empty when the stage has no file
    int32_t m_bOpen = 0;
    int32_t m_bModified = 0;
    int32_t m_bCommonModified = 0;
    int32_t m_bWorldMapModified = 0;
    int32_t m_nLayer = 0;  // 0 blocks, 1 characters, 2 items
    int32_t m_nReturnLayer = 0;
    int32_t m_nTool = 0;        // 0 pen, 1 line, 2 rectangle, 3 fill, 4 edit
    int32_t m_nCursorMode = 0;  // 0 brush, 1 line, 2 rectangle, 3 one cell, 5 selection
    int32_t m_nRightClickMode = 0;
    // The brush of each layer, row-major, m_nBrushW x m_nBrushH; element 0
    // is also the record a palette window hands to a definition sheet.
    cVector<cEdBlock> m_BrushBlock;
    cVector<cEdChara> m_BrushChara;
    cVector<cEdItem> m_BrushItem;
    // The records an open definition sheet edits: a palette entry, a stage
    // cell or the project default itself.
    struct {
        cEdBlock* m_pBlock;
        cEdChara* m_pChara;
        cEdItem* m_pItem;
    } g_EditOriginal = {nullptr, nullptr, nullptr};
    // 0 an object placed on the stage, 1 a stage palette entry, 2 a common
    // palette entry, 3 the project defaults.
    int32_t g_EditTarget = 0;
    cPropSheet* g_BlockSheet = nullptr;
    cPropSheet* g_CharaSheet = nullptr;
    cPropSheet* g_ItemSheet = nullptr;
    // The graphic index being picked and its graphic kind.
    int16_t* m_pPickGraphic = nullptr;
    int32_t m_nPickKind = 0;
    // Context of the flows page and the command editors: the commands are an
    // item's, and three values of the flows page.
    int32_t m_bItemCommands = 0;
    int32_t m_FlowPage[3] = {0, 0, 0};
    // The definition pages' list clipboards, kept while no page is open.
    cVector<cEdCond> m_Conds;
    cVector<cEdFlow> m_Flows;
    cVector<cEdCond> m_Conds2;
    cVector<cEdKeyCond> m_KeyConds;
    cVector<cEdCommand> m_Commands;
    cVector<cEdCommand> m_Commands2;
    void* m_pAnimeRecord = nullptr;  // the database's animation pages
    // The palette clipboard: a deep copy of one entry.
    boost::shared_ptr<cEdBlock> m_PalClipBlock;
    boost::shared_ptr<cEdChara> m_PalClipChara;
    boost::shared_ptr<cEdItem> m_PalClipItem;
    int32_t m_bPalClip = 0;
    int32_t m_nPalClipIndex = 0;
    int32_t m_nPalClipSource = 0;  // 0 common, 1 stage
    int32_t m_bPalClipCut = 0;
    // The palette of the selected entry (0 common, 1 stage) and its index;
    // the index is -1 when the brush was taken from the stage.
    int32_t g_EditSource[2] = {0, 0};
    int32_t m_nSelAnchorX = -1;
    int32_t m_nSelAnchorY = -1;
    int32_t m_nBrushW = 1;
    int32_t m_nBrushH = 1;
    int32_t m_bDrag = 0;
    int32_t m_nLineX = 0;
    int32_t m_nLineY = 0;
    int32_t m_nRectX = 0;
    int32_t m_nRectY = 0;
    int32_t m_nRectW = 0;
    int32_t m_nRectH = 0;
    cLayerBrush m_View[3];
    // Histories: step 0 is the newest; a step is a whole layer.
    cVector<cVector<cEdBlock>> m_UndoBlock;
    cVector<cVector<cEdChara>> m_UndoChara;
    cVector<cVector<cEdItem>> m_UndoItem;
    cVector<cVector<cEdBlock>> m_RedoBlock;
    cVector<cVector<cEdChara>> m_RedoChara;
    cVector<cVector<cEdItem>> m_RedoItem;
    cVector<int32_t> m_UndoFlags;  // layer mask of each step
    cVector<int32_t> m_RedoFlags;
    int32_t m_nUndo = 0;
    int32_t m_nRedo = 0;
};

// Where the undo history takes the free physical memory from; tests put a
// stand-in here. Null restores the system's figure.
typedef uint64_t (*FreeMemoryFn)();
void SetFreeMemorySource(FreeMemoryFn fn);
// The free physical memory as the undo history sees it (the source above).
uint64_t FreeMemoryForUndo();

// Called after SelectLayer has made a layer current and set the tool again,
// so that the stage editor can refresh its layer marks and palette windows
// and show the tool's pen button. Null: nothing.
typedef void (*LayerChangedFn)(int layer);
void SetLayerChangedHandler(LayerChangedFn fn);

// One saved view state: cell x and y, and the view position in pixels of
// that cell's top-left corner.
struct cViewState {
    int32_t m_Values[4] = {0, 0, 0, 0};
};

class cStateStack {
public:
    cStateStack();
    cStateStack(const cStateStack&) = delete;
    cStateStack& operator=(const cStateStack&) = delete;

    // One zeroed entry, which is current; depth 0.
    void Reset();
    // Appends a zeroed entry and makes it current; mode 1 copies the entry
    // under it into it.
    void Push(int mode);
    // With at least two entries: drops the top one; the new top is zeroed
    // (mode 0), keeps its values (mode 1) or takes the dropped entry's
    // values (mode 2). Nothing with fewer than two entries.
    void Pop(int mode);
    // The entry under the current one, or null with fewer than two entries.
    cViewState* Below();

    cViewState* m_pCurrent = nullptr;
    int32_t m_Depth = 0;
    cVector<cViewState> m_Entries;
};

extern cStateStack g_StateStack;
extern cStageEdit g_StageEdit;
