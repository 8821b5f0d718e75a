// What the owners of record lists share beyond the list itself: the key
// sets of the lists whose commands have ids of their own (the condition,
// key condition and command lists and the event palette), the two standard
// key styles, and the insert-and-edit sequence of the lists that edit
// through a request-form dialog.
#pragma once

#include "ui/ctrllist.h"

// The ids of a list with explicit commands: its accelerator table and popup
// menu, the cut, copy, paste and delete ids of each, and the two insert
// commands (accelerator, popup "新規挿入") that the owner runs itself. Their
// append, insert and clear slots stay 0.
struct sListKeyIds {
    int m_nTable;
    int m_nMenu;
    int m_Accel[4];  // cut, copy, paste, delete
    int m_Popup[4];
    int m_nAccelInsert;
    int m_nPopupInsert;

    // True for either insert command.
    bool IsInsert(int id) const { return id == m_nAccelInsert || id == m_nPopupInsert; }
};

// Appearance conditions of the block, character and item pages, the item
// effect commands and the event palette: table 108, popup 115.
extern const sListKeyIds kAppearCondKeys;
// The flow page's basic conditions (110, 116), key conditions (109, 117)
// and commands (112, 177).
extern const sListKeyIds kFlowCondKeys;
extern const sListKeyIds kKeyCondKeys;
extern const sListKeyIds kFlowCmdKeys;

// Registers the list's table and menu with the explicit ids (in the owner's
// OnInitDialog, once the list box exists).
void SetExplicitKeys(cCtrlListBase& list, const sListKeyIds& keys);
// The whole-table lists of the database: table 105, popup 112, style 0, set 1.
void SetDbTableKeys(cCtrlListBase& list);
// The lists that insert and delete with buttons of their own (anime and
// effect frames, sword positions, flows, event pages, background layers):
// table 108, popup 115, style 1, set 1.
void SetInsertListKeys(cCtrlListBase& list);

// Inserts a record and edits it with a request-form dialog D: the request
// (built by the owner, with its owner flag) gets the new-record flag and the
// new record. OK makes the row after the new record current; cancel takes
// the new record back, leaving the other selected records alone. With
// needCurSel (the command lists) nothing happens while no row is current.
// 1 when the new record was confirmed, 0 otherwise (also when the list
// refused the insertion: at its maximum it beeps).
template <class T, class D>
int InsertAndEditRequest(cCtrlList<T>& list, D** slot, int dlgId, cEditReq* req, cWndRegistry* registry,
                         int wndMode, int centre, cCtrl* ownerCtrl, bool needCurSel) {
    if (needCurSel && list.GetCurSel() == -1) return 0;
    req->m_bNew = 1;
    if (!list.Insert()) return 0;
    const int data = list.GetSelData();
    if (data < 0 || data >= list.RecordCount()) return 0;
    req->m_pRecord = &(*list.m_lpWork)[data];
    if (!list.Edit(slot, dlgId, req, registry, wndMode, centre, ownerCtrl)) {
        list.Delete(list.m_nCurSel, true);
        return 0;
    }
    list.SelectNext(1);
    return 1;
}
