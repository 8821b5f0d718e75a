#include "projedit/bmpconv.h"

#include <shellapi.h>

#include <cstring>
#include <new>

#include "base/bmpconv.h"
#include "base/dib.h"
#include "base/log.h"
#include "base/msgbox.h"
#include "base/paths_win32.h"
#include "model/prjoption.h"
#include "projedit/bmpconv_res.h"
#include "projedit/proj_lists.h"

cBmpConvDlg* cBmpConvDlg::s_pThis = nullptr;

cBmpConvDlg::cBmpConvDlg(cDlg* parent, cWndRegistry* registry) : cDlg(IDD_BMPCONV, parent, kWndDialog, registry) {
    s_pThis = this;
    SetLayout(0, 0, 100, 100, 640, 480, 0, 0, 0, 0, 0, 0);
    DeclareFileNameList(m_List.m_Param, &m_Files);

    m_Checks.resize(3);
    m_Checks[0].m_Param.Set(IDC_BMPCONV_USE_TRANS, &EditConfig.m_bConvUseTransparent);
    m_Checks[1].m_Param.Set(IDC_BMPCONV_LINE, &EditConfig.m_bConvReplaceLine);
    m_Checks[2].m_Param.Set(IDC_BMPCONV_SAME, &EditConfig.m_bConvSameFolder);
    m_Vals.resize(3);
    m_Vals[0].m_Param.Set(IDC_BMPCONV_TRANS, &EditConfig.m_nConvTransparent, 0, 255, IDC_BMPCONV_TRANS_SPIN, 1);
    m_Vals[1].m_Param.Set(IDC_BMPCONV_LINE_IN, &EditConfig.m_nConvLineIn, 0, 255, IDC_BMPCONV_LINE_IN_SPIN, 1);
    m_Vals[2].m_Param.Set(IDC_BMPCONV_LINE_OUT, &EditConfig.m_nConvLineOut, 0, 255, IDC_BMPCONV_LINE_OUT_SPIN, 1);
    m_Strs.resize(1);
    m_Strs[0].m_Param.Set(IDC_BMPCONV_FOLDER, &EditConfig.m_strConvFolder, kPathBufSize, 0);
}

cBmpConvDlg::~cBmpConvDlg() {
    DestroyModeless();
    if (s_pThis == this) s_pThis = nullptr;
}

void cBmpConvDlg::OnInitDialog(WPARAM wp, LPARAM lp) {
    cDlg::OnInitDialog(wp, lp);
    AddCtrl(m_List);
    AddCtrls(m_Vals);
    AddCtrls(m_Strs);
    AddCtrls(m_Checks);
    DragAcceptFiles(m_hWnd, TRUE);
    DataToCtrls();
    UpdateCtrls();
    m_bReady = 1;
}

void cBmpConvDlg::UpdateCtrls() {
    EnableCtrl(m_Vals, IDC_BMPCONV_TRANS, EditConfig.m_bConvUseTransparent != 0);
    int line = EditConfig.m_bConvReplaceLine != 0;
    EnableCtrl(m_Vals, IDC_BMPCONV_LINE_IN, line);
    EnableCtrl(m_Vals, IDC_BMPCONV_LINE_OUT, line);
    EnableCtrl(m_Strs, IDC_BMPCONV_FOLDER, EditConfig.m_bConvSameFolder == 0);
}

namespace {

// ".\a.bmp" and "a.bmp" are one file.
cString PlainName(const cString& given) {
    cString name = given;
    while (name.size() > 2 && name[0] == '.' && name[1] == '\\') name.erase(0, 2);
    return name;
}

}  // namespace

bool cBmpConvDlg::AddName(const cString& given) {
    const size_t before = m_Files.size();
    m_List.m_Ctrl.AddItem(PlainName(given), 1);
    return m_Files.size() > before;
}

void cBmpConvDlg::AddNames(const cVector<cString>& names) {
    cVector<cString> plain;
    for (int i = 0; i < static_cast<int>(names.size()); ++i) plain.push_back(PlainName(names[i]));
    m_List.m_Ctrl.AddItems(plain, 1);
}

void cBmpConvDlg::ClearNames() {
    m_Files.clear();
    m_List.m_Ctrl.m_nCurSel = -1;
    m_List.m_Ctrl.ClearItems();
}

void cBmpConvDlg::AddDropped(const cVector<cString>& names) {
    cVector<cString> found;
    for (int i = 0; i < static_cast<int>(names.size()); ++i) {
        cString name = names[i];
        if (!MakeRelativePath(&name)) continue;
        DWORD attr = GetFileAttributesA(name.c_str());
        if (attr != INVALID_FILE_ATTRIBUTES && (attr & FILE_ATTRIBUTE_DIRECTORY))
            FindFiles(&found, name.c_str(), "bmp");
        else if (IsExt(name.c_str(), "bmp"))
            found.push_back(name);
    }
    AddNames(found);
}

bool cBmpConvDlg::ConvertBitmap(const char* output, const char* input) {
    sConvBitmap bmp;
    switch (ReadConvBitmap(input, &bmp)) {
        case kConvOk: break;
        case kConvNot8Bit: ErrorBoxF("%s は256色ではありません！", input); return false;
        case kConvUnsupported: ErrorBoxF("%s は変換できない形式のビットマップです！", input); return false;
        default: ErrorBoxF("%s のロードに失敗！", input); return false;
    }
    sBmpConvOptions o;
    o.useTransparent = EditConfig.m_bConvUseTransparent;
    o.transparent = EditConfig.m_nConvTransparent;
    o.replaceLine = EditConfig.m_bConvReplaceLine;
    o.lineIn = EditConfig.m_nConvLineIn;
    o.lineOut = EditConfig.m_nConvLineOut;
    const uint8_t* stdPal = reinterpret_cast<const uint8_t*>(g_StdPalette);
    const uint8_t* curPal = reinterpret_cast<const uint8_t*>(g_Palette);
    uint8_t table[256];
    BuildConvTable(table, bmp.palette, stdPal, o);
    ConvertPixels(bmp.pixels.data(), bmp.width, bmp.rows, bmp.stride, table);
    for (int i = 208; i < 240; ++i)
        ErrorLogF("m_Pal[%d] = (%d,%d,%d)", i, g_Palette[i].rgbRed, g_Palette[i].rgbGreen, g_Palette[i].rgbBlue);
    BuildOutputPalette(bmp.palette, stdPal, curPal);
    if (WriteConvBitmap(output, bmp) != kConvOk) {
        ErrorBoxF("%s のオープンに失敗！", output);
        return false;
    }
    return true;
}

void cBmpConvDlg::RunConversion() {
    m_bBusy = 1;
    if (m_Files.empty()) {
        m_bBusy = 0;
        return;
    }
    cVector<cString> outputs;
    for (int i = 0; i < static_cast<int>(m_Files.size()); ++i) {
        if (EditConfig.m_bConvSameFolder) {
            outputs.push_back(m_Files[i]);
        } else {
            char out[kPathBufSize * 2];
            MakeConvOutputName(out, sizeof out, EditConfig.m_strConvFolder.c_str(), m_Files[i].c_str());
            outputs.push_back(out);
        }
    }
    SetWaitCursor();
    for (int i = 0; i < static_cast<int>(m_Files.size()); ++i) ConvertBitmap(outputs[i].c_str(), m_Files[i].c_str());
    SetArrowCursor();
    MsgBoxOwner(m_hWnd, "変換完了！", "変換完了", MB_OK);
    m_bBusy = 0;
}

void cBmpConvDlg::OnCommand(WPARAM wp, LPARAM lp) {
    if (!AllowCommand(wp)) return;
    cDlg::OnCommand(wp, lp);
    int id = LOWORD(wp);
    int code = HIWORD(wp);
    uint16_t changed = GetChangedCtrlId(wp);
    switch (id) {
        case IDC_BMPCONV_ADD:
            if (code == BN_CLICKED) {
                char* buf = new (std::nothrow) char[260000];
                if (!buf) {
                    OutOfMemory();
                    break;
                }
                buf[0] = 0;
                cVector<cString> names;
                if (OpenFileDialog(m_hWnd, buf, 260000, "bmp\\", "bmpの選択", "BitmapFile ( *.bmp )\0*.bmp\0", "bmp",
                                   1, &names)) {
                    for (int i = 0; i < static_cast<int>(names.size()); ++i) MakeRelativePath(&names[i]);
                    AddNames(names);
                }
                delete[] buf;
            }
            break;
        case IDC_BMPCONV_CLEAR:
            ClearNames();
            break;
        case IDC_BMPCONV_BROWSE:
            if (code == BN_CLICKED) {
                char folder[kPathBufSize] = "";
                if (!BrowseFolder(m_hWnd, folder, "bmp\\convert\\", "出力先のパス指定")) break;
                if (!MakeRelativePath(folder)) break;
                m_Strs[0].m_Ctrl.SetText(folder);
                m_Strs[0].m_Ctrl.CtrlToData();
            }
            break;
        case IDC_BMPCONV_RUN:
            if (code == BN_CLICKED && !m_bBusy) RunConversion();
            break;
        default:
            break;
    }
    if (m_bReady && changed) {
        // the options are kept as soon as they change
        for (int i = 0; i < static_cast<int>(m_Ctrls.size()); ++i)
            if (m_Ctrls[i]->m_nId == changed && m_Ctrls[i]->m_nKind != kCtrlList) m_Ctrls[i]->CtrlToData();
        UpdateCtrls();
    }
    m_List.m_Ctrl.Redraw();
}

LRESULT cBmpConvDlg::MsgProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    int r = DefMsgProc(hwnd, msg, wp, lp);
    switch (msg) {
        case WM_CLOSE:
            Close(0);
            return 1;
        case WM_DROPFILES: {
            HDROP drop = reinterpret_cast<HDROP>(wp);
            UINT count = DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0);
            cVector<cString> names;
            for (UINT i = 0; i < count; ++i) {
                char name[kPathBufSize] = "";
                if (DragQueryFileA(drop, i, name, sizeof name)) names.push_back(name);
            }
            DragFinish(drop);
            AddDropped(names);
            return 1;
        }
        default:
            break;
    }
    return r;
}
