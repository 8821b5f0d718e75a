// The path helpers that need the shell and the common dialogs (Windows only).
#pragma once

#include <windows.h>

#include "base/paths.h"

// An absolute path becomes relative to the current folder (it stays when no
// relative path exists, as on another drive); a relative one is left alone.
// 0 when the current folder cannot be read, else 1.
int MakeRelativePath(char* path);
int MakeRelativePath(cString* path);
// A relative path becomes a full path; 0 when the current folder cannot be
// read, else 1.
int MakeFullPath(char* path);

// Appends folder + "\" + name for every entry matching folder\*.ext, in the
// order the system gives them; 0 when nothing matches, else 1.
int FindFiles(cVector<cString>* list, const char* folder, const char* ext);

// The system's open-file dialog (files must exist, the current folder is kept).
// 0 when cancelled; else 1 with the choice in buf and, when results is given,
// each chosen file's full path appended to it (its earlier entries stay).
int OpenFileDialog(HWND owner, char* buf, int bufSize, const char* initDir, const char* title,
                   const char* filter, const char* defExt, int multi, cVector<cString>* results = nullptr);
// The system's save-file dialog on a kPathBufSize buffer, cleared first unless
// keep is set (then it proposes its text). 1 when a name was chosen, else 0.
int SaveFileDialog(HWND owner, char* buf, const char* initDir, const char* title, const char* filter,
                   const char* defExt, int keep);
// The system's folder browser, starting at initDir. 1 with the chosen folder's
// path in result (kPathBufSize bytes), 0 when cancelled.
int BrowseFolder(HWND owner, char* result, const char* initDir, const char* title);

// "終了しますか？" with Yes and No; true on Yes.
bool ConfirmExit(HWND owner);
void SetWaitCursor();
void SetArrowCursor();
