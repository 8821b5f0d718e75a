// The block definition sheet "ブロックデータ": a modeless property sheet
// with one page on one block definition, opened for a palette entry, for
// the block placed at the stage editor's cursor or for the project's default
// block. It is held, applied, stepped through and closed as the character
// sheet is (objedit/charasheet.h).
#pragma once

#include "model/definitions.h"
#include "ui/propsheet.h"

class cBlockPage;
class cWnd;

class cBlockDataSheet : public cPropSheet {
public:
    // Registers the sheet with the registry, held by the variable that
    // g_EditTarget selects, and makes it the open definition sheet.
    cBlockDataSheet(int mode, cWnd* parent, cWndRegistry* registry);
    ~cBlockDataSheet() override;

    // Makes the page, creates the sheet window and shows the page that was
    // current when the last block sheet closed.
    void Open();
    // Leaving the only page hands nothing on.
    void CopyToOtherPages(const cEdBlock&, int) {}

    cBlockPage* m_pPage = nullptr;
};

// The variables that hold an open block sheet: the stage block palette
// window's (targets 0 and 1), the common block palette window's (target 2)
// and the project options page's (target 3).
extern cPropSheet* g_StageBlockPalSheet;
extern cPropSheet* g_CommonBlockPalSheet;
extern cPropSheet* g_PrjOptionBlockSheet;
cPropSheet** BlockSheetHolder(int target);

// The openers. Each sets the edit context, disables every registered
// window, deletes a sheet still held, and opens a new sheet.
// A palette entry (palette 0 common, 1 stage); an index of -1 or past the
// palette's end does nothing. False when nothing was opened.
bool OpenBlockSheetForEntry(cWnd* parent, int palette, int index);
// A block placed on the stage (the cell's record).
bool OpenBlockSheetForCell(cWnd* parent, cEdBlock* record);
// The project's default block.
bool OpenBlockSheetForDefault(cWnd* parent, cEdBlock* record);
