// Selection and record operations of the world map editor's record lists
// (event templates, event pages): a multi-selection list box over a vector
// of records with a trailing row for inserting at the end.
#pragma once

#include <windows.h>

#include <vector>

#include "ui/ctrllist.h"

namespace wmlist {

// The rows selected in the list box that stand for records.
template <class T>
std::vector<int> SelectedRows(cCtrlList<T>& list) {
    std::vector<int> rows;
    if (!list.m_hWnd) return rows;
    const int n = static_cast<int>(SendMessageA(list.m_hWnd, LB_GETSELCOUNT, 0, 0));
    if (n <= 0) return rows;
    std::vector<int> got(static_cast<size_t>(n));
    const int m = static_cast<int>(
        SendMessageA(list.m_hWnd, LB_GETSELITEMS, static_cast<WPARAM>(n), reinterpret_cast<LPARAM>(got.data())));
    for (int i = 0; i < m; ++i)
        if (got[i] >= 0 && got[i] < list.RecordRows()) rows.push_back(got[i]);
    return rows;
}

// Reads the current row after a selection change: the caret row when it is
// selected, else the first selected row.
template <class T>
void ReadSelection(cCtrlList<T>& list) {
    if (!list.m_hWnd) return;
    const int caret = static_cast<int>(SendMessageA(list.m_hWnd, LB_GETCARETINDEX, 0, 0));
    if (caret >= 0 && SendMessageA(list.m_hWnd, LB_GETSEL, static_cast<WPARAM>(caret), 0) > 0) {
        list.m_nCurRow = caret;
        return;
    }
    const int n = static_cast<int>(SendMessageA(list.m_hWnd, LB_GETSELCOUNT, 0, 0));
    if (n > 0) {
        std::vector<int> got(static_cast<size_t>(n));
        SendMessageA(list.m_hWnd, LB_GETSELITEMS, static_cast<WPARAM>(n), reinterpret_cast<LPARAM>(got.data()));
        list.m_nCurRow = got[0];
    } else {
        list.m_nCurRow = caret;
    }
}

// The record index of the current row; -1 for none or the trailing row.
template <class T>
int SelData(const cCtrlList<T>& list) {
    return list.m_nCurRow >= 0 && list.m_nCurRow < list.RecordRows() ? list.m_nCurRow : -1;
}

// Makes the row the only selected one and the current row.
template <class T>
void SelectRow(cCtrlList<T>& list, int row) {
    if (row >= list.RowCount()) row = list.RowCount() - 1;
    list.m_nCurRow = row;
    if (!list.m_hWnd) return;
    SendMessageA(list.m_hWnd, LB_SETSEL, FALSE, -1);
    if (row < 0) return;
    SendMessageA(list.m_hWnd, LB_SETSEL, TRUE, row);
    SendMessageA(list.m_hWnd, LB_SETCARETINDEX, static_cast<WPARAM>(row), FALSE);
}

// Refills the list box and selects the current row again.
template <class T>
void Reload(cCtrlList<T>& list) {
    const int row = list.m_nCurRow;
    list.Refill();
    SelectRow(list, row);
}

// Inserts a default record at the current row (at the top without one);
// false with a beep at the maximum count. The new record becomes current.
template <class T>
bool Insert(cCtrlList<T>& list) {
    cVector<T>& v = *list.m_lpWork;
    if (list.m_nMaxCount > 0 && static_cast<int>(v.size()) >= list.m_nMaxCount) {
        MessageBeep(MB_OK);
        return false;
    }
    int at = list.m_nCurRow < 0 ? 0 : list.m_nCurRow;
    if (at > static_cast<int>(v.size())) at = static_cast<int>(v.size());
    T record;
    record.SetDefault();
    v.insert(v.begin() + at, record);
    list.m_nCurRow = at;
    Reload(list);
    return true;
}

// Removes one row's record (the minimum count allowed).
template <class T>
bool DeleteRow(cCtrlList<T>& list, int row) {
    cVector<T>& v = *list.m_lpWork;
    if (row < 0 || row >= static_cast<int>(v.size()) || static_cast<int>(v.size()) <= list.m_nMinCount) return false;
    v.erase(v.begin() + row);
    if (list.m_nCurRow >= list.RowCount()) list.m_nCurRow = list.RowCount() - 1;
    Reload(list);
    return true;
}

// Removes the selected records while the count stays above the minimum;
// a beep when none went.
template <class T>
bool DeleteSelected(cCtrlList<T>& list) {
    cVector<T>& v = *list.m_lpWork;
    std::vector<int> rows = SelectedRows(list);
    int removed = 0;
    for (int i = static_cast<int>(rows.size()) - 1; i >= 0; --i) {
        if (static_cast<int>(v.size()) <= list.m_nMinCount) break;
        v.erase(v.begin() + rows[static_cast<size_t>(i)]);
        ++removed;
    }
    if (!removed) {
        MessageBeep(MB_OK);
        return false;
    }
    if (list.m_nCurRow >= list.RowCount()) list.m_nCurRow = list.RowCount() - 1;
    Reload(list);
    return true;
}

// The selected records into the list's clipboard; false when none is selected.
template <class T>
bool Copy(cCtrlList<T>& list) {
    std::vector<int> rows = SelectedRows(list);
    if (rows.empty()) return false;
    list.m_Clipboard.clear();
    for (int r : rows) list.m_Clipboard.push_back((*list.m_lpWork)[r]);
    return true;
}

template <class T>
bool Cut(cCtrlList<T>& list) {
    if (!Copy(list)) return false;
    DeleteSelected(list);
    return true;
}

// Inserts the clipboard's records at the current row; a beep when the
// list is full or the clipboard empty.
template <class T>
bool Paste(cCtrlList<T>& list) {
    cVector<T>& v = *list.m_lpWork;
    const int count = static_cast<int>(list.m_Clipboard.size());
    if (count == 0 || (list.m_nMaxCount > 0 && static_cast<int>(v.size()) + count > list.m_nMaxCount)) {
        MessageBeep(MB_OK);
        return false;
    }
    int at = list.m_nCurRow < 0 ? 0 : list.m_nCurRow;
    if (at > static_cast<int>(v.size())) at = static_cast<int>(v.size());
    for (int i = 0; i < count; ++i) v.insert(v.begin() + at + i, list.m_Clipboard[i]);
    Reload(list);
    return true;
}

// Sets the number of records: defaults appended or records removed at the
// end; false with a beep outside the list's limits.
template <class T>
bool SetCount(cCtrlList<T>& list, int n) {
    if (n < list.m_nMinCount || (list.m_nMaxCount > 0 && n > list.m_nMaxCount)) {
        MessageBeep(MB_OK);
        return false;
    }
    cVector<T>& v = *list.m_lpWork;
    while (static_cast<int>(v.size()) > n) v.pop_back();
    while (static_cast<int>(v.size()) < n) {
        T record;
        record.SetDefault();
        v.push_back(record);
    }
    if (list.m_nCurRow >= list.RowCount()) list.m_nCurRow = list.RowCount() - 1;
    Reload(list);
    return true;
}

// The row under a point of the screen, or -1.
template <class T>
int RowAtScreenPoint(cCtrlList<T>& list, POINT screen) {
    if (!list.m_hWnd) return -1;
    POINT pt = screen;
    ScreenToClient(list.m_hWnd, &pt);
    const LRESULT r = SendMessageA(list.m_hWnd, LB_ITEMFROMPOINT, 0, MAKELPARAM(pt.x, pt.y));
    if (HIWORD(r)) return -1;
    return static_cast<int>(LOWORD(r));
}

}  // namespace wmlist
