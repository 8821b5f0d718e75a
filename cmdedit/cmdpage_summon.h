// The summon pages: a block ("ブロック召喚"), a character ("キャラ召喚") or an
// item ("アイテム召喚") taken from a palette entry is summoned in the shot
// page's formations and directions. Their settings are the command's shot
// record, several of whose fields mean other things here.
#pragma once

#include "cmdedit/cmdpage_shotbase.h"

// What the three pages share: the time, the palette entry, the summon
// position group with its formation rows, and the animation and sound.
class cCmdSummonBase : public cCmdShotBase {
public:
    // kind: the palette vector of the entries, 0 blocks, 1 charas, 2 items.
    cCmdSummonBase(int templateId, cDlg* parent, int kind, const cEditReq* req, cWndRegistry* registry,
                   cCtrl* ownerCtrl, int centre, int entryKind);
    ~cCmdSummonBase() override;

    void UpdateCtrls() override;

    cVector<cString> m_Palettes;
    cVector<cString> m_Formations;
    cVector<cString> m_Directions;
    int m_nEntryKind;

protected:
    void InitRefresh() override;
    bool OwnCommand(WPARAM wp) override;
    // The entry list of the chosen palette.
    void RefillEntries();
    // The new-command values the three pages share (the record is new).
    void CommonDefaults();
};

class cCmdDlgSummonBlock : public cCmdSummonBase {
public:
    cCmdDlgSummonBlock(int templateId, cDlg* parent, int kind, const cEditReq* req, cWndRegistry* registry,
                       cCtrl* ownerCtrl, int centre);
    ~cCmdDlgSummonBlock() override;
    void UpdateCtrls() override;

    cVector<cString> m_Types;
};

class cCmdDlgSummonChara : public cCmdSummonBase {
public:
    cCmdDlgSummonChara(int templateId, cDlg* parent, int kind, const cEditReq* req, cWndRegistry* registry,
                       cCtrl* ownerCtrl, int centre);
    ~cCmdDlgSummonChara() override;
    void UpdateCtrls() override;

    cVector<cString> m_FactionModes;
};

class cCmdDlgSummonItem : public cCmdSummonBase {
public:
    cCmdDlgSummonItem(int templateId, cDlg* parent, int kind, const cEditReq* req, cWndRegistry* registry,
                      cCtrl* ownerCtrl, int centre);
    ~cCmdDlgSummonItem() override;
    void UpdateCtrls() override;
};
