// The record lists of the project-wide editors and of the stage settings:
// for each list its declaration (control id, vectors, options), its row text
// and its keys (listctrl/list_instances.h). An owner declares a list with one of these in its
// constructor (or record-load step) and attaches it in its OnInitDialog.
#pragma once

#include "base/containers.h"
#include "base/str.h"
#include "model/database.h"
#include "model/stage.h"
#include "model/worldmap.h"
#include "listctrl/list_instances.h"
#include "ui/ctrllist.h"

// The list of the background layers of the stage settings' basic page.
const int kBackLayerListId = 1222;
const int kBackLayerMax = 8;

// --- row texts

// The ten database tables: the record's name.
template <class T>
void DbNameRowText(cString* out, int, const T* record) {
    out->Format("%s", record->m_Name.CStr());
}
// An anime slot of an anime set: its name and its number of frames.
void AnimeSlotRowText(cString* out, int index, const cEdAnime* anime);
// A frame of an anime pattern: "実行 " in front when the frame runs the command.
void AnimeFrameRowText(cString* out, int index, const cEdAnimeFrame* frame);
void EffectFrameRowText(cString* out, int index, const cEdEffectFrame* frame);
void SwordPosRowText(cString* out, int index, const cEdSwordPos* pos);
void WorldEventRowText(cString* out, int index, const cEdWorldEvent* event);
void EventPageRowText(cString* out, int index, const cEdEventPage* page);
// A background layer: shown or not, then its colour number or its image.
void BackLayerRowText(cString* out, int index, const cEdBackLayer* layer);
void FileNameRowText(cString* out, int index, const cString* name);

// --- declarations

// A whole database table: the page edits a copy (work) of the table, its
// current record in the page's edit buffer; hidden leading records (the
// reserved record 0) are never shown.
template <class T>
void DeclareDbTableList(cCtrlListParam<T>& p, int id, cVector<T>* table, cVector<T>* work, T* edit, int max,
                        int hidden) {
    p.Set(id, table, work, edit, 1, DbNameRowText<T>, 1, 1, max, hidden, 1, 0);
}
// The four anime slots of the anime set being edited, in place: single
// selection, no separator row, always four rows.
void DeclareAnimeSlotList(cCtrlListParam<cEdAnime>& p, cVector<cEdAnime>* slots);
// The frames of the anime being edited: a copy in the dialog (work), the
// current frame in the dialog's edit buffer.
void DeclareAnimeFrameList(cCtrlListParam<cEdAnimeFrame>& p, cVector<cEdAnimeFrame>* frames,
                           cVector<cEdAnimeFrame>* work, cEdAnimeFrame* edit);
// In place: the frames of the effect and the positions of the sword type
// being edited.
void DeclareEffectFrameList(cCtrlListParam<cEdEffectFrame>& p, cVector<cEdEffectFrame>* frames);
void DeclareSwordPosList(cCtrlListParam<cEdSwordPos>& p, cVector<cEdSwordPos>* positions);
// In place: the world map's event templates, so every operation changes the
// world map at once.
void DeclareEventPaletteList(cCtrlListParam<cEdWorldEvent>& p, cVector<cEdWorldEvent>* templates);
// The pages of the event being edited (the dialog's copy), the current page
// in the dialog's edit buffer.
void DeclareEventPageList(cCtrlListParam<cEdEventPage>& p, cVector<cEdEventPage>* source,
                          cVector<cEdEventPage>* work, cEdEventPage* edit);
// The stage's background layers: the page edits a copy (work).
void DeclareBackLayerList(cCtrlListParam<cEdBackLayer>& p, cVector<cEdBackLayer>* layers,
                          cVector<cEdBackLayer>* work);
// In place: the bitmap tool's file names.
void DeclareFileNameList(cCtrlListParam<cString>& p, cVector<cString>* names);
