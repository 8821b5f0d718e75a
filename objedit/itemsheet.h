// The item definition sheet "アイテムデータ": a modeless property sheet with
// two pages on one item definition (the basic page and the effect page),
// opened for a palette entry, for the item placed at the stage editor's
// cursor or for the project's default item. Each page keeps a complete
// working copy of the record; the first page writes it back on Apply, by
// the edit target, as the character sheet does (objedit/charasheet.h).
#pragma once

#include "model/definitions.h"
#include "ui/dlg.h"
#include "ui/propsheet.h"

class cItemPageBasic;
class cItemPageEffect;
class cWnd;

// The base of the sheet's pages: the page's number in the sheet and its
// working copy of the record.
class cItemPage : public cDlg {
public:
    cItemPage(int templateId, cDlg* parent, int kind, cWndRegistry* registry, int pageNo)
        : cDlg(templateId, parent, kind, registry), m_nPageNo(pageNo) {}
    // Copies the record into the working copy and binds the controls to it
    // again; nothing for null.
    void Load(const cEdItem* record);
    // Leaving the page: takes its controls into the working copy and hands
    // the copy to the open sheet's other page.
    void LeavePage();

    int m_nPageNo;
    cEdItem m_Item;  // the working copy
    int m_bInit = 0;  // the page window is set up

protected:
    // Points the page's parameter records at the working copy.
    virtual void Bind() = 0;
    // Binds the page's items to its controls; first also enters them into
    // the page's control list.
    virtual void Attach(bool first) = 0;
};

class cItemDataSheet : public cPropSheet {
public:
    // Registers the sheet with the registry, held by the variable that
    // g_EditTarget selects, and makes it the open definition sheet.
    cItemDataSheet(int mode, cWnd* parent, cWndRegistry* registry);
    ~cItemDataSheet() override;

    // Makes both pages, creates the sheet window and shows the page that
    // was current when the last item sheet closed.
    void Open();
    // Page 0 hands the record to the effect page, page 1 to the basic page;
    // any other number does nothing.
    void CopyToOtherPage(const cEdItem& record, int pageNo);

    cItemPageBasic* m_pBasic = nullptr;
    cItemPageEffect* m_pEffect = nullptr;
};

// The variables that hold an open item sheet: the stage item palette
// window's (targets 0 and 1), the common item palette window's (target 2)
// and the project options page's (target 3).
extern cPropSheet* g_StageItemPalSheet;
extern cPropSheet* g_CommonItemPalSheet;
extern cPropSheet* g_PrjOptionItemSheet;
cPropSheet** ItemSheetHolder(int target);
// The open item sheet, looked for in the holders in the order stage
// palette, common palette, project options; null when none is open.
cItemDataSheet* OpenedItemSheet();

// The openers. Each sets the edit context, disables every registered
// window, deletes a sheet still held, and opens a new sheet.
// A palette entry (palette 0 common, 1 stage); an index of -1 or past the
// palette's end does nothing. False when nothing was opened.
bool OpenItemSheetForEntry(cWnd* parent, int palette, int index);
// An item placed on the stage (the cell's record).
bool OpenItemSheetForCell(cWnd* parent, cEdItem* record);
// The project's default item.
bool OpenItemSheetForDefault(cWnd* parent, cEdItem* record);
