// The expression language of the code command ("コードの実行"): integer
// arithmetic on constants, character status values, system values and
// common or stage variables, with an assignment, e.g. "hp = hp + 10".
//
// The editor only checks a code: it parses it and evaluates it once on a
// scratch value that stands for every variable, and reports each problem it
// meets. The evaluation is a pure function of the text, the random source
// and the scratch start value; nothing outside the evaluator is written.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "base/str.h"

// Vocabulary, each table ended by an empty string.
extern const char* const g_ExprOp[];         // "=", "+", "-", "*", "/", "%"
extern const char* const g_ExprObj[];        // "my", "tg", "pl", "sys"
extern const char* const g_ExprVarPrefix[];  // "C", "S"
extern const char* const g_ExprVar[];        // "v1" .. "v8", "hp", ... "getsc"
extern const char* const g_ExprSysVar[];     // "time", "scrlx", "scrly", "score", "life"
extern const char* const g_ExprFunc[];       // "rand"

enum eExprTokenKind {
    kExprConst = 0,
    kExprVariable = 1,   // common or stage variable
    kExprObjVar = 2,     // status of a character
    kExprSysVar = 3,
    kExprOperator = 4,
};

// One word of a flat expression.
struct cExprToken {
    int m_nKind = kExprConst;
    int32_t m_nValue = 0;          // a constant's value; a variable reads its target
    int32_t* m_pTarget = nullptr;  // what an assignment to the token writes; none for constants
    int32_t m_nMin = -999999;
    int32_t m_nMax = 999999;
    int m_nOp = 0;                 // row of g_ExprOp, for operators
};

// Source of pseudo-random integers from 0 to 32767.
typedef std::function<int()> ExprRandom;

// The scratch value that variables read before any assignment: a variable
// divisor then does not count as a division by zero.
const int32_t kExprScratchStart = 1;

// One check of a code.
class cExprEval {
public:
    explicit cExprEval(ExprRandom random, int32_t scratch = kExprScratchStart);

    // Substitutes groups and calls by their values, then evaluates the rest
    // flat. Recursive.
    int32_t ExprEval(const cString& text);
    // Evaluates an expression without groups or calls.
    int32_t ExprEvalFlat(const cString& text);

    // Every message reported, in order; the check passed when there is none.
    const std::vector<cString>& Messages() const { return m_Messages; }
    bool Passed() const { return m_Messages.empty(); }
    // The values the assignments wrote, in order.
    const std::vector<int32_t>& Writes() const { return m_Writes; }
    int32_t Scratch() const { return m_nScratch; }

private:
    void Report(const char* fmt, const char* arg);
    int32_t EvalAt(const cString& text, int depth);
    bool Classify(const cString& word, cExprToken* token);
    int32_t Reduce(std::vector<cExprToken>& tokens, const cString& text, bool* failed);

    ExprRandom m_Random;
    int32_t m_nScratch;
    std::vector<cString> m_Messages;
    std::vector<int32_t> m_Writes;
};

// What one check found.
struct cExprCheck {
    bool m_bPassed = true;
    int32_t m_nValue = 0;
    std::vector<cString> m_Messages;
    std::vector<int32_t> m_Writes;
};

// Checks a code: evaluates it once and gathers what was reported.
cExprCheck CheckExpr(const cString& text, const ExprRandom& random, int32_t scratch = kExprScratchStart);

// Set to 1 by every error that CheckCode reports; 0 before a check.
extern int g_ExprError;

// The check of the code page: clears g_ExprError, evaluates the text with
// the program's random numbers and shows each message through report (the
// page shows them in boxes captioned "エラー"). True when nothing was
// reported.
bool CheckCode(const cString& text, const std::function<void(const cString&)>& report);
