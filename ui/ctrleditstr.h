// A text edit bound to a cString that keeps what the user types inside a
// number of lines and a line length (in bytes, or in characters where a
// double-byte character counts once), and the text helpers it stands on.
#pragma once

#include <cstdint>

#include "base/str.h"
#include "ui/ctrl.h"

// The control's text, at most maxBytes - 1 bytes (a double-byte character is
// never split). The buffer is sized from the control's text length.
void GetItemText(HWND dlg, int id, cString* out, int maxBytes);
void SetItemText(HWND dlg, int id, const cString& text);
// Characters of a Shift-JIS text: a double-byte character counts 1, LF 0,
// every other byte 1 (so CR LF counts 1).
int CountTextChars(const cString& text);
// Position of pattern at or after start in text cut at its first zero byte;
// -1 when start is negative or past the end, or nothing is found.
int FindInText(const cString& text, const char* pattern, int start);

struct cCtrlEditStrParam {
    uint32_t m_nId = 0;
    cString* m_lpData = nullptr;
    int m_nBufSize = 0;    // maximum length + 1
    int m_nLineChars = 0;  // 0: 1024
    int m_nLines = 0;      // 0: 32
    int m_bCountChars = 0;
    int m_nExtra[4] = {0, 0, 0, 0};
    // A one-line edit of at most maxLength, counted in characters when flag is set.
    void Set(int id, cString* data, int maxLength, int flag) {
        m_nId = static_cast<uint16_t>(id);
        m_lpData = data;
        m_nBufSize = maxLength + 1;
        m_nLineChars = flag ? maxLength : 0;
        m_nLines = 1;
        m_bCountChars = flag;
    }
    // A multi-line edit of `lines` lines of at most lineChars each; the
    // whole text takes the control's default length.
    void SetLines(int id, cString* data, int lineChars, int lines, int flag) {
        m_nId = static_cast<uint16_t>(id);
        m_lpData = data;
        m_nBufSize = 0;
        m_nLineChars = lineChars;
        m_nLines = lines;
        m_bCountChars = flag;
    }
};

class cCtrlEditStr : public cCtrlEdit {
public:
    cCtrlEditStr();

    void DataToCtrl() override;
    void CtrlToData() override;
    // The limiter, on EN_UPDATE and when the program sets the text.
    void OnChange() override;

    void Attach(cDlg* owner, const cCtrlEditStrParam& param);
    // Shows text without writing the bound string; too many lines shorten it.
    void SetText(const cString& text);
    void GetText(cString* out);

    cString* m_lpData;
    int m_nBufSize;
    int m_bCountChars;
    int m_nLineChars;
    int m_nLines;
    int m_bSetting;
    cString m_strKept;
    int m_nSelStart, m_nSelEnd;
    int m_nExtra[4];

private:
    bool CountsCharacters(const cString& text) const;
    int ReadSize() const;
    int Length(const cString& text) const;
    int MaxLineBytes() const;
    void Reflow(cString* text, int* s, int* e) const;
};

using cCtrlEditStrItem = cCtrlItem<cCtrlEditStr, cCtrlEditStrParam>;
