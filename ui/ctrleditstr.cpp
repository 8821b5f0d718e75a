#include "ui/ctrleditstr.h"

#include <algorithm>

namespace {

const int kDefaultBufSize = 4096;
const int kDefaultLineChars = 1024;
const int kDefaultLines = 32;

int CountLines(const cString& text) {
    if (text.empty()) return 0;
    return 1 + static_cast<int>(std::count(text.begin(), text.end(), '\n'));
}

// Drops a lead byte or a CR left alone at the end of a cut.
void TrimCut(cString* text) {
    text->resize(SjisSafeLength(text->data(), static_cast<int>(text->size())));
    if (!text->empty() && text->back() == '\r') text->pop_back();
}

bool HasDoubleByte(const cString& text) {
    for (size_t i = 0; i + 1 < text.size(); ++i)
        if (IsSjisLead(static_cast<unsigned char>(text[i]))) return true;
    return false;
}

// Edit positions to byte offsets of text and back, where the edit counts a
// double-byte character as one position.
int UnitsToBytes(const cString& text, int units) {
    size_t i = 0;
    for (int n = 0; n < units && i < text.size(); ++n)
        i += (IsSjisLead(static_cast<unsigned char>(text[i])) && i + 1 < text.size()) ? 2 : 1;
    return static_cast<int>(i);
}

int BytesToUnits(const cString& text, int bytes) {
    int n = 0;
    size_t i = 0;
    while (i < static_cast<size_t>(bytes) && i < text.size()) {
        i += (IsSjisLead(static_cast<unsigned char>(text[i])) && i + 1 < text.size()) ? 2 : 1;
        ++n;
    }
    return n;
}

}  // namespace

void GetItemText(HWND dlg, int id, cString* out, int maxBytes) {
    *out = WindowTextOf(GetDlgItem(dlg, id), maxBytes);
}

void SetItemText(HWND dlg, int id, const cString& text) {
    SetDlgItemTextA(dlg, id, text.c_str());
}

int CountTextChars(const cString& text) {
    int n = 0;
    size_t i = 0;
    while (i < text.size()) {
        unsigned char c = static_cast<unsigned char>(text[i]);
        if (IsSjisLead(c) && i + 1 < text.size() && IsSjisTrail(static_cast<unsigned char>(text[i + 1]))) {
            ++n;
            i += 2;
            continue;
        }
        if (c != '\n') ++n;
        ++i;
    }
    return n;
}

int FindInText(const cString& text, const char* pattern, int start) {
    std::string cut = text.substr(0, text.find('\0'));
    if (start < 0 || static_cast<size_t>(start) > cut.size()) return -1;
    size_t pos = cut.find(pattern, static_cast<size_t>(start));
    return pos == std::string::npos ? -1 : static_cast<int>(pos);
}

cCtrlEditStr::cCtrlEditStr()
    : m_lpData(nullptr), m_nBufSize(kDefaultBufSize), m_bCountChars(0),
      m_nLineChars(kDefaultLineChars), m_nLines(kDefaultLines), m_bSetting(0), m_nSelStart(0), m_nSelEnd(0),
      m_nExtra{0, 0, 0, 0} {
    m_nKind = kCtrlEditStr;
}

void cCtrlEditStr::Attach(cDlg* owner, const cCtrlEditStrParam& param) {
    m_nEditKind = kEditStr;
    cCtrl::Attach(owner, static_cast<int>(param.m_nId));
    m_lpData = param.m_lpData;
    m_nBufSize = param.m_nBufSize > 0 ? param.m_nBufSize : kDefaultBufSize;
    m_bCountChars = param.m_bCountChars;
    m_nLineChars = param.m_nLineChars > 0 ? param.m_nLineChars : kDefaultLineChars;
    m_nLines = param.m_nLines > 0 ? param.m_nLines : kDefaultLines;
    for (int i = 0; i < 4; ++i) m_nExtra[i] = param.m_nExtra[i];
    cString text = m_lpData ? *m_lpData : cString();
    SetText(text);
}

// Whether the edit's positions count double-byte characters once (rather
// than in bytes): its length in positions is shorter than the text in bytes.
bool cCtrlEditStr::CountsCharacters(const cString& text) const {
    if (!HasDoubleByte(text)) return false;
    int last = static_cast<int>(SendMessageA(m_hWnd, EM_GETLINECOUNT, 0, 0)) - 1;
    int start = static_cast<int>(SendMessageA(m_hWnd, EM_LINEINDEX, last < 0 ? 0 : last, 0));
    int length = start + static_cast<int>(SendMessageA(m_hWnd, EM_LINELENGTH, start, 0));
    return length < static_cast<int>(text.size());
}

int cCtrlEditStr::ReadSize() const {
    return m_bCountChars ? 2 * m_nBufSize - 1 : m_nBufSize;
}

int cCtrlEditStr::Length(const cString& text) const {
    return m_bCountChars ? CountTextChars(text) : static_cast<int>(text.size());
}

int cCtrlEditStr::MaxLineBytes() const {
    return m_bCountChars ? 2 * m_nLineChars : m_nLineChars;
}

// Shown as the program's own text, so the limiter takes it as the accepted
// text instead of undoing it as a user's edit.
void cCtrlEditStr::DataToCtrl() {
    if (m_lpData) SetText(*m_lpData);
}

void cCtrlEditStr::CtrlToData() {
    if (m_lpData) GetText(m_lpData);
}

void cCtrlEditStr::GetText(cString* out) {
    GetItemText(m_hOwner, m_nId, out, ReadSize());
}

void cCtrlEditStr::SetText(const cString& text) {
    // The edit's own change notification is not a user's edit.
    int busy = m_bBusy;
    m_bBusy = 1;
    SetItemText(m_hOwner, m_nId, text);
    m_bBusy = busy;
    m_strKept = text;
    m_bSetting = 1;
    OnChange();
    m_bSetting = 0;
}

// Wraps every line longer than the limit: the cut-off part starts the next
// line, taking the place of the line break that ended the line.
void cCtrlEditStr::Reflow(cString* text, int* s, int* e) const {
    size_t pos = 0;
    for (int line = 0; line < m_nLines && pos <= text->size(); ++line) {
        size_t end = text->find('\r', pos);
        if (end == std::string::npos) end = text->size();
        cString part = text->substr(pos, end - pos);
        if (Length(part) > m_nLineChars) {
            size_t keep = part.size();
            while (keep > 0 && (Length(part.substr(0, keep)) > m_nLineChars ||
                                static_cast<int>(keep) > MaxLineBytes()))
                --keep;
            keep = static_cast<size_t>(SjisSafeLength(part.data(), static_cast<int>(keep)));
            size_t cut = pos + keep;
            text->insert(cut, "\r\n");
            if (*s >= static_cast<int>(cut)) *s += 2;
            if (*e >= static_cast<int>(cut)) *e += 2;
            size_t old = text->find("\r\n", cut + 2);
            if (old != std::string::npos) {
                text->erase(old, 2);
                if (*s > static_cast<int>(old)) *s = std::max(static_cast<int>(old), *s - 2);
                if (*e > static_cast<int>(old)) *e = std::max(static_cast<int>(old), *e - 2);
            }
            end = cut;
        }
        if (end >= text->size()) break;
        pos = end + 2;
    }
}

void cCtrlEditStr::OnChange() {
    if (m_bBusy) return;
    m_bBusy = 1;
    cString text;
    GetItemText(m_hOwner, m_nId, &text, ReadSize());
    DWORD s0 = 0, e0 = 0;
    SendMessageA(m_hWnd, EM_GETSEL, reinterpret_cast<WPARAM>(&s0), reinterpret_cast<LPARAM>(&e0));
    int s = static_cast<int>(s0), e = static_cast<int>(e0);
    if (CountsCharacters(text)) {
        s = UnitsToBytes(text, s);
        e = UnitsToBytes(text, e);
    }
    m_nSelStart = s;
    m_nSelEnd = e;

    bool refused = false;
    // Backspace that joins a line onto the line before it.
    if ((GetAsyncKeyState(VK_BACK) & 0x8000) && s == e && m_strKept.size() == text.size() + 2 &&
        CountLines(m_strKept) > CountLines(text)) {
        cString before = m_strKept.substr(0, std::min(static_cast<size_t>(e), m_strKept.size()));
        size_t cr = before.rfind('\r');
        if (cr != std::string::npos) before = before.substr(cr);
        if (Length(before) >= m_nLineChars) {
            text = m_strKept;
            refused = true;
        }
    }

    if (!refused) {
        Reflow(&text, &s, &e);
        if (CountLines(text) > m_nLines) {
            if (m_bSetting) {
                text = m_strKept;
                while (!text.empty() && (Length(text) > m_nLineChars ||
                                         static_cast<int>(text.size()) > MaxLineBytes()))
                    text.pop_back();
                TrimCut(&text);
            } else {
                text = m_strKept;
                s = m_nSelStart;
                e = m_nSelEnd;
            }
        }
        // A caret between CR and LF goes after the LF.
        if (s >= 0 && s < static_cast<int>(text.size()) && text[s] == '\n') ++s;
        if (e >= 0 && e < static_cast<int>(text.size()) && text[e] == '\n') ++e;
        text = text.substr(0, text.find('\0'));
        int len = static_cast<int>(text.size());
        s = std::max(0, std::min(s, len));
        e = std::max(0, std::min(e, len));
    }

    SetItemText(m_hOwner, m_nId, text);
    if (!m_bSetting) {
        if (CountsCharacters(text)) {
            s = BytesToUnits(text, s);
            e = BytesToUnits(text, e);
        }
        SendMessageA(m_hWnd, EM_SETSEL, s, e);
    }
    m_strKept = text;
    m_bBusy = 0;
}
