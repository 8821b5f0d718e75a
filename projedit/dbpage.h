// What every page of the database sheet shares: a working copy of one table,
// an edit buffer holding the current record, the numbered record list over
// both, the buttons "新規", "クリア" and "データ数", the name edit and, on the
// pages that name a file, the path edit with "参照" and "ファイル名と同じ".
// After every command the page stores its controls into the edit buffer and
// the edit buffer into the current record of the working copy; Apply copies
// the working copies into the global tables.
#pragma once

#include <windows.h>

#include "base/containers.h"
#include "base/paths.h"
#include "base/str.h"
#include "listctrl/listctrl_res.h"
#include "projedit/database_res.h"
#include "projedit/proj_lists.h"
#include "ui/ctrlbutton.h"
#include "ui/ctrlcheck.h"
#include "ui/ctrlcombo.h"
#include "ui/ctrleditstr.h"
#include "ui/ctrleditval.h"
#include "ui/ctrllist.h"
#include "ui/ctrlpicture.h"
#include "ui/ctrlstatic.h"
#include "ui/dlg.h"
#include "ui/inputdlg.h"
#include "ui/mouse.h"
#include "ui/propsheet.h"

class cDatabaseSheet;

// Pages in tab order.
enum eDbPage {
    kDbPageAnimeSet,
    kDbPageAnime,
    kDbPageBmpCharaExc,
    kDbPageSwordType,
    kDbPageEffect,
    kDbPageCharaEffect,
    kDbPageScrEffect,
    kDbPagePicture,
    kDbPageSound,
    kDbPageBgm,
    kDbPageCount
};

// The file dialog of a page's "参照".
struct sDbFileDialog {
    const char* m_lpFolder;
    const char* m_lpTitle;
    const char* m_lpFilter;  // description and pattern, each ended by a NUL
    const char* m_lpDefExt;
};

// Runs the page's file dialog and puts the chosen path, relative to the
// project folder, into the edit; false when cancelled or when the path cannot
// be made relative (then nothing changes).
bool BrowseDbFile(cDlg* page, const sDbFileDialog& dialog, cCtrlEditStr* edit);

// The part of a page that the sheet reaches without knowing the record type.
class cDbPageBase : public cDlg {
public:
    cDbPageBase(int dlgId, cDlg* parent, cWndRegistry* registry) : cDlg(dlgId, parent, kWndPage, registry) {}
    // The working copy into the global table (when the page was ever shown).
    virtual void Commit() = 0;
    // The animation preview of the two anime pages; step advances it one tick.
    virtual void DrawPreview(int step) {}
    cDatabaseSheet* Sheet() const;
};

template <class T>
class cDbPage : public cDbPageBase {
public:
    typedef cVector<T> Table;

    // table: the global table; max: most visible records; hidden: leading
    // records not shown; file: the page's file dialog, or null.
    cDbPage(int dlgId, cDlg* parent, cWndRegistry* registry, Table* table, int listId, int max, int hidden,
            const sDbFileDialog* file)
        : cDbPageBase(dlgId, parent, registry), m_lpTable(table), m_nMax(max), m_nHidden(hidden), m_lpFile(file) {
        // A table always has a record to show: the reserved record 0 and one
        // more, or one record where none is reserved.
        if (hidden) {
            if (table->size() < 2) table->resize(2);
        } else if (table->empty()) {
            table->resize(1);
        }
        m_Work = *table;
        DeclareDbTableList(m_List.m_Param, listId, table, &m_Work, &m_Edit, max, hidden);
        m_Buttons.resize(3);
        m_Buttons[0].m_Param.Set(IDC_DB_NEW);
        m_Buttons[1].m_Param.Set(IDC_DB_CLEAR);
        m_Buttons[2].m_Param.Set(IDC_DB_COUNT);
        AddStr(IDC_DB_NAME, &m_Edit.m_Name, 12, 1);
    }
    ~cDbPage() override { DestroyModeless(); }

    void Commit() override {
        if (m_hWnd) m_List.m_Ctrl.CtrlToData();
    }

    LRESULT MsgProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) override {
        int r = DefMsgProc(hwnd, msg, wp, lp);
        if (m_bReady && IsCurrentPage() && IsActive()) {
            for (int i = 0; i < static_cast<int>(m_PopupLists.size()); ++i) {
                cCtrlListBase* list = m_PopupLists[i];
                if (list->SelectAtPoint(m_ptPopup)) {
                    TrackPopup(list->m_hPopupMenu);
                    break;
                }
            }
        }
        if (msg == WM_NOTIFY && lp && reinterpret_cast<NMHDR*>(lp)->code == static_cast<UINT>(PSN_SETACTIVE))
            Reload();
        return r;
    }

    void OnInitDialog(WPARAM wp, LPARAM lp) override {
        cDlg::OnInitDialog(wp, lp);
        AddCtrl(m_List);
        m_PopupLists.push_back(&m_List.m_Ctrl);
        AddCtrls(m_Buttons);
        AddCtrls(m_Strs);
        AddCtrls(m_Ints);
        AddCtrls(m_Shorts);
        AddCtrls(m_Checks);
        AddCtrls(m_Combos);
        AddCtrls(m_ByteCombos);
        AttachOwn();
        SetDbTableKeys(m_List.m_Ctrl);
        Reload();
        m_List.m_Ctrl.SetCurSel(0, 1);
        ShowFields();
        UpdateCtrls(true);
        m_bReady = 1;
    }

    void OnCommand(WPARAM wp, LPARAM lp) override {
        if (!AllowCommand(wp)) return;
        cDlg::OnCommand(wp, lp);
        const int id = LOWORD(wp);
        const int code = HIWORD(wp);
        cCtrlList<T>& list = m_List.m_Ctrl;
        if (id == m_List.m_Param.m_nId) {
            if (code == LBN_SELCHANGE) {
                BeforeSelChange();
                list.OnSelChange();
                ShowFields();
                AfterSelChange();
            }
        } else if (id == IDC_DB_NEW) {
            if (list.Append()) {
                // the new record's row becomes the one selected row
                list.m_bbSel.resize(static_cast<size_t>(list.RowCount()), 0);
                list.m_bbKeptSel.resize(static_cast<size_t>(list.RowCount()), 0);
                list.ResetSel(list.ShownCount() - 1, 1);
                ShowFields();
            }
        } else if (id == IDC_DB_CLEAR) {
            if (list.ClearData()) ShowFields();
        } else if (id == IDC_DB_COUNT) {
            int n = list.RecordCount() - m_nHidden;
            if (InputValue(this, m_lpRegistry, &n, 1, m_nMax, "データ数", &m_Buttons[2].m_Ctrl, 0) && list.SetCount(n))
                ShowFields();
        } else if (id == IDC_DB_BROWSE && code == BN_CLICKED && m_lpFile && m_pPathEdit) {
            if (!BrowseDbFile(this, *m_lpFile, m_pPathEdit)) return;
        } else if (!OwnCommand(id, code)) {
            return;  // the command ended without the follow-up
        }
        if (list.OnAccelCommand(wp) || list.OnPopupCommand(wp)) {
            ShowFields();
        } else {
            OwnListCommand(wp);
        }
        if (m_bReady) {
            UpdateCtrls(false);
            if (GetChangedCtrlId(wp)) {
                StoreFields();
                list.ApplyEdit();
            }
            AfterFollowUp();
        }
        RedrawList();
        if (m_hSheet) SendMessageA(m_hSheet, PSM_CHANGED, reinterpret_cast<WPARAM>(m_hWnd), 0);
    }

    // The current record of the working copy into the edit buffer (the
    // first visible one when no record row is current).
    void Reload() {
        int data = m_List.m_Ctrl.m_hWnd ? m_List.m_Ctrl.GetSelData() : -1;
        if (data == -1) data = m_nHidden;
        if (data >= 0 && data < static_cast<int>(m_Work.size())) m_Edit = m_Work[data];
    }

    // Every bound control but the lists shows its field of the edit buffer;
    // the lists inside the page show the edit buffer's vectors.
    void ShowFields() {
        for (int i = 0; i < static_cast<int>(m_Ctrls.size()); ++i)
            if (m_Ctrls[i]->m_nKind != kCtrlList) m_Ctrls[i]->DataToCtrl();
        for (int i = 1; i < static_cast<int>(m_PopupLists.size()); ++i) {
            m_PopupLists[i]->Fill();
            m_PopupLists[i]->Redraw();
        }
    }
    // Every bound control but the lists stores its value into the edit buffer.
    void StoreFields() {
        for (int i = 0; i < static_cast<int>(m_Ctrls.size()); ++i)
            if (m_Ctrls[i]->m_nKind != kCtrlList) m_Ctrls[i]->CtrlToData();
    }

    // The name follows the file name while "ファイル名と同じ" is checked.
    void SyncName() {
        if (!m_pSameCheck || !m_pPathEdit || !m_pNameEdit) return;
        if (m_pSameCheck->GetCheck()) {
            m_pNameEdit->Enable(0);
            cString name;
            m_pPathEdit->GetText(&name);
            GetFileName(&name);
            if (RemoveExt(&name)) m_pNameEdit->SetText(name);
        } else {
            m_pNameEdit->Enable(1);
        }
    }

    cVector<cCtrlComboItem<uint8_t>>& KindCombos() { return m_ByteCombos; }
    cVector<cCtrlEditValItem<int16_t>>& ShortEdits() { return m_Shorts; }
    cVector<cCtrlButtonItem>& ButtonItems() { return m_Buttons; }

    bool IsCurrentPage() const {
        return m_lpSheet && m_lpSheet->m_hWnd &&
               reinterpret_cast<HWND>(SendMessageA(m_lpSheet->m_hWnd, PSM_GETCURRENTPAGEHWND, 0, 0)) == m_hWnd;
    }

    Table* m_lpTable;
    Table m_Work;
    T m_Edit;
    cCtrlListItem<T> m_List;
    int m_nMax;
    int m_nHidden;
    const sDbFileDialog* m_lpFile;

protected:
    // Hooks of the pages.
    // Attaches the page's own controls (pictures, lists inside the page).
    virtual void AttachOwn() {}
    // The page's own commands; false ends the command without the follow-up.
    virtual bool OwnCommand(int id, int code) { return true; }
    // Accelerator and popup commands of the lists inside the page.
    virtual void OwnListCommand(WPARAM wp) {}
    // The control update run at initialisation and after every command.
    virtual void UpdateCtrls(bool init) { SyncName(); }
    virtual void BeforeSelChange() {}
    virtual void AfterSelChange() {}
    // Run last in the follow-up of every command (the previews).
    virtual void AfterFollowUp() {}

    // Declaring the bound controls (constructor only: the vectors must not
    // grow once attached).
    void AddStr(int id, cString* data, int max, int countChars) {
        m_Strs.emplace_back();
        m_Strs.back().m_Param.Set(id, data, max, countChars);
    }
    void AddInt(int id, int32_t* data, int min, int max, int spin) {
        m_Ints.emplace_back();
        m_Ints.back().m_Param.Set(id, data, min, max, spin, 1);
    }
    void AddShort(int id, int16_t* data, int min, int max, int spin) {
        m_Shorts.emplace_back();
        m_Shorts.back().m_Param.Set(id, data, static_cast<int16_t>(min), static_cast<int16_t>(max), spin, 1);
    }
    void AddCheck(int id, int32_t* data) {
        m_Checks.emplace_back();
        m_Checks.back().m_Param.Set(id, data);
    }
    void AddCombo(int id, int32_t* data, const cString* table, int offset) {
        m_Combos.emplace_back();
        m_Combos.back().m_Param.Set(id, data, table, offset);
    }
    void AddByteCombo(int id, uint8_t* data, const cString* table, int offset) {
        m_ByteCombos.emplace_back();
        m_ByteCombos.back().m_Param.Set(id, data, table, offset);
    }
    void AddButton(int id) {
        m_Buttons.emplace_back();
        m_Buttons.back().m_Param.Set(id);
    }
    // The common file controls: path edit 1003, "ファイル名と同じ" 14390.
    void AddFileCtrls(cString* file, int32_t* sameAsFile) {
        AddStr(IDC_DB_PATH, file, 260, 0);
        AddCheck(IDC_DB_SAME_AS_FILE, sameAsFile);
        AddButton(IDC_DB_BROWSE);
    }
    // Finds the name, path and same-as-file controls (after attaching).
    void FindFileCtrls(int pathId) {
        m_pNameEdit = &FindCtrl(m_Strs, IDC_DB_NAME)->m_Ctrl;
        m_pPathEdit = &FindCtrl(m_Strs, pathId)->m_Ctrl;
        m_pSameCheck = &FindCtrl(m_Checks, IDC_DB_SAME_AS_FILE)->m_Ctrl;
    }


    cVector<cCtrlButtonItem> m_Buttons;
    cVector<cCtrlEditStrItem> m_Strs;
    cVector<cCtrlEditValItem<int32_t>> m_Ints;
    cVector<cCtrlEditValItem<int16_t>> m_Shorts;
    cVector<cCtrlCheckItem<int32_t>> m_Checks;
    cVector<cCtrlComboItem<int32_t>> m_Combos;
    cVector<cCtrlComboItem<uint8_t>> m_ByteCombos;
    // The page's lists, the record list first: each shows its popup menu.
    cVector<cCtrlListBase*> m_PopupLists;
    cCtrlEditStr* m_pNameEdit = nullptr;
    cCtrlEditStr* m_pPathEdit = nullptr;
    cCtrlCheck<int32_t>* m_pSameCheck = nullptr;
};
