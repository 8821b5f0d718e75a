// Page "3" of the system settings: the properties kept as stock, the sound
// effects of the game's screens (browsed for and played), the bitmap format
// and the music of the title, story, challenge and option screens.
#pragma once

#include "projedit/systempage.h"

class cSystemPageStock : public cSystemPage {
public:
    cSystemPageStock(cDlg* parent, cWndRegistry* registry);

    void UpdateCtrls() override;
    void OnPageCommand(int id, int code) override;

    // Fills the texts of the four music combos from the Bgm table.
    void MakeBgmList();
    // The play button of a music slot (0..3).
    void PlayBgm(int slot);
    // The "参照" and "再生" buttons of a sound effect row (0..16).
    void BrowseSound(int row);
    void PlaySound(int row);

    static cSystemPageStock* s_pThis;
    cVector<cString> m_BgmList;
};

// Edit ids of the 17 sound effect rows; "参照" is id + 1, "再生" id + 2.
extern const int kSoundEditIds[17];
// Per music slot: the combo, the play button and the "ループ再生" box.
struct sBgmRow {
    int combo, play, loop;
};
extern const sBgmRow kBgmRows[4];
