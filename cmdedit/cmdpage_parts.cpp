#include "cmdedit/cmdpage_parts.h"

#include "app/services.h"
#include "model/database.h"
#include "model/palette.h"
#include "ui/dlghelpers.h"

void MakeAnimeList(cVector<cString>* out) { MakeTableNameList(out, g_Database.m_Anime, "なし", 0, 2, 0); }

void MakeSoundList(cVector<cString>* out) { MakeTableNameList(out, g_Database.m_Sound, "なし", 0, 2, 0); }

void MakeEffectList(cVector<cString>* out) { MakeTableNameList(out, g_Database.m_Effect, "なし", 0, 2, 0); }

void MakeSwordTypeList(cVector<cString>* out) { MakeTableNameList(out, g_Database.m_SwordType, nullptr, 0, 2, 0); }

void RefreshParamRows(cDlg* dlg, cVector<cCtrlEditValItem<int16_t>>& edits, const int editIds[3],
                      const int labelIds[3], const cParamRow* rows, int rowCount, int sel, int* prev) {
    if (sel < 0 || 3 * sel + 2 >= rowCount) return;
    const bool changed = *prev != kNoParamRow && *prev != sel;
    for (int i = 0; i < 3; ++i) {
        const cParamRow& row = rows[3 * sel + i];
        const bool used = row.m_Label[0] != 0;
        SetDlgItemTextA(dlg->m_hWnd, labelIds[i], row.m_Label);
        auto* item = FindCtrl(edits, editIds[i]);
        if (!item) continue;
        cCtrlEditVal<int16_t>& edit = item->m_Ctrl;
        edit.SetRange(row.m_nMin, row.m_nMax);
        edit.SetValue(changed ? row.m_nDefault : edit.GetValue());
        edit.Enable(used ? 1 : 0);
    }
    *prev = sel;
}

void MakeItemList(cVector<cString>* out, int palette) {
    out->clear();
    if (palette == 1) MakePaletteNameList(out, g_CommonPalette.m_Items);
    if (palette == 2) MakePaletteNameList(out, g_Stage.m_PalItems);
}

void MakeSummonList(cVector<cString>* out, int kind, int palette) {
    out->clear();
    const bool stage = palette == 1;
    if (palette != 0 && palette != 1) return;
    switch (kind) {
        case 0: MakePaletteNameList(out, stage ? g_Stage.m_PalBlocks : g_CommonPalette.m_Blocks); break;
        case 1: MakePaletteNameList(out, stage ? g_Stage.m_PalCharas : g_CommonPalette.m_Charas); break;
        case 2: MakePaletteNameList(out, stage ? g_Stage.m_PalItems : g_CommonPalette.m_Items); break;
    }
}
