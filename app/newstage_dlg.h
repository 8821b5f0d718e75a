// The new stage dialog (247 "ステージの新規作成"): replaces the stage being
// edited by a new one, made from a template stage file or from the defaults,
// with its three stage palettes kept, emptied, copied from the common
// palette or loaded from a stage palette file.
#pragma once

#include "base/containers.h"
#include "base/str.h"
#include "ui/ctrlbutton.h"
#include "ui/ctrlcombo.h"
#include "ui/ctrleditstr.h"
#include "ui/dlg.h"

class cStageEditorDlg;

// The user's last choices, kept for the whole run and never saved: the
// template stage path (empty: the default stage), the palette source (a
// position of g_NewStagePalette) and the stage palette file of source 3.
extern cString g_NewStageTemplatePath;
extern int32_t g_NewStagePaletteSource;
extern cString g_NewStagePalettePath;
// The palette sources, ended by an empty string.
extern const cString g_NewStagePalette[5];

class cNewStageDlg : public cDlg {
public:
    // Parent: the stage editor window.
    cNewStageDlg(int templateId, cDlg* parent, int kind, cWndRegistry* registry);
    ~cNewStageDlg() override;

    void OnCommand(WPARAM wp, LPARAM lp) override;
    LRESULT MsgProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) override;
    void Draw() override;
    void OnInitDialog(WPARAM wp, LPARAM lp) override;

    // The palette file's edit and button follow the combo box's position.
    void UpdateCtrls();
    // Makes the new stage (OK); ends the dialog with 1 when it was made.
    void Create();

    static cNewStageDlg* s_pThis;

    cVector<cCtrlEditStrItem> m_Strs;
    cVector<cCtrlComboItem<int32_t>> m_Combos;
    cVector<cCtrlButtonItem> m_Buttons;
    // Set once the undo and redo histories were emptied by this dialog.
    int m_bUndoCleared = 0;

private:
    void Browse(int editId, const char* initDir, const char* title, const char* filter, const char* defExt);
    // Ends a creation that failed after the message window opened.
    void Fail(const cString& text);
};

// Runs the new stage dialog modal over the stage editor with every
// registered window disabled; true when a new stage was made (the caller
// then sizes the undo history and rebuilds its window). A creation that
// fails after the undo history was emptied sizes it again for the stage
// that stays.
bool RunNewStageDlg(cStageEditorDlg* editor);
