// The character sheet's second page (dialog 200, "2"): how the character
// looks (graphic, shift, animation set, depth, transparency, start and death
// effects, mark, fixed facing, auto-scroll synchronisation) and its state
// (flight, invincibility, acting as a block, size, sight).
#pragma once

#include <cstdint>

#include "base/containers.h"
#include "objedit/charapage_sub.h"
#include "ui/ctrlcombo.h"
#include "ui/ctrleditval.h"
#include "ui/dlghelpers.h"

class cCharaPageGraphic : public cCharaSubPage {
public:
    cCharaPageGraphic(int templateId, cDlg* parent, int kind, cWndRegistry* registry);
    ~cCharaPageGraphic() override;

    void Draw() override;
    // The record the previews show: the working copy with the graphic, shift,
    // animation set, state and mark values the controls show now.
    cEdChara Shown();

    cVector<cString> m_AnimeSets;
    cVector<cString> m_CharaEffects;
    cVector<cCtrlComboItem<int8_t>> m_Combos;
    cVector<cCtrlComboItem<int16_t>> m_Lists;
    cVector<cCtrlEditValItem<int16_t>> m_Shorts;
    cVector<cCtrlEditValItem<int8_t>> m_Bytes;
    cVector<cCtrlCheckItem<int8_t>> m_Checks;
    cCtrlHandler<cCharaPageGraphic> m_Handlers[11];

protected:
    void FillParams() override;
    void AttachOwn(bool enter) override;
    void RunHandlers() override;
    bool OwnCommand(WPARAM wp) override;

private:
    void OnSheetChanged();
    void OnMarkChanged();
    void OnPick();
    void OnMarkPick();
    void OnRedraw();
    void ControlRule();
    void OnSightChanged() { ControlRule(); }
    void OnStateChanged();
};
