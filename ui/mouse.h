// Mouse position and button edges of one window, in canvas coordinates.
#pragma once

class cMouseState {
public:
    // Update flags: which parts of the button state to refresh.
    enum {
        kButtons = 1,   // left and right down
        kPresses = 2,   // press edges (one per physical press, program-wide)
        kReleases = 4,  // release edges of this record
    };

    // Refreshes the button fields from the physical buttons; returns 1.
    int Update(int flags);

    int m_nX = 0;
    int m_nY = 0;
    int m_nSpare = 7;  // not read
    int m_bLDown = 0;
    int m_bRDown = 0;
    int m_bLPress = 0;
    int m_bRPress = 0;
    int m_bLRelease = 0;
    int m_bRRelease = 0;
};

// The program-wide press latches; a press is reported once, to the first
// window whose state is updated while the button is down.
void ResetMouseLatches();
