// The character sheet's third page (dialog 143, "3"): the character's
// abilities (hit and skill points, body attack, defence, impact resistance,
// stopping under inertia), its action condition (activity range, group) and
// what it gives when defeated (score, the item of its cell).
#pragma once

#include <cstdint>

#include "base/containers.h"
#include "objedit/charapage_sub.h"
#include "ui/ctrlcombo.h"
#include "ui/ctrleditval.h"
#include "ui/dlghelpers.h"

class cCharaPageStatus : public cCharaSubPage {
public:
    cCharaPageStatus(int templateId, cDlg* parent, int kind, cWndRegistry* registry);
    ~cCharaPageStatus() override;

    void Draw() override;

    cVector<cString> m_Effects;
    cVector<cCtrlComboItem<int8_t>> m_Combos;
    cVector<cCtrlComboItem<int16_t>> m_Lists;
    cVector<cCtrlEditValItem<int32_t>> m_Ints;
    cVector<cCtrlEditValItem<int16_t>> m_Shorts;
    cVector<cCtrlEditValItem<int8_t>> m_Bytes;
    cVector<cCtrlCheckItem<int8_t>> m_Checks;
    cCtrlHandler<cCharaPageStatus> m_Handlers[3];

protected:
    void FillParams() override;
    void AttachOwn(bool enter) override;
    void RunHandlers() override;
    bool OwnCommand(WPARAM wp) override;

private:
    void ControlRule();
    void OnRangeChanged();
    void OnGroupChanged();
    void OnNothing() {}
};
