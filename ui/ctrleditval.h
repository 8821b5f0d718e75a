// The value edit: an edit box, optionally with an up-down control beside it,
// bound to one numeric variable. Typing is kept legal as it happens: only
// digits, the minus sign and (for floating-point edits) the point get
// through, full-width digits from the input method become ordinary ones,
// every change is parsed, clamped into the range and written back with the
// caret kept, and losing the focus shows the canonical form.
#pragma once

#include <cstdint>
#include <cstdlib>

#include "ui/ctrl.h"
#include "ui/ctrlspin.h"

#include <commctrl.h>

// Type codes of the value edit's variable types; -1 for any other type.
template <class T>
struct cEditValType {
    static const int kCode = -1;
};
template <>
struct cEditValType<char> {
    static const int kCode = 0;
};
// signed char (int8_t, the byte fields of the records) holds what char holds
template <>
struct cEditValType<signed char> {
    static const int kCode = 0;
};
template <>
struct cEditValType<unsigned char> {
    static const int kCode = 1;
};
template <>
struct cEditValType<short> {
    static const int kCode = 2;
};
template <>
struct cEditValType<unsigned short> {
    static const int kCode = 3;
};
template <>
struct cEditValType<int> {
    static const int kCode = 4;
};
template <>
struct cEditValType<unsigned int> {
    static const int kCode = 5;
};
template <>
struct cEditValType<float> {
    static const int kCode = 6;
};
template <>
struct cEditValType<double> {
    static const int kCode = 7;
};

// The limits of an integer type code, -1 for the others.
long long TypeCodeMin(int code);
long long TypeCodeMax(int code);
// Digits after the point that a floating-point edit shows for its step.
int GetDecimals(double step);
// True when the edit lets the typed character through.
bool EditValCharPasses(WPARAM ch, int isFloat);
// The text without the bytes that cannot be part of a number.
cString CleanNumberText(const cString& text);
// The integer of the text (as atoi reads it), held at the limits of long long.
long long ParseIntSaturated(const char* text);
// Sends every full-width digit, minus sign and point of the Shift-JIS text
// to the window as its ordinary character; everything else is dropped.
void SendFullWidthDigits(HWND wnd, const cString& text);

// Reads the input method's result string for a WM_IME_COMPOSITION with the
// given lParam: true (and the text) when it holds GCS_RESULTSTR. A seam, so
// that tests can stand in for an input method.
typedef bool (*ImeResultReader)(HWND wnd, LPARAM lp, cString* out);
extern ImeResultReader g_ReadImeResult;
bool ReadImeResultFromContext(HWND wnd, LPARAM lp, cString* out);

extern const char kEditValProp[];

template <class T>
struct cCtrlEditValParam {
    uint16_t m_nId = 0;
    T* m_lpData = nullptr;
    T m_Min = T();
    T m_Max = T();
    uint16_t m_nSpinId = 0;  // 0: no up-down control
    T m_Step = T();
    void Set(int id, T* data, T min, T max, int spinId, T step) {
        m_nId = static_cast<uint16_t>(id);
        m_lpData = data;
        m_Min = min;
        m_Max = max;
        m_nSpinId = static_cast<uint16_t>(spinId);
        m_Step = step;
    }
};

template <class T>
class cCtrlEditVal : public cCtrlEdit {
public:
    cCtrlEditVal()
        : m_lpData(nullptr), m_Min(T()), m_Max(T()), m_Step(T()), m_nTypeCode(cEditValType<T>::kCode), m_bFloat(0),
          m_nDecimals(0), m_bEmpty(0) {
        m_nKind = kCtrlEditVal;
    }

    cCtrlEditVal(const cCtrlEditVal&) = default;
    cCtrlEditVal& operator=(const cCtrlEditVal&) = default;
    // A window that outlives the control (a dialog window destroyed after its
    // items) gets its own procedure back, so that it never reaches the
    // released object.
    ~cCtrlEditVal() override {
        if (!m_hWnd || !IsWindow(m_hWnd) || GetPropA(m_hWnd, kEditValProp) != this) return;
        RemovePropA(m_hWnd, kEditValProp);
        if (m_lpfnOrgProc && GetWindowLongPtrA(m_hWnd, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(EditValProc))
            SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_lpfnOrgProc));
    }

    static int GetTypeCode() { return cEditValType<T>::kCode; }
    static T TypeMin(int code) { return static_cast<T>(TypeCodeMin(code)); }
    static T TypeMax(int code) { return static_cast<T>(TypeCodeMax(code)); }

    void Attach(cDlg* owner, const cCtrlEditValParam<T>& param) {
        m_nEditKind = kEditVal;
        cCtrl::Attach(owner, param.m_nId);
        RemoveStyle(ES_NUMBER);
        m_lpData = param.m_lpData;
        m_Min = param.m_Min;
        m_Max = param.m_Max;
        m_Step = param.m_Step;
        m_nDecimals = GetDecimals(static_cast<double>(m_Step));
        if (param.m_nSpinId) AttachSpin(owner, param.m_nSpinId);
        m_nTypeCode = GetTypeCode();
        m_bFloat = m_nTypeCode == 6 || m_nTypeCode == 7;
        // every new window is subclassed again (a dialog run a second time
        // makes new edit windows); a window that a value edit already
        // subclasses keeps that one: subclassing it again would make the
        // procedure call itself
        if (m_hWnd && !GetPropA(m_hWnd, kEditValProp)) {
            SetPropA(m_hWnd, kEditValProp, this);
            m_lpfnOrgProc = reinterpret_cast<WNDPROC>(
                SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(EditValProc)));
        }
        SetValue(m_lpData ? *m_lpData : T());
    }

    void SetValue(T v) {
        m_bEmpty = 0;
        ShowValue(v, 1);
    }

    // Shows the value clamped into min..max; the variable is not written.
    void ShowValue(T v, int forced) {
        bool clamped = false;
        if (v < m_Min) {
            v = m_Min;
            clamped = true;
        } else if (v > m_Max) {
            v = m_Max;
            clamped = true;
        }
        if (m_bEmpty) return;
        if (m_bFloat) {
            if (forced || clamped) {
                cString text;
                text.Format("%.*f", m_nDecimals, static_cast<double>(v));
                SetWindowTextA(m_hWnd, text.c_str());
            } else if (!m_DispText.empty()) {
                SetWindowTextA(m_hWnd, m_DispText.c_str());
            }
            return;
        }
        if (!m_DispText.empty()) {
            SetWindowTextA(m_hWnd, m_DispText.c_str());
        } else {
            cString text;
            text.Format("%lld", static_cast<long long>(v));
            SetWindowTextA(m_hWnd, text.c_str());
        }
    }

    // The value of the edit's text; refreshes the display text and the empty
    // flag. Held in the type's range, not in min..max.
    T GetValue() {
        cString clean = CleanNumberText(WindowTextOf(m_hWnd));
        T v = T();
        if (m_bFloat) {
            cString fixed;
            fixed.Format("%.*f", m_nDecimals, atof(clean.c_str()));
            v = static_cast<T>(atof(fixed.c_str()));
            m_DispText = clean;
        } else {
            long long n = ParseIntSaturated(clean.c_str());
            m_DispText.clear();
            if (clean == "-") {
                m_DispText = "-";
            } else if (!clean.empty() && clean[0] == '-' && ParseIntSaturated(clean.c_str() + 1) == n) {
                m_DispText.Format("-%lld", n);
            }
            if (n > TypeCodeMax(m_nTypeCode)) {
                v = TypeMax(m_nTypeCode);
                m_DispText.clear();
            } else if (n < TypeCodeMin(m_nTypeCode)) {
                v = TypeMin(m_nTypeCode);
                m_DispText.clear();
            } else {
                v = static_cast<T>(n);
            }
        }
        if (clean.empty()) {
            m_bEmpty = 1;
            m_DispText.clear();
            v = EmptyValue();
        } else {
            m_bEmpty = 0;
        }
        return v;
    }

    void SetRange(T min, T max) {
        m_Min = min;
        m_Max = max;
        if (m_Spin.m_hWnd) m_Spin.SetRange(min, max);
    }

    int Enable(int flag) override {
        if (m_Spin.m_hWnd) EnableWindow(m_Spin.m_hWnd, flag);
        return EnableWindow(m_hWnd, flag);
    }
    void DataToCtrl() override { SetValue(*m_lpData); }
    void CtrlToData() override { *m_lpData = GetValue(); }

    void OnChange() override {
        GetValue();
        if (m_bBusy) return;
        m_bBusy = 1;
        DWORD start = 0, end = 0;
        SendMessageA(m_hWnd, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
        T v = GetValue();
        if (!m_bEmpty) ShowValue(v, 0);
        SendMessageA(m_hWnd, EM_SETSEL, start, end);
        m_bBusy = 0;
    }

    // A spin step; the up-down control holds the sum in min..max (it never
    // wraps round the type's limits).
    int OnNotify(int id, NMHDR* hdr) override {
        if (!m_Spin.m_hWnd || !hdr || id != m_Spin.m_nId || hdr->code != static_cast<UINT>(UDN_DELTAPOS)) return 0;
        int delta = reinterpret_cast<NMUPDOWN*>(hdr)->iDelta;
        T v = m_Spin.StepValue(GetValue(), delta);
        m_bEmpty = 0;
        m_DispText.clear();
        SetValue(v);
        return 1;
    }

    void OnKillFocus() override {
        if (m_bBusy) return;
        m_bBusy = 1;
        T v = GetValue();
        if (m_bEmpty) {
            m_bEmpty = 0;
            m_DispText.clear();
            SetValue(EmptyValue());
        } else {
            SetValue(v);
        }
        m_bBusy = 0;
    }

    T* m_lpData;
    cCtrlSpin<T> m_Spin;  // the up-down control; a window only when the record names one
    T m_Min, m_Max;
    T m_Step;
    int m_nTypeCode;
    int m_bFloat;
    int m_nDecimals;
    int m_bEmpty;
    cString m_DispText;

private:
    T EmptyValue() const { return m_Min > T() ? m_Min : T(); }

    // The up-down control beside the edit: the edit is its buddy; it never
    // writes the edit's text itself, the edit steps on its notifications.
    void AttachSpin(cDlg* owner, int spinId) {
        cCtrlSpinParam<T> param;
        param.Set(spinId, m_hWnd, m_lpData, m_Step, m_Min, m_Max, m_Min < T());
        m_Spin.Attach(owner, param);
        if (!m_Spin.m_hWnd) return;
        // An up-down control aligned to its buddy takes its own width off the
        // buddy each time it is given one: a page that binds its controls
        // again (a new record) would shrink the edit to nothing.
        if (reinterpret_cast<HWND>(SendMessageA(m_Spin.m_hWnd, UDM_GETBUDDY, 0, 0)) != m_hWnd)
            SendMessageA(m_Spin.m_hWnd, UDM_SETBUDDY, reinterpret_cast<WPARAM>(m_hWnd), 0);
        m_Spin.RemoveStyle(UDS_SETBUDDYINT);
    }

    static LRESULT CALLBACK EditValProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) {
        cCtrlEditVal* ctrl = static_cast<cCtrlEditVal*>(GetPropA(wnd, kEditValProp));
        if (!ctrl || !ctrl->m_lpfnOrgProc) return DefWindowProcA(wnd, msg, wp, lp);
        WNDPROC org = ctrl->m_lpfnOrgProc;
        switch (msg) {
            case WM_DESTROY:
                SetWindowLongPtrA(wnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(org));
                RemovePropA(wnd, kEditValProp);
                break;
            case WM_CHAR:
                if (!EditValCharPasses(wp, ctrl->m_bFloat)) return 0;
                break;
            case WM_IME_COMPOSITION: {
                cString result;
                if (g_ReadImeResult(wnd, lp, &result)) {
                    SendFullWidthDigits(wnd, result);
                    return 0;
                }
                break;
            }
        }
        return CallWindowProcA(org, wnd, msg, wp, lp);
    }
};

template <class T>
using cCtrlEditValItem = cCtrlItem<cCtrlEditVal<T>, cCtrlEditValParam<T>>;
