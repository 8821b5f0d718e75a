#include "objedit/charapage_sub.h"

#include <prsht.h>

#include "app/services.h"
#include "objedit/blockpage.h"
#include "objedit/charapage_basic.h"
#include "objedit/defedit.h"
#include "ui/dlghelpers.h"

namespace {

const int kPrevId = 1021;
const int kNextId = 1022;
const int kNoId = 1023;

}  // namespace

cCharaSubPage::cCharaSubPage(int templateId, cDlg* parent, int kind, cWndRegistry* registry, int pageNo,
                             const cInheritGroup* groups, int groupCount, const int (*spins)[2], int spinCount)
    : cCharaPage(templateId, parent, kind, registry, pageNo), m_pGroups(groups), m_nGroups(groupCount),
      m_pSpins(spins), m_nSpins(spinCount) {
    m_Inherits.resize(static_cast<size_t>(groupCount));
    m_Statics.resize(1);
}

cCharaSubPage::~cCharaSubPage() { DestroyModeless(); }

void cCharaSubPage::FillCommon() {
    if (static_cast<int>(m_Chara.m_bbInherit.size()) < kCharaInheritCount)
        m_Chara.m_bbInherit.resize(kCharaInheritCount, 0);
    for (int i = 0; i < m_nGroups; ++i)
        m_Inherits[i].m_Param.Set(m_pGroups[i].m_nCheck, &m_Chara.m_bbInherit[m_pGroups[i].m_nFlag]);
    m_Statics[0].m_Param.Set(kNoId);
}

void cCharaSubPage::AttachAll(bool enter) {
    if (enter) {
        AddCtrls(m_Inherits);
        AddCtrls(m_Buttons);
        AddCtrls(m_Statics);
        AddCtrls(m_Pictures);
    } else {
        AttachCtrls(m_Inherits);
    }
    AttachOwn(enter);
}

void cCharaSubPage::BindRecord(const cEdChara& record) {
    if (&record != &m_Chara) m_Chara = record;
    FillCommon();
    FillParams();
    if (m_hWnd) AttachAll(false);
}

void cCharaSubPage::OnInitDialog(WPARAM wp, LPARAM lp) {
    cDlg::OnInitDialog(wp, lp);
    AttachAll(true);
    if (!DefEditsPaletteEntry()) HideStepCtrls(m_hWnd, kNoId, kPrevId, kNextId);
    m_bInit = 1;
    Refresh();
    m_bReady = 1;
}

bool cCharaSubPage::Checked(int id) const { return BoxChecked(m_hWnd, id); }

bool cCharaSubPage::Enabled(int id) const { return IsWindowEnabled(GetDlgItem(m_hWnd, id)) != FALSE; }

bool cCharaSubPage::Inherited(int flag) const {
    for (int i = 0; i < m_nGroups; ++i)
        if (m_pGroups[i].m_nFlag == flag) return Checked(m_pGroups[i].m_nCheck);
    return false;
}

void cCharaSubPage::EnableId(int id, bool flag) {
    EnableWithSpin(m_hWnd, id, flag, m_pSpins, m_nSpins);
}

void cCharaSubPage::UpdateGroups() {
    for (int i = 0; i < m_nGroups; ++i) {
        const bool on = Checked(m_pGroups[i].m_nCheck);
        for (int id : m_pGroups[i].m_Ids)
            if (id) EnableId(id, !on);
    }
}

void cCharaSubPage::CheckStates() {
    const bool source = m_Chara.m_InheritKind != 0;
    for (int i = 0; i < m_nGroups; ++i) EnableId(m_pGroups[i].m_nCheck, source);
}

// Shows the working copy and brings every enable state up to date.
void cCharaSubPage::Refresh() {
    if (!m_bInit) return;
    DataToCtrls();
    UpdateGroups();
    CheckStates();
    RunHandlers();
    if (DefEditsPaletteEntry()) ShowNo();
    Draw();
}

void cCharaSubPage::ShowNo() { ShowEditedNo(&m_Statics[0].m_Ctrl); }

void cCharaSubPage::Changed() {
    NotifySheetChanged(m_hSheet, m_hWnd);
}

void cCharaSubPage::OnInheritClicked(int index) {
    const cInheritGroup& group = m_pGroups[index];
    if (Checked(group.m_nCheck)) {
        CtrlsToData();
        m_Chara.ApplyInherit();
        DataToCtrls();
    }
    UpdateGroups();
    RunHandlers();
    CheckStates();
    Draw();
}

void cCharaSubPage::Step(int step) {
    if (!m_bInit) return;
    cCharaDataSheet* sheet = OpenedCharaSheet();
    cVector<cEdChara>* work = sheet && sheet->m_pBasic ? &sheet->m_pBasic->m_PalWork : nullptr;
    if (StepDefPage(*this, work, m_Chara, step, &g_StageEdit.g_EditOriginal.m_pChara,
                    [this](const cEdChara& r) { BindRecord(r); }))
        Refresh();
}

void cCharaSubPage::OnCommand(WPARAM wp, LPARAM lp) {
    cDlg::OnCommand(wp, lp);
    if (!m_bInit) return;
    const int id = LOWORD(wp);
    const int code = HIWORD(wp);
    bool done = false;
    if (const int step = StepClicked(wp, kPrevId, kNextId)) {
        Step(step);
        done = true;
    }
    for (int i = 0; !done && i < m_nGroups; ++i) {
        if (id == m_pGroups[i].m_nCheck && code == BN_CLICKED) {
            OnInheritClicked(i);
            done = true;
        }
    }
    if (!done) OwnCommand(wp);
    Changed();
}

LRESULT cCharaSubPage::MsgProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_NOTIFY && m_bInit) {
        const NMHDR* hdr = reinterpret_cast<const NMHDR*>(lp);
        switch (hdr->code) {
            case PSN_KILLACTIVE:
                LeavePage();
                SetWindowLongPtrA(hwnd, DWLP_MSGRESULT, FALSE);
                return 1;
            case PSN_SETACTIVE:
                BindRecord(m_Chara);
                Refresh();
                SetWindowLongPtrA(hwnd, DWLP_MSGRESULT, 0);
                return 1;
        }
    }
    if (msg == WM_DESTROY) m_bInit = 0;
    return DefMsgProc(hwnd, msg, wp, lp);
}
