// Helpers shared by the editors' dialogs: deleting heap objects, number
// texts, a wrap-around stepper, the command-handler table entries of the
// definition pages, numbered name lists for combo boxes and the sound
// preview of a sound combo box.
#pragma once

#include <windows.h>

#include <cstdint>

#include "base/containers.h"
#include "base/str.h"
#include "ui/ctrl.h"
#include "ui/ctrlcombo.h"

class cEdWindowPlace;

// Destroys the pointed-to object and clears the pointer; a null pointer is
// left alone. The pointer is cleared before the object goes, so code that the
// destructor runs never sees a half-destroyed object through it. Returns the
// pointer-to-pointer.
template <class T>
T** SafeDelete(T** pp) {
    if (T* p = *pp) {
        *pp = nullptr;
        delete p;
    }
    return pp;
}

// Records where a tool window stands and how large its client area is, as
// it closes, so that it opens there again.
void StoreWindowPlace(HWND hwnd, cEdWindowPlace* place);

// The texts of an option table (ended by an empty string), one per row.
void TableToList(cVector<cString>* out, const char* const* table);

// The number of decimal digits of the value's magnitude (1..10; 0 has one).
int DigitCount(int32_t value);
// Decimal text of the value with at least `digits` digits (0: as many as it
// has). The extra leading digits are zeros with zeroPad, blanks without;
// a minus sign goes in front of them.
void NumToStr(cString* out, int32_t value, int digits, int zeroPad);
// NumToStr with zeros: "007" for 7 with 3 digits.
void NumToStrZero(cString* out, int32_t value, int digits);

// Adds step to *value; below lo wraps to hi, above hi wraps to lo. The value
// is stored and returned.
int StepWrap(int* value, int step, int lo, int hi);

// True when a WM_COMMAND's wParam reports the change that a handler entry of
// that control kind and id handles.
bool IsCtrlChange(int kind, uint16_t id, WPARAM wp);

// One entry of a definition page's command-handler table.
template <class D>
struct cCtrlHandler {
    int m_nKind = -1;
    uint16_t m_nId = 0;
    void (D::*m_lpHandler)() = nullptr;

    void Set(int kind, int id, void (D::*handler)()) {
        m_nKind = kind;
        m_nId = static_cast<uint16_t>(id);
        m_lpHandler = handler;
    }
    bool IsChange(WPARAM wp) const { return IsCtrlChange(m_nKind, m_nId, wp); }
};

// Runs the handler of the first entry of the table that the command
// concerns; false when none does.
template <class D, size_t N>
bool RunCtrlHandler(D* dlg, const cCtrlHandler<D> (&table)[N], WPARAM wp) {
    for (size_t i = 0; i < N; ++i) {
        if (table[i].IsChange(wp) && table[i].m_lpHandler) {
            (dlg->*table[i].m_lpHandler)();
            return true;
        }
    }
    return false;
}

// One text per record of a database table from record `first` on: the
// record number (numberOffset + index, `digits` digits with zeros) and the
// name; with a first text, that text stands in place of record `first`.
// A table with fewer records than `first` gives an empty list.
template <class R>
void MakeTableNameList(cVector<cString>* out, const cVector<R>& table, const char* firstText, int first, int digits,
                       int numberOffset) {
    int n = static_cast<int>(table.size());
    out->clear();
    if (first < 0 || n <= first) return;
    out->resize(static_cast<size_t>(n - first));
    cString num;
    for (int i = first; i < n; ++i) {
        NumToStrZero(&num, numberOffset + i, digits);
        if (i == first && firstText)
            (*out)[0].Format("%s", firstText);
        else
            (*out)[i - first].Format("%s %s", num.c_str(), table[i].m_Name.c_str());
    }
}

// Texts for the entries 1..n-1 of a palette: "001 name"; list position
// i - 1 holds entry i.
template <class R>
void MakePaletteNameList(cVector<cString>* out, const cVector<R>& palette) {
    int n = static_cast<int>(palette.size());
    out->clear();
    if (n <= 1) return;
    out->resize(static_cast<size_t>(n - 1));
    cString num;
    for (int i = 1; i < n; ++i) {
        NumToStrZero(&num, i, 3);
        (*out)[i - 1].Format("%s %s", num.c_str(), palette[i].m_Name.c_str());
    }
}

// Builds the palette's name list and gives it to the combo box with the
// id; returns the number of items in the list (-1 when the combo is not
// found).
template <class V, class R>
int SetPaletteCombo(V& combos, int id, cVector<cString>* out, const cVector<R>& palette) {
    MakePaletteNameList(out, palette);
    auto* item = FindCtrl(combos, id);
    if (!item) return -1;
    item->m_Ctrl.SetItemList(out);
    return static_cast<int>(out->size());
}

// Plays the Sound table record at the index (slot 0 of g_MciSound, from
// the start, notifying the owner). An index outside 1..size-1 plays
// nothing; a sound that cannot be played is reported. 1 played, 0 not.
int PlayTableSound(HWND owner, int index);

// Plays the Bgm table record at the index as a preview: slot 0 of
// g_BgmManager gets the record's file and plays looped from the start. An
// index outside 1..size-1 (record 0 stands for no music) plays nothing; a
// file that does not play is reported ("読み込み失敗！", "エラー") over the
// owner. 1 played, 0 not.
int PlayTableBgm(HWND owner, int index);

// Plays the sound selected in the combo box with the id; see PlayTableSound.
template <class V>
int PlayComboSound(HWND owner, V& combos, int id) {
    auto* item = FindCtrl(combos, id);
    if (!item) return 0;
    return PlayTableSound(owner, static_cast<int>(item->m_Ctrl.GetCurData()));
}
