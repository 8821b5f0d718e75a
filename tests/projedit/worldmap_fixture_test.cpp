#include <gtest/gtest.h>

#include "tests/projedit/worldmap_support.h"

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

namespace {
std::vector<cWhenShown*> s_Pending;

// Moves the mouse and waits until the system reports it there: the window
// reads the cursor's position when it handles a button message.
void MoveMouseAndWait(POINT pt) {
    MoveMouseTo(pt.x, pt.y);
    PumpUntil([&] {
        POINT now = {};
        GetCursorPos(&now);
        return now.x == pt.x && now.y == pt.y;
    });
    PumpMessages(30);
}
}  // namespace

cWhenShown::cWhenShown(std::function<HWND()> find, std::function<void(HWND)> script)
    : m_Find(std::move(find)), m_Script(std::move(script)) {
    s_Pending.push_back(this);
    m_Timer = SetTimer(nullptr, 0, 30, Tick);
}

cWhenShown::~cWhenShown() {
    if (m_Timer) KillTimer(nullptr, m_Timer);
    for (size_t i = 0; i < s_Pending.size(); ++i)
        if (s_Pending[i] == this) s_Pending.erase(s_Pending.begin() + static_cast<long>(i));
}

void CALLBACK cWhenShown::Tick(HWND, UINT, UINT_PTR id, DWORD) {
    for (cWhenShown* s : s_Pending) {
        if (s->m_Timer != id || s->m_bRan) continue;
        HWND wnd = s->m_Find();
        if (!wnd || !IsWindowVisible(wnd)) return;
        KillTimer(nullptr, id);
        s->m_Timer = 0;
        s->m_bRan = true;
        s->m_Script(wnd);
        return;
    }
}

namespace {

// The sample project's pictures the world map windows show: the toolbar's
// palette buttons, the map chips, the world events and the background.
void CopySamplePictures() {
    static bool done = false;
    if (done) return;
    done = true;
    CreateDirectoryA("bmp", nullptr);
    CreateDirectoryA("e_bmp", nullptr);
    CreateDirectoryA("bmp\\plt", nullptr);
    const char* const files[] = {"bmp\\plt\\Palette.bmp", "e_bmp\\ToolBar_WorldPalette.bmp", "bmp\\WorldMapChip.bmp", "bmp\\WorldEvent.bmp",
                                 "bmp\\WorldBack.bmp"};
    for (const char* f : files) {
        std::string from = std::string(SAMPLE_PROJECT_DIR) + "\\" + f;
        for (char& ch : from)
            if (ch == '/') ch = '\\';
        CopyFileA(from.c_str(), f, FALSE);
    }
    LoadPalette("bmp\\plt\\Palette.bmp");
    const int slots[] = {22, 23, 24};
    for (int slot : slots) g_Bitmaps[slot].Load(g_BitmapName[slot]);
}

}  // namespace

void WorldMapWindowTest::SetUp() {
    CreateDirectoryA("data", nullptr);
    CreateDirectoryA("e_data", nullptr);
    CopySamplePictures();
    g_WorldMap.SetDefault();
    g_WorldMap.m_Chips.Reset(12);
    for (int i = 0; i < 12; ++i) g_WorldMap.m_Chips[i].m_Graphic = i;
    for (int i = 0; i < kWindowPlaceCount; ++i) EditConfig.m_Place[i].m_bValid = 0;
    // Without a stage editor the event palette would open over the map.
    EditConfig.m_Place[kPlaceEvents].Set(760, 40, 240, 320);
    EditConfig.m_bEventEditPlaced = 0;
    EditConfig.m_bEventEditBefore = 1;
    EditConfig.m_bEventAutoWorldNo = 1;
    g_WorldMapEdit.Reset();
    g_WorldMapEdit.m_Pattern[0] = 0;
    g_StateStack.Reset();
    g_StageEdit.m_bWorldMapModified = 0;
}

void WorldMapWindowTest::TearDown() {
    if (m_Dlg) {
        g_StageEdit.m_bWorldMapModified = 0;
        m_Dlg.reset();
    }
    PumpMessages(50);
}

void WorldMapWindowTest::Open() {
    m_Dlg.reset(new cWorldMapDlg(nullptr, &g_WndRegistry));
    m_Dlg->RunModeless(0, 1);
    ASSERT_TRUE(m_Dlg->m_hWnd);
    ASSERT_TRUE(PumpUntil([&] { return m_Dlg->m_bReady && IsWindowVisible(m_Dlg->m_hWnd); }));
    ASSERT_TRUE(BringToFront(m_Dlg->m_hWnd));
}

POINT WorldMapWindowTest::CellPoint(int cx, int cy) const {
    POINT pt = {m_Dlg->m_rcCanvas.x + cx * 32 + 16, m_Dlg->m_rcCanvas.y + cy * 32 + 16};
    ClientToScreen(m_Dlg->m_hWnd, &pt);
    return pt;
}

void WorldMapWindowTest::ClickCell(int cx, int cy, bool right) {
    // The pen paints while the button is held, so it is held a moment.
    MoveMouseAndWait(CellPoint(cx, cy));
    MouseButton(right, true);
    PumpMessages(40);
    MouseButton(right, false);
    PumpMessages(30);
}

void WorldMapWindowTest::RightDrag(int fromX, int fromY, int toX, int toY) {
    const POINT a = CellPoint(fromX, fromY);
    const POINT b = CellPoint(toX, toY);
    MoveMouseAndWait(a);
    MouseButton(true, true);
    PumpMessages(30);
    MoveMouseAndWait(b);
    MouseButton(true, false);
    PumpMessages(30);
}

void WorldMapWindowTest::Fill(int32_t value) {
    for (size_t i = 0; i < g_WorldMap.m_Cells.size(); ++i) g_WorldMap.m_Cells[static_cast<int>(i)] = value;
}

void WorldMapWindowTest::ClickToolButton(int command) {
    RECT rc = {};
    ASSERT_TRUE(SendMessageA(m_Dlg->m_hToolbar, TB_GETRECT, static_cast<WPARAM>(command), reinterpret_cast<LPARAM>(&rc)));
    ClickClientPoint(m_Dlg->m_hToolbar, (rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2);
    PumpMessages(30);
}
