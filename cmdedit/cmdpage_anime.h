// The pages of the basic animation set change ("基本アニメセットの変更")
// and of running an animation ("アニメの実行"): one database choice each,
// stored in the command's parameter 0.
#pragma once

#include <cstdint>

#include "base/containers.h"
#include "cmdedit/cmd_dlg.h"
#include "ui/ctrlcombo.h"

// Animation sets from record 0 (shown numbered from 001).
class cCmdDlgAnimeSet : public cCmdDlg {
public:
    cCmdDlgAnimeSet(int templateId, cDlg* parent, int kind, const cEditReq* req, cWndRegistry* registry,
                    cCtrl* ownerCtrl, int centre);
    ~cCmdDlgAnimeSet() override;

    void OnInitDialog(WPARAM wp, LPARAM lp) override;
    void OnCommand(WPARAM wp, LPARAM lp) override;

    cVector<cString> m_Sets;
    cVector<cCtrlComboItem<int32_t>> m_Combos;
};

// Animations from record 1; a new command runs record 1.
class cCmdDlgAnime : public cCmdDlg {
public:
    cCmdDlgAnime(int templateId, cDlg* parent, int kind, const cEditReq* req, cWndRegistry* registry,
                 cCtrl* ownerCtrl, int centre);
    ~cCmdDlgAnime() override;

    void OnInitDialog(WPARAM wp, LPARAM lp) override;
    void OnCommand(WPARAM wp, LPARAM lp) override;

    cVector<cString> m_Animes;
    cVector<cCtrlComboItem<int32_t>> m_Combos;
};
