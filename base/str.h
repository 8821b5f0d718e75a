// The program's string class and its formatting helpers.
// Texts are Shift-JIS bytes; nothing here converts encodings.
#pragma once

#include <cstdarg>
#include <string>

// Size of the formatting buffer: a formatted text holds at most 5119 bytes.
const int kFormatBufSize = 5120;

class cString : public std::string {
public:
    using std::string::string;
    cString() = default;
    cString(const std::string& s) : std::string(s) {}
    cString(std::string&& s) : std::string(std::move(s)) {}

    // Null assigns "" and returns null; otherwise the string's own pointer.
    const char* Set(const char* s);
    // printf into a bounded buffer; over-long text is cut at a character
    // boundary, never overflows.
    const char* Format(const char* fmt, ...)
#if defined(__GNUC__)
        __attribute__((format(printf, 2, 3)))
#endif
        ;
    const char* CStr() const { return empty() ? "" : c_str(); }
    bool IsEmpty() const { return empty(); }
    bool NotEmpty() const { return !empty(); }
};

// Appends formatted text (bounded like cString::Format) and returns the string.
cString* StrPrintf(cString* str, const char* fmt, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 2, 3)))
#endif
    ;
void AssignStr(cString* dst, const cString& src);
bool StrEqual(const cString& a, const cString& b);
// Part of s from start for length characters; see the rules in str.cpp.
// Shares one static buffer: UI thread only.
cString MidStr(const cString& s, int start, int length);

// Formats into buf (size bytes, NUL included). Text that does not fit is cut
// at the last whole Shift-JIS character. Returns the length written.
int FormatBounded(char* buf, int size, const char* fmt, va_list ap);

// True when byte c starts a two-byte Shift-JIS character.
inline bool IsSjisLead(unsigned char c) {
    return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}
// True when byte c can follow a lead byte as the second byte of a character.
inline bool IsSjisTrail(unsigned char c) {
    return (c >= 0x40 && c <= 0x7E) || (c >= 0x80 && c <= 0xFC);
}
// Length of s[0, len) after dropping a lead byte left without its trail byte.
int SjisSafeLength(const char* s, int len);
