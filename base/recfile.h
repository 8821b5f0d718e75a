// A data file being read or written: the byte stream under the record
// serializer.
//
// Reading checks every count and length against the bytes left, and the first
// failure (a short file, a bad count) marks the file failed: every later read
// does nothing, and the whole-file loads report the failure.
//
// Writing goes to a temporary file beside the target; the target is replaced
// only when every byte was written and the file closed cleanly, so a failed
// save leaves the old file intact.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>

class cRecFile {
public:
    // A file is read and written in blocks of this size.
    static const size_t kBufferSize = 1024 * 1024;

    ~cRecFile();
    cRecFile(const cRecFile&) = delete;
    cRecFile& operator=(const cRecFile&) = delete;

    // Opens path for reading; null when it does not open. Does not read the
    // version word (OpenRead does).
    static cRecFile* OpenFileRead(const char* path);
    // Creates a temporary file beside path for writing; null when it fails.
    static cRecFile* OpenFileWrite(const char* path);
    // Reads from / writes to memory (snapshots, fuzzing).
    static cRecFile* OpenMemoryRead(const void* data, size_t size);
    static cRecFile* OpenMemoryWrite();

    // Reading. Each is all or nothing: false, and the file failed, when fewer
    // bytes remain than asked for. A null dst skips the bytes.
    bool ReadBytes(void* dst, size_t n) {
        // Most reads are a few bytes already at hand.
        if (static_cast<size_t>(m_End - m_Cur) >= n) {
            if (dst && n) memcpy(dst, m_Cur, n);
            m_Cur += n;
            m_Pos += n;
            return true;
        }
        return ReadBytesSlow(dst, n);
    }
    bool ReadInt(int32_t* value) {
        int32_t v;
        if (!ReadBytes(&v, sizeof v)) return false;
        *value = v;
        return true;
    }
    bool Skip(size_t n) { return ReadBytes(nullptr, n); }
    // The next n bytes in one piece, read: valid until the next read. Null,
    // with nothing read and the file not failed, when they are not at hand in
    // one piece (more than the read buffer holds, or more than the file has);
    // the caller then reads them with ReadBytes.
    const unsigned char* TakeBytes(size_t n) {
        if (static_cast<size_t>(m_End - m_Cur) < n && !FillFor(n)) return nullptr;
        const unsigned char* p = m_Cur;
        m_Cur += n;
        m_Pos += n;
        return p;
    }
    // Reads a count and checks it: not negative, and count * minBytesEach
    // not more than the bytes left. Fails the file otherwise.
    bool ReadCount(int32_t* count, size_t minBytesEach) {
        int32_t n;
        if (!ReadInt(&n)) return false;
        if (n < 0 || static_cast<uint64_t>(n) * minBytesEach > Remaining()) {
            Fail("a count is larger than the file");
            return false;
        }
        *count = n;
        return true;
    }
    uint64_t Remaining() const { return m_Size - m_Pos; }

    // Writing. A failed write marks the file failed; later writes do nothing.
    bool WriteBytes(const void* src, size_t n) {
        // Most writes are a few bytes that the write buffer still has room
        // for (a memory file and a failed file have no room).
        if (m_WCur && static_cast<size_t>(m_WEnd - m_WCur) >= n) {
            if (n) memcpy(m_WCur, src, n);
            m_WCur += n;
            return true;
        }
        return WriteBytesSlow(src, n);
    }
    bool WriteInt(int32_t value) { return WriteBytes(&value, sizeof value); }
    // Room for the next n bytes of a file, which the caller fills at once;
    // null when the write buffer cannot hold them in one piece (or the file
    // is a memory file or failed): the caller then writes them with
    // WriteBytes.
    char* TakeRoom(size_t n) {
        if (static_cast<size_t>(m_WEnd - m_WCur) < n && !MakeRoom(n)) return nullptr;
        char* p = m_WCur;
        m_WCur += n;
        return p;
    }
    bool WriteZeros(size_t n);
    // Bytes written so far, the version word included.
    uint64_t WritePos() const;
    // Writes value over the 4 bytes written at pos (a count known only after
    // what follows it); false, and the file failed, when that does not work.
    bool PatchInt(uint64_t pos, int32_t value);

    // Marks the file failed and notes why in the report log.
    void Fail(const char* why);
    // A reader that may be asked to give up (the worker thread's load): the
    // check is made between records, and when it answers true the file fails
    // ("the load was stopped"). Null removes it.
    typedef bool (*StopCheck)(const void* arg);
    void SetStopCheck(StopCheck check, const void* arg) {
        m_StopCheck = check;
        m_StopArg = arg;
    }
    // True (and the file failed) when the file failed or a stop was asked.
    bool StopAsked() {
        if (m_StopCheck && !m_Failed) CheckStop();
        return m_Failed;
    }
    bool Failed() const { return m_Failed; }
    bool IsWriting() const { return m_Writing; }
    // The bytes written to a memory file.
    const std::string& MemoryData() const { return m_Mem; }

    // Ends the file. A written file replaces its target only now, and only
    // when nothing failed. True when every read or write succeeded.
    bool Close();

private:
    cRecFile() = default;
    bool ReadBytesSlow(void* dst, size_t n);
    bool WriteBytesSlow(const void* src, size_t n);
    // Writes out the buffer so that it has room for n bytes; false when it
    // cannot.
    bool MakeRoom(size_t n);
    // Makes at least n bytes (n <= buffer size) at hand in the read buffer;
    // false when the file ends first.
    bool Fill(size_t n);
    // Fill for TakeBytes: false, without failing, when n bytes cannot be at
    // hand in one piece.
    bool FillFor(size_t n);
    void CheckStop();
    // Writes out what the buffer holds; false (and the file failed) when
    // the write fails.
    bool Flush();

    FILE* m_File = nullptr;
    bool m_Writing = false;
    bool m_Failed = false;
    bool m_Closed = false;
    // reading: the bytes at hand run from m_Cur to m_End (the rest of a
    // memory source, or what the read buffer holds of a file); both null
    // when writing and once the file failed
    const unsigned char* m_Cur = nullptr;
    const unsigned char* m_End = nullptr;
    const unsigned char* m_Data = nullptr;  // memory source, or null
    uint64_t m_Size = 0;
    uint64_t m_Pos = 0;
    std::string m_Buf;       // file read or write buffer
    // writing a file: the room left in m_Buf runs from m_WCur to m_WEnd
    // (what lies before m_WCur waits to go out); both null otherwise, once
    // the file failed and once it is closed
    char* m_WCur = nullptr;
    char* m_WEnd = nullptr;
    uint64_t m_Flushed = 0;  // bytes of a file written out
    StopCheck m_StopCheck = nullptr;
    const void* m_StopArg = nullptr;
    // writing
    std::string m_Mem;       // memory destination
    bool m_ToMemory = false;
    std::string m_Target;
    std::string m_TempPath;
};
