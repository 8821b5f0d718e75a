// The services of the application shell and the stage editor that the
// editors (objedit/, cmdedit/, projedit/) use. The editors include no other
// header of app/.
#pragma once

class cPropSheet;

// ---- Project-wide editors: system settings and project options ----

// The system settings pages are being destroyed: the common palette is
// made to hold at least two entries of each kind, the stage is validated,
// the stage editor and the palette windows of the current layer are shown,
// every registered window is enabled and the palettes are redrawn.
void OnSystemSheetClosed();
// The project options' general page is being destroyed: the stage is
// validated, the palette windows of the current layer are shown, every
// registered window is enabled and the palettes are redrawn.
void OnPrjOptionClosed();
// The project options sheet that the stage editor holds (null when none).
cPropSheet* HeldPrjOptionSheet();
// Where the stage editor keeps the project options and the system settings
// sheet; the window registry clears it when the sheet closes.
cPropSheet** PrjOptionSheetHolder();
cPropSheet** SystemSheetHolder();
