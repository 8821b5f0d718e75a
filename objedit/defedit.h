// What the definition sheets (blocks, characters, items) share about their
// edit target: stepping "←" / "→" through a palette's working copy, and
// writing the edited record back where it came from; and what their pages
// share: binding the controls, the inheritance source and "継承→" boxes,
// the appearance condition commands and the sheet messages of a first page.
#pragma once

#include <windows.h>
#include <prsht.h>

#include <cstddef>

#include "app/services.h"
#include "base/containers.h"
#include "base/str.h"
#include "model/definitions.h"
#include "model/palette.h"
#include "model/stage.h"
#include "objedit/charasheet.h"
#include "ui/ctrl.h"
#include "ui/ctrlcombo.h"
#include "ui/ctrllist.h"
#include "ui/ctrlpicture.h"
#include "ui/dlg.h"
#include "ui/dlghelpers.h"
#include "ui/propsheet.h"

// Edit targets: 0 an object placed on the stage, 1 a stage palette entry,
// 2 a common palette entry, 3 a project default.
inline int DefEditTarget() { return g_StageEdit.g_EditTarget; }
inline bool DefEditsPaletteEntry() { return DefEditTarget() == 1 || DefEditTarget() == 2; }
// Whether the record may take an inheritance source of its own: a common
// palette entry and the project default take none.
inline bool DefEditPicksSource() { return DefEditTarget() != 2 && DefEditTarget() != 3; }

// The controls that the first page of every definition sheet has.
struct cDefPageIds {
    int m_nSource;       // the inheritance source
    int m_nSourceIndex;  // the source's palette entry
    int m_nFirstBox;     // the "継承→" boxes m_nFirstBox .. m_nFirstBox + m_nBoxCount - 1
    int m_nBoxCount;
    int m_nNo;  // "No." and the "←" / "→" buttons
    int m_nPrev;
    int m_nNext;
    int m_nCondInsert;  // the appearance conditions: the buttons and the list
    int m_nCondEdit;
    int m_nCondDelete;
    int m_nConds;
};

// Binds the items of every vector, in the order given, to the page's
// controls: enter (the page's first binding) also enters them into the
// page's control list; otherwise a new record is bound to the controls.
template <class... V>
void BindCtrlVectors(cDlg& page, bool enter, V&... vectors) {
    if (enter)
        (page.AddCtrls(vectors), ...);
    else
        ((void)page.AttachCtrls(vectors), ...);
}

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

// Paints the character's 32 x 32 icon (shown) into every picture that has
// an offscreen surface, and on to the screen where the picture has one.
inline void PaintCharaPreviews(cVector<cCtrlPictureItem>& pictures, const cEdChara& shown) {
    for (cCtrlPictureItem& item : pictures) {
        cCtrlPicture& pic = item.m_Ctrl;
        if (!pic.m_Offscreen.m_hDC) continue;
        pic.m_Offscreen.Clear(RGB(0, 0, 0));
        DrawCharaIcon(&pic.m_Offscreen, 0, 0, shown, 0);
        if (pic.m_Screen.m_hDC) pic.m_Screen.Blt(0, 0, 32, 32, pic.m_Offscreen, 0, 0, 1);
    }
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

// Sets the control's text to "No.<number>".
inline void SetNoLabel(cCtrl* label, int number) {
    cString text;
    text.Format("No.%d", number);
    label->SetCaption(text.c_str());
}

// Shows the number of the palette entry being edited in "No." (label).
inline void ShowEditedNo(cCtrl* label) { SetNoLabel(label, g_StageEdit.g_EditSource[1]); }

// A page that edits a palette entry shows the entry's number in "No."
// (label); any other page hides "No." and the "←" / "→" buttons.
inline void ShowStepCtrls(HWND page, cCtrl* label, int noId, int prevId, int nextId) {
    if (DefEditsPaletteEntry())
        ShowEditedNo(label);
    else
        HideStepCtrls(page, noId, prevId, nextId);
}

// The start of a sheet's first page: the source controls are disabled where
// the target takes no source, then the step controls as ShowStepCtrls.
inline void StartDefPage(HWND page, const cDefPageIds& ids, cCtrl* label) {
    if (!DefEditPicksSource()) {
        EnableWindow(GetDlgItem(page, ids.m_nSource), FALSE);
        EnableWindow(GetDlgItem(page, ids.m_nSourceIndex), FALSE);
    }
    ShowStepCtrls(page, label, ids.m_nNo, ids.m_nPrev, ids.m_nNext);
}

// -1 for a click on "←", 1 for one on "→", 0 for any other command.
inline int StepClicked(WPARAM wp, int prevId, int nextId) {
    if (HIWORD(wp) != BN_CLICKED) return 0;
    return LOWORD(wp) == prevId ? -1 : LOWORD(wp) == nextId ? 1 : 0;
}

// On a click on one of the "継承→" boxes firstId .. firstId + count - 1,
// stores the box's state into flags[firstFlag + box] and returns the box
// (0 ..); -1 for any other command.
inline int TakeInheritClick(HWND page, WPARAM wp, int firstId, int count, cVector<int8_t>& flags, int firstFlag = 0) {
    const int id = LOWORD(wp);
    if (id < firstId || id >= firstId + count || HIWORD(wp) != BN_CLICKED) return -1;
    flags[firstFlag + id - firstId] = BoxChecked(page, id) ? 1 : 0;
    return id - firstId;
}

// The appearance condition commands of a sheet's first page: insert (the
// button, and the list's popup and accelerator insert), edit (the button
// and a double click), delete, the list's selection change, and the list's
// other popup and accelerator commands. False for any other command.
bool RunAppearCondCommand(cDlg* page, const cDefPageIds& ids, cCtrlList<cEdCond>& list, cVector<cEdCond>& conds,
                          WPARAM wp);

// The commands of a sheet's first page that its switch leaves: a click on
// one of the "継承→" boxes (ids) is stored into the record's flags as
// TakeInheritClick and handed to onBox(box); anything else goes to
// RunAppearCondCommand over the record's appearance conditions.
template <class T, class OnBox>
void RunFirstPageCommand(cDlg* page, const cDefPageIds& ids, T& record, cCtrlList<cEdCond>& list, WPARAM wp,
                         OnBox onBox) {
    const int box = TakeInheritClick(page->m_hWnd, wp, ids.m_nFirstBox, ids.m_nBoxCount, record.m_bbInherit);
    if (box >= 0)
        onBox(box);
    else
        RunAppearCondCommand(page, ids, list, record.m_AppearConds, wp);
}

// Apply or cancel on a page of a sheet of the kind (0 block, 1 character,
// 2 item): the sheet's current page is kept for the next sheet of the kind.
inline void KeepSheetPage(cPropSheet* sheet, int kind) {
    if (sheet) g_LastSheetPage[kind] = sheet->GetCurPage();
}

// Apply on the first page of a sheet of the kind that has more pages: keeps
// the current page as KeepSheetPage and takes the page's controls into its
// working copy while it is the current page.
inline void TakeAppliedPage(cDlg& page, cPropSheet* sheet, int kind) {
    if (!sheet) return;
    KeepSheetPage(sheet, kind);
    if (sheet->Page(sheet->GetCurPage()) == &page) page.CtrlsToData();
}

// The end of a sheet's first page's messages. WM_DESTROY of a started page
// (*init) keeps the condition list's clipboard for the next page, marks the
// page no longer started, and runs closed on the stage editor or, without
// one, enables every registered window again. Then the page's default
// handling, after which a right click over a row of the list opens its
// popup menu.
LRESULT EndFirstPageMsg(cDlg& page, int* init, cCtrlList<cEdCond>& conds, void (cStageEditorDlg::*closed)(), HWND hwnd,
                        UINT msg, WPARAM wp, LPARAM lp);

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

// "←" / "→" on a page: takes the controls into the edited record, and
// after StepPaletteEntry over work has load(T&) take the entry now edited.
// False, with nothing done, when the page edits no palette entry or work
// (null: none) has no entry to step from.
template <class T, class Load>
bool StepDefPage(cDlg& page, cVector<T>* work, const T& edited, int step, T** original, Load load) {
    if (!DefEditsPaletteEntry() || !work || !CanStepPaletteEntry(*work)) return false;
    page.CtrlsToData();
    load(StepPaletteEntry(*work, edited, step, original));
    return true;
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

// The palette working copy of a page that edits a palette entry: a copy of
// the stage's (target 1) or the common palette (target 2); others keep
// work as it is.
template <class T>
void TakePaletteWork(const cDefEditPlace<T>& place, cVector<T>* work) {
    if (DefEditTarget() == 1)
        *work = g_Stage.*place.m_StagePalette;
    else if (DefEditTarget() == 2)
        *work = g_CommonPalette.*place.m_CommonPalette;
}

// Follows the record's inheritance source. Without one the entry combo is
// disabled and the "継承→" boxes cleared and disabled (and with clearAll
// every inheritance flag of the record cleared, the other pages' too);
// with one the entry combo is enabled where the target picks a source, the
// boxes are enabled and the entry combo (index, names) lists the source's
// palette with the record's entry selected. True when there is a source.
template <class T>
bool FollowInheritSource(HWND page, const cDefPageIds& ids, const cDefEditPlace<T>& place, T& record,
                         cCtrlCombo<int16_t>& index, cVector<cString>* names, bool clearAll) {
    const int source = record.m_InheritKind;
    if (source == 0) {
        EnableWindow(GetDlgItem(page, ids.m_nSourceIndex), FALSE);
        SetInheritBoxes(page, ids.m_nFirstBox, ids.m_nBoxCount, false);
        if (clearAll)
            for (int i = 0; i < static_cast<int>(record.m_bbInherit.size()); ++i) record.m_bbInherit[i] = 0;
        return false;
    }
    if (DefEditPicksSource()) EnableWindow(GetDlgItem(page, ids.m_nSourceIndex), TRUE);
    SetInheritBoxes(page, ids.m_nFirstBox, ids.m_nBoxCount, true);
    ListInheritIndex(index, names, source, g_CommonPalette.*place.m_CommonPalette, g_Stage.*place.m_StagePalette,
                     record.m_InheritIndex);
    return true;
}

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
