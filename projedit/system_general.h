// Page "1" of the system settings: the game title, the font of the game's
// texts with a preview line, and the general options.
#pragma once

#include "projedit/systempage.h"
#include "ui/ctrlpicture.h"

class cSystemPageGeneral : public cSystemPage {
public:
    cSystemPageGeneral(cDlg* parent, cWndRegistry* registry);

    void OnInitDialog(WPARAM wp, LPARAM lp) override;
    void UpdateCtrls() override;
    // The font preview: "abc ABC あいう 剣弾魔龍" in the chosen font.
    void Draw() override;

    static cSystemPageGeneral* s_pThis;
    cCtrlPictureItem m_Preview;
};

// The font names as combo texts, in the order of g_FontName.
cVector<cString>* FontNameList();
