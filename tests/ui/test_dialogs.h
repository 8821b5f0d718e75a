// Dialogs, pages, sheets and controls of the window tests. Each records what
// reached it, so the tests check the framework through their state.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "tests/support/gui.h"
#include "tests/support/test_env.h"
#include "tests/ui/test_ui_res.h"
#include "ui/dlg.h"
#include "ui/propsheet.h"
#include "ui/registry.h"

// A bound control that records the operations it receives.
class cProbeCtrl : public cCtrl {
public:
    explicit cProbeCtrl(int kind = kCtrlStatic) { m_nKind = kind; }
    void DataToCtrl() override { ++m_nShown; }
    void CtrlToData() override { ++m_nStored; }
    void OnChange() override { ++m_nChanges; }
    void OnKillFocus() override { ++m_nKillFocus; }
    void AfterCommand() override { ++m_nAfterCommand; }
    int OnNotify(int, NMHDR* hdr) override {
        m_Notified.push_back(hdr ? static_cast<int>(hdr->code) : 0);
        return m_nNotifyResult;
    }
    int OnScroll(WPARAM wp, LPARAM lp) override {
        m_Scrolls.push_back(LOWORD(wp));
        return m_nScrollResult;
    }
    void OnKeyDown(WPARAM key, LPARAM, int) override { m_Keys.push_back(static_cast<int>(key)); }

    int m_nShown = 0, m_nStored = 0, m_nChanges = 0, m_nKillFocus = 0, m_nAfterCommand = 0;
    int m_nNotifyResult = 0, m_nScrollResult = 0;
    std::vector<int> m_Notified, m_Scrolls, m_Keys;
};

// A dialog written the way the editors write theirs: MsgProc calls the
// default handling first, WM_CLOSE closes with 0, OK stores and closes with
// 1, cancel closes with 0; the initialisation attaches the probes and sets
// the ready flag last.
class cTestDlg : public cDlg {
public:
    using cDlg::cDlg;
    ~cTestDlg() override { DestroyModeless(); }

    LRESULT MsgProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) override {
        if (msg == WM_PAINT) m_bInPaint = 1;
        int r = DefMsgProc(hwnd, msg, wp, lp);
        m_bInPaint = 0;
        if (m_OnMessage) m_OnMessage(this, msg);
        if (msg == WM_CLOSE) {
            Close(0);
            return 1;
        }
        return r;
    }
    void OnCommand(WPARAM wp, LPARAM lp) override {
        if (!AllowCommand(wp)) return;
        cDlg::OnCommand(wp, lp);
        m_Commands.push_back(LOWORD(wp));
        if (m_OnCommandHook) m_OnCommandHook(this, wp);
        if (LOWORD(wp) == kIdOk) {
            CtrlsToData();
            Close(1);
        } else if (LOWORD(wp) == kIdCancel) {
            Close(0);
        }
    }
    void OnInitDialog(WPARAM wp, LPARAM lp) override {
        cDlg::OnInitDialog(wp, lp);
        ++m_nInits;
        for (size_t i = 0; i < m_Probes.size(); ++i) {
            m_Probes[i].first->Attach(this, m_Probes[i].second);
            m_Ctrls.push_back(m_Probes[i].first);
        }
        if (m_nCanvasId) {
            m_Canvas.m_Param.Set(m_nCanvasId, 0, 0);
            m_Canvas.m_Ctrl.Attach(this, m_Canvas.m_Param);
        }
        DataToCtrls();
        if (m_OnInit) m_OnInit(this);
        m_bReady = 1;
    }
    void Draw() override {
        ++m_nDraws;
        if (!m_bInPaint) ++m_nDirectDraws;
    }
    void OnFrame() override {
        ++m_nFrames;
        if (s_FrameLog) s_FrameLog->push_back(this);
    }
    inline static std::vector<cTestDlg*>* s_FrameLog = nullptr;

    // Controls attached at every initialisation: (control, dialog item id).
    std::vector<std::pair<cCtrl*, int>> m_Probes;
    int m_nCanvasId = 0;
    std::function<void(cTestDlg*)> m_OnInit;
    std::function<void(cTestDlg*, WPARAM)> m_OnCommandHook;
    std::function<void(cTestDlg*, UINT)> m_OnMessage;
    std::vector<int> m_Commands;
    int m_nInits = 0, m_nDraws = 0, m_nDirectDraws = 0, m_nFrames = 0, m_bInPaint = 0;
};

// A page that records the sheet's notifications.
class cTestPage : public cTestDlg {
public:
    cTestPage(int templateId, cDlg* parent) : cTestDlg(templateId, parent, kWndPage, &g_WndRegistry) {}
    LRESULT MsgProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) override {
        if (msg == WM_NOTIFY && lp) m_Notes.push_back(static_cast<int>(reinterpret_cast<NMHDR*>(lp)->code));
        return cTestDlg::MsgProc(hwnd, msg, wp, lp);
    }
    std::vector<int> m_Notes;
};

// A sheet of the two test pages, built the way the editors build theirs.
class cTestSheet : public cPropSheet {
public:
    cTestSheet(cWnd* owner, cPropSheet** ownerVar, int pages = 2)
        : cPropSheet(1, owner, &g_WndRegistry), m_nPageCount(pages) {
        m_lpRegKey = this;
        if (ownerVar) g_WndRegistry.AddSheet(this, ownerVar);
        ++s_nLiving;
    }
    ~cTestSheet() override {
        delete m_lpPageA;
        delete m_lpPageB;
        --s_nLiving;
    }
    void Open(const char* caption) {
        cDlg* parent = dynamic_cast<cDlg*>(m_lpParent);
        m_lpPageA = new cTestPage(IDD_TEST_PAGE_A, parent);
        m_Pages.push_back(m_lpPageA);
        if (m_nPageCount > 1) {
            m_lpPageB = new cTestPage(IDD_TEST_PAGE_B, parent);
            m_Pages.push_back(m_lpPageB);
        }
        Create();
        if (caption) SetWindowTextA(m_hWnd, caption);
    }

    int m_nPageCount;
    cTestPage* m_lpPageA = nullptr;
    cTestPage* m_lpPageB = nullptr;
    inline static int s_nLiving = 0;
};

// Every window test runs with a stand-in application window and leaves the
// registry as it found it: empty.
class GuiTest : public ::testing::Test {
protected:
    void SetUp() override { ResetMouseLatches(); }
    void TearDown() override {
        PumpUntilIdle(10);
        EXPECT_TRUE(g_WndRegistry.m_Wnds.empty());
        EXPECT_TRUE(g_WndRegistry.m_Sheets.empty());
    }
    TestAppWindow m_App;
};

inline bool operator==(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}
inline std::ostream& operator<<(std::ostream& os, const RECT& r) {
    return os << "(" << r.left << "," << r.top << "," << r.right << "," << r.bottom << ")";
}

inline bool HasStyle(HWND wnd, LONG_PTR bits) {
    return (GetWindowLongPtrA(wnd, GWL_STYLE) & bits) == bits;
}

// Says which window it is, for failure messages.
inline std::string Describe(HWND wnd) {
    char cls[64] = "", text[64] = "";
    GetClassNameA(wnd, cls, sizeof cls);
    GetWindowTextA(wnd, text, sizeof text);
    char buf[256];
    wsprintfA(buf, "%p class %s id %d text '%s' parent %p", wnd, cls, GetDlgCtrlID(wnd), text, GetParent(wnd));
    return buf;
}

inline MSG MakeMsg(HWND wnd, UINT message, WPARAM wp) {
    MSG msg = {};
    msg.hwnd = wnd;
    msg.message = message;
    msg.wParam = wp;
    return msg;
}

inline int CountListed(cDlg* dlg) {
    int n = 0;
    for (size_t i = 0; i < g_WndRegistry.m_Wnds.size(); ++i) n += g_WndRegistry.m_Wnds[static_cast<int>(i)] == dlg;
    return n;
}
