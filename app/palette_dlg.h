// The palette windows: six modeless tool windows, one per palette (common,
// stage) and kind (blocks, characters, items), that show the entries as
// 32 x 32 icons eight to a row. A left click picks an entry into the brush
// of the stage tools; a right click opens the entry's definition sheet or a
// popup menu that cuts, copies, pastes, inserts and deletes entries. The
// window's menu changes the number of entries or opens the move dialog; its
// toolbar chooses the drawing tool and what the right click does.
#pragma once

#include "base/str.h"
#include "model/definitions.h"
#include "ui/dlg.h"

class cEdWindowPlace;
class cPropSheet;

// The index InsertNew and InsertCopied take for "at the end".
const int kPaletteAtEnd = 999;

class cPaletteDlg : public cDlg {
public:
    // palette: the bound vector, a cVector<cEdBlock>, cVector<cEdChara> or
    // cVector<cEdItem> by palKind (0 blocks, 1 characters, 2 items); stage
    // 1 for a stage palette, 0 for the common palette.
    cPaletteDlg(int templateId, cDlg* owner, int kind, cWndRegistry* registry, void* palette, int stage, int palKind);
    ~cPaletteDlg() override;

    void OnCommand(WPARAM wp, LPARAM lp) override;
    void OnLButtonDown(WPARAM wp, LPARAM lp) override;
    void OnRButtonDown(WPARAM wp, LPARAM lp) override;
    LRESULT MsgProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) override;
    void Draw() override;
    void OnInitDialog(WPARAM wp, LPARAM lp) override;

    int GetCount() const;
    // The entry under the mouse (m_Mouse, canvas coordinates).
    int IndexAtMouse() const;
    void SelectAtMouse();
    void PickEntry();
    void OpenDataSheet(int i);
    void CopyToClip(int i);
    void PasteEntry(int i);
    void InsertNew(int i);
    void InsertCopied(int i);
    void DeleteEntry(int i);
    void Relayout();
    int CalcMaxHeight() const;
    // Check the button of the tool (0 .. 4) or right-click mode (0, 1) in
    // the other palette window of the same kind.
    void SetPenButtons(int tool);
    void SetRightClickButtons(int mode);
    // The definition sheet of this window's kind opened from it (or, for a
    // stage palette window, from the stage), or null. The sheets are kept
    // in the object editors' holder variables of this window.
    cPropSheet* HeldSheet() const;

    // The window of a palette (0 common, 1 stage) and kind, or null.
    static cPaletteDlg* Window(int stage, int palKind);

    int m_nTopRow = 0;
    int m_bStage;
    int m_nKind;
    void* m_lpPal;
    cDlg* m_lpMoveDlg = nullptr;  // the move dialog while it runs
    cEdWindowPlace* m_lpPlace;
    // The status bar's text as last set (its simple part, which the
    // status bar does not give back).
    cString m_strStatus;

private:
    template <class F>
    void ByKind(F f);
    template <class F>
    void ByKindConst(F f) const;
    void OnDataCount();
    void OnMove();
    void OnPopup();
    void OnSize();
    void AddToolbar();
    void AfterEntryCommand(bool pick);
    void DrawStageEditor();
    cPaletteDlg* Other() const;
    int m_bDestroyed = 0;
    HMENU m_hPopupBar = nullptr;

    static cPaletteDlg* s_pWindows[2][3];
};
