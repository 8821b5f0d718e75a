// The database sheet "データベース": one page per table of g_Database, each
// editing a working copy; Apply (or OK) commits every page and saves the ten
// tables.
#pragma once

#include "projedit/dbpage.h"
#include "ui/propsheet.h"

class cDbPageAnimeSet;
class cDbPageAnime;
class cDbPageBmpCharaExc;
class cDbPageSwordType;
class cDbPageEffect;
class cDbPageCharaEffect;
class cDbPageScrEffect;
class cDbPagePicture;
class cDbPageSound;
class cDbPageBgm;

class cDatabaseSheet : public cPropSheet {
public:
    // Registers the sheet with the registry under ownerVar, which the
    // registry clears when the sheet has closed.
    cDatabaseSheet(cDlg* parent, cWndRegistry* registry, cPropSheet** ownerVar);
    ~cDatabaseSheet() override;

    // Makes the ten pages and the sheet window.
    void CreatePages();
    // Every page's working copy into its table, then the ten files; false
    // (after telling the user which files) when a file could not be written.
    bool CommitAll();
    // The idle step's drawing: the animation previews on pages 0 and 1
    // (advanced one tick with step), the page's own Draw on the others.
    void DrawCurPage(int step);
    void DrawCurPage() override { DrawCurPage(1); }

    cDbPageBase* DbPage(int index) const { return m_lpPage[index]; }

    cDbPageAnimeSet* m_lpAnimeSet = nullptr;
    cDbPageAnime* m_lpAnime = nullptr;
    cDbPageBmpCharaExc* m_lpBmpCharaExc = nullptr;
    cDbPageSwordType* m_lpSwordType = nullptr;
    cDbPageEffect* m_lpEffect = nullptr;
    cDbPageCharaEffect* m_lpCharaEffect = nullptr;
    cDbPageScrEffect* m_lpScrEffect = nullptr;
    cDbPagePicture* m_lpPicture = nullptr;
    cDbPageSound* m_lpSound = nullptr;
    cDbPageBgm* m_lpBgm = nullptr;

private:
    cDbPageBase* m_lpPage[kDbPageCount] = {};
};
