// A dialog that binds one control of each small kind to a record, written
// the way the editors write theirs: items filled in the constructor,
// attached in the initialisation, OK stores the controls, cancel nothing.
#pragma once

#include <commctrl.h>

#include "tests/ui/test_dialogs.h"
#include "ui/ctrlbutton.h"
#include "ui/ctrlcheck.h"
#include "ui/ctrleditstr.h"
#include "ui/ctrlpicture.h"
#include "ui/ctrlscroll.h"
#include "ui/ctrlspin.h"
#include "ui/ctrlstatic.h"
#include "ui/ctrltrackbar.h"

struct sCtrlbData {
    int m_bBack = 0;
    char m_nState = 2;
    cString m_strName = "勇者";
    cString m_strMemo = "abc\r\ndef";
    int m_nLevel = 40;
    int m_nOther = 7;

    bool operator==(const sCtrlbData& o) const {
        return m_bBack == o.m_bBack && m_nState == o.m_nState && m_strName == o.m_strName &&
               m_strMemo == o.m_strMemo && m_nLevel == o.m_nLevel && m_nOther == o.m_nOther;
    }
};

inline std::ostream& operator<<(std::ostream& os, const sCtrlbData& d) {
    return os << "{back " << d.m_bBack << " state " << int(d.m_nState) << " name '" << d.m_strName << "' memo '"
              << d.m_strMemo << "' level " << d.m_nLevel << " other " << d.m_nOther << "}";
}

class cCtrlbDlg : public cTestDlg {
public:
    explicit cCtrlbDlg(sCtrlbData* data)
        : cTestDlg(IDD_TEST_CTRLB, nullptr, kWndDialog, &g_WndRegistry, 50, 50), m_lpData(data) {
        m_Back.m_Param.Set(IDC_CB_CHECK, &data->m_bBack);
        m_State.m_Param.Set(IDC_CB_STATE, &data->m_nState);
        m_Name.m_Param.Set(IDC_CB_NAME, &data->m_strName, 10, 0);
        m_Memo.m_Param.m_nId = IDC_CB_MEMO;
        m_Memo.m_Param.m_lpData = &data->m_strMemo;
        m_Memo.m_Param.m_nBufSize = 64;
        m_Memo.m_Param.m_nLineChars = 10;
        m_Memo.m_Param.m_nLines = 3;
        m_Label.m_Param.Set(IDC_CB_LABEL);
        m_Button.m_Param.Set(IDC_CB_BUTTON);
        m_Picture.m_Param.Set(IDC_CB_PICTURE, 64, 48);
        m_Track.m_Param.Set(IDC_CB_TRACK, &data->m_nLevel, 0, 100, 10, 1, IDC_CB_TRACKVAL);
        m_Other.m_Param.Set(IDC_CB_TRACK2, &data->m_nOther, 0, 255, 30, 1, 0);
        m_Scroll.m_Param.m_nId = IDC_CB_SCROLL;
        m_Scroll.m_Param.m_nMin = 0;
        m_Scroll.m_Param.m_nMax = 50;
        m_Scroll.m_Param.m_nPage = 10;
        m_Scroll.m_Param.m_bRedraw = 1;
    }

    void OnInitDialog(WPARAM wp, LPARAM lp) override {
        cTestDlg::OnInitDialog(wp, lp);
        m_Back.m_Ctrl.Attach(this, m_Back.m_Param);
        m_State.m_Ctrl.Attach(this, m_State.m_Param);
        m_Name.m_Ctrl.Attach(this, m_Name.m_Param);
        m_Memo.m_Ctrl.Attach(this, m_Memo.m_Param);
        m_Label.m_Ctrl.Attach(this, m_Label.m_Param);
        m_Button.m_Ctrl.Attach(this, m_Button.m_Param);
        m_Picture.m_Ctrl.Attach(this, m_Picture.m_Param);
        m_Track.m_Ctrl.Attach(this, m_Track.m_Param);
        m_Other.m_Ctrl.Attach(this, m_Other.m_Param);
        m_Scroll.m_Ctrl.Attach(this, m_Scroll.m_Param);
        for (cCtrl* c : std::initializer_list<cCtrl*>{&m_Back.m_Ctrl, &m_State.m_Ctrl, &m_Name.m_Ctrl, &m_Memo.m_Ctrl,
                                                      &m_Label.m_Ctrl, &m_Button.m_Ctrl, &m_Picture.m_Ctrl,
                                                      &m_Track.m_Ctrl, &m_Other.m_Ctrl, &m_Scroll.m_Ctrl})
            m_Ctrls.push_back(c);
        DataToCtrls();
        if (m_OnAttached) m_OnAttached(this);
    }

    sCtrlbData* m_lpData;
    cCtrlCheckItem<int> m_Back;
    cCtrlCheckItem<char> m_State;
    cCtrlEditStrItem m_Name;
    cCtrlEditStrItem m_Memo;
    cCtrlStaticItem m_Label;
    cCtrlButtonItem m_Button;
    cCtrlPictureItem m_Picture;
    cCtrlTrackBarItem m_Track;
    cCtrlTrackBarItem m_Other;
    cCtrlScrollItem m_Scroll;
    std::function<void(cCtrlbDlg*)> m_OnAttached;
};

inline std::string ItemText(HWND dlg, int id) {
    char buf[256] = "";
    GetDlgItemTextA(dlg, id, buf, sizeof buf);
    return buf;
}
