// Page "基本設定" of the stage settings: name, size and the direction a
// resize grows or cuts, scroll limits and modes, time limit, gravity,
// damage-free times, background music, the text images, the ranking items
// and the background layers. The size is edited in copies of the stage's
// width and height that only the apply gives to the stage (resizing it).
#pragma once

#include <cstdint>

#include "base/containers.h"
#include "model/stage.h"
#include "projedit/stagesettings_page.h"
#include "ui/ctrllist.h"

class cBackLayerDlg;

// Which edge a resize moves, kept for the whole run: 0 the right (bottom)
// edge, 1 the left (top) edge.
extern int g_StageResizeDirX;
extern int g_StageResizeDirY;

// The memory figures of a stage size being typed (see ShowMemory).
struct sStageMemory {
    int64_t consumption;  // two undo steps of the new size
    int64_t limit;        // one step of the present size and the free memory
    int64_t count;        // the undo steps that fit
};
sStageMemory CalcStageMemory(int width, int height, int curWidth, int curHeight, uint64_t freeBytes);

class cStagePageBasic : public cStagePage {
public:
    cStagePageBasic(int templateId, cDlg* parent, int kind, cWndRegistry* registry);
    ~cStagePageBasic() override;

    void OnCommand(WPARAM wp, LPARAM lp) override;
    LRESULT MsgProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) override;
    void OnInitDialog(WPARAM wp, LPARAM lp) override;

    void UpdateCtrls() override;
    // Stores the page into the stage and resizes it when the size changed.
    void Apply() override;
    // The blocks beyond each scroll limit, from the values being typed.
    void ShowHiddenWidth();
    // Empties the undo history and shows what the typed size would take.
    void ShowMemory();

    cVector<cEdBackLayer> m_Layers;
    cCtrlListItem<cEdBackLayer> m_List;
    cBackLayerDlg* m_pLayerDlg = nullptr;
    cVector<cString> m_BgmNames;
    int32_t m_nWidth;
    int32_t m_nHeight;

    static cStagePageBasic* s_pThis;

private:
    void PlayBgm();
};
