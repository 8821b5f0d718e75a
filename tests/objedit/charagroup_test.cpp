// The character group window: its boxes show the group numbers that the
// stage's grouped characters use, its place is kept in the editor
// configuration, and the stage editor's keys pressed in it reach the stage
// editor.
#include <windows.h>

#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "app/services.h"
#include "app/stage_editor_res.h"
#include "model/prjoption.h"
#include "model/stage.h"
#include "objedit/charagroup_dlg.h"
#include "objedit/charagroup_dlg_res.h"
#include "tests/support/gui.h"

namespace {

cEdChara Grouped(int flag, int group) {
    cEdChara c;
    c.m_HasGroup = static_cast<int8_t>(flag);
    c.m_Group = static_cast<int16_t>(group);
    return c;
}

std::set<int> Checked(HWND wnd) {
    std::set<int> on;
    for (int g = 0; g < kCharaGroupCount; ++g)
        if (IsDlgButtonChecked(wnd, CharaGroupCtrlId(g)) == BST_CHECKED) on.insert(g);
    return on;
}

class CharaGroup : public testing::Test {
protected:
    void SetUp() override {
        g_Stage.SetDefault();
        EditConfig.m_Place[kPlaceCharaGroup] = cEdWindowPlace();
    }
    void TearDown() override { g_Stage.SetDefault(); }
};

TEST_F(CharaGroup, BoxesShowTheGroupsInUse) {
    struct Case {
        const char* what;
        std::vector<cEdChara> charas;
        std::set<int> checked;
    } cases[] = {
        {"no grouped characters", {Grouped(0, 5), cEdChara()}, {}},
        {"5, 5 and 59", {Grouped(1, 5), Grouped(1, 5), Grouped(1, 59), Grouped(0, 7)}, {5, 59}},
        {"0, 1, 40 and 41 (the id blocks' edges)", {Grouped(1, 0), Grouped(1, 1), Grouped(1, 40), Grouped(1, 41)},
         {0, 1, 40, 41}},
        {"numbers outside 0 .. 59 mark nothing", {Grouped(1, 60), Grouped(1, -1), Grouped(1, 3)}, {3}},
    };
    cCharaGroupDlg dlg(IDD_CHARA_GROUP, nullptr, kWndDialog, &g_WndRegistry);
    dlg.RunModeless(0, 1);
    ASSERT_TRUE(dlg.m_hWnd);
    char text[8] = "";
    GetDlgItemTextA(dlg.m_hWnd, 1453, text, sizeof text);
    EXPECT_STREQ("0", text);
    GetDlgItemTextA(dlg.m_hWnd, 1472, text, sizeof text);
    EXPECT_STREQ("59", text);
    for (const Case& c : cases) {
        g_Stage.m_Charas.clear();
        for (const cEdChara& ch : c.charas) g_Stage.m_Charas.push_back(ch);
        dlg.Draw();
        EXPECT_EQ(c.checked, Checked(dlg.m_hWnd)) << c.what;
    }
    // a click changes the box until the next redraw only
    ClickWindow(GetDlgItem(dlg.m_hWnd, CharaGroupCtrlId(10)));
    ASSERT_TRUE(PumpUntilIdle());
    EXPECT_EQ(1u, Checked(dlg.m_hWnd).count(10));
    dlg.Draw();
    EXPECT_EQ(std::set<int>{3}, Checked(dlg.m_hWnd));
    TourShot(dlg.m_hWnd, "chara_group");
}

// Closing stores the window's place; the next window opens there.
TEST_F(CharaGroup, PlaceIsKeptForTheNextStart) {
    CreateDirectoryA("e_data", nullptr);
    {
        cCharaGroupDlg dlg(IDD_CHARA_GROUP, nullptr, kWndDialog, &g_WndRegistry);
        dlg.RunModeless(0, 1);
        ASSERT_TRUE(dlg.m_hWnd);
        SetWindowPos(dlg.m_hWnd, nullptr, 140, 230, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    }
    const cEdWindowPlace& place = EditConfig.m_Place[kPlaceCharaGroup];
    EXPECT_EQ(1, place.m_bValid);
    EXPECT_EQ(140, place.m_nX);
    EXPECT_EQ(230, place.m_nY);
    cEditConfig saved;
    ASSERT_EQ(1, saved.Load(g_EditConfigPath.CStr()));
    EXPECT_EQ(140, saved.m_Place[kPlaceCharaGroup].m_nX);

    cCharaGroupDlg again(IDD_CHARA_GROUP, nullptr, kWndDialog, &g_WndRegistry);
    again.RunModeless(0, 1);
    RECT rc = {};
    GetWindowRect(again.m_hWnd, &rc);
    EXPECT_EQ(140, rc.left);
    EXPECT_EQ(230, rc.top);
}

// A window standing in for the stage editor's: it records the commands and
// keys that reach it.
std::vector<int> g_Commands;
std::vector<WPARAM> g_Keys;
LRESULT CALLBACK RecorderProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_COMMAND) g_Commands.push_back(LOWORD(wp));
    if (msg == WM_KEYDOWN) g_Keys.push_back(wp);
    return DefWindowProcA(wnd, msg, wp, lp);
}

TEST_F(CharaGroup, StageEditorKeysReachTheStageEditor) {
    WNDCLASSA wc = {};
    wc.lpfnWndProc = RecorderProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "GroupTestRecorder";
    RegisterClassA(&wc);
    HWND recorder = CreateWindowA("GroupTestRecorder", "", WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr,
                                  wc.hInstance, nullptr);
    ASSERT_TRUE(recorder);
    cStageEditorDlg* before = g_StageEditor;
    {
        cStageEditorDlg editor(IDD_STAGE_EDITOR, nullptr, kWndDialog, nullptr);
        editor.m_hWnd = recorder;
        g_StageEditor = &editor;
        g_Commands.clear();
        g_Keys.clear();
        cCharaGroupDlg dlg(IDD_CHARA_GROUP, nullptr, kWndDialog, &g_WndRegistry);
        dlg.RunModeless(0, 1);
        ASSERT_TRUE(BringToFront(dlg.m_hWnd));
        SetFocus(GetDlgItem(dlg.m_hWnd, CharaGroupCtrlId(0)));
        PressKeyWith(VK_CONTROL, 'S');
        ASSERT_TRUE(PumpUntil([] { return !g_Commands.empty(); }));
        EXPECT_EQ(40005, g_Commands[0]);
        // commands of the table that are not the stage editor's stay here
        SendMessageA(dlg.m_hWnd, WM_COMMAND, 40001, 0);
        for (int id : {40003, 40004, 40006, 40010, 40011, 40133}) SendMessageA(dlg.m_hWnd, WM_COMMAND, id, 0);
        EXPECT_EQ((std::vector<int>{40005, 40003, 40004, 40006, 40010, 40011, 40133}), g_Commands);
        SendMessageA(dlg.m_hWnd, WM_KEYDOWN, VK_SPACE, 0);
        EXPECT_EQ(std::vector<WPARAM>{VK_SPACE}, g_Keys);
        editor.m_hWnd = nullptr;
        g_StageEditor = nullptr;
    }
    g_StageEditor = before;
    DestroyWindow(recorder);
}

}  // namespace
