#include "cmdedit/expr.h"

#include <climits>
#include <cstdlib>
#include <cstring>
#include <utility>

const char* const g_ExprOp[] = {"=", "+", "-", "*", "/", "%", ""};
const char* const g_ExprObj[] = {"my", "tg", "pl", "sys", ""};
const char* const g_ExprVarPrefix[] = {"C", "S", ""};
const char* const g_ExprVar[] = {
    "v1", "v2", "v3", "v4", "v5", "v6", "v7", "v8", "hp", "sp", "mhp", "msp",
    "cid", "z", "mark", "sight", "power", "imp", "def", "impd", "stop", "getsc", "",
};
const char* const g_ExprSysVar[] = {"time", "scrlx", "scrly", "score", "life", ""};
const char* const g_ExprFunc[] = {"rand", ""};

int g_ExprError = 0;

namespace {

// Operator levels by row of g_ExprOp: level 0 is reduced first.
const int kOpLevel[] = {2, 1, 1, 0, 0, 0};
const int kOpAssign = 0, kOpAdd = 1, kOpSub = 2, kOpMul = 3, kOpDiv = 4, kOpMod = 5;

// Groups and calls nest at most this deep (a code of 100 characters nests
// 50 deep at most); deeper text is not evaluated.
const int kMaxDepth = 200;

const char* const kMsgParen = "\")\"が見つかりません！";
const char* const kMsgArgs = "関数 %s の引数が不正です！";
const char* const kMsgConst = "定数 \"%s\" が認識できません！";
const char* const kMsgObject = "オブジェクト \"%s.\" が認識できません！";
const char* const kMsgDivide = "0除算が行われました！(%s)";

// Row of a table whose entry equals word, or -1.
int FindRow(const char* const* table, const cString& word) {
    for (int i = 0; table[i][0] != '\0'; ++i) {
        if (word == table[i]) return i;
    }
    return -1;
}

bool StartsLikePrefix(const cString& word) {
    for (int i = 0; g_ExprVarPrefix[i][0] != '\0'; ++i) {
        if (word[0] == g_ExprVarPrefix[i][0]) return true;
    }
    return false;
}

// Digits "0" to "9", the first character possibly "-" or "+". The value of
// a number past the 32-bit range is the nearest end of the range.
bool ReadConstant(const cString& word, int32_t* value) {
    size_t i = (word[0] == '-' || word[0] == '+') ? 1 : 0;
    if (i == word.size()) return false;
    int64_t v = 0;
    for (size_t k = i; k < word.size(); ++k) {
        const char c = word[k];
        if (c < '0' || c > '9') return false;
        if (v <= INT64_C(1) << 32) v = v * 10 + (c - '0');
    }
    if (word[0] == '-') v = -v;
    if (v > INT32_MAX) v = INT32_MAX;
    if (v < INT32_MIN) v = INT32_MIN;
    *value = static_cast<int32_t>(v);
    return true;
}

cString DecimalText(int32_t v) {
    cString s;
    s.Format("%d", v);
    return s;
}

// The text with [from, to) replaced by the decimal value.
cString Substitute(const cString& e, size_t from, size_t to, int32_t value) {
    return cString(e.substr(0, from)) + DecimalText(value) + cString(e.substr(to));
}

// Index of the ")" that closes the "(" at open, or npos.
size_t FindPartner(const cString& e, size_t open) {
    int depth = 0;
    for (size_t k = open + 1; k < e.size(); ++k) {
        if (e[k] == '(') {
            ++depth;
        } else if (e[k] == ')') {
            if (depth == 0) return k;
            --depth;
        }
    }
    return cString::npos;
}

// The value of a token: a variable reads the scratch value it stands on
// now, so an assignment changes what later reductions read.
int32_t ValueOf(const cExprToken& t) {
    return t.m_pTarget ? *t.m_pTarget : t.m_nValue;
}

// Signed 32-bit arithmetic that wraps on overflow.
int32_t Wrap(uint32_t v) {
    return static_cast<int32_t>(v);
}

}  // namespace

cExprEval::cExprEval(ExprRandom random, int32_t scratch) : m_Random(std::move(random)), m_nScratch(scratch) {}

void cExprEval::Report(const char* fmt, const char* arg) {
    cString msg;
    if (arg) {
        msg.Format(fmt, arg);
    } else {
        msg = fmt;
    }
    m_Messages.push_back(msg);
}

int32_t cExprEval::ExprEval(const cString& text) {
    return EvalAt(text, 0);
}

int32_t cExprEval::EvalAt(const cString& text, int depth) {
    if (depth > kMaxDepth) {
        Report(kMsgParen, nullptr);
        return 0;
    }
    // The text ends at its first NUL, as the edit control's text does.
    cString e(text.c_str());
    size_t start = 0;
    size_t i = 0;
    while (i < e.size()) {
        const char c = e[i];
        if (c == ' ') {
            start = i + 1;
            ++i;
            continue;
        }
        if (c != '(') {
            ++i;
            continue;
        }
        const size_t partner = FindPartner(e, i);
        if (partner == cString::npos) {
            Report(kMsgParen, nullptr);
            return 0;
        }
        if (i == start) {
            // a group
            const int32_t v = EvalAt(cString(e.substr(i + 1, partner - i - 1)), depth + 1);
            e = Substitute(e, start, partner + 1, v);
            i = start;
            continue;
        }
        const cString word(e.substr(start, i - start));
        const int func = FindRow(g_ExprFunc, word);
        if (func < 0) {
            ++i;
            continue;
        }
        // a call: its arguments, each evaluated on its own
        std::vector<int32_t> args;
        cString arg;
        int nest = 0;
        size_t end = partner;
        for (size_t k = i + 1; k <= partner; ++k) {
            const char a = e[k];
            if (nest == 0 && (a == ',' || a == ')')) {
                if (!arg.empty()) args.push_back(EvalAt(arg, depth + 1));
                arg.clear();
                if (a == ')') {
                    end = k;
                    break;
                }
                continue;
            }
            if (a == '(') ++nest;
            if (a == ')') --nest;
            arg += a;
        }
        if (args.size() != 2) {
            Report(kMsgArgs, g_ExprFunc[func]);
            return 0;
        }
        const int32_t lo = args[0] < args[1] ? args[0] : args[1];
        const int32_t hi = args[0] < args[1] ? args[1] : args[0];
        // hi - lo + 1 values; 0 stands for all 2^32 of them
        const uint32_t span = static_cast<uint32_t>(hi) - static_cast<uint32_t>(lo) + 1u;
        const uint32_t r = static_cast<uint32_t>(m_Random ? m_Random() : 0);
        const int32_t v = Wrap((span == 0 ? r : r % span) + static_cast<uint32_t>(lo));
        e = Substitute(e, start, end + 1, v);
        i = start;
    }
    return ExprEvalFlat(e);
}

bool cExprEval::Classify(const cString& word, cExprToken* t) {
    *t = cExprToken();
    int row = FindRow(g_ExprOp, word);
    if (row >= 0) {
        t->m_nKind = kExprOperator;
        t->m_nOp = row;
        return true;
    }
    if (StartsLikePrefix(word)) {
        t->m_nKind = kExprVariable;
        t->m_nValue = m_nScratch;
        t->m_pTarget = &m_nScratch;
        return true;
    }
    if (FindRow(g_ExprVar, word) >= 0 || FindRow(g_ExprSysVar, word) >= 0) {
        t->m_nKind = FindRow(g_ExprVar, word) >= 0 ? kExprObjVar : kExprSysVar;
        t->m_nValue = m_nScratch;
        t->m_pTarget = &m_nScratch;
        t->m_nMin = 0;
        t->m_nMax = INT32_MAX;
        return true;
    }
    if (ReadConstant(word, &t->m_nValue)) return true;
    Report(kMsgConst, word.CStr());
    return false;
}

int32_t cExprEval::ExprEvalFlat(const cString& input) {
    const cString text(input.c_str());
    std::vector<cExprToken> tokens;
    cString word;
    for (size_t i = 0; i <= text.size(); ++i) {
        const char c = i < text.size() ? text[i] : '\0';
        if (c == '.') {
            if (FindRow(g_ExprObj, word) < 0) {
                Report(kMsgObject, word.CStr());
                return 0;
            }
            word.clear();
        } else if (c == ' ' || c == '\0') {
            if (word.empty()) continue;
            cExprToken t;
            if (!Classify(word, &t)) return 0;
            tokens.push_back(t);
            word.clear();
        } else {
            word += c;
        }
    }
    bool failed = false;
    const int32_t v = Reduce(tokens, text, &failed);
    return failed ? 0 : v;
}

// Reduces operators level by level, each level from the left. An operator
// without an operand on a side (at an end, or beside another operator) is
// reported as an unknown constant: its word stands where an operand should.
int32_t cExprEval::Reduce(std::vector<cExprToken>& tokens, const cString& text, bool* failed) {
    int32_t result = 0;
    bool reduced = false;
    for (int level = 0; level <= 2; ++level) {
        for (;;) {
            size_t j = 0;
            while (j < tokens.size() && !(tokens[j].m_nKind == kExprOperator && kOpLevel[tokens[j].m_nOp] == level)) ++j;
            if (j == tokens.size()) break;
            const int op = tokens[j].m_nOp;
            if (j == 0 || j + 1 >= tokens.size() || tokens[j - 1].m_nKind == kExprOperator ||
                tokens[j + 1].m_nKind == kExprOperator) {
                Report(kMsgConst, g_ExprOp[op]);
                *failed = true;
                return 0;
            }
            const cExprToken& left = tokens[j - 1];
            const int32_t l = ValueOf(left);
            const int32_t r = ValueOf(tokens[j + 1]);
            int32_t v = 0;
            switch (op) {
            case kOpAdd:
                v = Wrap(static_cast<uint32_t>(l) + static_cast<uint32_t>(r));
                break;
            case kOpSub:
                v = Wrap(static_cast<uint32_t>(l) - static_cast<uint32_t>(r));
                break;
            case kOpMul:
                v = Wrap(static_cast<uint32_t>(static_cast<int64_t>(l) * r));
                break;
            case kOpDiv:
            case kOpMod:
                if (r == 0) {
                    Report(kMsgDivide, text.CStr());
                    *failed = true;
                    return 0;
                }
                if (l == INT32_MIN && r == -1) {
                    v = (op == kOpDiv) ? INT32_MIN : 0;  // the quotient wraps
                } else {
                    v = (op == kOpDiv) ? l / r : l % r;
                }
                break;
            case kOpAssign:
            default:
                v = r < left.m_nMin ? left.m_nMin : (r > left.m_nMax ? left.m_nMax : r);
                // a left side that is no variable (a constant, a result) has
                // nothing to write
                if (left.m_pTarget) {
                    *left.m_pTarget = v;
                    m_Writes.push_back(v);
                }
                break;
            }
            cExprToken t;
            t.m_nValue = v;
            tokens.erase(tokens.begin() + static_cast<std::ptrdiff_t>(j - 1), tokens.begin() + static_cast<std::ptrdiff_t>(j + 2));
            tokens.insert(tokens.begin() + static_cast<std::ptrdiff_t>(j - 1), t);
            result = v;
            reduced = true;
        }
    }
    if (reduced) return result;
    return tokens.empty() ? 0 : ValueOf(tokens.back());
}

cExprCheck CheckExpr(const cString& text, const ExprRandom& random, int32_t scratch) {
    cExprEval eval(random, scratch);
    cExprCheck check;
    check.m_nValue = eval.ExprEval(text);
    check.m_bPassed = eval.Passed();
    check.m_Messages = eval.Messages();
    check.m_Writes = eval.Writes();
    return check;
}

bool CheckCode(const cString& text, const std::function<void(const cString&)>& report) {
    g_ExprError = 0;
    cExprEval eval([] { return std::rand() & 0x7FFF; });
    eval.ExprEval(text);
    for (const cString& msg : eval.Messages()) {
        g_ExprError = 1;
        if (report) report(msg);
    }
    return g_ExprError == 0;
}
