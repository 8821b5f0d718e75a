// The database sheet's tests: a project folder with the ten tables written,
// an owner window standing in for the stage editor, the sheet opened over it
// and driven with real input, and the tables read back from their files.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "app/services.h"
#include "app/shell.h"
#include "base/record.h"
#include "model/database.h"
#include "projedit/database.h"
#include "projedit/database_res.h"
#include "tests/projedit/database_owner_res.h"
#include "tests/support/gui.h"
#include "tests/support/test_env.h"
#include "ui/mouse.h"
#include "ui/registry.h"

extern cEdDatabase g_Database;

namespace dbtest {

// The Apply button of a property sheet.
const int kApplyButton = 0x3021;

class cOwnerDlg : public cDlg {
public:
    cOwnerDlg() : cDlg(IDD_DB_TEST_OWNER, nullptr, kWndDialog, &g_WndRegistry) {}
    ~cOwnerDlg() override { DestroyModeless(); }
    LRESULT MsgProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) override { return DefMsgProc(hwnd, msg, wp, lp); }
};

// Runs script once on the first visible dialog with the caption that this
// thread shows (from inside whatever modal loop shows it).
class cOnDialog {
public:
    cOnDialog(const char* caption, std::function<void(HWND)> script);
    ~cOnDialog();
    bool Ran() const { return m_bRan; }

    std::string m_Caption;
    std::function<void(HWND)> m_Script;
    bool m_bRan = false;
    UINT_PTR m_Timer = 0;
};

// Every data file's bytes, in table order.
std::vector<std::string> TableFiles();
// The rows of a list box.
std::vector<std::string> Rows(HWND box);
// Replaces an edit's text by typing (lower-case letters, digits, '-').
void TypeInto(HWND edit, const char* text);
// Selects a list box row with a click.
void ClickRow(HWND box, int row);
// Chooses a combo box item with the keyboard.
void ChooseItem(HWND combo, int index);

template <class T>
cVector<T> ReadTable(int table) {
    cVector<T> v;
    EXPECT_TRUE(LoadVector(v, g_DatabasePath[table].c_str())) << g_DatabasePath[table].c_str();
    return v;
}

class DatabaseTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    void Open();
    void ShowPage(int page);
    HWND Page(int page) const { return m_lpSheet->DbPage(page)->m_hWnd; }
    HWND Item(int page, int id) const { return GetDlgItem(Page(page), id); }
    void Click(int page, int id) { ClickWindow(Item(page, id)); }
    void Apply();
    void Cancel();
    bool ApplyEnabled() const;

    TestAppWindow m_App;
    cOwnerDlg m_Owner;
    cDatabaseSheet* m_lpSheet = nullptr;
    cPropSheet* m_lpSheetVar = nullptr;  // cleared by the registry when the sheet closes
};

}  // namespace dbtest
