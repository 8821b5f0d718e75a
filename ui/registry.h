// The registry of the open modeless windows and property sheets: it offers
// every message of the main loop to them before it is dispatched, ends the
// sheets that their user has closed, and hides, disables or steps them all.
#pragma once

#include <windows.h>

#include "base/containers.h"

class cDlg;
class cPropSheet;

struct sSheetEntry {
    cPropSheet* m_lpSheet;
    cPropSheet** m_lpOwnerVar;  // where the owner keeps the sheet object
};

class cWndRegistry {
public:
    void AddWindow(cDlg* dlg);
    bool RemoveWindow(cDlg* dlg);
    void AddSheet(cPropSheet* sheet, cPropSheet** ownerVar);
    bool RemoveSheet(cPropSheet* sheet);
    // True when the message was consumed and must not be dispatched.
    bool PreTranslate(MSG* msg);
    void ShowAll(bool flag);
    void EnableAll(bool flag);
    // The idle step: cWnd::OnFrame of every listed window, in list order.
    void CallFrame();

    cVector<cDlg*> m_Wnds;
    cVector<sSheetEntry> m_Sheets;

private:
    bool TranslateAccelerators(MSG* msg);
    void EndClosedSheet();
};

extern cWndRegistry g_WndRegistry;
