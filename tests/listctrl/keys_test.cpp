// Commands of the record list: the accelerator tables and popup menus as the
// program holds them, the id sets, and keys, accelerators and the right-click
// popup driven by real input in a modal and in a modeless owner.
#include "tests/listctrl/list_owner.h"

#include <algorithm>

#include "base/log.h"

namespace listtest {
namespace {

class KeysTest : public ListTest {};

struct sAccel {
    BYTE flags;
    WORD key;
    WORD cmd;
};
bool operator==(const sAccel& a, const sAccel& b) {
    return a.flags == b.flags && a.key == b.key && a.cmd == b.cmd;
}
std::ostream& operator<<(std::ostream& os, const sAccel& a) {
    return os << "{" << int(a.flags) << "," << a.key << "," << a.cmd << "}";
}

std::vector<sAccel> LoadTable(int id) {
    std::vector<sAccel> out;
    HACCEL table = LoadAcceleratorsA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id));
    if (!table) return out;
    int n = CopyAcceleratorTableA(table, nullptr, 0);
    std::vector<ACCEL> entries(static_cast<size_t>(n));
    CopyAcceleratorTableA(table, entries.data(), n);
    for (const ACCEL& a : entries)
        out.push_back(sAccel{static_cast<BYTE>(a.fVirt & ~0x80), a.key, a.cmd});  // 0x80 marks the last entry
    DestroyAcceleratorTable(table);
    return out;
}

// The accelerator tables, column by column as the tables of the lists give them.
TEST_F(KeysTest, AcceleratorTablesHoldTheirEntries) {
    const int tables[8] = {105, 106, 107, 108, 109, 110, 111, 112};
    const struct {
        WORD key;
        bool ctrl;
        int ids[8];
    } rows[] = {
        {'C', true, {40001, 40012, 40022, 40001, 40022, 40012, 40091, 40091}},
        {'D', true, {40162, 0, 0, 0, 0, 0, 0, 0}},
        {'G', true, {40133, 40153, 40155, 40133, 0, 0, 40158, 0}},
        {'I', true, {40002, 40013, 40023, 40033, 40036, 40034, 40092, 40101}},
        {'N', true, {40003, 40014, 40024, 40003, 40024, 40014, 40093, 40093}},
        {'O', true, {40004, 40015, 40025, 40004, 40025, 40015, 40094, 40094}},
        {'S', true, {40005, 40016, 40026, 40005, 40026, 40016, 40095, 40095}},
        {'T', true, {40006, 40154, 40156, 40006, 0, 0, 40157, 0}},
        {'V', true, {40007, 40017, 40027, 40007, 40027, 40017, 40096, 40096}},
        {VK_DELETE, false, {40008, 40018, 40028, 40032, 40037, 40035, 40097, 40102}},
        {VK_SPACE, false, {40163, 0, 0, 0, 0, 0, 0, 0}},
        {'X', true, {40009, 40019, 40029, 40009, 40029, 40019, 40098, 40098}},
        {'Y', true, {40010, 40020, 40030, 40010, 40030, 40020, 40099, 40099}},
        {'Z', true, {40011, 40021, 40031, 40011, 40031, 40021, 40100, 40100}},
    };
    for (int t = 0; t < 8; ++t) {
        std::vector<sAccel> expected;
        for (const auto& r : rows)
            if (r.ids[t])
                expected.push_back(sAccel{static_cast<BYTE>(FVIRTKEY | FNOINVERT | (r.ctrl ? FCONTROL : 0)), r.key,
                                          static_cast<WORD>(r.ids[t])});
        std::vector<sAccel> got = LoadTable(tables[t]);
        std::sort(got.begin(), got.end(), [](const sAccel& a, const sAccel& b) { return a.key < b.key; });
        std::sort(expected.begin(), expected.end(), [](const sAccel& a, const sAccel& b) { return a.key < b.key; });
        EXPECT_EQ(expected, got) << "table " << tables[t];
    }
}

std::vector<std::string> MenuItems(int id, std::string* bar) {
    std::vector<std::string> items;
    HMENU menu = LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id));
    if (!menu) return items;
    char text[64] = "";
    GetMenuStringA(menu, 0, text, sizeof text, MF_BYPOSITION);
    *bar = text;
    if (GetMenuItemCount(menu) != 1) items.push_back("more than one bar item");
    HMENU popup = GetSubMenu(menu, 0);
    for (int i = 0; i < GetMenuItemCount(popup); ++i) {
        UINT id2 = GetMenuItemID(popup, i);
        if (GetMenuState(popup, i, MF_BYPOSITION) & MF_SEPARATOR) {
            items.push_back("-");
            continue;
        }
        GetMenuStringA(popup, i, text, sizeof text, MF_BYPOSITION);
        items.push_back(std::string(text) + " " + std::to_string(id2));
    }
    DestroyMenu(menu);
    return items;
}

TEST_F(KeysTest, PopupMenusHoldTheirItems) {
    const struct {
        int id;
        int ids[5];  // cut, copy, paste, clear or insert, delete
    } menus[] = {
        {112, {40038, 40039, 40040, 40041, 0}}, {113, {40103, 40104, 40105, 40113, 0}},
        {114, {40108, 40109, 40110, 40114, 0}}, {176, {40115, 40116, 40117, 40118, 0}},
        {115, {40038, 40039, 40040, 40042, 40043}}, {116, {40103, 40104, 40105, 40106, 40107}},
        {117, {40108, 40109, 40110, 40111, 40112}}, {177, {40115, 40116, 40117, 40119, 40120}},
    };
    for (const auto& m : menus) {
        std::vector<std::string> expected = {"切り取り " + std::to_string(m.ids[0]), "コピー " + std::to_string(m.ids[1]),
                                             "貼り付け " + std::to_string(m.ids[2]), "-"};
        if (m.ids[4]) {
            expected.push_back("新規挿入 " + std::to_string(m.ids[3]));
            expected.push_back("-");
            expected.push_back("削除 " + std::to_string(m.ids[4]));
        } else {
            expected.push_back("データのクリア " + std::to_string(m.ids[3]));
        }
        std::string bar;
        EXPECT_EQ(expected, MenuItems(m.id, &bar)) << "menu " << m.id;
        EXPECT_EQ("メニュー", bar) << "menu " << m.id;
    }
}

std::vector<int> Ids(const uint16_t* ids) {
    return std::vector<int>(ids, ids + kListSlots);
}

// SetKeys: the ids of each style and set; the table is registered and the
// menu loaded whatever the style and set; an unknown one keeps the ids and
// shows nothing while the error log is off.
TEST_F(KeysTest, SetKeysChoosesTheIdSets) {
    const struct {
        int table, menu, style, set, result;
        std::vector<int> accel, popup;
    } cases[] = {
        {105, 112, 0, 1, 1, {40009, 40001, 40007, 40002, 0, 40008, 0}, {40038, 40039, 40040, 0, 0, 40041, 0}},
        {106, 113, 0, 2, 1, {40019, 40012, 40017, 40013, 0, 40018, 0}, {40103, 40104, 40105, 0, 0, 40113, 0}},
        {107, 114, 0, 3, 1, {40029, 40022, 40027, 40023, 0, 40028, 0}, {40108, 40109, 40110, 0, 0, 40114, 0}},
        {111, 176, 0, 4, 1, {40098, 40091, 40096, 40092, 0, 40097, 0}, {40115, 40116, 40117, 0, 0, 40118, 0}},
        {108, 115, 1, 1, 1, {40009, 40001, 40007, 0, 40033, 0, 40032}, {40038, 40039, 40040, 0, 40042, 0, 40043}},
        {110, 116, 1, 2, 1, {40019, 40012, 40017, 0, 40034, 0, 40035}, {40103, 40104, 40105, 0, 40106, 0, 40107}},
        {109, 117, 1, 3, 1, {40029, 40022, 40027, 0, 40036, 0, 40037}, {40108, 40109, 40110, 0, 40111, 0, 40112}},
        {112, 177, 1, 4, 1, {40098, 40091, 40096, 0, 40101, 0, 40102}, {40115, 40116, 40117, 0, 40119, 0, 40120}},
        // unknown: the constructor's ids stay
        {108, 115, 2, 1, 0, {40009, 40001, 40007, 40002, 40033, 40008, 40032}, {40038, 40039, 40040, 0, 40042, 40041, 40043}},
        {108, 115, 1, 5, 0, {40009, 40001, 40007, 40002, 40033, 40008, 40032}, {40038, 40039, 40040, 0, 40042, 40041, 40043}},
        {108, 115, 0, 0, 0, {40009, 40001, 40007, 40002, 40033, 40008, 40032}, {40038, 40039, 40040, 0, 40042, 40041, 40043}},
    };
    for (const auto& c : cases) {
        MsgBoxCatcher boxes;
        cOwnerDlg dlg;
        dlg.UseSingle(0, 999, 1);
        int result = -1;
        size_t accels = 0;
        HWND target = nullptr;
        HMENU menu = nullptr;
        RunOwner(&dlg, [&](cOwnerDlg* d) {
            result = d->S().SetKeys(c.table, c.menu, c.style, c.set);
            accels = d->m_Accels.size();
            target = accels ? d->m_Accels[accels - 1].m_hTarget : nullptr;
            menu = d->S().m_hPopupMenu;
        });
        EXPECT_EQ(c.result, result) << c.style << "/" << c.set;
        EXPECT_EQ(c.accel, Ids(dlg.S().m_AccelId)) << c.style << "/" << c.set;
        EXPECT_EQ(c.popup, Ids(dlg.S().m_PopupId)) << c.style << "/" << c.set;
        EXPECT_EQ(1u, accels);
        EXPECT_NE(nullptr, target);
        EXPECT_NE(nullptr, menu);
        EXPECT_TRUE(boxes.boxes.empty()) << "the error log is off";
    }
}

TEST_F(KeysTest, AnUnknownSetIsReportedWhileTheErrorLogIsOn) {
    const char* const kAccelMsg = "アクセラレータのIDが用意されていません！";
    const char* const kPopupMsg = "ポップアップメニューのIDが用意されていません！";
    // call: 0 SetKeys, 1 SetAccel, 2 SetPopup; the boxes shown, in order
    const struct {
        int call, style, set;
        std::vector<std::string> texts;
    } cases[] = {
        {0, 2, 1, {kAccelMsg, kPopupMsg}},
        {0, 1, 0, {kAccelMsg, kPopupMsg}},
        {1, 0, 5, {kAccelMsg}},
        {2, -1, 1, {kPopupMsg}},
        {0, 1, 4, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.call << " " << c.style << "/" << c.set);
        SetErrorLog(1, "RI_Zedevu.txt");
        MsgBoxCatcher boxes;
        cOwnerDlg dlg;
        dlg.UseSingle(0, 999, 1);
        size_t accels = 0;
        HMENU menu = nullptr;
        RunOwner(&dlg, [&](cOwnerDlg* d) {
            if (c.call == 0) d->S().SetKeys(108, 115, c.style, c.set);
            if (c.call == 1) d->S().SetAccel(108, c.style, c.set);
            if (c.call == 2) d->S().SetPopup(115, c.style, c.set);
            accels = d->m_Accels.size();
            menu = d->S().m_hPopupMenu;
        });
        SetErrorLog(0, "RI_Zedevu.txt");
        std::vector<std::string> texts;
        for (const auto& b : boxes.boxes) texts.push_back(b.text);
        EXPECT_EQ(c.texts, texts);
        // the table is registered and the menu loaded all the same
        EXPECT_EQ(c.call == 2 ? 0u : 1u, accels);
        EXPECT_EQ(c.call == 1, menu == nullptr);
    }
}

TEST_F(KeysTest, ExplicitIdsAndAMissingMenu) {
    cOwnerDlg dlg;
    dlg.UseSingle(0, 999, 1);
    RunOwner(&dlg, [&](cOwnerDlg* d) {
        d->S().SetAccelWithIds(110, 40019, 40012, 40017, 0, 0, 0, 40035);
        d->S().SetPopupWithIds(9999, 40103, 40104, 40105, 0, 0, 0, 40107);
        EXPECT_EQ(nullptr, d->S().m_hPopupMenu) << "no such menu";
        ASSERT_EQ(1u, d->m_Accels.size());
        EXPECT_EQ(d->SingleBox(), d->m_Accels[0].m_hTarget);
        EXPECT_NE(nullptr, d->m_Accels[0].m_hTable);
    });
    EXPECT_EQ((std::vector<int>{40019, 40012, 40017, 0, 0, 0, 40035}), Ids(dlg.S().m_AccelId));
    EXPECT_EQ((std::vector<int>{40103, 40104, 40105, 0, 0, 0, 40107}), Ids(dlg.S().m_PopupId));
}

void FocusRow(cOwnerDlg* d, HWND box, int row) {
    int h = static_cast<int>(SendMessageA(box, LB_GETITEMHEIGHT, 0, 0));
    RECT rc;
    SendMessageA(box, LB_GETITEMRECT, row, reinterpret_cast<LPARAM>(&rc));
    ClickClientPoint(box, 20, rc.top + h / 2);
    EXPECT_TRUE(PumpUntil([&] { return GetFocus() == box; }));
    (void)d;
}

size_t CountOf(const std::vector<int>& v, int id) {
    return static_cast<size_t>(std::count(v.begin(), v.end(), id));
}

// A modal owner: the keyboard hook hands the keys to the dialog, which offers
// them to its lists; the fixed keys of the slots act, whatever the table.
TEST_F(KeysTest, KeysInAModalOwner) {
    cOwnerDlg dlg;
    dlg.m_Work = Recs({1, 2, 3});
    dlg.UseSingle(0, 999, 1);
    dlg.m_OnInit = [](cOwnerDlg* d) { d->S().SetKeys(108, 115, 1, 1); };
    RunOwner(&dlg, [&](cOwnerDlg* d) {
        FocusRow(d, d->SingleBox(), 0);
        PressKeyWith(VK_CONTROL, 'C');
        EXPECT_TRUE(PumpUntil([&] { return d->S().m_Clip.size() == 1; }));
        FocusRow(d, d->SingleBox(), 2);
        PressKeyWith(VK_CONTROL, 'V');
        EXPECT_TRUE(PumpUntil([&] { return d->m_Work.size() == 4; }));
        EXPECT_EQ((std::vector<int>{1, 2, 1, 3}), Values(d->m_Work));
        PressKeyWith(VK_CONTROL, 'X');
        EXPECT_TRUE(PumpUntil([&] { return d->m_Work.size() == 3; }));
        EXPECT_EQ((std::vector<int>{1, 2, 3}), Values(d->m_Work));
        PressKeyWith(VK_CONTROL, 'I');
        EXPECT_TRUE(PumpUntil([&] { return d->m_Work.size() == 4; }));
        EXPECT_EQ((std::vector<int>{1, 2, 0, 3}), Values(d->m_Work)) << "insert at the current row";
        PressKey(VK_DELETE);
        EXPECT_TRUE(PumpUntil([&] { return d->m_Work.size() == 3; }));
        PressKeyWith(VK_CONTROL, VK_DELETE);  // Ctrl+Delete acts as Delete here
        EXPECT_TRUE(PumpUntil([&] { return d->m_Work.size() == 2; }));
        EXPECT_EQ((std::vector<int>{1, 2}), Values(d->m_Work));
        PressKeyWith(VK_CONTROL, 'S');  // not a slot key: nothing is sent
        PumpMessages(100);
        EXPECT_EQ(0u, CountOf(d->m_Commands, 40005));
    });
}

// With the constructor's ids, Ctrl+I sends append then insert, Delete clear
// then delete, each handled completely before the next.
TEST_F(KeysTest, ConstructorIdsSendBothCommandsOfAKey) {
    cOwnerDlg dlg;
    dlg.m_Work = Recs({1, 2, 3});
    dlg.UseSingle(0, 999, 1);
    RunOwner(&dlg, [&](cOwnerDlg* d) {
        FocusRow(d, d->SingleBox(), 1);
        d->m_Commands.clear();
        PressKeyWith(VK_CONTROL, 'I');
        EXPECT_TRUE(PumpUntil([&] { return d->m_Work.size() == 5; }));
        PressKey(VK_DELETE);
        EXPECT_TRUE(PumpUntil([&] { return CountOf(d->m_Commands, 40032) == 1; }));
        std::vector<int> keys;
        for (int id : d->m_Commands)
            if (id >= 40000) keys.push_back(id);
        EXPECT_EQ((std::vector<int>{40002, 40033, 40008, 40032}), keys);
        EXPECT_EQ((std::vector<int>{40002, 40033, 40008, 40032}), d->m_Taken);
    });
    // append made row 3 current (value 0), insert put another 0 in front of
    // it; clear reset that one, delete removed it
    EXPECT_EQ((std::vector<int>{1, 2, 3, 0}), Values(dlg.m_Work));
}

// Two lists of one modal owner with different id sets: a key acts only in
// the focused list, though each list sends its own id.
TEST_F(KeysTest, OnlyTheFocusedListOfAModalOwnerActs) {
    cOwnerDlg dlg;
    dlg.m_Work = Recs({1, 2, 3});
    dlg.m_MWork = Recs({5, 6, 7});
    dlg.UseSingle(0, 999, 1);
    dlg.UseMulti(0, 999);
    dlg.m_OnInit = [](cOwnerDlg* d) {
        d->S().SetKeys(108, 115, 1, 1);
        d->M().SetAccelWithIds(110, 40019, 40012, 40017, 0, 0, 0, 40035);
        d->M().SetPopupWithIds(116, 40103, 40104, 40105, 0, 0, 0, 40107);
    };
    RunOwner(&dlg, [&](cOwnerDlg* d) {
        FocusRow(d, d->MultiBox(), 1);
        PressKeyWith(VK_CONTROL, 'X');
        EXPECT_TRUE(PumpUntil([&] { return d->m_MWork.size() == 2; }));
        PumpMessages(50);
        EXPECT_EQ((std::vector<int>{5, 7}), Values(d->m_MWork));
        EXPECT_EQ((std::vector<int>{1, 2, 3}), Values(d->m_Work));
        EXPECT_EQ(1u, CountOf(d->m_Commands, 40009)) << "the other list's id arrived too";
        EXPECT_EQ((std::vector<int>{40019}), d->m_Taken);
        d->m_Taken.clear();
        PressKeyWith(VK_CONTROL, 'I');  // the explicit ids have no insert
        PumpMessages(100);
        EXPECT_EQ(2u, d->m_MWork.size());
        EXPECT_EQ(3u, d->m_Work.size());
        EXPECT_TRUE(d->m_Taken.empty());
    });
}

// A modeless owner: only the accelerator table, while the list has the focus.
TEST_F(KeysTest, AcceleratorsInAModelessOwner) {
    cOwnerDlg dlg;
    dlg.m_Work = Recs({1, 2, 3});
    dlg.UseSingle(1, 999, 1);
    dlg.m_OnInit = [](cOwnerDlg* d) { d->S().SetKeys(105, 112, 0, 1); };
    dlg.RunModeless(0, 1);
    ASSERT_TRUE(BringToFront(dlg.m_hWnd));
    FocusRow(&dlg, dlg.SingleBox(), 1);
    PressKeyWith(VK_CONTROL, 'I');  // append
    EXPECT_TRUE(PumpUntil([&] { return dlg.m_Work.size() == 4; }));
    EXPECT_EQ((std::vector<int>{1, 2, 3, 0}), Values(dlg.m_Work));
    EXPECT_EQ(3, dlg.S().m_nCurSel);
    FocusRow(&dlg, dlg.SingleBox(), 2);  // another row: no double click
    PressKey(VK_DELETE);                 // clear, the count stays
    EXPECT_TRUE(PumpUntil([&] { return dlg.m_Work[2].m_nValue == 0; }));
    EXPECT_EQ(4u, dlg.m_Work.size());
    PressKeyWith(VK_CONTROL, 'C');
    EXPECT_TRUE(PumpUntil([&] { return CountOf(dlg.m_Taken, 40001) == 1; }));
    PressKeyWith(VK_CONTROL, 'S');  // a table entry that is no slot: to the owner, the list does nothing
    EXPECT_TRUE(PumpUntil([&] { return CountOf(dlg.m_Commands, 40005) == 1; }));
    EXPECT_EQ(0u, CountOf(dlg.m_Taken, 40005));
    PressKeyWith(VK_CONTROL, VK_DELETE);  // no table entry
    PumpMessages(100);
    EXPECT_EQ(1u, CountOf(dlg.m_Commands, 40008));
    // another control has the focus: the table does not apply, and a command
    // of the list arriving then does nothing
    ClickWindow(GetDlgItem(dlg.m_hWnd, IDC_LIST_NAME));
    EXPECT_TRUE(PumpUntil([&] { return GetFocus() == GetDlgItem(dlg.m_hWnd, IDC_LIST_NAME); }));
    PressKeyWith(VK_CONTROL, 'I');
    PumpMessages(100);
    EXPECT_EQ(1u, CountOf(dlg.m_Commands, 40002));
    SendMessageA(dlg.m_hWnd, WM_COMMAND, 40002, 0);
    EXPECT_EQ(4u, dlg.m_Work.size());
    TourShot(dlg.m_hWnd, "listctrl_owner");
    dlg.DestroyModeless();
}

// The popup menu's own loop takes its keys from the queue: choose an item
// by position from inside it.
int g_MenuDowns = 0;
void CALLBACK ChooseItem(HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    std::vector<INPUT> in;
    auto key = [&](WORD vk) {
        INPUT i = {};
        i.type = INPUT_KEYBOARD;
        i.ki.wVk = vk;
        in.push_back(i);
        i.ki.dwFlags = KEYEVENTF_KEYUP;
        in.push_back(i);
    };
    for (int i = 0; i < g_MenuDowns; ++i) key(VK_DOWN);
    key(VK_RETURN);
    SendInput(static_cast<UINT>(in.size()), in.data(), sizeof(INPUT));
}

void RightClick(POINT pt) {
    MoveMouseTo(pt.x, pt.y);
    MouseButton(true, true);
    MouseButton(true, false);
}

POINT RowScreenPoint(HWND box, int row) {
    RECT rc;
    GetWindowRect(box, &rc);
    return POINT{rc.left + 20, rc.top + 2 + 12 * row + 4};
}

// Right-clicking a row of a list without the focus selects it, gives it the
// focus and opens its menu; the chosen item acts on that list.
TEST_F(KeysTest, RightClickPopupActsOnTheListUnderThePointer) {
    const struct {
        const char* name;
        int downs;  // item position: 1 cut, 2 copy, 3 paste, 4 insert or clear, 5 delete
        std::vector<int> selected;
        int row;
        std::vector<int> after;
    } cases[] = {
        {"delete of every selected row after a right-click on one of them", 5, {1, 2}, 2, {1, 4}},
        {"cut of an unselected row selects it alone first", 1, {1, 2}, 3, {1, 2, 3}},
        {"insert", 4, {0}, 1, {1, 0, 2, 3, 4}},
    };
    for (const auto& c : cases) {
        cOwnerDlg dlg;
        dlg.m_Work = Recs({1, 2, 3});
        dlg.m_MWork = Recs({1, 2, 3, 4});
        dlg.UseSingle(0, 999, 1);
        dlg.UseMulti(0, 999);
        dlg.m_OnInit = [](cOwnerDlg* d) {
            d->S().SetKeys(108, 115, 1, 1);
            d->M().SetKeys(110, 116, 1, 2);
        };
        RunOwner(&dlg, [&](cOwnerDlg* d) {
            d->M().ResetSel(c.selected[0], 0);
            for (size_t i = 1; i < c.selected.size(); ++i) d->M().SetCurSel(c.selected[i], 0);
            d->M().Redraw();
            FocusRow(d, d->SingleBox(), 0);
            BringToFront(d->m_hWnd);
            g_MenuDowns = c.downs;
            SetTimer(nullptr, 0, 300, ChooseItem);
            RightClick(RowScreenPoint(d->MultiBox(), c.row));
            EXPECT_TRUE(PumpUntil([&] { return d->m_nPopups == 1 && !d->m_Taken.empty(); }, 5000)) << c.name;
            EXPECT_EQ(d->MultiBox(), d->m_PopupFocus) << c.name;
        });
        EXPECT_EQ(c.after, Values(dlg.m_MWork)) << c.name;
        EXPECT_EQ((std::vector<int>{1, 2, 3}), Values(dlg.m_Work)) << c.name;
    }
}

// Below the last row, or outside every list, no menu opens.
TEST_F(KeysTest, RightClickBelowTheRowsOpensNoMenu) {
    cOwnerDlg dlg;
    dlg.m_Work = Recs({1, 2});
    dlg.UseSingle(0, 999, 1);
    dlg.m_OnInit = [](cOwnerDlg* d) { d->S().SetKeys(108, 115, 1, 1); };
    RunOwner(&dlg, [&](cOwnerDlg* d) {
        BringToFront(d->m_hWnd);
        RightClick(RowScreenPoint(d->SingleBox(), 6));
        PumpMessages(200);
        RECT rc;
        GetWindowRect(GetDlgItem(d->m_hWnd, kIdOk), &rc);
        RightClick(POINT{(rc.left + rc.right) / 2, rc.bottom + 60});  // the dialog's own empty area
        PumpMessages(200);
        EXPECT_EQ(0, d->m_nPopups);
    });
}

// The separator row: the popup opens with it current and paste appends.
TEST_F(KeysTest, PasteFromThePopupOnTheSeparatorRowAppends) {
    cOwnerDlg dlg;
    dlg.m_Work = Recs({1, 2});
    dlg.UseSingle(0, 999, 1);
    dlg.m_OnInit = [](cOwnerDlg* d) { d->S().SetKeys(105, 112, 0, 1); };
    RunOwner(&dlg, [&](cOwnerDlg* d) {
        d->S().SetCurSel(0, 0);
        d->S().Copy();
        BringToFront(d->m_hWnd);
        g_MenuDowns = 3;
        SetTimer(nullptr, 0, 300, ChooseItem);
        RightClick(RowScreenPoint(d->SingleBox(), 2));
        EXPECT_TRUE(PumpUntil([&] { return !d->m_Taken.empty(); }, 5000));
        EXPECT_EQ((std::vector<int>{40040}), d->m_Taken);
    });
    EXPECT_EQ((std::vector<int>{1, 2, 1}), Values(dlg.m_Work));
    EXPECT_EQ(1, dlg.m_Edit.m_nValue);
}

}  // namespace
}  // namespace listtest
