// The record list control: a list box of a dialog bound to a vector of
// records, one row per record after the hidden leading ones (numbered when
// asked), optionally followed by a separator row that stands for the place
// after the last record. It keeps the selection across refills, has a
// clipboard of its own, and appends, inserts, resets, deletes, counts and
// edits records; keys, an accelerator table and a popup menu run the
// record operations.
//
// Three stores take part: the owner's source vector (optional), the working
// vector that the list shows and edits (a copy of the source taken at Attach
// and DataToCtrl, written back by CtrlToData), and the owner's edit buffer
// (optional) that receives a copy of the current record.
//
// The parts that do not depend on the record type live in cCtrlListBase
// (listctrl/ctrllist.cpp); the template adds the vectors and the operations
// on records.
#pragma once

#include <windows.h>

#include <cstdint>
#include <new>

#include "base/containers.h"
#include "base/msgbox.h"
#include "base/str.h"
#include "ui/ctrl.h"
#include "ui/dlg.h"
#include "ui/dlghelpers.h"
#include "ui/registry.h"

// Window property of a subclassed list box: its list object (cCtrlListBase*).
extern const char kCtrlListProp[];
// The list box's window procedure: keeps the top row of scroll bar actions,
// and puts the saved procedure back on WM_DESTROY.
LRESULT CALLBACK CtrlListProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp);

// Binding kind of the parameter record: every list is bound to vectors.
enum { kListModeVector = 1 };

// The seven command slots of a list, in this order.
enum { kListCut = 0, kListCopy, kListPaste, kListAppend, kListInsert, kListClear, kListDelete, kListSlots };

// Window modes of the edit sub-dialog: other registered windows are left
// alone, hidden, or disabled while it runs.
enum { kEditWndKeep = 0, kEditWndHide = 1, kEditWndDisable = 2 };

// The edit request that an owner hands to a request-form edit dialog, which
// copies it: the record to edit (an element of the list's working vector),
// whether it was inserted just for this edit, and a flag that the condition
// dialogs read (1: a new condition may be a distance condition in any layer).
struct cEditReq {
    void* m_pRecord = nullptr;
    int32_t m_bNew = 0;
    int32_t m_bDistance = 0;

    template <class T>
    T* Record() const {
        return static_cast<T*>(m_pRecord);
    }
};

// Returns a record to its defaults: the record type's SetDefault, or a
// default-constructed value for plain types (file names, numbers).
template <class T>
auto ResetRecordImpl(T* record, int) -> decltype(record->SetDefault(), void()) {
    record->SetDefault();
}
template <class T>
void ResetRecordImpl(T* record, long) {
    *record = T();
}
template <class T>
void ResetRecord(T* record) {
    ResetRecordImpl(record, 0);
}

// The parameter record with which an owner declares a list; read once, by Attach.
template <class T>
struct cCtrlListParam {
    // Row text: (out, data index into the working vector, record).
    typedef void (*TextFunc)(cString* out, int index, const T* record);

    uint16_t m_nId = 0;
    int m_nMode = kListModeVector;
    int m_bMulti = 0;
    cVector<T>* m_lpSource = nullptr;
    void* m_lpSourceList = nullptr;  // never used: lists bind vectors only
    cVector<T>* m_lpWork = nullptr;
    void* m_lpWorkList = nullptr;  // never used
    T* m_lpEditBuf = nullptr;      // the owner's edit buffer: one record
    int m_bNumbered = 0;
    int m_nMinCount = 0;
    int m_nMaxCount = 0;
    int m_nHidden = 0;  // leading records that are not shown
    int m_bSeparator = 0;
    int m_bAllowEmpty = 0;
    TextFunc m_lpfnText = nullptr;

    void Set(int id, cVector<T>* source, cVector<T>* work, T* edit, int multi, TextFunc text, int numbered, int min,
             int max, int hidden, int separator, int allowEmpty) {
        m_nId = static_cast<uint16_t>(id);
        m_nMode = kListModeVector;
        m_bMulti = multi;
        m_lpSource = source;
        m_lpSourceList = nullptr;
        m_lpWork = work;
        m_lpWorkList = nullptr;
        m_lpEditBuf = edit;
        m_bNumbered = numbered;
        m_nMinCount = min;
        m_nMaxCount = max;
        m_nHidden = hidden;
        m_bSeparator = separator;
        m_bAllowEmpty = allowEmpty;
        m_lpfnText = text;
    }
};

// What every list has whatever its record type: the selection, the options,
// the command ids and popup menu, the keys and the list box messages.
class cCtrlListBase : public cCtrl {
public:
    cCtrlListBase();
    ~cCtrlListBase() override;

    // --- bound-control operations
    void Redraw() override;
    void OnKillFocus() override;
    void OnKeyDown(WPARAM key, LPARAM lp, int ctrlDown) override;

    // --- record operations, given by the template
    virtual int Cut() = 0;
    virtual int Copy() = 0;
    virtual int Paste() = 0;
    virtual int Append() = 0;
    virtual int Insert() = 0;
    virtual int ClearData() = 0;
    virtual int Delete(int row, bool currentOnly) = 0;
    virtual int SetCount(int n) = 0;
    virtual void LoadEdit() = 0;
    virtual int ApplyEdit() = 0;
    virtual void Fill() = 0;
    virtual int OnSelChange() = 0;
    // The size of the working vector, hidden records included.
    virtual int RecordCount() const = 0;

    // Shown records (after the hidden ones) and rows (with the separator row).
    int ShownCount() const;
    int RowCount() const;
    // True when the row shows a record of the working vector.
    bool IsRecordRow(int row) const;

    // --- selection
    void SetCurSel(int row, int load);
    void ResetSel(int row, int load);
    void SelectNext(int load);
    int SelectAtPoint(POINT screen);
    int GetCurSel() const;
    int GetSelData() const;
    int IsSeparatorRow(int row) const;
    static int CountSel(const cVector<int>& flags);
    int GetCount() const;
    int GetCaretIndex() const;
    int GetAnchorIndex() const;

    // --- commands, accelerators, popup menu
    int SetKeys(int tableId, int menuId, int style, int set);
    int SetAccel(int tableId, int style, int set);
    int SetPopup(int menuId, int style, int set);
    cCtrlListBase* SetAccelIds(int cut, int copy, int paste, int append, int insert, int clear, int del);
    cCtrlListBase* SetPopupIds(int cut, int copy, int paste, int append, int insert, int clear, int del);
    void SetAccelWithIds(int tableId, int cut, int copy, int paste, int append, int insert, int clear, int del);
    void SetPopupWithIds(int menuId, int cut, int copy, int paste, int append, int insert, int clear, int del);
    int OnAccelCommand(WPARAM wp);
    int OnPopupCommand(WPARAM wp);

    int m_nCurSel;         // current row (-1 none); the caret row of a multi-selection list
    int m_nAnchor;         // anchor row of a multi-selection list (-1 none)
    cVector<int> m_bbSel;  // multi-selection: one flag per row
    int m_nKeptSel;        // the current row as the last Redraw left it
    cVector<int> m_bbKeptSel;
    int m_nTopIndex;  // first visible row, kept across refills
    int m_bMulti;
    int m_bNumber;
    int m_nMin;  // least and greatest number of shown records
    int m_nMax;
    int m_bEmptySel;  // an empty selection is allowed
    int m_nHidden;    // leading records of the working vector that are not shown
    int m_bSeparator;
    uint16_t m_AccelId[kListSlots];
    uint16_t m_PopupId[kListSlots];
    HMENU m_hPopupMenu;  // the list's popup menu: first submenu of the loaded menu
    cString m_strSeparator;

protected:
    // Takes the options of the parameter record and subclasses the list box.
    void AttachCommon(cDlg* owner, int id, int multi, int numbered, int min, int max, int hidden, int separator,
                      int allowEmpty);
    // Sends the kept selection and top row to the list box (the end of Fill).
    void ApplySelection();
    // Runs the operation of the slot.
    int RunSlot(int slot);
    int OnCommandIds(WPARAM wp, const uint16_t* ids);
    LRESULT Send(UINT msg, WPARAM wp = 0, LPARAM lp = 0) const;
    void LoadPopup(int menuId);
};

template <class T>
class cCtrlList : public cCtrlListBase {
public:
    typedef typename cCtrlListParam<T>::TextFunc TextFunc;

    cCtrlList() = default;

    // Binds the list to the owner's list box: the working vector becomes a
    // copy of the source, the options are taken, row 0 is selected and
    // loaded when there is any record, and the rows are filled.
    void Attach(cDlg* owner, const cCtrlListParam<T>& param) {
        m_lpSrc = param.m_lpSource;
        m_lpWork = param.m_lpWork;
        // without a working vector the list shows and edits the source itself
        if (!m_lpWork) m_lpWork = m_lpSrc;
        if (m_lpSrc && m_lpWork && m_lpWork != m_lpSrc) *m_lpWork = *m_lpSrc;
        m_lpEdit = param.m_lpEditBuf;
        m_lpGetText = param.m_lpfnText;
        AttachCommon(owner, param.m_nId, param.m_bMulti, param.m_bNumbered, param.m_nMinCount, param.m_nMaxCount,
                     param.m_nHidden, param.m_bSeparator, param.m_bAllowEmpty);
        if (RecordCount() > 0) SetCurSel(0, 1);
        Fill();
        Redraw();
    }

    int RecordCount() const override { return m_lpWork ? static_cast<int>(m_lpWork->size()) : 0; }

    void DataToCtrl() override {
        if (m_lpSrc && m_lpWork) {
            if (m_lpWork != m_lpSrc) *m_lpWork = *m_lpSrc;
            if (m_lpEdit) {
                int data = GetSelData();
                if (data == -1 || data >= RecordCount()) {
                    int last = ShownCount() - 1;
                    if (m_bMulti)
                        ResetSel(last, 1);
                    else
                        SetCurSel(last, 1);
                }
                LoadEdit();
            }
        }
        Fill();
    }

    void CtrlToData() override {
        if (m_lpSrc && m_lpWork && m_lpSrc != m_lpWork) *m_lpSrc = *m_lpWork;
    }

    // Rebuilds every row and re-applies the selection and top row.
    void Fill() override {
        if (!m_hWnd) return;
        int shown = ShownCount();
        int digits = m_bNumber ? DigitCount(shown) : 0;
        Send(LB_RESETCONTENT);
        cString text, num, row;
        for (int i = m_nHidden; i < RecordCount(); ++i) {
            text.clear();
            if (m_lpGetText) m_lpGetText(&text, i, &(*m_lpWork)[i]);
            const char* shownText = text.CStr();
            if (m_bNumber) {
                NumToStrZero(&num, i - m_nHidden + 1, digits);
                row.Format("%s %s", num.c_str(), text.CStr());
                shownText = row.c_str();
            }
            Send(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(shownText));
        }
        if (m_bSeparator) Send(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(m_strSeparator.c_str()));
        ApplySelection();
    }

    // The current record into the edit buffer.
    void LoadEdit() override {
        if (m_nCurSel == -1 || !m_lpEdit || IsSeparatorRow(m_nCurSel)) return;
        int data = m_nHidden + m_nCurSel;
        if (data < 0 || data >= RecordCount()) return;  // no record there (a stale row)
        *m_lpEdit = (*m_lpWork)[data];
    }

    // The edit buffer into the current record; 0 when no record is current.
    int ApplyEdit() override {
        if (m_nCurSel == -1 || IsSeparatorRow(m_nCurSel)) return 0;
        int data = m_nHidden + m_nCurSel;
        if (data < m_nHidden || data >= RecordCount()) return 0;
        if (m_lpEdit) (*m_lpWork)[data] = *m_lpEdit;
        Fill();
        Redraw();
        return 1;
    }

    // The owner's reaction to LBN_SELCHANGE: the list box's selection is
    // taken in and the current record loaded; 1 when it is a record.
    int OnSelChange() override {
        m_nTopIndex = static_cast<int>(Send(LB_GETTOPINDEX));
        if (m_bMulti) {
            int n = GetCount();
            if (n < 0) n = 0;
            m_bbSel.resize(static_cast<size_t>(n), 0);
            m_bbKeptSel.resize(static_cast<size_t>(n), 0);
            for (int r = 0; r < n; ++r) m_bbSel[r] = Send(LB_GETSEL, r) > 0 ? 1 : 0;
            m_nCurSel = GetCaretIndex();
            m_nAnchor = GetAnchorIndex();
            bool caretSelected = m_nCurSel >= 0 && m_nCurSel < n && m_bbSel[m_nCurSel];
            if (m_lpEdit && !caretSelected) {
                for (int r = 0; r < n; ++r) {
                    if (m_bbSel[r]) {
                        m_nCurSel = r;
                        break;
                    }
                }
                Send(LB_SETCARETINDEX, m_nCurSel);
                Send(LB_SETANCHORINDEX, m_nCurSel);
            }
        } else {
            m_nCurSel = GetCurSel();
        }
        if (IsRecordRow(m_nCurSel)) {
            if (m_lpEdit) *m_lpEdit = (*m_lpWork)[m_nHidden + m_nCurSel];
            Fill();
            return 1;
        }
        if (m_lpEdit) {
            *m_lpEdit = m_Default;
            Fill();
        }
        return 0;
    }

    // --- clipboard operations

    int Copy() override {
        if (!m_bMulti) {
            m_nCurSel = GetCurSel();
            if (!IsRecordRow(m_nCurSel)) {
                MessageBeep(0);
                return 0;
            }
            m_Clip.resize(1);
            m_Clip[0] = (*m_lpWork)[m_nHidden + m_nCurSel];
            return 1;
        }
        int count = 0;
        for (int r = 0; r < static_cast<int>(m_bbSel.size()); ++r)
            if (m_bbSel[r] && IsRecordRow(r)) ++count;
        m_Clip.resize(static_cast<size_t>(count));
        int k = 0;
        for (int r = 0; r < static_cast<int>(m_bbSel.size()); ++r)
            if (m_bbSel[r] && IsRecordRow(r)) m_Clip[k++] = (*m_lpWork)[m_nHidden + r];
        return 1;
    }

    int Cut() override {
        if (!Copy()) return 0;
        if (!Delete(-1, false)) return 0;
        return 1;
    }

    // Inserts the clipboard's records in front of the current row (after the
    // last record when the separator row is current). Only as many as fit
    // below the maximum are inserted.
    int Paste() override {
        m_nCurSel = GetCurSel();
        if (m_nCurSel == -1) {
            MessageBeep(0);
            return 0;
        }
        if (ShownCount() >= m_nMax) {
            MessageBeep(0);
            return 0;
        }
        int at = m_nHidden + m_nCurSel;
        if (at > RecordCount()) at = RecordCount();  // a row past the records: append
        if (!m_Clip.empty()) {
            int room = m_nMax - ShownCount();
            int n = static_cast<int>(m_Clip.size());
            if (n > room) n = room;
            for (int i = 0; i < n; ++i) m_lpWork->InsertAt(at + i, m_Clip[i]);
            if (m_lpEdit && at < RecordCount()) *m_lpEdit = (*m_lpWork)[at];
        }
        Fill();
        Redraw();
        return 1;
    }

    int Delete(int row, bool currentOnly) override {
        if (!m_bMulti) {
            m_nCurSel = row == -1 ? GetCurSel() : row;
            if (IsRecordRow(m_nCurSel)) {
                if (ShownCount() <= m_nMin) {
                    MessageBeep(0);
                    return 0;
                }
                m_lpWork->EraseAt(m_nHidden + m_nCurSel);
                if (m_nHidden + m_nCurSel < RecordCount()) {
                    if (m_lpEdit) *m_lpEdit = (*m_lpWork)[m_nHidden + m_nCurSel];
                } else {
                    m_nCurSel -= 1;
                    if (m_lpEdit) {
                        if (ShownCount() > 0) {
                            *m_lpEdit = (*m_lpWork)[m_nHidden + m_nCurSel];
                        } else {
                            ResetRecord(m_lpEdit);
                            m_nCurSel = -1;
                        }
                    }
                }
            }
            Fill();
            Redraw();
            return 1;
        }
        if (ShownCount() <= m_nMin) {
            MessageBeep(0);
            return 0;
        }
        int erased = 0;
        for (int r = 0; r < static_cast<int>(m_bbSel.size());) {
            if (currentOnly && r != m_nCurSel) {
                ++r;
                continue;
            }
            if (ShownCount() <= m_nMin) break;
            if (!m_bbSel[r] || !IsRecordRow(r)) {
                ++r;
                continue;
            }
            if (r < m_nCurSel) --m_nCurSel;
            m_lpWork->EraseAt(m_nHidden + r);
            m_bbSel.EraseAt(r);
            ++erased;
            if (currentOnly) break;  // the current row was the only one to go
        }
        if (!erased) {
            MessageBeep(0);
            return 0;
        }
        for (int r = 0; r < static_cast<int>(m_bbSel.size()); ++r) m_bbSel[r] = r == m_nCurSel ? 1 : 0;
        if (m_lpEdit) {
            if (m_nCurSel == -1) {
                ResetRecord(m_lpEdit);
            } else if (ShownCount() <= 0) {
                ResetRecord(m_lpEdit);
                m_nCurSel = -1;
            } else if (!IsRecordRow(m_nCurSel)) {
                ResetRecord(m_lpEdit);
            } else {
                *m_lpEdit = (*m_lpWork)[m_nHidden + m_nCurSel];
            }
        }
        Fill();
        Redraw();
        return 1;
    }

    // --- record operations

    int Append() override {
        if (ShownCount() >= m_nMax) {
            MessageBeep(0);
            return 0;
        }
        T record = T();
        m_nCurSel = ShownCount();
        m_lpWork->push_back(record);
        if (m_lpEdit) *m_lpEdit = record;
        Fill();
        Redraw();
        return 1;
    }

    int Insert() override {
        m_nCurSel = GetCurSel();
        if (m_nCurSel == -1) m_nCurSel = 0;
        if (ShownCount() >= m_nMax) {
            MessageBeep(0);
            return 0;
        }
        T record = T();
        int at = m_nHidden + m_nCurSel;
        if (at > RecordCount()) at = RecordCount();
        m_lpWork->InsertAt(at, record);
        if (m_lpEdit) *m_lpEdit = record;
        if (m_bMulti) {
            m_bbSel.push_back(0);
            m_bbKeptSel.push_back(0);
        }
        Fill();
        Redraw();
        return 1;
    }

    int ClearData() override {
        if (!m_bMulti) {
            m_nCurSel = GetCurSel();
            if (IsRecordRow(m_nCurSel)) {
                ResetRecord(&(*m_lpWork)[m_nHidden + m_nCurSel]);
                if (m_lpEdit) *m_lpEdit = (*m_lpWork)[m_nHidden + m_nCurSel];
            }
        } else {
            for (int r = 0; r < static_cast<int>(m_bbSel.size()); ++r)
                if (m_bbSel[r] && IsRecordRow(r)) ResetRecord(&(*m_lpWork)[m_nHidden + r]);
            if (IsRecordRow(m_nCurSel) && m_lpEdit) *m_lpEdit = (*m_lpWork)[m_nHidden + m_nCurSel];
        }
        Fill();
        Redraw();
        return 1;
    }

    int SetCount(int n) override {
        if (n < m_nMin || n > m_nMax) {
            MessageBeep(0);
            return 0;
        }
        T record = T();
        m_lpWork->resize(static_cast<size_t>(m_nHidden + n), record);
        if (m_nCurSel != -1 && m_nHidden + m_nCurSel < RecordCount() && m_nCurSel >= 0) {
            if (m_lpEdit) *m_lpEdit = (*m_lpWork)[m_nHidden + m_nCurSel];
        } else {
            m_nCurSel = n - 1;
            Send(LB_SETCURSEL, m_nCurSel);
            if (m_lpEdit) {
                if (n > 0)
                    *m_lpEdit = (*m_lpWork)[m_nHidden + m_nCurSel];
                else
                    ResetRecord(m_lpEdit);
            }
        }
        Fill();
        Redraw();
        return 1;
    }

    // --- the edit sub-dialog
    //
    // D is the instance's edit dialog class. Plain form: D is constructed
    // with (dialog id, owner dialog, kind 1, registry, owner control, centre)
    // and finds its record through its owner; request form: with (dialog id,
    // owner dialog, kind 1, request, registry, owner control, centre).

    template <class D>
    int RunEditDlg(D** slot, int dlgId, cWndRegistry* registry, int wndMode, int overList) {
        if (GetSelData() == -1) return 0;
        OthersOff(registry, wndMode);
        *slot = new (std::nothrow)
            D(dlgId, m_lpOwner, kWndDialog, registry, overList ? static_cast<cCtrl*>(this) : nullptr, overList);
        return RunSlotDlg(slot, registry, wndMode);
    }

    template <class D>
    int RunEditDlg(D** slot, int dlgId, const cEditReq* req, cWndRegistry* registry, int wndMode, int centre,
                   cCtrl* ownerCtrl) {
        if (GetSelData() == -1) return 0;
        OthersOff(registry, wndMode);
        cCtrl* over = ownerCtrl ? ownerCtrl : (centre ? static_cast<cCtrl*>(this) : nullptr);
        *slot = new (std::nothrow) D(dlgId, m_lpOwner, kWndDialog, req, registry, over, centre);
        return RunSlotDlg(slot, registry, wndMode);
    }

    template <class D>
    int Edit(D** slot, int dlgId, cWndRegistry* registry, int wndMode, int overList) {
        return RunEditDlg(slot, dlgId, registry, wndMode, overList);
    }

    template <class D>
    int Edit(D** slot, int dlgId, const cEditReq* req, cWndRegistry* registry, int wndMode, int centre,
             cCtrl* ownerCtrl) {
        return RunEditDlg(slot, dlgId, req, registry, wndMode, centre, ownerCtrl);
    }

    // Inserts a default record and edits it; a cancelled edit takes the new
    // record back. 1 when confirmed (and when the insertion was refused).
    template <class D>
    int InsertAndEdit(D** slot, int dlgId, cWndRegistry* registry, int wndMode, int overList) {
        if (!Insert()) return 1;
        if (!RunEditDlg(slot, dlgId, registry, wndMode, overList)) {
            TakeBackInserted();
            return 0;
        }
        SelectNext(1);
        return 1;
    }

    // Removes the record that an insert has just put at the current row,
    // as when the dialog editing it was cancelled: the list returns to what
    // it held before the insert, even below its minimum count (a list that
    // started below it, such as an empty frame list, stays so).
    void TakeBackInserted() {
        if (!IsRecordRow(m_nCurSel)) return;
        if (m_bMulti && m_nCurSel < static_cast<int>(m_bbSel.size())) m_bbSel[m_nCurSel] = 1;
        const int min = m_nMin;
        m_nMin = 0;
        Delete(m_nCurSel, true);
        m_nMin = min;
    }

    // --- string lists (the file-name list): names are added at the end,
    // with unique set only when no equal name is in the working vector yet
    // (hidden entries included). No maximum applies.

    void AddItem(const T& name, int unique) {
        if (!m_lpWork) return;
        if (!unique || !Contains(name)) m_lpWork->push_back(name);
        AfterItems();
    }

    void AddItems(const cVector<T>& names, int unique) {
        if (!m_lpWork) return;
        for (int i = 0; i < static_cast<int>(names.size()); ++i)
            if (!unique || !Contains(names[i])) m_lpWork->push_back(names[i]);
        AfterItems();
    }

    void ClearItems() {
        if (m_lpWork) m_lpWork->resize(static_cast<size_t>(m_nHidden), T());
        AfterItems();
    }

    cVector<T>* m_lpSrc = nullptr;
    cVector<T>* m_lpWork = nullptr;
    T* m_lpEdit = nullptr;
    cVector<T> m_Clip;  // the list's own clipboard: copies of records
    T m_Default = T();
    TextFunc m_lpGetText = nullptr;

private:
    bool Contains(const T& name) const {
        for (int i = 0; i < RecordCount(); ++i)
            if ((*m_lpWork)[i] == name) return true;
        return false;
    }
    // The current row and top row as the list box has them, kept through the refill.
    void AfterItems() {
        OnSelChange();
        Fill();
        Redraw();
    }

    static void OthersOff(cWndRegistry* registry, int wndMode) {
        if (!registry) return;
        if (wndMode == kEditWndHide) registry->ShowAll(false);
        if (wndMode == kEditWndDisable) registry->EnableAll(false);
    }
    static void OthersOn(cWndRegistry* registry, int wndMode) {
        if (!registry) return;
        if (wndMode == kEditWndHide) registry->ShowAll(true);
        if (wndMode == kEditWndDisable) registry->EnableAll(true);
    }

    template <class D>
    int RunSlotDlg(D** slot, cWndRegistry* registry, int wndMode) {
        if (!*slot) {
            OutOfMemory();
            OthersOn(registry, wndMode);
            return 0;
        }
        int result = (*slot)->RunModal(0);
        SafeDelete(slot);
        if (result) {
            Fill();
            Redraw();
        }
        OthersOn(registry, wndMode);
        return result;
    }
};

template <class T>
using cCtrlListItem = cCtrlItem<cCtrlList<T>, cCtrlListParam<T>>;
