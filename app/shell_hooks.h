// What the shell drives of editor windows that it does not know by class:
// the definition sheets opened from the palette windows (drawn by the idle
// step). The windows register themselves here when they open
// and unregister when they close.
#pragma once

class cPropSheet;

const int kPaletteWindowCount = 6;

// The definition sheet open from palette window i (the stage editor's order:
// common blocks, characters, items, then stage blocks, characters, items), or
// null when none is open.
void SetPaletteSheet(int palette, cPropSheet* sheet);
cPropSheet* PaletteSheet(int palette);
