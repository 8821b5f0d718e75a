#include "app/newstage_dlg.h"

#include <new>

#include "app/paths_table.h"
#include "app/stage_edit.h"
#include "app/stage_editor.h"
#include "app/newstage_dlg_res.h"
#include "base/msgbox.h"
#include "base/paths_win32.h"
#include "base/platform.h"
#include "model/palette.h"
#include "model/prjoption.h"
#include "model/stage.h"
#include "ui/inputdlg.h"
#include "ui/registry.h"

cString g_NewStageTemplatePath;
int32_t g_NewStagePaletteSource = 0;
cString g_NewStagePalettePath;
const cString g_NewStagePalette[5] = {"上記ステージのパレットをそのまま使用", "データなし", "コモンパレットをコピー",
                                      "ステージパレットファイルからコピー", ""};

namespace {

const int kPathChars = 260;

enum { kSourceKeep = 0, kSourceEmpty = 1, kSourceCommon = 2, kSourceFile = 3 };

// The stage palette of one kind becomes a copy of the common palette's,
// entry 0 at its defaults and every other entry linked as the project wants
// a new stage palette entry to start.
template <class T>
void CopyCommonPalette(cVector<T>& dst, const cVector<T>& src, eObjType type) {
    dst = src;
    if (dst.empty()) dst.resize(1);
    dst[0].SetDefault();
    const int k = DefInheritIndex(kInheritStage, type);
    for (int i = 1; i < static_cast<int>(dst.size()); ++i)
        SetInherit(&dst[i], type, g_PrjOption.m_nDefInheritSrc[k], static_cast<int16_t>(i),
                   g_PrjOption.m_bbDefInherit[k]);
}

}  // namespace

cNewStageDlg* cNewStageDlg::s_pThis = nullptr;

cNewStageDlg::cNewStageDlg(int templateId, cDlg* parent, int kind, cWndRegistry* registry)
    : cDlg(templateId, parent, kind, registry) {
    s_pThis = this;
    m_Strs.resize(2);
    m_Strs[0].m_Param.Set(IDC_NEWSTAGE_TEMPLATE, &g_NewStageTemplatePath, kPathChars, 0);
    m_Strs[1].m_Param.Set(IDC_NEWSTAGE_PALETTE_PATH, &g_NewStagePalettePath, kPathChars, 0);
    m_Combos.resize(1);
    m_Combos[0].m_Param.Set(IDC_NEWSTAGE_PALETTE_SOURCE, &g_NewStagePaletteSource, g_NewStagePalette, 0);
    m_Buttons.resize(2);
    m_Buttons[0].m_Param.Set(IDC_NEWSTAGE_TEMPLATE_BROWSE);
    m_Buttons[1].m_Param.Set(IDC_NEWSTAGE_PALETTE_BROWSE);
}

cNewStageDlg::~cNewStageDlg() {
    DestroyModeless();
    if (s_pThis == this) s_pThis = nullptr;
}

void cNewStageDlg::OnInitDialog(WPARAM wp, LPARAM lp) {
    cDlg::OnInitDialog(wp, lp);
    AddCtrls(m_Strs);
    AddCtrls(m_Combos);
    AddCtrls(m_Buttons);
    DataToCtrls();
    UpdateCtrls();
    m_bReady = 1;
}

LRESULT cNewStageDlg::MsgProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    const int handled = DefMsgProc(hwnd, msg, wp, lp);
    if (msg == WM_CLOSE) Close(0);
    if (msg == WM_CLOSE || msg == WM_DESTROY || handled) {
        Draw();
        return 1;
    }
    return 0;
}

void cNewStageDlg::Draw() {}

void cNewStageDlg::OnCommand(WPARAM wp, LPARAM lp) {
    if (!AllowCommand(wp)) return;
    cDlg::OnCommand(wp, lp);
    const int id = LOWORD(wp);
    const int code = HIWORD(wp);
    switch (id) {
        case kIdOk:
            Create();
            break;
        case kIdCancel:
            Close(0);
            break;
        case IDC_NEWSTAGE_TEMPLATE_BROWSE:
            if (code == BN_CLICKED)
                Browse(IDC_NEWSTAGE_TEMPLATE, "data\\stg4\\", "ステージの選択",
                       "StageFile ( *.stg4_* )\0*.stg4_*\0", "stg4_*");
            break;
        case IDC_NEWSTAGE_PALETTE_BROWSE:
            if (code == BN_CLICKED)
                Browse(IDC_NEWSTAGE_PALETTE_PATH, "data\\plt4\\", "ステージパレットの選択",
                       "PaletteFile ( *.plt4 )\0*.plt4\0", "plt4");
            break;
    }
    if (m_bReady && m_hWnd) UpdateCtrls();
}

void cNewStageDlg::UpdateCtrls() {
    const int pos = static_cast<int>(SendDlgItemMessageA(m_hWnd, IDC_NEWSTAGE_PALETTE_SOURCE, CB_GETCURSEL, 0, 0));
    if (pos < kSourceKeep || pos > kSourceFile) return;
    const BOOL file = pos == kSourceFile ? TRUE : FALSE;
    EnableWindow(GetDlgItem(m_hWnd, IDC_NEWSTAGE_PALETTE_PATH), file);
    EnableWindow(GetDlgItem(m_hWnd, IDC_NEWSTAGE_PALETTE_BROWSE), file);
}

void cNewStageDlg::Browse(int editId, const char* initDir, const char* title, const char* filter,
                          const char* defExt) {
    char path[kPathChars] = "";
    if (!OpenFileDialog(m_hWnd, path, sizeof path, initDir, title, filter, defExt, 0)) return;
    if (!MakeRelativePath(path)) return;
    for (int i = 0; i < static_cast<int>(m_Strs.size()); ++i)
        if (static_cast<int>(m_Strs[i].m_Param.m_nId) == editId) m_Strs[i].m_Ctrl.SetText(cString(path));
}

void cNewStageDlg::Fail(const cString& text) {
    CloseMessageWnd();
    ErrorBox(text.CStr());
    if (m_bUndoCleared) {
        // no new stage, but the histories were emptied: sized again for the
        // stage that stays, so the next drawing step has its snapshots
        g_StageEdit.AllocUndo(g_Stage.m_UndoCount, g_Stage.m_Pitch, g_Stage.m_Height);
        if (cStageEditorDlg* editor = dynamic_cast<cStageEditorDlg*>(m_lpParentClass)) {
            editor->UpdateUndoButtons();
            editor->UpdateUndoMenu();
        }
    }
    Close(0);
}

void cNewStageDlg::Create() {
    if (g_StageEdit.m_bOpen &&
        MsgBoxOwner(m_hWnd, "現在のステージは破棄されます。\n新規作成しますか？\n", "新規作成の確認", MB_YESNO) !=
            IDYES) {
        Close(0);
        return;
    }
    CtrlsToData();
    ShowMessageWnd(m_lpParentClass, m_lpRegistry, "ステージを作成しています...", "ステージの新規作成",
                   static_cast<cWnd*>(m_lpParentClass), 1, 1);
    const int source = g_NewStagePaletteSource;
    if (source == kSourceFile) {
        if (!PathExists(g_NewStagePalettePath.CStr())) {
            cString text;
            text.Format("ステージパレットファイル %s が見つかりません！", g_NewStagePalettePath.CStr());
            Fail(text);
            return;
        }
        // A palette file that does not read is found out before anything
        // changes: the stage being edited stays.
        cEdStage probe;
        if (!probe.LoadPalette(g_NewStagePalettePath.CStr(), false)) {
            cString text;
            text.Format("ステージパレットファイル %s が読み込めません！", g_NewStagePalettePath.CStr());
            Fail(text);
            return;
        }
    }
    g_StageEdit.ClearUndo();
    m_bUndoCleared = 1;
    if (!g_NewStageTemplatePath.empty()) {
        // the newest numbered copy of the template, read whole or not at all
        cString found;
        if (!FindLatestCopy(&found, g_NewStageTemplatePath, "stg4") || !LoadStageFile(g_Stage, found.CStr())) {
            cString text;
            text.Format("ステージファイル %s が見つかりません！", g_NewStageTemplatePath.CStr());
            Fail(text);
            return;
        }
    } else {
        g_Stage.SetDefault();
        g_Stage.Validate();
    }
    switch (source) {
        case kSourceEmpty:
            g_Stage.m_PalBlocks.Reset(1);
            g_Stage.m_PalCharas.Reset(1);
            g_Stage.m_PalItems.Reset(1);
            break;
        case kSourceCommon:
            CopyCommonPalette(g_Stage.m_PalBlocks, g_CommonPalette.m_Blocks, kObjBlock);
            CopyCommonPalette(g_Stage.m_PalCharas, g_CommonPalette.m_Charas, kObjChara);
            CopyCommonPalette(g_Stage.m_PalItems, g_CommonPalette.m_Items, kObjItem);
            break;
        case kSourceFile:
            // read a moment ago; should it fail now, the stage keeps the
            // template's palettes and the editor goes on
            if (!g_Stage.LoadPalette(g_NewStagePalettePath.CStr(), false)) {
                CloseMessageWnd();
                ErrorBoxF("ステージパレットファイル %s が読み込めません！", g_NewStagePalettePath.CStr());
            }
            break;
        default:
            break;
    }
    g_Stage.Validate();
    g_StageEdit.m_bOpen = 1;
    g_StageEdit.m_strPath = "";
    EditConfig.Save(g_PathTable[kPathEditConfig].CStr());
    CloseMessageWnd();
    Close(1);
}

bool RunNewStageDlg(cStageEditorDlg* editor) {
    cNewStageDlg* dlg = new (std::nothrow) cNewStageDlg(IDD_NEW_STAGE, editor, kWndDialog, &g_WndRegistry);
    if (!dlg) {
        OutOfMemory();
        return false;
    }
    const int result = dlg->RunModal(kRunDisableOthers);
    delete dlg;
    return result == 1;
}
