// The pages that run an effect ("エフェクトの実行"), a character effect
// ("キャラエフェクトの実行") and a screen effect ("画面エフェクトの実行").
// Their settings are the command's integer parameters.
#pragma once

#include <cstdint>

#include "base/containers.h"
#include "cmdedit/cmd_dlg.h"
#include "ui/ctrlcheck.h"
#include "ui/ctrlcombo.h"
#include "ui/ctrleditval.h"

// The effect, where it shows (with the coordinates and the shift), its
// scale, and whether the flow waits for it ("一時停止", which OK turns into
// the parallel flag). Choosing "エフェクトの消去" greys out the rest.
class cCmdDlgEffect : public cCmdDlg {
public:
    cCmdDlgEffect(int templateId, cDlg* parent, int kind, const cEditReq* req, cWndRegistry* registry,
                  cCtrl* ownerCtrl, int centre);
    ~cCmdDlgEffect() override;

    void OnInitDialog(WPARAM wp, LPARAM lp) override;
    void OnCommand(WPARAM wp, LPARAM lp) override;
    void UpdateCtrls() override;

    cVector<cString> m_Effects;
    cVector<cString> m_Positions;
    cVector<cCtrlComboItem<int32_t>> m_Combos;
    cVector<cCtrlEditValItem<int32_t>> m_Values;
    cVector<cCtrlCheckItem<int32_t>> m_Checks;
};

// The common layout of the character effect and screen effect pages: the
// record (from 0, record 0 "なし"), the execution type and the loop flag.
class cCmdDlgEffectRun : public cCmdDlg {
public:
    typedef void (*ChoiceMaker)(cVector<cString>* out);
    cCmdDlgEffectRun(int templateId, cDlg* parent, int kind, const cEditReq* req, cWndRegistry* registry,
                     cCtrl* ownerCtrl, int centre, int effectId, ChoiceMaker makeChoices);
    ~cCmdDlgEffectRun() override;

    void OnInitDialog(WPARAM wp, LPARAM lp) override;
    void OnCommand(WPARAM wp, LPARAM lp) override;

    cVector<cString> m_Effects;
    cVector<cString> m_ExecTypes;
    cVector<cCtrlComboItem<int32_t>> m_Combos;
    cVector<cCtrlCheckItem<int32_t>> m_Checks;
};

class cCmdDlgCharaEffect : public cCmdDlgEffectRun {
public:
    cCmdDlgCharaEffect(int templateId, cDlg* parent, int kind, const cEditReq* req, cWndRegistry* registry,
                       cCtrl* ownerCtrl, int centre);
    ~cCmdDlgCharaEffect() override;
};

class cCmdDlgScrEffect : public cCmdDlgEffectRun {
public:
    cCmdDlgScrEffect(int templateId, cDlg* parent, int kind, const cEditReq* req, cWndRegistry* registry,
                     cCtrl* ownerCtrl, int centre);
    ~cCmdDlgScrEffect() override;
};
