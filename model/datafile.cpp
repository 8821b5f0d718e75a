#include "model/datafile.h"

#include <cstring>
#include <string>

#include "base/log.h"
#include "base/platform.h"

void KeepBrokenFile(const char* path) {
    if (!PathExists(path)) return;
    const std::string kept = std::string(path) + ".bad";
    if (ReplaceFileWith(path, kept.c_str())) {
        ReportLog("%s did not load; kept as %s", path, kept.c_str());
    } else {
        ReportLog("%s did not load and could not be kept", path);
    }
}

void ReadStringVector(cVector<cString>& v, cRecFile* f) {
    int32_t count;
    if (!f->ReadCount(&count, 4)) return;
    v.clear();
    v.resize(static_cast<size_t>(count));
    std::string buf;
    for (int32_t i = 0; i < count; ++i) {
        int32_t len;
        if (!f->ReadInt(&len)) return;
        if (len == 1) continue;
        if (len <= 0 || static_cast<uint64_t>(len) > f->Remaining()) {
            f->Fail("a string is longer than the file");
            return;
        }
        buf.resize(static_cast<size_t>(len));
        if (!f->ReadBytes(&buf[0], buf.size())) return;
        v.At(i, kCloseDestroy).assign(buf.c_str());
    }
}

void WriteStringVector(cVector<cString>& v, cRecFile* f) {
    f->WriteInt(static_cast<int32_t>(v.size()));
    for (cString& s : v) {
        // Like a record's strings: cut at the first NUL and at the longest
        // text a record stores, and kept as written.
        size_t len = strlen(s.c_str());
        if (len > static_cast<size_t>(kMaxRecordString)) {
            len = static_cast<size_t>(SjisSafeLength(s.c_str(), kMaxRecordString));
        }
        if (len != s.size()) s.resize(len);
        f->WriteInt(static_cast<int32_t>(len + 1));
        if (len > 0) f->WriteBytes(s.c_str(), len + 1);
    }
}
