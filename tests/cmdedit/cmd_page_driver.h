// Drives the command dialogs from inside their modal loops: steps wait for
// a window (by its caption) to be visible, then act on it with real input.
// A run that stalls ends every dialog still open and reports the step.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <string>

#include "tests/support/gui.h"

class cDialogScript {
public:
    // The window with the caption (Shift-JIS) is visible: act on it.
    void Then(const char* caption, std::function<void(HWND)> act) { m_Steps.push_back({caption, std::move(act)}); }

    // Runs the dialog modal while the steps run; its result.
    template <class D>
    int Run(D* dlg) {
        s_This = this;
        m_nStart = GetTickCount();
        UINT_PTR timer = SetTimer(nullptr, 0, 20, Tick);
        const int r = dlg->RunModal(0);
        KillTimer(nullptr, timer);
        s_This = nullptr;
        EXPECT_TRUE(m_Steps.empty()) << m_Steps.size() << " steps never ran, the first waiting for "
                                     << m_Steps.front().caption;
        EXPECT_FALSE(m_bStalled) << "a dialog was left open";
        return r;
    }

    // Which captions were seen, in order.
    std::string m_Seen;

private:
    struct Step {
        std::string caption;
        std::function<void(HWND)> act;
    };
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
        cDialogScript* self = s_This;
        if (!self || self->m_bBusy) return;
        self->m_bBusy = true;
        if (!self->m_Steps.empty()) {
            HWND wnd = FindWindowA("#32770", self->m_Steps.front().caption.c_str());
            if (wnd && IsWindowVisible(wnd)) {
                Step step = self->m_Steps.front();
                self->m_Steps.pop_front();
                self->m_Seen += step.caption + ";";
                self->m_nStart = GetTickCount();
                // an act may open a nested modal loop, in which the next
                // steps run
                self->m_bBusy = false;
                step.act(wnd);
                return;
            }
        }
        if (GetTickCount() - self->m_nStart > 8000) {
            // stalled: close what is open, innermost first
            self->m_bStalled = true;
            HWND active = GetActiveWindow();
            if (active) EndDialog(active, -7);
        }
        self->m_bBusy = false;
    }

    std::deque<Step> m_Steps;
    DWORD m_nStart = 0;
    bool m_bBusy = false;
    bool m_bStalled = false;
    inline static cDialogScript* s_This = nullptr;
};
