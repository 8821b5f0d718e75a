// Toolbar buttons with tooltips, accelerator tables and popup menus of cWnd.
#include "ui/wnd.h"

void cWnd::TrackPopup(HMENU menu) {
    TrackPopupMenu(menu, TPM_RIGHTBUTTON, m_ptPopup.x, m_ptPopup.y, 0, m_hWnd, nullptr);
}

void cWnd::AddButtonsWithTips(const sToolButton* entries, int count, int base, bool offsetSeparators) {
    SendMessageA(m_hToolbar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    for (int i = 0; i < count; ++i) {
        TBBUTTON button = entries[i].m_Button;
        if (offsetSeparators || !(button.fsStyle & TBSTYLE_SEP)) button.iBitmap += base;
        SendMessageA(m_hToolbar, TB_ADDBUTTONSA, 1, reinterpret_cast<LPARAM>(&button));
        AddToolTip(&entries[i], -1);
    }
}

void cWnd::AddStdToolButtons(const sToolButton* entries, int count) {
    TBADDBITMAP bitmap = {HINST_COMMCTRL, IDB_STD_SMALL_COLOR};
    int base = static_cast<int>(SendMessageA(m_hToolbar, TB_ADDBITMAP, 0, reinterpret_cast<LPARAM>(&bitmap)));
    AddButtonsWithTips(entries, count, base, false);
}

void cWnd::AddToolButtons(const sToolButton* entries, int count, const char* bitmapFile) {
    HANDLE image = LoadImageA(nullptr, bitmapFile, IMAGE_BITMAP, count * 16, 15, LR_LOADFROMFILE | LR_CREATEDIBSECTION);
    if (!image) return;
    TBADDBITMAP bitmap = {nullptr, reinterpret_cast<UINT_PTR>(image)};
    int base = static_cast<int>(SendMessageA(m_hToolbar, TB_ADDBITMAP, count, reinterpret_cast<LPARAM>(&bitmap)));
    AddButtonsWithTips(entries, count, base, true);
}

void cWnd::AddToolTip(const sToolButton* entry, int index) {
    HWND tip = CreateWindowExA(0, TOOLTIPS_CLASSA, nullptr, TTS_ALWAYSTIP, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                               CW_USEDEFAULT, m_hWnd, nullptr, m_hInst, nullptr);
    if (index < 0) index = static_cast<int>(SendMessageA(m_hToolbar, TB_BUTTONCOUNT, 0, 0)) - 1;
    TOOLINFOA info = {};
    // the record with its lParam: 44 bytes in the 32-bit program
    info.cbSize = kToolInfoSize;
    info.uFlags = TTF_SUBCLASS;
    info.hwnd = m_hToolbar;
    info.uId = reinterpret_cast<UINT_PTR>(entry->m_lpTip);
    SendMessageA(m_hToolbar, TB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&info.rect));
    info.hinst = m_hInst;
    info.lpszText = const_cast<char*>(entry->m_lpTip);
    SendMessageA(tip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&info));
}

void cWnd::AddAccelerators(HWND target, int tableId) {
    HACCEL table = LoadAcceleratorsA(m_hInst, MAKEINTRESOURCEA(tableId));
    m_Accels.push_back(sAccelEntry{table, target});
}
