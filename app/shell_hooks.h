// What the shell drives of editor windows that it does not know by class:
// the definition sheets opened from the palette windows (drawn by the idle
// step) and the world map window (hidden and shown with the application while
// it is the main editor). The windows register themselves here when they open
// and unregister when they close.
#pragma once

class cPropSheet;

const int kPaletteWindowCount = 6;

// The definition sheet open from palette window i (the stage editor's order:
// common blocks, characters, items, then stage blocks, characters, items), or
// null when none is open.
void SetPaletteSheet(int palette, cPropSheet* sheet);
cPropSheet* PaletteSheet(int palette);

// The world map window as the application window handles it in editor mode 1.
class cWorldMapDriver {
public:
    virtual ~cWorldMapDriver() = default;
    // Its own minimised mark.
    virtual bool IsMinimized() const = 0;
    virtual void SetMinimized(bool minimized) = 0;
    // Hides the window with its tool windows, and shows them again.
    virtual void HideAll() = 0;
    virtual void ShowAll() = 0;
};

// Null removes it. The caller keeps the object alive while it is set.
void SetWorldMapDriver(cWorldMapDriver* driver);
cWorldMapDriver* WorldMapDriver();
