#include "base/str.h"

#include <cstdio>
#include <cstring>

#include "base/platform.h"

int SjisSafeLength(const char* s, int len) {
    int i = 0;
    while (i < len) {
        if (IsSjisLead(static_cast<unsigned char>(s[i]))) {
            if (i + 1 >= len) return i;  // lead byte without its trail byte
            i += 2;
        } else {
            ++i;
        }
    }
    return len;
}

int FormatBounded(char* buf, int size, const char* fmt, va_list ap) {
    if (size <= 0) return 0;
    int n = vsnprintf(buf, static_cast<size_t>(size), fmt, ap);
    if (n < 0) {
        buf[0] = '\0';
        return 0;
    }
    if (n >= size) {
        n = SjisSafeLength(buf, size - 1);
    }
    buf[n] = '\0';
    return n;
}

const char* cString::Set(const char* s) {
    if (!s) {
        clear();
        return nullptr;
    }
    assign(s);
    return c_str();
}

const char* cString::Format(const char* fmt, ...) {
    char buf[kFormatBufSize];
    va_list ap;
    va_start(ap, fmt);
    FormatBounded(buf, sizeof buf, fmt, ap);
    va_end(ap);
    return Set(buf);
}

cString* StrPrintf(cString* str, const char* fmt, ...) {
    char buf[kFormatBufSize];
    va_list ap;
    va_start(ap, fmt);
    FormatBounded(buf, sizeof buf, fmt, ap);
    va_end(ap);
    str->append(buf);
    return str;
}

void AssignStr(cString* dst, const cString& src) {
    dst->Set(src.CStr());
}

bool StrEqual(const cString& a, const cString& b) {
    return LocaleCompare(a.CStr(), b.CStr()) == 0;
}

cString MidStr(const cString& s, int start, int length) {
    static cString result;
    const int size = static_cast<int>(s.size());
    if (start < 0) {
        length += start;
        start = 0;
    } else if (start > size) {
        result.clear();
        return result;
    }
    if (length == 0) {
        result.clear();
    } else if (length < 0 || start + length > size) {
        result.assign(s, static_cast<size_t>(start), std::string::npos);
    } else {
        result.assign(s, static_cast<size_t>(start), static_cast<size_t>(length));
    }
    return result;
}
