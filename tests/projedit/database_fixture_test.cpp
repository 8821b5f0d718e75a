// The shared part of the database sheet's tests (database_fixture.h).
#include "tests/projedit/database_fixture.h"

namespace dbtest {

namespace {

cOnDialog* g_OnDialog = nullptr;

struct sFind {
    const char* caption;
    HWND found;
};

BOOL CALLBACK FindDialog(HWND wnd, LPARAM lp) {
    sFind* f = reinterpret_cast<sFind*>(lp);
    char cls[32] = "", caption[256] = "";
    GetClassNameA(wnd, cls, sizeof cls);
    GetWindowTextA(wnd, caption, sizeof caption);
    if (lstrcmpA(cls, "#32770") == 0 && IsWindowVisible(wnd) && lstrcmpA(caption, f->caption) == 0) {
        f->found = wnd;
        return FALSE;
    }
    return TRUE;
}

void CALLBACK OnDialogTimer(HWND, UINT, UINT_PTR, DWORD) {
    cOnDialog* on = g_OnDialog;
    if (!on || on->m_bRan) return;
    sFind f = {on->m_Caption.c_str(), nullptr};
    HWND active = GetActiveWindow();
    if (active) FindDialog(active, reinterpret_cast<LPARAM>(&f));
    if (!f.found) f.found = FindWindowA("#32770", on->m_Caption.c_str());
    if (!f.found || !IsWindowVisible(f.found)) return;
    on->m_bRan = true;
    KillTimer(nullptr, on->m_Timer);
    on->m_Timer = 0;
    on->m_Script(f.found);
}

}  // namespace

cOnDialog::cOnDialog(const char* caption, std::function<void(HWND)> script)
    : m_Caption(caption), m_Script(std::move(script)) {
    g_OnDialog = this;
    m_Timer = SetTimer(nullptr, 0, 20, OnDialogTimer);
}

cOnDialog::~cOnDialog() {
    if (m_Timer) KillTimer(nullptr, m_Timer);
    g_OnDialog = nullptr;
}

std::vector<std::string> TableFiles() {
    std::vector<std::string> files;
    for (int i = 0; i < kDatabaseTableCount; ++i) files.push_back(ReadWholeFile(g_DatabasePath[i].c_str()));
    return files;
}

std::vector<std::string> Rows(HWND box) {
    std::vector<std::string> rows;
    int n = static_cast<int>(SendMessageA(box, LB_GETCOUNT, 0, 0));
    for (int i = 0; i < n; ++i) {
        char buf[512] = "";
        SendMessageA(box, LB_GETTEXT, i, reinterpret_cast<LPARAM>(buf));
        rows.push_back(buf);
    }
    return rows;
}

void TypeInto(HWND edit, const char* text) {
    ClickWindow(edit);
    PumpUntil([&] { return GetFocus() == edit; }, 1000);
    // everything the edit holds goes
    PressKey(VK_END);
    int len = GetWindowTextLengthA(edit);
    for (int i = 0; i < len + 2; ++i) PressKey(VK_BACK);
    for (const char* p = text; *p; ++p) {
        char c = *p;
        if (c >= 'a' && c <= 'z')
            PressKey(static_cast<WORD>(c - 'a' + 'A'));
        else if (c == '-')
            PressKey(VK_OEM_MINUS);
        else if (c == '.')
            PressKey(VK_OEM_PERIOD);
        else if (c == '\\')
            PressKey(VK_OEM_5);
        else
            PressKey(static_cast<WORD>(c));
    }
    PumpMessages(10);
}

void ClickRow(HWND box, int row) {
    RECT rc;
    SendMessageA(box, LB_GETITEMRECT, row, reinterpret_cast<LPARAM>(&rc));
    BringToFront(GetAncestor(box, GA_ROOT));
    ClickClientPoint(box, (rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2);
    PumpMessages(10);
}

void ChooseItem(HWND combo, int index) {
    ClickWindow(combo);  // drops the list down
    COMBOBOXINFO info = {};
    info.cbSize = sizeof info;
    GetComboBoxInfo(combo, &info);
    EXPECT_TRUE(PumpUntil([&] { return IsWindowVisible(info.hwndList) != FALSE; }, 1000));
    RECT rc;
    SendMessageA(info.hwndList, LB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&rc));
    ClickClientPoint(info.hwndList, (rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2);
    EXPECT_TRUE(PumpUntil([&] { return SendMessageA(combo, CB_GETCURSEL, 0, 0) == index; }, 1000));
    PumpMessages(10);
}

void DatabaseTest::SetUp() {
    ResetMouseLatches();
    g_Database.SetDefault();
    ASSERT_TRUE(g_Database.Save());
    g_AnimePreview.SetAnimes(cVector<cVector<cAnimeStep>>());
    m_Owner.RunModeless(0, 1);
}

void DatabaseTest::TearDown() {
    if (m_lpSheetVar) {
        cPropSheet* sheet = m_lpSheetVar;
        m_lpSheetVar = nullptr;
        delete sheet;
    }
    m_Owner.DestroyModeless();
    PumpMessages(10);
    EXPECT_TRUE(g_WndRegistry.m_Wnds.empty());
    EXPECT_TRUE(g_WndRegistry.m_Sheets.empty());
}

void DatabaseTest::Open() {
    m_lpSheet = new cDatabaseSheet(&m_Owner, &g_WndRegistry, &m_lpSheetVar);
    m_lpSheetVar = m_lpSheet;
    m_lpSheet->CreatePages();
    ASSERT_NE(nullptr, m_lpSheet->m_hWnd);
    ASSERT_TRUE(PumpUntil([&] { return Page(0) != nullptr && m_lpSheet->DbPage(0)->m_bReady; }));
}

void DatabaseTest::ShowPage(int page) {
    m_lpSheet->SetCurPage(page);
    ASSERT_TRUE(PumpUntil([&] { return m_lpSheet->GetCurPage() == page; }));
    ASSERT_TRUE(PumpUntil([&] { return Page(page) != nullptr && m_lpSheet->DbPage(page)->m_bReady; }));
    PumpMessages(20);
}

void DatabaseTest::Apply() {
    HWND button = GetDlgItem(m_lpSheet->m_hWnd, kApplyButton);
    ASSERT_TRUE(PumpUntil([&] { return IsWindowEnabled(button) != FALSE; }, 1000)) << "Apply is not enabled";
    ClickWindow(button);
    PumpMessages(30);
}

void DatabaseTest::Cancel() {
    ClickWindow(GetDlgItem(m_lpSheet->m_hWnd, IDCANCEL));
    // the registry ends a closed sheet when the next message comes
    bool closed = PumpUntil([&] {
        PostThreadMessageA(GetCurrentThreadId(), WM_NULL, 0, 0);
        return m_lpSheetVar == nullptr;
    });
    ASSERT_TRUE(closed);
    m_lpSheet = nullptr;
}

bool DatabaseTest::ApplyEnabled() const {
    return IsWindowEnabled(GetDlgItem(m_lpSheet->m_hWnd, kApplyButton)) != FALSE;
}

}  // namespace dbtest
