// Word tables of the command and condition texts: the character variables,
// the calculations of status operations, the comparisons and the outcome
// words of conditions. Each ends with an empty string.
#pragma once

extern const char* const g_ChaVarNames[];   // character variable v (1 .. 8) is entry v - 1
extern const char* const g_CalcWord[];
extern const char* const g_CompareWord[];
extern const char* const g_CondThenWord[];

// Entry index of a string table ended by an empty string, or "" when index
// is negative or past the last entry.
const char* TableWord(const char* const* table, int index);
