#include "objedit/defedit.h"

#include "objedit/charapage_basic.h"
#include "res/command_ids.h"

bool RunAppearCondCommand(cDlg* page, const cDefPageIds& ids, cCtrlList<cEdCond>& list, cVector<cEdCond>& conds,
                          WPARAM wp) {
    const int id = LOWORD(wp);
    const int code = HIWORD(wp);
    if (id == ids.m_nCondInsert || id == ID_POP_INSERT || id == ID_ACC_INSERT) {
        InsertAppearCond(page, list, conds);
    } else if (id == ids.m_nCondEdit || (id == ids.m_nConds && code == LBN_DBLCLK)) {
        EditAppearCond(page, list, conds);
    } else if (id == ids.m_nCondDelete) {
        list.Delete(-1, false);
    } else if (id == ids.m_nConds) {
        if (code == LBN_SELCHANGE) list.OnSelChange();
    } else if (list.OnAccelCommand(wp) || list.OnPopupCommand(wp)) {
        list.Redraw();
    } else {
        return false;
    }
    return true;
}

LRESULT EndFirstPageMsg(cDlg& page, int* init, cCtrlList<cEdCond>& conds, void (cStageEditorDlg::*closed)(), HWND hwnd,
                        UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_DESTROY && *init) {
        g_StageEdit.m_Conds = conds.m_Clip;
        *init = 0;
        if (g_StageEditor)
            (g_StageEditor->*closed)();
        else
            g_WndRegistry.EnableAll(true);
    }
    const LRESULT r = page.DefMsgProc(hwnd, msg, wp, lp);
    if (*init && page.IsActive() && conds.SelectAtPoint(page.m_ptPopup)) page.TrackPopup(conds.m_hPopupMenu);
    return r;
}
