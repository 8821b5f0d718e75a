// The base of the pages that keep their settings in the command's shot
// record (shot, sword and the three summons): the record is made for a new
// command, the bound control vectors by width, the Anime, Sound and Effect
// lists, the sound preview of the sound combo, the item list that follows
// its palette combo and the formation parameter rows.
#pragma once

#include <cstdint>

#include "base/containers.h"
#include "cmdedit/cmd_dlg.h"
#include "cmdedit/cmdpage_parts.h"
#include "model/move_shot.h"
#include "ui/ctrlbutton.h"
#include "ui/ctrlcheck.h"
#include "ui/ctrlcombo.h"
#include "ui/ctrleditval.h"
#include "ui/ctrlpicture.h"
#include "ui/ctrlstatic.h"

class cCmdShotBase : public cCmdDlg {
public:
    cCmdShotBase(int templateId, cDlg* parent, int kind, const cEditReq* req, cWndRegistry* registry,
                 cCtrl* ownerCtrl, int centre);
    ~cCmdShotBase() override;

    void OnInitDialog(WPARAM wp, LPARAM lp) override;
    void OnCommand(WPARAM wp, LPARAM lp) override;

    // The shot record the page binds (made for a new command, and for a
    // command that came without one).
    cEdShot* Shot() const;

    cVector<cString> m_Animes;
    cVector<cString> m_Sounds;
    cVector<cString> m_Effects;
    cVector<cString> m_Entries;  // the item or palette entry list
    cVector<cCtrlComboItem<int8_t>> m_Bytes;
    cVector<cCtrlComboItem<int16_t>> m_Lists;
    cVector<cCtrlEditValItem<int8_t>> m_Edit8;
    cVector<cCtrlEditValItem<int16_t>> m_Edit16;
    cVector<cCtrlEditValItem<int32_t>> m_Edit32;
    cVector<cCtrlCheckItem<int8_t>> m_Checks;
    cVector<cCtrlStaticItem> m_Statics;
    cVector<cCtrlButtonItem> m_Buttons;
    cVector<cCtrlPictureItem> m_Pictures;
    int m_nPrevFormation = kNoParamRow;

protected:
    // The page's own refreshes after UpdateCtrls at initialisation.
    virtual void InitRefresh() {}
    // The page's own commands (the base has stored nothing yet); true when
    // the command was handled.
    virtual bool OwnCommand(WPARAM) { return false; }
    // The item palette combo (0 none, 1 common, 2 stage palette) and the
    // item list: nothing chosen disables the list, a palette refills it.
    void UpdateItemList(int paletteId, int listId);
    // The formation's parameter rows on 1041 .. 1043 with labels 1151 ..
    // 1153.
    void RefreshFormation(int comboId);

    int m_nSoundId = 1131;
};
