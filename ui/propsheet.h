// The base of the modeless property sheets whose pages are dialogs.
#pragma once

#include <windows.h>
#include <prsht.h>

#include "base/containers.h"

class cDlg;
class cWnd;
class cWndRegistry;

class cPropSheet {
public:
    cPropSheet(int modeless, cWnd* parent, cWndRegistry* registry);
    virtual ~cPropSheet();

    // Creates the sheet window with its pages (m_Pages filled by the derived class).
    void Create();
    void Destroy(int unused);
    void SetCurPage(int index);
    int GetCurPage();
    // The current page's Draw; a sheet with pages of its own kinds of drawing
    // overrides it.
    virtual void DrawCurPage();
    void AddStyle(DWORD bits);
    void RemoveStyle(DWORD bits);
    cDlg* Page(int index);

    int m_bModeless;
    HWND m_hParent;
    cWnd* m_lpParent;
    void* m_lpRegKey;
    cWndRegistry* m_lpRegistry;
    cVector<cDlg*> m_Pages;
    HPROPSHEETPAGE* m_phPages;
    HWND m_hWnd;
};

// Removes the help button from the caption of every sheet.
int CALLBACK PropSheetCallback(HWND sheet, UINT msg, LPARAM lp);
