// The list control tests' demo owner: a dialog with a single-selection and a
// multi-selection list of a small record type, written the way the editors
// write their owners (lists attached in OnInitDialog, LBN_SELCHANGE handed
// to the list, every command offered to the lists and the lists redrawn,
// the right-click popup asked of the lists), and an edit sub-dialog.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

#include "listctrl/listctrl_res.h"
#include "tests/listctrl/test_listctrl_res.h"
#include "tests/support/gui.h"
#include "tests/support/test_env.h"
#include "ui/ctrllist.h"
#include "ui/dlg.h"
#include "ui/mouse.h"
#include "ui/registry.h"

namespace listtest {

// A record: its value is its row text; the defaults are value 0, name "既定".
struct sRec {
    int m_nValue;
    cString m_Name;
    sRec() { SetDefault(); }
    explicit sRec(int v) : m_nValue(v) { m_Name.Format("r%d", v); }
    void SetDefault() {
        m_nValue = 0;
        m_Name = "既定";
    }
    bool operator==(const sRec& o) const { return m_nValue == o.m_nValue && m_Name == o.m_Name; }
};

inline void RecText(cString* out, int, const sRec* r) {
    out->Format("%d", r->m_nValue);
}

inline cVector<sRec> Recs(std::initializer_list<int> values) {
    cVector<sRec> v;
    for (int x : values) v.push_back(sRec(x));
    return v;
}
inline cVector<sRec> Range(int from, int to) {
    cVector<sRec> v;
    for (int x = from; x <= to; ++x) v.push_back(sRec(x));
    return v;
}
inline std::vector<int> Values(const cVector<sRec>& v) {
    std::vector<int> out;
    for (size_t i = 0; i < v.size(); ++i) out.push_back(v[static_cast<int>(i)].m_nValue);
    return out;
}

inline std::vector<std::string> Rows(HWND box) {
    std::vector<std::string> rows;
    int n = static_cast<int>(SendMessageA(box, LB_GETCOUNT, 0, 0));
    for (int i = 0; i < n; ++i) {
        char buf[256] = "";
        SendMessageA(box, LB_GETTEXT, i, reinterpret_cast<LPARAM>(buf));
        rows.push_back(buf);
    }
    return rows;
}
// The selected rows of a multi-selection list box.
inline std::vector<int> SelRows(HWND box) {
    std::vector<int> rows;
    int n = static_cast<int>(SendMessageA(box, LB_GETCOUNT, 0, 0));
    for (int i = 0; i < n; ++i)
        if (SendMessageA(box, LB_GETSEL, i, 0) > 0) rows.push_back(i);
    return rows;
}
inline std::vector<int> Flags(const cVector<int>& f) {
    return std::vector<int>(f.begin(), f.end());
}

const std::string kSeparator(64, '-');

class cOwnerDlg : public cDlg {
public:
    cOwnerDlg() : cDlg(IDD_LIST_OWNER, nullptr, kWndDialog, &g_WndRegistry) {}
    ~cOwnerDlg() override { DestroyModeless(); }

    // The single-selection list over m_Work (optionally from m_Src) with m_Edit.
    void UseSingle(int min, int max, int separator = 0, int hidden = 0, bool source = false, bool edit = true,
                   int numbered = 0, int allowEmpty = 0) {
        m_Single.m_Param.Set(IDC_LIST_SINGLE, source ? &m_Src : nullptr, &m_Work, edit ? &m_Edit : nullptr, 0,
                             RecText, numbered, min, max, hidden, separator, allowEmpty);
    }
    // The multi-selection list (always with a separator row) over m_MWork with m_MEdit.
    void UseMulti(int min, int max, bool edit = true, int hidden = 0) {
        m_Multi.m_Param.Set(IDC_LIST_MULTI, nullptr, &m_MWork, edit ? &m_MEdit : nullptr, 1, RecText, 0, min, max,
                            hidden, 1, 0);
    }
    HWND SingleBox() const { return GetDlgItem(m_hWnd, IDC_LIST_SINGLE); }
    HWND MultiBox() const { return GetDlgItem(m_hWnd, IDC_LIST_MULTI); }
    cCtrlList<sRec>& S() { return m_Single.m_Ctrl; }
    cCtrlList<sRec>& M() { return m_Multi.m_Ctrl; }

    void OnInitDialog(WPARAM wp, LPARAM lp) override {
        cDlg::OnInitDialog(wp, lp);
        if (m_Single.m_Param.m_nId) AddCtrl(m_Single);
        if (m_Multi.m_Param.m_nId) AddCtrl(m_Multi);
        if (m_OnInit) m_OnInit(this);
        m_bReady = 1;
    }

    LRESULT MsgProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) override {
        int r = DefMsgProc(hwnd, msg, wp, lp);
        if (IsActive()) {
            cCtrlListBase* lists[2] = {m_Single.m_Param.m_nId ? &S() : nullptr, m_Multi.m_Param.m_nId ? &M() : nullptr};
            for (cCtrlListBase* list : lists) {
                if (list && list->SelectAtPoint(m_ptPopup)) {
                    ++m_nPopups;
                    m_PopupFocus = GetFocus();
                    TrackPopup(list->m_hPopupMenu);
                    break;
                }
            }
        }
        if (msg == WM_CLOSE) {
            Close(0);
            return 1;
        }
        return r;
    }

    void OnCommand(WPARAM wp, LPARAM lp) override {
        cDlg::OnCommand(wp, lp);
        int id = LOWORD(wp);
        int code = HIWORD(wp);
        m_Commands.push_back(id);
        if (id == kIdOk) {
            CtrlsToData();
            Close(1);
            return;
        }
        if (id == kIdCancel) {
            Close(0);
            return;
        }
        if (id == IDC_LIST_SINGLE && code == LBN_SELCHANGE) {
            m_nSelResult = S().OnSelChange();
        } else if (id == IDC_LIST_MULTI && code == LBN_SELCHANGE) {
            m_nSelResult = M().OnSelChange();
        } else {
            cCtrlListBase* lists[2] = {m_Single.m_Param.m_nId ? &S() : nullptr, m_Multi.m_Param.m_nId ? &M() : nullptr};
            for (cCtrlListBase* list : lists) {
                if (list && (list->OnAccelCommand(wp) || list->OnPopupCommand(wp))) {
                    m_Taken.push_back(id);
                    break;
                }
            }
        }
        RedrawList();
    }

    cCtrlListItem<sRec> m_Single;
    cCtrlListItem<sRec> m_Multi;
    cVector<sRec> m_Src, m_Work, m_MWork;
    sRec m_Edit, m_MEdit;
    std::function<void(cOwnerDlg*)> m_OnInit;
    std::vector<int> m_Commands;  // every command id that arrived
    std::vector<int> m_Taken;     // the ids that a list took
    int m_nPopups = 0;
    HWND m_PopupFocus = nullptr;
    int m_nSelResult = -1;
};

// The edit sub-dialog: answers by itself (s_nAnswer) unless told to wait for
// a click; on OK it writes s_nValue into its record (request form: the
// request's record; plain form: the owner's single list's current record).
class cRecEditDlg : public cDlg {
public:
    cRecEditDlg(int id, cDlg* parent, int kind, cWndRegistry* registry, cCtrl* ownerCtrl, int centre)
        : cDlg(id, parent, kind, registry, ownerCtrl, centre) {
        Note(ownerCtrl, centre);
    }
    cRecEditDlg(int id, cDlg* parent, int kind, const cEditReq* req, cWndRegistry* registry, cCtrl* ownerCtrl,
                int centre)
        : cDlg(id, parent, kind, registry, ownerCtrl, centre), m_Req(*req), m_bRequest(true) {
        Note(ownerCtrl, centre);
        s_Reqs.push_back(m_Req);
    }
    ~cRecEditDlg() override { DestroyModeless(); }

    void OnInitDialog(WPARAM wp, LPARAM lp) override {
        cDlg::OnInitDialog(wp, lp);
        m_bReady = 1;
        s_hLast = m_hWnd;
        if (s_nAnswer >= 0) PostMessageA(m_hWnd, WM_COMMAND, s_nAnswer ? kIdOk : kIdCancel, 0);
    }
    LRESULT MsgProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) override {
        int r = DefMsgProc(hwnd, msg, wp, lp);
        if (msg == WM_CLOSE) {
            Close(0);
            return 1;
        }
        return r;
    }
    void OnCommand(WPARAM wp, LPARAM lp) override {
        cDlg::OnCommand(wp, lp);
        if (LOWORD(wp) == kIdOk) {
            sRec* rec = nullptr;
            if (m_bRequest) {
                rec = m_Req.Record<sRec>();
            } else {
                cOwnerDlg* owner = static_cast<cOwnerDlg*>(m_lpParentClass);
                int data = owner->S().GetSelData();
                if (data >= 0) rec = &owner->m_Work[data];
            }
            if (rec) rec->m_nValue = s_nValue;
            Close(1);
        } else if (LOWORD(wp) == kIdCancel) {
            Close(0);
        }
    }

    static void Reset(int answer, int value) {
        s_nAnswer = answer;
        s_nValue = value;
        s_nMade = 0;
        s_Reqs.clear();
        s_OwnerCtrl = nullptr;
        s_nCentre = -1;
        s_hLast = nullptr;
    }

    cEditReq m_Req;
    bool m_bRequest = false;
    inline static int s_nAnswer = 1;  // 1 OK, 0 cancel, -1 wait for the user
    inline static int s_nValue = 77;
    inline static int s_nMade = 0;
    inline static std::vector<cEditReq> s_Reqs;
    inline static cCtrl* s_OwnerCtrl = nullptr;
    inline static int s_nCentre = -1;
    inline static HWND s_hLast = nullptr;

private:
    void Note(cCtrl* ownerCtrl, int centre) {
        ++s_nMade;
        s_OwnerCtrl = ownerCtrl;
        s_nCentre = centre;
    }
};

// Runs the owner modal; the body runs inside its modal loop and the owner is
// closed afterwards.
inline void RunOwner(cOwnerDlg* dlg, const std::function<void(cOwnerDlg*)>& body) {
    RunModalScripted(dlg, 0, [&](HWND) {
        body(dlg);
        if (dlg->m_hWnd) dlg->Close(0);
    });
}

// Every test runs with a stand-in application window, which a bad index of
// a checked vector would close: no test may see that happen.
class ListTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetMouseLatches();
        cRecEditDlg::Reset(1, 77);
    }
    void TearDown() override {
        PumpMessages(10);
        EXPECT_FALSE(m_App.TakeCloseRequest()) << "a checked vector saw a bad index";
        EXPECT_TRUE(g_WndRegistry.m_Wnds.empty());
    }
    TestAppWindow m_App;
};

}  // namespace listtest
