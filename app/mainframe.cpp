#include "app/mainframe.h"

cMainFrame::~cMainFrame() {
    delete m_pStageEditor;
    m_pStageEditor = nullptr;
}
