#include "base/paths.h"

#include <cstdarg>
#include <cstring>

#include "base/platform.h"
#include "base/record.h"

sPathMarks ScanPath(const char* path) {
    sPathMarks marks = {-1, -1};
    int lastDot = -1;
    for (int i = 0; path[i] != '\0'; ++i) {
        const unsigned char c = static_cast<unsigned char>(path[i]);
        if (IsSjisLead(c)) {
            if (path[i + 1] == '\0') break;  // a lead byte without its trail byte ends the text
            ++i;                             // the trail byte may be 0x5C: it belongs to the character
        } else if (c == '\\') {
            marks.lastSep = i;
        } else if (c == '.') {
            lastDot = i;
        }
    }
    // A '.' in a folder name is not an extension.
    if (lastDot > marks.lastSep) marks.extDot = lastDot;
    return marks;
}

namespace {

// printf into a path buffer; text that does not fit is cut at a whole character.
void PathPrintf(char* dst, const char* fmt, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 2, 3)))
#endif
    ;
void PathPrintf(char* dst, const char* fmt, ...) {
    va_list ap;
    va_start(ap, fmt);
    FormatBounded(dst, kPathBufSize, fmt, ap);
    va_end(ap);
}

}  // namespace

void GetFileName(char* path) {
    const int sep = ScanPath(path).lastSep;
    if (sep >= 0) memmove(path, path + sep + 1, strlen(path + sep + 1) + 1);
}

void GetFileName(cString* path) {
    const int sep = ScanPath(path->c_str()).lastSep;
    if (sep >= 0) path->erase(0, static_cast<size_t>(sep) + 1);
}

int ChangeExt(char* dst, const char* src, const char* ext) {
    char copy[kPathBufSize];
    PathPrintf(copy, "%s", src);  // src may be dst
    const int dot = ScanPath(copy).extDot;
    if (dot < 0) {
        PathPrintf(dst, "%s", copy);
        return 0;
    }
    if (ext) {
        copy[dot + 1] = '\0';
        PathPrintf(dst, "%s%s", copy, ext);
    } else {
        copy[dot] = '\0';
        PathPrintf(dst, "%s", copy);
    }
    return 1;
}

int RemoveExt(char* path) {
    const int dot = ScanPath(path).extDot;
    if (dot < 0) return 0;
    path[dot] = '\0';
    return 1;
}

int RemoveExt(cString* path) {
    const int dot = ScanPath(path->c_str()).extDot;
    if (dot < 0) return 0;
    path->resize(static_cast<size_t>(dot));
    return 1;
}

int GetExt(char* dst, const char* path) {
    const int dot = ScanPath(path).extDot;
    if (dot < 0) return 0;
    PathPrintf(dst, "%s", path + dot + 1);
    return 1;
}

bool IsExt(const char* path, const char* ext) {
    const int dot = ScanPath(path).extDot;
    return dot >= 0 && LocaleCompare(path + dot + 1, ext) == 0;
}

int FindLatestCopy(char* dst, const char* path, const char* ext) {
    char base[kPathBufSize];
    ChangeExt(base, path, ext);
    char name[kPathBufSize];
    for (int n = 999; n >= 0; --n) {
        PathPrintf(name, "%s_%d%d%d", base, n / 100, n / 10 % 10, n % 10);
        if (PathExists(name)) {
            PathPrintf(dst, "%s", name);
            return 1;
        }
    }
    return 0;
}

int FindLatestCopy(cString* dst, const cString& path, const char* ext) {
    char found[kPathBufSize];
    if (!FindLatestCopy(found, path.c_str(), ext)) return 0;
    dst->Set(found);
    return 1;
}

int cSerialRecord::LoadLatestCopy(const char* path, const char* ext) {
    char found[kPathBufSize];
    if (!FindLatestCopy(found, path, ext)) return 0;
    return Load(found);
}

void CreateFoldersOf(const char* path) {
    cString folder;
    for (const char* p = path; *p; ++p) {
        if (IsSjisLead(static_cast<unsigned char>(*p)) && p[1]) {
            folder += *p++;
        } else if (*p == '\\' && !folder.empty()) {
            CreateFolder(folder.c_str());
        }
        folder += *p;
    }
}
