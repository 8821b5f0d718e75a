#include "ui/propsheet.h"

#include <new>

#include "ui/dlg.h"
#include "ui/registry.h"

int CALLBACK PropSheetCallback(HWND sheet, UINT msg, LPARAM) {
    if (msg == PSCB_INITIALIZED) {
        LONG_PTR ex = GetWindowLongPtrA(sheet, GWL_EXSTYLE);
        SetWindowLongPtrA(sheet, GWL_EXSTYLE, ex & ~static_cast<LONG_PTR>(WS_EX_CONTEXTHELP));
    }
    return 0;
}

cPropSheet::cPropSheet(int modeless, cWnd* parent, cWndRegistry* registry)
    : m_bModeless(modeless),
      m_hParent(parent ? parent->m_hWnd : nullptr),
      m_lpParent(parent),
      m_lpRegKey(nullptr),
      m_lpRegistry(registry),
      m_phPages(nullptr),
      m_hWnd(nullptr) {}

cPropSheet::~cPropSheet() {
    // An owner may delete a sheet that is still open: its window goes with it.
    if (m_hWnd && IsWindow(m_hWnd)) DestroyWindow(m_hWnd);
    m_hWnd = nullptr;
    delete[] m_phPages;
    m_phPages = nullptr;
    if (!m_lpRegistry || !m_lpRegistry->RemoveSheet(static_cast<cPropSheet*>(m_lpRegKey)))
        ErrorBoxF("ウインドウの破棄に失敗！");
}

void cPropSheet::Create() {
    m_bModeless = 1;
    cDlg* parentDlg = dynamic_cast<cDlg*>(m_lpParent);
    int count = static_cast<int>(m_Pages.size());
    for (int i = 0; i < count; ++i) {
        cDlg* page = m_Pages[i];
        page->m_bModeless = 1;
        page->m_lpSheet = this;
        page->m_lpParentClass = parentDlg;
    }
    HINSTANCE inst = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(m_hParent, GWLP_HINSTANCE));
    if (!inst) inst = AppInstance();
    delete[] m_phPages;
    m_phPages = new (std::nothrow) HPROPSHEETPAGE[count > 0 ? count : 1];
    if (!m_phPages) {
        OutOfMemory();
        return;
    }
    for (int i = 0; i < count; ++i) {
        PROPSHEETPAGEA psp = {};
        psp.dwSize = PROPSHEETPAGEA_V2_SIZE;
        psp.dwFlags = PSP_DEFAULT;
        psp.hInstance = inst;
        psp.pszTemplate = MAKEINTRESOURCEA(m_Pages[i]->m_nTemplateId);
        psp.pfnDlgProc = m_Pages[i]->m_lpDlgProc;
        // the page's dialog procedure finds its object here
        psp.lParam = reinterpret_cast<LPARAM>(m_Pages[i]);
        m_phPages[i] = CreatePropertySheetPageA(&psp);
    }
    PROPSHEETHEADERA psh = {};
    psh.dwSize = sizeof psh;  // the full header (V2 layout)
    psh.dwFlags = PSH_MODELESS | PSH_USECALLBACK;
    psh.hwndParent = m_hParent;
    psh.hInstance = inst;
    psh.nPages = static_cast<UINT>(count);
    psh.nStartPage = 0;
    psh.phpage = m_phPages;
    psh.pfnCallback = PropSheetCallback;
    m_hWnd = reinterpret_cast<HWND>(PropertySheetA(&psh));
    if (!m_hWnd || m_hWnd == reinterpret_cast<HWND>(-1)) {
        m_hWnd = nullptr;
        ErrorBoxF("ウインドウの生成に失敗！");
        PostMessageA(m_hParent, WM_CLOSE, 0, 0);
        return;
    }
    for (int i = 0; i < count; ++i) m_Pages[i]->m_hSheet = m_hWnd;
}

void cPropSheet::Destroy(int) {
    if (m_bModeless && m_hWnd) {
        DestroyWindow(m_hWnd);
        m_hWnd = nullptr;
    }
}

void cPropSheet::SetCurPage(int index) {
    SendMessageA(m_hWnd, PSM_SETCURSEL, index, -1);
}

int cPropSheet::GetCurPage() {
    HWND tab = reinterpret_cast<HWND>(SendMessageA(m_hWnd, PSM_GETTABCONTROL, 0, 0));
    return static_cast<int>(SendMessageA(tab, TCM_GETCURSEL, 0, 0));
}

void cPropSheet::DrawCurPage() {
    if (!m_hWnd) return;
    Page(GetCurPage())->Draw();
}

void cPropSheet::AddStyle(DWORD bits) {
    SetWindowLongPtrA(m_hWnd, GWL_STYLE, GetWindowLongPtrA(m_hWnd, GWL_STYLE) | bits);
}

void cPropSheet::RemoveStyle(DWORD bits) {
    SetWindowLongPtrA(m_hWnd, GWL_STYLE, GetWindowLongPtrA(m_hWnd, GWL_STYLE) & ~static_cast<LONG_PTR>(bits));
}

cDlg* cPropSheet::Page(int index) {
    return m_Pages[index];
}
