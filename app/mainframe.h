// The application window object. It is built without a window; the
// application shell creates the window at start-up.
#pragma once

#include "ui/appwnd.h"

class cMainFrame : public cAppWnd {
public:
    cMainFrame() = default;
    // Deletes the stage editor window object it still owns.
    ~cMainFrame() override;
    cMainFrame(const cMainFrame&) = delete;
    cMainFrame& operator=(const cMainFrame&) = delete;

    cWnd* m_pStageEditor = nullptr;  // owned; null when there is none
};

extern cMainFrame g_AppWnd;
