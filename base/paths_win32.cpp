// The path helpers that need the shell and the common dialogs.
#include <windows.h>

#include <commdlg.h>
#include <shlobj.h>
#include <shlwapi.h>

#include <cstring>

#include "base/paths_win32.h"
#include "base/str.h"

namespace {

bool CurrentFolderReadable() {
    char cur[kPathBufSize];
    const DWORD n = GetCurrentDirectoryA(sizeof cur, cur);
    return n != 0 && n < sizeof cur;
}

void CopyPath(char* dst, const char* src) {
    const int len = SjisSafeLength(src, static_cast<int>(strnlen(src, kPathBufSize - 1)));
    memmove(dst, src, static_cast<size_t>(len));
    dst[len] = '\0';
}

}  // namespace

int MakeRelativePath(char* path) {
    if (PathIsRelativeA(path)) return 1;
    char cur[kPathBufSize];
    const DWORD n = GetCurrentDirectoryA(sizeof cur, cur);
    if (n == 0 || n >= sizeof cur) return 0;
    char rel[kPathBufSize] = {};
    if (PathRelativePathToA(rel, cur, FILE_ATTRIBUTE_DIRECTORY, path, FILE_ATTRIBUTE_NORMAL)) {
        CopyPath(path, rel);
    }
    return 1;
}

int MakeRelativePath(cString* path) {
    char buf[kPathBufSize];
    CopyPath(buf, path->c_str());
    const int result = MakeRelativePath(buf);
    if (result) path->Set(buf);
    return result;
}

int MakeFullPath(char* path) {
    if (!PathIsRelativeA(path)) return 1;
    if (!CurrentFolderReadable()) return 0;
    char full[kPathBufSize];
    const DWORD n = GetFullPathNameA(path, sizeof full, full, nullptr);
    if (n != 0 && n < sizeof full) CopyPath(path, full);
    return 1;
}

int FindFiles(cVector<cString>* list, const char* folder, const char* ext) {
    cString pattern;
    pattern.Format("%s\\*.%s", folder, ext);
    WIN32_FIND_DATAA fd;
    HANDLE find = FindFirstFileA(pattern.c_str(), &fd);
    if (find == INVALID_HANDLE_VALUE) return 0;
    do {
        cString entry;
        entry.Format("%s\\%s", folder, fd.cFileName);
        list->push_back(entry);
    } while (FindNextFileA(find, &fd));
    FindClose(find);
    return 1;
}

int OpenFileDialog(HWND owner, char* buf, int bufSize, const char* initDir, const char* title,
                   const char* filter, const char* defExt, int multi, cVector<cString>* results) {
    if (bufSize <= 0) return 0;
    memset(buf, 0, static_cast<size_t>(bufSize));
    OPENFILENAMEA ofn = {};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = owner;
    ofn.lpstrFilter = filter;
    ofn.lpstrFile = buf;
    ofn.nMaxFile = static_cast<DWORD>(bufSize);
    ofn.lpstrInitialDir = initDir;
    ofn.lpstrTitle = title;
    ofn.lpstrDefExt = defExt;
    ofn.Flags = OFN_EXPLORER | OFN_NONETWORKBUTTON | OFN_FILEMUSTEXIST | OFN_NOCHANGEDIR | OFN_HIDEREADONLY;
    if (multi) ofn.Flags |= OFN_ALLOWMULTISELECT;
    if (!GetOpenFileNameA(&ofn)) return 0;
    if (!results) return 1;

    // The buffer holds one full path, or the folder followed by the names,
    // each ended by NUL and the whole by a second NUL.
    cVector<cString> parts;
    int i = 0;
    while (i < bufSize && buf[i] != '\0') {
        const int len = static_cast<int>(strnlen(buf + i, static_cast<size_t>(bufSize - i)));
        parts.push_back(cString(buf + i, static_cast<size_t>(len)));
        i += len + 1;
    }
    if (parts.size() == 1) {
        results->push_back(parts.At(0, kClosePost));
    } else {
        const cString& folder = parts.At(0, kClosePost);
        for (int k = 1; k < static_cast<int>(parts.size()); ++k) {
            cString full;
            full.Format("%s\\%s", folder.c_str(), parts.At(k, kClosePost).c_str());
            results->push_back(full);
        }
    }
    return 1;
}

int SaveFileDialog(HWND owner, char* buf, const char* initDir, const char* title, const char* filter,
                   const char* defExt, int keep) {
    if (!keep) memset(buf, 0, kPathBufSize);
    OPENFILENAMEA ofn = {};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = owner;
    ofn.lpstrFilter = filter;
    ofn.lpstrFile = buf;
    ofn.nMaxFile = kPathBufSize;
    ofn.nMaxFileTitle = kPathBufSize;
    ofn.lpstrInitialDir = initDir;
    ofn.lpstrTitle = title;
    ofn.lpstrDefExt = defExt;
    ofn.Flags = OFN_EXPLORER | OFN_NONETWORKBUTTON | OFN_FILEMUSTEXIST | OFN_ALLOWMULTISELECT |
                OFN_NOCHANGEDIR | OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT;
    return GetSaveFileNameA(&ofn) ? 1 : 0;
}

namespace {

int CALLBACK BrowseCallback(HWND wnd, UINT msg, LPARAM lp, LPARAM data) {
    if (msg == BFFM_INITIALIZED) {
        SendMessageA(wnd, BFFM_SETSELECTIONA, TRUE, data);
    } else if (msg == BFFM_SELCHANGED) {
        char path[kPathBufSize];
        if (SHGetPathFromIDListA(reinterpret_cast<LPCITEMIDLIST>(lp), path)) {
            SendMessageA(wnd, BFFM_SETSTATUSTEXTA, 0, reinterpret_cast<LPARAM>(path));
        }
    }
    return 0;
}

}  // namespace

int BrowseFolder(HWND owner, char* result, const char* initDir, const char* title) {
    memset(result, 0, kPathBufSize);
    char start[kPathBufSize];
    CopyPath(start, initDir ? initDir : "");
    MakeFullPath(start);

    BROWSEINFOA bi = {};
    bi.hwndOwner = owner;
    bi.lpszTitle = title;
    bi.ulFlags = BIF_RETURNONLYFSDIRS;
    bi.lpfn = BrowseCallback;
    bi.lParam = reinterpret_cast<LPARAM>(start);
    LPITEMIDLIST chosen = SHBrowseForFolderA(&bi);
    if (!chosen) return 0;
    char path[MAX_PATH] = {};
    const BOOL ok = SHGetPathFromIDListA(chosen, path);
    CoTaskMemFree(chosen);
    if (!ok) return 0;
    CopyPath(result, path);
    return 1;
}

bool ConfirmExit(HWND owner) {
    return MessageBoxA(owner, "終了しますか？\n", "終了確認", MB_YESNO) == IDYES;
}

void SetWaitCursor() {
    SetCursor(LoadCursorA(nullptr, IDC_WAIT));
}

void SetArrowCursor() {
    SetCursor(LoadCursorA(nullptr, IDC_ARROW));
}
