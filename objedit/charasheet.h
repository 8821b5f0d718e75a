// The character definition sheet "キャラデータ": a modeless property sheet
// on one character definition, opened for a palette entry, for the
// character placed at the stage editor's cursor or for the project's
// default character. Each page keeps a complete working copy of the
// record; the first page writes it back on Apply, by the edit target.
#pragma once

#include "model/definitions.h"
#include "ui/dlg.h"
#include "ui/propsheet.h"

class cCharaPageBasic;

// The base of the sheet's pages: the page's number in the sheet and its
// working copy of the record.
class cCharaPage : public cDlg {
public:
    cCharaPage(int templateId, cDlg* parent, int kind, cWndRegistry* registry, int pageNo)
        : cDlg(templateId, parent, kind, registry), m_nPageNo(pageNo) {}
    // Takes a copy of the record as the working copy and binds the
    // controls to it again.
    virtual void BindRecord(const cEdChara& record) = 0;
    // Leaving the page: takes its controls into the working copy and hands
    // the copy to the open sheet's other pages.
    void LeavePage();

    int m_nPageNo;
    cEdChara m_Chara;
};

class cCharaDataSheet : public cPropSheet {
public:
    // Registers the sheet with the registry, held by the variable that
    // g_EditTarget selects, and makes it the open definition sheet.
    cCharaDataSheet(int mode, cWnd* parent, cWndRegistry* registry);
    ~cCharaDataSheet() override;

    // Makes the pages, creates the sheet window and shows the page that was
    // current when the last character sheet closed.
    void Open();
    // The record into the working copies of every page but pageNo (0 .. 3);
    // another number does nothing.
    void CopyToOtherPages(const cEdChara& record, int pageNo);

    // The pages in sheet order: basic, graphics, abilities, flows (a page
    // not built is null).
    cCharaPage* m_pPages[4] = {nullptr, nullptr, nullptr, nullptr};
    cCharaPageBasic* m_pBasic = nullptr;
};

// The sheet's current page at the last OK, Apply or cancel, per kind
// (block, character, item); the next sheet of that kind opens on it.
extern int g_LastSheetPage[3];

// The variables that hold an open character sheet: the stage character
// palette window's (targets 0 and 1), the common character palette
// window's (target 2) and the project options page's (target 3).
extern cPropSheet* g_StageCharaPalSheet;
extern cPropSheet* g_CommonCharaPalSheet;
extern cPropSheet* g_PrjOptionCharaSheet;
cPropSheet** CharaSheetHolder(int target);
// The open character sheet, looked for in the holders in the order stage
// palette, common palette, project options; null when none is open.
cCharaDataSheet* OpenedCharaSheet();

// The openers. Each sets the edit context, disables every registered
// window, deletes a sheet still held, and opens a new sheet.
// A palette entry (palette 0 common, 1 stage); an index of -1 or past the
// palette's end does nothing. False when nothing was opened.
bool OpenCharaSheetForEntry(cWnd* parent, int palette, int index);
// A character placed on the stage (the cell's record).
bool OpenCharaSheetForCell(cWnd* parent, cEdChara* record);
// The project's default character.
bool OpenCharaSheetForDefault(cWnd* parent, cEdChara* record);
