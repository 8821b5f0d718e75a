// Kinds of character effects and screen effects, with the labels, input
// ranges and defaults of their five parameters.
//
// An effect record stores only its kind and five parameters. Kind 0 means no
// effect (entry 0 of an effect table); kind k from 1 is named by entry k - 1
// of its kind-name table and described by rows 5k .. 5k + 4 of its parameter
// table, row 5k + j - 1 for parameter slot j (1 to 5). A slot with an empty
// label is not used by the kind; its range and default are 0.
#pragma once

#include <cstdint>

#include "base/str.h"

struct EffectParamInfo {
    cString m_Label;    // empty when the kind has no parameter in this slot
    int16_t m_Min;      // lowest value accepted
    int16_t m_Max;      // highest value accepted
    int32_t m_Default;  // the value taken when the kind is chosen

    EffectParamInfo(const char* label, int16_t min, int16_t max, int32_t def)
        : m_Label(label), m_Min(min), m_Max(max), m_Default(def) {}
};

const int kEffectParamCount = 5;
const int kCharaEffectKindCount = 16;
const int kScrEffectKindCount = 13;

// Kind names in kind order, ended by "".
extern const cString g_CharaEffectKind[kCharaEffectKindCount + 1];
extern const cString g_ScrEffectKind[kScrEffectKindCount + 1];
// One group of five rows per kind, kind 0 included.
extern const EffectParamInfo g_CharaEffectParam[(kCharaEffectKindCount + 1) * kEffectParamCount];
extern const EffectParamInfo g_ScrEffectParam[(kScrEffectKindCount + 1) * kEffectParamCount];

enum eEffectFamily {
    kCharaEffectFamily,  // the CharaEffect table
    kScrEffectFamily,    // the ScrEffect table
};

// Checked lookups for kinds read from files: a kind that is not in the table
// (negative or past the last kind) has no name and a group of unused slots,
// like kind 0.
int EffectKindCount(eEffectFamily family);
const cString& EffectKindName(eEffectFamily family, int kind);
// slot is 1 to 5; any other slot gives an unused row.
const EffectParamInfo& EffectParamRow(eEffectFamily family, int kind, int slot);
// Sets the five parameters to the kind's defaults (each as a 16-bit value),
// unused slots included: what choosing another kind does to an entry.
void SetEffectKindDefaults(eEffectFamily family, int kind, int32_t* params);
