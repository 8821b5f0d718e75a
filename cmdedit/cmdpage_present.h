// Pieces shared by the presentation command pages (animations, effects,
// pictures, screen colour, backgrounds, sounds and music): the database
// choice lists of their combo boxes. Every list text is "001 name".
#pragma once

#include <windows.h>

#include <cstdint>
#include <type_traits>

#include "base/containers.h"
#include "base/str.h"
#include "ui/dlg.h"

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

// Stores every bound control of the page into its data, except that a combo
// box that selects nothing (its stored record lies beyond the list, e.g. a
// record of a shorter database table) keeps the value it had instead of
// taking -1 plus its offset.
template <class D, class V>
void StoreCtrlsKeepingUnlisted(D* dlg, V& combos) {
    const int n = static_cast<int>(combos.size());
    cVector<int> unlisted(static_cast<size_t>(n), 0);
    cVector<int32_t> kept(static_cast<size_t>(n), 0);
    for (int i = 0; i < n; ++i) {
        auto& combo = combos[i].m_Ctrl;
        if (!combo.m_lpData || SendMessageA(combo.m_hWnd, CB_GETCURSEL, 0, 0) >= 0) continue;
        unlisted[i] = 1;
        kept[i] = static_cast<int32_t>(*combo.m_lpData);
    }
    dlg->CtrlsToData();
    for (int i = 0; i < n; ++i) {
        auto* data = combos[i].m_Ctrl.m_lpData;
        if (unlisted[i]) *data = static_cast<typename std::remove_pointer<decltype(data)>::type>(kept[i]);
    }
}

// The OK of a page with such combo boxes: stores the page's controls as
// above and gives true; any other command (or one the page refuses) is left
// to the caller and gives false.
template <class D, class V>
bool StoreOnOkKeepingUnlisted(D* dlg, WPARAM wp, LPARAM lp, V& combos) {
    if (LOWORD(wp) != kIdOk || !dlg->AllowCommand(wp)) return false;
    dlg->cDlg::OnCommand(wp, lp);
    StoreCtrlsKeepingUnlisted(dlg, combos);
    return true;
}
