#include "base/recfile.h"

#include <cstring>

#include "base/log.h"
#include "base/platform.h"
#include "base/str.h"

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
    f->m_Buf.resize(kBufferSize);
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
    f->m_Buf.resize(kBufferSize);
    f->m_WCur = &f->m_Buf[0];
    f->m_WEnd = f->m_WCur + f->m_Buf.size();
    return f;
}

cRecFile* cRecFile::OpenMemoryRead(const void* data, size_t size) {
    cRecFile* f = new cRecFile;
    f->m_Data = static_cast<const unsigned char*>(data);
    f->m_Size = size;
    f->m_Cur = f->m_Data;
    f->m_End = f->m_Data ? f->m_Data + size : nullptr;
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
    // nothing more is at hand: every later read or write takes the slow path
    // and fails
    m_Cur = m_End = nullptr;
    m_WCur = m_WEnd = nullptr;
}

void cRecFile::CheckStop() {
    if (!m_Failed && m_StopCheck && m_StopCheck(m_StopArg)) Fail("the load was stopped");
}

bool cRecFile::Fill(size_t n) {
    size_t have = static_cast<size_t>(m_End - m_Cur);
    if (have >= n) return true;
    unsigned char* buf = reinterpret_cast<unsigned char*>(&m_Buf[0]);
    if (have) memmove(buf, m_Cur, have);
    m_Cur = buf;
    m_End = buf + have;
    while (have < n) {
        const size_t got = fread(buf + have, 1, m_Buf.size() - have, m_File);
        if (got == 0) return false;
        have += got;
        m_End = buf + have;
    }
    return true;
}

bool cRecFile::FillFor(size_t n) {
    if (m_Failed || m_Writing || m_Data || !m_File) return false;
    if (n > m_Buf.size() || n > Remaining()) return false;
    return Fill(n);
}

bool cRecFile::ReadBytesSlow(void* dst, size_t n) {
    if (m_Failed || m_Writing) return false;
    if (n > Remaining()) {
        Fail("the file ends early");
        return false;
    }
    unsigned char* out = static_cast<unsigned char*>(dst);
    // A memory source has all its bytes at hand, so only a file comes here
    // with enough bytes left.
    size_t left = n;
    while (left > 0) {
        if (m_Cur == m_End) {
            const size_t want = left < m_Buf.size() ? left : m_Buf.size();
            if (!m_File || !Fill(want)) {
                Fail("the file ends early");
                return false;
            }
        }
        const size_t have = static_cast<size_t>(m_End - m_Cur);
        const size_t chunk = left < have ? left : have;
        if (out) {
            memcpy(out, m_Cur, chunk);
            out += chunk;
        }
        m_Cur += chunk;
        m_Pos += chunk;
        left -= chunk;
    }
    return true;
}

bool cRecFile::WriteBytesSlow(const void* src, size_t n) {
    if (m_Failed || !m_Writing) return false;
    if (m_ToMemory) {
        m_Mem.append(static_cast<const char*>(src), n);
        return true;
    }
    if (!m_WCur) return false;  // closed
    // the buffer is too full for these bytes
    if (!Flush()) return false;
    if (n >= m_Buf.size()) {
        if (fwrite(src, 1, n, m_File) != n) {
            Fail("a write failed");
            return false;
        }
        m_Flushed += n;
        return true;
    }
    memcpy(m_WCur, src, n);
    m_WCur += n;
    return true;
}

bool cRecFile::Flush() {
    if (!m_File || !m_Writing || m_Failed || !m_WCur) return !m_Failed;
    char* buf = &m_Buf[0];
    const size_t n = static_cast<size_t>(m_WCur - buf);
    if (n == 0) return true;
    m_WCur = buf;
    if (fwrite(buf, 1, n, m_File) != n) {
        Fail("a write failed");
        return false;
    }
    m_Flushed += n;
    return true;
}

bool cRecFile::MakeRoom(size_t n) {
    if (!m_WCur || n > m_Buf.size()) return false;
    return Flush();
}

uint64_t cRecFile::WritePos() const {
    if (m_ToMemory) return m_Mem.size();
    if (!m_WCur) return m_Flushed;
    return m_Flushed + static_cast<uint64_t>(m_WCur - m_Buf.data());
}

bool cRecFile::PatchInt(uint64_t pos, int32_t value) {
    if (m_Failed || !m_Writing) return false;
    if (pos + sizeof value > WritePos()) {
        Fail("a patch past the bytes written");
        return false;
    }
    if (m_ToMemory) {
        memcpy(&m_Mem[static_cast<size_t>(pos)], &value, sizeof value);
        return true;
    }
    // Bytes still in the buffer are patched there; bytes already out (a
    // write is never split, so all four of them) are written again in
    // place, and the file goes on at its end.
    if (pos >= m_Flushed) {
        memcpy(&m_Buf[static_cast<size_t>(pos - m_Flushed)], &value, sizeof value);
        return true;
    }
    if (!Flush()) return false;
    if (!SeekFileTo(m_File, pos) || fwrite(&value, 1, sizeof value, m_File) != sizeof value ||
        !SeekFileTo(m_File, m_Flushed)) {
        Fail("a write failed");
        return false;
    }
    return true;
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
    // nothing more goes into the buffer
    m_WCur = m_WEnd = nullptr;
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
