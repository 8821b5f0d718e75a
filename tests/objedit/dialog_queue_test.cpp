// The dialog scripts of the definition editors' tests (dialog_queue.h).
#include "tests/objedit/dialog_queue.h"

#include <deque>
#include <utility>

#include "tests/support/gui.h"

namespace {

struct Entry {
    std::string caption;
    std::function<void(HWND)> script;
};
std::deque<Entry> g_Queue;
UINT_PTR g_Timer = 0;

BOOL CALLBACK FindVisible(HWND wnd, LPARAM lp) {
    auto* f = reinterpret_cast<std::pair<const char*, HWND>*>(lp);
    char cls[32] = "", caption[256] = "";
    GetClassNameA(wnd, cls, sizeof cls);
    GetWindowTextA(wnd, caption, sizeof caption);
    if (lstrcmpA(cls, "#32770") == 0 && IsWindowVisible(wnd) && lstrcmpA(caption, f->first) == 0) {
        f->second = wnd;
        return FALSE;
    }
    return TRUE;
}

void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
    if (g_Queue.empty()) return;
    std::pair<const char*, HWND> f = {g_Queue.front().caption.c_str(), nullptr};
    EnumThreadWindows(GetCurrentThreadId(), FindVisible, reinterpret_cast<LPARAM>(&f));
    if (!f.second) return;
    // taken off before it runs: the dialogs it opens find the next one
    Entry e = std::move(g_Queue.front());
    g_Queue.pop_front();
    PumpUntilIdle();
    e.script(f.second);
}

}  // namespace

DialogQueue::DialogQueue() {
    g_Queue.clear();
    g_Timer = SetTimer(nullptr, 0, 30, Tick);
}

DialogQueue::~DialogQueue() {
    KillTimer(nullptr, g_Timer);
    g_Timer = 0;
    g_Queue.clear();
}

void DialogQueue::Add(const char* caption, std::function<void(HWND)> script) {
    g_Queue.push_back({caption, std::move(script)});
}

int DialogQueue::Pending() const { return static_cast<int>(g_Queue.size()); }

std::string ItemText(HWND dlg, int id) {
    char buf[512] = "";
    GetDlgItemTextA(dlg, id, buf, sizeof buf);
    return buf;
}

std::string RowText(HWND list, int row) {
    char buf[1024] = "";
    if (SendMessageA(list, LB_GETTEXTLEN, row, 0) >= static_cast<LRESULT>(sizeof buf)) return "";
    SendMessageA(list, LB_GETTEXT, row, reinterpret_cast<LPARAM>(buf));
    return buf;
}

int RowCount(HWND list) { return static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0)); }

void ChooseItem(HWND dlg, int id, int pos) {
    // the list dropped, the first item, down to the position, taken
    HWND combo = GetDlgItem(dlg, id);
    ClickWindow(combo);
    PumpUntil([&] { return SendMessageA(combo, CB_GETDROPPEDSTATE, 0, 0) != 0; });
    PressKey(VK_HOME);
    for (int i = 0; i < pos; ++i) PressKey(VK_DOWN);
    PressKey(VK_RETURN);
    PumpUntil([&] { return SendMessageA(combo, CB_GETDROPPEDSTATE, 0, 0) == 0; });
    PumpUntilIdle();
}

void TypeInto(HWND dlg, int id, const char* keys) {
    HWND edit = GetDlgItem(dlg, id);
    ClickWindow(edit);
    PumpUntil([&] { return GetFocus() == edit; });
    PressKey(VK_END);
    for (int i = 0; i < 12; ++i) PressKey(VK_BACK);
    for (const char* k = keys; *k; ++k) PressKey(*k == '-' ? VK_OEM_MINUS : static_cast<WORD>(*k));
    PumpUntilIdle();
}

void ClickItem(HWND dlg, int id) {
    ClickWindow(GetDlgItem(dlg, id));
    PumpUntilIdle();
}
