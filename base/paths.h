// Path and file helpers. Paths are Shift-JIS byte strings with '\' as the
// only folder separator; a buffer path is MAX_PATH (260) bytes. The scanning
// helpers step over two-byte characters, so a trail byte 0x5C (as in "表" or
// "ソ") is never taken for a separator. The helpers that need the shell and
// the common dialogs are in paths_win32.h.
#pragma once

#include "base/containers.h"
#include "base/str.h"

const int kPathBufSize = 260;

// The positions of the last '\' and of the dot that starts the extension (a
// '.' after the last '\'), -1 each when there is none.
struct sPathMarks {
    int lastSep;
    int extDot;
};
sPathMarks ScanPath(const char* path);

// Keeps only the part after the last '\'; a path without '\' stays.
void GetFileName(char* path);
void GetFileName(cString* path);
// Copies src into dst (kPathBufSize bytes) and replaces the text after the
// extension's '.' by ext, or with ext null removes the '.' and what follows.
// 1 when the name had an extension, else 0 (dst then holds the plain copy).
int ChangeExt(char* dst, const char* src, const char* ext);
// Removes the extension with its '.'; 0 when there is none, else 1.
int RemoveExt(char* path);
int RemoveExt(cString* path);
// Copies the extension (without '.') into dst (kPathBufSize bytes); 0 and dst
// untouched when there is none.
int GetExt(char* dst, const char* path);
// The extension equals ext, compared case-sensitively.
bool IsExt(const char* path, const char* ext);

// The newest numbered copy of a file: path with its extension replaced by ext,
// followed by "_999" down to "_000"; the first that exists goes into dst.
// 1 when one exists, else 0. The unnumbered file itself is never a result.
int FindLatestCopy(char* dst, const char* path, const char* ext);
int FindLatestCopy(cString* dst, const cString& path, const char* ext);

// Creates every folder on the way to the file path (each "\"-ended part).
void CreateFoldersOf(const char* path);
