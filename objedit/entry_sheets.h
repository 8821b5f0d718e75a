// Opening the item definition sheet for a palette entry (the block sheet's
// opener is in objedit/blocksheet.h). Until that sheet is in, the opener
// sets the edit context the sheet works on (the selection, the edit target,
// the brush's element 0 and the record edited) and opens nothing, so every
// window stays enabled.
#pragma once

class cWnd;

// palette 0 common, 1 stage; an index of -1 or past the palette's end does
// nothing. False when no sheet was opened.
bool OpenItemSheetForEntry(cWnd* parent, int palette, int index);
