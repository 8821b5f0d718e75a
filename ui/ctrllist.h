// The record list control as the dialog framework sees it: a bound control of
// kind 8 over a list box that shows a working copy of a vector of records, one
// row per record, each row's text given by a callback.
#pragma once

#include <cstdint>

#include "base/containers.h"
#include "ui/ctrl.h"
#include "ui/dlg.h"

extern const char kCtrlListProp[];
// The list box's subclass: puts the saved procedure back on WM_DESTROY.
LRESULT CALLBACK CtrlListProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp);

// Modes of the list (the lists in use all work on a vector).
enum { kListModeVector = 0 };

template <class T>
struct cCtrlListParam {
    typedef void (*TextFunc)(cString* out, int row, const T& record);

    uint16_t m_nId = 0;
    int m_nMode = kListModeVector;
    int m_bMulti = 0;
    cVector<T>* m_lpSource = nullptr;
    cVector<T>* m_lpWork = nullptr;
    T* m_lpEditBuf = nullptr;  // the owner's edit buffer: one record
    int m_bNumbered = 0;
    int m_nMinCount = 0;
    int m_nMaxCount = 0;
    int m_nHidden = 0;  // leading records that are not shown
    int m_bSeparator = 0;
    int m_bAllowEmpty = 0;
    TextFunc m_lpfnText = nullptr;
};

template <class T>
class cCtrlList : public cCtrl {
public:
    cCtrlList() { m_nKind = kCtrlList; }

    // Binds the list to the owner's list box, takes the vectors (the working
    // vector becomes a copy of the source) and the options, and fills it.
    void Attach(cDlg* owner, const cCtrlListParam<T>& param) {
        cCtrl::Attach(owner, param.m_nId);
        m_nMode = param.m_nMode;
        if (m_nMode == kListModeVector) {
            m_lpSource = param.m_lpSource;
            m_lpWork = param.m_lpWork;
            if (m_lpWork && m_lpSource) *m_lpWork = *m_lpSource;
        }
        m_bMulti = param.m_bMulti;
        if (m_bMulti) m_SelFlags.assign(static_cast<size_t>(RowCount()), 0);
        m_lpEditBuf = param.m_lpEditBuf;
        m_bNumbered = param.m_bNumbered;
        m_nMinCount = param.m_nMinCount;
        m_nMaxCount = param.m_nMaxCount;
        m_nHidden = param.m_nHidden;
        m_bSeparator = param.m_bSeparator;
        m_bAllowEmpty = m_nMinCount <= 0 && !m_bSeparator;
        m_lpfnText = param.m_lpfnText;
        RemoveStyle(LBS_SORT);
        // every new window is subclassed again (its procedure saved anew); a
        // window that a list already subclasses keeps that one
        if (m_hWnd && !GetPropA(m_hWnd, kCtrlListProp)) {
            SetPropA(m_hWnd, kCtrlListProp, static_cast<cCtrl*>(this));
            m_lpfnOrgProc = reinterpret_cast<WNDPROC>(
                SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(CtrlListProc)));
        }
        m_nCurRow = RowCount() > 0 ? 0 : -1;
        Refill();
        Redraw();
    }

    // Rows: the records after the hidden ones, and the separator row.
    int RecordRows() const {
        int n = m_lpWork ? static_cast<int>(m_lpWork->size()) - m_nHidden : 0;
        return n > 0 ? n : 0;
    }
    int RowCount() const { return RecordRows() + (m_bSeparator ? 1 : 0); }

    void DataToCtrl() override { Refill(); }
    void CtrlToData() override {
        if (m_lpSource && m_lpWork) *m_lpSource = *m_lpWork;
    }
    void Redraw() override {
        if (m_hWnd) InvalidateRect(m_hWnd, nullptr, TRUE);
    }
    void OnKillFocus() override {}
    void OnKeyDown(WPARAM, LPARAM, int) override {}

    // Fills the list box from the working vector and selects the current row.
    void Refill() {
        if (!m_hWnd) return;
        SendMessageA(m_hWnd, WM_SETREDRAW, FALSE, 0);
        SendMessageA(m_hWnd, LB_RESETCONTENT, 0, 0);
        for (int row = 0; row < RecordRows(); ++row) {
            cString text;
            if (m_lpfnText) m_lpfnText(&text, row, (*m_lpWork)[row + m_nHidden]);
            SendMessageA(m_hWnd, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
        }
        if (m_bSeparator) SendMessageA(m_hWnd, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(m_SepText.c_str()));
        if (m_nCurRow >= 0 && !m_bMulti) SendMessageA(m_hWnd, LB_SETCURSEL, static_cast<WPARAM>(m_nCurRow), 0);
        SendMessageA(m_hWnd, WM_SETREDRAW, TRUE, 0);
    }

    int m_nMode = kListModeVector;
    cVector<T>* m_lpSource = nullptr;
    cVector<T>* m_lpWork = nullptr;
    T* m_lpEditBuf = nullptr;
    int m_bMulti = 0;
    int m_bNumbered = 0;
    int m_nMinCount = 0;
    int m_nMaxCount = 0;
    int m_nHidden = 0;
    int m_bSeparator = 0;
    int m_bAllowEmpty = 0;
    typename cCtrlListParam<T>::TextFunc m_lpfnText = nullptr;
    int m_nCurRow = -1;
    int m_nLastOp = 0;
    cVector<uint8_t> m_SelFlags;  // multi-selection: one flag per row
    cVector<T> m_Clipboard;       // copies of records
    T m_Default;
    cString m_SepText;
};

template <class T>
using cCtrlListItem = cCtrlItem<cCtrlList<T>, cCtrlListParam<T>>;
