#include "ui/registry.h"

#include "ui/dlg.h"
#include "ui/propsheet.h"

void cWndRegistry::AddWindow(cDlg* dlg) {
    for (int i = 0; i < static_cast<int>(m_Wnds.size()); ++i)
        if (m_Wnds[i] == dlg) return;
    m_Wnds.push_back(dlg);
}

bool cWndRegistry::RemoveWindow(cDlg* dlg) {
    for (int i = 0; i < static_cast<int>(m_Wnds.size()); ++i) {
        if (m_Wnds[i] == dlg) {
            m_Wnds.EraseAt(i);
            return true;
        }
    }
    return false;
}

void cWndRegistry::AddSheet(cPropSheet* sheet, cPropSheet** ownerVar) {
    m_Sheets.push_back(sSheetEntry{sheet, ownerVar});
}

bool cWndRegistry::RemoveSheet(cPropSheet* sheet) {
    for (int i = 0; i < static_cast<int>(m_Sheets.size()); ++i) {
        if (m_Sheets[i].m_lpSheet == sheet) {
            m_Sheets.EraseAt(i);
            return true;
        }
    }
    return false;
}

// The window the user works in: the active window, or for a property page
// the current page of the active sheet.
static bool IsWorkingWindow(cDlg* w, HWND active) {
    if (w->m_nKind == kWndPage) {
        return w->m_hSheet && w->m_hSheet == active &&
               reinterpret_cast<HWND>(SendMessageA(w->m_hSheet, PSM_GETCURRENTPAGEHWND, 0, 0)) == w->m_hWnd;
    }
    return w->m_hWnd == active;
}

bool cWndRegistry::TranslateAccelerators(MSG* msg) {
    HWND active = GetActiveWindow();
    for (int i = 0; i < static_cast<int>(m_Wnds.size()); ++i) {
        cDlg* w = m_Wnds[i];
        if (!w->m_hWnd) continue;
        for (int k = 0; k < static_cast<int>(w->m_Accels.size()); ++k) {
            sAccelEntry entry = w->m_Accels[k];
            if (!entry.m_hTable || !IsWorkingWindow(w, active)) continue;
            if (entry.m_hTarget != w->m_hWnd && GetFocus() != entry.m_hTarget) continue;
            // the command goes to the window; the target only decides when the table applies
            if (TranslateAcceleratorA(w->m_hWnd, entry.m_hTable, msg)) return true;
        }
    }
    return false;
}

// Ends the first sheet that its user has closed (it has no current page any
// more): the window is destroyed and the object deleted through the owner's
// variable, which is cleared.
void cWndRegistry::EndClosedSheet() {
    for (int i = 0; i < static_cast<int>(m_Sheets.size()); ++i) {
        sSheetEntry entry = m_Sheets[i];
        cPropSheet* sheet = entry.m_lpSheet;
        if (!sheet->m_hWnd) continue;
        if (SendMessageA(sheet->m_hWnd, PSM_GETCURRENTPAGEHWND, 0, 0)) continue;
        sheet->Destroy(0);
        if (entry.m_lpOwnerVar && *entry.m_lpOwnerVar) {
            cPropSheet* owned = *entry.m_lpOwnerVar;
            *entry.m_lpOwnerVar = nullptr;
            delete owned;
        }
        return;
    }
}

bool cWndRegistry::PreTranslate(MSG* msg) {
    if (TranslateAccelerators(msg)) return true;
    // Ending a closed sheet does not take the message in hand, which goes on
    // through the navigation tests and to the dispatch as usual.
    EndClosedSheet();
    for (int i = 0; i < static_cast<int>(m_Wnds.size()); ++i) {
        HWND wnd = m_Wnds[i]->m_hWnd;
        if (wnd && IsDialogMessageA(wnd, msg)) return true;
    }
    for (int i = 0; i < static_cast<int>(m_Sheets.size()); ++i) {
        HWND wnd = m_Sheets[i].m_lpSheet->m_hWnd;
        if (wnd && SendMessageA(wnd, PSM_ISDIALOGMESSAGE, 0, reinterpret_cast<LPARAM>(msg))) return true;
    }
    return false;
}

void cWndRegistry::ShowAll(bool flag) {
    for (int i = 0; i < static_cast<int>(m_Wnds.size()); ++i) {
        cDlg* w = m_Wnds[i];
        if (!w->m_hWnd) continue;
        // a sheet shows only its current page: the others stay hidden under it
        if (flag && w->m_nKind == kWndPage && w->m_hSheet &&
            reinterpret_cast<HWND>(SendMessageA(w->m_hSheet, PSM_GETCURRENTPAGEHWND, 0, 0)) != w->m_hWnd)
            continue;
        ShowWindow(w->m_hWnd, flag ? SW_SHOW : SW_HIDE);
    }
    for (int i = 0; i < static_cast<int>(m_Sheets.size()); ++i) {
        HWND wnd = m_Sheets[i].m_lpSheet->m_hWnd;
        if (wnd) ShowWindow(wnd, flag ? SW_SHOW : SW_HIDE);
    }
}

void cWndRegistry::EnableAll(bool flag) {
    for (int i = 0; i < static_cast<int>(m_Wnds.size()); ++i) {
        cDlg* w = m_Wnds[i];
        if (!w->m_hWnd) continue;
        if (flag)
            w->RemoveStyle(WS_DISABLED);
        else
            w->AddStyle(WS_DISABLED);
    }
    for (int i = 0; i < static_cast<int>(m_Sheets.size()); ++i) {
        cPropSheet* sheet = m_Sheets[i].m_lpSheet;
        if (!sheet->m_hWnd) continue;
        if (flag)
            sheet->RemoveStyle(WS_DISABLED);
        else
            sheet->AddStyle(WS_DISABLED);
    }
}

void cWndRegistry::CallFrame() {
    // A window may leave the list (or change it) from its own OnFrame: the
    // walk goes on behind the window just called, wherever it stands now,
    // and at the same index when it has left.
    int i = 0;
    while (i < static_cast<int>(m_Wnds.size())) {
        cDlg* w = m_Wnds[i];
        w->OnFrame();
        if (i < static_cast<int>(m_Wnds.size()) && m_Wnds[i] == w) {
            ++i;
            continue;
        }
        for (int k = 0; k < static_cast<int>(m_Wnds.size()); ++k) {
            if (m_Wnds[k] == w) {
                i = k + 1;
                break;
            }
        }
    }
}
