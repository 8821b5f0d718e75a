#include "app/game_program.h"

#include <cstring>

#include "model/prjoption.h"

extern cPrjOption g_PrjOption;

bool ListExeFiles(cVector<cString>& names) {
    char dir[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, dir);
    cString pattern;
    pattern.Format("%s\\*.exe", dir);
    WIN32_FIND_DATAA fd;
    HANDLE find = FindFirstFileA(pattern.CStr(), &fd);
    if (find == INVALID_HANDLE_VALUE) return false;
    do {
        names.push_back(cString(fd.cFileName));
    } while (FindNextFileA(find, &fd));
    FindClose(find);
    return true;
}

wchar_t* LoadResString(HMODULE module, UINT id) {
    HRSRC res = FindResourceExW(module, reinterpret_cast<LPCWSTR>(RT_STRING),
                                MAKEINTRESOURCEW(id / 16 + 1), 0x0400);
    if (!res) return nullptr;
    HGLOBAL mem = LoadResource(module, res);
    if (!mem) return nullptr;
    const WORD* p = static_cast<const WORD*>(LockResource(mem));
    if (!p) return nullptr;
    // The block holds 16 counted strings; a string running past the
    // resource's end is taken as missing.
    const WORD* end = p + SizeofResource(module, res) / sizeof(WORD);
    for (UINT i = 0; i < id % 16; i++) {
        if (p >= end) return nullptr;
        p += 1 + *p;
    }
    if (p >= end || *p == 0 || p + 1 + *p > end) return nullptr;
    const WORD len = *p;
    wchar_t* copy = new wchar_t[len + 1];
    memcpy(copy, p + 1, len * sizeof(wchar_t));
    copy[len] = 0;
    return copy;
}

bool ScanGamePrograms(char* buf) {
    cVector<cString> names;
    if (!ListExeFiles(names)) return false;
    for (const cString& name : names) {
        HMODULE module = LoadLibraryA(name.CStr());
        if (!module) continue;
        wchar_t* text = LoadResString(module, 1);
        const bool match = text && wcscmp(text, L"GAME") == 0;
        delete[] text;
        FreeLibrary(module);
        if (match) {
            lstrcpynA(buf, name.CStr(), MAX_PATH);
            return true;
        }
    }
    return false;
}

bool FindGameProgram(char* buf) {
    buf[0] = 0;
    if (g_PrjOption.m_bAutoGame) {
        if (ScanGamePrograms(buf)) return true;
        buf[0] = 0;
        return false;
    }
    lstrcpynA(buf, g_PrjOption.m_strGamePath.CStr(), MAX_PATH);
    WIN32_FIND_DATAA fd;
    HANDLE find = buf[0] ? FindFirstFileA(buf, &fd) : INVALID_HANDLE_VALUE;
    if (find != INVALID_HANDLE_VALUE) {
        FindClose(find);
        return true;
    }
    buf[0] = 0;
    return false;
}
