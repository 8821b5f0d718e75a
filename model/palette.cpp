#include "model/palette.h"

#include "base/paths.h"
#include "model/prjoption.h"

const cString g_CommonPalettePath = "data\\CommonPalette.cplt4";
const cString g_CommonPaletteDefaultPath = "default\\CommonPalette.cplt4";

cEdCommonPalette::cEdCommonPalette() {
    Declare(248);
    SetDefault();
}

cEdCommonPalette::~cEdCommonPalette() {
    m_Items.clear();
    m_Charas.clear();
    m_Blocks.clear();
}

void cEdCommonPalette::SetDefault() {
    Clear();
    m_Blocks.Reset(1);
    m_Charas.Reset(1);
    m_Items.Reset(1);
}

void cEdCommonPalette::Declare(uint32_t) {
    ResetDeclare();
}

namespace {

// Gives a kind its empty entry 0 and the project's default as entry 1.
template <class T>
void CompleteKind(cVector<T>& v, const T& projectDefault) {
    if (v.size() >= 2) return;
    v.resize(2);
    v[1] = projectDefault;
}

template <class T>
void ResetEntries(cVector<T>& v) {
    if (!v.empty()) v[0].SetDefault();
    for (auto& e : v) e.m_bbInherit.Fill(0);
}

template <class T>
void ValidateAll(cVector<T>& v) {
    for (auto& e : v) {
        e.Validate();
        e.ValidateRefs();
    }
}

}  // namespace

void cEdCommonPalette::Validate() {
    CompleteKind(m_Blocks, g_PrjOption.m_DefBlock);
    CompleteKind(m_Charas, g_PrjOption.m_DefChara);
    CompleteKind(m_Items, g_PrjOption.m_DefItem);
    ValidateAll(m_Blocks);
    ValidateAll(m_Charas);
    ValidateAll(m_Items);
}

void cEdCommonPalette::Read(cRecFile* f) {
    cSerialRecord::Read(f);
    ReadVector(m_Blocks, f);
    ReadVector(m_Charas, f);
    ReadVector(m_Items, f);
    ResetEntries(m_Blocks);
    ResetEntries(m_Charas);
    ResetEntries(m_Items);
    Validate();
}

void cEdCommonPalette::Write(cRecFile* f) {
    Validate();
    cSerialRecord::Write(f);
    WriteVector(m_Blocks, f);
    WriteVector(m_Charas, f);
    WriteVector(m_Items, f);
}

eLoadSource LoadCommonPalette() {
    CreateFoldersOf(g_CommonPalettePath.c_str());
    return LoadProjectFile(g_CommonPalette, g_CommonPalettePath.c_str(), g_CommonPaletteDefaultPath.c_str());
}
