// The pages of the sound effect command ("効果音の再生") and of the
// background music command ("BGMの再生"). The sound page plays the chosen
// effect as soon as it is chosen; the music page plays the chosen music on
// "再生" until the page closes.
#pragma once

#include <cstdint>

#include "base/containers.h"
#include "cmdedit/cmd_dlg.h"
#include "ui/ctrlbutton.h"
#include "ui/ctrlcheck.h"
#include "ui/ctrlcombo.h"

// The sound effect (a Sound record from 1) and whether it stays silent
// while the character is off the screen (the command's own flag).
class cCmdDlgSound : public cCmdDlg {
public:
    cCmdDlgSound(int templateId, cDlg* parent, int kind, const cEditReq* req, cWndRegistry* registry,
                 cCtrl* ownerCtrl, int centre);
    ~cCmdDlgSound() override;

    void OnInitDialog(WPARAM wp, LPARAM lp) override;
    void OnCommand(WPARAM wp, LPARAM lp) override;

    cVector<cString> m_Sounds;
    cVector<cCtrlComboItem<int32_t>> m_Combos;
    cVector<cCtrlCheckItem<int8_t>> m_Checks;
};

// The music (a Bgm record; record 0 stops the music) and whether it loops.
class cCmdDlgBgm : public cCmdDlg {
public:
    cCmdDlgBgm(int templateId, cDlg* parent, int kind, const cEditReq* req, cWndRegistry* registry,
               cCtrl* ownerCtrl, int centre);
    // Stops a preview that is still playing.
    ~cCmdDlgBgm() override;

    void OnInitDialog(WPARAM wp, LPARAM lp) override;
    void OnCommand(WPARAM wp, LPARAM lp) override;

    cVector<cString> m_Musics;
    cVector<cCtrlComboItem<int32_t>> m_Combos;
    cVector<cCtrlCheckItem<int32_t>> m_Checks;
    cVector<cCtrlButtonItem> m_Buttons;

private:
    void StopPreview();
    // a preview was started and not stopped since
    int m_bPlaying = 0;
};
