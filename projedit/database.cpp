#include "projedit/database.h"

#include <new>

#include "app/services.h"
#include "base/bgm.h"
#include "base/msgbox.h"
#include "base/paths_win32.h"
#include "model/database.h"
#include "projedit/dbanime.h"
#include "projedit/dbeffect.h"
#include "projedit/dbfiles.h"
#include "projedit/dbkindeffect.h"
#include "projedit/dbsword.h"
#include "ui/registry.h"

cDatabaseSheet* cDbPageBase::Sheet() const {
    return dynamic_cast<cDatabaseSheet*>(m_lpSheet);
}

bool BrowseDbFile(cDlg* page, const sDbFileDialog& dialog, cCtrlEditStr* edit) {
    char path[kPathBufSize] = "";
    if (!OpenFileDialog(page->m_hWnd, path, sizeof path, dialog.m_lpFolder, dialog.m_lpTitle, dialog.m_lpFilter,
                        dialog.m_lpDefExt, 0))
        return false;
    if (!MakeRelativePath(path)) return false;
    edit->SetText(path);
    return true;
}

cDatabaseSheet::cDatabaseSheet(cDlg* parent, cWndRegistry* registry, cPropSheet** ownerVar)
    : cPropSheet(1, parent, registry) {
    m_lpRegKey = this;
    if (registry && ownerVar) registry->AddSheet(this, ownerVar);
}

cDatabaseSheet::~cDatabaseSheet() {
    // the pages go first, in page order; the sheet base after them
    for (int i = 0; i < kDbPageCount; ++i) {
        delete m_lpPage[i];
        m_lpPage[i] = nullptr;
    }
}

void cDatabaseSheet::CreatePages() {
    cDlg* parent = dynamic_cast<cDlg*>(m_lpParent);
    cWndRegistry* reg = m_lpRegistry;
    m_lpPage[kDbPageAnimeSet] = m_lpAnimeSet = new (std::nothrow) cDbPageAnimeSet(parent, reg);
    m_lpPage[kDbPageAnime] = m_lpAnime = new (std::nothrow) cDbPageAnime(parent, reg);
    m_lpPage[kDbPageBmpCharaExc] = m_lpBmpCharaExc = new (std::nothrow) cDbPageBmpCharaExc(parent, reg);
    m_lpPage[kDbPageSwordType] = m_lpSwordType = new (std::nothrow) cDbPageSwordType(parent, reg);
    m_lpPage[kDbPageEffect] = m_lpEffect = new (std::nothrow) cDbPageEffect(parent, reg);
    m_lpPage[kDbPageCharaEffect] = m_lpCharaEffect = new (std::nothrow) cDbPageCharaEffect(parent, reg);
    m_lpPage[kDbPageScrEffect] = m_lpScrEffect = new (std::nothrow) cDbPageScrEffect(parent, reg);
    m_lpPage[kDbPagePicture] = m_lpPicture = new (std::nothrow) cDbPagePicture(parent, reg);
    m_lpPage[kDbPageSound] = m_lpSound = new (std::nothrow) cDbPageSound(parent, reg);
    m_lpPage[kDbPageBgm] = m_lpBgm = new (std::nothrow) cDbPageBgm(parent, reg);
    for (int i = 0; i < kDbPageCount; ++i) {
        if (!m_lpPage[i]) {
            OutOfMemory();
            return;
        }
    }
    for (int i = 0; i < kDbPageCount; ++i) m_Pages.push_back(m_lpPage[i]);
    Create();
    if (m_hWnd) SetWindowTextA(m_hWnd, "データベース");
}

bool cDatabaseSheet::CommitAll() {
    for (int i = 0; i < kDbPageCount; ++i)
        if (m_lpPage[i]) m_lpPage[i]->Commit();
    cVector<int> failed;
    if (g_Database.Save(&failed)) return true;
    cString text("次のファイルを保存できませんでした。");
    for (int i = 0; i < static_cast<int>(failed.size()); ++i)
        StrPrintf(&text, "\n%s", g_DatabasePath[failed[i]].c_str());
    ErrorBoxF("%s", text.c_str());
    return false;
}

void cDatabaseSheet::DrawCurPage(int step) {
    if (!m_hWnd) return;
    int page = GetCurPage();
    if (page < 0 || page >= kDbPageCount || !m_lpPage[page]) return;
    if (page == kDbPageAnimeSet || page == kDbPageAnime)
        m_lpPage[page]->DrawPreview(step);
    else
        m_lpPage[page]->Draw();
}
