// The combo box bound to one integer variable: the list shows a position, the
// variable holds position + offset. The items come from a string table (ended
// by an empty string) or from a string vector; both must outlive the control.
#pragma once

#include <cstdint>

#include "base/containers.h"
#include "ui/ctrl.h"

template <class T>
struct cCtrlComboParam {
    uint32_t m_nId = 0;
    T* m_lpData = nullptr;
    const cString* m_lpTable = nullptr;
    cVector<cString>* m_lpList = nullptr;
    int m_nOffset = 0;
    void* m_lpExtra = nullptr;  // never set otherwise
    void Set(int id, T* data, const cString* table, int offset) {
        Fill(id, data, table, nullptr, offset);
    }
    void SetList(int id, T* data, cVector<cString>* list, int offset) { Fill(id, data, nullptr, list, offset); }

private:
    void Fill(int id, T* data, const cString* table, cVector<cString>* list, int offset) {
        m_nId = static_cast<uint16_t>(id);
        m_lpData = data;
        m_lpTable = table;
        m_lpList = list;
        m_nOffset = offset;
        m_lpExtra = nullptr;
    }
};

template <class T>
class cCtrlCombo : public cCtrl {
public:
    cCtrlCombo() : m_lpData(nullptr), m_lpTable(nullptr), m_lpList(nullptr), m_nOffset(0), m_lpExtra(nullptr) {
        m_nKind = kCtrlCombo;
    }

    // Binds and fills the control; the bound value is selected by the
    // dialog's DataToCtrls. The offset is taken before the fill, which keeps
    // and adjusts the selection by it.
    void Attach(cDlg* owner, const cCtrlComboParam<T>& param) {
        cCtrl::Attach(owner, static_cast<int>(param.m_nId));
        m_lpData = param.m_lpData;
        m_lpTable = param.m_lpTable;
        m_lpList = param.m_lpList;
        m_nOffset = param.m_nOffset;
        m_lpExtra = param.m_lpExtra;
        if (param.m_lpTable)
            SetItems(param.m_lpTable);
        else if (param.m_lpList)
            SetItemList(param.m_lpList);
    }

    int DataToPos(T value) const { return static_cast<int>(value) - m_nOffset; }
    // No selection (-1) gives offset - 1.
    T PosToData(int pos) const { return static_cast<T>(pos + m_nOffset); }
    T GetCurData() const { return PosToData(CurSel()); }
    // A value without a position leaves no selection.
    void SetCurData(T value) {
        int pos = DataToPos(value);
        if (pos < 0 || pos >= static_cast<int>(SendMessageA(m_hWnd, CB_GETCOUNT, 0, 0))) pos = -1;
        SendMessageA(m_hWnd, CB_SETCURSEL, static_cast<WPARAM>(pos), 0);
    }

    void SetItems(const cString* table) {
        m_lpTable = table;
        m_lpList = nullptr;
        T keep = GetCurData();
        SendMessageA(m_hWnd, CB_RESETCONTENT, 0, 0);
        for (int i = 0; !table[i].empty(); ++i) AddItem(table[i]);
        SetCurData(keep);
        Adjust();
    }
    void SetItemList(cVector<cString>* list) {
        m_lpTable = nullptr;
        m_lpList = list;
        T keep = GetCurData();
        SendMessageA(m_hWnd, CB_RESETCONTENT, 0, 0);
        for (size_t i = 0; i < list->size(); ++i) AddItem((*list)[static_cast<int>(i)]);
        SetCurData(keep);
        Adjust();
    }
    // Selects the first item when nothing is selected.
    void Adjust() {
        if (GetCurData() < static_cast<T>(m_nOffset)) SetCurData(static_cast<T>(m_nOffset));
    }
    // A new offset; the variable is raised to it, and the items are refilled.
    void SetMin(int value) {
        m_nOffset = value;
        if (*m_lpData < value) *m_lpData = static_cast<T>(value);
        Refresh();
    }
    void Refresh() {
        if (m_lpTable)
            SetItems(m_lpTable);
        else if (m_lpList)
            SetItemList(m_lpList);
    }

    void DataToCtrl() override { SetCurData(*m_lpData); }
    // The position passes through T before the offset is added.
    void CtrlToData() override {
        *m_lpData = static_cast<T>(CurSel());
        *m_lpData = PosToData(*m_lpData);
    }

    T* m_lpData;
    const cString* m_lpTable;
    cVector<cString>* m_lpList;
    int m_nOffset;
    void* m_lpExtra;

private:
    int CurSel() const { return static_cast<int>(SendMessageA(m_hWnd, CB_GETCURSEL, 0, 0)); }
    void AddItem(const cString& text) { SendMessageA(m_hWnd, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str())); }
};

template <class T>
using cCtrlComboItem = cCtrlItem<cCtrlCombo<T>, cCtrlComboParam<T>>;
