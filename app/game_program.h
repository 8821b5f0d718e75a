// Finding the game program that test play starts: either the path set in the
// project options or, when the options say so, the first executable of the
// project folder whose string resource 1 reads "GAME".
#pragma once

#include <windows.h>

#include "base/containers.h"
#include "base/str.h"

// Every "*.exe" file name (without folder) of the current directory, in the
// order the system lists them, appended to names; false when there is none.
bool ListExeFiles(cVector<cString>& names);
// A new copy of string id of the module's string table (neutral language),
// or null when the entry is missing or empty; the caller deletes [] it.
wchar_t* LoadResString(HMODULE module, UINT id);
// The automatic search: true with the first matching program's name in buf
// (MAX_PATH characters).
bool ScanGamePrograms(char* buf);
// True with the game program's path in buf (MAX_PATH characters); false with
// buf emptied when there is none.
bool FindGameProgram(char* buf);
