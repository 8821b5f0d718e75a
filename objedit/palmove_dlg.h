// The palette data move dialog "データの移動": moves a range of entries of
// one palette vector to another position, inserts copies of a range, or
// deletes a range, then brings the inheritance that depends on the palette
// up to date. Entry 0, the fixed empty entry, is never part of a range.
#pragma once

#include "base/containers.h"
#include "model/definitions.h"
#include "ui/ctrlcombo.h"
#include "ui/ctrleditval.h"
#include "ui/dlg.h"

// The operations of the dialog's combo box.
enum ePalMoveOp { kPalMove = 0, kPalCopyInsert = 1, kPalDelete = 2 };

// Applies an operation to the entries first .. last of a palette vector;
// dest is the entry number the range goes before (the size appends). A
// range that does not lie within 1 .. size - 1 in order, and a move into
// the range itself, change nothing.
template <class T>
void ApplyPalMove(cVector<T>& v, int op, int first, int last, int dest) {
    const int size = static_cast<int>(v.size());
    if (first < 1 || last < first || last >= size) return;
    const int n = last - first + 1;
    if (op == kPalDelete) {
        v.erase(v.begin() + first, v.begin() + first + n);
        return;
    }
    if (dest < 1 || dest > size) return;
    cVector<T> copies;
    copies.assign(v.begin() + first, v.begin() + last + 1);
    if (op == kPalCopyInsert) {
        for (int i = 0; i < n; ++i) v.InsertAt(dest + i, copies[i]);
        return;
    }
    if (op != kPalMove) return;
    // To the place it stands, or into itself: nothing moves.
    if (dest == first || dest == first + 1 || (dest > first + 1 && dest <= last)) return;
    v.erase(v.begin() + first, v.begin() + last + 1);
    if (dest < first) {
        // each copy goes in at dest: the range arrives turned round
        for (int i = 0; i < n; ++i) v.InsertAt(dest, copies[i]);
    } else {
        for (int i = 0; i < n; ++i) v.InsertAt(dest - n + i, copies[i]);
    }
}

// Why the operation cannot be carried out as chosen, as shown to the user:
// a range whose first entry comes after its last, or a move whose
// destination lies inside the moved range (neither has a sensible result).
// Empty when the operation can go ahead.
cString PalMoveRefusal(int op, int first, int last, int dest);

class cPalMoveDlg : public cDlg {
public:
    // palette: the cVector<cEdBlock>, cVector<cEdChara> or cVector<cEdItem>
    // by kind (0, 1, 2); stage 1 for a stage palette, 0 for the common one;
    // (x, y) the screen position to open at.
    cPalMoveDlg(cDlg* parent, cWndRegistry* registry, void* palette, int stage, int kind, int x, int y);
    ~cPalMoveDlg() override;

    void OnCommand(WPARAM wp, LPARAM lp) override;
    LRESULT MsgProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) override;
    void OnInitDialog(WPARAM wp, LPARAM lp) override;
    void Draw() override {}

    void ApplyBlocks();
    void ApplyCharas();
    void ApplyItems();
    // The destination edit is for the move and the copy only.
    void UpdateCtrls();

    void* m_lpPal;
    int m_bStage;
    int m_nKind;
    int m_nFirst = 1;
    int m_nLast = 1;
    int m_nDest = 1;
    int m_nOp = kPalMove;
    cVector<cCtrlEditValItem<int>> m_Vals;
    cCtrlComboItem<int> m_Op;

private:
    // Applies the operation and closes with 1; a refused one is shown in an
    // error box and the dialog stays open, the palette untouched.
    void OnOk();
};
