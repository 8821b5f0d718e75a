// Pieces shared by the presentation command pages (animations, effects,
// pictures, screen colour, backgrounds, sounds and music): the database
// choice lists of their combo boxes. Every list text is "001 name".
#pragma once

#include "base/containers.h"
#include "base/str.h"

// The combo offset of the lists that start at record 1: the stored value is
// the record index, the list position is one less.
const int kChoiceFromRecord1 = 1;

// Animation sets from record 0, numbered from 001 (record 0 is "001").
void MakeAnimeSetChoices(cVector<cString>* out);
// Animations from record 1 (offset kChoiceFromRecord1).
void MakeAnimeChoices(cVector<cString>* out);
// Effects from record 0; record 0 is "エフェクトの消去".
void MakeEffectChoices(cVector<cString>* out);
// Character effects from record 0; record 0 is "なし".
void MakeCharaEffectChoices(cVector<cString>* out);
// Screen effects from record 0; record 0 is "なし".
void MakeScrEffectChoices(cVector<cString>* out);
// Pictures from record 0; record 0 is "ピクチャーの消去".
void MakePictureChoices(cVector<cString>* out);
// Sound effects from record 1 (offset kChoiceFromRecord1).
void MakeSoundChoices(cVector<cString>* out);
// Background music from record 0; record 0 is "BGMの停止".
void MakeBgmChoices(cVector<cString>* out);
