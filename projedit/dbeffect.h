// The effect page "エフェクト" of the database sheet and its frame dialog "アニメ".
#pragma once

#include "model/database.h"
#include "projedit/dbpage.h"

class cEffectFrameDlg;

class cDbPageEffect : public cDbPage<cEdEffect> {
public:
    cDbPageEffect(cDlg* parent, cWndRegistry* registry);

    cCtrlListItem<cEdEffectFrame> m_Frames;
    cEffectFrameDlg* m_lpFrameDlg = nullptr;

protected:
    void AttachOwn() override;
    bool OwnCommand(int id, int code) override;
    void OwnListCommand(WPARAM wp) override;
};

class cEffectFrameDlg : public cDlg {
public:
    cEffectFrameDlg(int dlgId, cDlg* parent, int kind, cWndRegistry* registry, cCtrl* owner, int centre);
    ~cEffectFrameDlg() override;
    LRESULT MsgProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) override;
    void OnInitDialog(WPARAM wp, LPARAM lp) override;
    void OnCommand(WPARAM wp, LPARAM lp) override;

    cEdEffectFrame m_Spare;  // bound when there is no frame to edit
    cEdEffectFrame* m_lpFrame;
    cCtrlEditValItem<int32_t> m_Cell;
    cCtrlEditValItem<int32_t> m_Time;
};
