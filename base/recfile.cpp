#include "base/recfile.h"

#include <cstring>

#include "base/log.h"
#include "base/platform.h"
#include "base/str.h"

namespace {
// Reads and writes go to the file in blocks of this size.
const size_t kReadBufSize = 1024 * 1024;
const size_t kWriteBufSize = 1024 * 1024;
}  // namespace

cRecFile::~cRecFile() {
    if (!m_Closed) {
        // Abandoned: a written file never replaces its target.
        if (m_File) fclose(m_File);
        if (m_Writing && !m_ToMemory) RemoveFile(m_TempPath.c_str());
    }
}

cRecFile* cRecFile::OpenFileRead(const char* path) {
    FILE* fp = OpenFile(path, "rb");
    if (!fp) return nullptr;
    cRecFile* f = new cRecFile;
    f->m_File = fp;
    long size = -1;
    if (fseek(fp, 0, SEEK_END) == 0) size = ftell(fp);
    fseek(fp, 0, SEEK_SET);
    f->m_Size = size > 0 ? static_cast<uint64_t>(size) : 0;
    f->m_Buf.resize(kReadBufSize);
    return f;
}

namespace {

// A name for the temporary file of a write: in the target's folder (so that
// it replaces the target in one move), short (a target near the path limit
// still gets one) and not the name of any file there.
std::string FreeTempPath(const char* target) {
    // Either separator ends the folder part ("C:" alone names a drive's
    // current folder); the second byte of a two-byte character is no
    // separator, whatever its value.
    size_t cut = 0;
    for (const char* p = target; *p; ++p) {
        if (IsSjisLead(static_cast<unsigned char>(*p)) && p[1]) {
            ++p;
            continue;
        }
        if (*p == '\\' || *p == '/' || (*p == ':' && p == target + 1)) cut = static_cast<size_t>(p - target + 1);
    }
    const std::string folder(target, cut);
    static uint32_t s_Next = 0;
    const uint32_t seed = MilliClock();
    char name[16];
    for (int tries = 0; tries < 4096; ++tries) {
        snprintf(name, sizeof name, "~%04X", static_cast<unsigned>((seed + s_Next++) & 0xFFFF));
        const std::string tmp = folder + name;
        if (!PathExists(tmp.c_str())) return tmp;
    }
    return std::string();
}

}  // namespace

cRecFile* cRecFile::OpenFileWrite(const char* path) {
    const std::string tmp = FreeTempPath(path);
    if (tmp.empty()) return nullptr;
    FILE* fp = OpenFile(tmp.c_str(), "wb");
    if (!fp) return nullptr;
    cRecFile* f = new cRecFile;
    f->m_File = fp;
    f->m_Writing = true;
    f->m_Target = path;
    f->m_TempPath = tmp;
    // The file's own buffer is not used: whole blocks of m_Buf go out.
    setvbuf(fp, nullptr, _IONBF, 0);
    f->m_Buf.resize(kWriteBufSize);
    return f;
}

cRecFile* cRecFile::OpenMemoryRead(const void* data, size_t size) {
    cRecFile* f = new cRecFile;
    f->m_Data = static_cast<const unsigned char*>(data);
    f->m_Size = size;
    return f;
}

cRecFile* cRecFile::OpenMemoryWrite() {
    cRecFile* f = new cRecFile;
    f->m_Writing = true;
    f->m_ToMemory = true;
    return f;
}

void cRecFile::Fail(const char* why) {
    if (!m_Failed && why) ReportLog("record file: %s", why);
    m_Failed = true;
}

bool cRecFile::StopAsked() {
    if (!m_Failed && m_StopCheck && m_StopCheck(m_StopArg)) Fail("the load was stopped");
    return m_Failed;
}

// Makes at least n bytes available in the read buffer (n <= buffer size).
bool cRecFile::Fill(size_t n) {
    if (m_BufLen - m_BufPos >= n) return true;
    size_t have = m_BufLen - m_BufPos;
    memmove(&m_Buf[0], &m_Buf[m_BufPos], have);
    m_BufPos = 0;
    m_BufLen = have;
    while (m_BufLen < n) {
        size_t got = fread(&m_Buf[m_BufLen], 1, m_Buf.size() - m_BufLen, m_File);
        if (got == 0) return false;
        m_BufLen += got;
    }
    return true;
}

bool cRecFile::ReadBytes(void* dst, size_t n) {
    // Most reads are a few bytes that the buffer already holds.
    if (m_BufLen - m_BufPos >= n && !m_Failed && !m_Writing && !m_Data) {
        if (dst) memcpy(dst, &m_Buf[m_BufPos], n);
        m_BufPos += n;
        m_Pos += n;
        return true;
    }
    if (m_Failed || m_Writing) return false;
    if (n > Remaining()) {
        Fail("the file ends early");
        return false;
    }
    unsigned char* out = static_cast<unsigned char*>(dst);
    if (m_Data) {
        if (out) memcpy(out, m_Data + m_Pos, n);
        m_Pos += n;
        return true;
    }
    size_t left = n;
    while (left > 0) {
        size_t chunk = left < m_Buf.size() ? left : m_Buf.size();
        if (!Fill(chunk)) {
            Fail("the file ends early");
            return false;
        }
        if (out) {
            memcpy(out, &m_Buf[m_BufPos], chunk);
            out += chunk;
        }
        m_BufPos += chunk;
        left -= chunk;
    }
    m_Pos += n;
    return true;
}

bool cRecFile::ReadInt(int32_t* value) {
    int32_t v;
    if (!ReadBytes(&v, sizeof v)) return false;
    *value = v;
    return true;
}

bool cRecFile::Skip(size_t n) {
    return ReadBytes(nullptr, n);
}

bool cRecFile::ReadCount(int32_t* count, size_t minBytesEach) {
    int32_t n;
    if (!ReadInt(&n)) return false;
    if (n < 0 || static_cast<uint64_t>(n) * minBytesEach > Remaining()) {
        Fail("a count is larger than the file");
        return false;
    }
    *count = n;
    return true;
}

bool cRecFile::WriteBytes(const void* src, size_t n) {
    if (m_Failed || !m_Writing) return false;
    if (m_ToMemory) {
        m_Mem.append(static_cast<const char*>(src), n);
        return true;
    }
    if (m_BufLen + n <= m_Buf.size()) {
        if (n) memcpy(&m_Buf[m_BufLen], src, n);
        m_BufLen += n;
        return true;
    }
    if (!Flush()) return false;
    if (n >= m_Buf.size()) {
        if (fwrite(src, 1, n, m_File) != n) {
            Fail("a write failed");
            return false;
        }
        return true;
    }
    memcpy(&m_Buf[0], src, n);
    m_BufLen = n;
    return true;
}

bool cRecFile::Flush() {
    if (!m_File || !m_Writing || m_BufLen == 0) return !m_Failed;
    const size_t n = m_BufLen;
    m_BufLen = 0;
    if (fwrite(&m_Buf[0], 1, n, m_File) != n) {
        Fail("a write failed");
        return false;
    }
    return !m_Failed;
}

bool cRecFile::WriteInt(int32_t value) {
    return WriteBytes(&value, sizeof value);
}

bool cRecFile::WriteZeros(size_t n) {
    static const char zeros[256] = {};
    while (n > 0) {
        size_t chunk = n < sizeof zeros ? n : sizeof zeros;
        if (!WriteBytes(zeros, chunk)) return false;
        n -= chunk;
    }
    return true;
}

bool cRecFile::Close() {
    if (m_Closed) return !m_Failed;
    m_Closed = true;
    if (!m_File) return !m_Failed;
    if (!m_Writing) {
        fclose(m_File);
        m_File = nullptr;
        return !m_Failed;
    }
    if (!m_Failed) Flush();
    bool ok = !m_Failed;
    if (fflush(m_File) != 0 || ferror(m_File)) ok = false;
    if (fclose(m_File) != 0) ok = false;
    m_File = nullptr;
    if (ok && !ReplaceFileWith(m_TempPath.c_str(), m_Target.c_str())) {
        ReportLog("record file: %s could not be replaced", m_Target.c_str());
        ok = false;
    }
    if (!ok) {
        RemoveFile(m_TempPath.c_str());
        m_Failed = true;
    }
    return ok;
}
