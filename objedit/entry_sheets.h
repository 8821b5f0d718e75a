// Opening the block and item definition sheets for a palette entry. Until
// those sheets are in, the openers set the edit context the sheets work on
// (the selection, the edit target, the brush's element 0 and the record
// edited) and open nothing, so every window stays enabled.
#pragma once

class cWnd;

// palette 0 common, 1 stage; an index of -1 or past the palette's end does
// nothing. False when no sheet was opened.
bool OpenBlockSheetForEntry(cWnd* parent, int palette, int index);
bool OpenItemSheetForEntry(cWnd* parent, int palette, int index);
