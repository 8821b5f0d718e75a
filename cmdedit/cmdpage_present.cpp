#include "cmdedit/cmdpage_present.h"

#include "model/database.h"
#include "ui/dlghelpers.h"

namespace {

const int kDigits = 3;

}  // namespace

void MakeAnimeSetChoices(cVector<cString>* out) { MakeTableNameList(out, g_Database.m_AnimeSet, nullptr, 0, kDigits, 1); }

void MakeAnimeChoices(cVector<cString>* out) { MakeTableNameList(out, g_Database.m_Anime, nullptr, 1, kDigits, 0); }

void MakeEffectChoices(cVector<cString>* out) {
    MakeTableNameList(out, g_Database.m_Effect, "エフェクトの消去", 0, kDigits, 0);
}

void MakeCharaEffectChoices(cVector<cString>* out) {
    MakeTableNameList(out, g_Database.m_CharaEffect, "なし", 0, kDigits, 0);
}

void MakeScrEffectChoices(cVector<cString>* out) { MakeTableNameList(out, g_Database.m_ScrEffect, "なし", 0, kDigits, 0); }

void MakePictureChoices(cVector<cString>* out) {
    MakeTableNameList(out, g_Database.m_Picture, "ピクチャーの消去", 0, kDigits, 0);
}

void MakeSoundChoices(cVector<cString>* out) { MakeTableNameList(out, g_Database.m_Sound, nullptr, 1, kDigits, 0); }

void MakeBgmChoices(cVector<cString>* out) { MakeTableNameList(out, g_Database.m_Bgm, "BGMの停止", 0, kDigits, 0); }
