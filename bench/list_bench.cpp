// The record list's refill of 999 records and its paste of 999 records,
// each against filling a plain list box with the same 999 row texts in the
// same run. Prints the median of the runs and the ratios.
//
// list_bench [runs]   (default 20)
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "ui/ctrllist.h"
#include "ui/dlg.h"
#include "ui/registry.h"

namespace {

const int kDialogId = 9900;
const int kListId = 9901;
const int kRecords = 999;

struct sBenchRec {
    int m_nValue = 0;
    cString m_Name;
    sBenchRec() { SetDefault(); }
    void SetDefault() {
        m_nValue = 0;
        m_Name = "default";
    }
};

void BenchText(cString* out, int, const sBenchRec* r) {
    out->Format("%s x%d", r->m_Name.c_str(), r->m_nValue);
}

double NowMs() {
    static LARGE_INTEGER freq = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return t.QuadPart * 1000.0 / freq.QuadPart;
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

class cBenchDlg : public cDlg {
public:
    cBenchDlg() : cDlg(kDialogId, nullptr, kWndDialog, &g_WndRegistry) {}
    ~cBenchDlg() override { DestroyModeless(); }
    void OnInitDialog(WPARAM wp, LPARAM lp) override {
        cDlg::OnInitDialog(wp, lp);
        AddCtrl(m_List);
        m_bReady = 1;
    }
    LRESULT MsgProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) override { return DefMsgProc(hwnd, msg, wp, lp); }

    cCtrlListItem<sBenchRec> m_List;
    cVector<sBenchRec> m_Work;
    sBenchRec m_Edit;
};

void Pump() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

}  // namespace

int main(int argc, char** argv) {
    int runs = argc > 1 ? atoi(argv[1]) : 20;
    if (runs < 1) runs = 1;
    cBenchDlg dlg;
    for (int i = 0; i < kRecords; ++i) {
        sBenchRec r;
        r.m_nValue = i;
        r.m_Name.Format("record %03d", i);
        dlg.m_Work.push_back(r);
    }
    dlg.m_List.m_Param.Set(kListId, nullptr, &dlg.m_Work, &dlg.m_Edit, 0, BenchText, 1, 0, kRecords, 0, 1, 0);
    dlg.RunModeless(0, 1);
    if (!dlg.m_hWnd) {
        fprintf(stderr, "list_bench: the dialog did not open\n");
        return 1;
    }
    Pump();
    HWND box = GetDlgItem(dlg.m_hWnd, kListId);
    cCtrlList<sBenchRec>& list = dlg.m_List.m_Ctrl;

    // the row texts exactly as the list shows them
    std::vector<cString> texts;
    for (int i = 0; i < static_cast<int>(SendMessageA(box, LB_GETCOUNT, 0, 0)); ++i) {
        char buf[256] = "";
        SendMessageA(box, LB_GETTEXT, i, reinterpret_cast<LPARAM>(buf));
        texts.push_back(cString(buf));
    }

    cVector<sBenchRec> records = dlg.m_Work;
    std::vector<double> plain, refill, paste;
    for (int run = 0; run < runs; ++run) {
        double t = NowMs();
        SendMessageA(box, WM_SETREDRAW, FALSE, 0);
        SendMessageA(box, LB_RESETCONTENT, 0, 0);
        for (const cString& s : texts) SendMessageA(box, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(s.c_str()));
        SendMessageA(box, LB_SETCURSEL, 0, 0);
        SendMessageA(box, WM_SETREDRAW, TRUE, 0);
        plain.push_back(NowMs() - t);
        Pump();

        dlg.m_Work = records;
        list.SetCurSel(500, 1);
        t = NowMs();
        SendMessageA(box, WM_SETREDRAW, FALSE, 0);
        list.Fill();
        list.Redraw();
        refill.push_back(NowMs() - t);
        Pump();

        list.m_Clip = records;
        dlg.m_Work.clear();
        list.Fill();
        list.SetCurSel(0, 0);  // the separator row of the empty list
        t = NowMs();
        SendMessageA(box, WM_SETREDRAW, FALSE, 0);
        int ok = list.Paste();
        paste.push_back(NowMs() - t);
        if (!ok || static_cast<int>(dlg.m_Work.size()) != kRecords) {
            fprintf(stderr, "list_bench: the paste did not insert %d records\n", kRecords);
            return 1;
        }
        Pump();
    }
    double p = Median(plain), r = Median(refill), q = Median(paste);
    printf("list box of %d rows, median of %d runs\n", kRecords, runs);
    printf("  plain list box fill   %8.2f ms\n", p);
    printf("  record list refill    %8.2f ms   ratio %.2f\n", r, p > 0 ? r / p : 0.0);
    printf("  record list paste     %8.2f ms   ratio %.2f\n", q, p > 0 ? q / p : 0.0);
    dlg.DestroyModeless();
    return 0;
}
