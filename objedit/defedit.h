// What the definition sheets (blocks, characters, items) share about their
// edit target: stepping "←" / "→" through a palette's working copy, and
// writing the edited record back where it came from.
#pragma once

#include <windows.h>
#include <prsht.h>

#include <cstddef>

#include "app/services.h"
#include "base/containers.h"
#include "model/palette.h"
#include "model/stage.h"
#include "ui/ctrlcombo.h"
#include "ui/ctrlpicture.h"
#include "ui/dlghelpers.h"

// Edit targets: 0 an object placed on the stage, 1 a stage palette entry,
// 2 a common palette entry, 3 a project default.
inline int DefEditTarget() { return g_StageEdit.g_EditTarget; }
inline bool DefEditsPaletteEntry() { return DefEditTarget() == 1 || DefEditTarget() == 2; }

// Enables or disables a control of a page together with its spin box
// (spins: pairs of edit id and spin id).
inline void EnableWithSpin(HWND page, int id, bool flag, const int (*spins)[2], int spinCount) {
    EnableWindow(GetDlgItem(page, id), flag);
    for (int i = 0; i < spinCount; ++i)
        if (spins[i][0] == id) EnableWindow(GetDlgItem(page, spins[i][1]), flag);
}
template <std::size_t N>
void EnableWithSpin(HWND page, int id, bool flag, const int (&spins)[N][2]) {
    EnableWithSpin(page, id, flag, spins, static_cast<int>(N));
}

// True while the check box is checked.
inline bool BoxChecked(HWND page, int id) { return IsDlgButtonChecked(page, id) == BST_CHECKED; }

// An inheritance group: its controls (0 ends the row) are disabled while
// the group's "継承→" box is checked and enabled otherwise.
template <std::size_t W>
void EnableInheritGroup(HWND page, int checkId, const int (&ids)[W], const int (*spins)[2], int spinCount) {
    const bool on = BoxChecked(page, checkId);
    for (int id : ids)
        if (id) EnableWithSpin(page, id, !on, spins, spinCount);
}
template <std::size_t W, std::size_t N>
void EnableInheritGroup(HWND page, int checkId, const int (&ids)[W], const int (&spins)[N][2]) {
    EnableInheritGroup(page, checkId, ids, spins, static_cast<int>(N));
}

// The "継承→" boxes firstId .. firstId + count - 1 follow the inheritance
// source: enabled while there is one, cleared and disabled without.
inline void SetInheritBoxes(HWND page, int firstId, int count, bool source) {
    for (int i = 0; i < count; ++i) {
        if (!source) CheckDlgButton(page, firstId + i, BST_UNCHECKED);
        EnableWindow(GetDlgItem(page, firstId + i), source);
    }
}

// Lists the entries of the inheritance source's palette (source 1 the
// common palette, else the stage's) in the index combo and selects index.
template <class T>
void ListInheritIndex(cCtrlCombo<int16_t>& combo, cVector<cString>* names, int source, const cVector<T>& common,
                      const cVector<T>& stage, int16_t index) {
    MakePaletteNameList(names, source == 1 ? common : stage);
    combo.SetItemList(names);
    combo.SetCurData(index);
}

// Paints a 32 x 32 icon preview: draw(cDib*) paints the cleared offscreen
// surface, which then goes to the screen. A picture without both surfaces
// is left alone.
template <class Draw>
void PaintIconPreview(cCtrlPicture& pic, Draw draw) {
    if (!pic.m_Offscreen.m_hDC || !pic.m_Screen.m_hDC) return;
    pic.m_Offscreen.Clear(RGB(0, 0, 0));
    draw(&pic.m_Offscreen);
    pic.m_Screen.Blt(0, 0, 32, 32, pic.m_Offscreen, 0, 0, 1);
}

// Tells the page's property sheet that the page has changes to apply.
inline void NotifySheetChanged(HWND sheet, HWND page) {
    if (sheet) SendMessageA(sheet, PSM_CHANGED, reinterpret_cast<WPARAM>(page), 0);
}

// Hides "No." and the "←" / "→" buttons of a page that edits no palette
// entry.
inline void HideStepCtrls(HWND page, int noId, int prevId, int nextId) {
    const int hidden[3] = {noId, prevId, nextId};
    for (int id : hidden) ShowWindow(GetDlgItem(page, id), SW_HIDE);
}

// True when the entry being edited can be stepped from: entries 1 .. last
// of the working copy (entry 0 is the fixed empty entry).
template <class T>
bool CanStepPaletteEntry(const cVector<T>& work) {
    const int index = g_StageEdit.g_EditSource[1];
    const int last = static_cast<int>(work.size()) - 1;
    return last >= 1 && index >= 1 && index <= last;
}

// Puts the edited record back into its entry of the working copy and moves
// to the next (step 1) or previous (step -1) entry, wrapping around over
// 1 .. last; the selection and *original follow. Returns the entry now
// edited. Only after CanStepPaletteEntry.
template <class T>
T& StepPaletteEntry(cVector<T>& work, const T& edited, int step, T** original) {
    int index = g_StageEdit.g_EditSource[1];
    work[index] = edited;
    StepWrap(&index, step, 1, static_cast<int>(work.size()) - 1);
    g_StageEdit.g_EditSource[1] = index;
    *original = &work[index];
    return work[index];
}

// Where a kind of definition lives: its palette vectors, the stage layer it
// is placed on and how the placed objects take their palette entries again.
template <class T>
struct cDefEditPlace {
    cVector<T> cEdStage::*m_StagePalette;
    cVector<T> cEdCommonPalette::*m_CommonPalette;
    int m_nLayerMask;
    void (cEdStage::*m_RefreshStage)();
    void (cEdStage::*m_RefreshCommon)();
};

// Writes the edited record back by the edit target: a placed object with an
// undo step, a palette entry through the working copy (the whole copy
// becomes the palette and the placed objects inherit again), or the project
// default. An index that names no entry writes nothing.
template <class T>
void WriteBackDefinition(const cDefEditPlace<T>& place, const T& edited, cVector<T>& work, T** original) {
    const int index = g_StageEdit.g_EditSource[1];
    switch (DefEditTarget()) {
        case 0:
            if (!*original) return;
            if (g_StageEditor) g_StageEditor->PushUndo(place.m_nLayerMask);
            **original = edited;
            g_StageEdit.m_bModified = 1;
            break;
        case 1:
        case 2:
            if (index < 0 || index >= static_cast<int>(work.size())) return;
            work[index] = edited;
            *original = &work[index];
            if (DefEditTarget() == 1) {
                g_Stage.*place.m_StagePalette = work;
                (g_Stage.*place.m_RefreshStage)();
                g_StageEdit.m_bModified = 1;
            } else {
                g_CommonPalette.*place.m_CommonPalette = work;
                (g_Stage.*place.m_RefreshCommon)();
                g_StageEdit.m_bCommonModified = 1;
            }
            break;
        case 3:
            if (*original) **original = edited;
            break;
    }
}
