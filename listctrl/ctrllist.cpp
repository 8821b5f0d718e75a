// The record list control's parts that do not depend on the record type:
// attaching and subclassing, the selection, the redraw, and the command ids,
// accelerator tables, popup menus and keys.
#include "ui/ctrllist.h"

#include "res/command_ids.h"

const char kCtrlListProp[] = "CTRL_LIST_CLASS";

LRESULT CALLBACK CtrlListProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) {
    cCtrlListBase* list = static_cast<cCtrlListBase*>(GetPropA(wnd, kCtrlListProp));
    if (!list || !list->m_lpfnOrgProc) return DefWindowProcA(wnd, msg, wp, lp);
    WNDPROC org = list->m_lpfnOrgProc;
    if (msg == WM_DESTROY) {
        SetWindowLongPtrA(wnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(org));
        RemovePropA(wnd, kCtrlListProp);
    } else if (msg == WM_VSCROLL) {
        // the top row before this scroll step; SB_ENDSCROLL brings the final one
        list->m_nTopIndex = static_cast<int>(CallWindowProcA(org, wnd, LB_GETTOPINDEX, 0, 0));
    }
    return CallWindowProcA(org, wnd, msg, wp, lp);
}

namespace {

// The id sets of SetKeys: [style][set - 1][slot].
const uint16_t kAccelSets[2][4][kListSlots] = {
    {{ID_ACC_CUT, ID_ACC_COPY, ID_ACC_PASTE, ID_ACC_APPEND, 0, ID_ACC_CLEAR, 0},
     {ID_ACC2_CUT, ID_ACC2_COPY, ID_ACC2_PASTE, ID_ACC2_APPEND, 0, ID_ACC2_CLEAR, 0},
     {ID_ACC3_CUT, ID_ACC3_COPY, ID_ACC3_PASTE, ID_ACC3_APPEND, 0, ID_ACC3_CLEAR, 0},
     {ID_ACC4_CUT, ID_ACC4_COPY, ID_ACC4_PASTE, ID_ACC4_APPEND, 0, ID_ACC4_CLEAR, 0}},
    {{ID_ACC_CUT, ID_ACC_COPY, ID_ACC_PASTE, 0, ID_ACC_INSERT, 0, ID_ACC_DELETE},
     {ID_ACC2_CUT, ID_ACC2_COPY, ID_ACC2_PASTE, 0, ID_ACC2_INSERT, 0, ID_ACC2_DELETE},
     {ID_ACC3_CUT, ID_ACC3_COPY, ID_ACC3_PASTE, 0, ID_ACC3_INSERT, 0, ID_ACC3_DELETE},
     {ID_ACC4_CUT, ID_ACC4_COPY, ID_ACC4_PASTE, 0, ID_ACC4_INSERT, 0, ID_ACC4_DELETE}},
};
const uint16_t kPopupSets[2][4][kListSlots] = {
    {{ID_POP_CUT, ID_POP_COPY, ID_POP_PASTE, 0, 0, ID_POP_CLEAR, 0},
     {ID_POP2_CUT, ID_POP2_COPY, ID_POP2_PASTE, 0, 0, ID_POP2_CLEAR, 0},
     {ID_POP3_CUT, ID_POP3_COPY, ID_POP3_PASTE, 0, 0, ID_POP3_CLEAR, 0},
     {ID_POP4_CUT, ID_POP4_COPY, ID_POP4_PASTE, 0, 0, ID_POP4_CLEAR, 0}},
    {{ID_POP_CUT, ID_POP_COPY, ID_POP_PASTE, 0, ID_POP_INSERT, 0, ID_POP_DELETE},
     {ID_POP2_CUT, ID_POP2_COPY, ID_POP2_PASTE, 0, ID_POP2_INSERT, 0, ID_POP2_DELETE},
     {ID_POP3_CUT, ID_POP3_COPY, ID_POP3_PASTE, 0, ID_POP3_INSERT, 0, ID_POP3_DELETE},
     {ID_POP4_CUT, ID_POP4_COPY, ID_POP4_PASTE, 0, ID_POP4_INSERT, 0, ID_POP4_DELETE}},
};

bool KnownSet(int style, int set) {
    return (style == 0 || style == 1) && set >= 1 && set <= 4;
}

// The fixed keys of the slots (a modal owner's keys): key, Ctrl required.
const struct {
    WPARAM key;
    bool ctrl;
} kSlotKeys[kListSlots] = {
    {'X', true}, {'C', true}, {'V', true}, {'I', true}, {'I', true}, {VK_DELETE, false}, {VK_DELETE, false},
};

void StoreIds(uint16_t* ids, int cut, int copy, int paste, int append, int insert, int clear, int del) {
    const int values[kListSlots] = {cut, copy, paste, append, insert, clear, del};
    for (int i = 0; i < kListSlots; ++i) ids[i] = static_cast<uint16_t>(values[i]);
}

}  // namespace

cCtrlListBase::cCtrlListBase()
    : m_nCurSel(-1),
      m_nAnchor(-1),
      m_nKeptSel(-1),
      m_nTopIndex(0),
      m_bMulti(0),
      m_bNumber(0),
      m_nMin(0),
      m_nMax(0),
      m_bEmptySel(0),
      m_nHidden(0),
      m_bSeparator(0),
      m_hPopupMenu(nullptr),
      m_strSeparator(64, '-') {
    m_nKind = kCtrlList;
    StoreIds(m_AccelId, ID_ACC_CUT, ID_ACC_COPY, ID_ACC_PASTE, ID_ACC_APPEND, ID_ACC_INSERT, ID_ACC_CLEAR,
             ID_ACC_DELETE);
    StoreIds(m_PopupId, ID_POP_CUT, ID_POP_COPY, ID_POP_PASTE, 0, ID_POP_INSERT, ID_POP_CLEAR, ID_POP_DELETE);
}

cCtrlListBase::~cCtrlListBase() = default;

LRESULT cCtrlListBase::Send(UINT msg, WPARAM wp, LPARAM lp) const {
    return m_hWnd ? SendMessageA(m_hWnd, msg, wp, lp) : LB_ERR;
}

void cCtrlListBase::AttachCommon(cDlg* owner, int id, int multi, int numbered, int min, int max, int hidden,
                                 int separator, int allowEmpty) {
    cCtrl::Attach(owner, id);
    m_nHidden = hidden;
    m_bSeparator = separator;
    m_bMulti = multi;
    if (m_bMulti) {
        int n = RowCount();
        if (n > 0) m_bbSel.resize(static_cast<size_t>(n), 0);
    }
    RemoveStyle(LBS_SORT);
    // every new window is subclassed again (its procedure saved anew); a
    // window that a list already subclasses keeps that one
    if (m_hWnd && !GetPropA(m_hWnd, kCtrlListProp)) {
        SetPropA(m_hWnd, kCtrlListProp, static_cast<cCtrlListBase*>(this));
        m_lpfnOrgProc =
            reinterpret_cast<WNDPROC>(SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(CtrlListProc)));
    }
    m_bNumber = numbered;
    m_nMin = min;
    m_nMax = max;
    m_bEmptySel = allowEmpty;
    if (m_nMin <= 0 && !m_bSeparator) m_bEmptySel = 1;
    m_nCurSel = -1;
    m_nKeptSel = -1;
    m_nAnchor = -1;
    m_nTopIndex = 0;
}

int cCtrlListBase::ShownCount() const {
    int n = RecordCount() - m_nHidden;
    return n > 0 ? n : 0;  // a vector shorter than its hidden records shows none
}

int cCtrlListBase::RowCount() const {
    return ShownCount() + (m_bSeparator ? 1 : 0);
}

bool cCtrlListBase::IsRecordRow(int row) const {
    return row >= 0 && row < ShownCount() && m_nHidden + row < RecordCount();
}

void cCtrlListBase::ApplySelection() {
    if (m_bMulti) {
        Send(LB_SETTOPINDEX, m_nTopIndex);
        for (int r = 0; r < static_cast<int>(m_bbSel.size()); ++r) Send(LB_SETSEL, m_bbSel[r] ? TRUE : FALSE, r);
        Send(LB_SETCARETINDEX, m_nCurSel);
        Send(LB_SETANCHORINDEX, m_nAnchor);
    } else {
        Send(LB_SETTOPINDEX, m_nTopIndex);
        Send(LB_SETCURSEL, m_nCurSel);
    }
}

void cCtrlListBase::Redraw() {
    if (m_bMulti) {
        if (!m_bEmptySel) {
            int rows = GetCount();
            if (rows < 0) rows = 0;
            if (static_cast<int>(m_bbSel.size()) > rows) {
                m_bbSel.resize(static_cast<size_t>(rows), 0);
                m_bbKeptSel.resize(static_cast<size_t>(rows), 0);
                if (!CountSel(m_bbSel) && !m_bbSel.empty()) {
                    m_bbSel[0] = 1;
                    m_nCurSel = 0;
                }
            }
            if (!CountSel(m_bbSel)) {
                if (m_bbSel.size() == m_bbKeptSel.size()) {
                    m_bbSel = m_bbKeptSel;
                    m_nCurSel = m_nKeptSel;
                    if (!CountSel(m_bbSel) && !m_bbSel.empty()) m_bbSel[0] = 1;
                } else {
                    if (m_bbSel.empty()) m_bbSel.resize(1, 0);
                    m_bbSel[0] = 1;
                    m_nCurSel = 0;
                }
                m_nAnchor = m_nCurSel;
            }
        }
        for (int r = 0; r < static_cast<int>(m_bbSel.size()); ++r) Send(LB_SETSEL, m_bbSel[r] ? TRUE : FALSE, r);
        Send(LB_SETANCHORINDEX, m_nAnchor);
        Send(LB_SETCARETINDEX, m_nCurSel);
        Send(LB_SETTOPINDEX, m_nTopIndex);
        m_bbKeptSel = m_bbSel;
    } else {
        if (!m_bEmptySel) {
            if (m_nCurSel == -1) m_nCurSel = m_nKeptSel == -1 ? 0 : m_nKeptSel;
            if (m_nCurSel >= GetCount()) m_nCurSel = 0;
        }
        Send(LB_SETCURSEL, m_nCurSel);
        Send(LB_SETTOPINDEX, m_nTopIndex);
    }
    m_nKeptSel = m_nCurSel;
    Send(WM_SETREDRAW, TRUE);
}

void cCtrlListBase::OnKillFocus() {
    Send(LB_SETCURSEL, m_nCurSel);
}

// --- selection

void cCtrlListBase::SetCurSel(int row, int load) {
    m_nCurSel = row;
    if (m_nCurSel == -1 && !m_bEmptySel) m_nCurSel = 0;
    if (static_cast<unsigned>(m_nCurSel) >= static_cast<unsigned>(RowCount())) m_nCurSel = -1;
    if (load) LoadEdit();
    if (m_bMulti) {
        if (static_cast<unsigned>(m_nCurSel) < m_bbSel.size())
            m_bbSel[m_nCurSel] = 1;
        else
            m_nCurSel = static_cast<int>(m_bbSel.size()) - 1;
        // -1 would select every row of the list box
        if (m_nCurSel != -1) Send(LB_SETSEL, TRUE, m_nCurSel);
        Send(LB_SETCARETINDEX, m_nCurSel);
        m_nAnchor = m_nCurSel;
        Send(LB_SETANCHORINDEX, m_nCurSel);
    } else {
        Send(LB_SETCURSEL, m_nCurSel);
    }
}

void cCtrlListBase::ResetSel(int row, int load) {
    if (m_bMulti) {
        m_nCurSel = -1;
        Send(LB_SETCARETINDEX, static_cast<WPARAM>(-1));
        m_nAnchor = -1;
        Send(LB_SETANCHORINDEX, static_cast<WPARAM>(-1));
        for (int r = 0; r < static_cast<int>(m_bbSel.size()); ++r) {
            m_bbSel[r] = 0;
            Send(LB_SETSEL, FALSE, r);
        }
    }
    SetCurSel(row, load);
}

void cCtrlListBase::SelectNext(int load) {
    int next = m_nCurSel + 1;
    if (m_bMulti) {
        if (next < 0 || next >= RowCount()) return;  // no row follows: no flag to set
        if (static_cast<int>(m_bbSel.size()) <= next) m_bbSel.resize(static_cast<size_t>(next + 1), 0);
        for (int r = 0; r < static_cast<int>(m_bbSel.size()); ++r) m_bbSel[r] = 0;
        m_bbSel[next] = 1;
    }
    SetCurSel(next, load);
}

int cCtrlListBase::SelectAtPoint(POINT screen) {
    if (!m_hWnd || !HitTest(screen)) return 0;
    RECT rc = {};
    GetWindowRect(m_hWnd, &rc);
    int y = screen.y - rc.top;
    m_nTopIndex = static_cast<int>(Send(LB_GETTOPINDEX));
    int row = (y - 2) / 12 + m_nTopIndex;
    int rows = GetCount();
    if (row < 0 || row >= rows) return 0;
    if (m_bMulti) {
        Send(LB_SETANCHORINDEX, row);
        Send(LB_SETCARETINDEX, row);
        m_bbSel.resize(static_cast<size_t>(rows), 0);
        m_bbKeptSel.resize(static_cast<size_t>(rows), 0);
        if (m_bbSel[row]) {
            Send(LB_SETSEL, TRUE, row);
        } else {
            for (int r = 0; r < rows; ++r) m_bbSel[r] = r == row ? 1 : 0;
            for (int r = 0; r < rows; ++r) Send(LB_SETSEL, m_bbSel[r] ? TRUE : FALSE, r);
        }
    } else {
        Send(LB_SETCURSEL, row);
    }
    m_nCurSel = row;
    SetFocus(m_hWnd);
    LoadEdit();
    return 1;
}

int cCtrlListBase::GetCurSel() const {
    if (GetCount() <= 0) return -1;
    if (!m_bMulti) return static_cast<int>(Send(LB_GETCURSEL));
    int caret = GetCaretIndex();
    if (caret >= 0 && caret < static_cast<int>(m_bbSel.size()) && m_bbSel[caret]) return caret;
    return -1;
}

int cCtrlListBase::GetSelData() const {
    int row = GetCurSel();
    if (row == -1 || IsSeparatorRow(row)) return -1;
    if (!IsRecordRow(row)) return -1;  // a row the records no longer reach
    return row + m_nHidden;
}

int cCtrlListBase::IsSeparatorRow(int row) const {
    if (!m_bSeparator) return 0;
    return row + m_nHidden == RecordCount() ? 1 : 0;
}

int cCtrlListBase::CountSel(const cVector<int>& flags) {
    int n = 0;
    for (size_t i = 0; i < flags.size(); ++i)
        if (flags[static_cast<int>(i)]) ++n;
    return n;
}

int cCtrlListBase::GetCount() const {
    return static_cast<int>(Send(LB_GETCOUNT));
}

int cCtrlListBase::GetCaretIndex() const {
    return static_cast<int>(Send(LB_GETCARETINDEX));
}

int cCtrlListBase::GetAnchorIndex() const {
    return static_cast<int>(Send(LB_GETANCHORINDEX));
}

// --- commands, accelerators, popup menu, keys

int cCtrlListBase::SetKeys(int tableId, int menuId, int style, int set) {
    int accel = SetAccel(tableId, style, set);
    int popup = SetPopup(menuId, style, set);
    return accel == 1 && popup == 1 ? 1 : 0;
}

int cCtrlListBase::SetAccel(int tableId, int style, int set) {
    if (m_lpOwner) m_lpOwner->AddAccelerators(m_hWnd, static_cast<uint16_t>(tableId));
    if (!KnownSet(style, set)) {
        DebugErrorBoxF("アクセラレータのIDが用意されていません！");
        return 0;
    }
    const uint16_t* ids = kAccelSets[style][set - 1];
    SetAccelIds(ids[0], ids[1], ids[2], ids[3], ids[4], ids[5], ids[6]);
    return 1;
}

void cCtrlListBase::LoadPopup(int menuId) {
    HINSTANCE inst = m_lpOwner ? m_lpOwner->m_hInst : AppInstance();
    HMENU menu = LoadMenuA(inst, MAKEINTRESOURCEA(static_cast<uint16_t>(menuId)));
    m_hPopupMenu = menu ? GetSubMenu(menu, 0) : nullptr;
}

int cCtrlListBase::SetPopup(int menuId, int style, int set) {
    LoadPopup(menuId);
    if (!KnownSet(style, set)) {
        DebugErrorBoxF("ポップアップメニューのIDが用意されていません！");
        return 0;
    }
    const uint16_t* ids = kPopupSets[style][set - 1];
    SetPopupIds(ids[0], ids[1], ids[2], ids[3], ids[4], ids[5], ids[6]);
    return 1;
}

cCtrlListBase* cCtrlListBase::SetAccelIds(int cut, int copy, int paste, int append, int insert, int clear, int del) {
    StoreIds(m_AccelId, cut, copy, paste, append, insert, clear, del);
    return this;
}

cCtrlListBase* cCtrlListBase::SetPopupIds(int cut, int copy, int paste, int append, int insert, int clear, int del) {
    StoreIds(m_PopupId, cut, copy, paste, append, insert, clear, del);
    return this;
}

void cCtrlListBase::SetAccelWithIds(int tableId, int cut, int copy, int paste, int append, int insert, int clear,
                                    int del) {
    if (m_lpOwner) m_lpOwner->AddAccelerators(m_hWnd, static_cast<uint16_t>(tableId));
    SetAccelIds(cut, copy, paste, append, insert, clear, del);
}

void cCtrlListBase::SetPopupWithIds(int menuId, int cut, int copy, int paste, int append, int insert, int clear,
                                    int del) {
    LoadPopup(menuId);
    SetPopupIds(cut, copy, paste, append, insert, clear, del);
}

void cCtrlListBase::OnKeyDown(WPARAM key, LPARAM, int ctrlDown) {
    for (int slot = 0; slot < kListSlots; ++slot) {
        if (!m_AccelId[slot] || key != kSlotKeys[slot].key) continue;
        if (kSlotKeys[slot].ctrl && !ctrlDown) continue;
        if (m_hOwner) SendMessageA(m_hOwner, WM_COMMAND, MAKEWPARAM(m_AccelId[slot], 0), 0);
    }
}

int cCtrlListBase::RunSlot(int slot) {
    switch (slot) {
        case kListCut: return Cut() ? 1 : 0;
        case kListCopy: return Copy() ? 1 : 0;
        case kListPaste: return Paste() ? 1 : 0;
        case kListAppend: return Append() ? 1 : 0;
        case kListInsert: return Insert() ? 1 : 0;
        case kListClear: return ClearData() ? 1 : 0;
        case kListDelete: return Delete(-1, false) ? 1 : 0;
        default: return 0;
    }
}

int cCtrlListBase::OnCommandIds(WPARAM wp, const uint16_t* ids) {
    if (!m_hWnd || GetFocus() != m_hWnd) return 0;
    uint16_t id = LOWORD(wp);
    if (!id) return 0;
    for (int slot = 0; slot < kListSlots; ++slot)
        if (ids[slot] == id) return RunSlot(slot);
    return 0;
}

int cCtrlListBase::OnAccelCommand(WPARAM wp) {
    return OnCommandIds(wp, m_AccelId);
}

int cCtrlListBase::OnPopupCommand(WPARAM wp) {
    return OnCommandIds(wp, m_PopupId);
}
