// The graphic picker "グラフィック": one picture sheet of 32 x 32 cells,
// numbered column by column (15 cells a column, 0 .. 119); a click on a
// cell picks its number.
// Shared by the definition pages and the command pages.
#pragma once

#include <windows.h>

#include <cstdint>

#include "ui/ctrlpicture.h"
#include "ui/dlg.h"

// The picture sheets: 0 blocks, 1 characters, 2 items, 3 shots, 4 marks.
const int kPickSheetCount = 5;
const int kPickSheetMarks = 4;
// The sheet's size in pixels and cells.
const int kPickWidth = 256;
const int kPickHeight = 480;
const int kPickCell = 32;
const int kPickRows = 15;

// The cell number at a point of the sheet (pixels from its top-left
// corner); a point off the sheet counts as the nearest cell on it.
int PickCellAt(int x, int y);

class cGraphicPickDlg : public cDlg {
public:
    // target receives the number picked on the sheet; owner is the button
    // that opens the picker (the picker is placed over it).
    cGraphicPickDlg(int16_t* target, int sheet, cDlg* parent, cCtrl* owner);
    ~cGraphicPickDlg() override;

    void OnInitDialog(WPARAM wp, LPARAM lp) override;
    LRESULT MsgProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) override;
    void Draw() override;

    int16_t* m_pTarget;
    int m_nSheet;
    cCtrlPictureItem m_Sheet;
    int m_nCell = -1;  // the cell under the mouse as last drawn
    int m_bInit = 0;
    int m_bDrawing = 0;
};

// Opens the picker for a graphic kind ("ブロック" 0 .. "専用bmp" 4): kinds
// 1 to 3 their sheet, 4 nothing (0 returned), any other the block sheet.
// 1 when a cell was picked (*target then holds its number), else 0.
int PickGraphic(int16_t* target, int kind, cDlg* parent, cCtrl* owner);
// Opens the picker on a sheet (0 .. 4); a sheet outside that opens nothing.
int RunGraphicPick(int16_t* target, int sheet, cDlg* parent, cCtrl* owner);
